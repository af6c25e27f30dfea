// The folder dialog on a drive D: mapped to a temporary folder: where the list opens, what OK
// and Cancel leave in Path, the drive box, and making a new folder from the dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "foundation/ZYLApplication.h"
#include "platform/classes/StringList.h"
#include "platform/controls/FileCtrl.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/FileUtils.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLDirDlg.h"
#include "tests/support/Cases.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;
namespace wt = win::testkit;

// Maps drive D: to a fresh folder holding Data\Sub, and restores the mapping afterwards.
class TDriveD {
 public:
  TDriveD() {
    if (const char* v = std::getenv("ZYL_DRIVE_D")) old_ = v, had_ = true;
    setenv("ZYL_DRIVE_D", dir_.Path().c_str(), 1);
    std::filesystem::create_directories(dir_.Path() + "/Data/Sub");
  }
  ~TDriveD() {
    if (had_)
      setenv("ZYL_DRIVE_D", old_.c_str(), 1);
    else
      unsetenv("ZYL_DRIVE_D");
  }
  bool Has(const std::string& sub) const {
    return std::filesystem::is_directory(dir_.Path() + "/" + sub);
  }

 private:
  testsupport::TempDir dir_;
  std::string old_;
  bool had_ = false;
};

vcl::TDirectoryListBox* List(vcl::TCustomForm* form) {
  return dynamic_cast<vcl::TDirectoryListBox*>(vt::DialogControl(form, "Directory"));
}
vcl::TDriveComboBox* Drives(vcl::TCustomForm* form) {
  return dynamic_cast<vcl::TDriveComboBox*>(vt::DialogControl(form, "Drive"));
}
void Click(vcl::TCustomForm* form, const char* name) {
  vt::ClickControl(dynamic_cast<vcl::TControl*>(vt::DialogControl(form, name)));
}

struct TListener : vcl::TObject {
  int Errors = 0;
  void FolderError(vcl::TObject*) { ++Errors; }
};

class DirDlg : public ::testing::Test {
 protected:
  DirDlg() {
    ZYLApplicationInit();
    dialog_ = std::make_unique<TZYLDirDlg>(nullptr);
  }
  ~DirDlg() override {
    dialog_.reset();
    ZYLApplicationDone();
  }
  // Notes the folder, drive and label shown, opens `open` (a subfolder) when given, presses
  // `button`.
  void Answer(const char* button, const char* open = nullptr) {
    script_.Do([this, button, open](vcl::TCustomForm* form) {
      dir_ = List(form)->Directory();
      drive_ = std::string(1, Drives(form)->Drive());
      label_ = dynamic_cast<vcl::TLabel*>(vt::DialogControl(form, "FolderLabel"))->Caption();
      shownWhileOpen_ = dialog_->DirList() == List(form);
      if (open) vt::ChooseListItem(List(form), open, true);
      Click(form, button);
    });
  }

  TDriveD drive_d_;
  vt::TControlsSession session_;
  std::unique_ptr<TZYLDirDlg> dialog_;
  vt::TDialogScript script_;
  TListener listener_;
  std::string dir_, drive_, label_;
  bool shownWhileOpen_ = false;
};

TEST_F(DirDlg, OpensPathOnItsDriveAndOKReturnsTheChosenFolder) {
  dialog_->SetPath("D:\\Data");
  Answer("OK", "Sub");
  EXPECT_TRUE(dialog_->Execute());
  testsupport::ExpectCases({{dir_, "D:\\Data"},
                            {drive_, "D"},
                            {label_, "D:\\Data"},
                            {dialog_->Path(), "D:\\Data\\Sub"},
                            {script_.Shown()[0].Caption, "Select Path..."}});
  EXPECT_TRUE(shownWhileOpen_);
  EXPECT_EQ(dialog_->DirList(), nullptr);
  EXPECT_EQ(dialog_->DriveBox(), nullptr);
}

TEST_F(DirDlg, CancelLeavesPathAndInitialDirWins) {
  dialog_->SetPath("D:\\Data");
  dialog_->SetInitialDir("D:\\Data\\Sub");
  Answer("Cancel", "Data");
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dir_, "D:\\Data\\Sub");
  EXPECT_EQ(dialog_->Path(), "D:\\Data");
}

TEST_F(DirDlg, ABareDriveOpensItsRootButLeavesTheDriveBox) {
  dialog_->SetPath("D:");
  Answer("OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dir_, "D:\\");
  EXPECT_EQ(drive_, "C");
}

TEST_F(DirDlg, AMissingFolderOpensItsNearestParent) {
  dialog_->SetPath("D:\\Data\\Gone\\Deeper");
  Answer("OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dir_, "D:\\Data");
}

TEST_F(DirDlg, GetDirChangesDirOnlyOnOK) {
  std::string dir = "D:\\Data";
  Answer("Cancel", "Sub");
  dialog_->GetDir("Pick", dir);
  EXPECT_EQ(dir, "D:\\Data");
  EXPECT_EQ(script_.Shown()[0].Caption, "Pick");
  Answer("OK", "Sub");
  dialog_->GetDir("Pick", dir);
  EXPECT_EQ(dir, "D:\\Data\\Sub");
}

struct TCaseCase {
  const char* Name;
  TZYLCharCase Case;
  const char* Path;
};

class DirDlgCharCase : public DirDlg, public ::testing::WithParamInterface<TCaseCase> {};

TEST_P(DirDlgCharCase, ConvertsTheReturnedPath) {
  dialog_->SetCharCase(GetParam().Case);
  dialog_->SetPath("D:\\Data");
  Answer("OK", "Sub");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Path(), GetParam().Path);
}

INSTANTIATE_TEST_SUITE_P(Cases, DirDlgCharCase,
                         ::testing::Values(TCaseCase{"Normal", ccNormal, "D:\\Data\\Sub"},
                                           TCaseCase{"Upper", ccUpperCase, "D:\\DATA\\SUB"},
                                           TCaseCase{"Lower", ccLowerCase, "d:\\data\\sub"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DirDlg, ChoosingADriveOpensItsRoot) {
  dialog_->SetPath("C:\\");
  script_.Do([this](vcl::TCustomForm* form) {
    vcl::TDriveComboBox* drives = Drives(form);
    drives->SetFocus();
    wt::KeyPress('D');
    dir_ = List(form)->Directory();
    drive_ = std::string(1, drives->Drive());
    Click(form, "OK");
  });
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(drive_, "D");
  EXPECT_EQ(dir_, "D:\\");
  EXPECT_EQ(dialog_->Path(), "D:\\");
}

TEST_F(DirDlg, NewFolderIsMadeInTheListsFolderAndOpened) {
  dialog_->SetAllowNewDir(true);
  dialog_->SetPath("D:\\Data");
  script_.Do([](vcl::TCustomForm* form) { Click(form, "NewFolder"); });
  script_.Type("Fresh", "OK");
  Answer("OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_TRUE(drive_d_.Has("Data/Fresh"));
  EXPECT_EQ(dir_, "D:\\Data\\Fresh");
  EXPECT_EQ(dialog_->Path(), "D:\\Data\\Fresh");
  ASSERT_EQ(script_.Shown().size(), 2u);
  EXPECT_EQ(script_.Shown()[1].Caption, "New Folder");
  EXPECT_EQ(script_.Shown()[1].Text, "Name: (D:\\Data)");
}

TEST_F(DirDlg, TheNewFolderPromptShortensALongPath) {
  std::string path = "D:\\Data";
  for (const char* part : {"first-long-folder", "second-long-folder"}) {
    path += std::string("\\") + part;
    ASSERT_TRUE(vcl::CreateDir(path));
  }
  dialog_->SetAllowNewDir(true);
  dialog_->SetPath(path);
  script_.Do([](vcl::TCustomForm* form) { Click(form, "NewFolder"); });
  script_.PressKey(win::VK_ESCAPE);
  Answer("Cancel");
  dialog_->Execute();
  ASSERT_EQ(script_.Shown().size(), 2u);
  const std::string& prompt = script_.Shown()[1].Text;
  EXPECT_EQ(prompt.substr(0, 7), "Name: (");
  EXPECT_LE(prompt.size(), 7u + 36u + 1u);
  EXPECT_NE(prompt.find("..."), std::string::npos);
  EXPECT_EQ(dir_, path);
}

// Names the routine cannot make: an existing folder, and names that would leave the folder.
struct TBadName {
  const char* Name;
  const char* Typed;
  const char* Outside;  // a folder the name must not create ("" none)
};

class DirDlgBadName : public DirDlg, public ::testing::WithParamInterface<TBadName> {};

TEST_P(DirDlgBadName, IsReportedAndTheListStays) {
  const TBadName& c = GetParam();
  dialog_->SetAllowNewDir(true);
  dialog_->SetPath("D:\\Data");
  // With a handler, the handler hears of it.
  dialog_->SetOnFolderError(vcl::TNotifyEvent(&listener_, &TListener::FolderError));
  script_.Do([](vcl::TCustomForm* form) { Click(form, "NewFolder"); });
  script_.Type(c.Typed, "OK");
  Answer("OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(listener_.Errors, 1);
  EXPECT_EQ(dir_, "D:\\Data");
  if (*c.Outside) {
    EXPECT_FALSE(drive_d_.Has(c.Outside));
  }
  // Without one, a warning says so and the dialog stays open.
  dialog_->SetOnFolderError({});
  script_.Do([](vcl::TCustomForm* form) { Click(form, "NewFolder"); });
  script_.Type(c.Typed, "OK");
  script_.Press("OK");
  Answer("OK");
  EXPECT_TRUE(dialog_->Execute());
  ASSERT_EQ(script_.Shown().size(), 5u);
  EXPECT_EQ(script_.Shown()[4].Text, "IO-Error!\rCould not create folder.");
  EXPECT_EQ(dir_, "D:\\Data");
}

INSTANTIATE_TEST_SUITE_P(Cases, DirDlgBadName,
                         ::testing::Values(TBadName{"Existing", "Sub", ""},
                                           TBadName{"Parent", "..\\Escaped", "Escaped"},
                                           TBadName{"Nested", "A\\B", "Data/A"},
                                           TBadName{"Dots", "..", ""}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DirDlg, HintsGoToTheirControlsByPosition) {
  vcl::TStringList hints;
  for (const char* h : {"ok", "custom", "cancel", "list"}) hints.Add(h);
  dialog_->SetHints(&hints);
  std::vector<std::string> got;
  script_.Do([&](vcl::TCustomForm* form) {
    for (const char* name : {"OK", "Custom", "Cancel", "Directory", "Drive", "NewFolder"})
      got.push_back(dynamic_cast<vcl::TControl*>(vt::DialogControl(form, name))->Hint());
    Click(form, "OK");
  });
  dialog_->Execute();
  EXPECT_EQ(got, (std::vector<std::string>{"ok", "custom", "cancel", "list", "", ""}));
}

}  // namespace
}  // namespace zyl
