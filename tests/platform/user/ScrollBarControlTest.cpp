// The SCROLLBAR control and the bars of a window's frame as the user works them: arrows, pages
// and the thumb with the mouse, auto-repeat on the virtual clock, the keyboard, the SBM_
// messages, and the classic look of pressed and disabled parts.
#include "UserTestSupport.h"

#include "platform/user/UserInternal.h"
#include "tests/support/PixelCheck.h"

namespace usertest {
namespace {

using namespace testkit;

struct Heard {
  UINT Msg;
  WORD Code;
  int Pos;
  LPARAM Ctl;
};
std::vector<Heard> g_heard;
bool g_follow = false;  // the parent moves the bar as an application does

// Moves a bar (of a control, or of the window's frame) as the code asks.
void Follow(HWND bar, int which, WORD code, int thumb) {
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(bar, which, &si);
  const int page = std::max<int>(static_cast<int>(si.nPage), 1);
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    default: return;
  }
  SetScrollPos(bar, which, pos, TRUE);
}

LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_HSCROLL || msg == WM_VSCROLL) {
    g_heard.push_back({msg, LOWORD(wp), static_cast<int16_t>(HIWORD(wp)), lp});
    if (g_follow)
      Follow(lp ? reinterpret_cast<HWND>(lp) : h,
             lp ? SB_CTL : (msg == WM_VSCROLL ? SB_VERT : SB_HORZ), LOWORD(wp),
             static_cast<int16_t>(HIWORD(wp)));
    return 0;
  }
  return DefWindowProcA(h, msg, wp, lp);
}

std::vector<WORD> Codes() {
  std::vector<WORD> v;
  for (const Heard& h : g_heard) v.push_back(h.Code);
  return v;
}
int CountOf(WORD code) {
  return static_cast<int>(std::count_if(g_heard.begin(), g_heard.end(),
                                        [code](const Heard& h) { return h.Code == code; }));
}

// The parent sits at (100, 100) on the screen; its bar at (20, 10) of its client area, 16
// pixels thick and 200 long. The arrows are as long as the bar is thick.
constexpr int kLeft = 100, kTop = 100, kBarX = 20, kBarY = 10, kThick = 16, kLength = 200;

class ScrollBarControlTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    g_heard.clear();
    g_follow = false;
    RegisterProc("SbParent", ParentProc);
    parent_ = Make("SbParent", WS_POPUP | WS_VISIBLE, nullptr, kLeft, kTop, 300, 260);
  }
  HWND Bar(DWORD style, int min = 0, int max = 100, UINT page = 0) {
    const bool vertical = style & SBS_VERT;
    HWND h = Make("ScrollBar", WS_CHILD | WS_VISIBLE | style, parent_, kBarX, kBarY,
                  vertical ? kThick : kLength, vertical ? kLength : kThick);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = min;
    si.nMax = max;
    si.nPage = page;
    SetScrollInfo(h, SB_CTL, &si, TRUE);
    RunUntilIdle();
    return h;
  }
  // A screen point `along` pixels into the bar, in its middle across.
  static POINT At(DWORD style, int along) {
    return (style & SBS_VERT) ? POINT{kLeft + kBarX + kThick / 2, kTop + kBarY + along}
                              : POINT{kLeft + kBarX + along, kTop + kBarY + kThick / 2};
  }
  HWND parent_ = nullptr;
};

// ---- The SBM_ messages and bad input ----

TEST_F(ScrollBarControlTest, RangePageAndPositionStayConsistent) {
  HWND h = Bar(SBS_HORZ);
  int lo = -1, hi = -1;
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  const std::vector<std::pair<LRESULT, LRESULT>> cases = {
      {SendMessageA(h, SBM_SETRANGE, 10, 50), 0},  // answers the old position
      {SendMessageA(h, SBM_GETPOS, 0, 0), 10},     // pulled into the new range
      {SendMessageA(h, SBM_SETPOS, 80, TRUE), 10},
      {SendMessageA(h, SBM_GETPOS, 0, 0), 50},
      {SendMessageA(h, SBM_SETPOS, -3, FALSE), 50},
      {SendMessageA(h, SBM_GETPOS, 0, 0), 10},
      {(SendMessageA(h, SBM_GETRANGE, reinterpret_cast<WPARAM>(&lo), reinterpret_cast<LPARAM>(&hi)),
        lo),
       10},
      {hi, 50},
      // The maximum below the minimum is raised to it.
      {SendMessageA(h, SBM_SETRANGEREDRAW, 30, 20), 10},
      {(GetScrollRange(h, SB_CTL, &lo, &hi), hi), 30},
      {GetScrollPos(h, SB_CTL), 30},
  };
  for (size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
  // A page larger than the range shrinks to it; the position stays on the last page.
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = 9;
  si.nPage = 50;
  si.nPos = 7;
  EXPECT_EQ(SendMessageA(h, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&si)), 0);
  SCROLLINFO got;
  got.fMask = SIF_ALL;
  ASSERT_TRUE(SendMessageA(h, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&got)));
  EXPECT_EQ(got.nPage, 10u);
  EXPECT_EQ(got.nPos, 0);
  // A range wider than the platform allows is refused; a bad SCROLLINFO changes nothing.
  EXPECT_FALSE(SetScrollRange(h, SB_CTL, -2, 0x7FFFFFFF, TRUE));
  si.cbSize = 3;
  si.nPos = 5;
  SetScrollInfo(h, SB_CTL, &si, TRUE);
  EXPECT_EQ(GetScrollPos(h, SB_CTL), 0);
  EXPECT_EQ(SendMessageA(h, SBM_SETSCROLLINFO, TRUE, 0), 0);
}

// ---- The mouse ----

struct ClickCase {
  const char* Name;
  DWORD Style;
  int Along;  // pixels into the bar
  WORD Code;
};

class ScrollBarClicks : public ScrollBarControlTest,
                        public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ScrollBarClicks, TellTheParentWithTheControlsHandle) {
  const ClickCase& c = GetParam();
  HWND h = Bar(c.Style, 0, 100);
  SetScrollPos(h, SB_CTL, 50, TRUE);
  const POINT p = At(c.Style, c.Along);
  Click(p.X, p.Y);
  ASSERT_EQ(g_heard.size(), 2u);
  EXPECT_EQ(g_heard[0].Msg, (c.Style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL);
  EXPECT_EQ(g_heard[0].Code, c.Code);
  EXPECT_EQ(g_heard[0].Ctl, reinterpret_cast<LPARAM>(h));
  EXPECT_EQ(g_heard[1].Code, SB_ENDSCROLL);
}

INSTANTIATE_TEST_SUITE_P(
    Parts, ScrollBarClicks,
    ::testing::Values(ClickCase{"HorzLeftArrow", SBS_HORZ, 3, SB_LINELEFT},
                      ClickCase{"HorzRightArrow", SBS_HORZ, kLength - 3, SB_LINERIGHT},
                      ClickCase{"HorzPageLeft", SBS_HORZ, kThick + 5, SB_PAGELEFT},
                      ClickCase{"HorzPageRight", SBS_HORZ, kLength - kThick - 5, SB_PAGERIGHT},
                      ClickCase{"VertUpArrow", SBS_VERT, 3, SB_LINEUP},
                      ClickCase{"VertDownArrow", SBS_VERT, kLength - 3, SB_LINEDOWN},
                      ClickCase{"VertPageUp", SBS_VERT, kThick + 5, SB_PAGEUP},
                      ClickCase{"VertPageDown", SBS_VERT, kLength - kThick - 5, SB_PAGEDOWN}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ScrollBarControlTest, AHeldArrowRepeatsAfterTheDelayWhileTheMouseIsOnIt) {
  HWND h = Bar(SBS_VERT, 0, 1000);
  SetScrollPos(h, SB_CTL, 500, TRUE);
  const POINT arrow = At(SBS_VERT, kLength - 4);
  MouseDown(arrow.X, arrow.Y);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 1);
  AdvanceClock(user::kScrollRepeatDelay - 1);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 1);
  AdvanceClock(1);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 2);
  AdvanceClock(user::kScrollRepeatRate * 3);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 5);
  // Off the arrow it stops; back on it, it goes on.
  MouseMove(arrow.X + 40, arrow.Y);
  AdvanceClock(user::kScrollRepeatRate * 4);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 5);
  MouseMove(arrow.X, arrow.Y);
  AdvanceClock(user::kScrollRepeatRate);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 6);
  MouseUp(arrow.X, arrow.Y);
  EXPECT_EQ(g_heard.back().Code, SB_ENDSCROLL);
  AdvanceClock(user::kScrollRepeatRate * 10);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 6);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollBarControlTest, PagingStopsWhenTheThumbReachesTheMouse) {
  g_follow = true;
  HWND h = Bar(SBS_VERT, 0, 99, 10);
  const POINT p = At(SBS_VERT, kLength * 3 / 4);
  MouseDown(p.X, p.Y);
  AdvanceClock(user::kScrollRepeatDelay + user::kScrollRepeatRate * 20);
  const int pages = CountOf(SB_PAGEDOWN);
  EXPECT_GT(pages, 1);
  EXPECT_LT(pages, 10);
  const int pos = GetScrollPos(h, SB_CTL);
  EXPECT_EQ(pos, pages * 10);
  EXPECT_LT(pos, 90);  // not at the end: it stopped at the mouse
  MouseUp(p.X, p.Y);
  // The thumb has reached the mouse: pressing there again pages down no more, lower down it does.
  g_heard.clear();
  Click(p.X, p.Y);
  EXPECT_EQ(CountOf(SB_PAGEDOWN), 0);
  Click(p.X, p.Y + 30);
  EXPECT_EQ(CountOf(SB_PAGEDOWN), 1);
}

TEST_F(ScrollBarControlTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
  HWND h = Bar(SBS_HORZ, 0, 100);
  // Position 0: the thumb starts right after the left arrow.
  const POINT grab = At(SBS_HORZ, kThick + kThick / 2);
  MouseDown(grab.X, grab.Y);
  EXPECT_TRUE(g_heard.empty());  // a press on the thumb alone says nothing
  for (int dx = 10; dx <= 60; dx += 10) MouseMove(grab.X + dx, grab.Y + 3);
  SCROLLINFO si;
  si.fMask = SIF_TRACKPOS | SIF_POS;
  GetScrollInfo(h, SB_CTL, &si);
  EXPECT_EQ(si.nPos, 0);  // nobody moved the bar itself
  EXPECT_GT(si.nTrackPos, 0);
  std::vector<int> tracked;
  for (const Heard& e : g_heard) {
    ASSERT_EQ(e.Code, SB_THUMBTRACK);
    tracked.push_back(e.Pos);
  }
  ASSERT_GE(tracked.size(), 3u);
  EXPECT_TRUE(std::is_sorted(tracked.begin(), tracked.end()));
  EXPECT_EQ(tracked.back(), si.nTrackPos);
  // Dragged 60 of the 152 pixels the thumb can travel (the bar less two arrows and the thumb)
  // over 100 positions.
  EXPECT_NEAR(tracked.back(), 60 * 100 / (kLength - 3 * kThick), 1);
  MouseUp(grab.X + 60, grab.Y);
  const size_t n = g_heard.size();
  ASSERT_GE(n, 2u);
  EXPECT_EQ(g_heard[n - 2].Code, SB_THUMBPOSITION);
  EXPECT_EQ(g_heard[n - 2].Pos, tracked.back());
  EXPECT_EQ(g_heard[n - 1].Code, SB_ENDSCROLL);
}

TEST_F(ScrollBarControlTest, AThumbTheParentDoesNotFollowGoesBack) {
  HWND h = Bar(SBS_HORZ, 0, 100);
  const RECT area{kLeft + kBarX, kTop + kBarY, kLeft + kBarX + kLength, kTop + kBarY + kThick};
  const TCapture before = CaptureScreen();
  const POINT grab = At(SBS_HORZ, kThick + 4);
  MouseDown(grab.X, grab.Y);
  MouseMove(grab.X + 80, grab.Y);
  const TCapture during = CaptureScreen();
  EXPECT_GT(CountDifferentPixels(before, during), 0);  // the thumb went with the mouse
  MouseUp(grab.X + 80, grab.Y);
  EXPECT_EQ(GetScrollPos(h, SB_CTL), 0);
  EXPECT_TRUE(PixelsMatch(
      CaptureScreen(), [&](int x, int y) { return before.Color(x, y); }, "thumb_back", area));
}

// ---- The keyboard ----

struct KeyCase {
  BYTE Vk;
  WORD Code;
};

class ScrollBarKeys : public ScrollBarControlTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ScrollBarKeys, AFocusedBarAnswersTheKey) {
  HWND h = Bar(SBS_VERT | WS_TABSTOP);
  SetFocus(h);
  KeyPress(GetParam().Vk);
  EXPECT_EQ(Codes(), (std::vector<WORD>{GetParam().Code, SB_ENDSCROLL}));
  EXPECT_EQ(g_heard[0].Ctl, reinterpret_cast<LPARAM>(h));
}

INSTANTIATE_TEST_SUITE_P(Keys, ScrollBarKeys,
                         ::testing::Values(KeyCase{VK_UP, SB_LINEUP}, KeyCase{VK_LEFT, SB_LINEUP},
                                           KeyCase{VK_DOWN, SB_LINEDOWN},
                                           KeyCase{VK_RIGHT, SB_LINEDOWN},
                                           KeyCase{VK_PRIOR, SB_PAGEUP},
                                           KeyCase{VK_NEXT, SB_PAGEDOWN}, KeyCase{VK_HOME, SB_TOP},
                                           KeyCase{VK_END, SB_BOTTOM}));

TEST_F(ScrollBarControlTest, ClickingATabStopBarFocusesIt) {
  HWND h = Bar(SBS_VERT | WS_TABSTOP);
  SetFocus(parent_);
  const POINT p = At(SBS_VERT, 3);
  Click(p.X, p.Y);
  EXPECT_EQ(GetFocus(), h);
  EXPECT_EQ(SendMessageA(h, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
}

// ---- The look ----

// The bar's rectangle on the screen.
RECT BarArea(DWORD style) {
  return (style & SBS_VERT)
             ? RECT{kLeft + kBarX, kTop + kBarY, kLeft + kBarX + kThick, kTop + kBarY + kLength}
             : RECT{kLeft + kBarX, kTop + kBarY, kLeft + kBarX + kLength, kTop + kBarY + kThick};
}

TEST_F(ScrollBarControlTest, TheTrackIsCheckeredAndThePressedPageInverted) {
  Bar(SBS_VERT, 0, 99, 10);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  ASSERT_NE(face, light);
  // Below the thumb (which sits at the top), the track alternates the two colours.
  const RECT lower{kLeft + kBarX, kTop + kBarY + kLength / 2, kLeft + kBarX + kThick,
                   kTop + kBarY + kLength - kThick};
  const TCapture before = CaptureScreen();
  const COLORREF corner = before.Color(lower.Left, lower.Top);
  const COLORREF other = corner == face ? light : face;
  EXPECT_TRUE(PixelsMatch(
      before, [&](int x, int y) { return ((x - lower.Left + y - lower.Top) % 2) ? other : corner; },
      "track_checkered", lower));
  const POINT p = At(SBS_VERT, kLength - kThick - 4);
  MouseDown(p.X, p.Y);
  EXPECT_TRUE(PixelsMatch(
      CaptureScreen(), [&](int x, int y) { return before.Color(x, y) ^ 0xFFFFFF; }, "page_pressed",
      lower));
  MouseUp(p.X, p.Y);
}

TEST_F(ScrollBarControlTest, APressedArrowLooksPushedOnlyWhileTheMouseIsOnIt) {
  Bar(SBS_HORZ, 0, 100);
  const RECT arrow{kLeft + kBarX, kTop + kBarY, kLeft + kBarX + kThick, kTop + kBarY + kThick};
  const TCapture up = CaptureScreen();
  const POINT p = At(SBS_HORZ, 5);
  MouseDown(p.X, p.Y);
  const TCapture pressed = CaptureScreen();
  EXPECT_FALSE(PixelsMatch(
      pressed, [&](int x, int y) { return up.Color(x, y); }, "arrow_pushed", arrow));
  // The pushed arrow has a flat shadow frame.
  EXPECT_EQ(pressed.Color(arrow.Left, arrow.Top), GetSysColor(COLOR_BTNSHADOW));
  MouseMove(p.X, p.Y + 40);
  EXPECT_TRUE(PixelsMatch(
      CaptureScreen(), [&](int x, int y) { return up.Color(x, y); }, "arrow_left", arrow));
  MouseUp(p.X, p.Y + 40);
}

TEST_F(ScrollBarControlTest, DisabledArrowsAreGreyAndSilent) {
  HWND one = Bar(SBS_VERT);
  SendMessageA(one, SBM_ENABLE_ARROWS, ESB_DISABLE_UP, 0);
  RunUntilIdle();
  const TCapture partly = CaptureScreen();
  EnableScrollBar(one, SB_CTL, ESB_ENABLE_BOTH);
  RunUntilIdle();
  const TCapture enabled = CaptureScreen();
  EnableWindow(one, FALSE);
  RunUntilIdle();
  const TCapture disabled = CaptureScreen();
  EnableWindow(one, TRUE);
  RunUntilIdle();
  const RECT bar = BarArea(SBS_VERT);
  const RECT upArrow{bar.Left, bar.Top, bar.Right, bar.Top + kThick};
  const RECT downArrow{bar.Left, bar.Bottom - kThick, bar.Right, bar.Bottom};
  EXPECT_TRUE(PixelsMatch(
      partly, [&](int x, int y) { return disabled.Color(x, y); }, "up_grey", upArrow));
  EXPECT_TRUE(PixelsMatch(
      partly, [&](int x, int y) { return enabled.Color(x, y); }, "down_live", downArrow));
  EXPECT_GT(CountDifferentPixels(enabled, disabled), 0);
  SendMessageA(one, SBM_ENABLE_ARROWS, ESB_DISABLE_UP, 0);
  Click(At(SBS_VERT, 3).X, At(SBS_VERT, 3).Y);
  EXPECT_TRUE(g_heard.empty());
  Click(At(SBS_VERT, kLength - 3).X, At(SBS_VERT, kLength - 3).Y);
  EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEDOWN, SB_ENDSCROLL}));
}

// ---- The bars of a window's frame ----

TEST_F(ScrollBarControlTest, AFrameBarRepeatsAndDragsLikeTheControl) {
  g_follow = true;
  HWND w = Make("SbParent", WS_POPUP | WS_VISIBLE | WS_VSCROLL, nullptr, 400, 100, 200, 216);
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = 199;
  si.nPage = 20;
  SetScrollInfo(w, SB_VERT, &si, TRUE);
  RunUntilIdle();
  const int x = 400 + 200 - kThick / 2;
  MouseDown(x, 100 + 216 - 4);  // the down arrow
  AdvanceClock(user::kScrollRepeatDelay + user::kScrollRepeatRate * 2);
  MouseUp(x, 100 + 216 - 4);
  EXPECT_EQ(CountOf(SB_LINEDOWN), 4);  // the press, then at the delay and two periods on
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 4);
  EXPECT_EQ(g_heard.back().Ctl, 0);
  g_heard.clear();
  // The thumb (at the top of the track) dragged to the bottom: the last position.
  Drag(POINT{x, 100 + kThick + 10}, POINT{x, 100 + 216 + 30});
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 180);
  EXPECT_EQ(g_heard.back().Code, SB_ENDSCROLL);
  EXPECT_EQ(g_heard[g_heard.size() - 2].Code, SB_THUMBPOSITION);
}

}  // namespace
}  // namespace usertest
