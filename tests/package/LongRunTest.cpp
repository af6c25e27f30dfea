// A program that runs long: the 32-bit tick count wraps to 0 after 49.7 days, the wall clock
// passes midnight, the ends of months, 29 February and the new year, and the timed components
// run for a month. Every registered control class takes the user's input with the tick count's
// wrap falling inside each step and behaves as it does anywhere else in the count; the timed
// components keep their intervals across the wrap; the clocks and date displays show the new
// day and paint; and a month of running leaves no list, window or drawing object behind.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpinButton.h"
#include "design/pZYLDateListEditorDlg.h"
#include "display/ZYLAniCtrl.h"
#include "display/ZYLClock.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLScrollText.h"
#include "edits/ZYLEdit.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLStopWatch.h"
#include "system/ZYLTrayIcon.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/WakeSignal.h"

namespace {

namespace tk = win::testkit;
using packagetest::FourFrames;
using packagetest::Path;
using packagetest::TStage;

constexpr uint64_t kWrap = uint64_t{1} << 32;
// Longer than any double-click time.
constexpr uint64_t kApart = 1000;
// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// A Wednesday morning, the wall clock's time at the start of each step.
double Morning() { return vcl::EncodeDate(2003, 5, 14) + vcl::EncodeTime(10, 0, 0, 0); }

// Counts the calls of a notify event.
class TCount : public vcl::TObject {
 public:
  int Calls = 0;
  void Hit(vcl::TObject*) { ++Calls; }
  vcl::TNotifyEvent Event() { return vcl::TNotifyEvent(this, &TCount::Hit); }
};

// The application's hint window while it shows, else nullptr.
vcl::THintWindow* ShownHint() {
  vcl::THintWindow* w = vcl::Application->HintWindow();
  return w && w->HandleAllocated() && win::IsWindowVisible(w->Handle()) ? w : nullptr;
}

// ---- Every control class with the wrap inside the user's steps ----

using packagetest::IsControlClass;

// Counts the messages a control's window procedure receives, by message, chaining to it;
// restores it when done.
class TMessageCounts : public vcl::TObject {
 public:
  explicit TMessageCounts(vcl::TControl* c) : control_(c), old_(c->WindowProc()) {
    c->SetWindowProc(vcl::TWndMethod(this, &TMessageCounts::Proc));
  }
  ~TMessageCounts() override { control_->SetWindowProc(old_); }
  TMessageCounts(const TMessageCounts&) = delete;
  TMessageCounts& operator=(const TMessageCounts&) = delete;
  std::map<win::UINT, int> Counts;

 private:
  void Proc(vcl::TMessage& m) {
    ++Counts[m.Msg];
    old_(m);
  }
  vcl::TControl* control_;
  vcl::TWndMethod old_;
};

bool IsValue(vcl::TObject*, const vcl::TPropInfo* p) {
  return p->Kind() != vcl::tkClass && p->Kind() != vcl::tkMethod;
}

// What the program sets and a form file keeps (the values the system information reads from
// the machine are not stored).
bool IsSetValue(vcl::TObject* obj, const vcl::TPropInfo* p) {
  return IsValue(obj, p) && p->IsWritable() && vcl::IsStoredProp(obj, p);
}

// The published values of a component and of the persistent objects it owns, by path.
std::map<std::string, std::string> ValuesOf(vcl::TComponent* c,
                                            const packagetest::TPropFilter& take = &IsValue) {
  std::vector<Path> paths;
  packagetest::PropertyPaths(c, {}, 0, take, paths);
  std::map<std::string, std::string> values;
  for (const Path& path : paths)
    if (vcl::TObject* target = packagetest::Walk(c, path))
      values[packagetest::Text(path)] = vcl::GetPropValue(target, path.back());
  return values;
}

// What one run of the user's steps left behind on a control.
struct TSeen {
  std::map<win::UINT, int> Messages;
  bool HintBeforeThePause = false;
  bool HintAfterThePause = false;
  bool HintAfterTheHidePause = false;
  std::map<std::string, std::string> Values;
  tk::TCapture Picture;
};

// "WM_TIMER 3 != 4" lines for the messages whose counts differ.
std::string Differences(const std::map<win::UINT, int>& a, const std::map<win::UINT, int>& b) {
  std::set<win::UINT> all;
  for (const auto& [m, n] : a) all.insert(m);
  for (const auto& [m, n] : b) all.insert(m);
  std::string s;
  for (win::UINT m : all) {
    const int x = a.count(m) ? a.at(m) : 0, y = b.count(m) ? b.at(m) : 0;
    if (x != y)
      s += "message 0x" + vcl::IntToHex(static_cast<int64_t>(m), 4) + ": " + std::to_string(x) +
           " != " + std::to_string(y) + "\n";
  }
  return s;
}

class WrapSweep : public packagetest::TControlClassesSweep {
 protected:
  // Starts a step `lead` ms before the tick count wraps (or, for the comparison run, before
  // the middle of the count, where nothing wraps), each step in a later round of the count.
  void StartStep(bool wrap, uint64_t lead) {
    ++round_;
    session_.StartClock(round_ * kWrap + (wrap ? 0 : kWrap / 2) - lead, Morning());
  }

  // The user's steps on a control of the class on a shown form, the wrap inside each of them:
  // the mouse rests on it for the hint's pause, two clicks make a double click, the button is
  // held, the package sweeps' input is made, and the timers run.
  TSeen Run(vcl::TClass cls, bool wrap) {
    TSeen seen;
    StartStep(wrap, 0);
    TStage stage(cls);
    auto* c = static_cast<vcl::TControl*>(stage.Component());
    c->SetName("X");
    const vcl::TPropInfo* hint = vcl::GetPropInfo(c, "Hint");
    if (hint && hint->IsWritable() && vcl::GetPropInfo(c, "ShowHint")) {
      vcl::SetStrProp(c, hint, "Resting");
      vcl::SetOrdProp(c, "ShowHint", 1);
    }
    stage.Paint();
    TMessageCounts messages(c);
    const vcl::TPoint centre = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
    const vcl::TPoint away = {1000, 740};  // off the form
    tk::MouseMove(away.X, away.Y);
    // The hint's pause runs from 200 ms before the wrap to 300 ms after it.
    StartStep(wrap, 200);
    tk::MouseMove(centre.X, centre.Y);
    tk::AdvanceClock(static_cast<uint64_t>(vcl::Application->HintPause()) - 10);
    seen.HintBeforeThePause = ShownHint() != nullptr;
    tk::AdvanceClock(20);
    seen.HintAfterThePause = ShownHint() != nullptr;
    // The hint shown 310 ms after the wrap hides after the hide pause.
    tk::AdvanceClock(static_cast<uint64_t>(vcl::Application->HintHidePause()) + 10);
    seen.HintAfterTheHidePause = ShownHint() != nullptr;
    tk::MouseMove(away.X, away.Y);
    tk::AdvanceClock(kApart);
    // The two clicks of a double click 50 ms either side of the wrap.
    StartStep(wrap, 50);
    tk::Click(centre.X, centre.Y);
    tk::AdvanceClock(100);
    tk::Click(centre.X, centre.Y);
    tk::AdvanceClock(kApart);
    // The button held down across the wrap.
    StartStep(wrap, 300);
    tk::MouseDown(centre.X, centre.Y);
    tk::AdvanceClock(1500);
    tk::MouseUp(centre.X, centre.Y);
    tk::AdvanceClock(kApart);
    // The sweeps' input.
    StartStep(wrap, 1000);
    packagetest::TakeInput(stage.Form(), c);
    tk::AdvanceClock(kApart);
    // The timers run across the wrap.
    StartStep(wrap, 5000);
    tk::AdvanceClock(10000);
    seen.Messages = messages.Counts;
    seen.Values = ValuesOf(c);
    seen.Picture = tk::RenderWindow(stage.Form()->Handle(), false);
    return seen;
  }

  // A component of a class that is no control (or a form of its own) on a shown form, its
  // timers running across the wrap.
  TSeen RunComponent(vcl::TClass cls, bool wrap) {
    TSeen seen;
    StartStep(wrap, 0);
    TStage stage(cls);
    vcl::TComponent* c = stage.Component();
    if (c != stage.Form()) c->SetName("X");
    stage.Paint();
    StartStep(wrap, 5000);
    tk::AdvanceClock(10000);
    seen.Values = ValuesOf(c, &IsSetValue);
    seen.Picture = tk::RenderWindow(stage.Form()->Handle(), false);
    return seen;
  }

  uint64_t round_ = 0;
};

// Each control class hears the same messages, shows its hint after the same pause (and hides it
// after the hide pause), ends with
// the same values and paints the same whether the tick count wraps inside the user's steps or
// not: the wrap changes nothing a user could see.
TEST_P(WrapSweep, EveryControlBehavesAlikeWithTheTickCountWrappingInsideEachStep) {
  ASSERT_GT(classes_.size(), 60u);
  vcl::testkit::TDialogScript noAnswers;
  int swept = 0, hinted = 0, doubled = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    TSeen plain, wrapped;
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { plain = Run(cls, false); }));
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { wrapped = Run(cls, true); }));
    EXPECT_EQ(Differences(plain.Messages, wrapped.Messages), "");
    EXPECT_EQ(plain.HintBeforeThePause, wrapped.HintBeforeThePause);
    EXPECT_FALSE(wrapped.HintBeforeThePause) << "the hint showed before its pause";
    EXPECT_EQ(plain.HintAfterThePause, wrapped.HintAfterThePause);
    EXPECT_FALSE(wrapped.HintAfterTheHidePause) << "the hint outstayed its hide pause";
    EXPECT_EQ(plain.Values, wrapped.Values);
    EXPECT_EQ(tk::CountDifferentPixels(plain.Picture, wrapped.Picture), 0);
    ++swept;
    if (wrapped.HintAfterThePause) ++hinted;
    if (wrapped.Messages[win::WM_LBUTTONDBLCLK] > 0) ++doubled;
  }
  EXPECT_GT(swept, 0);
  EXPECT_GT(hinted, 0);
  EXPECT_GT(doubled, 0);
  RecordProperty("swept", swept);
  RecordProperty("hinted", hinted);
  RecordProperty("doubled", doubled);
}

// The other components (and the forms) end with the same values set and paint the same
// whether their timers ran across the wrap or not.
TEST_P(WrapSweep, EveryOtherComponentRunsAlikeAcrossTheWrap) {
  ASSERT_GT(others_.size(), 20u);
  vcl::testkit::TDialogScript noAnswers;
  int swept = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < others_.size(); k += kShards) {
    const vcl::TClass cls = others_[k];
    SCOPED_TRACE(cls->ClassName());
    TSeen plain, wrapped;
    EXPECT_NO_THROW(
        testsupport::ErrorOf<vcl::Exception>([&] { plain = RunComponent(cls, false); }));
    EXPECT_NO_THROW(
        testsupport::ErrorOf<vcl::Exception>([&] { wrapped = RunComponent(cls, true); }));
    EXPECT_EQ(plain.Values, wrapped.Values);
    EXPECT_EQ(tk::CountDifferentPixels(plain.Picture, wrapped.Picture), 0);
    ++swept;
  }
  EXPECT_GT(swept, 0);
  RecordProperty("swept", swept);
}

INSTANTIATE_TEST_SUITE_P(Shards, WrapSweep, ::testing::Range(0, kShards));

// ---- The timed components across the wrap ----

// A shown form for the components of one case, the clock a few seconds before the wrap.
struct TWrapRig {
  vcl::testkit::TControlsSession* Session;
  std::unique_ptr<vcl::TForm> Form{new vcl::TForm(nullptr)};
  explicit TWrapRig(vcl::testkit::TControlsSession& session) : Session(&session) {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    tk::RunUntilIdle();
  }
  template <class C>
  C* Place(C* c, int left = 8, int top = 8, int width = 120, int height = 60) {
    c->SetBounds(left, top, width, height);
    c->SetParent(Form.get());
    tk::RunUntilIdle();
    return c;
  }
  // The tick count `lead` ms before the next wrap.
  void BeforeTheWrap(uint64_t lead) {
    const uint64_t now = win::GetTickCount64();
    Session->StartClock((now / kWrap + 1) * kWrap - lead, Morning());
  }
};

struct TWrapCase {
  const char* Name;
  std::function<void(TWrapRig&)> Run;
};

class TimedAcrossTheWrap
    : public packagetest::TPackageFixture<::testing::TestWithParam<TWrapCase>> {};

TEST_P(TimedAcrossTheWrap, KeepsItsTime) {
  TWrapRig rig(session_);
  GetParam().Run(rig);
}

// A timer that fires every `interval` ms fires `seconds` * 1000 / interval times in as many
// seconds, the wrap at the third.
void ExpectTicks(TWrapRig& rig, TCount& count, int interval, int seconds) {
  rig.BeforeTheWrap(3000);
  const int before = count.Calls;
  tk::AdvanceClock(static_cast<uint64_t>(seconds) * 1000);
  EXPECT_EQ(count.Calls - before, seconds * 1000 / interval);
}

std::vector<TWrapCase> WrapCases() {
  return {
      {"FrameworkTimer",
       [](TWrapRig& rig) {
         TCount count;
         auto* t = new vcl::TTimer(rig.Form.get());
         t->SetInterval(1000);
         t->SetOnTimer(count.Event());
         rig.BeforeTheWrap(3000);
         t->SetEnabled(false);
         t->SetEnabled(true);
         tk::AdvanceClock(10000);
         EXPECT_EQ(count.Calls, 10);
       }},
      {"LightTimerOfItsOwn",
       [](TWrapRig& rig) {
         TCount count;
         rig.BeforeTheWrap(3000);
         zyl::TZYLTimer t(1000, count.Event(), true, false);
         tk::AdvanceClock(10000);
         EXPECT_EQ(count.Calls, 10);
       }},
      {"LightTimerOnThePool",
       [](TWrapRig& rig) {
         TCount count;
         zyl::TZYLTimer t(200, count.Event(), true, true);
         ExpectTicks(rig, count, 200, 10);
       }},
      {"HiTimerByWindowTimer",
       [](TWrapRig& rig) {
         TCount count;
         auto* t = new zyl::TZYLHiTimer(rig.Form.get());
         t->SetOnTimer(count.Event());
         t->SetUseThread(false);
         t->SetInterval(250);
         rig.BeforeTheWrap(3000);
         t->SetEnabled(true);
         tk::AdvanceClock(10000);
         EXPECT_EQ(count.Calls, 40);
       }},
      {"HiTimerByThread",
       [](TWrapRig& rig) {
         testsupport::TWakeSignal wake;
         TCount count;
         auto* t = new zyl::TZYLHiTimer(rig.Form.get());
         t->SetOnTimer(count.Event());
         t->SetInterval(500);
         rig.BeforeTheWrap(1200);
         t->SetEnabled(true);
         // One interval at a time, the worker's tick run by the main thread each time.
         for (int tick = 1; tick <= 6; ++tick) {
           rig.Session->Clock().Advance(500);
           wake.WaitForWake();
           EXPECT_TRUE(vcl::CheckSynchronize(0));
           EXPECT_EQ(count.Calls, tick);
         }
         t->SetEnabled(false);
       }},
      {"ScrollingText",
       [](TWrapRig& rig) {
         auto* s = rig.Place(new zyl::TZYLScrollText(rig.Form.get()), 8, 8, 200, 40);
         s->Lines()->SetText("Across the wrap");
         rig.BeforeTheWrap(1000);
         s->SetBool(zyl::TZYLScrollText::bpScroll, true);
         ASSERT_TRUE(s->Scroll());
         // One step every 100 ms.
         tk::AdvanceClock(3000);
         EXPECT_EQ(s->StepCounter(), 30);
       }},
      {"InformationLabelDateAndTime",
       [](TWrapRig& rig) {
         auto* l = rig.Place(new zyl::TZYLInformationLabel(rig.Form.get()));
         l->SetDateTimeFormat("hh:nn:ss");
         rig.BeforeTheWrap(1500);
         l->SetInfo(zyl::itCurrentDateTime);
         tk::AdvanceClock(1000);
         EXPECT_NE(l->GetLabelText().find("10:00:01"), std::string::npos) << l->GetLabelText();
         tk::AdvanceClock(1000);
         EXPECT_NE(l->GetLabelText().find("10:00:02"), std::string::npos) << l->GetLabelText();
       }},
      {"RepeatButton",
       [](TWrapRig& rig) {
         TCount clicks;
         auto* b = rig.Place(new zyl::TZYLButton(rig.Form.get()));
         b->SetRepeatClick(true);
         b->SetOnClick(clicks.Event());
         const vcl::TPoint at = b->ClientToScreen({60, 30});
         rig.BeforeTheWrap(500);
         tk::MouseDown(at.X, at.Y);
         // The first repeat 100 + 200 ms after the press, then one every 100 ms.
         tk::AdvanceClock(1000);
         EXPECT_EQ(clicks.Calls, 8);
         tk::MouseUp(at.X, at.Y);
       }},
      {"SpinEditArrowHeld",
       [](TWrapRig& rig) {
         auto* e = rig.Place(new zyl::TZYLSpinEdit(rig.Form.get()), 8, 8, 120, 24);
         zyl::TZYLSpinButton* spin = e->SpinButton();
         ASSERT_NE(spin, nullptr);
         const vcl::TPoint at = spin->ClientToScreen({spin->Width() / 2, 2});
         rig.BeforeTheWrap(500);
         tk::MouseDown(at.X, at.Y);
         // The press steps once; the first repeat 100 + 200 ms later, then one every 100 ms.
         tk::AdvanceClock(1000);
         tk::MouseUp(at.X, at.Y);
         EXPECT_EQ(e->IntValue(), 9);
       }},
      {"StopWatch",
       [](TWrapRig& rig) {
         zyl::TZYLStopWatch watch(rig.Form.get());
         rig.BeforeTheWrap(1000);
         watch.Start();
         tk::AdvanceClock(2500);
         EXPECT_DOUBLE_EQ(watch.Stop(), 2.5);
         tk::AdvanceClock(1500);
         EXPECT_DOUBLE_EQ(watch.Stop(), 4.0);
       }},
      {"AnimationControl",
       [](TWrapRig& rig) {
         zyl::TZYLImageList* list = FourFrames(rig.Form.get());
         auto* a = rig.Place(new zyl::TZYLAniCtrl(rig.Form.get()), 8, 8, 16, 16);
         a->SetImageList(list);
         TCount frames;
         a->SetOnAnimate(frames.Event());
         rig.BeforeTheWrap(1000);
         a->Play();
         ASSERT_TRUE(a->Animate());
         const int shown = frames.Calls;
         // One frame every 200 ms, round the four in a loop.
         tk::AdvanceClock(2000);
         EXPECT_EQ(frames.Calls - shown, 10);
         EXPECT_EQ(a->GetCurrentFrame(), 10 % 4);
       }},
      {"TrayIconAnimation",
       [](TWrapRig& rig) {
         auto* icon = new zyl::TZYLTrayIcon(rig.Form.get());
         icon->SetImageList(FourFrames(rig.Form.get()));
         icon->SetActive(true);
         rig.BeforeTheWrap(1000);
         icon->SetAnimated(true);
         // The next of the four frames every 200 ms.
         tk::AdvanceClock(1400);
         EXPECT_EQ(icon->Frame(), 7 % 4);
       }},
      {"LabelTwinkle",
       [](TWrapRig& rig) {
         auto* l = rig.Place(new zyl::TZYLLabel(rig.Form.get()), 8, 8, 120, 24);
         l->SetCaption("Twinkling");
         l->SetTwinkleVisible(300);
         l->SetTwinkleInVisible(200);
         rig.BeforeTheWrap(400);
         l->SetTwinkle(true);
         auto look = [&] { return tk::RenderWindow(rig.Form->Handle(), false); };
         // Shown for 300 ms, hidden for 200, shown again: the wrap falls in the hidden part.
         const tk::TCapture shown = look();
         tk::AdvanceClock(250);
         EXPECT_EQ(tk::CountDifferentPixels(look(), shown), 0);
         tk::AdvanceClock(100);
         const tk::TCapture hidden = look();
         EXPECT_GT(tk::CountDifferentPixels(hidden, shown), 0);
         tk::AdvanceClock(100);
         EXPECT_EQ(tk::CountDifferentPixels(look(), hidden), 0);
         tk::AdvanceClock(100);
         EXPECT_EQ(tk::CountDifferentPixels(look(), shown), 0);
       }},
      {"CaretBlink",
       [](TWrapRig& rig) {
         auto* e = rig.Place(new zyl::TZYLEdit(rig.Form.get()), 8, 8, 120, 24);
         rig.BeforeTheWrap(2000);
         e->SetFocus();
         tk::RunUntilIdle();
         // The caret turns on or off once in every blink time, across the wrap as before it.
         const uint64_t blink = win::GetCaretBlinkTime();
         std::vector<tk::TCapture> looks{tk::CaptureWindow(e->Handle(), false)};
         for (int i = 1; i <= 8; ++i) {
           tk::AdvanceClock(blink);
           looks.push_back(tk::CaptureWindow(e->Handle(), false));
           EXPECT_GT(tk::CountDifferentPixels(looks[size_t(i) - 1], looks[size_t(i)]), 0) << i;
           if (i >= 2) {
             EXPECT_EQ(tk::CountDifferentPixels(looks[size_t(i) - 2], looks[size_t(i)]), 0) << i;
           }
         }
       }},
      {"ClockStopWatch",
       [](TWrapRig& rig) {
         auto* clock = rig.Place(new zyl::TZYLClock(rig.Form.get()), 8, 8, 120, 120);
         rig.BeforeTheWrap(1000);
         clock->StartStpWatch();
         tk::AdvanceClock(2500);
         clock->EndStpWatch();
         EXPECT_NEAR(clock->Stopwatch() * 86400.0, 2.5, 1e-6);
       }},
      {"ClockCountdown",
       [](TWrapRig& rig) {
         TCount ended;
         auto* clock = rig.Place(new zyl::TZYLClock(rig.Form.get()), 8, 8, 120, 120);
         clock->SetOnCountdownEnd(ended.Event());
         rig.BeforeTheWrap(500);
         clock->StartCountdown();
         tk::AdvanceClock(1000);
         EXPECT_EQ(clock->GetDigitalText(), "C 00:00:59");
         tk::AdvanceClock(58000);
         EXPECT_EQ(ended.Calls, 0);
         tk::AdvanceClock(1000);
         EXPECT_EQ(ended.Calls, 1);
       }},
  };
}

INSTANTIATE_TEST_SUITE_P(Cases, TimedAcrossTheWrap, ::testing::ValuesIn(WrapCases()),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- The wall clock across the turns of the calendar ----

struct TDay {
  int Year, Month, Day;
  vcl::TDateTime Value() const { return vcl::EncodeDate(Year, Month, Day); }
  // "2004-02-29 23:59:59"
  std::string At(const char* time) const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %s", Year, Month, Day, time);
    return buf;
  }
};

struct TTurnCase {
  const char* Name;
  TDay Last;
  TDay Next;  // Year 0: the last day there is
  const char* NextDayName;
};

// The date displays of a form: a clock showing the time, a clock showing the date, an
// information label showing date and time, and the framework's calendar (with, apart from the
// form, a date list through its editor's lines).
struct TDateDisplays {
  TWrapRig Rig;
  zyl::TZYLClock* Time;
  zyl::TZYLClock* Date;
  zyl::TZYLInformationLabel* Label;
  vcl::TMonthCalendar* Calendar;
  zyl::TZYLClock* Alarm;
  zyl::TZYLClock* Countdown;
  zyl::TZYLClock* TwelveHours;
  TCount Rang, Ended;
  explicit TDateDisplays(vcl::testkit::TControlsSession& session) : Rig(session) {
    Time = Rig.Place(new zyl::TZYLClock(Rig.Form.get()), 8, 8, 120, 120);
    Time->SetClockOptions({zyl::coShowAnalog, zyl::coShowDigital, zyl::co24Hour});
    Date = Rig.Place(new zyl::TZYLClock(Rig.Form.get()), 136, 8, 120, 120);
    Date->SetClockOptions({zyl::coShowDigital, zyl::co24Hour});
    Date->SetMode(zyl::cmDate);
    Label = Rig.Place(new zyl::TZYLInformationLabel(Rig.Form.get()), 8, 136, 200, 20);
    Label->SetDateTimeFormat("yyyy-mm-dd hh:nn:ss");
    Label->SetInfo(zyl::itCurrentDateTime);
    Calendar = Rig.Place(new vcl::TMonthCalendar(Rig.Form.get()), 8, 160, 220, 140);
    Alarm = Rig.Place(new zyl::TZYLClock(Rig.Form.get()), 264, 8, 120, 60);
    Alarm->SetClockOptions({zyl::coShowDigital, zyl::co24Hour, zyl::coEnableAlarm});
    Alarm->SetOnAlarm(Rang.Event());
    Countdown = Rig.Place(new zyl::TZYLClock(Rig.Form.get()), 264, 76, 120, 60);
    Countdown->SetClockOptions({zyl::coShowDigital, zyl::co24Hour});
    Countdown->SetOnCountdownEnd(Ended.Event());
    TwelveHours = Rig.Place(new zyl::TZYLClock(Rig.Form.get()), 264, 144, 120, 60);
    TwelveHours->SetClockOptions({zyl::coShowDigital});
  }
  // The alarm rings at `at`; the one-minute countdown starts now.
  void Start(vcl::TDateTime at) {
    Alarm->SetAlarmTime(at);
    Alarm->SetMode(zyl::cmAlarm);
    Countdown->StartCountdown();
  }
  tk::TCapture Picture() { return tk::RenderWindow(Rig.Form->Handle(), false); }
};

// The part of a form's client-area capture that a control on it covers.
tk::TCapture PartOf(const tk::TCapture& form, vcl::TControl* c) {
  return tk::CapturePart(form, c->BoundsRect());
}

class DateTurns : public packagetest::TPackageFixture<::testing::TestWithParam<TTurnCase>> {};

// Two seconds before the day's end (the tick count wrapping at the turn of the day as well):
// after one second every display shows the last second of the day and paints; after the next
// the new day's midnight, its date and its name, and paints again. An alarm set for the new
// day's midnight rings then and not before; a minute's countdown runs on over the turn.
TEST_P(DateTurns, EveryDateDisplayShowsTheNewDay) {
  const TTurnCase& c = GetParam();
  session_.StartClock(kWrap - 2000, c.Last.Value() + vcl::EncodeTime(23, 59, 58, 0));
  TDateDisplays d(session_);
  // The alarm set for the next day's midnight, a minute's countdown running over the turn.
  if (c.Next.Year != 0) d.Start(c.Next.Value());
  tk::AdvanceClock(1000);
  EXPECT_EQ(d.Time->GetDigitalText(), "23:59:59");
  EXPECT_EQ(d.TwelveHours->GetDigitalText(), "11:59:59 p");
  EXPECT_EQ(d.Rang.Calls, 0) << "rang a day early";
  EXPECT_EQ(d.Date->GetDigitalText(),
            vcl::FormatDateTime("ddd", c.Last.Value()) + " " + vcl::DateToStr(c.Last.Value()));
  EXPECT_NE(d.Label->GetLabelText().find(c.Last.At("23:59:59")), std::string::npos)
      << d.Label->GetLabelText();
  EXPECT_EQ(d.Calendar->Today(), c.Last.Value());
  // A date list holding the day's last second (and the next day's first) keeps them through
  // the lines its editor shows.
  zyl::TZYLDateList list;
  list.AddDate({c.Last.Value() + vcl::EncodeTime(23, 59, 59, 0), "last"});
  if (c.Next.Year != 0) list.AddDate({c.Next.Value(), "next"});
  const std::vector<std::string> lines = zyl::ZYLDateListToLines(&list);
  ASSERT_EQ(lines.size(), static_cast<size_t>(list.Count()));
  EXPECT_EQ(lines[0], vcl::DateToStr(c.Last.Value()) + ";" +
                          vcl::TimeToStr(vcl::EncodeTime(23, 59, 59, 0)) + ";last");
  zyl::TZYLDateList back;
  EXPECT_NO_THROW(
      testsupport::ErrorOf<vcl::Exception>([&] { zyl::ZYLDateListFromLines(lines, &back); }));
  ASSERT_EQ(back.Count(), list.Count());
  for (int i = 0; i < list.Count(); ++i) {
    zyl::TZYLDateRecord a, b;
    list.GetDate(i, a);
    back.GetDate(i, b);
    EXPECT_NEAR(b.DateTime, a.DateTime, 0.5 / 86400e3) << lines[static_cast<size_t>(i)];
    EXPECT_EQ(b.Description, a.Description);
  }
  tk::TCapture lastSecond;
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { lastSecond = d.Picture(); }));
  // The time goes on past the last day there is without an error; the displays paint.
  if (c.Next.Year == 0) {
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] {
      tk::AdvanceClock(2000);
      d.Picture();
    }));
    // The time of day goes on; a date beyond the last has no name or number to show.
    EXPECT_EQ(d.Time->GetDigitalText(), "00:00:01");
    return;
  }
  tk::AdvanceClock(1000);
  EXPECT_EQ(d.Time->GetDigitalText(), "00:00:00");
  EXPECT_EQ(d.TwelveHours->GetDigitalText(), "12:00:00 a");
  EXPECT_EQ(d.Rang.Calls, 1);
  EXPECT_EQ(d.Countdown->GetDigitalText(), "C 00:00:58");
  EXPECT_EQ(d.Date->GetDigitalText(),
            std::string(c.NextDayName) + " " + vcl::DateToStr(c.Next.Value()));
  EXPECT_NE(d.Label->GetLabelText().find(c.Next.At("00:00:00")), std::string::npos)
      << d.Label->GetLabelText();
  EXPECT_EQ(d.Calendar->Today(), c.Next.Value());
  // What the screen shows without anything touched is what the displays paint afresh (the
  // ringing alarm's display apart: it flashes with each paint).
  tk::RunUntilIdle();
  const tk::TCapture onScreen = tk::CaptureWindow(d.Rig.Form->Handle(), false);
  const tk::TCapture fresh = tk::RenderWindow(d.Rig.Form->Handle(), false);
  for (vcl::TControl* shown : std::initializer_list<vcl::TControl*>{
           d.Time, d.Date, d.Label, d.Calendar, d.Countdown, d.TwelveHours}) {
    EXPECT_EQ(tk::CountDifferentPixels(PartOf(onScreen, shown), PartOf(fresh, shown)), 0)
        << shown->ClassName() << " still shows the day before";
  }
  tk::TCapture midnight;
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { midnight = d.Picture(); }));
  EXPECT_GT(tk::CountDifferentPixels(lastSecond, midnight), 0) << "the displays stood still";
  // A date picker made on the new day holds it.
  auto* picker = d.Rig.Place(new vcl::TDateTimePicker(d.Rig.Form.get()), 240, 160, 140, 24);
  EXPECT_EQ(picker->Date(), c.Next.Value());
  // The countdown ends a minute after its start, on the new day.
  tk::AdvanceClock(57000);
  EXPECT_EQ(d.Ended.Calls, 0);
  tk::AdvanceClock(1000);
  EXPECT_EQ(d.Ended.Calls, 1);
}

const TTurnCase kTurns[] = {
    {"Midnight", {2003, 5, 14}, {2003, 5, 15}, "Thu"},
    {"MonthEnd", {2003, 4, 30}, {2003, 5, 1}, "Thu"},
    {"February28OfALeapYear", {2004, 2, 28}, {2004, 2, 29}, "Sun"},
    {"February29", {2004, 2, 29}, {2004, 3, 1}, "Mon"},
    {"February28OfAPlainYear", {2003, 2, 28}, {2003, 3, 1}, "Sat"},
    {"February28OfALeapCentury", {2000, 2, 28}, {2000, 2, 29}, "Tue"},
    {"NewYear", {2003, 12, 31}, {2004, 1, 1}, "Thu"},
    {"TheLastDayThereIs", {9999, 12, 31}, {0, 0, 0}, ""},
};

INSTANTIATE_TEST_SUITE_P(Turns, DateTurns, ::testing::ValuesIn(kTurns),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- A month of running ----

constexpr uint64_t kHour = 3600 * 1000;
constexpr uint64_t kDay = 24 * kHour;

int CountWindow(win::HWND, win::LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return 1;
}

// What the program holds that could grow with the time it runs.
// The drawing objects in use vary with what the last paint showed (a twinkling label's two
// looks, say): they must not pass the most seen at the start.
struct THeld {
  int TopWindows = 0;
  int FormWindows = 0;
  size_t DrawingObjects = 0;
  int PoolTimers = 0;
  int AppComponents = 0;
  int Forms = 0;
  bool operator==(const THeld& o) const {
    return TopWindows == o.TopWindows && FormWindows == o.FormWindows &&
           PoolTimers == o.PoolTimers && AppComponents == o.AppComponents && Forms == o.Forms;
  }
};

std::ostream& operator<<(std::ostream& os, const THeld& h) {
  return os << "windows " << h.TopWindows << "+" << h.FormWindows << ", drawing objects "
            << h.DrawingObjects << ", pool timers " << h.PoolTimers << ", application's components "
            << h.AppComponents << ", forms " << h.Forms;
}

// Bytes of heap in use (not counted under the address sanitizer, which keeps its own heap).
size_t HeapInUse() { return mallinfo2().uordblks; }

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kHeapCounted = false;
#else
constexpr bool kHeapCounted = true;
#endif

// The animated and timed components on a shown form: a clock with its second circle and a date
// clock, the time and date label, text scrolling on each kind of timer, a twinkling label, a
// blinking caret in an edit, an animated tray icon, the high-resolution timer by window timer,
// the framework's timer and a light timer on the pool, and a stop watch.
class LongRun : public packagetest::TPackageFixture<> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    rig_ = std::make_unique<TWrapRig>(session_);
    // Ten days before the tick count wraps: the month runs across the wrap.
    session_.StartClock(kWrap - 10 * kDay, Morning());
    clock_ = rig_->Place(new zyl::TZYLClock(rig_->Form.get()), 8, 8, 100, 100);
    clock_->SetClockOptions(
        {zyl::coShowAnalog, zyl::coShowDigital, zyl::co24Hour, zyl::coShowSecCircle});
    date_ = rig_->Place(new zyl::TZYLClock(rig_->Form.get()), 116, 8, 100, 100);
    date_->SetClockOptions({zyl::coShowDigital, zyl::co24Hour});
    date_->SetMode(zyl::cmDate);
    label_ = rig_->Place(new zyl::TZYLInformationLabel(rig_->Form.get()), 8, 116, 200, 20);
    label_->SetDateTimeFormat("yyyy-mm-dd hh:nn:ss");
    label_->SetInfo(zyl::itCurrentDateTime);
    int top = 140;
    for (zyl::TZYLTimerMode mode : {zyl::tmNormal, zyl::tmGlobalTimer, zyl::tmHiTimer}) {
      auto* text = rig_->Place(new zyl::TZYLScrollText(rig_->Form.get()), 8, top, 200, 20);
      text->SetTimerMode(mode);
      text->Lines()->SetText("A month of scrolling");
      text->SetBool(zyl::TZYLScrollText::bpScroll, true);
      texts_.push_back(text);
      top += 24;
    }
    twinkle_ = rig_->Place(new zyl::TZYLLabel(rig_->Form.get()), 224, 8, 160, 40);
    twinkle_->SetCaption("Twinkling");
    twinkle_->SetTwinkle(true);
    edit_ = rig_->Place(new zyl::TZYLEdit(rig_->Form.get()), 224, 56, 160, 24);
    edit_->SetFocus();
    hiTimer_ = new zyl::TZYLHiTimer(rig_->Form.get());
    hiTimer_->SetUseThread(false);
    hiTimer_->SetInterval(100);
    hiTimer_->SetOnTimer(hiTicks_.Event());
    hiTimer_->SetEnabled(true);
    timer_ = new vcl::TTimer(rig_->Form.get());
    timer_->SetInterval(1000);
    timer_->SetOnTimer(ticks_.Event());
    pooled_ = std::make_unique<zyl::TZYLTimer>(50, pooledTicks_.Event(), true, true);
    tray_ = new zyl::TZYLTrayIcon(rig_->Form.get());
    tray_->SetImageList(FourFrames(rig_->Form.get()));
    tray_->SetActive(true);
    tray_->SetAnimated(true);
    watch_ = new zyl::TZYLStopWatch(rig_->Form.get());
    watch_->Start();
    start_ = session_.Clock().Now();
    tk::AdvanceClock(1000);
  }
  void TearDown() override {
    pooled_.reset();
    rig_.reset();
    TPackageFixture::TearDown();
  }

  THeld Held() const {
    THeld h;
    win::EnumWindows(&CountWindow, reinterpret_cast<win::LPARAM>(&h.TopWindows));
    win::EnumChildWindows(rig_->Form->Handle(), &CountWindow,
                          reinterpret_cast<win::LPARAM>(&h.FormWindows));
    h.DrawingObjects = win::gdi::LiveObjectCount();
    h.PoolTimers = zyl::ZYLTimerPool()->ItemCount();
    h.AppComponents = vcl::Application->ComponentCount();
    h.Forms = vcl::Screen->FormCount();
    return h;
  }

  // Everything still runs and shows the time that passed since the start.
  void ExpectRunning(uint64_t ms) {
    const double now = start_ + static_cast<double>(ms) / kDay;
    EXPECT_EQ(clock_->GetDigitalText(), vcl::FormatDateTime("hh:nn:ss", now));
    EXPECT_EQ(date_->GetDigitalText(), vcl::FormatDateTime("ddd", now) + " " + vcl::DateToStr(now));
    EXPECT_NE(label_->GetLabelText().find(vcl::FormatDateTime("yyyy-mm-dd hh:nn:ss", now)),
              std::string::npos)
        << label_->GetLabelText();
    for (zyl::TZYLScrollText* text : texts_) {
      EXPECT_TRUE(text->Scroll());
      EXPECT_GE(text->StepCounter(), 0);
      EXPECT_LE(text->StepCounter(), text->Steps());
    }
    EXPECT_TRUE(twinkle_->Twinkle());
    EXPECT_TRUE(tray_->Animated());
    EXPECT_GE(tray_->Frame(), 0);
    EXPECT_LT(tray_->Frame(), 4);
    EXPECT_DOUBLE_EQ(watch_->Stop(), static_cast<double>(ms) / 1000.0);
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(
        [&] { tk::RenderWindow(rig_->Form->Handle(), false); }));
  }

  std::unique_ptr<TWrapRig> rig_;
  zyl::TZYLClock* clock_ = nullptr;
  zyl::TZYLClock* date_ = nullptr;
  zyl::TZYLInformationLabel* label_ = nullptr;
  std::vector<zyl::TZYLScrollText*> texts_;
  zyl::TZYLLabel* twinkle_ = nullptr;
  zyl::TZYLEdit* edit_ = nullptr;
  zyl::TZYLHiTimer* hiTimer_ = nullptr;
  vcl::TTimer* timer_ = nullptr;
  std::unique_ptr<zyl::TZYLTimer> pooled_;
  zyl::TZYLTrayIcon* tray_ = nullptr;
  zyl::TZYLStopWatch* watch_ = nullptr;
  TCount hiTicks_, ticks_, pooledTicks_;
  double start_ = 0;
};

// A month in steps of an hour (each timer's missed periods come as one tick, as they do after
// the program was held up): the displays show the time and date of each day, nothing stops,
// and after the first day nothing the program holds grows.
TEST_F(LongRun, AMonthInLargeStepsKeepsEverythingRunningAndGrowsNothing) {
  uint64_t ran = 1000;
  THeld firstDay;
  size_t heap = 0, drawing = 0;
  for (int day = 1; day <= 31; ++day) {
    SCOPED_TRACE("day " + std::to_string(day));
    for (int hour = 0; hour < 24; ++hour) {
      session_.Clock().Advance(kHour);
      ran += kHour;
      tk::RunUntilIdle();
    }
    tk::AdvanceClock(1000);
    ran += 1000;
    ExpectRunning(ran);
    if (day == 1) {
      firstDay = Held();
      heap = HeapInUse();
    }
    if (day <= 2) drawing = std::max(drawing, Held().DrawingObjects);
    EXPECT_EQ(Held(), firstDay);
    EXPECT_LE(Held().DrawingObjects, drawing);
  }
  if (kHeapCounted) {
    EXPECT_LT(HeapInUse(), heap + 256 * 1024) << "the heap grew";
  }
  // Every timer ticked at least once an hour.
  EXPECT_GE(hiTicks_.Calls, 31 * 24);
  EXPECT_GE(ticks_.Calls, 31 * 24);
  EXPECT_GE(pooledTicks_.Calls, 31 * 24);
  EXPECT_GT(win::GetTickCount64(), kWrap + 20 * kDay);
}

// Many small steps, each timer stopping at each of its due times: each ticks once per interval
// and nothing the program holds grows.
TEST_F(LongRun, ManySmallStepsTickEveryIntervalAndGrowNothing) {
  constexpr int kSteps = 20000;
  constexpr uint64_t kStep = 45;
  // The first minute fills what the components make once and keep.
  size_t drawing = 0;
  for (int second = 1; second < 60; ++second) {
    tk::AdvanceClock(1000);
    drawing = std::max(drawing, Held().DrawingObjects);
  }
  const THeld before = Held();
  const size_t heap = HeapInUse();
  const int hi = hiTicks_.Calls, framework = ticks_.Calls, pooled = pooledTicks_.Calls;
  for (int i = 0; i < kSteps; ++i) {
    tk::AdvanceClock(kStep);
    if (i % 1000) continue;
    EXPECT_EQ(Held(), before) << "step " << i;
    EXPECT_LE(Held().DrawingObjects, drawing) << "step " << i;
  }
  const uint64_t ran = kSteps * kStep;  // 900 s, from a whole minute
  ExpectRunning(60000 + ran);
  EXPECT_EQ(hiTicks_.Calls - hi, static_cast<int>(ran / 100));
  EXPECT_EQ(ticks_.Calls - framework, static_cast<int>(ran / 1000));
  EXPECT_EQ(pooledTicks_.Calls - pooled, static_cast<int>(ran / 50));
  EXPECT_EQ(Held(), before);
  if (kHeapCounted) {
    EXPECT_LT(HeapInUse(), heap + 256 * 1024) << "the heap grew";
  }
}

// A hint shown and hidden again and again, by its hide pause and by the mouse leaving: each
// time it shows after the pause, and the windows and drawing objects stay as many as after
// the first time.
TEST_F(LongRun, AHintShownAgainAndAgainGrowsNothing) {
  twinkle_->SetHint("Again");
  twinkle_->SetShowHint(true);
  const vcl::TPoint at = twinkle_->ClientToScreen({10, 10});
  const vcl::TPoint away = {1000, 740};
  const uint64_t pause = static_cast<uint64_t>(vcl::Application->HintPause());
  const uint64_t hidePause = static_cast<uint64_t>(vcl::Application->HintHidePause());
  // What is held after a hint that hid by the mouse leaving [0] and by its hide pause [1].
  THeld first[2];
  size_t drawing = 0;
  int shown = 0;
  for (int i = 0; i < 300; ++i) {
    tk::MouseMove(away.X, away.Y);
    tk::AdvanceClock(kApart);
    // Counted with the hint hidden.
    const int hidBy = (i + 1) % 2;
    if (i >= 1 && i <= 4) {
      first[hidBy] = Held();
      drawing = std::max(drawing, Held().DrawingObjects);
    } else if (i % 100 <= 1 && i > 4) {
      EXPECT_EQ(Held(), first[hidBy]) << i;
      EXPECT_LE(Held().DrawingObjects, drawing) << i;
    }
    tk::MouseMove(at.X, at.Y);
    tk::AdvanceClock(pause + 10);
    if (ShownHint()) ++shown;
    // Every other time the hint outstays its hide pause; else the mouse leaves.
    if (i % 2) tk::AdvanceClock(hidePause + 10);
  }
  EXPECT_EQ(shown, 300);
}

}  // namespace
