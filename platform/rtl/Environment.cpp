#include "platform/rtl/Environment.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>

#include "platform/rtl/CodePage.h"

namespace vcl {

std::string GetEnvironmentVariable(const std::string& name) {
  if (name.empty() || name.find('=') != std::string::npos) return std::string();
  const char* v = std::getenv(AnsiToUtf8(name).c_str());
  return v ? Utf8ToAnsi(v) : std::string();
}

std::string ExpandEnvironmentStrings(const std::string& s) {
  std::string out;
  size_t i = 0;
  while (i < s.size()) {
    if (s[i] == '%') {
      const size_t end = s.find('%', i + 1);
      if (end != std::string::npos && end > i + 1) {
        const std::string name = s.substr(i + 1, end - i - 1);
        const char* v = std::getenv(AnsiToUtf8(name).c_str());
        if (v) {
          out += Utf8ToAnsi(v);
          i = end + 1;
          continue;
        }
      }
    }
    out += s[i++];
  }
  return out;
}

namespace {

std::mutex g_argsLock;
bool g_argsSet = false;
std::vector<std::string> g_args;  // without the program name

std::vector<std::string> ProcessArgs() {
  std::vector<std::string> args;
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\0', start);
    if (end == std::string::npos) end = all.size();
    args.push_back(Utf8ToAnsi(all.substr(start, end - start)));
    start = end + 1;
  }
  if (!args.empty()) args.erase(args.begin());
  return args;
}

const std::vector<std::string>& Args() {
  if (!g_argsSet) {
    g_args = ProcessArgs();
    g_argsSet = true;
  }
  return g_args;
}

}  // namespace

void SetCommandLine(int argc, const char* const* argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc && argv; ++i) args.push_back(argv[i] ? Utf8ToAnsi(argv[i]) : std::string());
  std::lock_guard<std::mutex> lock(g_argsLock);
  g_args = std::move(args);
  g_argsSet = true;
}

void SetCommandLine(const std::vector<std::string>& args) {
  std::lock_guard<std::mutex> lock(g_argsLock);
  g_args.assign(args.size() > 1 ? args.begin() + 1 : args.end(), args.end());
  g_argsSet = true;
}

int ParamCount() {
  std::lock_guard<std::mutex> lock(g_argsLock);
  return static_cast<int>(Args().size());
}

std::string ParamStr(int index) {
  if (index == 0) {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? Utf8ToAnsi(std::string(buf, static_cast<size_t>(n))) : std::string();
  }
  std::lock_guard<std::mutex> lock(g_argsLock);
  const auto& a = Args();
  if (index < 1 || index > static_cast<int>(a.size())) return std::string();
  return a[static_cast<size_t>(index - 1)];
}

}  // namespace vcl

namespace win {

DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
  if (!name) return 0;
  const char* raw = std::getenv(vcl::AnsiToUtf8(name).c_str());
  if (!raw) return 0;
  const std::string v = vcl::Utf8ToAnsi(raw);
  if (!buffer || size < v.size() + 1) return static_cast<DWORD>(v.size() + 1);
  std::memcpy(buffer, v.c_str(), v.size() + 1);
  return static_cast<DWORD>(v.size());
}

BOOL SetEnvironmentVariableA(LPCSTR name, LPCSTR value) {
  if (!name || !*name || std::strchr(name, '=')) return FALSE;
  const std::string n = vcl::AnsiToUtf8(name);
  if (!value) return unsetenv(n.c_str()) == 0 ? TRUE : FALSE;
  return setenv(n.c_str(), vcl::AnsiToUtf8(value).c_str(), 1) == 0 ? TRUE : FALSE;
}

DWORD ExpandEnvironmentStringsA(LPCSTR src, LPSTR dst, DWORD size) {
  if (!src) return 0;
  const std::string r = vcl::ExpandEnvironmentStrings(src);
  if (dst && size >= r.size() + 1) std::memcpy(dst, r.c_str(), r.size() + 1);
  return static_cast<DWORD>(r.size() + 1);
}

}  // namespace win
