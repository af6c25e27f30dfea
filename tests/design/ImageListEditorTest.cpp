// The image list editor: strips on the left, the current strip's images on the right, both on
// the working list (every ending but OK leaves the list's form stream as it was); the current
// strip follows deletions, images travel through the clipboard as a one-strip image list, a
// picture that does not fit the strip is left out and reported, and a bitmap is cut into a
// strip by a divisor of its width.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLAviEditorDlg.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "design/pZYLImageListEditor.h"
#include "design/pZYLImageListPropertiesEditorDlg.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FileUtils.h"
#include "system/ZYLMRUList.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/ImageListSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/MediaFiles.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// A W x H picture of one colour.
std::unique_ptr<vcl::TBitmap> Plain(int w, int h, vcl::TColor color) {
  auto bmp = std::make_unique<vcl::TBitmap>();
  bmp->SetSize(w, h);
  bmp->Canvas()->Brush()->SetColor(color);
  bmp->Canvas()->FillRect(vcl::TRect{0, 0, w, h});
  return bmp;
}

// Makes strip Index the current strip, as a click on its line does (the editor opens with none).
void PickStrip(TZYLImageListEditorDlg* f, int Index) {
  designtest::ClickListLine(f->lbm->ListBox(), Index);
}

class ImageListEditor : public ::testing::Test {
 protected:
  ImageListEditor() { vcl::Clipboard()->Clear(); }

  // Adds a strip of 4 x 4 images coloured 1, 2, ... n (its Description as given).
  TZYLImageListItem* AddStrip(int n, const std::string& description = "s", int height = 4) {
    auto* strip = static_cast<TZYLImageListItem*>(list_.Item(list_.Add()));
    strip->SetInteger(TZYLImageListItem::iiWidth, 4);
    strip->SetInteger(TZYLImageListItem::iiHeight, height);
    strip->Description = description;
    for (int i = 1; i <= n; ++i) strip->Add(Plain(4, height, i).get(), nullptr);
    return strip;
  }

  // The colours of a strip's images, in order: what the tests follow images by.
  static std::vector<int> Colors(const TZYLImageListItem* strip) {
    std::vector<int> colors;
    vcl::TBitmap bmp;
    for (int i = 0; i < strip->GetCount(); ++i) {
      strip->GetBitmap(i, &bmp);
      colors.push_back(static_cast<int>(bmp.Canvas()->Pixels(1, 1)));
    }
    return colors;
  }

  bool Run(const std::function<void(TZYLImageListEditorDlg*)>& steps, TEnding ending = TEnding::Ok,
           const std::function<void(vt::TDialogScript&)>& after = {}) {
    vt::TDialogScript script;
    designtest::AnswerEditorAs<TZYLImageListEditorDlg>(script, steps, ending, "ZYLButton1",
                                                       "ZYLButton2");
    if (after) after(script);
    const bool ok = TZYLImageListEditorDlg::Edit(&list_);
    shown_ = script.Shown();
    return ok;
  }

  testsupport::TCurrentDirGuard here_;
  vt::TControlsSession session_;
  designtest::TEditorUnits units_;
  testsupport::TempDir dir_;
  TZYLImageList list_{nullptr};
  std::vector<vt::TShownDialog> shown_;
};

TEST_F(ImageListEditor, EveryEndingButOKLeavesTheListAsItWasAndOKTakesTheChanges) {
  const auto change = [](TZYLImageListEditorDlg* f) {
    f->checkall->Click();
    PickStrip(f, 0);
    designtest::ClickListLine(f->lb->ListBox(), 0);
    vt::ClickControl(f->remove);
    designtest::ClickListLine(f->lbm->ListBox(), 0);
    f->Delete1->Click();
  };
  for (TEnding ending : {TEnding::Cancel, TEnding::CloseBox, TEnding::Escape, TEnding::Exception}) {
    SCOPED_TRACE(designtest::EndingName(ending));
    list_.Clear();
    AddStrip(3, "first");
    AddStrip(2, "second");
    const std::string before = vcl::WriteComponentToBytes(&list_);
    if (ending == TEnding::Exception)
      EXPECT_THROW(Run(change, ending), vcl::Exception);
    else
      EXPECT_FALSE(Run(change, ending));
    EXPECT_EQ(vcl::WriteComponentToBytes(&list_), before);
  }
  ASSERT_TRUE(Run(change));
  ASSERT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.GetArrayItem(0)->Description, "second");
  EXPECT_TRUE(list_.GetArrayItem(0)->Compressed);
}

TEST_F(ImageListEditor, TheImageLinesFitTheStripHeightUpToAHundredPixels) {
  struct TCase {
    int height, itemHeight;
  };
  for (const TCase& c : {TCase{4, 8}, TCase{100, 104}, TCase{120, 104}}) {
    SCOPED_TRACE(c.height);
    list_.Clear();
    AddStrip(1, "s", c.height);
    int got = 0;
    ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) {
      PickStrip(f, 0);
      got = f->lb->GetInteger(TZYLListBox::iiItemHeight);
    }));
    EXPECT_EQ(got, c.itemHeight);
  }
}

// The whole right-hand list box, its inner list and header included, as a user meets it.
std::string RightPanelState(TZYLImageListEditorDlg* f) {
  return f->lbl->Caption() + " " + std::to_string(f->lb->Enabled()) +
         std::to_string(f->lb->ListBox()->Enabled()) + std::to_string(f->lb->Header()->Enabled()) +
         std::to_string(f->Prop->Enabled()) + std::to_string(f->add->Enabled()) +
         std::to_string(f->btnLoad->Enabled());
}

TEST_F(ImageListEditor, TheEditorOpensWithNoCurrentStripAndItsRightPanelDisabled) {
  for (int strips : {0, 2}) {
    SCOPED_TRACE(strips);
    list_.Clear();
    for (int i = 0; i < strips; ++i) AddStrip(3, "");
    std::vector<std::string> states;
    int imageLines = -1;
    ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) {
      states.push_back(RightPanelState(f));
      imageLines = f->lb->GetItems()->Count();
      EXPECT_EQ(f->CurrentStrip(), nullptr);
      // The right-hand file commands do nothing without a current strip.
      f->bmp2iml->Click();
      if (strips == 0) return;
      PickStrip(f, 1);
      states.push_back(RightPanelState(f));
    }));
    EXPECT_EQ(imageLines, 0);
    // The editor's list allows no column resizing, so its header stays disabled when enabled.
    const std::vector<std::string> want = {"none 000000", "#1 110111"};
    EXPECT_EQ(states, std::vector<std::string>(want.begin(), want.begin() + (strips ? 2 : 1)));
  }
}

TEST_F(ImageListEditor, TheLabelNamesTheCurrentStripAndDeletingTheLastLeavesNone) {
  AddStrip(1, "");
  AddStrip(1, "named");
  AddStrip(1, "third");
  std::vector<std::string> labels;
  std::vector<std::string> states;
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) {
    labels.push_back(f->lbl->Caption());
    PickStrip(f, 1);
    labels.push_back(f->lbl->Caption());
    // Deleting a strip makes the one that moves into its place current.
    f->Delete1->Click();
    labels.push_back(f->lbl->Caption());
    // Deleting the last strip leaves none current.
    f->Delete1->Click();
    labels.push_back(f->lbl->Caption());
    states.push_back(RightPanelState(f));
    PickStrip(f, 0);
    labels.push_back(f->lbl->Caption());
    f->Delete1->Click();
    labels.push_back(f->lbl->Caption());
    states.push_back(RightPanelState(f));
  }));
  EXPECT_EQ(labels, (std::vector<std::string>{"none", "named", "third", "none", "#0", "none"}));
  EXPECT_EQ(states, (std::vector<std::string>{"none 000000", "none 000000"}));
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(ImageListEditor, CutOfThreeImagesThenPasteWithNoLineCurrentInsertsThemFirstInOrder) {
  AddStrip(5);
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) {
    PickStrip(f, 0);
    vt::ClickControl(f->multisel);
    f->lb->SetSelected(0, true);
    for (int line : {2, 3}) f->lb->SetSelected(line, true);
    vt::ClickControl(f->btnCut);
    EXPECT_EQ(Colors(f->CurrentStrip()), (std::vector<int>{2, 5}));
    f->lb->ListBox()->SetItemIndex(-1);
    vt::ClickControl(f->btnPaste);
  }));
  EXPECT_EQ(Colors(list_.GetArrayItem(0)), (std::vector<int>{1, 3, 4, 2, 5}));
}

TEST_F(ImageListEditor, CheckAllSetsTheCompressedFlagOfEveryStrip) {
  AddStrip(0);
  AddStrip(2);
  AddStrip(1);
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) { f->checkall->Click(); }));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(list_.Item(i)->Compressed) << i;
}

TEST_F(ImageListEditor, APictureThatDoesNotFitIsLeftOutAndReported) {
  AddStrip(1);
  const std::string fits = dir_.File("fits.bmp"), wide = dir_.File("wide.bmp");
  Plain(4, 4, 9)->SaveToFile(fits);
  Plain(8, 4, 9)->SaveToFile(wide);
  int lines = 0;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 0);
        vcl::TStringList files;
        files.Add(wide);
        files.Add(fits);
        f->fmFMDragDrop(f, files.Count(), 0, 0, &files);
        lines = f->lb->GetItems()->Count();
      },
      TEnding::Ok, [](vt::TDialogScript& s) { s.Press("OK"); }));
  EXPECT_EQ(lines, 2);
  EXPECT_EQ(Colors(list_.GetArrayItem(0)), (std::vector<int>{1, 9}));
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_NE(shown_[1].Text.find("wide.bmp"), std::string::npos);
}

TEST_F(ImageListEditor, ABitmapIsCutIntoAsManyImagesAsTheChosenDivisorOfItsWidth) {
  AddStrip(0);
  const std::string file = dir_.File("row.bmp");
  Plain(48, 6, 3)->SaveToFile(file);
  std::vector<std::string> offered;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 0);
        f->bmp2iml->Click();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.ChooseFiles({file}).Do([&](vcl::TCustomForm* d) {
          auto* dlg = static_cast<TZYLFrmprop*>(d);
          for (int i = 0; i < dlg->rows->Items()->Count(); ++i)
            offered.push_back(dlg->rows->Items()->Strings(i));
          designtest::ChooseComboItem(dlg->rows, "4");
          vt::ClickControl(dlg->btOK);
        });
      }));
  EXPECT_EQ(offered,
            (std::vector<std::string>{"1", "2", "3", "4", "6", "8", "12", "16", "24", "48"}));
  ASSERT_EQ(list_.GetArrayItem(0)->GetCount(), 4);
  EXPECT_EQ(list_.GetArrayItem(0)->Width(), 12);
}

// The list files of the left-hand level: opening one remembers its folder (and the file in the
// drop-down list of recent files), and the next file dialog starts there, so that a name without
// a folder is saved, or added from, beside it.
TEST_F(ImageListEditor, TheListFilesRememberTheirFolderAndTheNextDialogStartsThere) {
  testsupport::TEnvGuard registry{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  const std::string folder = dir_.File("lists"), file = folder + "/two.iml";
  vcl::ForceDirectories(folder);
  {
    TZYLImageList two(nullptr);
    designtest::AddStrip(two, 4, 4, {vcl::clRed}, "one");
    designtest::AddStrip(two, 4, 4, {vcl::clBlue}, "two");
    two.SaveToFile(file);
  }
  std::vector<std::string> recent;
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) { f->mnuLoadIML->Click(); }, TEnding::Ok,
                  [&](vt::TDialogScript& s) { s.ChooseFiles({file}); }));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(list_.GetArrayItem(1)->Description, "two");
  EXPECT_EQ(ZYLRestoreListPath(icImageList), folder);
  // Wherever the program stands meanwhile.
  const std::string elsewhere = dir_.File("elsewhere");
  vcl::ForceDirectories(elsewhere);
  vcl::SetCurrentDir(elsewhere);
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        f->mnuSaveIML->Click();
        for (int i = 0; i < f->mru->Entries()->Count(); ++i)
          recent.push_back(f->mru->Entries()->Strings(i));
      },
      TEnding::Ok, [&](vt::TDialogScript& s) { s.ChooseFiles({"copy.iml"}); }));
  EXPECT_TRUE(vcl::FileExists(folder + "/copy.iml"));
  EXPECT_EQ(recent, (std::vector<std::string>{folder + "/copy.iml", file}));
  vcl::SetCurrentDir(elsewhere);
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) { f->AddList1->Click(); }, TEnding::Ok,
                  [&](vt::TDialogScript& s) { s.ChooseFiles({"copy.iml"}); }));
  EXPECT_EQ(list_.Count(), 4);
}

// A recently used list file that still exists replaces the working list, with no strip current;
// one that is gone loses its entry and the list stays as it was.
TEST_F(ImageListEditor, ARecentListFileIsOpenedOrItsEntryDroppedWhenGone) {
  const std::string file = dir_.File("recent.iml");
  {
    TZYLImageList saved(nullptr);
    designtest::AddStrip(saved, 4, 4, {vcl::clRed, vcl::clBlue}, "saved");
    saved.SaveToFile(file);
  }
  AddStrip(1, "own");
  bool removeSaved = false, removeGone = false;
  std::string label;
  ASSERT_TRUE(Run([&](TZYLImageListEditorDlg* f) {
    PickStrip(f, 0);
    f->mruClick(f->mru, dir_.File("gone.iml"), removeGone);
    ASSERT_EQ(f->ImageList()->Count(), 1);
    EXPECT_EQ(f->ImageList()->GetArrayItem(0)->Description, "own");
    f->mruClick(f->mru, file, removeSaved);
    label = f->lbl->Caption();
    EXPECT_EQ(f->CurrentStrip(), nullptr);
  }));
  EXPECT_TRUE(removeGone);
  EXPECT_FALSE(removeSaved);
  EXPECT_EQ(label, "none");
  ASSERT_EQ(list_.Count(), 1);
  EXPECT_EQ(list_.GetArrayItem(0)->Description, "saved");
  EXPECT_EQ(list_.GetArrayItem(0)->GetCount(), 2);
}

// The current strip's images saved as one bitmap, side by side, through a dialog titled for it;
// the dialog then shows the list files again.
TEST_F(ImageListEditor, TheCurrentStripIsSavedAsOneBitmapOfItsImagesSideBySide) {
  AddStrip(0, "empty");
  AddStrip(3, "three");
  const std::string file = dir_.File("strip.bmp");
  std::string extAfter;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 1);
        f->saveasbmp->Click();
        extAfter = f->SaveDialog->DefaultExt();
      },
      TEnding::Ok, [&](vt::TDialogScript& s) { s.ChooseFiles({file}); }));
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[1].Caption, "Save Bitmap-File as...");
  EXPECT_EQ(extAfter, "iml");
  vcl::TBitmap saved;
  saved.LoadFromFile(file);
  ASSERT_EQ(saved.Width(), 12);
  ASSERT_EQ(saved.Height(), 4);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(static_cast<int>(saved.Canvas()->Pixels(4 * i + 1, 1)), i + 1) << i;
}

// A strip saved to a file of one strip and loaded into another: that strip takes the saved
// strip's size and images in place of its own.
TEST_F(ImageListEditor, AStripFileLoadedIntoAStripReplacesItsImagesAndSize) {
  AddStrip(3, "three");
  AddStrip(1, "tall", 8);
  const std::string file = dir_.File("one.iml");
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 0);
        f->mnuSave->Click();
        PickStrip(f, 1);
        f->mnuLoad->Click();
        EXPECT_EQ(f->lb->GetItems()->Count(), 3);
      },
      TEnding::Ok, [&](vt::TDialogScript& s) { s.ChooseFiles({file}).ChooseFiles({file}); }));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(Colors(list_.GetArrayItem(1)), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(list_.GetArrayItem(1)->Height(), 4);
  EXPECT_EQ(list_.GetArrayItem(1)->Description, "tall");
  EXPECT_EQ(Colors(list_.GetArrayItem(0)), (std::vector<int>{1, 2, 3}));
}

// "Add" on the current strip appends the picture chosen in the picture dialog, as the last and
// now current line; "&Add items from IML..." appends the images picked from a list file's strip.
TEST_F(ImageListEditor, PicturesAndImagesOfAListFileAreAppendedToTheCurrentStrip) {
  AddStrip(1, "first");
  const std::string picture = dir_.File("nine.bmp"), file = dir_.File("other.iml");
  Plain(4, 4, 9)->SaveToFile(picture);
  {
    TZYLImageList other(nullptr);
    auto* strip = static_cast<TZYLImageListItem*>(other.Item(other.Add()));
    strip->SetInteger(TZYLImageListItem::iiWidth, 4);
    strip->SetInteger(TZYLImageListItem::iiHeight, 4);
    for (int c : {20, 21, 22}) strip->Add(Plain(4, 4, c).get(), nullptr);
    other.SaveToFile(file);
  }
  int currentAfterAdd = -1;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 0);
        f->Add1->Click();
        currentAfterAdd = f->lb->GetInteger(TZYLListBox::iiItemIndex);
        f->mnuAddFromFile->Click();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.ChooseFiles({picture}).ChooseFiles({file}).Do([](vcl::TCustomForm* d) {
          auto* picker = static_cast<TZYLCustImgListSelectDlg*>(d);
          for (int i = 0; i < picker->lb->GetItems()->Count(); ++i)
            picker->lb->SetSelected(i, i != 1);
          vt::ClickControl(picker->btnOk);
        });
      }));
  EXPECT_EQ(currentAfterAdd, 1);
  EXPECT_EQ(Colors(list_.GetArrayItem(0)), (std::vector<int>{1, 9, 20, 22}));
}

// Strip properties: a new strip's dialog offers the defaults and, cancelled, keeps the strip with
// them; a double click on a strip line shows its values and OK writes the changed ones back.
// Up and Down move the selected strip, which stays selected.
TEST_F(ImageListEditor, StripPropertiesAndMovesWorkOnTheSelectedStrip) {
  AddStrip(1, "first");
  AddStrip(2, "second");
  std::vector<std::string> offered, shown;
  std::string selected;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        f->Add3->Click();
        designtest::ClickRow(f->lbm, 1, true);
        f->Up2->Click();
        selected = f->lbl->Caption();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
           auto* dlg = static_cast<TZYLFrmprop*>(d);
           offered = {std::to_string(dlg->ed1->IntValue()), std::to_string(dlg->ed2->IntValue()),
                      std::to_string(dlg->ed3->IntValue()), dlg->desc->Text()};
           vt::ClickControl(dlg->btCancel);
         }).Do([&](vcl::TCustomForm* d) {
          auto* dlg = static_cast<TZYLFrmprop*>(d);
          shown = {std::to_string(dlg->ed1->IntValue()), dlg->desc->Text()};
          vt::TypeInto(dlg->desc, "renamed");
          vt::ClickControl(dlg->btOK);
        });
      }));
  EXPECT_EQ(offered, (std::vector<std::string>{"16", "16", "4", ""}));
  EXPECT_EQ(shown, (std::vector<std::string>{"4", "second"}));
  ASSERT_EQ(list_.Count(), 3);
  std::vector<std::string> order;
  for (int i = 0; i < 3; ++i) order.push_back(list_.GetArrayItem(i)->Description);
  EXPECT_EQ(order, (std::vector<std::string>{"renamed", "first", ""}));
  EXPECT_EQ(selected, "renamed");
  EXPECT_EQ(list_.GetArrayItem(2)->Width(), 16);
  EXPECT_EQ(list_.GetArrayItem(2)->AllocBy, 4);
}

// "Add Items from AVI..." on a strip that has images asks first: No keeps the strip; Yes opens
// the clip converter, whose frames then replace the strip's images and size.
TEST_F(ImageListEditor, AClipReplacesTheStripsImagesAfterAYes) {
  AddStrip(2, "two");
  testsupport::TAviClipLayout clip;
  clip.Width = 8;
  clip.Height = 6;
  clip.MicroSecPerFrame = 100000;
  for (int i = 0; i < 256; ++i) clip.Palette.push_back(static_cast<uint32_t>(i * 0x010101));
  for (int k = 0; k < 3; ++k) clip.Frames.push_back(std::string(8 * 6, static_cast<char>(10 + k)));
  const std::string file = dir_.File("clip.avi");
  {
    std::ofstream out(file, std::ios::binary);
    out << testsupport::MakeAviClip(clip);
  }
  int afterNo = -1;
  std::vector<std::string> asked;
  ASSERT_TRUE(Run(
      [&](TZYLImageListEditorDlg* f) {
        PickStrip(f, 0);
        f->avi2iml->Click();
        afterNo = f->CurrentStrip()->GetCount();
        f->avi2iml->Click();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Press("No")
            .Press("Yes")
            .Do([](vcl::TCustomForm* d) {
              auto* converter = static_cast<TZYLFrmcavi*>(d);
              vt::ClickControl(converter->aviLoad);
              vt::ClickControl(converter->ZYLButton1);
            })
            .ChooseFiles({file});
      }));
  EXPECT_EQ(afterNo, 2);
  for (size_t i = 1; i < shown_.size(); ++i) asked.push_back(shown_[i].Text);
  ASSERT_GE(asked.size(), 2u);
  EXPECT_EQ(asked[0], asked[1]);
  EXPECT_NE(asked[0].find("The current list contains items."), std::string::npos);
  TZYLImageListItem* strip = list_.GetArrayItem(0);
  EXPECT_EQ(strip->GetCount(), 3);
  EXPECT_EQ(strip->Width(), 8);
  EXPECT_EQ(strip->Height(), 6);
}

}  // namespace
}  // namespace zyl
