// File names and files on the real Linux file system, with the layer's path policy (see
// "Paths" in docs/CONVENTIONS.md): '\' and '/' both separate on input, a drive "X:" maps to
// the folder named by the environment variable ZYL_DRIVE_X ("/" for C: by default), routines
// that cut or join names keep the separator style of their input, and names are code page
// 1252 in the program and UTF-8 on disk.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/WinError.h"

namespace vcl {

constexpr char PathDelim = '\\';
constexpr char DriveDelim = ':';
constexpr char PathSep = ';';

// The native (UTF-8, '/'-separated) path of a name; empty when the name lies on a drive or
// network share that is not mapped.
std::string NativeFileName(const std::string& name);
// A native path as a name of the program (code page 1252, separators kept).
std::string FromNativeFileName(const std::string& native);

bool IsPathDelimiter(const std::string& s, int index);
std::string IncludeTrailingBackslash(const std::string& s);
std::string ExcludeTrailingBackslash(const std::string& s);
std::string IncludeTrailingPathDelimiter(const std::string& s);
std::string ExcludeTrailingPathDelimiter(const std::string& s);

// "C:\dir\name.ext": drive "C:" (or "\\server\share"), path "C:\dir\", dir "C:\dir",
// name "name.ext", extension ".ext" (from the last dot of the name, dot included).
std::string ExtractFileDrive(const std::string& name);
std::string ExtractFilePath(const std::string& name);
std::string ExtractFileDir(const std::string& name);
std::string ExtractFileName(const std::string& name);
std::string ExtractFileExt(const std::string& name);
std::string ChangeFileExt(const std::string& name, const std::string& ext);
// The full name: relative names against the current folder, "." and ".." resolved, one
// separator style throughout ('\' for names with a drive or a leading '\', else '/').
std::string ExpandFileName(const std::string& name);

// File names compare without regard to case.
int AnsiCompareFileName(const std::string& a, const std::string& b);
bool SameFileName(const std::string& a, const std::string& b);
// The name of `destName` relative to the folder of `baseName` ("..\" for each level up);
// `destName` itself when the drives differ.
std::string ExtractRelativePath(const std::string& baseName, const std::string& destName);
// The first of `name`, then `name` in each folder of the ';'-separated `dirList`, that exists;
// empty when none does.
std::string FileSearch(const std::string& name, const std::string& dirList);
// Free and total bytes of a drive (0 = the current folder's, 1 = A:, 3 = C:, ...); -1 when
// the drive is not mapped.
int64_t DiskFree(uint8_t drive);
int64_t DiskSize(uint8_t drive);

bool FileExists(const std::string& name);
bool DirectoryExists(const std::string& name);
// Creates every missing folder of the path; EInOutError "Unable to create directory" for an
// empty name.
bool ForceDirectories(const std::string& dir);
bool CreateDir(const std::string& dir);
bool RemoveDir(const std::string& dir);
bool DeleteFile(const std::string& name);
// Fails when the new name exists.
bool RenameFile(const std::string& oldName, const std::string& newName);
std::string GetCurrentDir();
bool SetCurrentDir(const std::string& dir);

// Temporary files: the folder (with a trailing separator) from TMP, TEMP or TMPDIR, else
// "/tmp/"; a new empty file "<dir><first 3 of prefix><4 hex digits>.tmp" (empty on failure).
std::string GetTempPath();
std::string GetTempFileName(const std::string& dir, const std::string& prefix);

// File handles (POSIX descriptors); -1 on failure. `mode` is the framework's open mode
// (fmOpenRead 0, fmOpenWrite 1, fmOpenReadWrite 2, declared with the streams); the share
// bits (0x10..0x40) are accepted and ignored.
int FileOpen(const std::string& name, uint32_t mode);
int FileCreate(const std::string& name);
int FileRead(int handle, void* buffer, int count);
int FileWrite(int handle, const void* buffer, int count);
// Origin 0 = start, 1 = current, 2 = end; the new position or -1.
int64_t FileSeek(int handle, int64_t offset, int origin);
void FileClose(int handle);

// Time stamps as DOS date-times (local time, two-second steps): date in the high word,
// time in the low word.
int32_t DateTimeToFileDate(TDateTime dateTime);
// EConvertError for a stamp that is no valid date.
TDateTime FileDateToDateTime(int32_t fileDate);
// The stamp of a file (not a folder), -1 when there is none.
int32_t FileAge(const std::string& name);
int32_t FileGetDate(int handle);
// 0 on success, else an error code.
int FileSetDate(int handle, int32_t age);
int FileSetDate(const std::string& name, int32_t age);

// Attributes: read-only = no write permission, hidden = name starting with '.', archive =
// regular file; system and volume-id are never set.
constexpr int32_t faReadOnly = 0x01;
constexpr int32_t faHidden = 0x02;
constexpr int32_t faSysFile = 0x04;
constexpr int32_t faVolumeID = 0x08;
constexpr int32_t faDirectory = 0x10;
constexpr int32_t faArchive = 0x20;
constexpr int32_t faAnyFile = 0x3F;
// The attributes, -1 when the file does not exist.
int32_t FileGetAttr(const std::string& name);
// Only faReadOnly can be changed; 0 on success, else an error code.
int FileSetAttr(const std::string& name, int32_t attr);

// The platform's error code (win::ERROR_*) for a C library errno value.
int ErrorCodeFromErrno(int e);
// The platform's English text of an error code.
std::string SysErrorMessage(int code);

struct TFindState;
struct TSearchRec {
  int32_t Time = 0;  // DOS date-time
  int64_t Size = 0;
  int32_t Attr = 0;
  std::string Name;
  int32_t ExcludeAttr = 0;
  std::shared_ptr<TFindState> FindHandle;
};
// Lists the folder of `path` for names matching its last part ("*", "?", "*.*" matches every
// name, case-insensitive). Files without hidden, system, volume or directory attributes are
// always found; those with such attributes only when `attr` asks for them. Folders other
// than the root list "." and ".." first; the rest come in case-insensitive name order.
// Returns 0 and fills `f`, or ERROR_FILE_NOT_FOUND / ERROR_PATH_NOT_FOUND /
// ERROR_NO_MORE_FILES.
int FindFirst(const std::string& path, int32_t attr, TSearchRec& f);
int FindNext(TSearchRec& f);
void FindClose(TSearchRec& f);

}  // namespace vcl
