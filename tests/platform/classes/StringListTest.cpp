#include "platform/classes/StringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

using namespace vcl;

using testsupport::ErrorOf;

namespace {

std::string Join(const TStrings& s) {
  std::string r;
  for (int i = 0; i < s.Count(); ++i) r += (i ? "|" : "") + s.Strings(i);
  return r;
}

TObject* Tag(intptr_t v) { return reinterpret_cast<TObject*>(v); }

class TChangeCounter : public TObject {
 public:
  void Changed(TObject*) { ++changed; }
  void Changing(TObject*) { ++changing; }
  int changed = 0;
  int changing = 0;
};

}  // namespace

TEST(StringList, BasicEditingAndErrors) {
  TStringList l;
  l.Add("one");
  l.AddObject("two", Tag(2));
  l.Insert(0, "zero");
  l.Append("three");
  EXPECT_EQ(Join(l), "zero|one|two|three");
  EXPECT_EQ(l.Objects(2), Tag(2));
  EXPECT_EQ(l.IndexOfObject(Tag(2)), 2);
  EXPECT_EQ(l.IndexOf("TWO"), 2);  // case-insensitive
  EXPECT_EQ(l.IndexOf("four"), -1);
  l.Exchange(0, 3);
  EXPECT_EQ(Join(l), "three|one|two|zero");
  l.Move(3, 0);
  EXPECT_EQ(Join(l), "zero|three|one|two");
  EXPECT_EQ(l.Objects(3), Tag(2));  // objects move with their strings
  l.SetStrings(1, "THREE");
  l.Delete(0);
  EXPECT_EQ(Join(l), "THREE|one|two");
  EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Strings(3); }), "List index out of bounds (3)");
  EXPECT_THROW(l.Delete(-1), EStringListError);
  EXPECT_THROW(l.Insert(5, "x"), EStringListError);
  EXPECT_THROW(l.SetObjects(9, nullptr), EStringListError);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, SortedDuplicatesAndCase) {
  TStringList l;
  for (const char* s : {"pear", "Apple", "banana", "apple"}) l.Add(s);
  l.SetSorted(true);
  EXPECT_EQ(l.Strings(0).substr(1), "pple");
  EXPECT_EQ(l.Strings(1).substr(1), "pple");
  EXPECT_EQ(l.Strings(2), "banana");
  EXPECT_EQ(l.Strings(3), "pear");
  // dupIgnore: an existing string (any case) is not added again.
  EXPECT_EQ(l.Add("PEAR"), 3);
  EXPECT_EQ(l.Count(), 4);
  EXPECT_EQ(l.Add("cherry"), 3);
  EXPECT_EQ(Join(l).substr(12), "banana|cherry|pear");
  l.SetDuplicates(dupError);
  EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Add("Cherry"); }),
            "String list does not allow duplicates");
  l.SetDuplicates(dupAccept);
  EXPECT_EQ(l.Add("BANANA"), 2);  // goes before the equal ones
  EXPECT_EQ(l.Count(), 6);
  EXPECT_EQ(ErrorOf<EStringListError>([&] { l.Insert(0, "x"); }),
            "Operation not allowed on sorted list");
  EXPECT_THROW(l.SetStrings(0, "x"), EStringListError);
  int index = -1;
  EXPECT_TRUE(l.Find("Banana", index));
  EXPECT_EQ(index, 2);
  EXPECT_FALSE(l.Find("blueberry", index));
  EXPECT_EQ(index, 4);  // where it would go
  EXPECT_EQ(l.IndexOf("PEAR"), 5);

  // Case-sensitive lists tell "a" and "A" apart and re-sort when switched.
  TStringList c;
  c.SetCaseSensitive(true);
  c.SetSorted(true);
  c.Add("b");
  c.Add("a");
  c.Add("A");
  EXPECT_EQ(c.Count(), 3);
  EXPECT_EQ(c.IndexOf("a"), c.IndexOf("a"));
  EXPECT_NE(c.IndexOf("a"), c.IndexOf("A"));
  EXPECT_EQ(c.Strings(2), "b");
  c.SetCaseSensitive(false);
  EXPECT_EQ(c.Strings(2), "b");
  EXPECT_TRUE(c.Find("B", index));
}

TEST(StringList, CustomSortAndUnsortedIndexOf) {
  TStringList l;
  for (const char* s : {"ccc", "a", "bb", "dddd"}) l.Add(s);
  l.CustomSort([](TStringList* list, int a, int b) {
    return static_cast<int>(list->Strings(b).size()) - static_cast<int>(list->Strings(a).size());
  });
  EXPECT_EQ(Join(l), "dddd|ccc|bb|a");
  l.Sort();
  EXPECT_EQ(Join(l), "a|bb|ccc|dddd");
}

TEST(StringList, NamesAndValues) {
  TStringList l;
  l.SetText("Width=10\r\nname=Fred=Smith\r\nplain\r\n=empty name\r\n");
  EXPECT_EQ(l.Names(0), "Width");
  EXPECT_EQ(l.Names(1), "name");
  EXPECT_EQ(l.Names(2), "");
  EXPECT_EQ(l.Values("WIDTH"), "10");
  EXPECT_EQ(l.Values("Name"), "Fred=Smith");  // after the first separator
  EXPECT_EQ(l.Values("plain"), "");
  EXPECT_EQ(l.Values(""), "empty name");
  EXPECT_EQ(l.ValueFromIndex(1), "Fred=Smith");
  EXPECT_EQ(l.ValueFromIndex(2), "");
  EXPECT_EQ(l.IndexOfName("name"), 1);
  EXPECT_EQ(l.IndexOfName("plain"), -1);
  l.SetValues("Width", "20");
  EXPECT_EQ(l.Strings(0), "Width=20");
  l.SetValues("Height", "5");
  EXPECT_EQ(l.Strings(4), "Height=5");
  l.SetValues("width", "");  // empty value deletes the line
  EXPECT_EQ(l.IndexOfName("Width"), -1);
  l.SetValueFromIndex(0, "Joe");
  EXPECT_EQ(l.Strings(0), "name=Joe");
  l.SetValueFromIndex(-1, "new");
  EXPECT_EQ(l.Strings(l.Count() - 1), "=new");
  l.SetNameValueSeparator(':');
  l.Add("key:v");
  EXPECT_EQ(l.Values("key"), "v");
}

// How texts split into lines, and how comma texts split into items (joined with "|").
struct TSplitCase {
  bool Comma;
  std::string Input;
  const char* Items;
  int Count;
};

TEST(StringList, TextsAndCommaTextsSplitIntoItems) {
  const TSplitCase cases[] = {
      {false, "a\r\nb\nc\rd", "a|b|c|d", 4},
      {false, "a\n\rb", "a||b", 3},  // LF then CR: an empty line between
      {false, "x\r\n\r\n", "x|", 2},
      {false, "", "", 0},
      {false, std::string("ab\0cd", 5), "ab", 1},  // the text ends at a NUL
      {false, "\r\n", "", 1},
      {true, "a b,c", "a|b|c", 3},  // unquoted blanks separate items too
      {true, "  a ,  b  ", "a|b", 2},
      {true, "a,,b", "a||b", 3},
      {true, "a,", "a|", 2},  // a trailing delimiter adds an empty item
      {true, "a, ", "a", 1},
      {true, "\"x, y\"z,w", "x, y|z|w", 3},  // text right after a closing quote starts an item
      {true, "\"a\"\"b\"", "a\"b", 1},
      {true, ",", "|", 2},
      {true, "\"\"", "", 1},
      {true, "", "", 0},
  };
  for (const TSplitCase& c : cases) {
    TStringList l;
    if (c.Comma)
      l.SetCommaText(c.Input);
    else
      l.SetText(c.Input);
    EXPECT_EQ(Join(l), c.Items) << c.Input;
    EXPECT_EQ(l.Count(), c.Count) << c.Input;
  }
  TStringList l;
  l.SetText("a\nb");
  EXPECT_EQ(l.Text(), "a\r\nb\r\n");
  l.SetText("\r\n");
  EXPECT_EQ(l.Text(), "\r\n");
  l.Clear();
  // Quoting: blanks, commas and quotes need it; one empty string is "" to survive.
  for (const char* s : {"plain", "with space", "with,comma", "say \"hi\"", "", "tab\there"})
    l.Add(s);
  EXPECT_EQ(l.CommaText(), "plain,\"with space\",\"with,comma\",\"say \"\"hi\"\"\",,\"tab\there\"");
  TStringList back, one, none;
  back.SetCommaText(l.CommaText());
  EXPECT_EQ(Join(back), Join(l));
  one.Add("");
  EXPECT_EQ(one.CommaText(), "\"\"");
  EXPECT_EQ(none.CommaText(), "");
}

TEST(StringList, DelimitedTextWithOtherCharacters) {
  TStringList l;
  l.SetDelimiter(';');
  l.SetQuoteChar('\'');
  l.SetDelimitedText("a;'b;c';'it''s'");
  EXPECT_EQ(Join(l), "a|b;c|it's");
  EXPECT_EQ(l.DelimitedText(), "a;'b;c';'it''s'");
  l.Add("x,y");  // commas need no quotes here
  EXPECT_EQ(l.DelimitedText(), "a;'b;c';'it''s';x,y");
  EXPECT_EQ(l.CommaText(), "a,b;c,it's,\"x,y\"");
}

TEST(StringList, UpdateBracketsAnnounceOnce) {
  TStringList l;
  TChangeCounter counter;
  l.SetOnChange(TNotifyEvent(&counter, &TChangeCounter::Changed));
  l.SetOnChanging(TNotifyEvent(&counter, &TChangeCounter::Changing));
  l.Add("a");
  EXPECT_EQ(counter.changed, 1);
  EXPECT_EQ(counter.changing, 1);
  l.BeginUpdate();
  l.BeginUpdate();
  l.Add("b");
  l.Delete(0);
  l.Add("c");
  l.EndUpdate();
  EXPECT_EQ(counter.changed, 1);
  l.EndUpdate();
  EXPECT_EQ(counter.changed, 2);
  EXPECT_EQ(counter.changing, 2);
  l.SetText("x\ny\nz");  // one bracket for the whole text
  EXPECT_EQ(counter.changed, 3);
  l.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(counter.changed, 3);
}

TEST(StringList, AssignEqualsAndAddStrings) {
  TStringList a, b;
  a.SetText("x\ny");
  a.SetObjects(1, Tag(5));
  b.Assign(&a);
  EXPECT_TRUE(b.Equals(&a));
  EXPECT_EQ(b.Objects(1), Tag(5));
  b.SetStrings(0, "X");
  EXPECT_FALSE(b.Equals(&a));  // case matters for Equals
  b.AddStrings(&b);
  EXPECT_EQ(Join(b), "X|y|X|y");
  TComponent notStrings(nullptr);
  EXPECT_THROW(b.Assign(&notStrings), EConvertError);
  // A sorted list sorts what is assigned to it.
  TStringList sorted;
  sorted.SetSorted(true);
  sorted.Assign(&b);
  EXPECT_EQ(Join(sorted), "X|y");
}

TEST(StringList, StreamsAndFiles) {
  testsupport::TempDir dir;
  TStringList l;
  l.SetText("first\nsecond");
  l.SaveToFile(dir.File("list.txt"));
  TMemoryStream m;
  m.LoadFromFile(dir.File("list.txt"));
  EXPECT_EQ(m.Size(), 15);
  TStringList r;
  r.LoadFromFile(dir.File("list.txt"));
  EXPECT_EQ(Join(r), "first|second");
  // Loading from a stream reads from its position on.
  TStringStream s("skip\r\nrest\r\n");
  s.SetPosition(6);
  r.LoadFromStream(&s);
  EXPECT_EQ(Join(r), "rest");
  EXPECT_THROW(r.LoadFromFile(dir.File("missing.txt")), EFOpenError);
}

namespace sl_test {

class TMemoLike : public TComponent {
  ZYL_CLASS(TMemoLike, TComponent)
  explicit TMemoLike(TComponent* AOwner) : TComponent(AOwner), lines_(new TStringList) {}
  ~TMemoLike() override { delete lines_; }
  TStrings* Lines() const { return lines_; }
  void SetLines(TStrings* value) { lines_->Assign(value); }

 private:
  TStringList* lines_;
};

ZYL_CLASS_IMPL(TMemoLike) { b.Prop("Lines", &TMemoLike::Lines, &TMemoLike::SetLines); }

}  // namespace sl_test

TEST(StringList, StreamsAsTheStringsPropertyOfAForm) {
  sl_test::TMemoLike memo(nullptr);
  memo.SetName("Memo1");
  memo.Lines()->SetText("first line\r\nit's\r\n");
  TMemoryStream m;
  m.WriteComponent(&memo);
  const std::string text = ObjectBinaryToTextString(
      std::string(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size())));
  EXPECT_NE(text.find("Lines.Strings = (\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("'it'#39's')"), std::string::npos) << text;
  sl_test::TMemoLike back(nullptr);
  back.Lines()->Add("old");
  m.SetPosition(0);
  m.ReadComponent(&back);
  EXPECT_EQ(Join(*back.Lines()), "first line|it's");
  // An empty list writes nothing.
  sl_test::TMemoLike empty(nullptr);
  TMemoryStream m2;
  m2.WriteComponent(&empty);
  const std::string text2 = ObjectBinaryToTextString(
      std::string(static_cast<const char*>(m2.Memory()), static_cast<size_t>(m2.Size())));
  EXPECT_EQ(text2.find("Lines"), std::string::npos) << text2;
}

// A list its owner fills when made writes its emptiness, and reading it empties the list.
TEST(StringList, AnEmptiedListOfAnOwnerThatFillsItIsWrittenEmpty) {
  sl_test::TMemoLike memo(nullptr);
  memo.SetName("Memo1");
  memo.Lines()->SetEmptyStored(true);
  TMemoryStream m;
  m.WriteComponent(&memo);
  const std::string bytes(static_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
  const std::string text = ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("Lines.Strings = ()"), std::string::npos) << text;
  sl_test::TMemoLike back(nullptr);
  back.Lines()->Add("filled when made");
  m.SetPosition(0);
  m.ReadComponent(&back);
  EXPECT_EQ(back.Lines()->Count(), 0);
}

namespace {

// Words of lower-case letters, whose order in the list is the plain alphabetical one.
std::vector<std::string> RandomWords(size_t n, unsigned seed, int letters) {
  std::mt19937 random(seed);
  std::vector<std::string> words;
  for (size_t i = 0; i < n; ++i) {
    std::string w;
    for (int k = 0; k < letters; ++k) w += static_cast<char>('a' + random() % 26);
    words.push_back(w);
  }
  return words;
}

// The list holds exactly the strings and objects of the model, in its order.
void ExpectSameItems(const TStringList& l, const std::vector<std::pair<std::string, intptr_t>>& m) {
  ASSERT_EQ(l.Count(), static_cast<int>(m.size()));
  for (int i = 0; i < l.Count(); ++i) {
    ASSERT_EQ(l.Strings(i), m[static_cast<size_t>(i)].first) << "at " << i;
    ASSERT_EQ(l.Objects(i), Tag(m[static_cast<size_t>(i)].second)) << "at " << i;
  }
}

}  // namespace

// Long lists (thousands of items) behave item for item like a plain array of the same edits.
TEST(StringList, LongListsEditLikeAnArray) {
  TStringList l;
  std::vector<std::pair<std::string, intptr_t>> model;
  std::mt19937 random(3);
  const std::vector<std::string> words = RandomWords(6000, 1, 6);
  for (size_t i = 0; i < words.size(); ++i) {
    const int at = static_cast<int>(random() % (model.size() + 1));
    l.InsertObject(at, words[i], Tag(static_cast<intptr_t>(i + 1)));
    model.insert(model.begin() + at, {words[i], static_cast<intptr_t>(i + 1)});
  }
  ExpectSameItems(l, model);
  for (int k = 0; k < 2000; ++k) {
    const int a = static_cast<int>(random() % model.size());
    const int b = static_cast<int>(random() % model.size());
    switch (k % 4) {
      case 0:
        l.Delete(a);
        model.erase(model.begin() + a);
        break;
      case 1:
        l.Exchange(a, b);
        std::swap(model[static_cast<size_t>(a)], model[static_cast<size_t>(b)]);
        break;
      case 2: {
        l.Move(a, b);
        const auto item = model[static_cast<size_t>(a)];
        model.erase(model.begin() + a);
        model.insert(model.begin() + b, item);
        break;
      }
      default: l.SetObjects(a, Tag(-k)); model[static_cast<size_t>(a)].second = -k;
    }
  }
  ExpectSameItems(l, model);
  // Deleting from the front down to nothing, then filling again.
  while (l.Count() > 0) l.Delete(0);
  EXPECT_THROW(l.Strings(0), EStringListError);
  l.Add("again");
  EXPECT_EQ(Join(l), "again");

  // Sorting the long list puts it in alphabetical order, objects following their strings.
  l.Clear();
  model.clear();
  for (size_t i = 0; i < words.size(); ++i) {
    l.AddObject(words[i], Tag(static_cast<intptr_t>(i + 1)));
    model.push_back({words[i], static_cast<intptr_t>(i + 1)});
  }
  l.SetSorted(true);
  ASSERT_EQ(l.Count(), static_cast<int>(words.size()));
  for (int i = 0; i < l.Count(); ++i) {
    ASSERT_EQ(model[static_cast<size_t>(reinterpret_cast<intptr_t>(l.Objects(i)) - 1)].first,
              l.Strings(i));
    if (i > 0) {
      ASSERT_LE(l.Strings(i - 1), l.Strings(i));
    }
  }
}

// A sorted list filled in random order keeps every string at its alphabetical place: with
// duplicates accepted a new equal string goes before the equal ones, ignored ones are not
// added, and Find and IndexOf name the places throughout.
TEST(StringList, LongSortedListsFindTheirPlaces) {
  for (TDuplicates dup : {dupAccept, dupIgnore}) {
    TStringList l;
    l.SetSorted(true);
    l.SetDuplicates(dup);
    std::vector<std::string> model;
    // Three letters: many duplicates among 5,000 words.
    const std::vector<std::string> words = RandomWords(5000, 2, 3);
    for (size_t i = 0; i < words.size(); ++i) {
      const auto at = std::lower_bound(model.begin(), model.end(), words[i]);
      const bool present = at != model.end() && *at == words[i];
      const int expected = static_cast<int>(at - model.begin());
      if (dup == dupAccept || !present) model.insert(at, words[i]);
      ASSERT_EQ(l.AddObject(words[i], Tag(static_cast<intptr_t>(i))), expected) << words[i];
    }
    ASSERT_EQ(l.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < l.Count(); ++i) ASSERT_EQ(l.Strings(i), model[static_cast<size_t>(i)]);
    for (const std::string& w : {std::string("aaa"), std::string("mmm"), std::string("zzz"),
                                 std::string("zzzz"), std::string("0")}) {
      const auto at = std::lower_bound(model.begin(), model.end(), w);
      int index = -1;
      const bool present = at != model.end() && *at == w;
      EXPECT_EQ(l.Find(w, index), present) << w;
      if (present) {
        EXPECT_EQ(l.Strings(index), w);
        EXPECT_EQ(l.IndexOf(w), index);
      } else {
        EXPECT_EQ(index, static_cast<int>(at - model.begin())) << w;
        EXPECT_EQ(l.IndexOf(w), -1);
      }
    }
    // Deleting every other item keeps the rest in order.
    for (int i = l.Count() - 1; i >= 0; i -= 2) {
      l.Delete(i);
      model.erase(model.begin() + i);
    }
    ASSERT_EQ(l.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < l.Count(); ++i) ASSERT_EQ(l.Strings(i), model[static_cast<size_t>(i)]);
  }
}

// A sorted fill of mixed strings: symbols before digits before letters, digits one by one,
// accents, case and hyphens breaking ties only, in that order; a ligature as its two letters.
// Ignoring case, strings that differ only in case are duplicates; a duplicate accepted goes
// before the equal ones.
TEST(StringList, SortedFillOfMixedStrings) {
  const std::vector<std::string> words = {
      "resumes", "9",   "Coop", "aeon", "r\xE9sum\xE9", "_x",   "cop", "co-op",
      "\xC6on",  "its", "af",   "10",   "RESUME",       "it's", "ad",  "AEON"};
  const struct {
    bool caseSensitive;
    TDuplicates duplicates;
    const char* expected;
  } cases[] = {
      {false, dupIgnore, "_x|10|9|ad|aeon|af|Coop|co-op|cop|its|it's|RESUME|r\xE9sum\xE9|resumes"},
      {false, dupAccept,
       "_x|10|9|ad|AEON|\xC6on|aeon|af|Coop|co-op|cop|its|it's|RESUME|r\xE9sum\xE9|resumes"},
      {true, dupIgnore,
       "_x|10|9|ad|aeon|\xC6on|AEON|af|co-op|Coop|cop|its|it's|RESUME|r\xE9sum\xE9|resumes"},
      {true, dupError,
       "_x|10|9|ad|aeon|\xC6on|AEON|af|co-op|Coop|cop|its|it's|RESUME|r\xE9sum\xE9|resumes"},
  };
  for (const auto& c : cases) {
    TStringList l;
    l.SetCaseSensitive(c.caseSensitive);
    l.SetDuplicates(c.duplicates);
    l.SetSorted(true);
    for (const std::string& w : words) l.Add(w);
    EXPECT_EQ(Join(l), c.expected) << c.caseSensitive << " " << c.duplicates;
  }
  // Ignoring case, a string finds its equal in any case, not its accented or hyphenated twin.
  TStringList l;
  l.SetSorted(true);
  for (const std::string& w : words) l.Add(w);
  const struct {
    const char* s;
    bool found;
    int index;
  } finds[] = {{"AEON", true, 4},          {"\xE6on", true, 4}, {"resume", true, 11},
               {"R\xC9SUM\xC9", true, 12}, {"coop", true, 6},   {"co-op", true, 7},
               {"co'op", false, 7},        {"aeo", false, 4},   {"zz", false, 14}};
  for (const auto& f : finds) {
    int index = -1;
    EXPECT_EQ(l.Find(f.s, index), f.found) << f.s;
    EXPECT_EQ(index, f.index) << f.s;
  }
  // Telling case apart, an error on a duplicate leaves the list as it was.
  TStringList e;
  e.SetCaseSensitive(true);
  e.SetDuplicates(dupError);
  e.SetSorted(true);
  for (const std::string& w : words) e.Add(w);
  EXPECT_THROW(e.Add("\xC6on"), EStringListError);
  EXPECT_EQ(e.Count(), static_cast<int>(words.size()));
}

// Duplicates already in a list: accepting them, Find answers the first equal item; otherwise
// the equal item its halving of the list meets first (the middle one of 0..6 here, then the
// middle of what is left).
TEST(StringList, FindAmongDuplicatesAlreadyInTheList) {
  const struct {
    std::vector<std::string> items;
    const char* key;
    int accept, ignore;
  } cases[] = {
      {{"a", "b", "b", "b", "b", "b", "c"}, "B", 1, 3},
      {{"a", "b", "b", "c", "d", "e", "f"}, "b", 1, 1},
      {{"a", "b", "c", "d", "e", "f", "f"}, "f", 5, 5},
      {{"a", "b", "c", "d", "e", "f", "f"}, "F", 5, 5},
      {{"a", "a", "a", "a", "a", "a", "b"}, "a", 0, 3},
      {{"a", "b", "c", "d", "d", "d", "e"}, "d", 3, 3},
      {{"a", "b", "c", "c", "c", "d", "e"}, "c", 2, 3},
      {{"a", "a"}, "a", 0, 0},
      {{"a", "b", "c", "d", "e", "f", "g"}, "dd", 4, 4},
  };
  for (const auto& c : cases) {
    TStringList l;
    l.SetDuplicates(dupAccept);
    l.SetSorted(true);
    for (const std::string& s : c.items) l.Add(s);
    const bool present = std::string(c.key) != "dd";
    int index = -1;
    EXPECT_EQ(l.Find(c.key, index), present) << c.key;
    EXPECT_EQ(index, c.accept) << c.key;
    l.SetDuplicates(dupIgnore);
    EXPECT_EQ(l.Find(c.key, index), present) << c.key;
    EXPECT_EQ(index, c.ignore) << c.key;
    EXPECT_EQ(l.IndexOf(c.key), present ? c.ignore : -1) << c.key;
  }
}

// A list far longer than one block of items: inserts and deletes at random places, sorted
// finds and adds, all answer what one flat array would.
TEST(StringList, VeryLongListsAnswerLikeOneArray) {
  TStringList l;
  std::vector<intptr_t> model;
  std::mt19937 random(11);
  auto text = [](intptr_t tag) { return "w" + std::to_string(tag); };
  for (intptr_t tag = 1; tag <= 30000; ++tag) {
    const int at = static_cast<int>(random() % (model.size() + 1));
    l.InsertObject(at, text(tag), Tag(tag));
    model.insert(model.begin() + at, tag);
  }
  for (int k = 0; k < 10000; ++k) {
    const int at = static_cast<int>(random() % model.size());
    l.Delete(at);
    model.erase(model.begin() + at);
  }
  ASSERT_EQ(l.Count(), static_cast<int>(model.size()));
  for (size_t i = 0; i < model.size(); ++i) {
    ASSERT_EQ(l.Objects(static_cast<int>(i)), Tag(model[i])) << i;
    ASSERT_EQ(l.Strings(static_cast<int>(i)), text(model[i])) << i;
  }
  // Sorted: every string is found at its place, a new one goes where it belongs.
  l.SetSorted(true);
  std::vector<std::string> sorted;
  for (intptr_t tag : model) sorted.push_back(text(tag));
  std::sort(sorted.begin(), sorted.end());  // letters and digits only: the byte order
  for (size_t i = 0; i < sorted.size(); i += 7) {
    int index = -1;
    ASSERT_TRUE(l.Find(sorted[i], index)) << sorted[i];
    ASSERT_EQ(index, static_cast<int>(i)) << sorted[i];
  }
  for (const char* s : {"w", "w0", "w15000a", "w99999", "x"}) {
    const int expected =
        static_cast<int>(std::lower_bound(sorted.begin(), sorted.end(), s) - sorted.begin());
    int index = -1;
    EXPECT_FALSE(l.Find(s, index)) << s;
    EXPECT_EQ(index, expected) << s;
    EXPECT_EQ(l.Add(s), expected) << s;
    sorted.insert(sorted.begin() + expected, s);
  }
  for (size_t i = 0; i < sorted.size(); ++i) ASSERT_EQ(l.Strings(static_cast<int>(i)), sorted[i]);
}
