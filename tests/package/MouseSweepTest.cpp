// The mouse as a user meets it on every registered control class (the framework's and the
// library's package's), each on a shown form with a caption or text and, where it lists items,
// three of them: the mouse moves in, across a grid of points (corners, edge middles, the
// centre, the corners inside a border and one pixel outside each edge) and out; the control is
// clicked at each point, double clicked, right clicked, dragged from inside to outside and
// back, dragged out and released there, and the wheel turns both ways. Each step is made at
// the size the control takes and, where the class allows them, at 1 x 1 and 0 x 0 pixels; then
// on the control disabled and on it hidden. No step raises, no step leaves the mouse captured
// once the button is up (but for an open drop-down), a published value changes only where a
// click is meant to change it (and does change there), every mouse entering is followed by its
// leaving, a disabled control hands no click, change or mouse event to its handlers and shows
// its caption disabled, a hidden one hears nothing, and the control still paints. What each
// class received is counted, so the sweep cannot pass by doing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLHint.h"
#include "system/ZYLHintWindow.h"
#include "system/ZYLMessageHint.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLShapeHintWindow.h"
#include "tests/package/EventTallies.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FreeProbe.h"
#include "tests/support/PixelCheck.h"

namespace {

namespace tk = win::testkit;
using packagetest::Path;
using packagetest::TStage;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// Longer than any double-click time: the next click is a click of its own.
constexpr uint64_t kApart = 1000;

using packagetest::IsControlClass;

// Whether an event's name says the mouse, a click or a change of the user's raises it.
bool IsInputEvent(const std::string& name) {
  for (const char* part : {"Click", "Change", "Mouse", "Wheel", "ContextPopup", "Scroll"})
    if (name.find(part) != std::string::npos) return true;
  return false;
}

// The mouse entering and leaving: the framework tells a disabled control too (its hint shows
// there), so these are the only input events a disabled control hears.
bool IsEnterOrExit(const std::string& name) {
  return name == "OnMouseEnter" || name == "OnMouseExit" || name == "OnMouseLeave";
}

using packagetest::TTally;

// A tally on every published input event of the control whose signature is one of the
// mouse's.
class TEventTallies : public packagetest::TEventTallies {
 public:
  explicit TEventTallies(vcl::TControl* c) : packagetest::TEventTallies(c, IsInputEvent) {}
};

// The calls of the events other than the mouse's entering and leaving.
int Calls(const std::vector<std::unique_ptr<TTally>>& tallies) {
  int n = 0;
  for (const auto& t : tallies)
    if (!IsEnterOrExit(t->Event)) n += t->Calls;
  return n;
}

int CallsOf(const std::vector<std::unique_ptr<TTally>>& tallies, const std::string& event) {
  for (const auto& t : tallies)
    if (t->Event == event) return t->Calls;
  return 0;
}

// "OnClick x2 OnMouseDown x3" for a failure's message.
std::string Fired(const std::vector<std::unique_ptr<TTally>>& tallies) {
  std::string s;
  for (const auto& t : tallies)
    if (t->Calls) s += (s.empty() ? "" : " ") + t->Event + " x" + std::to_string(t->Calls);
  return s;
}

bool IsMouseMessage(win::UINT msg) {
  return (msg >= win::WM_MOUSEFIRST && msg <= win::WM_MOUSELAST) || msg == vcl::CM_MOUSEENTER ||
         msg == vcl::CM_MOUSELEAVE;
}

// Counts the mouse messages a control's window procedure receives, chaining to it; restores it
// when done.
class TMouseCounter : public vcl::TObject {
 public:
  explicit TMouseCounter(vcl::TControl* c) : control_(c), old_(c->WindowProc()) {
    c->SetWindowProc(vcl::TWndMethod(this, &TMouseCounter::Proc));
  }
  ~TMouseCounter() override { control_->SetWindowProc(old_); }
  int Messages = 0;

 private:
  void Proc(vcl::TMessage& m) {
    if (IsMouseMessage(m.Msg)) ++Messages;
    old_(m);
  }
  vcl::TControl* control_;
  vcl::TWndMethod old_;
};

using packagetest::TValues;

TValues ValuesOf(vcl::TControl* c) { return packagetest::PublishedValues(c); }

std::set<std::string> Changed(const TValues& before, const TValues& after) {
  return packagetest::ChangedPaths(before, after);
}

// The published values a user's mouse changes on a control of the class, where the class is
// meant to change them: the state a click toggles or picks, the position a click, a drag or a
// wheel notch moves, the value an arrow click or a wheel notch steps. `Changes` may change;
// `Sure` must change once at the size the class takes, since the sweep clicks the middle and
// the corners inside the border and turns the wheel up twice and down once.
struct TMeant {
  std::set<std::string> Changes;
  std::set<std::string> Sure;
};

const std::map<std::string, TMeant>& MeantChanges() {
  static const std::map<std::string, TMeant> meant = {
      // A click toggles a check box and checks a radio button.
      {"TCheckBox", {{"Checked", "State"}, {"Checked"}}},
      // The framework's radio button is a tab stop while it is checked.
      {"TRadioButton", {{"Checked", "TabStop"}, {"Checked"}}},
      {"TZYLCheckBox", {{"Checked", "State"}, {"Checked"}}},
      {"TZYLRadioButton", {{"Checked"}, {"Checked"}}},
      // A click on a group's button picks its item; on a check group's, toggles its bit.
      {"TRadioGroup", {{"ItemIndex"}, {"ItemIndex"}}},
      {"TZYLRadioGroup", {{"ItemIndex"}, {"ItemIndex"}}},
      {"TZYLCheckGroup", {{"Value"}, {"Value"}}},
      // A click on a line of a list that publishes its item index selects the line.
      {"TZYLImageListBox", {{"ItemIndex"}, {"ItemIndex"}}},
      {"TZYLLabeledImageListBox", {{"ItemIndex"}, {"ItemIndex"}}},
      // Track and channel clicks page, arrows and wheel notches step.
      {"TScrollBar", {{"Position"}, {"Position"}}},
      {"TTrackBar", {{"Position"}, {"Position"}}},
      {"TUpDown", {{"Position"}, {"Position"}}},
      {"TZYLScrollBar", {{"Position"}, {"Position"}}},
      {"TZYLTrackBar", {{"Position"}, {"Position"}}},
      // A click on a day picks it.
      {"TMonthCalendar", {{"Date", "EndDate"}, {"Date"}}},
      // The whole-number spin edit reads its value from the text an arrow or a notch steps;
      // the others keep theirs until the focus leaves.
      {"TZYLSpinEdit", {{"Value"}, {"Value"}}},
  };
  return meant;
}

// Whether a list or a calendar the control drops down is open.
bool DroppedDown(vcl::TControl* c) {
  if (auto* picker = dynamic_cast<vcl::TDateTimePicker*>(c)) return picker->DroppedDown();
  auto* combo = dynamic_cast<vcl::TCustomComboBox*>(c);
  return combo && combo->HandleAllocated() && combo->DroppedDown();
}

// Where one step of the user's happens, in the control's client coordinates.
struct TGrid {
  int W;
  int H;
  // Corners, edge middles, the centre, the corners inside a border (where arrow buttons
  // stand), and one pixel outside each edge.
  std::vector<vcl::TPoint> Points() const {
    return {{0, 0},      {W - 1, 0},     {0, H - 1},     {W - 1, H - 1}, {W / 2, 0},
            {0, H / 2},  {W - 1, H / 2}, {W / 2, H - 1}, {W / 2, H / 2}, {3, 3},
            {W - 4, 3},  {3, H - 4},     {W - 4, H - 4}, {-1, -1},       {W / 2, -1},
            {-1, H / 2}, {W, H / 2},     {W / 2, H},     {W, H}};
  }
  vcl::TPoint Centre() const { return {W / 2, H / 2}; }
  vcl::TPoint Outside() const { return {W + 30, H + 30}; }
};

// What a sweep of one control saw.
struct TSweepCount {
  int Events = 0;  // the mouse's entering and leaving apart
  int Entered = 0;
  int Exited = 0;
  std::string Fired;
  int Messages = 0;
  std::set<std::string> Changed;
};

class MouseSweep : public packagetest::TControlClassesSweep {
 protected:
  // Runs one step of the user's on the control and records what changed in its values during
  // it; the mouse is never left captured once the buttons are up.
  void Step(vcl::TControl* c, const char* name, const std::function<void()>& input,
            TSweepCount& count) {
    SCOPED_TRACE(name);
    const TValues before = ValuesOf(c);
    EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(input));
    // An open drop-down keeps the mouse until it closes, as the system's does.
    if (!DroppedDown(c)) {
      EXPECT_EQ(win::GetCapture(), nullptr);
      EXPECT_EQ(vcl::GetCaptureControl(), nullptr);
    }
    for (const std::string& path : Changed(before, ValuesOf(c))) count.Changed.insert(path);
    tk::AdvanceClock(kApart);
  }

  // The whole of the user's mouse on the control at its present size.
  TSweepCount Sweep(vcl::TControl* c) {
    TSweepCount count;
    const TEventTallies events(c);
    const std::vector<std::unique_ptr<TTally>>& tallies = events.Tallies;
    TMouseCounter messages(c);
    const TGrid grid{c->Width(), c->Height()};
    auto at = [c](vcl::TPoint p) { return c->ClientToScreen(p); };
    const vcl::TPoint centre = at(grid.Centre()), outside = at(grid.Outside());
    Step(
        c, "moves across",
        [&] {
          tk::MouseMove(outside.X, outside.Y);
          for (vcl::TPoint p : grid.Points()) tk::MouseMove(at(p).X, at(p).Y);
          tk::MouseMove(outside.X, outside.Y);
        },
        count);
    for (vcl::TPoint p : grid.Points()) {
      SCOPED_TRACE(std::to_string(p.X) + "," + std::to_string(p.Y));
      Step(
          c, "click", [&] { tk::Click(at(p).X, at(p).Y); }, count);
    }
    Step(
        c, "double click", [&] { tk::DoubleClick(centre.X, centre.Y); }, count);
    Step(
        c, "right click", [&] { tk::Click(centre.X, centre.Y, 1); }, count);
    Step(
        c, "drag out and back",
        [&] {
          tk::MouseDown(centre.X, centre.Y);
          tk::MouseMove(outside.X, outside.Y);
          tk::MouseMove(centre.X, centre.Y);
          tk::MouseUp(centre.X, centre.Y);
        },
        count);
    Step(
        c, "drag out and release there",
        [&] {
          tk::Drag({centre.X, centre.Y}, {outside.X, outside.Y});
        },
        count);
    Step(
        c, "right drag out",
        [&] {
          tk::Drag({centre.X, centre.Y}, {outside.X, outside.Y}, 4, 1);
        },
        count);
    Step(
        c, "wheel",
        [&] {
          tk::MouseMove(centre.X, centre.Y);
          tk::Wheel(win::WHEEL_DELTA);
          tk::Wheel(win::WHEEL_DELTA);
          tk::Wheel(-win::WHEEL_DELTA);
          tk::MouseMove(outside.X, outside.Y);
        },
        count);
    count.Events = Calls(tallies);
    count.Fired = Fired(tallies);
    count.Entered = CallsOf(tallies, "OnMouseEnter");
    count.Exited = CallsOf(tallies, "OnMouseExit") + CallsOf(tallies, "OnMouseLeave");
    count.Messages = messages.Messages;
    return count;
  }

  // The changes of the sweep are those the class is meant to make.
  void ExpectMeantChanges(vcl::TClass cls, const TSweepCount& count, bool sure) {
    static const TMeant none;
    auto it = MeantChanges().find(cls->ClassName());
    const TMeant& meant = it == MeantChanges().end() ? none : it->second;
    for (const std::string& path : count.Changed)
      EXPECT_TRUE(meant.Changes.count(path)) << path << " changed under the mouse";
    if (!sure) return;
    for (const std::string& path : meant.Sure)
      EXPECT_TRUE(count.Changed.count(path)) << path << " never changed under the mouse";
  }
};

// Sets the control's bounds; false when the class keeps a size of its own.
bool Resize(vcl::TControl* c, int w, int h) {
  c->SetBounds(8, 8, w, h);
  tk::RunUntilIdle();
  return c->Width() == w && c->Height() == h;
}

// The published caption or text of the control ("" when it has none); `set` gives it one.
std::string Shown(vcl::TControl* c, const std::string& set = "") {
  for (const char* name : {"Caption", "Text"}) {
    const vcl::TPropInfo* p = vcl::GetPropInfo(c, name);
    if (!p || (p->Kind() != vcl::tkString && p->Kind() != vcl::tkLString)) continue;
    if (!set.empty() && p->IsWritable()) vcl::SetStrProp(c, p, set);
    return vcl::GetStrProp(c, p);
  }
  return "";
}

// Controls whose caption or text looks the same disabled: the transformed text of the graphic
// label has no disabled look, the meters show no text unless asked to, and the framework's
// panel draws its caption alike.
const std::set<std::string>& SameLookDisabled() {
  static const std::set<std::string> classes = {"TZYLGraphicLabel", "TZYLProgress",
                                                "TZYLProgressFill", "TPanel"};
  return classes;
}

// What the form shows of the control, painted afresh.
tk::TCapture Picture(TStage& stage, vcl::TControl* c) {
  stage.Paint();
  return tk::CapturePart(tk::RenderWindow(stage.Form()->Handle(), false), c->BoundsRect());
}

// Whether the control shows on a plain form: a page shows in its page control only, and a
// bound label sizes itself to its caption, which is its owner's name (none here).
bool ShowsAlone(vcl::TControl* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  return c->Visible() && (!w || w->Showing()) && c->Width() > 0 && c->Height() > 0;
}

TEST_P(MouseSweep, EveryControlTakesTheMouseAtEverySizeAndInEveryState) {
  ASSERT_GT(classes_.size(), 60u);
  // Every dialog a click brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  int swept = 0, reached = 0, sized = 0, greyed = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    const vcl::TClass cls = classes_[k];
    SCOPED_TRACE(cls->ClassName());
    TStage stage(cls);
    auto* c = static_cast<vcl::TControl*>(stage.Component());
    c->SetName("X");
    packagetest::GiveItems(c);
    Shown(c, "Mouse");
    stage.Paint();
    const bool shows = ShowsAlone(c);
    // At the size the class takes.
    {
      SCOPED_TRACE("shown");
      const TSweepCount count = Sweep(c);
      ExpectMeantChanges(cls, count, shows);
      EXPECT_EQ(count.Entered, count.Exited) << "the mouse left";
      EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
      ++swept;
      if (shows) {
        EXPECT_GT(count.Messages + count.Events, 0) << "nothing reached the control";
        if (count.Events + count.Messages > 0) ++reached;
      }
    }
    // Disabled: no click, change or mouse event reaches the handlers, and nothing changes.
    {
      SCOPED_TRACE("disabled");
      const tk::TCapture enabled = Picture(stage, c);
      c->SetEnabled(false);
      const tk::TCapture disabled = Picture(stage, c);
      // A control showing a caption or a text shows it disabled.
      if (shows && !Shown(c).empty() && !SameLookDisabled().count(cls->ClassName())) {
        EXPECT_GT(tk::CountDifferentPixels(enabled, disabled), 0) << "looks enabled";
        ++greyed;
      }
      const TSweepCount count = Sweep(c);
      EXPECT_EQ(count.Events, 0) << count.Fired;
      EXPECT_EQ(count.Entered, count.Exited) << "the mouse left";
      EXPECT_EQ(count.Changed, std::set<std::string>{});
      EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
      c->SetEnabled(true);
    }
    // Hidden: nothing at all.
    {
      SCOPED_TRACE("hidden");
      c->SetVisible(false);
      stage.Paint();
      const TSweepCount count = Sweep(c);
      EXPECT_EQ(count.Events + count.Entered + count.Exited, 0) << count.Fired;
      EXPECT_EQ(count.Changed, std::set<std::string>{});
      c->SetVisible(true);
    }
    // At the smallest sizes, where the class allows them.
    for (int side : {1, 0}) {
      SCOPED_TRACE(std::to_string(side) + " x " + std::to_string(side));
      if (!Resize(c, side, side)) continue;
      const TSweepCount count = Sweep(c);
      ExpectMeantChanges(cls, count, false);
      EXPECT_EQ(count.Entered, count.Exited) << "the mouse left";
      EXPECT_NO_THROW(testsupport::ErrorOf<vcl::EOutOfResources>([&] { stage.Paint(); }));
      ++sized;
    }
  }
  EXPECT_GT(swept, 0);
  EXPECT_GT(reached, 0);
  EXPECT_GT(sized, 0);
  EXPECT_GT(greyed, 0);
  RecordProperty("swept", swept);
  RecordProperty("reached", reached);
  RecordProperty("sized", sized);
  RecordProperty("greyed", greyed);
}

INSTANTIATE_TEST_SUITE_P(Shards, MouseSweep, ::testing::Range(0, kShards));

// ---- Hints ----

// The hint every control is given: the window shows the part before the bar.
constexpr char kHint[] = "Short|The long part of the hint";
constexpr char kShortHint[] = "Short";

bool TakesHint(vcl::TClass cls) {
  const vcl::TPropInfo* hint = vcl::GetPropInfo(cls, "Hint");
  return hint && hint->IsWritable() && vcl::GetPropInfo(cls, "ShowHint");
}

// The application's hint window while it shows, else nullptr.
vcl::THintWindow* ShownHint() {
  vcl::THintWindow* w = vcl::Application->HintWindow();
  return w && w->HandleAllocated() && win::IsWindowVisible(w->Handle()) ? w : nullptr;
}

// A control of the class on a shown form of its own, with the hint and ShowHint set through
// their published properties.
struct THinted {
  std::unique_ptr<vcl::TForm> Form{new vcl::TForm(nullptr)};
  vcl::TControl* Control;
  explicit THinted(vcl::TClass cls) {
    Form->SetBounds(0, 0, 320, 240);
    Control = static_cast<vcl::TControl*>(cls->Create(Form.get()));
    Control->SetBounds(8, 8, 120, 60);
    Control->SetParent(Form.get());
    vcl::SetStrProp(Control, "Hint", kHint);
    vcl::SetOrdProp(Control, "ShowHint", 1);
    Shown(Control, "Mouse");
    Form->Show();
    tk::RunUntilIdle();
  }
  // A point of the form itself, away from the control (an aligned control may have moved);
  // the form shows no hint.
  vcl::TPoint Away() const {
    const int w = Form->ClientWidth(), h = Form->ClientHeight();
    for (vcl::TPoint p : std::initializer_list<vcl::TPoint>{
             {w - 4, h - 4}, {w - 4, 4}, {4, h - 4}, {w / 2, h - 4}, {w - 4, h / 2}}) {
      const vcl::TPoint at = Form->ClientToScreen(p);
      if (vcl::FindDragTarget(at, true) == Form.get()) return at;
    }
    ADD_FAILURE() << "no point of the form itself";
    return Form->ClientToScreen({w - 4, h - 4});
  }
  // A point of the grid in the client area of the control, where the control is found under
  // the mouse, or a part of it that was handed the control's hint; false when there is none.
  bool RestingPoint(vcl::TPoint& at) const {
    const TGrid grid{Control->Width(), Control->Height()};
    for (vcl::TPoint p : grid.Points()) {
      if (p.X < 0 || p.Y < 0 || p.X >= grid.W || p.Y >= grid.H) continue;
      at = Control->ClientToScreen(p);
      if (HintsAt(at)) return true;
    }
    return false;
  }

 private:
  bool HintsAt(vcl::TPoint at) const {
    vcl::TControl* target = vcl::FindDragTarget(at, true);
    if (!target || (target != Control && target->Hint() != kHint)) return false;
    vcl::TControl* up = target;
    while (up && up != Control) up = up->Parent();
    if (!up) return false;
    // Hints come with the moves over a window's client area only.
    const win::HWND window = win::WindowFromPoint({at.X, at.Y});
    return window && win::SendMessageA(window, win::WM_NCHITTEST, 0, win::MAKELPARAM(at.X, at.Y)) ==
                         win::HTCLIENT;
  }
};

void MoveTo(vcl::TPoint p) { tk::MouseMove(p.X, p.Y); }

// Rests the mouse on the control: nothing shows before the application's pause, the short
// part shows after it in a window of the class `window`.
void ExpectHintAfterThePause(vcl::TPoint at, vcl::TClass window) {
  MoveTo(at);
  tk::AdvanceClock(vcl::Application->HintPause() - 10);
  EXPECT_EQ(ShownHint(), nullptr) << "shown before the pause";
  tk::AdvanceClock(20);
  vcl::THintWindow* shown = ShownHint();
  ASSERT_NE(shown, nullptr) << "no hint after the pause";
  EXPECT_EQ(shown->Caption(), kShortHint);
  EXPECT_EQ(shown->ClassType(), window);
}

// The hint shows after the pause and hides after the hide pause; shown again, it hides when
// the mouse leaves.
void ExpectHintCycle(const THinted& h, vcl::TPoint at, vcl::TClass window) {
  MoveTo(h.Away());
  ExpectHintAfterThePause(at, window);
  tk::AdvanceClock(vcl::Application->HintHidePause() + 10);
  EXPECT_EQ(ShownHint(), nullptr) << "shown after the hide pause";
  MoveTo(h.Away());
  {
    SCOPED_TRACE("again");
    ExpectHintAfterThePause(at, window);
  }
  MoveTo(h.Away());
  EXPECT_EQ(ShownHint(), nullptr) << "shown after the mouse left";
}

class HintSweep : public packagetest::TPackageFixture<::testing::TestWithParam<int>> {
 protected:
  void SetUp() override {
    TPackageFixture::SetUp();
    if (HasFatalFailure()) return;
    for (vcl::TClass cls : packagetest::ComponentClasses())
      if (IsControlClass(cls) && TakesHint(cls)) classes_.push_back(cls);
  }
  std::vector<vcl::TClass> classes_;
};

// Every control class with a hint shows the hint's short part in the application's hint
// window after the application's pause, and hides it after the hide pause or when the mouse
// leaves.
TEST_P(HintSweep, EveryControlShowsTheShortHintAfterThePauseAndHidesIt) {
  ASSERT_GT(classes_.size(), 60u);
  int rested = 0;
  for (size_t k = static_cast<size_t>(GetParam()); k < classes_.size(); k += kShards) {
    SCOPED_TRACE(classes_[k]->ClassName());
    THinted h(classes_[k]);
    vcl::TPoint at;
    if (!h.RestingPoint(at)) continue;
    ExpectHintCycle(h, at, vcl::THintWindow::StaticClass());
    ++rested;
  }
  EXPECT_GT(rested, 0);
  RecordProperty("rested", rested);
}

INSTANTIATE_TEST_SUITE_P(Shards, HintSweep, ::testing::Range(0, kShards));

// The hint components of the library: a hint and a shaped hint on the form put their window
// in place of the application's; a message hint leaves the application's alone and shows its
// own balloon on demand.
enum class THintComponent { None, Hint, ShapeHint, MessageHint };

struct THintComponentCase {
  const char* Name;
  THintComponent Kind;
  const char* Control;
};

vcl::TClass ClassOf(const char* name) {
  for (vcl::TClass cls : packagetest::ComponentClasses())
    if (cls->ClassName() == name) return cls;
  return nullptr;
}

// The component on the form, enabled; the class of the window the application's hints show in
// then.
vcl::TClass Install(THintComponent kind, vcl::TForm* form) {
  switch (kind) {
    case THintComponent::None: return vcl::THintWindow::StaticClass();
    case THintComponent::Hint:
      (new zyl::TZYLHint(form))->SetEnabled(true);
      return zyl::TZYLHintWindow::StaticClass();
    case THintComponent::ShapeHint:
      (new zyl::TZYLShapeHint(form))->SetEnabled(true);
      return zyl::TZYLShapeHintWindow::StaticClass();
    case THintComponent::MessageHint:
      (new zyl::TZYLMessageHint(form))->SetEnabled(true);
      return vcl::THintWindow::StaticClass();
  }
  return nullptr;
}

class HintComponents
    : public packagetest::TPackageFixture<::testing::TestWithParam<THintComponentCase>> {
 protected:
  void TearDown() override {
    vcl::TApplication::HintWindowClass = nullptr;
    TPackageFixture::TearDown();
  }
};

TEST_P(HintComponents, ShowTheShortHintInTheirWindow) {
  const THintComponentCase& c = GetParam();
  const vcl::TClass cls = ClassOf(c.Control);
  ASSERT_NE(cls, nullptr);
  THinted h(cls);
  const vcl::TClass window = Install(c.Kind, h.Form.get());
  vcl::TPoint at;
  ASSERT_TRUE(h.RestingPoint(at));
  ExpectHintCycle(h, at, window);
  if (c.Kind != THintComponent::MessageHint) return;
  // The message hint's balloon, at the control's centre with the control's hint.
  zyl::TZYLMessageHint* message = nullptr;
  for (int i = 0; i < h.Form->ComponentCount(); ++i)
    if (auto* m = dynamic_cast<zyl::TZYLMessageHint*>(h.Form->Components(i))) message = m;
  ASSERT_NE(message, nullptr);
  message->SetSetCapture(false);
  message->ShowControlMessage("", h.Control);
  ASSERT_NE(message->MessageWindow(), nullptr);
  EXPECT_TRUE(win::IsWindowVisible(message->MessageWindow()->Handle()));
  EXPECT_EQ(message->MessageWindow()->Caption(), kHint);
  message->HideMessage();
  EXPECT_FALSE(message->GetState());
}

// What goes while the hint shows: the control alone, or its form with the hint component.
struct TFreedCase {
  const char* Name;
  THintComponentCase Hint;
  bool WholeForm;
};

class HintFreed : public packagetest::TPackageFixture<::testing::TestWithParam<TFreedCase>> {
 protected:
  void TearDown() override {
    vcl::TApplication::HintWindowClass = nullptr;
    TPackageFixture::TearDown();
  }
};

TEST_P(HintFreed, TakesTheHintWindowWithItAndLaterMovesDoNothing) {
  const TFreedCase& c = GetParam();
  const vcl::TClass cls = ClassOf(c.Hint.Control);
  ASSERT_NE(cls, nullptr);
  auto h = std::make_unique<THinted>(cls);
  const vcl::TClass window = Install(c.Hint.Kind, h->Form.get());
  vcl::TPoint at;
  ASSERT_TRUE(h->RestingPoint(at));
  MoveTo(h->Away());
  ExpectHintAfterThePause(at, window);
  vcl::THintWindow* shown = ShownHint();
  ASSERT_NE(shown, nullptr);
  const win::HWND handle = shown->Handle();
  testsupport::TFreeProbe control(h->Control);
  if (c.WholeForm)
    h.reset();
  else
    delete h->Control;
  EXPECT_TRUE(control.Freed);
  tk::RunUntilIdle();
  EXPECT_EQ(ShownHint(), nullptr);
  EXPECT_FALSE(win::IsWindow(handle));
  // The mouse rests and moves on where the control was: nothing shows, nothing raises.
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>([&] {
    tk::AdvanceClock(vcl::Application->HintPause() + vcl::Application->HintHidePause());
    MoveTo({at.X + 1, at.Y + 1});
    tk::AdvanceClock(vcl::Application->HintPause() + 10);
    MoveTo({at.X + 2, at.Y});
  }));
  EXPECT_EQ(ShownHint(), nullptr);
}

// A few control classes of each kind: windowed and graphic, the library's and the framework's.
std::vector<THintComponentCase> HintComponentCases() {
  std::vector<THintComponentCase> cases;
  const std::pair<const char*, THintComponent> kinds[] = {
      {"Hint", THintComponent::Hint},
      {"ShapeHint", THintComponent::ShapeHint},
      {"MessageHint", THintComponent::MessageHint}};
  for (const auto& [kind, k] : kinds)
    for (const char* control : {"TZYLButton", "TZYLLabel", "TZYLEdit", "TZYLTrackBar", "TButton"})
      cases.push_back({kind, k, control});
  return cases;
}

std::string CaseName(const THintComponentCase& c) { return std::string(c.Name) + "_" + c.Control; }

INSTANTIATE_TEST_SUITE_P(Cases, HintComponents, ::testing::ValuesIn(HintComponentCases()),
                         [](const auto& info) { return CaseName(info.param); });

std::vector<TFreedCase> FreedCases() {
  std::vector<TFreedCase> cases;
  const std::pair<const char*, THintComponent> kinds[] = {{"Plain", THintComponent::None},
                                                          {"Hint", THintComponent::Hint},
                                                          {"ShapeHint", THintComponent::ShapeHint}};
  for (const auto& [kind, k] : kinds)
    for (const char* control : {"TZYLButton", "TZYLLabel"})
      for (bool form : {false, true})
        cases.push_back({form ? "Form" : "Control", {kind, k, control}, form});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, HintFreed, ::testing::ValuesIn(FreedCases()), [](const auto& info) {
  return std::string(info.param.Name) + "_" + CaseName(info.param.Hint);
});

}  // namespace
