#include <gtest/gtest.h>

#include "foundation/ZYLCont.h"
#include "foundation/ZYLStrings.h"
#include "foundation/ZYLUtils.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/support/Cases.h"
#include "tests/support/StringItems.h"

using namespace zyl;

// The text routines, each case a pair of what the routine gave and what it should give.
TEST(Strings, CopyFillTrimFieldsAndCase) {
  const std::string coded = "a;;c;";
  testsupport::ExpectCases({
      {ZYLCopy("Hello", 1, 3), "Hel"},
      {ZYLCopy("Hello", 4, 10), "lo"},
      {ZYLCopy("Hello", 5, 1), "o"},
      {ZYLCopy("Hello", 6, 1), ""},
      {ZYLCopy("Hello", 0, 2), "He"},
      {ZYLCopy("Hello", -5, 2), "He"},
      {ZYLCopy("Hello", 2, 0), ""},
      {ZYLCopy("Hello", 2, -1), ""},
      {ZYLCopy("", 1, 1), ""},
      {ZYLCopy("Hello", 2147483647, 2147483647), ""},
      {ZYLFillString(3, '*'), "***"},
      {ZYLFillString(0, '*'), ""},
      {ZYLFillString(-2, '*'), ""},
      {ZYLTrim("  a b \t\r\n"), "a b"},
      {ZYLTrim("   "), ""},
      {ZYLTrim(""), ""},
      {ZYLTrim("\xA0x\xA0"), "\xA0x\xA0"},  // a no-break space is no blank
      {ZYLGetFirstString("name=value=x", '='), "name"},
      {ZYLGetSecondString("name=value=x", '='), "value=x"},
      {ZYLGetFirstString("novalue", '='), "novalue"},
      {ZYLGetSecondString("novalue", '='), "novalue"},
      {ZYLGetFirstString("=v", '='), ""},
      {ZYLGetSecondString("k=", '='), ""},
      {ZYLGetFirstString("", '='), ""},
      {ZYLCodeString({"a", "", "c"}, ';'), "a;;c"},
      {ZYLCodeString({}, ';'), ""},
      {ZYLCodeString({""}, ';'), ""},
      {ZYLGetCodedString(coded, ';', 0), "a"},
      {ZYLGetCodedString(coded, ';', 1), ""},
      {ZYLGetCodedString(coded, ';', 2), "c"},
      {ZYLGetCodedString(coded, ';', 3), ""},
      {ZYLGetCodedString(coded, ';', 4), ""},
      {ZYLGetCodedString(coded, ';', -1), ""},
      {ZYLGetCodedString("whole", ';', 0), "whole"},
      {ZYLGetCodedString("whole", ';', 1), ""},
      {ZYLUpperCase("abc\xE4\xFF\x9A xyz!"), "ABC\xC4\x9F\x8A XYZ!"},
      {ZYLLowerCase("ABC\xC4\x9F\x8A XYZ!"), "abc\xE4\xFF\x9A xyz!"},
      {ZYLUpperCase("\xF7\xDF"), "\xF7\xDF"},  // division sign and sharp s stay
      {ZYLReplaceChar("a.b.c", '.', '\\'), "a\\b\\c"},
      {ZYLAddSlash("C:\\dir"), "C:\\dir\\"},
      {ZYLAddSlash("C:\\dir\\"), "C:\\dir\\"},
      {ZYLAddSlash(""), "\\"},
      {ZYLSlashAdd("  "), "  \\"},
      {ZYLSlashAdd("x\\"), "x\\"},
  });
  EXPECT_TRUE(ZYLEmpty(""));
  EXPECT_TRUE(ZYLEmpty(" \t "));
  EXPECT_FALSE(ZYLEmpty(" a "));
  EXPECT_EQ(int_Ref(""), nullptr);
  const std::string s = "abc";
  EXPECT_EQ(int_Ref(s), s.c_str());
}

// Each step edits the text the step before left.
TEST(Strings, InsertAndSetCodedFieldEditInPlace) {
  std::string s = "ace", f = "a;b;c", e;
  auto ins = [&](const char* what, int at) {
    ZYLInsert(what, s, at);
    return s;
  };
  auto set = [&](std::string& t, const char* v, char sep, int n) {
    ZYLSetCodedString(t, v, sep, n);
    return t;
  };
  testsupport::ExpectCases({
      {ins("b", 2), "abce"},
      {ins("<", 0), "<abce"},
      {ins(">", 6), "<abce>"},
      {ins("!", 100), "<abce>!"},
      {ins("", 1), "<abce>!"},
      {set(f, "B", ';', 1), "a;B;c"},
      {set(f, "first", ';', 0), "first;B;c"},
      {set(f, "", ';', 2), "first;B;"},
      {set(f, "e", ';', 4), "first;B;;;e"},
      {set(f, "x", ';', -1), "first;B;;;e"},
      {set(e, "z", ',', 2), ",,z"},
  });
  EXPECT_EQ(ZYLGetCodedString(e, ',', 2), "z");
}

TEST(Strings, SplitIgnoresOneTrailingSeparator) {
  using V = std::vector<std::string>;
  const std::pair<const char*, V> cases[] = {{"a,b,c", {"a", "b", "c"}}, {"a,b,", {"a", "b"}},
                                             {"a,,b", {"a", "", "b"}},    {",a", {"", "a"}},
                                             {",", {""}},                 {"a,,", {"a", ""}},
                                             {"", {}}};
  for (const auto& [text, parts] : cases) EXPECT_EQ(ZYLSplitString(text, ','), parts) << text;
}

TEST(Strings, CodeIntAndDivisors) {
  const int32_t v[] = {44, -1, 0, 2147483647};
  testsupport::ExpectCases({{ZYLCodeInt(v, 3, ','), "44,-1,0,2147483647"},
                            {ZYLCodeInt(v, 0, ','), "44"},
                            {ZYLCodeInt(v, -1, ','), ""},
                            {ZYLCodeInt(nullptr, 3, ','), ""}});
  EXPECT_EQ(ZYLDivisors(12), (std::vector<int>{1, 2, 3, 4, 6}));
  EXPECT_EQ(ZYLDivisors(7), (std::vector<int>{1}));
  for (int n : {1, 0, -4}) EXPECT_TRUE(ZYLDivisors(n).empty()) << n;
}

TEST(Strings, ShrunkFileName) {
  const std::string p = "C:\\Programs\\Vendor\\Product\\Data\\file.txt";
  testsupport::ExpectCases({
      {ZYLShrunkFileName(p, 100), p},
      {ZYLShrunkFileName(p, static_cast<int>(p.size())), p},
      {ZYLShrunkFileName(p, 36), "C:\\...\\Vendor\\Product\\Data\\file.txt"},
      {ZYLShrunkFileName(p, 28), "C:\\...\\Product\\Data\\file.txt"},
      {ZYLShrunkFileName(p, 27), "C:\\...\\Data\\file.txt"},
      {ZYLShrunkFileName(p, 19), "C:\\...\\file.txt"},
      {ZYLShrunkFileName(p, 3), "C:\\...\\file.txt"},  // cannot get shorter
      {ZYLShrunkFileName("\\\\srv\\share\\a\\b\\name.ext", 22), "\\\\srv\\share\\...\\name.ext"},
      {ZYLShrunkFileName("file.txt", 3), "file.txt"},
      {ZYLShrunkFileName("C:\\file.txt", 3), "C:\\file.txt"},
      {ZYLShrunkFileName("", 0), ""},
      // Native paths: '/' separates folders too, and stays the separator.
      {ZYLShrunkFileName("/home/user/projects/alpha/beta/name.txt", 24),
       "/.../alpha/beta/name.txt"},
      {ZYLShrunkFileName("/home/user/name.txt", 3), "/.../name.txt"},
      {ZYLShrunkFileName("C:/Data\\Sub/x.y", 12), "C:/.../x.y"},
  });
  EXPECT_LE(ZYLShrunkFileName(p, 30).size(), 30u);
}

TEST(Utils, MinMaxMidAndOffsets) {
  EXPECT_EQ(ZYLMin({3, -7, 5}), -7);
  EXPECT_EQ(ZYLMax({3, -7, 5}), 5);
  EXPECT_EQ(ZYLMin({42}), 42);
  EXPECT_EQ(ZYLMax(std::vector<int32_t>{}), 0);
  EXPECT_EQ(ZYLMin(std::vector<int32_t>{4, 2, 9}), 2);
  EXPECT_EQ(ZYLMidI(2, 7), 4);
  EXPECT_EQ(ZYLMidI(-7, 2), -2);
  EXPECT_EQ(ZYLMidI(2147483647, 2147483645), 2147483646);

  win::TPoint pts[3] = {{0, 0}, {1, 2}, {-3, 4}};
  ZYLOffsetPoints(pts, 1, 10, -1);
  EXPECT_EQ(pts[0], (win::TPoint{10, -1}));
  EXPECT_EQ(pts[1], (win::TPoint{11, 1}));
  EXPECT_EQ(pts[2], (win::TPoint{-3, 4}));  // beyond HighIndex
  ZYLOffsetPoints(pts, -1, 5, 5);
  EXPECT_EQ(pts[0], (win::TPoint{10, -1}));
  ZYLOffsetPoints(nullptr, 3, 1, 1);

  win::TRect r{1, 2, 3, 4};
  ZYLAdjustRect(r, 5, -1);
  EXPECT_EQ(r, (win::TRect{1, 2, 8, 3}));
}

TEST(Utils, ListFileSuffixesAndLocalInfo) {
  testsupport::ExpectCases({
      {ZYLICGetSuffix(icImageList, false), "iml"},
      {ZYLICGetSuffix(icImageList, true), ".iml"},
      {ZYLICGetSuffix(icBitmap, true), ".bml"},
      {ZYLICGetSuffix(icWave, false), "wvl"},
      {ZYLICGetSuffix(icStringList, false), "sll"},
      {ZYLICGetSuffix(icGeneric, false), "gll"},
      {ZYLICGetSuffix(icRTF, true), ".rtl"},
      {ZYLICGetSuffix(static_cast<TZYLListItemClassType>(6), true), ""},
      // icInvalid, the kind after the six, names no list file.
      {std::to_string(icInvalid), "6"},
      {ZYLICGetSuffix(icInvalid, true), ""},
      {ZYLListSignature(icInvalid), ""},
      {ZYLListSignature(icRTF), "ZYLRTL50"},
      // The thread's locale is the default one.
      {ZYLGetLocalInfo(13), "$"},
      {ZYLGetLocalInfo(15), "."},
      {ZYLGetLocalInfo(21), ","},
      {ZYLGetLocalInfo(1), "2"},
      {ZYLGetLocalInfo(3), ""},
      {ZYLGetLocalInfo(-1), ""},
  });
}

TEST(Utils, ButtonFaces) {
  TZYLButtonFaceIndex f;
  f[bsUp] = {1, 2};
  f[bsDown] = {3, 4};
  f[bsMouseOver] = {5, 6};
  f[bsDragOver] = {9, 9};
  TZYLButtonFaceIndex hot = f;
  ZYLMMSynchronize(hot, true);
  EXPECT_EQ(hot[bsDisabledUp], (TZYLButtonFaceEntry{1, 2}));
  EXPECT_EQ(hot[bsDefaultEd], (TZYLButtonFaceEntry{1, 2}));
  EXPECT_EQ(hot[bsOptionSet], (TZYLButtonFaceEntry{3, 4}));
  EXPECT_EQ(hot[bsDropDownOpen], (TZYLButtonFaceEntry{3, 4}));
  EXPECT_EQ(hot[bsDisabledDown], (TZYLButtonFaceEntry{3, 4}));
  EXPECT_EQ(hot[bsMouseOver], (TZYLButtonFaceEntry{5, 6}));
  EXPECT_EQ(hot[bsDragOver], (TZYLButtonFaceEntry{5, 6}));
  TZYLButtonFaceIndex normal = f;
  ZYLMMSynchronize(normal, false);
  EXPECT_EQ(normal[bsMouseOver], (TZYLButtonFaceEntry{1, 2}));
  EXPECT_EQ(normal[bsDragOver], (TZYLButtonFaceEntry{1, 2}));
  EXPECT_EQ(normal[bsDown], (TZYLButtonFaceEntry{3, 4}));

  TZYLButtonFaceIndex copy;
  ZYLMMCopyFace(copy, hot);
  EXPECT_EQ(copy, hot);
  ZYLMMInitFace(copy);
  EXPECT_EQ(copy, TZYLButtonFaceIndex());
  EXPECT_EQ(copy[bsDefaultEd], (TZYLButtonFaceEntry{0, 0}));
}

namespace {

class TChangeCounter : public vcl::TObject {
 public:
  void Changed(vcl::TObject*) { ++count; }
  int count = 0;
};

}  // namespace

TEST(StringLists, ParseToStrListClearsFirstAndChangesOnce) {
  using V = std::vector<std::string>;
  vcl::TStringList l;
  l.Add("old");
  TChangeCounter c;
  l.SetOnChange(vcl::TNotifyEvent(&c, &TChangeCounter::Changed));
  ZYLParseToStrList("10,20,,30,", ',', &l);
  EXPECT_EQ(testsupport::Items(l), (V{"10", "20", "", "30"}));
  EXPECT_EQ(c.count, 1);
  ZYLParseToStrList("", ',', &l);
  EXPECT_EQ(l.Count(), 0);
  ZYLParseToStrList("x", ',', nullptr);
}

TEST(StringLists, RemoveEmptyLinesKeepsTheOthersInOrder) {
  using V = std::vector<std::string>;
  vcl::TStringList l;
  for (const char* s : {"", "a", "  ", "\t", " b ", "", "c"}) l.Add(s);
  RemoveEmptyLines(&l);
  EXPECT_EQ(testsupport::Items(l), (V{"a", " b ", "c"}));
  vcl::TStringList e;
  RemoveEmptyLines(&e);
  EXPECT_EQ(e.Count(), 0);
}

TEST(StringLists, DividerList) {
  using V = std::vector<std::string>;
  vcl::TStringList l;
  l.Add("x");
  ZYLGetDivider(&l, 16);
  EXPECT_EQ(testsupport::Items(l), (V{"1", "2", "4", "8"}));
  ZYLGetDivider(&l, 1);
  EXPECT_EQ(l.Count(), 0);
}

TEST(Strings, FontTextRoundTripsAndBadTextLeavesTheFont) {
  vcl::TFont font;
  font.SetName("Arial");
  font.SetSize(12);
  font.SetColor(vcl::clRed);
  font.SetStyle({vcl::fsBold, vcl::fsStrikeOut});
  const std::string text = ZYLFontToString(&font);
  EXPECT_EQ(text, "Arial,12,clRed,1,0,0,1");

  vcl::TFont copy;
  ASSERT_TRUE(ZYLStringToFont(text, &copy));
  EXPECT_EQ(copy.Name(), "Arial");
  EXPECT_EQ(copy.Size(), 12);
  EXPECT_EQ(copy.Color(), vcl::clRed);
  EXPECT_EQ(copy.Style(), (vcl::TFontStyles{vcl::fsBold, vcl::fsStrikeOut}));

  // A colour without a name travels as its number.
  font.SetColor(0x123456);
  ASSERT_TRUE(ZYLStringToFont(ZYLFontToString(&font), &copy));
  EXPECT_EQ(copy.Color(), 0x123456);

  // Another field count, or a field that does not read, changes nothing.
  const std::string before = ZYLFontToString(&copy);
  for (const char* bad : {"Tahoma,10,clBlue,0,0,0", "Tahoma,10,clBlue,0,0,0,0,0",
                          "Tahoma,ten,clBlue,0,0,0,0", "Tahoma,10,clNoSuchColour,0,0,0,0",
                          "Tahoma,10,clBlue,2,0,0,0", ""})
    EXPECT_FALSE(ZYLStringToFont(bad, &copy)) << bad;
  EXPECT_EQ(ZYLFontToString(&copy), before);
}
