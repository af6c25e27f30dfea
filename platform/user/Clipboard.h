// Global memory blocks and the clipboard.
//
// The clipboard is one for every program of this system running as the same user: its content
// lives in a file (ClipboardFileName) that CloseClipboard replaces as a whole after a change,
// so that a program reading it never sees half of one. While a program has the clipboard open
// it holds a lock beside that file, and no other program can open it (OpenClipboard fails, as
// on the platform when another window has it open); nothing waits for the lock.
//
// Memory formats are kept as their bytes; CF_BITMAP is kept as a packed 32-bit device-
// independent bitmap and handed out as a bitmap again (CF_DIB is synthesised from it and the
// other way round). Registered formats travel between programs by name. Delayed rendering
// (a null data handle) is not supported: SetClipboardData refuses it.
#pragma once

#include <cstddef>
#include <string>

#include "platform/base/Types.h"

namespace win {

using HGLOBAL = HANDLE;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// A block of `bytes` bytes (at least one is kept); null (ERROR_NOT_ENOUGH_MEMORY) when it
// cannot be had. Handles of freed blocks are recognised as invalid (ERROR_INVALID_HANDLE).
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
LPVOID GlobalLock(HGLOBAL mem);
BOOL GlobalUnlock(HGLOBAL mem);
size_t GlobalSize(HGLOBAL mem);
// Null on success, the handle itself when it is not a live block.
HGLOBAL GlobalFree(HGLOBAL mem);

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_METAFILEPICT = 3;
constexpr UINT CF_SYLK = 4;
constexpr UINT CF_DIF = 5;
constexpr UINT CF_TIFF = 6;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_DIB = 8;
constexpr UINT CF_PALETTE = 9;
constexpr UINT CF_RIFF = 11;
constexpr UINT CF_WAVE = 12;
constexpr UINT CF_UNICODETEXT = 13;
constexpr UINT CF_ENHMETAFILE = 14;
constexpr UINT CF_HDROP = 15;
constexpr UINT CF_LOCALE = 16;

constexpr UINT WM_DESTROYCLIPBOARD = 0x0307;
constexpr UINT WM_CLIPBOARDUPDATE = 0x031D;

// FALSE (ERROR_ACCESS_DENIED) while another program or window has the clipboard open.
BOOL OpenClipboard(HWND newOwner);
// Publishes the changes made since OpenClipboard; FALSE when the clipboard was not open.
BOOL CloseClipboard();
// Needs the clipboard open; the opening window becomes the owner, and the previous owner (a
// window of this program) receives WM_DESTROYCLIPBOARD.
BOOL EmptyClipboard();
// Needs the clipboard open. The clipboard takes the handle over (a global block, or a bitmap
// for CF_BITMAP) and answers it; null with ERROR_INVALID_PARAMETER for format 0, a null or
// invalid handle, or a bitmap that is not one.
HANDLE SetClipboardData(UINT format, HANDLE data);
// Needs the clipboard open; null (ERROR_CLIPBOARD_NOT_OPEN, or 0 when the format is absent)
// otherwise. The handle belongs to the clipboard.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
// The format after `format` (0 starts), 0 after the last; needs the clipboard open.
UINT EnumClipboardFormats(UINT format);
// Ids from 0xC000 up, shared with the registered window messages; names compare without
// regard to case. 0 for an empty name.
UINT RegisterClipboardFormatA(LPCSTR name);
// The registered name of a format (not of the predefined ones): characters copied, 0 if none.
int GetClipboardFormatNameA(UINT format, LPSTR buffer, int size);
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();
// Counts the changes of the clipboard's content, across programs.
DWORD GetClipboardSequenceNumber();

// The shared content file: $ZYL_CLIPBOARD_FILE when set, else "zyl-clipboard-<uid>" in
// $XDG_RUNTIME_DIR (or /tmp).
std::string ClipboardFileName();

}  // namespace win
