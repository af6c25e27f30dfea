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

}  // namespace win
