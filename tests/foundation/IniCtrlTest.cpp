#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLIniCtrl.h"
#include "platform/classes/StringList.h"
#include "tests/support/TempDir.h"

using namespace zyl;

namespace {

// One control per target: an INI file in the temp folder, or the registry kept in the temp
// folder (ZYL_REGISTRY_DIR).
class IniTargets : public ::testing::TestWithParam<TZYLIniTarget> {
 protected:
  void SetUp() override {
    const char* old = std::getenv("ZYL_REGISTRY_DIR");
    if (old) oldReg_ = old, hadReg_ = true;
    setenv("ZYL_REGISTRY_DIR", dir_.File("registry").c_str(), 1);
    ini_.SetTarget(GetParam());
    ini_.SetIniFile(dir_.File("test.ini"));
    ini_.SetRegPath("Software\\ZYLTest\\Settings");
  }
  void TearDown() override {
    if (hadReg_)
      setenv("ZYL_REGISTRY_DIR", oldReg_.c_str(), 1);
    else
      unsetenv("ZYL_REGISTRY_DIR");
  }
  testsupport::TempDir dir_;
  TZYLIniCtrl ini_;
  std::string oldReg_;
  bool hadReg_ = false;
};

std::string FileText(const std::string& name) {
  std::ifstream f(name);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

}  // namespace

TEST_P(IniTargets, EveryValueTypeRoundTrips) {
  ini_.WriteString("Main", "Text", "hello world");
  ini_.WriteString("Main", "Tilde", "~not encoded");
  ini_.WriteInteger("Main", "Int", -123456);
  ini_.WriteBool("Main", "Flag", true);
  ini_.WriteFloat("Main", "Float", 3.141592653589793);
  ini_.WriteColor("Main", "Color", vcl::TColor(0x80000005));
  EXPECT_EQ(ini_.ReadString("Main", "Text", "x"), "hello world");
  EXPECT_EQ(ini_.ReadString("Main", "Tilde", "x"), "~not encoded");
  EXPECT_EQ(ini_.ReadInteger("Main", "Int", 0), -123456);
  EXPECT_TRUE(ini_.ReadBool("Main", "Flag", false));
  EXPECT_DOUBLE_EQ(ini_.ReadFloat("Main", "Float", 0), 3.141592653589793);
  EXPECT_EQ(ini_.ReadColor("Main", "Color", 0), vcl::TColor(0x80000005));
  // Missing values give the default.
  EXPECT_EQ(ini_.ReadString("Main", "None", "dflt"), "dflt");
  EXPECT_EQ(ini_.ReadInteger("Other", "Int", 7), 7);
  EXPECT_FALSE(ini_.ValueExists("Main", "None"));
  // Malformed numbers give the default.
  ini_.WriteString("Main", "Bad", "12abc");
  EXPECT_EQ(ini_.ReadInteger("Main", "Bad", 5), 5);
  EXPECT_EQ(ini_.ReadFloat("Main", "Bad", 2.5), 2.5);
  ini_.WriteString("Main", "Huge", "99999999999");
  EXPECT_EQ(ini_.ReadInteger("Main", "Huge", 9), 9);
  ini_.DeleteKey("Main", "Int");
  EXPECT_FALSE(ini_.ValueExists("Main", "Int"));
  vcl::TStringList keys;
  ini_.ReadSection("Main", &keys);
  EXPECT_GE(keys.IndexOf("Text"), 0);
  EXPECT_LT(keys.IndexOf("Int"), 0);
  ini_.EraseSection("Main");
  EXPECT_FALSE(ini_.ValueExists("Main", "Text"));
  if (GetParam() == itIniFile) {
    EXPECT_EQ(FileText(dir_.File("test.ini")).find("[Main]"), std::string::npos);
  }
}

TEST_P(IniTargets, EncodingRoundTripHidesTheText) {
  ini_.SetEncoded(true);
  const std::string secret = "Pass word =;[x]\t\xE9\xFC";
  ini_.WriteString("S", "Key", secret);
  ini_.WriteString("S", "Empty", "");
  EXPECT_EQ(ini_.ReadString("S", "Key", ""), secret);
  EXPECT_EQ(ini_.ReadString("S", "Empty", "d"), "");
  ini_.SetEncoded(false);
  EXPECT_EQ(ini_.ReadString("S", "Key", ""), secret);  // reading decodes either way
  if (GetParam() == itIniFile) {
    const std::string text = FileText(dir_.File("test.ini"));
    EXPECT_EQ(text.find("Pass word"), std::string::npos);
    EXPECT_NE(text.find("Key=~"), std::string::npos);
  }
  EXPECT_EQ(TZYLIniCtrl::DecodeString(TZYLIniCtrl::EncodeString("abc")), "abc");
  EXPECT_NE(TZYLIniCtrl::EncodeString("aaaa").substr(1, 2),
            TZYLIniCtrl::EncodeString("aaaa").substr(3, 2));
  EXPECT_THROW(TZYLIniCtrl::DecodeString("~ABC"), vcl::EConvertError);
  EXPECT_THROW(TZYLIniCtrl::DecodeString("~ZZ"), vcl::EConvertError);
  // A corrupt encoded value in the store reads back as its raw text.
  ini_.WriteString("S", "Raw", "plain");
  EXPECT_EQ(ini_.ReadString("S", "Raw", ""), "plain");
}

TEST_P(IniTargets, StringsExtWithMaxEntries) {
  vcl::TStringList src;
  for (int i = 0; i < 6; ++i) src.Add("line " + std::to_string(i));
  ini_.WriteString("MRU", "Stale", "gone after the write");
  ini_.WriteStringsExt("MRU", "File", &src, 4);
  EXPECT_FALSE(ini_.ValueExists("MRU", "Stale"));
  EXPECT_EQ(ini_.ReadString("MRU", "File3", ""), "line 3");
  EXPECT_FALSE(ini_.ValueExists("MRU", "File4"));
  vcl::TStringList back;
  back.Add("old");
  ini_.ReadStringsExt("MRU", "File", &back, 10);
  ASSERT_EQ(back.Count(), 4);
  EXPECT_EQ(back.Strings(0), "line 0");
  ini_.ReadStringsExt("MRU", "File", &back, 2);
  EXPECT_EQ(back.Count(), 2);
  ini_.ReadStringsExt("MRU", "File", &back, 0);
  EXPECT_EQ(back.Count(), 0);
  ini_.WriteStringsExt("MRU", "File", &src, -1);
  ini_.ReadStringsExt("MRU", "File", &back, -1);
  EXPECT_EQ(back.Count(), 6);
  // A gap ends the list.
  ini_.DeleteKey("MRU", "File2");
  ini_.ReadStringsExt("MRU", "File", &back, -1);
  EXPECT_EQ(back.Count(), 2);
}

TEST_P(IniTargets, ObjectPropertiesRoundTripAndBadValuesRollBack) {
  TZYLBevel b;
  b.SetBevelWidthOuter(3);
  b.SetBevelStyleOuter(bvRaised);
  b.SetColor(1, vcl::TColor(0x123456));
  b.SetBorderSides(TZYLFrameSides{fsLeft, fsTop});
  ini_.WriteObject("Bevel", &b);
  TZYLBevel c;
  ini_.ReadObject("Bevel", &c);
  EXPECT_EQ(c.WidthOuter(), 3);
  EXPECT_EQ(c.StyleOuter(), bvRaised);
  EXPECT_EQ(c.LightColor(), vcl::TColor(0x123456));
  EXPECT_EQ(c.BorderSides(), (TZYLFrameSides{fsLeft, fsTop}));

  // A bad value: the object stays as it was.
  ini_.WriteString("Bevel", "StyleOuter", "bvLowered");
  ini_.WriteString("Bevel", "WidthOuter", "1");
  ini_.WriteString("Bevel", "StyleInner", "no such style");
  TZYLBevel d;
  d.SetBevelWidthOuter(2);
  EXPECT_ANY_THROW(ini_.ReadObject("Bevel", &d));
  EXPECT_EQ(d.WidthOuter(), 2);
  EXPECT_EQ(d.StyleOuter(), bvNone);
}

INSTANTIATE_TEST_SUITE_P(Targets, IniTargets, ::testing::Values(itIniFile, itRegistry));

TEST(IniCtrl, CustomColorsAndTargets) {
  testsupport::TempDir dir;
  TZYLIniCtrl ini;
  ini.SetIniFile(dir.File("c.ini"));
  EXPECT_FALSE(ini.UsesRegistry());
  ini.SetTarget(itAuto);
  EXPECT_FALSE(ini.UsesRegistry());
  ini.SetRegPath("Software\\X");
  EXPECT_TRUE(ini.UsesRegistry());
  ini.SetTarget(itIniFile);
  vcl::TStringList colors;
  colors.Add("ColorA=FF0000");
  colors.Add("ColorC=00FF00");
  ZYLSaveCustomColorList(&ini, "Colors", &colors);
  ini.WriteString("Colors", "ColorD", "garbage");
  vcl::TStringList back;
  ZYLLoadCustomColorList(&ini, "Colors", &back);
  ASSERT_EQ(back.Count(), 16);
  EXPECT_EQ(back.Values("ColorA"), "FF0000");
  EXPECT_EQ(back.Values("ColorB"), "FFFFFF");
  EXPECT_EQ(back.Values("ColorC"), "00FF00");
  EXPECT_EQ(back.Values("ColorD"), "FFFFFF");
  EXPECT_EQ(back.Values("ColorP"), "FFFFFF");
}

TEST(IniCtrl, IniComponentFollowsItsLink) {
  vcl::TComponent owner(nullptr);
  auto* comp = new TZYLCustomIniComponent(&owner);
  auto* ini = new TZYLIniCtrl(&owner);
  comp->NotificationStandard(&owner);  // not an ini control: nothing
  EXPECT_EQ(comp->IniLink(), nullptr);
  comp->NotificationStandard(ini);
  EXPECT_EQ(comp->IniLink(), ini);
  EXPECT_EQ(comp->IniCtrl(), ini);
  comp->SetIniUse(ioNone);
  EXPECT_EQ(comp->IniCtrl(), nullptr);
  comp->SetIniUse(ioUseLink);
  delete ini;
  EXPECT_EQ(comp->IniLink(), nullptr);
  comp->SetSectionDefault();
  EXPECT_EQ(comp->GetSection(), "Common");
  comp->SetSection("Mine");
  comp->SetSectionDefault();
  EXPECT_EQ(comp->Section(), "Mine");
}
