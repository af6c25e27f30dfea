// The library's package loaded by a host through the platform's package loader.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/classes/Registry.h"
#include "platform/controls/Controls.h"
#include "platform/designer/DesignRegistry.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/ErrorOf.h"

namespace {

using TInfoProc = const vcl::TPackageUnitTable* (*)();

std::vector<std::string> UnitNames(win::HMODULE module) {
  auto info = reinterpret_cast<TInfoProc>(win::GetProcAddress(module, "GetPackageInfoTable"));
  std::vector<std::string> names;
  if (!info) return names;
  const vcl::TPackageUnitTable* table = info();
  for (int i = 0; i < table->UnitCount; ++i) names.push_back(table->Units[i].Name);
  return names;
}

class LibraryPackage : public ::testing::Test {
 protected:
  void TearDown() override {}
  vcl::testkit::TControlsSession session_;
};

TEST_F(LibraryPackage, LoadingRunsEachUnitOnceAndUnloadingFinalizesThem) {
  ASSERT_EQ(zyl::ZYLApplication(), nullptr);
  ASSERT_EQ(zyl::ZYLContainer(), nullptr);

  win::HMODULE first = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  ASSERT_NE(first, nullptr);
  const std::vector<std::string> units = UnitNames(first);
  ASSERT_GE(units.size(), 5u);
  // The theme binding, the timers and the settings storage, the application object and the
  // global container come first.
  EXPECT_EQ(units[0], "ZYLXPStyles");
  EXPECT_EQ(units[1], "ZYLTimer");
  EXPECT_EQ(units[2], "ZYLIniCtrl");
  EXPECT_EQ(units[3], "ZYLApplication");
  EXPECT_EQ(units[4], "ZYLCont");
  for (const std::string& u : units) EXPECT_EQ(vcl::UnitInitCount(u), 1) << u;

  zyl::TZYLApplication* app = zyl::ZYLApplication();
  zyl::TZYLContainer* cont = zyl::ZYLContainer();
  ASSERT_NE(app, nullptr);
  ASSERT_NE(cont, nullptr);
  EXPECT_NE(cont->BitmapList(), nullptr);
  EXPECT_NE(cont->ImageList(), nullptr);
  EXPECT_NE(cont->StringList(), nullptr);
  EXPECT_NE(cont->WaveList(), nullptr);
  EXPECT_TRUE(zyl::ZYLTimerPoolExists());
  // Units that declare components make them known to the form reader.
  EXPECT_NE(vcl::GetClass("TZYLShapeControl"), nullptr);
  EXPECT_NE(vcl::GetClass("TZYLImageList"), nullptr);
  EXPECT_NE(vcl::GetClass("TZYLFaceController"), nullptr);
  for (const char* name : {"TZYLTimerPool", "TZYLHiTimer", "TZYLIniCtrl", "TZYLWaveComp"})
    EXPECT_NE(vcl::GetClass(name), nullptr) << name;

  // A second load is counted but runs nothing again.
  win::HMODULE second = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  EXPECT_EQ(second, first);
  EXPECT_EQ(zyl::ZYLApplication(), app);
  EXPECT_EQ(zyl::ZYLContainer(), cont);
  for (const std::string& u : units) EXPECT_EQ(vcl::UnitInitCount(u), 2) << u;

  vcl::UnloadPackage(second);
  EXPECT_EQ(zyl::ZYLApplication(), app);
  for (const std::string& u : units) EXPECT_EQ(vcl::UnitInitCount(u), 1) << u;

  vcl::UnloadPackage(first);
  for (const std::string& u : units) EXPECT_EQ(vcl::UnitInitCount(u), 0) << u;
  EXPECT_EQ(zyl::ZYLApplication(), nullptr);
  EXPECT_EQ(zyl::ZYLContainer(), nullptr);
  EXPECT_FALSE(zyl::ZYLTimerPoolExists());
  EXPECT_FALSE(zyl::XPThemesAvailable);
  EXPECT_EQ(vcl::GetClass("TZYLShapeControl"), nullptr);
}

TEST_F(LibraryPackage, ReloadingStartsTheUnitsAfresh) {
  win::HMODULE m = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  ASSERT_NE(zyl::ZYLApplication(), nullptr);
  vcl::UnloadPackage(m);
  ASSERT_EQ(zyl::ZYLApplication(), nullptr);
  m = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  EXPECT_NE(zyl::ZYLApplication(), nullptr);
  EXPECT_NE(zyl::ZYLContainer(), nullptr);
  EXPECT_TRUE(zyl::ZYLTimerPoolExists());
  vcl::UnloadPackage(m);
  EXPECT_EQ(zyl::ZYLApplication(), nullptr);
}

// A host names the package as the user knows it, with or without its extension: the loader
// looks beside the platform's library, where the build and the installation put the packages.
TEST_F(LibraryPackage, IsFoundByItsBareName) {
  for (const char* name : {"zyl70se_B5.so", "zyl70se_B5"}) {
    win::HMODULE m = vcl::LoadPackage(name);
    EXPECT_NE(vcl::GetClass("TZYLShapeControl"), nullptr) << name;
    vcl::UnloadPackage(m);
  }
  const std::string error =
      testsupport::ErrorOf<vcl::EPackageError>([] { vcl::LoadPackage("zyl_no_such_package"); });
  EXPECT_EQ(error.rfind("Can't load package zyl_no_such_package.\n", 0), 0u) << error;
}

// The design-time package is loaded as the IDE loads it: its start brings up the run-time
// package's units, its registration fills the palette, and unloading takes both away.
TEST_F(LibraryPackage, TheDesignTimePackageRegistersThePaletteAndGoesAgain) {
  win::HMODULE m = vcl::LoadDesignPackageFile("zyl70se_B5_design");
  EXPECT_EQ(vcl::PalettePages().size(), 10u);
  EXPECT_EQ(vcl::PaletteClasses("ZYL Std").size(), 20u);
  EXPECT_NE(vcl::GetClass("TZYLShapeControl"), nullptr);
  EXPECT_TRUE(vcl::IsDesignPackageLoaded("zyl70se_B5_design"));
  vcl::UnloadDesignPackageFile(m);
  EXPECT_TRUE(vcl::PalettePages().empty());
  EXPECT_EQ(vcl::GetClass("TZYLShapeControl"), nullptr);
  EXPECT_FALSE(vcl::IsDesignPackageLoaded("zyl70se_B5_design"));
}

TEST_F(LibraryPackage, AModuleThatIsNoPackageExportsNoTable) {
  win::HMODULE m = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
  EXPECT_EQ(win::GetProcAddress(m, "NoSuchExport"), nullptr);
  EXPECT_EQ(win::GetProcAddress(nullptr, "Initialize"), nullptr);
  EXPECT_NE(win::GetProcAddress(m, "Finalize"), nullptr);
  vcl::UnloadPackage(m);
}

}  // namespace
