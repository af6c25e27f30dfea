#include "platform/sys/ShellApi.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>

#include "platform/base/LastError.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WinError.h"
#include "platform/sys/ShellFiles.h"

extern char** environ;

namespace win {

// ---- Tray ----

namespace {

struct Tray {
  std::mutex Mutex;
  std::vector<TTrayIcon> Icons;
  std::set<HICON> Copies;  // the icons the tray copied
};
Tray& T() {
  static Tray* t = new Tray();
  return *t;
}

void CopyText(std::string& out, const char* text, size_t max) { out.assign(text, strnlen(text, max)); }

TTrayIcon* FindIcon(HWND wnd, UINT id) {
  for (auto& i : T().Icons)
    if (i.Wnd == wnd && i.ID == id) return &i;
  return nullptr;
}

// The shell keeps a copy of each icon, so that the program may destroy its own.
void ReleaseIcon(TTrayIcon& icon) {
  if (T().Copies.erase(icon.Icon)) DestroyIcon(icon.Icon);
  icon.Icon = nullptr;
}

void DropDeadIcons() {
  auto& v = T().Icons;
  std::erase_if(v, [](TTrayIcon& i) {
    if (IsWindow(i.Wnd)) return false;
    ReleaseIcon(i);
    return true;
  });
}

void Apply(TTrayIcon& icon, const NOTIFYICONDATAA& d) {
  if (d.uFlags & NIF_MESSAGE) icon.CallbackMessage = d.uCallbackMessage;
  if (d.uFlags & NIF_ICON) {
    ReleaseIcon(icon);
    const HICON copy = d.hIcon ? CopyIcon(d.hIcon) : nullptr;
    if (copy) T().Copies.insert(copy);
    icon.Icon = copy ? copy : d.hIcon;
  }
  if (d.uFlags & NIF_TIP) CopyText(icon.Tip, d.szTip, sizeof d.szTip);
  if ((d.uFlags & NIF_STATE) && (d.dwStateMask & NIS_HIDDEN)) icon.Hidden = (d.dwState & NIS_HIDDEN) != 0;
  if (d.uFlags & NIF_INFO) {
    CopyText(icon.BalloonText, d.szInfo, sizeof d.szInfo);
    CopyText(icon.BalloonTitle, d.szInfoTitle, sizeof d.szInfoTitle);
    icon.BalloonFlags = d.dwInfoFlags;
    icon.BalloonTimeout = d.uTimeout;
  }
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data) {
  if (!data || !IsWindow(data->hWnd)) return Fail(ERROR_INVALID_PARAMETER);
  bool balloonShown = false;
  {
    std::lock_guard lock(T().Mutex);
    DropDeadIcons();
    TTrayIcon* icon = FindIcon(data->hWnd, data->uID);
    switch (message) {
      case NIM_ADD:
        if (icon) return Fail(ERROR_INVALID_PARAMETER);
        T().Icons.emplace_back();
        T().Icons.back().Wnd = data->hWnd;
        T().Icons.back().ID = data->uID;
        Apply(T().Icons.back(), *data);
        balloonShown = !T().Icons.back().BalloonText.empty();
        break;
      case NIM_MODIFY:
        if (!icon) return Fail(ERROR_INVALID_PARAMETER);
        Apply(*icon, *data);
        balloonShown = (data->uFlags & NIF_INFO) && !icon->BalloonText.empty();
        break;
      case NIM_DELETE:
        if (!icon) return Fail(ERROR_INVALID_PARAMETER);
        ReleaseIcon(*icon);
        std::erase_if(T().Icons, [&](const TTrayIcon& i) { return &i == icon; });
        break;
      case NIM_SETFOCUS:
      case NIM_SETVERSION:
        if (!icon) return Fail(ERROR_INVALID_PARAMETER);
        break;
      default:
        return Fail(ERROR_INVALID_PARAMETER);
    }
  }
  if (balloonShown) ShellTrayNotify(data->hWnd, data->uID, NIN_BALLOONSHOW);
  return TRUE;
}

std::vector<TTrayIcon> ShellTrayIcons() {
  std::lock_guard lock(T().Mutex);
  DropDeadIcons();
  return T().Icons;
}

void ShellRecreateTaskbar() {
  {
    std::lock_guard lock(T().Mutex);
    for (TTrayIcon& icon : T().Icons) ReleaseIcon(icon);
    T().Icons.clear();
  }
  SendMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
}

BOOL ShellTrayNotify(HWND wnd, UINT id, UINT mouseMessage) {
  UINT callback = 0;
  {
    std::lock_guard lock(T().Mutex);
    DropDeadIcons();
    TTrayIcon* icon = FindIcon(wnd, id);
    if (!icon || !icon->CallbackMessage) return Fail(ERROR_INVALID_PARAMETER);
    callback = icon->CallbackMessage;
  }
  SendMessageA(wnd, callback, id, static_cast<LPARAM>(mouseMessage));
  return TRUE;
}

BOOL ShellTrayBalloonDone(HWND wnd, UINT id, bool clicked) {
  {
    std::lock_guard lock(T().Mutex);
    TTrayIcon* icon = FindIcon(wnd, id);
    if (!icon || icon->BalloonText.empty()) return Fail(ERROR_INVALID_PARAMETER);
    icon->BalloonText.clear();
    icon->BalloonTitle.clear();
  }
  return ShellTrayNotify(wnd, id, clicked ? NIN_BALLOONUSERCLICK : NIN_BALLOONTIMEOUT);
}

// ---- Dropping files ----

void DragAcceptFiles(HWND wnd, BOOL accept) {
  if (!IsWindow(wnd)) return;
  const auto ex = static_cast<DWORD>(GetWindowLongA(wnd, GWL_EXSTYLE));
  SetWindowLongA(wnd, GWL_EXSTYLE,
                 static_cast<LONG>(accept ? ex | WS_EX_ACCEPTFILES : ex & ~WS_EX_ACCEPTFILES));
}

namespace {

// The names of a drop block; false when the handle is no drop block.
bool DropNames(HDROP drop, std::vector<std::string>& names, DROPFILES& head) {
  const size_t size = GlobalSize(drop);
  if (size < sizeof(DROPFILES)) return false;
  const char* p = static_cast<const char*>(GlobalLock(drop));
  std::memcpy(&head, p, sizeof head);
  if (head.pFiles < sizeof(DROPFILES) || head.pFiles > size || head.fWide) {
    GlobalUnlock(drop);
    return false;
  }
  size_t pos = head.pFiles;
  while (pos < size && p[pos]) {
    const size_t len = strnlen(p + pos, size - pos);
    names.emplace_back(p + pos, len);
    pos += len + 1;
  }
  GlobalUnlock(drop);
  return true;
}

}  // namespace

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size) {
  std::vector<std::string> names;
  DROPFILES head;
  if (!DropNames(drop, names, head)) return 0;
  if (index == 0xFFFFFFFFu) return static_cast<UINT>(names.size());
  if (index >= names.size()) return 0;
  const std::string& n = names[index];
  if (!buffer) return static_cast<UINT>(n.size());
  if (size == 0) return 0;
  const size_t count = n.size() < size - 1 ? n.size() : size - 1;
  std::memcpy(buffer, n.data(), count);
  buffer[count] = '\0';
  return static_cast<UINT>(count);
}

BOOL DragQueryPoint(HDROP drop, POINT* point) {
  std::vector<std::string> names;
  DROPFILES head;
  if (!DropNames(drop, names, head) || !point) return FALSE;
  *point = head.pt;
  return head.fNC ? FALSE : TRUE;
}

void DragFinish(HDROP drop) { GlobalFree(drop); }

BOOL ShellDropFiles(POINT screen, const std::vector<std::string>& files) {
  if (files.empty()) return Fail(ERROR_INVALID_PARAMETER);
  for (const auto& f : files)
    if (f.empty() || GetFileAttributesA(f.c_str()) == INVALID_FILE_ATTRIBUTES)
      return Fail(ERROR_FILE_NOT_FOUND);
  HWND target = WindowFromPoint(screen);
  while (target && !(static_cast<DWORD>(GetWindowLongA(target, GWL_EXSTYLE)) & WS_EX_ACCEPTFILES))
    target = GetParent(target);
  if (!target) return Fail(ERROR_ACCESS_DENIED);
  std::string block(sizeof(DROPFILES), '\0');
  for (const auto& f : files) block += vcl::ExpandFileName(f) + '\0';
  block += '\0';
  DROPFILES head;
  head.pt = screen;
  ScreenToClient(target, &head.pt);
  RECT client{};
  GetClientRect(target, &client);
  head.fNC = PtInRect(&client, head.pt) ? FALSE : TRUE;
  std::memcpy(block.data(), &head, sizeof head);
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, block.size());
  if (!h) return FALSE;
  std::memcpy(GlobalLock(h), block.data(), block.size());
  GlobalUnlock(h);
  if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(h), 0)) {
    GlobalFree(h);
    return Fail(ERROR_INVALID_WINDOW_HANDLE);
  }
  return TRUE;
}

// ---- Processes ----

namespace {

struct Process {
  pid_t Pid = 0;
  int PidFd = -1;
  bool Ended = false;
  DWORD ExitCode = STILL_ACTIVE;
  bool Terminated = false;
  DWORD TerminateCode = 0;
};

struct ProcessTable {
  std::mutex Mutex;
  std::map<HANDLE, std::unique_ptr<Process>> Handles;
};
ProcessTable& P() {
  static ProcessTable* t = new ProcessTable();
  return *t;
}

Process* FindProcess(HANDLE h) {
  auto it = P().Handles.find(h);
  return it == P().Handles.end() ? nullptr : it->second.get();
}

// Collects the status of an ended process; true once it has ended.
bool Reap(Process& p, bool block) {
  if (p.Ended) return true;
  int status = 0;
  const pid_t r = ::waitpid(p.Pid, &status, block ? 0 : WNOHANG);
  if (r == 0) return false;
  p.Ended = true;
  if (r < 0) {
    p.ExitCode = 0;  // somebody else collected it
  } else if (p.Terminated) {
    p.ExitCode = p.TerminateCode;
  } else if (WIFEXITED(status)) {
    p.ExitCode = static_cast<DWORD>(WEXITSTATUS(status));
  } else {
    p.ExitCode = 128 + static_cast<DWORD>(WTERMSIG(status));
  }
  if (p.PidFd >= 0) ::close(p.PidFd);
  p.PidFd = -1;
  return true;
}

DWORD ErrorOfErrno(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR: return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM: return ERROR_ACCESS_DENIED;
    case ENOEXEC: return ERROR_BAD_FORMAT;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    default: return ERROR_INVALID_PARAMETER;
  }
}

// Owns the C strings of an argument or environment vector.
struct CStrings {
  std::vector<std::string> Items;
  std::vector<char*> Ptrs;
  char** Get() {
    Ptrs.clear();
    for (auto& s : Items) Ptrs.push_back(s.data());
    Ptrs.push_back(nullptr);
    return Ptrs.data();
  }
};

struct SpawnActions {
  posix_spawn_file_actions_t A;
  SpawnActions() { posix_spawn_file_actions_init(&A); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&A); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
};

// Starts a program; the new handle, or null with the last error set.
HANDLE Spawn(const std::string& program, const std::vector<std::string>& args,
             const char* environment, const char* directory) {
  std::string native = vcl::NativeFileName(program);
  if (native.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  SpawnActions actions;
  std::string dir;
  if (directory && *directory) {
    dir = vcl::NativeFileName(directory);
    struct stat st {};
    if (dir.empty() || ::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
      SetLastError(ERROR_PATH_NOT_FOUND);
      return nullptr;
    }
    posix_spawn_file_actions_addchdir_np(&actions.A, dir.c_str());
  }
  CStrings argv;
  argv.Items.push_back(native);
  for (size_t i = 1; i < args.size(); ++i) argv.Items.push_back(args[i]);
  CStrings envp;
  if (environment) {
    for (const char* e = environment; *e; e += std::strlen(e) + 1) envp.Items.emplace_back(e);
  }
  pid_t pid = 0;
  const bool search = native.find('/') == std::string::npos;
  const int r = search ? posix_spawnp(&pid, native.c_str(), &actions.A, nullptr, argv.Get(),
                                      environment ? envp.Get() : environ)
                       : posix_spawn(&pid, native.c_str(), &actions.A, nullptr, argv.Get(),
                                     environment ? envp.Get() : environ);
  if (r != 0) {
    SetLastError(ErrorOfErrno(r));
    return nullptr;
  }
  auto p = std::make_unique<Process>();
  p->Pid = pid;
#ifdef SYS_pidfd_open
  p->PidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#endif
  HANDLE h = p.get();
  std::lock_guard lock(P().Mutex);
  P().Handles.emplace(h, std::move(p));
  return h;
}

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> out;
  size_t i = 0;
  const size_t n = line.size();
  for (;;) {
    while (i < n && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i >= n) break;
    std::string arg;
    bool quoted = false;
    while (i < n && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
      if (line[i] == '\\') {
        size_t slashes = 0;
        while (i < n && line[i] == '\\') ++slashes, ++i;
        if (i < n && line[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2) {
            arg += '"';
            ++i;
          }
        } else {
          arg.append(slashes, '\\');
        }
      } else if (line[i] == '"') {
        if (quoted && i + 1 < n && line[i + 1] == '"') {
          arg += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg += line[i++];
      }
    }
    out.push_back(std::move(arg));
  }
  return out;
}

BOOL CreateProcessA(LPCSTR application, LPSTR commandLine, void*, void*, BOOL, DWORD,
                    LPVOID environment, LPCSTR currentDirectory, STARTUPINFOA*,
                    PROCESS_INFORMATION* info) {
  std::vector<std::string> args = SplitCommandLine(commandLine ? commandLine : "");
  std::string program = application && *application ? application : "";
  if (program.empty()) {
    if (args.empty()) return Fail(ERROR_INVALID_PARAMETER);
    program = args[0];
  } else if (args.empty()) {
    args.push_back(program);
  }
  HANDLE h = Spawn(program, args, static_cast<const char*>(environment), currentDirectory);
  if (!h) return FALSE;
  if (info) {
    info->hProcess = h;
    info->hThread = nullptr;
    info->dwProcessId = static_cast<DWORD>(static_cast<Process*>(h)->Pid);
    info->dwThreadId = info->dwProcessId;
  } else {
    CloseHandle(h);
  }
  return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  int fd = -1;
  {
    std::lock_guard lock(P().Mutex);
    Process* p = FindProcess(handle);
    if (!p) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    if (Reap(*p, false)) return WAIT_OBJECT_0;
    if (milliseconds == 0) return WAIT_TIMEOUT;
    fd = p->PidFd;
    if (fd < 0 || milliseconds == INFINITE) {
      // Without a process descriptor only an unlimited wait is possible.
      if (milliseconds != INFINITE) return WAIT_TIMEOUT;
      Reap(*p, true);
      return WAIT_OBJECT_0;
    }
  }
  pollfd pfd{fd, POLLIN, 0};
  const int r = ::poll(&pfd, 1, static_cast<int>(milliseconds > 0x7FFFFFFF ? 0x7FFFFFFF : milliseconds));
  std::lock_guard lock(P().Mutex);
  Process* p = FindProcess(handle);
  if (!p) return WAIT_FAILED;
  return r > 0 && Reap(*p, true) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
}

BOOL GetExitCodeProcess(HANDLE process, DWORD* exitCode) {
  std::lock_guard lock(P().Mutex);
  Process* p = FindProcess(process);
  if (!p || !exitCode) return Fail(ERROR_INVALID_HANDLE);
  Reap(*p, false);
  *exitCode = p->Ended ? p->ExitCode : STILL_ACTIVE;
  return TRUE;
}

BOOL TerminateProcess(HANDLE process, UINT exitCode) {
  std::lock_guard lock(P().Mutex);
  Process* p = FindProcess(process);
  if (!p) return Fail(ERROR_INVALID_HANDLE);
  if (Reap(*p, false)) return Fail(ERROR_ACCESS_DENIED);  // already ended
  p->Terminated = true;
  p->TerminateCode = exitCode;
  ::kill(p->Pid, SIGKILL);
  Reap(*p, true);
  return TRUE;
}

BOOL CloseHandle(HANDLE handle) {
  std::lock_guard lock(P().Mutex);
  auto it = P().Handles.find(handle);
  if (it == P().Handles.end()) return Fail(ERROR_INVALID_HANDLE);
  Process& p = *it->second;
  if (!Reap(p, false)) {
    // The process runs on; it is collected when it ends (SIGCHLD is left as it is, so it
    // stays a zombie until then: no handle remains to ask for it).
    if (p.PidFd >= 0) ::close(p.PidFd);
  }
  P().Handles.erase(it);
  return TRUE;
}

// ---- Opening documents ----

namespace {

std::string Opener() {
  if (const char* o = std::getenv("ZYL_SHELL_OPENER"); o && *o) return o;
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string candidate = dirs.substr(start, end - start) + "/xdg-open";
    if (end > start && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

bool IsUrl(const std::string& s) {
  const size_t colon = s.find(':');
  return colon != std::string::npos && colon > 1 && (s.compare(colon, 3, "://") == 0 || s.rfind("mailto:", 0) == 0);
}

bool ExecutableFile(const std::string& file) {
  char found[260] = {};
  if (reinterpret_cast<uintptr_t>(FindExecutableA(file.c_str(), nullptr, found)) <= 32) return false;
  return vcl::SameFileName(vcl::ExpandFileName(found), vcl::ExpandFileName(file));
}

// Runs the shell's work; the instance value (> 32 on success) and the process.
int Execute(LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, HANDLE* process) {
  const std::string v = verb ? verb : "";
  if (!v.empty() && !vcl::SameText(v, "open") && !vcl::SameText(v, "edit") &&
      !vcl::SameText(v, "explore") && !vcl::SameText(v, "runas")) {
    SetLastError(SE_ERR_NOASSOCIATION);
    return SE_ERR_NOASSOCIATION;
  }
  const std::string f = file ? file : "";
  if (f.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return SE_ERR_FNF;
  }
  std::string program;
  std::vector<std::string> args;
  if (IsUrl(f)) {
    program = Opener();
    args = {program, f};
  } else {
    const std::string full = vcl::ExpandFileName(f);
    // A bare program name may be found on the PATH.
    const bool bare = f.find_first_of("/\\:") == std::string::npos;
    if (GetFileAttributesA(full.c_str()) == INVALID_FILE_ATTRIBUTES && !bare) {
      SetLastError(ERROR_FILE_NOT_FOUND);
      return SE_ERR_FNF;
    }
    if (GetFileAttributesA(full.c_str()) == INVALID_FILE_ATTRIBUTES || ExecutableFile(full)) {
      program = GetFileAttributesA(full.c_str()) == INVALID_FILE_ATTRIBUTES ? f : full;
      args = SplitCommandLine(parameters ? parameters : "");
      args.insert(args.begin(), program);
    } else {
      program = Opener();
      args = {program, vcl::NativeFileName(full)};
    }
  }
  if (program.empty()) {
    SetLastError(SE_ERR_NOASSOCIATION);
    return SE_ERR_NOASSOCIATION;
  }
  HANDLE h = Spawn(program, args, nullptr, directory);
  if (!h) {
    const DWORD e = GetLastError();
    return e == ERROR_PATH_NOT_FOUND ? SE_ERR_PNF
           : e == ERROR_ACCESS_DENIED ? SE_ERR_ACCESSDENIED
           : e == ERROR_NOT_ENOUGH_MEMORY ? SE_ERR_OOM
           : SE_ERR_FNF;
  }
  if (process)
    *process = h;
  else
    CloseHandle(h);
  return 42;
}

}  // namespace

namespace {
std::vector<TShellExecuteRecord>& ExecuteLog() {
  static auto* v = new std::vector<TShellExecuteRecord>();
  return *v;
}
void LogExecute(HWND wnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show,
                int result) {
  ExecuteLog().push_back({wnd, verb ? verb : "", file ? file : "", parameters ? parameters : "",
                          directory ? directory : "", show, static_cast<uintptr_t>(result)});
}
}  // namespace

const std::vector<TShellExecuteRecord>& ShellExecuteLog() { return ExecuteLog(); }
void ClearShellExecuteLog() { ExecuteLog().clear(); }

HINSTANCE ShellExecuteA(HWND wnd, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        int show) {
  const int r = Execute(verb, file, parameters, directory, nullptr);
  LogExecute(wnd, verb, file, parameters, directory, show, r);
  return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(r));
}

BOOL ShellExecuteExA(SHELLEXECUTEINFOA* info) {
  if (!info || info->cbSize != sizeof(SHELLEXECUTEINFOA)) return Fail(ERROR_INVALID_PARAMETER);
  HANDLE process = nullptr;
  const int r = Execute(info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory,
                        (info->fMask & SEE_MASK_NOCLOSEPROCESS) ? &process : nullptr);
  LogExecute(info->hwnd, info->lpVerb, info->lpFile, info->lpParameters, info->lpDirectory,
             info->nShow, r);
  info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(r));
  info->hProcess = process;
  if (r <= 32) {
    SetLastError(r == SE_ERR_NOASSOCIATION ? 1155u /* ERROR_NO_ASSOCIATION */ : static_cast<DWORD>(r));
    return FALSE;
  }
  return TRUE;
}

// ---- About box and sounds ----

namespace {
std::vector<TShellAboutRecord>& AboutLog() {
  static auto* v = new std::vector<TShellAboutRecord>();
  return *v;
}
std::vector<TPlayedSound>& Sounds() {
  static auto* v = new std::vector<TPlayedSound>();
  return *v;
}

// A RIFF image of a wave: "RIFF", size, "WAVE".
bool IsWave(const std::vector<uint8_t>& d) {
  return d.size() >= 12 && std::memcmp(d.data(), "RIFF", 4) == 0 && std::memcmp(d.data() + 8, "WAVE", 4) == 0;
}

constexpr size_t kMaxSound = size_t(64) << 20;
}  // namespace

int ShellAboutA(HWND wnd, LPCSTR app, LPCSTR otherStuff, HICON icon) {
  TShellAboutRecord r;
  r.Wnd = wnd;
  r.App = app ? app : "";
  if (const size_t hash = r.App.find('#'); hash != std::string::npos) r.App.resize(hash);
  r.Other = otherStuff ? otherStuff : "";
  r.Icon = icon;
  AboutLog().push_back(std::move(r));
  return TRUE;
}

const std::vector<TShellAboutRecord>& ShellAboutLog() { return AboutLog(); }
void ClearShellAboutLog() { AboutLog().clear(); }

BOOL PlaySoundA(LPCSTR sound, HMODULE, DWORD flags) {
  if (!sound || (flags & SND_PURGE)) return TRUE;
  TPlayedSound played;
  played.Flags = flags;
  if ((flags & SND_MEMORY) == SND_MEMORY && (flags & SND_RESOURCE) != SND_RESOURCE) {
    // The size of an image in memory comes from its RIFF header.
    const auto* p = reinterpret_cast<const uint8_t*>(sound);
    if (std::memcmp(p, "RIFF", 4) == 0) {
      const uint32_t size = p[4] | p[5] << 8 | p[6] << 16 | uint32_t(p[7]) << 24;
      if (size <= kMaxSound) played.Data.assign(p, p + 8 + size);
    }
  } else {
    played.Name = sound;
    if (!(flags & SND_ALIAS)) {
      const std::string native = vcl::NativeFileName(sound);
      const int fd = native.empty() ? -1 : ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
      struct stat st {};
      if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
          static_cast<uint64_t>(st.st_size) <= kMaxSound) {
        played.Data.resize(static_cast<size_t>(st.st_size));
        if (::read(fd, played.Data.data(), played.Data.size()) != st.st_size) played.Data.clear();
      }
      if (fd >= 0) ::close(fd);
    }
  }
  const bool known = (flags & SND_ALIAS) ? !played.Name.empty() : IsWave(played.Data);
  if (!known) {
    if (flags & SND_NODEFAULT) return FALSE;
    played.Name = "SystemDefault";
    played.Data.clear();
  }
  Sounds().push_back(std::move(played));
  return TRUE;
}

BOOL sndPlaySoundA(LPCSTR sound, UINT flags) {
  // The older call takes file names or aliases, and memory images with SND_MEMORY.
  return PlaySoundA(sound, nullptr, flags);
}

const std::vector<TPlayedSound>& PlayedSounds() { return Sounds(); }
void ClearPlayedSounds() { Sounds().clear(); }

}  // namespace win
