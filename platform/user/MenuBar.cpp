// Menu bars and the system menu: the bar's place in the frame (below the caption, wrapping to
// more rows when the items do not fit), its painting in the classic look, and the loop that
// runs it from the mouse (a click on an item) or the keyboard (Alt or F10, then the arrows,
// Enter and letters; Alt+letter opens an item directly; Alt+Space opens the system menu).
// The context-menu keys (Shift+F10, the menu key) and the right button send WM_CONTEXTMENU.
#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "platform/base/Finally.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

constexpr int kBarPadX = 6;  // on each side of an item's text

struct BarState {
  int Hot = -1;
  bool Pushed = false;  // the hot item's menu is open
};

std::unordered_map<HWND, BarState>& States() {
  static std::unordered_map<HWND, BarState> s;
  return s;
}

// Alt went down with no other key since (its release opens the bar).
HWND g_altAlone = nullptr;

struct BarItem {
  MenuItemInfo Info;
  TRect Rect;  // window coordinates
};

struct Bar {
  TRect Area;  // window coordinates; empty without a bar
  std::vector<BarItem> Items;
};

std::string Label(const MenuItemInfo& i) { return i.Text.substr(0, i.Text.find('\t')); }

std::string Shown(const std::string& label) {
  std::string r;
  for (size_t k = 0; k < label.size(); ++k) {
    if (label[k] == '&' && ++k == label.size()) break;
    r += label[k];
  }
  return r;
}

char AccelLetter(const std::string& label) {
  for (size_t k = 0; k + 1 < label.size(); ++k) {
    if (label[k] != '&') continue;
    if (label[k + 1] != '&')
      return static_cast<char>(std::tolower(static_cast<unsigned char>(label[k + 1])));
    ++k;
  }
  return 0;
}

bool IsDisabled(const MenuItemInfo& i) { return (i.Flags & (MF_GRAYED | MF_DISABLED)) != 0; }

HFONT BarFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool HasBarStyle(const Wnd* w) { return w && !w->IsChild() && !w->IsDesktop(); }

// The bar of a window whose window rectangle is `width` pixels wide.
Bar LayoutBar(const Wnd* w, int width) {
  Bar b;
  if (!HasBarStyle(w)) return b;
  const HMENU menu = GetMenu(w->Handle);
  std::vector<MenuItemInfo> items;
  if (!menu || !ReadMenu(menu, items)) return b;
  int border, caption;
  NonClientMetrics(w->Style, w->ExStyle, false, border, caption);
  const int left = border, right = std::max(width - border, border + 1);
  const int top = border + caption, h = GetSystemMetrics(SM_CYMENU);
  const TWindowDC dc(nullptr);
  HGDIOBJ old = SelectObject(dc, BarFont());
  int x = left, row = 0;
  for (const MenuItemInfo& i : items) {
    const std::string text = Shown(Label(i));
    SIZE sz{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &sz);
    const int iw = sz.cx + 2 * kBarPadX;
    if (x + iw > right && x > left) {
      ++row;
      x = left;
    }
    b.Items.push_back({i, Rect(x, top + row * h, x + iw, top + (row + 1) * h)});
    x += iw;
  }
  SelectObject(dc, old);
  b.Area = Rect(left, top, right, top + (row + 1) * h);
  return b;
}

Bar CurrentBar(const Wnd* w) { return LayoutBar(w, w->Rect.Width()); }

void DrawBarText(HDC dc, const std::string& label, RECT r, COLORREF c) {
  SetTextColor(dc, c);
  DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void PaintBar(Wnd* w) {
  const Bar b = CurrentBar(w);
  if (IsRectEmpty(&b.Area)) return;
  const TWindowDC dc(w->Handle, GetWindowDC(w->Handle));
  if (!dc) return;
  RECT area = b.Area;
  FillRect(dc, &area, GetSysColorBrush(COLOR_MENU));
  HGDIOBJ old = SelectObject(dc, BarFont());
  SetBkMode(dc, TRANSPARENT);
  const BarState st = States().count(w->Handle) ? States()[w->Handle] : BarState{};
  for (size_t k = 0; k < b.Items.size(); ++k) {
    const BarItem& item = b.Items[k];
    RECT r = item.Rect;
    const std::string label = Label(item.Info);
    const bool hot = static_cast<int>(k) == st.Hot;
    if (hot) {
      // The open item looks pushed; an item chosen by the keyboard looks raised.
      RECT e = r;
      DrawEdge(dc, &e, st.Pushed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      if (st.Pushed) OffsetRect(&r, 1, 1);
    }
    if (IsDisabled(item.Info)) {
      RECT shifted = r;
      OffsetRect(&shifted, 1, 1);
      DrawBarText(dc, label, shifted, GetSysColor(COLOR_3DHILIGHT));
      DrawBarText(dc, label, r, GetSysColor(COLOR_GRAYTEXT));
    } else {
      DrawBarText(dc, label, r, GetSysColor(COLOR_MENUTEXT));
    }
  }
  SelectObject(dc, old);
}

int ItemAt(const Wnd* w, POINT screen) {
  const Bar b = CurrentBar(w);
  const POINT o = WindowOrigin(w);
  const POINT p{screen.X - o.X, screen.Y - o.Y};
  for (size_t k = 0; k < b.Items.size(); ++k)
    if (PtInRect(&b.Items[k].Rect, p)) return static_cast<int>(k);
  return -1;
}

Wnd* RootOf(Wnd* w) {
  while (w && w->IsChild()) w = w->Parent;
  return w;
}

void SetBarState(HWND h, int hot, bool pushed) {
  BarState& st = States()[h];
  if (st.Hot == hot && st.Pushed == pushed) return;
  st.Hot = hot;
  st.Pushed = pushed;
  if (Wnd* w = FromHandle(h); w && ReallyVisible(w)) PaintBar(w);
}

// Grey or enable the system menu's entries for the window's state.
void PrepareSystemMenu(Wnd* w, HMENU sys) {
  const bool min = (w->Style & WS_MINIMIZE) != 0, max = (w->Style & WS_MAXIMIZE) != 0;
  const bool thick = (w->Style & WS_THICKFRAME) != 0;
  auto set = [&](UINT cmd, bool on) {
    EnableMenuItem(sys, cmd, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  set(SC_RESTORE, min || max);
  set(SC_MOVE, !max);
  set(SC_SIZE, thick && !min && !max);
  set(SC_MINIMIZE, (w->Style & WS_MINIMIZEBOX) && !min);
  set(SC_MAXIMIZE, (w->Style & WS_MAXIMIZEBOX) && !max);
  set(SC_CLOSE, !(w->Class->Style & CS_NOCLOSE));
}

// Shows the system menu at (x, y), or below the caption icon when x is -1.
void TrackSystemMenu(Wnd* w, int x, int y, bool rightButton) {
  const HWND h = w->Handle;
  const HMENU sys = GetSystemMenu(h, FALSE);
  if (!sys) return;
  PrepareSystemMenu(w, sys);
  if (x == -1) {
    int border, caption;
    NonClientMetrics(w->Style, w->ExStyle, false, border, caption);
    const POINT o = WindowOrigin(w);
    x = o.X + border;
    y = o.Y + border + caption;
  }
  TrackPopupMenuEx(sys, TPM_LEFTALIGN | (rightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON), x, y, h,
                   nullptr);
}

void SendBarSelect(HWND h, const Bar& b, int index, HMENU bar) {
  if (index < 0 || static_cast<size_t>(index) >= b.Items.size()) return;
  const MenuItemInfo& i = b.Items[static_cast<size_t>(index)].Info;
  UINT flags = (i.Flags & 0xFFFF & ~MF_POPUP) | MF_HILITE;
  WORD item = static_cast<WORD>(i.Id);
  if (i.SubMenu) {
    flags |= MF_POPUP;
    item = static_cast<WORD>(index);
  }
  SendMessageA(h, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(bar));
}

int Wrap(int i, size_t n) {
  return n == 0 ? -1
                : static_cast<int>((i % static_cast<int>(n) + static_cast<int>(n)) %
                                   static_cast<int>(n));
}

// The bar's menu loop, starting at item `index`: opened (its menu shown) or only selected.
void RunBar(HWND h, int index, bool open, bool selectFirst) {
  const HMENU barMenu = GetMenu(h);
  Wnd* w = FromHandle(h);
  if (!barMenu || !w) return;
  SendMessageA(h, WM_ENTERMENULOOP, FALSE, 0);
  SendMessageA(h, WM_INITMENU, reinterpret_cast<WPARAM>(barMenu), 0);
  vcl::TFinally done([h] {
    if (!IsWindow(h)) return;
    SetBarState(h, -1, false);
    SendMessageA(h, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    SendMessageA(h, WM_EXITMENULOOP, FALSE, 0);
  });
  auto barHit = [h](POINT p) {
    Wnd* bw = FromHandle(h);
    return bw ? ItemAt(bw, p) : -1;
  };
  int cur = index;
  int handlerRuns = 0;
  auto choose = [h](UINT_PTR command) { PostMessageA(h, WM_COMMAND, command, 0); };
  while ((w = FromHandle(h)) && GetMenu(h) == barMenu) {
    const Bar b = CurrentBar(w);
    if (b.Items.empty()) return;
    cur = Wrap(cur, b.Items.size());
    const MenuItemInfo item = b.Items[static_cast<size_t>(cur)].Info;
    const bool popup = item.SubMenu && !IsDisabled(item);
    SetBarState(h, cur, open && popup);
    SendBarSelect(h, b, cur, barMenu);
    if (open && popup) {
      const POINT o = WindowOrigin(w);
      const TRect r = b.Items[static_cast<size_t>(cur)].Rect;
      const BarTrack t = TrackMenuFromBar(item.SubMenu, o.X + r.Left, o.Y + r.Bottom, h, false,
                                          selectFirst, barHit, cur);
      if (t.Chosen) return choose(t.Command);
      if (t.Move) {
        cur += t.Move;
        selectFirst = true;
        continue;
      }
      if (t.GoTo >= 0) {
        cur = t.GoTo;
        selectFirst = false;
        continue;
      }
      if (!t.Escaped) return;
      open = false;  // Escape: the bar item stays selected for the keyboard
      continue;
    }
    if (open && !item.SubMenu && !IsDisabled(item)) return choose(item.Id);
    open = false;
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (!WaitForMenuInput(handlerRuns)) return;
      continue;
    }
    switch (m.message) {
      case WM_QUIT: PostQuitMessage(static_cast<int>(m.wParam)); return;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        switch (m.wParam) {
          case VK_LEFT: --cur; break;
          case VK_RIGHT: ++cur; break;
          case VK_UP:
          case VK_DOWN:
          case VK_RETURN:
            open = true;
            selectFirst = true;
            break;
          case VK_ESCAPE:
          case VK_MENU:
          case VK_F10: return;
          default: TranslateMessage(&m); break;
        }
        break;
      case WM_CHAR:
      case WM_SYSCHAR: {
        const char c = static_cast<char>(std::tolower(static_cast<int>(m.wParam & 0xFF)));
        for (size_t k = 0; k < b.Items.size(); ++k)
          if (AccelLetter(Label(b.Items[k].Info)) == c) {
            cur = static_cast<int>(k);
            open = true;
            selectFirst = true;
            break;
          }
        if (!open) MessageBeep(0);
        break;
      }
      case WM_KEYUP:
      case WM_SYSKEYUP: break;
      case WM_LBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_NCRBUTTONDOWN: {
        const int hit = barHit(m.pt);
        if (hit < 0) return;  // a click elsewhere leaves the bar
        cur = hit;
        open = true;
        selectFirst = false;
        break;
      }
      default:
        if (!(m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) &&
            !(m.message >= WM_NCMOUSEMOVE && m.message <= WM_NCMBUTTONDBLCLK))
          DispatchMessageA(&m);
        break;
    }
  }
}

// Alt+letter, Alt, F10 (key == 0) and Alt+Space on the window `w`.
void KeyMenu(Wnd* w, char key) {
  const HWND h = w->Handle;
  if (key == ' ') {
    if (w->Style & WS_SYSMENU) TrackSystemMenu(w, -1, -1, false);
    return;
  }
  const Bar b = CurrentBar(w);
  if (b.Items.empty()) return;
  if (key == 0) return RunBar(h, 0, false, true);
  const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(key)));
  for (size_t k = 0; k < b.Items.size(); ++k)
    if (AccelLetter(Label(b.Items[k].Info)) == c) return RunBar(h, static_cast<int>(k), true, true);
  MessageBeep(0);
}

}  // namespace

void MenuBarChanged(HWND h) {
  Wnd* w = FromHandle(h);
  if (!w) return;
  FrameChanged(h);
  if ((w = FromHandle(h)) && ReallyVisible(w)) PaintBar(w);
}

std::vector<RECT> MenuBarItemRects(HWND h) {
  std::vector<RECT> r;
  Wnd* w = FromHandle(h);
  if (!w) return r;
  const POINT o = WindowOrigin(w);
  for (const BarItem& i : CurrentBar(w).Items) {
    RECT rc = i.Rect;
    OffsetRect(&rc, o.X, o.Y);
    r.push_back(rc);
  }
  return r;
}

bool MenuBarDefProc(Wnd* w, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  const HWND h = w->Handle;
  switch (msg) {
    case WM_NCCALCSIZE: {
      if (!lParam || !HasBarStyle(w) || !GetMenu(h)) return false;
      RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                       : reinterpret_cast<RECT*>(lParam);
      const int width = r->Right - r->Left;
      const Bar b = LayoutBar(w, width);
      *r = DefaultClientRect(w->Style, w->ExStyle, *r, false, w->Scroll[SB_VERT].Thick,
                             w->Scroll[SB_HORZ].Thick);
      r->Top = std::min(r->Top + b.Area.Height(), r->Bottom);
      return true;
    }
    case WM_NCPAINT:
      DefaultNcPaint(w, reinterpret_cast<HRGN>(wParam));
      if ((w = FromHandle(h))) PaintBar(w);
      return true;
    case WM_NCHITTEST: {
      result = DefaultNcHitTest(w, PointFromLParam(lParam));
      if (result != HTBORDER || !GetMenu(h)) return true;
      const Bar b = CurrentBar(w);
      const POINT o = WindowOrigin(w);
      const POINT p = PointFromLParam(lParam);
      const POINT local{p.X - o.X, p.Y - o.Y};
      if (PtInRect(&b.Area, local)) result = HTMENU;
      return true;
    }
    case WM_NCLBUTTONDOWN:
      if (wParam == HTMENU) {
        const int index = ItemAt(w, PointFromLParam(lParam));
        if (index >= 0) RunBar(h, index, true, false);
        return true;
      }
      if (wParam == HTSYSMENU) {
        TrackSystemMenu(w, -1, -1, false);
        return true;
      }
      return false;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU) {
        KeyMenu(w, static_cast<char>(lParam & 0xFF));
        return true;
      }
      if ((wParam & 0xFFF0) == SC_MOUSEMENU) {
        const int index = ItemAt(w, PointFromLParam(lParam));
        if (index >= 0) RunBar(h, index, true, false);
        return true;
      }
      return false;
    case WM_SYSCHAR:
      if (!(lParam & (1 << 29))) return false;
      if (Wnd* root = RootOf(w))
        Send(root, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam & 0xFF));
      return true;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F10) {
        g_altAlone = nullptr;
        if (GetKeyState(VK_SHIFT) < 0)
          Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), -1);
        else if (Wnd* root = RootOf(w))
          Send(root, WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
      }
      g_altAlone = (wParam == VK_MENU && !(lParam & (1 << 30))) ? h : nullptr;
      return false;
    case WM_SYSKEYUP:
      if (wParam == VK_MENU && g_altAlone == h) {
        g_altAlone = nullptr;
        if (Wnd* root = RootOf(w)) Send(root, WM_SYSCOMMAND, SC_KEYMENU, 0);
        return true;
      }
      return false;
    case WM_KEYDOWN: g_altAlone = nullptr; return false;
    case WM_KEYUP:
      if (wParam != VK_APPS) return false;
      Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), -1);
      return true;
    case WM_RBUTTONUP: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(h, &p);
      Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h),
           MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y)));
      return true;
    }
    case WM_NCRBUTTONUP:
      if (wParam != HTCAPTION && wParam != HTSYSMENU) return false;
      Send(w, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h), lParam);
      return true;
    case WM_CONTEXTMENU: {
      if (w->IsChild() || lParam == -1 || !(w->Style & WS_SYSMENU)) return false;
      const LRESULT hit = DefaultNcHitTest(w, PointFromLParam(lParam));
      if (hit != HTCAPTION && hit != HTSYSMENU) return false;
      const POINT p = PointFromLParam(lParam);
      TrackSystemMenu(w, p.X, p.Y, true);
      return true;
    }
    case WM_NCDESTROY: States().erase(h); return false;
    default: return false;
  }
}

}  // namespace win::user

namespace win {

BOOL GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect) {
  if (!rect) return FALSE;
  if (hwnd && menu && GetMenu(hwnd) == menu) {
    const std::vector<RECT> rects = user::MenuBarItemRects(hwnd);
    if (item >= rects.size()) return FALSE;
    *rect = rects[item];
    return TRUE;
  }
  for (const user::OpenMenuInfo& open : user::OpenMenus())
    if (open.Menu == menu && item < open.Rects.size()) {
      *rect = open.Rects[item];
      return TRUE;
    }
  return FALSE;
}

}  // namespace win
