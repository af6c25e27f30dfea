// Forms hosted in a control: the form display (one form of a list, or a single form, at a
// chosen place) and the form tab control (a tab per form).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ImgList.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUserConsts.h"
#include "system/ZYLFormDisplay.h"
#include "system/ZYLFormTabControl.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace wt = win::testkit;

struct TLog : vcl::TObject {
  std::vector<std::string> Lines;
  bool Cancel = false;
  void Changing(vcl::TObject*, vcl::TCustomForm* NewForm, bool& C) {
    Lines.push_back("changing " + (NewForm ? NewForm->Caption() : std::string("-")));
    C = Cancel;
  }
  void Changed(vcl::TObject*) { Lines.push_back("changed"); }
  void Message(vcl::TObject*, vcl::TMessage& M) {
    if (M.Msg == win::WM_USER + 7) Lines.push_back("message " + std::to_string(M.WParam));
  }
};

// A host form with a display or a tab control, and hosted forms A, B, C of distinct colours.
class Hosting : public ::testing::Test {
 protected:
  Hosting() : session_(800, 600), host_(new vcl::TForm(nullptr)) {
    host_->SetBounds(0, 0, 600, 500);
    host_->SetColor(vcl::clBtnFace);
    const vcl::TColor colours[3] = {vcl::clRed, vcl::clLime, vcl::clBlue};
    for (int i = 0; i < 3; ++i) {
      auto* f = new vcl::TForm(nullptr);
      f->SetCaption(std::string(1, static_cast<char>('A' + i)));
      f->SetName(std::string("Hosted") + static_cast<char>('A' + i));
      f->SetColor(colours[i]);
      f->SetBounds(0, 0, 200, 100);
      forms_.push_back(f);
    }
  }
  ~Hosting() override {
    host_.reset();
    for (vcl::TForm* f : forms_) delete f;
  }
  // Frees a hosted form as other code would, behind the host's back.
  void FreeBehindTheBack(int i) {
    delete forms_[static_cast<size_t>(i)];
    forms_[static_cast<size_t>(i)] = nullptr;
  }
  void ShowHost() {
    host_->Show();
    wt::RunUntilIdle();
  }
  vcl::TForm* F(int i) { return forms_[static_cast<size_t>(i)]; }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> host_;
  std::vector<vcl::TForm*> forms_;
  TLog log_;
};

class Display : public Hosting {
 protected:
  Display() {
    display_ = new TZYLFormDisplay(host_.get());
    display_->SetParent(host_.get());
    display_->SetBounds(10, 10, 404, 304);
  }
  // What the display shows inside its bevel: Colour over the form's place, its own colour
  // elsewhere.
  ::testing::AssertionResult Shows(const win::TRect& place, vcl::TColor colour,
                                   const std::string& name) {
    const vcl::TRect inner = display_->BeveledRect();
    return wt::PixelsMatch(
        wt::CaptureWindow(display_->Handle(), false),
        [&](int x, int y) {
          const bool in = x >= place.Left && x < place.Right && y >= place.Top && y < place.Bottom;
          return vcl::ColorToRGB(in ? colour : vcl::clBtnFace);
        },
        name, inner);
  }
  TZYLFormDisplay* display_;
};

// Where a 200 x 100 form stands in the display's inner area for each position.
struct TPlaceCase {
  TZYLFormDisplayPosition Position;
  int Column;  // 0 left, 1 centre, 2 right
  int Row;     // 0 top, 1 centre, 2 bottom
};

class DisplayPlacement : public Display, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(DisplayPlacement, PutsTheFormAtItsPositionAndKeepsItThereOnResize) {
  const TPlaceCase& c = GetParam();
  display_->SetPosition(c.Position);
  ShowHost();
  display_->AddFormExt(F(0), true);
  wt::RunUntilIdle();
  for (int size : {0, 60}) {
    display_->SetBounds(10, 10, 404 + size, 304 + size);
    wt::RunUntilIdle();
    const vcl::TRect inner = display_->BeveledRect();
    const int x = inner.Left + c.Column * (inner.Width() - 200) / 2;
    const int y = inner.Top + c.Row * (inner.Height() - 100) / 2;
    EXPECT_EQ(F(0)->BoundsRect(), (vcl::TRect{x, y, x + 200, y + 100}));
    EXPECT_TRUE(
        Shows({x, y, x + 200, y + 100}, vcl::clRed,
              "form_display_place_" + std::to_string(c.Position) + "_" + std::to_string(size)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DisplayPlacement,
    ::testing::Values(TPlaceCase{fdpTopLeft, 0, 0}, TPlaceCase{fdpTopCenter, 1, 0},
                      TPlaceCase{fdpCenter, 1, 1}, TPlaceCase{fdpCenterRight, 2, 1},
                      TPlaceCase{fdpBottomLeft, 0, 2}, TPlaceCase{fdpBottomRight, 2, 2}));

TEST_F(Display, AClientFormFillsTheInnerAreaAndStaysACleanChild) {
  ShowHost();
  EXPECT_EQ(display_->AddFormExt(F(0), true), 0);
  EXPECT_EQ(display_->AddFormExt(F(0), true), -1);  // listed already
  EXPECT_EQ(display_->AddFormExt(nullptr, true), -1);
  wt::RunUntilIdle();
  EXPECT_EQ(F(0)->BoundsRect(), display_->BeveledRect());
  EXPECT_EQ(win::GetParent(F(0)->Handle()), display_->Handle());
  const auto style = static_cast<win::DWORD>(win::GetWindowLongA(F(0)->Handle(), win::GWL_STYLE));
  EXPECT_TRUE(style & win::WS_CHILD);
  EXPECT_FALSE(style & win::WS_CAPTION);
  EXPECT_TRUE(Shows(display_->BeveledRect(), vcl::clRed, "form_display_client"));
}

TEST_F(Display, SwitchingAsksFirstAndCanBeRefused) {
  display_->SetOnChanging(TZYLFormDisplayChangeEvent(&log_, &TLog::Changing));
  display_->SetOnChange(vcl::TNotifyEvent(&log_, &TLog::Changed));
  ShowHost();
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 0);
  display_->SetActiveFormIndex(2);
  EXPECT_EQ(display_->ActiveForm(), F(2));
  EXPECT_FALSE(F(0)->Visible());
  log_.Cancel = true;
  display_->SetActiveForm(F(1));
  EXPECT_EQ(display_->ActiveForm(), F(2));
  EXPECT_TRUE(F(2)->Visible());
  EXPECT_EQ(log_.Lines, (std::vector<std::string>{"changing A", "changed", "changing C", "changed",
                                                  "changing B"}));
  wt::RunUntilIdle();
  EXPECT_TRUE(Shows(display_->BeveledRect(), vcl::clBlue, "form_display_switched"));
}

TEST_F(Display, StepsThroughTheListWithoutWrappingAround) {
  ShowHost();
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 2);
  EXPECT_EQ(display_->FindNextForm(F(2), true), nullptr);
  EXPECT_EQ(display_->FindNextForm(F(0), false), nullptr);
  EXPECT_EQ(display_->FindNextForm(nullptr, true), nullptr);
  display_->SelectNextForm(true);
  EXPECT_EQ(display_->ActiveForm(), F(2));
  display_->SelectNextForm(false);
  EXPECT_EQ(display_->ActiveForm(), F(1));
  EXPECT_EQ(display_->Forms(3), nullptr);
  EXPECT_EQ(display_->Forms(-1), nullptr);
}

TEST_F(Display, RemovingAFormBeforeTheActiveOneKeepsTheActiveFormNamed) {
  ShowHost();
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 1);
  display_->RemoveForm(F(0), false);
  EXPECT_EQ(display_->ActiveForm(), F(1));
  EXPECT_EQ(display_->ActiveFormIndex(), 0);
  EXPECT_EQ(display_->FormIndex(F(1)), 0);
  EXPECT_EQ(display_->FormIndex(F(2)), 1);
  EXPECT_EQ(display_->FormIndex(F(0)), -1);  // no longer listed
  display_->HideForm(F(1));  // still recognised as the active one
  EXPECT_FALSE(F(1)->Visible());
  EXPECT_EQ(display_->ActiveForm(), nullptr);
  display_->RemoveForm(F(1), true);
  forms_[1] = nullptr;
  EXPECT_EQ(display_->Count(), 1);
}

TEST_F(Display, MovingTheActiveFirstFormToTheEndActivatesTheNewFirst) {
  ShowHost();
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 0);
  display_->MoveForm(F(0), 2);
  EXPECT_EQ(display_->Forms(2), F(0));
  EXPECT_EQ(display_->ActiveForm(), F(1));
  EXPECT_FALSE(F(0)->Visible());
}

TEST_F(Display, SavedResourcesLeaveHiddenFormsWithoutWindows) {
  display_->SetSaveResources(true);
  ShowHost();
  display_->AddFormExt(F(0), true);
  display_->AddFormExt(F(1), false);
  EXPECT_FALSE(F(1)->HandleAllocated());
  display_->SetActiveFormIndex(1);
  EXPECT_FALSE(F(0)->HandleAllocated());
  EXPECT_TRUE(F(1)->HandleAllocated());
  display_->SetActiveFormIndex(0);
  wt::RunUntilIdle();
  EXPECT_TRUE(Shows(display_->BeveledRect(), vcl::clRed, "form_display_recreated"));
}

TEST_F(Display, FormsFreedBehindItsBackLeaveTheList) {
  display_->SetHookWindowProc(true);
  ShowHost();
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 2);
  FreeBehindTheBack(0);
  EXPECT_EQ(display_->Count(), 2);
  EXPECT_EQ(display_->ActiveForm(), F(2));
  FreeBehindTheBack(2);  // the active, hooked one
  EXPECT_EQ(display_->Count(), 1);
  EXPECT_EQ(display_->ActiveForm(), nullptr);
  EXPECT_EQ(display_->ActiveFormIndex(), -1);
  wt::RunUntilIdle();
  display_->SetActiveFormIndex(0);
  EXPECT_EQ(display_->ActiveForm(), F(1));
  display_->RemoveForm(F(2), true);  // gone already: ignored
  EXPECT_EQ(display_->Count(), 1);
}

TEST_F(Display, FormsItDidNotMakeOutliveItAndAreHandedBack) {
  display_->SetUseResForms(true);
  ShowHost();
  display_->AddFormExt(F(0), true);
  display_->AddFormExt(F(1), false);
  EXPECT_EQ(F(0)->Parent(), nullptr);  // only the window moves in
  EXPECT_EQ(win::GetParent(F(0)->Handle()), display_->Handle());
  const int made = display_->AddFormClass(vcl::TForm::StaticClass(), false);
  EXPECT_EQ(display_->Forms(made)->Owner(), display_);
  delete display_;  // the form it made goes with it, the others stay
  EXPECT_FALSE(F(0)->Visible());
  ASSERT_TRUE(F(0)->HandleAllocated());
  EXPECT_EQ(win::GetParent(F(0)->Handle()), nullptr);
  EXPECT_TRUE(win::IsWindow(F(0)->Handle()));
  F(0)->Show();  // a form of its own again
  wt::RunUntilIdle();
  EXPECT_TRUE(win::IsWindowVisible(F(0)->Handle()));
}

TEST_F(Display, AHookedFormsMessagesPassThroughOnMessage) {
  display_->SetHookWindowProc(true);
  display_->SetOnMessage(TZYLFDMessageEvent(&log_, &TLog::Message));
  ShowHost();
  display_->AddFormExt(F(0), true);
  display_->AddFormExt(F(1), false);
  win::SendMessageA(F(0)->Handle(), win::WM_USER + 7, 1, 0);
  display_->SetActiveFormIndex(1);
  win::SendMessageA(F(0)->Handle(), win::WM_USER + 7, 2, 0);  // unhooked now
  win::SendMessageA(F(1)->Handle(), win::WM_USER + 7, 3, 0);
  EXPECT_EQ(log_.Lines, (std::vector<std::string>{"message 1", "message 3"}));
}

TEST_F(Display, TheSingleFormIsFreedOnlyWhenTheDisplayMadeIt) {
  ShowHost();
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { display_->Execute(nullptr); }),
            SZYLFormNotInstanced);
  EXPECT_TRUE(display_->Execute(F(0)));
  EXPECT_FALSE(display_->Execute(F(0)));
  EXPECT_EQ(display_->FormName(), "HostedA");
  EXPECT_EQ(F(0)->BoundsRect(), display_->BeveledRect());
  EXPECT_TRUE(display_->Execute(F(1)));  // A is handed back, not freed
  EXPECT_FALSE(F(0)->Visible());
  EXPECT_EQ(display_->Form(), F(1));
  const int forms = vcl::Screen->FormCount();
  vcl::TCustomForm* made = display_->ExecuteEnh(vcl::TForm::StaticClass());
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->Owner(), display_);
  EXPECT_EQ(vcl::Screen->FormCount(), forms + 1);
  display_->SetFormName("HostedC");  // found among the screen's forms
  EXPECT_EQ(display_->Form(), F(2));
  EXPECT_EQ(vcl::Screen->FormCount(), forms);  // the made one was freed
  display_->SetFormName("");
  EXPECT_EQ(display_->Form(), nullptr);
  EXPECT_NE(F(2), nullptr);
  EXPECT_TRUE(display_->Execute(F(2)));
  FreeBehindTheBack(2);
  EXPECT_EQ(display_->Form(), nullptr);
  EXPECT_EQ(display_->FormName(), "");
  EXPECT_ANY_THROW(display_->ExecuteEnh(vcl::TButton::StaticClass()));
}

TEST_F(Display, SettingTheFormShowsItAsTheSingleForm) {
  ShowHost();
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { display_->SetForm(nullptr); }),
            SZYLFormNotInstanced);
  EXPECT_EQ(display_->Form(), nullptr);
  display_->SetForm(F(0));
  wt::RunUntilIdle();
  EXPECT_EQ(display_->Form(), F(0));
  EXPECT_EQ(display_->FormName(), "HostedA");
  EXPECT_TRUE(F(0)->Visible());
  EXPECT_EQ(win::GetParent(F(0)->Handle()), display_->Handle());
  EXPECT_EQ(F(0)->BoundsRect(), display_->BeveledRect());
  EXPECT_TRUE(Shows(display_->BeveledRect(), vcl::clRed, "form_display_set_form"));
  // Another form takes its place; the one handed in before is hidden, not freed.
  display_->SetForm(F(1));
  wt::RunUntilIdle();
  EXPECT_EQ(display_->Form(), F(1));
  EXPECT_EQ(display_->FormName(), "HostedB");
  EXPECT_FALSE(F(0)->Visible());
  EXPECT_TRUE(Shows(display_->BeveledRect(), vcl::clLime, "form_display_set_form_next"));
}

// The tab control.
class TabHosting : public Hosting {
 protected:
  TabHosting() {
    tabs_ = new TZYLFormTabControl(host_.get());
    tabs_->SetParent(host_.get());
    tabs_->SetBounds(10, 10, 400, 300);
  }
  void AddAll(int active) {
    for (int i = 0; i < 3; ++i) tabs_->AddFormExt(F(i), i == active);
    wt::RunUntilIdle();
  }
  void ClickTab(int i) {
    const vcl::TRect r = tabs_->TabRect(i);
    const win::POINT p =
        wt::ScreenPoint(tabs_->Handle(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    wt::Click(p.X, p.Y);
  }
  ::testing::AssertionResult Shows(vcl::TColor colour, const std::string& name) {
    return wt::PixelsMatch(
        wt::CaptureWindow(tabs_->Handle(), false),
        [&](int, int) { return vcl::ColorToRGB(colour); }, name, tabs_->DisplayRect());
  }
  TZYLFormTabControl* tabs_;
};

TEST_F(TabHosting, EachFormHasATabAndAClickShowsIt) {
  tabs_->SetOnFormChanging(TZYLFormDisplayChangeEvent(&log_, &TLog::Changing));
  ShowHost();
  AddAll(0);
  ASSERT_EQ(tabs_->Tabs()->Count(), 3);
  EXPECT_EQ(tabs_->Tabs()->Strings(1), "B");
  EXPECT_TRUE(Shows(vcl::clRed, "form_tabs_first"));
  ClickTab(2);
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_EQ(F(2)->BoundsRect(), tabs_->DisplayRect());
  EXPECT_TRUE(Shows(vcl::clBlue, "form_tabs_clicked"));
  log_.Cancel = true;  // a refused change puts the selection back
  ClickTab(1);
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_TRUE(Shows(vcl::clBlue, "form_tabs_refused"));
}

TEST_F(TabHosting, CtrlTabStepsWithoutWrappingAround) {
  auto* edit = new vcl::TEdit(F(2));
  edit->SetParent(F(2));
  F(2)->SetActiveControl(edit);
  ShowHost();
  AddAll(1);
  wt::SetShiftState(false, true, false);
  wt::KeyPress(win::VK_TAB);
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
  EXPECT_EQ(win::GetFocus(), edit->Handle());
  wt::KeyPress(win::VK_TAB);  // the last one: nothing
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
  wt::SetShiftState(true, true, false);
  wt::KeyPress(win::VK_TAB);
  EXPECT_EQ(tabs_->ActiveForm(), F(1));
  wt::SetShiftState(false, false, false);
  EXPECT_EQ(tabs_->TabIndex(), 1);
}

TEST_F(TabHosting, RemovingAFormShowsTheOneNowAtItsPlace) {
  ShowHost();
  AddAll(2);
  tabs_->RemoveForm(F(0), false);  // not the active one
  EXPECT_EQ(tabs_->ActiveForm(), F(1));
  EXPECT_EQ(tabs_->TabIndex(), 0);
  EXPECT_EQ(tabs_->Tabs()->Strings(0), "B");
  tabs_->RemoveForm(F(2), false);  // the last place: the last form
  EXPECT_EQ(tabs_->ActiveForm(), F(1));
  EXPECT_EQ(tabs_->Count(), 1);
  tabs_->RemoveForm(F(1), false);
  EXPECT_EQ(tabs_->ActiveForm(), nullptr);
  EXPECT_EQ(tabs_->Tabs()->Count(), 0);
}

TEST_F(TabHosting, AFormFreedBehindItsBackLosesItsTab) {
  ShowHost();
  AddAll(1);
  FreeBehindTheBack(1);
  ASSERT_EQ(tabs_->Tabs()->Count(), 2);
  EXPECT_EQ(tabs_->Tabs()->Strings(1), "C");
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
  wt::RunUntilIdle();
  EXPECT_TRUE(Shows(vcl::clBlue, "form_tabs_freed"));
  FreeBehindTheBack(0);
  EXPECT_EQ(tabs_->ActiveFormIndex(), 0);
  EXPECT_EQ(tabs_->TabIndex(), 0);
}

TEST_F(TabHosting, AnotherFormFreedBehindItsBackLeavesTheShownOne) {
  ShowHost();
  AddAll(0);
  FreeBehindTheBack(1);
  EXPECT_EQ(tabs_->ActiveForm(), F(0));
  EXPECT_EQ(tabs_->TabIndex(), 0);
  ASSERT_EQ(tabs_->Tabs()->Count(), 2);
  EXPECT_EQ(tabs_->Tabs()->Strings(1), "C");
  tabs_->SelectNextForm(true);
  EXPECT_EQ(tabs_->ActiveForm(), F(2));
}

TEST_F(TabHosting, MovingAndFindingByCaption) {
  ShowHost();
  AddAll(0);
  tabs_->MoveForm(F(0), 2);
  EXPECT_EQ(tabs_->Tabs()->Strings(2), "A");
  EXPECT_EQ(tabs_->ActiveForm(), F(1));
  EXPECT_EQ(tabs_->TabIndex(), 0);
  EXPECT_TRUE(tabs_->SetActiveFormByName("A"));
  EXPECT_EQ(tabs_->TabIndex(), 2);
  EXPECT_FALSE(tabs_->SetActiveFormByName("Z"));
  EXPECT_EQ(tabs_->ActiveForm(), F(0));
  const int made = tabs_->AddFormClassExt(vcl::TForm::StaticClass(), true, "Made");
  EXPECT_EQ(tabs_->Tabs()->Strings(made), "Made");
  EXPECT_EQ(tabs_->Forms(made)->Owner(), tabs_);
}

// The tab control finds the neighbours of a form without wrapping around, and makes forms of a
// class with itself as their owner, shown or not as asked.
TEST_F(TabHosting, FindsNeighboursWithoutWrappingAndMakesFormsOfAClass) {
  ShowHost();
  AddAll(1);
  struct {
    vcl::TCustomForm* From;
    bool Forward;
    vcl::TCustomForm* Next;
  } const steps[] = {{F(0), true, F(1)},          {F(1), true, F(2)},     {F(2), true, nullptr},
                     {F(2), false, F(1)},         {F(0), false, nullptr}, {nullptr, true, nullptr},
                     {host_.get(), true, nullptr}};
  for (const auto& step : steps)
    EXPECT_EQ(tabs_->FindNextForm(step.From, step.Forward), step.Next)
        << (step.From ? step.From->Caption() : "nil") << " " << step.Forward;
  const int hidden = tabs_->AddFormClass(vcl::TForm::StaticClass(), false);
  EXPECT_EQ(hidden, 3);
  EXPECT_EQ(tabs_->Forms(hidden)->Owner(), tabs_);
  EXPECT_EQ(tabs_->ActiveForm(), F(1));
  EXPECT_EQ(tabs_->FindNextForm(F(2), true), tabs_->Forms(hidden));
  const int shown = tabs_->AddFormClass(vcl::TForm::StaticClass(), true);
  EXPECT_EQ(shown, 4);
  EXPECT_EQ(tabs_->ActiveForm(), tabs_->Forms(shown));
  EXPECT_EQ(tabs_->Tabs()->Count(), 5);
}

// ---- Theme changes ----

// A graphic and a windowed control that count the theme-change messages they receive.
template <class Base>
class TThemeProbe : public Base {
 public:
  using Base::Base;
  int Changes = 0;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == win::WM_THEMECHANGED) ++Changes;
    Base::WndProc(Message);
  }
};
using TGraphicProbe = TThemeProbe<vcl::TLabel>;
using TWindowProbe = TThemeProbe<vcl::TPanel>;

// Puts a graphic and a windowed probe on hosted form i.
std::pair<TGraphicProbe*, TWindowProbe*> Probes(vcl::TForm* Form) {
  auto* g = new TGraphicProbe(Form);
  g->SetParent(Form);
  auto* w = new TWindowProbe(Form);
  w->SetParent(Form);
  return {g, w};
}

// The display passes a theme change on to the active form's graphic controls only (the
// windowed ones hear of it from the window system); the other forms' controls hear nothing.
TEST_F(Display, AThemeChangeReachesTheActiveFormsGraphicControls) {
  ShowHost();
  const auto [activeG, activeW] = Probes(F(1));
  const auto [otherG, otherW] = Probes(F(0));
  for (int i = 0; i < 3; ++i) display_->AddFormExt(F(i), i == 1);
  wt::RunUntilIdle();
  activeG->Changes = activeW->Changes = otherG->Changes = otherW->Changes = 0;
  display_->SetCtlXP(!display_->GetCtlXP());
  EXPECT_EQ(
      (std::vector<int>{activeG->Changes, activeW->Changes, otherG->Changes, otherW->Changes}),
      (std::vector<int>{1, 0, 0, 0}));
}

// The tab control, told of a theme change, passes it on to every control of the active form.
TEST_F(TabHosting, AThemeChangeReachesEveryControlOfTheActiveForm) {
  ShowHost();
  const auto [activeG, activeW] = Probes(F(2));
  const auto [otherG, otherW] = Probes(F(0));
  AddAll(2);
  activeG->Changes = activeW->Changes = otherG->Changes = otherW->Changes = 0;
  tabs_->Perform(win::WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(
      (std::vector<int>{activeG->Changes, activeW->Changes, otherG->Changes, otherW->Changes}),
      (std::vector<int>{1, 1, 0, 0}));
}

}  // namespace
}  // namespace zyl

namespace zyl {
namespace {

TEST(FormTabStream, FormsReadAsChildrenBecomeItsPages) {
  vcl::testkit::TControlsSession session;
  // The example's memo is linked in only when named.
  vcl::RegisterClasses({vcl::TMemo::StaticClass()});
  vcl::RegisterStandardControls();
  ZYLFormTabControlUnit.Init();
  std::ifstream in(testsupport::SourceDir() + "/examples/forms2.txt");
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  {
    vcl::TForm host(nullptr);
    vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &host);
    auto* tabs = static_cast<TZYLFormTabControl*>(host.FindComponent("Pages"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->Count(), 3);
    EXPECT_EQ(tabs->Tabs()->Strings(2), "Reports");
    EXPECT_EQ(tabs->ActiveForm()->Name(), "OrdersForm");
    host.Show();
    wt::RunUntilIdle();
    EXPECT_TRUE(tabs->SetActiveFormByName("Reports"));
    wt::RunUntilIdle();
    EXPECT_TRUE(wt::PixelsMatch(
        wt::CaptureWindow(tabs->Handle(), false),
        [](int, int) { return vcl::ColorToRGB(vcl::clSilver); }, "form_tabs_stream",
        tabs->DisplayRect()));
  }
  ZYLFormTabControlUnit.FInit();
}

// A form whose tab control names a handler for its pictures.
class TPicturedTabsForm : public vcl::TForm {
  ZYL_CLASS(TPicturedTabsForm, vcl::TForm)
  using vcl::TForm::TForm;
  void TabsGetImage(vcl::TObject*, int tab, int& image) { image = tab + 1; }
};

}  // namespace

ZYL_CLASS_IMPL(TPicturedTabsForm) { b.Method("TabsGetImage", &TPicturedTabsForm::TabsGetImage); }

namespace {

TEST(FormTabStream, PicturesMultiSelectAndThePictureHandlerAreRead) {
  vcl::testkit::TControlsSession session;
  vcl::RegisterClasses({vcl::TImageList::StaticClass()});
  ZYLFormTabControlUnit.Init();
  const std::string text =
      "object Host: TPicturedTabsForm\n"
      "  object Pictures: TImageList\n  end\n"
      "  object Pages: TZYLFormTabControl\n"
      "    Images = Pictures\n    MultiSelect = True\n    Style = tsButtons\n"
      "    OnGetImageIndex = TabsGetImage\n"
      "  end\n"
      "end\n";
  {
    TPicturedTabsForm host(nullptr);
    vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &host);
    auto* tabs = static_cast<TZYLFormTabControl*>(host.FindComponent("Pages"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->Images(), host.FindComponent("Pictures"));
    EXPECT_TRUE(tabs->MultiSelect());
    EXPECT_EQ(tabs->GetImageIndex(1), 2);
  }
  ZYLFormTabControlUnit.FInit();
}

}  // namespace
}  // namespace zyl
