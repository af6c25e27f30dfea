// Moving a window by its caption and sizing it by its frame, with the mouse and from the
// system commands with the keyboard: the messages around the loop, the rectangle a window may
// adjust, the tracking limits, and Escape.
#include "UserTestSupport.h"

#include "platform/user/UserInternal.h"

namespace usertest {
namespace {

using namespace testkit;

POINT g_minTrack{0, 0};
bool g_snap = false;  // WM_SIZING rounds the width down to tens

LRESULT FrameProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO && g_minTrack.X > 0) {
    auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
    mmi->ptMinTrackSize = g_minTrack;
    return 0;
  }
  if (msg == WM_SIZING && g_snap) {
    auto* r = reinterpret_cast<RECT*>(lp);
    r->Right = r->Left + (r->Right - r->Left) / 10 * 10;
    return TRUE;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

constexpr int kX = 200, kY = 150, kW = 300, kH = 200;
const std::vector<UINT> kLoop = {WM_ENTERSIZEMOVE, WM_MOVING, WM_SIZING, WM_EXITSIZEMOVE};

class SizeMoveTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    g_minTrack = POINT{0, 0};
    g_snap = false;
    RegisterProc("FrameWnd", FrameProc);
    w_ = Make("FrameWnd", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, kX, kY, kW, kH, "Frame");
    RunUntilIdle();
    rec_.Attach(w_);
  }
  // A point of the caption, clear of its buttons and icon.
  POINT Caption() const { return POINT{kX + kW / 2, kY + GetSystemMetrics(SM_CYFRAME) + 5}; }
  HWND w_ = nullptr;
  TMessageRecorder rec_;
};

TEST_F(SizeMoveTest, DraggingTheCaptionMovesTheWindow) {
  const POINT c = Caption();
  Drag(c, POINT{c.X + 37, c.Y + 21});
  const RECT r = WindowRect(w_);
  EXPECT_EQ(r.Left, kX + 37);
  EXPECT_EQ(r.Top, kY + 21);
  EXPECT_EQ(r.Right - r.Left, kW);
  EXPECT_EQ(r.Bottom - r.Top, kH);
  const std::vector<UINT> got = rec_.Messages(kLoop);
  ASSERT_GE(got.size(), 3u);
  EXPECT_EQ(got.front(), WM_ENTERSIZEMOVE);
  EXPECT_EQ(got.back(), WM_EXITSIZEMOVE);
  EXPECT_EQ(std::count(got.begin(), got.end(), WM_MOVING), static_cast<long>(got.size()) - 2);
  EXPECT_EQ(GetCapture(), nullptr);
}

// A press on the frame and which sides of the window follow the mouse (-1 none).
struct EdgeCase {
  const char* Name;
  int X, Y;  // offset of the press from the window's top-left corner (negative: from the far side)
  bool L, T, R, B;  // sides that move
};

class SizeMoveEdges : public SizeMoveTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(SizeMoveEdges, DraggingTheFrameMovesItsSides) {
  const EdgeCase& e = GetParam();
  const POINT from{e.X >= 0 ? kX + e.X : kX + kW + e.X, e.Y >= 0 ? kY + e.Y : kY + kH + e.Y};
  const int dx = 23, dy = 17;
  Drag(from, POINT{from.X + dx, from.Y + dy});
  const RECT r = WindowRect(w_);
  EXPECT_EQ(r.Left, kX + (e.L ? dx : 0));
  EXPECT_EQ(r.Top, kY + (e.T ? dy : 0));
  EXPECT_EQ(r.Right, kX + kW + (e.R ? dx : 0));
  EXPECT_EQ(r.Bottom, kY + kH + (e.B ? dy : 0));
  EXPECT_GE(rec_.Count(WM_SIZING), 1);
  EXPECT_EQ(rec_.Count(WM_MOVING), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Frame, SizeMoveEdges,
    ::testing::Values(EdgeCase{"Left", 1, kH / 2, true, false, false, false},
                      EdgeCase{"Right", -2, kH / 2, false, false, true, false},
                      EdgeCase{"Top", kW / 2, 1, false, true, false, false},
                      EdgeCase{"Bottom", kW / 2, -2, false, false, false, true},
                      EdgeCase{"TopLeft", 1, 1, true, true, false, false},
                      EdgeCase{"TopRight", -2, 1, false, true, true, false},
                      EdgeCase{"BottomLeft", 1, -2, true, false, false, true},
                      EdgeCase{"BottomRight", -2, -2, false, false, true, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SizeMoveTest, TheSizeKeepsToTheTrackingLimits) {
  g_minTrack = POINT{250, 180};
  const POINT corner{kX + kW - 2, kY + kH - 2};
  Drag(corner, POINT{corner.X - 200, corner.Y - 150});
  RECT r = WindowRect(w_);
  EXPECT_EQ(r.Right - r.Left, 250);
  EXPECT_EQ(r.Bottom - r.Top, 180);
  // Shrinking by the left edge keeps the right edge where it was.
  const POINT left{r.Left + 1, (r.Top + r.Bottom) / 2};
  Drag(left, POINT{left.X + 100, left.Y});
  const RECT s = WindowRect(w_);
  EXPECT_EQ(s.Right, r.Right);
  EXPECT_EQ(s.Right - s.Left, 250);
}

TEST_F(SizeMoveTest, TheWindowMayAdjustTheSizingRectangle) {
  g_snap = true;
  const POINT right{kX + kW - 2, kY + kH / 2};
  Drag(right, POINT{right.X + 27, right.Y});
  const RECT r = WindowRect(w_);
  EXPECT_EQ((r.Right - r.Left) % 10, 0);
  EXPECT_EQ(r.Right - r.Left, (kW + 27) / 10 * 10);
}

TEST_F(SizeMoveTest, EscapePutsTheWindowBack) {
  const POINT c = Caption();
  MouseDown(c.X, c.Y);
  MouseMove(c.X + 50, c.Y + 60);
  EXPECT_EQ(WindowRect(w_).Left, kX + 50);
  KeyPress(VK_ESCAPE);
  EXPECT_EQ(WindowRect(w_).Left, kX);
  EXPECT_EQ(WindowRect(w_).Top, kY);
  EXPECT_EQ(rec_.Messages({WM_EXITSIZEMOVE}).size(), 1u);
  // The loop is over: the mouse moves nothing now.
  MouseMove(c.X + 90, c.Y + 90);
  MouseUp(c.X + 90, c.Y + 90);
  EXPECT_EQ(WindowRect(w_).Left, kX);
}

struct KeyLoopCase {
  const char* Name;
  WPARAM Command;
  std::vector<BYTE> Keys;  // then Enter
  RECT Change;             // added to the window's sides
};

class SizeMoveKeys : public SizeMoveTest, public ::testing::WithParamInterface<KeyLoopCase> {};

TEST_P(SizeMoveKeys, TheSystemCommandMovesAndSizesByKeyboard) {
  const KeyLoopCase& k = GetParam();
  SendMessageA(w_, WM_SYSCOMMAND, k.Command, 0);
  RunUntilIdle();
  for (BYTE vk : k.Keys) KeyPress(vk);
  KeyPress(VK_RETURN);
  const RECT r = WindowRect(w_);
  const int s = user::kSizeMoveKeyStep;
  EXPECT_EQ(r.Left, kX + k.Change.Left * s);
  EXPECT_EQ(r.Top, kY + k.Change.Top * s);
  EXPECT_EQ(r.Right, kX + kW + k.Change.Right * s);
  EXPECT_EQ(r.Bottom, kY + kH + k.Change.Bottom * s);
  EXPECT_EQ(Names(rec_, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}), "WM_ENTERSIZEMOVE WM_EXITSIZEMOVE");
  EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SizeMoveKeys,
    ::testing::Values(KeyLoopCase{"MoveRightTwice", SC_MOVE, {VK_RIGHT, VK_RIGHT}, {2, 0, 2, 0}},
                      KeyLoopCase{"MoveUpLeft", SC_MOVE, {VK_UP, VK_LEFT}, {-1, -1, -1, -1}},
                      // The first arrow picks the edge, the next ones move it.
                      KeyLoopCase{
                          "GrowRight", SC_SIZE, {VK_RIGHT, VK_RIGHT, VK_RIGHT}, {0, 0, 2, 0}},
                      KeyLoopCase{"ShrinkFromBottom", SC_SIZE, {VK_DOWN, VK_UP}, {0, 0, 0, -1}},
                      KeyLoopCase{"LeftEdgeOut", SC_SIZE, {VK_LEFT, VK_LEFT}, {-1, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SizeMoveTest, AWindowWithoutAThickFrameIsNotSized) {
  HWND fixed =
      Make("FrameWnd", WS_POPUP | WS_CAPTION | WS_VISIBLE, nullptr, 50, 50, 100, 80, "Fixed");
  RunUntilIdle();
  SendMessageA(fixed, WM_SYSCOMMAND, SC_SIZE, 0);
  KeyPress(VK_RIGHT);
  KeyPress(VK_RIGHT);
  KeyPress(VK_RETURN);
  const RECT r = WindowRect(fixed);
  EXPECT_EQ(r.Right - r.Left, 100);
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace usertest
