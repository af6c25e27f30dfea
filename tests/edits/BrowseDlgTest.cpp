// The folder-browse component, answered through the folder browser's controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edits/ZYLBrowseDlg.h"
#include "foundation/ZYLStrings.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using vcl::testkit::TDialogScript;

// Writes down what the component's events heard.
struct TListener : vcl::TObject {
  std::vector<std::string> Heard;
  bool CancelValidation = false;
  void Init(vcl::TObject*) { Heard.push_back("init"); }
  void Selection(vcl::TObject*, win::HWND dialog, const std::string& path, win::PItemIDList item) {
    Heard.push_back("sel " + path + (dialog && item ? "" : " ?"));
  }
  void Validate(vcl::TObject*, const std::string& path, bool& cancel) {
    Heard.push_back("validate " + path);
    cancel = CancelValidation;
    CancelValidation = false;  // a second try is accepted
  }
};

class BrowseDlg : public ::testing::Test {
 protected:
  BrowseDlg() {
    vcl::ForceDirectories(dir_.File("alpha/beta"));
    vcl::ForceDirectories(dir_.File("a folder with a rather long name indeed/and a deep one"));
    form_ = new vcl::TForm(nullptr);
    dlg_ = new TZYLBrowseDlg(form_);
    dlg_->SetOnInit(vcl::TNotifyEvent(&listener_, &TListener::Init));
  }
  ~BrowseDlg() override { delete form_; }

  vcl::testkit::TControlsSession session_;
  testsupport::TempDir dir_;
  TListener listener_;
  vcl::TForm* form_;
  TZYLBrowseDlg* dlg_;
};

TEST_F(BrowseDlg, ReturnsTheChosenFolderAndShowsItsPathShortened) {
  TDialogScript script;
  const std::string deep = dir_.File("a folder with a rather long name indeed/and a deep one");
  script.ChooseFolder(deep);
  dlg_->SetString(TZYLBrowseDlg::siCaption, "Where to?");
  dlg_->SetString(TZYLBrowseDlg::siCaptionTitle, "Pick one");
  ASSERT_TRUE(dlg_->Execute());
  EXPECT_EQ(dlg_->SelectedFolder(), deep);
  EXPECT_EQ(dlg_->Handle(), nullptr);
  EXPECT_EQ(dlg_->StatusText(), ZYLShrunkFileName(deep, TZYLBrowseDlg::ShownPathLength));
  EXPECT_LE(dlg_->StatusText().size(), 40u);
  const vcl::testkit::TShownDialog& shown = script.Shown().at(0);
  EXPECT_EQ(shown.Caption, "Pick one");
  EXPECT_EQ(shown.Values.at("Title"), "Where to?");
  EXPECT_EQ(shown.Values.at("Folders"), "Desktop");  // unrooted
  ASSERT_FALSE(listener_.Heard.empty());
  EXPECT_EQ(listener_.Heard[0], "init");
}

TEST_F(BrowseDlg, OpensAtTheSelectedFolderWithTheStatusTextAndKeepsItWhenCancelled) {
  dlg_->SetStatusText("Choose well");  // closed: only stored
  dlg_->SetPath(dir_.File("alpha"));
  dlg_->SetOptions({doReturnFileSysDirs});
  dlg_->SetOnSelectionChanged(TZYLBrowseDlgSelectionChangeEvent(&listener_, &TListener::Selection));
  TDialogScript script;
  script.Press("Cancel");
  EXPECT_FALSE(dlg_->Execute());
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha"));
  const vcl::testkit::TShownDialog& shown = script.Shown().at(0);
  EXPECT_EQ(shown.Values.at("Status"), "Choose well");
  EXPECT_EQ(vcl::Trim(shown.Values.at("Folders")), "alpha");
  EXPECT_NE(std::find(listener_.Heard.begin(), listener_.Heard.end(), "sel " + dir_.File("alpha")),
            listener_.Heard.end());
  // Without doEnableOK (and no file-system check that enables it on selecting), the OK
  // button stays disabled: pressing it answers nothing.
  dlg_->SetOptions({doShowPath});
  script.Press("OK");
  EXPECT_THROW(dlg_->Execute(), vcl::testkit::EDialogScript);
}

TEST_F(BrowseDlg, SettersReachTheOpenDialog) {
  dlg_->SetOptions({doReturnFileSysDirs, doEnableOK, doStatusText});
  TDialogScript script;
  std::string statusSeen;
  script.Do([&](vcl::TCustomForm* form) {
    ASSERT_NE(dlg_->Handle(), nullptr);
    dlg_->SetStatusText("Now");
    dlg_->SetPath(dir_.File("alpha/beta"));
    statusSeen = dynamic_cast<vcl::TLabel*>(vcl::testkit::DialogControl(form, "Status"))->Caption();
    vcl::testkit::ClickControl(
        dynamic_cast<vcl::TControl*>(vcl::testkit::DialogControl(form, "OK")));
  });
  ASSERT_TRUE(dlg_->Execute());
  EXPECT_EQ(statusSeen, "Now");
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha/beta"));
}

// A folder given by its item list is selected in the open dialog as one given by its path.
TEST_F(BrowseDlg, AnItemListSelectsItsFolderInTheOpenDialog) {
  dlg_->SetOptions({doReturnFileSysDirs, doEnableOK});
  win::PItemIDList item = nullptr;
  ASSERT_TRUE(TZYLBrowseDlg::ConvertPathToItemIDList(dir_.File("alpha/beta"), item));
  TDialogScript script;
  script.Do([&](vcl::TCustomForm* form) {
    dlg_->SetSelected(item);
    vcl::testkit::ClickControl(
        dynamic_cast<vcl::TControl*>(vcl::testkit::DialogControl(form, "OK")));
  });
  const bool chosen = dlg_->Execute();
  win::CoTaskMemFree(item);
  ASSERT_TRUE(chosen);
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha/beta"));
}

TEST_F(BrowseDlg, EnableOKButtonSwitchesTheOpenDialogsOK) {
  dlg_->SetOptions({doShowPath});  // OK starts disabled
  dlg_->SetPath(dir_.File("alpha"));
  dlg_->EnableOKButton(true);  // closed: there is no button to switch
  TDialogScript script;
  std::vector<bool> seen;
  script.Do([&](vcl::TCustomForm* form) {
    auto* ok = dynamic_cast<vcl::TControl*>(vcl::testkit::DialogControl(form, "OK"));
    ASSERT_NE(ok, nullptr);
    seen.push_back(ok->Enabled());
    for (bool value : {true, false, true}) {
      dlg_->EnableOKButton(value);
      seen.push_back(ok->Enabled());
    }
    vcl::testkit::ClickControl(ok);
  });
  ASSERT_TRUE(dlg_->Execute());
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha"));
}

TEST_F(BrowseDlg, TypedNamesAreValidatedByTheApplication) {
  dlg_->SetOptions({doReturnFileSysDirs, doAllowEdit, doEnableOK});
  dlg_->SetOnValidate(TZYLBrowseDlgEditValidateEvent(&listener_, &TListener::Validate));
  dlg_->SetPath(dir_.File("alpha"));
  listener_.CancelValidation = true;
  TDialogScript script;
  script.Type("nowhere").Type("beta");  // refused and kept open, then an existing folder
  ASSERT_TRUE(dlg_->Execute());
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha/beta"));
  EXPECT_NE(std::find(listener_.Heard.begin(), listener_.Heard.end(), "validate nowhere"),
            listener_.Heard.end());
  // Accepted validation of a name that does not exist closes the dialog with nothing chosen.
  script.Type("nowhere");
  EXPECT_FALSE(dlg_->Execute());
  EXPECT_EQ(dlg_->SelectedFolder(), dir_.File("alpha/beta"));
}

TEST_F(BrowseDlg, PathsAndFolderIds) {
  win::PItemIDList item = nullptr;
  ASSERT_TRUE(TZYLBrowseDlg::ConvertPathToItemIDList(dir_.File("alpha"), item));
  char path[win::MAX_PATH];
  ASSERT_TRUE(win::SHGetPathFromIDListA(item, path));
  EXPECT_EQ(std::string(path), dir_.File("alpha"));
  win::CoTaskMemFree(item);
  EXPECT_FALSE(TZYLBrowseDlg::ConvertPathToItemIDList(dir_.File("missing"), item));
  EXPECT_EQ(item, nullptr);
  EXPECT_EQ(ZYLSystemFolderId(bfoDesktop), win::CSIDL_DESKTOP);
  EXPECT_EQ(ZYLSystemFolderId(bfoDesktopExpanded), 0xFEFE);
  EXPECT_EQ(ZYLSystemFolderId(bfoMyComputer), win::CSIDL_DRIVES);
  EXPECT_EQ(ZYLSystemFolderId(bfoInternet), win::CSIDL_INTERNET);
}

TEST_F(BrowseDlg, AStartFolderRootsTheTree) {
  dlg_->SetStartFolder(bfoMyComputer);
  TDialogScript script;
  script.Press("Cancel");
  EXPECT_FALSE(dlg_->Execute());
  EXPECT_EQ(vcl::Trim(script.Shown().at(0).Values.at("Folders")), "My Computer");
}

}  // namespace
}  // namespace zyl
