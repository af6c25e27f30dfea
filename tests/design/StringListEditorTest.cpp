// The string list editor: its text lines, the working list under every ending, text files
// dropped on the list box (and only there) or imported, the item dialog with its memo, line
// count, Edit and File menus, and what differs from the wave list editor.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLStringListEditorDlg.h"
#include "design/pZYLStringListItemPropertiesEditorDlg.h"
#include "display/ZYLSimpleLabel.h"
#include "edits/ZYLSpinEdit.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/sys/ShellApi.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUserConsts.h"
#include "tests/design/LineListEditorSupport.h"

namespace zyl {
namespace {

using Strings = std::vector<std::string>;

class StringListEditor
    : public designtest::TLineListEditorFixture<TZYLStringListEditorDlg, TZYLStringList> {
 protected:
  // Appends an item "name" holding `lines`.
  void AddItem(const std::string& name, const Strings& lines, uint16_t ident = 0) {
    TZYLStringListItem* item = list_.GetArrayItem(list_.Add());
    for (const std::string& line : lines) item->GetList()->Add(line);
    item->Ident = ident;
    item->Description = name;
  }
  void Fill(int n) override {
    list_.Clear();
    for (int i = 0; i < n; ++i)
      AddItem(std::to_string(i), Strings(static_cast<size_t>(i + 1), "line"),
              static_cast<uint16_t>(100 + i));
  }
  std::string TextFile(const std::string& name, const Strings& lines) {
    const std::string path = dir_.File(name);
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    return path;
  }
  static Strings Lines(vcl::TStrings* lines) {
    Strings out;
    for (int i = 0; i < lines->Count(); ++i) out.push_back(lines->Strings(i));
    return out;
  }
  static TZYLfrmsiprop* Dialog(vcl::TCustomForm* d) { return static_cast<TZYLfrmsiprop*>(d); }
};

void ChangeEverything(TZYLStringListEditorDlg* f) {
  designtest::ClickListLine(f->lb->ListBox(), 0);
  vt::ClickControl(f->Down);
  f->UnCheckAll->Click();
  f->checkall->Click();
  vt::ClickControl(f->remove);
}

// Opens the item dialog on the first item through the properties button.
void OpenFirstItem(TZYLStringListEditorDlg* f) {
  designtest::ClickListLine(f->lb->ListBox(), 0);
  vt::ClickControl(f->btnProp);
}

TEST_F(StringListEditor, EveryEndingButOKLeavesTheListsStreamAsItWasAndOKAssignsOnce) {
  designtest::ExpectOnlyOKChanges(
      &list_, [this] { Fill(3); }, [this](TEnding e) { return Run(ChangeEverything, e); });
  Fill(3);
  designtest::TChangeCount changes;
  list_.SetOnChange(vcl::TNotifyEvent(&changes, &designtest::TChangeCount::Count));
  ASSERT_TRUE(Run(ChangeEverything));
  EXPECT_EQ(ItemNames(&list_), (Strings{"1", "2"}));
  EXPECT_TRUE(list_.Item(0)->Compressed);
  EXPECT_LE(changes.N, 1);
}

TEST_F(StringListEditor, EachLineShowsIndexLineCountIdentCompressedFlagAndDescription) {
  AddItem("empty", {}, 3);
  AddItem("two", {"a", "b"}, 9);
  list_.Item(1)->Compressed = true;
  Strings lines, enabled;
  ASSERT_TRUE(Run([&](TZYLStringListEditorDlg* f) {
    lines = BoxLines(f->lb);
    EXPECT_EQ(f->lb->GetInteger(TZYLListBox::iiItemIndex), -1);
    // The string list editor has no play command and no list-file import.
    EXPECT_EQ(f->FindComponent("play"), nullptr);
    EXPECT_EQ(f->FindComponent("Play1"), nullptr);
    EXPECT_EQ(f->mnuAddFromFile, nullptr);
    EXPECT_EQ(f->mnuLoad->Caption(), "&Load SLL...");
  }));
  EXPECT_EQ(lines, (Strings{"0;0;3;0;empty", "1;2;9;1;two"}));
}

TEST_F(StringListEditor, TextFilesAreTakenOnlyWhenDroppedOnTheListBox) {
  Fill(1);
  const std::string notes = TextFile("NOTES.TXT", {"one", "two", "three"});
  const std::string other = TextFile("other.txt", {"x"});
  const std::string picture = TextFile("picture.bmp", {"no"});
  std::vector<bool> taken;
  ASSERT_TRUE(Run([&](TZYLStringListEditorDlg* f) {
    const vcl::TPoint onList = f->lb->ClientToScreen({40, 60});
    const vcl::TPoint onToolbar = f->btnCopy->ClientToScreen({5, 5});
    taken.push_back(win::ShellDropFiles(onToolbar, {other}));
    taken.push_back(win::ShellDropFiles(onList, {notes, picture}));
    win::testkit::RunUntilIdle();
  }));
  EXPECT_EQ(taken, (std::vector<bool>{false, true}));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(Lines(list_.GetArrayItem(1)->GetList()), (Strings{"one", "two", "three"}));
}

// A drop into an empty list adds the items and selects no line; a dropped text file that cannot
// be read ends the drop, reaches the user, and keeps the files dropped before it.
TEST_F(StringListEditor, ADropIntoAnEmptyListSelectsNoLineAndAnUnreadableFileEndsIt) {
  const std::string a = TextFile("a.txt", {"1"}), b = TextFile("b.txt", {"1", "2"});
  // A folder whose name ends in ".txt": no text file can be read from it.
  const std::string folder = dir_.File("folder.txt");
  std::filesystem::create_directory(folder);
  struct TCase {
    const char* name;
    Strings files;
    Strings lines;
    size_t errors;
  };
  const TCase cases[] = {
      {"two readable files", {a, b}, {"0;1;0;0;", "1;2;0;0;"}, 0},
      {"an unreadable file in between", {a, folder, b}, {"0;1;0;0;"}, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    list_.Clear();
    Strings lines;
    int selected = -2;
    size_t errors = 0;
    ASSERT_TRUE(Run([&](TZYLStringListEditorDlg* f) {
      // The error of a file that cannot be read leaves the drop, for the host to show.
      const std::string error = designtest::MessageOf([&] {
        win::ShellDropFiles(f->lb->ClientToScreen({40, 60}), c.files);
        win::testkit::RunUntilIdle();
      });
      errors = error.empty() ? 0 : 1;
      lines = BoxLines(f->lb);
      selected = f->lb->GetInteger(TZYLListBox::iiItemIndex);
    }));
    EXPECT_EQ(lines, c.lines);
    EXPECT_EQ(selected, -1);
    EXPECT_EQ(errors, c.errors);
    EXPECT_EQ(list_.Count(), static_cast<int>(c.lines.size()));
  }
}

TEST_F(StringListEditor, AddFilesImportsTextFilesAndRestoresTheFileDialog) {
  list_.SetDefaultCompressed(true);
  const std::string a = TextFile("a.txt", {"1"}), b = TextFile("b.TXT", {"1", "2"});
  std::string filter, ext, saveFilter;
  ASSERT_TRUE(Run(
      [&](TZYLStringListEditorDlg* f) {
        vt::ClickControl(f->addfast);
        filter = f->FileDialog->Filter();
        ext = f->FileDialog->DefaultExt();
        saveFilter = f->SaveDialog->Filter();
      },
      TEnding::Ok,
      [&](vt::TDialogScript& s) {
        s.ChooseFiles({a, b});
      }));
  ASSERT_EQ(list_.Count(), 2);
  EXPECT_EQ(Lines(list_.GetArrayItem(1)->GetList()), (Strings{"1", "2"}));
  EXPECT_TRUE(list_.Item(0)->Compressed);
  EXPECT_EQ(ext, "sll");
  EXPECT_EQ(filter, saveFilter);
  EXPECT_NE(filter.find("sll"), std::string::npos);
}

TEST_F(StringListEditor, AddTakesTheMemosLinesAndAnEmptyMemoAddsNoLines) {
  struct TCase {
    const char* Typed;
    Strings Expected;
  };
  const TCase cases[] = {{"", {}}, {"alpha\r\nbeta", {"alpha", "beta"}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Typed);
    Fill(1);
    Strings offered, shown;
    ASSERT_TRUE(Run(
        [&](TZYLStringListEditorDlg* f) {
          f->Add1->Click();
          shown = BoxLines(f->lb);
        },
        TEnding::Ok,
        [&](vt::TDialogScript& s) {
          s.Do([&](vcl::TCustomForm* d) {
            TZYLfrmsiprop* dlg = Dialog(d);
            offered = {std::to_string(dlg->ed->IntValue()), dlg->Index->Caption(),
                       dlg->l->Caption()};
            dlg->Editor->SetText(c.Typed);
            vt::TypeInto(dlg->desc, "new");
            vt::ClickControl(dlg->Button1);
          });
        }));
    EXPECT_EQ(offered, (Strings{"1", "1", "0"}));
    ASSERT_EQ(list_.Count(), 2);
    EXPECT_EQ(Lines(list_.GetArrayItem(1)->GetList()), c.Expected);
    EXPECT_EQ(shown.back(), "1;" + std::to_string(c.Expected.size()) + ";1;0;new");
  }
}

TEST_F(StringListEditor, PropertiesEditACopyOfTheLinesAndTheCountFollowsTheEditMenu) {
  Fill(2);
  Strings counts, states;
  ASSERT_TRUE(
      Run([&](TZYLStringListEditorDlg* f) { designtest::ClickListLine(f->lb->ListBox(), 1, true); },
          TEnding::Ok,
          [&](vt::TDialogScript& s) {
            s.Do([&](vcl::TCustomForm* d) {
              TZYLfrmsiprop* dlg = Dialog(d);
              auto state = [&] {
                dlg->editmenuPopup(dlg->editmenu);
                std::string st;
                for (vcl::TMenuItem* m : {dlg->Cut1, dlg->Copy1, dlg->Paste1, dlg->Delete1})
                  st += m->Enabled() ? '1' : '0';
                states.push_back(st);
              };
              counts.push_back(dlg->l->Caption());
              vcl::Clipboard()->Clear();
              state();  // nothing selected, no text on the clipboard
              dlg->Selectall1->Click();
              state();
              dlg->Copy1->Click();
              dlg->Editor->SetSelStart(0);
              dlg->Editor->SetSelLength(0);
              state();  // text on the clipboard, nothing selected
              dlg->Paste1->Click();
              counts.push_back(dlg->l->Caption());
              dlg->Selectall1->Click();
              state();  // the menu pops up again before Delete
              dlg->Delete1->Click();
              counts.push_back(dlg->l->Caption());
              vt::TypeInto(dlg->Editor, "only");
              counts.push_back(dlg->l->Caption());
              vt::ClickControl(dlg->Button1);
            });
          }));
  EXPECT_EQ(states, (Strings{"0000", "1101", "0010", "1111"}));
  EXPECT_EQ(counts, (Strings{"2", "3", "0", "1"}));
  EXPECT_EQ(Lines(list_.GetArrayItem(1)->GetList()), (Strings{"only"}));
}

TEST_F(StringListEditor, TheItemDialogLoadsAndSavesTextFiles) {
  Fill(1);
  const std::string in = TextFile("in.txt", {"from", "file"});
  const std::string out = dir_.File("out.txt");
  ASSERT_TRUE(
      Run(OpenFirstItem, TEnding::Ok, [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
           Dialog(d)->Open2->Click();
           EXPECT_EQ(Dialog(d)->l->Caption(), "2");
           Dialog(d)->Open1->Click();
           vt::ClickControl(Dialog(d)->Button1);
         })
            .ChooseFiles({in})
            .ChooseFiles({out});
      }));
  EXPECT_EQ(Lines(list_.GetArrayItem(0)->GetList()), (Strings{"from", "file"}));
  std::ifstream saved(out);
  std::string first;
  std::getline(saved, first);
  EXPECT_EQ(first.substr(0, 4), "from");
}

TEST_F(StringListEditor, APastedWaveListIsIgnoredAndAPastedStringListInserted) {
  Fill(2);
  TZYLWaveList waves(nullptr);
  waves.Add();
  vcl::Clipboard()->SetComponent(&waves);
  ASSERT_TRUE(Run([&](TZYLStringListEditorDlg* f) { vt::ClickControl(f->btnPaste); }));
  EXPECT_EQ(ItemNames(&list_), (Strings{"0", "1"}));
  TZYLStringList strings(nullptr);
  strings.GetArrayItem(strings.Add())->Description = "pasted";
  vcl::Clipboard()->SetComponent(&strings);
  ASSERT_TRUE(Run([&](TZYLStringListEditorDlg* f) {
    designtest::ClickListLine(f->lb->ListBox(), 0);
    f->mnuPaste->Click();
  }));
  EXPECT_EQ(ItemNames(&list_), (Strings{"pasted", "0", "1"}));
}

// The item dialog's "&File" and "&Edit" buttons drop their menus down below themselves: File's
// "&Open" loads a text file into the memo; Edit, with nothing selected, offers Cut, Copy and
// Delete disabled.
TEST_F(StringListEditor, TheItemDialogsButtonsDropTheirMenusBelowThemselves) {
  Fill(1);
  const std::string in = TextFile("in.txt", {"one", "two", "three"});
  std::vector<win::testkit::TOpenMenu> editMenu;
  vcl::TPoint below;
  std::string lines;
  ASSERT_TRUE(
      Run(OpenFirstItem, TEnding::Ok, [&](vt::TDialogScript& s) {
        s.Do([&](vcl::TCustomForm* d) {
           TZYLfrmsiprop* dlg = Dialog(d);
           below = dlg->btnEdit->ClientToScreen({0, dlg->btnEdit->Height()});
           win::testkit::ChooseMenuPath({"Open"});
           vt::ClickControl(dlg->btnfile);
           lines = dlg->l->Caption();
           win::testkit::SetMenuHandler([&] {
             editMenu = win::testkit::OpenMenus();
             win::testkit::QueueClick(0, 0);  // outside: the menu closes
           });
           vt::ClickControl(dlg->btnEdit);
           win::testkit::SetMenuHandler(nullptr);
           vt::ClickControl(dlg->Button1);
         }).ChooseFiles({in});
      }));
  EXPECT_EQ(lines, "3");
  EXPECT_EQ(Lines(list_.GetArrayItem(0)->GetList()), (Strings{"one", "two", "three"}));
  ASSERT_EQ(editMenu.size(), 1u);
  for (const char* item : {"Cut", "Copy", "Delete"}) {
    const int i = editMenu[0].Find(item);
    ASSERT_GE(i, 0) << item;
    EXPECT_NE(editMenu[0].Items[static_cast<size_t>(i)].Flags & win::MF_GRAYED, 0u) << item;
  }
  // The menu's first item starts at the button's bottom-left corner (within the menu's frame).
  const win::RECT first = editMenu[0].Items[0].Rect;
  EXPECT_GE(first.Left, below.X);
  EXPECT_LE(first.Left, below.X + 4);
  EXPECT_GE(first.Top, below.Y);
  EXPECT_LE(first.Top, below.Y + 4);
}

}  // namespace
}  // namespace zyl
