// A control's window made again, over every registered control class (the framework's and the
// library's package's). Each control sits on a shown form with a borderless panel (hidden until
// a control moves onto it) that fills the form, with a second shown form of the same size
// below, and is brought into a state by a user's input: the mouse, the focus, typing with a
// selection, the keys, the wheel and the virtual clock, on a list of a dozen lines. Then its
// window is made again in one of five ways: RecreateWnd, moved onto the panel, moved onto the
// second form, standing on the panel that is moved onto the second form, or its form's window
// made again by a change of the form's border style and back. Each is compared with a twin that
// went through the same input and kept its window: the published values, the state a user sees
// that is not published (the text, the caret and selection, the item index and top line, the
// checked state, the scroll bars, the Modified flag, the focus), the window's styles, the
// timers and the caret held, the lines and their objects, the picture once the loop idles, and
// the same next input answered the same way. A control that left its parent lost the focus, as
// every control leaving its parent does: the twin's focus moves away too before the comparison.
// The components that are no controls sit on a form whose window is made again, and keep their
// hook on it and what they put on its window.
// Where a class does otherwise for a reason its own description gives, it is named below with
// the reason; a named exception that no longer happens fails the sweep.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/TwinState.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace {

namespace tk = win::testkit;
using packagetest::Checks;
using packagetest::Differences;
using packagetest::IsControlClass;
using packagetest::RunTimeState;
using packagetest::TExempt;
using packagetest::TValues;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// Longer than any double-click time: the next click is a click of its own.
constexpr uint64_t kApart = 1000;
// Lines given to a control that lists items: more than its height shows, so it can scroll.
constexpr int kLines = 12;
// Where the twin's form and the re-created control's form stand; the second forms below them.
constexpr int kTwinLeft = 0;
constexpr int kSubjectLeft = 340;
constexpr int kSecondTop = 260;

// ---- How the window is made again ----

enum class TWay { Recreated, ToPanel, ToOtherForm, PanelToOtherForm, FormRecreated };

constexpr char kToPanel[] = "moved onto a panel of its form";
constexpr char kToOtherForm[] = "moved onto another shown form";
constexpr char kPanelToOtherForm[] = "its panel moved onto another shown form";

struct TWayCase {
  TWay Way;
  const char* Name;
  // Whether the control stays where the focus was: a control moved to another parent loses
  // the focus its form gave it, as every control leaving its parent does.
  bool KeepsFocus;
};

const TWayCase kWays[] = {
    {TWay::Recreated, "RecreateWnd", true},
    {TWay::ToPanel, kToPanel, false},
    {TWay::ToOtherForm, kToOtherForm, false},
    {TWay::PanelToOtherForm, kPanelToOtherForm, false},
    {TWay::FormRecreated, "its form's window made again", true},
};

// A short name of the way for the pictures' file names.
const char* WayTag(TWay way) {
  switch (way) {
    case TWay::Recreated: return "recreated";
    case TWay::ToPanel: return "panel";
    case TWay::ToOtherForm: return "form";
    case TWay::PanelToOtherForm: return "panelform";
    case TWay::FormRecreated: return "formrecreated";
  }
  return "";
}

// ---- The checks, and the named exceptions ----

constexpr char kValues[] = "keeps its published values";
constexpr char kState[] = "keeps the state a user sees";
constexpr char kLinesKept[] = "keeps its lines and their objects";
constexpr char kStyles[] = "keeps its window's styles";
constexpr char kHeld[] = "keeps its timers and caret";
constexpr char kPicture[] = "looks the same";
constexpr char kNextInput[] = "takes the next input alike";

constexpr char kNoExit[] =
    "a control leaving its parent loses the focus without leaving it for another control, as "
    "every control does: the edit keeps the caret it had instead of going back to the start "
    "as it does on leaving, and a caret shows only with the focus (the next click places it)";
constexpr char kSpinNoExit[] =
    "a control leaving its parent loses the focus as its window goes, not to another control: "
    "the spin edit's handling of the lost focus then leaves the caret at the start, where "
    "losing the focus to another control keeps it; a caret shows only with the focus (the next "
    "click places it)";
constexpr char kSizeGrip[] =
    "the bar shows its size grip only while its parent is a form that can be resized";

// The classes that keep the caret they had when they leave their parent, by the reason.
const std::vector<std::pair<const char*, std::vector<const char*>>>& CaretKeepers() {
  static const std::vector<std::pair<const char*, std::vector<const char*>>> classes = {
      {kNoExit,
       {"TZYLBrowseEdit", "TZYLColorEdit", "TZYLFileOpenEdit", "TZYLFileSaveEdit",
        "TZYLLabeledBrowseEdit", "TZYLLabeledColorEdit", "TZYLLabeledFileOpenEdit",
        "TZYLLabeledFileSaveEdit"}},
      {kSpinNoExit, {"TZYLSpinEdit"}},
  };
  return classes;
}

std::vector<TExempt> BuildExemptions() {
  std::vector<TExempt> exempt;
  for (const auto& [reason, classes] : CaretKeepers())
    for (const char* cls : classes)
      for (const char* way : {kToPanel, kToOtherForm, kPanelToOtherForm})
        exempt.push_back({cls, way, kState, reason});
  exempt.push_back({"TStatusBar", kToPanel, kPicture, kSizeGrip});
  return exempt;
}

const std::vector<TExempt>& Exemptions() {
  static const std::vector<TExempt> exempt = BuildExemptions();
  return exempt;
}

// ---- What a user sees that is not published ----

std::string Number(int64_t n) { return std::to_string(n); }

// The lines of a control that lists items, each with its object, "" for another control.
std::string LinesOf(vcl::TControl* c) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Items");
  if (!p || p->Kind() != vcl::tkClass) return "";
  auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, p));
  if (!items) return "";
  std::string s;
  for (int i = 0; i < items->Count(); ++i)
    s += items->Strings(i) + "=" +
         Number(static_cast<int64_t>(reinterpret_cast<uintptr_t>(items->Objects(i)))) + ";";
  return s;
}

// The window's styles; "" for a control without a window.
std::string StylesOf(vcl::TControl* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  if (!w || !w->HandleAllocated() || !w->Showing()) return "";
  const win::HWND h = w->Handle();
  return Number(win::GetWindowLongA(h, win::GWL_STYLE) & ~win::WS_VISIBLE) + "/" +
         Number(win::GetWindowLongA(h, win::GWL_EXSTYLE));
}

// The timers, the tray icons and (`caret`) the caret of the whole program.
std::string Held(bool caret) {
  const tk::TLiveResources r = tk::LiveResources();
  return "timers " + Number(static_cast<int64_t>(r.Timers)) + ", tray icons " +
         Number(static_cast<int64_t>(r.TrayIcons)) +
         (caret ? ", carets " + Number(static_cast<int64_t>(r.Carets)) : "");
}

// ---- The stage ----

// A dozen lines for a control that lists items, so that it can scroll.
void GiveLines(vcl::TControl* c) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, "Items");
  if (!p || p->Kind() != vcl::tkClass) return;
  auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, p));
  if (!items) return;
  for (int i = 1; i <= kLines; ++i) items->Add("Line " + std::to_string(i));
  tk::RunUntilIdle();
}

// Brings the form's window to the front and activates it.
void Activate(vcl::TCustomForm* form) {
  win::SetForegroundWindow(form->Handle());
  tk::RunUntilIdle();
}

// The middle of the control, in screen coordinates.
win::POINT Middle(vcl::TControl* c) {
  const vcl::TPoint p = c->ClientToScreen({c->ClientWidth() / 2, c->ClientHeight() / 2});
  return {p.X, p.Y};
}

// A control of the class on a shown form at `left`, over a borderless panel that fills the form,
// with a second shown form of the same size below.
struct TRecreateStage {
  packagetest::TInputStage Stage;
  vcl::TPanel* Panel;
  std::unique_ptr<vcl::TForm> Second{new vcl::TForm(nullptr)};
  vcl::TEdit* SecondEdit = nullptr;

  TRecreateStage(vcl::TClass cls, int left, TWay way) : Stage(cls, packagetest::TMade::InCode) {
    vcl::TCustomForm* form = Stage.Form();
    // Clear of a bar aligned to the form's bottom, so that no form needs to scroll.
    Stage.Other()->SetBounds(200, 120, 80, 24);
    Panel = new vcl::TPanel(form);
    Panel->SetBevelOuter(vcl::bvNone);
    Panel->SetCaption("");
    Panel->SetParentColor(true);
    Panel->SetAlign(vcl::alClient);
    // Hidden until the control moves onto it, so that it covers no graphic control before.
    Panel->SetVisible(false);
    Panel->SetParent(form);
    Panel->SetZOrder(false);
    form->SetBounds(left, 0, 320, 240);
    Second->SetBounds(left, kSecondTop, 320, 240);
    // An edit where the first form has its own, so that both forms scroll alike and the
    // second one has a control of its own to focus.
    SecondEdit = new vcl::TEdit(Second.get());
    SecondEdit->SetBounds(200, 120, 80, 24);
    SecondEdit->SetParent(Second.get());
    Second->Show();
    // The control that moves with its panel stands on the panel from the start.
    if (way == TWay::PanelToOtherForm) {
      Control()->SetParent(Panel);
      Panel->Show();
    }
    tk::RunUntilIdle();
    Activate(form);
  }
  vcl::TControl* Control() const { return packagetest::ControlOf(Stage); }
  // The form the control stands on.
  vcl::TCustomForm* Home() const { return vcl::GetParentForm(Control()); }

  // The user's input that brings the control into a state.
  void TakeInput() {
    vcl::TControl* c = Control();
    GiveLines(c);
    packagetest::StartAtOneMoment(c);
    Activate(Stage.Form());
    const win::POINT at = Middle(c);
    for (const char* step : {"mouse moved in", "clicked", "focused", "character typed"})
      packagetest::StepNamed(step).Run(Stage, at);
    tk::TypeText("bcd");
    // A selection of two characters, leftwards.
    tk::SetShiftState(true, false, false);
    tk::KeyPress(win::VK_LEFT);
    tk::KeyPress(win::VK_LEFT);
    tk::SetShiftState(false, false, false);
    for (const char* step : {"key pressed", "key pressed", "key pressed", "wheel turned",
                             "clock moved on", "mouse moved across"})
      packagetest::StepNamed(step).Run(Stage, at);
    tk::AdvanceClock(kApart);
  }

  // The window made again in the way given.
  void Remake(TWay way) {
    vcl::TControl* c = Control();
    switch (way) {
      case TWay::Recreated:
        if (auto* w = dynamic_cast<vcl::TWinControl*>(c)) w->RecreateWnd();
        break;
      case TWay::ToPanel:
        c->SetParent(Panel);
        Panel->Show();
        break;
      case TWay::ToOtherForm: c->SetParent(Second.get()); break;
      case TWay::PanelToOtherForm: Panel->SetParent(Second.get()); break;
      case TWay::FormRecreated: {
        vcl::TCustomForm* form = Stage.Form();
        form->SetBorderStyle(vcl::bsSingle);
        tk::RunUntilIdle();
        form->SetBorderStyle(vcl::bsSizeable);
        break;
      }
    }
    tk::RunUntilIdle();
  }

  // What the control's form shows of it, painted afresh without the clock moving on.
  tk::TCapture Picture() {
    vcl::TControl* c = Control();
    vcl::TCustomForm* form = Home();
    Activate(form);
    win::RedrawWindow(form->Handle(), nullptr, nullptr,
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_FRAME | win::RDW_ALLCHILDREN);
    tk::RunUntilIdle();
    const vcl::TPoint topLeft =
        form->ScreenToClient(c->Parent()->ClientToScreen({c->Left(), c->Top()}));
    return tk::CapturePart(tk::RenderWindow(form->Handle(), false),
                           {topLeft.X, topLeft.Y, topLeft.X + c->Width(), topLeft.Y + c->Height()});
  }

  // The next input, the same on the twin: a click in the middle, a character and a key.
  void NextInput() {
    vcl::TControl* c = Control();
    Activate(Home());
    tk::AdvanceClock(kApart);
    const win::POINT at = Middle(c);
    tk::Click(at.X, at.Y);
    if (auto* w = dynamic_cast<vcl::TWinControl*>(c); w && w->CanFocus()) w->SetFocus();
    tk::RunUntilIdle();
    tk::TypeText("e");
    tk::KeyPress(win::VK_UP);
    tk::AdvanceClock(kApart);
  }
};

// Whether the control shows on the form at all: a page shows in its own container only.
bool Shows(vcl::TControl* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  return c->Visible() && (!w || w->Showing()) && c->Width() > 0 && c->Height() > 0;
}

class RecreateSweep : public packagetest::TControlClassesSweep {
 protected:
  // Compares a control whose window was made again in the way given with its twin.
  int Compare(vcl::TClass cls, const TWayCase& way) {
    SCOPED_TRACE(way.Name);
    packagetest::TNamedChecks checks = Checks(cls->ClassName(), way.Name, Exemptions());
    TRecreateStage twin(cls, kTwinLeft, way.Way);
    twin.TakeInput();
    TRecreateStage subject(cls, kSubjectLeft, way.Way);
    subject.TakeInput();
    vcl::TControl* c = subject.Control();
    vcl::TControl* t = twin.Control();
    const std::string lines = LinesOf(c);
    const std::string held = Held(way.KeepsFocus);
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { subject.Remake(way.Way); }));
    Activate(subject.Stage.Form());
    checks.Expect(kHeld, Held(way.KeepsFocus) == held, ": " + held + " -> " + Held(way.KeepsFocus));
    checks.Expect(kLinesKept, LinesOf(c) == lines, ": " + lines + " -> " + LinesOf(c));
    // A control that left its parent lost the focus: the twin's goes too.
    if (!way.KeepsFocus)
      for (TRecreateStage* s : {&twin, &subject}) {
        Activate(s->Home());
        vcl::TWinControl* other = s->Home() == s->Second.get() ? s->SecondEdit : s->Stage.Other();
        if (other->CanFocus()) other->SetFocus();
        tk::RunUntilIdle();
      }
    Activate(twin.Stage.Form());
    const TValues twinValues = packagetest::PublishedValues(t);
    const TValues twinState = RunTimeState(t, true);
    const std::string twinStyles = StylesOf(t);
    Activate(subject.Stage.Form());
    TValues values = packagetest::PublishedValues(c);
    // On the other form the control comes after that form's own edit in the tab order.
    if (way.Way == TWay::ToOtherForm && values.count("TabOrder") && twinValues.count("TabOrder"))
      values["TabOrder"] = twinValues.at("TabOrder");
    const TValues state = RunTimeState(c, true);
    checks.Expect(kValues, values == twinValues, Differences(twinValues, values));
    checks.Expect(kState, state == twinState, Differences(twinState, state));
    checks.Expect(kStyles, StylesOf(c) == twinStyles, ": " + twinStyles + " -> " + StylesOf(c));
    if (Shows(t)) {
      const tk::TCapture expected = twin.Picture();
      const tk::TCapture actual = subject.Picture();
      const ::testing::AssertionResult same = tk::SamePixels(
          actual, expected, std::string("recreate_") + cls->ClassName() + "_" + WayTag(way.Way));
      checks.Expect(kPicture, same, std::string(": ") + same.message());
    }
    twin.NextInput();
    subject.NextInput();
    // Both forms give the activation away after their input, as the twin's did for the other.
    Activate(twin.Second.get());
    const TValues twinAfter = packagetest::PublishedValues(t);
    const TValues twinStateAfter = RunTimeState(t, false);
    TValues after = packagetest::PublishedValues(c);
    if (way.Way == TWay::ToOtherForm && after.count("TabOrder") && twinAfter.count("TabOrder"))
      after["TabOrder"] = twinAfter.at("TabOrder");
    const TValues stateAfter = RunTimeState(c, false);
    checks.Expect(kNextInput, after == twinAfter && stateAfter == twinStateAfter,
                  Differences(twinAfter, after) + Differences(twinStateAfter, stateAfter));
    return checks.Passed();
  }
};

TEST_P(RecreateSweep, EveryControlKeepsWhatAUserGaveItWhenItsWindowIsMadeAgain) {
  ASSERT_GT(classes_.size(), 60u);
  // Every dialog a click brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  packagetest::CompareEach(Shard(kShards), kWays, [this](vcl::TClass cls, const TWayCase& way) {
    return Compare(cls, way);
  });
}

INSTANTIATE_TEST_SUITE_P(Shards, RecreateSweep, ::testing::Range(0, kShards));

// A named exception of a class the package no longer registers, or of a way or a check the
// sweep does not make, is stale too.
class RecreateExceptions : public packagetest::TPackageFixture<> {};

TEST_F(RecreateExceptions, NameRegisteredControlClassesWaysAndChecksOnly) {
  const std::set<std::string> checks = {kValues, kState,   kLinesKept, kStyles,
                                        kHeld,   kPicture, kNextInput};
  packagetest::ExpectRowsNameKnown(Exemptions(), kWays, checks);
}

// ---- The components that hook a form's window ----

// A component that is no control, on a shown form with a memo (the control a hook component is
// given), switched on where it has a switch: the form's window is made again by a change of its
// border style and back, and by RecreateWnd. The component keeps its published values, its hook
// on the form's WindowProc, the timers, tray icons, application hooks and window procedures it
// holds, and what it put on the form's window (the drop target, the system menu's entries).
struct THookedStage {
  std::unique_ptr<vcl::TForm> Form{new vcl::TForm(nullptr)};
  vcl::TMemo* Memo;
  vcl::TComponent* Component;
  vcl::TWndMethod Plain;  // the form's WindowProc before the component came
  explicit THookedStage(vcl::TClass cls) {
    Form->SetBounds(0, 0, 320, 240);
    Memo = new vcl::TMemo(Form.get());
    Memo->SetBounds(8, 8, 120, 60);
    Memo->SetParent(Form.get());
    Plain = Form->WindowProc();
    Component = cls->Create(Form.get());
    if (const vcl::TPropInfo* p = vcl::GetPropInfo(Component, "UseThread"); p && p->IsWritable())
      vcl::SetOrdProp(Component, p, 0);
    Form->Show();
    tk::RunUntilIdle();
    if (const vcl::TPropInfo* p = vcl::GetPropInfo(Component, "Items");
        p && p->Kind() == vcl::tkClass)
      if (auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(Component, p)))
        for (const char* item : {"One", "Two"}) items->Add(item);
    // Given its control once the control has its window, and switched off and on again: one
    // made in code hooks its window when it is switched on (a form file's when it is loaded).
    if (const vcl::TPropInfo* p = vcl::GetPropInfo(Component, "Control");
        p && p->Kind() == vcl::tkClass && p->IsWritable())
      vcl::SetObjectProp(Component, p, Memo);
    for (const char* name : {"Enabled", "Active", "AcceptFiles"})
      if (const vcl::TPropInfo* p = vcl::GetPropInfo(Component, name);
          p && p->IsWritable() && p->Kind() == vcl::tkEnumeration) {
        vcl::SetOrdProp(Component, p, 0);
        vcl::SetOrdProp(Component, p, 1);
      }
    tk::RunUntilIdle();
  }
};

// What the component holds and what it put on the form's window, by name.
TValues HookedState(const THookedStage& s) {
  TValues v;
  const tk::TLiveResources r = tk::LiveResources();
  v["Timers"] = Number(static_cast<int64_t>(r.Timers));
  v["TrayIcons"] = Number(static_cast<int64_t>(r.TrayIcons));
  v["WindowHooks"] = Number(static_cast<int64_t>(r.WindowHooks));
  v["ObjectInstances"] = Number(static_cast<int64_t>(r.ObjectInstances));
  v["BoundWndProcs"] = Number(static_cast<int64_t>(r.BoundWndProcs));
  const win::HWND h = s.Form->Handle();
  v["AcceptsFiles"] =
      Number((win::GetWindowLongA(h, win::GWL_EXSTYLE) & win::WS_EX_ACCEPTFILES) != 0);
  v["MemoAcceptsFiles"] = Number(
      (win::GetWindowLongA(s.Memo->Handle(), win::GWL_EXSTYLE) & win::WS_EX_ACCEPTFILES) != 0);
  if (const vcl::TPropInfo* p = vcl::GetPropInfo(s.Component, "Control");
      p && p->Kind() == vcl::tkClass)
    v["Control"] = vcl::GetObjectProp(s.Component, p) == s.Memo ? "the memo" : "none";
  v["SystemMenuEntries"] = Number(win::GetMenuItemCount(win::GetSystemMenu(h, false)));
  v["HintWindowClass"] =
      vcl::TApplication::HintWindowClass ? vcl::TApplication::HintWindowClass->ClassName() : "";
  return v;
}

struct THookedWay {
  const char* Name;
  std::function<void(vcl::TForm*)> Remake;
};

const THookedWay kHookedWays[] = {
    {"border style changed and back",
     [](vcl::TForm* f) {
       f->SetBorderStyle(vcl::bsSingle);
       tk::RunUntilIdle();
       f->SetBorderStyle(vcl::bsSizeable);
     }},
    {"RecreateWnd", [](vcl::TForm* f) { f->RecreateWnd(); }},
};

constexpr char kHookKept[] = "keeps its hook on the form's WindowProc";
constexpr char kHookValues[] = "keeps its published values";
constexpr char kHookState[] = "keeps what it holds and put on the window";
constexpr char kHookWorks[] =
    "still hears the mouse on the memo, files dropped, the tray clicked and the clock";

// A hook component lets its control go when the control's window goes, as its description
// says: it hooks the new window only once it is given the control again.
constexpr char kLetsGo[] =
    "the component lets its control go when the control's window goes and hooks no new window "
    "until it is given the control again";

const std::vector<TExempt>& HookedExemptions() {
  static const std::vector<TExempt> exempt = [] {
    std::vector<TExempt> e;
    for (const THookedWay& way : kHookedWays) {
      e.push_back({"TZYLHookComponent", way.Name, kHookState, kLetsGo});
      e.push_back({"TZYLHookComponent", way.Name, kHookWorks, kLetsGo});
      e.push_back({"TZYLFMDrop", way.Name, kHookState, kLetsGo});
      e.push_back({"TZYLFMDrop", way.Name, kHookWorks, kLetsGo});
    }
    return e;
  }();
  return exempt;
}

class RecreateHooked : public packagetest::TPackageFixture<> {
 protected:
  void TearDown() override {
    vcl::TApplication::HintWindowClass = nullptr;
    TPackageFixture::TearDown();
  }
};

// Whether the mouse moving over the memo, files dropped on the form and on the memo, a click on
// the tray icon and the clock moving on reach one of the component's published events.
bool Heard(const THookedStage& s, const int& calls, const std::string& file) {
  const int before = calls;
  const win::POINT over = Middle(s.Memo);
  tk::MouseMove(over.X, over.Y);
  tk::MouseMove(over.X + 2, over.Y + 1);
  // Onto the windows that take files.
  for (vcl::TWinControl* w :
       {static_cast<vcl::TWinControl*>(s.Form.get()), static_cast<vcl::TWinControl*>(s.Memo)})
    if (win::GetWindowLongA(w->Handle(), win::GWL_EXSTYLE) & win::WS_EX_ACCEPTFILES)
      tk::DropFiles(w->Handle(), 5, 5, {file});
  tk::AdvanceClock(kApart);
  const std::vector<win::TTrayIcon> icons = tk::TrayIcons();
  if (!icons.empty()) tk::ClickTrayIcon(icons[0].Wnd, icons[0].ID);
  tk::RunUntilIdle();
  return calls > before;
}

TEST_F(RecreateHooked, ComponentsOnAFormKeepTheirHooksWhenItsWindowIsMadeAgain) {
  vcl::testkit::TDialogScript noAnswers;
  packagetest::THandlers handlers;
  const testsupport::TempDir dir;
  const std::string file = dir.File("dropped.txt");
  std::ofstream(file) << "dropped";
  int compared = 0, hooked = 0, heard = 0;
  for (vcl::TClass cls : packagetest::ComponentClasses()) {
    if (cls->InheritsFrom(vcl::TControl::StaticClass())) continue;
    if (!vcl::GetPropInfo(cls, "Enabled") && !vcl::GetPropInfo(cls, "Active") &&
        !vcl::GetPropInfo(cls, "Control"))
      continue;
    SCOPED_TRACE(cls->ClassName());
    for (const THookedWay& way : kHookedWays) {
      SCOPED_TRACE(way.Name);
      packagetest::TNamedChecks checks = Checks(cls->ClassName(), way.Name, HookedExemptions());
      THookedStage s(cls);
      int calls = 0;
      for (const vcl::TPropInfo* event : packagetest::EventsOf(cls))
        if (const vcl::TMethod* m =
                handlers.For(event->PropType->Signature, [&calls](vcl::TObject*) { ++calls; }))
          vcl::SetMethodProp(s.Component, event, *m);
      const bool heardBefore = Heard(s, calls, file);
      const vcl::TWndMethod proc = s.Form->WindowProc();
      const TValues values = packagetest::PublishedValues(s.Component);
      const TValues state = HookedState(s);
      const win::HWND old = s.Form->Handle();
      EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] { way.Remake(s.Form.get()); }));
      tk::RunUntilIdle();
      EXPECT_NE(s.Form->Handle(), old);
      const bool formHooked = !(proc == s.Plain);
      checks.Expect(kHookKept, s.Form->WindowProc() == proc);
      checks.Expect(kHookValues, packagetest::PublishedValues(s.Component) == values,
                    Differences(values, packagetest::PublishedValues(s.Component)));
      checks.Expect(kHookState, HookedState(s) == state, Differences(state, HookedState(s)));
      checks.Expect(kHookWorks, Heard(s, calls, file) == heardBefore);
      if (heardBefore) ++heard;
      ++compared;
      if (formHooked) ++hooked;
    }
  }
  EXPECT_GT(compared, 10);
  EXPECT_GT(hooked, 5);
  EXPECT_GT(heard, 2);
  RecordProperty("heard", heard);
  RecordProperty("compared", compared);
  RecordProperty("hooked", hooked);
}

TEST_F(RecreateHooked, ExceptionsNameRegisteredComponentsAndWaysOnly) {
  std::set<std::string> classes;
  for (vcl::TClass cls : packagetest::ComponentClasses())
    if (!cls->InheritsFrom(vcl::TControl::StaticClass())) classes.insert(cls->ClassName());
  std::set<std::string> ways;
  for (const THookedWay& w : kHookedWays) ways.insert(w.Name);
  for (const TExempt& e : HookedExemptions()) {
    EXPECT_TRUE(classes.count(e.Class)) << e.Class << " is no registered component";
    EXPECT_TRUE(ways.count(e.Way)) << e.Class << ": " << e.Way;
    EXPECT_GT(std::string(e.Reason).size(), 0u) << e.Class;
  }
}

}  // namespace
