// The window manager's public API: window classes and windows, messages and queues, painting,
// input, focus and activation, caret, timers, hot keys and system metrics, with the platform's
// names and signatures (the A variants where strings are involved, plus unsuffixed aliases).
//
// Threads: every window belongs to the thread that created it. Functions that change windows
// or paint must be called on that thread. SendMessageA to another thread's window waits until
// that thread looks for messages and runs it (the waiting thread meanwhile runs what is sent
// to it); PostMessageA, PostThreadMessageA, SendMessageA and IsWindow are safe from any thread.
#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/ListComboConsts.h"
#include "platform/user/WinUserConsts.h"

namespace win {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
using PROPENUMPROCA = BOOL (*)(HWND, LPCSTR, HANDLE);

struct WNDCLASSA {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  LPCSTR lpszMenuName = nullptr;
  LPCSTR lpszClassName = nullptr;
};
using WNDCLASS = WNDCLASSA;

struct WNDCLASSEXA {
  UINT cbSize = sizeof(WNDCLASSEXA);
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  LPCSTR lpszMenuName = nullptr;
  LPCSTR lpszClassName = nullptr;
  HICON hIconSm = nullptr;
};
using WNDCLASSEX = WNDCLASSEXA;

struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};
using LPMSG = MSG*;

struct CREATESTRUCTA {
  LPVOID lpCreateParams = nullptr;
  HINSTANCE hInstance = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0;
  int cx = 0;
  int y = 0;
  int x = 0;
  LONG style = 0;
  LPCSTR lpszName = nullptr;
  LPCSTR lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
using CREATESTRUCT = CREATESTRUCTA;

struct WINDOWPOS {
  HWND hwnd = nullptr;
  HWND hwndInsertAfter = nullptr;
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  UINT flags = 0;
};

struct NCCALCSIZE_PARAMS {
  RECT rgrc[3];
  WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
  POINT ptReserved;
  POINT ptMaxSize;
  POINT ptMaxPosition;
  POINT ptMinTrackSize;
  POINT ptMaxTrackSize;
};

struct STYLESTRUCT {
  DWORD styleOld = 0;
  DWORD styleNew = 0;
};

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;
  RECT rcPaint;
  BOOL fRestore = FALSE;
  BOOL fIncUpdate = FALSE;
  BYTE rgbReserved[32] = {};
};

struct WINDOWPLACEMENT {
  UINT length = sizeof(WINDOWPLACEMENT);
  UINT flags = 0;
  UINT showCmd = 0;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
};

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

struct MOUSEINPUT {
  LONG dx = 0;
  LONG dy = 0;
  DWORD mouseData = 0;
  DWORD dwFlags = 0;
  DWORD time = 0;
  uintptr_t dwExtraInfo = 0;
};
struct KEYBDINPUT {
  WORD wVk = 0;
  WORD wScan = 0;
  DWORD dwFlags = 0;
  DWORD time = 0;
  uintptr_t dwExtraInfo = 0;
};
struct HARDWAREINPUT {
  DWORD uMsg = 0;
  WORD wParamL = 0;
  WORD wParamH = 0;
};
struct INPUT {
  DWORD type = INPUT_MOUSE;
  union {
    MOUSEINPUT mi;
    KEYBDINPUT ki;
    HARDWAREINPUT hi;
  };
  INPUT() : mi() {}
};

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};
using LPSCROLLINFO = SCROLLINFO*;

struct FLASHWINFO {
  UINT cbSize = sizeof(FLASHWINFO);
  HWND hwnd = nullptr;
  DWORD dwFlags = 0;
  UINT uCount = 0;
  DWORD dwTimeout = 0;
};

// SPI_GETANIMATION / SPI_SETANIMATION (8 bytes).
struct ANIMATIONINFO {
  UINT cbSize = sizeof(ANIMATIONINFO);
  int iMinAnimate = 0;
};

// SPI_GETNONCLIENTMETRICS (340 bytes, as the platform's).
struct NONCLIENTMETRICSA {
  UINT cbSize = sizeof(NONCLIENTMETRICSA);
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  LOGFONTA lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  LOGFONTA lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  LOGFONTA lfMenuFont;
  LOGFONTA lfStatusFont;
  LOGFONTA lfMessageFont;
};
using NONCLIENTMETRICS = NONCLIENTMETRICSA;

struct ICONMETRICSA {
  UINT cbSize = sizeof(ICONMETRICSA);
  int iHorzSpacing = 0;
  int iVertSpacing = 0;
  int iTitleWrap = 0;
  LOGFONTA lfFont;
};

// ---- Window classes ----
ATOM RegisterClassA(const WNDCLASSA* wc);
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
BOOL UnregisterClassA(LPCSTR className, HINSTANCE inst);
BOOL GetClassInfoA(HINSTANCE inst, LPCSTR className, WNDCLASSA* wc);
BOOL GetClassInfoExA(HINSTANCE inst, LPCSTR className, WNDCLASSEXA* wc);
int GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount);
DWORD GetClassLongA(HWND hwnd, int index);
DWORD SetClassLongA(HWND hwnd, int index, LONG value);
uintptr_t GetClassLongPtrA(HWND hwnd, int index);
uintptr_t SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value);

// ---- Windows ----
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE inst, LPVOID param);
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsWindowEnabled(HWND hwnd);
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
HWND GetDesktopWindow();
HWND GetParent(HWND hwnd);
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
// A top-level window of this program, else of another program of this system (through the
// shared window registry, see WindowRegistry.cpp; such a handle answers only
// GetWindowThreadProcessId).
HWND FindWindowA(LPCSTR className, LPCSTR windowName);
HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName);
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam);
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);
DWORD GetCurrentThreadId();
DWORD GetCurrentProcessId();
int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND dialog, int id);

LONG GetWindowLongA(HWND hwnd, int index);
LONG SetWindowLongA(HWND hwnd, int index, LONG value);
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);

int GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount);
int GetWindowTextLengthA(HWND hwnd);
BOOL SetWindowTextA(HWND hwnd, LPCSTR text);

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data);
HANDLE GetPropA(HWND hwnd, LPCSTR name);
HANDLE RemovePropA(HWND hwnd, LPCSTR name);

// Geometry.
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL ClientToScreen(HWND hwnd, LPPOINT pt);
BOOL ScreenToClient(HWND hwnd, LPPOINT pt);
int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count);
BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle);
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ShowWindow(HWND hwnd, int cmd);
BOOL ShowOwnedPopups(HWND hwnd, BOOL show);
BOOL BringWindowToTop(HWND hwnd);
BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* wp);
BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* wp);
HWND WindowFromPoint(POINT pt);
HWND ChildWindowFromPoint(HWND parent, POINT pt);
HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags);
int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN rgn);
BOOL FlashWindowEx(const FLASHWINFO* info);

// Standard scroll bars of a window (SB_HORZ, SB_VERT; SB_CTL is not supported). Setting a
// range a bar does not need hides it, unless SIF_DISABLENOSCROLL asks to keep it.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO si);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);
BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw);
BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos);
BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows);
// The look of a window's frame bars: InitializeFlatSB makes them take the properties set with
// FlatSB_SetScrollProp (WSB_PROP_...: sizes in pixels, 0 for the system's, the track colour,
// the FSB_ mode of each bar); UninitializeFlatSB gives back the classic bars.
BOOL InitializeFlatSB(HWND hwnd);
BOOL UninitializeFlatSB(HWND hwnd);
BOOL FlatSB_SetScrollProp(HWND hwnd, UINT index, INT_PTR value, BOOL redraw);

// The parts of a window of the COMBOBOX class (FALSE for any other window).
BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info);

// ---- Window procedures and messages ----
LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
BOOL WaitMessage();
DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD ms,
                                DWORD wakeMask);
DWORD GetQueueStatus(UINT flags);
UINT RegisterWindowMessageA(LPCSTR name);
BOOL InSendMessage();
DWORD GetMessageTime();

// ---- Painting ----
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN rgn);
BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN rgn, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN rgn, UINT flags);
HDC GetDC(HWND hwnd);
HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags);
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);
int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
                   LPRECT updateRect, UINT flags);
BOOL ScrollDC(HDC dc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              LPRECT updateRect);
BOOL LockWindowUpdate(HWND hwnd);

// ---- Input ----
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);
BOOL GetCursorPos(LPPOINT pt);
BOOL SetCursorPos(int x, int y);
BOOL ClipCursor(const RECT* rect);
BOOL GetClipCursor(LPRECT rect);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
HCURSOR LoadCursorA(HINSTANCE inst, LPCSTR name);
HICON LoadIconA(HINSTANCE inst, LPCSTR name);
UINT GetDoubleClickTime();
BOOL SetDoubleClickTime(UINT ms);
SHORT GetKeyState(int vk);
SHORT GetAsyncKeyState(int vk);
BOOL GetKeyboardState(BYTE* state);
BOOL SetKeyboardState(const BYTE* state);
UINT MapVirtualKeyA(UINT code, UINT mapType);
SHORT VkKeyScanA(CHAR ch);
int ToAscii(UINT vk, UINT scanCode, const BYTE* keyState, WORD* chars, UINT flags);
int GetKeyNameTextA(LONG lParam, LPSTR buffer, int size);
void keybd_event(BYTE vk, BYTE scan, DWORD flags, uintptr_t extraInfo);
void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, uintptr_t extraInfo);
UINT SendInput(UINT count, const INPUT* inputs, int size);
BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk);
BOOL UnregisterHotKey(HWND hwnd, int id);
// Global atoms (platform/user/Atoms.cpp): names of up to 255 characters, case-insensitive,
// reference counted; "#<n>" is the integer atom n (1 .. 0xBFFF). Delete answers 0 on success.
ATOM GlobalAddAtomA(LPCSTR name);
ATOM GlobalFindAtomA(LPCSTR name);
ATOM GlobalDeleteAtom(ATOM atom);
UINT GlobalGetAtomNameA(ATOM atom, LPSTR buffer, int size);
BOOL MessageBeep(UINT type);
BOOL Beep(DWORD frequency, DWORD duration);

// ---- Focus and activation ----
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// ---- Caret ----
BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(LPPOINT pt);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);

// ---- Timers and time ----
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);
DWORD GetTickCount();
uint64_t GetTickCount64();
BOOL QueryPerformanceCounter(int64_t* count);
BOOL QueryPerformanceFrequency(int64_t* frequency);
void Sleep(DWORD ms);

// ---- System metrics and parameters ----
int GetSystemMetrics(int index);
BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);

// ---- Display settings ----
// The fields of a display mode that ChangeDisplaySettingsA reads (dmFields says which are set).
struct DEVMODEA {
  WORD dmSize = sizeof(DEVMODEA);
  DWORD dmFields = 0;
  DWORD dmBitsPerPel = 0;
  DWORD dmPelsWidth = 0;
  DWORD dmPelsHeight = 0;
};
constexpr DWORD DM_BITSPERPEL = 0x00040000;
constexpr DWORD DM_PELSWIDTH = 0x00080000;
constexpr DWORD DM_PELSHEIGHT = 0x00100000;
constexpr DWORD CDS_TEST = 0x00000002;
constexpr LONG DISP_CHANGE_SUCCESSFUL = 0;
constexpr LONG DISP_CHANGE_BADMODE = -2;
constexpr LONG DISP_CHANGE_BADPARAM = -5;
// Changes the screen's size (the screen is always 32 bits deep: another depth is a bad mode);
// nullptr goes back to the size the session started with. The screen and the work area take
// the new size, everything is painted again, and every top-level window is told with
// WM_DISPLAYCHANGE (the depth in WParam, width and height in LParam). CDS_TEST only checks.
LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags);

// ---- Menus ----
// A window's system menu is its own copy of the standard one, made on first request and
// destroyed with the window. TrackPopupMenu(Ex) shows a popup menu and tracks it modally.
// Submenus nest at most kMaxMenuNesting levels below the menu that holds them all: deeper ones
// are not freed with it, not found by command and not opened.
constexpr int kMaxMenuNesting = 32;
HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
int GetMenuItemCount(HMENU menu);
UINT GetMenuItemID(HMENU menu, int pos);
HMENU GetSubMenu(HMENU menu, int pos);
int GetMenuStringA(HMENU menu, UINT idItem, LPSTR buffer, int maxCount, UINT flags);
UINT GetMenuState(HMENU menu, UINT id, UINT flags);
DWORD CheckMenuItem(HMENU menu, UINT idCheckItem, UINT check);
BOOL EnableMenuItem(HMENU menu, UINT idEnableItem, UINT enable);
BOOL DrawMenuBar(HWND hwnd);
HMENU GetSystemMenu(HWND hwnd, BOOL revert);
struct MENUITEMINFOA {
  UINT cbSize = sizeof(MENUITEMINFOA);
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = nullptr;
  HBITMAP hbmpChecked = nullptr;
  HBITMAP hbmpUnchecked = nullptr;
  ULONG_PTR dwItemData = 0;
  LPSTR dwTypeData = nullptr;
  UINT cch = 0;
  HBITMAP hbmpItem = nullptr;
};
using LPMENUITEMINFOA = MENUITEMINFOA*;
using LPCMENUITEMINFOA = const MENUITEMINFOA*;
// Inserts before the item named by `item` (a position with byPosition, else a command); an
// owner-drawn item keeps its text (MIIM_STRING) and its data (MIIM_DATA) side by side.
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
// Reads the parts `info->fMask` names; the text is copied into dwTypeData (cch characters at
// most), and cch answers its length.
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info);
// A window's menu bar (top-level windows with a caption). SetMenu recomputes the frame.
BOOL SetMenu(HWND hwnd, HMENU menu);
HMENU GetMenu(HWND hwnd);
// The screen rectangle of an item of a window's menu bar (or of an open popup menu).
BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect);
struct TPMPARAMS {
  UINT cbSize = sizeof(TPMPARAMS);
  RECT rcExclude{};  // screen area the menu must not cover
};
using LPTPMPARAMS = TPMPARAMS*;
// Shows `menu` at (x, y) for `owner` and tracks the mouse and keyboard until an item is chosen
// or the menu is cancelled. With TPM_RETURNCMD answers the chosen command (0 when cancelled);
// otherwise posts WM_COMMAND (WM_SYSCOMMAND for a system menu) and answers TRUE when chosen.
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS params);
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                    const RECT* rect);
// Cancels the menu being tracked, if any.
BOOL EndMenu();

// ---- Seams (not platform functions) ----
// The framework's thread synchronisation hooks in here: the hook runs whenever a message loop
// looks for messages (PeekMessageA, GetMessageA, WaitMessage); WakeMessageLoop wakes a thread
// blocked in GetMessageA or WaitMessage (safe from any thread).
using MessageLoopHook = void (*)();
MessageLoopHook SetMessageLoopHook(MessageLoopHook hook);
void WakeMessageLoop(DWORD threadId);
// The framework's drag hooks in here: the window system's own tracking of a press (a scroll
// bar's) shows each input message to the filter before it takes it; a filter answering true
// has handled the message (and may have ended the tracking).
using TrackingFilter = bool (*)(const MSG& message);
TrackingFilter SetTrackingFilter(TrackingFilter filter);

// Unsuffixed aliases of the A functions.
inline ATOM RegisterClass(const WNDCLASSA* wc) { return RegisterClassA(wc); }
inline BOOL UnregisterClass(LPCSTR n, HINSTANCE i) { return UnregisterClassA(n, i); }
inline BOOL GetClassInfo(HINSTANCE i, LPCSTR n, WNDCLASSA* wc) { return GetClassInfoA(i, n, wc); }
inline HWND CreateWindowEx(DWORD ex, LPCSTR c, LPCSTR n, DWORD s, int x, int y, int w, int h,
                           HWND p, HMENU m, HINSTANCE i, LPVOID a) {
  return CreateWindowExA(ex, c, n, s, x, y, w, h, p, m, i, a);
}
inline LONG GetWindowLong(HWND h, int i) { return GetWindowLongA(h, i); }
inline LONG SetWindowLong(HWND h, int i, LONG v) { return SetWindowLongA(h, i, v); }
inline LONG_PTR GetWindowLongPtr(HWND h, int i) { return GetWindowLongPtrA(h, i); }
inline LONG_PTR SetWindowLongPtr(HWND h, int i, LONG_PTR v) { return SetWindowLongPtrA(h, i, v); }
inline LRESULT DefWindowProc(HWND h, UINT m, WPARAM w, LPARAM l) { return DefWindowProcA(h, m, w, l); }
inline LRESULT CallWindowProc(WNDPROC p, HWND h, UINT m, WPARAM w, LPARAM l) {
  return CallWindowProcA(p, h, m, w, l);
}
inline LRESULT SendMessage(HWND h, UINT m, WPARAM w, LPARAM l) { return SendMessageA(h, m, w, l); }
inline BOOL PostMessage(HWND h, UINT m, WPARAM w, LPARAM l) { return PostMessageA(h, m, w, l); }
inline BOOL PeekMessage(LPMSG m, HWND h, UINT a, UINT b, UINT r) { return PeekMessageA(m, h, a, b, r); }
inline BOOL GetMessage(LPMSG m, HWND h, UINT a, UINT b) { return GetMessageA(m, h, a, b); }
inline LRESULT DispatchMessage(const MSG* m) { return DispatchMessageA(m); }
inline UINT RegisterWindowMessage(LPCSTR n) { return RegisterWindowMessageA(n); }
inline HWND FindWindow(LPCSTR c, LPCSTR n) { return FindWindowA(c, n); }
inline HICON LoadIcon(HINSTANCE i, LPCSTR n) { return LoadIconA(i, n); }
inline BOOL AppendMenu(HMENU m, UINT f, UINT_PTR id, LPCSTR t) { return AppendMenuA(m, f, id, t); }
inline BOOL InsertMenu(HMENU m, UINT p, UINT f, UINT_PTR id, LPCSTR t) {
  return InsertMenuA(m, p, f, id, t);
}
inline BOOL SystemParametersInfo(UINT a, UINT u, LPVOID p, UINT w) {
  return SystemParametersInfoA(a, u, p, w);
}

}  // namespace win
