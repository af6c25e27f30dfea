// The folder edit: a browse edit whose button picks a folder with the folder-browse dialog
// (TZYLBrowseDlg), optionally showing the path shortened while the edit is not focused.
// TZYLLabeledBrowseEdit is the same with its caption label.
#pragma once

#include "edits/ZYLBrowseDlg.h"
#include "edits/ZYLCustomBrowseEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

// Lets the application adjust the dialog before it opens.
using TZYLBrowseExecuteEvent = vcl::TEvent<void(vcl::TObject* Sender, TZYLBrowseDlg* bDlg)>;

class TZYLBrowseEdit : public TZYLCustomBrowseEdit {
  ZYL_CLASS(TZYLBrowseEdit, TZYLCustomBrowseEdit)
  explicit TZYLBrowseEdit(vcl::TComponent* AOwner);

  // The dialog's options and root folder.
  TZYLBrowseDlgOptions BrowseOptions() const { return FBrowseOptions; }
  void SetBrowseOptions(TZYLBrowseDlgOptions Value) { FBrowseOptions = Value; }
  TZYLSystemFolders StartFolder() const { return FStartFolder; }
  void SetStartFolder(TZYLSystemFolders Value) { FStartFolder = Value; }
  // The dialog opens at the folder in the edit.
  bool StartWithLast() const { return FStartWithLast; }
  void SetStartWithLast(bool Value) { FStartWithLast = Value; }
  // The full path (shown shortened while unfocused with MinimizeName).
  std::string Path() const { return FullText(); }
  void SetPath(const std::string& Value) { SetFullText(Value); }

  const TZYLBrowseExecuteEvent& GetOnExecute() const { return FOnExecute; }
  void SetOnExecute(const TZYLBrowseExecuteEvent& E) { FOnExecute = E; }

 protected:
  void DoBrowse() override;

 private:
  TZYLBrowseDlgOptions FBrowseOptions{doReturnFileSysDirs, doShowPath};
  TZYLSystemFolders FStartFolder = bfoDesktopExpanded;
  bool FStartWithLast = false;

 protected:
  TZYLBrowseExecuteEvent FOnExecute;
};

class TZYLLabeledBrowseEdit : public TZYLBrowseEdit {
  ZYL_CLASS(TZYLLabeledBrowseEdit, TZYLBrowseEdit)
  explicit TZYLLabeledBrowseEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLBrowseEditUnit =
    vcl::ClassesUnit<TZYLBrowseEdit, TZYLLabeledBrowseEdit>("ZYLBrowseEdit");

}  // namespace zyl
