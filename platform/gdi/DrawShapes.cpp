// Filled shapes and curves: rectangles, ellipses, rounded rectangles, arcs, pies, chords and
// polygons.
//
// Rules kept here: right and bottom edges are exclusive; Rectangle's corners are round from
// three pixels up; PS_INSIDEFRAME keeps the pen inside the bounding box; a styled Rectangle's
// path starts at the top-right corner and runs counter-clockwise; polygons fill the pixels whose
// integer point is inside; filled shapes paint the brush and the pen side by side; without a
// pen, Rectangle, Ellipse and RoundRect fill one pixel less to the right and bottom. Curves are
// painted row by row as spans, without building regions.
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/gdi/DrawInternal.h"

namespace win::gdi {

using namespace draw_internal;

namespace {

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
    if (a.X1[i] < b.X1[j])
      ++i;
    else
      ++j;
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
  if (first)
    out.Add(x0, hi);
  else
    out.Add(hi, x1);
  return out;
}

Spans Union(const Spans& a, const Spans& b) {
  Spans out;
  int i = 0, j = 0;
  while (i < a.N || j < b.N) {
    if (j >= b.N || (i < a.N && a.X0[i] < b.X0[j])) {
      out.Add(a.X0[i], a.X1[i]);
      ++i;
    } else {
      out.Add(b.X0[j], b.X1[j]);
      ++j;
    }
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
  if (k == 0) {
    x = cx + a;
    y = cy;
    return;
  }
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
    return FromRows(kind == ShapeKind::Ellipse
                        ? EllipseRows(r, &window)
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
  const RowShape inner =
      in.Left < in.Right && in.Top < in.Bottom ? shape(in, 2 * w, 2 * w) : RowShape();
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
      for (size_t i = 0; i < ring.Row.size(); ++i)
        edge.Row[i] = Subtract(ring.Row[i], Interior(ring, i));
      ring = std::move(edge);
    } else {
      const int w = pen.Width, d1 = w / 2, d2 = w - 1 - w / 2;
      ring = FromRows(
          EllipseRows({box.Left - d1, box.Top - d1, box.Right + d2, box.Bottom + d2}, &window));
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
    RayPoint(cx, cy, a, b,
             {int(std::lround(cx + 1000 * std::cos(t))), int(std::lround(cy - 1000 * std::sin(t)))},
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
      const POINT p{int(std::lround(c[0] + rx * std::cos(t))),
                    int(std::lround(c[1] - ry * std::sin(t)))};
      if (pts.empty() || !(pts.back() == p)) pts.push_back(p);
    }
  return pts;
}

}  // namespace

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;
using namespace gdi::draw_internal;

BOOL Rectangle(HDC h, int l, int t, int r, int b) {
  ZYL_DRAW_DC(FALSE);
  TRect box = Normalized(dc->ToSurface(TRect{l, t, r, b}));
  if (Recording(*dc)) {
    PathPolygon(*dc, {{box.Left, box.Top},
                      {box.Right - 1, box.Top},
                      {box.Right - 1, box.Bottom - 1},
                      {box.Left, box.Bottom - 1}});
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
    StrokePolyline(*dc,
                   {{box.Right - 1, box.Top},
                    {box.Left, box.Top},
                    {box.Left, box.Bottom - 1},
                    {box.Right - 1, box.Bottom - 1}},
                   true);
    return TRUE;
  }
  if (w >= 3 && !pen.MiterJoin) {
    // Round joins: the pen's circle swept along the outline's path (the centre line of the
    // ring), the ring's square inner corners kept.
    const TRect path{outer.Left + w / 2, outer.Top + w / 2, outer.Right - (w - 1 - w / 2),
                     outer.Bottom - (w - 1 - w / 2)};
    const std::vector<POINT> corners{{path.Left, path.Top},
                                     {path.Right - 1, path.Top},
                                     {path.Right - 1, path.Bottom - 1},
                                     {path.Left, path.Bottom - 1}};
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
    const auto pts = ArcPolyline(*dc, dc->ToSurface(TRect{l, t, r, b}),
                                 dc->ToSurface(POINT{xs, ys}), dc->ToSurface(POINT{xe, ye}));
    if (pts.empty()) return TRUE;
    PathMove(*dc, pts[0]);
    for (size_t i = 1; i < pts.size(); ++i) PathLine(*dc, pts[i]);
    return TRUE;
  }
  DrawArcShape(*dc, dc->ToSurface(TRect{l, t, r, b}), dc->ToSurface(POINT{xs, ys}),
               dc->ToSurface(POINT{xe, ye}), ArcKind::Arc);
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
    PathPolygon(*dc, ArcPolyline(*dc, dc->ToSurface(TRect{l, t, r, b}),
                                 dc->ToSurface(POINT{xs, ys}), dc->ToSurface(POINT{xe, ye})));
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

}  // namespace win
