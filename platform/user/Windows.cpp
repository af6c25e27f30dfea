// Window classes, creation and destruction. The queries and walks of the window tree are in
// WindowsTree.cpp; window longs, text and properties in WindowsLongs.cpp.
#include <algorithm>
#include <atomic>
#include <cstring>

#include "platform/base/Finally.h"
#include "platform/gdi/SysColorsListener.h"
#include "platform/text/Text.h"
#include "platform/user/UserInternal.h"
#include "platform/user/WindowsInternal.h"

namespace win::user {

namespace windows_internal {

bool SameText(const std::string& a, const char* b) {
  const size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

}  // namespace windows_internal

namespace {

LRESULT DesktopProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) return 1;  // the desktop is painted directly by PaintDesktop
  return DefWindowProcA(h, msg, wp, lp);
}

std::atomic<DWORD> g_nextThreadId{1};
thread_local DWORD t_threadId = 0;

}  // namespace

State& UserState() {
  static State* state = new State();  // never destroyed: windows may outlive static objects
  return *state;
}

DWORD CurrentThread() {
  if (t_threadId == 0) t_threadId = g_nextThreadId++;
  return t_threadId;
}

ThreadQueue& QueueOf(DWORD threadId) { return *SharedQueueOf(threadId); }

std::shared_ptr<ThreadQueue> SharedQueueOf(DWORD threadId) {
  State& s = UserState();
  std::lock_guard lock(s.TableMutex);
  auto& q = s.Queues[threadId];
  if (!q) {
    q = std::make_shared<ThreadQueue>();
    q->ThreadId = threadId;
  }
  return q;
}

Wnd* FromHandle(HWND h) {
  if (!h) return nullptr;
  State& s = UserState();
  std::lock_guard lock(s.TableMutex);
  auto it = s.Handles.find(reinterpret_cast<uintptr_t>(h));
  if (it == s.Handles.end() || it->second->Dead) return nullptr;
  return it->second;
}

// The system's list box class.
static void AddListClasses(State& s) {
  const struct {
    const char* Name;
    WNDPROC Proc;
  } classes[] = {{"ListBox", ListBoxClassProc()},
                 {"ComboBox", ComboBoxClassProc()},
                 {"Edit", EditClassProc()},
                 {"Button", ButtonClassProc()},
                 {"ScrollBar", ScrollBarClassProc()}};
  for (const auto& k : classes) {
    auto sc = std::make_unique<WndClass>();
    sc->Atom = s.NextAtom++;
    sc->Name = k.Name;
    sc->Proc = k.Proc;
    sc->Style = CS_DBLCLKS;
    sc->System = true;
    s.Classes.push_back(std::move(sc));
  }
}

// A change of the system colours is told to every top-level window, as the system does once
// the colours hold.
static void TellSysColorChange() {
  if (UserState().Desktop) SendMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0);
}

static void CreateDesktop(State& s) {
  SetStockIconProvider(&StockIcon);
  gdi::SetSysColorsListener(&TellSysColorChange);
  auto cls = std::make_unique<WndClass>();
  cls->Atom = 32769;
  cls->Name = "#32769";
  cls->Proc = DesktopProc;
  cls->System = true;
  WndClass* c = cls.get();
  s.Classes.push_back(std::move(cls));
  AddListClasses(s);
  Wnd* d = new Wnd();
  d->Handle = reinterpret_cast<HWND>(s.NextHandle);
  s.NextHandle += 4;
  d->Class = c;
  d->Proc = DesktopProc;
  d->Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  d->Rect = {0, 0, s.ScreenWidth, s.ScreenHeight};
  d->Client = d->Rect;
  s.Handles[reinterpret_cast<uintptr_t>(d->Handle)] = d;
  s.Desktop = d;
  s.Screen = gdi::Surface::Create(s.ScreenWidth, s.ScreenHeight);
  s.WorkArea = {0, 0, s.ScreenWidth, s.ScreenHeight - 30};
  PaintDesktop(Region(d->Rect));
}

void EnsureInit() {
  State& s = UserState();
  if (s.Desktop) return;
  std::lock_guard lock(s.TableMutex);
  if (!s.Desktop) CreateDesktop(s);
}

void ResetAll(int screenWidth, int screenHeight) {
  State& s = UserState();
  EnsureInit();
  // Destroy every top-level window (children go with them).
  for (int guard = 0; guard < 100000; ++guard) {
    Wnd* d = s.Desktop;
    if (d->Children.empty()) break;
    Wnd* w = d->Children.back();
    const size_t before = d->Children.size();
    DestroyWindow(w->Handle);
    if (d->Children.size() == before) {
      // A window that refuses to go away (destroyed from another thread's view): unlink it.
      d->Children.pop_back();
    }
  }
  ResetTracking();
  SetScreenLogPixels(96);
  ResetFontResources();
  std::lock_guard lock(s.TableMutex);
  for (auto& [dc, hwnd] : s.WindowDCs) DeleteDC(dc);
  s.WindowDCs.clear();
  delete s.Desktop;
  s.Handles.clear();
  s.PaintCandidates.clear();
  s.Desktop = nullptr;
  s.Classes.clear();
  s.NextAtom = 0xC000;
  s.MessageNames.clear();
  s.Queues.clear();
  s.Focus = s.Active = s.Foreground = s.Capture = s.LockedUpdate = nullptr;
  s.Caret = CaretState();
  s.CaretBlink = 530;
  s.DoubleClickTime = 500;
  s.DoubleClickWidth = s.DoubleClickHeight = 4;
  s.HotKeys.clear();
  ResetMenus();
  s.Beeps.clear();
  s.Tones.clear();
  s.KeyboardDelay = 1;
  s.KeyboardSpeed = 31;
  s.WheelLines = 3;
  s.DragFullWindows = TRUE;
  s.FontSmoothing = TRUE;
  s.WarningBeep = TRUE;
  s.ScreenSaveActive = FALSE;
  s.SnapToDefButton = FALSE;
  s.MinAnimate = 1;
  s.Wallpaper.clear();
  s.ScreenWidth = s.StartScreenWidth = screenWidth;
  s.ScreenHeight = s.StartScreenHeight = screenHeight;
  ResetInputState();
  CreateDesktop(s);
}

LRESULT Send(Wnd* w, UINT msg, WPARAM wp, LPARAM lp) {
  if (!w || w->Dead) return 0;
  WNDPROC proc = w->Proc;
  if (!proc) return DefWindowProcA(w->Handle, msg, wp, lp);
  ++w->Busy;
  vcl::TFinally release([w] {
    if (--w->Busy == 0 && w->Dead) delete w;
  });
  return proc(w->Handle, msg, wp, lp);
}

// ---------------------------------------------------------------------------------------------
// Geometry

POINT WindowOrigin(const Wnd* w) {
  if (!w->Parent) return {w->Rect.Left, w->Rect.Top};
  POINT p = ClientOrigin(w->Parent);
  return {p.X + w->Rect.Left, p.Y + w->Rect.Top};
}

POINT ClientOrigin(const Wnd* w) {
  POINT p = WindowOrigin(w);
  return {p.X + w->Client.Left, p.Y + w->Client.Top};
}

TRect ScreenWindowRect(const Wnd* w) {
  POINT p = WindowOrigin(w);
  return Bounds(p.X, p.Y, w->Rect.Width(), w->Rect.Height());
}

TRect ScreenClientRect(const Wnd* w) {
  POINT p = ClientOrigin(w);
  return Bounds(p.X, p.Y, w->Client.Width(), w->Client.Height());
}

bool ReallyVisible(const Wnd* w) {
  for (; w; w = w->Parent)
    if (!(w->Style & WS_VISIBLE)) return false;
  return true;
}

void NonClientMetrics(DWORD style, DWORD exStyle, bool isChild, int& border, int& caption) {
  (void)isChild;
  border = 0;
  const bool thick =
      (style & WS_THICKFRAME) && !((style & (WS_DLGFRAME | WS_BORDER)) == WS_DLGFRAME);
  const bool dlg = (exStyle & WS_EX_DLGMODALFRAME) ||
                   ((style & WS_DLGFRAME) && !(style & WS_THICKFRAME));
  if (thick)
    border = GetSystemMetrics(SM_CXFRAME);
  else if (dlg)
    border = GetSystemMetrics(SM_CXDLGFRAME);
  else if (style & WS_BORDER)
    border = GetSystemMetrics(SM_CXBORDER);
  caption = 0;
  if ((style & WS_CAPTION) == WS_CAPTION)
    caption = GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& window, bool isChild, int vBar,
                        int hBar) {
  if (vBar <= 0) vBar = GetSystemMetrics(SM_CXVSCROLL);
  if (hBar <= 0) hBar = GetSystemMetrics(SM_CYHSCROLL);
  int border, caption;
  NonClientMetrics(style, exStyle, isChild, border, caption);
  TRect r = window;
  InflateRect(&r, -border, -border);
  r.Top += caption;
  if (exStyle & WS_EX_CLIENTEDGE) InflateRect(&r, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));
  if (exStyle & WS_EX_STATICEDGE) InflateRect(&r, -1, -1);
  if (style & WS_VSCROLL) {
    if (exStyle & WS_EX_LEFTSCROLLBAR)
      r.Left += vBar;
    else
      r.Right -= vBar;
  }
  if (style & WS_HSCROLL) r.Bottom -= hBar;
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

}  // namespace win::user

// =============================================================================================
namespace win {

using namespace user;
using namespace user::windows_internal;

DWORD GetCurrentThreadId() { return CurrentThread(); }
DWORD GetCurrentProcessId() { return 4242; }

// ---- Classes ----

static WndClass* FindClass(LPCSTR name) {
  State& s = UserState();
  const uintptr_t v = reinterpret_cast<uintptr_t>(name);
  if (!name) return nullptr;
  for (auto& c : s.Classes) {
    if (IS_INTRESOURCE(v)) {
      if (c->Atom == v) return c.get();
    } else if (SameText(c->Name, name)) {
      return c.get();
    }
  }
  return nullptr;
}

static ATOM RegisterClassImpl(UINT style, WNDPROC proc, int clsExtra, int wndExtra,
                              HINSTANCE inst, HICON icon, HCURSOR cursor, HBRUSH bg,
                              LPCSTR menu, LPCSTR name, HICON iconSm) {
  EnsureInit();
  State& s = UserState();
  if (!name || clsExtra < 0 || wndExtra < 0 || clsExtra > 40000 || wndExtra > 40000) return 0;
  if (IS_INTRESOURCE(reinterpret_cast<uintptr_t>(name))) return 0;
  if (!*name || std::strlen(name) > 255) return 0;
  if (FindClass(name)) return 0;  // already registered
  auto c = std::make_unique<WndClass>();
  c->Atom = s.NextAtom++;
  c->Name = name;
  c->Style = style;
  c->Proc = proc;
  c->ClsExtra = clsExtra;
  c->WndExtra = wndExtra;
  c->Instance = inst;
  c->Icon = icon;
  c->IconSm = iconSm;
  c->Cursor = cursor;
  c->Background = bg;
  if (menu && !IS_INTRESOURCE(reinterpret_cast<uintptr_t>(menu))) c->MenuName = menu;
  c->Extra.assign(static_cast<size_t>(clsExtra), 0);
  const ATOM a = c->Atom;
  s.Classes.push_back(std::move(c));
  return a;
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (!wc) return 0;
  return RegisterClassImpl(wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra,
                           wc->hInstance, wc->hIcon, wc->hCursor, wc->hbrBackground,
                           wc->lpszMenuName, wc->lpszClassName, nullptr);
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (!wc || wc->cbSize != sizeof(WNDCLASSEXA)) return 0;
  return RegisterClassImpl(wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra,
                           wc->hInstance, wc->hIcon, wc->hCursor, wc->hbrBackground,
                           wc->lpszMenuName, wc->lpszClassName, wc->hIconSm);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
  EnsureInit();
  WndClass* c = FindClass(className);
  if (!c || c->System || c->Windows > 0) return FALSE;
  auto& v = UserState().Classes;
  v.erase(std::remove_if(v.begin(), v.end(), [c](auto& p) { return p.get() == c; }), v.end());
  return TRUE;
}

BOOL GetClassInfoExA(HINSTANCE, LPCSTR className, WNDCLASSEXA* wc) {
  EnsureInit();
  WndClass* c = FindClass(className);
  if (!c || !wc) return FALSE;
  wc->style = c->Style;
  wc->lpfnWndProc = c->Proc;
  wc->cbClsExtra = c->ClsExtra;
  wc->cbWndExtra = c->WndExtra;
  wc->hInstance = c->Instance;
  wc->hIcon = c->Icon;
  wc->hCursor = c->Cursor;
  wc->hbrBackground = c->Background;
  wc->lpszMenuName = c->MenuName.empty() ? nullptr : c->MenuName.c_str();
  wc->lpszClassName = c->Name.c_str();
  wc->hIconSm = c->IconSm;
  return TRUE;
}

BOOL GetClassInfoA(HINSTANCE inst, LPCSTR className, WNDCLASSA* wc) {
  WNDCLASSEXA ex;
  if (!wc || !GetClassInfoExA(inst, className, &ex)) return FALSE;
  wc->style = ex.style;
  wc->lpfnWndProc = ex.lpfnWndProc;
  wc->cbClsExtra = ex.cbClsExtra;
  wc->cbWndExtra = ex.cbWndExtra;
  wc->hInstance = ex.hInstance;
  wc->hIcon = ex.hIcon;
  wc->hCursor = ex.hCursor;
  wc->hbrBackground = ex.hbrBackground;
  wc->lpszMenuName = ex.lpszMenuName;
  wc->lpszClassName = ex.lpszClassName;
  return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount) {
  Wnd* w = FromHandle(hwnd);
  if (!w || !buffer || maxCount <= 0) return 0;
  const int n = std::min<int>(static_cast<int>(w->Class->Name.size()), maxCount - 1);
  std::memcpy(buffer, w->Class->Name.data(), static_cast<size_t>(n));
  buffer[n] = 0;
  return n;
}

uintptr_t GetClassLongPtrA(HWND hwnd, int index) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  WndClass* c = w->Class;
  if (index >= 0) {
    if (static_cast<size_t>(index) + sizeof(LONG_PTR) > c->Extra.size()) return 0;
    uintptr_t v;
    std::memcpy(&v, c->Extra.data() + index, sizeof v);
    return v;
  }
  switch (index) {
    case GCL_MENUNAME: return reinterpret_cast<uintptr_t>(c->MenuName.c_str());
    case GCL_HBRBACKGROUND: return reinterpret_cast<uintptr_t>(c->Background);
    case GCL_HCURSOR: return reinterpret_cast<uintptr_t>(c->Cursor);
    case GCL_HICON: return reinterpret_cast<uintptr_t>(c->Icon);
    case GCL_HICONSM: return reinterpret_cast<uintptr_t>(c->IconSm);
    case GCL_HMODULE: return reinterpret_cast<uintptr_t>(c->Instance);
    case GCL_CBWNDEXTRA: return static_cast<uintptr_t>(c->WndExtra);
    case GCL_CBCLSEXTRA: return static_cast<uintptr_t>(c->ClsExtra);
    case GCL_WNDPROC: return reinterpret_cast<uintptr_t>(c->Proc);
    case GCL_STYLE: return c->Style;
    case GCW_ATOM: return c->Atom;
    default: return 0;
  }
}

uintptr_t SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  WndClass* c = w->Class;
  const uintptr_t old = GetClassLongPtrA(hwnd, index);
  if (index >= 0) {
    if (static_cast<size_t>(index) + sizeof(LONG_PTR) > c->Extra.size()) return 0;
    std::memcpy(c->Extra.data() + index, &value, sizeof value);
    return old;
  }
  switch (index) {
    case GCL_HBRBACKGROUND: c->Background = reinterpret_cast<HBRUSH>(value); break;
    case GCL_HCURSOR: c->Cursor = reinterpret_cast<HCURSOR>(value); break;
    case GCL_HICON: c->Icon = reinterpret_cast<HICON>(value); break;
    case GCL_HICONSM: c->IconSm = reinterpret_cast<HICON>(value); break;
    case GCL_WNDPROC: c->Proc = reinterpret_cast<WNDPROC>(value); break;
    case GCL_STYLE: c->Style = static_cast<UINT>(value); break;
    default: return 0;
  }
  return old;
}

DWORD GetClassLongA(HWND hwnd, int index) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  if (index >= 0) {
    if (static_cast<size_t>(index) + 4 > w->Class->Extra.size()) return 0;
    DWORD v;
    std::memcpy(&v, w->Class->Extra.data() + index, 4);
    return v;
  }
  return static_cast<DWORD>(GetClassLongPtrA(hwnd, index));
}

DWORD SetClassLongA(HWND hwnd, int index, LONG value) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return 0;
  if (index >= 0) {
    if (static_cast<size_t>(index) + 4 > w->Class->Extra.size()) return 0;
    DWORD old;
    std::memcpy(&old, w->Class->Extra.data() + index, 4);
    std::memcpy(w->Class->Extra.data() + index, &value, 4);
    return old;
  }
  return static_cast<DWORD>(SetClassLongPtrA(hwnd, index, value));
}

// ---- Creation and destruction ----

void user::windows_internal::LinkChild(Wnd* parent, Wnd* w, bool top) {
  auto& v = parent->Children;
  if (top) {
    // Top-level windows start at the top of their band (topmost windows above the rest).
    auto it = v.begin();
    if (!(w->ExStyle & WS_EX_TOPMOST))
      while (it != v.end() && ((*it)->ExStyle & WS_EX_TOPMOST)) ++it;
    v.insert(it, w);
  } else {
    v.push_back(w);
  }
}

void user::windows_internal::UnlinkChild(Wnd* w) {
  if (!w->Parent) return;
  auto& v = w->Parent->Children;
  v.erase(std::remove(v.begin(), v.end(), w), v.end());
}

static void NotifyParents(Wnd* w, UINT event) {
  if (!(w->Style & WS_CHILD) || (w->ExStyle & WS_EX_NOPARENTNOTIFY)) return;
  for (Wnd* p = w->Parent; p && !p->IsDesktop(); p = p->Parent) {
    Send(p, WM_PARENTNOTIFY, MAKEWPARAM(static_cast<WORD>(event), static_cast<WORD>(w->Id)),
         reinterpret_cast<LPARAM>(w->Handle));
    if (!(p->Style & WS_CHILD) || (p->ExStyle & WS_EX_NOPARENTNOTIFY)) break;
  }
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE inst,
                     LPVOID param) {
  EnsureInit();
  State& s = UserState();
  WndClass* cls = FindClass(className);
  // The desktop's class ("#32769") makes no more windows; the system's control classes do.
  if (!cls || (cls->System && cls->Name.starts_with('#'))) return nullptr;
  Wnd* parentW = nullptr;
  Wnd* ownerW = nullptr;
  if (parent == HWND_MESSAGE) parent = nullptr;
  if (style & WS_CHILD) {
    parentW = FromHandle(parent);
    if (!parentW) return nullptr;
  } else {
    parentW = s.Desktop;
    if (parent) {
      ownerW = FromHandle(parent);
      if (!ownerW) return nullptr;
      while (ownerW->IsChild()) ownerW = ownerW->Parent;
    }
  }
  if (width < 0 && width != CW_USEDEFAULT) width = 0;
  if (height < 0 && height != CW_USEDEFAULT) height = 0;
  // Default positions and sizes.
  if (!(style & (WS_CHILD | WS_POPUP))) {
    static int cascade = 0;
    const TRect& wa = s.WorkArea;
    if (x == CW_USEDEFAULT) {
      const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYFRAME);
      x = y = wa.Left + (cascade++ % 8) * step;
    }
    if (width == CW_USEDEFAULT) {
      width = wa.Width() * 3 / 4;
      height = wa.Height() * 3 / 4;
    }
  }
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) width = height = 0;
  if (height == CW_USEDEFAULT) height = 0;
  x = ClampCoord(x);
  y = ClampCoord(y);
  width = ClampSize(width);
  height = ClampSize(height);

  Wnd* w = new Wnd();
  {
    std::lock_guard lock(s.TableMutex);
    w->Handle = reinterpret_cast<HWND>(s.NextHandle);
    s.NextHandle += 4;
    s.Handles[reinterpret_cast<uintptr_t>(w->Handle)] = w;
    MarkTopLevelWindowsChanged();
  }
  w->ThreadId = CurrentThread();
  w->Class = cls;
  cls->Windows++;
  w->Proc = cls->Proc;
  w->Style = style & ~WS_VISIBLE;
  w->ExStyle = exStyle;
  if (!(style & WS_CHILD)) w->Style |= WS_CLIPSIBLINGS;
  if ((style & WS_CAPTION) == WS_CAPTION || (exStyle & WS_EX_DLGMODALFRAME) || (style & WS_THICKFRAME))
    w->ExStyle |= WS_EX_WINDOWEDGE;
  w->Parent = parentW;
  w->Owner = ownerW;
  w->Instance = inst;
  w->Id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
  w->Extra.assign(static_cast<size_t>(cls->WndExtra), 0);
  w->Rect = Bounds(x, y, width, height);
  w->NormalRect = w->Rect;
  w->Client = {0, 0, width, height};
  LinkChild(parentW, w, parentW->IsDesktop());
  QueueOf(w->ThreadId);

  CREATESTRUCTA cs;
  cs.lpCreateParams = param;
  cs.hInstance = inst;
  cs.hMenu = menu;
  cs.hwndParent = parent;
  cs.cx = width;
  cs.cy = height;
  cs.x = x;
  cs.y = y;
  cs.style = static_cast<LONG>(style);
  cs.lpszName = windowName;
  cs.lpszClass = className;
  cs.dwExStyle = exStyle;
  const HWND h = w->Handle;

  const bool overlapped = !(style & (WS_CHILD | WS_POPUP));
  if (overlapped || (style & WS_THICKFRAME)) {
    MINMAXINFO mmi;
    QueryMinMax(w, mmi);
    if (!FromHandle(h)) return nullptr;
    if (w->Style & WS_THICKFRAME) {  // only sizeable windows keep to the tracking limits
      if (w->Rect.Width() > mmi.ptMaxTrackSize.X) w->Rect.Right = w->Rect.Left + mmi.ptMaxTrackSize.X;
      if (w->Rect.Height() > mmi.ptMaxTrackSize.Y) w->Rect.Bottom = w->Rect.Top + mmi.ptMaxTrackSize.Y;
    }
    w->NormalRect = w->Rect;
  }
  if (!Send(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (FromHandle(h)) DestroyWindow(h);
    return nullptr;
  }
  if (!FromHandle(h)) return nullptr;
  {
    // The window's rectangle in its parent's client coordinates (the desktop's client area
    // is the screen, so a top-level window's are screen coordinates).
    TRect r = w->Rect;
    Send(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    if (!FromHandle(h)) return nullptr;
    w->Client = Rect(r.Left - w->Rect.Left, r.Top - w->Rect.Top, r.Right - w->Rect.Left,
                     r.Bottom - w->Rect.Top);
  }
  if (Send(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    if (FromHandle(h)) DestroyWindow(h);
    return nullptr;
  }
  if (!FromHandle(h)) return nullptr;
  if (overlapped) {
    w->NeedSize = true;  // WM_SIZE and WM_MOVE come with the first ShowWindow
  } else {
    Send(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(w->Client.Width()),
                                               static_cast<WORD>(w->Client.Height())));
    if (!FromHandle(h)) return nullptr;
    Send(w, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(w->Rect.Left + w->Client.Left),
                                   static_cast<WORD>(w->Rect.Top + w->Client.Top)));
    if (!FromHandle(h)) return nullptr;
  }
  NotifyParents(w, WM_CREATE);
  if (!FromHandle(h)) return nullptr;
  if (style & WS_VISIBLE) {
    if (style & WS_MAXIMIZE)
      ShowWindow(h, SW_SHOWMAXIMIZED);
    else if (style & WS_MINIMIZE)
      ShowWindow(h, SW_SHOWMINIMIZED);
    else
      ShowWindow(h, SW_SHOW);
  }
  return FromHandle(h) ? h : nullptr;
}

static void MarkDestroying(Wnd* w) {
  w->Destroying = true;
  for (Wnd* c : w->Children) MarkDestroying(c);
}

static void SendDestroyTree(Wnd* w) {
  const HWND h = w->Handle;
  w->Destroying = true;
  if (!w->DestroySent) {
    w->DestroySent = true;
    Send(w, WM_DESTROY, 0, 0);
    if (!FromHandle(h)) return;
  }
  std::vector<HWND> kids;
  for (Wnd* c : w->Children) kids.push_back(c->Handle);
  for (HWND k : kids)
    if (Wnd* c = FromHandle(k)) SendDestroyTree(c);
}

static void FreeTree(Wnd* w) {
  std::vector<HWND> kids;
  for (Wnd* c : w->Children) kids.push_back(c->Handle);
  for (HWND k : kids)
    if (Wnd* c = FromHandle(k)) FreeTree(c);
  const HWND h = w->Handle;
  if (!FromHandle(h)) return;
  Send(w, WM_NCDESTROY, 0, 0);
  State& s = UserState();
  if (s.Focus == h) s.Focus = nullptr;
  if (s.Active == h) s.Active = nullptr;
  if (s.Foreground == h) s.Foreground = nullptr;
  if (s.Capture == h) s.Capture = nullptr;
  if (s.LockedUpdate == h) s.LockedUpdate = nullptr;
  if (s.LastMouseHwnd == h) s.LastMouseHwnd = nullptr;
  if (s.Track.Hwnd == h) s.Track = MouseTrack();
  KillWindowTimers(h);
  RemoveWindowHotKeys(h);
  DestroyWindowMenus(h);
  CaretOnDestroy(h);
  ReleaseWindowDCs(w);
  // Owned windows lose their owner.
  for (Wnd* t : s.Desktop->Children)
    if (t->Owner == w) t->Owner = nullptr;
  UnlinkChild(w);
  w->Class->Windows--;
  {
    std::lock_guard lock(s.TableMutex);
    s.Handles.erase(reinterpret_cast<uintptr_t>(h));
  }
  MarkTopLevelWindowsChanged();
  w->Dead = true;
  w->Children.clear();
  if (w->Busy == 0) delete w;
}

BOOL DestroyWindow(HWND hwnd) {
  Wnd* w = FromHandle(hwnd);
  if (!w || w->IsDesktop()) return FALSE;
  if (w->Destroying) return TRUE;
  w->Destroying = true;
  State& s = UserState();
  // The parent hears of it first; then the window hides (a child through ShowWindow, so it
  // hears WM_SHOWWINDOW; a top-level window without activating anything, handing activation
  // on after its WM_WINDOWPOSCHANGED).
  NotifyParents(w, WM_DESTROY);
  if (!(w = FromHandle(hwnd))) return TRUE;
  if (w->Style & WS_VISIBLE) {
    if (w->IsChild())
      ShowWindow(hwnd, SW_HIDE);
    else
      SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!(w = FromHandle(hwnd))) return TRUE;
  }
  // Owned top-level windows go first.
  if (!w->IsChild()) {
    std::vector<HWND> owned;
    for (Wnd* t : s.Desktop->Children)
      if (t->Owner == w) owned.push_back(t->Handle);
    for (HWND o : owned) DestroyWindow(o);
    if (!FromHandle(hwnd)) return TRUE;
  }
  OnWindowDestroying(w);
  if (!(w = FromHandle(hwnd))) return TRUE;
  // From here on nothing in the tree can start another destruction of itself.
  MarkDestroying(w);
  SendDestroyTree(w);
  if (Wnd* again = FromHandle(hwnd)) FreeTree(again);
  return TRUE;
}

// The largest screen a display mode may ask for.
constexpr DWORD kMaxScreenSide = 16384;

LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
  EnsureInit();
  State& s = UserState();
  int width = s.StartScreenWidth, height = s.StartScreenHeight;
  if (mode) {
    if (mode->dmSize < sizeof(DEVMODEA)) return DISP_CHANGE_BADPARAM;
    if ((mode->dmFields & DM_BITSPERPEL) && mode->dmBitsPerPel != 32) return DISP_CHANGE_BADMODE;
    width = (mode->dmFields & DM_PELSWIDTH)
                ? static_cast<int>(std::min<DWORD>(mode->dmPelsWidth, kMaxScreenSide + 1))
                : s.ScreenWidth;
    height = (mode->dmFields & DM_PELSHEIGHT)
                 ? static_cast<int>(std::min<DWORD>(mode->dmPelsHeight, kMaxScreenSide + 1))
                 : s.ScreenHeight;
  }
  if (width < 1 || height < 1 || width > static_cast<int>(kMaxScreenSide) ||
      height > static_cast<int>(kMaxScreenSide))
    return DISP_CHANGE_BADMODE;
  if (flags & CDS_TEST) return DISP_CHANGE_SUCCESSFUL;
  if (width != s.ScreenWidth || height != s.ScreenHeight) {
    std::shared_ptr<gdi::Surface> screen = gdi::Surface::Create(width, height);
    if (!screen) return DISP_CHANGE_BADMODE;
    {
      std::lock_guard lock(s.TableMutex);
      s.Screen = std::move(screen);
      s.ScreenWidth = width;
      s.ScreenHeight = height;
      s.Desktop->Rect = s.Desktop->Client = TRect{0, 0, width, height};
      s.WorkArea = {0, 0, width, std::max(1, height - 30)};
    }
    PaintDesktop(Region(s.Desktop->Rect));
    std::vector<HWND> tops;
    for (Wnd* t : s.Desktop->Children) tops.push_back(t->Handle);
    for (HWND t : tops)
      if (Wnd* w = FromHandle(t))
        InvalidateWnd(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
  return DISP_CHANGE_SUCCESSFUL;
}

}  // namespace win
