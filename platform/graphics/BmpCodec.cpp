#include "platform/graphics/BmpCodec.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Consts.h"

namespace vcl::bmp {

namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic(SInvalidBitmap); }

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
int32_t S32(const uint8_t* p) { return static_cast<int32_t>(U32(p)); }
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

bool ValidMasks(const uint32_t* m, int bitCount) {
  for (int i = 0; i < 3; ++i) {
    if (m[i] == 0) return false;
    if (bitCount == 16 && m[i] > 0xFFFF) return false;
  }
  return true;
}

// Expands RLE8/RLE4 data into bottom-up rows of the image (which is zero-filled).
void DecodeRle(const uint8_t* src, size_t size, TDibImage& img, bool four) {
  const size_t rowBytes = img.RowBytes();
  int x = 0, y = 0;  // y counts rows from the bottom
  size_t i = 0;
  auto put = [&](int value) {
    if (x < img.Width && y < img.Height) {
      uint8_t* row = img.Bits.data() + size_t(y) * rowBytes;
      if (four) {
        uint8_t& b = row[x / 2];
        b = (x & 1) ? uint8_t((b & 0xF0) | (value & 0x0F)) : uint8_t((b & 0x0F) | (value << 4));
      } else {
        row[x] = uint8_t(value);
      }
    }
    ++x;
  };
  while (i < size) {
    if (i + 2 > size) Invalid();
    const uint8_t n = src[i], c = src[i + 1];
    i += 2;
    if (n > 0) {
      for (int k = 0; k < n; ++k) put(four ? ((k & 1) ? (c & 0x0F) : (c >> 4)) : c);
      continue;
    }
    if (c == 0) {  // end of line
      x = 0;
      ++y;
    } else if (c == 1) {  // end of bitmap
      return;
    } else if (c == 2) {  // delta
      if (i + 2 > size) Invalid();
      x += src[i];
      y += src[i + 1];
      i += 2;
    } else {  // absolute run of c pixels, padded to a 16-bit boundary
      const size_t bytes = four ? (size_t(c) + 1) / 2 : size_t(c);
      if (i + bytes > size) Invalid();
      for (int k = 0; k < c; ++k)
        put(four ? ((k & 1) ? (src[i + k / 2] & 0x0F) : (src[i + k / 2] >> 4)) : src[i + k]);
      i += (bytes + 1) & ~size_t(1);
    }
    if (y > img.Height) return;
  }
}

std::atomic<uint64_t> decodedImages{0};

// Where the parts of a DIB lie, for measuring it.
struct TDibExtent {
  size_t TableEnd = 0;      // behind the header, the masks and the colour table
  uint64_t RowsLength = 0;  // of the uncompressed rows
  bool RunLength = false;
  uint32_t SizeImage = 0;  // as the header says
};

// Parses the info header at `data`; `bitsAt` is where the pixels start (0: right after the
// colour table). Without `decode` only the headers and the room for the pixels are checked.
// `extent` (when given) receives where the parts lie.
TDibImage ParseDib(const uint8_t* data, size_t size, size_t bitsAt, bool heightDoubled,
                   size_t* maskOffset, bool decode, TDibExtent* extent = nullptr) {
  if (size < 4) Invalid();
  const uint32_t hsize = U32(data);
  TDibImage img;
  int32_t width = 0, height = 0;
  uint16_t planes = 0, bitCount = 0;
  uint32_t compression = win::BI_RGB, clrUsed = 0;
  bool core = false;
  if (hsize == 12) {
    if (size < 12) Invalid();
    core = true;
    width = U16(data + 4);
    height = static_cast<int16_t>(U16(data + 6));
    planes = U16(data + 8);
    bitCount = U16(data + 10);
  } else if (hsize >= 40 && hsize <= 124) {
    if (size < hsize) Invalid();
    width = S32(data + 4);
    height = S32(data + 8);
    planes = U16(data + 12);
    bitCount = U16(data + 14);
    compression = U32(data + 16);
    img.XPelsPerMeter = S32(data + 24);
    img.YPelsPerMeter = S32(data + 28);
    clrUsed = U32(data + 32);
    img.ClrImportant = U32(data + 36);
  } else {
    Invalid();
  }
  if (planes != 1) Invalid();
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
      bitCount != 32)
    Invalid();
  const bool topDown = height < 0;
  if (height == INT32_MIN) Invalid();
  int64_t h = topDown ? -int64_t(height) : height;
  if (heightDoubled) h /= 2;
  if (width <= 0 || h <= 0 || int64_t(width) * h > kMaxPixels) Invalid();
  img.Width = width;
  img.Height = int(h);
  img.BitCount = bitCount;
  if (bitCount <= 8 && clrUsed <= (1u << bitCount)) img.ClrUsed = clrUsed;
  size_t pos = hsize;
  switch (compression) {
    case win::BI_RGB: break;
    case win::BI_RLE8:
      if (bitCount != 8 || topDown) Invalid();
      break;
    case win::BI_RLE4:
      if (bitCount != 4 || topDown) Invalid();
      break;
    case win::BI_BITFIELDS: {
      if (bitCount != 16 && bitCount != 32) Invalid();
      const size_t at = hsize >= 52 ? 40 : hsize;
      if (at + 12 > size) Invalid();
      for (int i = 0; i < 3; ++i) img.Masks[i] = U32(data + at + 4 * i);
      if (!ValidMasks(img.Masks, bitCount)) Invalid();
      if (hsize < 52) pos += 12;
      break;
    }
    default: Invalid();
  }
  if (bitCount <= 8) {
    const uint32_t full = 1u << bitCount;
    const uint32_t count = clrUsed == 0 ? full : clrUsed;
    if (count > 256) Invalid();
    const size_t entry = core ? 3 : 4;
    if (pos + size_t(count) * entry > size) Invalid();
    img.Table.resize(full);
    for (uint32_t i = 0; i < count && i < full; ++i) {
      const uint8_t* e = data + pos + size_t(i) * entry;
      img.Table[i] = {e[0], e[1], e[2], 0};
    }
    pos += size_t(count) * entry;
  } else if (clrUsed > 0 && compression == win::BI_RGB && clrUsed <= 256) {
    // An optional palette hint for true-colour images: skipped.
    if (pos + size_t(clrUsed) * 4 <= size) pos += size_t(clrUsed) * 4;
  }
  if (bitsAt == 0) bitsAt = pos;
  if (bitsAt > size) Invalid();
  const size_t rowBytes = img.RowBytes();
  const uint64_t total = uint64_t(rowBytes) * uint64_t(img.Height);
  const uint8_t* src = data + bitsAt;
  const size_t avail = size - bitsAt;
  const bool rle = compression == win::BI_RLE8 || compression == win::BI_RLE4;
  // Uncompressed rows must all be there before a byte is allocated for them.
  if (!rle && total > avail) Invalid();
  if (maskOffset && !rle) *maskOffset = bitsAt + size_t(total);
  if (extent) *extent = {pos, total, rle, core ? 0 : U32(data + 20)};
  if (!decode) return img;
  img.Bits.assign(size_t(total), 0);
  decodedImages.fetch_add(1, std::memory_order_relaxed);
  if (rle) {
    DecodeRle(src, avail, img, compression == win::BI_RLE4);
  } else if (topDown) {
    for (int y = 0; y < img.Height; ++y)
      std::memcpy(img.Bits.data() + size_t(img.Height - 1 - y) * rowBytes,
                  src + size_t(y) * rowBytes, rowBytes);
  } else {
    std::memcpy(img.Bits.data(), src, size_t(total));
  }
  if (img.BitCount == 32 && compression == win::BI_BITFIELDS && img.Masks[0] == 0xFF0000 &&
      img.Masks[1] == 0xFF00 && img.Masks[2] == 0xFF)
    std::fill(img.Masks, img.Masks + 3, 0u);
  if (img.BitCount == 16 && img.Masks[0] == 0x7C00 && img.Masks[1] == 0x03E0 &&
      img.Masks[2] == 0x001F)
    std::fill(img.Masks, img.Masks + 3, 0u);
  return img;
}

}  // namespace

std::vector<uint8_t> TDibImage::Info() const {
  std::vector<uint8_t> v;
  Put32(v, 40);
  Put32(v, uint32_t(Width));
  Put32(v, uint32_t(Height));
  Put16(v, 1);
  Put16(v, uint16_t(BitCount));
  const bool fields = (BitCount == 16 || BitCount == 32) && Masks[0] != 0;
  Put32(v, fields ? win::BI_BITFIELDS : win::BI_RGB);
  Put32(v, uint32_t(RowBytes() * size_t(Height)));
  Put32(v, uint32_t(XPelsPerMeter));
  Put32(v, uint32_t(YPelsPerMeter));
  Put32(v, BitCount <= 8 ? ClrUsed : 0);
  Put32(v, ClrImportant);
  if (fields)
    for (uint32_t m : Masks) Put32(v, m);
  if (BitCount <= 8) {
    for (size_t i = 0; i < TableLength(); ++i) {
      const win::RGBQUAD q = i < Table.size() ? Table[i] : win::RGBQUAD{};
      v.push_back(q.rgbBlue);
      v.push_back(q.rgbGreen);
      v.push_back(q.rgbRed);
      v.push_back(0);
    }
  }
  return v;
}

TDibImage ReadBmpFile(const uint8_t* data, size_t size) {
  if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') Invalid();
  const uint32_t offBits = U32(data + 10);
  const uint8_t* dib = data + 14;
  const size_t dibSize = size - 14;
  // The pixel offset is trusted only when it points behind the headers and into the data.
  size_t bitsAt = 0;
  if (offBits >= 14 + 12 && offBits < size) bitsAt = offBits - 14;
  return ParseDib(dib, dibSize, bitsAt, false, nullptr, true);
}

TDibImage ReadPackedDib(const uint8_t* data, size_t size, bool heightDoubled, size_t* maskOffset) {
  if (!data) Invalid();
  return ParseDib(data, size, 0, heightDoubled, maskOffset, true);
}

TDibImage CheckPackedDib(const uint8_t* data, size_t size, bool heightDoubled, size_t* maskOffset) {
  if (!data) Invalid();
  return ParseDib(data, size, 0, heightDoubled, maskOffset, false);
}

size_t FileLength(const uint8_t* data, size_t size) {
  if (!data || size < 14 + 12 || data[0] != 'B' || data[1] != 'M') Invalid();
  TDibExtent e;
  ParseDib(data + 14, size - 14, 0, false, nullptr, false, &e);
  const size_t headers = 14 + e.TableEnd;
  // The pixels follow the headers, or lie further on where the pixel offset says so; an
  // offset into the headers is damage.
  const uint32_t offBits = U32(data + 10);
  if (offBits != 0 && offBits < headers) Invalid();
  const size_t pixelsAt = std::max<size_t>(headers, offBits);
  uint64_t length = e.RowsLength;
  if (e.RunLength) {
    const uint32_t fileSize = U32(data + 2);
    if (e.SizeImage > 0)
      length = e.SizeImage;
    else if (fileSize > pixelsAt)
      length = fileSize - pixelsAt;
    else
      Invalid();
  }
  if (pixelsAt > size || length > size - pixelsAt) Invalid();
  return pixelsAt + size_t(length);
}

uint64_t DecodedImageCount() { return decodedImages.load(std::memory_order_relaxed); }

std::vector<uint8_t> WriteBmpFile(const TDibImage& image) {
  const std::vector<uint8_t> info = image.Info();
  std::vector<uint8_t> out;
  const size_t off = 14 + info.size();
  const size_t total = off + image.Bits.size();
  out.reserve(total);
  out.push_back('B');
  out.push_back('M');
  Put32(out, uint32_t(total));
  Put32(out, 0);
  Put32(out, uint32_t(off));
  out.insert(out.end(), info.begin(), info.end());
  out.insert(out.end(), image.Bits.begin(), image.Bits.end());
  return out;
}

}  // namespace vcl::bmp
