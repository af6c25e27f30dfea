// Routines on forms, windows and the running application: the one-instance check of
// components, the themes switch of a whole form, centring and the opening animations of forms,
// bringing a previous instance forward, waiting while messages are handled, the caption areas
// of a window, and the colour pairs of LED displays.
#pragma once

#include <cstdint>

#include "foundation/ZYLClass.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"

namespace vcl {
class TComponent;
class TCustomForm;
}  // namespace vcl

namespace zyl {

// The lit and the unlit colour of a predefined pair (lcNone: the LED display's own defaults,
// lime and green).
void ZYLGetLightColors(TZYLLightColor LightColor, vcl::TColor& Active, vcl::TColor& Inactive);

// True (a violation) when Owner is not a form (nor, with AllowDataModule, a data module) or
// already holds two or more components of ComponentClass, the new one included; false for a
// nil class.
bool ZYLCheckForSameClass(vcl::TComponent* Owner, vcl::TClass ComponentClass,
                          bool AllowDataModule);

// Sets the themed-drawing switch of every component the form owns that has one
// (IZYLThemes); nothing for a nil form.
void ZYLSetCtlXP(vcl::TCustomForm* Form, bool Value);

// Centres the form on the screen.
void ZYLCenterForm(vcl::TCustomForm* Form);
// Opening animations: focus rectangles growing to the form's bounds from the mouse position
// (ZYLExplodeForm2 also from the form's centre), each drawn and taken away again, so that the
// screen and the form are left as they were.
void ZYLExplodeForm(vcl::TCustomForm* Form);
void ZYLExplodeForm2(vcl::TCustomForm* Form);

// With the application object's previous-instance flag set: blanks the own application
// window's text, finds the top-level window of class "TApplication" with this application's
// title and restores it when it is minimized, otherwise brings it to the foreground.
void ZYLActivatePrevInstance();

// Handles messages until Milliseconds have passed on the clock or the application is
// terminating; nothing for 0.
void ZYLWait(uint32_t Milliseconds);

// Flags of ZYLNCCalcDrawingArea: the caller passes 1 (always), 2 (owner drawing: the text
// rectangle keeps 2 pixels off its neighbours) and 0x20 (the window has a single-line
// border); the routine adds 4 for a small (tool-window) caption and 8 when the caption shows
// the system icon.
constexpr uint32_t ZYL_NC_ALWAYS = 0x01;
constexpr uint32_t ZYL_NC_OWNERDRAW = 0x02;
constexpr uint32_t ZYL_NC_SMALLCAPTION = 0x04;
constexpr uint32_t ZYL_NC_SYSICON = 0x08;
constexpr uint32_t ZYL_NC_SINGLEBORDER = 0x20;
// The caption rectangle and the caption text's rectangle (between the system icon and the
// caption buttons), in window coordinates, from the window's styles and the system metrics.
// Both are empty for a window without a caption (or no window).
void ZYLNCCalcDrawingArea(win::HWND Window, win::TRect& CaptionRect, win::TRect& TextRect,
                          uint32_t& Flags);

// Trims a system menu to Entries: deletes by position, from the bottom up, the standard entries
// not in Entries. The positions follow the standard layout: Restore, Move, Size, Minimize,
// Maximize, a separator and Close (an application window's menu has no Size nor Maximize);
// without vcl::NewStyleControls a separator and "Switch To..." (smSwitch) follow. Separators
// left at either end or next to another separator go too. Nothing for a null or dead menu.
void ZYLCheckSystemMenu(TZYLSysMenuEntries Entries, win::HMENU Menu, bool ApplicationMenu);

}  // namespace zyl
