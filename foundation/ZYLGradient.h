// TZYLGradient: a gradient in one of ten styles, from Color to EndColor in ColorCount steps or
// through a list of colours, with an optional palette; and ZYLGradientPaint, which paints a
// two-colour gradient without a settings object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TCanvas;
class TFiler;
}

namespace zyl {

// Horizontal: the colour changes from left to right; Vertical: from top to bottom; Square and
// Elliptic: from the outline (Color) to the centre (EndColor); the four corner styles in
// rectangular bands from that corner (Color) to the opposite one; the two diagonal styles
// along the diagonal from the named corner.
ZYL_ENUM(TZYLGradientStyle, gstHorizontal, gstVertical, gstSquare, gstElliptic, gstTopLeft,
         gstTopRight, gstBottomLeft, gstBottomRight, gstTopLeftDiagonal, gstTopRightDiagonal)

// Flag of ZYLGradientPaint: build a palette of the steps and select it while painting.
constexpr uint32_t ZYLGradientUsePalette = 0x1000;

// The step colours of a two-colour gradient: Count (at least 2) colours from Color1 to Color2,
// each channel interpolated and rounded.
std::vector<vcl::TColor> ZYLGradientSteps(vcl::TColor Color1, vcl::TColor Color2, int32_t Count);
// Paints Steps in Style into Rect (nothing for an empty rectangle or no steps).
void ZYLGradientPaintSteps(vcl::TCanvas* Canvas, const vcl::TRect& Rect,
                           const std::vector<vcl::TColor>& Steps, TZYLGradientStyle Style);
// Paints a two-colour gradient of Colors steps (2 .. 256); Flags ZYLGradientUsePalette builds
// and selects a palette for the painting. Extra is reserved.
void ZYLGradientPaint(vcl::TCanvas* Canvas, const vcl::TRect& Rect, vcl::TColor Color1,
                      vcl::TColor Color2, int32_t Colors, TZYLGradientStyle Style,
                      uint32_t Flags, int32_t Extra);

class TZYLGradient : public TZYLObject {
  ZYL_CLASS(TZYLGradient, TZYLObject)
  TZYLGradient();
  ~TZYLGradient() override;

  void Assign(vcl::TPersistent* Source) override;
  // "{<Style>, <ColorCount>}" for two colours, "{<Style>, list of <n>}" otherwise.
  std::string GetSetStr() override;
  // The colour list streams as the extra property "ColorList" (a list of integers).
  void DefineProperties(vcl::TFiler* Filer) override;

  // Rebuilds the colour steps (and the palette when PaletteRealize) from Color, EndColor and
  // ColorCount when TwoColors, else from the colour list (two colours when it is empty).
  void InitPalette();
  void PaintGradient(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  // Selects and realises the palette in the canvas when PaletteRealize is set.
  void SetRealPalette(vcl::TCanvas* Canvas);
  // The palette handle (0 unless PaletteRealize); owned by the gradient.
  win::HPALETTE Palette() const { return FPalette; }
  const std::vector<vcl::TColor>& Steps() const { return FSteps; }

  // The colours of a many-colour gradient; editors change it directly and call InitPalette.
  std::vector<vcl::TColor>& ColorList() { return FColorList; }
  void SetColorList(const std::vector<vcl::TColor>& Value);

  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  vcl::TColor EndColor() const { return FEndColor; }
  void SetEndColor(vcl::TColor Value);
  // Number of steps, 2 .. 256 (values outside are limited to the range).
  int32_t ColorCount() const { return FColorCount; }
  void SetColorCount(int32_t Value);
  TZYLGradientStyle Style() const { return FStyle; }
  void SetStyle(TZYLGradientStyle Value);
  bool PaletteRealize() const { return FPaletteRealize; }
  void SetPaletteRealize(bool Value);
  bool TwoColors() const { return FTwoColors; }
  void SetTwoColors(bool Value);

 private:
  void Rebuild();
  void FreePalette();

  vcl::TColor FColor = 0xFF0000;
  vcl::TColor FEndColor = vcl::clBlack;
  int32_t FColorCount = 16;
  TZYLGradientStyle FStyle = gstVertical;
  bool FPaletteRealize = false;
  bool FTwoColors = true;
  std::vector<vcl::TColor> FColorList;
  std::vector<vcl::TColor> FSteps;
  win::HPALETTE FPalette = nullptr;
};

}  // namespace zyl
