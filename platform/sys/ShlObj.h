// The shell's name space as far as programs browse it: item-id lists for folders, the special
// folders, the desktop folder's parsing of paths, the task allocator, and the folder browser.
//
// - An item-id list here holds one item per folder level of a file-system path, the first
//   item being the root "/" (each item: its size, then the name's bytes). The empty list is
//   the desktop, the top of the name space; its path is the desktop folder.
// - Special folders map to the user's folders ($HOME/Documents, $HOME/Desktop, the XDG
//   configuration and data folders, ...); the computer, control panel, printers, recycle bin,
//   network and internet are virtual items without a path.
// - SHBrowseForFolderA shows the dialog the framework's dialog unit installs (a modal form
//   with the folder tree); without one it fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/Types.h"
#include "platform/user/WinUser.h"

namespace win {

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr bool FAILED(HRESULT hr) { return hr < 0; }

constexpr int MAX_PATH = 260;

#pragma pack(push, 1)
struct SHITEMID {
  uint16_t cb;  // size of the item, cb included; 0 ends the list
  BYTE abID[1];
};
struct ITEMIDLIST {
  SHITEMID mkid;
};
#pragma pack(pop)
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;
using PItemIDList = ITEMIDLIST*;

// ---- The task allocator ----
void* CoTaskMemAlloc(size_t size);
void* CoTaskMemRealloc(void* p, size_t size);
void CoTaskMemFree(void* p);

struct IMalloc {
  virtual void* Alloc(size_t size) = 0;
  virtual void* Realloc(void* p, size_t size) = 0;
  virtual void Free(void* p) = 0;
  virtual size_t GetSize(void* p) = 0;
  virtual uint32_t AddRef() = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~IMalloc() = default;
};
// The shell's allocator (the task allocator).
HRESULT SHGetMalloc(IMalloc** malloc);

// ---- Item-id lists ----
// Size in bytes with the ending zero; 0 for null.
UINT ILGetSize(LPCITEMIDLIST pidl);
LPITEMIDLIST ILClone(LPCITEMIDLIST pidl);
void ILFree(LPITEMIDLIST pidl);
BOOL ILIsEqual(LPCITEMIDLIST a, LPCITEMIDLIST b);
// The list of an existing file or folder (a name with or without drive); null when the path
// does not exist.
LPITEMIDLIST ILCreateFromPathA(LPCSTR path);
// The file-system path of the list into `path` (MAX_PATH bytes); FALSE (and "") for a virtual
// item or a null list.
BOOL SHGetPathFromIDListA(LPCITEMIDLIST pidl, LPSTR path);
// The name the shell shows for the list's last item ("Desktop", "My Computer", a folder name).
std::string ItemIDListDisplayName(LPCITEMIDLIST pidl);
// True for the virtual items (no file-system path).
bool IsVirtualItemIDList(LPCITEMIDLIST pidl);

// ---- Special folders ----
constexpr int CSIDL_DESKTOP = 0x00;
constexpr int CSIDL_INTERNET = 0x01;
constexpr int CSIDL_PROGRAMS = 0x02;
constexpr int CSIDL_CONTROLS = 0x03;
constexpr int CSIDL_PRINTERS = 0x04;
constexpr int CSIDL_PERSONAL = 0x05;
constexpr int CSIDL_FAVORITES = 0x06;
constexpr int CSIDL_STARTUP = 0x07;
constexpr int CSIDL_RECENT = 0x08;
constexpr int CSIDL_SENDTO = 0x09;
constexpr int CSIDL_BITBUCKET = 0x0A;
constexpr int CSIDL_STARTMENU = 0x0B;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
constexpr int CSIDL_DRIVES = 0x11;
constexpr int CSIDL_NETWORK = 0x12;
constexpr int CSIDL_NETHOOD = 0x13;
constexpr int CSIDL_FONTS = 0x14;
constexpr int CSIDL_TEMPLATES = 0x15;
constexpr int CSIDL_COMMON_STARTMENU = 0x16;
constexpr int CSIDL_COMMON_PROGRAMS = 0x17;
constexpr int CSIDL_COMMON_STARTUP = 0x18;
constexpr int CSIDL_COMMON_DESKTOPDIRECTORY = 0x19;
constexpr int CSIDL_APPDATA = 0x1A;
constexpr int CSIDL_PRINTHOOD = 0x1B;
constexpr int CSIDL_LOCAL_APPDATA = 0x1C;
constexpr int CSIDL_ALTSTARTUP = 0x1D;
constexpr int CSIDL_COMMON_ALTSTARTUP = 0x1E;
constexpr int CSIDL_COMMON_FAVORITES = 0x1F;
constexpr int CSIDL_INTERNET_CACHE = 0x20;
constexpr int CSIDL_COOKIES = 0x21;
constexpr int CSIDL_HISTORY = 0x22;
constexpr int CSIDL_WINDOWS = 0x24;
constexpr int CSIDL_SYSTEM = 0x25;
constexpr int CSIDL_PROGRAM_FILES = 0x26;
constexpr int CSIDL_MYPICTURES = 0x27;
constexpr int CSIDL_PROFILE = 0x28;
// The special folder's list into *pidl (free it with CoTaskMemFree); E_INVALIDARG and null for
// an unknown folder id.
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, LPITEMIDLIST* pidl);

// ---- The desktop folder ----
struct IShellFolder {
  // Parses a full path into an item list; E_INVALIDARG for a path that does not exist.
  virtual HRESULT ParseDisplayName(HWND owner, void* bindContext, const char* displayName,
                                   ULONG* eaten, LPITEMIDLIST* pidl, ULONG* attributes) = 0;
  virtual uint32_t AddRef() = 0;
  virtual uint32_t Release() = 0;

 protected:
  ~IShellFolder() = default;
};
HRESULT SHGetDesktopFolder(IShellFolder** folder);

// ---- The folder browser ----
constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
constexpr UINT BIF_STATUSTEXT = 0x0004;
constexpr UINT BIF_RETURNFSANCESTORS = 0x0008;
constexpr UINT BIF_EDITBOX = 0x0010;
constexpr UINT BIF_VALIDATE = 0x0020;
constexpr UINT BIF_BROWSEFORCOMPUTER = 0x1000;
constexpr UINT BIF_BROWSEFORPRINTER = 0x2000;
constexpr UINT BIF_BROWSEINCLUDEFILES = 0x4000;

// To the callback.
constexpr UINT BFFM_INITIALIZED = 1;
constexpr UINT BFFM_SELCHANGED = 2;
constexpr UINT BFFM_VALIDATEFAILEDA = 3;
// To the dialog window.
constexpr UINT BFFM_SETSTATUSTEXTA = WM_USER + 100;
constexpr UINT BFFM_ENABLEOK = WM_USER + 101;
constexpr UINT BFFM_SETSELECTIONA = WM_USER + 102;

using BFFCALLBACK = int (*)(HWND wnd, UINT msg, LPARAM lParam, LPARAM data);

struct BROWSEINFOA {
  HWND hwndOwner = nullptr;
  LPCITEMIDLIST pidlRoot = nullptr;  // null: the desktop
  LPSTR pszDisplayName = nullptr;    // MAX_PATH bytes for the chosen item's name
  LPCSTR lpszTitle = nullptr;
  UINT ulFlags = 0;
  BFFCALLBACK lpfn = nullptr;
  LPARAM lParam = 0;
  int iImage = 0;
};

// Shows the folder browser; the chosen item's list (free it with CoTaskMemFree), or null when
// the user cancels. Null (ERROR_NOT_SUPPORTED) when no dialog is installed.
LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* info);

// The dialog behind SHBrowseForFolderA; returns the previous one.
using TBrowseForFolderProc = LPITEMIDLIST (*)(BROWSEINFOA* info);
TBrowseForFolderProc SetBrowseForFolderProc(TBrowseForFolderProc proc);

}  // namespace win
