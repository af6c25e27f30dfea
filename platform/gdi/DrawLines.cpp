// Pens and lines: pen realisation, one-pixel and wide strokes, path recording, polylines and
// Beziers.
//
// Rules kept here: a line does not paint its last point; one-pixel pens step with a midpoint
// rule whose ties depend on the direction (see LineGeom); wider pens are centred on the path,
// with round caps and joins (odd widths centre on the pixel, even widths on its top-left
// corner).
#include <algorithm>
#include <cmath>

#include "platform/gdi/DrawInternal.h"

namespace win::gdi {

using namespace draw_internal;

namespace {

// ---------------------------------------------------------------------------------------------
// One-pixel lines
//
// Pixel i of a line (0 <= i < Steps) sits at Major0 + S*i along its major axis and at
// Minor0 + T*Off(i) along the minor one, Off(i) = floor((2*i*Min + Maj - Bias) / (2*Maj)):
// the exact offset rounded, a half-way offset going toward the end point (Bias 0) for lines
// running steeply down-left, shallowly or steeply up-left and shallowly up-right, and toward
// the start point (Bias 1) in the other four directions. The end point is not painted.

struct LineGeom {
  int X0, Y0;
  bool XMajor;
  int64_t Maj, Min;  // absolute extents along the major and minor axes
  int S, T;          // steps along the major and minor axes (+1 or -1)
  int Bias;
  int64_t Steps;
};

LineGeom MakeLine(int x0, int y0, int x1, int y1) {
  LineGeom g;
  g.X0 = x0;
  g.Y0 = y0;
  const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  g.XMajor = adx >= ady;
  g.Maj = g.XMajor ? adx : ady;
  g.Min = g.XMajor ? ady : adx;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  g.S = g.XMajor ? sx : sy;
  g.T = g.XMajor ? sy : sx;
  const bool left = dx < 0, up = dy<0, steep = ady> adx;
  const bool towardEnd = (left && (up || steep)) || (!left && up && !steep);
  g.Bias = towardEnd ? 0 : 1;
  g.Steps = g.Maj;
  return g;
}

// Off(i), and the error term that goes with it (in [0, 2*Maj)).
inline int64_t OffAt(const LineGeom& g, int64_t i, int64_t* err = nullptr) {
  const __int128 num = 2 * __int128(i) * g.Min + g.Maj - g.Bias;
  const int64_t off = int64_t(num / (2 * __int128(g.Maj)));
  if (err) *err = int64_t(num - __int128(off) * 2 * g.Maj);
  return off;
}

// The first step whose minor offset is at least k (Steps when none is).
int64_t FirstOffAtLeast(const LineGeom& g, int64_t k) {
  if (k <= 0) return 0;
  if (g.Min == 0) return g.Steps;
  const __int128 num = 2 * __int128(g.Maj) * k - g.Maj + g.Bias, den = 2 * __int128(g.Min);
  const __int128 i = (num + den - 1) / den;
  return i > g.Steps ? g.Steps : int64_t(i);
}

// The steps [i0, i1) whose pixels lie in r.
void StepsIn(const LineGeom& g, const TRect& r, int64_t& i0, int64_t& i1) {
  const int64_t m0 = g.XMajor ? g.X0 : g.Y0, n0 = g.XMajor ? g.Y0 : g.X0;
  const int64_t mlo = g.XMajor ? r.Left : r.Top, mhi = g.XMajor ? r.Right : r.Bottom;
  const int64_t nlo = g.XMajor ? r.Top : r.Left, nhi = g.XMajor ? r.Bottom : r.Right;
  i0 = 0;
  i1 = g.Steps;
  if (g.S > 0) {
    i0 = std::max(i0, mlo - m0);
    i1 = std::min(i1, mhi - m0);
  } else {
    i0 = std::max(i0, m0 - mhi + 1);
    i1 = std::min(i1, m0 - mlo + 1);
  }
  if (g.T > 0) {
    i0 = std::max(i0, FirstOffAtLeast(g, nlo - n0));
    i1 = std::min(i1, FirstOffAtLeast(g, nhi - n0));
  } else {
    i0 = std::max(i0, FirstOffAtLeast(g, n0 - nhi + 1));
    i1 = std::min(i1, FirstOffAtLeast(g, n0 - nlo + 1));
  }
}

POINT PixelAt(const LineGeom& g, int64_t i) {
  const int64_t off = OffAt(g, i);
  return g.XMajor ? POINT{int(g.X0 + g.S * i), int(g.Y0 + g.T * off)}
                  : POINT{int(g.X0 + g.T * off), int(g.Y0 + g.S * i)};
}

// The on/off state of a dash pattern along a figure.
class DashCursor {
 public:
  explicit DashCursor(const std::vector<int>& dashes) : d_(dashes) {
    for (int v : d_) period_ += v;
  }
  // Places the cursor `pos` pixels into the pattern (which has dashes, each at least one
  // pixel long).
  void Seek(int64_t pos) {
    int64_t n = pos % period_;
    index_ = 0;
    while (n >= d_[index_]) n -= d_[index_++];
    count_ = int(n);
  }
  bool Next() {
    const bool on = (index_ & 1) == 0;
    if (++count_ >= d_[index_]) {
      count_ = 0;
      if (++index_ == d_.size()) index_ = 0;
    }
    return on;
  }

 private:
  const std::vector<int>& d_;
  int64_t period_ = 0;
  size_t index_ = 0;
  int count_ = 0;
};

// Walks n pixels from p, calling op on each, the pointer stepping with the error term.
template <class Op>
inline void Walk(uint32_t* p, ptrdiff_t majStep, ptrdiff_t minStep, int64_t n, int64_t e,
                 int64_t twoMin, int64_t twoMaj, Op op) {
  for (int64_t k = 0; k < n; ++k) {
    op(p);
    p += majStep;
    e += twoMin;
    if (e >= twoMaj) {
      e -= twoMaj;
      p += minStep;
    }
  }
}

// Paints one-pixel lines with the DC's pen through the clip, the dash pattern carried along a
// figure.
class LinePainter {
 public:
  LinePainter(DCObj& dc, const PenInfo& pen)
      : pen_(pen), s_(dc.Target()), clip_(dc.ClipRegion()), dash_(pen.Dashes) {}
  void Line(POINT a, POINT b) {
    const LineGeom g = MakeLine(a.X, a.Y, b.X, b.Y);
    if (g.Steps > 0 && !clip_.IsEmpty()) {
      const TRect box{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1,
                      std::max(a.Y, b.Y) + 1};
      // Only the clip rectangles of the bands the line crosses.
      const auto& rects = clip_.Rects();
      auto it = std::lower_bound(rects.begin(), rects.end(), box.Top,
                                 [](const TRect& q, int y) { return q.Bottom <= y; });
      for (; it != rects.end() && it->Top < box.Bottom; ++it) {
        if (it->Right <= box.Left || it->Left >= box.Right) continue;
        int64_t i0, i1;
        StepsIn(g, *it, i0, i1);
        if (i0 < i1) Range(g, i0, i1);
      }
    }
    phase_ += g.Steps;
  }

 private:
  void Range(const LineGeom& g, int64_t i0, int64_t i1) {
    int64_t e;
    const int64_t off = OffAt(g, i0, &e);
    const POINT p0 = g.XMajor ? POINT{int(g.X0 + g.S * i0), int(g.Y0 + g.T * off)}
                              : POINT{int(g.X0 + g.T * off), int(g.Y0 + g.S * i0)};
    const POINT p1 = PixelAt(g, i1 - 1);
    const ptrdiff_t stride = s_->Stride;
    const ptrdiff_t majStep = g.XMajor ? g.S : g.S * stride;
    const ptrdiff_t minStep = g.XMajor ? g.T * stride : g.T;
    uint32_t* p = s_->Row(p0.Y) + p0.X;
    const int64_t n = i1 - i0, twoMin = 2 * g.Min, twoMaj = 2 * g.Maj;
    const uint32_t pix = pen_.Pixel, bk = pen_.BkPixel;
    const uint8_t rop = pen_.Rop;
    auto go = [&](auto op) {
      if (pen_.Dashes.empty()) {
        Walk(p, majStep, minStep, n, e, twoMin, twoMaj, [&](uint32_t* d) { op(d, pix); });
        return;
      }
      dash_.Seek(phase_ + i0);
      const bool opaque = pen_.Opaque;
      Walk(p, majStep, minStep, n, e, twoMin, twoMaj, [&](uint32_t* d) {
        if (dash_.Next())
          op(d, pix);
        else if (opaque)
          op(d, bk);
      });
    };
    switch (rop) {
      case 0xF0: go([](uint32_t* d, uint32_t c) { *d = c; }); break;
      case 0x5A: go([](uint32_t* d, uint32_t c) { *d ^= c; }); break;
      case 0x55: go([](uint32_t* d, uint32_t) { *d = ~*d; }); break;
      case 0x00: go([](uint32_t* d, uint32_t) { *d = 0; }); break;
      case 0xFF: go([](uint32_t* d, uint32_t) { *d = ~0u; }); break;
      case 0xA0: go([](uint32_t* d, uint32_t c) { *d &= c; }); break;
      case 0xFA: go([](uint32_t* d, uint32_t c) { *d |= c; }); break;
      default: go([rop](uint32_t* d, uint32_t c) { *d = RopPixel(c, 0, *d, rop); });
    }
    s_->Touch({std::min(p0.X, p1.X), std::min(p0.Y, p1.Y), std::max(p0.X, p1.X) + 1,
               std::max(p0.Y, p1.Y) + 1});
  }

  const PenInfo& pen_;
  Surface* s_;
  const Region& clip_;
  DashCursor dash_;  // unused for solid pens
  int64_t phase_ = 0;
};

// Flattens a cubic Bezier segment (surface points) into `out` (without its first point).
void Flatten(POINT p0, POINT p1, POINT p2, POINT p3, std::vector<POINT>& out) {
  const double len = std::hypot(p1.X - p0.X, p1.Y - p0.Y) + std::hypot(p2.X - p1.X, p2.Y - p1.Y) +
                     std::hypot(p3.X - p2.X, p3.Y - p2.Y);
  const int steps = std::clamp(int(len / 2), 1, 4096);
  for (int i = 1; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double x =
        u * u * u * p0.X + 3 * u * u * t * p1.X + 3 * u * t * t * p2.X + t * t * t * p3.X;
    const double y =
        u * u * u * p0.Y + 3 * u * u * t * p1.Y + 3 * u * t * t * p2.Y + t * t * t * p3.Y;
    const POINT p{int(std::lround(x)), int(std::lround(y))};
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  }
  if (out.empty() || !(out.back() == p3)) out.push_back(p3);
}

// ---------------------------------------------------------------------------------------------
// Wide strokes

// Row spans of a pen segment of half-width r between two path points (already in continuous
// coordinates), with round caps (or flat/square ones).
void SegmentSpans(double ax, double ay, double bx, double by, double r, UINT cap, int yMin,
                  int yMax, std::vector<Region::Span>& out) {
  double ux = bx - ax, uy = by - ay;
  const double len = std::hypot(ux, uy);
  if (len > 0) {
    ux /= len;
    uy /= len;
  }
  double ext = 0;
  if (cap == PS_ENDCAP_SQUARE) ext = r;
  const bool round = cap == PS_ENDCAP_ROUND;
  // The swept rectangle (extended for square caps).
  const double sax = ax - ux * ext, say = ay - uy * ext, sbx = bx + ux * ext, sby = by + uy * ext;
  const double nx = -uy * r, ny = ux * r;
  const double cx[4] = {sax + nx, sbx + nx, sbx - nx, sax - nx};
  const double cy[4] = {say + ny, sby + ny, sby - ny, say - ny};
  const double top =
      std::min({cy[0], cy[1], cy[2], cy[3], round ? ay - r : 1e300, round ? by - r : 1e300});
  const double bottom =
      std::max({cy[0], cy[1], cy[2], cy[3], round ? ay + r : -1e300, round ? by + r : -1e300});
  const int y0 = int(std::clamp(std::floor(top - 0.5), double(yMin), double(yMax) + 1));
  const int y1 = int(std::clamp(std::ceil(bottom + 0.5), double(yMin) - 1, double(yMax)));
  for (int y = y0; y <= y1; ++y) {
    const double py = y + 0.5;
    double lo = 1e300, hi = -1e300;
    if (len > 0 || ext > 0) {
      for (int i = 0; i < 4; ++i) {
        const double x1 = cx[i], y1e = cy[i], x2 = cx[(i + 1) % 4], y2 = cy[(i + 1) % 4];
        if ((py < std::min(y1e, y2)) || (py > std::max(y1e, y2))) continue;
        if (y1e == y2) {
          lo = std::min({lo, x1, x2});
          hi = std::max({hi, x1, x2});
        } else {
          const double x = x1 + (py - y1e) * (x2 - x1) / (y2 - y1e);
          lo = std::min(lo, x);
          hi = std::max(hi, x);
        }
      }
    }
    if (round) {
      // The pen's dot: pixel centres within the radius, less half a pixel squared (which
      // takes the corners off the small dots: a plus for three pixels, 3-5-5-5-3 for five).
      const double r2 = r * r - 0.5;
      for (int k = 0; k < 2; ++k) {
        const double qx = k ? bx : ax, qy = k ? by : ay;
        const double dy = py - qy;
        if (dy * dy > r2) continue;
        const double h = std::sqrt(r2 - dy * dy);
        lo = std::min(lo, qx - h);
        hi = std::max(hi, qx + h);
      }
    }
    if (lo > hi) continue;
    const double lim = double(1 << 30);
    const int xa = int(std::clamp(std::ceil(lo - 0.5), -lim, lim));
    const int xb = int(std::clamp(std::floor(hi - 0.5) + 1, -lim, lim));
    if (xa < xb) out.push_back({y, xa, xb});
  }
}

}  // namespace

namespace draw_internal {

PenInfo RealizePen(DCObj& dc) {
  PenInfo p;
  const PenObj* pen = dc.S.Pen.get();
  if (!pen || pen->Style == PS_NULL) return p;
  p.Null = false;
  p.Width = std::clamp(pen->Width, 1, 1 << 16);  // wider pens draw as 65536 pixels
  p.Wide = p.Width > 1;
  p.Pixel = PenPixel(dc, pen);
  p.BkPixel = SurfacePixel(dc, dc.S.BkColor);
  p.Opaque = dc.S.BkMode == OPAQUE;
  p.Rop = Rop2ToRop3(dc.S.Rop2);
  p.InsideFrame = pen->Style == PS_INSIDEFRAME;
  p.Cap = pen->Geometric ? pen->EndCap : PS_ENDCAP_ROUND;
  p.MiterJoin = pen->Geometric && pen->Join == PS_JOIN_MITER;
  if (!p.Wide) {
    switch (pen->Style) {
      case PS_DASH: p.Dashes = {18, 6}; break;
      case PS_DOT: p.Dashes = {3, 3}; break;
      case PS_DASHDOT: p.Dashes = {9, 6, 3, 6}; break;
      case PS_DASHDOTDOT: p.Dashes = {9, 3, 3, 3, 3, 3}; break;
      case PS_ALTERNATE: p.Dashes = {1, 1}; break;
      case PS_USERSTYLE:
        for (DWORD d : pen->UserStyle) p.Dashes.push_back(int(std::clamp<DWORD>(d, 1, 1u << 16)));
        if (p.Dashes.size() % 2) p.Dashes.push_back(p.Dashes.back());
        break;
      default: break;
    }
  }
  return p;
}

// The pixels a wide pen covers along a polyline of surface points.
Region WideStroke(const std::vector<POINT>& pts, bool closed, const PenInfo& pen,
                  const TRect& limit) {
  std::vector<Region::Span> spans;
  const double off = (pen.Width % 2) ? 0.5 : 0.0;
  const double r = pen.Width / 2.0;
  const int yMin = limit.Top - 1, yMax = limit.Bottom + 1;
  const size_t n = pts.size();
  const size_t segs = closed ? n : (n ? n - 1 : 0);
  for (size_t i = 0; i < segs; ++i) {
    const POINT a = pts[i], b = pts[(i + 1) % n];
    SegmentSpans(a.X + off, a.Y + off, b.X + off, b.Y + off, r, closed ? PS_ENDCAP_ROUND : pen.Cap,
                 yMin, yMax, spans);
  }
  if (n == 1)
    SegmentSpans(pts[0].X + off, pts[0].Y + off, pts[0].X + off, pts[0].Y + off, r, PS_ENDCAP_ROUND,
                 yMin, yMax, spans);
  for (auto& s : spans) {
    s.X0 = std::max(s.X0, limit.Left - 1);
    s.X1 = std::min(s.X1, limit.Right + 1);
  }
  return Region::FromSpans(std::move(spans));
}

void PaintPenRegion(DCObj& dc, const PenInfo& pen, const Region& r) {
  Surface* s = dc.Target();
  if (!s) return;
  FillRegionPixel(s, Region::Combine(r, dc.ClipRegion(), RGN_AND), pen.Pixel, pen.Rop);
}

void StrokePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed) {
  const PenInfo pen = RealizePen(dc);
  if (pen.Null || pts.empty() || !dc.Target()) return;
  const TRect clipBox = dc.ClipRegion().Bounds();
  if (dc.ClipRegion().IsEmpty()) return;
  if (pen.Wide) {
    PaintPenRegion(dc, pen, WideStroke(pts, closed, pen, clipBox));
    return;
  }
  LinePainter painter(dc, pen);
  const size_t n = pts.size();
  const size_t segs = closed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) painter.Line(pts[i], pts[(i + 1) % n]);
}

// ---------------------------------------------------------------------------------------------
// Paths

void PathMove(DCObj& dc, POINT p) {
  dc.CurPath->Points.push_back(p);
  dc.CurPath->Types.push_back(PT_MOVETO);
}
void PathLine(DCObj& dc, POINT p) {
  if (dc.CurPath->Points.empty()) PathMove(dc, dc.ToSurface(dc.S.CurrentPos));
  dc.CurPath->Points.push_back(p);
  dc.CurPath->Types.push_back(PT_LINETO);
}
void PathClose(DCObj& dc) {
  if (!dc.CurPath->Types.empty()) dc.CurPath->Types.back() |= PT_CLOSEFIGURE;
}
void PathPolygon(DCObj& dc, const std::vector<POINT>& pts) {
  if (pts.empty()) return;
  PathMove(dc, pts[0]);
  for (size_t i = 1; i < pts.size(); ++i) PathLine(dc, pts[i]);
  PathClose(dc);
}

std::vector<POINT> ToSurfacePoints(DCObj& dc, const POINT* pts, size_t n) {
  std::vector<POINT> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = dc.ToSurface(pts[i]);
  return out;
}

}  // namespace draw_internal

// Shared with the path and frame code.
void StrokeSurfacePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed) {
  StrokePolyline(dc, pts, closed);
}
Region WidenSurfacePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed) {
  PenInfo pen = RealizePen(dc);
  if (pen.Null) return Region();
  pen.Width = std::max(1, pen.Width);
  return WideStroke(pts, closed, pen, {-(1 << 24), -(1 << 24), 1 << 24, 1 << 24});
}
Region StrokeRegion(const std::vector<POINT>& pts, bool closed, int width, UINT cap) {
  PenInfo pen;
  pen.Width = std::max(1, width);
  pen.Cap = cap;
  return WideStroke(pts, closed, pen, {-(1 << 24), -(1 << 24), 1 << 24, 1 << 24});
}
std::vector<POINT> LinePixels(POINT a, POINT b, const TRect* window) {
  const LineGeom g = MakeLine(a.X, a.Y, b.X, b.Y);
  int64_t i0 = 0, i1 = g.Steps;
  if (window) StepsIn(g, *window, i0, i1);
  std::vector<POINT> out;
  for (int64_t i = i0; i < i1; ++i) out.push_back(PixelAt(g, i));
  return out;
}

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;
using namespace gdi::draw_internal;

BOOL MoveToEx(HDC h, int x, int y, LPPOINT old) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  if (old) *old = dc->S.CurrentPos;
  dc->S.CurrentPos = {x, y};
  if (dc->PathOpen && dc->CurPath) PathMove(*dc, dc->ToSurface(POINT{x, y}));
  return TRUE;
}

BOOL LineTo(HDC h, int x, int y) {
  ZYL_DRAW_DC(FALSE);
  const POINT from = dc->S.CurrentPos;
  dc->S.CurrentPos = {x, y};
  if (Recording(*dc)) {
    PathLine(*dc, dc->ToSurface(POINT{x, y}));
    return TRUE;
  }
  StrokePolyline(*dc, {dc->ToSurface(from), dc->ToSurface(POINT{x, y})}, false);
  return TRUE;
}

BOOL Polyline(HDC h, const POINT* pts, int count) {
  ZYL_DRAW_DC(FALSE);
  if (!pts || count < 2) return FALSE;
  auto sp = ToSurfacePoints(*dc, pts, size_t(count));
  if (Recording(*dc)) {
    PathMove(*dc, sp[0]);
    for (int i = 1; i < count; ++i) PathLine(*dc, sp[i]);
    return TRUE;
  }
  StrokePolyline(*dc, sp, false);
  return TRUE;
}

BOOL PolylineTo(HDC h, const POINT* pts, DWORD count) {
  ZYL_DRAW_DC(FALSE);
  if (!pts || count == 0) return FALSE;
  std::vector<POINT> sp{dc->ToSurface(dc->S.CurrentPos)};
  for (DWORD i = 0; i < count; ++i) sp.push_back(dc->ToSurface(pts[i]));
  dc->S.CurrentPos = pts[count - 1];
  if (Recording(*dc)) {
    for (size_t i = 1; i < sp.size(); ++i) PathLine(*dc, sp[i]);
    return TRUE;
  }
  StrokePolyline(*dc, sp, false);
  return TRUE;
}

BOOL PolyBezier(HDC h, const POINT* pts, DWORD count) {
  ZYL_DRAW_DC(FALSE);
  if (!pts || count < 4 || (count - 1) % 3 != 0) return FALSE;
  auto sp = ToSurfacePoints(*dc, pts, count);
  std::vector<POINT> flat{sp[0]};
  for (DWORD i = 0; i + 3 < count; i += 3) Flatten(sp[i], sp[i + 1], sp[i + 2], sp[i + 3], flat);
  if (Recording(*dc)) {
    PathMove(*dc, flat[0]);
    for (size_t i = 1; i < flat.size(); ++i) PathLine(*dc, flat[i]);
    return TRUE;
  }
  // A Bezier includes its end point, unlike a line.
  StrokePolyline(*dc, flat, false);
  const POINT last = flat.back();
  if (dc->S.Pen && dc->S.Pen->Width <= 1) StrokePolyline(*dc, {last, {last.X + 1, last.Y}}, false);
  return TRUE;
}

}  // namespace win