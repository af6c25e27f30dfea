#include "platform/sys/VersionInfo.h"

#include <cstdio>
#include <cstring>

#include "platform/classes/Resources.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"

namespace win {

namespace {

const char kMagic[8] = {'Z', 'Y', 'L', 'V', 'E', 'R', '1', 0};
constexpr size_t kFixedAt = sizeof kMagic;
constexpr size_t kTranslationAt = kFixedAt + sizeof(VS_FIXEDFILEINFO);
constexpr size_t kCountAt = kTranslationAt + sizeof(DWORD);
constexpr size_t kStringsAt = kCountAt + sizeof(DWORD);

// The registered block of the file, when the file is the running program.
bool BlockOf(LPCSTR fileName, const void*& data, size_t& size) {
  if (!fileName || !*fileName || !vcl::SameFileName(fileName, vcl::ParamStr(0))) return false;
  return vcl::FindResourceData(vcl::HInstance, vcl::ResourceId(16), vcl::ResourceId(1), data,
                               size);
}

bool IsBlock(const void* block) {
  return block && std::memcmp(block, kMagic, sizeof kMagic) == 0;
}

}  // namespace

DWORD GetFileVersionInfoSizeA(LPCSTR fileName, DWORD* handle) {
  if (handle) *handle = 0;
  const void* data = nullptr;
  size_t size = 0;
  return BlockOf(fileName, data, size) ? static_cast<DWORD>(size) : 0;
}

BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD, DWORD len, void* out) {
  const void* data = nullptr;
  size_t size = 0;
  if (!out || !BlockOf(fileName, data, size) || len < size) return FALSE;
  std::memcpy(out, data, size);
  return TRUE;
}

BOOL VerQueryValueA(const void* block, LPCSTR subBlock, void** buffer, UINT* len) {
  if (!IsBlock(block) || !subBlock || !buffer) return FALSE;
  auto* base = static_cast<const char*>(block);
  const std::string path = subBlock;
  auto give = [&](const char* p, size_t n) {
    *buffer = const_cast<char*>(p);
    if (len) *len = static_cast<UINT>(n);
    return TRUE;
  };
  if (path == "\\") return give(base + kFixedAt, sizeof(VS_FIXEDFILEINFO));
  if (vcl::SameText(path, "\\VarFileInfo\\Translation"))
    return give(base + kTranslationAt, sizeof(DWORD));
  const std::string prefix = "\\StringFileInfo\\";
  if (path.size() <= prefix.size() + 9 || !vcl::SameText(path.substr(0, prefix.size()), prefix))
    return FALSE;
  DWORD tr = 0;
  std::memcpy(&tr, base + kTranslationAt, sizeof tr);
  char lang[9];
  std::snprintf(lang, sizeof lang, "%04x%04x", tr & 0xFFFF, tr >> 16);
  if (!vcl::SameText(path.substr(prefix.size(), 8), lang) || path[prefix.size() + 8] != '\\')
    return FALSE;
  const std::string name = path.substr(prefix.size() + 9);
  DWORD count = 0;
  std::memcpy(&count, base + kCountAt, sizeof count);
  const char* p = base + kStringsAt;
  for (DWORD i = 0; i < count; ++i) {
    const char* value = p + std::strlen(p) + 1;
    const size_t n = std::strlen(value);
    if (vcl::SameText(p, name)) return give(value, n + 1);
    p = value + n + 1;
  }
  return FALSE;
}

}  // namespace win

namespace vcl {

void RegisterVersionInfo(win::HINSTANCE Instance, const win::VS_FIXEDFILEINFO& Fixed,
                         const std::vector<std::pair<std::string, std::string>>& Strings,
                         win::WORD Language, win::WORD CodePage) {
  std::string block(win::kMagic, sizeof win::kMagic);
  block.append(reinterpret_cast<const char*>(&Fixed), sizeof Fixed);
  const win::DWORD tr = win::MAKELONG(Language, CodePage);
  block.append(reinterpret_cast<const char*>(&tr), sizeof tr);
  const win::DWORD count = static_cast<win::DWORD>(Strings.size());
  block.append(reinterpret_cast<const char*>(&count), sizeof count);
  for (const auto& [name, value] : Strings) {
    block.append(name.c_str(), name.size() + 1);
    block.append(value.c_str(), value.size() + 1);
  }
  RegisterResource(Instance, ResourceId(16), ResourceId(1), block.data(), block.size());
}

void UnregisterVersionInfo(win::HINSTANCE Instance) {
  UnregisterResource(Instance, ResourceId(16), ResourceId(1));
}

}  // namespace vcl
