// TZYLCustomLabel: the standard label on the label base, with an owned bevel and an effect
// caption (FontFX) that may rotate the text.
#pragma once

#include <cstdint>
#include <string>

#include "display/ZYLBaseLabel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLBevel;
class TZYLFxCaption;

class TZYLCustomLabel : public TZYLBaseLabel {
  ZYL_CLASS(TZYLCustomLabel, TZYLBaseLabel)
  explicit TZYLCustomLabel(vcl::TComponent* AOwner);
  ~TZYLCustomLabel() override;

  // The owned objects; the setters assign into them.
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);
  // The bevel's extent.
  int GetBevelExtend() const;

  // A rotated caption needs a TrueType font: a font change to another face resets the angle,
  // an angle set on such a face switches the font to "Arial".
  void FontChange(vcl::TObject* Sender) override;
  // Sizes the label to its text, bevel and status-bar gap (Align alNone, AutoSize, not loading).
  void CorrectBounds() override;
  // True only when transparent, without text and without bevel.
  bool GetEmpty() override;

 protected:
  void Paint() override;
  // Places Text in Rect for painting unless the label sizes itself: a rotated caption is one
  // line, moved to its place by Alignment (other than agTopLeft); an upright one is one line
  // without MultiLine, else moved to its place when aligned below the top. Flags gets
  // DT_SINGLELINE where the text is one line; it is passed on to the alignment as it stands.
  void AlignLabelText(const std::string& Text, vcl::TRect& Rect, uint32_t& Flags);

  TZYLOwned<TZYLBevel> FBevel;
  TZYLOwned<TZYLFxCaption> FFontFX;
};

}  // namespace zyl
