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
  TSelectedObject(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
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

}  // namespace win
