// The dock buttons: their place on each side of the control as it moves and resizes, one dock
// component per control shared with the dock label, following hide, show and enable, moving
// the control with the button, a control that is freed, and the built-in glyphs they show.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "buttons/ZYLDockButton.h"
#include "foundation/ZYLButtonDock.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

// Both dock buttons through what they share.
struct TKind {
  const char* Name;
  std::function<vcl::TControl*(vcl::TComponent*)> Make;
  std::function<TZYLDockLink*(vcl::TControl*)> Link;
  std::function<void(vcl::TControl*, vcl::TWinControl*)> Dock;
};

const TKind kWindowed{
    "windowed", [](vcl::TComponent* o) { return new TZYLDockButton(o); },
    [](vcl::TControl* c) { return static_cast<TZYLDockButton*>(c)->DockLink(); },
    [](vcl::TControl* c, vcl::TWinControl* t) { static_cast<TZYLDockButton*>(c)->SetControl(t); }};
const TKind kSpeed{
    "speed", [](vcl::TComponent* o) { return new TZYLDockSpeedButton(o); },
    [](vcl::TControl* c) { return static_cast<TZYLDockSpeedButton*>(c)->DockLink(); },
    [](vcl::TControl* c, vcl::TWinControl* t) {
      static_cast<TZYLDockSpeedButton*>(c)->SetControl(t);
    }};

struct TPlaceCase {
  const TKind* Kind;
  TZYLDockPosition Position;
  vcl::TRect Docked;  // a 21 x 21 button beside the control at (100, 80, 60 x 30), Margin 4
  vcl::TRect Moved;   // after the control moved to (120, 90) and became 70 x 20
};

class DockButtonTest : public ::testing::Test {
 protected:
  DockButtonTest() {
    ctl_ = new vcl::TEdit(host_.Form());
    ctl_->SetName("Target");
    ctl_->SetParent(host_.Panel());
    ctl_->SetBounds(100, 80, 60, 30);
    tk::MouseMove(600, 400);
  }
  vcl::TControl* Dock(const TKind& Kind, TZYLDockPosition Position) {
    vcl::TControl* b = Kind.Make(host_.Form());
    b->SetParent(host_.Panel());
    TZYLDockLink* l = Kind.Link(b);
    l->SetAdjustDockedSize(false);
    l->SetMargin(4);
    l->SetPosition(Position);
    Kind.Dock(b, ctl_);
    return b;
  }

  THost host_;
  vcl::TEdit* ctl_ = nullptr;
};

class DockButtonPlace : public DockButtonTest, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(DockButtonPlace, StandsBesideTheControlAndFollowsIt) {
  const TPlaceCase c = GetParam();
  vcl::TControl* b = Dock(*c.Kind, c.Position);
  EXPECT_TRUE(c.Kind->Link(b)->Hooked());
  EXPECT_EQ(b->BoundsRect(), c.Docked);
  ctl_->SetBounds(120, 90, 70, 20);
  EXPECT_EQ(b->BoundsRect(), c.Moved);
}

const TPlaceCase kPlaces[] = {
    {&kWindowed, dpRight, {164, 80, 185, 101}, {194, 90, 215, 111}},
    {&kWindowed, dpLeft, {75, 80, 96, 101}, {95, 90, 116, 111}},
    {&kSpeed, dpTop, {100, 55, 121, 76}, {120, 65, 141, 86}},
    {&kSpeed, dpBottom, {100, 114, 121, 135}, {120, 114, 141, 135}},
};
INSTANTIATE_TEST_SUITE_P(Sides, DockButtonPlace, ::testing::ValuesIn(kPlaces));

class DockButtonKinds : public DockButtonTest,
                        public ::testing::WithParamInterface<const TKind*> {};

TEST_P(DockButtonKinds, StandsOnTheControlsParentAndTakesItsHeightByDefault) {
  vcl::TControl* b = GetParam()->Make(host_.Form());
  GetParam()->Dock(b, ctl_);
  EXPECT_EQ(b->Parent(), host_.Panel());
  EXPECT_EQ(b->BoundsRect(), (vcl::TRect{161, 80, 182, 110}));
}

TEST_P(DockButtonKinds, RefusesAControlThatADockAlreadyHolds) {
  vcl::TControl* first = Dock(kSpeed, dpRight);
  vcl::TControl* second = GetParam()->Make(host_.Form());
  second->SetParent(host_.Panel());
  const std::string error =
      testsupport::ErrorOf<vcl::Exception>([&] { GetParam()->Dock(second, ctl_); });
  EXPECT_NE(error.find("Only one ZYLDockXXXX per control is allowed."), std::string::npos) << error;
  EXPECT_EQ(GetParam()->Link(second)->Control(), nullptr);
  EXPECT_EQ(ZYLDockQuery(ctl_), static_cast<vcl::TComponent*>(first));
}

TEST_P(DockButtonKinds, FollowsHidingShowingAndEnabling) {
  vcl::TControl* b = Dock(*GetParam(), dpRight);
  ctl_->SetVisible(false);
  EXPECT_FALSE(b->Visible());
  ctl_->SetBounds(10, 10, 60, 30);
  ctl_->SetVisible(true);
  EXPECT_TRUE(b->Visible());
  EXPECT_EQ(b->Left(), 74);
  ctl_->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
  ctl_->SetEnabled(true);
  EXPECT_TRUE(b->Enabled());
}

TEST_P(DockButtonKinds, MovesTheControlWhenReflectingItsOwnChanges) {
  vcl::TControl* b = Dock(*GetParam(), dpRight);
  b->SetBounds(200, 150, 21, 21);
  EXPECT_EQ(ctl_->Left(), 100);  // not yet reflecting: the control stays
  GetParam()->Link(b)->SetReflectOwnChanges(true);
  EXPECT_EQ(ctl_->BoundsRect(), (vcl::TRect{136, 150, 196, 180}));
  b->SetBounds(50, 20, 21, 21);
  EXPECT_EQ(ctl_->BoundsRect(), (vcl::TRect{-14, 20, 46, 50}));
}

TEST_P(DockButtonKinds, LetsGoOfAControlThatIsFreed) {
  vcl::TControl* b = Dock(*GetParam(), dpRight);
  delete ctl_;
  ctl_ = nullptr;
  EXPECT_EQ(GetParam()->Link(b)->Control(), nullptr);
  EXPECT_FALSE(GetParam()->Link(b)->Hooked());
  // The freed control no longer moves it, and a new control can be docked.
  auto* other = new vcl::TEdit(host_.Form());
  other->SetParent(host_.Panel());
  other->SetBounds(10, 10, 50, 20);
  GetParam()->Dock(b, other);
  EXPECT_EQ(b->BoundsRect(), (vcl::TRect{64, 10, 85, 31}));
}

TEST_P(DockButtonKinds, UndockedKeepsItsPlaceAndDocksAgain) {
  vcl::TControl* b = Dock(*GetParam(), dpRight);
  TZYLDockLink* l = GetParam()->Link(b);
  l->SetDocked(false);
  EXPECT_FALSE(l->Hooked());
  EXPECT_EQ(ZYLDockQuery(ctl_), nullptr);
  ctl_->SetBounds(0, 0, 60, 30);
  EXPECT_EQ(b->Left(), 164);
  l->SetDocked(true);
  EXPECT_EQ(b->Left(), 64);
}

INSTANTIATE_TEST_SUITE_P(Both, DockButtonKinds, ::testing::Values(&kWindowed, &kSpeed),
                         [](const auto& info) { return std::string(info.param->Name); });

TEST_F(DockButtonTest, ShowsTheBuiltInGlyphOfItsKind) {
  auto* dock = new TZYLDockSpeedButton(host_.Form());
  dock->SetBounds(10, 10, 21, 21);
  dock->SetParent(host_.Panel());
  dock->SetGlyphKind(gkColor);
  auto* plain = new TZYLSpeedButton(host_.Form());
  plain->SetBounds(40, 10, 21, 21);
  plain->SetParent(host_.Panel());
  vcl::TBitmap glyph;
  ZYLGetGlyphKind(&glyph, gkColor);
  plain->SetGlyph(&glyph);
  EXPECT_TRUE(tk::SamePixels(host_.Shot(dock), host_.Shot(plain), "dock_glyph_kind"));
  // gkCustom shows the button's own glyph again: none here, so the bare face.
  dock->SetGlyphKind(gkCustom);
  plain->SetGlyph(nullptr);
  EXPECT_TRUE(tk::SamePixels(host_.Shot(dock), host_.Shot(plain), "dock_glyph_custom"));
}

}  // namespace
}  // namespace zyl
