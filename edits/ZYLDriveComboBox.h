// The drive combo box: the system's drives, each with its shell icon and its volume label (or,
// for a network drive, the remote name it is connected to), and the current drive letter. A
// drive without a root directory (a medium taken out, a folder that vanished) is not listed;
// its letter can still be set and then selects nothing.
#pragma once

#include "edits/ZYLCustomComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

// The kinds of drive, in the order of the system's drive type codes 0 to 6.
ZYL_ENUM(TZYLDriveType, dtUnknown, dtNoRoot, dtRemovable, dtFixed, dtNetwork, dtCDROM, dtRAM)

class TZYLDriveComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLDriveComboBox, TZYLCustomComboBox)
  ZYL_MESSAGES(TZYLDriveComboBox)
  explicit TZYLDriveComboBox(vcl::TComponent* AOwner);

  // The current drive letter (lower case once set; 0 for none).
  char Drive() const { return FDrive; }
  // Selects the item of the letter (any case) and fires OnChange; 0 clears the choice. A
  // letter without an item changes nothing.
  void SetDrive(char Value);
  // The index of the drive's item, -1 when it is not listed.
  int IndexOfDrive(char Letter);
  // The text of a drive's item: "a:" for removable drives, else "c: [label]" or, for a
  // network drive, "f: \\server\share" (lower case).
  static std::string DriveItemText(char Letter);

 protected:
  // Lists the drives again.
  virtual void BuildList();
  void CreateWnd() override;
  void DrawItem(int Index, vcl::TRect Rect, vcl::TOwnerDrawState State) override;
  void Click() override;
  void CMFontChanged(vcl::TMessage& Message);
  void ResetItemHeight();

 private:
  char FDrive = 0;
};

inline constexpr vcl::TUnitEntry ZYLDriveComboBoxUnit =
    vcl::ClassesUnit<TZYLDriveComboBox>("ZYLDriveComboBox");

}  // namespace zyl
