// Rounding and integer helpers with the framework's rules.
#pragma once

#include <cstdint>

namespace vcl {

// Nearest integer, halves to the even neighbour (Round(2.5) = 2, Round(3.5) = 4). A value beyond
// int64 (NaN, the infinities) gives int64's minimum, as Trunc does.
int64_t Round(double x);
// Toward zero.
int64_t Trunc(double x);
// Fractional part, with the sign of x.
double Frac(double x);

template <class T>
constexpr T Min(T a, T b) { return b < a ? b : a; }
template <class T>
constexpr T Max(T a, T b) { return a < b ? b : a; }

// A result computed in 64 bits brought into int's range: beyond it, the nearest limit. Sums,
// differences and products of ints that may reach the limits go through it.
constexpr int ClampToInt(int64_t v) {
  return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int>(v);
}

}  // namespace vcl

namespace win {
// a * b / c with a 64-bit product, rounded to nearest with halves away from zero;
// -1 when c is zero, as the platform answers.
int MulDiv(int a, int b, int c);
}  // namespace win
