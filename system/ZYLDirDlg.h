// TZYLDirDlg: lets the user pick a folder from the framework's folder list and drive box on a
// form built in code, and optionally create a new folder there.
#pragma once

#include <string>

#include "platform/sys/Packages.h"
#include "system/ZYLBaseDialog.h"

namespace vcl {
class TDirectoryListBox;
class TDriveComboBox;
}  // namespace vcl

namespace zyl {

class TZYLDirDlg : public TZYLBaseDialog {
  ZYL_CLASS(TZYLDirDlg, TZYLBaseDialog)

  explicit TZYLDirDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  const std::string& Path() const { return FPath; }
  void SetPath(const std::string& Value) { FPath = Value; }
  bool AllowNewDir() const { return FAllowNewDir; }
  void SetAllowNewDir(bool Value) { FAllowNewDir = Value; }
  bool ShowLabelDir() const { return FShowLabelDir; }
  void SetShowLabelDir(bool Value) { FShowLabelDir = Value; }
  TZYLCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TZYLCharCase Value) { FCharCase = Value; }
  const vcl::TNotifyEvent& GetOnFolderError() const { return FOnFolderError; }
  void SetOnFolderError(const vcl::TNotifyEvent& Value) { FOnFolderError = Value; }

  // The form's folder list and drive box while it is shown (else null).
  vcl::TDirectoryListBox* DirList() const { return FDirList; }
  vcl::TDriveComboBox* DriveBox() const { return FDriveBox; }

  bool Execute() override { return ExecuteEnh(nullptr); }
  // Shows the dialog over Target (or placed by RelatePos when null); true after OK, with the
  // chosen folder in Path.
  bool ExecuteEnh(vcl::TCustomForm* Target);
  // Opens Dir (unless InitialDir is set) under Caption; after OK Dir is the chosen folder,
  // after Cancel it is unchanged.
  void GetDir(const std::string& Caption, std::string& Dir);

 private:
  void DriveChange(vcl::TObject* Sender);
  // Asks for a name and makes that folder in the list's folder; a name that is not a plain
  // folder name, or a folder that cannot be made, is reported and the list stays.
  void NewFolderClick(vcl::TObject* Sender);

  std::string FInitialDir;
  std::string FPath;
  bool FAllowNewDir = false;
  bool FShowLabelDir = false;
  TZYLCharCase FCharCase = ccNormal;
  vcl::TNotifyEvent FOnFolderError;
  vcl::TDirectoryListBox* FDirList = nullptr;
  vcl::TDriveComboBox* FDriveBox = nullptr;
};

inline constexpr vcl::TUnitEntry ZYLDirDlgUnit = vcl::ClassesUnit<TZYLDirDlg>("ZYLDirDlg");

}  // namespace zyl
