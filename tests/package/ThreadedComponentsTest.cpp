// The components that run threads, started, stopped, restarted and freed at every point a user
// can reach: while the thread runs, while its call to the main thread waits, from inside the
// event its thread brings, and with its form released, round after round. Nothing raises, no
// event reaches a freed component or comes after a stop, no thread is left running (the
// platform counts the live ones), and nothing hangs: every wait for a worker is bounded, and
// time is the session's virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "display/ZYLAniCtrl.h"
#include "display/ZYLScrollText.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Thread.h"
#include "platform/classes/TypeInfo.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLFileGrep.h"
#include "system/ZYLTrayIcon.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/WakeSignal.h"

namespace {

using packagetest::TInputStage;
using packagetest::TMade;

// How often each act is played, each time on a new form.
constexpr int kRounds = 5;
// The interval the timed components run at, in virtual milliseconds.
constexpr int kInterval = 10;
// The bound of every wait for a worker: far beyond what a worker takes, unless it hangs.
constexpr int kBoundMs = 30000;

// One class that runs a thread, made to run it as a user's code does.
struct TThreaded {
  const char* Name;
  const char* Class;
  // Sets what the thread needs (the folder is one with files to find).
  std::function<void(vcl::TComponent*, const std::string& folder)> Prepare;
  std::function<void(vcl::TComponent*)> Start;
  std::function<void(vcl::TComponent*)> Stop;
  // The event the thread's work raises ("": none).
  const char* Event;
  // The thread hands its work to the main thread (else it raises the event itself).
  bool HandsOver;
  // How far the clock moves for the thread's next call (0: it calls as soon as it starts).
  int Interval;
  // The handler, called in the worker, hands its work to the main thread (Synchronize).
  bool HandlerHandsOver = false;
};

template <class T>
T& As(vcl::TComponent* c) {
  return *static_cast<T*>(c);
}

const std::vector<TThreaded>& Threaded() {
  using zyl::TZYLAniCtrl, zyl::TZYLFileGrep, zyl::TZYLHiTimer, zyl::TZYLScrollText,
      zyl::TZYLTrayIcon;
  static const auto hiTimer = [](bool handsOver) {
    return [handsOver](vcl::TComponent* c, const std::string&) {
      As<TZYLHiTimer>(c).SetInterval(kInterval);
      As<TZYLHiTimer>(c).SetUseThread(true);
      As<TZYLHiTimer>(c).SetSynchronize(handsOver);
    };
  };
  static const std::vector<TThreaded> rows = {
      {"HiTimer", "TZYLHiTimer", hiTimer(true),
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(true); },
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(false); }, "OnTimer", true,
       kInterval},
      {"HiTimerTickingInItsWorker", "TZYLHiTimer", hiTimer(false),
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(true); },
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(false); }, "OnTimer", false,
       kInterval},
      {"HiTimerWhoseWorkerHandsOver", "TZYLHiTimer", hiTimer(false),
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(true); },
       [](vcl::TComponent* c) { As<TZYLHiTimer>(c).SetEnabled(false); }, "OnTimer", true, kInterval,
       true},
      {"AniCtrl", "TZYLAniCtrl",
       [](vcl::TComponent* c, const std::string&) {
         auto& a = As<TZYLAniCtrl>(c);
         a.SetImageList(packagetest::FourFrames(c->Owner()));
         a.SetTimerMode(zyl::tmThreaded);
         a.SetInterval(kInterval);
       },
       [](vcl::TComponent* c) { As<TZYLAniCtrl>(c).Play(); },
       [](vcl::TComponent* c) { As<TZYLAniCtrl>(c).Stop(); }, "OnAnimate", true, kInterval},
      {"ScrollText", "TZYLScrollText",
       [](vcl::TComponent* c, const std::string&) {
         auto& s = As<TZYLScrollText>(c);
         s.Lines()->SetText("Threads at work");
         s.SetTimerMode(zyl::tmThreaded);
         s.SetInterval(kInterval);
       },
       [](vcl::TComponent* c) { As<TZYLScrollText>(c).SetBool(TZYLScrollText::bpScroll, true); },
       [](vcl::TComponent* c) { As<TZYLScrollText>(c).SetBool(TZYLScrollText::bpScroll, false); },
       "OnScroll", true, kInterval},
      {"TrayIconAnimation", "TZYLTrayIcon",
       [](vcl::TComponent* c, const std::string&) {
         auto& t = As<TZYLTrayIcon>(c);
         t.SetImageList(packagetest::FourFrames(c->Owner()));
         t.SetTimerMode(zyl::tmThreaded);
         t.SetInterval(kInterval);
       },
       [](vcl::TComponent* c) { As<TZYLTrayIcon>(c).SetAnimated(true); },
       [](vcl::TComponent* c) { As<TZYLTrayIcon>(c).SetAnimated(false); }, "", true, kInterval},
      {"FileGrep", "TZYLFileGrep",
       [](vcl::TComponent* c, const std::string& folder) {
         As<TZYLFileGrep>(c).SetDirs(folder);
         As<TZYLFileGrep>(c).SetThreadedSearch(true);
       },
       [](vcl::TComponent* c) { As<TZYLFileGrep>(c).Grep(); },
       [](vcl::TComponent* c) { As<TZYLFileGrep>(c).Cancel(); }, "OnFound", true, 0},
  };
  return rows;
}

// Watches a component being freed; a worker may read the flag.
class TGone : public vcl::TComponent {
 public:
  explicit TGone(vcl::TComponent* watched) : vcl::TComponent(nullptr) {
    watched->FreeNotification(this);
  }
  void Notification(vcl::TComponent* c, vcl::TOperation op) override {
    vcl::TComponent::Notification(c, op);
    if (op == vcl::opRemove) Freed = true;
  }
  std::atomic<bool> Freed{false};
};

// The events of one run, which may come in a worker: counted, late ones (after the component
// was freed, or after it was stopped) apart, and the act the test gave the next one done.
class TEvents {
 public:
  explicit TEvents(const TGone& gone) : gone_(gone) {}
  void Heard() {
    std::function<void()> act;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (gone_.Freed) ++late_;
      if (stopped_) ++afterStop_;
      act = std::exchange(next_, nullptr);
    }
    if (act) act();
    std::lock_guard<std::mutex> lock(mutex_);
    ++count_;
    changed_.notify_all();
  }
  // What the next event does (free, stop or release, say).
  void Next(std::function<void()> act) {
    std::lock_guard<std::mutex> lock(mutex_);
    next_ = std::move(act);
  }
  // From now on an event comes after a stop (or, false, no longer).
  void Stopped(bool value) {
    std::lock_guard<std::mutex> lock(mutex_);
    stopped_ = value;
  }
  int Count() {
    std::lock_guard<std::mutex> lock(mutex_);
    return count_;
  }
  int Late() {
    std::lock_guard<std::mutex> lock(mutex_);
    return late_;
  }
  int AfterStop() {
    std::lock_guard<std::mutex> lock(mutex_);
    return afterStop_;
  }
  // Waits until `count` events have come (and done their act); false when they did not.
  bool WaitForCount(int count) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(kBoundMs),
                             [&] { return count_ >= count; });
  }

 private:
  const TGone& gone_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::function<void()> next_;
  bool stopped_ = false;
  int count_ = 0, late_ = 0, afterStop_ = 0;
};

// Runs the main thread's messages and the calls workers queued for it until neither is left.
void Pump() {
  for (int i = 0; i < 1000; ++i) {
    win::testkit::RunUntilIdle();
    if (!vcl::CheckSynchronize(0)) return;
  }
  ADD_FAILURE() << "the workers' calls to the main thread never end";
}

// One component of a threaded class on a shown form, its events heard.
class TRig {
 public:
  TRig(const TThreaded& row, vcl::TClass cls, TMade made, win::TVirtualClock& clock,
       packagetest::THandlers& handlers, const std::string& folder)
      : Row(row),
        clock_(clock),
        threads_(vcl::LiveThreadCount()),
        stage_(cls, made),
        gone_(std::make_unique<TGone>(stage_.Component())),
        events_(*gone_) {
    Row.Prepare(C(), folder);
    if (*Row.Event) {
      const vcl::TPropInfo* event = vcl::GetPropInfo(C(), Row.Event);
      const vcl::TMethod* m =
          event ? handlers.For(event->PropType->Signature, [this](vcl::TObject*) { Heard(); })
                : nullptr;
      EXPECT_NE(m, nullptr) << Row.Event;
      if (m) vcl::SetMethodProp(C(), event, *m);
    }
    win::testkit::RunUntilIdle();
  }
  ~TRig() {
    // Whatever the act left goes with the form; then no thread may be left, and no event came
    // to a freed component.
    if (!FormFreed()) delete Form();
    Pump();
    EXPECT_TRUE(vcl::WaitForLiveThreads(threads_, kBoundMs)) << vcl::LiveThreadCount();
    EXPECT_EQ(events_.Late(), 0);
  }
  TRig(const TRig&) = delete;
  TRig& operator=(const TRig&) = delete;

  vcl::TComponent* C() const { return stage_.Component(); }
  vcl::TCustomForm* Form() const { return stage_.Form(); }
  bool Freed() const { return gone_->Freed; }
  bool FormFreed() const { return stage_.FormGone().Freed; }
  TEvents& Events() { return events_; }
  testsupport::TWakeSignal& Wake() { return wake_; }

  // The component's event: its work done where the row says.
  void Heard() {
    if (Row.HandlerHandsOver)
      vcl::TThread::Synchronize([this] { events_.Heard(); });
    else
      events_.Heard();
  }
  void Start() { Row.Start(C()); }
  // Stops the component; an event after this comes after the stop.
  void Stop() {
    Row.Stop(C());
    events_.Stopped(true);
  }
  void Free() { delete C(); }
  // Moves the clock on until the thread's next call waits for the main thread (a worker that
  // raises its event itself: until the event has come); false when nothing came.
  bool Due() {
    const int heard = events_.Count();
    if (Row.Interval) clock_.Advance(static_cast<uint64_t>(Row.Interval));
    if (Row.HandsOver) return wake_.WaitForWakeWithin(kBoundMs);
    return events_.WaitForCount(heard + 1);
  }
  // The main thread runs the call that waits; answers whether one ran.
  bool Serve() { return vcl::CheckSynchronize(0); }
  // The clock moves on several intervals and the main thread serves what comes.
  void RunOn() {
    for (int i = 0; i < 4; ++i) {
      clock_.Advance(static_cast<uint64_t>(std::max(Row.Interval, kInterval)));
      Pump();
    }
  }
  // No thread of the component lives any more.
  bool NoThreadLeft() const { return vcl::WaitForLiveThreads(threads_, kBoundMs); }

  const TThreaded& Row;

 private:
  win::TVirtualClock& clock_;
  const int threads_;
  TInputStage stage_;
  testsupport::TWakeSignal wake_;
  std::unique_ptr<TGone> gone_;
  TEvents events_;
};

// What one act needs of a class.
enum TNeeds : unsigned {
  kNothing = 0,
  kWaitingCall = 1,  // the thread hands a call to the main thread
  kEvent = 2,        // the thread's work raises an event on the main thread
};

// Where, in the thread's life, the user stops, restarts, frees or releases.
struct TAct {
  const char* Name;
  unsigned Needs;
  std::function<void(TRig&)> Play;
};

// After a stop (with the main thread serving what comes) no event comes and no thread lives.
void ExpectStoppedForGood(TRig& r) {
  Pump();
  EXPECT_TRUE(r.NoThreadLeft());
  r.RunOn();
  EXPECT_EQ(r.Events().AfterStop(), 0);
  r.Events().Stopped(false);
}

// A run of the restarted component: its thread calls again and its work is done.
void ExpectRunsAgain(TRig& r) {
  r.Start();
  // Starting may show its first step at once: only what the thread brings counts.
  const int heard = r.Events().Count();
  ASSERT_TRUE(r.Due());
  if (r.Row.HandsOver) {
    EXPECT_TRUE(r.Serve());
  }
  if (*r.Row.Event) {
    EXPECT_GT(r.Events().Count(), heard);
  }
  r.Stop();
  ExpectStoppedForGood(r);
}

// The component was freed (with its form, or alone): nothing reaches it afterwards and its
// thread ended.
void ExpectFreedForGood(TRig& r) {
  EXPECT_TRUE(r.Freed());
  Pump();
  EXPECT_TRUE(r.NoThreadLeft());
  r.RunOn();
  EXPECT_EQ(r.Events().Late(), 0);
}

const std::vector<TAct>& Acts() {
  static const std::vector<TAct> acts = {
      {"StartedStoppedAndRestarted", kNothing,
       [](TRig& r) {
         for (int run = 0; run < 3; ++run) ExpectRunsAgain(r);
         // A thread that does not hand its work over never queues a call.
         if (!r.Row.HandsOver) {
           EXPECT_EQ(r.Wake().Wakes(), 0);
         }
       }},
      {"StoppedRestartedAndFreedWhileItsThreadRuns", kNothing,
       [](TRig& r) {
         r.Start();
         r.Stop();
         r.Events().Stopped(false);
         r.Start();
         r.Free();
         // The component lets its worker go without the main thread.
         EXPECT_TRUE(r.NoThreadLeft());
         ExpectFreedForGood(r);
       }},
      {"StoppedWhileItsCallWaits", kWaitingCall,
       [](TRig& r) {
         r.Start();
         ASSERT_TRUE(r.Due());
         r.Stop();
         ExpectStoppedForGood(r);
         ExpectRunsAgain(r);
       }},
      {"FreedWhileItsCallWaits", kWaitingCall,
       [](TRig& r) {
         r.Start();
         ASSERT_TRUE(r.Due());
         r.Free();
         EXPECT_TRUE(r.NoThreadLeft());
         ExpectFreedForGood(r);
       }},
      {"FreedFromItsOwnEvent", kEvent,
       [](TRig& r) {
         r.Start();
         r.Events().Next([&r] { r.Free(); });
         ASSERT_TRUE(r.Due());
         EXPECT_TRUE(r.Serve());
         ExpectFreedForGood(r);
       }},
      {"StoppedFromItsOwnEventAndRestarted", kEvent,
       [](TRig& r) {
         r.Start();
         r.Events().Next([&r] { r.Stop(); });
         ASSERT_TRUE(r.Due());
         if (r.Row.HandsOver) {
           EXPECT_TRUE(r.Serve());
         }
         ExpectStoppedForGood(r);
         ExpectRunsAgain(r);
       }},
      {"FormReleasedWhileItsThreadRuns", kNothing,
       [](TRig& r) {
         r.Start();
         r.Form()->Release();
         Pump();
         EXPECT_TRUE(r.FormFreed());
         ExpectFreedForGood(r);
       }},
      {"FormReleasedWhileItsCallWaits", kWaitingCall,
       [](TRig& r) {
         r.Start();
         ASSERT_TRUE(r.Due());
         r.Form()->Release();
         Pump();
         EXPECT_TRUE(r.FormFreed());
         ExpectFreedForGood(r);
       }},
      {"FormReleasedFromItsOwnEvent", kEvent,
       [](TRig& r) {
         r.Start();
         r.Events().Next([&r] { r.Form()->Release(); });
         ASSERT_TRUE(r.Due());
         EXPECT_TRUE(r.Serve());
         Pump();
         EXPECT_TRUE(r.FormFreed());
         ExpectFreedForGood(r);
       }},
  };
  return acts;
}

// What the class offers of what acts need.
unsigned Offers(const TThreaded& row) {
  unsigned offers = 0;
  if (row.HandsOver) offers |= kWaitingCall;
  if (row.HandsOver && *row.Event) offers |= kEvent;
  return offers;
}

// The acts a class cannot take, by row and act, with the reason.
const std::map<std::pair<std::string, std::string>, std::string>& Exemptions() {
  static const std::string inWorker =
      "its event runs in its worker, which hands nothing to the main thread";
  static const std::string noEvent = "the animation shows the next frame and raises no event";
  static const std::map<std::pair<std::string, std::string>, std::string> exempt = {
      {{"HiTimerTickingInItsWorker", "StoppedWhileItsCallWaits"}, inWorker},
      {{"HiTimerTickingInItsWorker", "FreedWhileItsCallWaits"}, inWorker},
      {{"HiTimerTickingInItsWorker", "FormReleasedWhileItsCallWaits"}, inWorker},
      {{"HiTimerTickingInItsWorker", "FreedFromItsOwnEvent"},
       inWorker + ", and components are freed on the main thread only"},
      {{"HiTimerTickingInItsWorker", "FormReleasedFromItsOwnEvent"},
       inWorker + ", and forms are released on the main thread only"},
      {{"TrayIconAnimation", "FreedFromItsOwnEvent"}, noEvent},
      {{"TrayIconAnimation", "StoppedFromItsOwnEventAndRestarted"}, noEvent},
      {{"TrayIconAnimation", "FormReleasedFromItsOwnEvent"}, noEvent},
  };
  return exempt;
}

// Stopping from its own event is open to a worker's event too.
bool Fits(const TThreaded& row, const TAct& act) {
  if (std::string(act.Name) == "StoppedFromItsOwnEventAndRestarted") return *row.Event != 0;
  return (Offers(row) & act.Needs) == act.Needs;
}

class ThreadedComponents : public packagetest::TPackageFixture<::testing::TestWithParam<size_t>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    for (const char* name : {"a.txt", "b.txt", "c.log"}) {
      std::ofstream(folder_.File(name)) << "found";
    }
  }
  vcl::TClass ClassNamed(const std::string& name) const {
    for (vcl::TClass c : RegisteredComponents())
      if (c->ClassName() == name) return c;
    return nullptr;
  }
  packagetest::THandlers handlers_;
  testsupport::TempDir folder_;
};

TEST_P(ThreadedComponents, SurviveEveryPointAUserCanReach) {
  const TThreaded& row = Threaded()[GetParam()];
  const vcl::TClass cls = ClassNamed(row.Class);
  ASSERT_NE(cls, nullptr) << row.Class;
  int played = 0, rigs = 0, heard = 0;
  for (const TAct& act : Acts()) {
    if (!Fits(row, act)) continue;
    for (int round = 0; round < kRounds; ++round) {
      SCOPED_TRACE(std::string(row.Name) + ", " + act.Name + ", round " + std::to_string(round));
      EXPECT_NO_THROW({
        // Made in code, and read from a form file as a user's forms are, by turns.
        const TMade made = round % 2 ? TMade::FromFormFile : TMade::InCode;
        TRig r(row, cls, made, session_.Clock(), handlers_, folder_.Path());
        act.Play(r);
        ++rigs;
        heard += r.Events().Count();
      });
    }
    ++played;
  }
  EXPECT_GE(played, 4);
  EXPECT_EQ(rigs, played * kRounds);
  // The threads did their work (an act that frees or releases at once hears nothing).
  if (*row.Event) {
    EXPECT_GE(heard, played * kRounds / 2);
  }
  RecordProperty("heard", heard);
}

INSTANTIATE_TEST_SUITE_P(Classes, ThreadedComponents,
                         ::testing::Range(size_t{0}, Threaded().size()),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                           return std::string(Threaded()[info.param].Name);
                         });

class ThreadedTables : public packagetest::TPackageFixture<> {};

// The classes that publish a way to run a thread: a worker for the timer, a threaded search, or
// a timer mode that runs one.
TEST_F(ThreadedTables, EveryClassThatRunsAThreadHasARow) {
  std::set<std::string> threaded, rows;
  for (vcl::TClass c : RegisteredComponents())
    for (const char* runsOne : {"UseThread", "ThreadedSearch", "TimerMode"})
      if (vcl::GetPropInfo(c, runsOne)) threaded.insert(c->ClassName());
  for (const TThreaded& row : Threaded()) rows.insert(row.Class);
  EXPECT_EQ(rows, threaded);
}

TEST_F(ThreadedTables, AnActIsLeftOutOnlyWithAReasonThatHolds) {
  std::set<std::pair<std::string, std::string>> missing;
  for (const TThreaded& row : Threaded())
    for (const TAct& act : Acts())
      if (!Fits(row, act)) missing.insert({row.Name, act.Name});
  std::set<std::pair<std::string, std::string>> listed;
  for (const auto& [key, reason] : Exemptions()) {
    EXPECT_FALSE(reason.empty());
    listed.insert(key);
  }
  // An entry for an act a class now takes is stale; an act left out needs an entry.
  EXPECT_EQ(listed, missing);
}

}  // namespace
