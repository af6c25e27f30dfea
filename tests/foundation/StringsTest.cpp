#include <gtest/gtest.h>

#include "foundation/ZYLStrings.h"
#include "foundation/ZYLUtils.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/classes/StringList.h"

using namespace zyl;

TEST(Strings, CopyIsOneBasedAndClamps) {
  EXPECT_EQ(ZYLCopy("Hello", 1, 3), "Hel");
  EXPECT_EQ(ZYLCopy("Hello", 4, 10), "lo");
  EXPECT_EQ(ZYLCopy("Hello", 5, 1), "o");
  EXPECT_EQ(ZYLCopy("Hello", 6, 1), "");
  EXPECT_EQ(ZYLCopy("Hello", 0, 2), "He");
  EXPECT_EQ(ZYLCopy("Hello", -5, 2), "He");
  EXPECT_EQ(ZYLCopy("Hello", 2, 0), "");
  EXPECT_EQ(ZYLCopy("Hello", 2, -1), "");
  EXPECT_EQ(ZYLCopy("", 1, 1), "");
  EXPECT_EQ(ZYLCopy("Hello", 2147483647, 2147483647), "");
}

TEST(Strings, InsertAtEdges) {
  std::string s = "ace";
  ZYLInsert("b", s, 2);
  EXPECT_EQ(s, "abce");
  ZYLInsert("<", s, 0);
  EXPECT_EQ(s, "<abce");
  ZYLInsert(">", s, 6);
  EXPECT_EQ(s, "<abce>");
  ZYLInsert("!", s, 100);
  EXPECT_EQ(s, "<abce>!");
  std::string e;
  ZYLInsert("x", e, 1);
  EXPECT_EQ(e, "x");
  ZYLInsert("", e, 1);
  EXPECT_EQ(e, "x");
}

TEST(Strings, FillTrimAndEmpty) {
  EXPECT_EQ(ZYLFillString(3, '*'), "***");
  EXPECT_EQ(ZYLFillString(0, '*'), "");
  EXPECT_EQ(ZYLFillString(-2, '*'), "");
  EXPECT_EQ(ZYLTrim("  a b \t\r\n"), "a b");
  EXPECT_EQ(ZYLTrim("   "), "");
  EXPECT_EQ(ZYLTrim(""), "");
  EXPECT_EQ(ZYLTrim("\xA0x\xA0"), "\xA0x\xA0");  // a no-break space is no blank
  EXPECT_TRUE(ZYLEmpty(""));
  EXPECT_TRUE(ZYLEmpty(" \t "));
  EXPECT_FALSE(ZYLEmpty(" a "));
}

TEST(Strings, FirstAndSecondString) {
  EXPECT_EQ(ZYLGetFirstString("name=value=x", '='), "name");
  EXPECT_EQ(ZYLGetSecondString("name=value=x", '='), "value=x");
  EXPECT_EQ(ZYLGetFirstString("novalue", '='), "novalue");
  EXPECT_EQ(ZYLGetSecondString("novalue", '='), "novalue");
  EXPECT_EQ(ZYLGetFirstString("=v", '='), "");
  EXPECT_EQ(ZYLGetSecondString("k=", '='), "");
  EXPECT_EQ(ZYLGetFirstString("", '='), "");
}

TEST(Strings, CodedFields) {
  EXPECT_EQ(ZYLCodeString({"a", "", "c"}, ';'), "a;;c");
  EXPECT_EQ(ZYLCodeString({}, ';'), "");
  EXPECT_EQ(ZYLCodeString({""}, ';'), "");

  const std::string s = "a;;c;";
  EXPECT_EQ(ZYLGetCodedString(s, ';', 0), "a");
  EXPECT_EQ(ZYLGetCodedString(s, ';', 1), "");
  EXPECT_EQ(ZYLGetCodedString(s, ';', 2), "c");
  EXPECT_EQ(ZYLGetCodedString(s, ';', 3), "");
  EXPECT_EQ(ZYLGetCodedString(s, ';', 4), "");
  EXPECT_EQ(ZYLGetCodedString(s, ';', -1), "");
  EXPECT_EQ(ZYLGetCodedString("whole", ';', 0), "whole");
  EXPECT_EQ(ZYLGetCodedString("whole", ';', 1), "");
}

TEST(Strings, SetCodedFieldAppendsSeparators) {
  std::string s = "a;b;c";
  ZYLSetCodedString(s, "B", ';', 1);
  EXPECT_EQ(s, "a;B;c");
  ZYLSetCodedString(s, "first", ';', 0);
  EXPECT_EQ(s, "first;B;c");
  ZYLSetCodedString(s, "", ';', 2);
  EXPECT_EQ(s, "first;B;");
  ZYLSetCodedString(s, "e", ';', 4);
  EXPECT_EQ(s, "first;B;;;e");
  ZYLSetCodedString(s, "x", ';', -1);
  EXPECT_EQ(s, "first;B;;;e");
  std::string e;
  ZYLSetCodedString(e, "z", ',', 2);
  EXPECT_EQ(e, ",,z");
  EXPECT_EQ(ZYLGetCodedString(e, ',', 2), "z");
}

TEST(Strings, SplitIgnoresOneTrailingSeparator) {
  using V = std::vector<std::string>;
  EXPECT_EQ(ZYLSplitString("a,b,c", ','), (V{"a", "b", "c"}));
  EXPECT_EQ(ZYLSplitString("a,b,", ','), (V{"a", "b"}));
  EXPECT_EQ(ZYLSplitString("a,,b", ','), (V{"a", "", "b"}));
  EXPECT_EQ(ZYLSplitString(",a", ','), (V{"", "a"}));
  EXPECT_EQ(ZYLSplitString(",", ','), (V{""}));
  EXPECT_EQ(ZYLSplitString("a,,", ','), (V{"a", ""}));
  EXPECT_EQ(ZYLSplitString("", ','), V{});
}

TEST(Strings, CodeIntAndDivisors) {
  const int32_t v[] = {44, -1, 0, 2147483647};
  EXPECT_EQ(ZYLCodeInt(v, 3, ','), "44,-1,0,2147483647");
  EXPECT_EQ(ZYLCodeInt(v, 0, ','), "44");
  EXPECT_EQ(ZYLCodeInt(v, -1, ','), "");
  EXPECT_EQ(ZYLCodeInt(nullptr, 3, ','), "");
  EXPECT_EQ(ZYLDivisors(12), (std::vector<int>{1, 2, 3, 4, 6}));
  EXPECT_EQ(ZYLDivisors(7), (std::vector<int>{1}));
  EXPECT_TRUE(ZYLDivisors(1).empty());
  EXPECT_TRUE(ZYLDivisors(0).empty());
  EXPECT_TRUE(ZYLDivisors(-4).empty());
}

TEST(Strings, IntRefAndCase) {
  EXPECT_EQ(int_Ref(""), nullptr);
  const std::string s = "abc";
  EXPECT_EQ(int_Ref(s), s.c_str());
  EXPECT_EQ(ZYLUpperCase("abc\xE4\xFF\x9A xyz!"), "ABC\xC4\x9F\x8A XYZ!");
  EXPECT_EQ(ZYLLowerCase("ABC\xC4\x9F\x8A XYZ!"), "abc\xE4\xFF\x9A xyz!");
  EXPECT_EQ(ZYLUpperCase("\xF7\xDF"), "\xF7\xDF");  // division sign and sharp s stay
  EXPECT_EQ(ZYLReplaceChar("a.b.c", '.', '\\'), "a\\b\\c");
}

TEST(Strings, Slashes) {
  EXPECT_EQ(ZYLAddSlash("C:\\dir"), "C:\\dir\\");
  EXPECT_EQ(ZYLAddSlash("C:\\dir\\"), "C:\\dir\\");
  EXPECT_EQ(ZYLAddSlash(""), "\\");
  EXPECT_EQ(ZYLSlashAdd("  "), "  \\");
  EXPECT_EQ(ZYLSlashAdd("x\\"), "x\\");
}

TEST(Strings, ShrunkFileName) {
  const std::string p = "C:\\Programs\\Vendor\\Product\\Data\\file.txt";
  EXPECT_EQ(ZYLShrunkFileName(p, 100), p);
  EXPECT_EQ(ZYLShrunkFileName(p, static_cast<int>(p.size())), p);
  EXPECT_EQ(ZYLShrunkFileName(p, 36), "C:\\...\\Vendor\\Product\\Data\\file.txt");
  EXPECT_EQ(ZYLShrunkFileName(p, 28), "C:\\...\\Product\\Data\\file.txt");
  EXPECT_EQ(ZYLShrunkFileName(p, 27), "C:\\...\\Data\\file.txt");
  EXPECT_EQ(ZYLShrunkFileName(p, 19), "C:\\...\\file.txt");
  EXPECT_EQ(ZYLShrunkFileName(p, 3), "C:\\...\\file.txt");  // cannot get shorter
  EXPECT_EQ(ZYLShrunkFileName("\\\\srv\\share\\a\\b\\name.ext", 22), "\\\\srv\\share\\...\\name.ext");
  EXPECT_EQ(ZYLShrunkFileName("file.txt", 3), "file.txt");
  EXPECT_EQ(ZYLShrunkFileName("C:\\file.txt", 3), "C:\\file.txt");
  EXPECT_EQ(ZYLShrunkFileName("", 0), "");
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

TEST(Utils, ListFileSuffixes) {
  EXPECT_EQ(ZYLICGetSuffix(icImageList, false), "iml");
  EXPECT_EQ(ZYLICGetSuffix(icImageList, true), ".iml");
  EXPECT_EQ(ZYLICGetSuffix(icBitmap, true), ".bml");
  EXPECT_EQ(ZYLICGetSuffix(icWave, false), "wvl");
  EXPECT_EQ(ZYLICGetSuffix(icStringList, false), "sll");
  EXPECT_EQ(ZYLICGetSuffix(icGeneric, false), "gll");
  EXPECT_EQ(ZYLICGetSuffix(icRTF, true), ".rtl");
  EXPECT_EQ(ZYLICGetSuffix(static_cast<TZYLListItemClassType>(6), true), "");
}

TEST(Utils, LocalInfoOfTheDefaultLocale) {
  EXPECT_EQ(ZYLGetLocalInfo(13), "$");
  EXPECT_EQ(ZYLGetLocalInfo(15), ".");
  EXPECT_EQ(ZYLGetLocalInfo(21), ",");
  EXPECT_EQ(ZYLGetLocalInfo(1), "2");
  EXPECT_EQ(ZYLGetLocalInfo(3), "");
  EXPECT_EQ(ZYLGetLocalInfo(-1), "");
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

std::vector<std::string> Lines(const vcl::TStrings& l) {
  std::vector<std::string> r;
  for (int i = 0; i < l.Count(); ++i) r.push_back(l.Strings(i));
  return r;
}

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
  EXPECT_EQ(Lines(l), (V{"10", "20", "", "30"}));
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
  EXPECT_EQ(Lines(l), (V{"a", " b ", "c"}));
  vcl::TStringList e;
  RemoveEmptyLines(&e);
  EXPECT_EQ(e.Count(), 0);
}

TEST(StringLists, DividerList) {
  using V = std::vector<std::string>;
  vcl::TStringList l;
  l.Add("x");
  ZYLGetDivider(&l, 16);
  EXPECT_EQ(Lines(l), (V{"1", "2", "4", "8"}));
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
  EXPECT_FALSE(ZYLStringToFont("Tahoma,10,clBlue,0,0,0", &copy));
  EXPECT_FALSE(ZYLStringToFont("Tahoma,10,clBlue,0,0,0,0,0", &copy));
  EXPECT_FALSE(ZYLStringToFont("Tahoma,ten,clBlue,0,0,0,0", &copy));
  EXPECT_FALSE(ZYLStringToFont("Tahoma,10,clNoSuchColour,0,0,0,0", &copy));
  EXPECT_FALSE(ZYLStringToFont("Tahoma,10,clBlue,2,0,0,0", &copy));
  EXPECT_FALSE(ZYLStringToFont("", &copy));
  EXPECT_EQ(ZYLFontToString(&copy), before);
}
