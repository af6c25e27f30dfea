#include "edits/ZYLBrowseDlg.h"

#include <array>
#include <memory>

#include "foundation/ZYLStrings.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBrowseDlg) {
  using T = TZYLBrowseDlg;
  b.Publish("About")
      .Prop("CaptionTitle", &T::GetString, &T::SetString)
      .Index(siCaptionTitle)
      .Prop("Caption", &T::GetString, &T::SetString)
      .Index(siCaption)
      .Prop("StartFolder", &T::StartFolder, &T::SetStartFolder)
      .Default(bfoDesktopExpanded)
      .Prop("Options", &T::Options, &T::SetOptions)
      .Default(TZYLBrowseDlgOptions{doReturnFileSysDirs, doShowPath})
      .Prop("SelectedFolder", &T::SelectedFolder, &T::SetPath)
      .Prop("Position", &T::Position, &T::SetPosition)
      .Default(bpCenter)
      .Prop("RelatePos", &T::RelatePos, &T::SetRelatePos)
      .Default(brActiveWindow)
      .Prop("StatusText", &T::StatusText, &T::SetStatusText)
      .Prop("OnInit", &T::GetOnInit, &T::SetOnInit)
      .Prop("OnSelectionChanged", &T::GetOnSelectionChanged, &T::SetOnSelectionChanged)
      .Prop("OnValidate", &T::GetOnValidate, &T::SetOnValidate);
}

namespace {

// The shell's folder identifiers, in the order of TZYLSystemFolders.
constexpr std::array<int, 31> kFolderIds = {win::CSIDL_DESKTOP,
                                            0xFEFE,
                                            win::CSIDL_PROGRAMS,
                                            win::CSIDL_CONTROLS,
                                            win::CSIDL_PRINTERS,
                                            win::CSIDL_PERSONAL,
                                            win::CSIDL_FAVORITES,
                                            win::CSIDL_STARTUP,
                                            win::CSIDL_RECENT,
                                            win::CSIDL_SENDTO,
                                            win::CSIDL_BITBUCKET,
                                            win::CSIDL_STARTMENU,
                                            win::CSIDL_DESKTOPDIRECTORY,
                                            win::CSIDL_DRIVES,
                                            win::CSIDL_NETWORK,
                                            win::CSIDL_NETHOOD,
                                            win::CSIDL_FONTS,
                                            win::CSIDL_TEMPLATES,
                                            win::CSIDL_COMMON_STARTMENU,
                                            win::CSIDL_COMMON_PROGRAMS,
                                            win::CSIDL_COMMON_STARTUP,
                                            win::CSIDL_COMMON_DESKTOPDIRECTORY,
                                            win::CSIDL_APPDATA,
                                            win::CSIDL_PRINTHOOD,
                                            win::CSIDL_ALTSTARTUP,
                                            win::CSIDL_COMMON_ALTSTARTUP,
                                            win::CSIDL_COMMON_FAVORITES,
                                            win::CSIDL_INTERNET_CACHE,
                                            win::CSIDL_COOKIES,
                                            win::CSIDL_HISTORY,
                                            win::CSIDL_INTERNET};

// The flags each option adds to the browse information, in the order of the options.
constexpr std::array<win::UINT, 10> kOptionFlags = {win::BIF_BROWSEFORCOMPUTER,
                                                    win::BIF_BROWSEFORPRINTER,
                                                    win::BIF_DONTGOBELOWDOMAIN,
                                                    win::BIF_RETURNFSANCESTORS,
                                                    win::BIF_RETURNONLYFSDIRS,
                                                    win::BIF_STATUSTEXT,
                                                    win::BIF_BROWSEINCLUDEFILES,
                                                    win::BIF_EDITBOX | win::BIF_VALIDATE,
                                                    0,
                                                    0};

// Frees an item list of the shell at the end of the scope.
struct TItemList {
  win::LPITEMIDLIST Items = nullptr;
  ~TItemList() { win::CoTaskMemFree(Items); }
};

std::string PathOf(win::LPCITEMIDLIST Item) {
  char path[win::MAX_PATH] = "";
  if (!Item || !win::SHGetPathFromIDListA(Item, path)) return {};
  return vcl::Trim(path);
}

}  // namespace

int ZYLSystemFolderId(TZYLSystemFolders Folder) { return kFolderIds[static_cast<size_t>(Folder)]; }

TZYLBrowseDlg::TZYLBrowseDlg(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLBrowseDlg::SetString(int Index, std::string Value) {
  (Index == siCaption ? FCaption : FCaptionTitle) = std::move(Value);
}

win::LRESULT TZYLBrowseDlg::SendToDialog(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) {
  return FHandle ? win::SendMessageA(FHandle, Msg, WParam, LParam) : 0;
}

void TZYLBrowseDlg::SetStatusText(const std::string& Value) {
  if (Value == FStatusText) return;
  FStatusText = Value;
  SendToDialog(win::BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<win::LPARAM>(FStatusText.c_str()));
}

void TZYLBrowseDlg::SetPath(const std::string& Value) {
  if (Value == FSelectedFolder) return;
  FSelectedFolder = Value;
  SendToDialog(win::BFFM_SETSELECTIONA, 1, reinterpret_cast<win::LPARAM>(FSelectedFolder.c_str()));
}

void TZYLBrowseDlg::SetSelected(win::PItemIDList Item) {
  SendToDialog(win::BFFM_SETSELECTIONA, 0, reinterpret_cast<win::LPARAM>(Item));
}

void TZYLBrowseDlg::EnableOKButton(bool Value) {
  SendToDialog(win::BFFM_ENABLEOK, 0, Value ? 1 : 0);
}

bool TZYLBrowseDlg::ConvertPathToItemIDList(const std::string& Path, win::PItemIDList& Item) {
  Item = nullptr;
  win::IShellFolder* desktop = nullptr;
  if (!win::SUCCEEDED(win::SHGetDesktopFolder(&desktop)) || !desktop) return false;
  std::unique_ptr<win::IShellFolder, void (*)(win::IShellFolder*)> hold(
      desktop, [](win::IShellFolder* f) { f->Release(); });
  if (!vcl::DirectoryExists(Path)) return false;
  win::ULONG eaten = 0;
  return win::SUCCEEDED(
             desktop->ParseDisplayName(nullptr, nullptr, Path.c_str(), &eaten, &Item, nullptr)) &&
         Item != nullptr;
}

bool TZYLBrowseDlg::Execute() {
  auto* form = dynamic_cast<vcl::TCustomForm*>(Owner());
  if (!form && vcl::Application) form = vcl::Application->MainForm();
  return ExecuteEnh(form);
}

bool TZYLBrowseDlg::ExecuteEnh(vcl::TCustomForm* ParentForm) {
  // An Execute from inside the wait of the one under way would take the open dialog's handle:
  // it shows nothing and answers false.
  if (FHandle) return false;
  TItemList root;
  win::SHGetSpecialFolderLocation(nullptr, ZYLSystemFolderId(FStartFolder), &root.Items);
  char displayName[win::MAX_PATH] = "";
  win::BROWSEINFOA info;
  info.hwndOwner = ParentForm ? ParentForm->Handle() : nullptr;
  info.pidlRoot = root.Items;
  info.pszDisplayName = displayName;
  info.lpszTitle = FCaption.c_str();
  for (size_t i = 0; i < kOptionFlags.size(); ++i)
    if (FOptions.contains(static_cast<TZYLBrowseDlgOption>(i))) info.ulFlags |= kOptionFlags[i];
  info.lpfn = &TZYLBrowseDlg::Callback;
  info.lParam = reinterpret_cast<win::LPARAM>(this);
  TItemList chosen;
  {
    // The owner form released meanwhile closes the browser, and is freed once this call has
    // returned.
    const vcl::TReleaseHold hold(this);
    chosen.Items = win::SHBrowseForFolderA(&info);
  }
  FHandle = nullptr;
  if (!chosen.Items) return false;
  FSelectedFolder = PathOf(chosen.Items);
  return true;
}

int TZYLBrowseDlg::Callback(win::HWND Wnd, win::UINT Msg, win::LPARAM LParam, win::LPARAM Data) {
  auto* self = dynamic_cast<TZYLBrowseDlg*>(reinterpret_cast<vcl::TObject*>(Data));
  if (!self) return 0;
  switch (Msg) {
    case win::BFFM_INITIALIZED:
      self->FHandle = Wnd;
      self->DoInit();
      break;
    case win::BFFM_SELCHANGED:
      self->DoSelectionChange(reinterpret_cast<win::PItemIDList>(LParam));
      break;
    case win::BFFM_VALIDATEFAILEDA: {
      bool cancel = false;
      if (self->FOnValidate) self->FOnValidate(self, reinterpret_cast<const char*>(LParam), cancel);
      return cancel ? 1 : 0;
    }
    default: break;
  }
  return 0;
}

void TZYLBrowseDlg::DoInit() {
  const bool designing = ComponentState().contains(vcl::csDesigning);
  ZYLPositionWindow(FHandle, ZYLDlgGetTargetRect(designing ? brScreenWorkArea : FRelatePos),
                    FPosition, false);
  if (!FCaptionTitle.empty())
    win::SendMessageA(FHandle, win::WM_SETTEXT, 0,
                      reinterpret_cast<win::LPARAM>(FCaptionTitle.c_str()));
  if (!FStatusText.empty())
    SendToDialog(win::BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<win::LPARAM>(FStatusText.c_str()));
  if (!FSelectedFolder.empty())
    SendToDialog(win::BFFM_SETSELECTIONA, 1,
                 reinterpret_cast<win::LPARAM>(FSelectedFolder.c_str()));
  SendToDialog(win::BFFM_ENABLEOK, 0, FOptions.contains(doEnableOK) ? 1 : 0);
  if (FOnInit) FOnInit(this);
}

void TZYLBrowseDlg::DoSelectionChange(win::PItemIDList Item) {
  if (!FOptions.contains(doShowPath) && !FOnSelectionChanged) return;
  const std::string path = PathOf(Item);
  if (FOptions.contains(doShowPath)) SetStatusText(ZYLShrunkFileName(path, ShownPathLength));
  if (FOnSelectionChanged) FOnSelectionChanged(this, FHandle, path, Item);
}

}  // namespace zyl
