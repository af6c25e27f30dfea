// Guards of the process's state a test changes: an environment variable, the current folder.
#pragma once

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

namespace testsupport {

// Restores an environment variable (and the C library's time-zone state) on scope exit.
class TEnvGuard {
 public:
  explicit TEnvGuard(const char* Name) : name_(Name) {
    if (const char* v = std::getenv(Name)) {
      had_ = true;
      old_ = v;
    }
  }
  // Keeps the old value and sets Value for the scope.
  TEnvGuard(const char* Name, const std::string& Value) : TEnvGuard(Name) {
    setenv(Name, Value.c_str(), 1);
  }
  ~TEnvGuard() {
    if (had_)
      setenv(name_.c_str(), old_.c_str(), 1);
    else
      unsetenv(name_.c_str());
    tzset();
  }
  TEnvGuard(const TEnvGuard&) = delete;
  TEnvGuard& operator=(const TEnvGuard&) = delete;

 private:
  std::string name_, old_;
  bool had_ = false;
};

// Restores the current folder on scope exit (the file dialogs change it to the folder of the
// file chosen).
class TCurrentDirGuard {
 public:
  TCurrentDirGuard() = default;
  ~TCurrentDirGuard() { std::filesystem::current_path(dir_); }
  TCurrentDirGuard(const TCurrentDirGuard&) = delete;
  TCurrentDirGuard& operator=(const TCurrentDirGuard&) = delete;

 private:
  std::filesystem::path dir_ = std::filesystem::current_path();
};

}  // namespace testsupport
