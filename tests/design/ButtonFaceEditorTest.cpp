// The multimedia button face editor: its buttons on the working table (the selected row stays
// selected), the row height following the pictures, how rows are drawn, choosing a picture in
// the image picker, and the button left as it was unless the form ends with OK.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLMMButton.h"
#include "design/pZYLButtonFaceDlg.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/DialogScript.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using designtest::AddStrip;
using designtest::ClickRow;

// A face table from (list index, image index) pairs in state order.
TZYLButtonFaceIndex Table(const std::vector<std::pair<int, int>>& entries) {
  TZYLButtonFaceIndex t;
  for (size_t i = 0; i < entries.size(); ++i)
    t.Faces[i] = {uint16_t(entries[i].first), uint16_t(entries[i].second)};
  return t;
}

std::string Text(const TZYLButtonFaceIndex& t) {
  std::string s;
  for (const TZYLButtonFaceEntry& e : t.Faces)
    s += std::to_string(e.ListIndex) + "," + std::to_string(e.ImageIndex) + " ";
  return s;
}

TZYLButtonFaceDlg* FaceForm(vcl::TCustomForm* f) { return static_cast<TZYLButtonFaceDlg*>(f); }

void AnswerFaces(vt::TDialogScript& script, const std::function<void(TZYLButtonFaceDlg*)>& change,
                 TEnding ending = TEnding::Ok) {
  designtest::AnswerEditor(
      script, [change](vcl::TCustomForm* f) { change(FaceForm(f)); }, ending, "OKButton",
      "CancelButton");
}

// Strip 0: three 16 x 16 pictures; strip 1: two 24 x 64 pictures.
// Start table: bsUp 0,0  bsDisabledUp 0,1  bsMouseOver 0,2  bsOptionSet 1,0  bsDown 1,1
//              bsDragOver 7,0 (no such strip)  bsDropDownOpen 0,2  bsDisabledDown 1,0
//              bsDefaultEd 0,1
class FaceEditor : public ::testing::Test {
 protected:
  FaceEditor() {
    list_.SetName("Faces");
    AddStrip(list_, 16, 16, {vcl::clRed, vcl::clLime, vcl::clBlue});
    AddStrip(list_, 24, 64, {vcl::clYellow, vcl::clFuchsia});
  }
  const TZYLButtonFaceIndex start_ =
      Table({{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {7, 0}, {0, 2}, {1, 0}, {0, 1}});
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLImageList list_;
};

struct TButtonCase {
  const char* Name;
  int Row;  // selected before the clicks, -1 for none
  std::vector<const char*> Buttons;
  TZYLButtonFaceIndex Expected;
};

TEST_F(FaceEditor, TheButtonsChangeTheWorkingTableAndKeepTheSelectedRow) {
  const TButtonCase cases[] = {
      {"clear one",
       4,
       {"nopicture"},
       Table({{0, 0}, {0, 1}, {0, 2}, {1, 0}, {0, 0}, {7, 0}, {0, 2}, {1, 0}, {0, 1}})},
      {"clear none selected", -1, {"nopicture"}, start_},
      {"clear all", 3, {"ClearAll"}, TZYLButtonFaceIndex{}},
      // Disabled up and default from up; option set, drop-down and disabled down from down;
      // mouse over and drag over from up.
      {"sync normal",
       2,
       {"sync"},
       Table({{0, 0}, {0, 0}, {0, 0}, {1, 1}, {1, 1}, {0, 0}, {1, 1}, {1, 1}, {0, 0}})},
      // The same, but mouse over stays and drag over follows it.
      {"sync hot",
       5,
       {"synchot"},
       Table({{0, 0}, {0, 0}, {0, 2}, {1, 1}, {1, 1}, {0, 2}, {1, 1}, {1, 1}, {0, 0}})},
      {"reset", 1, {"ClearAll", "ResetBtn"}, start_},
  };
  for (const TButtonCase& c : cases) {
    SCOPED_TRACE(c.Name);
    vt::TDialogScript script;
    int selected = -2;
    AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
      if (c.Row >= 0) ClickRow(f->lb, c.Row);
      for (const char* button : c.Buttons)
        vt::ClickControl(designtest::On<vcl::TControl>(f, button));
      selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
    });
    TZYLButtonFaceIndex faces = start_;
    ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
    EXPECT_EQ(Text(faces), Text(c.Expected));
    EXPECT_EQ(selected, c.Row);
  }
}

TEST_F(FaceEditor, RowsAreAsHighAsTheTallestValidPictureUpTo40) {
  struct TCase {
    const char* Name;
    TZYLButtonFaceIndex Faces;
    int Highest;
    int RowHeight;
  };
  const TCase cases[] = {
      {"small pictures", Table({{0, 0}, {0, 1}, {9, 9}}), 16, 16},
      {"a tall picture", Table({{0, 0}, {1, 1}}), 40, 40},
      // Nothing valid: the rows keep the height they were designed with.
      {"no valid entry",
       Table({{9, 0}, {9, 0}, {9, 0}, {9, 0}, {9, 0}, {9, 0}, {9, 0}, {9, 0}, {0, 5}}), 0, 40},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    vt::TDialogScript script;
    int highest = -1, rowHeight = -1, rows = -1;
    AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
      highest = f->GetHeighestItem();
      rowHeight = f->lb->GetInteger(TZYLListBox::iiItemHeight);
      rows = f->lb->GetItems()->Count();
    });
    TZYLButtonFaceIndex faces = c.Faces;
    ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
    EXPECT_EQ(highest, c.Highest);
    EXPECT_EQ(rowHeight, c.RowHeight);
    EXPECT_EQ(rows, 9);
  }
}

TEST_F(FaceEditor, RowsShowTheStatesPictureFittedOrSayThatThereIsNone) {
  vt::TDialogScript script;
  wt::TCapture shown;
  int left = 0, margin = 0, rowHeight = 0;
  AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
    margin = f->lb->ListBox()->Margin();
    left = margin + f->lb->GetHeaderSections()->Items(0)->Width() + 2;
    rowHeight = f->lb->GetInteger(TZYLListBox::iiItemHeight);
    shown = wt::RenderWindow(f->lb->ListBox()->Handle(), false);
  });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  ASSERT_EQ(rowHeight, 40);
  // bsUp: the 16 x 16 red picture at its own size, 1 pixel below the row's top.
  EXPECT_TRUE(wt::PixelsMatch(shown, [](int, int) { return win::COLORREF(vcl::clRed); }, "face_up",
                              {left, 1, left + 16, 17}));
  EXPECT_TRUE(designtest::IsPlain(shown, {left + 16, 1, left + 40, 17}, "face_up_after"));
  EXPECT_NE(shown.Color(left + 16, 1), win::COLORREF(vcl::clRed));
  // bsOptionSet: the 64 pixels high picture shrunk into its row, keeping its proportions.
  const win::COLORREF yellow = vcl::clYellow;
  const int top = 3 * rowHeight, inner = rowHeight - 3;  // the row less its margin and 1 + 1
  const int inside =
      designtest::CountColor(shown, yellow, {left, top + 1, shown.Width, top + 1 + inner});
  EXPECT_EQ(designtest::CountColor(shown, yellow), inside);
  const int scaledWidth = 24 * inner / 64;
  EXPECT_NEAR(inside, scaledWidth * inner, inner + scaledWidth);
  // bsDragOver points at no picture: its row holds the text and no picture colour.
  const int none = 5 * rowHeight;
  const win::RECT row{left, none + 1, left + 200, none + rowHeight - 2};
  EXPECT_FALSE(designtest::IsPlain(shown, row, "face_none"));
  for (vcl::TColor c : {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow, vcl::clFuchsia})
    EXPECT_EQ(designtest::CountColor(shown, win::COLORREF(c), row), 0);
}

TEST_F(FaceEditor, SelectPictureOpensThePickerOnTheEntryAndTakesTheChosenPair) {
  vt::TDialogScript script;
  int selected = -1, pickerStrip = -1, pickerImage = -1;
  bool listsEnabled = true;
  AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
    ClickRow(f->lb, 1);
    vt::ClickControl(f->SelectBtn);  // the picker answers next
    selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
  });
  script.Do([&](vcl::TCustomForm* form) {
    auto* p = static_cast<TZYLCustImgListSelectDlg*>(form);
    pickerStrip = p->cmb->ItemIndex();
    pickerImage = p->RowIndex();
    listsEnabled = p->ln->GetBool(TZYLListBox::biEnabled);
    designtest::ChooseComboItem(p->cmb, "NoName 1");
    ClickRow(p->lb, 1);
    vt::ClickControl(p->btnOk);
  });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Caption, "Select Image...");
  EXPECT_EQ(pickerStrip, 0);
  EXPECT_EQ(pickerImage, 1);
  EXPECT_FALSE(listsEnabled);
  EXPECT_EQ(selected, 1);
  TZYLButtonFaceIndex expected = start_;
  expected[bsDisabledUp] = {1, 1};
  EXPECT_EQ(Text(faces), Text(expected));
}

TEST_F(FaceEditor, ADoubleClickedRowOpensThePickerAndItsCancelKeepsTheEntry) {
  vt::TDialogScript script;
  AnswerFaces(script, [](TZYLButtonFaceDlg* f) { ClickRow(f->lb, 2, true); });
  script.Do([](vcl::TCustomForm* p) {
    vt::ClickControl(static_cast<TZYLCustImgListSelectDlg*>(p)->btnCancel);
  });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  EXPECT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(Text(faces), Text(start_));
}

TEST_F(FaceEditor, SelectPictureWithoutASelectedRowOpensNothing) {
  vt::TDialogScript script;
  AnswerFaces(script, [](TZYLButtonFaceDlg* f) { vt::ClickControl(f->SelectBtn); });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  EXPECT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(Text(faces), Text(start_));
}

// The button as the editor's launcher handles it: the faces go into the form, and only OK
// gives the working table back to the button.
TEST_F(FaceEditor, OnlyOKChangesTheButtonEvenAfterClearAll) {
  for (TEnding ending :
       {TEnding::Ok, TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    vcl::TForm holder(nullptr);
    holder.SetName("Holder");
    auto* button = new TZYLMMButton(&holder);
    button->SetName("Target");
    button->SetButtonFaceImageList(&list_);
    button->SetButtonFaceIndices(start_);
    const std::string before = vcl::WriteComponentToBytes(button);
    vt::TDialogScript script;
    AnswerFaces(
        script, [](TZYLButtonFaceDlg* f) { vt::ClickControl(f->ClearAll); }, ending);
    bool accepted = false;
    const std::string error = testsupport::ErrorOf<vcl::Exception>(
        [&] { accepted = ZYLCPGetButtonFaceMM(button, button->ButtonFaceImageList()); });
    EXPECT_EQ(error, ending == TEnding::Exception ? "failure inside the editor" : "<no error>");
    EXPECT_EQ(accepted, ending == TEnding::Ok);
    TZYLButtonFaceIndex now;
    button->GetButtonFaceIndices(now);
    if (ending == TEnding::Ok) {
      EXPECT_EQ(Text(now), Text(TZYLButtonFaceIndex{}));
    } else {
      EXPECT_EQ(vcl::WriteComponentToBytes(button), before);
    }
    button->SetButtonFaceImageList(nullptr);
  }
}

// Without a face image list the developer is told so and no editor opens.
TEST_F(FaceEditor, WithoutAnImageListTheLauncherOnlyTellsTheDeveloper) {
  vcl::TForm holder(nullptr);
  auto* button = new TZYLMMButton(&holder);
  button->SetButtonFaceIndices(start_);
  const std::string before = vcl::WriteComponentToBytes(button);
  vt::TDialogScript script;
  script.Press("OK");
  EXPECT_FALSE(ZYLCPGetButtonFaceMM(button, nullptr));
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Text, "Can't run Editor because no ButtonFaceImageList is selected.");
  EXPECT_EQ(vcl::WriteComponentToBytes(button), before);
}

TEST_F(FaceEditor, ThePictureColumnTakesWhatTheStateColumnLeavesOfTheListsWidth) {
  vt::TDialogScript script;
  std::vector<int> widths;
  AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
    for (int width : {300, 420}) {
      f->lb->SetWidth(width);
      wt::RunUntilIdle();
      widths.push_back(f->lb->GetHeaderSections()->Items(1)->Width());
    }
  });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  EXPECT_EQ(widths, (std::vector<int>{300 - 112, 420 - 112}));
}

TEST_F(FaceEditor, TheSyncButtonsExplainOnTwoLinesWhichStatesTheyFill) {
  vt::TDialogScript script;
  std::vector<std::string> hints;
  AnswerFaces(script, [&](TZYLButtonFaceDlg* f) {
    hints = {f->sync->Hint(), f->synchot->Hint(), f->Caption()};
  });
  TZYLButtonFaceIndex faces = start_;
  ASSERT_TRUE(TZYLButtonFaceDlg::Edit(&list_, faces));
  EXPECT_EQ(hints, (std::vector<std::string>{
                       "Synch bsUp/bsDown ListIndex with other button states.\r\n"
                       "Use this feature if only bsUp/bsDown Images are available.",
                       "Synch bsUp/bsDown/bsMouseOver ListIndex with other button states.\r\n"
                       "Use this feature if only bsUp/bsDown/bsMouseOver Images are available.",
                       "ButtonFace-Editor"}));
}

}  // namespace
}  // namespace zyl
