#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/rtl/StrUtils.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;
using testsupport::ExpectCases;

TEST(Copy, ClampsOutOfRangeParts) {
  // An index below 1 counts as 1 with the count unchanged; parts beyond the end are dropped.
  const struct {
    int64_t index, count;
    const char* part;
  } cases[] = {{2, 3, "ell"}, {0, 2, "He"}, {-5, 2, "He"}, {4, 100, "lo"},
               {6, 1, ""},    {5, 0, ""},   {2, -1, ""},   {1, INT64_MAX, "Hello"}};
  for (const auto& c : cases) EXPECT_EQ(Copy("Hello", c.index, c.count), c.part) << c.index;
  EXPECT_EQ(Copy("", 1, 1), "");
}

TEST(PosInsertDelete, OneBasedPositions) {
  EXPECT_EQ(Pos("l", "Hello"), 3);
  EXPECT_EQ(Pos("lo", "Hello"), 4);
  EXPECT_EQ(Pos("x", "Hello"), 0);
  EXPECT_EQ(Pos("", "Hello"), 0);
  std::string s = "Hello";
  Insert("XX", s, 3);
  EXPECT_EQ(s, "HeXXllo");
  Insert("<", s, -4);
  EXPECT_EQ(s, "<HeXXllo");
  Insert(">", s, 100);
  EXPECT_EQ(s, "<HeXXllo>");
  s = "Hello";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "Hlo");
  Delete(s, 0, 1);  // index out of range: nothing
  EXPECT_EQ(s, "Hlo");
  Delete(s, 4, 1);
  EXPECT_EQ(s, "Hlo");
  Delete(s, 2, 99);
  EXPECT_EQ(s, "H");
}

TEST(Trim, RemovesControlCharactersAndSpaces) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \x01"), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");  // the no-break space is above ' '
}

TEST(CaseMapping, AsciiVersusCodePage) {
  EXPECT_EQ(UpperCase("abc\xE9\xFF"), "ABC\xE9\xFF");
  EXPECT_EQ(AnsiUpperCase("abc\xE9\xFF\x9A\xDF\xF7"), "ABC\xC9\x9F\x8A\xDF\xF7");
  EXPECT_EQ(LowerCase("ABC\xC9"), "abc\xC9");
  EXPECT_EQ(AnsiLowerCase("ABC\xC9\x8C\xD7"), "abc\xE9\x9C\xD7");
}

TEST(Compare, OrdinalComparisons) {
  EXPECT_LT(CompareStr("A", "a"), 0);
  EXPECT_GT(CompareStr("ab", "a"), 0);
  EXPECT_EQ(CompareStr("x", "x"), 0);
  EXPECT_EQ(CompareText("Hello", "hELLO"), 0);
  EXPECT_NE(CompareText("\xE9", "\xC9"), 0);  // only A..Z fold
  EXPECT_LT(CompareText("a", "B"), 0);
  EXPECT_GT(CompareText("_", "a"), 0);  // '_' (0x5F) sorts after 'A' (0x41) once folded
  EXPECT_TRUE(SameText("Arial", "ARIAL"));
}

TEST(Compare, LocaleOrder) {
  EXPECT_EQ(AnsiCompareText("\xE9t\xE9", "\xC9T\xC9"), 0);
  EXPECT_LT(AnsiCompareText("a", "B"), 0);
  EXPECT_LT(AnsiCompareText("_", "a"), 0);       // punctuation before letters
  EXPECT_LT(AnsiCompareText("9", "a"), 0);       // digits before letters
  EXPECT_LT(AnsiCompareText("e", "\xE9"), 0);    // accents break ties
  EXPECT_LT(AnsiCompareText("\xE9", "f"), 0);    // but weigh less than the letter
  EXPECT_LT(AnsiCompareText("coop", "co-op"), 0);  // hyphen only breaks ties
  EXPECT_LT(AnsiCompareText("co-op", "cop"), 0);
  EXPECT_LT(AnsiCompareText("its", "it's"), 0);
  EXPECT_LT(AnsiCompareText("it's", "itself"), 0);
  EXPECT_EQ(AnsiCompareText("\xC6on", "aeon"), 0);   // ligature expands
  EXPECT_LT(AnsiCompareStr("a", "A"), 0);            // lower case first
  EXPECT_LT(AnsiCompareStr("A", "b"), 0);
  EXPECT_TRUE(AnsiSameText("Stra\xDF" "e", "STRASSE"));
  EXPECT_FALSE(AnsiSameStr("abc", "ABC"));
}

TEST(Quoting, QuotedAndExtracted) {
  EXPECT_EQ(QuotedStr("It's"), "'It''s'");
  EXPECT_EQ(QuotedStr(""), "''");
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  const char* text = "'It''s' rest";
  const char* p = text;
  EXPECT_EQ(AnsiExtractQuotedStr(p, '\''), "It's");
  EXPECT_STREQ(p, " rest");
  const char* unquoted = "abc";
  p = unquoted;
  EXPECT_EQ(AnsiExtractQuotedStr(p, '\''), "");
  EXPECT_EQ(p, unquoted);
  const char* open = "'abc";
  p = open;
  EXPECT_EQ(AnsiExtractQuotedStr(p, '\''), "abc");
  EXPECT_EQ(*p, '\0');
  EXPECT_EQ(AnsiDequotedStr("'x''y'", '\''), "x'y");
  EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
}

TEST(StringReplace, FlagsAsSet) {
  const TReplaceFlags all = {rfReplaceAll}, allNoCase = {rfReplaceAll, rfIgnoreCase};
  ExpectCases({
      {StringReplace("aXbXc", "X", "--", {}), "a--bXc"}, {StringReplace("aXbXc", "X", "--", all), "a--b--c"},
      {StringReplace("axbXc", "X", "", allNoCase), "abc"},
      {StringReplace("\xE9t\xC9", "\xC9", "e", allNoCase), "ete"},
      {StringReplace("aaa", "aa", "a", all), "aa"},  // no rescanning of output
      {StringReplace("abc", "", "x", all), "abc"},
  });
}

TEST(Delimiters, LastAndIs) {
  EXPECT_EQ(LastDelimiter("\\:", "C:\\a\\b"), 5);
  EXPECT_EQ(LastDelimiter(".", "abc"), 0);
  EXPECT_TRUE(IsDelimiter("\\", "a\\", 2));
  EXPECT_FALSE(IsDelimiter("\\", "a\\", 3));
}

TEST(IntegerText, IntToStrAndHex) {
  ExpectCases({
      {IntToStr(0), "0"},                {IntToStr(-2147483648LL), "-2147483648"},
      {IntToStr(INT64_MIN), "-9223372036854775808"},  {IntToHex(255, 4), "00FF"},
      {IntToHex(0, 0), "0"},             {IntToHex(-1, 2), "FFFFFFFF"},
      {IntToHex(int64_t{-1}, 2), "FFFFFFFFFFFFFFFF"}, {IntToHex(0x1234, 2), "1234"},
      {IntToHex(0xFFu, 1), "FF"},        {IntToHex(size_t{0xABCDEF012}, 12), "000ABCDEF012"},
  });
}

TEST(IntegerText, StrToIntAcceptsTheFrameworkSyntax) {
  // Hexadecimal spells the bit pattern: $FFFFFFFF is -1.
  const std::pair<const char*, int32_t> cases[] = {
      {"123", 123},   {"  -42", -42}, {"+7", 7},          {"$FF", 255},
      {"0x1f", 31},   {"0XFF", 255},  {"-$10", -16},      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},     {"-2147483648", INT32_MIN}};
  for (const auto& [text, value] : cases) EXPECT_EQ(StrToInt(text), value) << text;
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64("$7FFFFFFFFFFFFFFF"), INT64_MAX);
}

TEST(IntegerText, JunkAndOverflowRaise) {
  for (const char* bad : {"", " ", "12a", "1 ", "$", "0x", "--1", "2147483648", "-2147483649", "1.0", "$1G",
                          "$100000000"}) {
    int32_t v;
    EXPECT_FALSE(TryStrToInt(bad, v)) << bad;
    EXPECT_EQ(StrToIntDef(bad, -7), -7) << bad;
  }
  int64_t v64;
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", v64));
  EXPECT_EQ(StrToInt64Def("x", 5), 5);
  EXPECT_EQ(testsupport::ErrorOf<EConvertError>([] { StrToInt("abc"); }),
            "'abc' is not a valid integer value");
  EXPECT_THROW(StrToInt64("1e3"), EConvertError);
}

TEST(Booleans, TextForms) {
  EXPECT_EQ(BoolToStr(true), "-1");
  EXPECT_EQ(BoolToStr(false, true), "False");
  EXPECT_TRUE(StrToBool("TRUE"));
  EXPECT_TRUE(StrToBool("5"));
  EXPECT_FALSE(StrToBool("0"));
  EXPECT_THROW(StrToBool("yes"), EConvertError);
  EXPECT_TRUE(StrToBoolDef("yes", true));
}

TEST(PChar, ZeroTerminatedRoutines) {
  char buf[8];
  EXPECT_STREQ(StrPLCopy(buf, "Notification tip", 7), "Notific");
  EXPECT_STREQ(StrPCopy(buf, "abc"), "abc");
  EXPECT_EQ(StrLen(buf), 3u);
  EXPECT_EQ(StrLen(nullptr), 0u);
  EXPECT_EQ(StrEnd(buf) - buf, 3);
  EXPECT_STREQ(StrLCopy(buf, nullptr, 5), "");
  EXPECT_EQ(StrPas(nullptr), "");
  EXPECT_LT(StrComp("a", "b"), 0);
  EXPECT_EQ(StrComp(nullptr, ""), 0);
  EXPECT_EQ(StrIComp("abc", "ABC"), 0);
  EXPECT_EQ(StrLComp("abcx", "abcy", 3), 0);
  EXPECT_NE(StrLIComp("abcx", "ABCY", 4), 0);
  const char* s = "a.b.c";
  EXPECT_EQ(StrScan(s, '.'), s + 1);
  EXPECT_EQ(StrRScan(s, '.'), s + 3);
  EXPECT_EQ(StrScan(s, 'x'), nullptr);
  EXPECT_EQ(StrPos(s, "b.c"), s + 2);
  EXPECT_EQ(StrPos(s, ""), nullptr);
  EXPECT_EQ(PCharOrNull(""), nullptr);
  const std::string t = "x";
  EXPECT_EQ(PCharOrNull(t), t.c_str());
}

TEST(LineBreaks, AdjustedToCrLf) {
  EXPECT_EQ(AdjustLineBreaks("a\nb\rc\r\nd\n\re"), "a\r\nb\r\nc\r\nd\r\ne");
  EXPECT_EQ(AdjustLineBreaks("\n\n"), "\r\n\r\n");
  EXPECT_EQ(AdjustLineBreaks(""), "");
  EXPECT_EQ(UpCase('q'), 'Q');
  EXPECT_EQ(UpCase('\xE9'), '\xE9');
}
