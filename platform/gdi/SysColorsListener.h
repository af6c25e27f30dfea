// The window manager's part of SetSysColors: the drawing layer keeps the system colours, the
// window manager tells the windows of their change.
#pragma once

namespace win::gdi {

// SetSysColors calls `listener` once per successful call, after the colours changed: the window
// manager registers it to tell the top-level windows. Null: nobody is told.
void SetSysColorsListener(void (*listener)());

}  // namespace win::gdi
