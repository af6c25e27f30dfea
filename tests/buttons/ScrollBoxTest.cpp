// The library's scroll box: its starting state, the system border or a bevel in the frame,
// the scroll notice its children hear, and transparency over its parent's background.
#include <gtest/gtest.h>

#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLScrollBox.h"
#include "platform/classes/TypeInfo.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "tests/buttons/PanelTestSupport.h"

namespace zyl {
namespace {

using paneltest::Rgb;
using paneltest::THost;
using vcl::TRect;
using win::testkit::PixelsMatch;

// A child that counts the scroll notices it hears.
class TListener : public TZYLPanelFill {
  ZYL_CLASS(TListener, TZYLPanelFill)
  explicit TListener(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Notices = 0;
  void WndProc(vcl::TMessage& Message) override {
    if (Message.Msg == CM_ZYLSCROLLBOXSCROLLEVENT) ++Notices;
    inherited::WndProc(Message);
  }
};
ZYL_CLASS_IMPL(TListener) {}

class ScrollBoxTest : public ::testing::Test {
 protected:
  THost host_;
};

TEST_F(ScrollBoxTest, StartsWithTheSystemBorderAndFollowingThumbs) {
  auto* s = host_.Add<TZYLScrollBox>(0, 0, 185, 41);
  host_.Show();
  EXPECT_EQ(s->BorderStyle(), vcl::bsNone);
  EXPECT_EQ(s->Bevel()->Mode(), bmWindows);
  EXPECT_TRUE(s->CtlXP());
  EXPECT_TRUE(s->InstantUpdate());
  const auto ex = win::GetWindowLongA(s->Handle(), win::GWL_EXSTYLE);
  const auto st = win::GetWindowLongA(s->Handle(), win::GWL_STYLE);
  EXPECT_NE(ex & win::WS_EX_CLIENTEDGE, 0);
  EXPECT_NE(st & win::WS_CLIPCHILDREN, 0);
}

TEST_F(ScrollBoxTest, WithInstantUpdateTheContentsFollowADraggedThumb) {
  for (bool instant : {true, false}) {
    SCOPED_TRACE(instant);
    THost host;
    auto* s = host.Add<TZYLScrollBox>(0, 0, 100, 60);
    auto* child = host.Add<TListener>(0, 0, 40, 300);
    child->SetParent(s);
    s->SetInstantUpdate(instant);
    host.Show();
    ASSERT_TRUE(s->VertScrollBar()->IsScrollBarVisible());
    win::RECT r;
    win::GetWindowRect(s->Handle(), &r);
    // On the thumb, just under the top arrow of the bar inside the client edge.
    const int x = r.Right - 2 - win::GetSystemMetrics(win::SM_CXVSCROLL) / 2;
    const int y = r.Top + 2 + win::GetSystemMetrics(win::SM_CYVSCROLL) + 3;
    win::testkit::MouseDown(x, y);
    win::testkit::MouseMove(x, y + 10);
    win::testkit::MouseMove(x, y + 20);
    EXPECT_EQ(child->Top() < 0, instant);
    win::testkit::MouseUp(x, y + 20);
    EXPECT_LT(child->Top(), 0);  // the end of the drag moves it either way
    EXPECT_FALSE(s->VertScrollBar()->Tracking());
  }
}

TEST_F(ScrollBoxTest, ACustomBevelLiesInTheFrame) {
  auto* s = host_.Add<TZYLScrollBox>(0, 0, 100, 60);
  s->SetColor(vcl::clYellow);
  s->Bevel()->SetMode(bmCustom);
  s->Bevel()->SetBevelStyleOuter(bvRaised);
  s->Bevel()->SetBevelWidthOuter(2);
  host_.Show();
  EXPECT_EQ(s->ClientRect(), (TRect{0, 0, 96, 56}));
  EXPECT_EQ(win::GetWindowLongA(s->Handle(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE, 0);
  const auto whole = THost::Whole(s);
  EXPECT_EQ(whole.Color(0, 0), Rgb(vcl::clBtnHighlight));
  EXPECT_EQ(whole.Color(99, 59), Rgb(vcl::clBtnShadow));
  EXPECT_TRUE(PixelsMatch(
      THost::Client(s), [](int, int) { return Rgb(vcl::clYellow); }, "scrollbox_client"));
}

TEST_F(ScrollBoxTest, ChildrenHearEveryScroll) {
  auto* s = host_.Add<TZYLScrollBox>(0, 0, 100, 60);
  auto* child = host_.Add<TListener>(0, 0, 40, 200);  // taller than the box
  child->SetParent(s);
  host_.Show();
  ASSERT_TRUE(s->VertScrollBar()->IsScrollBarVisible());
  s->Perform(win::WM_VSCROLL, win::SB_LINEDOWN, 0);
  s->Perform(win::WM_VSCROLL, win::SB_LINEDOWN, 0);
  EXPECT_EQ(child->Notices, 2);
  EXPECT_LT(child->Top(), 0);
}

TEST_F(ScrollBoxTest, ATransparentBoxShowsItsParentsPicture) {
  auto* back = host_.Add<TZYLBackPanel>(0, 0, 200, 100);
  back->SetColor(vcl::clTeal);
  auto* s = host_.Add<TZYLScrollBox>(0, 0, 80, 40);
  s->SetParent(back);
  s->SetBounds(10, 10, 80, 40);
  s->Bevel()->SetMode(bmCustom);
  s->SetColor(vcl::clRed);
  host_.Show();
  EXPECT_TRUE(PixelsMatch(
      THost::Client(s), [](int, int) { return Rgb(vcl::clRed); }, "scrollbox_opaque"));
  s->SetTransparent(true);
  EXPECT_TRUE(PixelsMatch(
      THost::Client(s), [](int, int) { return Rgb(vcl::clTeal); }, "scrollbox_transparent"));
}

}  // namespace
}  // namespace zyl
