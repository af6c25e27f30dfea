// The EDIT class's window procedure: a control's state from WM_NCCREATE to WM_NCDESTROY, and
// the keyboard, mouse, focus, painting, scrolling and EM_ messages.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "platform/text/Text.h"
#include "platform/user/EditClassInternal.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WinUser.h"

namespace win {

using namespace edit_internal;

namespace {

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto e = std::make_unique<Edit>();
    e->Hwnd = hwnd;
    e->Measure = CreateCompatibleDC(nullptr);
    Table()[hwnd] = std::move(e);
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  Edit* pe = Find(hwnd);
  if (!pe) return DefWindowProcA(hwnd, msg, wp, lp);
  Edit& e = *pe;
  switch (msg) {
    case WM_CREATE: {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
      DWORD st = StyleOf(e);
      if (st & ES_MULTILINE) {
        st &= ~ES_PASSWORD;
        if (st & WS_HSCROLL) st |= ES_AUTOHSCROLL;
        if (st & WS_VSCROLL) st |= ES_AUTOVSCROLL;
      }
      SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(st));
      if ((st & ES_PASSWORD) && !(st & ES_MULTILINE)) e.Password = '*';
      UpdateMetrics(e);
      e.Text = Filter(e, cs && cs->lpszName ? cs->lpszName : "");
      UpdateFormat(e);
      return 0;
    }
    case WM_NCDESTROY: {
      DeleteDC(e.Measure);
      Table().erase(hwnd);
      return DefWindowProcA(hwnd, msg, wp, lp);
    }
    case WM_SIZE:
      UpdateFormat(e);
      Redraw(e);
      return 0;
    case WM_STYLECHANGED:
      UpdateFormat(e);
      Redraw(e);
      return 0;
    case WM_SETFONT:
      e.Font = reinterpret_cast<HFONT>(wp);
      UpdateMetrics(e);
      UpdateFormat(e);
      if (e.Focused) {
        DestroyCaret();
        CreateCaret(hwnd, nullptr, 1, e.LineHeight);
        ShowCaret(hwnd);
      }
      if (LOWORD(lp)) Redraw(e);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(e.Font);
    case WM_SETTEXT: SetText(e, lp ? reinterpret_cast<const char*>(lp) : ""); return TRUE;
    case WM_GETTEXT: {
      if (wp == 0 || !lp) return 0;
      const size_t n = std::min<size_t>(e.Text.size(), wp - 1);
      std::memcpy(reinterpret_cast<char*>(lp), e.Text.data(), n);
      reinterpret_cast<char*>(lp)[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(e.Text.size());
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if (Multi(e)) code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_SETFOCUS:
      e.Focused = true;
      CreateCaret(hwnd, nullptr, 1, e.LineHeight);
      PlaceCaret(e);
      ShowCaret(hwnd);
      Redraw(e);
      Notify(e, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      e.Focused = false;
      // A selection the mouse was making ends, and the mouse is let go.
      if (e.Tracking && GetCapture() == hwnd) ReleaseCapture();
      e.Tracking = false;
      DestroyCaret();
      Redraw(e);
      Notify(e, EN_KILLFOCUS);
      return 0;
    case WM_ENABLE: Redraw(e); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT fills the whole client area
    case WM_NCPAINT: e.BarsStale = false; return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_PAINT:
      e.BarsStale = false;
      Paint(e, wp);
      return 0;
    case WM_KEYDOWN: KeyDown(e, wp); return 0;
    case WM_CHAR: Char(e, wp & 0xFF); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_IBEAM)));
        return TRUE;
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_LBUTTONDOWN: {
      if (GetFocus() != hwnd) SetFocus(hwnd);
      const size_t p = PosFrom(e, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      e.Tracking = true;
      e.WordTracking = false;
      SetCapture(hwnd);
      MoveTo(e, p, (wp & MK_SHIFT) != 0);
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      if (GetFocus() != hwnd) SetFocus(hwnd);
      const size_t p = PosFrom(e, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      size_t a = p, b = p;
      while (a > 0 && IsWordChar(e.Text[a - 1])) --a;
      while (b < e.Text.size() && IsWordChar(e.Text[b])) ++b;
      while (b < e.Text.size() && e.Text[b] == ' ') ++b;  // with the blanks after it
      e.Tracking = true;
      e.WordTracking = true;
      e.WordAnchorEnd = b;
      SetCapture(hwnd);
      e.Typing = false;
      SetSelection(e, a, b);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (e.Tracking && GetCapture() == hwnd) {
        const size_t p = PosFrom(e, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        if (e.WordTracking) {
          size_t a = std::min(e.Anchor, e.WordAnchorEnd);
          if (p < a) {
            size_t w = p;
            while (w > 0 && IsWordChar(e.Text[w - 1])) --w;
            SetSelection(e, e.WordAnchorEnd, w);
          } else {
            size_t w = std::max(p, e.WordAnchorEnd);
            while (w < e.Text.size() && IsWordChar(e.Text[w])) ++w;
            SetSelection(e, std::min(e.Anchor, e.Caret), w);
          }
        } else {
          SetSelection(e, e.Anchor, p);
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (e.Tracking) {
        e.Tracking = false;
        if (GetCapture() == hwnd) ReleaseCapture();
      }
      return 0;
    case WM_CAPTURECHANGED: e.Tracking = false; return 0;
    case WM_MOUSEWHEEL:
      if (Multi(e)) {
        Scroll(e, -3 * static_cast<int16_t>(HIWORD(wp)) / 120, 0);
        return 0;
      }
      return DefWindowProcA(hwnd, msg, wp, lp);
    case WM_VSCROLL:
      Scroll(e, ScrollCode(e, LOWORD(wp), static_cast<int16_t>(HIWORD(wp)), true), 0);
      Notify(e, EN_VSCROLL);
      return 0;
    case WM_HSCROLL:
      Scroll(e, 0,
             static_cast<int>(ScrollCode(e, LOWORD(wp), static_cast<int16_t>(HIWORD(wp)), false)));
      Notify(e, EN_HSCROLL);
      return 0;
    case WM_CUT:
      if (!ReadOnly(e)) {
        Copy(e);
        Clear(e);
      }
      return 0;
    case WM_COPY: Copy(e); return 0;
    case WM_PASTE: Paste(e); return 0;
    case WM_CLEAR: Clear(e); return 0;
    case WM_UNDO:
    case EM_UNDO: {
      const bool could = e.CanUndo && !ReadOnly(e);
      Undo(e);
      return could ? TRUE : FALSE;
    }
    case EM_CANUNDO: return e.CanUndo ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
      e.CanUndo = false;
      e.Typing = false;
      return 0;
    case EM_GETSEL: {
      const size_t a = SelMin(e), b = SelMax(e);
      if (wp) *reinterpret_cast<DWORD*>(wp) = static_cast<DWORD>(a);
      if (lp) *reinterpret_cast<DWORD*>(lp) = static_cast<DWORD>(b);
      return MAKELONG(static_cast<WORD>(std::min<size_t>(a, 0xFFFF)),
                      static_cast<WORD>(std::min<size_t>(b, 0xFFFF)));
    }
    case EM_SETSEL: {
      const long s = static_cast<long>(static_cast<int32_t>(wp));
      const long en = static_cast<long>(static_cast<int32_t>(lp));
      e.Typing = false;
      if (s == -1) {  // no selection; the caret stays
        SetSelection(e, e.Caret, e.Caret);
        return 0;
      }
      const size_t n = e.Text.size();
      const size_t a = s < 0 ? n : std::min<size_t>(static_cast<size_t>(s), n);
      const size_t b = en < 0 ? n : std::min<size_t>(static_cast<size_t>(en), n);
      SetSelection(e, a, b);
      return 0;
    }
    case EM_REPLACESEL:
      if (lp) Replace(e, reinterpret_cast<const char*>(lp), wp != 0, false);
      return 0;
    case EM_LIMITTEXT: e.Limit = wp == 0 ? kMaxLimit : std::min<size_t>(wp, kMaxLimit); return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(e.Limit);
    case EM_SETREADONLY: {
      DWORD st = StyleOf(e);
      st = wp ? (st | ES_READONLY) : (st & ~ES_READONLY);
      SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(st));
      Redraw(e);
      return TRUE;
    }
    case EM_SETPASSWORDCHAR: {
      if (Multi(e)) return 0;
      e.Password = static_cast<char>(wp & 0xFF);
      DWORD st = StyleOf(e);
      st = e.Password ? (st | ES_PASSWORD) : (st & ~ES_PASSWORD);
      SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(st));
      Layout(e);
      ScrollToCaret(e);
      Redraw(e);
      return 0;
    }
    case EM_GETPASSWORDCHAR: return static_cast<unsigned char>(e.Password);
    case EM_GETMODIFY: return e.Modified ? TRUE : FALSE;
    case EM_SETMODIFY: e.Modified = wp != 0; return 0;
    case EM_GETLINECOUNT: return static_cast<LRESULT>(e.Lines.size());
    case EM_LINEINDEX: {
      const long li = static_cast<long>(static_cast<int32_t>(wp));
      const size_t line = li < 0 ? LineOf(e, e.Caret) : static_cast<size_t>(li);
      return line < e.Lines.size() ? static_cast<LRESULT>(e.Lines[line].Start) : -1;
    }
    case EM_LINELENGTH: {
      const long p = static_cast<long>(static_cast<int32_t>(wp));
      if (p < 0) {
        // Unselected characters on the lines the selection touches.
        const Line& a = e.Lines[LineOf(e, SelMin(e))];
        const Line& b = e.Lines[LineOf(e, SelMax(e))];
        return static_cast<LRESULT>((SelMin(e) - a.Start) +
                                    (b.Start + b.Length - std::min(SelMax(e), b.Start + b.Length)));
      }
      if (static_cast<size_t>(p) > e.Text.size()) return 0;
      return static_cast<LRESULT>(e.Lines[LineOf(e, static_cast<size_t>(p))].Length);
    }
    case EM_LINEFROMCHAR: {
      const long p = static_cast<long>(static_cast<int32_t>(wp));
      const size_t pos =
          p < 0 ? SelMin(e) : std::min<size_t>(static_cast<size_t>(p), e.Text.size());
      return static_cast<LRESULT>(LineOf(e, pos));
    }
    case EM_GETLINE: {
      const size_t line = Multi(e) ? static_cast<size_t>(wp) : 0;
      if (!lp || line >= e.Lines.size()) return 0;
      char* buf = reinterpret_cast<char*>(lp);
      WORD room;
      std::memcpy(&room, buf, sizeof room);
      const Line& l = e.Lines[line];
      const size_t n = std::min<size_t>(room, l.Length);
      std::memcpy(buf, e.Text.data() + l.Start, n);
      return static_cast<LRESULT>(n);
    }
    case EM_GETFIRSTVISIBLELINE:
      if (Multi(e)) return static_cast<LRESULT>(e.FirstLine);
      return static_cast<LRESULT>(PosFrom(e, e.Format.Left, e.Format.Top));
    case EM_SCROLLCARET:
      ScrollToCaret(e);
      Redraw(e);
      return TRUE;
    case EM_LINESCROLL:
      if (!Multi(e)) return FALSE;
      Scroll(e, static_cast<long>(static_cast<int32_t>(lp)),
             static_cast<int>(static_cast<int32_t>(wp)) * e.AveChar);
      return TRUE;
    case EM_SCROLL: {
      if (!Multi(e)) return FALSE;
      const size_t before = e.FirstLine;
      Scroll(e, ScrollCode(e, static_cast<WORD>(wp), 0, true), 0);
      const long moved = static_cast<long>(e.FirstLine) - static_cast<long>(before);
      return MAKELONG(static_cast<WORD>(moved), TRUE);
    }
    case EM_GETTHUMB: return Multi(e) ? static_cast<LRESULT>(e.FirstLine) : 0;
    case EM_GETRECT:
      if (lp) *reinterpret_cast<RECT*>(lp) = e.Format;
      return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
      if (!lp) {
        e.CustomRect = false;
      } else {
        e.CustomRect = true;
        e.Format = *reinterpret_cast<const RECT*>(lp);
      }
      UpdateFormat(e);
      if (msg == EM_SETRECT) Redraw(e);
      return 0;
    case EM_SETMARGINS: {
      const int fontMargin = std::max(1, e.AveChar / 3);
      if (wp & EC_LEFTMARGIN) e.LeftMargin = LOWORD(lp) == EC_USEFONTINFO ? fontMargin : LOWORD(lp);
      if (wp & EC_RIGHTMARGIN)
        e.RightMargin = HIWORD(lp) == EC_USEFONTINFO ? fontMargin : HIWORD(lp);
      UpdateFormat(e);
      Redraw(e);
      return 0;
    }
    case EM_GETMARGINS:
      return MAKELONG(static_cast<WORD>(e.LeftMargin), static_cast<WORD>(e.RightMargin));
    case EM_POSFROMCHAR: {
      if (wp > e.Text.size()) return -1;
      const POINT p = PosOf(e, wp);
      return MAKELONG(static_cast<WORD>(p.X), static_cast<WORD>(p.Y));
    }
    case EM_CHARFROMPOS: {
      const size_t p = PosFrom(e, GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return MAKELONG(static_cast<WORD>(std::min<size_t>(p, 0xFFFF)),
                      static_cast<WORD>(std::min<size_t>(LineOf(e, p), 0xFFFF)));
    }
    case EM_FMTLINES: return wp ? TRUE : FALSE;
    case EM_SETTABSTOPS: return TRUE;
    default: return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

namespace user {
WNDPROC EditClassProc() { return &EditProc; }
}  // namespace user

}  // namespace win
