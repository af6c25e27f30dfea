// Single-instance component and the global hot key.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/ModuleKind.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLOneInstance.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

// A plain top-level window class for windows that only need to exist.
win::HWND PlainWindow(win::DWORD Style = win::WS_POPUP) {
  win::WNDCLASSA existing;
  if (!win::GetClassInfoA(nullptr, "ZYLTestPlain", &existing)) {
    win::WNDCLASSA wc;
    wc.lpfnWndProc = &win::DefWindowProcA;
    wc.lpszClassName = "ZYLTestPlain";
    win::RegisterClassA(&wc);
  }
  return win::CreateWindowExA(0, "ZYLTestPlain", "", Style, 300, 300, 50, 50, nullptr, nullptr,
                              nullptr, nullptr);
}

// A window session with the library's application object. With EarlierInstance the
// application object starts while another holder has the program's instance lock, so it
// reports a previous instance, and a top-level "TApplication" window titled like this
// application stands for the earlier program.
class InstanceFixture : public ::testing::Test {
 protected:
  InstanceFixture() : session_(800, 600) {
    // The instance lock lives in a folder of this test alone, so that other test programs
    // running at the same time neither hold it nor see it.
    if (const char* d = std::getenv("XDG_RUNTIME_DIR")) savedRuntimeDir_ = d, hadRuntimeDir_ = true;
    ::setenv("XDG_RUNTIME_DIR", lockDir_.Path().c_str(), 1);
    vcl::ClearMessageDlgLog();
    vcl::IsLibrary = false;
    if (ZYLApplication()) {
      savedApp_ = true;
      ZYLApplicationDone();
    }
  }
  ~InstanceFixture() override {
    if (earlier_ && win::IsWindow(earlier_)) win::DestroyWindow(earlier_);
    ZYLApplicationDone();
    lock_.reset();
    if (hadRuntimeDir_)
      ::setenv("XDG_RUNTIME_DIR", savedRuntimeDir_.c_str(), 1);
    else
      ::unsetenv("XDG_RUNTIME_DIR");
    if (savedApp_) ZYLApplicationInit();
    vcl::IsLibrary = false;
    vcl::ClearMessageDlgLog();
  }

  void StartApplication(bool EarlierInstance) {
    if (EarlierInstance) {
      lock_ = std::make_unique<TZYLInstanceLock>(
          vcl::UpperCase(vcl::ExtractFileName(vcl::ParamStr(0))));
      ASSERT_TRUE(lock_->Acquire());
    }
    ZYLApplicationInit();
    ASSERT_EQ(ZYLApplication()->PrevInstance(), EarlierInstance);
    vcl::Application->SetTitle("Ledger");
    const win::HWND own = vcl::Application->Handle();  // registers the "TApplication" class
    ASSERT_NE(own, nullptr);
    if (EarlierInstance) {
      earlier_ = win::CreateWindowExA(0, "TApplication", "Ledger",
                                      win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE, 50, 50,
                                      100, 40, nullptr, nullptr, nullptr, nullptr);
      ASSERT_NE(earlier_, nullptr);
    }
    other_ = PlainWindow(win::WS_POPUP | win::WS_VISIBLE);
    ASSERT_NE(other_, nullptr);
    win::SetForegroundWindow(other_);
  }

  win::HWND earlier_ = nullptr;
  win::HWND other_ = nullptr;

 private:
  testsupport::TempDir lockDir_;
  std::string savedRuntimeDir_;
  bool hadRuntimeDir_ = false;
  vcl::testkit::TControlsSession session_;
  std::unique_ptr<TZYLInstanceLock> lock_;
  bool savedApp_ = false;
};

std::string OwnAppText() {
  char buf[64] = {};
  win::GetWindowTextA(vcl::Application->Handle(), buf, sizeof buf);
  return buf;
}

class CustomHandler : public vcl::TObject {
 public:
  std::vector<vcl::TObject*> Senders;
  void Custom(vcl::TObject* Sender) { Senders.push_back(Sender); }
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// One instance per program

TEST_F(InstanceFixture, SecondComponentAnywhereInTheProgramIsRefused) {
  StartApplication(false);
  EXPECT_EQ(ZYLOneInstanceCount(), 0);
  auto* formA = new vcl::TForm(nullptr);
  auto* formB = new vcl::TForm(nullptr);
  auto* first = new TZYLOneInstance(formA);
  EXPECT_EQ(ZYLOneInstanceCount(), 1);
  EXPECT_EQ(testsupport::ErrorOf<ZYLEOneInstError>([&] { new TZYLOneInstance(formB); }),
            "TZYLOneInstance:\rAlready one TZYLOneInstance control in this project!");
  // The refused component leaves neither a count nor a component behind.
  EXPECT_EQ(ZYLOneInstanceCount(), 1);
  EXPECT_EQ(formB->ComponentCount(), 0);
  delete first;
  EXPECT_EQ(ZYLOneInstanceCount(), 0);
  // Designing counts too, and freeing the first lets a new one be made.
  formB->SetDesigning(true);
  auto* designed = new TZYLOneInstance(formB);
  EXPECT_EQ(ZYLOneInstanceCount(), 1);
  EXPECT_THROW(new TZYLOneInstance(nullptr), ZYLEOneInstError);
  delete designed;
  delete formA;
  delete formB;
  EXPECT_EQ(ZYLOneInstanceCount(), 0);
}

TEST_F(InstanceFixture, DefaultMessageModeTellsActivatesAndTerminates) {
  StartApplication(true);
  TZYLOneInstance c(nullptr);
  c.SetMode(oiDefaultMessage);
  vcl::testkit::TDialogScript script;
  script.Press("OK");
  c.Loaded();
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Information");
  ASSERT_EQ(vcl::MessageDlgLog().size(), 1u);
  const vcl::TMessageDlgRecord& d = vcl::MessageDlgLog()[0];
  EXPECT_EQ(d.Msg, "\"Ledger\" was already started...");
  EXPECT_EQ(d.DlgType, vcl::mtInformation);
  EXPECT_EQ(d.Buttons, vcl::TMsgDlgButtons{vcl::mbOK});
  EXPECT_EQ(d.HelpCtx, 0);
  EXPECT_EQ(win::GetForegroundWindow(), earlier_);
  EXPECT_EQ(OwnAppText(), "");  // blanked so that the search finds the earlier one
  EXPECT_TRUE(vcl::Application->Terminated());
}

TEST_F(InstanceFixture, ActivateOnlyRestoresAMinimizedEarlierInstance) {
  StartApplication(true);
  win::ShowWindow(earlier_, win::SW_MINIMIZE);
  ASSERT_TRUE(win::IsIconic(earlier_));
  TZYLOneInstance c(nullptr);
  c.Loaded();
  EXPECT_FALSE(win::IsIconic(earlier_));
  EXPECT_TRUE(vcl::MessageDlgLog().empty());
  EXPECT_TRUE(vcl::Application->Terminated());
}

TEST_F(InstanceFixture, CustomModeCallsTheHandlerInsteadOfActivating) {
  StartApplication(true);
  CustomHandler h;
  TZYLOneInstance c(nullptr);
  c.SetMode(oiCustom);
  c.SetOnCustom(vcl::TNotifyEvent(&h, &CustomHandler::Custom));
  c.Loaded();
  ASSERT_EQ(h.Senders.size(), 1u);
  EXPECT_EQ(h.Senders[0], &c);
  EXPECT_EQ(win::GetForegroundWindow(), other_);
  EXPECT_TRUE(vcl::Application->Terminated());
}

TEST_F(InstanceFixture, CustomModeWithoutHandlerActivates) {
  StartApplication(true);
  TZYLOneInstance c(nullptr);
  c.SetMode(oiCustom);
  c.Loaded();
  EXPECT_EQ(win::GetForegroundWindow(), earlier_);
  EXPECT_TRUE(vcl::Application->Terminated());
}

TEST_F(InstanceFixture, NothingHappensWhenDisabledDesignedInALibraryOrAlone) {
  StartApplication(true);
  {
    TZYLOneInstance c(nullptr);
    c.SetEnabled(false);
    c.SetMode(oiDefaultMessage);
    c.Loaded();
  }
  {
    TZYLOneInstance c(nullptr);
    c.SetMode(oiDefaultMessage);
    c.SetDesigning(true);
    c.Loaded();
  }
  {
    vcl::IsLibrary = true;
    TZYLOneInstance c(nullptr);
    c.SetMode(oiDefaultMessage);
    c.Loaded();
    vcl::IsLibrary = false;
  }
  EXPECT_TRUE(vcl::MessageDlgLog().empty());
  EXPECT_EQ(win::GetForegroundWindow(), other_);
  EXPECT_FALSE(vcl::Application->Terminated());
  EXPECT_EQ(OwnAppText(), "Ledger");
}

TEST_F(InstanceFixture, FirstInstanceRunsNormally) {
  StartApplication(false);
  TZYLOneInstance c(nullptr);
  c.SetMode(oiDefaultMessage);
  c.Loaded();
  EXPECT_TRUE(vcl::MessageDlgLog().empty());
  EXPECT_FALSE(vcl::Application->Terminated());
}

// ---------------------------------------------------------------------------------------------
// Global hot key

namespace {

class KeyHandler : public vcl::TObject {
 public:
  struct Call {
    vcl::TObject* Sender;
    uint16_t Key;
    vcl::TShiftState Shift;
  };
  std::vector<Call> Calls;
  void KeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift) {
    Calls.push_back({Sender, Key, Shift});
  }
};

class HotKeyTest : public ::testing::Test {
 protected:
  HotKeyTest() : session_(800, 600) {}

  static void Press(uint8_t Vk, bool Ctrl, bool Alt = false, bool Shift = false) {
    win::testkit::SetShiftState(Shift, Ctrl, Alt);
    win::testkit::KeyPress(Vk);
    win::testkit::SetShiftState(false, false, false);
    win::testkit::RunUntilIdle();
  }

  const vcl::TShortCut CtrlF1 = vcl::ShortCut(win::VK_F1, {vcl::ssCtrl});
  const vcl::TShortCut CtrlF2 = vcl::ShortCut(win::VK_F2, {vcl::ssCtrl});

 private:
  vcl::testkit::TControlsSession session_;
};

}  // namespace

TEST_F(HotKeyTest, ModifiersFollowTheShortcutsShiftState) {
  using vcl::ssAlt, vcl::ssCtrl, vcl::ssShift;
  const std::pair<vcl::TShiftState, unsigned> cases[] = {
      {{}, 0},        {{ssCtrl}, 2},
      {{ssAlt}, 1},   {{ssCtrl, ssAlt}, 3},
      {{ssShift}, 4}, {{ssShift, ssCtrl, ssAlt}, 7}};
  for (const auto& [shift, mods] : cases)
    EXPECT_EQ(ZYLHotKeyModifiers(vcl::ShortCut('A', shift)), mods) << mods;
}

TEST_F(HotKeyTest, ConstructionGivesAtomAndHiddenWindowButNoKey) {
  TZYLGlobalHotKey k(nullptr);
  ASSERT_NE(k.Handle(), nullptr);
  EXPECT_TRUE(win::IsWindow(k.Handle()));
  EXPECT_FALSE(win::IsWindowVisible(k.Handle()));
  const std::string name = std::to_string(reinterpret_cast<uintptr_t>(&k));
  EXPECT_EQ(win::GlobalFindAtomA(name.c_str()), k.Identifier());
  EXPECT_NE(k.Identifier(), 0);
  // An empty shortcut claims no key.
  EXPECT_FALSE(k.Registered());
}

TEST_F(HotKeyTest, ChangingTheKeyAtRunTimeMovesTheRegistration) {
  KeyHandler h;
  TZYLGlobalHotKey k(nullptr);
  k.SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
  k.SetHotKey(CtrlF1);
  EXPECT_TRUE(k.Registered());
  Press(win::VK_F1, true);
  ASSERT_EQ(h.Calls.size(), 1u);
  EXPECT_EQ(h.Calls[0].Sender, &k);
  EXPECT_EQ(h.Calls[0].Key, win::VK_F1);
  EXPECT_EQ(h.Calls[0].Shift, vcl::TShiftState{vcl::ssCtrl});
  Press(win::VK_F1, false);  // without Ctrl it is no hot key
  EXPECT_EQ(h.Calls.size(), 1u);

  k.SetHotKey(CtrlF2);
  Press(win::VK_F1, true);
  EXPECT_EQ(h.Calls.size(), 1u);
  Press(win::VK_F2, true);
  ASSERT_EQ(h.Calls.size(), 2u);
  EXPECT_EQ(h.Calls[1].Key, win::VK_F2);

  k.SetHotKey(0);
  EXPECT_FALSE(k.Registered());
  Press(win::VK_F2, true);
  EXPECT_EQ(h.Calls.size(), 2u);
}

TEST_F(HotKeyTest, DeactivatingAndReactivatingReRegisters) {
  KeyHandler h;
  TZYLGlobalHotKey k(nullptr);
  k.SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
  k.SetHotKey(vcl::ShortCut('K', {vcl::ssCtrl, vcl::ssAlt, vcl::ssShift}));
  k.SetEnabled(false);
  EXPECT_FALSE(k.Registered());
  Press('K', true, true, true);
  EXPECT_TRUE(h.Calls.empty());
  // A key changed while inactive is only stored.
  k.SetHotKey(CtrlF1);
  EXPECT_FALSE(k.Registered());
  k.SetEnabled(true);
  EXPECT_TRUE(k.Registered());
  Press(win::VK_F1, true);
  ASSERT_EQ(h.Calls.size(), 1u);
  EXPECT_EQ(h.Calls[0].Key, win::VK_F1);
}

TEST_F(HotKeyTest, HotKeyMessageReportsTheStoredKeyAndOtherMessagesGoToTheDefault) {
  KeyHandler h;
  TZYLGlobalHotKey k(nullptr);
  k.SetHotKey(CtrlF1);
  // Without a handler the message is simply taken.
  EXPECT_EQ(win::SendMessageA(k.Handle(), win::WM_HOTKEY, 77, 0x00410006), 0);
  k.SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
  EXPECT_EQ(win::SendMessageA(k.Handle(), win::WM_HOTKEY, 77, 0x00410006), 0);
  ASSERT_EQ(h.Calls.size(), 1u);
  EXPECT_EQ(h.Calls[0].Key, win::VK_F1);
  EXPECT_EQ(h.Calls[0].Shift, vcl::TShiftState{vcl::ssCtrl});
  win::SendMessageA(k.Handle(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>("hidden"));
  EXPECT_EQ(win::SendMessageA(k.Handle(), win::WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(HotKeyTest, KeyHeldElsewhereNeverFiresAndDoesNotFail) {
  KeyHandler h;
  const win::HWND holder = PlainWindow();
  ASSERT_TRUE(win::RegisterHotKey(holder, 5, win::MOD_CONTROL, win::VK_F1));
  TZYLGlobalHotKey k(nullptr);
  k.SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
  k.SetHotKey(CtrlF1);
  EXPECT_FALSE(k.Registered());
  Press(win::VK_F1, true);
  EXPECT_TRUE(h.Calls.empty());
  win::UnregisterHotKey(holder, 5);
  // Once the other holder lets go, the next change registers.
  k.SetHotKey(CtrlF2);
  k.SetHotKey(CtrlF1);
  EXPECT_TRUE(k.Registered());
  win::DestroyWindow(holder);
}

TEST_F(HotKeyTest, DestructionReleasesKeyAtomAndWindow) {
  win::HWND wnd;
  std::string name;
  {
    TZYLGlobalHotKey k(nullptr);
    k.SetHotKey(CtrlF1);
    wnd = k.Handle();
    name = std::to_string(reinterpret_cast<uintptr_t>(&k));
  }
  EXPECT_FALSE(win::IsWindow(wnd));
  EXPECT_EQ(win::GlobalFindAtomA(name.c_str()), 0);
  // The key is free again for another window.
  const win::HWND other = PlainWindow();
  EXPECT_TRUE(win::RegisterHotKey(other, 1, win::MOD_CONTROL, win::VK_F1));
  win::DestroyWindow(other);
}

TEST_F(HotKeyTest, NothingIsRegisteredWhileDesigning) {
  KeyHandler h;
  auto* form = new vcl::TForm(nullptr);
  form->SetDesigning(true);
  auto* k = new TZYLGlobalHotKey(form);
  k->SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
  k->SetHotKey(CtrlF1);
  k->SetEnabled(false);
  k->SetEnabled(true);
  EXPECT_EQ(k->HotKey(), CtrlF1);
  EXPECT_FALSE(k->Registered());
  Press(win::VK_F1, true);
  EXPECT_TRUE(h.Calls.empty());
  delete form;
}

TEST_F(HotKeyTest, KeyReadFromAFormRegistersUnlessStoredInactive) {
  ZYLOneInstanceUnit.Init();
  std::string active, inactive;
  {
    TZYLGlobalHotKey a(nullptr);
    EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&a)).find(" = "),
              std::string::npos);
    a.SetHotKey(CtrlF1);
    active = vcl::WriteComponentToBytes(&a);
    a.SetEnabled(false);
    inactive = vcl::WriteComponentToBytes(&a);
  }
  const std::string text = vcl::ObjectBinaryToTextString(inactive);
  EXPECT_NE(text.find("Active = False"), std::string::npos) << text;
  EXPECT_NE(text.find("HotKey = " + std::to_string(CtrlF1)), std::string::npos) << text;
  {
    TZYLGlobalHotKey b(nullptr);
    vcl::ReadComponentFromBytes(active, &b);
    EXPECT_EQ(b.HotKey(), CtrlF1);
    EXPECT_TRUE(b.Registered());
  }
  {
    TZYLGlobalHotKey b(nullptr);
    vcl::ReadComponentFromBytes(inactive, &b);
    EXPECT_FALSE(b.Active());
    EXPECT_EQ(b.HotKey(), CtrlF1);
    EXPECT_FALSE(b.Registered());
  }
  ZYLOneInstanceUnit.FInit();
}

// Three hot keys on three keys: whichever goes first, the others' keys still reach their own
// handlers, and the key of the one gone reaches none.
class HotKeyTwins : public HotKeyTest, public ::testing::WithParamInterface<int> {};

TEST_P(HotKeyTwins, TheOthersKeysStayRegistered) {
  KeyHandler h;
  const uint8_t keys[] = {win::VK_F1, win::VK_F2, win::VK_F3};
  std::vector<std::unique_ptr<TZYLGlobalHotKey>> hotKeys;
  for (uint8_t key : keys) {
    hotKeys.push_back(std::make_unique<TZYLGlobalHotKey>(nullptr));
    hotKeys.back()->SetOnKeyDown(vcl::TKeyEvent(&h, &KeyHandler::KeyDown));
    hotKeys.back()->SetHotKey(vcl::ShortCut(key, {vcl::ssCtrl}));
  }
  const auto gone = static_cast<size_t>(GetParam());
  hotKeys[gone].reset();
  for (size_t i = 0; i < 3; ++i) {
    h.Calls.clear();
    Press(keys[i], true);
    if (i == gone) {
      EXPECT_TRUE(h.Calls.empty());
    } else {
      ASSERT_EQ(h.Calls.size(), 1u) << i;
      EXPECT_EQ(h.Calls[0].Sender, hotKeys[i].get());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(FreedFirst, HotKeyTwins, ::testing::Values(0, 1, 2));
