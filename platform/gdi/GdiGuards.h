#pragma once
// Guards that leave a device context as they found it, and free the GDI objects and memory
// DCs they own, when their scope is left by any way.

#include "platform/gdi/Gdi.h"

namespace win {

// SaveDC now, RestoreDC to that level at the end. A null DC is ignored.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), level_(dc ? SaveDC(dc) : 0) {}
  ~TSavedDC() {
    if (level_ > 0) RestoreDC(dc_, level_);
  }
  int Level() const { return level_; }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int level_;
};

// Selects a pen, brush, font or bitmap into a DC and selects the previous one back at the end.
class TSelectedObject {
 public:
  TSelectedObject(HDC dc, HGDIOBJ obj)
      : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
  ~TSelectedObject() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// Owns a GDI object (pen, brush, font, bitmap, region, palette) and deletes it at the end.
template <class H>
class TOwnedObject {
 public:
  explicit TOwnedObject(H h = nullptr) : h_(h) {}
  ~TOwnedObject() {
    if (h_) DeleteObject(h_);
  }
  H Get() const { return h_; }
  operator H() const { return h_; }
  // Hands the object over to the caller, who deletes it.
  H Release() {
    H h = h_;
    h_ = nullptr;
    return h;
  }
  explicit operator bool() const { return h_ != nullptr; }
  TOwnedObject(const TOwnedObject&) = delete;
  TOwnedObject& operator=(const TOwnedObject&) = delete;

 private:
  H h_;
};

// A memory DC compatible with `ref` (null: the screen), deleted at the end.
class TMemoryDC {
 public:
  explicit TMemoryDC(HDC ref = nullptr) : dc_(CreateCompatibleDC(ref)) {}
  ~TMemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;

 private:
  HDC dc_;
};

// Where the DC's logical origin lands on the device.
inline POINT LogicalOriginOnDevice(HDC dc) {
  POINT at{0, 0};
  LPtoDP(dc, &at, 1);
  return at;
}

// Puts the DC's brush origin where its logical origin lands on the device, as a window's own DC
// has it at the window's corner: patterns painted into another DC line up as on the screen.
inline void AlignBrushOrigin(HDC dc) {
  const POINT at = LogicalOriginOnDevice(dc);
  SetBrushOrgEx(dc, at.X, at.Y, nullptr);
}

// Keeps the clip region of a DC and selects it back at the end. Intersect narrows the clip to
// a region (device coordinates, still the caller's) within the kept one.
class TSavedClip {
 public:
  explicit TSavedClip(HDC dc) : dc_(dc), saved_(CreateRectRgn(0, 0, 0, 0)) {
    had_ = GetClipRgn(dc_, saved_) == 1;
  }
  ~TSavedClip() {
    SelectClipRgn(dc_, had_ ? saved_ : nullptr);
    DeleteObject(saved_);
  }
  void Intersect(HRGN rgn) {
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(r, rgn, nullptr, RGN_COPY);
    if (had_) CombineRgn(r, r, saved_, RGN_AND);
    SelectClipRgn(dc_, r);
    DeleteObject(r);
  }
  // Intersect with a region in the DC's logical units: it goes where the DC's origins put it
  // (a control painted into another DC at an offset, say).
  void IntersectLogical(HRGN rgn) {
    const POINT at = LogicalOriginOnDevice(dc_);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(r, rgn, nullptr, RGN_COPY);
    OffsetRgn(r, at.X, at.Y);
    Intersect(r);
    DeleteObject(r);
  }
  TSavedClip(const TSavedClip&) = delete;
  TSavedClip& operator=(const TSavedClip&) = delete;

 private:
  HDC dc_;
  HRGN saved_;
  bool had_ = false;
};

}  // namespace win
