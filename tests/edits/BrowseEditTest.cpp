// The folder edit driven as a user drives it: its browse button opens the folder browser, which
// the dialog script answers (a folder, or Cancel); the events around the dialog; the path shown
// shortened while the edit is not focused and in full while it is.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLSpecialButtons.h"
#include "edits/ZYLBrowseEdit.h"
#include "platform/controls/FileCtrl.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/DialogScript.h"
#include "tests/edits/BrowseEditHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using edittest::THost;
using vcl::testkit::TDialogScript;

class BrowseEditTest : public ::testing::Test {
 protected:
  BrowseEditTest() {
    vcl::ForceDirectories(dir_.File("alpha/beta"));
    vcl::ForceDirectories(Deep());
    edit_ = browsetest::Place<TZYLBrowseEdit>(host_, "Folder", 10, 10, 200);
    other_ = host_.Edit("Other", 10, 60, 100);
    browsetest::Listen(edit_, events_);
  }
  std::string Deep() const {
    return dir_.File("a folder with a rather long name/and a second long folder/and the last");
  }

  testsupport::TempDir dir_;
  THost host_;
  browsetest::TEvents events_;
  TZYLBrowseEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(BrowseEditTest, TheButtonPicksAFolderAndReportsEachStepOnce) {
  EXPECT_EQ(edit_->CustomButtonWidth(), TZYLCustomBrowseEdit::BrowseButtonWidth);
  EXPECT_EQ(edit_->CustomButtons()->Count(), 1);
  TDialogScript script;
  script.ChooseFolder(dir_.File("alpha/beta"));
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(edit_->Path(), dir_.File("alpha/beta"));
  EXPECT_EQ(edit_->RawText(), dir_.File("alpha/beta"));
  EXPECT_TRUE(edit_->Focused());  // the edit took the focus for the dialog
  EXPECT_EQ(events_.Take(), "before dlgchange browse");
  EXPECT_EQ(script.Pending(), 0u);
}

TEST_F(BrowseEditTest, ACancelledDialogChangesNothing) {
  edit_->SetPath(dir_.File("alpha"));
  TDialogScript script;
  script.Press("Cancel");
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(edit_->Path(), dir_.File("alpha"));
  EXPECT_EQ(events_.Take(), "before browse");
}

TEST_F(BrowseEditTest, TheDialogStartsAtTheEditsFolderOnlyWithStartWithLast) {
  edit_->SetPath(dir_.File("alpha"));
  TDialogScript script;
  script.Press("Cancel").Press("Cancel");
  browsetest::ClickBrowse(edit_);
  edit_->SetStartWithLast(true);
  browsetest::ClickBrowse(edit_);
  ASSERT_EQ(script.Shown().size(), 2u);
  EXPECT_EQ(script.Shown()[0].Values.at("Folders"), "Desktop");
  EXPECT_EQ(vcl::Trim(script.Shown()[1].Values.at("Folders")), "alpha");
}

TEST_F(BrowseEditTest, OnExecuteAdjustsTheDialogBeforeItOpens) {
  struct TAdjust : vcl::TObject {
    void Execute(vcl::TObject*, TZYLBrowseDlg* Dlg) {
      Dlg->SetString(TZYLBrowseDlg::siCaptionTitle, "Pick a folder");
      Dlg->SetStartFolder(bfoMyComputer);
    }
  } adjust;
  edit_->SetOnExecute(TZYLBrowseExecuteEvent(&adjust, &TAdjust::Execute));
  edit_->SetStartFolder(bfoDesktop);
  TDialogScript script;
  script.Press("Cancel");
  browsetest::ClickBrowse(edit_);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Pick a folder");
  EXPECT_EQ(vcl::Trim(script.Shown()[0].Values.at("Folders")), "My Computer");
}

TEST_F(BrowseEditTest, ALongPathShowsShortenedWhileUnfocusedAndInFullWhileFocused) {
  edit_->SetMinimizeName(true);
  edit_->SetPath(Deep());  // unfocused: shortened at once
  const std::string shown = edit_->RawText();
  // The shortened path fits, as the edit draws it.
  EXPECT_EQ(browsetest::DrawnWidth(edit_), browsetest::MeasuredWidth(edit_));
  EXPECT_LE(browsetest::DrawnWidth(edit_), edit_->TextRect().Right - edit_->TextRect().Left);
  EXPECT_NE(shown, Deep());
  EXPECT_NE(shown.find("..."), std::string::npos);
  EXPECT_EQ(shown, browsetest::Shortened(edit_, Deep()));
  EXPECT_EQ(edit_->Path(), Deep());
  THost::Focus(edit_);
  EXPECT_EQ(edit_->RawText(), Deep());
  EXPECT_EQ(edit_->Path(), Deep());
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), shown);
  EXPECT_EQ(edit_->Path(), Deep());
  EXPECT_EQ(edit_->ScrollOffset(), 0);
  EXPECT_EQ(edit_->CaretPos(), 1);
}

TEST_F(BrowseEditTest, APathSetByCodeWhileUnfocusedReplacesTheFullPath) {
  edit_->SetMinimizeName(true);
  edit_->SetPath(Deep());
  const std::string second = Deep() + "/and one more folder";
  edit_->SetPath(second);
  EXPECT_EQ(edit_->Path(), second);
  EXPECT_EQ(edit_->RawText(), browsetest::Shortened(edit_, second));
  // Text set directly is a new full path too (a short one shows as it is).
  edit_->SetText(dir_.File("alpha"));
  EXPECT_EQ(edit_->Path(), dir_.File("alpha"));
  EXPECT_FALSE(edit_->TextReduced());
}

TEST_F(BrowseEditTest, SwitchingMinimizeNameOffRestoresTheFullPath) {
  edit_->SetMinimizeName(true);
  edit_->SetPath(Deep());
  ASSERT_TRUE(edit_->TextReduced());
  edit_->SetMinimizeName(false);
  EXPECT_EQ(edit_->RawText(), Deep());
  EXPECT_FALSE(edit_->TextReduced());
  edit_->SetMinimizeName(true);
  EXPECT_TRUE(edit_->TextReduced());
  EXPECT_EQ(edit_->Path(), Deep());
}

TEST_F(BrowseEditTest, AWiderEditShortensAgainFromTheFullPath) {
  edit_->SetMinimizeName(true);
  edit_->SetPath(Deep());
  const std::string narrow = edit_->RawText();
  edit_->SetBounds(10, 10, 400, edit_->Height());
  THost::Idle();
  EXPECT_EQ(edit_->RawText(), browsetest::Shortened(edit_, Deep()));
  EXPECT_GT(edit_->RawText().size(), narrow.size());
  EXPECT_EQ(edit_->Path(), Deep());
}

TEST_F(BrowseEditTest, AChosenFolderIsShownShortenedOnceTheFocusLeaves) {
  edit_->SetMinimizeName(true);
  TDialogScript script;
  script.ChooseFolder(Deep());
  browsetest::ClickBrowse(edit_);
  EXPECT_EQ(edit_->RawText(), Deep());
  THost::Focus(other_);
  EXPECT_EQ(edit_->RawText(), browsetest::Shortened(edit_, Deep()));
  EXPECT_EQ(edit_->Path(), Deep());
}

}  // namespace
}  // namespace zyl
