// Pictures for the design-time generator tests: bitmaps drawn from rows of letters and read
// back pixel by pixel through the canvas, so the checks do not share the code under test.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "tests/support/PixelCheck.h"

namespace zyl::designtest {

using TPalette = std::map<char, vcl::TColor>;

// A 24-bit bitmap whose row y, column x has the colour of letter Rows[y][x].
inline void Paint(vcl::TBitmap& bmp, const std::vector<std::string>& Rows, const TPalette& pal) {
  bmp.SetPixelFormat(vcl::pf24bit);
  bmp.SetSize(Rows.empty() ? 0 : int(Rows[0].size()), int(Rows.size()));
  for (size_t y = 0; y < Rows.size(); ++y)
    for (size_t x = 0; x < Rows[y].size(); ++x)
      bmp.Canvas()->SetPixels(int(x), int(y), pal.at(Rows[y][x]));
}

inline win::testkit::TCapture Capture(vcl::TBitmap& bmp) {
  return win::testkit::MakeCapture(bmp.Width(), bmp.Height(), [&](int x, int y) {
    return win::COLORREF(bmp.Canvas()->Pixels(x, y));
  });
}

// Succeeds when the bitmap shows exactly the letters' colours.
inline ::testing::AssertionResult Shows(vcl::TBitmap& bmp, const std::vector<std::string>& Rows,
                                        const TPalette& pal, const std::string& name) {
  const auto want =
      win::testkit::MakeCapture(int(Rows.empty() ? 0 : Rows[0].size()), int(Rows.size()),
                                [&](int x, int y) { return win::COLORREF(pal.at(Rows[y][x])); });
  return win::testkit::SamePixels(Capture(bmp), want, name);
}

}  // namespace zyl::designtest
