// The form-hooking component base and the button and dock routines.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/ZYLButtonDock.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Messages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/support/ErrorOf.h"

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

  // A form captioned "Hooked", freed by the fixture unless the test frees it (Drop).
  vcl::TForm* MakeForm() {
    form_.reset(new vcl::TForm(nullptr));
    form_->SetBounds(10, 10, 200, 150);
    form_->SetCaption("Hooked");
    return form_.get();
  }
  void Drop() { form_.reset(); }
  // The caption's length, asked through the form's WindowProc (reaches the window only when
  // every hook passes it on).
  static win::LRESULT TextLength(vcl::TForm* f) { return f->Perform(win::WM_GETTEXTLENGTH, 0, 0); }

 private:
  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
};

}  // namespace

TEST_F(WndProcComponentTest, DefaultsAndNoHookBeforeLoaded) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  EXPECT_EQ(h->FormKind(), 0);
  EXPECT_EQ(h->GetOwnerForm(), f);
  EXPECT_FALSE(h->Hooked());
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), 0);
  EXPECT_EQ(h->Probes, 0);
  // HandleApp is stored only while loading or designing.
  h->SetHandleApp(true);
  EXPECT_FALSE(h->HandleApp());
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
}

TEST_F(WndProcComponentTest, FormDestroyedWithHookInPlace) {
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  h->Loaded();
  f->Show();
  win::testkit::RunUntilIdle();
  ASSERT_TRUE(h->Hooked());
  const win::HWND wnd = f->Handle();
  Drop();  // frees the hook too; the form's window goes through the hook to the end
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
}

namespace {

struct TDesignCase {
  const char* Name;
  bool Designing;
  bool DesignEnabled;
  bool Hooked;  // after Loaded
};

class WndProcDesignEnabled : public WndProcComponentTest,
                             public ::testing::WithParamInterface<TDesignCase> {};

}  // namespace

TEST_P(WndProcDesignEnabled, LoadedHooksUnlessDesigningWithoutDesignEnabled) {
  const TDesignCase& c = GetParam();
  vcl::TForm* f = MakeForm();
  auto* h = new TProbeHook(f);
  EXPECT_FALSE(h->DesignEnabled());  // off from the start
  h->SetDesigning(c.Designing);
  h->SetDesignEnabled(c.DesignEnabled);
  EXPECT_EQ(h->DesignEnabled(), c.DesignEnabled);
  h->Loaded();
  EXPECT_EQ(h->Hooked(), c.Hooked);
  EXPECT_EQ(f->Perform(WM_PROBE, 0, 0), c.Hooked ? 42 : 0);
}

INSTANTIATE_TEST_SUITE_P(States, WndProcDesignEnabled,
                         ::testing::Values(TDesignCase{"Running", false, false, true},
                                           TDesignCase{"RunningDesignEnabled", false, true, true},
                                           TDesignCase{"Designing", true, false, false},
                                           TDesignCase{"DesigningDesignEnabled", true, true, true}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(WndProcComponentTest, FormKindFollowsFormStyle) {
  vcl::TForm* f = MakeForm();
  f->SetFormStyle(vcl::fsMDIForm);
  auto* h = new TProbeHook(f);
  EXPECT_EQ(h->FormKind(), 2);
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

TEST(ButtonDockRoutines, ReadExtStyleMapsRetiredNamesAndKeepsCurrentOnes) {
  const struct {
    const char* Ident;
    bool CtlXPBefore;
    TZYLUserButtonStyle Style;
    bool CtlXP;
  } cases[] = {
      // Retired names switch themes on.
      {"ubsWinXP", false, ubsWin40, true},
      {"ubsWinXPCombo", false, ubsCombo, true},
      {"ubsWinXPTool", false, ubsExplorer, true},
      // Current names leave the switch as it was.
      {"ubsOfficeTransp", false, ubsOfficeTransp, false},
      {"ubsWin31", true, ubsWin31, true},
      {"ubsWin40Ext", false, ubsWin40Ext, false},
  };
  for (const auto& c : cases) {
    const TStyleRead s = ReadStyle(c.Ident, c.CtlXPBefore);
    EXPECT_EQ(s.Style, c.Style) << c.Ident;
    EXPECT_EQ(s.CtlXP, c.CtlXP) << c.Ident;
  }
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
  Drop();  // frees the component with the form
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
}
