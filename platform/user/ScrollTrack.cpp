// Scroll bars as the user sees them: their parts, their classic look, and a press on one
// tracked until the button comes up (arrows and pages repeating on the clock, the thumb
// dragged), for the bars of a window's frame and the SCROLLBAR control alike.
#include <algorithm>

#include "platform/gdi/GdiGuards.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

int Along(POINT p, bool vertical) { return vertical ? p.Y : p.X; }

// The state as drawn: a dragged thumb shows at its tracking position.
ScrollState Shown(const ScrollState& st) {
  ScrollState s = st;
  if (s.Tracking) s.Pos = s.TrackPos;
  return s;
}

// The position a thumb whose leading edge sits `start` pixels into a bar stands for.
int PosAt(const ScrollState& s, int length, int arrow, int start) {
  int offset = 0, size = 0;
  if (!ScrollThumb(s, length, arrow, offset, size)) return s.Pos;
  const int64_t free = length - 2 * arrow - size;
  const int64_t span = static_cast<int64_t>(s.Max) - s.Min + 1 - std::max<int64_t>(s.Page, 1);
  if (free <= 0 || span <= 0) return s.Min;
  const int64_t rel = std::clamp<int64_t>(start - arrow, 0, free);
  return static_cast<int>(s.Min + (rel * span + free / 2) / free);
}

// A checkered 8x8 pattern: the classic track.
HBRUSH TrackBrush() {
  static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  const TOwnedObject<HBITMAP> bits(CreateBitmap(8, 8, 1, 1, rows));
  return CreatePatternBrush(bits);
}

}  // namespace

ScrollParts ScrollBarParts(const TRect& area, bool vertical, const ScrollState& st) {
  ScrollParts p;
  const int thick = vertical ? area.Width() : area.Height();
  const int length = vertical ? area.Height() : area.Width();
  if (thick <= 0 || length <= 0) return p;
  const int arrow = std::min(st.Arrow > 0 ? st.Arrow : thick, length / 2);
  auto span = [&](int from, int to) {
    return vertical ? Rect(area.Left, area.Top + from, area.Right, area.Top + to)
                    : Rect(area.Left + from, area.Top, area.Left + to, area.Bottom);
  };
  p.Up = span(0, arrow);
  p.Down = span(length - arrow, length);
  int offset = 0, size = 0;
  if (ScrollThumb(Shown(st), length, arrow, offset, size)) {
    p.Thumb = span(offset, offset + size);
    if (offset > arrow) p.PageUp = span(arrow, offset);
    if (offset + size < length - arrow) p.PageDown = span(offset + size, length - arrow);
  }
  return p;
}

int ScrollBarHit(const ScrollParts& parts, POINT p) {
  const struct {
    const TRect* R;
    int Part;
  } order[] = {{&parts.Up, kSbLineUp},
               {&parts.Down, kSbLineDown},
               {&parts.Thumb, kSbThumb},
               {&parts.PageUp, kSbPageUp},
               {&parts.PageDown, kSbPageDown}};
  for (const auto& o : order)
    if (!IsRectEmpty(o.R) && PtInRect(o.R, p)) return o.Part;
  return kSbNone;
}

void PaintScrollBar(HDC dc, const TRect& area, bool vertical, const ScrollState& st) {
  if (IsRectEmpty(&area)) return;
  const ScrollParts p = ScrollBarParts(area, vertical, st);
  const bool pressedShown = st.PressedOver;
  RECT track = vertical ? Rect(area.Left, p.Up.Bottom, area.Right, p.Down.Top)
                        : Rect(p.Up.Right, area.Top, p.Down.Left, area.Bottom);
  const bool flat = st.FlatMode != FSB_REGULAR_MODE;
  const COLORREF back = st.HasBack ? st.Back : GetSysColor(COLOR_BTNHIGHLIGHT);
  if (!IsRectEmpty(&track)) {
    // A flat bar's track is plain; the classic one checkers the face with the track colour.
    const TOwnedObject<HBRUSH> brush(flat ? CreateSolidBrush(back) : TrackBrush());
    const COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    const COLORREF oldBk = SetBkColor(dc, back);
    FillRect(dc, &track, brush);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
    for (const auto& [part, r] :
         {std::pair{kSbPageUp, p.PageUp}, std::pair{kSbPageDown, p.PageDown}})
      if (pressedShown && st.Pressed == part && !IsRectEmpty(&r)) {
        RECT inv = r;
        InvertRect(dc, &inv);
      }
  }
  const bool all = st.Disabled == ESB_DISABLE_BOTH;
  RECT a = p.Up, b = p.Down;
  const UINT upOff = (all || (st.Disabled & ESB_DISABLE_LTUP)) ? DFCS_INACTIVE : 0;
  const UINT downOff = (all || (st.Disabled & ESB_DISABLE_RTDN)) ? DFCS_INACTIVE : 0;
  // Flat arrows (a hot-tracked bar's too while the mouse is elsewhere) have no raised edge.
  const UINT flatArrow = flat ? DFCS_FLAT : 0;
  const UINT upPushed =
      pressedShown && st.Pressed == kSbLineUp ? DFCS_PUSHED | DFCS_FLAT : flatArrow;
  const UINT downPushed =
      pressedShown && st.Pressed == kSbLineDown ? DFCS_PUSHED | DFCS_FLAT : flatArrow;
  if (!IsRectEmpty(&a))
    DrawFrameControl(dc, &a, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | upOff | upPushed);
  if (!IsRectEmpty(&b))
    DrawFrameControl(dc, &b, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | downOff | downPushed);
  if (!IsRectEmpty(&p.Thumb)) {
    RECT t = p.Thumb;
    DrawEdge(dc, &t, EDGE_RAISED, BF_RECT | BF_MIDDLE | (flat ? BF_FLAT : 0));
  }
}

// ---- Tracking a press ----

namespace {

struct ScrollTracker {
  HWND Hwnd = nullptr;
  int Bar = SB_HORZ;
  int Part = kSbNone;
  int Grab = 0;  // where the thumb was taken, from its leading edge
};

ScrollTracker g_track;
// What a tracked press shows each input message to first (SetTrackingFilter).
TrackingFilter g_filter = nullptr;

ScrollState& BarState(Wnd* w, int bar) { return bar == SB_CTL ? w->CtlBar : w->Scroll[bar]; }

bool IsVertical(const Wnd* w, int bar) {
  return bar == SB_CTL ? (w->Style & SBS_VERT) != 0 : bar == SB_VERT;
}

TRect BarArea(const Wnd* w, int bar) { return bar == SB_CTL ? w->Client : NcScrollArea(w, bar); }

void Redraw(Wnd* w, int bar) {
  if (bar == SB_CTL)
    InvalidateRect(w->Handle, nullptr, FALSE);
  else if (ReallyVisible(w))
    DefaultNcPaint(w, nullptr);
}

WORD CodeOf(int part) {
  switch (part) {
    case kSbLineUp: return SB_LINEUP;
    case kSbLineDown: return SB_LINEDOWN;
    case kSbPageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

// WM_HSCROLL / WM_VSCROLL: to the window itself for a frame bar, to the parent (with the
// control's handle) for a SCROLLBAR control.
void Notify(HWND hwnd, int bar, WORD code, int pos) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return;
  const UINT msg = IsVertical(w, bar) ? WM_VSCROLL : WM_HSCROLL;
  const WPARAM wp = MAKEWPARAM(code, static_cast<WORD>(pos));
  if (bar != SB_CTL) {
    Send(w, msg, wp, 0);
  } else if (w->IsChild()) {
    Send(w->Parent, msg, wp, reinterpret_cast<LPARAM>(hwnd));
  }
}

// The part under the cursor now (the bar may have moved its thumb meanwhile).
int PartUnderCursor(Wnd* w, int bar) {
  const TRect area = BarArea(w, bar);
  const POINT o = WindowOrigin(w);
  const POINT c = UserState().Cursor;
  return ScrollBarHit(ScrollBarParts(area, IsVertical(w, bar), BarState(w, bar)),
                      POINT{c.X - o.X, c.Y - o.Y});
}

void EndScrollTracking();

void RepeatTick() {
  Wnd* w = FromHandle(g_track.Hwnd);
  if (!w || UserState().Capture != g_track.Hwnd) {
    EndScrollTracking();
    return;
  }
  const HWND h = g_track.Hwnd;
  const int bar = g_track.Bar;
  const bool over = PartUnderCursor(w, bar) == g_track.Part;
  ScrollState& st = BarState(w, bar);
  if (st.PressedOver != over) {
    st.PressedOver = over;
    Redraw(w, bar);
  }
  SetInternalTimer(&RepeatTick, kScrollRepeatRate, true);
  if (over) Notify(h, bar, CodeOf(g_track.Part), 0);
  if ((w = FromHandle(h)) && g_track.Hwnd == h) Redraw(w, bar);
}

void TrackMouse(POINT screen) {
  Wnd* w = FromHandle(g_track.Hwnd);
  if (!w) return EndScrollTracking();
  const int bar = g_track.Bar;
  ScrollState& st = BarState(w, bar);
  const TRect area = BarArea(w, bar);
  const bool vertical = IsVertical(w, bar);
  const POINT o = WindowOrigin(w);
  const POINT p{screen.X - o.X, screen.Y - o.Y};
  if (g_track.Part != kSbThumb) {
    const bool over = PartUnderCursor(w, bar) == g_track.Part;
    if (over != st.PressedOver) {
      st.PressedOver = over;
      Redraw(w, bar);
    }
    return;
  }
  const int length = vertical ? area.Height() : area.Width();
  const int arrow = std::min(vertical ? area.Width() : area.Height(), length / 2);
  const int start = Along(p, vertical) - Along(POINT{area.Left, area.Top}, vertical) - g_track.Grab;
  const int pos = PosAt(st, length, arrow, start);
  if (pos == st.TrackPos) return;
  st.TrackPos = pos;
  const HWND h = g_track.Hwnd;
  Redraw(w, bar);
  Notify(h, bar, SB_THUMBTRACK, pos);
}

void EndScrollTracking() {
  const ScrollTracker t = g_track;
  g_track = ScrollTracker{};
  SetInternalTimer(&RepeatTick, 0, false);
  Wnd* w = FromHandle(t.Hwnd);
  if (!w) return;
  const bool thumb = BarState(w, t.Bar).Tracking;
  const int pos = BarState(w, t.Bar).TrackPos;
  if (UserState().Capture == t.Hwnd) ReleaseCapture();
  // The thumb's last position goes out while the bar still answers it as the tracking position.
  if (thumb) Notify(t.Hwnd, t.Bar, SB_THUMBPOSITION, pos);
  if (!(w = FromHandle(t.Hwnd))) return;
  ScrollState& st = BarState(w, t.Bar);
  st.Pressed = kSbNone;
  st.PressedOver = false;
  st.Tracking = false;
  Notify(t.Hwnd, t.Bar, SB_ENDSCROLL, 0);
  if ((w = FromHandle(t.Hwnd))) Redraw(w, t.Bar);
}

}  // namespace

void StartScrollTracking(HWND hwnd, int bar, POINT screen) {
  Wnd* w = FromHandle(hwnd);
  if (!w || bar < SB_HORZ || bar > SB_CTL) return;
  if (g_track.Hwnd) EndScrollTracking();
  if (!(w = FromHandle(hwnd))) return;
  ScrollState& st = BarState(w, bar);
  const TRect area = BarArea(w, bar);
  if (IsRectEmpty(&area) || st.Disabled == ESB_DISABLE_BOTH) return;
  const bool vertical = IsVertical(w, bar);
  const POINT o = WindowOrigin(w);
  const POINT p{screen.X - o.X, screen.Y - o.Y};
  const ScrollParts parts = ScrollBarParts(area, vertical, st);
  const int part = ScrollBarHit(parts, p);
  if (part == kSbNone || (part == kSbLineUp && (st.Disabled & ESB_DISABLE_LTUP)) ||
      (part == kSbLineDown && (st.Disabled & ESB_DISABLE_RTDN)))
    return;
  g_track = ScrollTracker{hwnd, bar, part, 0};
  st.Pressed = part;
  st.PressedOver = true;
  if (part == kSbThumb) {
    g_track.Grab = Along(p, vertical) - Along(POINT{parts.Thumb.Left, parts.Thumb.Top}, vertical);
    st.Tracking = true;
    st.TrackPos = st.Pos;
  }
  SetCapture(hwnd);
  Redraw(w, bar);
  if (part == kSbThumb) return;
  SetInternalTimer(&RepeatTick, kScrollRepeatDelay, true);
  Notify(hwnd, bar, CodeOf(part), 0);
  if ((w = FromHandle(hwnd)) && g_track.Hwnd == hwnd) Redraw(w, bar);
}

bool ScrollTrackingInput(const MSG& m) {
  if (!g_track.Hwnd) return false;
  if (UserState().Capture != g_track.Hwnd || !FromHandle(g_track.Hwnd)) {
    EndScrollTracking();
    return false;
  }
  if (g_filter && g_filter(m)) return true;
  if (!g_track.Hwnd) return false;
  switch (m.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: TrackMouse(m.pt); return true;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP: EndScrollTracking(); return true;
    default:
      return (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
             (m.message >= WM_NCMOUSEMOVE && m.message <= WM_NCMBUTTONDBLCLK);
  }
}

void CancelScrollTracking(HWND hwnd) {
  if (g_track.Hwnd && g_track.Hwnd == hwnd) EndScrollTracking();
}

void ResetScrollTracking() {
  g_track = ScrollTracker{};
  SetInternalTimer(&RepeatTick, 0, false);
}

}  // namespace win::user

namespace win {

TrackingFilter SetTrackingFilter(TrackingFilter filter) {
  const TrackingFilter old = user::g_filter;
  user::g_filter = filter;
  return old;
}

}  // namespace win
