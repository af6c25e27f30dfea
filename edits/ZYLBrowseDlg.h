// TZYLBrowseDlg: shows the shell's folder browser and returns the chosen folder. It places
// the dialog window itself, can show the selected path in the dialog's status line, hands
// selection changes and typed names to the application, and passes changes of the status
// text and the selection on to the dialog while it is open.
#pragma once

#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLCustomComponent.h"
#include "platform/sys/Packages.h"
#include "platform/sys/ShlObj.h"

namespace vcl {
class TCustomForm;
}

namespace zyl {

ZYL_ENUM(TZYLBrowseDlgOption, doBrowseForComputer, doBrowseForPrinter, doDontGoBelowDomain,
         doReturnFileSysAncestors, doReturnFileSysDirs, doStatusText, doShowFiles, doAllowEdit,
         doShowPath, doEnableOK)
using TZYLBrowseDlgOptions = vcl::TSet<TZYLBrowseDlgOption>;

ZYL_ENUM(TZYLSystemFolders, bfoDesktop, bfoDesktopExpanded, bfoPrograms, bfoControlPanel,
         bfoPrinters, bfoPersonal, bfoFavorites, bfoStartup, bfoRecent, bfoSendto, bfoRecycleBin,
         bfoStartMenu, bfoDesktopDirectory, bfoMyComputer, bfoNetwork, bfoNetworkNeighborhood,
         bfoFonts, bfoTemplates, bfoCommonStartMenu, bfoCommonPrograms, bfoCommonStartup,
         bfoCommonDesktopDirectory, bfoAppData, bfoPrintHood, bfoAltStartup, bfoCommonAltstartup,
         bfoCommonFavorites, bfoInternetChache, bfoCookies, bfoHistory, bfoInternet)

using TZYLBrowseDlgSelectionChangeEvent = vcl::TEvent<void(
    vcl::TObject* Sender, win::HWND DialogHandle, const std::string& Path, win::PItemIDList Item)>;
using TZYLBrowseDlgEditValidateEvent =
    vcl::TEvent<void(vcl::TObject* Sender, const std::string& Path, bool& Cancel)>;

// The shell's folder identifier of a start folder (bfoDesktopExpanded has none: the tree
// starts unrooted).
int ZYLSystemFolderId(TZYLSystemFolders Folder);

class TZYLBrowseDlg : public TZYLCustomComponent {
  ZYL_CLASS(TZYLBrowseDlg, TZYLCustomComponent)
  // The indices of the string properties.
  enum TStringIndex { siCaptionTitle, siCaption };
  // The status line shows the selected path shortened to this many characters.
  static constexpr int ShownPathLength = 40;

  explicit TZYLBrowseDlg(vcl::TComponent* AOwner);

  // ExecuteEnh with the owner (when it is a form) or the application's main form as parent.
  bool Execute();
  // Shows the dialog; true with SelectedFolder set to the chosen folder, false (SelectedFolder
  // kept) when the user cancels.
  bool ExecuteEnh(vcl::TCustomForm* ParentForm);

  // Talk to the open dialog (nothing while it is closed).
  void SetSelected(win::PItemIDList Item);
  void EnableOKButton(bool Value);
  // The item list of an existing folder (the caller frees it with CoTaskMemFree).
  static bool ConvertPathToItemIDList(const std::string& Path, win::PItemIDList& Item);

  // The dialog window; null while no dialog is open.
  win::HWND Handle() const { return FHandle; }

  std::string GetString(int Index) const { return Index == siCaption ? FCaption : FCaptionTitle; }
  void SetString(int Index, std::string Value);
  TZYLSystemFolders StartFolder() const { return FStartFolder; }
  void SetStartFolder(TZYLSystemFolders Value) { FStartFolder = Value; }
  TZYLBrowseDlgOptions Options() const { return FOptions; }
  void SetOptions(TZYLBrowseDlgOptions Value) { FOptions = Value; }
  std::string SelectedFolder() const { return FSelectedFolder; }
  // Stores a new path; while the dialog is open, selects it there.
  void SetPath(const std::string& Value);
  TZYLDlgPosition Position() const { return FPosition; }
  void SetPosition(TZYLDlgPosition Value) { FPosition = Value; }
  TZYLDlgPosRel RelatePos() const { return FRelatePos; }
  void SetRelatePos(TZYLDlgPosRel Value) { FRelatePos = Value; }
  std::string StatusText() const { return FStatusText; }
  // Stores a new text; while the dialog is open, shows it in its status line.
  void SetStatusText(const std::string& Value);

  const vcl::TNotifyEvent& GetOnInit() const { return FOnInit; }
  void SetOnInit(const vcl::TNotifyEvent& Value) { FOnInit = Value; }
  const TZYLBrowseDlgSelectionChangeEvent& GetOnSelectionChanged() const {
    return FOnSelectionChanged;
  }
  void SetOnSelectionChanged(const TZYLBrowseDlgSelectionChangeEvent& Value) {
    FOnSelectionChanged = Value;
  }
  const TZYLBrowseDlgEditValidateEvent& GetOnValidate() const { return FOnValidate; }
  void SetOnValidate(const TZYLBrowseDlgEditValidateEvent& Value) { FOnValidate = Value; }

 protected:
  virtual void DoInit();
  virtual void DoSelectionChange(win::PItemIDList Item);

 private:
  static int Callback(win::HWND Wnd, win::UINT Msg, win::LPARAM LParam, win::LPARAM Data);
  win::LRESULT SendToDialog(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam);

  std::string FCaptionTitle;
  std::string FCaption;
  TZYLSystemFolders FStartFolder = bfoDesktopExpanded;
  TZYLBrowseDlgOptions FOptions{doReturnFileSysDirs, doShowPath};
  std::string FSelectedFolder;
  TZYLDlgPosition FPosition = bpCenter;
  TZYLDlgPosRel FRelatePos = brActiveWindow;
  std::string FStatusText;
  win::HWND FHandle = nullptr;
  vcl::TNotifyEvent FOnInit;
  TZYLBrowseDlgSelectionChangeEvent FOnSelectionChanged;
  TZYLBrowseDlgEditValidateEvent FOnValidate;
};

inline constexpr vcl::TUnitEntry ZYLBrowseDlgUnit = vcl::ClassesUnit<TZYLBrowseDlg>("ZYLBrowseDlg");

}  // namespace zyl
