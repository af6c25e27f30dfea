// The mouse positioner and fencer over a form's default button, a control and the client area.
#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLMouseFencer.h"
#include "system/ZYLMousePositioner.h"

namespace zyl {
namespace {

win::POINT Cursor() {
  win::POINT p;
  win::GetCursorPos(&p);
  return p;
}

win::RECT Clip() {
  win::RECT r;
  win::GetClipCursor(&r);
  return r;
}

class MouseCtrl : public ::testing::Test {
 protected:
  MouseCtrl() : session_(800, 600) {
    form_.reset(new vcl::TForm(nullptr));
    form_->SetBounds(40, 30, 400, 300);
    button_ = AddButton(100, 200, false);
  }
  vcl::TButton* AddButton(int x, int y, bool isDefault) {
    auto* b = new vcl::TButton(form_.get());
    b->SetParent(form_.get());
    b->SetBounds(x, y, 75, 25);
    b->SetDefault(isDefault);
    return b;
  }
  // Where a point of the form's client area lies on the screen.
  win::POINT OnScreen(int x, int y) { return form_->ClientToScreen({x, y}); }

  vcl::testkit::TControlsSession session_;
  std::unique_ptr<vcl::TForm> form_;
  vcl::TButton* button_;
};

TEST_F(MouseCtrl, PositionerPutsTheCursorOnTheDefaultButton) {
  button_->SetDefault(true);
  auto* p = new TZYLMousePositioner(form_.get());
  struct TCase {
    TZYLAlignment position;
    int x, y;
  };
  const TCase cases[] = {
      {agTopLeft, 100, 200},    {agTopCenter, 137, 200},    {agTopRight, 175, 200},
      {agCenterLeft, 100, 212}, {agCenter, 137, 212},       {agCenterRight, 175, 212},
      {agBottomLeft, 100, 225}, {agBottomCenter, 137, 225}, {agBottomRight, 175, 225}};
  for (const TCase& c : cases) {
    p->SetPosition(c.position);
    ASSERT_TRUE(p->Execute());
    EXPECT_EQ(Cursor(), OnScreen(c.x, c.y)) << static_cast<int>(c.position);
  }
  // A point inside the target is taken as it is; one outside gives the centre.
  EXPECT_TRUE(p->ExecuteEnh(5, 6));
  EXPECT_EQ(Cursor(), OnScreen(105, 206));
  EXPECT_TRUE(p->ExecuteEnh(500, 500));
  EXPECT_EQ(Cursor(), OnScreen(137, 212));
}

TEST_F(MouseCtrl, TheFirstDefaultButtonInComponentOrderIsTheTarget) {
  auto* p = new TZYLMousePositioner(form_.get());
  win::SetCursorPos(1, 2);
  EXPECT_FALSE(p->Execute());  // no default button: nothing moves
  EXPECT_EQ(Cursor(), (win::POINT{1, 2}));
  AddButton(10, 10, true);
  AddButton(250, 10, true);
  ASSERT_TRUE(p->Execute());
  EXPECT_EQ(Cursor(), OnScreen(47, 22));
}

TEST_F(MouseCtrl, ControlAndClientAreaTargets) {
  auto* p = new TZYLMousePositioner(form_.get());
  p->SetPosStyle(mpControl);
  EXPECT_FALSE(p->Execute());
  p->SetControl(button_);
  p->SetPosition(agBottomRight);
  ASSERT_TRUE(p->Execute());
  EXPECT_EQ(Cursor(), OnScreen(175, 225));
  delete button_;  // a freed control is forgotten
  EXPECT_EQ(p->Control(), nullptr);
  EXPECT_FALSE(p->Execute());
  p->SetPosStyle(mpClientArea);
  p->SetPosition(agTopLeft);
  ASSERT_TRUE(p->Execute());
  EXPECT_EQ(Cursor(), OnScreen(0, 0));
  // Without an owner there is no target at all.
  TZYLMousePositioner alone(nullptr);
  alone.SetPosStyle(mpClientArea);
  EXPECT_FALSE(alone.Execute());
}

TEST_F(MouseCtrl, FencerKeepsTheCursorInsideUntilStopped) {
  const win::RECT screen = Clip();
  auto* f = new TZYLMouseFencer(form_.get());
  f->SetPosStyle(mpControl);
  f->SetControl(button_);
  const win::POINT inside = OnScreen(120, 210);
  win::SetCursorPos(inside.X, inside.Y);
  ASSERT_TRUE(f->Execute());
  EXPECT_EQ(Cursor(), inside);  // already inside: not moved
  const win::POINT corner = OnScreen(100, 200);
  EXPECT_EQ(Clip(), (win::RECT{corner.X, corner.Y, corner.X + 75, corner.Y + 25}));
  win::SetCursorPos(0, 0);
  EXPECT_EQ(Cursor(), corner);  // the fence holds
  f->Stop();
  EXPECT_EQ(Clip(), screen);
  // A cursor outside moves to the fence's top-left corner; a given rectangle wins.
  win::SetCursorPos(5, 5);
  ASSERT_TRUE(f->ExecuteEnh({300, 300, 400, 350}));
  EXPECT_EQ(Cursor(), (win::POINT{300, 300}));
  EXPECT_EQ(Clip(), (win::RECT{300, 300, 400, 350}));
  // An empty given rectangle falls back to the target.
  ASSERT_TRUE(f->ExecuteEnh({10, 10, 10, 10}));
  EXPECT_EQ(Clip().Left, corner.X);
  delete f;  // frees the cursor
  EXPECT_EQ(Clip(), screen);
}

// Two fencers: one that never fenced, or whose fence another one replaced, leaves the fence in
// place when it goes; the one whose fence holds lifts it.
TEST_F(MouseCtrl, AFencerGoingLiftsOnlyItsOwnFence) {
  const win::RECT screen = Clip();
  auto* idle = new TZYLMouseFencer(form_.get());
  auto* first = new TZYLMouseFencer(form_.get());
  auto* second = new TZYLMouseFencer(form_.get());
  ASSERT_TRUE(first->ExecuteEnh({300, 300, 400, 350}));
  delete idle;
  EXPECT_EQ(Clip(), (win::RECT{300, 300, 400, 350}));
  ASSERT_TRUE(second->ExecuteEnh({100, 100, 200, 150}));
  delete first;  // its fence was replaced
  EXPECT_EQ(Clip(), (win::RECT{100, 100, 200, 150}));
  delete second;
  EXPECT_EQ(Clip(), screen);
}

TEST_F(MouseCtrl, AutoActiveActsOnceAtTheFirstActivationAndCancelModeLiftsTheFence) {
  const win::RECT screen = Clip();
  button_->SetDefault(true);
  auto* f = new TZYLMouseFencer(form_.get());
  f->SetAutoActive(true);
  f->Loaded();
  form_->Show();
  win::testkit::RunUntilIdle();
  EXPECT_TRUE(f->Done());
  const win::POINT corner = OnScreen(100, 200);
  EXPECT_EQ(Clip().Left, corner.X);
  form_->Perform(win::WM_CANCELMODE, 0, 0);
  EXPECT_EQ(Clip(), screen);
  // Activated again: nothing more.
  form_->Perform(win::WM_ACTIVATE, win::WA_ACTIVE, 0);
  EXPECT_EQ(Clip(), screen);
}

}  // namespace
}  // namespace zyl
