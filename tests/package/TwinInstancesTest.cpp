// Users put two or three components of one class on a form, or on two forms. Over every
// component class the library's package registers, read from form files as a user's forms are:
//  - two instances on one shown form and a third on a second form; a user's input and the
//    virtual clock reach the first; the second and the third keep the published values, the
//    run-time state and the picture of a lone instance of the class that received nothing, and
//    the third hears its events as often as the lone one;
//  - the three are freed in each of the six orders; after each one goes, the survivors answer
//    a user's input as a fresh instance does, and once all are gone nothing they installed
//    (timers, hot keys, tray icons, window procedures, hooks) is left;
//  - the classes that hook or subclass their form's window, three on one form, freed in each
//    of the six orders: the form's messages still reach the survivors and the form, the
//    survivors paint the form as a lone one does, and after the last one the form's own window
//    procedures are back.
// A class whose component refuses a second instance, shares one thing between all of them on
// purpose, is one per form or one for the whole application, or shows the machine's state, is
// named in a table with the reason; an entry that no longer holds fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "foundation/ZYLWndProcComponent.h"
#include "platform/classes/Component.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Messages.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHint.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLShapeHintWindow.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FormText.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::TInputStage;
using packagetest::TValues;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
constexpr int kTwins = 3;

// Where the components stand on their forms: the first at the stages' usual place, the second
// beside it (out of the way of the first's resizing step); the third and the lone reference
// stand on their own forms where the second stands on its form.
constexpr win::POINT kFirstAt{8, 8};
constexpr win::POINT kSecondAt{170, 70};
constexpr int kWidth = 120, kHeight = 60;

// Where the forms stand on the screen, apart from each other and from the first form's moves.
constexpr win::POINT kSecondFormAt{400, 0};
constexpr win::POINT kReferenceFormAt{400, 300};

// The classes whose instances do not each stand alone, with the reason.
const std::map<std::string, std::string>& Exempt() {
  static const std::map<std::string, std::string> exempt = {
      {"TZYLFormShadow", "its constructor refuses a second shadow on a form, at run time too"},
      {"TZYLOneInstance", "its constructor refuses a second one anywhere in the application"},
  };
  return exempt;
}

// The classes whose twins share one thing on purpose, so that what the first is given reaches
// the others' values or pictures, with the reason.
const std::map<std::string, std::string>& Shared() {
  static const std::map<std::string, std::string> shared = {
      {"TZYLRadioButton",
       "the radio buttons of one parent are one group: an arrow key moves the check from the "
       "focused one to the next"},
  };
  return shared;
}

// The classes of which one component at a time is the application's current one, with how to
// read it and the reason: the look of every hint shown is the current hint component's, the
// last one enabled; freeing it leaves the plain hint, though others are still enabled.
struct TOneForAll {
  const char* Class;
  vcl::TComponent* (*Current)();
  const char* Reason;
};

const std::vector<TOneForAll>& OneForAll() {
  static const std::vector<TOneForAll> classes = {
      {"TZYLHint", []() -> vcl::TComponent* { return zyl::HintControl; },
       "the hints' look is the last enabled hint component's; when it goes, hints are plain"},
      {"TZYLShapeHint", []() -> vcl::TComponent* { return zyl::ShapeHintControl; },
       "the balloons' look is the last enabled shaped hint's; when it goes, hints are plain"},
  };
  return classes;
}

// The classes that are one per form (a second one is refused only while designing), with what
// two of them on one form show and the reason: the form's system menu holds the own entries of
// one system-menu component; when either goes, the form gets its standard system menu back and
// the other's entries are gone with it.
struct TOnePerForm {
  const char* Class;
  const char* FormText;  // the form with two of them
  // What shows of the survivor on its form once the first has gone: true while it holds.
  bool (*SurvivorsOwnGone)(vcl::TCustomForm* form);
  const char* Reason;
};

int SystemMenuEntries(vcl::TCustomForm* form) {
  return win::GetMenuItemCount(win::GetSystemMenu(form->Handle(), false));
}

const std::vector<TOnePerForm>& OnePerForm() {
  static const std::vector<TOnePerForm> classes = {
      {"TZYLSysMenu",
       "object F: TForm\n"
       "  object M1: TZYLSysMenu\n    Items.Strings = (\n      'One')\n  end\n"
       "  object M2: TZYLSysMenu\n    Items.Strings = (\n      'Two')\n  end\nend\n",
       [](vcl::TCustomForm* form) {
         vcl::TForm plain(nullptr);
         plain.HandleNeeded();
         return SystemMenuEntries(form) == SystemMenuEntries(&plain);
       },
       "one per form: the survivor's entries go with the standard menu the first one's end "
       "brings back"},
  };
  return classes;
}

// The published values that tell the machine's state at the moment they are read, not the
// component's, by class; they are not compared.
const std::map<std::string, std::vector<std::string>>& MachineValues() {
  static const std::map<std::string, std::vector<std::string>> machine = {
      {"TZYLSysInfo", {"MemPhysFree", "MemVirtFree", "MemPageFree"}},
  };
  return machine;
}

// ---------------------------------------------------------------------------------------------
// The forms

// A control is placed at the size given, not the one its empty contents ask for.
void Place(vcl::TComponent* c, vcl::TCustomForm* form, win::POINT at) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  if (!control) return;
  if (const vcl::TPropInfo* a = vcl::GetPropInfo(control, "AutoSize"); a && a->IsWritable())
    vcl::SetOrdProp(control, a, 0);
  control->SetBounds(at.X, at.Y, kWidth, kHeight);
  control->SetParent(form);
}

std::string NameOf(size_t i) { return "X" + std::to_string(i + 1); }

// A form read from a form file that holds components of the class named X1, X2, ... at the
// places given (a form of the class itself, read from its own form file, for a form class);
// the components (the form for a form class) in order. The names start at X<first + 1>: a
// component alone on its form standing for the second of a pair is named as the second is (a
// caption starts as the name). A component that is streamed only as a part of another (a menu
// item) is made in code.
struct TTwinForm {
  vcl::TCustomForm* Form = nullptr;
  std::vector<vcl::TComponent*> Items;
};

TTwinForm ReadTwins(vcl::TClass cls, const std::vector<win::POINT>& places, size_t first = 0) {
  std::string bytes;
  {
    std::unique_ptr<vcl::TCustomForm> written = packagetest::NewRoot(cls);
    if (!packagetest::IsForm(cls))
      for (size_t i = 0; i < places.size(); ++i) {
        vcl::TComponent* c = cls->Create(written.get());
        c->SetName(NameOf(first + i));
        Place(c, written.get(), places[i]);
      }
    bytes = vcl::WriteComponentToBytes(written.get());
  }
  TTwinForm t;
  std::unique_ptr<vcl::TCustomForm> form = packagetest::NewRoot(cls);
  vcl::ReadComponentFromBytes(bytes, form.get());  // a form that fails to read goes
  t.Form = form.release();
  t.Form->SetCaption("Twin");
  if (packagetest::IsForm(cls)) {
    t.Items.push_back(t.Form);
    return t;
  }
  for (size_t i = 0; i < places.size(); ++i) {
    vcl::TComponent* c = t.Form->FindComponent(NameOf(first + i));
    if (!c) {
      c = cls->Create(t.Form);
      Place(c, t.Form, places[i]);
    }
    t.Items.push_back(c);
  }
  return t;
}

// A stage on the form read with the components, the first of them taking the input, moved to
// its place on the screen.
std::unique_ptr<TInputStage> StageOf(const TTwinForm& t, win::POINT at = {0, 0}) {
  auto stage = std::make_unique<TInputStage>(t.Form, t.Items.empty() ? t.Form : t.Items[0]);
  if (at.X || at.Y) {
    t.Form->SetBounds(at.X, at.Y, t.Form->Width(), t.Form->Height());
    tk::RunUntilIdle();
  }
  return stage;
}

// ---------------------------------------------------------------------------------------------
// What is compared

// The published values but the name, and what a component shows of its state at run time.
TValues StateOf(vcl::TComponent* c) {
  TValues values = packagetest::PublishedValues(c);
  // The name, the place in its form's tab order and a form's place on the screen tell the
  // instances apart by design.
  for (const char* apart : {"Name", "TabOrder"}) values.erase(apart);
  if (auto it = MachineValues().find(c->ClassName()); it != MachineValues().end())
    for (const std::string& path : it->second) values.erase(path);
  if (dynamic_cast<vcl::TCustomForm*>(c))
    for (const char* apart : {"Left", "Top"}) values.erase(apart);
  if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) {
    values["(focused)"] = w->Focused() ? "yes" : "no";
    values["(showing)"] = w->Showing() ? "yes" : "no";
  }
  if (auto* hook = dynamic_cast<zyl::TZYLWndProcComponent*>(c))
    values["(hooked)"] = hook->Hooked() ? "yes" : "no";
  return values;
}

std::string Differences(const TValues& actual, const TValues& expected) {
  std::string text;
  for (const std::string& path : packagetest::ChangedPaths(expected, actual))
    text += path + ": " + (actual.count(path) ? actual.at(path) : "(none)") + " instead of " +
            expected.at(path) + "; ";
  return text;
}

// The picture of the control alone, in its form's client area.
tk::TCapture PictureOf(vcl::TComponent* c) {
  auto* control = dynamic_cast<vcl::TControl*>(c);
  auto* form = vcl::GetParentForm(control);
  const tk::TCapture whole = tk::RenderWindow(form->Handle(), false);
  return tk::CapturePart(whole,
                         {control->Left(), control->Top(), control->Left() + control->Width(),
                          control->Top() + control->Height()});
}

// Runs every step of a user's input and the clock on the stage's component; a dialog the input
// brings up is closed at once. Answers the errors that came out of the steps.
std::string TakeSteps(const TInputStage& s) {
  std::string errors;
  const win::POINT at = packagetest::Spot(s);
  for (const packagetest::TStep& step : packagetest::Steps()) {
    try {
      step.Run(s, at);
    } catch (const vcl::testkit::EDialogScript&) {
    } catch (const std::exception& e) {
      errors += std::string(step.Name) + ": " + e.what() + "; ";
    }
  }
  tk::RunUntilIdle();
  return errors;
}

// The published paths a user's input changes on the component of a stage, which starts with the
// focus in the stage's edit; a control is put back at its place
// afterwards, ready for the next round.
std::set<std::string> ChangedByInput(const TInputStage& s, std::string& errors) {
  if (s.Other()->CanFocus()) s.Other()->SetFocus();
  tk::RunUntilIdle();
  auto* control = packagetest::ControlOf(s);
  const vcl::TRect place = control ? control->BoundsRect() : vcl::TRect{0, 0, 0, 0};
  testsupport::TFreeProbe gone(s.Component());
  const TValues before = StateOf(s.Component());
  errors += TakeSteps(s);
  if (gone.Freed) return {"(freed)"};
  std::set<std::string> changed = packagetest::ChangedPaths(before, StateOf(s.Component()));
  if (control) {
    control->SetBoundsRect(place);
    tk::RunUntilIdle();
  }
  return changed;
}

// The window system's counts of what a component installs that survives no freeing.
struct TInstalled {
  size_t Timers, HotKeys, TrayIcons, WindowHooks, ObjectInstances, BoundWndProcs, Properties;
  friend bool operator==(const TInstalled&, const TInstalled&) = default;
};

TInstalled Installed() {
  const tk::TLiveResources r = tk::LiveResources();
  return {r.Timers,          r.HotKeys,       r.TrayIcons, r.WindowHooks,
          r.ObjectInstances, r.BoundWndProcs, r.Properties};
}

std::ostream& operator<<(std::ostream& out, const TInstalled& i) {
  return out << "timers " << i.Timers << ", hot keys " << i.HotKeys << ", tray icons "
             << i.TrayIcons << ", application hooks " << i.WindowHooks << ", object instances "
             << i.ObjectInstances << ", bound window procedures " << i.BoundWndProcs
             << ", window properties " << i.Properties;
}

// The six orders of freeing three.
std::vector<std::array<size_t, kTwins>> Orders() {
  std::array<size_t, kTwins> order{0, 1, 2};
  std::vector<std::array<size_t, kTwins>> orders;
  do orders.push_back(order);
  while (std::next_permutation(order.begin(), order.end()));
  return orders;
}

std::string OrderText(const std::array<size_t, kTwins>& order) {
  std::string text = "freed";
  for (size_t i : order) text += " " + NameOf(i);
  return text;
}

// Counts the calls of every published event of the components it is bound to, by Sender and
// event, and the form's own resizing.
class TCallCount : public vcl::TObject {
 public:
  using TByEvent = std::map<std::string, int>;
  // With `paints` false, the events of painting, drawing and measuring are left out (a twin
  // is painted again when the first beside it changes).
  void Bind(vcl::TComponent* c, bool paints = true) {
    for (const vcl::TPropInfo* e : packagetest::EventsOf(c->ClassType())) {
      if (!paints && IsPaintEvent(e->Name)) continue;
      std::unique_ptr<packagetest::THandlers>& handlers = handlers_[e->Name];
      if (!handlers) handlers = std::make_unique<packagetest::THandlers>();
      const std::string name = e->Name;
      if (const vcl::TMethod* m =
              handlers->For(e->PropType->Signature,
                            [this, name](vcl::TObject* sender) { ++Calls[sender][name]; }))
        vcl::SetMethodProp(c, e, *m);
    }
  }
  static bool IsPaintEvent(const std::string& name) {
    for (const char* part : {"Paint", "Draw", "Measure"})
      if (name.find(part) != std::string::npos) return true;
    return false;
  }
  // Takes the handlers off the component again.
  static void Unbind(vcl::TComponent* c) {
    for (const vcl::TPropInfo* e : packagetest::EventsOf(c->ClassType()))
      vcl::SetMethodProp(c, e, vcl::TMethod{});
  }
  void Resized(vcl::TObject*) { ++Resizes; }
  std::map<vcl::TObject*, TByEvent> Calls;
  int Resizes = 0;

 private:
  std::map<std::string, std::unique_ptr<packagetest::THandlers>> handlers_;
};

// ---------------------------------------------------------------------------------------------

class TwinInstances : public packagetest::TClassesSweep {
 protected:
  void SetUp() override {
    TClassesSweep::SetUp();
    // The package's own classes: the framework's (a splitter beside its twin moves the controls
    // aligned with both) are not what this sweep is about.
    classes_ = RegisteredComponents();
  }
  // Whether the class refuses a second instance as its table entry says, and takes a lone one
  // again once the refused form is gone.
  bool RefusesTwins(vcl::TClass cls) {
    const auto read = [&](size_t count) {
      return testsupport::ErrorOf<vcl::Exception>([&] {
        TTwinForm t = ReadTwins(cls, std::vector<win::POINT>(count, kFirstAt));
        delete t.Form;
      });
    };
    const std::string twins = read(2);
    EXPECT_EQ(read(1), "<no error>");
    return twins != "<no error>";
  }

  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_P(TwinInstances, WhatTheFirstIsGivenReachesNoOther) {
  ASSERT_GT(classes_.size(), 80u);
  int compared = 0, pictured = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    const std::string name = cls->ClassName();
    SCOPED_TRACE(name);
    if (Exempt().count(name)) {
      EXPECT_TRUE(RefusesTwins(cls)) << "stale entry: two on one form are read without error";
      continue;
    }
    if (auto it = MachineValues().find(name); it != MachineValues().end()) {
      for (const std::string& path : it->second) {
        EXPECT_NE(vcl::GetPropInfo(cls, path), nullptr) << "stale entry: no value " << path;
      }
    }
    const bool form = packagetest::IsForm(cls);
    // Outlives the components, which may tell of their end.
    TCallCount calls;
    // The first form, then the second, then the reference: a tray icon of the first is the
    // first in the tray.
    TTwinForm a = ReadTwins(cls, {kFirstAt, kSecondAt});
    if (form) a.Items.push_back(ReadTwins(cls, {}).Form);
    std::unique_ptr<TInputStage> first = StageOf(a);
    std::vector<std::unique_ptr<TInputStage>> more;  // the other forms of a form class
    if (form) {
      auto* other = static_cast<vcl::TCustomForm*>(a.Items[1]);
      more.push_back(StageOf(TTwinForm{other, {other}}, {kSecondAt.X, 260}));
    }
    TTwinForm b = ReadTwins(cls, {kSecondAt}, 1);
    std::unique_ptr<TInputStage> second = StageOf(b, kSecondFormAt);
    TTwinForm r = ReadTwins(cls, {kSecondAt}, 1);
    std::unique_ptr<TInputStage> reference = StageOf(r, kReferenceFormAt);

    // The focus is in the edits of the forms that take no input, as it ends on the first's.
    for (TInputStage* s : {second.get(), reference.get()})
      if (s->Other()->CanFocus()) s->Other()->SetFocus();
    tk::RunUntilIdle();
    for (vcl::TComponent* c : {a.Items[1], b.Items[0], r.Items[0]}) calls.Bind(c, false);
    EXPECT_EQ(TakeSteps(*first), "");
    tk::AdvanceClock(packagetest::kTimerSpan);
    tk::RunUntilIdle();
    ++compared;
    const TValues expected = StateOf(r.Items[0]);
    const bool shared = Shared().count(name) > 0;
    bool reached = false;
    for (vcl::TComponent* twin : {a.Items[1], b.Items[0]}) {
      SCOPED_TRACE(twin == b.Items[0] ? "the one on the second form" : "the second on the form");
      // The one on the second form heard its events as often as the lone one (the second on
      // the first's form hears what the form does: an arrow key moves the focus on to it, the
      // form the first moves is its form too).
      if (twin == b.Items[0]) {
        EXPECT_EQ(calls.Calls[twin], calls.Calls[r.Items[0]]);
      }
      const std::string differences = Differences(StateOf(twin), expected);
      reached = reached || !differences.empty();
      if (!shared) {
        EXPECT_EQ(differences, "");
      }
    }
    if (!form && !shared) {
      // The second form and the reference's hold the same; the second form is no longer
      // active, as the reference's is not.
      EXPECT_TRUE(tk::SamePixels(tk::RenderWindow(b.Form->Handle()),
                                 tk::RenderWindow(r.Form->Handle()), "twin_form_" + name));
      if (dynamic_cast<vcl::TControl*>(a.Items[1])) {
        ++pictured;
        EXPECT_TRUE(tk::SamePixels(PictureOf(a.Items[1]), PictureOf(r.Items[0]), "twin_" + name));
      }
    }
    if (shared) {
      EXPECT_TRUE(reached) << "stale entry: the twins kept their own values";
    }
  }
  RecordProperty("compared", compared);
  RecordProperty("pictured", pictured);
}

TEST_P(TwinInstances, FreedInAnyOrderTheSurvivorsWorkAndNothingIsLeft) {
  int orders = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    const std::string name = cls->ClassName();
    if (Exempt().count(name)) continue;
    SCOPED_TRACE(name);
    const bool form = packagetest::IsForm(cls);
    const bool shared = Shared().count(name) > 0;
    std::string errors;
    // What a fresh instance's values do under the input, the first time and the second.
    std::set<std::string> fresh[2];
    {
      TInputStage s(cls, packagetest::TMade::FromFormFile);
      for (std::set<std::string>& round : fresh) round = ChangedByInput(s, errors);
    }
    // What the forms alone hold: the counts expected once every instance is gone.
    TInstalled formsAlone{};
    if (!form) {
      const TInstalled before = Installed();
      TTwinForm a = ReadTwins(cls, {}), b = ReadTwins(cls, {});
      auto sa = std::make_unique<TInputStage>(a.Form, a.Form);
      auto sb = StageOf(TTwinForm{b.Form, {b.Form}}, kSecondFormAt);
      formsAlone = Installed();
      sa.reset();
      sb.reset();
      tk::RunUntilIdle();
      EXPECT_EQ(Installed(), before);
    }
    for (const std::array<size_t, kTwins>& order : Orders()) {
      SCOPED_TRACE(OrderText(order));
      ++orders;
      const tk::TLiveResources start = tk::LiveResources();
      {
        TTwinForm a = ReadTwins(cls, {kFirstAt, kSecondAt});
        TTwinForm b{};
        if (form) {
          b = ReadTwins(cls, {});
          a.Items.push_back(b.Form);
        }
        TTwinForm c = ReadTwins(cls, {kSecondAt}, 1);
        a.Items.push_back(c.Items[0]);
        // A stage per component, for its own input; the forms stay until the stages go.
        std::vector<std::unique_ptr<TInputStage>> stages;
        stages.push_back(StageOf(a));
        stages.push_back(
            std::make_unique<TInputStage>(a.Items[1]->Owner() ? a.Form : b.Form, a.Items[1]));
        stages.push_back(StageOf(TTwinForm{c.Form, c.Items}, kSecondFormAt));
        std::vector<std::unique_ptr<testsupport::TFreeProbe>> gone;
        for (vcl::TComponent* item : a.Items)
          gone.push_back(std::make_unique<testsupport::TFreeProbe>(item));
        int rounds[kTwins] = {};  // of input each has taken
        for (size_t k = 0; k < kTwins; ++k) {
          const size_t freed = order[k];
          if (!gone[freed]->Freed) delete a.Items[freed];
          tk::RunUntilIdle();
          for (size_t j = k + 1; j < kTwins; ++j) {
            const size_t survivor = order[j];
            SCOPED_TRACE("survivor " + NameOf(survivor));
            ASSERT_FALSE(gone[survivor]->Freed);
            const std::set<std::string> changed = ChangedByInput(*stages[survivor], errors);
            if (!shared) {
              EXPECT_EQ(changed, fresh[rounds[survivor]]);
            }
            ++rounds[survivor];
          }
        }
        if (!form) {
          EXPECT_EQ(Installed(), formsAlone);
          // The forms' system menus hold no entry of a component gone.
          vcl::TForm plain(nullptr);
          plain.HandleNeeded();
          for (vcl::TCustomForm* f : {a.Form, c.Form})
            EXPECT_EQ(SystemMenuEntries(f), SystemMenuEntries(&plain));
        }
      }
      tk::RunUntilIdle();
      EXPECT_EQ(tk::ResourceChanges(start, tk::LiveResources()), "");
    }
    EXPECT_EQ(errors, "");
  }
  RecordProperty("orders", orders);
}

INSTANTIATE_TEST_SUITE_P(Shards, TwinInstances, ::testing::Range(0, kShards));

class OneForAllTwins : public packagetest::TPackageFixture<> {};

TEST_F(OneForAllTwins, AClassThatIsOnePerFormLosesTheSurvivorsWorkWithTheFirst) {
  for (const TOnePerForm& entry : OnePerForm()) {
    SCOPED_TRACE(entry.Class);
    ASSERT_NE(vcl::FindClass(entry.Class), nullptr) << "stale entry: no such class";
    std::unique_ptr<vcl::TForm> form = testsupport::FormFromText(entry.FormText);
    form->Show();
    tk::RunUntilIdle();
    ASSERT_EQ(form->ComponentCount(), 2);
    EXPECT_FALSE(entry.SurvivorsOwnGone(form.get()));
    delete form->Components(0);
    tk::RunUntilIdle();
    EXPECT_TRUE(entry.SurvivorsOwnGone(form.get())) << "stale entry: " << entry.Reason;
  }
}

TEST_F(OneForAllTwins, TheLastEnabledIsCurrentAndItsGoingLeavesNone) {
  for (const TOneForAll& entry : OneForAll()) {
    SCOPED_TRACE(entry.Class);
    vcl::TClass cls = vcl::FindClass(entry.Class);
    ASSERT_NE(cls, nullptr) << "stale entry: no such class";
    TTwinForm t = ReadTwins(cls, {kFirstAt, kSecondAt, kFirstAt});
    std::unique_ptr<vcl::TCustomForm> form(t.Form);
    EXPECT_EQ(entry.Current(), t.Items[2]);
    delete t.Items[0];  // another than the current one: the current one stays
    EXPECT_EQ(entry.Current(), t.Items[2]);
    delete t.Items[2];
    EXPECT_EQ(vcl::GetPropValue(t.Items[1], "Enabled"), "True");
    EXPECT_EQ(entry.Current(), nullptr) << "stale entry: " << entry.Reason;
  }
}

// ---------------------------------------------------------------------------------------------
// The components that hook or subclass their form's window

// The window procedures of a form: the method its messages go through and the window's own.
struct TFormProcs {
  vcl::TMethod Method;
  win::LONG_PTR Window = 0;
  friend bool operator==(const TFormProcs& a, const TFormProcs& b) {
    return a.Method.Code == b.Method.Code && a.Method.Data == b.Method.Data && a.Window == b.Window;
  }
};

TFormProcs ProcsOf(vcl::TCustomForm* form) {
  return {form->WindowProc().Method(), win::GetWindowLongPtr(form->Handle(), win::GWLP_WNDPROC)};
}

// A published reference to a windowed control that names what the component subclasses; the
// form itself is named there (written to the form file with the components).
const vcl::TPropInfo* SubclassedControl(vcl::TClass cls) {
  for (const char* name : {"Control"}) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(cls, name);
    if (p && p->Kind() == vcl::tkClass && p->IsWritable() && p->PropType->ClassType() &&
        vcl::TCustomForm::StaticClass()->InheritsFrom(p->PropType->ClassType()))
      return p;
  }
  return nullptr;
}

// A shown form read from a form file holding `count` components of the class (each naming the
// form where it names a control to subclass); the form and the components.
TTwinForm ReadHookers(vcl::TClass cls, size_t count) {
  std::string bytes;
  {
    vcl::TForm written(nullptr);
    written.SetName("Hooked");
    written.SetBounds(0, 0, 320, 240);
    for (size_t i = 0; i < count; ++i) {
      vcl::TComponent* c = cls->Create(&written);
      c->SetName(NameOf(i));
      if (const vcl::TPropInfo* p = SubclassedControl(cls)) vcl::SetObjectProp(c, p, &written);
    }
    bytes = vcl::WriteComponentToBytes(&written);
  }
  TTwinForm t;
  t.Form = new vcl::TForm(nullptr);
  vcl::ReadComponentFromBytes(bytes, t.Form);
  for (size_t i = 0; i < count; ++i) t.Items.push_back(t.Form->FindComponent(NameOf(i)));
  t.Form->Show();
  tk::RunUntilIdle();
  return t;
}

// What a form's window is told when a user moves and resizes it and puts it back, switches away
// and back, and the system's settings, colours and display change.
void TellTheForm(vcl::TCustomForm* form, vcl::TCustomForm* elsewhere) {
  const win::HWND h = form->Handle();
  const vcl::TRect place = form->BoundsRect();
  form->SetBounds(form->Left() + 10, form->Top() + 6, form->Width() + 20, form->Height() + 10);
  tk::RunUntilIdle();
  form->SetBoundsRect(place);
  tk::RunUntilIdle();
  win::SetActiveWindow(elsewhere->Handle());
  tk::RunUntilIdle();
  win::SetActiveWindow(h);
  tk::RunUntilIdle();
  win::MINMAXINFO info{};
  win::SendMessageA(h, win::WM_GETMINMAXINFO, 0, reinterpret_cast<win::LPARAM>(&info));
  const char section[] = "intl";
  win::SendMessageA(h, win::WM_WININICHANGE, 0, reinterpret_cast<win::LPARAM>(section));
  win::SendMessageA(h, win::WM_SYSCOLORCHANGE, 0, 0);
  win::SendMessageA(h, win::WM_DISPLAYCHANGE, 32, win::MAKELPARAM(1024, 768));
  win::RedrawWindow(h, nullptr, nullptr, win::RDW_INVALIDATE | win::RDW_FRAME | win::RDW_ERASE);
  tk::RunUntilIdle();
  win::SendMessageA(h, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>("Told"));
}

// The events heard (how often may differ: a form told the first time hears more).
std::set<std::string> Names(const TCallCount::TByEvent& calls) {
  std::set<std::string> names;
  for (const auto& [name, times] : calls)
    if (times > 0) names.insert(name);
  return names;
}

class FormHookingTwins : public packagetest::TPackageFixture<> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    for (vcl::TClass cls : RegisteredComponents())
      if (!packagetest::IsControlClass(cls) && !packagetest::IsForm(cls) &&
          !Exempt().count(cls->ClassName()))
        classes_.push_back(cls);
  }
  // Whether a component of the class read with its form hooks or subclasses the form's window
  // (freeing it changes the form's window procedures); the form's own procedures, unhooked.
  static bool Hooks(vcl::TClass cls, TFormProcs& own) {
    TTwinForm t = ReadHookers(cls, 1);
    const TFormProcs hooked = ProcsOf(t.Form);
    delete t.Items[0];
    own = ProcsOf(t.Form);
    delete t.Form;
    return !(hooked == own);
  }
  std::vector<vcl::TClass> classes_;
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_F(FormHookingTwins, ThreeOnAFormFreedInEachOrderKeepTheChainWhole) {
  std::vector<std::string> hooking, hearing;
  for (vcl::TClass cls : classes_) {
    const std::string name = cls->ClassName();
    SCOPED_TRACE(name);
    TFormProcs own;
    if (!Hooks(cls, own)) continue;
    hooking.push_back(name);
    vcl::TForm elsewhere(nullptr);
    elsewhere.SetBounds(500, 400, 200, 150);
    elsewhere.Show();
    // What a lone one hears, and its form.
    TCallCount lone;
    TCallCount::TByEvent heard;
    tk::TCapture picture;  // the lone one's form, told
    {
      TTwinForm r = ReadHookers(cls, 1);
      lone.Bind(r.Items[0]);
      r.Form->OnResize = vcl::TNotifyEvent(&lone, &TCallCount::Resized);
      TellTheForm(r.Form, &elsewhere);
      EXPECT_EQ(r.Form->Caption(), "Told");
      heard = lone.Calls[r.Items[0]];
      picture = tk::RenderWindow(r.Form->Handle());
      if (!heard.empty()) hearing.push_back(name);
      TCallCount::Unbind(r.Items[0]);
      r.Form->OnResize = {};
      delete r.Form;
    }
    for (const std::array<size_t, kTwins>& order : Orders()) {
      SCOPED_TRACE(OrderText(order));
      const TInstalled before = Installed();
      TTwinForm t = ReadHookers(cls, kTwins);
      testsupport::TFreeProbe formGone(t.Form);
      own.Method.Data = t.Form;
      std::set<size_t> alive = {0, 1, 2};
      for (size_t freed : order) {
        delete t.Items[freed];
        alive.erase(freed);
        tk::RunUntilIdle();
        ASSERT_FALSE(formGone.Freed);
        TCallCount count;
        for (size_t i : alive) count.Bind(t.Items[i]);
        t.Form->OnResize = vcl::TNotifyEvent(&count, &TCallCount::Resized);
        TellTheForm(t.Form, &elsewhere);
        t.Form->OnResize = {};
        // The form hears its messages, and so does every survivor, as a lone one does.
        EXPECT_EQ(t.Form->Caption(), "Told");
        EXPECT_EQ(count.Resizes, lone.Resizes);
        // The survivors paint the form as the lone one does.
        if (!alive.empty()) {
          EXPECT_TRUE(
              tk::SamePixels(tk::RenderWindow(t.Form->Handle()), picture, "hooked_" + name));
        }
        for (size_t i : alive) {
          EXPECT_EQ(Names(count.Calls[t.Items[i]]), Names(heard)) << NameOf(i);
          TCallCount::Unbind(t.Items[i]);
        }
      }
      EXPECT_EQ(ProcsOf(t.Form), own);
      delete t.Form;
      tk::RunUntilIdle();
      EXPECT_EQ(Installed(), before);
    }
  }
  // The form stylers, fills, shadows, system menus, tray icons, form components, hooks and
  // file drops are among them.
  EXPECT_GE(hooking.size(), 8u) << ::testing::PrintToString(hooking);
  RecordProperty("hooking", ::testing::PrintToString(hooking));
  RecordProperty("hearing", ::testing::PrintToString(hearing));
}

}  // namespace
