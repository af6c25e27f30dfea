#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/sys/Packages.h"
#include "tests/support/ErrorOf.h"

using namespace vcl;
using testsupport::ErrorOf;

namespace {
std::vector<std::string> g_trace;
}

// Called by the test packages and the unit tables below.
extern "C" __attribute__((visibility("default"))) void ZylTestPackageTrace(const char* what) {
  g_trace.push_back(what);
}

namespace {

using Trace = std::vector<std::string>;

void InitT1() { g_trace.push_back("init T1"); }
void FinT1() { g_trace.push_back("fin T1"); }
void InitT2() { g_trace.push_back("init T2"); }
void FinT2() { g_trace.push_back("fin T2"); }
void InitT3() { g_trace.push_back("init T3"); }
void FinT3() { g_trace.push_back("fin T3"); }
void Raise() { throw Exception("unit failed"); }
void FinRaise() {
  g_trace.push_back("fin raising");
  throw Exception("finalization failed");
}

class PackagesTest : public ::testing::Test {
 protected:
  void SetUp() override { g_trace.clear(); }
};

TEST_F(PackagesTest, TableInitializesOnceInOrderAndFinalizesInReverseAtZero) {
  const TUnitEntry units[] = {{"TabA", InitT1, FinT1}, {"TabB", InitT2, nullptr}, {"TabC", InitT3, FinT3}};
  const TPackageUnitTable table{3, units};
  InitializePackage(table);
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "init T3"}));
  InitializePackage(table);
  EXPECT_EQ(g_trace.size(), 3u);
  EXPECT_EQ(UnitInitCount("taba"), 2);
  FinalizePackage(table);
  EXPECT_EQ(g_trace.size(), 3u);
  FinalizePackage(table);
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "init T3", "fin T3", "fin T1"}));
  EXPECT_EQ(UnitInitCount("TabA"), 0);
  // Finalizing again does nothing: counters do not go below zero.
  FinalizePackage(table);
  EXPECT_EQ(g_trace.size(), 5u);
  EXPECT_EQ(UnitInitCount("TabA"), 0);
  EXPECT_EQ(UnitInitCount("NoSuchUnit"), 0);
}

TEST_F(PackagesTest, UnitSharedByTwoTablesRunsOnce) {
  const TUnitEntry first[] = {{"ShareX", InitT1, FinT1}, {"ShareY", InitT2, FinT2}};
  const TUnitEntry second[] = {{"SHAREY", InitT2, FinT2}, {"ShareZ", InitT3, FinT3}};
  InitializePackage({2, first});
  InitializePackage({2, second});
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "init T3"}));
  FinalizePackage({2, first});
  EXPECT_EQ(g_trace.back(), "fin T1");  // Y is still held by the second table
  FinalizePackage({2, second});
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "init T3", "fin T1", "fin T3", "fin T2"}));
}

TEST_F(PackagesTest, FailingInitializationRollsBackThisCallOnly) {
  const TUnitEntry base[] = {{"RbShared", InitT1, FinT1}};
  InitializePackage({1, base});
  const TUnitEntry units[] = {{"RbShared", InitT1, FinT1}, {"RbOwn", InitT2, FinT2},
                              {"RbBad", Raise, FinT3}, {"RbLater", InitT3, FinT3}};
  EXPECT_THROW(InitializePackage({4, units}), Exception);
  // RbOwn was finalized again; RbShared keeps its earlier initialization; RbLater never ran.
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "fin T2"}));
  EXPECT_EQ(UnitInitCount("RbShared"), 1);
  EXPECT_EQ(UnitInitCount("RbOwn"), 0);
  EXPECT_EQ(UnitInitCount("RbBad"), 0);
  EXPECT_EQ(UnitInitCount("RbLater"), 0);
  FinalizePackage({1, base});
  EXPECT_EQ(g_trace.back(), "fin T1");
}

TEST_F(PackagesTest, FailingFinalizationStillFinalizesTheRest) {
  const TUnitEntry units[] = {{"FfA", InitT1, FinT1}, {"FfB", InitT2, FinRaise}, {"FfC", InitT3, FinT3}};
  InitializePackage({3, units});
  EXPECT_THROW(FinalizePackage({3, units}), Exception);
  EXPECT_EQ(g_trace, (Trace{"init T1", "init T2", "init T3", "fin T3", "fin raising", "fin T1"}));
  EXPECT_EQ(UnitInitCount("FfB"), 0);
}

#ifdef ZYL_TEST_PACKAGE
bool IsLoaded(const char* path) {
  void* h = ::dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (h) ::dlclose(h);
  return h != nullptr;
}

TEST_F(PackagesTest, LoadPackageRunsUnitsOnceAndUnloadFinalizesInReverse) {
  win::HMODULE m1 = LoadPackage(ZYL_TEST_PACKAGE);
  ASSERT_NE(m1, nullptr);
  EXPECT_EQ(g_trace, (Trace{"init Alpha", "init Beta", "init Gamma"}));
  win::HMODULE m2 = LoadPackage(ZYL_TEST_PACKAGE);
  EXPECT_EQ(m2, m1);
  EXPECT_EQ(g_trace.size(), 3u);
  EXPECT_EQ(UnitInitCount("PkgBeta"), 2);
  UnloadPackage(m2);
  EXPECT_EQ(g_trace.size(), 3u);
  EXPECT_TRUE(IsLoaded(ZYL_TEST_PACKAGE));
  UnloadPackage(m1);
  EXPECT_EQ(g_trace, (Trace{"init Alpha", "init Beta", "init Gamma", "fin Gamma", "fin Alpha"}));
  EXPECT_EQ(UnitInitCount("PkgAlpha"), 0);
  EXPECT_FALSE(IsLoaded(ZYL_TEST_PACKAGE));
  // A fresh load initializes again.
  win::HMODULE m3 = LoadPackage(ZYL_TEST_PACKAGE);
  EXPECT_EQ(g_trace.size(), 8u);
  UnloadPackage(m3);
  EXPECT_EQ(g_trace.size(), 10u);
}

TEST_F(PackagesTest, WindowsStyleNamesFollowThePathPolicy) {
  std::string name = std::string("C:") + ZYL_TEST_PACKAGE;
  for (char& c : name)
    if (c == '/') c = '\\';
  win::HMODULE m = LoadPackage(name);
  EXPECT_EQ(g_trace.size(), 3u);
  UnloadPackage(m);
  EXPECT_EQ(g_trace.size(), 5u);
  unsetenv("ZYL_DRIVE_R");
  const std::string error = ErrorOf<EPackageError>([] { LoadPackage("R:\\pkg.bpl"); });
  EXPECT_EQ(error.rfind("Can't load package R:\\pkg.bpl.\n", 0), 0u) << error;
}

TEST_F(PackagesTest, PackageWhoseInitializationFailsIsClosedAgain) {
  EXPECT_EQ(ErrorOf<Exception>([] { LoadPackage(ZYL_TEST_PACKAGE_FAILING); }), "Beta cannot start");
  EXPECT_EQ(g_trace, (Trace{"init Alpha", "fin Alpha"}));
  EXPECT_EQ(UnitInitCount("PkgAlpha"), 0);
  EXPECT_FALSE(IsLoaded(ZYL_TEST_PACKAGE_FAILING));
}
#endif

TEST_F(PackagesTest, MissingOrInvalidPackagesRaisePackageErrors) {
  const std::string error = ErrorOf<EPackageError>([] { LoadPackage("/nonexistent/zylpkg.so"); });
  EXPECT_EQ(error.rfind("Can't load package /nonexistent/zylpkg.so.\n", 0), 0u) << error;
  EXPECT_GT(error.size(), 45u);  // the loader's reason follows
  // A shared library that is no package.
  EXPECT_EQ(ErrorOf<EPackageError>([] { LoadPackage("libm.so.6"); }),
            "Invalid package file 'libm.so.6'");
  UnloadPackage(nullptr);  // tolerated
}

// Two components of a unit that does nothing but register them.
class TUnitPart : public TComponent {
  ZYL_CLASS(TUnitPart, TComponent)
  using TComponent::TComponent;
};
class TUnitWhole : public TComponent {
  ZYL_CLASS(TUnitWhole, TComponent)
  using TComponent::TComponent;
};
ZYL_CLASS_IMPL(TUnitPart) {}
ZYL_CLASS_IMPL(TUnitWhole) {}

constexpr TUnitEntry kClassesUnit = ClassesUnit<TUnitPart, TUnitWhole>("ClsUnit");

TEST_F(PackagesTest, AUnitOfClassesRegistersThemWhileItIsInitialized) {
  EXPECT_STREQ(kClassesUnit.Name, "ClsUnit");
  ASSERT_EQ(GetClass("TUnitPart"), nullptr);
  ASSERT_EQ(GetClass("TUnitWhole"), nullptr);
  const TUnitEntry units[] = {{"ClsBefore", InitT1, FinT1}, kClassesUnit};
  InitializePackage({2, units});
  EXPECT_EQ(GetClass("TUnitPart"), TUnitPart::StaticClass());
  EXPECT_EQ(GetClass("tunitwhole"), TUnitWhole::StaticClass());
  // Counted twice, finalized once: the classes stay.
  InitializePackage({2, units});
  FinalizePackage({2, units});
  EXPECT_EQ(UnitInitCount("ClsUnit"), 1);
  EXPECT_EQ(GetClass("TUnitWhole"), TUnitWhole::StaticClass());
  FinalizePackage({2, units});
  EXPECT_EQ(UnitInitCount("ClsUnit"), 0);
  EXPECT_EQ(GetClass("TUnitPart"), nullptr);
  EXPECT_EQ(GetClass("TUnitWhole"), nullptr);
  EXPECT_EQ(g_trace, (Trace{"init T1", "fin T1"}));
}

// A test starts and stops one unit through its entry, as the module tests do.
TEST_F(PackagesTest, AUnitOfClassesCanBeStartedThroughItsEntry) {
  kClassesUnit.Init();
  EXPECT_NE(FindClass("TUnitPart"), nullptr);
  kClassesUnit.FInit();
  EXPECT_EQ(GetClass("TUnitPart"), nullptr);
  EXPECT_EQ(ErrorOf<EClassNotFound>([] { FindClass("TUnitWhole"); }), "Class TUnitWhole not found");
}

}  // namespace
