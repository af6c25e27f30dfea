// What the sweeps that compare a control with a twin share: the state a user sees of a control
// that is not published, the differences of two sets of values for a failure's message, and
// the named exceptions of a sweep's table (class, case, check) with their reasons.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "tests/package/InputSteps.h"
#include "tests/package/NamedChecks.h"

namespace packagetest {

// The control's state as a user meets it, by name (the text, the caret and selection, the item
// index and top line, the checked state, the position, the scroll bars of its window, the
// Modified flag); `focus` adds whether it holds the focus.
TValues RunTimeState(vcl::TControl* c, bool focus);

// A picker or a calendar starts at the moment it was made: both twins are set to one moment.
void StartAtOneMoment(vcl::TControl* c);

// A check of a sweep that a class does not pass in one case, and why.
struct TExempt {
  const char* Class;
  const char* Way;
  const char* Check;
  const char* Reason;
};

// The checks one class makes in one case, against the named exceptions of the table given.
TNamedChecks Checks(const std::string& cls, const std::string& way,
                    const std::vector<TExempt>& exempt);

// Fails for each row that names no registered control class, no way of `cases` or no check of
// `checks`, or gives no reason: a row of a class the package no longer registers is stale too.
void ExpectRowsNameKnown(const std::vector<TExempt>& rows, const std::set<std::string>& ways,
                         const std::set<std::string>& checks);
template <class Case, size_t N>
void ExpectRowsNameKnown(const std::vector<TExempt>& rows, const Case (&cases)[N],
                         const std::set<std::string>& checks) {
  std::set<std::string> ways;
  for (const Case& c : cases) ways.insert(c.Name);
  ExpectRowsNameKnown(rows, ways, checks);
}

// Compares each class with its twin in each case (`compare` answers the checks that passed),
// traced by the class's name; some are compared, and more checks pass than cases are compared.
template <class Case, size_t N, class F>
void CompareEach(const std::vector<vcl::TClass>& classes, const Case (&cases)[N], F compare) {
  int compared = 0, passed = 0;
  for (vcl::TClass cls : classes) {
    SCOPED_TRACE(cls->ClassName());
    for (const Case& c : cases) {
      passed += compare(cls, c);
      ++compared;
    }
  }
  EXPECT_GT(compared, 0);
  EXPECT_GT(passed, compared);
  ::testing::Test::RecordProperty("compared", compared);
  ::testing::Test::RecordProperty("passed", passed);
}

}  // namespace packagetest
