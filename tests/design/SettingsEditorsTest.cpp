// The settings-object editors built on the shared editor form: Reset, the colour buttons, the
// Activated flag and the live preview.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "design/pZYLShadowEditorDlg.h"
#include "design/pZYLSimpleBevelEditorDlg.h"
#include "design/pZYLTeethEditorDlg.h"
#include "display/ZYLShapeControl.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

// Notes the custom colours a colour dialog starts with.
struct TDialogWatch : vcl::TObject {
  std::string Custom;
  void Before(vcl::TObject*, vcl::TColorDialog* dialog) { Custom = dialog->CustomColors()->Text(); }
};

class SettingsEditors : public ::testing::Test {
 protected:
  // Opens `edit` on shape_ with one answer: `look` on the form, then OK.
  void Run(const std::function<bool(TZYLShapeControl*)>& edit,
           const std::function<void(TZYLObjectEditorForm*)>& look) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLObjectEditorForm>(script, look, TEnding::Ok);
    ASSERT_TRUE(edit(&shape_));
  }
  std::string Stream(TZYLShapeControl* s) { return vcl::WriteComponentToBytes(s); }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLShapeControl shape_{nullptr};
};

TEST_F(SettingsEditors, ResetThenOKGivesEveryDefaultOfTheObject) {
  shape_.Shadow()->SetDepth(20);
  shape_.Shadow()->SetStyle(hssTracing);
  shape_.Bevel()->SetWidth(7);
  shape_.Bevel()->SetColor(TZYLSimpleBevel::ciLightColor, vcl::clYellow);
  shape_.Teeth()->SetCount(33);
  shape_.Teeth()->SetDirection(tdLeft);
  const std::function<bool(TZYLShapeControl*)> editors[] = {
      [](TZYLShapeControl* s) { return TZYLShadowEditorDlg::Edit(s->Shadow()); },
      [](TZYLShapeControl* s) { return TZYLSimpleBevelEditorDlg::Edit(s->Bevel()); },
      [](TZYLShapeControl* s) { return TZYLTeethEditorDlg::Edit(s->Teeth()); }};
  for (const auto& edit : editors) {
    Run(edit, [](TZYLObjectEditorForm* f) {
      EXPECT_TRUE(f->Activated());
      vt::ClickControl(On<vcl::TControl>(f, "btReset"));
    });
  }
  TZYLShapeControl fresh(nullptr);
  EXPECT_EQ(Stream(&shape_), Stream(&fresh));
}

TEST_F(SettingsEditors, TheControlsShowTheEditedObjectAndRefillAfterAChange) {
  shape_.Teeth()->SetCount(17);
  shape_.Teeth()->SetInteger(TZYLTeeth::iiWidth, 30);
  shape_.Teeth()->SetBoolean(TZYLTeeth::biSetPerCount, false);
  std::vector<std::string> seen;
  Run([](TZYLShapeControl* s) { return TZYLTeethEditorDlg::Edit(s->Teeth()); },
      [&](TZYLObjectEditorForm* form) {
        auto* f = static_cast<TZYLTeethEditorDlg*>(form);
        seen = {std::to_string(f->spinc->IntValue()), std::to_string(f->spinW->IntValue()),
                f->chkc->Checked() ? "1" : "0", f->cmb->Text()};
        vt::ClickControl(f->chkc);
        seen.push_back(f->chkc->Checked() ? "1" : "0");
      });
  EXPECT_EQ(seen, (std::vector<std::string>{"17", "30", "0", "tdRight", "1"}));
  EXPECT_TRUE(shape_.Teeth()->SetPerCount());
}

TEST_F(SettingsEditors, AColourButtonRunsTheDialogOfItsOwnBoxOnTheFirstBoxsCustomColours) {
  const vcl::TColor light = shape_.Bevel()->LightColor(), normal = shape_.Bevel()->Color();
  vt::TDialogScript script;
  std::vector<vcl::TColor> boxes;
  TDialogWatch watch;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<TZYLSimpleBevelEditorDlg*>(form);
    f->cmbL->CustomColors()->SetText("ColorA=FF00FF\r\n");
    f->cmbs->CustomColors()->SetText("ColorA=00FF00\r\n");
    f->cmbs->SetOnBeforeDialogShow(TZYLOnColorDialogEvent(&watch, &TDialogWatch::Before));
    vt::ClickControl(f->bts);  // beside ShadowColor; the colour dialog answers next
    for (auto* c : {f->cmbL, f->cmbs, f->cmbn}) boxes.push_back(c->SelectedColor());
  });
  script.ChooseColor(vcl::clAqua);
  script.Press("OK");
  ASSERT_TRUE(TZYLSimpleBevelEditorDlg::Edit(shape_.Bevel()));
  EXPECT_EQ(boxes, (std::vector<vcl::TColor>{light, vcl::clAqua, normal}));
  EXPECT_EQ(shape_.Bevel()->ShadowColor(), vcl::clAqua);
  EXPECT_EQ(shape_.Bevel()->LightColor(), light);
  EXPECT_NE(watch.Custom.find("ColorA=FF00FF"), std::string::npos) << watch.Custom;
}

TEST_F(SettingsEditors, TheShadowPreviewShowsTheWorkingCopy) {
  wt::TCapture before, after, expected;
  Run([](TZYLShapeControl* s) { return TZYLShadowEditorDlg::Edit(s->Shadow()); },
      [&](TZYLObjectEditorForm* form) {
        auto* f = static_cast<TZYLShadowEditorDlg*>(form);
        before = designtest::CaptureControl(f->test);
        vt::TypeInto(f->spind, "15");
        designtest::ChooseComboItem(f->cmbS, "clMaroon");
        after = designtest::CaptureControl(f->test);
        expected = designtest::CaptureSample(f->test, [](vcl::TForm* host) {
          auto* s = new TZYLShapeControl(host);
          s->Caption()->SetCaption("Shadow-Testobject");
          s->Shadow()->SetDepth(15);
          s->Shadow()->SetColor(vcl::clMaroon);
          return s;
        });
      });
  EXPECT_GT(wt::CountDifferentPixels(before, after), 0);
  EXPECT_TRUE(wt::SamePixels(after, expected, "shadow_editor_preview"));
  EXPECT_EQ(shape_.Shadow()->Depth(), 15);
}

}  // namespace
}  // namespace zyl
