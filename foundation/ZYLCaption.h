// TZYLCaption: a caption paint object (text, font, effect caption, alignment, line mode) that
// draws a text into a rectangle.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TCanvas;
class TFont;
}

namespace zyl {

class TZYLCaption : public TZYLObject {
  ZYL_CLASS(TZYLCaption, TZYLObject)
  TZYLCaption();
  ~TZYLCaption() override;

  void Assign(vcl::TPersistent* Source) override;
  // "{'<Caption>'}".
  std::string GetSetStr() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TZYLAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TZYLAlignment Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  vcl::TFont* Font() const { return FFont.get(); }
  void SetFont(vcl::TFont* Value);
  TZYLFxCaption* FontFX() const { return FFontFX.get(); }
  void SetFontFX(TZYLFxCaption* Value);

  // The DrawText flags of Alignment and MultiLine (single lines are centred vertically as
  // Alignment says; multi-line text breaks words).
  uint32_t TextFlags() const;
  // Draws Text into Rect with Font and FontFX by the style set; with dtClip the text is
  // clipped to Rect moved by the packed Offset (low word x, high word y), to Rect itself when
  // Offset is 0. Color is the colour of the ground the text stands on (callers pass the
  // control's colour or brush colour); the text keeps the font's own colour, so it never
  // vanishes into its ground.
  void DrawCaption(vcl::TCanvas* Canvas, const std::string& Text, const vcl::TRect& Rect,
                   TZYLDrawTextStyles Styles, vcl::TColor Color, int32_t Offset);

 private:
  void SubChanged(vcl::TObject* Sender);

  std::string FCaption;
  TZYLAlignment FAlignment = agCenter;
  bool FMultiLine = false;
  TZYLOwned<vcl::TFont> FFont;
  TZYLOwned<TZYLFxCaption> FFontFX;
};

}  // namespace zyl
