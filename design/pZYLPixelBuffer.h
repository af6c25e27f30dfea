// TZYLPixelBuffer: the pixels of a bitmap as plain RGB colours in memory, read in one pass from
// its 24-bit scan lines and written back the same way, so the design-time picture generators
// work over arrays rather than one canvas call per pixel. Reads and writes outside the buffer
// are ignored (a read answers clNone).
#pragma once

#include <vector>

#include "platform/graphics/Colors.h"

namespace vcl {
class TBitmap;
}

namespace zyl {

class TZYLPixelBuffer {
 public:
  TZYLPixelBuffer() = default;
  TZYLPixelBuffer(int Width, int Height, vcl::TColor Fill);
  // The bitmap's pixels; the bitmap itself is left as it is.
  static TZYLPixelBuffer FromBitmap(vcl::TBitmap* Bitmap);
  // Gives the bitmap this size, 24 bits per pixel and these pixels.
  void ToBitmap(vcl::TBitmap* Bitmap) const;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int X, int Y) const { return X >= 0 && Y >= 0 && X < width_ && Y < height_; }
  vcl::TColor Get(int X, int Y) const { return Inside(X, Y) ? At(X, Y) : vcl::clNone; }
  void Set(int X, int Y, vcl::TColor C) {
    if (Inside(X, Y)) px_[size_t(Y) * width_ + X] = C;
  }
  // Unchecked access for loops that stay inside.
  vcl::TColor At(int X, int Y) const { return px_[size_t(Y) * width_ + X]; }
  // Copies Src with its top-left corner at (X, Y), clipped to this buffer.
  void Draw(const TZYLPixelBuffer& Src, int X, int Y);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<vcl::TColor> px_;
};

}  // namespace zyl
