// Builds BMP files byte by byte for the loader tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gfxtest {

struct BmpSpec {
  int Width = 1;
  int Height = 1;  // negative: top-down
  int BitCount = 24;
  uint32_t Compression = 0;
  int HeaderSize = 40;  // 12 for the old core header
  std::vector<uint32_t> Table;  // 0x00RRGGBB entries
  std::vector<uint32_t> Masks;  // BI_BITFIELDS
  std::vector<uint8_t> Bits;
  uint32_t ClrUsed = 0;
};

inline void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}

inline std::string PackedDib(const BmpSpec& b) {
  std::string s;
  if (b.HeaderSize == 12) {
    Put(s, 12, 4);
    Put(s, uint32_t(b.Width), 2);
    Put(s, uint32_t(b.Height), 2);
    Put(s, 1, 2);
    Put(s, uint32_t(b.BitCount), 2);
    for (uint32_t c : b.Table) Put(s, c, 3);
  } else {
    Put(s, 40, 4);
    Put(s, uint32_t(b.Width), 4);
    Put(s, uint32_t(b.Height), 4);
    Put(s, 1, 2);
    Put(s, uint32_t(b.BitCount), 2);
    Put(s, b.Compression, 4);
    Put(s, uint32_t(b.Bits.size()), 4);
    Put(s, 0, 4);
    Put(s, 0, 4);
    Put(s, b.ClrUsed, 4);
    Put(s, 0, 4);
    for (uint32_t m : b.Masks) Put(s, m, 4);
    for (uint32_t c : b.Table) Put(s, c, 4);
  }
  s.append(b.Bits.begin(), b.Bits.end());
  return s;
}

inline std::string BmpFile(const BmpSpec& b) {
  const std::string dib = PackedDib(b);
  std::string s = "BM";
  Put(s, uint32_t(14 + dib.size()), 4);
  Put(s, 0, 4);
  Put(s, uint32_t(14 + dib.size() - b.Bits.size()), 4);
  return s + dib;
}

}  // namespace gfxtest
