// The folder browser behind the shell's SHBrowseForFolderA: a modal form with the folder tree.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/base/Finally.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/DialogsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/sys/ShlObj.h"

namespace vcl {

using namespace dialogs;
using namespace win;

namespace {

// Frees an item list made for the callback.
struct TItemList {
  LPITEMIDLIST Pidl;
  explicit TItemList(LPITEMIDLIST p) : Pidl(p) {}
  ~TItemList() { CoTaskMemFree(Pidl); }
  TItemList(const TItemList&) = delete;
  TItemList& operator=(const TItemList&) = delete;
};

// The tree shows, two spaces deeper a level, the top (the root folder's full path, or the
// desktop or a virtual folder above the file system's root "/"), the folders from there down
// to the selected one, and the selected folder's subfolders (and files with
// BIF_BROWSEINCLUDEFILES). A double click opens a folder; a click selects it.
class TBrowseForm : public TForm {
 public:
  explicit TBrowseForm(BROWSEINFOA* Info) : TForm(nullptr), info_(Info) {
    SetName("BrowseForFolderForm");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetCaption("Browse for Folder");
    const UINT flags = Info->ulFlags;
    AddLabel(this, "Title", Info->lpszTitle ? Info->lpszTitle : "", 8, 8);
    status_ = AddLabel(this, "Status", "", 8, 26);
    status_->SetVisible(flags & BIF_STATUSTEXT);
    const int top = (flags & BIF_STATUSTEXT) ? 44 : 28;
    tree_ = AddListBox(this, "Folders", 8, top, 300, 220);
    tree_->OnClick = TNotifyEvent(this, &TBrowseForm::TreeClick);
    tree_->OnDblClick = TNotifyEvent(this, &TBrowseForm::TreeOpen);
    int y = top + 228;
    if (flags & BIF_EDITBOX) {
      AddLabel(this, "FolderLabel", "F&older:", 8, y + 4);
      edit_ = AddEdit(this, "Folder", "", 60, y, 248);
      y += 30;
    }
    ok_ = AddButton(this, "OK", SOKButton, mrOk, 152, y, 75, 23);
    ok_->SetDefault(true);
    AddButton(this, "Cancel", SCancelButton, mrCancel, 233, y, 75, 23)->SetCancel(true);
    SetClientWidthProp(316);
    SetClientHeightProp(y + 31);
    SetActiveControl(tree_);
    OnCloseQuery = TCloseQueryEvent(this, &TBrowseForm::CanClose);
    OnShow = TNotifyEvent(this, &TBrowseForm::Shown);

    if (Info->pidlRoot && !IsVirtualItemIDList(Info->pidlRoot)) {
      char path[MAX_PATH];
      if (SHGetPathFromIDListA(Info->pidlRoot, path) && ILGetSize(Info->pidlRoot) > 2)
        rootPath_ = path;
    }
    if (rootPath_.empty())
      rootName_ = Info->pidlRoot ? ItemIDListDisplayName(Info->pidlRoot) : "Desktop";
    Select(rootPath_, false);
  }

  // The chosen item's list, or null.
  LPITEMIDLIST Result() const {
    if (!chosen_.empty()) return ILCreateFromPathA(chosen_.c_str());
    if (info_->pidlRoot) return ILClone(info_->pidlRoot);
    LPITEMIDLIST desktop = nullptr;
    SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop);
    return desktop;
  }

 protected:
  void WndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case BFFM_SETSTATUSTEXTA:
        status_->SetCaption(Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "");
        return;
      case BFFM_ENABLEOK: ok_->SetEnabled(Message.LParam != 0); return;
      case BFFM_SETSELECTIONA: {
        std::string path;
        if (Message.WParam) {
          path = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
        } else if (Message.LParam) {
          char buffer[MAX_PATH];
          if (SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(Message.LParam), buffer))
            path = buffer;
        }
        if (!path.empty() && DirectoryExists(path)) {
          Select(ExcludeTrailingPathDelimiter(ExpandFileName(path)), true);
          if (path == "/" || path == "\\") Select("/", true);
        }
        return;
      }
      default: TForm::WndProc(Message);
    }
  }

 private:
  int Callback(UINT msg, LPARAM lParam) {
    return info_->lpfn ? info_->lpfn(Handle(), msg, lParam, info_->lParam) : 0;
  }
  void SelChanged() {
    TItemList item(selected_.empty() ? (info_->pidlRoot ? ILClone(info_->pidlRoot) : nullptr)
                                     : ILCreateFromPathA(selected_.c_str()));
    if (info_->ulFlags & BIF_RETURNONLYFSDIRS)
      ok_->SetEnabled(!selected_.empty() || !rootPath_.empty());
    Callback(BFFM_SELCHANGED, reinterpret_cast<LPARAM>(item.Pidl));
  }

  // Fills the tree for the folder `path` ("" for the top) and selects it.
  void Select(const std::string& path, bool notify) {
    tree_->Items()->BeginUpdate();
    TFinally end([this] { tree_->Items()->EndUpdate(); });
    tree_->Items()->Clear();
    paths_.clear();
    auto add = [this](int depth, const std::string& name, const std::string& full) {
      tree_->Items()->Add(std::string(static_cast<size_t>(depth) * 2, ' ') + name);
      paths_.push_back(full);
    };
    // The chain from the top down to path.
    int depth = 0;
    std::string cur;
    if (!rootPath_.empty()) {
      add(0, rootPath_, rootPath_);
      cur = rootPath_;
    } else {
      add(0, rootName_, "");
      if (!path.empty()) {
        add(1, "/", "/");
        cur = "/";
        depth = 1;
      }
    }
    std::string rest = path.size() > cur.size() ? path.substr(cur.size()) : "";
    size_t start = 0;
    while (start < rest.size()) {
      size_t slash = rest.find('/', start);
      if (slash == std::string::npos) slash = rest.size();
      if (slash > start) {
        const std::string name = rest.substr(start, slash - start);
        cur = (cur == "/" ? "" : cur) + "/" + name;
        add(++depth, name, cur);
      }
      start = slash + 1;
    }
    const int selectedIndex = tree_->Items()->Count() - 1;
    // The children of the selected item.
    if (path.empty() && rootPath_.empty()) {
      const bool fileSystem = !info_->pidlRoot || ILGetSize(info_->pidlRoot) <= 2 ||
                              ItemIDListDisplayName(info_->pidlRoot) == "My Computer";
      if (fileSystem) add(1, "/", "/");
    } else {
      const std::string base = cur == "/" ? "/" : cur + "/";
      const bool files = info_->ulFlags & BIF_BROWSEINCLUDEFILES;
      TSearchRec sr;
      if (FindFirst(base + "*", faDirectory, sr) == 0) {
        do {
          if (sr.Name == "." || sr.Name == "..") continue;
          if ((sr.Attr & faDirectory) || files) add(depth + 1, sr.Name, base + sr.Name);
        } while (FindNext(sr) == 0);
        FindClose(sr);
      }
    }
    tree_->SetItemIndex(selectedIndex);
    selected_ = path;
    if (notify) SelChanged();
  }

  // The dialog is up: the callback hears it, and of the selection.
  void Shown(TObject*) {
    Callback(BFFM_INITIALIZED, 0);
    SelChanged();
  }
  void TreeClick(TObject*) {
    const int i = tree_->ItemIndex();
    if (i < 0 || paths_[i] == selected_) return;
    selected_ = paths_[i];
    if (edit_) edit_->SetText(selected_.empty() ? "" : ExtractFileName(selected_));
    SelChanged();
  }
  void TreeOpen(TObject*) {
    const int i = tree_->ItemIndex();
    if (i < 0) return;
    const std::string path = paths_[i];
    if (!path.empty() && !DirectoryExists(path)) return;  // a file
    Select(path, false);
  }
  void CanClose(TObject*, bool& Can) {
    if (ModalResult() != mrOk) return;
    chosen_ = selected_;
    if (!edit_) return;
    const std::string typed = edit_->Text();
    if (typed.empty() || typed == ExtractFileName(selected_)) return;
    const bool absolute =
        typed[0] == '/' || typed[0] == '\\' || (typed.size() > 1 && typed[1] == ':');
    const std::string base = selected_.empty() ? (rootPath_.empty() ? "/" : rootPath_) : selected_;
    const std::string full = absolute ? ExpandFileName(typed)
                                      : ExpandFileName(IncludeTrailingPathDelimiter(base) + typed);
    if (DirectoryExists(full)) {
      chosen_ = ExcludeTrailingPathDelimiter(full);
      return;
    }
    if (info_->ulFlags & BIF_VALIDATE) {
      // Nonzero from the callback keeps the dialog open; zero closes it with nothing chosen.
      if (Callback(BFFM_VALIDATEFAILEDA, reinterpret_cast<LPARAM>(typed.c_str())) != 0) {
        Can = false;
        return;
      }
      invalid_ = true;
    }
  }

 public:
  bool invalid_ = false;

 private:
  BROWSEINFOA* info_;
  std::string rootPath_, rootName_;
  std::string selected_, chosen_;
  std::vector<std::string> paths_;
  TLabel* status_;
  TListBox* tree_;
  TEdit* edit_ = nullptr;
  TButton* ok_;
};

LPITEMIDLIST BrowseForFolder(BROWSEINFOA* info) {
  auto f = std::make_unique<TBrowseForm>(info);
  // An owner that is no form is disabled too while the dialog runs. A form is left to the
  // modal loop, which disables the forms and enables them again before it hands activation
  // back, so that the focus can return to the owner's active control.
  HWND owner = info->hwndOwner && IsWindow(info->hwndOwner) ? GetAncestor(info->hwndOwner, GA_ROOT)
                                                            : nullptr;
  const bool disable =
      owner && IsWindowEnabled(owner) && !dynamic_cast<TCustomForm*>(FindControl(owner));
  if (disable) EnableWindow(owner, FALSE);
  TFinally enable([&] {
    if (disable && IsWindow(owner)) EnableWindow(owner, TRUE);
  });
  if (f->ShowModal() != mrOk || f->invalid_) return nullptr;
  LPITEMIDLIST result = f->Result();
  if (result && info->pszDisplayName) {
    const std::string name = ItemIDListDisplayName(result).substr(0, MAX_PATH - 1);
    std::memcpy(info->pszDisplayName, name.c_str(), name.size() + 1);
  }
  return result;
}

}  // namespace

namespace dialogs {
void InstallFolderBrowser() { SetBrowseForFolderProc(&BrowseForFolder); }
}  // namespace dialogs

}  // namespace vcl
