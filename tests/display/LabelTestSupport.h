// Shared helpers of the label tests: a host form with a plain panel to put labels on, the ink
// of a colour inside an area of a capture, parts of captures and reference text pictures drawn
// with the platform's own DrawText.
#pragma once

#include <memory>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/graphics/Colors.h"
#include "tests/display/FillTestHost.h"
#include "tests/support/PixelCheck.h"

namespace vcl {
class TFont;
}

namespace labeltest {

// A borderless form holding a panel painted in one colour; labels go on the panel.
class THost {
 public:
  explicit THost(vcl::TColor Back = vcl::clWhite, int w = 300, int h = 200);
  ~THost();
  vcl::TForm* Form() const { return form_.get(); }
  filltest::TPicturePanel* Panel() const { return panel_; }
  // Shows the form and runs the loop until idle.
  void Show();
  static void Idle() { filltest::THostSession::Idle(); }
  win::testkit::TCapture Capture() const;

 private:
  filltest::THostSession session_;
  std::unique_ptr<vcl::TForm> form_;
  filltest::TPicturePanel* panel_ = nullptr;
};

// The bounding box of the pixels of colour C inside Area (empty when there are none).
vcl::TRect InkBox(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor C);
// The bounding box of the pixels inside Area that are not Back (empty when there are none): the
// ink of text drawn smoothed, whose pixels are shades rather than one colour.
vcl::TRect MarkBox(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor Back);
// How many pixels of colour C lie inside Area.
int InkCount(const win::testkit::TCapture& Cap, const vcl::TRect& Area, vcl::TColor C);
// The part of a capture inside R.
win::testkit::TCapture Cut(const win::testkit::TCapture& Cap, const vcl::TRect& R);
// A w x h picture filled with Back, with Text drawn by the platform's DrawText in Font (its
// colour) with Flags into (0, 0, w, h) on a transparent background.
win::testkit::TCapture ReferenceText(int w, int h, vcl::TFont* Font, const std::string& Text,
                                     unsigned Flags, vcl::TColor Back);
// The width and height of Text (one line) in Font, as the platform's canvas measures it.
vcl::TPoint TextSize(vcl::TFont* Font, const std::string& Text);

}  // namespace labeltest
