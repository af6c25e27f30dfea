// Window states over every registered control class: users minimize, maximize, restore and hide
// their forms and the application. Each control sits on a shown form beside a twin on a form of
// its own, and both take a little of a user's input. Then the control's form goes away in one of
// the ways below while a third form holds the activation: the virtual clock moves on for both
// (timers, animations and scrolling texts run), the user clicks and types where the control was,
// and the form comes back. Meanwhile the form shows nothing on the screen and takes none of that
// input; afterwards the control stands where it stood and equals its twin in its published
// values, the state a user sees and its picture. Maximized and restored, an anchored or an
// aligned control follows the form and comes back to its bounds. Nothing raises.
// Where a class does otherwise for a reason its own description gives, it is named below with
// the reason; a named exception that no longer happens fails the sweep.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
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

namespace {

namespace tk = win::testkit;
using packagetest::Checks;
using packagetest::Differences;
using packagetest::RunTimeState;
using packagetest::TExempt;
using packagetest::TValues;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 8;
// Where the twin's, the control's and the third form stand.
constexpr int kTwinLeft = 0;
constexpr int kSubjectLeft = 340;
const vcl::TRect kThirdBounds = vcl::Bounds(680, 300, 300, 200);
// How long the form stays away, in steps of the virtual clock.
constexpr int kAwaySteps = 10;
constexpr uint64_t kAwayStep = 300;

// ---- The ways a form goes away and comes back ----

enum class TWay {
  Minimized,
  MinimizedAligned,
  AppMinimized,
  Invisible,
  Hidden,
  ControlHiddenMinimized,
  MaximizedAnchored,
  MaximizedAligned
};

constexpr char kAnchored[] = "WindowState wsMaximized and back, anchored on all sides";

struct TWayCase {
  TWay Way;
  const char* Name;
  // Whether the form is out of sight meanwhile (else it is maximized).
  bool Away;
};

const TWayCase kWays[] = {
    {TWay::Minimized, "WindowState wsMinimized and back", true},
    {TWay::MinimizedAligned, "WindowState wsMinimized and back, aligned to the bottom", true},
    {TWay::AppMinimized, "Application->Minimize and Restore", true},
    {TWay::Invisible, "the form's Visible false and true", true},
    {TWay::Hidden, "the form's Hide and Show", true},
    {TWay::ControlHiddenMinimized, "the control hidden and shown while its form is minimized",
     true},
    {TWay::MaximizedAnchored, kAnchored, false},
    {TWay::MaximizedAligned, "WindowState wsMaximized and back, aligned to the bottom", false},
};

// ---- The checks, and the named exceptions ----

constexpr char kGone[] = "is out of sight and without the focus while its form is away";
constexpr char kStays[] = "keeps its bounds and its form's while its form is away";
constexpr char kNoPaint[] = "paints nothing on the screen while its form is away";
constexpr char kNoInput[] = "takes no input while its form is away";
constexpr char kFollows[] = "follows its maximized form";
constexpr char kBack[] = "comes back where it stood";
constexpr char kFocusBack[] = "has its form active again when the form comes back";
constexpr char kValues[] = "keeps its published values";
constexpr char kState[] = "keeps the state a user sees";
constexpr char kPicture[] = "looks as its twin does";
constexpr char kNoError[] = "raises nothing";

constexpr char kPage[] =
    "a page is placed by the control that holds its pages; standing on a form alone it keeps "
    "its bounds";
constexpr char kSegments[] =
    "the bar's width is corrected to a whole number of segments (SmallBar.AutoSize)";

std::vector<TExempt> BuildExemptions() {
  std::vector<TExempt> exempt;
  for (const char* page : {"TTabSheet", "TZYLAssistPage"})
    for (const char* way : {kAnchored, "WindowState wsMaximized and back, aligned to the bottom"})
      exempt.push_back({page, way, kFollows, kPage});
  exempt.push_back({"TZYLProgress", kAnchored, kFollows, kSegments});
  return exempt;
}

const std::vector<TExempt>& Exemptions() {
  static const std::vector<TExempt> exempt = BuildExemptions();
  return exempt;
}

// ---- The stage ----

void Activate(vcl::TCustomForm* form) {
  win::SetForegroundWindow(form->Handle());
  tk::RunUntilIdle();
}

// The screen's pixels inside the rectangle.
tk::TCapture ScreenPart(const vcl::TRect& r) {
  return tk::CapturePart(tk::CaptureScreen(), {r.Left, r.Top, r.Right, r.Bottom});
}

// A control of the class on a shown form at `left` that took a little of a user's input.
struct TStatesStage {
  packagetest::TInputStage Stage;

  TStatesStage(vcl::TClass cls, int left) : Stage(cls, packagetest::TMade::InCode) {
    Stage.Other()->SetBounds(200, 120, 80, 24);
    Stage.Form()->SetBounds(left, 0, 320, 240);
    tk::RunUntilIdle();
    Activate(Stage.Form());
    packagetest::GiveItems(Control());
    packagetest::StartAtOneMoment(Control());
    for (const char* step : {"mouse moved in", "clicked", "focused", "character typed",
                             "key pressed", "wheel turned", "clock moved on"})
      packagetest::StepNamed(step).Run(Stage, Spot());
  }
  vcl::TControl* Control() const { return packagetest::ControlOf(Stage); }
  vcl::TCustomForm* Form() const { return Stage.Form(); }
  win::POINT Spot() const { return packagetest::Spot(Stage); }

  // Placed for the way: anchored on all sides or aligned to the bottom.
  void Place(TWay way) {
    if (way == TWay::MaximizedAnchored)
      Control()->SetAnchors({vcl::akLeft, vcl::akTop, vcl::akRight, vcl::akBottom});
    if (way == TWay::MaximizedAligned || way == TWay::MinimizedAligned)
      Control()->SetAlign(vcl::alBottom);
    tk::RunUntilIdle();
  }

  // The form (or the control) goes away in the way given, and comes back.
  void GoAway(TWay way) {
    vcl::TCustomForm* f = Form();
    switch (way) {
      case TWay::Minimized:
      case TWay::MinimizedAligned:
      case TWay::ControlHiddenMinimized: f->SetWindowState(vcl::wsMinimized); break;
      case TWay::AppMinimized: vcl::Application->Minimize(); break;
      case TWay::Invisible: f->SetVisible(false); break;
      case TWay::Hidden: f->Hide(); break;
      case TWay::MaximizedAnchored:
      case TWay::MaximizedAligned: f->SetWindowState(vcl::wsMaximized); break;
    }
    tk::RunUntilIdle();
  }
  void ComeBack(TWay way) {
    vcl::TCustomForm* f = Form();
    switch (way) {
      case TWay::AppMinimized: vcl::Application->Restore(); break;
      case TWay::Invisible: f->SetVisible(true); break;
      case TWay::Hidden: f->Show(); break;
      default: f->SetWindowState(vcl::wsNormal); break;
    }
    tk::RunUntilIdle();
  }

  // What the screen shows of the control, as it painted itself, with its form active.
  tk::TCapture Picture() {
    Activate(Form());
    vcl::TControl* c = Control();
    const vcl::TPoint topLeft = c->Parent()->ClientToScreen({c->Left(), c->Top()});
    return ScreenPart(vcl::Bounds(topLeft.X, topLeft.Y, c->Width(), c->Height()));
  }
};

// Whether the control shows on its form at all.
bool Shows(vcl::TControl* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  return c->Visible() && (!w || w->Showing()) && c->Width() > 0 && c->Height() > 0;
}

// Whether the focus window is the form or one of its windows.
bool HoldsFocus(vcl::TCustomForm* form) {
  const win::HWND focus = win::GetFocus();
  return focus && (focus == form->Handle() || win::IsChild(form->Handle(), focus));
}

// What `f` raises, "" when it raises nothing.
std::string Raised(const std::function<void()>& f) {
  const std::string e = testsupport::ErrorOf<std::exception>(f);
  return e == "<no error>" ? "" : e + "; ";
}

// Whether the control follows its form's client area as its alignment or, unaligned, its anchors
// on all sides ask: it keeps its distances to the right and bottom edges, a control of a height
// of its own (a combo box) its height.
bool Follows(vcl::TControl* c, const vcl::TRect& before, int clientWidth, int clientHeight) {
  vcl::TWinControl* p = c->Parent();
  const int width = p->ClientWidth(), height = p->ClientHeight();
  switch (c->Align()) {
    case vcl::alTop: return c->Top() == 0 && c->Width() == width;
    case vcl::alBottom: return c->Top() + c->Height() == height && c->Width() == width;
    case vcl::alLeft: return c->Left() == 0 && c->Height() == height;
    case vcl::alRight: return c->Left() + c->Width() == width && c->Height() == height;
    case vcl::alClient: return c->Width() == width && c->Height() == height;
    default: break;
  }
  return width - c->Left() - c->Width() == clientWidth - before.Right &&
         (height - c->Top() - c->Height() == clientHeight - before.Bottom ||
          c->Height() == before.Height());
}

std::string Text(const vcl::TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + " " + std::to_string(r.Width()) +
         "x" + std::to_string(r.Height());
}

class WindowStatesSweep : public packagetest::TControlClassesSweep {
 protected:
  void SetUp() override {
    TControlClassesSweep::SetUp();
    if (HasFatalFailure()) return;
    third_.reset(new vcl::TForm(nullptr));
    third_->SetBoundsRect(kThirdBounds);
    auto* edit = new vcl::TEdit(third_.get());
    edit->SetParent(third_.get());
    third_->Show();
    tk::RunUntilIdle();
  }
  void TearDown() override {
    third_.reset();
    TControlClassesSweep::TearDown();
  }

  // The input a user gives where the control was while its form is away; the third form holds
  // the activation.
  void InputWhileAway(win::POINT at) {
    Activate(third_.get());
    tk::MouseMove(at.X, at.Y);
    tk::Click(at.X, at.Y);
    tk::TypeText("xy");
    tk::KeyPress(win::VK_DOWN);
    tk::Wheel(-120);
    tk::MouseMove(kThirdBounds.Left + 4, kThirdBounds.Bottom - 4);
  }

  // The form away in the way given, then back, compared with its twin that stayed shown.
  int Compare(vcl::TClass cls, const TWayCase& way) {
    SCOPED_TRACE(way.Name);
    packagetest::TNamedChecks checks = Checks(cls->ClassName(), way.Name, Exemptions());
    const size_t shown = vcl::Application->ShownExceptions().size();
    TStatesStage twin(cls, kTwinLeft);
    TStatesStage subject(cls, kSubjectLeft);
    twin.Place(way.Way);
    subject.Place(way.Way);
    vcl::TControl* c = subject.Control();
    vcl::TControl* t = twin.Control();
    vcl::TCustomForm* form = subject.Form();
    const vcl::TRect bounds = c->BoundsRect();
    const vcl::TRect formBounds = form->BoundsRect();
    const win::POINT spot = subject.Spot();
    const int clientWidth = form->ClientWidth(), clientHeight = form->ClientHeight();
    Activate(form);
    std::string error = Raised([&] { subject.GoAway(way.Way); });
    if (way.Way == TWay::AppMinimized)
      for (vcl::TCustomForm* f : {twin.Form(), static_cast<vcl::TCustomForm*>(third_.get())})
        win::ShowWindow(f->Handle(), win::SW_SHOWNA);
    if (way.Away) {
      checks.Expect(kGone, !win::IsWindowVisible(form->Handle()) || win::IsIconic(form->Handle())
                               ? !HoldsFocus(form)
                               : false);
      checks.Expect(kStays, c->BoundsRect() == bounds && form->BoundsRect() == formBounds,
                    ": " + Text(bounds) + " -> " + Text(c->BoundsRect()) + ", form " +
                        Text(formBounds) + " -> " + Text(form->BoundsRect()));
      const tk::TCapture empty = ScreenPart(formBounds);
      const TValues values = packagetest::PublishedValues(c);
      const TValues state = RunTimeState(c, false);
      error += Raised([&] { InputWhileAway(spot); });
      checks.Expect(kNoInput,
                    packagetest::PublishedValues(c) == values && RunTimeState(c, false) == state,
                    Differences(values, packagetest::PublishedValues(c)) +
                        Differences(state, RunTimeState(c, false)));
      if (way.Way == TWay::ControlHiddenMinimized)
        for (vcl::TControl* x : {c, t}) x->Hide();
      for (int i = 0; i < kAwaySteps; ++i) {
        error += Raised([] { tk::AdvanceClock(kAwayStep); });
        tk::RunUntilIdle();
      }
      if (way.Way == TWay::ControlHiddenMinimized)
        for (vcl::TControl* x : {c, t}) x->Show();
      const ::testing::AssertionResult still = tk::SamePixels(
          ScreenPart(formBounds), empty, std::string("winstate_away_") + cls->ClassName());
      checks.Expect(kNoPaint, still, still.message());
    } else {
      checks.Expect(kFollows,
                    win::IsZoomed(form->Handle()) && Follows(c, bounds, clientWidth, clientHeight),
                    ": " + Text(c->BoundsRect()) + " on " + std::to_string(form->ClientWidth()) +
                        "x" + std::to_string(form->ClientHeight()));
      // The twin is sized as the maximized form and back, so that both change their size alike.
      twin.Form()->SetBoundsRect(form->BoundsRect());
      tk::RunUntilIdle();
      twin.Form()->SetBounds(kTwinLeft, formBounds.Top, formBounds.Width(), formBounds.Height());
      tk::RunUntilIdle();
      tk::AdvanceClock(kAwayStep * kAwaySteps);
    }
    error += Raised([&] { subject.ComeBack(way.Way); });
    if (way.Away) checks.Expect(kFocusBack, win::GetActiveWindow() == form->Handle());
    checks.Expect(kNoError, error.empty() && vcl::Application->ShownExceptions().size() == shown,
                  error);
    checks.Expect(kBack,
                  c->BoundsRect() == t->BoundsRect() && form->BoundsRect() == formBounds &&
                      form->WindowState() == vcl::wsNormal && Shows(c) == Shows(t),
                  ": " + Text(t->BoundsRect()) + " -> " + Text(c->BoundsRect()) + ", form " +
                      Text(formBounds) + " -> " + Text(form->BoundsRect()));
    Activate(twin.Form());
    const TValues twinValues = packagetest::PublishedValues(t);
    const TValues twinState = RunTimeState(t, true);
    const tk::TCapture expected = Shows(t) ? twin.Picture() : tk::TCapture{};
    Activate(form);
    const TValues values = packagetest::PublishedValues(c);
    const TValues state = RunTimeState(c, true);
    checks.Expect(kValues, values == twinValues, Differences(twinValues, values));
    checks.Expect(kState, state == twinState, Differences(twinState, state));
    if (Shows(t)) {
      const ::testing::AssertionResult same =
          tk::SamePixels(subject.Picture(), expected,
                         std::string("winstate_") + cls->ClassName() + "_" +
                             std::to_string(static_cast<int>(way.Way)));
      checks.Expect(kPicture, same, same.message());
    }
    return checks.Passed();
  }

  std::unique_ptr<vcl::TForm> third_;
};

TEST_P(WindowStatesSweep, EveryControlComesBackAsItsTwinThatStayedShown) {
  ASSERT_GT(classes_.size(), 60u);
  // Every dialog a click brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  packagetest::CompareEach(Shard(kShards), kWays, [this](vcl::TClass cls, const TWayCase& way) {
    return Compare(cls, way);
  });
}

INSTANTIATE_TEST_SUITE_P(Shards, WindowStatesSweep, ::testing::Range(0, kShards));

// A named exception of a class the package no longer registers, or of a way or a check the
// sweep does not make, is stale too.
class WindowStatesExceptions : public packagetest::TPackageFixture<> {};

TEST_F(WindowStatesExceptions, NameRegisteredControlClassesWaysAndChecksOnly) {
  const std::set<std::string> checks = {kGone,   kStays, kNoPaint,   kNoInput, kFollows, kBack,
                                        kValues, kState, kFocusBack, kPicture, kNoError};
  packagetest::ExpectRowsNameKnown(Exemptions(), kWays, checks);
}

}  // namespace
