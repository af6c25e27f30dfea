#include "platform/classes/Thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

#include "tests/support/WakeSignal.h"

using namespace vcl;

namespace {

using testsupport::TWakeSignal;

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
    if (onReport) onReport();
  }
  void Fail() { throw EConvertError("bad value"); }
  std::atomic<bool> ranOnMain{false};
  std::atomic<int> reports{0};
  std::atomic<bool> executedOnMain{true};
  std::atomic<bool> sawError{false};
  bool failInSync = false;
  bool loopUntilTerminated = false;
  std::function<void()> onReport;  // runs on the main thread inside Report

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

TEST(Thread, CancelSynchronizeWithdrawsTheWaitingCallAndRefusesLaterOnes) {
  TWakeSignal wake;
  TWorker w(true);
  w.failInSync = true;  // a second call after the first
  w.Start();
  wake.WaitForWake();  // the first call waits for the main thread
  w.CancelSynchronize();
  // Neither call runs; the thread ends without the main thread serving anything.
  EXPECT_EQ(w.WaitFor(), 42);
  EXPECT_EQ(w.reports.load(), 0);
  EXPECT_FALSE(w.sawError.load());
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, ACallWithdrawnByAnEarlierCallOfTheSameRoundDoesNotRun) {
  TWakeSignal wake;
  TWorker first(true), second(true);
  first.Start();
  wake.WaitForWake();
  second.Start();
  wake.WaitForWake();  // both calls are queued
  first.onReport = [&second] { second.CancelSynchronize(); };
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_EQ(first.reports.load(), 1);
  EXPECT_EQ(second.reports.load(), 0);
  EXPECT_EQ(first.WaitFor(), 42);
  EXPECT_EQ(second.WaitFor(), 42);
}

TEST(Thread, ASyncChannelClosedOnTheMainThreadRunsNothing) {
  TSyncChannel channel;
  int calls = 0;
  EXPECT_TRUE(channel.Synchronize([&] { ++calls; }));  // on the main thread: at once
  EXPECT_EQ(calls, 1);
  channel.Close();
  EXPECT_TRUE(channel.Closed());
  EXPECT_FALSE(channel.Synchronize([&] { ++calls; }));
  EXPECT_EQ(calls, 1);
}

TEST(Thread, ASyncChannelClosedWhileItsWorkerWaitsLetsTheWorkerGo) {
  TWakeSignal wake;
  TSyncChannel channel;
  std::atomic<int> calls{0};
  std::promise<bool> result;
  std::thread worker([&] { result.set_value(channel.Synchronize([&] { ++calls; })); });
  wake.WaitForWake();
  channel.Close();
  EXPECT_FALSE(result.get_future().get());
  worker.join();
  EXPECT_EQ(calls.load(), 0);
  EXPECT_FALSE(CheckSynchronize());
}

TEST(Thread, ALiveThreadIsCountedFromItsStartUntilItsFunctionReturned) {
  TWakeSignal wake;
  const int before = LiveThreadCount();
  {
    TWorker w(true);
    EXPECT_EQ(LiveThreadCount(), before);  // suspended: no thread yet
    w.Start();
    EXPECT_EQ(LiveThreadCount(), before + 1);
    wake.WaitForWake();  // it waits for the main thread, and lives
    EXPECT_EQ(LiveThreadCount(), before + 1);
    EXPECT_FALSE(WaitForLiveThreads(before, 0));
    EXPECT_TRUE(CheckSynchronize());
    EXPECT_EQ(w.WaitFor(), 42);
  }
  EXPECT_TRUE(WaitForLiveThreads(before, 60000));
  EXPECT_EQ(LiveThreadCount(), before);
}

TEST(Thread, AThreadThatFreesItselfIsCountedUntilFreed) {
  TWakeSignal wake;
  const int before = LiveThreadCount();
  std::promise<void> destroyed;
  auto* t = new TSelfFreeing(&destroyed);
  t->Start();
  wake.WaitForWake();
  EXPECT_EQ(LiveThreadCount(), before + 1);
  EXPECT_TRUE(CheckSynchronize());
  EXPECT_TRUE(WaitForLiveThreads(before, 60000));
  // Counted off only after its destructor ran.
  EXPECT_EQ(destroyed.get_future().wait_for(std::chrono::seconds(0)), std::future_status::ready);
}

TEST(Thread, AWorkerThreadIsCountedWhileItsProcedureRuns) {
  const int before = LiveThreadCount();
  std::promise<void> go;
  std::shared_future<void> goes = go.get_future().share();
  TWorkerThread a = StartWorkerThread([goes] { goes.wait(); });
  TWorkerThread b = StartWorkerThread([goes] { goes.wait(); });
  EXPECT_EQ(LiveThreadCount(), before + 2);
  EXPECT_FALSE(WaitForLiveThreads(before + 1, 0));
  go.set_value();
  a.join();
  b.join();
  // A joined worker's procedure has returned: it is counted off already.
  EXPECT_EQ(LiveThreadCount(), before);
  EXPECT_TRUE(WaitForLiveThreads(before, 0));
}

// A worker joined on the main thread while it waits for the main thread has its own call
// served, and ends; another thread's call waits for the main thread's next round.
TEST(Thread, JoiningAWorkerOnTheMainThreadServesItsCallsOnly) {
  TWakeSignal wake;
  std::atomic<int> workerCalls{0}, otherCalls{0};
  std::thread other([&otherCalls] { TThread::Synchronize([&otherCalls] { ++otherCalls; }); });
  wake.WaitForWake();
  TWorkerThread worker = StartWorkerThread([&workerCalls] {
    for (int i = 0; i < 2; ++i) TThread::Synchronize([&workerCalls] { ++workerCalls; });
  });
  wake.WaitForWake();  // its first call waits
  worker.join();
  EXPECT_EQ(workerCalls.load(), 2);
  EXPECT_EQ(otherCalls.load(), 0);
  EXPECT_TRUE(CheckSynchronize());
  other.join();
  EXPECT_EQ(otherCalls.load(), 1);
}

// Joined elsewhere, a worker is only waited for: it must not need the main thread.
TEST(Thread, JoiningAWorkerElsewhereOnlyWaitsForIt) {
  std::atomic<bool> ran{false};
  std::thread joiner([&ran] {
    TWorkerThread worker = StartWorkerThread([&ran] { ran = true; });
    worker.join();
  });
  joiner.join();
  EXPECT_TRUE(ran.load());
}

// Joined inside a call of its own that the main thread runs, a worker cannot end before the
// call returns: it is let go, and ends once the call returned.
TEST(Thread, JoiningAWorkerInsideItsOwnCallLetsItGo) {
  TWakeSignal wake;
  const int before = LiveThreadCount();
  TWorkerThread worker;
  std::atomic<bool> after{false};
  worker = StartWorkerThread([&worker, &after] {
    TThread::Synchronize([&worker] { worker.join(); });
    after = true;
  });
  wake.WaitForWake();
  EXPECT_TRUE(CheckSynchronize());  // returns: the join did not wait for the worker
  EXPECT_FALSE(worker.joinable());
  EXPECT_TRUE(WaitForLiveThreads(before, 60000));
  EXPECT_TRUE(after.load());
}
