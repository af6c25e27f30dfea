// The window tree: the state of a window, its parent, owner and children, finding and
// enumerating windows, dialog items.
#include <algorithm>
#include <vector>

#include "platform/user/UserInternal.h"
#include "platform/user/WindowsInternal.h"

namespace win {

using namespace user;
using namespace user::windows_internal;

BOOL IsWindow(HWND hwnd) { return FromHandle(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd) {
  if (BOOL visible = FALSE; ForeignWindowVisible(hwnd, visible)) return visible;
  Wnd* w = FromHandle(hwnd);
  return w && ReallyVisible(w) ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  return w && !(w->Style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  const BOOL wasDisabled = (w->Style & WS_DISABLED) ? TRUE : FALSE;
  if (enable && wasDisabled) {
    w->Style &= ~WS_DISABLED;
    Send(w, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    Send(w, WM_CANCELMODE, 0, 0);
    if (!FromHandle(hwnd)) return FALSE;
    w->Style |= WS_DISABLED;
    State& s = UserState();
    if (s.Focus && (s.Focus == hwnd || IsChild(hwnd, s.Focus))) SetFocus(nullptr);
    if (s.Capture == hwnd) ReleaseCapture();
    if (FromHandle(hwnd)) Send(w, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

BOOL IsChild(HWND parent, HWND hwnd) {
  Wnd* p = FromHandle(parent);
  Wnd* w = FromHandle(hwnd);
  if (!p || !w) return FALSE;
  while (w->IsChild()) {
    w = w->Parent;
    if (w == p) return TRUE;
  }
  return FALSE;
}

BOOL IsIconic(HWND hwnd) {
  if (BOOL iconic = FALSE; ForeignWindowIconic(hwnd, iconic)) return iconic;
  Wnd* w = FromHandle(hwnd);
  return w && (w->Style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  return w && (w->Style & WS_MAXIMIZE) ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
  EnsureInit();
  return UserState().Desktop->Handle;
}

HWND GetParent(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return nullptr;
  if (w->Style & WS_CHILD)
    return w->Parent && !w->Parent->IsDesktop() ? w->Parent->Handle : nullptr;
  if ((w->Style & WS_POPUP) && w->Owner) return w->Owner->Handle;
  return nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->Parent ? w->Parent->Handle : nullptr;
    case GA_ROOT:
      while (w->IsChild()) w = w->Parent;
      return w->Handle;
    case GA_ROOTOWNER: {
      while (w->IsChild()) w = w->Parent;
      while (w->Owner) w = w->Owner;
      return w->Handle;
    }
    default: return nullptr;
  }
}

HWND SetParent(HWND hwnd, HWND newParent) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return nullptr;
  Wnd* p = newParent ? FromHandle(newParent) : UserState().Desktop;
  if (!p) return nullptr;
  for (Wnd* a = p; a; a = a->Parent)
    if (a == w) return nullptr;  // would make a cycle
  Wnd* old = w->Parent;
  const HWND oldH = old ? old->Handle : nullptr;
  // A visible window is hidden first (WM_SHOWWINDOW(FALSE), then the hiding move), moved while
  // hidden and shown again under its new parent.
  const bool wasVisible = (w->Style & WS_VISIBLE) != 0;
  if (wasVisible) {
    const HWND parentH = p->Handle;
    Send(w, WM_SHOWWINDOW, FALSE, 0);
    if (FromHandle(hwnd))
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window or its new parent may have gone while the window heard of its hiding.
    if (!(w = FromHandle(hwnd)) || !(p = FromHandle(parentH))) return nullptr;
  }
  UnlinkChild(w);
  w->Parent = p;
  MarkTopLevelWindowsChanged();
  // The window keeps its coordinates, now in the new parent's client area, and is placed on
  // top of its new siblings as a move: it hears WM_WINDOWPOSCHANGING/CHANGED, WM_MOVE and
  // (as a child) WM_CHILDACTIVATE.
  LinkChild(p, w, p->IsDesktop());
  SetWindowPosImpl(hwnd, HWND_TOP, w->Rect.Left, w->Rect.Top, 0, 0, SWP_NOSIZE, true);
  if (wasVisible && (w = FromHandle(hwnd)) && !(w->Style & WS_VISIBLE)) {
    Send(w, WM_SHOWWINDOW, TRUE, 0);
    if (FromHandle(hwnd))
      SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  }
  return oldH;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return nullptr;
  auto siblings = [&]() -> const std::vector<Wnd*>* {
    return w->Parent ? &w->Parent->Children : nullptr;
  };
  switch (cmd) {
    case GW_CHILD: return w->Children.empty() ? nullptr : w->Children.front()->Handle;
    case GW_OWNER: return w->Owner ? w->Owner->Handle : nullptr;
    case GW_HWNDFIRST: {
      auto* v = siblings();
      return v && !v->empty() ? v->front()->Handle : hwnd;
    }
    case GW_HWNDLAST: {
      auto* v = siblings();
      return v && !v->empty() ? v->back()->Handle : hwnd;
    }
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      auto* v = siblings();
      if (!v) return nullptr;
      auto it = std::find(v->begin(), v->end(), w);
      if (it == v->end()) return nullptr;
      if (cmd == GW_HWNDNEXT) return ++it == v->end() ? nullptr : (*it)->Handle;
      return it == v->begin() ? nullptr : (*--it)->Handle;
    }
    case GW_ENABLEDPOPUP: {
      for (Wnd* t : UserState().Desktop->Children)
        if (t->Owner == w && (t->Style & WS_VISIBLE) && !(t->Style & WS_DISABLED)) return t->Handle;
      return nullptr;
    }
    default: return nullptr;
  }
}

HWND GetTopWindow(HWND hwnd) {
  Wnd* w = hwnd ? FromHandle(hwnd) : (EnsureInit(), UserState().Desktop);
  if (!w || w->Children.empty()) return nullptr;
  return w->Children.front()->Handle;
}

static bool MatchesFind(Wnd* w, LPCSTR className, LPCSTR windowName) {
  if (className) {
    const uintptr_t v = reinterpret_cast<uintptr_t>(className);
    if (IS_INTRESOURCE(v) ? w->Class->Atom != v : !SameText(w->Class->Name, className))
      return false;
  }
  if (windowName && w->Text != windowName) return false;
  return true;
}

HWND FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName) {
  EnsureInit();
  Wnd* p = parent ? FromHandle(parent) : UserState().Desktop;
  if (!p) return nullptr;
  bool started = childAfter == nullptr;
  for (Wnd* c : p->Children) {
    if (!started) {
      if (c->Handle == childAfter) started = true;
      continue;
    }
    if (MatchesFind(c, className, windowName)) return c->Handle;
  }
  return nullptr;
}

HWND FindWindowA(LPCSTR className, LPCSTR windowName) {
  if (HWND own = FindWindowExA(nullptr, nullptr, className, windowName)) return own;
  // A top-level window of another program of this system.
  return className || windowName ? FindForeignWindow(className, windowName) : nullptr;
}

static std::vector<HWND> Snapshot(const std::vector<Wnd*>& v) {
  std::vector<HWND> out;
  out.reserve(v.size());
  for (Wnd* w : v) out.push_back(w->Handle);
  return out;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  EnsureInit();
  if (!proc) return FALSE;
  for (HWND h : Snapshot(UserState().Desktop->Children))
    if (FromHandle(h) && !proc(h, lParam)) return FALSE;
  return TRUE;
}

static bool EnumChildrenRec(Wnd* p, WNDENUMPROC proc, LPARAM lParam) {
  for (HWND h : Snapshot(p->Children)) {
    Wnd* c = FromHandle(h);
    if (!c) continue;
    if (!proc(h, lParam)) return false;
    if ((c = FromHandle(h)) && !EnumChildrenRec(c, proc, lParam)) return false;
  }
  return true;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  EnsureInit();
  Wnd* p = parent ? FromHandle(parent) : UserState().Desktop;
  if (!p || !proc) return FALSE;
  return EnumChildrenRec(p, proc, lParam) ? TRUE : FALSE;
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam) {
  EnsureInit();
  if (!proc) return FALSE;
  for (HWND h : Snapshot(UserState().Desktop->Children)) {
    Wnd* w = FromHandle(h);
    if (w && w->ThreadId == threadId && !proc(h, lParam)) return FALSE;
  }
  return TRUE;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
  if (ForeignWindowProcess(hwnd, processId)) return 0;
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  if (processId) *processId = GetCurrentProcessId();
  return w->ThreadId;
}

int GetDlgCtrlID(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  return w && w->IsChild() ? static_cast<int>(w->Id) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
  Wnd* p = FromHandle(dialog);
  if (!p) return nullptr;
  for (Wnd* c : p->Children)
    if (c->Id == id) return c->Handle;
  return nullptr;
}

}  // namespace win
