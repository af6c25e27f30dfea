// Sent and posted messages, the per-thread queues, paint and timer synthesis, time.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>

#include "platform/base/Clock.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

std::atomic<MessageLoopHook> g_loopHook{nullptr};

bool InRange(UINT msg, UINT lo, UINT hi) {
  if (lo == 0 && hi == 0) return true;
  if (lo <= hi) return msg >= lo && msg <= hi;
  return msg >= lo || msg <= hi;  // an inverted range excludes the middle
}

bool MatchesWindow(HWND msgHwnd, HWND filter) {
  if (!filter) return true;
  if (filter == reinterpret_cast<HWND>(-1)) return msgHwnd == nullptr;
  return msgHwnd == filter || IsChild(filter, msgHwnd);
}

bool IsInputMessage(UINT m) {
  return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_KEYFIRST && m <= WM_KEYLAST) ||
         (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}

uint64_t NowMs() { return CurrentClock().Milliseconds(); }

// A message as a queue hands it out: stamped with the time now and a cursor position.
MSG QueuedMsg(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, POINT pt) {
  MSG m;
  m.hwnd = hwnd;
  m.message = message;
  m.wParam = wp;
  m.lParam = lp;
  m.time = static_cast<DWORD>(NowMs());
  m.pt = pt;
  return m;
}

// Finds the earliest due timer of the queue matching the filter; system timers (the caret's)
// run here and are never handed out.
Timer* DueTimer(ThreadQueue& q, HWND filter, bool remove) {
  const uint64_t now = NowMs();
  for (;;) {
    Timer* best = nullptr;
    {
      std::lock_guard lock(q.Mutex);
      for (Timer& t : q.Timers) {
        if (t.Due > now) continue;
        if (!t.System && !MatchesWindow(t.Hwnd, filter)) continue;
        if (!best || t.Due < best->Due || (t.Due == best->Due && t.Serial < best->Serial)) best = &t;
      }
      if (best && best->System) best->Due = now + best->Elapse;
    }
    if (!best) return nullptr;
    if (best->System) {
      void (*tick)() = best->Tick;  // the tick may replace its own timer
      if (tick)
        tick();
      else
        CaretBlinkTick();
      continue;
    }
    if (remove) best->Due = now + best->Elapse;  // pending periods coalesce into one message
    return best;
  }
}

}  // namespace

void KillWindowTimers(HWND h) {
  State& s = UserState();
  // Queue locks are never taken while holding the table lock (retrieval takes them the other
  // way round).
  std::vector<std::shared_ptr<ThreadQueue>> queues;
  {
    std::lock_guard lock(s.TableMutex);
    for (auto& [id, q] : s.Queues) queues.push_back(q);
  }
  for (auto& q : queues) {
    std::lock_guard ql(q->Mutex);
    auto& v = q->Timers;
    v.erase(std::remove_if(v.begin(), v.end(), [h](const Timer& t) { return t.Hwnd == h; }), v.end());
    // Messages posted to the window are dropped with it.
    auto& p = q->Posted;
    p.erase(std::remove_if(p.begin(), p.end(), [h](const MSG& m) { return m.hwnd == h; }), p.end());
  }
}

static bool PostTo(DWORD threadId, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  ThreadQueue& q = QueueOf(threadId);
  const MSG m = QueuedMsg(hwnd, msg, wp, lp, UserState().Cursor);
  {
    std::lock_guard lock(q.Mutex);
    if (q.Posted.size() >= 100000) return FALSE;  // the platform's queue limit, roughly
    q.Posted.push_back(m);
  }
  q.Wake.notify_all();
  return true;
}

bool PostInput(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, POINT pt, bool front) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return false;
  ThreadQueue& q = QueueOf(w->ThreadId);
  const MSG m = QueuedMsg(hwnd, msg, wp, lp, pt);
  {
    std::lock_guard lock(q.Mutex);
    if (msg == WM_MOUSEMOVE && !q.Posted.empty()) {
      // Mouse moves coalesce: a newer position replaces an unread one at the queue's end.
      MSG& last = q.Posted.back();
      if (last.message == WM_MOUSEMOVE && last.hwnd == hwnd) {
        last = m;
        return true;
      }
    }
    if (front)
      q.Posted.push_front(m);
    else
      q.Posted.push_back(m);
  }
  q.Wake.notify_all();
  return true;
}

thread_local int t_inInterThreadSend = 0;

// Runs the messages other threads sent to this thread's windows.
static void RunSentMessages(ThreadQueue& q) {
  for (;;) {
    std::shared_ptr<SentMessage> sm;
    {
      std::lock_guard lock(q.Mutex);
      if (q.Sent.empty()) return;
      sm = q.Sent.front();
      q.Sent.pop_front();
    }
    LRESULT r = 0;
    if (Wnd* w = FromHandle(sm->Hwnd)) {
      ++t_inInterThreadSend;
      try {
        r = Send(w, sm->Msg, sm->WParam, sm->LParam);
      } catch (...) {  // an exception does not cross threads: the sender gets 0
        r = 0;
      }
      --t_inInterThreadSend;
    }
    ThreadQueue& sender = QueueOf(sm->Sender);
    {
      std::lock_guard lock(sender.Mutex);
      sm->Result = r;
      sm->Done = true;
    }
    sender.Wake.notify_all();
  }
}

// Looks for a message; the heart of PeekMessage and GetMessage.
bool Retrieve(MSG* out, HWND filter, UINT lo, UINT hi, UINT flags) {
  EnsureInit();
  PublishTopLevelWindows();
  TakeForeignRequests();
  if (MessageLoopHook hook = g_loopHook.load()) hook();
  const DWORD tid = CurrentThread();
  ThreadQueue& q = QueueOf(tid);
  const bool remove = (flags & PM_REMOVE) != 0;
  RunSentMessages(q);
  CheckHover();
  for (;;) {
    MSG m;
    bool found = false;
    {
      std::lock_guard lock(q.Mutex);
      for (auto it = q.Posted.begin(); it != q.Posted.end(); ++it) {
        if (!InRange(it->message, lo, hi) || !MatchesWindow(it->hwnd, filter)) continue;
        m = *it;
        if (remove) q.Posted.erase(it);
        found = true;
        break;
      }
    }
    if (!found) break;
    if (remove && IsInputMessage(m.message) && !PreprocessInput(m)) continue;  // eaten
    q.LastTime = m.time;
    *out = m;
    return true;
  }
  {
    std::lock_guard lock(q.Mutex);
    if (q.QuitPosted && InRange(WM_QUIT, lo, hi)) {
      *out = QueuedMsg(nullptr, WM_QUIT, static_cast<WPARAM>(q.QuitCode), 0, UserState().Cursor);
      if (remove) q.QuitPosted = false;
      return true;
    }
  }
  if (InRange(WM_PAINT, lo, hi)) {
    Wnd* w = nullptr;
    if (AnyPaintPending(tid, filter, &w) && w) {
      *out = QueuedMsg(w->Handle, WM_PAINT, 0, 0, UserState().Cursor);
      if (remove) {
        if (w->Update.IsEmpty() && !w->NcPaint) w->InternalPaint = false;
        ++w->PaintRepeats;  // BeginPaint, validating or invalidating set it back to 0
      }
      return true;
    }
  }
  if (InRange(WM_TIMER, lo, hi)) {
    if (Timer* t = DueTimer(q, filter, remove)) {
      *out = QueuedMsg(t->Hwnd, WM_TIMER, t->Id, reinterpret_cast<LPARAM>(t->Proc),
                       UserState().Cursor);
      return true;
    }
  }
  return false;
}

// Blocks until something may have arrived, or the next timer falls due (moving a virtual
// clock on instead of waiting), or `limitMs` passes. Answers false on time-out.
static bool WaitForWork(uint64_t limitMs) {
  const DWORD tid = CurrentThread();
  ThreadQueue& q = QueueOf(tid);
  uint64_t nextDue = UINT64_MAX;
  {
    std::lock_guard lock(q.Mutex);
    for (const Timer& t : q.Timers) nextDue = std::min(nextDue, t.Due);
  }
  const uint64_t now = NowMs();
  const uint64_t deadline = limitMs == INFINITE ? UINT64_MAX : now + limitMs;
  uint64_t until = std::min(nextDue, deadline);
  TClock& clock = CurrentClock();
  // Requests of other programs are looked for again after a short wait.
  bool polling = false;
  if (!clock.IsVirtual() && ChannelOwnedHere() && until > now + kChannelPollMs) {
    until = now + kChannelPollMs;
    polling = true;
  }
  std::unique_lock lock(q.Mutex);
  auto ready = [&] {
    if (q.WakeRequested) {
      q.WakeRequested = false;
      return true;
    }
    return !q.Posted.empty() || q.QuitPosted || !q.Sent.empty();
  };
  if (ready()) return true;
  if (clock.IsVirtual()) {
    if (until == UINT64_MAX) {
      // Only another thread can post now.
      q.Wake.wait(lock, ready);
      return true;
    }
    lock.unlock();
    if (until > now) clock.Sleep(static_cast<uint32_t>(std::min<uint64_t>(until - now, 0x7FFFFFFF)));
    return until != deadline || nextDue <= deadline;
  }
  if (until == UINT64_MAX) {
    q.Wake.wait(lock, ready);
    return true;
  }
  const auto wait = std::chrono::milliseconds(until > now ? until - now : 0);
  const bool woke = q.Wake.wait_for(lock, wait, ready);
  return woke || polling || nextDue <= deadline;
}

}  // namespace win::user

namespace win {

using namespace user;

MessageLoopHook SetMessageLoopHook(MessageLoopHook hook) { return g_loopHook.exchange(hook); }

void WakeMessageLoop(DWORD threadId) {
  // Called from other threads: the queue stays alive while it is woken, even if the window
  // system is reset meanwhile.
  const std::shared_ptr<ThreadQueue> q = SharedQueueOf(threadId);
  {
    std::lock_guard lock(q->Mutex);
    q->WakeRequested = true;
  }
  q->Wake.notify_all();
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd == HWND_BROADCAST) {
    std::vector<HWND> tops;
    for (Wnd* t : UserState().Desktop->Children) tops.push_back(t->Handle);
    for (HWND t : tops)
      if (Wnd* w = FromHandle(t)) Send(w, msg, wParam, lParam);
    return 0;
  }
  DWORD target;
  {
    std::lock_guard lock(UserState().TableMutex);
    Wnd* w = FromHandle(hwnd);
    if (!w) return 0;
    target = w->ThreadId;
  }
  const DWORD me = CurrentThread();
  if (target == me) return Send(FromHandle(hwnd), msg, wParam, lParam);
  // Another thread's window: the message waits in that thread's queue and runs when the
  // thread looks for messages; meanwhile this thread runs what is sent to it.
  auto sm = std::make_shared<SentMessage>();
  sm->Hwnd = hwnd;
  sm->Msg = msg;
  sm->WParam = wParam;
  sm->LParam = lParam;
  sm->Sender = me;
  ThreadQueue& tq = QueueOf(target);
  {
    std::lock_guard lock(tq.Mutex);
    tq.Sent.push_back(sm);
  }
  tq.Wake.notify_all();
  ThreadQueue& mine = QueueOf(me);
  for (;;) {
    RunSentMessages(mine);
    std::unique_lock lock(mine.Mutex);
    if (sm->Done) return sm->Result;
    mine.Wake.wait_for(lock, std::chrono::milliseconds(50), [&] { return sm->Done || !mine.Sent.empty(); });
    if (sm->Done) return sm->Result;
    lock.unlock();
    if (!IsWindow(hwnd)) return 0;  // the window went away before its thread ran the message
  }
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  EnsureInit();
  if (!hwnd) return PostThreadMessageA(CurrentThread(), msg, wParam, lParam);
  if (hwnd == HWND_BROADCAST) {
    std::vector<std::pair<HWND, DWORD>> tops;
    {
      std::lock_guard lock(UserState().TableMutex);
      for (Wnd* t : UserState().Desktop->Children) tops.emplace_back(t->Handle, t->ThreadId);
    }
    for (auto& [h, tid] : tops) PostTo(tid, h, msg, wParam, lParam);
    return TRUE;
  }
  if (ForeignWindowProcess(hwnd, nullptr))
    return PostForeignMessage(hwnd, msg, wParam, lParam) ? TRUE : FALSE;
  DWORD tid;
  {
    std::lock_guard lock(UserState().TableMutex);
    Wnd* w = FromHandle(hwnd);
    if (!w) return FALSE;
    tid = w->ThreadId;
  }
  return PostTo(tid, hwnd, msg, wParam, lParam) ? TRUE : FALSE;
}

BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (threadId == 0) return FALSE;
  return PostTo(threadId, nullptr, msg, wParam, lParam) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode) {
  ThreadQueue& q = QueueOf(CurrentThread());
  {
    std::lock_guard lock(q.Mutex);
    q.QuitPosted = true;
    q.QuitCode = exitCode;
  }
  q.Wake.notify_all();
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  MSG m;
  if (!Retrieve(&m, hwnd, filterMin, filterMax, removeFlags)) return FALSE;
  if (msg) *msg = m;
  return TRUE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  MSG m;
  for (;;) {
    if (Retrieve(&m, hwnd, filterMin, filterMax, PM_REMOVE)) break;
    WaitForWork(INFINITE);
  }
  if (msg) *msg = m;
  return m.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
  MSG m;
  while (!Retrieve(&m, nullptr, 0, 0, PM_NOREMOVE)) WaitForWork(INFINITE);
  return TRUE;
}

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE*, BOOL, DWORD ms, DWORD) {
  // Waiting on kernel objects is not modelled: only the queue wakes the caller.
  MSG m;
  const uint64_t start = CurrentClock().Milliseconds();
  for (;;) {
    if (Retrieve(&m, nullptr, 0, 0, PM_NOREMOVE)) return WAIT_OBJECT_0 + count;
    const uint64_t now = CurrentClock().Milliseconds();
    if (ms != INFINITE && now - start >= ms) return WAIT_TIMEOUT;
    const uint64_t left = ms == INFINITE ? INFINITE : ms - (now - start);
    if (!WaitForWork(left) && ms != INFINITE && CurrentClock().Milliseconds() - start >= ms) {
      if (Retrieve(&m, nullptr, 0, 0, PM_NOREMOVE)) return WAIT_OBJECT_0 + count;
      return WAIT_TIMEOUT;
    }
  }
}

DWORD GetQueueStatus(UINT flags) {
  ThreadQueue& q = QueueOf(CurrentThread());
  DWORD status = 0;
  {
    std::lock_guard lock(q.Mutex);
    for (const MSG& m : q.Posted) {
      if (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST)
        status |= QS_KEY;
      else if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE)
        status |= QS_MOUSEMOVE;
      else if (IsInputMessage(m.message))
        status |= QS_MOUSEBUTTON;
      else if (m.message == WM_HOTKEY)
        status |= QS_HOTKEY;
      else
        status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    }
    const uint64_t now = NowMs();
    for (const Timer& t : q.Timers)
      if (!t.System && t.Due <= now) status |= QS_TIMER;
  }
  Wnd* w = nullptr;
  if (AnyPaintPending(CurrentThread(), nullptr, &w)) status |= QS_PAINT;
  status &= flags;
  return MAKELONG(static_cast<WORD>(status), static_cast<WORD>(status));
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    // Only procedures of live timers are called.
    ThreadQueue& q = QueueOf(CurrentThread());
    TIMERPROC proc = nullptr;
    {
      std::lock_guard lock(q.Mutex);
      for (const Timer& t : q.Timers)
        if (t.Hwnd == msg->hwnd && t.Id == msg->wParam &&
            reinterpret_cast<LPARAM>(t.Proc) == msg->lParam)
          proc = t.Proc;
    }
    if (proc) proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  Wnd* w = FromHandle(msg->hwnd);
  if (!w) return 0;
  const LRESULT r = Send(w, msg->message, msg->wParam, msg->lParam);
  return r;
}

UINT RegisterWindowMessageA(LPCSTR name) {
  if (!name || !*name) return 0;
  State& s = UserState();
  std::lock_guard lock(s.TableMutex);
  auto eq = [](const std::string& a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (size_t i = 0; i < a.size(); ++i)
      if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
        return false;
    return true;
  };
  for (size_t i = 0; i < s.MessageNames.size(); ++i)
    if (eq(s.MessageNames[i], name)) return static_cast<UINT>(0xC000 + i);
  if (s.MessageNames.size() >= 0x3FFF) return 0;
  s.MessageNames.emplace_back(name);
  return static_cast<UINT>(0xC000 + s.MessageNames.size() - 1);
}

BOOL InSendMessage() { return t_inInterThreadSend > 0 ? TRUE : FALSE; }

DWORD GetMessageTime() { return QueueOf(CurrentThread()).LastTime; }

// ---- Timers ----

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  EnsureInit();
  DWORD tid = CurrentThread();
  if (hwnd) {
    Wnd* w = FromHandle(hwnd);
    if (!w) return 0;
    tid = w->ThreadId;
  }
  elapse = std::clamp<UINT>(elapse, 10, 0x7FFFFFFF);
  ThreadQueue& q = QueueOf(tid);
  std::lock_guard lock(q.Mutex);
  if (!hwnd) {
    bool exists = false;
    for (const Timer& t : q.Timers)
      if (!t.Hwnd && t.Id == id && id != 0) exists = true;
    if (!exists) {
      // A fresh identifier for a window-less timer.
      static UINT_PTR next = 0x7F00;
      id = ++next;
    }
  }
  for (Timer& t : q.Timers)
    if (t.Hwnd == hwnd && t.Id == id && !t.System) {
      t.Elapse = elapse;
      t.Proc = proc;
      t.Due = NowMs() + elapse;
      return hwnd ? (id ? id : 1) : id;
    }
  Timer t;
  t.Hwnd = hwnd;
  t.Id = id;
  t.Elapse = elapse;
  t.Proc = proc;
  t.Due = NowMs() + elapse;
  t.Serial = ++q.TimerSerial;
  q.Timers.push_back(t);
  return hwnd ? (id ? id : 1) : id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  DWORD tid = CurrentThread();
  if (hwnd) {
    Wnd* w = FromHandle(hwnd);
    if (!w) return FALSE;
    tid = w->ThreadId;
  }
  ThreadQueue& q = QueueOf(tid);
  bool found = false;
  {
    std::lock_guard lock(q.Mutex);
    auto& v = q.Timers;
    auto it = std::remove_if(v.begin(), v.end(), [&](const Timer& t) {
      return t.Hwnd == hwnd && t.Id == id && !t.System;
    });
    found = it != v.end();
    v.erase(it, v.end());
    // A WM_TIMER already in the queue is removed as well.
    auto& p = q.Posted;
    p.erase(std::remove_if(p.begin(), p.end(), [&](const MSG& m) {
              return m.message == WM_TIMER && m.hwnd == hwnd && m.wParam == id;
            }),
            p.end());
  }
  return found ? TRUE : FALSE;
}

DWORD GetTickCount() { return static_cast<DWORD>(CurrentClock().Milliseconds()); }
uint64_t GetTickCount64() { return CurrentClock().Milliseconds(); }

BOOL QueryPerformanceCounter(int64_t* count) {
  if (!count) return FALSE;
  *count = CurrentClock().PerformanceCounter();
  return TRUE;
}

BOOL QueryPerformanceFrequency(int64_t* frequency) {
  if (!frequency) return FALSE;
  *frequency = TClock::PerformanceFrequency;
  return TRUE;
}

void Sleep(DWORD ms) { CurrentClock().Sleep(ms); }

}  // namespace win

namespace win::user {

// Internal system timer (the caret's blink) on the current thread.
void SetSystemTimer(UINT elapse, bool on) {
  ThreadQueue& q = QueueOf(CurrentThread());
  std::lock_guard lock(q.Mutex);
  auto& v = q.Timers;
  v.erase(std::remove_if(v.begin(), v.end(), [](const Timer& t) { return t.System && !t.Tick; }),
          v.end());
  if (!on) return;
  Timer t;
  t.System = true;
  t.Elapse = std::max<UINT>(elapse, 10);
  t.Due = NowMs() + t.Elapse;
  t.Serial = ++q.TimerSerial;
  v.push_back(t);
}

void SetInternalTimer(void (*tick)(), UINT elapse, bool on) {
  ThreadQueue& q = QueueOf(CurrentThread());
  std::lock_guard lock(q.Mutex);
  auto& v = q.Timers;
  v.erase(std::remove_if(v.begin(), v.end(),
                         [tick](const Timer& t) { return t.System && t.Tick == tick; }),
          v.end());
  if (!on) return;
  Timer t;
  t.System = true;
  t.Tick = tick;
  t.Elapse = std::max<UINT>(elapse, 1);
  t.Due = NowMs() + t.Elapse;
  t.Serial = ++q.TimerSerial;
  v.push_back(t);
}

}  // namespace win::user
