// Hidden utility windows, shortcuts and recorded message dialogs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/UtilWindow.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WndProcThunk.h"
#include "tests/support/RaisingHandler.h"

using namespace vcl;

namespace {

class Receiver : public TObject {
 public:
  std::vector<win::UINT> Msgs;
  void WndProc(TMessage& M) {
    Msgs.push_back(M.Msg);
    M.Result =
        M.Msg == win::WM_USER ? 1234 : win::DefWindowProcA(nullptr, M.Msg, M.WParam, M.LParam);
  }
};

}  // namespace

TEST(UtilWindow, MessagesReachTheMethodAndDeallocationFreesAll) {
  win::testkit::TSession session;
  const size_t freeProcs = win::FreeWndProcCount();
  Receiver r;
  win::HWND h = AllocateHWnd(TWndMethod(&r, &Receiver::WndProc));
  win::HWND other = AllocateHWnd(TWndMethod(&r, &Receiver::WndProc));
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(win::FreeWndProcCount(), freeProcs - 2);
  EXPECT_FALSE(win::IsWindowVisible(h));
  EXPECT_EQ(win::GetParent(h), nullptr);
  DeallocateHWnd(other);  // another window's deallocation leaves this one alone
  EXPECT_EQ(win::SendMessageA(h, win::WM_USER, 0, 0), 1234);
  win::PostMessageA(h, win::WM_USER + 1, 0, 0);
  win::testkit::RunUntilIdle();
  ASSERT_GE(r.Msgs.size(), 2u);
  EXPECT_EQ(r.Msgs.back(), win::WM_USER + 1u);
  DeallocateHWnd(h);
  EXPECT_FALSE(win::IsWindow(h));
  EXPECT_EQ(win::FreeWndProcCount(), freeProcs);
  DeallocateHWnd(h);        // twice: nothing
  DeallocateHWnd(nullptr);  // nil: nothing
  EXPECT_EQ(AllocateHWnd(TWndMethod()), nullptr);
}

// A utility window's method that raises, on a message the loop dispatches or one sent to it:
// the error reaches the application's OnException and the window goes on taking messages.
class Raiser : public TObject {
 public:
  testsupport::TRaisingHandler* Raising = nullptr;
  int Calls = 0;
  void WndProc(TMessage& M) {
    if (M.Msg != win::WM_USER) {
      M.Result = win::DefWindowProcA(nullptr, M.Msg, M.WParam, M.LParam);
      return;
    }
    ++Calls;
    Raising->Raise();
  }
};

TEST(UtilWindow, AnErrorOfTheMethodReachesTheApplication) {
  vcl::testkit::TControlsSession session;
  testsupport::TRaisingHandler raising;
  Raiser r;
  r.Raising = &raising;
  win::HWND h = AllocateHWnd(TWndMethod(&r, &Raiser::WndProc));
  ASSERT_NE(h, nullptr);
  win::PostMessageA(h, win::WM_USER, 0, 0);
  EXPECT_NO_THROW(win::testkit::RunUntilIdle());
  EXPECT_NO_THROW(win::SendMessageA(h, win::WM_USER, 0, 0));
  EXPECT_EQ(raising.Arrived,
            (std::vector<std::string>{"The file was not found", "The file was not found"}));
  raising.Armed = false;
  win::PostMessageA(h, win::WM_USER, 0, 0);
  win::testkit::RunUntilIdle();
  EXPECT_EQ(r.Calls, 3);
  EXPECT_EQ(raising.Arrived.size(), 2u);
  DeallocateHWnd(h);
}

TEST(ShortCuts, KeyAndShiftRoundTrip) {
  EXPECT_EQ(ShortCut(win::VK_F1, {ssCtrl, ssShift}), win::VK_F1 | scCtrl | scShift);
  EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), 0);  // not a key code
  // Mouse and double-click states are no modifiers.
  EXPECT_EQ(ShortCut('A', {ssLeft, ssDouble}), 'A');
  const std::pair<uint16_t, TShiftState> keys[] = {
      {win::VK_F1, {ssCtrl, ssShift}}, {'Q', {ssAlt}}, {0, {}}};
  for (const auto& [key, shift] : keys) {
    uint16_t k = 1;
    TShiftState s{ssMiddle};
    ShortCutToKey(key ? ShortCut(key, shift) : 0, k, s);
    EXPECT_EQ(k, key);
    EXPECT_EQ(s, shift) << key;
  }
}
