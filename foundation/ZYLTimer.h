// Timers: the shared timer pool (one hidden window, one system timer with id 1 at a base
// interval of 50 ms, each item fired every (Interval div 50) base ticks), the light timer
// object that lives either on the global pool or on a system timer of its own, and the
// high-resolution timer that ticks from a window timer or from a worker thread that hands
// every tick to the main thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "platform/base/Types.h"
#include "platform/classes/Events.h"
#include "platform/classes/Thread.h"
#include "platform/sys/Packages.h"

namespace zyl {

// A hidden window with one system timer (id 1) that calls OnTick on each WM_TIMER.
class TZYLTimerWindow {
 public:
  TZYLTimerWindow();
  ~TZYLTimerWindow();
  win::HWND Handle() const { return FHandle; }
  // Starts (or restarts) timer 1 at Interval ms; 0 stops it.
  void Start(uint32_t Interval);
  void Stop();
  bool Running() const { return FRunning; }
  const vcl::TNotifyEvent& GetOnTick() const { return FOnTick; }
  void SetOnTick(const vcl::TNotifyEvent& Value) { FOnTick = Value; }

 private:
  static win::LRESULT WndProc(win::HWND, win::UINT, win::WPARAM, win::LPARAM);
  win::HWND FHandle = nullptr;
  bool FRunning = false;

 protected:
  vcl::TNotifyEvent FOnTick;
};

class TZYLTimer;

// The shared pool of light timers.
class TZYLTimerPool : public TZYLCustomComponent {
  ZYL_CLASS(TZYLTimerPool, TZYLCustomComponent)
  static constexpr int BaseInterval = 50;
  explicit TZYLTimerPool(vcl::TComponent* AOwner = nullptr);
  ~TZYLTimerPool() override;
  // Items are not owned; an enabled item keeps the system timer running.
  void AddItem(TZYLTimer* Item);
  void RemoveItem(TZYLTimer* Item);
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  bool Running() const { return FWindow->Running(); }
  win::HWND Handle() const { return FWindow->Handle(); }
  // Called on every base tick (public for the window).
  void Tick(vcl::TObject* Sender);
  void UpdateTimer();

 private:
  std::unique_ptr<TZYLTimerWindow> FWindow;
  std::vector<TZYLTimer*> FItems;
  bool FInTick = false;
};

// The global pool (created with the application object; created on demand otherwise).
TZYLTimerPool* ZYLTimerPool();
bool ZYLTimerPoolExists();
void ZYLTimerPoolDone();

class TZYLTimer : public vcl::TObject {
 public:
  TZYLTimer(TZYLTimerInterval Interval, vcl::TNotifyEvent OnTimer, bool Enabled, bool Global);
  ~TZYLTimer() override;
  TZYLTimerInterval Interval() const { return FInterval; }
  // Values outside 1 .. 65535 are clamped.
  void SetInterval(TZYLTimerInterval Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Global() const { return FGlobal; }
  // Moves the timer between the pool and a system timer of its own.
  void SetGlobal(bool Value);
  const vcl::TNotifyEvent& GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(const vcl::TNotifyEvent& Value) { FOnTimer = Value; }
  // The number of base ticks between two events on the pool (at least 1).
  int PoolTicks() const;

 private:
  friend class TZYLTimerPool;
  void Attach();
  void Detach();
  void OwnTick(vcl::TObject*);
  TZYLTimerInterval FInterval;
  bool FEnabled;
  bool FGlobal;
  int FCounter = 0;
  std::unique_ptr<TZYLTimerWindow> FOwn;

 protected:
  vcl::TNotifyEvent FOnTimer;
};

// A high-resolution timer. With UseThread a worker thread watches the clock and, with
// Synchronize, queues each tick to the main thread (run by CheckSynchronize, which the
// application's idle loop calls) and waits for it; without Synchronize the tick runs in the
// worker itself. Without UseThread a window timer of Interval ms ticks. A new timer is
// disabled, threaded and synchronized. Stopping or freeing the timer (also from its own tick)
// withdraws a queued tick: no tick comes after, and none reaches a component being destroyed.
class TZYLHiTimer : public TZYLCustomComponent {
  ZYL_CLASS(TZYLHiTimer, TZYLCustomComponent)
  explicit TZYLHiTimer(vcl::TComponent* AOwner = nullptr);
  ~TZYLHiTimer() override;
  TZYLTimerInterval Interval() const { return FInterval; }
  // Clamped to the timer device's period range, 1 .. 65535 ms.
  void SetInterval(TZYLTimerInterval Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool UseThread() const { return FUseThread; }
  void SetUseThread(bool Value);
  bool Synchronize() const { return FSynchronize; }
  void SetSynchronize(bool Value);
  // Kept for the worker thread; the stand-in threads all run at the system's one priority.
  vcl::TThreadPriority ThreadPriority() const { return FPriority; }
  void SetThreadPriority(vcl::TThreadPriority Value);
  const vcl::TNotifyEvent& GetOnTimer() const { return FOnTimer; }
  void SetOnTimer(const vcl::TNotifyEvent& Value);
  // Ticks the worker found due but the main thread has not run yet.
  int PendingTicks() const;
  void Loaded() override;

 private:
  class TWorker;
  void Restart();
  void StopAll();
  void DoTick(vcl::TObject*);
  TZYLTimerInterval FInterval = 1000;
  bool FEnabled = false;
  bool FUseThread = true;
  bool FSynchronize = true;
  vcl::TThreadPriority FPriority = vcl::tpNormal;
  std::unique_ptr<TZYLTimerWindow> FWindow;
  std::unique_ptr<TWorker> FWorker;

 protected:
  vcl::TNotifyEvent FOnTimer;
};

// The timer of a control that offers the four timer modes: a TZYLTimer of its own or on the
// pool (tmNormal, tmGlobalTimer), or a TZYLHiTimer by window timer or worker thread
// (tmHiTimer, tmThreaded). It holds at most one of them.
class TZYLModeTimer {
 public:
  TZYLModeTimer() = default;
  TZYLModeTimer(const TZYLModeTimer&) = delete;
  TZYLModeTimer& operator=(const TZYLModeTimer&) = delete;
  ~TZYLModeTimer() { Free(); }
  // Frees the timer it holds and makes the mode's timer, stopped, ticking into OnTimer.
  void Create(TZYLTimerMode Mode, TZYLTimerInterval Interval, const vcl::TNotifyEvent& OnTimer);
  void Free();
  // Starts the timer with Interval (a high-resolution one also with ThreadPriority), or stops it.
  void Enable(bool On, TZYLTimerInterval Interval, vcl::TThreadPriority ThreadPriority);
  TZYLTimer* Timer() const { return FTimer.get(); }
  TZYLHiTimer* HiTimer() const { return FHiTimer.get(); }

 private:
  std::unique_ptr<TZYLTimer> FTimer;
  std::unique_ptr<TZYLHiTimer> FHiTimer;
};

// The timer of a control that runs by steps and publishes TimerMode, Interval and
// ThreadPriority: the three settings and the mode's one timer, ticking into OnTimer. Changing
// the mode or the interval of a running control stops it first through OnStop; while the
// control loads, the values are only kept and Loaded makes the timer.
class TZYLStepTimer {
 public:
  TZYLStepTimer(TZYLTimerInterval Interval, const vcl::TNotifyEvent& OnTimer,
                std::function<void()> OnStop);
  TZYLTimerMode Mode() const { return FMode; }
  // Stops, frees the old mode's timer and makes the new one.
  void SetMode(TZYLTimerMode Value, bool Loading);
  TZYLTimerInterval Interval() const { return FInterval; }
  // Values outside 1 .. 65535 are limited to the range; a change stops (not while loading)
  // and takes effect at the next start.
  void SetInterval(TZYLTimerInterval Value, bool Loading);
  vcl::TThreadPriority Priority() const { return FPriority; }
  // Applied when the timer is next enabled.
  void SetPriority(vcl::TThreadPriority Value) { FPriority = Value; }
  // Makes the timer of the mode read from the stream.
  void Loaded();
  void Activate();
  void Free() { FTimers.Free(); }
  void Enable(bool On) { FTimers.Enable(On, FInterval, FPriority); }
  TZYLTimer* Timer() const { return FTimers.Timer(); }
  TZYLHiTimer* HiTimer() const { return FTimers.HiTimer(); }

 private:
  TZYLModeTimer FTimers;
  TZYLTimerMode FMode = tmNormal;
  TZYLTimerInterval FInterval;
  vcl::TThreadPriority FPriority = vcl::tpNormal;
  vcl::TNotifyEvent FOnTimer;
  std::function<void()> FOnStop;
};

// The unit: the timer components registered for streaming. The timer windows' class, which
// the first timer window registers, goes with the unit's finalization, since its procedure is
// the unit's code.
void ZYLTimerRelease();
inline constexpr vcl::TUnitEntry ZYLTimerUnit =
    vcl::ClassesUnitReleasing<&ZYLTimerRelease, TZYLTimerPool, TZYLHiTimer>("ZYLTimer");

}  // namespace zyl
