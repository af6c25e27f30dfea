// The built-in glyph strip and the glyphs cut from it.
#include <gtest/gtest.h>

#include <memory>

#include "foundation/ZYLButtonDock.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using namespace zyl;

namespace {

vcl::TColor Px(vcl::TBitmap& b, int x, int y) { return b.Canvas()->Pixels(x, y) & 0xFFFFFF; }
vcl::TColor Background() { return ZYLGlyphStripPixel(0, ZYLGlyphCellHeight - 1); }

}  // namespace

TEST(GlyphStripTest, TheRegisteredResourceDecodesToTheDrawing) {
  vcl::TBitmap strip;
  strip.LoadFromResourceName(vcl::HInstance, "ZYLBMPGLYPH");
  ASSERT_EQ(ZYLGlyphStripCells(), 8);
  ASSERT_EQ(strip.Width(), 104);
  ASSERT_EQ(strip.Height(), 14);
  // Every pixel is a palette colour, at its place (rows and nibbles in the right order).
  for (int y = 0; y < strip.Height(); ++y)
    for (int x = 0; x < strip.Width(); ++x) {
      ASSERT_GE(ZYLGlyphStripPixel(x, y), 0) << x << ", " << y;
      ASSERT_EQ(Px(strip, x, y), ZYLGlyphStripPixel(x, y)) << x << ", " << y;
    }
  EXPECT_NE(Px(strip, 69, 1), Px(strip, 69, 12));  // not symmetric: a flip would show
  EXPECT_EQ(ZYLGlyphStripPixel(-1, 0), -1);
  EXPECT_EQ(ZYLGlyphStripPixel(104, 0), -1);
  EXPECT_EQ(ZYLGlyphStripPixel(0, 14), -1);
}

TEST(GlyphStripTest, CellsAreDistinctGlyphsOnTheTransparentBackground) {
  auto cellPixel = [](int cell, int x, int y) {
    return ZYLGlyphStripPixel(cell * ZYLGlyphCellWidth + x, y);
  };
  for (int a = 0; a < ZYLGlyphStripCells(); ++a) {
    // Buttons take a glyph's bottom-left pixel as its transparent colour.
    EXPECT_EQ(cellPixel(a, 0, ZYLGlyphCellHeight - 1), Background()) << "cell " << a;
    for (int b = a + 1; b < ZYLGlyphStripCells(); ++b) {
      int differ = 0;
      for (int y = 0; y < ZYLGlyphCellHeight; ++y)
        for (int x = 0; x < ZYLGlyphCellWidth; ++x)
          differ += cellPixel(a, x, y) != cellPixel(b, x, y);
      EXPECT_GT(differ, 10) << a << " and " << b;
    }
  }
}

TEST(GlyphStripTest, EachKindGivesItsCell) {
  for (TZYLGlyphKind kind : {gkEllipsis, gkFile, gkFolder, gkCalculator, gkCalender, gkSearch,
                             gkColor, gkFont}) {
    const int left = (static_cast<int>(kind) - 1) * ZYLGlyphCellWidth;
    vcl::TBitmap bmp;
    bmp.SetSize(40, 30);  // a bigger picture before: the glyph replaces it whole
    ZYLGetGlyphKind(&bmp, kind);
    ASSERT_EQ(bmp.Width(), ZYLGlyphCellWidth);
    ASSERT_EQ(bmp.Height(), ZYLGlyphCellHeight);
    for (int y = 0; y < ZYLGlyphCellHeight; ++y)
      for (int x = 0; x < ZYLGlyphCellWidth; ++x)
        ASSERT_EQ(Px(bmp, x, y), ZYLGlyphStripPixel(left + x, y)) << int(kind) << ": " << x;
    EXPECT_EQ(bmp.TransparentColor() & 0xFFFFFF, Background());
  }
}

TEST(GlyphStripTest, CustomKindNullBitmapAndACorruptStrip) {
  vcl::TBitmap bmp;
  bmp.SetSize(5, 4);
  bmp.Canvas()->Brush()->SetColor(0x00FF00);
  bmp.Canvas()->FillRect(vcl::Rect(0, 0, 5, 4));
  ZYLGetGlyphKind(&bmp, gkCustom);
  EXPECT_EQ(bmp.Width(), 5);
  EXPECT_EQ(Px(bmp, 4, 3), 0x00FF00);
  EXPECT_NO_THROW(ZYLGetGlyphKind(nullptr, gkFolder));
  // A corrupt strip is an error, never a crash; registering again brings the strip back.
  const uint8_t junk[4] = {1, 2, 3, 4};
  vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH", junk, sizeof junk);
  EXPECT_THROW(ZYLGetGlyphKind(&bmp, gkFile), vcl::Exception);
  ZYLRegisterGlyphStrip();
  ZYLGetGlyphKind(&bmp, gkFile);
  EXPECT_EQ(Px(bmp, 4, 5), ZYLGlyphStripPixel(ZYLGlyphCellWidth + 4, 5));
}

namespace {

// Registers a strip of `cells` plain cells in place of the built-in one while it lives.
class TGlyphStrip {
 public:
  explicit TGlyphStrip(int cells) {
    vcl::TBitmap strip;
    strip.SetPixelFormat(vcl::pf24bit);
    strip.SetSize(cells * ZYLGlyphCellWidth, ZYLGlyphCellHeight);
    vcl::TMemoryStream data;
    strip.SaveToStream(&data);
    vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH", data.Memory(),
                          static_cast<size_t>(data.Size()));
  }
  ~TGlyphStrip() { ZYLRegisterGlyphStrip(); }
};

}  // namespace

TEST(GlyphStripTest, AMissingStripOrCellIsAnError) {
  vcl::TBitmap bmp;
  {
    TGlyphStrip none(1);  // puts the built-in strip back when it goes
    vcl::UnregisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH");
    EXPECT_THROW(ZYLGetGlyphKind(&bmp, gkFile), vcl::EResNotFound);
  }
  TGlyphStrip shortStrip(2);
  EXPECT_NO_THROW(ZYLGetGlyphKind(&bmp, gkFile));
  EXPECT_THROW(ZYLGetGlyphKind(&bmp, gkSearch), vcl::Exception);
}
