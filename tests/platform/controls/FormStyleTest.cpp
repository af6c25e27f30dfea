#include "ControlsTestSupport.h"

#include <functional>
#include <iterator>

#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"

namespace vcl::testing {
namespace {

using FormStyleTest = ControlsTest;

uint32_t ExStyleOf(TWinControl* c) {
  return static_cast<uint32_t>(win::GetWindowLongA(c->Handle(), win::GWL_EXSTYLE));
}

// A border style and icons, the style bits the window must have and must not have.
struct TStyleCase {
  TFormBorderStyle Border;
  TBorderIcons Icons;
  uint32_t Has, HasNot, ExHas;
};

TEST_F(FormStyleTest, BorderStyleAndIconsChooseTheWindowStyle) {
  using namespace win;
  const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
  const TStyleCase cases[] = {
      {bsSizeable, all, WS_THICKFRAME | WS_CAPTION | WS_MAXIMIZEBOX, WS_CHILD, 0},
      {bsDialog, all, WS_CAPTION, WS_THICKFRAME | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME},
      {bsToolWindow, all, WS_CAPTION, 0, WS_EX_TOOLWINDOW},
      {bsSingle, {biSystemMenu}, WS_SYSMENU, WS_MINIMIZEBOX | WS_THICKFRAME, 0},
      {bsNone, all, WS_POPUP, WS_CAPTION, 0}};
  TForm f(nullptr);
  for (const TStyleCase& c : cases) {
    f.SetBorderStyle(c.Border);
    f.SetBorderIcons(c.Icons);
    const auto style = static_cast<uint32_t>(GetWindowLongA(f.Handle(), GWL_STYLE));
    EXPECT_EQ(style & c.Has, c.Has) << c.Border;
    EXPECT_EQ(style & c.HasNot, 0u) << c.Border;
    EXPECT_EQ(ExStyleOf(&f) & c.ExHas, c.ExHas) << c.Border;
    // Owned by the application window.
    EXPECT_EQ(GetWindow(f.Handle(), GW_OWNER), Application->Handle());
  }
  // Without a frame the client area is the whole window.
  f.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(f.ClientWidth(), 200);
}

TEST_F(FormStyleTest, StayOnTopPositionAndWindowState) {
  auto top = std::make_unique<TForm>(nullptr), other = std::make_unique<TForm>(nullptr);
  top->SetFormStyle(fsStayOnTop);
  top->SetBounds(320, 260, 200, 100);
  top->Show();
  other->SetPosition(poScreenCenter);
  other->SetBounds(0, 0, 200, 100);
  ShowNow(other.get());
  EXPECT_TRUE(ExStyleOf(top.get()) & win::WS_EX_TOPMOST);
  // The centred form landed in the middle of the 800 x 600 screen.
  EXPECT_EQ(other->Left(), 300);
  EXPECT_EQ(other->Top(), 250);
  // The newer form is active, yet the stay-on-top one still covers it.
  EXPECT_EQ(Screen->ActiveForm(), other.get());
  EXPECT_EQ(win::WindowFromPoint({330, 270}), top->Handle());
  EXPECT_EQ(FindDragTarget({330, 270}, false), top.get());
  EXPECT_EQ(FindDragTarget({310, 255}, false), other.get());
  for (TWindowState state : {wsMaximized, wsNormal}) {
    other->SetWindowState(state);
    Idle();
    EXPECT_EQ(win::IsZoomed(other->Handle()) != 0, state == wsMaximized);
    EXPECT_EQ(other->WindowState(), state);
    EXPECT_EQ(other->Width() >= 800, state == wsMaximized);
  }
}

TEST_F(FormStyleTest, AFormStoredAtAnotherResolutionIsScaled) {
  const std::string text =
      "object F: TForm\n"
      "  Left = 0\n  Top = 0\n  BorderStyle = bsNone\n  Width = 240\n  Height = 120\n"
      "  Font.Height = -15\n  PixelsPerInch = 120\n"
      "  object P: TPanel\n    Left = 20\n    Top = 10\n    Width = 100\n    Height = 50\n  end\n"
      "end\n";
  TForm f(nullptr), g(nullptr);
  TStringStream s(text);
  ReadForm(&s, &f);
  EXPECT_EQ(f.PixelsPerInch(), 96);
  auto* p = Find<TPanel>(&f, "P");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BoundsRect(), Rect(16, 8, 96, 48));
  EXPECT_EQ(f.ClientWidth(), 192);
  EXPECT_EQ(f.ClientHeight(), 96);
  EXPECT_EQ(f.Font()->Size(), 9);
  // Unscaled forms keep what they stored.
  TStringStream kept(
      "object F: TForm\n  Scaled = False\n  PixelsPerInch = 120\n  Width = 240\nend\n");
  ReadForm(&kept, &g);
  EXPECT_EQ(g.Width(), 240);
  EXPECT_EQ(g.PixelsPerInch(), 120);
}

TEST_F(FormStyleTest, ApplicationWindowStateAndHelp) {
  TForm f(nullptr);
  ShowNow(&f);
  TLog minimized, restored;
  Application->OnMinimize = minimized.Counter();
  Application->OnRestore = restored.Counter();
  Application->Minimize();
  EXPECT_FALSE(win::IsWindowVisible(f.Handle()));
  Application->Restore();
  EXPECT_TRUE(win::IsWindowVisible(f.Handle()));
  EXPECT_EQ(minimized.Count, 1);
  EXPECT_EQ(restored.Count, 1);
  Application->OnMinimize = nullptr;
  Application->OnRestore = nullptr;
  EXPECT_FALSE(Application->HelpContext(42));  // no help file
  Application->SetHelpFile("app.hlp");
  EXPECT_TRUE(Application->HelpContext(42));
  EXPECT_EQ(Application->LastHelpCommand(), 1);
  EXPECT_EQ(Application->LastHelpData(), 42);
  Application->SetHelpFile("");
  Application->SetTitle("Bench");
  char title[16];
  win::GetWindowTextA(Application->Handle(), title, sizeof title);
  EXPECT_STREQ(title, "Bench");
  char cls[32];
  win::GetClassNameA(Application->Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "TApplication");
  EXPECT_FALSE(Application->ExeName().empty());
}

TEST_F(FormStyleTest, HintWindowMeasuresAndRecognisesClosingMessages) {
  THintWindow h(nullptr);
  TRect small = h.CalcHintRect(400, "Hi", nullptr);
  TRect wide = h.CalcHintRect(400, "A much longer hint text", nullptr);
  EXPECT_GT(small.Right, 6);
  EXPECT_GT(wide.Right, small.Right);
  TRect wrapped = h.CalcHintRect(60, "A much longer hint text", nullptr);
  EXPECT_GT(wrapped.Bottom, wide.Bottom);
  for (const auto& [msg, closes] : {std::pair{win::WM_KEYDOWN, true},
                                    {win::WM_LBUTTONDOWN, true},
                                    {win::WM_MOUSEMOVE, false},
                                    {win::WM_PAINT, false}}) {
    win::MSG m;
    m.message = msg;
    EXPECT_EQ(h.IsHintMsg(m), closes) << msg;
  }
  h.ActivateHint(Rect(10, 10, 60, 30), "Hi");
  EXPECT_TRUE(win::IsWindowVisible(h.Handle()));
  EXPECT_TRUE(ExStyleOf(&h) & win::WS_EX_TOPMOST);
  h.ReleaseHandle();
  EXPECT_FALSE(h.HandleAllocated());
}

TEST_F(FormStyleTest, TheApplicationHearsWhenItGainsAndLosesActivation) {
  TLog activated, deactivated;
  Application->OnActivate = activated.Counter();
  Application->OnDeactivate = deactivated.Counter();
  TForm f(nullptr), g(nullptr);
  ShowNow(&f);
  EXPECT_TRUE(Application->Active());
  ShowNow(&g);  // switching between the application's own forms is no change for it
  EXPECT_EQ(activated.Count, 1);
  EXPECT_EQ(deactivated.Count, 0);
  win::SetActiveWindow(nullptr);
  Idle();
  EXPECT_FALSE(Application->Active());
  EXPECT_EQ(activated.Count, 1);
  EXPECT_EQ(deactivated.Count, 1);
  Application->OnActivate = nullptr;
  Application->OnDeactivate = nullptr;
}

// A form whose window is made again by a new border style, or new border icons, gives the
// focus back to the control that held it, with the caret where the user left it.
TEST_F(FormStyleTest, ANewWindowForTheFormKeepsTheFocusedControl) {
  const std::function<void(TForm&)> changes[] = {
      [](TForm& f) {
        f.SetBorderStyle(bsSingle);
        Idle();
        f.SetBorderStyle(bsSizeable);
      },
      [](TForm& f) { f.SetBorderIcons({biSystemMenu}); },
      [](TForm& f) { f.RecreateWnd(); },
  };
  for (size_t i = 0; i < std::size(changes); ++i) {
    SCOPED_TRACE(i);
    TForm f(nullptr);
    f.SetBounds(0, 0, 300, 200);
    auto* first = new TEdit(&f);
    first->SetBounds(10, 10, 100, 24);
    first->SetParent(&f);
    auto* second = new TEdit(&f);
    second->SetBounds(10, 50, 100, 24);
    second->SetParent(&f);
    ShowNow(&f);
    second->SetFocus();
    Idle();
    win::testkit::TypeText("abc");
    // The focus never left the edit, as far as the user can tell.
    TLog entered, exited;
    second->OnEnter = entered.Counter();
    second->OnExit = exited.Counter();
    const win::HWND old = f.Handle();
    changes[i](f);
    Idle();
    EXPECT_EQ(entered.Count, 0);
    EXPECT_EQ(exited.Count, 0);
    EXPECT_NE(f.Handle(), old);
    EXPECT_TRUE(f.Active());
    EXPECT_EQ(f.ActiveControl(), second);
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(win::GetFocus(), second->Handle());
    EXPECT_EQ(second->Text(), "abc");
    EXPECT_EQ(second->SelStart(), 3);
    // The next key goes where the user left the caret.
    win::testkit::TypeText("d");
    EXPECT_EQ(second->Text(), "abcd");
    EXPECT_EQ(first->Text(), "");
  }
}

}  // namespace
}  // namespace vcl::testing
