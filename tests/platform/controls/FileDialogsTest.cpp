// The open and save dialogs over a real folder, answered through their controls.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/classes/Streams.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtDlgs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/StreamCopy.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

using testkit::EDialogScript;
using testkit::TDialogScript;
namespace wt = win::testkit;

// The items a list box or combo box of the shown dialog holds.
TLines ListItems(TCustomForm* f, const char* name) {
  TLines items;
  TStrings* strings = nullptr;
  if (auto* list = Find<TListBox>(f, name)) strings = list->Items();
  if (auto* combo = Find<TComboBox>(f, name)) strings = combo->Items();
  for (int i = 0; strings && i < strings->Count(); ++i) items.push_back(strings->Get(i));
  return items;
}

class FileDialogsTest : public ControlsTest {
 protected:
  FileDialogsTest() : startDir_(GetCurrentDir()) {
    for (const char* n : {"a.txt", "b.TXT", "c.bmp", "sub/inner.txt"}) Touch(n);
  }
  ~FileDialogsTest() override { SetCurrentDir(startDir_); }
  void Touch(const std::string& name) {
    ForceDirectories(ExtractFileDir(dir_.File(name)));
    std::ofstream(dir_.File(name)) << "x";
  }
  // Types a name into the file-name edit and presses Return.
  static void TypeName(TCustomForm* f, const std::string& text) {
    testkit::TypeInto(Find<TEdit>(f, "FileName"), text);
    wt::KeyPress(win::VK_RETURN);
  }
  testsupport::TempDir dir_;
  std::string startDir_;
};

TEST_F(FileDialogsTest, OpenShowsTheFolderThroughTheFilterAndTakesTheTypedName) {
  TOpenDialog d(nullptr);
  d.SetFilter("Text files (*.txt)|*.txt|Everything|*.*");
  d.SetInitialDir(dir_.Path());
  TLines files, folders, types;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    files = ListItems(f, "Files");
    folders = ListItems(f, "Folders");
    types = ListItems(f, "FileType");
    testkit::ClickControl(Find<TEdit>(f, "FileName"));  // leaves it open
  });
  script.ChooseFiles({"b.TXT"});
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(files, (TLines{"a.txt", "b.TXT"}));  // masks match without regard to case
  EXPECT_EQ(folders, (TLines{"sub"}));
  EXPECT_EQ(types, (TLines{"Text files (*.txt)", "Everything"}));
  EXPECT_EQ(d.FileName(), dir_.File("b.TXT"));
  ASSERT_EQ(d.Files()->Count(), 1);
  EXPECT_EQ(d.Files()->Get(0), dir_.File("b.TXT"));
  const testkit::TShownDialog& s = script.Shown()[0];
  EXPECT_EQ(s.Caption, "Open");
  EXPECT_EQ(s.Values.at("Folder"), dir_.Path());
  EXPECT_EQ(s.Values.at("FileType"), "Text files (*.txt)");
  EXPECT_EQ(s.DefaultButton, "Open");
  EXPECT_EQ(s.Values.count("ReadOnly"), 1u);
}

TEST_F(FileDialogsTest, AFileThatSeveralMasksMatchIsListedOnce) {
  TOpenDialog d(nullptr);
  d.SetFilter("Some|*.txt;a*;*.TXT;c.*");
  d.SetInitialDir(dir_.Path());
  TLines files;
  TDialogScript script;
  script.Do([&](TCustomForm* f) { files = ListItems(f, "Files"); }).Press("Cancel");
  EXPECT_FALSE(d.Execute());
  EXPECT_EQ(files, (TLines{"a.txt", "b.TXT", "c.bmp"}));
}

TEST_F(FileDialogsTest, FoldersOpenByNameByDoubleClickAndUp) {
  TOpenDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  d.SetTitle("Pick");
  TLog log;
  d.OnFolderChange = log.Counter();
  TLines inSub, afterUp;
  TDialogScript script;
  script
      .Do([&](TCustomForm* f) { TypeName(f, "sub"); })  // a folder's name opens it
      .Do([&](TCustomForm* f) {
        inSub = ListItems(f, "Files");
        testkit::ClickControl(Find<TButton>(f, "Up"));
        afterUp = ListItems(f, "Folders");
        testkit::ChooseListItem(Find<TListBox>(f, "Folders"), "sub", true);
      })
      .ChooseFiles({"inner.txt"});
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(script.Shown()[0].Caption, "Pick");
  EXPECT_EQ(inSub, (TLines{"inner.txt"}));
  EXPECT_EQ(afterUp, (TLines{"sub"}));
  EXPECT_EQ(d.FileName(), dir_.File("sub/inner.txt"));
  EXPECT_EQ(log.Count, 3);
  // Without ofNoChangeDir the current folder follows the choice.
  EXPECT_EQ(GetCurrentDir(), dir_.File("sub"));
}

TEST_F(FileDialogsTest, ChoosingAnotherTypeListsOtherFiles) {
  TOpenDialog d(nullptr);
  d.SetFilter("Text|*.txt|Pictures|*.bmp;*.ico");
  d.SetInitialDir(dir_.Path());
  d.SetOptions(d.Options() + ofNoChangeDir);
  TLog log;
  d.OnTypeChange = log.Counter();
  TLines shown;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    testkit::ChooseListItem(Find<TComboBox>(f, "FileType"), "Pictures");
    shown = ListItems(f, "Files");
    testkit::ChooseListItem(Find<TListBox>(f, "Files"), "c.bmp");
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(shown, (TLines{"c.bmp"}));
  EXPECT_EQ(d.FilterIndex(), 2);
  EXPECT_EQ(d.FileName(), dir_.File("c.bmp"));
  EXPECT_GE(log.Count, 1);
  EXPECT_EQ(GetCurrentDir(), startDir_);
}

// The file type is a drop-down list: it opens from the keyboard, and the item taken in its open
// list becomes the filter, as a closed box stepped by the arrows does.
TEST_F(FileDialogsTest, TheFileTypeIsADropDownListOpenedAndChosenFromTheKeyboard) {
  TOpenDialog d(nullptr);
  d.SetFilter("Text|*.txt|Pictures|*.bmp;*.ico|All|*.*");
  d.SetInitialDir(dir_.Path());
  d.SetOptions(d.Options() + ofNoChangeDir);
  TLines pictures, all;
  bool dropped = false;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    auto* types = Find<TComboBox>(f, "FileType");
    ASSERT_TRUE(types);
    EXPECT_EQ(types->Style(), csDropDownList);
    types->SetFocus();
    Idle();
    wt::KeyPress(win::VK_F4);
    dropped = types->DroppedDown();
    wt::KeyPress(win::VK_DOWN);
    wt::KeyPress(win::VK_RETURN);
    EXPECT_FALSE(types->DroppedDown());
    pictures = ListItems(f, "Files");
    wt::KeyPress(win::VK_DOWN);
    all = ListItems(f, "Files");
    wt::KeyPress(win::VK_ESCAPE);
  });
  EXPECT_FALSE(d.Execute());
  EXPECT_TRUE(dropped);
  EXPECT_EQ(pictures, (TLines{"c.bmp"}));
  EXPECT_GT(all.size(), pictures.size());
  EXPECT_EQ(script.Shown()[0].Values.at("FileType"), "Text");
}

TEST_F(FileDialogsTest, SeveralFilesWithMultiSelect) {
  TOpenDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  d.SetOptions({ofAllowMultiSelect, ofFileMustExist});
  TDialogScript script;
  script.ChooseFiles({"a.txt", "c.bmp"});
  ASSERT_TRUE(d.Execute());
  ASSERT_EQ(d.Files()->Count(), 2);
  EXPECT_EQ(d.Files()->Get(0), dir_.File("a.txt"));
  EXPECT_EQ(d.Files()->Get(1), dir_.File("c.bmp"));
  EXPECT_EQ(d.FileName(), dir_.File("a.txt"));
}

// A typed name, the options, and what the dialog must do with it.
struct TNameCase {
  const char* Name;
  bool Save;
  TOpenOptions Options;
  const char* DefaultExt;
  const char* Typed;
  const char* Warning;  // part of the message shown, "" for none
  const char* Answer;   // the message's button
  const char* Result;   // file name chosen (relative to the folder), "" when cancelled
};

class FileNameCaseTest : public FileDialogsTest, public ::testing::WithParamInterface<TNameCase> {};

TEST_P(FileNameCaseTest, TypedNamesAreCheckedAsTheOptionsSay) {
  const TNameCase& c = GetParam();
  std::unique_ptr<TOpenDialog> d(c.Save ? new TSaveDialog(nullptr) : new TOpenDialog(nullptr));
  d->SetInitialDir(dir_.Path());
  d->SetOptions(c.Options);
  d->SetDefaultExt(c.DefaultExt);
  TDialogScript script;
  script.Do([&](TCustomForm* f) { TypeName(f, c.Typed); });
  if (*c.Warning) script.Press(c.Answer);
  if (!*c.Result) script.Press("Cancel");
  EXPECT_EQ(d->Execute(), *c.Result != 0);
  if (*c.Result) {
    EXPECT_EQ(d->FileName(), dir_.File(c.Result));
  }
  ASSERT_EQ(script.Shown().size(), *c.Warning ? 2u : 1u);
  if (*c.Warning) {
    EXPECT_NE(script.Shown()[1].Text.find(c.Warning), std::string::npos);
  }
  EXPECT_EQ(script.Pending(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FileNameCaseTest,
    ::testing::Values(
        TNameCase{
            "MissingFile", false, {ofFileMustExist}, "", "none.txt", "File not found", "OK", ""},
        TNameCase{"MissingFileAllowed", false, {}, "", "none.txt", "", "", "none.txt"},
        TNameCase{"MissingPath",
                  false,
                  {ofPathMustExist},
                  "",
                  "nodir/x.txt",
                  "Path does not exist",
                  "OK",
                  ""},
        TNameCase{
            "OverwriteRefused", true, {ofOverwritePrompt}, "", "a.txt", "already exists", "No", ""},
        TNameCase{"OverwriteAccepted",
                  true,
                  {ofOverwritePrompt},
                  "",
                  "a.txt",
                  "already exists",
                  "Yes",
                  "a.txt"},
        TNameCase{"OverwriteUnasked", true, {}, "", "a.txt", "", "", "a.txt"},
        TNameCase{"DefaultExtAdded", true, {}, "txt", "new", "", "", "new.txt"},
        TNameCase{"DefaultExtKept", true, {}, "txt", "new.dat", "", "", "new.dat"},
        // Opening adds the default extension to a name that is not there without it.
        TNameCase{"OpenAddsDefaultExt", false, {}, "txt", "sub/inner", "", "", "sub/inner.txt"},
        TNameCase{"EmptyNameKeepsItOpen", false, {ofFileMustExist}, "", "", "", "", ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(FileDialogsTest, ExtensionDifferentIsReported) {
  TSaveDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  d.SetDefaultExt("txt");
  TDialogScript script;
  script.ChooseFiles({"new.dat"}).ChooseFiles({"other.txt"});
  ASSERT_TRUE(d.Execute());
  EXPECT_TRUE(d.Options().contains(ofExtensionDifferent));
  ASSERT_TRUE(d.Execute());
  EXPECT_FALSE(d.Options().contains(ofExtensionDifferent));
  EXPECT_EQ(script.Shown()[0].Caption, "Save As");
  EXPECT_EQ(script.Shown()[0].DefaultButton, "Save");
}

TEST_F(FileDialogsTest, OnCanCloseKeepsTheDialogOpen) {
  TOpenDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  struct TGate : TObject {
    int Asked = 0;
    void CanClose(TObject*, bool& can) { can = ++Asked > 1; }
  } gate;
  d.OnCanClose = TCloseQueryEvent(&gate, &TGate::CanClose);
  TDialogScript script;
  script.ChooseFiles({"a.txt"}).ChooseFiles({"c.bmp"});
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(gate.Asked, 2);
  EXPECT_EQ(d.FileName(), dir_.File("c.bmp"));
}

TEST_F(FileDialogsTest, ScriptAnswersThatDoNotFitAreErrors) {
  TOpenDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  {
    TDialogScript script;
    script.ChooseFiles({"nowhere/x.txt"});
    EXPECT_THROW(d.Execute(), EDialogScript);
  }
  {
    TDialogScript script;
    script.ChooseFiles({"a.txt", "c.bmp"});  // no multi-select
    EXPECT_THROW(d.Execute(), EDialogScript);
  }
  {
    TDialogScript script;
    script.ChooseColor(clRed);  // not a colour dialog
    EXPECT_THROW(d.Execute(), EDialogScript);
  }
  EXPECT_EQ(d.Handle(), nullptr);
}

TEST_F(FileDialogsTest, PictureDialogsPreviewTheSelectedPicture) {
  TBitmap bmp;
  bmp.SetWidth(40);
  bmp.SetHeight(30);
  bmp.Canvas()->Brush()->SetColor(clRed);
  bmp.Canvas()->FillRect({0, 0, 40, 30});
  bmp.SaveToFile(dir_.File("pic.bmp"));
  Touch("bad.bmp");  // not a picture
  TOpenPictureDialog d(nullptr);
  d.SetInitialDir(dir_.Path());
  EXPECT_EQ(d.Filter(), GraphicFilter(TGraphic::StaticClass()));
  EXPECT_FALSE(d.IsFilterStored());
  std::string during;
  struct TSel : TObject {
    TOpenDialog* Dialog;
    std::string* Seen;
    void Changed(TObject*) { *Seen = Dialog->FileName(); }
  } sel;
  sel.Dialog = &d;
  sel.Seen = &during;
  d.OnSelectionChange = TNotifyEvent(&sel, &TSel::Changed);
  std::string badSize, goodSize;
  TDialogScript script;
  script.Do([&](TCustomForm* f) {
    auto* files = Find<TListBox>(f, "Files");
    testkit::ChooseListItem(files, "bad.bmp");
    badSize = Find<TLabel>(f, "PictureSize")->Caption();
    testkit::ChooseListItem(files, "pic.bmp");
    goodSize = Find<TLabel>(f, "PictureSize")->Caption();
    auto* preview = Find<TControl>(f, "Preview");
    const wt::TCapture cap = wt::RenderWindow(f->Handle(), false);
    const TPoint centre =
        f->ScreenToClient(preview->ClientToScreen({preview->Width() / 2, preview->Height() / 2}));
    EXPECT_TRUE(wt::PixelsMatch(cap, [](int, int) { return Rgb(clRed); }, "picture_preview",
                                {centre.X - 10, centre.Y - 8, centre.X + 10, centre.Y + 8}));
    wt::KeyPress(win::VK_RETURN);
  });
  ASSERT_TRUE(d.Execute());
  EXPECT_EQ(badSize, "(None)");
  EXPECT_EQ(goodSize, "40 x 30");
  EXPECT_EQ(during, dir_.File("pic.bmp"));
  EXPECT_EQ(d.FileName(), dir_.File("pic.bmp"));
  TSavePictureDialog save(nullptr);
  save.SetInitialDir(dir_.Path());
  script.ChooseFiles({"copy.bmp"});
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(script.Shown().back().Caption, "Save As");
  EXPECT_EQ(save.FileName(), dir_.File("copy.bmp"));
}

TEST_F(FileDialogsTest, DialogsInAFormStreamLoad) {
  const std::string text = ObjectText(
      {"Main: TForm",
       {"Left = 0", "Top = 0", "Width = 200", "Height = 100"},
       {{"Opener: TOpenDialog",
         {"DefaultExt = 'txt'", "Filter = 'Text|*.txt'", "FilterIndex = 2",
          "Options = [ofHideReadOnly, ofExtensionDifferent, ofPathMustExist, ofFileMustExist]",
          "Title = 'Load'"}},
        {"Saver: TSaveDialog", {"InitialDir = 'C:\\'", "OnShow = nil"}},
        {"Colors: TColorDialog",
         {"Color = clRed", "CustomColors.Strings = ('ColorA=FF0000')", "Options = [cdFullOpen]"}},
        {"Fonts: TFontDialog",
         {"Font.Height = -11", "Font.Name = 'Arial'", "MinFontSize = 6", "MaxFontSize = 20",
          "Options = [fdEffects, fdLimitSize]", "HelpContext = 25000"}},
        {"Finder: TFindDialog", {"FindText = 'abc'", "Options = [frDown, frMatchCase]"}},
        {"Replacer: TReplaceDialog", {"ReplaceText = 'x'"}},
        {"Printing: TPrintDialog", {"Copies = 2", "Options = [poPageNums]"}},
        {"Setup: TPrinterSetupDialog", {}}}});
  std::unique_ptr<TForm> f(new TForm(nullptr));
  TStringStream s(text);
  ASSERT_NO_THROW(ReadForm(&s, f.get(), true));
  auto* o = Find<TOpenDialog>(f.get(), "Opener");
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->Options(),
            (TOpenOptions{ofHideReadOnly, ofExtensionDifferent, ofPathMustExist, ofFileMustExist}));
  EXPECT_EQ(o->FilterIndex(), 2);
  EXPECT_EQ(o->Title(), "Load");
  EXPECT_EQ(Find<TSaveDialog>(f.get(), "Saver")->InitialDir(), "C:\\");
  auto* c = Find<TColorDialog>(f.get(), "Colors");
  EXPECT_EQ(c->Color(), clRed);
  EXPECT_EQ(c->CustomColors()->Values("ColorA"), "FF0000");
  auto* fd = Find<TFontDialog>(f.get(), "Fonts");
  EXPECT_EQ(fd->Font()->Name(), "Arial");
  EXPECT_EQ(fd->MaxFontSize(), 20);
  EXPECT_EQ(fd->HelpContext(), 25000);
  EXPECT_EQ(Find<TFindDialog>(f.get(), "Finder")->Options(), (TFindOptions{frDown, frMatchCase}));
  EXPECT_EQ(Find<TReplaceDialog>(f.get(), "Replacer")->ReplaceText(), "x");
  EXPECT_EQ(Find<TPrintDialog>(f.get(), "Printing")->Copies(), 2);
  EXPECT_NE(Find<TPrinterSetupDialog>(f.get(), "Setup"), nullptr);
}

// A picture dialog whose filter the user emptied shows every file when the form is opened
// again, not the graphic types a new one lists.
TEST_F(FileDialogsTest, AnEmptiedPictureFilterComesBackEmptyFromAFormFile) {
  TOpenPictureDialog open(nullptr);
  TSavePictureDialog save(nullptr);
  EXPECT_EQ(testsupport::EmptiedTextReadBack(&open, "Filter"), "");
  EXPECT_EQ(testsupport::EmptiedTextReadBack(&save, "Filter"), "");
}

}  // namespace
}  // namespace vcl::testing
