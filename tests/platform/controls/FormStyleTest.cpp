#include "ControlsTestSupport.h"

#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"

namespace vcl::testing {
namespace {

using FormStyleTest = ControlsTest;

uint32_t StyleOf(TWinControl* c) { return static_cast<uint32_t>(win::GetWindowLongA(c->Handle(), win::GWL_STYLE)); }
uint32_t ExStyleOf(TWinControl* c) {
  return static_cast<uint32_t>(win::GetWindowLongA(c->Handle(), win::GWL_EXSTYLE));
}

TEST_F(FormStyleTest, BorderStyleAndIconsChooseTheWindowStyle) {
  std::unique_ptr<TForm> f(new TForm(nullptr));
  EXPECT_TRUE(StyleOf(f.get()) & win::WS_THICKFRAME);
  EXPECT_TRUE(StyleOf(f.get()) & win::WS_CAPTION);
  EXPECT_TRUE(StyleOf(f.get()) & win::WS_MAXIMIZEBOX);
  EXPECT_FALSE(StyleOf(f.get()) & win::WS_CHILD);
  // Owned by the application window.
  EXPECT_EQ(win::GetWindow(f->Handle(), win::GW_OWNER), Application->Handle());
  f->SetBorderStyle(bsDialog);
  EXPECT_FALSE(StyleOf(f.get()) & win::WS_THICKFRAME);
  EXPECT_FALSE(StyleOf(f.get()) & win::WS_MAXIMIZEBOX);
  EXPECT_TRUE(ExStyleOf(f.get()) & win::WS_EX_DLGMODALFRAME);
  f->SetBorderStyle(bsToolWindow);
  EXPECT_TRUE(ExStyleOf(f.get()) & win::WS_EX_TOOLWINDOW);
  f->SetBorderStyle(bsSingle);
  f->SetBorderIcons({biSystemMenu});
  EXPECT_TRUE(StyleOf(f.get()) & win::WS_SYSMENU);
  EXPECT_FALSE(StyleOf(f.get()) & win::WS_MINIMIZEBOX);
  f->SetBorderStyle(bsNone);
  EXPECT_TRUE(StyleOf(f.get()) & win::WS_POPUP);
  EXPECT_FALSE(StyleOf(f.get()) & win::WS_CAPTION);
  // Without a frame the client area is the whole window.
  f->SetBounds(0, 0, 200, 100);
  EXPECT_EQ(f->ClientWidth(), 200);
}

TEST_F(FormStyleTest, StayOnTopPositionAndWindowState) {
  std::unique_ptr<TForm> top(new TForm(nullptr));
  top->SetFormStyle(fsStayOnTop);
  top->SetBounds(320, 260, 200, 100);
  top->Show();
  std::unique_ptr<TForm> other(new TForm(nullptr));
  other->SetPosition(poScreenCenter);
  other->SetBounds(0, 0, 200, 100);
  other->Show();
  Idle();
  EXPECT_TRUE(ExStyleOf(top.get()) & win::WS_EX_TOPMOST);
  // The centred form landed in the middle of the 800 x 600 screen.
  EXPECT_EQ(other->Left(), 300);
  EXPECT_EQ(other->Top(), 250);
  // The newer form is active, yet the stay-on-top one still covers it.
  EXPECT_EQ(Screen->ActiveForm(), other.get());
  EXPECT_EQ(win::WindowFromPoint({330, 270}), top->Handle());
  EXPECT_EQ(FindDragTarget({330, 270}, false), top.get());
  EXPECT_EQ(FindDragTarget({310, 255}, false), other.get());
  other->SetWindowState(wsMaximized);
  Idle();
  EXPECT_TRUE(win::IsZoomed(other->Handle()));
  EXPECT_GE(other->Width(), 800);
  EXPECT_EQ(other->WindowState(), wsMaximized);
  other->SetWindowState(wsNormal);
  Idle();
  EXPECT_FALSE(win::IsZoomed(other->Handle()));
  EXPECT_EQ(other->WindowState(), wsNormal);
}

TEST_F(FormStyleTest, AFormStoredAtAnotherResolutionIsScaled) {
  const std::string text =
      "object F: TForm\n"
      "  Left = 0\n  Top = 0\n  BorderStyle = bsNone\n  Width = 240\n  Height = 120\n"
      "  Font.Height = -15\n  PixelsPerInch = 120\n"
      "  object P: TPanel\n    Left = 20\n    Top = 10\n    Width = 100\n    Height = 50\n  end\n"
      "end\n";
  std::unique_ptr<TForm> f(new TForm(nullptr));
  TStringStream s(text);
  ReadForm(&s, f.get());
  EXPECT_EQ(f->PixelsPerInch(), 96);
  auto* p = static_cast<TPanel*>(f->FindComponent("P"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->BoundsRect(), Rect(16, 8, 96, 48));
  EXPECT_EQ(f->ClientWidth(), 192);
  EXPECT_EQ(f->ClientHeight(), 96);
  EXPECT_EQ(f->Font()->Size(), 9);
  // Unscaled forms keep what they stored.
  const std::string kept = "object F: TForm\n  Scaled = False\n  PixelsPerInch = 120\n  Width = 240\nend\n";
  std::unique_ptr<TForm> g(new TForm(nullptr));
  TStringStream s2(kept);
  ReadForm(&s2, g.get());
  EXPECT_EQ(g->Width(), 240);
  EXPECT_EQ(g->PixelsPerInch(), 120);
}

TEST_F(FormStyleTest, ApplicationWindowStateAndHelp) {
  std::unique_ptr<TForm> f(new TForm(nullptr));
  f->Show();
  Idle();
  int minimized = 0, restored = 0;
  struct TE : TObject {
    int* M;
    int* R;
    void Min(TObject*) { ++*M; }
    void Res(TObject*) { ++*R; }
  } e;
  e.M = &minimized;
  e.R = &restored;
  Application->OnMinimize = TNotifyEvent(&e, &TE::Min);
  Application->OnRestore = TNotifyEvent(&e, &TE::Res);
  Application->Minimize();
  EXPECT_FALSE(win::IsWindowVisible(f->Handle()));
  Application->Restore();
  EXPECT_TRUE(win::IsWindowVisible(f->Handle()));
  EXPECT_EQ(minimized, 1);
  EXPECT_EQ(restored, 1);
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
  win::MSG m;
  m.message = win::WM_KEYDOWN;
  EXPECT_TRUE(h.IsHintMsg(m));
  m.message = win::WM_LBUTTONDOWN;
  EXPECT_TRUE(h.IsHintMsg(m));
  m.message = win::WM_MOUSEMOVE;
  EXPECT_FALSE(h.IsHintMsg(m));
  m.message = win::WM_PAINT;
  EXPECT_FALSE(h.IsHintMsg(m));
  h.ActivateHint(Rect(10, 10, 60, 30), "Hi");
  EXPECT_TRUE(win::IsWindowVisible(h.Handle()));
  EXPECT_TRUE(ExStyleOf(&h) & win::WS_EX_TOPMOST);
  h.ReleaseHandle();
  EXPECT_FALSE(h.HandleAllocated());
}

}  // namespace
}  // namespace vcl::testing

namespace vcl::testing {
namespace {

TEST_F(FormStyleTest, TheApplicationHearsWhenItGainsAndLosesActivation) {
  struct TA : TObject {
    std::vector<std::string> Log;
    void Act(TObject*) { Log.push_back("activate"); }
    void Deact(TObject*) { Log.push_back("deactivate"); }
  } a;
  Application->OnActivate = TNotifyEvent(&a, &TA::Act);
  Application->OnDeactivate = TNotifyEvent(&a, &TA::Deact);
  std::unique_ptr<TForm> f(new TForm(nullptr));
  f->Show();
  Idle();
  EXPECT_TRUE(Application->Active());
  std::unique_ptr<TForm> g(new TForm(nullptr));
  g->Show();  // switching between the application's own forms is no change for it
  Idle();
  win::SetActiveWindow(nullptr);
  Idle();
  EXPECT_FALSE(Application->Active());
  EXPECT_EQ(a.Log, (std::vector<std::string>{"activate", "deactivate"}));
  Application->OnActivate = nullptr;
  Application->OnDeactivate = nullptr;
}

}  // namespace
}  // namespace vcl::testing
