// Raster operations over pixel rows, brush patterns and the basic fill helpers.
#include <algorithm>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

uint32_t RopPixel(uint32_t p, uint32_t s, uint32_t d, uint8_t rop3) {
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((rop3 >> i) & 1)) continue;
    const uint32_t tp = (i & 4) ? p : ~p;
    const uint32_t ts = (i & 2) ? s : ~s;
    const uint32_t td = (i & 1) ? d : ~d;
    r |= tp & ts & td;
  }
  return r;
}

void FillWide(uint32_t* d, int n, uint32_t v) {
  if (n >= 256 && (v & 0xFF) * 0x01010101u == v) {  // four equal bytes: a byte fill
    std::memset(d, int(v & 0xFF), size_t(n) * 4);
    return;
  }
#if defined(__x86_64__)
  // Long rows: the processor's string store, which writes whole cache lines without reading
  // them first (as the library's byte fill does).
  if (n >= 256) {
    size_t count = size_t(n);
    __asm__ volatile("rep stosl" : "+D"(d), "+c"(count) : "a"(v) : "memory");
    return;
  }
#endif
  // Sixteen-byte stores, four to a step.
  typedef uint32_t V4 __attribute__((vector_size(16)));
  const V4 w = {v, v, v, v};
  int i = 0;
  for (; i < n && (reinterpret_cast<uintptr_t>(d + i) & 15); ++i) d[i] = v;
  for (; i + 16 <= n; i += 16) {
    V4* q = reinterpret_cast<V4*>(d + i);
    q[0] = w;
    q[1] = w;
    q[2] = w;
    q[3] = w;
  }
  for (; i + 4 <= n; i += 4) *reinterpret_cast<V4*>(d + i) = w;
  for (; i < n; ++i) d[i] = v;
}

namespace {

inline uint32_t Mask(uint8_t rop3, int bit) { return ((rop3 >> bit) & 1) ? ~0u : 0u; }

// The general case. For one pattern value p the operation is a two-input function of (s, d)
// whose truth table, bit by bit, is Mk = p ? m(4+k) : m(k); it is evaluated as two
// multiplexers: t1 = s ? M3 : M1, t0 = s ? M2 : M0, result = d ? t1 : t0. Four pixels go
// through at a time as one 128-bit vector (the compiler's generic vectors, any target).
typedef uint32_t V4 __attribute__((vector_size(16)));

inline V4 Load(const uint32_t* p) {
  V4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store(uint32_t* p, V4 v) { std::memcpy(p, &v, sizeof v); }

template <class T>
inline T Eval(T p, T s, T d, const uint32_t (&m)[8]) {
  const T m0 = (p & m[4]) | (~p & m[0]), m1 = (p & m[5]) | (~p & m[1]);
  const T m2 = (p & m[6]) | (~p & m[2]), m3 = (p & m[7]) | (~p & m[3]);
  const T t1 = m1 ^ (s & (m3 ^ m1));
  const T t0 = m0 ^ (s & (m2 ^ m0));
  return t0 ^ (d & (t1 ^ t0));
}

void GenericRow(uint32_t* dst, const uint32_t* src, const uint32_t* pat, uint32_t patConst,
                int n, uint8_t rop3) {
  uint32_t m[8];
  for (int k = 0; k < 8; ++k) m[k] = Mask(rop3, k);
  static const uint32_t kZero[4] = {0, 0, 0, 0};
  int i = 0;
  const V4 pc = {patConst, patConst, patConst, patConst};
  for (; i + 4 <= n; i += 4) {
    const V4 s = src ? Load(src + i) : Load(kZero);
    const V4 p = pat ? Load(pat + i) : pc;
    Store(dst + i, Eval<V4>(p, s, Load(dst + i), m));
  }
  for (; i < n; ++i)
    dst[i] = Eval<uint32_t>(pat ? pat[i] : patConst, src ? src[i] : 0u, dst[i], m);
}

template <class PatFn>
void RopRowT(uint32_t* d, const uint32_t* s, PatFn P, int n, uint8_t rop3,
             const uint32_t* patArr, uint32_t patConst) {
  switch (rop3) {
    case 0x00: FillPixels(d, n, 0u); return;
    case 0xFF: FillPixels(d, n, ~0u); return;
    case 0xAA: return;
    case 0xCC: std::memmove(d, s, size_t(n) * 4); return;
    case 0x33: for (int i = 0; i < n; ++i) d[i] = ~s[i]; return;
    case 0x55: for (int i = 0; i < n; ++i) d[i] = ~d[i]; return;
    case 0x66: for (int i = 0; i < n; ++i) d[i] ^= s[i]; return;
    case 0x88: for (int i = 0; i < n; ++i) d[i] &= s[i]; return;
    case 0xEE: for (int i = 0; i < n; ++i) d[i] |= s[i]; return;
    case 0x44: for (int i = 0; i < n; ++i) d[i] = s[i] & ~d[i]; return;
    case 0x11: for (int i = 0; i < n; ++i) d[i] = ~(s[i] | d[i]); return;
    case 0xBB: for (int i = 0; i < n; ++i) d[i] |= ~s[i]; return;
    case 0x22: for (int i = 0; i < n; ++i) d[i] &= ~s[i]; return;
    case 0xF0: for (int i = 0; i < n; ++i) d[i] = P(i); return;
    case 0x0F: for (int i = 0; i < n; ++i) d[i] = ~P(i); return;
    case 0x5A: for (int i = 0; i < n; ++i) d[i] ^= P(i); return;
    case 0xA0: for (int i = 0; i < n; ++i) d[i] &= P(i); return;
    case 0xFA: for (int i = 0; i < n; ++i) d[i] |= P(i); return;
    case 0xC0: for (int i = 0; i < n; ++i) d[i] = P(i) & s[i]; return;
    case 0xB8: for (int i = 0; i < n; ++i) d[i] = (d[i] & s[i]) | (P(i) & ~s[i]); return;
    case 0xE2: for (int i = 0; i < n; ++i) d[i] = (P(i) & s[i]) | (d[i] & ~s[i]); return;
    case 0xFB: for (int i = 0; i < n; ++i) d[i] |= P(i) | ~s[i]; return;
    default: GenericRow(d, s, patArr, patConst, n, rop3);
  }
}

}  // namespace

void RopRow(uint32_t* dst, const uint32_t* src, const uint32_t* pat, int count, uint8_t rop3) {
  if (count <= 0) return;
  if (pat) RopRowT(dst, src, [pat](int i) { return pat[i]; }, count, rop3, pat, 0);
  else RopRowT(dst, src, [](int) { return 0u; }, count, rop3, nullptr, 0);
}

void RopRowConst(uint32_t* dst, const uint32_t* src, uint32_t p, int count,
                        uint8_t rop3) {
  if (count <= 0) return;
  if (rop3 == 0xF0) {
    FillPixels(dst, count, p);
    return;
  }
  RopRowT(dst, src, [p](int) { return p; }, count, rop3, nullptr, p);
}

uint8_t Rop2ToRop3(int rop2) {
  const int t = (rop2 - 1) & 0xF;  // truth table over (pen, destination)
  uint8_t r = 0;
  for (int i = 0; i < 8; ++i) {
    const int p = (i >> 2) & 1, d = i & 1;
    if ((t >> ((p << 1) | d)) & 1) r |= uint8_t(1 << i);
  }
  return r;
}

void FillRegionPixel(Surface* s, const Region& r, uint32_t pixel, uint8_t rop3) {
  for (const TRect& q : r.Rects()) {
    for (int y = q.Top; y < q.Bottom; ++y)
      RopRowConst(s->Row(y) + q.Left, nullptr, pixel, q.Right - q.Left, rop3);
    s->Touch(q);
  }
}

uint32_t SurfacePixel(DCObj& dc, COLORREF c) {
  uint32_t p = ColorToPixel(ResolveColor(&dc, c));
  Surface* s = dc.Target();
  if (s && s->Monochrome) p = MonoPixelOf(p);
  return p;
}

uint32_t PenPixel(DCObj& dc, const PenObj* pen) {
  if (!pen) return 0;
  COLORREF c = pen->Color;
  if (pen == StockShared(DC_PEN).get()) c = dc.S.DcPenColor;
  return SurfacePixel(dc, c);
}

// ---------------------------------------------------------------------------------------------
// DrawScope

DrawScope::DrawScope(DCObj& dc) : target_(dc.Target()) {
  if (target_) target_->SyncIn();
}
DrawScope::~DrawScope() {
  if (target_) target_->SyncOut();
}

namespace {
// Calls f for each part of `area` inside the DC's clip (the clip's rectangles are disjoint, so
// no region needs building).
template <class F>
void ForClipped(DCObj& dc, const TRect& area, F&& f) {
  const Region& clip = dc.ClipRegion();
  if (area.Left >= area.Right || area.Top >= area.Bottom) return;
  const TRect& b = clip.Bounds();
  if (clip.IsEmpty() || area.Right <= b.Left || area.Left >= b.Right || area.Bottom <= b.Top ||
      area.Top >= b.Bottom)
    return;
  for (const TRect& r : clip.Rects()) {
    if (r.Top >= area.Bottom) break;
    TRect q;
    if (IntersectRect(&q, &r, &area)) f(q);
  }
}

}  // namespace

void FillSurfaceRect(DCObj& dc, const TRect& r, COLORREF color) {
  Surface* s = dc.Target();
  if (!s) return;
  const uint32_t p = SurfacePixel(dc, color);
  ForClipped(dc, r, [&](const TRect& q) {
    for (int y = q.Top; y < q.Bottom; ++y) FillPixels(s->Row(y) + q.Left, q.Right - q.Left, p);
    s->Touch(q);
  });
}

namespace {

// Four coverage bytes, each in both 16-bit halves of its pixel's 32-bit lane: spread by two
// interleaves in the vector unit where it has them, byte by byte elsewhere.
inline V4 CoverageLanes(uint32_t a4) {
#if defined(__SSE2__)
  __m128i x = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(a4)), _mm_setzero_si128());
  x = _mm_unpacklo_epi16(x, x);
  V4 r;
  std::memcpy(&r, &x, sizeof r);
  return r;
#else
  const V4 a = {a4 & 0xFFu, (a4 >> 8) & 0xFFu, (a4 >> 16) & 0xFFu, a4 >> 24};
  return a | (a << 16);
#endif
}

// Blends colour c (a pixel with a clear top byte) over the pixels d by the coverage bytes m,
// n pixels. Each channel is c * a + d * (255 - a) divided by 255 with rounding; a clear
// coverage leaves the pixel as it is, a full one writes c (clearing the top byte), any other
// keeps the pixel's top byte. The channels are worked in 16-bit lanes, blue and red as one
// pair and green alone, four pixels at a time; masks are mostly empty, so four clear bytes are
// stepped over at once.
void BlendCoverageRow(uint32_t* d, const uint8_t* m, int n, uint32_t c) {
  typedef uint16_t V8 __attribute__((vector_size(16)));
  const V4 crb = (V4{c, c, c, c} & 0x00FF00FFu);
  const V4 cg = (V4{c, c, c, c} >> 8) & 0xFFu;
  const V8 crb16 = (V8)(crb);
  const V8 cg16 = (V8)(cg);
  const V8 half = {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80};
  const V8 full = {255, 255, 255, 255, 255, 255, 255, 255};
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    uint32_t a4;
    std::memcpy(&a4, m + i, 4);
    if (a4 == 0) continue;
    if (a4 == 0xFFFFFFFFu) {
      d[i] = d[i + 1] = d[i + 2] = d[i + 3] = c;
      continue;
    }
    const V4 a2 = CoverageLanes(a4);  // the coverage in both 16-bit halves
    const V8 a16 = (V8)(a2);
    const V8 na16 = full - a16;
    const V4 o = Load(d + i);
    const V4 orb = o & 0x00FF00FFu, og = (o >> 8) & 0xFFu;
    V8 rb = crb16 * a16 + (V8)(orb)*na16 + half;
    V8 g = cg16 * a16 + (V8)(og)*na16 + half;
    rb = (rb + (rb >> 8)) >> 8;
    g = (g + (g >> 8)) >> 8;
    const V4 top = o & 0xFF000000u & ~(V4)(a2 == 0x00FF00FFu);
    Store(d + i, top | (V4)(rb) | ((V4)(g) << 8));
  }
  const uint64_t c64 = (c & 0xFF00FFu) | (uint64_t(c & 0xFF00u) << 24);
  for (; i < n; ++i) {
    const uint32_t a = m[i];
    if (a == 0) continue;
    if (a == 255) {
      d[i] = c;
      continue;
    }
    // The three channels in 16-bit lanes of one 64-bit word: blue, red, green.
    const uint32_t o = d[i];
    const uint64_t o64 = (o & 0xFF00FFu) | (uint64_t(o & 0xFF00u) << 24);
    uint64_t v = c64 * a + o64 * (255 - a) + 0x0000008000800080ull;
    v = ((v + ((v >> 8) & 0x000000FF00FF00FFull)) >> 8) & 0x000000FF00FF00FFull;
    d[i] = (o & 0xFF000000u) | uint32_t(v & 0xFF00FFu) | uint32_t((v >> 24) & 0xFF00u);
  }
}

// A monochrome surface takes the colour where the coverage reaches half.
void ThresholdCoverageRow(uint32_t* d, const uint8_t* m, int n, uint32_t c) {
  for (int i = 0; i < n; ++i)
    if (m[i] >= 128) d[i] = c;
}

}  // namespace

void PaintCoverage(DCObj& dc, int x, int y, const uint8_t* mask, int width, int height,
                   ptrdiff_t maskStride, COLORREF color) {
  Surface* s = dc.Target();
  if (!s || !mask || width <= 0 || height <= 0) return;
  const uint32_t c = SurfacePixel(dc, color);
  const bool mono = s->Monochrome;
  ForClipped(dc, {x, y, x + width, y + height}, [&](const TRect& q) {
    for (int yy = q.Top; yy < q.Bottom; ++yy) {
      const uint8_t* m = mask + (yy - y) * maskStride + (q.Left - x);
      uint32_t* d = s->Row(yy) + q.Left;
      if (mono)
        ThresholdCoverageRow(d, m, q.Right - q.Left, c);
      else
        BlendCoverageRow(d, m, q.Right - q.Left, c);
    }
    s->Touch(q);
  });
}

// ---------------------------------------------------------------------------------------------
// Brush patterns

namespace {

// Hatch rows, bit 7 = leftmost pixel; a set bit is a line pixel.
const uint8_t kHatch[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal: row 3
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical: column 4
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal (\)
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal (/)
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

// A brush realised for one DC: either a constant pixel or a tile (with an optional mask of
// the pixels it paints).
struct Realized {
  bool Null = false;
  bool Solid = true;
  uint32_t Pixel = 0;
  int W = 0, H = 0;
  std::vector<uint32_t> Tile;
  std::vector<uint8_t> Paint;  // empty: every pixel paints
  int OrgX = 0, OrgY = 0;      // surface coordinates of the tile's origin
};

Realized Realize(DCObj& dc, const BrushObj* b) {
  Realized r;
  if (!b || b->Style == BS_NULL) {
    r.Null = true;
    return r;
  }
  Surface* target = dc.Target();
  const bool mono = target && target->Monochrome;
  auto map = [&](uint32_t p) { return mono ? MonoPixelOf(p) : p; };
  if (b->Style == BS_SOLID) {
    r.Pixel = SurfacePixel(dc, b->DcBrush ? dc.S.DcBrushColor : b->Color);
    return r;
  }
  r.Solid = false;
  r.OrgX = dc.S.BrushOrg.X + dc.SurfaceOrigin.X;
  r.OrgY = dc.S.BrushOrg.Y + dc.SurfaceOrigin.Y;
  if (b->Style == BS_HATCHED) {
    r.W = r.H = 8;
    r.Tile.resize(64);
    const uint32_t fg = SurfacePixel(dc, b->Color), bg = SurfacePixel(dc, dc.S.BkColor);
    const bool opaque = dc.S.BkMode == OPAQUE;
    if (!opaque) r.Paint.resize(64);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool line = (kHatch[b->Hatch][y] >> (7 - x)) & 1;
        r.Tile[y * 8 + x] = line ? fg : bg;
        if (!opaque) r.Paint[y * 8 + x] = line;
      }
    return r;
  }
  const Surface* pat = b->Pattern.get();
  if (!pat) {
    r.Null = true;
    return r;
  }
  r.W = pat->Width;
  r.H = pat->Height;
  r.Tile.resize(size_t(r.W) * r.H);
  const uint32_t fg = SurfacePixel(dc, dc.S.TextColor), bg = SurfacePixel(dc, dc.S.BkColor);
  for (int y = 0; y < r.H; ++y)
    for (int x = 0; x < r.W; ++x) {
      const uint32_t p = pat->Row(y)[x];
      r.Tile[size_t(y) * r.W + x] = pat->Monochrome ? ((p & 0xFFFFFF) ? bg : fg) : map(p);
    }
  return r;
}

inline int Mod(int a, int m) {
  const int r = a % m;
  return r < 0 ? r + m : r;
}

// Fills buf[0..n) with the tile row for surface row y starting at surface column x: one tile
// width copied in, then the filled part doubled (it repeats with the tile's period).
void TileRow(const Realized& r, int x, int y, int n, uint32_t* buf, uint8_t* paint) {
  const int ty = Mod(y - r.OrgY, r.H);
  const uint32_t* row = r.Tile.data() + size_t(ty) * r.W;
  const uint8_t* prow = r.Paint.empty() ? nullptr : r.Paint.data() + size_t(ty) * r.W;
  const int tx = Mod(x - r.OrgX, r.W);
  int len = std::min(n, r.W - tx);
  std::memcpy(buf, row + tx, size_t(len) * 4);
  if (prow && paint) std::memcpy(paint, prow + tx, size_t(len));
  if (len < n) {
    const int more = std::min(n - len, tx);
    std::memcpy(buf + len, row, size_t(more) * 4);
    if (prow && paint) std::memcpy(paint + len, prow, size_t(more));
    len += more;
  }
  while (len < n) {
    const int c = std::min(len, n - len);
    std::memcpy(buf + len, buf, size_t(c) * 4);
    if (prow && paint) std::memcpy(paint + len, paint, size_t(c));
    len += c;
  }
}

thread_local std::vector<uint32_t> tPat, tTmp;
thread_local std::vector<uint8_t> tMask;

}  // namespace

namespace {

thread_local std::vector<uint32_t> tRows;

// Paints surface row y, columns [x0, x1) (already clipped), with a realised brush.
void PaintSegment(Surface* s, const Realized& r, int y, int x0, int x1, uint8_t rop3) {
  const int n = x1 - x0;
  uint32_t* d = s->Row(y) + x0;
  if (r.Solid) {
    if (rop3 == 0xF0) FillPixels(d, n, r.Pixel);
    else RopRowConst(d, nullptr, r.Pixel, n, rop3);
    return;
  }
  if (rop3 == 0xF0 && r.Paint.empty()) {  // a plain pattern copy tiles straight in
    TileRow(r, x0, y, n, d, nullptr);
    return;
  }
  if (tPat.size() < size_t(n)) tPat.resize(n);
  if (tMask.size() < size_t(n)) tMask.resize(n);
  TileRow(r, x0, y, n, tPat.data(), r.Paint.empty() ? nullptr : tMask.data());
  if (r.Paint.empty()) {
    RopRow(d, nullptr, tPat.data(), n, rop3);
    return;
  }
  if (tTmp.size() < size_t(n)) tTmp.resize(n);
  std::memcpy(tTmp.data(), d, size_t(n) * 4);
  RopRow(tTmp.data(), nullptr, tPat.data(), n, rop3);
  for (int i = 0; i < n; ++i)
    if (tMask[i]) d[i] = tTmp[i];
}

// Fills a rectangle (already clipped) with a realised brush; a plain pattern copy builds the
// tile's rows once at the rectangle's width and copies them down.
// Fills whole rows of a surface whose rows lie next to each other in memory (top-down or
// bottom-up) as one run of pixels, so that a long fill starts its stores once, not per row.
// False when the rows are not whole or not adjacent.
bool FillWholeRows(Surface* s, const TRect& q, uint32_t pixel) {
  const ptrdiff_t stride = s->Stride;
  if (q.Left != 0 || q.Right != s->Width || (stride != s->Width && stride != -s->Width))
    return false;
  // Runs of at most 2^30 pixels (FillPixels counts in int).
  const int rowsPerRun = std::max(1, (1 << 30) / std::max(1, s->Width));
  for (int top = q.Top; top < q.Bottom; top += rowsPerRun) {
    const int bottom = std::min(q.Bottom, top + std::min(rowsPerRun, q.Bottom - top));
    uint32_t* first = stride > 0 ? s->Row(top) : s->Row(bottom - 1);
    FillPixels(first, (bottom - top) * s->Width, pixel);
  }
  return true;
}

void PaintBlock(Surface* s, const Realized& r, const TRect& q, uint8_t rop3) {
  const int n = q.Right - q.Left;
  const int rows = q.Bottom - q.Top;
  if (r.Solid && rop3 == 0xF0 && FillWholeRows(s, q, r.Pixel)) {
    s->Touch(q);
    return;
  }
  if (!r.Solid && rop3 == 0xF0 && r.Paint.empty() && rows > r.H &&
      size_t(r.H) * size_t(n) <= (size_t(1) << 22)) {
    tRows.resize(std::max(tRows.size(), size_t(r.H) * n));
    for (int k = 0; k < r.H; ++k) TileRow(r, q.Left, q.Top + k, n, tRows.data() + size_t(k) * n, nullptr);
    for (int y = q.Top, k = 0; y < q.Bottom; ++y) {
      std::memcpy(s->Row(y) + q.Left, tRows.data() + size_t(k) * n, size_t(n) * 4);
      if (++k == r.H) k = 0;
    }
  } else {
    for (int y = q.Top; y < q.Bottom; ++y) PaintSegment(s, r, y, q.Left, q.Right, rop3);
  }
  s->Touch(q);
}

}  // namespace

void FillRegionWithBrush(DCObj& dc, const Region& surfaceRegion, const BrushObj* brush,
                         uint8_t rop3) {
  Surface* s = dc.Target();
  if (!s) return;
  const bool usesP = (rop3 >> 4) != (rop3 & 0xF);
  Realized r;
  if (usesP) {
    r = Realize(dc, brush);
    if (r.Null) return;
  }
  const Region& clip = dc.ClipRegion();
  if (surfaceRegion.Rects().size() == 1) {
    // One rectangle: its parts in the clip, without building a region.
    const TRect& area = surfaceRegion.Rects()[0];
    auto it = std::lower_bound(clip.Rects().begin(), clip.Rects().end(), area.Top,
                               [](const TRect& q, int y) { return q.Bottom <= y; });
    for (; it != clip.Rects().end() && it->Top < area.Bottom; ++it) {
      TRect q;
      if (IntersectRect(&q, &*it, &area)) PaintBlock(s, r, q, rop3);
    }
    return;
  }
  const Region parts = Region::Combine(surfaceRegion, clip, RGN_AND);
  for (const TRect& q : parts.Rects()) PaintBlock(s, r, q, rop3);
}

// Row spans painted through a DC's clip.
struct SpanPainter::Impl {
  Surface* S = nullptr;
  const Region* Clip = nullptr;
  Realized R;
  uint8_t Rop = 0xF0;
  bool Active = false;
  TRect Dirty{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
};

SpanPainter::SpanPainter(DCObj& dc, const BrushObj* brush, uint8_t rop3) : impl_(std::make_unique<Impl>()) {
  impl_->S = dc.Target();
  impl_->Clip = &dc.ClipRegion();
  impl_->Rop = rop3;
  const bool usesP = (rop3 >> 4) != (rop3 & 0xF);
  if (usesP) impl_->R = Realize(dc, brush);
  impl_->Active = impl_->S && !impl_->Clip->IsEmpty() && !impl_->R.Null;
  UseFastPath();
}

void SpanPainter::UseFastPath() {
  const Impl& m = *impl_;
  fast_ = m.Active && m.R.Solid && m.Rop == 0xF0 && m.Clip->Rects().size() == 1;
  if (!fast_) return;
  clip_ = m.Clip->Bounds();
  row0_ = m.S->Pixels;
  stride_ = m.S->Stride;
  pixel_ = m.R.Pixel;
}

SpanPainter::SpanPainter(DCObj& dc, uint32_t pixel, uint8_t rop3) : impl_(std::make_unique<Impl>()) {
  impl_->S = dc.Target();
  impl_->Clip = &dc.ClipRegion();
  impl_->Rop = rop3;
  impl_->R.Pixel = pixel;
  impl_->Active = impl_->S && !impl_->Clip->IsEmpty();
  UseFastPath();
}

SpanPainter::~SpanPainter() {
  if (impl_->Active && impl_->Dirty.Left < impl_->Dirty.Right) impl_->S->Touch(impl_->Dirty);
  if (fast_ && top_ < bottom_) impl_->S->Touch({clip_.Left, top_, clip_.Right, bottom_});
}

void SpanPainter::SlowSpan(int y, int x0, int x1) {
  Impl& m = *impl_;
  if (!m.Active || x0 >= x1) return;
  const TRect& b = m.Clip->Bounds();
  if (y < b.Top || y >= b.Bottom || x1 <= b.Left || x0 >= b.Right) return;
  const auto& rects = m.Clip->Rects();
  if (rects.size() == 1) {
    x0 = std::max(x0, b.Left);
    x1 = std::min(x1, b.Right);
    if (m.R.Solid && m.Rop == 0xF0) FillPixels(m.S->Row(y) + x0, x1 - x0, m.R.Pixel);
    else PaintSegment(m.S, m.R, y, x0, x1, m.Rop);
    m.Dirty = {std::min(m.Dirty.Left, x0), std::min(m.Dirty.Top, y), std::max(m.Dirty.Right, x1),
               std::max(m.Dirty.Bottom, y + 1)};
    return;
  }
  auto it = rects.size() == 1 ? rects.begin()
                              : std::lower_bound(rects.begin(), rects.end(), y,
                                                 [](const TRect& q, int yy) { return q.Bottom <= yy; });
  for (; it != rects.end() && it->Top <= y; ++it) {
    const int a = std::max(x0, it->Left), c = std::min(x1, it->Right);
    if (a >= c) continue;
    PaintSegment(m.S, m.R, y, a, c, m.Rop);
    m.Dirty = {std::min(m.Dirty.Left, a), std::min(m.Dirty.Top, y), std::max(m.Dirty.Right, c),
               std::max(m.Dirty.Bottom, y + 1)};
  }
}

// A realised brush kept for the rows of one block transfer.
struct BrushCache::Impl {
  Realized R;
};
BrushCache::BrushCache(DCObj& dc, const BrushObj* brush) : impl_(new Impl{Realize(dc, brush)}) {}
BrushCache::~BrushCache() { delete impl_; }
bool BrushCache::Null() const { return impl_->R.Null; }
bool BrushCache::Solid() const { return impl_->R.Solid; }
uint32_t BrushCache::Pixel() const { return impl_->R.Pixel; }
bool BrushCache::Masked() const { return !impl_->R.Paint.empty(); }
void BrushCache::Row(int x, int y, int n, uint32_t* out, uint8_t* paint) const {
  if (impl_->R.Solid) {
    FillPixels(out, n, impl_->R.Pixel);
    if (paint) std::fill(paint, paint + n, uint8_t(1));
    return;
  }
  TileRow(impl_->R, x, y, n, out, paint);
  if (paint && impl_->R.Paint.empty()) std::fill(paint, paint + n, uint8_t(1));
}

}  // namespace win::gdi
