#include "platform/classes/ExtendedFloat.h"

#include <cmath>

namespace vcl {

long double ExtendedToLongDouble(const TExtended10& x) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(x.Bytes[i]) << (8 * i);
  const unsigned se = x.Bytes[8] | (static_cast<unsigned>(x.Bytes[9]) << 8);
  const bool negative = (se & 0x8000) != 0;
  const int exponent = static_cast<int>(se & 0x7FFF);
  long double v;
  if (exponent == 0x7FFF) {
    // Infinity has only the integer bit set; anything else there is not a number.
    v = (mantissa & 0x7FFFFFFFFFFFFFFFull) == 0 ? HUGE_VALL : std::nanl("");
  } else {
    // Denormals (exponent 0) scale like exponent 1; the integer bit is explicit.
    const int e = (exponent == 0 ? 1 : exponent) - 16383 - 63;
    v = std::ldexp(static_cast<long double>(mantissa), e);
  }
  return negative ? -v : v;
}

TExtended10 LongDoubleToExtended(long double v) {
  uint64_t mantissa = 0;
  int exponent = 0;
  const bool negative = std::signbit(v);
  if (std::isnan(v)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(v)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (v != 0) {
    int e2 = 0;
    const long double f = std::frexp(std::fabs(v), &e2);  // |v| = f * 2^e2, f in [0.5, 1)
    int biased = e2 - 1 + 16383;
    if (biased >= 0x7FFF) {
      exponent = 0x7FFF;
      mantissa = 0x8000000000000000ull;
    } else if (biased <= 0) {
      // Denormal: the mantissa counts units of 2^-16445.
      const long double m = std::nearbyint(std::ldexp(std::fabs(v), 16445));
      mantissa = static_cast<uint64_t>(m);
      exponent = (mantissa >> 63) != 0 ? 1 : 0;
    } else {
      long double m = std::nearbyint(std::ldexp(f, 64));
      if (m >= 18446744073709551616.0L) {  // rounding carried into the next binade
        m = 9223372036854775808.0L;
        ++biased;
      }
      if (biased >= 0x7FFF) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ull;
      } else {
        exponent = biased;
        mantissa = static_cast<uint64_t>(m);
      }
    }
  }
  TExtended10 x;
  for (int i = 0; i < 8; ++i) x.Bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  const unsigned se = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
  x.Bytes[8] = static_cast<uint8_t>(se & 0xFF);
  x.Bytes[9] = static_cast<uint8_t>(se >> 8);
  return x;
}

double ExtendedToDouble(const TExtended10& x) {
  return static_cast<double>(ExtendedToLongDouble(x));
}

TExtended10 DoubleToExtended(double v) { return LongDoubleToExtended(v); }

}  // namespace vcl
