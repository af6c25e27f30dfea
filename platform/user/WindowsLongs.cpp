// Window longs and words, calling window procedures, window text and window properties.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/user/UserInternal.h"

namespace win {

using namespace user;

// ---- Window longs ----
//
// On this 64-bit build a window procedure does not fit the 32-bit LONG of GetWindowLongA; as
// the platform does for procedures it cannot hand out directly, GWL_WNDPROC answers a small
// cookie that SetWindowLongA and CallWindowProcA turn back into the procedure.

static std::vector<WNDPROC>& ProcCookies() {
  static std::vector<WNDPROC> v;
  return v;
}
constexpr uintptr_t kCookieBase = 0xFFFF0000u;

static LONG ProcToLong(WNDPROC p) {
  const uintptr_t v = reinterpret_cast<uintptr_t>(p);
  if (v <= 0x7FFFFFFF) return static_cast<LONG>(v);
  auto& c = ProcCookies();
  auto it = std::find(c.begin(), c.end(), p);
  size_t idx = static_cast<size_t>(it - c.begin());
  if (it == c.end()) {
    if (c.size() >= 0xFFFF) return 0;
    c.push_back(p);
  }
  return static_cast<LONG>(static_cast<DWORD>(kCookieBase + idx));
}

WNDPROC user::ResolveProc(WNDPROC p) {
  const uintptr_t v = reinterpret_cast<uintptr_t>(p) & 0xFFFFFFFFu;
  if (reinterpret_cast<uintptr_t>(p) >> 32 == 0 && v >= kCookieBase) {
    auto& c = ProcCookies();
    const size_t idx = v - kCookieBase;
    return idx < c.size() ? c[idx] : nullptr;
  }
  return p;
}

static LONG_PTR ReadExtra(Wnd* w, int index, size_t size) {
  if (index < 0 || static_cast<size_t>(index) + size > w->Extra.size()) return 0;
  if (size == 4) {
    LONG v;
    std::memcpy(&v, w->Extra.data() + index, 4);
    return v;
  }
  LONG_PTR v;
  std::memcpy(&v, w->Extra.data() + index, sizeof v);
  return v;
}

static bool WriteExtra(Wnd* w, int index, size_t size, LONG_PTR value) {
  if (index < 0 || static_cast<size_t>(index) + size > w->Extra.size()) return false;
  if (size == 4) {
    const LONG v = static_cast<LONG>(value);
    std::memcpy(w->Extra.data() + index, &v, 4);
  } else {
    std::memcpy(w->Extra.data() + index, &value, sizeof value);
  }
  return true;
}

static LONG_PTR GetLongImpl(HWND hwnd, int index, bool ptr) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  if (index >= 0) return ReadExtra(w, index, ptr ? sizeof(LONG_PTR) : 4);
  switch (index) {
    case GWL_WNDPROC: return ptr ? reinterpret_cast<LONG_PTR>(w->Proc) : ProcToLong(w->Proc);
    case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->Instance);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
    case GWL_ID: return w->Id;
    case GWL_STYLE: return ptr ? static_cast<LONG_PTR>(w->Style) : static_cast<LONG>(w->Style);
    case GWL_EXSTYLE:
      return ptr ? static_cast<LONG_PTR>(w->ExStyle) : static_cast<LONG>(w->ExStyle);
    case GWL_USERDATA: return w->UserData;
    default: return 0;
  }
}

static LONG_PTR SetLongImpl(HWND hwnd, int index, LONG_PTR value, bool ptr) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return 0;
  const LONG_PTR old = GetLongImpl(hwnd, index, ptr);
  if (index >= 0) {
    WriteExtra(w, index, ptr ? sizeof(LONG_PTR) : 4, value);
    return old;
  }
  switch (index) {
    case GWL_WNDPROC: {
      WNDPROC p = ptr ? reinterpret_cast<WNDPROC>(value)
                      : ResolveProc(reinterpret_cast<WNDPROC>(
                            static_cast<uintptr_t>(static_cast<DWORD>(value))));
      w->Proc = p;
      break;
    }
    case GWL_HINSTANCE: w->Instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWL_HWNDPARENT:
      if (!w->IsChild()) w->Owner = FromHandle(reinterpret_cast<HWND>(value));
      break;
    case GWL_ID: w->Id = value; break;
    case GWL_USERDATA: w->UserData = value; break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      STYLESTRUCT ss;
      ss.styleOld = index == GWL_STYLE ? w->Style : w->ExStyle;
      ss.styleNew = static_cast<DWORD>(value);
      if (index == GWL_EXSTYLE)  // top-most is changed through SetWindowPos only
        ss.styleNew = (ss.styleNew & ~WS_EX_TOPMOST) | (w->ExStyle & WS_EX_TOPMOST);
      Send(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      if (!FromHandle(hwnd)) return old;
      if (index == GWL_STYLE)
        w->Style = ss.styleNew;
      else
        w->ExStyle = ss.styleNew;
      Send(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
      break;
    }
    default: return 0;
  }
  return old;
}

LONG GetWindowLongA(HWND hwnd, int index) {
  return static_cast<LONG>(GetLongImpl(hwnd, index, false));
}
LONG SetWindowLongA(HWND hwnd, int index, LONG value) {
  return static_cast<LONG>(SetLongImpl(hwnd, index, value, false));
}
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) { return GetLongImpl(hwnd, index, true); }
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  return SetLongImpl(hwnd, index, value, true);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  proc = ResolveProc(proc);
  if (!proc) return 0;
  Wnd* w = FromHandle(hwnd);
  if (!w) return proc(hwnd, msg, wParam, lParam);
  ++w->Busy;
  vcl::TFinally release([w] {
    if (--w->Busy == 0 && w->Dead) delete w;
  });
  return proc(hwnd, msg, wParam, lParam);
}

// ---- Text ----

int GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount) {
  if (!buffer || maxCount <= 0) return 0;
  buffer[0] = 0;
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                       reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) {
  return FromHandle(hwnd) ? static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!FromHandle(hwnd)) return FALSE;
  return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

// ---- Properties ----

static std::string PropKey(LPCSTR name) {
  const uintptr_t v = reinterpret_cast<uintptr_t>(name);
  if (IS_INTRESOURCE(v)) return "#" + std::to_string(v);
  std::string k = name;
  for (char& c : k)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return k;
}

BOOL SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !name) return FALSE;
  const std::string k = PropKey(name);
  for (auto& p : w->Props)
    if (p.first == k) {
      p.second = data;
      return TRUE;
    }
  w->Props.emplace_back(k, data);
  return TRUE;
}

HANDLE GetPropA(HWND hwnd, LPCSTR name) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !name) return nullptr;
  const std::string k = PropKey(name);
  for (auto& p : w->Props)
    if (p.first == k) return p.second;
  return nullptr;
}

HANDLE RemovePropA(HWND hwnd, LPCSTR name) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !name) return nullptr;
  const std::string k = PropKey(name);
  for (auto it = w->Props.begin(); it != w->Props.end(); ++it)
    if (it->first == k) {
      HANDLE d = it->second;
      w->Props.erase(it);
      return d;
    }
  return nullptr;
}

}  // namespace win
