#include "buttons/ZYLCheckBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomCheckBox) {}

ZYL_CLASS_IMPL(TZYLCheckBox) {
  using C = TZYLCheckBox;
  b.Prop("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
      .Default(false)
      .Prop("AutoSize", &C::GetBool, &C::SetBool)
      .Index(bpAutoSize)
      .Default(false)
      .Prop("Checked", &C::Checked, &C::SetChecked)
      .Stored(false)
      .Publish("Flat")
      .Prop("GlyphFlat", &C::GetBool, &C::SetBool)
      .Index(bpGlyphFlat)
      .Default(false)
      .Prop("GlyphTransparent", &C::GetBool, &C::SetBool)
      .Index(bpGlyphTransparent)
      .Default(false)
      .Prop("State", &C::State, &C::SetState)
      .Default(vcl::cbUnchecked)
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange);
}

void TZYLCustomCheckBox::SetState(vcl::TCheckBoxState Value) {
  if (Value == FState) return;
  FState = Value;
  Invalidate();
  if (!ComponentState().contains(vcl::csLoading) && FOnChange) FOnChange(this);
}

uint32_t TZYLCustomCheckBox::MarkKind(vcl::TCheckBoxState State) const {
  return State == vcl::cbGrayed ? win::DFCS_BUTTON3STATE : win::DFCS_BUTTONCHECK;
}

void TZYLCustomCheckBox::ClickMark() {
  switch (FState) {
    case vcl::cbUnchecked: SetState(vcl::cbChecked); break;
    case vcl::cbChecked: SetState(FAllowGrayed ? vcl::cbGrayed : vcl::cbUnchecked); break;
    case vcl::cbGrayed: SetState(vcl::cbUnchecked); break;
  }
}

}  // namespace zyl
