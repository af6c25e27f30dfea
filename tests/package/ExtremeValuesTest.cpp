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

class ExtremeValues : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    for (vcl::TClass c : vcl::RegisteredClasses())
      if (c->FactoryKind() == vcl::fkComponent) classes_.push_back(c);
    std::sort(classes_.begin(), classes_.end(),
              [](vcl::TClass a, vcl::TClass b) { return a->ClassName() < b->ClassName(); });
  }
  std::vector<vcl::TClass> classes_;
};

// The integer properties of a new component of the class, as paths from the component.
std::vector<Path> IntegerPathsOf(vcl::TClass cls) {
  std::vector<Path> paths;
  TStage probe(cls);
  IntegerPaths(probe.Component(), {}, 0, paths);
  return paths;
}

TEST_P(ExtremeValues, EveryIntegerPropertyAtItsLimitsShowsAndPaints) {
  // Both the framework's classes and the package's are there.
  ASSERT_GT(classes_.size(), 100u);
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const Path& path : IntegerPathsOf(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + Text(path));
      TStage stage(cls);
      vcl::TObject* target = Walk(stage.Component(), path);
      ASSERT_NE(target, nullptr);
      const vcl::TPropInfo* p = vcl::FindPropInfo(target, path.back());
      ASSERT_NE(p, nullptr);
      const bool wide = p->Kind() == vcl::tkInt64;
      for (int64_t v : EdgeValues(p)) {
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

// A new component of the class (named X) with the value at the path, in a form file; "" when
// the property refuses the value.
std::string FormWith(vcl::TClass cls, const Path& path, int64_t v) {
  std::unique_ptr<vcl::TCustomForm> form;
  vcl::TComponent* c;
  if (IsForm(cls)) {
    form.reset(static_cast<vcl::TCustomForm*>(cls->Create(nullptr)));
    c = form.get();
  } else {
    form.reset(new vcl::TForm(nullptr));
    form->SetBounds(0, 0, 320, 240);
    c = cls->Create(form.get());
    c->SetName("X");
    if (auto* control = dynamic_cast<vcl::TControl*>(c)) {
      control->SetBounds(8, 8, 120, 60);
      control->SetParent(form.get());
    }
  }
  vcl::TObject* target = Walk(c, path);
  const vcl::TPropInfo* p = target ? vcl::FindPropInfo(target, path.back()) : nullptr;
  if (!p) return "";
  const std::string refused = testsupport::ErrorOf<vcl::Exception>([&] {
    if (p->Kind() == vcl::tkInt64)
      vcl::SetInt64Prop(target, p, v);
    else
      vcl::SetOrdProp(target, p, v);
  });
  return refused == "<no error>" ? vcl::WriteComponentToBytes(form.get()) : "";
}

// The middle of what shows of a control on its form, in the form's client coordinates (a
// corner of the form when nothing of it shows), computed in 64 bits.
win::POINT Inside(vcl::TCustomForm* form, vcl::TComponent* c) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  if (!control || control == form || control->Parent() != form) return {4, 4};
  const int64_t left = std::max<int64_t>(control->Left(), 0);
  const int64_t top = std::max<int64_t>(control->Top(), 0);
  const int64_t right =
      std::min<int64_t>(int64_t{control->Left()} + control->Width(), form->ClientWidth());
  const int64_t bottom =
      std::min<int64_t>(int64_t{control->Top()} + control->Height(), form->ClientHeight());
  if (left >= right || top >= bottom) return {4, 4};
  return {static_cast<int>((left + right) / 2), static_cast<int>((top + bottom) / 2)};
}

// A user's click, drag and typing on the component of a shown form.
void TakeInput(vcl::TCustomForm* form, vcl::TComponent* c) {
  const win::POINT at = Inside(form, c);
  const win::POINT p = win::testkit::ScreenPoint(form->Handle(), at.X, at.Y);
  win::testkit::Click(p.X, p.Y);
  win::testkit::AdvanceClock(1000);  // not a double click
  win::testkit::Drag(p, {p.X + 24, p.Y + 12});
  if (auto* w = dynamic_cast<vcl::TWinControl*>(c); w && w != form && w->CanFocus()) w->SetFocus();
  win::testkit::TypeText("a1 ");
  for (win::BYTE key : {win::VK_LEFT, win::VK_RIGHT, win::VK_UP, win::VK_DOWN, win::VK_HOME,
                        win::VK_END, win::VK_PRIOR, win::VK_NEXT, win::VK_BACK, win::VK_DELETE})
    win::testkit::KeyPress(key);
  win::testkit::RunUntilIdle();
}

TEST_P(ExtremeValues, EveryIntegerPropertyAtItsLimitsReadFromAFormTakesInput) {
  ASSERT_GT(classes_.size(), 100u);
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const Path& path : IntegerPathsOf(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + Text(path));
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
        const std::string bytes = FormWith(cls, path, v);
        if (bytes.empty()) continue;
        std::unique_ptr<vcl::TCustomForm> form(
            IsForm(cls) ? static_cast<vcl::TCustomForm*>(cls->Create(nullptr))
                        : new vcl::TForm(nullptr));
        // A form file may hold a value its reader refuses.
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(
            [&] { vcl::ReadComponentFromBytes(bytes, form.get()); }));
        vcl::TComponent* c = IsForm(cls) ? form.get() : form->FindComponent("X");
        if (!c) continue;
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] {
          form->Show();
          win::testkit::RunUntilIdle();
        }));
        if (!form->HandleAllocated()) continue;
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { TakeInput(form.get(), c); }));
        EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] {
          win::RedrawWindow(
              form->Handle(), nullptr, nullptr,
              win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
          win::testkit::RunUntilIdle();
          win::testkit::AdvanceClock(kTimerSpan);
        }));
        ++cases;
      }
    }
  }
  EXPECT_GT(cases, 0);
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, ExtremeValues, ::testing::Range(0, kShards));

}  // namespace
