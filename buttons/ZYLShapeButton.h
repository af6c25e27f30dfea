// The shape button: TZYLCustomShapeButton is a graphic button whose face is one of the
// library's shapes (TZYLShapeType: ellipse, rectangles, arrows, diamond, comb, octagon, star)
// filled with its Color and ringed by a bevel that stands out at rest and sinks while the
// button is down. Outside the shape the parent shows through, and the mouse there passes to
// what lies below: the button answers hit tests, presses and clicks only on its shape.
// TZYLShapeButton publishes it.
#pragma once

#include <vector>

#include "buttons/ZYLBaseGraphicButton.h"
#include "foundation/ZYLGraph.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCustomShapeButton : public TZYLBaseGraphicButton {
  ZYL_CLASS(TZYLCustomShapeButton, TZYLBaseGraphicButton)
  ZYL_MESSAGES(TZYLCustomShapeButton)
  // The widest bevel.
  static constexpr int MaxBevelWidth = 10;

  explicit TZYLCustomShapeButton(vcl::TComponent* AOwner);

  TZYLShapeType Shape() const { return FShape; }
  void SetShape(TZYLShapeType Value);
  // The shape keeps equal sides, centred in the button.
  bool Square() const { return FSquare; }
  void SetSquare(bool Value);
  // The corner size of stRoundRect, 0 .. 100 (values outside are clamped).
  TZYLPercent RoundPercent() const { return FRoundPercent; }
  void SetRoundPercent(TZYLPercent Value);
  // The rings of the bevel, 0 .. MaxBevelWidth (values outside are clamped).
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);

  // The settings the face is drawn with in State.
  TZYLShapeParams FaceParams(TZYLButtonState State) const;

 protected:
  vcl::TRect DrawFace(vcl::TCanvas* Canvas, const vcl::TRect& Rect, TZYLButtonState State) override;
  bool OnFace(int X, int Y) override;
  void CMHitTest(vcl::TCMHitTest& Message);
  void Changed();

  TZYLShapeType FShape = stEllipse;
  bool FSquare = false;
  TZYLPercent FRoundPercent = 25;
  int FBevelWidth = 2;
};

class TZYLShapeButton : public TZYLCustomShapeButton {
  ZYL_CLASS(TZYLShapeButton, TZYLCustomShapeButton)
  explicit TZYLShapeButton(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLShapeButtonUnit =
    vcl::ClassesUnit<TZYLShapeButton>("ZYLShapeButton");

}  // namespace zyl
