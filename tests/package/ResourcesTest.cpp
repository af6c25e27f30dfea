// A program runs for weeks: what a component takes from the window system (windows and window
// classes, GDI objects, timers, the caret, hot keys, tray icons, window properties, menus,
// registry handles, window procedures made from methods, hooks of the application window, the
// rest win::testkit::LiveResources counts) is given back when it is freed, and repeating what a
// user and a program do to it does not make it hold more. Over every registered component class
// (the framework's and the library's package's), on a shown form, with the switches that set it
// working (animating, scrolling, hooking) turned on:
//  - a component made, shown, painted, given a user's input and freed leaves the counts where
//    they were (the form it stood on stays);
//  - painted 20 times, its window made anew, its font and colour changed, hidden and shown 10
//    times each, it holds after the 20th round what it held after the 2nd;
//  - a dialog component executed and cancelled 10 times, and a control that drops a list or a
//    calendar down opened and closed 10 times, hold after the 10th time what they held after
//    the 2nd.
// The first counts are taken once the steps have run before (a first life of the class, the
// first rounds), so that what the program makes once and keeps (the application's window, the
// hint window, shared pictures) is there before counting.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLBaseDialog.h"
#include "tests/package/InputSteps.h"
#include "tests/package/PackageFixture.h"
#include "tests/package/PropertyStage.h"
#include "tests/package/Waits.h"
#include "tests/support/ErrorOf.h"

namespace {

namespace tk = win::testkit;
using packagetest::TStage;

// The classes are dealt round-robin to this many tests, which CI runs side by side.
constexpr int kShards = 4;
// The rounds of the repeated steps, and the one whose counts the last is held to.
constexpr int kRounds = 20;
constexpr int kSettledRound = 2;
// The dialogs and drop-downs: times opened, and the time whose counts the last is held to.
constexpr int kOpenings = 10;
constexpr int kSettledOpening = 2;

// Runs a step a user or a program takes, expecting no error but the framework's (a setter or
// a paint may refuse).
void Step(const std::function<void()>& step) {
  EXPECT_NO_THROW(testsupport::ErrorOf<vcl::Exception>(step));
  tk::RunUntilIdle();
}

// Same counts, or which kinds changed.
::testing::AssertionResult SameCounts(const tk::TLiveResources& before,
                                      const tk::TLiveResources& after) {
  if (before == after) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << tk::ResourceChanges(before, after);
}

vcl::TControl* AsControl(vcl::TComponent* c) { return dynamic_cast<vcl::TControl*>(c); }

// Turns on the switches the component publishes, so that what it takes while working is
// counted too; answers how many it has.
int Start(vcl::TComponent* c) {
  int started = 0;
  for (const char* name : packagetest::kStartingSwitches) {
    if (!vcl::IsPublishedProp(c, name) || !vcl::FindPropInfo(c, name)->IsWritable()) continue;
    Step([&] { vcl::SetPropValue(c, name, "True"); });
    ++started;
  }
  return started;
}

// The windowed control whose window a round makes anew: the component's own, else the form's.
vcl::TWinControl* WindowOf(vcl::TCustomForm* form, vcl::TComponent* c) {
  auto* own = dynamic_cast<vcl::TWinControl*>(c);
  return own ? own : form;
}

// The control a round hides and shows, and whose font and colour it changes: the component
// when it is a control, else its form.
vcl::TControl* ShownOf(vcl::TCustomForm* form, vcl::TComponent* c) {
  vcl::TControl* control = AsControl(c);
  return control ? control : form;
}

// What a round did to the window it makes anew.
struct TRemade {
  int Tried = 0;  // it had one to make anew
  int Done = 0;   // it has a new one
};

// One round of the repeated steps: a paint, and on every second round the window made anew,
// the font and the colour changed there and back, and the control hidden and shown.
void Round(vcl::TCustomForm* form, vcl::TComponent* c, int round, TRemade& remade) {
  Step([&] { packagetest::PaintShown(form); });
  if (round % 2 != 0) return;
  vcl::TWinControl* w = WindowOf(form, c);
  const win::HWND old = w->HandleAllocated() ? w->Handle() : nullptr;
  Step([&] {
    if (old) w->RecreateWnd();
  });
  if (old) ++remade.Tried;
  if (old && w->HandleAllocated() && w->Handle() != old) ++remade.Done;
  vcl::TControl* control = ShownOf(form, c);
  Step([&] {
    vcl::TFont* font = control->Font();
    const int size = font->Size();
    font->SetSize(size + 4);
    font->SetStyle({vcl::fsBold});
    font->SetSize(size);
    font->SetStyle({});
  });
  Step([&] {
    const vcl::TColor color = control->Color();
    control->SetColor(vcl::clRed);
    control->SetColor(color);
  });
  Step([&] { control->Hide(); });
  Step([&] { control->Show(); });
  Step([&] { packagetest::PaintShown(form); });
}

bool IsDialog(vcl::TComponent* c) {
  return dynamic_cast<vcl::TCommonDialog*>(c) || dynamic_cast<zyl::TZYLBaseDialog*>(c);
}

// Executes a dialog component and cancels it: a modal dialog by the script's Escape, a
// modeless one (find and replace) by closing it. Answers whether the dialog came up.
bool Cancel(vcl::TComponent* c, vcl::testkit::TDialogScript& script) {
  auto* modeless = dynamic_cast<vcl::TFindDialog*>(c);
  const size_t shown = script.Shown().size();
  if (!modeless) script.PressKey(win::VK_ESCAPE);
  Step([&] { packagetest::Execute(c); });
  if (!modeless) return script.Shown().size() == shown + 1;
  const bool up = modeless->Form() && modeless->Form()->Visible();
  Step([&] { modeless->CloseDialog(); });
  return up;
}

// Opens what the control drops down with F4 and closes it with Escape; false when nothing
// dropped down.
bool DropDownAndClose(vcl::TComponent* c) {
  auto* w = dynamic_cast<vcl::TWinControl*>(c);
  if (!w || !w->CanFocus()) return false;
  Step([&] { w->SetFocus(); });
  const int shown = packagetest::ShownWindows();
  Step([] { tk::KeyPress(win::VK_F4); });
  const bool dropped = packagetest::ShownWindows() > shown;
  Step([] { tk::KeyPress(win::VK_ESCAPE); });
  return dropped;
}

class Resources : public packagetest::TClassesSweep {
 protected:
};

// Makes a component of the class on the form (or a form of the class), shows, paints, takes
// the input and frees it.
void Lifetime(vcl::TClass cls, vcl::TCustomForm* host) {
  if (packagetest::IsForm(cls)) {
    std::unique_ptr<TStage> stage;
    Step([&] { stage = std::make_unique<TStage>(cls); });
    if (stage) {
      Start(stage->Form());
      Step([&] { packagetest::PaintShown(stage->Form()); });
      Step([&] { packagetest::TakeInput(stage->Form(), stage->Form()); });
    }
    Step([&] { stage.reset(); });
    return;
  }
  vcl::TComponent* c = nullptr;
  Step([&] {
    c = cls->Create(host);
    if (vcl::TControl* control = AsControl(c)) {
      control->SetBounds(8, 8, 120, 60);
      control->SetParent(host);
    }
  });
  if (!c) return;
  Start(c);
  Step([&] { packagetest::PaintShown(host); });
  Step([&] { packagetest::TakeInput(host, c); });
  Step([&] { delete c; });
  Step([&] { packagetest::PaintShown(host); });
}

TEST_P(Resources, AComponentFreedGivesBackWhatItTook) {
  ASSERT_GT(classes_.size(), 100u);
  // Every dialog the input brings up is closed at once with the script's error.
  vcl::testkit::TDialogScript noAnswers;
  vcl::TForm host(nullptr);
  host.SetBounds(0, 0, 320, 240);
  host.Show();
  int swept = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    Lifetime(cls, &host);
    const tk::TLiveResources before = tk::LiveResources();
    Lifetime(cls, &host);
    EXPECT_TRUE(SameCounts(before, tk::LiveResources()));
    ++swept;
  }
  EXPECT_GT(swept, 0);
}

TEST_P(Resources, RepeatedPaintsWindowsFontsColoursAndShowingDoNotGrow) {
  ASSERT_GT(classes_.size(), 100u);
  vcl::testkit::TDialogScript noAnswers;
  int swept = 0, started = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    std::unique_ptr<TStage> stage;
    Step([&] { stage = std::make_unique<TStage>(cls); });
    if (!stage || !stage->Form()->HandleAllocated()) continue;
    started += Start(stage->Component());
    tk::TLiveResources settled;
    TRemade remade;
    for (int round = 1; round <= kRounds; ++round) {
      Round(stage->Form(), stage->Component(), round, remade);
      if (round == kSettledRound) settled = tk::LiveResources();
    }
    EXPECT_TRUE(SameCounts(settled, tk::LiveResources()));
    EXPECT_GT(remade.Tried, 0);
    EXPECT_EQ(remade.Done, remade.Tried) << "windows made anew";
    Step([&] { stage.reset(); });
    ++swept;
  }
  EXPECT_GT(swept, 0);
  RecordProperty("switchesTurnedOn", started);
}

TEST_P(Resources, DialogsExecutedAndDropDownsOpenedAgainDoNotGrow) {
  ASSERT_GT(classes_.size(), 100u);
  vcl::testkit::TDialogScript script;
  int swept = 0, dialogs = 0, dropDowns = 0;
  for (vcl::TClass cls : Shard(kShards)) {
    SCOPED_TRACE(cls->ClassName());
    std::unique_ptr<TStage> stage;
    Step([&] { stage = std::make_unique<TStage>(cls); });
    if (!stage || !stage->Form()->HandleAllocated()) continue;
    vcl::TComponent* c = stage->Component();
    Step([&] { packagetest::PaintShown(stage->Form()); });
    ++swept;
    tk::TLiveResources settled;
    if (IsDialog(c)) {
      // The dialog comes up and the user cancels it.
      int cameUp = 0;
      for (int time = 1; time <= kOpenings; ++time) {
        if (Cancel(c, script)) ++cameUp;
        if (time == kSettledOpening) settled = tk::LiveResources();
      }
      EXPECT_TRUE(SameCounts(settled, tk::LiveResources())) << "executed and cancelled";
      EXPECT_EQ(cameUp, kOpenings) << "times the dialog came up";
      ++dialogs;
    }
    bool drops = DropDownAndClose(c);
    for (int time = 2; drops && time <= kOpenings; ++time) {
      if (time == kSettledOpening + 1) settled = tk::LiveResources();
      drops = DropDownAndClose(c);
      EXPECT_TRUE(drops) << "no longer drops down";
    }
    if (drops) {
      EXPECT_TRUE(SameCounts(settled, tk::LiveResources())) << "dropped down and closed";
      ++dropDowns;
    }
    Step([&] { stage.reset(); });
  }
  EXPECT_GT(swept, 0);
  RecordProperty("dialogs", dialogs);
  RecordProperty("dropDowns", dropDowns);
}

INSTANTIATE_TEST_SUITE_P(Shards, Resources, ::testing::Range(0, kShards));

}  // namespace
