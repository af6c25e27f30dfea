#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <random>

#include "platform/sys/IniText.h"

using namespace vcl;

namespace {

using Strs = std::vector<std::string>;

std::string Get(const TIniText& t, const char* s, const char* k) {
  std::string v;
  return t.Read(s, k, v) ? v : "<none>";
}

TEST(IniText, KeysAndSectionsAreCaseInsensitiveAndTrimmed) {
  TIniText t;
  t.Parse("  [ Main ]  \r\n\tName =  a = b  \r\nEmpty=\r\n[other]\nname=2\n");
  EXPECT_EQ(Get(t, "MAIN", "NAME"), "a = b");  // value after the first '=', blanks trimmed
  EXPECT_EQ(Get(t, "main", "empty"), "");
  EXPECT_EQ(Get(t, "Other", "Name"), "2");
  EXPECT_EQ(Get(t, "Main", "Missing"), "<none>");
  EXPECT_EQ(Get(t, "Nowhere", "Name"), "<none>");
  EXPECT_EQ(t.Sections(), (Strs{"Main", "other"}));
  EXPECT_EQ(t.Keys("MAIN"), (Strs{"Name", "Empty"}));
  // Case folding covers the code page's accented letters.
  t.Parse("[\xC4rger]\n\xE9t\xE9=1\n");
  EXPECT_EQ(Get(t, "\xE4RGER", "\xC9T\xC9"), "1");
}

TEST(IniText, LineEndsCommentsAndMeaninglessLines) {
  TIniText t;
  t.Parse("stray=before any section\r[S]\r; a=comment\rjunk line\r=no key\r[broken\rk=v\r\n");
  EXPECT_EQ(Get(t, "S", "k"), "v");
  EXPECT_EQ(Get(t, "S", "; a"), "<none>");
  EXPECT_EQ(Get(t, "S", ""), "<none>");
  EXPECT_EQ(t.Keys("S"), (Strs{"k"}));
  EXPECT_EQ(t.Sections(), (Strs{"S"}));
  // Everything is written back, with CR LF.
  EXPECT_EQ(t.Text(), "stray=before any section\r\n[S]\r\n; a=comment\r\njunk line\r\n=no key\r\n"
                      "[broken\r\nk=v\r\n");
  // No final line end, and an empty text.
  t.Parse("[A]\nx=1");
  EXPECT_EQ(t.Text(), "[A]\r\nx=1\r\n");
  t.Parse("");
  EXPECT_TRUE(t.Empty());
  EXPECT_EQ(t.Text(), "");
}

TEST(IniText, DuplicatesFirstWinsAndRepeatedSectionsReadAsOne) {
  TIniText t;
  t.Parse("[S]\nk=first\nK=second\n[T]\nx=1\n[s]\nk=third\nlate=4\n");
  EXPECT_EQ(Get(t, "S", "k"), "first");
  EXPECT_EQ(Get(t, "S", "late"), "4");
  EXPECT_EQ(t.Keys("S"), (Strs{"k", "late"}));
  EXPECT_EQ(t.Sections(), (Strs{"S", "T"}));
  auto vals = t.Values("s");
  ASSERT_EQ(vals.size(), 2u);
  EXPECT_EQ(vals[0], (std::pair<std::string, std::string>{"k", "first"}));
  // Deleting removes every occurrence, so the key is really gone.
  EXPECT_TRUE(t.DeleteKey("S", "K"));
  EXPECT_EQ(Get(t, "S", "k"), "<none>");
  EXPECT_FALSE(t.DeleteKey("S", "k"));
  EXPECT_TRUE(t.EraseSection("s"));
  EXPECT_EQ(t.Text(), "[T]\r\nx=1\r\n");
  EXPECT_FALSE(t.EraseSection("s"));
}

TEST(IniText, WritesReplaceInPlaceOrAppendKeepingComments) {
  TIniText t;
  t.Parse("; header comment\n[A]\n  Key = old ; not a comment\n\n; about B\n[B]\n");
  t.Write("a", "KEY", "new");
  t.Write("A", "second", " spaced ");
  t.Write("b", "x", "1");
  t.Write("C", "y", "2");
  EXPECT_EQ(t.Text(),
            "; header comment\r\n[A]\r\nKey=new\r\nsecond= spaced \r\n\r\n; about B\r\n[B]\r\n"
            "x=1\r\n\r\n[C]\r\ny=2\r\n");
  EXPECT_EQ(Get(t, "A", "second"), "spaced");
  // A key found only in a later occurrence of the section is updated there.
  t.Parse("[S]\na=1\n[T]\n[S]\nb=2\n");
  t.Write("S", "b", "3");
  t.Write("S", "c", "4");
  EXPECT_EQ(t.Text(), "[S]\r\na=1\r\nc=4\r\n[T]\r\n[S]\r\nb=3\r\n");
  // Writing into an empty text starts without a blank line.
  TIniText e;
  e.Write("New", "k", "v");
  EXPECT_EQ(e.Text(), "[New]\r\nk=v\r\n");
}

TEST(IniText, EmptySectionsAreListedButHaveNoKeys) {
  TIniText t;
  t.Parse("[Empty]\n[Full]\na=1\n[Comments only]\n; x=1\n");
  EXPECT_EQ(t.Sections(), (Strs{"Empty", "Full", "Comments only"}));
  EXPECT_TRUE(t.HasSection("EMPTY"));
  EXPECT_TRUE(t.Keys("Empty").empty());
  EXPECT_TRUE(t.Keys("Comments only").empty());
  EXPECT_FALSE(t.HasSection("None"));
}

// Reads after every kind of change see the text as it is now, not as it was indexed.
TEST(IniText, ReadsFollowChangesOfShape) {
  TIniText t;
  t.Parse("[A]\na=1\n[B]\nb=1\n[a]\nc=1\n");
  const struct {
    std::function<void(TIniText&)> change;
    Strs sections, keysOfA;
    const char* bValue;
  } steps[] = {
      {[](TIniText&) {}, {"A", "B"}, {"a", "c"}, "1"},
      {[](TIniText& x) { x.Write("A", "n", "2"); }, {"A", "B"}, {"a", "n", "c"}, "1"},
      {[](TIniText& x) { x.Write("B", "b", "7"); }, {"A", "B"}, {"a", "n", "c"}, "7"},
      {[](TIniText& x) { x.DeleteKey("A", "a"); }, {"A", "B"}, {"n", "c"}, "7"},
      {[](TIniText& x) { x.EraseSection("B"); }, {"A"}, {"n", "c"}, "<none>"},
      {[](TIniText& x) { x.Write("B", "b", "9"); }, {"A", "B"}, {"n", "c"}, "9"},
      {[](TIniText& x) { x.SetLines({"[B]", "b=3"}); }, {"B"}, {}, "3"},
      {[](TIniText& x) { x.Clear(); }, {}, {}, "<none>"},
  };
  for (size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    steps[i].change(t);
    EXPECT_EQ(t.Sections(), steps[i].sections);
    EXPECT_EQ(t.Keys("a"), steps[i].keysOfA);
    EXPECT_EQ(t.KeyCount("A"), steps[i].keysOfA.size());
    EXPECT_EQ(Get(t, "b", "B"), steps[i].bValue);
  }
}

TEST(IniText, LinesRoundTrip) {
  TIniText t;
  t.SetLines({"[S]", "a=1", "; c", "b=2\r\nc=3"});
  EXPECT_EQ(t.Lines(), (Strs{"[S]", "a=1", "; c", "b=2", "c=3"}));
  EXPECT_EQ(Get(t, "S", "c"), "3");
}

}  // namespace

namespace {

TEST(IniText, RandomBytesParseWithoutHarm) {
  std::mt19937 rng(99);
  for (int round = 0; round < 200; ++round) {
    std::string text(rng() % 200, '\0');
    for (char& c : text) c = "[]=; \t\r\nab\0\xff"[rng() % 12];
    TIniText t;
    t.Parse(text);
    for (const auto& s : t.Sections()) {
      for (const auto& k : t.Keys(s)) {
        std::string v;
        EXPECT_TRUE(t.Read(s, k, v));
      }
    }
    // Writing keeps the text readable: the new key is found again.
    t.Write("Fuzz", "key", "value");
    std::string v;
    EXPECT_TRUE(t.Read("Fuzz", "key", v));
    EXPECT_EQ(v, "value");
  }
}

}  // namespace
