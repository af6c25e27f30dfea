#include "platform/graphics/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/classes/Streams.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

void WritePng(const uint32_t* Pixels, int Width, int Height, ptrdiff_t Stride,
              const std::string& FileName) {
  if (!Pixels || Width <= 0 || Height <= 0) throw EInvalidGraphicOperation(SPngEmptyPicture);
  const std::string native = StreamFileName(FileName);
  FILE* f = native.empty() ? nullptr : std::fopen(native.c_str(), "wb");
  if (!f) throw EFCreateError(Format(SFCreateError, {FileName}));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_byte> row(size_t(Width) * 3);
  volatile bool ok = png && info;
  if (ok) {
    if (setjmp(png_jmpbuf(png))) {
      ok = false;
    } else {
      png_init_io(png, f);
      png_set_IHDR(png, info, png_uint_32(Width), png_uint_32(Height), 8, PNG_COLOR_TYPE_RGB,
                   PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
      png_write_info(png, info);
      for (int y = 0; y < Height; ++y) {
        const uint32_t* src = Pixels + y * Stride;
        for (int x = 0; x < Width; ++x) {
          row[size_t(x) * 3] = png_byte((src[x] >> 16) & 0xFF);
          row[size_t(x) * 3 + 1] = png_byte((src[x] >> 8) & 0xFF);
          row[size_t(x) * 3 + 2] = png_byte(src[x] & 0xFF);
        }
        png_write_row(png, row.data());
      }
      png_write_end(png, nullptr);
    }
  }
  png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
  const bool closed = std::fclose(f) == 0;
  if (!ok || !closed) throw EFCreateError(Format(SFCreateError, {FileName}));
}

bool IsPng(const uint8_t* Data, size_t Size) {
  return Data && Size >= 8 && png_sig_cmp(Data, 0, 8) == 0;
}

namespace {

// The simplified reader's state, freed however the scope is left.
class TPngImage {
 public:
  TPngImage() { image_.version = PNG_IMAGE_VERSION; }
  ~TPngImage() { png_image_free(&image_); }
  TPngImage(const TPngImage&) = delete;
  TPngImage& operator=(const TPngImage&) = delete;
  png_image* operator->() { return &image_; }
  png_image* get() { return &image_; }
  [[noreturn]] void Fail() {
    const std::string reason = image_.message[0] ? image_.message : "damaged data";
    throw EInvalidGraphic(Format(SInvalidIconPng, {reason}));
  }

 private:
  png_image image_{};
};

}  // namespace

TPngPixels ReadPng(const uint8_t* Data, size_t Size, int MaxSide, bool Decode) {
  if (!IsPng(Data, Size)) throw EInvalidGraphic(Format(SInvalidIconPng, {SPngNoSignature}));
  TPngImage image;
  if (!png_image_begin_read_from_memory(image.get(), Data, Size)) image.Fail();
  TPngPixels out;
  if (image->width > png_uint_32(MaxSide) || image->height > png_uint_32(MaxSide))
    throw EInvalidGraphic(
        Format(SIconPngTooLarge, {int64_t(image->width), int64_t(image->height)}));
  out.Width = int(image->width);
  out.Height = int(image->height);
  if (!Decode) return out;
  // B, G, R, A in memory: one little-endian 0xAARRGGBB word per pixel.
  image->format = PNG_FORMAT_BGRA;
  out.Pixels.assign(size_t(out.Width) * size_t(out.Height), 0);
  if (!png_image_finish_read(image.get(), nullptr, out.Pixels.data(), 0, nullptr)) image.Fail();
  return out;
}

void WritePng(TBitmap* Bitmap, const std::string& FileName) {
  if (!Bitmap || Bitmap->Empty()) throw EInvalidGraphicOperation(SPngEmptyPicture);
  const int w = Bitmap->Width(), h = Bitmap->Height();
  // The pixels as 32-bit top-down rows, whatever the bitmap's format.
  win::BITMAPINFO bi{};
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  std::vector<uint32_t> pixels(size_t(w) * size_t(h));
  Bitmap->FreeContext();
  if (win::GetDIBits(nullptr, Bitmap->Handle(), 0, win::UINT(h), pixels.data(), &bi,
                     win::DIB_RGB_COLORS) != h)
    throw EInvalidGraphicOperation(SPngNoPixels);
  WritePng(pixels.data(), w, h, w, FileName);
}

}  // namespace vcl
