// TZYLFileCtrl: one file, FileName, with its attributes, time stamps, size, type name,
// program, icons and name parts, and the shell's copy, move, rename and delete with the
// options given as a set.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "foundation/ZYLSysUtils.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Sets.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TCustomImageList;
class TIcon;
}

namespace zyl {

class TZYLImageListItem;

ZYL_ENUM(TZYLFileCtrlAttribute, fcaArchive, fcaDirectory, fcaHidden, fcaNormal, fcaOffline,
         fcaReadonly, fcaSystem, fcaTemporary, fcaCompressed)
using TZYLFileCtrlAttributes = vcl::TSet<TZYLFileCtrlAttribute>;

ZYL_ENUM(TZYLFileOpFlag, ffFilesOnly, ffNoActionConfirm, ffNoMKDIRConfirm,
         ffRenameFileOnCollision, ffShowNoErrors, ffShowNoProgress, ffSimpleProgress,
         ffUseRecycleBin)
using TZYLFileOpFlags = vcl::TSet<TZYLFileOpFlag>;

ZYL_ENUM(TZYLFileOperation, foCopy, foRename, foMove, foDelete)

// Raised when a time stamp cannot be written to the file.
using vcl::Exception;
using EZYLFileCtrlError = vcl::TNamedException<"EZYLFileCtrlError", Exception>;

// The library's text after an unknown file type's extension.
extern const char* const SZYLFiles;  // "Files"

// The system's attribute bits of a set and back (fcaCompressed is only read).
uint32_t ZYLFileAttributesToWin(TZYLFileCtrlAttributes Value);
TZYLFileCtrlAttributes ZYLFileAttributesFromWin(uint32_t Value);
// The shell's FOF_ bits of a set of options, and its FO_ function of an operation.
uint16_t ZYLFileOpFlagsToWin(TZYLFileOpFlags Value);
uint32_t ZYLFileOperationToWin(TZYLFileOperation Value);

class TZYLFileCtrl : public TZYLCustomComponent {
  ZYL_CLASS(TZYLFileCtrl, TZYLCustomComponent)
  explicit TZYLFileCtrl(vcl::TComponent* AOwner);

  // Accepts only the name of an existing file and keeps it expanded to a full name; any
  // other name leaves FileName as it was.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value);

  // Read from and written to the file at each access; [] when it cannot be read, and a write
  // to a missing file does nothing.
  TZYLFileCtrlAttributes Attributes() const;
  void SetAttributes(TZYLFileCtrlAttributes Value);

  TZYLFileOpFlags Options() const { return FOptions; }
  void SetOptions(TZYLFileOpFlags Value) { FOptions = Value; }

  // Size in bytes (the whole 64-bit size), 0 when the file does not exist or cannot be opened.
  // The setter does nothing; forms never keep the size.
  int64_t FileSize() const;
  void SetFileSize(int64_t) {}

  // The file's time stamps, the indices of GetFileStamp and SetFileStamp.
  enum TStampIndex : int { siCreation, siLastAccess, siLastWrite };
  // Index siCreation, siLastAccess or siLastWrite: the local time formatted with
  // FileStampFormat (empty: the default date-time text); empty when the file cannot be opened.
  std::string GetFileStamp(int Index) const;
  // Reads Value as a local date-time (EConvertError for a bad text) and writes it into the
  // indexed time of the file; does nothing when the file does not exist and raises
  // EZYLFileCtrlError when the system refuses the change. The creation time is kept where the
  // file system keeps extended attributes; elsewhere setting it raises EZYLFileCtrlError
  // "The file system of <name> keeps no creation time" and the other two stamps still work.
  void SetFileStamp(int Index, const std::string& Value);
  std::string FileCreateStamp() const { return GetFileStamp(siCreation); }
  void SetFileCreateStamp(const std::string& Value) { SetFileStamp(siCreation, Value); }
  std::string FileAccessStamp() const { return GetFileStamp(siLastAccess); }
  void SetFileAccessStamp(const std::string& Value) { SetFileStamp(siLastAccess, Value); }
  std::string FileWriteStamp() const { return GetFileStamp(siLastWrite); }
  void SetFileWriteStamp(const std::string& Value) { SetFileStamp(siLastWrite, Value); }

  // The shell's type name; "<.EXT>-Files" when the shell knows none; empty for no file.
  std::string FileType() const { return GetFileType(); }
  void SetFileType(const std::string&) {}
  std::string GetFileType() const;

  const std::string& FileStampFormat() const { return FFileStampFormat; }
  void SetFileStampFormat(const std::string& Value) { FFileStampFormat = Value; }

  // ---- The shell's operations ----
  // Source and Dest are one name each, or lists of names each ended by a zero character; an
  // empty Dest is the current folder.
  bool FileOps(const std::string& Source, const std::string& Dest, TZYLFileOperation Operation);
  bool CopyFiles(const std::string& Source, const std::string& Dest);
  bool MoveFiles(const std::string& Source, const std::string& Dest);
  bool RenameFiles(const std::string& Source, const std::string& Dest);
  bool DeleteFiles(const std::string& Files);

  // ---- Programs and icons ----
  std::string GetExecuteable() const;
  std::string GetFileIconPath() const;
  int32_t GetFileIconIndex() const;
  uintptr_t GetSmallIconListHandle() const { return ZYLSISystemIconListHandle(false); }
  uintptr_t GetLargeIconListHandle() const { return ZYLSISystemIconListHandle(true); }
  int32_t GetSmallIconWidth() const;
  int32_t GetSmallIconHeight() const;
  int32_t GetLargeIconWidth() const;
  int32_t GetLargeIconHeight() const;
  // The shell's icon of the file set as Icon's handle (Icon unchanged when there is none).
  void GetLargeFileIcon(vcl::TIcon* Icon) const;
  void GetSmallFileIcon(vcl::TIcon* Icon) const;
  // The number of icons the file holds, and icon number Index of them (Icon unchanged for a
  // missing file or an index out of range).
  int32_t GetIconNum() const;
  void GetLargeIconFromFile(int32_t Index, vcl::TIcon* Icon) const;
  void GetSmallIconFromFile(int32_t Index, vcl::TIcon* Icon) const;
  // Appends every icon of the file, large or small, to Icons as new icons the caller owns;
  // answers how many were added.
  int32_t ExtractIconsFromFile(std::vector<vcl::TIcon*>& Icons, bool Large) const;
  // Adds every icon of the file, large or small, to the image list, each drawn to the list's
  // size with its see-through parts transparent; answers how many were added.
  int32_t ExtractIconsFromFile(vcl::TCustomImageList* ImageList, bool Large) const;
  // The same into an entry of the library's image lists.
  int32_t ExtractIconsFromFile(TZYLImageListItem* ImageList, bool Large) const;

  // ---- Name parts ----
  std::string GetFileExtension() const;
  std::string GetFilePath() const;
  bool GetFileExist() const;
  // The name without path, cut before its first point.
  std::string GetFileNameOnly() const;
  // "ahrs" with "-" for each of archive, hidden, read-only, system that is not set.
  std::string GetShortAttrib() const;

 private:
  void IconFromFile(int32_t Index, vcl::TIcon* Icon, bool Large) const;
  void ShellIcon(vcl::TIcon* Icon, bool Small) const;

  std::string FFileName;
  TZYLFileOpFlags FOptions{ffFilesOnly, ffUseRecycleBin};
  std::string FFileStampFormat;
};

inline constexpr vcl::TUnitEntry ZYLFileCtrlUnit = vcl::ClassesUnit<TZYLFileCtrl>("ZYLFileCtrl");

}  // namespace zyl
