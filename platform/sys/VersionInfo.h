// Version resources: the file version information of a module, read through the platform's
// version functions. A module registers its version resource (type RT_VERSION "#16", name
// "#1") with RegisterVersionInfo; the block that GetFileVersionInfoA copies is this system's
// own layout (not the binary tree of the original format): the text "ZYLVER1" and a zero, the
// fixed information, the translation (language in the low word, code page in the high word),
// the number of strings, then each string as "Name", a zero, "Value", a zero. Only the running
// program (ParamStr(0)) is a file that has a version resource here.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/base/Types.h"

namespace win {

constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;

struct VS_FIXEDFILEINFO {
  DWORD dwSignature = VS_FFI_SIGNATURE;
  DWORD dwStrucVersion = 0x00010000;
  DWORD dwFileVersionMS = 0;
  DWORD dwFileVersionLS = 0;
  DWORD dwProductVersionMS = 0;
  DWORD dwProductVersionLS = 0;
  DWORD dwFileFlagsMask = 0x3F;
  DWORD dwFileFlags = 0;
  DWORD dwFileOS = 0x40004;  // VOS_NT_WINDOWS32
  DWORD dwFileType = 1;      // VFT_APP
  DWORD dwFileSubtype = 0;
  DWORD dwFileDateMS = 0;
  DWORD dwFileDateLS = 0;
};

// The size of the file's version block (0 when it has none); *handle is set to 0.
DWORD GetFileVersionInfoSizeA(LPCSTR fileName, DWORD* handle);
// Copies at most len bytes of the block; FALSE when the file has none or len is too small.
BOOL GetFileVersionInfoA(LPCSTR fileName, DWORD handle, DWORD len, void* data);
// "\\" gives the fixed information, "\\VarFileInfo\\Translation" the translation DWORD and
// "\\StringFileInfo\\llllcccc\\Name" (language and code page in hexadecimal, as the
// translation gives them) the zero-ended value; names compare without regard to case. FALSE
// for anything else or a block that is not a version block.
BOOL VerQueryValueA(const void* block, LPCSTR subBlock, void** buffer, UINT* len);

}  // namespace win

namespace vcl {

// Builds the version block and registers it as the module's version resource.
void RegisterVersionInfo(win::HINSTANCE Instance, const win::VS_FIXEDFILEINFO& Fixed,
                         const std::vector<std::pair<std::string, std::string>>& Strings,
                         win::WORD Language = 0x0409, win::WORD CodePage = 1252);
void UnregisterVersionInfo(win::HINSTANCE Instance);

}  // namespace vcl
