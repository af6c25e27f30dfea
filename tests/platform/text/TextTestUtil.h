// Helpers of the text tests: a memory DC on a 32-bit bitmap, font selection and
// inspection of the painted pixels.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/text/Text.h"

namespace texttest {

using namespace win;

// A white canvas of the given size (and bits per pixel) with black text on it, transparent
// background.
class Canvas {
 public:
  Canvas(int width, int height, int bits = 32)
      : width_(width),
        height_(height),
        dc_(CreateCompatibleDC(nullptr)),
        bitmap_(CreateBitmap(width, height, 1, bits, nullptr)),
        surface_(gdi::BitmapSurface(bitmap_)),
        old_(SelectObject(dc_, bitmap_)) {
    Clear();
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
  }
  ~Canvas() {
    if (font_) DeleteObject(SelectObject(dc_, oldFont_));
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC DC() const { return dc_; }
  bool Valid() const { return dc_ && bitmap_ && surface_ && surface_->Pixels; }
  void Clear() { PatBlt(dc_, 0, 0, width_, height_, WHITENESS); }
  // 0x00RRGGBB
  uint32_t Pixel(int x, int y) const { return surface_->Row(y)[x] & 0xFFFFFF; }
  bool Inked(int x, int y) const { return Pixel(x, y) != 0xFFFFFF; }

  // Selects a new font (the previous one created here is deleted).
  void SelectFont(const char* face, int height, int weight = FW_NORMAL, bool italic = false,
                  bool underline = false, bool strikeOut = false, int escapement = 0) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfUnderline = underline;
    lf.lfStrikeOut = strikeOut;
    lf.lfEscapement = lf.lfOrientation = escapement;
    std::memcpy(lf.lfFaceName, face, strnlen(face, LF_FACESIZE - 1));
    HGDIOBJ prev = SelectObject(dc_, CreateFontIndirectA(&lf));
    if (font_)
      DeleteObject(prev);
    else
      oldFont_ = prev;
    font_ = true;
  }

  // Bounding box of every inked pixel (empty rect when none), and their number.
  RECT InkBox() const {
    RECT r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (Inked(x, y))
          r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
               std::max(r.Bottom, y + 1)};
    return r.Left < r.Right ? r : RECT{};
  }
  // Inked pixels in [x0, x1) x [y0, y1), by default the whole canvas.
  int InkCount(int x0 = 0, int y0 = 0, int x1 = INT_MAX, int y1 = INT_MAX) const {
    int n = 0;
    for (int y = y0; y < std::min(y1, height_); ++y)
      for (int x = x0; x < std::min(x1, width_); ++x) n += Inked(x, y);
    return n;
  }
  bool RowInked(int y, int x0, int x1) const { return InkCount(x0, y, x1, y + 1) > 0; }
  bool ColumnInked(int x) const { return InkCount(x, 0, x + 1) > 0; }
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
  int Width(const std::string& s) const { return Extent(s).cx; }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  std::shared_ptr<gdi::Surface> surface_;
  HGDIOBJ old_;
  bool font_ = false;
  HGDIOBJ oldFont_ = nullptr;
};

// Something is inked, and every inked pixel lies inside `bounds`.
inline ::testing::AssertionResult InkWithin(const Canvas& c, RECT bounds) {
  const RECT ink = c.InkBox();
  if (ink.Left < ink.Right && ink.Left >= bounds.Left && ink.Top >= bounds.Top &&
      ink.Right <= bounds.Right && ink.Bottom <= bounds.Bottom)
    return ::testing::AssertionSuccess();
  auto text = [](RECT r) {
    return ::testing::PrintToString(std::vector<int>{r.Left, r.Top, r.Right, r.Bottom});
  };
  return ::testing::AssertionFailure() << "ink " << text(ink) << " not inside " << text(bounds);
}

}  // namespace texttest
