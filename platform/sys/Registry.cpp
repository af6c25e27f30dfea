#include "platform/sys/Registry.h"

#include <cstring>

#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/RegStore.h"

namespace vcl {

ZYL_CLASS_IMPL(TRegistry) {}
ZYL_CLASS_IMPL(TRegIniFile) {}

namespace {

namespace rs = win::regstore;
namespace err = win::regerr;

bool IsRelative(const std::string& key) { return key.empty() || key[0] != '\\'; }

std::string StripRoot(const std::string& key) { return IsRelative(key) ? key : key.substr(1); }

TRegDataType DataTypeToRegData(win::DWORD t) {
  switch (t) {
    case win::REG_SZ: return rdString;
    case win::REG_EXPAND_SZ: return rdExpandString;
    case win::REG_DWORD: return rdInteger;
    case win::REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

win::DWORD RegDataToDataType(TRegDataType t) {
  switch (t) {
    case rdString: return win::REG_SZ;
    case rdExpandString: return win::REG_EXPAND_SZ;
    case rdInteger: return win::REG_DWORD;
    case rdBinary: return win::REG_BINARY;
    default: return win::REG_NONE;
  }
}

[[noreturn]] void ReadError(const std::string& name) {
  throw ERegistryException(Format(SInvalidRegType, {name}));
}

}  // namespace

// ---- TRegistry ------------------------------------------------------------------------------

TRegistry::TRegistry() : TRegistry(win::KEY_ALL_ACCESS) {}

TRegistry::TRegistry(uint32_t AAccess) : rootKey_(win::HKEY_CURRENT_USER), access_(AAccess) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::CloseKey() {
  if (currentKey_) {
    rs::CloseHandle(currentKey_);
    currentKey_ = nullptr;
    currentPath_.clear();
  }
}

void TRegistry::SetRootKey(win::HKEY Value) {
  if (rootKey_ == Value) return;
  rootKey_ = Value;
  CloseKey();
}

void TRegistry::ChangeKey(win::HKEY Value, const std::string& Path) {
  CloseKey();
  currentKey_ = Value;
  currentPath_ = Path;
}

win::HKEY TRegistry::GetBaseKey(bool Relative) {
  return (!currentKey_ || !Relative) ? rootKey_ : currentKey_;
}

win::HKEY TRegistry::GetKey(const std::string& Key) {
  const bool relative = IsRelative(Key);
  const std::string s = StripRoot(Key);
  const win::HKEY base = GetBaseKey(relative);
  if (rs::KeyExists(base, s) != err::kSuccess) return nullptr;
  return rs::OpenHandle(base, s, access_);
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
  const bool relative = IsRelative(Key);
  std::string s = StripRoot(Key);
  const win::HKEY base = GetBaseKey(relative);
  win::LONG rc;
  if (!CanCreate || s.empty()) {
    rc = rs::KeyExists(base, s);
  } else {
    rc = rs::CreateKey(base, s, nullptr);
  }
  if (rc != err::kSuccess) return false;
  win::HKEY key = rs::OpenHandle(base, s, access_);
  if (!key) return false;
  if (currentKey_ && relative) s = rs::JoinPath(currentPath_, s);
  else s = rs::JoinPath("", s);
  ChangeKey(key, s);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) {
  const bool relative = IsRelative(Key);
  std::string s = StripRoot(Key);
  const win::HKEY base = GetBaseKey(relative);
  if (rs::KeyExists(base, s) != err::kSuccess) return false;
  win::HKEY key = rs::OpenHandle(base, s, win::KEY_READ);
  if (!key) return false;
  access_ = win::KEY_READ;
  if (currentKey_ && relative) s = rs::JoinPath(currentPath_, s);
  else s = rs::JoinPath("", s);
  ChangeKey(key, s);
  return true;
}

bool TRegistry::CreateKey(const std::string& Key) {
  const bool relative = IsRelative(Key);
  const std::string s = StripRoot(Key);
  if (rs::CreateKey(GetBaseKey(relative), s, nullptr) != err::kSuccess)
    throw ERegistryException(Format(SRegCreateFailed, {Key}));
  return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
  const bool relative = IsRelative(Key);
  const std::string s = StripRoot(Key);
  if (rs::JoinPath("", s).empty()) return false;
  return rs::DeleteKey(GetBaseKey(relative), s, true) == err::kSuccess;
}

bool TRegistry::KeyExists(const std::string& Key) {
  return rs::KeyExists(GetBaseKey(IsRelative(Key)), StripRoot(Key)) == err::kSuccess;
}

bool TRegistry::DeleteValue(const std::string& Name) {
  if ((access_ & win::KEY_SET_VALUE) == 0) return false;
  return rs::DeleteValue(currentKey_, "", Name) == err::kSuccess;
}

bool TRegistry::GetDataInfo(const std::string& ValueName, TRegDataInfo& Value) {
  Value = TRegDataInfo{};
  rs::TValue v;
  if (rs::QueryValue(currentKey_, "", ValueName, v) != err::kSuccess) return false;
  Value.RegData = DataTypeToRegData(v.Type);
  Value.DataSize = static_cast<int32_t>(v.Data.size());
  return true;
}

int32_t TRegistry::GetDataSize(const std::string& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const std::string& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.RegData : rdUnknown;
}

bool TRegistry::GetKeyInfo(TRegKeyInfo& Value) {
  Value = TRegKeyInfo{};
  rs::TKeyInfo info;
  if (rs::QueryInfo(currentKey_, "", info) != err::kSuccess) return false;
  Value.NumSubKeys = static_cast<int32_t>(info.SubKeys);
  Value.MaxSubKeyLen = static_cast<int32_t>(info.MaxSubKeyLen);
  Value.NumValues = static_cast<int32_t>(info.Values);
  Value.MaxValueLen = static_cast<int32_t>(info.MaxValueNameLen);
  Value.MaxDataLen = static_cast<int32_t>(info.MaxValueLen);
  return true;
}

std::vector<std::string> TRegistry::KeyNames() {
  std::vector<std::string> names;
  if (rs::SubKeyNames(currentKey_, "", names) != err::kSuccess) names.clear();
  return names;
}

std::vector<std::string> TRegistry::ValueNames() {
  std::vector<std::string> names;
  if (rs::ValueNames(currentKey_, "", names) != err::kSuccess) names.clear();
  return names;
}

void TRegistry::GetKeyNames(TStrings* Strings) { FillStrings(Strings, KeyNames()); }

void TRegistry::GetValueNames(TStrings* Strings) { FillStrings(Strings, ValueNames()); }

bool TRegistry::HasSubKeys() {
  TRegKeyInfo info;
  return GetKeyInfo(info) && info.NumSubKeys > 0;
}

void TRegistry::MoveKey(const std::string& OldName, const std::string& NewName, bool Delete) {
  if (!KeyExists(OldName) || KeyExists(NewName)) return;
  auto absolute = [this](const std::string& key) {
    const std::string s = StripRoot(key);
    return (IsRelative(key) && currentKey_) ? rs::JoinPath(currentPath_, s) : rs::JoinPath("", s);
  };
  rs::CopyKey(rootKey_, absolute(OldName), absolute(NewName), Delete);
}

void TRegistry::RenameValue(const std::string& OldName, const std::string& NewName) {
  if (ValueExists(OldName) && !ValueExists(NewName)) rs::RenameValue(currentKey_, OldName, NewName);
}

bool TRegistry::ValueExists(const std::string& Name) {
  TRegDataInfo info;
  return GetDataInfo(Name, info);
}

int32_t TRegistry::GetData(const std::string& Name, void* Buffer, int32_t BufSize,
                           TRegDataType& RegData) {
  rs::TValue v;
  if (rs::QueryValue(currentKey_, "", Name, v) != err::kSuccess || BufSize < 0 ||
      v.Data.size() > static_cast<size_t>(BufSize))
    throw ERegistryException(Format(SRegGetDataFailed, {Name}));
  if (!v.Data.empty()) std::memcpy(Buffer, v.Data.data(), v.Data.size());
  RegData = DataTypeToRegData(v.Type);
  return static_cast<int32_t>(v.Data.size());
}

void TRegistry::PutData(const std::string& Name, const void* Buffer, int32_t BufSize,
                        TRegDataType RegData) {
  rs::TValue v;
  v.Type = RegDataToDataType(RegData);
  if (BufSize > 0) v.Data.assign(static_cast<const char*>(Buffer), static_cast<size_t>(BufSize));
  if (BufSize < 0 || rs::SetValue(currentKey_, "", Name, v) != err::kSuccess)
    throw ERegistryException(Format(SRegSetDataFailed, {Name}));
}

std::string TRegistry::ReadString(const std::string& Name) {
  rs::TValue v;
  if (rs::QueryValue(currentKey_, "", Name, v) != err::kSuccess || v.Data.empty()) return "";
  const TRegDataType t = DataTypeToRegData(v.Type);
  if (t != rdString && t != rdExpandString) ReadError(Name);
  // The text ends at the first zero, as a C string would.
  return std::string(v.Data.c_str());
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
  PutData(Name, Value.c_str(), static_cast<int32_t>(Value.size() + 1), rdString);
}

void TRegistry::WriteExpandString(const std::string& Name, const std::string& Value) {
  PutData(Name, Value.c_str(), static_cast<int32_t>(Value.size() + 1), rdExpandString);
}

int32_t TRegistry::ReadInteger(const std::string& Name) {
  unsigned char buf[4] = {0, 0, 0, 0};
  TRegDataType t;
  GetData(Name, buf, 4, t);
  if (t != rdInteger) ReadError(Name);
  const uint32_t u = static_cast<uint32_t>(buf[0]) | (static_cast<uint32_t>(buf[1]) << 8) |
                     (static_cast<uint32_t>(buf[2]) << 16) | (static_cast<uint32_t>(buf[3]) << 24);
  return static_cast<int32_t>(u);
}

void TRegistry::WriteInteger(const std::string& Name, int32_t Value) {
  const uint32_t u = static_cast<uint32_t>(Value);
  const unsigned char buf[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                                static_cast<unsigned char>(u >> 16),
                                static_cast<unsigned char>(u >> 24)};
  PutData(Name, buf, 4, rdInteger);
}

bool TRegistry::ReadBool(const std::string& Name) { return ReadInteger(Name) != 0; }

void TRegistry::WriteBool(const std::string& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }

double TRegistry::ReadFloat(const std::string& Name) {
  double d = 0;
  TRegDataType t;
  const int32_t len = GetData(Name, &d, sizeof d, t);
  if (t != rdBinary || len != static_cast<int32_t>(sizeof d)) ReadError(Name);
  return d;
}

void TRegistry::WriteFloat(const std::string& Name, double Value) {
  PutData(Name, &Value, sizeof Value, rdBinary);
}

Currency TRegistry::ReadCurrency(const std::string& Name) {
  int64_t v = 0;
  TRegDataType t;
  const int32_t len = GetData(Name, &v, sizeof v, t);
  if (t != rdBinary || len != static_cast<int32_t>(sizeof v)) ReadError(Name);
  return Currency::FromScaled(v);
}

void TRegistry::WriteCurrency(const std::string& Name, Currency Value) {
  PutData(Name, &Value.Value, sizeof Value.Value, rdBinary);
}

int32_t TRegistry::ReadBinaryData(const std::string& Name, void* Buffer, int32_t BufSize) {
  TRegDataInfo info;
  if (!GetDataInfo(Name, info)) return 0;
  if ((info.RegData != rdBinary && info.RegData != rdUnknown) || info.DataSize > BufSize)
    ReadError(Name);
  TRegDataType t;
  return GetData(Name, Buffer, BufSize, t);
}

void TRegistry::WriteBinaryData(const std::string& Name, const void* Buffer, int32_t BufSize) {
  PutData(Name, Buffer, BufSize, rdBinary);
}

// ---- TRegIniFile ------------------------------------------------------------------------------

TRegIniFile::TRegIniFile(const std::string& FileName) : TRegIniFile(FileName, win::KEY_ALL_ACCESS) {}

TRegIniFile::TRegIniFile(const std::string& FileName, uint32_t AAccess)
    : TRegistry(AAccess), fileName_(FileName) {
  OpenKey(FileName, true);
}

template <class F>
bool TRegIniFile::InSection(const std::string& Section, bool create, F f) {
  win::HKEY key = GetKey(Section);
  if (!key && create) {
    CreateKey(Section);
    key = GetKey(Section);
  }
  if (!key) return false;
  const win::HKEY old = CurrentKey();
  SetCurrentKey(key);
  TFinally restore([&] {
    SetCurrentKey(old);
    win::regstore::CloseHandle(key);
  });
  f();
  return true;
}

std::string TRegIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                    const std::string& Default) {
  std::string result = Default;
  InSection(Section, false, [&] {
    if (ValueExists(Ident)) result = TRegistry::ReadString(Ident);
  });
  return result;
}

int32_t TRegIniFile::ReadInteger(const std::string& Section, const std::string& Ident,
                                 int32_t Default) {
  int32_t result = Default;
  InSection(Section, false, [&] {
    if (!ValueExists(Ident)) return;
    if (GetDataType(Ident) == rdString)
      result = StrToIntDef(TRegistry::ReadString(Ident), Default);
    else
      result = TRegistry::ReadInteger(Ident);
  });
  return result;
}

bool TRegIniFile::ReadBool(const std::string& Section, const std::string& Ident, bool Default) {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const std::string& Section, const std::string& Ident,
                              const std::string& Value) {
  if (Section.empty()) {
    TRegistry::WriteString(Ident, Value);
    return;
  }
  InSection(Section, true, [&] { TRegistry::WriteString(Ident, Value); });
}

void TRegIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value) {
  WriteString(Section, Ident, IntToStr(Value));
}

void TRegIniFile::WriteBool(const std::string& Section, const std::string& Ident, bool Value) {
  WriteString(Section, Ident, Value ? "1" : "0");
}

void TRegIniFile::ReadSection(const std::string& Section, TStrings* Strings) {
  std::vector<std::string> names;
  InSection(Section, false, [&] { names = ValueNames(); });
  FillStrings(Strings, names);
}

void TRegIniFile::ReadSections(TStrings* Strings) { GetKeyNames(Strings); }

void TRegIniFile::ReadSectionValues(const std::string& Section, TStrings* Strings) {
  std::vector<std::string> lines;
  InSection(Section, false, [&] {
    for (const auto& name : ValueNames()) lines.push_back(name + "=" + TRegistry::ReadString(name));
  });
  FillStrings(Strings, lines);
}

void TRegIniFile::EraseSection(const std::string& Section) { TRegistry::DeleteKey(Section); }

void TRegIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
  InSection(Section, false, [&] { DeleteValue(Ident); });
}

}  // namespace vcl
