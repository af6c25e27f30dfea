// Dragging with the mouse over every registered control class (the framework's and the library's
// package's), each on a shown form beside two panels, one accepting what is dragged onto it and
// one refusing it, with its drag events set through its published properties as a form file
// sets them.
// As the source: dragged with DragMode dmAutomatic onto the accepting panel, onto the refusing
// one and out of the form onto no control, cancelled with Escape over the accepting one, and
// with dmManual begun from its OnMouseDown at once and past a threshold. OnStartDrag comes
// once, the panels under the path are asked, only the accepting one is dropped on, OnEndDrag
// comes once with that panel (or nil) and the drop point, the cursor shows the DragCursor over
// the accepting panel and crNoDrop over the refusing one, the mouse is free afterwards, and the
// source's own press is not left behind: no button drawn down, no repeat running, no value
// changed that a click would not change.
// As the target: a panel dragged onto the control is asked with the point in the client
// coordinates of the control (or of the published part of it that is under the mouse), the
// control's answer decides, and the drop arrives there with the panel as its Source.
// Where a class does otherwise for a reason its own description gives, it is named below with
// the reason; a named exception that no longer happens fails the sweep.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// Longer than any double-click time and any repeat's first delay.
constexpr uint64_t kApart = 1000;
// The DragCursor every source is given: one no control shows of itself.
constexpr vcl::TCursor kDragCursor = vcl::crHandPoint;

using packagetest::IsControlClass;

bool Within(vcl::TControl* part, vcl::TControl* c) {
  for (vcl::TControl* up = part; up; up = up->Parent())
    if (up == c) return true;
  return false;
}

// What a control's drag events were told, through the handlers its published events hold.
class TDragEvents : public vcl::TObject {
 public:
  struct TCall {
    vcl::TObject* Sender;
    vcl::TObject* Other;  // the source asked about or dropped, the target the drag ended on
    vcl::TPoint At;
    vcl::TDragState State;
  };
  std::vector<TCall> Overs, Drops, Ends;
  std::vector<vcl::TObject*> Starts;
  bool Accept = false;
  // Begins a drag from OnMouseDown (a manual drag).
  bool BeginOnPress = false;
  bool Immediate = true;
  int Threshold = -1;

  void Over(vcl::TObject* s, vcl::TObject* src, int x, int y, vcl::TDragState st, bool& accept) {
    Overs.push_back({s, src, {x, y}, st});
    accept = Accept;
  }
  void Drop(vcl::TObject* s, vcl::TObject* src, int x, int y) {
    Drops.push_back({s, src, {x, y}, vcl::dsDragMove});
  }
  void End(vcl::TObject* s, vcl::TObject* target, int x, int y) {
    Ends.push_back({s, target, {x, y}, vcl::dsDragMove});
  }
  void Start(vcl::TObject* s, vcl::TObject*&) { Starts.push_back(s); }
  void Press(vcl::TObject* s, vcl::TMouseButton b, vcl::TShiftState, int, int) {
    if (auto* c = dynamic_cast<vcl::TControl*>(s); c && BeginOnPress && b == vcl::mbLeft)
      c->BeginDrag(Immediate, Threshold);
  }

  // Sets the handlers through the control's published events, or in code where the class
  // does not publish one; answers the names of those it does not publish.
  std::string Hook(vcl::TControl* c, bool asSource) {
    std::string missing;
    Set(c, "OnDragOver", vcl::TDragOverEvent(this, &TDragEvents::Over), c->OnDragOver, missing);
    Set(c, "OnDragDrop", vcl::TDragDropEvent(this, &TDragEvents::Drop), c->OnDragDrop, missing);
    if (!asSource) return missing;
    Set(c, "OnStartDrag", vcl::TStartDragEvent(this, &TDragEvents::Start), c->OnStartDrag, missing);
    Set(c, "OnEndDrag", vcl::TEndDragEvent(this, &TDragEvents::End), c->OnEndDrag, missing);
    if (BeginOnPress)
      Set(c, "OnMouseDown", vcl::TMouseEvent(this, &TDragEvents::Press), c->OnMouseDown, missing);
    return missing;
  }

 private:
  template <class E>
  static void Set(vcl::TControl* c, const char* name, const E& handler, E& field,
                  std::string& missing) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
    if (p && p->Kind() == vcl::tkMethod) {
      vcl::SetMethodProp(c, p, handler.Method());
    } else {
      field = handler;
      missing += std::string(name) + " ";
    }
  }
};

// Sets an ordinal property through the published property, or in code where the class does
// not publish it; answers the name when it does not.
template <class T>
std::string SetPublished(vcl::TControl* c, const char* name, T value,
                         void (vcl::TControl::*set)(T)) {
  const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
  if (p && p->IsWritable()) {
    vcl::SetOrdProp(c, p, value);
    return "";
  }
  (c->*set)(value);
  return std::string(name) + " ";
}

// A control of the class at (8, 8), 120 x 60, on a shown form, with a panel that accepts what
// is dragged onto it and one that refuses it to its right.
struct TDragStage {
  std::unique_ptr<vcl::TForm> Form{new vcl::TForm(nullptr)};
  vcl::TControl* Control = nullptr;
  vcl::TPanel* Accepting = nullptr;
  vcl::TPanel* Refusing = nullptr;
  TDragEvents AcceptingEvents, RefusingEvents;

  explicit TDragStage(vcl::TClass cls) {
    Form->SetBounds(0, 0, 420, 260);
    Control = static_cast<vcl::TControl*>(cls->Create(Form.get()));
    Control->SetName("X");
    Control->SetBounds(8, 8, 120, 60);
    Control->SetParent(Form.get());
    packagetest::GiveItems(Control);
    Accepting = Panel(260, 8);
    Refusing = Panel(260, 120);
    AcceptingEvents.Accept = true;
    AcceptingEvents.Hook(Accepting, false);
    RefusingEvents.Hook(Refusing, false);
    Form->Show();
    tk::RunUntilIdle();
  }
  vcl::TPanel* Panel(int x, int y) {
    auto* p = new vcl::TPanel(Form.get());
    p->SetBounds(x, y, 100, 60);
    p->SetParent(Form.get());
    p->BringToFront();
    return p;
  }
  static vcl::TPoint Centre(vcl::TControl* c) {
    return c->ClientToScreen({c->Width() / 2, c->Height() / 2});
  }
  // A point of the control's client area where the mouse finds the control itself, else one
  // where it finds a part of it; false when there is none (it shows nowhere on its own).
  bool PressPoint(vcl::TPoint& at) const {
    const int w = Control->Width(), h = Control->Height();
    const std::initializer_list<vcl::TPoint> points = {
        {w / 2, h / 2}, {3, 3},     {w / 4, h / 2}, {w / 2, 3},     {3, h / 2},
        {w - 4, h / 2}, {w - 4, 3}, {w / 2, h - 4}, {w - 4, h - 4}, {3, h - 4}};
    for (bool itself : {true, false})
      for (vcl::TPoint p : points) {
        if (p.X < 0 || p.Y < 0 || p.X >= w || p.Y >= h) continue;
        at = Control->ClientToScreen(p);
        vcl::TControl* target = vcl::FindDragTarget(at, false);
        if (!target || (itself ? target != Control : !Within(target, Control))) continue;
        const win::HWND window = win::WindowFromPoint({at.X, at.Y});
        if (window && win::SendMessageA(window, win::WM_NCHITTEST, 0,
                                        win::MAKELPARAM(at.X, at.Y)) == win::HTCLIENT)
          return true;
      }
    return false;
  }
  // What the form shows of the control with the mouse away, painted afresh.
  tk::TCapture Picture() const {
    tk::MouseMove(1000, 740);
    return tk::CapturePart(tk::RenderWindow(Form->Handle(), false), Control->BoundsRect());
  }
};

// Whether the control or one of its children keeps a pressed left button.
bool KeepsPress(vcl::TControl* c) {
  if (c->ControlState().contains(vcl::csLButtonDown)) return true;
  if (auto* w = dynamic_cast<vcl::TWinControl*>(c))
    for (int i = 0; i < w->ControlCount(); ++i)
      if (KeepsPress(w->Controls(i))) return true;
  return false;
}

// ---- Named exceptions ----

// A check of the sweep that a class does not pass, and why.
struct TExempt {
  const char* Class;
  const char* Check;
  const char* Reason;
};

constexpr char kPublished[] = "publishes the drag properties and events";
constexpr char kFrameworkList[] =
    "the framework's class publishes none of them; set in code they work";
constexpr char kOwnList[] =
    "its own list of published properties and events names none of them; set in code they "
    "work";
constexpr char kEditChild[] =
    "a press on the text field is the edit child's, whose mouse does not reach the combo's "
    "OnMouseDown, so no manual drag begins there";

constexpr char kPublishedTarget[] = "publishes the drag events a target hears";

// The classes that publish no drag property or event, by the reason.
const std::vector<std::pair<const char*, std::vector<const char*>>>& Unpublished() {
  static const std::vector<std::pair<const char*, std::vector<const char*>>> classes = {
      {kFrameworkList, {"TAnimate", "TBevel", "TSpeedButton", "TSplitter", "TUpDown"}},
      {kOwnList,
       {"TZYL3DEffectButton", "TZYLAssist", "TZYLAssistPage", "TZYLBaseGraphicButton", "TZYLButton",
        "TZYLCheckBox", "TZYLCheckGroup", "TZYLDockButton", "TZYLDockSpeedButton", "TZYLDrawEdge",
        "TZYLGroupBox", "TZYLMMButton", "TZYLRadioButton", "TZYLRadioGroup", "TZYLShadowFill",
        "TZYLShapeButton", "TZYLSpeedButton"}},
  };
  return classes;
}

std::vector<TExempt> BuildExemptions() {
  std::vector<TExempt> exempt;
  for (const auto& [reason, classes] : Unpublished())
    for (const char* cls : classes) {
      exempt.push_back({cls, kPublished, reason});
      exempt.push_back({cls, kPublishedTarget, reason});
    }
  const std::vector<TExempt> rest = {
      {"TTabSheet", kPublished, "the framework's page publishes DragMode but not DragCursor"},
      // Shown only inside their own containers, or sized to a caption they do not have here.
      {"TTabSheet", "shows a point to press", "a page shows in its page control only"},
      {"TTabSheet", "shows a point to drop on", "a page shows in its page control only"},
      {"TZYLAssistPage", "shows a point to press", "a page shows in its wizard only"},
      {"TZYLAssistPage", "shows a point to drop on", "a page shows in its wizard only"},
      {"TZYLBoundLabel", "shows a point to press",
       "a bound label sizes itself to its caption, its owner's name, which is empty here"},
      {"TZYLBoundLabel", "shows a point to drop on",
       "a bound label sizes itself to its caption, its owner's name, which is empty here"},
      // The multi-column list box copies its drag handlers to its inner list, which is the
      // control under the mouse: the inner list is asked, in its own coordinates.
      {"TZYLListBox", "is asked on itself",
       "the box's drag events are copied to its inner list and raised there"},
      {"TComboBox", "starts once on the press", kEditChild},
      {"TZYLComboBox", "starts once on the press", kEditChild},
      {"TZYLFontSizeComboBox", "starts once on the press", kEditChild},
  };
  exempt.insert(exempt.end(), rest.begin(), rest.end());
  return exempt;
}

const std::vector<TExempt>& Exemptions() {
  static const std::vector<TExempt> exempt = BuildExemptions();
  return exempt;
}

// The checks one shard makes of one class, against the table's named exceptions.
packagetest::TNamedChecks Checks(const std::string& cls) {
  std::set<std::string> named;
  for (const TExempt& e : Exemptions())
    if (cls == e.Class) named.insert(e.Check);
  return packagetest::TNamedChecks(cls, std::move(named));
}

// ---- The control as the source ----

enum class TEnd { Accepting, Refusing, Nowhere, Escape };

struct TSourceCase {
  const char* Name;
  vcl::TDragMode Mode;
  bool Immediate;  // for a manual drag
  int Threshold;
  TEnd End;
};

const std::vector<TSourceCase>& SourceCases() {
  static const std::vector<TSourceCase> cases = {
      {"automatic onto the accepting panel", vcl::dmAutomatic, true, -1, TEnd::Accepting},
      {"automatic onto the refusing panel", vcl::dmAutomatic, true, -1, TEnd::Refusing},
      {"automatic onto no control", vcl::dmAutomatic, true, -1, TEnd::Nowhere},
      {"automatic cancelled with Escape", vcl::dmAutomatic, true, -1, TEnd::Escape},
      {"manual at once onto the accepting panel", vcl::dmManual, true, -1, TEnd::Accepting},
      {"manual past a threshold onto the accepting panel", vcl::dmManual, false, 6,
       TEnd::Accepting},
      {"manual at once onto the refusing panel", vcl::dmManual, true, -1, TEnd::Refusing},
  };
  return cases;
}

// Where the mouse is let go.
vcl::TPoint EndPoint(const TDragStage& st, TEnd end) {
  switch (end) {
    case TEnd::Accepting:
    case TEnd::Escape: return TDragStage::Centre(st.Accepting);
    case TEnd::Refusing: return TDragStage::Centre(st.Refusing);
    case TEnd::Nowhere: return {900, 700};
  }
  return {};
}

class DragDropSweep : public packagetest::TControlClassesSweep {};

// The published values a plain click at the point changes on a fresh control of the class.
std::set<std::string> ClickChanges(vcl::TClass cls, vcl::TPoint at) {
  TDragStage st(cls);
  const packagetest::TValues before = packagetest::PublishedValues(st.Control);
  tk::Click(at.X, at.Y);
  tk::MouseMove(1000, 740);
  tk::AdvanceClock(kApart);
  return packagetest::ChangedPaths(before, packagetest::PublishedValues(st.Control));
}

// One drag with the control as its source; answers whether the drag could be made.
bool DragFrom(vcl::TClass cls, const TSourceCase& c, packagetest::TNamedChecks& checks) {
  SCOPED_TRACE(c.Name);
  TDragStage st(cls);
  TDragEvents events;
  events.BeginOnPress = c.Mode == vcl::dmManual;
  events.Immediate = c.Immediate;
  events.Threshold = c.Threshold;
  std::string missing = events.Hook(st.Control, true);
  // The press handler is the sweep's way to begin a manual drag, not a drag event.
  if (const size_t at = missing.find("OnMouseDown "); at != std::string::npos)
    missing.erase(at, sizeof("OnMouseDown ") - 1);
  missing += SetPublished(st.Control, "DragMode", c.Mode, &vcl::TControl::SetDragMode);
  missing += SetPublished(st.Control, "DragCursor", kDragCursor, &vcl::TControl::SetDragCursor);
  checks.Expect(kPublished, missing.empty(), missing);
  vcl::TPoint from;
  if (!st.PressPoint(from)) {
    checks.Expect("shows a point to press", false);
    return false;
  }
  const tk::TCapture pictureBefore = st.Picture();
  const packagetest::TValues before = packagetest::PublishedValues(st.Control);
  const vcl::TPoint to = EndPoint(st, c.End);
  tk::MouseMove(from.X, from.Y);
  tk::MouseDown(from.X, from.Y);
  checks.Expect("starts once on the press", events.Starts.size() == 1,
                std::to_string(events.Starts.size()));
  if (events.Starts.empty()) {
    tk::MouseUp(from.X, from.Y);
    return true;
  }
  auto* dragged = dynamic_cast<vcl::TControl*>(events.Starts[0]);
  checks.Expect("starts on itself or a part of it", dragged && Within(dragged, st.Control));
  // Across the control, then to where it ends.
  tk::MouseMove(from.X + 3, from.Y + 1);
  tk::MouseMove((from.X + to.X) / 2, (from.Y + to.Y) / 2);
  tk::MouseMove(to.X, to.Y);
  if (c.End == TEnd::Accepting)
    checks.Expect("shows its DragCursor over the accepting panel",
                  win::GetCursor() == vcl::Screen->Cursors(kDragCursor));
  if (c.End == TEnd::Refusing)
    checks.Expect("shows crNoDrop over the refusing panel",
                  win::GetCursor() == vcl::Screen->Cursors(vcl::crNoDrop));
  if (c.End == TEnd::Escape) tk::KeyPress(win::VK_ESCAPE);
  tk::MouseUp(to.X, to.Y);

  // The panels under the path were asked, and the accepting one only dropped on.
  const TDragEvents& under = c.End == TEnd::Refusing ? st.RefusingEvents : st.AcceptingEvents;
  if (c.End != TEnd::Nowhere) {
    const vcl::TPoint local =
        (c.End == TEnd::Refusing ? st.Refusing : st.Accepting)->ScreenToClient(to);
    const bool asked = !under.Overs.empty() && under.Overs.front().State == vcl::dsDragEnter &&
                       under.Overs.front().Other == dragged && under.Overs.front().At == local;
    checks.Expect("asks the panel under the path", asked);
  }
  const bool dropped = c.End == TEnd::Accepting;
  checks.Expect(
      "drops on the accepting panel only",
      st.AcceptingEvents.Drops.size() == (dropped ? 1u : 0u) && st.RefusingEvents.Drops.empty());
  if (dropped && !st.AcceptingEvents.Drops.empty())
    checks.Expect("drops itself at the point",
                  st.AcceptingEvents.Drops[0].Other == dragged &&
                      st.AcceptingEvents.Drops[0].At == st.Accepting->ScreenToClient(to));
  checks.Expect("ends once", events.Ends.size() == 1, std::to_string(events.Ends.size()));
  if (events.Ends.size() == 1) {
    const TDragEvents::TCall& end = events.Ends[0];
    const vcl::TPoint expected = dropped ? st.Accepting->ScreenToClient(to) : vcl::TPoint{0, 0};
    checks.Expect("ends on the panel it dropped on (nil else) at the drop point",
                  end.Sender == dragged &&
                      end.Other == (dropped ? static_cast<vcl::TObject*>(st.Accepting) : nullptr) &&
                      end.At == expected);
  }
  // Its own press is not left behind.
  checks.Expect("leaves the mouse free", win::GetCapture() == nullptr &&
                                             vcl::GetCaptureControl() == nullptr &&
                                             !vcl::DragUnderWay());
  checks.Expect("keeps no press", !KeepsPress(st.Control));
  const tk::TCapture pictureAfter = st.Picture();
  const packagetest::TValues after = packagetest::PublishedValues(st.Control);
  // The mouse passing over it with no button down selects, presses or moves nothing, as it
  // would if the press were still going on.
  tk::MouseMove(from.X, from.Y);
  tk::MouseMove(from.X + 20, from.Y + 10);
  tk::MouseMove(from.X - 20, from.Y - 5);
  checks.Expect(
      "follows no mouse once the drag is over",
      tk::CountDifferentPixels(pictureAfter, st.Picture()) == 0 &&
          packagetest::ChangedPaths(after, packagetest::PublishedValues(st.Control)).empty());
  tk::AdvanceClock(kApart);
  checks.Expect("runs no repeat",
                packagetest::ChangedPaths(after, packagetest::PublishedValues(st.Control)).empty());
  const std::set<std::string> changed = packagetest::ChangedPaths(before, after);
  if (c.Mode == vcl::dmAutomatic) {
    // The press went to the drag alone.
    std::string list;
    for (const std::string& p : changed) list += p + " ";
    checks.Expect("changes no value", changed.empty(), list);
    checks.Expect("looks as before", tk::CountDifferentPixels(pictureBefore, pictureAfter) == 0);
  } else {
    const std::set<std::string> click = ClickChanges(cls, from);
    std::string list;
    for (const std::string& p : changed)
      if (!click.count(p)) list += p + " ";
    checks.Expect("changes no value a click would not change", list.empty(), list);
  }
  return true;
}

TEST_P(DragDropSweep, EveryControlDraggedFromEndsItsDragOnceAndLeavesNothingBehind) {
  ASSERT_GT(classes_.size(), 60u);
  // Every dialog a press brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  int dragged = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    packagetest::TNamedChecks checks = Checks(cls->ClassName());
    for (const TSourceCase& c : SourceCases())
      if (DragFrom(cls, c, checks)) ++dragged;
  }
  EXPECT_GT(dragged, 0);
  RecordProperty("dragged", dragged);
}

INSTANTIATE_TEST_SUITE_P(Shards, DragDropSweep, ::testing::Range(0, kShards));

// A named exception of a class the package no longer registers is stale too.
class DragDropExceptions : public packagetest::TPackageFixture<> {};

TEST_F(DragDropExceptions, NameRegisteredControlClassesOnly) {
  const std::set<std::string> controls = packagetest::ControlClassNames();
  ASSERT_GT(controls.size(), 60u);
  for (const TExempt& e : Exemptions()) {
    EXPECT_TRUE(controls.count(e.Class)) << e.Class << " is no registered control class";
    EXPECT_GT(std::string(e.Reason).size(), 0u) << e.Class;
  }
}

// ---- The control as the target ----

// A panel at the accepting panel's place dragged onto the control; `accept` is the control's
// answer.
void DragOnto(vcl::TClass cls, bool accept, packagetest::TNamedChecks& checks) {
  SCOPED_TRACE(accept ? "accepting" : "refusing");
  TDragStage st(cls);
  TDragEvents events, source;
  events.Accept = accept;
  const std::string missing = events.Hook(st.Control, false);
  checks.Expect(kPublishedTarget, missing.empty(), missing);
  source.Hook(st.Accepting, true);
  st.Accepting->SetDragMode(vcl::dmAutomatic);
  vcl::TPoint at;
  if (!st.PressPoint(at)) {
    checks.Expect("shows a point to drop on", false);
    return;
  }
  const vcl::TPoint from = TDragStage::Centre(st.Accepting);
  tk::Drag({from.X, from.Y}, {at.X, at.Y});
  // The last question was asked where the mouse let go, of the control or a published part.
  const TDragEvents::TCall* over = nullptr;
  for (const TDragEvents::TCall& call : events.Overs)
    if (call.State != vcl::dsDragLeave) over = &call;
  checks.Expect("is asked", over != nullptr);
  if (!over) return;
  auto* asked = dynamic_cast<vcl::TControl*>(over->Sender);
  checks.Expect("is asked on itself or a part of it", asked && Within(asked, st.Control));
  if (!asked) return;
  checks.Expect("is asked on itself", asked == st.Control, asked->ClassName());
  checks.Expect("is asked with the point in the asked control's client coordinates",
                over->At == asked->ScreenToClient(at) && over->Other == st.Accepting);
  if (accept) {
    checks.Expect("is dropped on there with the panel as the source",
                  events.Drops.size() == 1 && events.Drops[0].Sender == asked &&
                      events.Drops[0].Other == st.Accepting &&
                      events.Drops[0].At == asked->ScreenToClient(at));
    checks.Expect("ends the panel's drag on it",
                  source.Ends.size() == 1 && source.Ends[0].Other == asked);
  } else {
    checks.Expect("is not dropped on when it refuses", events.Drops.empty());
    checks.Expect("ends the panel's drag on nothing when it refuses",
                  source.Ends.size() == 1 && source.Ends[0].Other == nullptr);
  }
  // Over the control: the panel's DragCursor where it accepts, crNoDrop where it refuses.
  TDragStage again(cls);
  TDragEvents answer;
  answer.Accept = accept;
  (void)answer.Hook(again.Control, false);
  again.Accepting->SetDragMode(vcl::dmAutomatic);
  again.Accepting->SetDragCursor(kDragCursor);
  const vcl::TPoint start = TDragStage::Centre(again.Accepting);
  tk::MouseDown(start.X, start.Y);
  tk::MouseMove(at.X, at.Y);
  checks.Expect("shows the drag's cursor by its answer",
                win::GetCursor() == vcl::Screen->Cursors(accept ? kDragCursor : vcl::crNoDrop));
  tk::MouseUp(at.X, at.Y);
}

class DragOntoSweep : public DragDropSweep {};

TEST_P(DragOntoSweep, EveryControlDraggedOntoIsAskedInItsOwnCoordinatesAndDecides) {
  ASSERT_GT(classes_.size(), 60u);
  vcl::testkit::TDialogScript noAnswers;
  int asked = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    packagetest::TNamedChecks checks = Checks(cls->ClassName());
    for (bool accept : {true, false}) DragOnto(cls, accept, checks);
    ++asked;
  }
  EXPECT_GT(asked, 0);
  RecordProperty("asked", asked);
}

INSTANTIATE_TEST_SUITE_P(Shards, DragOntoSweep, ::testing::Range(0, kShards));

}  // namespace
