// The one frozen locale of the layer (English, United States) and the framework's format
// settings derived from it. Tests may change either and restore both with a
// TFormatSettingsScope.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/base/Types.h"

namespace win {

using LCID = DWORD;
using LCTYPE = DWORD;

constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr LCID LOCALE_NEUTRAL = 0x0000;
constexpr LCID LANG_ENGLISH_US = 0x0409;

// Flags combined with a locale item.
constexpr LCTYPE LOCALE_NOUSEROVERRIDE = 0x80000000;
constexpr LCTYPE LOCALE_USE_CP_ACP = 0x40000000;
constexpr LCTYPE LOCALE_RETURN_NUMBER = 0x20000000;

constexpr LCTYPE LOCALE_ILANGUAGE = 0x0001;
constexpr LCTYPE LOCALE_SLANGUAGE = 0x0002;
constexpr LCTYPE LOCALE_SABBREVLANGNAME = 0x0003;
constexpr LCTYPE LOCALE_SNATIVELANGNAME = 0x0004;
constexpr LCTYPE LOCALE_ICOUNTRY = 0x0005;
constexpr LCTYPE LOCALE_SCOUNTRY = 0x0006;
constexpr LCTYPE LOCALE_SABBREVCTRYNAME = 0x0007;
constexpr LCTYPE LOCALE_SNATIVECTRYNAME = 0x0008;
constexpr LCTYPE LOCALE_IDEFAULTLANGUAGE = 0x0009;
constexpr LCTYPE LOCALE_IDEFAULTCOUNTRY = 0x000A;
constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x000B;
constexpr LCTYPE LOCALE_SLIST = 0x000C;
constexpr LCTYPE LOCALE_IMEASURE = 0x000D;
constexpr LCTYPE LOCALE_SDECIMAL = 0x000E;
constexpr LCTYPE LOCALE_STHOUSAND = 0x000F;
constexpr LCTYPE LOCALE_SGROUPING = 0x0010;
constexpr LCTYPE LOCALE_IDIGITS = 0x0011;
constexpr LCTYPE LOCALE_ILZERO = 0x0012;
constexpr LCTYPE LOCALE_SNATIVEDIGITS = 0x0013;
constexpr LCTYPE LOCALE_SCURRENCY = 0x0014;
constexpr LCTYPE LOCALE_SINTLSYMBOL = 0x0015;
constexpr LCTYPE LOCALE_SMONDECIMALSEP = 0x0016;
constexpr LCTYPE LOCALE_SMONTHOUSANDSEP = 0x0017;
constexpr LCTYPE LOCALE_SMONGROUPING = 0x0018;
constexpr LCTYPE LOCALE_ICURRDIGITS = 0x0019;
constexpr LCTYPE LOCALE_IINTLCURRDIGITS = 0x001A;
constexpr LCTYPE LOCALE_ICURRENCY = 0x001B;
constexpr LCTYPE LOCALE_INEGCURR = 0x001C;
constexpr LCTYPE LOCALE_SDATE = 0x001D;
constexpr LCTYPE LOCALE_STIME = 0x001E;
constexpr LCTYPE LOCALE_SSHORTDATE = 0x001F;
constexpr LCTYPE LOCALE_SLONGDATE = 0x0020;
constexpr LCTYPE LOCALE_IDATE = 0x0021;
constexpr LCTYPE LOCALE_ILDATE = 0x0022;
constexpr LCTYPE LOCALE_ITIME = 0x0023;
constexpr LCTYPE LOCALE_ICENTURY = 0x0024;
constexpr LCTYPE LOCALE_ITLZERO = 0x0025;
constexpr LCTYPE LOCALE_IDAYLZERO = 0x0026;
constexpr LCTYPE LOCALE_IMONLZERO = 0x0027;
constexpr LCTYPE LOCALE_S1159 = 0x0028;
constexpr LCTYPE LOCALE_S2359 = 0x0029;
constexpr LCTYPE LOCALE_SDAYNAME1 = 0x002A;  // Monday; ..7 = Sunday (0x30)
constexpr LCTYPE LOCALE_SDAYNAME7 = 0x0030;
constexpr LCTYPE LOCALE_SABBREVDAYNAME1 = 0x0031;
constexpr LCTYPE LOCALE_SABBREVDAYNAME7 = 0x0037;
constexpr LCTYPE LOCALE_SMONTHNAME1 = 0x0038;  // ..12 = 0x43
constexpr LCTYPE LOCALE_SMONTHNAME12 = 0x0043;
constexpr LCTYPE LOCALE_SABBREVMONTHNAME1 = 0x0044;  // ..12 = 0x4F
constexpr LCTYPE LOCALE_SABBREVMONTHNAME12 = 0x004F;
constexpr LCTYPE LOCALE_SPOSITIVESIGN = 0x0050;
constexpr LCTYPE LOCALE_SNEGATIVESIGN = 0x0051;
constexpr LCTYPE LOCALE_IPOSSIGNPOSN = 0x0052;
constexpr LCTYPE LOCALE_INEGSIGNPOSN = 0x0053;
constexpr LCTYPE LOCALE_IPOSSYMPRECEDES = 0x0054;
constexpr LCTYPE LOCALE_IPOSSEPBYSPACE = 0x0055;
constexpr LCTYPE LOCALE_INEGSYMPRECEDES = 0x0056;
constexpr LCTYPE LOCALE_INEGSEPBYSPACE = 0x0057;
constexpr LCTYPE LOCALE_SISO639LANGNAME = 0x0059;
constexpr LCTYPE LOCALE_SISO3166CTRYNAME = 0x005A;
constexpr LCTYPE LOCALE_SENGLANGUAGE = 0x1001;
constexpr LCTYPE LOCALE_SENGCOUNTRY = 0x1002;
constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
constexpr LCTYPE LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;
constexpr LCTYPE LOCALE_SYEARMONTH = 0x1006;
constexpr LCTYPE LOCALE_ICALENDARTYPE = 0x1009;
constexpr LCTYPE LOCALE_IOPTIONALCALENDAR = 0x100B;
constexpr LCTYPE LOCALE_IFIRSTDAYOFWEEK = 0x100C;
constexpr LCTYPE LOCALE_IFIRSTWEEKOFYEAR = 0x100D;
constexpr LCTYPE LOCALE_SMONTHNAME13 = 0x100E;
constexpr LCTYPE LOCALE_SABBREVMONTHNAME13 = 0x100F;
constexpr LCTYPE LOCALE_INEGNUMBER = 0x1010;
constexpr LCTYPE LOCALE_IDEFAULTMACCODEPAGE = 0x1011;

LCID GetThreadLocale();
// Copies the item's text with its terminating zero; returns the characters written including
// the zero, the size needed when `size` is 0, and 0 for an unknown item or a short buffer.
int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR data, int size);
// Changes an item the user may set (separators, formats, currency, AM/PM, ...); FALSE for
// the fixed items (names of days, months, language, ...) and for a null value.
BOOL SetLocaleInfoA(LCID locale, LCTYPE type, LPCSTR data);
// Sets any item of the user's locale, the fixed ones (names of days and months, language)
// included: what the test kit does to stand for another user's locale (TUserLocale). FALSE for
// a null value or an item the table does not hold.
BOOL SetUserLocaleItem(LCTYPE type, LPCSTR data);
// The name of a language identifier ("English (United States)"); unknown identifiers give
// "Language Neutral". Copies at most size - 1 characters and a terminating zero into
// `buffer`; returns the characters copied (without the zero), or the name's length when
// `buffer` is null or `size` is 0.
DWORD VerLanguageNameA(DWORD lang, LPSTR buffer, DWORD size);

// Comparison flags and results of CompareStringA.
constexpr DWORD NORM_IGNORECASE = 0x00000001;
constexpr DWORD NORM_IGNORENONSPACE = 0x00000002;
constexpr DWORD NORM_IGNORESYMBOLS = 0x00000004;
constexpr DWORD SORT_STRINGSORT = 0x00001000;
constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;
// Locale order ("word sort" unless SORT_STRINGSORT: hyphen and apostrophe only break ties).
// A length of -1 means zero-terminated. Returns 0 for null strings.
int CompareStringA(LCID locale, DWORD flags, LPCSTR s1, int len1, LPCSTR s2, int len2);

}  // namespace win

namespace vcl {

// The framework's format settings. Name arrays are indexed from 1, as in the framework:
// months 1 = January, days 1 = Sunday; index 0 is unused. A default-constructed value has
// the English/US separators and formats but no names: take FormatSettingsFromLocale() for a
// complete set.
struct TFormatSettings {
  uint8_t CurrencyFormat = 0;
  uint8_t NegCurrFormat = 0;
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  uint8_t CurrencyDecimals = 2;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  std::string CurrencyString = "$";
  std::string ShortDateFormat = "M/d/yyyy";
  std::string LongDateFormat = "dddd, MMMM dd, yyyy";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string ShortTimeFormat = "h:mm AMPM";
  std::string LongTimeFormat = "h:mm:ss AMPM";
  std::array<std::string, 13> ShortMonthNames;
  std::array<std::string, 13> LongMonthNames;
  std::array<std::string, 8> ShortDayNames;
  std::array<std::string, 8> LongDayNames;
  // 0: a two-digit year belongs to the current century. N > 0: to the 100-year window that
  // starts N years before the current year.
  uint16_t TwoDigitYearCenturyWindow = 0;
};

// The settings every routine of the layer reads (unless given others). Not for use while
// static objects are being constructed.
extern TFormatSettings FormatSettings;

// The settings the formatting and parsing routines of this thread use: those passed to the
// running routine's overload that takes a TFormatSettings, else FormatSettings.
const TFormatSettings& ActiveFormatSettings();

// Makes `settings` the active ones of this thread for its lifetime (used by the overloads
// taking a TFormatSettings; nests).
class TActiveFormatSettings {
 public:
  explicit TActiveFormatSettings(const TFormatSettings& settings);
  ~TActiveFormatSettings();
  TActiveFormatSettings(const TActiveFormatSettings&) = delete;
  TActiveFormatSettings& operator=(const TActiveFormatSettings&) = delete;

 private:
  const TFormatSettings* previous_;
};

// Settings read from the locale table (what the framework does at start-up).
TFormatSettings FormatSettingsFromLocale(win::LCID locale = win::LOCALE_USER_DEFAULT);
// Reloads FormatSettings from the locale table.
void GetFormatSettings();

// A locale item as text, or `def` when the locale has no such item.
std::string GetLocaleStr(win::LCID locale, int localeType, const std::string& def);
char GetLocaleChar(win::LCID locale, int localeType, char def);

// Saves the locale table and FormatSettings; restores both when it goes out of scope.
class TFormatSettingsScope {
 public:
  TFormatSettingsScope();
  ~TFormatSettingsScope();
  TFormatSettingsScope(const TFormatSettingsScope&) = delete;
  TFormatSettingsScope& operator=(const TFormatSettingsScope&) = delete;

 private:
  TFormatSettings saved_;
  void* savedLocale_;
};

}  // namespace vcl
