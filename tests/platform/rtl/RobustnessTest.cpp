// Arbitrary text fed to the parsers and formatters: they answer or raise EConvertError, and
// never crash, hang or read out of bounds (the sanitizer build checks the latter).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Currency.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Errors.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "platform/rtl/Memory.h"
#include "platform/rtl/StrUtils.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;

namespace {

// A fixed pseudo-random sequence, so that every run tests the same inputs.
class Lcg {
 public:
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33);
  }
  std::string Text(const std::string& alphabet, size_t maxLen) {
    std::string s;
    const size_t n = Next() % (maxLen + 1);
    for (size_t i = 0; i < n; ++i) s += alphabet[Next() % alphabet.size()];
    return s;
  }

 private:
  uint64_t state_ = 0x2545F4914F6CDD1Dull;
};

template <class F>
void ExpectConvertErrorAtMost(F&& f) {
  try {
    f();
  } catch (const EConvertError&) {
  }
}

}  // namespace

TEST(Robustness, FormatDirectives) {
  Lcg rng;
  const std::string alphabet = "%%%dsfgenmpxu.-*:0123456789 abc";
  for (int i = 0; i < 4000; ++i) {
    const std::string f = rng.Text(alphabet, 12);
    ExpectConvertErrorAtMost([&] { Format(f, {1, 2.5, "s", 3, 'c', int64_t{-4}, Currency::FromInt(5)}); });
  }
}

TEST(Robustness, FloatPatterns) {
  Lcg rng;
  const std::string alphabet = "0#.,;Ee+-\"'x 0#";
  const double values[] = {0, -0.0, 1.5, -1234.5678, 1e-300, 1e300, 0.000999, 999999999999999.0};
  for (int i = 0; i < 3000; ++i) {
    const std::string f = rng.Text(alphabet, 14);
    for (double v : values) {
      const std::string r = FormatFloat(f, v);
      EXPECT_LE(r.size(), f.size() + 400) << f;
    }
    FormatCurr(f, MinCurrency);
  }
}

TEST(Robustness, DateTimePatternsAndParsers) {
  Lcg rng;
  const std::string fmtAlphabet = "cdmyhnsztap/:\"' AMPMampm";
  const std::string textAlphabet = "0123456789/: .apmAPM-";
  for (int i = 0; i < 3000; ++i) {
    const std::string f = rng.Text(fmtAlphabet, 16);
    FormatDateTime(f, 45000.75);
    FormatDateTime(f, -700000.5);  // out of range: decoded as zeros
    const std::string t = rng.Text(textAlphabet, 16);
    ExpectConvertErrorAtMost([&] { StrToDate(t); });
    ExpectConvertErrorAtMost([&] { StrToTime(t); });
    ExpectConvertErrorAtMost([&] { StrToDateTime(t); });
  }
}

TEST(Robustness, NumberParsers) {
  Lcg rng;
  const std::string alphabet = "0123456789+-.eE$xXaF ";
  for (int i = 0; i < 5000; ++i) {
    const std::string t = rng.Text(alphabet, 24);
    ExpectConvertErrorAtMost([&] { StrToInt(t); });
    ExpectConvertErrorAtMost([&] { StrToInt64(t); });
    ExpectConvertErrorAtMost([&] { StrToFloat(t); });
    ExpectConvertErrorAtMost([&] { StrToCurr(t); });
  }
  // Very long digit strings do not overflow anything.
  const std::string longDigits(5000, '9');
  double d;
  EXPECT_FALSE(TryStrToFloat(longDigits, d));
  EXPECT_TRUE(TryStrToFloat("0." + longDigits, d));
  Currency c;
  EXPECT_FALSE(TryStrToCurr(longDigits, c));
  EXPECT_TRUE(TryStrToCurr("0." + longDigits, c));
  EXPECT_EQ(c.Value, 10000);
}

TEST(Robustness, PathRoutines) {
  Lcg rng;
  const std::string alphabet = "\\/:.cC ab*?";
  for (int i = 0; i < 3000; ++i) {
    const std::string p = rng.Text(alphabet, 12);
    ExtractFilePath(p);
    ExtractFileDir(p);
    ExtractFileExt(p);
    ExtractFileDrive(p);
    ChangeFileExt(p, ".x");
    const std::string e = ExpandFileName(p);
    if (!p.empty()) {
      EXPECT_FALSE(e.empty()) << p;
    }
  }
}

TEST(ResourceStrings, AbortRaisesTheSilentException) {
  EXPECT_EQ(testsupport::ErrorOf<EAbort>([] { Abort(); }), "Operation aborted");
}

TEST(Memory, BlocksAndErrors) {
  EXPECT_EQ(GetMem(0), nullptr);
  auto* p = static_cast<unsigned char*>(AllocMem(16));
  ASSERT_NE(p, nullptr);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(p[i], 0);
  void* q = p;
  ReallocMem(q, 64);
  ASSERT_NE(q, nullptr);
  ReallocMem(q, 0);
  EXPECT_EQ(q, nullptr);
  FreeMem(nullptr);
  EXPECT_THROW(GetMem(-1), EOutOfMemory);
  void* r = GetMem(8);
  FreeMem(r);
}

TEST(Robustness, LocaleOrderIsATotalOrder) {
  // Sorted lists rely on it: antisymmetric, reflexive and transitive on arbitrary text.
  Lcg rng;
  const std::string alphabet = "aAeE\xE9\xC9-' 1z\xC6\xDF" "s.";
  std::vector<std::string> words;
  for (int i = 0; i < 120; ++i) words.push_back(rng.Text(alphabet, 5));
  for (const auto& a : words) {
    EXPECT_EQ(AnsiCompareText(a, a), 0);
    EXPECT_EQ(AnsiCompareStr(a, a), 0);
    for (const auto& b : words) {
      const int ab = AnsiCompareStr(a, b), ba = AnsiCompareStr(b, a);
      EXPECT_EQ(ab, -ba) << a << " | " << b;
      EXPECT_EQ(AnsiCompareText(a, b), -AnsiCompareText(b, a)) << a << " | " << b;
      for (size_t k = 0; k < words.size(); k += 7) {
        const auto& c = words[k];
        if (AnsiCompareText(a, b) < 0 && AnsiCompareText(b, c) < 0) {
          EXPECT_LT(AnsiCompareText(a, c), 0) << a << " | " << b << " | " << c;
        }
      }
    }
  }
}
