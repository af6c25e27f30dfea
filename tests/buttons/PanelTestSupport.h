// Shared pieces of the panel tests: a session with the application object, a borderless host
// form at the screen's origin, captures of a control's client area and colour helpers.
#pragma once

#include <functional>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/AppScope.h"
#include "tests/support/PixelCheck.h"

namespace paneltest {

class THost {
 public:
  THost() : session_(640, 480) {
    Form = new vcl::TForm(nullptr);
    Form->SetBorderStyle(vcl::bsNone);
    Form->SetColor(vcl::clWhite);
    Form->SetBounds(0, 0, 400, 300);
  }
  ~THost() { delete Form; }
  THost(const THost&) = delete;
  THost& operator=(const THost&) = delete;

  // Places C on the form at the given bounds.
  template <class C>
  C* Add(int x, int y, int w, int h) {
    auto* c = new C(Form);
    c->SetParent(Form);
    c->SetBounds(x, y, w, h);
    return c;
  }
  void Show() {
    Form->Show();
    Idle();
  }
  static void Idle() { win::testkit::RunUntilIdle(); }
  static win::testkit::TCapture Client(vcl::TWinControl* c) {
    Idle();
    return win::testkit::CaptureWindow(c->Handle(), false);
  }
  static win::testkit::TCapture Whole(vcl::TWinControl* c) {
    Idle();
    return win::testkit::CaptureWindow(c->Handle(), true);
  }

  vcl::TForm* Form = nullptr;

 private:
  vcl::testkit::TControlsSession session_;
  testsupport::TAppScope app_;
};

inline win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(vcl::ColorToRGB(c)); }

// Expected colours by region: Inside(x, y) decides between two colours.
inline std::function<win::COLORREF(int, int)> Split(std::function<bool(int, int)> Inside,
                                                    vcl::TColor In, vcl::TColor Out) {
  return [=](int x, int y) { return Rgb(Inside(x, y) ? In : Out); };
}

// The number of pixels of the capture inside Area that differ from Ground.
inline int InkCount(const win::testkit::TCapture& c, vcl::TColor Ground, win::RECT Area) {
  int n = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x) n += c.Color(x, y) != Rgb(Ground);
  return n;
}

}  // namespace paneltest
