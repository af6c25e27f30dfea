// TZYLBevel: the bevel and border settings controls own as Bevel, with the painting of the
// bevel and its extent (the width of the band it occupies on each side).
//
// Modes: bmCustom paints the outer, then the inner 3D frame of the bevel styles; bmStandard and
// bmWindows the frame of StandardStyle; bmEdge an edge of EdgeStyle on BorderSides. Every mode
// then adds the border: BorderWidth pixels in BorderColor, followed inward by BorderInnerWidth
// pixels of space (filled with BorderColor unless the bevel is painted transparent).
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TCanvas;
}

namespace zyl {

class TZYLBevel : public TZYLObject {
  ZYL_CLASS(TZYLBevel, TZYLObject)
  // The indices of the colour properties.
  enum TColorProp : int { ciBorderColor, ciLightColor, ciShadowColor };

  TZYLBevel();

  void Assign(vcl::TPersistent* Source) override;
  // bmCustom "{bmCustom, <StyleOuter>, <StyleInner>}", bmStandard / bmWindows
  // "{<Mode>, <StandardStyle>}", bmEdge "{bmEdge, <EdgeStyle>}".
  std::string GetSetStr() override;
  // Recomputes the cached extent, then fires OnChange (unless updating).
  void Change() override;

  // The total extent in pixels (0 = no bevel), cached and kept current by every setter.
  int32_t GetBevelExtend() const { return FExtent; }
  // Paints the bevel into Rect and returns the rectangle inside it (Rect unchanged when the
  // extent is 0). Transparent leaves the border's inner space unpainted.
  vcl::TRect PaintBevel(vcl::TCanvas* Canvas, const vcl::TRect& Rect, bool Transparent);
  // The rectangle inside the bevel (what PaintBevel returns, without painting).
  vcl::TRect ClientRect(const vcl::TRect& Rect) const;

  // Width in pixels of one bevel style of the given width, and of a standard frame style.
  static int32_t BevelStyleWidth(TZYLBevelStyle Style, int32_t Width);
  static int32_t StdFrameWidth(TZYLBorderStyle Style);
  static int32_t EdgeWidth(TZYLEdgeStyle Style);

  // Index: one of TColorProp; any other index stands for ShadowColor.
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  vcl::TColor BorderColor() const { return FBorderColor; }
  vcl::TColor LightColor() const { return FLightColor; }
  vcl::TColor ShadowColor() const { return FShadowColor; }

  TZYLBevelStyle StyleInner() const { return FStyleInner; }
  void SetBevelStyleInner(TZYLBevelStyle Value);
  TZYLBevelStyle StyleOuter() const { return FStyleOuter; }
  void SetBevelStyleOuter(TZYLBevelStyle Value);
  // An owner whose bevel starts with another outer style sets it here: the value becomes the
  // one a form stream leaves out, so that every other value (bvNone too) is written.
  void SetDefaultStyleOuter(TZYLBevelStyle Value);
  bool IsStyleOuterStored() const { return FStyleOuter != FDefaultStyleOuter; }
  uint8_t WidthInner() const { return FWidthInner; }
  void SetBevelWidthInner(uint8_t Value);
  uint8_t WidthOuter() const { return FWidthOuter; }
  void SetBevelWidthOuter(uint8_t Value);
  TZYLFrameSides BorderSides() const { return FBorderSides; }
  void SetBorderSides(TZYLFrameSides Value);
  uint8_t BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(uint8_t Value);
  uint8_t BorderInnerWidth() const { return FBorderInnerWidth; }
  void SetBorderSpace(uint8_t Value);
  TZYLEdgeStyle EdgeStyle() const { return FEdgeStyle; }
  void SetEdgeStyle(TZYLEdgeStyle Value);
  TZYLBevelMode Mode() const { return FMode; }
  void SetMode(TZYLBevelMode Value);
  // An owner whose bevel starts in another mode sets it here (as SetDefaultStyleOuter).
  void SetDefaultMode(TZYLBevelMode Value);
  bool IsModeStored() const { return FMode != FDefaultMode; }
  // StandardStyle: the change is signalled only while Mode is bmStandard or bmWindows, the
  // modes that draw it (the extent is kept current in every mode).
  TZYLBorderStyle StandardStyle() const { return FStandardStyle; }
  void SetStyle(TZYLBorderStyle Value);

 private:
  int32_t ComputeExtent() const;
  vcl::TRect InnerRect(const vcl::TRect& Rect) const;

  TZYLBevelStyle FStyleInner = bvNone;
  TZYLBevelStyle FStyleOuter = bvNone;
  TZYLBevelStyle FDefaultStyleOuter = bvNone;
  uint8_t FWidthInner = 1;
  uint8_t FWidthOuter = 1;
  vcl::TColor FBorderColor;
  vcl::TColor FLightColor;
  vcl::TColor FShadowColor;
  TZYLFrameSides FBorderSides;
  uint8_t FBorderWidth = 0;
  uint8_t FBorderInnerWidth = 0;
  TZYLEdgeStyle FEdgeStyle = etEtched;
  TZYLBevelMode FMode = bmCustom;
  TZYLBevelMode FDefaultMode = bmCustom;
  TZYLBorderStyle FStandardStyle = lsSingleLowered;
  int32_t FExtent = 0;
};

}  // namespace zyl
