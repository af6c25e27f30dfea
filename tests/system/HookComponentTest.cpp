// Subclassing one control: the message hook and the file drop target.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFMDrop.h"
#include "system/ZYLHookComponent.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// A panel that counts the WM_DESTROY messages its own procedure receives and notes the drops
// that reach it, with the number of names it could still read from them.
class TCountingPanel : public vcl::TPanel {
 public:
  using vcl::TPanel::TPanel;
  int Destroys = 0;
  win::HDROP Drop = nullptr;
  int DropNames = -1;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == win::WM_DESTROY) ++Destroys;
    if (Message.Msg == win::WM_DROPFILES) {
      Drop = reinterpret_cast<win::HDROP>(Message.WParam);
      DropNames = static_cast<int>(win::DragQueryFileA(Drop, 0xFFFFFFFF, nullptr, 0));
    }
    vcl::TPanel::WndProc(Message);
  }
};

// What the hook and the drop handler heard.
struct TListener : vcl::TObject {
  std::vector<win::UINT> Messages;
  win::UINT Consume = 0;
  bool ConsumeDestroy = false;
  int Count = -1, X = 0, Y = 0;
  std::vector<std::string> Files;
  void Message(vcl::TObject*, vcl::TMessage& m, bool& handled) {
    Messages.push_back(m.Msg);
    if (m.Msg == Consume) {
      handled = true;
      m.Result = 77;
    }
    if (m.Msg == win::WM_DESTROY && ConsumeDestroy) handled = true;
  }
  void Drop(vcl::TObject*, int fcount, int x, int y, vcl::TStrings* list) {
    Count = fcount;
    X = x;
    Y = y;
    Files.clear();
    for (int i = 0; i < list->Count(); ++i) Files.push_back(list->Get(i));
  }
};

class HookComponent : public ::testing::Test {
 protected:
  HookComponent() : session_(800, 600) {
    form_.reset(new vcl::TForm(nullptr));
    form_->SetBounds(20, 20, 400, 300);
    panel_ = new TCountingPanel(form_.get());
    panel_->SetParent(form_.get());
    panel_->SetBounds(50, 60, 200, 100);
  }
  win::LRESULT Send(win::UINT msg, win::WPARAM w = 0, win::LPARAM l = 0) {
    return win::SendMessageA(panel_->Handle(), msg, w, l);
  }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  TCountingPanel* panel_;
  TListener listener_;
};

TEST_F(HookComponent, TheHookSeesTheControlsMessagesAndMayConsumeThem) {
  panel_->HandleNeeded();
  auto* hook = new TZYLHookComponent(form_.get());
  hook->SetOnMessage(TZYLMessageEvent(&listener_, &TListener::Message));
  hook->SetControl(panel_);  // the window exists: hooked at once
  ASSERT_TRUE(hook->Hooked());
  listener_.Consume = win::WM_SETTEXT;
  EXPECT_EQ(Send(win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>("new")), 77);
  EXPECT_NE(panel_->Caption(), "new");
  EXPECT_EQ(Send(win::WM_GETTEXTLENGTH), static_cast<win::LRESULT>(panel_->Caption().size()));
  EXPECT_EQ(listener_.Messages.front(), static_cast<win::UINT>(win::WM_SETTEXT));
  // Disabled: the control's messages pass by the hook.
  hook->SetEnabled(false);
  EXPECT_FALSE(hook->Hooked());
  listener_.Messages.clear();
  Send(win::WM_GETTEXTLENGTH);
  EXPECT_TRUE(listener_.Messages.empty());
  hook->SetEnabled(true);
  Send(win::WM_GETTEXTLENGTH);
  EXPECT_EQ(listener_.Messages.size(), 1u);
  // Freeing the component gives the control its own procedure back.
  delete hook;
  EXPECT_EQ(Send(win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>("own")), 1);
  EXPECT_EQ(panel_->Caption(), "own");
}

TEST_F(HookComponent, AControlWithoutAWindowIsHookedWhenLoaded) {
  auto* hook = new TZYLHookComponent(form_.get());
  hook->SetOnMessage(TZYLMessageEvent(&listener_, &TListener::Message));
  hook->SetControl(panel_);
  EXPECT_FALSE(hook->Hooked());
  hook->Loaded();
  EXPECT_TRUE(hook->Hooked());
  EXPECT_TRUE(panel_->HandleAllocated());
}

TEST_F(HookComponent, DestroyingTheWindowReleasesTheControlWhichStillHearsIt) {
  auto* hook = new TZYLHookComponent(form_.get());
  hook->SetOnMessage(TZYLMessageEvent(&listener_, &TListener::Message));
  listener_.ConsumeDestroy = true;  // cannot stop the unhooking
  panel_->HandleNeeded();
  hook->SetControl(panel_);
  panel_->RecreateWnd();
  panel_->HandleNeeded();
  EXPECT_EQ(hook->Control(), nullptr);
  EXPECT_FALSE(hook->Hooked());
  EXPECT_EQ(panel_->Destroys, 1);
  listener_.Messages.clear();
  Send(win::WM_GETTEXTLENGTH);
  EXPECT_TRUE(listener_.Messages.empty());
  // A freed control is forgotten.
  hook->SetControl(panel_);
  delete panel_;
  EXPECT_EQ(hook->Control(), nullptr);
}

TEST_F(HookComponent, DroppedFilesAreReportedWithTheirCountAndPoint) {
  testsupport::TempDir dir;
  std::string deep = dir.Path();
  while (deep.size() < 300) {
    deep += "/" + std::string(60, 'd');
    vcl::ForceDirectories(deep);
  }
  const std::vector<std::string> files = {dir.File("One.TXT"), dir.File("Two.txt"),
                                          deep + "/Long.txt"};
  for (const auto& f : files) vcl::FileClose(vcl::FileCreate(f));
  auto* drop = new TZYLFMDrop(form_.get());
  drop->SetOnFMDragDrop(TZYLFMDragDropEvent(&listener_, &TListener::Drop));
  drop->SetControl(panel_);
  drop->Loaded();
  ASSERT_TRUE(drop->Hooked());
  form_->Show();
  win::testkit::RunUntilIdle();
  const vcl::TPoint at = panel_->ClientToScreen({15, 25});
  ASSERT_TRUE(win::ShellDropFiles(at, files));
  win::testkit::RunUntilIdle();
  EXPECT_EQ(listener_.Count, 3);
  EXPECT_EQ(listener_.X, 15);
  EXPECT_EQ(listener_.Y, 25);
  EXPECT_EQ(listener_.Files, (std::vector<std::string>{files[0], files[1]}));
  drop->SetCharCase(ccUpperCase);
  ASSERT_TRUE(win::ShellDropFiles(at, {files[0]}));
  win::testkit::RunUntilIdle();
  EXPECT_EQ(listener_.Files, (std::vector<std::string>{vcl::AnsiUpperCase(files[0])}));
  // Disabled, the control takes no files any more.
  drop->SetEnabled(false);
  EXPECT_FALSE(win::ShellDropFiles(at, {files[0]}));
}

// The drop reaches the control in every case; the component releases it after that only when
// its handler took it, and otherwise leaves it to whoever handles the control's drops.
class HookComponentDropRelease : public HookComponent,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P(HookComponentDropRelease, OnlyAfterItsHandlerTookIt) {
  const bool handled = GetParam();
  testsupport::TempDir dir;
  const std::string file = dir.File("One.txt");
  vcl::FileClose(vcl::FileCreate(file));
  auto* drop = new TZYLFMDrop(form_.get());
  if (handled) drop->SetOnFMDragDrop(TZYLFMDragDropEvent(&listener_, &TListener::Drop));
  drop->SetControl(panel_);
  drop->Loaded();
  form_->Show();
  win::testkit::RunUntilIdle();
  ASSERT_TRUE(win::ShellDropFiles(panel_->ClientToScreen({15, 25}), {file}));
  win::testkit::RunUntilIdle();
  ASSERT_NE(panel_->Drop, nullptr);
  EXPECT_EQ(panel_->DropNames, 1);
  EXPECT_EQ(listener_.Count, handled ? 1 : -1);
  EXPECT_EQ(win::GlobalSize(panel_->Drop) > 0, !handled);
  if (!handled) win::DragFinish(panel_->Drop);
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutHandler, HookComponentDropRelease, ::testing::Bool());

// Three hooks on one control, freed in each order: after each one goes, a message of the
// control reaches every survivor once and the control answers it; after the last, the control's
// own window procedure is back.
struct TPerSender : vcl::TObject {
  std::map<vcl::TObject*, int> Heard;
  std::map<vcl::TObject*, int> Dropped;
  void Message(vcl::TObject* Sender, vcl::TMessage&, bool&) { ++Heard[Sender]; }
  void Drop(vcl::TObject* Sender, int, int, int, vcl::TStrings*) { ++Dropped[Sender]; }
};

class HookComponentTwins : public HookComponent,
                           public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(HookComponentTwins, FreedInAnyOrderKeepTheSubclassingChainWhole) {
  panel_->SetCaption("Panel");
  panel_->HandleNeeded();
  const win::LONG_PTR own = win::GetWindowLongPtrA(panel_->Handle(), win::GWLP_WNDPROC);
  TPerSender heard;
  std::vector<TZYLHookComponent*> hooks;
  for (int i = 0; i < 3; ++i) {
    hooks.push_back(new TZYLHookComponent(form_.get()));
    hooks.back()->SetOnMessage(TZYLMessageEvent(&heard, &TPerSender::Message));
    hooks.back()->SetControl(panel_);
    ASSERT_TRUE(hooks.back()->Hooked());
  }
  std::vector<TZYLHookComponent*> alive = hooks;
  for (int freed : GetParam()) {
    TZYLHookComponent* gone = hooks[static_cast<size_t>(freed)];
    alive.erase(std::find(alive.begin(), alive.end(), gone));
    delete gone;
    heard.Heard.clear();
    EXPECT_EQ(Send(win::WM_GETTEXTLENGTH), 5);
    std::map<vcl::TObject*, int> expected;
    for (TZYLHookComponent* h : alive) expected[h] = 1;
    EXPECT_EQ(heard.Heard, expected);
  }
  EXPECT_EQ(win::GetWindowLongPtrA(panel_->Handle(), win::GWLP_WNDPROC), own);
}

INSTANTIATE_TEST_SUITE_P(Orders, HookComponentTwins,
                         ::testing::Values(std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 1},
                                           std::array<int, 3>{1, 0, 2}, std::array<int, 3>{1, 2, 0},
                                           std::array<int, 3>{2, 0, 1},
                                           std::array<int, 3>{2, 1, 0}));

// Two drop targets on the panel of the shown form, each telling `told`, and a file to drop on
// the panel at `at`.
struct TTwoDropTargets {
  TTwoDropTargets(vcl::TForm* form, vcl::TWinControl* panel) : file(dir.File("One.txt")) {
    vcl::FileClose(vcl::FileCreate(file));
    for (int i = 0; i < 2; ++i) {
      drops.push_back(new TZYLFMDrop(form));
      drops.back()->SetOnFMDragDrop(TZYLFMDragDropEvent(&told, &TPerSender::Drop));
      drops.back()->SetControl(panel);
      drops.back()->Loaded();
    }
    form->Show();
    win::testkit::RunUntilIdle();
    at = panel->ClientToScreen({15, 25});
  }
  testsupport::TempDir dir;
  std::string file;
  TPerSender told;
  std::vector<TZYLFMDrop*> drops;
  vcl::TPoint at;
};

// Two drop targets on one control: a drop tells both handlers once and is let go once; with
// either one freed, the control still takes files and the other is told of them.
class FMDropTwins : public HookComponent, public ::testing::WithParamInterface<int> {};

TEST_P(FMDropTwins, EachIsToldAndEitherMayGoFirst) {
  TTwoDropTargets s(form_.get(), panel_);
  const size_t blocks = win::testkit::LiveResources().GlobalBlocks;
  ASSERT_TRUE(win::ShellDropFiles(s.at, {s.file}));
  win::testkit::RunUntilIdle();
  EXPECT_EQ(s.told.Dropped, (std::map<vcl::TObject*, int>{{s.drops[0], 1}, {s.drops[1], 1}}));
  EXPECT_EQ(panel_->DropNames, 1);
  EXPECT_EQ(win::testkit::LiveResources().GlobalBlocks, blocks);
  const auto first = static_cast<size_t>(GetParam());
  delete s.drops[first];
  s.told.Dropped.clear();
  ASSERT_TRUE(win::ShellDropFiles(s.at, {s.file}));
  win::testkit::RunUntilIdle();
  EXPECT_EQ(s.told.Dropped, (std::map<vcl::TObject*, int>{{s.drops[1 - first], 1}}));
  EXPECT_EQ(win::testkit::LiveResources().GlobalBlocks, blocks);
}

INSTANTIATE_TEST_SUITE_P(FreedFirst, FMDropTwins, ::testing::Values(0, 1));

// Two drop targets on one control: switching one off leaves the control taking files for the
// other; with both off it takes none.
TEST_F(HookComponent, ADropTargetSwitchedOffLeavesTheOtherTakingFiles) {
  TTwoDropTargets s(form_.get(), panel_);
  s.drops[0]->SetEnabled(false);
  ASSERT_TRUE(win::ShellDropFiles(s.at, {s.file}));
  win::testkit::RunUntilIdle();
  EXPECT_EQ(s.told.Dropped, (std::map<vcl::TObject*, int>{{s.drops[1], 1}}));
  s.drops[1]->SetEnabled(false);
  EXPECT_FALSE(win::ShellDropFiles(s.at, {s.file}));
}

}  // namespace
}  // namespace zyl
