// Colour names, conversions and the colour identifiers of the type information.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Colors.h"

using namespace vcl;

namespace {

std::vector<std::string> AllColorNames() {
  std::vector<std::string> names;
  GetColorValues([&](const std::string& s) { names.push_back(s); });
  return names;
}

}  // namespace

TEST(Colors, EveryNameRoundTripsThroughValueAndText) {
  const auto names = AllColorNames();
  std::set<int32_t> values;
  for (const auto& name : names) {
    int32_t v = 0;
    ASSERT_TRUE(IdentToColor(name, v)) << name;
    std::string back;
    ASSERT_TRUE(ColorToIdent(v, back)) << name;
    EXPECT_EQ(name, back);
    EXPECT_EQ(name, ColorToString(v));
    EXPECT_EQ(v, StringToColor(name));
    values.insert(v);
  }
  // No two names share a value (clLtGray and clDkGray are aliases outside the table).
  EXPECT_EQ(values.size(), names.size());
}

TEST(Colors, GetColorValuesListsStandardColoursFirstThenSystemColours) {
  const auto names = AllColorNames();
  const std::vector<std::string> head = {
      "clBlack", "clMaroon", "clGreen", "clOlive", "clNavy",   "clPurple", "clTeal",
      "clGray",  "clSilver", "clRed",   "clLime",  "clYellow", "clBlue",   "clFuchsia",
      "clAqua",  "clWhite",  "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray"};
  ASSERT_GT(names.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + head.size()), head);
  // Then the system colours with clDefault and clNone, alphabetically except that the two
  // 3D colours sit between clScrollBar and clWindow.
  const std::vector<std::string> tail = {
      "clActiveBorder", "clActiveCaption", "clAppWorkSpace", "clBackground", "clBtnFace",
      "clBtnHighlight", "clBtnShadow", "clBtnText", "clCaptionText", "clDefault",
      "clGradientActiveCaption", "clGradientInactiveCaption", "clGrayText", "clHighlight",
      "clHighlightText", "clHotLight", "clInactiveBorder", "clInactiveCaption",
      "clInactiveCaptionText", "clInfoBk", "clInfoText", "clMenu", "clMenuBar",
      "clMenuHighlight", "clMenuText", "clNone", "clScrollBar", "cl3DDkShadow", "cl3DLight",
      "clWindow", "clWindowFrame", "clWindowText"};
  EXPECT_EQ(std::vector<std::string>(names.begin() + head.size(), names.end()), tail);
  for (const auto& name : tail) {
    int32_t v = 0;
    IdentToColor(name, v);
    EXPECT_TRUE(v < 0 || v == clNone || v == clDefault) << name;
  }
  EXPECT_EQ(names.front(), "clBlack");
  EXPECT_EQ(names.back(), "clWindowText");
}

TEST(Colors, ValuesOfTheConstants) {
  EXPECT_EQ(clRed, 0x0000FF);
  EXPECT_EQ(clBlue, 0xFF0000);
  EXPECT_EQ(clSilver, 0xC0C0C0);
  EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0x8000000Fu);
  EXPECT_EQ(static_cast<uint32_t>(clInfoBk), 0x80000018u);
  EXPECT_EQ(static_cast<uint32_t>(clGradientInactiveCaption), 0x8000001Cu);
  EXPECT_EQ(clNone, 0x1FFFFFFF);
  EXPECT_EQ(clDefault, 0x20000000);
}

TEST(Colors, ColorToRGBResolvesSystemColoursOnly) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(win::GetSysColor(win::COLOR_BTNFACE)));
  EXPECT_EQ(ColorToRGB(clWindowText), static_cast<TColor>(win::GetSysColor(win::COLOR_WINDOWTEXT)));
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);
  // A changed system colour is seen at once.
  const int idx = win::COLOR_INFOBK;
  const win::COLORREF pink = win::RGB(255, 192, 203);
  win::SetSysColors(1, &idx, &pink);
  EXPECT_EQ(ColorToRGB(clInfoBk), static_cast<TColor>(pink));
  win::ResetSysColors();
}

TEST(Colors, UnnamedColoursAreEightUpperCaseHexDigits) {
  EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x80000019)), "$80000019");
  EXPECT_EQ(ColorToString(-2), "$FFFFFFFE");
}

TEST(Colors, StringToColorAcceptsNamesAndNumbers) {
  EXPECT_EQ(StringToColor("clred"), clRed);
  EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
  EXPECT_EQ(StringToColor("$00ABCDEF"), 0x00ABCDEF);
  EXPECT_EQ(StringToColor("$abcdef"), 0x00ABCDEF);
  EXPECT_EQ(StringToColor("$8000000F"), clBtnFace);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_EQ(StringToColor("-1"), -1);
  EXPECT_EQ(StringToColor(ColorToString(0x00102030)), 0x00102030);
}

TEST(Colors, StringToColorRejectsJunk) {
  for (const char* junk : {"", "clPink", "red", "$", "$123456789", "12abc", "$GG"})
    EXPECT_THROW(StringToColor(junk), EConvertError) << junk;
}

TEST(Colors, TypeInformationStreamsColoursByName) {
  const TTypeInfo* t = ColorTypeInfo();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Kind, tkInteger);
  EXPECT_EQ(t->Name(), "TColor");
  TIntToIdent toIdent = FindIntToIdent(t);
  TIdentToInt toInt = FindIdentToInt(t);
  ASSERT_TRUE(toIdent && toInt);
  std::string s;
  EXPECT_TRUE(toIdent(clHighlight, s));
  EXPECT_EQ(s, "clHighlight");
  EXPECT_FALSE(toIdent(0x123456, s));
  int32_t v = 0;
  EXPECT_TRUE(toInt("clInfoBk", v));
  EXPECT_EQ(v, clInfoBk);
}

TEST(Cursors, NamesAndNumbers) {
  EXPECT_EQ(CursorToString(crHourGlass), "crHourGlass");
  EXPECT_EQ(CursorToString(crSizeAll), "crSizeAll");
  EXPECT_EQ(CursorToString(5), "5");
  EXPECT_EQ(StringToCursor("crhandpoint"), crHandPoint);
  EXPECT_EQ(StringToCursor("-3"), crCross);
  EXPECT_THROW(StringToCursor("crPointer"), EConvertError);
  EXPECT_THROW(StringToCursor("70000"), EConvertError);
  int count = 0;
  GetCursorValues([&](const std::string& name) {
    ++count;
    int32_t v = 0;
    EXPECT_TRUE(IdentToCursor(name, v));
    EXPECT_EQ(CursorToString(static_cast<TCursor>(v)), name);
  });
  EXPECT_EQ(count, 22);
  EXPECT_EQ(CursorTypeInfo()->Name(), "TCursor");
}
