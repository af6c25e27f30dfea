// The palette pictures: one for each class on the palette tables, under the upper-cased class
// name, 24 x 24 on the light-grey transparent background, read back from the resources as
// drawn, each showing something and no two alike.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "design/pZYLPaletteArt.h"
#include "design/pZYLRegister.h"
#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Colors.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

std::vector<std::string> TableClasses() {
  std::vector<std::string> names;
  for (const TZYLRegUnit& u : ZYLRegUnits())
    for (const TZYLPaletteItem& item : u.Components) names.emplace_back(item.ClassName);
  return names;
}

class PalettePictures : public ::testing::Test {
 protected:
  PalettePictures() { ZYLRegisterPalettePictures(); }
  win::testkit::TSession session_;
};

TEST_F(PalettePictures, EveryClassOnThePaletteHasExactlyOnePicture) {
  const std::vector<std::string> table = TableClasses();
  ASSERT_EQ(table.size(), 97u);
  EXPECT_EQ(std::set<std::string>(table.begin(), table.end()), [] {
    const std::vector<std::string> drawn = ZYLPalettePictureClasses();
    return std::set<std::string>(drawn.begin(), drawn.end());
  }());
  EXPECT_EQ(ZYLPalettePictureClasses().size(), 97u);
  EXPECT_TRUE(ZYLPalettePicturePixels("TZYLNoSuchClass").empty());
  EXPECT_EQ(ZYLPaletteResourceName("TZYLAboutDlg"), "TZYLABOUTDLG");
}

TEST_F(PalettePictures, TheResourcesHoldThePicturesAsDrawn) {
  for (const std::string& name : TableClasses()) {
    SCOPED_TRACE(name);
    vcl::TBitmap bmp;
    bmp.LoadFromResourceName(vcl::HInstance, ZYLPaletteResourceName(name));
    ASSERT_EQ(bmp.Width(), ZYLPalettePictureSize);
    ASSERT_EQ(bmp.Height(), ZYLPalettePictureSize);
    const std::vector<int32_t> drawn = ZYLPalettePicturePixels(name);
    ASSERT_EQ(drawn.size(), size_t(ZYLPalettePictureSize * ZYLPalettePictureSize));
    const win::testkit::TCapture cap = win::testkit::MakeCapture(
        ZYLPalettePictureSize, ZYLPalettePictureSize,
        [&bmp](int x, int y) { return win::COLORREF(bmp.Canvas()->Pixels(x, y)); });
    EXPECT_TRUE(win::testkit::PixelsMatch(
        cap,
        [&drawn](int x, int y) {
          return win::COLORREF(drawn[size_t(y) * ZYLPalettePictureSize + size_t(x)]);
        },
        "palette_" + name));
    // The palette takes the transparent colour from the bottom-left pixel.
    EXPECT_EQ(bmp.Canvas()->Pixels(0, ZYLPalettePictureSize - 1), ZYLPaletteBackColor);
  }
}

TEST_F(PalettePictures, EachPictureShowsSomethingAndNoTwoAreAlike) {
  std::set<std::vector<int32_t>> seen;
  for (const std::string& name : TableClasses()) {
    const std::vector<int32_t> px = ZYLPalettePicturePixels(name);
    std::set<int32_t> colours(px.begin(), px.end());
    int drawnPixels = 0;
    for (int32_t c : px) drawnPixels += c != ZYLPaletteBackColor;
    // A recognisable picture: a fair share of the square drawn.
    EXPECT_GE(drawnPixels, 40) << name;
    EXPECT_GE(colours.size(), 2u) << name;
    // Only the 16 colours of the classic palette.
    for (int32_t c : colours) {
      const int r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
      const bool classic = c == ZYLPaletteBackColor || ((r == 0 || r == 0x80 || r == 0xFF) &&
                                                        (g == 0 || g == 0x80 || g == 0xFF) &&
                                                        (b == 0 || b == 0x80 || b == 0xFF));
      EXPECT_TRUE(classic) << name << " uses " << std::hex << c;
    }
    EXPECT_TRUE(seen.insert(px).second) << name << " looks like an earlier picture";
  }
}

// The drawing surface keeps its shapes inside the square and draws the classic bevels.
TEST(PaletteArt, ShapesStayInsideAndBevelsLightTopLeft) {
  TZYLPaletteArt a;
  a.Fill(-5, -5, 100, 2, 'R');
  a.Line(-3, 23, 30, 23, 'B');
  EXPECT_EQ(a.At(0, 0), 'R');
  EXPECT_EQ(a.At(23, 2), 'R');
  EXPECT_EQ(a.At(0, 3), '.');
  EXPECT_EQ(a.At(23, 23), 'B');
  EXPECT_EQ(a.At(-1, 0), '.');
  EXPECT_EQ(a.At(24, 0), '.');
  TZYLPaletteArt b;
  b.Raised(2, 2, 10, 10);
  EXPECT_EQ(b.At(2, 2), 'w');
  EXPECT_EQ(b.At(10, 10), 'k');
  EXPECT_EQ(b.At(9, 9), 'g');
  EXPECT_EQ(b.At(5, 5), '.');
  b.Sunken(12, 12, 20, 20);
  EXPECT_EQ(b.At(12, 12), 'g');
  EXPECT_EQ(b.At(13, 13), 'k');
  EXPECT_EQ(b.At(20, 20), 'w');
  EXPECT_EQ(b.At(16, 16), 'w');
  TZYLPaletteArt t;
  t.Text(0, 0, "T", 'k');
  EXPECT_EQ(std::string() + t.At(0, 0) + t.At(1, 0) + t.At(2, 0) + t.At(1, 4) + t.At(0, 4),
            "kkkk.");
}

}  // namespace
}  // namespace zyl
