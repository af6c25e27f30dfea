#include "edits/ZYLSpinEdit.h"

#include <cmath>

#include "foundation/ZYLBevel.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

namespace {

int TruncToInt(double V) {
  if (std::isnan(V)) return 0;
  return static_cast<int>(std::trunc(std::clamp(V, -2147483648.0, 2147483647.0)));
}

}  // namespace

// Described here; TZYLSpinEdit names what it shows.
ZYL_CLASS_IMPL(TZYLCustomSpinEdit) {
  using C = TZYLCustomSpinEdit;
  b.Declare("LineSize", &C::GetSpinInteger, &C::SetSpinInteger)
      .Index(siLineSize)
      .Default(1)
      .Declare("PageSize", &C::GetSpinInteger, &C::SetSpinInteger)
      .Index(siPageSize)
      .Default(10)
      .Declare("MinValue", &C::GetSpinInteger, &C::SetSpinInteger)
      .Index(siMinValue)
      .Default(0)
      .Declare("MaxValue", &C::GetSpinInteger, &C::SetSpinInteger)
      .Index(siMaxValue)
      .Default(100)
      .Declare("Value", &C::GetSpinInteger, &C::SetSpinInteger)
      .Index(siValue)
      .Default(0);
}

ZYL_CLASS_IMPL(TZYLSpinEdit) {
  b.Publish({"LineSize", "PageSize", "MinValue", "MaxValue", "Value"})
      .Publish("AutoSize")
      .Default(true)
      .Publish({"Suffix", "EditorEnabled", "OnMouseWheelDown", "OnMouseWheelUp", "CustomButtons",
                "CustomButtonsStyle", "CustomButtonParentCtlXP", "Font", "Font3D", "ParentFont",
                "SpinBtnDiag"});
}

TZYLCustomSpinEdit::TZYLCustomSpinEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  BeginUpdate();
  SetAutoSize(true);
  SetAutoSelect(true);
  EndUpdate(false);
}

int TZYLCustomSpinEdit::GetSpinInteger(int Index) {
  switch (Index) {
    case siLineSize: return TruncToInt(Step());
    case siPageSize: return TruncToInt(LargeStep());
    case siMinValue: return TruncToInt(MinValue());
    case siMaxValue: return TruncToInt(MaxValue());
    case siValue: try { return AsInteger();
      } catch (const vcl::Exception&) {
        return TruncToInt(Value());  // a text that is no whole number
      }
    default: return 0;
  }
}

void TZYLCustomSpinEdit::SetSpinInteger(int Index, int Value) {
  switch (Index) {
    case siLineSize: SetStep(Value); break;
    case siPageSize: SetLargeStep(Value); break;
    case siMinValue: SetMinValue(Value); break;
    case siMaxValue: SetMaxValue(Value); break;
    case siValue: SetSpinValue(Value); break;
    default: break;
  }
}

void TZYLCustomSpinEdit::ReadBorderStyle(vcl::TReader* Reader) {
  const std::string style = Reader->ReadIdent();
  TZYLBevel* bevel = Bevel();
  bevel->BeginUpdate();
  if (style == "bsSingle") {
    bevel->SetMode(bmWindows);
  } else {
    bevel->SetStyle(lsNone);
    bevel->SetMode(bmStandard);
  }
  bevel->EndUpdate(false);
}

void TZYLCustomSpinEdit::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "BorderStyle", [this](vcl::TReader* r) { ReadBorderStyle(r); }, nullptr, false);
}

}  // namespace zyl
