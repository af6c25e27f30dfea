#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"

using namespace win;
using win::gdi::Region;

namespace {
std::vector<RECT> RectsOf(HRGN rgn) {
  const DWORD size = GetRegionData(rgn, 0, nullptr);
  std::vector<char> buf(size);
  auto* data = reinterpret_cast<RGNDATA*>(buf.data());
  EXPECT_EQ(GetRegionData(rgn, size, data), size);
  const RECT* r = reinterpret_cast<const RECT*>(data->Buffer);
  return std::vector<RECT>(r, r + data->rdh.nCount);
}
}  // namespace

TEST(RegionEngine, CombinesRectanglesIntoBands) {
  Region a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15));
  Region u = Region::Combine(a, b, RGN_OR);
  EXPECT_EQ(u.Rects(), (std::vector<TRect>{Rect(0, 0, 10, 5), Rect(0, 5, 15, 10),
                                           Rect(5, 10, 15, 15)}));
  EXPECT_EQ(Region::Combine(a, b, RGN_AND).Rects(), (std::vector<TRect>{Rect(5, 5, 10, 10)}));
  Region x = Region::Combine(a, b, RGN_XOR);
  EXPECT_EQ(x.Rects(), (std::vector<TRect>{Rect(0, 0, 10, 5), Rect(0, 5, 5, 10),
                                           Rect(10, 5, 15, 10), Rect(5, 10, 15, 15)}));
  Region d = Region::Combine(a, b, RGN_DIFF);
  EXPECT_EQ(d.Rects(), (std::vector<TRect>{Rect(0, 0, 10, 5), Rect(0, 5, 5, 10)}));
  EXPECT_EQ(d.Bounds(), Rect(0, 0, 10, 10));
  // Touching rectangles merge.
  Region m = Region::Combine(Region(Rect(0, 0, 5, 5)), Region(Rect(5, 0, 10, 5)), RGN_OR);
  EXPECT_EQ(m.Rects(), (std::vector<TRect>{Rect(0, 0, 10, 5)}));
  Region v = Region::Combine(Region(Rect(0, 0, 5, 5)), Region(Rect(0, 5, 5, 9)), RGN_OR);
  EXPECT_EQ(v.Rects(), (std::vector<TRect>{Rect(0, 0, 5, 9)}));
}

TEST(RegionEngine, FromOverlappingRectsIsTheirUnion) {
  Region r = Region::FromRects({Rect(0, 0, 4, 4), Rect(2, 2, 6, 6), Rect(0, 0, 0, 9)});
  for (int y = -1; y < 8; ++y)
    for (int x = -1; x < 8; ++x) {
      const bool in = (x >= 0 && x < 4 && y >= 0 && y < 4) || (x >= 2 && x < 6 && y >= 2 && y < 6);
      EXPECT_EQ(r.Contains(x, y), in) << x << "," << y;
    }
}

TEST(Regions, CombineRgnReportsComplexity) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(20, 0, 30, 10);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_EQ(CombineRgn(d, a, a, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, b, 99), ERROR);
  RECT box;
  CombineRgn(d, a, b, RGN_XOR);
  EXPECT_EQ(GetRgnBox(d, &box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(0, 0, 30, 10));
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(d);
}

TEST(Regions, DataRoundTripKeepsTheRectangles) {
  HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateEllipticRgn(5, 5, 25, 19);
  CombineRgn(a, a, b, RGN_XOR);
  const std::vector<RECT> rects = RectsOf(a);
  ASSERT_GT(rects.size(), 4u);
  const DWORD size = GetRegionData(a, 0, nullptr);
  std::vector<char> buf(size);
  GetRegionData(a, size, reinterpret_cast<RGNDATA*>(buf.data()));
  HRGN c = ExtCreateRegion(nullptr, size, reinterpret_cast<RGNDATA*>(buf.data()));
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(EqualRgn(a, c));
  EXPECT_EQ(RectsOf(c), rects);
  // A buffer too small is refused; a count beyond the buffer is refused.
  EXPECT_EQ(GetRegionData(a, size - 1, reinterpret_cast<RGNDATA*>(buf.data())), 0u);
  reinterpret_cast<RGNDATA*>(buf.data())->rdh.nCount = 1000000;
  EXPECT_EQ(ExtCreateRegion(nullptr, size, reinterpret_cast<RGNDATA*>(buf.data())), nullptr);
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(c);
}

TEST(RegionEngine, RandomCombinationsMatchPixelSets) {
  std::srand(17);
  auto randomRegion = [] {
    std::vector<TRect> rs;
    const int n = 1 + std::rand() % 5;
    for (int i = 0; i < n; ++i) {
      const int l = std::rand() % 20, t = std::rand() % 20;
      rs.push_back(Rect(l, t, l + 1 + std::rand() % 8, t + 1 + std::rand() % 8));
    }
    return Region::FromRects(rs);
  };
  for (int round = 0; round < 200; ++round) {
    const Region a = randomRegion(), b = randomRegion();
    for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
      const Region r = Region::Combine(a, b, mode);
      for (int y = -1; y < 30; ++y)
        for (int x = -1; x < 30; ++x) {
          const bool pa = a.Contains(x, y), pb = b.Contains(x, y);
          bool want = false;
          switch (mode) {
            case RGN_AND: want = pa && pb; break;
            case RGN_OR: want = pa || pb; break;
            case RGN_XOR: want = pa != pb; break;
            case RGN_DIFF: want = pa && !pb; break;
            default: want = pa;
          }
          ASSERT_EQ(r.Contains(x, y), want) << "mode " << mode << " at " << x << "," << y;
        }
      // Canonical form: sorted bands of disjoint, non-touching spans, and no two touching
      // bands with the same spans; equal pixel sets compare equal.
      const auto& rects = r.Rects();
      for (size_t i = 1; i < rects.size(); ++i) {
        const TRect &p = rects[i - 1], &q = rects[i];
        ASSERT_TRUE(p.Top < q.Top || (p.Top == q.Top && p.Bottom == q.Bottom && p.Right < q.Left));
      }
      EXPECT_EQ(Region::FromRects(rects), r);
    }
  }
}

TEST(Regions, ShapesStayInsideTheirBoxAndAreSymmetric) {
  HRGN e = CreateEllipticRgn(0, 0, 21, 13);
  HRGN rr = CreateRoundRectRgn(0, 0, 21, 13, 8, 6);
  for (HRGN h : {e, rr}) {
    RECT box;
    EXPECT_EQ(GetRgnBox(h, &box), COMPLEXREGION);
    EXPECT_EQ(box, Rect(0, 0, 21, 13));
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 21; ++x) {
        EXPECT_EQ(PtInRegion(h, x, y), PtInRegion(h, 20 - x, y));
        EXPECT_EQ(PtInRegion(h, x, y), PtInRegion(h, x, 12 - y));
      }
    EXPECT_TRUE(PtInRegion(h, 10, 6));
    EXPECT_FALSE(PtInRegion(h, 0, 0));
  }
  // The rounded rectangle holds more than the ellipse, and all of it.
  HRGN diff = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(diff, e, rr, RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(diff, rr, e, RGN_DIFF), COMPLEXREGION);
  // Degenerate boxes give empty regions; swapped corners are put in order.
  HRGN flat = CreateEllipticRgn(5, 5, 5, 20);
  RECT box;
  EXPECT_EQ(GetRgnBox(flat, &box), NULLREGION);
  HRGN swapped = CreateRectRgn(10, 10, 0, 0);
  EXPECT_EQ(GetRgnBox(swapped, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(0, 0, 10, 10));
  for (HRGN h : {e, rr, diff, flat, swapped}) DeleteObject(h);
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
  EXPECT_EQ(CombineRgn(r, s, nullptr, RGN_OR), ERROR);
  POINT poly[] = {{0, 0}, {4, 0}};
  EXPECT_EQ(CreatePolygonRgn(poly, 2, 3), nullptr);
  INT counts[] = {1};
  EXPECT_EQ(CreatePolyPolygonRgn(poly, counts, 1, ALTERNATE), nullptr);
  DeleteObject(r);
  DeleteObject(s);
}

TEST(Regions, PolyPolygonNestingFollowsTheFillMode) {
  // Two squares, the inner one wound the same way as the outer.
  POINT pts[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {7, 3}, {7, 7}, {3, 7}};
  INT counts[] = {4, 4};
  HRGN alt = CreatePolyPolygonRgn(pts, counts, 2, ALTERNATE);
  HRGN wind = CreatePolyPolygonRgn(pts, counts, 2, WINDING);
  EXPECT_FALSE(PtInRegion(alt, 5, 5));
  EXPECT_TRUE(PtInRegion(alt, 1, 1));
  EXPECT_TRUE(PtInRegion(wind, 5, 5));
  RECT box;
  EXPECT_EQ(GetRgnBox(wind, &box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(0, 0, 10, 10));
  // Reversing the inner square makes a hole in both modes.
  POINT rev[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {3, 7}, {7, 7}, {7, 3}};
  HRGN wind2 = CreatePolyPolygonRgn(rev, counts, 2, WINDING);
  EXPECT_FALSE(PtInRegion(wind2, 5, 5));
  DeleteObject(alt);
  DeleteObject(wind);
  DeleteObject(wind2);
}
