// Theme binding. There is no theme library on this system, so XPThemesAvailable is false
// unless a program (or a test) switches on the built-in stand-in engine, which draws the
// themed parts in a simple flat look: a face colour by state and a one-pixel frame.
#pragma once

#include <cstdint>
#include <string>

#include "platform/base/Types.h"
#include "platform/sys/Packages.h"

namespace zyl {

using HTHEME = void*;
using HRESULT = int32_t;
constexpr HRESULT ZYL_S_OK = 0;
constexpr HRESULT ZYL_E_FAIL = static_cast<HRESULT>(0x80004005u);

// True while the theme functions are bound (the stand-in engine is on).
extern bool XPThemesAvailable;
void ZYLUseStandInThemes(bool On);

// A handle for the class list (e.g. "BUTTON", "EDIT"); nil when themes are not available or
// the list is empty.
HTHEME OpenThemeData(win::HWND Window, const std::string& ClassList);
HRESULT CloseThemeData(HTHEME Theme);
// Fills Rect (clipped to ClipRect when given) with the part's face colour for State and
// frames it; E_FAIL for a nil theme or DC.
HRESULT DrawThemeBackground(HTHEME Theme, win::HDC DC, int Part, int State,
                            const win::TRect* Rect, const win::TRect* ClipRect);
// Bounds less the one-pixel frame (two pixels for the "EDIT" class).
HRESULT GetThemeBackgroundContentRect(HTHEME Theme, win::HDC DC, int Part, int State,
                                      const win::TRect* Bounds, win::TRect* Content);
bool IsAppThemed();
// The class list a handle was opened for (empty for nil).
std::string ZYLThemeClass(HTHEME Theme);
// The face colour (COLORREF) the stand-in engine paints for a state: 1 normal, 2 hot,
// 3 pressed, 4 disabled, 5 focused, 6 read-only; others as normal.
uint32_t ZYLThemeFaceColor(int State);

void ZYLXPStylesInit();
void ZYLXPStylesDone();
inline constexpr vcl::TUnitEntry ZYLXPStylesUnit{"ZYLXPStyles", &ZYLXPStylesInit, &ZYLXPStylesDone};

}  // namespace zyl
