// The checks a sweep makes of one class in one case, against the exceptions its table names: a
// failing check that is named passes; a named check that passed and never failed is stale, and
// fails when the checker goes.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace packagetest {

class TNamedChecks {
 public:
  // `who` names the class (and case) in the messages; `named` are the checks its rows name.
  TNamedChecks(std::string who, std::set<std::string> named)
      : who_(std::move(who)), named_(std::move(named)) {}
  ~TNamedChecks() {
    for (const std::string& check : named_)
      if (passed_.count(check) && !failed_.count(check))
        ADD_FAILURE() << who_ << " no longer fails \"" << check << "\": remove the exception";
  }
  TNamedChecks(const TNamedChecks&) = delete;
  TNamedChecks& operator=(const TNamedChecks&) = delete;

  void Expect(const std::string& check, bool ok, const std::string& detail = "") {
    (ok ? passed_ : failed_).insert(check);
    if (!ok && !named_.count(check)) ADD_FAILURE() << who_ << ": " << check << " " << detail;
  }
  int Passed() const { return static_cast<int>(passed_.size()); }

 private:
  std::string who_;
  std::set<std::string> named_;
  std::set<std::string> passed_, failed_;
};

}  // namespace packagetest
