// The check box: TZYLCustomCheckBox is a windowed control with a check mark in three states
// (unchecked, checked, grayed), its caption beside the box, optionally sized to the caption,
// transparent over its parent or flat; a click or the space bar moves it on to the next state
// and OnChange reports every state set outside loading. TZYLCheckBox publishes it.
#pragma once

#include "foundation/ZYLCustomControl.h"
#include "platform/controls/StdCtrls.h"

namespace zyl {

class TZYLCustomCheckBox : public TZYLCustomControl {
  ZYL_CLASS(TZYLCustomCheckBox, TZYLCustomControl)
  ZYL_MESSAGES(TZYLCustomCheckBox)
  // The side of the check box.
  static constexpr int BoxSize = 13;
  // The indices of the Boolean properties.
  enum TBooleanProp : int { bpAutoSize, bpGlyphTransparent, bpGlyphFlat };

  explicit TZYLCustomCheckBox(vcl::TComponent* AOwner);
  // The About property the controls publish; it holds nothing.
  TZYLAboutVar About() const { return {}; }
  void SetAbout(const TZYLAboutVar&) {}

  bool GetBool(int Index) const;
  // AutoSize sizes the control to the box and the caption at once; the glyph flags repaint.
  void SetBool(int Index, bool Value);
  bool AutoSize() const { return FAutoSize; }
  bool Checked() const { return FState == vcl::cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? vcl::cbChecked : vcl::cbUnchecked); }
  vcl::TCheckBoxState State() const { return FState; }
  // Stores a changed state, repaints, and fires OnChange unless loading.
  void SetState(vcl::TCheckBoxState Value);
  // A click passes through grayed only when this is set.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  bool ControlSupportsXP() const override { return true; }

  const vcl::TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const vcl::TNotifyEvent& E) { OnChange = E; }
  vcl::TNotifyEvent OnChange;

  // The box's rectangle in the client area.
  vcl::TRect BoxRect();

 protected:
  void Paint() override;
  void Click() override;
  void KeyPress(char& Key) override;
  void Loaded() override;
  // The next state of a click: unchecked, checked, grayed (when allowed), unchecked.
  void Toggle();
  void CorrectBounds();
  void CMTextChanged(vcl::TMessage& Message);
  void CMFontChanged(vcl::TMessage& Message);

  vcl::TCheckBoxState FState = vcl::cbUnchecked;
  bool FAutoSize = false;
  bool FGlyphTransparent = false;
  bool FGlyphFlat = false;
  bool FAllowGrayed = false;
};

class TZYLCheckBox : public TZYLCustomCheckBox {
  ZYL_CLASS(TZYLCheckBox, TZYLCustomCheckBox)
  explicit TZYLCheckBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

void ZYLCheckBoxInit();
void ZYLCheckBoxDone();

}  // namespace zyl
