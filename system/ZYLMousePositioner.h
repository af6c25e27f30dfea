// TZYLMousePositioner: moves the mouse cursor to a chosen point of the target rectangle.
#pragma once

#include "foundation/ZYLClass.h"
#include "platform/sys/Packages.h"
#include "system/ZYLMouseBaseCtrl.h"

namespace zyl {

// The point of R that Position names; the halves of the width and height are whole numbers.
vcl::TPoint ZYLGetAutoPosition(const vcl::TRect& R, TZYLAlignment Position);

class TZYLMousePositioner : public TZYLMouseBaseCtrl {
  ZYL_CLASS(TZYLMousePositioner, TZYLMouseBaseCtrl)
  explicit TZYLMousePositioner(vcl::TComponent* AOwner);

  // ExecuteEnh(-1, -1).
  bool Execute() override;
  // Moves the cursor to the Position point of the target (X = -1) or to the point (X, Y)
  // from the target's top-left corner, its centre when that point lies outside it. False
  // without a target; the cursor is then untouched.
  bool ExecuteEnh(int X, int Y);

  TZYLAlignment Position() const { return FPosition; }
  void SetPosition(TZYLAlignment Value) { FPosition = Value; }

 private:
  TZYLAlignment FPosition = agCenter;
};

inline constexpr vcl::TUnitEntry ZYLMousePositionerUnit =
    vcl::ClassesUnit<TZYLMousePositioner>("ZYLMousePositioner");

}  // namespace zyl
