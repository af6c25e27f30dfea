// PNG output, read back with libpng.
#include <gtest/gtest.h>
#include <png.h>

#include <memory>
#include <vector>

#include "GraphicsTestUtil.h"
#include "tests/support/TempDir.h"

using namespace vcl;
using gfxtest::NewBitmap;

namespace {

struct Decoded {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Rgb;
  TColor At(int x, int y) const {
    const uint8_t* p = &Rgb[(size_t(y) * size_t(Width) + size_t(x)) * 3];
    return win::RGB(p[0], p[1], p[2]);
  }
};

bool ReadPng(const std::string& path, Decoded& out) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  out.Width = int(image.width);
  out.Height = int(image.height);
  out.Rgb.resize(PNG_IMAGE_SIZE(image));
  const bool ok = png_image_finish_read(&image, nullptr, out.Rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

}  // namespace

TEST(Png, BitmapsOfAnyFormatAreWrittenAsTheyLook) {
  testsupport::TempDir dir;
  for (TPixelFormat pf : {pf8bit, pf24bit, pfDevice}) {
    std::unique_ptr<TBitmap> b(NewBitmap(7, 5, pf, clWhite));
    b->Canvas()->SetPixels(0, 0, clRed);
    b->Canvas()->SetPixels(6, 4, clBlue);
    b->Canvas()->Brush()->SetColor(clLime);
    b->Canvas()->FillRect(Rect(2, 1, 4, 3));
    const std::string path = dir.File("shot.png");
    WritePng(b.get(), path);
    Decoded d;
    ASSERT_TRUE(ReadPng(path, d));
    ASSERT_EQ(d.Width, 7);
    ASSERT_EQ(d.Height, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(d.At(x, y), b->Canvas()->Pixels(x, y)) << x << "," << y;
  }
}

TEST(Png, RawPixelsWithAStride) {
  testsupport::TempDir dir;
  // Two rows of three pixels inside rows of four; 0x00RRGGBB with junk in the top byte.
  const uint32_t px[] = {0xFFFF0000, 0x0000FF00, 0x000000FF, 0xDEADBEEF,
                         0x00123456, 0x00FFFFFF, 0x00000000, 0xDEADBEEF};
  const std::string path = dir.File("raw.png");
  WritePng(px, 3, 2, 4, path);
  Decoded d;
  ASSERT_TRUE(ReadPng(path, d));
  EXPECT_EQ(d.Width, 3);
  EXPECT_EQ(d.At(0, 0), win::RGB(255, 0, 0));
  EXPECT_EQ(d.At(1, 0), win::RGB(0, 255, 0));
  EXPECT_EQ(d.At(2, 0), win::RGB(0, 0, 255));
  EXPECT_EQ(d.At(0, 1), win::RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(d.At(2, 1), win::RGB(0, 0, 0));
}

TEST(Png, ErrorsAreReported) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(2, 2));
  EXPECT_THROW(WritePng(b.get(), dir.File("no/such/folder/x.png")), EFCreateError);
  TBitmap empty;
  EXPECT_THROW(WritePng(&empty, dir.File("e.png")), EInvalidGraphicOperation);
  EXPECT_THROW(WritePng(nullptr, 0, 0, 0, dir.File("e.png")), EInvalidGraphicOperation);
}
