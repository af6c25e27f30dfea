// The list editor frame through the bitmap list editor: the working list (OK assigns, every other
// ending leaves the list's form stream as it was), the states of the commands, deleting in
// multi-select mode, clipboard transfer (the class is checked before anything is made), list
// files and the recently used list, dropped files, the item dialog and the drawing of a line.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLBitmapItemPropertiesEditorDlg.h"
#include "design/pZYLBitmapListEditor.h"
#include "design/pZYLCustImgListSelectDlg.h"
#include "design/pZYLDsgnCPGet.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLListBox.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Menus.h"
#include "platform/graphics/Bitmap.h"
#include "system/ZYLMRUList.h"
#include "tests/design/EditorTestSupport.h"
#include "tests/design/LineListEditorSupport.h"
#include "tests/support/EnvGuard.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// A component whose making is counted: a paste must never make one.
int probesMade = 0;
class TListProbe : public vcl::TComponent {
  ZYL_CLASS(TListProbe, vcl::TComponent)
  explicit TListProbe(vcl::TComponent* AOwner) : inherited(AOwner) { ++probesMade; }
};
ZYL_CLASS_IMPL(TListProbe) {}

class BitmapListEditor
    : public designtest::TLineListEditorFixture<TZYLBitmapListEditorDlg, TZYLBitmapList> {
 protected:
  BitmapListEditor() { vcl::RegisterClass(TListProbe::StaticClass()); }
  ~BitmapListEditor() override { vcl::UnRegisterClass(TListProbe::StaticClass()); }

  // Fills list_ with items of widths 1 .. n (height 2), idents 100 + i and descriptions "i".
  void Fill(int n) override {
    list_.Clear();
    for (int i = 0; i < n; ++i) {
      auto item = std::make_unique<TZYLBitmapListItem>();
      vcl::TBitmap bmp;
      bmp.SetSize(i + 1, 2);
      item->SetBitmap(&bmp);
      item->Ident = static_cast<uint16_t>(100 + i);
      item->Description = std::to_string(i);
      list_.Add(item.release());
    }
  }

  std::string BitmapFile(const std::string& name, int w, int h) {
    vcl::TBitmap bmp;
    bmp.SetSize(w, h);
    const std::string path = dir_.File(name);
    bmp.SaveToFile(path);
    return path;
  }
};

TEST_F(BitmapListEditor, EveryEndingButOKLeavesTheListsStreamAsItWas) {
  designtest::ExpectOnlyOKChanges(
      &list_, [this] { Fill(4); }, [this](TEnding e) { return Run(MoveCompressAndRemove, e); });
}

TEST_F(BitmapListEditor, OKAssignsTheWorkingListOnce) { ExpectOKAssignsOnce(); }

TEST_F(BitmapListEditor, AnEmptyListDisablesEveryCommandThatNeedsItems) {
  std::vector<std::string> enabled;
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    const std::pair<const char*, bool> states[] = {
        {"btnSave", f->btnSave->Enabled()}, {"clear", f->clear->Enabled()},
        {"comp", f->comp->Enabled()},       {"mnuSelectAll", f->mnuSelectAll->Enabled()},
        {"remove", f->remove->Enabled()},   {"btnCut", f->btnCut->Enabled()},
        {"mnuCopy", f->mnuCopy->Enabled()}, {"btnProp", f->btnProp->Enabled()},
        {"up", f->up->Enabled()},           {"Down", f->Down->Enabled()},
        {"add", f->add->Enabled()},         {"btnLoad", f->btnLoad->Enabled()}};
    for (const auto& [name, on] : states)
      if (on) enabled.push_back(name);
  }));
  EXPECT_EQ(enabled, (std::vector<std::string>{"add", "btnLoad"}));
}

TEST_F(BitmapListEditor, MultiSelectDisablesMovingAndPropertiesOfTwoAndDeletesExactlyTheSelection) {
  Fill(5);
  std::vector<bool> states;
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    vt::ClickControl(f->multisel);
    states.push_back(f->lb->GetBool(TZYLListBox::biMultiSelect));
    states.push_back(f->mnuMulti->Checked());
    states.push_back(f->mnuSelectAll->Enabled());
    f->lb->SetSelected(0, false);
    f->lb->SetSelected(1, true);
    f->lb->SetSelected(3, true);
    // The focus line is one that is not selected.
    f->lb->ListBox()->SetItemIndex(4);
    f->lb->SetSelected(4, false);
    f->lb->SetSelected(1, true);
    f->WriteGeneral();
    states.push_back(f->up->Enabled() || f->Down->Enabled());
    states.push_back(f->btnProp->Enabled());
    vt::ClickControl(f->remove);
  }));
  EXPECT_EQ(states, (std::vector<bool>{true, true, true, false, false}));
  EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "2", "4"}));
}

TEST_F(BitmapListEditor, DeletingTheLastItemSelectsTheNewLastAndDeletingAllSelectsNothing) {
  Fill(3);
  std::vector<int> current;
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    Select(f, 2);
    vt::ClickControl(f->remove);
    current.push_back(f->lb->GetInteger(TZYLListBox::iiItemIndex));
    f->mnuDelete->Click();
    f->Remove1->Click();
    current.push_back(f->lb->GetInteger(TZYLListBox::iiItemIndex));
    current.push_back(f->remove->Enabled());
  }));
  EXPECT_EQ(current, (std::vector<int>{1, -1, 0}));
  EXPECT_EQ(list_.Count(), 0);
}

TEST_F(BitmapListEditor, CutOfThreeLinesThenPasteWithNoLineCurrentAppendsThemInOrder) {
  Fill(6);
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    vt::ClickControl(f->multisel);
    for (int line : {1, 3, 4}) f->lb->SetSelected(line, true);
    f->lb->SetSelected(0, false);
    vt::ClickControl(f->btnCut);
    EXPECT_EQ(ItemNames(f->WorkList()), (std::vector<std::string>{"0", "2", "5"}));
    vt::ClickControl(f->singleselect);
    f->lb->SetInteger(TZYLListBox::iiItemIndex, -1);
    f->mnuPaste->Click();
  }));
  EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "2", "5", "1", "3", "4"}));
  // What was pasted is a copy: the items carry their bitmaps and idents.
  EXPECT_EQ(list_.GetArrayItem(3)->Ident, 101);
  EXPECT_EQ(list_.GetArrayItem(5)->GetBitmap()->Width(), 5);
}

TEST_F(BitmapListEditor, PasteBeforeTheCurrentLineOrAfterTheLastOne) {
  struct TCase {
    int current;
    std::vector<std::string> expected;
  };
  const TCase cases[] = {{1, {"0", "0", "1", "1", "2"}}, {2, {"0", "1", "2", "0", "1"}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.current);
    Fill(3);
    ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
      vt::ClickControl(f->multisel);
      f->lb->SetSelected(0, true);
      f->lb->SetSelected(1, true);
      vt::ClickControl(f->btnCopy);
      vt::ClickControl(f->singleselect);
      Select(f, c.current);
      vt::ClickControl(f->btnPaste);
    }));
    EXPECT_EQ(ItemNames(&list_), c.expected);
  }
}

TEST_F(BitmapListEditor, PasteOfAnotherClassMakesNothingAndADamagedStreamChangesNothing) {
  Fill(2);
  TListProbe probe(nullptr);
  probesMade = 0;
  vcl::Clipboard()->SetComponent(&probe);
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    EXPECT_TRUE(f->btnPaste->Enabled());
    vt::ClickControl(f->btnPaste);
  }));
  EXPECT_EQ(probesMade, 0);
  EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "1"}));

  ExpectDamagedPasteChangesNothing();
}

TEST_F(BitmapListEditor, DroppedFilesWithTheBitmapExtensionAreAddedWithTheListDefaults) {
  list_.SetDefaultCompressed(true);
  list_.SetDefaultPixelFormat(spf8bit);
  const std::string upper = BitmapFile("A.BMP", 3, 3), lower = BitmapFile("b.bmp", 4, 4);
  const std::string text = dir_.File("c.txt");
  std::ofstream(text) << "no picture";
  const std::string broken = dir_.File("d.bmp");
  std::ofstream(broken) << "BM but no bitmap";
  int selected = -2, selectedAfterBroken = -2, linesAfterBroken = 0;
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) {
    vcl::TStringList files;
    for (const std::string& name : {upper, text, std::string("bmp"), lower}) files.Add(name);
    f->fmFMDragDrop(f, files.Count(), 0, 0, &files);
    selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
    // A file that cannot be loaded ends the drop with its error (which the IDE shows): what
    // follows it is not taken.
    files.Clear();
    for (const std::string& name : {broken, upper}) files.Add(name);
    EXPECT_THROW(f->fmFMDragDrop(f, files.Count(), 0, 0, &files), vcl::Exception);
    selectedAfterBroken = f->lb->GetInteger(TZYLListBox::iiItemIndex);
    linesAfterBroken = f->lb->GetItems()->Count();
  }));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(selectedAfterBroken, 1);
  EXPECT_EQ(linesAfterBroken, 2);
  EXPECT_EQ(list_.GetArrayItem(0)->GetBitmap()->Width(), 3);
  EXPECT_EQ(list_.GetArrayItem(1)->GetBitmap()->Width(), 4);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(list_.Item(i)->Compressed);
    EXPECT_EQ(list_.Item(i)->PixelFormat, spf8bit);
  }
}

TEST_F(BitmapListEditor, ListFilesSaveLoadAndACorruptFileChangesNothing) {
  // Both files load through the Load button.
  const auto load = [](TZYLBitmapListEditorDlg* f) { vt::ClickControl(f->btnLoad); };
  ExpectListFilesSaveAndLoad(
      ".bml", "ZYLBML30", icBitmap,
      [](TZYLBitmapListEditorDlg* f) { vt::ClickControl(f->btnSave); }, load, load);
}

TEST_F(BitmapListEditor, AnMRUEntryOfAMissingFileIsRemovedAndNothingLoads) {
  Fill(2);
  ExpectMissingRecentFileDropped(".bml");
}

TEST_F(BitmapListEditor, ClearAnsweredNoKeepsEveryItemAndYesClears) {
  ExpectClearAsksFirst([](TZYLBitmapListEditorDlg* f) { vt::ClickControl(f->clear); });
}

TEST_F(BitmapListEditor, AddOffersTheItemCountAsIdAndWithNoPictureAddsAnEmptyItem) {
  Fill(2);
  std::string offered;
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) { vt::ClickControl(f->add); }, TEnding::Ok,
                  [&](vt::TDialogScript& s) {
                    s.Do([&](vcl::TCustomForm* d) {
                      auto* dlg = static_cast<Tzylfrmbiprop*>(d);
                      offered = std::to_string(dlg->ed->IntValue()) + "/" + dlg->Index->Caption();
                      vt::TypeInto(dlg->desc, "new one");
                      vt::ClickControl(dlg->btOK);
                    });
                  }));
  EXPECT_EQ(offered, "2/2");
  ASSERT_EQ(list_.Count(), 3);
  EXPECT_EQ(list_.Item(2)->Description, "new one");
  EXPECT_EQ(list_.Item(2)->Ident, 2);
  EXPECT_TRUE(list_.Item(2)->GetEmpty());
}

TEST_F(BitmapListEditor, PropertiesWriteTheDialogsValuesIntoTheItem) {
  Fill(2);
  ASSERT_TRUE(Run(
      [&](TZYLBitmapListEditorDlg* f) {
        Select(f, 1);
        vt::ClickControl(f->btnProp);
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
          auto* dlg = static_cast<Tzylfrmbiprop*>(d);
          EXPECT_EQ(dlg->dimLabel->Caption(), "(2x2)");
          EXPECT_EQ(dlg->ed->IntValue(), 101);
          vt::TypeInto(dlg->ed, "7");
          vt::ClickControl(dlg->compress);
          vt::ClickControl(dlg->btOK);
        });
      }));
  EXPECT_EQ(list_.Item(1)->Ident, 7);
  EXPECT_TRUE(list_.Item(1)->Compressed);
  EXPECT_EQ(list_.GetArrayItem(1)->GetBitmap()->Width(), 2);
}

// "Save as bitmap" writes the current item's bitmap to the file chosen in the picture dialog,
// which makes a name without extension a bitmap file; with no item nothing is asked.
TEST_F(BitmapListEditor, SaveAsBitmapWritesTheCurrentItemsBitmap) {
  Fill(3);
  ASSERT_TRUE(Run(
      [&](TZYLBitmapListEditorDlg* f) {
        Select(f, 2);
        f->Saveasbitmap1->Click();
      },
      TEnding::Ok, [&](vt::TDialogScript& s) { s.ChooseFiles({dir_.File("third")}); }));
  vcl::TBitmap saved;
  saved.LoadFromFile(dir_.File("third.bmp"));
  EXPECT_EQ(saved.Width(), 3);
  EXPECT_EQ(saved.Height(), 2);
  list_.Clear();
  ASSERT_TRUE(Run([&](TZYLBitmapListEditorDlg* f) { f->Saveasbitmap1->Click(); }));
  EXPECT_EQ(shown_.size(), 1u);  // the editor only
}

// "Add Items from BML..." offers the items of the chosen list file in the picker; the ones picked
// are appended in their order, the last of them becomes the current line, and the file's folder
// is remembered for bitmap lists.
TEST_F(BitmapListEditor, AddItemsFromAListFileAppendsThePickedItems) {
  testsupport::TEnvGuard registry{"ZYL_REGISTRY_DIR", dir_.File("registry")};
  const std::string file = dir_.File("three.bml");
  Fill(3);
  list_.SaveToFile(file);
  Fill(1);
  int current = -1;
  ASSERT_TRUE(Run(
      [&](TZYLBitmapListEditorDlg* f) {
        f->mnuAddFromFile->Click();
        current = f->lb->GetInteger(TZYLListBox::iiItemIndex);
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.ChooseFiles({file}).Do([](vcl::TCustomForm* d) {
          auto* picker = static_cast<TZYLCustImgListSelectDlg*>(d);
          for (int i = 0; i < picker->lb->GetItems()->Count(); ++i)
            picker->lb->SetSelected(i, i == 0 || i == 2);
          vt::ClickControl(picker->btnOk);
        });
      }));
  EXPECT_EQ(ItemNames(&list_), (std::vector<std::string>{"0", "0", "2"}));
  EXPECT_EQ(current, 2);
  EXPECT_EQ(ZYLRestoreListPath(icBitmap), dir_.Path());
}

}  // namespace
}  // namespace zyl
