// TThread and the main-thread synchronisation queue.
//
// A thread runs Execute once started. TThread(true) creates it suspended: Start() (or
// Resume()) runs it. TThread(false) runs it as soon as the object is fully built, which in C++
// is only known to the creator: it starts at the first Start/Resume/WaitFor or when the main
// thread next drains the synchronisation queue (CheckSynchronize), whichever comes first.
//
// Synchronize(method) called from a worker queues the method for the main thread and waits
// until the main thread has run it (CheckSynchronize, which the message loop calls); an
// exception raised by the method is raised again in the worker. Called on the main thread,
// the method runs at once. The hook set with SetWakeMainThread is called whenever a method is
// queued, so that a waiting message loop wakes up.
//
// CancelSynchronize withdraws the thread's calls the main thread has not begun and makes its
// later ones return at once without running: an owner that is going lets its thread end
// without the main thread. The main thread takes queued calls one at a time, so a call
// withdrawn by an earlier one of the same round never runs.
//
// Freeing a thread that never started does not run Execute.
// A derived class whose Execute uses its own members stops the thread (Terminate and WaitFor)
// in its own destructor: the TThread destructor waits too, but the derived part is gone by then.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

#include "platform/classes/Events.h"

namespace vcl {

ZYL_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

using TThreadMethod = TEvent<void()>;

// A worker's hand-over of calls to the main thread that its owner can close. Synchronize runs
// Proc on the main thread (at once when called there; else queued and waited for until the
// main thread has run it) and returns true, or false when the channel was closed before Proc
// began. Close withdraws the queued calls and refuses later ones: their procedures never run
// and their workers stop waiting. A call already running is not waited for. An exception
// raised by Proc is raised again in the caller. Close it before it goes while a worker may
// still call it.
class TSyncChannel {
 public:
  TSyncChannel() = default;
  TSyncChannel(const TSyncChannel&) = delete;
  TSyncChannel& operator=(const TSyncChannel&) = delete;
  bool Synchronize(const std::function<void()>& Proc);
  void Close();
  bool Closed() const;

 private:
  bool closed_ = false;  // under the synchronisation queue's lock
};

class TThread : public TObject {
  ZYL_CLASS(TThread, TObject)
  explicit TThread(bool CreateSuspended);
  ~TThread() override;

  void Start();
  void Resume() { Start(); }
  // Asks Execute to end (it polls Terminated()).
  void Terminate();
  bool Terminated() const;
  // Waits for Execute to end and returns ReturnValue. On the main thread, queued Synchronize
  // calls keep being served meanwhile. Raises EThread when called from the thread itself or
  // for a suspended thread that was never started (which would wait forever).
  int WaitFor();

  bool Suspended() const;
  bool Finished() const;
  bool FreeOnTerminate() const { return freeOnTerminate_; }
  void SetFreeOnTerminate(bool Value) { freeOnTerminate_ = Value; }
  // Stored and reported; the host's scheduler is not changed.
  TThreadPriority Priority() const { return priority_; }
  void SetPriority(TThreadPriority Value) { priority_ = Value; }
  int ReturnValue() const { return returnValue_; }
  // The exception that ended Execute, if one did.
  std::exception_ptr FatalException() const;
  void SetOnTerminate(const TNotifyEvent& Value) { onTerminate_ = Value; }

  // Withdraws this thread's calls to the main thread and refuses its later ones.
  void CancelSynchronize();
  void Synchronize(const TThreadMethod& Method);
  static void Synchronize(TThread* Thread, const TThreadMethod& Method);
  // Queues a plain function the same way (for code without an object at hand).
  static void Synchronize(const std::function<void()>& Proc);

 protected:
  virtual void Execute() = 0;
  virtual void DoTerminate();
  void SetReturnValue(int Value) { returnValue_ = Value; }

 private:
  struct TState;
  void CallOnTerminate() { onTerminate_(this); }
  static void Run(TThread* self, std::shared_ptr<TState> state);
  std::shared_ptr<TState> state_;
  bool freeOnTerminate_ = false;
  TThreadPriority priority_ = tpNormal;
  int returnValue_ = 0;
  TNotifyEvent onTerminate_;
};

// Runs the queued Synchronize methods (on the main thread only; elsewhere does nothing).
// Waits up to TimeoutMs for a first request when none is queued (0: does not wait). Returns
// true when at least one method ran. Also starts threads created with TThread(false).
bool CheckSynchronize(int TimeoutMs = 0);
// Called (from any thread) whenever a Synchronize request is queued. Returns the hook it
// replaces, which is no longer running anywhere when this returns. The hook must not itself
// set the hook.
std::function<void()> SetWakeMainThread(std::function<void()> Hook);
bool IsMainThread();
uint64_t MainThreadID();
// The threads the platform runs at this moment: a TThread from its start until its thread
// function has returned (a thread that frees itself, once freed), and a worker made with
// StartWorkerThread until its procedure has returned.
int LiveThreadCount();
// Waits until at most Count threads live, for at most TimeoutMs; answers whether they did. It
// serves no Synchronize call meanwhile: a worker that needs the main thread to end keeps living.
bool WaitForLiveThreads(int Count, int TimeoutMs);
// A worker thread of the platform's own (StartWorkerThread): counted by LiveThreadCount while
// its procedure runs. Joined on the main thread, it is waited for with the calls it queued for
// the main thread served meanwhile (and no others), so a worker that waits for the main thread
// can end; joined inside a call of its own that the main thread runs, it is let go instead (it
// ends once the call returns); joined elsewhere, it is only waited for.
class TWorkerThread {
 public:
  TWorkerThread() = default;
  TWorkerThread(TWorkerThread&&) = default;
  TWorkerThread& operator=(TWorkerThread&&) = default;
  ~TWorkerThread() = default;  // joined or detached before (as a std::thread)
  std::thread::id get_id() const noexcept { return thread_.get_id(); }
  bool joinable() const noexcept { return thread_.joinable(); }
  void join();
  void detach() { thread_.detach(); }

 private:
  friend TWorkerThread StartWorkerThread(std::function<void()> Proc);
  struct TState;
  std::thread thread_;
  std::shared_ptr<TState> state_;
};

// Starts a worker running Proc (an exception leaving it ends the program, as for any thread).
TWorkerThread StartWorkerThread(std::function<void()> Proc);
uint64_t GetCurrentThreadID();

}  // namespace vcl
