// The C library's locale a host program may choose with setlocale: a locale whose numbers have a
// decimal comma ("de_DE.UTF-8"), made with localedef into a folder of the test run the first
// time it is asked for, set for the process while the guard lives, and the one before given back.
#pragma once

#include <string>

namespace testsupport {

class THostNumbersLocale {
 public:
  THostNumbersLocale();
  ~THostNumbersLocale();
  THostNumbersLocale(const THostNumbersLocale&) = delete;
  THostNumbersLocale& operator=(const THostNumbersLocale&) = delete;

  // Whether the locale is in force (localedef and the locale's sources are on the machine).
  bool InForce() const { return inForce_; }
  // Why not, when it is not.
  const std::string& Why() const { return why_; }

 private:
  std::string previous_;
  bool hadLocPath_ = false;
  std::string locPath_;
  bool inForce_ = false;
  std::string why_;
};

}  // namespace testsupport
