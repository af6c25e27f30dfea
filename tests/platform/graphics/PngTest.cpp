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

// The file's pixels as colours, row by row; empty when libpng cannot read it.
std::vector<TColor> ReadPng(const std::string& path, int& width) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  width = int(image.width);
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  const bool ok = png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
  png_image_free(&image);
  std::vector<TColor> out;
  for (size_t i = 0; ok && i < rgb.size(); i += 3)
    out.push_back(win::RGB(rgb[i], rgb[i + 1], rgb[i + 2]));
  return out;
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
    WritePng(b.get(), dir.File("shot.png"));
    int width = 0;
    const std::vector<TColor> px = ReadPng(dir.File("shot.png"), width);
    ASSERT_EQ(px.size(), 35u);
    ASSERT_EQ(width, 7);
    const auto read = win::testkit::MakeCapture(
        7, 5, [&](int x, int y) { return win::COLORREF(px[size_t(y * 7 + x)]); });
    EXPECT_TRUE(win::testkit::SamePixels(read, gfxtest::Capture(b.get()), "png"));
  }
}

TEST(Png, RawPixelsWithAStride) {
  testsupport::TempDir dir;
  // Two rows of three pixels inside rows of four; 0x00RRGGBB with junk in the top byte.
  const uint32_t px[] = {0xFFFF0000, 0x0000FF00, 0x000000FF, 0xDEADBEEF,
                         0x00123456, 0x00FFFFFF, 0x00000000, 0xDEADBEEF};
  WritePng(px, 3, 2, 4, dir.File("raw.png"));
  int width = 0;
  EXPECT_EQ(ReadPng(dir.File("raw.png"), width),
            std::vector<TColor>({win::RGB(255, 0, 0), win::RGB(0, 255, 0), win::RGB(0, 0, 255),
                                 win::RGB(0x12, 0x34, 0x56), win::RGB(255, 255, 255), 0}));
  EXPECT_EQ(width, 3);
}

TEST(Png, ErrorsAreReported) {
  testsupport::TempDir dir;
  std::unique_ptr<TBitmap> b(NewBitmap(2, 2));
  EXPECT_THROW(WritePng(b.get(), dir.File("no/such/folder/x.png")), EFCreateError);
  TBitmap empty;
  EXPECT_THROW(WritePng(&empty, dir.File("e.png")), EInvalidGraphicOperation);
  EXPECT_THROW(WritePng(nullptr, 0, 0, 0, dir.File("e.png")), EInvalidGraphicOperation);
}
