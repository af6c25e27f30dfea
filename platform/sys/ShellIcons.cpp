#include "platform/sys/ShellIcons.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/classes/Streams.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/WinReg.h"

namespace win {

namespace {

constexpr size_t kMaxIconFile = 4 * 1024 * 1024;

enum TStockIcon { siDocument = 0, siProgram = 2, siFolder = 3 };

std::string RegDefault(const std::string& key) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return {};
  DWORD type = 0, size = 0;
  std::string out;
  if (RegQueryValueExA(k, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0 && size < 65536) {
    std::string buf(size, '\0');
    if (RegQueryValueExA(k, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) ==
        ERROR_SUCCESS)
      out = buf.c_str();
  }
  RegCloseKey(k);
  return out;
}

void CopyText(char* dst, size_t cap, const std::string& s) {
  const size_t n = std::min(s.size(), cap - 1);
  std::memcpy(dst, s.data(), n);
  dst[n] = '\0';
}

// The icon file's bytes, or nothing when it is missing, too large or no icon file.
std::vector<uint8_t> ReadIconFile(const std::string& name) {
  const std::string n = vcl::NativeFileName(name);
  struct stat st;
  if (n.empty() || stat(n.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
      static_cast<uint64_t>(st.st_size) > kMaxIconFile || st.st_size < 22)
    return {};
  std::ifstream in(n, std::ios::binary);
  std::vector<uint8_t> data(static_cast<size_t>(st.st_size));
  if (!in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size())))
    return {};
  auto u16 = [&](size_t o) { return uint32_t(data[o] | data[o + 1] << 8); };
  auto u32 = [&](size_t o) { return u16(o) | u16(o + 2) << 16; };
  const uint32_t count = u16(4);
  if (u16(0) != 0 || u16(2) != 1 || count == 0 || 6 + size_t{count} * 16 > data.size()) return {};
  for (uint32_t i = 0; i < count; ++i) {
    const size_t e = 6 + size_t{i} * 16;
    const uint64_t size = u32(e + 8), off = u32(e + 12);
    if (size == 0 || off + size > data.size()) return {};
  }
  return data;
}

// The icon of the file's image nearest to `want` pixels, as a new handle (null when the
// image cannot be decoded).
HICON IconFromFile(const std::vector<uint8_t>& data, int want) {
  auto u16 = [&](size_t o) { return uint32_t(data[o] | data[o + 1] << 8); };
  auto u32 = [&](size_t o) { return u16(o) | u16(o + 2) << 16; };
  const uint32_t count = u16(4);
  size_t best = 6;
  int bestDiff = 1 << 30;
  for (uint32_t i = 0; i < count; ++i) {
    const size_t e = 6 + size_t{i} * 16;
    const int w = data[e] ? data[e] : 256;
    const int diff = std::abs(w - want);
    if (diff < bestDiff) {
      bestDiff = diff;
      best = e;
    }
  }
  const uint32_t size = u32(best + 8), off = u32(best + 12);
  std::vector<uint8_t> one(22 + size_t{size});
  one[2] = 1;
  one[4] = 1;
  std::memcpy(one.data() + 6, data.data() + best, 12);
  one[18] = 22;
  std::memcpy(one.data() + 22, data.data() + off, size);
  try {
    vcl::TMemoryStream ms;
    ms.WriteBuffer(one.data(), static_cast<int32_t>(one.size()));
    ms.SetPosition(0);
    vcl::TIcon icon;
    icon.LoadFromStream(&ms);
    return icon.ReleaseHandle();
  } catch (const std::exception&) {
    return nullptr;
  }
}

// One of the shell's own icons: a page, a page with a title bar, or a folder.
HICON StockIcon(TStockIcon kind, int size) {
  std::vector<uint32_t> px(size_t(size) * size, 0);
  std::vector<uint8_t> mask(size_t((size + 15) / 16 * 2) * size, 0xFF);
  auto set = [&](int x, int y, uint32_t c) {
    px[size_t(y) * size + x] = c;
    mask[size_t(y) * ((size + 15) / 16 * 2) + x / 8] &= uint8_t(~(0x80 >> (x % 8)));
  };
  const int l = kind == siFolder ? 0 : size / 8, r = size - 1 - l;
  const int t = kind == siFolder ? size / 4 : 0, b = size - 1;
  for (int y = t; y <= b; ++y)
    for (int x = l; x <= r; ++x) {
      const bool edge = x == l || x == r || y == t || y == b;
      uint32_t c = kind == siFolder ? 0xFFE0C060u : 0xFFFFFFFFu;
      if (kind == siProgram && y < t + size / 5) c = 0xFF000080u;
      set(x, y, edge ? 0xFF000000u : c);
    }
  const TOwnedObject<HBITMAP> color(CreateBitmap(size, size, 1, 32, px.data()));
  const TOwnedObject<HBITMAP> m(CreateBitmap(size, size, 1, 1, mask.data()));
  ICONINFO ii;
  ii.hbmColor = color;
  ii.hbmMask = m;
  return CreateIconIndirect(&ii);
}

bool IsProgram(const std::string& native, const std::string& ext) {
  struct stat st;
  return ext == ".exe" || ext == ".com" || ext == ".bat" ||
         (stat(native.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & S_IXUSR));
}

}  // namespace

DWORD_PTR SHGetFileInfoA(LPCSTR path, DWORD, SHFILEINFOA* info, UINT infoSize, UINT flags) {
  if (!path || !*path || !info || infoSize < sizeof(SHFILEINFOA)) return 0;
  const std::string name = path;
  const std::string native = vcl::NativeFileName(name);
  struct stat st;
  if (native.empty() || stat(native.c_str(), &st) != 0) return 0;
  const bool folder = S_ISDIR(st.st_mode);
  const std::string ext = vcl::AnsiLowerCase(vcl::ExtractFileExt(name));
  const std::string cls = folder || ext.empty() ? std::string() : RegDefault(ext);
  const TStockIcon kind = folder ? siFolder : IsProgram(native, ext) ? siProgram : siDocument;
  const bool isIconFile = !folder && ext == ".ico" && !ReadIconFile(name).empty();
  const bool small = flags & SHGFI_SMALLICON;

  if (flags & SHGFI_TYPENAME)
    CopyText(info->szTypeName, sizeof info->szTypeName,
             folder ? std::string("File Folder") : cls.empty() ? std::string() : RegDefault(cls));
  if (flags & SHGFI_DISPLAYNAME)
    CopyText(info->szDisplayName, sizeof info->szDisplayName, vcl::ExtractFileName(name));
  if (flags & SHGFI_ICONLOCATION) {
    std::string file;
    int index = 0;
    if (isIconFile) {
      file = name;
    } else if (!cls.empty()) {
      const std::string loc = RegDefault(cls + "\\DefaultIcon");
      const size_t comma = loc.rfind(',');
      file = loc.substr(0, comma);
      if (comma != std::string::npos) index = std::atoi(loc.c_str() + comma + 1);
    }
    CopyText(info->szDisplayName, sizeof info->szDisplayName, file);
    info->iIcon = index;
  }
  if (flags & SHGFI_ICON) {
    const int size = small ? 16 : 32;
    HICON h = nullptr;
    if (isIconFile) h = IconFromFile(ReadIconFile(name), size);
    info->hIcon = h ? h : StockIcon(kind, size);
  }
  if (flags & (SHGFI_SYSICONINDEX | SHGFI_ICON)) info->iIcon = kind;
  if (flags & SHGFI_SYSICONINDEX) return small ? kSystemSmallIconList : kSystemLargeIconList;
  return 1;
}

UINT ExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT icons) {
  if (!file) return 0;
  const std::vector<uint8_t> data = ReadIconFile(file);
  const UINT count = data.empty() ? 0 : 1;
  if (index == -1 && !large && !small) return count;
  if (index < 0 || static_cast<UINT>(index) >= count || icons == 0) return 0;
  if (large) large[0] = IconFromFile(data, 32);
  if (small) small[0] = IconFromFile(data, 16);
  return 1;
}

}  // namespace win
