// Lines, curves and filled shapes with the platform's pixel rules.
//
// Rules kept here: right and bottom edges are exclusive; a line does not paint its last point;
// one-pixel pens step with a midpoint rule whose ties depend on the direction (see LineGeom);
// wider pens are centred on the path, with round caps and joins (odd widths centre on the pixel,
// even widths on its top-left corner), Rectangle's corners included from three pixels up;
// PS_INSIDEFRAME keeps the pen inside the bounding box; a styled Rectangle's path starts at the
// top-right corner and runs counter-clockwise; polygons fill the pixels whose integer point is
// inside; filled shapes paint the brush and the pen side by side; without a pen, Rectangle,
// Ellipse and RoundRect fill one pixel less to the right and bottom. Curves are painted row by
// row as spans, without building regions.
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------------------------
// Pen realisation

struct PenInfo {
  bool Null = true;
  bool Wide = false;
  int Width = 1;
  uint32_t Pixel = 0;
  uint32_t BkPixel = 0;
  bool Opaque = false;
  uint8_t Rop = 0xF0;
  bool InsideFrame = false;
  bool MiterJoin = false;  // geometric pens asking for square corners
  UINT Cap = PS_ENDCAP_ROUND;
  std::vector<int> Dashes;  // on/off run lengths; empty = solid
};

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
  const bool left = dx < 0, up = dy < 0, steep = ady > adx;
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
        if (dash_.Next()) op(d, pix);
        else if (opaque) op(d, bk);
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

// ---------------------------------------------------------------------------------------------
// Wide strokes

// Row spans of a pen segment of half-width r between two path points (already in continuous
// coordinates), with round caps (or flat/square ones).
void SegmentSpans(double ax, double ay, double bx, double by, double r, UINT cap, int yMin,
                  int yMax, std::vector<Region::Span>& out) {
  double ux = bx - ax, uy = by - ay;
  const double len = std::hypot(ux, uy);
  if (len > 0) { ux /= len; uy /= len; }
  double ext = 0;
  if (cap == PS_ENDCAP_SQUARE) ext = r;
  const bool round = cap == PS_ENDCAP_ROUND;
  // The swept rectangle (extended for square caps).
  const double sax = ax - ux * ext, say = ay - uy * ext, sbx = bx + ux * ext, sby = by + uy * ext;
  const double nx = -uy * r, ny = ux * r;
  const double cx[4] = {sax + nx, sbx + nx, sbx - nx, sax - nx};
  const double cy[4] = {say + ny, sby + ny, sby - ny, say - ny};
  const double top = std::min({cy[0], cy[1], cy[2], cy[3], round ? ay - r : 1e300, round ? by - r : 1e300});
  const double bottom = std::max({cy[0], cy[1], cy[2], cy[3], round ? ay + r : -1e300, round ? by + r : -1e300});
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
    SegmentSpans(a.X + off, a.Y + off, b.X + off, b.Y + off, r,
                 closed ? PS_ENDCAP_ROUND : pen.Cap, yMin, yMax, spans);
  }
  if (n == 1) SegmentSpans(pts[0].X + off, pts[0].Y + off, pts[0].X + off, pts[0].Y + off, r,
                           PS_ENDCAP_ROUND, yMin, yMax, spans);
  for (auto& s : spans) {
    s.X0 = std::max(s.X0, limit.Left - 1);
    s.X1 = std::min(s.X1, limit.Right + 1);
  }
  return Region::FromSpans(std::move(spans));
}

// Paints a region (surface coordinates) with the pen's pixel and mix mode, through the clip.
void PaintPenRegion(DCObj& dc, const PenInfo& pen, const Region& r) {
  Surface* s = dc.Target();
  if (!s) return;
  FillRegionPixel(s, Region::Combine(r, dc.ClipRegion(), RGN_AND), pen.Pixel, pen.Rop);
}

// Draws a polyline (surface points) with the DC's pen.
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

bool Recording(DCObj& dc) { return dc.PathOpen && dc.CurPath; }

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

// Flattens a cubic Bezier segment (surface points) into `out` (without its first point).
void Flatten(POINT p0, POINT p1, POINT p2, POINT p3, std::vector<POINT>& out) {
  const double len = std::hypot(p1.X - p0.X, p1.Y - p0.Y) + std::hypot(p2.X - p1.X, p2.Y - p1.Y) +
                     std::hypot(p3.X - p2.X, p3.Y - p2.Y);
  const int steps = std::clamp(int(len / 2), 1, 4096);
  for (int i = 1; i <= steps; ++i) {
    const double t = double(i) / steps, u = 1 - t;
    const double x = u * u * u * p0.X + 3 * u * u * t * p1.X + 3 * u * t * t * p2.X + t * t * t * p3.X;
    const double y = u * u * u * p0.Y + 3 * u * u * t * p1.Y + 3 * u * t * t * p2.Y + t * t * t * p3.Y;
    const POINT p{int(std::lround(x)), int(std::lround(y))};
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  }
  if (out.empty() || !(out.back() == p3)) out.push_back(p3);
}

// ---------------------------------------------------------------------------------------------
// Shapes row by row

TRect Normalized(TRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

// A few sorted, disjoint spans of one row.
struct Spans {
  int N = 0;
  int32_t X0[8], X1[8];
  void Add(int32_t a, int32_t b) {
    if (a >= b || N == 8) return;
    if (N > 0 && a <= X1[N - 1]) {
      X1[N - 1] = std::max(X1[N - 1], b);
      return;
    }
    X0[N] = a;
    X1[N++] = b;
  }
};

Spans Intersect(const Spans& a, const Spans& b) {
  Spans out;
  for (int i = 0, j = 0; i < a.N && j < b.N;) {
    out.Add(std::max(a.X0[i], b.X0[j]), std::min(a.X1[i], b.X1[j]));
    if (a.X1[i] < b.X1[j]) ++i;
    else ++j;
  }
  return out;
}

Spans Subtract(const Spans& a, const Spans& b) {
  Spans out;
  int j = 0;
  for (int i = 0; i < a.N; ++i) {
    int32_t x = a.X0[i];
    while (j < b.N && b.X1[j] <= x) ++j;
    for (int k = j; k < b.N && b.X0[k] < a.X1[i]; ++k) {
      out.Add(x, b.X0[k]);
      x = std::max(x, b.X1[k]);
    }
    out.Add(x, a.X1[i]);
  }
  return out;
}

// A shape as rows of spans, row Top + i in Row[i].
struct RowShape {
  int32_t Top = 0;
  std::vector<Spans> Row;
  Spans At(int64_t y) const {
    const int64_t i = y - Top;
    return i >= 0 && i < int64_t(Row.size()) ? Row[size_t(i)] : Spans{};
  }
};

RowShape FromRows(const ShapeRows& r) {
  RowShape s;
  s.Top = r.Top;
  s.Row.resize(r.X0.size());
  for (size_t i = 0; i < r.X0.size(); ++i) s.Row[i].Add(r.X0[i], r.X1[i]);
  return s;
}

// The pixels of row i with all four neighbours in the shape.
Spans Interior(const RowShape& s, size_t i) {
  const Spans& row = s.Row[i];
  Spans in;
  for (int k = 0; k < row.N; ++k) in.Add(row.X0[k] + 1, row.X1[k] - 1);
  const int64_t y = s.Top + int64_t(i);
  return Intersect(Intersect(in, s.At(y - 1)), s.At(y + 1));
}

// Paints a shape: its one-pixel outline with the pen (when given) and the rest with the brush.
void PaintRows(const RowShape& s, SpanPainter* pen, SpanPainter* brush) {
  for (size_t i = 0; i < s.Row.size(); ++i) {
    const Spans& row = s.Row[i];
    if (row.N == 0) continue;
    const int y = s.Top + int(i);
    if (!pen) {
      if (brush)
        for (int k = 0; k < row.N; ++k) brush->Span(y, row.X0[k], row.X1[k]);
      continue;
    }
    const Spans in = Interior(s, i), ring = Subtract(row, in);
    if (brush)
      for (int k = 0; k < in.N; ++k) brush->Span(y, in.X0[k], in.X1[k]);
    for (int k = 0; k < ring.N; ++k) pen->Span(y, ring.X0[k], ring.X1[k]);
  }
}

// Start angle and counter-clockwise sweep of an arc, from its two rays.
void ArcAngles(DCObj& dc, double cx, double cy, POINT s, POINT e, double& a0, double& sweep) {
  double as = std::atan2(-(s.Y - cy), s.X - cx);
  double ae = std::atan2(-(e.Y - cy), e.X - cx);
  if (dc.S.ArcDirection == AD_CLOCKWISE) std::swap(as, ae);
  sweep = ae - as;
  while (sweep <= 0) sweep += 2 * kPi;
  if (std::abs(sweep - 2 * kPi) < 1e-12 && s == e) sweep = 2 * kPi;
  a0 = as;
}

// The pixels of [x0, x1) on row y for which `in` holds, `in` being a half-plane test (true on
// one side of a line only, so the pixels form one run at an end of the span).
template <class In>
Spans HalfPlaneRun(int y, int32_t x0, int32_t x1, In in) {
  Spans out;
  if (x0 >= x1) return out;
  const bool first = in(x0, y), last = in(x1 - 1, y);
  if (first && last) {
    out.Add(x0, x1);
    return out;
  }
  if (!first && !last) return out;
  // Binary search for the change.
  int32_t lo = x0, hi = x1 - 1;  // in(lo) == first, in(hi) == last
  while (hi - lo > 1) {
    const int32_t mid = lo + (hi - lo) / 2;
    (in(mid, y) == first ? lo : hi) = mid;
  }
  if (first) out.Add(x0, hi);
  else out.Add(hi, x1);
  return out;
}

Spans Union(const Spans& a, const Spans& b) {
  Spans out;
  int i = 0, j = 0;
  while (i < a.N || j < b.N) {
    if (j >= b.N || (i < a.N && a.X0[i] < b.X0[j])) { out.Add(a.X0[i], a.X1[i]); ++i; }
    else { out.Add(b.X0[j], b.X1[j]); ++j; }
  }
  return out;
}

// The pixels of a row span whose centres lie on the sweep from a0 going counter-clockwise
// (screen view) by `sweep` radians around (cx, cy): the two rays' half-planes, both for
// sweeps up to a half turn, either for wider ones.
Spans SectorRun(int y, const Spans& row, double cx, double cy, double a0, double sweep) {
  if (sweep >= 2 * kPi - 1e-12) return row;
  const double ux = std::cos(a0), uy = std::sin(a0);
  const double wx = std::cos(a0 + sweep), wy = std::sin(a0 + sweep);
  auto afterStart = [&](int x, int yy) {
    const double vx = x + 0.5 - cx, vy = -(yy + 0.5 - cy);
    return ux * vy - uy * vx >= -1e-9;
  };
  auto beforeEnd = [&](int x, int yy) {
    const double vx = x + 0.5 - cx, vy = -(yy + 0.5 - cy);
    return vx * wy - vy * wx >= -1e-9;
  };
  Spans out;
  for (int k = 0; k < row.N; ++k) {
    const Spans a = HalfPlaneRun(y, row.X0[k], row.X1[k], afterStart);
    const Spans b = HalfPlaneRun(y, row.X0[k], row.X1[k], beforeEnd);
    const Spans part = sweep <= kPi ? Intersect(a, b) : Union(a, b);
    for (int j = 0; j < part.N; ++j) out.Add(part.X0[j], part.X1[j]);
  }
  return out;
}

// Where a ray from the centre toward p meets the ellipse of half-axes (a, b).
void RayPoint(double cx, double cy, double a, double b, POINT p, double& x, double& y) {
  const double dx = p.X - cx, dy = p.Y - cy;
  const double k = std::sqrt((dx * dx) / (a * a) + (dy * dy) / (b * b));
  if (k == 0) { x = cx + a; y = cy; return; }
  x = cx + dx / k;
  y = cy + dy / k;
}

// The area drawing can reach (keeps huge shapes cheap).
TRect Reach(DCObj& dc, int margin) {
  TRect b = dc.ClipRegion().Bounds();
  return {b.Left - margin, b.Top - margin, b.Right + margin, b.Bottom + margin};
}

void FillShape(DCObj& dc, const Region& r) {
  const BrushObj* b = dc.S.Brush.get();
  if (!b || b->Style == BS_NULL) return;
  FillRegionWithBrush(dc, r, b, Rop2ToRop3(dc.S.Rop2));
}

// The DC's brush as a span painter, or null without one.
std::optional<SpanPainter> BrushPainter(DCObj& dc) {
  const BrushObj* b = dc.S.Brush.get();
  if (!b || b->Style == BS_NULL) return std::nullopt;
  return std::optional<SpanPainter>(std::in_place, dc, b, Rop2ToRop3(dc.S.Rop2));
}

enum class ShapeKind { Ellipse, RoundRect };

// Ellipse and rounded rectangle: the ring the pen covers and the interior the brush fills.
void DrawClosedCurve(DCObj& dc, TRect box, ShapeKind kind, int ew, int eh) {
  const PenInfo pen = RealizePen(dc);
  box = Normalized(box);
  const TRect window = Reach(dc, pen.Width + 2);
  auto shape = [&](const TRect& r, int dw, int dh) {
    auto corner = [](int e, int d) {
      return int(std::clamp<int64_t>(int64_t(e) - d, INT32_MIN, INT32_MAX));
    };
    return FromRows(kind == ShapeKind::Ellipse ? EllipseRows(r, &window)
                                               : RoundRectRows(r, corner(ew, dw), corner(eh, dh), &window));
  };
  std::optional<SpanPainter> brush = BrushPainter(dc);
  auto rows = [&](const TRect& r) {
    return kind == ShapeKind::Ellipse ? EllipseRows(r, &window) : RoundRectRows(r, ew, eh, &window);
  };
  if (pen.Null) {
    if (!brush) return;
    const ShapeRows s = rows({box.Left, box.Top, box.Right - 1, box.Bottom - 1});
    for (size_t i = 0; i < s.X0.size(); ++i) brush->Span(s.Top + int(i), s.X0[i], s.X1[i]);
    return;
  }
  SpanPainter penPainter(dc, pen.Pixel, pen.Rop);
  if (!pen.Wide) {
    // One span a row: the interior is what lies inside the row less its end pixels and
    // inside both neighbouring rows.
    const ShapeRows s = rows(box);
    const size_t n = s.X0.size();
    for (size_t i = 0; i < n; ++i) {
      const int32_t a = s.X0[i], b = s.X1[i];
      if (a >= b) continue;
      const int y = s.Top + int(i);
      int32_t ia = a + 1, ib = b - 1;
      if (i == 0 || i + 1 == n) {
        ia = ib;
      } else {
        ia = std::max({ia, s.X0[i - 1], s.X0[i + 1]});
        ib = std::min({ib, s.X1[i - 1], s.X1[i + 1]});
        if (s.X0[i - 1] >= s.X1[i - 1] || s.X0[i + 1] >= s.X1[i + 1]) ib = ia;
      }
      if (ia < ib) {
        if (brush) brush->Span(y, ia, ib);
        penPainter.Span(y, a, ia);
        penPainter.Span(y, ib, b);
      } else {
        penPainter.Span(y, a, b);
      }
    }
    return;
  }
  const int w = pen.Width;
  TRect outer = box;
  if (!pen.InsideFrame) {
    const int d1 = w / 2, d2 = w - 1 - w / 2;
    outer = {box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2};
  }
  const TRect in{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
  const RowShape o = shape(outer, -(outer.Right - box.Right) * 2, -(outer.Bottom - box.Bottom) * 2);
  const RowShape inner = in.Left < in.Right && in.Top < in.Bottom ? shape(in, 2 * w, 2 * w) : RowShape();
  for (size_t i = 0; i < o.Row.size(); ++i) {
    const int y = o.Top + int(i);
    const Spans fill = inner.At(y), ring = Subtract(o.Row[i], fill);
    if (brush)
      for (int k = 0; k < fill.N; ++k) brush->Span(y, fill.X0[k], fill.X1[k]);
    for (int k = 0; k < ring.N; ++k) penPainter.Span(y, ring.X0[k], ring.X1[k]);
  }
}

enum class ArcKind { Arc, Pie, Chord };

void DrawArcShape(DCObj& dc, TRect box, POINT s, POINT e, ArcKind kind) {
  const PenInfo pen = RealizePen(dc);
  box = Normalized(box);
  if (box.Right <= box.Left || box.Bottom <= box.Top) return;
  const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
  const double ra = (double(box.Right) - box.Left) / 2, rb = (double(box.Bottom) - box.Top) / 2;
  double a0, sweep;
  ArcAngles(dc, cx, cy, s, e, a0, sweep);
  const TRect window = Reach(dc, pen.Width + 2);
  if (kind == ArcKind::Arc) {
    if (pen.Null) return;
    // The ellipse's ring (the pen's width), cut to the sweep.
    RowShape ring = FromRows(EllipseRows(box, &window));
    if (!pen.Wide) {
      RowShape edge = ring;
      for (size_t i = 0; i < ring.Row.size(); ++i) edge.Row[i] = Subtract(ring.Row[i], Interior(ring, i));
      ring = std::move(edge);
    } else {
      const int w = pen.Width, d1 = w / 2, d2 = w - 1 - w / 2;
      ring = FromRows(EllipseRows({box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2}, &window));
      const RowShape in = FromRows(EllipseRows(
          {box.Left - d1 + w, box.Top - d1 + w, box.Right + d2 - w, box.Bottom + d2 - w}, &window));
      for (size_t i = 0; i < ring.Row.size(); ++i)
        ring.Row[i] = Subtract(ring.Row[i], in.At(ring.Top + int64_t(i)));
    }
    SpanPainter painter(dc, pen.Pixel, pen.Rop);
    for (size_t i = 0; i < ring.Row.size(); ++i) {
      const int y = ring.Top + int(i);
      const Spans part = SectorRun(y, ring.Row[i], cx, cy, a0, sweep);
      for (int k = 0; k < part.N; ++k) painter.Span(y, part.X0[k], part.X1[k]);
    }
    return;
  }
  RowShape shape = FromRows(EllipseRows(box, &window));
  if (kind == ArcKind::Pie) {
    for (size_t i = 0; i < shape.Row.size(); ++i)
      shape.Row[i] = SectorRun(shape.Top + int(i), shape.Row[i], cx, cy, a0, sweep);
  } else {
    const double sx = cx + ra * std::cos(a0), sy = cy - rb * std::sin(a0);
    const double ex = cx + ra * std::cos(a0 + sweep), ey = cy - rb * std::sin(a0 + sweep);
    const double mid = a0 + sweep / 2;
    const double mx = cx + ra * std::cos(mid), my = cy - rb * std::sin(mid);
    const double side = (ex - sx) * (my - sy) - (ey - sy) * (mx - sx);
    auto in = [&](int x, int y) {
      return ((ex - sx) * (y + 0.5 - sy) - (ey - sy) * (x + 0.5 - sx)) * side >= 0;
    };
    for (size_t i = 0; i < shape.Row.size(); ++i) {
      const Spans row = shape.Row[i];
      Spans cut;
      for (int k = 0; k < row.N; ++k) {
        const Spans part = HalfPlaneRun(shape.Top + int(i), row.X0[k], row.X1[k], in);
        for (int j = 0; j < part.N; ++j) cut.Add(part.X0[j], part.X1[j]);
      }
      shape.Row[i] = cut;
    }
  }
  std::optional<SpanPainter> brush = BrushPainter(dc);
  if (pen.Null) {
    PaintRows(shape, nullptr, brush ? &*brush : nullptr);
    return;
  }
  if (!pen.Wide) {
    SpanPainter penPainter(dc, pen.Pixel, pen.Rop);
    PaintRows(shape, &penPainter, brush ? &*brush : nullptr);
    return;
  }
  // Wide pens: the outline widened around its pixels, over the interior.
  std::vector<Region::Span> spans;
  const int w = pen.Width, d1 = w / 2, d2 = w - 1 - w / 2;
  for (size_t i = 0; i < shape.Row.size(); ++i) {
    const int y = shape.Top + int(i);
    const Spans in = shape.Row[i].N ? Interior(shape, i) : Spans{};
    const Spans ring = Subtract(shape.Row[i], in);
    if (brush)
      for (int k = 0; k < in.N; ++k) brush->Span(y, in.X0[k], in.X1[k]);
    for (int k = 0; k < ring.N; ++k)
      for (int j = -d1; j <= d2; ++j) spans.push_back({y + j, ring.X0[k] - d1, ring.X1[k] + d2});
  }
  brush.reset();
  PaintPenRegion(dc, pen, Region::FromSpans(std::move(spans)));
}

std::vector<POINT> ToSurfacePoints(DCObj& dc, const POINT* pts, size_t n) {
  std::vector<POINT> out(n);
  for (size_t i = 0; i < n; ++i) out[i] = dc.ToSurface(pts[i]);
  return out;
}

// Ellipse outline as a polygon through the centres of the bounding pixels (for paths).
std::vector<POINT> EllipsePolygon(TRect b) {
  --b.Right;
  --b.Bottom;
  std::vector<POINT> pts;
  const double cx = (double(b.Left) + b.Right) / 2, cy = (double(b.Top) + b.Bottom) / 2;
  const double a = (double(b.Right) - b.Left) / 2, c = (double(b.Bottom) - b.Top) / 2;
  const int n = std::clamp(int((a + c) * 2), 8, 720);
  for (int i = 0; i < n; ++i) {
    const double t = 2 * kPi * i / n;
    pts.push_back({int(std::lround(cx + a * std::cos(t))), int(std::lround(cy - c * std::sin(t)))});
  }
  return pts;
}

// Points along an arc (surface coordinates) from the start ray to the end ray, in the DC's
// arc direction, for paths.
std::vector<POINT> ArcPolyline(DCObj& dc, TRect box, POINT s, POINT e) {
  // Path outlines run through the centres of the bounding pixels, as Rectangle's does.
  box = Normalized(box);
  --box.Right;
  --box.Bottom;
  std::vector<POINT> pts;
  const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
  const double a = (double(box.Right) - box.Left) / 2, b = (double(box.Bottom) - box.Top) / 2;
  if (a <= 0 || b <= 0) return pts;
  double a0, sweep;
  ArcAngles(dc, cx, cy, s, e, a0, sweep);
  const bool cw = dc.S.ArcDirection == AD_CLOCKWISE;
  const int n = std::clamp(int(sweep * (a + b) / 4), 4, 720);
  for (int i = 0; i <= n; ++i) {
    // Clockwise arcs run from the start ray backwards (ArcAngles swapped the rays).
    const double t = cw ? a0 + sweep - sweep * i / n : a0 + sweep * i / n;
    double x, y;
    RayPoint(cx, cy, a, b, {int(std::lround(cx + 1000 * std::cos(t))), int(std::lround(cy - 1000 * std::sin(t)))},
             x, y);
    const POINT p{int(std::lround(x)), int(std::lround(y))};
    if (pts.empty() || !(pts.back() == p)) pts.push_back(p);
  }
  return pts;
}

// A rounded rectangle's outline as a polygon (for paths).
std::vector<POINT> RoundRectPolygon(TRect b, int ew, int eh) {
  b = Normalized(b);
  const double rx = std::min(std::abs(double(ew)) / 2.0, (double(b.Right) - b.Left) / 2);
  const double ry = std::min(std::abs(double(eh)) / 2.0, (double(b.Bottom) - b.Top) / 2);
  std::vector<POINT> pts;
  const double corners[4][3] = {{b.Right - 1 - rx, b.Top + ry, 0},
                                {b.Left + rx, b.Top + ry, kPi / 2},
                                {b.Left + rx, b.Bottom - 1 - ry, kPi},
                                {b.Right - 1 - rx, b.Bottom - 1 - ry, 3 * kPi / 2}};
  for (const auto& c : corners)
    for (int i = 0; i <= 8; ++i) {
      const double t = c[2] + kPi / 2 * i / 8;
      const POINT p{int(std::lround(c[0] + rx * std::cos(t))), int(std::lround(c[1] - ry * std::sin(t)))};
      if (pts.empty() || !(pts.back() == p)) pts.push_back(p);
    }
  return pts;
}

}  // namespace

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

#define ZYL_DRAW_DC(ret)            \
  DCObj* dc = LookupDC(h);          \
  if (!dc || !dc->Target()) return ret; \
  DrawScope scope(*dc)

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

BOOL PolyPolyline(HDC h, const POINT* pts, const DWORD* counts, DWORD polyCount) {
  if (!pts || !counts) return FALSE;
  for (DWORD i = 0; i < polyCount; ++i) {
    if (!Polyline(h, pts, int(counts[i]))) return FALSE;
    pts += counts[i];
  }
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

BOOL PolyBezierTo(HDC h, const POINT* pts, DWORD count) {
  DCObj* dc = LookupDC(h);
  if (!dc || !pts || count < 3 || count % 3 != 0) return FALSE;
  std::vector<POINT> all{dc->S.CurrentPos};
  all.insert(all.end(), pts, pts + count);
  const BOOL ok = PolyBezier(h, all.data(), DWORD(all.size()));
  if (ok) dc->S.CurrentPos = pts[count - 1];
  return ok;
}

BOOL Rectangle(HDC h, int l, int t, int r, int b) {
  ZYL_DRAW_DC(FALSE);
  TRect box = Normalized(dc->ToSurface(TRect{l, t, r, b}));
  if (Recording(*dc)) {
    PathPolygon(*dc, {{box.Left, box.Top}, {box.Right - 1, box.Top},
                      {box.Right - 1, box.Bottom - 1}, {box.Left, box.Bottom - 1}});
    return TRUE;
  }
  const PenInfo pen = RealizePen(*dc);
  if (pen.Null) {
    FillShape(*dc, Region(TRect{box.Left, box.Top, box.Right - 1, box.Bottom - 1}));
    return TRUE;
  }
  if (box.Right <= box.Left || box.Bottom <= box.Top) return TRUE;
  const int w = pen.Width;
  TRect outer = box;
  if (!pen.InsideFrame && w > 1) {
    const int d1 = w / 2, d2 = w - 1 - w / 2;
    outer = {box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2};
  }
  const TRect inner{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
  if (inner.Left < inner.Right && inner.Top < inner.Bottom) FillShape(*dc, Region(inner));
  if (!pen.Wide && !pen.Dashes.empty()) {
    // The outline's path starts at the top-right corner and runs counter-clockwise; the dash
    // pattern follows it round the corners.
    StrokePolyline(*dc, {{box.Right - 1, box.Top}, {box.Left, box.Top}, {box.Left, box.Bottom - 1},
                         {box.Right - 1, box.Bottom - 1}}, true);
    return TRUE;
  }
  if (w >= 3 && !pen.MiterJoin) {
    // Round joins: the pen's circle swept along the outline's path (the centre line of the
    // ring), the ring's square inner corners kept.
    const TRect path{outer.Left + w / 2, outer.Top + w / 2, outer.Right - (w - 1 - w / 2),
                     outer.Bottom - (w - 1 - w / 2)};
    const std::vector<POINT> corners{{path.Left, path.Top}, {path.Right - 1, path.Top},
                                     {path.Right - 1, path.Bottom - 1}, {path.Left, path.Bottom - 1}};
    Region ring = WideStroke(corners, true, pen, Reach(*dc, w + 2));
    if (inner.Left < inner.Right && inner.Top < inner.Bottom)
      ring = Region::Combine(ring, Region(inner), RGN_DIFF);
    PaintPenRegion(*dc, pen, ring);
    return TRUE;
  }
  // The ring between the outer and inner rectangles, row by row.
  SpanPainter ring(*dc, pen.Pixel, pen.Rop);
  const bool hollow = inner.Left < inner.Right && inner.Top < inner.Bottom;
  for (int64_t y = std::max<int64_t>(outer.Top, dc->ClipRegion().Bounds().Top),
               end = std::min<int64_t>(outer.Bottom, dc->ClipRegion().Bounds().Bottom);
       y < end; ++y) {
    if (hollow && y >= inner.Top && y < inner.Bottom) {
      ring.Span(int(y), outer.Left, inner.Left);
      ring.Span(int(y), inner.Right, outer.Right);
    } else {
      ring.Span(int(y), outer.Left, outer.Right);
    }
  }
  return TRUE;
}

BOOL RoundRect(HDC h, int l, int t, int r, int b, int w, int hh) {
  ZYL_DRAW_DC(FALSE);
  const TRect box = Normalized(dc->ToSurface(TRect{l, t, r, b}));
  if (Recording(*dc)) {
    PathPolygon(*dc, RoundRectPolygon(box, w, hh));
    return TRUE;
  }
  DrawClosedCurve(*dc, box, ShapeKind::RoundRect, w, hh);
  return TRUE;
}

BOOL Ellipse(HDC h, int l, int t, int r, int b) {
  ZYL_DRAW_DC(FALSE);
  const TRect box = Normalized(dc->ToSurface(TRect{l, t, r, b}));
  if (Recording(*dc)) {
    PathPolygon(*dc, EllipsePolygon(box));
    return TRUE;
  }
  DrawClosedCurve(*dc, box, ShapeKind::Ellipse, 0, 0);
  return TRUE;
}

BOOL Arc(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  ZYL_DRAW_DC(FALSE);
  if (Recording(*dc)) {
    const auto pts = ArcPolyline(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
                                 dc->ToSurface(POINT{xe, ye}));
    if (pts.empty()) return TRUE;
    PathMove(*dc, pts[0]);
    for (size_t i = 1; i < pts.size(); ++i) PathLine(*dc, pts[i]);
    return TRUE;
  }
  DrawArcShape(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
               dc->ToSurface(POINT{xe, ye}), ArcKind::Arc);
  return TRUE;
}

BOOL ArcTo(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  // A line to the arc's start, the arc, and the current position moves to its end.
  const TRect box = Normalized(TRect{l, t, r, b});
  const double cx = (double(box.Left) + box.Right) / 2, cy = (double(box.Top) + box.Bottom) / 2;
  const double a = (double(box.Right) - box.Left) / 2, c = (double(box.Bottom) - box.Top) / 2;
  if (a <= 0 || c <= 0) return FALSE;
  double sx, sy, ex, ey;
  RayPoint(cx, cy, a, c, {xs, ys}, sx, sy);
  RayPoint(cx, cy, a, c, {xe, ye}, ex, ey);
  LineTo(h, int(std::lround(sx)), int(std::lround(sy)));
  Arc(h, l, t, r, b, xs, ys, xe, ye);
  dc->S.CurrentPos = {int(std::lround(ex)), int(std::lround(ey))};
  return TRUE;
}

BOOL AngleArc(HDC h, int x, int y, DWORD radius, float startAngle, float sweepAngle) {
  DCObj* dc = LookupDC(h);
  if (!dc || radius > (1u << 24)) return FALSE;
  const double r = radius;
  const double a0 = startAngle * kPi / 180, a1 = (startAngle + sweepAngle) * kPi / 180;
  const int n = std::clamp(int(std::abs(sweepAngle) * r / 30) + 2, 2, 720);
  std::vector<POINT> pts;
  for (int i = 0; i <= n; ++i) {
    const double t = a0 + (a1 - a0) * i / n;
    pts.push_back({int(std::lround(x + r * std::cos(t))), int(std::lround(y - r * std::sin(t)))});
  }
  LineTo(h, pts[0].X, pts[0].Y);
  PolylineTo(h, pts.data() + 1, DWORD(pts.size() - 1));
  return TRUE;
}

BOOL Pie(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  ZYL_DRAW_DC(FALSE);
  if (Recording(*dc)) {
    auto pts = ArcPolyline(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
                           dc->ToSurface(POINT{xe, ye}));
    const TRect box = Normalized(dc->ToSurface(TRect{l, t, r, b}));
    pts.push_back({(box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2});
    PathPolygon(*dc, pts);
    return TRUE;
  }
  DrawArcShape(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
               dc->ToSurface(POINT{xe, ye}), ArcKind::Pie);
  return TRUE;
}

BOOL Chord(HDC h, int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  ZYL_DRAW_DC(FALSE);
  if (Recording(*dc)) {
    PathPolygon(*dc, ArcPolyline(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
                                 dc->ToSurface(POINT{xe, ye})));
    return TRUE;
  }
  DrawArcShape(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
               dc->ToSurface(POINT{xe, ye}), ArcKind::Chord);
  return TRUE;
}

BOOL PolyPolygon(HDC h, const POINT* pts, const INT* counts, int polyCount) {
  ZYL_DRAW_DC(FALSE);
  if (!pts || !counts || polyCount <= 0) return FALSE;
  size_t total = 0;
  for (int i = 0; i < polyCount; ++i) {
    if (counts[i] < 2) return FALSE;
    total += size_t(counts[i]);
  }
  auto sp = ToSurfacePoints(*dc, pts, total);
  if (Recording(*dc)) {
    size_t k = 0;
    for (int i = 0; i < polyCount; ++i) {
      PathPolygon(*dc, std::vector<POINT>(sp.begin() + k, sp.begin() + k + counts[i]));
      k += size_t(counts[i]);
    }
    return TRUE;
  }
  const TRect window = Reach(*dc, 1);
  if (std::optional<SpanPainter> brush = BrushPainter(*dc))
    PolygonSpans(sp.data(), counts, polyCount, dc->S.PolyFillMode, &window,
                 [&brush](const Region::Span& s) { brush->Span(s.Y, s.X0, s.X1); });
  size_t k = 0;
  for (int i = 0; i < polyCount; ++i) {
    StrokePolyline(*dc, std::vector<POINT>(sp.begin() + k, sp.begin() + k + counts[i]), true);
    k += size_t(counts[i]);
  }
  return TRUE;
}

BOOL Polygon(HDC h, const POINT* pts, int count) {
  if (!pts || count < 2) return FALSE;
  return PolyPolygon(h, pts, &count, 1);
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
  auto mark = [&](int px, int py) -> uint8_t& { return seen[size_t(py - b.Top) * w + (px - b.Left)]; };
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

#undef ZYL_DRAW_DC

}  // namespace win
