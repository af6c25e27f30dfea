// What the sweeps that compare a control with a twin share: the state a user sees of a control
// that is not published, the differences of two sets of values for a failure's message, and
// the named exceptions of a sweep's table (class, case, check) with their reasons.
#pragma once

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

// "Path: a -> b; ..." of the entries that differ, for a failure's message.
std::string Differences(const TValues& expected, const TValues& actual);

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

// Fails for each row that names no class of `classes`, no way of `ways` or no check of `checks`,
// or gives no reason: a row of a class the package no longer registers is stale too.
void ExpectRowsNameKnown(const std::vector<TExempt>& rows, const std::set<std::string>& classes,
                         const std::set<std::string>& ways, const std::set<std::string>& checks);

}  // namespace packagetest
