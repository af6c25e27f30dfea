// System metrics and parameters, and bad input to the window manager's entry points.
#include <cstring>

#include "platform/base/Exceptions.h"

#include "UserTestSupport.h"

namespace usertest {
namespace {

class MetricsTest : public UserTest {};

TEST_F(MetricsTest, TheClassicTableAnswers) {
  const std::pair<int, int> metrics[] = {
      {SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768},      {SM_CXVSCROLL, 16},    {SM_CYHSCROLL, 16},
      {SM_CYCAPTION, 19},  {SM_CXBORDER, 1},        {SM_CXEDGE, 2},        {SM_CXFRAME, 4},
      {SM_CXDLGFRAME, 3},  {SM_CXICON, 32},         {SM_CXSMICON, 16},     {SM_CYSMCAPTION, 15},
      {SM_CYMENU, 19},     {SM_CXDOUBLECLK, 4},     {SM_CXDRAG, 4},        {SM_MOUSEWHEELPRESENT, 1},
      {-5, 0},             {100000, 0}};
  for (auto [index, value] : metrics) EXPECT_EQ(GetSystemMetrics(index), value) << "metric " << index;
  EXPECT_EQ(GetDoubleClickTime(), 500u);
  SetDoubleClickTime(300);
  EXPECT_EQ(GetDoubleClickTime(), 300u);
  SetDoubleClickTime(0);  // back to the default
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(MetricsTest, ParametersComeFromTheSameTable) {
  RECT wa;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0));
  EXPECT_EQ(wa, (RECT{0, 0, 1024, 738}));  // a 30-pixel task bar at the bottom
  NONCLIENTMETRICSA ncm;
  EXPECT_EQ(ncm.cbSize, 340u);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0));
  EXPECT_EQ(ncm.iCaptionHeight + 1, GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(ncm.iSmCaptionHeight + 1, GetSystemMetrics(SM_CYSMCAPTION));
  EXPECT_EQ(ncm.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_STREQ(ncm.lfCaptionFont.lfFaceName, "Tahoma");
  EXPECT_EQ(ncm.lfCaptionFont.lfHeight, -11);
  EXPECT_EQ(ncm.lfCaptionFont.lfWeight, FW_BOLD);
  EXPECT_EQ(ncm.lfMessageFont.lfWeight, FW_NORMAL);
  ncm.cbSize = 100;  // a wrong size is refused
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &ncm, 0));
  LOGFONTA lf;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0));
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, 4, &lf, 0));
  auto get = [](UINT action) {
    int v = -1;
    EXPECT_TRUE(SystemParametersInfoA(action, 0, &v, 0)) << action;
    return v;
  };
  const std::pair<UINT, int> ints[] = {{SPI_GETWHEELSCROLLLINES, 3}, {SPI_GETFONTSMOOTHING, TRUE},
                                       {SPI_GETDRAGFULLWINDOWS, TRUE}, {SPI_GETKEYBOARDDELAY, 1},
                                       {SPI_GETKEYBOARDSPEED, 31}};
  for (auto [action, value] : ints) EXPECT_EQ(get(action), value) << action;
  int lines = 0;
  // Settings a test changes stay until the next session.
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 5, nullptr, 0);
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  EXPECT_EQ(lines, 5);
  RECT small = {0, 0, 800, 600};
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &small, 0));
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  EXPECT_EQ(wa, small);
  EXPECT_FALSE(SystemParametersInfoA(SPI_GETWORKAREA, 0, nullptr, 0));
  EXPECT_FALSE(SystemParametersInfoA(0xFFFF, 0, &lines, 0));
}

TEST(MetricsSessionTest, ScreenSizeIsConfigurable) {
  testkit::TSession session(640, 480);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  RECT wa;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
  EXPECT_EQ(wa.Bottom, 450);
  EXPECT_EQ(testkit::CaptureScreen().Width, 640);
  RECT r;
  GetWindowRect(GetDesktopWindow(), &r);
  EXPECT_EQ(r, (RECT{0, 0, 640, 480}));
  EXPECT_THROW(testkit::TSession(0, 10), vcl::Exception);
}

TEST_F(MetricsTest, BadInputIsRefusedWithoutHarm) {
  EXPECT_EQ(RegisterClassA(nullptr), 0);
  WNDCLASSA wc;
  wc.lpfnWndProc = PlainProc;
  EXPECT_EQ(RegisterClassA(&wc), 0);  // no name
  wc.lpszClassName = "";
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.lpszClassName = "Huge";
  wc.cbWndExtra = -4;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  wc.cbWndExtra = 1 << 30;
  EXPECT_EQ(RegisterClassA(&wc), 0);
  WNDCLASSEXA ex;
  ex.cbSize = 12;
  ex.lpszClassName = "X";
  EXPECT_EQ(RegisterClassExA(&ex), 0);

  HWND w = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, -50000, -50000, 100000, 100000);
  ASSERT_NE(w, nullptr);
  testkit::RunUntilIdle();  // paints a window far larger than the screen
  EXPECT_EQ(testkit::CaptureScreen().Color(10, 10), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(testkit::CaptureWindow(w).Width, 0);  // too large to capture
  DestroyWindow(w);
  // Extreme coordinates are kept in a range where no sum overflows.
  HWND far = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 0x7FFFFFF0, 0x7FFFFFF0, 0x7FFFFFFF, 100);
  EXPECT_GT(WindowRect(far).Right, WindowRect(far).Left);
  MoveWindow(far, -0x7FFFFFFF, 0, 0x7FFFFFFF, 0x7FFFFFFF, TRUE);
  EXPECT_GE(WindowRect(far).Right, WindowRect(far).Left);
  testkit::RunUntilIdle();
  DestroyWindow(far);
  HWND n = Make("PlainWnd", WS_POPUP, nullptr, 0, 0, -10, -10, "t");
  RECT r = WindowRect(n);
  EXPECT_EQ(r, (RECT{0, 0, 0, 0}));
  char buf[4] = "abc";
  EXPECT_EQ(GetWindowTextA(n, buf, 0), 0);
  EXPECT_EQ(GetWindowTextA(n, nullptr, 10), 0);
  EXPECT_EQ(GetClassNameA(n, buf, -1), 0);
  EXPECT_EQ(SendMessageA(n, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buf)), 0);
  EXPECT_FALSE(GetWindowPlacement(n, nullptr));
  EXPECT_FALSE(GetClientRect(n, nullptr));
  EXPECT_FALSE(TrackMouseEvent(nullptr));
  TRACKMOUSEEVENT tme;
  tme.cbSize = 3;
  EXPECT_FALSE(TrackMouseEvent(&tme));
  EXPECT_EQ(GetKeyState(-1), 0);
  EXPECT_EQ(GetKeyState(300), 0);
  EXPECT_FALSE(GetKeyboardState(nullptr));
  EXPECT_EQ(SendInput(1, nullptr, sizeof(INPUT)), 0u);
  INPUT in;
  EXPECT_EQ(SendInput(1, &in, 3), 0u);
  EXPECT_FALSE(SetWindowRgn(n, reinterpret_cast<HRGN>(GetStockObject(WHITE_BRUSH)), TRUE));
  EXPECT_EQ(ScrollWindowEx(nullptr, 1, 1, nullptr, nullptr, nullptr, nullptr, 0), ERROR);
  EXPECT_EQ(BeginPaint(n, nullptr), nullptr);
  EXPECT_FALSE(ClipCursor(&r));  // an empty rectangle
  EXPECT_EQ(LoadCursorA(nullptr, "NotAResource"), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_ARROW)), nullptr);
  EXPECT_NE(LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_IBEAM)), LoadCursorA(nullptr, MAKEINTRESOURCE(IDC_ARROW)));
}

}  // namespace
}  // namespace usertest
