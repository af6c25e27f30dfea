// The host of the button and scroll-bar tests: a borderless form at the screen's top-left
// corner holding a plain panel on which the controls are placed, driven through the test
// kit's input and captured from the screen; a recorder of events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "tests/support/AppScope.h"
#include "tests/support/PixelCheck.h"

namespace buttontest {

constexpr vcl::TColor PanelColor = 0x00336699;

// A windowed control that paints PanelColor.
class TPlainPanel : public vcl::TCustomControl {
  ZYL_CLASS(TPlainPanel, vcl::TCustomControl)
  explicit TPlainPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  void Paint() override;
};

// Writes what the controls report.
class TRecorder : public vcl::TObject {
  ZYL_CLASS(TRecorder, vcl::TObject)
  std::vector<std::string> Log;
  void Click(vcl::TObject* Sender);
  // Joins the log with spaces and clears it.
  std::string Take();
};

// A session with the application object and a 320 x 240 host form with a plain panel.
class THost {
 public:
  THost();
  vcl::TForm* Form() const { return form_.get(); }
  TPlainPanel* Panel() const { return panel_; }
  // Client point of the panel in screen coordinates.
  static win::POINT At(vcl::TControl* Control, int X, int Y);
  static void Idle() { win::testkit::RunUntilIdle(); }
  // A letter key held with Alt (`alt` false: the letter alone), as a user presses an
  // accelerator.
  static void Accelerator(char Letter, bool Alt = true);
  // What the screen shows of a control's rectangle (after running until idle).
  win::testkit::TCapture Shot(vcl::TControl* Control);

 private:
  vcl::testkit::TControlsSession session_;
  testsupport::TAppScope app_;
  std::unique_ptr<vcl::TForm> form_;
  TPlainPanel* panel_ = nullptr;
};

// The part of a capture inside R.
win::testkit::TCapture Crop(const win::testkit::TCapture& C, const vcl::TRect& R);

// The first and last column inside R (the whole capture when empty) that holds a pixel of
// Colour; {-1, -1} when none does.
struct TColumns {
  int First = -1;
  int Last = -1;
};
TColumns ColumnsOf(const win::testkit::TCapture& C, win::COLORREF Colour, vcl::TRect R = {});

}  // namespace buttontest

namespace zyl {
class TZYLImageList;
}

namespace buttontest {

// An image list of one entry whose 13 x 13 images are a square of Colours[i] on a magenta
// (see-through) ground.
zyl::TZYLImageList* MakeGlyphList(vcl::TComponent* Owner, const std::vector<vcl::TColor>& Colours);

}  // namespace buttontest
