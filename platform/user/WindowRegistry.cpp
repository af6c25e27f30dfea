// The registry of top-level windows shared by the programs of this system: each program keeps
// a file named by its process id in the registry folder, listing its top-level windows
// (handle, class, title), so that FindWindow in another program finds them. A program writes
// its file when it next looks for messages after its windows changed, and removes it when it
// has no windows left or exits; readers drop files of programs that are gone.
#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/user/UserInternal.h"

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

bool SameText(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && !b[i];
}

void RemoveOwnFile() {
  std::lock_guard lock(g_writeMutex);
  if (!g_writtenPath.empty()) std::remove(g_writtenPath.c_str());
  g_written.clear();
}

}  // namespace

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
      list += std::to_string(reinterpret_cast<uintptr_t>(w->Handle)) + '\t' + Escape(w->Class->Name) + '\t' +
              Escape(w->Text) + '\n';
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
    const std::string path = folder + "/" + e->d_name;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      std::remove(path.c_str());  // its program is gone
      continue;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || st.st_size > static_cast<off_t>(kMaxFile)) continue;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (!found && std::getline(in, line)) {
      const size_t t1 = line.find('\t');
      const size_t t2 = t1 == std::string::npos ? t1 : line.find('\t', t1 + 1);
      if (t2 == std::string::npos) continue;
      const std::string cls = Unescape(line.substr(t1 + 1, t2 - t1 - 1));
      const std::string title = Unescape(line.substr(t2 + 1));
      if (className && !SameText(cls, className)) continue;
      if (windowName && title != windowName) continue;
      const uintptr_t remote = std::strtoull(line.substr(0, t1).c_str(), nullptr, 10);
      found = reinterpret_cast<HWND>(kForeignTag | (static_cast<uintptr_t>(pid) << 32) |
                                     (remote & 0xFFFFFFFFu));
    }
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
