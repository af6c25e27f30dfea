// Pixel comparisons for tests: count what differs, and on a mismatch write what the test saw,
// what it expected and a difference picture (differing pixels red on grey) as PNG files into the
// tests' scratch folder, naming them in the failure message.
//
//   EXPECT_TRUE(SamePixels(CaptureWindow(h), expected, "bevel_raised"));
//   EXPECT_TRUE(PixelsMatch(cap, [&](int x, int y) { return x < 4 ? clRed : clWhite; }, "split"));
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/testkit/TestKit.h"

namespace win::testkit {

// A capture of the given size whose pixels (COLORREF) come from `color`.
TCapture MakeCapture(int width, int height, const std::function<COLORREF(int x, int y)>& color);

// The part of `whole` inside `area`, cut to the capture (empty where nothing of it is inside).
TCapture CapturePart(const TCapture& whole, RECT area);

// Succeeds when both captures have the same size and no pixel differs by more than `tolerance`
// in any channel.
::testing::AssertionResult SamePixels(const TCapture& actual, const TCapture& expected,
                                      const std::string& name, int tolerance = 0);

// Succeeds when every pixel of `actual` inside `area` (the whole capture when empty) equals the
// COLORREF `expected` answers for it.
::testing::AssertionResult PixelsMatch(const TCapture& actual,
                                       const std::function<COLORREF(int x, int y)>& expected,
                                       const std::string& name, RECT area = {0, 0, 0, 0});

}  // namespace win::testkit
