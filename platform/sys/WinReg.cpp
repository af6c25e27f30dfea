#include "platform/sys/WinReg.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/sys/RegStore.h"

namespace win {

namespace {

std::string Str(LPCSTR s) { return s ? std::string(s) : std::string(); }

// Runs a store operation, turning its exceptions into result codes.
template <class F>
LONG Guard(F f) {
  try {
    return f();
  } catch (const regstore::EHiveCorrupt&) {
    return regerr::kBadDb;
  } catch (const vcl::ERegistryException&) {
    return regerr::kCantWrite;
  } catch (const std::bad_alloc&) {
    return regerr::kBadDb;
  }
}

// Copies `data` to the caller's buffer following the platform's size protocol.
LONG CopyOut(const std::string& data, BYTE* out, DWORD* size) {
  if (!size) return out ? regerr::kInvalidParameter : regerr::kSuccess;
  const DWORD need = static_cast<DWORD>(data.size());
  if (out && *size < need) {
    *size = need;
    return regerr::kMoreData;
  }
  if (out && need) std::memcpy(out, data.data(), need);
  *size = need;
  return regerr::kSuccess;
}

LONG CopyName(const std::string& name, LPSTR out, DWORD* cch) {
  if (!out || !cch) return regerr::kInvalidParameter;
  if (*cch < name.size() + 1) return regerr::kMoreData;
  std::memcpy(out, name.c_str(), name.size() + 1);
  *cch = static_cast<DWORD>(name.size());
  return regerr::kSuccess;
}

}  // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, DWORD samDesired, HKEY* phkResult) {
  if (!phkResult) return regerr::kInvalidParameter;
  *phkResult = nullptr;
  return Guard([&] {
    const std::string sub = Str(lpSubKey);
    LONG rc = regstore::KeyExists(hKey, sub);
    if (rc != regerr::kSuccess) return rc;
    *phkResult = regstore::OpenHandle(hKey, sub, samDesired);
    return *phkResult ? regerr::kSuccess : regerr::kInvalidHandle;
  });
}

LONG RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, HKEY* phkResult) {
  return RegOpenKeyExA(hKey, lpSubKey, 0, KEY_ALL_ACCESS, phkResult);
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, DWORD samDesired, void*,
                     HKEY* phkResult, DWORD* lpdwDisposition) {
  if (!phkResult) return regerr::kInvalidParameter;
  *phkResult = nullptr;
  return Guard([&] {
    const std::string sub = Str(lpSubKey);
    bool created = false;
    LONG rc = regstore::CreateKey(hKey, sub, &created);
    if (rc != regerr::kSuccess) return rc;
    if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phkResult = regstore::OpenHandle(hKey, sub, samDesired);
    return *phkResult ? regerr::kSuccess : regerr::kInvalidHandle;
  });
}

LONG RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, HKEY* phkResult) {
  return RegCreateKeyExA(hKey, lpSubKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, phkResult, nullptr);
}

LONG RegCloseKey(HKEY hKey) {
  return regstore::CloseHandle(hKey) ? regerr::kSuccess : regerr::kInvalidHandle;
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (!lpSubKey || !*lpSubKey) return regerr::kInvalidParameter;
  return Guard([&] { return regstore::DeleteKey(hKey, lpSubKey, false); });
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  return Guard([&] { return regstore::DeleteValue(hKey, "", Str(lpValueName)); });
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, DWORD*, DWORD* lpType, BYTE* lpData,
                      DWORD* lpcbData) {
  return Guard([&] {
    regstore::TValue v;
    LONG rc = regstore::QueryValue(hKey, "", Str(lpValueName), v);
    if (rc != regerr::kSuccess) return rc;
    if (lpType) *lpType = v.Type;
    return CopyOut(v.Data, lpData, lpcbData);
  });
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
  if (!lpData && cbData) return regerr::kInvalidParameter;
  return Guard([&] {
    regstore::TValue v;
    v.Type = dwType;
    if (cbData) v.Data.assign(reinterpret_cast<const char*>(lpData), cbData);
    return regstore::SetValue(hKey, "", Str(lpValueName), v);
  });
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD* lpcchName, DWORD*, LPSTR lpClass,
                   DWORD* lpcchClass, void*) {
  return Guard([&] {
    std::vector<std::string> names;
    LONG rc = regstore::SubKeyNames(hKey, "", names);
    if (rc != regerr::kSuccess) return rc;
    if (dwIndex >= names.size()) return regerr::kNoMoreItems;
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    return CopyName(names[dwIndex], lpName, lpcchName);
  });
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, DWORD* lpcchValueName, DWORD*,
                   DWORD* lpType, BYTE* lpData, DWORD* lpcbData) {
  return Guard([&] {
    std::vector<std::string> names;
    LONG rc = regstore::ValueNames(hKey, "", names);
    if (rc != regerr::kSuccess) return rc;
    if (dwIndex >= names.size()) return regerr::kNoMoreItems;
    rc = CopyName(names[dwIndex], lpValueName, lpcchValueName);
    if (rc != regerr::kSuccess) return rc;
    regstore::TValue v;
    rc = regstore::QueryValue(hKey, "", names[dwIndex], v);
    if (rc != regerr::kSuccess) return rc;
    if (lpType) *lpType = v.Type;
    return CopyOut(v.Data, lpData, lpcbData);
  });
}

LONG RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, DWORD* lpcchClass, DWORD*, DWORD* lpcSubKeys,
                      DWORD* lpcbMaxSubKeyLen, DWORD* lpcbMaxClassLen, DWORD* lpcValues,
                      DWORD* lpcbMaxValueNameLen, DWORD* lpcbMaxValueLen,
                      DWORD* lpcbSecurityDescriptor, void*) {
  return Guard([&] {
    regstore::TKeyInfo info;
    LONG rc = regstore::QueryInfo(hKey, "", info);
    if (rc != regerr::kSuccess) return rc;
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpcSubKeys) *lpcSubKeys = info.SubKeys;
    if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = info.MaxSubKeyLen;
    if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
    if (lpcValues) *lpcValues = info.Values;
    if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = info.MaxValueNameLen;
    if (lpcbMaxValueLen) *lpcbMaxValueLen = info.MaxValueLen;
    if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
    return regerr::kSuccess;
  });
}

}  // namespace win
