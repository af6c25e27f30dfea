// The window manager's internal model, shared by its implementation files and the test kit.
//
// Coordinates: a window's `Rect` is in its parent's client coordinates (screen coordinates for
// top-level windows, whose parent is the desktop); `Client` is the client area relative to the
// window's top-left corner. Update regions are kept relative to the window's top-left corner
// and cover the non-client area too. Visible regions are screen coordinates.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/GdiInternal.h"
#include "platform/user/WinUser.h"

namespace win::user {

using gdi::Region;

struct WndClass {
  ATOM Atom = 0;
  std::string Name;
  UINT Style = 0;
  WNDPROC Proc = nullptr;
  int ClsExtra = 0;
  int WndExtra = 0;
  HINSTANCE Instance = nullptr;
  HICON Icon = nullptr;
  HICON IconSm = nullptr;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
  std::string MenuName;
  std::vector<uint8_t> Extra;
  int Windows = 0;  // live windows of the class
  bool System = false;
};

struct ScrollState {
  int Min = 0;
  int Max = 100;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
  UINT Disabled = 0;  // ESB_ flags
  // While the user holds the bar: the part pressed (ScrollPart), whether the mouse is over it,
  // and whether the thumb is dragged (it is then drawn at TrackPos).
  int Pressed = 0;
  bool PressedOver = false;
  bool Tracking = false;
  // The look the flat scroll bar calls gave a frame bar; sizes of 0 take the system's.
  int FlatMode = 0;  // FSB_REGULAR_MODE, FSB_ENCARTA_MODE or FSB_FLAT_MODE
  int Thick = 0;     // the width of a vertical bar, the height of a horizontal one
  int Arrow = 0;     // the length of the arrow buttons
  int Thumb = 0;     // the length of the thumb
  bool HasBack = false;
  COLORREF Back = 0;  // the track's colour when HasBack
};

// The parts of a scroll bar.
enum ScrollPart { kSbNone, kSbLineUp, kSbLineDown, kSbPageUp, kSbPageDown, kSbThumb };

// A window's update region. Many small invalidations are gathered as rectangles and joined
// in one pass when the region is read, so invalidating n areas costs about n log n instead of
// n combinations of a growing region.
class UpdateRegion {
 public:
  bool IsEmpty() const { return rgn_.IsEmpty() && pending_.empty(); }
  const Region& Get() const {
    Flush();
    return rgn_;
  }
  void Set(Region r) {
    rgn_ = std::move(r);
    pending_.clear();
  }
  void Add(const Region& part);

 private:
  void Flush() const;
  mutable Region rgn_;
  mutable std::vector<TRect> pending_;
};

struct Wnd {
  HWND Handle = nullptr;
  DWORD ThreadId = 0;
  WndClass* Class = nullptr;
  WNDPROC Proc = nullptr;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  std::string Text;
  Wnd* Parent = nullptr;  // the desktop for top-level windows
  Wnd* Owner = nullptr;
  std::vector<Wnd*> Children;  // z-order, topmost first
  TRect Rect;                  // parent client coordinates
  TRect Client;                // relative to the window's top-left corner
  LONG_PTR Id = 0;
  LONG_PTR UserData = 0;
  HINSTANCE Instance = nullptr;
  std::vector<uint8_t> Extra;
  std::vector<std::pair<std::string, HANDLE>> Props;
  // The icons given with WM_SETICON (ICON_BIG, ICON_SMALL); the caller keeps owning them.
  HICON Icon = nullptr;
  HICON IconSm = nullptr;

  ScrollState Scroll[2];  // SB_HORZ, SB_VERT
  bool FlatBars = false;  // InitializeFlatSB was called
  ScrollState CtlBar;     // the bar of a SCROLLBAR control (SB_CTL)
  bool IsScrollBarCtl =
      false;  // its procedure (or the one it passes on to) is the SCROLLBAR class's

  // Painting state.
  UpdateRegion Update;  // window coordinates
  bool Erase = false;
  bool NcPaint = false;
  bool InternalPaint = false;
  bool InPaintList = false;  // listed in State::PaintCandidates
  // The invalid part of the frame (window coordinates), meaningful while NcPaint is set.
  Region NcUpdate;
  // WM_PAINTs handed out in a row without the window validating anything; past a limit the
  // window is passed over until it is invalidated or validated again.
  int PaintRepeats = 0;
  bool PaintStuck() const;
  // An overlapped window hears its first WM_SIZE and WM_MOVE at the end of its first ShowWindow.
  bool NeedSize = false;
  bool HasWindowRgn = false;
  Region WindowRgn;  // window coordinates
  HDC OwnDC = nullptr;

  // Placement.
  TRect NormalRect;  // parent client coordinates
  POINT MinPosition{-1, -1};
  POINT MaxPosition{-1, -1};
  bool RestoreToMaximized = false;
  // Hidden because its owner was minimised (or ShowOwnedPopups hid it): shown again with it.
  bool HiddenWithOwner = false;

  // Life cycle.
  bool Destroying = false;
  bool DestroySent = false;  // WM_DESTROY went out
  bool Dead = false;  // after WM_NCDESTROY: waiting for running procedures to return
  int Busy = 0;
  bool Flashed = false;
  int FlashCount = 0;

  bool IsDesktop() const { return Parent == nullptr; }
  bool IsChild() const { return (Style & WS_CHILD) != 0 && Parent && !Parent->IsDesktop(); }
  bool IsTopLevel() const { return Parent && Parent->IsDesktop(); }
};

struct Timer {
  HWND Hwnd = nullptr;
  UINT_PTR Id = 0;
  UINT Elapse = 0;
  TIMERPROC Proc = nullptr;
  uint64_t Due = 0;
  uint64_t Serial = 0;
  bool System = false;       // internal: the caret's blink, or Tick
  void (*Tick)() = nullptr;  // an internal timer's work (null: the caret's blink)
};

// A message sent to a window of another thread, waiting for that thread to run it.
struct SentMessage {
  HWND Hwnd = nullptr;
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
  bool Done = false;
  DWORD Sender = 0;
};

// One queue per thread that has windows or posted messages.
struct ThreadQueue {
  DWORD ThreadId = 0;
  std::mutex Mutex;
  std::condition_variable Wake;
  std::deque<MSG> Posted;  // posted messages and input, in arrival order
  std::deque<std::shared_ptr<SentMessage>> Sent;  // from other threads, run before anything else
  bool QuitPosted = false;
  int QuitCode = 0;
  bool WakeRequested = false;  // WakeMessageLoop: run the loop hook without a message
  std::vector<Timer> Timers;
  uint64_t TimerSerial = 0;
  // Time of the last retrieved message (GetMessageTime).
  DWORD LastTime = 0;
};

struct HotKey {
  HWND Hwnd = nullptr;
  DWORD ThreadId = 0;
  int Id = 0;
  UINT Modifiers = 0;
  UINT Vk = 0;
};

struct CaretState {
  HWND Owner = nullptr;
  HBITMAP Bitmap = nullptr;
  int Width = 0;
  int Height = 0;
  POINT Pos;
  int HideCount = 1;  // created hidden
  bool On = false;    // currently drawn inverted on the screen
  TRect DrawnRect;    // screen coordinates of the drawn caret
};

struct MouseTrack {
  HWND Hwnd = nullptr;
  DWORD Flags = 0;
  DWORD HoverTime = 400;
  uint64_t HoverStart = 0;
  POINT HoverPoint;
};

// Everything the window manager knows, behind one lock for the parts other threads touch
// (handle table, queues). Window structures themselves are touched by their thread only.
struct State {
  std::recursive_mutex TableMutex;
  std::unordered_map<uintptr_t, Wnd*> Handles;
  uintptr_t NextHandle = 0x10010;
  std::vector<std::unique_ptr<WndClass>> Classes;
  ATOM NextAtom = 0xC000;
  std::vector<std::string> MessageNames;  // RegisterWindowMessage, from 0xC000
  std::unordered_map<DWORD, std::shared_ptr<ThreadQueue>> Queues;

  Wnd* Desktop = nullptr;
  std::shared_ptr<gdi::Surface> Screen;
  const Wnd* Isolated = nullptr;  // a top-level window rendered alone (others do not clip it)
  int ScreenWidth = 1024;
  int ScreenHeight = 768;
  // The size the screen was reset to (ChangeDisplaySettingsA goes back to it).
  int StartScreenWidth = 1024;
  int StartScreenHeight = 768;

  HWND Focus = nullptr;
  HWND Active = nullptr;
  HWND Foreground = nullptr;
  HWND Capture = nullptr;
  HWND LockedUpdate = nullptr;
  CaretState Caret;
  UINT CaretBlink = 530;
  UINT DoubleClickTime = 500;
  int DoubleClickWidth = 4;
  int DoubleClickHeight = 4;

  // Input.
  POINT Cursor{512, 384};
  TRect CursorClip;
  bool HasCursorClip = false;
  HCURSOR CurrentCursor = nullptr;
  BYTE AsyncKeys[256] = {};  // bit 0x80 down, 0x01 toggled
  BYTE ThreadKeys[256] = {};
  // Double-click detection.
  UINT LastDownMsg = 0;
  HWND LastDownHwnd = nullptr;
  uint64_t LastDownTime = 0;
  POINT LastDownPt;
  bool LastWasDouble = false;
  MouseTrack Track;
  HWND LastMouseHwnd = nullptr;
  std::vector<HotKey> HotKeys;
  std::vector<UINT> Beeps;
  std::vector<std::pair<DWORD, DWORD>> Tones;

  // Windows that may need painting, in the order they became invalid.
  std::deque<HWND> PaintCandidates;
  // Handed-out window DCs: DC -> window.
  std::unordered_map<HDC, HWND> WindowDCs;
  // Settings SystemParametersInfo may change.
  TRect WorkArea;
  UINT KeyboardDelay = 1;
  UINT KeyboardSpeed = 31;
  UINT WheelLines = 3;
  BOOL DragFullWindows = TRUE;
  BOOL FontSmoothing = TRUE;
  BOOL WarningBeep = TRUE;
  BOOL ScreenSaveActive = FALSE;
  BOOL SnapToDefButton = FALSE;
  int MinAnimate = 1;
  // The wallpaper's file name: recorded only, nothing paints it.
  std::string Wallpaper;
};

// A window handed this many WM_PAINTs in a row without validating anything is passed over by
// the message loop (a procedure that never validates would keep the loop busy for ever).
constexpr int kPaintRepeatLimit = 64;
inline bool Wnd::PaintStuck() const { return PaintRepeats >= kPaintRepeatLimit; }

// Window coordinates and sizes are kept within this range, so that no sum of them overflows.
constexpr int kMaxCoord = 1 << 24;
// Has the window's frame measured and drawn again, its place and size kept.
inline void FrameChanged(HWND h) {
  SetWindowPos(h, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

inline int ClampCoord(int v) { return v < -kMaxCoord ? -kMaxCoord : v > kMaxCoord ? kMaxCoord : v; }
inline int ClampSize(int v) { return v < 0 ? 0 : v > kMaxCoord ? kMaxCoord : v; }

// The window manager's whole state: windows, classes, queues, input, settings.
State& UserState();
// Creates the desktop and the screen on first use.
void EnsureInit();
// Window procedures of the system's list classes (ListBoxClass.cpp).
WNDPROC ListBoxClassProc();
WNDPROC ComboBoxClassProc();  // ComboBoxClass.cpp
// The height of a line of Font (the system font when null) on the window, at least 1: the
// height of a list's items and of the combo's field (ListBoxClass.cpp).
int FontLineHeight(HWND window, HFONT font);
// Window procedures of the system's edit and button classes (EditClassMessages.cpp,
// ButtonClass.cpp).
WNDPROC EditClassProc();
WNDPROC ButtonClassProc();
WNDPROC ScrollBarClassProc();
bool IsScrollBarControl(const Wnd* w);
// Destroys every window, class, queue and setting (the test kit's fresh start).
void ResetAll(int screenWidth, int screenHeight);

DWORD CurrentThread();
ThreadQueue& QueueOf(DWORD threadId);
// The same, kept alive for a caller on another thread while the window system is reset.
std::shared_ptr<ThreadQueue> SharedQueueOf(DWORD threadId);
Wnd* FromHandle(HWND h);  // null for stale or foreign handles

// Calls a window's procedure, keeping the structure alive meanwhile.
LRESULT Send(Wnd* w, UINT msg, WPARAM wp, LPARAM lp);

// Geometry helpers (screen coordinates).
POINT WindowOrigin(const Wnd* w);   // top-left corner of the window
POINT ClientOrigin(const Wnd* w);   // top-left corner of the client area
TRect ScreenWindowRect(const Wnd* w);
TRect ScreenClientRect(const Wnd* w);
bool ReallyVisible(const Wnd* w);   // the window and every ancestor visible
// Non-client geometry from styles (client rect inside the window rect).
// The bars are vBar wide and hBar high, the system's sizes when 0.
TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& window, bool isChild, int vBar = 0,
                        int hBar = 0);
void NonClientMetrics(DWORD style, DWORD exStyle, bool isChild, int& border, int& caption);

// The window changed its minimised or maximised state (internal WINDOWPOS flag): WM_SIZE
// follows even when the client area kept its size.
constexpr UINT kSwpStateChanged = 0x8000;
// SetWindowPos; `reparented` treats the window as moved and raised (it has a new parent).
BOOL SetWindowPosImpl(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags,
                      bool reparented);
// Sends WM_GETMINMAXINFO with the defaults filled in.
void QueryMinMax(Wnd* w, MINMAXINFO& mmi);

// Visible region (screen coordinates) of a window's whole area or its client area.
Region VisibleRegion(const Wnd* w, bool client, bool clipChildren, bool clipSiblings);

// Painting.
// The whole window is invalidated through its parent (internal RDW_ flag): it is erased
// whatever the call asked.
constexpr UINT kRdwWholeWindow = 0x10000;
void InvalidateWnd(Wnd* w, const Region* windowCoordsRgn, UINT flags);
void InvalidateScreenArea(Wnd* root, const Region& screenRgn, bool includeRoot);
bool AnyPaintPending(DWORD threadId, HWND filter, Wnd** found);
void PaintDesktop(const Region& screenRgn);
// Copies the screen pixels of `dst` (screen coordinates) from the same area shifted by -d.
void CopyScreen(const Region& dst, int dx, int dy);
void ForgetWindowPaint(Wnd* w);
void ReleaseWindowDCs(Wnd* w);
void CaretOnDestroy(HWND h);
void CaretHideForPaint(HWND h, bool hide);
void CaretBlinkTick();
void CaretErase();

// Focus, activation and capture bookkeeping when windows go away or hide.
void OnWindowDestroying(Wnd* w);
void OnWindowHidden(Wnd* w);
void ActivateWindow(Wnd* w, WORD how);
// Owned top-level windows follow their owner: above it in z-order, hidden while it is
// minimised (WM_SHOWWINDOW with SW_PARENTCLOSING / SW_PARENTOPENING).
void RaiseOwnedWindows(Wnd* owner);
void ShowOwnedWindows(Wnd* owner, bool show);
void KillWindowTimers(HWND h);
void RemoveWindowHotKeys(HWND h);
// Menus: destroys the menus that belong to a window; forgets every menu (fresh start).
void DestroyWindowMenus(HWND h);
void ResetMenus();
// What the tables outside the window structures hold, for the test kit's counts: menus (a
// window's system menu and menu bar among them), string atoms and global memory blocks.
size_t LiveMenuCount();
size_t LiveAtomCount();
size_t LiveGlobalBlockCount();
// One item of a menu as the tracker reads it.
struct MenuItemInfo {
  UINT Flags = 0;
  UINT_PTR Id = 0;
  std::string Text;
  HMENU SubMenu = nullptr;
  ULONG_PTR Data = 0;
};
// The items of a menu; false for a stale handle. `isSystem` tells a window's system menu.
bool ReadMenu(HMENU menu, std::vector<MenuItemInfo>& items, bool* isSystem = nullptr);

// A popup menu on screen while a menu is tracked, outermost first.
struct OpenMenuInfo {
  HMENU Menu = nullptr;
  HWND Window = nullptr;
  int Highlighted = -1;
  std::vector<MenuItemInfo> Items;
  std::vector<RECT> Rects;  // screen rectangles of the items
};
std::vector<OpenMenuInfo> OpenMenus();
// What a menu loop does when no input is left: the handler runs first (it may queue input or
// end the menu); then, when `closeWhenIdle`, the menu is cancelled; else a virtual clock waits
// a long while for input and then throws, so that a forgotten menu never hangs a test.
struct MenuIdlePolicy {
  std::function<void()> Handler;
  bool CloseWhenIdle = false;
};
MenuIdlePolicy& MenuIdle();
void ResetMenuTracking();

// Menu bars (MenuBar.cpp). MenuBarChanged recomputes the frame of a window whose bar changed
// and repaints the bar. MenuBarDefProc handles, ahead of the default window procedure, what
// the bar and the system menu add to it (frame size, bar painting and hit testing, clicks and
// keys that open menus, context-menu keys); false leaves the message to the default handling.
void MenuBarChanged(HWND h);
bool MenuBarDefProc(Wnd* w, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// The bar's items in screen coordinates (empty without a bar).
std::vector<RECT> MenuBarItemRects(HWND h);
// Tracks a menu opened from a bar item. Left/Right at the outermost level, or the mouse over
// another bar item, end the tracking with `move` (-1, +1) or `goTo` (that item's index).
struct BarTrack {
  bool Chosen = false;
  UINT_PTR Command = 0;
  int Move = 0;
  int GoTo = -1;
  bool Escaped = false;  // Escape closed the menu (the bar stays selected)
};
BarTrack TrackMenuFromBar(HMENU menu, int x, int y, HWND owner, bool system, bool selectFirst,
                          const std::function<int(POINT)>& barHit, int current);
// Waits until input arrives while a menu loop runs (the test kit's idle handler runs first);
// false when the menu is to be cancelled.
bool WaitForMenuInput(int& handlerRuns);

HWND HitTestScreen(POINT screen, LRESULT* hit);
bool PostInput(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, POINT pt, bool front);
bool Retrieve(MSG* out, HWND filter, UINT lo, UINT hi, UINT flags);
void SetSystemTimer(UINT elapse, bool on);
// An internal timer of the current thread running `tick` every `elapse` ms (one per tick
// function; `on` false removes it). Never handed out as WM_TIMER.
void SetInternalTimer(void (*tick)(), UINT elapse, bool on);
void PaintNow(Wnd* w, bool children);
WNDPROC ResolveProc(WNDPROC p);

// Input processing at retrieval time (mouse activation, cursor).
bool PreprocessInput(MSG& msg);
void CheckHover();
// The input path: real events (keybd_event, mouse_event, SendInput) and the test kit's.
void InjectMouseMove(int x, int y);
void InjectMouseButton(int button, bool down);  // 0 left, 1 right, 2 middle
void InjectMouseWheel(int delta);
void InjectKey(BYTE vk, bool down);
void ResetInputState();

// Scroll bar geometry: the thumb's offset and length along a bar of `length` pixels whose
// arrows are `arrow` pixels long; false when the bar has no thumb.
bool ScrollThumb(const ScrollState& s, int length, int arrow, int& offset, int& size);
// Keeps the range, page and position of a bar consistent (Max >= Min, Page <= range, Pos
// within what the page leaves).
void ClampScrollState(ScrollState& s);
// Applies the fields a SCROLLINFO names; answers the new position.
int ApplyScrollInfo(ScrollState& s, const SCROLLINFO& si);
void ReadScrollInfo(const ScrollState& s, SCROLLINFO& si);
// Whether the range needs a bar (it is more than one page).
bool ScrollNeeded(const ScrollState& s);

// A scroll bar's parts in the coordinates of `area` (ScrollTrack.cpp).
struct ScrollParts {
  TRect Up, Down, PageUp, PageDown, Thumb;  // pages and thumb empty when the bar has no thumb
};
ScrollParts ScrollBarParts(const TRect& area, bool vertical, const ScrollState& st);
int ScrollBarHit(const ScrollParts& parts, POINT p);
// Paints a scroll bar in the classic look: arrows (pushed while pressed, greyed when disabled),
// the checkered track with the pressed page inverted, and the raised thumb.
void PaintScrollBar(HDC dc, const TRect& area, bool vertical, const ScrollState& st);
// The area of a window's frame bar (SB_HORZ, SB_VERT) in window coordinates; empty if none.
TRect NcScrollArea(const Wnd* w, int bar);
// A press on a scroll bar of the window (SB_HORZ or SB_VERT of its frame, SB_CTL of a
// SCROLLBAR control) at a screen point: the bar tracks the mouse until the button comes up,
// repeating arrows and pages on the clock and dragging the thumb. The tracking runs on the
// thread's input, so the call returns at once.
void StartScrollTracking(HWND hwnd, int bar, POINT screen);
// Auto-repeat of a held arrow or page: the first repeat after the delay, then at the rate.
constexpr UINT kScrollRepeatDelay = 250;
constexpr UINT kScrollRepeatRate = 50;

// Moving and sizing a window with the mouse or the keyboard (SizeMove.cpp): `command` is the
// WM_SYSCOMMAND value (SC_MOVE or SC_SIZE, with HTCAPTION or a WMSZ_ edge in its low four
// bits when the mouse started it). Runs on the thread's input like scroll tracking.
void StartSizeMove(HWND hwnd, WPARAM command, POINT screen);
// Keyboard steps of the move and size loop, in pixels.
constexpr int kSizeMoveKeyStep = 8;

// Input of the thread while a scroll bar or a move/size loop tracks it: true when taken.
bool TrackingInput(const MSG& m);
bool ScrollTrackingInput(const MSG& m);
// WM_CANCELMODE: the tracking of a scroll bar of the window ends as a release would end it.
void CancelScrollTracking(HWND hwnd);
void ResetScrollTracking();
// Ends any tracking (the test kit's fresh start).
void ResetTracking();

// The registry of top-level windows shared with the other programs of this system
// (WindowRegistry.cpp): changes are marked, and published when the program next looks for
// messages. A window of another program found there has a handle of its own kind, which only
// GetWindowThreadProcessId understands.
void MarkTopLevelWindowsChanged();
void PublishTopLevelWindows();
HWND FindForeignWindow(LPCSTR className, LPCSTR windowName);
bool ForeignWindowProcess(HWND h, DWORD* processId);
// Requests to a window of another program go over that program's channel (false: not sent, or
// not a window of another program). The state comes from the other program's file.
bool PostForeignMessage(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
bool ShowForeignWindow(HWND h, int cmd, BOOL& wasVisible);
bool ForegroundForeignWindow(HWND h);
bool ForeignWindowIconic(HWND h, BOOL& iconic);
bool ForeignWindowVisible(HWND h, BOOL& visible);
// Carries out the requests other programs sent to this thread's windows (only on the thread
// that owns the channel); whether this thread owns it (it then waits for work in short steps).
void TakeForeignRequests();
bool ChannelOwnedHere();
constexpr uint64_t kChannelPollMs = 50;

// Non-client painting with the default look.
void DefaultNcPaint(Wnd* w, HRGN rgn);
// The caption's icon (CaptionIcon.cpp): the icon WM_GETICON answers for `which` (ICON_SMALL2:
// the small icon, else the big one, else the class's small and big icons), and painting the
// one shown into the caption's icon slot, scaled to the slot.
HICON WindowIcon(const Wnd* w, WPARAM which);
void PaintCaptionIcon(HDC dc, const Wnd* w, const TRect& slot);
// The picture of a shared system icon as a real icon the caller destroys (StockIcons.cpp);
// null for any other handle.
HICON StockIcon(HICON icon);
LRESULT DefaultNcHitTest(Wnd* w, POINT screenPt);

}  // namespace win::user
