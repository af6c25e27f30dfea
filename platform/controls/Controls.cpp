#include "platform/controls/Controls.h"

#include <unordered_map>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

namespace vcl {

using namespace win;

namespace controls_internal {

// Windows made for controls, by handle.
std::unordered_map<HWND, TWinControl*>& HandleMap() {
  static auto* m = new std::unordered_map<HWND, TWinControl*>;
  return *m;
}
// The control whose window CreateWindowEx is making (its first messages arrive before the
// handle is known).
TWinControl* g_creationControl = nullptr;
TControl* g_captureControl = nullptr;
TControl* g_mouseControl = nullptr;
// Whether g_mouseControl heard CM_MOUSEENTER (and so is owed CM_MOUSELEAVE).
bool g_mouseEntered = false;

bool RegisterOwnClass(const WNDCLASSA& WindowClass) {
  WNDCLASSA existing;
  const bool registered = GetClassInfoA(nullptr, WindowClass.lpszClassName, &existing) != 0;
  if (registered && existing.lpfnWndProc == WindowClass.lpfnWndProc) return true;
  if (registered) UnregisterClassA(WindowClass.lpszClassName, nullptr);
  return RegisterClassA(&WindowClass) != 0;
}

std::string FormatName(const char* fmt, const std::string& name) {
  std::string s = fmt;
  auto pos = s.find("%s");
  if (pos != std::string::npos) s.replace(pos, 2, name);
  return s;
}

}  // namespace controls_internal

using namespace controls_internal;

LRESULT ControlWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  auto& map = HandleMap();
  auto it = map.find(hwnd);
  if (it != map.end()) {
    control = it->second;
  } else if (g_creationControl) {
    control = g_creationControl;
    g_creationControl = nullptr;
    control->handle_ = hwnd;
    map[hwnd] = control;
  }
  if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  HandlingExceptions(control, [&] {
    if (control->windowProc_)
      control->windowProc_(m);
    else
      control->WndProc(m);
  });
  return m.Result;
}

// ---------------------------------------------------------------------------------------------
// Helpers

TShiftState KeysToShiftState(uint32_t Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s += ssShift;
  if (Keys & MK_CONTROL) s += ssCtrl;
  if (Keys & MK_LBUTTON) s += ssLeft;
  if (Keys & MK_RBUTTON) s += ssRight;
  if (Keys & MK_MBUTTON) s += ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(int32_t KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (KeyData & 0x20000000) s += ssAlt;
  return s;
}

TWinControl* FindControl(HWND Handle) { return TWinControl::FindControl(Handle); }

TWinControl* TWinControl::FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  auto& map = HandleMap();
  auto it = map.find(Handle);
  return it == map.end() ? nullptr : it->second;
}

TControl* GetCaptureControl() {
  TControl* result = FindControl(GetCapture());
  if (result && g_captureControl && g_captureControl->Parent() == result) result = g_captureControl;
  return result;
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  g_captureControl = nullptr;
  if (!Control) return;
  if (!dynamic_cast<TWinControl*>(Control)) {
    if (!Control->Parent()) return;
    g_captureControl = Control;
    Control = Control->Parent();
  }
  SetCapture(static_cast<TWinControl*>(Control)->Handle());
}

TCustomForm* GetParentForm(const TControl* Control) {
  if (!Control) return nullptr;
  const TControl* c = Control;
  while (c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  // A window of the system's own (a combo's edit child) belongs to the control it lies in.
  TWinControl* win = nullptr;
  for (HWND window = WindowFromPoint(Pos); window && !win; window = GetParent(window))
    win = FindControl(window);
  if (!win) return nullptr;
  TControl* control = win->ControlAtPos(win->ScreenToClient(Pos), AllowDisabled);
  return control ? control : win;
}

TControl* MouseControl() { return g_mouseControl; }

void UpdateMouseControl() {
  POINT p;
  GetCursorPos(&p);
  TControl* target = FindDragTarget(p, true);
  if (target && target->ComponentState().contains(csDesigning)) target = nullptr;
  TControl* capture = GetCaptureControl();
  // While another control keeps the mouse, the one under the cursor is entered only once the
  // mouse is let go; a control that was entered always hears the leave, so enter and leave
  // come in pairs whoever holds the mouse meanwhile.
  const bool mayEnter = target && (!capture || target == capture);
  if (g_mouseControl == target) {
    if (mayEnter && !g_mouseEntered) {
      g_mouseEntered = true;
      target->Perform(CM_MOUSEENTER, 0, 0);
    }
    return;
  }
  TControl* old = g_mouseControl;
  const bool leave = old && g_mouseEntered;
  g_mouseEntered = false;
  g_mouseControl = target;
  // The control the mouse went to is entered however the leave ends (a user's handler of the
  // leave may raise); unless the leave itself moved the mouse on.
  const TFinally enter([target, mayEnter] {
    if (!mayEnter || g_mouseControl != target || g_mouseEntered) return;
    g_mouseEntered = true;
    target->Perform(CM_MOUSEENTER, 0, 0);
  });
  if (leave) old->Perform(CM_MOUSELEAVE, 0, 0);
}

void ResetControlsGlobals() {
  HandleMap().clear();
  g_creationControl = nullptr;
  g_captureControl = nullptr;
  g_mouseControl = nullptr;
  g_mouseEntered = false;
  if (Application) Application->ResetHandle();
  if (Screen) {
    Screen->UpdateSystemFonts();
    Screen->OnActiveFormChange = Screen->OnActiveControlChange = {};
  }
  ResetMenuGlobals();
}

TAnchors AnchorAlign(TAlign Value) {
  switch (Value) {
    case alTop: return {akLeft, akTop, akRight};
    case alBottom: return {akLeft, akRight, akBottom};
    case alLeft: return {akLeft, akTop, akBottom};
    case alRight: return {akRight, akTop, akBottom};
    case alClient: return {akLeft, akTop, akRight, akBottom};
    default: return {akLeft, akTop};
  }
}

ZYL_CLASS_IMPL(TDragDockObject) {}

}  // namespace vcl
