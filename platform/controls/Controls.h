// The control classes: TControl (position, alignment, visibility, colour and font with parent
// inheritance, mouse events), TWinControl (a window created on demand, children, focus, tab
// order, keys, painting of graphic children), TGraphicControl (painted on its parent's
// surface), TCustomControl (a window with a canvas and Paint) and TControlCanvas.
#pragma once

#include "platform/controls/Control.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/controls/WinControl.h"

namespace vcl {

// The control (windowed or graphic) below a screen point, as the mouse sees it; with
// AllowDisabled, disabled controls count too.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
// The control that owns a window, or null.
TWinControl* FindControl(win::HWND Handle);
// The control that has captured the mouse (a graphic one is remembered by the framework).
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);
// The form that contains Control (null when none).
TCustomForm* GetParentForm(const TControl* Control);

// The mouse-over tracking behind CM_MOUSEENTER and CM_MOUSELEAVE: tells the controls when the
// control under the cursor changes. Called on mouse moves and when the loop goes idle.
void UpdateMouseControl();
TControl* MouseControl();

// True when the platform's controls and menus have the newer look (the system menu then has
// no "Switch To..." entry); always so here.
inline bool NewStyleControls = true;

// Tests and tools: forget the framework's global state tied to the current window system
// (window classes, the mouse control) before a new window system is started.
void ResetControlsGlobals();

}  // namespace vcl
