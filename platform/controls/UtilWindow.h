// Hidden utility windows whose window procedure is an object's method: AllocateHWnd creates a
// top-level popup window of class "TPUtilWindow" that hands every message to Method (as a
// TMessage whose Result becomes the answer); DeallocateHWnd destroys it and frees the bound
// procedure. Non-visual components receive messages (timers, hot keys, notifications) this way.
#pragma once

#include "platform/controls/Controls.h"

namespace vcl {

// Null when Method is empty or no bound procedure is left.
win::HWND AllocateHWnd(const TWndMethod& Method);
// Tolerates null and windows AllocateHWnd did not make (those are left alone).
void DeallocateHWnd(win::HWND Wnd);

}  // namespace vcl
