// The type symbols of the font and printer lists: the bitmap resource "ZYLBMPFONT", two 12 x 12
// symbols side by side (left: a scalable TrueType font, right: a printer or printer font) on a
// magenta background that the lists draw as transparent. It is registered under the program's
// module at start-up; ZYLRegisterFontSymbols registers it again.
#pragma once

#include <cstdint>

namespace vcl {
class TBitmap;
}

namespace zyl {

constexpr int ZYLFontSymbolSize = 12;

void ZYLRegisterFontSymbols();
// A new bitmap loaded from the resource (the caller owns it).
vcl::TBitmap* ZYLLoadFontSymbols();
// The colour (0x00BBGGRR) of a pixel of the symbols' picture.
int32_t ZYLFontSymbolPixel(int X, int Y);

}  // namespace zyl
