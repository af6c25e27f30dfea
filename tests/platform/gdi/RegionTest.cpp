#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;
using win::gdi::Region;

namespace {
std::vector<char> DataOf(HRGN rgn) {
  std::vector<char> buf(GetRegionData(rgn, 0, nullptr));
  EXPECT_EQ(GetRegionData(rgn, DWORD(buf.size()), reinterpret_cast<RGNDATA*>(buf.data())), buf.size());
  return buf;
}
RECT Box(HRGN rgn, int* kind = nullptr) {
  RECT box{};
  const int k = GetRgnBox(rgn, &box);
  if (kind) *kind = k;
  return box;
}
}  // namespace

TEST(RegionEngine, CombinesRectanglesIntoBands) {
  using V = std::vector<TRect>;
  const Region a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15));
  EXPECT_EQ(Region::Combine(a, b, RGN_OR).Rects(), (V{Rect(0, 0, 10, 5), Rect(0, 5, 15, 10), Rect(5, 10, 15, 15)}));
  EXPECT_EQ(Region::Combine(a, b, RGN_AND).Rects(), (V{Rect(5, 5, 10, 10)}));
  EXPECT_EQ(Region::Combine(a, b, RGN_XOR).Rects(),
            (V{Rect(0, 0, 10, 5), Rect(0, 5, 5, 10), Rect(10, 5, 15, 10), Rect(5, 10, 15, 15)}));
  const Region d = Region::Combine(a, b, RGN_DIFF);
  EXPECT_EQ(d.Rects(), (V{Rect(0, 0, 10, 5), Rect(0, 5, 5, 10)}));
  EXPECT_EQ(d.Bounds(), Rect(0, 0, 10, 10));
  // Touching rectangles merge across and down; a gap between bands keeps them apart.
  EXPECT_EQ(Region::Combine(Region(Rect(0, 0, 5, 5)), Region(Rect(5, 0, 10, 5)), RGN_OR).Rects(), (V{Rect(0, 0, 10, 5)}));
  EXPECT_EQ(Region::Combine(Region(Rect(0, 0, 5, 5)), Region(Rect(0, 5, 5, 9)), RGN_OR).Rects(), (V{Rect(0, 0, 5, 9)}));
  EXPECT_EQ(Region::Combine(Region(Rect(0, 0, 5, 5)), Region(Rect(0, 6, 5, 9)), RGN_OR).Rects(),
            (V{Rect(0, 0, 5, 5), Rect(0, 6, 5, 9)}));
}

// Random combinations against pixel sets, and the canonical form: sorted bands of disjoint,
// non-touching spans, no two touching bands with the same spans.
TEST(RegionEngine, RandomCombinationsMatchPixelSets) {
  std::srand(17);
  auto randomRegion = [] {
    std::vector<TRect> rs;
    for (int i = 0, n = 1 + std::rand() % 5; i < n; ++i) {
      const int l = std::rand() % 20, t = std::rand() % 20;
      rs.push_back(Rect(l, t, l + 1 + std::rand() % 8, t + 1 + std::rand() % 8));
    }
    if (std::rand() % 4 == 0) rs.push_back(Rect(3, 3, 3, 9));  // empty ones are dropped
    return Region::FromRects(rs);
  };
  for (int round = 0; round < 200; ++round) {
    const Region a = randomRegion(), b = randomRegion();
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
      const Region r = Region::Combine(a, b, mode);
      for (int y = -1; y < 30; ++y)
        for (int x = -1; x < 30; ++x) {
          const bool pa = a.Contains(x, y), pb = b.Contains(x, y);
          const bool want[] = {pa && pb, pa || pb, pa != pb, pa && !pb, pa};  // AND .. COPY
          ASSERT_EQ(r.Contains(x, y), want[mode - RGN_AND]) << "mode " << mode << " at " << x << "," << y;
        }
      const auto& rects = r.Rects();
      for (size_t i = 1; i < rects.size(); ++i) {
        const TRect &p = rects[i - 1], &q = rects[i];
        ASSERT_TRUE(p.Top < q.Top || (p.Top == q.Top && p.Bottom == q.Bottom && p.Right < q.Left));
      }
      EXPECT_EQ(Region::FromRects(rects), r);
      EXPECT_EQ(r.Intersects(Rect(-5, -5, 40, 40)), !r.IsEmpty());
    }
  }
}

TEST(Regions, CombineRgnReportsComplexity) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(20, 0, 30, 10), d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, 99), ERROR);
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_OR), ERROR);
  CombineRgn(d, a, b, RGN_XOR);
  int kind;
  EXPECT_EQ(Box(d, &kind), Rect(0, 0, 30, 10));
  EXPECT_EQ(kind, COMPLEXREGION);
  for (HRGN h : {a, b, d}) DeleteObject(h);
}

TEST(Regions, DataRoundTripKeepsTheRectangles) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateEllipticRgn(5, 5, 25, 19);
  CombineRgn(a, a, b, RGN_XOR);
  std::vector<char> buf = DataOf(a);
  auto* data = reinterpret_cast<RGNDATA*>(buf.data());
  ASSERT_GT(data->rdh.nCount, 4u);
  HRGN c = ExtCreateRegion(nullptr, DWORD(buf.size()), data);
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(EqualRgn(a, c));
  EXPECT_EQ(DataOf(c), buf);
  // A buffer too small is refused; a count beyond the buffer is refused.
  EXPECT_EQ(GetRegionData(a, DWORD(buf.size() - 1), data), 0u);
  data->rdh.nCount = 1000000;
  EXPECT_EQ(ExtCreateRegion(nullptr, DWORD(buf.size()), data), nullptr);
  for (HRGN h : {a, b, c}) DeleteObject(h);
}

// A translation moves every rectangle; one the coordinates cannot hold (or no number at all)
// makes no region.
TEST(Regions, DataWithATranslationMovesTheRectanglesOrIsRefused) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 25, 19);
  CombineRgn(a, a, b, RGN_OR);
  std::vector<char> buf = DataOf(a);
  const auto* data = reinterpret_cast<const RGNDATA*>(buf.data());
  struct Case {
    float Dx, Dy;
    bool Made;
  };
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {{7, -3, true},
                        {0, 0, true},
                        {3e9f, 0, false},
                        {0, -3e9f, false},
                        {2147483648.f, 0, false},
                        {inf, 0, false},
                        {0, std::nanf(""), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Dx << ", " << c.Dy);
    XFORM x;
    x.eDx = c.Dx;
    x.eDy = c.Dy;
    HRGN moved = ExtCreateRegion(&x, DWORD(buf.size()), data);
    EXPECT_EQ(moved != nullptr, c.Made);
    if (!moved) continue;
    HRGN expect = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(expect, a, nullptr, RGN_COPY);
    OffsetRgn(expect, int(c.Dx), int(c.Dy));
    EXPECT_TRUE(EqualRgn(moved, expect));
    DeleteObject(moved);
    DeleteObject(expect);
  }
  for (HRGN h : {a, b}) DeleteObject(h);
}

// Elliptic and rounded regions leave out the box's right column and bottom row: they hold
// the pixels Ellipse and RoundRect fill without a pen. Polygon regions hold what Polygon and
// PolyPolygon fill, in both fill modes.
TEST(Regions, ShapesAreOnePixelSmallerThanTheirBox) {
  struct Case {
    HRGN Rgn;
    std::function<void(HDC)> Fill;
  };
  const RECT er{0, 0, 21, 13};
  static const POINT star[] = {{10, 0}, {16, 15}, {1, 5}, {19, 5}, {4, 15}, {2, 2}, {8, 2}, {5, 12}};
  static const INT counts[] = {5, 3};
  const Case cases[] = {
      {CreatePolygonRgn(star, 5, ALTERNATE), [](HDC dc) { Polygon(dc, star, 5); }},
      {CreatePolyPolygonRgn(star, counts, 2, WINDING),
       [](HDC dc) { SetPolyFillMode(dc, WINDING); PolyPolygon(dc, star, counts, 2); }},
      {CreateEllipticRgn(0, 0, 21, 13), [](HDC dc) { Ellipse(dc, 0, 0, 21, 13); }},
      {CreateEllipticRgnIndirect(&er), [](HDC dc) { Ellipse(dc, 0, 0, 21, 13); }},
      {CreateRoundRectRgn(0, 0, 21, 13, 8, 6), [](HDC dc) { RoundRect(dc, 0, 0, 21, 13, 8, 6); }},
      {CreateEllipticRgn(2, 2, 9, 4), [](HDC dc) { Ellipse(dc, 2, 2, 9, 4); }},
  };
  for (const Case& k : cases) {
    Canvas painted(24, 16), filled(24, 16);
    SelectObject(painted.dc(), GetStockObject(BLACK_BRUSH));
    PaintRgn(painted.dc(), k.Rgn);
    {
      PenBrush pb(filled.dc(), nullptr, CreateSolidBrush(kBlack));
      k.Fill(filled.dc());
    }
    EXPECT_EQ(painted.Map({{kWhite, '.'}, {kBlack, '#'}}), filled.Map({{kWhite, '.'}, {kBlack, '#'}}));
    DeleteObject(k.Rgn);
  }
  HRGN e = CreateEllipticRgn(0, 0, 21, 13);
  EXPECT_EQ(Box(e), Rect(0, 0, 20, 12));
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) EXPECT_EQ(PtInRegion(e, x, y), PtInRegion(e, 19 - x, 11 - y)) << x << "," << y;
  HRGN one = CreateRoundRectRgn(3, 3, 4, 9, 2, 2), swapped = CreateRectRgn(10, 10, 0, 0);
  int kind;
  Box(one, &kind);
  EXPECT_EQ(kind, NULLREGION);  // one pixel wide: nothing left
  EXPECT_EQ(Box(swapped, &kind), Rect(0, 0, 10, 10));
  EXPECT_EQ(kind, SIMPLEREGION);
  for (HRGN h : {e, one, swapped}) DeleteObject(h);
}

TEST(Regions, OffsetTestsAndSetRectRgn) {
  HRGN r = CreateRectRgn(0, 0, 4, 4);
  EXPECT_EQ(OffsetRgn(r, 10, 20), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(r, 10, 20));
  EXPECT_FALSE(PtInRegion(r, 14, 20));
  RECT probe{13, 23, 30, 30};
  EXPECT_TRUE(RectInRegion(r, &probe));
  probe = {14, 20, 30, 30};
  EXPECT_FALSE(RectInRegion(r, &probe));
  EXPECT_TRUE(SetRectRgn(r, 1, 1, 2, 2));
  HRGN s = CreateRectRgnIndirect(&probe);
  EXPECT_FALSE(EqualRgn(r, s));
  SetRectRgn(s, 1, 1, 2, 2);
  EXPECT_TRUE(EqualRgn(r, s));
  EXPECT_EQ(OffsetRgn(nullptr, 1, 1), ERROR);
  POINT poly[] = {{0, 0}, {4, 0}};
  EXPECT_EQ(CreatePolygonRgn(poly, 2, 3), nullptr);
  INT counts[] = {1};
  EXPECT_EQ(CreatePolyPolygonRgn(poly, counts, 1, ALTERNATE), nullptr);
  DeleteObject(r);
  DeleteObject(s);
}

TEST(Regions, PolyPolygonNestingFollowsTheFillMode) {
  // Two squares; the inner one wound the same way as the outer, then reversed.
  POINT same[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {7, 3}, {7, 7}, {3, 7}};
  POINT rev[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {3, 7}, {7, 7}, {7, 3}};
  INT counts[] = {4, 4};
  struct Case { POINT* Pts; int Mode; bool Hole; };
  for (const Case& k : {Case{same, ALTERNATE, true}, Case{same, WINDING, false}, Case{rev, WINDING, true}}) {
    HRGN h = CreatePolyPolygonRgn(k.Pts, counts, 2, k.Mode);
    EXPECT_EQ(PtInRegion(h, 5, 5), !k.Hole);
    EXPECT_TRUE(PtInRegion(h, 1, 1));
    EXPECT_EQ(Box(h), Rect(0, 0, 10, 10));
    DeleteObject(h);
  }
}

TEST(RegionPainting, InvertPaintAndFillFollowTheDC) {
  Canvas c(8, 6);
  HRGN rgn = CreateRectRgn(1, 1, 7, 5);
  HBRUSH red = CreateSolidBrush(kRed);
  EXPECT_TRUE(InvertRgn(c.dc(), rgn));
  EXPECT_EQ(c.Count(kBlack), 24);
  c.Fill(kWhite);
  SetViewportOrgEx(c.dc(), 1, 0, nullptr);  // regions are logical coordinates
  EXPECT_TRUE(FillRgn(c.dc(), rgn, red));
  EXPECT_EQ(c.At(1, 1), kWhite);
  EXPECT_EQ(c.At(7, 4), kRed);
  HGDIOBJ old = SelectObject(c.dc(), red);
  SetROP2(c.dc(), R2_NOT);  // PaintRgn mixes the brush with the mix mode
  EXPECT_TRUE(PaintRgn(c.dc(), rgn));
  EXPECT_EQ(c.At(3, 3), RGB(0, 255, 255));
  SelectObject(c.dc(), old);
  EXPECT_FALSE(FillRgn(c.dc(), nullptr, red));
  DeleteObject(red);
  DeleteObject(rgn);
}
