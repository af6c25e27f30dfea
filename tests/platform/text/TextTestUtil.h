// Helpers of the text tests: a memory DC on a 32-bit bitmap, font selection and
// inspection of the painted pixels.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/text/Text.h"

namespace texttest {

using namespace win;

// A white canvas of the given size with black text on it, transparent background.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
    surface_ = gdi::BitmapSurface(bitmap_);
    bits_ = surface_ ? surface_->Pixels : nullptr;
    old_ = SelectObject(dc_, bitmap_);
    Clear();
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
  }
  ~Canvas() {
    if (font_) {
      SelectObject(dc_, oldFont_);
      DeleteObject(font_);
    }
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC DC() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Valid() const { return dc_ && bitmap_ && bits_; }

  void Clear(uint32_t pixel = 0xFFFFFF) {
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) surface_->Row(y)[x] = pixel;
  }
  // 0x00RRGGBB
  uint32_t Pixel(int x, int y) const { return surface_->Row(y)[x] & 0xFFFFFF; }
  bool Inked(int x, int y) const { return Pixel(x, y) != background_; }

  // Selects a new font (the previous one created here is deleted).
  void SelectFont(const char* face, int height, int weight = FW_NORMAL, bool italic = false,
                  bool underline = false, bool strikeOut = false, int escapement = 0,
                  BYTE quality = DEFAULT_QUALITY) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfQuality = quality;
    std::memcpy(lf.lfFaceName, face, strnlen(face, LF_FACESIZE - 1));
    HFONT f = CreateFontIndirectA(&lf);
    HGDIOBJ prev = SelectObject(dc_, f);
    if (font_) {
      DeleteObject(font_);
    } else {
      oldFont_ = prev;
    }
    font_ = f;
  }

  // Bounding box of every pixel that differs from the background (empty rect when none).
  RECT InkBox() const {
    RECT r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (Inked(x, y)) {
          r.Left = std::min(r.Left, x);
          r.Top = std::min(r.Top, y);
          r.Right = std::max(r.Right, x + 1);
          r.Bottom = std::max(r.Bottom, y + 1);
        }
    if (r.Left >= r.Right) return {0, 0, 0, 0};
    return r;
  }
  int InkCount() const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) n += Inked(x, y) ? 1 : 0;
    return n;
  }
  bool RowInked(int y, int x0, int x1) const {
    for (int x = x0; x < x1; ++x)
      if (Inked(x, y)) return true;
    return false;
  }
  TEXTMETRICA Metrics() const {
    TEXTMETRICA tm;
    GetTextMetricsA(dc_, &tm);
    return tm;
  }
  SIZE Extent(const std::string& s) const {
    SIZE sz;
    GetTextExtentPoint32A(dc_, s.data(), static_cast<int>(s.size()), &sz);
    return sz;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  HFONT font_ = nullptr;
  HGDIOBJ oldFont_ = nullptr;
  std::shared_ptr<gdi::Surface> surface_;
  uint32_t* bits_ = nullptr;
  uint32_t background_ = 0xFFFFFF;
};

}  // namespace texttest
