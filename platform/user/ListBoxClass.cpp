// The window system's LISTBOX class: items with data, single, multiple and extended
// selection, sorting, owner-drawn items of fixed and variable height (WM_MEASUREITEM and
// WM_DRAWITEM to the parent), the LB_ messages, LBN_ notifications, keyboard and mouse
// selection, a vertical scroll bar and painting in the classic look.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/rtl/FileUtils.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/GapVector.h"
#include "platform/user/ListOrder.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

struct Item {
  std::string Text;
  UINT_PTR Data = 0;
  int Height = 0;  // variable-height lists only
  bool Sel = false;
};

struct ListBox {
  HWND Hwnd = nullptr;
  GapVector<Item> Items;
  int Top = 0;
  int Caret = -1;   // the focused item
  int Anchor = -1;  // where a shift-extended range starts
  int Cur = -1;     // the selected item of a single-selection list
  int ItemHeight = 16;
  int HExtent = 0;
  int XOffset = 0;
  int ColumnWidth = 0;
  bool Focused = false;
  bool Tracking = false;
  bool ExtendOn = true;
  bool WantV = false;  // created with a vertical scroll bar
  // The scroll bar was set without being drawn; its frame is invalid until the next WM_NCPAINT.
  bool BarStale = false;
  HFONT Font = nullptr;
};

// A list's state is shared with the running calls of its window procedure: the parent may destroy
// the window while the list tells it of its work, and the state stays until those calls return.
std::unordered_map<HWND, std::shared_ptr<ListBox>>& Table() {
  static std::unordered_map<HWND, std::shared_ptr<ListBox>> t;
  return t;
}

DWORD StyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)); }
bool OwnerDraw(DWORD st) { return st & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }
bool Variable(DWORD st) { return (st & LBS_OWNERDRAWVARIABLE) && !(st & LBS_MULTICOLUMN); }
bool HasStrings(DWORD st) { return !OwnerDraw(st) || (st & LBS_HASSTRINGS); }
bool Multi(DWORD st) { return st & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }
bool Extended(DWORD st) { return st & LBS_EXTENDEDSEL; }

unsigned char Lower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}

int Count(const ListBox& lb) { return static_cast<int>(lb.Items.size()); }
bool Valid(const ListBox& lb, int i) { return i >= 0 && i < Count(lb); }

void Notify(const ListBox& lb, WORD code) {
  if (HWND parent = GetParent(lb.Hwnd))
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(lb.Hwnd)), code),
                 reinterpret_cast<LPARAM>(lb.Hwnd));
}

void NotifyIf(const ListBox& lb, WORD code) {
  if (StyleOf(lb.Hwnd) & LBS_NOTIFY) Notify(lb, code);
}

int ClientHeight(const ListBox& lb) {
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  return c.Bottom - c.Top;
}

int HeightOf(const ListBox& lb, int i) {
  return Variable(StyleOf(lb.Hwnd)) && Valid(lb, i) ? lb.Items[static_cast<size_t>(i)].Height
                                                    : lb.ItemHeight;
}

// Items that fit wholly from `top` down (at least one).
int PageFrom(const ListBox& lb, int top) {
  const int h = ClientHeight(lb);
  if (!Variable(StyleOf(lb.Hwnd))) return std::max(1, h / std::max(1, lb.ItemHeight));
  int used = 0, n = 0;
  for (int i = top; i < Count(lb); ++i) {
    used += HeightOf(lb, i);
    if (used > h) break;
    ++n;
  }
  return std::max(1, n);
}

// The highest top index that still shows the last item at the bottom.
int MaxTop(const ListBox& lb) {
  const int n = Count(lb);
  if (n == 0) return 0;
  if (!Variable(StyleOf(lb.Hwnd))) return std::max(0, n - PageFrom(lb, 0));
  const int h = ClientHeight(lb);
  int used = 0, i = n - 1;
  for (; i >= 0; --i) {
    used += HeightOf(lb, i);
    if (used > h) break;
  }
  return std::clamp(i + 1, 0, n - 1);
}

// Sets the vertical scroll bar from the items; `redraw` draws it at once.
void UpdateScroll(ListBox& lb, bool redraw = true) {
  const DWORD st = StyleOf(lb.Hwnd);
  if (!lb.WantV) return;
  SCROLLINFO si;
  si.fMask =
      SIF_RANGE | SIF_PAGE | SIF_POS | ((st & LBS_DISABLENOSCROLL) ? SIF_DISABLENOSCROLL : 0);
  const int n = Count(lb);
  const int page = Variable(st) ? MaxTop(lb) == 0 ? n : PageFrom(lb, MaxTop(lb)) : PageFrom(lb, 0);
  si.nMin = 0;
  si.nMax = std::max(0, n - 1);
  si.nPage = static_cast<UINT>(std::min(page, std::max(n, 1)));
  si.nPos = lb.Top;
  SetScrollInfo(lb.Hwnd, SB_VERT, &si, redraw ? TRUE : FALSE);
}

// Adding or removing items sets the scroll bar at once but leaves drawing it to the next
// paint: its part of the frame is invalidated once, however many items come before it.
void UpdateScrollLater(ListBox& lb) {
  if (!lb.WantV) return;
  UpdateScroll(lb, false);
  if (lb.BarStale || !(StyleOf(lb.Hwnd) & WS_VSCROLL)) return;
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  // In client coordinates, the strip right of the client area where the bar stands.
  const RECT bar{c.Right, c.Top, c.Right + GetSystemMetrics(SM_CXVSCROLL), c.Bottom};
  RedrawWindow(lb.Hwnd, &bar, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
  lb.BarStale = true;
}

// The rectangle of item i in client coordinates (possibly outside the client area).
RECT ItemRect(const ListBox& lb, int i) {
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  int y = 0;
  if (Variable(StyleOf(lb.Hwnd))) {
    if (i >= lb.Top)
      for (int k = lb.Top; k < i; ++k) y += HeightOf(lb, k);
    else
      for (int k = i; k < lb.Top; ++k) y -= HeightOf(lb, k);
  } else {
    y = (i - lb.Top) * lb.ItemHeight;
  }
  const int width = std::max<int>(c.Right, lb.HExtent);
  return RECT{-lb.XOffset, y, width - lb.XOffset, y + HeightOf(lb, i)};
}

// The item under a client point (the nearest one when outside); -1 for an empty list.
int ItemAt(const ListBox& lb, int y, bool* outside = nullptr) {
  const int n = Count(lb);
  if (outside) *outside = true;
  if (n == 0) return -1;
  if (y < 0) return std::max(0, lb.Top - 1);
  if (!Variable(StyleOf(lb.Hwnd))) {
    const int k = lb.Top + y / std::max(1, lb.ItemHeight);
    if (outside) *outside = k >= n;
    return std::min(k, n - 1);
  }
  int top = 0;
  for (int i = lb.Top; i < n; ++i) {
    top += HeightOf(lb, i);
    if (y < top) {
      if (outside) *outside = false;
      return i;
    }
  }
  return n - 1;
}

void InvalidateItem(const ListBox& lb, int i) {
  if (!Valid(lb, i)) return;
  RECT r = ItemRect(lb, i);
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  RECT x;
  if (IntersectRect(&x, &r, &c)) InvalidateRect(lb.Hwnd, &x, TRUE);
}

// Selects or deselects an item, redrawing it when that changes it; answers whether it did.
bool SetItemSel(ListBox& lb, int i, bool on) {
  Item& it = lb.Items[static_cast<size_t>(i)];
  if (it.Sel == on) return false;
  it.Sel = on;
  InvalidateItem(lb, i);
  return true;
}

void SetTop(ListBox& lb, int top) {
  top = std::clamp(top, 0, MaxTop(lb));
  if (top == lb.Top) return;
  lb.Top = top;
  InvalidateRect(lb.Hwnd, nullptr, TRUE);
  UpdateScroll(lb);
}

void MakeVisible(ListBox& lb, int i) {
  if (!Valid(lb, i)) return;
  if (i < lb.Top) {
    SetTop(lb, i);
    return;
  }
  // Move the top down until the item's bottom fits.
  int top = lb.Top;
  while (top < i) {
    const bool fits = [&] {
      int used = 0;
      for (int k = top; k <= i; ++k) {
        used += HeightOf(lb, k);
        if (used > ClientHeight(lb)) return false;
      }
      return true;
    }();
    if (fits) break;
    if (!Variable(StyleOf(lb.Hwnd))) {
      top = std::max(top + 1, i - PageFrom(lb, 0) + 1);
      break;
    }
    ++top;
  }
  SetTop(lb, top);
}

bool IsSelected(const ListBox& lb, int i) {
  if (!Valid(lb, i)) return false;
  return Multi(StyleOf(lb.Hwnd)) ? lb.Items[static_cast<size_t>(i)].Sel : i == lb.Cur;
}

void SetCaret(ListBox& lb, int i) {
  if (lb.Caret == i) return;
  InvalidateItem(lb, lb.Caret);
  lb.Caret = i;
  InvalidateItem(lb, lb.Caret);
}

void SetCur(ListBox& lb, int i) {
  if (lb.Cur == i) return;
  InvalidateItem(lb, lb.Cur);
  lb.Cur = i;
  InvalidateItem(lb, lb.Cur);
}

// Sets the selection of items first..last (inclusive, any order) in a multi-selection list;
// answers whether anything changed.
bool SelectRange(ListBox& lb, int first, int last, bool on) {
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, Count(lb) - 1);
  bool changed = false;
  for (int i = first; i <= last; ++i) changed |= SetItemSel(lb, i, on);
  return changed;
}

bool SelectOnly(ListBox& lb, int first, int last) {
  bool changed = false;
  if (first > last) std::swap(first, last);
  for (int i = 0; i < Count(lb); ++i) changed |= SetItemSel(lb, i, i >= first && i <= last);
  return changed;
}

int MeasureItem(ListBox& lb, int index, UINT_PTR data) {
  MEASUREITEMSTRUCT mis;
  mis.CtlType = ODT_LISTBOX;
  mis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.Hwnd));
  mis.itemID = static_cast<UINT>(index);
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  mis.itemWidth = static_cast<UINT>(c.Right);
  mis.itemHeight = static_cast<UINT>(lb.ItemHeight);
  mis.itemData = data;
  if (HWND parent = GetParent(lb.Hwnd))
    SendMessageA(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
  return std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

void FontHeight(ListBox& lb) { lb.ItemHeight = user::FontLineHeight(lb.Hwnd, lb.Font); }

LRESULT Insert(ListBox& lb, int index, LPARAM lp, bool sortIt) {
  const DWORD st = StyleOf(lb.Hwnd);
  if (st & LBS_NODATA) return LB_ERR;
  Item it;
  if (HasStrings(st)) {
    if (lp) it.Text = reinterpret_cast<const char*>(lp);
  } else {
    it.Data = static_cast<UINT_PTR>(lp);
  }
  const int n = Count(lb);
  if (sortIt && (st & LBS_SORT) && HasStrings(st)) {
    // After the last item that does not sort after the new one.
    size_t lo = 0, hi = lb.Items.size();
    while (lo < hi) {
      const size_t mid = lo + (hi - lo) / 2;
      if (ListCompareText(it.Text, lb.Items[mid].Text) < 0)
        hi = mid;
      else
        lo = mid + 1;
    }
    index = static_cast<int>(lo);
  } else if (index < 0 || index > n) {
    if (index != -1 && index > n) return LB_ERR;
    index = n;
  }
  if (Variable(st)) it.Height = MeasureItem(lb, index, it.Data);
  lb.Items.insert(static_cast<size_t>(index), std::move(it));
  // Indices past the new item move down by one.
  if (lb.Cur >= index) ++lb.Cur;
  if (lb.Caret >= index) ++lb.Caret;
  if (lb.Anchor >= index) ++lb.Anchor;
  if (index < lb.Top + PageFrom(lb, lb.Top) + 1) InvalidateRect(lb.Hwnd, nullptr, TRUE);
  UpdateScrollLater(lb);
  return index;
}

// LB_DIR: the names the pattern (a path with a mask) finds, added as LB_ADDSTRING adds them:
// files that are read-write (no read-only, hidden or system attribute) unless DDL_EXCLUSIVE,
// and those with one of the attributes asked for; folders as "[name]" with DDL_DIRECTORY,
// mapped drives as "[-x-]" with DDL_DRIVES. Answers the index of the last name added, LB_ERR
// when none was.
LRESULT Dir(ListBox& lb, UINT attrs, LPARAM lp) {
  if (!lp) return LB_ERR;
  const std::string pattern = reinterpret_cast<const char*>(lp);
  const int32_t special = static_cast<int32_t>(
      attrs & (DDL_READONLY | DDL_HIDDEN | DDL_SYSTEM | DDL_DIRECTORY | DDL_ARCHIVE));
  std::vector<std::string> names;
  vcl::TSearchRec rec;
  if (vcl::FindFirst(pattern, special, rec) == 0) {
    do {
      if (rec.Attr & vcl::faDirectory) {
        if ((attrs & DDL_DIRECTORY) && rec.Name != ".") names.push_back("[" + rec.Name + "]");
        continue;
      }
      const bool readWrite = (rec.Attr & (vcl::faReadOnly | vcl::faHidden | vcl::faSysFile)) == 0;
      if ((rec.Attr & special) != 0 || (readWrite && !(attrs & DDL_EXCLUSIVE)))
        names.push_back(rec.Name);
    } while (vcl::FindNext(rec) == 0);
    vcl::FindClose(rec);
  }
  if (attrs & DDL_DRIVES)
    for (char letter = 'a'; letter <= 'z'; ++letter)
      if (vcl::DirectoryExists(std::string(1, letter) + ":\\"))
        names.push_back(std::string("[-") + letter + "-]");
  LRESULT last = LB_ERR;
  for (const std::string& name : names) {
    const LRESULT at = Insert(lb, -1, reinterpret_cast<LPARAM>(name.c_str()), true);
    if (at < 0) return at;
    last = at;
  }
  return last;
}

LRESULT Delete(ListBox& lb, int index) {
  if (!Valid(lb, index)) return LB_ERR;
  const DWORD st = StyleOf(lb.Hwnd);
  const Item removed = lb.Items[static_cast<size_t>(index)];
  if (OwnerDraw(st) || removed.Data) {
    DELETEITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.Hwnd));
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = lb.Hwnd;
    dis.itemData = removed.Data;
    if (HWND parent = GetParent(lb.Hwnd))
      SendMessageA(parent, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  }
  lb.Items.erase(static_cast<size_t>(index));
  auto fix = [&](int& v) {
    if (v == index)
      v = -1;
    else if (v > index)
      --v;
  };
  fix(lb.Cur);
  if (lb.Caret > index || (lb.Caret == index && lb.Caret >= Count(lb))) --lb.Caret;
  fix(lb.Anchor);
  lb.Top = std::clamp(lb.Top, 0, MaxTop(lb));
  InvalidateRect(lb.Hwnd, nullptr, TRUE);
  UpdateScrollLater(lb);
  return Count(lb);
}

void Reset(ListBox& lb) {
  const DWORD st = StyleOf(lb.Hwnd);
  if (OwnerDraw(st))
    while (!lb.Items.empty()) Delete(lb, Count(lb) - 1);
  lb.Items.clear();
  lb.Top = 0;
  lb.Cur = lb.Caret = lb.Anchor = -1;
  lb.XOffset = 0;
  InvalidateRect(lb.Hwnd, nullptr, TRUE);
  UpdateScroll(lb);
}

LRESULT Find(const ListBox& lb, WPARAM start, LPARAM lp, bool exact) {
  const int n = Count(lb);
  if (n == 0) return LB_ERR;
  const DWORD st = StyleOf(lb.Hwnd);
  const int from = static_cast<int>(static_cast<LONG>(start));
  const int first = from < -1 || from >= n ? 0 : from + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (first + k) % n;
    const Item& it = lb.Items[static_cast<size_t>(i)];
    if (!HasStrings(st)) {
      if (it.Data == static_cast<UINT_PTR>(lp)) return i;
      continue;
    }
    const std::string s = lp ? reinterpret_cast<const char*>(lp) : "";
    if (exact ? ListCompareText(it.Text, s) == 0 : ListStartsText(it.Text, s)) return i;
  }
  return LB_ERR;
}

// The selection moves to item i by the keyboard or the mouse (shift and control as the
// selection style wants them); answers whether the selection changed.
bool UserSelect(ListBox& lb, int i, bool shift, bool ctrl, bool toggle) {
  if (!Valid(lb, i)) return false;
  const DWORD st = StyleOf(lb.Hwnd);
  if (st & LBS_NOSEL) {
    SetCaret(lb, i);
    return false;
  }
  bool changed = false;
  if (!Multi(st)) {
    changed = lb.Cur != i;
    SetCur(lb, i);
    SetCaret(lb, i);
  } else if (!Extended(st)) {
    SetCaret(lb, i);
    if (toggle) {
      Item& it = lb.Items[static_cast<size_t>(i)];
      it.Sel = !it.Sel;
      InvalidateItem(lb, i);
      changed = true;
    }
  } else {
    if (shift) {
      if (lb.Anchor < 0) lb.Anchor = i;
      changed = ctrl ? SelectRange(lb, lb.Anchor, i, true) : SelectOnly(lb, lb.Anchor, i);
    } else if (ctrl) {
      if (toggle) {
        Item& it = lb.Items[static_cast<size_t>(i)];
        it.Sel = !it.Sel;
        InvalidateItem(lb, i);
        changed = true;
        lb.Anchor = i;
      }
    } else {
      changed = SelectOnly(lb, i, i);
      lb.Anchor = i;
    }
    SetCaret(lb, i);
  }
  MakeVisible(lb, i);
  return changed;
}

void KeyDown(ListBox& lb, WPARAM vk) {
  const int n = Count(lb);
  if (n == 0) return;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const DWORD st = StyleOf(lb.Hwnd);
  const int from = lb.Caret < 0 ? (Multi(st) ? 0 : std::max(lb.Cur, 0)) : lb.Caret;
  int to = from;
  switch (vk) {
    case VK_UP: to = from - 1; break;
    case VK_DOWN: to = from + 1; break;
    case VK_PRIOR: to = from - std::max(1, PageFrom(lb, lb.Top) - 1); break;
    case VK_NEXT: to = from + std::max(1, PageFrom(lb, lb.Top) - 1); break;
    case VK_HOME: to = 0; break;
    case VK_END: to = n - 1; break;
    case VK_SPACE:
      if (Multi(st)) {
        const bool changed =
            UserSelect(lb, from, Extended(st) && shift, !Extended(st) || ctrl, true);
        if (changed) NotifyIf(lb, LBN_SELCHANGE);
      }
      return;
    case VK_LEFT: to = from - 1; break;
    case VK_RIGHT: to = from + 1; break;
    default: return;
  }
  // With nothing selected yet, the first arrow selects the focused item itself.
  if (!Multi(st) && lb.Cur < 0 && (vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT || vk == VK_RIGHT))
    to = from;
  to = std::clamp(to, 0, n - 1);
  if (to == from && lb.Caret >= 0 && (Multi(st) || lb.Cur == to)) return;
  // In a multiple-selection list the arrows move the focus only.
  bool changed = false;
  if (Multi(st) && !Extended(st)) {
    SetCaret(lb, to);
    MakeVisible(lb, to);
  } else {
    changed = UserSelect(lb, to, shift, ctrl, false);
    if (Extended(st) && ctrl && !shift) MakeVisible(lb, to);
  }
  if (changed) NotifyIf(lb, LBN_SELCHANGE);
}

// Typing a character selects the next item starting with it.
void CharTyped(ListBox& lb, WPARAM ch) {
  const DWORD st = StyleOf(lb.Hwnd);
  if (!HasStrings(st) || ch < 32) return;
  const std::string s(1, static_cast<char>(ch));
  const LRESULT i =
      Find(lb, static_cast<WPARAM>(lb.Caret), reinterpret_cast<LPARAM>(s.c_str()), false);
  if (i < 0) return;
  if (UserSelect(lb, static_cast<int>(i), false, false, false)) NotifyIf(lb, LBN_SELCHANGE);
}

void MouseSelect(ListBox& lb, int y, WPARAM keys, bool down) {
  bool outside = false;
  const int i = ItemAt(lb, y, &outside);
  if (i < 0) return;
  const DWORD st = StyleOf(lb.Hwnd);
  bool changed = false;
  if (down) {
    if (Multi(st) && !Extended(st)) {
      lb.ExtendOn = !lb.Items[static_cast<size_t>(i)].Sel;
      changed = UserSelect(lb, i, false, false, true);
      lb.Anchor = i;
    } else {
      changed = UserSelect(lb, i, keys & MK_SHIFT, keys & MK_CONTROL, true);
    }
  } else {
    if (i == lb.Caret && (y >= 0 && y < ClientHeight(lb))) return;
    if (Multi(st) && !Extended(st)) {
      SetCaret(lb, i);
      changed = SelectRange(lb, lb.Anchor, i, lb.ExtendOn);
      MakeVisible(lb, i);
    } else {
      changed = UserSelect(lb, i, Extended(st) ? true : false, keys & MK_CONTROL, false);
    }
  }
  if (changed) NotifyIf(lb, LBN_SELCHANGE);
}

void DrawItem(ListBox& lb, HDC dc, int i, const RECT& r, bool enabled) {
  const DWORD st = StyleOf(lb.Hwnd);
  const bool sel = IsSelected(lb, i);
  const bool focus = lb.Focused && i == lb.Caret;
  if (OwnerDraw(st)) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.Hwnd));
    dis.itemID = static_cast<UINT>(i);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState =
        (sel ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
    dis.hwndItem = lb.Hwnd;
    dis.hDC = dc;
    dis.rcItem = r;
    dis.itemData = Valid(lb, i) ? lb.Items[static_cast<size_t>(i)].Data : 0;
    if (HWND parent = GetParent(lb.Hwnd))
      SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    return;
  }
  const Item& it = lb.Items[static_cast<size_t>(i)];
  const COLORREF oldText = GetTextColor(dc);
  const COLORREF oldBk = GetBkColor(dc);
  if (sel) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
  } else if (!enabled) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  RECT tr = r;
  tr.Left += 2;
  const UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_LEFT |
                     ((st & LBS_USETABSTOPS) ? DT_EXPANDTABS : 0);
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, it.Text.c_str(), static_cast<int>(it.Text.size()), &tr, flags);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBk);
  if (focus) DrawFocusRect(dc, &r);
}

void Paint(ListBox& lb, WPARAM given) {
  const TClientPaintDC paint(lb.Hwnd, given);
  HDC dc = paint;
  RECT client;
  GetClientRect(lb.Hwnd, &client);
  HGDIOBJ oldFont = SelectObject(dc, lb.Font ? lb.Font : GetStockObject(SYSTEM_FONT));
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(lb.Hwnd))
    brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, WM_CTLCOLORLISTBOX,
                                                  reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(lb.Hwnd)));
  if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
  FillRect(dc, &paint.Info().rcPaint, brush);
  const bool enabled = IsWindowEnabled(lb.Hwnd);
  int y = 0;
  // An item's drawing may destroy the window: the rest is not drawn.
  for (int i = lb.Top; i < Count(lb) && y < client.Bottom && IsWindow(lb.Hwnd); ++i) {
    const RECT r = ItemRect(lb, i);
    RECT x;
    if (IntersectRect(&x, &r, &paint.Info().rcPaint)) DrawItem(lb, dc, i, r, enabled);
    y = r.Bottom;
  }
  // An empty owner-drawn list still shows where the focus is.
  if (lb.Items.empty() && lb.Focused && OwnerDraw(StyleOf(lb.Hwnd))) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(lb.Hwnd));
    dis.itemID = static_cast<UINT>(-1);
    dis.itemAction = ODA_FOCUS;
    dis.itemState = ODS_FOCUS;
    dis.hwndItem = lb.Hwnd;
    dis.hDC = dc;
    dis.rcItem = RECT{0, 0, client.Right, lb.ItemHeight};
    if (HWND parent = GetParent(lb.Hwnd))
      SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
  }
  SelectObject(dc, oldFont);
}

void Scroll(ListBox& lb, WORD code) {
  const int page = std::max(1, PageFrom(lb, lb.Top) - 1);
  switch (code) {
    case SB_LINEUP: SetTop(lb, lb.Top - 1); break;
    case SB_LINEDOWN: SetTop(lb, lb.Top + 1); break;
    case SB_PAGEUP: SetTop(lb, lb.Top - page); break;
    case SB_PAGEDOWN: SetTop(lb, lb.Top + page); break;
    case SB_TOP: SetTop(lb, 0); break;
    case SB_BOTTOM: SetTop(lb, MaxTop(lb)); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(lb.Hwnd, SB_VERT, &si);
      SetTop(lb, si.nTrackPos);
      break;
    }
    default: break;
  }
}

void HScroll(ListBox& lb, WORD code) {
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  const int maxOff = std::max(0, lb.HExtent - static_cast<int>(c.Right));
  int off = lb.XOffset;
  switch (code) {
    case SB_LINELEFT: off -= 8; break;
    case SB_LINERIGHT: off += 8; break;
    case SB_PAGELEFT: off -= c.Right; break;
    case SB_PAGERIGHT: off += c.Right; break;
    case SB_LEFT: off = 0; break;
    case SB_RIGHT: off = maxOff; break;
    default: break;
  }
  off = std::clamp(off, 0, maxOff);
  if (off == lb.XOffset) return;
  lb.XOffset = off;
  SetScrollPos(lb.Hwnd, SB_HORZ, off, TRUE);
  InvalidateRect(lb.Hwnd, nullptr, TRUE);
}

void SetHExtent(ListBox& lb, int extent) {
  lb.HExtent = std::max(0, extent);
  if (!(StyleOf(lb.Hwnd) & WS_HSCROLL) && lb.HExtent == 0) return;
  RECT c;
  GetClientRect(lb.Hwnd, &c);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, lb.HExtent - 1);
  si.nPage = static_cast<UINT>(c.Right + 1);
  lb.XOffset = std::clamp(lb.XOffset, 0, std::max(0, lb.HExtent - static_cast<int>(c.Right)));
  si.nPos = lb.XOffset;
  SetScrollInfo(lb.Hwnd, SB_HORZ, &si, TRUE);
  InvalidateRect(lb.Hwnd, nullptr, TRUE);
}

// Without LBS_NOINTEGRALHEIGHT a list shows whole items only: a client area higher than one
// item that would show part of one more loses that part off the window's height. Answers
// whether the window was made lower.
bool FitWholeItems(ListBox& lb) {
  const DWORD st = StyleOf(lb.Hwnd);
  if ((st & LBS_NOINTEGRALHEIGHT) || Variable(st)) return false;
  const int h = ClientHeight(lb), rest = h % std::max(1, lb.ItemHeight);
  if (h <= lb.ItemHeight || rest == 0) return false;
  RECT w;
  GetWindowRect(lb.Hwnd, &w);
  return SetWindowPos(lb.Hwnd, nullptr, 0, 0, w.Right - w.Left, w.Bottom - w.Top - rest,
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

LRESULT ListBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto b = std::make_shared<ListBox>();
    b->Hwnd = hwnd;
    Table()[hwnd] = std::move(b);
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  auto found = Table().find(hwnd);
  if (found == Table().end()) return DefWindowProcA(hwnd, msg, wp, lp);
  const std::shared_ptr<ListBox> hold = found->second;
  ListBox& lb = *hold;
  const DWORD st = StyleOf(hwnd);
  const int index = static_cast<int>(static_cast<LONG>(wp));
  switch (msg) {
    case WM_CREATE:
      lb.WantV = st & WS_VSCROLL;
      FontHeight(lb);
      if (st & LBS_OWNERDRAWFIXED) lb.ItemHeight = MeasureItem(lb, 0, 0);
      UpdateScroll(lb);
      FitWholeItems(lb);
      return 0;
    case WM_NCDESTROY: Table().erase(found); return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_NCPAINT: lb.BarStale = false; return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(lb, wp); return 0;
    case WM_SIZE:
      if (FitWholeItems(lb)) return 0;  // WM_SIZE comes again with the height it took
      lb.Top = std::clamp(lb.Top, 0, MaxTop(lb));
      UpdateScroll(lb);
      if (lb.HExtent) SetHExtent(lb, lb.HExtent);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_SETFONT:
      lb.Font = reinterpret_cast<HFONT>(wp);
      if (!OwnerDraw(st)) FontHeight(lb);
      UpdateScroll(lb);
      FitWholeItems(lb);
      if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(lb.Font);
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
      lb.Focused = true;
      if (lb.Caret < 0 && Count(lb) > 0) lb.Caret = Multi(st) ? 0 : std::max(lb.Cur, 0);
      InvalidateItem(lb, lb.Caret);
      if (lb.Items.empty()) InvalidateRect(hwnd, nullptr, TRUE);
      NotifyIf(lb, LBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      lb.Focused = false;
      InvalidateItem(lb, lb.Caret);
      if (lb.Items.empty()) InvalidateRect(hwnd, nullptr, TRUE);
      if (lb.Tracking && GetCapture() == hwnd) ReleaseCapture();
      lb.Tracking = false;
      NotifyIf(lb, LBN_KILLFOCUS);
      return 0;
    case WM_KEYDOWN: KeyDown(lb, wp); return 0;
    case WM_CHAR: CharTyped(lb, wp); return 0;
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      if (!IsWindow(hwnd) || Table().find(hwnd) == Table().end()) return 0;
      lb.Tracking = true;
      SetCapture(hwnd);
      MouseSelect(lb, GET_Y_LPARAM(lp), wp, true);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (Valid(lb, ItemAt(lb, GET_Y_LPARAM(lp)))) NotifyIf(lb, LBN_DBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      if (lb.Tracking && (wp & MK_LBUTTON)) MouseSelect(lb, GET_Y_LPARAM(lp), wp, false);
      return 0;
    case WM_LBUTTONUP:
      if (lb.Tracking) {
        lb.Tracking = false;
        if (GetCapture() == hwnd) ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED: lb.Tracking = false; return 0;
    case WM_MOUSEWHEEL: {
      const int delta = static_cast<short>(HIWORD(wp));
      SetTop(lb, lb.Top - delta / WHEEL_DELTA * 3);
      return 0;
    }
    case WM_VSCROLL: Scroll(lb, LOWORD(wp)); return 0;
    case WM_HSCROLL: HScroll(lb, LOWORD(wp)); return 0;

    case LB_ADDSTRING: return Insert(lb, -1, lp, true);
    case LB_INSERTSTRING: return Insert(lb, index, lp, false);
    case LB_DELETESTRING: return Delete(lb, index);
    case LB_RESETCONTENT: Reset(lb); return 0;
    case LB_INITSTORAGE:
      lb.Items.reserve(lb.Items.size() + wp);
      return static_cast<LRESULT>(lb.Items.capacity());
    case LB_SETCOUNT: return LB_ERR;  // the data-less lists are not supported
    case LB_GETCOUNT: return Count(lb);
    case LB_GETTEXTLEN:
      if (!Valid(lb, index)) return LB_ERR;
      return HasStrings(st) ? static_cast<LRESULT>(lb.Items[static_cast<size_t>(index)].Text.size())
                            : static_cast<LRESULT>(sizeof(UINT_PTR));
    case LB_GETTEXT: {
      if (!Valid(lb, index) || !lp) return LB_ERR;
      const Item& it = lb.Items[static_cast<size_t>(index)];
      if (!HasStrings(st)) {
        std::memcpy(reinterpret_cast<void*>(lp), &it.Data, sizeof it.Data);
        return sizeof it.Data;
      }
      std::memcpy(reinterpret_cast<char*>(lp), it.Text.c_str(), it.Text.size() + 1);
      return static_cast<LRESULT>(it.Text.size());
    }
    case LB_GETITEMDATA:
      return Valid(lb, index) ? static_cast<LRESULT>(lb.Items[static_cast<size_t>(index)].Data)
                              : LB_ERR;
    case LB_SETITEMDATA:
      if (!Valid(lb, index)) return LB_ERR;
      lb.Items[static_cast<size_t>(index)].Data = static_cast<UINT_PTR>(lp);
      return LB_OKAY;
    case LB_SETCURSEL:
      if (Multi(st)) return LB_ERR;
      if (!Valid(lb, index)) {
        SetCur(lb, -1);
        return index == -1 ? 0 : LB_ERR;
      }
      SetCur(lb, index);
      SetCaret(lb, index);
      MakeVisible(lb, index);
      return index;
    case LB_GETCURSEL: return Multi(st) ? (Count(lb) ? std::max(lb.Caret, 0) : LB_ERR) : lb.Cur;
    case LB_SETSEL: {
      if (!Multi(st)) return LB_ERR;
      const int i = static_cast<int>(lp);
      if (i == -1) {
        SelectRange(lb, 0, Count(lb) - 1, wp != 0);
        return LB_OKAY;
      }
      if (!Valid(lb, i)) return LB_ERR;
      SelectRange(lb, i, i, wp != 0);
      return LB_OKAY;
    }
    case LB_GETSEL:
      if (!Valid(lb, index)) return LB_ERR;
      return IsSelected(lb, index) ? 1 : 0;
    case LB_GETSELCOUNT: {
      if (!Multi(st)) return LB_ERR;
      int selected = 0;
      for (size_t i = 0; i < lb.Items.size(); ++i) selected += lb.Items[i].Sel ? 1 : 0;
      return selected;
    }
    case LB_GETSELITEMS: {
      if (!Multi(st)) return LB_ERR;
      auto* out = reinterpret_cast<int*>(lp);
      int n = 0;
      for (int i = 0; i < Count(lb) && n < index; ++i)
        if (lb.Items[static_cast<size_t>(i)].Sel) {
          if (out) out[n] = i;
          ++n;
        }
      return n;
    }
    case LB_SELITEMRANGE:
      if (!Multi(st)) return LB_ERR;
      SelectRange(lb, LOWORD(lp), HIWORD(lp), wp != 0);
      return LB_OKAY;
    case LB_SELITEMRANGEEX: {
      if (!Multi(st)) return LB_ERR;
      const int first = index, last = static_cast<int>(lp);
      if (first <= last)
        SelectRange(lb, first, last, true);
      else
        SelectRange(lb, last, first, false);
      return LB_OKAY;
    }
    case LB_SETTOPINDEX:
      if (!Valid(lb, index) && !(index == 0 && Count(lb) == 0)) return LB_ERR;
      SetTop(lb, index);
      return LB_OKAY;
    case LB_GETTOPINDEX: return lb.Top;
    case LB_SETCARETINDEX:
      if (!Valid(lb, index)) return LB_ERR;
      SetCaret(lb, index);
      if (!LOWORD(lp))
        MakeVisible(lb, index);
      else if (index < lb.Top || index >= lb.Top + PageFrom(lb, lb.Top))
        MakeVisible(lb, index);
      return LB_OKAY;
    case LB_GETCARETINDEX:
      return Count(lb) == 0 ? LB_ERR : std::max(lb.Caret, Multi(st) ? 0 : lb.Cur < 0 ? 0 : lb.Cur);
    case LB_SETANCHORINDEX:
      if (!Valid(lb, index)) return LB_ERR;
      lb.Anchor = index;
      return LB_OKAY;
    case LB_GETANCHORINDEX: return lb.Anchor;
    case LB_GETITEMRECT: {
      if (!lp) return LB_ERR;
      if (!Valid(lb, index) && !(index == 0 && Count(lb) == 0)) return LB_ERR;
      *reinterpret_cast<RECT*>(lp) = ItemRect(lb, index);
      return 1;
    }
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      const int i = ItemAt(lb, GET_Y_LPARAM(lp), &outside);
      RECT c;
      GetClientRect(hwnd, &c);
      const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
      if (x < 0 || x >= c.Right || y < 0 || y >= c.Bottom)
        outside = true;
      else if (i >= 0) {
        const RECT r = ItemRect(lb, i);
        outside = y >= r.Bottom || y < r.Top;
      }
      return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(std::max(i, 0)), outside ? 1 : 0));
    }
    case LB_SETITEMHEIGHT: {
      const int h = LOWORD(lp);
      if (h < 1 || h > 255) return LB_ERR;
      if (Variable(st)) {
        if (!Valid(lb, index)) return LB_ERR;
        lb.Items[static_cast<size_t>(index)].Height = h;
      } else {
        lb.ItemHeight = h;
      }
      lb.Top = std::clamp(lb.Top, 0, MaxTop(lb));
      UpdateScroll(lb);
      FitWholeItems(lb);
      InvalidateRect(hwnd, nullptr, TRUE);
      return LB_OKAY;
    }
    case LB_GETITEMHEIGHT:
      if (Variable(st)) return Valid(lb, index) ? HeightOf(lb, index) : LB_ERR;
      return lb.ItemHeight;
    case LB_FINDSTRING: return Find(lb, wp, lp, false);
    case LB_FINDSTRINGEXACT: return Find(lb, wp, lp, true);
    case LB_SELECTSTRING: {
      const LRESULT i = Find(lb, wp, lp, false);
      if (i < 0) return LB_ERR;
      if (Multi(st)) {
        SetCaret(lb, static_cast<int>(i));
        MakeVisible(lb, static_cast<int>(i));
      } else {
        SetCur(lb, static_cast<int>(i));
        SetCaret(lb, static_cast<int>(i));
        MakeVisible(lb, static_cast<int>(i));
      }
      return i;
    }
    case LB_SETCOLUMNWIDTH: lb.ColumnWidth = index; return LB_OKAY;
    case LB_SETHORIZONTALEXTENT: SetHExtent(lb, index); return 0;
    case LB_GETHORIZONTALEXTENT: return lb.HExtent;
    case LB_SETTABSTOPS: return TRUE;
    case LB_SETLOCALE:
    case LB_GETLOCALE: return 0x0409;
    case LB_DIR: return Dir(lb, static_cast<UINT>(wp), lp);
    case LB_ADDFILE: return LB_ERR;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

int ListCompareText(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char x = Lower(static_cast<unsigned char>(a[i]));
    const unsigned char y = Lower(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool ListStartsText(const std::string& s, const std::string& prefix) {
  if (prefix.size() > s.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(static_cast<unsigned char>(s[i])) != Lower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

namespace user {
WNDPROC ListBoxClassProc() { return &ListBoxProc; }

int FontLineHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return std::max<int>(1, tm.tmHeight);
}
}  // namespace user

}  // namespace win
