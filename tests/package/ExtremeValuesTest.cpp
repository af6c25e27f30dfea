// Every integer property of every registered class (the framework's and the library's package's),
// and of the persistent objects they own, set to the limits of its type and other edge values
// on a shown form that is painted after each value, with the virtual clock moved on so that
// timers run. A setter may refuse a value with the framework's error, and a paint may find a
// picture too big to hold (EOutOfResources: a control a billion pixels wide cannot have an
// off-screen copy); anything else (another exception, a crash, a sanitizer report, a loop that
// never goes idle) is a fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "tests/support/ErrorOf.h"

namespace {

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// How deep the walk goes into owned objects (a control's font, a bevel's caption's font).
constexpr int kOwnedDepth = 3;
// The virtual time each value is given for its timers to run.
constexpr uint64_t kTimerSpan = 100;

using Path = std::vector<std::string>;

std::string Text(const Path& path) {
  std::string s;
  for (const std::string& part : path) s += (s.empty() ? "" : ".") + part;
  return s;
}

// The limits of the type and the values next to them, 0 and +-1, and the halves between.
std::vector<int64_t> EdgeValues(int64_t min, int64_t max) {
  std::set<int64_t> values{min, min + 1, min / 2, -1, 0, 1, max / 2, max - 1, max};
  std::vector<int64_t> inRange;
  for (int64_t v : values)
    if (v >= min && v <= max) inRange.push_back(v);
  return inRange;
}

bool IsInteger(const vcl::TPropInfo* p) {
  return p->Kind() == vcl::tkInteger || p->Kind() == vcl::tkInt64;
}

// The paths of the writable integer properties of `obj` and of the persistent objects it owns
// (components it refers to are their own classes' business).
void IntegerPaths(vcl::TObject* obj, const Path& prefix, int depth, std::vector<Path>& paths) {
  for (const vcl::TPropInfo* p : vcl::GetPropList(obj)) {
    Path path = prefix;
    path.push_back(p->Name);
    if (IsInteger(p) && p->IsWritable()) {
      paths.push_back(path);
    } else if (p->Kind() == vcl::tkClass && depth < kOwnedDepth) {
      vcl::TObject* sub = vcl::GetObjectProp(obj, p);
      if (sub && !dynamic_cast<vcl::TComponent*>(sub)) IntegerPaths(sub, path, depth + 1, paths);
    }
  }
}

vcl::TObject* Walk(vcl::TObject* obj, const Path& path) {
  for (size_t i = 0; obj && i + 1 < path.size(); ++i) obj = vcl::GetObjectProp(obj, path[i]);
  return obj;
}

bool IsForm(vcl::TClass cls) { return cls->InheritsFrom(vcl::TCustomForm::StaticClass()); }

// A component of the class on a shown form (the form itself for form classes).
class TStage {
 public:
  explicit TStage(vcl::TClass cls) {
    if (IsForm(cls)) {
      form_.reset(static_cast<vcl::TCustomForm*>(cls->Create(nullptr)));
      component_ = form_.get();
    } else {
      form_.reset(new vcl::TForm(nullptr));
      component_ = cls->Create(form_.get());
      if (auto* control = dynamic_cast<vcl::TControl*>(component_)) {
        control->SetBounds(8, 8, 120, 60);
        control->SetParent(form_.get());
      }
    }
    form_->SetBounds(0, 0, 320, 240);
    form_->Show();
  }
  vcl::TComponent* Component() const { return component_; }
  // Paints the whole form, frames and children, and lets the timers run.
  void Paint() {
    if (form_->HandleAllocated())
      win::RedrawWindow(
          form_->Handle(), nullptr, nullptr,
          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
    win::testkit::RunUntilIdle();
    win::testkit::AdvanceClock(kTimerSpan);
  }

 private:
  std::unique_ptr<vcl::TCustomForm> form_;
  vcl::TComponent* component_ = nullptr;
};

class ExtremeValues : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    module_ = vcl::LoadPackage(ZYL_LIBRARY_PACKAGE);
    ASSERT_NE(module_, nullptr);
    for (vcl::TClass c : vcl::RegisteredClasses())
      if (c->FactoryKind() == vcl::fkComponent) classes_.push_back(c);
    std::sort(classes_.begin(), classes_.end(),
              [](vcl::TClass a, vcl::TClass b) { return a->ClassName() < b->ClassName(); });
  }
  void TearDown() override {
    if (module_) vcl::UnloadPackage(module_);
  }
  vcl::testkit::TControlsSession session_;
  win::HMODULE module_ = nullptr;
  std::vector<vcl::TClass> classes_;
};

TEST_P(ExtremeValues, EveryIntegerPropertyAtItsLimitsShowsAndPaints) {
  // Both the framework's classes and the package's are there.
  ASSERT_GT(classes_.size(), 100u);
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    std::vector<Path> paths;
    {
      TStage probe(cls);
      IntegerPaths(probe.Component(), {}, 0, paths);
    }
    for (const Path& path : paths) {
      SCOPED_TRACE(cls->ClassName() + "." + Text(path));
      TStage stage(cls);
      vcl::TObject* target = Walk(stage.Component(), path);
      ASSERT_NE(target, nullptr);
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      ASSERT_NE(p, nullptr);
      const bool wide = p->Kind() == vcl::tkInt64;
      const int64_t min = wide ? INT64_MIN : p->PropType->MinValue;
      const int64_t max = wide ? INT64_MAX : p->PropType->MaxValue;
      for (int64_t v : EdgeValues(min, max)) {
        SCOPED_TRACE(v);
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] {
          if (wide)
            vcl::SetInt64Prop(target, p, v);
          else
            vcl::SetOrdProp(target, p, v);
        }));
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
        ++cases;
      }
    }
  }
  EXPECT_GT(cases, 0);
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, ExtremeValues, ::testing::Range(0, kShards));

}  // namespace
