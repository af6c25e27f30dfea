// The default window procedure and the default non-client area (frames, caption, buttons,
// scroll bar areas): layout, painting and hit testing.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/GdiGuards.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

// Parts of the non-client area, in window coordinates.
struct NcLayout {
  int Border = 0;
  bool Thick = false;
  TRect Caption;  // empty without a caption
  TRect Close, Max, Min, SysIcon;
  TRect VScroll, HScroll, SizeBox;
  TRect Inner;  // inside border and caption (before client and static edges)
};

NcLayout Layout(const Wnd* w) {
  NcLayout l;
  int caption;
  NonClientMetrics(w->Style, w->ExStyle, w->IsChild(), l.Border, caption);
  l.Thick = (w->Style & WS_THICKFRAME) && !((w->Style & (WS_DLGFRAME | WS_BORDER)) == WS_DLGFRAME);
  TRect r = {0, 0, w->Rect.Width(), w->Rect.Height()};
  InflateRect(&r, -l.Border, -l.Border);
  if (caption > 0) {
    l.Caption = Rect(r.Left, r.Top, r.Right, r.Top + caption - 1);
    const bool tool = (w->ExStyle & WS_EX_TOOLWINDOW) != 0;
    const int bw = tool ? GetSystemMetrics(SM_CXSMSIZE) - 2 : GetSystemMetrics(SM_CXSIZE) - 2;
    const int bh = (tool ? GetSystemMetrics(SM_CYSMSIZE) : GetSystemMetrics(SM_CYSIZE)) - 4;
    const int top = l.Caption.Top + (l.Caption.Height() - bh) / 2;
    int right = l.Caption.Right - 2;
    if (w->Style & WS_SYSMENU) {
      l.Close = Rect(right - bw, top, right, top + bh);
      right = l.Close.Left - 2;
      if (!tool && (w->Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        l.Max = Rect(right - bw, top, right, top + bh);
        l.Min = Rect(l.Max.Left - bw, top, l.Max.Left, top + bh);
      }
      if (!tool) {
        const int is = GetSystemMetrics(SM_CXSMICON);
        l.SysIcon = Bounds(l.Caption.Left + 2, l.Caption.Top + (l.Caption.Height() - is) / 2, is, is);
      }
    }
    r.Top += caption;
  }
  l.Inner = r;
  if (w->ExStyle & WS_EX_CLIENTEDGE) InflateRect(&r, -2, -2);
  if (w->ExStyle & WS_EX_STATICEDGE) InflateRect(&r, -1, -1);
  const int sv =
      w->Scroll[SB_VERT].Thick > 0 ? w->Scroll[SB_VERT].Thick : GetSystemMetrics(SM_CXVSCROLL);
  const int sh =
      w->Scroll[SB_HORZ].Thick > 0 ? w->Scroll[SB_HORZ].Thick : GetSystemMetrics(SM_CYHSCROLL);
  if (w->Style & WS_VSCROLL) {
    const int bottom = (w->Style & WS_HSCROLL) ? r.Bottom - sh : r.Bottom;
    l.VScroll = (w->ExStyle & WS_EX_LEFTSCROLLBAR) ? Rect(r.Left, r.Top, r.Left + sv, bottom)
                                                  : Rect(r.Right - sv, r.Top, r.Right, bottom);
  }
  if (w->Style & WS_HSCROLL) {
    const int right = (w->Style & WS_VSCROLL) ? r.Right - sv : r.Right;
    l.HScroll = Rect(r.Left, r.Bottom - sh, right, r.Bottom);
  }
  if ((w->Style & WS_VSCROLL) && (w->Style & WS_HSCROLL))
    l.SizeBox = Rect(l.VScroll.Left, l.HScroll.Top, l.VScroll.Right, l.HScroll.Bottom);
  return l;
}

bool IsActiveLook(const Wnd* w) {
  const Wnd* top = w;
  while (top->IsChild()) top = top->Parent;
  return UserState().Active == top->Handle || w->Flashed;
}

bool In(const TRect& r, POINT p) { return !IsRectEmpty(&r) && PtInRect(&r, p); }

}  // namespace

TRect NcScrollArea(const Wnd* w, int bar) {
  const NcLayout l = Layout(w);
  return bar == SB_VERT ? l.VScroll : l.HScroll;
}

namespace {

// Draws the non-client area (frame, caption, edges, scroll bars) into `dc`, whose origin stands
// at the window's top-left corner.
void DrawNonClient(Wnd* w, HDC dc) {
  const NcLayout l = Layout(w);
  RECT r = {0, 0, w->Rect.Width(), w->Rect.Height()};
  const bool active = IsActiveLook(w);
  if (l.Border > 0) {
    if (l.Thick || l.Border >= 3) {
      DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
      const int rest = l.Border - 2;
      HBRUSH fill = GetSysColorBrush(l.Thick ? (active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER) : COLOR_BTNFACE);
      for (int i = 0; i < rest; ++i) {
        FrameRect(dc, &r, fill);
        InflateRect(&r, -1, -1);
      }
    } else {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
      InflateRect(&r, -1, -1);
    }
  }
  if (!IsRectEmpty(&l.Caption)) {
    RECT cap = l.Caption;
    const COLORREF c1 = GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    const COLORREF c2 = GetSysColor(active ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    TRIVERTEX v[2];
    v[0].x = cap.Left;
    v[0].y = cap.Top;
    v[0].Red = static_cast<COLOR16>(GetRValue(c1) << 8);
    v[0].Green = static_cast<COLOR16>(GetGValue(c1) << 8);
    v[0].Blue = static_cast<COLOR16>(GetBValue(c1) << 8);
    v[1].x = cap.Right;
    v[1].y = cap.Bottom;
    v[1].Red = static_cast<COLOR16>(GetRValue(c2) << 8);
    v[1].Green = static_cast<COLOR16>(GetGValue(c2) << 8);
    v[1].Blue = static_cast<COLOR16>(GetBValue(c2) << 8);
    GRADIENT_RECT gr;
    gr.UpperLeft = 0;
    gr.LowerRight = 1;
    GradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_H);
    // The line under the caption.
    RECT line = Rect(cap.Left, cap.Bottom, cap.Right, cap.Bottom + 1);
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNFACE));
    NONCLIENTMETRICSA ncm;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    const TOwnedObject<HFONT> font(CreateFontIndirectA(
        (w->ExStyle & WS_EX_TOOLWINDOW) ? &ncm.lfSmCaptionFont : &ncm.lfCaptionFont));
    TSelectedObject selectedFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    PaintCaptionIcon(dc, w, l.SysIcon);
    RECT text = cap;
    text.Left += IsRectEmpty(&l.SysIcon) ? 2 : l.SysIcon.Right + 2;
    int right = cap.Right;
    for (const TRect* b : {&l.Close, &l.Max, &l.Min})
      if (!IsRectEmpty(b)) right = std::min(right, b->Left);
    text.Right = right - 2;
    if (!w->Text.empty())
      DrawTextA(dc, w->Text.c_str(), static_cast<int>(w->Text.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (!IsRectEmpty(&l.Close)) {
      RECT b = l.Close;
      DrawFrameControl(dc, &b, DFC_CAPTION, DFCS_CAPTIONCLOSE | ((w->Class->Style & CS_NOCLOSE) ? DFCS_INACTIVE : 0));
    }
    if (!IsRectEmpty(&l.Max)) {
      RECT b = l.Max;
      DrawFrameControl(dc, &b, DFC_CAPTION,
                       ((w->Style & WS_MAXIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMAX) |
                           ((w->Style & WS_MAXIMIZEBOX) ? 0 : DFCS_INACTIVE));
      RECT m = l.Min;
      DrawFrameControl(dc, &m, DFC_CAPTION,
                       ((w->Style & WS_MINIMIZE) ? DFCS_CAPTIONRESTORE : DFCS_CAPTIONMIN) |
                           ((w->Style & WS_MINIMIZEBOX) ? 0 : DFCS_INACTIVE));
    }
  }
  RECT inner = l.Inner;
  if (w->ExStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (w->ExStyle & WS_EX_STATICEDGE) DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  PaintScrollBar(dc, l.VScroll, true, w->Scroll[SB_VERT]);
  PaintScrollBar(dc, l.HScroll, false, w->Scroll[SB_HORZ]);
  if (!IsRectEmpty(&l.SizeBox)) {
    RECT sb = l.SizeBox;
    FillRect(dc, &sb, GetSysColorBrush(COLOR_BTNFACE));
  }
}

// Prints the shown child windows, the bottom one first, each at its place in `dc`, whose origin
// stands at the client area's corner.
void PrintChildren(Wnd* w, HDC dc, LPARAM flags) {
  std::vector<HWND> children;
  for (auto it = w->Children.rbegin(); it != w->Children.rend(); ++it)
    children.push_back((*it)->Handle);
  for (HWND h : children) {
    Wnd* c = FromHandle(h);
    if (!c || !(c->Style & WS_VISIBLE)) continue;
    const TSavedDC saved(dc);
    OffsetWindowOrgEx(dc, -c->Rect.Left, -c->Rect.Top, nullptr);
    IntersectClipRect(dc, 0, 0, c->Rect.Width(), c->Rect.Height());
    Send(c, WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
  }
}

}  // namespace

void DefaultNcPaint(Wnd* w, HRGN rgn) {
  const HWND h = w->Handle;
  const TWindowDC dc(h, (rgn && rgn != reinterpret_cast<HRGN>(1))
                            ? GetDCEx(h, rgn, DCX_WINDOW | DCX_INTERSECTRGN)
                            : GetWindowDC(h));
  if (dc) DrawNonClient(w, dc);
}

LRESULT DefaultNcHitTest(Wnd* w, POINT screen) {
  const TRect wr = ScreenWindowRect(w);
  if (!PtInRect(&wr, screen)) return HTNOWHERE;
  const TRect cr = ScreenClientRect(w);
  if (PtInRect(&cr, screen)) return HTCLIENT;
  if (w->Style & WS_MINIMIZE) return HTCAPTION;
  const POINT p{screen.X - wr.Left, screen.Y - wr.Top};
  const NcLayout l = Layout(w);
  const int width = w->Rect.Width(), height = w->Rect.Height();
  if (l.Border > 0 && (p.X < l.Border || p.Y < l.Border || p.X >= width - l.Border || p.Y >= height - l.Border)) {
    if (!l.Thick) return HTBORDER;
    const int corner = GetSystemMetrics(SM_CYCAPTION) + l.Border;
    const bool left = p.X < corner, right = p.X >= width - corner;
    const bool top = p.Y < corner, bottom = p.Y >= height - corner;
    if (p.Y < l.Border) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (p.Y >= height - l.Border) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    if (p.X < l.Border) return top ? HTTOPLEFT : bottom ? HTBOTTOMLEFT : HTLEFT;
    return top ? HTTOPRIGHT : bottom ? HTBOTTOMRIGHT : HTRIGHT;
  }
  if (!IsRectEmpty(&l.Caption) && p.Y < l.Caption.Bottom + 1 && p.Y >= l.Caption.Top) {
    if (In(l.Close, p)) return HTCLOSE;
    if (In(l.Max, p)) return HTMAXBUTTON;
    if (In(l.Min, p)) return HTMINBUTTON;
    if (In(l.SysIcon, p)) return HTSYSMENU;
    return HTCAPTION;
  }
  if (In(l.SizeBox, p)) return HTGROWBOX;
  if (In(l.VScroll, p)) return HTVSCROLL;
  if (In(l.HScroll, p)) return HTHSCROLL;
  return HTBORDER;
}

}  // namespace win::user

namespace win {

using namespace user;

static HCURSOR SizingCursor(LRESULT hit) {
  switch (hit) {
    case HTLEFT: case HTRIGHT: return LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_SIZEWE));
    case HTTOP: case HTBOTTOM: return LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_SIZENS));
    case HTTOPLEFT: case HTBOTTOMRIGHT: return LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_SIZENWSE));
    case HTTOPRIGHT: case HTBOTTOMLEFT: return LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_SIZENESW));
    default: return LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_ARROW));
  }
}

// The caption button pressed by WM_NCLBUTTONDOWN, released over by WM_NCLBUTTONUP.
static HWND g_ncPressedHwnd = nullptr;
static LRESULT g_ncPressedHit = HTNOWHERE;

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  if (LRESULT r = 0; MenuBarDefProc(w, msg, wParam, lParam, r)) return r;
  switch (msg) {
    case WM_NCCREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (cs && cs->lpszName && !IS_INTRESOURCE(reinterpret_cast<uintptr_t>(cs->lpszName)))
        w->Text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE: {
      if (!lParam) return 0;
      RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      *r = DefaultClientRect(w->Style, w->ExStyle, *r, w->IsChild(), w->Scroll[SB_VERT].Thick,
                             w->Scroll[SB_HORZ].Thick);
      return 0;
    }
    case WM_NCHITTEST: return DefaultNcHitTest(w, PointFromLParam(lParam));
    case WM_NCPAINT: DefaultNcPaint(w, reinterpret_cast<HRGN>(wParam)); return 0;
    case WM_NCACTIVATE:
      if (ReallyVisible(w) && (w->Style & WS_CAPTION) == WS_CAPTION) {
        // The caption is redrawn in its new state (lParam -1 asks for no redraw).
        if (lParam != -1) {
          const HWND active = UserState().Active;
          UserState().Active = wParam ? hwnd : (active == hwnd ? nullptr : active);
          DefaultNcPaint(w, nullptr);
          if (FromHandle(hwnd)) UserState().Active = active;
        }
      }
      return TRUE;
    case WM_ERASEBKGND: {
      HBRUSH b = w->Class->Background;
      if (!b) return 0;
      const uintptr_t v = reinterpret_cast<uintptr_t>(b);
      if (v > 0 && v <= COLOR_COUNT) b = GetSysColorBrush(static_cast<int>(v - 1));
      RECT r = {0, 0, w->Client.Width(), w->Client.Height()};
      FillRect(reinterpret_cast<HDC>(wParam), &r, b);
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (!dc || ((lParam & PRF_CHECKVISIBLE) && !ReallyVisible(w))) return 0;
      const TSavedDC saved(dc);
      AlignBrushOrigin(dc);
      if (lParam & PRF_NONCLIENT) {
        DrawNonClient(w, dc);
        // The client area's parts go where the client area stands in the window.
        OffsetWindowOrgEx(dc, -w->Client.Left, -w->Client.Top, nullptr);
        IntersectClipRect(dc, 0, 0, w->Client.Width(), w->Client.Height());
        AlignBrushOrigin(dc);
      }
      if (lParam & PRF_ERASEBKGND) Send(w, WM_ERASEBKGND, wParam, 0);
      if ((lParam & PRF_CLIENT) && FromHandle(hwnd)) Send(w, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), lParam);
      if ((lParam & PRF_CHILDREN) && FromHandle(hwnd)) PrintChildren(w, dc, lParam);
      return 0;
    }
    case WM_SETTEXT: {
      const char* t = reinterpret_cast<const char*>(lParam);
      w->Text = t ? t : "";
      if (w->IsTopLevel()) MarkTopLevelWindowsChanged();
      if ((w->Style & WS_CAPTION) == WS_CAPTION && ReallyVisible(w)) DefaultNcPaint(w, nullptr);
      return TRUE;
    }
    case WM_GETTEXT: {
      char* buf = reinterpret_cast<char*>(lParam);
      if (!buf || wParam == 0) return 0;
      const size_t n = std::min<size_t>(w->Text.size(), static_cast<size_t>(wParam) - 1);
      std::memcpy(buf, w->Text.data(), n);
      buf[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->Text.size());
    case WM_SETICON: {
      // Answers the icon it replaces; the caption shows the new one at once.
      HICON& slot = wParam == ICON_BIG ? w->Icon : w->IconSm;
      if (wParam != ICON_BIG && wParam != ICON_SMALL) return 0;
      const HICON old = slot;
      slot = reinterpret_cast<HICON>(lParam);
      if (old != slot && (w->Style & WS_CAPTION) == WS_CAPTION && ReallyVisible(w))
        DefaultNcPaint(w, nullptr);
      return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON: return reinterpret_cast<LRESULT>(WindowIcon(w, wParam));
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SHOWWINDOW:
      // An owned window hides with its minimised owner and comes back when it is restored.
      if (lParam == SW_PARENTCLOSING && !wParam && !w->IsChild() && (w->Style & WS_VISIBLE)) {
        ShowWindow(hwnd, SW_HIDE);
        if ((w = FromHandle(hwnd))) w->HiddenWithOwner = true;
      } else if (lParam == SW_PARENTOPENING && wParam && w->HiddenWithOwner) {
        ShowWindow(hwnd, SW_SHOWNA);
      }
      return 0;
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN: return TRUE;
    case WM_SETCURSOR: {
      if (w->IsChild()) {
        Wnd* p = w->Parent;
        if (Send(p, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (!(w = FromHandle(hwnd))) return FALSE;
      }
      const LRESULT hit = static_cast<SHORT>(LOWORD(lParam));
      if (hit == HTCLIENT) {
        SetCursor(w->Class->Cursor);
        return TRUE;
      }
      if (hit == HTERROR) {
        const WORD m = HIWORD(lParam);
        if (m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN) MessageBeep(MB_OK);
        return FALSE;
      }
      SetCursor(SizingCursor(hit));
      return hit >= HTLEFT && hit <= HTBOTTOMRIGHT ? TRUE : FALSE;
    }
    case WM_MOUSEACTIVATE: {
      if (w->IsChild()) {
        const LRESULT r = Send(w->Parent, WM_MOUSEACTIVATE, wParam, lParam);
        if (r) return r;
      }
      return (static_cast<SHORT>(LOWORD(lParam)) == HTCAPTION && HIWORD(lParam) == WM_RBUTTONDOWN)
                 ? MA_NOACTIVATE
                 : MA_ACTIVATE;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) SetFocus(hwnd);
      return 0;
    case WM_CANCELMODE:
      CancelScrollTracking(hwnd);
      if (UserState().Capture == hwnd) ReleaseCapture();
      g_ncPressedHwnd = nullptr;
      return 0;
    case WM_NCLBUTTONDOWN: {
      const LRESULT hit = static_cast<LRESULT>(wParam);
      if (hit == HTVSCROLL || hit == HTHSCROLL) {
        StartScrollTracking(hwnd, hit == HTVSCROLL ? SB_VERT : SB_HORZ, PointFromLParam(lParam));
        return 0;
      }
      // The caption moves the window, the frame sizes it (through the system command, which the
      // window may answer itself).
      if (hit == HTCAPTION) {
        Send(w, WM_SYSCOMMAND, SC_MOVE | static_cast<WPARAM>(HTCAPTION), lParam);
        return 0;
      }
      if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
        Send(w, WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT), lParam);
        return 0;
      }
      if (hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON) {
        g_ncPressedHwnd = hwnd;
        g_ncPressedHit = hit;
      }
      return 0;
    }
    case WM_NCLBUTTONUP: {
      const LRESULT hit = static_cast<LRESULT>(wParam);
      const bool match = g_ncPressedHwnd == hwnd && g_ncPressedHit == hit;
      g_ncPressedHwnd = nullptr;
      if (!match) return 0;
      if (hit == HTCLOSE && !(w->Class->Style & CS_NOCLOSE))
        Send(w, WM_SYSCOMMAND, SC_CLOSE, lParam);
      else if (hit == HTMINBUTTON && (w->Style & WS_MINIMIZEBOX))
        Send(w, WM_SYSCOMMAND, SC_MINIMIZE, lParam);
      else if (hit == HTMAXBUTTON && (w->Style & WS_MAXIMIZEBOX))
        Send(w, WM_SYSCOMMAND, (w->Style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE, lParam);
      return 0;
    }
    case WM_NCLBUTTONDBLCLK:
      if (static_cast<LRESULT>(wParam) == HTCAPTION && (w->Style & WS_MAXIMIZEBOX))
        Send(w, WM_SYSCOMMAND, (w->Style & (WS_MAXIMIZE | WS_MINIMIZE)) ? SC_RESTORE : SC_MAXIMIZE, lParam);
      return 0;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: Send(w, WM_CLOSE, 0, 0); return 0;
        case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
        case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
        case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
        case SC_MOVE:
        case SC_SIZE: StartSizeMove(hwnd, wParam, PointFromLParam(lParam)); return 0;
        default: return 0;
      }
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (lParam & (1 << 29))) {
        Wnd* top = w;
        while (top->IsChild()) top = top->Parent;
        Send(top, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      return 0;
    case WM_WINDOWPOSCHANGING: {
      // Overlapped and sizeable windows keep to the tracking limits they answer.
      auto* wp = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!wp || (wp->flags & SWP_NOSIZE) || (w->Style & (WS_MINIMIZE | WS_MAXIMIZE))) return 0;
      if (!(w->Style & WS_THICKFRAME) && (w->Style & (WS_POPUP | WS_CHILD))) return 0;
      MINMAXINFO mmi;
      QueryMinMax(w, mmi);
      wp->cx = std::clamp(wp->cx, std::min(mmi.ptMinTrackSize.X, mmi.ptMaxTrackSize.X), mmi.ptMaxTrackSize.X);
      wp->cy = std::clamp(wp->cy, std::min(mmi.ptMinTrackSize.Y, mmi.ptMaxTrackSize.Y), mmi.ptMaxTrackSize.Y);
      return 0;
    }
    case WM_WINDOWPOSCHANGED: {
      const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (!wp) return 0;
      if (!(wp->flags & SWP_NOCLIENTMOVE))
        Send(w, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(w->Rect.Left + w->Client.Left),
                                       static_cast<WORD>(w->Rect.Top + w->Client.Top)));
      if (!(w = FromHandle(hwnd))) return 0;
      if (!(wp->flags & SWP_NOCLIENTSIZE) || (wp->flags & kSwpStateChanged)) {
        const WPARAM type = (w->Style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                            : (w->Style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                                       : SIZE_RESTORED;
        Send(w, WM_SIZE, type, MAKELPARAM(static_cast<WORD>(w->Client.Width()), static_cast<WORD>(w->Client.Height())));
      }
      return 0;
    }
    case WM_SETREDRAW:
      if (wParam)
        w->Style |= WS_VISIBLE;
      else
        w->Style &= ~WS_VISIBLE;
      return 0;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
      if (w->IsChild()) return Send(w->Parent, msg, wParam, lParam);
      return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const bool white = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(white ? COLOR_WINDOW : COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(white ? COLOR_WINDOW : COLOR_BTNFACE));
    }
    case WM_NOTIFYFORMAT: return 1;  // NFR_ANSI
    default: return 0;
  }
}

}  // namespace win
