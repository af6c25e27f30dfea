#include "platform/base/Numbers.h"

#include <cmath>
#include <limits>

namespace vcl {

namespace {
// Whether a whole number fits int64: from -2^63 up to, not including, 2^63 (NaN does not).
bool FitsInt64(double whole) { return whole >= -0x1p63 && whole < 0x1p63; }
}  // namespace

int64_t Round(double x) {
  double r = std::nearbyint(x);  // the default rounding mode rounds halves to even
  const double f = std::floor(x);
  if (x - f == 0.5) r = (std::fmod(f, 2.0) == 0.0) ? f : f + 1.0;
  if (!FitsInt64(r)) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}

int64_t Trunc(double x) {
  const double r = std::trunc(x);
  if (!FitsInt64(r)) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(r);
}

double Frac(double x) { return x - std::trunc(x); }

}  // namespace vcl

namespace win {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const int64_t p = static_cast<int64_t>(a) * b;
  int64_t q = p / c;
  const int64_t r = p % c;
  // Round half away from zero: compare twice the remainder with the divisor.
  const int64_t r2 = (r < 0 ? -r : r) * 2;
  const int64_t ac = c < 0 ? -static_cast<int64_t>(c) : c;
  if (r2 >= ac) q += ((p < 0) != (c < 0)) ? -1 : 1;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}

}  // namespace win
