// Colour and cursor names, conversions and the identifiers of the type information.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Colors.h"
#include "tests/support/Cases.h"

using namespace vcl;

TEST(Colors, EveryNameRoundTripsAndTheListIsInItsOrder) {
  std::vector<std::string> names;
  GetColorValues([&](const std::string& s) { names.push_back(s); });
  std::set<int32_t> values;
  for (const auto& name : names) {
    int32_t v = 0;
    std::string back;
    ASSERT_TRUE(IdentToColor(name, v)) << name;
    ASSERT_TRUE(ColorToIdent(v, back)) << name;
    EXPECT_EQ(name, back);
    EXPECT_EQ(v, StringToColor(name));
    values.insert(v);
  }
  EXPECT_EQ(values.size(), names.size());  // no two names share a value
  // Standard colours first, then the system colours with clDefault and clNone, alphabetically
  // except that the two 3D colours sit between clScrollBar and clWindow.
  std::string all;
  for (const auto& name : names) all += name + " ";
  EXPECT_EQ(all,
            "clBlack clMaroon clGreen clOlive clNavy clPurple clTeal clGray clSilver clRed clLime "
            "clYellow clBlue clFuchsia clAqua clWhite clMoneyGreen clSkyBlue clCream clMedGray "
            "clActiveBorder clActiveCaption clAppWorkSpace clBackground clBtnFace clBtnHighlight "
            "clBtnShadow clBtnText clCaptionText clDefault clGradientActiveCaption "
            "clGradientInactiveCaption clGrayText clHighlight clHighlightText clHotLight "
            "clInactiveBorder clInactiveCaption clInactiveCaptionText clInfoBk clInfoText clMenu "
            "clMenuBar clMenuHighlight clMenuText clNone clScrollBar cl3DDkShadow cl3DLight "
            "clWindow clWindowFrame clWindowText ");
}

TEST(Colors, ColorToRGBResolvesSystemColoursOnly) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<TColor>(win::GetSysColor(win::COLOR_BTNFACE)));
  for (TColor c : {clRed, clNone, clDefault}) EXPECT_EQ(ColorToRGB(c), c);
  // A changed system colour is seen at once.
  const int idx = win::COLOR_INFOBK;
  const win::COLORREF pink = win::RGB(255, 192, 203);
  win::SetSysColors(1, &idx, &pink);
  EXPECT_EQ(ColorToRGB(clInfoBk), static_cast<TColor>(pink));
  win::ResetSysColors();
}

TEST(Colors, TextsOfColours) {
  using testsupport::ExpectCases;
  // Unnamed colours: eight upper-case hex digits.
  ExpectCases({{ColorToString(0x00ABCDEF), "$00ABCDEF"},
               {ColorToString(0x123456), "$00123456"},
               {ColorToString(static_cast<TColor>(0x80000019)), "$80000019"},
               {ColorToString(-2), "$FFFFFFFE"},
               {ColorToString(clBtnFace), "clBtnFace"},
               // Names in any case and numbers in hex or decimal, read and written again.
               {ColorToString(StringToColor("clred")), "clRed"},
               {ColorToString(StringToColor("CLBTNFACE")), "clBtnFace"},
               {ColorToString(StringToColor("$abcdef")), "$00ABCDEF"},
               {ColorToString(StringToColor("$8000000F")), "clBtnFace"},
               {ColorToString(StringToColor("255")), "clRed"},
               {ColorToString(StringToColor("-1")), "$FFFFFFFF"}});
  for (const char* junk : {"", "clPink", "red", "$", "$123456789", "12abc", "$GG"})
    EXPECT_THROW(StringToColor(junk), EConvertError) << junk;
}

TEST(Colors, TypeInformationStreamsColoursByName) {
  const TTypeInfo* t = ColorTypeInfo();
  EXPECT_EQ(std::make_pair(t->Kind, t->Name()), std::make_pair(tkInteger, std::string("TColor")));
  std::string s;
  int32_t v = 0;
  EXPECT_TRUE(FindIntToIdent(t)(clHighlight, s) && s == "clHighlight");
  EXPECT_FALSE(FindIntToIdent(t)(0x123456, s));
  EXPECT_TRUE(FindIdentToInt(t)("clInfoBk", v) && v == clInfoBk);
}

TEST(Cursors, NamesAndNumbers) {
  EXPECT_EQ(CursorToString(crHourGlass), "crHourGlass");
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
