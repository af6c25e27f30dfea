// The standard scroll bars of windows (WS_HSCROLL, WS_VSCROLL): ranges, pages, positions,
// showing and hiding. Their drawing and clicks live with the default non-client handling.
#include <algorithm>

#include "platform/user/UserInternal.h"

namespace win::user {

bool ScrollThumb(const ScrollState& s, int length, int arrow, int& offset, int& size) {
  const int track = length - 2 * arrow;
  const int64_t range = static_cast<int64_t>(s.Max) - s.Min + 1;
  if (track <= 0 || range <= 0 || (s.Page > 0 && s.Page >= range) || s.Disabled == ESB_DISABLE_BOTH)
    return false;
  const int minThumb = std::min(track, 8);
  if (s.Thumb > 0)
    size = s.Thumb;
  else
    size = s.Page > 0 ? static_cast<int>(static_cast<int64_t>(track) * s.Page / range) : arrow;
  size = std::clamp(size, minThumb, track);
  const int64_t span = range - std::max<int64_t>(static_cast<int64_t>(s.Page), 1);
  offset = arrow + (span > 0 ? static_cast<int>((track - size) * (static_cast<int64_t>(s.Pos) - s.Min) / span) : 0);
  return true;
}

void ClampScrollState(ScrollState& s) {
  if (s.Max < s.Min) s.Max = s.Min;
  const int64_t range = static_cast<int64_t>(s.Max) - s.Min + 1;
  if (s.Page > range) s.Page = static_cast<UINT>(range);
  const int64_t top =
      static_cast<int64_t>(s.Max) - std::max<int64_t>(static_cast<int64_t>(s.Page) - 1, 0);
  s.Pos = static_cast<int>(std::clamp<int64_t>(s.Pos, s.Min, std::max<int64_t>(s.Min, top)));
  s.TrackPos =
      static_cast<int>(std::clamp<int64_t>(s.TrackPos, s.Min, std::max<int64_t>(s.Min, top)));
}

bool ScrollNeeded(const ScrollState& s) {
  const int64_t range = static_cast<int64_t>(s.Max) - s.Min + 1;
  return s.Max > s.Min && (s.Page == 0 || s.Page < range);
}

int ApplyScrollInfo(ScrollState& s, const SCROLLINFO& si) {
  if (si.fMask & SIF_RANGE) {
    s.Min = si.nMin;
    s.Max = si.nMax;
  }
  if (si.fMask & SIF_PAGE) s.Page = si.nPage;
  if (si.fMask & SIF_POS) s.Pos = si.nPos;
  ClampScrollState(s);
  return s.Pos;
}

void ReadScrollInfo(const ScrollState& s, SCROLLINFO& si) {
  if (si.fMask & SIF_RANGE) {
    si.nMin = s.Min;
    si.nMax = s.Max;
  }
  if (si.fMask & SIF_PAGE) si.nPage = s.Page;
  if (si.fMask & SIF_POS) si.nPos = s.Pos;
  if (si.fMask & SIF_TRACKPOS) si.nTrackPos = s.Tracking ? s.TrackPos : s.Pos;
}

}  // namespace win::user

namespace win {

using namespace user;

namespace {

ScrollState* StateOf(HWND hwnd, int bar, Wnd** out) {
  Wnd* w = FromHandle(hwnd);
  if (!w || (bar != SB_HORZ && bar != SB_VERT)) return nullptr;
  if (out) *out = w;
  return &w->Scroll[bar];
}

void SetBarVisible(Wnd* w, int bar, bool show) {
  const DWORD bit = bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL;
  if (((w->Style & bit) != 0) == show) return;
  if (show)
    w->Style |= bit;
  else
    w->Style &= ~bit;
  FrameChanged(w->Handle);
}

void RedrawFrame(Wnd* w) {
  if (ReallyVisible(w)) DefaultNcPaint(w, nullptr);
}

}  // namespace

// SB_CTL names a SCROLLBAR control, which answers the SBM_ messages itself.
static Wnd* Control(HWND hwnd, int bar) {
  Wnd* w = bar == SB_CTL ? FromHandle(hwnd) : nullptr;
  return w && IsScrollBarControl(w) ? w : nullptr;
}

int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* si, BOOL redraw) {
  if (Wnd* c = Control(hwnd, bar))
    return si ? static_cast<int>(Send(c, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(si)))
              : 0;
  Wnd* w = nullptr;
  ScrollState* s = StateOf(hwnd, bar, &w);
  if (!s || !si || (si->cbSize != sizeof(SCROLLINFO) && si->cbSize != sizeof(SCROLLINFO) - 4)) return 0;
  const int pos = ApplyScrollInfo(*s, *si);
  if (si->fMask & (SIF_RANGE | SIF_PAGE)) {
    const bool need = ScrollNeeded(*s);
    if (need || !(si->fMask & SIF_DISABLENOSCROLL)) {
      SetBarVisible(w, bar, need);
      if (!(w = FromHandle(hwnd))) return pos;
    }
    s->Disabled = need ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH;
  }
  if (redraw) RedrawFrame(w);
  return pos;
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO si) {
  if (Wnd* c = Control(hwnd, bar))
    return si ? static_cast<BOOL>(Send(c, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(si)))
              : FALSE;
  Wnd* w = nullptr;
  ScrollState* s = StateOf(hwnd, bar, &w);
  if (!s || !si) return FALSE;
  ReadScrollInfo(*s, *si);
  return TRUE;
}

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  if (Wnd* c = Control(hwnd, bar))
    return static_cast<int>(Send(c, SBM_SETPOS, static_cast<WPARAM>(pos), redraw));
  Wnd* w = nullptr;
  ScrollState* s = StateOf(hwnd, bar, &w);
  if (!s) return 0;
  const int old = s->Pos;
  s->Pos = pos;
  ClampScrollState(*s);
  if (redraw) RedrawFrame(w);
  return old;
}

int GetScrollPos(HWND hwnd, int bar) {
  if (Wnd* c = Control(hwnd, bar)) return static_cast<int>(Send(c, SBM_GETPOS, 0, 0));
  ScrollState* s = StateOf(hwnd, bar, nullptr);
  return s ? s->Pos : 0;
}

BOOL SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, BOOL redraw) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = minPos;
  si.nMax = maxPos;
  if (static_cast<int64_t>(maxPos) - minPos > 0x7FFFFFFF) return FALSE;
  if (Wnd* c = Control(hwnd, bar)) {
    Send(c, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(minPos), maxPos);
    return TRUE;
  }
  if (!StateOf(hwnd, bar, nullptr)) return FALSE;
  SetScrollInfo(hwnd, bar, &si, redraw);
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, int* minPos, int* maxPos) {
  if (Wnd* c = Control(hwnd, bar)) {
    if (!minPos || !maxPos) return FALSE;
    Send(c, SBM_GETRANGE, reinterpret_cast<WPARAM>(minPos), reinterpret_cast<LPARAM>(maxPos));
    return TRUE;
  }
  ScrollState* s = StateOf(hwnd, bar, nullptr);
  if (!s || !minPos || !maxPos) return FALSE;
  *minPos = s->Min;
  *maxPos = s->Max;
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  Wnd* w = FromHandle(hwnd);
  if (!w || bar < SB_HORZ || bar > SB_BOTH || bar == SB_CTL) return FALSE;
  if (bar == SB_BOTH) {
    const DWORD bits = WS_HSCROLL | WS_VSCROLL;
    const DWORD before = w->Style;
    w->Style = show ? (w->Style | bits) : (w->Style & ~bits);
    if (w->Style != before) FrameChanged(hwnd);
    return TRUE;
  }
  SetBarVisible(w, bar, show != 0);
  return TRUE;
}

namespace {

// The field of the bar a flat scroll bar property sets; nullptr for an unknown property.
int* FlatField(Wnd* w, UINT index) {
  ScrollState& h = w->Scroll[SB_HORZ];
  ScrollState& v = w->Scroll[SB_VERT];
  switch (index) {
    case WSB_PROP_CYVSCROLL: return &v.Arrow;
    case WSB_PROP_CXHSCROLL: return &h.Arrow;
    case WSB_PROP_CYHSCROLL: return &h.Thick;
    case WSB_PROP_CXVSCROLL: return &v.Thick;
    case WSB_PROP_CXHTHUMB: return &h.Thumb;
    case WSB_PROP_CYVTHUMB: return &v.Thumb;
    case WSB_PROP_VSTYLE: return &v.FlatMode;
    case WSB_PROP_HSTYLE: return &h.FlatMode;
    default: return nullptr;
  }
}

void ResetFlatLook(ScrollState& s) {
  s.FlatMode = FSB_REGULAR_MODE;
  s.Thick = s.Arrow = s.Thumb = 0;
  s.HasBack = false;
}

}  // namespace

BOOL InitializeFlatSB(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  w->FlatBars = true;
  return TRUE;
}

BOOL UninitializeFlatSB(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return FALSE;
  w->FlatBars = false;
  for (ScrollState& s : w->Scroll) ResetFlatLook(s);
  FrameChanged(hwnd);
  return TRUE;
}

BOOL FlatSB_SetScrollProp(HWND hwnd, UINT index, INT_PTR value, BOOL redraw) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !w->FlatBars) return FALSE;
  if (index == WSB_PROP_VBKGCOLOR || index == WSB_PROP_HBKGCOLOR) {
    ScrollState& s = w->Scroll[index == WSB_PROP_VBKGCOLOR ? SB_VERT : SB_HORZ];
    s.HasBack = true;
    s.Back = static_cast<COLORREF>(value);
  } else {
    int* field = FlatField(w, index);
    const bool mode = index == WSB_PROP_VSTYLE || index == WSB_PROP_HSTYLE;
    if (!field || value < 0 || value > (mode ? FSB_FLAT_MODE : 32767)) return FALSE;
    *field = static_cast<int>(value);
  }
  if (redraw) FrameChanged(hwnd);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (Wnd* c = Control(hwnd, static_cast<int>(bar)))
    return static_cast<BOOL>(Send(c, SBM_ENABLE_ARROWS, arrows, 0));
  Wnd* w = FromHandle(hwnd);
  if (!w || bar == static_cast<UINT>(SB_CTL) || bar > static_cast<UINT>(SB_BOTH)) return FALSE;
  for (int b = SB_HORZ; b <= SB_VERT; ++b)
    if (bar == static_cast<UINT>(SB_BOTH) || bar == static_cast<UINT>(b)) w->Scroll[b].Disabled = arrows & ESB_DISABLE_BOTH;
  RedrawFrame(w);
  return TRUE;
}

}  // namespace win
