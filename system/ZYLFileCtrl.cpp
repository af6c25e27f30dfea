#include "system/ZYLFileCtrl.h"

#include <climits>
#include <memory>

#include "foundation/ZYLCont.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/DateCtrls.h"
#include "platform/controls/ImgList.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellFiles.h"
#include "platform/sys/ShellIcons.h"

namespace zyl {

const char* const SZYLFiles = "Files";

ZYL_CLASS_IMPL(TZYLFileCtrl) {
  b.Publish("About")
      .Prop("FileName", &TZYLFileCtrl::FileName, &TZYLFileCtrl::SetFileName)
      .Prop("Attributes", &TZYLFileCtrl::Attributes, &TZYLFileCtrl::SetAttributes)
      .Stored(false)
      .Prop("Options", &TZYLFileCtrl::Options, &TZYLFileCtrl::SetOptions)
      .Default(TZYLFileOpFlags{ffFilesOnly, ffUseRecycleBin})
      .Prop("FileSize", &TZYLFileCtrl::FileSize, &TZYLFileCtrl::SetFileSize)
      .Stored(false)
      .Prop("FileCreateStamp", &TZYLFileCtrl::FileCreateStamp, &TZYLFileCtrl::SetFileCreateStamp)
      .Stored(false)
      .Prop("FileAccessStamp", &TZYLFileCtrl::FileAccessStamp, &TZYLFileCtrl::SetFileAccessStamp)
      .Stored(false)
      .Prop("FileWriteStamp", &TZYLFileCtrl::FileWriteStamp, &TZYLFileCtrl::SetFileWriteStamp)
      .Stored(false)
      .Prop("FileType", &TZYLFileCtrl::FileType, &TZYLFileCtrl::SetFileType)
      .Stored(false)
      .Prop("FileStampFormat", &TZYLFileCtrl::FileStampFormat, &TZYLFileCtrl::SetFileStampFormat);
}

namespace {

struct TAttrMap {
  TZYLFileCtrlAttribute Attr;
  uint32_t Win;
};
constexpr TAttrMap kAttrs[] = {
    {fcaArchive, win::FILE_ATTRIBUTE_ARCHIVE},     {fcaDirectory, win::FILE_ATTRIBUTE_DIRECTORY},
    {fcaHidden, win::FILE_ATTRIBUTE_HIDDEN},       {fcaNormal, win::FILE_ATTRIBUTE_NORMAL},
    {fcaOffline, win::FILE_ATTRIBUTE_OFFLINE},     {fcaReadonly, win::FILE_ATTRIBUTE_READONLY},
    {fcaSystem, win::FILE_ATTRIBUTE_SYSTEM},       {fcaTemporary, win::FILE_ATTRIBUTE_TEMPORARY},
    {fcaCompressed, win::FILE_ATTRIBUTE_COMPRESSED}};

constexpr uint16_t kFlags[] = {win::FOF_FILESONLY,     win::FOF_NOCONFIRMATION,
                               win::FOF_NOCONFIRMMKDIR, win::FOF_RENAMEONCOLLISION,
                               win::FOF_NOERRORUI,      win::FOF_SILENT,
                               win::FOF_SIMPLEPROGRESS, win::FOF_ALLOWUNDO};

// A name as the shell's list wants it: a single name expanded and ended by a zero (the
// shell adds the second); a ready list made sure to end in two zeros.
std::string AsList(const std::string& Text) {
  if (Text.empty()) return vcl::GetCurrentDir() + '\0';
  if (Text.find('\0') == std::string::npos) return vcl::ExpandFileName(Text) + '\0';
  std::string s = Text;
  if (s.back() != '\0') s += '\0';
  return s;
}

// The file opened for reading, closed when it goes out of scope.
class TOpenFile {
 public:
  TOpenFile(const std::string& Name, uint32_t Mode)
      : FHandle(Name.empty() ? -1 : vcl::FileOpen(Name, Mode)) {}
  ~TOpenFile() {
    if (FHandle >= 0) vcl::FileClose(FHandle);
  }
  TOpenFile(const TOpenFile&) = delete;
  TOpenFile& operator=(const TOpenFile&) = delete;
  int Handle() const { return FHandle; }

 private:
  int FHandle;
};

}  // namespace

uint32_t ZYLFileAttributesToWin(TZYLFileCtrlAttributes Value) {
  uint32_t r = 0;
  for (const TAttrMap& m : kAttrs)
    if (m.Attr != fcaCompressed && Value.contains(m.Attr)) r |= m.Win;
  return r;
}

TZYLFileCtrlAttributes ZYLFileAttributesFromWin(uint32_t Value) {
  TZYLFileCtrlAttributes r;
  if (Value == win::INVALID_FILE_ATTRIBUTES) return r;
  for (const TAttrMap& m : kAttrs)
    if (Value & m.Win) r = r + TZYLFileCtrlAttributes{m.Attr};
  return r;
}

uint16_t ZYLFileOpFlagsToWin(TZYLFileOpFlags Value) {
  uint16_t r = 0;
  for (int i = ffFilesOnly; i <= ffUseRecycleBin; ++i)
    if (Value.contains(static_cast<TZYLFileOpFlag>(i))) r = static_cast<uint16_t>(r | kFlags[i]);
  return r;
}

uint32_t ZYLFileOperationToWin(TZYLFileOperation Value) {
  switch (Value) {
    case foCopy: return win::FO_COPY;
    case foRename: return win::FO_RENAME;
    case foMove: return win::FO_MOVE;
    case foDelete: return win::FO_DELETE;
  }
  return 0;
}


TZYLFileCtrl::TZYLFileCtrl(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLFileCtrl::SetFileName(const std::string& Value) {
  if (Value.empty() || !vcl::FileExists(Value)) return;
  FFileName = vcl::ExpandFileName(Value);
}

TZYLFileCtrlAttributes TZYLFileCtrl::Attributes() const {
  if (FFileName.empty()) return {};
  return ZYLFileAttributesFromWin(win::GetFileAttributesA(FFileName.c_str()));
}

void TZYLFileCtrl::SetAttributes(TZYLFileCtrlAttributes Value) {
  if (!GetFileExist()) return;
  win::SetFileAttributesA(FFileName.c_str(), ZYLFileAttributesToWin(Value));
}

int64_t TZYLFileCtrl::FileSize() const {
  TOpenFile f(FFileName, vcl::fmOpenRead);
  if (f.Handle() < 0) return 0;
  // A failed call leaves the high word as it was: a size of 4 GiB - 1 is a size, not a failure.
  win::DWORD high = win::INVALID_FILE_SIZE;
  const win::DWORD low = win::GetFileSize(f.Handle(), &high);
  if (low == win::INVALID_FILE_SIZE && high == win::INVALID_FILE_SIZE) return 0;
  return static_cast<int64_t>((uint64_t{high} << 32) | low);
}

std::string TZYLFileCtrl::GetFileStamp(int Index) const {
  if (Index < siCreation || Index > siLastWrite) return {};
  TOpenFile f(FFileName, vcl::fmOpenRead);
  if (f.Handle() < 0) return {};
  win::FILETIME t[3], local;
  win::SYSTEMTIME st;
  if (!win::GetFileTime(f.Handle(), &t[0], &t[1], &t[2]) ||
      !win::FileTimeToLocalFileTime(&t[Index], &local) || !win::FileTimeToSystemTime(&local, &st))
    return {};
  const vcl::TDateTime value =
      vcl::EncodeDate(st.wYear, st.wMonth, st.wDay) +
      vcl::EncodeTime(st.wHour, st.wMinute, st.wSecond, st.wMilliseconds);
  return FFileStampFormat.empty() ? vcl::DateTimeToStr(value)
                                  : vcl::FormatDateTime(FFileStampFormat, value);
}

void TZYLFileCtrl::SetFileStamp(int Index, const std::string& Value) {
  if (Index < siCreation || Index > siLastWrite || !GetFileExist()) return;
  const win::SYSTEMTIME st = vcl::DateTimeToSystemTime(vcl::StrToDateTime(Value));
  win::FILETIME local, utc;
  if (!win::SystemTimeToFileTime(&st, &local) || !win::LocalFileTimeToFileTime(&local, &utc))
    throw EZYLFileCtrlError("The time " + Value + " cannot be given to a file");
  TOpenFile f(FFileName, vcl::fmOpenReadWrite | vcl::fmShareExclusive);
  const win::FILETIME* slot[3] = {nullptr, nullptr, nullptr};
  slot[Index] = &utc;
  if (f.Handle() >= 0 && win::SetFileTime(f.Handle(), slot[0], slot[1], slot[2])) return;
  if (Index == siCreation && f.Handle() >= 0)
    throw EZYLFileCtrlError("The file system of " + FFileName + " keeps no creation time");
  throw EZYLFileCtrlError("Cannot set the time stamp of " + FFileName);
}

std::string TZYLFileCtrl::GetFileType() const {
  if (!GetFileExist()) return {};
  win::SHFILEINFOA info;
  win::SHGetFileInfoA(FFileName.c_str(), 0, &info, sizeof info, win::SHGFI_TYPENAME);
  std::string name = info.szTypeName;
  if (name.empty())
    name = vcl::UpperCase(vcl::ExtractFileExt(FFileName)) + "-" + SZYLFiles;
  return name;
}

bool TZYLFileCtrl::FileOps(const std::string& Source, const std::string& Dest,
                           TZYLFileOperation Operation) {
  if (Source.empty()) return false;
  // An empty destination expands to the current folder.
  const std::string from = AsList(Source);
  const std::string to = Operation == foDelete ? from : AsList(Dest);
  win::SHFILEOPSTRUCTA op;
  op.hwnd = nullptr;
  op.wFunc = ZYLFileOperationToWin(Operation);
  op.pFrom = from.c_str();
  op.pTo = to.c_str();
  op.fFlags = ZYLFileOpFlagsToWin(FOptions);
  op.lpszProgressTitle = nullptr;
  const int rc = win::SHFileOperationA(&op);
  return rc == 0 && !op.fAnyOperationsAborted;
}

bool TZYLFileCtrl::CopyFiles(const std::string& Source, const std::string& Dest) {
  return FileOps(Source, Dest, foCopy);
}
bool TZYLFileCtrl::MoveFiles(const std::string& Source, const std::string& Dest) {
  return FileOps(Source, Dest, foMove);
}
bool TZYLFileCtrl::RenameFiles(const std::string& Source, const std::string& Dest) {
  return FileOps(Source, Dest, foRename);
}
bool TZYLFileCtrl::DeleteFiles(const std::string& Files) { return FileOps(Files, "", foDelete); }

std::string TZYLFileCtrl::GetExecuteable() const {
  char buffer[501] = {};
  if (FFileName.empty()) return {};
  win::FindExecutableA(FFileName.c_str(), nullptr, buffer);
  return buffer;
}

std::string TZYLFileCtrl::GetFileIconPath() const {
  if (FFileName.empty()) return {};
  win::SHFILEINFOA info;
  win::SHGetFileInfoA(FFileName.c_str(), 0, &info, sizeof info, win::SHGFI_ICONLOCATION);
  return info.szDisplayName;
}

int32_t TZYLFileCtrl::GetFileIconIndex() const {
  if (FFileName.empty()) return 0;
  win::SHFILEINFOA info;
  win::SHGetFileInfoA(FFileName.c_str(), 0, &info, sizeof info,
                      win::SHGFI_SYSICONINDEX | win::SHGFI_ICON);
  // The shell hands out an icon with the index; it is not wanted here.
  if (info.hIcon) win::DestroyIcon(info.hIcon);
  return info.iIcon;
}

int32_t TZYLFileCtrl::GetSmallIconWidth() const { return ZYLSISmallIconWidth(); }
int32_t TZYLFileCtrl::GetSmallIconHeight() const { return ZYLSISmallIconHeight(); }
int32_t TZYLFileCtrl::GetLargeIconWidth() const { return ZYLSIIconWidth(); }
int32_t TZYLFileCtrl::GetLargeIconHeight() const { return ZYLSIIconHeight(); }

void TZYLFileCtrl::ShellIcon(vcl::TIcon* Icon, bool Small) const {
  if (!Icon || FFileName.empty()) return;
  win::SHFILEINFOA info;
  if (!win::SHGetFileInfoA(FFileName.c_str(), 0, &info, sizeof info,
                           win::SHGFI_ICON | (Small ? win::SHGFI_SMALLICON : 0u)) ||
      !info.hIcon)
    return;
  Icon->SetHandle(info.hIcon);
}

void TZYLFileCtrl::GetLargeFileIcon(vcl::TIcon* Icon) const { ShellIcon(Icon, false); }
void TZYLFileCtrl::GetSmallFileIcon(vcl::TIcon* Icon) const { ShellIcon(Icon, true); }

int32_t TZYLFileCtrl::GetIconNum() const {
  if (FFileName.empty()) return 0;
  const int32_t n = static_cast<int32_t>(win::ExtractIconExA(FFileName.c_str(), -1, nullptr, nullptr, 0));
  return n < 0 ? 0 : n;
}

void TZYLFileCtrl::IconFromFile(int32_t Index, vcl::TIcon* Icon, bool Large) const {
  if (!Icon || !GetFileExist() || Index < 0 || Index >= GetIconNum()) return;
  win::HICON h = nullptr;
  if (win::ExtractIconExA(FFileName.c_str(), Index, Large ? &h : nullptr, Large ? nullptr : &h, 1) &&
      h)
    Icon->SetHandle(h);
}

void TZYLFileCtrl::GetLargeIconFromFile(int32_t Index, vcl::TIcon* Icon) const {
  IconFromFile(Index, Icon, true);
}
void TZYLFileCtrl::GetSmallIconFromFile(int32_t Index, vcl::TIcon* Icon) const {
  IconFromFile(Index, Icon, false);
}

int32_t TZYLFileCtrl::ExtractIconsFromFile(std::vector<vcl::TIcon*>& Icons, bool Large) const {
  if (!GetFileExist()) return 0;
  const int32_t n = GetIconNum();
  int32_t added = 0;
  for (int32_t i = 0; i < n; ++i) {
    auto* icon = new vcl::TIcon();
    IconFromFile(i, icon, Large);
    if (icon->HandleAllocated()) {
      Icons.push_back(icon);
      ++added;
    } else {
      delete icon;
    }
  }
  return added;
}

int32_t TZYLFileCtrl::ExtractIconsFromFile(vcl::TCustomImageList* ImageList, bool Large) const {
  if (!ImageList) return 0;
  std::vector<vcl::TIcon*> icons;
  ExtractIconsFromFile(icons, Large);
  int32_t added = 0;
  for (vcl::TIcon* icon : icons) {
    // Each through its own temporary icon, as the list takes icons.
    const std::unique_ptr<vcl::TIcon> own(icon);
    if (ImageList->AddIcon(icon) >= 0) ++added;
  }
  return added;
}

int32_t TZYLFileCtrl::ExtractIconsFromFile(TZYLImageListItem* ImageList, bool Large) const {
  if (!ImageList) return 0;
  std::vector<vcl::TIcon*> icons;
  ExtractIconsFromFile(icons, Large);
  int32_t added = 0;
  const int w = ImageList->Width(), h = ImageList->Height();
  for (vcl::TIcon* icon : icons) {
    vcl::TBitmap bmp;
    bmp.SetPixelFormat(vcl::pf24bit);
    bmp.SetSize(w, h);
    bmp.Canvas()->Brush()->SetColor(vcl::clFuchsia);
    bmp.Canvas()->FillRect(vcl::TRect{0, 0, w, h});
    icon->Draw(bmp.Canvas(), vcl::TRect{0, 0, w, h});
    if (ImageList->AddMasked(&bmp, vcl::clFuchsia) >= 0) ++added;
    delete icon;
  }
  return added;
}

std::string TZYLFileCtrl::GetFileExtension() const { return vcl::ExtractFileExt(FFileName); }
std::string TZYLFileCtrl::GetFilePath() const { return vcl::ExtractFilePath(FFileName); }
bool TZYLFileCtrl::GetFileExist() const { return !FFileName.empty() && vcl::FileExists(FFileName); }

std::string TZYLFileCtrl::GetFileNameOnly() const {
  const std::string name = vcl::ExtractFileName(FFileName);
  return name.substr(0, name.find('.'));
}

std::string TZYLFileCtrl::GetShortAttrib() const {
  const TZYLFileCtrlAttributes a = Attributes();
  std::string r;
  r += a.contains(fcaArchive) ? 'a' : '-';
  r += a.contains(fcaHidden) ? 'h' : '-';
  r += a.contains(fcaReadonly) ? 'r' : '-';
  r += a.contains(fcaSystem) ? 's' : '-';
  return r;
}

}  // namespace zyl
