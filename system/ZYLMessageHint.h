// TZYLMessageHint: shows a balloon on demand that stays until it is hidden or, with
// SetCapture, until the user clicks or presses a key. It never replaces the application's hint.
#pragma once

#include <string>

#include "platform/sys/Packages.h"
#include "system/ZYLCustomShapeHint.h"

namespace vcl {
class TControl;
}

namespace zyl {

class TZYLMessageHint : public TZYLCustomShapeHint {
  ZYL_CLASS(TZYLMessageHint, TZYLCustomShapeHint)
  explicit TZYLMessageHint(vcl::TComponent* AOwner);
  ~TZYLMessageHint() override;

  // Does nothing: the message hint leaves the application's hint window alone.
  void SetEnabled(bool Value) override;

  // Hides the message shown before and shows Text in a balloon aimed at (X, Y).
  void ShowMessage(const std::string& Text, int32_t X, int32_t Y);
  // The same at the centre of a visible control with a parent (Text, or else its Hint).
  void ShowControlMessage(const std::string& Text, vcl::TControl* Control);
  // Frees the message window.
  void HideMessage();
  // Whether a message is on the screen (a balloon closed by a click or key no longer is).
  bool GetState() const;
  TZYLShapeHintWindow* MessageWindow() const { return FMessageWindow; }
};

inline constexpr vcl::TUnitEntry ZYLMessageHintUnit =
    vcl::ClassesUnit<TZYLMessageHint>("ZYLMessageHint");

}  // namespace zyl
