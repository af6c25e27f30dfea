// Placement settings of a glyph and its text (TZYLGlyphTextLayout) and of a button's glyph,
// text and drop-down arrow (TZYLButtonLayout).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/graphics/Colors.h"

namespace zyl {

ZYL_ENUM(TZYLArrowPosition, apRightText, apLeftText, apRightGlyph, apLeftGlyph)

class TZYLGlyphTextLayout : public TZYLObject {
  ZYL_CLASS(TZYLGlyphTextLayout, TZYLObject)
  // The indices of the offset properties.
  enum TOffsetProp : int { oiOffsetX, oiOffsetY };

  TZYLGlyphTextLayout() = default;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Alignment>, <AlignText2Glyph>}".
  std::string GetSetStr() override;

  TZYLAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLAlignment Value);
  // Where the text stands relative to the glyph (taTop .. taBottomLeft: above or below).
  TZYLTextArrange AlignText2Glyph() const { return FAlignText2Glyph; }
  void SetAlignText2Glyph(TZYLTextArrange Value);
  // Index: one of TOffsetProp; absolute offsets of the caption in pixels.
  int16_t GetOffset(int Index) const { return Index == oiOffsetX ? FOffsetX : FOffsetY; }
  void SetOffset(int Index, int16_t Value);
  int16_t OffsetX() const { return FOffsetX; }
  int16_t OffsetY() const { return FOffsetY; }
  // Space between glyph and text in pixels.
  uint8_t Spacing() const { return FSpacing; }
  void SetSpacing(uint8_t Value);

  // An owner whose layout starts at another placement sets it here (as the bevel's
  // SetDefaultStyleOuter): streams then leave out exactly that placement.
  void SetDefaultPlacement(TZYLAlignment Alignment, TZYLTextArrange Arrange, int16_t OffsetY);
  bool IsAlignmentStored() const { return FAlignment != FDefaultAlignment; }
  bool IsAlignText2GlyphStored() const { return FAlignText2Glyph != FDefaultAlignText2Glyph; }
  bool IsOffsetYStored() const { return FOffsetY != FDefaultOffsetY; }

 protected:
  TZYLAlignment FAlignment = agTopLeft;
  TZYLTextArrange FAlignText2Glyph = taRight;
  int16_t FOffsetX = 0;
  int16_t FOffsetY = 0;
  uint8_t FSpacing = 2;

 private:
  TZYLAlignment FDefaultAlignment = agTopLeft;
  TZYLTextArrange FDefaultAlignText2Glyph = taRight;
  int16_t FDefaultOffsetY = 0;
};

class TZYLButtonLayout : public TZYLGlyphTextLayout {
  ZYL_CLASS(TZYLButtonLayout, TZYLGlyphTextLayout)
  // The indices of the integer properties.
  enum TIntegerProp : int { iiArrowIndent };

  TZYLButtonLayout();

  void Assign(vcl::TPersistent* Source) override;
  // The layout summary, with ", Arrow" added when the arrow is shown.
  std::string GetSetStr() override;

  bool Arrow() const { return FArrow; }
  void SetArrow(bool Value);
  vcl::TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(vcl::TColor Value);
  TZYLArrowPosition ArrowPosition() const { return FArrowPosition; }
  void SetArrowPosition(TZYLArrowPosition Value);
  // Arrow size 2 .. 10 (values outside are limited to the range).
  int8_t ArrowSize() const { return FArrowSize; }
  void SetArrowSize(int8_t Value);
  // Index: one of TIntegerProp; any other index reads 0 and is not written.
  int32_t GetInteger(int Index) const { return Index == iiArrowIndent ? FArrowIndent : 0; }
  void SetInteger(int Index, int32_t Value);
  int32_t ArrowIndent() const { return FArrowIndent; }

 private:
  bool FArrow = false;
  vcl::TColor FArrowColor = vcl::clBlack;
  int32_t FArrowIndent = 3;
  TZYLArrowPosition FArrowPosition = apRightText;
  int8_t FArrowSize = 3;
};

}  // namespace zyl
