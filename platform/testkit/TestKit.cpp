#include "platform/testkit/TestKit.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include <unistd.h>

#include "platform/base/Exceptions.h"
#include "platform/base/Finally.h"
#include "platform/base/LastError.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Png.h"
#include "platform/testkit/SessionEnd.h"
#include "platform/user/UserInternal.h"

namespace win::testkit {

using namespace win::user;

COLORREF TCapture::Color(int x, int y) const {
  const uint32_t p = Pixel(x, y);
  return RGB(static_cast<BYTE>((p >> 16) & 0xFF), static_cast<BYTE>((p >> 8) & 0xFF),
             static_cast<BYTE>(p & 0xFF));
}

TSession::TSession(int screenWidth, int screenHeight) {
  if (screenWidth <= 0 || screenHeight <= 0 || screenWidth > 8192 || screenHeight > 8192)
    throw vcl::EInvalidOperation("screen size out of range");
  // What the system shares between programs (the clipboard, the registry of top-level
  // windows, the named locks of single instances) stays between this test program and the programs
  // it starts itself. The session that chose the folder removes it at its end.
  const char* tmp = std::getenv("ZYL_TEST_TMP");
  const std::string own =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/zyl-shared-" + std::to_string(getpid());
  for (const auto& [name, path] :
       {std::pair<const char*, std::string>{"ZYL_CLIPBOARD_FILE", own + "/clipboard"},
        {"ZYL_WINDOW_REGISTRY_DIR", own + "/windows"},
        {"ZYL_LOCK_DIR", own + "/locks"}}) {
    if (std::getenv(name)) continue;
    setenv(name, path.c_str(), 1);
    sharedVars_.push_back(name);
  }
  if (!sharedVars_.empty()) {
    sharedFolder_ = own;
    std::error_code ignored;
    std::filesystem::create_directories(own + "/locks", ignored);
    // Also for a session that is never destroyed (kept for the whole program).
    static const bool cleanup =
        (std::atexit([] {
           const char* t = std::getenv("ZYL_TEST_TMP");
           std::error_code e;
           std::filesystem::remove_all(
               std::string(t && *t ? t : "/tmp") + "/zyl-shared-" + std::to_string(getpid()), e);
         }),
         true);
    (void)cleanup;
  }
  ResetAll(screenWidth, screenHeight);
}

TSession::~TSession() {
  ResetAll(UserState().ScreenWidth, UserState().ScreenHeight);
  for (const char* name : sharedVars_) unsetenv(name);
  if (!sharedFolder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(sharedFolder_, ignored);
  }
}

void TSession::StartClock(uint64_t tick, double now) {
  TVirtualClock& clock = Clock();
  const uint64_t present = clock.Milliseconds();
  if (tick < present) throw vcl::EInvalidOperation("the virtual clock never goes back");
  clock.Advance(tick - present);
  clock.SetNow(now);
}

int RunUntilIdle(int limit) {
  int n = 0;
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      // Keeps the quit request for the code that asked for it.
      PostQuitMessage(static_cast<int>(m.wParam));
      break;
    }
    // The framework's loop steps (its dialog keys before the characters), as a program runs.
    if (vcl::Application) {
      vcl::Application->DeliverMessage(m);
    } else {
      TranslateMessage(&m);
      DispatchMessageA(&m);
    }
    if (++n >= limit) throw vcl::EInvalidOperation("the message loop does not go idle");
  }
  return n;
}

bool EndSession() {
  EnsureInit();
  std::vector<HWND> tops;
  for (Wnd* t : UserState().Desktop->Children) tops.push_back(t->Handle);
  bool ends = true;
  for (HWND h : tops)
    if (IsWindow(h) && !SendMessageA(h, WM_QUERYENDSESSION, 0, 0)) {
      ends = false;
      break;
    }
  for (HWND h : tops)
    if (IsWindow(h)) SendMessageA(h, WM_ENDSESSION, ends ? TRUE : FALSE, 0);
  return ends;
}

void AdvanceClock(uint64_t ms) {
  auto* clock = dynamic_cast<TVirtualClock*>(&CurrentClock());
  if (!clock) throw vcl::EInvalidOperation("AdvanceClock needs a virtual clock");
  const uint64_t target = clock->Milliseconds() + ms;
  RunUntilIdle();
  for (int guard = 0; guard < 1000000; ++guard) {
    uint64_t next = UINT64_MAX;
    {
      ThreadQueue& q = QueueOf(CurrentThread());
      std::lock_guard lock(q.Mutex);
      for (const Timer& t : q.Timers) next = std::min(next, t.Due);
    }
    const MouseTrack& tr = UserState().Track;
    if (tr.Hwnd && (tr.Flags & TME_HOVER))
      next = std::min<uint64_t>(next, tr.HoverStart + tr.HoverTime);
    const uint64_t now = clock->Milliseconds();
    if (next > target) break;
    if (next > now) clock->Advance(next - now);
    RunUntilIdle();
  }
  const uint64_t now = clock->Milliseconds();
  if (target > now) clock->Advance(target - now);
  RunUntilIdle();
}

void MouseMove(int x, int y) {
  InjectMouseMove(x, y);
  RunUntilIdle();
}

void MouseDown(int x, int y, int button) {
  InjectMouseMove(x, y);
  InjectMouseButton(button, true);
  RunUntilIdle();
}

void MouseUp(int x, int y, int button) {
  InjectMouseMove(x, y);
  InjectMouseButton(button, false);
  RunUntilIdle();
}

std::vector<TTrayIcon> TrayIcons() { return ShellTrayIcons(); }

void ClickTrayIcon(HWND wnd, UINT id, int button, bool doubleClick) {
  const UINT down = button == 1 ? WM_RBUTTONDOWN : button == 2 ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
  if (!ShellTrayNotify(wnd, id, down)) throw vcl::Exception("No such tray icon");
  ShellTrayNotify(wnd, id, down + 1);  // the button's up message
  if (doubleClick) ShellTrayNotify(wnd, id, down + 2);
  RunUntilIdle();
}

void ClickTrayBalloon(HWND wnd, UINT id) {
  if (!ShellTrayBalloonDone(wnd, id, true)) throw vcl::Exception("No balloon on that tray icon");
  RunUntilIdle();
}

void DropFiles(HWND hwnd, int clientX, int clientY, const std::vector<std::string>& files) {
  if (!ShellDropFiles(ScreenPoint(hwnd, clientX, clientY), files)) {
    const DWORD e = GetLastError();
    throw vcl::Exception(e == 2   ? "A dropped file does not exist"
                         : e == 5 ? "The window does not accept files"
                                  : "Nothing to drop");
  }
  RunUntilIdle();
}

void Click(int x, int y, int button) {
  MouseDown(x, y, button);
  MouseUp(x, y, button);
}

void DoubleClick(int x, int y, int button) {
  Click(x, y, button);
  Click(x, y, button);
}

void Drag(POINT from, POINT to, int steps, int button) {
  MouseDown(from.X, from.Y, button);
  steps = std::max(steps, 1);
  for (int i = 1; i <= steps; ++i)
    MouseMove(from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps);
  MouseUp(to.X, to.Y, button);
}

void Wheel(int delta) {
  InjectMouseWheel(delta);
  RunUntilIdle();
}

void QueueKey(BYTE vk, bool down) { InjectKey(vk, down); }

void QueueClick(int x, int y, int button) {
  InjectMouseMove(x, y);
  InjectMouseButton(button, true);
  InjectMouseButton(button, false);
}

namespace {

std::string ShownMenuText(const std::string& text) {
  std::string r;
  const std::string label = text.substr(0, text.find('\t'));
  for (size_t k = 0; k < label.size(); ++k) {
    if (label[k] == '&' && k + 1 < label.size())
      ++k;
    else if (label[k] == '&')
      continue;
    r += label[k];
  }
  return r;
}

}  // namespace

int TOpenMenu::Find(const std::string& text) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (!(Items[i].Flags & MF_SEPARATOR) && ShownMenuText(Items[i].Text) == text)
      return static_cast<int>(i);
  return -1;
}

std::vector<TOpenMenu> OpenMenus() {
  std::vector<TOpenMenu> r;
  for (const OpenMenuInfo& o : win::user::OpenMenus()) {
    TOpenMenu m;
    m.Menu = o.Menu;
    m.Window = o.Window;
    m.Highlighted = o.Highlighted;
    for (size_t i = 0; i < o.Items.size(); ++i)
      m.Items.push_back({o.Items[i].Text, static_cast<UINT>(o.Items[i].Id), o.Items[i].Flags,
                         o.Items[i].SubMenu, i < o.Rects.size() ? o.Rects[i] : RECT{}});
    r.push_back(std::move(m));
  }
  return r;
}

std::vector<TMenuItemView> MenuBarItems(HWND hwnd) {
  std::vector<TMenuItemView> r;
  const HMENU bar = win::GetMenu(hwnd);
  std::vector<win::user::MenuItemInfo> items;
  if (!bar || !win::user::ReadMenu(bar, items)) return r;
  const std::vector<RECT> rects = win::user::MenuBarItemRects(hwnd);
  for (size_t i = 0; i < items.size(); ++i)
    r.push_back({items[i].Text, static_cast<UINT>(items[i].Id), items[i].Flags, items[i].SubMenu,
                 i < rects.size() ? rects[i] : RECT{}});
  return r;
}

void ClickMenuBar(HWND hwnd, const std::string& text) {
  for (const TMenuItemView& item : MenuBarItems(hwnd))
    if (ShownMenuText(item.Text) == text) {
      Click((item.Rect.Left + item.Rect.Right) / 2, (item.Rect.Top + item.Rect.Bottom) / 2);
      return;
    }
  throw vcl::EInvalidOperation("The menu bar has no item \"" + text + "\"");
}

void SetMenuHandler(std::function<void()> handler) { MenuIdle().Handler = std::move(handler); }

void CloseMenusWhenIdle(bool on) { MenuIdle().CloseWhenIdle = on; }

void ChooseMenuPath(const std::vector<std::string>& path) {
  auto next = std::make_shared<size_t>(0);
  SetMenuHandler([path, next] {
    const std::vector<TOpenMenu> open = OpenMenus();
    if (*next >= path.size() || open.empty()) return;
    const TOpenMenu& top = open.back();
    const int i = top.Find(path[*next]);
    if (i < 0) throw vcl::EInvalidOperation("No menu item \"" + path[*next] + "\" is open");
    const RECT r = top.Items[static_cast<size_t>(i)].Rect;
    ++*next;
    QueueClick((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  });
}

void KeyDown(BYTE vk) {
  InjectKey(vk, true);
  RunUntilIdle();
}

void KeyUp(BYTE vk) {
  InjectKey(vk, false);
  RunUntilIdle();
}

void KeyPress(BYTE vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    if (scan == -1) continue;
    const BYTE vk = LOBYTE(static_cast<WORD>(scan));
    const BYTE mods = HIBYTE(static_cast<WORD>(scan));
    const bool shiftWas = (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool needShift = (mods & 1) != 0;
    if (needShift && !shiftWas) InjectKey(VK_SHIFT, true);
    if (!needShift && shiftWas) InjectKey(VK_SHIFT, false);
    if (mods & 2) InjectKey(VK_CONTROL, true);
    InjectKey(vk, true);
    InjectKey(vk, false);
    if (mods & 2) InjectKey(VK_CONTROL, false);
    if (needShift && !shiftWas) InjectKey(VK_SHIFT, false);
    if (!needShift && shiftWas) InjectKey(VK_SHIFT, true);
    RunUntilIdle();
  }
}

void SetShiftState(bool shift, bool ctrl, bool alt) {
  auto set = [](BYTE vk, bool on) {
    const bool is = (GetAsyncKeyState(vk) & 0x8000) != 0;
    if (is != on) InjectKey(vk, on);
  };
  set(VK_SHIFT, shift);
  set(VK_CONTROL, ctrl);
  set(VK_MENU, alt);
  RunUntilIdle();
}

POINT ScreenPoint(HWND hwnd, int clientX, int clientY) {
  POINT p{clientX, clientY};
  ClientToScreen(hwnd, &p);
  return p;
}

static TCapture CaptureRect(const TRect& r) {
  TCapture c;
  EnsureInit();
  gdi::Surface* s = UserState().Screen.get();
  if (!s || r.Width() <= 0 || r.Height() <= 0) return c;
  if (static_cast<int64_t>(r.Width()) * r.Height() > gdi::kMaxSurfacePixels) return c;  // too large
  c.Width = r.Width();
  c.Height = r.Height();
  c.Pixels.assign(static_cast<size_t>(c.Width) * c.Height, 0);
  for (int y = 0; y < c.Height; ++y) {
    const int sy = r.Top + y;
    if (sy < 0 || sy >= s->Height) continue;
    const uint32_t* row = s->Row(sy);
    for (int x = 0; x < c.Width; ++x) {
      const int sx = r.Left + x;
      if (sx >= 0 && sx < s->Width)
        c.Pixels[static_cast<size_t>(y) * c.Width + x] = row[sx] & 0xFFFFFF;
    }
  }
  return c;
}

TCapture CaptureScreen() {
  EnsureInit();
  return CaptureRect({0, 0, UserState().ScreenWidth, UserState().ScreenHeight});
}

TCapture CaptureWindow(HWND hwnd, bool nonClient) {
  Wnd* w = FromHandle(hwnd);
  if (!w) return TCapture();
  return CaptureRect(nonClient ? ScreenWindowRect(w) : ScreenClientRect(w));
}

TCapture RenderWindow(HWND hwnd, bool nonClient) {
  RunUntilIdle();
  Wnd* w = FromHandle(hwnd);
  if (!w || !ReallyVisible(w)) return TCapture();
  Wnd* root = w;
  while (root->IsChild()) root = root->Parent;
  State& s = UserState();
  // A window reaching past the screen is rendered on a scratch screen large enough for it,
  // moved onto it for the while (its rectangle alone: nothing hears of the move).
  const TRect wr = ScreenWindowRect(w);
  const int width = std::max(s.ScreenWidth, wr.Width()),
            height = std::max(s.ScreenHeight, wr.Height());
  const POINT shift{wr.Left < 0 ? -wr.Left : std::min(0, width - wr.Right),
                    wr.Top < 0 ? -wr.Top : std::min(0, height - wr.Bottom)};
  auto real = s.Screen;
  auto scratch = gdi::Surface::Create(width, height);
  if (!scratch) return TCapture();
  const uint32_t bg = gdi::ColorToPixel(GetSysColor(COLOR_BACKGROUND));
  for (int y = 0; y < scratch->Height; ++y)
    std::fill(scratch->Row(y), scratch->Row(y) + scratch->Width, bg);
  const bool caretWasOn = s.Caret.On;
  const int hideWas = s.Caret.HideCount;
  const TRect desktopWas = s.Desktop->Rect, desktopClientWas = s.Desktop->Client;
  const int screenW = s.ScreenWidth, screenH = s.ScreenHeight;
  vcl::TFinally restore([&] {
    s.Screen = real;
    s.Isolated = nullptr;
    s.Caret.On = caretWasOn;
    s.Caret.HideCount = hideWas;
    s.Desktop->Rect = desktopWas;
    s.Desktop->Client = desktopClientWas;
    s.ScreenWidth = screenW;
    s.ScreenHeight = screenH;
    if (Wnd* r = FromHandle(root->Handle)) OffsetRect(&r->Rect, -shift.X, -shift.Y);
  });
  s.Caret.On = false;  // the caret is not part of the rendering
  s.Caret.HideCount = 1 << 20;
  s.Screen = scratch;
  s.Isolated = root;
  s.ScreenWidth = width;
  s.ScreenHeight = height;
  s.Desktop->Rect = s.Desktop->Client = TRect{0, 0, width, height};
  OffsetRect(&root->Rect, shift.X, shift.Y);
  InvalidateWnd(root, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  PaintNow(root, true);
  if (!(w = FromHandle(hwnd))) return TCapture();
  return CaptureRect(nonClient ? ScreenWindowRect(w) : ScreenClientRect(w));
}

int64_t CountDifferentPixels(const TCapture& a, const TCapture& b, int tolerance) {
  if (a.Width != b.Width || a.Height != b.Height)
    return std::max<int64_t>(static_cast<int64_t>(a.Width) * a.Height,
                             static_cast<int64_t>(b.Width) * b.Height);
  int64_t n = 0;
  for (size_t i = 0; i < a.Pixels.size(); ++i) {
    const uint32_t p = a.Pixels[i], q = b.Pixels[i];
    if (p == q) continue;
    for (int sh = 0; sh < 24; sh += 8) {
      if (std::abs(static_cast<int>((p >> sh) & 0xFF) - static_cast<int>((q >> sh) & 0xFF)) >
          tolerance) {
        ++n;
        break;
      }
    }
  }
  return n;
}

bool WritePng(const TCapture& capture, const std::string& path) {
  if (capture.Width <= 0 || capture.Height <= 0 ||
      capture.Pixels.size() != static_cast<size_t>(capture.Width) * capture.Height)
    return false;
  try {
    vcl::WritePng(capture.Pixels.data(), capture.Width, capture.Height, capture.Width, path);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::string WriteFailurePng(const TCapture& capture, const std::string& name) {
  const char* dir = std::getenv("ZYL_TEST_TMP");
  std::string folder = dir && *dir ? dir : "/tmp";
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string safe;
  for (char c : name)
    safe.push_back((std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_');
  if (safe.empty()) safe = "capture";
  const std::string path = folder + "/" + safe + ".png";
  return WritePng(capture, path) ? path : std::string();
}

std::vector<UINT> Beeps() { return UserState().Beeps; }

// ---- Message recorder ----

namespace {

struct Hook {
  TMessageRecorder* Recorder;
  WNDPROC Previous;
};

std::map<HWND, Hook>& Hooks() {
  static std::map<HWND, Hook> hooks;
  return hooks;
}

LRESULT RecorderProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = Hooks().find(hwnd);
  if (it == Hooks().end()) return DefWindowProcA(hwnd, msg, wp, lp);
  const Hook h = it->second;
  h.Recorder->Record({hwnd, msg, wp, lp});
  if (msg == WM_NCDESTROY) Hooks().erase(hwnd);
  return CallWindowProcA(h.Previous, hwnd, msg, wp, lp);
}

}  // namespace

TMessageRecorder::~TMessageRecorder() {
  for (HWND h : std::vector<HWND>(windows_)) Detach(h);
}

void TMessageRecorder::Attach(HWND hwnd) {
  if (!IsWindow(hwnd) || Hooks().count(hwnd)) return;
  Hook h{this, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC))};
  Hooks()[hwnd] = h;
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecorderProc));
  windows_.push_back(hwnd);
}

void TMessageRecorder::Detach(HWND hwnd) {
  auto it = Hooks().find(hwnd);
  if (it != Hooks().end() && it->second.Recorder == this) {
    if (IsWindow(hwnd) &&
        GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RecorderProc))
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.Previous));
    Hooks().erase(it);
  }
  windows_.erase(std::remove(windows_.begin(), windows_.end(), hwnd), windows_.end());
}

std::vector<UINT> TMessageRecorder::Messages(const std::vector<UINT>& only) const {
  std::vector<UINT> out;
  for (const Entry& e : entries_)
    if (only.empty() || std::find(only.begin(), only.end(), e.Msg) != only.end())
      out.push_back(e.Msg);
  return out;
}

std::vector<UINT> TMessageRecorder::MessagesOf(HWND hwnd, const std::vector<UINT>& only) const {
  std::vector<UINT> out;
  for (const Entry& e : entries_)
    if (e.Hwnd == hwnd &&
        (only.empty() || std::find(only.begin(), only.end(), e.Msg) != only.end()))
      out.push_back(e.Msg);
  return out;
}

int TMessageRecorder::Count(UINT msg) const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                        [msg](const Entry& e) { return e.Msg == msg; }));
}

TUserLocale::TUserLocale(const TItems& items) {
  for (const auto& [type, value] : items)
    if (!SetUserLocaleItem(type, value.c_str()))
      throw vcl::EInvalidOperation("The locale holds no item " + std::to_string(type));
  vcl::GetFormatSettings();
}

std::string MessageName(UINT msg) {
  static const std::map<UINT, const char*> names = {{WM_CREATE, "WM_CREATE"},
                                                    {WM_DESTROY, "WM_DESTROY"},
                                                    {WM_MOVE, "WM_MOVE"},
                                                    {WM_SIZE, "WM_SIZE"},
                                                    {WM_ACTIVATE, "WM_ACTIVATE"},
                                                    {WM_SETFOCUS, "WM_SETFOCUS"},
                                                    {WM_KILLFOCUS, "WM_KILLFOCUS"},
                                                    {WM_ENABLE, "WM_ENABLE"},
                                                    {WM_SETTEXT, "WM_SETTEXT"},
                                                    {WM_GETTEXT, "WM_GETTEXT"},
                                                    {WM_PAINT, "WM_PAINT"},
                                                    {WM_CLOSE, "WM_CLOSE"},
                                                    {WM_ERASEBKGND, "WM_ERASEBKGND"},
                                                    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
                                                    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
                                                    {WM_CANCELMODE, "WM_CANCELMODE"},
                                                    {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
                                                    {WM_SETCURSOR, "WM_SETCURSOR"},
                                                    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
                                                    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
                                                    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
                                                    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
                                                    {WM_NCCREATE, "WM_NCCREATE"},
                                                    {WM_NCDESTROY, "WM_NCDESTROY"},
                                                    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
                                                    {WM_NCHITTEST, "WM_NCHITTEST"},
                                                    {WM_NCPAINT, "WM_NCPAINT"},
                                                    {WM_NCACTIVATE, "WM_NCACTIVATE"},
                                                    {WM_KEYDOWN, "WM_KEYDOWN"},
                                                    {WM_KEYUP, "WM_KEYUP"},
                                                    {WM_CHAR, "WM_CHAR"},
                                                    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
                                                    {WM_SYSKEYUP, "WM_SYSKEYUP"},
                                                    {WM_SYSCHAR, "WM_SYSCHAR"},
                                                    {WM_TIMER, "WM_TIMER"},
                                                    {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                                                    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
                                                    {WM_LBUTTONUP, "WM_LBUTTONUP"},
                                                    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
                                                    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                                                    {WM_RBUTTONUP, "WM_RBUTTONUP"},
                                                    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
                                                    {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
                                                    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
                                                    {WM_MOUSEHOVER, "WM_MOUSEHOVER"},
                                                    {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
                                                    {WM_HOTKEY, "WM_HOTKEY"},
                                                    {WM_STYLECHANGING, "WM_STYLECHANGING"},
                                                    {WM_STYLECHANGED, "WM_STYLECHANGED"},
                                                    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
                                                    {WM_USER, "WM_USER"},
                                                    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
                                                    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
                                                    {WM_MOVING, "WM_MOVING"},
                                                    {WM_SIZING, "WM_SIZING"},
                                                    {WM_HSCROLL, "WM_HSCROLL"},
                                                    {WM_VSCROLL, "WM_VSCROLL"}};
  auto it = names.find(msg);
  if (it != names.end()) return it->second;
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%04X", msg);
  return buf;
}

}  // namespace win::testkit
