#include "platform/controls/FileCtrl.h"

#include <cctype>
#include <vector>

#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileUtils.h"

namespace vcl {

ZYL_CLASS_IMPL(TDirectoryListBox) {}
ZYL_CLASS_IMPL(TDriveComboBox) {}

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

bool Mapped(char letter) {
  const std::string root = std::string(1, letter) + ":\\";
  return !NativeFileName(root).empty() && DirectoryExists(root);
}

}  // namespace

TDirectoryListBox::TDirectoryListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  SetDirectory("C:\\");
}

void TDirectoryListBox::SetDirectory(const std::string& Value) {
  std::string dir = Value.empty() ? directory_ : Value;
  if (dir.empty()) dir = "C:\\";
  if (!HasDrive(dir))
    dir = IsDelim(dir[0]) ? std::string(1, Drive()) + ":" + dir
                          : IncludeTrailingBackslash(directory_) + dir;
  dir = Normal(dir);
  while (!DirectoryExists(dir) && dir.size() > 3) dir = Normal(ExtractFileDir(dir));
  if (!DirectoryExists(dir)) dir = "C:\\";
  const bool changed = dir != directory_;
  directory_ = dir;
  Fill();
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

void TDirectoryListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomListBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == dirLabel_) dirLabel_ = nullptr;
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
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (Mapped(letter)) Items()->Add(std::string(1, letter) + ":");
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

}  // namespace vcl
