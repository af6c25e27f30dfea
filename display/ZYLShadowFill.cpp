#include "display/ZYLShadowFill.h"

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLShadowFill) {
  b.Publish("About")
      .Publish({"Align", "Anchors", "Constraints", "ParentShowHint"})
      .Prop("ShadowColor", &TZYLShadowFill::ShadowColor, &TZYLShadowFill::SetShadowColor,
            vcl::ColorTypeInfo())
      .Default(0)
      .Publish("ShowHint")
      .Prop("Style", &TZYLShadowFill::Style, &TZYLShadowFill::SetShadowMode)
      .Default(ZYLShadowFill::sfShadow)
      .Publish("Visible");
}

TZYLShadowFill::TZYLShadowFill(vcl::TComponent* AOwner)
    : inherited(AOwner), FPattern(std::make_unique<vcl::TBitmap>()) {
  LoadPattern();
}

TZYLShadowFill::~TZYLShadowFill() = default;

void TZYLShadowFill::LoadPattern() {
  // The application object owns its cached checker; the control keeps its own copy. Without
  // the application object the pattern stays empty and the control darkens nothing.
  if (TZYLApplication* app = ZYLApplication())
    FPattern->Assign(FShadowColor == 0 ? app->GetBitmap() : app->GetBrushBitmap(FShadowColor));
}

void TZYLShadowFill::SetShadowColor(vcl::TColor Value) {
  if (Value == 0xFFFFFF) Value = 0;
  if (Value == FShadowColor) return;
  FShadowColor = Value;
  LoadPattern();
  InvalidateControl();
}

void TZYLShadowFill::SetShadowMode(TZYLShadowFillStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  InvalidateControl();
}

bool TZYLShadowFill::GetEmpty() { return BevelExt() == 0 && FStyle == ZYLShadowFill::sfNone; }

void TZYLShadowFill::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (GetEmpty()) {
    inherited::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  const TRect client = ClientRect();
  const TRect r = FBevel->PaintBevel(c, client, Transparent());
  switch (FStyle) {
    case ZYLShadowFill::sfShadow:
      ZYLFillPattern(c->Handle(), r, FPattern.get());
      break;
    case ZYLShadowFill::sfFullShadow:
      ZYLFillPattern(c->Handle(), client, FPattern.get());
      break;
    default:
      break;
  }
}

}  // namespace zyl
