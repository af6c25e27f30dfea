// Owned top-level windows: above their owner in z-order however the owner comes forward,
// hidden while the owner is minimised and shown again when it is restored.
#include <functional>
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using testkit::TMessageRecorder;

class OwnedWindowsTest : public UserTest {
 protected:
  // An overlapped window that can be minimised, and a popup it owns, both shown.
  HWND Owner(int x = 0) {
    return Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, x, 0, 200, 150);
  }
  HWND Owned(HWND owner, int x = 20) {
    return Make("PlainWnd", WS_POPUP | WS_CAPTION | WS_VISIBLE, owner, x, 20, 80, 60);
  }
  // The thread's top-level windows from the top, limited to the ones given.
  static std::vector<HWND> ZOrder(const std::vector<HWND>& among) {
    std::vector<HWND> order;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
      if (std::find(among.begin(), among.end(), h) != among.end()) order.push_back(h);
    return order;
  }
};

struct TRaise {
  const char* Name;
  std::function<void(HWND)> Raise;
};

class OwnerRaised : public OwnedWindowsTest, public ::testing::WithParamInterface<TRaise> {};

TEST_P(OwnerRaised, KeepsItsOwnedWindowAbove) {
  HWND owner = Owner();
  HWND owned = Owned(owner);
  HWND other = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
  ASSERT_EQ(ZOrder({owner, owned, other}), (std::vector<HWND>{other, owned, owner}));
  GetParam().Raise(owner);
  EXPECT_EQ(ZOrder({owner, owned, other}), (std::vector<HWND>{owned, owner, other}));
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, OwnerRaised,
    ::testing::Values(TRaise{"BringWindowToTop", [](HWND h) { BringWindowToTop(h); }},
                      TRaise{"SetWindowPosTop",
                             [](HWND h) {
                               SetWindowPos(h, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
                             }},
                      TRaise{"SetActiveWindow", [](HWND h) { SetActiveWindow(h); }},
                      TRaise{"SetForegroundWindow", [](HWND h) { SetForegroundWindow(h); }},
                      TRaise{"ClickOnTheCaption",
                             [](HWND h) {
                               // Clear of the other window first, then a click on the middle of the
                               // caption.
                               SetWindowPos(h, nullptr, 400, 300, 0, 0,
                                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                               const RECT r = WindowRect(h);
                               testkit::Click((r.Left + r.Right) / 2, r.Top + 8);
                             }},
                      TRaise{"ClickInTheClientArea",
                             [](HWND h) {
                               SetWindowPos(h, nullptr, 400, 300, 0, 0,
                                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                               const RECT r = WindowRect(h);
                               testkit::Click(r.Right - 20, r.Bottom - 20);
                             }}),
    [](const ::testing::TestParamInfo<TRaise>& info) { return std::string(info.param.Name); });

TEST_F(OwnedWindowsTest, AnOwnedWindowSentToTheBottomStopsAboveItsOwner) {
  HWND owner = Owner();
  HWND other = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 10, 10);
  HWND owned = Owned(owner);
  SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(ZOrder({owner, owned, other}), (std::vector<HWND>{other, owned, owner}));
  // Placed after a window below its owner, it goes right above the owner instead.
  BringWindowToTop(other);
  SetWindowPos(owned, owner, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(owner, GW_HWNDPREV), owned);
}

TEST_F(OwnedWindowsTest, AChainOfOwnedWindowsComesForwardInItsOrder) {
  HWND owner = Owner();
  HWND first = Owned(owner, 10);
  HWND second = Owned(owner, 30);
  HWND grand = Owned(first, 50);  // owned by an owned window
  HWND other = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 300, 200);
  const std::vector<HWND> all{owner, first, second, grand, other};
  // Raising `first` puts its own owned window above it; its owner stays below it.
  BringWindowToTop(first);
  std::vector<HWND> order = ZOrder(all);
  ASSERT_EQ(order.front(), grand);
  EXPECT_EQ(order[1], first);
  BringWindowToTop(owner);
  order = ZOrder(all);
  EXPECT_EQ(order.back(), other);
  EXPECT_EQ(order[3], owner);
  // Each owned window stays above its own owner, and the two siblings keep their order.
  auto pos = [&](HWND h) { return std::find(order.begin(), order.end(), h) - order.begin(); };
  EXPECT_LT(pos(grand), pos(first));
  EXPECT_LT(pos(first), pos(second));
}

TEST_F(OwnedWindowsTest, MinimisingTheOwnerHidesItsOwnedWindowsUntilItIsRestored) {
  HWND owner = Owner();
  HWND shown = Owned(owner, 10);
  HWND hidden = Make("PlainWnd", WS_POPUP, owner, 0, 0, 20, 20);  // never shown
  HWND other = Owner(250);
  HWND notOwned = Owned(other);
  TMessageRecorder rec;
  rec.Attach(shown);
  rec.Attach(hidden);
  ShowWindow(owner, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(owner));
  EXPECT_FALSE(IsWindowVisible(shown));
  EXPECT_FALSE(IsWindowVisible(hidden));
  EXPECT_TRUE(IsWindowVisible(notOwned));
  std::vector<LPARAM> status;
  for (const auto& e : rec.Entries())
    if (e.Msg == WM_SHOWWINDOW && e.LParam) status.push_back(e.LParam);
  EXPECT_EQ(status, std::vector<LPARAM>{SW_PARENTCLOSING});
  EXPECT_EQ(rec.MessagesOf(hidden, {WM_SHOWWINDOW}).size(), 0u);
  rec.Clear();
  ShowWindow(owner, SW_RESTORE);
  EXPECT_FALSE(IsIconic(owner));
  EXPECT_TRUE(IsWindowVisible(shown));
  EXPECT_FALSE(IsWindowVisible(hidden));  // only what went with the owner comes back
  status.clear();
  for (const auto& e : rec.Entries())
    if (e.Msg == WM_SHOWWINDOW && e.LParam) status.push_back(e.LParam);
  EXPECT_EQ(status, std::vector<LPARAM>{SW_PARENTOPENING});
  EXPECT_EQ(GetWindow(owner, GW_HWNDPREV), shown);
}

TEST_F(OwnedWindowsTest, AWindowHiddenOnPurposeWhileItsOwnerIsMinimisedStaysHidden) {
  HWND owner = Owner();
  HWND owned = Owned(owner);
  ShowWindow(owner, SW_MINIMIZE);
  ASSERT_FALSE(IsWindowVisible(owned));
  ShowWindow(owned, SW_HIDE);  // the program closes it meanwhile
  ShowWindow(owner, SW_SHOWNORMAL);
  EXPECT_FALSE(IsWindowVisible(owned));
}

TEST_F(OwnedWindowsTest, ShowOwnedPopupsBringsBackOnlyWhatItHid) {
  HWND owner = Owner();
  HWND a = Owned(owner, 10);
  HWND b = Make("PlainWnd", WS_POPUP, owner, 0, 0, 20, 20);
  EXPECT_TRUE(ShowOwnedPopups(owner, FALSE));
  EXPECT_FALSE(IsWindowVisible(a));
  EXPECT_TRUE(ShowOwnedPopups(owner, TRUE));
  EXPECT_TRUE(IsWindowVisible(a));
  EXPECT_FALSE(IsWindowVisible(b));
  EXPECT_FALSE(ShowOwnedPopups(nullptr, TRUE));
}

}  // namespace
}  // namespace usertest
