// Icon files whose images are PNG pictures: a PNG image shown is decoded with its alpha, a
// bitmap image shown loads whatever its PNG neighbours hold, and a PNG image shown that cannot
// be read is refused with its reason.
#include <gtest/gtest.h>
#include <zlib.h>

#include <memory>
#include <tuple>

#include "BmpBuilder.h"
#include "GraphicsTestUtil.h"
#include "platform/graphics/Png.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;
using namespace gfxtest;

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kClearGreen = 0x0000FF00, kHalfBlue = 0x800000FF;

// size x size pixels: the lower half opaque red, the upper half fully transparent (green
// underneath, which must not show); with `halfRow` the row above the middle is blue at half
// alpha.
std::vector<uint32_t> RedLowerHalf(int size, bool halfRow = false) {
  std::vector<uint32_t> px(size_t(size) * size_t(size));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      px[size_t(y) * size_t(size) + size_t(x)] =
          y >= size / 2 ? kRed : (halfRow && y == size / 2 - 1 ? kHalfBlue : kClearGreen);
  return px;
}

// The same picture as a 32-bit bitmap image with its mask.
BmpLayout RedLowerHalfBitmap() {
  std::vector<uint8_t> rows;
  for (int y = 0; y < 32; ++y)  // bottom-up: the first 16 rows are the lower half
    for (int x = 0; x < 32; ++x) rows.insert(rows.end(), {0, 0, uint8_t(y < 16 ? 0xFF : 0), 0});
  for (int y = 0; y < 32; ++y) rows.insert(rows.end(), 4, y < 16 ? 0x00 : 0xFF);
  return IconImage(32, 32, 0, rows);
}

IconEntry PngEntry(int size, const std::string& bytes) { return {size, 32, bytes}; }
std::string Png(int size, bool halfRow = false) {
  return PngFile(size, size, RedLowerHalf(size, halfRow));
}

// A PNG whose header names another size (its check sum made to match).
std::string WithPngSize(std::string png, uint32_t w, uint32_t h) {
  for (int i = 0; i < 4; ++i) {
    png[size_t(16 + i)] = char(w >> (24 - 8 * i));
    png[size_t(20 + i)] = char(h >> (24 - 8 * i));
  }
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(png.data() + 12), 17);
  for (int i = 0; i < 4; ++i) png[size_t(29 + i)] = char(crc >> (24 - 8 * i));
  return png;
}
// A PNG whose first image data byte is changed (its check sum no longer matches).
std::string WithDamagedData(std::string png) {
  const size_t data = png.find("IDAT") + 4;
  png.at(data) = char(png.at(data) ^ 0x5A);
  return png;
}
// The signature, then nothing a decoder can read.
std::string DamagedHeader() { return Png(32).substr(0, 8) + std::string(60, 'x'); }

// Drawn at (4, 4) on yellow: red in the lower half of the 32 x 32 square only.
void ExpectRedLowerHalf(TIcon* icon, const std::string& what) {
  std::unique_ptr<TBitmap> dst(NewBitmap(40, 40, pf32bit, clYellow));
  dst->Canvas()->Draw(4, 4, icon);
  ExpectEveryPixel(
      dst.get(),
      [](int x, int y) { return x >= 4 && x < 36 && y >= 20 && y < 36 ? clRed : clYellow; }, what);
}

}  // namespace

TEST(IconPng, APngImageShownIsDrawnWithItsAlpha) {
  const std::string file =
      IconFileOf({BitmapEntry(IconImage(16, 4, 0x11)), PngEntry(32, Png(32, true))});
  auto icon = Load<TIcon>(file);
  EXPECT_EQ(std::make_tuple(icon->ImageCount(), icon->Width(), icon->Height()),
            std::make_tuple(2, 32, 32));
  std::unique_ptr<TBitmap> dst(NewBitmap(40, 40, pf32bit, clYellow));
  dst->Canvas()->Draw(4, 4, icon.get());
  // Half-alpha blue over yellow: each channel halfway (within rounding).
  const win::COLORREF yellow = win::RGB(255, 255, 0), red = win::RGB(255, 0, 0),
                      blend = win::RGB(127, 127, 128);
  EXPECT_TRUE(win::testkit::SamePixels(
      Capture(dst.get()),
      win::testkit::MakeCapture(40, 40,
                                [&](int x, int y) {
                                  if (x < 4 || x >= 36 || y < 4 || y >= 36) return yellow;
                                  return y >= 20 ? red : y == 19 ? blend : yellow;
                                }),
      "icon_png_alpha", 1));
  EXPECT_EQ(Save(icon.get()), file);  // saved unchanged
}

struct TNeighbourCase {
  const char* Name;
  IconEntry Png;
};

class BitmapShownBesidePng : public ::testing::TestWithParam<TNeighbourCase> {};

TEST_P(BitmapShownBesidePng, LoadsAndDrawsTheBitmap) {
  const std::string file = IconFileOf({GetParam().Png, BitmapEntry(RedLowerHalfBitmap())});
  TIcon icon;
  ASSERT_EQ(testsupport::ErrorOf<EInvalidGraphic>([&] { LoadInto(&icon, file); }), "<no error>");
  EXPECT_EQ(std::make_tuple(icon.ImageCount(), icon.Width(), icon.Height()),
            std::make_tuple(2, 32, 32));
  ExpectRedLowerHalf(&icon, std::string("icon_beside_") + GetParam().Name);
}

INSTANTIATE_TEST_SUITE_P(
    Neighbours, BitmapShownBesidePng,
    ::testing::Values(TNeighbourCase{"large", PngEntry(256, Png(256))},
                      TNeighbourCase{"small", PngEntry(16, Png(16))},
                      TNeighbourCase{"damaged_data", PngEntry(48, WithDamagedData(Png(48)))},
                      TNeighbourCase{"damaged_header", PngEntry(48, DamagedHeader())},
                      TNeighbourCase{"truncated", PngEntry(48, Png(48).substr(0, 50))},
                      TNeighbourCase{"too_large", PngEntry(0, WithPngSize(Png(16), 5000, 5000))}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(IconPng, APngImageShownThatCannotBeReadIsRefusedWithItsReason) {
  const std::string unreadable = Format(SInvalidIconPng, {""});
  struct TCase {
    std::string File;
    std::string Error;  // the whole message, or its start for the decoder's reasons
  };
  const TCase cases[] = {
      {IconFileOf({PngEntry(32, WithDamagedData(Png(32)))}), unreadable},
      {IconFileOf({PngEntry(32, Png(32).substr(0, 60))}), unreadable},
      {IconFileOf({PngEntry(32, DamagedHeader())}), unreadable},
      // The damaged PNG is the standard size, so it is the image shown.
      {IconFileOf({BitmapEntry(IconImage(16, 4, 0x11)), PngEntry(32, WithDamagedData(Png(32)))}),
       unreadable},
      {IconFileOf({PngEntry(0, WithPngSize(Png(16), 2000, 16))}),
       Format(SIconPngTooLarge, {2000, 16})},
  };
  for (const TCase& c : cases) {
    TIcon icon;
    const std::string error =
        testsupport::ErrorOf<EInvalidGraphic>([&] { LoadInto(&icon, c.File); });
    EXPECT_EQ(error.substr(0, c.Error.size()), c.Error);
    EXPECT_GT(error.size(), unreadable.size()) << "the reason is named";
    EXPECT_TRUE(icon.Empty());
  }
}
