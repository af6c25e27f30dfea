// Focus and activation order, mouse routing, double clicks, capture, mouse tracking, the
// keyboard (lParam bits, translation, key state) and the non-client mouse.
#include <string>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using namespace testkit;

class InputTest : public UserTest {
 protected:
  HWND Frame(int x = 100, int y = 100, int w = 300, int h = 200, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE) {
    HWND f = CreateWindowExA(0, "ColorWnd", "Frame", style, x, y, w, h, nullptr, nullptr, nullptr, nullptr);
    RunUntilIdle();
    return f;
  }
  HWND Child(HWND parent, int x, int y, int w, int h, DWORD extra = 0) {
    return CreateWindowExA(0, "ColorWnd", "", WS_CHILD | WS_VISIBLE | extra, x, y, w, h, parent, nullptr, nullptr, nullptr);
  }
};

TEST_F(InputTest, FocusChangeSendsKillFocusBeforeSetFocus) {
  HWND f = Frame();
  HWND a = Child(f, 0, 0, 50, 50);
  HWND b = Child(f, 60, 0, 50, 50);
  SetFocus(a);
  TMessageRecorder rec;
  rec.Attach(a);
  rec.Attach(b);
  EXPECT_EQ(SetFocus(b), a);
  ASSERT_EQ(rec.Entries().size(), 2u);
  EXPECT_EQ(rec.Entries()[0].Hwnd, a);
  EXPECT_EQ(rec.Entries()[0].Msg, WM_KILLFOCUS);
  EXPECT_EQ(rec.Entries()[0].WParam, reinterpret_cast<WPARAM>(b));
  EXPECT_EQ(rec.Entries()[1].Hwnd, b);
  EXPECT_EQ(rec.Entries()[1].Msg, WM_SETFOCUS);
  EXPECT_EQ(rec.Entries()[1].WParam, reinterpret_cast<WPARAM>(a));
  EXPECT_EQ(GetFocus(), b);
  rec.Clear();
  EXPECT_EQ(SetFocus(b), b);  // no change, no messages
  EXPECT_TRUE(rec.Entries().empty());
  EXPECT_EQ(SetFocus(nullptr), b);
  ASSERT_EQ(rec.Entries().size(), 1u);
  EXPECT_EQ(rec.Entries()[0].Msg, WM_KILLFOCUS);
  EXPECT_EQ(rec.Entries()[0].WParam, 0u);
}

TEST_F(InputTest, ActivationMessagesComeInPlatformOrder) {
  HWND f1 = Frame(0, 0);
  HWND f2 = Frame(400, 0);
  ASSERT_EQ(GetActiveWindow(), f2);
  EXPECT_EQ(GetFocus(), f2);  // the default handling focuses an activated window
  TMessageRecorder rec;
  rec.Attach(f1);
  rec.Attach(f2);
  SetActiveWindow(f1);
  const std::vector<UINT> watch = {WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_ACTIVATEAPP};
  std::vector<std::pair<HWND, UINT>> seen;
  for (auto& e : rec.Entries())
    if (std::find(watch.begin(), watch.end(), e.Msg) != watch.end()) seen.emplace_back(e.Hwnd, e.Msg);
  const std::vector<std::pair<HWND, UINT>> expected = {
      {f2, WM_NCACTIVATE}, {f2, WM_ACTIVATE}, {f1, WM_NCACTIVATE},
      {f1, WM_ACTIVATE},   {f2, WM_KILLFOCUS}, {f1, WM_SETFOCUS}};
  EXPECT_EQ(seen, expected);
  for (auto& e : rec.Entries()) {
    if (e.Msg != WM_ACTIVATE) continue;
    if (e.Hwnd == f2) {
      EXPECT_EQ(LOWORD(e.WParam), WA_INACTIVE);
      EXPECT_EQ(e.LParam, reinterpret_cast<LPARAM>(f1));
    } else {
      EXPECT_EQ(LOWORD(e.WParam), WA_ACTIVE);
      EXPECT_EQ(e.LParam, reinterpret_cast<LPARAM>(f2));
    }
  }
  EXPECT_EQ(GetActiveWindow(), f1);
  EXPECT_EQ(GetForegroundWindow(), f1);
  EXPECT_EQ(GetTopWindow(nullptr), f1);  // activation raises the window
  // The application as a whole is deactivated and activated again.
  rec.Clear();
  SetActiveWindow(nullptr);
  EXPECT_EQ(rec.Count(WM_ACTIVATEAPP), 2);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(InputTest, HidingTheActiveWindowActivatesAnother) {
  HWND owner = Frame(0, 0);
  HWND popup = CreateWindowExA(0, "ColorWnd", "", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 100, 100, owner, nullptr, nullptr, nullptr);
  RunUntilIdle();
  ASSERT_EQ(GetActiveWindow(), popup);
  ShowWindow(popup, SW_HIDE);
  EXPECT_EQ(GetActiveWindow(), owner);
  ShowWindow(popup, SW_SHOW);
  DestroyWindow(popup);
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(InputTest, ClickActivatesTheTopLevelWindowAndRoutesToTheChild) {
  HWND f1 = Frame(0, 0);
  HWND c1 = Child(f1, 10, 10, 50, 50);
  HWND f2 = Frame(400, 0);
  ASSERT_EQ(GetActiveWindow(), f2);
  TMessageRecorder rec;
  rec.Attach(c1);
  rec.Attach(f1);
  const POINT p = ScreenPoint(c1, 5, 6);
  MouseMove(p.X, p.Y);
  rec.Clear();
  Click(p.X, p.Y);
  EXPECT_EQ(GetActiveWindow(), f1);
  // The child is asked first; its default handling asks the parent.
  const auto c1msgs = rec.MessagesOf(c1, {WM_MOUSEACTIVATE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_LBUTTONUP});
  EXPECT_EQ(c1msgs, (std::vector<UINT>{WM_MOUSEACTIVATE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_SETCURSOR, WM_LBUTTONUP}));
  EXPECT_EQ(rec.MessagesOf(f1, {WM_MOUSEACTIVATE}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(f1, {WM_PARENTNOTIFY}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(c1, {WM_MOUSEMOVE}).size(), 0u);  // the mouse did not move
  for (auto& e : rec.Entries())
    if (e.Hwnd == c1 && e.Msg == WM_LBUTTONDOWN) {
      EXPECT_EQ(GET_X_LPARAM(e.LParam), 5);
      EXPECT_EQ(GET_Y_LPARAM(e.LParam), 6);
      EXPECT_EQ(e.WParam, MK_LBUTTON);
    }
  for (auto& e : rec.Entries())
    if (e.Msg == WM_ACTIVATE && e.Hwnd == f1) {
      EXPECT_EQ(LOWORD(e.WParam), WA_CLICKACTIVE);
    }
}

LRESULT NoActivateProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_MOUSEACTIVATE) return MA_NOACTIVATEANDEAT;
  return ColorProc(h, m, w, l);
}

TEST_F(InputTest, MouseActivateAnswersCanRefuseActivationAndEatTheClick) {
  WNDCLASSA wc;
  wc.lpfnWndProc = NoActivateProc;
  wc.lpszClassName = "NoActivate";
  RegisterClassA(&wc);
  HWND f1 = Frame(400, 0);
  HWND p = CreateWindowExA(0, "NoActivate", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  RunUntilIdle();
  SetActiveWindow(f1);
  TMessageRecorder rec(p);
  Click(50, 50);
  EXPECT_EQ(GetActiveWindow(), f1);
  EXPECT_EQ(rec.Count(WM_LBUTTONDOWN), 0);  // eaten
  EXPECT_EQ(rec.Count(WM_LBUTTONUP), 1);
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND f = Frame(0, 0);
  HWND c = Child(f, 10, 10, 100, 100);  // ColorWnd has CS_DBLCLKS
  HWND plain = CreateWindowExA(0, "PlainWnd", "", WS_CHILD | WS_VISIBLE, 150, 10, 100, 100, f, nullptr, nullptr, nullptr);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(c);
  rec.Attach(plain);
  const POINT p = ScreenPoint(c, 20, 20);
  const std::vector<UINT> buttons = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK};
  DoubleClick(p.X, p.Y);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  // A third click starts a new pair.
  rec.Clear();
  Click(p.X, p.Y);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN}));
  // Too late: the double-click time (500 ms) has passed.
  session_.Clock().Advance(600);
  rec.Clear();
  Click(p.X, p.Y);
  session_.Clock().Advance(GetDoubleClickTime());
  Click(p.X, p.Y);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
  // Just in time.
  session_.Clock().Advance(600);
  rec.Clear();
  Click(p.X, p.Y);
  session_.Clock().Advance(GetDoubleClickTime() - 1);
  Click(p.X, p.Y);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  // Too far: more than half of SM_CXDOUBLECLK away.
  session_.Clock().Advance(600);
  rec.Clear();
  Click(p.X, p.Y);
  Click(p.X + GetSystemMetrics(SM_CXDOUBLECLK) / 2 + 1, p.Y);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
  session_.Clock().Advance(600);
  rec.Clear();
  Click(p.X, p.Y);
  Click(p.X + GetSystemMetrics(SM_CXDOUBLECLK) / 2, p.Y - GetSystemMetrics(SM_CYDOUBLECLK) / 2);
  EXPECT_EQ(rec.MessagesOf(c, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}));
  // Different buttons do not pair up.
  session_.Clock().Advance(600);
  rec.Clear();
  Click(p.X, p.Y, 0);
  Click(p.X, p.Y, 1);
  EXPECT_EQ(rec.MessagesOf(c, {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_RBUTTONDOWN}));
  // Without CS_DBLCLKS two quick clicks stay two clicks.
  session_.Clock().Advance(600);
  const POINT q = ScreenPoint(plain, 20, 20);
  DoubleClick(q.X, q.Y);
  EXPECT_EQ(rec.MessagesOf(plain, buttons), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(InputTest, CaptureTakesAllMouseInputUntilReleased) {
  HWND f = Frame(0, 0, 400, 300);
  HWND a = Child(f, 0, 0, 100, 100);
  HWND b = Child(f, 200, 0, 100, 100);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(a);
  rec.Attach(b);
  const POINT pa = ScreenPoint(a, 10, 10);
  MouseDown(pa.X, pa.Y);
  EXPECT_EQ(SetCapture(a), nullptr);
  EXPECT_EQ(GetCapture(), a);
  rec.Clear();
  const POINT pb = ScreenPoint(b, 10, 10);
  MouseMove(pb.X, pb.Y);
  MouseUp(pb.X, pb.Y);
  EXPECT_EQ(rec.MessagesOf(b, {WM_MOUSEMOVE, WM_LBUTTONUP}).size(), 0u);
  EXPECT_EQ(rec.MessagesOf(a, {WM_MOUSEMOVE, WM_LBUTTONUP}), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONUP}));
  for (auto& e : rec.Entries())
    if (e.Hwnd == a && e.Msg == WM_LBUTTONUP) {
      EXPECT_EQ(GET_X_LPARAM(e.LParam), 210);  // a's coordinates
    }
  // While captured, no WM_SETCURSOR is sent.
  EXPECT_EQ(rec.Count(WM_SETCURSOR), 0);
  rec.Clear();
  // Taking the capture away tells the old owner.
  SetCapture(b);
  ReleaseCapture();
  EXPECT_EQ(rec.MessagesOf(a, {WM_CAPTURECHANGED}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(b, {WM_CAPTURECHANGED}).size(), 1u);
  for (auto& e : rec.Entries())
    if (e.Hwnd == a && e.Msg == WM_CAPTURECHANGED) {
      EXPECT_EQ(e.LParam, reinterpret_cast<LPARAM>(b));
    }
  EXPECT_EQ(GetCapture(), nullptr);
  rec.Clear();
  MouseMove(pb.X + 1, pb.Y);
  EXPECT_EQ(rec.MessagesOf(b, {WM_MOUSEMOVE}).size(), 1u);
}

TEST_F(InputTest, MouseLeaveAndHoverAreTracked) {
  HWND f = Frame(0, 0, 400, 300);
  HWND a = Child(f, 0, 0, 100, 100);
  HWND b = Child(f, 200, 0, 100, 100);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(a);
  rec.Attach(b);
  const POINT pa = ScreenPoint(a, 10, 10);
  MouseMove(pa.X, pa.Y);
  TRACKMOUSEEVENT tme;
  tme.dwFlags = TME_LEAVE | TME_HOVER;
  tme.hwndTrack = a;
  tme.dwHoverTime = HOVER_DEFAULT;
  ASSERT_TRUE(TrackMouseEvent(&tme));
  TRACKMOUSEEVENT q;
  q.dwFlags = TME_QUERY;
  TrackMouseEvent(&q);
  EXPECT_EQ(q.hwndTrack, a);
  EXPECT_EQ(q.dwFlags, TME_LEAVE | TME_HOVER);
  EXPECT_EQ(q.dwHoverTime, 400u);
  AdvanceClock(399);
  EXPECT_EQ(rec.Count(WM_MOUSEHOVER), 0);
  AdvanceClock(1);
  EXPECT_EQ(rec.Count(WM_MOUSEHOVER), 1);
  AdvanceClock(1000);
  EXPECT_EQ(rec.Count(WM_MOUSEHOVER), 1);  // hover is reported once
  EXPECT_EQ(rec.Count(WM_MOUSELEAVE), 0);
  MouseMove(pa.X + 5, pa.Y);  // still inside
  EXPECT_EQ(rec.Count(WM_MOUSELEAVE), 0);
  const POINT pb = ScreenPoint(b, 10, 10);
  MouseMove(pb.X, pb.Y);
  EXPECT_EQ(rec.MessagesOf(a, {WM_MOUSELEAVE}).size(), 1u);
  MouseMove(pa.X, pa.Y);
  MouseMove(pb.X, pb.Y);
  EXPECT_EQ(rec.MessagesOf(a, {WM_MOUSELEAVE}).size(), 1u);  // tracking ended with the leave
  // Asking to track a window the mouse is not over reports the leave at once.
  tme.dwFlags = TME_LEAVE;
  TrackMouseEvent(&tme);
  RunUntilIdle();
  EXPECT_EQ(rec.MessagesOf(a, {WM_MOUSELEAVE}).size(), 2u);
}

TEST_F(InputTest, MouseLeaveIsReportedUnderCaptureToo) {
  HWND f = Frame(0, 0, 400, 300);
  HWND a = Child(f, 0, 0, 100, 100);
  RunUntilIdle();
  TMessageRecorder rec(a);
  const POINT pa = ScreenPoint(a, 10, 10);
  MouseDown(pa.X, pa.Y);
  SetCapture(a);
  TRACKMOUSEEVENT tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = a;
  TrackMouseEvent(&tme);
  MouseMove(pa.X + 200, pa.Y);
  EXPECT_EQ(rec.Count(WM_MOUSELEAVE), 1);
  EXPECT_EQ(rec.Count(WM_MOUSEMOVE) >= 1, true);  // the move itself still goes to a
  MouseUp(pa.X + 200, pa.Y);
  ReleaseCapture();
}

TEST_F(InputTest, DragsMoveWithTheButtonHeld) {
  HWND f = Frame(0, 0, 400, 300);
  HWND a = Child(f, 0, 0, 300, 200);
  RunUntilIdle();
  TMessageRecorder rec(a);
  Drag(ScreenPoint(a, 10, 10), ScreenPoint(a, 110, 50), 4);
  std::vector<std::pair<int, int>> moves;
  for (auto& e : rec.Entries())
    if (e.Msg == WM_MOUSEMOVE) {
      // The move to the start comes before the press.
      EXPECT_EQ((e.WParam & MK_LBUTTON) != 0, !moves.empty());
      moves.emplace_back(GET_X_LPARAM(e.LParam), GET_Y_LPARAM(e.LParam));
    }
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{10, 10}, {35, 20}, {60, 30}, {85, 40}, {110, 50}}));
  EXPECT_EQ(rec.Messages({WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_FALSE(GetKeyState(VK_LBUTTON) & 0x8000);
}

TEST_F(InputTest, DisabledChildrenPassMouseInputToTheirParent) {
  HWND f = Frame(0, 0, 400, 300);
  HWND inner = Child(f, 10, 10, 100, 100);
  HWND dis = Child(inner, 10, 10, 50, 50, WS_DISABLED);
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(inner);
  rec.Attach(dis);
  const POINT p = ScreenPoint(dis, 5, 5);
  Click(p.X, p.Y);
  EXPECT_EQ(rec.MessagesOf(dis, {WM_LBUTTONDOWN}).size(), 0u);
  EXPECT_EQ(rec.MessagesOf(inner, {WM_LBUTTONDOWN}).size(), 1u);
  EXPECT_EQ(WindowFromPoint(p), inner);  // disabled children are passed over
  EXPECT_EQ(ChildWindowFromPoint(inner, POINT{15, 15}), dis);  // unless asked without restriction
}

TEST_F(InputTest, WheelGoesToTheFocusWindowAndUpToItsParents) {
  HWND f = Frame(0, 0, 400, 300);
  HWND a = Child(f, 0, 0, 100, 100);
  HWND b = Child(f, 200, 0, 100, 100);
  SetFocus(a);
  TMessageRecorder rec;
  rec.Attach(a);
  rec.Attach(b);
  rec.Attach(f);
  const POINT pb = ScreenPoint(b, 10, 10);
  MouseMove(pb.X, pb.Y);
  Wheel(-WHEEL_DELTA);
  ASSERT_EQ(rec.MessagesOf(a, {WM_MOUSEWHEEL}).size(), 1u);
  EXPECT_EQ(rec.MessagesOf(b, {WM_MOUSEWHEEL}).size(), 0u);
  EXPECT_EQ(rec.MessagesOf(f, {WM_MOUSEWHEEL}).size(), 1u);  // the default handling passes it up
  for (auto& e : rec.Entries())
    if (e.Hwnd == a && e.Msg == WM_MOUSEWHEEL) {
      EXPECT_EQ(static_cast<SHORT>(HIWORD(e.WParam)), -WHEEL_DELTA);
      EXPECT_EQ(GET_X_LPARAM(e.LParam), pb.X);  // screen coordinates
    }
}

TEST_F(InputTest, KeyMessagesCarryRepeatScanPreviousAndTransitionBits) {
  HWND f = Frame();
  SetFocus(f);
  TMessageRecorder rec(f);
  KeyDown('A');
  KeyDown('A');  // auto-repeat: the key was already down
  KeyUp('A');
  std::vector<TMessageRecorder::Entry> keys;
  for (auto& e : rec.Entries())
    if (e.Msg == WM_KEYDOWN || e.Msg == WM_KEYUP) keys.push_back(e);
  ASSERT_EQ(keys.size(), 3u);
  const DWORD scanA = MapVirtualKeyA('A', MAPVK_VK_TO_VSC);
  EXPECT_EQ(scanA, 0x1Eu);
  EXPECT_EQ(static_cast<DWORD>(keys[0].LParam), 1u | (scanA << 16));
  EXPECT_EQ(static_cast<DWORD>(keys[1].LParam), 1u | (scanA << 16) | (1u << 30));
  EXPECT_EQ(static_cast<DWORD>(keys[2].LParam), 1u | (scanA << 16) | (1u << 30) | (1u << 31));
  // Extended keys carry bit 24.
  rec.Clear();
  KeyPress(VK_RIGHT);
  for (auto& e : rec.Entries())
    if (e.Msg == WM_KEYDOWN) {
      EXPECT_TRUE(e.LParam & (1 << 24));
    }
}

TEST_F(InputTest, TranslateMessageMakesCharactersWithShiftCapsAndCtrl) {
  HWND f = Frame();
  SetFocus(f);
  TMessageRecorder rec(f);
  auto chars = [&] {
    std::string s;
    for (auto& e : rec.Entries())
      if (e.Msg == WM_CHAR) s.push_back(static_cast<char>(e.WParam));
    rec.Clear();
    return s;
  };
  TypeText("Hello, World! 1+1=2 \"x\" [a]{b} ~");
  EXPECT_EQ(chars(), "Hello, World! 1+1=2 \"x\" [a]{b} ~");
  KeyPress(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  TypeText("abc");
  EXPECT_EQ(chars(), "ABC");
  SetShiftState(true, false, false);
  KeyPress('X');
  SetShiftState(false, false, false);
  EXPECT_EQ(chars(), "x");  // shift undoes caps lock for letters
  KeyPress(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  SetShiftState(false, true, false);
  KeyPress('C');
  KeyPress(VK_OEM_4);
  SetShiftState(false, false, false);
  const std::string ctrl = chars();
  EXPECT_EQ(ctrl, std::string("\x03\x1B"));
  KeyPress(VK_RETURN);
  KeyPress(VK_BACK);
  KeyPress(VK_TAB);
  KeyPress(VK_LEFT);  // no character
  EXPECT_EQ(chars(), std::string("\r\b\t"));
  // The character comes right after its key-down, before the key-up.
  KeyPress('Q');
  EXPECT_EQ(rec.Messages({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
}

TEST_F(InputTest, AltMakesSystemKeysAndAltF4Closes) {
  HWND f = Frame();
  SetFocus(f);
  TMessageRecorder rec(f);
  SetShiftState(false, false, true);
  KeyPress('X');
  std::vector<UINT> got = rec.Messages({WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYDOWN, WM_CHAR});
  EXPECT_EQ(got, (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP}));
  for (auto& e : rec.Entries())
    if (e.Msg == WM_SYSKEYDOWN && e.WParam == 'X') {
      EXPECT_TRUE(e.LParam & (1 << 29));
    }
  KeyPress(VK_F4);
  EXPECT_FALSE(IsWindow(f));
  SetShiftState(false, false, false);
}

TEST_F(InputTest, KeyStateFollowsTheMessagesRead) {
  HWND f = Frame();
  SetFocus(f);
  QueueKey(VK_SHIFT, true);
  // Not read yet: the thread's view is unchanged, the asynchronous one is not.
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_TRUE(GetAsyncKeyState(VK_SHIFT) & 0x8000);
  RunUntilIdle();
  EXPECT_TRUE(GetKeyState(VK_SHIFT) & 0x8000);
  EXPECT_TRUE(GetKeyState(VK_LSHIFT) & 0x8000);
  KeyUp(VK_SHIFT);
  EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
  BYTE state[256];
  ASSERT_TRUE(GetKeyboardState(state));
  state[VK_NUMLOCK] |= 1;
  SetKeyboardState(state);
  EXPECT_EQ(GetKeyState(VK_NUMLOCK) & 1, 1);
  WORD ch = 0;
  EXPECT_EQ(ToAscii(VK_NUMPAD7, 0, state, &ch, 0), 1);
  EXPECT_EQ(ch, '7');
  state[VK_NUMLOCK] = 0;
  EXPECT_EQ(ToAscii(VK_NUMPAD7, 0, state, &ch, 0), 0);
}

TEST_F(InputTest, KeyboardLayoutMapsBothWays) {
  EXPECT_EQ(VkKeyScanA('a'), 'A');
  EXPECT_EQ(VkKeyScanA('A'), 0x100 | 'A');
  EXPECT_EQ(VkKeyScanA('?'), 0x100 | VK_OEM_2);
  EXPECT_EQ(VkKeyScanA('7'), '7');
  EXPECT_EQ(VkKeyScanA('&'), 0x100 | '7');
  EXPECT_EQ(MapVirtualKeyA(0x1E, MAPVK_VSC_TO_VK), static_cast<UINT>('A'));
  EXPECT_EQ(MapVirtualKeyA(0x2A, MAPVK_VSC_TO_VK_EX), static_cast<UINT>(VK_LSHIFT));
  EXPECT_EQ(MapVirtualKeyA(VK_OEM_COMMA, MAPVK_VK_TO_CHAR), static_cast<UINT>(','));
  EXPECT_EQ(MapVirtualKeyA('q', MAPVK_VK_TO_CHAR), 0u);  // not a virtual key
  char name[32];
  EXPECT_GT(GetKeyNameTextA(static_cast<LONG>(0x1C << 16), name, sizeof name), 0);
  EXPECT_STREQ(name, "Enter");
}

TEST_F(InputTest, InputFunctionsFeedTheSamePath) {
  HWND f = Frame(0, 0, 400, 300);
  SetFocus(f);
  TMessageRecorder rec(f);
  INPUT in[2];
  in[0].type = INPUT_KEYBOARD;
  in[0].ki.wVk = 'Z';
  in[1].type = INPUT_KEYBOARD;
  in[1].ki.wVk = 'Z';
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  EXPECT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
  keybd_event('Y', 0, 0, 0);
  keybd_event('Y', 0, KEYEVENTF_KEYUP, 0);
  RunUntilIdle();
  std::string typed;
  for (auto& e : rec.Entries())
    if (e.Msg == WM_CHAR) typed.push_back(static_cast<char>(e.WParam));
  EXPECT_EQ(typed, "zy");
  const POINT p = ScreenPoint(f, 30, 40);
  mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, static_cast<DWORD>(p.X * 65536 / 1024 + 1),
              static_cast<DWORD>(p.Y * 65536 / 768 + 1), 0, 0);
  POINT cur;
  GetCursorPos(&cur);
  EXPECT_EQ(cur, p);
  SetCursorPos(5000, -20);  // kept on the screen
  GetCursorPos(&cur);
  EXPECT_EQ(cur, (POINT{1023, 0}));
  RECT clip = {100, 100, 200, 200};
  ClipCursor(&clip);
  SetCursorPos(0, 0);
  GetCursorPos(&cur);
  EXPECT_EQ(cur, (POINT{100, 100}));
  ClipCursor(nullptr);
}

TEST_F(InputTest, NonClientMouseMessagesAndCaptionButtons) {
  HWND f = Frame(100, 100, 300, 200);
  TMessageRecorder rec(f);
  RECT wr;
  GetWindowRect(f, &wr);
  // The caption bar.
  const POINT cap{wr.Left + 100, wr.Top + 10};
  EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(cap.X, cap.Y)), HTCAPTION);
  EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(wr.Left + 1, wr.Top + 100)), HTLEFT);
  EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(wr.Right - 1, wr.Bottom - 1)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(wr.Left + 50, wr.Top + 100)), HTCLIENT);
  MouseMove(cap.X, cap.Y);
  EXPECT_EQ(rec.Count(WM_NCMOUSEMOVE), 1);
  for (auto& e : rec.Entries())
    if (e.Msg == WM_NCMOUSEMOVE) {
      EXPECT_EQ(e.WParam, static_cast<WPARAM>(HTCAPTION));
    }
  // The close button: 2 pixels in from the right, centred in the caption.
  const POINT close{wr.Right - 4 - 2 - 5, wr.Top + 4 + 9};
  ASSERT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(close.X, close.Y)), HTCLOSE);
  const POINT max{close.X - 18, close.Y};
  EXPECT_EQ(SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(max.X, max.Y)), HTMAXBUTTON);
  Click(max.X, max.Y);
  EXPECT_TRUE(IsZoomed(f));
  RunUntilIdle();
  GetWindowRect(f, &wr);
  const POINT close2{wr.Right - 4 - 2 - 5, wr.Top + 4 + 9};
  Click(close2.X, close2.Y);
  EXPECT_FALSE(IsWindow(f));
}

}  // namespace
}  // namespace usertest
