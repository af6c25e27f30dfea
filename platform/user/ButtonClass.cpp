// The window system's BUTTON class: push buttons, check boxes (two and three states, plain
// and automatic), radio buttons (plain and automatic) and group boxes, with the mouse and the
// space bar, BM_ messages, BN_ notifications, and painting in the classic look.
#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>

#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

namespace {

constexpr int kBox = 13;  // check box and radio button glyphs
constexpr int kGap = 4;   // between the glyph and the text

struct Button {
  HWND Hwnd = nullptr;
  WPARAM Check = BST_UNCHECKED;
  bool Pushed = false;
  bool Focused = false;
  bool Tracking = false;  // mouse captured after a press
  bool SpaceDown = false;
  HFONT Font = nullptr;
};

std::unordered_map<HWND, std::unique_ptr<Button>>& Table() {
  static std::unordered_map<HWND, std::unique_ptr<Button>> t;
  return t;
}

DWORD Kind(HWND h) { return static_cast<DWORD>(GetWindowLongA(h, GWL_STYLE)) & BS_TYPEMASK; }
bool IsCheck(DWORD k) {
  return k == BS_CHECKBOX || k == BS_AUTOCHECKBOX || k == BS_3STATE || k == BS_AUTO3STATE;
}
bool IsRadio(DWORD k) { return k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON; }
bool IsPush(DWORD k) { return k == BS_PUSHBUTTON || k == BS_DEFPUSHBUTTON || k == BS_USERBUTTON; }

std::string TextOf(HWND h) {
  const int n = GetWindowTextLengthA(h);
  std::string s(static_cast<size_t>(n) + 1, '\0');
  s.resize(static_cast<size_t>(GetWindowTextA(h, s.data(), n + 1)));
  return s;
}

void Notify(Button& b, WORD code) {
  if (HWND parent = GetParent(b.Hwnd))
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(b.Hwnd)), code),
                 reinterpret_cast<LPARAM>(b.Hwnd));
}

void SetCheck(Button& b, WPARAM state) {
  const DWORD k = Kind(b.Hwnd);
  if (!IsCheck(k) && !IsRadio(k)) return;
  if (state == BST_INDETERMINATE && !(k == BS_3STATE || k == BS_AUTO3STATE)) state = BST_CHECKED;
  if (state > BST_INDETERMINATE) state = BST_CHECKED;
  if (b.Check == state) return;
  b.Check = state;
  // An automatic radio button in the tab order only while checked (as the platform does).
  if (k == BS_AUTORADIOBUTTON) {
    LONG st = GetWindowLongA(b.Hwnd, GWL_STYLE);
    SetWindowLongA(b.Hwnd, GWL_STYLE, state ? (st | static_cast<LONG>(WS_TABSTOP)) : st);
  }
  InvalidateRect(b.Hwnd, nullptr, TRUE);
}

// Unchecks the other automatic radio buttons of the group: the siblings between the nearest
// WS_GROUP window at or before this one and the next WS_GROUP window.
void UncheckGroup(HWND self) {
  HWND parent = GetParent(self);
  if (!parent) return;
  HWND first = GetWindow(parent, GW_CHILD);
  HWND groupStart = first;
  for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetWindowLongA(w, GWL_STYLE) & WS_GROUP) groupStart = w;
    if (w == self) break;
  }
  for (HWND w = groupStart; w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w != groupStart && (GetWindowLongA(w, GWL_STYLE) & WS_GROUP)) break;
    if (w == self) continue;
    auto it = Table().find(w);
    if (it != Table().end() && Kind(w) == BS_AUTORADIOBUTTON) SetCheck(*it->second, BST_UNCHECKED);
  }
}

void Click(Button& b) {
  const DWORD k = Kind(b.Hwnd);
  if (k == BS_AUTOCHECKBOX)
    SetCheck(b, b.Check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  else if (k == BS_AUTO3STATE)
    SetCheck(b, (b.Check + 1) % 3);
  else if (k == BS_AUTORADIOBUTTON) {
    UncheckGroup(b.Hwnd);
    SetCheck(b, BST_CHECKED);
  }
  Notify(b, BN_CLICKED);
}

void SetPushed(Button& b, bool pushed) {
  if (b.Pushed == pushed) return;
  b.Pushed = pushed;
  InvalidateRect(b.Hwnd, nullptr, TRUE);
}

// Draws text, embossed when disabled.
void DrawLabel(HDC dc, const std::string& text, RECT r, UINT flags, bool enabled, COLORREF color) {
  SetBkMode(dc, TRANSPARENT);
  if (!enabled) {
    RECT o = r;
    OffsetRect(&o, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &o, flags);
    color = GetSysColor(COLOR_BTNSHADOW);
  }
  SetTextColor(dc, color);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

void Paint(Button& b, WPARAM given) {
  const TClientPaintDC paint(b.Hwnd, given);
  HDC dc = paint;
  const DWORD style = static_cast<DWORD>(GetWindowLongA(b.Hwnd, GWL_STYLE));
  const DWORD k = style & BS_TYPEMASK;
  const bool enabled = IsWindowEnabled(b.Hwnd);
  RECT client;
  GetClientRect(b.Hwnd, &client);
  HGDIOBJ oldFont = SelectObject(dc, b.Font ? b.Font : GetStockObject(SYSTEM_FONT));
  const UINT colorMsg = IsPush(k) ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
  HBRUSH brush = nullptr;
  if (HWND parent = GetParent(b.Hwnd))
    brush = reinterpret_cast<HBRUSH>(SendMessageA(parent, colorMsg, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(b.Hwnd)));
  if (!brush) brush = GetSysColorBrush(COLOR_BTNFACE);
  const COLORREF textColor = GetTextColor(dc);
  FillRect(dc, &client, brush);
  const std::string text = TextOf(b.Hwnd);
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  const UINT hAlign = (style & BS_CENTER) == BS_CENTER ? DT_CENTER
                      : (style & BS_RIGHT)             ? DT_RIGHT
                                                       : DT_LEFT;
  if (k == BS_GROUPBOX) {
    RECT frame = client;
    frame.Top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (!text.empty()) {
      RECT calc{0, 0, 0, 0};
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &calc,
                DT_SINGLELINE | DT_CALCRECT);
      RECT tr{8, 0, 8 + calc.Right + 2, tm.tmHeight};
      FillRect(dc, &tr, brush);
      tr.Left += 1;
      DrawLabel(dc, text, tr, DT_SINGLELINE | DT_LEFT | DT_TOP, enabled, textColor);
    }
  } else if (IsCheck(k) || IsRadio(k)) {
    const bool leftText = style & BS_LEFTTEXT;
    const int boxY = (client.Bottom - kBox) / 2;
    RECT box{leftText ? client.Right - kBox : 0, boxY, 0, boxY + kBox};
    box.Right = box.Left + kBox;
    UINT state = IsRadio(k) ? DFCS_BUTTONRADIO
                 : (k == BS_3STATE || k == BS_AUTO3STATE) && b.Check == BST_INDETERMINATE
                     ? DFCS_BUTTON3STATE | DFCS_CHECKED
                     : DFCS_BUTTONCHECK;
    if (b.Check == BST_CHECKED) state |= DFCS_CHECKED;
    if (b.Pushed) state |= DFCS_PUSHED;
    if (!enabled) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);
    RECT tr = client;
    if (leftText)
      tr.Right -= kBox + kGap;
    else
      tr.Left += kBox + kGap;
    const UINT flags =
        ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER) | hAlign;
    DrawLabel(dc, text, tr, flags, enabled, textColor);
    if (b.Focused && !text.empty()) {
      RECT calc = tr;
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &calc, flags | DT_CALCRECT);
      const int h = calc.Bottom - calc.Top;
      RECT f{tr.Left - 1, (client.Bottom - h) / 2 - 1, tr.Left + (calc.Right - calc.Left) + 1,
             (client.Bottom - h) / 2 + h + 1};
      if (style & BS_MULTILINE) f.Top = tr.Top, f.Bottom = tr.Top + h + 1;
      f.Top = std::max(f.Top, client.Top);
      f.Bottom = std::min(f.Bottom, client.Bottom);
      DrawFocusRect(dc, &f);
    }
  } else {  // push buttons
    RECT r = client;
    const bool isDefault = k == BS_DEFPUSHBUTTON;
    if (isDefault) {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
      InflateRect(&r, -1, -1);
    }
    if (b.Pushed || b.Check) {
      FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
      RECT e = r;
      DrawEdge(dc, &e, EDGE_RAISED, BF_RECT);
    }
    RECT tr = r;
    if (b.Pushed || b.Check) OffsetRect(&tr, 1, 1);
    DrawLabel(dc, text, tr, DT_SINGLELINE | DT_VCENTER | DT_CENTER, enabled, textColor);
    if (b.Focused) {
      RECT f = r;
      InflateRect(&f, -3, -3);
      DrawFocusRect(dc, &f);
    }
  }
  SelectObject(dc, oldFont);
}

LRESULT ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto b = std::make_unique<Button>();
    b->Hwnd = hwnd;
    Table()[hwnd] = std::move(b);
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  auto it = Table().find(hwnd);
  if (it == Table().end()) return DefWindowProcA(hwnd, msg, wp, lp);
  Button& b = *it->second;
  const DWORD k = Kind(hwnd);
  switch (msg) {
    case WM_NCDESTROY: Table().erase(it); return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(b, wp); return 0;
    case WM_SETFONT:
      b.Font = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(b.Font);
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
      InvalidateRect(hwnd, nullptr, TRUE);
      return r;
    }
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); return 0;
    case WM_GETDLGCODE:
      if (k == BS_GROUPBOX) return DLGC_STATIC;
      if (IsRadio(k)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      if (k == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (IsPush(k)) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      return DLGC_BUTTON;
    case WM_SETFOCUS:
      b.Focused = true;
      InvalidateRect(hwnd, nullptr, TRUE);
      // A radio button reached by the keyboard is chosen, as if clicked.
      if (IsRadio(k) && b.Check == BST_UNCHECKED && GetKeyState(VK_LBUTTON) >= 0) Click(b);
      if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) Notify(b, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      b.Focused = false;
      b.SpaceDown = false;
      if (b.Tracking && GetCapture() == hwnd) ReleaseCapture();
      b.Tracking = false;
      SetPushed(b, false);
      InvalidateRect(hwnd, nullptr, TRUE);
      if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) Notify(b, BN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (k == BS_GROUPBOX) return 0;
      if (GetFocus() != hwnd) SetFocus(hwnd);
      b.Tracking = true;
      SetCapture(hwnd);
      SetPushed(b, true);
      if (msg == WM_LBUTTONDBLCLK && (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY))
        Notify(b, BN_DOUBLECLICKED);
      return 0;
    case WM_MOUSEMOVE:
      if (b.Tracking) {
        RECT c;
        GetClientRect(hwnd, &c);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        SetPushed(b, PtInRect(&c, p) != 0);
      }
      return 0;
    case WM_LBUTTONUP:
      if (b.Tracking) {
        const bool inside = b.Pushed;
        b.Tracking = false;
        SetPushed(b, false);
        if (GetCapture() == hwnd) ReleaseCapture();
        if (inside) Click(b);
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (b.Tracking) {
        b.Tracking = false;
        SetPushed(b, false);
      }
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_SPACE && k != BS_GROUPBOX) {
        b.SpaceDown = true;
        SetPushed(b, true);
        return 0;
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_KEYUP:
      if (wp == VK_SPACE && b.SpaceDown) {
        b.SpaceDown = false;
        SetPushed(b, false);
        Click(b);
        return 0;
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    case BM_GETCHECK: return IsCheck(k) || IsRadio(k) ? static_cast<LRESULT>(b.Check) : 0;
    case BM_SETCHECK: SetCheck(b, wp); return 0;
    case BM_GETSTATE:
      return static_cast<LRESULT>(b.Check) | (b.Pushed ? BST_PUSHED : 0) |
             (b.Focused ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(b, wp != 0); return 0;
    case BM_SETSTYLE: {
      LONG st = GetWindowLongA(hwnd, GWL_STYLE);
      st = (st & ~0xFFFF) | static_cast<LONG>(wp & 0xFFFF);
      SetWindowLongA(hwnd, GWL_STYLE, st);
      if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case BM_CLICK:
      if (IsWindowEnabled(hwnd) && k != BS_GROUPBOX) Click(b);
      return 0;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

namespace user {
WNDPROC ButtonClassProc() { return &ButtonProc; }
}  // namespace user

}  // namespace win
