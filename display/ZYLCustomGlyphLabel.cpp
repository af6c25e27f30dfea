#include "display/ZYLCustomGlyphLabel.h"

#include <algorithm>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomGlyphLabel) {}

TZYLCustomGlyphLabel::TZYLCustomGlyphLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLCustomGlyphLabel::GetChange));
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLCustomGlyphLabel::GetChange));
  FLayout.reset(new TZYLGlyphTextLayout(),
                vcl::TNotifyEvent(this, &TZYLCustomGlyphLabel::GetChange));
}

TZYLCustomGlyphLabel::~TZYLCustomGlyphLabel() {
  FLayout.reset();
  FBevel.reset();
  FFont3D.reset();
}

void TZYLCustomGlyphLabel::SetGlyphLayout(TZYLGlyphTextLayout* Value) {
  if (Value) FLayout->Assign(Value);
}

void TZYLCustomGlyphLabel::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLCustomGlyphLabel::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

win::HPALETTE TZYLCustomGlyphLabel::GetPalette() {
  return IMLEmpty() ? nullptr : FImageList->Palette(FListIndex);
}

void TZYLCustomGlyphLabel::CorrectBounds() {
  if (Align() != vcl::alNone || !FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  const vcl::TRect t =
      MeasureText(GetLabelText(), FFont3D, FBevel->GetBevelExtend(), DrawTextBiDiModeFlags(0));
  const int textW = t.Right - t.Left + ZYLLabelControlGap(this), textH = t.Bottom - t.Top;
  vcl::TRect g{0, 0, 0, 0};
  if (!IMLEmpty()) g = FImageList->ItemRect(FListIndex, FImageIndex);
  const int glyphW = g.Right - g.Left, glyphH = g.Bottom - g.Top;
  int w, h;
  switch (FLayout->AlignText2Glyph()) {
    case taLeft:
    case taLeftTop:
    case taRight:
    case taRightTop:
      w = textW + glyphW + FLayout->Spacing();
      h = std::max(textH, glyphH);
      break;
    default:
      h = textH + FLayout->Spacing() + glyphH;
      w = std::max(textW, glyphW);
      break;
  }
  SetBounds(Left(), Top(), w + FLayout->OffsetX(), h + FLayout->OffsetY());
}

void TZYLCustomGlyphLabel::Paint() {
  vcl::TBitmap glyph;
  const std::string text = GetLabelText();
  if (!Transparent()) FillControl();
  vcl::TCanvas* c = Canvas();
  vcl::TRect rect = ClientRect();
  rect.Left += ZYLLabelControlGap(this);
  if (FBevel->GetBevelExtend() != 0) {
    const bool bevelTransparent = FBevel->BorderColor() == Color() || Transparent();
    rect = FBevel->PaintBevel(c, rect, bevelTransparent);
  }
  if (!IMLEmpty()) FImageList->GetBitmapItem(FListIndex, FImageIndex, &glyph);
  c->Brush()->SetColor(Color());
  c->SetFont(Font());
  TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled, dtRectClip};
  ZYLDrawTextAndGlyph(c, text, FFont3D, rect, &glyph, nullptr, FLayout, FMultiLine, FShowAccelChar,
                      Transparent(), styles, static_cast<int32_t>(DrawTextBiDiModeFlags(0)));
}

}  // namespace zyl
