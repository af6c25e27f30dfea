// The check box: TZYLCustomCheckBox is a button control with a check mark in three states
// (unchecked, checked, grayed), its caption beside the box, optionally sized to the caption,
// transparent over its parent or flat; a click or the space bar moves it on to the next state
// and OnChange reports every state set outside loading. TZYLCheckBox publishes it.
#pragma once

#include "buttons/ZYLButtonControl.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCustomCheckBox : public TZYLButtonControl {
  ZYL_CLASS(TZYLCustomCheckBox, TZYLButtonControl)
  explicit TZYLCustomCheckBox(vcl::TComponent* AOwner) : inherited(AOwner) {}

  bool Checked() const { return FState == vcl::cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? vcl::cbChecked : vcl::cbUnchecked); }
  vcl::TCheckBoxState State() const { return FState; }
  // Stores a changed state, repaints, and fires OnChange unless loading.
  void SetState(vcl::TCheckBoxState Value);
  // A click passes through grayed only when this is set.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

  const vcl::TNotifyEvent& GetOnChange() const { return FOnChange; }
  void SetOnChange(const vcl::TNotifyEvent& E) { FOnChange = E; }

 protected:
  vcl::TCheckBoxState MarkState() const override { return FState; }
  uint32_t MarkKind(vcl::TCheckBoxState State) const override;
  int ThemePart() const override { return 3; }
  // The next state of a click: unchecked, checked, grayed (when allowed), unchecked.
  void ClickMark() override;

  vcl::TCheckBoxState FState = vcl::cbUnchecked;
  bool FAllowGrayed = false;

 protected:
  vcl::TNotifyEvent FOnChange;
};

class TZYLCheckBox : public TZYLCustomCheckBox {
  ZYL_CLASS(TZYLCheckBox, TZYLCustomCheckBox)
  explicit TZYLCheckBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLCheckBoxUnit = vcl::ClassesUnit<TZYLCheckBox>("ZYLCheckBox");

}  // namespace zyl
