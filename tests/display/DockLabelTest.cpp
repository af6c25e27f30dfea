// The dock label: its place on each side of the control and after the control moves, sizing
// to the control, one dock per control, following hide, show and enable, aligned controls,
// moving the control with the label, re-created and destroyed windows, the click that focuses
// the control and the legacy name of older forms.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "buttons/ZYLDockButton.h"
#include "display/ZYLDockLabel.h"
#include "foundation/ZYLButtonDock.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "tests/display/LabelTestSupport.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/FormText.h"

namespace zyl {
namespace {

class DockLabelTest : public ::testing::Test {
 protected:
  DockLabelTest() {
    ctl_ = new vcl::TEdit(host_.Form());
    ctl_->SetAutoSize(false);  // the height given stays when the window is made
    ctl_->SetParent(host_.Panel());
    ctl_->SetBounds(100, 80, 60, 30);
  }
  // A 40 x 15 label beside the control, Margin 4.
  TZYLDockLabel* Dock(TZYLDockPosition Position) {
    auto* l = new TZYLDockLabel(host_.Form());
    l->SetParent(host_.Panel());
    l->SetCaption("Dock");
    l->SetBounds(0, 0, 40, 15);
    l->SetMargin(4);
    l->SetPosition(Position);
    l->SetControl(ctl_);
    return l;
  }
  static vcl::TRect At(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

  labeltest::THost host_;
  vcl::TEdit* ctl_ = nullptr;
};

struct TPlaceCase {
  TZYLDockPosition Position;
  vcl::TRect Docked;      // beside the control at (100, 80, 60 x 30)
  vcl::TRect Moved;       // after the control moved to (120, 90) and grew to 70 x 20
  vcl::TRect SizedToCtl;  // with AdjustDockedSize
};

class DockLabelPlace : public DockLabelTest, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(DockLabelPlace, StandsBesideTheControlAndFollowsIt) {
  const TPlaceCase c = GetParam();
  TZYLDockLabel* l = Dock(c.Position);
  EXPECT_TRUE(l->Hooked());
  EXPECT_EQ(l->BoundsRect(), c.Docked);
  ctl_->SetBounds(120, 90, 70, 20);
  EXPECT_EQ(l->BoundsRect(), c.Moved);
  l->SetBoolean(TZYLCustomDockLabel::bpAdjustDockedSize, true);
  EXPECT_EQ(l->BoundsRect(), c.SizedToCtl);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, DockLabelPlace,
    ::testing::Values(
        TPlaceCase{dpLeft, {56, 80, 96, 95}, {76, 90, 116, 105}, {76, 90, 116, 110}},
        TPlaceCase{dpRight, {164, 80, 204, 95}, {194, 90, 234, 105}, {194, 90, 234, 110}},
        TPlaceCase{dpTop, {100, 61, 140, 76}, {120, 71, 160, 86}, {120, 71, 190, 86}},
        TPlaceCase{dpBottom, {100, 114, 140, 129}, {120, 114, 160, 129}, {120, 114, 190, 129}}));

TEST_F(DockLabelTest, OneDockPerControl) {
  TZYLDockLabel* first = Dock(dpLeft);
  auto* second = new TZYLDockLabel(host_.Form());
  second->SetParent(host_.Panel());
  const std::string error = testsupport::ErrorOf<vcl::Exception>([&] { second->SetControl(ctl_); });
  EXPECT_NE(error.find("Only one ZYLDockXXXX per control is allowed."), std::string::npos) << error;
  EXPECT_EQ(second->FocusControl(), nullptr);
  EXPECT_FALSE(second->Hooked());
  EXPECT_EQ(first->FocusControl(), ctl_);
  // Once the first lets go, the second may dock.
  first->SetControl(nullptr);
  EXPECT_EQ(testsupport::ErrorOf<vcl::Exception>([&] { second->SetControl(ctl_); }), "<no error>");
  EXPECT_TRUE(second->Hooked());
}

TEST_F(DockLabelTest, ALabelAndADockButtonShareTheOneDockOfAControl) {
  auto* button = new TZYLDockSpeedButton(host_.Form());
  button->SetParent(host_.Panel());
  button->SetControl(ctl_);
  auto* l = new TZYLDockLabel(host_.Form());
  l->SetParent(host_.Panel());
  const std::string error = testsupport::ErrorOf<vcl::Exception>([&] { l->SetControl(ctl_); });
  EXPECT_NE(error.find("Only one ZYLDockXXXX per control is allowed."), std::string::npos) << error;
  EXPECT_EQ(l->FocusControl(), nullptr);
  // The button lets go by being freed; then the label docks.
  delete button;
  EXPECT_EQ(ZYLDockQuery(ctl_), nullptr);
  l->SetControl(ctl_);
  EXPECT_TRUE(l->Hooked());
}

TEST_F(DockLabelTest, FollowsHidingShowingAndEnabling) {
  TZYLDockLabel* l = Dock(dpRight);
  host_.Show();
  ctl_->SetVisible(false);
  EXPECT_FALSE(l->Visible());
  ctl_->SetLeft(10);  // moved while hidden
  ctl_->SetVisible(true);
  EXPECT_TRUE(l->Visible());
  EXPECT_EQ(l->Left(), 10 + 60 + 4);
  ctl_->SetEnabled(false);
  EXPECT_FALSE(l->Enabled());
  ctl_->SetEnabled(true);
  EXPECT_TRUE(l->Enabled());
}

TEST_F(DockLabelTest, AnAlignedControlIsNeitherFollowedNorMoved) {
  TZYLDockLabel* l = Dock(dpLeft);
  const vcl::TRect was = l->BoundsRect();
  ctl_->SetAlign(vcl::alTop);
  EXPECT_EQ(l->BoundsRect(), was);
  const vcl::TRect ctlWas = ctl_->BoundsRect();
  l->SetBoolean(TZYLCustomDockLabel::bpReflectOwnChanges, true);
  l->SetLeft(5);
  EXPECT_EQ(ctl_->BoundsRect(), ctlWas);
}

TEST_F(DockLabelTest, MovingTheLabelMovesTheControlWhenItReflects) {
  TZYLDockLabel* l = Dock(dpTop);
  l->SetLeft(10);
  EXPECT_EQ(ctl_->Left(), 100);  // not reflecting: the control stays
  l->SetBoolean(TZYLCustomDockLabel::bpReflectOwnChanges, true);
  EXPECT_EQ(ctl_->Left(), 10);  // switched on: the control comes to the label
  l->SetBounds(30, 20, 40, 15);
  EXPECT_EQ(ctl_->BoundsRect(), At(30, 20 + 15 + 4, 60, 30));
  EXPECT_EQ(l->BoundsRect(), At(30, 20, 40, 15));
}

struct TToLabelCase {
  TZYLDockPosition Position;
  bool AdjustDockedSize;
  vcl::TRect Control;  // beside the label at (150, 60, 40 x 15), Margin 4
};

class DockLabelToLabel : public DockLabelTest,
                         public ::testing::WithParamInterface<TToLabelCase> {};

TEST_P(DockLabelToLabel, AdjustToLabelPutsTheControlOnTheOtherSideOfTheLabel) {
  const TToLabelCase c = GetParam();
  TZYLDockLabel* l = Dock(c.Position);
  l->SetBoolean(TZYLCustomDockLabel::bpAdjustDockedSize, c.AdjustDockedSize);
  l->SetBounds(150, 60, 40, 15);  // not reflecting: the control stays where it is
  ASSERT_EQ(ctl_->BoundsRect(), At(100, 80, 60, 30));
  l->AdjustToLabel();
  EXPECT_EQ(ctl_->BoundsRect(), c.Control);
  EXPECT_EQ(l->BoundsRect(), At(150, 60, 40, 15));  // the label is not placed again
}

INSTANTIATE_TEST_SUITE_P(Sides, DockLabelToLabel,
                         ::testing::Values(TToLabelCase{dpLeft, false, {194, 60, 254, 90}},
                                           TToLabelCase{dpLeft, true, {194, 60, 254, 75}},
                                           TToLabelCase{dpRight, false, {86, 60, 146, 90}},
                                           TToLabelCase{dpRight, true, {86, 60, 146, 75}},
                                           TToLabelCase{dpTop, false, {150, 79, 210, 109}},
                                           TToLabelCase{dpTop, true, {150, 79, 190, 109}},
                                           TToLabelCase{dpBottom, false, {150, 26, 210, 56}},
                                           TToLabelCase{dpBottom, true, {150, 26, 190, 56}}));

TEST_F(DockLabelTest, ARecreatedWindowKeepsItsLabelAndAFreedControlLetsGo) {
  TZYLDockLabel* l = Dock(dpLeft);
  host_.Show();
  ctl_->RecreateWnd();
  ctl_->HandleNeeded();
  EXPECT_EQ(l->FocusControl(), ctl_);
  ctl_->SetLeft(150);
  EXPECT_EQ(l->Left(), 150 - 40 - 4);
  EXPECT_EQ(ZYLDockQuery(ctl_), static_cast<vcl::TComponent*>(l));
  delete ctl_;
  ctl_ = nullptr;
  EXPECT_EQ(l->FocusControl(), nullptr);
  EXPECT_FALSE(l->Hooked());
}

TEST_F(DockLabelTest, AFreedLabelGivesTheControlItsProcedureBack) {
  TZYLDockLabel* l = Dock(dpLeft);
  delete l;
  EXPECT_EQ(ZYLDockQuery(ctl_), nullptr);
  ctl_->SetBounds(10, 10, 50, 20);  // nothing left to call
  EXPECT_EQ(ctl_->Left(), 10);
  // Docked off lets go as well.
  TZYLDockLabel* again = Dock(dpLeft);
  again->SetBoolean(TZYLCustomDockLabel::bpDocked, false);
  EXPECT_FALSE(again->Hooked());
  EXPECT_EQ(ZYLDockQuery(ctl_), nullptr);
  again->SetBoolean(TZYLCustomDockLabel::bpDocked, true);
  EXPECT_EQ(ZYLDockQuery(ctl_), static_cast<vcl::TComponent*>(again));
}

TEST_F(DockLabelTest, AClickOnTheLabelFocusesTheControl) {
  TZYLDockLabel* l = Dock(dpLeft);
  auto* other = new vcl::TEdit(host_.Form());
  other->SetParent(host_.Panel());
  other->SetBounds(10, 150, 60, 22);
  host_.Show();
  other->SetFocus();
  const win::POINT p =
      win::testkit::ScreenPoint(host_.Panel()->Handle(), l->Left() + 5, l->Top() + 5);
  win::testkit::Click(p.X, p.Y);
  EXPECT_TRUE(ctl_->Focused());
}

TEST_F(DockLabelTest, OlderFormsAdjustSizeLoadsIntoAdjustDockedSize) {
  ZYLDockLabelUnit.Init();
  std::unique_ptr<vcl::TForm> form = testsupport::FormFromText(
      "object F: TForm\n"
      "  object E: TEdit\n"
      "    Left = 100\n"
      "    Top = 80\n"
      "    Width = 60\n"
      "    Height = 30\n"
      "    AutoSize = False\n"
      "  end\n"
      "  object D: TZYLDockLabel\n"
      "    Width = 40\n"
      "    Height = 15\n"
      "    AdjustSize = True\n"
      "    FocusControl = E\n"
      "  end\n"
      "end\n");
  ZYLDockLabelUnit.FInit();
  auto* d = dynamic_cast<TZYLDockLabel*>(form->FindComponent("D"));
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->AdjustDockedSize());
  EXPECT_TRUE(d->Hooked());
  EXPECT_EQ(d->BoundsRect(), At(100 - 40 - 1, 80, 40, 30));
  EXPECT_EQ(
      vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form.get())).find("AdjustSize"),
      std::string::npos);
}

}  // namespace
}  // namespace zyl
