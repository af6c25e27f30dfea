// The region engine: banded rectangle lists, boolean combinations and shape scan conversion.
#include <algorithm>
#include <cmath>

#include "platform/gdi/GdiInternal.h"

namespace win::gdi {

namespace {

using SpanList = std::vector<std::pair<int32_t, int32_t>>;  // sorted, disjoint [x0, x1)

struct Band {
  int32_t Top, Bottom;
  SpanList Spans;
};

std::vector<Band> ToBands(const std::vector<TRect>& rects) {
  std::vector<Band> bands;
  for (const TRect& r : rects) {
    if (bands.empty() || bands.back().Top != r.Top) bands.push_back({r.Top, r.Bottom, {}});
    bands.back().Spans.push_back({r.Left, r.Right});
  }
  return bands;
}

// Sorted, merged spans from arbitrary ones.
void MergeSpans(SpanList& s) {
  std::sort(s.begin(), s.end());
  size_t out = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i].first >= s[i].second) continue;
    if (out > 0 && s[i].first <= s[out - 1].second) {
      s[out - 1].second = std::max(s[out - 1].second, s[i].second);
    } else {
      s[out++] = s[i];
    }
  }
  s.resize(out);
}

// Appends a band, merging with the previous one when it continues it with equal spans.
void PushBand(std::vector<Band>& bands, int32_t top, int32_t bottom, SpanList&& spans) {
  if (spans.empty() || top >= bottom) return;
  if (!bands.empty() && bands.back().Bottom == top && bands.back().Spans == spans) {
    bands.back().Bottom = bottom;
    return;
  }
  bands.push_back({top, bottom, std::move(spans)});
}

std::vector<TRect> FromBands(const std::vector<Band>& bands) {
  std::vector<TRect> rects;
  for (const Band& b : bands)
    for (const auto& s : b.Spans) rects.push_back({s.first, b.Top, s.second, b.Bottom});
  return rects;
}

bool Apply(int mode, bool a, bool b) {
  switch (mode) {
    case RGN_AND: return a && b;
    case RGN_OR: return a || b;
    case RGN_XOR: return a != b;
    case RGN_DIFF: return a && !b;
    default: return a;
  }
}

SpanList CombineSpans(const SpanList& a, const SpanList& b, int mode) {
  std::vector<int32_t> xs;
  xs.reserve((a.size() + b.size()) * 2);
  for (const auto& s : a) { xs.push_back(s.first); xs.push_back(s.second); }
  for (const auto& s : b) { xs.push_back(s.first); xs.push_back(s.second); }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  SpanList out;
  size_t ia = 0, ib = 0;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    const int32_t x = xs[i];
    while (ia < a.size() && a[ia].second <= x) ++ia;
    while (ib < b.size() && b[ib].second <= x) ++ib;
    const bool inA = ia < a.size() && a[ia].first <= x;
    const bool inB = ib < b.size() && b[ib].first <= x;
    if (Apply(mode, inA, inB)) {
      if (!out.empty() && out.back().second == x) out.back().second = xs[i + 1];
      else out.push_back({x, xs[i + 1]});
    }
  }
  return out;
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
  bounds_ = rects_.front();
  for (const TRect& r : rects_) {
    bounds_.Left = std::min(bounds_.Left, r.Left);
    bounds_.Top = std::min(bounds_.Top, r.Top);
    bounds_.Right = std::max(bounds_.Right, r.Right);
    bounds_.Bottom = std::max(bounds_.Bottom, r.Bottom);
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
  for (const TRect& r : rs) { ys.push_back(r.Top); ys.push_back(r.Bottom); }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::sort(rs.begin(), rs.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
  std::vector<Band> bands;
  std::vector<const TRect*> active;
  size_t next = 0;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    const int32_t y0 = ys[i], y1 = ys[i + 1];
    while (next < rs.size() && rs[next].Top <= y0) active.push_back(&rs[next++]);
    active.erase(std::remove_if(active.begin(), active.end(),
                                [y0](const TRect* r) { return r->Bottom <= y0; }),
                 active.end());
    SpanList spans;
    for (const TRect* r : active) spans.push_back({r->Left, r->Right});
    MergeSpans(spans);
    PushBand(bands, y0, y1, std::move(spans));
  }
  out.rects_ = FromBands(bands);
  out.Normalize();
  return out;
}

Region Region::FromSpans(std::vector<Span> spans) {
  auto before = [](const Span& a, const Span& b) { return a.Y != b.Y ? a.Y < b.Y : a.X0 < b.X0; };
  // Scan converters emit rows in order; sort only when they did not.
  if (!std::is_sorted(spans.begin(), spans.end(), before)) std::sort(spans.begin(), spans.end(), before);
  std::vector<Band> bands;
  size_t i = 0;
  while (i < spans.size()) {
    const int32_t y = spans[i].Y;
    SpanList row;
    for (; i < spans.size() && spans[i].Y == y; ++i) row.push_back({spans[i].X0, spans[i].X1});
    MergeSpans(row);
    PushBand(bands, y, y + 1, std::move(row));
  }
  Region out;
  out.rects_ = FromBands(bands);
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
  for (const TRect& q : rects_) {
    if (q.Top >= r.Bottom) break;
    if (q.Bottom > r.Top && q.Left < r.Right && q.Right > r.Left) return true;
  }
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
  std::vector<TRect> moved;
  moved.reserve(rects_.size());
  for (const TRect& r : rects_)
    moved.push_back({add(r.Left, dx), add(r.Top, dy), add(r.Right, dx), add(r.Bottom, dy)});
  const bool lossless = add(bounds_.Left, dx) - int64_t(bounds_.Left) == dx &&
                        add(bounds_.Right, dx) - int64_t(bounds_.Right) == dx &&
                        add(bounds_.Top, dy) - int64_t(bounds_.Top) == dy &&
                        add(bounds_.Bottom, dy) - int64_t(bounds_.Bottom) == dy;
  if (lossless) {
    rects_ = std::move(moved);
    bounds_ = {bounds_.Left + dx, bounds_.Top + dy, bounds_.Right + dx, bounds_.Bottom + dy};
  } else {
    *this = FromRects(moved);
  }
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
  if (mode == RGN_COPY) return a;
  // Shortcuts that keep the common cases cheap.
  if (mode == RGN_AND && (a.IsEmpty() || b.IsEmpty())) return Region();
  if ((mode == RGN_OR || mode == RGN_XOR) && b.IsEmpty()) return a;
  if ((mode == RGN_OR || mode == RGN_XOR) && a.IsEmpty()) return b;
  if (mode == RGN_DIFF && (a.IsEmpty() || b.IsEmpty())) return a;
  if (mode == RGN_AND && b.rects_.size() == 1 && a.rects_.size() == 1) {
    TRect r;
    IntersectRect(&r, &a.rects_[0], &b.rects_[0]);
    return Region(r);
  }
  const std::vector<Band> ba = ToBands(a.rects_), bb = ToBands(b.rects_);
  // Band edges of each region are already in order: merge them.
  std::vector<int32_t> ya, yb, ys;
  for (const Band& x : ba) { ya.push_back(x.Top); ya.push_back(x.Bottom); }
  for (const Band& x : bb) { yb.push_back(x.Top); yb.push_back(x.Bottom); }
  ys.resize(ya.size() + yb.size());
  std::merge(ya.begin(), ya.end(), yb.begin(), yb.end(), ys.begin());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::vector<Band> out;
  const SpanList empty;
  size_t ia = 0, ib = 0;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    const int32_t y0 = ys[i], y1 = ys[i + 1];
    while (ia < ba.size() && ba[ia].Bottom <= y0) ++ia;
    while (ib < bb.size() && bb[ib].Bottom <= y0) ++ib;
    const SpanList& sa = (ia < ba.size() && ba[ia].Top <= y0) ? ba[ia].Spans : empty;
    const SpanList& sb = (ib < bb.size() && bb[ib].Top <= y0) ? bb[ib].Spans : empty;
    if (sa.empty() && sb.empty()) continue;
    PushBand(out, y0, y1, CombineSpans(sa, sb, mode));
  }
  Region r;
  r.rects_ = FromBands(out);
  r.Normalize();
  return r;
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

// Pixels whose centre lies in [a, b), cut to the window's columns.
void SpanFromExtent(std::vector<Region::Span>& out, int y, double a, double b,
                    const TRect* window) {
  double x0 = std::ceil(a - 0.5), x1 = std::ceil(b - 0.5);
  if (window) {
    x0 = std::max(x0, double(window->Left));
    x1 = std::min(x1, double(window->Right));
  }
  x0 = std::max(x0, double(INT32_MIN / 2));
  x1 = std::min(x1, double(INT32_MAX / 2));
  if (x0 < x1) out.push_back({y, int32_t(x0), int32_t(x1)});
}

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
  struct Edge {
    double X0, Y0, X1, Y1;
    int Dir;
  };
  std::vector<Edge> edges;
  int64_t top = INT32_MAX, bottom = INT32_MIN;
  const POINT* p = points;
  for (int k = 0; k < polyCount; ++k) {
    const int n = counts[k];
    for (int i = 0; i < n; ++i) {
      const POINT a = p[i], b = p[(i + 1) % n];
      top = std::min<int64_t>(top, a.Y);
      bottom = std::max<int64_t>(bottom, a.Y);
      if (a.Y == b.Y) continue;
      if (a.Y < b.Y) edges.push_back({double(a.X), double(a.Y), double(b.X), double(b.Y), 1});
      else edges.push_back({double(b.X), double(b.Y), double(a.X), double(a.Y), -1});
    }
    p += n;
  }
  if (edges.empty()) return Region();
  RowRange(top, bottom, window);
  std::vector<Region::Span> spans;
  std::vector<std::pair<double, int>> xs;
  for (int64_t y = top; y < bottom; ++y) {
    const double yc = double(y) + 0.5;
    xs.clear();
    for (const Edge& e : edges) {
      if (yc < e.Y0 || yc >= e.Y1) continue;
      xs.push_back({e.X0 + (yc - e.Y0) * (e.X1 - e.X0) / (e.Y1 - e.Y0), e.Dir});
    }
    std::sort(xs.begin(), xs.end());
    if (fillMode == WINDING) {
      int wind = 0;
      for (size_t i = 0; i + 1 < xs.size(); ++i) {
        wind += xs[i].second;
        if (wind != 0) SpanFromExtent(spans, int(y), xs[i].first, xs[i + 1].first, window);
      }
    } else {
      for (size_t i = 0; i + 1 < xs.size(); i += 2)
        SpanFromExtent(spans, int(y), xs[i].first, xs[i + 1].first, window);
    }
  }
  return Region::FromSpans(std::move(spans));
}

Region EllipseRegion(const TRect& box, const TRect* window) {
  TRect b = box;
  if (b.Left > b.Right) std::swap(b.Left, b.Right);
  if (b.Top > b.Bottom) std::swap(b.Top, b.Bottom);
  const double a = (double(b.Right) - b.Left) / 2, c = (double(b.Bottom) - b.Top) / 2;
  if (a <= 0 || c <= 0) return Region();
  const double cx = (double(b.Left) + b.Right) / 2, cy = (double(b.Top) + b.Bottom) / 2;
  std::vector<Region::Span> spans;
  int64_t top = b.Top, bottom = b.Bottom;
  RowRange(top, bottom, window);
  for (int64_t y = top; y < bottom; ++y) {
    const double dy = (double(y) + 0.5 - cy) / c;
    if (dy * dy > 1) continue;
    const double half = a * std::sqrt(1 - dy * dy);
    SpanFromExtent(spans, int(y), cx - half, cx + half, window);
  }
  return Region::FromSpans(std::move(spans));
}

Region RoundRectRegion(const TRect& box, int ellipseWidth, int ellipseHeight,
                       const TRect* window) {
  TRect b = box;
  if (b.Left > b.Right) std::swap(b.Left, b.Right);
  if (b.Top > b.Bottom) std::swap(b.Top, b.Bottom);
  if (b.Left == b.Right || b.Top == b.Bottom) return Region();
  const double rx = std::min(std::abs(double(ellipseWidth)) / 2.0, (double(b.Right) - b.Left) / 2);
  const double ry = std::min(std::abs(double(ellipseHeight)) / 2.0, (double(b.Bottom) - b.Top) / 2);
  if (rx <= 0 || ry <= 0) return window ? Region(b).Intersected(*window) : Region(b);
  std::vector<Region::Span> spans;
  int64_t top = b.Top, bottom = b.Bottom;
  RowRange(top, bottom, window);
  for (int64_t y = top; y < bottom; ++y) {
    const double py = double(y) + 0.5;
    double dy = 0;
    if (py < b.Top + ry) dy = (b.Top + ry - py) / ry;
    else if (py > b.Bottom - ry) dy = (py - (b.Bottom - ry)) / ry;
    const double inset = dy > 0 ? rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy)) : 0;
    SpanFromExtent(spans, int(y), b.Left + inset, b.Right - inset, window);
  }
  return Region::FromSpans(std::move(spans));
}

}  // namespace win::gdi
