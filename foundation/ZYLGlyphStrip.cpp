// The built-in glyph strip "ZYLBMPGLYPH": eight 13 x 14 cells drawn as text, one character per
// pixel (ZYLTextArt), turned into a 16-colour packed DIB (the form of a bitmap resource) and
// registered under the program's module at start-up.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "foundation/ZYLButtonDock.h"
#include "foundation/ZYLTextArt.h"
#include "platform/classes/Resources.h"

namespace zyl {

namespace {

constexpr int kCells = 8;
constexpr int kStripWidth = kCells * ZYLGlyphCellWidth;

// '.' is the background, the colour buttons take as transparent (the bottom-left pixel).
constexpr std::array<TZYLArtColor, 14> kPalette = {{
    {'.', 255, 0, 255},    // background
    {'k', 0, 0, 0},        // outline
    {'w', 255, 255, 255},  // paper, highlights
    {'g', 128, 128, 128},  // grey
    {'l', 192, 192, 192},  // light grey
    {'y', 255, 255, 0},    // folder
    {'o', 128, 128, 0},    // folder shade
    {'r', 255, 0, 0},      // red
    {'G', 0, 128, 0},      // green
    {'b', 0, 0, 255},      // blue
    {'B', 0, 0, 128},      // navy
    {'c', 0, 255, 255},    // glass, display
    {'n', 128, 64, 0},     // handle
    {'R', 128, 0, 0},      // dark red
}};

using TCell = std::array<const char*, ZYLGlyphCellHeight>;

// In TZYLGlyphKind order, gkEllipsis first.
constexpr std::array<TCell, kCells> kCellArt = {{
    // gkEllipsis
    {".............", ".............", ".............", ".............", ".............",
     ".............", ".............", ".............", ".............", ".kk..kk..kk..",
     ".kk..kk..kk..", ".............", ".............", "............."},
    // gkFile: a page with a folded corner
    {".............", "..kkkkkk.....", "..kwwwwkk....", "..kwwwwkwk...", "..kwwwwkkkk..",
     "..kwwwwwwwk..", "..kwggggwwk..", "..kwwwwwwwk..", "..kwggggwwk..", "..kwwwwwwwk..",
     "..kwgggwwwk..", "..kwwwwwwwk..", "..kkkkkkkkk..", "............."},
    // gkFolder
    {".............", ".............", ".kkkk........", "kyyyyk.......", "kyyyyykkkkkk.",
     "kwwwwwwwwwwk.", "kyyyyyyyyyok.", "kyyyyyyyyyok.", "kyyyyyyyyyok.", "kyyyyyyyyyok.",
     "kyyyyyyyyyok.", "kooooooooook.", "kkkkkkkkkkkk.", "............."},
    // gkCalculator
    {".............", "..kkkkkkkkk..", "..klllllllk..", "..klkkkkklk..", "..klkcccklk..",
     "..klkkkkklk..", "..klllllllk..", "..klklklklk..", "..klllllllk..", "..klklklklk..",
     "..klllllllk..", "..klklklrlk..", "..kkkkkkkkk..", "............."},
    // gkCalender: a sheet with rings, a red head and a day marked
    {".............", "...k..k..k...", ".kkkkkkkkkkk.", ".krrrrrrrrrk.", ".kRRRRRRRRRk.",
     ".kkkkkkkkkkk.", ".kwwwwwwwwwk.", ".kwgwgwgwgwk.", ".kwwwwwwwwwk.", ".kwgwgwgwgwk.",
     ".kwwwwwwwwwk.", ".kwgwgwbwwwk.", ".kkkkkkkkkkk.", "............."},
    // gkSearch: a magnifier
    {".............", "...kkkk......", "..kwccck.....", ".kwccccck....", ".kcccccck....",
     ".kcccccck....", ".kcccccck....", "..kcccck.....", "...kkkk.n....", "........nn...",
     ".........nn..", "..........nn.", "...........n.", "............."},
    // gkColor: four colour swatches
    {".............", ".kkkkkkkkkkk.", ".krrrrkGGGGk.", ".krrrrkGGGGk.", ".krrrrkGGGGk.",
     ".krrrrkGGGGk.", ".kkkkkkkkkkk.", ".kbbbbkyyyyk.", ".kbbbbkyyyyk.", ".kbbbbkyyyyk.",
     ".kbbbbkyyyyk.", ".kkkkkkkkkkk.", ".............", "............."},
    // gkFont: a letter A
    {".............", "......B......", ".....BBB.....", ".....BBB.....", "....BB.BB....",
     "....BB.BB....", "...BB...BB...", "...BBBBBBB...", "..BB.....BB..", "..BB.....BB..",
     ".BB.......BB.", "BBBB.....BBBB", ".............", "............."},
}};

// The palette index of a strip pixel; -1 for a pixel outside the strip or a character the
// palette lacks.
int PaletteIndex(int X, int Y) {
  if (X < 0 || X >= kStripWidth || Y < 0 || Y >= ZYLGlyphCellHeight) return -1;
  const char* row = kCellArt[X / ZYLGlyphCellWidth][Y];
  const int col = X % ZYLGlyphCellWidth;
  if (std::strlen(row) != static_cast<size_t>(ZYLGlyphCellWidth)) return -1;
  return ZYLTextArtIndex(kPalette, row[col]);
}

const std::vector<uint8_t>& StripDib() {
  // A pixel the palette lacks shows as background (the tests check the drawing).
  static const std::vector<uint8_t> dib =
      ZYLTextArtDib(kStripWidth, ZYLGlyphCellHeight, kPalette, PaletteIndex);
  return dib;
}

// Registered while the program starts. ZYLGetGlyphKind refers to ZYLGlyphStripCells, which
// keeps this unit, and so this registration, in every program that cuts glyphs.
[[maybe_unused]] const bool kRegistered = (ZYLRegisterGlyphStrip(), true);

}  // namespace

void ZYLRegisterGlyphStrip() {
  const std::vector<uint8_t>& dib = StripDib();
  vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH", dib.data(), dib.size());
}

int ZYLGlyphStripCells() { return kCells; }

int32_t ZYLGlyphStripPixel(int X, int Y) { return ZYLTextArtColor(kPalette, PaletteIndex(X, Y)); }

}  // namespace zyl
