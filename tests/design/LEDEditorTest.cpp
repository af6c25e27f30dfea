// The LED editor: predefined light colours, Reset on the working copy and the live preview.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/pZYLLEDEditorDlg.h"
#include "display/ZYLLED.h"
#include "display/ZYLLEDLabel.h"
#include "edits/ZYLColorComboBox.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/classes/Filer.h"
#include "platform/controls/StdCtrls.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

class LEDEditor : public ::testing::Test {
 protected:
  // Opens the editor on the LED of label_ with one answer: `look`, then `ending`.
  bool Run(const std::function<void(TZYLLEDEditorDlg*)>& look, TEnding ending = TEnding::Ok) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLLEDEditorDlg>(script, look, ending);
    return TZYLLEDEditorDlg::Edit(label_.LED());
  }

  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLLEDLabel label_{nullptr};
};

TEST_F(LEDEditor, ThePredefinedListNamesTheLightColoursAndStartsEmpty) {
  std::vector<std::string> items;
  int index = 0;
  Run([&](TZYLLEDEditorDlg* f) {
    for (int i = 0; i < f->pred->Items()->Count(); ++i) items.push_back(f->pred->Items()->Get(i));
    index = f->pred->ItemIndex();
  });
  EXPECT_EQ(items, (std::vector<std::string>{"lcNone", "lcBlue", "lcRed", "lcGreen", "lcYellow",
                                             "lcMarine", "lcPurple"}));
  EXPECT_EQ(index, -1);
}

TEST_F(LEDEditor, APredefinedColourSetsBothColoursAndLeavesTheListEmpty) {
  std::vector<vcl::TColor> boxes;
  std::vector<int> indices;
  ASSERT_TRUE(Run([&](TZYLLEDEditorDlg* f) {
    designtest::PickDroppedItem(f->pred, "lcRed");
    boxes = {f->cmbb->SelectedColor(), f->cmbL->SelectedColor()};
    indices.push_back(f->pred->ItemIndex());
    // The same entry twice in a row: it takes effect again after a colour was changed.
    designtest::ChooseComboItem(f->cmbb, "clWhite");
    designtest::PickDroppedItem(f->pred, "lcRed");
    boxes.push_back(f->cmbb->SelectedColor());
    indices.push_back(f->pred->ItemIndex());
  }));
  EXPECT_EQ(boxes, (std::vector<vcl::TColor>{vcl::clRed, vcl::clMaroon, vcl::clRed}));
  EXPECT_EQ(indices, (std::vector<int>{-1, -1}));
  EXPECT_EQ(label_.LED()->ActiveColor(), vcl::clRed);
  EXPECT_EQ(label_.LED()->InActiveColor(), vcl::clMaroon);
}

TEST_F(LEDEditor, CancelAfterResetLeavesTheLEDAsItWas) {
  label_.SetName("Target");
  label_.LED()->SetByte(TZYLLED::biHorzsize, 20);
  label_.LED()->SetColor(TZYLLED::ciActiveColor, vcl::clYellow);
  const std::string before = vcl::WriteComponentToBytes(&label_);
  std::vector<int> shown;
  EXPECT_FALSE(Run(
      [&](TZYLLEDEditorDlg* f) {
        vt::ClickControl(f->btReset);
        shown = {f->edhs->IntValue(), f->edvs->IntValue(), f->edt->IntValue()};
      },
      TEnding::Cancel));
  EXPECT_EQ(shown, (std::vector<int>{9, 7, 2}));
  EXPECT_EQ(vcl::WriteComponentToBytes(&label_), before);
}

TEST_F(LEDEditor, SizesAtTheEndsOfTheirRangesReachTheLED) {
  // Zero sizes leave the preview nothing to light; the largest give the biggest cells.
  const struct {
    const char *Horz, *Vert, *Thick;
    int H, V, T;
  } cases[] = {{"0", "0", "0", 0, 0, 0}, {"255", "255", "100", 255, 255, 100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Horz);
    wt::TCapture shown;
    ASSERT_TRUE(Run([&](TZYLLEDEditorDlg* f) {
      vt::TypeInto(f->edhs, c.Horz);
      vt::TypeInto(f->edvs, c.Vert);
      vt::TypeInto(f->edt, c.Thick);
      shown = designtest::CaptureControl(f->test);
    }));
    EXPECT_EQ(shown.Width, 316);
    EXPECT_EQ(label_.LED()->Horzsize(), c.H);
    EXPECT_EQ(label_.LED()->Vertsize(), c.V);
    EXPECT_EQ(label_.LED()->Thickness(), c.T);
  }
}

TEST_F(LEDEditor, ThePreviewShowsTheWorkingCopy) {
  wt::TCapture before, after, expected;
  ASSERT_TRUE(Run([&](TZYLLEDEditorDlg* f) {
    before = designtest::CaptureControl(f->test);
    vt::TypeInto(f->edt, "3");
    designtest::PickDroppedItem(f->pred, "lcBlue");
    after = designtest::CaptureControl(f->test);
    expected = designtest::CaptureSample(f->test, [](vcl::TForm* host) {
      auto* l = new TZYLLEDLabel(host);
      l->SetCaption("TEST-LED");
      l->LED()->SetByte(TZYLLED::biThickness, 3);
      l->LED()->SetColor(TZYLLED::ciActiveColor, vcl::clBlue);
      l->LED()->SetColor(TZYLLED::ciInActiveColor, vcl::clNavy);
      return l;
    });
  }));
  EXPECT_GT(wt::CountDifferentPixels(before, after), 0);
  EXPECT_TRUE(wt::SamePixels(after, expected, "led_editor_preview"));
}

}  // namespace
}  // namespace zyl
