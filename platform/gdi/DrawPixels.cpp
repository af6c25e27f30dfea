// Single pixels and flood fills.
#include <vector>

#include "platform/gdi/DrawInternal.h"

namespace win {

using namespace gdi;

COLORREF SetPixel(HDC h, int x, int y, COLORREF color) {
  ZYL_DRAW_DC(CLR_INVALID);
  const int sx = dc->ToSurfaceX(x), sy = dc->ToSurfaceY(y);
  if (!dc->ClipRegion().Contains(sx, sy)) return CLR_INVALID;
  Surface* s = dc->Target();
  s->Row(sy)[sx] = SurfacePixel(*dc, color);
  s->Touch({sx, sy, sx + 1, sy + 1});
  s->SyncOut();  // answer the colour the bitmap's format keeps
  return PixelToColor(s->Row(sy)[sx]);
}

BOOL SetPixelV(HDC h, int x, int y, COLORREF color) {
  return SetPixel(h, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

COLORREF GetPixel(HDC h, int x, int y) {
  DCObj* dc = LookupDC(h);
  if (!dc || !dc->Target()) return CLR_INVALID;
  const int sx = dc->ToSurfaceX(x), sy = dc->ToSurfaceY(y);
  if (!dc->ClipRegion().Contains(sx, sy)) return CLR_INVALID;
  Surface* s = dc->Target();
  s->SyncIn();
  return PixelToColor(s->Row(sy)[sx]);
}

BOOL ExtFloodFill(HDC h, int x, int y, COLORREF color, UINT type) {
  ZYL_DRAW_DC(FALSE);
  Surface* s = dc->Target();
  const int sx = dc->ToSurfaceX(x), sy = dc->ToSurfaceY(y);
  const Region& clip = dc->ClipRegion();
  if (!clip.Contains(sx, sy)) return FALSE;
  const uint32_t key = ColorToPixel(ResolveColor(dc, color)) & 0xFFFFFF;
  const bool surface = type == FLOODFILLSURFACE;
  auto fillable = [&](int px, int py) {
    if (!clip.Contains(px, py)) return false;
    const uint32_t p = s->Row(py)[px] & 0xFFFFFF;
    return surface ? p == key : p != key;
  };
  if (!fillable(sx, sy)) return FALSE;
  const TRect b = clip.Bounds();
  const int w = b.Right - b.Left;
  std::vector<uint8_t> seen(size_t(w) * size_t(b.Bottom - b.Top), 0);
  auto mark = [&](int px, int py) -> uint8_t& {
    return seen[size_t(py - b.Top) * w + (px - b.Left)];
  };
  std::vector<Region::Span> spans;
  std::vector<POINT> stack{{sx, sy}};
  while (!stack.empty()) {
    POINT p = stack.back();
    stack.pop_back();
    if (mark(p.X, p.Y) || !fillable(p.X, p.Y)) continue;
    int x0 = p.X, x1 = p.X;
    while (x0 - 1 >= b.Left && !mark(x0 - 1, p.Y) && fillable(x0 - 1, p.Y)) --x0;
    while (x1 + 1 < b.Right && !mark(x1 + 1, p.Y) && fillable(x1 + 1, p.Y)) ++x1;
    for (int xx = x0; xx <= x1; ++xx) mark(xx, p.Y) = 1;
    spans.push_back({p.Y, x0, x1 + 1});
    for (int dy : {-1, 1}) {
      const int ny = p.Y + dy;
      if (ny < b.Top || ny >= b.Bottom) continue;
      for (int xx = x0; xx <= x1; ++xx)
        if (!mark(xx, ny) && fillable(xx, ny)) {
          stack.push_back({xx, ny});
          while (xx + 1 <= x1 && fillable(xx + 1, ny)) ++xx;
        }
    }
  }
  FillRegionWithBrush(*dc, Region::FromSpans(std::move(spans)), dc->S.Brush.get(), 0xF0);
  return TRUE;
}

BOOL FloodFill(HDC h, int x, int y, COLORREF color) {
  return ExtFloodFill(h, x, y, color, FLOODFILLBORDER);
}

}  // namespace win
