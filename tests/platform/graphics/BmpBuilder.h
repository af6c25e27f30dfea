// Builds BMP and icon files byte by byte for the loader tests.
#pragma once

#include <png.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gfxtest {

struct BmpLayout {
  int Width = 1;
  int Height = 1;  // negative: top-down
  int BitCount = 24;
  uint32_t Compression = 0;
  int HeaderSize = 40;          // 12 for the old core header
  std::vector<uint32_t> Table;  // 0x00RRGGBB entries
  std::vector<uint32_t> Masks;  // BI_BITFIELDS
  std::vector<uint8_t> Bits;
  uint32_t ClrUsed = 0;
  uint32_t XPelsPerMeter = 0;
  uint32_t YPelsPerMeter = 0;
  uint32_t ClrImportant = 0;
};

inline void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}

inline std::string PackedDib(const BmpLayout& b) {
  std::string s;
  const bool core = b.HeaderSize == 12;
  Put(s, uint32_t(b.HeaderSize), 4), Put(s, uint32_t(b.Width), core ? 2 : 4);
  Put(s, uint32_t(b.Height), core ? 2 : 4), Put(s, 1 | uint32_t(b.BitCount) << 16, 4);
  if (!core) {
    for (uint32_t v : {b.Compression, uint32_t(b.Bits.size()), b.XPelsPerMeter, b.YPelsPerMeter,
                       b.ClrUsed, b.ClrImportant})
      Put(s, v, 4);
    for (uint32_t m : b.Masks) Put(s, m, 4);
  }
  for (uint32_t c : b.Table) Put(s, c, core ? 3 : 4);
  s.append(b.Bits.begin(), b.Bits.end());
  return s;
}

inline std::string BmpFile(const BmpLayout& b) {
  const std::string dib = PackedDib(b);
  std::string s = "BM";
  Put(s, uint32_t(14 + dib.size()), 4), Put(s, 0, 4),
      Put(s, uint32_t(14 + dib.size() - b.Bits.size()), 4);
  return s + dib;
}

// An icon image of size x size pixels: colour rows of `bits` bits filled with the byte
// `fill`, then an all-opaque mask; `rows` (when given) replaces colour and mask rows.
inline BmpLayout IconImage(int size, int bits, uint8_t fill, std::vector<uint8_t> rows = {}) {
  BmpLayout s{size, size * 2, bits, 0, 40, {}, {}, std::move(rows), 0};
  if (bits <= 8) s.Table.assign(size_t(1) << bits, 0), s.Table[1] = 0x0000FF;
  if (s.Bits.empty()) {
    s.Bits.assign(((size_t(size) * bits + 31) / 32) * 4 * size_t(size), fill);
    s.Bits.insert(s.Bits.end(), ((size_t(size) + 31) / 32) * 4 * size_t(size), 0x00);
  }
  return s;
}

// An icon file with the images; `entries` directory entries, the ones past the images
// pointing at the last image.
inline std::string IconFile(const std::vector<BmpLayout>& images, size_t entries = 0) {
  if (entries < images.size()) entries = images.size();
  std::string f, data;
  Put(f, 0x10000, 4), Put(f, uint32_t(entries), 2);
  size_t offset = 6 + 16 * entries, size = 0;
  for (size_t i = 0; i < entries; ++i) {
    const BmpLayout& s = images[i < images.size() ? i : images.size() - 1];
    if (i < images.size()) {
      offset += size;
      const std::string dib = PackedDib(s);
      size = dib.size();
      data += dib;
    }
    Put(f, uint32_t(s.Width & 0xFF) * 0x101, 4), Put(f, 1 | uint32_t(s.BitCount) << 16, 4);
    Put(f, uint32_t(size), 4), Put(f, uint32_t(offset), 4);
  }
  return f + data;
}

// A PNG file of the pixels (0xAARRGGBB, rows top-down), alpha kept, written by libpng.
inline std::string PngFile(int width, int height, const std::vector<uint32_t>& pixels) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return {};
  std::string out(size, '\0');
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr))
    return {};
  out.resize(size);
  return out;
}

// An icon file of images given as their bytes (packed DIBs or PNG files), each with the width
// and colour depth its directory entry names.
struct IconEntry {
  int Width;
  int BitCount;
  std::string Bytes;
};
inline IconEntry BitmapEntry(const BmpLayout& b) { return {b.Width, b.BitCount, PackedDib(b)}; }
inline std::string IconFileOf(const std::vector<IconEntry>& images) {
  std::string f, data;
  Put(f, 0x10000, 4), Put(f, uint32_t(images.size()), 2);
  size_t offset = 6 + 16 * images.size();
  for (const IconEntry& e : images) {
    Put(f, uint32_t(e.Width & 0xFF) * 0x101, 4), Put(f, 1 | uint32_t(e.BitCount) << 16, 4);
    Put(f, uint32_t(e.Bytes.size()), 4), Put(f, uint32_t(offset), 4);
    offset += e.Bytes.size();
    data += e.Bytes;
  }
  return f + data;
}

}  // namespace gfxtest
