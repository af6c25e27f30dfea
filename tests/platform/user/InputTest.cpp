// Focus and activation order, mouse routing, double clicks, capture, mouse tracking, the
// keyboard (lParam bits, translation, key state) and the non-client mouse.
#include <string>

#include "UserTestSupport.h"

namespace usertest {
namespace {

using namespace testkit;

class InputTest : public UserTest {
 protected:
  HWND Frame(int x = 100, int y = 100, int w = 300, int h = 200) {
    HWND f = Make("ColorWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, x, y, w, h, "Frame");
    RunUntilIdle();
    return f;
  }
  HWND Child(HWND parent, int x, int y, int w, int h, DWORD extra = 0) {
    return Make("ColorWnd", WS_CHILD | WS_VISIBLE | extra, parent, x, y, w, h);
  }
  // A frame at the origin with children a (0,0) and b (200,0), 100 pixels square, recorded.
  void Pair() {
    f_ = Frame(0, 0, 400, 300);
    a_ = Child(f_, 0, 0, 100, 100);
    b_ = Child(f_, 200, 0, 100, 100);
    RunUntilIdle();
    rec_.Attach(a_);
    rec_.Attach(b_);
  }
  std::string Chars() {
    std::string s;
    for (auto& e : rec_.Entries())
      if (e.Msg == WM_CHAR) s.push_back(static_cast<char>(e.WParam));
    rec_.Clear();
    return s;
  }
  HWND f_ = nullptr, a_ = nullptr, b_ = nullptr;
  TMessageRecorder rec_;
};

TEST_F(InputTest, FocusChangeSendsKillFocusBeforeSetFocus) {
  Pair();
  SetFocus(a_);
  rec_.Clear();
  EXPECT_EQ(SetFocus(b_), a_);
  EXPECT_EQ(Names(rec_, {}), "WM_KILLFOCUS WM_SETFOCUS");
  EXPECT_EQ(First(rec_, a_, WM_KILLFOCUS).WParam, reinterpret_cast<WPARAM>(b_));
  EXPECT_EQ(First(rec_, b_, WM_SETFOCUS).WParam, reinterpret_cast<WPARAM>(a_));
  rec_.Clear();
  EXPECT_EQ(SetFocus(b_), b_);  // no change, no messages
  EXPECT_TRUE(rec_.Entries().empty());
  EXPECT_EQ(SetFocus(nullptr), b_);
  EXPECT_EQ(Names(rec_, {}), "WM_KILLFOCUS");
  EXPECT_EQ(First(rec_, b_, WM_KILLFOCUS).WParam, 0u);
}

TEST_F(InputTest, ActivationMessagesComeInPlatformOrder) {
  HWND f1 = Frame(0, 0);
  HWND f2 = Frame(400, 0);
  ASSERT_EQ(GetActiveWindow(), f2);
  EXPECT_EQ(GetFocus(), f2);  // the default handling focuses an activated window
  rec_.Attach(f1);
  rec_.Attach(f2);
  SetActiveWindow(f1);
  const std::vector<UINT> watch = {WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_ACTIVATEAPP};
  EXPECT_EQ(Names(rec_, watch, f2) + " / " + Names(rec_, watch, f1),
            "WM_NCACTIVATE WM_ACTIVATE WM_KILLFOCUS / WM_NCACTIVATE WM_ACTIVATE WM_SETFOCUS");
  EXPECT_EQ(Names(rec_, watch), "WM_NCACTIVATE WM_ACTIVATE WM_NCACTIVATE WM_ACTIVATE WM_KILLFOCUS WM_SETFOCUS");
  const auto off = First(rec_, f2, WM_ACTIVATE), on = First(rec_, f1, WM_ACTIVATE);
  EXPECT_EQ(std::make_pair(LOWORD(off.WParam), off.LParam), std::make_pair(WORD{WA_INACTIVE}, reinterpret_cast<LPARAM>(f1)));
  EXPECT_EQ(std::make_pair(LOWORD(on.WParam), on.LParam), std::make_pair(WORD{WA_ACTIVE}, reinterpret_cast<LPARAM>(f2)));
  EXPECT_EQ(GetActiveWindow(), f1);
  EXPECT_EQ(GetForegroundWindow(), f1);
  EXPECT_EQ(GetTopWindow(nullptr), f1);  // activation raises the window
  rec_.Clear();
  SetActiveWindow(nullptr);  // the application as a whole is deactivated
  EXPECT_EQ(rec_.Count(WM_ACTIVATEAPP), 2);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(InputTest, HidingTheActiveWindowActivatesItsOwner) {
  HWND owner = Frame(0, 0);
  HWND popup = Make("ColorWnd", WS_POPUP | WS_CAPTION | WS_VISIBLE, owner, 50, 50, 100, 100);
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
  Frame(400, 0);
  rec_.Attach(c1);
  rec_.Attach(f1);
  const POINT p = ScreenPoint(c1, 5, 6);
  MouseMove(p.X, p.Y);
  rec_.Clear();
  Click(p.X, p.Y);
  EXPECT_EQ(GetActiveWindow(), f1);
  // The child is asked first; its default handling asks the parent.
  EXPECT_EQ(Names(rec_, {WM_MOUSEACTIVATE, WM_SETCURSOR, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE}, c1),
            "WM_MOUSEACTIVATE WM_SETCURSOR WM_LBUTTONDOWN WM_SETCURSOR WM_LBUTTONUP");
  EXPECT_EQ(Names(rec_, {WM_MOUSEACTIVATE}, f1) + " " + Names(rec_, {WM_PARENTNOTIFY}, f1), "WM_MOUSEACTIVATE WM_PARENTNOTIFY");
  const auto down = First(rec_, c1, WM_LBUTTONDOWN);
  EXPECT_EQ(down.LParam, MAKELPARAM(5, 6));
  EXPECT_EQ(down.WParam, MK_LBUTTON);
  EXPECT_EQ(LOWORD(First(rec_, f1, WM_ACTIVATE).WParam), WA_CLICKACTIVE);
}

LRESULT NoActivateProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  return m == WM_MOUSEACTIVATE ? MA_NOACTIVATEANDEAT : ColorProc(h, m, w, l);
}

TEST_F(InputTest, MouseActivateAnswersCanRefuseActivationAndEatTheClick) {
  RegisterProc("NoActivate", NoActivateProc);
  HWND f1 = Frame(400, 0);
  HWND p = Make("NoActivate", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 100, 100);
  RunUntilIdle();
  SetActiveWindow(f1);
  rec_.Attach(p);
  Click(50, 50);
  EXPECT_EQ(GetActiveWindow(), f1);
  EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN, WM_LBUTTONUP}), "WM_LBUTTONUP");  // the press is eaten
}

TEST_F(InputTest, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND f = Frame(0, 0);
  HWND c = Child(f, 10, 10, 100, 100);  // ColorWnd has CS_DBLCLKS
  HWND plain = Make("PlainWnd", WS_CHILD | WS_VISIBLE, f, 150, 10, 100, 100);
  RunUntilIdle();
  rec_.Attach(c);
  rec_.Attach(plain);
  const POINT p = ScreenPoint(c, 20, 20);
  const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2, dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  const std::string pair = "WM_LBUTTONDOWN WM_LBUTTONDBLCLK", two = "WM_LBUTTONDOWN WM_LBUTTONDOWN";
  struct Case {
    UINT Wait;        // between the clicks
    POINT Second;     // where the second click goes
    int Button;
    std::string Got;  // the messages c received
  } cases[] = {
      {0, p, 0, pair},
      {GetDoubleClickTime(), p, 0, two},  // too late
      {GetDoubleClickTime() - 1, p, 0, pair},
      {0, {p.X + dx + 1, p.Y}, 0, two},  // too far
      {0, {p.X + dx, p.Y - dy}, 0, pair},
      {0, p, 1, "WM_LBUTTONDOWN WM_RBUTTONDOWN"},  // different buttons do not pair up
  };
  for (const Case& k : cases) {
    session_.Clock().Advance(600);
    rec_.Clear();
    Click(p.X, p.Y);
    session_.Clock().Advance(k.Wait);
    Click(k.Second.X, k.Second.Y, k.Button);
    EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}, c), k.Got) << k.Wait;
  }
  rec_.Clear();
  DoubleClick(p.X, p.Y);
  Click(p.X, p.Y);  // a third click starts a new pair
  EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}, c), pair + " WM_LBUTTONDOWN");
  session_.Clock().Advance(600);
  const POINT q = ScreenPoint(plain, 20, 20);
  DoubleClick(q.X, q.Y);  // without CS_DBLCLKS two quick clicks stay two clicks
  EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}, plain), two);
}

TEST_F(InputTest, CaptureTakesAllMouseInputUntilReleased) {
  Pair();
  const POINT pa = ScreenPoint(a_, 10, 10), pb = ScreenPoint(b_, 10, 10);
  MouseDown(pa.X, pa.Y);
  EXPECT_EQ(SetCapture(a_), nullptr);
  EXPECT_EQ(GetCapture(), a_);
  rec_.Clear();
  MouseMove(pb.X, pb.Y);
  MouseUp(pb.X, pb.Y);
  // Everything goes to a, in a's coordinates, without WM_SETCURSOR.
  EXPECT_EQ(Names(rec_, {WM_MOUSEMOVE, WM_LBUTTONUP, WM_SETCURSOR}), "WM_MOUSEMOVE WM_LBUTTONUP");
  EXPECT_EQ(GET_X_LPARAM(First(rec_, a_, WM_LBUTTONUP).LParam), 210);
  rec_.Clear();
  SetCapture(b_);  // taking the capture away tells the old owner
  ReleaseCapture();
  EXPECT_EQ(Names(rec_, {WM_CAPTURECHANGED}, a_) + Names(rec_, {WM_CAPTURECHANGED}, b_), "WM_CAPTURECHANGEDWM_CAPTURECHANGED");
  EXPECT_EQ(First(rec_, a_, WM_CAPTURECHANGED).LParam, reinterpret_cast<LPARAM>(b_));
  EXPECT_EQ(GetCapture(), nullptr);
  rec_.Clear();
  MouseMove(pb.X + 1, pb.Y);
  EXPECT_EQ(Names(rec_, {WM_MOUSEMOVE}, b_), "WM_MOUSEMOVE");
}

TEST_F(InputTest, MouseLeaveAndHoverAreTracked) {
  Pair();
  const POINT pa = ScreenPoint(a_, 10, 10), pb = ScreenPoint(b_, 10, 10);
  MouseMove(pa.X, pa.Y);
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE | TME_HOVER, a_, HOVER_DEFAULT};
  ASSERT_TRUE(TrackMouseEvent(&tme));
  TRACKMOUSEEVENT q{sizeof q, TME_QUERY, nullptr, 0};
  TrackMouseEvent(&q);
  EXPECT_EQ(q.hwndTrack, a_);
  EXPECT_EQ(q.dwFlags, TME_LEAVE | TME_HOVER);
  EXPECT_EQ(q.dwHoverTime, 400u);
  AdvanceClock(399);
  EXPECT_EQ(rec_.Count(WM_MOUSEHOVER), 0);
  AdvanceClock(1);
  EXPECT_EQ(rec_.Count(WM_MOUSEHOVER), 1);
  AdvanceClock(1000);
  EXPECT_EQ(rec_.Count(WM_MOUSEHOVER), 1);  // hover is reported once
  MouseMove(pa.X + 5, pa.Y);                // still inside
  EXPECT_EQ(rec_.Count(WM_MOUSELEAVE), 0);
  MouseMove(pb.X, pb.Y);
  MouseMove(pa.X, pa.Y);
  MouseMove(pb.X, pb.Y);
  EXPECT_EQ(rec_.Count(WM_MOUSELEAVE), 1);  // tracking ended with the leave
  // Asking to track a window the mouse is not over reports the leave at once.
  tme.dwFlags = TME_LEAVE;
  TrackMouseEvent(&tme);
  RunUntilIdle();
  EXPECT_EQ(Names(rec_, {WM_MOUSELEAVE}, a_), "WM_MOUSELEAVE WM_MOUSELEAVE");
  // Under capture too.
  MouseMove(pa.X, pa.Y);
  MouseDown(pa.X, pa.Y);
  SetCapture(a_);
  TrackMouseEvent(&tme);
  rec_.Clear();
  MouseMove(pa.X + 150, pa.Y + 150);
  EXPECT_EQ(rec_.Count(WM_MOUSELEAVE), 1);
  EXPECT_GE(rec_.Count(WM_MOUSEMOVE), 1);  // the move itself still goes to a
  MouseUp(pa.X + 150, pa.Y + 150);
}

TEST_F(InputTest, DragsMoveWithTheButtonHeld) {
  HWND a = Child(Frame(0, 0, 400, 300), 0, 0, 300, 200);
  RunUntilIdle();
  rec_.Attach(a);
  Drag(ScreenPoint(a, 10, 10), ScreenPoint(a, 110, 50), 4);
  std::vector<std::pair<int, int>> moves;
  for (auto& e : rec_.Entries())
    if (e.Msg == WM_MOUSEMOVE) {
      EXPECT_EQ((e.WParam & MK_LBUTTON) != 0, !moves.empty());  // the move to the start comes first
      moves.emplace_back(GET_X_LPARAM(e.LParam), GET_Y_LPARAM(e.LParam));
    }
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{10, 10}, {35, 20}, {60, 30}, {85, 40}, {110, 50}}));
  EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN, WM_LBUTTONUP}), "WM_LBUTTONDOWN WM_LBUTTONUP");
  EXPECT_FALSE(GetKeyState(VK_LBUTTON) & 0x8000);
}

TEST_F(InputTest, DisabledChildrenPassMouseInputToTheirParent) {
  HWND inner = Child(Frame(0, 0, 400, 300), 10, 10, 100, 100);
  HWND dis = Child(inner, 10, 10, 50, 50, WS_DISABLED);
  RunUntilIdle();
  rec_.Attach(inner);
  rec_.Attach(dis);
  const POINT p = ScreenPoint(dis, 5, 5);
  Click(p.X, p.Y);
  EXPECT_EQ(Names(rec_, {WM_LBUTTONDOWN}, dis) + "/" + Names(rec_, {WM_LBUTTONDOWN}, inner), "/WM_LBUTTONDOWN");
  EXPECT_EQ(WindowFromPoint(p), inner);                        // disabled children are passed over
  EXPECT_EQ(ChildWindowFromPoint(inner, POINT{15, 15}), dis);  // unless asked without restriction
}

TEST_F(InputTest, WheelGoesToTheFocusWindowAndUpToItsParents) {
  Pair();
  rec_.Attach(f_);
  SetFocus(a_);
  const POINT pb = ScreenPoint(b_, 10, 10);
  MouseMove(pb.X, pb.Y);
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(Names(rec_, {WM_MOUSEWHEEL}, a_) + "/" + Names(rec_, {WM_MOUSEWHEEL}, b_) + "/" +
                Names(rec_, {WM_MOUSEWHEEL}, f_),
            "WM_MOUSEWHEEL//WM_MOUSEWHEEL");  // the default handling passes it up
  const auto e = First(rec_, a_, WM_MOUSEWHEEL);
  EXPECT_EQ(static_cast<SHORT>(HIWORD(e.WParam)), -WHEEL_DELTA);
  EXPECT_EQ(GET_X_LPARAM(e.LParam), pb.X);  // screen coordinates
}

TEST_F(InputTest, KeyMessagesCarryRepeatScanPreviousAndTransitionBits) {
  HWND f = Frame();
  SetFocus(f);
  rec_.Attach(f);
  KeyDown('A');
  KeyDown('A');  // auto-repeat: the key was already down
  KeyUp('A');
  std::vector<DWORD> bits;
  for (auto& e : rec_.Entries())
    if (e.Msg == WM_KEYDOWN || e.Msg == WM_KEYUP) bits.push_back(static_cast<DWORD>(e.LParam));
  const DWORD scanA = MapVirtualKeyA('A', MAPVK_VK_TO_VSC);
  EXPECT_EQ(scanA, 0x1Eu);
  EXPECT_EQ(bits, (std::vector<DWORD>{1u | (scanA << 16), 1u | (scanA << 16) | (1u << 30),
                                      1u | (scanA << 16) | (1u << 30) | (1u << 31)}));
  rec_.Clear();
  KeyPress(VK_RIGHT);
  EXPECT_TRUE(First(rec_, f, WM_KEYDOWN).LParam & (1 << 24));  // extended keys carry bit 24
}

TEST_F(InputTest, TranslateMessageMakesCharactersWithShiftCapsAndCtrl) {
  HWND f = Frame();
  SetFocus(f);
  rec_.Attach(f);
  TypeText("Hello, World! 1+1=2 \"x\" [a]{b} ~");
  EXPECT_EQ(Chars(), "Hello, World! 1+1=2 \"x\" [a]{b} ~");
  KeyPress(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 1);
  TypeText("abc");
  EXPECT_EQ(Chars(), "ABC");
  SetShiftState(true, false, false);
  KeyPress('X');
  SetShiftState(false, false, false);
  EXPECT_EQ(Chars(), "x");  // shift undoes caps lock for letters
  KeyPress(VK_CAPITAL);
  EXPECT_EQ(GetKeyState(VK_CAPITAL) & 1, 0);
  SetShiftState(false, true, false);
  KeyPress('C');
  KeyPress(VK_OEM_4);
  SetShiftState(false, false, false);
  EXPECT_EQ(Chars(), std::string("\x03\x1B"));
  for (BYTE vk : {VK_RETURN, VK_BACK, VK_TAB, VK_LEFT}) KeyPress(vk);  // the arrow makes none
  EXPECT_EQ(Chars(), std::string("\r\b\t"));
  KeyPress('Q');  // the character comes right after its key-down, before the key-up
  EXPECT_EQ(Names(rec_, {WM_KEYDOWN, WM_CHAR, WM_KEYUP}), "WM_KEYDOWN WM_CHAR WM_KEYUP");
}

TEST_F(InputTest, AltMakesSystemKeysAndAltF4Closes) {
  HWND f = Frame();
  SetFocus(f);
  rec_.Attach(f);
  SetShiftState(false, false, true);
  KeyPress('X');
  EXPECT_EQ(Names(rec_, {WM_SYSKEYDOWN, WM_SYSCHAR, WM_SYSKEYUP, WM_KEYDOWN, WM_CHAR}),
            "WM_SYSKEYDOWN WM_SYSKEYDOWN WM_SYSCHAR WM_SYSKEYUP");
  LPARAM context = 0;
  for (auto& e : rec_.Entries())
    if (e.Msg == WM_SYSKEYDOWN && e.WParam == 'X') context = e.LParam & (1 << 29);
  EXPECT_NE(context, 0);
  KeyPress(VK_F4);
  EXPECT_FALSE(IsWindow(f));
  SetShiftState(false, false, false);
}

TEST_F(InputTest, KeyStateFollowsTheMessagesRead) {
  SetFocus(Frame());
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
  const std::pair<UINT, UINT> cases[] = {
      {VkKeyScanA('a'), 'A'},
      {VkKeyScanA('A'), 0x100 | 'A'},
      {VkKeyScanA('?'), 0x100 | VK_OEM_2},
      {VkKeyScanA('7'), '7'},
      {VkKeyScanA('&'), 0x100 | '7'},
      {MapVirtualKeyA(0x1E, MAPVK_VSC_TO_VK), 'A'},
      {MapVirtualKeyA(0x2A, MAPVK_VSC_TO_VK_EX), VK_LSHIFT},
      {MapVirtualKeyA(VK_OEM_COMMA, MAPVK_VK_TO_CHAR), ','},
      {MapVirtualKeyA('q', MAPVK_VK_TO_CHAR), 0},  // not a virtual key
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
  char name[32];
  EXPECT_GT(GetKeyNameTextA(static_cast<LONG>(0x1C << 16), name, sizeof name), 0);
  EXPECT_STREQ(name, "Enter");
}

TEST_F(InputTest, InputFunctionsFeedTheSamePath) {
  HWND f = Frame(0, 0, 400, 300);
  SetFocus(f);
  rec_.Attach(f);
  INPUT in[2];
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = 'Z';
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  EXPECT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
  keybd_event('Y', 0, 0, 0);
  keybd_event('Y', 0, KEYEVENTF_KEYUP, 0);
  RunUntilIdle();
  EXPECT_EQ(Chars(), "zy");
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
  rec_.Attach(f);
  const RECT wr = WindowRect(f);
  auto hit = [f](int x, int y) { return SendMessageA(f, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
  const POINT cap{wr.Left + 100, wr.Top + 10};
  // The close button: 2 pixels in from the right, centred in the caption; maximise beside it.
  const POINT close{wr.Right - 4 - 2 - 5, wr.Top + 4 + 9}, max{close.X - 18, close.Y};
  const std::pair<LRESULT, LRESULT> cases[] = {
      {hit(cap.X, cap.Y), HTCAPTION},
      {hit(wr.Left + 1, wr.Top + 100), HTLEFT},
      {hit(wr.Right - 1, wr.Bottom - 1), HTBOTTOMRIGHT},
      {hit(wr.Left + 50, wr.Top + 100), HTCLIENT},
      {hit(close.X, close.Y), HTCLOSE},
      {hit(max.X, max.Y), HTMAXBUTTON},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
  MouseMove(cap.X, cap.Y);
  EXPECT_EQ(rec_.Count(WM_NCMOUSEMOVE), 1);
  EXPECT_EQ(First(rec_, f, WM_NCMOUSEMOVE).WParam, static_cast<WPARAM>(HTCAPTION));
  Click(max.X, max.Y);
  EXPECT_TRUE(IsZoomed(f));
  RunUntilIdle();
  const RECT zoomed = WindowRect(f);
  Click(zoomed.Right - 4 - 2 - 5, zoomed.Top + 4 + 9);
  EXPECT_FALSE(IsWindow(f));
}

}  // namespace
}  // namespace usertest
