// Dates and times: TDateTime is a double counting days since 1899-12-30, the fraction being
// the time of day. Formatting and parsing follow FormatSettings.
#pragma once

#include <cstdint>
#include <string>

namespace vcl {

struct TFormatSettings;

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerDay = 24 * 60;
constexpr int SecsPerDay = MinsPerDay * 60;
constexpr int MSecsPerDay = SecsPerDay * 1000;
// Days from 0001-01-01 to 1899-12-30.
constexpr int DateDelta = 693594;

struct TTimeStamp {
  int32_t Time = 0;  // milliseconds since midnight
  int32_t Date = 0;  // days since 0001-01-01, plus one
};

bool IsLeapYear(int year);
// Days of `month` (1..12) in `year`; 0 for an invalid month.
int MonthDays(int year, int month);

// EConvertError "Invalid argument to date encode" / "... time encode" on invalid parts.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
// The time of day is rounded to the nearest millisecond; negative values count days before
// 1899-12-30 with the fraction still giving the time of day.
void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day);
void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& min, uint16_t& sec, uint16_t& msec);
TTimeStamp DateTimeToTimeStamp(TDateTime dateTime);
TDateTime TimeStampToDateTime(const TTimeStamp& ts);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime date);
// Adds months, keeping the time and clamping the day to the target month's length.
TDateTime IncMonth(TDateTime date, int months = 1);
void ReplaceDate(TDateTime& dateTime, TDateTime newDate);
void ReplaceTime(TDateTime& dateTime, TDateTime newTime);

// The current local date and time from the one clock of the layer.
TDateTime Now();
TDateTime Date();
TDateTime Time();
int CurrentYear();

// Tokens (case-insensitive): c, d, dd, ddd, dddd, ddddd, dddddd, m, mm, mmm, mmmm (m and mm
// are minutes right after h or hh), yy, yyyy, h, hh, n, nn, s, ss, z, zzz, t, tt, am/pm, a/p,
// ampm, "/" (DateSeparator), ":" (TimeSeparator), text in "..." or '...'. An empty format
// means "c". Hours count 1..12 when the format has an am/pm token after them.
std::string FormatDateTime(const std::string& format, TDateTime dateTime);
void DateTimeToString(std::string& result, const std::string& format, TDateTime dateTime);
std::string DateToStr(TDateTime date);
std::string TimeToStr(TDateTime time);
std::string DateTimeToStr(TDateTime dateTime);

// Parsing with ShortDateFormat's order of day, month and year, DateSeparator, TimeSeparator,
// TimeAMString/TimePMString (or AM/PM, A/P) and TwoDigitYearCenturyWindow. A date of two
// numbers takes the current year. Errors raise EConvertError "'<text>' is not a valid date",
// "... valid time", "... valid date and time".
TDateTime StrToDate(const std::string& s);
TDateTime StrToTime(const std::string& s);
TDateTime StrToDateTime(const std::string& s);
bool TryStrToDate(const std::string& s, TDateTime& value);
bool TryStrToTime(const std::string& s, TDateTime& value);
bool TryStrToDateTime(const std::string& s, TDateTime& value);

// The same with the given settings instead of FormatSettings.
std::string FormatDateTime(const std::string& format, TDateTime dateTime, const TFormatSettings& settings);
std::string DateToStr(TDateTime date, const TFormatSettings& settings);
std::string TimeToStr(TDateTime time, const TFormatSettings& settings);
std::string DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings);
TDateTime StrToDate(const std::string& s, const TFormatSettings& settings);
TDateTime StrToTime(const std::string& s, const TFormatSettings& settings);
TDateTime StrToDateTime(const std::string& s, const TFormatSettings& settings);
bool TryStrToDate(const std::string& s, TDateTime& value, const TFormatSettings& settings);
bool TryStrToTime(const std::string& s, TDateTime& value, const TFormatSettings& settings);
bool TryStrToDateTime(const std::string& s, TDateTime& value, const TFormatSettings& settings);

}  // namespace vcl
