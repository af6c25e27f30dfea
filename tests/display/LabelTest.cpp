// The standard label: alignment in its grid, auto size, twinkling on the virtual clock, the
// accelerator, the rotated caption's font rules, font smoothing, empty labels and options.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "buttons/ZYLStatusBar.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLGlyphLayout.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StdCtrls.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "tests/display/LabelTestSupport.h"

namespace zyl {
namespace {

using labeltest::InkBox;
using labeltest::InkCount;
using vcl::TRect;

class LabelTest : public ::testing::Test {
 protected:
  labeltest::THost host_;
  // An opaque white label with black text on the host's panel.
  TZYLLabel* Make(const std::string& Caption, int x = 10, int y = 10) {
    auto* l = new TZYLLabel(host_.Form());
    l->SetParent(host_.Panel());
    l->SetTransparent(false);
    l->SetColor(vcl::clWhite);
    l->Font()->SetColor(vcl::clBlack);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(Caption);
    return l;
  }
  int Ink(TZYLLabel* l, vcl::TColor c = vcl::clBlack) {
    return InkCount(host_.Capture(), l->BoundsRect(), c);
  }
};

// ---- Alignment ----

struct TAlignCase {
  TZYLAlignment Alignment;
  int Column;  // 0 left, 1 centre, 2 right
  int Row;     // 0 top, 1 middle, 2 bottom
};

class LabelAlignment : public LabelTest, public ::testing::WithParamInterface<TAlignCase> {
 protected:
  // The gap the alignment puts the ink against: the near side, both sides alike, the far side.
  static int GapOf(int place, int nearGap, int farGap) {
    return place == 0 ? nearGap : place == 2 ? farGap : std::abs(nearGap - farGap);
  }
};

TEST_P(LabelAlignment, PlacesTheTextInItsCellOfTheGrid) {
  const TAlignCase c = GetParam();
  for (bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine ? "multi-line" : "single line");
    TZYLLabel* l = Make("Xy");
    l->SetAutoSize(false);
    l->SetMultiLine(multiLine);
    l->SetBounds(20, 20, 150, 90);
    l->SetAlignment(c.Alignment);
    host_.Show();
    const TRect box = InkBox(host_.Capture(), l->BoundsRect(), vcl::clBlack);
    ASSERT_GT(box.Right, box.Left);
    // The ink touches the sides the alignment names and is centred on the others.
    EXPECT_LE(GapOf(c.Column, box.Left - 20, 170 - box.Right), 3) << "x";
    EXPECT_LE(GapOf(c.Row, box.Top - 20, 110 - box.Bottom), 3) << "y";
    delete l;
  }
}

// A turned caption is one line whatever MultiLine says, placed in its cell by the alignment.
TEST_P(LabelAlignment, PlacesATurnedCaptionInItsCellToo) {
  const TAlignCase c = GetParam();
  for (bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine ? "multi-line" : "single line");
    TZYLLabel* l = Make("Xy\nZ");
    l->FontFX()->SetAngle(90);
    l->SetAutoSize(false);
    l->SetMultiLine(multiLine);
    l->SetBounds(20, 20, 150, 90);
    l->SetAlignment(c.Alignment);
    host_.Show();
    const TRect box = labeltest::MarkBox(host_.Capture(), l->BoundsRect(), vcl::clWhite);
    ASSERT_GT(box.Right, box.Left);
    // One line turned upright: taller than wide.
    EXPECT_GT(box.Bottom - box.Top, box.Right - box.Left);
    EXPECT_LE(GapOf(c.Column, box.Left - 20, 170 - box.Right), 3) << "x";
    EXPECT_LE(GapOf(c.Row, box.Top - 20, 110 - box.Bottom), 3) << "y";
    delete l;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Grid, LabelAlignment,
    ::testing::Values(TAlignCase{agTopLeft, 0, 0}, TAlignCase{agTopCenter, 1, 0},
                      TAlignCase{agTopRight, 2, 0}, TAlignCase{agCenterLeft, 0, 1},
                      TAlignCase{agCenter, 1, 1}, TAlignCase{agCenterRight, 2, 1},
                      TAlignCase{agBottomLeft, 0, 2}, TAlignCase{agBottomCenter, 1, 2},
                      TAlignCase{agBottomRight, 2, 2}));

// ---- Auto size ----

TEST_F(LabelTest, AutoSizeTakesTheTextTheBevelAndTheLines) {
  TZYLLabel* l = Make("Hello");
  const vcl::TPoint one = labeltest::TextSize(l->Font(), "Hello");
  EXPECT_EQ(l->Width(), one.X);
  EXPECT_EQ(l->Height(), one.Y);

  l->Bevel()->SetBevelStyleOuter(bvRaised);
  const int e = l->GetBevelExtend();
  ASSERT_GT(e, 0);
  EXPECT_EQ(l->Width(), one.X + 2 * e);
  EXPECT_EQ(l->Height(), one.Y + 2 * e);
  l->Bevel()->SetBevelStyleOuter(bvNone);

  l->SetMultiLine(true);
  l->SetCaption("Hello\r\nHello");
  EXPECT_EQ(l->Width(), one.X);
  EXPECT_EQ(l->Height(), 2 * one.Y);

  // Off, or aligned, the label keeps its size.
  l->SetMultiLine(false);
  l->SetCaption("Hello");
  l->SetAutoSize(false);
  l->SetCaption("Hello, a much longer caption");
  EXPECT_EQ(l->Width(), one.X);
  l->SetAutoSize(true);
  EXPECT_GT(l->Width(), one.X * 3);
  l->SetAlign(vcl::alTop);
  const int alignedHeight = l->Height();
  l->SetCaption("A\r\nB\r\nC\r\nD");
  EXPECT_EQ(l->Height(), alignedHeight);
}

// ---- Twinkle ----

TEST_F(LabelTest, TwinkleHidesTheTextOrRedrawsItInTheTwinkleColour) {
  TZYLLabel* l = Make("Blink Blink");
  host_.Show();
  EXPECT_FALSE(l->TwinkleRunning());
  const int ink = Ink(l);
  ASSERT_GT(ink, 20);

  l->SetTwinkle(true);
  EXPECT_TRUE(l->TwinkleRunning());
  win::testkit::AdvanceClock(650);
  EXPECT_EQ(Ink(l), ink);
  win::testkit::AdvanceClock(100);  // hidden phase: clNone draws nothing
  EXPECT_FALSE(l->TwinklePhaseVisible());
  EXPECT_EQ(Ink(l), 0);

  // A new hidden length applies from the next hidden phase; the colour at the next paint.
  l->SetTwinkleInVisible(200);
  l->SetTwinkleColor(vcl::clRed);
  win::testkit::AdvanceClock(700);  // visible again
  EXPECT_EQ(Ink(l), ink);
  win::testkit::AdvanceClock(700);  // hidden, red
  EXPECT_EQ(Ink(l), 0);
  EXPECT_EQ(Ink(l, vcl::clRed), ink);
  win::testkit::AdvanceClock(200);  // the short hidden phase is over
  EXPECT_EQ(Ink(l), ink);

  l->SetTwinkle(false);
  EXPECT_FALSE(l->TwinkleRunning());
  win::testkit::AdvanceClock(2000);
  EXPECT_EQ(Ink(l), ink);
}

TEST_F(LabelTest, TheVisiblePhaseLastsTwinkleVisible) {
  TZYLLabel* l = Make("Blink");
  host_.Show();
  l->SetTwinkleVisible(300);
  EXPECT_EQ(l->TwinkleVisible(), 300);
  l->SetTwinkle(true);
  win::testkit::AdvanceClock(250);
  EXPECT_TRUE(l->TwinklePhaseVisible());
  win::testkit::AdvanceClock(100);
  EXPECT_FALSE(l->TwinklePhaseVisible());
  win::testkit::AdvanceClock(600);  // the hidden phase keeps its 700 ms
  EXPECT_FALSE(l->TwinklePhaseVisible());
  win::testkit::AdvanceClock(100);
  EXPECT_TRUE(l->TwinklePhaseVisible());
}

TEST_F(LabelTest, TwinkleAtDesignTimeNeverStartsATimer) {
  TZYLLabel* l = Make("Design");
  l->SetDesigning(true);
  l->SetTwinkle(true);
  EXPECT_TRUE(l->Twinkle());
  EXPECT_FALSE(l->TwinkleRunning());
  EXPECT_TRUE(l->TwinklePhaseVisible());
}

// ---- Accelerator ----

struct TAccelCase {
  bool ShowAccelChar;
  bool Enabled;
  bool WithControl;
  bool Focuses;
};

TEST_F(LabelTest, AcceleratorFocusesTheControlOnlyWhenShownAndEnabled) {
  auto* edit = new vcl::TEdit(host_.Form());
  edit->SetParent(host_.Form());
  edit->SetBounds(150, 150, 100, 22);
  auto* other = new vcl::TEdit(host_.Form());
  other->SetParent(host_.Form());
  other->SetBounds(150, 100, 100, 22);
  TZYLLabel* l = Make("&Name");
  host_.Show();
  const TAccelCase cases[] = {{true, true, true, true},
                              {false, true, true, false},
                              {true, false, true, false},
                              {true, true, false, false}};
  for (const TAccelCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ShowAccelChar << c.Enabled << c.WithControl);
    other->SetFocus();
    l->SetShowAccelChar(c.ShowAccelChar);
    l->SetEnabled(c.Enabled);
    l->SetControl(c.WithControl ? edit : nullptr);
    EXPECT_EQ(l->Perform(vcl::CM_DIALOGCHAR, 'n', 0), c.Focuses ? 1 : 0);
    EXPECT_EQ(edit->Focused(), c.Focuses);
    // Another key never focuses.
    other->SetFocus();
    EXPECT_EQ(l->Perform(vcl::CM_DIALOGCHAR, 'x', 0), 0);
    EXPECT_FALSE(edit->Focused());
  }
  // Freeing the control clears the reference.
  l->SetControl(edit);
  delete edit;
  EXPECT_EQ(l->FocusControl(), nullptr);
}

// ---- Rotation and fonts ----

TEST_F(LabelTest, ARotatedCaptionKeepsToTrueTypeFonts) {
  TZYLLabel* l = Make("Turned");
  ASSERT_EQ(l->Font()->Name(), "MS Sans Serif");  // a raster face
  l->FontFX()->SetAngle(90);
  EXPECT_EQ(l->Font()->Name(), "Arial");
  EXPECT_EQ(l->FontFX()->Angle(), 90);
  // Turned upright, the auto-sized label is taller than wide.
  EXPECT_GT(l->Height(), l->Width());
  host_.Show();
  const TRect box = InkBox(host_.Capture(), l->BoundsRect(), vcl::clBlack);
  EXPECT_GT(box.Bottom - box.Top, box.Right - box.Left);

  // Back to a raster face: the angle goes.
  l->Font()->SetName("MS Sans Serif");
  EXPECT_EQ(l->FontFX()->Angle(), 0);
  EXPECT_GT(l->Width(), l->Height());
}

TEST_F(LabelTest, ALabelWithoutAParentTurnsItsCaptionToo) {
  // Its canvas has nothing to draw on; the font is judged all the same.
  TZYLLabel l(nullptr);
  l.FontFX()->SetAngle(45);
  EXPECT_EQ(l.Font()->Name(), "Arial");
  EXPECT_EQ(l.FontFX()->Angle(), 45);
}

TEST_F(LabelTest, FontSmoothingSetsTheFontQuality) {
  TZYLLabel* l = Make("Smooth");
  auto quality = [&] {
    win::LOGFONTA lf{};
    win::GetObjectA(l->Font()->Handle(), sizeof lf, &lf);
    return lf.lfQuality;
  };
  EXPECT_NE(quality(), win::ANTIALIASED_QUALITY);
  l->SetAntialised(true);
  EXPECT_EQ(quality(), win::ANTIALIASED_QUALITY);
  // A later font change keeps the quality.
  l->Font()->SetSize(14);
  EXPECT_EQ(quality(), win::ANTIALIASED_QUALITY);
  EXPECT_EQ(l->Font()->Size(), 14);
  l->SetAntialised(false);
  EXPECT_EQ(quality(), win::DEFAULT_QUALITY);
}

TEST_F(LabelTest, SystemFontSmoothingStateReadsTheSystemsSetting) {
  for (bool on : {false, true, false}) {
    ASSERT_TRUE(win::SystemParametersInfoA(win::SPI_SETFONTSMOOTHING, on ? 1 : 0, nullptr, 0));
    EXPECT_EQ(TZYLBaseLabel::SystemFontSmoothingState(), on);
    EXPECT_EQ(TZYLLabel::SystemFontSmoothingState(), on);  // a class method of every label
  }
}

// ---- Empty labels and options ----

TEST_F(LabelTest, AnEmptyTransparentLabelPaintsNothingButItsBevel) {
  TZYLLabel* l = Make("");
  l->SetAutoSize(false);
  l->SetTransparent(true);
  l->SetBounds(30, 30, 60, 40);
  host_.Show();
  const TRect r = l->BoundsRect();
  EXPECT_TRUE(l->GetEmpty());
  EXPECT_EQ(InkCount(host_.Capture(), r, vcl::clWhite), 60 * 40);
  l->Bevel()->SetBevelStyleOuter(bvLowered);
  EXPECT_FALSE(l->GetEmpty());
  const auto cap = host_.Capture();
  EXPECT_LT(InkCount(cap, r, vcl::clWhite), 60 * 40);
  // The bevel is the label's edge; its inside stays the background.
  EXPECT_EQ(InkCount(cap, TRect{r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4}, vcl::clWhite),
            52 * 32);
}

TEST_F(LabelTest, OptionsDrawAsThePlatformsDrawTextFlags) {
  const std::string text = "C:\\Program Files\\Some folder\\deeper\\file name.txt";
  struct TCase {
    TZYLLabelOptions Options;
    unsigned Flags;
  } cases[] = {
      {{}, 0}, {{loEndEllipsis}, win::DT_END_ELLIPSIS}, {{loPathEllipsis}, win::DT_PATH_ELLIPSIS}};
  for (const TCase& c : cases) {
    TZYLLabel* l = Make(text);
    l->SetAutoSize(false);
    l->SetBounds(10, 10, 140, 20);
    l->SetOptions(c.Options);
    host_.Show();
    const auto want = labeltest::ReferenceText(
        140, 20, l->Font(), text,
        c.Flags | win::DT_SINGLELINE | win::DT_EXPANDTABS | win::DT_WORDBREAK, vcl::clWhite);
    EXPECT_TRUE(win::testkit::SamePixels(labeltest::Cut(host_.Capture(), l->BoundsRect()), want,
                                         "label_options"));
    delete l;
  }
}

// ---- On a status bar ----

TEST_F(LabelTest, OnAStatusBarTheGapWidensTheLabelAndMovesItsText) {
  auto* bar = new TZYLStatusBar(host_.Form());
  bar->SetParent(host_.Panel());
  bar->SetAlign(vcl::alNone);
  bar->SetBounds(0, 120, 300, 40);
  bar->SetControlGap(9);
  // Each kind of label that keeps the gap, with the width of its content alone.
  auto* plain = new TZYLLabel(host_.Form());
  auto* glyph = new TZYLGlyphLabel(host_.Form());
  auto* info = new TZYLInformationLabel(host_.Form());
  info->SetStandartCaption(false);
  info->SetTabs(0);
  info->SetInfo(itProcessorCont32);
  const std::string count = std::to_string(ZYLSIProcessorCount());
  struct TCase {
    TZYLBaseLabel* Label;
    int ContentWidth;
  } cases[] = {
      {plain, labeltest::TextSize(plain->Font(), "Gap").X},
      {glyph, labeltest::TextSize(glyph->Font(), "Gap").X + glyph->GlyphLayout()->Spacing()},
      {info, labeltest::TextSize(info->Font(), count).X}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Label->ClassName());
    c.Label->SetCaption(c.Label == info ? "" : "Gap");
    c.Label->SetParent(host_.Panel());
    EXPECT_EQ(c.Label->Width(), c.ContentWidth);
    c.Label->SetParent(bar);
    c.Label->SetBounds(10, 5, 10, 10);
    c.Label->CorrectBounds();
    EXPECT_EQ(c.Label->Width(), c.ContentWidth + 9);
    c.Label->SetColor(vcl::clWhite);
    c.Label->SetTransparent(false);
    c.Label->Font()->SetColor(vcl::clBlack);
    host_.Show();
    const vcl::TRect r{bar->Left() + 10, bar->Top() + 5, bar->Left() + 10 + c.Label->Width(),
                       bar->Top() + 5 + c.Label->Height()};
    const TRect box = InkBox(host_.Capture(), r, vcl::clBlack);
    ASSERT_GT(box.Right, box.Left);
    EXPECT_GE(box.Left - r.Left, 9);
    c.Label->SetParent(nullptr);
  }
}

}  // namespace
}  // namespace zyl
