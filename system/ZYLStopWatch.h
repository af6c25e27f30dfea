// TZYLStopWatch: measures the time between Start and Stop with the performance counter (the
// millisecond tick count where there is none) and can show the result in the Caption of a
// control, which stays disabled while the watch runs; optionally the screen shows the
// hourglass cursor meanwhile.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TControl;
class TFiler;
}  // namespace vcl

namespace zyl {

class TZYLStopWatch : public TZYLCustomComponent {
  ZYL_CLASS(TZYLStopWatch, TZYLCustomComponent)
  explicit TZYLStopWatch(vcl::TComponent* AOwner);
  // Freed while it runs, the watch takes back the hourglass it put up, unless the screen has
  // shown another cursor since.
  ~TZYLStopWatch() override;

  // Stops a running measurement first, then starts a new one.
  void Start();
  // The seconds since Start (0 and no effect unless the watch was started). The watch stays
  // active: a later Stop measures again from the same start.
  double Stop();
  // The elapsed time with Digits decimals and thousand separators.
  std::string GetTimeString() const;
  // Caption, the time string and Suffix.
  std::string GetDisplayCaption() const;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  double ElapsedTime() const { return FElapsedTime; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  uint8_t Digits() const { return FDigits; }
  void SetDigits(uint8_t Value) { FDigits = Value; }
  const std::string& Suffix() const { return FSuffix; }
  void SetSuffix(const std::string& Value) { FSuffix = Value; }
  bool WaitCursor() const { return FWaitCursor; }
  void SetWaitCursor(bool Value) { FWaitCursor = Value; }
  // The control whose Caption shows the result; cleared when that control is destroyed.
  vcl::TControl* Control() const { return FControl; }
  void SetControl(vcl::TControl* Value);

 protected:
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // An empty Caption is written too, so that reading does not bring back "Time: ".
  void DefineProperties(vcl::TFiler* Filer) override;

 private:
  // Writes Text into the control's published string property "Caption", when it has one.
  void WriteControlCaption(const std::string& Text);

  std::string FCaption = "Time: ";
  uint8_t FDigits = 2;
  int64_t FStartCounter = 0;
  int64_t FStopCounter = 0;
  uint32_t FStartTick = 0;
  uint32_t FStopTick = 0;
  bool FCounterStarted = false;  // the start counter was read
  bool FActive = false;
  bool FWaitCursor = false;
  // Set while the screen shows the hourglass this watch put up.
  bool FHourGlass = false;
  // Set while the control is disabled by this watch's run.
  bool FControlDisabled = false;
  vcl::TControl* FControl = nullptr;
  double FElapsedTime = 0;
  std::string FSuffix;
};

inline constexpr vcl::TUnitEntry ZYLStopWatchUnit = vcl::ClassesUnit<TZYLStopWatch>("ZYLStopWatch");

}  // namespace zyl
