// TZYLCustomSpinEdit: the spin edit with a whole-number face. Its LineSize, PageSize, MinValue,
// MaxValue and Value are integers over the extended spin edit's Step, LargeStep, range and
// value; Value reads the text, so it is current while the user steps. It sizes itself to its
// font and selects its text on entry. TZYLSpinEdit publishes it.
#pragma once

#include "edits/ZYLCustomExtSpinEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCustomSpinEdit : public TZYLCustomExtSpinEdit {
  ZYL_CLASS(TZYLCustomSpinEdit, TZYLCustomExtSpinEdit)
  // The indices of the whole-number properties.
  enum TSpinInteger : int { siLineSize, siPageSize, siMinValue, siMaxValue, siValue };

  explicit TZYLCustomSpinEdit(vcl::TComponent* AOwner);

  int GetSpinInteger(int Index);
  void SetSpinInteger(int Index, int Value);
  int LineSize() { return GetSpinInteger(siLineSize); }
  int PageSize() { return GetSpinInteger(siPageSize); }
  int IntMinValue() { return GetSpinInteger(siMinValue); }
  int IntMaxValue() { return GetSpinInteger(siMaxValue); }
  int IntValue() { return GetSpinInteger(siValue); }
  void SetIntValue(int Value) { SetSpinInteger(siValue, Value); }

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  // The retired "BorderStyle" of older forms: a single border is the window-style bevel,
  // anything else none.
  void ReadBorderStyle(vcl::TReader* Reader);
};

class TZYLSpinEdit : public TZYLCustomSpinEdit {
  ZYL_CLASS(TZYLSpinEdit, TZYLCustomSpinEdit)
  explicit TZYLSpinEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLSpinEditUnit = vcl::ClassesUnit<TZYLSpinEdit>("ZYLSpinEdit");

}  // namespace zyl
