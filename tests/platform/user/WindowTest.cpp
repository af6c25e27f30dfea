// Window classes, the window tree, destruction order, window longs, subclassing, properties,
// text, non-client geometry, positions and show states.
#include <functional>
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using testkit::TMessageRecorder;

// Every message of every window of the class "LogWnd", in one log. WM_CREATE fails when the
// creation parameter points at -1.
std::vector<std::pair<HWND, UINT>> g_log;

LRESULT LogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  g_log.emplace_back(h, msg);
  if (msg == WM_CREATE) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
    if (cs->lpCreateParams && *static_cast<const int*>(cs->lpCreateParams) == -1) return -1;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

class WindowTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    ASSERT_NE(RegisterProc("LogWnd", LogProc, 0, 16), 0);
    g_log.clear();
  }
  static size_t CountOf(HWND h, UINT m) {
    return static_cast<size_t>(std::count(g_log.begin(), g_log.end(), std::make_pair(h, m)));
  }
};

TEST_F(WindowTest, ClassesRegisterOnceAndAnswerTheirInfo) {
  EXPECT_EQ(RegisterProc("logwnd", LogProc), 0);  // names compare without case
  WNDCLASSA info;
  ASSERT_TRUE(GetClassInfoA(nullptr, "LOGWND", &info));
  EXPECT_EQ(info.lpfnWndProc, &LogProc);
  EXPECT_EQ(info.cbWndExtra, 16);
  EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &info));
  EXPECT_EQ(Make("NoSuchClass", 0), nullptr);
  HWND w = Make("LogWnd", WS_POPUP);
  char name[32];
  EXPECT_EQ(GetClassNameA(w, name, sizeof name), 6);
  EXPECT_STREQ(name, "LogWnd");
  EXPECT_EQ(GetClassNameA(w, name, 4), 3);  // truncated, terminated
  EXPECT_STREQ(name, "Log");
  EXPECT_FALSE(UnregisterClassA("LogWnd", nullptr));  // a class with live windows stays
  DestroyWindow(w);
  EXPECT_TRUE(UnregisterClassA("LogWnd", nullptr));
  EXPECT_FALSE(GetClassInfoA(nullptr, "LogWnd", &info));
}

TEST_F(WindowTest, ClassLongsAndExtraBytes) {
  WNDCLASSEXA wc;
  wc.lpfnWndProc = PlainProc;
  wc.lpszClassName = "Extra";
  wc.cbClsExtra = 8;
  wc.cbWndExtra = 20;
  wc.style = CS_PARENTDC;
  ASSERT_NE(RegisterClassExA(&wc), 0);
  HWND w = Make("Extra", WS_POPUP);
  EXPECT_EQ(GetClassLongA(w, GCL_CBWNDEXTRA), 20u);
  EXPECT_EQ(GetClassLongA(w, GCL_STYLE), CS_PARENTDC);
  EXPECT_EQ(SetClassLongA(w, 4, 77), 0u);
  EXPECT_EQ(GetClassLongA(w, 4), 77u);
  EXPECT_EQ(GetClassLongA(w, 6), 0u);  // out of range
  // Window extra bytes start zeroed; reads past the end answer 0 and change nothing.
  EXPECT_EQ(SetWindowLongA(w, 16, 0x12345678), 0);
  EXPECT_EQ(GetWindowLongA(w, 16), 0x12345678);
  EXPECT_EQ(SetWindowLongA(w, 17, 5), 0);
  EXPECT_EQ(GetWindowLongA(w, 17), 0);
  SetWindowLongPtrA(w, 8, static_cast<LONG_PTR>(0x1122334455667788LL));
  EXPECT_EQ(GetWindowLongPtrA(w, 8), static_cast<LONG_PTR>(0x1122334455667788LL));
  EXPECT_EQ(GetWindowLongPtrA(w, 16), 0);  // 8 bytes do not fit at 16
}

TEST_F(WindowTest, ChildrenKeepTheirIdAndShowWithTheirParent) {
  HWND top = Make("LogWnd", WS_OVERLAPPEDWINDOW, nullptr, 10, 10, 300, 200);
  HWND child = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, top,
                               reinterpret_cast<HMENU>(7), nullptr, nullptr);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetDlgItem(top, 7), child);
  EXPECT_EQ(CountOf(child, WM_ACTIVATE), 0u);  // children are never activated
  EXPECT_FALSE(IsWindowVisible(child));         // its parent is still hidden
  ShowWindow(top, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowTest, CreateFailsWhenCreateAnswersMinusOne) {
  int fail = -1;
  EXPECT_EQ(CreateWindowExA(0, "LogWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, &fail), nullptr);
  ASSERT_FALSE(g_log.empty());
  HWND dead = g_log.front().first;  // the half-made window was destroyed properly
  EXPECT_FALSE(IsWindow(dead));
  EXPECT_EQ(CountOf(dead, WM_DESTROY) + CountOf(dead, WM_NCDESTROY), 2u);
  EXPECT_EQ(g_log.back(), std::make_pair(dead, WM_NCDESTROY));
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND top = Make("LogWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  HWND a = Make("LogWnd", WS_CHILD | WS_VISIBLE, top, 0, 0, 50, 50);
  HWND a1 = Make("LogWnd", WS_CHILD | WS_VISIBLE, a);
  HWND owned = Make("LogWnd", WS_POPUP, top);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
  EXPECT_EQ(GetParent(owned), top);  // a popup's "parent" is its owner
  g_log.clear();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> order;
  for (auto& e : g_log)
    if (e.second == WM_DESTROY || e.second == WM_NCDESTROY) order.push_back(e);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {owned, WM_DESTROY}, {owned, WM_NCDESTROY},  // owned windows go first
      {top, WM_DESTROY},   {a, WM_DESTROY},   {a1, WM_DESTROY},
      {a1, WM_NCDESTROY},  {a, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND h : {top, a, a1, owned}) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTest, DestroyingTheFocusedWindowReleasesFocusAndCapture) {
  HWND top = Make("LogWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 200, 200);
  HWND c = Make("LogWnd", WS_CHILD | WS_VISIBLE, top, 0, 0, 50, 50);
  SetFocus(c);
  SetCapture(c);
  g_log.clear();
  DestroyWindow(c);
  EXPECT_EQ(GetFocus(), top);  // the parent takes the focus back
  EXPECT_EQ(GetCapture(), nullptr);
  std::vector<UINT> seen;
  for (auto& [h, m] : g_log)
    if (h == c && (m == WM_KILLFOCUS || m == WM_CAPTURECHANGED || m == WM_DESTROY)) seen.push_back(m);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_KILLFOCUS, WM_CAPTURECHANGED, WM_DESTROY}));
}

// Handlers that destroy windows again while they are going away.
LRESULT NastyProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  g_log.emplace_back(h, m);
  if (m == WM_DESTROY || m == WM_NCDESTROY) {
    DestroyWindow(h);
    if (HWND p = GetParent(h)) DestroyWindow(p);
    if (HWND c = GetWindow(h, GW_CHILD)) DestroyWindow(c);
  }
  return DefWindowProcA(h, m, w, l);
}

TEST_F(WindowTest, DestroyingAgainFromDestroyHandlersIsHarmless) {
  RegisterProc("Nasty", NastyProc);
  HWND top = Make("Nasty", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  HWND a = Make("Nasty", WS_CHILD | WS_VISIBLE, top, 0, 0, 50, 50);
  HWND b = Make("Nasty", WS_CHILD | WS_VISIBLE, a, 0, 0, 20, 20);
  g_log.clear();
  EXPECT_TRUE(DestroyWindow(a));  // a's handler takes its parent along
  for (HWND h : {top, a, b}) {
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(CountOf(h, WM_DESTROY), 1u);  // exactly once each
    EXPECT_EQ(CountOf(h, WM_NCDESTROY), 1u);
  }
  testkit::RunUntilIdle();
}

TEST_F(WindowTest, TreeNavigationFollowsZOrder) {
  HWND top = Make("PlainWnd", WS_POPUP, nullptr, 0, 0, 100, 100);
  HWND a = Make("PlainWnd", WS_CHILD, top, 0, 0, 10, 10, "a");
  HWND b = Make("PlainWnd", WS_CHILD, top, 0, 0, 10, 10, "b");
  HWND c = Make("PlainWnd", WS_CHILD, top, 0, 0, 10, 10, "c");
  // New children go to the bottom: creation order is z-order from the top.
  EXPECT_EQ(GetWindow(top, GW_CHILD), a);
  EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
  EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
  EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
  SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), c);
  SetWindowPos(c, b, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  std::vector<HWND> seen;
  for (HWND h = GetWindow(top, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) seen.push_back(h);
  EXPECT_EQ(seen, (std::vector<HWND>{a, b, c}));
  EXPECT_EQ(GetParent(b), top);
  EXPECT_EQ(GetAncestor(b, GA_PARENT), top);
  EXPECT_EQ(GetAncestor(top, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetAncestor(b, GA_ROOT), top);
  EXPECT_TRUE(IsChild(top, b));
  EXPECT_FALSE(IsChild(b, top));
  EXPECT_EQ(FindWindowExA(top, nullptr, "PLAINWND", "b"), b);
  EXPECT_EQ(FindWindowExA(top, a, nullptr, nullptr), b);
  EXPECT_EQ(FindWindowA("PlainWnd", nullptr), top);
  auto collect = [](HWND h, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
    return TRUE;
  };
  std::vector<HWND> kids, tops;
  EnumChildWindows(top, collect, reinterpret_cast<LPARAM>(&kids));
  EXPECT_EQ(kids, (std::vector<HWND>{a, b, c}));
  EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(&tops));
  EXPECT_EQ(tops, std::vector<HWND>{top});  // top-level windows only
  EXPECT_EQ(GetWindowThreadProcessId(b, nullptr), GetCurrentThreadId());
  int count = 0;
  EnumWindows([](HWND, LPARAM p) { return ++*reinterpret_cast<int*>(p), FALSE; }, reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 1);  // FALSE stops after the first
  // Re-parenting moves the window and refuses cycles.
  EXPECT_EQ(SetParent(c, a), top);
  EXPECT_EQ(GetParent(c), a);
  EXPECT_EQ(GetWindow(a, GW_CHILD), c);
  EXPECT_EQ(SetParent(a, c), nullptr);
}

// Destroys the window kept in GWLP_USERDATA when it is hidden.
LRESULT DestroyOnHideProc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_WINDOWPOSCHANGED && (reinterpret_cast<WINDOWPOS*>(lp)->flags & SWP_HIDEWINDOW))
    DestroyWindow(reinterpret_cast<HWND>(GetWindowLongPtrA(h, GWLP_USERDATA)));
  return DefWindowProcA(h, m, wp, lp);
}

TEST_F(WindowTest, NewParentGoneWhileTheWindowHidesLeavesItWhereItWas) {
  RegisterProc("DestroyOnHide", DestroyOnHideProc);
  HWND from = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  HWND to = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 200, 0, 100, 100);
  HWND c = Make("DestroyOnHide", WS_CHILD | WS_VISIBLE, from, 10, 10, 20, 20);
  SetWindowLongPtrA(c, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(to));
  EXPECT_EQ(SetParent(c, to), nullptr);
  EXPECT_FALSE(IsWindow(to));
  EXPECT_EQ(GetParent(c), from);
  EXPECT_FALSE(IsWindowVisible(c));
}

// Destroys the window kept in GWLP_USERDATA when told it is about to be hidden.
LRESULT DestroyOnShowFalseProc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_SHOWWINDOW && !wp)
    DestroyWindow(reinterpret_cast<HWND>(GetWindowLongPtrA(h, GWLP_USERDATA)));
  return DefWindowProcA(h, m, wp, lp);
}

// The window or its new parent may go while the window hears WM_SHOWWINDOW(FALSE): the window
// that stays keeps its old parent, and SetParent answers failure.
TEST_F(WindowTest, WindowOrNewParentGoneAtTheHideNoticeMakesSetParentFail) {
  RegisterProc("DestroyOnShowFalse", DestroyOnShowFalseProc);
  for (bool destroySelf : {true, false}) {
    HWND from = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
    HWND to = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 200, 0, 100, 100);
    HWND c = Make("DestroyOnShowFalse", WS_CHILD | WS_VISIBLE, from, 10, 10, 20, 20);
    SetWindowLongPtrA(c, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(destroySelf ? c : to));
    EXPECT_EQ(SetParent(c, to), nullptr) << destroySelf;
    EXPECT_NE(IsWindow(destroySelf ? to : c), FALSE) << destroySelf;
    EXPECT_FALSE(IsWindow(destroySelf ? c : to)) << destroySelf;
    if (!destroySelf) {
      EXPECT_EQ(GetParent(c), from);
    }
    EXPECT_EQ(GetWindow(from, GW_CHILD), destroySelf ? nullptr : c) << destroySelf;
  }
}

TEST_F(WindowTest, TopMostWindowsStayAboveTheOthers) {
  HWND n1 = Make("PlainWnd", WS_POPUP | WS_VISIBLE);
  HWND tm = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 10, 10, "", WS_EX_TOPMOST);
  HWND n2 = Make("PlainWnd", WS_POPUP | WS_VISIBLE);
  EXPECT_EQ(GetTopWindow(nullptr), tm);
  BringWindowToTop(n1);
  EXPECT_EQ(GetTopWindow(nullptr), tm);
  EXPECT_EQ(GetWindow(tm, GW_HWNDNEXT), n1);
  SetWindowPos(n2, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetTopWindow(nullptr), n2);
  EXPECT_TRUE(GetWindowLongA(n2, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(n2, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_FALSE(GetWindowLongA(n2, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetTopWindow(nullptr), tm);
  SetWindowLongA(n1, GWL_EXSTYLE, WS_EX_TOPMOST);  // not changed by SetWindowLong
  EXPECT_FALSE(GetWindowLongA(n1, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// Subclass chain: each layer logs and calls the one it replaced; C adds one to the answer.
std::vector<std::string> g_chain;
WNDPROC g_prev[3];
template <int N>
LRESULT Layer(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_chain.push_back(std::string(1, static_cast<char>('A' + N)));
  return CallWindowProcA(g_prev[N], h, m, w, l) + (N == 2 ? 1 : 0);
}
LRESULT BaseProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m != WM_USER) return DefWindowProcA(h, m, w, l);
  g_chain.push_back("base");
  return 100;
}

TEST_F(WindowTest, SubclassChainsCallThroughAndUnhookOutOfOrder) {
  RegisterProc("Base", BaseProc);
  HWND w = Make("Base", WS_POPUP);
  auto hook = [w](WNDPROC p) { return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(p))); };
  g_prev[0] = hook(&Layer<0>);
  EXPECT_EQ(g_prev[0], &BaseProc);
  // The 32-bit variant hands out a value that works with SetWindowLong and CallWindowProc.
  const LONG cookie = GetWindowLongA(w, GWL_WNDPROC);
  g_prev[1] = reinterpret_cast<WNDPROC>(static_cast<uintptr_t>(static_cast<DWORD>(SetWindowLongA(w, GWL_WNDPROC, cookie))));
  hook(&Layer<1>);
  g_prev[2] = hook(&Layer<2>);
  EXPECT_EQ(g_prev[2], &Layer<1>);
  auto run = [w](LRESULT answer) {
    g_chain.clear();
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), answer);
    std::string s;
    for (auto& c : g_chain) s += c + " ";
    return s;
  };
  EXPECT_EQ(run(101), "C B A base ");
  g_prev[2] = g_prev[1];  // B removes itself out of order: C calls what B called
  EXPECT_EQ(run(101), "C A base ");
  hook(&Layer<0>);  // the top layer restores what it replaced
  EXPECT_EQ(run(100), "A base ");
}

TEST_F(WindowTest, StylesTextAndPropertiesRoundTrip) {
  HWND w = Make("LogWnd", WS_POPUP, nullptr, 0, 0, 10, 10, "Hello");
  g_log.clear();
  EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(w, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER))),
            WS_POPUP | WS_CLIPSIBLINGS);
  EXPECT_EQ(g_log, (std::vector<std::pair<HWND, UINT>>{{w, WM_STYLECHANGING}, {w, WM_STYLECHANGED}}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)), WS_POPUP | WS_BORDER);
  SetWindowLongPtrA(w, GWLP_USERDATA, 1234);
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 1234);
  char buf[16];
  EXPECT_EQ(GetWindowTextLengthA(w), 5);
  EXPECT_EQ(GetWindowTextA(w, buf, sizeof buf), 5);
  EXPECT_STREQ(buf, "Hello");
  EXPECT_EQ(GetWindowTextA(w, buf, 3), 2);
  EXPECT_STREQ(buf, "He");
  EXPECT_TRUE(SetWindowTextA(w, "A longer text"));
  EXPECT_EQ(GetWindowTextLengthA(w), 13);
  EXPECT_TRUE(SetWindowTextA(w, nullptr));
  EXPECT_EQ(GetWindowTextLengthA(w), 0);
  int a = 1, b = 2;
  EXPECT_TRUE(SetPropA(w, "Key", &a));
  EXPECT_EQ(GetPropA(w, "KEY"), &a);  // names compare without case
  EXPECT_TRUE(SetPropA(w, "Key", &b));
  EXPECT_EQ(GetPropA(w, "key"), &b);
  EXPECT_TRUE(SetPropA(w, MAKEINTATOM(42), &a));
  EXPECT_EQ(GetPropA(w, MAKEINTATOM(42)), &a);
  EXPECT_EQ(RemovePropA(w, "Key"), &b);
  EXPECT_EQ(GetPropA(w, "Key"), nullptr);
  EXPECT_EQ(RemovePropA(w, "Key"), nullptr);
}

struct FrameCase {
  DWORD Style, ExStyle;
  RECT Expected;  // AdjustWindowRectEx of an empty client at the origin
};

class NonClientArea : public UserTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(NonClientArea, ShrinksTheClientAreaAsAdjustWindowRectSays) {
  const FrameCase& c = GetParam();
  RECT r = {0, 0, 0, 0};
  AdjustWindowRectEx(&r, c.Style, FALSE, c.ExStyle);
  EXPECT_EQ(r, c.Expected);
  HWND parent = Make("PlainWnd", WS_POPUP, nullptr, 0, 0, 500, 500);
  HWND w = Make("PlainWnd", c.Style, (c.Style & WS_CHILD) ? parent : nullptr, 10, 10, 200, 150, "", c.ExStyle);
  EXPECT_EQ(ClientRect(w), (RECT{0, 0, 200 - (r.Right - r.Left), 150 - (r.Bottom - r.Top)}));
  POINT p{0, 0};
  ClientToScreen(w, &p);
  EXPECT_EQ(p, (POINT{WindowRect(w).Left - r.Left, WindowRect(w).Top - r.Top}));
}

INSTANTIATE_TEST_SUITE_P(Styles, NonClientArea,
                         ::testing::Values(FrameCase{WS_POPUP, 0, {0, 0, 0, 0}},
                                           FrameCase{WS_POPUP | WS_BORDER, 0, {-1, -1, 1, 1}},
                                           FrameCase{WS_CHILD, WS_EX_CLIENTEDGE, {-2, -2, 2, 2}},
                                           FrameCase{WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE, {-3, -3, 3, 3}},
                                           FrameCase{WS_POPUP | WS_DLGFRAME, 0, {-3, -3, 3, 3}},
                                           FrameCase{WS_POPUP, WS_EX_DLGMODALFRAME, {-3, -3, 3, 3}},
                                           FrameCase{WS_POPUP | WS_THICKFRAME, 0, {-4, -4, 4, 4}},
                                           FrameCase{WS_OVERLAPPEDWINDOW, 0, {-4, -23, 4, 4}},
                                           FrameCase{WS_CAPTION | WS_SYSMENU, 0, {-3, -22, 3, 3}},
                                           FrameCase{WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, {-3, -18, 3, 3}},
                                           FrameCase{WS_CHILD, WS_EX_STATICEDGE, {-1, -1, 1, 1}}));

TEST_F(WindowTest, ScrollBarsAndFrameChangesShrinkTheClientArea) {
  HWND sb = Make("PlainWnd", WS_POPUP | WS_VSCROLL | WS_HSCROLL, nullptr, 0, 0, 100, 100);
  EXPECT_EQ(ClientRect(sb), (RECT{0, 0, 100 - GetSystemMetrics(SM_CXVSCROLL), 100 - GetSystemMetrics(SM_CYHSCROLL)}));
  HWND w = Make("LogWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 80);
  SetWindowLongA(w, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(ClientRect(w), (RECT{0, 0, 100, 80}));  // a style alone changes nothing yet
  g_log.clear();
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(ClientRect(w), (RECT{0, 0, 96, 76}));
  EXPECT_EQ(CountOf(w, WM_NCCALCSIZE) + CountOf(w, WM_SIZE), 2u);
}

TEST_F(WindowTest, CoordinatesMapBetweenWindows) {
  HWND top = Make("PlainWnd", WS_POPUP | WS_BORDER, nullptr, 100, 50, 300, 300);
  HWND child = Make("PlainWnd", WS_CHILD, top, 20, 30, 50, 50);
  POINT p{1, 2};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{100 + 1 + 20 + 1, 50 + 1 + 30 + 2}));
  ScreenToClient(child, &p);
  EXPECT_EQ(p, (POINT{1, 2}));
  POINT pts[2] = {{0, 0}, {5, 5}};
  MapWindowPoints(child, top, pts, 2);
  EXPECT_EQ(pts[1], (POINT{25, 35}));
  EXPECT_EQ(WindowRect(child), (RECT{121, 81, 171, 131}));
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{25, 35}), child);
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{5, 5}), top);
  EXPECT_EQ(ChildWindowFromPointEx(top, POINT{25, 35}, CWP_SKIPINVISIBLE), top);  // child hidden
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{-5, 5}), nullptr);
}

// A WM_WINDOWPOSCHANGING handler snaps to the left edge; the window asks a minimum size.
LRESULT DockProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_WINDOWPOSCHANGING) {
    auto* wp = reinterpret_cast<WINDOWPOS*>(l);
    if (!(wp->flags & SWP_NOMOVE) && wp->x < 20) wp->x = 0;
  }
  if (m == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = {150, 100};
  return DefWindowProcA(h, m, w, l);
}

TEST_F(WindowTest, PositionAndSizeLimitsComeFromTheWindow) {
  RegisterProc("Dock", DockProc);
  HWND w = Make("Dock", WS_OVERLAPPEDWINDOW, nullptr, 100, 100, 300, 200);
  MoveWindow(w, 12, 50, 300, 200, TRUE);
  EXPECT_EQ(WindowRect(w), (RECT{0, 50, 300, 250}));
  MoveWindow(w, 50, 50, 20, 20, TRUE);
  EXPECT_EQ(WindowRect(w), (RECT{50, 50, 200, 150}));
}

TEST_F(WindowTest, ShowWindowStatesAndPlacement) {
  HWND w = Make("PlainWnd", WS_OVERLAPPEDWINDOW, nullptr, 100, 100, 300, 200);
  TMessageRecorder rec(w);
  auto lastSize = [&] {
    std::pair<WPARAM, LPARAM> r{99, 0};
    for (auto& e : rec.Entries())
      if (e.Msg == WM_SIZE) r = {e.WParam, e.LParam};
    return r;
  };
  EXPECT_FALSE(ShowWindow(w, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_TRUE(ShowWindow(w, SW_SHOW));  // already visible: no WM_SHOWWINDOW again
  EXPECT_EQ(rec.Count(WM_SHOWWINDOW), 1);
  ShowWindow(w, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(w));
  RECT wa;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  EXPECT_EQ(WindowRect(w), (RECT{wa.Left - 4, wa.Top - 4, wa.Right + 4, wa.Bottom + 4}));
  const RECT client = ClientRect(w);
  EXPECT_EQ(lastSize(), (std::pair<WPARAM, LPARAM>{SIZE_MAXIMIZED, MAKELPARAM(client.Right, client.Bottom)}));
  WINDOWPLACEMENT wp;
  ASSERT_TRUE(GetWindowPlacement(w, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(wp.rcNormalPosition, (RECT{100, 100, 400, 300}));
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  EXPECT_FALSE(IsZoomed(w));
  EXPECT_EQ(lastSize().first, SIZE_MINIMIZED);
  EXPECT_NE(GetActiveWindow(), w);  // minimising gives activation away
  GetWindowPlacement(w, &wp);
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
  EXPECT_EQ(wp.flags, WPF_RESTORETOMAXIMIZED);
  ShowWindow(w, SW_RESTORE);  // back to maximised, as it was before
  EXPECT_TRUE(IsZoomed(w));
  rec.Clear();
  ShowWindow(w, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(w));
  EXPECT_EQ(WindowRect(w), (RECT{100, 100, 400, 300}));
  EXPECT_EQ(lastSize(), (std::pair<WPARAM, LPARAM>{SIZE_RESTORED, MAKELPARAM(300 - 8, 200 - 27)}));
  wp.rcNormalPosition = {10, 20, 210, 220};
  wp.showCmd = SW_SHOWNORMAL;
  wp.flags = 0;
  ASSERT_TRUE(SetWindowPlacement(w, &wp));
  EXPECT_EQ(WindowRect(w), (RECT{10, 20, 210, 220}));
  // A placement that minimizes a normal window and says it restores maximized: it does.
  wp.showCmd = SW_SHOWMINIMIZED;
  wp.flags = WPF_RESTORETOMAXIMIZED;
  ASSERT_TRUE(SetWindowPlacement(w, &wp));
  EXPECT_TRUE(IsIconic(w));
  GetWindowPlacement(w, &wp);
  EXPECT_EQ(wp.flags, WPF_RESTORETOMAXIMIZED);
  ShowWindow(w, SW_RESTORE);
  EXPECT_TRUE(IsZoomed(w));
  ShowWindow(w, SW_RESTORE);
  EXPECT_EQ(WindowRect(w), (RECT{10, 20, 210, 220}));
  MoveWindow(w, 10, 20, 50, 50, TRUE);  // never smaller than the minimum tracking size
  EXPECT_EQ(WindowRect(w), (RECT{10, 20, 10 + GetSystemMetrics(SM_CXMINTRACK), 70}));
  rec.Clear();
  ShowWindow(w, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(rec.Count(WM_SHOWWINDOW), 1);
}

TEST_F(WindowTest, EnableWindowSendsEnableAndBlocksFocus) {
  HWND top = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 200, 200);
  HWND w = Make("LogWnd", WS_CHILD | WS_VISIBLE, top, 0, 0, 20, 20);
  SetFocus(w);
  g_log.clear();
  EXPECT_FALSE(EnableWindow(w, FALSE));  // answers whether it was disabled before
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_EQ(GetFocus(), nullptr);
  std::vector<UINT> seen;
  for (auto& [h, m] : g_log)
    if (m == WM_CANCELMODE || m == WM_KILLFOCUS || m == WM_ENABLE) seen.push_back(m);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}));
  EXPECT_TRUE(EnableWindow(w, TRUE));
  EXPECT_TRUE(IsWindowEnabled(w));
}

// The window holding the mouse loses it, and hears so once, when it or its parent is hidden,
// when it is disabled or destroyed, or when another window takes the mouse.
struct TCaptureLoss {
  const char* Name;
  std::function<void(HWND top, HWND w, HWND other)> Take;
};

class CaptureLoss : public WindowTest, public ::testing::WithParamInterface<TCaptureLoss> {};

TEST_P(CaptureLoss, TheCapturingWindowHearsItLostTheMouse) {
  HWND top = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, 200, 200);
  HWND w = Make("LogWnd", WS_CHILD | WS_VISIBLE, top, 0, 0, 20, 20);
  HWND other = Make("PlainWnd", WS_CHILD | WS_VISIBLE, top, 40, 0, 20, 20);
  SetCapture(w);
  ASSERT_EQ(GetCapture(), w);
  g_log.clear();
  GetParam().Take(top, w, other);
  EXPECT_NE(GetCapture(), w);
  EXPECT_EQ(CountOf(w, WM_CAPTURECHANGED), 1u);
  ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CaptureLoss,
    ::testing::Values(
        TCaptureLoss{"Hidden", [](HWND, HWND w, HWND) { ShowWindow(w, SW_HIDE); }},
        TCaptureLoss{"ParentHidden", [](HWND top, HWND, HWND) { ShowWindow(top, SW_HIDE); }},
        TCaptureLoss{"Disabled", [](HWND, HWND w, HWND) { EnableWindow(w, FALSE); }},
        TCaptureLoss{"Destroyed", [](HWND, HWND w, HWND) { DestroyWindow(w); }},
        TCaptureLoss{"TakenByAnother", [](HWND, HWND, HWND other) { SetCapture(other); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(WindowTest, StaleHandlesAreRefusedEverywhere) {
  HWND w = Make("PlainWnd", WS_POPUP);
  DestroyWindow(w);
  RECT r{1, 2, 3, 4};
  EXPECT_FALSE(IsWindow(w));
  EXPECT_FALSE(GetWindowRect(w, &r));
  EXPECT_EQ(r, (RECT{1, 2, 3, 4}));
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
  EXPECT_FALSE(PostMessageA(w, WM_USER, 0, 0));
  EXPECT_FALSE(SetWindowPos(w, nullptr, 0, 0, 1, 1, 0));
  EXPECT_EQ(GetWindowLongA(w, GWL_STYLE), 0);
  EXPECT_EQ(SetFocus(w), nullptr);
  EXPECT_EQ(GetDC(w), nullptr);
  EXPECT_FALSE(InvalidateRect(w, nullptr, TRUE));
  EXPECT_EQ(Make("PlainWnd", WS_CHILD, w), nullptr);
}

}  // namespace
}  // namespace usertest
