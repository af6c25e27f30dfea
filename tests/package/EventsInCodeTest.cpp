// A programmer's first hour: components made in code and handlers assigned in code. Over every
// component class the library's package registers, on a shown form, and every published event
// of the class that a user's standard input raises (the mouse clicked, double-clicked, pressed,
// moved, released and its wheel turned on the control, keys typed into it, the focus moved in
// and out, text typed into it, the control resized), the handler is assigned in code through
// the published event as user code does, the input is made, and the handler has to run with
// the component (or the inner control its class hands the event to) as Sender. The component
// is made in code (no form file, nothing loaded), or read from a form file and its handlers
// then assigned in code, or assigned and then changed in code: the new handler runs, the old
// one no more. The pairs that stay silent by the class's design are listed with the reason;
// a listed pair that starts firing, or whose class or event has gone, fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "edits/ZYLListBox.h"
#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"

namespace {

using packagetest::TInputStage;
using packagetest::TMade;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// How much lower a second round of input goes (about a list line).
constexpr int kLower = 14;

// An event and the steps that raise it.
struct TEventInput {
  const char* Event;
  std::vector<const char*> Steps;
};

// The wheel turned towards the user's screen top; the shared steps turn it the other way.
constexpr char kWheelUp[] = "wheel turned up";
// The control (the form for a component that is no control) made larger by some pixels each
// time, so that a second round resizes it again.
constexpr char kGrown[] = "grown";
// The mouse moved onto the other control, so that moving in is a move.
constexpr char kMovedAway[] = "mouse moved away";
// The up arrow, which takes a slider or a spin edit at its lowest value up.
constexpr char kUpPressed[] = "up pressed";

// A component that is no control hears the mouse through the icon it puts in the tray, if any.
const std::vector<TEventInput>& TrayInputs() {
  static const std::vector<TEventInput> inputs = {
      {"OnClick", {"tray icon clicked"}},     {"OnDblClick", {"tray icon double-clicked"}},
      {"OnMouseDown", {"tray icon clicked"}}, {"OnMouseMove", {"tray icon clicked"}},
      {"OnMouseUp", {"tray icon clicked"}},
  };
  return inputs;
}

const std::vector<TEventInput>& Inputs() {
  static const std::vector<TEventInput> inputs = {
      {"OnClick", {"clicked"}},
      {"OnDblClick", {"double-clicked"}},
      {"OnMouseDown", {"mouse pressed", "mouse released"}},
      {"OnMouseMove", {kMovedAway, "mouse moved in", "mouse moved across"}},
      {"OnMouseUp", {"mouse pressed", "mouse released"}},
      {"OnMouseWheel", {"focused", "mouse moved in", "wheel turned"}},
      {"OnMouseWheelDown", {"focused", "mouse moved in", "wheel turned"}},
      {"OnMouseWheelUp", {"focused", "mouse moved in", kWheelUp}},
      {"OnKeyDown", {"focused", "character typed"}},
      {"OnKeyPress", {"focused", "character typed"}},
      {"OnKeyUp", {"focused", "character typed"}},
      {"OnEnter", {"focus moved away", "focused"}},
      {"OnExit", {"focused", "focus moved away"}},
      {"OnChange", {"focused", "character typed", "key pressed", kUpPressed, "clicked"}},
      {"OnResize", {kGrown}},
  };
  return inputs;
}

// Runs the step of that name.
void RunStep(const std::string& name, const TInputStage& s, win::POINT at) {
  if (name == kWheelUp) {
    win::testkit::Wheel(120);
  } else if (name == kMovedAway) {
    const vcl::TPoint p = s.Other()->ClientToScreen(vcl::TPoint{4, 4});
    win::testkit::MouseMove(p.X, p.Y);
  } else if (name == kUpPressed) {
    win::testkit::KeyPress(win::VK_UP);
  } else if (name == kGrown) {
    vcl::TControl* c = packagetest::ControlOf(s);
    if (!c) c = s.Form();
    c->SetBounds(c->Left(), c->Top(), c->Width() + 12, c->Height() + 8);
    win::testkit::RunUntilIdle();
  } else {
    packagetest::StepNamed(name).Run(s, at);
  }
}

// How the handler comes to the component.
enum class TWay { MadeInCode, AssignedAfterLoading, ChangedAfterLoading };

std::string WayName(TWay way) {
  switch (way) {
    case TWay::MadeInCode: return "MadeInCode";
    case TWay::AssignedAfterLoading: return "AssignedAfterLoading";
    case TWay::ChangedAfterLoading: return "ChangedAfterLoading";
  }
  return "";
}

// A (class, event) pair that a user's standard input does not raise, and why; silent in the
// ways listed (every way when none is).
struct TSilent {
  const char* Class;
  const char* Event;
  const char* Why;
  std::set<TWay> Ways = {};
};

constexpr char kComboClick[] =
    "a combo box tells OnClick when an item is picked from its list, which a click on the box "
    "only drops down";
constexpr char kComboDblClick[] =
    "a combo box tells of a double click on its list only in the simple style, whose list "
    "always shows";
constexpr char kComboEditMouse[] =
    "the mouse over the edit part of a drop-down combo box goes to its edit, not to the box's "
    "mouse events (the box's frame below the edit hears it)";
// The ways whose one round of input is made in the middle of the control (the second round of
// a changed handler goes lower, onto another line or a frame).
const std::set<TWay> kFirstRound = {TWay::MadeInCode, TWay::AssignedAfterLoading};
constexpr char kComboUp[] =
    "pressing the mouse drops the list down, which takes the mouse until it is released";
constexpr char kEmptyMask[] =
    "the default mask type is a mask, and the empty mask has no place for a typed character";
constexpr char kReadOnlyColor[] =
    "read-only by default: the colour comes from the colour dialog, which the test closes "
    "unanswered";
constexpr char kSizesOfNoFont[] =
    "lists the sizes of its font: with no FontName and no linked font control it lists none, "
    "so there is nothing to pick";
constexpr char kSizeKeys[] =
    "takes only digits, signs and control characters, and no key at all while FontName is "
    "empty";
constexpr char kTrayInCode[] =
    "made in code its icon goes into the tray when Active is set (a loaded one goes in on "
    "loading), and the icon is what hears the mouse";
constexpr char kFromItsMenu[] = "raised by the menu items it makes, not by input on the form";

const std::vector<TSilent>& SilentPairs() {
  static const std::vector<TSilent> silent = {
      {"TZYLColorComboBox", "OnClick", kComboClick},
      {"TZYLColorComboBox", "OnDblClick", kComboDblClick},
      {"TZYLColorEdit", "OnChange", kReadOnlyColor},
      {"TZYLComboBox", "OnClick", kComboClick},
      {"TZYLComboBox", "OnDblClick", kComboDblClick},
      {"TZYLComboBox", "OnMouseDown", kComboEditMouse, kFirstRound},
      {"TZYLComboBox", "OnMouseMove", kComboEditMouse, kFirstRound},
      {"TZYLComboBox", "OnMouseUp", kComboEditMouse, kFirstRound},
      {"TZYLDriveComboBox", "OnChange",
       "lists the machine's drives with the current one chosen; a typed letter or an arrow "
       "chooses only another drive that exists, and here there is none"},
      {"TZYLDriveComboBox", "OnClick", kComboClick},
      {"TZYLDriveComboBox", "OnDblClick", kComboDblClick},
      {"TZYLFontComboBox", "OnClick", kComboClick},
      {"TZYLFontComboBox", "OnDblClick", kComboDblClick},
      {"TZYLFontSizeComboBox", "OnChange", kSizesOfNoFont},
      {"TZYLFontSizeComboBox", "OnClick", kComboClick},
      {"TZYLFontSizeComboBox", "OnDblClick", kComboDblClick},
      {"TZYLFontSizeComboBox", "OnKeyPress", kSizeKeys},
      {"TZYLFontSizeListBox", "OnClick", kSizesOfNoFont},
      {"TZYLFontSizeListBox", "OnDblClick", kSizesOfNoFont},
      {"TZYLFontSizeListBox", "OnKeyPress", kSizeKeys},
      {"TZYLFormDisplay", "OnChange",
       "tells of another hosted form becoming active; made without forms it has none"},
      {"TZYLFormTabControl", "OnChange",
       "tells of another hosted form's tab becoming active; made without forms it has none"},
      {"TZYLGlobalHotKey", "OnKeyDown",
       "raised by its hot key pressed anywhere in the system, not by keys typed on the form"},
      {"TZYLImageComboBox", "OnClick", kComboClick},
      {"TZYLImageComboBox", "OnDblClick", kComboDblClick},
      {"TZYLImageComboBox", "OnMouseUp", kComboUp},
      {"TZYLLabeledColorEdit", "OnChange", kReadOnlyColor},
      {"TZYLLabeledFontSizeListBox", "OnClick", kSizesOfNoFont},
      {"TZYLLabeledFontSizeListBox", "OnDblClick", kSizesOfNoFont},
      {"TZYLLabeledFontSizeListBox", "OnKeyPress", kSizeKeys},
      {"TZYLLabeledMaskEdit", "OnChange", kEmptyMask},
      {"TZYLMaskEdit", "OnChange", kEmptyMask},
      {"TZYLMRUList", "OnChange", "tells of its list of files changing, which no input does here"},
      {"TZYLMRUList", "OnClick", kFromItsMenu},
      {"TZYLPopupMenu", "OnChange", "a menu tells of its items changing, which no input does"},
      {"TZYLPrinterComboBox",
       "OnChange",
       "made in code it lists the printers once Init is called (a loaded one lists them on "
       "loading); the one printer here, once picked, leaves a second round nothing to pick",
       {TWay::MadeInCode, TWay::ChangedAfterLoading}},
      {"TZYLPrinterComboBox", "OnClick", kComboClick},
      {"TZYLPrinterComboBox", "OnDblClick", kComboDblClick},
      {"TZYLSysMenu", "OnChange", "tells of its entries changing, which no input does"},
      {"TZYLSysMenu", "OnClick", "raised by its entries in the form's system menu"},
      {"TZYLTrayIcon", "OnClick", kTrayInCode, {TWay::MadeInCode}},
      {"TZYLTrayIcon", "OnDblClick", kTrayInCode, {TWay::MadeInCode}},
      {"TZYLTrayIcon", "OnMouseDown", kTrayInCode, {TWay::MadeInCode}},
      {"TZYLTrayIcon", "OnMouseMove",
       "raised by the mouse moving over the icon in the tray, which the steps only click"},
      {"TZYLTrayIcon", "OnMouseUp", kTrayInCode, {TWay::MadeInCode}},
  };
  return silent;
}

const TSilent* SilentPair(const std::string& cls, const std::string& event, TWay way) {
  for (const TSilent& p : SilentPairs())
    if (cls == p.Class && event == p.Event && (p.Ways.empty() || p.Ways.count(way))) return &p;
  return nullptr;
}

// A class that hands events to an inner control, which then names itself as Sender.
struct TInnerSender {
  const char* Class;
  std::set<std::string> Events;
  std::function<vcl::TObject*(vcl::TComponent*)> Inner;
};

const std::vector<TInnerSender>& InnerSenders() {
  static const std::vector<TInnerSender> inner = {
      {"TZYLListBox",
       {"OnClick", "OnDblClick", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp",
        "OnKeyDown", "OnKeyUp", "OnKeyPress"},
       [](vcl::TComponent* c) -> vcl::TObject* {
         return static_cast<zyl::TZYLListBox*>(c)->ListBox();
       }},
  };
  return inner;
}

// The Senders an event of the component may name.
std::set<vcl::TObject*> AllowedSenders(vcl::TComponent* c, const std::string& event) {
  std::set<vcl::TObject*> allowed = {c};
  for (const TInnerSender& inner : InnerSenders())
    if (c->ClassName() == inner.Class && inner.Events.count(event)) allowed.insert(inner.Inner(c));
  return allowed;
}

// What a handler heard.
struct TRecord {
  int Calls = 0;
  std::vector<vcl::TObject*> Senders;
  void Reset() { *this = {}; }
};

class EventsInCode
    : public packagetest::TPackageFixture<::testing::TestWithParam<std::tuple<int, TWay>>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
  }
  void TearDown() override {
    first_.Reset();
    second_.Reset();
    TPackageFixture::TearDown();
  }
  // Assigns the handler of `handlers` that records into `record` to the component's event.
  static void Assign(const TInputStage& s, const vcl::TPropInfo* event,
                     packagetest::THandlers& handlers, TRecord& record) {
    const vcl::TMethod* m = handlers.For(event->PropType->Signature, [&record](vcl::TObject* by) {
      ++record.Calls;
      record.Senders.push_back(by);
    });
    ASSERT_NE(m, nullptr) << "no handler for the signature of " << event->Name;
    vcl::SetMethodProp(s.Component(), event, *m);
  }
  // Makes the input of the event; answers the error that came out of a step. A second round
  // goes a little lower on the control, so that a list's click picks another line.
  static std::string Perform(const TInputStage& s, const TEventInput& input, int round = 0) {
    win::POINT at = packagetest::Spot(s);
    if (vcl::TControl* c = packagetest::ControlOf(s))
      at.Y += round * std::max(0, std::min(kLower, c->Height() / 2 - 2));
    std::vector<const char*> steps = input.Steps;
    // A second round starts away from the control, with a list it dropped down closed.
    if (round) steps.insert(steps.begin(), "focus moved away");
    if (!packagetest::ControlOf(s) && s.Component() != s.Form())
      for (const TEventInput& tray : TrayInputs())
        if (std::string(tray.Event) == input.Event) steps = tray.Steps;
    for (const char* step : steps) {
      try {
        RunStep(step, s, at);
      } catch (const vcl::testkit::EDialogScript&) {
        // A dialog the input brought up was closed at once.
      } catch (const std::exception& e) {
        return std::string(step) + ": " + e.what();
      }
      if (s.FormGone().Freed) break;
    }
    return "";
  }

  std::vector<vcl::TClass> classes_;
  packagetest::THandlers firstHandlers_, secondHandlers_;
  TRecord first_, second_;
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_P(EventsInCode, TheHandlerAssignedInCodeRunsOnTheUsersInput) {
  const auto [shard, way] = GetParam();
  ASSERT_GT(classes_.size(), 80u / kShards);
  int heard = 0, listed = 0;
  for (size_t k = static_cast<size_t>(shard); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const TEventInput& input : Inputs()) {
      const vcl::TPropInfo* event = vcl::GetPropInfo(cls, input.Event);
      if (!event || event->Kind() != vcl::tkMethod) continue;
      SCOPED_TRACE(cls->ClassName() + "." + input.Event);
      first_.Reset();
      second_.Reset();
      TInputStage s(cls, way == TWay::MadeInCode ? TMade::InCode : TMade::FromFormFile);
      if (vcl::TControl* c = packagetest::ControlOf(s)) packagetest::GiveItems(c);
      Assign(s, event, firstHandlers_, first_);
      EXPECT_EQ(Perform(s, input), "");
      TRecord* record = &first_;
      if (way == TWay::ChangedAfterLoading && !s.FormGone().Freed) {
        Assign(s, event, secondHandlers_, second_);
        const int before = first_.Calls;
        EXPECT_EQ(Perform(s, input, 1), "");
        // The handler replaced is not called any more.
        EXPECT_EQ(first_.Calls, before);
        record = &second_;
      }
      if (const TSilent* silent = SilentPair(cls->ClassName(), input.Event, way)) {
        ++listed;
        EXPECT_EQ(record->Calls, 0) << "listed as silent (" << silent->Why << ") but raised";
        continue;
      }
      EXPECT_GT(record->Calls, 0) << "the handler did not run";
      if (record->Calls) ++heard;
      if (s.ComponentGone().Freed) continue;
      const std::set<vcl::TObject*> allowed = AllowedSenders(s.Component(), input.Event);
      for (vcl::TObject* sender : record->Senders)
        EXPECT_TRUE(allowed.count(sender))
            << "Sender was " << (sender ? sender->ClassName() : std::string("nothing"));
    }
  }
  // Most pairs are heard, so the sweep cannot pass by doing nothing.
  EXPECT_GT(heard, 2 * listed);
  RecordProperty("handlers heard", heard);
  RecordProperty("listed silent", listed);
}

INSTANTIATE_TEST_SUITE_P(Shards, EventsInCode,
                         ::testing::Combine(::testing::Range(0, kShards),
                                            ::testing::Values(TWay::MadeInCode,
                                                              TWay::AssignedAfterLoading,
                                                              TWay::ChangedAfterLoading)),
                         [](const auto& info) {
                           return WayName(std::get<1>(info.param)) + "_" +
                                  std::to_string(std::get<0>(info.param));
                         });

// The table of silent pairs names classes the package registers, events they publish and that
// the sweep raises, each pair once and with its reason.
class EventsInCodeTable : public packagetest::TPackageFixture<> {};

TEST_F(EventsInCodeTable, NamesRegisteredClassesAndTheirPublishedEvents) {
  std::set<std::string> names, pairs;
  for (vcl::TClass cls : registered_) names.insert(cls->ClassName());
  EXPECT_FALSE(SilentPairs().empty());
  for (const TSilent& p : SilentPairs()) {
    SCOPED_TRACE(std::string(p.Class) + "." + p.Event);
    EXPECT_TRUE(names.count(p.Class)) << "no such class registered";
    EXPECT_TRUE(std::any_of(Inputs().begin(), Inputs().end(), [&](const TEventInput& i) {
      return std::string(i.Event) == p.Event;
    })) << "an event the sweep does not raise";
    bool published = false;
    for (vcl::TClass cls : registered_)
      if (cls->ClassName() == p.Class) {
        const vcl::TPropInfo* e = vcl::GetPropInfo(cls, p.Event);
        published = e && e->Kind() == vcl::tkMethod;
      }
    EXPECT_TRUE(published) << "the class does not publish the event";
    EXPECT_TRUE(pairs.insert(std::string(p.Class) + "." + p.Event).second) << "listed twice";
    EXPECT_GT(std::string(p.Why).size(), 10u) << "no reason given";
  }
  for (const TInnerSender& inner : InnerSenders())
    EXPECT_TRUE(names.count(inner.Class)) << inner.Class;
}

}  // namespace
