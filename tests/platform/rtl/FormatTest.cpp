#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;
using testsupport::ExpectCases;

namespace {

std::string F(const std::string& f, std::initializer_list<TVarRec> args) { return Format(f, args); }

}  // namespace

TEST(Format, IntegersWidthAndPrecision) {
  ExpectCases({
      {F("%d", {42}), "42"},            {F("%5d|", {42}), "   42|"},    {F("%-5d|", {42}), "42   |"},
      {F("%.5d", {42}), "00042"},       {F("%.5d", {-42}), "-00042"},   {F("%8.5d|", {-42}), "  -00042|"},
      {F("%1d", {12345}), "12345"},  // width never truncates
      {F("%d", {int64_t{-9000000000}}), "-9000000000"},                  {F("%u", {-1}), "4294967295"},
      {F("%x", {255}), "FF"},           {F("%.4x", {255}), "00FF"},     {F("%x", {-1}), "FFFFFFFF"},
      {F("%X", {int64_t{-1}}), "FFFFFFFFFFFFFFFF"},
  });
}

TEST(Format, StringsIndexesAndStars) {
  ExpectCases({
      {F("%s: %s", {"TZYLHideNonVC", std::string("error")}), "TZYLHideNonVC: error"},
      {F("[%6s]", {"abc"}), "[   abc]"}, {F("[%-6s]", {"abc"}), "[abc   ]"}, {F("[%.2s]", {"abcdef"}), "[ab]"},
      {F("%s", {'x'}), "x"},              {F("100%%", {}), "100%"},         {F("", {1}), ""},
      {F("%1:s %0:s", {"a", "b"}), "b a"},
      {F("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b"},  // continues after the index
      {F("%*d", {5, 42}), "   42"},       {F("%-*d|", {4, 7}), "7   |"},   {F("%.*f", {3, 1.0}), "1.000"},
      {F("%*.*f", {8, 2, 3.14159}), "    3.14"},
  });
}

TEST(Format, FloatDirectives) {
  ExpectCases({
      {F("%f", {3.14159}), "3.14"},           {F("%.0f", {2.5}), "3"},       {F("%.1f", {-0.04}), "0.0"},
      {F("%e", {1000.0}), "1.00000000000000E+003"},                          {F("%.3e", {1234.5}), "1.23E+003"},
      {F("%g", {1e20}), "1E20"},              {F("%g", {0.5}), "0.5"},       {F("%.3g", {1234.5}), "1.23E3"},
      {F("%n", {1234567.891}), "1,234,567.89"},                              {F("%.0n", {1234.5}), "1,235"},
      {F("%m", {1234.5}), "$1,234.50"},       {F("%.0m", {-3.0}), "($3)"},
      {F("%10.2f|", {-1.5}), "     -1.50|"},  {F("%m", {Currency::FromScaled(12345)}), "$1.23"},
      {F("%f", {Currency::FromScaled(12355)}), "1.24"},
  });
}

TEST(Format, Pointers) {
  EXPECT_EQ(F("Address: %p", {reinterpret_cast<const void*>(uintptr_t{0x1234ABCD})}), "Address: 1234ABCD");
  EXPECT_EQ(F("%p", {static_cast<const void*>(nullptr)}), "00000000");
}

TEST(Format, FollowsTheLocale) {
  TFormatSettingsScope scope;
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  FormatSettings.CurrencyDecimals = 0;
  FormatSettings.CurrencyString = "DM";
  FormatSettings.CurrencyFormat = 3;
  EXPECT_EQ(F("%n", {1234.5}), "1.234,50");
  EXPECT_EQ(F("%m", {1234.5}), "1.235 DM");
}

TEST(Format, BadDirectivesRaise) {
  const auto bad = [](const std::string& f, std::initializer_list<TVarRec> args) {
    EXPECT_EQ(testsupport::ErrorOf<EConvertError>([&] { Format(f, args); }),
              "Format '" + f + "' invalid or incompatible with argument");
  };
  bad("%d", {"text"});
  bad("%s", {5});
  bad("%f", {5});
  bad("%d %d", {5});  // missing argument
  bad("%", {});
  bad("%5", {1});
  bad("%k", {1});
  bad("%3:d", {1});
  bad("%*d", {"x", 1});
  bad("%99999999999d", {1});  // absurd widths are refused, not allocated
}
