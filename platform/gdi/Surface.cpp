// Surfaces and the conversion of DIB rows between their declared format and working pixels.
//
// A DIB section keeps its caller-visible bits in the declared format, because the framework
// reads and writes those rows directly. Drawing works on a 32-bit copy: before each drawing
// call the rows whose visible bits differ from the last synchronised copy are read in, and after
// it the rows the call touched are written back. A 32-bit DIB section (BI_RGB or the standard
// masks) needs none of this: its bits are the working pixels, drawn in place.
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

bool DibFormat::IsStandard32() const {
  return BitCount == 32 &&
         (Compression == BI_RGB ||
          (Masks[0] == 0xFF0000 && Masks[1] == 0xFF00 && Masks[2] == 0xFF));
}

size_t DibRowBytes(int width, int bitCount) {
  if (width < 0 || bitCount <= 0) return 0;
  const uint64_t bits = uint64_t(width) * uint64_t(bitCount);
  const uint64_t bytes = ((bits + 31) / 32) * 4;
  if (bytes > (uint64_t(1) << 31)) return 0;
  return size_t(bytes);
}

namespace {

int MaskShift(DWORD m) {
  if (m == 0) return 0;
  int s = 0;
  while (!(m & 1)) { m >>= 1; ++s; }
  return s;
}
int MaskBits(DWORD m) {
  m >>= MaskShift(m);
  int n = 0;
  while (m & 1) { m >>= 1; ++n; }
  return n;
}
// Widens a component of `bits` bits to eight, replicating the high bits.
inline uint32_t Widen(uint32_t v, int bits) {
  if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
  if (bits <= 0) return 0;
  uint32_t out = 0;
  int have = 0;
  while (have < 8) {
    out = (out << bits) | v;
    have += bits;
  }
  return (out >> (have - 8)) & 0xFF;
}
inline uint32_t Narrow(uint32_t v8, int bits) {
  if (bits >= 8) return v8 << (bits - 8);
  return v8 >> (8 - bits);
}
// Where the red, green and blue components lie in a 16- or 32-bit masked pixel.
struct MaskLayout {
  DWORD Mask[3];
  int Shift[3], Bits[3];
  explicit MaskLayout(const DibFormat& fmt) {
    for (int c = 0; c < 3; ++c) {
      Mask[c] = fmt.Masks[c];
      Shift[c] = MaskShift(Mask[c]);
      Bits[c] = MaskBits(Mask[c]);
    }
  }
  // A masked pixel as a working 0x00RRGGBB pixel, and back.
  uint32_t Decode(uint32_t v) const {
    return (Widen((v & Mask[0]) >> Shift[0], Bits[0]) << 16) |
           (Widen((v & Mask[1]) >> Shift[1], Bits[1]) << 8) |
           Widen((v & Mask[2]) >> Shift[2], Bits[2]);
  }
  uint32_t Encode(uint32_t p) const {
    return ((Narrow((p >> 16) & 0xFF, Bits[0]) << Shift[0]) & Mask[0]) |
           ((Narrow((p >> 8) & 0xFF, Bits[1]) << Shift[1]) & Mask[1]) |
           ((Narrow(p & 0xFF, Bits[2]) << Shift[2]) & Mask[2]);
  }
};
inline uint32_t QuadPixel(const RGBQUAD& q) {
  return (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

}  // namespace

void DecodeRow(const DibFormat& fmt, const uint8_t* src, uint32_t* dst, int width) {
  switch (fmt.BitCount) {
    case 1:
    case 4:
    case 8: {
      const int bpp = fmt.BitCount;
      const int perByte = 8 / bpp;
      const uint32_t mask = (1u << bpp) - 1;
      const size_t n = fmt.Table.size();
      for (int x = 0; x < width; ++x) {
        const uint8_t byte = src[x / perByte];
        const int shift = 8 - bpp * (x % perByte + 1);
        const uint32_t idx = (byte >> shift) & mask;
        dst[x] = idx < n ? QuadPixel(fmt.Table[idx]) : 0;
      }
      break;
    }
    case 16: {
      const MaskLayout layout(fmt);
      for (int x = 0; x < width; ++x)
        dst[x] = layout.Decode(uint32_t(src[2 * x]) | (uint32_t(src[2 * x + 1]) << 8));
      break;
    }
    case 24:
      for (int x = 0; x < width; ++x)
        dst[x] = uint32_t(src[3 * x]) | (uint32_t(src[3 * x + 1]) << 8) |
                 (uint32_t(src[3 * x + 2]) << 16);
      break;
    case 32:
      if (fmt.IsStandard32()) {
        std::memcpy(dst, src, size_t(width) * 4);
      } else {
        const MaskLayout layout(fmt);
        for (int x = 0; x < width; ++x) {
          uint32_t v;
          std::memcpy(&v, src + 4 * x, 4);
          dst[x] = layout.Decode(v);
        }
      }
      break;
    default:
      std::fill(dst, dst + width, 0u);
  }
}

int Encoder::Nearest(uint32_t pixel) {
  pixel &= 0xFFFFFF;
  auto it = cache_.find(pixel);
  if (it != cache_.end()) return it->second;
  const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
  int best = 0;
  long bestD = -1;
  for (size_t i = 0; i < fmt_.Table.size(); ++i) {
    const RGBQUAD& q = fmt_.Table[i];
    const long dr = r - q.rgbRed, dg = g - q.rgbGreen, db = b - q.rgbBlue;
    const long d = dr * dr + dg * dg + db * db;
    if (bestD < 0 || d < bestD) {
      bestD = d;
      best = int(i);
      if (d == 0) break;
    }
  }
  if (cache_.size() < 65536) cache_[pixel] = best;
  return best;
}

void Encoder::Row(const uint32_t* src, uint8_t* dst, int width) {
  switch (fmt_.BitCount) {
    case 1:
    case 4:
    case 8: {
      const int bpp = fmt_.BitCount;
      const int perByte = 8 / bpp;
      const size_t bytes = (size_t(width) * bpp + 7) / 8;
      std::memset(dst, 0, bytes);
      for (int x = 0; x < width; ++x) {
        const int shift = 8 - bpp * (x % perByte + 1);
        dst[x / perByte] |= uint8_t(Nearest(src[x]) << shift);
      }
      break;
    }
    case 16: {
      const MaskLayout layout(fmt_);
      for (int x = 0; x < width; ++x) {
        const uint32_t v = layout.Encode(src[x]);
        dst[2 * x] = uint8_t(v);
        dst[2 * x + 1] = uint8_t(v >> 8);
      }
      break;
    }
    case 24:
      for (int x = 0; x < width; ++x) {
        const uint32_t p = src[x];
        dst[3 * x] = uint8_t(p);
        dst[3 * x + 1] = uint8_t(p >> 8);
        dst[3 * x + 2] = uint8_t(p >> 16);
      }
      break;
    case 32:
      if (fmt_.IsStandard32()) {
        std::memcpy(dst, src, size_t(width) * 4);
      } else {
        const MaskLayout layout(fmt_);
        for (int x = 0; x < width; ++x) {
          const uint32_t v = layout.Encode(src[x]);
          std::memcpy(dst + 4 * x, &v, 4);
        }
      }
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------------------------

Surface::Surface() = default;
Surface::~Surface() = default;

std::shared_ptr<Surface> Surface::Create(int width, int height, bool monochrome) {
  if (width <= 0 || height <= 0) return nullptr;
  if (int64_t(width) * int64_t(height) > kMaxSurfacePixels) return nullptr;
  auto s = std::make_shared<Surface>();
  try {
    s->storage_.assign(size_t(width) * size_t(height), 0u);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  s->Width = width;
  s->Height = height;
  s->Pixels = s->storage_.data();
  s->Stride = width;
  s->Monochrome = monochrome;
  return s;
}

std::shared_ptr<Surface> Surface::Wrap(uint32_t* pixels, int width, int height,
                                       ptrdiff_t stride) {
  if (!pixels || width <= 0 || height <= 0) return nullptr;
  auto s = std::make_shared<Surface>();
  s->Width = width;
  s->Height = height;
  s->Pixels = pixels;
  s->Stride = stride;
  return s;
}

void Surface::UseBottomUp() {
  if (storage_.empty()) return;
  Pixels = storage_.data() + size_t(Height - 1) * size_t(Width);
  Stride = -ptrdiff_t(Width);
}

void Surface::SetNative(std::unique_ptr<NativeDib> native) { native_ = std::move(native); }

void Surface::SyncIn() {
  if (!native_) return;
  NativeDib& n = *native_;
  for (int y = 0; y < n.Height; ++y) {
    uint8_t* row = n.RowPtr(y);
    uint8_t* shadow = n.Shadow.data() + size_t(y) * n.RowBytes;
    if (std::memcmp(row, shadow, n.RowBytes) != 0) {
      DecodeRow(n.Fmt, row, Row(y), Width);
      std::memcpy(shadow, row, n.RowBytes);
    }
  }
}

void Surface::Touch(const TRect& r) {
  if (!native_) return;
  if (!hasDirty_) {
    dirty_ = r;
    hasDirty_ = true;
  } else {
    dirty_.Top = std::min(dirty_.Top, r.Top);
    dirty_.Bottom = std::max(dirty_.Bottom, r.Bottom);
  }
}

void Surface::SyncOut() {
  if (!native_ || !hasDirty_) return;
  hasDirty_ = false;
  NativeDib& n = *native_;
  const int y0 = std::max(0, dirty_.Top), y1 = std::min(Height, dirty_.Bottom);
  Encoder enc(n.Fmt);
  for (int y = y0; y < y1; ++y) {
    uint8_t* row = n.RowPtr(y);
    enc.Row(Row(y), row, Width);
    std::memcpy(n.Shadow.data() + size_t(y) * n.RowBytes, row, n.RowBytes);
    // The working pixels take the colours the format can hold (palette entries, 5-bit
    // components), so reading back answers what the bits say.
    DecodeRow(n.Fmt, row, Row(y), Width);
  }
}

}  // namespace win::gdi
