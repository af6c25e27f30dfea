#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "foundation/ZYLTimer.h"
#include "platform/base/Clock.h"
#include "platform/classes/Thread.h"
#include "platform/testkit/TestKit.h"

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

}  // namespace

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
  Recorder r;
  TZYLHiTimer t(nullptr);
  t.SetOnTimer(r.Event());
  t.SetInterval(10);
  t.SetEnabled(true);
  // Nothing runs before the clock moves and the main thread drains its queue.
  vcl::CheckSynchronize(0);
  EXPECT_TRUE(r.times.empty());
  session_.Clock().Advance(10);
  // The worker queues the tick; the main thread runs it (waiting for the worker's hand-over,
  // bounded).
  for (int i = 0; i < 2000 && r.times.empty(); ++i) vcl::CheckSynchronize(5);
  ASSERT_EQ(r.times.size(), 1u);
  EXPECT_EQ(r.senders[0], &t);
  session_.Clock().Advance(10);
  for (int i = 0; i < 2000 && r.times.size() < 2; ++i) vcl::CheckSynchronize(5);
  EXPECT_EQ(r.times.size(), 2u);
  t.SetUseThread(false);  // stops the worker cleanly
  EXPECT_EQ(t.PendingTicks(), 0);
}

TEST_F(TimerTest, HiTimerWithoutSynchronizeTicksInTheWorker) {
  struct Worker : vcl::TObject {
    std::atomic<int> hits{0};
    std::atomic<bool> onMain{false};
    std::thread::id main = std::this_thread::get_id();
    void Hit(vcl::TObject*) {
      if (std::this_thread::get_id() == main) onMain = true;
      ++hits;
    }
  } w;
  TZYLHiTimer t(nullptr);
  t.SetSynchronize(false);
  t.SetOnTimer(vcl::TNotifyEvent(&w, &Worker::Hit));
  t.SetInterval(10);
  t.SetEnabled(true);
  session_.Clock().Advance(10);
  for (int i = 0; i < 2000 && w.hits == 0; ++i) vcl::CheckSynchronize(5);
  t.SetEnabled(false);
  EXPECT_GE(w.hits.load(), 1);
  EXPECT_FALSE(w.onMain);
  EXPECT_EQ(t.PendingTicks(), 0);  // nothing was queued to the main thread
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
