#include "tests/display/LabelTestSupport.h"

#include <algorithm>
#include <functional>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace labeltest {

THost::THost(vcl::TColor Back, int w, int h) {
  form_.reset(session_.MakeHost(panel_, w, h));
  panel_->Back = filltest::Plain(w, h, Back);
}

THost::~THost() { form_.reset(); }

void THost::Show() {
  form_->Show();
  Idle();
}

win::testkit::TCapture THost::Capture() const {
  Idle();
  return filltest::THostSession::Capture(panel_);
}

namespace {

// The bounding box of the pixels inside Area whose colour (as RGB) Hit accepts.
vcl::TRect BoxWhere(const win::testkit::TCapture& Cap, const vcl::TRect& Area,
                    const std::function<bool(vcl::TColor)>& Hit) {
  vcl::TRect box{0, 0, 0, 0};
  bool any = false;
  for (int y = std::max(0, Area.Top); y < std::min(Cap.Height, Area.Bottom); ++y)
    for (int x = std::max(0, Area.Left); x < std::min(Cap.Width, Area.Right); ++x) {
      if (!Hit(static_cast<vcl::TColor>(Cap.Color(x, y)))) continue;
      if (!any) {
        box = {x, y, x + 1, y + 1};
        any = true;
      }
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  return box;
}

}  // namespace

vcl::TRect InkBox(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor C) {
  const vcl::TColor want = vcl::ColorToRGB(C);
  return BoxWhere(Cap, Area, [want](vcl::TColor c) { return c == want; });
}

vcl::TRect MarkBox(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor Back) {
  const vcl::TColor back = vcl::ColorToRGB(Back);
  return BoxWhere(Cap, Area, [back](vcl::TColor c) { return c != back; });
}

int InkCount(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor C) {
  int n = 0;
  const vcl::TColor want = vcl::ColorToRGB(C);
  for (int y = std::max(0, Area.Top); y < std::min(Cap.Height, Area.Bottom); ++y)
    for (int x = std::max(0, Area.Left); x < std::min(Cap.Width, Area.Right); ++x)
      n += static_cast<vcl::TColor>(Cap.Color(x, y)) == want;
  return n;
}

win::testkit::TCapture Cut(const win::testkit::TCapture& Cap, const vcl::TRect& R) {
  return win::testkit::MakeCapture(R.Right - R.Left, R.Bottom - R.Top,
                                   [&](int x, int y) { return Cap.Color(R.Left + x, R.Top + y); });
}

win::testkit::TCapture ReferenceText(int w, int h, vcl::TFont* Font, const std::string& Text,
                                     unsigned Flags, vcl::TColor Back) {
  vcl::TBitmap b;
  b.SetSize(w, h);
  vcl::TCanvas* c = b.Canvas();
  c->Brush()->SetColor(Back);
  c->FillRect(vcl::TRect{0, 0, w, h});
  c->SetFont(Font);
  c->RequiredState({vcl::csHandleValid, vcl::csFontValid});
  win::SetBkMode(c->Handle(), win::TRANSPARENT);
  win::SetTextColor(c->Handle(), vcl::ColorToRGB(Font->Color()));
  vcl::TRect r{0, 0, w, h};
  win::DrawTextA(c->Handle(), Text.c_str(), static_cast<int>(Text.size()), &r, Flags);
  return win::testkit::MakeCapture(
      w, h, [&](int x, int y) { return static_cast<win::COLORREF>(c->Pixels(x, y)); });
}

vcl::TPoint TextSize(vcl::TFont* Font, const std::string& Text) {
  vcl::TBitmap b;
  b.SetSize(1, 1);
  b.Canvas()->SetFont(Font);
  return {b.Canvas()->TextWidth(Text), b.Canvas()->TextHeight(Text)};
}

}  // namespace labeltest
