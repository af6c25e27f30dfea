// The headless test kit: a fresh window system per test on a virtual clock, running the
// message loop until idle, input injection through the real input path, screen and window
// captures, bitmap comparison and PNG output, and a message recorder for asserting order.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Clock.h"
#include "platform/rtl/Locale.h"
#include "platform/sys/ShellApi.h"
#include "platform/user/WinUser.h"

namespace win::testkit {

// A 32-bit capture: pixels 0x00RRGGBB, row-major, top-down.
struct TCapture {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
  uint32_t Pixel(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  // The pixel as a COLORREF (0x00BBGGRR).
  COLORREF Color(int x, int y) const;
};

// A fresh window system (all windows, classes, queues and input state reset) on a screen of
// the given size, with a virtual clock installed for the session's lifetime. Unless the
// environment names them already, the clipboard file and the window registry folder are
// private to this test program (and the programs it starts).
class TSession {
 public:
  explicit TSession(int screenWidth = 1024, int screenHeight = 768);
  ~TSession();
  TSession(const TSession&) = delete;
  TSession& operator=(const TSession&) = delete;
  TVirtualClock& Clock() { return clock_.Clock(); }
  // Moves the session's clock on to the tick count `tick` and sets its wall clock to `now`
  // (days since 1899-12-30), as a test does before it sets anything running: to start a few
  // seconds before the 32-bit tick count wraps to 0, say. Nothing runs meanwhile (a timer
  // already set is due at the next idle). The tick count never goes back: a tick before the
  // present one throws vcl::EInvalidOperation.
  void StartClock(uint64_t tick, double now);

 private:
  TVirtualClockScope clock_;
  std::vector<const char*> sharedVars_;  // set by this session
  std::string sharedFolder_;
};

// Processes posted messages, input, due timers and paints of the calling thread until none is
// left, each through the framework application's loop steps (OnMessage, then the dialog keys
// before a key is translated into its character), as the program's own loop runs them. Answers
// the number of messages dispatched; throws vcl::Exception after `limit` messages (a loop that
// never goes idle).
int RunUntilIdle(int limit = 100000);
// Moves the virtual clock on by `ms`, stopping at every timer's due time on the way so each
// one fires in order of due time, and running until idle at every stop.
void AdvanceClock(uint64_t ms);

// Input, in screen coordinates, followed by RunUntilIdle.
void MouseMove(int x, int y);
void MouseDown(int x, int y, int button = 0);  // 0 left, 1 right, 2 middle
void MouseUp(int x, int y, int button = 0);
void Click(int x, int y, int button = 0);
void DoubleClick(int x, int y, int button = 0);
// Presses at `from`, moves in `steps` steps to `to`, releases there.
void Drag(POINT from, POINT to, int steps = 4, int button = 0);
void Wheel(int delta);
// Feeds a key event into the input path without running the loop.
void QueueKey(BYTE vk, bool down);
void KeyDown(BYTE vk);
void KeyUp(BYTE vk);
void KeyPress(BYTE vk);
// Types the characters (US layout), pressing shift where needed.
void TypeText(const std::string& text);
// Holds or releases shift, control and alt.
void SetShiftState(bool shift, bool ctrl, bool alt);
// A client point of a window in screen coordinates.
POINT ScreenPoint(HWND hwnd, int clientX, int clientY);

// Captures.
TCapture CaptureScreen();
// What the screen shows of a window (its whole area, or the client area only).
TCapture CaptureWindow(HWND hwnd, bool nonClient = true);
// Number of pixels that differ by more than `tolerance` in any channel (sizes must match;
// differing sizes count every pixel of the larger one).
// Renders a visible window (with its children) alone, as if no other top-level window
// covered it, on a scratch screen filled with the desktop colour; the real screen is left
// as it is. Runs the loop until idle first, so no pending paint is lost to the scratch screen.
TCapture RenderWindow(HWND hwnd, bool nonClient = true);
int64_t CountDifferentPixels(const TCapture& a, const TCapture& b, int tolerance = 0);
// Writes a capture as a PNG file; false on failure.
bool WritePng(const TCapture& capture, const std::string& path);

// Writes what a failing test saw as "<name>.png" into the tests' scratch folder ($ZYL_TEST_TMP,
// else the system's temporary folder) and answers the path ("" on failure).
std::string WriteFailurePng(const TCapture& capture, const std::string& name);

// Menus being tracked (TrackPopupMenuEx). A menu loop runs inside the call that opened it, so a
// test either queues its input before opening the menu, or sets a handler that runs whenever
// the open menu waits for input and queues input from there (the Queue* functions below).
struct TMenuItemView {
  std::string Text;  // as stored, '&' and tab included
  UINT Id = 0;
  UINT Flags = 0;
  HMENU SubMenu = nullptr;
  RECT Rect{};  // screen coordinates
};
struct TOpenMenu {
  HMENU Menu = nullptr;
  HWND Window = nullptr;
  int Highlighted = -1;
  std::vector<TMenuItemView> Items;
  // The index of the item shown as `text` (without '&' and accelerator text); -1 if none.
  int Find(const std::string& text) const;
};
// The open menus, outermost first; empty when no menu is tracked.
std::vector<TOpenMenu> OpenMenus();
// Runs `handler` each time an open menu waits for input (nullptr: none).
void SetMenuHandler(std::function<void()> handler);
// When on, an open menu with no input left (and nothing queued by the handler) is cancelled;
// when off it waits a long virtual while and then throws, never hanging.
void CloseMenusWhenIdle(bool on);
// Sets a handler that clicks the items shown as path[0], path[1], ... one menu level at a
// time, then leaves the menu alone. Throws (out of the menu call) when an item is missing.
void ChooseMenuPath(const std::vector<std::string>& path);
// The items of a window's menu bar (screen rectangles); empty without a bar.
std::vector<TMenuItemView> MenuBarItems(HWND hwnd);
// Clicks the bar item shown as `text`; the bar's menu loop runs inside the click, so a test
// sets its menu handler first. Throws when the bar has no such item.
void ClickMenuBar(HWND hwnd, const std::string& text);
// Queue input without running the loop (for use inside a menu loop).
void QueueClick(int x, int y, int button = 0);

// The tray: its icons, and a user's click on one (button 0 left, 1 right; the icon's window
// receives the callback message with the button's down and up messages, and the double-click
// message after them when `doubleClick`), or on an icon's balloon. Runs until idle; raises
// vcl::Exception when the icon (or balloon) is not there.
std::vector<TTrayIcon> TrayIcons();
void ClickTrayIcon(HWND wnd, UINT id, int button = 0, bool doubleClick = false);
void ClickTrayBalloon(HWND wnd, UINT id);
// Drops files on a window at a client point, as the shell does after a drag from a file
// manager, and runs until idle. Raises vcl::Exception for a missing file or a window that
// accepts no files.
void DropFiles(HWND hwnd, int clientX, int clientY, const std::vector<std::string>& files);

// Beeps recorded by MessageBeep.
std::vector<UINT> Beeps();

// What the program holds in the tables of the window system and the framework, counted by kind.
// These stay reachable, so no leak checker sees them: a test counts them before and after work
// that must give them back (a component freed, an action repeated). Stock objects, the system's
// classes and the window system's own timers are not counted; clipboard formats and window
// messages, once registered, stay for the program's life and are not counted either.
struct TLiveResources {
  // GDI objects by kind; DCs include memory DCs, icons include cursors.
  size_t Pens = 0;
  size_t Brushes = 0;
  size_t Fonts = 0;
  size_t Bitmaps = 0;
  size_t Regions = 0;
  size_t Palettes = 0;
  size_t DCs = 0;
  size_t Icons = 0;
  size_t GdiObjects = 0;     // every kind, those above and any other
  size_t Windows = 0;        // the desktop not counted
  size_t WindowClasses = 0;  // registered by the program (the system's not counted)
  size_t Timers = 0;         // SetTimer's
  size_t Carets = 0;         // 0 or 1
  size_t Properties = 0;     // SetPropA's, over every window
  size_t Menus = 0;          // system menus and menu bars included
  size_t HotKeys = 0;
  size_t WindowDCs = 0;  // lent by GetDC, GetWindowDC, BeginPaint and not given back
  size_t TrayIcons = 0;
  size_t Atoms = 0;            // global string atoms
  size_t GlobalBlocks = 0;     // GlobalAlloc's
  size_t RegistryKeys = 0;     // open registry handles
  size_t ObjectInstances = 0;  // window procedures of vcl::MakeObjectInstance
  size_t BoundWndProcs = 0;    // window procedures of AllocateWndProc
  size_t WindowHooks = 0;      // hooks of the application window (HookMainWindow)
  friend bool operator==(const TLiveResources&, const TLiveResources&) = default;
};
TLiveResources LiveResources();
// The kinds whose counts differ, as "Fonts 12 -> 14, Timers 1 -> 0"; "" when none does.
std::string ResourceChanges(const TLiveResources& before, const TLiveResources& after);
// The counts that are not 0, as "Fonts 12, Windows 3" (what a failing comparison prints).
std::ostream& operator<<(std::ostream& out, const TLiveResources& counts);

// Another user's locale for the guard's lifetime: the items given are set in the user's
// locale (the fixed ones, names of days and months, too) and FormatSettings is read from it
// again, as the application does when the user changes the locale; both come back when the
// guard goes. Raises vcl::Exception for an item the locale does not hold.
class TUserLocale {
 public:
  using TItems = std::vector<std::pair<LCTYPE, std::string>>;
  explicit TUserLocale(const TItems& items);
  TUserLocale(const TUserLocale&) = delete;
  TUserLocale& operator=(const TUserLocale&) = delete;

 private:
  vcl::TFormatSettingsScope saved_;
};

// Records the messages a window receives, by subclassing it (one recorder per window).
class TMessageRecorder {
 public:
  struct Entry {
    HWND Hwnd;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
  };
  TMessageRecorder() = default;
  explicit TMessageRecorder(HWND hwnd) { Attach(hwnd); }
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  // Several windows may share a recorder; entries keep the order across them.
  void Attach(HWND hwnd);
  void Detach(HWND hwnd);
  void Clear() { entries_.clear(); }
  const std::vector<Entry>& Entries() const { return entries_; }
  // The message numbers received, optionally limited to a set of interesting ones.
  std::vector<UINT> Messages(const std::vector<UINT>& only = {}) const;
  // Messages of one window only.
  std::vector<UINT> MessagesOf(HWND hwnd, const std::vector<UINT>& only = {}) const;
  int Count(UINT msg) const;
  void Record(const Entry& e) { entries_.push_back(e); }

 private:
  std::vector<HWND> windows_;
  std::vector<Entry> entries_;
};

// The name of a message ("WM_PAINT") for readable failures; hex for unknown ones.
std::string MessageName(UINT msg);

}  // namespace win::testkit
