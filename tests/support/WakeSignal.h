// Waits, without a clock, until a worker has queued a call for the main thread: the wake hook
// of the synchronisation queue counts every queued call.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

#include "platform/classes/Thread.h"

namespace testsupport {

class TWakeSignal {
 public:
  // The hook it replaces (the application's, which wakes its message loop) is still called.
  TWakeSignal() {
    // The hook it replaces is taken first, so that the new one finds it set (the hook runs
    // under the queue's hook lock, which orders it after this).
    previous_ = vcl::SetWakeMainThread(nullptr);
    vcl::SetWakeMainThread([this] {
      {
        // Notified under the lock: the waiter may go as soon as it sees the count.
        std::lock_guard<std::mutex> lock(mutex_);
        ++wakes_;
        cv_.notify_all();
      }
      if (previous_) previous_();
    });
  }
  ~TWakeSignal() { vcl::SetWakeMainThread(previous_); }
  TWakeSignal(const TWakeSignal&) = delete;
  TWakeSignal& operator=(const TWakeSignal&) = delete;
  // Waits until Count more calls were queued since the last wait.
  void WaitForWake(int Count = 1) {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return wakes_ >= seen_ + Count; });
    seen_ += Count;
  }
  // The same, for at most TimeoutMs (a bound against a hang, not a measure); false when the
  // calls did not come, which leaves them still awaited.
  bool WaitForWakeWithin(int TimeoutMs, int Count = 1) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!cv_.wait_for(lock, std::chrono::milliseconds(TimeoutMs),
                      [&] { return wakes_ >= seen_ + Count; }))
      return false;
    seen_ += Count;
    return true;
  }
  int Wakes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return wakes_;
  }

 private:
  std::function<void()> previous_;
  std::mutex mutex_;
  std::condition_variable cv_;
  int wakes_ = 0;
  int seen_ = 0;
};

}  // namespace testsupport
