// The stop watch on the virtual clock: elapsed seconds, the caption and enabled state of the
// control it reports to, the wait cursor, repeated stops, the control's destruction and
// streaming.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/ZYLApplication.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Locale.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLStopWatch.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

// A control that publishes no Caption (its text is reachable only through code).
class TPlainControl : public vcl::TGraphicControl {
  ZYL_CLASS(TPlainControl, vcl::TGraphicControl)
  explicit TPlainControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
};
ZYL_CLASS_IMPL(TPlainControl) {}

// A control whose published Caption is an object, not a text.
class TObjectCaptionControl : public vcl::TGraphicControl {
  ZYL_CLASS(TObjectCaptionControl, vcl::TGraphicControl)
  explicit TObjectCaptionControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  ~TObjectCaptionControl() override { delete FLines; }
  vcl::TStringList* Lines() const { return FLines; }
  void SetLines(vcl::TStringList* Value) { FLines->Assign(Value); }

 private:
  vcl::TStringList* FLines = new vcl::TStringList();
};
ZYL_CLASS_IMPL(TObjectCaptionControl) {
  b.Prop("Caption", &TObjectCaptionControl::Lines, &TObjectCaptionControl::SetLines);
}

// A control that tells its user's handler when its Caption is written.
class TToldCaptionControl : public vcl::TGraphicControl {
  ZYL_CLASS(TToldCaptionControl, vcl::TGraphicControl)
  explicit TToldCaptionControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
  const std::string& Told() const { return FTold; }
  void SetTold(const std::string& Value) {
    FTold = Value;
    if (OnCaptionChange) OnCaptionChange(this);
  }
  vcl::TNotifyEvent OnCaptionChange;

 private:
  std::string FTold;
};
ZYL_CLASS_IMPL(TToldCaptionControl) {
  b.Prop("Caption", &TToldCaptionControl::Told, &TToldCaptionControl::SetTold);
}

class StopWatchTest : public ::testing::Test {
 protected:
  void TearDown() override {
    vcl::Screen->SetCursor(vcl::crDefault);
  }
  void Advance(uint64_t ms) { session_.Clock().Advance(ms); }

  vcl::testkit::TControlsSession session_;
  vcl::TFormatSettingsScope formats_;
};

TEST_F(StopWatchTest, MeasuresOnTheCounterAndShowsTheResultInTheControl) {
  TZYLStopWatch w(nullptr);
  vcl::TButton button(nullptr);
  button.SetCaption("Run");
  w.SetControl(&button);
  w.Start();
  EXPECT_TRUE(w.Active());
  EXPECT_EQ(button.Caption(), "Time: ");  // the text alone while running
  EXPECT_FALSE(button.Enabled());
  Advance(1500);
  EXPECT_DOUBLE_EQ(w.Stop(), 1.5);
  EXPECT_DOUBLE_EQ(w.ElapsedTime(), 1.5);
  EXPECT_EQ(button.Caption(), "Time: 1.50");
  EXPECT_TRUE(button.Enabled());
  // Microseconds count: the counter, not the millisecond ticks, is read.
  w.Start();
  session_.Clock().AdvanceMicroseconds(1234);
  EXPECT_NEAR(w.Stop(), 0.001234, 1e-12);
}

TEST_F(StopWatchTest, TimeStringFollowsDigitsAndTheLocaleNumberFormat) {
  TZYLStopWatch w(nullptr);
  w.Start();
  Advance(1234567);
  w.Stop();
  EXPECT_EQ(w.GetTimeString(), "1,234.57");
  w.SetDigits(0);
  EXPECT_EQ(w.GetTimeString(), "1,235");
  w.SetDigits(3);
  w.SetSuffix(" s");
  w.SetCaption("Took ");
  EXPECT_EQ(w.GetDisplayCaption(), "Took 1,234.567 s");
  // The locale's separators apply.
  vcl::FormatSettings.DecimalSeparator = ',';
  vcl::FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(w.GetTimeString(), "1.234,567");
  // Digits beyond what the number format offers do not fail.
  w.SetDigits(255);
  EXPECT_EQ(w.GetTimeString().substr(0, 9), "1.234,567");
}

TEST_F(StopWatchTest, StopWithoutStartChangesNothing) {
  TZYLStopWatch w(nullptr);
  vcl::TButton button(nullptr);
  button.SetCaption("Idle");
  w.SetControl(&button);
  w.SetWaitCursor(true);
  vcl::Screen->SetCursor(vcl::crCross);
  EXPECT_EQ(w.Stop(), 0.0);
  w.SetActive(false);
  EXPECT_FALSE(w.Active());
  EXPECT_EQ(button.Caption(), "Idle");
  EXPECT_TRUE(button.Enabled());
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crCross);
}

TEST_F(StopWatchTest, StaysActiveSoLaterStopsMeasureFromTheSameStart) {
  TZYLStopWatch w(nullptr);
  w.SetActive(true);
  Advance(1000);
  EXPECT_DOUBLE_EQ(w.Stop(), 1.0);
  EXPECT_TRUE(w.Active());
  Advance(500);
  EXPECT_DOUBLE_EQ(w.Stop(), 1.5);
  // Start again: the running measurement is stopped first, then timing restarts at zero.
  vcl::TButton button(nullptr);
  w.SetControl(&button);
  Advance(500);
  w.Start();
  EXPECT_EQ(w.ElapsedTime(), 0.0);
  EXPECT_EQ(button.Caption(), "Time: ");
  Advance(250);
  EXPECT_DOUBLE_EQ(w.Stop(), 0.25);
}

TEST_F(StopWatchTest, WaitCursorWhileRunning) {
  TZYLStopWatch w(nullptr);
  w.SetWaitCursor(true);
  w.Start();
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crHourGlass);
  Advance(10);
  w.Stop();
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crDefault);
  // Without the option the cursor is left alone.
  w.SetWaitCursor(false);
  vcl::Screen->SetCursor(vcl::crCross);
  w.Start();
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crCross);
  w.Stop();
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crCross);
}

// The hourglass belongs to the running watch: freed while it runs, the watch gives the screen
// its cursor back, unless someone set another cursor since; a stopped watch leaves the cursor
// alone.
TEST_F(StopWatchTest, FreedWhileRunningItTakesItsHourglassBack) {
  struct TCase {
    const char* Name;
    bool Stopped;           // Stop ran before the watch was freed
    vcl::TCursor SetSince;  // a cursor someone set while the watch ran (crDefault: none)
    vcl::TCursor Expected;
  };
  for (const TCase& c : std::initializer_list<TCase>{
           {"running", false, vcl::crDefault, vcl::crDefault},
           {"running, another cursor set since", false, vcl::crCross, vcl::crCross},
           {"stopped, another cursor set since", true, vcl::crCross, vcl::crCross}}) {
    SCOPED_TRACE(c.Name);
    vcl::Screen->SetCursor(vcl::crDefault);
    {
      TZYLStopWatch w(nullptr);
      w.SetWaitCursor(true);
      w.Start();
      ASSERT_EQ(vcl::Screen->Cursor(), vcl::crHourGlass);
      if (c.Stopped) w.Stop();
      if (c.SetSince != vcl::crDefault) vcl::Screen->SetCursor(c.SetSince);
    }
    EXPECT_EQ(vcl::Screen->Cursor(), c.Expected);
  }
}

// The control is disabled for the run: a watch freed while it runs enables it again, as a
// Stop would; a stopped watch, or one whose control was enabled by someone since, changes
// nothing.
TEST_F(StopWatchTest, FreedWhileRunningItEnablesItsControlAgain) {
  struct TCase {
    const char* Name;
    bool Stopped;       // Stop ran before the watch was freed
    bool DisableAfter;  // the control was disabled by its owner after the stop
    bool Expected;      // Enabled once the watch is gone
  };
  for (const TCase& c : std::initializer_list<TCase>{
           {"running", false, false, true},
           {"stopped, then disabled by its owner", true, true, false}}) {
    SCOPED_TRACE(c.Name);
    vcl::TButton button(nullptr);
    {
      TZYLStopWatch w(nullptr);
      w.SetControl(&button);
      w.Start();
      ASSERT_FALSE(button.Enabled());
      if (c.Stopped) w.Stop();
      if (c.DisableAfter) button.SetEnabled(false);
    }
    EXPECT_EQ(button.Enabled(), c.Expected);
    EXPECT_EQ(button.Caption(), c.Stopped ? "Time: 0.00" : "Time: ");
  }
}

TEST_F(StopWatchTest, ControlsWithoutATextCaptionAreOnlyDisabledAndEnabled) {
  TZYLStopWatch w(nullptr);
  TPlainControl plain(nullptr);
  plain.SetText("untouched");
  w.SetControl(&plain);
  w.Start();
  EXPECT_FALSE(plain.Enabled());
  Advance(100);
  w.Stop();
  EXPECT_TRUE(plain.Enabled());
  EXPECT_EQ(plain.Text(), "untouched");

  TObjectCaptionControl other(nullptr);
  other.Lines()->Add("kept");
  w.SetControl(&other);
  w.Start();
  EXPECT_FALSE(other.Enabled());
  w.Stop();
  EXPECT_TRUE(other.Enabled());
  ASSERT_EQ(other.Lines()->Count(), 1);
  EXPECT_EQ(other.Lines()->Get(0), "kept");
}

TEST_F(StopWatchTest, ForgetsTheControlWhenItIsDestroyed) {
  TZYLStopWatch w(nullptr);
  auto* label = new vcl::TLabel(nullptr);
  w.SetControl(label);
  w.Start();
  delete label;
  EXPECT_EQ(w.Control(), nullptr);
  Advance(20);
  EXPECT_DOUBLE_EQ(w.Stop(), 0.02);  // no access to the freed control
  // A control that outlives the watch does not call back into it.
  auto* button = new vcl::TButton(nullptr);
  {
    TZYLStopWatch w2(nullptr);
    w2.SetControl(button);
  }
  delete button;
  SUCCEED();
}

TEST_F(StopWatchTest, UsesTheApplicationObjectsCounterFrequency) {
  ZYLApplicationInit();
  ASSERT_NE(ZYLApplication(), nullptr);
  TZYLStopWatch w(nullptr);
  w.Start();
  Advance(2000);
  EXPECT_DOUBLE_EQ(w.Stop(), 2.0);
  ZYLApplicationDone();
}

}  // namespace
}  // namespace zyl

namespace zyl {
namespace {

// The user's handler of the control's caption raises while the watch writes its text: the
// error comes back to the caller of Start or Stop, and the watch is left as after a quiet call
// (running with the control disabled and the hourglass up after Start; stopped with the
// control enabled, the cursor back and the time measured after Stop), so a later Stop measures
// from that Start.
class StopWatchRaisingCaption : public StopWatchTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StopWatchRaisingCaption, LeavesTheWatchAsAQuietCallWould) {
  const bool inStop = GetParam();
  testsupport::TRaisingHandler raising;
  TZYLStopWatch w(nullptr);
  TToldCaptionControl control(nullptr);
  control.OnCaptionChange = vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify);
  w.SetControl(&control);
  w.SetWaitCursor(true);
  raising.Armed = !inStop;
  if (inStop)
    w.Start();
  else
    EXPECT_THROW(w.Start(), testsupport::EHandlerFailed);
  EXPECT_TRUE(w.Active());
  EXPECT_FALSE(control.Enabled());
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crHourGlass);
  Advance(1500);
  raising.Armed = inStop;
  if (inStop)
    EXPECT_THROW(w.Stop(), testsupport::EHandlerFailed);
  else
    w.Stop();
  EXPECT_DOUBLE_EQ(w.ElapsedTime(), 1.5);
  EXPECT_TRUE(control.Enabled());
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crDefault);
  EXPECT_EQ(control.Told(), "Time: 1.50");
}

INSTANTIATE_TEST_SUITE_P(Calls, StopWatchRaisingCaption, ::testing::Values(false, true),
                         [](const auto& info) {
                           return std::string(info.param ? "Stop" : "Start");
                         });

}  // namespace
}  // namespace zyl
