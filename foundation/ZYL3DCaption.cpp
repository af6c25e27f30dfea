#include "foundation/ZYL3DCaption.h"

#include "platform/classes/TypeInfo.h"

namespace zyl {

using vcl::TColor;

ZYL_CLASS_IMPL(TZYL3DCaption) {
  b.Prop("DisabledStyle", &TZYL3DCaption::DisabledStyle, &TZYL3DCaption::SetDisabledStyle)
      .Default(dsAuto)
      .Prop("LightColor", &TZYL3DCaption::GetColor, &TZYL3DCaption::SetColor, vcl::ColorTypeInfo())
      .Index(ciLightColor)
      .Default(vcl::clBtnHighlight)
      .Prop("LightDepth", &TZYL3DCaption::GetDepth, &TZYL3DCaption::SetDepth)
      .Index(diLightDepth)
      .Default(1)
      .Prop("Orientation", &TZYL3DCaption::Orientation, &TZYL3DCaption::SetOrientation)
      .Default(toTopLeft)
      .Prop("ShadowColor", &TZYL3DCaption::GetColor, &TZYL3DCaption::SetColor, vcl::ColorTypeInfo())
      .Index(ciShadowColor)
      .Default(vcl::clBtnShadow)
      .Prop("ShadowDepth", &TZYL3DCaption::GetDepth, &TZYL3DCaption::SetDepth)
      .Index(diShadowDepth)
      .Default(1)
      .Prop("Style", &TZYL3DCaption::Style, &TZYL3DCaption::SetStyle)
      .Default(tdNone)
      .Prop("Tracing", &TZYL3DCaption::Tracing, &TZYL3DCaption::SetTracing)
      .Default(0);
}

TZYL3DCaption::TZYL3DCaption() : FLightColor(vcl::clBtnHighlight), FShadowColor(vcl::clBtnShadow) {}

void TZYL3DCaption::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYL3DCaption*>(Source)) {
    FDisabledStyle = s->FDisabledStyle;
    FLightDepth = s->FLightDepth;
    FShadowDepth = s->FShadowDepth;
    FLightColor = s->FLightColor;
    FShadowColor = s->FShadowColor;
    FOrientation = s->FOrientation;
    FStyle = s->FStyle;
    FTracing = s->FTracing;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYL3DCaption::GetSetStr() {
  std::string s = "{" + vcl::GetEnumName(vcl::TypeInfoOf<TZYLThreeDStyle>(), FStyle);
  if (FStyle != tdNone)
    s += ", " + vcl::GetEnumName(vcl::TypeInfoOf<TZYLThreeDOrientation>(), FOrientation);
  return s + "}";
}

void TZYL3DCaption::SetColor(int Index, TColor Value) {
  TColor& field = Index == ciLightColor ? FLightColor : FShadowColor;
  if (field == Value) return;
  field = Value;
  Change();
}

void TZYL3DCaption::SetDepth(int Index, uint8_t Value) {
  uint8_t& field = Index == diLightDepth ? FLightDepth : FShadowDepth;
  if (field == Value) return;
  field = Value;
  Change();
}

void TZYL3DCaption::SetDisabledStyle(TZYLDisabledStyle Value) {
  if (FDisabledStyle == Value) return;
  FDisabledStyle = Value;
  Change();
}

void TZYL3DCaption::SetOrientation(TZYLThreeDOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  Change();
}

void TZYL3DCaption::SetStyle(TZYLThreeDStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  Change();
}

void TZYL3DCaption::SetTracing(int32_t Value) {
  if (FTracing == Value) return;
  FTracing = Value;
  Change();
}

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLFxCaption) {
  b.Prop("Angle", &TZYLFxCaption::Angle, &TZYLFxCaption::SetAngle)
      .Default(0)
      .Prop("PosX", &TZYLFxCaption::GetPos, &TZYLFxCaption::SetPos)
      .Index(piPosX)
      .Default(0)
      .Prop("PosY", &TZYLFxCaption::GetPos, &TZYLFxCaption::SetPos)
      .Index(piPosY)
      .Default(0);
}

void TZYLFxCaption::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLFxCaption*>(Source)) {
    FAngle = s->FAngle;
    FPosX = s->FPosX;
    FPosY = s->FPosY;
  }
  // The 3D settings (and the change signal) come from the 3D caption's Assign.
  inherited::Assign(Source);
}

std::string TZYLFxCaption::GetSetStr() {
  std::string s = inherited::GetSetStr();
  if (FAngle != 0) s.insert(s.size() - 1, ", " + std::to_string(FAngle));
  return s;
}

void TZYLFxCaption::SetAngle(uint16_t Value) {
  Value = static_cast<uint16_t>(Value % 360);
  if (FAngle == Value) return;
  FAngle = Value;
  Change();
}

void TZYLFxCaption::SetPos(int Index, int16_t Value) {
  int16_t& field = Index == piPosX ? FPosX : FPosY;
  if (field == Value) return;
  field = Value;
  Change();
}

}  // namespace zyl
