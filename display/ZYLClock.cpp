#include "display/ZYLClock.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "display/ZYLLED.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLDateTime.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/DateTime.h"

namespace zyl {

using vcl::TColor;
using vcl::TPoint;
using vcl::TRect;

const char* const SZYLClockNoStyle = "One clock style must be active!";

namespace {

constexpr double SecsPerDay = 86400.0;
constexpr double Pi = 3.14159265358979323846;

// Whole-day parts first, then the fractions: Now has reached Time when it is equal or later.
bool Reached(double Time, double Current) {
  const double dt = std::trunc(Time), dc = std::trunc(Current);
  if (dc != dt) return dc > dt;
  return (Current - dc) >= (Time - dt);
}

// The point at Radius from the centre in the direction Degrees clockwise from 12 o'clock.
TPoint Polar(int CX, int CY, double Radius, double Degrees) {
  const double a = Degrees * Pi / 180.0;
  return TPoint{CX + static_cast<int>(vcl::Round(Radius * std::sin(a))),
                CY - static_cast<int>(vcl::Round(Radius * std::cos(a)))};
}

// Whole milliseconds of a non-negative span of days.
int64_t SpanMs(double Days) { return Days <= 0 ? 0 : vcl::Round(Days * SecsPerDay * 1000.0); }

}  // namespace

// ---- TZYLClockHand ----

ZYL_CLASS_IMPL(TZYLClockHand) {
  using C = TZYLClockHand;
  b.Prop("Color", &C::Color, &C::SetColor, vcl::ColorTypeInfo())
      .Stored(&C::IsColorStored)
      .Prop("Thickness", &C::Thickness, &C::SetThickness)
      .Stored(&C::IsThicknessStored)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true);
}

TZYLClockHand::TZYLClockHand(TColor Color, uint8_t Thickness)
    : FColor(Color), FThickness(Thickness), FDefColor(Color), FDefThickness(Thickness) {}

void TZYLClockHand::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLClockHand*>(Source)) {
    FColor = s->FColor;
    FThickness = s->FThickness;
    FVisible = s->FVisible;
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TZYLClockHand::SetColor(TColor Value) {
  if (ZYLStoreValue(FColor, Value)) Change();
}
void TZYLClockHand::SetThickness(uint8_t Value) {
  if (ZYLStoreValue(FThickness, Value)) Change();
}
void TZYLClockHand::SetVisible(bool Value) {
  if (ZYLStoreValue(FVisible, Value)) Change();
}

// ---- TZYLTimeInterval ----

ZYL_CLASS_IMPL(TZYLTimeInterval) {
  using C = TZYLTimeInterval;
  b.Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(false)
      .Prop("Hour", &C::GetTime, &C::SetTime)
      .Index(tiHour)
      .Default(0)
      .Prop("Minute", &C::GetTime, &C::SetTime)
      .Index(tiMinute)
      .Default(1)
      .Prop("Second", &C::GetTime, &C::SetTime)
      .Index(tiSecond)
      .Default(0);
}

TZYLTimeInterval::TZYLTimeInterval() { FEndTime = vcl::Now() + 1.0 / 1440.0; }

void TZYLTimeInterval::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLTimeInterval*>(Source)) {
    FHour = s->FHour;
    FMinute = s->FMinute;
    FSecond = s->FSecond;
    FEnabled = s->FEnabled;
    Restart();
    Change();
    return;
  }
  inherited::Assign(Source);
}

double TZYLTimeInterval::Length() const {
  return (FHour * 3600.0 + FMinute * 60.0 + FSecond) / SecsPerDay;
}

void TZYLTimeInterval::Restart() { FEndTime = vcl::Now() + Length(); }

uint16_t TZYLTimeInterval::GetTime(int Index) const {
  return Index == tiHour ? FHour : Index == tiMinute ? FMinute : FSecond;
}

void TZYLTimeInterval::SetTime(int Index, uint16_t Value) {
  uint16_t* f = Index == tiHour ? &FHour : Index == tiMinute ? &FMinute : Index == tiSecond ? &FSecond : nullptr;
  if (!f || !ZYLStoreValue(*f, Value)) return;
  Restart();
  Change();
}

void TZYLTimeInterval::SetEnabled(bool Value) {
  if (!ZYLStoreValue(FEnabled, Value)) return;
  Restart();
  Change();
}

void TZYLTimeInterval::SetEndtime(double Value) {
  if (!ZYLStoreValue(FEndTime, Value)) return;
  const double left = FEndTime - vcl::Now();
  if (left > 0) {
    // Whole seconds of what is left; hours beyond the field's range are limited to it.
    const int64_t secs = SpanMs(left) / 1000;
    FHour = static_cast<uint16_t>(std::min<int64_t>(secs / 3600, 65535));
    FMinute = static_cast<uint16_t>(secs / 60 % 60);
    FSecond = static_cast<uint16_t>(secs % 60);
    Change();
  } else {
    FMinute = 0;  // so that the setter below sees a change
    SetTime(2, 1);
  }
}

// ---- TZYLTimeOffset ----

ZYL_CLASS_IMPL(TZYLTimeOffset) {
  using C = TZYLTimeOffset;
  b.Prop("Days", &C::GetValue, &C::SetValue)
      .Index(opDays)
      .Default(0)
      .Prop("Hours", &C::GetValue, &C::SetValue)
      .Index(opHours)
      .Default(0)
      .Prop("Minutes", &C::GetValue, &C::SetValue)
      .Index(opMinutes)
      .Default(0)
      .Prop("Seconds", &C::GetValue, &C::SetValue)
      .Index(opSeconds)
      .Default(0);
}

void TZYLTimeOffset::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLTimeOffset*>(Source)) {
    std::copy(std::begin(s->FValues), std::end(s->FValues), std::begin(FValues));
    Change();
    return;
  }
  inherited::Assign(Source);
}

int32_t TZYLTimeOffset::GetValue(int Index) const {
  return (Index >= opDays && Index <= opSeconds) ? FValues[Index] : 0;
}

void TZYLTimeOffset::SetValue(int Index, int32_t Value) {
  if (Index < opDays || Index > opSeconds || !ZYLStoreValue(FValues[Index], Value)) return;
  Change();
}

void TZYLTimeOffset::Offset(double& DateTime) const {
  DateTime += FValues[0] + FValues[1] / 24.0 + FValues[2] / 1440.0 + FValues[3] / SecsPerDay;
}

// ---- TZYLClock ----

ZYL_MESSAGE_MAP(TZYLClock) {
  m.On(vcl::CM_COLORCHANGED, &TZYLClock::CMColorChanged)
      .On(vcl::CM_ENABLEDCHANGED, &TZYLClock::CMEnabledChanged);
}

ZYL_CLASS_IMPL(TZYLClock) {
  using C = TZYLClock;
  b.Publish("About")
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      // A new clock is in the button face colour, not the control's declared window colour: the
      // colour is always written.
      .Publish("Color")
      .NoDefault()
      .Prop("ColorBigTick", &C::GetFaceColors, &C::SetFaceColors, vcl::ColorTypeInfo())
      .Index(fcBigTick)
      .Default(0x808000)
      .Prop("ColorBigTickShade", &C::GetFaceColors, &C::SetFaceColors, vcl::ColorTypeInfo())
      .Index(fcBigTickShade)
      .Default(0xFFFF00)
      .Prop("ColorSmallTick", &C::GetFaceColors, &C::SetFaceColors, vcl::ColorTypeInfo())
      .Index(fcSmallTick)
      .Default(0xFFFFFF)
      .Prop("ColorSmallTickShade", &C::GetFaceColors, &C::SetFaceColors, vcl::ColorTypeInfo())
      .Index(fcSmallTickShade)
      .Default(vcl::clBtnFace)
      .Prop("CustomDateTimeFormat", &C::CustomDateTimeFormat, &C::SetDateTimeFormat)
      .Stored(&C::IsFormatStored)
      .EmptyStored()
      .Prop("Digital", &C::Digital, &C::SetDigital)
      .Prop("DigitalColor", &C::GetFaceColors, &C::SetFaceColors, vcl::ColorTypeInfo())
      .Index(fcDigital)
      .Default(0)
      .Prop("DigitalOnly", &C::GetBoolean, &C::SetBoolean)
      .Index(bpDigitalOnly)
      .Default(false)
      .Prop("DigitalPosX", &C::GetPos, &C::SetPos)
      .Index(ppDigitalPosX)
      .Default(-1)
      .Prop("DigitalPosY", &C::GetPos, &C::SetPos)
      .Index(ppDigitalPosY)
      .Default(-1)
      .Prop("DigitalShowSecs", &C::GetBoolean, &C::SetBoolean)
      .Index(bpDigitalShowSecs)
      .Default(true)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("FillMode", &C::FillMode, &C::SetFillMode)
      .Default(fmControl)
      .Prop("FillObject", &C::FillObject, &C::SetFillObject)
      .Prop("FixedTime", &C::FixedTime, &C::SetFixed)
      .Prop("HourHand", &C::HourHand, &C::SetHourHand)
      .Publish("ImageList")
      .Prop("ListIndex", &C::GetListIndex, &C::SetListIndex)
      .Default(0)
      .Prop("MinuteHand", &C::MinuteHand, &C::SetMinuteHand)
      .Prop("Mode", &C::Mode, &C::SetMode)
      .Default(cmNormal)
      .Prop("Options", &C::Options, &C::SetClockOptions)
      .Default(TZYLClockOptions{coShowAnalog, co24Hour})
      .Publish({"ParentShowHint", "PopupMenu"})
      .Prop("RepeatAlarm", &C::RepeatAlarm, &C::SetRepeatAlarm)
      .Default(10)
      .Prop("SecondCircle", &C::SecondCircle, &C::SetCirclePen)
      .Prop("SecondHand", &C::SecondHand, &C::SetSecondHand)
      .Publish("ShowHint")
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(csWin95)
      .Prop("TimeOffset", &C::TimeOffset, &C::SetOffset)
      .Publish("Transparent")
      .Prop("UseCustomDateTime", &C::GetBoolean, &C::SetBoolean)
      .Index(bpUseCustomDateTime)
      .Default(false)
      .Prop("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false)
      .Publish("Visible")
      .Prop("OnAlarm", &C::GetOnAlarm, &C::SetOnAlarm)
      .Publish("OnClick")
      .Prop("OnCountdownEnd", &C::GetOnCountdownEnd, &C::SetOnCountdownEnd)
      .Prop("OnCountdownStart", &C::GetOnCountdownStart, &C::SetOnCountdownStart)
      .Publish({"OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"})
      .Prop("OnStopWatchEnd", &C::GetOnStopWatchEnd, &C::SetOnStopWatchEnd)
      .Prop("OnStopWatchStart", &C::GetOnStopWatchStart, &C::SetOnStopWatchStart);
}

TZYLClock::TZYLClock(vcl::TComponent* AOwner) : inherited(AOwner) {
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csSetCaption);
  SetControlStyle(s);
  const vcl::TNotifyEvent change(this, &TZYLClock::GetChange);
  FDigital.reset(new TZYLLED(), change);
  FHands[0].reset(new TZYLClockHand(0xFFFF00, 5), change);
  FHands[1].reset(new TZYLClockHand(0x808000, 3), change);
  FHands[2].reset(new TZYLClockHand(0, 1), change);
  FTimer.reset(new TZYLTimer(1000, vcl::TNotifyEvent(this, &TZYLClock::OnTimer), true, false));
  FAlarmTime = vcl::Date();
  FCountdown.reset(new TZYLTimeInterval());
  FFaceColors[0] = 0xFFFFFF;
  FFaceColors[1] = vcl::clBtnFace;
  FFaceColors[2] = 0x808000;
  FFaceColors[3] = 0xFFFF00;
  FFaceColors[4] = 0;
  FFace.reset(new vcl::TBitmap());
  FFixedTime.reset(new TZYLDateTime(), change);
  FTimeOffset.reset(new TZYLTimeOffset(), change);
  FFillObject.reset(new TZYLFillObject());
  FFillObject->SetFillStyle(sfNone);
  FFillObject.Link(change);
  FSecondCircle.reset(new vcl::TPen(), change);
}

TZYLClock::~TZYLClock() {
  FTimer.reset();
  FSecondCircle.reset();
  FFillObject.reset();
  FTimeOffset.reset();
  FFixedTime.reset();
  FFace.reset();
  FCountdown.reset();
  for (TZYLOwned<TZYLClockHand>& h : FHands) h.reset();
  FDigital.reset();
}

// ---- Setters ----

void TZYLClock::SetDigital(TZYLLED* Value) {
  if (Value) FDigital->Assign(Value);
}
void TZYLClock::SetHourHand(TZYLClockHand* Value) {
  if (Value) FHands[0]->Assign(Value);
}
void TZYLClock::SetMinuteHand(TZYLClockHand* Value) {
  if (Value) FHands[1]->Assign(Value);
}
void TZYLClock::SetSecondHand(TZYLClockHand* Value) {
  if (Value) FHands[2]->Assign(Value);
}
void TZYLClock::SetFixed(TZYLDateTime* Value) {
  if (Value) FFixedTime->Assign(Value);
}
void TZYLClock::SetOffset(TZYLTimeOffset* Value) {
  if (Value) FTimeOffset->Assign(Value);
}
void TZYLClock::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}
void TZYLClock::SetCirclePen(vcl::TPen* Value) {
  if (Value) FSecondCircle->Assign(Value);
}

bool TZYLClock::GetBoolean(int Index) const {
  return Index == bpDigitalOnly ? FDigitalOnly : Index == bpDigitalShowSecs ? FDigitalShowSecs : FUseCustomDateTime;
}

void TZYLClock::SetBoolean(int Index, bool Value) {
  bool* f = Index == bpDigitalOnly ? &FDigitalOnly
            : Index == bpDigitalShowSecs ? &FDigitalShowSecs
            : Index == bpUseCustomDateTime ? &FUseCustomDateTime
                         : nullptr;
  if (!f || !ZYLStoreValue(*f, Value)) return;
  FInternalFormat = FDigitalShowSecs ? "hh:nn:ss" : "hh:nn";
  FFace->SetSize(0, 0);
  GetChange(nullptr);
}

void TZYLClock::SetDateTimeFormat(const std::string& Value) {
  if (!ZYLStoreValue(FCustomDateTimeFormat, Value)) return;
  if (FUseCustomDateTime) PaintNow();
}

void TZYLClock::SetMode(TZYLClockMode Value) {
  if (FMode == Value) return;
  FCountdown->SetEnabled(false);
  FStopwatchRunning = false;
  FMode = Value;
  PaintNow();
}

void TZYLClock::SetPos(int Index, int32_t Value) {
  int32_t* f = Index == ppDigitalPosX ? &FDigitalPosX : Index == ppDigitalPosY ? &FDigitalPosY : nullptr;
  if (f && ZYLStoreValue(*f, Value)) GetChange(nullptr);
}

void TZYLClock::SetStyle(TZYLClockStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) GetChange(nullptr);
}

TColor TZYLClock::GetFaceColors(int Index) const {
  return (Index >= fcSmallTick && Index <= fcDigital) ? FFaceColors[Index] : 0;
}

void TZYLClock::SetFaceColors(int Index, TColor Value) {
  if (Index < fcSmallTick || Index > fcDigital || !ZYLStoreValue(FFaceColors[Index], Value)) return;
  GetChange(nullptr);
}

void TZYLClock::SetClockOptions(TZYLClockOptions Value) {
  if (Value == FOptions) return;
  if (!Value.contains(coShowDigital) && !Value.contains(coShowAnalog))
    throw vcl::Exception(SZYLClockNoStyle);
  // A stream holds the digital position written beside the options: reading keeps it.
  if (FOptions.contains(coShowAnalog) && !Value.contains(coShowAnalog) &&
      !ComponentState().contains(vcl::csLoading)) {
    FDigitalPosX = 0;
    FDigitalPosY = 0;
  }
  FOptions = Value;
  GetChange(nullptr);
}

void TZYLClock::SetRepeatAlarm(uint16_t Value) {
  if (!ZYLStoreValue(FRepeatAlarm, Value)) return;
  // A ringing alarm keeps its count; the next one rings for the new number of ticks.
  if (!FAlarmActive) FAlarmCounter = Value;
}

void TZYLClock::SetFillMode(TZYLClockFill Value) {
  if (ZYLStoreValue(FFillMode, Value)) GetChange(nullptr);
}

void TZYLClock::SetUseGlobalTimer(bool Value) {
  if (!ZYLStoreValue(FUseGlobalTimer, Value)) return;
  FTimer->SetGlobal(Value);
  FTimer->SetInterval(Value ? 500 : 1000);
}

// ---- Time, modes and alarm ----

double TZYLClock::GetTime() {
  double t = FOptions.contains(coFixed) ? FFixedTime->Value() : vcl::Now();
  if (FOptions.contains(coOffset)) FTimeOffset->Offset(t);
  return t;
}

void TZYLClock::StartStpWatch() {
  FMode = cmStopwatch;
  FStopwatchRunning = true;
  FStopwatch = GetTime();
  if (FOnStopWatchStart) FOnStopWatchStart(this);
}

void TZYLClock::EndStpWatch() {
  FStopwatchRunning = false;
  const double elapsed = GetTime() - FStopwatch;
  FStopwatch = elapsed > 0 ? elapsed : 0;
  if (FOnStopWatchEnd) FOnStopWatchEnd(this);
}

void TZYLClock::StartCountdown() {
  // Enabling restarts the interval; an already enabled countdown starts over as well.
  if (FCountdown->Enabled()) FCountdown->SetEnabled(false);
  FCountdown->SetEnabled(true);
  FMode = cmCountdown;
  if (FOnCountdownStart) FOnCountdownStart(this);
}

void TZYLClock::EndCountdown() {
  FCountdown->SetEnabled(false);
  FMode = cmNormal;
  if (FOnCountdownEnd) FOnCountdownEnd(this);
}

void TZYLClock::Alarm() {
  FAlarmActive = true;
  FDigital->BeginFlash();
  if (FOnAlarm) FOnAlarm(this);
}

void TZYLClock::EndAlarm() {
  FDigital->EndFlash();
  SetMode(cmNormal);
  FAlarmActive = false;
}

void TZYLClock::OnTimer(vcl::TObject* /*Sender*/) {
  if (ComponentState().contains(vcl::csDesigning)) return;
  // An alarm raised by the countdown's end rings this tick once; counting starts next tick.
  bool rang = false;
  if (FCountdown->Enabled() && Reached(FCountdown->EndTime(), vcl::Now())) {
    if (Enabled()) EndCountdown();
    if (FOptions.contains(coEnableAlarm)) {
      Alarm();
      rang = true;
    }
  }
  if (!FAlarmActive || rang) {
    if (!rang && FMode == cmAlarm && FOptions.contains(coEnableAlarm) &&
        Reached(FAlarmTime, GetTime()))
      Alarm();
    PaintNow();
  } else {
    --FAlarmCounter;
    PaintNow();
    if (FRepeatAlarm != 0) Alarm();
    if (FAlarmCounter <= 0) {
      EndAlarm();
      FAlarmCounter = FRepeatAlarm;
    }
  }
}

std::string TZYLClock::NormalFormat() const {
  const std::string& f = FUseCustomDateTime ? FCustomDateTimeFormat : FInternalFormat;
  return FOptions.contains(co24Hour) ? f : f + " a/p";
}

std::string TZYLClock::GetDigitalText() {
  if (!Enabled()) return "--- NA ---";
  switch (FMode) {
    case cmNormal:
      return vcl::FormatDateTime(NormalFormat(), GetTime());
    case cmDate: {
      const double t = GetTime();
      return vcl::FormatDateTime("ddd", t) + " " + vcl::DateToStr(t);
    }
    case cmStopwatch: {
      double shown = FStopwatch;
      if (FStopwatchRunning) shown = std::max(0.0, GetTime() - FStopwatch);
      return "S " + vcl::TimeToStr(shown);
    }
    case cmCountdown: {
      // The countdown's end was taken from the real time, so it is measured against it.
      const int64_t secs = SpanMs(FCountdown->EndTime() - vcl::Now()) / 1000;
      char buf[48];
      std::snprintf(buf, sizeof buf, "C %.2d:%.2d:%.2d", static_cast<int>(secs / 3600),
                    static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
      return buf;
    }
    case cmAlarm:
      return std::string(FOptions.contains(coEnableAlarm) ? "A " : "NA ") +
             vcl::FormatDateTime(NormalFormat(), FAlarmTime);
  }
  return {};
}

// ---- Changes ----

void TZYLClock::GetChange(vcl::TObject* Sender) {
  if (!Sender || Sender == FFillObject || Sender == FBevel || Sender == FHands[0] ||
      Sender == FHands[1] || Sender == FHands[2] || Sender == FSecondCircle)
    FFaceDirty = true;
  PaintNow();
}

void TZYLClock::BackUpdate() {
  FFaceDirty = true;
  inherited::BackUpdate();
}

void TZYLClock::BoundsChange(TZYLBoundsChangeStates State) {
  FFaceDirty = true;
  inherited::BoundsChange(State);
}

void TZYLClock::CMColorChanged(vcl::TMessage& Message) {
  FFaceDirty = true;
  ZYL_INHERITED(Message);
}

void TZYLClock::CMEnabledChanged(vcl::TMessage& Message) {
  FTimer->SetEnabled(Enabled());
  GetChange(nullptr);
  ZYL_INHERITED(Message);
}

void TZYLClock::GetIMLChange(vcl::TObject* /*Sender*/) {
  FFillObject->TakeListItem(FImageList, FListIndex, FImageIndex);
  GetChange(FFillObject);
}

void TZYLClock::Loaded() {
  inherited::Loaded();
  if (FDigitalOnly) CorrectBounds();
  if (Enabled()) PaintNow();
  FAlarmCounter = FRepeatAlarm;
  if (Transparent()) FFaceDirty = true;
}

void TZYLClock::PaintNow() {
  if (IsUpdating() || ComponentState().contains(vcl::csLoading)) return;
  // Resizing before the paint, not inside it: the resize's own repaint then covers the new
  // bounds.
  if (FDigitalOnly && CorrectBounds()) return;
  if (Parent() && Parent()->HandleAllocated() && IsVisibleOnScreen())
    Paint();
  else
    Invalidate();
}

bool TZYLClock::CorrectBounds() {
  const int e = BevelExt();
  const int w = static_cast<int>(GetDigitalText().size()) * FDigital->GetWidth() + 2 * e;
  const int h = FDigital->GetHeight() + 2 * e;
  if (w == Width() && h == Height()) return false;
  SetBounds(Left(), Top(), w, h);
  return true;
}

// ---- Painting ----

void TZYLClock::Paint() {
  if (!Visible() || FPainting || ComponentState().contains(vcl::csLoading)) return;
  FPainting = true;
  vcl::TFinally done([this] { FPainting = false; });
  if (FDigitalOnly && CorrectBounds()) {
    // The new bounds are painted in a later cycle (a resize inside the parent's paint
    // would otherwise leave them blank).
    FPainting = false;
    Invalidate();
    return;
  }
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  const TRect client{0, 0, w, h};
  auto work = std::make_unique<vcl::TBitmap>();
  work->SetSize(w, h);
  vcl::TCanvas* c = work->Canvas();
  auto fillColor = [&] {
    c->Brush()->SetStyle(vcl::bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
  };
  if (FDigitalOnly) {
    fillColor();
    FBevel->PaintBevel(c, client, true);
    PaintDigital(c);
  } else {
    if (FFaceDirty || FFace->Width() != w || FFace->Height() != h) {
      FFaceDirty = false;
      const bool backAvailable = BackBitmapCheck();
      if (Transparent() && backAvailable) {
        BackDrawArea(c, client, TPoint{0, 0}, 0);
      } else if (FFillMode == fmControl && !FFillObject->GetEmpty()) {
        FFillObject->FillCanvas(c, client, Color());
      } else {
        fillColor();
      }
      FBevel->PaintBevel(c, client, true);
      if (FOptions.contains(coShowAnalog)) PaintAnalog(c);
      FFace->Assign(work.get());
      // Until the parent supplies its background, a transparent face is drawn afresh.
      if (Transparent() && !backAvailable) FFaceDirty = true;
    } else {
      // The cached face holds background, fill and bevel whether the scale shows or not.
      c->Draw(0, 0, FFace.get());
    }
    if (FOptions.contains(coShowDigital)) PaintDigital(c);
    if (FOptions.contains(coShowAnalog)) PaintHands(c);
  }
  Canvas()->Draw(0, 0, work.get());
}

int TZYLClock::Radius() const {
  const int e = BevelExt();
  int margin = e > 1 ? 2 * e : 4;
  if (FOptions.contains(coShowSecCircle)) margin += FSecondCircle->Width();
  return std::min(Width() / 2, Height() / 2) - margin;
}

void TZYLClock::PaintAnalog(vcl::TCanvas* Canvas) {
  const int cx = Width() / 2, cy = Height() / 2;
  const int R = Radius();
  if (R <= 0) return;
  if (FFillMode == fmClock && !FFillObject->GetEmpty()) {
    // The dial: the fill clipped to the circle.
    win::TSavedClip clip(Canvas->Handle());
    clip.IntersectLogical(
        win::TOwnedObject<win::HRGN>(win::CreateEllipticRgn(cx - R, cy - R, cx + R, cy + R)));
    FFillObject->FillCanvas(Canvas, TRect{cx - R, cy - R, cx + R, cy + R}, Color());
  }
  Canvas->Pen()->SetStyle(vcl::psSolid);
  Canvas->Pen()->SetWidth(1);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  for (int i = 0; i < 60; ++i) {
    const bool big = i % 5 == 0;
    const double deg = i * 6.0;
    const TPoint outer = Polar(cx, cy, R, deg);
    if (FStyle == csSimple) {
      const TPoint inner = Polar(cx, cy, (big ? 0.8 : 0.9) * R, deg);
      Canvas->Pen()->SetColor(vcl::clBlack);
      Canvas->MoveTo(inner.X, inner.Y);
      Canvas->LineTo(outer.X, outer.Y);
      continue;
    }
    const int x = outer.X, y = outer.Y;
    if (big) {
      Canvas->Brush()->SetColor(FFaceColors[2]);
      Canvas->Pen()->SetColor(FFaceColors[3]);
      Canvas->Rectangle(x - 3, y - 3, x + 2, y + 2);
      Canvas->Pen()->SetColor(vcl::clBlack);
      Canvas->MoveTo(x - 3, y + 1);
      Canvas->LineTo(x + 1, y + 1);
      Canvas->LineTo(x + 1, y - 3);
    } else {
      Canvas->Brush()->SetColor(FFaceColors[0]);
      Canvas->Pen()->SetColor(FFaceColors[0]);
      Canvas->Ellipse(x - 2, y - 2, x + 2, y + 2);
      Canvas->Brush()->SetColor(FFaceColors[1]);
      Canvas->Pen()->SetColor(FFaceColors[1]);
      Canvas->Ellipse(x - 2, y - 2, x + 1, y + 1);
    }
  }
}

void TZYLClock::PaintHands(vcl::TCanvas* Canvas) {
  const int cx = Width() / 2, cy = Height() / 2;
  const int R = Radius();
  uint16_t hh = 0, mm = 0, ss = 0, ms = 0;
  if (Enabled() && !ComponentState().contains(vcl::csDesigning))
    vcl::DecodeTime(GetTime(), hh, mm, ss, ms);
  const double angles[3] = {30.0 * (hh % 12) + 0.5 * mm, 6.0 * mm, 6.0 * ss};
  const double lengths[3] = {0.5, 0.6, 0.7};
  Canvas->Pen()->SetStyle(vcl::psSolid);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  if (R > 0) {
    for (int i = 0; i < 3; ++i) {
      const TZYLClockHand* hand = FHands[i];
      if (!hand->Visible()) continue;
      Canvas->Pen()->SetColor(hand->Color());
      Canvas->Pen()->SetWidth(hand->Thickness());
      const TPoint from = Polar(cx, cy, -0.1 * R, angles[i]);
      const TPoint to = Polar(cx, cy, lengths[i] * R, angles[i]);
      Canvas->MoveTo(from.X, from.Y);
      Canvas->LineTo(to.X, to.Y);
    }
  }
  if (!FOptions.contains(coShowSecCircle)) return;
  if (static_cast<int>(ss) < FLastSecond) FCirclePhase ^= 1;
  FLastSecond = ss;
  const int rc = R + FSecondCircle->Width() + 2;
  if (rc <= 0) return;
  const TPoint top = Polar(cx, cy, rc, 0);
  const TPoint pos = Polar(cx, cy, rc, 6.0 * ss);
  Canvas->Pen()->Assign(FSecondCircle);
  Canvas->Brush()->SetStyle(vcl::bsClear);
  // Arcs run counterclockwise: phase 0 shows the part from the second clockwise round to 12
  // o'clock (all of the circle at second 0), phase 1 the part from 12 o'clock to the second.
  if (FCirclePhase == 0)
    Canvas->Arc(cx - rc, cy - rc, cx + rc, cy + rc, top.X, top.Y, pos.X, pos.Y);
  else if (ss != 0)
    Canvas->Arc(cx - rc, cy - rc, cx + rc, cy + rc, pos.X, pos.Y, top.X, top.Y);
  Canvas->Brush()->SetStyle(vcl::bsSolid);
}

void TZYLClock::PaintDigital(vcl::TCanvas* Canvas) {
  const std::string text = GetDigitalText();
  const int e = BevelExt();
  const int w = static_cast<int>(text.size()) * FDigital->GetWidth();
  int x, y;
  if (FDigitalOnly) {
    x = e;
    y = e;
  } else {
    x = FDigitalPosX == -1 ? (Width() - w) / 2 : e + FDigitalPosX;
    y = FDigitalPosY == -1 ? std::min(Width() / 2, Height() / 2) : e + FDigitalPosY;
  }
  FDigital->BeginUpdate();
  FDigital->SetColor(TZYLLED::ciBackColor, FFaceColors[4]);
  FDigital->EndUpdate(false);
  FDigital->PaintLED(Canvas, TRect{x, y, x + w, y + FDigital->GetHeight()}, text, true,
                     Enabled());
}

void ZYLClockInit() {
  ZYLLEDInit();
  vcl::RegisterClasses({TZYLClock::StaticClass()});
}

void ZYLClockDone() { vcl::UnRegisterClasses({TZYLClock::StaticClass()}); }

}  // namespace zyl
