// TRegistry and TRegIniFile over the registry store (RegStore.h, WinReg.h).
//
// TRegistry works on one current key below a root key (HKEY_CURRENT_USER by default). Key
// names starting with '\' are absolute (from the root), others relative to the current key.
// Reading a value:
// - ReadString of a missing value gives "" (as the framework does); of a value that is no
//   string raises ERegistryException "Invalid data type for '%s'".
// - ReadInteger/ReadBool/ReadFloat/ReadDate... of a missing value raise "Failed to get data for
//   '%s'", of a value of another type (or a size the type cannot hold) "Invalid data type for
//   '%s'" or "Failed to get data for '%s'" (a value longer than the type, as the framework).
// - ReadBinaryData of a missing value answers 0.
// Writing without an open key, or through a key opened read-only, raises "Failed to set data
// for '%s'". Floats, dates and currency values are stored as 8-byte binary values. A corrupt hive file raises
// ERegistryException naming the file when the key is opened.
//
// Every change reaches the hive file before the call returns, so LazyWrite changes nothing.
//
// TRegIniFile is a registry key seen as an INI file: a section is a subkey of the key, an
// ident a named value in it. Integers and Booleans are stored as strings ("1"/"0" for
// Booleans); ReadInteger also reads DWORD values. Missing sections or values give the default.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/rtl/Currency.h"
#include "platform/sys/WinReg.h"

namespace vcl {

class TStrings;

enum TRegDataType : uint8_t { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegKeyInfo {
  int32_t NumSubKeys = 0;
  int32_t MaxSubKeyLen = 0;
  int32_t NumValues = 0;
  int32_t MaxValueLen = 0;
  int32_t MaxDataLen = 0;
};

struct TRegDataInfo {
  TRegDataType RegData = rdUnknown;
  int32_t DataSize = 0;
};

class TRegistry : public TObject {
  ZYL_CLASS(TRegistry, TObject)
  TRegistry();
  explicit TRegistry(uint32_t AAccess);
  ~TRegistry() override;

  void CloseKey();
  // Creates the key (and missing parents) without opening it; raises ERegistryException
  // "Failed to create key %s" when that fails.
  bool CreateKey(const std::string& Key);
  // Deletes the key with all its subkeys.
  bool DeleteKey(const std::string& Key);
  bool DeleteValue(const std::string& Name);
  bool GetDataInfo(const std::string& ValueName, TRegDataInfo& Value);
  // Size in bytes (strings with their terminating zero), -1 for a missing value.
  int32_t GetDataSize(const std::string& ValueName);
  TRegDataType GetDataType(const std::string& ValueName);
  bool GetKeyInfo(TRegKeyInfo& Value);
  // Subkeys in alphabetical order, values in creation order; both lists cleared first.
  void GetKeyNames(TStrings* Strings);
  void GetValueNames(TStrings* Strings);
  std::vector<std::string> KeyNames();
  std::vector<std::string> ValueNames();
  bool HasSubKeys();
  bool KeyExists(const std::string& Key);
  // Opens (CanCreate: creates) the key and makes it the current key.
  bool OpenKey(const std::string& Key, bool CanCreate);
  bool OpenKeyReadOnly(const std::string& Key);
  // Copies the key tree to NewName when OldName exists and NewName does not, then deletes
  // OldName when Delete.
  void MoveKey(const std::string& OldName, const std::string& NewName, bool Delete);
  void RenameValue(const std::string& OldName, const std::string& NewName);
  bool ValueExists(const std::string& Name);

  std::string ReadString(const std::string& Name);
  void WriteString(const std::string& Name, const std::string& Value);
  void WriteExpandString(const std::string& Name, const std::string& Value);
  int32_t ReadInteger(const std::string& Name);
  void WriteInteger(const std::string& Name, int32_t Value);
  bool ReadBool(const std::string& Name);
  void WriteBool(const std::string& Name, bool Value);
  double ReadFloat(const std::string& Name);
  void WriteFloat(const std::string& Name, double Value);
  double ReadDate(const std::string& Name) { return ReadFloat(Name); }
  double ReadDateTime(const std::string& Name) { return ReadFloat(Name); }
  double ReadTime(const std::string& Name) { return ReadFloat(Name); }
  void WriteDate(const std::string& Name, double Value) { WriteFloat(Name, Value); }
  void WriteDateTime(const std::string& Name, double Value) { WriteFloat(Name, Value); }
  void WriteTime(const std::string& Name, double Value) { WriteFloat(Name, Value); }
  // 8-byte binary values (the count of 1/10000).
  Currency ReadCurrency(const std::string& Name);
  void WriteCurrency(const std::string& Name, Currency Value);
  // Copies the value into Buffer and answers its size; 0 for a missing value; raises "Invalid
  // data type" for a value that is neither binary nor of an unknown type, or larger than BufSize.
  int32_t ReadBinaryData(const std::string& Name, void* Buffer, int32_t BufSize);
  void WriteBinaryData(const std::string& Name, const void* Buffer, int32_t BufSize);

  win::HKEY CurrentKey() const { return currentKey_; }
  const std::string& CurrentPath() const { return currentPath_; }
  bool LazyWrite() const { return lazyWrite_; }
  win::HKEY RootKey() const { return rootKey_; }
  // Closes the current key when the root changes.
  void SetRootKey(win::HKEY Value);
  uint32_t Access() const { return access_; }

 protected:
  void ChangeKey(win::HKEY Value, const std::string& Path);
  win::HKEY GetBaseKey(bool Relative);
  // Opens Key (relative or absolute) with the current access; null when it does not exist.
  win::HKEY GetKey(const std::string& Key);
  // Makes Value the current key without closing the previous one.
  void SetCurrentKey(win::HKEY Value) { currentKey_ = Value; }
  int32_t GetData(const std::string& Name, void* Buffer, int32_t BufSize, TRegDataType& RegData);
  void PutData(const std::string& Name, const void* Buffer, int32_t BufSize, TRegDataType RegData);

 private:
  win::HKEY rootKey_;
  win::HKEY currentKey_ = nullptr;
  std::string currentPath_;
  bool lazyWrite_ = true;
  uint32_t access_;
};

class TRegIniFile : public TRegistry {
  ZYL_CLASS(TRegIniFile, TRegistry)
  // Opens (creating it if needed) the key FileName below HKEY_CURRENT_USER.
  explicit TRegIniFile(const std::string& FileName);
  TRegIniFile(const std::string& FileName, uint32_t AAccess);

  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& Section, const std::string& Ident,
                         const std::string& Default);
  int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default);
  bool ReadBool(const std::string& Section, const std::string& Ident, bool Default);
  void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
  void WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
  void WriteBool(const std::string& Section, const std::string& Ident, bool Value);
  // Value names of the section's subkey.
  void ReadSection(const std::string& Section, TStrings* Strings);
  // Subkeys of the key.
  void ReadSections(TStrings* Strings);
  // "name=value" lines of the section's string values.
  void ReadSectionValues(const std::string& Section, TStrings* Strings);
  void EraseSection(const std::string& Section);
  // Deletes the value Ident of the section.
  void DeleteKey(const std::string& Section, const std::string& Ident);

 private:
  // Runs f() with the section's subkey as the current key (created when `create`); false when
  // the subkey does not exist.
  template <class F>
  bool InSection(const std::string& Section, bool create, F f);
  std::string fileName_;
};

}  // namespace vcl
