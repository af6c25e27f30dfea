// The gradient editor: its two layouts, the colour list, Reset, and a gradient that would be
// left with fewer than two colours.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/pZYLGradientEditorDlg.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLColorListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLGradient.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Buttons.h"
#include "tests/design/EditorTestSupport.h"

namespace zyl {
namespace {

using TColors = std::vector<vcl::TColor>;

class GradientEditor : public ::testing::Test {
 protected:
  // One answer: `look` on the form, then the ending.
  bool Run(const std::function<void(TZYLGradientEditorDlg*)>& look, TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLGradientEditorDlg>(script, look, ending);
    return TZYLGradientEditorDlg::Edit(&gradient_);
  }
  static std::vector<std::string> Lines(TZYLGradientEditorDlg* f) {
    std::vector<std::string> lines;
    for (int i = 0; i < f->clb->Items()->Count(); ++i) lines.push_back(f->clb->Items()->Get(i));
    return lines;
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLGradient gradient_;
};

TEST_F(GradientEditor, TheLayoutFollowsTwoColorsAndTheListShowsTheColours) {
  struct {
    bool TwoColors;
    bool ListShown;
    const char* Button;
  } const cases[] = {{true, false, "Ext >>"}, {false, true, "Std >>"}};
  gradient_.SetColorList({vcl::clRed, static_cast<vcl::TColor>(0x123456)});
  for (const auto& c : cases) {
    gradient_.SetTwoColors(c.TwoColors);
    Run([&](TZYLGradientEditorDlg* f) {
      EXPECT_EQ(f->clb->Visible(), c.ListShown);
      EXPECT_EQ(f->addBtn->Visible(), c.ListShown);
      EXPECT_EQ(f->cmbb->Visible(), !c.ListShown);
      EXPECT_EQ(f->bt2->Visible(), !c.ListShown);
      EXPECT_EQ(f->ext_std->Caption(), c.Button);
      EXPECT_EQ(Lines(f), (std::vector<std::string>{"clRed", "$00123456"}));
    });
  }
}

TEST_F(GradientEditor, SwitchingToTheListKeepsTheColoursAndStoresTwoColorsFalse) {
  gradient_.SetColorList({vcl::clRed, vcl::clLime, vcl::clBlue});
  ASSERT_TRUE(gradient_.TwoColors());
  ASSERT_TRUE(Run([](TZYLGradientEditorDlg* f) { vt::ClickControl(f->ext_std); }));
  EXPECT_FALSE(gradient_.TwoColors());
  EXPECT_EQ(gradient_.ColorList(), (TColors{vcl::clRed, vcl::clLime, vcl::clBlue}));
  // And back.
  ASSERT_TRUE(Run([](TZYLGradientEditorDlg* f) { vt::ClickControl(f->ext_std); }));
  EXPECT_TRUE(gradient_.TwoColors());
}

TEST_F(GradientEditor, AddAndDeleteRebuildTheColourList) {
  gradient_.SetTwoColors(false);
  gradient_.SetColorList({vcl::clRed, vcl::clLime, vcl::clBlue});
  vt::TDialogScript script;
  std::vector<std::string> afterDelete;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLGradientEditorDlg*>(form);
    vt::ClickControl(f->delBtn);  // nothing selected: the list stays
    vt::ChooseListItem(f->clb, "clLime");
    vt::ClickControl(f->delBtn);
    afterDelete = Lines(f);
    vt::ClickControl(f->addBtn);  // the colour dialog answers next
  });
  script.ChooseColor(vcl::clYellow);
  script.Do([](vcl::TCustomForm* form) {
    vt::ClickControl(static_cast<TZYLGradientEditorDlg*>(form)->addBtn);  // cancelled below
  });
  script.Press("Cancel");
  script.Press("OK");
  ASSERT_TRUE(TZYLGradientEditorDlg::Edit(&gradient_));
  EXPECT_EQ(afterDelete, (std::vector<std::string>{"clRed", "clBlue"}));
  EXPECT_EQ(gradient_.ColorList(), (TColors{vcl::clRed, vcl::clBlue, vcl::clYellow}));
}

TEST_F(GradientEditor, ResetGivesANewGradientsDefaultsAndTheStandardLayout) {
  gradient_.SetTwoColors(false);
  gradient_.SetColorList({vcl::clRed, vcl::clLime});
  gradient_.SetColorCount(99);
  gradient_.SetStyle(gstSquare);
  std::string caption;
  ASSERT_TRUE(Run([&](TZYLGradientEditorDlg* f) {
    vt::ClickControl(f->btReset);
    caption = f->ext_std->Caption();
  }));
  TZYLGradient fresh;
  EXPECT_EQ(caption, "Ext >>");
  EXPECT_EQ(gradient_.GetSetStr(), fresh.GetSetStr());
  EXPECT_EQ(gradient_.Color(), fresh.Color());
  EXPECT_EQ(gradient_.ColorCount(), 16);
  EXPECT_EQ(gradient_.Style(), gstVertical);
  EXPECT_TRUE(gradient_.TwoColors());
}

TEST_F(GradientEditor, AGradientKeepsAtLeastTwoColours) {
  // The step count does not go below two.
  ASSERT_TRUE(Run([](TZYLGradientEditorDlg* f) { vt::TypeInto(f->edbiw, "1"); }));
  EXPECT_EQ(gradient_.ColorCount(), 2);
  // A list of fewer than two colours is refused on OK with a message; the form stays open.
  gradient_.SetTwoColors(false);
  gradient_.SetColorList({vcl::clRed, vcl::clLime});
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLGradientEditorDlg*>(form);
    vt::ChooseListItem(f->clb, "clRed");
    vt::ClickControl(f->delBtn);
    vt::ClickControl(f->btOK);  // the message answers next
  });
  script.Press("OK");
  script.Press("Cancel");
  EXPECT_FALSE(TZYLGradientEditorDlg::Edit(&gradient_));
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Text,
            "A gradient needs at least two colours: add colours to the list or switch to Std");
  EXPECT_EQ(gradient_.ColorList(), (TColors{vcl::clRed, vcl::clLime}));
  EXPECT_EQ(script.Pending(), 0u);
}

}  // namespace
}  // namespace zyl
