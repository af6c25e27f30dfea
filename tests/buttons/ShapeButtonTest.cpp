// The shape button: the face of every shape with the parent showing around it, the bevel that
// stands out at rest and sinks while down, presses and clicks only on the shape, and settings
// kept within their ranges.
#include <gtest/gtest.h>

#include <string>

#include "buttons/ZYLShapeButton.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Colors.h"
#include "platform/user/WinUserConsts.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

using buttontest::THost;
namespace tk = win::testkit;

win::COLORREF Rgb(vcl::TColor c) { return win::COLORREF(vcl::ColorToRGB(c)); }

class ShapeButtonTest : public ::testing::Test {
 protected:
  ShapeButtonTest() {
    button_ = new TZYLShapeButton(host_.Form());
    button_->SetBounds(20, 20, 40, 40);
    button_->SetColor(vcl::clRed);
    button_->SetParent(host_.Panel());
    button_->OnClick = vcl::TNotifyEvent(&rec_, &buttontest::TRecorder::Click);
    tk::MouseMove(600, 400);
  }
  win::COLORREF At(int X, int Y) { return host_.Shot(button_).Color(X, Y); }
  void Press(int X, int Y) {
    const win::POINT p = THost::At(button_, X, Y);
    tk::MouseMove(p.X, p.Y);
    tk::MouseDown(p.X, p.Y);
  }
  void Release(int X, int Y) {
    const win::POINT p = THost::At(button_, X, Y);
    tk::MouseMove(p.X, p.Y);
    tk::MouseUp(p.X, p.Y);
  }

  THost host_;
  TZYLShapeButton* button_ = nullptr;
  buttontest::TRecorder rec_;
};

struct TShapeCase {
  TZYLShapeType Shape;
  bool CornerOnFace;  // the top-left corner pixel belongs to the shape
};

class ShapeButtonShapes : public ShapeButtonTest,
                          public ::testing::WithParamInterface<TShapeCase> {};

TEST_P(ShapeButtonShapes, FillsItsShapeAndShowsTheParentAroundIt) {
  button_->SetShape(GetParam().Shape);
  // The centre is the face colour; the corner is the parent's unless the shape covers it.
  EXPECT_EQ(At(20, 21), Rgb(vcl::clRed));
  if (GetParam().CornerOnFace)
    EXPECT_NE(At(0, 0), Rgb(buttontest::PanelColor));
  else
    EXPECT_EQ(At(0, 0), Rgb(buttontest::PanelColor));
  // Hit tests follow the same outline: the corner is the button's only on the shape.
  const auto hit = [&](int X, int Y) {
    return button_->Perform(vcl::CM_HITTEST, 0, win::MAKELPARAM(X, Y));
  };
  EXPECT_EQ(hit(20, 21), win::HTCLIENT);
  EXPECT_EQ(hit(0, 0), GetParam().CornerOnFace ? win::HTCLIENT : win::HTNOWHERE);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeButtonShapes,
    ::testing::Values(TShapeCase{stEllipse, false}, TShapeCase{stRectangle, true},
                      TShapeCase{stRoundRect, false}, TShapeCase{stDiamond, false},
                      TShapeCase{stOctagon, false}, TShapeCase{stStar, false},
                      TShapeCase{stDirectUp, false}, TShapeCase{stDirectRight, false}));

TEST_F(ShapeButtonTest, ABareRectangleIsItsColourThroughout) {
  button_->SetShape(stRectangle);
  button_->SetBevelWidth(0);
  EXPECT_TRUE(tk::PixelsMatch(
      host_.Shot(button_), [](int, int) { return Rgb(vcl::clRed); }, "shape_bare_rect"));
}

TEST_F(ShapeButtonTest, TheBevelStandsOutAtRestAndSinksWhileDown) {
  button_->SetShape(stRectangle);
  EXPECT_EQ(At(0, 20), Rgb(vcl::clBtnHighlight));
  EXPECT_EQ(At(39, 20), Rgb(vcl::clBtnShadow));
  Press(20, 20);
  EXPECT_TRUE(button_->Held());
  EXPECT_EQ(At(0, 20), Rgb(vcl::clBtnShadow));
  EXPECT_EQ(At(39, 20), Rgb(vcl::clBtnHighlight));
  Release(20, 20);
  EXPECT_EQ(rec_.Take(), "click");
  EXPECT_EQ(At(0, 20), Rgb(vcl::clBtnHighlight));
}

TEST_F(ShapeButtonTest, PressesAndClicksOnlyOnTheShape) {
  // A press on the corner outside the ellipse goes to the parent.
  Press(1, 1);
  EXPECT_FALSE(button_->Held());
  Release(1, 1);
  EXPECT_EQ(rec_.Take(), "");
  // A press on the shape released off it, though inside the rectangle, is no click.
  Press(20, 20);
  EXPECT_TRUE(button_->Held());
  const win::POINT corner = THost::At(button_, 1, 1);
  tk::MouseMove(corner.X, corner.Y);
  EXPECT_FALSE(button_->Held());
  EXPECT_EQ(button_->ButtonState(), bsUp);  // off the shape the mouse is not above it
  tk::MouseUp(corner.X, corner.Y);
  EXPECT_EQ(rec_.Take(), "");
}

TEST_F(ShapeButtonTest, KeepsItsSettingsWithinTheirRanges) {
  button_->SetRoundPercent(150);
  button_->SetBevelWidth(-3);
  const int round = button_->RoundPercent(), bevel = button_->BevelWidth();
  button_->SetRoundPercent(-1);
  button_->SetBevelWidth(99);
  testsupport::ExpectCases({{std::to_string(round), "100"},
                            {std::to_string(bevel), "0"},
                            {std::to_string(button_->RoundPercent()), "0"},
                            {std::to_string(button_->BevelWidth()), "10"}});
}

TEST_F(ShapeButtonTest, SquareKeepsTheShapeCentredWithEqualSides) {
  button_->SetShape(stRectangle);
  button_->SetBounds(20, 20, 60, 30);
  button_->SetSquare(true);
  // A 30 x 30 square in the middle of 60 x 30: the parent left and right of it.
  EXPECT_EQ(At(14, 15), Rgb(buttontest::PanelColor));
  EXPECT_EQ(At(30, 15), Rgb(vcl::clRed));
  EXPECT_EQ(At(46, 15), Rgb(buttontest::PanelColor));
}

}  // namespace
}  // namespace zyl
