// Names of language identifiers: known ones, the neutral fallback, and buffer handling.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/rtl/Locale.h"

namespace {

using namespace win;

std::string Name(DWORD lang) {
  char buffer[256];
  const DWORD n = VerLanguageNameA(lang, buffer, sizeof buffer);
  EXPECT_EQ(n, std::strlen(buffer));
  return buffer;
}

TEST(VerLanguageName, KnownAndUnknownIdentifiers) {
  EXPECT_EQ(Name(0x0409), "English (United States)");
  EXPECT_EQ(Name(0x0407), "German (Germany)");
  EXPECT_EQ(Name(0x0809), "English (United Kingdom)");
  EXPECT_EQ(Name(0x100C), "French (Switzerland)");  // the last entry of the table
  EXPECT_EQ(Name(0x0000), "Language Neutral");
  EXPECT_EQ(Name(0x7FFF), "Language Neutral");
  EXPECT_EQ(Name(0xFFFFFFFFu), "Language Neutral");
  EXPECT_EQ(Name(0x0409), Name(GetThreadLocale() & 0xFFFF));
}

TEST(VerLanguageName, BufferLimits) {
  // Without a buffer: the length the name needs.
  EXPECT_EQ(VerLanguageNameA(0x0409, nullptr, 0), 23u);
  char b[8];
  std::memset(b, 'x', sizeof b);
  EXPECT_EQ(VerLanguageNameA(0x0409, b, 0), 23u);
  EXPECT_EQ(b[0], 'x');  // untouched
  EXPECT_EQ(VerLanguageNameA(0x0409, b, sizeof b), 7u);
  EXPECT_STREQ(b, "English");
  char one[1] = {'x'};
  EXPECT_EQ(VerLanguageNameA(0x0409, one, 1), 0u);
  EXPECT_EQ(one[0], '\0');
}

}  // namespace
