#pragma once
// State and helpers the control units share; not for users of the framework.

#include <initializer_list>
#include <string>
#include <unordered_map>

#include "platform/controls/Controls.h"

namespace vcl {

class TStream;

// The window procedure of every framework window class: hands the message to the control's
// WindowProc.
win::LRESULT ControlWndProc(win::HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace controls_internal {

// Windows made for controls, by handle.
std::unordered_map<win::HWND, TWinControl*>& HandleMap();
// The control whose window CreateWindowEx is making (its first messages arrive before the
// handle is known).
extern TWinControl* g_creationControl;
extern TControl* g_captureControl;
extern TControl* g_mouseControl;

// A unit's classes for form streams: registered when the program starts, and again by
// RegisterStandardControls.
struct TStandardClasses {
  TStandardClasses(std::initializer_list<TClass (*)()> classes);
};

inline constexpr const char* SParentRequired = "Control '%s' has no parent window";

// Registers WindowClass (name and procedure given) for one of the framework's own windows,
// unless its name is registered with the same procedure already; a registration of the name
// with another procedure is replaced. False when the window system refuses (the other
// procedure's class stays while windows of it live).
bool RegisterOwnClass(const win::WNDCLASSA& WindowClass);

// fmt with its "%s" replaced by name.
std::string FormatName(const char* fmt, const std::string& name);

// Reads a form stream (binary or text) into Root, the root of the forms and data modules;
// with IgnoreMissingMethods, handlers the root lacks are left unbound (Forms.cpp).
void ReadRootStream(TStream* Stream, TComponent* Root, bool IgnoreMissingMethods);

}  // namespace controls_internal
}  // namespace vcl
