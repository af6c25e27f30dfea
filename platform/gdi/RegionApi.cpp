// The region functions of the interface, over the region engine.
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiPrivate.h"

namespace win {

using namespace gdi;

namespace {
HRGN NewRegion(Region r) {
  auto o = std::make_shared<RegionObj>();
  o->Rgn = std::move(r);
  return static_cast<HRGN>(AddObject(o));
}
TRect Ordered(int l, int t, int r, int b) {
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  return {l, t, r, b};
}
}  // namespace

HRGN CreateRectRgn(int l, int t, int r, int b) { return NewRegion(Region(Ordered(l, t, r, b))); }

HRGN CreateRectRgnIndirect(const RECT* r) {
  if (!r) return nullptr;
  return CreateRectRgn(r->Left, r->Top, r->Right, r->Bottom);
}

// Elliptic and rounded regions leave out the box's right column and bottom row: they are the
// shape of the box one pixel smaller there, as Ellipse and RoundRect fill it without a pen.
static TRect ShapeBox(int l, int t, int r, int b) {
  TRect box = Ordered(l, t, r, b);
  if (box.Right > box.Left) --box.Right;
  if (box.Bottom > box.Top) --box.Bottom;
  return box;
}

HRGN CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
  return NewRegion(RoundRectRegion(ShapeBox(l, t, r, b), w, h));
}

HRGN CreateEllipticRgn(int l, int t, int r, int b) {
  return NewRegion(EllipseRegion(ShapeBox(l, t, r, b)));
}

HRGN CreateEllipticRgnIndirect(const RECT* r) {
  if (!r) return nullptr;
  return CreateEllipticRgn(r->Left, r->Top, r->Right, r->Bottom);
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
  if (!points || count < 2 || (fillMode != ALTERNATE && fillMode != WINDING)) return nullptr;
  return NewRegion(PolygonRegion(points, &count, 1, fillMode));
}

HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polyCount, int fillMode) {
  if (!points || !counts || polyCount <= 0 || (fillMode != ALTERNATE && fillMode != WINDING))
    return nullptr;
  for (int i = 0; i < polyCount; ++i)
    if (counts[i] < 2) return nullptr;
  return NewRegion(PolygonRegion(points, counts, polyCount, fillMode));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
  RegionObj* d = LookupRegion(dest);
  RegionObj* a = LookupRegion(src1);
  if (!d || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
  if (mode == RGN_COPY) {
    d->Rgn = a->Rgn;
  } else {
    RegionObj* b = LookupRegion(src2);
    if (!b) return ERROR;
    d->Rgn = Region::Combine(a->Rgn, b->Rgn, mode);
  }
  return d->Rgn.Complexity();
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
  RegionObj* r = LookupRegion(rgn);
  if (!r) return ERROR;
  r->Rgn.Offset(dx, dy);
  return r->Rgn.Complexity();
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
  RegionObj* r = LookupRegion(rgn);
  return r && r->Rgn.Contains(x, y) ? TRUE : FALSE;
}

BOOL RectInRegion(HRGN rgn, const RECT* rc) {
  RegionObj* r = LookupRegion(rgn);
  if (!r || !rc) return FALSE;
  return r->Rgn.Intersects(Ordered(rc->Left, rc->Top, rc->Right, rc->Bottom)) ? TRUE : FALSE;
}

int GetRgnBox(HRGN rgn, LPRECT box) {
  RegionObj* r = LookupRegion(rgn);
  if (!r || !box) return ERROR;
  *box = r->Rgn.IsEmpty() ? TRect{} : r->Rgn.Bounds();
  return r->Rgn.Complexity();
}

BOOL EqualRgn(HRGN a, HRGN b) {
  RegionObj* ra = LookupRegion(a);
  RegionObj* rb = LookupRegion(b);
  if (!ra || !rb) return ERROR;
  return ra->Rgn == rb->Rgn ? TRUE : FALSE;
}

BOOL SetRectRgn(HRGN rgn, int l, int t, int r, int b) {
  RegionObj* o = LookupRegion(rgn);
  if (!o) return FALSE;
  o->Rgn = Region(Ordered(l, t, r, b));
  return TRUE;
}

DWORD GetRegionData(HRGN rgn, DWORD size, LPRGNDATA data) {
  RegionObj* r = LookupRegion(rgn);
  if (!r) return 0;
  const auto& rects = r->Rgn.Rects();
  const DWORD needed = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  if (!data) return needed;
  if (size < needed) return 0;
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = DWORD(rects.size());
  data->rdh.nRgnSize = DWORD(rects.size() * sizeof(RECT));
  data->rdh.rcBound = r->Rgn.IsEmpty() ? TRect{} : r->Rgn.Bounds();
  if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
  return needed;
}

HRGN ExtCreateRegion(const XFORM* xform, DWORD size, const RGNDATA* data) {
  if (!data || size < sizeof(RGNDATAHEADER)) return nullptr;
  const RGNDATAHEADER& h = data->rdh;
  if (h.dwSize < sizeof(RGNDATAHEADER) || h.iType != RDH_RECTANGLES) return nullptr;
  const uint64_t need = uint64_t(h.dwSize) + uint64_t(h.nCount) * sizeof(RECT);
  if (need > size) return nullptr;
  std::vector<TRect> rects(h.nCount);
  if (h.nCount)
    std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + h.dwSize,
                size_t(h.nCount) * sizeof(RECT));
  if (xform) {
    // Only translations (and identity scaling) are supported, by whole numbers the
    // coordinates can hold.
    if (xform->eM11 != 1 || xform->eM22 != 1 || xform->eM12 != 0 || xform->eM21 != 0)
      return nullptr;
    const auto fits = [](float d) { return d > -2147483649.0 && d < 2147483648.0; };
    if (!fits(xform->eDx) || !fits(xform->eDy)) return nullptr;
    for (TRect& r : rects) OffsetRect(&r, int(xform->eDx), int(xform->eDy));
  }
  return NewRegion(Region::FromRects(rects));
}

}  // namespace win
