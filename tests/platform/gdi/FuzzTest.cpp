// Random calls with extreme arguments: nothing may crash, hang or write outside a surface.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

TEST(Robustness, RandomCallsWithExtremeArguments) {
  std::mt19937 rng(std::getenv("ZYL_GDI_FUZZ_SEED") ? unsigned(std::atoi(std::getenv("ZYL_GDI_FUZZ_SEED"))) : 99u);
  auto coord = [&]() -> int {
    switch (rng() % 8) {
      case 0: return INT_MIN;
      case 1: return INT_MAX;
      case 2: return -1000000000;
      case 3: return 1000000000;
      default: return int(rng() % 60) - 10;
    }
  };
  Canvas c(40, 30), src(16, 16);
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
  HPEN pens[] = {CreatePen(PS_SOLID, 1, kRed), CreatePen(PS_DASH, 1, kBlue), CreatePen(PS_SOLID, 7, kBlack),
                 CreatePen(PS_INSIDEFRAME, 3, kGreen), static_cast<HPEN>(GetStockObject(NULL_PEN))};
  HBRUSH brushes[] = {CreateSolidBrush(kRed), CreateHatchBrush(HS_DIAGCROSS, kBlue),
                      static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))};
  const size_t live = gdi::LiveObjectCount();
  for (int i = 0; i < 1200; ++i) {
    HDC dc = c.dc();
    SelectObject(dc, pens[rng() % 5]);
    SelectObject(dc, brushes[rng() % 3]);
    SetROP2(dc, 1 + int(rng() % 16));
    if (rng() % 10 == 0) SetViewportOrgEx(dc, coord(), coord(), nullptr);
    if (rng() % 10 == 0) SetViewportOrgEx(dc, 0, 0, nullptr);
    if (rng() % 15 == 0) IntersectClipRect(dc, coord(), coord(), coord(), coord());
    if (rng() % 15 == 0) SelectClipRgn(dc, nullptr);
    const int a = coord(), b = coord(), cc = coord(), d = coord(), e = coord(), f = coord();
    switch (rng() % 16) {
      case 0: Rectangle(dc, a, b, cc, d); break;
      case 1: Ellipse(dc, a, b, cc, d); break;
      case 2: RoundRect(dc, a, b, cc, d, e, f); break;
      case 3: Pie(dc, a, b, cc, d, e, f, coord(), coord()); break;
      case 4: Chord(dc, a, b, cc, d, e, f, coord(), coord()); break;
      case 5: Arc(dc, a, b, cc, d, e, f, coord(), coord()); break;
      case 6: {
        POINT pts[4] = {{a, b}, {cc, d}, {e, f}, {coord(), coord()}};
        Polygon(dc, pts, 4);
        break;
      }
      case 7: MoveToEx(dc, a, b, nullptr); LineTo(dc, cc, d); break;
      case 8: BitBlt(dc, a, b, cc, d, src.dc(), e, f, DWORD(rng() % 256) << 16); break;
      case 9: StretchBlt(dc, a, b, cc, d, src.dc(), e, f, coord(), coord(), DWORD(rng() % 256) << 16); break;
      case 10: PatBlt(dc, a, b, cc, d, PATINVERT); break;
      case 11: {
        RECT r{a, b, cc, d};
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | (rng() % 2 ? BF_DIAGONAL : 0));
        DrawFrameControl(dc, &r, 1 + rng() % 4, rng() & 0xFFFF);
        DrawFocusRect(dc, &r);
        break;
      }
      case 12: MaskBlt(dc, a, b, cc, d, src.dc(), e, f, mask, coord(), coord(), MAKEROP4(SRCCOPY, PATCOPY)); break;
      case 13: {
        BLENDFUNCTION bf{AC_SRC_OVER, 0, 128, AC_SRC_ALPHA};
        AlphaBlend(dc, a, b, cc, d, src.dc(), 0, 0, 8, 8, bf);
        TransparentBlt(dc, a, b, cc, d, src.dc(), 0, 0, 8, 8, kRed);
        break;
      }
      case 14: {
        TRIVERTEX v[3] = {{a, b, 0xFF00, 0, 0, 0}, {cc, d, 0, 0xFF00, 0, 0}, {e, f, 0, 0, 0xFF00, 0}};
        GRADIENT_TRIANGLE t{0, 1, 2};
        GRADIENT_RECT gr{0, 1};
        GradientFill(dc, v, 3, &t, 1, GRADIENT_FILL_TRIANGLE);
        GradientFill(dc, v, 3, &gr, 1, GRADIENT_FILL_RECT_V);
        break;
      }
      default: {
        HRGN r = CreateRoundRectRgn(a, b, cc, d, e, f);
        FrameRgn(dc, r, brushes[0], int(rng() % 4), int(rng() % 4));
        InvertRgn(dc, r);
        OffsetRgn(r, coord(), coord());
        ExtFloodFill(dc, int(rng() % 40), int(rng() % 30), kRed, rng() % 2);
        DeleteObject(r);
      }
    }
  }
  SelectObject(c.dc(), GetStockObject(BLACK_PEN));
  SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(gdi::LiveObjectCount(), live);
  for (HPEN p : pens) DeleteObject(p);
  for (HBRUSH b : brushes) DeleteObject(b);
  DeleteObject(mask);
}
