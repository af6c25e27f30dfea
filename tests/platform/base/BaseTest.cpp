#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

#include "platform/base/Clock.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Numbers.h"
#include "platform/base/Sets.h"
#include "platform/base/Types.h"

using namespace win;

TEST(Rounding, RoundHalvesToEvenTruncTowardZeroMulDivHalvesAwayFromZero) {
  for (auto [x, rounded] :
       {std::pair{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {0.5, 0}})
    EXPECT_EQ(vcl::Round(x), rounded) << x;
  EXPECT_EQ(vcl::Trunc(-2.9), -2);
  EXPECT_EQ(vcl::Trunc(2.9), 2);
  EXPECT_EQ(MulDiv(10, 3, 4), 8);    // 7.5 -> 8
  EXPECT_EQ(MulDiv(-10, 3, 4), -8);  // -7.5 -> -8
  EXPECT_EQ(MulDiv(10, 1, 3), 3);
  EXPECT_EQ(MulDiv(1 << 30, 8, 16), 1 << 29);  // the product needs 64 bits
  EXPECT_EQ(MulDiv(5, 5, 0), -1);
}

// A value beyond int64's range (from 2^63 up, below -2^63, the infinities and NaN) gives the
// platform's invalid integer, int64's minimum, as its processor does; the largest doubles within
// the range round to themselves.
TEST(Rounding, ValuesBeyondInt64GiveTheInvalidInteger) {
  constexpr int64_t invalid = INT64_MIN;
  const double beyond[] = {0x1p63, 9.25e18,  -9.25e18,  -0x1p64, 1e300,
                           -1e300, HUGE_VAL, -HUGE_VAL, NAN};
  for (double x : beyond) {
    EXPECT_EQ(vcl::Round(x), invalid) << x;
    EXPECT_EQ(vcl::Trunc(x), invalid) << x;
  }
  EXPECT_EQ(vcl::Round(0x1p63 - 1024), INT64_MAX - 1023);
  EXPECT_EQ(vcl::Trunc(0x1p63 - 1024), INT64_MAX - 1023);
  EXPECT_EQ(vcl::Round(-0x1p63), INT64_MIN);
  EXPECT_EQ(vcl::Trunc(-0x1p63), INT64_MIN);
}

TEST(Rects, PlatformHelpers) {
  const RECT a{0, 0, 10, 10}, b{5, 5, 20, 20}, c{20, 20, 30, 30}, half{0, 0, 5, 10};
  RECT r;
  EXPECT_TRUE(IntersectRect(&r, &a, &b));
  EXPECT_EQ(r, (RECT{5, 5, 10, 10}));
  EXPECT_FALSE(IntersectRect(&r, &a, &c));
  EXPECT_EQ(r, RECT{});
  EXPECT_TRUE(UnionRect(&r, &a, &c));
  EXPECT_EQ(r, (RECT{0, 0, 30, 30}));
  EXPECT_TRUE(PtInRect(&a, {0, 0}));
  EXPECT_FALSE(PtInRect(&a, {10, 5}));  // right edge is exclusive
  EXPECT_TRUE(SubtractRect(&r, &a, &half));
  EXPECT_EQ(r, (RECT{5, 0, 10, 10}));
  const RECT inner{2, 2, 4, 4};
  SubtractRect(&r, &a, &inner);  // not a whole side: unchanged
  EXPECT_EQ(r, a);
  EXPECT_EQ(Bounds(3, 4, 10, 20), (RECT{3, 4, 13, 24}));
  EXPECT_EQ(GET_X_LPARAM(MAKELPARAM(static_cast<WORD>(-5), 7)), -5);
}

TEST(Rects, HelpersStopAtIntsLimits) {
  constexpr int kMax = INT32_MAX, kMin = INT32_MIN;
  EXPECT_EQ(vcl::ClampToInt(int64_t{kMax} + 1), kMax);
  EXPECT_EQ(vcl::ClampToInt(int64_t{kMin} - 1), kMin);
  EXPECT_EQ(vcl::ClampToInt(-7), -7);
  struct TCase {
    RECT Start;
    int Dx, Dy;
    RECT Offset, Inflated;
  };
  const TCase cases[] = {
      {{0, 0, 10, 10}, 5, -5, {5, -5, 15, 5}, {-5, 5, 15, 5}},
      {{kMax - 10, 0, kMax, 10}, 20, 0, {kMax, 0, kMax, 10}, {kMax - 30, 0, kMax, 10}},
      {{kMin, kMin, 0, 0}, -1, kMin, {kMin, kMin, -1, kMin}, {kMin + 1, 0, -1, kMin}},
      {{kMin, 0, kMax, 1}, kMax, 0, {-1, 0, kMax, 1}, {kMin, 0, kMax, 1}},
  };
  for (const TCase& c : cases) {
    RECT offset = c.Start, inflated = c.Start;
    OffsetRect(&offset, c.Dx, c.Dy);
    InflateRect(&inflated, c.Dx, c.Dy);
    EXPECT_EQ(offset, c.Offset) << c.Dx << "," << c.Dy;
    EXPECT_EQ(inflated, c.Inflated) << c.Dx << "," << c.Dy;
  }
  EXPECT_EQ(Bounds(kMax - 1, kMin, kMax, kMax), (RECT{kMax - 1, kMin, kMax, -1}));
  EXPECT_EQ(Bounds(kMin, 0, kMin, -1), (RECT{kMin, 0, kMin, -1}));
  EXPECT_EQ((RECT{kMin, kMin, kMax, kMax}).Width(), kMax);
  EXPECT_EQ((RECT{kMax, kMax, kMin, kMin}).Height(), kMin);
}

enum TColorKind : uint8_t { ckRed, ckGreen, ckBlue, ckLast = 63 };

TEST(Sets, BehaveLikePascalSets) {
  using TKinds = vcl::TSet<TColorKind>;
  TKinds s{ckRed, ckBlue};
  EXPECT_TRUE(s.contains(ckRed));
  EXPECT_FALSE(s.contains(ckGreen));
  s += ckLast;
  EXPECT_TRUE(s.contains(ckLast));
  EXPECT_EQ(s - TKinds{ckRed}, (TKinds{ckBlue, ckLast}));
  EXPECT_TRUE(TKinds{ckRed} <= s);
  EXPECT_TRUE((s * TKinds{ckGreen}).empty());
}

TEST(Clock, VirtualClockMovesOnlyWhenAdvanced) {
  TVirtualClockScope scope;
  TClock& clock = CurrentClock();
  ASSERT_TRUE(clock.IsVirtual());
  const uint64_t t0 = clock.Milliseconds();
  const double now0 = clock.Now();
  scope.Clock().Advance(1500);
  clock.Sleep(500);
  EXPECT_EQ(clock.Milliseconds(), t0 + 2000);
  EXPECT_NEAR(clock.Now() - now0, 2.0 / 86400.0, 1e-9);
  scope.Clock().SetNow(40000.25);
  EXPECT_DOUBLE_EQ(clock.Now(), 40000.25);
}

// Each exception kind reports the framework class name it is declared under, and a handler of its
// base catches it.
TEST(Exceptions, KindsReportTheirNamesAndAreCaughtAsTheirBases) {
  struct Case {
    std::function<void()> raise;
    const char* name;
  };
  const Case cases[] = {
      {[] { throw vcl::EConvertError("x"); }, "EConvertError"},
      {[] { throw vcl::EReadError("x"); }, "EReadError"},
      {[] { throw vcl::EFilerError("x"); }, "EFilerError"},
      {[] { throw vcl::EZeroDivide("x"); }, "EZeroDivide"},
      {[] { throw vcl::EAbort("x"); }, "EAbort"},
  };
  for (const Case& c : cases) {
    try {
      c.raise();
      ADD_FAILURE() << c.name << " was not raised";
    } catch (const vcl::Exception& e) {
      EXPECT_STREQ(e.ClassName(), c.name);
      EXPECT_EQ(e.Message(), "x");
    }
  }
  EXPECT_THROW(throw vcl::EReadError("r"), vcl::EStreamError);
  EXPECT_THROW(throw vcl::EZeroDivide("z"), vcl::EMathError);
  bool sibling = false;
  try {
    throw vcl::EReadError("r");
  } catch (const vcl::EWriteError&) {
    sibling = true;
  } catch (const vcl::EFilerError&) {
  }
  EXPECT_FALSE(sibling);
}

// Handles of different kinds are different types; HGDIOBJ takes any of them.
TEST(Handles, KindsAreDistinctTypes) {
  EXPECT_FALSE((std::is_same_v<HWND, HDC>));
  EXPECT_FALSE((std::is_same_v<HBRUSH, HPEN>));
  EXPECT_FALSE((std::is_convertible_v<HBRUSH, HPEN>));
  EXPECT_TRUE((std::is_convertible_v<HBRUSH, HGDIOBJ>));
  EXPECT_TRUE((std::is_same_v<HCURSOR, HICON>));
}
