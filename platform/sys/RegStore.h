// The registry store: one hive file per root key, in the folder named by the environment
// variable ZYL_REGISTRY_DIR (default: $XDG_CONFIG_HOME, else ~/.config, then "zyl-registry").
//
// Key names compare case-insensitively (code page 1252) and keep the case they were created
// with. Every change is a read-modify-write of the hive file under an exclusive advisory lock
// (flock on "<hive>.lock"), written to a temporary file and renamed over the hive, so that
// writers in several threads or processes never lose each other's changes and readers always see
// a complete file. Reads use the last loaded tree while the file is unchanged on disk: same
// inode, size and time, and the same save token in its header (every save writes a new one;
// a file without a token is read again every time).
//
// Key names are at most 255 bytes and keys nest at most 512 levels below a root key: CreateKey
// and CopyKey answer regerr::kInvalidParameter for a deeper key, and a hive file naming one is
// corrupt. Values of a key are found by name through an index, so reading a hive and each
// change cost time in proportion to the hive's size.
//
// A hive file that cannot be parsed raises ERegistryException naming the file and the line;
// the file is left as it is (writes to that hive fail the same way until it is repaired).
//
// Key handles: the predefined roots (WinReg.h) and handles made by OpenHandle, each naming a
// root and a key path; a handle stays valid if its key is deleted (operations then answer
// regerr::kKeyDeleted).
#pragma once

#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Types.h"

namespace win::regstore {

// Raised for a hive file that cannot be parsed; reports itself as ERegistryException.
class EHiveCorrupt : public vcl::ERegistryException {
 public:
  using vcl::ERegistryException::ERegistryException;
  const char* ClassName() const override { return "ERegistryException"; }
};

struct TValue {
  DWORD Type = 0;
  std::string Data;  // raw bytes; strings include their terminating zero
};

struct TKeyInfo {
  DWORD SubKeys = 0;
  DWORD MaxSubKeyLen = 0;
  DWORD Values = 0;
  DWORD MaxValueNameLen = 0;
  DWORD MaxValueLen = 0;
};

// The folder of the hive files and the file of one root key ("" for an unknown root).
std::string Folder();
std::string HiveFile(HKEY root);
bool IsPredefinedKey(HKEY key);

// Handles. OpenHandle makes a handle for `path` below `base` (no check that the key exists).
// Resolve answers false for an unknown or closed handle.
HKEY OpenHandle(HKEY base, const std::string& path, DWORD access);
bool CloseHandle(HKEY key);
bool Resolve(HKEY key, HKEY& root, std::string& path, DWORD& access);
// The handles open now (the test kit counts them).
size_t OpenHandleCount();
// Joins a key path and a relative subkey path (empty segments dropped).
std::string JoinPath(const std::string& path, const std::string& sub);

// The operations; `sub` is relative to the handle's key, "" for the key itself. They answer
// the platform's result codes (regerr) and raise ERegistryException for a corrupt hive or a
// failed file operation.
LONG KeyExists(HKEY key, const std::string& sub);
// `created` (optional) tells whether the key was new.
LONG CreateKey(HKEY key, const std::string& sub, bool* created);
LONG DeleteKey(HKEY key, const std::string& sub, bool recursive);
LONG QueryValue(HKEY key, const std::string& sub, const std::string& name, TValue& value);
LONG SetValue(HKEY key, const std::string& sub, const std::string& name, const TValue& value);
LONG DeleteValue(HKEY key, const std::string& sub, const std::string& name);
LONG RenameValue(HKEY key, const std::string& oldName, const std::string& newName);
LONG SubKeyNames(HKEY key, const std::string& sub, std::vector<std::string>& names);
LONG ValueNames(HKEY key, const std::string& sub, std::vector<std::string>& names);
LONG QueryInfo(HKEY key, const std::string& sub, TKeyInfo& info);
// Copies the key tree at `source` to `target` (both below the handle's key), then deletes the
// source when `deleteSource`. The target must not exist yet.
LONG CopyKey(HKEY key, const std::string& source, const std::string& target, bool deleteSource);

// Case folding of key and value names (code page 1252).
std::string FoldCase(const std::string& s);

}  // namespace win::regstore
