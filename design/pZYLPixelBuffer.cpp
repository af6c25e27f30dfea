#include "design/pZYLPixelBuffer.h"

#include <algorithm>
#include <cstdint>

#include "platform/graphics/Bitmap.h"

namespace zyl {

TZYLPixelBuffer::TZYLPixelBuffer(int Width, int Height, vcl::TColor Fill)
    : width_(std::max(Width, 0)),
      height_(std::max(Height, 0)),
      px_(size_t(width_) * height_, Fill) {}

TZYLPixelBuffer TZYLPixelBuffer::FromBitmap(vcl::TBitmap* Bitmap) {
  TZYLPixelBuffer out;
  if (!Bitmap || Bitmap->Empty()) return out;
  vcl::TBitmap copy;
  copy.Assign(Bitmap);
  copy.SetPixelFormat(vcl::pf24bit);
  out = TZYLPixelBuffer(copy.Width(), copy.Height(), vcl::clNone);
  for (int y = 0; y < out.height_; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(copy.ScanLine(y));
    vcl::TColor* dst = &out.px_[size_t(y) * out.width_];
    for (int x = 0; x < out.width_; ++x)
      dst[x] = vcl::TColor(win::RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]));
  }
  return out;
}

void TZYLPixelBuffer::ToBitmap(vcl::TBitmap* Bitmap) const {
  if (!Bitmap) return;
  Bitmap->SetPixelFormat(vcl::pf24bit);
  Bitmap->SetSize(width_, height_);
  for (int y = 0; y < height_; ++y) {
    uint8_t* row = static_cast<uint8_t*>(Bitmap->ScanLine(y));
    const vcl::TColor* src = &px_[size_t(y) * width_];
    for (int x = 0; x < width_; ++x) {
      const win::COLORREF c = win::COLORREF(src[x]);
      row[x * 3] = win::GetBValue(c);
      row[x * 3 + 1] = win::GetGValue(c);
      row[x * 3 + 2] = win::GetRValue(c);
    }
  }
}

void TZYLPixelBuffer::Draw(const TZYLPixelBuffer& Src, int X, int Y) {
  const int x0 = std::max(X, 0), y0 = std::max(Y, 0);
  const int x1 = std::min(X + Src.width_, width_), y1 = std::min(Y + Src.height_, height_);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) px_[size_t(y) * width_ + x] = Src.At(x - X, y - Y);
}

}  // namespace zyl
