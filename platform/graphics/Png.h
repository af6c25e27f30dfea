// Writing pictures as PNG files (screenshots, and what a failing test saw).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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

}  // namespace vcl
