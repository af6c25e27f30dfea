// The graphic label editor: the controls show the edited label, each writes its property into
// the preview label, and the preview draws what the label will draw.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "design/pZYLGraphicLabelEditor.h"
#include "display/ZYLGraphicLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLFontComboBox.h"
#include "edits/ZYLFontSizeComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Filer.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using Editor = TZYLFormGraphicLabelEditor;

class GraphicLabelEditor : public ::testing::Test {
 protected:
  GraphicLabelEditor() { label_.SetName("Target"); }
  // Opens the editor on label_ with one answer: `look` on the form, then `ending`.
  bool Run(const std::function<void(Editor*)>& look, TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<Editor>(script, look, ending);
    return Editor::Edit(&label_);
  }
  static std::string Num(int v) { return std::to_string(v); }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLGraphicLabel label_{nullptr};
};

TEST_F(GraphicLabelEditor, TheControlsShowTheEditedLabel) {
  label_.SetTransform(ZYLGrlf::tmSpeaker);
  label_.SetFactor(321);
  label_.SetTransAttr({ZYLGrlf::taPerspective, ZYLGrlf::taEqualLetters});
  label_.SetPerspective(ZYLGrlf::tpBird);
  label_.SetPerspectiveDepth(17);
  label_.SetToggle(-45);
  label_.FontFX()->SetStyle(tdRaisedShadow);
  label_.FontFX()->SetDepth(TZYL3DCaption::diLightDepth, 3);
  label_.FontFX()->SetDepth(TZYL3DCaption::diShadowDepth, 4);
  label_.FontFX()->SetAngle(90);
  label_.FontFX()->SetTracing(2);
  label_.FontFX()->SetColor(TZYL3DCaption::ciLightColor, vcl::clYellow);
  label_.FontFX()->SetColor(TZYL3DCaption::ciShadowColor, vcl::clNavy);
  label_.Font()->SetColor(vcl::clRed);
  label_.Font()->SetSize(14);
  EXPECT_TRUE(Run([&](Editor* f) {
    testsupport::ExpectCases({{f->ComboBoxTransform->Text(), "tmSpeaker"},
                              {Num(f->ZYLSpinEditFactor->IntValue()), "321"},
                              {f->ComboBoxPerspective->Text(), "Bird"},
                              {Num(f->ZYLSpinEditPerspectiveDepth->IntValue()), "17"},
                              {Num(f->ZYLSpinEditToggle->IntValue()), "-45"},
                              {Num(f->CheckBoxEqualLetters->Checked()), "1"},
                              {Num(f->CheckBoxAutoToggle->Checked()), "0"},
                              {Num(f->CheckBoxToggled->Checked()), "0"},
                              {f->ComboBoxStyle->Text(), "tdRaisedShadow"},
                              {Num(f->ZYLSpinEditLightDepth->IntValue()), "3"},
                              {Num(f->ZYLSpinEditShadowDepth->IntValue()), "4"},
                              {Num(f->ZYLSpinEditAngle->IntValue()), "90"},
                              {Num(f->ZYLSpinEditTracing->IntValue()), "2"},
                              {Num(f->ZYLLightColorComboBox->SelectedColor()), Num(vcl::clYellow)},
                              {Num(f->ZYLShadowColorComboBox->SelectedColor()), Num(vcl::clNavy)},
                              {Num(f->ZYLColorComboBox->SelectedColor()), Num(vcl::clRed)},
                              {Num(f->ZYLFontSizeComboBox->Selected()), "14"},
                              {f->ZYLGraphicLabel->Caption(), "ZYLGraphicLabel"}});
  }));
  EXPECT_EQ(label_.Factor(), 321);  // OK without changes keeps every value
  EXPECT_EQ(label_.FontFX()->Style(), tdRaisedShadow);
}

TEST_F(GraphicLabelEditor, PerspectiveEntriesSetAndClearTheAttribute) {
  label_.SetPerspective(ZYLGrlf::tpBird);
  std::vector<std::string> seen;
  EXPECT_TRUE(Run([&](Editor* f) {
    f->TabbedNotebookProperties->SetActivePageIndex(3);
    EXPECT_EQ(f->ComboBoxPerspective->Text(), "None");
    designtest::ChooseComboItem(f->ComboBoxPerspective, "Frog");
    const TZYLGraphicLabel* copy = f->Copy();
    seen.push_back(Num(copy->Attributes().contains(ZYLGrlf::taPerspective)));
    seen.push_back(Num(copy->Perspective()));
    designtest::ChooseComboItem(f->ComboBoxPerspective, "None");
    seen.push_back(Num(copy->Attributes().contains(ZYLGrlf::taPerspective)));
    seen.push_back(Num(copy->Perspective()));
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{"1", Num(ZYLGrlf::tpFrog), "0", Num(ZYLGrlf::tpFrog)}));
  EXPECT_FALSE(label_.Attributes().contains(ZYLGrlf::taPerspective));
  EXPECT_EQ(label_.Perspective(), ZYLGrlf::tpFrog);
}

TEST_F(GraphicLabelEditor, AStyleWithoutAnEntryIsKeptUnlessOneIsPicked) {
  for (const bool pick : {false, true}) {
    label_.FontFX()->SetStyle(tdExtrude);
    EXPECT_TRUE(Run([&](Editor* f) {
      f->TabbedNotebookProperties->SetActivePageIndex(1);
      EXPECT_EQ(f->ComboBoxStyle->ItemIndex(), -1);
      vt::TypeInto(f->ZYLSpinEditAngle, "45");
      if (pick) designtest::ChooseComboItem(f->ComboBoxStyle, "tdShadow");
    }));
    EXPECT_EQ(label_.FontFX()->Style(), pick ? tdShadow : tdExtrude);
    EXPECT_EQ(label_.FontFX()->Angle(), 45);
  }
}

TEST_F(GraphicLabelEditor, TheFontDialogStartsWithTheLabelsFontAndOKTakesItsChoice) {
  label_.Font()->SetSize(12);
  label_.Font()->SetColor(vcl::clRed);  // the dialog is left to keep the colour it starts with
  vt::TDialogScript script;
  int shown = 0;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = static_cast<Editor*>(form);
    f->TabbedNotebookProperties->SetActivePageIndex(2);
    vt::ClickControl(f->ButtonFontDialog);  // the font dialog answers next
    shown = f->ZYLFontSizeComboBox->Selected();
    vt::ClickControl(f->btOK);
  });
  script.ChooseFont(label_.Font()->Name(), 20, {vcl::fsBold});
  ASSERT_TRUE(Editor::Edit(&label_));
  EXPECT_EQ(label_.Font()->Color(), vcl::clRed);
  EXPECT_EQ(shown, 20);
  EXPECT_EQ(label_.Font()->Size(), 20);
  EXPECT_TRUE(label_.Font()->Style().contains(vcl::fsBold));
}

TEST_F(GraphicLabelEditor, AConfirmedFillEditorChangesOnlyTheWorkingCopy) {
  for (const TEnding ending : {TEnding::Cancel, TEnding::Ok}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    TZYLGraphicLabel fresh(nullptr);
    label_.Assign(&fresh);
    const std::string before = vcl::WriteComponentToBytes(&label_);
    TZYLFillStyle inside = sfNone;
    vt::TDialogScript script;
    script.Do([&](vcl::TCustomForm* form) {
      auto* f = static_cast<Editor*>(form);
      vt::ClickControl(f->ButtonFillObjectDialog);  // the fill editor answers next
      inside = f->Copy()->FillObject()->Style();
    });
    designtest::AnswerEditor(
        script,
        [](vcl::TCustomForm* f) {
          EXPECT_EQ(f->Caption(), "FillObject-Editor");
          designtest::ChooseComboItem(designtest::On<vcl::TWinControl>(f, "cmbStyle"),
                                      "sfGradient");
        },
        TEnding::Ok);
    designtest::AnswerEditor(
        script, [](vcl::TCustomForm*) {}, ending);
    EXPECT_EQ(Editor::Edit(&label_), ending == TEnding::Ok);
    EXPECT_EQ(inside, sfGradient);
    if (ending == TEnding::Ok)
      EXPECT_EQ(label_.FillObject()->Style(), sfGradient);
    else
      EXPECT_EQ(vcl::WriteComponentToBytes(&label_), before);
  }
}

TEST_F(GraphicLabelEditor, ThePreviewDrawsTheWorkingCopy) {
  wt::TCapture before, after, expected;
  EXPECT_FALSE(Run(
      [&](Editor* f) {
        before = designtest::CaptureControl(f->ZYLGraphicLabel);
        designtest::ChooseComboItem(f->ComboBoxTransform, "tmHalfcircle");
        f->TabbedNotebookProperties->SetActivePageIndex(3);
        vt::ClickControl(f->CheckBoxEqualLetters);
        after = designtest::CaptureControl(f->ZYLGraphicLabel);
        expected = designtest::CaptureSample(f->ZYLGraphicLabel, [](vcl::TForm* host) {
          auto* l = new TZYLGraphicLabel(host);
          l->SetCaption("ZYLGraphicLabel");
          l->SetTransform(ZYLGrlf::tmHalfcircle);
          l->SetTransAttr({ZYLGrlf::taAutoToggled, ZYLGrlf::taEqualLetters});
          return l;
        });
        wt::WritePng(wt::RenderWindow(f->Handle(), false), "/tmp/graphic_label_editor.png");
      },
      TEnding::Cancel));
  EXPECT_GT(wt::CountDifferentPixels(before, after), 0);
  EXPECT_TRUE(wt::SamePixels(after, expected, "graphic_label_editor_preview"));
  EXPECT_EQ(label_.Transform(), ZYLGrlf::tmWave);  // cancelled
}

// SetValue puts another label into the preview and fills every control from it anew.
TEST_F(GraphicLabelEditor, SetValueFillsTheControlsFromTheGivenLabel) {
  label_.SetTransform(ZYLGrlf::tmSpeaker);
  label_.SetTransAttr({ZYLGrlf::taPerspective});
  TZYLGraphicLabel other(nullptr);
  other.SetTransform(ZYLGrlf::tmArrow);
  other.SetFactor(77);
  other.SetTransAttr({ZYLGrlf::taPerspective, ZYLGrlf::taToggled});
  other.SetPerspective(ZYLGrlf::tpFrog);
  other.SetToggle(12);
  other.FontFX()->SetAngle(45);
  other.FontFX()->SetColor(TZYL3DCaption::ciShadowColor, vcl::clMaroon);
  other.Font()->SetSize(20);
  EXPECT_FALSE(Run(
      [&](Editor* f) {
        f->SetValue(&other);
        testsupport::ExpectCases(
            {{f->ComboBoxTransform->Text(), "tmArrow"},
             {Num(f->ZYLSpinEditFactor->IntValue()), "77"},
             {f->ComboBoxPerspective->Text(), "Frog"},
             {Num(f->ZYLSpinEditToggle->IntValue()), "12"},
             {Num(f->CheckBoxToggled->Checked()), "1"},
             {Num(f->CheckBoxEqualLetters->Checked()), "0"},
             {Num(f->ZYLSpinEditAngle->IntValue()), "45"},
             {Num(f->ZYLShadowColorComboBox->SelectedColor()), Num(vcl::clMaroon)},
             {Num(f->ZYLFontSizeComboBox->Selected()), "20"},
             {Num(f->ZYLGraphicLabel->Transform()), Num(ZYLGrlf::tmArrow)}});
      },
      TEnding::Cancel));
  // Cancelled: the edited label is as it was.
  EXPECT_EQ(label_.Transform(), ZYLGrlf::tmSpeaker);
}

}  // namespace
}  // namespace zyl
