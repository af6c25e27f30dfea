#include <gtest/gtest.h>

#include <cstdio>
#include <array>
#include <functional>
#include <string>

#include "platform/base/Clock.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"

using namespace vcl;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
}

// "y-m-d h:m:s.ms" from DecodeDate and DecodeTime.
std::string Parts(TDateTime t) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDate(t, y, mo, d);
  DecodeTime(t, h, mi, s, ms);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d-%d-%d %d:%d:%d.%d", y, mo, d, h, mi, s, ms);
  return buf;
}

// The message of the EConvertError that f raises.
std::string ConvertError(const std::function<void()>& f) {
  try {
    f();
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "<no error>";
}

}  // namespace

TEST(Calendar, EncodeAndDecode) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_DOUBLE_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  for (TDateTime d : {-693593.0, -1.0, 0.0, 59.0, 60.0, 36585.0, 45000.0, 2958465.0}) {
    uint16_t y, m, dd;
    DecodeDate(d, y, m, dd);
    EXPECT_EQ(EncodeDate(y, m, dd), d) << d;
  }
  EXPECT_EQ(Parts(At(2024, 2, 29, 23, 59, 59, 999)), "2024-2-29 23:59:59.999");
  // A negative value counts days back from 1899-12-30; its fraction is still the time.
  EXPECT_EQ(Parts(-1.25), "1899-12-29 6:0:0.0");
  // The time rounds to the nearest millisecond, carrying into the next day.
  EXPECT_EQ(Parts(0.9999999999), "1899-12-31 0:0:0.0");
  // Out-of-range values decode as zeros instead of crashing.
  uint16_t y = 1, m, d;
  DecodeDate(1e300, y, m, d);
  EXPECT_EQ(y, 0);
}

TEST(Calendar, TimeStamps) {
  const TTimeStamp ts = DateTimeToTimeStamp(At(2000, 1, 1, 12));
  EXPECT_EQ(ts.Date, DateDelta + 36526);
  EXPECT_EQ(ts.Time, MSecsPerDay / 2);
  EXPECT_DOUBLE_EQ(TimeStampToDateTime(ts), At(2000, 1, 1, 12));
  EXPECT_DOUBLE_EQ(TimeStampToDateTime(DateTimeToTimeStamp(-1.25)), -1.25);
  EXPECT_EQ(DateTimeToTimeStamp(EncodeDate(1, 1, 1)).Date, 1);
  TDateTime d = At(2024, 5, 6, 7, 8);
  ReplaceTime(d, EncodeTime(18, 0, 0, 0));
  EXPECT_DOUBLE_EQ(d, At(2024, 5, 6, 18));
  ReplaceDate(d, EncodeDate(1999, 1, 2));
  EXPECT_DOUBLE_EQ(d, At(1999, 1, 2, 18));
}

TEST(Calendar, InvalidPartsRaise) {
  for (const auto& ymd : {std::array{2023, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2000, 13, 1}})
    EXPECT_EQ(ConvertError([&] { EncodeDate(ymd[0], ymd[1], ymd[2]); }),
              "Invalid argument to date encode") << ymd[0];
  for (auto [h, m, s, ms] : {std::array{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 0, 1000}})
    EXPECT_THROW(EncodeTime(h, m, s, ms), EConvertError) << h << m << ms;
  TDateTime d = 5;
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, d));
  EXPECT_EQ(d, 5);
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, d));
}

TEST(Calendar, LeapYearsWeekdaysAndMonths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_EQ(MonthDays(2023, 2), 28);
  EXPECT_EQ(MonthDays(2024, 2), 29);
  EXPECT_EQ(MonthDays(2024, 13), 0);
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 3, 3)), 1);    // a Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);       // a Monday
  EXPECT_EQ(DayOfWeek(-1.5), 6);
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -1), EncodeDate(2024, 2, 29));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 11, 15), 14), EncodeDate(2026, 1, 15));
  EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -13), EncodeDate(2022, 12, 15));
  EXPECT_DOUBLE_EQ(IncMonth(At(2024, 1, 31, 12)), At(2024, 2, 29, 12));
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1)), EConvertError);
}

TEST(Clock, NowComesFromTheOneClock) {
  win::TVirtualClockScope scope;
  scope.Clock().SetNow(At(2024, 5, 6, 7, 8, 9));
  EXPECT_DOUBLE_EQ(Now(), At(2024, 5, 6, 7, 8, 9));
  EXPECT_EQ(Date(), EncodeDate(2024, 5, 6));
  EXPECT_NEAR(Time(), EncodeTime(7, 8, 9, 0), 1e-9);
  scope.Clock().Advance(3600 * 1000);
  EXPECT_NEAR(Now(), At(2024, 5, 6, 8, 8, 9), 1e-9);
  EXPECT_EQ(CurrentYear(), 2024);
}

TEST(FormatDateTime, DateAndTimeTokens) {
  const TDateTime t = At(2024, 3, 5, 14, 7, 9, 45);  // a Tuesday
  const struct {
    const char* format;
    TDateTime when;
    const char* text;
  } cases[] = {
      {"d dd ddd dddd", t, "5 05 Tue Tuesday"},  {"m mm mmm mmmm", t, "3 03 Mar March"},
      {"yy yyyy y yyy", t, "24 2024 24 2024"},   {"ddddd", t, "3/5/2024"},
      {"dddddd", t, "Tuesday, March 05, 2024"},  {"dd/mm/yyyy", t, "05/03/2024"},
      {"YYYY-MM-DD", t, "2024-03-05"},           {"yyyy", EncodeDate(5, 1, 1), "0005"},
      {"h hh n nn s ss z zzz", t, "14 14 7 07 9 09 45 045"},
      {"h:m", t, "14:7"},  // m after h means minutes
      {"hh:mm:ss", t, "14:07:09"},               {"hh mm", t, "14 07"},
      {"mm hh", t, "03 14"},  // before h it is the month
      {"t", t, "2:07 PM"},                       {"tt", t, "2:07:09 PM"},
      {"h am/pm", t, "2 pm"},                    {"h AM/PM", At(2024, 1, 1, 9), "9 AM"},
      {"h Am/pM", t, "2 pM"},  // the case as written
      {"hh:nn a/p", t, "02:07 p"},               {"hh:nn A/P", At(2024, 1, 1, 0, 30), "12:30 A"},
      {"h ampm", At(2024, 1, 1, 12), "12 PM"},   {"h ampm", At(2024, 1, 1, 0), "12 AM"},
      {"h 'h' ampm", t, "2 h PM"},  // quoted text does not stop the scan
      {"h h ampm", t, "14 2 PM"},   // only the hour right before it
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.when), c.text) << c.format;
}

TEST(FormatDateTime, CombinedLiteralsAndSeparators) {
  const TDateTime t = At(2024, 3, 5, 14, 7, 9);
  testsupport::ExpectCases({
      {FormatDateTime("c", t), "3/5/2024 2:07:09 PM"}, {FormatDateTime("c", EncodeDate(2024, 3, 5)), "3/5/2024"},
      {FormatDateTime("", t), "3/5/2024 2:07:09 PM"},  {FormatDateTime("\"Today is\" dddd", t), "Today is Tuesday"},
      {FormatDateTime("'d' d", t), "d 5"},             {FormatDateTime("'unterminated", t), "unterminated"},
      {FormatDateTime("[x] d#", t), "[x] 5#"},         {DateTimeToStr(t), "3/5/2024 2:07:09 PM"},
      {DateToStr(t), "3/5/2024"},                      {TimeToStr(t), "2:07:09 PM"},
  });
  TFormatSettingsScope scope;
  FormatSettings.DateSeparator = '.';
  FormatSettings.TimeSeparator = '-';
  FormatSettings.ShortDateFormat = "dd/mm/yyyy";
  FormatSettings.LongTimeFormat = "hh:nn:ss";
  EXPECT_EQ(FormatDateTime("c", t), "05.03.2024 14-07-09");
  // Formats that name themselves do not recurse forever.
  FormatSettings.ShortDateFormat = "ddddd c";
  EXPECT_NO_THROW(FormatDateTime("c", t));
}

TEST(ParseDate, UsesTheShortDateFormat) {
  win::TVirtualClockScope clock;
  clock.Clock().SetNow(At(2026, 6, 1));
  EXPECT_EQ(StrToDate("3/5/2024"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate(" 3 / 5 / 2024 "), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("3/5"), EncodeDate(2026, 3, 5));  // the current year
  EXPECT_EQ(StrToDate("12/31/99"), EncodeDate(2099, 12, 31));  // window 0: this century
  EXPECT_EQ(StrToDate("1/2/0099"), EncodeDate(99, 1, 2));      // four digits are taken as written
  TFormatSettingsScope scope;
  FormatSettings.ShortDateFormat = "dd.mm.yyyy";
  FormatSettings.DateSeparator = '.';
  EXPECT_EQ(StrToDate("05.03.2024"), EncodeDate(2024, 3, 5));
  EXPECT_EQ(StrToDate("5.3"), EncodeDate(2026, 3, 5));
  FormatSettings.ShortDateFormat = "yyyy-MM-dd";
  FormatSettings.DateSeparator = '-';
  EXPECT_EQ(StrToDate("2024-03-05"), EncodeDate(2024, 3, 5));
}

TEST(ParseDate, TwoDigitYearWindow) {
  win::TVirtualClockScope clock;
  clock.Clock().SetNow(At(2026, 6, 1));
  TFormatSettingsScope scope;
  FormatSettings.TwoDigitYearCenturyWindow = 50;  // years from 1976 to 2075
  EXPECT_EQ(StrToDate("1/1/75"), EncodeDate(2075, 1, 1));
  EXPECT_EQ(StrToDate("1/1/76"), EncodeDate(1976, 1, 1));
  EXPECT_EQ(StrToDate("1/1/00"), EncodeDate(2000, 1, 1));
  FormatSettings.TwoDigitYearCenturyWindow = 0;
  EXPECT_EQ(StrToDate("1/1/76"), EncodeDate(2076, 1, 1));
}

TEST(ParseDate, BadDatesRaiseWithTheFrameworkText) {
  for (const char* bad : {"", "3", "3/", "2/30/2024", "13/1/2024", "1/1/2024x", "a/b/c", "1//2", "12345/1/1"}) {
    TDateTime v;
    EXPECT_FALSE(TryStrToDate(bad, v)) << bad;
  }
  EXPECT_EQ(ConvertError([] { StrToDate("2/30/2024"); }), "'2/30/2024' is not a valid date");
}

TEST(ParseTime, HoursMinutesSecondsAndAmPm) {
  EXPECT_DOUBLE_EQ(StrToTime("14:07:09"), EncodeTime(14, 7, 9, 0));
  EXPECT_DOUBLE_EQ(StrToTime("2:07 PM"), EncodeTime(14, 7, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("12:00 am"), EncodeTime(0, 0, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("12:30 PM"), EncodeTime(12, 30, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("PM 3:15"), EncodeTime(15, 15, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("3:15 p"), EncodeTime(15, 15, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("10"), EncodeTime(10, 0, 0, 0));
  EXPECT_DOUBLE_EQ(StrToTime("1:02:03.456"), EncodeTime(1, 2, 3, 456));
  for (const char* bad : {"", "25:00", "13:00 PM", "0:00 AM", "1:60", "1:", "1:2:", "x", "1:00 QM"}) {
    TDateTime v;
    EXPECT_FALSE(TryStrToTime(bad, v)) << bad;
  }
  EXPECT_EQ(ConvertError([] { StrToTime("25:00"); }), "'25:00' is not a valid time");
}

TEST(ParseDateTime, DateThenOptionalTime) {
  EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024 2:07:09 PM"), At(2024, 3, 5, 14, 7, 9));
  EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024"), EncodeDate(2024, 3, 5));
  EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(At(2001, 12, 24, 18, 30))), At(2001, 12, 24, 18, 30));
  // Before 1899-12-30 the time is subtracted from the (negative) day count.
  EXPECT_DOUBLE_EQ(StrToDateTime("12/29/1899 6:00"), -1.25);
  EXPECT_EQ(ConvertError([] { StrToDateTime("3/5/2024 25:00"); }),
            "'3/5/2024 25:00' is not a valid date and time");
  TDateTime v;
  EXPECT_FALSE(TryStrToDateTime("14:00", v));
}
