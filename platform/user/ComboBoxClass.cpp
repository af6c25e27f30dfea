// The window system's COMBOBOX class: a selection field (an EDIT child, or the drawn field of a
// drop-down list) with a list of items that is either always shown (a LISTBOX child) or drops
// down in a popup list under the combo. The items live in the list window; the combo keeps the
// chosen item, forwards owner drawing to its parent as ODT_COMBOBOX, and sends the CBN_
// notifications.
#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>

#include "platform/base/Numbers.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/ScreenPlace.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

constexpr int kEdge = 2;       // the sunken 3D border
constexpr int kEditId = 1001;  // the platform's identifiers of the combo's children
constexpr int kListId = 1000;
constexpr int kMaxVisible = 8;  // items a dropped list shows when its height was not set

struct Combo {
  HWND Hwnd = nullptr;
  HWND Edit = nullptr;
  HWND List = nullptr;
  WNDPROC EditProc = nullptr;
  WNDPROC ListProc = nullptr;
  int Sel = -1;           // the chosen item
  int FieldHeight = 15;   // the selection field (CB_GETITEMHEIGHT -1)
  int ItemHeight = 13;    // the list's items
  int DroppedHeight = 0;  // room for the dropped list (0: kMaxVisible items)
  int DroppedWidth = 0;
  HFONT Font = nullptr;
  bool Dropped = false;
  bool Focused = false;
  bool Pushed = false;    // the drop button is held down
  bool Tracking = false;  // the left button went down on the combo or the dropped list
  bool Setting = false;   // the combo itself changes the edit's text
  bool Closing = false;
  bool ExtendedUI = false;
};

std::unordered_map<HWND, std::unique_ptr<Combo>>& Table() {
  static std::unordered_map<HWND, std::unique_ptr<Combo>> t;
  return t;
}

// The children's combo.
std::unordered_map<HWND, HWND>& Children() {
  static std::unordered_map<HWND, HWND> t;
  return t;
}

Combo* Find(HWND h) {
  auto it = Table().find(h);
  return it == Table().end() ? nullptr : it->second.get();
}

Combo* OfChild(HWND child) {
  auto it = Children().find(child);
  return it == Children().end() ? nullptr : Find(it->second);
}

DWORD StyleOf(const Combo& c) { return static_cast<DWORD>(GetWindowLongA(c.Hwnd, GWL_STYLE)); }
DWORD Kind(const Combo& c) { return StyleOf(c) & 3; }
bool Simple(const Combo& c) { return Kind(c) == CBS_SIMPLE; }
bool ListStyle(const Combo& c) { return Kind(c) == CBS_DROPDOWNLIST; }
bool OwnerDraw(DWORD st) { return st & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE); }
bool HasStrings(DWORD st) { return !OwnerDraw(st) || (st & CBS_HASSTRINGS); }

LRESULT ToList(const Combo& c, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  return SendMessageA(c.List, msg, wp, lp);
}
int Count(const Combo& c) { return static_cast<int>(ToList(c, LB_GETCOUNT)); }
bool Valid(const Combo& c, int i) { return i >= 0 && i < Count(c); }

std::string ItemText(const Combo& c, int i) {
  if (!Valid(c, i) || !HasStrings(StyleOf(c))) return {};
  const LRESULT n = ToList(c, LB_GETTEXTLEN, static_cast<WPARAM>(i));
  std::string s(static_cast<size_t>(std::max<LRESULT>(n, 0)) + 1, '\0');
  const LRESULT got =
      ToList(c, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return s;
}

void Notify(const Combo& c, WORD code) {
  if (HWND parent = GetParent(c.Hwnd))
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(c.Hwnd)), code),
                 reinterpret_cast<LPARAM>(c.Hwnd));
}

// The height of the whole window of a drop-down combo: the field inside the border.
int WindowHeight(const Combo& c) { return c.FieldHeight + 2 * kEdge + 2; }

RECT Client(const Combo& c) {
  RECT r;
  GetClientRect(c.Hwnd, &r);
  return r;
}

RECT ButtonRect(const Combo& c) {
  const RECT r = Client(c);
  if (Simple(c)) return RECT{r.Right, 0, r.Right, 0};
  const int w = GetSystemMetrics(SM_CXVSCROLL);
  const int bottom = std::min<int>(r.Bottom, WindowHeight(c)) - kEdge;
  return RECT{std::max<int>(kEdge, r.Right - kEdge - w), kEdge, r.Right - kEdge, bottom};
}

// The selection field (the edit child's place, or the drawn field of the list style).
RECT FieldRect(const Combo& c) {
  const RECT r = Client(c);
  const RECT b = ButtonRect(c);
  const int right = Simple(c) ? r.Right - kEdge - 1 : b.Left - 1;
  return RECT{kEdge + 1, kEdge + 1, std::max(kEdge + 1, right), kEdge + 1 + c.FieldHeight};
}

void LayoutChildren(Combo& c) {
  const RECT f = FieldRect(c);
  if (c.Edit)
    SetWindowPos(c.Edit, nullptr, f.Left, f.Top, f.Right - f.Left, f.Bottom - f.Top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (Simple(c)) {
    const RECT r = Client(c);
    const int top = WindowHeight(c);
    SetWindowPos(c.List, nullptr, 0, top, r.Right, std::max<int>(0, r.Bottom - top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(c.Hwnd, nullptr, TRUE);
}

// Puts the chosen item's text in the edit (the combo's own change: no CBN_EDITCHANGE).
void SetEditText(Combo& c, const std::string& s) {
  if (!c.Edit) return;
  c.Setting = true;
  SendMessageA(c.Edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
  SendMessageA(c.Edit, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  c.Setting = false;
}

// Makes item i (or none, -1) the chosen one; answers whether the choice changed.
bool Choose(Combo& c, int i) {
  if (!Valid(c, i)) i = -1;
  const bool changed = i != c.Sel;
  c.Sel = i;
  ToList(c, LB_SETCURSEL, static_cast<WPARAM>(i));
  if (c.Edit)
    SetEditText(c, ItemText(c, i));
  else
    InvalidateRect(c.Hwnd, nullptr, TRUE);
  return changed;
}

void Redraw(const Combo& c) { InvalidateRect(c.Hwnd, nullptr, TRUE); }

// Where the dropped list goes, in screen coordinates: under the combo, or above it when the
// screen has no room below; on the screen across.
RECT DropRect(const Combo& c) {
  RECT w;
  GetWindowRect(c.Hwnd, &w);
  const int n = Count(c);
  // In 64 bits: item heights and the dropped width may lie at int's limits.
  int64_t h = 0;
  if (StyleOf(c) & CBS_OWNERDRAWVARIABLE) {
    const int64_t room =
        c.DroppedHeight > 0 ? c.DroppedHeight : int64_t{kMaxVisible} * c.ItemHeight;
    for (int i = 0; i < n; ++i) {
      const int ih = static_cast<int>(ToList(c, LB_GETITEMHEIGHT, static_cast<WPARAM>(i)));
      if (h + ih > room && h > 0) break;
      h += ih;
    }
  } else {
    const int fit = c.DroppedHeight > 0 ? std::max(1, c.DroppedHeight / std::max(1, c.ItemHeight))
                                        : kMaxVisible;
    h = int64_t{std::clamp(n, 1, fit)} * c.ItemHeight;
  }
  if (h == 0) h = c.ItemHeight;
  h += 2;  // the list's border
  const int64_t width = std::max<int64_t>(c.DroppedWidth, int64_t{w.Right} - w.Left);
  // A list too long for either side is cut to the room it gets, one line at the least: it
  // scrolls.
  return user::DropBeside(w, w.Left, vcl::ClampToInt(width), vcl::ClampToInt(h),
                          std::min(vcl::ClampToInt(h), c.ItemHeight + 2));
}

void ShowDrop(Combo& c) {
  if (Simple(c) || c.Dropped) return;
  Notify(c, CBN_DROPDOWN);
  if (!IsWindow(c.Hwnd) || c.Dropped) return;
  c.Dropped = true;
  ToList(c, LB_SETCURSEL, static_cast<WPARAM>(c.Sel));
  const RECT r = DropRect(c);
  SetWindowPos(c.List, HWND_TOPMOST, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  SetCapture(c.List);
  Redraw(c);
}

// Closes the dropped list, choosing its highlighted item (ok) or keeping the choice.
void CloseDrop(Combo& c, bool ok) {
  if (!c.Dropped || c.Closing) return;
  c.Closing = true;
  c.Dropped = false;
  c.Pushed = false;
  c.Tracking = false;
  const int highlighted = static_cast<int>(ToList(c, LB_GETCURSEL));
  if (GetCapture() == c.List) ReleaseCapture();
  ShowWindow(c.List, SW_HIDE);
  c.Closing = false;
  HWND h = c.Hwnd;
  Notify(c, ok ? CBN_SELENDOK : CBN_SELENDCANCEL);
  Combo* again = Find(h);
  if (!again) return;
  if (ok && Choose(*again, highlighted)) {
    Notify(*again, CBN_SELCHANGE);
    if (!(again = Find(h))) return;
  } else {
    ToList(*again, LB_SETCURSEL, static_cast<WPARAM>(again->Sel));
  }
  Redraw(*again);
  Notify(*again, CBN_CLOSEUP);
}

void Toggle(Combo& c) {
  if (c.Dropped)
    CloseDrop(c, true);
  else
    ShowDrop(c);
}

// The keyboard's choice in the closed combo, or the highlight in the dropped list.
void Step(Combo& c, WPARAM vk) {
  const int n = Count(c);
  if (n == 0) return;
  const int from = c.Dropped ? static_cast<int>(ToList(c, LB_GETCURSEL)) : c.Sel;
  const int page = std::max(
      1, (c.DroppedHeight > 0 ? c.DroppedHeight / std::max(1, c.ItemHeight) : kMaxVisible) - 1);
  int to = from;
  switch (vk) {
    case VK_UP: to = from < 0 ? 0 : from - 1; break;
    case VK_DOWN: to = from < 0 ? 0 : from + 1; break;
    case VK_PRIOR: to = from - page; break;
    case VK_NEXT: to = from < 0 ? page : from + page; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = n - 1; break;
    default: return;
  }
  to = std::clamp(to, 0, n - 1);
  if (c.Dropped) {
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(to));
    return;
  }
  if (Choose(c, to)) Notify(c, CBN_SELCHANGE);
}

bool AltDown() { return GetKeyState(VK_MENU) < 0; }

// Keys of the combo (list style) or of its edit; answers whether the combo used the key.
bool Key(Combo& c, WPARAM vk, bool inEdit) {
  if ((vk == VK_DOWN || vk == VK_UP) && AltDown()) {
    Toggle(c);
    return true;
  }
  if (vk == VK_F4 && !c.ExtendedUI) {
    Toggle(c);
    return true;
  }
  if (c.Dropped) {
    switch (vk) {
      case VK_RETURN: CloseDrop(c, true); return true;
      case VK_ESCAPE: CloseDrop(c, false); return true;
      case VK_HOME:
      case VK_END:
        if (inEdit) return false;
        [[fallthrough]];
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT: Step(c, vk); return true;
      default: return false;
    }
  }
  if (c.ExtendedUI && vk == VK_DOWN && !Simple(c)) {
    ShowDrop(c);
    return true;
  }
  if ((vk == VK_HOME || vk == VK_END) && inEdit) return false;
  if (vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT || vk == VK_HOME ||
      vk == VK_END) {
    Step(c, vk);
    return true;
  }
  return false;
}

unsigned char Lower(unsigned char ch) {
  if ((ch >= 'A' && ch <= 'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7))
    return static_cast<unsigned char>(ch + 32);
  return ch;
}

// A letter typed in the list style chooses the next item starting with it.
void LetterSearch(Combo& c, WPARAM ch) {
  const int n = Count(c);
  if (n == 0 || ch < 32 || !HasStrings(StyleOf(c))) return;
  const int from = c.Dropped ? static_cast<int>(ToList(c, LB_GETCURSEL)) : c.Sel;
  const unsigned char want = Lower(static_cast<unsigned char>(ch));
  for (int k = 1; k <= n; ++k) {
    const int i = ((from < 0 ? -1 : from) + k) % n;
    const std::string s = ItemText(c, i);
    if (s.empty() || Lower(static_cast<unsigned char>(s[0])) != want) continue;
    if (c.Dropped)
      ToList(c, LB_SETCURSEL, static_cast<WPARAM>(i));
    else if (Choose(c, i))
      Notify(c, CBN_SELCHANGE);
    return;
  }
}

void GainFocus(Combo& c) {
  if (c.Focused) return;
  c.Focused = true;
  Redraw(c);
  Notify(c, CBN_SETFOCUS);
}

// Focus went to `to`; the combo loses it unless it stays with the combo or its children.
void LoseFocus(Combo& c, HWND to) {
  if (to && (to == c.Hwnd || to == c.Edit || to == c.List)) return;
  HWND h = c.Hwnd;
  CloseDrop(c, false);
  Combo* again = Find(h);
  if (!again || !again->Focused) return;
  again->Focused = false;
  Redraw(*again);
  Notify(*again, CBN_KILLFOCUS);
}

void MeasureFont(Combo& c) {
  c.ItemHeight = user::FontLineHeight(c.Hwnd, c.Font);
  c.FieldHeight = c.ItemHeight + 2;
}

int Measure(Combo& c, int item, int height, UINT_PTR data) {
  MEASUREITEMSTRUCT mis;
  mis.CtlType = ODT_COMBOBOX;
  mis.CtlID = static_cast<UINT>(GetDlgCtrlID(c.Hwnd));
  mis.itemID = static_cast<UINT>(item);
  mis.itemWidth = static_cast<UINT>(Client(c).Right);
  mis.itemHeight = static_cast<UINT>(height);
  mis.itemData = data;
  if (HWND parent = GetParent(c.Hwnd))
    SendMessageA(parent, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
  return std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

// Changes the window's height to the field's (a drop-down combo) keeping its width.
void FitHeight(Combo& c) {
  if (Simple(c)) return;
  RECT w;
  GetWindowRect(c.Hwnd, &w);
  SetWindowPos(c.Hwnd, nullptr, 0, 0, w.Right - w.Left, WindowHeight(c) + c.DroppedHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DrawField(Combo& c, HDC dc, bool enabled) {
  const RECT f = FieldRect(c);
  const DWORD st = StyleOf(c);
  const bool highlight = c.Focused && !c.Dropped;
  if (OwnerDraw(st)) {
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_COMBOBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(c.Hwnd));
    dis.itemID = static_cast<UINT>(c.Sel);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_COMBOBOXEDIT | (highlight ? ODS_SELECTED | ODS_FOCUS : 0) |
                    (enabled ? 0 : ODS_DISABLED);
    dis.hwndItem = c.Hwnd;
    dis.hDC = dc;
    dis.rcItem = f;
    dis.itemData = Valid(c, c.Sel) ? static_cast<UINT_PTR>(ToList(c, LB_GETITEMDATA, c.Sel)) : 0;
    if (HWND parent = GetParent(c.Hwnd))
      SendMessageA(parent, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    return;
  }
  const COLORREF oldText = GetTextColor(dc);
  if (highlight && enabled) {
    FillRect(dc, &f, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else if (!enabled) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  }
  const std::string s = ItemText(c, c.Sel);
  RECT tr = f;
  tr.Left += 2;
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, s.c_str(), static_cast<int>(s.size()), &tr,
            DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_LEFT);
  SetTextColor(dc, oldText);
  if (highlight && enabled) DrawFocusRect(dc, &f);
}

void Paint(Combo& c, WPARAM given) {
  const TClientPaintDC paint(c.Hwnd, given);
  HDC dc = paint;
  const int saved = SaveDC(dc);
  const bool enabled = IsWindowEnabled(c.Hwnd);
  RECT client = Client(c);
  HGDIOBJ oldFont = SelectObject(dc, c.Font ? c.Font : GetStockObject(SYSTEM_FONT));
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(c.Hwnd))
    brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, enabled ? WM_CTLCOLORLISTBOX : WM_CTLCOLORSTATIC,
                     reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c.Hwnd)));
  if (!brush) brush = GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE);
  RECT top = client;
  if (Simple(c)) top.Bottom = std::min<int>(client.Bottom, WindowHeight(c));
  if (c.Edit) {
    RECT e;
    GetWindowRect(c.Edit, &e);
    POINT p{e.Left, e.Top};
    ScreenToClient(c.Hwnd, &p);
    ExcludeClipRect(dc, p.X, p.Y, p.X + (e.Right - e.Left), p.Y + (e.Bottom - e.Top));
  }
  FillRect(dc, &top, brush);
  DrawEdge(dc, &top, EDGE_SUNKEN, BF_RECT);
  if (ListStyle(c)) DrawField(c, dc, enabled);
  if (!Simple(c)) {
    RECT b = ButtonRect(c);
    DrawFrameControl(dc, &b, DFC_SCROLL,
                     DFCS_SCROLLCOMBOBOX | (c.Pushed ? DFCS_PUSHED | DFCS_FLAT : 0) |
                         (enabled ? 0 : DFCS_INACTIVE));
  }
  SelectObject(dc, oldFont);
  RestoreDC(dc, saved);
}

// Passes the list's item structure (DRAWITEMSTRUCT, DELETEITEMSTRUCT) on to the parent as the
// combo's own.
template <class ItemStruct>
LRESULT SendAsCombo(const Combo& c, HWND parent, UINT id, UINT msg, LPARAM lp) {
  ItemStruct item = *reinterpret_cast<ItemStruct*>(lp);
  item.CtlType = ODT_COMBOBOX;
  item.CtlID = id;
  item.hwndItem = c.Hwnd;
  return parent ? SendMessageA(parent, msg, id, reinterpret_cast<LPARAM>(&item)) : 0;
}

// Owner drawing of the list's items goes to the combo's parent as the combo's own.
LRESULT ForwardItemMessage(Combo& c, UINT msg, LPARAM lp) {
  HWND parent = GetParent(c.Hwnd);
  const UINT id = static_cast<UINT>(GetDlgCtrlID(c.Hwnd));
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
      mis->itemHeight = static_cast<UINT>(Measure(
          c, static_cast<int>(mis->itemID), static_cast<int>(mis->itemHeight), mis->itemData));
      return TRUE;
    }
    case WM_DRAWITEM: return SendAsCombo<DRAWITEMSTRUCT>(c, parent, id, msg, lp);
    case WM_DELETEITEM: return SendAsCombo<DELETEITEMSTRUCT>(c, parent, id, msg, lp);
    default: return 0;
  }
}

// Typing in a simple combo's edit chooses the item nearest to the text in the list (the item it
// names, else the first that starts with it) and brings it to the top; the text stays as typed.
void FollowEdit(Combo& c) {
  if (!HasStrings(StyleOf(c))) return;
  const auto n =
      static_cast<size_t>(std::max<LRESULT>(SendMessageA(c.Edit, WM_GETTEXTLENGTH, 0, 0), 0));
  std::string s(n + 1, '\0');
  s.resize(static_cast<size_t>(std::max<LRESULT>(
      SendMessageA(c.Edit, WM_GETTEXT, n + 1, reinterpret_cast<LPARAM>(s.data())), 0)));
  int i = -1;
  if (!s.empty()) {
    const auto text = reinterpret_cast<LPARAM>(s.c_str());
    i = static_cast<int>(ToList(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), text));
    if (i < 0) i = static_cast<int>(ToList(c, LB_FINDSTRING, static_cast<WPARAM>(-1), text));
  }
  c.Sel = std::max(i, -1);
  ToList(c, LB_SETCURSEL, static_cast<WPARAM>(c.Sel));
  if (c.Sel >= 0) ToList(c, LB_SETTOPINDEX, static_cast<WPARAM>(c.Sel));
}

// ---- the edit child

LRESULT ComboEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Combo* pc = OfChild(hwnd);
  if (!pc) return DefWindowProcA(hwnd, msg, wp, lp);
  Combo& c = *pc;
  const WNDPROC old = c.EditProc;
  HWND combo = c.Hwnd;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (Key(c, wp, true)) return 0;
      break;
    case WM_CHAR:
      if (c.Dropped && (wp == '\r' || wp == 27)) return 0;
      break;
    case WM_GETDLGCODE:
      return CallWindowProcA(old, hwnd, msg, wp, lp) | (c.Dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS: {
      const LRESULT r = CallWindowProcA(old, hwnd, msg, wp, lp);
      if (Combo* again = Find(combo)) {
        SendMessageA(hwnd, EM_SETSEL, 0, static_cast<LPARAM>(-1));
        GainFocus(*again);
      }
      return r;
    }
    case WM_KILLFOCUS: {
      const LRESULT r = CallWindowProcA(old, hwnd, msg, wp, lp);
      if (Combo* again = Find(combo)) LoseFocus(*again, reinterpret_cast<HWND>(wp));
      return r;
    }
    default: break;
  }
  return CallWindowProcA(old, hwnd, msg, wp, lp);
}

// ---- the list child (simple) or the dropped list (the other two)

// A click on the dropped list's scroll bar (the list has the capture, so it comes as a client
// click beyond the client area).
void ScrollBarClick(Combo& c, POINT p) {
  RECT cl;
  GetClientRect(c.List, &cl);
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  WORD code = p.Y < cl.Bottom / 2 ? SB_PAGEUP : SB_PAGEDOWN;
  if (p.Y < arrow) code = SB_LINEUP;
  if (p.Y >= cl.Bottom - arrow) code = SB_LINEDOWN;
  SendMessageA(c.List, WM_VSCROLL, code, 0);
}

LRESULT ComboListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Combo* pc = OfChild(hwnd);
  if (!pc) return DefWindowProcA(hwnd, msg, wp, lp);
  Combo& c = *pc;
  const WNDPROC old = c.ListProc;
  if (Simple(c)) {
    // The simple combo's list never keeps the focus: it stays in the edit.
    if (msg == WM_SETFOCUS) {
      SetFocus(c.Edit ? c.Edit : c.Hwnd);
      return 0;
    }
    return CallWindowProcA(old, hwnd, msg, wp, lp);
  }
  const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  RECT cl;
  GetClientRect(hwnd, &cl);
  const bool inside = PtInRect(&cl, p);
  auto itemAt = [&]() {
    const LRESULT r = SendMessageA(hwnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.X, p.Y));
    return HIWORD(r) ? -1 : static_cast<int>(LOWORD(r));
  };
  switch (msg) {
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE: {
      if (!c.Dropped) return 0;
      if (c.Pushed) {
        // The pressed look lasts while the mouse stays on the button.
        POINT s = p;
        ClientToScreen(hwnd, &s);
        ScreenToClient(c.Hwnd, &s);
        const RECT b = ButtonRect(c);
        if (!PtInRect(&b, s)) {
          c.Pushed = false;
          Redraw(c);
        }
      }
      if (inside) {
        const int i = itemAt();
        if (i >= 0 && i != static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)))
          SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (!c.Dropped) return 0;
      if (inside) {
        c.Tracking = true;
        const int i = itemAt();
        if (i >= 0) SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
        return 0;
      }
      RECT w;
      GetWindowRect(hwnd, &w);
      POINT s = p;
      ClientToScreen(hwnd, &s);
      if (PtInRect(&w, s)) {
        ScrollBarClick(c, p);
        return 0;
      }
      // A click anywhere else closes the list, keeping the choice.
      CloseDrop(c, false);
      return 0;
    }
    case WM_LBUTTONUP: {
      if (!c.Dropped) return 0;
      const bool wasPushed = c.Pushed;
      c.Pushed = false;
      c.Tracking = false;
      if (wasPushed) Redraw(c);
      if (inside && itemAt() >= 0) {
        SendMessageA(hwnd, LB_SETCURSEL, static_cast<WPARAM>(itemAt()), 0);
        CloseDrop(c, true);
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (c.Dropped && !c.Closing && reinterpret_cast<HWND>(lp) != hwnd) CloseDrop(c, false);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (c.Dropped && !inside) CloseDrop(c, false);
      return 0;
    default: break;
  }
  return CallWindowProcA(old, hwnd, msg, wp, lp);
}

// ---- the combo

void Create(Combo& c, const CREATESTRUCTA* cs) {
  const DWORD st = StyleOf(c);
  MeasureFont(c);
  if (OwnerDraw(st)) {
    c.FieldHeight = Measure(c, -1, c.FieldHeight, 0);
    if (st & CBS_OWNERDRAWFIXED) c.ItemHeight = Measure(c, 0, c.ItemHeight, 0);
  }
  if (Kind(c) != CBS_DROPDOWNLIST) {
    DWORD es = WS_CHILD | WS_VISIBLE | ES_LEFT;
    if (st & CBS_AUTOHSCROLL) es |= ES_AUTOHSCROLL;
    if (st & CBS_UPPERCASE) es |= ES_UPPERCASE;
    if (st & CBS_LOWERCASE) es |= ES_LOWERCASE;
    if (st & CBS_OEMCONVERT) es |= ES_OEMCONVERT;
    c.Edit =
        CreateWindowExA(0, "Edit", "", es, 0, 0, 10, 10, c.Hwnd,
                        reinterpret_cast<HMENU>(static_cast<intptr_t>(kEditId)), nullptr, nullptr);
  }
  DWORD ls = WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_COMBOBOX;
  if (st & CBS_SORT) ls |= LBS_SORT;
  if (HasStrings(st)) ls |= LBS_HASSTRINGS;
  if (st & CBS_DISABLENOSCROLL) ls |= LBS_DISABLENOSCROLL;
  const DWORD od = (st & CBS_OWNERDRAWFIXED      ? LBS_OWNERDRAWFIXED
                    : st & CBS_OWNERDRAWVARIABLE ? LBS_OWNERDRAWVARIABLE
                                                 : 0);
  if (Simple(c)) {
    c.List = CreateWindowExA(
        WS_EX_CLIENTEDGE, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY | ls, 0, 0, 10, 10,
        c.Hwnd, reinterpret_cast<HMENU>(static_cast<intptr_t>(kListId)), nullptr, nullptr);
  } else {
    c.List =
        CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ListBox", "", WS_POPUP | WS_BORDER | ls,
                        0, 0, 10, 10, c.Hwnd, nullptr, nullptr, nullptr);
    // The dropped list belongs to the combo: its owner-draw messages come here.
    if (c.List) SetWindowLongPtrA(c.List, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(c.Hwnd));
  }
  if (!c.List) return;
  // Owner drawing is switched on once the list knows its combo.
  if (od) {
    SetWindowLongA(c.List, GWL_STYLE, static_cast<LONG>(GetWindowLongA(c.List, GWL_STYLE) | od));
    if (od == LBS_OWNERDRAWFIXED) ToList(c, LB_SETITEMHEIGHT, 0, MAKELPARAM(c.ItemHeight, 0));
  } else {
    c.ItemHeight = static_cast<int>(ToList(c, LB_GETITEMHEIGHT));
  }
  Children()[c.List] = c.Hwnd;
  c.ListProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(c.List, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboListProc)));
  if (c.Edit) {
    Children()[c.Edit] = c.Hwnd;
    c.EditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(c.Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
  }
  if (!Simple(c)) {
    // The height asked for at creation is the dropped height.
    c.DroppedHeight = std::max(0, (cs ? cs->cy : 0) - WindowHeight(c));
    FitHeight(c);
  }
  LayoutChildren(c);
  if (cs && cs->lpszName && *cs->lpszName && c.Edit) SetEditText(c, cs->lpszName);
}

LRESULT Insert(Combo& c, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT r;
  try {
    r = ToList(c, msg, wp, lp);
  } catch (const std::bad_alloc&) {
    r = CB_ERRSPACE;
  } catch (const std::length_error&) {
    r = CB_ERRSPACE;
  }
  if (r == CB_ERRSPACE) {
    Notify(c, static_cast<WORD>(CBN_ERRSPACE));
    return CB_ERRSPACE;
  }
  if (r >= 0 && c.Sel >= 0 && r <= c.Sel) ++c.Sel;
  if (ListStyle(c)) Redraw(c);
  return r;
}

LRESULT ComboProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto b = std::make_unique<Combo>();
    b->Hwnd = hwnd;
    Table()[hwnd] = std::move(b);
    // Scroll bars asked of the combo belong to its list, which always has one.
    const auto st = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (st & (WS_VSCROLL | WS_HSCROLL))
      SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(st & ~(WS_VSCROLL | WS_HSCROLL)));
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  Combo* pc = Find(hwnd);
  if (!pc) return DefWindowProcA(hwnd, msg, wp, lp);
  Combo& c = *pc;
  const int index = static_cast<int>(static_cast<LONG>(wp));
  switch (msg) {
    case WM_CREATE: Create(c, reinterpret_cast<const CREATESTRUCTA*>(lp)); return c.List ? 0 : -1;
    case WM_DESTROY:
      CloseDrop(c, false);
      if (c.List && !Simple(c) && IsWindow(c.List)) DestroyWindow(c.List);
      return 0;
    case WM_NCDESTROY:
      Children().erase(c.Edit);
      Children().erase(c.List);
      Table().erase(hwnd);
      return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_WINDOWPOSCHANGING: {
      auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
      if (!Simple(c) && !(pos->flags & SWP_NOSIZE)) {
        // A drop-down combo is as high as its field; the rest is the dropped list's room.
        if (pos->cy > WindowHeight(c)) c.DroppedHeight = pos->cy - WindowHeight(c);
        pos->cy = WindowHeight(c);
      }
      return 0;
    }
    case WM_SIZE: LayoutChildren(c); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(c, wp); return 0;
    case WM_SETFONT:
      c.Font = reinterpret_cast<HFONT>(wp);
      if (c.Edit) SendMessageA(c.Edit, WM_SETFONT, wp, lp);
      SendMessageA(c.List, WM_SETFONT, wp, lp);
      if (!OwnerDraw(StyleOf(c))) {
        MeasureFont(c);
        c.ItemHeight = static_cast<int>(ToList(c, LB_GETITEMHEIGHT));
        FitHeight(c);
      }
      LayoutChildren(c);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(c.Font);
    case WM_ENABLE:
      if (c.Edit) EnableWindow(c.Edit, wp != 0);
      EnableWindow(c.List, wp != 0);
      if (!wp) CloseDrop(c, false);
      Redraw(c);
      return 0;
    case WM_SETTEXT: {
      const char* s = lp ? reinterpret_cast<const char*>(lp) : "";
      if (c.Edit) {
        SetEditText(c, s);
        return TRUE;
      }
      const LRESULT i = ToList(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               lp ? lp : reinterpret_cast<LPARAM>(""));
      if (i < 0) return CB_ERR;
      Choose(c, static_cast<int>(i));
      return TRUE;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: {
      if (c.Edit) return SendMessageA(c.Edit, msg, wp, lp);
      const std::string s = ItemText(c, c.Sel);
      if (msg == WM_GETTEXTLENGTH) return static_cast<LRESULT>(s.size());
      if (wp == 0 || !lp) return 0;
      const size_t n = std::min<size_t>(s.size(), wp - 1);
      s.copy(reinterpret_cast<char*>(lp), n);
      reinterpret_cast<char*>(lp)[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (c.Dropped ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
      if (c.Edit) {
        SetFocus(c.Edit);
        return 0;
      }
      GainFocus(c);
      return 0;
    case WM_KILLFOCUS: LoseFocus(c, reinterpret_cast<HWND>(wp)); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (Key(c, wp, false)) return 0;
      return msg == WM_SYSKEYDOWN ? DefWindowProcA(hwnd, msg, wp, lp) : 0;
    case WM_CHAR:
      if (ListStyle(c)) LetterSearch(c, wp & 0xFF);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (GetFocus() != hwnd && GetFocus() != c.Edit) SetFocus(hwnd);
      Combo* again = Find(hwnd);
      if (!again || !IsWindowEnabled(hwnd)) return 0;
      // The focus sent elsewhere, or the box hidden, by whoever heard of the focus coming: the
      // press is over and drops nothing.
      if ((GetFocus() != hwnd && GetFocus() != again->Edit) || !IsWindowVisible(hwnd)) return 0;
      const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      const RECT b = ButtonRect(*again);
      const bool onButton = PtInRect(&b, p) != 0;
      if (Simple(*again) || !(onButton || ListStyle(*again))) return 0;
      if (again->Dropped) {
        CloseDrop(*again, false);
        return 0;
      }
      again->Pushed = onButton;
      again->Tracking = true;
      ShowDrop(*again);
      return 0;
    }
    case WM_MOUSEWHEEL:
      if (!c.Dropped && !Simple(c)) {
        Step(c, static_cast<short>(HIWORD(wp)) > 0 ? VK_UP : VK_DOWN);
        return 0;
      }
      return SendMessageA(c.List, msg, wp, lp);
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lp);
      const WORD code = HIWORD(wp);
      if (from == c.Edit && !c.Setting) {
        if (code == EN_CHANGE) {
          if (Simple(c)) FollowEdit(c);
          Notify(c, CBN_EDITCHANGE);
        }
        if (code == EN_UPDATE) Notify(c, CBN_EDITUPDATE);
      } else if (from == c.List && Simple(c)) {
        if (code == LBN_SELCHANGE) {
          if (Choose(c, static_cast<int>(ToList(c, LB_GETCURSEL)))) Notify(c, CBN_SELCHANGE);
        } else if (code == LBN_DBLCLK) {
          Notify(c, CBN_DBLCLK);
        }
      }
      return 0;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_DELETEITEM: return ForwardItemMessage(c, msg, lp);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      if (HWND parent = GetParent(hwnd)) return SendMessageA(parent, msg, wp, lp);
      return DefWindowProcA(hwnd, msg, wp, lp);

    case CB_ADDSTRING: return Insert(c, LB_ADDSTRING, 0, lp);
    case CB_INSERTSTRING: return Insert(c, LB_INSERTSTRING, wp, lp);
    case CB_DELETESTRING: {
      const LRESULT r = ToList(c, LB_DELETESTRING, wp);
      if (r < 0) return CB_ERR;
      if (index == c.Sel) {
        c.Sel = -1;
        ToList(c, LB_SETCURSEL, static_cast<WPARAM>(-1));
      } else if (index < c.Sel) {
        --c.Sel;
      }
      if (ListStyle(c)) Redraw(c);
      return r;
    }
    case CB_RESETCONTENT:
      CloseDrop(c, false);
      ToList(c, LB_RESETCONTENT);
      c.Sel = -1;
      SetEditText(c, "");
      Redraw(c);
      return CB_OKAY;
    case CB_INITSTORAGE: return ToList(c, LB_INITSTORAGE, wp, lp);
    case CB_GETCOUNT: return Count(c);
    case CB_GETLBTEXT:
      if (!Valid(c, index) || !lp) return CB_ERR;
      return ToList(c, LB_GETTEXT, wp, lp);
    case CB_GETLBTEXTLEN: return Valid(c, index) ? ToList(c, LB_GETTEXTLEN, wp) : CB_ERR;
    case CB_SETCURSEL: Choose(c, index); return Valid(c, index) ? index : CB_ERR;
    case CB_GETCURSEL: return c.Sel;
    case CB_FINDSTRING: return ToList(c, LB_FINDSTRING, wp, lp);
    case CB_FINDSTRINGEXACT: return ToList(c, LB_FINDSTRINGEXACT, wp, lp);
    case CB_SELECTSTRING: {
      const LRESULT i = ToList(c, LB_FINDSTRING, wp, lp);
      if (i < 0) return CB_ERR;
      Choose(c, static_cast<int>(i));
      return i;
    }
    case CB_GETITEMDATA: return Valid(c, index) ? ToList(c, LB_GETITEMDATA, wp) : CB_ERR;
    case CB_SETITEMDATA: return ToList(c, LB_SETITEMDATA, wp, lp) < 0 ? CB_ERR : CB_OKAY;
    case CB_SETITEMHEIGHT: {
      const int h = static_cast<int>(lp);
      if (h < 1 || h > 255) return CB_ERR;
      if (index == -1) {
        c.FieldHeight = h;
        FitHeight(c);
        LayoutChildren(c);
        return CB_OKAY;
      }
      if (ToList(c, LB_SETITEMHEIGHT, wp, MAKELPARAM(h, 0)) < 0) return CB_ERR;
      if (!(StyleOf(c) & CBS_OWNERDRAWVARIABLE)) c.ItemHeight = h;
      return CB_OKAY;
    }
    case CB_GETITEMHEIGHT:
      if (index == -1) return c.FieldHeight;
      if (StyleOf(c) & CBS_OWNERDRAWVARIABLE)
        return Valid(c, index) ? ToList(c, LB_GETITEMHEIGHT, wp) : CB_ERR;
      return c.ItemHeight;
    case CB_SHOWDROPDOWN:
      if (wp)
        ShowDrop(c);
      else
        CloseDrop(c, false);
      return TRUE;
    case CB_GETDROPPEDSTATE: return c.Dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
      if (!lp) return CB_ERR;
      if (Simple(c)) {
        GetWindowRect(c.List, reinterpret_cast<RECT*>(lp));
      } else if (c.Dropped) {
        GetWindowRect(c.List, reinterpret_cast<RECT*>(lp));
      } else {
        *reinterpret_cast<RECT*>(lp) = DropRect(c);
      }
      return TRUE;
    case CB_SETDROPPEDWIDTH: {
      if (index < 0) return CB_ERR;
      c.DroppedWidth = index;
      RECT w;
      GetWindowRect(hwnd, &w);
      return std::max<int>(index, w.Right - w.Left);
    }
    case CB_GETDROPPEDWIDTH: {
      RECT w;
      GetWindowRect(hwnd, &w);
      return std::max<int>(c.DroppedWidth, w.Right - w.Left);
    }
    case CB_LIMITTEXT:
      if (!c.Edit) return CB_ERR;
      SendMessageA(c.Edit, EM_LIMITTEXT, wp, 0);
      return TRUE;
    case CB_SETEDITSEL: {
      if (!c.Edit) return CB_ERR;
      const int a = static_cast<short>(LOWORD(lp)), b = static_cast<short>(HIWORD(lp));
      SendMessageA(c.Edit, EM_SETSEL, static_cast<WPARAM>(a), static_cast<LPARAM>(b));
      return TRUE;
    }
    case CB_GETEDITSEL:
      if (!c.Edit) return CB_ERR;
      return SendMessageA(c.Edit, EM_GETSEL, wp, lp);
    case CB_SETEXTENDEDUI: c.ExtendedUI = wp != 0; return CB_OKAY;
    case CB_GETEXTENDEDUI: return c.ExtendedUI ? TRUE : FALSE;
    case CB_GETTOPINDEX: return ToList(c, LB_GETTOPINDEX);
    case CB_SETTOPINDEX: return ToList(c, LB_SETTOPINDEX, wp) < 0 ? CB_ERR : CB_OKAY;
    case CB_GETHORIZONTALEXTENT: return ToList(c, LB_GETHORIZONTALEXTENT);
    case CB_SETHORIZONTALEXTENT: ToList(c, LB_SETHORIZONTALEXTENT, wp); return 0;
    case CB_SETLOCALE:
    case CB_GETLOCALE: return 0x0409;
    case CB_DIR: return ToList(c, LB_DIR, wp, lp);
    case CB_GETCOMBOBOXINFO: {
      auto* info = reinterpret_cast<COMBOBOXINFO*>(lp);
      if (!info || info->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
      info->rcItem = FieldRect(c);
      info->rcButton = ButtonRect(c);
      info->stateButton = Simple(c) ? STATE_SYSTEM_INVISIBLE : c.Pushed ? STATE_SYSTEM_PRESSED : 0;
      info->hwndCombo = hwnd;
      info->hwndItem = c.Edit;
      info->hwndList = c.List;
      return TRUE;
    }
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
  if (!Find(combo)) return FALSE;
  return static_cast<BOOL>(
      SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)));
}

namespace user {
WNDPROC ComboBoxClassProc() { return &ComboProc; }
}  // namespace user

}  // namespace win
