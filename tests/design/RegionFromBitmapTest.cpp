// The region builder: which pixels a region from a bitmap covers for given transparent colours
// (every pixel checked against the region), when there is no region at all, and the borders
// painted along a region's edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/pZYLBmpRegionEditorDlg.h"
#include "platform/gdi/GdiGuards.h"
#include "tests/design/DesignPixels.h"

namespace zyl {
namespace {

using designtest::Paint;

const designtest::TPalette kPal = {{'.', vcl::clWhite}, {'#', vcl::clBlack}, {'r', vcl::clRed},
                                   {'g', vcl::clLime},  {'w', vcl::clWhite}, {'d', vcl::clGray}};

struct TRegionCase {
  const char* name;
  std::vector<std::string> rows;
  std::vector<vcl::TColor> clear;
  std::string clearLetters;  // the letters that must lie outside the region
  int rects;                 // rectangles in the region's data; -1: no region
};

class RegionFromBitmap : public ::testing::TestWithParam<TRegionCase> {};

TEST_P(RegionFromBitmap, CoversExactlyTheOpaquePixels) {
  const TRegionCase& c = GetParam();
  vcl::TBitmap bmp;
  Paint(bmp, c.rows, kPal);
  win::TOwnedObject<win::HRGN> rgn(CreateRgnFromBitmap2(&bmp, c.clear));
  if (c.rects < 0) {
    EXPECT_EQ(rgn.Get(), nullptr);
    return;
  }
  ASSERT_NE(rgn.Get(), nullptr);
  for (size_t y = 0; y < c.rows.size(); ++y)
    for (size_t x = 0; x < c.rows[y].size(); ++x) {
      const bool opaque = c.clearLetters.find(c.rows[y][x]) == std::string::npos;
      EXPECT_EQ(win::PtInRegion(rgn, int(x), int(y)) != 0, opaque) << "pixel " << x << "," << y;
    }
  EXPECT_FALSE(win::PtInRegion(rgn, int(c.rows[0].size()), 0));
  const win::DWORD size = win::GetRegionData(rgn, 0, nullptr);
  std::vector<char> buf(size);
  ASSERT_EQ(win::GetRegionData(rgn, size, reinterpret_cast<win::RGNDATA*>(buf.data())), size);
  EXPECT_EQ(int(reinterpret_cast<win::RGNDATA*>(buf.data())->rdh.nCount), c.rects);
}

std::vector<vcl::TColor> ManyColours() {
  std::vector<vcl::TColor> out;
  for (int i = 0; i < 600; ++i)
    out.push_back(vcl::TColor(0x010000 * (i % 200) + i + 1));  // never black
  out.push_back(vcl::clWhite);
  return out;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegionFromBitmap,
    ::testing::Values(
        TRegionCase{"OnePixel", {"#"}, {vcl::clWhite}, ".", 1},
        TRegionCase{"OpaqueLastColumn", {"..#"}, {vcl::clWhite}, ".", 1},
        TRegionCase{"RunsSplitByHoles", {"#.##.#"}, {vcl::clWhite}, ".", 3},
        TRegionCase{"TwoColoursClear", {"r#g", "#g#"}, {vcl::clRed, vcl::clLime}, "rg", 3},
        TRegionCase{"ColourListIsNotFilteredByOthers", {"rr", "rr"}, {vcl::clLime}, "", 1},
        TRegionCase{"ManyColours", {".#.", "#.#"}, ManyColours(), ".", 3},
        TRegionCase{"AllTransparent", {"..", ".."}, {vcl::clWhite}, ".", -1},
        TRegionCase{"NoColours", {"#."}, {}, "", 1},
        TRegionCase{"EmptyBitmap", {}, {vcl::clWhite}, ".", -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegionFromBitmapEdges, ZeroHeightGivesNoRegion) {
  vcl::TBitmap bmp;
  bmp.SetSize(4, 0);
  int reports = 0;
  EXPECT_EQ(CreateRgnFromBitmap2(&bmp, {vcl::clWhite}, [&](int) { ++reports; }), nullptr);
  EXPECT_EQ(reports, 0);
  EXPECT_EQ(CreateRgnFromBitmap2(nullptr, {vcl::clWhite}), nullptr);
}

TEST(RegionFromBitmapEdges, ProgressRisesToHundredOncePerRow) {
  vcl::TBitmap bmp;
  Paint(bmp, {"#", "#", "#", "#"}, kPal);
  std::vector<int> seen;
  win::TOwnedObject<win::HRGN> rgn(
      CreateRgnFromBitmap2(&bmp, {vcl::clWhite}, [&](int p) { seen.push_back(p); }));
  EXPECT_EQ(seen, (std::vector<int>{25, 50, 75, 100}));
}

// A 6x6 bitmap whose 4x4 middle block is the region.
struct TBorderCase {
  const char* name;
  int style;
  std::vector<std::string> want;
};

class RegionBorder : public ::testing::TestWithParam<TBorderCase> {};

TEST_P(RegionBorder, PaintsAlongTheEdgeBothWays) {
  const TBorderCase& c = GetParam();
  const std::vector<std::string> rows = {"......", ".rrrr.", ".rrrr.",
                                         ".rrrr.", ".rrrr.", "......"};
  for (int way = 2; way <= 3; ++way) {
    vcl::TBitmap bmp;
    Paint(bmp, rows, kPal);
    win::TOwnedObject<win::HRGN> rgn(CreateRgnFromBitmap2(&bmp, {vcl::clWhite}));
    ASSERT_NE(rgn.Get(), nullptr);
    if (way == 2)
      PaintRGNBorder2(&bmp, rgn, c.style);
    else
      PaintRGNBorder3(&bmp, rgn, c.style);
    EXPECT_TRUE(designtest::Shows(bmp, c.want, kPal,
                                  std::string("border_") + c.name + std::to_string(way)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Styles, RegionBorder,
    ::testing::Values(
        TBorderCase{"None", rbsNone, {"......", ".rrrr.", ".rrrr.", ".rrrr.", ".rrrr.", "......"}},
        TBorderCase{
            "Single", rbsSingle, {"......", ".####.", ".#rr#.", ".#rr#.", ".####.", "......"}},
        TBorderCase{
            "Raised", rbsRaised, {"......", ".wwwd.", ".wrrd.", ".wrrd.", ".dddd.", "......"}},
        TBorderCase{
            "Lowered", rbsLowered, {"......", ".dddw.", ".drrw.", ".drrw.", ".wwww.", "......"}},
        TBorderCase{"SingleRaised",
                    rbsSingleRaised,
                    // Each edge also paints the pixel inside it, over the black of the edge
                    // across it where they meet, in the order the columns are walked.
                    {"......", ".##d#.", ".#wd#.", ".ddd#.", ".##d#.", "......"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegionBorderEdges, WritesOutsideTheBitmapAreSkipped) {
  vcl::TBitmap big, small;
  Paint(big, {"###", "###", "###"}, kPal);
  Paint(small, {"rr", "rr"}, kPal);
  win::TOwnedObject<win::HRGN> rgn(CreateRgnFromBitmap2(&big, {vcl::clWhite}));
  PaintRGNBorder3(&small, rgn, rbsSingleLowered);
  EXPECT_EQ(small.Width(), 2);
  // Only the top-left corner stays black: the right and bottom edges of the larger region
  // paint their inner (white) pixels over the rest.
  EXPECT_TRUE(designtest::Shows(small, {"#w", "ww"}, kPal, "border_clipped"));
  PaintRGNBorder2(&small, nullptr, rbsSingle);
  PaintRGNBorder3(&small, nullptr, rbsSingle);
  EXPECT_TRUE(designtest::Shows(small, {"#w", "ww"}, kPal, "border_no_region"));
}

}  // namespace
}  // namespace zyl
