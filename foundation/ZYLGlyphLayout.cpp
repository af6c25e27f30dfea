#include "foundation/ZYLGlyphLayout.h"

#include <algorithm>

#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLGlyphTextLayout) {
  b.Prop("Alignment", &TZYLGlyphTextLayout::Alignment, &TZYLGlyphTextLayout::SetAlignment)
      .Stored(&TZYLGlyphTextLayout::IsAlignmentStored)
      .Prop("AlignText2Glyph", &TZYLGlyphTextLayout::AlignText2Glyph,
            &TZYLGlyphTextLayout::SetAlignText2Glyph)
      .Stored(&TZYLGlyphTextLayout::IsAlignText2GlyphStored)
      .Prop("OffsetX", &TZYLGlyphTextLayout::GetOffset, &TZYLGlyphTextLayout::SetOffset)
      .Index(oiOffsetX)
      .Default(0)
      .Prop("OffsetY", &TZYLGlyphTextLayout::GetOffset, &TZYLGlyphTextLayout::SetOffset)
      .Index(oiOffsetY)
      .Stored(&TZYLGlyphTextLayout::IsOffsetYStored)
      .Prop("Spacing", &TZYLGlyphTextLayout::Spacing, &TZYLGlyphTextLayout::SetSpacing)
      .Default(2);
}

void TZYLGlyphTextLayout::SetDefaultPlacement(TZYLAlignment Alignment, TZYLTextArrange Arrange,
                                              int16_t OffsetY) {
  FDefaultAlignment = Alignment;
  FDefaultAlignText2Glyph = Arrange;
  FDefaultOffsetY = OffsetY;
  SetAlignment(Alignment);
  SetAlignText2Glyph(Arrange);
  SetOffset(oiOffsetY, OffsetY);
}

void TZYLGlyphTextLayout::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLGlyphTextLayout*>(Source)) {
    FAlignment = s->FAlignment;
    FAlignText2Glyph = s->FAlignText2Glyph;
    FOffsetX = s->FOffsetX;
    FOffsetY = s->FOffsetY;
    FSpacing = s->FSpacing;
    Change();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLGlyphTextLayout::GetSetStr() {
  return "{" + ZYLEnumName(FAlignment) + ", " + ZYLEnumName(FAlignText2Glyph) + "}";
}

void TZYLGlyphTextLayout::SetAlignment(TZYLAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value)) Change();
}

void TZYLGlyphTextLayout::SetAlignText2Glyph(TZYLTextArrange Value) {
  if (ZYLStoreValue(FAlignText2Glyph, Value)) Change();
}

void TZYLGlyphTextLayout::SetOffset(int Index, int16_t Value) {
  if (ZYLStoreValue(Index == oiOffsetX ? FOffsetX : FOffsetY, Value)) Change();
}

void TZYLGlyphTextLayout::SetSpacing(uint8_t Value) {
  if (ZYLStoreValue(FSpacing, Value)) Change();
}

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLButtonLayout) {
  b.Prop("Alignment", &TZYLButtonLayout::Alignment, &TZYLButtonLayout::SetAlignment)
      .Default(agCenter)
      .Prop("Arrow", &TZYLButtonLayout::Arrow, &TZYLButtonLayout::SetArrow)
      .Default(false)
      .Prop("ArrowColor", &TZYLButtonLayout::ArrowColor, &TZYLButtonLayout::SetArrowColor,
            vcl::ColorTypeInfo())
      .Default(vcl::clBlack)
      .Prop("ArrowIndent", &TZYLButtonLayout::GetInteger, &TZYLButtonLayout::SetInteger)
      .Index(iiArrowIndent)
      .Default(3)
      .Prop("ArrowPosition", &TZYLButtonLayout::ArrowPosition, &TZYLButtonLayout::SetArrowPosition)
      .Default(apRightText)
      .Prop("ArrowSize", &TZYLButtonLayout::ArrowSize, &TZYLButtonLayout::SetArrowSize)
      .Default(3);
}

TZYLButtonLayout::TZYLButtonLayout() { FAlignment = agCenter; }

void TZYLButtonLayout::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLButtonLayout*>(Source)) {
    FArrow = s->FArrow;
    FArrowColor = s->FArrowColor;
    FArrowIndent = s->FArrowIndent;
    FArrowPosition = s->FArrowPosition;
    FArrowSize = s->FArrowSize;
  }
  inherited::Assign(Source);
}

std::string TZYLButtonLayout::GetSetStr() {
  std::string s = inherited::GetSetStr();
  if (FArrow) s.insert(s.size() - 1, ", Arrow");
  return s;
}

void TZYLButtonLayout::SetArrow(bool Value) {
  if (ZYLStoreValue(FArrow, Value)) Change();
}

void TZYLButtonLayout::SetArrowColor(vcl::TColor Value) {
  if (ZYLStoreValue(FArrowColor, Value)) Change();
}

void TZYLButtonLayout::SetArrowPosition(TZYLArrowPosition Value) {
  if (ZYLStoreValue(FArrowPosition, Value)) Change();
}

void TZYLButtonLayout::SetArrowSize(int8_t Value) {
  if (ZYLStoreValue(FArrowSize, std::clamp<int8_t>(Value, 2, 10))) Change();
}

void TZYLButtonLayout::SetInteger(int Index, int32_t Value) {
  if (Index == iiArrowIndent && ZYLStoreValue(FArrowIndent, Value)) Change();
}

}  // namespace zyl
