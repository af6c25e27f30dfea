// The fixture of the tests that look at the library's run-time package as a host does: a
// session, the package loaded for the test (unloaded after it) and the classes it registered
// on loading, on a screen of the size the test asks for (1024 x 768 unless it says). Base is the
// gtest fixture to stand on (a parameterised one, say).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/Registry.h"
#include "platform/rtl/Locale.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ApplicationSettings.h"

namespace packagetest {

// The component classes among `from`, by name.
inline std::vector<vcl::TClass> ComponentsByName(const std::vector<vcl::TClass>& from) {
  std::vector<vcl::TClass> classes;
  for (vcl::TClass c : from)
    if (c->FactoryKind() == vcl::fkComponent) classes.push_back(c);
  std::sort(classes.begin(), classes.end(),
            [](vcl::TClass a, vcl::TClass b) { return a->ClassName() < b->ClassName(); });
  return classes;
}

template <class Base = ::testing::Test>
class TPackageFixture : public Base {
 protected:
  // The session's screen is of the size given.
  explicit TPackageFixture(int screenWidth = 1024, int screenHeight = 768)
      : session_(screenWidth, screenHeight) {}
  void SetUp() override {
    const std::vector<vcl::TClass> before = vcl::RegisteredClasses();
    module_ = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
    ASSERT_NE(module_, nullptr);
    for (vcl::TClass c : vcl::RegisteredClasses())
      if (std::find(before.begin(), before.end(), c) == before.end()) registered_.push_back(c);
  }
  void TearDown() override {
    if (module_) vcl::UnloadPackage(module_);
  }
  // The component classes the package registered, by name.
  std::vector<vcl::TClass> RegisteredComponents() const { return ComponentsByName(registered_); }

  vcl::testkit::TControlsSession session_;
  // What a loaded application settings component copies into the application goes back.
  testsupport::TApplicationSettingsScope settings_;
  // What a component writes into the user's locale (the system information's locale items) and
  // the format settings go back.
  vcl::TFormatSettingsScope locale_;
  win::HMODULE module_ = nullptr;
  // The classes the package registered on loading.
  std::vector<vcl::TClass> registered_;
};

// A sweep over every registered component class, dealt to parameterised shards; menus that
// open during a step are closed when the loop idles.
class TClassesSweep : public TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = ComponentClasses();
    win::testkit::CloseMenusWhenIdle(true);
  }
  void TearDown() override {
    win::testkit::CloseMenusWhenIdle(false);
    TPackageFixture::TearDown();
  }
  // This shard's classes of classes_: every `shards`-th one from the parameter on.
  std::vector<vcl::TClass> Shard(int shards) const {
    std::vector<vcl::TClass> mine;
    for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size();
         k += static_cast<size_t>(shards))
      mine.push_back(classes_[k]);
    return mine;
  }

  std::vector<vcl::TClass> classes_;
};

// A sweep over every registered control class but the forms (classes_), dealt to parameterised
// shards as above.
class TControlClassesSweep : public TClassesSweep {
 protected:
  void SetUp() override {
    TClassesSweep::SetUp();
    if (HasFatalFailure()) return;
    std::vector<vcl::TClass> all;
    all.swap(classes_);
    for (vcl::TClass cls : all) (IsControlClass(cls) ? classes_ : others_).push_back(cls);
  }

  std::vector<vcl::TClass> others_;  // the components that are no controls, and the forms
};

// The names of the registered control classes but the forms, which the sweeps' tables of
// exceptions may name.
inline std::set<std::string> ControlClassNames() {
  std::set<std::string> names;
  for (vcl::TClass cls : ComponentClasses())
    if (IsControlClass(cls)) names.insert(cls->ClassName());
  return names;
}

}  // namespace packagetest
