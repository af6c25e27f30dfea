// A user's handler raises: a failed validation, a file not found. Over every component class the
// library's package registers, on a shown form, and every published event a user's input or the
// virtual clock raises, the event's handler raises the first time it is called (a plain error,
// or the silent EAbort). The error reaches the application's OnException once (EAbort does not:
// it is silent), or, from a step that is a call of the user's own code (focusing, hiding,
// resizing), comes back to that caller once; nothing else raises. Then, with the handler
// counting calls only, the same input again behaves as on a twin component whose handler never
// raised: the handler is called as often, no mouse capture is held once the button is up, no
// more timers run, and the control paints and takes input. A component that took a state for a
// gesture or a change (the mouse captured, a button held down, a timer running, a count or a
// flag raised) is not left in it because the handler raised. The pairs seen to differ from their
// twin while left usable are listed with what differs; a listed pair that behaves fails. The
// dialog components are executed with each handler raising: no form of theirs stays behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "edits/ZYLBrowseDlg.h"
#include "platform/base/Exceptions.h"
#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBaseDialog.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/RaisingHandler.h"

namespace {

using packagetest::TInputStage;
using packagetest::TMade;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// What the user's handler raises.
using testsupport::EHandlerFailed;
constexpr char kFailure[] = "The file was not found";

enum class TRaise { Error, Abort };

// The steps that are calls the user's code makes (not input the loop dispatches): an error of a
// handler they run may come back to the caller.
const std::set<std::string>& CallSteps() {
  static const std::set<std::string> calls = {
      "focused",
      "focus moved away",
      "switched on and the clock moved on",
      "hidden",
      "shown",
      "resized (the form moved and resized for a component that is no control)"};
  return calls;
}

// The handler of the event under test, and what reached the application.
class TWatch : public vcl::TObject {
 public:
  TRaise Raise = TRaise::Error;
  bool Armed = false;   // raises at the next call
  bool Thrown = false;  // has raised
  int Calls = 0;
  int Caught = 0;                   // our error at OnException
  std::vector<std::string> Others;  // anything else at OnException

  void Reset(TRaise raise) {
    Raise = raise;
    Armed = Thrown = false;
    Calls = Caught = 0;
    Others.clear();
  }
  void Called() {
    ++Calls;
    if (!Armed) return;
    Armed = false;
    Thrown = true;
    if (Raise == TRaise::Abort) throw vcl::EAbort("");
    throw EHandlerFailed(kFailure);
  }
  void AppException(vcl::TObject*, vcl::Exception& e) {
    if (dynamic_cast<EHandlerFailed*>(&e))
      ++Caught;
    else if (!dynamic_cast<vcl::testkit::EDialogScript*>(&e))
      Others.push_back(std::string(e.ClassName()) + ": " + e.Message());
  }
  // Whether an exception that came out of a step was ours.
  bool Ours(const std::exception& e) const {
    if (Raise == TRaise::Abort) return dynamic_cast<const vcl::EAbort*>(&e) != nullptr;
    return dynamic_cast<const EHandlerFailed*>(&e) != nullptr;
  }
};

// The steps that end a gesture or a state the component took for it (the button held, the
// mouse above, the focus): a handler raising there must not leave the component in it, so it
// looks as its twin's right after. In the other steps a raising handler refuses the input (a
// key, a press, a turn of the wheel), and the component may look as if it never came.
const std::set<std::string>& GestureEnds() {
  static const std::set<std::string> ends = {"mouse moved in",   "mouse moved across",
                                             "mouse released",   "clicked",
                                             "focus moved away", "hidden"};
  return ends;
}

// The classes that show the time of day, which the twin, given its input later on the clock,
// shows later: their pictures are not compared.
bool ShowsTheTime(const std::string& cls) { return cls == "TZYLClock"; }

// What a stage showed after a round of input.
struct TState {
  bool Captured = false;
  size_t Timers = 0;
};

// Both components start alike: the mouse far from where their form will be.
void AwayFromTheForm() {
  win::testkit::MouseMove(900, 700);
  win::testkit::RunUntilIdle();
}

// What the form shows once painted, with the windows a control dropped down.
win::testkit::TCapture Shot(const TInputStage& s) {
  packagetest::PaintShown(s.Form());
  return win::testkit::CaptureScreen();
}

TState StateNow() { return {win::GetCapture() != nullptr, win::testkit::LiveResources().Timers}; }

// A (class, event) pair whose component after a raising handler differs from its twin, and
// what differs.
struct TExempt {
  const char* Class;
  const char* Event;
  const char* Why;
};

constexpr char kRefusedArrow[] =
    "the raising OnKeyDown refuses the arrow, which scrolled its twin's long list; the press "
    "of the next round then lands on another line";

const std::vector<TExempt>& Exempt() {
  static const std::vector<TExempt> exempt = {
      {"TZYLColorListBox", "OnKeyDown", kRefusedArrow},
      {"TZYLFontComboBox", "OnKeyPress",
       "a typed letter steps through the fonts that start with it; the refused one leaves the "
       "box a font behind its twin"},
      {"TZYLFontListBox", "OnKeyDown", kRefusedArrow},
      {"TZYLLabeledColorListBox", "OnKeyDown", kRefusedArrow},
      {"TZYLLabeledFontListBox", "OnKeyDown", kRefusedArrow},
  };
  return exempt;
}

const TExempt* ExemptPair(const std::string& cls, const std::string& event) {
  for (const TExempt& p : Exempt())
    if (cls == p.Class && event == p.Event) return &p;
  return nullptr;
}

class ThrowingHandlers
    : public packagetest::TPackageFixture<::testing::TestWithParam<std::tuple<int, TRaise>>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = RegisteredComponents();
    saved_ = vcl::Application->OnException;
  }
  void TearDown() override {
    vcl::Application->OnException = saved_;
    TPackageFixture::TearDown();
  }
  // Binds the event of the stage's component to the watch, and the application's errors.
  void Bind(const TInputStage& s, const vcl::TPropInfo* event) {
    const vcl::TMethod* m =
        handlers_.For(event->PropType->Signature, [this](vcl::TObject*) { watch_.Called(); });
    ASSERT_NE(m, nullptr) << "no handler for the signature of " << event->Name;
    vcl::SetMethodProp(s.Component(), event, *m);
    vcl::Application->OnException = vcl::TExceptionEvent(&watch_, &TWatch::AppException);
  }
  // Runs the first `count` steps (all with count 0, stopping after the one in which the handler
  // raised); a step that left the mouse button down is followed by its release. Answers the
  // number of steps run; errors that came out of them go into `escaped` (ours from a call the
  // user's code made into `oursBack`).
  size_t Round(const TInputStage& s, size_t count, std::vector<std::string>& escaped,
               int& oursBack) {
    const std::vector<packagetest::TStep>& steps = packagetest::Steps();
    const win::POINT at = packagetest::Spot(s);
    size_t run = 0;
    bool down = false;
    for (const packagetest::TStep& step : steps) {
      if (count ? run == count : watch_.Thrown) break;
      ++run;
      const std::string name = step.Name;
      try {
        step.Run(s, at);
        win::testkit::RunUntilIdle();
      } catch (const vcl::testkit::EDialogScript&) {
        // A dialog the input brought up was closed at once.
      } catch (const std::exception& e) {
        if (watch_.Ours(e) && CallSteps().count(name))
          ++oursBack;
        else
          escaped.push_back(name + ": " + e.what());
      }
      if (name == "mouse pressed") down = true;
      if (name == "mouse released") down = false;
      if (s.FormGone().Freed) return run;
    }
    if (down) packagetest::StepNamed("mouse released").Run(s, at);
    win::testkit::RunUntilIdle();
    return run;
  }

  std::vector<vcl::TClass> classes_;
  packagetest::THandlers handlers_;
  TWatch watch_;
  vcl::TExceptionEvent saved_;
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers_;
};

TEST_P(ThrowingHandlers, TheErrorArrivesOnceAndTheComponentIsLeftAsItsTwin) {
  const auto [shard, raise] = GetParam();
  ASSERT_GT(classes_.size(), 80u / kShards);
  int raised = 0, listed = 0;
  for (size_t k = static_cast<size_t>(shard); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    for (const vcl::TPropInfo* event : packagetest::EventsOf(cls)) {
      const std::string pair = cls->ClassName() + "." + event->Name;
      SCOPED_TRACE(pair);
      std::vector<std::string> faults;
      auto differ = [&faults](const std::string& what) { faults.push_back(what); };
      // The component whose handler raises.
      watch_.Reset(raise);
      size_t steps = 0;
      std::string raisedIn;
      TState afterRaise, afterAgain;
      win::testkit::TCapture shot, raisedShot;
      int callsAgain = 0;
      {
        AwayFromTheForm();
        TInputStage s(cls, TMade::FromFormFile);
        if (vcl::TControl* c = packagetest::ControlOf(s)) packagetest::GiveItems(c);
        Bind(s, event);
        if (HasFatalFailure()) return;
        watch_.Armed = true;
        std::vector<std::string> escaped;
        int oursBack = 0;
        steps = Round(s, 0, escaped, oursBack);
        watch_.Armed = false;
        if (!watch_.Thrown) continue;
        ++raised;
        const std::string step = raisedIn = packagetest::Steps()[steps - 1].Name;
        SCOPED_TRACE("raised in: " + step);
        EXPECT_EQ(escaped, std::vector<std::string>{});
        EXPECT_EQ(watch_.Others, std::vector<std::string>{});
        if (raise == TRaise::Error)
          EXPECT_EQ(watch_.Caught + oursBack, 1) << "at OnException " << watch_.Caught;
        else
          EXPECT_EQ(watch_.Caught, 0);
        if (s.FormGone().Freed) continue;
        afterRaise = StateNow();
        raisedShot = Shot(s);
        watch_.Calls = 0;
        escaped.clear();
        Round(s, steps, escaped, oursBack);
        afterAgain = StateNow();
        for (const std::string& e : escaped) differ("the input again raised " + e);
        callsAgain = watch_.Calls;
        shot = Shot(s);
        std::string later;
        try {
          packagetest::PaintShown(s.Form());
          packagetest::TakeInput(s.Form(), s.Component());
        } catch (const vcl::testkit::EDialogScript&) {
        } catch (const std::exception& e) {
          later = e.what();
        }
        if (!later.empty()) differ("later input raised " + later);
      }
      // Its twin, whose handler never raised, given the same input.
      watch_.Reset(raise);
      {
        AwayFromTheForm();
        TInputStage s(cls, TMade::FromFormFile);
        if (vcl::TControl* c = packagetest::ControlOf(s)) packagetest::GiveItems(c);
        Bind(s, event);
        std::vector<std::string> escaped;
        int oursBack = 0;
        Round(s, steps, escaped, oursBack);
        const TState twinFirst = StateNow();
        const win::testkit::TCapture twinFirstShot = Shot(s);
        const int64_t n1 = GestureEnds().count(raisedIn) && !ShowsTheTime(cls->ClassName())
                               ? win::testkit::CountDifferentPixels(raisedShot, twinFirstShot)
                               : 0;
        if (n1)
          differ(std::to_string(n1) + " pixels differ from its twin's after the raise, " +
                 win::testkit::WriteFailurePng(raisedShot, "raised_" + pair) + " " +
                 win::testkit::WriteFailurePng(twinFirstShot, "twin_first_" + pair));
        watch_.Calls = 0;
        Round(s, steps, escaped, oursBack);
        // Counted, as the first component's calls were, before the full repaint below.
        const int twinCallsAgain = watch_.Calls;
        const TState twinAgain = StateNow();
        const win::testkit::TCapture twinShot = Shot(s);
        // A handler that raised refused what the input asked (a key, a turn of the wheel):
        // the component then took one round of input less than its twin.
        const int64_t n = ShowsTheTime(cls->ClassName())
                              ? 0
                              : std::min(win::testkit::CountDifferentPixels(shot, twinShot),
                                         win::testkit::CountDifferentPixels(shot, twinFirstShot));
        if (n)
          differ(std::to_string(n) + " pixels differ from its twin's, " +
                 win::testkit::WriteFailurePng(shot, "thrown_" + pair) + " " +
                 win::testkit::WriteFailurePng(twinShot, "twin_" + pair));
        if (afterRaise.Captured && !twinFirst.Captured) differ("the mouse stayed captured");
        if (afterAgain.Captured != twinAgain.Captured)
          differ(std::string("captured after the input again: ") +
                 (afterAgain.Captured ? "yes" : "no") + ", its twin " +
                 (twinAgain.Captured ? "yes" : "no"));
        if (afterRaise.Timers > twinFirst.Timers)
          differ("timers running " + std::to_string(afterRaise.Timers) + ", its twin " +
                 std::to_string(twinFirst.Timers));
        if (afterAgain.Timers > twinAgain.Timers)
          differ("timers running after the input again " + std::to_string(afterAgain.Timers) +
                 ", its twin " + std::to_string(twinAgain.Timers));
        if (callsAgain != twinCallsAgain)
          differ("the handler was called " + std::to_string(callsAgain) +
                 " times by the input again, its twin's " + std::to_string(twinCallsAgain));
      }
      if (const TExempt* exempt = ExemptPair(cls->ClassName(), event->Name)) {
        ++listed;
        EXPECT_FALSE(faults.empty()) << "listed (" << exempt->Why << ") but left as its twin";
        continue;
      }
      EXPECT_EQ(faults, std::vector<std::string>{}) << "raised in: " << raisedIn;
    }
  }
  // Most components have an event the input raises, so the sweep cannot pass by doing nothing.
  EXPECT_GT(raised, 3 * listed);
  RecordProperty("raised", raised);
  RecordProperty("listed", listed);
}

INSTANTIATE_TEST_SUITE_P(Shards, ThrowingHandlers,
                         ::testing::Combine(::testing::Range(0, kShards),
                                            ::testing::Values(TRaise::Error, TRaise::Abort)),
                         [](const auto& info) {
                           return std::string(std::get<1>(info.param) == TRaise::Error ? "Error"
                                                                                       : "Abort") +
                                  "_" + std::to_string(std::get<0>(info.param));
                         });

// ---------------------------------------------------------------------------------------------
// A dialog component's handler raises while Execute runs (before its form shows, while it is
// shown, or as it closes): the error comes back to the caller of Execute or arrives at the
// application once, and no form of the dialog stays behind: the forms and the shown windows
// are as before, the owner form takes input again, the cursor is the default one, and the
// dialog, executed again without the handler, shows and closes as ever.

// Runs a dialog component's Execute.
void ExecuteDialog(vcl::TComponent* c) {
  if (auto* browse = dynamic_cast<zyl::TZYLBrowseDlg*>(c))
    browse->Execute();
  else
    packagetest::Execute(c);
}

bool IsDialog(vcl::TComponent* c) {
  return dynamic_cast<zyl::TZYLBrowseDlg*>(c) || dynamic_cast<vcl::TCommonDialog*>(c) ||
         dynamic_cast<zyl::TZYLBaseDialog*>(c);
}

// What the screen holds besides the dialog.
struct TScreenState {
  int Forms = 0;
  int Shown = 0;
  bool OwnerEnabled = false;
  vcl::TCursor Cursor = vcl::crDefault;
  friend bool operator==(const TScreenState&, const TScreenState&) = default;
};

std::ostream& operator<<(std::ostream& out, const TScreenState& s) {
  return out << s.Forms << " forms, " << s.Shown << " shown windows, owner "
             << (s.OwnerEnabled ? "enabled" : "disabled") << ", cursor " << s.Cursor;
}

TScreenState ScreenNow(vcl::TCustomForm* owner) {
  return {vcl::Screen->FormCount(), packagetest::ShownWindows(),
          win::IsWindowEnabled(owner->Handle()) != 0, vcl::Screen->Cursor()};
}

class ThrowingHandlersInDialogs : public packagetest::TPackageFixture<> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    saved_ = vcl::Application->OnException;
    vcl::Application->OnException = vcl::TExceptionEvent(&watch_, &TWatch::AppException);
  }
  void TearDown() override {
    vcl::Application->OnException = saved_;
    TPackageFixture::TearDown();
  }
  // Executes the dialog with Escape as the answer to its form; answers the error that came out
  // of it, other than the handler's (counted in `back`) and the script's.
  std::string Run(vcl::TComponent* dialog, int& back) {
    vcl::testkit::TDialogScript script;
    script.PressKey(win::VK_ESCAPE);
    try {
      ExecuteDialog(dialog);
    } catch (const vcl::testkit::EDialogScript&) {
      // The dialog stayed open after Escape (or raised before it showed), and was closed.
    } catch (const std::exception& e) {
      if (watch_.Ours(e)) {
        ++back;
        return "";
      }
      return e.what();
    }
    return "";
  }
  packagetest::THandlers handlers_;
  TWatch watch_;
  vcl::TExceptionEvent saved_;
};

TEST_F(ThrowingHandlersInDialogs, AnExecuteWhoseHandlerRaisesLeavesNoDialogBehind) {
  int dialogs = 0, raised = 0;
  for (vcl::TClass cls : RegisteredComponents()) {
    for (const vcl::TPropInfo* event : packagetest::EventsOf(cls)) {
      SCOPED_TRACE(cls->ClassName() + "." + event->Name);
      std::unique_ptr<vcl::TForm> owner(new vcl::TForm(nullptr));
      owner->SetBounds(0, 0, 320, 240);
      vcl::TComponent* dialog = cls->Create(owner.get());
      if (!IsDialog(dialog)) break;
      owner->Show();
      win::testkit::RunUntilIdle();
      const TScreenState before = ScreenNow(owner.get());
      watch_.Reset(TRaise::Error);
      const vcl::TMethod* m =
          handlers_.For(event->PropType->Signature, [this](vcl::TObject*) { watch_.Called(); });
      ASSERT_NE(m, nullptr) << "no handler for the signature";
      vcl::SetMethodProp(dialog, event, *m);
      watch_.Armed = true;
      int back = 0;
      EXPECT_EQ(Run(dialog, back), "");
      watch_.Armed = false;
      win::testkit::RunUntilIdle();
      if (event == packagetest::EventsOf(cls).front()) ++dialogs;
      if (!watch_.Thrown) continue;
      ++raised;
      EXPECT_EQ(watch_.Caught + back, 1) << "at OnException " << watch_.Caught;
      EXPECT_EQ(watch_.Others, std::vector<std::string>{});
      EXPECT_EQ(ScreenNow(owner.get()), before);
      // Again, with the handler quiet.
      back = 0;
      const int caught = watch_.Caught;
      EXPECT_EQ(Run(dialog, back), "");
      win::testkit::RunUntilIdle();
      EXPECT_EQ(back, 0);
      EXPECT_EQ(watch_.Caught, caught);
      EXPECT_EQ(ScreenNow(owner.get()), before);
    }
  }
  // Every dialog of the package has an event that its Execute raises.
  EXPECT_GE(dialogs, 6);
  EXPECT_GE(raised, dialogs);
  RecordProperty("dialogs", dialogs);
  RecordProperty("raised", raised);
}

// The table names classes the package registers and events they publish, each pair once and
// with its reason.
class ThrowingHandlersTable : public packagetest::TPackageFixture<> {};

TEST_F(ThrowingHandlersTable, NamesRegisteredClassesAndTheirPublishedEvents) {
  std::set<std::string> pairs;
  EXPECT_FALSE(Exempt().empty());
  for (const TExempt& p : Exempt()) {
    SCOPED_TRACE(std::string(p.Class) + "." + p.Event);
    bool published = false;
    for (vcl::TClass cls : registered_)
      if (cls->ClassName() == p.Class) {
        const vcl::TPropInfo* e = vcl::GetPropInfo(cls, p.Event);
        published = e && e->Kind() == vcl::tkMethod;
      }
    EXPECT_TRUE(published) << "no such class registered, or it does not publish the event";
    EXPECT_TRUE(pairs.insert(std::string(p.Class) + "." + p.Event).second) << "listed twice";
    EXPECT_GT(std::string(p.Why).size(), 10u) << "no reason given";
  }
}

}  // namespace
