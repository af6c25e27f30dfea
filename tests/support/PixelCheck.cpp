#include "tests/support/PixelCheck.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace win::testkit {
namespace {

uint32_t ToPixel(COLORREF c) {  // 0x00BBGGRR -> 0x00RRGGBB
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

bool Differs(uint32_t p, uint32_t q, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF)) > tolerance)
      return true;
  return false;
}

// Writes the three pictures of a mismatch and describes it with the first differing pixel.
::testing::AssertionResult Mismatch(const TCapture& actual, const TCapture& expected,
                                    const std::string& name, int64_t count, int firstX, int firstY) {
  TCapture diff = actual;
  for (int y = 0; y < diff.Height; ++y)
    for (int x = 0; x < diff.Width; ++x) {
      const bool bad = x >= expected.Width || y >= expected.Height ||
                       Differs(actual.Pixel(x, y), expected.Pixel(x, y), 0);
      const uint32_t grey = (actual.Pixel(x, y) >> 8 & 0xFF) / 2 + 64;
      diff.Pixels[static_cast<size_t>(y) * diff.Width + x] =
          bad ? 0xFF0000 : (grey << 16 | grey << 8 | grey);
    }
  std::ostringstream out;
  out << name << ": " << count << " pixel(s) differ";
  if (firstX >= 0)
    out << ", first at (" << firstX << ", " << firstY << "): got 0x" << std::hex
        << actual.Pixel(firstX, firstY) << ", expected 0x" << expected.Pixel(firstX, firstY)
        << std::dec << " (0x00RRGGBB)";
  out << "; saw " << WriteFailurePng(actual, name) << ", expected "
      << WriteFailurePng(expected, name + "_expected") << ", difference "
      << WriteFailurePng(diff, name + "_diff");
  return ::testing::AssertionFailure() << out.str();
}

}  // namespace

TCapture MakeCapture(int width, int height, const std::function<COLORREF(int x, int y)>& color) {
  TCapture c;
  c.Width = width;
  c.Height = height;
  c.Pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) c.Pixels[static_cast<size_t>(y) * width + x] = ToPixel(color(x, y));
  return c;
}

TCapture CapturePart(const TCapture& whole, RECT area) {
  TCapture part;
  const int left = std::max(area.Left, 0), top = std::max(area.Top, 0);
  part.Width = std::max(std::min(area.Right, whole.Width) - left, 0);
  part.Height = std::max(std::min(area.Bottom, whole.Height) - top, 0);
  for (int y = 0; y < part.Height; ++y)
    for (int x = 0; x < part.Width; ++x) part.Pixels.push_back(whole.Pixel(left + x, top + y));
  return part;
}

::testing::AssertionResult SamePixels(const TCapture& actual, const TCapture& expected,
                                      const std::string& name, int tolerance) {
  if (actual.Width != expected.Width || actual.Height != expected.Height) {
    return ::testing::AssertionFailure()
           << name << ": size " << actual.Width << "x" << actual.Height << ", expected "
           << expected.Width << "x" << expected.Height << "; saw " << WriteFailurePng(actual, name);
  }
  int64_t count = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < actual.Height; ++y)
    for (int x = 0; x < actual.Width; ++x)
      if (Differs(actual.Pixel(x, y), expected.Pixel(x, y), tolerance) && count++ == 0) {
        firstX = x;
        firstY = y;
      }
  if (count == 0) return ::testing::AssertionSuccess();
  return Mismatch(actual, expected, name, count, firstX, firstY);
}

::testing::AssertionResult PixelsMatch(const TCapture& actual,
                                       const std::function<COLORREF(int x, int y)>& expected,
                                       const std::string& name, RECT area) {
  if (area.Right <= area.Left || area.Bottom <= area.Top) area = {0, 0, actual.Width, actual.Height};
  // Outside the area the expectation is what the capture holds, so only the area can differ.
  TCapture want = actual;
  for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, actual.Height); ++y)
    for (int x = std::max(area.Left, 0); x < std::min(area.Right, actual.Width); ++x)
      want.Pixels[static_cast<size_t>(y) * want.Width + x] = ToPixel(expected(x, y));
  return SamePixels(actual, want, name);
}

}  // namespace win::testkit
