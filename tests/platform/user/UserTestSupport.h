// Shared helpers of the window manager's tests: a window class whose windows paint their
// client area in the colour kept in GWLP_USERDATA.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"

namespace usertest {

using namespace win;

inline LRESULT ColorProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    const COLORREF c = static_cast<COLORREF>(GetWindowLongPtrA(h, GWLP_USERDATA));
    HBRUSH b = CreateSolidBrush(c);
    RECT r;
    GetClientRect(h, &r);
    FillRect(dc, &r, b);
    DeleteObject(b);
    EndPaint(h, &ps);
    return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

inline LRESULT PlainProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(h, msg, wp, lp); }

inline void RegisterTestClasses() {
  WNDCLASSA wc;
  wc.lpfnWndProc = ColorProc;
  wc.lpszClassName = "ColorWnd";
  wc.style = CS_DBLCLKS;
  RegisterClassA(&wc);
  WNDCLASSA pc;
  pc.lpfnWndProc = PlainProc;
  pc.lpszClassName = "PlainWnd";
  pc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  RegisterClassA(&pc);
}

inline HWND ColorWindow(HWND parent, DWORD style, int x, int y, int w, int h, COLORREF c, DWORD ex = 0) {
  HWND hwnd = CreateWindowExA(ex, "ColorWnd", "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(c));
  return hwnd;
}

// A window of a registered class (a child when `style` has WS_CHILD, else owned by `parent`).
inline HWND Make(const char* cls, DWORD style, HWND parent = nullptr, int x = 0, int y = 0, int w = 10,
                 int h = 10, const char* text = "", DWORD ex = 0) {
  return CreateWindowExA(ex, cls, text, style, x, y, w, h, parent, nullptr, nullptr, nullptr);
}
inline ATOM RegisterProc(const char* name, WNDPROC proc, UINT style = 0, int wndExtra = 0) {
  WNDCLASSA wc;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.style = style;
  wc.cbWndExtra = wndExtra;
  return RegisterClassA(&wc);
}
inline RECT WindowRect(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r;
}
inline RECT ClientRect(HWND h) {
  RECT r{};
  GetClientRect(h, &r);
  return r;
}

// An EDIT window's whole text, and the start and length of each of its lines.
inline std::string EditText(HWND h) {
  std::string s(static_cast<size_t>(SendMessageA(h, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  s.resize(static_cast<size_t>(
      SendMessageA(h, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
  return s;
}
inline std::vector<std::pair<LRESULT, LRESULT>> EditLines(HWND h) {
  std::vector<std::pair<LRESULT, LRESULT>> out;
  const LRESULT n = SendMessageA(h, EM_GETLINECOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    const LRESULT start = SendMessageA(h, EM_LINEINDEX, static_cast<WPARAM>(i), 0);
    out.emplace_back(start, SendMessageA(h, EM_LINELENGTH, static_cast<WPARAM>(start), 0));
  }
  return out;
}

// The recorded messages (of one window, when given) among `only`, as names: "WM_A WM_B".
inline std::string Names(const testkit::TMessageRecorder& rec, const std::vector<UINT>& only, HWND of = nullptr) {
  std::string out;
  for (UINT m : of ? rec.MessagesOf(of, only) : rec.Messages(only)) out += (out.empty() ? "" : " ") + testkit::MessageName(m);
  return out;
}
// The first recorded `msg` of `h`; a failure and an empty entry when there is none.
inline testkit::TMessageRecorder::Entry First(const testkit::TMessageRecorder& rec, HWND h, UINT msg) {
  for (const auto& e : rec.Entries())
    if (e.Hwnd == h && e.Msg == msg) return e;
  ADD_FAILURE() << "no " << testkit::MessageName(msg);
  return {h, msg, 0, 0};
}

// Answers of a control against what they should be, naming the position of a wrong one.
inline void ExpectAnswers(std::initializer_list<std::pair<LRESULT, LRESULT>> cases) {
  int i = 0;
  for (const auto& [got, want] : cases) EXPECT_EQ(got, want) << "case " << i++;
}

// A test fixture with a fresh session and the test classes.
class UserTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
  testkit::TSession session_;
};

}  // namespace usertest
