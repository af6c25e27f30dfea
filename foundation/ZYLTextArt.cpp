#include "foundation/ZYLTextArt.h"

#include <algorithm>

namespace zyl {

namespace {

void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, uint16_t(x));
  Put16(v, uint16_t(x >> 16));
}

}  // namespace

int ZYLTextArtIndex(std::span<const TZYLArtColor> Palette, char Key) {
  for (size_t i = 0; i < Palette.size() && i < 16; ++i)
    if (Palette[i].Key == Key) return static_cast<int>(i);
  return -1;
}

int32_t ZYLTextArtColor(std::span<const TZYLArtColor> Palette, int Index) {
  if (Index < 0 || static_cast<size_t>(Index) >= Palette.size()) return -1;
  const TZYLArtColor& e = Palette[static_cast<size_t>(Index)];
  return int32_t(e.R) | (int32_t(e.G) << 8) | (int32_t(e.B) << 16);
}

// Two pixels a byte, the left one in the high nibble; rows padded to four bytes.
std::vector<uint8_t> ZYLTextArtDib(int Width, int Height, std::span<const TZYLArtColor> Palette,
                                   const std::function<int(int X, int Y)>& IndexAt) {
  const uint32_t rowBytes = ((uint32_t(Width) * 4 + 31) / 32) * 4;
  std::vector<uint8_t> v;
  v.reserve(40 + 64 + size_t(rowBytes) * uint32_t(Height));
  Put32(v, 40);
  Put32(v, uint32_t(Width));
  Put32(v, uint32_t(Height));
  Put16(v, 1);  // planes
  Put16(v, 4);  // bits per pixel
  Put32(v, 0);  // BI_RGB
  Put32(v, rowBytes * uint32_t(Height));
  Put32(v, 3780);  // 96 pixels per inch
  Put32(v, 3780);
  Put32(v, 16);
  Put32(v, 0);
  for (size_t i = 0; i < 16; ++i) {
    const TZYLArtColor e = i < Palette.size() ? Palette[i] : TZYLArtColor{' ', 0, 0, 0};
    v.insert(v.end(), {e.B, e.G, e.R, 0});
  }
  const int colours = static_cast<int>(std::min<size_t>(Palette.size(), 16));
  for (int y = Height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(rowBytes, 0);
    for (int x = 0; x < Width; ++x) {
      int index = IndexAt(x, y);
      if (index < 0 || index >= colours) index = 0;
      row[size_t(x) / 2] |= uint8_t(x % 2 == 0 ? index << 4 : index);
    }
    v.insert(v.end(), row.begin(), row.end());
  }
  return v;
}

}  // namespace zyl
