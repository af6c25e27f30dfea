// Helpers of the raster engine's tests: a 32-bit top-down DIB section in a memory DC, and
// pixel maps drawn as text.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"

namespace gditest {

class Canvas {
 public:
  Canvas(int w, int h, win::COLORREF fill = win::RGB(255, 255, 255)) : w_(w), h_(h) {
    win::BITMAPINFO bi{};
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bm_ = win::CreateDIBSection(nullptr, &bi, win::DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<uint32_t*>(bits);
    dc_ = win::CreateCompatibleDC(nullptr);
    old_ = win::SelectObject(dc_, bm_);
    Fill(fill);
  }
  ~Canvas() {
    win::SelectObject(dc_, old_);
    win::DeleteDC(dc_);
    win::DeleteObject(bm_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  win::HDC dc() const { return dc_; }
  win::HBITMAP bitmap() const { return bm_; }
  uint32_t* bits() const { return bits_; }
  int width() const { return w_; }
  int height() const { return h_; }

  void Fill(win::COLORREF c) {
    const uint32_t p = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    for (int i = 0; i < w_ * h_; ++i) bits_[i] = p;
  }
  win::COLORREF At(int x, int y) const {
    const uint32_t p = bits_[y * w_ + x];
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }
  // One text row per pixel row; colours outside the legend show as '?'.
  std::string Map(const std::map<win::COLORREF, char>& legend) const {
    std::string out;
    for (int y = 0; y < h_; ++y) {
      for (int x = 0; x < w_; ++x) {
        auto it = legend.find(At(x, y));
        out += it == legend.end() ? '?' : it->second;
      }
      out += '\n';
    }
    return out;
  }
  int Count(win::COLORREF c) const {
    int n = 0;
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x) n += At(x, y) == c;
    return n;
  }

 private:
  int w_, h_;
  win::HBITMAP bm_ = nullptr;
  win::HDC dc_ = nullptr;
  win::HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

constexpr win::COLORREF kBlack = win::RGB(0, 0, 0);
constexpr win::COLORREF kWhite = win::RGB(255, 255, 255);
constexpr win::COLORREF kRed = win::RGB(255, 0, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 255);
constexpr win::COLORREF kGreen = win::RGB(0, 255, 0);

// Selects a pen and a brush (null: the NULL_ stock objects) for a scope, deleting them after.
struct PenBrush {
  PenBrush(win::HDC dc, win::HPEN pen, win::HBRUSH brush) : dc_(dc), pen_(pen), brush_(brush) {
    oldPen_ = win::SelectObject(dc, pen ? pen : win::GetStockObject(win::NULL_PEN));
    oldBrush_ = win::SelectObject(dc, brush ? brush : win::GetStockObject(win::NULL_BRUSH));
  }
  ~PenBrush() {
    win::SelectObject(dc_, oldPen_);
    win::SelectObject(dc_, oldBrush_);
    if (pen_) win::DeleteObject(pen_);
    if (brush_) win::DeleteObject(brush_);
  }
  PenBrush(const PenBrush&) = delete;
  PenBrush& operator=(const PenBrush&) = delete;
  win::HDC dc_;
  win::HPEN pen_;
  win::HBRUSH brush_;
  win::HGDIOBJ oldPen_, oldBrush_;
};

// Joins rows into a map string.
inline std::string Rows(const std::vector<const char*>& rows) {
  std::string s;
  for (const char* r : rows) (s += r) += '\n';
  return s;
}

// A memory DC holding `obj` (a bitmap, usually) for a scope; deletes the DC, and the object
// too when `owned`.
struct MemDC {
  explicit MemDC(win::HGDIOBJ obj, bool owned = true)
      : dc(win::CreateCompatibleDC(nullptr)), obj_(obj), owned_(owned), old_(win::SelectObject(dc, obj)) {}
  ~MemDC() {
    win::SelectObject(dc, old_);
    win::DeleteDC(dc);
    if (owned_) win::DeleteObject(obj_);
  }
  MemDC(const MemDC&) = delete;
  MemDC& operator=(const MemDC&) = delete;
  win::HDC dc;

 private:
  win::HGDIOBJ obj_;
  bool owned_;
  win::HGDIOBJ old_;
};

// A small picture drawn by `draw` on a white canvas, expected as rows of legend characters.
struct Picture {
  const char* Name;
  int W, H;
  std::function<void(win::HDC)> Draw;
  std::vector<const char*> Expected;
};
inline std::string Drawn(const Picture& p, const std::map<win::COLORREF, char>& legend) {
  Canvas c(p.W, p.H);
  p.Draw(c.dc());
  return c.Map(legend);
}
inline std::string PictureName(const testing::TestParamInfo<Picture>& info) { return info.param.Name; }

}  // namespace gditest
