#include <gtest/gtest.h>

#include "edits/ZYLCurrencySettings.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using vcl::Currency;

Currency Amount(double value) { return Currency(value); }

// The layout of the US locale, set by hand so that the tests do not depend on it.
void UseDollars(TZYLCurrencySettings& s, int positive, int negative) {
  s.SetSystemDefaults(cmUser);
  s.SetString(TZYLCurrencySettings::siSymbol, "$");
  s.SetString(TZYLCurrencySettings::siPositiveFormat,
              TZYLCurrencySettings::PositivePattern(positive));
  s.SetString(TZYLCurrencySettings::siNegativeFormat,
              TZYLCurrencySettings::NegativePattern(negative));
  s.SetDigits(2);
  s.SetGroupSize(3);
  s.SetThousandSeparator(',');
  s.SetDecimalSeparator('.');
}

TEST(CurrencySettings, WritesAmountsByTheirSignsPattern) {
  TZYLCurrencySettings s;
  UseDollars(s, 0, 1);
  testsupport::ExpectCases({
      {s.toStr(Amount(2468.25)), "$2,468.25"},
      {s.toStr(Amount(-2468.25)), "-$2,468.25"},
      {s.toStr(Amount(0)), "$0.00"},
      {s.toStr(Amount(1234567.5)), "$1,234,567.50"},
      {s.toStr(Amount(999)), "$999.00"},
      {s.toStr(Amount(0.1299)), "$0.12"},  // cut, not rounded
      {s.toStr(vcl::MaxCurrency), "$922,337,203,685,477.58"},
  });
  EXPECT_EQ(s.toCur("-$2,468.25"), Amount(-2468.25));
  EXPECT_EQ(s.firstDigitPos(Amount(5)), 2);
  EXPECT_EQ(s.firstDigitPos(Amount(-5)), 3);
  s.SetString(TZYLCurrencySettings::siPositiveFormat, TZYLCurrencySettings::PositivePattern(2));
  EXPECT_EQ(s.firstDigitPos(Amount(5)), 3);
  s.SetString(TZYLCurrencySettings::siPositiveFormat, "none");
  EXPECT_EQ(s.firstDigitPos(Amount(5)), 0);
}

// Every negative pattern reads back the amount it wrote, the sign included (parentheses and
// trailing minus signs too).
TEST(CurrencySettings, EveryPatternReadsBackWhatItWrote) {
  TZYLCurrencySettings s;
  for (int negative = 0; negative < 16; ++negative) {
    for (int positive = 0; positive < 4; ++positive) {
      UseDollars(s, positive, negative);
      for (const double value : {-2468.25, -0.5, 0.0, 7.0, 1234567.89}) {
        const std::string text = s.toStr(Amount(value));
        EXPECT_EQ(s.toCur(text), Amount(value))
            << text << " pattern " << positive << "/" << negative;
      }
    }
  }
  UseDollars(s, 0, 0);
  EXPECT_EQ(s.toStr(Amount(-2468.25)), "($2,468.25)");
}

TEST(CurrencySettings, ReadsTolerantlyAndRefusesWhatDoesNotFit) {
  TZYLCurrencySettings s;
  UseDollars(s, 0, 1);
  EXPECT_EQ(s.toCur(""), Amount(0));
  EXPECT_EQ(s.toCur("$"), Amount(0));
  EXPECT_EQ(s.toCur("abc 12x.5"), Amount(12.5));
  EXPECT_EQ(s.toCur("$ 0.00005"), Amount(0.0));  // rounded to ten-thousandths, halves to even
  EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>([&] { s.toCur("$99999999999999999999"); }),
            "'$99999999999999999999' is not a valid currency value");
  EXPECT_NE(testsupport::ErrorOf<vcl::EConvertError>([&] { s.toCur("1.2.3"); }), "<no error>");
}

TEST(CurrencySettings, GroupingAndDigitsAtTheirEdges) {
  TZYLCurrencySettings s;
  UseDollars(s, 1, 5);
  s.SetGroupSize(0);  // no grouping at all
  EXPECT_EQ(s.toStr(Amount(1234567.5)), "1234567.50$");
  s.SetGroupSize(2);
  EXPECT_EQ(s.toStr(Amount(-1234567.5)), "-1,23,45,67.50$");
  s.SetGroupSize(3);
  s.SetDigits(0);  // no fraction and no separator
  EXPECT_EQ(s.toStr(Amount(1234.99)), "1,234$");
  s.SetDigits(4);
  EXPECT_EQ(s.toStr(Amount(1.5)), "1.5000$");
}

TEST(CurrencySettings, TakesTheLocalesLayout) {
  vcl::TFormatSettingsScope scope;
  const win::LCID lcid = win::GetThreadLocale();
  for (const auto& [item, value] : std::initializer_list<std::pair<win::LCTYPE, const char*>>{
           {win::LOCALE_SCURRENCY, "\x80"},
           {win::LOCALE_ICURRENCY, "3"},
           {win::LOCALE_INEGCURR, "8"},
           {win::LOCALE_SDECIMAL, ","},
           {win::LOCALE_SMONTHOUSANDSEP, "."},
           {win::LOCALE_SMONGROUPING, "3;0"},
           {win::LOCALE_ICURRDIGITS, "2"}})
    ASSERT_TRUE(win::SetLocaleInfoA(lcid, item, value));
  TZYLCurrencySettings s;
  EXPECT_EQ(s.toStr(Amount(1234567.5)), "1.234.567,50 \x80");
  EXPECT_EQ(s.toStr(Amount(-3.25)), "-3,25 \x80");
  EXPECT_EQ(s.toCur("-1.234.567,50 \x80"), Amount(-1234567.5));

  // Unreadable numbers take the first pattern, two digits and groups of three; a format
  // number beyond the tables keeps the pattern there was.
  ASSERT_TRUE(win::SetLocaleInfoA(lcid, win::LOCALE_ICURRDIGITS, "x"));
  ASSERT_TRUE(win::SetLocaleInfoA(lcid, win::LOCALE_SMONGROUPING, "?"));
  ASSERT_TRUE(win::SetLocaleInfoA(lcid, win::LOCALE_INEGCURR, "99"));
  ASSERT_TRUE(win::SetLocaleInfoA(lcid, win::LOCALE_ICURRENCY, "no"));
  s.LoadDefaults();
  EXPECT_EQ(s.Digits(), 2);
  EXPECT_EQ(s.GroupSize(), 3);
  EXPECT_EQ(s.NegativeFormatStr(), TZYLCurrencySettings::NegativePattern(8));
  EXPECT_EQ(s.PositiveFormatStr(), TZYLCurrencySettings::PositivePattern(0));
}

TEST(CurrencySettings, ChangesAndAssignment) {
  TZYLCurrencySettings a;
  int changes = 0;
  struct TCounter : vcl::TObject {
    int* n = nullptr;
    void Count(vcl::TObject*) { ++*n; }
  } counter;
  counter.n = &changes;
  a.SetOnChange(vcl::TNotifyEvent(&counter, &TCounter::Count));
  a.SetString(TZYLCurrencySettings::siSymbol, "EUR");
  a.SetString(TZYLCurrencySettings::siSymbol, "EUR");
  EXPECT_EQ(changes, 1);

  TZYLCurrencySettings user;
  UseDollars(user, 2, 9);
  user.SetString(TZYLCurrencySettings::siSymbol, "USD");
  user.SetDigits(3);
  TZYLCurrencySettings b;
  b.Assign(&user);
  EXPECT_EQ(b.SystemDefaults(), cmUser);
  EXPECT_EQ(b.toStr(Amount(-1.5)), "-USD 1.500");
  // Back to the system's layout: the locale's values return.
  user.SetSystemDefaults(cmSystem);
  b.Assign(&user);
  EXPECT_EQ(b.Symbol(), "$");
  EXPECT_EQ(b.toStr(Amount(-1.5)), "($1.50)");
}

}  // namespace
}  // namespace zyl
