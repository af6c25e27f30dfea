#pragma once
// Guards for the DCs the window manager lends: released or ended when their scope is left.

#include "platform/user/WinUser.h"

namespace win {

// GetDC(window) now (null window: the screen), ReleaseDC at the end.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  // Takes over a DC already had for the window (GetDCEx, GetWindowDC).
  TWindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
  ~TWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint now, EndPaint at the end.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
  ~TPaintDC() { EndPaint(window_, &ps_); }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }
  const PAINTSTRUCT& Info() const { return ps_; }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// The DC a window's WM_PAINT draws on: the DC its wParam gives when a picture of the window is
// taken into it (PaintTo, WM_PRINTCLIENT), given back as it came and the window's update region
// left as it is; else BeginPaint now and EndPaint at the end. Info().rcPaint is the part to
// paint: the whole client area on a given DC.
class TClientPaintDC {
 public:
  TClientPaintDC(HWND window, WPARAM given)
      : window_(window), given_(reinterpret_cast<HDC>(given)) {
    if (given_) {
      saved_ = SaveDC(given_);
      ps_.hdc = given_;
      GetClientRect(window, &ps_.rcPaint);
    } else {
      BeginPaint(window, &ps_);
    }
  }
  ~TClientPaintDC() {
    if (given_)
      RestoreDC(given_, saved_);
    else
      EndPaint(window_, &ps_);
  }
  HDC Get() const { return ps_.hdc; }
  operator HDC() const { return ps_.hdc; }
  const PAINTSTRUCT& Info() const { return ps_; }
  TClientPaintDC(const TClientPaintDC&) = delete;
  TClientPaintDC& operator=(const TClientPaintDC&) = delete;

 private:
  HWND window_;
  HDC given_;
  int saved_ = 0;
  PAINTSTRUCT ps_{};
};

}  // namespace win
