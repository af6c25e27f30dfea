// Find Next and Replace All of the strings editor on its text model, case by case.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/pZYLStringsSearch.h"

namespace zyl {
namespace {

// Runs Find Next `times` times from `start` and writes each hit as "line:col@offset" (line
// 0-based, column 1-based), "-" for a search that found nothing.
std::string Hits(const std::string& text, const std::string& find, TZYLFindOptions options,
                 TZYLFindState start, int times) {
  const TZYLTextLines lines(text);
  std::string out;
  for (int i = 0; i < times; ++i) {
    const auto hit = ZYLFindNext(lines, find, options, start);
    if (!out.empty()) out += ' ';
    out += hit ? std::to_string(hit->Line) + ":" + std::to_string(hit->Col) + "@" +
                     std::to_string(hit->Offset)
               : "-";
  }
  return out;
}

struct FindCase {
  const char* name;
  std::string text, find;
  TZYLFindOptions options;
  TZYLFindState start;
  int times;
  std::string want;
};

constexpr TZYLFindOptions kDown{true, false, false};
constexpr TZYLFindOptions kUp{false, false, false};

class FindNext : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindNext, FindsTheMatchesInTurn) {
  const FindCase& c = GetParam();
  EXPECT_EQ(Hits(c.text, c.find, c.options, c.start, c.times), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    StringsEditor, FindNext,
    ::testing::Values(
        FindCase{"WholeWordNeedsABlankAfterTheMatch",
                 "the cat sat\r\nthe cat",
                 "cat",
                 {true, false, true},
                 {1, 1},
                 2,
                 "0:5@4 -"},
        FindCase{"WholeWordAtTheEndOfALineIsNotFound",
                 "a cat",
                 "cat",
                 {true, false, true},
                 {1, 1},
                 1,
                 "-"},
        FindCase{"OverlappingMatchesAreFoundInTurnThenTheLineAgain",
                 "aaa",
                 "aa",
                 kDown,
                 {1, 1},
                 4,
                 "0:1@0 0:2@1 - 0:1@0"},
        FindCase{"MatchCaseOffComparesInUpperCase",
                 "x\r\nABC abc",
                 "aBc",
                 kDown,
                 {1, 1},
                 3,
                 "1:1@3 1:5@7 -"},
        FindCase{"MatchCaseOnFindsTheExactSpellingOnly",
                 "ABC abc",
                 "abc",
                 {true, true, false},
                 {1, 1},
                 2,
                 "0:5@4 -"},
        FindCase{
            "OffsetsCountTwoForEachLineBreak", "ab\r\n\r\ncd\r\n", "d", kDown, {0, 0}, 1, "2:2@7"},
        FindCase{
            "AFindLinePastTheEndStartsOverAtTheTop", "ab\r\nab", "b", kDown, {9, 1}, 1, "0:2@1"},
        FindCase{"AnEmptySearchTextFindsNothing", "abc", "", kDown, {1, 1}, 1, "-"},
        FindCase{"UpwardFindsAMatchEndingAtTheLastCharacterLookedAt",
                 "xyab\r\nab",
                 "ab",
                 kUp,
                 {0, 4},
                 2,
                 "0:3@2 -"},
        FindCase{"UpwardGoesOnLeftOfTheMatchAndIntoTheLinesAbove",
                 "ab ab\r\nzz ab",
                 "AB",
                 kUp,
                 {1, 5},
                 4,
                 "1:4@10 0:4@3 0:1@0 -"},
        FindCase{"UpwardFromANegativeLineStartsAtTheLineCount",
                 "ab\r\nab",
                 "ab",
                 kUp,
                 {-1, 0},
                 1,
                 "1:1@4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StringsSearch, ANotFoundDownwardSearchKeepsTheLineAndResetsTheColumn) {
  const TZYLTextLines lines("one\r\ntwo");
  TZYLFindState state{2, 3};
  EXPECT_FALSE(ZYLFindNext(lines, "zzz", kDown, state));
  EXPECT_EQ(state.FindLine, 2);
  EXPECT_EQ(state.FindCol, 1);
}

TEST(StringsSearch, LastPosIncludesAnOccurrenceEndingAtTheLastCharacter) {
  EXPECT_EQ(ZYLLastPos("ab", "abxab"), 4);
  EXPECT_EQ(ZYLLastPos("ab", "ab"), 1);
  EXPECT_EQ(ZYLLastPos("ab", "a"), 0);
  EXPECT_EQ(ZYLLastPos("", "abc"), 0);
}

TEST(StringsSearch, TheLinesOfATextEndAtCarriageReturnLineFeed) {
  const TZYLTextLines lines("a\r\n\r\nbc\r\n");
  ASSERT_EQ(lines.Count(), 3);
  EXPECT_EQ(lines.Line(2), "bc");
  EXPECT_EQ(lines.Offset(2), 5u);
  EXPECT_EQ(lines.Line(3), "");
  EXPECT_EQ(TZYLTextLines("").Count(), 0);
  EXPECT_EQ(TZYLTextLines("x\ny").Count(), 1);  // a lone line feed breaks no line
}

struct ReplaceCase {
  const char* name;
  std::string text, find, replace;
  bool matchCase;
  std::string want;
  int count;
  size_t caret;
};

class ReplaceAll : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceAll, ReplacesEveryMatchAndEnds) {
  const ReplaceCase& c = GetParam();
  const TZYLReplaceAllResult r =
      ZYLReplaceAll(TZYLTextLines(c.text), c.find, c.replace, c.matchCase);
  EXPECT_EQ(r.Text, c.want);
  EXPECT_EQ(r.Count, c.count);
  EXPECT_EQ(r.Caret, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    StringsEditor, ReplaceAll,
    ::testing::Values(ReplaceCase{"MatchCaseOffReplacesEverySpelling", "Abc ABC\r\nabc", "abc", "x",
                                  false, "x x\r\nx", 3, 6},
                      ReplaceCase{"MatchCaseOnReplacesTheExactSpellingOnly", "Abc ABC\r\nabc",
                                  "abc", "x", true, "Abc ABC\r\nx", 1, 10},
                      ReplaceCase{"AReplacementHoldingTheSearchTextIsNotReplacedAgain", "a\r\naa",
                                  "a", "ba", false, "ba\r\nbaba", 3, 8},
                      ReplaceCase{"AnEmptyReplacementDeletesTheMatches", "xaxa\r\n", "a", "", true,
                                  "xx\r\n", 2, 2},
                      ReplaceCase{"MatchesDoNotSpanLineBreaks", "ab\r\ncd", "b\r\nc", "-", false,
                                  "ab\r\ncd", 0, 0},
                      ReplaceCase{"AnEmptySearchTextReplacesNothing", "abc", "", "x", false, "abc",
                                  0, 0},
                      ReplaceCase{"TheBreaksAndEmptyLinesStayAsTheyWere", "\r\nab\r\n\r\n", "b",
                                  "BB", true, "\r\naBB\r\n\r\n", 1, 5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zyl
