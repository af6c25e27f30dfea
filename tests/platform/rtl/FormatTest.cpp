#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Locale.h"

using namespace vcl;

TEST(Format, IntegersWidthAndPrecision) {
  EXPECT_EQ(Format("%d", {42}), "42");
  EXPECT_EQ(Format("%5d|", {42}), "   42|");
  EXPECT_EQ(Format("%-5d|", {42}), "42   |");
  EXPECT_EQ(Format("%.5d", {42}), "00042");
  EXPECT_EQ(Format("%.5d", {-42}), "-00042");
  EXPECT_EQ(Format("%8.5d|", {-42}), "  -00042|");
  EXPECT_EQ(Format("%1d", {12345}), "12345");  // width never truncates
  EXPECT_EQ(Format("%d", {int64_t{-9000000000}}), "-9000000000");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%x", {255}), "FF");
  EXPECT_EQ(Format("%.4x", {255}), "00FF");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%X", {int64_t{-1}}), "FFFFFFFFFFFFFFFF");
}

TEST(Format, Strings) {
  EXPECT_EQ(Format("%s: %s", {"TZYLHideNonVC", std::string("error")}), "TZYLHideNonVC: error");
  EXPECT_EQ(Format("[%6s]", {"abc"}), "[   abc]");
  EXPECT_EQ(Format("[%-6s]", {"abc"}), "[abc   ]");
  EXPECT_EQ(Format("[%.2s]", {"abcdef"}), "[ab]");
  EXPECT_EQ(Format("%s", {'x'}), "x");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("", {1}), "");
}

TEST(Format, IndexesAndStars) {
  EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
  EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");  // continues after the index
  EXPECT_EQ(Format("%*d", {5, 42}), "   42");
  EXPECT_EQ(Format("%-*d|", {4, 7}), "7   |");
  EXPECT_EQ(Format("%.*f", {3, 1.0}), "1.000");
  EXPECT_EQ(Format("%*.*f", {8, 2, 3.14159}), "    3.14");
}

TEST(Format, FloatDirectives) {
  EXPECT_EQ(Format("%f", {3.14159}), "3.14");
  EXPECT_EQ(Format("%.0f", {2.5}), "3");
  EXPECT_EQ(Format("%.1f", {-0.04}), "0.0");
  EXPECT_EQ(Format("%e", {1000.0}), "1.00000000000000E+003");
  EXPECT_EQ(Format("%.3e", {1234.5}), "1.23E+003");
  EXPECT_EQ(Format("%g", {1e20}), "1E20");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("%.3g", {1234.5}), "1.23E3");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%.0n", {1234.5}), "1,235");
  EXPECT_EQ(Format("%m", {1234.5}), "$1,234.50");
  EXPECT_EQ(Format("%.0m", {-3.0}), "($3)");
  EXPECT_EQ(Format("%10.2f|", {-1.5}), "     -1.50|");
  EXPECT_EQ(Format("%m", {Currency::FromScaled(12345)}), "$1.23");
  EXPECT_EQ(Format("%f", {Currency::FromScaled(12355)}), "1.24");
}

TEST(Format, Pointers) {
  EXPECT_EQ(Format("Address: %p", {reinterpret_cast<const void*>(uintptr_t{0x1234ABCD})}), "Address: 1234ABCD");
  EXPECT_EQ(Format("%p", {static_cast<const void*>(nullptr)}), "00000000");
}

TEST(Format, FollowsTheLocale) {
  TFormatSettingsScope scope;
  FormatSettings.DecimalSeparator = ',';
  FormatSettings.ThousandSeparator = '.';
  FormatSettings.CurrencyDecimals = 0;
  FormatSettings.CurrencyString = "DM";
  FormatSettings.CurrencyFormat = 3;
  EXPECT_EQ(Format("%n", {1234.5}), "1.234,50");
  EXPECT_EQ(Format("%m", {1234.5}), "1.235 DM");
}

TEST(Format, BadDirectivesRaise) {
  const auto bad = [](const std::string& f, std::initializer_list<TVarRec> args) {
    try {
      Format(f, args);
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Format '" + f + "' invalid or incompatible with argument");
      return true;
    }
    return false;
  };
  EXPECT_TRUE(bad("%d", {"text"}));
  EXPECT_TRUE(bad("%s", {5}));
  EXPECT_TRUE(bad("%f", {5}));
  EXPECT_TRUE(bad("%d %d", {5}));  // missing argument
  EXPECT_TRUE(bad("%", {}));
  EXPECT_TRUE(bad("%5", {1}));
  EXPECT_TRUE(bad("%k", {1}));
  EXPECT_TRUE(bad("%3:d", {1}));
  EXPECT_TRUE(bad("%*d", {"x", 1}));
  EXPECT_TRUE(bad("%99999999999d", {1}));  // absurd widths are refused, not allocated
}
