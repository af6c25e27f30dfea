// The group box and the button panel: the group box draws the frame and caption strip the
// button groups draw, holds controls below its caption strip and shows its picture there; the
// button panel holds controls inside its bevel.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLButtonPanel.h"
#include "buttons/ZYLGroupBox.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/buttons/ButtonsTestHost.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

class GroupBoxTest : public ::testing::Test {
 protected:
  GroupBoxTest() {
    box_ = Place<TZYLGroupBox>("Box", 10);
    THost::Idle();
  }
  template <class T>
  T* Place(const char* Name, int Left) {
    auto* c = new T(host_.Form());
    c->SetName(Name);
    c->SetBounds(Left, 10, 140, 100);
    c->SetCaption("Options");
    c->SetParent(host_.Panel());
    return c;
  }
  // A child filling the client area left to children.
  vcl::TControl* FillWith(vcl::TWinControl* Parent) {
    auto* child = new buttontest::TPlainPanel(host_.Form());
    child->SetAlign(vcl::alClient);
    child->SetParent(Parent);
    THost::Idle();
    return child;
  }
  THost host_;
  TZYLGroupBox* box_ = nullptr;
};

struct FrameCase {
  const char* Name;
  const char* Caption;
  TZYLBevelStyle Outer;
  int FontHeight;
};

class GroupBoxFrames : public GroupBoxTest, public ::testing::WithParamInterface<FrameCase> {};

// A radio group without items is drawn exactly as the group box of the same settings.
TEST_P(GroupBoxFrames, AreTheButtonGroupsFrameAndCaption) {
  const FrameCase& c = GetParam();
  auto* group = Place<TZYLRadioGroup>("Group", 160);
  for (TZYLCustomGroupBox* g :
       {static_cast<TZYLCustomGroupBox*>(box_), static_cast<TZYLCustomGroupBox*>(group)}) {
    g->SetCaption(c.Caption);
    g->Bevel()->SetBevelStyleOuter(c.Outer);
    g->CaptionFont()->SetHeight(c.FontHeight);
  }
  const tk::TCapture frame = host_.Shot(box_);
  EXPECT_TRUE(tk::SamePixels(frame, host_.Shot(group), std::string("group_frame_") + c.Name));
  // The caption is there, in the strip above the content.
  const win::COLORREF ink = win::GetSysColor(win::COLOR_WINDOWTEXT);
  const vcl::TRect content = box_->ContentRect();
  const buttontest::TColumns strip =
      buttontest::ColumnsOf(frame, ink, {0, 0, frame.Width, content.Top});
  EXPECT_EQ(strip.First >= 0, *c.Caption != 0);
  EXPECT_EQ(buttontest::ColumnsOf(frame, ink, content).First, -1);
}

INSTANTIATE_TEST_SUITE_P(Looks, GroupBoxFrames,
                         ::testing::Values(FrameCase{"plain", "Options", bvLowered, -11},
                                           FrameCase{"raised_big", "Options", bvRaised, -16},
                                           FrameCase{"no_caption", "", bvLowered, -11}));

TEST_F(GroupBoxTest, HoldsControlsBelowItsCaptionStrip) {
  EXPECT_TRUE(box_->ControlStyle().contains(vcl::csAcceptsControls));
  vcl::TControl* child = FillWith(box_);
  const vcl::TRect inside = box_->BeveledRect();
  const int strip = box_->CaptionHeight();
  EXPECT_GT(strip, 0);
  EXPECT_EQ(child->Top(), inside.Top + strip);
  EXPECT_EQ(child->Left(), inside.Left);
  EXPECT_EQ(child->Top() + child->Height(), inside.Bottom);
  // A taller caption font and no caption move the child.
  box_->CaptionFont()->SetHeight(-20);
  THost::Idle();
  EXPECT_GT(box_->CaptionHeight(), strip);
  EXPECT_EQ(child->Top(), inside.Top + box_->CaptionHeight());
  box_->SetCaption("");
  THost::Idle();
  EXPECT_EQ(box_->CaptionHeight(), 0);
  EXPECT_EQ(child->Top(), inside.Top);
  // The button groups lay out their own items and take no controls.
  auto* group = Place<TZYLCheckGroup>("Group", 160);
  EXPECT_FALSE(group->ControlStyle().contains(vcl::csAcceptsControls));
}

struct GroupAcceleratorCase {
  const char* Caption;
  bool Enabled;
  int Children;         // edits in the box, the second first in tab order
  const char* Focused;  // the control focused after Alt+O
};

class GroupBoxAccelerators : public GroupBoxTest,
                             public ::testing::WithParamInterface<GroupAcceleratorCase> {};

// The marked letter of the caption passes the focus to the first control of the box in tab
// order; an empty box, a disabled one or an unmarked caption leave it where it is.
TEST_P(GroupBoxAccelerators, TheMarkedLetterFocusesTheFirstChild) {
  const GroupAcceleratorCase& c = GetParam();
  host_.Panel()->SetName("Panel");
  box_->SetCaption(c.Caption);
  box_->SetEnabled(c.Enabled);
  for (int i = 0; i < c.Children; ++i) {
    auto* edit = new vcl::TEdit(host_.Form());
    edit->SetName("Edit" + std::to_string(i));
    edit->SetBounds(8, 30 + 26 * i, 80, 22);
    edit->SetParent(box_);
    edit->SetTabOrder(0);
  }
  host_.Panel()->SetFocus();
  THost::Idle();
  THost::Accelerator('O');
  auto* focused = vcl::TWinControl::FindControl(win::GetFocus());
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->Name(), c.Focused);
}

INSTANTIATE_TEST_SUITE_P(Captions, GroupBoxAccelerators,
                         ::testing::Values(GroupAcceleratorCase{"&Options", true, 2, "Edit1"},
                                           GroupAcceleratorCase{"&Options", true, 1, "Edit0"},
                                           GroupAcceleratorCase{"&Options", true, 0, "Panel"},
                                           GroupAcceleratorCase{"Options", true, 2, "Panel"},
                                           GroupAcceleratorCase{"&Options", false, 2, "Panel"}));

TEST_F(GroupBoxTest, ShowsItsPictureBeforeTheCaption) {
  box_->SetImageList(buttontest::MakeGlyphList(host_.Form(), {vcl::clLime}));
  const tk::TCapture shot = host_.Shot(box_);
  const vcl::TRect strip{0, 0, shot.Width, box_->ContentRect().Top};
  const buttontest::TColumns picture =
      buttontest::ColumnsOf(shot, win::COLORREF(vcl::ColorToRGB(vcl::clLime)), strip);
  const buttontest::TColumns text =
      buttontest::ColumnsOf(shot, win::GetSysColor(win::COLOR_WINDOWTEXT), strip);
  ASSERT_GE(picture.First, 0);
  ASSERT_GE(text.First, 0);
  EXPECT_LT(picture.Last, text.First);
  // The list going away leaves the caption alone.
  delete box_->ImageList();
  EXPECT_EQ(box_->ImageList(), nullptr);
  EXPECT_EQ(
      buttontest::ColumnsOf(host_.Shot(box_), win::COLORREF(vcl::ColorToRGB(vcl::clLime)), strip)
          .First,
      -1);
}

TEST_F(GroupBoxTest, TheButtonPanelHoldsItsButtonsInsideItsBevel) {
  auto* panel = new TZYLButtonPanel(host_.Form());
  panel->SetBounds(10, 120, 200, 40);
  panel->SetParent(host_.Panel());
  panel->Bevel()->SetBevelStyleOuter(bvRaised);
  EXPECT_TRUE(panel->ControlStyle().contains(vcl::csAcceptsControls));
  vcl::TControl* child = FillWith(panel);
  const vcl::TRect inside = panel->BeveledRect();
  ASSERT_GT(panel->BevelExt(), 0);
  EXPECT_EQ(child->BoundsRect(), inside);
  // The bevel ring shows around the child: the panel's own pixels differ from the child's.
  const tk::TCapture shot = host_.Shot(panel);
  EXPECT_NE(shot.Color(0, 0) & 0xFFFFFF, win::COLORREF(buttontest::PanelColor) & 0xFFFFFF);
  EXPECT_EQ(shot.Color(inside.Left, inside.Top) & 0xFFFFFF,
            win::COLORREF(vcl::ColorToRGB(buttontest::PanelColor)) & 0xFFFFFF);
}

}  // namespace
}  // namespace zyl
