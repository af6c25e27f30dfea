#include "tests/display/FillTestHost.h"

#include <gtest/gtest.h>

#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/testkit/ControlsSession.h"

namespace filltest {

ZYL_CLASS_IMPL(TPicturePanel) {}

void TPicturePanel::Paint() {
  const vcl::TRect r{0, 0, Width(), Height()};
  if (Back) Canvas()->CopyRect(r, Back->Canvas(), r);
}

std::unique_ptr<vcl::TBitmap> Pattern(int w, int h) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b->Canvas()->SetPixels(x, y,
                             static_cast<vcl::TColor>(win::RGB(40 + x * 7 % 200, 40 + y * 11 % 200,
                                                               40 + (x + y) * 3 % 200)));
  return b;
}

std::unique_ptr<vcl::TBitmap> Plain(int w, int h, vcl::TColor Color) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(Color);
  b->Canvas()->FillRect(vcl::TRect{0, 0, w, h});
  return b;
}

THostSession::THostSession() : session_(800, 600) {}

vcl::TForm* THostSession::MakeHost(TPicturePanel*& Panel, int w, int h) {
  auto* form = new vcl::TForm(nullptr);
  form->SetBorderStyle(vcl::bsNone);
  form->SetBounds(0, 0, w, h);
  Panel = new TPicturePanel(form);
  Panel->Back = Pattern(w, h);
  Panel->SetBounds(0, 0, w, h);
  Panel->SetParent(form);
  return form;
}

void ExpectPixels(const std::function<vcl::TColor(int, int)>& at, TPoints Points) {
  for (auto [x, y, c] : Points) EXPECT_EQ(RGBOf(at(x, y)), RGBOf(c)) << "at " << x << "," << y;
}

void ExpectPixels(vcl::TBitmap* b, TPoints Points) {
  ExpectPixels([b](int x, int y) { return b->Canvas()->Pixels(x, y); }, Points);
}

void ExpectPixels(const win::testkit::TCapture& c, TPoints Points, int dx, int dy,
                  const char* Name) {
  const bool failedBefore = ::testing::Test::HasFailure();
  ExpectPixels([&](int x, int y) { return At(c, dx + x, dy + y); }, Points);
  if (!failedBefore && ::testing::Test::HasFailure()) win::testkit::WriteFailurePng(c, Name);
}

}  // namespace filltest
