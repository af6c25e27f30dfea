// Image-list streams laid out byte by byte from the format's rules, for the reader and writer
// tests: the 28-byte header ("IL", version 0x101, count, capacity, growth step, image size,
// background colour, flags, four overlay images), the pictures four across and as many rows as
// the capacity needs in one BMP file, then for a masked list the masks (1: transparent) in a
// monochrome BMP file of the same layout. Cells past the count are black in both.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vcl::testing {

struct TListLayout {
  int Cx = 4;
  int Cy = 4;
  int Count = 0;
  int Capacity = 0;
  int Grow = 4;
  uint32_t BkColor = 0xFFFFFFFF;  // none
  uint16_t Flags = 0x0021;        // 32-bit colour, masked
  uint16_t Overlays[4] = {0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  // The picture's depth: 32 (the designer's) or 24 (this library's older writer).
  int BitCount = 32;
  // The designer fills each file header's size field with the length of the headers alone (54
  // for the picture, 62 for the mask); other writers put the whole file's length there.
  bool SizeIsHeaders = true;
  std::function<uint32_t(int image, int x, int y)> Colour;  // 0x00RRGGBB
  std::function<bool(int image, int x, int y)> Clear;       // transparent
};

namespace listbytes {

inline void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A BMP file with a 40-byte info header, the table and the rows (bottom-up).
inline std::string File(int w, int h, int bits, const std::string& table, const std::string& rows,
                        bool sizeIsHeaders) {
  const uint32_t headers = 14 + 40 + static_cast<uint32_t>(table.size());
  std::string s = "BM";
  Put(s, sizeIsHeaders ? headers : headers + static_cast<uint32_t>(rows.size()), 4);
  Put(s, 0, 4);
  Put(s, headers, 4);
  Put(s, 40, 4);
  Put(s, static_cast<uint32_t>(w), 4);
  Put(s, static_cast<uint32_t>(h), 4);
  Put(s, 1, 2);
  Put(s, static_cast<uint32_t>(bits), 2);
  Put(s, 0, 4);  // uncompressed
  Put(s, static_cast<uint32_t>(rows.size()), 4);
  for (int i = 0; i < 4; ++i) Put(s, 0, 4);  // resolution, colours used and important
  return s + table + rows;
}

}  // namespace listbytes

inline std::string ListStream(const TListLayout& l) {
  using listbytes::Put;
  std::string s = "IL";
  Put(s, 0x0101, 2);
  for (int v : {l.Count, l.Capacity, l.Grow, l.Cx, l.Cy}) Put(s, static_cast<uint32_t>(v), 2);
  Put(s, l.BkColor, 4);
  Put(s, l.Flags, 2);
  for (uint16_t o : l.Overlays) Put(s, o, 2);
  if (l.Count == 0) return s;
  const int w = 4 * l.Cx, h = (l.Capacity + 3) / 4 * l.Cy;
  // The image under a pixel of the pictures, -1 for a cell past the count.
  auto at = [&](int x, int y, int& ix, int& iy) {
    const int i = y / l.Cy * 4 + x / l.Cx;
    ix = x % l.Cx;
    iy = y % l.Cy;
    return i < l.Count ? i : -1;
  };
  std::string picture, mask;
  const size_t pictureRow = (static_cast<size_t>(w) * l.BitCount + 31) / 32 * 4;
  const size_t maskRow = (static_cast<size_t>(w) + 31) / 32 * 4;
  for (int y = h - 1; y >= 0; --y) {
    std::string prow, mrow(maskRow, '\0');
    for (int x = 0; x < w; ++x) {
      int ix = 0, iy = 0;
      const int i = at(x, y, ix, iy);
      const uint32_t c = i < 0 ? 0 : l.Colour(i, ix, iy);
      Put(prow, c, l.BitCount / 8);  // blue, green, red (and a zero byte)
      if (i >= 0 && l.Clear(i, ix, iy))
        mrow[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    prow.resize(pictureRow, '\0');
    picture += prow;
    mask += mrow;
  }
  s += listbytes::File(w, h, l.BitCount, "", picture, l.SizeIsHeaders);
  if (l.Flags & 1) {
    std::string table;
    Put(table, 0x000000, 4);
    Put(table, 0xFFFFFF, 4);
    s += listbytes::File(w, h, 1, table, mask, l.SizeIsHeaders);
  }
  return s;
}

}  // namespace vcl::testing
