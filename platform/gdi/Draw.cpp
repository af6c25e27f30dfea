// Lines, curves and filled shapes with the platform's pixel rules.
//
// Rules kept here: right and bottom edges are exclusive; a line does not paint its last point;
// one-pixel pens step with a midpoint rule whose ties round toward the start's row (or column);
// wider pens are centred on the path, with round caps and joins (odd widths centre on the pixel,
// even widths on its top-left corner); PS_INSIDEFRAME keeps the pen inside the bounding box;
// filled shapes paint the brush first, the pen on top; without a pen, Rectangle, Ellipse and
// RoundRect fill one pixel less to the right and bottom.
#include <algorithm>
#include <cmath>

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

// Paints single pixels through the clip, with the dash state carried along a figure.
class PixelPainter {
 public:
  PixelPainter(DCObj& dc, const PenInfo& pen) : dc_(dc), pen_(pen), s_(dc.Target()) {
    clip_ = &dc.ClipRegion();
    b_ = clip_->Bounds();
    single_ = clip_->Rects().size() == 1;
  }
  // Moves the dash pattern on by n pixels.
  void Skip(int64_t n) {
    if (pen_.Dashes.empty() || n <= 0) return;
    int64_t period = 0;
    for (int d : pen_.Dashes) period += d;
    n %= period;
    while (n > 0) {
      const int64_t left = pen_.Dashes[dashIndex_] - dashCount_;
      if (n < left) {
        dashCount_ += int(n);
        break;
      }
      n -= left;
      dashCount_ = 0;
      dashIndex_ = (dashIndex_ + 1) % int(pen_.Dashes.size());
    }
  }
  void Plot(int x, int y) {
    bool on = true;
    if (!pen_.Dashes.empty()) {
      on = (dashIndex_ % 2) == 0;
      if (++dashCount_ >= pen_.Dashes[dashIndex_]) {
        dashCount_ = 0;
        dashIndex_ = (dashIndex_ + 1) % int(pen_.Dashes.size());
      }
      if (!on && !pen_.Opaque) return;
    }
    if (x < b_.Left || x >= b_.Right || y < b_.Top || y >= b_.Bottom) return;
    if (!single_ && !clip_->Contains(x, y)) return;
    uint32_t& d = s_->Row(y)[x];
    d = RopPixel(on ? pen_.Pixel : pen_.BkPixel, 0, d, pen_.Rop);
    s_->Touch({x, y, x + 1, y + 1});
  }

 private:
  DCObj& dc_;
  const PenInfo& pen_;
  Surface* s_;
  const Region* clip_;
  TRect b_;
  bool single_;
  int dashIndex_ = 0, dashCount_ = 0;
};

// Steps from (x0,y0) toward (x1,y1), calling f for every pixel but the last. With a window,
// only the steps whose major coordinate can reach it are taken (the pixels are the same as on
// the full line), and skip(n) is told how many steps were left out before and after them.
template <class F, class G>
void StepLine(int x0, int y0, int x1, int y1, const TRect* window, F&& f, G&& skip) {
  const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const int64_t steps = xMajor ? adx : ady;
  int64_t i0 = 0, i1 = steps;
  if (window) {
    const int64_t start = xMajor ? x0 : y0;
    const int s = xMajor ? sx : sy;
    const int64_t lo = int64_t(xMajor ? window->Left : window->Top) - 1;
    const int64_t hi = xMajor ? window->Right : window->Bottom;
    if (s > 0) {
      i0 = std::max<int64_t>(i0, lo - start);
      i1 = std::min<int64_t>(i1, hi - start + 1);
    } else {
      i0 = std::max<int64_t>(i0, start - hi);
      i1 = std::min<int64_t>(i1, start - lo + 1);
    }
    if (i0 >= i1) {
      skip(steps);
      return;
    }
  }
  skip(i0);
  for (int64_t i = i0; i < i1; ++i) {
    // Offset along the minor axis: i*minor/major rounded, halves toward the start.
    // (128-bit products: both factors may approach 2^32.)
    if (xMajor) {
      const int64_t off = int64_t((2 * __int128(i) * ady + adx - 1) / (2 * __int128(adx)));
      f(int(x0 + sx * i), int(y0 + sy * off));
    } else {
      const int64_t off = int64_t((2 * __int128(i) * adx + ady - 1) / (2 * __int128(ady)));
      f(int(x0 + sx * off), int(y0 + sy * i));
    }
  }
  skip(steps - i1);
}

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
      for (int k = 0; k < 2; ++k) {
        const double qx = k ? bx : ax, qy = k ? by : ay;
        const double dy = py - qy;
        if (dy * dy > r * r) continue;
        const double h = std::sqrt(r * r - dy * dy);
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
  PixelPainter painter(dc, pen);
  const size_t n = pts.size();
  const size_t segs = closed ? n : n - 1;
  for (size_t i = 0; i < segs; ++i) {
    const POINT a = pts[i], b = pts[(i + 1) % n];
    StepLine(a.X, a.Y, b.X, b.Y, &clipBox, [&](int x, int y) { painter.Plot(x, y); },
             [&](int64_t k) { painter.Skip(k); });
  }
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
// Shapes by membership

TRect Normalized(TRect r) {
  if (r.Left > r.Right) std::swap(r.Left, r.Right);
  if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
  return r;
}

// The one-pixel outline of a region: its pixels with a 4-neighbour outside it.
Region Boundary(const Region& shape) {
  Region inner = shape;
  for (const auto& d : {POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}}) {
    Region moved = shape;
    moved.Offset(d.X, d.Y);
    inner = Region::Combine(inner, moved, RGN_AND);
  }
  return Region::Combine(shape, inner, RGN_DIFF);
}

// Pixels of `shape` whose centre's angle around (cx, cy) lies on the sweep from a0 going
// counter-clockwise (screen view) by `sweep` radians.
Region AngleFilter(const Region& shape, double cx, double cy, double a0, double sweep) {
  std::vector<Region::Span> spans;
  for (const TRect& q : shape.Rects())
    for (int y = q.Top; y < q.Bottom; ++y) {
      int runStart = INT32_MIN;
      for (int x = q.Left; x <= q.Right; ++x) {
        bool in = false;
        if (x < q.Right) {
          double a = std::atan2(-(y + 0.5 - cy), x + 0.5 - cx) - a0;
          while (a < 0) a += 2 * kPi;
          while (a >= 2 * kPi) a -= 2 * kPi;
          in = a <= sweep + 1e-9;
        }
        if (in && runStart == INT32_MIN) runStart = x;
        if (!in && runStart != INT32_MIN) {
          spans.push_back({y, runStart, x});
          runStart = INT32_MIN;
        }
      }
    }
  return Region::FromSpans(std::move(spans));
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

// Where a ray from the centre toward p meets the ellipse of half-axes (a, b).
void RayPoint(double cx, double cy, double a, double b, POINT p, double& x, double& y) {
  const double dx = p.X - cx, dy = p.Y - cy;
  const double k = std::sqrt((dx * dx) / (a * a) + (dy * dy) / (b * b));
  if (k == 0) { x = cx + a; y = cy; return; }
  x = cx + dx / k;
  y = cy + dy / k;
}

// A region limited to the area drawing can reach (keeps huge shapes cheap).
TRect Reach(DCObj& dc, int margin) {
  TRect b = dc.ClipRegion().Bounds();
  return {b.Left - margin, b.Top - margin, b.Right + margin, b.Bottom + margin};
}

void FillShape(DCObj& dc, const Region& r) {
  const BrushObj* b = dc.S.Brush.get();
  if (!b || b->Style == BS_NULL) return;
  FillRegionWithBrush(dc, r, b, Rop2ToRop3(dc.S.Rop2));
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
    return kind == ShapeKind::Ellipse ? EllipseRegion(r, &window)
                                      : RoundRectRegion(r, corner(ew, dw), corner(eh, dh), &window);
  };
  if (pen.Null) {
    FillShape(dc, shape({box.Left, box.Top, box.Right - 1, box.Bottom - 1}, 0, 0));
    return;
  }
  Region ring, inner;
  if (!pen.Wide) {
    const Region all = shape(box, 0, 0);
    ring = Boundary(all);
    inner = Region::Combine(all, ring, RGN_DIFF);
  } else {
    const int w = pen.Width;
    TRect outer = box;
    if (!pen.InsideFrame) {
      const int d1 = w / 2, d2 = w - 1 - w / 2;
      outer = {box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2};
    }
    const TRect in{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
    const Region o = shape(outer, -(outer.Right - box.Right) * 2, -(outer.Bottom - box.Bottom) * 2);
    inner = in.Left < in.Right && in.Top < in.Bottom ? shape(in, 2 * w, 2 * w) : Region();
    ring = Region::Combine(o, inner, RGN_DIFF);
  }
  FillShape(dc, inner);
  PaintPenRegion(dc, pen, ring);
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
  const Region all = EllipseRegion(box, &window);
  Region shape;
  if (kind == ArcKind::Pie) {
    shape = AngleFilter(all, cx, cy, a0, sweep);
  } else if (kind == ArcKind::Chord) {
    double sx, sy, ex, ey;
    const double ca = a0, cb = a0 + sweep;
    sx = cx + ra * std::cos(ca); sy = cy - rb * std::sin(ca);
    ex = cx + ra * std::cos(cb); ey = cy - rb * std::sin(cb);
    const double mid = a0 + sweep / 2;
    const double mx = cx + ra * std::cos(mid), my = cy - rb * std::sin(mid);
    const double side = (ex - sx) * (my - sy) - (ey - sy) * (mx - sx);
    std::vector<Region::Span> spans;
    for (const TRect& q : all.Rects())
      for (int y = q.Top; y < q.Bottom; ++y) {
        int run = INT32_MIN;
        for (int x = q.Left; x <= q.Right; ++x) {
          bool in = false;
          if (x < q.Right) {
            const double v = (ex - sx) * (y + 0.5 - sy) - (ey - sy) * (x + 0.5 - sx);
            in = (v * side) >= 0;
          }
          if (in && run == INT32_MIN) run = x;
          if (!in && run != INT32_MIN) { spans.push_back({y, run, x}); run = INT32_MIN; }
        }
      }
    shape = Region::FromSpans(std::move(spans));
  }
  if (kind == ArcKind::Arc) {
    if (pen.Null) return;
    Region ring;
    if (!pen.Wide) {
      ring = Boundary(EllipseRegion(box, &window));
    } else {
      const int w = pen.Width, d1 = w / 2, d2 = w - 1 - w / 2;
      ring = Region::Combine(
          EllipseRegion({box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2}, &window),
          EllipseRegion({box.Left - d1 + w, box.Top - d1 + w, box.Right + d2 - w, box.Bottom + d2 - w},
                        &window),
          RGN_DIFF);
    }
    PaintPenRegion(dc, pen, AngleFilter(ring, cx, cy, a0, sweep));
    return;
  }
  if (pen.Null) {
    FillShape(dc, shape);
    return;
  }
  const Region outline = Boundary(shape);
  FillShape(dc, Region::Combine(shape, outline, RGN_DIFF));
  if (!pen.Wide) {
    PaintPenRegion(dc, pen, outline);
  } else {
    // Wide pens: the outline widened around its pixels.
    std::vector<Region::Span> spans;
    const int w = pen.Width, d1 = w / 2, d2 = w - 1 - w / 2;
    for (const TRect& q : outline.Rects())
      for (int y = q.Top; y < q.Bottom; ++y)
        for (int k = -d1; k <= d2; ++k) spans.push_back({y + k, q.Left - d1, q.Right + d2});
    PaintPenRegion(dc, pen, Region::FromSpans(std::move(spans)));
  }
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
  std::vector<POINT> out;
  StepLine(a.X, a.Y, b.X, b.Y, window, [&](int x, int y) { out.push_back({x, y}); },
           [](int64_t) {});
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
    StrokePolyline(*dc, {{box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1},
                         {box.Left, box.Bottom - 1}}, true);
    return TRUE;
  }
  PaintPenRegion(*dc, pen, Region::Combine(Region(outer), Region(inner), RGN_DIFF));
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
  FillShape(*dc, PolygonRegion(sp.data(), counts, polyCount, dc->S.PolyFillMode, &window));
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
