// TZYLMouseFencer: confines the mouse cursor to the target rectangle (or a given one) until
// Stop, the owner form's WM_CANCELMODE or the fencer's end (when its fence is still the one in
// place: the fence of another fencer stays).
#pragma once

#include "platform/sys/Packages.h"
#include "system/ZYLMouseBaseCtrl.h"

namespace zyl {

class TZYLMouseFencer : public TZYLMouseBaseCtrl {
  ZYL_CLASS(TZYLMouseFencer, TZYLMouseBaseCtrl)
  explicit TZYLMouseFencer(vcl::TComponent* AOwner);
  ~TZYLMouseFencer() override;

  // ExecuteEnh with a rectangle whose left of -1 asks for the target rectangle.
  bool Execute() override;
  // Fences the cursor into Rect (when its left is not -1 and it is not empty) or the target
  // rectangle, moving a cursor outside to the fence's top-left corner first. False without a
  // fence; the cursor is then untouched.
  bool ExecuteEnh(const vcl::TRect& Rect);
  // Frees the cursor.
  void Stop();

  // WM_CANCELMODE lifts the fence before the base's procedure.
  void WndProc(vcl::TMessage& Message) override;

 private:
  // The fence this one put in place, as the window system keeps it.
  bool FFenced = false;
  win::RECT FFence{};
};

inline constexpr vcl::TUnitEntry ZYLMouseFencerUnit =
    vcl::ClassesUnit<TZYLMouseFencer>("ZYLMouseFencer");

}  // namespace zyl
