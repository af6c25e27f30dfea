// The folder list and the drive box on a drive Q: mapped to a temporary folder: the items of
// each level, their paths, opening by keyboard, the folder label, and which drives are listed.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ComCtrlsTestSupport.h"
#include "ControlsTestSupport.h"
#include "platform/controls/FileCtrl.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/support/Cases.h"
#include "tests/support/TempDir.h"

namespace vcl::testing {
namespace {

class FileCtrlTest : public ControlsTest {
 protected:
  FileCtrlTest() {
    if (const char* v = std::getenv("ZYL_DRIVE_Q")) old_ = v, had_ = true;
    setenv("ZYL_DRIVE_Q", dir_.Path().c_str(), 1);
    std::filesystem::create_directories(dir_.Path() + "/Top/b-second");
    std::filesystem::create_directories(dir_.Path() + "/Top/A-first");
    form_ = std::make_unique<TForm>(nullptr);
    list_ = Place<TDirectoryListBox>(form_.get(), 0, 0, 200, 200, "List");
  }
  ~FileCtrlTest() override {
    form_.reset();
    if (had_)
      setenv("ZYL_DRIVE_Q", old_.c_str(), 1);
    else
      unsetenv("ZYL_DRIVE_Q");
  }
  TLines Items() {
    TLines lines;
    for (int i = 0; i < list_->Items()->Count(); ++i) lines.push_back(list_->Items()->Get(i));
    return lines;
  }

  testsupport::TempDir dir_;
  std::string old_;
  bool had_ = false;
  std::unique_ptr<TForm> form_;
  TDirectoryListBox* list_ = nullptr;
};

TEST_F(FileCtrlTest, ListsTheLevelsThenTheSubfoldersInNameOrder) {
  list_->SetDirectory("q:/Top/");
  EXPECT_EQ(list_->Directory(), "Q:\\Top");
  EXPECT_EQ(Items(), (TLines{"Q:\\", "Top", "A-first", "b-second"}));
  EXPECT_EQ(list_->ItemIndex(), 1);
  testsupport::ExpectCases({{list_->GetItemPath(0), "Q:\\"},
                            {list_->GetItemPath(1), "Q:\\Top"},
                            {list_->GetItemPath(3), "Q:\\Top\\b-second"},
                            {list_->GetItemPath(4), ""},
                            {list_->GetItemPath(-1), ""}});
  // Relative names are taken from the current folder, and a missing one opens its parent.
  list_->SetDirectory("A-first");
  EXPECT_EQ(list_->Directory(), "Q:\\Top\\A-first");
  list_->SetDirectory("Q:\\Top\\Missing\\Deeper");
  EXPECT_EQ(list_->Directory(), "Q:\\Top");
  list_->SetDrive('q');
  EXPECT_EQ(list_->Directory(), "Q:\\");
}

TEST_F(FileCtrlTest, ReturnOpensTheSelectedFolderAndTellsOfTheChange) {
  TLog log;
  struct TEvents : TObject {
    TLog* Log;
    TDirectoryListBox* List;
    void Change(TObject*) { Log->Add("change " + List->Directory()); }
  } events;
  events.Log = &log;
  events.List = list_;
  list_->SetOnChange(TNotifyEvent(&events, &TEvents::Change));
  list_->SetDirectory("Q:\\Top");
  ShowNow(form_.get());
  list_->SetFocus();
  list_->SetItemIndex(2);
  win::testkit::KeyPress(win::VK_RETURN);
  EXPECT_EQ(list_->Directory(), "Q:\\Top\\A-first");
  EXPECT_EQ(log.Entries, (TLines{"change Q:\\Top", "change Q:\\Top\\A-first"}));
}

TEST_F(FileCtrlTest, TheFolderLabelFollowsAndIsForgottenWhenFreed) {
  auto* label = Place<TLabel>(form_.get(), 0, 210, 200, 13, "Label");
  list_->SetDirLabel(label);
  list_->SetDirectory("Q:\\Top");
  EXPECT_EQ(label->Caption(), "Q:\\Top");
  delete label;
  EXPECT_EQ(list_->DirLabel(), nullptr);
  list_->SetDirectory("Q:\\");
  EXPECT_EQ(list_->Directory(), "Q:\\");
}

TEST_F(FileCtrlTest, TheDriveBoxListsOnlyMappedDrives) {
  auto* drives = Place<TDriveComboBox>(form_.get(), 0, 220, 100, 20, "Drives");
  EXPECT_GE(drives->Items()->IndexOf("C:"), 0);
  EXPECT_GE(drives->Items()->IndexOf("Q:"), 0);
  EXPECT_EQ(drives->Drive(), 'C');
  drives->SetDrive('q');
  EXPECT_EQ(drives->Drive(), 'Q');
  // A drive that is not mapped is not offered and does not change the choice.
  unsetenv("ZYL_DRIVE_Q");
  auto* fewer = Place<TDriveComboBox>(form_.get(), 0, 250, 100, 20, "Fewer");
  EXPECT_LT(fewer->Items()->IndexOf("Q:"), 0);
  fewer->SetDrive('Q');
  EXPECT_EQ(fewer->Drive(), 'C');
}

TEST_F(FileCtrlTest, TheDriveBoxOpensTheChosenDrivesRootInItsFolderList) {
  auto* drives = Place<TDriveComboBox>(form_.get(), 0, 220, 100, 20, "Drives");
  list_->SetDirectory("Q:\\Top");
  drives->SetDirList(list_);
  EXPECT_EQ(drives->Drive(), 'Q');  // linking shows the list's drive
  ShowNow(form_.get());
  drives->SetFocus();
  win::testkit::KeyPress(win::VK_HOME);  // the first drive, as a user picks it
  Idle();
  const std::string first = drives->Items()->Get(0);
  ASSERT_NE(first, "Q:");
  EXPECT_EQ(list_->Directory(), first + "\\");
  delete list_;
  list_ = nullptr;
  EXPECT_EQ(drives->DirList(), nullptr);
  win::testkit::KeyPress(win::VK_END);  // no list left to follow: nothing breaks
  Idle();
  EXPECT_EQ(drives->ItemIndex(), drives->Items()->Count() - 1);
}

TEST_F(FileCtrlTest, NewListsOpenTheCurrentFolderNamedOnTheDriveThatHoldsIt) {
  const std::string here = std::filesystem::current_path().string();
  const std::string top = dir_.Path() + "/Top";
  // C: is the file system's root: whatever no other drive holds is named on it.
  testsupport::ExpectCases({{DriveFolderOf(top), "Q:\\Top"},
                            {DriveFolderOf(top + "/"), "Q:\\Top"},
                            {DriveFolderOf(dir_.Path()), "Q:\\"},
                            {DriveFolderOf("/nowhere/at-all"), "C:\\nowhere\\at-all"},
                            {DriveFolderOf("/"), "C:\\"}});
  std::filesystem::current_path(top);
  auto* dirs = Place<TDirectoryListBox>(form_.get(), 0, 0, 100, 100, "Here");
  auto* files = Place<TFileListBox>(form_.get(), 0, 0, 100, 100, "HereFiles");
  std::filesystem::current_path(here);
  EXPECT_EQ(dirs->Directory(), "Q:\\Top");
  EXPECT_EQ(files->Directory(), "Q:\\Top");
}

// Each name shortened to exactly the width of the form expected: the longest form that fits.
TEST(MinimizeName, FoldersGiveWayToDotsFromTheFirstOnThenTheDriveThenTheDots) {
  TBitmap bitmap;
  TCanvas* c = bitmap.Canvas();
  auto at = [c](const std::string& name, const std::string& fitting) {
    return MinimizeName(name, c, c->TextWidth(fitting));
  };
  const std::string win = "C:\\alpha\\beta\\gamma\\file.txt";
  const std::string unix = "/home/user/projects/file.txt";
  testsupport::ExpectCases({
      {at(win, win), win},
      {at(win, "C:\\...\\beta\\gamma\\file.txt"), "C:\\...\\beta\\gamma\\file.txt"},
      {at(win, "C:\\...\\gamma\\file.txt"), "C:\\...\\gamma\\file.txt"},
      {at(win, "C:\\...\\file.txt"), "C:\\...\\file.txt"},
      {at(win, "...\\file.txt"), "...\\file.txt"},
      {at(win, "file.txt"), "file.txt"},
      {MinimizeName(win, c, 1), "file.txt"},
      {at(unix, "/.../projects/file.txt"), "/.../projects/file.txt"},
      {at(unix, "/.../file.txt"), "/.../file.txt"},
      {at(unix, ".../file.txt"), ".../file.txt"},
      {at("alpha/beta\\gamma/file.txt", ".../beta\\gamma/file.txt"),
       ".../beta\\gamma/file.txt"},  // the name's separators are kept
      {MinimizeName("relative/file.txt", c, 1), "file.txt"},
      {MinimizeName("file.txt", c, 1), "file.txt"},
      {MinimizeName("", c, 0), ""},
  });
}

// The files of Q:\Top: three texts (one read-only, one hidden), a log, and the two folders.
class FileListTest : public FileCtrlTest {
 protected:
  FileListTest() {
    for (const char* name : {"b.txt", "a.TXT", "c.log", ".hidden.txt", "r.txt"})
      std::ofstream(dir_.Path() + "/Top/" + name) << name;
    std::filesystem::permissions(dir_.Path() + "/Top/r.txt", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    files_ = Place<TFileListBox>(form_.get(), 210, 0, 150, 200, "Files");
  }
  TLines Files() {
    TLines lines;
    for (int i = 0; i < files_->Items()->Count(); ++i) lines.push_back(files_->Items()->Get(i));
    return lines;
  }
  TFileListBox* files_ = nullptr;
};

struct TFileCase {
  const char* Mask;
  TFileType Type;
  TLines Want;
};

TEST_F(FileListTest, ListsTheFilesOfTheMasksAndTypesInNameOrder) {
  files_->SetDirectory("Q:\\Top");
  const TFileCase cases[] = {
      {"*.*", {ftNormal}, {"a.TXT", "b.txt", "c.log", "r.txt"}},
      {"*.txt", {ftNormal}, {"a.TXT", "b.txt", "r.txt"}},
      {"*.log; b*", {ftNormal}, {"b.txt", "c.log"}},
      {"*.txt", {ftReadOnly}, {"r.txt"}},
      {"*.txt", {ftNormal, ftHidden}, {".hidden.txt", "a.TXT", "b.txt", "r.txt"}},
      {"*", {ftDirectory}, {"[..]", "[A-first]", "[b-second]"}},
      {"*.none", {ftNormal}, {}},
  };
  for (const TFileCase& c : cases) {
    SCOPED_TRACE(c.Mask);
    files_->SetMask(c.Mask);
    files_->SetFileType(c.Type);
    EXPECT_EQ(Files(), c.Want);
  }
}

TEST_F(FileListTest, FollowsTheFolderListAndTellsItsEditTheChosenFile) {
  auto* edit = Place<TEdit>(form_.get(), 210, 210, 150, 21, "Name");
  files_->SetFileEdit(edit);
  files_->SetMask("*.txt");
  list_->SetFileList(files_);
  list_->SetDirectory("Q:\\Top");
  EXPECT_EQ(files_->Directory(), "Q:\\Top");
  EXPECT_EQ(edit->Text(), "*.txt");
  ShowNow(form_.get());
  ClickAt(files_, 20, files_->ItemRect(1).Top + 3);
  EXPECT_EQ(files_->FileName(), "Q:\\Top\\b.txt");
  EXPECT_EQ(edit->Text(), "b.txt");
  files_->SetFileName("Q:\\Top\\r.txt");
  EXPECT_EQ(files_->ItemIndex(), 2);
  list_->SetDirectory("Q:\\Top\\A-first");
  EXPECT_EQ(files_->Items()->Count(), 0);
  EXPECT_EQ(files_->FileName(), "");
  delete edit;
  EXPECT_EQ(files_->FileEdit(), nullptr);
  delete files_;
  EXPECT_EQ(list_->FileList(), nullptr);
}

// A window made again, or the list moved to another parent, lists the folder afresh and keeps
// the file the user chose and the line at the top.
TEST_F(FileListTest, KeepsTheChosenFileAndTheTopLineWhenItsWindowIsMadeAgain) {
  files_->SetDirectory("Q:\\Top");
  files_->SetFileType({ftNormal, ftHidden, ftDirectory});
  files_->SetBounds(210, 0, 150, 40);
  ShowNow(form_.get());
  ClickAt(files_, 20, files_->ItemRect(1).Top + 3);
  ASSERT_EQ(files_->FileName(), "Q:\\Top\\a.TXT");
  files_->SetTopIndex(1);
  auto* panel = Place<TPanel>(form_.get(), 0, 220, 200, 100);
  const std::function<void()> remakes[] = {[&] { files_->RecreateWnd(); },
                                           [&] { files_->SetParent(panel); }};
  for (const auto& remake : remakes) {
    remake();
    Idle();
    EXPECT_EQ(files_->ItemIndex(), 1);
    EXPECT_EQ(files_->FileName(), "Q:\\Top\\a.TXT");
    EXPECT_EQ(files_->TopIndex(), 1);
  }
}

TEST_F(FileListTest, GlyphsShowTheShellsIconBeforeTheName) {
  files_->SetDirectory("Q:\\Top");
  form_->SetBounds(0, 0, 400, 300);
  ShowNow(form_.get());
  const TRect item = files_->ItemRect(2);  // away from the focus rectangle
  auto inkOfItem = [&] {
    const TPoint at = files_->ClientOrigin();
    return InkBox(win::testkit::CaptureScreen(),
                  TRect{at.X + item.Left, at.Y + item.Top, at.X + item.Right, at.Y + item.Bottom},
                  IsNot(clWindow));
  };
  const TRect plain = inkOfItem();
  files_->SetShowGlyphs(true);
  Idle();
  const TRect glyphs = inkOfItem();
  // The text moves 18 pixels on and the icon fills the place before it.
  EXPECT_GE(plain.Left - files_->ClientOrigin().X, 2);
  EXPECT_LT(glyphs.Left, plain.Left + 18);
  EXPECT_EQ(glyphs.Right, plain.Right + 18);
}

}  // namespace
}  // namespace vcl::testing
