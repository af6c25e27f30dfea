// TZYLClock: a bevelled graphic control that shows the time as an analog face with hands
// and/or as a segment display, driven by a one-second timer; with a date mode, a stop watch, a
// countdown and an alarm that flashes the display. Also its settings objects: the clock hand,
// the countdown interval and the time offset.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TCanvas;
class TPen;
}  // namespace vcl

namespace zyl {

class TZYLDateTime;
class TZYLFillObject;
class TZYLLED;
class TZYLTimer;

ZYL_ENUM(TZYLClockMode, cmNormal, cmDate, cmStopwatch, cmCountdown, cmAlarm)
ZYL_ENUM(TZYLClockStyle, csSimple, csWin95)
ZYL_ENUM(TZYLClockOption, coShowDigital, coShowAnalog, coEnableAlarm, co24Hour, coFixed, coOffset,
         coShowSecCircle)
using TZYLClockOptions = vcl::TSet<TZYLClockOption>;
ZYL_ENUM(TZYLClockFill, fmControl, fmClock)

// The message of the options that would show neither display.
extern const char* const SZYLClockNoStyle;

// One hand: colour, pen width and visibility. The owner gives each hand its own defaults; a
// value is written to a form when it differs from the hand's own default.
class TZYLClockHand : public TZYLObject {
  ZYL_CLASS(TZYLClockHand, TZYLObject)
  TZYLClockHand() = default;
  TZYLClockHand(vcl::TColor Color, uint8_t Thickness);

  void Assign(vcl::TPersistent* Source) override;
  vcl::TColor Color() const { return FColor; }
  void SetColor(vcl::TColor Value);
  uint8_t Thickness() const { return FThickness; }
  void SetThickness(uint8_t Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  bool IsColorStored() const { return FColor != FDefColor; }
  bool IsThicknessStored() const { return FThickness != FDefThickness; }

 private:
  vcl::TColor FColor = 0;
  uint8_t FThickness = 2;
  bool FVisible = true;
  vcl::TColor FDefColor = 0;
  uint8_t FDefThickness = 2;
};

// A countdown length. Changing the length or Enabled restarts it: EndTime := Now + length.
class TZYLTimeInterval : public TZYLObject {
  ZYL_CLASS(TZYLTimeInterval, TZYLObject)
  // 0:01:00, ending one minute from now.
  TZYLTimeInterval();

  void Assign(vcl::TPersistent* Source) override;
  // Index 1 Hour, 2 Minute, 3 Second.
  enum TTimeProp : int { tiHour = 1, tiMinute, tiSecond };
  uint16_t GetTime(int Index) const;
  void SetTime(int Index, uint16_t Value);
  uint16_t Hour() const { return FHour; }
  uint16_t Minute() const { return FMinute; }
  uint16_t Second() const { return FSecond; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  double EndTime() const { return FEndTime; }
  // A future end takes the remaining time as its length; a past one resets to one minute.
  void SetEndtime(double Value);
  // The length in days.
  double Length() const;

 private:
  void Restart();
  uint16_t FHour = 0;
  uint16_t FMinute = 1;
  uint16_t FSecond = 0;
  bool FEnabled = false;
  double FEndTime = 0;
};

// Days, hours, minutes and seconds added to the shown time.
class TZYLTimeOffset : public TZYLObject {
  ZYL_CLASS(TZYLTimeOffset, TZYLObject)
  TZYLTimeOffset() = default;

  void Assign(vcl::TPersistent* Source) override;
  // Index 0 Days, 1 Hours, 2 Minutes, 3 Seconds.
  enum TOffsetProp : int { opDays, opHours, opMinutes, opSeconds };
  int32_t GetValue(int Index) const;
  void SetValue(int Index, int32_t Value);
  void Offset(double& DateTime) const;

 private:
  int32_t FValues[4] = {0, 0, 0, 0};
};

class TZYLClock : public TZYLGraphicControl {
  ZYL_CLASS(TZYLClock, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLClock)
  explicit TZYLClock(vcl::TComponent* AOwner);
  ~TZYLClock() override;

  // The text of the segment display for the mode.
  virtual std::string GetDigitalText();
  // Now, or the fixed time with coFixed; plus the offset with coOffset.
  virtual double GetTime();
  // Starts a ringing alarm: flashes the display and fires OnAlarm.
  virtual void Alarm();
  void EndAlarm();
  bool AlarmActive() const { return FAlarmActive; }
  int AlarmCounter() const { return FAlarmCounter; }

  void StartStpWatch();
  void EndStpWatch();
  bool StopwatchRunning() const { return FStopwatchRunning; }
  double Stopwatch() const { return FStopwatch; }
  void StartCountdown();
  void EndCountdown();
  TZYLTimeInterval* Countdown() const { return FCountdown.get(); }
  void SetAlarmTime(double Value) { FAlarmTime = Value; }

  // One timer tick (public for the timer and for callers that drive the clock).
  void OnTimer(vcl::TObject* Sender);
  TZYLTimer* Timer() const { return FTimer.get(); }

  // Marks the face dirty for the fill, bevel, hands, second circle or nil; then paints.
  void GetChange(vcl::TObject* Sender) override;
  void BackUpdate() override;
  bool FaceDirty() const { return FFaceDirty; }

  // ---- Properties ----
  TZYLLED* Digital() const { return FDigital.get(); }
  void SetDigital(TZYLLED* Value);
  // Index 0 DigitalOnly, 1 DigitalShowSecs, 2 UseCustomDateTime.
  // The indices of the indexed properties.
  enum TBooleanProp : int { bpDigitalOnly, bpDigitalShowSecs, bpUseCustomDateTime };
  enum TPosProp : int { ppDigitalPosX, ppDigitalPosY };
  enum TFaceColorProp : int { fcSmallTick, fcSmallTickShade, fcBigTick, fcBigTickShade, fcDigital };
  bool GetBoolean(int Index) const;
  void SetBoolean(int Index, bool Value);
  bool DigitalOnly() const { return FDigitalOnly; }
  bool DigitalShowSecs() const { return FDigitalShowSecs; }
  bool UseCustomDateTime() const { return FUseCustomDateTime; }
  const std::string& CustomDateTimeFormat() const { return FCustomDateTimeFormat; }
  void SetDateTimeFormat(const std::string& Value);
  bool IsFormatStored() const { return FCustomDateTimeFormat != "hh:nn:ss"; }
  TZYLClockHand* HourHand() const { return FHands[0]; }
  TZYLClockHand* MinuteHand() const { return FHands[1]; }
  TZYLClockHand* SecondHand() const { return FHands[2]; }
  void SetHourHand(TZYLClockHand* Value);
  void SetMinuteHand(TZYLClockHand* Value);
  void SetSecondHand(TZYLClockHand* Value);
  TZYLClockMode Mode() const { return FMode; }
  void SetMode(TZYLClockMode Value);
  // Index 0 DigitalPosX, 1 DigitalPosY; -1 places the display automatically.
  int32_t GetPos(int Index) const { return Index == ppDigitalPosX ? FDigitalPosX : FDigitalPosY; }
  void SetPos(int Index, int32_t Value);
  TZYLClockStyle Style() const { return FStyle; }
  void SetStyle(TZYLClockStyle Value);
  // Index 0 ColorSmallTick, 1 ColorSmallTickShade, 2 ColorBigTick, 3 ColorBigTickShade,
  // 4 DigitalColor.
  vcl::TColor GetFaceColors(int Index) const;
  void SetFaceColors(int Index, vcl::TColor Value);
  TZYLClockOptions Options() const { return FOptions; }
  // Raises an Exception (options unchanged) for a set without either display.
  void SetClockOptions(TZYLClockOptions Value);
  uint16_t RepeatAlarm() const { return FRepeatAlarm; }
  void SetRepeatAlarm(uint16_t Value);
  TZYLDateTime* FixedTime() const { return FFixedTime.get(); }
  void SetFixed(TZYLDateTime* Value);
  TZYLTimeOffset* TimeOffset() const { return FTimeOffset.get(); }
  void SetOffset(TZYLTimeOffset* Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);
  TZYLClockFill FillMode() const { return FFillMode; }
  void SetFillMode(TZYLClockFill Value);
  vcl::TPen* SecondCircle() const { return FSecondCircle.get(); }
  void SetCirclePen(vcl::TPen* Value);
  bool UseGlobalTimer() const { return FUseGlobalTimer; }
  void SetUseGlobalTimer(bool Value);

  const vcl::TNotifyEvent& GetOnAlarm() const { return FOnAlarm; }
  void SetOnAlarm(const vcl::TNotifyEvent& E) { FOnAlarm = E; }
  const vcl::TNotifyEvent& GetOnCountdownStart() const { return FOnCountdownStart; }
  void SetOnCountdownStart(const vcl::TNotifyEvent& E) { FOnCountdownStart = E; }
  const vcl::TNotifyEvent& GetOnCountdownEnd() const { return FOnCountdownEnd; }
  void SetOnCountdownEnd(const vcl::TNotifyEvent& E) { FOnCountdownEnd = E; }
  const vcl::TNotifyEvent& GetOnStopWatchStart() const { return FOnStopWatchStart; }
  void SetOnStopWatchStart(const vcl::TNotifyEvent& E) { FOnStopWatchStart = E; }
  const vcl::TNotifyEvent& GetOnStopWatchEnd() const { return FOnStopWatchEnd; }
  void SetOnStopWatchEnd(const vcl::TNotifyEvent& E) { FOnStopWatchEnd = E; }

  int32_t GetListIndex() const { return FListIndex; }
  void SetListIndex(int32_t Value) { SetIndex(iiListIndex, Value); }

 protected:
  void Loaded() override;
  void Paint() override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void GetIMLChange(vcl::TObject* Sender) override;
  void CMColorChanged(vcl::TMessage& Message);
  void CMEnabledChanged(vcl::TMessage& Message);
  // With DigitalOnly: sizes the control to the display; true when the size changed.
  bool CorrectBounds();
  void PaintAnalog(vcl::TCanvas* Canvas);
  void PaintHands(vcl::TCanvas* Canvas);
  void PaintDigital(vcl::TCanvas* Canvas);

 private:
  // Paints at once when the control is on screen, otherwise asks for a paint.
  void PaintNow();
  // The scale's margin and radius for the current size.
  int Radius() const;
  std::string NormalFormat() const;

  bool FAlarmActive = false;
  bool FFaceDirty = true;
  TZYLOwned<TZYLLED> FDigital;
  bool FUseCustomDateTime = false;
  bool FDigitalOnly = false;
  bool FDigitalShowSecs = true;
  std::string FInternalFormat = "hh:nn:ss";
  TZYLOwned<TZYLClockHand> FHands[3];
  std::unique_ptr<TZYLTimer> FTimer;
  double FAlarmTime = 0;
  double FStopwatch = 0;
  TZYLClockMode FMode = cmNormal;
  std::unique_ptr<TZYLTimeInterval> FCountdown;
  bool FStopwatchRunning = false;
  int32_t FDigitalPosY = -1;
  int32_t FDigitalPosX = -1;
  TZYLClockStyle FStyle = csWin95;
  vcl::TColor FFaceColors[5];
  TZYLClockOptions FOptions{coShowAnalog, co24Hour};
  std::unique_ptr<vcl::TBitmap> FFace;
  uint16_t FRepeatAlarm = 10;
  int FAlarmCounter = 10;
  std::string FCustomDateTimeFormat = "hh:nn:ss";
  TZYLOwned<TZYLDateTime> FFixedTime;
  TZYLOwned<TZYLTimeOffset> FTimeOffset;
  TZYLOwned<TZYLFillObject> FFillObject;
  TZYLClockFill FFillMode = fmControl;
  TZYLOwned<vcl::TPen> FSecondCircle;
  int FCirclePhase = 0;
  int FLastSecond = -1;
  bool FUseGlobalTimer = false;
  bool FPainting = false;

 protected:
  vcl::TNotifyEvent FOnStopWatchEnd;
  vcl::TNotifyEvent FOnStopWatchStart;

 protected:
  vcl::TNotifyEvent FOnCountdownEnd;
  vcl::TNotifyEvent FOnCountdownStart;

 protected:
  vcl::TNotifyEvent FOnAlarm;
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLClockInit();
void ZYLClockDone();
inline constexpr vcl::TUnitEntry ZYLClockUnit{"ZYLClock", &ZYLClockInit, &ZYLClockDone};

}  // namespace zyl
