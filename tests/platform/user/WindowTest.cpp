// Window classes, the window tree, creation and destruction order, window longs, subclassing,
// properties, text and non-client geometry.
#include <string>
#include <vector>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using testkit::TMessageRecorder;

// Records every message of every window of the class "LogWnd" in one global log.
std::vector<std::pair<HWND, UINT>> g_log;

LRESULT LogProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  g_log.emplace_back(h, msg);
  if (msg == WM_CREATE && GetWindowLongPtrA(h, GWLP_USERDATA) == 0) {
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
    if (cs->lpCreateParams && *static_cast<const int*>(cs->lpCreateParams) == -1) return -1;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

class WindowTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    WNDCLASSA wc;
    wc.lpfnWndProc = LogProc;
    wc.lpszClassName = "LogWnd";
    wc.cbWndExtra = 16;
    ASSERT_NE(RegisterClassA(&wc), 0);
    g_log.clear();
  }
  std::vector<UINT> LogOf(HWND h, const std::vector<UINT>& only) {
    std::vector<UINT> out;
    for (auto& [w, m] : g_log)
      if (w == h && std::find(only.begin(), only.end(), m) != only.end()) out.push_back(m);
    return out;
  }
};

TEST_F(WindowTest, ClassesRegisterOnceAndAnswerTheirInfo) {
  WNDCLASSA wc;
  wc.lpfnWndProc = LogProc;
  wc.lpszClassName = "logwnd";  // names compare without case
  EXPECT_EQ(RegisterClassA(&wc), 0);
  WNDCLASSA info;
  ASSERT_TRUE(GetClassInfoA(nullptr, "LOGWND", &info));
  EXPECT_EQ(info.lpfnWndProc, &LogProc);
  EXPECT_EQ(info.cbWndExtra, 16);
  EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &info));
  EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr), nullptr);

  HWND w = CreateWindowExA(0, "LogWnd", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  char name[32];
  EXPECT_EQ(GetClassNameA(w, name, sizeof name), 6);
  EXPECT_STREQ(name, "LogWnd");
  EXPECT_EQ(GetClassNameA(w, name, 4), 3);  // truncated, terminated
  EXPECT_STREQ(name, "Log");
  // A class with live windows cannot go away.
  EXPECT_FALSE(UnregisterClassA("LogWnd", nullptr));
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
  HWND w = CreateWindowExA(0, "Extra", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetClassLongA(w, GCL_CBWNDEXTRA), 20u);
  EXPECT_EQ(GetClassLongA(w, GCL_STYLE), CS_PARENTDC);
  EXPECT_EQ(SetClassLongA(w, 4, 77), 0u);
  EXPECT_EQ(GetClassLongA(w, 4), 77u);
  EXPECT_EQ(GetClassLongA(w, 6), 0u);  // out of range
  // Window extra bytes start zeroed; reads past the end answer 0 and change nothing.
  EXPECT_EQ(GetWindowLongA(w, 16), 0);
  EXPECT_EQ(SetWindowLongA(w, 16, 0x12345678), 0);
  EXPECT_EQ(GetWindowLongA(w, 16), 0x12345678);
  EXPECT_EQ(SetWindowLongA(w, 17, 5), 0);
  EXPECT_EQ(GetWindowLongA(w, 17), 0);
  SetWindowLongPtrA(w, 8, static_cast<LONG_PTR>(0x1122334455667788LL));
  EXPECT_EQ(GetWindowLongPtrA(w, 8), static_cast<LONG_PTR>(0x1122334455667788LL));
  EXPECT_EQ(GetWindowLongPtrA(w, 16), 0);  // 8 bytes do not fit at 16
}

TEST_F(WindowTest, ChildrenKeepTheirIdAndShowWithTheirParent) {
  HWND top = CreateWindowExA(0, "LogWnd", "Top", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, top,
                               reinterpret_cast<HMENU>(7), nullptr, nullptr);
  EXPECT_EQ(GetDlgCtrlID(child), 7);
  EXPECT_EQ(GetDlgItem(top, 7), child);
  EXPECT_EQ(LogOf(child, {WM_ACTIVATE}).size(), 0u);  // children are never activated
  EXPECT_FALSE(IsWindowVisible(child));  // its parent is still hidden
  ShowWindow(top, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowTest, CreateFailsWhenCreateAnswersMinusOne) {
  int fail = -1;
  HWND w = CreateWindowExA(0, "LogWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, &fail);
  EXPECT_EQ(w, nullptr);
  // The half-made window was destroyed properly.
  ASSERT_FALSE(g_log.empty());
  HWND dead = g_log.front().first;
  EXPECT_FALSE(IsWindow(dead));
  EXPECT_EQ(LogOf(dead, {WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND top = CreateWindowExA(0, "LogWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND a = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  HWND a1 = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, a, nullptr, nullptr, nullptr);
  HWND owned = CreateWindowExA(0, "LogWnd", "", WS_POPUP, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
  EXPECT_EQ(GetWindow(owned, GW_OWNER), top);
  EXPECT_EQ(GetParent(owned), top);  // a popup's "parent" is its owner
  g_log.clear();
  ASSERT_TRUE(DestroyWindow(top));
  std::vector<std::pair<HWND, UINT>> order;
  for (auto& e : g_log)
    if (e.second == WM_DESTROY || e.second == WM_NCDESTROY) order.push_back(e);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {owned, WM_DESTROY}, {owned, WM_NCDESTROY},  // owned windows go first
      {top, WM_DESTROY},   {a, WM_DESTROY},     {a1, WM_DESTROY},
      {a1, WM_NCDESTROY},  {a, WM_NCDESTROY},   {top, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND h : {top, a, a1, owned}) EXPECT_FALSE(IsWindow(h));
  EXPECT_FALSE(DestroyWindow(top));
}

TEST_F(WindowTest, DestroyingTheFocusedWindowReleasesFocusAndCapture) {
  HWND top = CreateWindowExA(0, "LogWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND c = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  SetFocus(c);
  SetCapture(c);
  ASSERT_EQ(GetFocus(), c);
  g_log.clear();
  DestroyWindow(c);
  EXPECT_EQ(GetFocus(), top);  // the parent takes the focus back
  EXPECT_EQ(GetCapture(), nullptr);
  const auto msgs = LogOf(c, {WM_KILLFOCUS, WM_CAPTURECHANGED, WM_DESTROY});
  EXPECT_EQ(msgs, (std::vector<UINT>{WM_KILLFOCUS, WM_CAPTURECHANGED, WM_DESTROY}));
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
  WNDCLASSA wc;
  wc.lpfnWndProc = NastyProc;
  wc.lpszClassName = "Nasty";
  RegisterClassA(&wc);
  HWND top = CreateWindowExA(0, "Nasty", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND a = CreateWindowExA(0, "Nasty", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
  HWND b = CreateWindowExA(0, "Nasty", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, a, nullptr, nullptr, nullptr);
  g_log.clear();
  EXPECT_TRUE(DestroyWindow(a));  // a's handler takes its parent along
  for (HWND h : {top, a, b}) {
    EXPECT_FALSE(IsWindow(h));
    // Every window hears WM_DESTROY and WM_NCDESTROY exactly once.
    EXPECT_EQ(LogOf(h, {WM_DESTROY}).size(), 1u);
    EXPECT_EQ(LogOf(h, {WM_NCDESTROY}).size(), 1u);
  }
  testkit::RunUntilIdle();
}

TEST_F(WindowTest, TreeNavigationFollowsZOrder) {
  HWND top = CreateWindowExA(0, "PlainWnd", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  HWND a = CreateWindowExA(0, "PlainWnd", "a", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
  HWND b = CreateWindowExA(0, "PlainWnd", "b", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
  HWND c = CreateWindowExA(0, "PlainWnd", "c", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
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

  std::vector<HWND> enumerated;
  EnumChildWindows(top, [](HWND h, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&enumerated));
  EXPECT_EQ(enumerated, (std::vector<HWND>{a, b, c}));
  int mine = 0;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&mine));
  EXPECT_EQ(mine, 1);  // top-level windows only
  EXPECT_EQ(GetWindowThreadProcessId(b, nullptr), GetCurrentThreadId());
  int count = 0;
  EnumWindows([](HWND, LPARAM p) {
    ++*reinterpret_cast<int*>(p);
    return FALSE;  // stops after the first
  }, reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count, 1);

  // Re-parenting moves the window and refuses cycles.
  EXPECT_EQ(SetParent(c, a), top);
  EXPECT_EQ(GetParent(c), a);
  EXPECT_EQ(SetParent(a, c), nullptr);
}

TEST_F(WindowTest, TopMostWindowsStayAboveTheOthers) {
  HWND n1 = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND tm = CreateWindowExA(WS_EX_TOPMOST, "PlainWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HWND n2 = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
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
  // Top-most is not changed by SetWindowLong.
  SetWindowLongA(n1, GWL_EXSTYLE, WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongA(n1, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// Subclass chain: each layer logs and calls the one it replaced.
std::vector<std::string> g_chain;
WNDPROC g_prevA, g_prevB, g_prevC;
LRESULT LayerA(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_chain.push_back("A");
  return CallWindowProcA(g_prevA, h, m, w, l);
}
LRESULT LayerB(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_chain.push_back("B");
  return CallWindowProcA(g_prevB, h, m, w, l);
}
LRESULT LayerC(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) g_chain.push_back("C");
  return CallWindowProcA(g_prevC, h, m, w, l) + 1;
}
LRESULT BaseProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) {
    g_chain.push_back("base");
    return 100;
  }
  return DefWindowProcA(h, m, w, l);
}

TEST_F(WindowTest, SubclassChainsCallThroughAndUnhookOutOfOrder) {
  WNDCLASSA wc;
  wc.lpfnWndProc = BaseProc;
  wc.lpszClassName = "Base";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "Base", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_prevA = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayerA)));
  EXPECT_EQ(g_prevA, &BaseProc);
  // The 32-bit variant hands out a value that works with SetWindowLong and CallWindowProc.
  const LONG cookie = GetWindowLongA(w, GWL_WNDPROC);
  g_prevB = reinterpret_cast<WNDPROC>(static_cast<uintptr_t>(static_cast<DWORD>(SetWindowLongA(w, GWL_WNDPROC, cookie))));
  SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayerB));
  g_prevC = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayerC)));
  EXPECT_EQ(g_prevC, &LayerB);
  g_chain.clear();
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 101);
  EXPECT_EQ(g_chain, (std::vector<std::string>{"C", "B", "A", "base"}));
  // B removes itself out of order: C now calls what B called.
  g_prevC = g_prevB;
  g_chain.clear();
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 101);
  EXPECT_EQ(g_chain, (std::vector<std::string>{"C", "A", "base"}));
  // The top layer restores what it replaced.
  SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LayerA));
  g_chain.clear();
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 100);
  EXPECT_EQ(g_chain, (std::vector<std::string>{"A", "base"}));
}

TEST_F(WindowTest, StyleChangesAreAnnounced) {
  HWND w = CreateWindowExA(0, "LogWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_log.clear();
  EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(w, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_BORDER))),
            WS_POPUP | WS_CLIPSIBLINGS);
  EXPECT_EQ(LogOf(w, {WM_STYLECHANGING, WM_STYLECHANGED}), (std::vector<UINT>{WM_STYLECHANGING, WM_STYLECHANGED}));
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)), WS_POPUP | WS_BORDER);
  SetWindowLongPtrA(w, GWLP_USERDATA, 1234);
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 1234);
}

TEST_F(WindowTest, TextAndPropertiesRoundTrip) {
  HWND w = CreateWindowExA(0, "PlainWnd", "Hello", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
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

TEST_F(WindowTest, NonClientAreasShrinkTheClientArea) {
  struct Case {
    DWORD Style, ExStyle;
    RECT Expected;  // AdjustWindowRectEx of an empty client at the origin
  };
  const Case cases[] = {
      {WS_POPUP, 0, {0, 0, 0, 0}},
      {WS_POPUP | WS_BORDER, 0, {-1, -1, 1, 1}},
      {WS_CHILD, WS_EX_CLIENTEDGE, {-2, -2, 2, 2}},
      {WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE, {-3, -3, 3, 3}},
      {WS_POPUP | WS_DLGFRAME, 0, {-3, -3, 3, 3}},
      {WS_POPUP, WS_EX_DLGMODALFRAME, {-3, -3, 3, 3}},
      {WS_POPUP | WS_THICKFRAME, 0, {-4, -4, 4, 4}},
      {WS_OVERLAPPEDWINDOW, 0, {-4, -23, 4, 4}},
      {WS_CAPTION | WS_SYSMENU, 0, {-3, -22, 3, 3}},
      {WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, {-3, -18, 3, 3}},
      {WS_CHILD, WS_EX_STATICEDGE, {-1, -1, 1, 1}},
  };
  for (const Case& c : cases) {
    RECT r = {0, 0, 0, 0};
    AdjustWindowRectEx(&r, c.Style, FALSE, c.ExStyle);
    EXPECT_EQ(r, c.Expected) << std::hex << c.Style << " " << c.ExStyle;
    // The real window agrees with AdjustWindowRectEx.
    HWND parent = CreateWindowExA(0, "PlainWnd", "", WS_POPUP, 0, 0, 500, 500, nullptr, nullptr, nullptr, nullptr);
    HWND w = CreateWindowExA(c.ExStyle, "PlainWnd", "", c.Style, 10, 10, 200, 150,
                             (c.Style & WS_CHILD) ? parent : nullptr, nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.Right, 200 - (c.Expected.Right - c.Expected.Left));
    EXPECT_EQ(client.Bottom, 150 - (c.Expected.Bottom - c.Expected.Top));
    POINT p{0, 0};
    ClientToScreen(w, &p);
    RECT wr;
    GetWindowRect(w, &wr);
    EXPECT_EQ(p.X - wr.Left, -c.Expected.Left);
    EXPECT_EQ(p.Y - wr.Top, -c.Expected.Top);
    DestroyWindow(w);
    DestroyWindow(parent);
  }
  // Scroll bars take their width from the client area.
  HWND sb = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RECT client;
  GetClientRect(sb, &client);
  EXPECT_EQ(client, (RECT{0, 0, 100 - GetSystemMetrics(SM_CXVSCROLL), 100 - GetSystemMetrics(SM_CYHSCROLL)}));
}

TEST_F(WindowTest, FrameChangesRecalculateTheClientArea) {
  HWND w = CreateWindowExA(0, "LogWnd", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongA(w, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 0, 100, 80}));  // a style alone changes nothing yet
  g_log.clear();
  SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  GetClientRect(w, &r);
  EXPECT_EQ(r, (RECT{0, 0, 96, 76}));
  EXPECT_EQ(LogOf(w, {WM_NCCALCSIZE, WM_SIZE}), (std::vector<UINT>{WM_NCCALCSIZE, WM_SIZE}));
}

TEST_F(WindowTest, CoordinatesMapBetweenWindows) {
  HWND top = CreateWindowExA(0, "PlainWnd", "", WS_POPUP | WS_BORDER, 100, 50, 300, 300, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "PlainWnd", "", WS_CHILD, 20, 30, 50, 50, top, nullptr, nullptr, nullptr);
  POINT p{1, 2};
  ClientToScreen(child, &p);
  EXPECT_EQ(p, (POINT{100 + 1 + 20 + 1, 50 + 1 + 30 + 2}));
  ScreenToClient(child, &p);
  EXPECT_EQ(p, (POINT{1, 2}));
  POINT pts[2] = {{0, 0}, {5, 5}};
  MapWindowPoints(child, top, pts, 2);
  EXPECT_EQ(pts[0], (POINT{20, 30}));
  EXPECT_EQ(pts[1], (POINT{25, 35}));
  RECT r;
  GetWindowRect(child, &r);
  EXPECT_EQ(r, (RECT{121, 81, 171, 131}));
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{25, 35}), child);
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{5, 5}), top);
  EXPECT_EQ(ChildWindowFromPointEx(top, POINT{25, 35}, CWP_SKIPINVISIBLE), top);  // child hidden
  EXPECT_EQ(ChildWindowFromPoint(top, POINT{-5, 5}), nullptr);
}

// A WM_WINDOWPOSCHANGING handler may change the proposed position.
LRESULT DockProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_WINDOWPOSCHANGING) {
    auto* wp = reinterpret_cast<WINDOWPOS*>(l);
    if (!(wp->flags & SWP_NOMOVE) && wp->x < 20) wp->x = 0;  // snaps to the left edge
  }
  if (m == WM_GETMINMAXINFO) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(l);
    mmi->ptMinTrackSize = {150, 100};
  }
  return DefWindowProcA(h, m, w, l);
}

TEST_F(WindowTest, PositionAndSizeLimitsComeFromTheWindow) {
  WNDCLASSA wc;
  wc.lpfnWndProc = DockProc;
  wc.lpszClassName = "Dock";
  RegisterClassA(&wc);
  HWND w = CreateWindowExA(0, "Dock", "", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
  MoveWindow(w, 12, 50, 300, 200, TRUE);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 50);
  MoveWindow(w, 50, 50, 20, 20, TRUE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.Right - r.Left, 150);
  EXPECT_EQ(r.Bottom - r.Top, 100);
}

TEST_F(WindowTest, ShowWindowStatesAndPlacement) {
  HWND w = CreateWindowExA(0, "LogWnd", "", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
  g_log.clear();
  EXPECT_FALSE(ShowWindow(w, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(LogOf(w, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATE, WM_WINDOWPOSCHANGED}),
            (std::vector<UINT>{WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_ACTIVATE, WM_WINDOWPOSCHANGED}));
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_TRUE(ShowWindow(w, SW_SHOW));  // already visible: no WM_SHOWWINDOW again
  EXPECT_EQ(LogOf(w, {WM_SHOWWINDOW}).size(), 1u);

  ShowWindow(w, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(w));
  RECT wa;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  RECT r;
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{wa.Left - 4, wa.Top - 4, wa.Right + 4, wa.Bottom + 4}));
  WINDOWPLACEMENT wp;
  ASSERT_TRUE(GetWindowPlacement(w, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(wp.rcNormalPosition, (RECT{100, 100, 400, 300}));

  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  EXPECT_FALSE(IsZoomed(w));
  GetWindowPlacement(w, &wp);
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
  EXPECT_EQ(wp.flags, WPF_RESTORETOMAXIMIZED);
  ShowWindow(w, SW_RESTORE);  // back to maximised, as it was before
  EXPECT_TRUE(IsZoomed(w));
  ShowWindow(w, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(w));
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{100, 100, 400, 300}));

  wp.rcNormalPosition = {10, 20, 210, 220};
  wp.showCmd = SW_SHOWNORMAL;
  wp.flags = 0;
  ASSERT_TRUE(SetWindowPlacement(w, &wp));
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{10, 20, 210, 220}));
  // Sizeable windows never get smaller than the minimum tracking size.
  MoveWindow(w, 10, 20, 50, 50, TRUE);
  GetWindowRect(w, &r);
  EXPECT_EQ(r, (RECT{10, 20, 10 + GetSystemMetrics(SM_CXMINTRACK), 70}));
  g_log.clear();
  ShowWindow(w, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(LogOf(w, {WM_SHOWWINDOW}), std::vector<UINT>{WM_SHOWWINDOW});
}

TEST_F(WindowTest, SizeMessagesReportTheShowState) {
  HWND w = CreateWindowExA(0, "PlainWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr, nullptr, nullptr);
  TMessageRecorder rec(w);
  auto lastSize = [&]() -> std::pair<WPARAM, LPARAM> {
    std::pair<WPARAM, LPARAM> r{99, 0};
    for (auto& e : rec.Entries()) {
      if (e.Msg == WM_SIZE) r = {e.WParam, e.LParam};
    }
    return r;
  };
  ShowWindow(w, SW_MAXIMIZE);
  RECT client;
  GetClientRect(w, &client);
  EXPECT_EQ(lastSize(), (std::pair<WPARAM, LPARAM>{SIZE_MAXIMIZED, MAKELPARAM(client.Right, client.Bottom)}));
  ShowWindow(w, SW_MINIMIZE);
  EXPECT_EQ(lastSize().first, SIZE_MINIMIZED);
  EXPECT_NE(GetActiveWindow(), w);  // minimising gives activation away
  rec.Clear();
  ShowWindow(w, SW_SHOWNORMAL);
  EXPECT_EQ(lastSize(), (std::pair<WPARAM, LPARAM>{SIZE_RESTORED, MAKELPARAM(300 - 8, 200 - 27)}));
  // WM_WINDOWPOSCHANGED comes before the WM_MOVE and WM_SIZE it causes.
  EXPECT_EQ(rec.Messages({WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE}),
            (std::vector<UINT>{WM_WINDOWPOSCHANGED, WM_MOVE, WM_SIZE}));
}

TEST_F(WindowTest, EnableWindowSendsEnableAndBlocksFocus) {
  HWND top = CreateWindowExA(0, "PlainWnd", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  HWND w = CreateWindowExA(0, "LogWnd", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, top, nullptr, nullptr, nullptr);
  SetFocus(w);
  g_log.clear();
  EXPECT_FALSE(EnableWindow(w, FALSE));  // answers whether it was disabled before
  EXPECT_FALSE(IsWindowEnabled(w));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(LogOf(w, {WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}),
            (std::vector<UINT>{WM_CANCELMODE, WM_KILLFOCUS, WM_ENABLE}));
  EXPECT_TRUE(EnableWindow(w, TRUE));
  EXPECT_TRUE(IsWindowEnabled(w));
}

TEST_F(WindowTest, StaleHandlesAreRefusedEverywhere) {
  HWND w = CreateWindowExA(0, "PlainWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
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
  EXPECT_EQ(CreateWindowExA(0, "PlainWnd", "", WS_CHILD, 0, 0, 1, 1, w, nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
}  // namespace usertest
