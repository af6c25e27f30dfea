#include "system/ZYLStopWatch.h"

#include <algorithm>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLReference.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/user/WinUser.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLStopWatch) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLStopWatch;
  b.Publish("About")
      .Prop("Control", &C::Control, &C::SetControl)
      .Prop("Digits", &C::Digits, &C::SetDigits)
      .NoDefault()
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("Suffix", &C::Suffix, &C::SetSuffix)
      .Prop("WaitCursor", &C::WaitCursor, &C::SetWaitCursor)
      .Default(false);
}

TZYLStopWatch::TZYLStopWatch(vcl::TComponent* AOwner) : inherited(AOwner) {}

TZYLStopWatch::~TZYLStopWatch() {
  if (FHourGlass && vcl::Screen && vcl::Screen->Cursor() == vcl::crHourGlass)
    vcl::Screen->SetCursor(vcl::crDefault);
  if (FControlDisabled && FControl) FControl->SetEnabled(true);
  SetControl(nullptr);
}

void TZYLStopWatch::SetControl(vcl::TControl* Value) {
  if (Value != FControl) FControlDisabled = false;  // the flag speaks of the control it disabled
  ZYLSetReference(this, FControl, Value);
}

void TZYLStopWatch::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FControl) FControl = nullptr;
}

void TZYLStopWatch::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // The reader finds the published Caption by this name; only the writer needs the entry.
  Filer->DefineProperty(
      "Caption", [this](vcl::TReader* Reader) { FCaption = Reader->ReadString(); },
      [](vcl::TWriter* Writer) { Writer->WriteString(std::string()); }, FCaption.empty());
}

void TZYLStopWatch::SetActive(bool Value) {
  if (Value) Start();
  else Stop();
}

void TZYLStopWatch::WriteControlCaption(const std::string& Text) {
  if (!FControl) return;
  const vcl::TPropInfo* prop = vcl::GetPropInfo(FControl, "Caption");
  if (!prop || !prop->IsWritable()) return;
  // Only a text property takes the text; a Caption of another kind is left alone.
  switch (prop->Kind()) {
    case vcl::tkString:
    case vcl::tkLString:
    case vcl::tkWString: vcl::SetStrProp(FControl, prop, Text); break;
    default: break;
  }
}

void TZYLStopWatch::Start() {
  if (FActive) Stop();
  FElapsedTime = 0;
  FActive = true;
  // The measure starts last, also when the control's caption raises (a user's handler of it).
  // The tick count is taken too, for a Stop whose counter read fails.
  const vcl::TFinally started([this] {
    FStartTick = win::GetTickCount();
    FCounterStarted = win::QueryPerformanceCounter(&FStartCounter) != 0;
  });
  if (FWaitCursor && vcl::Screen) {
    vcl::Screen->SetCursor(vcl::crHourGlass);
    FHourGlass = true;
  }
  if (FControl) {
    FControl->SetEnabled(false);
    FControlDisabled = true;
    WriteControlCaption(FCaption);
  }
}

double TZYLStopWatch::Stop() {
  if (!FActive) return 0;
  if (FCounterStarted && win::QueryPerformanceCounter(&FStopCounter)) {
    double frequency = ZYLApplication() ? ZYLApplication()->GetTimerFrequency() : 0;
    if (frequency <= 0) {
      // No application object (or no frequency in it): ask the counter itself.
      int64_t f = 0;
      frequency = win::QueryPerformanceFrequency(&f) && f > 0 ? static_cast<double>(f) : 1e6;
    }
    FElapsedTime = static_cast<double>(FStopCounter - FStartCounter) / frequency;
  } else {
    FStopTick = win::GetTickCount();
    // Unsigned difference: a tick count that wrapped around still gives the right span.
    FElapsedTime = static_cast<double>(static_cast<uint32_t>(FStopTick - FStartTick)) / 1000.0;
  }
  if (FWaitCursor && vcl::Screen) vcl::Screen->SetCursor(vcl::crDefault);
  FHourGlass = false;
  if (FControl) {
    // Enabled before its caption is written, which may raise.
    FControl->SetEnabled(true);
    FControlDisabled = false;
    WriteControlCaption(GetDisplayCaption());
  }
  return FElapsedTime;
}

std::string TZYLStopWatch::GetTimeString() const {
  return vcl::FloatToStrF(FElapsedTime, vcl::ffNumber, 16, std::min<int>(FDigits, 18));
}

std::string TZYLStopWatch::GetDisplayCaption() const { return FCaption + GetTimeString() + FSuffix; }

}  // namespace zyl
