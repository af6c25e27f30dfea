// Changes of the system that every top-level window is told of: a setting changed with
// SPIF_SENDCHANGE (WM_SETTINGCHANGE), the system colours changed (WM_SYSCOLORCHANGE) and the
// screen's size changed (WM_DISPLAYCHANGE), with the screen, its metrics and the work area
// following the new size.
#include <gtest/gtest.h>

#include "UserTestSupport.h"
#include "platform/base/Finally.h"

namespace {

using namespace usertest;

class SystemChanges : public ::testing::Test {
 protected:
  SystemChanges() {
    RegisterTestClasses();
    top_ = Make("PlainWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 10, 10, 200, 100);
    other_ = Make("PlainWnd", WS_POPUP | WS_VISIBLE, nullptr, 300, 10, 50, 50);
    child_ = Make("PlainWnd", WS_CHILD | WS_VISIBLE, top_, 5, 5, 20, 20);
    for (HWND h : {top_, other_, child_}) log_.Attach(h);
    testkit::RunUntilIdle();
    log_.Clear();
  }
  testkit::TSession session_{640, 480};
  HWND top_ = nullptr, other_ = nullptr, child_ = nullptr;
  testkit::TMessageRecorder log_;
};

TEST_F(SystemChanges, ASettingSentOnReachesEachTopLevelWindowOnce) {
  ASSERT_TRUE(SystemParametersInfoA(SPI_SETBEEP, 0, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE));
  EXPECT_EQ(log_.MessagesOf(top_, {WM_SETTINGCHANGE}).size(), 1u);
  EXPECT_EQ(log_.MessagesOf(other_, {WM_SETTINGCHANGE}).size(), 1u);
  // Child windows are not told; their parents pass it on.
  EXPECT_TRUE(log_.MessagesOf(child_, {WM_SETTINGCHANGE}).empty());
  for (const auto& e : log_.Entries()) {
    if (e.Msg == WM_SETTINGCHANGE) {
      EXPECT_EQ(e.WParam, SPI_SETBEEP);
    }
  }
}

TEST_F(SystemChanges, ASettingIsNotToldWithoutSendChangeNorWhenItFailsOrOnlyReads) {
  BOOL beep = 0;
  struct Case {
    UINT Action, Param;
    void* Data;
    UINT WinIni;
  } cases[] = {{SPI_SETBEEP, 0, nullptr, SPIF_UPDATEINIFILE},
               {SPI_GETBEEP, 0, &beep, SPIF_SENDCHANGE},
               {SPI_GETBEEP, 0, nullptr, SPIF_SENDCHANGE}};
  for (const Case& c : cases) SystemParametersInfoA(c.Action, c.Param, c.Data, c.WinIni);
  RECT empty{5, 5, 5, 5};
  EXPECT_FALSE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &empty, SPIF_SENDCHANGE));
  EXPECT_EQ(log_.Count(WM_SETTINGCHANGE), 0);
}

// The button face a window of the class "FaceReader" read when it was told of a colour change.
COLORREF faceWhenTold = 0;
LRESULT FaceReaderProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SYSCOLORCHANGE) faceWhenTold = GetSysColor(COLOR_BTNFACE);
  return DefWindowProcA(h, msg, wp, lp);
}

// Each call of SetSysColors tells every top-level window once, after the colours hold; a call
// it refuses tells nobody.
TEST_F(SystemChanges, EachColourChangeReachesEachTopLevelWindowOnceAfterTheColoursHold) {
  RegisterProc("FaceReader", &FaceReaderProc);
  HWND reader = Make("FaceReader", WS_POPUP, nullptr, 0, 0, 10, 10);
  log_.Attach(reader);
  const vcl::TFinally reset([] { ResetSysColors(); });
  const int elements[] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_HIGHLIGHT};
  const COLORREF values[] = {RGB(200, 170, 230), RGB(255, 250, 205), RGB(220, 90, 20)};
  struct Case {
    int Count;
    const int* Elements;
    BOOL Result;
    size_t Told;
  } cases[] = {{1, elements, TRUE, 1},
               {3, elements, TRUE, 1},
               {0, nullptr, TRUE, 1},
               {-1, elements, FALSE, 0},
               {2, nullptr, FALSE, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Count);
    log_.Clear();
    faceWhenTold = 0;
    EXPECT_EQ(SetSysColors(c.Count, c.Elements, values), c.Result);
    for (HWND h : {top_, other_, reader}) {
      EXPECT_EQ(log_.MessagesOf(h, {WM_SYSCOLORCHANGE}).size(), c.Told);
    }
    // Child windows are not told; their parents pass it on.
    EXPECT_TRUE(log_.MessagesOf(child_, {WM_SYSCOLORCHANGE}).empty());
    if (c.Told) {
      EXPECT_EQ(faceWhenTold, values[0]);
    }
  }
}

TEST_F(SystemChanges, TheScreenTakesANewSizeAndEveryTopLevelWindowHearsOfIt) {
  DEVMODEA mode;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL;
  mode.dmPelsWidth = 800;
  mode.dmPelsHeight = 600;
  mode.dmBitsPerPel = 32;
  ASSERT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  const testkit::TCapture screen = testkit::CaptureScreen();
  EXPECT_EQ(screen.Width, 800);
  EXPECT_EQ(screen.Height, 600);
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.Right, 800);
  EXPECT_LE(work.Bottom, 600);
  EXPECT_GT(work.Bottom, 500);
  for (HWND h : {top_, other_}) {
    ASSERT_EQ(log_.MessagesOf(h, {WM_DISPLAYCHANGE}).size(), 1u);
  }
  EXPECT_TRUE(log_.MessagesOf(child_, {WM_DISPLAYCHANGE}).empty());
  for (const auto& e : log_.Entries()) {
    if (e.Msg != WM_DISPLAYCHANGE) continue;
    EXPECT_EQ(e.WParam, 32u);
    EXPECT_EQ(LOWORD(e.LParam), 800);
    EXPECT_EQ(HIWORD(e.LParam), 600);
  }
  // The windows paint on the new screen.
  testkit::RunUntilIdle();
  EXPECT_EQ(testkit::CaptureWindow(top_).Width, 200);

  // No mode: the size the session started with.
  log_.Clear();
  ASSERT_EQ(ChangeDisplaySettingsA(nullptr, 0), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  EXPECT_EQ(log_.Count(WM_DISPLAYCHANGE), 2);
}

TEST_F(SystemChanges, ABadDisplayModeChangesNothing) {
  struct Case {
    DWORD Fields, Bits, Width, Height;
    WORD Size;
    LONG Result;
  } cases[] = {
      {DM_BITSPERPEL, 16, 0, 0, sizeof(DEVMODEA), DISP_CHANGE_BADMODE},
      {DM_PELSWIDTH, 0, 0, 0, sizeof(DEVMODEA), DISP_CHANGE_BADMODE},
      {DM_PELSWIDTH | DM_PELSHEIGHT, 0, 100000, 600, sizeof(DEVMODEA), DISP_CHANGE_BADMODE},
      {DM_PELSHEIGHT, 0, 0, 0xFFFFFFFF, sizeof(DEVMODEA), DISP_CHANGE_BADMODE},
      {DM_PELSWIDTH, 0, 800, 0, 4, DISP_CHANGE_BADPARAM},
  };
  for (const Case& c : cases) {
    DEVMODEA mode;
    mode.dmSize = c.Size;
    mode.dmFields = c.Fields;
    mode.dmBitsPerPel = c.Bits;
    mode.dmPelsWidth = c.Width;
    mode.dmPelsHeight = c.Height;
    EXPECT_EQ(ChangeDisplaySettingsA(&mode, 0), c.Result);
  }
  // A test of a good mode only answers.
  DEVMODEA good;
  good.dmFields = DM_PELSWIDTH;
  good.dmPelsWidth = 900;
  EXPECT_EQ(ChangeDisplaySettingsA(&good, CDS_TEST), DISP_CHANGE_SUCCESSFUL);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
  EXPECT_EQ(log_.Count(WM_DISPLAYCHANGE), 0);
}

}  // namespace
