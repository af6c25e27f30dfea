// Programs wait: they show forms with ShowModal, run the library's dialogs, message boxes and the
// framework's dialogs, and while the wait's nested message loop runs, anything can happen.
// Over every control class of the package, on a form shown modally from a calling form whose
// edit has the focus, with the library's buttons Yes (ModalResult mrYes), OK (the default
// button), Cancel (the cancel button) and a plain one:
//  - a click, a key and a character raise the events they raise on a form shown as usual;
//  - the Yes button, Enter, Escape and closing the window end the wait with mrYes, mrOk,
//    mrCancel and mrCancel;
//  - the component freed by a timer of the modal form, or its twin on the calling form freed from
//    a click, leaves the wait going until OK ends it;
//  - the modal form released from a click ends the wait with mrCancel, and is freed once, after
//    ShowModal returned; the calling form released from a click is freed in the wait (the
//    modal form is not its own; a form that owns the modal form is freed after the wait);
//  - afterwards the calling form is enabled and active, its edit focused, no window left shown.
// Over every component class with its working switches on: what it does on the virtual clock
// (its events, its picture) it does on while a wait runs, on the modal form and on the calling
// form. Then: Application->Terminate inside a wait ends the wait and the program's loop; a modal
// form or dialog shown from a click on a modal form gives it back its focus; each dialog
// component of the package executed from a modal form, answered and cancelled, returns its
// result and values, leaves no window behind and gives the modal form back its focus; executed
// again inside its own wait it shows nothing and answers false (a message box, which keeps no
// state of its form, comes up again), and the first wait goes on as before.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "edits/ZYLBrowseDlg.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLDirDlg.h"
#include "system/ZYLInputDlg.h"
#include "system/ZYLMsg.h"
#include "system/ZYLTipDlg.h"
#include "system/ZYLWindowListDlg.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/Waits.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/TempDir.h"

namespace {

namespace tk = win::testkit;
namespace vt = vcl::testkit;
using packagetest::TInputStage;
using TNotify = packagetest::THandler<vcl::TNotifyEvent>;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;

// Handlers of OnClick and OnTimer that run what a case asks; they live as long as the list.
class THandlerList {
 public:
  vcl::TNotifyEvent Calls(std::function<void()> run) {
    list_.push_back(std::make_unique<TNotify>());
    list_.back()->Sink = [run](vcl::TObject*) { run(); };
    return vcl::TNotifyEvent(list_.back().get(), &TNotify::Handle);
  }

 private:
  std::vector<std::unique_ptr<TNotify>> list_;
};

// The form a program shows a modal form from: shown, its edit focused.
struct TCaller {
  TCaller() {
    Form->SetBounds(420, 320, 300, 200);
    Edit->SetParent(Form);
    Edit->SetBounds(10, 10, 120, 24);
    Form->Show();
    Edit->SetFocus();
    tk::RunUntilIdle();
  }
  ~TCaller() {
    if (!Gone.Freed) delete Form;
  }
  TCaller(const TCaller&) = delete;
  TCaller& operator=(const TCaller&) = delete;
  // What is wrong with the calling form once a wait has ended: "" when it is enabled and
  // active with its edit focused.
  std::string Back() const {
    std::string wrong;
    if (!win::IsWindowEnabled(Form->Handle())) wrong += " disabled";
    if (win::GetActiveWindow() != Form->Handle()) wrong += " not active";
    if (win::GetFocus() != Edit->Handle()) wrong += " its edit not focused";
    return wrong;
  }

  vcl::TForm* Form = new vcl::TForm(nullptr);
  vcl::TEdit* Edit = new vcl::TEdit(Form);
  testsupport::TFreeProbe Gone{Form};
};

// A library button on the form.
zyl::TZYLButton* AddButton(vcl::TCustomForm* form, const char* name, int top,
                           vcl::TModalResult result) {
  auto* b = new zyl::TZYLButton(form);
  b->SetName(name);
  b->SetCaption(name);
  b->SetModalResult(result);
  b->SetBounds(230, top, 75, 24);
  b->SetParent(form);
  return b;
}

// The names of the events a component raised while On.
class TEventLog {
 public:
  void Bind(vcl::TComponent* c) {
    const std::vector<const vcl::TPropInfo*> events = packagetest::EventsOf(c->ClassType());
    for (const vcl::TPropInfo* e : events) {
      handlers_.push_back(std::make_unique<packagetest::THandlers>());
      const vcl::TMethod* m =
          handlers_.back()->For(e->PropType->Signature, [this, e](vcl::TObject*) {
            if (On) Raised.insert(e->Name);
          });
      if (m) vcl::SetMethodProp(c, e, *m);
    }
  }
  std::string Text() const {
    std::string s;
    for (const std::string& e : Raised) s += " " + e;
    return s;
  }
  bool On = false;
  std::set<std::string> Raised;

 private:
  std::vector<std::unique_ptr<packagetest::THandlers>> handlers_;
};

// Runs a step of a case; answers the error that came out of it ("" for none; a dialog the
// step brought up and that the script closed is no error).
std::string Take(const std::function<void()>& step) {
  try {
    step();
  } catch (const vt::EDialogScript&) {
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// Answers of the library's dialogs, whose buttons and edits are the library's own: a click on the
// control of that name, and text typed into the edit of that name.
std::function<void(vcl::TCustomForm*)> Clicks(const char* name) {
  return [name](vcl::TCustomForm* f) {
    vt::ClickControl(static_cast<vcl::TControl*>(vt::DialogControl(f, name)));
  };
}
std::function<void(vcl::TCustomForm*)> Types(const char* edit, const char* text) {
  return [edit, text](vcl::TCustomForm* f) {
    vt::TypeInto(static_cast<vcl::TWinControl*>(vt::DialogControl(f, edit)), text);
  };
}

// ---------------------------------------------------------------------------------------------
// Every control class on a modal form.

// A component of the class on a form made to be shown modally (hidden again), with the library's
// buttons: Yes, OK (default), Cancel (cancel) and a plain one.
struct TModalStage {
  explicit TModalStage(vcl::TClass cls) : Stage(cls, packagetest::TMade::InCode) {
    if (vcl::TControl* c = packagetest::ControlOf(Stage)) packagetest::GiveItems(c);
    vcl::TCustomForm* f = Stage.Form();
    Yes = AddButton(f, "Yes", 8, vcl::mrYes);
    Ok = AddButton(f, "OK", 40, vcl::mrOk);
    Ok->SetDefault(true);
    Cancel = AddButton(f, "Cancel", 72, vcl::mrCancel);
    Cancel->SetCancel(true);
    Plain = AddButton(f, "Plain", 104, vcl::mrNone);
    Log.Bind(Stage.Component());
    f->Hide();
    tk::RunUntilIdle();
  }
  TEventLog Log;  // outlives the stage, whose component may raise events as it goes
  TInputStage Stage;
  zyl::TZYLButton *Yes, *Ok, *Cancel, *Plain;
};

// A click on the control (at `at`), a key and a character, then a click on the form away from
// it, which closes whatever the click dropped down; the component's events are logged meanwhile.
void Input(TModalStage& m, win::POINT at) {
  m.Log.On = true;
  tk::Click(at.X, at.Y);
  tk::KeyPress(win::VK_DOWN);
  tk::TypeText("a");
  tk::AdvanceClock(1000);  // not a double click
  const win::POINT away = tk::ScreenPoint(m.Stage.Form()->Handle(), 150, 200);
  tk::Click(away.X, away.Y);
  m.Log.On = false;
}

// One run of a case: the modal stage, the calling form, what the case did.
struct TWaitRun {
  TModalStage& Modal;
  TCaller& Caller;
  THandlerList Handlers;
  // What the case frees, and whether that is done by the time ShowModal returns.
  const testsupport::TFreeProbe* Freed = nullptr;
  bool FreedInWait = false;
};

void Press(vcl::TControl* c) { vt::ClickControl(c); }

// What happens inside the wait and how it ends.
struct TWaitCase {
  const char* Name;
  bool TakesInput;  // the input is compared with a form shown as usual
  void (*During)(TWaitRun&);
  void (*End)(TWaitRun&);
  vcl::TModalResult Result;
  bool CallerStays;
};

void InputOnly(TWaitRun& r) { Input(r.Modal, packagetest::Spot(r.Modal.Stage)); }

const std::vector<TWaitCase>& WaitCases() {
  static const std::vector<TWaitCase> cases = {
      {"input, then the Yes button", true, InputOnly, [](TWaitRun& r) { Press(r.Modal.Yes); },
       vcl::mrYes, true},
      {"input, then Enter", true, InputOnly, [](TWaitRun&) { tk::KeyPress(win::VK_RETURN); },
       vcl::mrOk, true},
      {"input, then Escape", true, InputOnly, [](TWaitRun&) { tk::KeyPress(win::VK_ESCAPE); },
       vcl::mrCancel, true},
      {"input, then the window closed", true, InputOnly,
       [](TWaitRun& r) {
         win::SendMessageA(r.Modal.Stage.Form()->Handle(), win::WM_SYSCOMMAND, win::SC_CLOSE, 0);
         tk::RunUntilIdle();
       },
       vcl::mrCancel, true},
      {"freed by a timer of the modal form, then input and OK", false,
       [](TWaitRun& r) {
         auto* timer = new vcl::TTimer(r.Modal.Stage.Form());
         timer->SetInterval(100);
         vcl::TComponent* c = r.Modal.Stage.Component();
         timer->SetOnTimer(r.Handlers.Calls([timer, c] {
           timer->SetEnabled(false);
           delete c;
         }));
         r.Freed = &r.Modal.Stage.ComponentGone();
         r.FreedInWait = true;
         const win::POINT at = packagetest::Spot(r.Modal.Stage);
         tk::AdvanceClock(500);
         Input(r.Modal, at);
       },
       [](TWaitRun& r) { Press(r.Modal.Ok); }, vcl::mrOk, true},
      {"its twin on the calling form freed from a click, then OK", false,
       [](TWaitRun& r) {
         vcl::TComponent* twin = r.Modal.Stage.Component()->ClassType()->Create(r.Caller.Form);
         auto* control = static_cast<vcl::TControl*>(twin);
         control->SetBounds(150, 60, 100, 50);
         control->SetParent(r.Caller.Form);
         auto gone = std::make_shared<testsupport::TFreeProbe>(twin);
         r.Modal.Plain->OnClick = r.Handlers.Calls([twin, gone] {
           if (!gone->Freed) delete twin;
         });
         Press(r.Modal.Plain);
         if (!gone->Freed) throw std::runtime_error("the twin was not freed");
       },
       [](TWaitRun& r) { Press(r.Modal.Ok); }, vcl::mrOk, true},
      {"the modal form released from a click", false,
       [](TWaitRun& r) {
         vcl::TCustomForm* f = r.Modal.Stage.Form();
         r.Modal.Plain->OnClick = r.Handlers.Calls([f] { f->Release(); });
         r.Freed = &r.Modal.Stage.FormGone();
         Press(r.Modal.Plain);
       },
       [](TWaitRun&) {}, vcl::mrCancel, true},
      {"the calling form released from the Yes click", false,
       [](TWaitRun& r) {
         vcl::TCustomForm* f = r.Caller.Form;
         r.Modal.Yes->OnClick = r.Handlers.Calls([f] { f->Release(); });
         // The modal form is not the calling form's own: the nested loop frees the caller.
         r.Freed = &r.Caller.Gone;
         r.FreedInWait = true;
       },
       [](TWaitRun& r) { Press(r.Modal.Yes); }, vcl::mrYes, false},
  };
  return cases;
}

// A case that stays as it is by the class's design: the class, the case ("" for any), the
// check and why.
struct TListed {
  const char* Class;
  const char* Case;
  const char* Check;
  const char* Why;
};

const std::vector<TListed>& Listed() {
  static const std::vector<TListed> listed = {
      // The wizard's own navigation: Next is a default button, Cancel a cancel button.
      {"TZYLAssist", "input, then Enter", "result", "its Next button is a default button"},
      {"TZYLAssist", "input, then Escape", "result", "its Cancel button is a cancel button"},
      // A memo takes Enter as a new line; the framework's, wanting returns, takes Escape too.
      {"TZYLMemo", "input, then Enter", "result", "a memo takes Enter as a new line"},
      {"TZYLLabeledMemo", "input, then Enter", "result", "a memo takes Enter as a new line"},
      {"TMemo", "input, then Enter", "result", "a memo that wants returns wants every key"},
      {"TMemo", "input, then Escape", "result", "a memo that wants returns wants every key"},
      // The drop-down edits answer WM_GETDLGCODE with DLGC_WANTALLKEYS, open or closed.
      {"TZYLListComboBox", "input, then Enter", "result", "the drop-down edit wants every key"},
      {"TZYLListComboBox", "input, then Escape", "result", "the drop-down edit wants every key"},
      {"TZYLLabeledListComboBox", "input, then Enter", "result",
       "the drop-down edit wants every key"},
      {"TZYLLabeledListComboBox", "input, then Escape", "result",
       "the drop-down edit wants every key"},
      {"TZYLHistoryEdit", "input, then Enter", "result", "the drop-down edit wants every key"},
      {"TZYLHistoryEdit", "input, then Escape", "result", "the drop-down edit wants every key"},
  };
  return listed;
}

std::set<std::string> ListedChecks(const std::string& cls, const std::string& name) {
  std::set<std::string> checks;
  for (const TListed& l : Listed())
    if (cls == l.Class && (!*l.Case || name == l.Case)) checks.insert(l.Check);
  return checks;
}

class ModalWaits : public packagetest::TControlClassesSweep {
 protected:
  // The events the input raises on a form shown as usual.
  static std::string EventsShownAsUsual(vcl::TClass cls) {
    TModalStage m(cls);
    m.Stage.Form()->Show();
    tk::RunUntilIdle();
    Take([&] { Input(m, packagetest::Spot(m.Stage)); });
    return m.Log.Text();
  }
  vt::TDialogScript noAnswers_;
};

TEST_P(ModalWaits, InputResultsFocusAndFreeingInsideAWait) {
  ASSERT_GT(classes_.size(), 40u);
  int runs = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    const std::string usual = EventsShownAsUsual(cls);
    for (const TWaitCase& c : WaitCases()) {
      const std::string who = cls->ClassName() + ", " + c.Name;
      packagetest::TNamedChecks checks(who, ListedChecks(cls->ClassName(), c.Name));
      TModalStage m(cls);
      TCaller caller;
      const int windows = packagetest::ShownWindows();
      TWaitRun run{m, caller, {}, nullptr, false};
      vt::TDialogScript script;
      std::string error;
      script.Do([&](vcl::TCustomForm*) {
        tk::RunUntilIdle();  // the form settles as one shown as usual has
        error = Take([&] { c.During(run); });
        if (error.empty()) error = Take([&] { c.End(run); });
      });
      vcl::TModalResult result = vcl::mrNone;
      const std::string shown = Take([&] { result = m.Stage.Form()->ShowModal(); });
      const bool freedByReturn = run.Freed && run.Freed->Freed;
      tk::RunUntilIdle();
      ++runs;
      checks.Expect("error", error.empty() && shown.empty(), error + shown);
      checks.Expect("result", result == c.Result, std::to_string(result));
      if (c.TakesInput) checks.Expect("input", m.Log.Text() == usual, m.Log.Text() + " /" + usual);
      if (run.Freed) {
        checks.Expect("freed once", run.Freed->Times == 1, std::to_string(run.Freed->Times));
        checks.Expect("freed when", freedByReturn == run.FreedInWait,
                      freedByReturn ? "before the wait ended" : "after the wait ended");
      }
      if (c.CallerStays) checks.Expect("caller back", caller.Back().empty(), caller.Back());
      checks.Expect("windows", packagetest::ShownWindows() == windows - !c.CallerStays,
                    std::to_string(packagetest::ShownWindows() - windows));
    }
  }
  EXPECT_GT(runs, 0);
}

INSTANTIATE_TEST_SUITE_P(Shards, ModalWaits, ::testing::Range(0, kShards));

// A listed case names a registered control class and one of the cases, with its reason.
class ModalWaitsListed : public packagetest::TPackageFixture<> {};

TEST_F(ModalWaitsListed, NamesRegisteredControlClassesAndCases) {
  const std::set<std::string> controls = packagetest::ControlClassNames();
  std::set<std::string> cases;
  for (const TWaitCase& c : WaitCases()) cases.insert(c.Name);
  for (const TListed& l : Listed()) {
    EXPECT_TRUE(controls.count(l.Class)) << l.Class << " is no registered control class";
    EXPECT_TRUE(!*l.Case || cases.count(l.Case)) << l.Case << " is no case";
    EXPECT_GT(std::string(l.Why).size(), 10u) << l.Class;
  }
}

// ---------------------------------------------------------------------------------------------
// The clock runs on through a wait.

enum class TPlace { Shown, OnModalForm, OnCallingForm };

// What the component does while the clock runs on three seconds: the events it raises, and
// whether its form's picture changes.
std::string Working(const TInputStage& s, TEventLog& log) {
  const tk::TCapture before = tk::RenderWindow(s.Form()->Handle());
  log.Raised.clear();
  log.On = true;
  tk::AdvanceClock(3000);
  log.On = false;
  const bool repainted = tk::CountDifferentPixels(before, tk::RenderWindow(s.Form()->Handle())) > 0;
  return log.Text() + (repainted ? " (picture changed)" : "");
}

class ClockInWaits : public packagetest::TClassesSweep {
 protected:
  // A component of the class with four pictures to show and its switches on; what it does
  // while the clock runs on, on a form shown as usual, on a modal form or on the calling form
  // of one.
  static std::string Run(vcl::TClass cls, TPlace place) {
    TEventLog log;
    TInputStage s(cls, packagetest::TMade::InCode);
    vcl::TComponent* c = s.Component();
    if (const vcl::TPropInfo* p = vcl::GetPropInfo(c, "ImageList"); p && p->IsWritable())
      Take([&] { vcl::SetObjectProp(c, p, packagetest::FourFrames(s.Form())); });
    for (const char* name : packagetest::kStartingSwitches)
      if (vcl::IsPublishedProp(c, name) && vcl::FindPropInfo(c, name)->IsWritable())
        Take([&] { vcl::SetPropValue(c, name, "True"); });
    const std::string started = Take([&] {
      packagetest::StepNamed("switched on and the clock moved on").Run(s, packagetest::Spot(s));
    });
    if (!started.empty()) return "raised: " + started;
    log.Bind(c);
    if (place == TPlace::Shown) return Working(s, log);
    std::unique_ptr<vcl::TForm> other;
    vcl::TCustomForm* modal = s.Form();
    if (place == TPlace::OnCallingForm) {
      other = std::make_unique<vcl::TForm>(nullptr);
      other->SetBounds(500, 400, 200, 120);
      modal = other.get();
    } else {
      modal->Hide();
    }
    vt::TDialogScript script;
    std::string seen;
    script.Do([&](vcl::TCustomForm* f) {
      seen = Working(s, log);
      f->SetModalResult(vcl::mrOk);
    });
    const std::string error = Take([&] { modal->ShowModal(); });
    return error.empty() ? seen : "raised: " + error;
  }
  vt::TDialogScript noAnswers_;
};

TEST_P(ClockInWaits, WhatRunsOnTheClockRunsOnThroughAWait) {
  ASSERT_GT(classes_.size(), 80u);
  int working = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    const std::string usual = Run(cls, TPlace::Shown);
    if (usual.empty()) continue;
    ++working;
    EXPECT_EQ(Run(cls, TPlace::OnModalForm), usual) << "on the modal form";
    EXPECT_EQ(Run(cls, TPlace::OnCallingForm), usual) << "on the calling form";
  }
  RecordProperty("working", working);
}

INSTANTIATE_TEST_SUITE_P(Shards, ClockInWaits, ::testing::Range(0, kShards));

// ---------------------------------------------------------------------------------------------
// Terminate inside a wait.

// A wait that the program's main form starts from its timer; what it answers.
struct TTerminatedWait {
  const char* Name;
  int (*Wait)(vcl::TCustomForm* main);
  int Result;
};

const TTerminatedWait kTerminatedWaits[] = {
    {"a form shown modally",
     [](vcl::TCustomForm*) {
       vcl::TForm f(nullptr);
       return static_cast<int>(f.ShowModal());
     },
     vcl::mrCancel},
    {"a dialog component of the library",
     [](vcl::TCustomForm* main) {
       return static_cast<int>((new zyl::TZYLInputDlg(main))->Execute());
     },
     0},
    {"a message box of the library",
     [](vcl::TCustomForm* main) {
       return static_cast<int>(
           (new zyl::TZYLMessageBoxDlg(main))
               ->Execute("", "Go on?", {}, {vcl::mbYes, vcl::mbNo}, -1, 0, -1, -1, 0));
     },
     vcl::mrCancel},
    {"the framework's message dialog",
     [](vcl::TCustomForm*) {
       return static_cast<int>(vcl::MessageDlg("Go on?", vcl::mtConfirmation, {vcl::mbYes}, 0));
     },
     vcl::mrCancel},
};

class TerminateInAWait : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {};

TEST_P(TerminateInAWait, EndsTheWaitAndTheProgramsLoop) {
  const TTerminatedWait& w = kTerminatedWaits[GetParam()];
  SCOPED_TRACE(w.Name);
  vcl::TCustomForm* main = vcl::Application->CreateForm(vcl::TForm::StaticClass());
  THandlerList handlers;
  std::vector<std::string> log;
  auto* show = new vcl::TTimer(main);
  show->SetInterval(100);
  show->SetOnTimer(handlers.Calls([&] {
    show->SetEnabled(false);
    log.push_back("answered " + std::to_string(w.Wait(main)));
  }));
  auto* end = new vcl::TTimer(main);
  end->SetInterval(500);
  end->SetOnTimer(handlers.Calls([&] {
    end->SetEnabled(false);
    log.push_back("terminated");
    vcl::Application->Terminate();
  }));
  vcl::Application->Run();
  log.push_back("loop ended");
  EXPECT_EQ(log, (std::vector<std::string>{"terminated", "answered " + std::to_string(w.Result),
                                           "loop ended"}));
  delete main;
}

INSTANTIATE_TEST_SUITE_P(Waits, TerminateInAWait,
                         ::testing::Range(0, static_cast<int>(std::size(kTerminatedWaits))));

// ---------------------------------------------------------------------------------------------
// Waits inside a wait.

// A form shown modally from the calling form, with an edit, OK (default) and a button whose
// click starts a second wait.
struct TModalForm {
  TModalForm() {
    Form->SetBounds(100, 100, 320, 200);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 120, 24);
    Ok->SetDefault(true);
    Form->SetActiveControl(Edit);
  }
  std::unique_ptr<vcl::TForm> Form = std::make_unique<vcl::TForm>(nullptr);
  vcl::TEdit* Edit = new vcl::TEdit(Form.get());
  zyl::TZYLButton* Ok = AddButton(Form.get(), "OK", 8, vcl::mrOk);
  zyl::TZYLButton* Open = AddButton(Form.get(), "Open", 40, vcl::mrNone);
};

class Waits : public packagetest::TPackageFixture<> {
 protected:
  // Shows the modal form from the calling form; `inside` runs in its wait, which OK then ends.
  void ShowModalWith(TModalForm& m, const std::function<void()>& inside) {
    TCaller caller;
    script_.Do([&](vcl::TCustomForm*) {
      inside();
      Press(m.Ok);
    });
    EXPECT_EQ(m.Form->ShowModal(), vcl::mrOk);
    EXPECT_EQ(caller.Back(), "");
  }
  // What is wrong with the modal form once a wait inside its own has ended: "" when it is
  // enabled, modal and active, with the focus where it was.
  static std::string Back(TModalForm& m, win::HWND focus) {
    std::string wrong;
    if (!win::IsWindowEnabled(m.Form->Handle())) wrong += " disabled";
    if (!m.Form->FormState().contains(vcl::fsModal)) wrong += " no longer modal";
    if (focus && win::GetFocus() != focus) wrong += " the focus elsewhere";
    return wrong;
  }
  vt::TDialogScript script_;
  THandlerList handlers_;
};

struct TNested {
  const char* Name;
  // Answers the nested wait through the script, starts it from the modal form, and answers
  // what it returned as text.
  std::function<std::string(vt::TDialogScript&, vcl::TCustomForm* modal)> Run;
  const char* Returned;
};

TEST_F(Waits, AWaitStartedFromAModalFormGivesItBackItsFocus) {
  const TNested nested[] = {
      {"a form shown modally",
       [](vt::TDialogScript& s, vcl::TCustomForm*) {
         s.Do([](vcl::TCustomForm* f) { f->SetModalResult(vcl::mrRetry); });
         vcl::TForm f(nullptr);
         return std::to_string(f.ShowModal());
       },
       "4"},
      {"the framework's message dialog",
       [](vt::TDialogScript& s, vcl::TCustomForm*) {
         s.Press("No");
         return std::to_string(
             vcl::MessageDlg("Sure?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0));
       },
       "7"},
      {"the framework's input query",
       [](vt::TDialogScript& s, vcl::TCustomForm*) {
         s.Type("typed");
         std::string value;
         return std::to_string(vcl::InputQuery("Name", "Name:", value)) + " " + value;
       },
       "1 typed"},
      {"a message box of the library",
       [](vt::TDialogScript& s, vcl::TCustomForm* modal) {
         s.Do(Clicks("No"));
         auto* box = new zyl::TZYLMessageBoxDlg(modal);
         return std::to_string(
             box->Execute("", "Sure?", {}, {vcl::mbYes, vcl::mbNo}, -1, 0, -1, -1, 0));
       },
       "7"},
      {"an input dialog of the library",
       [](vt::TDialogScript& s, vcl::TCustomForm* modal) {
         s.Do(Types("Edit", "typed")).Do(Clicks("OK"));
         auto* dialog = new zyl::TZYLInputDlg(modal);
         return std::to_string(dialog->Execute()) + " " + dialog->Answer();
       },
       "1 typed"},
  };
  for (const TNested& n : nested) {
    SCOPED_TRACE(n.Name);
    TModalForm m;
    std::string returned, back;
    m.Open->OnClick = handlers_.Calls([&] {
      const win::HWND focus = win::GetFocus();
      returned = n.Run(script_, m.Form.get());
      back = Back(m, focus);
    });
    ShowModalWith(m, [&] { Press(m.Open); });
    EXPECT_EQ(returned, n.Returned);
    EXPECT_EQ(back, "");
  }
}

// The calling form owns the modal form and its timer releases it while the modal form waits:
// the wait ends with mrCancel, and both go once ShowModal has returned.
TEST_F(Waits, AFormReleasedWhileAFormItOwnsWaitsEndsTheWaitAndGoesAfterIt) {
  TCaller caller;
  auto* modal = new vcl::TForm(caller.Form);
  const testsupport::TFreeProbe modalGone(modal);
  auto* timer = new vcl::TTimer(caller.Form);
  timer->SetInterval(100);
  timer->SetOnTimer(handlers_.Calls([&] {
    timer->SetEnabled(false);
    caller.Form->Release();
  }));
  script_.Do([](vcl::TCustomForm*) { tk::AdvanceClock(500); });
  EXPECT_EQ(modal->ShowModal(), vcl::mrCancel);
  EXPECT_FALSE(modalGone.Freed || caller.Gone.Freed) << "freed inside the wait";
  tk::RunUntilIdle();
  EXPECT_EQ(modalGone.Times, 1);
  EXPECT_EQ(caller.Gone.Times, 1);
}

// ---------------------------------------------------------------------------------------------
// The package's dialog components executed from a modal form.

// A dialog class, how a user answers it, what Execute then answers and what the component
// gives back; cancelled with Escape it answers `Cancelled` and keeps what it held.
struct TDialogCase {
  const char* Class;
  std::function<void(vcl::TComponent*)> SetUp;
  std::function<void(vt::TDialogScript&)> Answer;
  bool Answered;
  bool Cancelled;
  std::function<std::string(vcl::TComponent*)> Value;
  std::string AnsweredValue;
  bool KeepsFocus;  // the modal form has the focus back after the answer
  bool Nests;       // executed again inside its own wait, it comes up again
};

std::string NoValue(vcl::TComponent*) { return ""; }

class DialogWaits : public Waits {
 protected:
  void SetUp() override {
    Waits::SetUp();
    vcl::ForceDirectories(dir_.File("Data/Sub"));
    vcl::ForceDirectories(dir_.File("pick"));
  }
  std::vector<TDialogCase> Cases() const {
    using zyl::TZYLTipDlg;
    return {
        {"TZYLAboutDlg", nullptr, [](vt::TDialogScript& s) { s.Do(Clicks("OK")); }, true, true,
         NoValue, "", true, false},
        {"TZYLBrowseDlg", nullptr,
         [this](vt::TDialogScript& s) { s.ChooseFolder(dir_.File("pick")); }, true, false,
         [](vcl::TComponent* c) { return static_cast<zyl::TZYLBrowseDlg*>(c)->SelectedFolder(); },
         dir_.File("pick"), true, false},
        {"TZYLDirDlg",
         [](vcl::TComponent* c) {
           static_cast<zyl::TZYLDirDlg*>(c)->SetPath("D:\\Data");
           static_cast<zyl::TZYLDirDlg*>(c)->SetInitialDir("D:\\Data\\Sub");
         },
         [](vt::TDialogScript& s) { s.Do(Clicks("OK")); }, true, false,
         [](vcl::TComponent* c) { return static_cast<zyl::TZYLDirDlg*>(c)->Path(); },
         "D:\\Data\\Sub", true, false},
        {"TZYLInputDlg",
         [](vcl::TComponent* c) { static_cast<zyl::TZYLInputDlg*>(c)->SetDefaultValue("old"); },
         [](vt::TDialogScript& s) { s.Do(Types("Edit", "new")).Do(Clicks("OK")); }, true, false,
         [](vcl::TComponent* c) { return static_cast<zyl::TZYLInputDlg*>(c)->Answer(); }, "new",
         true, false},
        {"TZYLMessageBoxDlg", nullptr, [](vt::TDialogScript& s) { s.Do(Clicks("OK")); }, true,
         false, NoValue, "", true, true},
        {"TZYLTipDlg",
         [](vcl::TComponent* c) {
           static_cast<TZYLTipDlg*>(c)->Tips()->Add("First tip");
           static_cast<TZYLTipDlg*>(c)->Tips()->Add("Second tip");
         },
         [](vt::TDialogScript& s) {
           s.Do(Clicks("Next")).Do(Clicks("ShowAtStart")).Do(Clicks("OK"));
         },
         false, false,
         [](vcl::TComponent* c) {
           return std::to_string(static_cast<TZYLTipDlg*>(c)->ShowAtStart());
         },
         "1", true, false},
        {"TZYLWindowListDlg",
         [](vcl::TComponent* c) {
           auto* hidden = new vcl::TForm(c->Owner());
           hidden->SetCaption("Hidden one");
           hidden->HandleNeeded();
         },
         [](vt::TDialogScript& s) {
           s.Do([](vcl::TCustomForm* f) {
              vt::ChooseListItem(static_cast<vcl::TWinControl*>(vt::DialogControl(f, "Windows")),
                                 "Hidden one");
            }).Do(Clicks("OK"));
         },
         true, false,
         [](vcl::TComponent* c) {
           vcl::TForm* chosen = static_cast<zyl::TZYLWindowListDlg*>(c)->ChosenForm();
           return chosen ? chosen->Caption() : std::string();
         },
         "Hidden one", false, false},
    };
  }
  // The row of the class; fails when it has none.
  const TDialogCase* CaseOf(vcl::TClass cls, const std::vector<TDialogCase>& cases) const {
    for (const TDialogCase& c : cases)
      if (cls->ClassName() == c.Class) return &c;
    ADD_FAILURE() << cls->ClassName() << " is a dialog without a row";
    return nullptr;
  }
  // The package's dialog classes.
  std::vector<vcl::TClass> Dialogs() {
    std::vector<vcl::TClass> dialogs;
    for (vcl::TClass cls : RegisteredComponents())
      if (packagetest::IsModalDialogClass(cls)) dialogs.push_back(cls);
    return dialogs;
  }

  testsupport::TempDir dir_;
  testsupport::TEnvGuard drive_{"ZYL_DRIVE_D", dir_.Path()};
};

TEST_F(DialogWaits, ExecutedFromAModalFormAnsweredAndCancelled) {
  const std::vector<TDialogCase> cases = Cases();
  const std::vector<vcl::TClass> dialogs = Dialogs();
  EXPECT_EQ(dialogs.size(), cases.size());
  for (vcl::TClass cls : dialogs) {
    const TDialogCase* row = CaseOf(cls, cases);
    if (!row) continue;
    for (const bool answered : {true, false}) {
      SCOPED_TRACE(cls->ClassName() + (answered ? " answered" : " cancelled"));
      TModalForm m;
      vcl::TComponent* dialog = cls->Create(m.Form.get());
      if (row->SetUp) row->SetUp(dialog);
      const std::string held = row->Value(dialog);
      ShowModalWith(m, [&] {
        const win::HWND focus = win::GetFocus();
        const size_t windows = tk::LiveResources().Windows;
        if (answered)
          row->Answer(script_);
        else
          script_.PressKey(win::VK_ESCAPE);
        bool accepted = !row->Answered;
        EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                      [&] { packagetest::ExecuteModal(dialog, accepted); }),
                  "<no error>");
        EXPECT_EQ(accepted, answered ? row->Answered : row->Cancelled);
        EXPECT_EQ(row->Value(dialog), answered ? row->AnsweredValue : held);
        EXPECT_EQ(Back(m, answered && !row->KeepsFocus ? nullptr : focus), "");
        EXPECT_EQ(tk::LiveResources().Windows, windows) << "the dialog's window left";
        EXPECT_EQ(script_.Pending(), 0u);
      });
    }
  }
}

TEST_F(DialogWaits, ExecutedAgainInsideItsOwnWaitAnswersFalseAndTheFirstGoesOn) {
  const std::vector<TDialogCase> cases = Cases();
  for (vcl::TClass cls : Dialogs()) {
    const TDialogCase* row = CaseOf(cls, cases);
    if (!row) continue;
    SCOPED_TRACE(cls->ClassName());
    TModalForm m;
    vcl::TComponent* dialog = cls->Create(m.Form.get());
    if (row->SetUp) row->SetUp(dialog);
    std::string again;
    bool accepted = !row->Answered, inner = true;
    size_t shown = 0;
    ShowModalWith(m, [&] {
      // The second Execute comes from inside the first one's wait, unanswered: a dialog that
      // comes up again ends with the script's error. The first is answered once it returned.
      script_.Do([&](vcl::TCustomForm*) {
        shown = script_.Shown().size();
        again =
            testsupport::ErrorOf<vcl::Exception>([&] { packagetest::ExecuteModal(dialog, inner); });
        shown = script_.Shown().size() - shown;
        row->Answer(script_);
      });
      EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>(
                    [&] { packagetest::ExecuteModal(dialog, accepted); }),
                "<no error>");
    });
    if (row->Nests) {
      EXPECT_EQ(again.rfind("No answer is scripted", 0), 0u) << again;
    } else {
      EXPECT_EQ(again, "<no error>");
      EXPECT_FALSE(inner);
      EXPECT_EQ(shown, 0u) << "dialogs that came up again";
    }
    EXPECT_EQ(accepted, row->Answered);
    EXPECT_EQ(row->Value(dialog), row->AnsweredValue);
  }
}

}  // namespace
