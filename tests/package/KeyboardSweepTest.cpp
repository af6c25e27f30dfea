// The keyboard as a user meets it, over every registered control class (the framework's and the
// library's package's). A shown form holding one control of each class (containers with an
// edit inside, lists with items) is tabbed through forwards and backwards: the focus visits
// every control that can take it (a tab stop, enabled and shown with all its parents) once per
// round in tab order, goes into containers, and wraps; disabled and hidden controls are passed
// by. Then each control that has the focus is given the keys a user tries: nothing may raise
// or show an error, the focus stays in the control (an arrow the control leaves alone moves
// among the siblings), and every class answers some key. A second sweep puts each class on a
// form between an edit and two buttons, a default one and a cancel one (the framework's, then
// the library's): the Tab rounds change no value, Enter and Escape click those buttons unless
// the focused control wants the key, keys on the edit leave the control alone, WantTabs and
// WantReturns decide who takes Tab and Enter, a dropped-down list closes on Escape and Enter,
// and the control's accelerator focuses it, clicks it or focuses its FocusControl.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TabCtrls.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"

namespace {

using vcl::TControl;
using vcl::TWinControl;
namespace kit = win::testkit;

// The classes are dealt round-robin to this many tests in the sweep with one form per class.
constexpr int kShards = 4;

// The control classes of the registry (forms are the stage, not its cast).
std::vector<vcl::TClass> ControlClasses() {
  std::vector<vcl::TClass> classes;
  for (vcl::TClass c : packagetest::ComponentClasses())
    if (c->InheritsFrom(TControl::StaticClass()) && !packagetest::IsForm(c)) classes.push_back(c);
  return classes;
}

std::string NameOf(TControl* c) {
  if (!c) return "nothing";
  return c->ClassName() + (c->Name().empty() ? "" : " " + c->Name());
}

// The controls a user reaches with Tab inside `parent`, in order: its windowed children by tab
// order, each one that is a tab stop, then the stops inside it; a hidden or disabled control
// keeps its whole inside out of reach.
void TabStops(TWinControl* parent, std::vector<TWinControl*>& stops) {
  std::vector<TWinControl*> children;
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(parent->Controls(i))) children.push_back(w);
  std::stable_sort(children.begin(), children.end(),
                   [](TWinControl* a, TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (TWinControl* w : children) {
    if (!w->Visible() || !w->Enabled()) continue;
    if (w->TabStop()) stops.push_back(w);
    TabStops(w, stops);
  }
}

// The control that holds the focus: the form's active control, checked against the window
// that has the system's focus (the control's own or one inside it).
TWinControl* Focused(vcl::TCustomForm* form) {
  TWinControl* active = form->ActiveControl();
  const win::HWND focus = win::GetFocus();
  if (!active || !active->HandleAllocated()) return nullptr;
  if (focus != active->Handle() && !win::IsChild(active->Handle(), focus)) return nullptr;
  return active;
}

bool Inside(TControl* c, TWinControl* container) {
  for (; c; c = c->Parent())
    if (c == container) return true;
  return false;
}

// A key as a user presses it, with the modifiers held around it.
struct TKey {
  const char* Name;
  win::BYTE Vk;
  bool Shift = false, Ctrl = false, Alt = false;
};

void Press(const TKey& key) {
  if (key.Shift || key.Ctrl || key.Alt) kit::SetShiftState(key.Shift, key.Ctrl, key.Alt);
  kit::KeyPress(key.Vk);
  if (key.Shift || key.Ctrl || key.Alt) kit::SetShiftState(false, false, false);
  kit::RunUntilIdle();
}

bool IsArrow(win::BYTE vk) {
  return vk == win::VK_LEFT || vk == win::VK_RIGHT || vk == win::VK_UP || vk == win::VK_DOWN;
}

// What a user tries on a focused control. Escape follows the keys that drop a list down; the
// letter and the digit are no control's accelerator on the stages below.
const std::vector<TKey>& UserKeys() {
  static const std::vector<TKey> keys = {
      {"Left", win::VK_LEFT},
      {"Right", win::VK_RIGHT},
      {"Up", win::VK_UP},
      {"Down", win::VK_DOWN},
      {"Home", win::VK_HOME},
      {"End", win::VK_END},
      {"PageUp", win::VK_PRIOR},
      {"PageDown", win::VK_NEXT},
      {"Space", win::VK_SPACE},
      {"Enter", win::VK_RETURN},
      {"Escape", win::VK_ESCAPE},
      {"Delete", win::VK_DELETE},
      {"Backspace", win::VK_BACK},
      {"F4", win::VK_F4},
      {"Escape", win::VK_ESCAPE},
      {"Alt+Down", win::VK_DOWN, false, false, true},
      {"Escape", win::VK_ESCAPE},
      {"Ctrl+A", 'A', false, true},
      {"Ctrl+C", 'C', false, true},
      {"Ctrl+V", 'V', false, true},
      {"Ctrl+X", 'X', false, true},
      {"Ctrl+Z", 'Z', false, true},
      {"letter q", 'Q'},
      {"digit 7", '7'},
      {"Ctrl+Tab", win::VK_TAB, false, true},
      {"Ctrl+Shift+Tab", win::VK_TAB, true, true},
  };
  return keys;
}

// A container gets an edit of the framework's inside, where the focus goes through it.
vcl::TEdit* PutEditInside(TControl* c) {
  auto* container = dynamic_cast<TWinControl*>(c);
  // A page control holds its controls on a page.
  if (auto* pages = dynamic_cast<vcl::TPageControl*>(c)) {
    auto* page = new vcl::TTabSheet(c->Owner());
    page->SetPageControl(pages);
    container = page;
  }
  if (!container || !container->ControlStyle().contains(vcl::csAcceptsControls)) return nullptr;
  auto* edit = new vcl::TEdit(c->Owner());
  edit->SetBounds(2, 2, 40, 20);
  edit->SetParent(container);
  return edit;
}

// A control that lists items or tabs gets three, the second one chosen where it publishes the
// choice, so that the keys have something to move through.
void GiveItems(TControl* c) {
  for (const char* list : {"Items", "Tabs"}) {
    if (!vcl::IsPublishedProp(c, list) || vcl::PropType(c, list) != vcl::tkClass) continue;
    auto* items = dynamic_cast<vcl::TStrings*>(vcl::GetObjectProp(c, list));
    if (!items) continue;
    for (const char* item : {"One", "Two", "Three"}) items->Add(item);
    for (const char* choice : {"ItemIndex", "TabIndex"})
      if (vcl::IsPublishedProp(c, choice) && vcl::PropType(c, choice) == vcl::tkInteger)
        vcl::SetOrdProp(c, choice, 1);
  }
}

// The classes that may answer none of the user's keys on the stages here, with the reason.
const std::map<std::string, std::string>& SilentClasses() {
  static const std::map<std::string, std::string> silent = {
      {"TDriveComboBox", "the one drive there is has no neighbour to move to"},
      {"TZYLFontSizeComboBox", "without a font there are no sizes, and keys are refused"},
      {"TZYLFontSizeListBox", "without a font there are no sizes"},
      {"TZYLLabeledFontSizeListBox", "without a font there are no sizes"},
      {"TZYLFormTabControl", "its tabs are the forms it holds, and it holds none"},
      {"TZYLMaskEdit", "the empty mask it starts with has no place for a character"},
      {"TZYLLabeledMaskEdit", "the empty mask it starts with has no place for a character"},
  };
  return silent;
}

// The published simple values of a control, by name.
std::map<std::string, std::string> Values(TControl* c) {
  std::map<std::string, std::string> values;
  for (const vcl::TPropInfo* p : vcl::GetPropList(c)) {
    if (p->Kind() == vcl::tkClass || p->Kind() == vcl::tkMethod) continue;
    try {
      values[p->Name] = vcl::GetPropValue(c, p);
    } catch (const vcl::Exception&) {
      // A value with no text form is not compared.
    }
  }
  return values;
}

// The names of the values that differ.
std::string Changed(const std::map<std::string, std::string>& was,
                    const std::map<std::string, std::string>& now) {
  std::string names;
  for (const auto& [name, value] : was)
    if (now.count(name) && now.at(name) != value) names += (names.empty() ? "" : ", ") + name;
  return names;
}

// Two pictures of a window differ (in size or in a pixel).
bool Differs(const kit::TCapture& a, const kit::TCapture& b) {
  return a.Width != b.Width || a.Height != b.Height || kit::CountDifferentPixels(a, b) > 0;
}

// Counts the clicks of the controls of a form that publish OnClick; the handler a control had
// is still called.
class TClickLog {
 public:
  void Watch(TControl* c) {
    if (vcl::IsPublishedProp(c, "OnClick") && vcl::PropType(c, "OnClick") == vcl::tkMethod) {
      auto tap = std::make_unique<TTap>();
      tap->Control = c;
      try {
        tap->Previous = vcl::TNotifyEvent::FromMethod(vcl::GetMethodProp(c, "OnClick"));
        vcl::SetMethodProp(c, "OnClick", vcl::TNotifyEvent(tap.get(), &TTap::Clicked).Method());
        taps_.push_back(std::move(tap));
      } catch (const vcl::Exception&) {
        // Another kind of click event: not counted.
      }
    }
    if (auto* w = dynamic_cast<TWinControl*>(c))
      for (int i = 0; i < w->ControlCount(); ++i) Watch(w->Controls(i));
  }
  std::map<TControl*, int> Counts() const {
    std::map<TControl*, int> counts;
    for (const auto& tap : taps_) counts[tap->Control] = tap->Count;
    return counts;
  }
  // The controls clicked since the counts were taken.
  std::vector<TControl*> ClickedSince(const std::map<TControl*, int>& counts) const {
    std::vector<TControl*> clicked;
    for (const auto& tap : taps_)
      if (tap->Count != counts.at(tap->Control)) clicked.push_back(tap->Control);
    return clicked;
  }

 private:
  struct TTap : vcl::TObject {
    void Clicked(vcl::TObject* Sender) {
      ++Count;
      Previous(Sender);
    }
    TControl* Control = nullptr;
    vcl::TNotifyEvent Previous;
    int Count = 0;
  };
  std::vector<std::unique_ptr<TTap>> taps_;
};

// A published Boolean that is on ("Default", "Cancel").
bool Publishes(TControl* c, const char* name) {
  return vcl::IsPublishedProp(c, name) && vcl::PropType(c, name) == vcl::tkEnumeration &&
         vcl::GetOrdProp(c, name) != 0;
}

// The control of the class between an edit and the form's two buttons.
// The control of the class between an edit and the form's two buttons, of the framework's or of
// the library's button class.
struct TBetween {
  TBetween(vcl::TClass cls, vcl::TClass buttons) : Form(nullptr) {
    Form.SetBounds(0, 0, 420, 300);
    Before = new vcl::TEdit(&Form);
    Before->SetName("Before");
    Before->SetBounds(8, 8, 80, 24);
    Before->SetParent(&Form);
    X = static_cast<TControl*>(cls->Create(&Form));
    X->SetName("X");
    X->SetBounds(8, 40, 200, 120);
    X->SetParent(&Form);
    PutEditInside(X);
    GiveItems(X);
    Ok = NewButton(buttons, "OK", 8);
    vcl::SetOrdProp(Ok, "Default", 1);
    Cancel = NewButton(buttons, "Cancel", 100);
    vcl::SetOrdProp(Cancel, "Cancel", 1);
  }
  TWinControl* NewButton(vcl::TClass buttons, const char* name, int left) {
    auto* b = static_cast<TWinControl*>(buttons->Create(&Form));
    b->SetName(name);
    b->SetBounds(left, 200, 80, 26);
    b->SetParent(&Form);
    return b;
  }
  vcl::TForm Form;
  vcl::TEdit* Before;
  TControl* X;
  TWinControl* Ok;
  TWinControl* Cancel;
};

// Whether a focused control says it wants a key the form would otherwise take.
bool WantsKey(TWinControl* c, win::BYTE vk) {
  return c->Perform(vcl::CM_WANTSPECIALKEY, vk, 0) != 0 ||
         (c->Perform(win::WM_GETDLGCODE, 0, 0) & win::DLGC_WANTALLKEYS) != 0;
}

// The classes that keep Enter and Escape from the form's default and cancel buttons while they
// have the focus (a memo's WantReturns is off here), with the reason.
const std::map<std::string, std::string>& KeepsEnterAndEscape() {
  static const std::map<std::string, std::string> keep = {
      {"TZYLHistoryEdit", "a drop-down edit wants all keys, open or closed"},
      {"TZYLListComboBox", "a drop-down edit wants all keys, open or closed"},
      {"TZYLLabeledListComboBox", "a drop-down edit wants all keys, open or closed"},
  };
  return keep;
}

// What the accelerator of a class's caption does from another control, for the classes where it
// acts: a push or speed button clicks without taking the focus, a check box or radio button
// takes the focus and clicks, a group box passes the focus to its first child (a group of
// buttons it draws itself takes it), a label or static
// text focuses its FocusControl. The caption of any other class is no accelerator.
const std::map<std::string, std::string>& AcceleratorRules() {
  static const std::map<std::string, std::string> rules = {
      {"TBitBtn", "click"},
      {"TButton", "click"},
      {"TCheckBox", "focus click"},
      {"TGroupBox", "focus"},
      {"TLabel", "focus control"},
      {"TRadioButton", "focus click"},
      {"TRadioGroup", "focus"},
      {"TSpeedButton", "click"},
      {"TStaticText", "focus control"},
      {"TZYL3DEffectButton", "click"},
      {"TZYLBaseGraphicButton", "click"},
      {"TZYLBoundLabel", "focus control"},
      {"TZYLButton", "click"},
      {"TZYLCheckBox", "focus click"},
      {"TZYLCheckGroup", "focus"},
      {"TZYLDockButton", "click"},
      {"TZYLDockLabel", "focus control"},
      {"TZYLDockSpeedButton", "click"},
      {"TZYLGlyphLabel", "focus control"},
      {"TZYLGroupBox", "focus"},
      {"TZYLLabel", "focus control"},
      {"TZYLLabelFill", "focus control"},
      {"TZYLMMButton", "click"},
      {"TZYLRadioButton", "focus click"},
      {"TZYLRadioGroup", "focus"},
      {"TZYLShapeButton", "click"},
      {"TZYLSpeedButton", "click"},
      {"TZYLStaticText", "focus control"},
  };
  return rules;
}

class KeyboardSweep : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    classes_ = ControlClasses();
  }
  // A failure, noted once per class and what happened; reported at the end.
  void Note(std::string what) {
    if (!stage_.empty()) what = stage_ + ": " + what;
    if (std::find(faults_.begin(), faults_.end(), what) == faults_.end()) faults_.push_back(what);
  }
  std::string Faults() const {
    std::string s;
    for (const std::string& f : faults_) s += "\n  " + f;
    return s;
  }
  // No message box came up from an error on the way.
  void CheckNoShownError(const std::string& where) {
    const std::vector<std::string>& shown = vcl::Application->ShownExceptions();
    for (size_t i = shownSeen_; i < shown.size(); ++i)
      Note(where + " shows the error \"" + shown[i] + "\"");
    shownSeen_ = shown.size();
  }
  // Tabs once round the stops from the first, forwards or backwards (Shift+Tab); each press
  // must land on the next stop in the round.
  int TabRound(vcl::TCustomForm* form, const std::vector<TWinControl*>& stops, bool forward) {
    int moves = 0;
    const int n = static_cast<int>(stops.size());
    stops[0]->SetFocus();
    kit::RunUntilIdle();
    if (!forward) kit::SetShiftState(true, false, false);
    for (int i = 0; i < n; ++i) {
      const int from = forward ? i : (n - i) % n;
      const int to = forward ? (i + 1) % n : (2 * n - i - 1) % n;
      TWinControl* was = Focused(form);
      kit::KeyPress(win::VK_TAB);
      TWinControl* now = Focused(form);
      if (was != stops[from])
        Note("the round lost its place before " + NameOf(stops[from]) + " (at " + NameOf(was) +
             ")");
      if (now == stops[to]) {
        ++moves;
        continue;
      }
      Note(std::string(forward ? "Tab" : "Shift+Tab") + " from " + NameOf(stops[from]) +
           " goes to " + NameOf(now) + ", not " + NameOf(stops[to]));
      if (stops[to]->CanFocus()) stops[to]->SetFocus();
      kit::RunUntilIdle();
    }
    if (!forward) kit::SetShiftState(false, false, false);
    return moves;
  }
  // Presses the user's keys on a stop, bringing the focus back to it before each. Answers the
  // keys after which the focus is where it should be; `reacted` counts those that changed a
  // value of the stop or moved the focus.
  int TryKeys(vcl::TCustomForm* form, TWinControl* stop, int* reacted = nullptr) {
    int kept = 0;
    for (const TKey& key : UserKeys()) {
      if (Focused(form) != stop && stop->CanFocus()) stop->SetFocus();
      kit::RunUntilIdle();
      const std::string where = NameOf(stop) + " after " + key.Name;
      const std::map<std::string, std::string> was = Values(stop);
      const std::string textWas = stop->Text();
      const kit::TCapture shownWas = kit::RenderWindow(stop->Handle());
      try {
        Press(key);
      } catch (const std::exception& e) {
        Note(where + " raises \"" + e.what() + "\"");
        kit::SetShiftState(false, false, false);
        continue;
      }
      CheckNoShownError(where);
      TWinControl* now = Focused(form);
      if (reacted &&
          (now != stop || stop->Text() != textWas || !Changed(was, Values(stop)).empty() ||
           Differs(shownWas, kit::RenderWindow(stop->Handle()))))
        ++*reacted;
      // An arrow a control does not want moves the focus among the controls of its parent.
      const bool there = now == stop || Inside(now, stop) ||
                         (IsArrow(key.Vk) && !key.Alt && now && now->Parent() == stop->Parent());
      if (there)
        ++kept;
      else
        Note(where + " has the focus on " + NameOf(now));
    }
    return kept;
  }

  // A control that publishes WantTabs keeps Tab while it is on and passes it on when off; one
  // that publishes WantReturns keeps Enter from the default button while it is on.
  void WantedKeys(TBetween& stage, const TClickLog& clicks) {
    auto* x = dynamic_cast<TWinControl*>(stage.X);
    if (!x || !x->CanFocus()) return;
    for (const bool on : {true, false}) {
      if (vcl::IsPublishedProp(x, "WantTabs")) {
        vcl::SetOrdProp(x, "WantTabs", on);
        x->SetFocus();
        kit::RunUntilIdle();
        Press({"Tab", win::VK_TAB});
        TWinControl* now = Focused(&stage.Form);
        if ((now == x) != on)
          Note(std::string("Tab with WantTabs ") + (on ? "on" : "off") + " goes to " + NameOf(now));
        ++wanted_;
      }
      if (vcl::IsPublishedProp(x, "WantReturns")) {
        vcl::SetOrdProp(x, "WantReturns", on);
        x->SetFocus();
        kit::RunUntilIdle();
        const std::map<TControl*, int> before = clicks.Counts();
        Press({"Enter", win::VK_RETURN});
        const std::vector<TControl*> clicked = clicks.ClickedSince(before);
        const bool okClicked = std::find(clicked.begin(), clicked.end(), stage.Ok) != clicked.end();
        if (okClicked == on)
          Note(std::string("Enter with WantReturns ") + (on ? "on" : "off") +
               (okClicked ? " clicks" : " does not click") + " the default button");
        ++wanted_;
      }
    }
  }

  // A control that drops a list down on F4 closes it again on Escape and on Enter, which then
  // click neither of the form's buttons, and keeps the focus.
  void DropDowns(TBetween& stage, const TClickLog& clicks) {
    auto* x = dynamic_cast<TWinControl*>(stage.X);
    if (!x || !x->CanFocus()) return;
    for (const TKey& key : {TKey{"Escape", win::VK_ESCAPE}, TKey{"Enter", win::VK_RETURN}}) {
      x->SetFocus();
      kit::RunUntilIdle();
      const int shown = packagetest::ShownWindows();
      Press({"F4", win::VK_F4});
      if (packagetest::ShownWindows() == shown) return;  // nothing to drop down
      const std::map<TControl*, int> before = clicks.Counts();
      Press(key);
      const std::vector<TControl*> clicked = clicks.ClickedSince(before);
      const std::string where = std::string(key.Name) + " on the dropped-down list";
      if (packagetest::ShownWindows() != shown) Note(where + " leaves it open");
      if (!clicked.empty()) Note(where + " clicks " + NameOf(clicked[0]));
      if (Focused(&stage.Form) != x)
        Note(where + " moves the focus to " + NameOf(Focused(&stage.Form)));
      ++dropped_;
    }
  }

  // The accelerator of the control's caption, pressed from the cancel button: it focuses the
  // control, clicks it, or focuses its FocusControl, as its class's rule says. Once the control
  // is disabled, or shows "&" as it is (ShowAccelChar off), it does nothing.
  void Accelerator(TBetween& stage, const TClickLog& clicks) {
    TControl* x = stage.X;
    if (!vcl::IsPublishedProp(x, "Caption")) return;
    const vcl::TTypeKind kind = vcl::PropType(x, "Caption");
    if (kind != vcl::tkString && kind != vcl::tkLString && kind != vcl::tkWString) return;
    vcl::SetStrProp(x, "Caption", "&Kilo");
    if (vcl::IsPublishedProp(x, "FocusControl"))
      vcl::SetObjectProp(x, "FocusControl", stage.Before);
    const auto rule = AcceleratorRules().find(x->ClassName());
    const std::string want = rule == AcceleratorRules().end() ? "nothing" : rule->second;
    if (const std::string did = AcceleratorDoes(stage, clicks); did != want)
      Note("its accelerator does " + did + ", not " + want);
    // From the edit, which takes the letters typed alone, Alt and the letter reach the control
    // all the same (a box or radio button already marked may not click again).
    if (want != "focus control") {
      const std::string did = AcceleratorDoes(stage, clicks, stage.Before);
      if (did != want && !(want == "focus click" && did == "focus"))
        Note("its accelerator from an edit does " + did + ", not " + want);
    }
    if (vcl::IsPublishedProp(x, "ShowAccelChar")) {
      vcl::SetOrdProp(x, "ShowAccelChar", 0);
      if (const std::string did = AcceleratorDoes(stage, clicks); did != "nothing")
        Note("its accelerator with ShowAccelChar off does " + did);
      vcl::SetOrdProp(x, "ShowAccelChar", 1);
    }
    x->SetEnabled(false);
    if (const std::string did = AcceleratorDoes(stage, clicks); did != "nothing")
      Note("its accelerator while disabled does " + did);
    x->SetEnabled(true);
    ++accelerators_;
  }
  // From the control, focused, Alt and the marked letter of the default button's caption click
  // that button and leave the focus where it is.
  void AcceleratorFromTheControl(TBetween& stage, const TClickLog& clicks) {
    auto* x = dynamic_cast<TWinControl*>(stage.X);
    if (!x || !x->CanFocus() || !x->TabStop()) return;
    vcl::SetStrProp(stage.Ok, "Caption", "&Oscar");
    x->SetFocus();
    kit::RunUntilIdle();
    const std::map<TControl*, int> before = clicks.Counts();
    Press({"Alt+O", 'O', false, false, true});
    CheckNoShownError(NameOf(x) + " after Alt+O");
    const std::vector<TControl*> clicked = clicks.ClickedSince(before);
    if (clicked.size() != 1 || clicked[0] != stage.Ok)
      Note("Alt+O from the control clicks " +
           (clicked.empty() ? std::string("nothing") : NameOf(clicked[0])) + ", not the OK button");
    if (TWinControl* now = Focused(&stage.Form); now != x && !Inside(now, x))
      Note("Alt+O from the control moves the focus to " + NameOf(now));
    vcl::SetStrProp(stage.Ok, "Caption", "OK");
    ++accelerators_;
  }

  // Presses Alt+K from the cancel button (or another control) and tells what came of it.
  std::string AcceleratorDoes(TBetween& stage, const TClickLog& clicks,
                              TWinControl* from = nullptr) {
    TControl* x = stage.X;
    (from ? from : stage.Cancel)->SetFocus();
    kit::RunUntilIdle();
    const std::map<TControl*, int> before = clicks.Counts();
    Press({"Alt+K", 'K', false, false, true});
    CheckNoShownError(NameOf(x) + " after its accelerator");
    TWinControl* now = Focused(&stage.Form);
    const std::vector<TControl*> clicked = clicks.ClickedSince(before);
    std::string what;
    if (now == stage.Before && from != stage.Before)
      what = "focus control";
    else if (now == x || Inside(now, dynamic_cast<TWinControl*>(x)))
      what = "focus";
    if (std::find(clicked.begin(), clicked.end(), x) != clicked.end())
      what += what.empty() ? "click" : " click";
    return what.empty() ? "nothing" : what;
  }

  std::vector<vcl::TClass> classes_;
  int accelerators_ = 0;
  int wanted_ = 0;
  int keys_ = 0;
  int dropped_ = 0;
  std::vector<std::string> faults_;
  // The class whose stage is being swept, when there is one per class.
  std::string stage_;
  size_t shownSeen_ = 0;
};

// One control of every class on one form: two rounds of Tab and one of Shift+Tab visit every
// stop in order, then each stop takes the keys.
TEST_P(KeyboardSweep, OneFormOfEveryClassTabsRoundAndTakesTheKeys) {
  ASSERT_GT(classes_.size(), 60u);
  vcl::testkit::TDialogScript noAnswers;
  vcl::TForm form(nullptr);
  // The whole form stays on the screen, so that what each control shows can be compared.
  form.SetBounds(0, 0, 1020, 760);
  int at = 0;
  for (vcl::TClass cls : classes_) {
    auto* c = static_cast<TControl*>(cls->Create(&form));
    c->SetName("C" + std::to_string(at));
    c->SetBounds(4 + (at % 13) * 77, 4 + (at / 13) * 70, 74, 66);
    c->SetParent(&form);
    ++at;
    PutEditInside(c);
    GiveItems(c);
  }
  form.Show();
  kit::RunUntilIdle();
  shownSeen_ = vcl::Application->ShownExceptions().size();
  std::vector<TWinControl*> stops;
  TabStops(&form, stops);
  ASSERT_GT(stops.size(), 40u);
  // Every stop is reached from the one before and the round wraps, twice over.
  const int n = static_cast<int>(stops.size());
  EXPECT_EQ(TabRound(&form, stops, true), n);
  EXPECT_EQ(TabRound(&form, stops, true), n);
  EXPECT_EQ(TabRound(&form, stops, false), n);
  // This shard's stops take the keys; each of their classes answers at least one.
  int keys = 0;
  std::map<std::string, int> reacted;
  for (size_t k = static_cast<size_t>(GetParam()); k < stops.size(); k += kShards) {
    keys += TryKeys(&form, stops[k], &reacted[stops[k]->ClassName()]);
  }
  for (const auto& [name, count] : reacted)
    if (count == 0 && !SilentClasses().count(name)) Note(name + " answers none of the keys");
  // With some controls disabled and others hidden (another choice in each shard), the rounds
  // pass them and all that is inside them by.
  for (int i = 0; i < form.ControlCount(); ++i) {
    if ((i + GetParam()) % 3 == 1) form.Controls(i)->SetEnabled(false);
    if ((i + GetParam()) % 5 == 2) form.Controls(i)->SetVisible(false);
  }
  kit::RunUntilIdle();
  std::vector<TWinControl*> fewer;
  TabStops(&form, fewer);
  ASSERT_GT(fewer.size(), 10u);
  ASSERT_LT(fewer.size(), stops.size());
  const int m = static_cast<int>(fewer.size());
  EXPECT_EQ(TabRound(&form, fewer, true), m);
  EXPECT_EQ(TabRound(&form, fewer, false), m);
  EXPECT_TRUE(faults_.empty()) << faults_.size() << " faults:" << Faults();
  EXPECT_GT(keys, n * 10 / kShards);
  RecordProperty("stops", n);
  RecordProperty("keys", keys);
}

// Each class on its own form between an edit and the default and cancel buttons: the Tab
// rounds, Enter and Escape on every stop, and the accelerator of its caption.
TEST_P(KeyboardSweep, EachClassBetweenAnEditAndTheFormsButtons) {
  vcl::testkit::TDialogScript noAnswers;
  int cases = 0;
  // The form's buttons are the framework's, then the library's push buttons.
  std::vector<vcl::TClass> buttons = {vcl::TButton::StaticClass()};
  for (vcl::TClass c : classes_)
    if (c->ClassName() == "TZYLButton") buttons.push_back(c);
  ASSERT_EQ(buttons.size(), 2u);
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size() * 2; k += kShards) {
    const vcl::TClass cls = classes_[k / 2];
    stage_ = cls->ClassName() + " with " + buttons[k % 2]->ClassName() + "s";
    TBetween stage(cls, buttons[k % 2]);
    TClickLog clicks;
    stage.Form.Show();
    kit::RunUntilIdle();
    clicks.Watch(&stage.Form);
    shownSeen_ = vcl::Application->ShownExceptions().size();
    std::vector<TWinControl*> stops;
    TabStops(&stage.Form, stops);
    ASSERT_GE(stops.size(), 3u);
    const int n = static_cast<int>(stops.size());
    // Passing through with Tab changes no value.
    const std::map<std::string, std::string> shown = Values(stage.X);
    EXPECT_EQ(TabRound(&stage.Form, stops, true), n);
    EXPECT_EQ(TabRound(&stage.Form, stops, false), n);
    if (const std::string changed = Changed(shown, Values(stage.X)); !changed.empty())
      Note("Tab passing through changes " + changed);
    Accelerator(stage, clicks);
    AcceleratorFromTheControl(stage, clicks);
    // The user's keys on the edit before leave the control as it is; on the control they keep
    // the focus there.
    const std::map<std::string, std::string> beforeKeys = Values(stage.X);
    keys_ += TryKeys(&stage.Form, stage.Before);
    if (const std::string changed = Changed(beforeKeys, Values(stage.X)); !changed.empty())
      Note("keys on the edit before change " + changed);
    if (auto* x = dynamic_cast<TWinControl*>(stage.X); x && x->CanFocus() && x->TabStop())
      keys_ += TryKeys(&stage.Form, x);
    WantedKeys(stage, clicks);
    DropDowns(stage, clicks);
    for (TWinControl* stop : stops) {
      for (const win::BYTE vk : {win::VK_RETURN, win::VK_ESCAPE}) {
        const bool enter = vk == win::VK_RETURN;
        stop->SetFocus();
        kit::RunUntilIdle();
        const bool wants = WantsKey(stop, vk);
        if (wants != (stop == stage.X && KeepsEnterAndEscape().count(stop->ClassName()) > 0))
          Note(NameOf(stop) + (wants ? " keeps " : " does not keep ") +
               (enter ? "Enter" : "Escape") + " from the form");
        const std::map<TControl*, int> before = clicks.Counts();
        const std::map<std::string, std::string> held = Values(stage.X);
        Press({enter ? "Enter" : "Escape", vk});
        CheckNoShownError(NameOf(stop));
        if (stop != stage.X && !Inside(stop, dynamic_cast<TWinControl*>(stage.X)))
          if (const std::string changed = Changed(held, Values(stage.X)); !changed.empty())
            Note(std::string(enter ? "Enter" : "Escape") + " on " + NameOf(stop) + " changes " +
                 changed);
        const std::vector<TControl*> clicked = clicks.ClickedSince(before);
        // Enter clicks the focused push button or else the default one, Escape the cancel
        // one; a control that wants the key keeps it.
        bool right = clicked.empty() == wants && clicked.size() <= 1;
        if (!clicked.empty())
          right =
              right && (enter ? Publishes(clicked[0], "Default") ||
                                    (clicked[0] == stop && vcl::IsPublishedProp(stop, "Default"))
                              : Publishes(clicked[0], "Cancel"));
        if (!right)
          Note(NameOf(stop) + (enter ? " Enter" : " Escape") + " clicks " +
               (clicked.empty() ? "nothing" : NameOf(clicked[0])) +
               (clicked.size() > 1 ? " and more" : "") + (wants ? " (wants the key)" : ""));
        ++cases;
      }
    }
    // Disabled, then hidden, the control and all inside it are passed by.
    for (const bool hide : {false, true}) {
      stage.X->SetEnabled(hide);
      stage.X->SetVisible(!hide);
      kit::RunUntilIdle();
      std::vector<TWinControl*> rest;
      TabStops(&stage.Form, rest);
      ASSERT_EQ(rest.size(), 3u);  // the edit and the two buttons
      EXPECT_EQ(TabRound(&stage.Form, rest, true), 3);
      EXPECT_EQ(TabRound(&stage.Form, rest, false), 3);
    }
  }
  EXPECT_TRUE(faults_.empty()) << faults_.size() << " faults:" << Faults();
  EXPECT_GT(cases, 0);
  EXPECT_GT(accelerators_ + wanted_ + dropped_, 0);
  RecordProperty("dropped", dropped_);
  EXPECT_GT(keys_, cases);
  RecordProperty("cases", cases);
}

INSTANTIATE_TEST_SUITE_P(Shards, KeyboardSweep, ::testing::Range(0, kShards));

}  // namespace
