// Users show a message box from OnMouseDown, OnClick, OnChange, OnEnter, OnExit or a timer
// event, move the focus away from OnChange, disable or hide the control from its own OnClick,
// while the component may still hold a gesture: the mouse captured, a button drawn down, a
// repeat timer running, a thumb or a selection dragged, a drop-down open, a hover highlight.
// Over every component class the library's package registers, on a shown form with an edit
// to take the focus, and every gesture event the class publishes, the event's handler (the
// first time it runs) shows a modal form that is closed at once, moves the focus to the
// edit, disables the component or hides it. The input comes three ways: the mouse in the
// middle, the focus and the keys, the mouse near the right edge (arrows, drop-down buttons).
// Then the mouse button or key still down is let go, the mouse moves away and the clock runs
// on. Expected:
//  - no window keeps the mouse, no list or other window is left open;
//  - the letting go raises no click, change or scroll and changes no published value;
//  - while the clock runs on, the component raises no event and changes no value that a twin
//    does not, the twin being given the same input undisturbed and the same interference
//    only once its gesture has ended;
//  - left with the twin's published values and focus, it looks as the twin does (drawn up,
//    nothing highlighted);
//  - enabled and shown again, a second gesture raises the mouse and click events the twin's
//    raises.
// The cases that stay as they are by the class's design are listed with the reason; a listed
// case that passes, or whose class has gone, fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::ControlOf;
using packagetest::TInputStage;
using packagetest::TMade;
using packagetest::TValues;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// What the handler does in the middle of the gesture.
enum class TAct { Modal, Focus, Disable, Hide };

struct TActName {
  TAct Act;
  const char* Name;
};

constexpr TActName kActs[] = {{TAct::Modal, "modal form"},
                              {TAct::Focus, "focus moved"},
                              {TAct::Disable, "disabled"},
                              {TAct::Hide, "hidden"}};

// The events a gesture raises and a handler may interrupt it from: the mouse pressed or
// entering, a click, a change (from the mouse or a key), a scroll, the focus coming or going, a
// timer's tick.
bool IsGestureEvent(const std::string& name) {
  for (const char* part :
       {"MouseDown", "MouseEnter", "Click", "Change", "Scroll", "OnEnter", "OnExit", "Timer"})
    if (name.find(part) != std::string::npos) return true;
  return false;
}

// What a gesture yields: once the gesture was interrupted, letting the button go must not
// yield it.
bool IsGestureResult(const std::string& name) {
  for (const char* part : {"MouseDown", "Click", "Change", "Scroll", "Select", "Execute"})
    if (name.find(part) != std::string::npos) return true;
  return false;
}

// The input of one case, a step at a time; the handler acts in the first step that raises its
// event. A step may leave the mouse button or a key down.
struct TGestureStep {
  const char* Name;
  std::function<void(const TInputStage&)> Run;
  bool ButtonDown;  // after the step
  bool KeyDown;
};

win::POINT OtherSpot(const TInputStage& s) {
  vcl::TWinControl* o = s.Other();
  return tk::ScreenPoint(s.Form()->Handle(), o->Left() + o->Width() / 2,
                         o->Top() + o->Height() / 2);
}

// A point of the form away from both controls.
win::POINT Away(const TInputStage& s) { return tk::ScreenPoint(s.Form()->Handle(), 300, 110); }

// Near the right edge of the control, where arrow and spin buttons stand.
win::POINT RightEdge(const TInputStage& s) {
  vcl::TControl* c = ControlOf(s);
  if (!c || c->Parent() != s.Form()) return packagetest::Spot(s);
  const vcl::TPoint p =
      c->ClientToScreen({std::max(0, c->ClientWidth() - 4), c->ClientHeight() / 4});
  return {p.X, p.Y};
}

win::POINT Dragged(const TInputStage& s) {
  const win::POINT at = packagetest::Spot(s);
  return {at.X + 6, at.Y + 4};
}

const std::vector<TGestureStep>& GestureSteps() {
  static const std::vector<TGestureStep> steps = {
      {"mouse moved in",
       [](const TInputStage& s) {
         const win::POINT at = packagetest::Spot(s);
         tk::MouseMove(at.X, at.Y);
       },
       false, false},
      {"mouse pressed",
       [](const TInputStage& s) {
         const win::POINT at = packagetest::Spot(s);
         tk::MouseDown(at.X, at.Y);
       },
       true, false},
      {"mouse held", [](const TInputStage&) { tk::AdvanceClock(800); }, true, false},
      {"mouse dragged",
       [](const TInputStage& s) {
         const win::POINT at = Dragged(s);
         tk::MouseMove(at.X, at.Y);
       },
       true, false},
      {"mouse released",
       [](const TInputStage& s) {
         const win::POINT at = Dragged(s);
         tk::MouseUp(at.X, at.Y);
       },
       false, false},
      {"focused",
       [](const TInputStage& s) {
         auto* w = dynamic_cast<vcl::TWinControl*>(s.Component());
         if (w && w != s.Form() && w->CanFocus()) w->SetFocus();
         tk::RunUntilIdle();
       },
       false, false},
      {"key pressed", [](const TInputStage&) { tk::KeyDown(win::VK_DOWN); }, false, true},
      {"key held", [](const TInputStage&) { tk::AdvanceClock(800); }, false, true},
      {"key released", [](const TInputStage&) { tk::KeyUp(win::VK_DOWN); }, false, false},
      {"space pressed", [](const TInputStage&) { tk::KeyPress(win::VK_SPACE); }, false, false},
      {"character typed", [](const TInputStage&) { tk::TypeText("a"); }, false, false},
      {"other control pressed",
       [](const TInputStage& s) {
         const win::POINT at = OtherSpot(s);
         tk::MouseDown(at.X, at.Y);
       },
       true, false},
      {"other control released",
       [](const TInputStage& s) {
         const win::POINT at = OtherSpot(s);
         tk::MouseUp(at.X, at.Y);
       },
       false, false},
      {"mouse moved to the right edge",
       [](const TInputStage& s) {
         const win::POINT at = RightEdge(s);
         tk::AdvanceClock(1000);  // not a double click
         tk::MouseMove(at.X, at.Y);
       },
       false, false},
      {"right edge pressed",
       [](const TInputStage& s) {
         const win::POINT at = RightEdge(s);
         tk::MouseDown(at.X, at.Y);
       },
       true, false},
      {"right edge held", [](const TInputStage&) { tk::AdvanceClock(800); }, true, false},
      {"right edge released",
       [](const TInputStage& s) {
         const win::POINT at = RightEdge(s);
         tk::MouseUp(at.X, at.Y);
       },
       false, false},
      {"clock moved on", [](const TInputStage&) { tk::AdvanceClock(2000); }, false, false},
  };
  return steps;
}

// Where the input of a case begins: with the mouse in the middle, with the focus and the
// keys, or with the mouse near the right edge (so that an event met first in one way is also
// met in the others).
std::vector<size_t> Routes() {
  const std::vector<TGestureStep>& steps = GestureSteps();
  std::vector<size_t> routes = {0};
  for (size_t k = 0; k < steps.size(); ++k)
    if (std::string(steps[k].Name) == "focused" ||
        std::string(steps[k].Name) == "mouse moved to the right edge")
      routes.push_back(k);
  return routes;
}

// The events a component raised, by name, in the order raised.
using TRaised = std::vector<std::string>;

std::set<std::string> Names(const TRaised& raised) { return {raised.begin(), raised.end()}; }

std::string Joined(const std::set<std::string>& names) {
  std::string s;
  for (const std::string& n : names) s += (s.empty() ? "" : " ") + n;
  return s;
}

std::set<std::string> Changed(const TValues& before, const TValues& after) {
  std::set<std::string> changed;
  for (const auto& [path, value] : before) {
    auto it = after.find(path);
    if (it == after.end() || it->second != value) changed.insert(path);
  }
  return changed;
}

std::set<std::string> Minus(const std::set<std::string>& a, const std::set<std::string>& b) {
  std::set<std::string> d;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(d, d.end()));
  return d;
}

// Whether the component (a control, or one of the controls it holds) has the focus.
bool HoldsFocus(vcl::TComponent* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  const win::HWND focus = win::GetFocus();
  return w && w->HandleAllocated() && focus &&
         (focus == w->Handle() || win::IsChild(w->Handle(), focus));
}

// The published, writable Enabled of a component that is no control.
const vcl::TPropInfo* EnabledOf(vcl::TComponent* c) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Enabled");
  return p && p->IsWritable() && p->Kind() == vcl::tkEnumeration ? p : nullptr;
}

// Whether the interference can be made on a component of the class.
bool Applies(vcl::TClass cls, TAct act) {
  if (act == TAct::Modal) return true;
  if (packagetest::IsForm(cls)) return false;
  const bool control = cls->InheritsFrom(vcl::TControl::StaticClass());
  if (act == TAct::Disable) {
    if (control) return true;
    const vcl::TPropInfo* p = vcl::GetPropInfo(cls, "Enabled");
    return p && p->IsWritable() && p->Kind() == vcl::tkEnumeration;
  }
  if (act == TAct::Focus) return cls->InheritsFrom(vcl::TWinControl::StaticClass());
  return control;
}

// A listed case: the class, the event ("" for any), the interference ("" for any), the check
// that fails ("" for any) and why it stays so.
struct TListed {
  const char* Class;
  const char* Event;
  const char* Act;
  const char* Check;
  const char* Why;
};

const std::vector<TListed>& Listed() {
  static const std::vector<TListed> listed = {
      // The clock shows the time of day, which has moved on between the interrupted run and
      // its twin; the modal form is the one interference that leaves the clock shown and
      // enabled, so its hands are compared.
      {"TZYLClock", "", "modal form", "picture",
       "shows the time of day, which moved on between the run and its twin"},
      // A press on the button of a combo box that takes the focus, whose OnEnter shows a modal
      // form: once the form is closed the focus is back and the press goes on as a click on
      // the button does, dropping the list, which keeps the mouse until the next click closes
      // it (the second gesture's press). Nothing tells the box that a modal form came between.
      {"TZYLColorComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLDriveComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLFontComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLFontSizeComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLImageComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLPrinterComboBox", "OnEnter", "modal form", "",
       "the press goes on once the modal form closed, and drops the list as a click does"},
      {"TZYLHistoryEdit", "OnEnter", "modal form", "windows",
       "the click on its button goes on once the modal form closed, and drops the list"},
      {"TZYLLabeledListComboBox", "OnEnter", "modal form", "windows",
       "the click on its button goes on once the modal form closed, and drops the list"},
      {"TZYLListComboBox", "OnEnter", "modal form", "windows",
       "the click on its button goes on once the modal form closed, and drops the list"},
      // Entered by a press on its arrows, the spin edit shows its text selected; a modal form
      // from OnEnter hands the focus back after it, and the text stays unselected. Nothing is
      // left pressed or highlighted.
      {"TZYLSpinEdit", "OnEnter", "modal form", "picture",
       "the focus handed back after the modal form leaves the text unselected"},
  };
  return listed;
}

// What one case found wrong: the check and what it saw.
struct TProblem {
  std::string Check;
  std::string Detail;
  // For a picture that differs: what the interrupted run and its twin showed, written out
  // when the difference is not listed.
  tk::TCapture Shown;
  tk::TCapture Expected;
};

class MidGesture : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
  }

  // What a run of one case saw.
  struct TRun {
    size_t ActStep = 0;        // the step the handler acted in; the steps' count when it never did
    bool Interrupted = false;  // the interference took something from the gesture
    TRaised ReleaseEvents;
    std::set<std::string> ReleaseChanges;
    TRaised ClockEvents;
    std::set<std::string> ClockChanges;
    TRaised SecondEvents;
    bool CaptureLeft = false;
    int WindowsLeft = 0;
    bool SecondCaptureLeft = false;
    std::string Error;
    // Once the clock ran on: the published values, whether the component held the focus, and
    // what the form showed of it.
    TValues Settled;
    bool Focused = false;
    tk::TCapture Picture;
  };

  // Makes the interference on the stage's component.
  void Interfere(const TInputStage& s, TAct act) {
    vcl::TComponent* c = s.Component();
    vcl::TControl* control = ControlOf(s);
    switch (act) {
      case TAct::Modal: {
        script_.Do([](vcl::TCustomForm* form) { form->SetModalResult(vcl::mrCancel); });
        std::unique_ptr<vcl::TForm> box(new vcl::TForm(nullptr));
        box->SetBounds(400, 300, 200, 120);
        box->ShowModal();
        break;
      }
      case TAct::Focus:
        if (s.Other()->CanFocus()) s.Other()->SetFocus();
        break;
      case TAct::Disable:
        if (control)
          control->SetEnabled(false);
        else if (const vcl::TPropInfo* p = EnabledOf(c))
          vcl::SetOrdProp(c, p, 0);
        break;
      case TAct::Hide:
        if (control) control->Hide();
        break;
    }
  }

  // Undoes what the interference left, so that a second gesture can be made.
  static void Restore(const TInputStage& s, TAct act) {
    vcl::TControl* control = ControlOf(s);
    if (act == TAct::Disable) {
      if (control)
        control->SetEnabled(true);
      else if (const vcl::TPropInfo* p = EnabledOf(s.Component()))
        vcl::SetOrdProp(s.Component(), p, 1);
    }
    if (act == TAct::Hide && control) control->Show();
    tk::RunUntilIdle();
  }

  // Binds every published event of the component to a handler that records it; the handler
  // of `event` makes the interference the first time it runs, when `interfere`.
  void Bind(const TInputStage& s, const vcl::TPropInfo* event, TAct act, bool interfere,
            TRaised& raised, TRun& run, bool& acted) {
    const std::vector<const vcl::TPropInfo*> events =
        packagetest::EventsOf(s.Component()->ClassType());
    while (handlers_.size() < events.size())
      handlers_.push_back(std::make_unique<packagetest::THandlers>());
    for (size_t i = 0; i < events.size(); ++i) {
      const vcl::TPropInfo* e = events[i];
      const bool target = e == event;
      const vcl::TMethod* m = handlers_[i]->For(
          e->PropType->Signature,
          [this, &s, e, target, act, interfere, &raised, &run, &acted](vcl::TObject*) {
            raised.push_back(e->Name);
            if (!target || acted) return;
            acted = true;
            if (!interfere) return;
            const bool focused = HoldsFocus(s.Component());
            Interfere(s, act);
            run.Interrupted = act != TAct::Focus || (focused && !HoldsFocus(s.Component()));
          });
      if (m) vcl::SetMethodProp(s.Component(), e, *m);
    }
  }

  // Runs a step, keeping the error of one (a dialog of the component's own is closed with the
  // script's error, which is no fault).
  static void Take(const std::function<void()>& step, TRun& run) {
    try {
      step();
    } catch (const vcl::testkit::EDialogScript&) {
    } catch (const std::exception& e) {
      if (run.Error.empty()) run.Error = e.what();
    }
  }

  // One case: the steps from `from` until the handler of `event` has run (`upTo` of them at
  // most); with
  // `interfere`, the handler interferes, else the interference comes once the gesture ended.
  TRun Run(vcl::TClass cls, const vcl::TPropInfo* event, TAct act, bool interfere, size_t from,
           size_t upTo) {
    TRun run;
    // What the handlers record outlives the stage: a component may raise an event as it is
    // freed (a list box writing its data).
    TRaised raised;
    bool acted = false;
    TInputStage s(cls, TMade::InCode);
    // Events the stage raises as it is freed are recorded, never acted on.
    const vcl::TFinally quiet([&] { acted = true; });
    if (vcl::TControl* c = ControlOf(s)) packagetest::GiveItems(c);
    const int windows = packagetest::ShownWindows();
    Bind(s, event, act, interfere, raised, run, acted);
    const std::vector<TGestureStep>& steps = GestureSteps();
    bool buttonDown = false, keyDown = false;
    size_t k = from;
    for (; k < steps.size() && k <= upTo && !acted; ++k) {
      Take([&] { steps[k].Run(s); }, run);
      buttonDown = steps[k].ButtonDown;
      keyDown = steps[k].KeyDown;
    }
    run.ActStep = acted ? k - 1 : steps.size();
    if (!acted && interfere) return run;
    // The button or key still down is let go, the mouse moves away.
    const TValues before = packagetest::PublishedValues(s.Component());
    raised.clear();
    Take(
        [&] {
          win::POINT at;
          win::GetCursorPos(&at);
          if (buttonDown) tk::MouseUp(at.X, at.Y);
          if (keyDown) tk::KeyUp(win::VK_DOWN);
          const win::POINT away = Away(s);
          tk::MouseMove(away.X, away.Y);
        },
        run);
    run.ReleaseEvents = raised;
    const TValues released = packagetest::PublishedValues(s.Component());
    run.ReleaseChanges = Changed(before, released);
    if (!interfere) Take([&] { Interfere(s, act); }, run);
    tk::RunUntilIdle();
    // The clock runs on.
    const TValues settled = packagetest::PublishedValues(s.Component());
    raised.clear();
    Take([&] { tk::AdvanceClock(3000); }, run);
    run.ClockEvents = raised;
    run.ClockChanges = Changed(settled, packagetest::PublishedValues(s.Component()));
    run.CaptureLeft = win::GetCapture() != nullptr || vcl::GetCaptureControl() != nullptr;
    run.WindowsLeft = packagetest::ShownWindows() - windows;
    run.Settled = packagetest::PublishedValues(s.Component());
    run.Focused = HoldsFocus(s.Component());
    if (vcl::TControl* c = ControlOf(s); c && c->Parent() == s.Form()) {
      Take([&] { packagetest::PaintShown(s.Form()); }, run);
      const vcl::TRect r = c->BoundsRect();
      run.Picture = tk::CapturePart(tk::RenderWindow(s.Form()->Handle(), false),
                                    {r.Left, r.Top, r.Right, r.Bottom});
    }
    // A second gesture, undisturbed.
    acted = true;
    Restore(s, act);
    tk::AdvanceClock(1000);  // not a double click
    raised.clear();
    Take(
        [&] {
          const win::POINT at = packagetest::Spot(s);
          tk::MouseMove(at.X, at.Y);
          tk::MouseDown(at.X, at.Y);
          tk::MouseUp(at.X, at.Y);
          const win::POINT away = Away(s);
          tk::MouseMove(away.X, away.Y);
        },
        run);
    run.SecondEvents = raised;
    run.SecondCaptureLeft = win::GetCapture() != nullptr || vcl::GetCaptureControl() != nullptr;
    // Nothing is left behind for the next case.
    if (win::GetCapture()) win::ReleaseCapture();
    return run;
  }

  // What the interrupted run did wrong, measured against the twin.
  static std::vector<TProblem> Problems(const TRun& run, const TRun& twin) {
    std::vector<TProblem> problems;
    auto add = [&](const char* check, const std::string& detail) {
      problems.push_back({check, detail, {}, {}});
    };
    if (!run.Error.empty()) add("raised", run.Error);
    if (run.CaptureLeft) add("capture", "the mouse is still captured");
    if (run.WindowsLeft > 0)
      add("windows", std::to_string(run.WindowsLeft) + " window(s) left open");
    if (run.Interrupted) {
      std::set<std::string> results;
      for (const std::string& e : run.ReleaseEvents)
        if (IsGestureResult(e)) results.insert(e);
      if (!results.empty()) add("release events", Joined(results));
      if (!run.ReleaseChanges.empty()) add("release values", Joined(run.ReleaseChanges));
    }
    const std::set<std::string> clockEvents =
        Minus(Names(run.ClockEvents), Names(twin.ClockEvents));
    if (!clockEvents.empty()) add("clock events", Joined(clockEvents));
    const std::set<std::string> clockValues = Minus(run.ClockChanges, twin.ClockChanges);
    if (!clockValues.empty()) add("clock values", Joined(clockValues));
    std::set<std::string> missing;
    for (const char* e : {"OnMouseDown", "OnMouseUp", "OnClick"}) {
      const std::set<std::string> mine = Names(run.SecondEvents), its = Names(twin.SecondEvents);
      if (its.count(e) && !mine.count(e)) missing.insert(e);
    }
    // Left in the same state, the component looks the same: drawn up, nothing highlighted.
    if (run.Settled == twin.Settled && run.Focused == twin.Focused &&
        tk::CountDifferentPixels(run.Picture, twin.Picture) > 0)
      problems.push_back(
          {"picture", "looks other than the undisturbed twin", run.Picture, twin.Picture});
    if (!missing.empty()) add("second gesture", "not raised: " + Joined(missing));
    if (run.SecondCaptureLeft && !twin.SecondCaptureLeft)
      add("second gesture", "the mouse is still captured");
    return problems;
  }

  std::vector<vcl::TClass> classes_;
  std::vector<std::unique_ptr<packagetest::THandlers>> handlers_;
  // The modal forms are closed at once; every other dialog with the script's error.
  vcl::testkit::TDialogScript script_;
};

bool Matches(const TListed& l, const std::string& cls, const std::string& event,
             const std::string& act, const std::string& check) {
  return cls == l.Class && (!*l.Event || event == l.Event) && (!*l.Act || act == l.Act) &&
         (!*l.Check || check == l.Check);
}

TEST_P(MidGesture, AnInterruptedGestureEndsAndLeavesNothingBehind) {
  ASSERT_GT(classes_.size(), 80u / kShards);
  int cases = 0, interrupted = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    std::set<const TListed*> used;
    for (const vcl::TPropInfo* event : packagetest::EventsOf(cls)) {
      if (!IsGestureEvent(event->Name)) continue;
      std::set<size_t> met;
      for (size_t from : Routes()) {
        // The step that raises the event, found without interfering; a route that meets it in
        // the same step as an earlier one adds nothing.
        const TRun probe = Run(cls, event, TAct::Modal, false, from, GestureSteps().size());
        if (probe.ActStep >= GestureSteps().size()) continue;
        if (!met.insert(probe.ActStep).second) continue;
        for (const TActName& act : kActs) {
          if (!Applies(cls, act.Act)) continue;
          SCOPED_TRACE(cls->ClassName() + "." + event->Name + ", " + act.Name + " in step \"" +
                       GestureSteps()[probe.ActStep].Name + "\"");
          const TRun run = Run(cls, event, act.Act, true, from, probe.ActStep);
          if (run.ActStep >= GestureSteps().size()) continue;
          const TRun twin = Run(cls, event, act.Act, false, from, run.ActStep);
          ++cases;
          if (run.Interrupted) ++interrupted;
          for (const TProblem& p : Problems(run, twin)) {
            auto it = std::find_if(Listed().begin(), Listed().end(), [&](const TListed& l) {
              return Matches(l, cls->ClassName(), event->Name, act.Name, p.Check);
            });
            if (it != Listed().end()) {
              used.insert(&*it);
              continue;
            }
            std::string pictures;
            if (p.Shown.Width > 0)
              pictures = " (" + tk::WriteFailurePng(p.Shown, "interrupted") + ", " +
                         tk::WriteFailurePng(p.Expected, "twin") + ")";
            ADD_FAILURE() << p.Check << ": " << p.Detail << pictures;
          }
        }
      }
    }
    for (const TListed& l : Listed())
      if (cls->ClassName() == l.Class && !used.count(&l))
        ADD_FAILURE() << "listed (" << l.Why << ") but passes: " << l.Class << " " << l.Event << " "
                      << l.Act << " " << l.Check;
  }
  // The handlers did interrupt gestures, so the sweep cannot pass by doing nothing.
  EXPECT_GT(cases, 0);
  EXPECT_GT(interrupted, 0);
  RecordProperty("cases", cases);
  RecordProperty("interrupted", interrupted);
}

INSTANTIATE_TEST_SUITE_P(Shards, MidGesture, ::testing::Range(0, kShards));

// The table names registered classes, each case once, with its reason.
class MidGestureTable : public packagetest::TPackageFixture<> {};

TEST_F(MidGestureTable, NamesRegisteredClassesOnceEachWithAReason) {
  std::set<std::string> names, keys;
  for (vcl::TClass cls : registered_) names.insert(cls->ClassName());
  for (const TListed& l : Listed()) {
    const std::string key = std::string(l.Class) + "|" + l.Event + "|" + l.Act + "|" + l.Check;
    SCOPED_TRACE(key);
    EXPECT_TRUE(names.count(l.Class)) << "no such class registered";
    EXPECT_TRUE(keys.insert(key).second) << "listed twice";
    EXPECT_GT(std::string(l.Why).size(), 10u) << "no reason given";
  }
}

}  // namespace
