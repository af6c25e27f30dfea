#include "system/ZYLCustomShapeHint.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomShapeHint) {
  using C = TZYLCustomShapeHint;
  b.Publish("About")
      .Prop("BorderColor", &C::BorderColor, &C::SetBorderColor, vcl::ColorTypeInfo())
      .Default(0)
      .Publish({"Color", "Font", "Font3D", "MaxWidth"})
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(hpAboveRight)
      .Prop("Shadow", &C::Shadow, &C::SetShadow)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(hsNoseRoundRect)
      .Prop("OnCloseHintWindow", &C::GetOnCloseHintWindow, &C::SetOnCloseHintWindow);
}

TZYLCustomShapeHint::TZYLCustomShapeHint(vcl::TComponent* AOwner) : inherited(AOwner) {
  FShadow.reset(new TZYLShadow());
}

TZYLCustomShapeHint::~TZYLCustomShapeHint() { FShadow.reset(); }

void TZYLCustomShapeHint::SetShadow(TZYLShadow* Value) {
  if (Value) FShadow->Assign(Value);
}

}  // namespace zyl
