#include <gtest/gtest.h>

#include "edits/ZYLDateFormat.h"
#include "platform/base/Clock.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using vcl::EncodeDate;

// A European layout: '.' between day, month and year, German names.
class DateFormat : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_.Clock().SetNow(EncodeDate(2004, 6, 15));
    f_.SetFormat(dfCustom);
  }
  void UseGerman() {
    ASSERT_TRUE(win::SetLocaleInfoA(win::GetThreadLocale(), win::LOCALE_SDATE, "."));
    vcl::GetFormatSettings();
    auto& fs = vcl::FormatSettings;
    fs.LongDayNames = {"",         "Sonntag",    "Montag",  "Dienstag",
                       "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    fs.ShortDayNames = {"", "So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    fs.LongMonthNames = {"",     "Januar", "Februar",   "M\xE4rz", "April",    "Mai",     "Juni",
                         "Juli", "August", "September", "Oktober", "November", "Dezember"};
    fs.ShortMonthNames = {"",    "Jan", "Feb", "M\xE4r", "Apr", "Mai", "Jun",
                          "Jul", "Aug", "Sep", "Okt",    "Nov", "Dez"};
  }
  std::string Ymd(const std::string& text) {
    int y = 0, m = 0, d = 0;
    f_.StrToYMD(text, y, m, d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
  }

  win::TVirtualClockScope clock_;
  vcl::TFormatSettingsScope locale_;
  TZYLDateFormat f_;
};

TEST_F(DateFormat, PictureInForce) {
  UseGerman();
  f_.SetFormatStr("dd/mm/yyyy");
  EXPECT_EQ(f_.GetFormatStr(), "dd.mm.yyyy");
  EXPECT_EQ(f_.DateToStr(EncodeDate(2004, 3, 5)), "05.03.2004");
  f_.SetFormat(dfShortSystem);
  EXPECT_EQ(f_.GetFormatStr(), vcl::FormatSettings.ShortDateFormat);
  f_.SetFormat(dfLongSystem);
  EXPECT_EQ(f_.GetFormatStr(), vcl::FormatSettings.LongDateFormat);
}

TEST_F(DateFormat, DisplayAndEditForms) {
  const vcl::TDateTime d = EncodeDate(2004, 3, 5);  // a Friday
  struct TCase {
    const char* picture;
    const char* display;
    const char* edit;
  };
  const TCase cases[] = {
      {"d.m.yy", "5.3.04", "5 .3 .04"},
      {"dd/mm/yyyy", "05/03/2004", "05/03/2004"},
      {"ddd d mmm y", "Fri 5 Mar 2004", "Fri 5  Mar 2004"},
      {"dddd, mmmm dd, yyyy", "Friday, March 05, 2004", "Friday   , March     05, 2004"},
      {"yyy-ddddd-mmmmm", "--", "2004-05-03"},
  };
  for (const TCase& c : cases) {
    f_.SetFormatStr(c.picture);
    EXPECT_EQ(f_.DateToStr(d), c.display) << c.picture;
    EXPECT_EQ(f_.GetDTEditString(d), c.edit) << c.picture;
  }
  // The edit form from year, month and day is the one the date itself gives.
  f_.SetFormatStr("d.m.yy");
  EXPECT_EQ(f_.GetEditString(2004, 3, 5), "5 .3 .04");
  EXPECT_EQ(f_.GetEditString(2004, 3, 5), f_.GetDTEditString(d));
  EXPECT_EQ(TZYLDateFormat::GetLongDayExtend(), 9);    // Wednesday
  EXPECT_EQ(TZYLDateFormat::GetLongMonthExtend(), 9);  // September
  EXPECT_EQ(TZYLDateFormat::GetShortMonthExtend(), 3);
}

TEST_F(DateFormat, ReadsTextsBack) {
  UseGerman();
  f_.SetFormatStr("dd/mm/yyyy");
  f_.SetYearDelta(30);
  testsupport::ExpectCases({
      {Ymd("05.03.2004"), "2004-3-5"},
      {Ymd(" 5. 3.25"), "2025-3-5"},
      {Ymd("5.3.31"), "1931-3-5"},
      {Ymd("05.03."), "1900-3-5"},  // no year
      {Ymd(""), "1900-1-1"},
      {Ymd("x.y.z"), "1900-1-1"},
  });
  f_.SetFormatStr("dddd, d. mmmm yyyy");
  EXPECT_EQ(f_.DateToStr(EncodeDate(2004, 3, 5)), "Freitag, 5. M\xE4rz 2004");
  EXPECT_EQ(Ymd("freitag, 5. m\xE4rz 2004"), "2004-3-5");
  EXPECT_EQ(Ymd("Fr, 5. Mai 2004"), "2004-5-5");
  EXPECT_EQ(Ymd("Fr, 5. Maerz 2004"), "1900-0-5");  // no month of that name
  // A year written in full reads whole, whatever the run's length.
  f_.SetFormatStr("d/m/y");
  EXPECT_EQ(Ymd("5.3.2004"), "2004-3-5");
}

// A two-digit year with the platform's window: by default the current century.
TEST_F(DateFormat, DefaultYearWindow) {
  f_.SetFormatStr("dd/mm/yy");
  EXPECT_EQ(f_.GetYearDelta(), 99);
  EXPECT_EQ(Ymd("05/03/04"), "2004-3-5");
  EXPECT_EQ(Ymd("05/03/99"), "2099-3-5");
  vcl::FormatSettings.TwoDigitYearCenturyWindow = 50;  // 1954 .. 2053
  EXPECT_EQ(Ymd("05/03/53"), "2053-3-5");
  EXPECT_EQ(Ymd("05/03/54"), "1954-3-5");
}

TEST_F(DateFormat, ImpossibleDates) {
  UseGerman();
  f_.SetFormatStr("dd/mm/yyyy");
  EXPECT_EQ(f_.StrToDate("31.02.2003"), EncodeDate(2003, 2, 28));
  EXPECT_EQ(f_.StrToDate("30.02.2004"), EncodeDate(2004, 2, 29));
  EXPECT_NE(testsupport::ErrorOf<vcl::EConvertError>([&] { f_.StrToDate("31.04.2003"); }),
            "<no error>");
  EXPECT_NE(testsupport::ErrorOf<vcl::EConvertError>([&] { f_.StrToDate("01.13.2003"); }),
            "<no error>");
  EXPECT_NE(testsupport::ErrorOf<vcl::EConvertError>([&] { f_.StrToDate("00.00.0000"); }),
            "<no error>");
}

// Fields of "05.03.2004" under dd.mm.yyyy: 1-2, 4-5, 7-10.
TEST_F(DateFormat, LocatesFields) {
  UseGerman();
  f_.SetFormatStr("dd/mm/yyyy");
  const std::string text = "05.03.2004";
  int type = 0, end = 0, start = 0;
  f_.GetPatInfo(3, text, type, end, start);
  EXPECT_EQ(type, 24);
  EXPECT_EQ(start, 7);
  EXPECT_EQ(end, 11);
  f_.GetPatInfo(4, text, type, end, start);
  EXPECT_EQ(type, 0);
  struct TCase {
    int position, pattern, type, start, length, next, prev;
  };
  const TCase cases[] = {
      {1, 1, 2, 1, 2, 4, 1},   {3, 1, 2, 1, 2, 4, 1},  {4, 2, 12, 4, 2, 7, 1},
      {6, 2, 12, 4, 2, 7, 1},  {7, 3, 24, 7, 4, 7, 4}, {11, 3, 24, 7, 4, 7, 4},
      {12, 0, 0, 0, 0, 12, 7},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.position);
    EXPECT_EQ(f_.GetPattern(c.position, text), c.pattern);
    EXPECT_EQ(f_.CurrentType(c.position, text), c.type);
    EXPECT_EQ(f_.CurrentStart(c.position, text), c.start);
    EXPECT_EQ(f_.CurrentLength(c.position, text), c.length);
    EXPECT_EQ(f_.NextEditPos(c.position, text), c.next);
    EXPECT_EQ(f_.PrevEditPos(c.position, text), c.prev);
  }
  // A position before the first field's digits lies in no field.
  EXPECT_EQ(f_.GetPattern(1, " 5.03.2004"), -1);
  // The edit form pads numbers on the right; the fields are the digits.
  f_.SetFormatStr("d/m/yy");
  f_.GetPatInfo(2, "5 .3 .04", type, end, start);
  EXPECT_EQ(type, 11);
  EXPECT_EQ(start, 4);
  EXPECT_EQ(end, 5);
}

TEST_F(DateFormat, EventsAndAssignment) {
  std::string log;
  struct TLog : vcl::TObject {
    std::string* log = nullptr;
    void Change(vcl::TObject*) { *log += "change "; }
    void Changed(vcl::TObject*) { *log += "changed "; }
  } sink;
  sink.log = &log;
  TZYLDateFormat g;
  g.SetOnFormatChange(vcl::TNotifyEvent(&sink, &TLog::Change));
  g.SetOnFormatChanged(vcl::TNotifyEvent(&sink, &TLog::Changed));
  g.SetFormatStr("yyyy");  // not in force: only the warning before
  g.SetFormat(dfCustom);
  g.SetFormatStr("yyyy");  // unchanged
  g.SetFormatStr("dd");
  EXPECT_EQ(log, "change changed change changed ");
  f_.SetYearDelta(12);
  f_.SetFormatStr("mm");
  g.Assign(&f_);
  EXPECT_EQ(g.FormatStr(), "mm");
  EXPECT_EQ(g.YearDelta(), 12);
  EXPECT_EQ(g.Format(), dfCustom);
}

}  // namespace
}  // namespace zyl
