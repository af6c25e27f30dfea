#include "foundation/ZYLTimer.h"

#include <algorithm>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Thread.h"
#include "platform/classes/TypeInfo.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

namespace {
const char* const TimerWindowClass = "TZYLTimerWindow";
TZYLTimerPool* globalPool = nullptr;
}  // namespace

// ---------------------------------------------------------------------------------------------
// TZYLTimerWindow

win::LRESULT TZYLTimerWindow::WndProc(win::HWND h, win::UINT msg, win::WPARAM w, win::LPARAM l) {
  if (msg == win::WM_TIMER && w == 1) {
    auto* self =
        reinterpret_cast<TZYLTimerWindow*>(win::GetWindowLongPtr(h, win::GWLP_USERDATA));
    if (self && self->GetOnTick()) self->GetOnTick()(nullptr);
    return 0;
  }
  return win::DefWindowProc(h, msg, w, l);
}

TZYLTimerWindow::TZYLTimerWindow() {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = &TZYLTimerWindow::WndProc;
  wc.lpszClassName = TimerWindowClass;
  win::RegisterClassA(&wc);  // fails harmlessly when the class exists
  FHandle = win::CreateWindowEx(0, TimerWindowClass, "", win::WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, nullptr, nullptr);
  if (FHandle)
    win::SetWindowLongPtr(FHandle, win::GWLP_USERDATA, reinterpret_cast<win::LONG_PTR>(this));
}

TZYLTimerWindow::~TZYLTimerWindow() {
  Stop();
  if (FHandle) {
    win::SetWindowLongPtr(FHandle, win::GWLP_USERDATA, 0);
    win::DestroyWindow(FHandle);
  }
}

void TZYLTimerWindow::Start(uint32_t Interval) {
  if (Interval == 0) {
    Stop();
    return;
  }
  FRunning = win::SetTimer(FHandle, 1, Interval, nullptr) != 0;
}

void TZYLTimerWindow::Stop() {
  if (FRunning) win::KillTimer(FHandle, 1);
  FRunning = false;
}

// ---------------------------------------------------------------------------------------------
// TZYLTimerPool

ZYL_CLASS_IMPL(TZYLTimerPool) {}

TZYLTimerPool::TZYLTimerPool(vcl::TComponent* AOwner)
    : inherited(AOwner), FWindow(std::make_unique<TZYLTimerWindow>()) {
  FWindow->SetOnTick(vcl::TNotifyEvent(this, &TZYLTimerPool::Tick));
}

TZYLTimerPool::~TZYLTimerPool() {
  for (TZYLTimer* t : FItems) t->FGlobal = false, t->FEnabled = false;
  FItems.clear();
  if (globalPool == this) globalPool = nullptr;
}

void TZYLTimerPool::AddItem(TZYLTimer* Item) {
  if (!Item || std::find(FItems.begin(), FItems.end(), Item) != FItems.end()) return;
  Item->FCounter = 0;
  FItems.push_back(Item);
  UpdateTimer();
}

void TZYLTimerPool::RemoveItem(TZYLTimer* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  *it = nullptr;  // compacted after a tick in progress
  if (!FInTick) FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
  UpdateTimer();
}

void TZYLTimerPool::UpdateTimer() {
  const bool any = std::any_of(FItems.begin(), FItems.end(),
                               [](TZYLTimer* t) { return t && t->FEnabled; });
  if (any && !FWindow->Running())
    FWindow->Start(BaseInterval);
  else if (!any && FWindow->Running())
    FWindow->Stop();
}

void TZYLTimerPool::Tick(vcl::TObject*) {
  FInTick = true;
  {
    vcl::TFinally endTick([this] {
      FInTick = false;
      FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
    });
    // Items added during the tick wait for the next one.
    const size_t n = FItems.size();
    for (size_t i = 0; i < n; ++i) {
      TZYLTimer* t = FItems[i];
      if (!t || !t->FEnabled) continue;
      if (++t->FCounter >= t->PoolTicks()) {
        t->FCounter = 0;
        if (t->GetOnTimer()) t->GetOnTimer()(t);
      }
    }
  }
  UpdateTimer();
}

TZYLTimerPool* ZYLTimerPool() {
  if (!globalPool) globalPool = new TZYLTimerPool(nullptr);
  return globalPool;
}

bool ZYLTimerPoolExists() { return globalPool != nullptr; }

void ZYLTimerPoolDone() {
  delete globalPool;
  globalPool = nullptr;
}

void ZYLTimerRelease() { win::UnregisterClassA(TimerWindowClass, nullptr); }

// ---------------------------------------------------------------------------------------------
// TZYLTimer

TZYLTimer::TZYLTimer(TZYLTimerInterval Interval, vcl::TNotifyEvent AOnTimer, bool Enabled,
                     bool Global)
    : FInterval(std::clamp(Interval, 1, 65535)),
      FEnabled(Enabled),
      FGlobal(Global),
      FOnTimer(AOnTimer) {
  Attach();
}

TZYLTimer::~TZYLTimer() { Detach(); }

int TZYLTimer::PoolTicks() const { return std::max(1, FInterval / TZYLTimerPool::BaseInterval); }

void TZYLTimer::Attach() {
  if (FGlobal) {
    ZYLTimerPool()->AddItem(this);
  } else {
    if (!FOwn) {
      FOwn = std::make_unique<TZYLTimerWindow>();
      FOwn->SetOnTick(vcl::TNotifyEvent(this, &TZYLTimer::OwnTick));
    }
    if (FEnabled)
      FOwn->Start(static_cast<uint32_t>(FInterval));
    else
      FOwn->Stop();
  }
}

void TZYLTimer::Detach() {
  if (globalPool) globalPool->RemoveItem(this);
  FOwn.reset();
}

void TZYLTimer::OwnTick(vcl::TObject*) {
  if (FEnabled && FOnTimer) FOnTimer(this);
}

void TZYLTimer::SetInterval(TZYLTimerInterval Value) {
  Value = std::clamp(Value, 1, 65535);
  if (Value == FInterval) return;
  FInterval = Value;
  FCounter = 0;
  if (!FGlobal && FOwn && FEnabled) FOwn->Start(static_cast<uint32_t>(FInterval));
}

void TZYLTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  FCounter = 0;
  if (FGlobal) {
    ZYLTimerPool()->UpdateTimer();
  } else if (FOwn) {
    if (Value)
      FOwn->Start(static_cast<uint32_t>(FInterval));
    else
      FOwn->Stop();
  }
}

void TZYLTimer::SetGlobal(bool Value) {
  if (Value == FGlobal) return;
  Detach();
  FGlobal = Value;
  Attach();
}

// ---------------------------------------------------------------------------------------------
// TZYLHiTimer

// Watches the current clock and, whenever a tick is due, hands it to the main thread through
// its channel (or, without Synchronize, calls the event in the worker itself). The thread
// shares only TShared with the timer; the timer is touched on the main thread only, by a
// tick that finds the worker still running.
class TZYLHiTimer::TWorker {
 public:
  TWorker(TZYLHiTimer* Owner, uint32_t Interval, bool Sync, const vcl::TNotifyEvent& OnTimer)
      : shared_(std::make_shared<TShared>()) {
    shared_->Event = OnTimer;
    // The first tick is due one interval after the start, not after the thread got going.
    const uint64_t first = win::CurrentClock().Milliseconds() + Interval;
    thread_ = vcl::StartWorkerThread([shared = shared_, Owner, Interval, first, Sync] {
      Run(shared, Owner, Interval, first, Sync);
    });
  }
  // The worker's queued tick is withdrawn, so it stops without the main thread; a call a
  // handler without Synchronize made to the main thread is served while the main thread waits
  // (and only that), so the worker can end. Inside the timer's very tick (its handler stops the
  // timer) the worker is waiting for it, and inside the worker itself (a handler without
  // Synchronize) it is the caller: either way it goes on its own once the handler returns.
  ~TWorker() {
    shared_->Stop = true;
    shared_->Channel.Close();
    if (shared_->InTick || thread_.get_id() == std::this_thread::get_id())
      thread_.detach();
    else
      thread_.join();
  }
  int Pending() const { return shared_->Pending.load(); }
  void SetEvent(const vcl::TNotifyEvent& Value) {
    std::lock_guard<std::mutex> lock(shared_->EventMutex);
    shared_->Event = Value;
  }

 private:
  struct TShared {
    std::atomic<bool> Stop{false};
    std::atomic<bool> InTick{false};  // the main thread runs this worker's tick
    std::atomic<int> Pending{0};
    vcl::TSyncChannel Channel;
    std::mutex EventMutex;
    vcl::TNotifyEvent Event;  // what the worker calls without Synchronize
  };

  static void Run(std::shared_ptr<TShared> shared, TZYLHiTimer* owner, uint32_t interval,
                  uint64_t next, bool sync) {
    const std::function<void()> tick = [shared, owner] {
      --shared->Pending;
      if (shared->Stop) return;
      shared->InTick = true;
      const vcl::TFinally done([&shared] { shared->InTick = false; });
      owner->DoTick(owner);
    };
    while (!shared->Stop) {
      const uint64_t now = win::CurrentClock().Milliseconds();
      if (now < next) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        continue;
      }
      next += interval;
      if (next <= now) next = now + interval;  // skip ticks missed while blocked
      if (sync) {
        ++shared->Pending;
        if (!shared->Channel.Synchronize(tick)) --shared->Pending;  // withdrawn: never ran
      } else {
        vcl::TNotifyEvent event;
        {
          std::lock_guard<std::mutex> lock(shared->EventMutex);
          event = shared->Event;
        }
        if (event) event(owner);
      }
    }
  }

  std::shared_ptr<TShared> shared_;
  vcl::TWorkerThread thread_;
};

ZYL_CLASS_IMPL(TZYLHiTimer) {
  using C = TZYLHiTimer;
  b.Prop("Enabled", &C::Enabled, &C::SetEnabled).Default(false)
      .Prop("Interval", &C::Interval, &C::SetInterval).Default(1000)
      .Prop("Synchronize", &C::Synchronize, &C::SetSynchronize).Default(true)
      .Prop("ThreadPriority", &C::ThreadPriority, &C::SetThreadPriority).Default(vcl::tpNormal)
      .Prop("UseThread", &C::UseThread, &C::SetUseThread).Default(true)
      .Prop("OnTimer", &C::GetOnTimer, &C::SetOnTimer);
}

TZYLHiTimer::TZYLHiTimer(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLHiTimer::~TZYLHiTimer() { StopAll(); }

void TZYLHiTimer::StopAll() {
  FWorker.reset();
  FWindow.reset();
}

int TZYLHiTimer::PendingTicks() const { return FWorker ? FWorker->Pending() : 0; }

void TZYLHiTimer::SetOnTimer(const vcl::TNotifyEvent& Value) {
  FOnTimer = Value;
  if (FWorker) FWorker->SetEvent(Value);
}

void TZYLHiTimer::Restart() {
  StopAll();
  const vcl::TComponentState st = ComponentState();
  if (!FEnabled || st.contains(vcl::csDesigning) || st.contains(vcl::csLoading)) return;
  if (FUseThread) {
    FWorker =
        std::make_unique<TWorker>(this, static_cast<uint32_t>(FInterval), FSynchronize, FOnTimer);
  } else {
    FWindow = std::make_unique<TZYLTimerWindow>();
    FWindow->SetOnTick(vcl::TNotifyEvent(this, &TZYLHiTimer::DoTick));
    FWindow->Start(static_cast<uint32_t>(FInterval));
  }
}

void TZYLHiTimer::SetInterval(TZYLTimerInterval Value) {
  Value = std::clamp(Value, 1, 65535);
  if (Value == FInterval) return;
  FInterval = Value;
  Restart();
}

void TZYLHiTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Restart();
}

void TZYLHiTimer::SetUseThread(bool Value) {
  if (Value == FUseThread) return;
  FUseThread = Value;
  Restart();
}

void TZYLHiTimer::SetSynchronize(bool Value) {
  if (Value == FSynchronize) return;
  FSynchronize = Value;
  Restart();
}

void TZYLHiTimer::SetThreadPriority(vcl::TThreadPriority Value) {
  if (Value == FPriority) return;
  FPriority = Value;
  Restart();
}

// Setters do not start the timer while the form is read; it starts here with all its values.
void TZYLHiTimer::Loaded() {
  inherited::Loaded();
  Restart();
}

// A tick that comes while the owner frees its components reaches no one.
void TZYLHiTimer::DoTick(vcl::TObject*) {
  if (FEnabled && FOnTimer && !ComponentState().contains(vcl::csDestroying)) FOnTimer(this);
}

void TZYLModeTimer::Create(TZYLTimerMode Mode, TZYLTimerInterval Interval,
                           const vcl::TNotifyEvent& FOnTimer) {
  Free();
  if (Mode == tmNormal || Mode == tmGlobalTimer) {
    FTimer.reset(new TZYLTimer(Interval, FOnTimer, false, Mode == tmGlobalTimer));
  } else {
    FHiTimer.reset(new TZYLHiTimer(nullptr));  // disabled until Enable
    FHiTimer->SetOnTimer(FOnTimer);
    FHiTimer->SetUseThread(Mode == tmThreaded);
  }
}

void TZYLModeTimer::Free() {
  FTimer.reset();
  FHiTimer.reset();
}

void TZYLModeTimer::Enable(bool On, TZYLTimerInterval Interval,
                           vcl::TThreadPriority ThreadPriority) {
  if (FTimer) {
    if (On) FTimer->SetInterval(Interval);
    FTimer->SetEnabled(On);
  } else if (FHiTimer) {
    if (On) {
      FHiTimer->SetInterval(Interval);
      FHiTimer->SetThreadPriority(ThreadPriority);
    }
    FHiTimer->SetEnabled(On);
  }
}

TZYLStepTimer::TZYLStepTimer(TZYLTimerInterval Interval, const vcl::TNotifyEvent& FOnTimer,
                             std::function<void()> OnStop)
    : FInterval(Interval), FOnTimer(FOnTimer), FOnStop(std::move(OnStop)) {}

void TZYLStepTimer::SetMode(TZYLTimerMode Value, bool Loading) {
  if (Value == FMode) return;
  if (Loading) {
    FMode = Value;  // Loaded makes the mode's timer
    return;
  }
  FOnStop();
  Free();
  FMode = Value;
  Activate();
}

void TZYLStepTimer::SetInterval(TZYLTimerInterval Value, bool Loading) {
  Value = std::clamp(Value, 1, 65535);
  if (Value == FInterval) return;
  if (!Loading) FOnStop();
  FInterval = Value;
}

void TZYLStepTimer::Loaded() {
  // The constructor made the timer of tmNormal.
  if (FMode != tmNormal) Activate();
}

void TZYLStepTimer::Activate() { FTimers.Create(FMode, FInterval, FOnTimer); }

}  // namespace zyl
