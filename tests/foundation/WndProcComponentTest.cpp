// The form-hooking component base and the button and dock routines.
#include <gtest/gtest.h>

#include <string>

#include "foundation/ZYLButtonDock.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Resources.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Messages.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/ControlsSession.h"
#include "tests/support/TestKit.h"
#include "platform/user/WinUser.h"

using namespace zyl;

namespace {

constexpr win::UINT WM_PROBE = win::WM_USER + 77;

// Counts the messages its hook sees; answers WM_PROBE itself with 42.
class TProbeHook : public TZYLWndProcComponent {
 public:
  using TZYLWndProcComponent::TZYLWndProcComponent;
  int Probes = 0;
  int Destroys = 0;
  int Recreates = 0;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == WM_PROBE && !Suspended()) {
      ++Probes;
      Message.Result = 42;
      return;
    }
    if (Message.Msg == win::WM_DESTROY) ++Destroys;
    if (Message.Msg == vcl::CM_RECREATEWND) ++Recreates;
    TZYLWndProcComponent::WndProc(Message);
  }
};

class WndProcComponentTest : public ::testing::Test {
 protected:
  WndProcComponentTest() : session_(800, 600) {}

  static vcl::TForm* MakeForm() {
    auto* f = new vcl::TForm(nullptr);
    f->SetBounds(10, 10, 200, 150);
    f->SetCaption("Hooked");
    return f;
  }
  // The caption's length, asked through the form's WindowProc (reaches the window only when
  // every hook passes it on).
  static win::LRESULT TextLength(vcl::TForm* f) { return f->Perform(win::WM_GETTEXTLENGTH, 0, 0); }

 private:
  vcl::testkit::TControlsSession session_;
};

}  // namespace

TEST_F(WndProcComponentTest, DefaultsAndNoHookBeforeLoaded) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  EXPECT_TRUE(h->Enabled());
  EXPECT_FALSE(h->DesignEnabled());
  EXPECT_FALSE(h->HandleApp());
  EXPECT_EQ(h->FormKind(), 0);
  EXPECT_EQ(h->GetOwnerForm(), f);
  EXPECT_FALSE(h->Hooked());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 0);
  EXPECT_EQ(h->Probes, 0);
  // HandleApp is stored only while loading or designing.
  h->SetHandleApp(true);
  EXPECT_FALSE(h->HandleApp());
  delete f;
}

TEST_F(WndProcComponentTest, LoadedInstallsAndCallsThrough) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->Loaded();
  ASSERT_TRUE(h->Hooked());
  EXPECT_TRUE(f->HandleAllocated());  // the hook made the window
  EXPECT_TRUE(h->ValidOwner());
  EXPECT_EQ(h->GetOwnerHandle(), f->Handle());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(h->Probes, 1);
  // Other messages reach the form's own procedure.
  EXPECT_EQ(TextLength(f), 6);
  // A second Init does not chain the hook onto itself.
  h->Init();
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(h->Probes, 2);
  delete f;
}

TEST_F(WndProcComponentTest, DisablingRestoresAndEnablingReinstalls) {
  vcl::TForm* f = MakeForm();
  const vcl::TWndMethod original = f->WindowProc();
  auto* h = new TProbeHook(f);
  h->Loaded();
  EXPECT_FALSE(f->WindowProc() == original);
  h->SetEnabled(false);
  EXPECT_FALSE(h->Hooked());
  EXPECT_TRUE(f->WindowProc() == original);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 0);
  EXPECT_EQ(h->Probes, 0);
  h->SetEnabled(true);
  EXPECT_TRUE(h->Hooked());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  delete f;
}

TEST_F(WndProcComponentTest, SuspendedPassesNothingOn) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->Loaded();
  h->SetSuspended(true);
  EXPECT_EQ(TextLength(f), 0);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 0);
  h->SetSuspended(false);
  EXPECT_EQ(TextLength(f), 6);
  delete f;
}

TEST_F(WndProcComponentTest, FreeingTheComponentRestoresTheForm) {
  vcl::TForm* f = MakeForm();
  const vcl::TWndMethod original = f->WindowProc();
  auto* h = new TProbeHook(f);
  h->Loaded();
  delete h;
  EXPECT_TRUE(f->WindowProc() == original);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 0);
  EXPECT_EQ(TextLength(f), 6);
  delete f;
}

TEST_F(WndProcComponentTest, HookSurvivesWindowRecreation) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->Loaded();
  const win::HWND first = f->Handle();
  f->RecreateWnd();
  win::testkit::RunUntilIdle();
  const win::HWND second = f->Handle();
  EXPECT_NE(first, second);
  EXPECT_FALSE(win::IsWindow(first));
  EXPECT_EQ(h->Recreates, 1);
  EXPECT_EQ(h->Destroys, 1);  // WM_DESTROY passed through the hook
  EXPECT_TRUE(h->Hooked());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(TextLength(f), 6);
  EXPECT_EQ(h->GetOwnerHandle(), second);
  delete f;
}

TEST_F(WndProcComponentTest, NestedHooksChainAndUnwind) {
  vcl::TForm* f = MakeForm();
  const vcl::TWndMethod original = f->WindowProc();
  auto* a = new TProbeHook(f);
  auto* b = new TProbeHook(f);
  a->Loaded();
  b->Loaded();
  // The later hook sees the message first and answers it.
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(b->Probes, 1);
  EXPECT_EQ(a->Probes, 0);
  EXPECT_EQ(TextLength(f), 6);
  // Unwinding in reverse order gives back the form's own procedure.
  delete b;
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(a->Probes, 1);
  delete a;
  EXPECT_TRUE(f->WindowProc() == original);
  delete f;
}

TEST_F(WndProcComponentTest, RemovingAHookFromTheMiddleKeepsTheChain) {
  vcl::TForm* f = MakeForm();
  const vcl::TWndMethod original = f->WindowProc();
  auto* a = new TProbeHook(f);
  auto* b = new TProbeHook(f);
  auto* c = new TProbeHook(f);
  a->Loaded();
  b->Loaded();
  c->Loaded();
  // Take out the middle one, then the bottom one, while the top one stays.
  delete b;
  EXPECT_EQ(TextLength(f), 6);
  delete a;
  EXPECT_EQ(TextLength(f), 6);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(c->Probes, 1);
  // Re-enabling puts a hook on top of the chain again.
  c->SetEnabled(false);
  EXPECT_TRUE(f->WindowProc() == original);
  auto* d = new TProbeHook(f);
  d->Loaded();
  c->SetEnabled(true);
  d->SetEnabled(false);  // d is below c now
  EXPECT_EQ(TextLength(f), 6);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  EXPECT_EQ(c->Probes, 2);
  EXPECT_EQ(d->Probes, 0);
  delete f;
}

TEST_F(WndProcComponentTest, FormDestroyedWithHookInPlace) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->Loaded();
  f->Show();
  win::testkit::RunUntilIdle();
  ASSERT_TRUE(h->Hooked());
  const win::HWND wnd = f->Handle();
  delete f;  // frees the hook too; the form's window goes through the hook to the end
  EXPECT_FALSE(win::IsWindow(wnd));
}

TEST_F(WndProcComponentTest, DesigningHooksOnlyWithDesignEnabled) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->SetDesigning(true);
  h->Loaded();
  EXPECT_FALSE(h->Hooked());
  // Switching Enabled while designing installs nothing either.
  h->SetEnabled(false);
  h->SetEnabled(true);
  EXPECT_FALSE(h->Hooked());
  // HandleApp can be set while designing.
  h->SetHandleApp(true);
  EXPECT_TRUE(h->HandleApp());
  h->SetDesignEnabled(true);
  h->Loaded();
  EXPECT_TRUE(h->Hooked());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 42);
  delete f;
}

TEST_F(WndProcComponentTest, FormKindFollowsFormStyle) {
  auto* f = new vcl::TForm(nullptr);
  f->SetFormStyle(vcl::fsMDIForm);
  auto* h = new TProbeHook(f);
  EXPECT_EQ(h->FormKind(), 2);
  delete f;
}

TEST_F(WndProcComponentTest, NoWindowedOwnerNoHook) {
  auto* h = new TProbeHook(nullptr);
  h->Loaded();
  EXPECT_FALSE(h->Hooked());
  EXPECT_EQ(h->GetOwnerHandle(), nullptr);
  EXPECT_EQ(h->GetOwnerForm(), nullptr);
  EXPECT_FALSE(h->ValidOwner());
  delete h;
}

// ---- Button style and dock routines ----

namespace {

// Writes identifiers to a stream and reads each back as a button style.
struct TStyleRead {
  TZYLUserButtonStyle Style = ubsWin31;
  bool CtlXP = false;
};

TStyleRead ReadStyle(const std::string& Ident, bool CtlXP = false) {
  vcl::TMemoryStream stream;
  {
    vcl::TWriter w(&stream);
    w.WriteIdent(Ident);
  }
  stream.SetPosition(0);
  vcl::TReader r(&stream);
  TStyleRead out;
  out.CtlXP = CtlXP;
  ZYLButtonReadExtStyle(&r, out.Style, out.CtlXP);
  return out;
}

}  // namespace

TEST(ButtonDockRoutines, ReadExtStyleMapsRetiredNames) {
  TStyleRead s = ReadStyle("ubsWinXP");
  EXPECT_EQ(s.Style, ubsWin40);
  EXPECT_TRUE(s.CtlXP);
  s = ReadStyle("ubsWinXPCombo");
  EXPECT_EQ(s.Style, ubsCombo);
  EXPECT_TRUE(s.CtlXP);
  s = ReadStyle("ubsWinXPTool");
  EXPECT_EQ(s.Style, ubsExplorer);
  EXPECT_TRUE(s.CtlXP);
}

TEST(ButtonDockRoutines, ReadExtStyleCurrentNamesLeaveCtlXP) {
  TStyleRead s = ReadStyle("ubsOfficeTransp", false);
  EXPECT_EQ(s.Style, ubsOfficeTransp);
  EXPECT_FALSE(s.CtlXP);
  s = ReadStyle("ubsWin31", true);
  EXPECT_EQ(s.Style, ubsWin31);
  EXPECT_TRUE(s.CtlXP);
  s = ReadStyle("ubsWin40Ext");
  EXPECT_EQ(s.Style, ubsWin40Ext);
}

TEST(ButtonDockRoutines, ReadExtStyleRejectsUnknownNames) {
  EXPECT_THROW(ReadStyle("ubsNoSuchStyle"), vcl::Exception);
  EXPECT_THROW(ReadStyle(""), vcl::Exception);
  TZYLUserButtonStyle st = ubsFlat;
  bool xp = false;
  EXPECT_THROW(ZYLButtonReadExtStyle(nullptr, st, xp), vcl::Exception);
  EXPECT_EQ(st, ubsFlat);
}

TEST(ButtonDockRoutines, DockErrorNamesBothComponents) {
  vcl::TComponent attached(nullptr), control(nullptr);
  attached.SetName("DockLabel1");
  control.SetName("Edit1");
  const std::string m =
      testsupport::ErrorOf<vcl::Exception>([&] { ZYLRaiseDockError(&attached, &control); });
  EXPECT_NE(m.find("DockLabel1"), std::string::npos) << m;
  EXPECT_NE(m.find("Edit1"), std::string::npos) << m;
  const std::string tail = "Only one ZYLDockXXXX per control is allowed.";
  EXPECT_EQ(m.substr(m.size() - std::min(m.size(), tail.size())), tail);
  EXPECT_THROW(ZYLRaiseDockError(nullptr, nullptr), vcl::Exception);
}

namespace {

// A dock-like hook that answers the dock query with itself.
class TDockHook : public TZYLWndProcComponent {
 public:
  using TZYLWndProcComponent::TZYLWndProcComponent;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == CM_ZYLDOCKQUERY) {
      Message.Result = ZYLDockQueryAnswer(this);
      return;
    }
    TZYLWndProcComponent::WndProc(Message);
  }
};

}  // namespace

TEST_F(WndProcComponentTest, DockQueryFindsTheAttachedComponent) {
  vcl::TForm* f = MakeForm();
  EXPECT_EQ(ZYLDockQuery(f), nullptr);
  EXPECT_EQ(ZYLDockQuery(nullptr), nullptr);
  auto* d = new TDockHook(f);
  d->Loaded();
  EXPECT_EQ(ZYLDockQuery(f), d);
  d->SetEnabled(false);
  EXPECT_EQ(ZYLDockQuery(f), nullptr);
  delete f;
}

// ---- The application window (HandleApp) ----

namespace {

constexpr win::UINT WM_APPPROBE = win::WM_USER + 78;

// Answers WM_APPPROBE sent to the application window with 99 and counts it.
class TAppProbe : public TZYLWndProcComponent {
 public:
  using TZYLWndProcComponent::TZYLWndProcComponent;
  int AppProbes = 0;
  bool Answer = true;
  bool AppWndProc(vcl::TMessage& Message) override {
    if (Message.Msg != WM_APPPROBE) return false;
    ++AppProbes;
    if (Answer) Message.Result = 99;
    return Answer;
  }
  // As a form stream sets it: while loading.
  void LoadWithHandleApp() {
    SetComponentStateFlag(vcl::csLoading, true);
    SetHandleApp(true);
    SetComponentStateFlag(vcl::csLoading, false);
    Loaded();
  }
};

win::LRESULT SendToApp(win::UINT Msg) {
  return win::SendMessageA(vcl::Application->Handle(), Msg, 0, 0);
}

}  // namespace

TEST_F(WndProcComponentTest, HandleAppHooksTheApplicationWindow) {
  vcl::TForm* f = MakeForm();
  auto* h = new TAppProbe(f);
  h->LoadWithHandleApp();
  ASSERT_TRUE(h->Hooked());
  EXPECT_TRUE(h->AppHooked());
  EXPECT_EQ(SendToApp(WM_APPPROBE), 99);
  EXPECT_EQ(h->AppProbes, 1);
  // Messages it does not answer go on to the application; the form's hook is not involved.
  h->Answer = false;
  EXPECT_EQ(SendToApp(WM_APPPROBE), 0);
  EXPECT_EQ(h->AppProbes, 2);
  EXPECT_EQ(TextLength(f), 6);
  h->Init();  // hooks nothing twice
  EXPECT_EQ(vcl::Application->WindowHookCount(), 1);
  // Disabled, it leaves the application window too.
  h->SetEnabled(false);
  EXPECT_EQ(vcl::Application->WindowHookCount(), 0);
  h->SetEnabled(true);
  h->Answer = true;
  // A second component, hooked last, is asked first; freeing one leaves the other.
  auto* g = new TAppProbe(f);
  g->LoadWithHandleApp();
  EXPECT_EQ(SendToApp(WM_APPPROBE), 99);
  EXPECT_EQ(g->AppProbes, 1);
  EXPECT_EQ(h->AppProbes, 2);
  delete g;
  EXPECT_EQ(SendToApp(WM_APPPROBE), 99);
  EXPECT_EQ(h->AppProbes, 3);
  delete f;  // frees the component with the form
  EXPECT_EQ(vcl::Application->WindowHookCount(), 0);
  EXPECT_EQ(SendToApp(WM_APPPROBE), 0);
}

TEST_F(WndProcComponentTest, WithoutHandleAppTheApplicationWindowIsLeftAlone) {
  vcl::TForm* f = MakeForm();
  auto* plain = new TAppProbe(f);
  plain->Loaded();
  EXPECT_TRUE(plain->Hooked());
  EXPECT_FALSE(plain->AppHooked());
  EXPECT_EQ(SendToApp(WM_APPPROBE), 0);
  EXPECT_EQ(plain->AppProbes, 0);
  delete f;
}

// ---- Built-in glyphs ----

namespace {

// Registers a glyph strip of `cells` cells, cell i filled with colour CellColor(i), for the
// test's lifetime.
class TGlyphStrip {
 public:
  explicit TGlyphStrip(int cells) {
    vcl::TBitmap strip;
    strip.SetPixelFormat(vcl::pf24bit);
    strip.SetSize(cells * ZYLGlyphCellWidth, ZYLGlyphCellHeight);
    for (int i = 0; i < cells; ++i) {
      strip.Canvas()->Brush()->SetColor(CellColor(i));
      strip.Canvas()->FillRect(vcl::Rect(i * ZYLGlyphCellWidth, 0, (i + 1) * ZYLGlyphCellWidth,
                                         ZYLGlyphCellHeight));
    }
    vcl::TMemoryStream data;
    strip.SaveToStream(&data);
    vcl::RegisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH", data.Memory(),
                          static_cast<size_t>(data.Size()));
  }
  // The built-in strip comes back for the tests that follow.
  ~TGlyphStrip() { ZYLRegisterGlyphStrip(); }
  static vcl::TColor CellColor(int i) { return 0x000010 * (i + 1) + 0x200000; }
};

}  // namespace

TEST_F(WndProcComponentTest, GlyphKindCutsItsCell) {
  TGlyphStrip strip(8);
  vcl::TBitmap bmp;
  ZYLGetGlyphKind(&bmp, gkEllipsis);
  EXPECT_EQ(bmp.Width(), ZYLGlyphCellWidth);
  EXPECT_EQ(bmp.Height(), ZYLGlyphCellHeight);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), TGlyphStrip::CellColor(0));
  ZYLGetGlyphKind(&bmp, gkFont);  // the last cell
  EXPECT_EQ(bmp.Width(), ZYLGlyphCellWidth);
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), TGlyphStrip::CellColor(7));
  EXPECT_EQ(bmp.Canvas()->Pixels(12, 13), TGlyphStrip::CellColor(7));
  ZYLGetGlyphKind(&bmp, gkFolder);
  EXPECT_EQ(bmp.Canvas()->Pixels(6, 7), TGlyphStrip::CellColor(2));
  // gkCustom and a null bitmap change nothing.
  ZYLGetGlyphKind(&bmp, gkCustom);
  EXPECT_EQ(bmp.Canvas()->Pixels(6, 7), TGlyphStrip::CellColor(2));
  ZYLGetGlyphKind(nullptr, gkFile);
}

TEST_F(WndProcComponentTest, GlyphKindWithoutStripOrCell) {
  vcl::TBitmap bmp;
  {
    TGlyphStrip none(1);  // puts the built-in strip back when it goes
    vcl::UnregisterResource(vcl::HInstance, vcl::RT_BITMAP, "ZYLBMPGLYPH");
    EXPECT_THROW(ZYLGetGlyphKind(&bmp, gkFile), vcl::EResNotFound);
  }
  TGlyphStrip shortStrip(2);
  EXPECT_NO_THROW(ZYLGetGlyphKind(&bmp, gkFile));
  EXPECT_THROW(ZYLGetGlyphKind(&bmp, gkSearch), vcl::Exception);
}
