// The scrolling text: steps and pass ends on the virtual clock, starting and stopping, the
// setters that stop, the timer kinds, the text block's geometry, bold runs, what it paints
// (opaque, transparent, with a bevel) and streaming.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLScrollText.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLProcs.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Clock.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Thread.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/ImageTestSupport.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/RaisingHandler.h"
#include "tests/support/StreamCopy.h"
#include "tests/support/WakeSignal.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::RGBOf;
using filltest::TPicturePanel;
using vcl::TRect;
namespace tk = win::testkit;

// Records the events of a scrolling text: the step counter at each painted step.
struct Recorder : vcl::TObject {
  TZYLScrollText* S = nullptr;
  std::vector<int> Steps;
  int Starts = 0;
  int Stops = 0;
  void Scroll(vcl::TObject*) { Steps.push_back(S->StepCounter()); }
  void Start(vcl::TObject*) { ++Starts; }
  void Stop(vcl::TObject*) { ++Stops; }
  void Attach(TZYLScrollText* T) {
    S = T;
    T->SetOnScroll(vcl::TNotifyEvent(this, &Recorder::Scroll));
    T->SetOnStart(vcl::TNotifyEvent(this, &Recorder::Start));
    T->SetOnStop(vcl::TNotifyEvent(this, &Recorder::Stop));
  }
};

// Collects the runs drawn for one frame.
struct RunLog {
  std::vector<TZYLScrollText::TRun> Runs;
  static void Hook(void* Data, const TZYLScrollText::TRun& R) {
    static_cast<RunLog*>(Data)->Runs.push_back(R);
  }
  const TZYLScrollText::TRun* Find(const std::string& Text) const {
    for (const auto& r : Runs)
      if (r.Text == Text) return &r;
    return nullptr;
  }
  // Logs the runs S draws, S set to W x H without lines.
  void Watch(TZYLScrollText& S, int W, int H) {
    S.SetRunHook(&RunLog::Hook, this);
    S.SetBounds(0, 0, W, H);
    S.Lines()->Clear();
  }
};

std::vector<int> Range(int From, int To) {
  std::vector<int> v;
  for (int i = From; i <= To; ++i) v.push_back(i);
  return v;
}

class ScrollTextTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  std::unique_ptr<vcl::TComponent> owner_{new vcl::TComponent(nullptr)};
  static void Idle() { filltest::THostSession::Idle(); }
  static void Ticks(int n, int Interval = 100) { tk::AdvanceClock(uint64_t(n) * Interval); }
  // A scrolling text owned by a fresh picture host of W x H, at the given bounds.
  TZYLScrollText* OnHost(int W = 160, int H = 120) {
    form_.reset(host_.MakeHost(panel, W, H));
    return new TZYLScrollText(form_.get());
  }
  // Puts S on the host's panel and shows it.
  void Show(TZYLScrollText* S) {
    S->SetParent(panel);
    form_->Show();
    Idle();
  }
  tk::TCapture Shot() {
    Idle();
    return filltest::THostSession::Capture(panel);
  }
  std::unique_ptr<vcl::TForm> form_;
  TPicturePanel* panel = nullptr;
  TZYLScrollText* Make(Recorder& R) {
    auto* s = new TZYLScrollText(owner_.get());
    R.Attach(s);
    return s;
  }
};

TEST_F(ScrollTextTest, LoopPaintsOneStepBeyondThePassThenRestarts) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->Execute();
  EXPECT_TRUE(s->Scroll());
  EXPECT_EQ(r.Starts, 1);
  EXPECT_TRUE(s->Timer()->Enabled());
  EXPECT_EQ(s->Timer()->Interval(), 100);
  Ticks(101);
  std::vector<int> want = Range(0, 101);
  EXPECT_EQ(r.Steps, want);
  EXPECT_EQ(s->StepCounter(), 0);  // restarted after painting 101
  Ticks(2);
  want.push_back(1);
  want.push_back(2);
  EXPECT_EQ(r.Steps, want);
  EXPECT_TRUE(s->Scroll());
  EXPECT_EQ(r.Stops, 0);
}

// An OnScroll that raises on the first frame hands its error back to the caller of Execute,
// and the text scrolls on: its timer runs and the next steps come.
TEST_F(ScrollTextTest, ARaisingFirstOnScrollLeavesTheRunGoing) {
  testsupport::TRaisingHandler raising;
  auto* s = new TZYLScrollText(owner_.get());
  s->SetOnScroll(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  EXPECT_THROW(s->Execute(), testsupport::EHandlerFailed);
  raising.Armed = false;
  EXPECT_TRUE(s->Scroll());
  EXPECT_TRUE(s->Timer()->Enabled());
  Ticks(3);
  EXPECT_EQ(s->StepCounter(), 3);
  EXPECT_EQ(raising.Calls, 4);
}

TEST_F(ScrollTextTest, OnceStopsRightAfterTheStepBeyondThePass) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->SetStyle(ssOnce);
  s->SetSteps(10);
  s->Execute();
  Ticks(20);
  EXPECT_EQ(r.Steps, Range(0, 11));
  EXPECT_FALSE(s->Scroll());
  EXPECT_FALSE(s->Timer()->Enabled());
  EXPECT_EQ(r.Stops, 1);
  EXPECT_EQ(s->StepCounter(), 0);
}

TEST_F(ScrollTextTest, LoopReverseFlipsTheDirectionAndStartsAtStepZero) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->SetStyle(ssLoopReverse);
  s->Execute();
  Ticks(101);
  EXPECT_EQ(r.Steps.back(), 101);
  // 100 - 101: the next tick paints step 0 of the reversed pass.
  EXPECT_EQ(s->StepCounter(), -1);
  EXPECT_EQ(s->Direction(), sdTopToBottom);
  EXPECT_TRUE(s->Scroll());  // turning round is no stop
  Ticks(1);
  EXPECT_EQ(r.Steps.back(), 0);
  Ticks(101);
  EXPECT_EQ(r.Steps.back(), 101);
  EXPECT_EQ(s->Direction(), sdBottomToTop);
  EXPECT_EQ(r.Stops, 0);
  // Mid-pass: the counter is mirrored; the horizontal directions swap as well.
  s->SetDirection(sdLeftToRight);
  s->ExecuteEnh(30);
  s->Reverse();
  EXPECT_EQ(s->StepCounter(), 70);
  EXPECT_EQ(s->Direction(), sdRightToLeft);
  s->Reverse();
  EXPECT_EQ(s->Direction(), sdLeftToRight);
}

TEST_F(ScrollTextTest, StartStepsAndWhatKeepsAStartFromHappening) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->ExecuteEnh(50);
  EXPECT_EQ(s->StepCounter(), 50);
  EXPECT_EQ(r.Steps, std::vector<int>{50});
  s->ExecuteEnh(99);
  EXPECT_EQ(s->StepCounter(), 99);
  EXPECT_EQ(r.Stops, 1);  // a running scroll is stopped first
  for (int start : {100, -1, 1000}) {
    s->ExecuteEnh(start);
    EXPECT_EQ(s->StepCounter(), 0) << start;
  }
  s->Stop();
  // Nothing to show: no start.
  s->Lines()->Clear();
  EXPECT_TRUE(s->GetEmpty());
  const int starts = r.Starts;
  s->Execute();
  EXPECT_FALSE(s->Scroll());
  EXPECT_EQ(r.Starts, starts);
  // Hidden: shown only with MakeVisible.
  s->Lines()->Add("text");
  s->SetVisible(false);
  s->SetBool(0, false);
  s->Execute();
  EXPECT_FALSE(s->Scroll());
  EXPECT_FALSE(s->Visible());
  s->SetBool(0, true);
  s->SetBool(1, true);  // Scroll := true starts
  EXPECT_TRUE(s->Scroll());
  EXPECT_TRUE(s->Visible());
  const int stops = r.Stops;
  s->SetBool(1, false);
  EXPECT_FALSE(s->Scroll());
  EXPECT_EQ(r.Stops, stops + 1);
  s->Stop();  // not running: nothing
  EXPECT_EQ(r.Stops, stops + 1);
  // An OnStart handler that stops again leaves the timer off.
  struct Stopper : vcl::TObject {
    void Start(vcl::TObject* Sender) { static_cast<TZYLScrollText*>(Sender)->Stop(); }
  } stopper;
  s->SetOnStart(vcl::TNotifyEvent(&stopper, &Stopper::Start));
  r.Steps.clear();
  s->Execute();
  EXPECT_FALSE(s->Scroll());
  EXPECT_FALSE(s->Timer()->Enabled());
  EXPECT_TRUE(r.Steps.empty());
}

TEST_F(ScrollTextTest, SettersThatStopTheScroll) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->Execute();
  // Unchanged values, Alignment, MakeVisible and refused values keep it running.
  s->SetDirection(sdBottomToTop);
  s->SetStyle(ssLoop);
  s->SetMode(smMarquee);
  s->SetInterval(100);
  s->SetSteps(100);
  s->SetSteps(0);
  s->SetSteps(-5);
  s->SetTimerMode(tmNormal);
  s->SetBool(2, false);
  s->SetAlignment(vcl::taLeftJustify);
  s->SetBool(0, false);
  EXPECT_TRUE(s->Scroll());
  EXPECT_EQ(s->Steps(), 100);
  EXPECT_EQ(r.Stops, 0);
  s->Stop();
  const std::function<void()> stoppers[] = {[&] { s->SetDirection(sdLeftToRight); },
                                            [&] { s->SetStyle(ssOnce); },
                                            [&] { s->SetMode(smTicker); },
                                            [&] { s->SetInterval(40); },
                                            [&] { s->SetSteps(7); },
                                            [&] { s->SetBool(2, true); },
                                            [&] { s->SetTimerMode(tmGlobalTimer); }};
  for (const auto& stop : stoppers) {
    s->Execute();
    ASSERT_TRUE(s->Scroll());
    stop();
    EXPECT_FALSE(s->Scroll());
  }
  EXPECT_EQ(r.Stops, 8);
  s->SetInterval(0);
  EXPECT_EQ(s->Interval(), 1);
  s->SetInterval(70000);
  EXPECT_EQ(s->Interval(), 65535);
}

TEST_F(ScrollTextTest, ExactlyOneTimerOfTheMode) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->SetSteps(1000);
  s->SetInterval(200);
  s->SetTimerMode(tmGlobalTimer);
  ASSERT_NE(s->Timer(), nullptr);
  EXPECT_TRUE(s->Timer()->Global());
  EXPECT_EQ(s->HiTimer(), nullptr);
  s->Execute();
  Ticks(3, 200);
  EXPECT_EQ(r.Steps, Range(0, 3));
  s->SetTimerMode(tmHiTimer);
  EXPECT_EQ(s->Timer(), nullptr);
  ASSERT_NE(s->HiTimer(), nullptr);
  EXPECT_FALSE(s->HiTimer()->UseThread());
  EXPECT_FALSE(s->HiTimer()->Enabled());
  s->SetThreadPriority(vcl::tpHigher);
  r.Steps.clear();
  s->Execute();
  EXPECT_TRUE(s->HiTimer()->Enabled());
  EXPECT_EQ(s->HiTimer()->Interval(), 200);
  EXPECT_EQ(s->HiTimer()->ThreadPriority(), vcl::tpHigher);
  Ticks(2, 200);
  EXPECT_EQ(r.Steps, Range(0, 2));
  s->SetTimerMode(tmThreaded);
  ASSERT_NE(s->HiTimer(), nullptr);
  EXPECT_TRUE(s->HiTimer()->UseThread());
  EXPECT_FALSE(s->HiTimer()->Enabled());
  s->SetTimerMode(tmNormal);
  EXPECT_EQ(s->HiTimer(), nullptr);
  ASSERT_NE(s->Timer(), nullptr);
  EXPECT_FALSE(s->Timer()->Global());
}

TEST_F(ScrollTextTest, DestroyingARunningScrollRaisesNoStop) {
  Recorder r;
  TZYLScrollText* s = Make(r);
  s->Execute();
  delete s;
  EXPECT_EQ(r.Stops, 0);
  Ticks(3);  // its timer went with it
  EXPECT_EQ(r.Steps.size(), 1u);
}

TEST_F(ScrollTextTest, DimensionsFollowTheModeLinesAndFonts) {
  TZYLScrollText s(nullptr);
  s.Lines()->Clear();
  s.Lines()->Add("short");
  s.Lines()->Add("a much longer line");
  s.Lines()->Add("mid line");
  vcl::TFont* f = s.Font();
  const int lh = ZYLGet3DTextHeight(s.Font3D(), f);
  ASSERT_GT(lh, 0);
  EXPECT_EQ(s.LineHeight(), lh);
  EXPECT_EQ(s.TextHeight(), 3 * lh);
  EXPECT_EQ(s.TextWidth(), ZYLGet3DTextWidth("a much longer line", s.Font3D(), f));
  // Ticker: every line followed by one blank, on one line.
  EXPECT_EQ(s.GetAsTickerText(), "short a much longer line mid line ");
  s.SetMode(smTicker);
  EXPECT_EQ(s.TextHeight(), lh);
  EXPECT_EQ(s.TextWidth(), ZYLGet3DTextWidth("short a much longer line mid line ", s.Font3D(), f));
  s.SetMode(smMarquee);
  EXPECT_EQ(s.TextHeight(), 3 * lh);
  // The tags are measured as they stand.
  s.Lines()->Add("<b>a much longer line</b>!");
  EXPECT_EQ(s.TextWidth(), ZYLGet3DTextWidth("<b>a much longer line</b>!", s.Font3D(), f));
  EXPECT_EQ(s.TextHeight(), 4 * lh);
  // A larger font and a 3D depth make the lines taller.
  f->SetSize(20);
  EXPECT_GT(s.LineHeight(), lh);
  const int big = s.LineHeight();
  EXPECT_EQ(big, ZYLGet3DTextHeight(s.Font3D(), f));
  s.Font3D()->SetStyle(tdRaised);
  s.Font3D()->SetDepth(1, 4);
  EXPECT_GT(s.LineHeight(), big);
  EXPECT_EQ(s.TextHeight(), 4 * s.LineHeight());
  // No lines: no block.
  s.Lines()->Clear();
  EXPECT_EQ(s.TextHeight(), 0);
  EXPECT_EQ(s.TextWidth(), 0);
}

TEST_F(ScrollTextTest, APassRunsFromJustOutsideOneEdgeToJustOutsideTheOther) {
  TZYLScrollText s(nullptr);
  s.SetBounds(0, 0, 101, 41);  // odd sizes: half steps end in .5
  s.Lines()->Clear();
  s.Lines()->Add("abc");
  s.SetSteps(2);
  const int th = s.TextHeight(), tw = s.TextWidth();
  ASSERT_LT(tw, 101);
  ASSERT_LT(th, 41);
  const int xo = (101 - tw) / 2, yo = (41 - th) / 2;
  auto at = [&](TZYLScrollDirection D, int Step) {
    s.SetDirection(D);
    s.ExecuteEnh(Step);
    EXPECT_EQ(s.InnerWidth(), 101);
    EXPECT_EQ(s.InnerHeight(), 41);
    return s.TextOrigin();
  };
  EXPECT_EQ(at(sdBottomToTop, 0), (vcl::TPoint{xo, 41}));
  EXPECT_EQ(at(sdTopToBottom, 0), (vcl::TPoint{xo, -th}));
  EXPECT_EQ(at(sdLeftToRight, 0), (vcl::TPoint{-tw, yo}));
  EXPECT_EQ(at(sdRightToLeft, 0), (vcl::TPoint{101, yo}));
  // Half way: (size + text) / 2 rounded with halves to even.
  auto half = [](int n) { return static_cast<int>(vcl::Round(n / 2.0)); };
  EXPECT_EQ(at(sdBottomToTop, 1).Y, half(th + 41) - th);
  EXPECT_EQ(at(sdLeftToRight, 1).X, half(tw + 101) - tw);
  // The end of the pass, reached by the ticks.
  s.SetDirection(sdBottomToTop);
  s.Execute();
  Ticks(2);
  EXPECT_EQ(s.TextOrigin(), (vcl::TPoint{xo, -th}));
  s.Stop();
  // A block larger than the area is not centred.
  s.SetBounds(0, 0, 10, 4);
  s.SetDirection(sdLeftToRight);
  s.ExecuteEnh(0);
  EXPECT_EQ(s.TextOrigin(), (vcl::TPoint{-tw, 0}));
  s.SetDirection(sdTopToBottom);
  s.ExecuteEnh(0);
  EXPECT_EQ(s.TextOrigin(), (vcl::TPoint{0, -th}));
}

TEST_F(ScrollTextTest, BoldRunsAndTheirPlaces) {
  TZYLScrollText s(nullptr);
  RunLog log;
  log.Watch(s, 300, 60);
  s.Lines()->Add("plain <b>bold</b> tail");
  s.SetSteps(2);
  s.ExecuteEnh(1);  // the line stands in the middle
  ASSERT_EQ(log.Runs.size(), 3u);
  EXPECT_EQ(log.Runs[0].Text, "plain ");
  EXPECT_FALSE(log.Runs[0].Bold);
  EXPECT_EQ(log.Runs[1].Text, "bold");
  EXPECT_TRUE(log.Runs[1].Bold);
  EXPECT_EQ(log.Runs[2].Text, " tail");
  EXPECT_FALSE(log.Runs[2].Bold);
  // Each run starts where the one before ends as measured in its own style.
  vcl::TFont plain;
  plain.Assign(s.Font());
  vcl::TFont bold;
  bold.Assign(s.Font());
  bold.SetStyle(vcl::TFontStyles{vcl::fsBold});
  auto width = [&](const std::string& t, vcl::TFont* f) {
    TRect r{0, 0, 0, 0};
    ZYLDrawTextCalc(t, s.Font3D(), r, f, false, false, 0, 0x20 | 0x800);
    return r.Right - r.Left;
  };
  const int w0 = width("plain ", &plain), w1 = width("bold", &bold), w2 = width(" tail", &plain);
  EXPECT_EQ(log.Runs[1].X, log.Runs[0].X + w0);
  EXPECT_EQ(log.Runs[2].X, log.Runs[1].X + w1);
  // Centred in the area by the runs' own widths.
  EXPECT_EQ(log.Runs[0].X, (300 - (w0 + w1 + w2)) / 2);
  log.Runs.clear();
  s.SetAlignment(vcl::taRightJustify);
  s.ExecuteEnh(1);
  ASSERT_EQ(log.Runs.size(), 3u);
  EXPECT_EQ(log.Runs[2].X + w2, 300);
  log.Runs.clear();
  s.SetAlignment(vcl::taLeftJustify);
  s.ExecuteEnh(1);
  ASSERT_EQ(log.Runs.size(), 3u);
  EXPECT_EQ(log.Runs[0].X, 0);
  // Horizontal: the line's rectangle starts at the block's origin.
  log.Runs.clear();
  s.SetDirection(sdRightToLeft);
  s.ExecuteEnh(1);
  ASSERT_FALSE(log.Runs.empty());
  EXPECT_EQ(log.Runs[0].X, s.TextOrigin().X);
  // Tags only, and tags next to each other, give no empty runs.
  log.Runs.clear();
  s.Lines()->SetText("<b></b><b>x</b>\r\n</b><b>");
  s.SetDirection(sdBottomToTop);
  s.ExecuteEnh(1);
  ASSERT_EQ(log.Runs.size(), 1u);
  EXPECT_EQ(log.Runs[0].Text, "x");
  EXPECT_TRUE(log.Runs[0].Bold);
}

TEST_F(ScrollTextTest, AnOpenBoldTagCarriesOverLinesEvenWhenTheyAreNotDrawn) {
  TZYLScrollText s(nullptr);
  RunLog log;
  log.Watch(s, 200, 20);
  for (const char* l : {"<b>first", "second", "third", "fourth</b> done"}) s.Lines()->Add(l);
  ASSERT_GT(s.LineHeight(), 0);
  ASSERT_LT(s.LineHeight(), 20);
  bool sawHiddenFirst = false;
  for (int step = 0; step < 100; ++step) {
    log.Runs.clear();
    s.ExecuteEnh(step);
    for (const char* t : {"first", "second", "third", "fourth"}) {
      const auto* r = log.Find(t);
      if (r) {
        EXPECT_TRUE(r->Bold) << t << " at step " << step;
      }
    }
    if (const auto* r = log.Find(" done")) {
      EXPECT_FALSE(r->Bold) << step;
    }
    if (!log.Find("first") && (log.Find("third") || log.Find("fourth"))) sawHiddenFirst = true;
  }
  EXPECT_TRUE(sawHiddenFirst);
  // Ticker: one line, the same rules, no alignment.
  log.Runs.clear();
  s.SetMode(smTicker);
  s.SetDirection(sdLeftToRight);
  s.SetAlignment(vcl::taRightJustify);
  s.SetSteps(2);
  s.ExecuteEnh(1);
  ASSERT_EQ(log.Runs.size(), 2u);
  EXPECT_EQ(log.Runs[0].Text, "first second third fourth");
  EXPECT_TRUE(log.Runs[0].Bold);
  EXPECT_EQ(log.Runs[1].Text, " done ");
  EXPECT_FALSE(log.Runs[1].Bold);
  EXPECT_EQ(log.Runs[0].X, s.TextOrigin().X);
}

// ---- Painting ----

// Pixels inside R of the capture equal to Colour.
int CountColour(const tk::TCapture& Cap, const TRect& R, vcl::TColor Colour) {
  int n = 0;
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (At(Cap, x, y) == RGBOf(Colour)) ++n;
  return n;
}

TEST_F(ScrollTextTest, PaintsTheStepsOverItsColourInsideTheBevel) {
  auto* s = OnHost(200, 80);
  s->SetBounds(10, 10, 160, 40);
  s->SetParentColor(false);
  s->SetColor(vcl::clSilver);
  s->Font()->SetColor(vcl::clNavy);
  s->Font()->SetSize(14);
  s->Lines()->SetText("HHHH");
  s->Bevel()->SetBevelStyleOuter(bvRaised);
  s->SetDirection(sdLeftToRight);
  s->SetSteps(2);
  Show(s);
  const int ext = s->BevelExt();
  ASSERT_GT(ext, 0);
  const TRect inner{10 + ext, 10 + ext, 170 - ext, 50 - ext};
  const int area = inner.Width() * inner.Height();
  // Step 0: the text waits just outside the left edge.
  auto cap = Shot();
  EXPECT_EQ(CountColour(cap, inner, vcl::clSilver), area);
  EXPECT_EQ(At(cap, 10, 10), RGBOf(vcl::clBtnHighlight));  // the bevel stays
  EXPECT_EQ(At(cap, 5, 5), RGBOf(panel->Back->Canvas()->Pixels(5, 5)));
  // Half way: the text is in the middle, in the font's colour.
  s->Execute();
  Ticks(1);
  cap = Shot();
  EXPECT_GT(CountColour(cap, inner, vcl::clNavy), 20);
  EXPECT_EQ(
      CountColour(cap, TRect{inner.Left, inner.Top, inner.Left + 20, inner.Bottom}, vcl::clNavy),
      0);
  EXPECT_EQ(At(cap, 10, 10), RGBOf(vcl::clBtnHighlight));
  // End of the pass: out at the right edge again.
  Ticks(1);
  cap = Shot();
  EXPECT_EQ(CountColour(cap, inner, vcl::clSilver), area);
  // Disabled text is not drawn in the font's colour.
  s->Stop();
  s->ExecuteEnh(1);
  s->SetEnabled(false);
  s->Stop();
  s->ExecuteEnh(1);
  cap = Shot();
  EXPECT_EQ(CountColour(cap, inner, vcl::clNavy), 0);
  EXPECT_LT(CountColour(cap, inner, vcl::clSilver), area);
}

TEST_F(ScrollTextTest, DesignTimeFrameOnlyWhenStoppedAndWithoutBevel) {
  auto* s = OnHost();
  s->SetBounds(10, 10, 100, 30);
  s->SetParentColor(false);
  s->SetColor(vcl::clSilver);
  s->Lines()->Clear();  // nothing but the background
  Show(s);
  auto edge = [&] { return CountColour(Shot(), TRect{10, 10, 110, 11}, vcl::clSilver); };
  EXPECT_EQ(edge(), 100);
  s->SetDesigning(true, false);
  s->Invalidate();
  EXPECT_LT(edge(), 100);
  s->Bevel()->SetBevelStyleOuter(bvLowered);
  s->Bevel()->SetBevelStyleOuter(bvNone);
  EXPECT_LT(edge(), 100);
  s->Lines()->Add("x");
  s->Execute();
  s->Invalidate();
  EXPECT_EQ(edge(), 100);  // not while scrolling
  s->SetBool(1, false);    // stopping at design time repaints with the frame
  EXPECT_LT(edge(), 100);
}

TEST_F(ScrollTextTest, OneRepaintPerSettingsChange) {
  Recorder r;
  auto* s = OnHost();
  r.Attach(s);
  Show(s);
  r.Steps.clear();
  auto paints = [&](auto Change) {
    r.Steps.clear();
    Change();
    Idle();
    return r.Steps.size();
  };
  EXPECT_EQ(paints([&] { s->Font3D()->SetStyle(tdRaised); }), 1u);
  EXPECT_EQ(paints([&] { s->Lines()->Add("two"); }), 1u);
  EXPECT_EQ(paints([&] { s->Bevel()->SetBevelStyleOuter(bvLowered); }), 1u);
  EXPECT_EQ(paints([&] { s->Font()->SetColor(vcl::clRed); }), 1u);
  EXPECT_EQ(paints([&] { s->SetAlignment(vcl::taLeftJustify); }), 1u);
  EXPECT_EQ(paints([&] { s->SetAlignment(vcl::taLeftJustify); }), 0u);
  // While scrolling an alignment change waits for the next step.
  s->Execute();
  EXPECT_EQ(paints([&] { s->SetAlignment(vcl::taRightJustify); }), 0u);
  EXPECT_EQ(paints([&] { s->SetBool(0, false); }), 0u);
  s->Stop();
}

TEST_F(ScrollTextTest, TransparentShowsTheParentUnderTheText) {
  auto* s = OnHost();
  s->SetBounds(20, 30, 100, 30);
  s->SetSteps(2);
  s->SetParent(panel);
  s->SetBool(2, true);
  EXPECT_TRUE(s->Transparent());
  EXPECT_FALSE(s->ControlStyle().contains(vcl::csOpaque));
  EXPECT_TRUE(s->BackRefresh());
  form_->Show();
  Idle();
  EXPECT_FALSE(s->BackRefresh());
  EXPECT_EQ(s->BackBitmap()->Width(), 100);
  EXPECT_EQ(s->BackBitmap()->Height(), 30);
  auto back = [&](int x, int y) { return panel->Back->Canvas()->Pixels(x, y); };
  auto cap = Shot();
  EXPECT_EQ(imagetest::Mismatches(cap, TRect{20, 30, 120, 60}, back), 0);
  // While the text passes, the pixels beside it are still the parent's.
  s->Execute();
  Ticks(1);
  cap = Shot();
  EXPECT_GT(imagetest::Mismatches(cap, TRect{20, 30, 120, 60}, back), 0);
  EXPECT_EQ(imagetest::Mismatches(cap, TRect{20, 30, 22, 60}, back), 0);
  // Moving marks the background for capture again; opaque again drops the saved copy.
  s->SetBounds(24, 30, 100, 30);
  EXPECT_TRUE(s->BackRefresh());
  Idle();
  s->SetBool(2, false);
  EXPECT_TRUE(s->ControlStyle().contains(vcl::csOpaque));
  EXPECT_TRUE(s->BackBitmap()->Empty());
  // An opaque control's background change leaves the flag alone.
  s->BackUpdate();
  EXPECT_FALSE(s->BackRefresh());
}

TEST_F(ScrollTextTest, TransparentOverASuppliedBackgroundLinesUpInsideTheBevel) {
  imagetest::TBackPanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(imagetest::MakeBackHost(panel));
  auto back = [&](int x, int y) { return panel->Bmp->Canvas()->Pixels(x, y); };
  auto* s = new TZYLScrollText(form.get());
  s->SetBounds(30, 20, 90, 40);
  s->Bevel()->SetBevelStyleOuter(bvLowered);
  s->Bevel()->SetBorderWidth(2);
  s->SetBool(2, true);
  s->SetParent(panel);
  form->Show();
  Idle();
  const int ext = s->BevelExt();
  ASSERT_GT(ext, 0);
  EXPECT_EQ(s->BackBitmap()->Width(), 90 - 2 * ext);
  auto cap = win::testkit::CaptureWindow(panel->Handle(), false);
  // Step 0 shows no text: inside the bevel exactly the supplied background.
  EXPECT_EQ(imagetest::Mismatches(cap, TRect{30 + ext, 20 + ext, 120 - ext, 60 - ext}, back), 0);
  // A background change takes the copy again.
  s->BackUpdate();
  EXPECT_TRUE(s->BackRefresh());
  Idle();
  EXPECT_FALSE(s->BackRefresh());
}

// ---- Streaming ----

TEST_F(ScrollTextTest, ExampleFormReadsEveryControlAndPaints) {
  ZYLScrollTextUnit.Init();
  auto form = exampletest::ReadExample("scrolltext.txt");
  ZYLScrollTextUnit.FInit();
  std::map<std::string, int> count;
  std::vector<TZYLScrollText*> texts;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    ++count[form->Components(i)->ClassName()];
    if (auto* t = dynamic_cast<TZYLScrollText*>(form->Components(i))) texts.push_back(t);
  }
  EXPECT_EQ(count["TZYLScrollText"], 8);
  auto* ticker = dynamic_cast<TZYLScrollText*>(form->FindComponent("Ticker"));
  ASSERT_NE(ticker, nullptr);
  EXPECT_EQ(ticker->ScrollMode(), smTicker);
  EXPECT_EQ(ticker->Direction(), sdRightToLeft);
  auto* credits = dynamic_cast<TZYLScrollText*>(form->FindComponent("Credits"));
  ASSERT_NE(credits, nullptr);
  EXPECT_GT(credits->Lines()->GetCount(), 3);
  EXPECT_EQ(credits->Font3D()->Style(), tdRaised);
  form->Show();
  Idle();
  for (auto* t : texts) {
    SCOPED_TRACE(t->Name());
    EXPECT_FALSE(t->Scroll());
    EXPECT_GT(t->LineHeight(), 0);
    EXPECT_GT(t->InnerWidth(), 0);  // painted
  }
}

// Lines changed one after another on a shown scrolling text: the text block and the next
// painted frame follow every change, as if the lines had been set at once.
struct TLinesEdit {
  const char* name;
  std::function<void(vcl::TStrings*)> edit;
  std::vector<std::string> lines;  // the lines after the edit
};

class ScrollTextLinesEdit : public ScrollTextTest,
                            public ::testing::WithParamInterface<TLinesEdit> {};

TEST_P(ScrollTextLinesEdit, BlockAndFrameFollowTheLines) {
  auto* s = OnHost(300, 200);
  s->SetBounds(0, 0, 300, 200);
  RunLog log;
  s->SetRunHook(&RunLog::Hook, &log);
  s->SetAlignment(vcl::taLeftJustify);
  s->SetSteps(2);
  Show(s);
  s->Lines()->Clear();
  for (const char* l : {"one", "two", "three"}) s->Lines()->Add(l);
  Idle();
  GetParam().edit(s->Lines());
  Idle();
  const std::vector<std::string>& want = GetParam().lines;
  const int lh = ZYLGet3DTextHeight(s->Font3D(), s->Font());
  int widest = 0;
  for (const std::string& l : want)
    widest = std::max(widest, ZYLGet3DTextWidth(l, s->Font3D(), s->Font()));
  EXPECT_EQ(s->TextHeight(), int(want.size()) * lh);
  EXPECT_EQ(s->TextWidth(), widest);
  // Half way through the pass the whole block stands inside: every line is drawn, in order.
  log.Runs.clear();
  s->ExecuteEnh(1);
  s->Stop();
  std::vector<std::string> drawn;
  for (const auto& r : log.Runs) drawn.push_back(r.Text);
  EXPECT_EQ(drawn, want);
}

std::vector<std::string> Numbered(int From, int To) {
  std::vector<std::string> v;
  for (int i = From; i <= To; ++i) v.push_back("line " + std::to_string(i));
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, ScrollTextLinesEdit,
    ::testing::Values(TLinesEdit{"AddedOneByOne",
                                 [](vcl::TStrings* l) {
                                   l->Clear();
                                   for (const std::string& t : Numbered(1, 12)) l->Add(t);
                                 },
                                 Numbered(1, 12)},
                      TLinesEdit{"LongerLineAddedLast",
                                 [](vcl::TStrings* l) { l->Add("a line longer than the others"); },
                                 {"one", "two", "three", "a line longer than the others"}},
                      TLinesEdit{"InsertedFirst",
                                 [](vcl::TStrings* l) { l->Insert(0, "zero"); },
                                 {"zero", "one", "two", "three"}},
                      TLinesEdit{
                          "WidestDeleted", [](vcl::TStrings* l) { l->Delete(2); }, {"one", "two"}},
                      TLinesEdit{"ChangedInPlace",
                                 [](vcl::TStrings* l) { l->Put(1, "a wider second line"); },
                                 {"one", "a wider second line", "three"}},
                      TLinesEdit{"InOneUpdate",
                                 [](vcl::TStrings* l) {
                                   l->BeginUpdate();
                                   l->Clear();
                                   for (const std::string& t : Numbered(1, 9)) l->Add(t);
                                   l->EndUpdate();
                                 },
                                 Numbered(1, 9)}),
    [](const auto& i) { return std::string(i.param.name); });

// A scrolling text starts with a line of its own; a user who empties the lines finds them empty
// when the form is opened again.
TEST_F(ScrollTextTest, EmptiedLinesComeBackEmptyFromAFormFile) {
  auto* s = new TZYLScrollText(owner_.get());
  ASSERT_EQ(s->Lines()->Count(), 1);
  s->Lines()->Clear();
  const std::unique_ptr<TZYLScrollText> copy = testsupport::StreamCopy(s);
  EXPECT_EQ(copy->Lines()->Count(), 0);
}

TEST_F(ScrollTextTest, LinesComeBackFromAStreamAsTheyWereWritten) {
  // A new control holds one line, its class name; whatever the lines were when written is what
  // a stream reads back into a new control, an emptied list too.
  const std::vector<std::vector<std::string>> cases = {
      {"TZYLScrollText"}, {}, {"first", "<b>second</b>"}, {""}, {"TZYLScrollText", "more"}};
  for (const auto& lines : cases) {
    SCOPED_TRACE(testing::PrintToString(lines));
    TZYLScrollText written(owner_.get());
    written.Lines()->Clear();
    for (const std::string& l : lines) written.Lines()->Add(l);
    const std::string bytes = vcl::WriteComponentToBytes(&written);
    TZYLScrollText read(owner_.get());
    vcl::ReadComponentFromBytes(bytes, &read);
    std::vector<std::string> got;
    for (int i = 0; i < read.Lines()->GetCount(); ++i) got.push_back(read.Lines()->Get(i));
    EXPECT_EQ(got, lines);
  }
}

// Frees the scrolling text from its event the n-th time the event comes.
struct TFreeFromEvent : vcl::TObject {
  TZYLScrollText* S = nullptr;
  int FreeAt = 1;
  int Calls = 0;
  void Hit(vcl::TObject*) {
    if (++Calls == FreeAt) delete std::exchange(S, nullptr);
  }
};

struct TFreedCase {
  const char* Name;
  TZYLTimerMode Mode;
  const char* Event;
  int FreeAt;  // the event that frees: the first comes as it starts, the second at a tick
};

TEST_F(ScrollTextTest, AControlFreedFromItsOwnEventIsLeftAlone) {
  const TFreedCase cases[] = {
      {"start event", tmNormal, "OnStart", 1},
      {"first step, as it starts", tmNormal, "OnScroll", 1},
      {"step of a tick of its own timer", tmNormal, "OnScroll", 2},
      {"step of a tick of the pool", tmGlobalTimer, "OnScroll", 2},
      {"step of a tick of the window timer", tmHiTimer, "OnScroll", 2},
      {"step of a tick of the worker", tmThreaded, "OnScroll", 2},
  };
  for (const TFreedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TZYLScrollText* s = OnHost();
    s->SetBounds(4, 4, 80, 30);
    s->Lines()->SetText("Going");
    s->SetTimerMode(c.Mode);
    Show(s);  // each step is drawn as it comes
    testsupport::TFreeProbe gone(s);
    TFreeFromEvent f;
    f.S = s;
    f.FreeAt = c.FreeAt;
    vcl::SetMethodProp(s, vcl::GetPropInfo(s, c.Event),
                       vcl::TNotifyEvent(&f, &TFreeFromEvent::Hit).Method());
    testsupport::TWakeSignal wake;
    s->Execute();
    if (c.FreeAt > 1 && c.Mode == tmThreaded) {
      // The worker's tick waits for the main thread.
      static_cast<win::TVirtualClock&>(win::CurrentClock()).Advance(100);
      ASSERT_TRUE(wake.WaitForWakeWithin(30000));
      EXPECT_TRUE(vcl::CheckSynchronize(0));
    } else if (c.FreeAt > 1) {
      Ticks(1);
    }
    EXPECT_EQ(gone.Times, 1);
    // Nothing comes after, and the form paints without it.
    Ticks(5);
    vcl::CheckSynchronize(0);
    Idle();
    EXPECT_EQ(f.Calls, c.FreeAt);
  }
}

}  // namespace
}  // namespace zyl
