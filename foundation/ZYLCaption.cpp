#include "foundation/ZYLCaption.h"

#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/text/Text.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCaption) {
  b.Prop("Alignment", &TZYLCaption::Alignment, &TZYLCaption::SetAlignment)
      .Default(agCenter)
      .Prop("Caption", &TZYLCaption::Caption, &TZYLCaption::SetCaption)
      .Prop("Font", &TZYLCaption::Font, &TZYLCaption::SetFont)
      .Prop("FontFX", &TZYLCaption::FontFX, &TZYLCaption::SetFontFX)
      .Prop("MultiLine", &TZYLCaption::MultiLine, &TZYLCaption::SetMultiLine)
      .Default(false);
}

TZYLCaption::TZYLCaption() {
  FFont.reset(new vcl::TFont(), vcl::TNotifyEvent(this, &TZYLCaption::SubChanged));
  FFontFX.reset(new TZYLFxCaption(), vcl::TNotifyEvent(this, &TZYLCaption::GetChange));
}

TZYLCaption::~TZYLCaption() {
  FFontFX.reset();
  FFont.reset();
}

void TZYLCaption::SubChanged(vcl::TObject* /*Sender*/) { Change(); }

void TZYLCaption::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLCaption*>(Source)) {
    const bool wasUpdating = FUpdate;
    FUpdate = true;
    FCaption = s->FCaption;
    FAlignment = s->FAlignment;
    FMultiLine = s->FMultiLine;
    FFont->Assign(s->FFont);
    FFontFX->Assign(s->FFontFX);
    FUpdate = wasUpdating;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLCaption::GetSetStr() { return "{'" + FCaption + "'}"; }

void TZYLCaption::SetCaption(const std::string& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Change();
}

void TZYLCaption::SetAlignment(TZYLAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Change();
}

void TZYLCaption::SetMultiLine(bool Value) {
  if (FMultiLine == Value) return;
  FMultiLine = Value;
  Change();
}

void TZYLCaption::SetFont(vcl::TFont* Value) {
  if (Value && Value != FFont) FFont->Assign(Value);
}

void TZYLCaption::SetFontFX(TZYLFxCaption* Value) {
  if (Value && Value != FFontFX) FFontFX->Assign(Value);
}

uint32_t TZYLCaption::TextFlags() const {
  uint32_t f = ZYLAlignmentFlags(FAlignment);
  if (FMultiLine) f = (f & ~(win::DT_VCENTER | win::DT_BOTTOM)) | win::DT_WORDBREAK;
  else f |= win::DT_SINGLELINE;
  return f;
}

void TZYLCaption::DrawCaption(vcl::TCanvas* Canvas, const std::string& Text,
                              const vcl::TRect& Rect, TZYLDrawTextStyles Styles,
                              vcl::TColor /*Color*/, int32_t Offset) {
  if (!Canvas) return;
  Canvas->SetFont(FFont);
  vcl::TRect clip = Rect;
  if (Offset != 0) {
    const win::TPoint d = ZYLUnpackOffset(Offset);
    clip = vcl::TRect{Rect.Left + d.X, Rect.Top + d.Y, Rect.Right + d.X, Rect.Bottom + d.Y};
  }
  ZYLDrawTextExt(Canvas, Text, FFontFX, Rect, static_cast<int32_t>(TextFlags()), Styles,
                 Styles.contains(dtClip) ? &clip : nullptr);
}

}  // namespace zyl
