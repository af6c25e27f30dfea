// The framework's folder controls: a list of a folder's path and subfolders, and a box of the
// mapped drives (see "Paths" in docs/CONVENTIONS.md: a drive X: is the folder ZYL_DRIVE_X
// names, C: the root folder by default).
#pragma once

#include <string>

#include "platform/controls/StdCtrls.h"

namespace vcl {

class TCanvas;

// FileName shortened to fit MaxLen pixels of Canvas's font: the folders after the drive or root
// give way one by one, from the first on, to "..." ("C:\...\Sub\File.txt"), then the drive
// and root go (".../File.txt"), then the dots; the file part is never cut. The separators
// stay those of the name.
std::string MinimizeName(const std::string& FileName, TCanvas* Canvas, int MaxLen);

// Lists, one level an item, the drive's root and the folders down to Directory, then
// Directory's subfolders in name order; the item of Directory is selected. A double click or
// Return opens the selected item's folder.
class TDirectoryListBox : public TCustomListBox {
  ZYL_CLASS(TDirectoryListBox, TCustomListBox)
  explicit TDirectoryListBox(TComponent* AOwner);

  // "X:\" for a drive's root, else "X:\Folder\Sub" without a trailing separator.
  const std::string& Directory() const { return directory_; }
  // Opens Value (relative names are taken from the current folder); a folder that does not
  // exist opens its nearest existing parent, or the drive's root, or C:\.
  void SetDirectory(const std::string& Value);
  char Drive() const { return directory_.empty() ? 'C' : directory_[0]; }
  // Opens the root of drive Value.
  void SetDrive(char Value);
  // The label that shows Directory (null: none). Cleared when the label is freed.
  TLabel* DirLabel() const { return dirLabel_; }
  void SetDirLabel(TLabel* Value);
  // The full path of item Index.
  std::string GetItemPath(int Index);
  // Reads the subfolders again.
  void Update();

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& Value) { OnChange = Value; }

 protected:
  void DblClick() override;
  void KeyPress(char& Key) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void Fill();

  std::string directory_;
  int levels_ = 0;  // items from the root down to Directory
  TLabel* dirLabel_ = nullptr;
};

// The mapped drives as "X:", in letter order; Drive is the selected one.
class TDriveComboBox : public TCustomComboBox {
  ZYL_CLASS(TDriveComboBox, TCustomComboBox)
  explicit TDriveComboBox(TComponent* AOwner);

  char Drive();
  // Selects drive Value (upper or lower case) when it is mapped; OnChange does not fire.
  void SetDrive(char Value);
};

}  // namespace vcl
