// The LED label: value text, auto size, what it paints (opaque and transparent, disabled),
// repaints per change and streaming.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "tests/display/FillTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;

class TCountingLED : public TZYLLEDLabel {
  ZYL_CLASS(TCountingLED, TZYLLEDLabel)
  explicit TCountingLED(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingLED) {}

class LEDLabelTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  static win::testkit::TCapture Capture(TPicturePanel* p) {
    return filltest::THostSession::Capture(p);
  }
  // Number of pixels of R in the colour.
  static int Count(const win::testkit::TCapture& cap, const TRect& R, vcl::TColor C) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (At(cap, x, y) == C) ++n;
    return n;
  }
};

TEST_F(LEDLabelTest, StyleAndValueText) {
  TZYLLEDLabel l(nullptr);
  EXPECT_TRUE(l.ControlStyle().contains(vcl::csReplicatable));
  EXPECT_TRUE(l.ControlStyle().contains(vcl::csOpaque));
  EXPECT_EQ(l.LED()->GetOnChange().Assigned(), true);

  l.SetCaption("Hi");
  EXPECT_EQ(l.GetLabelText(), "Hi");
  l.SetStyle(lsInteger);
  l.SetValue(7);
  EXPECT_EQ(l.GetLabelText(), "07");
  l.SetValue(123);
  EXPECT_EQ(l.GetLabelText(), "--");
  l.SetValue(-5);
  EXPECT_EQ(l.GetLabelText(), "-5");
  l.SetDigits(0);  // refused
  EXPECT_EQ(l.Digits(), 2);
  l.SetDigits(4);
  EXPECT_EQ(l.GetLabelText(), "-005");  // zeros after the sign
  testsupport::ExpectCases({{l.ValueString(0), "0000"},
                            {l.ValueString(9999), "9999"},
                            {l.ValueString(10000), "----"},
                            {l.ValueString(-999), "-999"},
                            {l.ValueString(-1000), "----"},
                            {l.ValueString(INT32_MIN), "----"}});
  l.SetDigits(11);
  EXPECT_EQ(l.ValueString(INT32_MIN), "-2147483648");
}

TEST_F(LEDLabelTest, AutoSizeTakesTheTextInCellsPlusTheBevel) {
  TZYLLEDLabel l(nullptr);
  l.SetBounds(3, 4, 10, 10);
  l.Bevel()->SetBevelStyleOuter(bvRaised);
  l.Bevel()->SetBevelWidthOuter(2);
  const int e = l.BevelExt();
  ASSERT_GT(e, 0);
  l.SetCaption("ABC\rDEF");
  EXPECT_EQ(l.Width(), 10);  // not before AutoSize
  l.SetAutosize(true);
  EXPECT_EQ(l.Left(), 3);
  EXPECT_EQ(l.Top(), 4);
  EXPECT_EQ(l.Width(), 3 * 19 + 2 * e + 1);
  EXPECT_EQ(l.Height(), 2 * 28 + 2 * e);
  // Caption, style, digits and LED sizes all resize.
  l.SetCaption("AB");
  EXPECT_EQ(l.Width(), 2 * 19 + 2 * e + 1);
  EXPECT_EQ(l.Height(), 28 + 2 * e);
  l.SetStyle(lsInteger);
  l.SetDigits(5);
  EXPECT_EQ(l.Width(), 5 * 19 + 2 * e + 1);
  l.LED()->SetByte(2, 1);  // Thickness 1
  EXPECT_EQ(l.Width(), 5 * 14 + 2 * e + 1);
  EXPECT_EQ(l.Height(), 21 + 2 * e);
  l.Bevel()->SetBevelWidthOuter(4);  // a bevel change resizes as well
  EXPECT_EQ(l.Width(), 5 * 14 + 2 * l.BevelExt() + 1);
  EXPECT_GT(l.BevelExt(), e);
  l.SetAutosize(false);
  l.SetDigits(1);
  EXPECT_EQ(l.Width(), 5 * 14 + 2 * l.BevelExt() + 1);
}

TEST_F(LEDLabelTest, PaintsSegmentsInsideTheBevelOnItsColor) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TZYLLEDLabel(form.get());
  l->SetBounds(10, 10, 2 * 19 + 4, 28 + 4);
  l->Bevel()->SetBorderWidth(2);
  l->Bevel()->SetColor(0, vcl::clRed);  // BorderColor
  l->SetColor(vcl::clNavy);
  l->SetCaption("18");
  l->SetParent(panel);
  form->Show();
  Idle();
  auto cap = Capture(panel);
  const int x0 = 12, y0 = 12;  // inside the border
  EXPECT_EQ(At(cap, 10, 10), vcl::clRed);
  // "1": the middle verticals lit, the top bar a checker of green on navy; "8": the top bar lit.
  const filltest::TPoints want = {{0, 0, vcl::clNavy},
                                  {9, 8, 0x00FF00},
                                  {9, 3, 0x008000},
                                  {10, 3, vcl::clNavy},
                                  {19 + 9, 3, 0x00FF00}};
  filltest::ExpectPixels(cap, want, x0, y0, "ledlabel");
  const TRect inner{x0, y0, x0 + 38, y0 + 28};
  const int lit = Count(cap, inner, 0x00FF00);
  EXPECT_GT(lit, 40);

  // Disabled (DisabledDigits on): nothing lit; a colour change reaches the LED's background.
  l->SetEnabled(false);
  Idle();
  EXPECT_EQ(Count(Capture(panel), inner, 0x00FF00), 0);
  l->SetEnabled(true);
  l->SetColor(vcl::clMaroon);
  EXPECT_EQ(l->LED()->BackColor(), vcl::clMaroon);
  Idle();
  cap = Capture(panel);
  EXPECT_EQ(At(cap, x0 + 10, y0 + 3), vcl::clMaroon);
  EXPECT_EQ(Count(cap, inner, 0x00FF00), lit);

  // Transparent: the label's colour lets the panel's picture through, the segments stay.
  l->SetTransparent(true);
  Idle();
  cap = Capture(panel);
  EXPECT_EQ(At(cap, x0, y0), panel->Back->Canvas()->Pixels(x0, y0));
  EXPECT_EQ(At(cap, x0 + 10, y0 + 3), panel->Back->Canvas()->Pixels(x0 + 10, y0 + 3));
  EXPECT_EQ(At(cap, x0 + 9, y0 + 3), 0x008000);
  EXPECT_EQ(At(cap, x0 + 9, y0 + 8), 0x00FF00);
  EXPECT_EQ(Count(cap, inner, vcl::clMaroon), 0);
}

// A caption of 100,000 characters on a label sized to it: a paint draws the cells the host
// shows and no others, and they look as those of a short caption.
TEST_F(LEDLabelTest, ALongCaptionDrawsOnlyTheCellsInThePaintsClip) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TZYLLEDLabel(form.get());
  l->SetBounds(10, 10, 10, 10);
  l->SetAutosize(true);
  l->SetCaption(std::string(100'000, '8'));
  l->SetParent(panel);
  EXPECT_EQ(l->Width(), 100'000 * 19 + 1);
  form->Show();
  Idle();
  // The panel is 160 pixels wide: from x 10 on it shows the first eight cells of the label
  // (the eighth from x 143 on).
  EXPECT_EQ(l->LED()->DrawnCells(), 8);
  const auto longCaption = Capture(panel);
  l->SetCaption(std::string(12, '8'));
  Idle();
  EXPECT_EQ(l->LED()->DrawnCells(), 8);
  EXPECT_TRUE(win::testkit::SamePixels(longCaption, Capture(panel), "ledlabel_long_caption"));
}

TEST_F(LEDLabelTest, EmptyInsideTheBevelPaintsOnlyTheBevel) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TZYLLEDLabel(form.get());
  l->SetBounds(10, 10, 4, 4);
  l->Bevel()->SetBorderWidth(2);
  l->Bevel()->SetColor(0, vcl::clRed);
  l->SetCaption("88");
  l->SetParent(panel);
  auto* z = new TZYLLEDLabel(form.get());
  z->SetBounds(30, 10, 0, 0);
  z->SetParent(panel);
  form->Show();
  Idle();
  auto cap = Capture(panel);
  EXPECT_TRUE(win::testkit::PixelsMatch(cap, [](int, int) { return win::COLORREF(vcl::clRed); },
                                        "ledlabel_bevel", {10, 10, 14, 14}));
  EXPECT_EQ(At(cap, 14, 12), panel->Back->Canvas()->Pixels(14, 12));
}

TEST_F(LEDLabelTest, OneRepaintPerChangeAndNoneForAHiddenValue) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TCountingLED(form.get());
  l->SetBounds(10, 10, 60, 40);
  l->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(l->Paints, 1);
  auto repaints = [&](auto change) {
    Idle();
    const int before = l->Paints;
    change();
    Idle();
    return l->Paints - before;
  };
  EXPECT_EQ(repaints([&] { l->SetValue(5); }), 0);  // lsString shows the caption
  EXPECT_EQ(repaints([&] { l->SetStyle(lsInteger); }), 1);
  EXPECT_EQ(repaints([&] { l->SetValue(6); }), 1);
  EXPECT_EQ(repaints([&] { l->SetValue(6); }), 0);
  EXPECT_EQ(repaints([&] { l->SetDigits(3); }), 1);
  EXPECT_EQ(repaints([&] { l->LED()->SetByte(1, 7); }), 1);
  EXPECT_EQ(repaints([&] { l->LED()->SetColor(0, vcl::clYellow); }), 1);
  EXPECT_EQ(repaints([&] { l->Bevel()->SetBorderWidth(1); }), 1);
  EXPECT_EQ(l->GetLabelText(), "006");
}

}  // namespace
}  // namespace zyl
