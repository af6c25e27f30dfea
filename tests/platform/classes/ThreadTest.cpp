#include "platform/classes/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

using namespace vcl;

namespace {

// Waits (without a clock) until the wake hook reports a queued Synchronize request.
class TWakeSignal {
 public:
  TWakeSignal() {
    SetWakeMainThread([this] {
      std::lock_guard<std::mutex> lock(mutex_);
      ++wakes_;
      cv_.notify_all();
    });
  }
  ~TWakeSignal() { SetWakeMainThread(nullptr); }
  void WaitForWake() {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return wakes_ > seen_; });
    seen_ = wakes_;
  }
  int Wakes() {
    std::lock_guard<std::mutex> lock(mutex_);
    return wakes_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  int wakes_ = 0;
  int seen_ = 0;
};

class TWorker : public TThread {
 public:
  explicit TWorker(bool suspended) : TThread(suspended) {}
  ~TWorker() override {
    Terminate();
    if (!Suspended()) WaitFor();
  }
  void Report() {
    ranOnMain = IsMainThread();
    ++reports;
  }
  void Fail() { throw EConvertError("bad value"); }
  std::atomic<bool> ranOnMain{false};
  std::atomic<int> reports{0};
  std::atomic<bool> executedOnMain{true};
  std::atomic<bool> sawError{false};
  bool failInSync = false;
  bool loopUntilTerminated = false;

 protected:
  void Execute() override {
    executedOnMain = IsMainThread();
    Synchronize(TThreadMethod(this, &TWorker::Report));
    if (failInSync) {
      try {
        Synchronize(TThreadMethod(this, &TWorker::Fail));
      } catch (const EConvertError&) {
        sawError = true;
      }
    }
    while (loopUntilTerminated && !Terminated()) std::this_thread::yield();
    SetReturnValue(42);
  }
};

}  // namespace

TEST(Thread, SynchronizeRunsOnTheMainThreadWhenDrained) {
  TWakeSignal wake;
  TWorker w(true);
  EXPECT_TRUE(w.Suspended());
  EXPECT_THROW(w.WaitFor(), EThread);  // never started: waiting would never end
  EXPECT_EQ(w.Priority(), tpNormal);
  w.SetPriority(tpHigher);
  EXPECT_EQ(w.Priority(), tpHigher);
  w.Start();
  wake.WaitForWake();  // the worker queued its request and now waits for us
  EXPECT_EQ(w.reports.load(), 0);
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(w.reports.load(), 1);
  EXPECT_TRUE(w.ranOnMain.load());
  EXPECT_EQ(w.WaitFor(), 42);
  EXPECT_FALSE(w.executedOnMain.load());
  EXPECT_TRUE(w.Finished());
  EXPECT_FALSE(CheckSynchronize());  // nothing left
}

TEST(Thread, ExceptionsOfSynchronizedMethodsReachTheWorker) {
  TWakeSignal wake;
  TWorker w(true);
  w.failInSync = true;
  w.Start();
  // WaitFor on the main thread serves both requests itself.
  EXPECT_EQ(w.WaitFor(), 42);
  EXPECT_TRUE(w.sawError.load());
  EXPECT_EQ(w.reports.load(), 1);
  EXPECT_EQ(w.FatalException(), nullptr);
}

TEST(Thread, SynchronizeOnTheMainThreadRunsDirectly) {
  int calls = 0;
  TThread::Synchronize([&] { ++calls; });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(IsMainThread());
  EXPECT_EQ(GetCurrentThreadID(), MainThreadID());
}

TEST(Thread, CreatedRunningStartsWhenTheQueueIsDrainedAndTerminates) {
  TWakeSignal wake;
  TWorker w(false);
  w.loopUntilTerminated = true;
  EXPECT_TRUE(w.Suspended());  // not yet: the object was still being built
  wake.WaitForWake();          // the pending start woke the main thread
  CheckSynchronize();          // takes the pending start
  EXPECT_FALSE(w.Suspended());
  wake.WaitForWake();          // the worker's request
  EXPECT_TRUE(CheckSynchronize());
  w.Terminate();
  EXPECT_TRUE(w.Terminated());
  EXPECT_EQ(w.WaitFor(), 42);
}

namespace {

class TFailing : public TThread {
 public:
  TFailing() : TThread(true) {}
  void Done(TObject* sender) {
    terminatedOnMain = IsMainThread();
    sender_ = sender;
  }
  bool terminatedOnMain = false;
  TObject* sender_ = nullptr;

 protected:
  void Execute() override { throw EConvertError("boom"); }
};

}  // namespace

TEST(Thread, FatalExceptionAndOnTerminate) {
  TFailing t;
  t.SetOnTerminate(TNotifyEvent(&t, &TFailing::Done));
  t.Start();
  t.WaitFor();
  ASSERT_NE(t.FatalException(), nullptr);
  EXPECT_THROW(std::rethrow_exception(t.FatalException()), EConvertError);
  EXPECT_TRUE(t.terminatedOnMain);
  EXPECT_EQ(t.sender_, &t);
}

namespace {

class TSelfFreeing : public TThread {
 public:
  explicit TSelfFreeing(std::promise<void>* destroyed) : TThread(true), destroyed_(destroyed) {
    SetFreeOnTerminate(true);
  }
  ~TSelfFreeing() override { destroyed_->set_value(); }

 protected:
  void Execute() override { Synchronize([] {}); }

 private:
  std::promise<void>* destroyed_;
};

}  // namespace

TEST(Thread, FreeOnTerminateDeletesTheThread) {
  TWakeSignal wake;
  std::promise<void> destroyed;
  std::future<void> done = destroyed.get_future();
  auto* t = new TSelfFreeing(&destroyed);
  t->Start();
  wake.WaitForWake();
  EXPECT_TRUE(CheckSynchronize());
  // The thread deletes itself after its last request.
  done.get();
  SUCCEED();
}

namespace {

class TSelfWaiter : public TThread {
 public:
  TSelfWaiter() : TThread(true) {}
  bool refused = false;

 protected:
  void Execute() override {
    try {
      WaitFor();
    } catch (const EThread&) {
      refused = true;
    }
  }
};

}  // namespace

TEST(Thread, AThreadCannotWaitForItself) {
  TSelfWaiter t;
  t.Start();
  t.WaitFor();
  EXPECT_TRUE(t.refused);
}
