// Device contexts: creation, attributes, SaveDC/RestoreDC, selection and clipping.
#include <algorithm>
#include <atomic>
#include <utility>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

DCObj::~DCObj() {
  if (S.Bitmap) --S.Bitmap->SelectedIn;
  for (const DCState& st : Saved)
    if (st.Bitmap) --st.Bitmap->SelectedIn;
}

Surface* DCObj::Target() const {
  if (External) return External.get();
  return S.Bitmap && S.Bitmap->Surf ? S.Bitmap->Surf.get() : nullptr;
}

const Region& DCObj::ClipRegion() {
  if (clipValid_) return clip_;
  Surface* s = Target();
  Region r(s ? s->BoundsRect() : TRect{});
  if (HasVisible) r = Region::Combine(r, Visible, RGN_AND);
  if (S.HasClip) {
    Region c = S.Clip;
    c.Offset(SurfaceOrigin.X, SurfaceOrigin.Y);
    r = Region::Combine(r, c, RGN_AND);
  }
  clip_ = std::move(r);
  clipValid_ = true;
  return clip_;
}

void DCObj::ClipNarrowed(const TRect& r, int mode) {
  if (!clipValid_) return;
  const TRect s{
      Clamp30(int64_t(r.Left) + SurfaceOrigin.X), Clamp30(int64_t(r.Top) + SurfaceOrigin.Y),
      Clamp30(int64_t(r.Right) + SurfaceOrigin.X), Clamp30(int64_t(r.Bottom) + SurfaceOrigin.Y)};
  clip_ = mode == RGN_AND ? clip_.Intersected(s) : Region::Combine(clip_, Region(s), RGN_DIFF);
}

namespace {

std::shared_ptr<DCObj> NewDC() {
  auto dc = std::make_shared<DCObj>();
  InitDCState(dc->S);
  return dc;
}

void SetBitmap(DCObj& dc, std::shared_ptr<BitmapObj> bm) {
  if (dc.S.Bitmap) --dc.S.Bitmap->SelectedIn;
  dc.S.Bitmap = std::move(bm);
  if (dc.S.Bitmap) ++dc.S.Bitmap->SelectedIn;
  dc.InvalidateClip();
}

// The handle of the object in a DC slot (null for an empty one).
template <class T>
HGDIOBJ HandleOf(const std::shared_ptr<T>& slot) {
  return slot ? slot->Handle : nullptr;
}
// Puts `o` into a DC slot and answers the handle it held.
template <class T>
HGDIOBJ Reselect(std::shared_ptr<T>& slot, const std::shared_ptr<GdiObject>& o) {
  const HGDIOBJ old = HandleOf(slot);
  slot = std::static_pointer_cast<T>(o);
  return old;
}

// One attribute of a DC's state: Set* stores a value `valid` accepts and answers the old one,
// Get* answers the current one; both answer `fail` for an unknown handle or a rejected value.
constexpr auto kAnyValue = [](auto) { return true; };
template <class T, class Valid = decltype(kAnyValue)>
T SetAttr(HDC h, T DCState::*field, T value, T fail, Valid valid = kAnyValue) {
  DCObj* dc = LookupDC(h);
  if (!dc || !valid(value)) return fail;
  return std::exchange(dc->S.*field, value);
}
template <class T>
T GetAttr(HDC h, T DCState::*field, T fail) {
  const DCObj* dc = LookupDC(h);
  return dc ? dc->S.*field : fail;
}

}  // namespace

HDC CreateSurfaceDC(std::shared_ptr<Surface> surface, POINT origin, const Region* visible) {
  if (!surface) return nullptr;
  auto dc = NewDC();
  dc->External = std::move(surface);
  dc->SurfaceOrigin = origin;
  if (visible) {
    dc->HasVisible = true;
    dc->Visible = *visible;
  }
  return static_cast<HDC>(AddObject(dc));
}

void SetSurfaceDCOrigin(HDC h, POINT origin, const Region* visible) {
  DCObj* dc = LookupDC(h);
  if (!dc) return;
  dc->SurfaceOrigin = origin;
  dc->HasVisible = visible != nullptr;
  dc->Visible = visible ? *visible : Region();
  dc->InvalidateClip();
}

std::shared_ptr<Surface> DCSurface(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return nullptr;
  if (dc->External) return dc->External;
  return dc->S.Bitmap ? dc->S.Bitmap->Surf : nullptr;
}

std::shared_ptr<Surface> BitmapSurface(HBITMAP h) {
  BitmapObj* b = LookupBitmap(h);
  return b ? b->Surf : nullptr;
}

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;

HDC CreateCompatibleDC(HDC) {
  auto dc = std::make_shared<DCObj>();
  InitDCState(dc->S);
  dc->Type = OBJ_MEMDC;
  dc->IsMemoryDC = true;
  dc->S.Bitmap = DefaultBitmap();
  ++dc->S.Bitmap->SelectedIn;
  return static_cast<HDC>(AddObject(dc));
}

BOOL DeleteDC(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  // The table's reference goes; selected objects are released with the DC.
  auto keep = SharedObject(h);  // released (with its selections) when this returns
  RemoveObject(h);
  return TRUE;
}

int SaveDC(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return 0;
  dc->Saved.push_back(dc->S);
  if (dc->S.Bitmap) ++dc->S.Bitmap->SelectedIn;  // the saved state holds it too
  return int(dc->Saved.size());
}

BOOL RestoreDC(HDC h, int saved) {
  DCObj* dc = LookupDC(h);
  if (!dc) return FALSE;
  const int n = int(dc->Saved.size());
  const int target = saved < 0 ? n + saved + 1 : saved;
  if (target < 1 || target > n) return FALSE;
  // Drop the states above the target, then take the target's.
  while (int(dc->Saved.size()) > target) {
    if (dc->Saved.back().Bitmap) --dc->Saved.back().Bitmap->SelectedIn;
    dc->Saved.pop_back();
  }
  DCState st = std::move(dc->Saved.back());
  dc->Saved.pop_back();
  if (dc->S.Bitmap) --dc->S.Bitmap->SelectedIn;
  dc->S = std::move(st);  // the saved reference count moves with it
  dc->InvalidateClip();
  return TRUE;
}

HGDIOBJ SelectObject(HDC h, HGDIOBJ obj) {
  DCObj* dc = LookupDC(h);
  if (!dc) return nullptr;
  auto o = SharedObject(obj);
  if (!o) return nullptr;
  switch (o->Type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return Reselect(dc->S.Pen, o);
    case OBJ_BRUSH: return Reselect(dc->S.Brush, o);
    case OBJ_FONT: return Reselect(dc->S.Font, o);
    case OBJ_BITMAP: {
      if (!dc->IsMemoryDC) return nullptr;
      auto bm = std::static_pointer_cast<BitmapObj>(o);
      if (bm == dc->S.Bitmap) return obj;
      // A bitmap is selected into one DC at a time (the stock bitmap into any number).
      if (bm->SelectedIn > 0 && !bm->Stock) return nullptr;
      const HGDIOBJ old = HandleOf(dc->S.Bitmap);
      SetBitmap(*dc, bm);
      return old;
    }
    case OBJ_REGION: {
      const int r = SelectClipRgn(h, static_cast<HRGN>(obj));
      return reinterpret_cast<HGDIOBJ>(intptr_t(r));
    }
    case OBJ_PAL: return nullptr;  // palettes go through SelectPalette
    default: return nullptr;
  }
}

HGDIOBJ GetCurrentObject(HDC h, UINT type) {
  DCObj* dc = LookupDC(h);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return HandleOf(dc->S.Pen);
    case OBJ_BRUSH: return HandleOf(dc->S.Brush);
    case OBJ_FONT: return HandleOf(dc->S.Font);
    case OBJ_PAL: return HandleOf(dc->S.Palette);
    case OBJ_BITMAP: return HandleOf(dc->S.Bitmap);
    default: return nullptr;
  }
}

HPALETTE SelectPalette(HDC h, HPALETTE pal, BOOL) {
  DCObj* dc = LookupDC(h);
  auto p = SharedObject(pal);
  if (!dc || !p || p->Type != OBJ_PAL) return nullptr;
  return static_cast<HPALETTE>(Reselect(dc->S.Palette, p));
}

UINT RealizePalette(HDC h) {
  DCObj* dc = LookupDC(h);
  if (!dc) return GDI_ERROR;
  // True-colour surfaces need no mapping; report no entries changed.
  return 0;
}

COLORREF SetDCBrushColor(HDC h, COLORREF c) {
  return SetAttr(h, &DCState::DcBrushColor, c, CLR_INVALID);
}
COLORREF SetDCPenColor(HDC h, COLORREF c) {
  return SetAttr(h, &DCState::DcPenColor, c, CLR_INVALID);
}
COLORREF GetDCPenColor(HDC h) { return GetAttr(h, &DCState::DcPenColor, CLR_INVALID); }

namespace {
std::atomic<int> g_logPixels{96};
}  // namespace

int ScreenLogPixels() { return g_logPixels.load(); }

BOOL SetScreenLogPixels(int dpi) {
  if (dpi < 24 || dpi > 960) return FALSE;
  g_logPixels.store(dpi);
  return TRUE;
}

int GetDeviceCaps(HDC h, int index) {
  DCObj* dc = LookupDC(h);
  if (!dc) return 0;
  Surface* s = dc->Target();
  const bool mono = s && s->Monochrome;
  switch (index) {
    case DRIVERVERSION: return 0x4000;
    case TECHNOLOGY: return DT_RASDISPLAY;
    case HORZRES: return s ? s->Width : 0;
    case VERTRES: return s ? s->Height : 0;
    case HORZSIZE: return s ? (s->Width * 254 + 480) / 960 : 0;
    case VERTSIZE: return s ? (s->Height * 254 + 480) / 960 : 0;
    case BITSPIXEL: return mono ? 1 : 32;
    case PLANES: return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS: return mono ? 2 : -1;
    case NUMFONTS: return 0;
    case CURVECAPS: return 0xFF;
    case LINECAPS: return 0xFE;
    case POLYGONALCAPS: return 0xFF;
    case TEXTCAPS: return 0x7E00;
    case CLIPCAPS: return 1;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV |
             RC_BIGFONT | RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case LOGPIXELSX:
    case LOGPIXELSY: return ScreenLogPixels();
    case SIZEPALETTE:
    case NUMRESERVED: return 0;
    case COLORRES: return 24;
    case VREFRESH: return 60;
    case DESKTOPHORZRES: return s ? s->Width : 0;
    case DESKTOPVERTRES: return s ? s->Height : 0;
    case BLTALIGNMENT: return 0;
    case SHADEBLENDCAPS: return 0x3F;
    default: return 0;
  }
}

// ---------------------------------------------------------------------------------------------
// Attributes

#define ZYL_DC_OR(ret) \
  DCObj* dc = LookupDC(h); \
  if (!dc) return ret

namespace {

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }
bool OneOf(int v, int a, int b) { return v == a || v == b; }

// A point of a DC's state (origins, the current position): read it, or read and move it.
BOOL GetPointAttr(HDC h, POINT DCState::*field, LPPOINT out) {
  ZYL_DC_OR(FALSE);
  if (out) *out = dc->S.*field;
  return TRUE;
}
BOOL MovePointAttr(HDC h, POINT DCState::*field, POINT to, LPPOINT old) {
  ZYL_DC_OR(FALSE);
  if (old) *old = dc->S.*field;
  dc->S.*field = to;
  return TRUE;
}
BOOL OffsetPointAttr(HDC h, POINT DCState::*field, int dx, int dy, LPPOINT old) {
  ZYL_DC_OR(FALSE);
  const POINT p = dc->S.*field;
  return MovePointAttr(h, field, {p.X + dx, p.Y + dy}, old);
}

// Logical and device points differ by the DC's device offset: `sign` +1 maps to device, -1 back.
BOOL ShiftPoints(HDC h, LPPOINT pts, int count, int sign) {
  ZYL_DC_OR(FALSE);
  for (int i = 0; pts && i < count; ++i) {
    pts[i].X = DCObj::Clamp30(int64_t(pts[i].X) + sign * dc->DeviceOffsetX());
    pts[i].Y = DCObj::Clamp30(int64_t(pts[i].Y) + sign * dc->DeviceOffsetY());
  }
  return TRUE;
}

}  // namespace

int SetMapMode(HDC h, int mode) {
  // only MM_TEXT is supported
  return SetAttr(h, &DCState::MapMode, mode, 0, [](int m) { return m == MM_TEXT; });
}
int GetMapMode(HDC h) { return GetAttr(h, &DCState::MapMode, 0); }

BOOL SetWindowOrgEx(HDC h, int x, int y, LPPOINT old) {
  return MovePointAttr(h, &DCState::WindowOrg, {x, y}, old);
}
BOOL GetWindowOrgEx(HDC h, LPPOINT org) { return GetPointAttr(h, &DCState::WindowOrg, org); }
BOOL OffsetWindowOrgEx(HDC h, int dx, int dy, LPPOINT old) {
  return OffsetPointAttr(h, &DCState::WindowOrg, dx, dy, old);
}
BOOL SetViewportOrgEx(HDC h, int x, int y, LPPOINT old) {
  return MovePointAttr(h, &DCState::ViewportOrg, {x, y}, old);
}
BOOL GetViewportOrgEx(HDC h, LPPOINT org) { return GetPointAttr(h, &DCState::ViewportOrg, org); }
BOOL OffsetViewportOrgEx(HDC h, int dx, int dy, LPPOINT old) {
  return OffsetPointAttr(h, &DCState::ViewportOrg, dx, dy, old);
}
BOOL LPtoDP(HDC h, LPPOINT pts, int count) { return ShiftPoints(h, pts, count, +1); }
BOOL DPtoLP(HDC h, LPPOINT pts, int count) { return ShiftPoints(h, pts, count, -1); }
BOOL SetBrushOrgEx(HDC h, int x, int y, LPPOINT old) {
  return MovePointAttr(h, &DCState::BrushOrg, {x, y}, old);
}
int SetROP2(HDC h, int mode) {
  return SetAttr(h, &DCState::Rop2, mode, 0, [](int m) { return InRange(m, R2_BLACK, R2_WHITE); });
}
int GetROP2(HDC h) { return GetAttr(h, &DCState::Rop2, 0); }
int SetBkMode(HDC h, int mode) {
  return SetAttr(h, &DCState::BkMode, mode, 0, [](int m) { return OneOf(m, TRANSPARENT, OPAQUE); });
}
int GetBkMode(HDC h) { return GetAttr(h, &DCState::BkMode, 0); }
COLORREF SetBkColor(HDC h, COLORREF c) { return SetAttr(h, &DCState::BkColor, c, CLR_INVALID); }
COLORREF GetBkColor(HDC h) { return GetAttr(h, &DCState::BkColor, CLR_INVALID); }
COLORREF SetTextColor(HDC h, COLORREF c) { return SetAttr(h, &DCState::TextColor, c, CLR_INVALID); }
COLORREF GetTextColor(HDC h) { return GetAttr(h, &DCState::TextColor, CLR_INVALID); }
UINT SetTextAlign(HDC h, UINT align) {
  return SetAttr(h, &DCState::TextAlign, align, UINT(GDI_ERROR));
}
UINT GetTextAlign(HDC h) { return GetAttr(h, &DCState::TextAlign, UINT(GDI_ERROR)); }
int SetTextCharacterExtra(HDC h, int extra) {
  return SetAttr(h, &DCState::CharExtra, extra, int(0x80000000));
}
int GetTextCharacterExtra(HDC h) { return GetAttr(h, &DCState::CharExtra, int(0x80000000)); }
int SetPolyFillMode(HDC h, int mode) {
  return SetAttr(h, &DCState::PolyFillMode, mode, 0,
                 [](int m) { return OneOf(m, ALTERNATE, WINDING); });
}
int SetStretchBltMode(HDC h, int mode) {
  return SetAttr(h, &DCState::StretchMode, mode, 0,
                 [](int m) { return InRange(m, BLACKONWHITE, HALFTONE); });
}
int SetArcDirection(HDC h, int dir) {
  return SetAttr(h, &DCState::ArcDirection, dir, 0,
                 [](int d) { return OneOf(d, AD_COUNTERCLOCKWISE, AD_CLOCKWISE); });
}
BOOL GetCurrentPositionEx(HDC h, LPPOINT pos) { return GetPointAttr(h, &DCState::CurrentPos, pos); }

// ---------------------------------------------------------------------------------------------
// Clipping

int SelectClipRgn(HDC h, HRGN rgn) { return ExtSelectClipRgn(h, rgn, RGN_COPY); }

namespace {
int ClipResult(DCObj* dc) { return dc->ClipRegion().Complexity(); }
// The clip region a combination starts from: without one the whole device counts as the clip.
Region CurrentClip(const DCObj& dc) {
  if (dc.S.HasClip) return dc.S.Clip;
  const Surface* s = dc.Target();
  return Region(s ? TRect{-dc.SurfaceOrigin.X, -dc.SurfaceOrigin.Y, s->Width - dc.SurfaceOrigin.X,
                          s->Height - dc.SurfaceOrigin.Y}
                  : TRect{});
}
// A logical rectangle in device coordinates (kept within +-2^30).
TRect DeviceRect(const DCObj& dc, int l, int t, int r, int b) {
  const int64_t ox = dc.DeviceOffsetX(), oy = dc.DeviceOffsetY();
  return {DCObj::Clamp30(l + ox), DCObj::Clamp30(t + oy), DCObj::Clamp30(r + ox),
          DCObj::Clamp30(b + oy)};
}
}  // namespace

int ExtSelectClipRgn(HDC h, HRGN rgn, int mode) {
  ZYL_DC_OR(ERROR);
  if (!rgn) {
    if (mode != RGN_COPY) return ERROR;
    dc->S.HasClip = false;
    dc->S.Clip = Region();
    dc->InvalidateClip();
    return ClipResult(dc);
  }
  RegionObj* r = LookupRegion(rgn);
  if (!r || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    dc->S.Clip = r->Rgn;
  } else {
    dc->S.Clip = Region::Combine(CurrentClip(*dc), r->Rgn, mode);
  }
  dc->S.HasClip = true;
  dc->InvalidateClip();
  return ClipResult(dc);
}

int IntersectClipRect(HDC h, int l, int t, int r, int b) {
  ZYL_DC_OR(ERROR);
  const TRect rc = DeviceRect(*dc, l, t, r, b);
  if (!dc->S.HasClip) {
    dc->S.Clip = Region(rc);
  } else {
    dc->S.Clip = dc->S.Clip.Intersected(rc);
  }
  dc->S.HasClip = true;
  dc->ClipNarrowed(rc, RGN_AND);
  return ClipResult(dc);
}

int ExcludeClipRect(HDC h, int l, int t, int r, int b) {
  ZYL_DC_OR(ERROR);
  const TRect rc = DeviceRect(*dc, l, t, r, b);
  dc->S.Clip = Region::Combine(CurrentClip(*dc), Region(rc), RGN_DIFF);
  dc->S.HasClip = true;
  dc->ClipNarrowed(rc, RGN_DIFF);
  return ClipResult(dc);
}

int OffsetClipRgn(HDC h, int dx, int dy) {
  ZYL_DC_OR(ERROR);
  if (dc->S.HasClip) {
    dc->S.Clip.Offset(dx, dy);
    dc->InvalidateClip();
  }
  return ClipResult(dc);
}

int GetClipBox(HDC h, LPRECT r) {
  ZYL_DC_OR(ERROR);
  if (!r) return ERROR;
  const Region& c = dc->ClipRegion();
  if (c.IsEmpty()) {
    *r = TRect{};
    return NULLREGION;
  }
  TRect b = c.Bounds();
  const int64_t ox = int64_t(dc->SurfaceOrigin.X) + dc->DeviceOffsetX();
  const int64_t oy = int64_t(dc->SurfaceOrigin.Y) + dc->DeviceOffsetY();
  *r = {DCObj::Clamp30(b.Left - ox), DCObj::Clamp30(b.Top - oy), DCObj::Clamp30(b.Right - ox),
        DCObj::Clamp30(b.Bottom - oy)};
  return c.Complexity();
}

int GetClipRgn(HDC h, HRGN rgn) {
  ZYL_DC_OR(-1);
  RegionObj* r = LookupRegion(rgn);
  if (!r) return -1;
  if (!dc->S.HasClip) return 0;
  r->Rgn = dc->S.Clip;
  return 1;
}

BOOL PtVisible(HDC h, int x, int y) {
  ZYL_DC_OR(FALSE);
  return dc->ClipRegion().Contains(dc->ToSurfaceX(x), dc->ToSurfaceY(y)) ? TRUE : FALSE;
}

BOOL RectVisible(HDC h, const RECT* r) {
  ZYL_DC_OR(FALSE);
  if (!r) return FALSE;
  TRect s = dc->ToSurface(*r);
  if (s.Left > s.Right) std::swap(s.Left, s.Right);
  if (s.Top > s.Bottom) std::swap(s.Top, s.Bottom);
  return dc->ClipRegion().Intersects(s) ? TRUE : FALSE;
}

#undef ZYL_DC_OR

}  // namespace win
