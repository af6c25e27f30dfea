// Mouse and keyboard input: injection, routing, double clicks, capture, mouse tracking,
// keyboard state, character translation with a US layout, hot keys, cursor and beeps.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/Clock.h"
#include "platform/user/UserInternal.h"

namespace win::user {

namespace {

// The set-1 scan code of each key that has one besides the letter and digit rows.
struct KeyScan {
  BYTE Vk, Scan;
};
constexpr KeyScan kKeyScans[] = {
    {VK_ESCAPE, 0x01},  {VK_OEM_MINUS, 0x0C}, {VK_OEM_PLUS, 0x0D},   {VK_BACK, 0x0E},
    {VK_TAB, 0x0F},     {VK_OEM_4, 0x1A},     {VK_OEM_6, 0x1B},      {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {VK_LCONTROL, 0x1D},  {VK_RCONTROL, 0x1D},   {VK_OEM_1, 0x27},
    {VK_OEM_7, 0x28},   {VK_OEM_3, 0x29},     {VK_SHIFT, 0x2A},      {VK_LSHIFT, 0x2A},
    {VK_OEM_5, 0x2B},   {VK_OEM_COMMA, 0x33}, {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35},
    {VK_RSHIFT, 0x36},  {VK_MULTIPLY, 0x37},  {VK_MENU, 0x38},       {VK_LMENU, 0x38},
    {VK_RMENU, 0x38},   {VK_SPACE, 0x39},     {VK_CAPITAL, 0x3A},    {VK_NUMLOCK, 0x45},
    {VK_SCROLL, 0x46},  {VK_HOME, 0x47},      {VK_NUMPAD7, 0x47},    {VK_UP, 0x48},
    {VK_NUMPAD8, 0x48}, {VK_PRIOR, 0x49},     {VK_NUMPAD9, 0x49},    {VK_SUBTRACT, 0x4A},
    {VK_LEFT, 0x4B},    {VK_NUMPAD4, 0x4B},   {VK_CLEAR, 0x4C},      {VK_NUMPAD5, 0x4C},
    {VK_RIGHT, 0x4D},   {VK_NUMPAD6, 0x4D},   {VK_ADD, 0x4E},        {VK_END, 0x4F},
    {VK_NUMPAD1, 0x4F}, {VK_DOWN, 0x50},      {VK_NUMPAD2, 0x50},    {VK_NEXT, 0x51},
    {VK_NUMPAD3, 0x51}, {VK_INSERT, 0x52},    {VK_NUMPAD0, 0x52},    {VK_DELETE, 0x53},
    {VK_DECIMAL, 0x53}, {VK_OEM_102, 0x56},   {VK_F11, 0x57},        {VK_F12, 0x58},
    {VK_DIVIDE, 0x35},  {VK_LWIN, 0x5B},      {VK_RWIN, 0x5C},       {VK_APPS, 0x5D},
};

// Set-1 scan codes of the US layout, by virtual key (0 = none).
struct ScanTable {
  BYTE Scan[256] = {};
  bool Extended[256] = {};
  ScanTable() {
    const char* row1 = "1234567890";
    for (int i = 0; i < 10; ++i) Scan[static_cast<BYTE>(row1[i])] = static_cast<BYTE>(0x02 + i);
    const char* q = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i) Scan[static_cast<BYTE>(q[i])] = static_cast<BYTE>(0x10 + i);
    const char* a = "ASDFGHJKL";
    for (int i = 0; i < 9; ++i) Scan[static_cast<BYTE>(a[i])] = static_cast<BYTE>(0x1E + i);
    const char* z = "ZXCVBNM";
    for (int i = 0; i < 7; ++i) Scan[static_cast<BYTE>(z[i])] = static_cast<BYTE>(0x2C + i);
    for (const KeyScan& k : kKeyScans) Scan[k.Vk] = k.Scan;
    for (int i = 0; i < 10; ++i) Scan[VK_F1 + i] = static_cast<BYTE>(0x3B + i);
    for (BYTE vk : {VK_HOME, VK_UP, VK_PRIOR, VK_LEFT, VK_RIGHT, VK_END, VK_DOWN, VK_NEXT,
                    VK_INSERT, VK_DELETE, VK_DIVIDE, VK_RCONTROL, VK_RMENU, VK_LWIN, VK_RWIN,
                    VK_APPS, VK_NUMLOCK})
      Extended[vk] = true;
  }
};

const ScanTable& Scans() {
  static const ScanTable t;
  return t;
}

constexpr const char* kDigitsShifted = ")!@#$%^&*(";

struct OemKey {
  BYTE Vk;
  char Plain, Shifted;
};
constexpr OemKey kOem[] = {{VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'},
                           {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
                           {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},    {VK_OEM_5, '\\', '|'},
                           {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},   {VK_OEM_102, '\\', '|'}};

bool Down(const BYTE* keys, int vk) { return (keys[vk] & 0x80) != 0; }

// The character a key gives with a keyboard state (0 = none).
int KeyChar(UINT vk, const BYTE* keys) {
  const bool shift = Down(keys, VK_SHIFT);
  const bool ctrl = Down(keys, VK_CONTROL);
  const bool alt = Down(keys, VK_MENU);
  const bool caps = (keys[VK_CAPITAL] & 1) != 0;
  if (ctrl && alt) return 0;  // no AltGr characters on this layout
  if (ctrl) {
    if (vk >= 'A' && vk <= 'Z') return static_cast<int>(vk - 'A' + 1);
    switch (vk) {
      case VK_OEM_4: return 27;
      case VK_OEM_5: return 28;
      case VK_OEM_6: return 29;
      case VK_RETURN: return 10;
      case VK_BACK: return 127;
      case VK_ESCAPE: return 27;
      case VK_SPACE: return ' ';
      case VK_CANCEL: return 3;
      case '6': return shift ? 30 : 0;
      case VK_OEM_MINUS: return shift ? 31 : 0;
      default: return 0;
    }
  }
  if (vk >= 'A' && vk <= 'Z') return (shift != caps) ? static_cast<int>(vk) : static_cast<int>(vk + 32);
  if (vk >= '0' && vk <= '9') return shift ? kDigitsShifted[vk - '0'] : static_cast<int>(vk);
  for (const OemKey& k : kOem)
    if (k.Vk == vk) return shift ? k.Shifted : k.Plain;
  switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_ESCAPE: return 27;
    case VK_CANCEL: return 3;
    case VK_MULTIPLY: return '*';
    case VK_ADD: return '+';
    case VK_SUBTRACT: return '-';
    case VK_DIVIDE: return '/';
    default: break;
  }
  if ((keys[VK_NUMLOCK] & 1) && !shift) {
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<int>('0' + (vk - VK_NUMPAD0));
    if (vk == VK_DECIMAL) return '.';
  }
  return 0;
}

void SetKey(BYTE* keys, int vk, bool down) {
  const bool was = (keys[vk] & 0x80) != 0;
  if (down) {
    if (!was) keys[vk] ^= 1;  // toggles on each press
    keys[vk] |= 0x80;
  } else {
    keys[vk] &= static_cast<BYTE>(~0x80);
  }
}

void SetKeyPair(BYTE* keys, int vk, bool down) {
  SetKey(keys, vk, down);
  // The generic shift keys follow their left and right variants, and the other way round.
  auto generic = [&](int g, int l, int r) {
    if (vk == l || vk == r) {
      const bool any = Down(keys, l) || Down(keys, r);
      if (any != Down(keys, g)) SetKey(keys, g, any);
    } else if (vk == g && !Down(keys, l) && !Down(keys, r) && down) {
      SetKey(keys, l, true);
    } else if (vk == g && !down) {
      SetKey(keys, l, false);
      SetKey(keys, r, false);
    }
  };
  generic(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
  generic(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
  generic(VK_MENU, VK_LMENU, VK_RMENU);
}

WPARAM MouseKeyFlags(const BYTE* keys) {
  WPARAM f = 0;
  if (Down(keys, VK_LBUTTON)) f |= MK_LBUTTON;
  if (Down(keys, VK_RBUTTON)) f |= MK_RBUTTON;
  if (Down(keys, VK_MBUTTON)) f |= MK_MBUTTON;
  if (Down(keys, VK_SHIFT)) f |= MK_SHIFT;
  if (Down(keys, VK_CONTROL)) f |= MK_CONTROL;
  return f;
}

bool IsButtonDown(UINT m) {
  return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN ||
         m == WM_LBUTTONDBLCLK || m == WM_RBUTTONDBLCLK || m == WM_MBUTTONDBLCLK ||
         m == WM_NCLBUTTONDOWN || m == WM_NCRBUTTONDOWN || m == WM_NCMBUTTONDOWN ||
         m == WM_NCLBUTTONDBLCLK || m == WM_NCRBUTTONDBLCLK || m == WM_NCMBUTTONDBLCLK;
}

bool IsNcMouse(UINT m) { return m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK; }

LPARAM PackPoint(POINT p) { return MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y)); }

// A screen point in the window's client coordinates.
POINT ClientPoint(const Wnd* w, POINT screen) {
  const POINT o = ClientOrigin(w);
  return {screen.X - o.X, screen.Y - o.Y};
}

// Keeps in keys the state of the mouse button a message presses or releases (client or
// non-client; a double click presses); other messages leave it.
void TrackButton(BYTE* keys, UINT m) {
  struct Button {
    UINT Down;  // then its WM_xBUTTONUP and WM_xBUTTONDBLCLK
    int Vk;
  };
  static constexpr Button kButtons[] = {
      {WM_LBUTTONDOWN, VK_LBUTTON}, {WM_RBUTTONDOWN, VK_RBUTTON}, {WM_MBUTTONDOWN, VK_MBUTTON}};
  if (IsNcMouse(m)) m = m - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
  for (const Button& b : kButtons)
    if (m == b.Down || m == b.Down + 1 || m == b.Down + 2) SetKey(keys, b.Vk, m != b.Down + 1);
}

Wnd* Root(Wnd* w) {
  while (w && w->IsChild()) w = w->Parent;
  return w;
}

// Sends WM_MOUSELEAVE when the cursor is no longer over the tracked window (part).
void CheckLeave(HWND under, LRESULT hit) {
  State& s = UserState();
  MouseTrack& t = s.Track;
  if (!t.Hwnd || !(t.Flags & TME_LEAVE)) return;
  const bool nc = (t.Flags & TME_NONCLIENT) != 0;
  const bool still = under == t.Hwnd && ((hit == HTCLIENT) != nc);
  if (still) return;
  PostInput(t.Hwnd, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, s.Cursor, false);
  t = MouseTrack();
}

}  // namespace

void ResetInputState() {
  State& s = UserState();
  std::memset(s.AsyncKeys, 0, sizeof s.AsyncKeys);
  std::memset(s.ThreadKeys, 0, sizeof s.ThreadKeys);
  s.Cursor = {s.ScreenWidth / 2, s.ScreenHeight / 2};
  s.HasCursorClip = false;
  s.CurrentCursor = nullptr;
  s.LastDownMsg = 0;
  s.LastDownHwnd = nullptr;
  s.LastDownTime = 0;
  s.LastWasDouble = false;
  s.Track = MouseTrack();
  s.LastMouseHwnd = nullptr;
}

void RemoveWindowHotKeys(HWND h) {
  auto& v = UserState().HotKeys;
  v.erase(std::remove_if(v.begin(), v.end(), [h](const HotKey& k) { return h && k.Hwnd == h; }), v.end());
}

void CheckHover() {
  State& s = UserState();
  MouseTrack& t = s.Track;
  if (!t.Hwnd || !(t.Flags & TME_HOVER)) return;
  if (CurrentClock().Milliseconds() - t.HoverStart < t.HoverTime) return;
  Wnd* w = FromHandle(t.Hwnd);
  if (!w) {
    t = MouseTrack();
    return;
  }
  const bool nc = (t.Flags & TME_NONCLIENT) != 0;
  const POINT p = nc ? s.Cursor : ClientPoint(w, s.Cursor);
  LRESULT hit = HTCLIENT;
  if (nc) HitTestScreen(s.Cursor, &hit);
  PostInput(t.Hwnd, nc ? WM_NCMOUSEHOVER : WM_MOUSEHOVER, nc ? static_cast<WPARAM>(hit) : MouseKeyFlags(s.AsyncKeys),
            PackPoint(p), s.Cursor, false);
  t.Flags &= ~TME_HOVER;
  if (!(t.Flags & TME_LEAVE)) t = MouseTrack();
}

bool PreprocessInput(MSG& msg) {
  State& s = UserState();
  const UINT m = msg.message;
  if (m >= WM_KEYFIRST && m <= WM_KEYLAST) {
    const int vk = static_cast<int>(msg.wParam & 0xFF);
    if (m == WM_KEYDOWN || m == WM_SYSKEYDOWN) SetKeyPair(s.ThreadKeys, vk, true);
    if (m == WM_KEYUP || m == WM_SYSKEYUP) SetKeyPair(s.ThreadKeys, vk, false);
    return !TrackingInput(msg);
  }
  if (m == WM_MOUSEWHEEL) return FromHandle(msg.hwnd) != nullptr;
  if (!((m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || IsNcMouse(m))) return true;
  Wnd* w = FromHandle(msg.hwnd);
  if (!w) return false;
  // Button states as the thread sees them.
  TrackButton(s.ThreadKeys, m);
  if (TrackingInput(msg)) return false;
  const HWND h = msg.hwnd;
  const LRESULT hit = IsNcMouse(m) ? static_cast<LRESULT>(msg.wParam) : HTCLIENT;
  const UINT clientMsg = IsNcMouse(m) ? m - WM_NCMOUSEMOVE + WM_MOUSEMOVE : m;
  bool eat = false;
  if (IsButtonDown(m) && !s.Capture) {
    if (!IsNcMouse(m) && (w->Style & WS_CHILD) && !(w->ExStyle & WS_EX_NOPARENTNOTIFY)) {
      // Ancestors hear of clicks in their children (points in their client coordinates).
      for (Wnd* c = w; c->IsChild() && !(c->ExStyle & WS_EX_NOPARENTNOTIFY); c = c->Parent) {
        Wnd* p = c->Parent;
        Send(p, WM_PARENTNOTIFY, clientMsg, PackPoint(ClientPoint(p, msg.pt)));
        if (!(w = FromHandle(h))) return false;
      }
    }
    Wnd* top = Root(w);
    if (top && s.Active != top->Handle && !(top->ExStyle & WS_EX_NOACTIVATE)) {
      const HWND topH = top->Handle;
      const LRESULT r = Send(w, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topH),
                             MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(clientMsg)));
      if (r == MA_ACTIVATE || r == MA_ACTIVATEANDEAT || r == 0)
        if (Wnd* t = FromHandle(topH)) ActivateWindow(t, WA_CLICKACTIVE);
      if (r == MA_ACTIVATEANDEAT || r == MA_NOACTIVATEANDEAT) eat = true;
      if (!(w = FromHandle(h))) return false;
    }
  }
  if (!s.Capture) {
    Send(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(h),
         MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(clientMsg)));
    if (!FromHandle(h)) return false;
  }
  return !eat;
}

// Routes one mouse event at the current cursor position. `msg` is a client message
// (WM_MOUSEMOVE, WM_xBUTTONDOWN/UP or WM_MOUSEWHEEL).
void GenerateMouse(UINT msg, DWORD data) {
  State& s = UserState();
  EnsureInit();
  const POINT pt = s.Cursor;
  TrackButton(s.AsyncKeys, msg);
  WPARAM keys = MouseKeyFlags(s.AsyncKeys);
  if (msg == WM_MOUSEWHEEL) {
    HWND target = s.Focus ? s.Focus : s.Active;
    if (!target) return;
    PostInput(target, WM_MOUSEWHEEL, MAKEWPARAM(static_cast<WORD>(keys), static_cast<WORD>(data)),
              PackPoint(pt), pt, false);
    return;
  }
  LRESULT hit = HTNOWHERE;
  HWND under = HitTestScreen(pt, &hit);
  CheckLeave(under, hit);
  HWND target = under;
  if (s.Capture) {
    target = s.Capture;
    hit = HTCLIENT;
  } else if (Wnd* u = FromHandle(under)) {
    if (u->Style & WS_DISABLED) {
      // Disabled windows get no mouse input; a disabled child passes it to its parent.
      if (u->IsChild()) {
        Wnd* p = u->Parent;
        while (p->IsChild() && (p->Style & WS_DISABLED)) p = p->Parent;
        if (p->Style & WS_DISABLED) return;
        target = p->Handle;
        hit = HTCLIENT;
      } else {
        if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) MessageBeep(MB_OK);
        return;
      }
    }
  }
  Wnd* w = FromHandle(target);
  if (!w) return;
  // Hover tracking restarts when the mouse moves out of the hover rectangle.
  MouseTrack& t = s.Track;
  if (msg == WM_MOUSEMOVE && t.Hwnd == target && (t.Flags & TME_HOVER)) {
    if (std::abs(pt.X - t.HoverPoint.X) > 2 || std::abs(pt.Y - t.HoverPoint.Y) > 2) {
      t.HoverPoint = pt;
      t.HoverStart = CurrentClock().Milliseconds();
    }
  }
  UINT out = msg;
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
  if (down) {
    const uint64_t now = CurrentClock().Milliseconds();
    const bool dbl = !s.LastWasDouble && s.LastDownMsg == msg && s.LastDownHwnd == target &&
                     now - s.LastDownTime < s.DoubleClickTime &&
                     std::abs(pt.X - s.LastDownPt.X) <= s.DoubleClickWidth / 2 &&
                     std::abs(pt.Y - s.LastDownPt.Y) <= s.DoubleClickHeight / 2;
    const bool wants = hit != HTCLIENT || (w->Class->Style & CS_DBLCLKS);
    if (dbl && wants) {
      out = msg + 2;  // WM_xBUTTONDBLCLK
      s.LastWasDouble = true;
    } else {
      s.LastWasDouble = false;
      s.LastDownMsg = msg;
      s.LastDownHwnd = target;
      s.LastDownTime = now;
      s.LastDownPt = pt;
    }
  }
  if (hit == HTCLIENT) {
    PostInput(target, out, keys, PackPoint(ClientPoint(w, pt)), pt, false);
  } else {
    PostInput(target, out - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit), PackPoint(pt), pt, false);
  }
  s.LastMouseHwnd = target;
}

void GenerateKey(BYTE vk, BYTE scan, DWORD flags) {
  State& s = UserState();
  EnsureInit();
  const ScanTable& tab = Scans();
  if (vk == 0 && scan != 0) vk = static_cast<BYTE>(MapVirtualKeyA(scan, MAPVK_VSC_TO_VK));
  if (scan == 0) scan = tab.Scan[vk];
  const bool up = (flags & KEYEVENTF_KEYUP) != 0;
  const bool ext = (flags & KEYEVENTF_EXTENDEDKEY) || tab.Extended[vk];
  const bool prev = Down(s.AsyncKeys, vk);
  SetKeyPair(s.AsyncKeys, vk, !up);
  const bool alt = Down(s.AsyncKeys, VK_MENU);
  const bool ctrl = Down(s.AsyncKeys, VK_CONTROL);
  if (!up) {
    UINT mods = 0;
    if (alt) mods |= MOD_ALT;
    if (ctrl) mods |= MOD_CONTROL;
    if (Down(s.AsyncKeys, VK_SHIFT)) mods |= MOD_SHIFT;
    if (Down(s.AsyncKeys, VK_LWIN) || Down(s.AsyncKeys, VK_RWIN)) mods |= MOD_WIN;
    for (const HotKey& k : s.HotKeys) {
      if (k.Vk != vk || (k.Modifiers & 0x0F) != mods) continue;
      const LPARAM lp = MAKELPARAM(static_cast<WORD>(mods), static_cast<WORD>(vk));
      if (k.Hwnd)
        PostMessageA(k.Hwnd, WM_HOTKEY, static_cast<WPARAM>(k.Id), lp);
      else
        PostThreadMessageA(k.ThreadId, WM_HOTKEY, static_cast<WPARAM>(k.Id), lp);
      return;  // the key press is eaten
    }
  }
  HWND target = s.Focus;
  bool sys = (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU;
  if (!target) {
    target = s.Active;
    sys = true;
  }
  if (!target) return;
  LPARAM lp = 1 | (static_cast<LPARAM>(scan) << 16);
  if (ext) lp |= 1 << 24;
  if (alt && !ctrl) lp |= 1 << 29;
  if (up || prev) lp |= 1 << 30;
  if (up) lp |= static_cast<LPARAM>(1u << 31);
  const UINT m = up ? (sys ? WM_SYSKEYUP : WM_KEYUP) : (sys ? WM_SYSKEYDOWN : WM_KEYDOWN);
  PostInput(target, m, vk, static_cast<LPARAM>(static_cast<DWORD>(lp)), s.Cursor, false);
}

void MoveCursorTo(POINT p) {
  State& s = UserState();
  EnsureInit();
  TRect clip = s.HasCursorClip ? s.CursorClip : TRect{0, 0, s.ScreenWidth, s.ScreenHeight};
  p.X = std::clamp(p.X, clip.Left, std::max(clip.Left, clip.Right - 1));
  p.Y = std::clamp(p.Y, clip.Top, std::max(clip.Top, clip.Bottom - 1));
  s.Cursor = p;
}

void InjectMouseMove(int x, int y) {
  EnsureInit();
  const POINT before = UserState().Cursor;
  MoveCursorTo({x, y});
  if (UserState().Cursor == before) return;  // the mouse did not move
  GenerateMouse(WM_MOUSEMOVE, 0);
}

void InjectMouseButton(int button, bool down) {
  static const UINT downs[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
  if (button < 0 || button > 2) return;
  GenerateMouse(down ? downs[button] : downs[button] + 1, 0);
}

void InjectMouseWheel(int delta) { GenerateMouse(WM_MOUSEWHEEL, static_cast<DWORD>(static_cast<WORD>(delta))); }

void InjectKey(BYTE vk, bool down) { GenerateKey(vk, 0, down ? 0 : KEYEVENTF_KEYUP); }

}  // namespace win::user

namespace win {

using namespace user;

HWND SetCapture(HWND hwnd) {
  State& s = UserState();
  const HWND old = s.Capture;
  if (!FromHandle(hwnd)) return old;
  if (old == hwnd) return old;
  s.Capture = hwnd;
  if (Wnd* o = FromHandle(old)) Send(o, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
  return old;
}

BOOL ReleaseCapture() {
  State& s = UserState();
  const HWND old = s.Capture;
  if (!old) return TRUE;
  s.Capture = nullptr;
  if (Wnd* o = FromHandle(old)) Send(o, WM_CAPTURECHANGED, 0, 0);
  // The window under the cursor hears where the mouse is now.
  return TRUE;
}

HWND GetCapture() { return UserState().Capture; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
  if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
  State& s = UserState();
  MouseTrack& t = s.Track;
  if (tme->dwFlags & TME_QUERY) {
    tme->dwFlags = t.Hwnd ? t.Flags : 0;
    tme->hwndTrack = t.Hwnd;
    tme->dwHoverTime = t.Hwnd ? t.HoverTime : 0;
    return TRUE;
  }
  if (!FromHandle(tme->hwndTrack)) return FALSE;
  if (tme->dwFlags & TME_CANCEL) {
    if (t.Hwnd == tme->hwndTrack) {
      t.Flags &= ~(tme->dwFlags & (TME_HOVER | TME_LEAVE));
      if (!(t.Flags & (TME_HOVER | TME_LEAVE))) t = MouseTrack();
    }
    return TRUE;
  }
  LRESULT hit = HTNOWHERE;
  const HWND under = HitTestScreen(s.Cursor, &hit);
  const bool nc = (tme->dwFlags & TME_NONCLIENT) != 0;
  const bool over = under == tme->hwndTrack && ((hit == HTCLIENT) != nc);
  if (!over) {
    if (tme->dwFlags & TME_LEAVE)
      PostInput(tme->hwndTrack, nc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0, s.Cursor, false);
    return TRUE;
  }
  if (t.Hwnd != tme->hwndTrack) t = MouseTrack();
  t.Hwnd = tme->hwndTrack;
  t.Flags |= tme->dwFlags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
  if (tme->dwFlags & TME_HOVER) {
    t.HoverTime = tme->dwHoverTime == HOVER_DEFAULT ? 400 : tme->dwHoverTime;
    t.HoverStart = CurrentClock().Milliseconds();
    t.HoverPoint = s.Cursor;
  }
  return TRUE;
}

BOOL GetCursorPos(LPPOINT pt) {
  if (!pt) return FALSE;
  EnsureInit();
  *pt = UserState().Cursor;
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  InjectMouseMove(x, y);
  return TRUE;
}

BOOL ClipCursor(const RECT* rect) {
  State& s = UserState();
  if (!rect) {
    s.HasCursorClip = false;
    return TRUE;
  }
  TRect r = *rect;
  const TRect screen = {0, 0, s.ScreenWidth, s.ScreenHeight};
  IntersectRect(&r, &r, &screen);
  if (IsRectEmpty(&r)) return FALSE;
  s.CursorClip = r;
  s.HasCursorClip = true;
  MoveCursorTo(s.Cursor);
  return TRUE;
}

BOOL GetClipCursor(LPRECT rect) {
  if (!rect) return FALSE;
  State& s = UserState();
  *rect = s.HasCursorClip ? s.CursorClip : TRect{0, 0, s.ScreenWidth, s.ScreenHeight};
  return TRUE;
}

HCURSOR SetCursor(HCURSOR cursor) {
  State& s = UserState();
  HCURSOR old = s.CurrentCursor;
  s.CurrentCursor = cursor;
  return old;
}

HCURSOR GetCursor() { return UserState().CurrentCursor; }

// The system's cursors and icons are identified by stable pseudo-handles (drawing them is not
// supported).
HCURSOR LoadCursorA(HINSTANCE inst, LPCSTR name) {
  const uintptr_t id = reinterpret_cast<uintptr_t>(name);
  if (inst || !IS_INTRESOURCE(id) || id < IDC_ARROW || id > IDC_HELP) return nullptr;
  return reinterpret_cast<HCURSOR>(0x00010000u | id);
}

HICON LoadIconA(HINSTANCE inst, LPCSTR name) {
  const uintptr_t id = reinterpret_cast<uintptr_t>(name);
  if (inst || !IS_INTRESOURCE(id) || id < IDI_APPLICATION || id > IDI_WINLOGO) return nullptr;
  return reinterpret_cast<HICON>(0x00020000u | id);
}

UINT GetDoubleClickTime() { return UserState().DoubleClickTime; }

BOOL SetDoubleClickTime(UINT ms) {
  UserState().DoubleClickTime = ms ? ms : 500;
  return TRUE;
}

SHORT GetKeyState(int vk) {
  if (vk < 0 || vk > 255) return 0;
  const BYTE k = UserState().ThreadKeys[vk];
  return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

SHORT GetAsyncKeyState(int vk) {
  if (vk < 0 || vk > 255) return 0;
  const BYTE k = UserState().AsyncKeys[vk];
  return static_cast<SHORT>((k & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* state) {
  if (!state) return FALSE;
  std::memcpy(state, UserState().ThreadKeys, 256);
  return TRUE;
}

BOOL SetKeyboardState(const BYTE* state) {
  if (!state) return FALSE;
  State& s = UserState();
  std::memcpy(s.ThreadKeys, state, 256);
  for (int vk : {VK_CAPITAL, VK_NUMLOCK, VK_SCROLL})
    s.AsyncKeys[vk] = static_cast<BYTE>((s.AsyncKeys[vk] & ~1) | (state[vk] & 1));
  return TRUE;
}

UINT MapVirtualKeyA(UINT code, UINT mapType) {
  const ScanTable& t = Scans();
  switch (mapType) {
    case MAPVK_VK_TO_VSC:
      return code < 256 ? t.Scan[code] : 0;
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX: {
      if (code == 0) return 0;
      if (code == 0x2A) return mapType == MAPVK_VSC_TO_VK_EX ? VK_LSHIFT : VK_SHIFT;
      if (code == 0x36) return mapType == MAPVK_VSC_TO_VK_EX ? VK_RSHIFT : VK_SHIFT;
      if (code == 0x1D) return mapType == MAPVK_VSC_TO_VK_EX ? VK_LCONTROL : VK_CONTROL;
      if (code == 0x38) return mapType == MAPVK_VSC_TO_VK_EX ? VK_LMENU : VK_MENU;
      // Prefer the keys of the main block over the keypad's.
      for (UINT vk = 1; vk < 256; ++vk)
        if (t.Scan[vk] == code && !(vk >= VK_NUMPAD0 && vk <= VK_DIVIDE) && !t.Extended[vk]) return vk;
      for (UINT vk = 1; vk < 256; ++vk)
        if (t.Scan[vk] == code) return vk;
      return 0;
    }
    case MAPVK_VK_TO_CHAR: {
      if (code >= 'A' && code <= 'Z') return code;
      BYTE none[256] = {};
      const int c = code < 256 ? KeyChar(code, none) : 0;
      return static_cast<UINT>(c);
    }
    default: return 0;
  }
}

SHORT VkKeyScanA(CHAR ch) {
  const unsigned char c = static_cast<unsigned char>(ch);
  if (c >= 'a' && c <= 'z') return static_cast<SHORT>(c - 32);
  if (c >= 'A' && c <= 'Z') return static_cast<SHORT>(0x100 | c);
  if (c >= '0' && c <= '9') return static_cast<SHORT>(c);
  for (int d = 0; d < 10; ++d)
    if (kDigitsShifted[d] == ch) return static_cast<SHORT>(0x100 | ('0' + d));
  for (const OemKey& k : kOem) {
    if (k.Vk == VK_OEM_102) continue;
    if (k.Plain == ch) return k.Vk;
    if (k.Shifted == ch) return static_cast<SHORT>(0x100 | k.Vk);
  }
  switch (c) {
    case ' ': return VK_SPACE;
    case '\r': return VK_RETURN;
    case '\n': return static_cast<SHORT>(0x200 | VK_RETURN);
    case '\t': return VK_TAB;
    case 8: return VK_BACK;
    case 27: return VK_ESCAPE;
    default: break;
  }
  if (c >= 1 && c <= 26) return static_cast<SHORT>(0x200 | ('A' + c - 1));
  return -1;
}

int ToAscii(UINT vk, UINT, const BYTE* keyState, WORD* chars, UINT) {
  if (!keyState || !chars || vk > 255) return 0;
  const int c = KeyChar(vk, keyState);
  if (c <= 0) return 0;
  chars[0] = static_cast<WORD>(c);
  return 1;
}

int GetKeyNameTextA(LONG lParam, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const UINT scan = (static_cast<DWORD>(lParam) >> 16) & 0xFF;
  const bool ext = (lParam >> 24) & 1;
  UINT vk = MapVirtualKeyA(scan, MAPVK_VSC_TO_VK);
  if (ext) {
    for (UINT v = 1; v < 256; ++v)
      if (Scans().Scan[v] == scan && Scans().Extended[v]) {
        vk = v;
        break;
      }
  }
  std::string name;
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
    name = std::string(1, static_cast<char>(vk));
  } else if (vk >= VK_F1 && vk <= VK_F24) {
    name = "F" + std::to_string(vk - VK_F1 + 1);
  } else {
    switch (vk) {
      case VK_ESCAPE: name = "Esc"; break;
      case VK_BACK: name = "Backspace"; break;
      case VK_TAB: name = "Tab"; break;
      case VK_RETURN: name = ext ? "Num Enter" : "Enter"; break;
      case VK_CONTROL: name = ext ? "Right Ctrl" : "Ctrl"; break;
      case VK_SHIFT: name = scan == 0x36 ? "Right Shift" : "Shift"; break;
      case VK_MENU: name = ext ? "Right Alt" : "Alt"; break;
      case VK_SPACE: name = "Space"; break;
      case VK_CAPITAL: name = "Caps Lock"; break;
      case VK_NUMLOCK: name = "Num Lock"; break;
      case VK_SCROLL: name = "Scroll Lock"; break;
      case VK_HOME: name = "Home"; break;
      case VK_END: name = "End"; break;
      case VK_PRIOR: name = "Page Up"; break;
      case VK_NEXT: name = "Page Down"; break;
      case VK_INSERT: name = "Insert"; break;
      case VK_DELETE: name = "Delete"; break;
      case VK_LEFT: name = "Left"; break;
      case VK_RIGHT: name = "Right"; break;
      case VK_UP: name = "Up"; break;
      case VK_DOWN: name = "Down"; break;
      default: {
        const UINT c = MapVirtualKeyA(vk, MAPVK_VK_TO_CHAR);
        if (c) name = std::string(1, static_cast<char>(c));
      }
    }
  }
  const int n = std::min<int>(static_cast<int>(name.size()), size - 1);
  std::memcpy(buffer, name.data(), static_cast<size_t>(n));
  buffer[n] = 0;
  return n;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg) return FALSE;
  const UINT m = msg->message;
  if (m != WM_KEYDOWN && m != WM_SYSKEYDOWN) {
    return (m == WM_KEYUP || m == WM_SYSKEYUP) ? TRUE : FALSE;
  }
  const int c = KeyChar(static_cast<UINT>(msg->wParam & 0xFF), UserState().ThreadKeys);
  if (c > 0) {
    // The character is the next message the thread reads.
    PostInput(msg->hwnd, m == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, static_cast<WPARAM>(c), msg->lParam,
              msg->pt, true);
  }
  return TRUE;
}

void keybd_event(BYTE vk, BYTE scan, DWORD flags, uintptr_t) { GenerateKey(vk, scan, flags); }

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, uintptr_t) {
  State& s = UserState();
  EnsureInit();
  if (flags & MOUSEEVENTF_MOVE) {
    POINT p;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
      // Absolute coordinates are normalised to 0..65535 across the screen.
      p.X = static_cast<int>((static_cast<int64_t>(dx) * s.ScreenWidth) / 65536);
      p.Y = static_cast<int>((static_cast<int64_t>(dy) * s.ScreenHeight) / 65536);
    } else {
      p.X = s.Cursor.X + static_cast<int>(static_cast<LONG>(dx));
      p.Y = s.Cursor.Y + static_cast<int>(static_cast<LONG>(dy));
    }
    MoveCursorTo(p);
    GenerateMouse(WM_MOUSEMOVE, 0);
  }
  if (flags & MOUSEEVENTF_LEFTDOWN) InjectMouseButton(0, true);
  if (flags & MOUSEEVENTF_LEFTUP) InjectMouseButton(0, false);
  if (flags & MOUSEEVENTF_RIGHTDOWN) InjectMouseButton(1, true);
  if (flags & MOUSEEVENTF_RIGHTUP) InjectMouseButton(1, false);
  if (flags & MOUSEEVENTF_MIDDLEDOWN) InjectMouseButton(2, true);
  if (flags & MOUSEEVENTF_MIDDLEUP) InjectMouseButton(2, false);
  if (flags & MOUSEEVENTF_WHEEL) InjectMouseWheel(static_cast<int>(static_cast<LONG>(data)));
}

UINT SendInput(UINT count, const INPUT* inputs, int size) {
  if (!inputs || size != static_cast<int>(sizeof(INPUT))) return 0;
  for (UINT i = 0; i < count; ++i) {
    const INPUT& in = inputs[i];
    if (in.type == INPUT_MOUSE)
      mouse_event(in.mi.dwFlags, static_cast<DWORD>(in.mi.dx), static_cast<DWORD>(in.mi.dy), in.mi.mouseData, 0);
    else if (in.type == INPUT_KEYBOARD)
      keybd_event(static_cast<BYTE>(in.ki.wVk), static_cast<BYTE>(in.ki.wScan), in.ki.dwFlags, 0);
  }
  return count;
}

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT vk) {
  State& s = UserState();
  if (hwnd && !FromHandle(hwnd)) return FALSE;
  for (const HotKey& k : s.HotKeys) {
    if (k.Vk == vk && (k.Modifiers & 0x0F) == (modifiers & 0x0F)) return FALSE;
    if (k.Hwnd == hwnd && k.Id == id && (hwnd || k.ThreadId == CurrentThread())) return FALSE;
  }
  HotKey k;
  k.Hwnd = hwnd;
  k.ThreadId = CurrentThread();
  k.Id = id;
  k.Modifiers = modifiers;
  k.Vk = vk;
  s.HotKeys.push_back(k);
  return TRUE;
}

BOOL UnregisterHotKey(HWND hwnd, int id) {
  auto& v = UserState().HotKeys;
  const DWORD tid = CurrentThread();
  auto it = std::find_if(v.begin(), v.end(), [&](const HotKey& k) {
    return k.Hwnd == hwnd && k.Id == id && (hwnd || k.ThreadId == tid);
  });
  if (it == v.end()) return FALSE;
  v.erase(it);
  return TRUE;
}

BOOL MessageBeep(UINT type) {
  UserState().Beeps.push_back(type);
  return TRUE;
}

BOOL Beep(DWORD frequency, DWORD duration) {
  if (frequency < 37 || frequency > 32767) return FALSE;
  UserState().Tones.emplace_back(frequency, duration);
  return TRUE;
}

}  // namespace win
