// The date picture: the picture in force for the system and custom formats, dates written in
// the display and the edit form, texts read back (names, two-digit years, impossible dates),
// and the fields of a date text found by position.
#include <gtest/gtest.h>

#include <string>

#include "edits/ZYLDateFormat.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/Locale.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

class DateFormatTest : public ::testing::Test {
 protected:
  DateFormatTest() { vcl::FormatSettings = vcl::FormatSettingsFromLocale(); }
  // A custom picture, "/" standing for the locale's separator.
  void Custom(const std::string& Picture) {
    f_.SetFormat(dfCustom);
    f_.SetFormatStr(Picture);
  }
  std::string Read(const std::string& Text) {
    int y = 0, m = 0, d = 0;
    f_.StrToYMD(Text, y, m, d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
  }
  vcl::TFormatSettingsScope locale_;
  TZYLDateFormat f_;
};

TEST_F(DateFormatTest, AEuropeanCustomPictureTakesTheLocalesSeparator) {
  vcl::FormatSettings.DateSeparator = '.';
  Custom("dd/mm/yyyy");
  const vcl::TDateTime march5 = vcl::EncodeDate(2004, 3, 5);
  uint16_t y = 0, m = 0, d = 0;
  vcl::DecodeDate(f_.StrToDate("31.02.2003"), y, m, d);
  testsupport::ExpectCases(
      {{f_.GetFormatStr(), "dd.mm.yyyy"},
       {f_.DateToStr(march5), "05.03.2004"},
       {f_.GetDTEditString(march5), "05.03.2004"},
       {std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d), "2003-2-28"},
       {Read("29.02.2004"), "2004-2-29"},
       {Read("5.3"), "1900-3-5"}});
  EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>([&] { f_.StrToDate("31.04.2003"); }),
            "Invalid argument to date encode");
}

TEST_F(DateFormatTest, TheUsSystemPicturesWriteAndReadNames) {
  const vcl::TDateTime march5 = vcl::EncodeDate(2004, 3, 5);
  EXPECT_EQ(f_.DateToStr(march5), "3/5/2004");  // the short system picture M/d/yyyy
  f_.SetFormat(dfLongSystem);
  EXPECT_EQ(f_.DateToStr(march5), "Friday, March 05, 2004");
  EXPECT_EQ(Read("Friday, March 05, 2004"), "2004-3-5");
  Custom("ddd d mmm yy");
  EXPECT_EQ(f_.DateToStr(march5), "Fri 5 Mar 04");
  EXPECT_EQ(Read("fri 5 MAR 04").substr(4), "-3-5");
  EXPECT_EQ(Read("Fri 5 Xyz 04").substr(4), "-0-5");  // an unknown month name
  Custom("yyy-m");
  EXPECT_EQ(f_.DateToStr(march5), "-3");  // three Ys write nothing
}

TEST_F(DateFormatTest, TheEditFormPadsEveryFieldToItsWidth) {
  Custom("d.m.yy");
  EXPECT_EQ(f_.GetEditString(2004, 3, 5), "5 .3 .04");
  Custom("ddd mmmm yyyy");
  const std::string s = f_.GetEditString(2004, 3, 5);
  EXPECT_EQ(s.size(), static_cast<size_t>(TZYLDateFormat::GetShortDayExtend() + 1 +
                                          TZYLDateFormat::GetLongMonthExtend() + 1 + 4));
  EXPECT_EQ(s.substr(0, 4), "Fri ");
}

TEST_F(DateFormatTest, TwoDigitYearsGoToTheCenturyByYearDelta) {
  Custom("yy");
  f_.SetYearDelta(30);
  const int century = TZYLDateFormat::CurrentYear() / 100 * 100;
  EXPECT_EQ(Read("25"), std::to_string(century + 25) + "-1-1");
  EXPECT_EQ(Read("31"), std::to_string(century - 100 + 31) + "-1-1");
  Custom("yyyy");
  EXPECT_EQ(Read("0012"), std::to_string(century + 12) + "-1-1");
  EXPECT_EQ(Read("1850"), "1850-1-1");
}

TEST_F(DateFormatTest, FieldsAreFoundByPosition) {
  vcl::FormatSettings.DateSeparator = '.';
  Custom("dd/mm/yyyy");
  const std::string t = "05.03.2004";
  std::string info;
  for (int i = 1; i <= 4; ++i) {
    int type = 0, end = 0, start = 0;
    f_.GetPatInfo(i, t, type, end, start);
    info += std::to_string(type) + ":" + std::to_string(start) + "-" + std::to_string(end) + " ";
  }
  EXPECT_EQ(info, "2:1-3 12:4-6 24:7-11 0:0-0 ");
  struct TCase {
    int Pos;
    int Pattern, Type, Start, Length, Next, Prev;
  } const cases[] = {{1, 1, 2, 1, 2, 4, 1},  {3, 1, 2, 1, 2, 4, 1},   {5, 2, 12, 4, 2, 7, 1},
                     {8, 3, 24, 7, 4, 7, 4}, {11, 3, 24, 7, 4, 7, 4}, {13, 0, 0, 0, 0, 7, 7}};
  for (const TCase& c : cases) {
    EXPECT_EQ(f_.GetPattern(c.Pos, t), c.Pattern) << c.Pos;
    EXPECT_EQ(f_.CurrentType(c.Pos, t), c.Type) << c.Pos;
    EXPECT_EQ(f_.CurrentStart(c.Pos, t), c.Start) << c.Pos;
    EXPECT_EQ(f_.CurrentLength(c.Pos, t), c.Length) << c.Pos;
    EXPECT_EQ(f_.NextEditPos(c.Pos, t), c.Next) << c.Pos;
    EXPECT_EQ(f_.PrevEditPos(c.Pos, t), c.Prev) << c.Pos;
  }
  // The padded edit form of d.m.yy has its fields after the padding's spaces.
  Custom("d.m.yy");
  int type = 0, end = 0, start = 0;
  f_.GetPatInfo(3, f_.GetEditString(2004, 3, 5), type, end, start);
  EXPECT_EQ(std::to_string(type) + ":" + std::to_string(start) + "-" + std::to_string(end),
            "22:7-9");
}

TEST_F(DateFormatTest, PictureChangesAreAnnounced) {
  edittest::TRecorder rec;
  f_.OnFormatChange = vcl::TNotifyEvent(&rec, &edittest::TRecorder::Modified);
  f_.OnFormatChanged = vcl::TNotifyEvent(&rec, &edittest::TRecorder::Changed);
  f_.SetFormatStr("d/m");  // a system format is in force: only the coming change is told
  f_.SetFormat(dfCustom);
  f_.SetFormatStr("d/m/y");
  f_.SetFormatStr("d/m/y");
  EXPECT_EQ(rec.Take(), "modified change modified change");
  TZYLDateFormat copy;
  copy.Assign(&f_);
  EXPECT_EQ(copy.GetFormatStr(), f_.GetFormatStr());
}

}  // namespace
}  // namespace zyl
