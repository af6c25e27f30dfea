#include "platform/rtl/Currency.h"

#include <cmath>

#include "platform/base/Exceptions.h"
#include "platform/base/Numbers.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"

namespace vcl {

namespace {

// n / d rounded to nearest with halves to even.
int64_t DivRoundEven(__int128 n, __int128 d, bool& ok) {
  if (d == 0) {
    ok = false;
    return 0;
  }
  if (d < 0) {
    n = -n;
    d = -d;
  }
  __int128 q = n / d;
  __int128 r = n % d;
  if (r < 0) {
    r = -r;
  }
  const __int128 twice = 2 * r;
  if (twice > d || (twice == d && (q % 2 != 0))) q += n < 0 ? -1 : 1;
  ok = q >= INT64_MIN && q <= INT64_MAX;
  return static_cast<int64_t>(q);
}

}  // namespace

bool TryFloatToCurr(double value, Currency& result) {
  if (!std::isfinite(value)) return false;
  const double scaled = value * 10000.0;
  // 2^63 is the first double out of range on both sides (-2^63 itself fits).
  if (scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0) return false;
  result = Currency::FromScaled(Round(scaled));
  return true;
}

Currency FloatToCurr(double value) {
  Currency c;
  if (!TryFloatToCurr(value, c)) throw EConvertError(Format(SInvalidCurrency, {FloatToStr(value)}));
  return c;
}

Currency::Currency(double v) : Value(FloatToCurr(v).Value) {}

Currency operator*(Currency a, Currency b) {
  bool ok;
  const int64_t v = DivRoundEven(static_cast<__int128>(a.Value) * b.Value, 10000, ok);
  if (!ok) throw EOverflow(SOverflow);
  return Currency::FromScaled(v);
}

Currency operator/(Currency a, Currency b) {
  if (b.Value == 0) throw EZeroDivide(SZeroDivide);
  bool ok;
  const int64_t v = DivRoundEven(static_cast<__int128>(a.Value) * 10000, b.Value, ok);
  if (!ok) throw EOverflow(SOverflow);
  return Currency::FromScaled(v);
}

std::string CurrToStr(Currency value) { return CurrencyToStrF(value.Value, ffGeneral, 0); }

std::string CurrToStrF(Currency value, TFloatFormat format, int digits) {
  return CurrencyToStrF(value.Value, format, digits);
}

std::string FormatCurr(const std::string& format, Currency value) { return FormatCurrencyScaled(format, value.Value); }

bool TryStrToCurr(const std::string& s, Currency& value) {
  const size_t n = s.size();
  size_t i = 0;
  while (i < n && s[i] == ' ') ++i;
  bool neg = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  // Collect the digits and how many of them stand before the decimal point.
  std::string digits;
  long intCount = -1;
  int count = 0;
  const char dec = ActiveFormatSettings().DecimalSeparator;
  for (; i < n; ++i) {
    const char c = s[i];
    if (c >= '0' && c <= '9') {
      ++count;
      digits += c;
    } else if (c == dec && intCount < 0) {
      intCount = static_cast<long>(digits.size());
    } else {
      break;
    }
  }
  if (intCount < 0) intCount = static_cast<long>(digits.size());
  // Leading zeros carry no value: value = 0.digits * 10^intCount afterwards.
  size_t lead = 0;
  while (lead < digits.size() && digits[lead] == '0') ++lead;
  digits.erase(0, lead);
  intCount -= static_cast<long>(lead);
  if (count == 0) return false;
  long exp10 = 0;
  if (i < n && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    bool eneg = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) eneg = s[i++] == '-';
    int ed = 0;
    for (; i < n && s[i] >= '0' && s[i] <= '9'; ++i) {
      ++ed;
      if (exp10 < 1000) exp10 = exp10 * 10 + (s[i] - '0');
    }
    if (ed == 0) return false;
    if (eneg) exp10 = -exp10;
  }
  while (i < n && s[i] == ' ') ++i;
  if (i != n) return false;
  if (digits.empty()) {
    value = Currency();
    return true;
  }
  // value = 0.digits * 10^intDigits, where intDigits counts digits before the point.
  const long intDigits = intCount + exp10;
  // Scaled value = digits * 10^(intDigits - len + 4).
  const long shift = intDigits - static_cast<long>(digits.size()) + 4;
  if (intDigits > 16) return false;
  __int128 mag = 0;
  if (shift >= 0) {
    for (char c : digits) mag = mag * 10 + (c - '0');
    for (long k = 0; k < shift; ++k) mag *= 10;
  } else {
    const long keep = static_cast<long>(digits.size()) + shift;  // digits kept before rounding
    for (long k = 0; k < keep; ++k) mag = mag * 10 + (digits[static_cast<size_t>(k)] - '0');
    // Round the dropped digits, halves to even.
    const int first = keep >= 0 ? digits[static_cast<size_t>(keep)] - '0' : 0;
    bool rest = false;
    for (size_t k = static_cast<size_t>(std::max(keep + 1, 0L)); k < digits.size(); ++k) rest |= digits[k] != '0';
    if (keep < 0) rest = true;  // everything dropped: below half of a unit
    const bool up = keep >= 0 && (first > 5 || (first == 5 && (rest || (mag % 2 != 0))));
    if (up) ++mag;
  }
  const __int128 v = neg ? -mag : mag;
  if (v < INT64_MIN || v > INT64_MAX) return false;
  value = Currency::FromScaled(static_cast<int64_t>(v));
  return true;
}

Currency StrToCurr(const std::string& s) {
  Currency c;
  if (!TryStrToCurr(s, c)) throw EConvertError(Format(SInvalidFloat, {s}));
  return c;
}

Currency StrToCurrDef(const std::string& s, Currency def) {
  Currency c;
  return TryStrToCurr(s, c) ? c : def;
}

std::string CurrToStr(Currency value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return CurrToStr(value);
}

std::string CurrToStrF(Currency value, TFloatFormat format, int digits, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return CurrToStrF(value, format, digits);
}

std::string FormatCurr(const std::string& format, Currency value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return FormatCurr(format, value);
}

Currency StrToCurr(const std::string& s, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return StrToCurr(s);
}

bool TryStrToCurr(const std::string& s, Currency& value, const TFormatSettings& settings) {
  const TActiveFormatSettings active(settings);
  return TryStrToCurr(s, value);
}

}  // namespace vcl
