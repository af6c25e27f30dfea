// The 10-byte extended float of the form streams and its conversions.
#pragma once

#include <cstdint>

namespace vcl {

// 64-bit mantissa with explicit integer bit, 15-bit exponent, sign; little endian.
struct TExtended10 {
  uint8_t Bytes[10] = {};
};
// Exact where the value fits a double; larger values become infinities, tiny ones denormals
// or zero (rounded to nearest); NaNs stay NaNs.
double ExtendedToDouble(const TExtended10& x);
// Exact for every double.
TExtended10 DoubleToExtended(double v);
// The same through long double, which holds every extended value exactly on this target.
long double ExtendedToLongDouble(const TExtended10& x);
TExtended10 LongDoubleToExtended(long double v);

}  // namespace vcl
