#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/base/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/HostNumbersLocale.h"

using namespace vcl;
using testsupport::ExpectCases;

TEST(FloatToStr, FifteenSignificantDigitsAndSpecialValues) {
  const double inf = std::numeric_limits<double>::infinity();
  ExpectCases({
      {FloatToStr(0), "0"},          {FloatToStr(-0.0), "0"},           {FloatToStr(0.1), "0.1"},
      {FloatToStr(0.1 + 0.2), "0.3"}, {FloatToStr(1.0 / 3), "0.333333333333333"},
      {FloatToStr(2.0 / 3), "0.666666666666667"},                       {FloatToStr(-1.5), "-1.5"},
      {FloatToStr(123456789012345.0), "123456789012345"},
      {FloatToStr(1234567890123456.0), "1.23456789012346E15"},          {FloatToStr(1e20), "1E20"},
      {FloatToStr(0.0001), "0.0001"}, {FloatToStr(0.00001), "1E-5"},    {FloatToStr(-1.25e-10), "-1.25E-10"},
      {FloatToStr(100), "100"},      {FloatToStr(inf), "INF"},          {FloatToStr(-inf), "-INF"},
      {FloatToStr(std::nan("")), "NAN"},
  });
}

// The framework's own format settings decide the separators, not the C library's locale a host
// program chose.
TEST(FloatToStr, FollowsTheFormatSettingsUnderAHostsDecimalCommaLocale) {
  testsupport::THostNumbersLocale host;
  if (!host.InForce()) GTEST_SKIP() << host.Why();
  TFormatSettings point = FormatSettings;
  point.DecimalSeparator = '.';
  EXPECT_EQ(FloatToStr(0.1, point), "0.1");
  EXPECT_EQ(FloatToStr(-1.25e-10, point), "-1.25E-10");
  EXPECT_EQ(FloatToStrF(1234.5, ffFixed, 15, 2, point), "1234.50");
  EXPECT_EQ(StrToFloat("2.5", point), 2.5);
}

TEST(FloatToStrF, GeneralExponentFixedAndNumber) {
  const auto f = [](double v, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(v, format, precision, digits);
  };
  ExpectCases({
      {f(1234.5678, ffGeneral, 6, 0), "1234.57"},  {f(1234.5678, ffGeneral, 3, 0), "1.23E3"},
      {f(12345.678, ffExponent, 5, 2), "1.2346E+04"},
      {f(1000.0, ffExponent, 15, 3), "1.00000000000000E+003"},
      {f(-0.00123, ffExponent, 3, 0), "-1.23E-3"}, {f(0, ffExponent, 4, 2), "0.000E+00"},
      {f(9.99, ffExponent, 2, 1), "1.0E+1"},  // carry into a new digit
      {f(1e20, ffGeneral, 15, 3), "1E020"},   // digits: minimum exponent digits
      {f(1.5e-7, ffGeneral, 15, 2), "1.5E-07"},    {f(1.5, ffGeneral, 15, 4), "1.5"},
      {f(3.14159, ffFixed, 15, 2), "3.14"},
      {f(2.5, ffFixed, 15, 0), "3"},  // half away from zero, not to even
      {f(-2.5, ffFixed, 15, 0), "-3"},             {f(0.125, ffFixed, 15, 2), "0.13"},
      {f(1.005, ffFixed, 15, 2), "1.00"},  // the double lies just below 1.005
      {f(1.375, ffFixed, 15, 2), "1.38"},  // an exact half rounds away from zero
      {f(-0.001, ffFixed, 15, 2), "0.00"},  // a zero result has no sign
      {f(0.5, ffFixed, 15, 0), "1"},               {f(0.004, ffFixed, 15, 2), "0.00"},
      {f(123.456, ffFixed, 4, 2), "123.50"},  // precision limits the digits
      {f(123456, ffFixed, 4, 2), "1.235E5"},  // integer part beyond precision
      {f(1234567.891, ffNumber, 15, 2), "1,234,567.89"}, {f(-999.999, ffNumber, 15, 2), "-1,000.00"},
      {f(12, ffNumber, 15, 0), "12"},              {f(1234.5, ffNumber, 16, 3), "1,234.500"},
      {f(0.5, ffFixed, 15, 25), "0.500000000000000000"},  // decimals capped at 18
  });
}

TEST(FloatToStrF, CurrencyFormats) {
  TFormatSettingsScope scope;
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "$1,234.50");
  EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 15, 2), "($1,234.50)");
  FormatSettings.CurrencyString = "EUR";
  FormatSettings.CurrencyFormat = 3;
  FormatSettings.NegCurrFormat = 8;
  FormatSettings.ThousandSeparator = '.';
  FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2), "1.234,50 EUR");
  EXPECT_EQ(FloatToStrF(-5, ffCurrency, 15, 0), "-5 EUR");
  FormatSettings.NegCurrFormat = 5;
  EXPECT_EQ(FloatToStrF(-5, ffCurrency, 15, 1), "-5,0EUR");
}

TEST(FloatToDecimal, DigitsAndExponent) {
  TFloatRec r;
  FloatToDecimal(r, 123.456, 15, 9999);
  EXPECT_EQ(r.Digits, "123456");
  EXPECT_EQ(r.Exponent, 3);
  EXPECT_FALSE(r.Negative);
  FloatToDecimal(r, -0.0456, 2, 9999);
  EXPECT_EQ(r.Digits, "46");
  EXPECT_EQ(r.Exponent, -1);
  EXPECT_TRUE(r.Negative);
  FloatToDecimal(r, 0.0004, 15, 3);
  EXPECT_EQ(r.Digits, "");
  EXPECT_EQ(r.Exponent, 0);
  FloatToDecimal(r, 999.96, 15, 1);
  EXPECT_EQ(r.Digits, "1");
  EXPECT_EQ(r.Exponent, 4);
}

TEST(FormatFloat, PlaceholdersSectionsQuotesAndScientific) {
  const char* sections = "0.00;(0.00);zero";
  ExpectCases({
      {FormatFloat("0.00", 3.14159), "3.14"},  {FormatFloat("#.##", 0.5), ".5"},
      {FormatFloat("0.##", 1), "1"},           {FormatFloat("0.0#", 1.5), "1.5"},
      {FormatFloat("0.0#", 1.257), "1.26"},    {FormatFloat("000", 7), "007"},
      {FormatFloat("#", 0), ""},               {FormatFloat("#,##0.00", 1234567.891), "1,234,567.89"},
      {FormatFloat("#,##0", 999), "999"},
      {FormatFloat("0", 12345), "12345"},  // extra digits go to the first placeholder
      {FormatFloat("00-00", 1234), "12-34"},   {FormatFloat("0", 2.5), "3"},
      {FormatFloat("", 2.5), "2.5"},           {FormatFloat("0.00", -1.5), "-1.50"},
      {FormatFloat(sections, 5), "5.00"},      {FormatFloat(sections, -5), "(5.00)"},
      {FormatFloat(sections, 0), "zero"},      {FormatFloat(sections, 0.001), "zero"},  // rounds to 0
      {FormatFloat("0.00;;zero", -5), "-5.00"},  // an empty section: the first one
      {FormatFloat("\"$\"#,##0.00", 1234.5), "$1,234.50"},  {FormatFloat("'x;y' 0", 3), "x;y 3"},
      {FormatFloat("0.00E+00", 12345), "1.23E+04"},         {FormatFloat("0.00E-00", 12345), "1.23E04"},
      {FormatFloat("0.00e-0", 0.00012345), "1.23e-4"},      {FormatFloat("0.###E+0", 1000), "1E+3"},
      {FormatFloat("0.0E+00", 0), "0.0E+00"},
  });
}

TEST(FormatFloat, UsesTheDecimalAndThousandSeparators) {
  TFormatSettingsScope scope;
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
  EXPECT_EQ(FloatToStr(2.5), "2,5");
}

TEST(StrToFloat, Parsing) {
  EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(StrToFloat("  -1.5e3  "), -1500);
  EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
  EXPECT_DOUBLE_EQ(StrToFloat("5."), 5);
  EXPECT_DOUBLE_EQ(StrToFloat("+2E-2"), 0.02);
  EXPECT_DOUBLE_EQ(StrToFloat("1e-400"), 0);  // underflow gives zero
  double v = 0;
  for (const char* bad : {"", ".", "1,5", "1e", "1e+", "abc", "1.5x", "1..5", "--1", "1e400", "INF", "NAN"}) {
    EXPECT_FALSE(TryStrToFloat(bad, v)) << bad;
  }
  EXPECT_EQ(StrToFloatDef("x", 2.5), 2.5);
  EXPECT_EQ(testsupport::ErrorOf<EConvertError>([] { StrToFloat("1,5"); }),
            "'1,5' is not a valid floating point value");
}

TEST(StrToFloat, FollowsTheDecimalSeparator) {
  TFormatSettingsScope scope;
  FormatSettings.DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloat("1,25"), 1.25);
  double v;
  EXPECT_FALSE(TryStrToFloat("1.25", v));
}

TEST(FloatText, RoundTripsThroughFifteenDigits) {
  for (double x : {0.1, 1.0 / 7, 123456.789, 1e-7, 98765.4321e10, -3.0e-300}) {
    const double back = StrToFloat(FloatToStr(x));
    EXPECT_NEAR(back, x, std::fabs(x) * 1e-14) << x;
  }
}
