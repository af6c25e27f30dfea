// Window procedures that call a method: MakeObjectInstance hands out a window procedure that
// passes every message it receives, as a TMessage, to the method, and answers the method's
// Result; FreeObjectInstance gives it back. Used to subclass a window (SetWindowLongPtr with
// GWLP_WNDPROC) from an object.
#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/user/WinUser.h"

namespace vcl {

// The number of window procedures that can be handed out at the same time.
constexpr int MaxObjectInstances = 1024;

// EOutOfResources when every window procedure is in use.
win::WNDPROC MakeObjectInstance(TWndMethod Method);
// Nothing for a procedure that MakeObjectInstance did not hand out (or null).
void FreeObjectInstance(win::WNDPROC ObjectInstance);
// The number of window procedures handed out and not given back.
int ObjectInstanceCount();

}  // namespace vcl
