// TZYLLED: the painter of segment-display characters. Each character is one cell of 16
// segments (seven bars, a middle pair, four diagonals and three dots); unlit segments are a
// checker of InActiveColor and the background colour, lit ones are solid ActiveColor. One cell
// bitmap with every segment unlit is cached and copied for each character.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLObject.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TCanvas;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLLEDLights, llTop, llTopLeft, llTopRight, llMiddle, llBottomLeft, llBottomRight,
         llBottom, llInTopMiddle, llInBottomMiddle, llInTopLeft, llInTopRight, llInBottomLeft,
         llInBottomRight, llPointMiddle, llPointTop, llPointBottom)
using TZYLLEDSET = vcl::TSet<TZYLLEDLights>;

// The lit segments of a character: bit n is segment n of TZYLLEDLights. 0 for characters
// without a pattern (the blank among them).
uint16_t ZYLLEDMask(char Ch);

class TZYLLED : public TZYLObject {
  ZYL_CLASS(TZYLLED, TZYLObject)
  static constexpr int SegmentCount = 16;
  using TSegment = std::array<vcl::TPoint, 6>;
  // The indices of the size properties (from 1) and of the colours.
  enum TByteProp : int { biHorzsize = 1, biThickness, biVertsize };
  enum TColorProp : int { ciActiveColor, ciInActiveColor, ciBackColor };

  TZYLLED();
  ~TZYLLED() override;

  // From another TZYLLED: sizes, DisabledDigits and the two segment colours (not the
  // background), then rebuilds the cell and signals.
  void Assign(vcl::TPersistent* Source) override;
  // Flashing: successive paints alternate lit and dark until EndFlash.
  virtual void BeginFlash();
  virtual void EndFlash();

  // Index: one of TByteProp; GetByte reads Vertsize for any other, SetByte ignores it.
  uint8_t GetByte(int Index) const;
  void SetByte(int Index, uint8_t Value);
  // Index: one of TColorProp; GetColor reads BackColor for any other, SetColor ignores it.
  vcl::TColor GetColor(int Index) const;
  void SetColor(int Index, vcl::TColor Value);
  bool DisabledDigits() const { return FDisabledDigits; }
  void SetEnabled(bool Value);

  uint8_t Horzsize() const { return FHorzsize; }
  uint8_t Thickness() const { return FThickness; }
  uint8_t Vertsize() const { return FVertsize; }
  vcl::TColor ActiveColor() const { return FActiveColor; }
  vcl::TColor InActiveColor() const { return FInActiveColor; }
  vcl::TColor BackColor() const { return FBackColor; }
  bool Flashing() const { return FFlash; }
  // True while a flashing display is in its dark phase (the next paint shows no lit segment).
  bool FlashDark() const { return FFlash && FFlashPhase; }

  // Cell size: Horzsize + 5 Thickness by 2 Vertsize + 7 Thickness.
  int GetWidth() const;
  int GetHeight() const;
  // Rows and columns of the last painted or measured text, and the text itself.
  int Rows() const { return FRows; }
  int Columns() const { return FColumns; }
  const std::string& Text() const { return FText; }
  // The cells the last painting drew: those that reach into the canvas's clip.
  int DrawnCells() const { return FDrawnCells; }
  // Segment polygons of the cell in TZYLLEDLights order (computed by CreateBmp).
  const TSegment& Segment(TZYLLEDLights Light) const { return FSegments[Light]; }
  // The cached cell (every segment unlit).
  vcl::TBitmap* CellBitmap() const { return FBmp.get(); }

  // Computes the segments and draws the unlit cell.
  void CreateBmp();
  // Lays Text out in cells from Rect's top-left corner (#13 starts a row; characters below
  // #19 and above #242 take no cell); with Paint, draws each cell and its lit segments (none
  // when DisabledDigits and not Enabled). Counts rows and columns either way.
  void PaintLED(vcl::TCanvas* Canvas, const vcl::TRect& Rect, const std::string& Text,
                bool Paint, bool Enabled);
  // The size Text needs: (0, 0, cell width x columns + 2 Border + 1, cell height x rows +
  // 2 Border).
  vcl::TRect CalcBoundsRect(const std::string& Text, int Border);

 private:
  vcl::TColor FBackColor = 0;
  vcl::TColor FInActiveColor = 0x008000;
  vcl::TColor FActiveColor = 0x00FF00;
  uint8_t FHorzsize = 9;
  uint8_t FThickness = 2;
  uint8_t FVertsize = 7;
  bool FFlash = false;
  bool FFlashPhase = false;
  bool FDisabledDigits = true;
  int FRows = 1;
  int FColumns = 1;
  int FDrawnCells = 0;
  std::array<TSegment, SegmentCount> FSegments{};
  std::unique_ptr<vcl::TBitmap> FBmp;
  std::string FText;
};

// The shared 8 x 8 pattern of unlit segments: created by ZYLLEDInit (or on first use), freed by
// ZYLLEDDone. The unit has no component classes to register.
void ZYLLEDInit();
void ZYLLEDDone();
inline constexpr vcl::TUnitEntry ZYLLEDUnit{"ZYLLED", &ZYLLEDInit, &ZYLLEDDone};

}  // namespace zyl
