// Standard scroll bars: ranges, pages and positions, automatic showing and hiding, drawing
// of the thumb and clicks on the bar.
#include "UserTestSupport.h"

namespace usertest {
namespace {

using namespace testkit;

class ScrollBarTest : public UserTest {
 protected:
  HWND Window(DWORD extra = 0) {
    HWND w = Make("PlainWnd", WS_POPUP | WS_VISIBLE | extra, nullptr, 100, 100, 200, 150);
    RunUntilIdle();
    return w;
  }
  // Range 0..max with a page, and a position; answers what SetScrollInfo answers.
  static int Set(HWND w, int max, UINT page, int pos = 0, UINT extraMask = 0) {
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | extraMask;
    si.nMin = 0;
    si.nMax = max;
    si.nPage = page;
    si.nPos = pos;
    return SetScrollInfo(w, SB_VERT, &si, TRUE);
  }
};

TEST_F(ScrollBarTest, PositionsStayInsideRangeAndPage) {
  HWND w = Window(WS_VSCROLL);
  EXPECT_EQ(Set(w, 99, 10, 500), 90);  // the last page starts at 90
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  SCROLLINFO got;
  got.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(w, SB_VERT, &got));
  EXPECT_EQ(got.nMin, 0);
  EXPECT_EQ(got.nMax, 99);
  EXPECT_EQ(got.nPage, 10u);
  EXPECT_EQ(got.nPos, 90);
  EXPECT_EQ(SetScrollPos(w, SB_VERT, -5, TRUE), 90);
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 0);
  int lo, hi;
  ASSERT_TRUE(GetScrollRange(w, SB_VERT, &lo, &hi));
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 99);
  EXPECT_EQ(SetScrollInfo(w, SB_CTL, &si, TRUE), 0);
  EXPECT_EQ(SetScrollInfo(w, 7, &si, TRUE), 0);
  si.cbSize = 5;
  EXPECT_EQ(SetScrollInfo(w, SB_VERT, &si, TRUE), 0);
}

TEST_F(ScrollBarTest, BarsAppearWhenNeededAndGoAwayWhenNot) {
  HWND w = Window();
  EXPECT_EQ(ClientRect(w).Right, 200);
  Set(w, 299, 150);
  EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(ClientRect(w).Right, 200 - GetSystemMetrics(SM_CXVSCROLL));
  Set(w, 299, 300);  // everything fits
  EXPECT_FALSE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL);
  ShowScrollBar(w, SB_VERT, TRUE);
  Set(w, 299, 300, 0, SIF_DISABLENOSCROLL);  // kept, but disabled
  EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_VSCROLL);
  ShowScrollBar(w, SB_BOTH, FALSE);
  EXPECT_FALSE(GetWindowLongA(w, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
  ShowScrollBar(w, SB_HORZ, TRUE);
  EXPECT_EQ(ClientRect(w).Bottom, 150 - GetSystemMetrics(SM_CYHSCROLL));
}

TEST_F(ScrollBarTest, TheThumbFollowsThePosition) {
  HWND w = Window(WS_VSCROLL);
  Set(w, 99, 50);
  // The bar: x 284..299, arrows 16 pixels at each end, a track of 118 and a thumb of 59.
  const int x = 100 + 200 - 8;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // The thumb is plain face colour; the track is checkered (neighbours differ).
  auto thumbAt = [&](const TCapture& c, int y) {
    return c.Color(x, y) == face && c.Color(x, y + 1) == face;
  };
  auto trackAt = [&](const TCapture& c, int y) { return c.Color(x, y) != c.Color(x, y + 1); };
  TCapture c = CaptureScreen();
  EXPECT_TRUE(thumbAt(c, 100 + 16 + 30));
  EXPECT_TRUE(trackAt(c, 100 + 150 - 16 - 30));
  SetScrollPos(w, SB_VERT, 50, TRUE);
  c = CaptureScreen();
  EXPECT_TRUE(trackAt(c, 100 + 16 + 30));
  EXPECT_TRUE(thumbAt(c, 100 + 150 - 16 - 30));
}

TEST_F(ScrollBarTest, ClicksOnTheBarSendScrollMessages) {
  HWND w = Window(WS_VSCROLL);
  Set(w, 99, 50);
  TMessageRecorder rec(w);
  const int x = 100 + 200 - 8;
  Click(x, 100 + 150 - 5);  // the down arrow
  session_.Clock().Advance(1000);
  Click(x, 100 + 150 - 16 - 10);  // the track below the thumb
  session_.Clock().Advance(1000);
  Click(x, 100 + 5);  // the up arrow
  std::vector<WPARAM> codes;
  for (auto& e : rec.Entries())
    if (e.Msg == WM_VSCROLL) codes.push_back(e.WParam);
  EXPECT_EQ(codes, (std::vector<WPARAM>{SB_LINEDOWN, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL}));
  // A disabled bar stays silent.
  EnableScrollBar(w, SB_VERT, ESB_DISABLE_BOTH);
  rec.Clear();
  session_.Clock().Advance(1000);
  Click(x, 100 + 150 - 5);
  EXPECT_EQ(rec.Count(WM_VSCROLL), 0);
}

}  // namespace
}  // namespace usertest
