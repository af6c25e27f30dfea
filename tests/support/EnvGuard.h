// Restores an environment variable (and the C library's time-zone state) on scope exit.
#pragma once

#include <cstdlib>
#include <ctime>
#include <string>

namespace testsupport {

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

}  // namespace testsupport
