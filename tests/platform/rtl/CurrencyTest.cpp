#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"

using namespace vcl;

TEST(Currency, BuiltFromDoublesWithHalvesToEven) {
  EXPECT_EQ(Currency(1.5).Value, 15000);
  EXPECT_EQ(Currency(0.00005).Value, 0);    // 0.5 units -> 0 (even)
  EXPECT_EQ(Currency(0.00035).Value, 4);    // 3.5 units -> 4
  EXPECT_EQ(Currency(0.00045).Value, 4);    // 4.5 units -> 4
  EXPECT_EQ(Currency(2.00025).Value, 20002);
  EXPECT_EQ(Currency(-0.00025).Value, -2);  // -2.5 units -> -2
  EXPECT_EQ(FloatToCurr(123456789.1234).Value, 1234567891234);
  EXPECT_THROW(FloatToCurr(1e15), EConvertError);
  EXPECT_THROW(FloatToCurr(std::nan("")), EConvertError);
  Currency c;
  EXPECT_FALSE(TryFloatToCurr(-1e300, c));
}

TEST(Currency, Arithmetic) {
  const Currency a = Currency::FromInt(3), b = Currency::FromScaled(5000);  // 3 and 0.5
  EXPECT_EQ((a + b).Value, 35000);
  EXPECT_EQ((a - b).Value, 25000);
  EXPECT_EQ((a * b).Value, 15000);
  EXPECT_EQ((a / b).Value, 60000);
  EXPECT_EQ((Currency::FromScaled(1) * Currency::FromScaled(5000)).Value, 0);   // 0.5 units -> 0
  EXPECT_EQ((Currency::FromScaled(3) * Currency::FromScaled(5000)).Value, 2);   // 1.5 units -> 2
  EXPECT_EQ((Currency::FromInt(1) / Currency::FromInt(3)).Value, 3333);
  EXPECT_THROW(a / Currency(), EZeroDivide);
  EXPECT_THROW(MaxCurrency * Currency::FromInt(2), EOverflow);
  EXPECT_TRUE(b < a);
  EXPECT_DOUBLE_EQ(b.ToDouble(), 0.5);
}

TEST(Currency, Text) {
  const auto scaled = [](int64_t v) { return Currency::FromScaled(v); };
  testsupport::ExpectCases({
      {CurrToStr(scaled(12345)), "1.2345"},  {CurrToStr(scaled(-10000)), "-1"},  {CurrToStr(Currency()), "0"},
      {CurrToStr(MaxCurrency), "922337203685477.5807"},  // all 19 digits, exactly
      {CurrToStr(MinCurrency), "-922337203685477.5808"},
      {CurrToStrF(scaled(12345), ffFixed, 2), "1.23"},
      {CurrToStrF(scaled(12350), ffFixed, 2), "1.24"},  // on digits: away from zero
      {CurrToStrF(Currency::FromInt(1234567), ffNumber, 2), "1,234,567.00"},
      {CurrToStrF(Currency::FromInt(-5), ffCurrency, 2), "($5.00)"},
      {FormatCurr("#,##0.00;(#,##0.00)", scaled(-12345678)), "(1,234.57)"},
  });
}

TEST(Currency, ParsingIsExact) {
  EXPECT_EQ(StrToCurr("1.2345").Value, 12345);
  EXPECT_EQ(StrToCurr(" -0.0001 ").Value, -1);
  EXPECT_EQ(StrToCurr("0.00005").Value, 0);    // half to even
  EXPECT_EQ(StrToCurr("0.00015").Value, 2);
  EXPECT_EQ(StrToCurr("0.000150001").Value, 2);
  EXPECT_EQ(StrToCurr("0.000050001").Value, 1);
  EXPECT_EQ(StrToCurr("1.5e2").Value, 1500000);
  EXPECT_EQ(StrToCurr("922337203685477.5807").Value, INT64_MAX);
  EXPECT_EQ(StrToCurr("0.0000000000001").Value, 0);
  Currency c;
  EXPECT_FALSE(TryStrToCurr("922337203685477.5808", c));
  EXPECT_FALSE(TryStrToCurr("1e30", c));
  EXPECT_FALSE(TryStrToCurr("", c));
  EXPECT_FALSE(TryStrToCurr("1,5", c));
  EXPECT_EQ(StrToCurrDef("x", Currency::FromInt(7)).Value, 70000);
  EXPECT_THROW(StrToCurr("abc"), EConvertError);
}
