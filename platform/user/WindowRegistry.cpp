// The registry of top-level windows shared by the programs of this system: each program keeps
// a file named by its process id in the registry folder, listing its top-level windows
// (handle, class, title, state), so that FindWindow in another program finds them. A program
// writes its file when it next looks for messages after its windows changed, and removes it
// when it has no windows left or exits; readers drop files of programs that are gone.
//
// Requests to a window of another program (a posted message, a show command, bringing it to the
// foreground) travel as datagrams over a per-program channel: a local socket named after the
// registry folder and the process id, opened by the thread that publishes the windows. That
// thread takes the requests in whenever it looks for messages; while it has nothing else to do
// it looks again every kChannelPollMs.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>

#include "platform/user/UserInternal.h"
#include "platform/user/WindowsInternal.h"

namespace win::user {

namespace {

std::atomic<bool> g_dirty{false};
// The thread that changed the windows last publishes them: it is the one walking the tree.
std::atomic<DWORD> g_changer{0};
std::mutex g_writeMutex;
std::string g_written;  // what the own file holds ("" = no file)
std::string g_writtenPath;

constexpr uintptr_t kForeignTag = uintptr_t(1) << 62;
constexpr size_t kMaxFile = 1 << 20;

std::string Folder() {
  if (const char* d = std::getenv("ZYL_WINDOW_REGISTRY_DIR"); d && *d) return d;
  const char* r = std::getenv("XDG_RUNTIME_DIR");
  return std::string(r && *r ? r : "/tmp") + "/zyl-windows-" + std::to_string(::getuid());
}

// Tabs, line ends and backslashes in names are written escaped.
std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char c = s[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

void RemoveOwnFile() {
  std::lock_guard lock(g_writeMutex);
  if (!g_writtenPath.empty()) std::remove(g_writtenPath.c_str());
  g_written.clear();
}

constexpr unsigned kStateVisible = 1;
constexpr int kMaxShowCommand = 11;  // SW_FORCEMINIMIZE
constexpr unsigned kStateIconic = 2;

// One window of another program's file.
struct TEntry {
  uintptr_t Handle = 0;
  std::string Class;
  std::string Title;
  unsigned State = 0;
};

// Calls Visit for each window listed by program Pid until it answers false; a file of a program
// that is gone is removed, a damaged line skipped.
void ReadEntries(const std::string& folder, long pid,
                 const std::function<bool(const TEntry&)>& Visit) {
  const std::string path = folder + "/" + std::to_string(pid);
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
    std::remove(path.c_str());  // its program is gone
    return;
  }
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || st.st_size > static_cast<off_t>(kMaxFile)) return;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const size_t t1 = line.find('\t');
    const size_t t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
    if (t2 == std::string::npos) continue;
    const size_t t3 = line.find('\t', t2 + 1);
    TEntry e;
    e.Handle = std::strtoull(line.substr(0, t1).c_str(), nullptr, 10);
    e.Class = Unescape(line.substr(t1 + 1, t2 - t1 - 1));
    e.Title =
        Unescape(line.substr(t2 + 1, t3 == std::string::npos ? std::string::npos : t3 - t2 - 1));
    if (t3 != std::string::npos)
      e.State = static_cast<unsigned>(std::strtoul(line.c_str() + t3 + 1, nullptr, 10));
    if (!Visit(e)) return;
  }
}

// ---- The request channel ----

enum TRequestKind : uint32_t { rkPost = 1, rkShow = 2, rkForeground = 3 };
constexpr uint32_t kRequestMagic = 0x5A594C57;  // "ZYLW"

struct TRequest {
  uint32_t Magic = kRequestMagic;
  uint32_t Kind = 0;
  uint32_t Window = 0;  // the receiver's own handle
  uint32_t Msg = 0;
  uint64_t WParam = 0;
  int64_t LParam = 0;
};

std::mutex g_channelMutex;
int g_channel = -1;
// The thread that owns the channel, read without the lock on every look for messages.
std::atomic<DWORD> g_channelThread{0};
std::string g_channelFolder;  // the registry folder the channel is named after

// The channel's address: a name in the abstract namespace made of the registry folder and the
// process id, so that programs sharing a folder reach each other and no file is left behind.
sockaddr_un ChannelAddress(long pid, socklen_t& length) {
  sockaddr_un a{};
  a.sun_family = AF_UNIX;
  char name[96];
  const int n = std::snprintf(name, sizeof name, "zyl-window-channel/%016zx/%ld",
                              std::hash<std::string>{}(Folder()), pid);
  std::memcpy(a.sun_path + 1, name, static_cast<size_t>(n));
  length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(n));
  return a;
}

void OpenChannel() {
  std::lock_guard lock(g_channelMutex);
  const std::string folder = Folder();
  if (g_channel >= 0 && g_channelFolder == folder && g_channelThread == CurrentThread()) return;
  // Named after another folder (a test session of its own) or opened by another thread: anew.
  if (g_channel >= 0) ::close(g_channel);
  g_channel = -1;
  g_channelThread = 0;
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  socklen_t length = 0;
  const sockaddr_un a = ChannelAddress(static_cast<long>(::getpid()), length);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&a), length) != 0) {
    ::close(fd);
    return;
  }
  g_channel = fd;
  g_channelThread = CurrentThread();
  g_channelFolder = folder;
}

// Messages whose parameters carry no pointers, which alone may cross to another program.
bool CrossesPrograms(UINT msg) {
  return msg == WM_NULL || msg == WM_CLOSE || msg == WM_COMMAND || msg == WM_SYSCOMMAND ||
         (msg >= WM_USER && msg <= 0xFFFF);
}

bool SendRequest(HWND foreign, TRequestKind kind, UINT msg, WPARAM wParam, LPARAM lParam) {
  DWORD pid = 0;
  if (!ForeignWindowProcess(foreign, &pid)) return false;
  TRequest r;
  r.Kind = kind;
  r.Window = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(foreign) & 0xFFFFFFFFu);
  r.Msg = msg;
  r.WParam = static_cast<uint64_t>(wParam);
  r.LParam = static_cast<int64_t>(lParam);
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  socklen_t length = 0;
  const sockaddr_un a = ChannelAddress(static_cast<long>(pid), length);
  const ssize_t sent = ::sendto(fd, &r, sizeof r, MSG_DONTWAIT | MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*>(&a), length);
  ::close(fd);
  return sent == static_cast<ssize_t>(sizeof r);
}

// The state another program published for one of its windows; false when it is not listed.
bool ForeignState(HWND foreign, unsigned& state) {
  DWORD pid = 0;
  if (!ForeignWindowProcess(foreign, &pid)) return false;
  const uintptr_t remote = reinterpret_cast<uintptr_t>(foreign) & 0xFFFFFFFFu;
  bool found = false;
  ReadEntries(Folder(), static_cast<long>(pid), [&](const TEntry& e) {
    if ((e.Handle & 0xFFFFFFFFu) != remote) return true;
    state = e.State;
    found = true;
    return false;
  });
  return found;
}

}  // namespace

void TakeForeignRequests() {
  if (g_channelThread.load(std::memory_order_relaxed) != CurrentThread()) return;
  int fd;
  {
    std::lock_guard lock(g_channelMutex);
    if (g_channel < 0 || g_channelThread != CurrentThread()) return;
    fd = g_channel;
  }
  TRequest r;
  for (int guard = 0; guard < 256; ++guard) {
    const ssize_t got = ::recv(fd, &r, sizeof r, MSG_DONTWAIT);
    if (got < 0) return;
    if (got != static_cast<ssize_t>(sizeof r) || r.Magic != kRequestMagic) continue;
    const HWND h = reinterpret_cast<HWND>(static_cast<uintptr_t>(r.Window));
    Wnd* w = FromHandle(h);
    // Only this thread's own top-level windows take requests.
    if (!w || !w->IsTopLevel() || w->ThreadId != CurrentThread()) continue;
    switch (r.Kind) {
      case rkPost:
        if (CrossesPrograms(r.Msg))
          PostMessageA(h, r.Msg, static_cast<WPARAM>(r.WParam), static_cast<LPARAM>(r.LParam));
        break;
      case rkShow:
        if (r.WParam <= kMaxShowCommand) ShowWindow(h, static_cast<int>(r.WParam));
        break;
      case rkForeground: SetForegroundWindow(h); break;
      default: break;
    }
  }
}

bool ChannelOwnedHere() {
  return g_channelThread.load(std::memory_order_relaxed) == CurrentThread();
}

bool PostForeignMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!CrossesPrograms(msg)) return false;
  return SendRequest(h, rkPost, msg, wParam, lParam);
}

bool ShowForeignWindow(HWND h, int cmd, BOOL& wasVisible) {
  unsigned state = 0;
  if (!ForeignState(h, state)) return false;
  wasVisible = (state & kStateVisible) ? TRUE : FALSE;
  if (cmd < 0 || cmd > kMaxShowCommand) return false;
  SendRequest(h, rkShow, 0, static_cast<WPARAM>(cmd), 0);
  return true;
}

bool ForegroundForeignWindow(HWND h) { return SendRequest(h, rkForeground, 0, 0, 0); }

bool ForeignWindowIconic(HWND h, BOOL& iconic) {
  unsigned state = 0;
  if (!ForeignState(h, state)) return false;
  iconic = (state & kStateIconic) ? TRUE : FALSE;
  return true;
}

bool ForeignWindowVisible(HWND h, BOOL& visible) {
  unsigned state = 0;
  if (!ForeignState(h, state)) return false;
  visible = (state & kStateVisible) ? TRUE : FALSE;
  return true;
}

void MarkTopLevelWindowsChanged() {
  g_changer.store(CurrentThread(), std::memory_order_relaxed);
  g_dirty.store(true, std::memory_order_release);
}

void PublishTopLevelWindows() {
  if (!g_dirty.load(std::memory_order_acquire) || g_changer.load() != CurrentThread()) return;
  if (!g_dirty.exchange(false)) return;
  std::string list;
  {
    State& s = UserState();
    if (!s.Desktop) return;
    for (Wnd* w : s.Desktop->Children) {
      if (w->Dead || w->Destroying) continue;
      const unsigned state = ((w->Style & WS_VISIBLE) ? kStateVisible : 0u) |
                             ((w->Style & WS_MINIMIZE) ? kStateIconic : 0u);
      list += std::to_string(reinterpret_cast<uintptr_t>(w->Handle)) + '\t' +
              Escape(w->Class->Name) + '\t' + Escape(w->Text) + '\t' + std::to_string(state) + '\n';
    }
  }
  std::lock_guard lock(g_writeMutex);
  if (list == g_written) return;
  const std::string folder = Folder();
  const std::string path = folder + "/" + std::to_string(::getpid());
  if (list.empty()) {
    std::remove(path.c_str());
    g_written.clear();
    return;
  }
  ::mkdir(folder.c_str(), 0700);
  const std::string temp = path + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << list;
    if (!out) return;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) return;
  static bool registered = (std::atexit(RemoveOwnFile), true);
  (void)registered;
  g_written = list;
  g_writtenPath = path;
  OpenChannel();
}

HWND FindForeignWindow(LPCSTR className, LPCSTR windowName) {
  const std::string folder = Folder();
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return nullptr;
  const long self = static_cast<long>(::getpid());
  HWND found = nullptr;
  while (dirent* e = ::readdir(dir)) {
    char* end = nullptr;
    const long pid = std::strtol(e->d_name, &end, 10);
    if (pid <= 0 || *end || pid == self || pid > 0xFFFFFFF) continue;
    ReadEntries(folder, pid, [&](const TEntry& entry) {
      if (className && !windows_internal::SameText(entry.Class, className)) return true;
      if (windowName && entry.Title != windowName) return true;
      found = reinterpret_cast<HWND>(kForeignTag | (static_cast<uintptr_t>(pid) << 32) |
                                     (entry.Handle & 0xFFFFFFFFu));
      return false;
    });
    if (found) break;
  }
  ::closedir(dir);
  return found;
}

bool ForeignWindowProcess(HWND h, DWORD* processId) {
  const auto v = reinterpret_cast<uintptr_t>(h);
  if (!(v & kForeignTag)) return false;
  if (processId) *processId = static_cast<DWORD>((v & ~kForeignTag) >> 32);
  return true;
}

}  // namespace win::user
