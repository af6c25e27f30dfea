// The status bar's component editor: its verbs, the label panels they add to the designed form
// and the ready-made layouts of its editor form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buttons/ZYLStatusBar.h"
#include "design/pZYLCEStatusBar.h"
#include "design/pZYLStatusBarEditorDlg.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/TestKit.h"
#include "tests/design/ComponentEditorTestSupport.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

// What one added panel is expected to be: an information label of that kind (or, for
// Info < 0, a simple label) with that caption, format and alignment. A null Caption: the label
// keeps the caption a new control takes from its name; a null Format: the label's own.
struct TPanel {
  int Info;
  const char* Caption;
  const char* Format;
  vcl::TAlign Align;
  bool Standard;
};
constexpr int kSimple = -1;

class StatusBarEditor : public designtest::TComponentEditorTest<designtest::TEditorUnits> {
 protected:
  StatusBarEditor()
      : TComponentEditorTest(
            {designtest::EditorFor<TZYLStatusBar, TZYLStatusBarComponentEditor>()}) {
    ZYLStatusBarUnit.Init();
    bar_ = form_.Add<TZYLStatusBar>("StatusBar1");
  }
  ~StatusBarEditor() override { ZYLStatusBarUnit.FInit(); }

  // The bar's children, in the order they were added, checked against Expected.
  void ExpectPanels(const std::vector<TPanel>& Expected) {
    ASSERT_EQ(bar_->ControlCount(), static_cast<int>(Expected.size()));
    for (size_t i = 0; i < Expected.size(); ++i) {
      SCOPED_TRACE("panel " + std::to_string(i));
      const TPanel& p = Expected[i];
      vcl::TControl* c = bar_->Controls(static_cast<int>(i));
      EXPECT_EQ(c->Owner(), form_.Form());
      EXPECT_EQ(c->Align(), p.Align);
      EXPECT_EQ(c->Text(), p.Caption ? std::string(p.Caption) : c->Name());
      if (p.Info == kSimple) {
        auto* label = dynamic_cast<TZYLSimpleLabel*>(c);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Alignment(), agCenter);
        EXPECT_FALSE(label->Transparent());
        EXPECT_EQ(label->Font3D()->DisabledStyle(), ds3d);
        continue;
      }
      auto* label = dynamic_cast<TZYLInformationLabel*>(c);
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->Info(), static_cast<TZYLInfoType>(p.Info));
      EXPECT_EQ(label->DateTimeFormat(),
                p.Format ? std::string(p.Format) : TZYLInformationLabel(nullptr).DateTimeFormat());
      EXPECT_EQ(label->UseStandardCaption(), p.Standard);
      EXPECT_EQ(label->InsertTabs(), p.Standard ? 1 : 0);
      EXPECT_EQ(label->Alignment(), agCenter);
      EXPECT_FALSE(label->Transparent());
      EXPECT_EQ(label->Font3D()->DisabledStyle(), ds3d);
      EXPECT_EQ(label->Bevel()->Mode(), bmStandard);
      EXPECT_EQ(label->Bevel()->StandardStyle(), lsSingleLowered);
    }
  }

  TZYLStatusBar* bar_;
};

const char kDefaultFormat[] = "dd/mm/yy hh:mm:ss";

TEST_F(StatusBarEditor, TheVerbsFollowOldStyle) {
  // A new bar is old-style: the layouts, its three settings objects and the panel verbs.
  EXPECT_EQ(form_.Menu(bar_).Verbs(),
            (Strings{"Editor", "-", "Font", "Font3D", "Bevel", "-", "DateTime", "Caps", "Num",
                     "Scroll", "System Info", "Normal Info"}));
  bar_->SetBoolean(TZYLStatusBar::biOldStyle, false);
  EXPECT_EQ(form_.Menu(bar_).Verbs(), (Strings{"Font", "Font3D", "Bevel"}));
}

// The settings verbs edit the bar's own objects, in both styles; a confirmed edit is reported,
// a cancelled one is not.
TEST_F(StatusBarEditor, TheSettingsVerbsEditTheBarsOwnObjects) {
  struct TCase {
    const char* Verb;
    vcl::TPersistent* Object;
  };
  const TCase cases[] = {
      {"Font", bar_->Font()}, {"Font3D", bar_->Font3D()}, {"Bevel", bar_->Bevel()}};
  for (bool oldStyle : {true, false}) {
    bar_->SetBoolean(TZYLStatusBar::biOldStyle, oldStyle);
    for (bool answer : {false, true})
      for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Verb) + (oldStyle ? " old" : " new") + (answer ? " ok" : ""));
        designtest::TRecordedLaunchers launchers({bar_->Font(), bar_->Font3D(), bar_->Bevel()},
                                                 answer);
        Designer()->ResetModified();
        form_.Menu(bar_).Execute(c.Verb);
        EXPECT_EQ(launchers.Edited(), (std::vector<vcl::TPersistent*>{c.Object}));
        EXPECT_EQ(Designer()->ModifiedCount(), answer ? 1 : 0);
      }
  }
}

// Each panel verb adds one label, and every verb runs without error (forms it opens closed).
struct TVerbCase {
  const char* Verb;
  TPanel Panel;
};

TEST_F(StatusBarEditor, EachPanelVerbAddsOneUniquelyNamedLabel) {
  const TVerbCase cases[] = {
      {"DateTime", {itCurrentDateTime, "", kDefaultFormat, vcl::alLeft, false}},
      {"Caps", {itCapsLock, "Caps:", nullptr, vcl::alLeft, false}},
      {"Num", {itNumLock, "Num:", nullptr, vcl::alLeft, false}},
      {"Scroll", {itScroll, "Scroll:", nullptr, vcl::alLeft, false}},
      {"System Info", {itUser, "", nullptr, vcl::alLeft, true}},
      {"Normal Info", {kSimple, nullptr, nullptr, vcl::alLeft, false}},
      {"Caps", {itCapsLock, "Caps:", nullptr, vcl::alLeft, false}},
  };
  std::vector<TPanel> expected;
  for (const TVerbCase& c : cases) {
    SCOPED_TRACE(c.Verb);
    Designer()->ResetModified();
    form_.Menu(bar_).Execute(c.Verb);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
    expected.push_back(c.Panel);
  }
  ExpectPanels(expected);
  EXPECT_EQ(form_.ComponentNames(),
            (Strings{"StatusBar1", "ZYLInformationLabel1", "ZYLInformationLabel2",
                     "ZYLInformationLabel3", "ZYLInformationLabel4", "ZYLInformationLabel5",
                     "ZYLSimpleLabel1", "ZYLInformationLabel6"}));

  designtest::TRecordedLaunchers launchers({bar_->Font(), bar_->Font3D(), bar_->Bevel()});
  form_.ExpectEachVerbRuns(bar_);
}

// "Editor" builds the layout chosen in the form's list; every ending reports a modification.
struct TLayoutCase {
  const char* Line;  // nullptr: OK without a line chosen
  TEnding Ending;
  std::vector<TPanel> Panels;
  bool Simple;
};

TEST_F(StatusBarEditor, TheEditorBuildsTheChosenLayout) {
  const std::vector<TPanel> none;
  const TLayoutCase cases[] = {
      {"Text (Hint), Caps, Num, Scroll, Time",
       TEnding::Ok,
       {{kSimple, "HintText", "", vcl::alLeft, false},
        {itCurrentDateTime, "", "hh:mm:ss", vcl::alRight, false},
        {itNumLock, "Num:", nullptr, vcl::alRight, false},
        {itScroll, "Scroll:", nullptr, vcl::alRight, false},
        {itCapsLock, "Caps:", nullptr, vcl::alRight, false}},
       false},
      {"Text (Hint), Caps, Num, Scroll, DateTime",
       TEnding::Ok,
       {{kSimple, "HintText", "", vcl::alLeft, false},
        {itCurrentDateTime, "", kDefaultFormat, vcl::alRight, false},
        {itNumLock, "Num:", nullptr, vcl::alRight, false},
        {itScroll, "Scroll:", nullptr, vcl::alRight, false},
        {itCapsLock, "Caps:", nullptr, vcl::alRight, false}},
       false},
      {"Text (Hint) only", TEnding::Ok, none, true},
      {"Caps, Num, Scroll",
       TEnding::Ok,
       {{itNumLock, "Num:", nullptr, vcl::alLeft, false},
        {itScroll, "Scroll:", nullptr, vcl::alLeft, false},
        {itCapsLock, "Caps:", nullptr, vcl::alLeft, false}},
       false},
      {"DateTime",
       TEnding::Ok,
       {{itCurrentDateTime, "", kDefaultFormat, vcl::alLeft, false}},
       false},
      {"CurrentUser", TEnding::Ok, {{itUser, "", nullptr, vcl::alLeft, true}}, false},
      {nullptr, TEnding::Ok, none, false},
      {"DateTime", TEnding::Cancel, none, false},
      {"DateTime", TEnding::Escape, none, false},
      {"DateTime", TEnding::CloseBox, none, false},
  };
  for (const TLayoutCase& c : cases) {
    SCOPED_TRACE(std::string(c.Line ? c.Line : "(none)") + " " + designtest::EndingName(c.Ending));
    // A fresh bar for each layout.
    delete bar_;
    bar_ = form_.Add<TZYLStatusBar>("StatusBar1");
    Designer()->ResetModified();
    vt::TDialogScript script;
    designtest::AnswerEditor(
        script,
        [&](vcl::TCustomForm* f) {
          auto* list = designtest::On<vcl::TListBox>(f, "ListBox");
          EXPECT_EQ(list->ItemIndex(), -1);
          if (c.Line) vt::ChooseListItem(list, c.Line);
        },
        c.Ending);
    form_.Menu(bar_).Execute("Editor");
    EXPECT_EQ(script.Pending(), 0u);
    EXPECT_EQ(Designer()->ModifiedCount(), 1);
    ExpectPanels(c.Panels);
    EXPECT_EQ(bar_->SimplePanel(), c.Simple);
    EXPECT_EQ(bar_->SimpleText(), c.Simple ? "HintText" : "");
    EXPECT_EQ(bar_->Alignment(), c.Simple ? agCenter : TZYLStatusBar(nullptr).Alignment());
  }
}

}  // namespace
}  // namespace zyl
