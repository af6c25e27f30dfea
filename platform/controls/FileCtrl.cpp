#include "platform/controls/FileCtrl.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellFiles.h"
#include "platform/sys/ShellIcons.h"

namespace vcl {

using namespace win;

ZYL_CLASS_IMPL(TDirectoryListBox) {
  using C = TDirectoryListBox;
  b.Publish({"Align", "Anchors", "BiDiMode", "Color", "Columns", "Constraints", "Ctl3D"})
      .Prop("DirLabel", &C::DirLabel, &C::SetDirLabel)
      .Publish({"DragCursor", "DragMode", "Enabled"})
      .Prop("FileList", &C::FileList, &C::SetFileList)
      .Publish({"Font", "ImeMode", "ImeName", "IntegralHeight", "ItemHeight", "ParentBiDiMode",
                "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint", "TabOrder", "TabStop", "Visible"})
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

ZYL_CLASS_IMPL(TDriveComboBox) {
  using C = TDriveComboBox;
  b.Publish({"Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D"})
      .Prop("DirList", &C::DirList, &C::SetDirList)
      .Publish({"DragMode",       "DragCursor",     "Enabled",     "Font",           "ImeMode",
                "ImeName",        "ParentBiDiMode", "ParentColor", "ParentCtl3D",    "ParentFont",
                "ParentShowHint", "PopupMenu",      "ShowHint",    "TabOrder",       "TabStop",
                "Visible",        "OnChange",       "OnClick",     "OnContextPopup", "OnDblClick",
                "OnDragDrop",     "OnDragOver",     "OnDrawItem",  "OnDropDown",     "OnEndDrag",
                "OnEnter",        "OnExit",         "OnKeyDown",   "OnKeyPress",     "OnKeyUp",
                "OnStartDrag"});
}

ZYL_CLASS_IMPL(TFileListBox) {
  using C = TFileListBox;
  b.Publish({"Align", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "DragCursor",
             "DragMode", "Enabled", "ExtendedSelect"})
      .Prop("FileEdit", &C::FileEdit, &C::SetFileEdit)
      .Prop("FileType", &C::FileType, &C::SetFileType)
      .Default(TFileType{ftNormal})
      .Publish({"Font", "ImeMode", "ImeName", "IntegralHeight", "ItemHeight"})
      .Prop("Mask", &C::Mask, &C::SetMask)
      .Publish({"MultiSelect", "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
                "ParentShowHint", "PopupMenu"})
      .Prop("ShowGlyphs", &C::ShowGlyphs, &C::SetShowGlyphs)
      .Default(false)
      .Publish({"ShowHint", "TabOrder", "TabStop", "Visible"})
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Publish({"OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDrag"});
}

namespace {

bool IsDelim(char c) { return c == '\\' || c == '/'; }

// "X:\A\B" from a name with a drive, separators made '\', no trailing one but the root's.
std::string Normal(std::string name) {
  for (char& c : name)
    if (c == '/') c = '\\';
  name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  std::string out;
  for (char c : name)
    if (!(c == '\\' && !out.empty() && out.back() == '\\')) out += c;
  if (out.size() > 3 && out.back() == '\\') out.pop_back();
  if (out.size() == 2) out += '\\';
  return out;
}

bool HasDrive(const std::string& s) {
  return s.size() >= 2 && s[1] == ':' && std::isalpha(static_cast<unsigned char>(s[0]));
}

// A folder name given relative to `current` (a name, or a path from the drive's root) made
// whole: "X:\A\B".
std::string Absolute(const std::string& name, const std::string& current) {
  if (HasDrive(name)) return Normal(name);
  const char drive = current.empty() ? 'C' : current[0];
  if (IsDelim(name[0])) return Normal(std::string(1, drive) + ":" + name);
  return Normal(IncludeTrailingBackslash(current.empty() ? "C:\\" : current) + name);
}

bool Mapped(char letter) {
  const std::string root = std::string(1, letter) + ":\\";
  return !NativeFileName(root).empty() && DirectoryExists(root);
}

const controls_internal::TStandardClasses registered{
    &TDirectoryListBox::StaticClass, &TDriveComboBox::StaticClass, &TFileListBox::StaticClass};

}  // namespace

std::string MappedDrives() {
  std::string letters;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (Mapped(letter)) letters += letter;
  return letters;
}

std::string DriveFolderOf(const std::string& Native) {
  std::string best;
  std::string bestRoot;
  auto trimmed = [](std::string s) {
    while (!s.empty() && s.back() == '/') s.pop_back();
    return s;  // "" for the file system's root
  };
  const std::string path = trimmed(Native);
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    std::string root = NativeFileName(std::string(1, letter) + ":\\");
    if (root.empty()) continue;
    root = trimmed(root);
    const bool inside = root.empty() || path == root ||
                        (path.size() > root.size() && path.compare(0, root.size(), root) == 0 &&
                         path[root.size()] == '/');
    if (!inside || (!best.empty() && root.size() <= bestRoot.size())) continue;  // C: keeps a tie
    best = Normal(std::string(1, letter) + ":\\" + FromNativeFileName(path.substr(root.size())));
    bestRoot = root;
  }
  return best.empty() ? std::string("C:\\") : best;
}

TDirectoryListBox::TDirectoryListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetDirectory(DriveFolderOf(GetCurrentDir()));
}

void TDirectoryListBox::SetDirectory(const std::string& Value) {
  std::string dir = Value.empty() ? directory_ : Value;
  if (dir.empty()) dir = "C:\\";
  dir = Absolute(dir, directory_);
  while (!DirectoryExists(dir) && dir.size() > 3) dir = Normal(ExtractFileDir(dir));
  if (!DirectoryExists(dir)) dir = "C:\\";
  const bool changed = dir != directory_;
  directory_ = dir;
  Fill();
  if (fileList_) fileList_->SetDirectory(directory_);
  if (changed && OnChange) OnChange(this);
}

void TDirectoryListBox::SetDrive(char Value) { SetDirectory(std::string(1, Value) + ":\\"); }

void TDirectoryListBox::SetDirLabel(TLabel* Value) {
  if (dirLabel_) dirLabel_->RemoveFreeNotification(this);
  dirLabel_ = Value;
  if (dirLabel_) {
    dirLabel_->FreeNotification(this);
    dirLabel_->SetCaption(directory_);
  }
}

void TDirectoryListBox::SetFileList(TFileListBox* Value) {
  if (fileList_) fileList_->RemoveFreeNotification(this);
  fileList_ = Value;
  if (fileList_) {
    fileList_->FreeNotification(this);
    fileList_->SetDirectory(directory_);
  }
}

void TDirectoryListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomListBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dirLabel_) dirLabel_ = nullptr;
  if (Operation == opRemove && AComponent == fileList_) fileList_ = nullptr;
}

std::string TDirectoryListBox::GetItemPath(int Index) {
  if (Index < 0 || Index >= Items()->Count()) return std::string();
  if (Index >= levels_) return IncludeTrailingBackslash(directory_) + Items()->Get(Index);
  std::string path = Items()->Get(0);
  for (int i = 1; i <= Index; ++i) path = IncludeTrailingBackslash(path) + Items()->Get(i);
  return path;
}

void TDirectoryListBox::Update() { Fill(); }

void TDirectoryListBox::Fill() {
  std::vector<std::string> lines{directory_.substr(0, 3)};
  std::string rest = directory_.substr(3);
  while (!rest.empty()) {
    const size_t sep = rest.find('\\');
    lines.push_back(rest.substr(0, sep));
    rest = sep == std::string::npos ? std::string() : rest.substr(sep + 1);
  }
  levels_ = static_cast<int>(lines.size());
  TSearchRec rec;
  if (FindFirst(IncludeTrailingBackslash(directory_) + "*", faDirectory, rec) == 0) {
    do {
      if ((rec.Attr & faDirectory) && rec.Name != "." && rec.Name != "..")
        lines.push_back(rec.Name);
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  Items()->BeginUpdate();
  Items()->Clear();
  for (const std::string& line : lines) Items()->Add(line);
  Items()->EndUpdate();
  SetItemIndex(levels_ - 1);
  if (dirLabel_) dirLabel_->SetCaption(directory_);
}

void TDirectoryListBox::DblClick() {
  TCustomListBox::DblClick();
  if (ItemIndex() >= 0) SetDirectory(GetItemPath(ItemIndex()));
}

void TDirectoryListBox::KeyPress(char& Key) {
  TCustomListBox::KeyPress(Key);
  if (Key == '\r' && ItemIndex() >= 0) {
    SetDirectory(GetItemPath(ItemIndex()));
    Key = 0;
  }
}

TDriveComboBox::TDriveComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
  SetStyle(csDropDownList);
  for (char letter : MappedDrives()) Items()->Add(std::string(1, letter) + ":");
  SetDrive('C');
}

char TDriveComboBox::Drive() {
  const int index = ItemIndex();
  return index < 0 ? 0 : Items()->Get(index)[0];
}

void TDriveComboBox::SetDrive(char Value) {
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(Value)));
  const int index = Items()->IndexOf(std::string(1, letter) + ":");
  if (index >= 0) SetItemIndex(index);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* Value) {
  if (dirList_) dirList_->RemoveFreeNotification(this);
  dirList_ = Value;
  if (dirList_) {
    dirList_->FreeNotification(this);
    SetDrive(dirList_->Drive());
  }
}

void TDriveComboBox::Change() {
  if (dirList_ && Drive() && Drive() != dirList_->Drive()) dirList_->SetDrive(Drive());
  TCustomComboBox::Change();
}

void TDriveComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomComboBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dirList_) dirList_ = nullptr;
}

std::string MinimizeName(const std::string& FileName, TCanvas* Canvas, int MaxLen) {
  auto fits = [&](const std::string& s) { return Canvas->TextWidth(s) <= MaxLen; };
  if (fits(FileName)) return FileName;
  const std::string drive = ExtractFileDrive(FileName);
  const std::string name = ExtractFileName(FileName);
  const std::string dir =
      FileName.substr(drive.size(), FileName.size() - drive.size() - name.size());
  const size_t firstSep = FileName.find_first_of("\\/");
  const char sep = firstSep == std::string::npos ? '\\' : FileName[firstSep];
  const bool root = !dir.empty() && IsDelim(dir[0]);
  // The folders, each with the separator that follows it.
  std::vector<std::string> folders;
  for (size_t i = root ? 1 : 0; i < dir.size();) {
    size_t end = i;
    while (end < dir.size() && !IsDelim(dir[end])) ++end;
    folders.push_back(dir.substr(i, end + 1 - i));
    i = end + 1;
  }
  const std::string head = drive + (root ? std::string(1, sep) : std::string()) + "..." + sep;
  for (size_t k = 1; k <= folders.size(); ++k) {
    std::string candidate = head;
    for (size_t j = k; j < folders.size(); ++j) candidate += folders[j];
    candidate += name;
    if (fits(candidate)) return candidate;
  }
  const std::string dotted = std::string("...") + sep + name;
  if (!folders.empty() && fits(dotted)) return dotted;
  return name;
}

// ---------------------------------------------------------------------------------------------
// TFileListBox

TFileListBox::TFileListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetStyle(lbOwnerDrawFixed);
  directory_ = DriveFolderOf(GetCurrentDir());
}

void TFileListBox::CreateWnd() {
  TCustomListBox::CreateWnd();
  // A window made again lists the folder afresh and keeps the user's file and scroll.
  const int index = ItemIndex();
  const std::string chosen = index >= 0 && index < Items()->Count() ? Items()->Get(index) : "";
  const int top = TopIndex();
  Fill();
  if (!chosen.empty()) SetItemIndex(Items()->IndexOf(chosen));
  if (top > 0) SetTopIndex(top);
}

void TFileListBox::SetDirectory(const std::string& Value) {
  const std::string dir = Absolute(Value.empty() ? directory_ : Value, directory_);
  if (dir == directory_ && Items()->Count() > 0) return;
  directory_ = dir;
  Fill();
  Changed();
}

void TFileListBox::SetDrive(char Value) { SetDirectory(std::string(1, Value) + ":\\"); }

void TFileListBox::SetMask(const std::string& Value) {
  mask_ = Value.empty() ? "*.*" : Value;
  Fill();
  Changed();
}

void TFileListBox::SetFileType(TFileType Value) {
  fileType_ = Value;
  Fill();
}

void TFileListBox::SetShowGlyphs(bool Value) {
  showGlyphs_ = Value;
  Invalidate();
}

void TFileListBox::SetFileEdit(TEdit* Value) {
  if (fileEdit_) fileEdit_->RemoveFreeNotification(this);
  fileEdit_ = Value;
  if (fileEdit_) {
    fileEdit_->FreeNotification(this);
    Changed();
  }
}

void TFileListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomListBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == fileEdit_) fileEdit_ = nullptr;
}

std::string TFileListBox::FileName() {
  const int i = ItemIndex();
  if (i < 0 || i >= Items()->Count()) return std::string();
  std::string name = Items()->Get(i);
  if (name.size() > 2 && name.front() == '[' && name.back() == ']')
    name = name.substr(1, name.size() - 2);
  return IncludeTrailingBackslash(directory_) + name;
}

void TFileListBox::SetFileName(const std::string& Value) {
  const std::string dir = ExtractFileDir(Value);
  if (!dir.empty()) SetDirectory(dir);
  SetItemIndex(Items()->IndexOf(ExtractFileName(Value)));
  Changed();
}

void TFileListBox::Update() { Fill(); }

void TFileListBox::Fill() {
  int32_t attr = 0;
  static const std::pair<TFileAttr, int32_t> kAttrs[] = {
      {ftReadOnly, faReadOnly}, {ftHidden, faHidden},       {ftSystem, faSysFile},
      {ftVolumeID, faVolumeID}, {ftDirectory, faDirectory}, {ftArchive, faArchive}};
  for (auto [type, fa] : kAttrs)
    if (fileType_.contains(type)) attr |= fa;
  std::vector<std::string> files, folders;
  // Each mask is listed on its own; the names are merged in name order.
  std::string masks = mask_;
  for (size_t start = 0; start <= masks.size();) {
    const size_t end = std::min(masks.find(';', start), masks.size());
    const std::string mask = Trim(masks.substr(start, end - start));
    start = end + 1;
    if (mask.empty()) continue;
    TSearchRec rec;
    if (FindFirst(IncludeTrailingBackslash(directory_) + mask, attr | faArchive, rec) != 0)
      continue;
    do {
      if (rec.Attr & faDirectory) {
        if (fileType_.contains(ftDirectory) && rec.Name != ".") folders.push_back(rec.Name);
      } else if (fileType_.contains(ftNormal) || (rec.Attr & attr & ~faDirectory) != 0) {
        files.push_back(rec.Name);
      }
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  auto byName = [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; };
  auto same = [](const std::string& a, const std::string& b) { return CompareText(a, b) == 0; };
  for (auto* list : {&files, &folders}) {
    std::sort(list->begin(), list->end(), byName);
    list->erase(std::unique(list->begin(), list->end(), same), list->end());
  }
  Items()->BeginUpdate();
  Items()->Clear();
  for (const std::string& name : files) Items()->Add(name);
  for (const std::string& name : folders) Items()->Add("[" + name + "]");
  Items()->EndUpdate();
  if (fileEdit_) fileEdit_->SetText(mask_);
}

void TFileListBox::Changed() {
  if (fileEdit_) {
    const std::string name = FileName();
    fileEdit_->SetText(name.empty() ? mask_ : ExtractFileName(name));
  }
  if (OnChange) OnChange(this);
}

void TFileListBox::Click() {
  TCustomListBox::Click();
  Changed();
}

// The item's text after the shell's small icon of its file.
void TFileListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    TCustomListBox::DrawItem(Index, Rect, State);
    return;
  }
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  if (Index < 0 || Index >= Items()->Count()) return;
  int x = Rect.Left + 2;
  if (showGlyphs_) {
    std::string name = Items()->Get(Index);
    DWORD attrs = FILE_ATTRIBUTE_NORMAL;
    if (name.size() > 2 && name.front() == '[') {
      name = name.substr(1, name.size() - 2);
      attrs = FILE_ATTRIBUTE_DIRECTORY;
    }
    SHFILEINFOA info{};
    if (SHGetFileInfoA((IncludeTrailingBackslash(directory_) + name).c_str(), attrs, &info,
                       sizeof info, SHGFI_ICON | SHGFI_SMALLICON) &&
        info.hIcon) {
      const int size = std::min(16, Rect.Bottom - Rect.Top);
      DrawIconEx(c->Handle(), x, Rect.Top + (Rect.Bottom - Rect.Top - size) / 2, info.hIcon, size,
                 size, 0, nullptr, DI_NORMAL);
      DestroyIcon(info.hIcon);
    }
    x += 18;
  }
  c->TextOut(x, Rect.Top + (Rect.Bottom - Rect.Top - c->TextHeight("Wg")) / 2, Items()->Get(Index));
}

}  // namespace vcl
