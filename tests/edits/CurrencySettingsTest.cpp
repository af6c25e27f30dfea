// Currency amounts written and read back by the settings: the layout of every positive and
// negative pattern, the locale's settings for a US and a European locale, grouping, digits,
// and texts that read back as the amounts they came from.
#include <gtest/gtest.h>

#include <string>

#include "edits/ZYLCurrencySettings.h"
#include "platform/base/Exceptions.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

// 2468.25 in ten-thousandths.
constexpr int64_t Amount = 24682500;

class CurrencySettingsTest : public ::testing::Test {
 protected:
  vcl::TFormatSettingsScope locale_;
};

// The US locale's settings: "$", patterns 0 and 0, two digits, groups of three, ',' and '.'.
TEST_F(CurrencySettingsTest, TheUsLocaleWritesDollarsWithParenthesesForLosses) {
  TZYLCurrencySettings s;
  testsupport::ExpectCases({{s.Symbol(), "$"},
                            {s.toStr(Amount), "$2,468.25"},
                            {s.toStr(-Amount), "($2,468.25)"},
                            {s.toStr(0), "$0.00"},
                            {s.toStr(12345678900000), "$1,234,567,890.00"},
                            {std::to_string(s.firstDigitPos(Amount)), "2"},
                            {std::to_string(s.toCur("($2,468.25)")), std::to_string(-Amount)}});
}

TEST_F(CurrencySettingsTest, AEuropeanLocaleWritesItsOwnSymbolSeparatorsAndPatterns) {
  using namespace win;
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, "\x80");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_ICURRENCY, "3");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_INEGCURR, "8");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ",");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHOUSANDSEP, ".");
  SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONGROUPING, "3;0");
  TZYLCurrencySettings s;
  testsupport::ExpectCases({{s.toStr(Amount), "2.468,25 \x80"},
                            {s.toStr(-Amount), "-2.468,25 \x80"},
                            {std::to_string(s.toCur("-2.468,25 \x80")), std::to_string(-Amount)},
                            {std::to_string(s.toCur("1.000,5")), "10005000"}});
  // Switching to the user's settings keeps them; back to the system reloads the locale's.
  s.SetSystemDefaults(cmUser);
  s.SetString(TZYLCurrencySettings::siSymbol, "EUR");
  s.SetSystemDefaults(cmSystem);
  EXPECT_EQ(s.Symbol(), "\x80");
}

// Every pattern, for a gain and a loss: the text, and the amount it reads back as.
TEST_F(CurrencySettingsTest, EveryPatternReadsBackAsTheAmountItWasWrittenFrom) {
  TZYLCurrencySettings s;
  s.SetString(TZYLCurrencySettings::siSymbol, "$");
  const char* const negatives[] = {"($2,468.25)", "-$2,468.25",  "$-2,468.25",   "$2,468.25-",
                                   "(2,468.25$)", "-2,468.25$",  "2,468.25-$",   "2,468.25$-",
                                   "-2,468.25 $", "-$ 2,468.25", "2,468.25 $-",  "$ 2,468.25-",
                                   "$ -2,468.25", "2,468.25- $", "($ 2,468.25)", "(2,468.25 $)"};
  for (int n = 0; n < 16; ++n) {
    s.SetString(TZYLCurrencySettings::siNegativeFormat,
                TZYLCurrencySettings::NegativePattern(n, ""));
    const std::string text = s.toStr(-Amount);
    EXPECT_EQ(text, negatives[n]) << n;
    EXPECT_EQ(s.toCur(text), -Amount) << n;
  }
  const char* const positives[] = {"$2,468.25", "2,468.25$", "$ 2,468.25", "2,468.25 $"};
  for (int n = 0; n < 4; ++n) {
    s.SetString(TZYLCurrencySettings::siPositiveFormat,
                TZYLCurrencySettings::PositivePattern(n, ""));
    EXPECT_EQ(s.toStr(Amount), positives[n]) << n;
    EXPECT_EQ(s.toCur(positives[n]), Amount) << n;
  }
  EXPECT_EQ(s.firstDigitPos(Amount), 1);  // "1,1 ¤"
  s.SetString(TZYLCurrencySettings::siPositiveFormat, TZYLCurrencySettings::PositivePattern(2, ""));
  EXPECT_EQ(s.firstDigitPos(Amount), 3);  // "¤ 1,1"
  s.SetString(TZYLCurrencySettings::siPositiveFormat, "no number");
  EXPECT_EQ(s.firstDigitPos(Amount), 0);
  EXPECT_EQ(TZYLCurrencySettings::NegativePattern(16, "kept"), "kept");
}

TEST_F(CurrencySettingsTest, DigitsAndGroupsFollowTheSettings) {
  TZYLCurrencySettings s;
  s.SetDigits(0);
  EXPECT_EQ(s.toStr(Amount), "$2,468");  // no separator without digits
  s.SetDigits(5);
  EXPECT_EQ(s.toStr(Amount), "$2,468.25000");
  s.SetDigits(1);
  EXPECT_EQ(s.toStr(Amount), "$2,468.2");  // cut, not rounded
  s.SetGroupSize(0);                       // a grouping of 0 means no groups
  EXPECT_EQ(s.toStr(12345678900000), "$1234567890.0");
  s.SetGroupSize(2);
  EXPECT_EQ(s.toStr(12345678900000), "$12,34,56,78,90.0");
}

TEST_F(CurrencySettingsTest, ReadingRoundsToTenThousandthsAndRefusesWhatCurrencyCannotHold) {
  TZYLCurrencySettings s;
  testsupport::ExpectCases({{std::to_string(s.toCur("")), "0"},
                            {std::to_string(s.toCur("$")), "0"},
                            {std::to_string(s.toCur("1.23456")), "12346"},
                            {std::to_string(s.toCur("1.23454")), "12345"},
                            {std::to_string(s.toCur("abc7def")), "70000"}});
  EXPECT_EQ(testsupport::ErrorOf<vcl::EConvertError>([&] { s.toCur("99999999999999999"); }),
            "'99999999999999999' is not a valid currency value");
}

TEST_F(CurrencySettingsTest, UserSettingsAreCopiedOnlyInUserMode) {
  TZYLCurrencySettings a, b;
  a.SetSystemDefaults(cmUser);
  a.SetString(TZYLCurrencySettings::siSymbol, "CHF");
  a.SetDigits(3);
  b.Assign(&a);
  EXPECT_EQ(b.SystemDefaults(), cmUser);
  EXPECT_EQ(b.toStr(Amount), "CHF2,468.250");
  a.SetSystemDefaults(cmSystem);
  b.Assign(&a);
  EXPECT_EQ(b.Symbol(), "$");
}

}  // namespace
}  // namespace zyl
