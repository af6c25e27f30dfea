// The host of the fill, shadow and edge control tests: a borderless form holding a windowed
// panel that paints a known picture, on which graphic controls are placed and captured.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <tuple>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/AppScope.h"

namespace filltest {

class TPicturePanel : public vcl::TCustomControl {
  ZYL_CLASS(TPicturePanel, vcl::TCustomControl)
  explicit TPicturePanel(vcl::TComponent* AOwner) : inherited(AOwner) {}
  std::unique_ptr<vcl::TBitmap> Back;

 protected:
  void Paint() override;
};

// A picture whose neighbouring pixels all differ (a shifted copy shows), and a plain one.
std::unique_ptr<vcl::TBitmap> Pattern(int w, int h);
std::unique_ptr<vcl::TBitmap> Plain(int w, int h, vcl::TColor Color);

// A window session with the controls' globals reset and the application object present.
class THostSession {
 public:
  THostSession();
  // A borderless w x h form at (0, 0) with a picture panel (Pattern) filling it.
  vcl::TForm* MakeHost(TPicturePanel*& Panel, int w = 160, int h = 120);
  static void Idle() { win::testkit::RunUntilIdle(); }
  static win::testkit::TCapture Capture(TPicturePanel* Panel) {
    return win::testkit::CaptureWindow(Panel->Handle(), false);
  }

 private:
  vcl::testkit::TControlsSession session_;
  testsupport::TAppScope app_;
};

inline vcl::TColor At(const win::testkit::TCapture& c, int x, int y) {
  return static_cast<vcl::TColor>(c.Color(x, y));
}
inline vcl::TColor RGBOf(vcl::TColor c) { return vcl::ColorToRGB(c); }

// Points of a picture, each with the colour it should have.
using TPoints = std::initializer_list<std::tuple<int, int, vcl::TColor>>;
// Expects each point's colour (system colours resolved) from at(x, y).
void ExpectPixels(const std::function<vcl::TColor(int, int)>& at, TPoints Points);
// The same on a bitmap, or on a capture with the points offset by (dx, dy); a capture that
// fails is written out as <Name>.png.
void ExpectPixels(vcl::TBitmap* b, TPoints Points);
void ExpectPixels(const win::testkit::TCapture& c, TPoints Points, int dx = 0, int dy = 0,
                  const char* Name = "points");

}  // namespace filltest
