// The shell's file information and icons: type names and icon locations from the registry's
// file classes, the system image lists, and icons read from icon files.
//
// The shell here knows icons of icon files (.ico, one icon per file) and draws three stock
// icons of its own for everything else: document, program and folder. The system image list
// holds those three, at index 0 (document), 2 (program) and 3 (folder); its handles are
// stand-ins that name the large and the small list.
#pragma once

#include <cstdint>

#include "platform/base/Types.h"

namespace win {

constexpr UINT SHGFI_LARGEICON = 0x0;
constexpr UINT SHGFI_SMALLICON = 0x1;
constexpr UINT SHGFI_ICON = 0x100;
constexpr UINT SHGFI_DISPLAYNAME = 0x200;
constexpr UINT SHGFI_TYPENAME = 0x400;
constexpr UINT SHGFI_ATTRIBUTES = 0x800;
constexpr UINT SHGFI_ICONLOCATION = 0x1000;
constexpr UINT SHGFI_SYSICONINDEX = 0x4000;

struct SHFILEINFOA {
  HICON hIcon = nullptr;
  int iIcon = 0;
  DWORD dwAttributes = 0;
  char szDisplayName[260] = {};
  char szTypeName[80] = {};
};

// The handles of the system image lists.
constexpr DWORD_PTR kSystemLargeIconList = 0x51CE0001;
constexpr DWORD_PTR kSystemSmallIconList = 0x51CE0002;

// Fills *info as `flags` ask: SHGFI_TYPENAME the type name of the file's class (HKEY_CLASSES_ROOT
// \.ext names the class, whose default value is the type name; "File Folder" for a folder;
// empty when the class is not known), SHGFI_ICONLOCATION the icon file and index (the class's
// DefaultIcon "file,index"; an icon file itself; else empty), SHGFI_DISPLAYNAME the name
// without path, SHGFI_SYSICONINDEX the index in the system image list, SHGFI_ICON a new icon
// handle (SHGFI_SMALLICON: 16 x 16, else 32 x 32) that the caller destroys. Answers 0 when the
// file does not exist; with SHGFI_SYSICONINDEX the handle of the system image list, else 1.
DWORD_PTR SHGetFileInfoA(LPCSTR path, DWORD fileAttributes, SHFILEINFOA* info, UINT infoSize,
                         UINT flags);
inline DWORD_PTR SHGetFileInfo(LPCSTR p, DWORD a, SHFILEINFOA* i, UINT s, UINT f) {
  return SHGetFileInfoA(p, a, i, s, f);
}

// With index -1 and no output arrays: the number of icons in the file (1 for a valid icon
// file, 0 for other files). Otherwise stores up to `icons` large and small icons from number
// `index` on and answers how many were extracted. A corrupt icon file holds no icons.
UINT ExtractIconExA(LPCSTR file, int index, HICON* large, HICON* small, UINT icons);

}  // namespace win
