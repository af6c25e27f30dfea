// The framework's folder controls: a list of a folder's path and subfolders, a list of a
// folder's files, and a box of the mapped drives (see "Paths" in docs/CONVENTIONS.md: a drive
// X: is the folder ZYL_DRIVE_X names, C: the root folder by default).
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
class TFileListBox;

// The letters of the mapped drives (whose folder exists), in order.
std::string MappedDrives();

// The folder Native (a native path) as a name on the drive whose folder holds it ("X:\A\B"), the
// drive with the longest folder winning; "C:\" when no mapped drive holds it.
std::string DriveFolderOf(const std::string& Native);

// Lists, one level an item, the drive's root and the folders down to Directory, then
// Directory's subfolders in name order; the item of Directory is selected. A double click or
// Return opens the selected item's folder. A new list opens the current folder.
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
  // The file list that follows Directory (null: none). Cleared when the list is freed.
  TFileListBox* FileList() const { return fileList_; }
  void SetFileList(TFileListBox* Value);
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
  TFileListBox* fileList_ = nullptr;
};

ZYL_ENUM(TFileAttr, ftReadOnly, ftHidden, ftSystem, ftVolumeID, ftDirectory, ftArchive, ftNormal)
using TFileType = TSet<TFileAttr>;

// The files of Directory that match Mask (several masks separated by ';'), in name order:
// with ftNormal every file, else only files with one of the attributes of FileType;
// subfolders as "[name]" with ftDirectory. With ShowGlyphs each item shows the shell's small
// icon of its file. The linked FileEdit shows the selected file's name, or the mask while none
// is selected. A new list shows the current folder.
class TFileListBox : public TCustomListBox {
  ZYL_CLASS(TFileListBox, TCustomListBox)
  explicit TFileListBox(TComponent* AOwner);

  const std::string& Directory() const { return directory_; }
  // Lists the folder (relative names are taken from the current folder); a folder that does
  // not exist lists nothing.
  void SetDirectory(const std::string& Value);
  char Drive() const { return directory_.empty() ? 'C' : directory_[0]; }
  void SetDrive(char Value);
  const std::string& Mask() const { return mask_; }
  void SetMask(const std::string& Value);
  TFileType FileType() const { return fileType_; }
  void SetFileType(TFileType Value);
  bool ShowGlyphs() const { return showGlyphs_; }
  void SetShowGlyphs(bool Value);
  TEdit* FileEdit() const { return fileEdit_; }
  void SetFileEdit(TEdit* Value);
  // The selected file's full name ("" when none); setting a full name opens its folder and
  // selects it.
  std::string FileName();
  void SetFileName(const std::string& Value);
  // Reads the folder again.
  void Update();

  TNotifyEvent OnChange;
  const TNotifyEvent& GetOnChange() const { return OnChange; }
  void SetOnChange(const TNotifyEvent& Value) { OnChange = Value; }

 protected:
  void Click() override;
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;

 private:
  void Fill();
  void Changed();

  std::string directory_;
  std::string mask_ = "*.*";
  TFileType fileType_{ftNormal};
  bool showGlyphs_ = false;
  TEdit* fileEdit_ = nullptr;
};

// The mapped drives as "X:", in letter order; Drive is the selected one. Choosing a drive
// opens its root in the linked folder list.
class TDriveComboBox : public TCustomComboBox {
  ZYL_CLASS(TDriveComboBox, TCustomComboBox)
  explicit TDriveComboBox(TComponent* AOwner);

  char Drive();
  // Selects drive Value (upper or lower case) when it is mapped; OnChange does not fire.
  void SetDrive(char Value);
  // The folder list that follows the chosen drive (null: none); linking selects the list's
  // drive. Cleared when the list is freed.
  TDirectoryListBox* DirList() const { return dirList_; }
  void SetDirList(TDirectoryListBox* Value);

 protected:
  void Change() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace vcl
