// File properties and the shell's file operations on the real Linux file system, with names
// under the layer's path policy (platform/rtl/FileUtils.h).
//
// File handles are the layer's file handles (vcl::FileOpen). Attributes follow the policy of
// FileGetAttr: read-only = no write permission for the owner, hidden = a name starting with
// '.', archive = a regular file, directory; the other attribute bits cannot be kept here and
// are ignored on writing. A file's creation time is its birth time where the file system keeps
// one (else its status-change time) and cannot be changed.
//
// The shell's operations run without user interface: confirmations are answered yes, no
// progress is shown. A delete with FOF_ALLOWUNDO moves the files into the recycle bin, the
// folder named by ZYL_RECYCLE_BIN (default "<temporary folder>zyl-recycle-bin"); every call
// is recorded (SHLastFileOperation) so that callers can see what the shell was asked to do.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/base/Types.h"

namespace win {

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_TEMPORARY = 0x100;
constexpr DWORD FILE_ATTRIBUTE_COMPRESSED = 0x800;
constexpr DWORD FILE_ATTRIBUTE_OFFLINE = 0x1000;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFFu;

// 100-nanosecond intervals since 1601-01-01.
struct FILETIME {
  DWORD dwLowDateTime = 0;
  DWORD dwHighDateTime = 0;
};
struct SYSTEMTIME {
  WORD wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
  WORD wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

// INVALID_FILE_ATTRIBUTES when the file does not exist.
DWORD GetFileAttributesA(LPCSTR fileName);
// Changes the read-only state (the only attribute kept here); FALSE when the file does not
// exist or cannot be changed.
BOOL SetFileAttributesA(LPCSTR fileName, DWORD attributes);
// The low 32 bits of the size (the high ones in *sizeHigh when given); INVALID_FILE_SIZE for
// a bad handle.
DWORD GetFileSize(int file, DWORD* sizeHigh);
// Times in UTC; any pointer may be null. FALSE for a bad handle. The creation time is the one
// SetFileTime stored, else the file system's birth time, else its status-change time.
BOOL GetFileTime(int file, FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite);
// The attributes, times (UTC, as GetFileTime gives them) and size of a file or folder by name,
// without opening it (so also of a file that cannot be read).
enum GET_FILEEX_INFO_LEVELS { GetFileExInfoStandard, GetFileExMaxInfoLevel };
struct WIN32_FILE_ATTRIBUTE_DATA {
  DWORD dwFileAttributes = 0;
  FILETIME ftCreationTime, ftLastAccessTime, ftLastWriteTime;
  DWORD nFileSizeHigh = 0, nFileSizeLow = 0;
};
// FALSE when the file does not exist (or the level is not GetFileExInfoStandard).
BOOL GetFileAttributesExA(LPCSTR fileName, GET_FILEEX_INFO_LEVELS level, void* information);
// Sets the given times (null ones stay). Linux cannot change a file's birth time, so a
// creation time is kept beside the file as its extended attribute "user.zyl.creation"; on a
// file system without user extended attributes asking for one fails and changes nothing.
BOOL SetFileTime(int file, const FILETIME* creation, const FILETIME* lastAccess,
                 const FILETIME* lastWrite);
// Conversions between UTC and the local time zone (with its daylight rule at that moment).
BOOL FileTimeToLocalFileTime(const FILETIME* utc, FILETIME* local);
BOOL LocalFileTimeToFileTime(const FILETIME* local, FILETIME* utc);
// FALSE for a date out of range (years 1601..30827) or an invalid field.
BOOL FileTimeToSystemTime(const FILETIME* time, SYSTEMTIME* st);
BOOL SystemTimeToFileTime(const SYSTEMTIME* st, FILETIME* time);

// ---- Shell file operations ----
constexpr UINT FO_MOVE = 1;
constexpr UINT FO_COPY = 2;
constexpr UINT FO_DELETE = 3;
constexpr UINT FO_RENAME = 4;

constexpr WORD FOF_MULTIDESTFILES = 0x1;
constexpr WORD FOF_SILENT = 0x4;
constexpr WORD FOF_RENAMEONCOLLISION = 0x8;
constexpr WORD FOF_NOCONFIRMATION = 0x10;
constexpr WORD FOF_ALLOWUNDO = 0x40;
constexpr WORD FOF_FILESONLY = 0x80;
constexpr WORD FOF_SIMPLEPROGRESS = 0x100;
constexpr WORD FOF_NOCONFIRMMKDIR = 0x200;
constexpr WORD FOF_NOERRORUI = 0x400;

struct SHFILEOPSTRUCTA {
  HWND hwnd = nullptr;
  UINT wFunc = 0;
  LPCSTR pFrom = nullptr;  // a list of names, each ended by a zero, the list by a second zero
  LPCSTR pTo = nullptr;    // likewise (one name unless FOF_MULTIDESTFILES)
  WORD fFlags = 0;
  BOOL fAnyOperationsAborted = FALSE;
  void* hNameMappings = nullptr;
  LPCSTR lpszProgressTitle = nullptr;
};

// 0 on success, else an error code (ERROR_FILE_NOT_FOUND for a missing source,
// ERROR_ALREADY_EXISTS when a rename would replace an existing name or a copy or move would
// replace a file by a folder or the other way round, ERROR_INVALID_PARAMETER for a bad
// function or list, a wildcard in a destination or a folder copied or moved into itself).
// Copies and moves replace existing files (the confirmation is answered yes); with
// FOF_RENAMEONCOLLISION they get "Copy of <name>" instead. Wildcards ('*', '?') in the last
// part of a source name select the matching names, only files with FOF_FILESONLY.
int SHFileOperationA(SHFILEOPSTRUCTA* op);

// What the last call of SHFileOperationA was asked: function, flags and the two lists split
// into names (pTo empty when it was null).
struct TShellFileOpRecord {
  UINT Func = 0;
  WORD Flags = 0;
  std::vector<std::string> From, To;
  int Result = -1;
  int Calls = 0;  // calls since the program started
};
const TShellFileOpRecord& SHLastFileOperation();
// The recycle bin folder (native path, no trailing separator).
std::string SHRecycleBinFolder();

// ---- Executables ----
constexpr int SE_ERR_NOASSOC = 31;
// The program that opens `file` (at most 260 characters with the zero): the file itself when
// it is executable (owner execute permission or extension .exe/.com/.bat), else the program
// of its extension's association in the registry (HKEY_CLASSES_ROOT\.ext names the class,
// whose shell\open\command starts with the program). Answers a value above 32 on success,
// ERROR_FILE_NOT_FOUND for a missing file, SE_ERR_NOASSOC when nothing opens it; `result` is
// then empty.
HINSTANCE FindExecutableA(LPCSTR file, LPCSTR directory, LPSTR result);

}  // namespace win
