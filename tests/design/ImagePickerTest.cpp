// The image picker and the routines around it: what the picker offers for strip and bitmap
// lists, with and without a designer; what choosing, cancelling and "Clear" leave in the
// caller's list and indices; how image rows are drawn; adding chosen items of one list (or a
// list file) to another.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "edits/ZYLListBox.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/HeaderCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/designer/FormDesigner.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "tests/design/DesignPixels.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/Cases.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using designtest::AddBitmap;
using designtest::AddStrip;
using designtest::Rows;

TZYLCustImgListSelectDlg* Picker(vcl::TCustomForm* form) {
  return static_cast<TZYLCustImgListSelectDlg*>(form);
}

// Answers the picker: `look` on the form, then the ending's button.
void AnswerPicker(vt::TDialogScript& script,
                  const std::function<void(TZYLCustImgListSelectDlg*)>& look,
                  TEnding ending = TEnding::Ok) {
  designtest::AnswerEditor(
      script, [look](vcl::TCustomForm* f) { look(Picker(f)); }, ending, "btnOk", "btnCancel");
}

// A container's stream: equal bytes, equal lists.
std::string ListBytes(const TZYLCustomContainer& list) {
  vcl::TStringStream out;
  list.SaveToStream(&out);
  return out.DataString();
}

// What the caller of the picker holds.
struct TChoice {
  TZYLCustomImageList* List;
  uint16_t ListIndex;
  uint16_t ImageIndex;
  friend bool operator==(const TChoice&, const TChoice&) = default;
};

// Runs the picker (with a designer when given) on `choice`; true on OK.
bool Pick(TChoice& choice, vcl::IFormDesigner* designer = nullptr) {
  return ZYLCPGetIMLExt(designer, choice.List, choice.ListIndex, choice.ImageIndex);
}

class ImagePicker : public ::testing::Test {
 protected:
  ImagePicker() {
    AddStrip(strips_, 24, 16, {vcl::clRed, vcl::clLime, vcl::clBlue}, "Arrows");
    AddStrip(strips_, 24, 16, {vcl::clYellow, vcl::clFuchsia});
    AddBitmap(bitmaps_, 30, 20, vcl::clRed, 7);
    AddBitmap(bitmaps_, 30, 20, vcl::clLime, 8);
    AddBitmap(bitmaps_, 30, 20, vcl::clBlue, 9);
  }
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  TZYLImageList strips_;
  TZYLBitmapList bitmaps_;
};

TEST_F(ImagePicker, AStripListOffersItsStripsByDescriptionAndTheImagesOfTheFirst) {
  vt::TDialogScript script;
  std::vector<std::string> strips, rows;
  bool comboEnabled = false;
  int identWidth = -1;
  AnswerPicker(
      script,
      [&](TZYLCustImgListSelectDlg* f) {
        for (int i = 0; i < f->cmb->Items()->Count(); ++i)
          strips.push_back(f->cmb->Items()->Strings(i));
        rows = Rows(f->lb);
        comboEnabled = f->cmb->Enabled() && f->Label1->Enabled();
        identWidth = f->lb->GetHeaderSections()->Items(1)->Width();
      },
      TEnding::Cancel);
  TZYLCustomImageList* list = &strips_;
  uint16_t listIndex = 0, imageIndex = 0;
  EXPECT_FALSE(ZYLCPGetIML(list, listIndex, imageIndex));
  EXPECT_EQ(strips, (std::vector<std::string>{"Arrows", "NoName 1"}));
  EXPECT_EQ(rows, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(comboEnabled);
  EXPECT_EQ(identWidth, 0);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Select Image...");
}

TEST_F(ImagePicker, ABitmapListShowsOneRowPerBitmapAndItsChoiceIsTheListIndex) {
  vt::TDialogScript script;
  std::vector<std::string> rows;
  bool comboEnabled = true;
  int identWidth = -1, preselected = -1;
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    rows = Rows(f->lb);
    comboEnabled = f->cmb->Enabled() || f->Label1->Enabled();
    identWidth = f->lb->GetHeaderSections()->Items(1)->Width();
    preselected = f->RowIndex();
    designtest::ClickRow(f->lb, 0);
  });
  TChoice choice{&bitmaps_, 2, 5};
  EXPECT_TRUE(Pick(choice));
  EXPECT_EQ(rows, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_FALSE(comboEnabled);
  EXPECT_EQ(identWidth, 38);
  EXPECT_EQ(preselected, 2);
  EXPECT_EQ(choice, (TChoice{&bitmaps_, 0, 5}));
}

TEST_F(ImagePicker, TheCallersStripAndImageArePreselectedAndTheChosenOnesComeBack) {
  vt::TDialogScript script;
  int strip = -1, image = -1;
  std::vector<std::string> rows;
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    strip = f->cmb->ItemIndex();
    image = f->RowIndex();
    designtest::ChooseComboItem(f->cmb, "Arrows");
    rows = Rows(f->lb);
    designtest::ClickRow(f->lb, 2);
  });
  TChoice choice{&strips_, 1, 1};
  EXPECT_TRUE(Pick(choice));
  EXPECT_EQ(strip, 1);
  EXPECT_EQ(image, 1);
  EXPECT_EQ(rows, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(choice, (TChoice{&strips_, 0, 2}));
}

TEST_F(ImagePicker, AChoiceTheListDoesNotHoldOpensWithoutOneAndOKKeepsIt) {
  vt::TDialogScript script;
  std::vector<std::string> rows{"untouched"};
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) { rows = Rows(f->lb); });
  TChoice choice{&strips_, 9, 40};
  EXPECT_TRUE(Pick(choice));
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(choice, (TChoice{&strips_, 9, 40}));
}

TEST_F(ImagePicker, LeavingWithoutOKChangesNothing) {
  for (TEnding ending : {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    vt::TDialogScript script;
    AnswerPicker(
        script,
        [](TZYLCustImgListSelectDlg* f) {
          designtest::ChooseComboItem(f->cmb, "NoName 1");
          designtest::ClickRow(f->lb, 1);
        },
        ending);
    TChoice choice{&strips_, 0, 2};
    bool accepted = true;
    const std::string error =
        testsupport::ErrorOf<vcl::Exception>([&] { accepted = Pick(choice); });
    EXPECT_EQ(error, ending == TEnding::Exception ? "failure inside the editor" : "<no error>");
    EXPECT_EQ(choice, (TChoice{&strips_, 0, 2}));
    if (ending != TEnding::Exception) {
      EXPECT_FALSE(accepted);
    }
  }
}

TEST_F(ImagePicker, ClearChoosesNoListAndKeepsTheIndices) {
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* f) { vt::ClickControl(Picker(f)->Button2); });
  TChoice choice{&strips_, 1, 1};
  EXPECT_TRUE(Pick(choice));
  EXPECT_EQ(choice, (TChoice{nullptr, 1, 1}));
}

TEST_F(ImagePicker, ADoubleClickOnAnImageChoosesIt) {
  vt::TDialogScript script;
  script.Do([](vcl::TCustomForm* f) { designtest::ClickRow(Picker(f)->lb, 1, true); });
  TChoice choice{&strips_, 0, 0};
  EXPECT_TRUE(Pick(choice));
  EXPECT_EQ(choice, (TChoice{&strips_, 0, 1}));
}

TEST_F(ImagePicker, WithoutADesignerOnlyTheCallersListCanBeUsed) {
  vt::TDialogScript script;
  bool listsEnabled = true;
  std::vector<std::string> lists{"untouched"};
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    listsEnabled = f->ln->GetBool(TZYLListBox::biEnabled);
    lists = Rows(f->ln);
  });
  TChoice choice{&strips_, 0, 0};
  EXPECT_TRUE(Pick(choice));
  EXPECT_FALSE(listsEnabled);
  EXPECT_TRUE(lists.empty());
}

// A designed form holding two image lists and a list of another kind.
class DesignedPicker : public ImagePicker {
 protected:
  DesignedPicker() {
    form_.SetName("Form1");
    pictures_ = new TZYLImageList(&form_);
    pictures_->SetName("Pictures");
    AddStrip(*pictures_, 16, 16, {vcl::clRed, vcl::clBlue});
    auto* waves = new TZYLWaveList(&form_);
    waves->SetName("Waves");
    photos_ = new TZYLBitmapList(&form_);
    photos_->SetName("Photos");
    AddBitmap(*photos_, 20, 20, vcl::clLime, 1);
    designer_ = std::make_unique<vcl::TFormDesigner>(&form_);
  }
  ~DesignedPicker() override { designer_.reset(); }
  vcl::TForm form_{nullptr};
  TZYLImageList* pictures_ = nullptr;
  TZYLBitmapList* photos_ = nullptr;
  std::unique_ptr<vcl::TFormDesigner> designer_;
};

TEST_F(DesignedPicker, TheGlobalListsAndTheFormsImageListsAreOfferedWithTheCurrentOneSelected) {
  AddStrip(*ZYLContainer()->ImageList(), 8, 8, {vcl::clRed});
  vt::TDialogScript script;
  std::vector<std::string> lists;
  int current = -1;
  bool enabled = false;
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    lists = Rows(f->ln);
    current = f->ln->GetInteger(TZYLListBox::iiItemIndex);
    enabled = f->ln->GetBool(TZYLListBox::biEnabled);
  });
  TChoice choice{pictures_, 0, 0};
  EXPECT_TRUE(Pick(choice, designer_.get()));
  EXPECT_EQ(lists, (std::vector<std::string>{"B;0;Global BitmapList", "I;1;Global ImageList",
                                             "I;1;Pictures", "B;1;Photos"}));
  EXPECT_EQ(current, 2);
  EXPECT_TRUE(enabled);
}

TEST_F(DesignedPicker, ClickingAnotherListShowsItsImagesAndOKChoosesFromIt) {
  vt::TDialogScript script;
  std::vector<std::string> rows;
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    designtest::ClickRow(f->ln, 3);
    rows = Rows(f->lb);
  });
  TChoice choice{pictures_, 0, 1};
  EXPECT_TRUE(Pick(choice, designer_.get()));
  EXPECT_EQ(rows, (std::vector<std::string>{"1"}));
  EXPECT_EQ(choice, (TChoice{photos_, 0, 1}));
}

// The image rows as the picker draws them: the picture from 4 pixels right of the "ID" column
// and 2 below the row's top, at its own size while it fits; "(None)" where the strip has no
// image.
TEST_F(ImagePicker, ImageRowsShowThePictureAtItsPlaceOrNone) {
  vt::TDialogScript script;
  wt::TCapture shown, none;
  int left = 0, rowHeight = 0;
  script.Do([&](vcl::TCustomForm* form) {
    auto* f = Picker(form);
    designtest::ClickRow(f->lb, 2);
    // Rows are drawn inside the list's margin.
    left = f->lb->ListBox()->Margin() + f->lb->GetHeaderSections()->Items(0)->Width() + 4;
    rowHeight = f->lb->GetInteger(TZYLListBox::iiItemHeight);
    shown = wt::RenderWindow(f->lb->ListBox()->Handle(), false);
    strips_.GetArrayItem(0)->Delete(0);  // the rows now reach past the strip's end
    f->lb->ListBox()->Invalidate();
    wt::RunUntilIdle();
    none = wt::RenderWindow(f->lb->ListBox()->Handle(), false);
    vt::ClickControl(f->btnOk);
  });
  TChoice choice{&strips_, 0, 0};
  ASSERT_TRUE(Pick(choice));
  const vcl::TColor colors[] = {vcl::clRed, vcl::clLime, vcl::clBlue};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const int top = row * rowHeight;
    const win::RECT picture{left, top + 2, left + 24, top + 18};
    EXPECT_TRUE(wt::PixelsMatch(
        shown, [&](int, int) { return win::COLORREF(colors[row]); }, "picker_row", picture));
    // Right of the picture the row's background goes on.
    EXPECT_TRUE(
        designtest::IsPlain(shown, {picture.Right, picture.Top, picture.Right + 40, picture.Bottom},
                            "picker_row_after"));
    EXPECT_NE(shown.Color(picture.Right, picture.Top), win::COLORREF(colors[row]));
  }
  // The last row reaches past the strip: no picture, and "(None)" in the middle of the column.
  const int top = 2 * rowHeight;
  EXPECT_TRUE(designtest::IsPlain(none, {left, top + 2, left + 24, top + 18}, "picker_row_none"));
  const int middle = left - 4 + 284 / 2;
  EXPECT_FALSE(designtest::IsPlain(none, {middle - 20, top + 2, middle + 20, top + rowHeight - 2},
                                   "picker_none_text"));
}

// A picture larger than its row is shrunk into the row less 2 pixels above and below, keeping
// its proportions.
TEST_F(ImagePicker, APictureLargerThanItsRowIsShrunkKeepingItsProportions) {
  TZYLImageList wide;
  AddStrip(wide, 300, 80, {vcl::clTeal});
  vt::TDialogScript script;
  wt::TCapture shown;
  int margin = 0, rowHeight = 0;
  AnswerPicker(script, [&](TZYLCustImgListSelectDlg* f) {
    margin = f->lb->ListBox()->Margin();
    rowHeight = f->lb->GetInteger(TZYLListBox::iiItemHeight);
    shown = wt::RenderWindow(f->lb->ListBox()->Handle(), false);
  });
  TChoice choice{&wide, 0, 0};
  ASSERT_TRUE(Pick(choice));
  const int top = 2, bottom = rowHeight - margin - 2;  // the row ends above its bottom margin
  const int height = bottom - top, width = (300 * height + 40) / 80;
  const win::COLORREF teal = vcl::clTeal;
  const int inside = designtest::CountColor(shown, teal, {0, top, shown.Width, bottom});
  EXPECT_EQ(designtest::CountColor(shown, teal), inside);
  EXPECT_NEAR(inside, width * height, width + height);
}

// Adding chosen items of one list to another.
class AddItems : public ImagePicker {
 protected:
  // Answers the multi-select picker: `choose` selects rows, then OK.
  void Choose(vt::TDialogScript& script,
              const std::function<void(TZYLCustImgListSelectDlg*)>& choose) {
    AnswerPicker(script, choose);
  }
  static void SelectOnly(TZYLCustImgListSelectDlg* f, const std::vector<int>& rows) {
    for (int i = 0; i < f->lb->GetItems()->Count(); ++i) f->lb->SetSelected(i, false);
    for (int row : rows) f->lb->SetSelected(row, true);
  }
};

TEST_F(AddItems, NothingChosenAddsNothing) {
  TZYLBitmapList target;
  AddBitmap(target, 10, 10, vcl::clGray, 1);
  const std::string before = ListBytes(target);
  vt::TDialogScript script;
  std::vector<int> preselected;
  Choose(script, [&](TZYLCustImgListSelectDlg* f) {
    preselected = f->SelectedRows();
    SelectOnly(f, {});
  });
  EXPECT_FALSE(ZYLCPIMLAddItemsDlg(&bitmaps_, &target, 0));
  EXPECT_EQ(preselected, (std::vector<int>{0}));
  EXPECT_EQ(ListBytes(target), before);
}

TEST_F(AddItems, ChosenBitmapsAreAppendedInTheirOrder) {
  TZYLBitmapList target;
  AddBitmap(target, 10, 10, vcl::clGray, 1);
  vt::TDialogScript script;
  Choose(script, [](TZYLCustImgListSelectDlg* f) { SelectOnly(f, {2, 0}); });
  EXPECT_TRUE(ZYLCPIMLAddItemsDlg(&bitmaps_, &target, 0));
  ASSERT_EQ(target.Count(), 3);
  testsupport::ExpectCases({{target.GetArrayItem(1)->Description, "bitmap 7"},
                            {target.GetArrayItem(2)->Description, "bitmap 9"},
                            {std::to_string(target.GetArrayItem(2)->Ident), "9"}});
  EXPECT_TRUE(designtest::Shows(*target.GetArrayItem(2)->GetBitmap(),
                                std::vector<std::string>(20, std::string(30, 'b')),
                                {{'b', vcl::clBlue}}, "added_bitmap"));
}

TEST_F(AddItems, ChosenImagesOfTheChosenStripGoIntoTheTargetStripMasked) {
  TZYLImageList target;
  AddStrip(target, 8, 8, {vcl::clGray});
  AddStrip(target, 24, 16, {vcl::clGray});
  vt::TDialogScript script;
  Choose(script, [](TZYLCustImgListSelectDlg* f) {
    designtest::ChooseComboItem(f->cmb, "NoName 1");
    SelectOnly(f, {0, 1});
  });
  EXPECT_TRUE(ZYLCPIMLAddItemsDlg(&strips_, &target, 1));
  TZYLImageListItem* strip = target.GetArrayItem(1);
  ASSERT_EQ(strip->GetCount(), 3);
  EXPECT_TRUE(strip->Masked());
  EXPECT_EQ(target.GetArrayItem(0)->GetCount(), 1);
  const vcl::TColor want[] = {vcl::clYellow, vcl::clFuchsia};
  for (int i = 0; i < 2; ++i) {
    vcl::TBitmap image;
    ASSERT_TRUE(strip->GetBitmap(i + 1, &image));
    EXPECT_TRUE(designtest::Shows(image, std::vector<std::string>(16, std::string(24, 'c')),
                                  {{'c', want[i]}}, "added_image"));
  }
}

TEST_F(AddItems, ImagesOfAnotherSizeAreLeftOutAndTheUserIsTold) {
  TZYLImageList target;
  AddStrip(target, 16, 16, {vcl::clGray});
  const std::string before = ListBytes(target);
  vt::TDialogScript script;
  Choose(script, [](TZYLCustImgListSelectDlg* f) { SelectOnly(f, {0, 2}); });
  script.Press("OK");
  EXPECT_FALSE(ZYLCPIMLAddItemsDlg(&strips_, &target, 0));
  EXPECT_EQ(ListBytes(target), before);
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[1].Text, vcl::Format(vcl::SZYLImagesNotAdded, {2, 16, 16}));
}

TEST_F(AddItems, WithoutASourceOrATargetNothingIsShownOrAdded) {
  TZYLImageList target;
  vt::TDialogScript script;
  EXPECT_FALSE(ZYLCPIMLAddItemsDlg(nullptr, &target, 0));
  EXPECT_FALSE(ZYLCPIMLAddItemsDlg(&strips_, nullptr, 0));
  EXPECT_TRUE(script.Shown().empty());
  EXPECT_EQ(target.Count(), 0);
}

TEST_F(AddItems, AListFileIsOfferedAndAnUnreadableOneChangesNothing) {
  testsupport::TempDir dir;
  const std::string good = dir.File("arrows.iml"), bitmapFile = dir.File("photos.bml");
  strips_.SaveToFile(good);
  bitmaps_.SaveToFile(bitmapFile);
  TZYLImageList target;
  AddStrip(target, 24, 16, {vcl::clGray});
  const std::string before = ListBytes(target);
  {
    vt::TDialogScript script;
    EXPECT_NE(testsupport::ErrorOf<vcl::EFOpenError>(
                  [&] { ZYLCPIMLAddItemsFromFile(dir.File("missing.iml"), &target, 0); }),
              "<no error>");
    EXPECT_NE(testsupport::ErrorOf<vcl::EFOpenError>(
                  [&] { ZYLCPIMLAddItemsFromFile(bitmapFile, &target, 0); }),
              "<no error>");
    EXPECT_TRUE(script.Shown().empty());
    EXPECT_EQ(ListBytes(target), before);
  }
  vt::TDialogScript script;
  std::vector<std::string> strips;
  Choose(script, [&](TZYLCustImgListSelectDlg* f) {
    for (int i = 0; i < f->cmb->Items()->Count(); ++i)
      strips.push_back(f->cmb->Items()->Strings(i));
    SelectOnly(f, {1, 2});
  });
  EXPECT_TRUE(ZYLCPIMLAddItemsFromFile(good, &target, 0));
  EXPECT_EQ(strips, (std::vector<std::string>{"Arrows", "NoName 1"}));
  EXPECT_EQ(target.GetArrayItem(0)->GetCount(), 3);
}
}  // namespace
}  // namespace zyl
