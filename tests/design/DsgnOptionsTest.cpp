// The design-time option storage: defaults without a key, what is written is read back, and
// values of the wrong type are read tolerantly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLDsgnOptions.h"
#include "platform/base/Exceptions.h"
#include "platform/sys/Registry.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// Each test keeps the registry in a folder of its own (ZYL_REGISTRY_DIR), so test programs
// running side by side never see each other's values.
class DsgnOptions : public ::testing::Test {
 protected:
  DsgnOptions() {
    if (const char* old = std::getenv("ZYL_REGISTRY_DIR")) oldReg_ = old, hadReg_ = true;
    setenv("ZYL_REGISTRY_DIR", dir_.File("registry").c_str(), 1);
  }
  ~DsgnOptions() override {
    if (hadReg_)
      setenv("ZYL_REGISTRY_DIR", oldReg_.c_str(), 1);
    else
      unsetenv("ZYL_REGISTRY_DIR");
  }
  // A raw value of any type in a section of the key, as other programs may leave it.
  static vcl::TRegistry* Section(vcl::TRegistry& reg, const std::string& section) {
    EXPECT_TRUE(reg.OpenKey(std::string("\\") + ZYLDsgnRegKey + "\\" + section, true));
    return &reg;
  }
  testsupport::TempDir dir_;
  std::string oldReg_;
  bool hadReg_ = false;
  win::testkit::TSession session_;
};

TEST_F(DsgnOptions, WithoutTheKeyEveryReaderGetsItsDefault) {
  EXPECT_EQ(ZYLReadEditorOptions(ZYLEditorOptionsRegisterDefault), 15);
  EXPECT_EQ(ZYLReadEditorOptions(ZYLEditorOptionsAboutDefault), 7);
  for (int kind = 0; kind < ZYLListKindCount; ++kind)
    EXPECT_EQ(ZYLDsgnReadString(ZYLListKindSection(kind), ZYLDsgnListPathValue, ""), "");
  EXPECT_TRUE(ZYLDsgnReadBool("WavePaths", "Lock", true));
  EXPECT_FALSE(ZYLDsgnReadBool("WavePaths", "Lock", false));
}

TEST_F(DsgnOptions, WrittenValuesAreReadBackUnderTheKey) {
  ZYLWriteEditorOptions(5);
  ZYLDsgnWriteString(ZYLListKindSection(2), ZYLDsgnListPathValue, "/waves");
  ZYLDsgnWriteBool("WavePaths", "Lock", true);
  EXPECT_EQ(ZYLReadEditorOptions(15), 5);
  EXPECT_EQ(ZYLDsgnReadString("TZYLWaveList", "Path", "x"), "/waves");
  EXPECT_TRUE(ZYLDsgnReadBool("WavePaths", "Lock", false));
  // Stored as texts under the key's sections.
  vcl::TRegistry reg;
  EXPECT_EQ(Section(reg, "Shared")->ReadString("EditorOptionsQX"), "5");
  EXPECT_EQ(Section(reg, "WavePaths")->ReadString("Lock"), "1");
  ZYLDsgnEraseSection("WavePaths");
  EXPECT_FALSE(ZYLDsgnReadBool("WavePaths", "Lock", false));
  EXPECT_EQ(ZYLReadEditorOptions(15), 5);
}

TEST_F(DsgnOptions, TheListKindsHaveTheirSectionsInOrder) {
  const char* const want[] = {"TZYLImageList",  "TZYLBitmapList",  "TZYLWaveList",
                              "TZYLStringList", "TZYLGenericList", "TZYLRTFList"};
  for (int kind = 0; kind < ZYLListKindCount; ++kind)
    EXPECT_EQ(ZYLListKindSection(kind), want[kind]);
  // A kind outside 0 to 5 has the empty section name.
  for (int bad : {-1, 6, 7, 1000}) EXPECT_EQ(ZYLListKindSection(bad), "") << bad;
}

// icInvalid follows the six kinds; its folder, like that of any kind outside them, is kept under
// the empty section (the key itself), without disturbing the folders of the six.
TEST_F(DsgnOptions, AKindOutsideTheListKeepsItsFolderUnderTheEmptySection) {
  EXPECT_EQ(static_cast<int>(icInvalid), 6);
  EXPECT_EQ(ZYLRestoreListPath(icInvalid), "");
  ZYLSaveListPath(icWave, "/waves");
  ZYLSaveListPath(icInvalid, "/elsewhere");
  testsupport::ExpectCases(
      {{ZYLRestoreListPath(icInvalid), "/elsewhere"},
       {ZYLRestoreListPath(static_cast<TZYLListItemClassType>(9)), "/elsewhere"},
       {ZYLDsgnReadString("", "Path", "x"), "/elsewhere"},
       {ZYLRestoreListPath(icWave), "/waves"}});
  for (int kind = 0; kind < ZYLListKindCount; ++kind)
    if (kind != icWave) {
      EXPECT_EQ(ZYLRestoreListPath(static_cast<TZYLListItemClassType>(kind)), "");
    }
}

// How each kind of stored value reads as an integer (default 42) and as a Boolean (default
// true and default false).
struct TStored {
  const char* Name;
  int Type;  // 0 string, 1 DWORD, 2 binary
  std::string Text;
  uint32_t Number;
  int32_t AsInteger;
  int AsBool;  // 1 true, 0 false, -1 the default
};

TEST_F(DsgnOptions, ValuesOfTheWrongTypeAreReadTolerantly) {
  const TStored cases[] = {
      {"decimal", 0, "12", 0, 12, 1}, {"blanks", 0, "  -3 ", 0, -3, 1},
      {"hex", 0, "$1F", 0, 31, 1},    {"zero", 0, "0", 0, 0, 0},
      {"word", 0, "abc", 0, 42, -1},  {"true", 0, "True", 0, 42, 1},
      {"yes", 0, "yes", 0, 42, 1},    {"off", 0, "OFF", 0, 42, 0},
      {"empty", 0, "", 0, 42, -1},    {"dword", 1, "", 9, 9, 1},
      {"dword0", 1, "", 0, 0, 0},     {"binary", 2, "\x01\x02", 0, 42, -1},
  };
  for (const TStored& c : cases) {
    vcl::TRegistry reg;
    Section(reg, "Test");
    if (c.Type == 0)
      reg.WriteString(c.Name, c.Text);
    else if (c.Type == 1)
      reg.WriteInteger(c.Name, static_cast<int32_t>(c.Number));
    else
      reg.WriteBinaryData(c.Name, c.Text.data(), static_cast<int32_t>(c.Text.size()));
    EXPECT_EQ(ZYLDsgnReadInteger("Test", c.Name, 42), c.AsInteger) << c.Name;
    const bool whenTrue = ZYLDsgnReadBool("Test", c.Name, true);
    const bool whenFalse = ZYLDsgnReadBool("Test", c.Name, false);
    if (c.AsBool < 0) {
      EXPECT_TRUE(whenTrue && !whenFalse) << c.Name;
    } else {
      EXPECT_EQ(whenTrue, c.AsBool == 1) << c.Name;
      EXPECT_EQ(whenFalse, c.AsBool == 1) << c.Name;
    }
    // Only text values are strings.
    EXPECT_EQ(ZYLDsgnReadString("Test", c.Name, "def"), c.Type == 0 ? c.Text : "def") << c.Name;
  }
}

TEST_F(DsgnOptions, EachListKindKeepsItsOwnLastFolder) {
  const TZYLListItemClassType kinds[] = {icImageList,  icBitmap,  icWave,
                                         icStringList, icGeneric, icRTF};
  for (TZYLListItemClassType kind : kinds) EXPECT_EQ(ZYLRestoreListPath(kind), "") << int(kind);
  ZYLSaveListPath(icBitmap, "/pictures");
  ZYLSaveListPath(icRTF, "C:\\texts\\rich");
  ZYLSaveListPath(icBitmap, "/pictures/new");
  testsupport::ExpectCases({{ZYLRestoreListPath(icImageList), ""},
                            {ZYLRestoreListPath(icBitmap), "/pictures/new"},
                            {ZYLRestoreListPath(icWave), ""},
                            {ZYLRestoreListPath(icRTF), "C:\\texts\\rich"},
                            {ZYLDsgnReadString("TZYLBitmapList", "Path", "x"), "/pictures/new"},
                            {ZYLDsgnReadString("TZYLRTFList", "Path", "x"), "C:\\texts\\rich"}});
  // A value of another type left under a kind reads as no folder.
  vcl::TRegistry reg;
  Section(reg, "TZYLWaveList")->WriteInteger("Path", 3);
  EXPECT_EQ(ZYLRestoreListPath(icWave), "");
}

TEST_F(DsgnOptions, AKindOutsideTheListKindsUsesTheEmptySection) {
  const auto bad = static_cast<TZYLListItemClassType>(6);
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { ZYLSaveListPath(bad, "/x"); }),
            "<no error>");
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { EXPECT_EQ(ZYLRestoreListPath(bad), "/x"); }),
            "<no error>");
}

}  // namespace
}  // namespace zyl
