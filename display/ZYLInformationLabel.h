// TZYLInformationLabel: a label that shows one item of system or program information (Info,
// one of 45 kinds) after a caption: the kind's standard caption or the label's own Caption,
// followed by tabs and a colon as configured. The value comes from GetSystemInfoString; the
// lock-key states and the current date and time are kept current by a timer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "display/ZYLBaseLabel.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYL3DCaption;
class TZYLBevel;

// Formats Value by a digit picture, read from its last character backwards against the
// value's digits from the last: each "0" takes one digit (or puts a "0" once the digits are
// used up); any other character goes in front of the digits taken so far. Digits left when
// the picture is used up stay in front; a leading minus sign stays first.
std::string ZYLFormatDigitPicture(const std::string& Value, const std::string& Picture);
// Whether NumberFormat applies to the kind.
bool ZYLIsNumericInfo(TZYLInfoType Kind);
// Whether a timer keeps the kind current (the lock keys and the date and time).
bool ZYLIsPolledInfo(TZYLInfoType Kind);

class TZYLInformationLabel : public TZYLBaseLabel {
  ZYL_CLASS(TZYLInformationLabel, TZYLBaseLabel)
  explicit TZYLInformationLabel(vcl::TComponent* AOwner);
  ~TZYLInformationLabel() override;

  TZYLInfoType Info() const { return FInfo; }
  // The polled kinds start the timer (250 ms for the lock keys, 1000 ms for the date and
  // time; never at design time); the others stop it.
  void SetInfo(TZYLInfoType Value);
  TZYL3DCaption* Font3D() const { return FFont3D.get(); }
  void SetFont3D(TZYL3DCaption* Value);
  TZYLBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLBevel* Value);
  int32_t DividerValue() const { return FDividerValue; }
  void SetDevide(int32_t Value);
  const std::string& DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const std::string& Value);
  const std::string& NumberFormat() const { return FNumberFormat; }
  void SetNumberFormat(const std::string& Value);
  bool UseStandardCaption() const { return FUseStandardCaption; }
  void SetStandartCaption(bool Value);
  // Where ":" goes among the tabs: 0 right after the caption, -1 nowhere.
  int8_t InsertColon() const { return FInsertColon; }
  void SetDB(int8_t Value);
  // Tab characters between caption and value (negative counts as none).
  int8_t InsertTabs() const { return FInsertTabs; }
  void SetTabs(int8_t Value);
  // Moves the timer to the global pool (500 ms there) or back to a timer of its own at the
  // kind's interval.
  void SetUseGlobalTimer(bool Value);

  // The timer (tests read its state).
  TZYLTimer* Timer() const { return FTimer.get(); }
  // Builds the text; false when a polled value did not change since the last tick.
  bool ReturnCaption(std::string& Text);
  std::string GetLabelText() override;
  // Re-sizes, then repaints.
  void GetChange(vcl::TObject* Sender) override;
  void CorrectBounds() override;

 protected:
  void Paint() override;
  void GetTimer(vcl::TObject* Sender);
  // The timer interval of the current kind when the timer is not on the pool.
  int32_t KindInterval() const;

  TZYLInfoType FInfo = itUser;
  TZYLOwned<TZYL3DCaption> FFont3D;
  int32_t FDividerValue = 0;
  std::string FDateTimeFormat;
  std::string FNumberFormat;
  std::string FLastValue;
  bool FPolled = false;
  bool FUseStandardCaption = true;
  TZYLOwned<TZYLBevel> FBevel;
  int8_t FInsertColon = -1;
  int8_t FInsertTabs = 1;
  std::unique_ptr<TZYLTimer> FTimer;
};

// Registers / unregisters the unit's component classes for streaming.
// The type of the DateTimeFormat property: a string type of its own, so that design-time
// editors can be registered for it.
const vcl::TTypeInfo* DateTimeFormatTypeInfo();

inline constexpr vcl::TUnitEntry ZYLInformationLabelUnit =
    vcl::ClassesUnit<TZYLInformationLabel>("ZYLInformationLabel");

}  // namespace zyl
