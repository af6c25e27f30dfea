// Window procedures bound to a context: the way the framework turns an object's method into a
// WNDPROC (its MakeObjectInstance) without generating code at run time. A fixed pool of
// distinct procedures is handed out; each calls its bound function with its context.
#pragma once

#include <cstddef>

#include "platform/user/WinUser.h"

namespace win {

using BoundWndProc = LRESULT (*)(void* context, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A distinct window procedure calling fn(context, ...); null when the pool is exhausted or
// fn is null.
WNDPROC AllocateWndProc(BoundWndProc fn, void* context);
// Returns a procedure to the pool (unknown procedures are ignored). It must not be installed
// in a window any more.
void FreeWndProc(WNDPROC proc);
// Procedures still available, and handed out (not returned yet).
size_t FreeWndProcCount();
size_t UsedWndProcCount();

}  // namespace win
