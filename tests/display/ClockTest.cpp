// The clock: its settings objects, the option rule, the digital texts of every mode, the timer
// driving countdown, stop watch and alarm, what it paints (hands, scale, second circle,
// digital-only size), the face cache and streaming.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "display/ZYLClock.h"
#include "display/ZYLLED.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Clock.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/DateTime.h"
#include "platform/testkit/TestKit.h"
#include "tests/display/FillTestHost.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/StreamCopy.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;

struct TEvents : vcl::TObject {
  int Alarms = 0, CountdownEnds = 0, CountdownStarts = 0, WatchStarts = 0, WatchEnds = 0;
  void Alarm(vcl::TObject*) { ++Alarms; }
  void CEnd(vcl::TObject*) { ++CountdownEnds; }
  void CStart(vcl::TObject*) { ++CountdownStarts; }
  void WStart(vcl::TObject*) { ++WatchStarts; }
  void WEnd(vcl::TObject*) { ++WatchEnds; }
};

class ClockTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  static win::TVirtualClock& Time() {
    return dynamic_cast<win::TVirtualClock&>(win::CurrentClock());
  }
  static double Secs(double s) { return s / 86400.0; }
  // A shown clock of the given size on a picture panel.
  TZYLClock* Place(int w, int h) {
    form_.reset(host_.MakeHost(panel_, 240, 200));
    auto* c = new TZYLClock(form_.get());
    c->SetBounds(10, 10, w, h);
    c->SetParent(panel_);
    form_->Show();
    Idle();
    return c;
  }
  // Whether a pixel of the colour lies within Radius of (x, y) on the panel.
  bool Near(const win::testkit::TCapture& cap, int x, int y, vcl::TColor C, int Radius = 1) {
    for (int dy = -Radius; dy <= Radius; ++dy)
      for (int dx = -Radius; dx <= Radius; ++dx)
        if (At(cap, x + dx, y + dy) == C) return true;
    return false;
  }
  std::unique_ptr<vcl::TForm> form_;
  TPicturePanel* panel_ = nullptr;
};

TEST_F(ClockTest, SettingsObjects) {
  // Hands keep their owner's defaults: a value equal to the class's own is still written.
  TZYLClock c(nullptr);
  EXPECT_EQ(c.HourHand()->Thickness(), 5);
  EXPECT_EQ(c.HourHand()->Color(), 0xFFFF00);
  EXPECT_EQ(c.MinuteHand()->Thickness(), 3);
  EXPECT_EQ(c.SecondHand()->Color(), 0);
  EXPECT_FALSE(c.HourHand()->IsThicknessStored());
  c.HourHand()->SetThickness(2);
  EXPECT_TRUE(c.HourHand()->IsThicknessStored());

  // The interval: 0:01:00 ending a minute from now; each change restarts it.
  TZYLTimeInterval t;
  const double now = vcl::Now();
  EXPECT_EQ(t.Minute(), 1);
  EXPECT_FALSE(t.Enabled());
  EXPECT_NEAR(t.EndTime(), now + Secs(60), Secs(0.01));
  Time().Advance(5000);
  t.SetTime(3, 30);
  EXPECT_NEAR(t.EndTime(), now + Secs(5 + 90), Secs(0.01));
  t.SetEndtime(vcl::Now() + Secs(2 * 3600 + 3 * 60 + 4));
  EXPECT_EQ(t.Hour(), 2);
  EXPECT_EQ(t.Minute(), 3);
  EXPECT_EQ(t.Second(), 4);
  t.SetEndtime(vcl::Now() + 30);  // beyond the day: hours keep counting
  EXPECT_EQ(t.Hour(), 720);
  t.SetEndtime(vcl::Now() - Secs(10));  // already over: back to one minute
  EXPECT_EQ(t.Minute(), 1);
  EXPECT_NEAR(t.EndTime(), vcl::Now() + t.Length(), Secs(0.01));

  TZYLTimeOffset o;
  o.SetValue(0, 1);
  o.SetValue(1, 2);
  o.SetValue(2, -30);
  o.SetValue(3, 90);
  double d = 10.0;
  o.Offset(d);
  EXPECT_NEAR(d, 11.0 + Secs(2 * 3600 - 1800 + 90), Secs(0.001));
  TZYLTimeOffset p;
  p.Assign(&o);
  EXPECT_EQ(p.GetValue(2), -30);
}

TEST_F(ClockTest, OptionsNeedOneDisplay) {
  TZYLClock c(nullptr);
  EXPECT_EQ(c.Options(), (TZYLClockOptions{coShowAnalog, co24Hour}));
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { c.SetClockOptions({co24Hour}); }),
            "One clock style must be active!");
  EXPECT_EQ(c.Options(), (TZYLClockOptions{coShowAnalog, co24Hour}));
  EXPECT_EQ(c.GetPos(0), -1);
  c.SetClockOptions({coShowDigital, coShowAnalog});
  EXPECT_EQ(c.GetPos(1), -1);  // the analog face stays: automatic placing too
  c.SetClockOptions({coShowDigital});
  EXPECT_EQ(c.GetPos(0), 0);
  EXPECT_EQ(c.GetPos(1), 0);
  // Reading keeps a digital-only clock's position, which the stream holds before the options.
  c.SetPos(0, 12);
  c.SetPos(1, 5);
  ZYLClockInit();
  TZYLClock back(nullptr);
  vcl::ReadComponentFromBytes(vcl::WriteComponentToBytes(&c), &back);
  ZYLClockDone();
  EXPECT_EQ(back.Options(), TZYLClockOptions{coShowDigital});
  EXPECT_EQ(back.GetPos(0), 12);
  EXPECT_EQ(back.GetPos(1), 5);
}

TEST_F(ClockTest, DigitalTextOfEveryMode) {
  TZYLClock c(nullptr);  // the virtual clock: 2000-01-01 12:00:00, a Saturday
  EXPECT_EQ(c.GetDigitalText(), "12:00:00");
  c.SetBoolean(1, false);
  EXPECT_EQ(c.GetDigitalText(), "12:00");
  c.SetClockOptions({coShowAnalog});
  EXPECT_EQ(c.GetDigitalText(), "12:00 p");
  c.SetDateTimeFormat("nn-hh");
  EXPECT_EQ(c.GetDigitalText(), "12:00 p");  // the custom format waits for its switch
  c.SetBoolean(2, true);
  EXPECT_EQ(c.GetDigitalText(), "00-12 p");
  c.SetClockOptions({coShowAnalog, co24Hour, coOffset});
  c.TimeOffset()->SetValue(1, 3);
  EXPECT_EQ(c.GetDigitalText(), "00-15");
  c.SetClockOptions({coShowAnalog, co24Hour, coFixed});
  c.FixedTime()->SetHour(7);
  c.FixedTime()->SetMinute(45);
  EXPECT_EQ(c.GetDigitalText(), "45-07");
  c.SetBoolean(2, false);
  c.SetClockOptions({coShowAnalog, co24Hour});

  c.SetMode(cmDate);
  EXPECT_EQ(c.GetDigitalText(), "Sat 1/1/2000");
  c.SetMode(cmAlarm);
  EXPECT_EQ(c.GetDigitalText(), "NA 00:00");  // alarm time: today's date
  c.SetClockOptions({coShowAnalog, co24Hour, coEnableAlarm});
  c.SetAlarmTime(vcl::Date() + Secs(6 * 3600 + 30 * 60));
  EXPECT_EQ(c.GetDigitalText(), "A 06:30");
  c.SetMode(cmCountdown);
  EXPECT_EQ(c.GetDigitalText(), "C 00:01:00");  // not started: the whole length
  Time().Advance(1000);
  c.StartCountdown();
  EXPECT_EQ(c.GetDigitalText(), "C 00:01:00");
  Time().Advance(60500);  // no timer here: the text alone runs out
  EXPECT_EQ(c.GetDigitalText(), "C 00:00:00");
  c.StartStpWatch();
  Time().Advance(65000);
  EXPECT_EQ(c.GetDigitalText(), "S " + vcl::TimeToStr(Secs(65)));
  c.EndStpWatch();
  Time().Advance(5000);
  EXPECT_EQ(c.GetDigitalText(), "S " + vcl::TimeToStr(Secs(65)));
  EXPECT_NEAR(c.Stopwatch(), Secs(65), Secs(0.01));
  c.SetEnabled(false);
  EXPECT_EQ(c.GetDigitalText(), "--- NA ---");
}

TEST_F(ClockTest, CountdownEndsOnTheTimerAndRaisesTheAlarm) {
  TZYLClock* c = Place(120, 120);
  TEvents ev;
  c->SetOnCountdownStart(vcl::TNotifyEvent(&ev, &TEvents::CStart));
  c->SetOnCountdownEnd(vcl::TNotifyEvent(&ev, &TEvents::CEnd));
  c->SetOnAlarm(vcl::TNotifyEvent(&ev, &TEvents::Alarm));
  c->SetClockOptions({coShowAnalog, coShowDigital, co24Hour, coEnableAlarm});
  Time().Advance(500);  // half-way between two ticks
  c->StartCountdown();
  EXPECT_EQ(ev.CountdownStarts, 1);
  EXPECT_EQ(c->Mode(), cmCountdown);
  win::testkit::AdvanceClock(1000);
  EXPECT_EQ(c->GetDigitalText(), "C 00:00:59");
  win::testkit::AdvanceClock(58000);
  EXPECT_EQ(c->GetDigitalText(), "C 00:00:01");
  win::testkit::AdvanceClock(1000);  // a tick half a second before the end
  EXPECT_EQ(ev.CountdownEnds, 0);
  EXPECT_EQ(ev.Alarms, 0);
  win::testkit::AdvanceClock(1000);
  EXPECT_EQ(ev.CountdownEnds, 1);
  EXPECT_EQ(ev.Alarms, 1);
  EXPECT_EQ(c->Mode(), cmNormal);
  EXPECT_FALSE(c->Countdown()->Enabled());
  EXPECT_TRUE(c->AlarmActive());
  EXPECT_TRUE(c->Digital()->Flashing());
  win::testkit::AdvanceClock(1000);  // the ringing alarm goes on: one OnAlarm per tick
  EXPECT_EQ(ev.Alarms, 2);
}

// Each tick paints the clock at once on its parent's window; the window's DC it takes for that
// goes back when the tick is done, not at the next paint, so a clock ticking for weeks holds
// none between ticks.
TEST_F(ClockTest, ATickGivesBackTheWindowDCItPaintedOn) {
  Place(120, 120);
  const win::testkit::TLiveResources before = win::testkit::LiveResources();
  for (int tick = 1; tick <= 3; ++tick) {
    SCOPED_TRACE(tick);
    win::testkit::AdvanceClock(1000);
    const win::testkit::TLiveResources after = win::testkit::LiveResources();
    EXPECT_EQ(after, before) << win::testkit::ResourceChanges(before, after);
  }
}

TEST_F(ClockTest, AlarmFlashesForRepeatAlarmTicksThenReturnsToNormal) {
  TZYLClock* c = Place(160, 120);
  TEvents ev;
  c->SetOnAlarm(vcl::TNotifyEvent(&ev, &TEvents::Alarm));
  c->SetClockOptions({coShowDigital, co24Hour, coEnableAlarm});
  c->SetTransparent(false);
  c->SetAlarmTime(vcl::Now() + Secs(1.5));
  c->SetMode(cmAlarm);
  win::testkit::AdvanceClock(1000);
  EXPECT_FALSE(c->AlarmActive());
  win::testkit::AdvanceClock(1000);
  ASSERT_TRUE(c->AlarmActive());
  EXPECT_EQ(ev.Alarms, 1);
  // The display alternates between lit and dark frames while ringing.
  int ticks = 1, litFrames = 0, darkFrames = 0;
  while (c->AlarmActive() && ticks < 30) {
    (c->Digital()->FlashDark() ? darkFrames : litFrames)++;
    win::testkit::AdvanceClock(1000);
    ++ticks;
  }
  EXPECT_EQ(ticks, 11);  // the first ring and ten counted ticks
  EXPECT_GT(litFrames, 0);
  EXPECT_GT(darkFrames, 0);
  EXPECT_EQ(ev.Alarms, 11);
  EXPECT_EQ(c->Mode(), cmNormal);
  EXPECT_FALSE(c->Digital()->Flashing());
  EXPECT_EQ(c->AlarmCounter(), 10);
  win::testkit::AdvanceClock(3000);
  EXPECT_EQ(ev.Alarms, 11);  // cmNormal does not ring again
}

TEST_F(ClockTest, DisabledClockShowsNoTimeAndHandsAtTwelve) {
  TZYLClock* c = Place(121, 121);
  c->SetTransparent(false);
  c->SetColor(vcl::clWhite);
  c->SetClockOptions({coShowAnalog, co24Hour});
  c->SetEnabled(false);
  EXPECT_FALSE(c->Timer()->Enabled());
  Idle();
  auto cap = filltest::THostSession::Capture(panel_);
  const int cx = 10 + 60, cy = 10 + 60;
  const int R = 60 - 4;  // no bevel: margin 4
  // All three hands point up; the second hand (black) lies on top along the centre line.
  EXPECT_EQ(At(cap, cx, cy - R * 6 / 10), vcl::clBlack);
  EXPECT_EQ(At(cap, cx + 2, cy - R * 3 / 10), 0xFFFF00);    // the hour hand's edge
  EXPECT_EQ(At(cap, cx + 1, cy - R * 55 / 100), 0x808000);  // the minute hand beyond it
  // Nothing to the right of the centre but the face.
  EXPECT_EQ(At(cap, cx + R / 3, cy), vcl::clWhite);
  // The scale: big marks at 12 and 3 o'clock, small ones between, in the csWin95 colours.
  EXPECT_TRUE(Near(cap, cx, cy - R, 0x808000, 2));
  EXPECT_TRUE(Near(cap, cx + R, cy, 0x808000, 2));
  const int sx = cx + static_cast<int>(std::lround(R * std::sin(0.10472)));
  const int sy = cy - static_cast<int>(std::lround(R * std::cos(0.10472)));
  EXPECT_FALSE(Near(cap, sx, sy, 0x808000, 1));  // a small mark at one minute
  EXPECT_TRUE(Near(cap, sx, sy, filltest::RGBOf(vcl::clBtnFace), 1));
  c->SetEnabled(true);
  c->SetStyle(csSimple);
  Idle();
  cap = filltest::THostSession::Capture(panel_);
  EXPECT_FALSE(Near(cap, cx + R, cy, 0x808000, 2));
  EXPECT_TRUE(Near(cap, cx + R * 85 / 100, cy, vcl::clBlack, 1));  // a big mark's line
  // 12:00:00: the hands still point up, now from the time.
  EXPECT_EQ(At(cap, cx, cy - R * 6 / 10), vcl::clBlack);
}

TEST_F(ClockTest, SecondCircleGrowsAndShrinksByPhase) {
  TZYLClock* c = Place(121, 121);
  c->SetTransparent(false);
  c->SetColor(vcl::clWhite);
  c->SecondCircle()->SetColor(vcl::clRed);
  c->SetClockOptions({coShowAnalog, co24Hour, coShowSecCircle});
  const int cx = 10 + 60, cy = 10 + 60;
  const int rc = 60 - 4 - 1 + 1 + 2;  // R (margin 4 + pen width 1) + pen width + 2
  auto redAt = [&](double deg) {
    auto cap = filltest::THostSession::Capture(panel_);
    const double a = deg * 3.14159265358979 / 180;
    return Near(cap, cx + static_cast<int>(std::lround(rc * std::sin(a))),
                cy - static_cast<int>(std::lround(rc * std::cos(a))), vcl::clRed);
  };
  // 12:00:15 in the first phase: from the second clockwise round to 12 o'clock.
  win::testkit::AdvanceClock(15000);
  Idle();
  EXPECT_FALSE(redAt(45));
  EXPECT_TRUE(redAt(180));
  EXPECT_TRUE(redAt(300));
  // The minute turns over: the other phase, from 12 o'clock to the second.
  win::testkit::AdvanceClock(60000);
  Idle();
  EXPECT_TRUE(redAt(45));
  EXPECT_FALSE(redAt(180));
  EXPECT_FALSE(redAt(300));
}

TEST_F(ClockTest, DigitalOnlySizesToItsTextAndFaceIsCached) {
  TZYLClock* c = Place(150, 150);
  c->SetTransparent(false);
  Idle();
  EXPECT_FALSE(c->FaceDirty());
  c->Digital()->SetColor(0, vcl::clRed);  // the display is not part of the face
  EXPECT_FALSE(c->FaceDirty());
  c->SecondHand()->SetVisible(false);
  c->BeginUpdate();  // hold the repaint to see the flag
  c->MinuteHand()->SetColor(vcl::clBlue);
  EXPECT_TRUE(c->FaceDirty());
  c->EndUpdate(true);
  EXPECT_FALSE(c->FaceDirty());
  c->BeginUpdate();
  c->Bevel()->SetBorderWidth(3);
  EXPECT_TRUE(c->FaceDirty());  // the bevel is part of the face
  c->EndUpdate(true);
  EXPECT_FALSE(c->FaceDirty());

  c->SetClockOptions({coShowDigital, co24Hour});
  c->SetBoolean(0, true);
  Idle();
  const int e = c->BevelExt();
  ASSERT_GT(e, 0);
  EXPECT_EQ(c->Width(), 8 * 19 + 2 * e);
  EXPECT_EQ(c->Height(), 28 + 2 * e);
  c->SetBoolean(1, false);  // "hh:nn"
  Idle();
  EXPECT_EQ(c->Width(), 5 * 19 + 2 * e);
  auto cap = filltest::THostSession::Capture(panel_);
  // "12:00": the first cell's middle verticals lit.
  EXPECT_EQ(At(cap, 10 + e + 9, 10 + e + 8), vcl::clRed);
}

// What makes the cached face be drawn again: a new background from the parent, a new size or
// a new colour; each time the next paint draws it and the face is clean again.
TEST_F(ClockTest, BackgroundSizeAndColourChangesRedrawTheFace) {
  TZYLClock* c = Place(100, 100);
  c->SetTransparent(false);
  Idle();
  struct {
    const char* Name;
    std::function<void()> Change;
  } const cases[] = {
      {"background", [&] { c->BackUpdate(); }},
      {"size", [&] { c->SetBounds(c->Left(), c->Top(), 120, 110); }},
      {"colour", [&] { c->SetColor(vcl::clYellow); }},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.Name);
    ASSERT_FALSE(c->FaceDirty());
    c->BeginUpdate();  // hold the repaint to see the flag
    k.Change();
    EXPECT_TRUE(c->FaceDirty());
    c->EndUpdate(true);
    Idle();
    EXPECT_FALSE(c->FaceDirty());
  }
  // The new colour is the face's ground.
  const auto cap = filltest::THostSession::Capture(panel_);
  EXPECT_EQ(At(cap, 10 + 3, 10 + 3), vcl::clYellow);
}

TEST_F(ClockTest, ModeChangesStopCountdownAndStopWatch) {
  TZYLClock c(nullptr);
  TEvents ev;
  c.SetOnStopWatchStart(vcl::TNotifyEvent(&ev, &TEvents::WStart));
  c.SetOnStopWatchEnd(vcl::TNotifyEvent(&ev, &TEvents::WEnd));
  c.StartCountdown();
  EXPECT_TRUE(c.Countdown()->Enabled());
  c.SetMode(cmNormal);
  EXPECT_FALSE(c.Countdown()->Enabled());
  c.StartStpWatch();
  EXPECT_EQ(ev.WatchStarts, 1);
  EXPECT_EQ(c.Mode(), cmStopwatch);
  EXPECT_TRUE(c.StopwatchRunning());
  c.SetMode(cmDate);
  EXPECT_FALSE(c.StopwatchRunning());
  // A stop watch stopped at once (or with a clock set back) shows zero, never a negative time.
  c.SetClockOptions({coShowAnalog, co24Hour, coOffset});
  c.StartStpWatch();
  c.TimeOffset()->SetValue(1, -1);
  c.EndStpWatch();
  EXPECT_EQ(ev.WatchEnds, 1);
  EXPECT_EQ(c.Stopwatch(), 0);
  // The alarm ends in cmNormal with the display steady.
  c.SetMode(cmAlarm);
  c.Alarm();
  EXPECT_TRUE(c.Digital()->Flashing());
  c.EndAlarm();
  EXPECT_FALSE(c.AlarmActive());
  EXPECT_FALSE(c.Digital()->Flashing());
  EXPECT_EQ(c.Mode(), cmNormal);
}

TEST_F(ClockTest, TinyAndEmptySizesPaintWithoutFault) {
  TZYLClock* c = Place(6, 6);
  c->SetClockOptions({coShowAnalog, coShowDigital, coShowSecCircle, co24Hour});
  c->FillObject()->SetFillStyle(sfGradient);
  c->SetFillMode(fmClock);
  win::testkit::AdvanceClock(2000);
  c->SetBounds(10, 10, 0, 0);
  win::testkit::AdvanceClock(1000);
  // A display of empty cells: digital-only sizes to the bevel alone.
  c->Digital()->SetByte(1, 0);
  c->Digital()->SetByte(2, 0);
  c->Digital()->SetByte(3, 0);
  c->Bevel()->SetBorderWidth(2);
  c->SetBoolean(0, true);
  Idle();
  EXPECT_EQ(c->Width(), 2 * c->BevelExt());
  EXPECT_EQ(c->Height(), 2 * c->BevelExt());
}

TEST_F(ClockTest, TimerFollowsEnabledAndThePool) {
  TZYLClock c(nullptr);
  EXPECT_TRUE(c.Timer()->Enabled());
  EXPECT_EQ(c.Timer()->Interval(), 1000);
  EXPECT_FALSE(c.Timer()->Global());
  c.SetUseGlobalTimer(true);
  EXPECT_TRUE(c.Timer()->Global());
  EXPECT_EQ(c.Timer()->Interval(), 500);
  c.SetUseGlobalTimer(false);
  EXPECT_EQ(c.Timer()->Interval(), 1000);
  c.SetEnabled(false);
  EXPECT_FALSE(c.Timer()->Enabled());
  c.SetEnabled(true);
  EXPECT_TRUE(c.Timer()->Enabled());
}

TEST_F(ClockTest, AnEmptiedCustomFormatComesBackEmptyFromAFormFile) {
  TZYLClock* c = Place(120, 60);
  EXPECT_EQ(testsupport::EmptiedTextReadBack(c, "CustomDateTimeFormat"), "");
}

struct HandCase {
  const char* Name;
  void (TZYLClock::*Set)(TZYLClockHand*);
  TZYLClockHand* (TZYLClock::*Get)() const;
  int Length;  // tenths of the radius
};

class ClockHandSet : public ClockTest, public ::testing::WithParamInterface<HandCase> {};

// A hand set as a whole takes colour, thickness and visibility; the clock draws it so at once.
TEST_P(ClockHandSet, TakesTheOtherHandsLookAndIsDrawnSo) {
  const HandCase& h = GetParam();
  TZYLClock* c = Place(121, 121);
  c->SetTransparent(false);
  c->SetColor(vcl::clWhite);
  c->SetEnabled(false);  // every hand points up
  TZYLClockHand hidden;
  hidden.SetVisible(false);
  for (auto set : {&TZYLClock::SetHourHand, &TZYLClock::SetMinuteHand, &TZYLClock::SetSecondHand})
    (c->*set)(&hidden);
  TZYLClockHand red(vcl::clRed, 3);
  (c->*h.Set)(&red);
  TZYLClockHand* own = (c->*h.Get)();
  ASSERT_NE(own, &red);
  EXPECT_EQ(own->Color(), vcl::clRed);
  EXPECT_EQ(own->Thickness(), 3);
  EXPECT_TRUE(own->Visible());
  Idle();
  const auto cap = filltest::THostSession::Capture(panel_);
  const int cx = 10 + 60, cy = 10 + 60;
  const int R = 60 - 4;
  // Along the hand, up to its length; the face beyond it, before the scale begins.
  EXPECT_EQ(At(cap, cx, cy - R * (h.Length * 10 - 5) / 100), vcl::clRed);
  EXPECT_EQ(At(cap, cx + 1, cy - R * 2 / 10), vcl::clRed);
  EXPECT_EQ(At(cap, cx, cy - R * (h.Length * 10 + 5) / 100), vcl::clWhite);
  // The hidden hands are not drawn: nothing beside the thin red one.
  EXPECT_EQ(At(cap, cx + 3, cy - R * 2 / 10), vcl::clWhite);
  // Later changes of the source stay with the source.
  red.SetColor(vcl::clBlue);
  EXPECT_EQ(own->Color(), vcl::clRed);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, ClockHandSet,
    ::testing::Values(HandCase{"Hour", &TZYLClock::SetHourHand, &TZYLClock::HourHand, 5},
                      HandCase{"Minute", &TZYLClock::SetMinuteHand, &TZYLClock::MinuteHand, 6},
                      HandCase{"Second", &TZYLClock::SetSecondHand, &TZYLClock::SecondHand, 7}),
    [](const auto& Info) { return std::string(Info.param.Name); });

// A copied hand is written to a form by its own defaults, not by those of the hand it copied.
TEST_F(ClockTest, ACopiedHandIsStoredByItsOwnDefaults) {
  TZYLClock c(nullptr);
  TZYLClockHand like(0xFFFF00, 5);
  c.SetSecondHand(&like);
  EXPECT_TRUE(c.SecondHand()->IsColorStored());
  EXPECT_TRUE(c.SecondHand()->IsThicknessStored());
  c.SetHourHand(&like);
  EXPECT_FALSE(c.HourHand()->IsColorStored());
  EXPECT_FALSE(c.HourHand()->IsThicknessStored());
  vcl::TPen pen;
  EXPECT_THROW(c.HourHand()->Assign(&pen), vcl::EConvertError);
}

}  // namespace
}  // namespace zyl
