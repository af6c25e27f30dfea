// TZYLLEDCustomLabel: a bevelled graphic control that shows its caption, or an integer value
// with leading zeros, in segment-display characters painted by an owned TZYLLED.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLLED;

ZYL_ENUM(TZYLLEDStyle, lsString, lsInteger)

class TZYLLEDCustomLabel : public TZYLGraphicControl {
  ZYL_CLASS(TZYLLEDCustomLabel, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLLEDCustomLabel)
  explicit TZYLLEDCustomLabel(vcl::TComponent* AOwner);
  ~TZYLLEDCustomLabel() override;

  bool AutoSize() const { return FAutoSize; }
  void SetAutosize(bool Value);
  // Digits of the value in lsInteger style; 0 is refused.
  uint8_t Digits() const { return FDigits; }
  void SetDigits(uint8_t Value);
  // The owned painter; the setter assigns into it.
  TZYLLED* LED() const { return FLED.get(); }
  void SetLED(TZYLLED* Value);
  int32_t Value() const { return FValue; }
  // A changed value repaints at once in lsInteger style.
  void SetValue(int32_t Value);
  TZYLLEDStyle Style() const { return FStyle; }
  void SetStyle(TZYLLEDStyle Value);

  // The text shown: ValueString(Value) in lsInteger style, the Caption in lsString style.
  virtual std::string GetLabelText();
  // Value in Digits places: zero-padded on the left (after a minus sign), or Digits minus
  // signs when it does not fit.
  std::string ValueString(int32_t Value) const;
  // Sizes the control to its text in cells plus the bevel on every side.
  void CalcBoundsRect();
  // Resizes when AutoSize, then repaints.
  void GetChange(vcl::TObject* Sender) override;


 protected:
  void Loaded() override;
  void Paint() override;
  void CMColorChanged(vcl::TMessage& Message);
  void CMTextChanged(vcl::TMessage& Message);

 private:
  bool FAutoSize = false;
  uint8_t FDigits = 2;
  TZYLOwned<TZYLLED> FLED;
  int32_t FValue = 0;
  TZYLLEDStyle FStyle = lsString;
};

}  // namespace zyl
