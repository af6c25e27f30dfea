// Queues: posted and sent messages, filters, WM_QUIT, paint and timer synthesis, timers on the
// virtual clock, other threads posting, registered messages and hot keys.
#include <atomic>
#include <thread>

#include "UserTestSupport.h"
#include "platform/base/Exceptions.h"
#include "tests/support/Cases.h"

namespace usertest {
namespace {

using testkit::AdvanceClock;
using testkit::RunUntilIdle;
using testkit::TMessageRecorder;

class MessageTest : public UserTest {
 protected:
  HWND Top(DWORD style = WS_POPUP | WS_VISIBLE) { return Make("PlainWnd", style, nullptr, 0, 0, 100, 100); }
  // The message and wParam the next PeekMessage with these filters gives ("none").
  static std::string Next(HWND filter, UINT lo, UINT hi, UINT remove) {
    MSG m;
    if (!PeekMessageA(&m, filter, lo, hi, remove)) return "none";
    return std::to_string(m.message - WM_USER) + ":" + std::to_string(m.wParam) + (m.hwnd ? "" : "T");
  }
};

TEST_F(MessageTest, PostedMessagesComeInOrderAndRespectFilters) {
  HWND w = Top(WS_POPUP);
  PostMessageA(w, WM_USER + 1, 1, 0);
  PostMessageA(w, WM_USER + 2, 2, 0);
  PostMessageA(nullptr, WM_USER + 3, 3, 0);  // a thread message
  // A range filter skips earlier messages without losing them; PM_NOREMOVE leaves one in
  // place; a window filter does not see thread messages, -1 sees only those.
  testsupport::ExpectCases({{Next(nullptr, WM_USER + 2, WM_USER + 2, PM_REMOVE), "2:2"},
                            {Next(nullptr, 0, 0, PM_NOREMOVE), "1:1"},
                            {Next(nullptr, 0, 0, PM_REMOVE), "1:1"},
                            {Next(w, 0, 0, PM_NOREMOVE), "none"},
                            {Next(reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE), "3:3T"},
                            {Next(nullptr, 0, 0, PM_REMOVE), "none"}});
}

TEST_F(MessageTest, QuitComesAfterThePostedMessages) {
  PostQuitMessage(3);
  PostMessageA(nullptr, WM_USER, 0, 0);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER);
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 3u);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageTest, PaintComesOnlyWhenNoPostedMessageIsLeftAndOnlyForInvalidAreas) {
  HWND w = Top();
  HWND c = ColorWindow(w, WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, RGB(255, 0, 0));
  RunUntilIdle();
  TMessageRecorder rec;
  rec.Attach(w);
  rec.Attach(c);
  PostMessageA(w, WM_USER, 0, 0);
  InvalidateRect(c, nullptr, TRUE);
  PostMessageA(w, WM_USER + 1, 0, 0);
  RunUntilIdle();
  // The parent was not invalid, so only the child painted.
  EXPECT_EQ(Names(rec, {WM_USER, WM_USER + 1, WM_PAINT}, w) + "/" + Names(rec, {WM_PAINT}, c), "WM_USER 0x0401/WM_PAINT");
  rec.Clear();
  RunUntilIdle();
  EXPECT_EQ(rec.Count(WM_PAINT), 0);  // nothing is invalid any more
  InvalidateRect(c, nullptr, TRUE);
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  ASSERT_EQ(rec.Count(WM_PAINT), 2);
  EXPECT_EQ(First(rec, w, WM_PAINT).Hwnd, rec.Entries()[0].Hwnd);  // parents paint before children
}

TEST_F(MessageTest, InvisibleWindowsAndValidatedAreasGetNoPaint) {
  HWND w = Top(WS_POPUP);
  RunUntilIdle();
  TMessageRecorder rec(w);
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(rec.Count(WM_PAINT), 0);
  ShowWindow(w, SW_SHOWNA);
  ValidateRect(w, nullptr);
  RunUntilIdle();
  EXPECT_EQ(rec.Count(WM_PAINT), 0);
  RECT r = {0, 0, 10, 10};
  InvalidateRect(w, &r, FALSE);
  RECT upd;
  EXPECT_TRUE(GetUpdateRect(w, &upd, FALSE));
  EXPECT_EQ(upd, r);
  RedrawWindow(w, nullptr, nullptr, RDW_INTERNALPAINT);
  ValidateRect(w, nullptr);
  EXPECT_FALSE(GetUpdateRect(w, &upd, FALSE));
  RunUntilIdle();
  EXPECT_EQ(rec.Count(WM_PAINT), 1);  // the internal paint request alone
}

// Paints through BeginPaint; the first paint invalidates a part again, as a control that
// changes its size while painting does.
LRESULT RepaintingProc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
  if (m != WM_PAINT) return DefWindowProcA(h, m, wp, lp);
  PAINTSTRUCT ps;
  BeginPaint(h, &ps);
  const LONG_PTR paints = GetWindowLongPtrA(h, GWLP_USERDATA) + 1;
  SetWindowLongPtrA(h, GWLP_USERDATA, paints);
  if (paints == 1) {
    RECT r = {0, 0, 5, 5};
    InvalidateRect(h, &r, FALSE);
  }
  EndPaint(h, &ps);
  return 0;
}

TEST_F(MessageTest, AnAreaInvalidatedWhilePaintingIsPaintedNext) {
  RegisterProc("RepaintingWnd", RepaintingProc);
  HWND w = Make("RepaintingWnd", WS_POPUP | WS_VISIBLE, nullptr, 0, 0, 50, 50);
  RunUntilIdle();
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 2);
  RECT upd;
  EXPECT_FALSE(GetUpdateRect(w, &upd, FALSE));
}

TEST_F(MessageTest, SendMessageIsSynchronousAndReentrant) {
  static int depth = 0, maxDepth = 0;
  struct P {
    static LRESULT Proc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
      if (m == WM_USER) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        LRESULT r = wp > 0 ? SendMessageA(h, WM_USER, wp - 1, 0) + 1 : 0;
        --depth;
        return r;
      }
      return DefWindowProcA(h, m, wp, lp);
    }
  };
  RegisterProc("Reentrant", P::Proc);
  HWND w = Make("Reentrant", WS_POPUP);
  EXPECT_EQ(SendMessageA(w, WM_USER, 5, 0), 5);
  EXPECT_EQ(maxDepth, 6);
  EXPECT_FALSE(InSendMessage());
}

TEST_F(MessageTest, WindowDestroyedInsideItsOwnHandlerStaysSafe) {
  struct P {
    static LRESULT Proc(HWND h, UINT m, WPARAM wp, LPARAM lp) {
      if (m == WM_USER) {
        DestroyWindow(h);
        // The structure behind the handle must still be usable until we return.
        return IsWindow(h) ? 1 : 2;
      }
      return DefWindowProcA(h, m, wp, lp);
    }
  };
  RegisterProc("SelfDestroy", P::Proc);
  HWND w = Make("SelfDestroy", WS_POPUP);
  PostMessageA(w, WM_USER + 5, 0, 0);
  EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 2);
  EXPECT_FALSE(IsWindow(w));
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));  // its posted messages went with it
}

TEST_F(MessageTest, OtherThreadsPostSafely) {
  HWND w = Top(WS_POPUP);
  const DWORD me = GetCurrentThreadId();
  std::thread t([&] {
    for (int i = 0; i < 100; ++i) PostMessageA(w, WM_USER, static_cast<WPARAM>(i), 0);
    PostThreadMessageA(me, WM_USER + 1, 0, 0);
  });
  t.join();
  MSG m;
  int n = 0;
  while (PeekMessageA(&m, nullptr, WM_USER, WM_USER, PM_REMOVE)) {
    EXPECT_EQ(m.wParam, static_cast<WPARAM>(n));
    ++n;
  }
  EXPECT_EQ(n, 100);
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER + 1);
}

DWORD g_ranOn = 0;
BOOL g_inSend = FALSE;
LRESULT CrossProc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_USER) {
    g_ranOn = GetCurrentThreadId();
    g_inSend = InSendMessage();
    return 42 + static_cast<LRESULT>(w);
  }
  return DefWindowProcA(h, m, w, l);
}

TEST_F(MessageTest, SendingToAnotherThreadsWindowRunsOnThatThread) {
  RegisterProc("Cross", CrossProc);
  HWND w = Make("Cross", WS_POPUP);
  std::atomic<LRESULT> got{0};
  std::thread t([&] {
    got = SendMessageA(w, WM_USER, 1, 0);
    PostMessageA(w, WM_USER + 1, 0, 0);
  });
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0)) {
    if (m.message == WM_USER + 1) break;
    DispatchMessageA(&m);
  }
  t.join();
  EXPECT_EQ(got.load(), 43);
  EXPECT_EQ(g_ranOn, GetCurrentThreadId());
  EXPECT_TRUE(g_inSend);
  EXPECT_FALSE(InSendMessage());
  // Same thread: called directly.
  EXPECT_EQ(SendMessageA(w, WM_USER, 2, 0), 44);
  EXPECT_FALSE(g_inSend);
}

TEST_F(MessageTest, GetMessageWaitsForAMessageFromAnotherThread) {
  const DWORD me = GetCurrentThreadId();
  std::thread t([me] { PostThreadMessageA(me, WM_USER + 7, 0, 0); });
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER + 7);
  t.join();
}

std::atomic<bool> g_pending{false};
std::atomic<int> g_hookRuns{0};
void LoopHook() {
  if (g_pending.exchange(false)) {
    ++g_hookRuns;
    PostMessageA(nullptr, WM_USER + 9, 0, 0);
  }
}

TEST_F(MessageTest, TheLoopHookRunsWhenAnotherThreadWakesTheLoop) {
  const MessageLoopHook old = SetMessageLoopHook(LoopHook);
  const DWORD me = GetCurrentThreadId();
  g_hookRuns = 0;
  std::thread t([me] {
    g_pending = true;
    WakeMessageLoop(me);
  });
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_USER + 9);
  EXPECT_EQ(g_hookRuns.load(), 1);
  t.join();
  SetMessageLoopHook(old);
}

TEST_F(MessageTest, RegisteredMessagesAreStableAndCaseInsensitive) {
  const UINT a = RegisterWindowMessageA("TaskbarCreated");
  EXPECT_GE(a, 0xC000u);
  EXPECT_LE(a, 0xFFFFu);
  EXPECT_EQ(RegisterWindowMessageA("TASKBARCREATED"), a);
  EXPECT_NE(RegisterWindowMessageA("Other"), a);
  EXPECT_EQ(RegisterWindowMessageA(""), 0u);
}

// ---- Timers ----

class TimerTest : public MessageTest {};

TEST_F(TimerTest, TimersFireOnTheVirtualClockInOrderOfDueTime) {
  HWND w = Top(WS_POPUP);
  TMessageRecorder rec(w);
  SetTimer(w, 1, 100, nullptr);
  SetTimer(w, 2, 250, nullptr);
  RunUntilIdle();
  AdvanceClock(99);
  EXPECT_EQ(rec.Count(WM_TIMER), 0);
  AdvanceClock(1);
  EXPECT_EQ(rec.Count(WM_TIMER), 1);
  rec.Clear();
  AdvanceClock(500);  // to t = 600: timer 1 at 200..600, timer 2 at 250 and 500
  std::vector<WPARAM> ids;
  for (auto& e : rec.Entries())
    if (e.Msg == WM_TIMER) ids.push_back(e.WParam);
  // At 500 both are due: the one set first comes first.
  EXPECT_EQ(ids, (std::vector<WPARAM>{1, 2, 1, 1, 1, 2, 1}));
  EXPECT_TRUE(KillTimer(w, 1));
  EXPECT_FALSE(KillTimer(w, 1));
  rec.Clear();
  AdvanceClock(1000);
  EXPECT_EQ(rec.Count(WM_TIMER), 4);  // timer 2 alone
}

TEST_F(TimerTest, MissedPeriodsCoalesceIntoOneMessage) {
  HWND w = Top(WS_POPUP);
  TMessageRecorder rec(w);
  SetTimer(w, 9, 50, nullptr);
  // Twenty periods pass without a message loop; then one short of a period, then the rest.
  for (auto [ms, total] : {std::pair{1000, 1}, {49, 1}, {1, 2}}) {
    session_.Clock().Advance(static_cast<uint64_t>(ms));
    RunUntilIdle();
    EXPECT_EQ(rec.Count(WM_TIMER), total) << ms;
  }
}

TEST_F(TimerTest, TimersWaitForPostedMessagesAndPaints) {
  HWND w = Top();
  RunUntilIdle();
  TMessageRecorder rec(w);
  SetTimer(w, 1, 10, nullptr);
  session_.Clock().Advance(10);
  PostMessageA(w, WM_USER, 0, 0);
  InvalidateRect(w, nullptr, TRUE);
  RunUntilIdle();
  EXPECT_EQ(Names(rec, {WM_USER, WM_PAINT, WM_TIMER}), "WM_USER WM_PAINT WM_TIMER");
}

std::vector<std::pair<UINT_PTR, DWORD>> g_procCalls;
void TimerCallback(HWND, UINT msg, UINT_PTR id, DWORD time) {
  EXPECT_EQ(msg, WM_TIMER);
  g_procCalls.emplace_back(id, time);
}

TEST_F(TimerTest, TimerProceduresAndThreadTimers) {
  g_procCalls.clear();
  const UINT_PTR id = SetTimer(nullptr, 0, 30, TimerCallback);
  ASSERT_NE(id, 0u);
  const UINT_PTR id2 = SetTimer(nullptr, 0, 30, TimerCallback);
  EXPECT_NE(id, id2);
  KillTimer(nullptr, id2);
  AdvanceClock(95);
  ASSERT_EQ(g_procCalls.size(), 3u);
  EXPECT_EQ(g_procCalls[0].first, id);
  EXPECT_EQ(g_procCalls[2].second - g_procCalls[0].second, 60u);
  // Re-setting an existing timer replaces its period.
  EXPECT_EQ(SetTimer(nullptr, id, 10, TimerCallback), id);
  g_procCalls.clear();
  AdvanceClock(30);
  EXPECT_EQ(g_procCalls.size(), 3u);
  KillTimer(nullptr, id);
}

TEST_F(TimerTest, DestroyingAWindowKillsItsTimers) {
  HWND w = Top(WS_POPUP);
  SetTimer(w, 1, 10, nullptr);
  DestroyWindow(w);
  AdvanceClock(100);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_EQ(SetTimer(w, 1, 10, nullptr), 0u);
}

TEST_F(TimerTest, TimeComesFromTheClock) {
  const DWORD t0 = GetTickCount();
  int64_t c0, f;
  QueryPerformanceCounter(&c0);
  QueryPerformanceFrequency(&f);
  EXPECT_EQ(f, 1000000);
  Sleep(250);  // moves the virtual clock
  EXPECT_EQ(GetTickCount() - t0, 250u);
  int64_t c1;
  QueryPerformanceCounter(&c1);
  EXPECT_EQ(c1 - c0, 250000);
}

// The times a timer procedure was handed.
std::vector<DWORD>& ProcTimes() {
  static std::vector<DWORD> times;
  return times;
}

void RecordTime(HWND, UINT, UINT_PTR, DWORD time) { ProcTimes().push_back(time); }

// The session starts its clock three seconds before the 32-bit tick count wraps: the count
// goes on from 0, 1-second timers set before the wrap fire every second across it (the one
// with a procedure is handed the tick count of each), the difference of two tick counts goes
// on with it, and the wall clock is the one asked for.
TEST_F(TimerTest, TheTickCountWrapsToZeroAndTimersGoOnAcrossIt) {
  constexpr uint64_t kWrap = uint64_t{1} << 32;
  session_.StartClock(kWrap - 3000, 45000.25);
  EXPECT_EQ(GetTickCount(), 0xFFFFFFFFu - 2999u);
  EXPECT_EQ(GetTickCount64(), kWrap - 3000);
  EXPECT_DOUBLE_EQ(session_.Clock().Now(), 45000.25);
  HWND w = Top(WS_POPUP);
  TMessageRecorder rec(w);
  SetTimer(w, 3, 1000, nullptr);
  ProcTimes().clear();
  SetTimer(w, 4, 1000, &RecordTime);
  const DWORD t0 = GetTickCount();
  for (int second = 1; second <= 6; ++second) {
    AdvanceClock(1000);
    // The timer with a procedure is handed to it, not to the window.
    EXPECT_EQ(rec.Count(WM_TIMER), second) << second;
    EXPECT_EQ(ProcTimes().size(), static_cast<size_t>(second)) << second;
  }
  EXPECT_EQ(GetTickCount(), 3000u);
  EXPECT_EQ(GetTickCount() - t0, 6000u);
  EXPECT_EQ(ProcTimes(),
            (std::vector<DWORD>{0xFFFFFFFFu - 1999u, 0xFFFFFFFFu - 999u, 0u, 1000u, 2000u, 3000u}));
  EXPECT_NEAR(session_.Clock().Now(), 45000.25 + 6.0 / 86400.0, 1e-9);
}

TEST_F(TimerTest, TheSessionClockNeverGoesBack) {
  session_.StartClock(5000, 40000.0);
  EXPECT_THROW(session_.StartClock(4999, 40000.0), vcl::EInvalidOperation);
  EXPECT_EQ(GetTickCount64(), 5000u);
  session_.StartClock(5000, 50000.5);
  EXPECT_DOUBLE_EQ(session_.Clock().Now(), 50000.5);
}

TEST_F(TimerTest, GetMessageSleepsThroughTheVirtualClockToTheNextTimer) {
  HWND w = Top(WS_POPUP);
  SetTimer(w, 4, 700, nullptr);
  const DWORD t0 = GetTickCount();
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(m.wParam, 4u);
  EXPECT_EQ(GetTickCount() - t0, 700u);
}

// ---- Hot keys and beeps ----

TEST_F(MessageTest, HotKeysPostWmHotKeyAndEatTheKey) {
  HWND w = Top(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  RunUntilIdle();
  SetFocus(w);
  TMessageRecorder rec(w);
  ASSERT_TRUE(RegisterHotKey(w, 17, MOD_CONTROL | MOD_ALT, 'K'));
  EXPECT_FALSE(RegisterHotKey(w, 18, MOD_CONTROL | MOD_ALT, 'K'));  // the combination is taken
  testkit::SetShiftState(false, true, true);
  testkit::KeyPress('K');
  testkit::SetShiftState(false, false, false);
  ASSERT_EQ(rec.Count(WM_HOTKEY), 1);
  const auto hot = First(rec, w, WM_HOTKEY);
  EXPECT_EQ(hot.WParam, 17u);
  EXPECT_EQ(hot.LParam, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'K'));
  for (auto& e : rec.Entries())  // the key itself is eaten
    EXPECT_FALSE((e.Msg == WM_SYSKEYDOWN || e.Msg == WM_KEYDOWN) && e.WParam == 'K');
  // Without the modifiers the key is an ordinary key.
  rec.Clear();
  testkit::KeyPress('K');
  EXPECT_EQ(rec.Count(WM_HOTKEY), 0);
  EXPECT_EQ(rec.Count(WM_KEYDOWN), 1);
  EXPECT_TRUE(UnregisterHotKey(w, 17));
  EXPECT_FALSE(UnregisterHotKey(w, 17));
}

TEST_F(MessageTest, BeepsAreRecorded) {
  MessageBeep(MB_ICONHAND);
  MessageBeep(0);
  EXPECT_EQ(testkit::Beeps(), (std::vector<UINT>{MB_ICONHAND, 0}));
  EXPECT_TRUE(Beep(440, 100));
  EXPECT_FALSE(Beep(10, 100));
}

}  // namespace
}  // namespace usertest
