// The spin button: how the arrow sets are laid out and hit, the press and the auto-repeat on
// the virtual clock, hot and pressed pictures, the scroll-bar look, and what ends a repeat.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLSpinButton.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using buttontest::THost;
using win::testkit::CountDifferentPixels;
using win::testkit::PixelsMatch;
using win::testkit::SamePixels;
namespace tk = win::testkit;

std::string Describe(const std::vector<TZYLSpinButton::TPart>& parts) {
  static const char* names[] = {"up", "down", "left", "right"};
  std::string s;
  for (const auto& p : parts) {
    if (!s.empty()) s += ' ';
    s += std::string(names[p.Kind]) + (p.Slanted ? (p.First ? "/" : "\\") : "") + "(" +
         std::to_string(p.Rect.Left) + "," + std::to_string(p.Rect.Top) + "," +
         std::to_string(p.Rect.Right) + "," + std::to_string(p.Rect.Bottom) + ")";
  }
  return s;
}

struct LayoutCase {
  TZYLSpinButtons Btns;
  bool Skew;
  int W, H;
  const char* Parts;
  // Points and the arrow each must hit ("-" none).
  std::vector<std::tuple<int, int, const char*>> Hits;
};

class SpinLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SpinLayout, PartsAndHits) {
  const LayoutCase& c = GetParam();
  TZYLSpinButton b(nullptr);
  b.SetBounds(0, 0, c.W, c.H);
  b.SetBtns(c.Btns);
  b.SetSkew(c.Skew);
  EXPECT_EQ(Describe(b.Layout()), c.Parts);
  static const char* names[] = {"up", "down", "left", "right"};
  std::string got, want;
  for (auto [x, y, w] : c.Hits) {
    TZYLSingleSpinButton part;
    got += std::string(b.PartAt(x, y, part) ? names[part] : "-") + " ";
    want += std::string(w) + " ";
  }
  EXPECT_EQ(got, want);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, SpinLayout,
    ::testing::Values(
        LayoutCase{{sbUp},
                   false,
                   20,
                   20,
                   "up(0,0,20,20)",
                   {{0, 0, "up"}, {19, 19, "up"}, {20, 5, "-"}, {-1, 5, "-"}}},
        LayoutCase{{sbUp, sbDown},
                   false,
                   20,
                   21,
                   "up(0,0,20,10) down(0,10,20,21)",
                   {{5, 9, "up"}, {5, 10, "down"}, {19, 20, "down"}}},
        LayoutCase{{sbLeft, sbRight},
                   false,
                   41,
                   16,
                   "left(0,0,20,16) right(20,0,41,16)",
                   {{19, 0, "left"}, {20, 15, "right"}, {40, 8, "right"}}},
        LayoutCase{{sbUp, sbDown, sbLeft, sbRight},
                   false,
                   60,
                   20,
                   "left(0,0,20,20) up(20,0,40,10) down(20,10,40,20) right(40,0,60,20)",
                   {{10, 10, "left"}, {30, 2, "up"}, {30, 15, "down"}, {50, 10, "right"}}},
        LayoutCase{{sbDown, sbRight},
                   false,
                   30,
                   10,
                   "down(0,0,15,10) right(15,0,30,10)",
                   {{14, 5, "down"}, {15, 5, "right"}}},
        // Slanted halves: the diagonal runs from the bottom-left to the top-right corner.
        LayoutCase{{sbUp, sbDown},
                   true,
                   20,
                   20,
                   "up/(0,0,20,20) down\\(0,0,20,20)",
                   {{2, 2, "up"},
                    {17, 17, "down"},
                    {18, 1, "up"},
                    {19, 3, "down"},
                    {3, 19, "down"},
                    {9, 9, "up"},
                    {10, 10, "down"}}},
        LayoutCase{{sbLeft, sbRight},
                   true,
                   40,
                   20,
                   "left/(0,0,40,20) right\\(0,0,40,20)",
                   {{5, 5, "left"}, {35, 15, "right"}}},
        LayoutCase{{sbLeft, sbUp, sbDown},
                   true,
                   40,
                   20,
                   "left(0,0,20,20) up/(20,0,40,20) down\\(20,0,40,20)",
                   {{19, 19, "left"}, {21, 1, "up"}, {39, 19, "down"}}},
        LayoutCase{{}, false, 20, 20, "", {{5, 5, "-"}}}));

// A spin button on the host panel, with a recorder on its four arrows.
class SpinButtonTest : public ::testing::Test {
 protected:
  SpinButtonTest() {
    spin_ = new TZYLSpinButton(host_.Form());
    spin_->SetName("Spin");
    spin_->SetBounds(20, 20, 20, 40);
    spin_->SetBtns({sbUp, sbDown});
    spin_->SetParent(host_.Panel());
    for (int p = sbUp; p <= sbRight; ++p)
      spin_->SetPartClick(TZYLSingleSpinButton(p), vcl::TNotifyEvent(&rec_, &Recorder::Part));
    THost::Idle();
  }
  // Logs "up", "down", ... by the arrow held at the moment.
  struct Recorder : buttontest::TRecorder {
    TZYLSpinButton* Spin = nullptr;
    void Part(vcl::TObject*) {
      static const char* names[] = {"up", "down", "left", "right"};
      for (int p = sbUp; p <= sbRight; ++p)
        if (Spin->IsPressed(TZYLSingleSpinButton(p))) Log.push_back(names[p]);
    }
  };
  void SetUp() override { rec_.Spin = spin_; }
  void Press(int x, int y) {
    const win::POINT p = THost::At(spin_, x, y);
    tk::MouseDown(p.X, p.Y);
  }
  void Release(int x, int y) {
    const win::POINT p = THost::At(spin_, x, y);
    tk::MouseUp(p.X, p.Y);
  }
  void Move(int x, int y) {
    const win::POINT p = THost::At(spin_, x, y);
    tk::MouseMove(p.X, p.Y);
  }
  THost host_;
  TZYLSpinButton* spin_ = nullptr;
  Recorder rec_;
};

TEST_F(SpinButtonTest, NewButtonDefaults) {
  TZYLSpinButton b(nullptr);
  EXPECT_EQ(b.Width(), 20);
  EXPECT_EQ(b.Height(), 20);
  EXPECT_EQ(b.Interval(), 100);
  EXPECT_EQ(b.Btns(), TZYLSpinButtons{sbUp});
  EXPECT_EQ(b.HotColor(), vcl::TColor(0x808000));
  EXPECT_FALSE(b.Skew());
  EXPECT_FALSE(b.ScrollBarMode());
  EXPECT_FALSE(b.Repeating());
  EXPECT_TRUE(b.ControlStyle().contains(vcl::csOpaque));
  for (int p = sbUp; p <= sbRight; ++p) EXPECT_FALSE(b.PartClick(TZYLSingleSpinButton(p)));
}

struct RepeatCase {
  uint16_t Interval;
  // Clock steps (ms) and the number of presses reported after each.
  std::vector<std::pair<int, int>> Steps;
};

class SpinRepeat : public SpinButtonTest, public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(SpinRepeat, FirstRepeatAfterIntervalPlus200ThenEveryInterval) {
  spin_->SetInterval(GetParam().Interval);
  Press(10, 5);
  EXPECT_EQ(rec_.Log.size(), 1u);  // the press itself
  EXPECT_TRUE(spin_->Repeating());
  int step = 0;
  for (auto [ms, want] : GetParam().Steps) {
    tk::AdvanceClock(ms);
    EXPECT_EQ(int(rec_.Log.size()), want) << "step " << step++;
  }
  Release(10, 5);
  EXPECT_FALSE(spin_->Repeating());
  const size_t held = rec_.Log.size();
  tk::AdvanceClock(2000);
  EXPECT_EQ(rec_.Log.size(), held);
  for (const std::string& e : rec_.Log) EXPECT_EQ(e, "up");
}

INSTANTIATE_TEST_SUITE_P(
    Intervals, SpinRepeat,
    ::testing::Values(RepeatCase{100, {{299, 1}, {1, 2}, {99, 2}, {1, 3}, {300, 6}}},
                      RepeatCase{50, {{249, 1}, {1, 2}, {50, 3}, {100, 5}}},
                      RepeatCase{400, {{599, 1}, {1, 2}, {400, 3}}}));

TEST_F(SpinButtonTest, TheLowerHalfFiresDownAndLeavingThePartPausesTheRepeat) {
  Press(10, 30);
  EXPECT_EQ(rec_.Take(), "down");
  Move(10, 5);  // onto the other arrow: the held one shows up and does not repeat
  EXPECT_FALSE(spin_->IsPressed(sbDown));
  tk::AdvanceClock(1000);
  EXPECT_EQ(rec_.Take(), "");
  Move(10, 30);  // back: repeating again on the next tick
  tk::AdvanceClock(100);
  EXPECT_EQ(rec_.Take(), "down");
  Release(10, 30);
}

TEST_F(SpinButtonTest, RightButtonAndDisabledButtonDoNothing) {
  const win::POINT p = THost::At(spin_, 10, 5);
  tk::MouseDown(p.X, p.Y, 1);
  tk::AdvanceClock(1000);
  tk::MouseUp(p.X, p.Y, 1);
  EXPECT_EQ(rec_.Take(), "");
  spin_->SetEnabled(false);
  Press(10, 5);
  tk::AdvanceClock(1000);
  Release(10, 5);
  EXPECT_EQ(rec_.Take(), "");
}

// A release whose OnMouseUp raises ends the held repeat and brings the arrow up all the same;
// the error reaches the application.
TEST_F(SpinButtonTest, ARaisingOnMouseUpStillEndsTheRepeat) {
  testsupport::TRaisingHandler raising;
  spin_->OnMouseUp = vcl::TMouseEvent(&raising, &testsupport::TRaisingHandler::Mouse);
  Press(10, 5);
  tk::AdvanceClock(300);
  EXPECT_EQ(rec_.Take(), "up up");
  Release(10, 5);
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(spin_->Repeating());
  EXPECT_FALSE(spin_->IsPressed(sbUp));
  tk::AdvanceClock(1000);
  EXPECT_EQ(rec_.Log.size(), 0u);
}

// What ends a held repeat at once: disabling, hiding, another set of arrows.
struct StopCase {
  const char* Name;
  void (*Stop)(TZYLSpinButton*);
};

class SpinStop : public SpinButtonTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(SpinStop, EndsTheRepeat) {
  Press(10, 5);
  tk::AdvanceClock(300);
  EXPECT_EQ(rec_.Take(), "up up");
  GetParam().Stop(spin_);
  EXPECT_FALSE(spin_->Repeating());
  tk::AdvanceClock(1000);
  EXPECT_EQ(rec_.Log.size(), 0u);
  Release(10, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SpinStop,
    ::testing::Values(StopCase{"Disable", [](TZYLSpinButton* s) { s->SetEnabled(false); }},
                      StopCase{"Hide", [](TZYLSpinButton* s) { s->SetVisible(false); }},
                      StopCase{"OtherArrows", [](TZYLSpinButton* s) { s->SetBtns({sbLeft}); }}),
    [](const auto& i) { return std::string(i.param.Name); });

TEST_F(SpinButtonTest, SameArrowsKeepTheRepeat) {
  Press(10, 5);
  spin_->SetBtns({sbUp, sbDown});
  tk::AdvanceClock(300);
  EXPECT_EQ(rec_.Take(), "up up");
  Release(10, 5);
}

TEST_F(SpinButtonTest, HotArrowTakesTheHotColourUntilTheMouseLeaves) {
  const tk::TCapture plain = host_.Shot(spin_);
  spin_->SetHotColor(vcl::clBtnText);  // hot ink like the normal ink: nothing shows
  Move(10, 5);
  EXPECT_TRUE(spin_->IsHot(sbUp));
  EXPECT_TRUE(SamePixels(host_.Shot(spin_), plain, "spin_hot_same_ink"));
  spin_->SetHotColor(vcl::clRed);
  const tk::TCapture hot = host_.Shot(spin_);
  EXPECT_GT(CountDifferentPixels(hot, plain), 0);
  // Only the upper arrow changes.
  EXPECT_TRUE(PixelsMatch(hot, [&](int x, int y) { return plain.Color(x, y); }, "spin_hot_lower",
                          {0, 20, 20, 40}));
  spin_->MouseLeave();
  EXPECT_FALSE(spin_->IsHot(sbUp));
  EXPECT_TRUE(SamePixels(host_.Shot(spin_), plain, "spin_hot_left"));
}

TEST_F(SpinButtonTest, PressedArrowLooksSunkenAndComesBackUp) {
  const tk::TCapture up = host_.Shot(spin_);
  Press(10, 30);
  const tk::TCapture down = host_.Shot(spin_);
  EXPECT_GT(CountDifferentPixels(down, up), 0);
  EXPECT_TRUE(PixelsMatch(down, [&](int x, int y) { return up.Color(x, y); }, "spin_press_upper",
                          {0, 0, 20, 20}));
  Release(10, 30);
  Move(100, 100);
  EXPECT_TRUE(SamePixels(host_.Shot(spin_), up, "spin_released"));
}

TEST_F(SpinButtonTest, ScrollBarModeDrawsScrollArrows) {
  spin_->SetScrollBarMode(true);
  spin_->SetSkew(true);  // no slanted halves in the scroll-bar look
  vcl::TBitmap ref;
  ref.SetSize(20, 40);
  win::TRect up{0, 0, 20, 20}, down{0, 20, 20, 40};
  win::DrawFrameControl(ref.Canvas()->Handle(), &up, win::DFC_SCROLL, win::DFCS_SCROLLUP);
  win::DrawFrameControl(ref.Canvas()->Handle(), &down, win::DFC_SCROLL, win::DFCS_SCROLLDOWN);
  EXPECT_TRUE(PixelsMatch(
      host_.Shot(spin_), [&](int x, int y) { return win::COLORREF(ref.Canvas()->Pixels(x, y)); },
      "spin_scrollbar"));
  spin_->SetEnabled(false);
  win::DrawFrameControl(ref.Canvas()->Handle(), &up, win::DFC_SCROLL,
                        win::DFCS_SCROLLUP | win::DFCS_INACTIVE);
  win::DrawFrameControl(ref.Canvas()->Handle(), &down, win::DFC_SCROLL,
                        win::DFCS_SCROLLDOWN | win::DFCS_INACTIVE);
  EXPECT_TRUE(PixelsMatch(
      host_.Shot(spin_), [&](int x, int y) { return win::COLORREF(ref.Canvas()->Pixels(x, y)); },
      "spin_scrollbar_disabled"));
}

TEST_F(SpinButtonTest, SlantedHalvesDrawOnlyInsideTheirTriangles) {
  spin_->SetBounds(20, 20, 30, 30);
  spin_->SetSkew(true);
  spin_->SetHotColor(vcl::clRed);
  const tk::TCapture plain = host_.Shot(spin_);
  Move(25, 25);  // the lower-right half
  EXPECT_TRUE(spin_->IsHot(sbDown));
  const tk::TCapture hot = host_.Shot(spin_);
  EXPECT_GT(CountDifferentPixels(hot, plain), 0);
  // Nothing changes in the upper-left triangle well away from the diagonal.
  EXPECT_TRUE(PixelsMatch(hot, [&](int x, int y) { return plain.Color(x, y); }, "spin_slant",
                          {0, 0, 12, 12}));
}

TEST_F(SpinButtonTest, HandlerThatDisablesTheButtonStopsTheRepeat) {
  struct Disabler : buttontest::TRecorder {
    TZYLSpinButton* Spin = nullptr;
    void Part(vcl::TObject*) {
      Log.push_back("x");
      Spin->SetEnabled(false);
    }
  } d;
  d.Spin = spin_;
  spin_->SetPartClick(sbUp, vcl::TNotifyEvent(&d, &Disabler::Part));
  Press(10, 5);
  tk::AdvanceClock(1000);
  Release(10, 5);
  EXPECT_EQ(d.Take(), "x");
}

}  // namespace
}  // namespace zyl
