// Popup menus on screen: a window per open (sub)menu drawn in the classic look, and the modal
// loop that tracks the mouse and keyboard over them until an item is chosen or the menu is
// cancelled. The loop reads the thread's queue itself: input goes to the menus, everything else
// (paints, timers, posted messages) is dispatched as usual.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/base/Clock.h"
#include "platform/base/Exceptions.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/text/Text.h"
#include "platform/user/ListComboConsts.h"
#include "platform/user/UserInternal.h"

namespace win {

namespace {

using user::MenuItemInfo;

constexpr char kMenuClass[] = "#32768";
constexpr int kBorder = 3;         // raised edge and one pixel of padding
constexpr int kCheckWidth = 18;    // column of check marks and radio dots
constexpr int kArrowWidth = 16;    // column of submenu arrows
constexpr int kAccelGap = 12;      // between an item's text and its accelerator text
constexpr int kSeparatorHeight = 8;
constexpr int kMaxLevels = kMaxMenuNesting;  // menus nest through handles: a cycle stops here

struct Level {
  HMENU Menu = nullptr;
  HWND Window = nullptr;
  int Highlighted = -1;
  std::vector<MenuItemInfo> Items;
  std::vector<RECT> Rects;  // client coordinates
  int AccelX = 0;           // client x of the accelerator column
};

struct Tracker {
  HWND Owner = nullptr;
  UINT Flags = 0;
  bool System = false;
  std::vector<Level> Levels;
  bool Done = false;
  bool Chosen = false;
  UINT_PTR Command = 0;
  // Opened from a menu bar: the bar item under a screen point (-1 when none), the item the
  // menu belongs to, and how the tracking ended towards the bar.
  std::function<int(POINT)> BarHit;
  int BarCurrent = -1;
  int Move = 0;
  int GoTo = -1;
  bool Escaped = false;
  bool InBar = false;  // the bar loop sends the loop's start and end messages itself
};

Tracker* g_active = nullptr;

user::MenuIdlePolicy& IdlePolicy() {
  static user::MenuIdlePolicy p;
  return p;
}

bool Notifies(const Tracker& t) { return !(t.Flags & TPM_NONOTIFY); }

bool IsSeparator(const MenuItemInfo& i) { return (i.Flags & MF_SEPARATOR) != 0; }
bool IsOwnerDrawn(const MenuItemInfo& i) { return (i.Flags & MF_OWNERDRAW) && !IsSeparator(i); }
bool IsDisabled(const MenuItemInfo& i) { return (i.Flags & (MF_GRAYED | MF_DISABLED)) != 0; }

// The text before the tab, and the accelerator text after it.
std::string Label(const MenuItemInfo& i) { return i.Text.substr(0, i.Text.find('\t')); }
std::string AccelText(const MenuItemInfo& i) {
  const size_t tab = i.Text.find('\t');
  return tab == std::string::npos ? std::string() : i.Text.substr(tab + 1);
}

// The label as shown: "&&" is an ampersand, a single '&' marks the next letter.
std::string Shown(const std::string& label) {
  std::string r;
  for (size_t k = 0; k < label.size(); ++k) {
    if (label[k] == '&' && k + 1 < label.size()) ++k;
    else if (label[k] == '&') continue;
    r += label[k];
  }
  return r;
}

// The lower-case letter after a single '&', or 0.
char AccelLetter(const std::string& label) {
  for (size_t k = 0; k + 1 < label.size(); ++k) {
    if (label[k] != '&') continue;
    if (label[k + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(label[k + 1])));
    ++k;
  }
  return 0;
}

HFONT MenuFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// Releases a screen DC with its font put back.
struct ScreenDC {
  HDC Dc = GetDC(nullptr);
  HGDIOBJ OldFont = SelectObject(Dc, MenuFont());
  ~ScreenDC() {
    SelectObject(Dc, OldFont);
    ReleaseDC(nullptr, Dc);
  }
  int Width(const std::string& s) const {
    SIZE sz{};
    GetTextExtentPoint32A(Dc, s.c_str(), static_cast<int>(s.size()), &sz);
    return sz.cx;
  }
};

int ItemHeight(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return std::max<int>(tm.tmHeight + 5, 17);
}

// The size the owner gives an owner-drawn item (WM_MEASUREITEM).
SIZE MeasureOwnerDrawn(HWND owner, const MenuItemInfo& i, int defaultHeight) {
  MEASUREITEMSTRUCT mis;
  mis.CtlType = ODT_MENU;
  mis.itemID = static_cast<UINT>(i.Id);
  mis.itemHeight = static_cast<UINT>(defaultHeight);
  mis.itemData = i.Data;
  if (owner) SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  return {static_cast<LONG>(std::min<UINT>(mis.itemWidth, 4096)),
          static_cast<LONG>(std::clamp<UINT>(mis.itemHeight, 1, 1024))};
}

// Lays out the items and answers the window's size.
SIZE Layout(Level& l, HWND owner) {
  ScreenDC dc;
  const int h = ItemHeight(dc.Dc);
  int textW = 0, accelW = 0, ownerW = 0;
  std::vector<int> heights;
  for (const MenuItemInfo& i : l.Items) {
    if (IsOwnerDrawn(i)) {
      const SIZE s = MeasureOwnerDrawn(owner, i, h);
      // The owner's width leaves out the check-mark column the menu adds.
      ownerW = std::max<int>(ownerW, s.cx + kCheckWidth);
      heights.push_back(s.cy);
      continue;
    }
    heights.push_back(IsSeparator(i) ? kSeparatorHeight : h);
    if (IsSeparator(i)) continue;
    textW = std::max(textW, dc.Width(Shown(Label(i))));
    accelW = std::max(accelW, dc.Width(AccelText(i)));
  }
  const int inner =
      std::max(kCheckWidth + textW + (accelW ? kAccelGap + accelW : 0) + kArrowWidth, ownerW);
  l.AccelX = kBorder + kCheckWidth + textW + kAccelGap;
  l.Rects.clear();
  int y = kBorder;
  for (size_t k = 0; k < l.Items.size(); ++k) {
    const int ih = heights[k];
    l.Rects.push_back({kBorder, y, kBorder + inner, y + ih});
    y += ih;
  }
  return {inner + 2 * kBorder, y + kBorder};
}

void FillColor(HDC dc, const RECT& r, int sysColor) { FillRect(dc, &r, GetSysColorBrush(sysColor)); }

void FillBox(HDC dc, int x, int y, int w, int h, COLORREF c) {
  HBRUSH b = CreateSolidBrush(c);
  RECT r{x, y, x + w, y + h};
  FillRect(dc, &r, b);
  DeleteObject(b);
}

// A check mark 7 pixels wide and 5 high (each column 3 pixels tall), centred on (cx, cy).
void DrawCheck(HDC dc, int cx, int cy, COLORREF c) {
  static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int k = 0; k < 7; ++k) FillBox(dc, cx - 3 + k, cy - 3 + kTop[k], 1, 3, c);
}

void DrawDot(HDC dc, int cx, int cy, COLORREF c) {
  FillBox(dc, cx - 1, cy - 3, 2, 6, c);
  FillBox(dc, cx - 3, cy - 1, 6, 2, c);
  FillBox(dc, cx - 2, cy - 2, 4, 4, c);
}

// A right-pointing triangle 4 pixels wide and 7 high, centred on (cx, cy).
void DrawArrow(HDC dc, int cx, int cy, COLORREF c) {
  for (int k = 0; k < 4; ++k) FillBox(dc, cx - 2 + k, cy - 3 + k, 1, 7 - 2 * k, c);
}

void DrawItemText(HDC dc, const Level& l, const MenuItemInfo& i, RECT r, COLORREF c) {
  SetTextColor(dc, c);
  RECT tr{r.Left + kCheckWidth, r.Top, r.Right, r.Bottom};
  const std::string label = Label(i);
  DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &tr, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  const std::string accel = AccelText(i);
  if (!accel.empty()) {
    RECT ar{l.AccelX + (r.Left - kBorder), r.Top, r.Right, r.Bottom};
    DrawTextA(dc, accel.c_str(), static_cast<int>(accel.size()), &ar,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  }
}

void DrawOwnerDrawn(HDC dc, HWND owner, const Level& l, const MenuItemInfo& i, const RECT& r,
                    bool hot) {
  DRAWITEMSTRUCT dis;
  dis.CtlType = ODT_MENU;
  dis.itemID = static_cast<UINT>(i.Id);
  dis.itemAction = ODA_DRAWENTIRE;
  if (hot) dis.itemState |= ODS_SELECTED;
  if (i.Flags & MF_GRAYED) dis.itemState |= ODS_GRAYED;
  if (i.Flags & MF_DISABLED) dis.itemState |= ODS_DISABLED;
  if (i.Flags & MF_CHECKED) dis.itemState |= ODS_CHECKED;
  if (i.Flags & MF_DEFAULT) dis.itemState |= ODS_DEFAULT;
  dis.hwndItem = reinterpret_cast<HWND>(l.Menu);
  dis.hDC = dc;
  dis.rcItem = r;
  dis.itemData = i.Data;
  TSavedDC saved(dc);
  SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

void PaintLevel(HDC dc, const Level& l, HWND owner) {
  RECT all;
  GetClientRect(l.Window, &all);
  FillColor(dc, all, COLOR_MENU);
  RECT edge = all;
  DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
  HGDIOBJ oldFont = SelectObject(dc, MenuFont());
  SetBkMode(dc, TRANSPARENT);
  for (size_t k = 0; k < l.Items.size() && k < l.Rects.size(); ++k) {
    const MenuItemInfo& i = l.Items[k];
    const RECT r = l.Rects[k];
    if (IsSeparator(i)) {
      RECT line{r.Left, r.Top + kSeparatorHeight / 2 - 1, r.Right, r.Top + kSeparatorHeight / 2 + 1};
      DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
      continue;
    }
    const bool hot = static_cast<int>(k) == l.Highlighted;
    if (IsOwnerDrawn(i)) {
      if (owner) DrawOwnerDrawn(dc, owner, l, i, r, hot);
      if (i.SubMenu)
        DrawArrow(dc, r.Right - kArrowWidth / 2, (r.Top + r.Bottom) / 2,
                  GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
      continue;
    }
    if (hot) FillColor(dc, r, COLOR_HIGHLIGHT);
    const bool disabled = IsDisabled(i);
    const COLORREF fore = GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    if (disabled && !hot) {
      // Grey etched: a white copy one pixel down and right under the grey text.
      RECT shifted{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
      DrawItemText(dc, l, i, shifted, GetSysColor(COLOR_3DHILIGHT));
      DrawItemText(dc, l, i, r, GetSysColor(COLOR_GRAYTEXT));
    } else {
      DrawItemText(dc, l, i, r, disabled ? GetSysColor(COLOR_GRAYTEXT) : fore);
    }
    const COLORREF mark = disabled ? GetSysColor(COLOR_GRAYTEXT) : fore;
    const int cy = (r.Top + r.Bottom) / 2;
    if (i.Flags & MF_CHECKED) {
      if (i.Flags & MFT_RADIOCHECK) DrawDot(dc, r.Left + kCheckWidth / 2, cy, mark);
      else DrawCheck(dc, r.Left + kCheckWidth / 2, cy, mark);
    }
    if (i.SubMenu) DrawArrow(dc, r.Right - kArrowWidth / 2, cy, mark);
  }
  SelectObject(dc, oldFont);
}

Level* LevelOf(HWND h) {
  if (!g_active) return nullptr;
  for (Level& l : g_active->Levels)
    if (l.Window == h) return &l;
  return nullptr;
}

LRESULT MenuWndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(h, &ps);
      if (const Level* l = LevelOf(h))
        PaintLevel(dc, *l, Notifies(*g_active) ? g_active->Owner : nullptr);
      EndPaint(h, &ps);
      return 0;
    }
    default: return DefWindowProcA(h, msg, wp, lp);
  }
}

void EnsureClass() {
  WNDCLASSA probe;
  if (GetClassInfoA(nullptr, kMenuClass, &probe)) return;
  WNDCLASSA wc;
  wc.lpfnWndProc = MenuWndProc;
  wc.lpszClassName = kMenuClass;
  wc.style = CS_SAVEBITS;
  RegisterClassA(&wc);
}

void Redraw(const Level& l) {
  if (l.Window) InvalidateRect(l.Window, nullptr, FALSE);
}

void SendSelect(Tracker& t, const Level& l) {
  if (!Notifies(t) || l.Highlighted < 0) return;
  const MenuItemInfo& i = l.Items[static_cast<size_t>(l.Highlighted)];
  UINT flags = (i.Flags & 0xFFFF & ~MF_POPUP) | MF_HILITE;
  WORD item = static_cast<WORD>(i.Id);
  if (i.SubMenu) {
    flags |= MF_POPUP;
    item = static_cast<WORD>(l.Highlighted);
  }
  if (t.System) flags |= MF_SYSMENU;
  SendMessageA(t.Owner, WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(l.Menu));
}

void Highlight(Tracker& t, size_t level, int index) {
  Level& l = t.Levels[level];
  if (l.Highlighted == index) return;
  l.Highlighted = index;
  Redraw(l);
  SendSelect(t, l);
}

void CloseLevelsFrom(Tracker& t, size_t level) {
  while (t.Levels.size() > level) {
    if (t.Levels.back().Window) DestroyWindow(t.Levels.back().Window);
    t.Levels.pop_back();
  }
}

// Shows `menu` with its top-left corner near (x, y) by the alignment flags, kept on screen;
// `flipX` is where the left edge goes when the menu does not fit to the right.
void OpenLevel(Tracker& t, HMENU menu, int x, int y, int flipX, WORD indexInParent) {
  if (t.Levels.size() >= kMaxLevels) return;
  if (Notifies(t))
    SendMessageA(t.Owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu),
                 MAKELPARAM(indexInParent, t.System ? 1 : 0));
  Level l;
  l.Menu = menu;
  if (!user::ReadMenu(menu, l.Items, nullptr) || t.Done) return;
  const SIZE size = Layout(l, Notifies(t) ? t.Owner : nullptr);
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  if (t.Levels.empty()) {
    if (t.Flags & TPM_CENTERALIGN) x -= size.cx / 2;
    else if (t.Flags & TPM_RIGHTALIGN) x -= size.cx;
    if (t.Flags & TPM_VCENTERALIGN) y -= size.cy / 2;
    else if (t.Flags & TPM_BOTTOMALIGN) y -= size.cy;
  }
  if (x + size.cx > screenW) x = flipX - size.cx;
  if (y + size.cy > screenH) y = screenH - size.cy;
  x = std::max(x, 0);
  y = std::max(y, 0);
  l.Window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kMenuClass, "", WS_POPUP, x, y,
                             size.cx, size.cy, t.Owner, nullptr, nullptr, nullptr);
  if (!l.Window) return;
  t.Levels.push_back(std::move(l));
  ShowWindow(t.Levels.back().Window, SW_SHOWNA);
}

// Opens the submenu of the highlighted item of `level` (closing deeper menus of other items).
void OpenSubmenu(Tracker& t, size_t level, bool selectFirst);

int NextSelectable(const Level& l, int from, int step) {
  const int n = static_cast<int>(l.Items.size());
  for (int k = 1; k <= n; ++k) {
    const int i = ((from < 0 ? (step > 0 ? -1 : n) : from) + step * k % n + 2 * n) % n;
    if (!IsSeparator(l.Items[static_cast<size_t>(i)])) return i;
  }
  return -1;
}

void OpenSubmenu(Tracker& t, size_t level, bool selectFirst) {
  Level& l = t.Levels[level];
  if (l.Highlighted < 0) return;
  const MenuItemInfo item = l.Items[static_cast<size_t>(l.Highlighted)];
  if (!item.SubMenu || IsDisabled(item)) return;
  if (t.Levels.size() > level + 1 && t.Levels[level + 1].Menu == item.SubMenu) {
    if (selectFirst && t.Levels[level + 1].Highlighted < 0)
      Highlight(t, level + 1, NextSelectable(t.Levels[level + 1], -1, 1));
    return;
  }
  CloseLevelsFrom(t, level + 1);
  RECT win;
  GetWindowRect(l.Window, &win);
  const RECT r = l.Rects[static_cast<size_t>(l.Highlighted)];
  OpenLevel(t, item.SubMenu, win.Right - kBorder, win.Top + r.Top - kBorder, win.Left + kBorder,
            static_cast<WORD>(l.Highlighted));
  if (selectFirst && t.Levels.size() > level + 1)
    Highlight(t, level + 1, NextSelectable(t.Levels[level + 1], -1, 1));
}

void Choose(Tracker& t, const MenuItemInfo& i) {
  t.Chosen = true;
  t.Command = i.Id;
  t.Done = true;
}

// Enter on an item, or its accelerator: opens its submenu or chooses it.
void Activate(Tracker& t, size_t level, int index) {
  Highlight(t, level, index);
  const MenuItemInfo& i = t.Levels[level].Items[static_cast<size_t>(index)];
  if (IsDisabled(i)) return;
  if (i.SubMenu) OpenSubmenu(t, level, true);
  else Choose(t, i);
}

// The menu level and item under a screen point; level -1 when outside every menu.
void HitTest(const Tracker& t, POINT pt, int& level, int& index) {
  level = index = -1;
  for (int k = static_cast<int>(t.Levels.size()) - 1; k >= 0; --k) {
    const Level& l = t.Levels[static_cast<size_t>(k)];
    RECT win;
    GetWindowRect(l.Window, &win);
    if (!PtInRect(&win, pt)) continue;
    level = k;
    for (size_t i = 0; i < l.Rects.size(); ++i) {
      RECT r = l.Rects[i];
      OffsetRect(&r, win.Left, win.Top);
      if (PtInRect(&r, pt)) index = static_cast<int>(i);
    }
    return;
  }
}

void OnMouse(Tracker& t, const MSG& m) {
  int level, index;
  HitTest(t, m.pt, level, index);
  const UINT msg = m.message;
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
                    msg == WM_NCLBUTTONDOWN || msg == WM_NCRBUTTONDOWN || msg == WM_NCMBUTTONDOWN;
  const bool up = msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP ||
                  ((t.Flags & TPM_RIGHTBUTTON) && (msg == WM_RBUTTONUP || msg == WM_NCRBUTTONUP));
  if (level < 0) {
    const int bar = t.BarHit ? t.BarHit(m.pt) : -1;
    if (bar >= 0 && bar != t.BarCurrent && (down || msg == WM_MOUSEMOVE || msg == WM_NCMOUSEMOVE)) {
      t.GoTo = bar;  // the mouse moved on to another item of the bar
      t.Done = true;
    } else if (down) {
      t.Done = true;  // a click outside every menu (or on its own bar item) cancels it
    }
    return;
  }
  const size_t lv = static_cast<size_t>(level);
  if (index < 0 || IsSeparator(t.Levels[lv].Items[static_cast<size_t>(index)])) return;
  // Pointing at an item of an outer menu closes the submenus of its other items.
  if (t.Levels.size() > lv + 1 &&
      t.Levels[lv + 1].Menu != t.Levels[lv].Items[static_cast<size_t>(index)].SubMenu)
    CloseLevelsFrom(t, lv + 1);
  if (t.Levels.size() > lv + 1 && t.Levels[lv + 1].Highlighted >= 0 && !up) {
    Level& child = t.Levels[lv + 1];
    child.Highlighted = -1;
    Redraw(child);
  }
  Highlight(t, lv, index);
  const MenuItemInfo item = t.Levels[lv].Items[static_cast<size_t>(index)];
  if (item.SubMenu) OpenSubmenu(t, lv, false);
  else if (up && !IsDisabled(item)) Choose(t, item);
}

void OnKey(Tracker& t, MSG& m) {
  const size_t top = t.Levels.size() - 1;
  Level& l = t.Levels[top];
  switch (m.wParam) {
    case VK_DOWN: Highlight(t, top, NextSelectable(l, l.Highlighted, 1)); return;
    case VK_UP: Highlight(t, top, NextSelectable(l, l.Highlighted, -1)); return;
    case VK_RIGHT: {
      const int h = l.Highlighted;
      const bool opens = h >= 0 && l.Items[static_cast<size_t>(h)].SubMenu &&
                         !IsDisabled(l.Items[static_cast<size_t>(h)]);
      if (!opens && t.BarHit) {
        t.Move = 1;
        t.Done = true;
        return;
      }
      OpenSubmenu(t, top, true);
      return;
    }
    case VK_LEFT:
      if (top > 0) {
        CloseLevelsFrom(t, top);
      } else if (t.BarHit) {
        t.Move = -1;
        t.Done = true;
      }
      return;
    case VK_ESCAPE:
      if (top > 0) {
        CloseLevelsFrom(t, top);
      } else {
        t.Escaped = true;
        t.Done = true;
      }
      return;
    case VK_RETURN:
      if (l.Highlighted >= 0) Activate(t, top, l.Highlighted);
      return;
    case VK_MENU:
    case VK_F10: t.Done = true; return;
    default: TranslateMessage(&m); return;
  }
}

void OnChar(Tracker& t, const MSG& m) {
  const size_t top = t.Levels.size() - 1;
  Level& l = t.Levels[top];
  const char c = static_cast<char>(std::tolower(static_cast<int>(m.wParam & 0xFF)));
  std::vector<int> matches;
  for (size_t i = 0; i < l.Items.size(); ++i)
    if (!IsSeparator(l.Items[i]) && AccelLetter(Label(l.Items[i])) == c)
      matches.push_back(static_cast<int>(i));
  if (matches.size() == 1) {
    Activate(t, top, matches[0]);
    return;
  }
  if (matches.size() > 1) {
    // Several items share the letter: each press moves to the next of them.
    auto next = std::upper_bound(matches.begin(), matches.end(), l.Highlighted);
    Highlight(t, top, next == matches.end() ? matches[0] : *next);
    return;
  }
  LRESULT answer = MNC_IGNORE;
  if (Notifies(t))
    answer = SendMessageA(t.Owner, WM_MENUCHAR, MAKEWPARAM(m.wParam & 0xFFFF, MF_POPUP),
                          reinterpret_cast<LPARAM>(l.Menu));
  const int index = LOWORD(answer);
  const bool valid = index < static_cast<int>(l.Items.size()) && !IsSeparator(l.Items[static_cast<size_t>(index)]);
  switch (HIWORD(answer)) {
    case MNC_CLOSE: t.Done = true; return;
    case MNC_EXECUTE:
      if (valid) Activate(t, top, index);
      return;
    case MNC_SELECT:
      if (valid) Highlight(t, top, index);
      return;
    default: MessageBeep(0); return;
  }
}

bool IsMouse(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL) ||
         (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

// Waits for input when the queue is empty; answers false when the menu is to be cancelled.
bool WaitForInput(const bool* done, int& handlerRuns) {
  user::MenuIdlePolicy& p = IdlePolicy();
  MSG m;
  if (p.Handler) {
    if (++handlerRuns > 10000) throw vcl::EInvalidOperation("The menu handler never ends the menu");
    p.Handler();
    if ((done && *done) || PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE)) return true;
  }
  if (p.CloseWhenIdle) return false;
  if (CurrentClock().IsVirtual()) {
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 60000, QS_ALLINPUT) == WAIT_TIMEOUT)
      throw vcl::EInvalidOperation("A menu was left open without input");
  } else {
    WaitMessage();
  }
  return true;
}

// Ends the tracking whatever way the loop is left: closes the windows, releases the capture
// and tells the owner the menu loop is over.
struct TrackGuard {
  Tracker& T;
  ~TrackGuard() {
    try {
      CloseLevelsFrom(T, 0);
      if (GetCapture()) ReleaseCapture();
      if (Notifies(T) && !T.InBar && IsWindow(T.Owner)) {
        SendMessageA(T.Owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
        SendMessageA(T.Owner, WM_EXITMENULOOP, TRUE, 0);
      }
    } catch (...) {  // a destructor lets nothing out: the tracking ends all the same
    }
    g_active = nullptr;
  }
};

// Runs the menu loop of `t` for `menu` shown at (x, y); false when the menu could not open.
bool Run(Tracker& t, HMENU menu, int x, int y, int flipX, bool selectFirst, bool initMenu) {
  EnsureClass();
  g_active = &t;
  TrackGuard guard{t};
  if (Notifies(t) && initMenu) {
    SendMessageA(t.Owner, WM_ENTERMENULOOP, TRUE, 0);
    SendMessageA(t.Owner, WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
  }
  OpenLevel(t, menu, x, y, flipX, 0);
  if (t.Levels.empty()) return false;
  if (selectFirst) Highlight(t, 0, NextSelectable(t.Levels[0], -1, 1));
  SetCapture(t.Levels[0].Window);
  int handlerRuns = 0;
  while (!t.Done && !t.Levels.empty()) {
    MSG m;
    if (!PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (!WaitForInput(&t.Done, handlerRuns)) t.Done = true;
      continue;
    }
    if (m.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    if (IsMouse(m.message))
      OnMouse(t, m);
    else if (m.message == WM_KEYDOWN || m.message == WM_SYSKEYDOWN)
      OnKey(t, m);
    else if (m.message == WM_CHAR || m.message == WM_SYSCHAR)
      OnChar(t, m);
    else if (m.message == WM_KEYUP || m.message == WM_SYSKEYUP || m.message == WM_MOUSEWHEEL)
      continue;
    else
      DispatchMessageA(&m);
  }
  return true;
}

}  // namespace

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, LPTPMPARAMS) {
  std::vector<MenuItemInfo> probe;
  bool system = false;
  if (!user::ReadMenu(menu, probe, &system) || !IsWindow(owner)) return FALSE;
  if (g_active) return FALSE;  // one menu is tracked at a time
  Tracker t;
  t.Owner = owner;
  t.Flags = flags;
  t.System = system;
  if (!Run(t, menu, x, y, x, false, true)) return FALSE;
  if (!t.Chosen) return FALSE;
  if (flags & TPM_RETURNCMD) return static_cast<BOOL>(t.Command);
  if (!(flags & TPM_NONOTIFY) && IsWindow(owner))
    PostMessageA(owner, system ? WM_SYSCOMMAND : WM_COMMAND, t.Command, 0);
  return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

BOOL EndMenu() {
  if (!g_active) return FALSE;
  g_active->Done = true;
  return TRUE;
}

namespace user {

std::vector<OpenMenuInfo> OpenMenus() {
  std::vector<OpenMenuInfo> r;
  if (!g_active) return r;
  for (const Level& l : g_active->Levels) {
    OpenMenuInfo o;
    o.Menu = l.Menu;
    o.Window = l.Window;
    o.Highlighted = l.Highlighted;
    o.Items = l.Items;
    RECT win;
    GetWindowRect(l.Window, &win);
    for (RECT rc : l.Rects) {
      OffsetRect(&rc, win.Left, win.Top);
      o.Rects.push_back(rc);
    }
    r.push_back(std::move(o));
  }
  return r;
}

MenuIdlePolicy& MenuIdle() { return IdlePolicy(); }

bool WaitForMenuInput(int& handlerRuns) { return WaitForInput(nullptr, handlerRuns); }

BarTrack TrackMenuFromBar(HMENU menu, int x, int y, HWND owner, bool system, bool selectFirst,
                          const std::function<int(POINT)>& barHit, int current) {
  BarTrack r;
  if (g_active || !IsWindow(owner)) return r;
  Tracker t;
  t.Owner = owner;
  t.Flags = TPM_LEFTALIGN | TPM_LEFTBUTTON;
  t.System = system;
  t.BarHit = barHit;
  t.BarCurrent = current;
  t.InBar = true;
  if (!Run(t, menu, x, y, x, selectFirst, false)) return r;
  r.Chosen = t.Chosen;
  r.Command = t.Command;
  r.Move = t.Move;
  r.GoTo = t.GoTo;
  r.Escaped = t.Escaped;
  return r;
}

void ResetMenuTracking() { IdlePolicy() = MenuIdlePolicy{}; }

}  // namespace user

}  // namespace win
