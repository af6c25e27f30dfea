// Small pictures of the library drawn as text, one character per pixel, with a palette of up to
// 16 colours keyed by character, and turned into a packed 16-colour DIB: the form of a bitmap
// resource (BITMAPINFOHEADER, the colour table, then the rows bottom-up).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace zyl {

// One colour of a picture's palette and the character that stands for it.
struct TZYLArtColor {
  char Key;
  uint8_t R, G, B;
};

// The packed DIB of a Width x Height picture whose pixel at X, Y is palette entry IndexAt(X, Y)
// (an index outside the palette shows as entry 0). Palette entries past 16 are ignored.
std::vector<uint8_t> ZYLTextArtDib(int Width, int Height, std::span<const TZYLArtColor> Palette,
                                   const std::function<int(int X, int Y)>& IndexAt);

// The colour (a TColor) of palette entry Index; -1 for an index outside the palette.
int32_t ZYLTextArtColor(std::span<const TZYLArtColor> Palette, int Index);

// The palette index of character Key; -1 when the palette lacks it.
int ZYLTextArtIndex(std::span<const TZYLArtColor> Palette, char Key);

}  // namespace zyl
