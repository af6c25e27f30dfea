#include "platform/sys/Packages.h"

#include <dlfcn.h>

#include <cstring>
#include <exception>
#include <map>
#include <mutex>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/rtl/FileUtils.h"

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
  try {
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
  } catch (...) {
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
      int& count = counters[Key(it->first->Name)];
      --count;
      if (it->second && count == 0 && it->first->FInit) {
        try {
          it->first->FInit();
        } catch (...) {
          // The initialization's exception is the one reported.
        }
      }
    }
    throw;
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
      } catch (...) {
        if (!first) first = std::current_exception();
      }
    }
  }
  if (first) std::rethrow_exception(first);
}

void InitializePackage(win::HMODULE module) {
  TPackageProc init = Export(module, "Initialize");
  if (!init) throw EPackageError("Invalid package file '" + ModuleName(module) + "'");
  init();
}

void FinalizePackage(win::HMODULE module) {
  TPackageProc fin = Export(module, "Finalize");
  if (!fin) throw EPackageError("Invalid package file '" + ModuleName(module) + "'");
  fin();
}

win::HMODULE LoadPackage(const std::string& name) {
  std::lock_guard<std::recursive_mutex> guard(Mutex());
  // Names with a folder follow the layer's path policy; bare names are searched for by the
  // system's loader.
  const bool hasFolder = name.find_first_of("\\/") != std::string::npos ||
                         (name.size() >= 2 && name[1] == ':');
  const std::string path = hasFolder ? NativeFileName(name) : name;
  void* handle = path.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle && path.empty())
    throw EPackageError("Can't load package " + name + ".\nThe drive of the file is not mapped");
  if (!handle) {
    const char* err = ::dlerror();
    throw EPackageError("Can't load package " + name + ".\n" + (err ? err : "unknown error"));
  }
  auto module = reinterpret_cast<win::HMODULE>(handle);
  if (!Export(module, "Initialize")) {
    ::dlclose(handle);
    throw EPackageError("Invalid package file '" + name + "'");
  }
  try {
    InitializePackage(module);
  } catch (...) {
    ::dlclose(handle);
    throw;
  }
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
