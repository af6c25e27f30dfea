// The progress bars: the segment settings, the segment layout of the four directions, the
// segment Delta and self-sizing, the solid, owner-drawn and themed styles, the filled bar and
// the form streams of both components.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "display/ZYLProgress.h"
#include "display/ZYLProgressFill.h"
#include "display/ZYLSmallBar.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/ImageTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;
using Spans = std::vector<std::pair<int, int>>;

// A progress bar that counts its bar paints and answers the colour and paint events.
class TProgressProbe : public TZYLProgress {
  ZYL_CLASS(TProgressProbe, TZYLProgress)
  explicit TProgressProbe(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Bars = 0;
  std::vector<int> ColorCalls;
  std::vector<TRect> Painted;
  void SegmentColor(vcl::TObject* Sender, uint8_t nr, vcl::TColor& aColor) {
    EXPECT_EQ(Sender, this);
    EXPECT_EQ(aColor, SmallBar()->BarColor());
    ColorCalls.push_back(nr);
    aColor = nr % 2 ? vcl::clLime : vcl::clFuchsia;
  }
  void OwnerPaint(vcl::TObject*, vcl::TCanvas* c, const TRect& d, const TRect& n, const TRect& a) {
    Painted = {d, n, a};
    c->Brush()->SetColor(vcl::clTeal);
    c->FillRect(a);
  }
  void FailingPaint(vcl::TObject*, vcl::TCanvas*, const TRect&, const TRect&, const TRect&) {
    throw vcl::Exception("paint failed");
  }

 protected:
  void DrawBar(vcl::TCanvas* Canvas, const TRect& D, const TRect& N, const TRect& A) override {
    ++Bars;
    inherited::DrawBar(Canvas, D, N, A);
  }
};
ZYL_CLASS_IMPL(TProgressProbe) {}

TEST(SmallBarTest, SettingsAndSegmentLength) {
  TZYLSmallBar s;
  s.SetByte(0, 4);
  s.SetByte(1, 2);
  s.SetByte(2, 5);
  s.SetBarCount(0);  // a bar has segments
  EXPECT_EQ(s.BarCount(), 4);
  // 4 segments, spaces 2 along and 5 down; spaces that do not fit truncate toward zero.
  const struct {
    TZYLMeterDirection Dir;
    int W, Want;
  } cases[] = {{mdHorizontal, 100, 23},     {mdHorizontalReverse, 100, 23}, {mdVertical, 100, 2},
               {mdVerticalReverse, 100, 2}, {mdHorizontal, 5, 0},           {mdHorizontal, 0, -2}};
  for (const auto& c : cases) EXPECT_EQ(s.GetBarExtend(c.Dir, c.W, 30), c.Want) << c.W;

  TZYLSmallBar t;
  t.SetAutoSize(false);
  t.SetBarColor(vcl::clRed);
  t.Assign(&s);
  EXPECT_TRUE(t.AutoSize());
  EXPECT_EQ(t.BarColor(), 0x800000);
  EXPECT_EQ(t.BarCount(), 4);
  EXPECT_EQ(t.VSpace(), 5);
}

TEST(ProgressTest, SegmentDelta) {
  TZYLProgress p(nullptr);
  EXPECT_EQ(p.SmallBar()->GetOnChange().Method().Data, static_cast<vcl::TObject*>(&p));
  p.SetStyle(pgBar);
  EXPECT_EQ(p.Delta(), 1);
  p.SetStyle(pgSmallBar);
  EXPECT_EQ(p.Delta(), 5);  // (100 div 10) div 2
  p.SetStyle(pgOwnerDraw);
  p.SmallBar()->SetBarCount(3);
  p.SetStyle(pgSmallBarColor);
  EXPECT_EQ(p.Delta(), 16);
  p.SetStyle(pgBar);
  p.SmallBar()->SetBarCount(200);
  p.SetStyle(pgSmallBar);
  EXPECT_EQ(p.Delta(), 1);  // 0 becomes 1
}

class ProgressScreenTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  TPicturePanel* panel_ = nullptr;
  std::unique_ptr<vcl::TForm> form_;

  void SetUp() override { form_.reset(host_.MakeHost(panel_, 300, 200)); }
  void TearDown() override {
    ZYLUseStandInThemes(false);
    form_.reset();
  }
  static void Idle() { filltest::THostSession::Idle(); }
  win::testkit::TCapture Capture() { return filltest::THostSession::Capture(panel_); }
  // A shown progress bar without bevel on a white ground with red segments.
  TProgressProbe* Make(int L, int T, int W, int H,
                       const std::function<void(TProgressProbe*)>& Setup = nullptr) {
    auto* p = new TProgressProbe(form_.get());
    p->Bevel()->SetBevelStyleOuter(bvNone);
    p->SetColor(vcl::clWhite);
    p->SmallBar()->SetBarColor(vcl::clRed);
    p->SetBounds(L, T, W, H);
    if (Setup) Setup(p);
    p->SetParent(panel_);
    form_->Show();
    Idle();
    return p;
  }
  // The runs of Color along row y (or column x when Down) of the control's area.
  static Spans Runs(const win::testkit::TCapture& cap, vcl::TControl* c, int At, bool Down,
                    vcl::TColor Color) {
    Spans runs;
    const int n = Down ? c->Height() : c->Width();
    int start = -1;
    for (int i = 0; i <= n; ++i) {
      const bool on = i < n && (Down ? filltest::At(cap, c->Left() + At, c->Top() + i)
                                     : filltest::At(cap, c->Left() + i, c->Top() + At)) == Color;
      if (on && start < 0) start = i;
      if (!on && start >= 0) {
        runs.push_back({start, i});
        start = -1;
      }
    }
    return runs;
  }
};

TEST_F(ProgressScreenTest, SelfSizingToWholeSegments) {
  auto* p = Make(10, 10, 100, 20);
  // L = Trunc((100 - 10 * 3) / 10) = 7: 10 segments of 7 and 11 spaces of 3.
  EXPECT_EQ(p->Width(), 103);
  EXPECT_EQ(p->Height(), 20);
  auto* v = Make(150, 10, 20, 20, [](TProgressProbe* q) { q->SetDirection(mdVertical); });
  // Segments that do not fit (L = Trunc((20 - 30) / 10) = -1) count as 0 long: 3 * 10 + 3,
  // a size the next correction keeps.
  EXPECT_EQ(v->Height(), 33);
  EXPECT_EQ(v->Width(), 20);
  // A bevel counts on both sides.
  auto* b = Make(10, 60, 100, 20);
  b->Bevel()->SetBevelStyleOuter(bvRaised);
  b->Bevel()->SetBevelWidthOuter(2);
  Idle();
  EXPECT_EQ(b->Width(), 107);  // L = Trunc((103 - 4 - 30) / 10) = 6; 9 * 10 + 3 + 4
  // Spaces as wide as the segment count: one correction, then the size holds.
  auto* wide = Make(10, 160, 100, 20, [](TProgressProbe* q) {
    q->SmallBar()->SetBarCount(2);
    q->SmallBar()->SetHSpace(5);
  });
  EXPECT_EQ(wide->Width(), 105);  // L = Trunc((100 - 10) / 2) = 45; 50 * 2 + 5
  const int bars = wide->Bars;
  wide->Invalidate();
  Idle();
  EXPECT_EQ(wide->Width(), 105);
  EXPECT_EQ(wide->Bars, bars + 1);
  // No sizing when aligned, without AutoSize or with a solid bar.
  auto* fixed = Make(10, 100, 100, 20);
  fixed->SmallBar()->SetAutoSize(false);
  fixed->SetWidth(90);
  auto* solid = Make(10, 130, 100, 20);
  solid->SetStyle(pgBar);
  solid->SetWidth(95);
  Idle();
  EXPECT_EQ(fixed->Width(), 90);
  EXPECT_EQ(solid->Width(), 95);
}

TEST_F(ProgressScreenTest, SegmentsRoundHalvesToEven) {
  auto* p = Make(10, 10, 103, 20);
  p->SetPercentValue(45);
  Idle();
  auto runs = Runs(Capture(), p, 10, false, vcl::clRed);
  ASSERT_EQ(runs.size(), 4u);
  // Segment i spans i * 10 + 3 .. (i + 1) * 10, from VSpace to Bottom - VSpace.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(runs[i], (std::pair<int, int>{i * 10 + 3, (i + 1) * 10}));
  EXPECT_EQ(Runs(Capture(), p, 5, true, vcl::clRed), (Spans{{3, 17}}));
  p->SetPercentValue(55);
  Idle();
  EXPECT_EQ(Runs(Capture(), p, 10, false, vcl::clRed).size(), 6u);
  p->SetPercentValue(4);  // below half a segment: none
  Idle();
  EXPECT_EQ(Runs(Capture(), p, 10, false, vcl::clRed).size(), 0u);
}

TEST_F(ProgressScreenTest, VSpaceKeepsTheSegmentsOffTheTopAndBottom) {
  auto* p = Make(10, 10, 103, 20);
  p->SetPercentValue(45);
  p->SmallBar()->SetVSpace(6);
  EXPECT_EQ(p->SmallBar()->VSpace(), 6);
  Idle();
  EXPECT_EQ(Runs(Capture(), p, 5, true, vcl::clRed), (Spans{{6, 14}}));
  EXPECT_EQ(Runs(Capture(), p, 10, false, vcl::clRed).size(), 4u);
}

TEST_F(ProgressScreenTest, SegmentsOfTheReversedAndVerticalDirections) {
  auto* p = Make(10, 10, 103, 20);
  p->SetPercentValue(30);
  p->SetDirection(mdHorizontalReverse);
  Idle();
  EXPECT_EQ(Runs(Capture(), p, 10, false, vcl::clRed), (Spans{{73, 80}, {83, 90}, {93, 100}}));
  auto* v = Make(150, 10, 20, 103, [](TProgressProbe* q) { q->SetDirection(mdVertical); });
  v->SetPercentValue(20);
  Idle();
  ASSERT_EQ(v->Height(), 103);
  EXPECT_EQ(Runs(Capture(), v, 10, true, vcl::clRed), (Spans{{3, 10}, {13, 20}}));
  EXPECT_EQ(Runs(Capture(), v, 5, false, vcl::clRed), (Spans{{3, 17}}));
  v->SetDirection(mdVerticalReverse);
  Idle();
  EXPECT_EQ(Runs(Capture(), v, 10, true, vcl::clRed), (Spans{{83, 90}, {93, 100}}));
}

TEST_F(ProgressScreenTest, OneBlockWhenSegmentsDoNotFit) {
  auto* p = Make(10, 10, 20, 20);
  p->SmallBar()->SetAutoSize(false);
  p->SetWidth(20);  // L = Trunc((20 - 30) / 10) = -1
  p->SetPercentValue(50);
  Idle();
  // Dest (0, 0, 10, 20) inset by the spaces.
  EXPECT_EQ(Runs(Capture(), p, 10, false, vcl::clRed), (Spans{{3, 7}}));
}

TEST_F(ProgressScreenTest, SegmentColoursFromTheEvent) {
  auto* p = Make(10, 10, 103, 20);
  p->SetOnGetColor(TZYLProgressColorEvent(p, &TProgressProbe::SegmentColor));
  p->SetPercentValue(30);
  Idle();
  EXPECT_TRUE(p->ColorCalls.empty());  // pgSmallBar ignores the event
  p->SetStyle(pgSmallBarColor);
  Idle();
  EXPECT_EQ(p->ColorCalls, (std::vector<int>{0, 1, 2}));
  auto cap = Capture();
  EXPECT_EQ(At(cap, 10 + 5, 20), vcl::clFuchsia);
  EXPECT_EQ(At(cap, 10 + 15, 20), vcl::clLime);
  EXPECT_EQ(At(cap, 10 + 25, 20), vcl::clFuchsia);
  EXPECT_EQ(At(cap, 10 + 35, 20), vcl::clWhite);
}

TEST_F(ProgressScreenTest, SolidBarFrameAndWhatRepaints) {
  auto* p = Make(10, 10, 100, 20, [](TProgressProbe* q) { q->SetStyle(pgBar); });
  p->SetBarColor(vcl::clGreen);
  p->SetPercentValue(50);
  Idle();
  auto cap = Capture();
  EXPECT_EQ(Runs(cap, p, 10, false, vcl::clGreen), (Spans{{0, 50}}));
  p->SetBar3D(lsRaised);
  Idle();
  cap = Capture();
  EXPECT_NE(At(cap, 10, 20), vcl::clGreen);  // the frame on the bar's edge
  EXPECT_EQ(At(cap, 10 + 25, 20), vcl::clGreen);
  EXPECT_EQ(At(cap, 10 + 75, 20), vcl::clWhite);

  auto bars = [&](const std::function<void()>& change) {
    const int before = p->Bars;
    change();
    Idle();
    return p->Bars - before;
  };
  EXPECT_EQ(bars([&] { p->SetBarColor(vcl::clNavy); }), 1);
  EXPECT_EQ(bars([&] { p->SmallBar()->SetHSpace(1); }), 1);
  EXPECT_EQ(bars([&] { p->SetStyle(pgSmallBar); }), 1);
  // Settings of the solid bar do not repaint the segments.
  EXPECT_EQ(bars([&] { p->SetBarColor(vcl::clRed); }), 0);
  EXPECT_EQ(bars([&] { p->SetBar3D(lsLowered); }), 0);
  EXPECT_EQ(bars([&] {
              TZYLSmallBar other;
              other.SetBarCount(5);
              p->SetSmallBar(&other);
            }),
            1);
}

TEST_F(ProgressScreenTest, OwnerDrawGetsTheRectangles) {
  auto* p = Make(10, 10, 100, 20, [](TProgressProbe* q) { q->SetStyle(pgOwnerDraw); });
  p->SetOptionsText(toPercent);
  p->SetPercentValue(25);
  Idle();
  EXPECT_TRUE(p->Painted.empty());  // nothing assigned: an empty bar
  p->SetOnPaint(TZYLProgressPaintEvent(p, &TProgressProbe::OwnerPaint));
  p->Invalidate();
  Idle();
  ASSERT_EQ(p->Painted.size(), 3u);
  EXPECT_EQ(p->Painted[0], (TRect{0, 0, 25, 20}));
  EXPECT_EQ(p->Painted[1], (TRect{25, 0, 100, 20}));
  EXPECT_EQ(p->Painted[2], (TRect{0, 0, 100, 20}));
  // The handler's teal everywhere: no caption over it.
  EXPECT_TRUE(Runs(Capture(), p, 10, false, vcl::clTeal) == (Spans{{0, 100}}));
}

TEST_F(ProgressScreenTest, AFailingPaintLeavesTheMeterUsable) {
  auto* p = Make(10, 10, 100, 20, [](TProgressProbe* q) { q->SetStyle(pgOwnerDraw); });
  p->SetOnPaint(TZYLProgressPaintEvent(p, &TProgressProbe::FailingPaint));
  EXPECT_THROW(p->SetPercentValue(60), vcl::Exception);
  EXPECT_EQ(p->LastDrawValue(), 60);  // the draw counts as done
  p->SetOnPaint(TZYLProgressPaintEvent(p, &TProgressProbe::OwnerPaint));
  const int before = p->Bars;
  p->SetPercentValue(80);  // not refused as a nested draw
  EXPECT_EQ(p->Bars, before + 1);
  EXPECT_EQ(p->Painted[0], (TRect{0, 0, 80, 20}));
}

TEST_F(ProgressScreenTest, ThemedChunkOnlyWithThemes) {
  auto* xp = Make(10, 10, 103, 20);
  auto* plain = Make(10, 40, 103, 20);
  xp->SetStyle(pgXPBar);
  xp->SetPercentValue(50);
  plain->SetPercentValue(50);
  Idle();
  // Without themes pgXPBar paints as pgSmallBar.
  auto cap = Capture();
  EXPECT_TRUE(win::testkit::PixelsMatch(cap, [&](int x, int y) { return cap.Color(x, y + 30); },
                                        "xp_unthemed", {10, 10, 113, 30}));

  ZYLUseStandInThemes(true);
  xp->Invalidate();  // the next draw opens the progress theme
  plain->Invalidate();
  Idle();
  ASSERT_NE(xp->ThemeHandle(), nullptr);
  cap = Capture();
  // Frame, then the chunk over the first half of the content area (1 .. 102).
  const auto face = static_cast<vcl::TColor>(ZYLThemeFaceColor(0));
  EXPECT_EQ(At(cap, 10, 10), static_cast<vcl::TColor>(0x7A7A7A));
  EXPECT_EQ(At(cap, 10 + 20, 10 + 10), face);
  EXPECT_EQ(At(cap, 10 + 80, 10 + 10), vcl::clWhite);
  // With themes on every style of a control with CtlXP is drawn themed.
  EXPECT_EQ(At(cap, 10 + 20, 40 + 10), face);
  plain->SetCtlXP(false);
  Idle();
  EXPECT_EQ(At(Capture(), 10 + 5, 40 + 10), vcl::clRed);
}

TEST(ProgressStreamTest, ReadingMendsAReversedOrEmptyRange) {
  filltest::THostSession host;
  ZYLProgressUnit.Init();
  auto read = [](const std::string& body) {
    const std::string text = "object P: TZYLProgress\n" + body + "end\n";
    auto p = std::make_unique<TZYLProgress>(nullptr);
    vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), p.get());
    return p;
  };
  auto r = read("  MaxValue = 10\n  MinValue = 30\n  UserValue = 50\n");
  EXPECT_EQ(r->MinValue(), 10);
  EXPECT_EQ(r->MaxValue(), 30);
  EXPECT_EQ(r->UserValue(), 30);
  EXPECT_EQ(r->Position(), 100);
  auto e = read("  MaxValue = 40\n  MinValue = 40\n");
  EXPECT_LT(e->MinValue(), e->MaxValue());
  EXPECT_EQ(e->GetPercentValue(40), 0);
  auto big = read("  Position = 250\n  Step = 300\n");
  EXPECT_EQ(big->Position(), 100);
  EXPECT_EQ(big->Step(), 100);
  ZYLProgressUnit.FInit();
}

// A filled bar that exposes its bar painting.
class TFillProbe : public TZYLProgressFill {
  ZYL_CLASS(TFillProbe, TZYLProgressFill)
  explicit TFillProbe(vcl::TComponent* AOwner) : inherited(AOwner) {}
  using TZYLProgressFill::DrawBar;
};
ZYL_CLASS_IMPL(TFillProbe) {}

TEST(ProgressFillTest, FillCaptionColoursAndStream) {
  filltest::THostSession host;
  TFillProbe f(nullptr);
  EXPECT_EQ(f.FillObject()->GetOnChange().Method().Data, static_cast<vcl::TObject*>(&f));
  f.SetColor(vcl::clYellow);
  f.Font()->SetColor(vcl::clBlack);
  f.Font()->SetSize(20);
  f.SetOptionsText(toCaption);
  f.SetCaption("IIIIIIIIIIIIIIIIII");
  f.FillObject()->SetFillStyle(sfBrush);
  f.FillObject()->Brush()->SetColor(vcl::clLime);
  f.SetPercentValue(50);
  vcl::TBitmap bmp;
  bmp.SetSize(120, 40);
  auto paint = [&] {
    bmp.Canvas()->Brush()->SetColor(vcl::clWhite);
    bmp.Canvas()->FillRect(TRect{0, 0, 120, 40});
    f.DrawBar(bmp.Canvas(), TRect{0, 0, 60, 40}, TRect{60, 0, 120, 40}, TRect{0, 0, 120, 40});
  };
  auto count = [&](const TRect& r, vcl::TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += bmp.Canvas()->Pixels(x, y) == c;
    return n;
  };
  paint();
  const TRect bar{0, 0, 60, 40}, rest{60, 0, 120, 40};
  EXPECT_GT(count(bar, vcl::clLime), 1200);
  EXPECT_GT(count(bar, vcl::clYellow), 10);  // text over the bar in the control's colour
  EXPECT_GT(count(rest, vcl::clLime), 10);   // over the empty part in the brush's colour
  EXPECT_EQ(count(rest, vcl::clBlack), 0);
  f.FillObject()->SetFillStyle(sfGradient);
  paint();
  EXPECT_GT(count(rest, vcl::clBlack), 10);  // the font's colour beside a gradient
  EXPECT_EQ(count(rest, vcl::clLime), 0);

  f.SetBar3D(lsLowered);
  f.SetBrushBackColor(vcl::clRed);
  f.FillObject()->SetFillStyle(sfBrush);
  const std::string bytes = vcl::WriteComponentToBytes(&f);
  const std::string text = vcl::ObjectBinaryToTextString(bytes);
  for (const char* want :
       {"Bar3D = lsLowered", "BrushBackColor = clRed", "FillObject.Brush.Color = clLime",
        "Position = 50", "OptionsText = toCaption"})
    EXPECT_NE(text.find(want), std::string::npos) << want << "\n" << text;
  for (const char* absent : {"Transparent", "Style", "BarColor", "SmallBar", "Delta"})
    EXPECT_EQ(text.find(std::string("  ") + absent + " = "), std::string::npos) << absent;
  TFillProbe g(nullptr);
  vcl::ReadComponentFromBytes(bytes, &g);
  EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&g)), text);
}

TEST(ProgressFillTest, ImageListItemFillsTheBar) {
  filltest::THostSession host;
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host.MakeHost(panel));
  auto* list = imagetest::MakeFrames(form.get(), 2);  // red, lime
  auto* f = new TZYLProgressFill(form.get());
  f->Bevel()->SetBevelStyleOuter(bvNone);
  f->SetBounds(10, 10, 100, 20);
  f->FillObject()->SetFillStyle(sfBitmapList);
  f->SetParent(panel);
  f->SetImageList(list);
  f->SetPercentValue(40);
  form->Show();
  filltest::THostSession::Idle();
  auto cap = filltest::THostSession::Capture(panel);
  EXPECT_EQ(At(cap, 10 + 20, 20), vcl::clRed);
  EXPECT_EQ(At(cap, 10 + 60, 20), filltest::RGBOf(f->Color()));
  f->SetIndex(0, 1);
  filltest::THostSession::Idle();
  EXPECT_EQ(At(filltest::THostSession::Capture(panel), 10 + 20, 20), vcl::clLime);
  f->SetIndex(0, 9);  // no such image
  EXPECT_TRUE(f->FillObject()->GetEmpty());
}

TEST(MetersExampleTest, EveryProgressBarIsReadAndPaints) {
  filltest::THostSession host;
  vcl::RegisterStandardControls();
  ZYLProgressUnit.Init();
  ZYLProgressFillUnit.Init();
  auto form = exampletest::ReadExample("meters.txt");
  ZYLProgressFillUnit.FInit();
  ZYLProgressUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLProgress"], 10);
  EXPECT_EQ(count["TZYLProgressFill"], 5);
  auto* vertical = dynamic_cast<TZYLProgress*>(form->FindComponent("SegmentsUp"));
  ASSERT_NE(vertical, nullptr);
  EXPECT_EQ(vertical->Direction(), mdVerticalReverse);
  EXPECT_EQ(vertical->Position(), 70);
  auto* solid = dynamic_cast<TZYLProgress*>(form->FindComponent("SolidPercent"));
  ASSERT_NE(solid, nullptr);
  EXPECT_EQ(solid->Style(), pgBar);
  EXPECT_EQ(solid->OptionsText(), toPercent);
  auto* gradient = dynamic_cast<TZYLProgressFill*>(form->FindComponent("FillGradient"));
  ASSERT_NE(gradient, nullptr);
  EXPECT_EQ(gradient->FillObject()->Style(), sfGradient);

  form->Show();
  filltest::THostSession::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_EQ(At(cap, solid->Left() + 4, solid->Top() + 4), filltest::RGBOf(solid->BarColor()));
  EXPECT_GT(exampletest::ColourCount(cap), 30u);
  form.reset();
}

}  // namespace
}  // namespace zyl
