// The balloon hints: settings, placement, shapes, the on-demand balloons and the message hint.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHintWindow.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLShapeHintWindow.h"
#include "tests/support/FreeProbe.h"

using namespace zyl;
namespace tk = win::testkit;

namespace {

// A colour as the captures report it.
win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(vcl::ColorToRGB(c)); }

class ShapeHintTest : public ::testing::Test {
 protected:
  ShapeHintTest() : session_(1024, 768) {
    vcl::TApplication::HintWindowClass = nullptr;
    ShapeHintControl = nullptr;
  }
  ~ShapeHintTest() override {
    vcl::TApplication::HintWindowClass = nullptr;
    ShapeHintControl = nullptr;
  }
  static win::RECT WindowRect(vcl::TWinControl* w) {
    win::RECT r{};
    win::GetWindowRect(w->Handle(), &r);
    return r;
  }
  // A lime form covering the screen, so that captured screen shows as lime; freed by the
  // fixture.
  void LimeBackdrop() {
    backdrop_.reset(new vcl::TForm(nullptr));
    backdrop_->SetBorderStyle(vcl::bsNone);
    backdrop_->SetBounds(0, 0, 1024, 768);
    backdrop_->SetColor(vcl::clLime);
    backdrop_->Show();
    tk::RunUntilIdle();
  }
  // A shown form (freed by the fixture) holding a panel at (20, 30) of 100 x 60 with a hint.
  vcl::TPanel* PanelForm() {
    form_.reset(new vcl::TForm(nullptr));
    form_->SetBounds(100, 100, 400, 300);
    auto* panel = new vcl::TPanel(form_.get());
    panel->SetParent(form_.get());
    panel->SetBounds(20, 30, 100, 60);
    panel->SetHint("Panel hint");
    form_->Show();
    tk::RunUntilIdle();
    return panel;
  }
  // A message hint without mouse capture or shadow, in the given style and colour.
  static void Plain(TZYLMessageHint& m, TZYLHintStyle style, vcl::TColor color = vcl::clYellow) {
    m.SetSetCapture(false);
    m.SetStyle(style);
    m.SetColor(color);
    m.Shadow()->SetStyle(hssNone);
    m.Shadow()->SetDepth(0);
  }
  // The pixels of `color` in the capture, or in `area` of it.
  static int CountColor(const tk::TCapture& c, vcl::TColor color, vcl::TRect area = {}) {
    if (area.Right <= area.Left) area = {0, 0, c.Width, c.Height};
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += c.Color(x, y) == Rgb(color);
    return n;
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> backdrop_, form_;
};

// Counts close notifications.
struct TCloseProbe : vcl::TObject {
  int Count = 0;
  vcl::TObject* Sender = nullptr;
  void Closed(vcl::TObject* S) {
    ++Count;
    Sender = S;
  }
};

TEST_F(ShapeHintTest, EnablingAndTheMessageHintLeavingTheHintMachineryAlone) {
  auto* a = new TZYLShapeHint(nullptr);
  auto* b = new TZYLShapeHint(nullptr);
  a->SetEnabled(true);
  EXPECT_EQ(ShapeHintControl, a);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLShapeHintWindow::StaticClass());
  ASSERT_NE(vcl::Application->HintWindow(), nullptr);
  EXPECT_EQ(vcl::Application->HintWindow()->ClassType(), TZYLShapeHintWindow::StaticClass());
  b->SetEnabled(true);
  a->SetEnabled(false);
  EXPECT_EQ(ShapeHintControl, b);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLShapeHintWindow::StaticClass());
  {
    TZYLMessageHint m(nullptr);
    m.SetEnabled(false);
    m.SetEnabled(true);
    EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLShapeHintWindow::StaticClass());
    EXPECT_EQ(ShapeHintControl, b);
  }
  b->SetEnabled(false);
  EXPECT_EQ(ShapeHintControl, nullptr);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, vcl::THintWindow::StaticClass());
  b->SetEnabled(true);
  delete b;
  EXPECT_EQ(ShapeHintControl, nullptr);
  delete a;

  auto* form = new vcl::TForm(nullptr);
  form->SetDesigning(true);
  auto* d = new TZYLShapeHint(form);
  d->SetEnabled(true);
  EXPECT_EQ(ShapeHintControl, nullptr);
  EXPECT_THROW(new TZYLShapeHint(form), ZYLEOneInstError);
  EXPECT_EQ(form->ComponentCount(), 1);
  delete form;
}

// The balloon window class outlives the component but not its unit: finalizing the unit puts
// the plain hint window back while the balloon class is the one in use, and leaves another
// class alone.
TEST_F(ShapeHintTest, FinalizingTheUnitPutsBackThePlainHintWindow) {
  const vcl::TClass plain = vcl::THintWindow::StaticClass();
  for (const bool otherSince : {false, true}) {
    SCOPED_TRACE(otherSince ? "another class installed since" : "the balloon class in use");
    vcl::Application->SetShowHint(true);
    {
      TZYLShapeHint h(nullptr);
      h.SetEnabled(true);
    }
    ASSERT_EQ(vcl::Application->HintWindow()->ClassType(), TZYLShapeHintWindow::StaticClass());
    if (otherSince) vcl::TApplication::HintWindowClass = TZYLHintWindow::StaticClass();
    ZYLShapeHintUnit.FInit();
    ZYLShapeHintUnit.Init();
    const vcl::TClass expected = otherSince ? TZYLHintWindow::StaticClass() : plain;
    EXPECT_EQ(vcl::TApplication::HintWindowClass, expected);
    // No window of the balloon class is left with the application.
    EXPECT_EQ(vcl::Application->HintWindow()->ClassType(), expected);
    EXPECT_TRUE(vcl::Application->ShowHint());
    EXPECT_EQ(ShapeHintControl, nullptr);
  }
}

TEST_F(ShapeHintTest, CalculateDimensionsPerStyle) {
  TZYLMessageHint m(nullptr);
  m.Shadow()->SetDepth(6);
  TZYLShapeHintWindow w(nullptr);
  w.ActivateHintExt(vcl::TRect{500, 400, -1, -1}, "x", &m);  // takes m as its settings
  struct Case {
    TZYLHintStyle Style;
    int TextWidth, Right, Bottom;
  } cases[] = {
      {hsRect, 100, 106, 26},      {hsRoundRect, 100, 114, 30},  {hsEllipse, 100, 139, 32},
      {hsNoseRect, 100, 129, 44},  {hsNoseRoundRect, 30, 75, 44}, {hsNoseRect, 46, 75, 44},
      {hsNoseEllipse, 100, 171, 51},
  };
  for (const Case& c : cases) {
    m.SetStyle(c.Style);
    vcl::TRect r{0, 0, c.TextWidth, 20};
    w.CalculateDimensions(r);
    EXPECT_EQ(r.Right, c.Right) << int(c.Style) << " " << c.TextWidth;
    EXPECT_EQ(r.Bottom, c.Bottom) << int(c.Style);
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Top, 0);
  }
  m.Shadow()->SetDepth(0);
  m.SetStyle(hsRect);
  vcl::TRect r{0, 0, 10, 10};
  w.CalculateDimensions(r);
  EXPECT_EQ(r.Right, 10);
}

TEST_F(ShapeHintTest, SetPositionTriesTheSidesInOrder) {
  const struct {
    vcl::TPoint P;
    TZYLHintPosition Asked;
    int W, H;
    TZYLHintPosition Got;
    vcl::TRect R;
  } cases[] = {
      // Room everywhere: each side as asked.
      {{500, 400}, hpAboveLeft, 100, 50, hpAboveLeft, {399, 349, 499, 399}},
      {{500, 400}, hpAboveRight, 100, 50, hpAboveRight, {501, 349, 601, 399}},
      {{500, 400}, hpBelowLeft, 100, 50, hpBelowLeft, {397, 401, 497, 451}},
      {{500, 400}, hpBelowRight, 100, 50, hpBelowRight, {506, 401, 606, 451}},
      // Near the bottom-right corner below-right gives way to above-left, the next in order.
      {{1000, 740}, hpBelowRight, 100, 50, hpAboveLeft, {899, 689, 999, 739}},
      // Top-left corner: above-right and below-left fail, below-right fits.
      {{10, 10}, hpAboveRight, 100, 50, hpBelowRight, {16, 11, 116, 61}},
      // A balloon touching the desktop's edges still fits.
      {{917, 716}, hpBelowRight, 101, 51, hpBelowRight, {923, 717, 1024, 768}},
      // Nothing fits: the side asked for is kept, so the nose still points at the point.
      {{500, 400}, hpBelowLeft, 2000, 1000, hpBelowLeft, {500 - 3 - 2000, 401, 497, 1401}},
  };
  for (const auto& c : cases) {
    vcl::TRect r{0, 0, c.W, c.H};
    TZYLHintPosition pos = c.Asked;
    TZYLShapeHintWindow::SetPosition(c.P, pos, r);
    EXPECT_EQ(pos, c.Got) << c.P.X << "," << c.P.Y << " " << int(c.Asked);
    EXPECT_EQ(r, c.R) << c.P.X << "," << c.P.Y << " " << int(c.Asked);
  }
}

TEST_F(ShapeHintTest, ANoseRectBalloonIsWideEnoughForItsNose) {
  TZYLMessageHint m(nullptr);
  m.SetStyle(hsNoseRect);
  m.SetSetCapture(false);
  m.ShowMessage("Hi", 500, 400);
  ASSERT_TRUE(m.GetState());
  TZYLShapeHintWindow* w = m.MessageWindow();
  win::RECT r = WindowRect(w);
  EXPECT_GE(r.Right - r.Left, 46 + 23);
  EXPECT_EQ(r.Right - r.Left, 46 + 23 + m.Shadow()->Depth());
  // Above-right of the point.
  EXPECT_EQ(r.Left, 501);
  EXPECT_EQ(r.Bottom, 399);
  EXPECT_TRUE(win::IsWindowVisible(w->Handle()));
  EXPECT_EQ(w->Text(), "Hi");
  EXPECT_TRUE(w->External());
  EXPECT_EQ(w->ShapeHint(), &m);
}

TEST_F(ShapeHintTest, CornersShowTheScreenAndTheShadowOnlyWhenAsked) {
  LimeBackdrop();
  TZYLMessageHint m(nullptr);
  Plain(m, hsEllipse);
  m.Shadow()->SetDepth(6);
  m.Font()->SetColor(vcl::clRed);
  m.ShowMessage("Balloon text", 500, 400);
  tk::RunUntilIdle();
  win::RECT r = WindowRect(m.MessageWindow());
  tk::TCapture cap = tk::CaptureWindow(m.MessageWindow()->Handle());
  ASSERT_EQ(cap.Width, r.Right - r.Left);
  EXPECT_EQ(cap.Color(0, 0), Rgb(vcl::clLime));
  EXPECT_EQ(cap.Color(cap.Width - 1, cap.Height - 1), Rgb(vcl::clLime));
  EXPECT_EQ(cap.Color(cap.Width / 2, 3), Rgb(vcl::clYellow));
  EXPECT_GT(CountColor(cap, vcl::clRed), 5);  // the text
  EXPECT_EQ(CountColor(cap, vcl::clBlue), 0);
  if (HasFailure()) tk::WriteFailurePng(cap, "BalloonNoShadow");

  m.Shadow()->SetStyle(hssSolid);
  m.Shadow()->SetColor(vcl::clBlue);
  m.ShowMessage("Balloon text", 500, 400);
  tk::RunUntilIdle();
  cap = tk::CaptureWindow(m.MessageWindow()->Handle());
  EXPECT_GT(CountColor(cap, vcl::clBlue), 20);
  EXPECT_EQ(cap.Color(0, 0), Rgb(vcl::clLime));
  // The shadow lies right of and below the body only.
  EXPECT_NE(cap.Color(cap.Width - 7, cap.Height / 2), Rgb(vcl::clLime));
  if (HasFailure()) tk::WriteFailurePng(cap, "BalloonShadow");
  m.HideMessage();
}

TEST_F(ShapeHintTest, ATracingShadowMasksTheScreenWithAChecker) {
  LimeBackdrop();
  for (bool withApp : {true, false}) {
    if (withApp) ZYLApplicationInit();
    TZYLMessageHint m(nullptr);
    m.SetSetCapture(false);
    m.SetStyle(hsRect);
    m.Shadow()->SetStyle(hssTracing);
    m.Shadow()->SetColor(vcl::clBlue);
    m.Shadow()->SetDepth(8);
    m.ShowMessage("Traced", 500, 400);
    tk::TCapture cap = tk::CaptureWindow(m.MessageWindow()->Handle());
    // Lime AND blue is black: the shadow band on the right alternates black and lime with the
    // application's checker, and is all black with the solid fallback.
    // (a shape drawn without pen leaves its last column and row out)
    const vcl::TRect band{cap.Width - 8, 10, cap.Width - 1, cap.Height - 2};
    const int black = CountColor(cap, vcl::clBlack, band),
              lime = CountColor(cap, vcl::clLime, band);
    EXPECT_GT(black, 20) << withApp;
    if (withApp)
      EXPECT_GT(lime, 20);
    else
      EXPECT_EQ(lime, 0);
    EXPECT_EQ(cap.Color(cap.Width - 1, 0), Rgb(vcl::clLime));  // above the shadow
    if (HasFailure()) tk::WriteFailurePng(cap, "TracingShadow");
    m.HideMessage();
    if (withApp) ZYLApplicationDone();
  }
}

TEST_F(ShapeHintTest, ANewBalloonLeavesNoGhostOfTheLastBehind) {
  LimeBackdrop();
  for (int round = 0; round < 2; ++round) {
    TZYLMessageHint m(nullptr);
    m.SetSetCapture(false);
    m.SetStyle(round == 0 ? hsRect : hsEllipse);
    m.SetMaxWidth(round == 0 ? 80 : -4);  // the first wraps into a tall balloon
    m.SetColor(vcl::clYellow);
    // The second, smaller balloon's corners lie inside where the first one was.
    m.ShowMessage(round == 0 ? "A long first message over the backdrop" : "Short", 500, 400);
    tk::TCapture cap = tk::CaptureWindow(m.MessageWindow()->Handle());
    if (round == 0) continue;
    EXPECT_EQ(cap.Color(0, 0), Rgb(vcl::clLime));
    EXPECT_EQ(cap.Color(cap.Width - 1, 0), Rgb(vcl::clLime));
  }
}

TEST_F(ShapeHintTest, ABalloonPushedToAboveLeftDrawsItsNoseThere) {
  LimeBackdrop();
  TZYLMessageHint m(nullptr);
  Plain(m, hsNoseRect);
  m.SetPosition(hpBelowRight);
  m.ShowMessage("Corner", 1010, 750);
  win::RECT r = WindowRect(m.MessageWindow());
  // Above-left: the window ends just left of and above the point.
  EXPECT_EQ(r.Right, 1009);
  EXPECT_EQ(r.Bottom, 749);
  tk::TCapture cap = tk::CaptureWindow(m.MessageWindow()->Handle());
  const int W = cap.Width, H = cap.Height;
  const auto yellow = Rgb(vcl::clYellow);
  const auto lime = Rgb(vcl::clLime);
  EXPECT_EQ(cap.Color(W - 12, H - 5), yellow);   // inside the nose, pointing down-right
  EXPECT_EQ(cap.Color(3, H - 3), lime);          // below the body, away from the nose
  EXPECT_EQ(cap.Color(W - 3, 3), lime);          // the free band on the right
  EXPECT_EQ(cap.Color(W / 3, (H - 15) / 2), yellow);
  // The nose joins the body without a border line across it.
  EXPECT_EQ(cap.Color(W - 40, H - 16), yellow);
  if (HasFailure()) tk::WriteFailurePng(cap, "BalloonAboveLeft");
  m.HideMessage();
}

TEST_F(ShapeHintTest, EllipseNosesPointAtTheTipOnEverySide) {
  LimeBackdrop();
  TZYLMessageHint m(nullptr);
  Plain(m, hsNoseEllipse);
  m.SetBorderColor(vcl::clBlack);
  const auto yellow = Rgb(vcl::clYellow);
  m.Font()->SetColor(vcl::clRed);
  for (TZYLHintPosition pos : {hpAboveLeft, hpAboveRight, hpBelowLeft, hpBelowRight}) {
    m.SetPosition(pos);
    m.ShowMessage("An ellipse balloon", 500, 380);
    tk::TCapture cap = tk::CaptureWindow(m.MessageWindow()->Handle());
    const int W = cap.Width, H = cap.Height;
    const bool left = pos == hpAboveLeft || pos == hpBelowLeft;  // balloon left of the point
    const bool above = pos == hpAboveLeft || pos == hpAboveRight;
    const vcl::TRect e{left ? 0 : 15, above ? 0 : 15, left ? W - 15 : W, above ? H - 15 : H};
    // Body colour reaches into the corner of the tip.
    int nose = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x)
        nose += cap.Color(left ? W - 1 - x : x, above ? H - 1 - y : y) == yellow;
    EXPECT_GT(nose, 3) << int(pos);
    // No outline crosses the ellipse's inner part.
    const int qw = e.Width() / 4, qh = e.Height() / 4, cy = (e.Top + e.Bottom) / 2;
    EXPECT_EQ(CountColor(cap, vcl::clBlack, {e.Left + qw, e.Top + qh, e.Right - qw, e.Bottom - qh}),
              0)
        << int(pos);
    // The outline runs round the ellipse: both ends of its middle row are drawn.
    EXPECT_GE(CountColor(cap, vcl::clBlack, {e.Left, cy, e.Left + 3, cy + 1}) +
                  CountColor(cap, vcl::clBlack, {e.Right - 3, cy, e.Right, cy + 1}),
              2)
        << int(pos);
    if (HasFailure()) {
      tk::WriteFailurePng(cap, "EllipseNose" + std::to_string(int(pos)));
      break;
    }
  }
  m.HideMessage();
}

TEST_F(ShapeHintTest, MessageHintWithCaptureClosesAtTheFirstClick) {
  TZYLMessageHint m(nullptr);
  TCloseProbe probe;
  m.SetOnCloseHintWindow(vcl::TNotifyEvent(&probe, &TCloseProbe::Closed));
  m.ShowMessage("Click me away", 500, 400);
  ASSERT_TRUE(m.GetState());
  EXPECT_EQ(vcl::GetCaptureControl(), m.MessageWindow());
  tk::Click(20, 20);
  EXPECT_FALSE(m.GetState());
  EXPECT_EQ(vcl::GetCaptureControl(), nullptr);
  EXPECT_EQ(probe.Count, 1);
  EXPECT_EQ(probe.Sender, &m);
  m.HideMessage();
  EXPECT_EQ(probe.Count, 1);  // no second notification for a window already closed
  EXPECT_EQ(m.MessageWindow(), nullptr);
}

TEST_F(ShapeHintTest, MessageHintWithCaptureClosesAtAKey) {
  TZYLMessageHint m(nullptr);
  m.ShowMessage("Press a key", 500, 400);
  ASSERT_TRUE(m.GetState());
  // Keys go to the focused window; one that reaches the balloon closes it.
  m.MessageWindow()->Perform(win::WM_KEYDOWN, 'A', 0);
  EXPECT_FALSE(m.GetState());
  // So does a wheel turn, without a second close for the window already closed.
  m.ShowMessage("Again", 500, 400);
  m.MessageWindow()->Perform(win::WM_MOUSEWHEEL, 0, 0);
  EXPECT_FALSE(m.GetState());
  // A message outside the closing set leaves it open.
  m.ShowMessage("Third", 500, 400);
  m.MessageWindow()->Perform(win::WM_MOUSEMOVE, 0, 0);
  EXPECT_TRUE(m.GetState());
}

TEST_F(ShapeHintTest, MessageHintWithoutCaptureStaysUntilHidden) {
  TZYLMessageHint m(nullptr);
  m.SetSetCapture(false);
  TCloseProbe probe;
  m.SetOnCloseHintWindow(vcl::TNotifyEvent(&probe, &TCloseProbe::Closed));
  m.ShowMessage("Stay", 500, 400);
  EXPECT_EQ(vcl::GetCaptureControl(), nullptr);
  tk::Click(20, 20);
  EXPECT_TRUE(m.GetState());
  EXPECT_EQ(probe.Count, 0);
  // A new message replaces the old one.
  TZYLShapeHintWindow* first = m.MessageWindow();
  m.ShowMessage("Again", 300, 300);
  EXPECT_NE(m.MessageWindow(), nullptr);
  EXPECT_EQ(probe.Count, 1);
  EXPECT_EQ(m.ComponentCount(), 1);
  (void)first;
  m.HideMessage();
  EXPECT_FALSE(m.GetState());
  EXPECT_EQ(probe.Count, 2);
  EXPECT_EQ(m.ComponentCount(), 0);
}

TEST_F(ShapeHintTest, DestroyingAMessageHintClosesItsBalloon) {
  auto* m = new TZYLMessageHint(nullptr);
  TCloseProbe probe;
  m->SetOnCloseHintWindow(vcl::TNotifyEvent(&probe, &TCloseProbe::Closed));
  m->ShowMessage("Going", 500, 400);
  win::HWND h = m->MessageWindow()->Handle();
  delete m;
  EXPECT_EQ(probe.Count, 1);
  EXPECT_FALSE(win::IsWindow(h));
  EXPECT_EQ(vcl::GetCaptureControl(), nullptr);
}

TEST_F(ShapeHintTest, ControlMessagesNeedAVisibleParentedControl) {
  vcl::TPanel* panel = PanelForm();
  TZYLMessageHint m(nullptr);
  Plain(m, hsRect, m.Color());
  m.ShowControlMessage("", nullptr);
  EXPECT_FALSE(m.GetState());
  vcl::TPanel orphan(nullptr);
  m.ShowControlMessage("x", &orphan);
  EXPECT_FALSE(m.GetState());
  panel->SetVisible(false);
  m.ShowControlMessage("x", panel);
  EXPECT_FALSE(m.GetState());
  panel->SetVisible(true);
  m.ShowControlMessage("", panel);
  ASSERT_TRUE(m.GetState());
  EXPECT_EQ(m.MessageWindow()->Text(), "Panel hint");
  const vcl::TPoint centre = ZYLControlCentre(panel);
  const vcl::TPoint corner = panel->ClientToScreen({0, 0});
  EXPECT_EQ(centre.X, corner.X + 50);
  EXPECT_EQ(centre.Y, corner.Y + 30);
  win::RECT r = WindowRect(m.MessageWindow());
  EXPECT_EQ(r.Left, centre.X + 1);  // above-right of the centre
  EXPECT_EQ(r.Bottom, centre.Y - 1);
  m.HideMessage();
}

TEST_F(ShapeHintTest, ShowHintShowsForItsTimeOnlyWhileAShapeHintIsEnabled) {
  TZYLShapeHint s(nullptr);
  s.SetEnabled(false);
  const uint64_t t0 = win::CurrentClock().Milliseconds();
  s.ShowHint("Nothing", 500, 400, 300);
  EXPECT_GE(win::CurrentClock().Milliseconds() - t0, 300u);
  EXPECT_EQ(s.ComponentCount(), 0);

  s.SetEnabled(true);
  static TZYLShapeHint* seen;
  static bool visible;
  seen = &s;
  visible = false;
  // Looks at the balloon half-way through the wait.
  win::SetTimer(nullptr, 0, 100, [](win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
    win::KillTimer(nullptr, id);
    if (seen->ComponentCount() == 1) {
      auto* w = static_cast<vcl::TWinControl*>(seen->Components(0));
      visible = w->HandleAllocated() && win::IsWindowVisible(w->Handle());
    }
  });
  const uint64_t t1 = win::CurrentClock().Milliseconds();
  s.ShowHint("Timed", 500, 400, 250);
  EXPECT_GE(win::CurrentClock().Milliseconds() - t1, 250u);
  EXPECT_LT(win::CurrentClock().Milliseconds() - t1, 400u);
  EXPECT_TRUE(visible);
  EXPECT_EQ(s.ComponentCount(), 0);  // freed after the wait
}

// What a balloon of a TZYLShapeHint showed half-way through its wait.
struct TBalloonSeen {
  bool Shown = false;
  std::string Text;
  win::RECT Rect{};
};

// Runs `show` (a call that waits while its balloon is up) and looks at the balloon of `hint`
// 100 ms into it; a call that shows nothing returns before the look.
TBalloonSeen LookAtBalloon(TZYLShapeHint& hint, const std::function<void()>& show) {
  static TZYLShapeHint* lookAt;
  static TBalloonSeen seen;
  lookAt = &hint;
  seen = TBalloonSeen{};
  const win::UINT_PTR id =
      win::SetTimer(nullptr, 0, 100, [](win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
        win::KillTimer(nullptr, id);
        if (lookAt->ComponentCount() != 1) return;
        auto* w = static_cast<vcl::TWinControl*>(lookAt->Components(0));
        seen.Shown = w->HandleAllocated() && win::IsWindowVisible(w->Handle());
        seen.Text = w->Text();
        win::GetWindowRect(w->Handle(), &seen.Rect);
      });
  show();
  win::KillTimer(nullptr, id);
  return seen;
}

TEST_F(ShapeHintTest, ShowControlHintAimsAtTheControlsCentreWithItsTextOrHint) {
  vcl::TPanel* panel = PanelForm();
  TZYLShapeHint s(nullptr);
  s.SetEnabled(true);
  // The centre: the top-left corner on the screen plus half the width and half the height.
  const vcl::TPoint corner = panel->ClientToScreen({0, 0});
  const vcl::TPoint centre{corner.X + 50, corner.Y + 30};
  const TBalloonSeen atCentre =
      LookAtBalloon(s, [&] { s.ShowHint("Given", centre.X, centre.Y, 250); });
  ASSERT_TRUE(atCentre.Shown);
  const struct {
    std::string Text;
    std::string Shown;
  } cases[] = {{"Given", "Given"}, {"", "Panel hint"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Shown);
    const TBalloonSeen seen = LookAtBalloon(s, [&] { s.ShowControlHint(c.Text, panel, 250); });
    EXPECT_TRUE(seen.Shown);
    EXPECT_EQ(seen.Text, c.Shown);
    EXPECT_EQ(seen.Rect.Left, atCentre.Rect.Left);
    EXPECT_EQ(seen.Rect.Bottom, atCentre.Rect.Bottom);
    EXPECT_EQ(s.ComponentCount(), 0);  // freed after the wait
  }
}

TEST_F(ShapeHintTest, ShowControlHintShowsNothingForAHiddenOrParentlessControlOrNone) {
  vcl::TPanel* panel = PanelForm();
  TZYLShapeHint s(nullptr);
  s.SetEnabled(true);
  vcl::TPanel orphan(nullptr);
  orphan.SetHint("Orphan hint");
  panel->SetVisible(false);
  for (vcl::TControl* control :
       {static_cast<vcl::TControl*>(nullptr), static_cast<vcl::TControl*>(&orphan),
        static_cast<vcl::TControl*>(panel)}) {
    const TBalloonSeen seen = LookAtBalloon(s, [&] { s.ShowControlHint("x", control, 250); });
    EXPECT_FALSE(seen.Shown) << (control ? control->Hint() : "none");
    EXPECT_TRUE(seen.Text.empty());
  }
}

// How the form that owns a waiting TZYLShapeHint goes away in the middle of the wait.
enum class TOwnerEnd { Release, CloseWithCaFree, Freed };

class ShapeHintOwnerFreed : public ShapeHintTest,
                            public ::testing::WithParamInterface<TOwnerEnd> {};

TEST_P(ShapeHintOwnerFreed, DuringShowHintFreesTheBalloonOnce) {
  static vcl::TForm* owner;
  static TOwnerEnd end;
  static std::unique_ptr<testsupport::TFreeProbe> balloon;
  owner = new vcl::TForm(nullptr);
  owner->HandleNeeded();
  end = GetParam();
  balloon.reset();
  struct TAnswer : vcl::TObject {
    void DoClose(vcl::TObject*, vcl::TCloseAction& Action) { Action = vcl::caFree; }
  } answer;
  owner->SetOnClose(vcl::TCloseEvent(&answer, &TAnswer::DoClose));
  auto* s = new TZYLShapeHint(owner);
  s->SetEnabled(true);
  testsupport::TFreeProbe form(owner);
  // Half-way through the wait the owner is let go; the balloon is shown then.
  win::SetTimer(nullptr, 0, 100, [](win::HWND, win::UINT, win::UINT_PTR id, win::DWORD) {
    win::KillTimer(nullptr, id);
    auto* hint = static_cast<TZYLShapeHint*>(owner->Components(0));
    if (hint->ComponentCount() == 1)
      balloon.reset(new testsupport::TFreeProbe(hint->Components(0)));
    if (end == TOwnerEnd::Release) owner->Release();
    if (end == TOwnerEnd::CloseWithCaFree) owner->Close();
    if (end == TOwnerEnd::Freed) delete owner;
  });
  const uint64_t t0 = win::CurrentClock().Milliseconds();
  s->ShowHint("Going", 500, 400, 250);
  EXPECT_GE(win::CurrentClock().Milliseconds() - t0, 100u);
  EXPECT_TRUE(form.Freed);
  ASSERT_NE(balloon, nullptr);
  EXPECT_TRUE(balloon->Freed);
  EXPECT_EQ(ShapeHintControl, nullptr);
  balloon.reset();
}

INSTANTIATE_TEST_SUITE_P(Cases, ShapeHintOwnerFreed,
                         ::testing::Values(TOwnerEnd::Release, TOwnerEnd::CloseWithCaFree,
                                           TOwnerEnd::Freed));

TEST_F(ShapeHintTest, ApplicationBalloonAimsAtTheCursorAndReportsHiding) {
  TZYLShapeHint s(nullptr);
  s.SetEnabled(true);
  s.SetStyle(hsRect);
  s.Shadow()->SetDepth(0);
  TCloseProbe probe;
  s.SetOnCloseHintWindow(vcl::TNotifyEvent(&probe, &TCloseProbe::Closed));
  tk::MouseMove(300, 300);
  TZYLShapeHintWindow w(nullptr);
  w.ActivateHint(vcl::TRect{10, 10, 80, 30}, "From the application");
  EXPECT_FALSE(w.External());
  win::RECT r = WindowRect(&w);
  EXPECT_EQ(r.Left, 301);
  EXPECT_EQ(r.Bottom, 299);
  win::ShowWindow(w.Handle(), win::SW_HIDE);
  EXPECT_EQ(probe.Count, 1);
  EXPECT_EQ(probe.Sender, &s);
  w.ReleaseHandle();
  EXPECT_EQ(probe.Count, 1);  // once per balloon shown

  // Without an enabled shape hint: a point request shows nothing, a rectangle a plain hint.
  s.SetEnabled(false);
  TZYLShapeHintWindow plain(nullptr);
  plain.ActivateHint(vcl::TRect{600, 500, -1, -1}, "nothing");
  EXPECT_FALSE(plain.HandleAllocated() && win::IsWindowVisible(plain.Handle()));
  plain.ActivateHint(vcl::TRect{600, 500, 700, 520}, "plain");
  r = WindowRect(&plain);
  EXPECT_EQ(r.Left, 600);
  EXPECT_EQ(r.Right, 700);
}

TEST_F(ShapeHintTest, AFreedSettingsComponentIsForgotten) {
  auto* m = new TZYLMessageHint(nullptr);
  TZYLShapeHintWindow w(nullptr);
  w.ActivateHintExt(vcl::TRect{500, 400, -1, -1}, "one", m);
  EXPECT_EQ(w.ShapeHint(), m);
  delete m;
  EXPECT_EQ(w.ShapeHint(), nullptr);
  EXPECT_NO_THROW(w.ActivateHint(vcl::TRect{500, 400, -1, -1}, "two"));
  EXPECT_EQ(w.Text(), "one");
}


TEST_F(ShapeHintTest, ApplicationHintsAreBalloonsAndReportClosing) {
  TZYLShapeHint s(nullptr);
  s.SetEnabled(true);
  TCloseProbe probe;
  s.SetOnCloseHintWindow(vcl::TNotifyEvent(&probe, &TCloseProbe::Closed));
  vcl::TPanel* panel = PanelForm();
  panel->SetShowHint(true);
  const win::POINT p = tk::ScreenPoint(panel->Handle(), 50, 30);
  tk::MouseMove(p.X, p.Y);
  tk::AdvanceClock(vcl::Application->HintPause() + 10);
  vcl::THintWindow* hw = vcl::Application->HintWindow();
  ASSERT_NE(hw, nullptr);
  EXPECT_EQ(hw->ClassType(), TZYLShapeHintWindow::StaticClass());
  ASSERT_TRUE(hw->HandleAllocated());
  EXPECT_TRUE(win::IsWindowVisible(hw->Handle()));
  win::RECT r = WindowRect(hw);
  EXPECT_EQ(r.Left, p.X + 1);  // above-right of the cursor
  EXPECT_EQ(r.Bottom, p.Y - 1);
  tk::MouseMove(5, 5);
  tk::AdvanceClock(vcl::Application->HintHidePause() + 10);
  EXPECT_FALSE(hw->HandleAllocated() && win::IsWindowVisible(hw->Handle()));
  EXPECT_EQ(probe.Count, 1);
}

}  // namespace
