// The framework's Currency: a signed 64-bit count of 1/10000, with exact decimal text.
#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "platform/rtl/FloatFormat.h"

namespace vcl {

struct TFormatSettings;

struct Currency {
  int64_t Value = 0;  // units of 1/10000

  constexpr Currency() = default;
  // From a double: times 10000, rounded with halves to even; EConvertError out of range.
  explicit Currency(double v);
  // From a whole number of currency units.
  static constexpr Currency FromInt(int64_t units) { return FromScaled(units * 10000); }
  static constexpr Currency FromScaled(int64_t scaled) {
    Currency c;
    c.Value = scaled;
    return c;
  }
  double ToDouble() const { return static_cast<double>(Value) / 10000.0; }
  explicit operator double() const { return ToDouble(); }

  friend constexpr Currency operator+(Currency a, Currency b) { return FromScaled(a.Value + b.Value); }
  friend constexpr Currency operator-(Currency a, Currency b) { return FromScaled(a.Value - b.Value); }
  friend constexpr Currency operator-(Currency a) { return FromScaled(-a.Value); }
  friend constexpr Currency operator*(Currency a, int64_t n) { return FromScaled(a.Value * n); }
  // Product and quotient rounded to 1/10000 with halves to even.
  friend Currency operator*(Currency a, Currency b);
  friend Currency operator/(Currency a, Currency b);
  Currency& operator+=(Currency b) { Value += b.Value; return *this; }
  Currency& operator-=(Currency b) { Value -= b.Value; return *this; }
  friend constexpr auto operator<=>(Currency a, Currency b) = default;
};

constexpr Currency MinCurrency = Currency::FromScaled(INT64_MIN);
constexpr Currency MaxCurrency = Currency::FromScaled(INT64_MAX);

// General format with every significant digit.
std::string CurrToStr(Currency value);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits);
std::string FormatCurr(const std::string& format, Currency value);
// EConvertError "'<value>' is not a valid currency value" when out of range or not a number.
Currency FloatToCurr(double value);
bool TryFloatToCurr(double value, Currency& result);
// Text to Currency, exact on the decimal digits (rounded to 1/10000, halves to even).
// EConvertError "'<text>' is not a valid floating point value" on bad text.
Currency StrToCurr(const std::string& s);
Currency StrToCurrDef(const std::string& s, Currency def);
bool TryStrToCurr(const std::string& s, Currency& value);

// The same with the given settings instead of FormatSettings.
std::string CurrToStr(Currency value, const TFormatSettings& settings);
std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& settings);
std::string FormatCurr(const std::string& format, Currency value, const TFormatSettings& settings);
Currency StrToCurr(const std::string& s, const TFormatSettings& settings);
bool TryStrToCurr(const std::string& s, Currency& value, const TFormatSettings& settings);

}  // namespace vcl
