// Helpers of the common-control and button tests: a borderless form to place controls on, and
// where a colour shows in a capture.
#pragma once

#include <functional>

#include "ControlsTestSupport.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComCtrls.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {

class ComCtrlsTest : public ControlsTest {
 protected:
  ComCtrlsTest() {
    RegisterCommonControls();
    RegisterButtons();
  }
  TForm* NewForm(int w = 320, int h = 240) {
    form_ = FramelessForm(w, h);
    return form_.get();
  }
  template <class T>
  T* Add(int x, int y, int w, int h, TWinControl* parent = nullptr) {
    return Place<T>(parent ? parent : form_.get(), x, y, w, h, nullptr, form_.get());
  }
  void Show() { ShowNow(form_.get()); }
  // What the form's client area shows.
  win::testkit::TCapture Capture() { return win::testkit::CaptureWindow(form_->Handle(), false); }
  // A press and release inside a control, far enough in time from the last one.
  void ClickOn(TControl* c, int x, int y) {
    ClickAt(c, x, y);
    Session().Clock().Advance(1000);
  }
  // Presses at one client point of a control, moves to another and lets go there.
  void DragOn(TControl* c, TPoint from, TPoint to) {
    const TPoint a = ScreenOf(c, from.X, from.Y), b = ScreenOf(c, to.X, to.Y);
    win::testkit::Drag({a.X, a.Y}, {b.X, b.Y});
    Session().Clock().Advance(1000);
  }
  std::unique_ptr<TForm> form_;
};

// The smallest rectangle holding every pixel of `area` for which `match` holds (empty when none).
inline TRect InkBox(const win::testkit::TCapture& cap, TRect area,
                    const std::function<bool(win::COLORREF)>& match) {
  TRect box{0, 0, 0, 0};
  bool any = false;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) {
      if (!match(cap.Color(x, y))) continue;
      if (!any) box = TRect{x, y, x + 1, y + 1};
      box = TRect{std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                  std::max(box.Bottom, y + 1)};
      any = true;
    }
  return box;
}

// Matches one colour exactly, or anything but one colour.
inline std::function<bool(win::COLORREF)> Is(TColor c) {
  const win::COLORREF want = Rgb(c);
  return [want](win::COLORREF got) { return got == want; };
}
inline std::function<bool(win::COLORREF)> IsNot(TColor c) {
  const win::COLORREF want = Rgb(c);
  return [want](win::COLORREF got) { return got != want; };
}

}  // namespace vcl::testing
