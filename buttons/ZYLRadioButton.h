// The radio button: TZYLRadioButton is a button control with a round mark that is either
// checked or not. Checking it unchecks the other radio buttons of the same parent; a click or
// the space bar checks it (a checked button stays checked) and fires OnClick; the arrow keys
// move the focus to the previous or next radio button of the parent (by tab order, skipping
// disabled and hidden ones) and check it as a click does.
#pragma once

#include "buttons/ZYLButtonControl.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLRadioButton : public TZYLButtonControl {
  ZYL_CLASS(TZYLRadioButton, TZYLButtonControl)
  ZYL_MESSAGES(TZYLRadioButton)
  explicit TZYLRadioButton(vcl::TComponent* AOwner) : inherited(AOwner) {}

  bool Checked() const { return FChecked; }
  // Stores and repaints a changed value; true unchecks the sibling radio buttons.
  void SetChecked(bool Value);

 protected:
  vcl::TCheckBoxState MarkState() const override;
  uint32_t MarkKind(vcl::TCheckBoxState State) const override;
  int ThemePart() const override { return 2; }
  void ClickMark() override { SetChecked(true); }
  void KeyDown(uint16_t& Key, vcl::TShiftState Shift) override;
  void WMGetDlgCode(vcl::TMessage& Message);

  bool FChecked = false;
};

inline constexpr vcl::TUnitEntry ZYLRadioButtonUnit =
    vcl::ClassesUnit<TZYLRadioButton>("ZYLRadioButton");

}  // namespace zyl
