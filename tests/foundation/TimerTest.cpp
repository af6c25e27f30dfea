#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "foundation/ZYLTimer.h"
#include "platform/base/Clock.h"
#include "platform/classes/Thread.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/WakeSignal.h"

using namespace zyl;
namespace tk = win::testkit;

namespace {

struct Recorder : vcl::TObject {
  std::vector<uint64_t> times;
  std::vector<vcl::TObject*> senders;
  void Hit(vcl::TObject* Sender) {
    times.push_back(win::CurrentClock().Milliseconds());
    senders.push_back(Sender);
  }
  vcl::TNotifyEvent Event() { return vcl::TNotifyEvent(this, &Recorder::Hit); }
};

class TimerTest : public ::testing::Test {
 protected:
  void TearDown() override { ZYLTimerPoolDone(); }
  tk::TSession session_;
};

bool TimerClassRegistered() {
  win::WNDCLASSA wc;
  return win::GetClassInfoA(nullptr, "TZYLTimerWindow", &wc) != 0;
}

}  // namespace

// The timer windows' class holds a procedure of this unit: finalizing the unit takes it out
// of the window system, so that nothing there is left to call code that was unloaded; a timer
// made after the unit started again registers it anew and ticks.
TEST_F(TimerTest, FinalizingTheUnitUnregistersTheTimerWindowClass) {
  {
    Recorder r;
    TZYLTimer t(100, r.Event(), true, true);
  }
  ZYLTimerPoolDone();
  ASSERT_TRUE(TimerClassRegistered());
  ZYLTimerUnit.FInit();
  EXPECT_FALSE(TimerClassRegistered());
  ZYLTimerUnit.Init();
  Recorder a;
  TZYLTimer t(100, a.Event(), true, true);
  EXPECT_TRUE(TimerClassRegistered());
  tk::AdvanceClock(200);
  EXPECT_EQ(a.times.size(), 2u);
}

TEST_F(TimerTest, PoolFiresItemsEveryIntervalDiv50Ticks) {
  Recorder a, b, c;
  const uint64_t t0 = win::CurrentClock().Milliseconds();
  TZYLTimer ta(100, a.Event(), true, true);   // every 2 base ticks
  TZYLTimer tb(175, b.Event(), true, true);   // every 3 base ticks
  TZYLTimer tc(20, c.Event(), true, true);    // below the base: every tick
  EXPECT_EQ(ZYLTimerPool()->ItemCount(), 3);
  EXPECT_TRUE(ZYLTimerPool()->Running());
  tk::AdvanceClock(600);
  EXPECT_EQ(a.times.size(), 6u);
  EXPECT_EQ(b.times.size(), 4u);
  EXPECT_EQ(c.times.size(), 12u);
  ASSERT_FALSE(a.times.empty());
  EXPECT_EQ(a.times[0] - t0, 100u);
  EXPECT_EQ(b.times[0] - t0, 150u);
  EXPECT_EQ(a.senders[0], &ta);
  // Disabled items stop firing; with none enabled the system timer stops.
  ta.SetEnabled(false);
  tb.SetEnabled(false);
  tc.SetEnabled(false);
  EXPECT_FALSE(ZYLTimerPool()->Running());
  tk::AdvanceClock(500);
  EXPECT_EQ(a.times.size(), 6u);
  EXPECT_EQ(c.times.size(), 12u);
}

TEST_F(TimerTest, TimerMovesBetweenPoolAndOwnTimer) {
  Recorder r;
  TZYLTimer t(70, r.Event(), true, false);  // own timer: exactly 70 ms
  EXPECT_EQ(ZYLTimerPool()->ItemCount(), 0);
  const uint64_t t0 = win::CurrentClock().Milliseconds();
  tk::AdvanceClock(210);
  ASSERT_EQ(r.times.size(), 3u);
  EXPECT_EQ(r.times[0] - t0, 70u);
  t.SetGlobal(true);  // on the pool: 70 div 50 = every 50 ms
  EXPECT_EQ(ZYLTimerPool()->ItemCount(), 1);
  EXPECT_EQ(t.PoolTicks(), 1);
  tk::AdvanceClock(200);
  EXPECT_EQ(r.times.size(), 7u);
  t.SetGlobal(false);
  EXPECT_EQ(ZYLTimerPool()->ItemCount(), 0);
  t.SetInterval(0);  // clamped to 1
  EXPECT_EQ(t.Interval(), 1);
  t.SetInterval(100000);
  EXPECT_EQ(t.Interval(), 65535);
}

TEST_F(TimerTest, DeletingATimerInsideItsHandlerIsSafe) {
  struct SelfDeleter : vcl::TObject {
    TZYLTimer* timer = nullptr;
    int hits = 0;
    void Hit(vcl::TObject*) {
      ++hits;
      delete timer;
      timer = nullptr;
    }
  } d;
  Recorder other;
  d.timer = new TZYLTimer(50, vcl::TNotifyEvent(&d, &SelfDeleter::Hit), true, true);
  TZYLTimer keep(50, other.Event(), true, true);
  tk::AdvanceClock(150);
  EXPECT_EQ(d.hits, 1);
  EXPECT_EQ(other.times.size(), 3u);
  EXPECT_EQ(ZYLTimerPool()->ItemCount(), 1);
}

TEST_F(TimerTest, HiTimerWindowMode) {
  Recorder r;
  TZYLHiTimer t(nullptr);
  t.SetOnTimer(r.Event());
  t.SetUseThread(false);
  t.SetEnabled(true);
  t.SetInterval(20);
  tk::AdvanceClock(100);
  EXPECT_EQ(r.times.size(), 5u);
  t.SetEnabled(false);
  tk::AdvanceClock(100);
  EXPECT_EQ(r.times.size(), 5u);
}

TEST_F(TimerTest, HiTimerThreadHandsTicksToTheMainThread) {
  testsupport::TWakeSignal wake;
  Recorder r;
  TZYLHiTimer t(nullptr);
  t.SetOnTimer(r.Event());
  t.SetInterval(10);
  t.SetEnabled(true);
  // Nothing runs before the clock moves and the main thread drains its queue.
  vcl::CheckSynchronize(0);
  EXPECT_TRUE(r.times.empty());
  session_.Clock().Advance(10);
  // The worker queues the tick and waits; the main thread runs it.
  wake.WaitForWake();
  EXPECT_EQ(t.PendingTicks(), 1);
  EXPECT_TRUE(vcl::CheckSynchronize(0));
  ASSERT_EQ(r.times.size(), 1u);
  EXPECT_EQ(r.senders[0], &t);
  session_.Clock().Advance(10);
  wake.WaitForWake();
  EXPECT_TRUE(vcl::CheckSynchronize(0));
  EXPECT_EQ(r.times.size(), 2u);
  t.SetUseThread(false);  // stops the worker cleanly
  EXPECT_EQ(t.PendingTicks(), 0);
}

TEST_F(TimerTest, HiTimerWithoutSynchronizeTicksInTheWorker) {
  struct Worker : vcl::TObject {
    std::atomic<int> hits{0};
    std::atomic<bool> onMain{false};
    const std::thread::id main = std::this_thread::get_id();
    std::promise<void> first;
    void Hit(vcl::TObject*) {
      if (std::this_thread::get_id() == main) onMain = true;
      if (++hits == 1) first.set_value();
    }
  } w;
  std::future<void> firstHit = w.first.get_future();
  TZYLHiTimer t(nullptr);
  t.SetSynchronize(false);
  t.SetOnTimer(vcl::TNotifyEvent(&w, &Worker::Hit));
  t.SetInterval(10);
  t.SetEnabled(true);
  session_.Clock().Advance(10);
  firstHit.wait();  // the worker's own tick, without the main thread
  t.SetEnabled(false);
  EXPECT_GE(w.hits.load(), 1);
  EXPECT_FALSE(w.onMain);
  EXPECT_EQ(t.PendingTicks(), 0);  // nothing was queued to the main thread
}

namespace {

// Counts the ticks of two handlers that a worker calls; the main thread waits on it.
struct TTwoHandlers : vcl::TObject {
  void HitFirst(vcl::TObject*) { Count(0); }
  void HitSecond(vcl::TObject*) { Count(1); }
  void Count(int i) {
    {
      std::lock_guard<std::mutex> lock(mutex);
      ++hits[i];
    }
    changed.notify_all();
  }
  // Waits until the two handlers together have had Total ticks, the second at least Second.
  void WaitFor(int Total, int Second) {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return hits[0] + hits[1] >= Total && hits[1] >= Second; });
  }
  std::mutex mutex;
  std::condition_variable changed;
  int hits[2] = {0, 0};
};

}  // namespace

// Without Synchronize the worker calls the handler itself: a handler set while the worker takes
// a tick reaches it without a race, and the next tick goes to it.
TEST_F(TimerTest, HiTimerWithoutSynchronizeTakesAHandlerSetWhileItTicks) {
  TTwoHandlers h;
  TZYLHiTimer t(nullptr);
  t.SetSynchronize(false);
  t.SetOnTimer(vcl::TNotifyEvent(&h, &TTwoHandlers::HitFirst));
  t.SetInterval(10);
  t.SetEnabled(true);
  session_.Clock().Advance(10);
  t.SetOnTimer(vcl::TNotifyEvent(&h, &TTwoHandlers::HitSecond));  // the tick is under way
  h.WaitFor(1, 0);
  session_.Clock().Advance(10);
  h.WaitFor(2, 1);
  t.SetEnabled(false);
  std::lock_guard<std::mutex> lock(h.mutex);
  EXPECT_EQ(h.hits[0] + h.hits[1], 2);
  EXPECT_GE(h.hits[1], 1);
}

// Without Synchronize the handler runs in the worker; one that stops the timer there ends the
// worker once it returns, and no later tick comes.
TEST_F(TimerTest, HiTimerWithoutSynchronizeStoppedByItsHandlerInTheWorker) {
  struct Stopper : vcl::TObject {
    TZYLHiTimer* timer = nullptr;
    std::atomic<int> hits{0};
    std::promise<void> stopped;
    void Hit(vcl::TObject*) {
      if (++hits > 1) return;
      timer->SetEnabled(false);
      stopped.set_value();
    }
  } s;
  std::future<void> stopped = s.stopped.get_future();
  TZYLHiTimer t(nullptr);
  s.timer = &t;
  t.SetSynchronize(false);
  t.SetOnTimer(vcl::TNotifyEvent(&s, &Stopper::Hit));
  t.SetInterval(10);
  t.SetEnabled(true);
  session_.Clock().Advance(10);
  stopped.wait();
  EXPECT_FALSE(t.Enabled());
  session_.Clock().Advance(100);
  EXPECT_EQ(s.hits.load(), 1);
}

TEST_F(TimerTest, ModeTimerHoldsTheTimerOfItsModeAndStartsItOnlyWhenEnabled) {
  Recorder r;
  TZYLModeTimer m;
  m.Enable(true, 20, vcl::tpNormal);  // nothing to start yet
  m.Create(tmGlobalTimer, 100, r.Event());
  ASSERT_NE(m.Timer(), nullptr);
  EXPECT_EQ(m.HiTimer(), nullptr);
  EXPECT_TRUE(m.Timer()->Global());
  EXPECT_FALSE(m.Timer()->Enabled());
  m.Enable(true, 200, vcl::tpNormal);
  EXPECT_EQ(m.Timer()->Interval(), 200);
  tk::AdvanceClock(400);
  EXPECT_EQ(r.times.size(), 2u);
  m.Create(tmThreaded, 30, r.Event());  // the pool timer goes, a threaded one comes
  EXPECT_EQ(m.Timer(), nullptr);
  ASSERT_NE(m.HiTimer(), nullptr);
  EXPECT_TRUE(m.HiTimer()->UseThread());
  EXPECT_FALSE(m.HiTimer()->Enabled());
  m.Create(tmHiTimer, 30, r.Event());
  ASSERT_NE(m.HiTimer(), nullptr);
  EXPECT_FALSE(m.HiTimer()->UseThread());
  m.Enable(true, 20, vcl::tpHigher);
  EXPECT_EQ(m.HiTimer()->Interval(), 20);
  EXPECT_EQ(m.HiTimer()->ThreadPriority(), vcl::tpHigher);
  tk::AdvanceClock(100);
  EXPECT_EQ(r.times.size(), 7u);
  m.Enable(false, 20, vcl::tpHigher);
  tk::AdvanceClock(100);
  EXPECT_EQ(r.times.size(), 7u);
  m.Free();
  EXPECT_EQ(m.HiTimer(), nullptr);
}

namespace {

// Stands for a form: it owns its threaded timers and handles their ticks; the ticks it got are
// counted outside it, so that a test can ask after it is gone.
struct TTickingOwner : vcl::TComponent {
  explicit TTickingOwner(int& Hits) : vcl::TComponent(nullptr), hits(Hits) {}
  TZYLHiTimer* AddTimer() {
    auto* t = new TZYLHiTimer(this);
    t->SetOnTimer(vcl::TNotifyEvent(this, &TTickingOwner::Hit));
    t->SetInterval(10);
    t->SetEnabled(true);
    return t;
  }
  void Hit(vcl::TObject* Sender) {
    ++hits;
    if (onHit) onHit(static_cast<TZYLHiTimer*>(Sender));
  }
  int& hits;
  std::function<void(TZYLHiTimer*)> onHit;
};

enum class TStopBy { Disabling, FreeingTheTimer, FreeingItsOwner };

struct TStopCase {
  const char* Name;
  TStopBy By;
};

class HiTimerStoppedFromItsOwnTick : public TimerTest,
                                     public ::testing::WithParamInterface<TStopCase> {};

}  // namespace

// The tick's handler stops the timer whose worker waits for that very tick: the worker lets go
// and no later tick comes.
TEST_P(HiTimerStoppedFromItsOwnTick, EndsTheWorkerWithoutWaitingForIt) {
  testsupport::TWakeSignal wake;
  int hits = 0;
  auto* owner = new TTickingOwner(hits);
  TZYLHiTimer* timer = owner->AddTimer();
  const TStopBy by = GetParam().By;
  owner->onHit = [&owner, by](TZYLHiTimer* t) {
    if (by == TStopBy::Disabling) t->SetEnabled(false);
    if (by == TStopBy::FreeingTheTimer) delete t;
    if (by == TStopBy::FreeingItsOwner) delete std::exchange(owner, nullptr);
  };
  session_.Clock().Advance(10);
  wake.WaitForWake();
  EXPECT_TRUE(vcl::CheckSynchronize(0));
  EXPECT_EQ(hits, 1);
  if (by == TStopBy::Disabling) {
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->PendingTicks(), 0);
  }
  // The clock goes on; nothing is queued any more.
  session_.Clock().Advance(100);
  EXPECT_FALSE(vcl::CheckSynchronize(0));
  EXPECT_EQ(hits, 1);
  delete owner;
}

INSTANTIATE_TEST_SUITE_P(Cases, HiTimerStoppedFromItsOwnTick,
                         ::testing::Values(TStopCase{"Disabling", TStopBy::Disabling},
                                           TStopCase{"FreeingTheTimer", TStopBy::FreeingTheTimer},
                                           TStopCase{"FreeingItsOwner", TStopBy::FreeingItsOwner}),
                         [](const auto& info) { return std::string(info.param.Name); });

// The owner goes while the ticks of both its timers wait: freeing one timer serves none of the
// queued calls, so no tick reaches the half-freed owner.
TEST_F(TimerTest, AnOwnerFreedWhileItsTicksWaitHearsNoTick) {
  testsupport::TWakeSignal wake;
  int hits = 0;
  auto* owner = new TTickingOwner(hits);
  owner->AddTimer();
  owner->AddTimer();
  session_.Clock().Advance(10);
  wake.WaitForWake(2);
  delete owner;
  EXPECT_EQ(hits, 0);
  EXPECT_FALSE(vcl::CheckSynchronize(0));
  EXPECT_EQ(hits, 0);
}

// Both ticks are queued; the first one frees the other timer, whose tick then never comes.
TEST_F(TimerTest, ATickFreeingAnotherTimerWithdrawsItsQueuedTick) {
  testsupport::TWakeSignal wake;
  int hits = 0;
  TTickingOwner owner(hits);
  TZYLHiTimer* timers[2] = {owner.AddTimer(), owner.AddTimer()};
  owner.onHit = [&timers](TZYLHiTimer* t) {
    TZYLHiTimer*& other = timers[t == timers[0] ? 1 : 0];
    delete std::exchange(other, nullptr);
  };
  session_.Clock().Advance(10);
  wake.WaitForWake(2);
  EXPECT_TRUE(vcl::CheckSynchronize(0));
  EXPECT_EQ(hits, 1);
  EXPECT_EQ(owner.ComponentCount(), 1);
}

// The user's path: a form's threaded timer ticks while the application runs its message loop,
// with nothing else draining the main thread's queue.
TEST(HiTimerInAnApplication, TicksThroughTheMessageLoop) {
  vcl::testkit::TControlsSession screen(320, 240);
  testsupport::TWakeSignal wake;
  auto* form = new vcl::TForm(nullptr);
  auto* timer = new TZYLHiTimer(form);
  Recorder r;
  timer->SetOnTimer(r.Event());
  timer->SetInterval(10);
  timer->SetEnabled(true);
  for (int tick = 1; tick <= 3; ++tick) {
    screen.Clock().Advance(10);
    wake.WaitForWake();
    vcl::Application->HandleMessage();
    EXPECT_EQ(r.times.size(), static_cast<size_t>(tick));
  }
  ASSERT_FALSE(r.senders.empty());
  EXPECT_EQ(r.senders[0], timer);
  delete form;
}

namespace {

// A handler without Synchronize that hands work of its own to the main thread, through a
// channel a watchdog can close.
struct THandsOver : vcl::TObject {
  vcl::TSyncChannel channel;
  std::atomic<int> ran{0};
  void Hit(vcl::TObject*) {
    channel.Synchronize([this] { ++ran; });
  }
};

// Closes the channel unless the main thread got through within the bound: a main thread that
// waits for a worker which waits for it would otherwise hang the test.
class TWatchdog {
 public:
  explicit TWatchdog(vcl::TSyncChannel& channel)
      : thread_([this, &channel] {
          std::unique_lock<std::mutex> lock(mutex_);
          if (cv_.wait_for(lock, std::chrono::seconds(30), [this] { return done_; })) return;
          fired_ = true;
          lock.unlock();
          channel.Close();
        }) {}
  // The main thread got through; answers whether the watchdog had to let it.
  bool Fired() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    cv_.notify_all();
    thread_.join();
    return fired_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool done_ = false;
  bool fired_ = false;
  std::thread thread_;
};

struct THandOverCase {
  const char* Name;
  std::function<void(TZYLHiTimer*&)> Go;
};

// What the main thread does to a timer whose worker waits for it.
const std::vector<THandOverCase>& HandOverCases() {
  static const std::vector<THandOverCase> cases = {
      {"stopped", [](TZYLHiTimer*& t) { t->SetEnabled(false); }},
      {"restarted with another interval", [](TZYLHiTimer*& t) { t->SetInterval(20); }},
      {"freed", [](TZYLHiTimer*& t) { delete std::exchange(t, nullptr); }},
  };
  return cases;
}

}  // namespace

// Stopping, restarting or freeing the timer on the main thread waits for its worker; while a
// call its handler made waits for the main thread, that call is served, so the worker ends.
TEST_F(TimerTest, HiTimerWithoutSynchronizeEndsWhileItsHandlersCallWaitsForTheMainThread) {
  for (const THandOverCase& c : HandOverCases()) {
    SCOPED_TRACE(c.Name);
    const int before = vcl::LiveThreadCount();
    THandsOver h;
    testsupport::TWakeSignal wake;
    auto* t = new TZYLHiTimer(nullptr);
    t->SetSynchronize(false);
    t->SetOnTimer(vcl::TNotifyEvent(&h, &THandsOver::Hit));
    t->SetInterval(10);
    t->SetEnabled(true);
    session_.Clock().Advance(10);
    ASSERT_TRUE(wake.WaitForWakeWithin(30000));  // the handler's call waits
    TWatchdog dog(h.channel);
    c.Go(t);
    EXPECT_FALSE(dog.Fired());
    EXPECT_EQ(h.ran.load(), 1);
    delete t;
    EXPECT_TRUE(vcl::WaitForLiveThreads(before, 30000));
  }
}

namespace {

// A handler without Synchronize whose call to the main thread does what the case says to the
// timer there.
struct TActsInItsCall : vcl::TObject {
  TZYLHiTimer* timer = nullptr;
  std::function<void(TZYLHiTimer*&)> act;
  std::atomic<int> ran{0};
  void Hit(vcl::TObject*) {
    vcl::TThread::Synchronize([this] {
      if (++ran == 1) act(timer);
    });
  }
};

}  // namespace

// The call a handler without Synchronize hands to the main thread may stop, restart or free the
// timer: the main thread does not wait there for the worker, which waits for that very call; the
// worker ends on its own once the call returns.
TEST_F(TimerTest, HiTimerWithoutSynchronizeStoppedFromTheCallItsHandlerHandsOver) {
  for (const THandOverCase& c : HandOverCases()) {
    SCOPED_TRACE(c.Name);
    const int before = vcl::LiveThreadCount();
    TActsInItsCall h;
    h.act = c.Go;
    testsupport::TWakeSignal wake;
    h.timer = new TZYLHiTimer(nullptr);
    h.timer->SetSynchronize(false);
    h.timer->SetOnTimer(vcl::TNotifyEvent(&h, &TActsInItsCall::Hit));
    h.timer->SetInterval(10);
    h.timer->SetEnabled(true);
    session_.Clock().Advance(10);
    ASSERT_TRUE(wake.WaitForWakeWithin(30000));  // the handler's call waits
    EXPECT_TRUE(vcl::CheckSynchronize(0));
    EXPECT_EQ(h.ran.load(), 1);
    if (h.timer) h.timer->SetEnabled(false);
    delete h.timer;
    EXPECT_TRUE(vcl::WaitForLiveThreads(before, 30000));
  }
}
