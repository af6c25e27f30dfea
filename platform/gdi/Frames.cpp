// System colours and the window manager's painting helpers: FillRect, FrameRect, InvertRect,
// DrawFocusRect, the region painters, DrawEdge and DrawFrameControl.
//
// The colour scheme is the classic grey one (values below): button face, 3D light, scroll bar
// and menu (192,192,192); highlight text and button highlight white; shadow and grey text
// (128,128,128); dark shadow, window frame and texts black; selection and active caption
// (10,36,106) with its gradient (166,202,240); inactive caption (128,128,128) with gradient
// (192,192,192); tooltip background (255,255,225); desktop (58,110,165).
#include <algorithm>
#include <atomic>
#include <cmath>

#include "platform/gdi/GdiPrivate.h"
#include "platform/gdi/SysColorsListener.h"

namespace win::gdi {

namespace {

constexpr COLORREF kClassic[COLOR_COUNT] = {
    RGB(192, 192, 192),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(192, 192, 192),  // COLOR_ACTIVEBORDER
    RGB(192, 192, 192),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(192, 192, 192),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),        // COLOR_3DDKSHADOW
    RGB(192, 192, 192),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    RGB(180, 180, 180),  // 25 (unnamed)
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(192, 192, 192),  // COLOR_MENUBAR
};

struct SysColors {
  COLORREF Colors[COLOR_COUNT];
  std::shared_ptr<BrushObj> Brushes[COLOR_COUNT];
};

SysColors& Sys() {
  static SysColors* s = [] {
    auto* c = new SysColors;
    for (int i = 0; i < COLOR_COUNT; ++i) {
      c->Colors[i] = kClassic[i];
      auto b = std::make_shared<BrushObj>();
      b->Color = kClassic[i];
      b->Stock = true;
      AddObject(b);
      c->Brushes[i] = b;
    }
    return c;
  }();
  return *s;
}

// FillRect and friends accept a system colour index + 1 in place of a brush.
const BrushObj* BrushArg(HBRUSH h) {
  const uintptr_t v = reinterpret_cast<uintptr_t>(h);
  if (v >= 1 && v <= uintptr_t(COLOR_COUNT)) return Sys().Brushes[v - 1].get();
  return LookupBrush(h);
}

TRect SurfaceRect(DCObj& dc, const RECT& r) { return dc.ToSurface(r); }

// Surface <-> logical rectangles without overflow.
TRect Shifted(const TRect& r, int64_t dx, int64_t dy) {
  return {DCObj::Clamp30(r.Left + dx), DCObj::Clamp30(r.Top + dy), DCObj::Clamp30(r.Right + dx),
          DCObj::Clamp30(r.Bottom + dy)};
}

// Paints a surface region in one colour through the clip.
void PaintColor(DCObj& dc, const Region& r, COLORREF c) {
  Surface* s = dc.Target();
  if (!s) return;
  FillRegionPixel(s, Region::Combine(r, dc.ClipRegion(), RGN_AND), SurfacePixel(dc, c), 0xF0);
}
void PaintRect(DCObj& dc, const TRect& r, COLORREF c) {
  if (r.Left < r.Right && r.Top < r.Bottom) PaintColor(dc, Region(r), c);
}
void PaintPixels(DCObj& dc, const std::vector<POINT>& pts, COLORREF c) {
  std::vector<Region::Span> spans;
  for (const POINT& p : pts) spans.push_back({p.Y, p.X, p.X + 1});
  PaintColor(dc, Region::FromSpans(std::move(spans)), c);
}

COLORREF Sc(int i) { return Sys().Colors[i]; }

}  // namespace

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;

DWORD GetSysColor(int index) {
  if (index < 0 || index >= COLOR_COUNT) return 0;
  return Sys().Colors[index];
}

HBRUSH GetSysColorBrush(int index) {
  if (index < 0 || index >= COLOR_COUNT) return nullptr;
  return static_cast<HBRUSH>(Sys().Brushes[index]->Handle);
}

namespace {
std::atomic<void (*)()> sysColorsListener{nullptr};
}  // namespace

void gdi::SetSysColorsListener(void (*listener)()) { sysColorsListener = listener; }

// Changes the colours, then the listener tells every top-level window (WM_SYSCOLORCHANGE, once
// per call).
BOOL SetSysColors(int count, const int* elements, const COLORREF* values) {
  if (count < 0 || (count > 0 && (!elements || !values))) return FALSE;
  for (int i = 0; i < count; ++i) {
    const int e = elements[i];
    if (e < 0 || e >= COLOR_COUNT) continue;
    Sys().Colors[e] = values[i] & 0xFFFFFF;
    Sys().Brushes[e]->Color = values[i] & 0xFFFFFF;
  }
  if (void (*listener)() = sysColorsListener.load()) listener();
  return TRUE;
}

void ResetSysColors() {
  for (int i = 0; i < COLOR_COUNT; ++i) {
    Sys().Colors[i] = kClassic[i];
    Sys().Brushes[i]->Color = kClassic[i];
  }
}

int FillRect(HDC h, const RECT* r, HBRUSH brush) {
  DCObj* dc = LookupDC(h);
  const BrushObj* b = BrushArg(brush);
  if (!dc || !r || !b || !dc->Target()) return 0;
  DrawScope scope(*dc);
  const TRect s = SurfaceRect(*dc, *r);
  if (s.Left < s.Right && s.Top < s.Bottom) FillRegionWithBrush(*dc, Region(s), b, 0xF0);
  return 1;
}

int FrameRect(HDC h, const RECT* r, HBRUSH brush) {
  DCObj* dc = LookupDC(h);
  const BrushObj* b = BrushArg(brush);
  if (!dc || !r || !b || !dc->Target()) return 0;
  DrawScope scope(*dc);
  const TRect s = SurfaceRect(*dc, *r);
  if (s.Left >= s.Right || s.Top >= s.Bottom) return 1;
  const Region frame = Region::Combine(Region(s), Region({s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1}),
                                       RGN_DIFF);
  FillRegionWithBrush(*dc, frame, b, 0xF0);
  return 1;
}

BOOL InvertRect(HDC h, const RECT* r) {
  DCObj* dc = LookupDC(h);
  if (!dc || !r || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  const TRect s = SurfaceRect(*dc, *r);
  if (s.Left < s.Right && s.Top < s.Bottom)
    FillRegionPixel(dc->Target(), dc->ClipRegion().Intersected(s), 0, 0x55);
  return TRUE;
}

BOOL DrawFocusRect(HDC h, const RECT* r) {
  DCObj* dc = LookupDC(h);
  if (!dc || !r || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  const TRect s = SurfaceRect(*dc, *r);
  if (s.Left >= s.Right || s.Top >= s.Bottom) return TRUE;
  // Every other pixel of the one-pixel frame is inverted, on a checkerboard anchored at the
  // rectangle's top-left pixel (which is inverted).
  const Region frame = Region::Combine(
      Region(s), Region({s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1}), RGN_DIFF);
  const Region clip = Region::Combine(frame, dc->ClipRegion(), RGN_AND);
  Surface* surf = dc->Target();
  for (const TRect& q : clip.Rects()) {
    for (int y = q.Top; y < q.Bottom; ++y)
      for (int x = q.Left; x < q.Right; ++x)
        if (((int64_t(x) - s.Left) + (int64_t(y) - s.Top)) % 2 == 0) surf->Row(y)[x] ^= 0xFFFFFF;
    surf->Touch(q);
  }
  return TRUE;
}

namespace {
bool RegionArgs(HDC h, HRGN rgn, DCObj*& dc, Region& surfaceRegion) {
  dc = LookupDC(h);
  RegionObj* r = LookupRegion(rgn);
  if (!dc || !r || !dc->Target()) return false;
  surfaceRegion = r->Rgn;
  surfaceRegion.Offset(dc->ToSurfaceX(0), dc->ToSurfaceY(0));
  return true;
}
}  // namespace

BOOL FillRgn(HDC h, HRGN rgn, HBRUSH brush) {
  DCObj* dc;
  Region r;
  const BrushObj* b = BrushArg(brush);
  if (!b || !RegionArgs(h, rgn, dc, r)) return FALSE;
  DrawScope scope(*dc);
  FillRegionWithBrush(*dc, r, b, 0xF0);
  return TRUE;
}

BOOL PaintRgn(HDC h, HRGN rgn) {
  DCObj* dc;
  Region r;
  if (!RegionArgs(h, rgn, dc, r)) return FALSE;
  DrawScope scope(*dc);
  FillRegionWithBrush(*dc, r, dc->S.Brush.get(), Rop2ToRop3(dc->S.Rop2));
  return TRUE;
}

BOOL InvertRgn(HDC h, HRGN rgn) {
  DCObj* dc;
  Region r;
  if (!RegionArgs(h, rgn, dc, r)) return FALSE;
  DrawScope scope(*dc);
  FillRegionPixel(dc->Target(), Region::Combine(r, dc->ClipRegion(), RGN_AND), 0, 0x55);
  return TRUE;
}

BOOL FrameRgn(HDC h, HRGN rgn, HBRUSH brush, int w, int hh) {
  DCObj* dc;
  Region r;
  const BrushObj* b = BrushArg(brush);
  if (!b || w < 0 || hh < 0 || !RegionArgs(h, rgn, dc, r)) return FALSE;
  DrawScope scope(*dc);
  // The frame: the region minus the region shrunk by w horizontally and h vertically.
  Region inner = r;
  for (int dx = -w; dx <= w; dx += std::max(1, w)) {
    if (dx == 0) continue;
    Region m = r;
    m.Offset(dx, 0);
    inner = Region::Combine(inner, m, RGN_AND);
  }
  for (int dy = -hh; dy <= hh; dy += std::max(1, hh)) {
    if (dy == 0) continue;
    Region m = r;
    m.Offset(0, dy);
    inner = Region::Combine(inner, m, RGN_AND);
  }
  FillRegionWithBrush(*dc, Region::Combine(r, inner, RGN_DIFF), b, 0xF0);
  return TRUE;
}

// ---------------------------------------------------------------------------------------------
// DrawEdge
//
// Each border level is one pixel wide. Top-left colours paint the left column (top to one
// above the bottom) and the top row (left to one before the right); bottom-right colours
// then paint the bottom row and the right column in full, so they own the top-right and
// bottom-left corner pixels.

namespace {

struct EdgeColors {
  COLORREF OuterTL, OuterBR, InnerTL, InnerBR;
  bool HasOuter, HasInner;
};

EdgeColors EdgeColorsFor(UINT edge, UINT flags) {
  EdgeColors c{};
  const UINT outer = edge & BDR_OUTER, inner = edge & BDR_INNER;
  c.HasOuter = outer != 0;
  c.HasInner = inner != 0;
  if (flags & BF_MONO) {
    c.OuterTL = c.OuterBR = Sc(COLOR_WINDOWFRAME);
    c.InnerTL = c.InnerBR = Sc(COLOR_WINDOW);
    return c;
  }
  if (flags & BF_FLAT) {
    c.OuterTL = c.OuterBR = Sc(COLOR_BTNSHADOW);
    c.InnerTL = c.InnerBR = Sc(COLOR_BTNFACE);
    return c;
  }
  // Raised and sunken bits of one level together paint nothing sensible; the raised bit wins.
  if (outer & BDR_RAISEDOUTER) {
    c.OuterTL = Sc(COLOR_3DLIGHT);
    c.OuterBR = Sc(COLOR_3DDKSHADOW);
  } else if (outer & BDR_SUNKENOUTER) {
    c.OuterTL = Sc(COLOR_BTNSHADOW);
    c.OuterBR = Sc(COLOR_BTNHIGHLIGHT);
  }
  if (inner & BDR_RAISEDINNER) {
    c.InnerTL = Sc(COLOR_BTNHIGHLIGHT);
    c.InnerBR = Sc(COLOR_BTNSHADOW);
  } else if (inner & BDR_SUNKENINNER) {
    c.InnerTL = Sc(COLOR_3DDKSHADOW);
    c.InnerBR = Sc(COLOR_3DLIGHT);
  }
  // Soft edges pick each level's top-left colour by its kind alone.
  if (flags & BF_SOFT) {
    if (outer & BDR_RAISEDOUTER) c.OuterTL = Sc(COLOR_BTNHIGHLIGHT);
    else if (outer & BDR_SUNKENOUTER) c.OuterTL = Sc(COLOR_3DDKSHADOW);
    if (inner & BDR_RAISEDINNER) c.InnerTL = Sc(COLOR_3DLIGHT);
    else if (inner & BDR_SUNKENINNER) c.InnerTL = Sc(COLOR_BTNSHADOW);
  }
  return c;
}

// One level of a rectangular edge on the given sides.
void EdgeLevel(DCObj& dc, const TRect& r, UINT flags, COLORREF tl, COLORREF br) {
  if (r.Left >= r.Right || r.Top >= r.Bottom) return;
  // Without a bottom or right line there is no corner to leave to it.
  const int cut = (flags & (BF_BOTTOM | BF_RIGHT)) ? 1 : 0;
  if (flags & BF_LEFT) PaintRect(dc, {r.Left, r.Top, r.Left + 1, r.Bottom - cut}, tl);
  if (flags & BF_TOP) PaintRect(dc, {r.Left, r.Top, r.Right - cut, r.Top + 1}, tl);
  if (flags & BF_BOTTOM) PaintRect(dc, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, br);
  if (flags & BF_RIGHT) PaintRect(dc, {r.Right - 1, r.Top, r.Right, r.Bottom}, br);
}

TRect Shrink(const TRect& r, UINT flags) {
  TRect o = r;
  if (flags & BF_LEFT) ++o.Left;
  if (flags & BF_TOP) ++o.Top;
  if (flags & BF_RIGHT) --o.Right;
  if (flags & BF_BOTTOM) --o.Bottom;
  return o;
}

// Diagonal edges: a line from a corner toward the corner the flag names. Each
// line faces one corner (bottom-right for ENDTOPRIGHT, bottom-left for ENDTOPLEFT, top-left
// for ENDBOTTOMLEFT, top-right for ENDBOTTOMRIGHT); the inner level runs one pixel toward it
// and BF_MIDDLE fills the triangle on that side. ENDTOPRIGHT and ENDBOTTOMRIGHT lines take the
// top-left colours, the other two the bottom-right ones. BF_ADJUST leaves the rectangle as it is.
void DiagonalEdge(DCObj& dc, TRect r, UINT flags, const EdgeColors& c) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  // The line runs at 45 degrees from its starting corner, as long as the shorter side: the
  // square of that side at the starting corner.
  // (Each corner lies within the rectangle: computed wide, it fits again.)
  const int64_t n = std::min(int64_t(r.Right) - r.Left, int64_t(r.Bottom) - r.Top);
  const int32_t sl = int32_t(r.Right - n), st = int32_t(r.Bottom - n);
  const int32_t sr = int32_t(r.Left + n), sb = int32_t(r.Top + n);
  switch (flags & BF_RECT) {
    case BF_TOP | BF_RIGHT: r = {r.Left, st, sr, r.Bottom}; break;
    case BF_TOP | BF_LEFT: r = {sl, st, r.Right, r.Bottom}; break;
    case BF_BOTTOM | BF_LEFT: r = {sl, r.Top, r.Right, sb}; break;
    default: r = {r.Left, r.Top, sr, sb}; break;
  }
  POINT a, b;
  POINT step;  // toward the faced side
  const UINT end = flags & (BF_RECT);
  bool useTL;
  switch (end) {
    case BF_TOP | BF_RIGHT:  // ENDTOPRIGHT: bottom-left -> top-right
      a = {r.Left, r.Bottom - 1}; b = {r.Right - 1, r.Top}; step = {1, 1}; useTL = true; break;
    case BF_TOP | BF_LEFT:  // ENDTOPLEFT: bottom-right -> top-left
      a = {r.Right - 1, r.Bottom - 1}; b = {r.Left, r.Top}; step = {-1, 1}; useTL = false; break;
    case BF_BOTTOM | BF_LEFT:  // ENDBOTTOMLEFT: top-right -> bottom-left
      a = {r.Right - 1, r.Top}; b = {r.Left, r.Bottom - 1}; step = {-1, -1}; useTL = false; break;
    default:  // ENDBOTTOMRIGHT: top-left -> bottom-right
      a = {r.Left, r.Top}; b = {r.Right - 1, r.Bottom - 1}; step = {1, -1}; useTL = true; break;
  }
  if (flags & BF_MIDDLE) {
    // The triangle between the line and the faced corner.
    const POINT corner = step.X > 0 ? (step.Y > 0 ? POINT{r.Right, r.Bottom} : POINT{r.Right, r.Top})
                                    : (step.Y > 0 ? POINT{r.Left, r.Bottom} : POINT{r.Left, r.Top});
    const POINT tri[3] = {a, corner, b};
    int n = 3;
    PaintColor(dc, PolygonRegion(tri, &n, 1, ALTERNATE).Intersected(r), Sc(COLOR_BTNFACE));
  }
  TRect window;
  const TRect clipBox = dc.ClipRegion().Bounds();
  if (!IntersectRect(&window, &r, &clipBox)) return;
  auto line = [&](POINT p, POINT q, COLORREF col) {
    std::vector<POINT> px = LinePixels(p, q, &window);
    px.push_back(q);
    std::vector<POINT> in;
    for (const POINT& k : px)
      if (k.X >= r.Left && k.X < r.Right && k.Y >= r.Top && k.Y < r.Bottom) in.push_back(k);
    PaintPixels(dc, in, col);
  };
  if (c.HasOuter) line(a, b, useTL ? c.OuterTL : c.OuterBR);
  if (c.HasInner) {
    const POINT a2{a.X + (c.HasOuter ? step.X : 0), a.Y}, b2{b.X, b.Y + (c.HasOuter ? step.Y : 0)};
    line(a2, b2, useTL ? c.InnerTL : c.InnerBR);
  }
}

}  // namespace

BOOL DrawEdge(HDC h, LPRECT rc, UINT edge, UINT flags) {
  DCObj* dc = LookupDC(h);
  if (!dc || !rc || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  const EdgeColors c = EdgeColorsFor(edge, flags);
  TRect r = SurfaceRect(*dc, *rc);
  if (flags & BF_DIAGONAL) {
    DiagonalEdge(*dc, r, flags, c);
    return TRUE;
  }
  if (c.HasOuter) {
    EdgeLevel(*dc, r, flags, c.OuterTL, c.OuterBR);
    r = Shrink(r, flags);
  }
  if (c.HasInner) {
    EdgeLevel(*dc, r, flags, c.InnerTL, c.InnerBR);
    r = Shrink(r, flags);
  }
  if (flags & BF_MIDDLE)
    PaintRect(*dc, r, (flags & BF_MONO) ? Sc(COLOR_WINDOW) : Sc(COLOR_BTNFACE));
  if (flags & BF_ADJUST) {
    const int dx = dc->ToSurfaceX(0), dy = dc->ToSurfaceY(0);
    *rc = Shifted(r, -int64_t(dx), -int64_t(dy));
  }
  return TRUE;
}

// ---------------------------------------------------------------------------------------------
// DrawFrameControl: glyphs drawn geometrically, scaled to the rectangle.

namespace {

TRect Square(const TRect& r, bool left) {
  const int s = std::min(r.Right - r.Left, r.Bottom - r.Top);
  const int x = left ? r.Left : r.Left + (r.Right - r.Left - s) / 2;
  const int y = r.Top + (r.Bottom - r.Top - s) / 2;
  return {x, y, x + s, y + s};
}

// Points of a glyph given in a 0..1 box, mapped into r.
POINT Map(const TRect& r, double fx, double fy) {
  return {r.Left + int(std::lround(fx * (r.Right - r.Left - 1))),
          r.Top + int(std::lround(fy * (r.Bottom - r.Top - 1)))};
}

void Glyph(DCObj& dc, const Region& shape, COLORREF c, bool inactive) {
  if (inactive) {
    // Disabled glyphs: a highlight copy one pixel down-right under a shadow copy.
    Region hi = shape;
    hi.Offset(1, 1);
    PaintColor(dc, hi, Sc(COLOR_BTNHIGHLIGHT));
    PaintColor(dc, shape, Sc(COLOR_BTNSHADOW));
    return;
  }
  PaintColor(dc, shape, c);
}

// The classic check mark: a short arm down and a long arm up, every column a vertical run of
// about three sevenths of the box.
Region CheckMark(const TRect& box) {
  const int size = std::min(box.Right - box.Left, box.Bottom - box.Top);
  if (size <= 0) return Region();
  const int t = std::max(1, size * 3 / 7);
  const POINT a{box.Left, box.Top + size * 2 / 7}, b{box.Left + size * 2 / 7, box.Top + size * 4 / 7},
      c{box.Left + size - 1, box.Top};
  std::vector<POINT> px = LinePixels(a, b);
  const std::vector<POINT> up = LinePixels(b, c);
  px.insert(px.end(), up.begin(), up.end());
  px.push_back(c);
  std::vector<Region::Span> spans;
  for (const POINT& p : px)
    for (int k = 0; k < t; ++k) spans.push_back({p.Y + k, p.X, p.X + 1});
  return Region::FromSpans(std::move(spans));
}

// An arrow in `box` (the button inside its edges) whose size follows the whole button `cell`:
// a quarter of the cell's shorter side in rows, twice that less one across (7x4 in a 16-pixel
// cell).
Region Triangle(const TRect& box, const TRect& cell, int dir) {  // 0 up, 1 down, 2 left, 3 right
  const int size = std::min(cell.Right - cell.Left, cell.Bottom - cell.Top);
  const int half = std::max(1, size / 4);
  const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
  std::vector<Region::Span> spans;
  for (int i = 0; i < half; ++i) {
    // Row i of the arrow, from its tip (one pixel) to its base (2*half-1 pixels).
    const int a = -i, b = i + 1;
    switch (dir) {
      case 0: spans.push_back({cy - half / 2 + i, cx + a, cx + b}); break;
      case 1: spans.push_back({cy + half / 2 - i, cx + a, cx + b}); break;
      case 2:
        for (int k = a; k < b; ++k) spans.push_back({cy + k, cx - half / 2 + i, cx - half / 2 + i + 1});
        break;
      default:
        for (int k = a; k < b; ++k) spans.push_back({cy + k, cx + half / 2 - i, cx + half / 2 - i + 1});
    }
  }
  return Region::FromSpans(std::move(spans));
}

void ButtonFace(DCObj& dc, TRect& r, UINT state, bool soft) {
  UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST | (soft ? BF_SOFT : 0);
  if (state & DFCS_MONO) flags |= BF_MONO;
  else if (state & DFCS_FLAT) flags |= BF_FLAT;
  const UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
  const int dx = dc.ToSurfaceX(0), dy = dc.ToSurfaceY(0);
  RECT lr = Shifted(r, -int64_t(dx), -int64_t(dy));
  DrawEdge(static_cast<HDC>(dc.Handle), &lr, edge, flags);
  r = Shifted(lr, dx, dy);
}

void DrawCheckBox(DCObj& dc, const TRect& rect, UINT state) {
  const TRect box = Square(rect, true);
  TRect in = box;
  const int dx = dc.ToSurfaceX(0), dy = dc.ToSurfaceY(0);
  RECT lr = Shifted(box, -int64_t(dx), -int64_t(dy));
  UINT flags = BF_RECT | BF_ADJUST;
  if (state & DFCS_MONO) flags |= BF_MONO;
  else if (state & DFCS_FLAT) flags |= BF_FLAT;
  DrawEdge(static_cast<HDC>(dc.Handle), &lr, EDGE_SUNKEN, flags);
  in = Shifted(lr, dx, dy);
  const bool grayed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  const bool faceBack = (state & (DFCS_PUSHED | DFCS_INACTIVE)) || grayed;
  PaintRect(dc, in, faceBack ? Sc(COLOR_BTNFACE) : Sc(COLOR_WINDOW));
  if (state & DFCS_CHECKED) {
    const TRect g{in.Left + 1, in.Top + 1, in.Right - 1, in.Bottom - 1};
    if (g.Left < g.Right && g.Top < g.Bottom) {
      const COLORREF c = (grayed || (state & DFCS_INACTIVE)) ? Sc(COLOR_GRAYTEXT)
                                                             : Sc(COLOR_WINDOWTEXT);
      PaintColor(dc, CheckMark(g).Intersected(in), c);
    }
  }
}

void DrawRadio(DCObj& dc, const TRect& rect, UINT state) {
  const TRect box = Square(rect, true);
  const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
  const Region outer = EllipseRegion(box);
  const Region mid = EllipseRegion({box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1});
  const Region inner = EllipseRegion({box.Left + 2, box.Top + 2, box.Right - 2, box.Bottom - 2});
  // Ring pixels above the rising diagonal take the top-left colour.
  auto split = [&](const Region& ring, COLORREF tl, COLORREF br) {
    std::vector<Region::Span> a, b;
    for (const TRect& q : ring.Rects())
      for (int y = q.Top; y < q.Bottom; ++y)
        for (int x = q.Left; x < q.Right; ++x)
          ((x + 0.5 - cx) + (y + 0.5 - cy) < 0 ? a : b).push_back({y, x, x + 1});
    PaintColor(dc, Region::FromSpans(std::move(a)), tl);
    PaintColor(dc, Region::FromSpans(std::move(b)), br);
  };
  const bool mono = state & (DFCS_MONO | DFCS_FLAT);
  if (mono) {
    PaintColor(dc, Region::Combine(outer, mid, RGN_DIFF),
               (state & DFCS_MONO) ? Sc(COLOR_WINDOWFRAME) : Sc(COLOR_BTNSHADOW));
  } else {
    split(Region::Combine(outer, mid, RGN_DIFF), Sc(COLOR_BTNSHADOW), Sc(COLOR_BTNHIGHLIGHT));
    split(Region::Combine(mid, inner, RGN_DIFF), Sc(COLOR_3DDKSHADOW), Sc(COLOR_3DLIGHT));
  }
  PaintColor(dc, mono ? mid : inner,
             (state & (DFCS_PUSHED | DFCS_INACTIVE)) ? Sc(COLOR_BTNFACE) : Sc(COLOR_WINDOW));
  if (state & DFCS_CHECKED) {
    const int s = box.Right - box.Left;
    const int d = std::max(1, s / 3);
    const int l = box.Left + (s - d) / 2, t = box.Top + (s - d) / 2;
    PaintColor(dc, EllipseRegion({l, t, l + d, t + d}),
               (state & DFCS_INACTIVE) ? Sc(COLOR_GRAYTEXT) : Sc(COLOR_WINDOWTEXT));
  }
}

void DrawScrollGlyph(DCObj& dc, TRect r, UINT state) {
  const UINT kind = state & 0x1F;
  if (kind == DFCS_SCROLLSIZEGRIP || kind == DFCS_SCROLLSIZEGRIPRIGHT) {
    PaintRect(dc, r, Sc(COLOR_BTNFACE));
    const int s = std::min(r.Right - r.Left, r.Bottom - r.Top);
    // Three pairs of diagonal lines (highlight then two shadow) toward the bottom-right.
    for (int k = 0; k + 3 <= s; k += 4) {
      for (int j = 0; j < 3; ++j) {
        const int off = s - 1 - k - j;
        if (off < 1) break;
        const COLORREF c = j == 0 ? Sc(COLOR_BTNHIGHLIGHT) : Sc(COLOR_BTNSHADOW);
        std::vector<POINT> px = LinePixels({r.Right - 1 - off, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1 - off});
        PaintPixels(dc, px, c);
      }
    }
    return;
  }
  const TRect cell = r;
  // A pushed button sinks with the soft edge.
  ButtonFace(dc, r, state & ~DFCS_CHECKED, (state & DFCS_PUSHED) != 0);
  int dir = 1;
  switch (kind) {
    case DFCS_SCROLLUP: dir = 0; break;
    case DFCS_SCROLLDOWN: case DFCS_SCROLLCOMBOBOX: dir = 1; break;
    case DFCS_SCROLLLEFT: dir = 2; break;
    case DFCS_SCROLLRIGHT: dir = 3; break;
    default: break;
  }
  Region tri = Triangle(r, cell, dir);
  if (state & DFCS_PUSHED) tri.Offset(1, 1);
  Glyph(dc, tri.Intersected(r), Sc(COLOR_BTNTEXT), state & DFCS_INACTIVE);
}

void DrawCaptionGlyph(DCObj& dc, TRect r, UINT state) {
  ButtonFace(dc, r, state, true);
  const UINT kind = state & 0xF;
  const TRect g0 = Square(r, false);
  const int m = std::max(1, (g0.Right - g0.Left) / 5);
  TRect g{g0.Left + m, g0.Top + m, g0.Right - m, g0.Bottom - m};
  if (state & DFCS_PUSHED) OffsetRect(&g, 1, 1);
  if (g.Left >= g.Right || g.Top >= g.Bottom) return;
  const int thick = std::max(1, (g.Bottom - g.Top) / 6);
  Region shape;
  switch (kind) {
    case DFCS_CAPTIONCLOSE:
      shape = Region::Combine(StrokeRegion({Map(g, 0, 0), Map(g, 1, 1)}, false, thick + 1, PS_ENDCAP_FLAT),
                              StrokeRegion({Map(g, 1, 0), Map(g, 0, 1)}, false, thick + 1, PS_ENDCAP_FLAT),
                              RGN_OR);
      break;
    case DFCS_CAPTIONMIN:
      shape = Region({g.Left, g.Bottom - thick, g.Left + (g.Right - g.Left) * 2 / 3, g.Bottom});
      break;
    case DFCS_CAPTIONMAX:
      shape = Region::Combine(Region(g), Region({g.Left + 1, g.Top + thick + 1, g.Right - 1, g.Bottom - 1}),
                              RGN_DIFF);
      break;
    case DFCS_CAPTIONRESTORE: {
      const int w = (g.Right - g.Left) * 2 / 3, hh = (g.Bottom - g.Top) * 2 / 3;
      auto window = [&](int l, int t) {
        return Region::Combine(Region({l, t, l + w, t + hh}),
                               Region({l + 1, t + thick + 1, l + w - 1, t + hh - 1}), RGN_DIFF);
      };
      const Region back = window(g.Right - w, g.Top), front = window(g.Left, g.Bottom - hh);
      shape = Region::Combine(Region::Combine(back, Region({g.Left, g.Bottom - hh, g.Left + w, g.Bottom}), RGN_DIFF),
                              front, RGN_OR);
      break;
    }
    default: {  // help: a question mark from an arc, a stem and a dot
      const int cx = (g.Left + g.Right) / 2;
      const int r2 = (g.Right - g.Left) / 3;
      const Region ring = Region::Combine(EllipseRegion({cx - r2, g.Top, cx + r2, g.Top + 2 * r2}),
                                          EllipseRegion({cx - r2 + thick, g.Top + thick, cx + r2 - thick,
                                                         g.Top + 2 * r2 - thick}),
                                          RGN_DIFF);
      const Region upper = ring.Intersected({g.Left, g.Top, g.Right, g.Top + r2 + thick});
      const Region stem({cx - thick / 2, g.Top + r2, cx - thick / 2 + thick, g.Bottom - 2 * thick});
      const Region dot({cx - thick / 2, g.Bottom - thick, cx - thick / 2 + thick, g.Bottom});
      shape = Region::Combine(Region::Combine(upper, stem, RGN_OR), dot, RGN_OR);
    }
  }
  Glyph(dc, shape.Intersected(r), Sc(COLOR_BTNTEXT), state & DFCS_INACTIVE);
}

void DrawMenuGlyph(DCObj& dc, const TRect& r, UINT state) {
  // Menu glyphs are masks: black on white.
  PaintRect(dc, r, RGB(255, 255, 255));
  const TRect g = Square(r, false);
  Region shape;
  switch (state & 0xF) {
    case DFCS_MENUCHECK: shape = CheckMark(g); break;
    case DFCS_MENUBULLET: {
      const int s = g.Right - g.Left, d = std::max(2, s / 3);
      const int l = g.Left + (s - d) / 2, t = g.Top + (s - d) / 2;
      shape = EllipseRegion({l, t, l + d, t + d});
      break;
    }
    default: shape = Triangle(g, g, 3); break;
  }
  PaintColor(dc, shape.Intersected(r), RGB(0, 0, 0));
}

}  // namespace

BOOL DrawFrameControl(HDC h, LPRECT rc, UINT type, UINT state) {
  DCObj* dc = LookupDC(h);
  if (!dc || !rc || !dc->Target()) return FALSE;
  DrawScope scope(*dc);
  TRect r = SurfaceRect(*dc, *rc);
  if (r.Left >= r.Right || r.Top >= r.Bottom) return FALSE;
  // Glyphs are built for control-sized rectangles; absurd sizes are refused.
  if (int64_t(r.Right) - r.Left > (1 << 15) || int64_t(r.Bottom) - r.Top > (1 << 15)) return FALSE;
  switch (type) {
    case DFC_BUTTON:
      if (state & DFCS_BUTTONPUSH) {
        TRect inner = r;
        ButtonFace(*dc, inner, state, true);
        if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED)) {
          // Checked push buttons show a dithered face.
          Surface* s = dc->Target();
          const Region clip = dc->ClipRegion().Intersected(inner);
          const uint32_t hi = SurfacePixel(*dc, Sc(COLOR_BTNHIGHLIGHT));
          for (const TRect& q : clip.Rects()) {
            for (int y = q.Top; y < q.Bottom; ++y)
              for (int x = q.Left; x < q.Right; ++x)
                if ((x + y) % 2 == 0) s->Row(y)[x] = hi;
            s->Touch(q);
          }
        }
        if (state & DFCS_ADJUSTRECT) {
          const int dx = dc->ToSurfaceX(0), dy = dc->ToSurfaceY(0);
          *rc = Shifted(inner, -int64_t(dx), -int64_t(dy));
        }
        return TRUE;
      }
      if (state & DFCS_BUTTONRADIO) {
        DrawRadio(*dc, r, state);
        return TRUE;
      }
      DrawCheckBox(*dc, r, state);
      return TRUE;
    case DFC_SCROLL: DrawScrollGlyph(*dc, r, state); return TRUE;
    case DFC_CAPTION: DrawCaptionGlyph(*dc, r, state); return TRUE;
    case DFC_MENU:
    case DFC_POPUPMENU: DrawMenuGlyph(*dc, r, state); return TRUE;
    default: return FALSE;
  }
}

}  // namespace win
