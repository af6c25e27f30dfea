#include "display/ZYLCustomLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomLabel) {
  using C = TZYLCustomLabel;
  b.Declare("Bevel", &C::Bevel, &C::SetBevel).Declare("FontFX", &C::FontFX, &C::SetFontFX);
}

TZYLCustomLabel::TZYLCustomLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FBevel.reset(new TZYLBevel(), vcl::TNotifyEvent(this, &TZYLCustomLabel::GetChange));
  FFontFX.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLCustomLabel::FontChange));
}

TZYLCustomLabel::~TZYLCustomLabel() {
  FFontFX.reset();
  FBevel.reset();
}

void TZYLCustomLabel::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLCustomLabel::SetFontFX(TZYLFxCaption* Value) {
  if (Value) FFontFX->Assign(Value);
}

int TZYLCustomLabel::GetBevelExtend() const { return FBevel->GetBevelExtend(); }

bool TZYLCustomLabel::GetEmpty() {
  return Transparent() && GetLabelText().empty() && FBevel->GetBevelExtend() == 0;
}

void TZYLCustomLabel::FontChange(vcl::TObject* Sender) {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (Sender == Font()) SetParentFont(false);
  Canvas()->SetFont(Font());
  if (FFontFX->Angle() != 0 && !ZYLIsTrueTypeFontCheck(Canvas())) {
    if (Sender == Font()) {
      // Quietly: the change below re-measures and repaints once.
      FFontFX->BeginUpdate();
      FFontFX->SetAngle(0);
      FFontFX->EndUpdate(false);
    } else if (Sender == FFontFX) {
      // The font change comes back through CM_FONTCHANGED.
      Font()->SetName("Arial");
      return;
    }
  }
  GetChange(Sender);
}

void TZYLCustomLabel::CorrectBounds() {
  if (Align() != vcl::alNone || !FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  const uint32_t flags = GetOptionsFlag() | DrawTextBiDiModeFlags(0);
  const vcl::TRect r = MeasureText(GetLabelText(), FFontFX, GetBevelExtend(), flags);
  SetBounds(Left(), Top(), r.Right + ZYLLabelControlGap(this), r.Bottom);
}

void TZYLCustomLabel::AlignLabelText(const std::string& Text, vcl::TRect& Rect, uint32_t& Flags) {
  if (FAutoSize) return;
  const bool rotated = FFontFX->Angle() != 0;
  if (rotated || !FMultiLine) Flags |= win::DT_SINGLELINE;
  const bool moved = rotated ? FAlignment != agTopLeft : FMultiLine && FAlignment >= agCenterLeft;
  if (moved)
    Rect = ZYLAlignTextRect(FAlignment, Text, FFontFX, Rect, Font(), FMultiLine, FShowAccelChar,
                            static_cast<int32_t>(Flags));
}

void TZYLCustomLabel::Paint() {
  if (FDrawing || ComponentState().contains(vcl::csLoading)) return;
  if (GetEmpty()) {
    inherited::Paint();
    return;
  }
  PaintLabelText([this](vcl::TCanvas* c, const std::string& text) {
    vcl::TRect rect = ClientRect();
    rect.Left += ZYLLabelControlGap(this);
    TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
    vcl::TRect clip;
    const vcl::TRect* clipRect = nullptr;
    if (FBevel->GetBevelExtend() != 0) {
      const bool bevelTransparent = FBevel->BorderColor() == Color() || Transparent();
      rect = FBevel->PaintBevel(c, rect, bevelTransparent);
      clip = rect;
      win::OffsetRect(&clip, Left(), Top());
      clipRect = &clip;
      styles += dtClip;
    }
    uint32_t flags = DrawTextBiDiModeFlags(0);
    c->SetFont(Font());
    AlignLabelText(text, rect, flags);
    flags = TextFlags(flags);
    c->Brush()->SetColor(Color());
    c->Font()->SetColor(Font()->Color());
    if (!FTwinklePhase) {
      if (FTwinkleColor == vcl::clNone) return;
      c->Font()->SetColor(FTwinkleColor);
    }
    ZYLDrawTextExt(c, text, FFontFX, rect, static_cast<int32_t>(flags), styles, clipRect);
  });
}

}  // namespace zyl
