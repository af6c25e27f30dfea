// The raster engine's object model, shared with the text engine and the window manager.
//
// Pixels: every drawing surface is 32 bits per pixel, one uint32_t per pixel holding
// 0xAARRGGBB (bytes B, G, R, A in memory), rows `Stride` pixels apart (Stride may be negative
// for a bottom-up 32-bit DIB section drawn in place). On monochrome surfaces the colour bits
// are 0x000000 or 0xFFFFFF (the alpha byte means nothing there).
//
// Coordinates: "logical" are the caller's (MM_TEXT: device = logical - window origin +
// viewport origin); "device" are relative to the DC's origin (a window's client corner);
// "surface" are pixel positions on the target surface (device + DCObj::SurfaceOrigin).
// Regions handed to SelectClipRgn are device coordinates; the visible region set by the
// window manager and ClipRegion() are surface coordinates.
//
// Every drawing entry point wraps its work in a DrawScope, which brings the working pixels of
// a DIB section in sync with its caller-visible bits before drawing and writes the touched rows
// back afterwards.
//
// Threads: the handle table is guarded; one DC (and one surface) is drawn on by one thread at
// a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace win::gdi {

// ---------------------------------------------------------------------------------------------
// Colours
inline uint32_t ColorToPixel(COLORREF c) {
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF PixelToColor(uint32_t p) {
  return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}
// Resolves PALETTEINDEX/PALETTERGB forms and strips the flag byte (no palette lookups beyond
// the DC's selected palette).
struct DCObj;
COLORREF ResolveColor(const DCObj* dc, COLORREF c);
// Black or white for a colour drawn on a monochrome surface (brightness threshold).
uint32_t MonoPixelOf(uint32_t pixel);

// ---------------------------------------------------------------------------------------------
// Regions: y-x banded lists of non-overlapping rectangles (right/bottom exclusive), sorted by
// top then left; bands with equal spans are merged vertically, touching spans horizontally.
class Region {
 public:
  Region() = default;
  explicit Region(const TRect& r);
  // The union of arbitrary (possibly overlapping or empty) rectangles.
  static Region FromRects(const std::vector<TRect>& rects);
  // One pixel row's span [X0, X1) on row Y, as a scanline converter emits them (in any order,
  // overlapping allowed).
  struct Span {
    int32_t Y, X0, X1;
  };
  static Region FromSpans(std::vector<Span> spans);

  const std::vector<TRect>& Rects() const { return rects_; }
  const TRect& Bounds() const { return bounds_; }
  bool IsEmpty() const { return rects_.empty(); }
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Complexity() const;
  bool Contains(int x, int y) const;
  bool Intersects(const TRect& r) const;
  void Offset(int dx, int dy);
  // mode: RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF (RGN_COPY answers a).
  static Region Combine(const Region& a, const Region& b, int mode);
  Region Intersected(const TRect& r) const;
  friend bool operator==(const Region& a, const Region& b) { return a.rects_ == b.rects_; }

 private:
  void Normalize();
  std::vector<TRect> rects_;
  TRect bounds_;
};

// Shape regions with the platform's pixel rules (used by the CreateXxxRgn functions and by the
// filled primitives). `window`, when given, limits the rows (and columns) computed; without it
// at most 65536 rows from the top are converted.
Region PolygonRegion(const POINT* points, const int* counts, int polyCount, int fillMode,
                     const TRect* window = nullptr);
Region EllipseRegion(const TRect& box, const TRect* window = nullptr);
Region RoundRectRegion(const TRect& box, int ellipseWidth, int ellipseHeight,
                       const TRect* window = nullptr);

// ---------------------------------------------------------------------------------------------
// Surfaces
struct NativeDib;  // the caller-visible bits of a DIB section in its declared format

// Largest accepted surface, in pixels (128 MB of 32-bit pixels; a DIB section with its
// declared-format copies stays within 256 MB).
constexpr int64_t kMaxSurfacePixels = 32ll * 1024 * 1024;

class Surface {
 public:
  Surface();
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // A surface with its own zero-filled storage; null when the size is invalid or too large.
  static std::shared_ptr<Surface> Create(int width, int height, bool monochrome = false);
  // A surface over pixels owned elsewhere (which must outlive it).
  static std::shared_ptr<Surface> Wrap(uint32_t* pixels, int width, int height,
                                       ptrdiff_t stride);

  int Width = 0;
  int Height = 0;
  uint32_t* Pixels = nullptr;  // row 0
  ptrdiff_t Stride = 0;        // in pixels
  bool Monochrome = false;

  uint32_t* Row(int y) { return Pixels + y * Stride; }
  const uint32_t* Row(int y) const { return Pixels + y * Stride; }
  TRect BoundsRect() const { return {0, 0, Width, Height}; }

  // Turns an owned top-down surface into a bottom-up one (row 0 last in memory), for 32-bit
  // bottom-up DIB sections drawn in place; StorageData() is then the bottom row.
  void UseBottomUp();
  uint32_t* StorageData() { return storage_.data(); }

  // Keeping a DIB section's declared-format bits in sync with the working pixels.
  void SyncIn();                 // caller-visible bits -> working pixels, where changed
  void Touch(const TRect& r);    // marks surface pixels as written
  void SyncOut();                // touched rows -> caller-visible bits
  NativeDib* Native() const { return native_.get(); }
  void SetNative(std::unique_ptr<NativeDib> native);

 private:
  std::vector<uint32_t> storage_;
  std::unique_ptr<NativeDib> native_;
  TRect dirty_;
  bool hasDirty_ = false;
};

// ---------------------------------------------------------------------------------------------
// Objects and the handle table
constexpr DWORD kIconObjectType = 0x100;  // icons live in the same table; GetObjectType says 0

struct GdiObject {
  explicit GdiObject(DWORD type) : Type(type) {}
  virtual ~GdiObject();
  DWORD Type;
  HGDIOBJ Handle = nullptr;
  bool Stock = false;
};

struct PenObj : GdiObject {
  PenObj() : GdiObject(OBJ_PEN) {}
  UINT Style = PS_SOLID;          // PS_* style (low four bits)
  UINT EndCap = PS_ENDCAP_ROUND;  // geometric pens
  UINT Join = PS_JOIN_ROUND;
  bool Geometric = false;
  int Width = 1;                  // 0 and 1 draw one pixel wide
  COLORREF Color = 0;
  std::vector<DWORD> UserStyle;   // PS_USERSTYLE dash lengths
};

struct BrushObj : GdiObject {
  BrushObj() : GdiObject(OBJ_BRUSH) {}
  UINT Style = BS_SOLID;
  COLORREF Color = 0;
  int Hatch = 0;
  // Pattern brushes: a private copy of the pattern pixels. A monochrome pattern takes the
  // DC's text colour for 0 bits and its background colour for 1 bits when used.
  std::shared_ptr<Surface> Pattern;
  bool DcBrush = false;  // the DC_BRUSH stock object
};

struct FontObj : GdiObject {
  FontObj() : GdiObject(OBJ_FONT) {}
  LOGFONTA Log;
  // Reserved for the text engine's realisation of the font (created lazily by it).
  std::shared_ptr<void> Realized;
};

struct PaletteObj : GdiObject {
  PaletteObj() : GdiObject(OBJ_PAL) {}
  std::vector<PALETTEENTRY> Entries;
};

struct RegionObj : GdiObject {
  RegionObj() : GdiObject(OBJ_REGION) {}
  Region Rgn;
};

struct BitmapObj : GdiObject {
  BitmapObj() : GdiObject(OBJ_BITMAP) {}
  std::shared_ptr<Surface> Surf;
  int BitsPixel = 32;     // the declared depth (1 for monochrome bitmaps)
  bool IsDibSection = false;
  BITMAPINFOHEADER Header;             // DIB sections: as created (biHeight sign kept)
  std::vector<RGBQUAD> ColorTable;     // depths up to 8
  DWORD Masks[3] = {0, 0, 0};          // 16 and 32 bits with BI_BITFIELDS
  void* Bits = nullptr;                // DIB sections: the caller-visible bits
  int SelectedIn = 0;                  // number of DCs that hold it
  SIZE Dimension;                      // SetBitmapDimensionEx
};

struct IconObj : GdiObject {
  IconObj() : GdiObject(kIconObjectType) {}
  ICONINFO Info;  // private copies of the mask and colour bitmaps
};

// Figures recorded between BeginPath and EndPath (surface coordinates, PT_* types; curves are
// flattened when recorded).
struct Path {
  std::vector<POINT> Points;
  std::vector<BYTE> Types;
  // After WidenPath: the area the pen covers along the figures (surface coordinates).
  bool Widened = false;
  Region Wide;
};

// The state SaveDC keeps.
struct DCState {
  std::shared_ptr<BitmapObj> Bitmap;
  std::shared_ptr<PenObj> Pen;
  std::shared_ptr<BrushObj> Brush;
  std::shared_ptr<FontObj> Font;
  std::shared_ptr<PaletteObj> Palette;
  COLORREF TextColor = 0x000000;
  COLORREF BkColor = 0xFFFFFF;
  int BkMode = OPAQUE;
  UINT TextAlign = TA_LEFT | TA_TOP | TA_NOUPDATECP;
  int CharExtra = 0;
  int Rop2 = R2_COPYPEN;
  int PolyFillMode = ALTERNATE;
  int StretchMode = BLACKONWHITE;
  int ArcDirection = AD_COUNTERCLOCKWISE;
  int MapMode = MM_TEXT;
  POINT WindowOrg;
  POINT ViewportOrg;
  POINT BrushOrg;
  POINT CurrentPos;
  COLORREF DcBrushColor = 0xFFFFFF;
  COLORREF DcPenColor = 0x000000;
  bool HasClip = false;
  Region Clip;  // device coordinates
};

struct DCObj : GdiObject {
  DCObj() : GdiObject(OBJ_DC) {}
  ~DCObj() override;
  DCState S;
  std::vector<DCState> Saved;
  bool IsMemoryDC = false;

  // Window DCs: a surface owned by the window manager, the DC origin on it and the visible
  // region (surface coordinates). Memory DCs draw on their selected bitmap at origin 0,0.
  std::shared_ptr<Surface> External;
  POINT SurfaceOrigin;
  bool HasVisible = false;
  Region Visible;

  std::unique_ptr<Path> CurPath;
  bool PathOpen = false;

  // The surface drawn on (null only for a memory DC without bitmap, which cannot happen).
  Surface* Target() const;
  // Effective clip in surface coordinates: surface bounds AND visible region AND the
  // application's clip (offset to the surface). Cached; InvalidateClip() after changes.
  const Region& ClipRegion();
  void InvalidateClip() { clipValid_ = false; }
  // The application's clip kept only (RGN_AND) or lost (RGN_DIFF) the device rectangle r: the
  // cached effective clip takes the same step instead of being combined anew.
  void ClipNarrowed(const TRect& r, int mode);

  // Logical -> surface coordinates (kept within +-2^30, beyond anything drawable).
  int ToSurfaceX(int x) const {
    return Clamp30(int64_t(x) - S.WindowOrg.X + S.ViewportOrg.X + SurfaceOrigin.X);
  }
  int ToSurfaceY(int y) const {
    return Clamp30(int64_t(y) - S.WindowOrg.Y + S.ViewportOrg.Y + SurfaceOrigin.Y);
  }
  static int Clamp30(int64_t v) {
    constexpr int64_t lim = int64_t(1) << 30;
    return int(v < -lim ? -lim : (v > lim ? lim : v));
  }
  POINT ToSurface(POINT p) const { return {ToSurfaceX(p.X), ToSurfaceY(p.Y)}; }
  TRect ToSurface(const TRect& r) const {
    return {ToSurfaceX(r.Left), ToSurfaceY(r.Top), ToSurfaceX(r.Right), ToSurfaceY(r.Bottom)};
  }
  // Logical -> device offset (kept within +-2^30).
  int DeviceOffsetX() const { return Clamp30(int64_t(S.ViewportOrg.X) - S.WindowOrg.X); }
  int DeviceOffsetY() const { return Clamp30(int64_t(S.ViewportOrg.Y) - S.WindowOrg.Y); }

 private:
  Region clip_;
  bool clipValid_ = false;
};

// Looks a handle up; null when the handle is not a live object of the wanted kind.
GdiObject* LookupObject(HGDIOBJ h);
DCObj* LookupDC(HDC h);
BitmapObj* LookupBitmap(HBITMAP h);
BrushObj* LookupBrush(HBRUSH h);
RegionObj* LookupRegion(HRGN h);
PaletteObj* LookupPalette(HPALETTE h);
IconObj* LookupIcon(HICON h);
std::shared_ptr<GdiObject> SharedObject(HGDIOBJ h);
// Enters an object into the table and answers its new handle.
HGDIOBJ AddObject(std::shared_ptr<GdiObject> obj);
// Number of live (non-stock) objects, for leak tests: of every kind, or of one (OBJ_PEN, OBJ_DC,
// kIconObjectType ...) with `type`.
inline constexpr DWORD kAnyObjectType = 0;
size_t LiveObjectCount(DWORD type = kAnyObjectType);

// ---------------------------------------------------------------------------------------------
// DCs bound to surfaces owned by the window manager
//
// Creates a DC drawing on `surface` with its device origin at `origin` (surface coordinates)
// and, when `visible` is given, limited to that region (surface coordinates). Delete it with
// DeleteDC. The DC starts with the default state (stock objects, SYSTEM_FONT).
HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, POINT origin, const Region* visible);
// Moves a surface DC's origin and replaces its visible region (null: whole surface).
void SetSurfaceDCOrigin(HDC dc, POINT origin, const Region* visible);
// The surface a DC draws on (memory DC: the selected bitmap's), or null.
std::shared_ptr<Surface> DCSurface(HDC dc);
// The working surface of a bitmap, or null.
std::shared_ptr<Surface> BitmapSurface(HBITMAP bitmap);

// ---------------------------------------------------------------------------------------------
// Painting helpers for the text engine and the window manager

// Brackets drawing on a DC's target surface (see the file comment).
class DrawScope {
 public:
  explicit DrawScope(DCObj& dc);
  ~DrawScope();
  DrawScope(const DrawScope&) = delete;
  DrawScope& operator=(const DrawScope&) = delete;
  Surface* Target() const { return target_; }

 private:
  Surface* target_;
};

// The helpers below draw on the DC's target surface; call them inside a DrawScope.
//
// Fills a surface rectangle with a colour through the DC's clip (no raster operation).
void FillSurfaceRect(DCObj& dc, const TRect& surfaceRect, COLORREF color);
// Paints an 8-bit coverage mask (0 = untouched, 255 = full colour, between: blended) whose
// top-left pixel lands on surface position (x, y), through the DC's clip.
void PaintCoverage(DCObj& dc, int x, int y, const uint8_t* mask, int width, int height,
                   ptrdiff_t maskStride, COLORREF color);
// Fills a surface-coordinate region with the DC's current brush (pattern aligned to the brush
// origin) using the ternary raster operation `rop3` (0xF0 = PATCOPY), through the clip.
void FillRegionWithBrush(DCObj& dc, const Region& surfaceRegion, const BrushObj* brush,
                         uint8_t rop3);

// Ternary raster operations over pixel rows: dst = f(pattern, source, destination) with f
// the truth table `rop3` (bit (p<<2 | s<<1 | d) set means 1). Either input may be null when
// the operation does not read it.
void RopRow(uint32_t* dst, const uint32_t* src, const uint32_t* pat, int count, uint8_t rop3);
// The reference evaluator of one pixel (for tests and odd cases).
uint32_t RopPixel(uint32_t pat, uint32_t src, uint32_t dst, uint8_t rop3);

}  // namespace win::gdi
