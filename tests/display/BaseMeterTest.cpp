// The meter base: the user range and its two views of the value, the bar rectangles of the
// four directions, repaints governed by Delta, the two-coloured caption and the themed frame.
#include <gtest/gtest.h>

#include <array>
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

// Minimum, maximum, user value and position of a meter.
using TState = std::array<int, 4>;
TState State(const TZYLBaseMeter& m) {
  return {m.MinValue(), m.MaxValue(), m.UserValue(), m.Position()};
}

TEST(BaseMeterTest, RangeEndsSwapAndNeverMeet) {
  TMeterProbe m(nullptr);
  m.SetUserValue(50);
  ASSERT_EQ(m.Position(), 50);
  // A maximum below the minimum: the ends swap; UserValue is pulled to the new maximum.
  m.SetMaxValue(-10);
  EXPECT_EQ(State(m), (TState{-10, 0, 0, 100}));
  // An end equal to the other one is ignored, either way.
  m.SetMaxValue(-10);
  m.SetMinValue(0);
  EXPECT_EQ(State(m), (TState{-10, 0, 0, 100}));
  // A minimum above the maximum: MinValue takes the old maximum, UserValue the new minimum.
  m.SetMinValue(40);
  EXPECT_EQ(State(m), (TState{0, 40, 0, 0}));
  // A value inside the new range stays and its percentage follows the range.
  m.SetUserValue(10);
  EXPECT_EQ(m.Position(), 25);
  m.SetMaxValue(20);
  EXPECT_EQ(State(m), (TState{0, 20, 10, 50}));
}

TEST(BaseMeterTest, UserValueAndPositionFollowEachOther) {
  TMeterProbe m(nullptr);
  // Each setting on the range's ends and the user value and position it leads to: values are
  // clamped, halves go to the even neighbour both ways, the widest range does not overflow.
  const struct {
    int Min, Max;
    bool Percent;
    int Value, User, Position;
  } cases[] = {{0, 200, false, 50, 50, 25},   {0, 200, false, 500, 200, 100},
               {0, 200, false, -3, 0, 0},     {0, 200, true, 37, 74, 37},
               {0, 200, true, 120, 200, 100}, {0, 200, true, -5, 0, 0},
               {0, 10, true, 25, 2, 25},      {0, 10, true, 35, 4, 35},
               {-50, 50, true, 25, -25, 25},  {-2000000000, 2000000000, true, 75, 1000000000, 75}};
  for (const auto& c : cases) {
    m.SetMinValue(-2000000001);
    m.SetMaxValue(c.Max);
    m.SetMinValue(c.Min);
    c.Percent ? m.SetPercentValue(c.Value) : m.SetUserValue(c.Value);
    EXPECT_EQ(State(m), (TState{c.Min, c.Max, c.User, c.Position})) << c.Value;
  }
  m.SetMinValue(0);
  m.SetMaxValue(200);
  for (auto [value, percent] : {std::pair{5, 2}, {7, 4}, {-40, 0}, {900, 100}})
    EXPECT_EQ(m.GetPercentValue(value), percent) << value;  // 2.5 and 3.5 to even
  m.SetMinValue(-2000000000);
  m.SetMaxValue(2000000000);
  EXPECT_EQ(m.GetPercentValue(0), 50);
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
}

TEST(BaseMeterTest, ExtendTruncatesWithoutRoundingErrors) {
  // 29 * 0.01 * 100 is 28.999... in doubles.
  const std::array<int, 3> cases[] = {{50, 78, 39},  {29, 100, 29}, {57, 100, 57}, {33, 10, 3},
                                      {100, 81, 81}, {0, 81, 0},    {60, 0, 0}};
  for (auto [percent, size, want] : cases)
    EXPECT_EQ(TZYLBaseMeter::GetExtend(percent, size), want) << percent << " of " << size;
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

  const struct {
    TZYLMeterDirection Dir;
    TRect Dest, NotDest;
  } dirs[] = {{mdVertical, {1, 1, 79, 10}, {1, 10, 79, 19}},
              {mdVerticalReverse, {1, 10, 79, 19}, {1, 1, 79, 10}},
              {mdHorizontalReverse, {40, 1, 79, 19}, {1, 1, 40, 19}}};
  for (const auto& d : dirs) {
    meter_->SetDirection(d.Dir);
    EXPECT_EQ(meter_->Dest, d.Dest) << int(d.Dir);
    EXPECT_EQ(meter_->NotDest, d.NotDest) << int(d.Dir);
  }
  Idle();
  cap = Capture();
  EXPECT_EQ(At(cap, 10 + 70, 20 + 10), vcl::clRed);
  EXPECT_EQ(At(cap, 10 + 5, 20 + 10), filltest::RGBOf(meter_->Color()));

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
  // Each value, whether it repaints and the value last drawn; an end always shows.
  const std::array<int, 3> values[] = {{40, 1, 40}, {45, 0, 40},   {49, 0, 40},  {50, 1, 50},
                                       {95, 1, 95}, {100, 1, 100}, {100, 0, 100}};
  for (auto [v, bars, drawn] : values) {
    const int value = v;  // lambdas capture variables, not bindings
    EXPECT_EQ(Bars([&] { meter_->SetPercentValue(value); }), bars) << value;
    EXPECT_EQ(meter_->LastDrawValue(), drawn) << value;
  }
  EXPECT_EQ(Bars([&] { meter_->Sub(5); }), 0);
  EXPECT_EQ(Bars([&] { meter_->Sub(95); }), 1);  // the other end
  // A full paint ignores Delta and records the value it drew.
  meter_->SetDelta(50);
  EXPECT_EQ(Bars([&] { meter_->SetPercentValue(7); }), 0);
  EXPECT_EQ(Bars([&] { meter_->Invalidate(); }), 1);
  EXPECT_EQ(meter_->LastDrawValue(), 7);
}

TEST_F(BaseMeterScreenTest, OneRepaintPerSettingsChange) {
  const std::pair<std::function<void()>, int> changes[] = {
      {[&] { meter_->SetDirection(mdVertical); }, 1},
      {[&] { meter_->SetDirection(mdVertical); }, 0},
      {[&] { meter_->SetAlignment(vcl::taLeftJustify); }, 1},
      {[&] { meter_->SetOptionsText(toPercent); }, 1},
      {[&] { meter_->SetUseFontColor(true); }, 1},
      {[&] { meter_->Font3D()->SetStyle(tdRaised); }, 1},
      {[&] { meter_->Bevel()->SetBevelWidthOuter(2); }, 1},
      {[&] { meter_->SetCaption("Busy"); }, 1},
      {[&] { meter_->SetMaxValue(50); }, 1},
      {[&] { meter_->SetDelta(4); }, 0},
      {[&] { meter_->SetStep(4); }, 0}};
  for (size_t i = 0; i < std::size(changes); ++i)
    EXPECT_EQ(Bars(changes[i].first), changes[i].second) << "change " << i;
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
