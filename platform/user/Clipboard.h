// Global memory blocks and the clipboard of this program (in-process: copy and paste between
// the windows of one program). The clipboard owns what SetClipboardData hands it.
#pragma once

#include <cstddef>

#include "platform/base/Types.h"

namespace win {

using HGLOBAL = HANDLE;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// A block of `bytes` bytes (at least one is kept); null when it cannot be had. Handles of
// freed blocks are recognised as invalid.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
LPVOID GlobalLock(HGLOBAL mem);
BOOL GlobalUnlock(HGLOBAL mem);
size_t GlobalSize(HGLOBAL mem);
// Null on success, the handle itself when it is not a live block.
HGLOBAL GlobalFree(HGLOBAL mem);

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_OEMTEXT = 7;

// FALSE while another window has the clipboard open.
BOOL OpenClipboard(HWND newOwner);
BOOL CloseClipboard();
// Needs the clipboard open: drops every format.
BOOL EmptyClipboard();
// Needs the clipboard open; the clipboard takes the global block over and answers it; null for
// format 0 or a handle that is not a live block.
HANDLE SetClipboardData(UINT format, HANDLE data);
// Needs the clipboard open; null when it is not or the format is absent. The handle stays the
// clipboard's.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);

}  // namespace win
