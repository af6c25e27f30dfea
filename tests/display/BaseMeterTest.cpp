// The meter base: the user range and its two views of the value, the bar rectangles of the
// four directions, repaints governed by Delta, the two-coloured caption and the themed frame.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "display/ZYLBaseMeter.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;

// A meter whose bar is a red block; it records what the base hands to DrawBar.
class TMeterProbe : public TZYLBaseMeter {
  ZYL_CLASS(TMeterProbe, TZYLBaseMeter)
  explicit TMeterProbe(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Bars = 0;
  TRect Dest, NotDest, Area;
  using TZYLBaseMeter::DrawCaption;
  using TZYLBaseMeter::Synchronize;

 protected:
  void DrawBar(vcl::TCanvas* Canvas, const TRect& D, const TRect& N, const TRect& A) override {
    ++Bars;
    Dest = D;
    NotDest = N;
    Area = A;
    Canvas->Brush()->SetColor(vcl::clRed);
    Canvas->Brush()->SetStyle(vcl::bsSolid);
    if (D.Right > D.Left && D.Bottom > D.Top) Canvas->FillRect(D);
  }
};
ZYL_CLASS_IMPL(TMeterProbe) {}

TEST(BaseMeterTest, RangeEndsSwapAndNeverMeet) {
  TMeterProbe m(nullptr);
  m.SetUserValue(50);
  ASSERT_EQ(m.Position(), 50);
  // A maximum below the minimum: the ends swap; UserValue is pulled to the new maximum.
  m.SetMaxValue(-10);
  EXPECT_EQ(m.MinValue(), -10);
  EXPECT_EQ(m.MaxValue(), 0);
  EXPECT_EQ(m.UserValue(), 0);
  EXPECT_EQ(m.Position(), 100);
  // An end equal to the other one is ignored, either way.
  m.SetMaxValue(-10);
  m.SetMinValue(0);
  EXPECT_EQ(m.MinValue(), -10);
  EXPECT_EQ(m.MaxValue(), 0);
  // A minimum above the maximum: MinValue takes the old maximum, UserValue the new minimum.
  m.SetMinValue(40);
  EXPECT_EQ(m.MinValue(), 0);
  EXPECT_EQ(m.MaxValue(), 40);
  EXPECT_EQ(m.UserValue(), 0);
  EXPECT_EQ(m.Position(), 0);
  // A value inside the new range stays and its percentage follows the range.
  m.SetUserValue(10);
  EXPECT_EQ(m.Position(), 25);
  m.SetMaxValue(20);
  EXPECT_EQ(m.UserValue(), 10);
  EXPECT_EQ(m.Position(), 50);
}

TEST(BaseMeterTest, UserValueAndPositionFollowEachOther) {
  TMeterProbe m(nullptr);
  m.SetMaxValue(200);
  m.SetUserValue(50);
  EXPECT_EQ(m.Position(), 25);
  m.SetUserValue(500);  // clamped
  EXPECT_EQ(m.UserValue(), 200);
  EXPECT_EQ(m.Position(), 100);
  m.SetUserValue(-3);
  EXPECT_EQ(m.UserValue(), 0);
  EXPECT_EQ(m.Position(), 0);
  m.SetPercentValue(37);
  EXPECT_EQ(m.UserValue(), 74);
  m.SetPercentValue(120);
  EXPECT_EQ(m.Position(), 100);
  EXPECT_EQ(m.UserValue(), 200);
  m.SetPercentValue(-5);
  EXPECT_EQ(m.Position(), 0);
  EXPECT_EQ(m.UserValue(), 0);

  // Halves go to the even neighbour both ways.
  m.SetMaxValue(10);
  m.SetPercentValue(25);
  EXPECT_EQ(m.UserValue(), 2);
  m.SetPercentValue(35);
  EXPECT_EQ(m.UserValue(), 4);
  m.SetMinValue(-50);
  m.SetMaxValue(50);
  m.SetPercentValue(25);
  EXPECT_EQ(m.UserValue(), -25);
  m.SetMinValue(0);
  m.SetMaxValue(200);
  EXPECT_EQ(m.GetPercentValue(5), 2);  // 2.5
  EXPECT_EQ(m.GetPercentValue(7), 4);  // 3.5
  EXPECT_EQ(m.GetPercentValue(-40), 0);
  EXPECT_EQ(m.GetPercentValue(900), 100);
  // The widest range does not overflow.
  m.SetMinValue(-2000000000);
  m.SetMaxValue(2000000000);
  EXPECT_EQ(m.GetPercentValue(0), 50);
  m.SetPercentValue(75);
  EXPECT_EQ(m.UserValue(), 1000000000);
}

TEST(BaseMeterTest, AddSubStepAndDelta) {
  TMeterProbe m(nullptr);
  m.SetPercentValue(20);
  m.Sub(30);
  EXPECT_EQ(m.Position(), 0);
  m.SetPercentValue(80);
  m.Add(30);
  EXPECT_EQ(m.Position(), 100);
  EXPECT_EQ(m.UserValue(), 80);  // Add changes Position alone
  m.Add(0);
  m.Sub(0);
  EXPECT_EQ(m.Position(), 100);
  m.SetStep(15);
  m.StepSub();
  EXPECT_EQ(m.Position(), 85);
  m.StepAdd();
  m.StepAdd();
  EXPECT_EQ(m.Position(), 100);
  m.SetStep(150);
  EXPECT_EQ(m.Step(), 100);
  m.SetStep(-1);
  EXPECT_EQ(m.Step(), 0);
  m.SetDelta(0);
  EXPECT_EQ(m.Delta(), 1);
  m.SetDelta(9);
  EXPECT_EQ(m.Delta(), 9);
}

TEST(BaseMeterTest, ExtendTruncatesWithoutRoundingErrors) {
  EXPECT_EQ(TZYLBaseMeter::GetExtend(50, 78), 39);
  EXPECT_EQ(TZYLBaseMeter::GetExtend(29, 100), 29);  // 29 * 0.01 * 100 is 28.999... in doubles
  EXPECT_EQ(TZYLBaseMeter::GetExtend(57, 100), 57);
  EXPECT_EQ(TZYLBaseMeter::GetExtend(33, 10), 3);
  EXPECT_EQ(TZYLBaseMeter::GetExtend(100, 81), 81);
  EXPECT_EQ(TZYLBaseMeter::GetExtend(0, 81), 0);
  EXPECT_EQ(TZYLBaseMeter::GetExtend(60, 0), 0);
}

class BaseMeterScreenTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  TPicturePanel* panel_ = nullptr;
  std::unique_ptr<vcl::TForm> form_;
  TMeterProbe* meter_ = nullptr;

  void SetUp() override {
    form_.reset(host_.MakeHost(panel_));
    meter_ = new TMeterProbe(form_.get());
    meter_->SetBounds(10, 20, 80, 20);
    meter_->SetParent(panel_);
    form_->Show();
    Idle();
  }
  void TearDown() override {
    ZYLUseStandInThemes(false);
    form_.reset();
  }
  static void Idle() { filltest::THostSession::Idle(); }
  win::testkit::TCapture Capture() { return filltest::THostSession::Capture(panel_); }
  int Bars(const std::function<void()>& Change) {
    const int before = meter_->Bars;
    Change();
    Idle();
    return meter_->Bars - before;
  }
};

TEST_F(BaseMeterScreenTest, BarRectanglesOfTheFourDirections) {
  meter_->SetPercentValue(50);
  Idle();
  // Inside the one-pixel bevel: (1, 1, 79, 19); half of 78 is 39, half of 18 is 9.
  EXPECT_EQ(meter_->Area, (TRect{1, 1, 79, 19}));
  EXPECT_EQ(meter_->Dest, (TRect{1, 1, 40, 19}));
  EXPECT_EQ(meter_->NotDest, (TRect{40, 1, 79, 19}));
  auto cap = Capture();
  EXPECT_EQ(At(cap, 10 + 5, 20 + 10), vcl::clRed);
  EXPECT_EQ(At(cap, 10 + 60, 20 + 10), filltest::RGBOf(meter_->Color()));

  meter_->SetDirection(mdVertical);
  EXPECT_EQ(meter_->Dest, (TRect{1, 1, 79, 10}));
  EXPECT_EQ(meter_->NotDest, (TRect{1, 10, 79, 19}));
  meter_->SetDirection(mdHorizontalReverse);
  EXPECT_EQ(meter_->Dest, (TRect{40, 1, 79, 19}));
  EXPECT_EQ(meter_->NotDest, (TRect{1, 1, 40, 19}));
  Idle();
  cap = Capture();
  EXPECT_EQ(At(cap, 10 + 70, 20 + 10), vcl::clRed);
  EXPECT_EQ(At(cap, 10 + 5, 20 + 10), filltest::RGBOf(meter_->Color()));
  meter_->SetDirection(mdVerticalReverse);
  EXPECT_EQ(meter_->Dest, (TRect{1, 10, 79, 19}));
  EXPECT_EQ(meter_->NotDest, (TRect{1, 1, 79, 10}));

  // The ends: nothing filled at 0, everything at 100.
  meter_->SetDirection(mdHorizontal);
  meter_->SetPercentValue(0);
  EXPECT_EQ(meter_->Dest, (TRect{1, 1, 1, 19}));
  meter_->SetPercentValue(100);
  EXPECT_EQ(meter_->Dest, (TRect{1, 1, 79, 19}));
  EXPECT_EQ(meter_->NotDest, (TRect{79, 1, 79, 19}));
}

TEST_F(BaseMeterScreenTest, DeltaDecidesWhichValueChangesRepaint) {
  meter_->SetDelta(10);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(40); }), 1);
  EXPECT_EQ(meter_->LastDrawValue(), 40);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(45); }), 0);
  EXPECT_EQ(meter_->LastDrawValue(), 40);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(49); }), 0);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(50); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(95); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(100); }), 1);  // an end always shows
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(100); }), 0);
  EXPECT_EQ(Bars([&] { meter_->Sub(5); }), 0);
  EXPECT_EQ(Bars([&] { meter_->Sub(95); }), 1);  // the other end
  // A full paint ignores Delta and records the value it drew.
  meter_->SetDelta(50);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(7); }), 0);
  EXPECT_EQ(Bars([&] { meter_->Invalidate(); }), 1);
  EXPECT_EQ(meter_->LastDrawValue(), 7);
}

TEST_F(BaseMeterScreenTest, OneRepaintPerSettingsChange) {
  EXPECT_EQ(Bars([&] { meter_->SetDirection(mdVertical); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetDirection(mdVertical); }), 0);
  EXPECT_EQ(Bars([&] { meter_->SetAlignment(vcl::taLeftJustify); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetOptionsText(toPercent); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetUseFontColor(true); }), 1);
  EXPECT_EQ(Bars([&] { meter_->Font3D()->SetStyle(tdRaised); }), 1);
  EXPECT_EQ(Bars([&] { meter_->Bevel()->SetBevelWidthOuter(2); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetCaption("Busy"); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetMaxValue(50); }), 1);
  EXPECT_EQ(Bars([&] { meter_->SetDelta(4); }), 0);
  EXPECT_EQ(Bars([&] { meter_->SetStep(4); }), 0);
}

TEST_F(BaseMeterScreenTest, ValueChangesWaitWhileTheMeterCannotPaint) {
  meter_->SetVisible(false);
  Idle();
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(60); }), 0);
  EXPECT_EQ(meter_->LastDrawValue(), 0);
  meter_->SetVisible(true);
  Idle();
  EXPECT_EQ(meter_->LastDrawValue(), 60);
  // A meter without a parent takes values without painting.
  TMeterProbe loose(nullptr);
  loose.SetPercentValue(30);
  loose.Add(50);
  EXPECT_EQ(loose.Bars, 0);
  EXPECT_EQ(loose.Position(), 80);
}

// The caption on a bitmap: the bar part in the control's colour, the rest in AColor.
class MeterCaptionTest : public ::testing::Test {
 protected:
  static constexpr vcl::TColor Ground = vcl::clBlue;
  filltest::THostSession host_;
  TMeterProbe meter_{nullptr};
  vcl::TBitmap bmp_;
  const TRect all_{0, 0, 120, 40}, bar_{0, 0, 60, 40}, rest_{60, 0, 120, 40};

  void SetUp() override {
    meter_.SetColor(vcl::clYellow);
    meter_.Font()->SetColor(vcl::clBlack);
    meter_.Font()->SetSize(20);
    meter_.Font()->SetStyle({vcl::fsBold});
    bmp_.SetSize(120, 40);
    Clear(&bmp_);
  }
  static void Clear(vcl::TBitmap* B) {
    B->Canvas()->Brush()->SetColor(Ground);
    B->Canvas()->FillRect(TRect{0, 0, B->Width(), B->Height()});
  }
  int Count(const TRect& R, vcl::TColor C) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
      for (int x = R.Left; x < R.Right; ++x)
        if (bmp_.Canvas()->Pixels(x, y) == C) ++n;
    return n;
  }
  // The pixels the text inks when drawn alone with the same font, flags and Font3D.
  std::unique_ptr<vcl::TBitmap> Reference(const std::string& Text, int32_t Flags) {
    auto ref = std::make_unique<vcl::TBitmap>();
    ref->SetSize(120, 40);
    Clear(ref.get());
    ref->Canvas()->Font()->Assign(meter_.Font());
    ref->Canvas()->Brush()->SetStyle(vcl::bsClear);
    ZYLDrawTextExt(ref->Canvas(), Text, meter_.Font3D(), all_, Flags, {dtEnabled});
    return ref;
  }
  int InkDifferences(vcl::TBitmap* Ref) {
    int n = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 120; ++x)
        if ((bmp_.Canvas()->Pixels(x, y) != Ground) != (Ref->Canvas()->Pixels(x, y) != Ground)) ++n;
    return n;
  }
};

TEST_F(MeterCaptionTest, PercentInTwoColours) {
  meter_.SetOptionsText(toPercent);
  meter_.SetPercentValue(37);
  meter_.DrawCaption(bmp_.Canvas(), bar_, rest_, all_, true, vcl::clRed);
  EXPECT_GT(Count(bar_, vcl::clYellow), 20);
  EXPECT_EQ(Count(bar_, vcl::clRed), 0);
  EXPECT_GT(Count(rest_, vcl::clRed), 20);
  EXPECT_EQ(Count(rest_, vcl::clYellow), 0);
  const int32_t flags = win::DT_CENTER | win::DT_VCENTER | win::DT_SINGLELINE | win::DT_NOPREFIX;
  auto ref = Reference("37%", flags);
  EXPECT_EQ(InkDifferences(ref.get()), 0);
  // Without UseColor the empty part takes the font's colour.
  Clear(&bmp_);
  meter_.DrawCaption(bmp_.Canvas(), bar_, rest_, all_, false, vcl::clRed);
  EXPECT_EQ(Count(all_, vcl::clRed), 0);
  EXPECT_GT(Count(rest_, vcl::clBlack), 20);
  EXPECT_GT(Count(bar_, vcl::clYellow), 20);
}

TEST_F(MeterCaptionTest, CaptionAlignmentFontColourAndNoText) {
  meter_.SetCaption("Wait");
  meter_.DrawCaption(bmp_.Canvas(), bar_, rest_, all_, true, vcl::clRed);
  EXPECT_EQ(Count(all_, Ground), 120 * 40);  // toNoText
  meter_.SetOptionsText(toCaption);
  meter_.SetAlignment(vcl::taRightJustify);
  meter_.DrawCaption(bmp_.Canvas(), bar_, rest_, all_, true, vcl::clRed);
  const int32_t flags = win::DT_RIGHT | win::DT_VCENTER | win::DT_SINGLELINE | win::DT_NOPREFIX;
  auto ref = Reference("Wait", flags);
  EXPECT_EQ(InkDifferences(ref.get()), 0);
  EXPECT_EQ(Count(bar_, vcl::clYellow), 0);  // right-aligned text stays in the empty part

  // UseFontColor: once, in the font's colour over both parts.
  Clear(&bmp_);
  meter_.SetAlignment(vcl::taCenter);
  meter_.SetUseFontColor(true);
  meter_.DrawCaption(bmp_.Canvas(), bar_, rest_, all_, true, vcl::clRed);
  EXPECT_GT(Count(bar_, vcl::clBlack), 20);
  EXPECT_GT(Count(rest_, vcl::clBlack), 20);
  EXPECT_EQ(Count(all_, vcl::clRed) + Count(all_, vcl::clYellow), 0);
}

TEST_F(BaseMeterScreenTest, ThemedFrameWithWindowsBevel) {
  ZYLUseStandInThemes(true);
  meter_->Bevel()->SetMode(bmWindows);
  Idle();
  ASSERT_NE(meter_->ThemeHandle(), nullptr);
  EXPECT_EQ(ZYLThemeClass(meter_->ThemeHandle()), "PROGRESS");
  EXPECT_EQ(meter_->Area, (TRect{1, 1, 79, 19}));  // the frame's content area
  EXPECT_EQ(At(Capture(), 10, 20), static_cast<vcl::TColor>(0x7A7A7A));
  // The application's switch off: the bevel frames the meter again.
  ZYLUseStandInThemes(false);
  meter_->Bevel()->SetStyle(lsDoubleLowered);
  Idle();
  EXPECT_EQ(meter_->Area, meter_->BeveledRect());
  EXPECT_NE(meter_->Area, (TRect{1, 1, 79, 19}));
  meter_->SetCtlXP(false);  // a theme change closes the handle and finds no themes
  EXPECT_EQ(meter_->ThemeHandle(), nullptr);
}

}  // namespace
}  // namespace zyl
