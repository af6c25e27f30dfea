// TZYLCustomExtSpinEdit: the number edit with an owned pair of up and down arrows. It is a mask
// edit of the numeric kinds (EditType picks the kind) holding a Value inside MinValue and
// MaxValue (unless InfiniteMin / InfiniteMax), stepped by the arrows (a press and every repeat
// tick), the keys (Up, Down by Step, Page Up, Page Down by LargeStep) and the wheel; with the
// caret behind the decimal separator of a float the step is FractionStep.
//
// Stepping writes only the text; Value follows the text when the focus leaves the edit.
#pragma once

#include "edits/ZYLCustomMaskEdit.h"

namespace zyl {

class TZYLSpinButton;

class TZYLCustomExtSpinEdit : public TZYLCustomMaskEdit {
  ZYL_CLASS(TZYLCustomExtSpinEdit, TZYLCustomMaskEdit)
  ZYL_MESSAGES(TZYLCustomExtSpinEdit)

  // The indices of the spin button's colours.
  enum TSpinColor : int { scColor, scHotColor };
  // The width that makes the arrows square (the inner height).
  static constexpr int SquareButton = -1;

  explicit TZYLCustomExtSpinEdit(vcl::TComponent* AOwner);
  ~TZYLCustomExtSpinEdit() override;

  TZYLSpinButton* SpinButton() const { return FSpin; }
  int SpinBtnWidth() const { return FSpinBtnWidth; }
  void SetSpinBtnWidth(int Value);
  bool InfiniteMax() const { return FInfiniteMax; }
  void SetInfiniteMax(bool Value) { FInfiniteMax = Value; }
  bool InfiniteMin() const { return FInfiniteMin; }
  void SetInfiniteMin(bool Value) { FInfiniteMin = Value; }
  bool EditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  TZYLNumberType EditType() const { return FEditType; }
  // Switches the mask kind and shows Value in its form.
  void SetEditType(TZYLNumberType Value);
  // The value as last stored (it follows the text when the focus leaves).
  double Value() const { return FValue; }
  // Stores a changed value, limited to the range, and shows it. (SetValue, the mask edit's,
  // writes a value into the text only.)
  void SetSpinValue(double Value);
  double Step() const { return FStep; }
  void SetStep(double Value) { FStep = Value; }
  double LargeStep() const { return FLargeStep; }
  void SetLargeStep(double Value) { FLargeStep = Value; }
  double FractionStep() const { return FFractionStep; }
  void SetFractionStep(double Value) { FFractionStep = Value; }
  bool IsNoDefault() const { return FStep != 1.0; }
  bool IsNoLargeDefault() const { return FLargeStep != 10.0; }
  bool IsNoFractionDefault() const { return FFractionStep != 0.1; }
  // The spin button's repeat interval, colours and slanted halves.
  uint16_t Interval() const;
  void SetInterval(uint16_t Value);
  vcl::TColor GetSpinColor(int Index) const;
  void SetSpinColor(int Index, vcl::TColor Value);
  bool SpinBtnDiag() const;
  void SetSpinBtnDiag(bool Value);

  const vcl::TNotifyEvent& GetOnSpinBtnUpClick() const { return FOnSpinBtnUpClick; }
  void SetOnSpinBtnUpClick(const vcl::TNotifyEvent& E) { FOnSpinBtnUpClick = E; }
  const vcl::TNotifyEvent& GetOnSpinBtnDownClick() const { return FOnSpinBtnDownClick; }
  void SetOnSpinBtnDownClick(const vcl::TNotifyEvent& E) { FOnSpinBtnDownClick = E; }

  // One step up or down from the text's value (nothing while ReadOnly).
  void Increment(double AStep);
  void Decrement(double AStep);

 protected:
  // The arrows: the edit takes the focus, steps, and reports the click.
  virtual void DoInc();
  virtual void DoDec();
  void Loaded() override;
  void DoThemeChanged() override;
  void GetChange(vcl::TObject* Sender) override;
  void MouseExit() override;
  void MouseMove(vcl::TShiftState Shift, int X, int Y) override;
  bool AllowedOperation(const std::string& Text) override;
  void ModifyPaintRect() override;
  void GetCommandKey(uint16_t& Key, vcl::TShiftState Shift) override;
  bool DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) override;
  bool DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) override;

  void WMKillFocusSpin(vcl::TWMKillFocus& Message);
  void CMEnabledChangedSpin(vcl::TMessage& Message);

 private:
  // Stores Value, limited to the range (unless loading), and writes it into the text.
  void ShowValue(double Value);
  // Up (+1) or down (-1) by AStep.
  void Stepped(double AStep, int Direction);
  // The value of the text for the kind; 0 when the text is no number.
  double TextValue();
  void UpClick(vcl::TObject*) { DoInc(); }
  void DownClick(vcl::TObject*) { DoDec(); }

  TZYLSpinButton* FSpin = nullptr;  // owned by the edit as a component
  int FSpinBtnWidth = SquareButton;
  bool FInfiniteMax = false;
  bool FInfiniteMin = false;
  bool FEditorEnabled = true;
  TZYLNumberType FEditType = ntInteger;
  double FValue = 0;
  double FFractionStep = 0.1;
  double FLargeStep = 10.0;
  double FStep = 1.0;

 protected:
  vcl::TNotifyEvent FOnSpinBtnDownClick;
  vcl::TNotifyEvent FOnSpinBtnUpClick;
};

}  // namespace zyl
