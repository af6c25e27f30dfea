// The strings editor's tool glyphs: nine 16 x 16 pictures drawn as text, one character per
// pixel, in the order of the tool buttons; '.' is the see-through background.
#include <array>
#include <cstdint>
#include <cstring>

#include "design/pZYLStringsEditorDlg.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLTextArt.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

namespace {

constexpr int kSize = 16;

constexpr std::array<TZYLArtColor, 10> kPalette = {{
    {'.', 255, 0, 255},    // background
    {'k', 0, 0, 0},        // outline
    {'w', 255, 255, 255},  // paper
    {'g', 128, 128, 128},  // grey
    {'l', 192, 192, 192},  // light grey
    {'y', 255, 255, 0},    // folder
    {'o', 128, 128, 0},    // folder shade
    {'B', 0, 0, 128},      // navy
    {'r', 255, 0, 0},      // red
    {'c', 0, 128, 128},    // teal
}};

using TGlyph = std::array<const char*, kSize>;

constexpr std::array<TGlyph, 9> kGlyphs = {{
    // Load from file: an open folder
    {"................", "................", "................", ".kkk............",
     "kyyyk...........", "kyyyykkkkkkk....", "kyyyyyyyyyyk....", "kyyykkkkkkkkkkk.",
     "kyykoooooooooook", "kyykooooooooook.", "kykoooooooooook.", "kykooooooooook..",
     "kkoooooooooook..", "kkkkkkkkkkkkk...", "................", "................"},
    // Save to file: a disk
    {"................", ".kkkkkkkkkkkkkk.", ".kBkwwwwwwwwkBk.", ".kBkwwwwwwwwkBk.",
     ".kBkwwwwwwwwkBk.", ".kBkwwwwwwwwkBk.", ".kBBkkkkkkkkBBk.", ".kBBBBBBBBBBBBk.",
     ".kBBkkkkkkkkBBk.", ".kBBkllllkwwkBk.", ".kBBkllllkwwkBk.", ".kBBkllllkwwkBk.",
     "..kBkkkkkkkkkBk.", "...kkkkkkkkkkkk.", "................", "................"},
    // Print: a printer with a sheet
    {"................", "....kkkkkkkk....", "....kwwwwwwk....", "....kwkkkkwk....",
     "....kwwwwwwk....", "..kkkkkkkkkkkk..", ".kllllllllllllk.", ".kllllllllllllk.",
     ".kllllllllllyyk.", ".kggggggggggggk.", ".kkkkkkkkkkkkkk.", "..kwwwwwwwwwwk..",
     "..kwkkkkkkkkwk..", "..kwwwwwwwwwwk..", "..kkkkkkkkkkkk..", "................"},
    // Cut: scissors
    {"................", "...k.......k....", "...k.......k....", "...kk.....kk....",
     "....k.....k.....", "....kk...kk.....", ".....k...k......", ".....kk.kk......",
     "......kkk.......", "......rkr.......", ".....r...r......", "...rrr...rrr....",
     "..r..r...r..r...", "..r..r...r..r...", "...rr.....rr....", "................"},
    // Copy to clipboard: two sheets
    {"................", "kkkkkkk.........", "kwwwwwkk........", "kwkkkwkwk.......",
     "kwwwwwkkkkkkk...", "kwkkkkBwwwwwkk..", "kwwwwwBwkkkwkwk.", "kwkkkkBwwwwwkkkk",
     "kwwwwwBwkkkkkwwk", "kkkkkkBwwwwwwwwk", "......Bwkkkkkkwk", "......Bwwwwwwwwk",
     "......Bwkkkkkkwk", "......Bwwwwwwwwk", "......BBBBBBBBBB", "................"},
    // Paste from clipboard: a clipboard with a sheet
    {"................", ".....kkkkk......", "..kkkklllkkkk...", ".kooklllllkook..",
     ".kookkkkkkkook..", ".kooooooooooook..", ".kooooookkkkkkkk", ".kooooookwwwwwkk",
     ".kooooookwkkkwkw", ".kooooookwwwwwkk", ".kooooookwkkkkwk", ".kooooookwwwwwwk",
     ".kooooookwkkkkwk", "..kkkkkkkwwwwwwk", "........kkkkkkkk", "................"},
    // Select all: text in a dashed frame
    {"................", ".kk.kk.kk.kk.kk.", ".k.............k", "...............k",
     ".k.BBBBBBBBB....", ".k..............", "...BBBBBBBB....k", "...............k",
     ".k.BBBBBBBBBB...", ".k..............", "...BBBBBB......k", "...............k",
     ".k..............", ".k.............k", ".kk.kk.kk.kk.kk.", "................"},
    // Search for: a magnifier
    {"................", "....kkkk........", "...kwccck.......", "..kwccccck......",
     "..kccccccck.....", "..kccccccck.....", "..kccccccck.....", "...kccccck......",
     "....kkkkkkk.....", "..........kkk...", "...........kkk..", "............kkk.",
     ".............kk.", "................", "................", "................"},
    // Search & replace: a magnifier and a red arrow
    {"................", "....kkkk........", "...kwccck.......", "..kwccccck......",
     "..kccccccck.....", "..kccccccck.....", "..kccccccck.....", "...kccccck......",
     "....kkkkkkk.....", "..........kk....", "..r.........r...", ".rrrrrrrrrr.rr..",
     "..r.........rrr.", "............rr..", "............r...", "................"},
}};

int PaletteIndex(int Glyph, int X, int Y) {
  const char* row = kGlyphs[Glyph][Y];
  if (std::strlen(row) != static_cast<size_t>(kSize)) return 0;
  return ZYLTextArtIndex(kPalette, row[X]);
}

}  // namespace

void ZYLStringEditorToolGlyphs(TZYLImageListItem* Item) {
  Item->SetInteger(TZYLImageListItem::iiWidth, kSize);
  Item->SetInteger(TZYLImageListItem::iiHeight, kSize);
  vcl::TBitmap bmp;
  bmp.SetPixelFormat(vcl::pf24bit);
  bmp.SetSize(kSize, kSize);
  for (int g = 0; g < static_cast<int>(kGlyphs.size()); ++g) {
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x)
        bmp.Canvas()->SetPixels(x, y, ZYLTextArtColor(kPalette, PaletteIndex(g, x, y)));
    Item->AddMasked(&bmp, ZYLTextArtColor(kPalette, 0));
  }
}

}  // namespace zyl
