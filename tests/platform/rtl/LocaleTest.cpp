#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/Exceptions.h"
#include "platform/rtl/CodePage.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"

using namespace vcl;
using namespace win;

TEST(Locale, EnglishUsItems) {
  const LCID lcid = GetThreadLocale();
  EXPECT_EQ(lcid, 0x0409u);
  EXPECT_EQ(GetLocaleStr(lcid, LOCALE_SMONGROUPING, "x"), "3;0");
  EXPECT_EQ(GetLocaleStr(lcid, LOCALE_SABBREVMONTHNAME12, "x"), "Dec");
  EXPECT_EQ(GetLocaleStr(lcid, LOCALE_SPOSITIVESIGN, "x"), "");  // present but empty
  EXPECT_EQ(GetLocaleStr(lcid, 0, "Hallo"), "Hallo");              // no item 0
  EXPECT_EQ(GetLocaleStr(lcid, LOCALE_ICALENDARTYPE | LOCALE_NOUSEROVERRIDE, "x"), "1");
  EXPECT_EQ(GetLocaleChar(lcid, LOCALE_STHOUSAND, '?'), ',');
}

TEST(Locale, GetLocaleInfoBufferRules) {
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, nullptr, 0), 2);
  char buf[4];
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buf, sizeof buf), 0);  // too small
  char big[64];
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, big, sizeof big), 9);
  EXPECT_STREQ(big, "M/d/yyyy");
  EXPECT_EQ(GetLocaleInfoA(LOCALE_USER_DEFAULT, 0x7777, big, sizeof big), 0);
}

TEST(Locale, SettingItemsAndReloadingTheSettings) {
  {
    TFormatSettingsScope scope;
    EXPECT_TRUE(SetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, ","));
    EXPECT_TRUE(SetLocaleInfoA(GetThreadLocale(), LOCALE_ITIME, "1"));
    EXPECT_TRUE(SetLocaleInfoA(GetThreadLocale(), LOCALE_ITLZERO, "1"));
    EXPECT_FALSE(SetLocaleInfoA(GetThreadLocale(), LOCALE_SDAYNAME1, "Lundi"));
    EXPECT_FALSE(SetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, nullptr));
    EXPECT_EQ(GetLocaleStr(GetThreadLocale(), LOCALE_SDECIMAL, ""), ",");
    EXPECT_EQ(FormatSettings.DecimalSeparator, '.');  // until the settings are reloaded
    GetFormatSettings();
    EXPECT_EQ(FormatSettings.DecimalSeparator, ',');
    EXPECT_EQ(FormatSettings.LongTimeFormat, "hh:mm:ss");
  }
  EXPECT_EQ(GetLocaleStr(GetThreadLocale(), LOCALE_SDECIMAL, ""), ".");
  EXPECT_EQ(FormatSettings.DecimalSeparator, '.');
}

// The fixed items too (names, language) can stand for another user's locale; the scope gives
// them back.
TEST(Locale, UserLocaleItemsTheFixedOnesToo) {
  {
    TFormatSettingsScope scope;
    EXPECT_TRUE(SetUserLocaleItem(LOCALE_SDAYNAME1, "Lundi"));
    EXPECT_TRUE(SetUserLocaleItem(LOCALE_SMONTHNAME1 + 2, "mars"));
    EXPECT_TRUE(SetUserLocaleItem(LOCALE_SDECIMAL, ","));
    EXPECT_FALSE(SetUserLocaleItem(0x7777, "x"));  // no such item
    EXPECT_FALSE(SetUserLocaleItem(LOCALE_SDAYNAME1 + 1, nullptr));
    EXPECT_EQ(GetLocaleStr(GetThreadLocale(), LOCALE_SDAYNAME1, ""), "Lundi");
    EXPECT_EQ(GetLocaleStr(GetThreadLocale(), 0x7777, "none"), "none");
    GetFormatSettings();
    EXPECT_EQ(FormatSettings.LongDayNames[2], "Lundi");  // day 2 is Monday
    EXPECT_EQ(FormatSettings.LongMonthNames[3], "mars");
    EXPECT_EQ(FormatSettings.DecimalSeparator, ',');
  }
  EXPECT_EQ(GetLocaleStr(GetThreadLocale(), LOCALE_SDAYNAME1, ""), "Monday");
  EXPECT_EQ(FormatSettings.LongMonthNames[3], "March");
}

TEST(CompareString, FlagsAndResults) {
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, "abc", -1, "ABC", -1), CSTR_EQUAL);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, "abc", -1, "ABC", -1), CSTR_LESS_THAN);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, "abcd", 3, "abc", -1), CSTR_EQUAL);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORENONSPACE, "\xE9", -1, "e", -1), CSTR_EQUAL);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORESYMBOLS, "a.b", -1, "ab", -1), CSTR_EQUAL);
  // Word sort ignores the hyphen at first; string sort weighs it as a symbol.
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, "b-c", -1, "ba", -1), CSTR_GREATER_THAN);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, SORT_STRINGSORT, "b-c", -1, "ba", -1), CSTR_LESS_THAN);
  EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, nullptr, -1, "a", -1), 0);
}

// Pairs whose order is settled at different depths of the comparison: a first differing
// letter, digit or symbol; the end of one string; a ligature or an ignored character before
// or after the first difference; accents and case that only break ties; hyphens and
// apostrophes that only break ties.
TEST(CompareString, OrderOfMixedStrings) {
  constexpr int lt = CSTR_LESS_THAN, eq = CSTR_EQUAL, gt = CSTR_GREATER_THAN;
  const struct {
    const char *a, *b;
    int text, str;  // ignoring case, and telling case apart
  } cases[] = {
      {"apple", "apricot", lt, lt},
      {"Apple", "apricot", lt, lt},
      {"apple", "APPLE", eq, lt},
      {"APPLE", "apple", eq, gt},
      {"applE", "apple", eq, gt},
      {"apple", "apples", lt, lt},
      {"Apples", "apple", gt, gt},
      {"", "a", lt, lt},
      {"", "", eq, eq},
      {"9", "10", gt, gt},     // digit by digit
      {"a9", "aa", lt, lt},    // digits before letters
      {"a_", "a1", lt, lt},    // punctuation before digits
      {"a b", "a.b", lt, lt},  // the space before the full stop
      {"a+", "a!", gt, gt},    // the plus among the later symbols
      {"a+", "a0", lt, lt},
      {"resume", "r\xE9sum\xE9", lt, lt},  // the accent breaks a tie
      {"R\xC9SUM\xC9", "r\xE9sum\xE9", eq, gt},
      {"r\xE9sum\xE9", "resumf", lt, lt},  // but weighs less than the next letter
      {"\xE9"
       "a",
       "eb", lt, lt},
      {"\xC6on", "aeon", eq, gt},  // a ligature counts as two letters
      {"\xE6on", "aeon", eq, eq},
      {"\xE6", "af", lt, lt},
      {"\xE6", "ad", gt, gt},
      {"a\xE6", "aae", eq, eq},
      {"Stra\xDF"
       "e",
       "strasse", eq, gt},
      {"stra\xDF", "strast", lt, lt},
      {"ab", "ab\x01", eq, eq},  // control characters weigh nothing
      {"ab\x01"
       "c",
       "abc", eq, eq},
      {"a\x01"
       "b",
       "ac", lt, lt},
      {"ab",
       "a\xAD"
       "b",
       eq, eq},               // nor does the soft hyphen
      {"ab", "ab-", lt, lt},  // the hyphen only breaks ties
      {"co-op", "coop", gt, gt},
      {"co-op", "cop", lt, lt},
      {"it's", "its", gt, gt},
      {"it's", "itself", lt, lt},
      {"a-b", "a'b", gt, gt},
      {"b-c", "ba", gt, gt},
      {"x\xFE", "xz", gt, gt},  // thorn after z
      {"\x8A"
       "a",
       "sb", lt, lt},
      {"\x8A", "s", gt, gt},
  };
  for (const auto& c : cases) {
    const int la = static_cast<int>(std::strlen(c.a)), lb = static_cast<int>(std::strlen(c.b));
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.a, la, c.b, lb), c.text)
        << c.a << " | " << c.b;
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, c.b, lb, c.a, la), 4 - c.text)
        << c.b << " | " << c.a;
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, c.a, la, c.b, lb), c.str)
        << c.a << " | " << c.b;
    EXPECT_EQ(CompareStringA(LOCALE_USER_DEFAULT, 0, c.b, lb, c.a, la), 4 - c.str)
        << c.b << " | " << c.a;
  }
}

TEST(CodePage, ClassificationIn1252) {
  const struct {
    BOOL (*test)(char);
    const char *yes, *no;
  } classes[] = {{IsCharAlphaA, "a\xE9\x8A", "1\xD7\xA9"},  // not the signs
                 {IsCharAlphaNumericA, "7\xF1", "_"},
                 {IsCharUpperA, "\xC0", "\xE0"},
                 {IsCharLowerA, "\xDF\xFF", "\xF7"}};  // not the division sign
  for (const auto& c : classes) {
    for (const char* p = c.yes; *p; ++p) EXPECT_TRUE(c.test(*p)) << int(*p & 0xFF);
    for (const char* p = c.no; *p; ++p) EXPECT_FALSE(c.test(*p)) << int(*p & 0xFF);
  }
  char s[] = "\xE0-\xFFz";
  CharUpperA(s);
  EXPECT_STREQ(s, "\xC0-\x9FZ");
  CharLowerBuffA(s, 2);
  EXPECT_STREQ(s, "\xE0-\x9FZ");
}

TEST(CodePage, OemRoundTripIsLossyOutsideThePage) {
  char oem[16], back[16];
  CharToOemA("\xE9\xE0\xFC", oem);  // present in page 437
  EXPECT_STREQ(oem, "\x82\x85\x81");
  OemToCharA(oem, back);
  EXPECT_STREQ(back, "\xE9\xE0\xFC");
  CharToOemA("\xC0\xA9\x80", oem);  // capital A grave, copyright, euro: absent
  EXPECT_STREQ(oem, "Ac?");
  OemToCharA(oem, back);
  EXPECT_STREQ(back, "Ac?");
  // Page 850 has them.
  ASSERT_TRUE(SetOemCodePage(850));
  CharToOemA("\xC0\xA9", oem);
  EXPECT_STREQ(oem, "\xB7\xB8");
  OemToCharA(oem, back);
  EXPECT_STREQ(back, "\xC0\xA9");
  EXPECT_FALSE(SetOemCodePage(1250));
  EXPECT_EQ(GetOEMCP(), 850u);
  ASSERT_TRUE(SetOemCodePage(437));
  // In place, with box characters coming back as look-alikes or '?'.
  char buf[] = "\xB3";
  OemToCharA(buf, buf);
  EXPECT_STREQ(buf, "?");
  EXPECT_EQ(GetACP(), 1252u);
}

TEST(CodePage, Utf8Edges) {
  EXPECT_EQ(AnsiToUtf8("a\xE9\x80"), "a\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Utf8ToAnsi("a\xC3\xA9\xE2\x82\xAC"), "a\xE9\x80");
  EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");           // not in the page
  EXPECT_EQ(Utf8ToAnsi("\xC3"), "?");                   // truncated sequence
  EXPECT_EQ(Utf8ToAnsi("\xC0\xAF"), "??");              // overlong form
  EXPECT_EQ(Utf8ToAnsi("\xF0\x9F\x98\x80!"), "?!");     // outside the BMP
  for (int c = 1; c < 256; ++c) {
    const std::string s(1, static_cast<char>(c));
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(s)), s) << c;
  }
}

TEST(Locale, ExplicitSettingsLeaveTheGlobalOnesAlone) {
  TFormatSettings german = FormatSettingsFromLocale();
  german.DecimalSeparator = ',';
  german.ThousandSeparator = '.';
  german.DateSeparator = '.';
  german.ShortDateFormat = "dd/mm/yyyy";
  german.CurrencyString = "DM";
  german.CurrencyFormat = 3;
  EXPECT_EQ(FloatToStr(2.5, german), "2,5");
  EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 15, 1, german), "1.234,5");
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5, german), "1.234,50");
  EXPECT_EQ(Format("%n|%m|%s", {1234.5, 2.0, "x"}, german), "1.234,50|2,00 DM|x");
  EXPECT_EQ(CurrToStrF(Currency::FromScaled(15000), ffCurrency, 2, german), "1,50 DM");
  EXPECT_DOUBLE_EQ(StrToFloat("1,25", german), 1.25);
  EXPECT_EQ(StrToCurr("1,25", german).Value, 12500);
  EXPECT_EQ(DateToStr(EncodeDate(2024, 3, 5), german), "05.03.2024");
  EXPECT_EQ(StrToDate("05.03.2024", german), EncodeDate(2024, 3, 5));
  TDateTime d;
  EXPECT_FALSE(TryStrToDate("3/5/2024", d, german));
  // An exception leaves the thread's settings as they were.
  EXPECT_THROW(StrToFloat("x", german), EConvertError);
  EXPECT_EQ(FloatToStr(2.5), "2.5");
  EXPECT_EQ(DateToStr(EncodeDate(2024, 3, 5)), "3/5/2024");
  EXPECT_EQ(&ActiveFormatSettings(), &FormatSettings);
  {
    const TActiveFormatSettings outer(german);
    TFormatSettings plain = german;
    plain.DecimalSeparator = '.';
    {
      const TActiveFormatSettings inner(plain);
      EXPECT_EQ(FloatToStr(0.5), "0.5");
    }
    EXPECT_EQ(FloatToStr(0.5), "0,5");
  }
  EXPECT_EQ(FloatToStr(0.5), "0.5");
}
