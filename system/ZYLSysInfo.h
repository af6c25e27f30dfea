// TZYLSysInfo: facts about the machine and the logged-on user as published properties, read
// at each access from the system-information routines (foundation/ZYLSysUtils.h) and the
// window system; some of them (lock keys, desktop settings, keyboard, locale items) can be
// written back to the system.
//
// The properties describe the machine the program runs on, not the form: none of them is
// written to a form stream, and values that a stream still carries are not applied while
// the component is being read, so loading a form never changes the user's system settings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/base/Types.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYLCPUInfoObject;

class TZYLSysInfo : public TZYLCustomComponent {
  ZYL_CLASS(TZYLSysInfo, TZYLCustomComponent)
  // The indices of the indexed properties. Those described from a table of names follow the
  // order of that table.
  enum TStringInfo : int {
    siCurrentUser,
    siRegisteredCompany,
    siRegisteredOwner,
    siVersionWIN,
    siWinPath,
    siWinSysPath,
    siFreeGdiRes,
    siFreeUsrRes,
    siFreeSysRes,
    siMemoryLoaded,
    siPlatform,
    siTempPath,
    siComputername,
    siProcessorType,
    siDefaultLanguageString,
    siTimeZone
  };
  enum TIntegerInfo : int {
    iiBuildNumber = 0,
    iiScreenSaverDelay = 7,
    iiDefaultLanguageID,
    iiTimeZoneDiff,
    iiScreenWidth,
    iiScreenHeight,
    iiScreenPPi
  };
  enum TMemoryInfo : int {
    miMemPhysTotal = 1,
    miMemPhysFree,
    miMemVirtTotal,
    miMemVirtFree,
    miMemPageTotal,
    miMemPageFree,
    miMemVirtExtended
  };
  enum TBoolInfo : int {
    biNumLockState,
    biCapsLockState,
    biScrollLockState,
    biWindowAnimation,
    biWarningBeep,
    biScreenSaveActive,
    biFontSmoothing,
    biDragFullWindows,
    biSnapToDefaultButton,
    biPlusAvailable
  };
  enum TLocaleInfo : int {
    liLocaleCalendarType,
    liLocaleCurrencyDigits,
    liLocaleICurrency,
    liLocaleDigits,
    liLocaleFirstDayOfWeek,
    liLocaleFirstWeekOfYear,
    liLocaleZero,
    liLocaleMeasureSystem,
    liLocaleNegativeCurrencyFormat,
    liLocaleNegativeNumberFormat,
    liLocaleTime,
    liLocaleMorningSymbol,
    liLocaleAfternoonSymbol,
    liLocaleCurrencySymbol,
    liLocaleDateSeparator,
    liLocaleDecimalSeparator,
    liLocaleNumericGrouping,
    liLocaleListSeparator,
    liLocaleLongDateFormat,
    liLocaleMonthDecimalSeparator,
    liLocaleCurrencyGrouping,
    liLocaleThousandSeparator,
    liLocaleNegativeSign,
    liLocalePositiveSign,
    liLocaleShortDateFormat,
    liLocaleThousand,
    liLocaleTimeSeparator,
    liLocaleShortTimeFormat
  };

  explicit TZYLSysInfo(vcl::TComponent* AOwner);
  ~TZYLSysInfo() override;

  // Index: one of TStringInfo (empty for any other).
  std::string GetInfoString(int Index);
  void SetInfoString(int, std::string) {}
  // Index: one of TIntegerInfo (0 for any other).
  int32_t GetInfoLongInt(int Index);
  void SetInfoLongInt(int, int32_t) {}
  // Memory in kilobytes. Index: one of TMemoryInfo (0 for any other).
  int64_t GetInfoLongLongInt(int Index);
  void SetInfoLongLongInt(int, int64_t) {}
  // Index: one of TBoolInfo (false for any other). Writing the current value, writing
  // PlusAvailable or any other index does nothing.
  bool GetInfoBool(int Index);
  void SetInfoBool(int Index, bool Value);
  // Index: one of TLocaleInfo, an item of the thread's locale ("Hallo" when the item cannot
  // be read or for any other index).
  std::string GetLocalInfo(int Index);
  void SetLocalInfo(int Index, std::string Value);
  // The locale item type behind a locale property index (0 for an index out of range).
  static uint32_t LocaleTypeOf(int Index);

  // The screen's fonts and the printers, as sorted lists (owned by the component).
  vcl::TStrings* GetFonts();
  vcl::TStrings* GetPrinters();
  // The environment, one "NAME=value" line each, refilled at each read.
  vcl::TStrings* GetEnvString();
  void SetStrings(vcl::TStrings*) {}
  int32_t GetProcessorNumber();
  int32_t GetColorDepth();
  void SetInteger(int32_t) {}
  TZYLCPUInfoObject* ProcessorInfo() const { return FProcessorInfo.get(); }
  int32_t KeyboardDelay();
  void SetKeyboardDelay(int32_t Value);
  int32_t KeyboardSpeed();
  void SetKeyboardSpeed(int32_t Value);

  // Expands the environment variables ("%NAME%") of Name; an empty string when nothing was
  // expanded.
  std::string GetEnvironmentValue(const std::string& Name);
  bool SetEnvironmentValue(const std::string& Name, const std::string& Value);
  // A new empty temporary file's name (empty on failure).
  std::string GetFileName();
  void GetDriveList(vcl::TStrings* List);
  uint32_t GetDriveInfo(char Drive);
  std::string GetDriveTypeString(uint32_t Type);
  bool SetDesktopWallpaper(const std::string& FileName);
  vcl::TRect GetScreenRect();
  vcl::TRect GetWorkRect();
  // Free resources of the old 16-bit heaps in percent: 0 on the NT line.
  int32_t FreeGDI();
  int32_t FreeUSR();
  int32_t FreeSys();

 private:
  // True while a stream is being read into the component: writes are not applied then.
  bool Reading() const;
  void SetLockKey(uint8_t VirtualKey, bool Value);

  std::unique_ptr<vcl::TStringList> FEnvironment;
  std::unique_ptr<vcl::TStringList> FFonts;
  std::unique_ptr<vcl::TStringList> FPrinters;
  std::unique_ptr<TZYLCPUInfoObject> FProcessorInfo;
};

inline constexpr vcl::TUnitEntry ZYLSysInfoUnit = vcl::ClassesUnit<TZYLSysInfo>("ZYLSysInfo");

}  // namespace zyl
