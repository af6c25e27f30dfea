// Every integer property of every registered class (the framework's and the library's package's),
// and of the persistent objects they own, set to the limits of its type and other edge values
// on a shown form that is painted after each value, with the virtual clock moved on so that
// timers run. A setter may refuse a value with the framework's error, and a paint may find a
// picture too big to hold (EOutOfResources: a control a billion pixels wide cannot have an
// off-screen copy); anything else (another exception, a crash, a sanitizer report, a loop that
// never goes idle) is a fault. Each value is also written to a form file and read from it (the
// reader sets it while the form loads), then the form is shown and the control is clicked,
// dragged across and typed into; a dialog the input brings up is answered by closing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"

namespace {

using packagetest::IsForm;
using packagetest::Path;
using packagetest::TStage;
using packagetest::Walk;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// The limits of an integer property's type (int64's for a 64-bit one) and the values next to
// them, 0 and +-1, and the halves between.
std::vector<int64_t> EdgeValues(const vcl::TPropInfo* p) {
  const bool wide = p->Kind() == vcl::tkInt64;
  const int64_t min = wide ? INT64_MIN : p->PropType->MinValue;
  const int64_t max = wide ? INT64_MAX : p->PropType->MaxValue;
  std::set<int64_t> values{min, min + 1, min / 2, -1, 0, 1, max / 2, max - 1, max};
  std::vector<int64_t> inRange;
  for (int64_t v : values)
    if (v >= min && v <= max) inRange.push_back(v);
  return inRange;
}

bool IsInteger(vcl::TObject*, const vcl::TPropInfo* p) {
  return (p->Kind() == vcl::tkInteger || p->Kind() == vcl::tkInt64) && p->IsWritable();
}

class ExtremeValues : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = packagetest::ComponentClasses();
  }
  std::vector<vcl::TClass> classes_;
};

// The integer properties of a new component of the class, as paths from the component.
std::vector<Path> IntegerPathsOf(vcl::TClass cls) {
  return packagetest::PropertyPathsOf(cls, &IsInteger);
}

// Sets an integer property through the accessor of its width.
packagetest::TSetValue SetInteger(int64_t v) {
  return [v](vcl::TObject* target, const vcl::TPropInfo* p) {
    if (p->Kind() == vcl::tkInt64)
      vcl::SetInt64Prop(target, p, v);
    else
      vcl::SetOrdProp(target, p, v);
  };
}

TEST_P(ExtremeValues, EveryIntegerPropertyAtItsLimitsShowsAndPaints) {
  // Both the framework's classes and the package's are there.
  ASSERT_GT(classes_.size(), 100u);
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const Path& path : IntegerPathsOf(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + packagetest::Text(path));
      TStage stage(cls);
      vcl::TObject* target = Walk(stage.Component(), path);
      ASSERT_NE(target, nullptr);
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      ASSERT_NE(p, nullptr);
      for (int64_t v : EdgeValues(p)) {
        SCOPED_TRACE(v);
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { SetInteger(v)(target, p); }));
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
        ++cases;
      }
    }
  }
  EXPECT_GT(cases, 0);
  RecordProperty("cases", cases);
}

TEST_P(ExtremeValues, EveryIntegerPropertyAtItsLimitsReadFromAFormTakesInput) {
  ASSERT_GT(classes_.size(), 100u);
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const Path& path : IntegerPathsOf(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + packagetest::Text(path));
      const vcl::TPropInfo* p = nullptr;
      {
        TStage probe(cls);
        vcl::TObject* target = Walk(probe.Component(), path);
        ASSERT_NE(target, nullptr);
        p = vcl::FindPropInfo(target, path.back());
        ASSERT_NE(p, nullptr);
      }
      for (int64_t v : EdgeValues(p)) {
        SCOPED_TRACE(v);
        const std::string bytes = packagetest::FormWith(cls, path, SetInteger(v));
        if (bytes.empty()) continue;
        std::unique_ptr<vcl::TCustomForm> form = packagetest::NewRoot(cls);
        // A form file may hold a value its reader refuses.
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(
            [&] { vcl::ReadComponentFromBytes(bytes, form.get()); }));
        vcl::TComponent* c = packagetest::ReadComponent(cls, form.get());
        if (!c) continue;
        if (!packagetest::ShowAndTakeInput(form.get(), c)) continue;
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>(
            [&] { packagetest::PaintShown(form.get()); }));
        ++cases;
      }
    }
  }
  EXPECT_GT(cases, 0);
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, ExtremeValues, ::testing::Range(0, kShards));

}  // namespace
