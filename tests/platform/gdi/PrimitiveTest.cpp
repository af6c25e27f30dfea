#include <gtest/gtest.h>

#include <cmath>

#include "platform/gdi/Gdi.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

namespace {
const std::map<COLORREF, char> kBW = {{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kBlue, 'b'}};

struct PenBrush {
  PenBrush(HDC dc, HPEN pen, HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
    oldPen_ = SelectObject(dc, pen ? pen : GetStockObject(NULL_PEN));
    oldBrush_ = SelectObject(dc, brush ? brush : GetStockObject(NULL_BRUSH));
  }
  ~PenBrush() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    if (pen_) DeleteObject(pen_);
    if (brush_) DeleteObject(brush_);
  }
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ oldPen_, oldBrush_;
};
}  // namespace

TEST(Rectangles, FillRectExcludesRightAndBottom) {
  Canvas c(6, 5);
  RECT r{1, 1, 4, 3};
  HBRUSH b = CreateSolidBrush(kBlack);
  FillRect(c.dc(), &r, b);
  EXPECT_EQ(c.Map(kBW), Rows({"......", ".###..", ".###..", "......", "......"}));
  // An inverted rectangle paints nothing; a system colour index + 1 works as a brush.
  RECT inv{4, 3, 1, 1};
  FillRect(c.dc(), &inv, b);
  EXPECT_EQ(c.Count(kBlack), 6);
  RECT one{0, 0, 1, 1};
  FillRect(c.dc(), &one, reinterpret_cast<HBRUSH>(uintptr_t(COLOR_WINDOWTEXT + 1)));
  EXPECT_EQ(c.At(0, 0), kBlack);
  DeleteObject(b);
}

TEST(Rectangles, RectangleOutlineAndFill) {
  Canvas c(7, 6);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 1, 1, 6, 5);
  }
  EXPECT_EQ(c.Map(kBW), Rows({".......", ".#####.", ".#rrr#.", ".#rrr#.", ".#####.", "......."}));
  // Without a pen the brush fills one pixel less to the right and bottom.
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), nullptr, CreateSolidBrush(kRed));
    Rectangle(c.dc(), 1, 1, 6, 5);
  }
  EXPECT_EQ(c.Map(kBW), Rows({".......", ".rrrr..", ".rrrr..", ".rrrr..", ".......", "......."}));
}

TEST(Rectangles, WidePensCentreOnTheOutlineAndInsideFrameShrinks) {
  Canvas c(12, 12);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 3, kBlack), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 2, 2, 10, 10);
  }
  // Outline path from 2 to 9: the three-pixel pen covers 1..10.
  EXPECT_EQ(c.Map(kBW), Rows({"............", ".##########.", ".##########.", ".##########.",
                              ".###rrrr###.", ".###rrrr###.", ".###rrrr###.", ".###rrrr###.",
                              ".##########.", ".##########.", ".##########.", "............"}));
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), CreatePen(PS_INSIDEFRAME, 3, kBlack), CreateSolidBrush(kRed));
    Rectangle(c.dc(), 2, 2, 10, 10);
  }
  // The pen stays inside 2..9; the brush gets what is left (5..6).
  EXPECT_EQ(c.Map(kBW), Rows({"............", "............", "..########..", "..########..",
                              "..########..", "..###rr###..", "..###rr###..", "..########..",
                              "..########..", "..########..", "............", "............"}));
}

TEST(Lines, LastPointIsNotDrawn) {
  Canvas c(8, 6);
  MoveToEx(c.dc(), 0, 0, nullptr);
  LineTo(c.dc(), 5, 0);  // horizontal
  MoveToEx(c.dc(), 7, 0, nullptr);
  LineTo(c.dc(), 7, 4);  // vertical
  MoveToEx(c.dc(), 0, 1, nullptr);
  LineTo(c.dc(), 4, 5);  // 45 degrees
  EXPECT_EQ(c.Map(kBW), Rows({"#####..#", "#......#", ".#.....#", "..#....#", "...#....", "........"}));
  POINT pos;
  GetCurrentPositionEx(c.dc(), &pos);
  EXPECT_EQ(pos, Point(4, 5));
  // Drawn backwards, the other end is left out.
  c.Fill(kWhite);
  MoveToEx(c.dc(), 5, 2, nullptr);
  LineTo(c.dc(), 0, 2);
  EXPECT_EQ(c.Map(kBW), Rows({"........", "........", ".#####..", "........", "........", "........"}));
}

TEST(Lines, ShallowLinesStepEvenlyAndPolylineJoinsOnce) {
  Canvas c(9, 3);
  MoveToEx(c.dc(), 0, 0, nullptr);
  LineTo(c.dc(), 8, 2);
  // Each row holds four pixels; the line is 8-connected.
  int count = 0;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 9; ++x) count += c.At(x, y) == kBlack;
  EXPECT_EQ(count, 8);
  EXPECT_EQ(c.At(0, 0), kBlack);
  EXPECT_EQ(c.At(8, 2), kWhite);
  // XOR mixing shows a polyline paints each joint once.
  Canvas d(6, 6);
  SetROP2(d.dc(), R2_NOT);
  POINT pts[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}};
  Polyline(d.dc(), pts, 5);
  EXPECT_EQ(d.Map(kBW), Rows({"#####.", "#...#.", "#...#.", "#...#.", "#####.", "......"}));
}

TEST(Lines, WidePensHaveRoundCapsCentredOnThePath) {
  Canvas c(12, 9);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 3, kBlack), nullptr);
    MoveToEx(c.dc(), 2, 4, nullptr);
    LineTo(c.dc(), 8, 4);
  }
  EXPECT_EQ(c.Map(kBW), Rows({"............", "............", "............", ".#########..",
                              ".#########..", ".#########..", "............", "............",
                              "............"}));
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 2, kBlack), nullptr);
    MoveToEx(c.dc(), 2, 4, nullptr);
    LineTo(c.dc(), 8, 4);
  }
  // Even widths centre on the pixel corner: two rows, symmetric about x = 5.
  EXPECT_EQ(c.Map(kBW), Rows({"............", "............", "............", ".########...",
                              ".########...", "............", "............", "............",
                              "............"}));
  // A wide diagonal keeps its width symmetric about the path.
  Canvas d(21, 21);
  {
    PenBrush pb(d.dc(), CreatePen(PS_SOLID, 5, kBlack), nullptr);
    MoveToEx(d.dc(), 4, 4, nullptr);
    LineTo(d.dc(), 16, 16);
  }
  for (int y = 0; y < 21; ++y)
    for (int x = 0; x < 21; ++x) EXPECT_EQ(d.At(x, y), d.At(y, x)) << x << "," << y;
  EXPECT_EQ(d.At(10, 10), kBlack);
  EXPECT_EQ(d.At(11, 9), kBlack);  // 1.4 px from the path
  EXPECT_EQ(d.At(12, 8), kWhite);  // 2.8 px from it
}

TEST(Lines, StyledPensAlternateAndHonourTheBackgroundMode) {
  Canvas c(30, 2);
  {
    PenBrush pb(c.dc(), CreatePen(PS_DOT, 1, kBlack), nullptr);
    SetBkMode(c.dc(), TRANSPARENT);
    MoveToEx(c.dc(), 0, 0, nullptr);
    LineTo(c.dc(), 12, 0);
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), kRed);
    MoveToEx(c.dc(), 0, 1, nullptr);
    LineTo(c.dc(), 12, 1);
  }
  EXPECT_EQ(c.Map(kBW), Rows({"###...###.....................", "###rrr###rrr.................."}));
  // Styles exist only one pixel wide: a wide dashed pen draws solid.
  HPEN wide = CreatePen(PS_DASH, 3, kBlack);
  LOGPEN lp;
  ASSERT_EQ(GetObject(wide, sizeof lp, &lp), int(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, PS_SOLID);
  EXPECT_EQ(lp.lopnWidth.X, 3);
  DeleteObject(wide);
}

TEST(Polygons, EdgesFollowTheFillRules) {
  Canvas c(8, 7);
  POINT square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  {
    PenBrush pb(c.dc(), nullptr, CreateSolidBrush(kBlack));
    Polygon(c.dc(), square, 4);
  }
  EXPECT_EQ(c.Map(kBW), Rows({"........", ".####...", ".####...", ".####...", "........", "........",
                              "........"}));
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Polygon(c.dc(), square, 4);
  }
  // The outline runs through the vertices themselves.
  EXPECT_EQ(c.Map(kBW), Rows({"........", ".#####..", ".#rrr#..", ".#rrr#..", ".#####..", "........",
                              "........"}));
}

TEST(Polygons, AlternateAndWindingDifferInTheStarsCentre) {
  // A five-pointed star drawn in one stroke.
  POINT star[5];
  for (int i = 0; i < 5; ++i) {
    const double a = -M_PI / 2 + i * 4 * M_PI / 5;
    star[i] = {int(std::lround(20 + 18 * std::cos(a))), int(std::lround(20 + 18 * std::sin(a)))};
  }
  Canvas alt(40, 40), wind(40, 40);
  for (Canvas* c : {&alt, &wind}) {
    PenBrush pb(c->dc(), nullptr, CreateSolidBrush(kBlack));
    SetPolyFillMode(c->dc(), c == &alt ? ALTERNATE : WINDING);
    Polygon(c->dc(), star, 5);
  }
  EXPECT_EQ(alt.At(20, 20), kWhite);
  EXPECT_EQ(wind.At(20, 20), kBlack);
  // The points themselves are filled in both modes.
  EXPECT_EQ(alt.At(20, 8), kBlack);
  EXPECT_EQ(wind.At(20, 8), kBlack);
  // The same rules in regions.
  HRGN ra = CreatePolygonRgn(star, 5, ALTERNATE), rw = CreatePolygonRgn(star, 5, WINDING);
  EXPECT_FALSE(PtInRegion(ra, 20, 20));
  EXPECT_TRUE(PtInRegion(rw, 20, 20));
  DeleteObject(ra);
  DeleteObject(rw);
}

TEST(Curves, EllipseIsSymmetricAndStaysInItsBox) {
  Canvas c(25, 19);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Ellipse(c.dc(), 2, 2, 23, 17);
  }
  int minX = 99, maxX = -1, minY = 99, maxY = -1;
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 25; ++x) {
      const COLORREF p = c.At(x, y);
      EXPECT_EQ(p, c.At(24 - x, y)) << x << "," << y;  // mirror about x = 12
      EXPECT_EQ(p, c.At(x, 18 - y)) << x << "," << y;  // mirror about y = 9
      if (p != kWhite) {
        minX = std::min(minX, x); maxX = std::max(maxX, x);
        minY = std::min(minY, y); maxY = std::max(maxY, y);
      }
    }
  EXPECT_EQ(minX, 2);
  EXPECT_EQ(maxX, 22);
  EXPECT_EQ(minY, 2);
  EXPECT_EQ(maxY, 16);
  EXPECT_EQ(c.At(12, 9), kRed);
  EXPECT_EQ(c.At(2, 9), kBlack);
  EXPECT_EQ(c.At(2, 2), kWhite);  // corners stay outside
  // Every row of the outline is closed: no gaps between outline and fill.
  for (int y = 3; y < 16; ++y) {
    int x = 0;
    while (c.At(x, y) == kWhite) ++x;
    EXPECT_EQ(c.At(x, y), kBlack);
  }
}

TEST(Curves, PieAndArcRunCounterClockwiseFromStartToEnd) {
  Canvas c(41, 41);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Pie(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);  // from 3 o'clock to 12 o'clock
  }
  EXPECT_EQ(c.At(28, 12), kRed);   // top-right quarter
  EXPECT_EQ(c.At(12, 12), kWhite);
  EXPECT_EQ(c.At(12, 28), kWhite);
  EXPECT_EQ(c.At(28, 28), kWhite);
  // Clockwise direction takes the other three quarters.
  c.Fill(kWhite);
  SetArcDirection(c.dc(), AD_CLOCKWISE);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Pie(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);
  }
  EXPECT_EQ(c.At(28, 12), kWhite);
  EXPECT_EQ(c.At(12, 12), kRed);
  EXPECT_EQ(c.At(28, 28), kRed);
  SetArcDirection(c.dc(), AD_COUNTERCLOCKWISE);
  // An arc from 12 o'clock to 6 o'clock covers the left half only.
  c.Fill(kWhite);
  Arc(c.dc(), 0, 0, 41, 41, 20, 0, 20, 40);
  int left = 0, right = 0;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x)
      if (c.At(x, y) == kBlack) (x < 20 ? left : right)++;
  EXPECT_GT(left, 40);
  EXPECT_LE(right, 2);
  // A chord fills the segment cut off by the line between the arc's ends.
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Chord(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);
  }
  EXPECT_EQ(c.At(32, 8), kRed);
  EXPECT_EQ(c.At(24, 16), kWhite);  // on the centre side of the chord
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
  EXPECT_EQ(c.At(6, 6), kWhite);
  EXPECT_EQ(GetPixel(c.dc(), 6, 6), CLR_INVALID);
}

TEST(FloodFill, BorderAndSurfaceModes) {
  Canvas c(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ old = SelectObject(c.dc(), red);
  Rectangle(c.dc(), 2, 2, 8, 8);  // black outline, red inside already
  RECT inner{3, 3, 7, 7};
  FillRect(c.dc(), &inner, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  EXPECT_TRUE(ExtFloodFill(c.dc(), 4, 4, kBlack, FLOODFILLBORDER));
  EXPECT_EQ(c.Count(kRed), 16);
  EXPECT_EQ(c.At(1, 1), kWhite);
  // Surface mode replaces the connected area of one colour.
  SelectObject(c.dc(), GetStockObject(BLACK_BRUSH));
  EXPECT_TRUE(ExtFloodFill(c.dc(), 0, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(c.Count(kWhite), 0);
  EXPECT_EQ(c.Count(kRed), 16);
  // Starting on the border colour fails.
  EXPECT_FALSE(ExtFloodFill(c.dc(), 4, 4, kRed, FLOODFILLBORDER));
  SelectObject(c.dc(), old);
  DeleteObject(red);
}

TEST(FocusRect, TogglesEveryOtherPixelAndUndoesItself) {
  Canvas c(7, 5);
  RECT r{1, 1, 6, 5};
  DrawFocusRect(c.dc(), &r);
  EXPECT_EQ(c.Map(kBW), Rows({".......", ".#.#.#.", ".......", ".#...#.", "..#.#.."}));
  DrawFocusRect(c.dc(), &r);
  EXPECT_EQ(c.Count(kWhite), 35);
}

TEST(Brushes, HatchesAndPatternsFollowTheBrushOrigin) {
  Canvas c(8, 8);
  HBRUSH h = CreateHatchBrush(HS_VERTICAL, kBlack);
  RECT r{0, 0, 8, 8};
  FillRect(c.dc(), &r, h);
  int col = -1;
  for (int x = 0; x < 8; ++x)
    if (c.At(x, 3) == kBlack) col = x;
  ASSERT_GE(col, 0);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(c.At(col, y), kBlack);
  EXPECT_EQ(c.Count(kBlack), 8);
  // Shifting the brush origin shifts the hatch.
  c.Fill(kWhite);
  SetBrushOrgEx(c.dc(), 2, 0, nullptr);
  FillRect(c.dc(), &r, h);
  EXPECT_EQ(c.At((col + 2) % 8, 0), kBlack);
  SetBrushOrgEx(c.dc(), 0, 0, nullptr);
  DeleteObject(h);
  // An 8x8 checker pattern from a monochrome bitmap: 0 bits take the text colour, 1 bits the
  // background colour.
  const BYTE rows[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
  HBITMAP pat = CreateBitmap(8, 8, 1, 1, rows);
  HBRUSH pb = CreatePatternBrush(pat);
  SetTextColor(c.dc(), kRed);
  SetBkColor(c.dc(), kBlue);
  FillRect(c.dc(), &r, pb);
  EXPECT_EQ(c.At(0, 0), kBlue);  // bit 7 of 0xAA is set
  EXPECT_EQ(c.At(1, 0), kRed);
  EXPECT_EQ(c.At(0, 1), kRed);
  EXPECT_EQ(c.Count(kRed), 32);
  DeleteObject(pb);
  DeleteObject(pat);
}

TEST(Paths, PathToRegionAndWidenPath) {
  Canvas c(20, 20);
  BeginPath(c.dc());
  MoveToEx(c.dc(), 2, 2, nullptr);
  LineTo(c.dc(), 12, 2);
  LineTo(c.dc(), 12, 10);
  LineTo(c.dc(), 2, 10);
  CloseFigure(c.dc());
  EndPath(c.dc());
  HRGN rgn = PathToRegion(c.dc());
  ASSERT_NE(rgn, nullptr);
  RECT box;
  EXPECT_EQ(GetRgnBox(rgn, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(2, 2, 12, 10));
  DeleteObject(rgn);
  EXPECT_EQ(PathToRegion(c.dc()), nullptr);  // the path is used up
  // Widening a single line with a five-pixel pen gives a band around it.
  HPEN pen = CreatePen(PS_SOLID, 5, kBlack);
  HGDIOBJ old = SelectObject(c.dc(), pen);
  BeginPath(c.dc());
  MoveToEx(c.dc(), 4, 10, nullptr);
  LineTo(c.dc(), 16, 10);
  EndPath(c.dc());
  ASSERT_TRUE(WidenPath(c.dc()));
  rgn = PathToRegion(c.dc());
  EXPECT_TRUE(PtInRegion(rgn, 10, 8));
  EXPECT_TRUE(PtInRegion(rgn, 10, 12));
  EXPECT_FALSE(PtInRegion(rgn, 10, 13));
  EXPECT_FALSE(PtInRegion(rgn, 10, 7));
  DeleteObject(rgn);
  SelectObject(c.dc(), old);
  DeleteObject(pen);
}

TEST(Robustness, HugeCoordinatesDrawOnlyTheVisiblePart) {
  Canvas c(10, 10);
  MoveToEx(c.dc(), -2000000000, 5, nullptr);
  LineTo(c.dc(), 2000000000, 5);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(c.At(x, 5), kBlack);
  EXPECT_EQ(c.Count(kBlack), 10);
  c.Fill(kWhite);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    Ellipse(c.dc(), -1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(c.Count(kRed), 100);
    POINT tri[] = {{-1000000000, -1000000000}, {2000000000, -1000000000}, {-1000000000, 2000000000}};
    c.Fill(kWhite);
    Polygon(c.dc(), tri, 3);
    EXPECT_EQ(c.Count(kRed), 100);
    c.Fill(kWhite);
    Rectangle(c.dc(), INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2);
    EXPECT_EQ(c.Count(kRed), 100);
  }
  HRGN big = CreateEllipticRgn(-2000000000, -2000000000, 2000000000, 2000000000);
  EXPECT_NE(big, nullptr);  // converted only partly, but quickly
  DeleteObject(big);
}

TEST(Robustness, ClippedDashesKeepTheirPhase) {
  Canvas full(100, 1), clipped(100, 1);
  for (Canvas* c : {&full, &clipped}) {
    PenBrush pb(c->dc(), CreatePen(PS_DASHDOT, 1, kBlack), nullptr);
    SetBkMode(c->dc(), TRANSPARENT);
    if (c == &clipped) IntersectClipRect(c->dc(), 50, 0, 100, 1);
    MoveToEx(c->dc(), -37, 0, nullptr);
    LineTo(c->dc(), 100, 0);
  }
  for (int x = 50; x < 100; ++x) EXPECT_EQ(full.At(x, 0), clipped.At(x, 0)) << x;
  EXPECT_EQ(clipped.At(49, 0), kWhite);
}

TEST(RegionPainting, FillFramePaintAndInvert) {
  Canvas c(8, 6);
  HRGN rgn = CreateRectRgn(1, 1, 7, 5);
  HBRUSH red = CreateSolidBrush(kRed);
  EXPECT_TRUE(FrameRgn(c.dc(), rgn, red, 2, 1));
  EXPECT_EQ(c.Map(kBW), Rows({"........", ".rrrrrr.", ".rr..rr.", ".rr..rr.", ".rrrrrr.", "........"}));
  EXPECT_TRUE(InvertRgn(c.dc(), rgn));
  EXPECT_EQ(c.Map({{kWhite, '.'}, {kBlack, '#'}, {RGB(0, 255, 255), 'c'}}),
            Rows({"........", ".cccccc.", ".cc##cc.", ".cc##cc.", ".cccccc.", "........"}));
  // Regions are given in logical coordinates.
  c.Fill(kWhite);
  SetViewportOrgEx(c.dc(), 1, 0, nullptr);
  EXPECT_TRUE(FillRgn(c.dc(), rgn, red));
  EXPECT_EQ(c.At(1, 1), kWhite);
  EXPECT_EQ(c.At(2, 1), kRed);
  EXPECT_EQ(c.At(7, 4), kRed);
  SetViewportOrgEx(c.dc(), 0, 0, nullptr);
  c.Fill(kWhite);
  HGDIOBJ old = SelectObject(c.dc(), red);
  SetROP2(c.dc(), R2_NOT);  // PaintRgn mixes the brush with the mix mode
  EXPECT_TRUE(PaintRgn(c.dc(), rgn));
  EXPECT_EQ(c.At(3, 3), kBlack);
  SetROP2(c.dc(), R2_COPYPEN);
  EXPECT_TRUE(PaintRgn(c.dc(), rgn));
  EXPECT_EQ(c.At(3, 3), kRed);
  SelectObject(c.dc(), old);
  EXPECT_FALSE(FillRgn(c.dc(), nullptr, red));
  DeleteObject(red);
  DeleteObject(rgn);
}

TEST(Paths, StrokeAndFillUseThePenAndBrush) {
  Canvas c(10, 10);
  HBRUSH red = CreateSolidBrush(kRed);
  HGDIOBJ old = SelectObject(c.dc(), red);
  BeginPath(c.dc());
  Rectangle(c.dc(), 2, 2, 8, 8);
  EndPath(c.dc());
  EXPECT_EQ(c.Count(kWhite), 100);  // recording draws nothing
  EXPECT_TRUE(StrokeAndFillPath(c.dc()));
  EXPECT_EQ(c.At(2, 2), kBlack);
  EXPECT_EQ(c.At(7, 7), kBlack);
  EXPECT_EQ(c.At(4, 4), kRed);
  EXPECT_EQ(c.At(8, 8), kWhite);
  EXPECT_FALSE(StrokePath(c.dc()));  // the path is gone
  c.Fill(kWhite);
  BeginPath(c.dc());
  POINT tri[] = {{0, 0}, {9, 0}, {0, 9}};
  Polygon(c.dc(), tri, 3);
  EndPath(c.dc());
  POINT pts[3];
  BYTE types[3];
  EXPECT_EQ(GetPath(c.dc(), nullptr, nullptr, 0), 3);
  ASSERT_EQ(GetPath(c.dc(), pts, types, 3), 3);
  EXPECT_EQ(types[0], PT_MOVETO);
  EXPECT_EQ(types[2], PT_LINETO | PT_CLOSEFIGURE);
  EXPECT_EQ(pts[1], Point(9, 0));
  EXPECT_TRUE(FillPath(c.dc()));
  EXPECT_EQ(c.At(1, 1), kRed);
  EXPECT_EQ(c.At(8, 8), kWhite);
  EXPECT_EQ(c.Count(kBlack), 0);
  SelectObject(c.dc(), old);
  DeleteObject(red);
}

TEST(Brushes, HatchBackgroundFollowsTheBackgroundMode) {
  Canvas c(8, 8, kBlue);
  HBRUSH h = CreateHatchBrush(HS_HORIZONTAL, kBlack);
  HGDIOBJ old = SelectObject(c.dc(), h);
  SetBkColor(c.dc(), kRed);
  PatBlt(c.dc(), 0, 0, 8, 8, PATCOPY);
  EXPECT_EQ(c.Count(kBlack), 8);
  EXPECT_EQ(c.Count(kRed), 56);
  c.Fill(kBlue);
  SetBkMode(c.dc(), TRANSPARENT);
  RECT r{0, 0, 8, 8};
  FillRect(c.dc(), &r, h);
  EXPECT_EQ(c.Count(kBlack), 8);
  EXPECT_EQ(c.Count(kBlue), 56);
  SelectObject(c.dc(), old);
  DeleteObject(h);
}

TEST(Curves, RoundRectAndInsideFrameEllipseStayInTheirBox) {
  Canvas c(16, 12);
  {
    PenBrush pb(c.dc(), CreatePen(PS_SOLID, 1, kBlack), CreateSolidBrush(kRed));
    RoundRect(c.dc(), 1, 1, 15, 11, 8, 6);
  }
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) {
      EXPECT_EQ(c.At(x, y), c.At(15 - x, y)) << x << "," << y;
      EXPECT_EQ(c.At(x, y), c.At(x, 11 - y)) << x << "," << y;
      if (x == 0 || y == 0 || x == 15 || y == 11) {
        EXPECT_EQ(c.At(x, y), kWhite);
      }
    }
  EXPECT_EQ(c.At(1, 1), kWhite);  // rounded corner
  EXPECT_EQ(c.At(7, 1), kBlack);  // straight top edge
  EXPECT_EQ(c.At(1, 5), kBlack);  // straight left edge
  EXPECT_EQ(c.At(7, 5), kRed);
  // A wide inside-frame pen keeps the ellipse within the box; a centred one spills over.
  Canvas d(20, 20), e(20, 20);
  {
    PenBrush pb(d.dc(), CreatePen(PS_INSIDEFRAME, 4, kBlack), CreateSolidBrush(kRed));
    Ellipse(d.dc(), 4, 4, 16, 16);
  }
  {
    PenBrush pb(e.dc(), CreatePen(PS_SOLID, 4, kBlack), CreateSolidBrush(kRed));
    Ellipse(e.dc(), 4, 4, 16, 16);
  }
  int outsideD = 0, outsideE = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const bool out = x < 4 || y < 4 || x >= 16 || y >= 16;
      if (out && d.At(x, y) != kWhite) ++outsideD;
      if (out && e.At(x, y) != kWhite) ++outsideE;
    }
  EXPECT_EQ(outsideD, 0);
  EXPECT_GT(outsideE, 0);
  EXPECT_EQ(d.At(10, 10), kRed);
  EXPECT_EQ(d.At(4, 10), kBlack);
}

TEST(Paths, CurvesAreRecordedFlattened) {
  Canvas c(50, 50);
  BeginPath(c.dc());
  Pie(c.dc(), 0, 0, 41, 41, 40, 20, 20, 0);  // the top-right quarter
  EndPath(c.dc());
  HRGN rgn = PathToRegion(c.dc());
  ASSERT_NE(rgn, nullptr);
  EXPECT_TRUE(PtInRegion(rgn, 28, 12));
  EXPECT_FALSE(PtInRegion(rgn, 12, 12));
  EXPECT_FALSE(PtInRegion(rgn, 28, 28));
  DeleteObject(rgn);
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
  EXPECT_LT(pts[n / 2].Y, 20);
  EXPECT_GT(pts[n / 2].X, 20);
  AbortPath(c.dc());
  BeginPath(c.dc());
  RoundRect(c.dc(), 0, 0, 20, 10, 6, 6);
  EndPath(c.dc());
  rgn = PathToRegion(c.dc());
  EXPECT_TRUE(PtInRegion(rgn, 10, 5));
  EXPECT_FALSE(PtInRegion(rgn, 0, 0));
  DeleteObject(rgn);
}
