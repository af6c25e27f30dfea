// The region engine: banded rectangle lists (one flat array, bands in y-x order), boolean
// combinations in one pass over both band lists, and shape scan conversion.
#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

// The band of rectangles starting at index i (all share Top and Bottom): its end index.
size_t BandEnd(const std::vector<TRect>& r, size_t i) {
  const int32_t top = r[i].Top;
  size_t e = i + 1;
  while (e < r.size() && r[e].Top == top) ++e;
  return e;
}

// Appends the band [start, out.size()) and merges it into the band before it (which ends at
// prevStart..start) when that one touches it from above with the same spans.
void CoalesceBand(std::vector<TRect>& out, size_t& prevStart, size_t start) {
  const size_t n = out.size() - start;
  if (n == 0) return;
  if (prevStart < start && start - prevStart == n && out[prevStart].Bottom == out[start].Top) {
    bool same = true;
    for (size_t k = 0; k < n && same; ++k)
      same = out[prevStart + k].Left == out[start + k].Left &&
             out[prevStart + k].Right == out[start + k].Right;
    if (same) {
      const int32_t bottom = out[start].Bottom;
      for (size_t k = 0; k < n; ++k) out[prevStart + k].Bottom = bottom;
      out.resize(start);
      return;
    }
  }
  prevStart = start;
}

// Truth table of a combination over (in a, in b): bit (a << 1 | b).
unsigned ModeTable(int mode) {
  switch (mode) {
    case RGN_AND: return 0x8;
    case RGN_OR: return 0xE;
    case RGN_XOR: return 0x6;
    case RGN_DIFF: return 0x4;
    default: return 0xC;
  }
}

// Combines the spans of two bands (sorted, disjoint, not touching) into rows [top, bottom).
void CombineBand(const TRect* a, size_t na, const TRect* b, size_t nb, unsigned table,
                 int32_t top, int32_t bottom, std::vector<TRect>& out) {
  // Walks the span edges of both in order; each edge toggles its side's state.
  size_t ea = 0, eb = 0;  // edge indices: span k has edges 2k (left) and 2k+1 (right)
  const size_t ta = na * 2, tb = nb * 2;
  auto edge = [](const TRect* r, size_t e) { return (e & 1) ? r[e >> 1].Right : r[e >> 1].Left; };
  bool in = false;
  int32_t runStart = 0;
  while (ea < ta || eb < tb) {
    const int32_t xa = ea < ta ? edge(a, ea) : INT32_MAX, xb = eb < tb ? edge(b, eb) : INT32_MAX;
    const int32_t x = std::min(xa, xb);
    if (xa == x) ++ea;
    if (xb == x) ++eb;
    const bool now = (table >> (((ea & 1) << 1) | (eb & 1))) & 1;
    if (now == in) continue;
    if (now) {
      runStart = x;
    } else {
      out.push_back({runStart, top, x, bottom});
    }
    in = now;
  }
}

// Appends one row's spans (sorted by left edge, overlapping allowed) as a band, merged.
void PushRow(std::vector<TRect>& out, size_t& prevStart, const Region::Span* s, size_t n,
             int32_t top, int32_t bottom) {
  const size_t start = out.size();
  for (size_t i = 0; i < n; ++i) {
    if (s[i].X0 >= s[i].X1) continue;
    if (out.size() > start && s[i].X0 <= out.back().Right) {
      out.back().Right = std::max(out.back().Right, s[i].X1);
    } else {
      out.push_back({s[i].X0, top, s[i].X1, bottom});
    }
  }
  CoalesceBand(out, prevStart, start);
}

}  // namespace

Region::Region(const TRect& r) {
  if (r.Left < r.Right && r.Top < r.Bottom) {
    rects_.push_back(r);
    bounds_ = r;
  }
}

void Region::Normalize() {
  bounds_ = TRect{};
  if (rects_.empty()) return;
  bounds_ = {rects_.front().Left, rects_.front().Top, rects_.front().Right, rects_.back().Bottom};
  for (const TRect& r : rects_) {
    bounds_.Left = std::min(bounds_.Left, r.Left);
    bounds_.Right = std::max(bounds_.Right, r.Right);
  }
}

Region Region::FromRects(const std::vector<TRect>& input) {
  std::vector<TRect> rs;
  rs.reserve(input.size());
  for (const TRect& r : input)
    if (r.Left < r.Right && r.Top < r.Bottom) rs.push_back(r);
  Region out;
  if (rs.empty()) return out;
  std::vector<int32_t> ys;
  ys.reserve(rs.size() * 2);
  for (const TRect& r : rs) { ys.push_back(r.Top); ys.push_back(r.Bottom); }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(rs.begin(), rs.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
  std::vector<const TRect*> active;
  std::vector<Span> row;
  size_t next = 0, prevStart = 0;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    const int32_t y0 = ys[i], y1 = ys[i + 1];
    while (next < rs.size() && rs[next].Top <= y0) active.push_back(&rs[next++]);
    active.erase(std::remove_if(active.begin(), active.end(),
                                [y0](const TRect* r) { return r->Bottom <= y0; }),
                 active.end());
    row.clear();
    for (const TRect* r : active) row.push_back({y0, r->Left, r->Right});
    std::sort(row.begin(), row.end(), [](const Span& a, const Span& b) { return a.X0 < b.X0; });
    PushRow(out.rects_, prevStart, row.data(), row.size(), y0, y1);
  }
  out.Normalize();
  return out;
}

Region Region::FromSpans(std::vector<Span> spans) {
  auto before = [](const Span& a, const Span& b) { return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0; };
  // Scan converters emit rows in order; sort only when they did not.
  if (!std::is_sorted(spans.begin(), spans.end(), before)) std::sort(spans.begin(), spans.end(), before);
  Region out;
  out.rects_.reserve(spans.size());
  size_t i = 0, prevStart = 0;
  while (i < spans.size()) {
    const int32_t y = spans[i].Y;
    size_t e = i;
    while (e < spans.size() && spans[e].Y == y) ++e;
    PushRow(out.rects_, prevStart, spans.data() + i, e - i, y, y + 1);
    i = e;
  }
  out.Normalize();
  return out;
}

int Region::Complexity() const {
  if (rects_.empty()) return NULLREGION;
  return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Contains(int x, int y) const {
  if (x < bounds_.Left || x >= bounds_.Right || y < bounds_.Top || y >= bounds_.Bottom)
    return false;
  // Rectangles are sorted by top; find the first band that may hold y.
  auto it = std::lower_bound(rects_.begin(), rects_.end(), y,
                             [](const TRect& r, int yy) { return r.Bottom <= yy; });
  for (; it != rects_.end() && it->Top <= y; ++it)
    if (y < it->Bottom && x >= it->Left && x < it->Right) return true;
  return false;
}

bool Region::Intersects(const TRect& r) const {
  if (r.Left >= r.Right || r.Top >= r.Bottom) return false;
  auto it = std::lower_bound(rects_.begin(), rects_.end(), r.Top,
                             [](const TRect& q, int yy) { return q.Bottom <= yy; });
  for (; it != rects_.end() && it->Top < r.Bottom; ++it)
    if (it->Bottom > r.Top && it->Left < r.Right && it->Right > r.Left) return true;
  return false;
}

void Region::Offset(int dx, int dy) {
  if (rects_.empty() || (dx == 0 && dy == 0)) return;
  // Coordinates saturate instead of wrapping (a region moved beyond the coordinate space
  // keeps its band order).
  auto add = [](int32_t v, int d) {
    const int64_t r = int64_t(v) + d;
    return int32_t(r < INT32_MIN ? INT32_MIN : (r > INT32_MAX ? INT32_MAX : r));
  };
  const bool lossless = add(bounds_.Left, dx) - int64_t(bounds_.Left) == dx &&
                        add(bounds_.Right, dx) - int64_t(bounds_.Right) == dx &&
                        add(bounds_.Top, dy) - int64_t(bounds_.Top) == dy &&
                        add(bounds_.Bottom, dy) - int64_t(bounds_.Bottom) == dy;
  if (lossless) {
    for (TRect& r : rects_) r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
    bounds_ = {bounds_.Left + dx, bounds_.Top + dy, bounds_.Right + dx, bounds_.Bottom + dy};
    return;
  }
  std::vector<TRect> moved;
  moved.reserve(rects_.size());
  for (const TRect& r : rects_)
    moved.push_back({add(r.Left, dx), add(r.Top, dy), add(r.Right, dx), add(r.Bottom, dy)});
  *this = FromRects(moved);
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
  if (mode == RGN_COPY) return a;
  // Shortcuts that keep the common cases cheap.
  if (mode == RGN_AND && (a.IsEmpty() || b.IsEmpty())) return Region();
  if ((mode == RGN_OR || mode == RGN_XOR) && b.IsEmpty()) return a;
  if ((mode == RGN_OR || mode == RGN_XOR) && a.IsEmpty()) return b;
  if (mode == RGN_DIFF && (a.IsEmpty() || b.IsEmpty())) return a;
  const TRect &ba = a.bounds_, &bb = b.bounds_;
  const bool apart =
      ba.Right <= bb.Left || bb.Right <= ba.Left || ba.Bottom <= bb.Top || bb.Bottom <= ba.Top;
  if (apart && mode == RGN_AND) return Region();
  if (apart && mode == RGN_DIFF) return a;
  if (mode == RGN_AND && b.rects_.size() == 1 && a.rects_.size() == 1) {
    TRect r;
    IntersectRect(&r, &a.rects_[0], &b.rects_[0]);
    return Region(r);
  }
  const unsigned table = ModeTable(mode);
  const std::vector<TRect>& ra = a.rects_;
  const std::vector<TRect>& rb = b.rects_;
  Region out;
  out.rects_.reserve(ra.size() + rb.size());
  // One pass down both band lists: each stretch of rows where neither region changes bands
  // becomes one band of the result.
  size_t ia = 0, ib = 0;
  size_t ea = BandEnd(ra, 0), eb = BandEnd(rb, 0);
  size_t prevStart = 0;
  int32_t y = std::min(ra[0].Top, rb[0].Top);
  while (ia < ra.size() || ib < rb.size()) {
    const bool hasA = ia < ra.size(), hasB = ib < rb.size();
    if (hasA && ra[ia].Bottom <= y) { ia = ea; if (ia < ra.size()) ea = BandEnd(ra, ia); continue; }
    if (hasB && rb[ib].Bottom <= y) { ib = eb; if (ib < rb.size()) eb = BandEnd(rb, ib); continue; }
    const int32_t topA = hasA ? std::max(ra[ia].Top, y) : INT32_MAX;
    const int32_t topB = hasB ? std::max(rb[ib].Top, y) : INT32_MAX;
    const int32_t top = std::min(topA, topB);
    const bool inA = topA == top, inB = topB == top;
    int32_t bottom = INT32_MAX;
    if (hasA) bottom = std::min(bottom, inA ? ra[ia].Bottom : ra[ia].Top);
    if (hasB) bottom = std::min(bottom, inB ? rb[ib].Bottom : rb[ib].Top);
    const size_t start = out.rects_.size();
    CombineBand(inA ? &ra[ia] : nullptr, inA ? ea - ia : 0, inB ? &rb[ib] : nullptr,
                inB ? eb - ib : 0, table, top, bottom, out.rects_);
    CoalesceBand(out.rects_, prevStart, start);
    y = bottom;
  }
  out.Normalize();
  return out;
}

Region Region::Intersected(const TRect& r) const {
  if (rects_.size() == 1 || rects_.empty()) {
    TRect q;
    if (rects_.empty() || !IntersectRect(&q, &rects_[0], &r)) return Region();
    return Region(q);
  }
  return Combine(*this, Region(r), RGN_AND);
}

// ---------------------------------------------------------------------------------------------
// Shapes

namespace {
// Rows a shape converter will visit at most; beyond it the shape is cut (keeps absurd
// coordinates from running for minutes).
constexpr int64_t kMaxRows = 1 << 16;

// The rows [top, bottom) to convert: inside the window, or at most kMaxRows from the top.
void RowRange(int64_t& top, int64_t& bottom, const TRect* window) {
  if (window) {
    top = std::max<int64_t>(top, window->Top);
    bottom = std::min<int64_t>(bottom, window->Bottom);
  }
  bottom = std::min(bottom, top + kMaxRows);
}
}  // namespace

Region PolygonRegion(const POINT* points, const int* counts, int polyCount, int fillMode,
                     const TRect* window) {
  std::vector<Region::Span> spans;
  PolygonSpans(points, counts, polyCount, fillMode, window,
               [&spans](const Region::Span& s) { spans.push_back(s); });
  return Region::FromSpans(std::move(spans));
}

void PolygonSpans(const POINT* points, const int* counts, int polyCount, int fillMode,
                  const TRect* window, const std::function<void(const Region::Span&)>& out) {
  // Pixel (x, y) is inside when the point (x, y) itself is: edges hold the rows from their
  // top end up to, not including, their bottom end, and a row's span between crossings xa
  // and xb holds the pixels xa <= x < xb. Each edge's crossing steps down the rows as an
  // exact fraction Q + R / Dy (0 <= R < Dy), without division per row.
  struct Edge {
    int64_t Top, Bottom, Dy;
    int64_t X0, Dx;  // top end's x and the run
    int64_t Q, R, Dq, Dr;
    int Dir;
  };
  std::vector<Edge> edges;
  int64_t top = INT64_MAX, bottom = INT64_MIN;
  const POINT* p = points;
  for (int k = 0; k < polyCount; ++k) {
    const int n = counts[k];
    for (int i = 0; i < n; ++i) {
      const POINT a = p[i], b = p[(i + 1) % n];
      if (a.Y == b.Y) continue;
      const bool down = a.Y < b.Y;
      const POINT u = down ? a : b, v = down ? b : a;
      Edge e{};
      e.Top = u.Y;
      e.Bottom = v.Y;
      e.Dy = int64_t(v.Y) - u.Y;
      e.X0 = u.X;
      e.Dx = int64_t(v.X) - u.X;
      e.Dir = down ? 1 : -1;
      top = std::min(top, e.Top);
      bottom = std::max(bottom, e.Bottom);
      edges.push_back(e);
    }
    p += n;
  }
  if (edges.empty()) return;
  RowRange(top, bottom, window);
  if (top >= bottom) return;
  auto floorDiv = [](int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); };
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.Top < b.Top; });
  std::vector<Edge*> active;
  const int64_t lim = int64_t(1) << 30;
  const int64_t xMin = window ? window->Left : -lim, xMax = window ? window->Right : lim;
  size_t next = 0;
  for (int64_t y = top; y < bottom; ++y) {
    // Edges entering on this row start at their crossing for it.
    while (next < edges.size() && edges[next].Top <= y) {
      Edge& e = edges[next++];
      if (e.Bottom <= y) continue;
      const int64_t num = (y - e.Top) * e.Dx;
      const int64_t fq = floorDiv(num, e.Dy);
      e.Q = e.X0 + fq;
      e.R = num - fq * e.Dy;
      e.Dq = floorDiv(e.Dx, e.Dy);
      e.Dr = e.Dx - e.Dq * e.Dy;
      active.push_back(&e);
    }
    active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge* e) { return e->Bottom <= y; }),
                 active.end());
    // The list stays nearly in order from row to row: insertion sort by first pixel right of
    // the crossing.
    auto key = [](const Edge* e) { return e->Q + (e->R > 0); };
    for (size_t i = 1; i < active.size(); ++i) {
      Edge* e = active[i];
      const int64_t k = key(e);
      size_t j = i;
      while (j > 0 && key(active[j - 1]) > k) {
        active[j] = active[j - 1];
        --j;
      }
      active[j] = e;
    }
    auto emit = [&](int64_t x0, int64_t x1) {
      x0 = std::max(x0, xMin);
      x1 = std::min(x1, xMax);
      if (x0 < x1) out({int32_t(y), int32_t(x0), int32_t(x1)});
    };
    if (fillMode == WINDING) {
      // One span from where the winding number leaves zero to where it comes back.
      int wind = 0;
      int64_t from = 0;
      for (const Edge* e : active) {
        const int before = wind;
        wind += e->Dir;
        if (before == 0 && wind != 0)
          from = key(e);
        else if (before != 0 && wind == 0)
          emit(from, key(e));
      }
    } else {
      for (size_t i = 0; i + 1 < active.size(); i += 2) emit(key(active[i]), key(active[i + 1]));
    }
    for (Edge* e : active) {
      e->Q += e->Dq;
      e->R += e->Dr;
      if (e->R >= e->Dy) {
        e->R -= e->Dy;
        ++e->Q;
      }
    }
  }
}

namespace {
// The pixel span of a row whose centre-line crosses the shape over [a, b).
inline void RowExtent(ShapeRows& rows, size_t i, double a, double b) {
  double x0 = std::ceil(a - 0.5), x1 = std::ceil(b - 0.5);
  x0 = std::clamp(x0, double(INT32_MIN / 2), double(INT32_MAX / 2));
  x1 = std::clamp(x1, double(INT32_MIN / 2), double(INT32_MAX / 2));
  rows.X0[i] = int32_t(x0);
  rows.X1[i] = int32_t(x1);
}

void SizeRows(ShapeRows& rows, int64_t top, int64_t bottom, const TRect* window) {
  RowRange(top, bottom, window);
  rows.Top = int32_t(top);
  const size_t n = bottom > top ? size_t(bottom - top) : 0;
  rows.X0.assign(n, 0);
  rows.X1.assign(n, 0);
}

Region RowsToRegion(const ShapeRows& rows, const TRect* window) {
  std::vector<Region::Span> spans;
  spans.reserve(rows.X0.size());
  for (size_t i = 0; i < rows.X0.size(); ++i) {
    int32_t x0 = rows.X0[i], x1 = rows.X1[i];
    if (window) {
      x0 = std::max(x0, window->Left);
      x1 = std::min(x1, window->Right);
    }
    if (x0 < x1) spans.push_back({rows.Top + int32_t(i), x0, x1});
  }
  return Region::FromSpans(std::move(spans));
}
}  // namespace

ShapeRows EllipseRows(const TRect& box, const TRect* window) {
  TRect b = box;
  if (b.Left > b.Right) std::swap(b.Left, b.Right);
  if (b.Top > b.Bottom) std::swap(b.Top, b.Bottom);
  ShapeRows rows;
  const double a = (double(b.Right) - b.Left) / 2, c = (double(b.Bottom) - b.Top) / 2;
  if (a <= 0 || c <= 0) return rows;
  const double cx = (double(b.Left) + b.Right) / 2, cy = (double(b.Top) + b.Bottom) / 2;
  SizeRows(rows, b.Top, b.Bottom, window);
  for (size_t i = 0; i < rows.X0.size(); ++i) {
    const double dy = (double(rows.Top) + double(i) + 0.5 - cy) / c;
    if (dy * dy > 1) continue;
    const double half = a * std::sqrt(1 - dy * dy);
    RowExtent(rows, i, cx - half, cx + half);
  }
  return rows;
}

ShapeRows RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight,
                        const TRect* window) {
  TRect b = box;
  if (b.Left > b.Right) std::swap(b.Left, b.Right);
  if (b.Top > b.Bottom) std::swap(b.Top, b.Bottom);
  ShapeRows rows;
  if (b.Left == b.Right || b.Top == b.Bottom) return rows;
  const double rx = std::min(std::abs(double(ellipseWidth)) / 2.0, (double(b.Right) - b.Left) / 2);
  const double ry = std::min(std::abs(double(ellipseHeight)) / 2.0, (double(b.Bottom) - b.Top) / 2);
  SizeRows(rows, b.Top, b.Bottom, window);
  const bool square = rx <= 0 || ry <= 0;
  for (size_t i = 0; i < rows.X0.size(); ++i) {
    if (square) {
      rows.X0[i] = b.Left;
      rows.X1[i] = b.Right;
      continue;
    }
    const double py = double(rows.Top) + double(i) + 0.5;
    double dy = 0;
    if (py < b.Top + ry) dy = (b.Top + ry - py) / ry;
    else if (py > b.Bottom - ry) dy = (py - (b.Bottom - ry)) / ry;
    if (dy <= 0) {  // between the corners: the full width
      rows.X0[i] = b.Left;
      rows.X1[i] = b.Right;
      continue;
    }
    const double inset = rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy));
    RowExtent(rows, i, b.Left + inset, b.Right - inset);
  }
  return rows;
}

Region EllipseRegion(const TRect& box, const TRect* window) {
  return RowsToRegion(EllipseRows(box, window), window);
}

Region RoundRectRegion(const TRect& box, int ellipseWidth, int ellipseHeight,
                       const TRect* window) {
  return RowsToRegion(RoundRectRows(box, ellipseWidth, ellipseHeight, window), window);
}

}  // namespace win::gdi
