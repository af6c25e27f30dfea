#include "platform/sys/Packages.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstring>
#include <exception>
#include <map>
#include <mutex>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Format.h"

namespace vcl {

namespace {

// Initializations may load further packages: the lock is recursive.
std::recursive_mutex& Mutex() {
  static std::recursive_mutex m;
  return m;
}

std::map<std::string, int>& Counters() {
  static std::map<std::string, int> counters;
  return counters;
}

std::string Key(const char* name) {
  std::string k = name ? name : "";
  for (char& c : k)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return k;
}

using TPackageProc = void (*)();

TPackageProc Export(win::HMODULE module, const char* name) {
  // dlsym answers a data pointer; the exports are functions.
  void* p = ::dlsym(reinterpret_cast<void*>(module), name);
  TPackageProc proc = nullptr;
  static_assert(sizeof proc == sizeof p);
  std::memcpy(&proc, &p, sizeof p);
  return proc;
}

std::string ModuleName(win::HMODULE module) {
  Dl_info info{};
  void* p = ::dlsym(reinterpret_cast<void*>(module), "Initialize");
  if (p && ::dladdr(p, &info) && info.dli_fname) return info.dli_fname;
  return "?";
}

}  // namespace

int UnitInitCount(const std::string& unitName) {
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  auto it = Counters().find(Key(unitName.c_str()));
  return it == Counters().end() ? 0 : it->second;
}

void InitializePackage(const TPackageUnitTable& table) {
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  auto& counters = Counters();
  // Units counted by this call, and which of them this call initialized.
  std::vector<std::pair<const TUnitEntry*, bool>> done;
  // On failure the units counted so far are counted off again, and those this call initialized
  // finalized; the initialization's exception is the one reported.
  const TOnFailure rollBack([&] {
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
      int& count = counters[Key(it->first->Name)];
      --count;
      if (it->second && count == 0 && it->first->FInit) RunDroppingErrors(it->first->FInit);
    }
  });
  for (int i = 0; i < table.UnitCount; ++i) {
    const TUnitEntry& u = table.Units[i];
    int& count = counters[Key(u.Name)];
    if (count == 0) {
      if (u.Init) u.Init();
      count = 1;
      done.emplace_back(&u, true);
    } else {
      ++count;
      done.emplace_back(&u, false);
    }
  }
}

void FinalizePackage(const TPackageUnitTable& table) {
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  auto& counters = Counters();
  std::exception_ptr first;
  for (int i = table.UnitCount - 1; i >= 0; --i) {
    const TUnitEntry& u = table.Units[i];
    auto it = counters.find(Key(u.Name));
    if (it == counters.end() || it->second <= 0) continue;
    if (--it->second == 0 && u.FInit) {
      try {
        u.FInit();
      } catch (...) {  // every unit is finalized; the first failure is raised at the end
        if (!first) first = std::current_exception();
      }
    }
  }
  if (first) std::rethrow_exception(first);
}

void InitializePackage(win::HMODULE module) {
  TPackageProc init = Export(module, "Initialize");
  if (!init) throw EPackageError(Format(SInvalidPackageFile, {ModuleName(module)}));
  init();
}

void FinalizePackage(win::HMODULE module) {
  TPackageProc fin = Export(module, "Finalize");
  if (!fin) throw EPackageError(Format(SInvalidPackageFile, {ModuleName(module)}));
  fin();
}

namespace {

// The folder of the shared library (or program) that holds the package loader: the platform's
// library, beside which the build and the installation put the packages.
std::string LoaderFolder() {
  ::Dl_info info{};
  if (!::dladdr(reinterpret_cast<void*>(&LoaderFolder), &info) || !info.dli_fname) return {};
  const std::string file = info.dli_fname;
  const size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

// Opens a bare package name: as the system's loader finds it, else beside the platform's
// library; a name without an extension is tried with ".so" too. The loader error reported is
// that of a file found beside the platform's library (it exists but does not load), else the
// first one.
void* OpenBareName(const std::string& name, std::string& error) {
  std::vector<std::string> names{name};
  if (name.find('.') == std::string::npos) names.push_back(name + ".so");
  const std::string folder = LoaderFolder();
  std::vector<std::string> candidates = names;
  if (!folder.empty())
    for (const std::string& n : names) candidates.push_back(folder + n);
  for (const std::string& candidate : candidates) {
    if (void* handle = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    const char* err = ::dlerror();
    const bool found =
        candidate.find('/') != std::string::npos && ::access(candidate.c_str(), F_OK) == 0;
    if (error.empty() || found) error = err ? err : "unknown error";
  }
  return nullptr;
}

}  // namespace

win::HMODULE LoadPackage(const std::string& name) {
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  // Names with a folder follow the layer's path policy; bare names are searched for.
  const bool hasFolder = name.find_first_of("\\/") != std::string::npos ||
                         (name.size() >= 2 && name[1] == ':');
  std::string error;
  void* handle = nullptr;
  if (hasFolder) {
    const std::string path = NativeFileName(name);
    if (path.empty()) throw EPackageError(Format(SErrorLoadingPackage, {name, SDriveNotMapped}));
    handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      const char* err = ::dlerror();
      error = err ? err : "unknown error";
    }
  } else {
    handle = OpenBareName(name, error);
  }
  if (!handle) throw EPackageError(Format(SErrorLoadingPackage, {name, error}));
  auto module = reinterpret_cast<win::HMODULE>(handle);
  if (!Export(module, "Initialize")) {
    ::dlclose(handle);
    throw EPackageError(Format(SInvalidPackageFile, {name}));
  }
  const TOnFailure closeLibrary([handle] { ::dlclose(handle); });
  InitializePackage(module);
  return module;
}

void UnloadPackage(win::HMODULE module) {
  if (!module) return;
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  struct Closer {
    void* h;
    ~Closer() { ::dlclose(h); }
  } closer{reinterpret_cast<void*>(module)};
  if (Export(module, "Finalize")) FinalizePackage(module);
}

}  // namespace vcl

namespace win {

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (!hModule || !lpProcName) return nullptr;
  return vcl::Export(hModule, lpProcName);
}

}  // namespace win
