#include "platform/sys/ShlObj.h"

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/LastError.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/WinError.h"

namespace win {

// ---------------------------------------------------------------------------------------------
// Task allocator

void* CoTaskMemAlloc(size_t size) { return std::malloc(size ? size : 1); }
void* CoTaskMemRealloc(void* p, size_t size) { return std::realloc(p, size ? size : 1); }
void CoTaskMemFree(void* p) { std::free(p); }

namespace {

class TTaskMalloc final : public IMalloc {
 public:
  void* Alloc(size_t size) override { return CoTaskMemAlloc(size); }
  void* Realloc(void* p, size_t size) override { return CoTaskMemRealloc(p, size); }
  void Free(void* p) override { CoTaskMemFree(p); }
  size_t GetSize(void* p) override { return p ? malloc_usable_size(p) : 0; }
  uint32_t AddRef() override { return 1; }
  uint32_t Release() override { return 1; }
};

// Virtual items: one item whose name starts with "::".
struct TVirtualFolder {
  int Csidl;
  const char* Name;
};
const TVirtualFolder kVirtual[] = {
    {CSIDL_INTERNET, "The Internet"}, {CSIDL_CONTROLS, "Control Panel"},
    {CSIDL_PRINTERS, "Printers"},     {CSIDL_BITBUCKET, "Recycle Bin"},
    {CSIDL_DRIVES, "My Computer"},    {CSIDL_NETWORK, "Network"}};

std::vector<std::string> Items(LPCITEMIDLIST pidl) {
  std::vector<std::string> items;
  const BYTE* p = reinterpret_cast<const BYTE*>(pidl);
  for (;;) {
    uint16_t cb;
    std::memcpy(&cb, p, sizeof cb);
    if (cb < 2) break;
    items.emplace_back(reinterpret_cast<const char*>(p + 2), cb - 2);
    p += cb;
  }
  return items;
}

LPITEMIDLIST Build(const std::vector<std::string>& items) {
  size_t size = 2;
  for (const std::string& s : items) size += 2 + s.size();
  auto* p = static_cast<BYTE*>(CoTaskMemAlloc(size));
  if (!p) return nullptr;
  BYTE* q = p;
  for (const std::string& s : items) {
    const uint16_t cb = static_cast<uint16_t>(2 + s.size());
    std::memcpy(q, &cb, 2);
    std::memcpy(q + 2, s.data(), s.size());
    q += cb;
  }
  q[0] = q[1] = 0;
  return reinterpret_cast<LPITEMIDLIST>(p);
}

// The list of a native absolute path: "/" then each folder level.
LPITEMIDLIST FromNative(const std::string& native) {
  std::vector<std::string> items{"/"};
  std::string part;
  for (char ch : native) {
    if (ch == '/') {
      if (!part.empty()) items.push_back(part);
      part.clear();
    } else {
      part += ch;
    }
  }
  if (!part.empty()) items.push_back(part);
  return Build(items);
}

std::string Home() {
  const char* h = std::getenv("HOME");
  return h && *h ? h : "/";
}
std::string Xdg(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  return v && *v == '/' ? std::string(v) : Home() + fallback;
}

// The folder of a special folder id, "" for a virtual or unknown one.
std::string SpecialPath(int folder) {
  switch (folder) {
    case CSIDL_DESKTOPDIRECTORY: return Home() + "/Desktop";
    case CSIDL_PERSONAL: return Home() + "/Documents";
    case CSIDL_MYPICTURES: return Home() + "/Pictures";
    case CSIDL_TEMPLATES: return Home() + "/Templates";
    case CSIDL_PROFILE: return Home();
    case CSIDL_APPDATA: return Xdg("XDG_CONFIG_HOME", "/.config");
    case CSIDL_LOCAL_APPDATA: return Xdg("XDG_DATA_HOME", "/.local/share");
    case CSIDL_INTERNET_CACHE: return Xdg("XDG_CACHE_HOME", "/.cache");
    case CSIDL_FONTS: return Xdg("XDG_DATA_HOME", "/.local/share") + "/fonts";
    case CSIDL_PROGRAMS:
    case CSIDL_STARTMENU: return Xdg("XDG_DATA_HOME", "/.local/share") + "/applications";
    case CSIDL_STARTUP:
    case CSIDL_ALTSTARTUP: return Xdg("XDG_CONFIG_HOME", "/.config") + "/autostart";
    case CSIDL_FAVORITES: return Xdg("XDG_DATA_HOME", "/.local/share") + "/favorites";
    case CSIDL_RECENT: return Xdg("XDG_DATA_HOME", "/.local/share") + "/recent";
    case CSIDL_SENDTO: return Xdg("XDG_DATA_HOME", "/.local/share") + "/sendto";
    case CSIDL_NETHOOD: return Xdg("XDG_DATA_HOME", "/.local/share") + "/nethood";
    case CSIDL_PRINTHOOD: return Xdg("XDG_DATA_HOME", "/.local/share") + "/printhood";
    case CSIDL_COOKIES: return Xdg("XDG_DATA_HOME", "/.local/share") + "/cookies";
    case CSIDL_HISTORY: return Xdg("XDG_DATA_HOME", "/.local/share") + "/history";
    case CSIDL_COMMON_STARTMENU:
    case CSIDL_COMMON_PROGRAMS: return "/usr/share/applications";
    case CSIDL_COMMON_STARTUP:
    case CSIDL_COMMON_ALTSTARTUP: return "/etc/xdg/autostart";
    case CSIDL_COMMON_DESKTOPDIRECTORY: return "/usr/share/desktop-directories";
    case CSIDL_COMMON_FAVORITES: return "/usr/share/favorites";
    case CSIDL_WINDOWS: return "/";
    case CSIDL_SYSTEM: return "/usr/lib";
    case CSIDL_PROGRAM_FILES: return "/usr";
    default: return "";
  }
}

class TDesktopFolder final : public IShellFolder {
 public:
  HRESULT ParseDisplayName(HWND, void*, const char* name, ULONG* eaten, LPITEMIDLIST* pidl,
                           ULONG* attributes) override {
    if (!pidl) return E_INVALIDARG;
    *pidl = name ? ILCreateFromPathA(name) : nullptr;
    if (attributes) *attributes = 0;
    if (eaten) *eaten = *pidl ? static_cast<ULONG>(std::strlen(name)) : 0;
    return *pidl ? S_OK : E_INVALIDARG;
  }
  uint32_t AddRef() override { return 1; }
  uint32_t Release() override { return 1; }
};

TBrowseForFolderProc& BrowseProc() {
  static TBrowseForFolderProc proc = nullptr;
  return proc;
}

}  // namespace

HRESULT SHGetMalloc(IMalloc** malloc) {
  static TTaskMalloc task;
  if (!malloc) return E_INVALIDARG;
  *malloc = &task;
  return S_OK;
}

// ---------------------------------------------------------------------------------------------
// Item-id lists

UINT ILGetSize(LPCITEMIDLIST pidl) {
  if (!pidl) return 0;
  UINT size = 2;
  for (const std::string& s : Items(pidl)) size += static_cast<UINT>(2 + s.size());
  return size;
}

LPITEMIDLIST ILClone(LPCITEMIDLIST pidl) {
  if (!pidl) return nullptr;
  const UINT size = ILGetSize(pidl);
  void* p = CoTaskMemAlloc(size);
  if (p) std::memcpy(p, pidl, size);
  return static_cast<LPITEMIDLIST>(p);
}

void ILFree(LPITEMIDLIST pidl) { CoTaskMemFree(pidl); }

BOOL ILIsEqual(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  if (!a || !b) return FALSE;
  return Items(a) == Items(b) ? TRUE : FALSE;
}

LPITEMIDLIST ILCreateFromPathA(LPCSTR path) {
  if (!path || !*path) return nullptr;
  const std::string full = vcl::ExpandFileName(path);
  if (!vcl::FileExists(full) && !vcl::DirectoryExists(full)) return nullptr;
  const std::string native = vcl::NativeFileName(full);
  if (native.empty()) return nullptr;
  return FromNative(native);
}

bool IsVirtualItemIDList(LPCITEMIDLIST pidl) {
  if (!pidl) return false;
  const std::vector<std::string> items = Items(pidl);
  return items.size() == 1 && items[0].compare(0, 2, "::") == 0;
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path) {
  if (path) path[0] = 0;
  if (!pidl || !path || IsVirtualItemIDList(pidl)) return FALSE;
  const std::vector<std::string> items = Items(pidl);
  std::string native;
  if (items.empty()) {
    native = SpecialPath(CSIDL_DESKTOPDIRECTORY);
  } else {
    for (size_t i = 1; i < items.size(); ++i) native += "/" + items[i];
    if (native.empty()) native.push_back('/');  // the root
  }
  const std::string name = vcl::FromNativeFileName(native);
  if (name.size() >= static_cast<size_t>(MAX_PATH)) return FALSE;
  std::memcpy(path, name.c_str(), name.size() + 1);
  return TRUE;
}

std::string ItemIDListDisplayName(LPCITEMIDLIST pidl) {
  if (!pidl) return "";
  const std::vector<std::string> items = Items(pidl);
  if (items.empty()) return "Desktop";
  if (IsVirtualItemIDList(pidl)) return items[0].substr(2);
  return vcl::FromNativeFileName(items.back());
}

HRESULT SHGetSpecialFolderLocation(HWND, int folder, LPITEMIDLIST* pidl) {
  if (!pidl) return E_INVALIDARG;
  *pidl = nullptr;
  if (folder == CSIDL_DESKTOP) {
    *pidl = Build({});
  } else {
    for (const TVirtualFolder& v : kVirtual)
      if (v.Csidl == folder) *pidl = Build({std::string("::") + v.Name});
    if (!*pidl) {
      const std::string path = SpecialPath(folder);
      if (path.empty()) return E_INVALIDARG;
      *pidl = FromNative(path);
    }
  }
  return *pidl ? S_OK : E_OUTOFMEMORY;
}

HRESULT SHGetDesktopFolder(IShellFolder** folder) {
  static TDesktopFolder desktop;
  if (!folder) return E_INVALIDARG;
  *folder = &desktop;
  return S_OK;
}

// ---------------------------------------------------------------------------------------------
// Folder browser

LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* info) {
  if (!info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (!BrowseProc()) {
    SetLastError(ERROR_NOT_SUPPORTED);
    return nullptr;
  }
  return BrowseProc()(info);
}

TBrowseForFolderProc SetBrowseForFolderProc(TBrowseForFolderProc proc) {
  TBrowseForFolderProc old = BrowseProc();
  BrowseProc() = proc;
  return old;
}

}  // namespace win
