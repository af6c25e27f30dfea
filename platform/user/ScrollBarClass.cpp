// The window system's SCROLLBAR class: a horizontal or vertical bar (SBS_HORZ, SBS_VERT) that
// tells its parent what the user does with WM_HSCROLL / WM_VSCROLL carrying its handle, and
// keeps its range, page and position through the SBM_ messages; or a size box (SBS_SIZEBOX,
// SBS_SIZEGRIP) that sizes the window it sits in.
#include <algorithm>

#include "platform/user/DCGuards.h"
#include "platform/user/UserInternal.h"

namespace win {

using namespace user;

namespace {

bool IsSizeBox(const Wnd* w) { return (w->Style & (SBS_SIZEBOX | SBS_SIZEGRIP)) != 0; }

void Notify(Wnd* w, WORD code, int pos) {
  if (!w->IsChild()) return;
  Send(w->Parent, (w->Style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL,
       MAKEWPARAM(code, static_cast<WORD>(pos)), reinterpret_cast<LPARAM>(w->Handle));
}

void Changed(HWND hwnd, bool redraw) {
  if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

void Paint(Wnd* w, WPARAM given) {
  const TClientPaintDC paint(w->Handle, given);
  HDC dc = paint;
  const TRect area{0, 0, w->Client.Width(), w->Client.Height()};
  if (IsSizeBox(w)) {
    RECT r = area;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (w->Style & SBS_SIZEGRIP) DrawFrameControl(dc, &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  } else {
    ScrollState st = w->CtlBar;
    if (w->Style & WS_DISABLED) st.Disabled = ESB_DISABLE_BOTH;
    PaintScrollBar(dc, area, (w->Style & SBS_VERT) != 0, st);
  }
}

// The code a key asks for; -1 for keys the bar leaves alone.
int KeyCode(WPARAM vk) {
  switch (vk) {
    case VK_UP:
    case VK_LEFT: return SB_LINEUP;
    case VK_DOWN:
    case VK_RIGHT: return SB_LINEDOWN;
    case VK_PRIOR: return SB_PAGEUP;
    case VK_NEXT: return SB_PAGEDOWN;
    case VK_HOME: return SB_TOP;
    case VK_END: return SB_BOTTOM;
    default: return -1;
  }
}

LRESULT ScrollBarProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return DefWindowProcA(hwnd, msg, wp, lp);
  w->IsScrollBarCtl = true;
  ScrollState& st = w->CtlBar;
  switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(w, wp); return 0;
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return IsSizeBox(w) ? 0 : DLGC_WANTARROWS;
    case WM_SETCURSOR:
      if (IsSizeBox(w) && static_cast<SHORT>(LOWORD(lp)) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_SIZENWSE)));
        return TRUE;
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT o = ClientOrigin(w);
      const POINT screen{GET_X_LPARAM(lp) + o.X, GET_Y_LPARAM(lp) + o.Y};
      if (IsSizeBox(w)) {
        Wnd* top = w;
        while (top->IsChild()) top = top->Parent;
        Send(top, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, MAKELPARAM(screen.X, screen.Y));
        return 0;
      }
      if ((w->Style & WS_TABSTOP) && GetFocus() != hwnd) SetFocus(hwnd);
      if (FromHandle(hwnd)) StartScrollTracking(hwnd, SB_CTL, screen);
      return 0;
    }
    case WM_KEYDOWN: {
      const int code = KeyCode(wp);
      if (code < 0 || IsSizeBox(w)) return DefWindowProcA(hwnd, msg, wp, lp);
      Notify(w, static_cast<WORD>(code), 0);
      return 0;
    }
    case WM_KEYUP:
      if (KeyCode(wp) < 0 || IsSizeBox(w)) return DefWindowProcA(hwnd, msg, wp, lp);
      Notify(w, SB_ENDSCROLL, 0);
      return 0;
    case SBM_SETPOS: {
      const int old = st.Pos;
      st.Pos = static_cast<int>(wp);
      ClampScrollState(st);
      Changed(hwnd, lp != 0 && st.Pos != old);
      return old;
    }
    case SBM_GETPOS: return st.Pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int minPos = static_cast<int>(wp), maxPos = static_cast<int>(lp);
      if (static_cast<int64_t>(maxPos) - minPos > 0x7FFFFFFF) return 0;
      const int old = st.Pos;
      st.Min = minPos;
      st.Max = maxPos;
      ClampScrollState(st);
      Changed(hwnd, msg == SBM_SETRANGEREDRAW);
      return old;
    }
    case SBM_GETRANGE:
      if (int* minPos = reinterpret_cast<int*>(wp)) *minPos = st.Min;
      if (int* maxPos = reinterpret_cast<int*>(lp)) *maxPos = st.Max;
      return 0;
    case SBM_ENABLE_ARROWS: {
      const UINT old = st.Disabled;
      st.Disabled = static_cast<UINT>(wp) & ESB_DISABLE_BOTH;
      Changed(hwnd, old != st.Disabled);
      return TRUE;
    }
    case SBM_SETSCROLLINFO: {
      const auto* si = reinterpret_cast<const SCROLLINFO*>(lp);
      if (!si || (si->cbSize != sizeof(SCROLLINFO) && si->cbSize != sizeof(SCROLLINFO) - 4))
        return st.Pos;
      const int pos = ApplyScrollInfo(st, *si);
      if ((si->fMask & (SIF_RANGE | SIF_PAGE)) && (si->fMask & SIF_DISABLENOSCROLL))
        st.Disabled = ScrollNeeded(st) ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
      Changed(hwnd, wp != 0);
      return pos;
    }
    case SBM_GETSCROLLINFO: {
      auto* si = reinterpret_cast<SCROLLINFO*>(lp);
      if (!si) return FALSE;
      ReadScrollInfo(st, *si);
      return TRUE;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

namespace user {
WNDPROC ScrollBarClassProc() { return &ScrollBarProc; }
bool IsScrollBarControl(const Wnd* w) { return w && w->IsScrollBarCtl; }
}  // namespace user

}  // namespace win
