#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

namespace {
const std::map<COLORREF, char> kBW = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};

HPEN Pen(int style, int width) { return CreatePen(style, width, kBlack); }
HBRUSH Red() { return CreateSolidBrush(kRed); }
void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

// Pictures written from the drawing rules: right and bottom edges exclusive, a line's last
// point left out, the pen over the brush.
const Picture kPictures[] = {
    {"FillRectExcludesRightAndBottom", 6, 4,
     [](HDC dc) {
       RECT r{1, 1, 4, 3}, inv{4, 3, 1, 1};
       FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
       FillRect(dc, &inv, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // nothing
     },
     {"......", ".###..", ".###..", "......"}},
    {"RectangleOutlineOverFill", 7, 6,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_SOLID, 1), Red()); Rectangle(dc, 1, 1, 6, 5); },
     {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}},
    {"RectangleWithoutPenFillsOneLess", 7, 6,
     [](HDC dc) { PenBrush pb(dc, nullptr, Red()); Rectangle(dc, 1, 1, 6, 5); },
     {".......", ".rrrr..", ".rrrr..", ".rrrr..", ".......", "......."}},
    // Three pixels and wider: the pen's dot swept along the path from 2 to 9, so the outer
    // corners are round (a plus-shaped dot leaves the corner pixel out).
    {"WideRectangleHasRoundJoins", 12, 12,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_SOLID, 3), Red()); Rectangle(dc, 2, 2, 10, 10); },
     {"............", "..########..", ".##########.", ".##########.", ".###rrrr###.", ".###rrrr###.",
      ".###rrrr###.", ".###rrrr###.", ".##########.", ".##########.", "..########..", "............"}},
    {"InsideFramePenStaysInTheBox", 12, 12,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_INSIDEFRAME, 3), Red()); Rectangle(dc, 2, 2, 10, 10); },
     {"............", "............", "...######...", "..########..", "..########..", "..###rr###..",
      "..###rr###..", "..########..", "..########..", "...######...", "............", "............"}},
    {"LinesLeaveOutTheirLastPoint", 8, 6,
     [](HDC dc) { Line(dc, 0, 0, 5, 0); Line(dc, 7, 0, 7, 4); Line(dc, 0, 1, 4, 5); Line(dc, 5, 5, 1, 5); },
     {"#####..#", "#......#", ".#.....#", "..#....#", "...#....", "..####.."}},
    {"PolylinePaintsEachJointOnce", 6, 6,
     [](HDC dc) {
       SetROP2(dc, R2_NOT);
       POINT pts[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
       Polyline(dc, pts, 5);
     },
     {"#####.", "#...#.", "#...#.", "#...#.", "#####.", "......"}},
    {"WideLinesHaveRoundCaps", 12, 7,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_SOLID, 3), nullptr); Line(dc, 2, 3, 8, 3); },
     {"............", "............", "..#######...", ".#########..", "..#######...", "............",
      "............"}},
    // Even widths centre on the pixel's top-left corner.
    {"EvenWidthCentresOnTheCorner", 12, 5,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_SOLID, 2), nullptr); Line(dc, 2, 2, 8, 2); },
     {"............", ".########...", ".########...", "............", "............"}},
    {"FivePixelDot", 9, 9,
     [](HDC dc) { PenBrush pb(dc, Pen(PS_SOLID, 5), nullptr); Line(dc, 4, 4, 4, 4); },
     {".........", ".........", "...###...", "..#####..", "..#####..", "..#####..", "...###...",
      ".........", "........."}},
    {"DotsAndTheBackgroundMode", 14, 2,
     [](HDC dc) {
       PenBrush pb(dc, Pen(PS_DOT, 1), nullptr);
       SetBkMode(dc, TRANSPARENT);
       Line(dc, 0, 0, 12, 0);
       SetBkMode(dc, OPAQUE);
       SetBkColor(dc, kRed);
       Line(dc, 0, 1, 12, 1);
     },
     {"###...###.....", "###rrr###rrr.."}},
    // A styled rectangle's path starts at the top-right corner and runs counter-clockwise;
    // the dots (three on, three off) carry on round the corners.
    {"StyledRectangleStartsTopRight", 8, 6,
     [](HDC dc) {
       PenBrush pb(dc, Pen(PS_DOT, 1), nullptr);
       SetBkMode(dc, TRANSPARENT);
       Rectangle(dc, 0, 0, 8, 6);
     },
     {"##...###", "#.......", "........", "........", ".......#", "###...##"}},
    // Pixel (x, y) is filled when the point (x, y) lies inside the polygon.
    {"PolygonSamplesIntegerPoints", 9, 9,
     [](HDC dc) {
       PenBrush pb(dc, nullptr, CreateSolidBrush(kBlack));
       POINT tri[] = {{0, 0}, {8, 0}, {0, 8}};
       Polygon(dc, tri, 3);
     },
     {"########.", "#######..", "######...", "#####....", "####.....", "###......", "##.......",
      "#........", "........."}},
    {"PolygonOutlineRunsThroughTheVertices", 7, 6,
     [](HDC dc) {
       PenBrush pb(dc, Pen(PS_SOLID, 1), Red());
       POINT square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
       Polygon(dc, square, 4);
     },
     {".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}},
    {"FocusRectTogglesEveryOtherPixel", 7, 5,
     [](HDC dc) { RECT r{1, 1, 6, 5}; DrawFocusRect(dc, &r); },
     {".......", ".#.#.#.", ".......", ".#...#.", "..#.#.."}},
    {"FrameRgnBordersTheRegion", 8, 6,
     [](HDC dc) {
       HRGN rgn = CreateRectRgn(1, 1, 7, 5);
       HBRUSH red = Red();
       FrameRgn(dc, rgn, red, 2, 1);
       DeleteObject(red);
       DeleteObject(rgn);
     },
     {"........", ".rrrrrr.", ".rr..rr.", ".rr..rr.", ".rrrrrr.", "........"}},
    // Hatches in 8x8 cells from the brush origin: the horizontal line is row 3, the vertical
    // one column 4.
    {"HatchHorizontalIsRowThree", 8, 8,
     [](HDC dc) { PenBrush pb(dc, nullptr, CreateHatchBrush(HS_HORIZONTAL, kBlack)); PatBlt(dc, 0, 0, 8, 8, PATCOPY); },
     {"........", "........", "........", "########", "........", "........", "........", "........"}},
    {"HatchCrossFollowsTheOrigin", 8, 8,
     [](HDC dc) {
       SetBrushOrgEx(dc, 2, 1, nullptr);
       PenBrush pb(dc, nullptr, CreateHatchBrush(HS_CROSS, kBlack));
       PatBlt(dc, 0, 0, 8, 8, PATCOPY);
     },
     {"......#.", "......#.", "......#.", "......#.", "########", "......#.", "......#.", "......#."}},
};
}  // namespace

class Pictures : public testing::TestWithParam<Picture> {};

TEST_P(Pictures, AreDrawnByTheRules) {
  EXPECT_EQ(Drawn(GetParam(), kBW), Rows(GetParam().Expected));
}
INSTANTIATE_TEST_SUITE_P(Primitives, Pictures, testing::ValuesIn(kPictures), PictureName);

// A half-way step goes toward the end point for lines running steeply down-left, shallowly
// or steeply up-left and shallowly up-right, toward the start point otherwise. Each line runs
// from (4, 4) by (dx, dy); the pixels are offsets from the start.
namespace {
struct Octant {
  int Dx, Dy;
  std::set<std::pair<int, int>> Pixels;
};
const Octant kOctants[] = {
    {4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},      // shallow down-right: toward the start
    {2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},      // steep down-right: toward the start
    {-4, 2, {{0, 0}, {-1, 0}, {-2, 1}, {-3, 1}}},  // shallow down-left: toward the start
    {-2, 4, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}},  // steep down-left: toward the end
    {4, -2, {{0, 0}, {1, -1}, {2, -1}, {3, -2}}},  // shallow up-right: toward the end
    {2, -4, {{0, 0}, {0, -1}, {1, -2}, {1, -3}}},  // steep up-right: toward the start
    {-4, -2, {{0, 0}, {-1, -1}, {-2, -1}, {-3, -2}}},  // shallow up-left: toward the end
    {-2, -4, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}}},  // steep up-left: toward the end
};
}  // namespace

class LineTies : public testing::TestWithParam<Octant> {};

TEST_P(LineTies, HalfWayStepsFollowTheOctant) {
  Canvas c(9, 9);
  Line(c.dc(), 4, 4, 4 + GetParam().Dx, 4 + GetParam().Dy);
  std::set<std::pair<int, int>> got;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      if (c.At(x, y) == kBlack) got.insert({x - 4, y - 4});
  EXPECT_EQ(got, GetParam().Pixels);
}
INSTANTIATE_TEST_SUITE_P(Primitives, LineTies, testing::ValuesIn(kOctants));

// The fill of a polygon stays inside the outline Polyline draws through the same points.
TEST(Polygons, FillNeverLeaksOutsideTheOutline) {
  std::vector<std::vector<POINT>> shapes = {
      {{15, 0}, {29, 15}, {15, 29}, {0, 15}}, {{0, 3}, {29, 0}, {5, 27}}, {{2, 2}, {27, 9}, {3, 11}}};
  std::vector<POINT> star;
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 4 * M_PI / 5;
    star.push_back({int(std::lround(15 + 14 * std::cos(a))), int(std::lround(15 + 14 * std::sin(a)))});
  }
  shapes.push_back(star);
  for (const auto& pts : shapes)
    for (int mode : {ALTERNATE, WINDING}) {
      Canvas fill(31, 31), line(31, 31);
      {
        PenBrush pb(fill.dc(), nullptr, Red());
        SetPolyFillMode(fill.dc(), mode);
        Polygon(fill.dc(), pts.data(), int(pts.size()));
      }
      std::vector<POINT> closed = pts;
      closed.push_back(pts[0]);
      Polyline(line.dc(), closed.data(), int(closed.size()));
      for (int y = 0; y < 31; ++y) {
        int lo = 99, hi = -1;
        for (int x = 0; x < 31; ++x)
          if (line.At(x, y) == kBlack) lo = std::min(lo, x), hi = std::max(hi, x);
        for (int x = 0; x < 31; ++x)
          if (fill.At(x, y) == kRed) {
            EXPECT_TRUE(x >= lo && x <= hi) << x << "," << y;
          }
      }
    }
}

TEST(Polygons, AlternateAndWindingDifferInTheStarsCentre) {
  POINT star[5];
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 4 * M_PI / 5;
    star[i] = {int(std::lround(20 + 18 * std::cos(a))), int(std::lround(20 + 18 * std::sin(a)))};
  }
  for (int mode : {ALTERNATE, WINDING}) {
    Canvas c(40, 40);
    PenBrush pb(c.dc(), nullptr, CreateSolidBrush(kBlack));
    SetPolyFillMode(c.dc(), mode);
    Polygon(c.dc(), star, 5);
    EXPECT_EQ(c.At(20, 20), mode == WINDING ? kBlack : kWhite);
    EXPECT_EQ(c.At(20, 8), kBlack);  // the points are filled in both modes
    HRGN r = CreatePolygonRgn(star, 5, mode);
    EXPECT_EQ(PtInRegion(r, 20, 20), mode == WINDING);
    DeleteObject(r);
  }
}

// Outlines under the winding rule whose inside is a union of rectangles: crossings that touch
// or wind more than once make one run of pixels, painted once (a raster operation that inverts
// shows any pixel painted twice), and the region of the same outline holds the same pixels.
struct WindingCase {
  const char* Name;
  std::vector<POINT> Points;
  std::vector<INT> Counts;
  std::vector<RECT> Inside;
};
class WindingFill : public testing::TestWithParam<WindingCase> {};

TEST_P(WindingFill, TouchingAndRepeatedCrossingsPaintEachPixelOnce) {
  const WindingCase& c = GetParam();
  Canvas drawn(40, 40), region(40, 40), expected(40, 40);
  for (HDC dc : {drawn.dc(), region.dc(), expected.dc()}) SetROP2(dc, R2_NOT);
  {
    PenBrush pb(drawn.dc(), nullptr, CreateSolidBrush(kBlack));
    SetPolyFillMode(drawn.dc(), WINDING);
    PolyPolygon(drawn.dc(), c.Points.data(), c.Counts.data(), int(c.Counts.size()));
  }
  HRGN rgn = CreatePolyPolygonRgn(c.Points.data(), c.Counts.data(), int(c.Counts.size()), WINDING);
  InvertRgn(region.dc(), rgn);
  DeleteObject(rgn);
  HRGN inside = CreateRectRgn(0, 0, 0, 0);
  for (const RECT& r : c.Inside) {
    HRGN part = CreateRectRgnIndirect(&r);
    CombineRgn(inside, inside, part, RGN_OR);
    DeleteObject(part);
  }
  InvertRgn(expected.dc(), inside);
  DeleteObject(inside);
  EXPECT_EQ(drawn.Map(kBW), expected.Map(kBW));
  EXPECT_EQ(region.Map(kBW), expected.Map(kBW));
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, WindingFill,
    testing::Values(
        WindingCase{"SquaresSideBySide",
                    {{5, 5}, {20, 5}, {20, 30}, {5, 30}, {20, 5}, {35, 5}, {35, 30}, {20, 30}},
                    {4, 4},
                    {{5, 5, 35, 30}}},
        WindingCase{"SquareTracedTwice",
                    {{8, 8}, {30, 8}, {30, 30}, {8, 30}, {8, 8}, {30, 8}, {30, 30}, {8, 30}},
                    {8},
                    {{8, 8, 30, 30}}},
        WindingCase{"NestedTheSameWay",
                    {{2, 2}, {38, 2}, {38, 38}, {2, 38}, {10, 10}, {30, 10}, {30, 30}, {10, 30}},
                    {4, 4},
                    {{2, 2, 38, 38}}},
        WindingCase{"NestedTheOtherWay",
                    {{2, 2}, {38, 2}, {38, 38}, {2, 38}, {10, 10}, {10, 30}, {30, 30}, {30, 10}},
                    {4, 4},
                    {{2, 2, 38, 10}, {2, 30, 38, 38}, {2, 10, 10, 30}, {30, 10, 38, 30}}},
        WindingCase{"OverlappingCross",
                    {{15, 2}, {25, 2}, {25, 38}, {15, 38}, {2, 15}, {38, 15}, {38, 25}, {2, 25}},
                    {4, 4},
                    {{15, 2, 25, 38}, {2, 15, 38, 25}}}),
    [](const auto& info) { return std::string(info.param.Name); });

// Ellipses, round rectangles and inside-frame pens stay in their box, mirror-symmetric,
// the outline closed round the fill.
TEST(Curves, ShapesAreSymmetricAndStayInTheirBox) {
  struct Case {
    int Style, Width;
    std::function<void(HDC)> Draw;
    RECT Box;
  };
  const Case cases[] = {
      {PS_SOLID, 1, [](HDC dc) { Ellipse(dc, 2, 2, 23, 17); }, {2, 2, 23, 17}},
      {PS_SOLID, 1, [](HDC dc) { RoundRect(dc, 2, 2, 23, 17, 8, 6); }, {2, 2, 23, 17}},
      {PS_INSIDEFRAME, 4, [](HDC dc) { Ellipse(dc, 4, 4, 21, 15); }, {4, 4, 21, 15}},
  };
  for (const Case& k : cases) {
    Canvas c(25, 19);
    {
      PenBrush pb(c.dc(), Pen(k.Style, k.Width), Red());
      k.Draw(c.dc());
    }
    const int cx = k.Box.Left + k.Box.Right - 1, cy = k.Box.Top + k.Box.Bottom - 1;
    RECT got{99, 99, -1, -1};
    for (int y = 0; y < 19; ++y)
      for (int x = 0; x < 25; ++x) {
        const COLORREF p = c.At(x, y);
        if (cx - x >= 0 && cx - x < 25) {
          ASSERT_EQ(p, c.At(cx - x, y)) << x << "," << y;
        }
        if (cy - y >= 0 && cy - y < 19) {
          ASSERT_EQ(p, c.At(x, cy - y)) << x << "," << y;
        }
        if (p == kWhite) continue;
        got = {std::min(got.Left, x), std::min(got.Top, y), std::max(got.Right, x + 1), std::max(got.Bottom, y + 1)};
      }
    EXPECT_EQ(got, k.Box);
    EXPECT_EQ(c.At(k.Box.Left, k.Box.Top), kWhite);  // round corners
    EXPECT_EQ(c.At(cx / 2, cy / 2), kRed);
    for (int y = k.Box.Top + 1; y < k.Box.Bottom - 1; ++y) {  // no gap between outline and fill
      int x = 0;
      while (c.At(x, y) == kWhite) ++x;
      EXPECT_EQ(c.At(x, y), kBlack) << y;
    }
  }
}

TEST(Curves, PieChordAndArcRunCounterClockwiseFromStartToEnd) {
  auto quarters = [](std::function<void(HDC)> draw, COLORREF want) {
    Canvas c(41, 41);
    {
      PenBrush pb(c.dc(), Pen(PS_SOLID, 1), Red());
      draw(c.dc());
    }
    std::string s;  // top-right, top-left, bottom-left, bottom-right
    for (POINT p : {POINT{28, 12}, POINT{12, 12}, POINT{12, 28}, POINT{28, 28}}) s += c.At(p.X, p.Y) == want ? '#' : '.';
    return s;
  };
  EXPECT_EQ(quarters([](HDC dc) { Pie(dc, 0, 0, 41, 41, 40, 20, 20, 0); }, kRed), "#...");
  EXPECT_EQ(quarters([](HDC dc) { SetArcDirection(dc, AD_CLOCKWISE); Pie(dc, 0, 0, 41, 41, 40, 20, 20, 0); }, kRed), ".###");
  EXPECT_EQ(quarters([](HDC dc) { Chord(dc, 0, 0, 41, 41, 40, 20, 20, 0); }, kRed), "....");  // the cut-off part only
  Canvas c(41, 41);
  PenBrush pb(c.dc(), Pen(PS_SOLID, 1), Red());
  Chord(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);
  EXPECT_EQ(c.At(32, 8), kRed);
  EXPECT_EQ(c.At(24, 16), kWhite);  // on the centre side of the chord
  Canvas a(41, 41);
  Arc(a.dc(), 0, 0, 41, 41, 20, 0, 20, 40);  // 12 o'clock to 6 o'clock: the left half
  int left = 0, right = 0;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x)
      if (a.At(x, y) == kBlack) (x < 20 ? left : right)++;
  EXPECT_GT(left, 40);
  EXPECT_LE(right, 2);
}

TEST(Pixels, SetAndGetHonourOriginsAndClip) {
  Canvas c(10, 10);
  SetViewportOrgEx(c.dc(), 3, 2, nullptr);
  SetWindowOrgEx(c.dc(), 1, 1, nullptr);
  EXPECT_EQ(SetPixel(c.dc(), 1, 1, kRed), kRed);
  EXPECT_EQ(c.At(3, 2), kRed);
  EXPECT_EQ(GetPixel(c.dc(), 1, 1), kRed);
  EXPECT_EQ(GetPixel(c.dc(), 100, 1), CLR_INVALID);
  SetViewportOrgEx(c.dc(), 0, 0, nullptr);
  SetWindowOrgEx(c.dc(), 0, 0, nullptr);
  IntersectClipRect(c.dc(), 0, 0, 5, 5);
  EXPECT_EQ(SetPixel(c.dc(), 6, 6, kRed), CLR_INVALID);
  EXPECT_EQ(GetPixel(c.dc(), 6, 6), CLR_INVALID);
}

TEST(FloodFill, BorderAndSurfaceModes) {
  Canvas c(10, 10);
  PenBrush pb(c.dc(), Pen(PS_SOLID, 1), nullptr);
  Rectangle(c.dc(), 2, 2, 8, 8);
  HBRUSH red = Red();
  HGDIOBJ old = SelectObject(c.dc(), red);
  EXPECT_TRUE(ExtFloodFill(c.dc(), 4, 4, kBlack, FLOODFILLBORDER));
  EXPECT_EQ(c.Count(kRed), 16);
  SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(ExtFloodFill(c.dc(), 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(c.Count(kWhite), 0);
  EXPECT_EQ(c.Count(kRed), 16);
  EXPECT_FALSE(ExtFloodFill(c.dc(), 4, 4, kRed, FLOODFILLBORDER));  // starts on the border
  SelectObject(c.dc(), old);
  DeleteObject(red);
}

TEST(Brushes, PatternsAndTransparentHatches) {
  Canvas c(8, 8, kBlue);
  RECT r{0, 0, 8, 8};
  // A monochrome pattern: 0 bits take the text colour, 1 bits the background colour.
  const BYTE rows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
  HBITMAP pat = CreateBitmap(8, 8, 1, 1, rows);
  HBRUSH pb = CreatePatternBrush(pat);
  SetTextColor(c.dc(), kRed);
  SetBkColor(c.dc(), kBlack);
  FillRect(c.dc(), &r, pb);
  EXPECT_EQ(c.At(0, 0), kBlack);
  EXPECT_EQ(c.At(1, 0), kRed);
  EXPECT_EQ(c.Count(kRed), 32);
  // A transparent hatch paints its lines only.
  c.Fill(kBlue);
  HBRUSH h = CreateHatchBrush(HS_VERTICAL, kBlack);
  SetBkMode(c.dc(), TRANSPARENT);
  FillRect(c.dc(), &r, h);
  EXPECT_EQ(c.Count(kBlack), 8);
  EXPECT_EQ(c.Count(kBlue), 56);
  for (HGDIOBJ o : {HGDIOBJ(h), HGDIOBJ(pb), HGDIOBJ(pat)}) DeleteObject(o);
}

TEST(Paths, RegionsWideningStrokingAndFlattenedCurves) {
  Canvas c(50, 50);
  BeginPath(c.dc());
  POINT quad[] = {{2, 2}, {12, 2}, {12, 10}, {2, 10}};
  Polygon(c.dc(), quad, 4);
  EndPath(c.dc());
  HRGN rgn = PathToRegion(c.dc());
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(2, 2, 12, 10));
  DeleteObject(rgn);
  EXPECT_EQ(PathToRegion(c.dc()), nullptr);  // the path is used up
  {
    PenBrush pb(c.dc(), Pen(PS_SOLID, 5), nullptr);
    BeginPath(c.dc());
    Line(c.dc(), 4, 10, 16, 10);
    EndPath(c.dc());
    ASSERT_TRUE(WidenPath(c.dc()));
    rgn = PathToRegion(c.dc());
    for (int y = 6; y <= 14; ++y) EXPECT_EQ(PtInRegion(rgn, 10, y), y >= 8 && y <= 12) << y;
    DeleteObject(rgn);
  }
  PenBrush pb(c.dc(), Pen(PS_SOLID, 1), Red());
  BeginPath(c.dc());
  Rectangle(c.dc(), 2, 2, 8, 8);
  EndPath(c.dc());
  EXPECT_EQ(c.Count(kWhite), 2500);  // recording draws nothing
  EXPECT_TRUE(StrokeAndFillPath(c.dc()));
  EXPECT_EQ(c.At(7, 7), kBlack);
  EXPECT_EQ(c.At(4, 4), kRed);
  EXPECT_EQ(c.At(8, 8), kWhite);
  EXPECT_FALSE(StrokePath(c.dc()));
  BeginPath(c.dc());
  Arc(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);
  EndPath(c.dc());
  const int n = GetPath(c.dc(), nullptr, nullptr, 0);
  ASSERT_GT(n, 4);
  std::vector<POINT> pts(n);
  std::vector<BYTE> types(n);
  GetPath(c.dc(), pts.data(), types.data(), n);
  EXPECT_EQ(pts.front(), Point(40, 20));  // counter-clockwise from 3 o'clock ...
  EXPECT_EQ(pts.back(), Point(20, 0));    // ... to 12 o'clock
  EXPECT_TRUE(pts[n / 2].Y < 20 && pts[n / 2].X > 20);
  EXPECT_EQ(types[0], PT_MOVETO);
  AbortPath(c.dc());
}

TEST(Robustness, HugeCoordinatesDrawOnlyTheVisiblePart) {
  Canvas c(10, 10);
  Line(c.dc(), -2000000000, 5, 2000000000, 5);
  EXPECT_EQ(c.Count(kBlack), 10);
  PenBrush pb(c.dc(), Pen(PS_SOLID, 1), Red());
  POINT tri[] = {{-1000000000, -1000000000}, {2000000000, -1000000000}, {-1000000000, 2000000000}};
  const std::function<void(HDC)> draws[] = {
      [](HDC dc) { Ellipse(dc, -1000000000, -1000000000, 1000000000, 1000000000); },
      [&](HDC dc) { Polygon(dc, tri, 3); },
      [](HDC dc) { Rectangle(dc, INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2); },
      [](HDC dc) { Pie(dc, -1000000000, -1000000000, 1000000000, 1000000000, -5, 0, 0, -5); }};
  for (const auto& draw : draws) {
    c.Fill(kWhite);
    draw(c.dc());
    EXPECT_EQ(c.Count(kRed), 100);
  }
  HRGN big = CreateEllipticRgn(-2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_NE(big, nullptr);  // converted only partly, but quickly
  DeleteObject(big);
}

// Dashes keep their phase where clipping leaves out the start of a line, across the corners
// of a polyline, and through a clip of several rectangles.
TEST(Robustness, ClippedDashesKeepTheirPhase) {
  Canvas full(100, 4), clipped(100, 4);
  for (Canvas* c : {&full, &clipped}) {
    PenBrush pb(c->dc(), Pen(PS_DASHDOT, 1), nullptr);
    SetBkMode(c->dc(), TRANSPARENT);
    if (c == &clipped) {
      IntersectClipRect(c->dc(), 50, 0, 100, 4);
      ExcludeClipRect(c->dc(), 70, 1, 80, 3);
    }
    POINT pts[] = {{-37, 0}, {99, 0}, {99, 3}, {-20, 3}};
    Polyline(c->dc(), pts, 4);
  }
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool in = x >= 50 && !(x >= 70 && x < 80 && y >= 1 && y < 3);
      EXPECT_EQ(clipped.At(x, y), in ? full.At(x, y) : kWhite) << x << "," << y;
    }
}
