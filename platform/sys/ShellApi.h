// The shell's services to programs: the tray (notification area), dropping files on windows,
// starting programs and opening documents, the about box and sounds.
//
// - The tray is a list kept here; nothing shows it. The test kit reads it and clicks icons,
//   which sends the icon's callback message to its window as the shell would. Icons of
//   windows that no longer exist drop out of the list.
// - A drop hands the window a WM_DROPFILES with an HDROP, a global block laid out as the
//   platform's DROPFILES (header, then the names, each ended by a zero, the list by another).
// - Processes are real Linux processes, started with posix_spawn. A document (anything that
//   is not a program) opens through the opener: $ZYL_SHELL_OPENER when set, else xdg-open
//   when it is on the PATH; without one, opening fails with SE_ERR_NOASSOC.
// - The about box and sounds are recorded (there is no screen and no sound device).
#pragma once

#include <string>
#include <vector>

#include "platform/base/Types.h"
#include "platform/user/Clipboard.h"
#include "platform/user/WinUser.h"

namespace win {

// ---- Tray ----
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr DWORD NIM_SETFOCUS = 3;
constexpr DWORD NIM_SETVERSION = 4;
constexpr UINT NIF_MESSAGE = 0x1;
constexpr UINT NIF_ICON = 0x2;
constexpr UINT NIF_TIP = 0x4;
constexpr UINT NIF_STATE = 0x8;
constexpr UINT NIF_INFO = 0x10;
constexpr DWORD NIS_HIDDEN = 0x1;
constexpr DWORD NIIF_NONE = 0;
constexpr DWORD NIIF_INFO = 1;
constexpr DWORD NIIF_WARNING = 2;
constexpr DWORD NIIF_ERROR = 3;
constexpr UINT NIN_BALLOONSHOW = 0x0400 + 2;
constexpr UINT NIN_BALLOONHIDE = 0x0400 + 3;
constexpr UINT NIN_BALLOONTIMEOUT = 0x0400 + 4;
constexpr UINT NIN_BALLOONUSERCLICK = 0x0400 + 5;

struct NOTIFYICONDATAA {
  DWORD cbSize = sizeof(NOTIFYICONDATAA);
  HWND hWnd = nullptr;
  UINT uID = 0;
  UINT uFlags = 0;
  UINT uCallbackMessage = 0;
  HICON hIcon = nullptr;
  CHAR szTip[128] = {};
  DWORD dwState = 0;
  DWORD dwStateMask = 0;
  CHAR szInfo[256] = {};
  UINT uTimeout = 0;  // also uVersion
  CHAR szInfoTitle[64] = {};
  DWORD dwInfoFlags = 0;
};

// FALSE (ERROR_INVALID_PARAMETER) for a null or dead window, a second NIM_ADD of the same
// window and id, or a change of an icon that is not there.
BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data);
inline BOOL Shell_NotifyIcon(DWORD m, NOTIFYICONDATAA* d) { return Shell_NotifyIconA(m, d); }

// One icon of the tray as the shell keeps it.
struct TTrayIcon {
  HWND Wnd = nullptr;
  UINT ID = 0;
  UINT CallbackMessage = 0;
  HICON Icon = nullptr;
  std::string Tip;
  bool Hidden = false;
  std::string BalloonTitle, BalloonText;  // empty: no balloon showing
  DWORD BalloonFlags = 0;
  UINT BalloonTimeout = 0;
};
// The icons in the order they were added.
std::vector<TTrayIcon> ShellTrayIcons();
// What a user does to an icon: sends its callback message (wParam the id, lParam the mouse
// message) to its window; FALSE when the icon is not in the tray or has no callback.
BOOL ShellTrayNotify(HWND wnd, UINT id, UINT mouseMessage);
// The balloon closes: clicked (NIN_BALLOONUSERCLICK) or timed out (NIN_BALLOONTIMEOUT).
BOOL ShellTrayBalloonDone(HWND wnd, UINT id, bool clicked);
// The taskbar is made anew (after the shell ended and started again): the tray starts empty and
// every top-level window is sent the registered message "TaskbarCreated", so that programs add
// their icons again.
void ShellRecreateTaskbar();

// ---- Dropping files ----
using HDROP = HANDLE;
struct DROPFILES {
  DWORD pFiles = sizeof(DROPFILES);  // offset of the name list
  POINT pt;                          // client coordinates of the drop
  BOOL fNC = FALSE;                  // dropped on the non-client area
  BOOL fWide = FALSE;
};

void DragAcceptFiles(HWND wnd, BOOL accept);
// index 0xFFFFFFFF: the number of names; a null buffer: the length of name `index`;
// otherwise copies the name (cut to size - 1) and answers the characters copied.
UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size);
inline UINT DragQueryFile(HDROP d, UINT i, LPSTR b, UINT s) { return DragQueryFileA(d, i, b, s); }
// The drop point in client coordinates; TRUE when it lies in the client area.
BOOL DragQueryPoint(HDROP drop, POINT* point);
void DragFinish(HDROP drop);
// The shell's side of a drop at a screen point: the window there, or its nearest ancestor
// that accepts files, gets WM_DROPFILES (posted). FALSE with ERROR_FILE_NOT_FOUND when a name
// does not exist, ERROR_INVALID_PARAMETER for an empty list, ERROR_ACCESS_DENIED when no
// window there accepts files.
BOOL ShellDropFiles(POINT screen, const std::vector<std::string>& files);

// ---- Processes ----
constexpr DWORD STILL_ACTIVE = 259;

struct STARTUPINFOA {
  DWORD cb = sizeof(STARTUPINFOA);
  DWORD dwFlags = 0;
  WORD wShowWindow = 0;
};
struct PROCESS_INFORMATION {
  HANDLE hProcess = nullptr;
  HANDLE hThread = nullptr;
  DWORD dwProcessId = 0;
  DWORD dwThreadId = 0;
};

// Starts `application` (or the first word of `commandLine`) with the rest of the command line
// split as the platform splits it (blanks, double quotes, backslashes before quotes).
// `environment` is a block of "NAME=value" strings, each ended by a zero, the block by another.
// FALSE with ERROR_FILE_NOT_FOUND, ERROR_ACCESS_DENIED or ERROR_BAD_FORMAT when the program
// cannot start. hThread is null (threads are not separate objects here).
BOOL CreateProcessA(LPCSTR application, LPSTR commandLine, void* processAttributes,
                    void* threadAttributes, BOOL inheritHandles, DWORD creationFlags,
                    LPVOID environment, LPCSTR currentDirectory, STARTUPINFOA* startup,
                    PROCESS_INFORMATION* info);
// Waits for a process to end (real time); WAIT_FAILED for a bad handle.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
// STILL_ACTIVE while running; the exit status, or the code given to TerminateProcess, or
// 128 + the signal for a process ended by another signal.
BOOL GetExitCodeProcess(HANDLE process, DWORD* exitCode);
BOOL TerminateProcess(HANDLE process, UINT exitCode);
BOOL CloseHandle(HANDLE handle);
// The argument list of a command line (exposed for the test of the splitting rules).
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// ---- Opening documents ----
constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_NOASSOCIATION = 31;
constexpr ULONG SEE_MASK_NOCLOSEPROCESS = 0x40;
constexpr ULONG SEE_MASK_FLAG_NO_UI = 0x400;

struct SHELLEXECUTEINFOA {
  DWORD cbSize = sizeof(SHELLEXECUTEINFOA);
  ULONG fMask = 0;
  HWND hwnd = nullptr;
  LPCSTR lpVerb = nullptr;
  LPCSTR lpFile = nullptr;
  LPCSTR lpParameters = nullptr;
  LPCSTR lpDirectory = nullptr;
  int nShow = 0;
  HINSTANCE hInstApp = nullptr;
  HANDLE hProcess = nullptr;
};

// Verbs: none, "open", "edit", "explore", "runas" start a program (a name the system finds
// executable, see FindExecutableA) with the parameters, and hand anything else (a document,
// a folder, a URL) to the opener. Another verb gives SE_ERR_NOASSOCIATION. Answers a value
// above 32 on success, else the error (SE_ERR_FNF for a missing file).
HINSTANCE ShellExecuteA(HWND wnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int show);
// Every ShellExecuteA / ShellExecuteExA request of the program, in order, with its answer (the
// stand-in keeps them so that callers can see what was asked of the shell).
struct TShellExecuteRecord {
  HWND Wnd = nullptr;
  std::string Verb;  // empty for none
  std::string File;
  std::string Parameters;
  std::string Directory;
  int Show = 0;
  uintptr_t Result = 0;  // the instance value: above 32 on success
};
const std::vector<TShellExecuteRecord>& ShellExecuteLog();
void ClearShellExecuteLog();
// As ShellExecuteA; with SEE_MASK_NOCLOSEPROCESS hProcess receives the started process.
// FALSE on failure (hInstApp and GetLastError tell why).
BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info);

// ---- About box and sounds ----
struct TShellAboutRecord {
  HWND Wnd = nullptr;
  std::string App;    // the title text (before '#' when there is one)
  std::string Other;  // the extra line
  HICON Icon = nullptr;
};
int ShellAboutA(HWND wnd, LPCSTR app, LPCSTR otherStuff, HICON icon);
const std::vector<TShellAboutRecord>& ShellAboutLog();
void ClearShellAboutLog();

constexpr DWORD SND_SYNC = 0x0;
constexpr DWORD SND_ASYNC = 0x1;
constexpr DWORD SND_NODEFAULT = 0x2;
constexpr DWORD SND_MEMORY = 0x4;
constexpr DWORD SND_LOOP = 0x8;
constexpr DWORD SND_NOSTOP = 0x10;
constexpr DWORD SND_PURGE = 0x40;
constexpr DWORD SND_ALIAS = 0x10000;
constexpr DWORD SND_FILENAME = 0x20000;
constexpr DWORD SND_RESOURCE = 0x40004;

struct TPlayedSound {
  std::string Name;  // file name or alias; "SystemDefault" for the default sound
  std::vector<uint8_t> Data;  // the RIFF image played (files and memory)
  DWORD Flags = 0;
};
// Plays (records) a wave file, an alias or a RIFF image in memory. A missing or invalid
// sound plays the default sound instead, unless SND_NODEFAULT (then FALSE). A null sound
// stops playing: TRUE, nothing recorded.
BOOL PlaySoundA(LPCSTR sound, HMODULE module, DWORD flags);
BOOL sndPlaySoundA(LPCSTR sound, UINT flags);
const std::vector<TPlayedSound>& PlayedSounds();
void ClearPlayedSounds();

}  // namespace win
