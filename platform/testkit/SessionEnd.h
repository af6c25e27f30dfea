// The user's session ending, as the system ends it.
#pragma once

namespace win::testkit {

// Every top-level window is asked (WM_QUERYENDSESSION); when none refuses, each then hears that
// the session ends (WM_ENDSESSION with TRUE), else that it goes on (FALSE). Answers whether the
// session ended.
bool EndSession();

}  // namespace win::testkit
