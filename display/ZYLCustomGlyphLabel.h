// TZYLCustomGlyphLabel: a label that shows an image-list item (its glyph) together with its 3D
// text, arranged by a glyph/text layout object, inside an optional bevel.
#pragma once

#include "display/ZYLBaseLabel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYL3DCaption;
class TZYLBevel;
class TZYLGlyphTextLayout;

class TZYLCustomGlyphLabel : public TZYLBaseLabel {
  ZYL_CLASS(TZYLCustomGlyphLabel, TZYLBaseLabel)
  explicit TZYLCustomGlyphLabel(vcl::TComponent* AOwner);
  ~TZYLCustomGlyphLabel() override;

  // The owned objects (published as Alignment, Font3D and Bevel); the setters assign into them.
  TZYLGlyphTextLayout* GlyphLayout() const { return FLayout.get(); }
  void SetGlyphLayout(TZYLGlyphTextLayout* Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);

  // The image list's palette for ListIndex; none without an image.
  virtual win::HPALETTE GetPalette();
  // Text, glyph, spacing, offsets, bevel and status-bar gap (Align alNone, AutoSize, not
  // loading).
  void CorrectBounds() override;

 protected:
  void Paint() override;

  TZYLOwned<TZYL3DCaption> FFont3D;
  TZYLOwned<TZYLBevel> FBevel;
  TZYLOwned<TZYLGlyphTextLayout> FLayout;
};

}  // namespace zyl
