// Writing pictures as PNG files (screenshots, and what a failing test saw), and reading the
// PNG images that icon files hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

class TBitmap;

// Writes the bitmap as an 8-bit RGB PNG. File names follow the layer's path policy. Raises
// EFCreateError when the file cannot be created, EInvalidGraphicOperation for an empty
// bitmap.
void WritePng(TBitmap* Bitmap, const std::string& FileName);
// Raw pixels: one uint32_t per pixel holding 0x00RRGGBB (the raster engine's working
// pixels; the top byte is ignored), rows top-down, `Stride` pixels apart.
void WritePng(const uint32_t* Pixels, int Width, int Height, ptrdiff_t Stride,
              const std::string& FileName);

// True when the bytes start with the PNG signature.
bool IsPng(const uint8_t* Data, size_t Size);

// A PNG held in memory, decoded: straight (not premultiplied) alpha, one uint32_t per pixel
// holding 0xAARRGGBB, rows top-down.
struct TPngPixels {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
};
// Reads the header only (Pixels stays empty) or, with `Decode`, the whole picture. Damaged or
// truncated data raises EInvalidGraphic SInvalidIconPng with the decoder's reason; a picture
// wider or higher than MaxSide raises EInvalidGraphic SIconPngTooLarge before any pixel is
// decoded.
TPngPixels ReadPng(const uint8_t* Data, size_t Size, int MaxSide, bool Decode);

}  // namespace vcl
