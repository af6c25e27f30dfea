// Users free forms and components from inside event handlers: a click that releases the form, a
// key that closes it, a handler that frees a component the control is linked to. Over every
// component class the library's package registers, on a shown form, and every published event
// a user's input or the virtual clock can raise: the mouse moved, pressed, released, clicked and
// double-clicked on the control and its wheel turned, the control focused, typed into and left,
// the clock moved on, the control hidden, shown and resized. For each event:
//  - its handler releases the form; when the loop has run, the form and the component are freed
//    once each, no handler is called after that and nothing raises;
//  - for each published reference to another component, its handler frees the sibling the
//    reference was set to: the component forgets it and takes input as before.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/Waits.h"
#include "tests/support/FreeProbe.h"

namespace {

using packagetest::Spot;
using packagetest::TInputStage;
using packagetest::TMade;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// What a handler does the first time an event reaches it.
enum class TAct { ReleaseForm, FreeSibling };

// What the handlers of one case share.
struct TCase {
  TAct Act = TAct::ReleaseForm;
  vcl::TCustomForm* Form = nullptr;
  vcl::TComponent* Sibling = nullptr;
  const testsupport::TFreeProbe* FormGone = nullptr;
  int LateCalls = 0;  // calls after the form was freed
  bool Acted = false;
};

// What the first event to reach a handler does; a call after the form was freed is counted.
void Act(TCase& c) {
  if (c.FormGone && c.FormGone->Freed) {
    ++c.LateCalls;
    return;
  }
  if (c.Acted) return;
  c.Acted = true;
  if (c.Act == TAct::ReleaseForm)
    c.Form->Release();
  else
    delete c.Sibling;
}

// Takes the steps until a handler has acted; answers the step it acted in ("" for none), and
// the message of an error that came out of a step. When no handler acted, none acts later
// (a component may tell of its end while the form frees it).
std::string TakeStepsUntilActed(const TInputStage& s, win::POINT at, TCase& c, std::string& error) {
  for (const packagetest::TStep& step : packagetest::Steps()) {
    try {
      step.Run(s, at);
      if (c.Acted) win::testkit::RunUntilIdle();
    } catch (const vcl::testkit::EDialogScript&) {
      // A dialog the input brought up was closed at once.
    } catch (const std::exception& e) {
      error = std::string(step.Name) + ": " + e.what();
    }
    if (c.Acted) return step.Name;
  }
  c.Acted = true;
  return "";
}

// A published reference of the class to another component.
bool IsComponentReference(const vcl::TPropInfo* p) {
  if (p->Kind() != vcl::tkClass || !p->IsWritable()) return false;
  vcl::TClass want = p->PropType->ClassType();
  return want && want->InheritsFrom(vcl::TComponent::StaticClass()) &&
         !want->InheritsFrom(vcl::TCustomForm::StaticClass());
}

// A sibling on the form that the reference takes: a new component of a registered class that
// fits (one that is no control first), set to the reference; nullptr when none is taken.
vcl::TComponent* LinkSibling(vcl::TCustomForm* form, vcl::TComponent* c, const vcl::TPropInfo* p) {
  vcl::TClass want = p->PropType->ClassType();
  std::vector<vcl::TClass> fits;
  for (vcl::TClass k : packagetest::ComponentClasses())
    if (k->InheritsFrom(want) && !packagetest::IsForm(k)) fits.push_back(k);
  std::stable_partition(fits.begin(), fits.end(), [](vcl::TClass k) {
    return !k->InheritsFrom(vcl::TControl::StaticClass());
  });
  for (vcl::TClass k : fits) {
    vcl::TComponent* sibling = nullptr;
    try {
      sibling = k->Create(form);
      if (auto* item = dynamic_cast<vcl::TMenuItem*>(sibling))
        (new vcl::TPopupMenu(form))->Items()->Add(item);
      if (auto* control = dynamic_cast<vcl::TControl*>(sibling)) {
        control->SetBounds(150, 120, 40, 30);
        control->SetParent(form);
      }
      vcl::SetObjectProp(c, p, sibling);
    } catch (const vcl::Exception&) {
      delete sibling;
      continue;
    }
    if (vcl::GetObjectProp(c, p) == sibling) return sibling;
    delete sibling;
  }
  return nullptr;
}

// Whether the control is the component or holds it, however deep.
bool Contains(vcl::TComponent* control, vcl::TComponent* c) {
  for (auto* inner = dynamic_cast<vcl::TControl*>(c); inner; inner = inner->Parent())
    if (inner == control) return true;
  return false;
}

class FreedFromEvents : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
  }
  static std::vector<const vcl::TPropInfo*> Events(vcl::TClass cls) {
    return packagetest::EventsOf(cls);
  }
  // Binds the event of the stage's component to the case's handler; false when the signature
  // has no handler here (which fails).
  bool Bind(const TInputStage& s, const vcl::TPropInfo* event, TCase& c) {
    const vcl::TMethod* m =
        handlers_.For(event->PropType->Signature, [&c](vcl::TObject*) { Act(c); });
    if (!m) {
      ADD_FAILURE() << "no handler for the signature of " << event->Name;
      return false;
    }
    vcl::SetMethodProp(s.Component(), event, *m);
    return true;
  }
  packagetest::THandlers handlers_;
  std::vector<vcl::TClass> classes_;
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_P(FreedFromEvents, AHandlerReleasingTheFormFreesItOnceWhenTheLoopRuns) {
  ASSERT_GT(classes_.size(), 80u / kShards);
  int classes = 0, raising = 0;
  std::vector<std::string> silent;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    if (Events(cls).empty()) continue;
    bool raised = false;
    for (const vcl::TPropInfo* event : Events(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + event->Name);
      TCase c;
      TInputStage s(cls, TMade::FromFormFile);
      c.Form = s.Form();
      c.FormGone = &s.FormGone();
      if (!Bind(s, event, c)) continue;
      std::string error;
      const win::POINT at = Spot(s);
      const std::string step = TakeStepsUntilActed(s, at, c, error);
      EXPECT_EQ(error, "");
      if (step.empty()) continue;
      raised = true;
      SCOPED_TRACE(step);
      EXPECT_TRUE(s.FormGone().Freed);
      EXPECT_TRUE(s.ComponentGone().Freed);
      EXPECT_EQ(s.FormGone().Times, 1);
      EXPECT_EQ(s.ComponentGone().Times, 1);
      // Nothing reaches a freed component afterwards.
      EXPECT_NO_THROW({
        win::testkit::Click(at.X, at.Y);
        win::testkit::TypeText("b");
        win::testkit::AdvanceClock(2000);
      });
      EXPECT_EQ(c.LateCalls, 0);
    }
    ++classes;
    if (raised)
      ++raising;
    else
      silent.push_back(cls->ClassName());
  }
  // Most classes (two in three) have an event that the input raised.
  EXPECT_GE(raising * 3, classes * 2) << ::testing::PrintToString(silent);
  RecordProperty("raising", raising);
  RecordProperty("classes with events", classes);
}

TEST_P(FreedFromEvents, AHandlerFreeingALinkedSiblingLeavesTheComponentWorking) {
  int cases = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    std::vector<const vcl::TPropInfo*> references;
    for (const vcl::TPropInfo* p : vcl::GetPropList(cls))
      if (IsComponentReference(p)) references.push_back(p);
    for (const vcl::TPropInfo* ref : references) {
      for (const vcl::TPropInfo* event : Events(cls)) {
        SCOPED_TRACE(cls->ClassName() + "." + ref->Name + " freed in " + event->Name);
        TCase c;
        c.Act = TAct::FreeSibling;
        TInputStage s(cls, TMade::FromFormFile);
        c.Form = s.Form();
        c.FormGone = &s.FormGone();
        c.Sibling = LinkSibling(s.Form(), s.Component(), ref);
        // A sibling that became the component's parent takes the component with it, from the
        // middle of its own work: not a sibling any more.
        if (!c.Sibling || Contains(c.Sibling, s.Component())) continue;
        testsupport::TFreeProbe siblingGone(c.Sibling);
        if (!Bind(s, event, c)) continue;
        std::string error;
        const std::string step = TakeStepsUntilActed(s, Spot(s), c, error);
        EXPECT_EQ(error, "");
        if (step.empty()) continue;
        SCOPED_TRACE(step);
        ++cases;
        EXPECT_EQ(siblingGone.Times, 1);
        EXPECT_FALSE(s.ComponentGone().Freed);
        if (s.ComponentGone().Freed) continue;
        EXPECT_EQ(vcl::GetObjectProp(s.Component(), ref), nullptr);
        // Later input works.
        std::string later;
        try {
          packagetest::TakeInput(s.Form(), s.Component());
          packagetest::PaintShown(s.Form());
        } catch (const vcl::testkit::EDialogScript&) {
        } catch (const std::exception& e) {
          later = e.what();
        }
        EXPECT_EQ(later, "");
      }
    }
  }
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, FreedFromEvents, ::testing::Range(0, kShards));

// ---------------------------------------------------------------------------------------------
// The owner form freed while one of its dialogs runs its modal loop.

// How the owner goes while the dialog waits.
enum class TOwnerEnd { TimerReleases, TimerClosesWithFree, DialogEventReleases };

// The owner form's timer and close handler, and the dialog's event.
class TOwnerEnder : public vcl::TObject {
 public:
  TOwnerEnder(vcl::TCustomForm* owner, TOwnerEnd how) : owner_(owner), how_(how) {}
  void Tick(vcl::TObject* timer) {
    static_cast<vcl::TTimer*>(timer)->SetEnabled(false);
    if (how_ == TOwnerEnd::TimerReleases)
      owner_->Release();
    else
      owner_->Close();
  }
  void Closing(vcl::TObject*, vcl::TCloseAction& action) { action = vcl::caFree; }
  void DialogEvent(vcl::TObject*) {
    if (!std::exchange(released_, true)) owner_->Release();
  }

 private:
  vcl::TCustomForm* owner_;
  TOwnerEnd how_;
  bool released_ = false;
};

struct TOwnerEndCase {
  const char* Name;
  TOwnerEnd How;
};

// The package's component classes; no script answers the dialogs: they wait for the user.
class OwnerFreedDuringDialog : public packagetest::TPackageFixture<> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
  }
  std::vector<vcl::TClass> classes_;
};

TEST_F(OwnerFreedDuringDialog, EndsTheDialogWhoseExecuteReturns) {
  const TOwnerEndCase ends[] = {
      {"a timer of the owner releases it", TOwnerEnd::TimerReleases},
      {"a timer of the owner closes it, its OnClose asking to free it",
       TOwnerEnd::TimerClosesWithFree},
      {"the dialog's OnCustomize releases the owner", TOwnerEnd::DialogEventReleases},
  };
  int dialogs = 0;
  for (vcl::TClass cls : classes_) {
    for (const TOwnerEndCase& end : ends) {
      SCOPED_TRACE(cls->ClassName() + ": " + end.Name);
      auto* owner = new vcl::TForm(nullptr);
      owner->SetBounds(0, 0, 320, 240);
      vcl::TComponent* dialog = cls->Create(owner);
      const vcl::TPropInfo* customize = vcl::GetPropInfo(dialog, "OnCustomize");
      testsupport::TFreeProbe ownerGone(owner), dialogGone(dialog);
      TOwnerEnder ender(owner, end.How);
      if (end.How == TOwnerEnd::DialogEventReleases) {
        if (!customize) {
          delete owner;
          continue;
        }
        vcl::SetMethodProp(dialog, customize,
                           vcl::TNotifyEvent(&ender, &TOwnerEnder::DialogEvent).Method());
      } else {
        auto* timer = new vcl::TTimer(owner);
        timer->SetInterval(100);
        timer->SetOnTimer(vcl::TNotifyEvent(&ender, &TOwnerEnder::Tick));
        owner->OnClose = vcl::TCloseEvent(&ender, &TOwnerEnder::Closing);
      }
      owner->Show();
      win::testkit::RunUntilIdle();
      bool accepted = true, modal = false;
      std::string error;
      try {
        modal = packagetest::ExecuteModal(dialog, accepted);
      } catch (const std::exception& e) {
        error = e.what();
      }
      if (!modal) {
        delete owner;
        continue;
      }
      ++dialogs;
      EXPECT_EQ(error, "");
      // The dialog was cancelled; an about box answers true however it closes.
      EXPECT_EQ(accepted, cls->ClassName() == "TZYLAboutDlg");
      win::testkit::RunUntilIdle();
      EXPECT_EQ(ownerGone.Times, 1);
      EXPECT_EQ(dialogGone.Times, 1);
      if (!ownerGone.Freed) delete owner;
    }
  }
  EXPECT_GE(dialogs, 6 * 2);
}

}  // namespace
