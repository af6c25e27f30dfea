// The hint component, its shared base and the hint window it installs.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <memory>
#include <string>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHint.h"
#include "system/ZYLHintWindow.h"
#include "system/ZYLShapeHintWindow.h"
#include "tests/support/ErrorOf.h"

using namespace zyl;
namespace tk = win::testkit;

namespace {

// A colour as the captures report it.
win::COLORREF Rgb(vcl::TColor c) { return static_cast<win::COLORREF>(vcl::ColorToRGB(c)); }

class HintTest : public ::testing::Test {
 protected:
  HintTest() : session_(1024, 768) {
    vcl::TApplication::HintWindowClass = nullptr;
    HintControl = nullptr;
  }
  ~HintTest() override {
    vcl::TApplication::HintWindowClass = nullptr;
    HintControl = nullptr;
  }
  // The class of the hint window the application holds now (nil: none).
  static vcl::TClass AppHintClass() {
    vcl::THintWindow* w = vcl::Application->HintWindow();
    return w ? w->ClassType() : nullptr;
  }
  static win::RECT WindowRect(vcl::TWinControl* w) {
    win::RECT r{};
    win::GetWindowRect(w->Handle(), &r);
    return r;
  }
  static int CountColor(const tk::TCapture& cap, vcl::TColor c) {
    int n = 0;
    for (int y = 0; y < cap.Height; ++y)
      for (int x = 0; x < cap.Width; ++x) n += cap.Color(x, y) == Rgb(c);
    return n;
  }
  // A form freed by the fixture.
  vcl::TForm* Form() {
    form_.reset(new vcl::TForm(nullptr));
    return form_.get();
  }

 private:
  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
};

TEST_F(HintTest, SettersCopyTheGivenObjects) {
  TZYLHint h(nullptr);
  vcl::TFont f;
  f.SetName("Arial");
  f.SetSize(12);
  h.SetFont(&f);
  EXPECT_NE(h.Font(), &f);
  EXPECT_EQ(h.Font()->Name(), "Arial");
  EXPECT_EQ(h.Font()->Size(), 12);
  TZYLBevel b;
  b.SetBevelStyleOuter(bvRaised);
  h.SetBevel(&b);
  EXPECT_NE(h.Bevel(), &b);
  EXPECT_EQ(h.Bevel()->StyleOuter(), bvRaised);
  // A nil value leaves the owned objects as they are.
  h.SetFont(nullptr);
  h.SetBevel(nullptr);
  h.SetFont3D(nullptr);
  EXPECT_EQ(h.Font()->Name(), "Arial");
  EXPECT_EQ(h.Bevel()->StyleOuter(), bvRaised);
}

TEST_F(HintTest, WrapWidthFollowsMaxWidthAndTheScreen) {
  TZYLHint h(nullptr);
  EXPECT_EQ(h.WrapWidth(), 256);  // a quarter of 1024
  // Negative: that part of the screen; 0 and more parts than pixels wrap at one pixel.
  const std::pair<int, int> cases[] = {{-1, 1024}, {-3, 341},  {300, 300},
                                       {0, 1},     {-5000, 1}, {INT_MIN, 1}};
  for (const auto& [max, wrap] : cases) {
    h.SetMaxWidth(max);
    EXPECT_EQ(h.WrapWidth(), wrap) << max;
  }
}

TEST_F(HintTest, EnablingInstallsTheHintWindowAndDisablingRestoresThePlainOne) {
  auto* form = Form();
  auto* h = new TZYLHint(form);
  h->SetEnabled(true);
  EXPECT_EQ(HintControl, h);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLHintWindow::StaticClass());
  EXPECT_TRUE(vcl::Application->ShowHint());
  // The application made a new window of the new class at once.
  EXPECT_EQ(AppHintClass(), TZYLHintWindow::StaticClass());

  h->SetEnabled(false);
  EXPECT_FALSE(h->Enabled());
  EXPECT_EQ(HintControl, nullptr);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, vcl::THintWindow::StaticClass());
  EXPECT_EQ(AppHintClass(), vcl::THintWindow::StaticClass());
  EXPECT_TRUE(vcl::Application->ShowHint());
}

TEST_F(HintTest, ShowHintOffStaysOffWhileSwitching) {
  vcl::Application->SetShowHint(false);
  TZYLHint h(nullptr);
  h.SetEnabled(true);
  EXPECT_FALSE(vcl::Application->ShowHint());
  EXPECT_EQ(vcl::Application->HintWindow(), nullptr);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLHintWindow::StaticClass());
  vcl::Application->SetShowHint(true);
  EXPECT_EQ(AppHintClass(), TZYLHintWindow::StaticClass());
}

TEST_F(HintTest, TheLastEnabledWinsAndDestructionClearsOnlyItself) {
  auto* a = new TZYLHint(nullptr);
  auto* b = new TZYLHint(nullptr);
  a->SetEnabled(true);
  b->SetEnabled(true);
  EXPECT_EQ(HintControl, b);
  a->SetEnabled(false);  // not the current one: b and its window class stay
  EXPECT_FALSE(a->Enabled());
  EXPECT_EQ(HintControl, b);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLHintWindow::StaticClass());
  EXPECT_EQ(AppHintClass(), TZYLHintWindow::StaticClass());
  delete a;
  EXPECT_EQ(HintControl, b);
  delete b;
  EXPECT_EQ(HintControl, nullptr);
  // The class stays installed; its windows then behave as plain hint windows.
  EXPECT_EQ(vcl::TApplication::HintWindowClass, TZYLHintWindow::StaticClass());
}

// The hint window class outlives the component, but not the unit that holds its code: the
// unit's finalization gives the application back the plain hint window while its own class is
// the one in use (also when the window of the application is one of its own), and leaves any
// other class alone.
TEST_F(HintTest, FinalizingTheUnitPutsBackThePlainHintWindow) {
  struct TCase {
    const char* Name;
    bool Enabled;       // an enabled hint component went before the unit
    bool ShowHint;      // the application's ShowHint at the end
    vcl::TClass Other;  // a class someone else installed afterwards, or nil
  };
  const vcl::TClass plain = vcl::THintWindow::StaticClass();
  for (const TCase& c : std::initializer_list<TCase>{
           {"enabled, hints shown", true, true, nullptr},
           {"enabled, hints off", true, false, nullptr},
           {"never enabled", false, true, nullptr},
           {"another class installed since", true, true, TZYLShapeHintWindow::StaticClass()}}) {
    SCOPED_TRACE(c.Name);
    vcl::Application->SetShowHint(true);
    {
      TZYLHint h(nullptr);
      h.SetEnabled(c.Enabled);
    }
    if (c.Other) {
      vcl::TApplication::HintWindowClass = c.Other;
      vcl::Application->SetShowHint(false);
      vcl::Application->SetShowHint(true);
    }
    vcl::Application->SetShowHint(c.ShowHint);
    ZYLHintUnit.FInit();
    ZYLHintUnit.Init();
    EXPECT_EQ(vcl::Application->ShowHint(), c.ShowHint);
    const vcl::TClass expected = c.Other ? c.Other : plain;
    EXPECT_EQ(vcl::TApplication::HintWindowClass, expected);
    EXPECT_EQ(AppHintClass(), c.ShowHint ? expected : nullptr);
    EXPECT_EQ(HintControl, nullptr);
  }
}

TEST_F(HintTest, DesignTimeStoresSettingsOnlyAndAllowsOneInstance) {
  auto* form = Form();
  form->SetDesigning(true);
  auto* h = new TZYLHint(form);
  h->SetEnabled(false);
  h->SetEnabled(true);
  EXPECT_TRUE(h->Enabled());
  EXPECT_EQ(HintControl, nullptr);
  EXPECT_EQ(vcl::TApplication::HintWindowClass, nullptr);
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLHint(form); }),
            "TZYLHint:\rAlready one TZYLHint control in this project!");
  EXPECT_EQ(form->ComponentCount(), 1);  // the rejected one left the owner

  // An owner that is no form is rejected at design time.
  vcl::TComponent owner(nullptr);
  owner.SetDesigning(true);
  EXPECT_THROW(new TZYLHint(&owner), ZYLEOneInstError);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(HintTest, RunTimeAllowsASecondInstance) {
  auto* form = Form();
  new TZYLHint(form);
  EXPECT_NO_THROW(new TZYLHint(form));
  EXPECT_EQ(form->ComponentCount(), 2);
}

// Shows the creation parameters the window asks for.
class TParamsProbe : public TZYLHintWindow {
 public:
  using TZYLHintWindow::TZYLHintWindow;
  vcl::TCreateParams Params() {
    vcl::TCreateParams p{};
    CreateParams(p);
    return p;
  }
};

TEST_F(HintTest, WindowStyleIsADisabledPopupWithShadowOnNewerSystems) {
  const bool xp = ZYLSIWindowsXP;
  for (bool flag : {false, true}) {
    ZYLSIWindowsXP = flag;
    TParamsProbe w(nullptr);
    const vcl::TCreateParams p = w.Params();
    EXPECT_EQ(p.Style, win::WS_POPUP | win::WS_DISABLED);  // no border of the plain window
    EXPECT_EQ((p.WindowClass.style & win::CS_DROPSHADOW) != 0, flag);
  }
  ZYLSIWindowsXP = xp;
  TZYLHintWindow w(nullptr);
  const auto style = static_cast<uint32_t>(win::GetWindowLongA(w.Handle(), win::GWL_STYLE));
  EXPECT_EQ(style & (win::WS_POPUP | win::WS_DISABLED | win::WS_BORDER),
            win::WS_POPUP | win::WS_DISABLED);
}

TEST_F(HintTest, WithoutHintControlTheWindowIsAPlainHintWindow) {
  TZYLHintWindow w(nullptr);
  w.ActivateHint(vcl::TRect{100, 50, 180, 70}, "plain");
  const win::RECT r = WindowRect(&w);
  EXPECT_EQ((std::array{r.Left, r.Top, r.Right, r.Bottom}), (std::array{100, 50, 180, 70}));
  w.SetColor(vcl::clLime);
  w.Invalidate();
  tk::TCapture cap = tk::RenderWindow(w.Handle());
  EXPECT_EQ(cap.Color(cap.Width - 3, cap.Height - 3), Rgb(vcl::clLime));
}

TEST_F(HintTest, ActivateSizesTheWindowFromHintControl) {
  TZYLHint h(nullptr);
  h.SetEnabled(true);
  h.SetColor(vcl::clYellow);
  TZYLHintWindow w(nullptr);
  const std::string text = "one two three";
  w.ActivateHint(vcl::TRect{200, 100, 201, 101}, text);
  win::RECT wide = WindowRect(&w);
  EXPECT_EQ(wide.Left, 200);
  EXPECT_EQ(wide.Top, 100);
  EXPECT_EQ(w.Color(), vcl::clYellow);
  EXPECT_TRUE(win::IsWindowVisible(w.Handle()));
  const int lineHeight = wide.Bottom - wide.Top;

  // MaxWidth 0 wraps at one pixel: one word per line, as wide as the widest word.
  h.SetMaxWidth(0);
  w.ActivateHint(vcl::TRect{200, 100, 201, 101}, text);
  win::RECT narrow = WindowRect(&w);
  EXPECT_LT(narrow.Right - narrow.Left, wide.Right - wide.Left);
  const int extra = narrow.Bottom - narrow.Top - lineHeight;
  EXPECT_GT(extra, 0);
  EXPECT_EQ(narrow.Bottom - narrow.Top, lineHeight + 2 * (extra / 2));  // two more lines

  // The bevel's band widens and heightens the window on each side.
  h.SetMaxWidth(-4);
  const int extent = h.Bevel()->GetBevelExtend();
  h.Bevel()->SetBorderWidth(5);
  const int grown = h.Bevel()->GetBevelExtend() - extent;
  EXPECT_GT(grown, 0);
  w.ActivateHint(vcl::TRect{200, 100, 201, 101}, text);
  win::RECT bevelled = WindowRect(&w);
  EXPECT_EQ(bevelled.Right - bevelled.Left, wide.Right - wide.Left + 2 * grown);
  EXPECT_EQ(bevelled.Bottom - bevelled.Top, wide.Bottom - wide.Top + 2 * grown);
}

// Asked for past an edge of the screen (1024 x 768), the window sized from HintControl is
// moved onto it whole, its size kept.
TEST_F(HintTest, TheWindowSizedFromHintControlStaysOnTheScreen) {
  TZYLHint h(nullptr);
  h.SetEnabled(true);
  TZYLHintWindow w(nullptr);
  const std::string text = "one two three";
  w.ActivateHint(vcl::TRect{200, 100, 201, 101}, text);
  const win::RECT inside = WindowRect(&w);
  const int width = inside.Right - inside.Left, height = inside.Bottom - inside.Top;
  struct TCase {
    const char* Name;
    vcl::TPoint Asked, Shown;
  };
  for (const TCase& c : {TCase{"right", {1020, 100}, {1024 - width, 100}},
                         TCase{"bottom", {200, 765}, {200, 768 - height}},
                         TCase{"bottom right", {1020, 765}, {1024 - width, 768 - height}},
                         TCase{"top left", {-40, -30}, {0, 0}}}) {
    SCOPED_TRACE(c.Name);
    w.ActivateHint(vcl::TRect{c.Asked.X, c.Asked.Y, c.Asked.X + 1, c.Asked.Y + 1}, text);
    const win::RECT r = WindowRect(&w);
    EXPECT_EQ(r.Left, c.Shown.X);
    EXPECT_EQ(r.Top, c.Shown.Y);
    EXPECT_EQ(r.Right - r.Left, width);
    EXPECT_EQ(r.Bottom - r.Top, height);
  }
}

TEST_F(HintTest, PaintDrawsBevelBackgroundAndTextOfHintControl) {
  TZYLHint h(nullptr);
  h.SetEnabled(true);
  h.SetColor(vcl::clYellow);
  h.Font()->SetColor(vcl::clRed);
  TZYLHintWindow w(nullptr);
  w.ActivateHint(vcl::TRect{300, 300, 301, 301}, "Hint text");
  tk::TCapture cap = tk::RenderWindow(w.Handle());
  ASSERT_GT(cap.Width, 10);
  ASSERT_GT(cap.Height, 6);
  const uint32_t yellow = Rgb(vcl::clYellow);
  // The lowered bevel's dark edge runs along the top.
  EXPECT_EQ(cap.Color(cap.Width / 2, 0), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(cap.Color(cap.Width - 2, cap.Height - 2), yellow);
  EXPECT_GT(CountColor(cap, vcl::clRed), 10);
  if (HasFailure()) tk::WriteFailurePng(cap, "HintPaint");

  // Once the component is gone the same window paints as a plain hint window.
  h.SetEnabled(false);
  w.SetColor(vcl::clAqua);
  w.Invalidate();
  cap = tk::RenderWindow(w.Handle());
  EXPECT_EQ(cap.Color(cap.Width / 2, 1), Rgb(vcl::clAqua));
  EXPECT_EQ(CountColor(cap, vcl::clRed), 0);
}

}  // namespace
