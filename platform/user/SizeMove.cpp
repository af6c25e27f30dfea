// Moving and sizing a window by its caption and frame, or from the system menu with the
// keyboard: WM_ENTERSIZEMOVE, then WM_MOVING / WM_SIZING with a rectangle the window may
// change before it is applied, then WM_EXITSIZEMOVE. The loop runs on the thread's input (the
// window holds the capture), so the command that starts it returns at once. Escape puts the
// window back where it was; the tracking limits of WM_GETMINMAXINFO bound the size.
#include <algorithm>

#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

struct SizeMoveLoop {
  HWND Hwnd = nullptr;
  bool Sizing = false;
  WPARAM Edge = 0;        // WMSZ_ edge while sizing (0: not chosen yet, keyboard)
  bool Keyboard = false;  // started from the keyboard: arrows move, Enter ends
  POINT Start;            // cursor where the current drag started
  TRect Base;             // screen rectangle the drag started from
  TRect Original;         // screen rectangle to go back to on Escape
};

SizeMoveLoop g_loop;

bool HasLeft(WPARAM e) { return e == WMSZ_LEFT || e == WMSZ_TOPLEFT || e == WMSZ_BOTTOMLEFT; }
bool HasRight(WPARAM e) { return e == WMSZ_RIGHT || e == WMSZ_TOPRIGHT || e == WMSZ_BOTTOMRIGHT; }
bool HasTop(WPARAM e) { return e == WMSZ_TOP || e == WMSZ_TOPLEFT || e == WMSZ_TOPRIGHT; }
bool HasBottom(WPARAM e) {
  return e == WMSZ_BOTTOM || e == WMSZ_BOTTOMLEFT || e == WMSZ_BOTTOMRIGHT;
}

// Places the window at a screen rectangle (its parent's client coordinates for a child).
void Apply(Wnd* w, const TRect& screen, bool sizing) {
  int x = screen.Left, y = screen.Top;
  if (!w->IsTopLevel() && w->Parent) {
    const POINT o = ClientOrigin(w->Parent);
    x -= o.X;
    y -= o.Y;
  }
  SetWindowPos(w->Handle, nullptr, x, y, screen.Width(), screen.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE | (sizing ? 0 : SWP_NOSIZE));
}

void EndLoop(bool restore) {
  const SizeMoveLoop l = g_loop;
  g_loop = SizeMoveLoop{};
  Wnd* w = FromHandle(l.Hwnd);
  if (!w) return;
  if (restore) Apply(w, l.Original, l.Sizing);
  if (UserState().Capture == l.Hwnd) ReleaseCapture();
  if ((w = FromHandle(l.Hwnd))) Send(w, WM_EXITSIZEMOVE, 0, 0);
}

void Follow(POINT cursor) {
  Wnd* w = FromHandle(g_loop.Hwnd);
  if (!w) return EndLoop(false);
  const int dx = cursor.X - g_loop.Start.X, dy = cursor.Y - g_loop.Start.Y;
  RECT r = g_loop.Base;
  if (!g_loop.Sizing) {
    OffsetRect(&r, dx, dy);
    Send(w, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r));
  } else {
    const WPARAM e = g_loop.Edge;
    if (e == 0) return;
    if (HasLeft(e)) r.Left += dx;
    if (HasRight(e)) r.Right += dx;
    if (HasTop(e)) r.Top += dy;
    if (HasBottom(e)) r.Bottom += dy;
    MINMAXINFO mmi;
    QueryMinMax(w, mmi);
    if (!(w = FromHandle(g_loop.Hwnd))) return;
    const int width =
        std::clamp(static_cast<int>(r.Right - r.Left),
                   std::min(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X), mmi.ptMaxTrackSize.X);
    const int height =
        std::clamp(static_cast<int>(r.Bottom - r.Top),
                   std::min(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y), mmi.ptMaxTrackSize.Y);
    if (HasLeft(e))
      r.Left = r.Right - width;
    else
      r.Right = r.Left + width;
    if (HasTop(e))
      r.Top = r.Bottom - height;
    else
      r.Bottom = r.Top + height;
    Send(w, WM_SIZING, e, reinterpret_cast<LPARAM>(&r));
  }
  if ((w = FromHandle(g_loop.Hwnd))) Apply(w, r, g_loop.Sizing);
}

// An arrow key: picks the edge of a keyboard size first, then moves the cursor a step.
void Arrow(UINT vk) {
  Wnd* w = FromHandle(g_loop.Hwnd);
  if (!w) return EndLoop(false);
  POINT c = UserState().Cursor;
  if (g_loop.Sizing && g_loop.Edge == 0) {
    const TRect r = ScreenWindowRect(w);
    g_loop.Edge = vk == VK_LEFT    ? WMSZ_LEFT
                  : vk == VK_RIGHT ? WMSZ_RIGHT
                  : vk == VK_UP    ? WMSZ_TOP
                                   : WMSZ_BOTTOM;
    c = POINT{HasLeft(g_loop.Edge)    ? r.Left
              : HasRight(g_loop.Edge) ? r.Right - 1
                                      : (r.Left + r.Right) / 2,
              HasTop(g_loop.Edge)      ? r.Top
              : HasBottom(g_loop.Edge) ? r.Bottom - 1
                                       : (r.Top + r.Bottom) / 2};
    g_loop.Start = c;
    g_loop.Base = r;
    SetCursorPos(c.X, c.Y);
    return;
  }
  c.X += vk == VK_LEFT ? -kSizeMoveKeyStep : vk == VK_RIGHT ? kSizeMoveKeyStep : 0;
  c.Y += vk == VK_UP ? -kSizeMoveKeyStep : vk == VK_DOWN ? kSizeMoveKeyStep : 0;
  SetCursorPos(c.X, c.Y);  // the move arrives as mouse input and moves the window
}

bool SizeMoveInput(const MSG& m) {
  if (!g_loop.Hwnd) return false;
  if (UserState().Capture != g_loop.Hwnd || !FromHandle(g_loop.Hwnd)) {
    EndLoop(false);
    return false;
  }
  switch (m.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: Follow(m.pt); return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      if (!g_loop.Keyboard) EndLoop(false);
      return true;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      if (g_loop.Keyboard) EndLoop(false);
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      switch (m.wParam) {
        case VK_ESCAPE: EndLoop(true); break;
        case VK_RETURN: EndLoop(false); break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: Arrow(static_cast<UINT>(m.wParam)); break;
        default: break;
      }
      return true;
    default:
      return (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
             (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) ||
             (m.message >= WM_NCMOUSEMOVE && m.message <= WM_NCMBUTTONDBLCLK);
  }
}

}  // namespace

void StartSizeMove(HWND hwnd, WPARAM command, POINT screen) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop() || !(w->Style & WS_VISIBLE)) return;
  const bool sizing = (command & 0xFFF0) == SC_SIZE;
  const WPARAM low = command & 0x000F;
  if (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) return;
  if (sizing && (!(w->Style & WS_THICKFRAME) || low > WMSZ_BOTTOMRIGHT)) return;
  if (g_loop.Hwnd) EndLoop(false);
  if (!(w = FromHandle(hwnd))) return;
  SizeMoveLoop l;
  l.Hwnd = hwnd;
  l.Sizing = sizing;
  l.Edge = sizing ? low : 0;
  l.Keyboard = low == 0;
  l.Original = l.Base = ScreenWindowRect(w);
  l.Start = screen;
  if (l.Keyboard) {
    // The cursor goes to the caption (moving) or the middle of the window (sizing).
    const TRect& r = l.Base;
    int border = 0, caption = 0;
    NonClientMetrics(w->Style, w->ExStyle, w->IsChild(), border, caption);
    l.Start = POINT{(r.Left + r.Right) / 2,
                    sizing || caption == 0 ? (r.Top + r.Bottom) / 2 : r.Top + border + caption / 2};
  }
  g_loop = l;
  SetCapture(hwnd);
  if (l.Keyboard) SetCursorPos(l.Start.X, l.Start.Y);
  if ((w = FromHandle(hwnd))) Send(w, WM_ENTERSIZEMOVE, 0, 0);
}

bool TrackingInput(const MSG& m) { return ScrollTrackingInput(m) || SizeMoveInput(m); }

void ResetTracking() {
  ResetScrollTracking();
  g_loop = SizeMoveLoop{};
}

}  // namespace win::user
