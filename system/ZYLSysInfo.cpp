#include "system/ZYLSysInfo.h"

#include <iterator>
#include <vector>

#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/Locale.h"
#include "platform/user/WinUser.h"
#include "system/ZYLCPUInfoObject.h"

namespace zyl {

namespace {

constexpr uint32_t kLocaleTypes[] = {
    win::LOCALE_ICALENDARTYPE,    win::LOCALE_ICURRDIGITS,      win::LOCALE_ICURRENCY,
    win::LOCALE_IDIGITS,          win::LOCALE_IFIRSTDAYOFWEEK,  win::LOCALE_IFIRSTWEEKOFYEAR,
    win::LOCALE_ILZERO,           win::LOCALE_IMEASURE,         win::LOCALE_INEGCURR,
    win::LOCALE_INEGNUMBER,       win::LOCALE_ITIME,            win::LOCALE_S1159,
    win::LOCALE_S2359,            win::LOCALE_SCURRENCY,        win::LOCALE_SDATE,
    win::LOCALE_SDECIMAL,         win::LOCALE_SGROUPING,        win::LOCALE_SLIST,
    win::LOCALE_SLONGDATE,        win::LOCALE_SMONDECIMALSEP,   win::LOCALE_SMONGROUPING,
    win::LOCALE_SMONTHOUSANDSEP,  win::LOCALE_SNEGATIVESIGN,    win::LOCALE_SPOSITIVESIGN,
    win::LOCALE_SSHORTDATE,       win::LOCALE_STHOUSAND,        win::LOCALE_STIME,
    win::LOCALE_STIMEFORMAT};
constexpr int kLocaleCount = static_cast<int>(sizeof kLocaleTypes / sizeof kLocaleTypes[0]);
static_assert(kLocaleCount == TZYLSysInfo::liLocaleShortTimeFormat + 1);

constexpr const char* kLocaleNames[kLocaleCount] = {
    "LocaleCalendarType",     "LocaleCurrencyDigits",     "LocaleICurrency",
    "LocaleDigits",           "LocaleFirstDayOfWeek",     "LocaleFirstWeekOfYear",
    "LocaleZero",             "LocaleMeasureSystem",      "LocaleNegativeCurrencyFormat",
    "LocaleNegativeNumberFormat", "LocaleTime",           "LocaleMorningSymbol",
    "LocaleAfternoonSymbol",  "LocaleCurrencySymbol",     "LocaleDateSeparator",
    "LocaleDecimalSeparator", "LocaleNumericGrouping",    "LocaleListSeparator",
    "LocaleLongDateFormat",   "LocaleMonthDecimalSeparator", "LocaleCurrencyGrouping",
    "LocaleThousandSeparator", "LocaleNegativeSign",      "LocalePositiveSign",
    "LocaleShortDateFormat",  "LocaleThousand",           "LocaleTimeSeparator",
    "LocaleShortTimeFormat"};

// Writes go to the user's profile and are announced to every window.
constexpr win::UINT kWriteFlags = win::SPIF_UPDATEINIFILE | win::SPIF_SENDCHANGE;

// Reads a Boolean or integer system parameter (flags 0); 0 when the query fails.
int ReadParam(win::UINT Action) {
  int value = 0;
  if (!win::SystemParametersInfoA(Action, 0, &value, 0)) return 0;
  return value;
}

std::string Percent(int32_t Value) { return std::to_string(Value) + " %"; }

}  // namespace

ZYL_CLASS_IMPL(TZYLSysInfo) {
  using C = TZYLSysInfo;
  b.Publish("About");
  static constexpr const char* kStrings[] = {
      "CurrentUser", "RegisteredCompany", "RegisteredOwner", "VersionWIN", "WinPath",
      "WinSysPath", "FreeGdiRes", "FreeUsrRes", "FreeSysRes", "MemoryLoaded", "Platform",
      "TempPath", "Computername", "ProcessorType", "DefaultLanguageString", "TimeZone"};
  static_assert(std::size(kStrings) == C::siTimeZone + 1);
  for (int i = C::siCurrentUser; i <= C::siTimeZone; ++i)
    b.Prop(kStrings[i], &C::GetInfoString, &C::SetInfoString).Index(i).Stored(false);
  b.Prop("BuildNumber", &C::GetInfoLongInt, &C::SetInfoLongInt)
      .Index(C::iiBuildNumber)
      .Stored(false);
  b.Prop("ScreenSaverDelay", &C::GetInfoLongInt, &C::SetInfoLongInt)
      .Index(C::iiScreenSaverDelay)
      .Stored(false);
  b.Prop("DefaultLanguageID", &C::GetInfoLongInt, nullptr)
      .Index(C::iiDefaultLanguageID)
      .Stored(false);
  b.Prop("TimeZoneDiff", &C::GetInfoLongInt, &C::SetInfoLongInt)
      .Index(C::iiTimeZoneDiff)
      .Stored(false);
  b.Prop("ScreenWidth", &C::GetInfoLongInt, &C::SetInfoLongInt)
      .Index(C::iiScreenWidth)
      .Stored(false);
  b.Prop("ScreenHeight", &C::GetInfoLongInt, &C::SetInfoLongInt)
      .Index(C::iiScreenHeight)
      .Stored(false);
  b.Prop("ScreenPPi", &C::GetInfoLongInt, &C::SetInfoLongInt).Index(C::iiScreenPPi).Stored(false);
  static constexpr const char* kMemory[] = {"MemPhysTotal", "MemPhysFree",  "MemVirtTotal",
                                            "MemVirtFree",  "MemPageTotal", "MemPageFree",
                                            "MemVirtExtended"};
  static_assert(std::size(kMemory) == C::miMemVirtExtended - C::miMemPhysTotal + 1);
  for (int i = 0; i < static_cast<int>(std::size(kMemory)); ++i)
    b.Prop(kMemory[i], &C::GetInfoLongLongInt, &C::SetInfoLongLongInt)
        .Index(C::miMemPhysTotal + i)
        .Stored(false);
  static constexpr const char* kBools[] = {
      "NumLockState",     "CapsLockState",  "ScrollLockState", "WindowAnimation",
      "WarningBeep",      "ScreenSaveActive", "FontSmoothing", "DragFullWindows",
      "SnapToDefaultButton", "PlusAvailable"};
  static_assert(std::size(kBools) == C::biPlusAvailable + 1);
  for (int i = C::biNumLockState; i <= C::biPlusAvailable; ++i)
    b.Prop(kBools[i], &C::GetInfoBool, &C::SetInfoBool).Index(i).Stored(false);
  for (int i = C::liLocaleCalendarType; i <= C::liLocaleShortTimeFormat; ++i)
    b.Prop(kLocaleNames[i], &C::GetLocalInfo, &C::SetLocalInfo).Index(i).Stored(false);
  b.Prop("AllFonts", &C::GetFonts, &C::SetStrings).Stored(false);
  b.Prop("AllPrinters", &C::GetPrinters, &C::SetStrings).Stored(false);
  b.Prop("Environment", &C::GetEnvString, &C::SetStrings).Stored(false);
  b.Prop("ProcessorNumber", &C::GetProcessorNumber, &C::SetInteger).Stored(false);
  b.Prop("ColorDepth", &C::GetColorDepth, &C::SetInteger).Stored(false);
  b.Prop("ProcessorInfo", &C::ProcessorInfo, nullptr).Stored(false);
  b.Prop("KeyboardDelay", &C::KeyboardDelay, &C::SetKeyboardDelay).Stored(false);
  b.Prop("KeyboardSpeed", &C::KeyboardSpeed, &C::SetKeyboardSpeed).Stored(false);
}

TZYLSysInfo::TZYLSysInfo(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FEnvironment(new vcl::TStringList()),
      FFonts(new vcl::TStringList()),
      FPrinters(new vcl::TStringList()),
      FProcessorInfo(new TZYLCPUInfoObject()) {}

TZYLSysInfo::~TZYLSysInfo() {
  FProcessorInfo.reset();
  FPrinters.reset();
  FFonts.reset();
  FEnvironment.reset();
}

bool TZYLSysInfo::Reading() const {
  const vcl::TComponentState state = ComponentState();
  return state.contains(vcl::csLoading) || state.contains(vcl::csReading);
}

std::string TZYLSysInfo::GetInfoString(int Index) {
  switch (Index) {
    case siCurrentUser: return ZYLSIUserName();
    case siRegisteredCompany: return ZYLSIRegisteredCompany();
    case siRegisteredOwner: return ZYLSIRegisteredOwner();
    case siVersionWIN: return ZYLSIVersionStr();
    case siWinPath: return ZYLSIWindowsDirectory();
    case siWinSysPath: return ZYLSISystemDirectory();
    case siFreeGdiRes: return Percent(FreeGDI() & 0x7F);
    case siFreeUsrRes: return Percent(FreeUSR() & 0x7F);
    case siFreeSysRes: return Percent(FreeSys() & 0x7F);
    case siMemoryLoaded: return Percent(ZYLSIMemLoaded() & 0xFF);
    case siPlatform: return ZYLSIPlatformStr();
    case siTempPath: return ZYLSITempPath();
    case siComputername: return ZYLSIComputerName();
    case siProcessorType: return ZYLSIProcessorTypeStr();
    case siDefaultLanguageString: {
      char name[256] = {};
      win::VerLanguageNameA(ZYLSISystemDefaultLanguageID(), name, sizeof name);
      return name;
    }
    case siTimeZone: return ZYLSIGetTimeZone();
    default: return {};
  }
}

int32_t TZYLSysInfo::GetInfoLongInt(int Index) {
  switch (Index) {
    case iiBuildNumber: return ZYLSIBuildNr() & 0xFFFF;
    case iiScreenSaverDelay: return ZYLSIScreenSaverDelay();
    case iiDefaultLanguageID: return ZYLSISystemDefaultLanguageID();
    case iiTimeZoneDiff: return ZYLSIGetTimeZoneBias();
    case iiScreenWidth:
      return vcl::Screen ? vcl::Screen->Width() : win::GetSystemMetrics(win::SM_CXSCREEN);
    case iiScreenHeight:
      return vcl::Screen ? vcl::Screen->Height() : win::GetSystemMetrics(win::SM_CYSCREEN);
    case iiScreenPPi: return vcl::Screen ? vcl::Screen->PixelsPerInch() : 96;
    default: return 0;
  }
}

int64_t TZYLSysInfo::GetInfoLongLongInt(int Index) {
  int64_t bytes = 0;
  switch (Index) {
    case miMemPhysTotal: bytes = ZYLSIMemTotal(); break;
    case miMemPhysFree: bytes = ZYLSIMemFree(); break;
    case miMemVirtTotal: bytes = ZYLSIMemVirtTotal(); break;
    case miMemVirtFree: bytes = ZYLSIMemVirtFree(); break;
    case miMemPageTotal: bytes = ZYLSIMemPageTotal(); break;
    case miMemPageFree: bytes = ZYLSIMemPageFree(); break;
    case miMemVirtExtended: bytes = ZYLSIMemVirtExtended(); break;
    default: return 0;
  }
  return bytes / 1024;
}

bool TZYLSysInfo::GetInfoBool(int Index) {
  switch (Index) {
    case biNumLockState: return ZYLSINumLock();
    case biCapsLockState: return ZYLSICapsLock();
    case biScrollLockState: return ZYLSIScrollLock();
    case biWindowAnimation: {
      win::ANIMATIONINFO info;
      info.cbSize = sizeof info;
      if (!win::SystemParametersInfoA(win::SPI_GETANIMATION, sizeof info, &info, 0)) return false;
      return info.iMinAnimate != 0;
    }
    case biWarningBeep: return ReadParam(win::SPI_GETBEEP) > 0;
    case biScreenSaveActive: return ReadParam(win::SPI_GETSCREENSAVEACTIVE) != 0;
    case biFontSmoothing: return ZYLSIWindowsExtension && ReadParam(win::SPI_GETFONTSMOOTHING) != 0;
    case biDragFullWindows:
      return ZYLSIWindowsExtension && ReadParam(win::SPI_GETDRAGFULLWINDOWS) != 0;
    case biSnapToDefaultButton:
      return ZYLSIWindowsNT && ReadParam(win::SPI_GETSNAPTODEFBUTTON) != 0;
    case biPlusAvailable: return ZYLSIWindowsExtension;
    default: return false;
  }
}

void TZYLSysInfo::SetLockKey(uint8_t VirtualKey, bool Value) {
  if (ZYLSIWindowsNT) {
    // A press and release of the key toggles its state, as the user would.
    win::keybd_event(VirtualKey, 0x45, win::KEYEVENTF_EXTENDEDKEY, 0);
    win::keybd_event(VirtualKey, 0x45, win::KEYEVENTF_EXTENDEDKEY | win::KEYEVENTF_KEYUP, 0);
  } else {
    win::BYTE keys[256] = {};
    if (!win::GetKeyboardState(keys)) return;
    keys[VirtualKey] = Value ? 1 : 0;
    win::SetKeyboardState(keys);
  }
}

void TZYLSysInfo::SetInfoBool(int Index, bool Value) {
  // PlusAvailable only tells what the system offers.
  if (Index < biNumLockState || Index > biSnapToDefaultButton || Reading()) return;
  if (GetInfoBool(Index) == Value) return;
  const win::UINT v = Value ? 1 : 0;
  switch (Index) {
    case biNumLockState: SetLockKey(win::VK_NUMLOCK, Value); break;
    case biCapsLockState: SetLockKey(win::VK_CAPITAL, Value); break;
    case biScrollLockState: SetLockKey(win::VK_SCROLL, Value); break;
    case biWindowAnimation: {
      win::ANIMATIONINFO info;
      info.cbSize = sizeof info;
      info.iMinAnimate = static_cast<int>(v);
      win::SystemParametersInfoA(win::SPI_SETANIMATION, sizeof info, &info, kWriteFlags);
      break;
    }
    case biWarningBeep:
      win::SystemParametersInfoA(win::SPI_SETBEEP, v, nullptr, kWriteFlags);
      break;
    case biScreenSaveActive:
      win::SystemParametersInfoA(win::SPI_SETSCREENSAVEACTIVE, v, nullptr, kWriteFlags);
      break;
    case biFontSmoothing:
      if (ZYLSIWindowsExtension)
        win::SystemParametersInfoA(win::SPI_SETFONTSMOOTHING, v, nullptr, kWriteFlags);
      break;
    case biDragFullWindows:
      if (ZYLSIWindowsExtension)
        win::SystemParametersInfoA(win::SPI_SETDRAGFULLWINDOWS, v, nullptr, kWriteFlags);
      break;
    case biSnapToDefaultButton:
      if (ZYLSIWindowsNT)
        win::SystemParametersInfoA(win::SPI_SETSNAPTODEFBUTTON, v, nullptr, kWriteFlags);
      break;
    default: break;
  }
}

uint32_t TZYLSysInfo::LocaleTypeOf(int Index) {
  return Index >= 0 && Index < kLocaleCount ? kLocaleTypes[Index] : 0;
}

std::string TZYLSysInfo::GetLocalInfo(int Index) {
  static const std::string kUnreadable = "Hallo";
  if (Index < 0 || Index >= kLocaleCount) return kUnreadable;
  return vcl::GetLocaleStr(win::GetThreadLocale(), static_cast<int>(kLocaleTypes[Index]),
                           kUnreadable);
}

void TZYLSysInfo::SetLocalInfo(int Index, std::string Value) {
  if (Index < 0 || Index >= kLocaleCount || Reading()) return;
  win::SetLocaleInfoA(win::GetThreadLocale(), kLocaleTypes[Index], Value.c_str());
}

vcl::TStrings* TZYLSysInfo::GetFonts() {
  FFonts->BeginUpdate();
  FFonts->Clear();
  FFonts->SetSorted(true);
  if (vcl::Screen)
    for (const std::string& name : vcl::Screen->Fonts()) FFonts->Add(name);
  FFonts->EndUpdate();
  return FFonts.get();
}

vcl::TStrings* TZYLSysInfo::GetPrinters() {
  FPrinters->BeginUpdate();
  FPrinters->Clear();
  FPrinters->SetSorted(true);
  vcl::TStrings* installed = vcl::Printer()->Printers();
  for (int i = 0; i < installed->Count(); ++i) FPrinters->Add(installed->Get(i));
  FPrinters->EndUpdate();
  return FPrinters.get();
}

vcl::TStrings* TZYLSysInfo::GetEnvString() {
  ZYLSIEnvironment(FEnvironment.get());
  return FEnvironment.get();
}

int32_t TZYLSysInfo::GetProcessorNumber() { return ZYLSIProcessorCount(); }

int32_t TZYLSysInfo::GetColorDepth() { return ZYLSIColorDepth(); }

int32_t TZYLSysInfo::KeyboardDelay() { return ReadParam(win::SPI_GETKEYBOARDDELAY); }

void TZYLSysInfo::SetKeyboardDelay(int32_t Value) {
  if (Reading() || Value == KeyboardDelay()) return;
  win::SystemParametersInfoA(win::SPI_SETKEYBOARDDELAY, static_cast<win::UINT>(Value), nullptr,
                             kWriteFlags);
}

int32_t TZYLSysInfo::KeyboardSpeed() { return ReadParam(win::SPI_GETKEYBOARDSPEED); }

void TZYLSysInfo::SetKeyboardSpeed(int32_t Value) {
  if (Reading() || Value == KeyboardSpeed()) return;
  win::SystemParametersInfoA(win::SPI_SETKEYBOARDSPEED, static_cast<win::UINT>(Value), nullptr,
                             kWriteFlags);
}

std::string TZYLSysInfo::GetEnvironmentValue(const std::string& Name) {
  // The buffer takes the whole expansion, however long it is.
  const win::DWORD needed = win::ExpandEnvironmentStringsA(Name.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::vector<char> buffer(needed + 1, 0);
  win::ExpandEnvironmentStringsA(Name.c_str(), buffer.data(), static_cast<win::DWORD>(buffer.size()));
  std::string result(buffer.data());
  return result == Name ? std::string() : result;
}

bool TZYLSysInfo::SetEnvironmentValue(const std::string& Name, const std::string& Value) {
  return win::SetEnvironmentVariableA(Name.c_str(), Value.c_str()) != 0;
}

std::string TZYLSysInfo::GetFileName() { return ZYLSITempFile(); }

void TZYLSysInfo::GetDriveList(vcl::TStrings* List) {
  if (List) ZYLSIDriveList(List);
}

uint32_t TZYLSysInfo::GetDriveInfo(char Drive) { return ZYLSIDriveInfo(Drive); }

std::string TZYLSysInfo::GetDriveTypeString(uint32_t Type) { return ZYLSIDriveTypeStr(Type); }

bool TZYLSysInfo::SetDesktopWallpaper(const std::string& FileName) {
  std::string name = FileName;
  return win::SystemParametersInfoA(win::SPI_SETDESKWALLPAPER, 0, name.data(), kWriteFlags) != 0;
}

vcl::TRect TZYLSysInfo::GetScreenRect() {
  return vcl::TRect{0, 0, GetInfoLongInt(iiScreenWidth), GetInfoLongInt(iiScreenHeight)};
}

vcl::TRect TZYLSysInfo::GetWorkRect() {
  vcl::TRect r{};
  if (!win::SystemParametersInfoA(win::SPI_GETWORKAREA, 0, &r, 0)) return GetScreenRect();
  return r;
}

int32_t TZYLSysInfo::FreeGDI() { return ZYLSIWindowsNT ? 0 : ZYLSIFreeGDIRes(); }
int32_t TZYLSysInfo::FreeUSR() { return ZYLSIWindowsNT ? 0 : ZYLSIFreeUserRes(); }
int32_t TZYLSysInfo::FreeSys() { return ZYLSIWindowsNT ? 0 : ZYLSIFreeSysRes(); }

}  // namespace zyl
