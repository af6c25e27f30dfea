// The open and save file edits driven through their buttons and keys: the dialogs answered by
// the dialog script with a file or Cancel, the file part and the shortened name shown while the
// edit is not focused, the save edit's split of a name into folder and file, and the two halves
// of their glyph bitmap.
#include <gtest/gtest.h>

#include <string>

#include "edits/ZYLFileOpenEdit.h"
#include "edits/ZYLFileSaveEdit.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/DialogScript.h"
#include "tests/edits/BrowseEditHost.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using edittest::THost;
using vcl::testkit::TDialogScript;
namespace tk = win::testkit;

class FileEditTest : public ::testing::Test {
 protected:
  FileEditTest() {
    vcl::ForceDirectories(Folder());
    open_ = browsetest::Place<TZYLFileOpenEdit>(host_, "Open", 10, 10, 160);
    save_ = browsetest::Place<TZYLFileSaveEdit>(host_, "Save", 10, 50, 160);
    other_ = host_.Edit("Other", 10, 90, 100);
    browsetest::Listen(open_, events_);
    browsetest::Listen(save_, events_);
  }
  std::string Folder() const { return dir_.File("documents of a rather long folder name"); }
  std::string Doc() const { return Folder() + "/letter.txt"; }

  testsupport::TempDir dir_;
  THost host_;
  browsetest::TEvents events_;
  TZYLFileOpenEdit* open_ = nullptr;
  TZYLFileSaveEdit* save_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(FileEditTest, TheOpenDialogGetsTheEditsSettingsAndItsChoiceBecomesTheText) {
  open_->SetDialogString(TZYLCustomFileEdit::dsTitle, "Open a letter");
  open_->SetDialogString(TZYLCustomFileEdit::dsInitialDir, Folder());
  open_->SetDialogString(TZYLCustomFileEdit::dsFilter, "Texts|*.txt");
  TDialogScript script;
  script.ChooseFiles({"letter.txt"});
  browsetest::ClickBrowse(open_);
  EXPECT_EQ(open_->Filename(), Doc());
  EXPECT_EQ(open_->RawText(), Doc());
  EXPECT_TRUE(open_->Focused());
  EXPECT_EQ(events_.Take(), "before dlgchange browse");
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Open a letter");
}

TEST_F(FileEditTest, ACancelledDialogChangesNothing) {
  open_->SetFilename(Doc());
  TDialogScript script;
  script.Press("Cancel");
  browsetest::ClickBrowse(open_);
  EXPECT_EQ(open_->Filename(), Doc());
  EXPECT_EQ(events_.Take(), "before browse");
}

TEST_F(FileEditTest, FilenameOnlyShowsTheFilePartWhileUnfocusedAndKeepsTheFolder) {
  open_->SetFilenameOnly(true);
  open_->SetFilename(Doc());
  EXPECT_EQ(open_->RawText(), "letter.txt");
  EXPECT_EQ(open_->Filename(), Doc());
  THost::Focus(open_);
  EXPECT_EQ(open_->RawText(), Doc());
  THost::Focus(other_);
  EXPECT_EQ(open_->RawText(), "letter.txt");
  EXPECT_EQ(open_->Filename(), Doc());
  open_->SetFilenameOnly(false);
  EXPECT_EQ(open_->RawText(), Doc());
}

TEST_F(FileEditTest, ChangingWhatIsShownWhileUnfocusedStartsFromTheFullName) {
  open_->SetMinimizeName(true);
  open_->SetFilename(Doc());
  const std::string shortened = open_->RawText();
  EXPECT_EQ(shortened, browsetest::Shortened(open_, Doc()));
  EXPECT_NE(shortened, Doc());
  open_->SetFilenameOnly(true);
  EXPECT_EQ(open_->RawText(), "letter.txt");
  EXPECT_EQ(open_->Filename(), Doc());
  open_->SetFilenameOnly(false);
  EXPECT_EQ(open_->RawText(), shortened);
  open_->SetMinimizeName(false);
  EXPECT_EQ(open_->RawText(), Doc());
}

TEST_F(FileEditTest, ATypedNameConfirmedWithEnterIsSplitIntoFolderAndFile) {
  THost::Focus(save_);
  tk::TypeText(Doc());
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(save_->RawText(), Doc());
  EXPECT_EQ(save_->FilePath(), Folder() + "/");
  // With SplitFileName the text keeps the file part, the folder is kept aside.
  save_->SetSplitFileName(true);
  save_->SelectAll();
  tk::TypeText(dir_.File("other.txt"));
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(save_->RawText(), "other.txt");
  EXPECT_EQ(save_->FilePath(), dir_.Path() + "/");
}

TEST_F(FileEditTest, TheSaveDialogsChoiceIsSplitToo) {
  save_->SetSplitFileName(true);
  TDialogScript script;
  script.ChooseFiles({Doc()});
  browsetest::ClickBrowse(save_);
  EXPECT_EQ(save_->RawText(), "letter.txt");
  EXPECT_EQ(save_->FilePath(), Folder() + "/");
  EXPECT_EQ(events_.Take(), "before dlgchange browse");
  EXPECT_EQ(script.Shown().at(0).Form, "SaveDialogForm");
}

// The open edit's glyph is the left cell of the bitmap resource 16600, the save edit's the
// right one; they differ.
TEST_F(FileEditTest, TheEditsShowTheTwoHalvesOfOneGlyphBitmap) {
  auto capture = [](vcl::TBitmap* B) {
    return tk::MakeCapture(B->Width(), B->Height(), [B](int x, int y) {
      return static_cast<win::COLORREF>(B->Canvas()->Pixels(x, y));
    });
  };
  vcl::TBitmap* openGlyph = open_->BrowseButton()->GetGlyph();
  vcl::TBitmap* saveGlyph = save_->BrowseButton()->GetGlyph();
  ASSERT_EQ(openGlyph->Width(), 13);
  ASSERT_EQ(saveGlyph->Width(), 13);
  EXPECT_EQ(openGlyph->Height(), 14);
  EXPECT_TRUE(tk::PixelsMatch(
      capture(openGlyph),
      [](int x, int y) { return static_cast<win::COLORREF>(ZYLFileEditGlyphPixel(x, y)); },
      "file_edit_open_glyph"));
  EXPECT_TRUE(tk::PixelsMatch(
      capture(saveGlyph),
      [](int x, int y) { return static_cast<win::COLORREF>(ZYLFileEditGlyphPixel(13 + x, y)); },
      "file_edit_save_glyph"));
  EXPECT_GT(tk::CountDifferentPixels(capture(openGlyph), capture(saveGlyph)), 20);
  EXPECT_EQ(ZYLFileEditGlyphPixel(0, 13), 0xFF00FF);  // the transparent ground
  EXPECT_EQ(ZYLFileEditGlyphPixel(26, 0), -1);
}

}  // namespace
}  // namespace zyl
