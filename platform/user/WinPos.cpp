// Window positions, sizes, z-order and visibility; activation and focus.
#include <algorithm>
#include <cstring>

#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

// Moves `w` in its parent's z-order after `after` (or to a named place).
bool ApplyZOrder(Wnd* w, HWND after) {
  auto& v = w->Parent->Children;
  auto pos = std::find(v.begin(), v.end(), w);
  if (pos == v.end()) return false;
  const size_t oldIndex = static_cast<size_t>(pos - v.begin());
  v.erase(pos);
  size_t index = 0;
  const bool top = w->IsTopLevel();
  if (after == HWND_TOPMOST) {
    if (top) w->ExStyle |= WS_EX_TOPMOST;
    index = 0;
  } else if (after == HWND_NOTOPMOST) {
    if (top) w->ExStyle &= ~WS_EX_TOPMOST;
    while (index < v.size() && (v[index]->ExStyle & WS_EX_TOPMOST)) ++index;
  } else if (after == HWND_TOP) {
    if (top && !(w->ExStyle & WS_EX_TOPMOST))
      while (index < v.size() && (v[index]->ExStyle & WS_EX_TOPMOST)) ++index;
  } else if (after == HWND_BOTTOM) {
    if (top) w->ExStyle &= ~WS_EX_TOPMOST;
    index = v.size();
  } else {
    Wnd* a = FromHandle(after);
    auto it = a ? std::find(v.begin(), v.end(), a) : v.end();
    if (it == v.end()) {
      index = oldIndex;
    } else {
      index = static_cast<size_t>(it - v.begin()) + 1;
      if (top) {
        // Keep the bands: a normal window never goes above a topmost one and vice versa.
        if (w->ExStyle & WS_EX_TOPMOST) {
          if (!(a->ExStyle & WS_EX_TOPMOST)) w->ExStyle &= ~WS_EX_TOPMOST;
        } else {
          while (index < v.size() && (v[index]->ExStyle & WS_EX_TOPMOST)) ++index;
        }
      }
    }
  }
  if (index > v.size()) index = v.size();
  // An owned window never goes below its owner (within its band).
  if (top && w->Owner && !(w->ExStyle & WS_EX_TOPMOST) == !(w->Owner->ExStyle & WS_EX_TOPMOST)) {
    const auto owner = std::find(v.begin(), v.end(), w->Owner);
    if (owner != v.end()) index = std::min(index, static_cast<size_t>(owner - v.begin()));
  }
  v.insert(v.begin() + static_cast<ptrdiff_t>(index), w);
  return index != oldIndex;
}

void FillMinMax(Wnd* w, MINMAXINFO& mmi) {
  State& s = UserState();
  int border, caption;
  NonClientMetrics(w->Style, w->ExStyle, false, border, caption);
  mmi.ptMaxSize = {s.WorkArea.Width() + 2 * border, s.WorkArea.Height() + 2 * border};
  mmi.ptMaxPosition = {s.WorkArea.Left - border, s.WorkArea.Top - border};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
}

Wnd* RootOf(Wnd* w) {
  while (w && w->IsChild()) w = w->Parent;
  return w;
}

// The window that becomes active when `gone` is hidden or destroyed.
Wnd* NextActivation(Wnd* gone) {
  State& s = UserState();
  Wnd* o = gone->Owner;
  if (o && (o->Style & WS_VISIBLE) && !(o->Style & WS_DISABLED) && !o->Destroying) return o;
  for (Wnd* t : s.Desktop->Children) {
    if (t == gone || t->Destroying || !(t->Style & WS_VISIBLE) || (t->Style & WS_DISABLED)) continue;
    if (t->ExStyle & (WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE)) continue;
    if (t->Style & WS_MINIMIZE) continue;
    return t;
  }
  return nullptr;
}

}  // namespace

void ActivateWindow(Wnd* w, WORD how) {
  State& s = UserState();
  Wnd* old = FromHandle(s.Active);
  if (old == w) return;
  const HWND oldH = old ? old->Handle : nullptr;
  const HWND newH = w ? w->Handle : nullptr;
  if (old) {
    Send(old, WM_NCACTIVATE, FALSE, reinterpret_cast<LPARAM>(newH));
    if ((old = FromHandle(oldH)))
      Send(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, (old->Style & WS_MINIMIZE) ? 1 : 0),
           reinterpret_cast<LPARAM>(newH));
  }
  s.Active = newH;
  s.Foreground = newH;
  // The application loses or gains activation as a whole.
  if (!oldH || !newH) {
    std::vector<HWND> tops;
    for (Wnd* t : s.Desktop->Children)
      if (t->ThreadId == CurrentThread()) tops.push_back(t->Handle);
    for (HWND t : tops)
      if (Wnd* tw = FromHandle(t)) Send(tw, WM_ACTIVATEAPP, newH ? TRUE : FALSE, 0);
  }
  if (!newH) {
    if (s.Focus) SetFocus(nullptr);
    return;
  }
  if (!(w = FromHandle(newH))) return;
  if (!(w->Style & WS_MINIMIZE) && !w->Parent->Children.empty() && w->Parent->Children.front() != w)
    SetWindowPos(newH, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!(w = FromHandle(newH))) return;
  Send(w, WM_NCACTIVATE, TRUE, reinterpret_cast<LPARAM>(oldH));
  if (!(w = FromHandle(newH))) return;
  Send(w, WM_ACTIVATE, MAKEWPARAM(how, (w->Style & WS_MINIMIZE) ? 1 : 0),
       reinterpret_cast<LPARAM>(oldH));
  // Focus left in another top-level window is taken away.
  if (s.Active == newH && s.Focus) {
    Wnd* f = FromHandle(s.Focus);
    if (!f || RootOf(f)->Handle != newH) SetFocus(nullptr);
  }
}

void RaiseOwnedWindows(Wnd* owner) {
  // Ownership chains are short; a cycle made through GWLP_HWNDPARENT stops here.
  static int depth = 0;
  if (depth > 16 || !owner->IsTopLevel()) return;
  const HWND ownerH = owner->Handle;
  auto& v = owner->Parent->Children;
  const auto at = std::find(v.begin(), v.end(), owner);
  if (at == v.end()) return;
  // The owned windows below their owner, topmost first: each goes right above the owner in
  // turn, so they keep their order among themselves.
  std::vector<HWND> below;
  for (auto it = at + 1; it != v.end(); ++it)
    if ((*it)->Owner == owner &&
        !((*it)->ExStyle & WS_EX_TOPMOST) == !(owner->ExStyle & WS_EX_TOPMOST))
      below.push_back((*it)->Handle);
  ++depth;
  for (HWND h : below) {
    Wnd* o = FromHandle(ownerH);
    if (!o || !FromHandle(h)) break;
    const auto p = std::find(v.begin(), v.end(), o);
    const HWND after = p == v.begin() ? HWND_TOP : (*(p - 1))->Handle;
    SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  --depth;
}

void ShowOwnedWindows(Wnd* owner, bool show) {
  std::vector<HWND> owned;
  for (Wnd* t : UserState().Desktop->Children)
    if (t->Owner == owner && !t->Destroying &&
        (show ? t->HiddenWithOwner : (t->Style & WS_VISIBLE) != 0))
      owned.push_back(t->Handle);
  for (HWND h : owned)
    if (Wnd* t = FromHandle(h))
      Send(t, WM_SHOWWINDOW, show ? TRUE : FALSE, show ? SW_PARENTOPENING : SW_PARENTCLOSING);
}

void OnWindowHidden(Wnd* w) {
  State& s = UserState();
  const HWND h = w->Handle;
  if (w->IsTopLevel() && s.Active == h) {
    Wnd* next = NextActivation(w);
    ActivateWindow(next, WA_ACTIVE);
    if (!(w = FromHandle(h))) return;
  }
  // The focus in a hidden child goes back to the child's parent.
  if (w->IsChild() && s.Focus && (s.Focus == h || IsChild(h, s.Focus))) SetFocus(w->Parent->Handle);
  // A window that is no longer seen keeps no hold on the mouse.
  if (s.Capture && (s.Capture == h || IsChild(h, s.Capture))) ReleaseCapture();
}

void OnWindowDestroying(Wnd* w) {
  State& s = UserState();
  const HWND h = w->Handle;
  if (s.Active == h) ActivateWindow(NextActivation(w), WA_ACTIVE);
  if (s.Focus && (s.Focus == h || IsChild(h, s.Focus))) {
    // A going child hands the focus back to its parent (unless that goes too).
    Wnd* p = w->IsChild() ? w->Parent : nullptr;
    if (p && !p->Destroying) SetFocus(p->Handle);
    if (s.Focus && (s.Focus == h || IsChild(h, s.Focus))) {
      const HWND f = s.Focus;
      s.Focus = nullptr;
      if (Wnd* fw = FromHandle(f)) Send(fw, WM_KILLFOCUS, 0, 0);
    }
  }
  if (s.Capture && (s.Capture == h || IsChild(h, s.Capture))) ReleaseCapture();
}

}  // namespace win::user

namespace win {

using namespace user;

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !rect) return FALSE;
  *rect = ScreenWindowRect(w);
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !rect) return FALSE;
  *rect = {0, 0, w->Client.Width(), w->Client.Height()};
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT pt) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(w);
  pt->X += o.X;
  pt->Y += o.Y;
  return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT pt) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !pt) return FALSE;
  const POINT o = ClientOrigin(w);
  pt->X -= o.X;
  pt->Y -= o.Y;
  return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
  POINT a{0, 0}, b{0, 0};
  if (from) {
    Wnd* w = FromHandle(from);
    if (!w) return 0;
    a = ClientOrigin(w);
  }
  if (to) {
    Wnd* w = FromHandle(to);
    if (!w) return 0;
    b = ClientOrigin(w);
  }
  const int dx = a.X - b.X, dy = a.Y - b.Y;
  for (UINT i = 0; points && i < count; ++i) {
    points[i].X += dx;
    points[i].Y += dy;
  }
  return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
  if (!rect) return FALSE;
  int border, caption;
  NonClientMetrics(style, exStyle, (style & WS_CHILD) != 0, border, caption);
  InflateRect(rect, border, border);
  rect->Top -= caption;
  if (menu) rect->Top -= GetSystemMetrics(SM_CYMENU);
  if (exStyle & WS_EX_CLIENTEDGE) InflateRect(rect, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
  if (exStyle & WS_EX_STATICEDGE) InflateRect(rect, 1, 1);
  return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return SetWindowPosImpl(hwnd, insertAfter, x, y, cx, cy, flags, false);
}

}  // namespace win

namespace win::user {

void QueryMinMax(Wnd* w, MINMAXINFO& mmi) {
  FillMinMax(w, mmi);
  Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
}

BOOL SetWindowPosImpl(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags,
                      bool reparented) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return FALSE;
  State& s = UserState();
  constexpr UINT kOurs = SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | kSwpStateChanged;
  const UINT stateChanged = flags & kSwpStateChanged;
  flags &= ~kOurs;
  if (insertAfter == hwnd) flags |= SWP_NOZORDER;
  if ((w->Style & WS_VISIBLE) && (flags & SWP_SHOWWINDOW)) flags &= ~SWP_SHOWWINDOW;
  if (!(w->Style & WS_VISIBLE) && (flags & SWP_HIDEWINDOW)) flags &= ~SWP_HIDEWINDOW;
  if (flags & SWP_NOSIZE) {
    cx = w->Rect.Width();
    cy = w->Rect.Height();
  }
  if (flags & SWP_NOMOVE) {
    x = w->Rect.Left;
    y = w->Rect.Top;
  }
  WINDOWPOS wp;
  wp.hwnd = hwnd;
  wp.hwndInsertAfter = insertAfter;
  wp.x = ClampCoord(x);
  wp.y = ClampCoord(y);
  wp.cx = ClampSize(cx);
  wp.cy = ClampSize(cy);
  wp.flags = flags | stateChanged;
  if (!(flags & SWP_NOSENDCHANGING)) {
    Send(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = FromHandle(hwnd))) return FALSE;
    flags = wp.flags & ~kOurs;
  }
  const UINT asked = flags;
  const TRect oldRect = w->Rect;
  const TRect oldScreen = ScreenWindowRect(w);
  const TRect oldClient = w->Client;
  const bool wasVisible = ReallyVisible(w);
  const Region oldVisible = wasVisible ? VisibleRegion(w, false, false, true) : Region();
  TRect newRect = Bounds((flags & SWP_NOMOVE) ? oldRect.Left : ClampCoord(wp.x),
                         (flags & SWP_NOMOVE) ? oldRect.Top : ClampCoord(wp.y),
                         (flags & SWP_NOSIZE) ? oldRect.Width() : ClampSize(wp.cx),
                         (flags & SWP_NOSIZE) ? oldRect.Height() : ClampSize(wp.cy));
  const bool moved = reparented || newRect.Left != oldRect.Left || newRect.Top != oldRect.Top;
  const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
  flags = moved ? flags & ~SWP_NOMOVE : flags | SWP_NOMOVE;
  flags = sized ? flags & ~SWP_NOSIZE : flags | SWP_NOSIZE;

  TRect newClient = oldClient;
  if (sized || moved || (flags & SWP_FRAMECHANGED)) {
    if (sized || (flags & SWP_FRAMECHANGED)) {
      NCCALCSIZE_PARAMS p;
      p.rgrc[0] = newRect;
      p.rgrc[1] = oldRect;
      p.rgrc[2] = Rect(oldRect.Left + oldClient.Left, oldRect.Top + oldClient.Top,
                       oldRect.Left + oldClient.Right, oldRect.Top + oldClient.Bottom);
      WINDOWPOS copy = wp;
      copy.flags = flags;
      p.lppos = &copy;
      Send(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
      if (!(w = FromHandle(hwnd))) return FALSE;
      newClient = Rect(p.rgrc[0].Left - newRect.Left, p.rgrc[0].Top - newRect.Top,
                       p.rgrc[0].Right - newRect.Left, p.rgrc[0].Bottom - newRect.Top);
    }
    w->Rect = newRect;
    w->Client = newClient;
    if (!(w->Style & (WS_MINIMIZE | WS_MAXIMIZE))) w->NormalRect = newRect;
  }
  bool zChanged = reparented;
  if (!(flags & SWP_NOZORDER)) {
    const DWORD topmost = w->ExStyle & WS_EX_TOPMOST;
    zChanged = ApplyZOrder(w, wp.hwndInsertAfter) || reparented || topmost != (w->ExStyle & WS_EX_TOPMOST);
    // A window kept in its place says so, unless it is being shown: it then comes up in it.
    if (!zChanged && !(flags & SWP_SHOWWINDOW)) flags |= SWP_NOZORDER;
    if (w->IsTopLevel()) {
      RaiseOwnedWindows(w);
      if (!(w = FromHandle(hwnd))) return FALSE;
    }
  }
  if (flags & SWP_SHOWWINDOW) w->Style |= WS_VISIBLE;
  if (flags & SWP_HIDEWINDOW) w->Style &= ~WS_VISIBLE;
  const bool nowVisible = ReallyVisible(w);
  if (newClient.Width() == oldClient.Width() && newClient.Height() == oldClient.Height())
    flags |= SWP_NOCLIENTSIZE;
  if (!moved && newClient.Left == oldClient.Left && newClient.Top == oldClient.Top)
    flags |= SWP_NOCLIENTMOVE;

  // Repainting what changed.
  if (!(flags & SWP_NOREDRAW) || (flags & SWP_HIDEWINDOW)) {
    const Region newVisible = nowVisible ? VisibleRegion(w, false, false, true) : Region();
    // A window that only moves takes its pixels along; what could not be copied repaints.
    const bool copyBits = wasVisible && nowVisible && moved && !sized && !zChanged &&
                          !(flags & (SWP_NOCOPYBITS | SWP_FRAMECHANGED | SWP_SHOWWINDOW));
    Region copied;
    if (copyBits) {
      const TRect nowScreen = ScreenWindowRect(w);
      const int dx = nowScreen.Left - oldScreen.Left, dy = nowScreen.Top - oldScreen.Top;
      Region src = oldVisible;
      src.Offset(dx, dy);
      copied = Region::Combine(src, newVisible, RGN_AND);
      CopyScreen(copied, dx, dy);
    }
    const Region exposed = Region::Combine(oldVisible, newVisible, RGN_DIFF);
    if (!exposed.IsEmpty()) InvalidateScreenArea(w->Parent, exposed, true);
    if (copyBits) {
      Region rest = Region::Combine(newVisible, copied, RGN_DIFF);
      if (!rest.IsEmpty()) {
        const POINT o = WindowOrigin(w);
        rest.Offset(-o.X, -o.Y);
        InvalidateWnd(w, &rest, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
    } else if (nowVisible && (!wasVisible || moved || zChanged || (flags & SWP_FRAMECHANGED))) {
      InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    } else if (nowVisible && sized) {
      const UINT cs = w->Class->Style;
      const bool wider = newRect.Width() != oldRect.Width();
      const bool taller = newRect.Height() != oldRect.Height();
      if ((wider && (cs & CS_HREDRAW)) || (taller && (cs & CS_VREDRAW))) {
        InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      } else {
        // The frame moves with the size; the client area keeps its old pixels.
        Region whole(TRect{0, 0, newRect.Width(), newRect.Height()});
        Region keep(Rect(newClient.Left, newClient.Top,
                         newClient.Left + std::min(oldClient.Width(), newClient.Width()),
                         newClient.Top + std::min(oldClient.Height(), newClient.Height())));
        Region frame = Region::Combine(whole, keep, RGN_DIFF);
        InvalidateWnd(w, &frame, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
    }
  }
  // Activation: a child hears WM_CHILDACTIVATE, a top-level window being shown or raised
  // becomes the active one.
  if (!(asked & (SWP_NOACTIVATE | SWP_HIDEWINDOW))) {
    if (w->IsChild()) {
      Send(w, WM_CHILDACTIVATE, 0, 0);
    } else if (w->IsTopLevel() && (w->Style & WS_VISIBLE) && !(w->ExStyle & WS_EX_NOACTIVATE) &&
               ((asked & SWP_SHOWWINDOW) || !(asked & SWP_NOZORDER)) && s.Active != hwnd) {
      ActivateWindow(w, WA_ACTIVE);
    }
    if (!(w = FromHandle(hwnd))) return TRUE;
  }
  constexpr UINT kNothing = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER;
  if ((flags & (kNothing | SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_HIDEWINDOW)) != kNothing ||
      stateChanged) {
    wp.flags = flags | stateChanged;
    // A window that could not be drawn before the change and cannot be after it was not
    // redrawn, and hears so (one hidden by this very call hears what it asked).
    if (!wasVisible && !ReallyVisible(w)) wp.flags |= SWP_NOREDRAW;
    wp.x = w->Rect.Left;
    wp.y = w->Rect.Top;
    wp.cx = w->Rect.Width();
    wp.cy = w->Rect.Height();
    Send(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = FromHandle(hwnd))) return TRUE;
  }
  // A hidden window gives activation and focus away after it heard of its new place.
  if (flags & SWP_HIDEWINDOW) OnWindowHidden(w);
  return TRUE;
}

}  // namespace win::user

namespace win {

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
  return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

static TRect MaximizedRect(Wnd* w) {
  if (w->IsTopLevel()) {
    MINMAXINFO mmi;
    FillMinMax(w, mmi);
    Send(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return Bounds(mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, mmi.ptMaxSize.X, mmi.ptMaxSize.Y);
  }
  int border, caption;
  NonClientMetrics(w->Style, w->ExStyle, true, border, caption);
  TRect r = {0, 0, w->Parent->Client.Width(), w->Parent->Client.Height()};
  InflateRect(&r, border, border);
  r.Top -= caption;
  return r;
}

static TRect MinimizedRect(Wnd* w) {
  if (w->IsTopLevel()) return Bounds(-32000, -32000, GetSystemMetrics(SM_CXMINIMIZED), GetSystemMetrics(SM_CYMINIMIZED));
  const int h = w->Parent->Client.Height();
  return Bounds(0, h - GetSystemMetrics(SM_CYMINIMIZED), GetSystemMetrics(SM_CXMINIMIZED),
                GetSystemMetrics(SM_CYMINIMIZED));
}

// An overlapped window's first WM_SIZE and WM_MOVE, at the end of its first ShowWindow.
static void SendFirstSize(Wnd* w) {
  if (!w->NeedSize) return;
  w->NeedSize = false;
  const HWND hwnd = w->Handle;
  const WPARAM type = (w->Style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                      : (w->Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                 : SIZE_RESTORED;
  Send(w, WM_SIZE, type,
       MAKELPARAM(static_cast<WORD>(w->Client.Width()), static_cast<WORD>(w->Client.Height())));
  if (!(w = FromHandle(hwnd))) return;
  Send(w, WM_MOVE, 0,
       MAKELPARAM(static_cast<WORD>(w->Rect.Left + w->Client.Left),
                  static_cast<WORD>(w->Rect.Top + w->Client.Top)));
}

BOOL ShowWindow(HWND hwnd, int cmd) {
  if (BOOL was = FALSE; ShowForeignWindow(hwnd, cmd, was)) return was;
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return FALSE;
  w->HiddenWithOwner = false;  // shown or hidden on purpose from now on
  const BOOL wasVisible = (w->Style & WS_VISIBLE) ? TRUE : FALSE;
  const bool wasMinimized = (w->Style & WS_MINIMIZE) != 0;
  UINT swp = SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE;
  bool show = true;
  bool activate = true;
  TRect target;
  bool changeRect = false;
  DWORD setState = w->Style & (WS_MINIMIZE | WS_MAXIMIZE);
  switch (cmd) {
    case SW_HIDE:
      if (!wasVisible) return FALSE;
      show = false;
      activate = false;
      break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: activate = false; break;
    case SW_SHOW:
      // Showing a visible window changes nothing and says nothing; only an overlapped window
      // made visible before its first ShowWindow still hears its first size and place.
      if (wasVisible) {
        SendFirstSize(w);
        return wasVisible;
      }
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      if (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) {
        if ((w->Style & WS_MINIMIZE) && w->RestoreToMaximized && cmd == SW_RESTORE) {
          setState = WS_MAXIMIZE;
          target = MaximizedRect(w);
        } else {
          setState = 0;
          target = w->NormalRect;
        }
        changeRect = true;
      }
      break;
    case SW_SHOWMAXIMIZED:
      setState = WS_MAXIMIZE;
      if (!(w->Style & WS_MAXIMIZE)) {
        target = MaximizedRect(w);
        changeRect = true;
      }
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
      activate = false;
      [[fallthrough]];
    case SW_SHOWMINIMIZED:
      setState = WS_MINIMIZE;
      if (!(w->Style & WS_MINIMIZE)) {
        w->RestoreToMaximized = (w->Style & WS_MAXIMIZE) != 0;
        target = MinimizedRect(w);
        changeRect = true;
      }
      break;
    default:
      return wasVisible;
  }
  if (show != (wasVisible != 0)) {
    Send(w, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!(w = FromHandle(hwnd))) return wasVisible;
  }
  if (w->IsTopLevel()) MarkTopLevelWindowsChanged();  // its published state
  if (changeRect) {
    if (!(w->Style & (WS_MINIMIZE | WS_MAXIMIZE))) w->NormalRect = w->Rect;
    w->Style = (w->Style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | setState;
    swp &= ~(SWP_NOMOVE | SWP_NOSIZE);
    swp |= SWP_FRAMECHANGED | kSwpStateChanged;
  }
  // A hidden top-level window hands activation on after its WM_WINDOWPOSCHANGED.
  if (show)
    swp |= SWP_SHOWWINDOW;
  else
    swp |= SWP_HIDEWINDOW;
  if (!show) {
    if (!w->IsTopLevel()) swp |= SWP_NOACTIVATE;
  } else if (!activate || !w->IsTopLevel()) {
    swp |= SWP_NOACTIVATE;
  } else {
    swp &= ~SWP_NOZORDER;
  }
  const HWND active = UserState().Active;
  SetWindowPos(hwnd, HWND_TOP, target.Left, target.Top, target.Width(), target.Height(), swp);
  if (!(w = FromHandle(hwnd))) return wasVisible;
  if (setState == WS_MINIMIZE && changeRect && active == hwnd) {
    // A minimised window gives activation away.
    OnWindowHidden(w);
    if (!(w = FromHandle(hwnd))) return wasVisible;
  }
  // The windows it owns go with a top-level window that is minimised, and come back with it.
  if (changeRect && w->IsTopLevel() && wasMinimized != (setState == WS_MINIMIZE)) {
    ShowOwnedWindows(w, wasMinimized);
    if (!(w = FromHandle(hwnd))) return wasVisible;
  }
  SendFirstSize(w);
  return wasVisible;
}

BOOL ShowOwnedPopups(HWND hwnd, BOOL show) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  ShowOwnedWindows(w, show != FALSE);
  return TRUE;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* wp) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !wp) return FALSE;
  wp->length = sizeof(WINDOWPLACEMENT);
  wp->flags = w->RestoreToMaximized && (w->Style & WS_MINIMIZE) ? WPF_RESTORETOMAXIMIZED : 0;
  if (!(w->Style & WS_VISIBLE))
    wp->showCmd = SW_HIDE;
  else if (w->Style & WS_MINIMIZE)
    wp->showCmd = SW_SHOWMINIMIZED;
  else if (w->Style & WS_MAXIMIZE)
    wp->showCmd = SW_SHOWMAXIMIZED;
  else
    wp->showCmd = SW_SHOWNORMAL;
  wp->ptMinPosition = w->MinPosition;
  wp->ptMaxPosition = w->MaxPosition;
  wp->rcNormalPosition = (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) ? w->NormalRect : w->Rect;
  if (w->IsTopLevel()) {
    // Top-level normal positions are in work-area coordinates.
    OffsetRect(&wp->rcNormalPosition, -UserState().WorkArea.Left, -UserState().WorkArea.Top);
  }
  return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* wp) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !wp) return FALSE;
  TRect normal = wp->rcNormalPosition;
  if (w->IsTopLevel()) OffsetRect(&normal, UserState().WorkArea.Left, UserState().WorkArea.Top);
  w->MinPosition = wp->ptMinPosition;
  w->MaxPosition = wp->ptMaxPosition;
  if (w->Style & (WS_MINIMIZE | WS_MAXIMIZE)) {
    w->NormalRect = normal;
  } else {
    SetWindowPos(hwnd, nullptr, normal.Left, normal.Top, normal.Width(), normal.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(w = FromHandle(hwnd))) return FALSE;
  }
  const bool restoreToMaximized = (wp->flags & WPF_RESTORETOMAXIMIZED) != 0;
  w->RestoreToMaximized = restoreToMaximized;
  ShowWindow(hwnd, static_cast<int>(wp->showCmd));
  // A window the placement minimizes is restored maximized when the placement says so.
  if ((w = FromHandle(hwnd)) && (w->Style & WS_MINIMIZE))
    w->RestoreToMaximized = restoreToMaximized;
  return TRUE;
}

// ---- Hit testing ----

static bool InWindowShape(const Wnd* w, POINT screen) {
  const TRect r = ScreenWindowRect(w);
  if (!PtInRect(&r, screen)) return false;
  if (w->HasWindowRgn && !w->WindowRgn.Contains(screen.X - r.Left, screen.Y - r.Top)) return false;
  return true;
}

// The deepest visible, enabled-or-not window under a screen point, asking WM_NCHITTEST of
// windows of the calling thread (HTTRANSPARENT passes the point to the windows below).
static Wnd* WindowFromPointIn(Wnd* parent, POINT screen, LRESULT* hitOut) {
  for (Wnd* c : std::vector<Wnd*>(parent->Children)) {
    if (!(c->Style & WS_VISIBLE) || !InWindowShape(c, screen)) continue;
    if (c->IsChild() && (c->Style & WS_DISABLED)) continue;  // its parent takes the point
    Wnd* found = c;
    if (!(c->Style & WS_DISABLED) && !(c->Style & WS_MINIMIZE)) {
      const TRect cr = ScreenClientRect(c);
      if (PtInRect(&cr, screen)) {
        LRESULT hit = HTCLIENT;
        if (Wnd* deeper = WindowFromPointIn(c, screen, &hit)) {
          if (hitOut) *hitOut = hit;
          return deeper;
        }
      }
    }
    const HWND h = found->Handle;
    LRESULT hit = Send(found, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(screen.X), static_cast<WORD>(screen.Y)));
    if (!FromHandle(h)) continue;
    if (hit == HTTRANSPARENT) continue;
    if (hitOut) *hitOut = hit;
    return found;
  }
  return nullptr;
}

}  // namespace win

namespace win::user {
HWND HitTestScreen(POINT screen, LRESULT* hit) {
  EnsureInit();
  LRESULT h = HTNOWHERE;
  Wnd* w = win::WindowFromPointIn(UserState().Desktop, screen, &h);
  if (hit) *hit = w ? h : HTNOWHERE;
  return w ? w->Handle : nullptr;
}
}  // namespace win::user

namespace win {

HWND WindowFromPoint(POINT pt) { return HitTestScreen(pt, nullptr); }

HWND ChildWindowFromPointEx(HWND parent, POINT pt, UINT flags) {
  Wnd* p = FromHandle(parent);
  if (!p) return nullptr;
  TRect cr = {0, 0, p->Client.Width(), p->Client.Height()};
  if (!p->IsDesktop() && !PtInRect(&cr, pt)) return nullptr;
  const POINT o = ClientOrigin(p);
  const POINT screen{pt.X + o.X, pt.Y + o.Y};
  for (Wnd* c : p->Children) {
    if ((flags & CWP_SKIPINVISIBLE) && !(c->Style & WS_VISIBLE)) continue;
    if ((flags & CWP_SKIPDISABLED) && (c->Style & WS_DISABLED)) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (InWindowShape(c, screen)) return c->Handle;
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT pt) { return ChildWindowFromPointEx(parent, pt, CWP_ALL); }

int SetWindowRgn(HWND hwnd, HRGN rgn, BOOL redraw) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  const Region before = ReallyVisible(w) ? VisibleRegion(w, false, false, true) : Region();
  if (rgn) {
    gdi::RegionObj* r = gdi::LookupRegion(rgn);
    if (!r) return 0;
    w->WindowRgn = r->Rgn;
    w->HasWindowRgn = true;
    DeleteObject(rgn);  // the system owns the region from now on
  } else {
    w->HasWindowRgn = false;
    w->WindowRgn = Region();
  }
  if (redraw && ReallyVisible(w)) {
    InvalidateScreenArea(w->Parent, before, true);
    InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND hwnd, HRGN rgn) {
  Wnd* w = FromHandle(hwnd);
  gdi::RegionObj* r = gdi::LookupRegion(rgn);
  if (!w || !r || !w->HasWindowRgn) return ERROR;
  r->Rgn = w->WindowRgn;
  return r->Rgn.Complexity();
}

BOOL FlashWindowEx(const FLASHWINFO* info) {
  if (!info) return FALSE;
  Wnd* w = FromHandle(info->hwnd);
  if (!w) return FALSE;
  w->FlashCount += static_cast<int>(info->uCount ? info->uCount : 1);
  w->Flashed = info->dwFlags != FLASHW_STOP;
  return UserState().Active == info->hwnd ? TRUE : FALSE;
}

// ---- Focus and activation ----

HWND SetFocus(HWND hwnd) {
  State& s = UserState();
  const HWND old = s.Focus;
  if (!hwnd) {
    if (old) {
      s.Focus = nullptr;
      if (Wnd* o = FromHandle(old)) Send(o, WM_KILLFOCUS, 0, 0);
    }
    return old;
  }
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return nullptr;
  if (hwnd == old) return old;
  // Focus cannot go into a minimised or disabled top-level window.
  Wnd* root = w;
  while (root->IsChild()) root = root->Parent;
  if (root->Style & (WS_MINIMIZE | WS_DISABLED)) return nullptr;
  if (s.Active != root->Handle) {
    ActivateWindow(root, WA_ACTIVE);
    if (!(w = FromHandle(hwnd))) return nullptr;
    if (s.Focus == hwnd) return old;
  }
  const HWND prev = s.Focus;
  s.Focus = hwnd;
  if (prev)
    if (Wnd* o = FromHandle(prev)) Send(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (s.Focus != hwnd || !(w = FromHandle(hwnd))) return prev;
  Send(w, WM_SETFOCUS, reinterpret_cast<WPARAM>(prev), 0);
  return prev;
}

HWND GetFocus() { return UserState().Focus; }

HWND SetActiveWindow(HWND hwnd) {
  State& s = UserState();
  const HWND old = s.Active;
  if (!hwnd) {
    ActivateWindow(nullptr, WA_INACTIVE);
    return old;
  }
  Wnd* w = FromHandle(hwnd);
  if (!w) return nullptr;
  while (w->IsChild()) w = w->Parent;
  ActivateWindow(w, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() { return UserState().Active; }

BOOL SetForegroundWindow(HWND hwnd) {
  if (ForeignWindowProcess(hwnd, nullptr)) return ForegroundForeignWindow(hwnd) ? TRUE : FALSE;
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  while (w->IsChild()) w = w->Parent;
  const HWND h = w->Handle;
  ActivateWindow(w, WA_ACTIVE);
  // A window that handed activation on while it was being activated is not the foreground.
  if (UserState().Active == h) UserState().Foreground = h;
  return TRUE;
}

HWND GetForegroundWindow() { return UserState().Foreground; }

}  // namespace win
