#include "system/ZYLDirDlg.h"

#include <memory>

#include "buttons/ZYLButton.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLStrings.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/FileCtrl.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "system/ZYLBack.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLDirDlg) {
  using T = TZYLDirDlg;
  b.Prop("InitialDir", &T::InitialDir, &T::SetInitialDir)
      .Prop("Path", &T::Path, &T::SetPath)
      .Stored(false)
      .Prop("AllowNewDir", &T::AllowNewDir, &T::SetAllowNewDir)
      .Default(false)
      .Prop("ShowLabelDir", &T::ShowLabelDir, &T::SetShowLabelDir)
      .Default(false)
      .Prop("CharCase", &T::CharCase, &T::SetCharCase)
      .Default(ccNormal)
      .Prop("OnFolderError", &T::GetOnFolderError, &T::SetOnFolderError);
}

namespace {

// A name the new-folder routine accepts: one folder inside the current one.
bool PlainFolderName(const std::string& Name) {
  return Name != "." && Name != ".." && Name.find_first_of("\\/:") == std::string::npos;
}

}  // namespace

void TZYLDirDlg::GetDir(const std::string& Caption, std::string& Dir) {
  SetCaptionTitle(Caption);
  FPath = Dir;
  if (ExecuteEnh(nullptr)) Dir = FPath;
}

bool TZYLDirDlg::ExecuteEnh(vcl::TCustomForm* Target) {
  if (ShownForm()) return false;  // a second Execute inside the wait of the first
  std::unique_ptr<vcl::TForm> form = NewDialogForm("ZYLDirForm", -12);

  TZYLButton* ok = NewOKButton(form.get(), 302, 20, 86, 2);
  TZYLButton* cancel = NewCancelButton(form.get(), 302, 47, 86, 3, vcl::SCancelButton);
  TZYLButton* custom = NewButton(form.get(), "Custom", 302, 81, 86, 4);
  custom->SetVisible(false);
  TZYLButton* newFolder = NewButton(form.get(), "NewFolder", 302, 225, 86, 5);
  newFolder->SetVisible(FAllowNewDir);
  if (FAllowNewDir) newFolder->SetCaption(SZYLNewFolder);

  auto* folderLabel = new vcl::TLabel(form.get());
  folderLabel->SetName("FolderLabel");
  folderLabel->SetParent(form.get());
  folderLabel->SetAutoSize(false);
  folderLabel->SetBounds(35, 5, 186, 13);
  folderLabel->Font()->SetColor(vcl::clNavy);
  folderLabel->SetTransparent(true);
  folderLabel->SetVisible(FShowLabelDir);

  auto* drives = new vcl::TDriveComboBox(form.get());
  drives->SetName("Drive");
  drives->SetParent(form.get());
  drives->SetBounds(6, 267, 290, 19);
  drives->SetTabOrder(1);
  auto* driveLabel = new vcl::TLabel(form.get());
  driveLabel->SetName("DriveLabel");
  driveLabel->SetParent(form.get());
  driveLabel->SetBounds(8, 253, 3, 10);
  driveLabel->SetTransparent(true);
  driveLabel->SetCaption("&Drive:");
  driveLabel->SetFocusControl(drives);

  auto* list = new vcl::TDirectoryListBox(form.get());
  list->SetName("Directory");
  list->SetParent(form.get());
  list->SetBounds(6, 20, 290, 229);
  list->SetItemHeight(17);
  list->SetTabOrder(0);
  list->SetDirLabel(folderLabel);
  form->SetActiveControl(list);
  auto* pathLabel = new TZYLSimpleLabel(form.get());
  pathLabel->SetName("PathLabel");
  pathLabel->SetParent(form.get());
  pathLabel->SetBounds(6, 5, 3, 10);
  pathLabel->SetCaption("&Path:");
  pathLabel->SetControl(list);

  TZYLFormStyler* styler =
      NewStyler(form.get(), {fsAdjustRect, fsUseDefaultFont, fsUseFormCaption});
  TZYLBack* back = NewBack(form.get());
  form->SetClientWidth(ok->Left() + ok->Width() + 7);
  form->SetClientHeight(drives->Top() + drives->Height() + 6);

  GiveHints(form.get(), {ok, custom, cancel, list, drives, newFolder});

  const std::string start = FInitialDir.empty() ? FPath : FInitialDir;
  list->SetDirectory(start);
  if (start.size() > 2 && start[1] == ':') drives->SetDrive(start[0]);
  FDirList = list;
  FDriveBox = drives;
  const vcl::TFinally forget([this] { FDirList = nullptr, FDriveBox = nullptr; });
  drives->SetOnChange(vcl::TNotifyEvent(this, &TZYLDirDlg::DriveChange));
  newFolder->OnClick = vcl::TNotifyEvent(this, &TZYLDirDlg::NewFolderClick);

  if (BaseExecute(form.get(), Target, custom, styler, back, "Select Path...") != vcl::mrOk)
    return false;
  const std::string& chosen = list->Directory();
  FPath = FCharCase == ccUpperCase   ? vcl::AnsiUpperCase(chosen)
          : FCharCase == ccLowerCase ? vcl::AnsiLowerCase(chosen)
                                     : chosen;
  return true;
}

void TZYLDirDlg::DriveChange(vcl::TObject* /*Sender*/) {
  if (FDirList && FDriveBox) FDirList->SetDrive(FDriveBox->Drive());
}

void TZYLDirDlg::NewFolderClick(vcl::TObject* /*Sender*/) {
  if (!FDirList || !FDriveBox || FDirList->ItemIndex() < 0) return;
  const std::string prompt =
      "Name: (" + ZYLShrunkFileName(FDirList->GetItemPath(FDirList->ItemIndex()), 36) + ")";
  const std::string caption = vcl::Trim(ZYLReplaceChar(SZYLNewFolder, '&', ' '));
  std::string name;
  if (!vcl::InputQuery(caption, prompt, name) || name.empty()) return;
  const std::string folder = ZYLSlashAdd(FDirList->Directory()) + name;
  if (PlainFolderName(name) && vcl::CreateDir(folder)) {
    FDirList->SetDirectory(folder);
    FDirList->Update();
  } else if (FOnFolderError) {
    FOnFolderError(this);
  } else {
    vcl::MessageDlg(SZYLFolderError, vcl::mtWarning, {vcl::mbOK}, 0);
  }
}

}  // namespace zyl
