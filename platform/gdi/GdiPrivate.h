// Helpers shared by the raster engine's own files (not used outside platform/gdi).
#pragma once

#include <functional>
#include <unordered_map>

#include "platform/gdi/GdiInternal.h"

namespace win::gdi {

// A DIB's pixel layout.
struct DibFormat {
  int BitCount = 32;
  DWORD Compression = BI_RGB;
  DWORD Masks[3] = {0, 0, 0};  // red, green, blue (16 and 32 bits)
  std::vector<RGBQUAD> Table;  // 1, 4 and 8 bits
  bool IsStandard32() const;
};

// Parses a BITMAPINFO (header + colour table or masks); false for unsupported or bad input.
// `pal` (optional) resolves DIB_PAL_COLORS tables.
bool ParseDibFormat(const BITMAPINFO* info, UINT usage, const PaletteObj* pal, DibFormat& fmt,
                    int& width, int& height, bool& topDown);
// Bytes of one row (padded to four bytes); 0 on overflow.
size_t DibRowBytes(int width, int bitCount);

// Converting rows between a DIB format and the 32-bit working pixels.
void DecodeRow(const DibFormat& fmt, const uint8_t* src, uint32_t* dst, int width);
class Encoder {
 public:
  explicit Encoder(const DibFormat& fmt) : fmt_(fmt) {}
  void Row(const uint32_t* src, uint8_t* dst, int width);

 private:
  int Nearest(uint32_t pixel);
  const DibFormat& fmt_;
  std::unordered_map<uint32_t, int> cache_;
};

// The caller-visible bits of a DIB section whose declared format is not the working one.
struct NativeDib {
  DibFormat Fmt;
  int Width = 0, Height = 0;
  bool TopDown = false;
  size_t RowBytes = 0;
  uint8_t* Bits = nullptr;      // owned by Storage
  std::vector<uint8_t> Storage;
  std::vector<uint8_t> Shadow;  // the bits as last synchronised
  uint8_t* RowPtr(int y) { return Bits + size_t(TopDown ? y : Height - 1 - y) * RowBytes; }
};

// Drops a handle from the table (the object lives on while something holds it).
void RemoveObject(HGDIOBJ h);

// Stock objects and defaults.
std::shared_ptr<GdiObject> StockShared(int index);
std::shared_ptr<BitmapObj> DefaultBitmap();  // the 1x1 monochrome bitmap of new memory DCs
void InitDCState(DCState& s);

// Shape scan conversion (Region.cpp).
// Convex shapes row by row: row Top + i holds the pixels [X0[i], X1[i]) (none when X0 >= X1).
struct ShapeRows {
  int32_t Top = 0;
  std::vector<int32_t> X0, X1;
};
ShapeRows EllipseRows(const TRect& box, const TRect* window = nullptr);
ShapeRows RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight,
                        const TRect* window = nullptr);
// A polygon's pixels as row spans handed to `emit` in order (disjoint and not touching within
// a row), without gathering them.
void PolygonSpans(const POINT* points, const int* counts, int polyCount, int fillMode,
                  const TRect* window, const std::function<void(const Region::Span&)>& emit);

// Drawing helpers (Raster.cpp).
// Stores v in d[0..n) at the speed of a byte fill.
void FillWide(uint32_t* d, int n, uint32_t v);
inline void FillPixels(uint32_t* d, int n, uint32_t v) {
  if (n >= 16) {
    FillWide(d, n, v);
    return;
  }
  for (int i = 0; i < n; ++i) d[i] = v;
}
void RopRowConst(uint32_t* dst, const uint32_t* src, uint32_t pat, int count, uint8_t rop3);
// A brush realised on one DC (colours resolved, pattern tile aligned to the brush origin).
class BrushCache {
 public:
  BrushCache(DCObj& dc, const BrushObj* brush);
  ~BrushCache();
  BrushCache(const BrushCache&) = delete;
  BrushCache& operator=(const BrushCache&) = delete;
  bool Null() const;
  bool Solid() const;
  uint32_t Pixel() const;
  bool Masked() const;  // hatch backgrounds in transparent mode are not painted
  // Pattern pixels of surface row y, columns x..x+n-1; `paint` (optional) says which paint.
  void Row(int x, int y, int n, uint32_t* out, uint8_t* paint) const;

 private:
  struct Impl;
  Impl* impl_;
};
// Paints row spans (surface coordinates) through the DC's clip with a brush or a constant
// pixel and a ternary raster operation; marks what it painted when it goes.
class SpanPainter {
 public:
  SpanPainter(DCObj& dc, const BrushObj* brush, uint8_t rop3);
  SpanPainter(DCObj& dc, uint32_t pixel, uint8_t rop3);
  ~SpanPainter();
  SpanPainter(const SpanPainter&) = delete;
  SpanPainter& operator=(const SpanPainter&) = delete;
  void Span(int y, int x0, int x1) {
    if (!fast_) {
      SlowSpan(y, x0, x1);
      return;
    }
    // A solid copy through one clip rectangle.
    if (y < clip_.Top || y >= clip_.Bottom) return;
    if (x0 < clip_.Left) x0 = clip_.Left;
    if (x1 > clip_.Right) x1 = clip_.Right;
    if (x0 >= x1) return;
    FillPixels(row0_ + y * stride_ + x0, x1 - x0, pixel_);
    if (y < top_) top_ = y;
    if (y >= bottom_) bottom_ = y + 1;
  }

 private:
  void SlowSpan(int y, int x0, int x1);
  void UseFastPath();
  struct Impl;
  std::unique_ptr<Impl> impl_;
  bool fast_ = false;
  TRect clip_;
  uint32_t* row0_ = nullptr;
  ptrdiff_t stride_ = 0;
  uint32_t pixel_ = 0;
  int top_ = INT32_MAX, bottom_ = INT32_MIN;
};
uint8_t Rop2ToRop3(int rop2);
// Fills a region (surface coordinates, already clipped) with a constant pixel.
void FillRegionPixel(Surface* s, const Region& r, uint32_t pixel, uint8_t rop3);
// The pen's pixel on this DC's surface (resolved and mapped for monochrome surfaces).
uint32_t PenPixel(DCObj& dc, const PenObj* pen);
// A pixel for a colour on the DC's surface.
uint32_t SurfacePixel(DCObj& dc, COLORREF c);

// Block transfers (Blit.cpp). The source rectangle is in source-surface coordinates, the
// destination in the destination DC's logical coordinates; negative extents mirror.
struct BlitSource {
  Surface* Surf = nullptr;
  COLORREF BkColor = 0xFFFFFF;  // the source DC's background (colour to monochrome rule)
};
bool StretchCore(DCObj& dst, int xd, int yd, int wd, int hd, const BlitSource* src, int xs,
                 int ys, int ws, int hs, uint8_t rop3);
// A rectangle from a corner and extents computed without overflow, kept within +-2^30.
inline TRect ExtentRect(int64_t x, int64_t y, int64_t w, int64_t h) {
  auto c = [](int64_t v) {
    constexpr int64_t lim = int64_t(1) << 30;
    return int32_t(v < -lim ? -lim : (v > lim ? lim : v));
  };
  return {c(x), c(y), c(x + w), c(y + h)};
}

// Stroking (Draw.cpp), surface coordinates.
void StrokeSurfacePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed);
Region WidenSurfacePolyline(DCObj& dc, const std::vector<POINT>& pts, bool closed);
// The pixels a pen of `width` covers along a polyline (round or PS_ENDCAP_* caps).
Region StrokeRegion(const std::vector<POINT>& pts, bool closed, int width, UINT cap);
// The pixels of a one-pixel line (without its last point); with a window, only those inside it.
std::vector<POINT> LinePixels(POINT a, POINT b, const TRect* window = nullptr);

// Default colour tables of DIBs read back from device bitmaps.
std::vector<RGBQUAD> DefaultColorTable(int bitCount);

}  // namespace win::gdi
