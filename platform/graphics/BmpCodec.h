// Reading and writing the BMP file format and packed device-independent bitmaps (used by
// TBitmap, TIcon and bitmap resources). Internal to the graphics module.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/GdiInternal.h"

namespace vcl::bmp {

// Largest image accepted, in pixels: what the raster engine can hold. Uncompressed images are
// also checked against the bytes present, run-length coded ones only against this limit,
// before their pixels are allocated.
constexpr int64_t kMaxPixels = win::gdi::kMaxSurfacePixels;

// An uncompressed image in DIB layout: bottom-up rows padded to four bytes.
struct TDibImage {
  int Width = 0;
  int Height = 0;
  int BitCount = 32;              // 1, 4, 8, 16, 24 or 32
  uint32_t Masks[3] = {0, 0, 0};  // 16 and 32 bits: red, green, blue (all 0 = the default)
  std::vector<win::RGBQUAD> Table;  // 1, 4 and 8 bits: 2^BitCount entries
  std::vector<uint8_t> Bits;
  // Kept from the header read and written back as they were: the resolution, and for 1, 4 and
  // 8 bits the colours used (the length of the table written; 0 or the table's size: all) and
  // the important ones.
  int32_t XPelsPerMeter = 0;
  int32_t YPelsPerMeter = 0;
  uint32_t ClrUsed = 0;
  uint32_t ClrImportant = 0;

  // The entries of the table a header describes.
  size_t TableLength() const {
    const size_t all = size_t(1) << BitCount;
    return ClrUsed > 0 && ClrUsed < all ? ClrUsed : all;
  }

  size_t RowBytes() const { return RowBytesOf(Width, BitCount); }
  static size_t RowBytesOf(int width, int bitCount) {
    return ((size_t(width) * size_t(bitCount) + 31) / 32) * 4;
  }
  // A BITMAPINFO (header, then colour table or masks) describing the image.
  std::vector<uint8_t> Info() const;
};

// A whole BMP file ("BM" header); raises EInvalidGraphic("Bitmap image is not valid") on
// anything malformed or truncated.
TDibImage ReadBmpFile(const uint8_t* data, size_t size);
// A packed DIB (info header, colour table, bits). `heightDoubled`: the header counts the
// rows of an icon's colour and mask images together; only the colour image is read, and
// `maskOffset` (when given) receives the offset of the mask rows behind it.
TDibImage ReadPackedDib(const uint8_t* data, size_t size, bool heightDoubled = false,
                        size_t* maskOffset = nullptr);
// The length of the BMP file at `data` as its info header describes it (see BmpFileLength in
// Bitmap.h).
size_t FileLength(const uint8_t* data, size_t size);
// The BMP file of an image.
std::vector<uint8_t> WriteBmpFile(const TDibImage& image);

// How many images ReadBmpFile and ReadPackedDib have decoded in this process (pixels
// allocated and filled); readers that only need an image's size and soundness check it
// without decoding.
uint64_t DecodedImageCount();
// Checks a packed DIB the way ReadPackedDib reads it, without decoding its pixels; returns
// the image's width, height and bit count (Bits left empty) and the mask offset.
TDibImage CheckPackedDib(const uint8_t* data, size_t size, bool heightDoubled = false,
                         size_t* maskOffset = nullptr);

}  // namespace vcl::bmp
