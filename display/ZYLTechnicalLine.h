// TZYLTechnicalLine: a graphic control that draws one technical (dimension) line inside its
// client area - straight, diagonal, an L-shaped edge or a quarter curve - with optional signs
// (arrow heads, circle, diamond, ...) at its start and end, an optional drop shadow and a fill
// colour for the closed signs. With ShapeOnly, left-button clicks count only on the drawn shape.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Types.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TCanvas;
class TPen;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLTechnicalLineTypes, lsStraightLeftToRight, lsStraightTopToBottom,
         lsTopLeftToBottomRight, lsBottomLeftToTopRight, lsTopLeftEdge, lsBottomLeftEdge,
         lsTopRightEdge, lsBottomRightEdge, lsTopLeftCurve, lsBottomLeftCurve, lsTopRightCurve,
         lsBottomRightCurve)
ZYL_ENUM(TZYLLineEndings, leNothing, leOpenArrowUp, leOpenArrowDown, leOpenArrowRight,
         leOpenArrowLeft, leClosedArrowUp, leClosedArrowDown, leClosedArrowLeft,
         leClosedArrowRight, leDiamond, leCircle, leRectangle, leRoundRect, leParallelogramm,
         leComb, leHalfCircleLeft, leHalfCircleRight, leHalfCircleUp, leHalfCircleDown)
ZYL_ENUM(TZYLSignPlaces, spEnd, spStart, spBoth, spNoWhere)

// ---- Layout ----
// One drawing step of a line: a straight segment (4 coordinates), a counterclockwise arc of an
// ellipse (bounding box, start point, end point: 8 coordinates) or the start / end sign in a
// box (L, T, R, B). Coordinates are relative to the working rectangle's top-left.
enum TZYLTechLineStepKind : uint8_t { tskLine, tskArc, tskStartSign, tskEndSign };
struct TZYLTechLineStep {
  TZYLTechLineStepKind Kind = tskLine;
  int32_t Coords[8] = {};
};
// The sizes a layout is computed from.
struct TZYLTechLineMetrics {
  int32_t Width = 0;        // of the working rectangle
  int32_t Height = 0;
  int32_t HalfPen = 0;      // half the pen width
  int32_t ShadowDepth = 0;  // the shadow depth in effect (0 without shadow)
  int32_t SignSize = 0;
};
// The steps, in drawing order, of a line type with signs at SignPlaces.
std::vector<TZYLTechLineStep> ZYLTechLineLayout(TZYLTechnicalLineTypes LineType,
                                                TZYLSignPlaces Places,
                                                const TZYLTechLineMetrics& M);
// The arrow directions a line type gives its ends (the start sign, the end sign); Sign is turned
// when it is an arrow (open stays open, closed stays closed), any other sign is returned as is.
TZYLLineEndings ZYLTurnStartArrow(TZYLTechnicalLineTypes LineType, TZYLLineEndings Sign);
TZYLLineEndings ZYLTurnEndArrow(TZYLTechnicalLineTypes LineType, TZYLLineEndings Sign);
// Draws one sign shape into the box (L, T, R, B) with the canvas's current pen and brush; the box
// is shrunk by half the pen width when that width is not 1.
void ZYLDrawLineSign(vcl::TCanvas* Canvas, TZYLLineEndings Sign, vcl::TRect Box);

// ---- TZYLTechnicalLine ----
class TZYLTechnicalLine : public TZYLGraphicControl {
  ZYL_CLASS(TZYLTechnicalLine, TZYLGraphicControl)
  ZYL_MESSAGES(TZYLTechnicalLine)
  explicit TZYLTechnicalLine(vcl::TComponent* AOwner);
  ~TZYLTechnicalLine() override;

  TZYLTechnicalLineTypes LineType() const { return FLineType; }
  void SetTechnicalLineType(TZYLTechnicalLineTypes Value);
  TZYLLineEndings LineEndingsign() const { return FLineEndingsign; }
  // Repaints only while the end carries a sign (spEnd, spBoth).
  void SetLineEnding(TZYLLineEndings Value);
  TZYLLineEndings LineStartSign() const { return FLineStartSign; }
  // Repaints only while the start carries a sign (spStart, spBoth).
  void SetLineStart(TZYLLineEndings Value);
  // The pen of the line and the signs' outlines (owned; its changes repaint).
  vcl::TPen* LineSettings() const { return FLineSettings.get(); }
  bool Arrowed() const { return FArrowed; }
  void SetArrowed(bool Value);
  int32_t ShadowDepth() const { return FShadowDepth; }
  void SetShadowDepth(int32_t Value);
  int32_t SignSize() const { return FSignSize; }
  void SetSignSize(int32_t Value);
  TZYLSignPlaces SignPlaces() const { return FSignPlaces; }
  void SetSignPlaces(TZYLSignPlaces Value);
  vcl::TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(vcl::TColor Value);
  vcl::TColor FillColor() const { return FFillColor; }
  void SetFillColor(vcl::TColor Value);
  // Stored only: the click region follows from the next paint.
  bool ShapeOnly() const { return FShapeOnly; }
  void SetShapeOnly(bool Value) { FShapeOnly = Value; }
  bool ShadowVisible() const { return FShadowVisible; }
  void SetShadowVisible(bool Value);
  // The click region of the last paint with ShapeOnly, in the control's own coordinates; null
  // before such a paint.
  win::HRGN ShapeRegion() const { return FShapeRegion; }
  // Whether a left-button message at (X, Y) (client coordinates) reaches the control.
  bool AcceptsClickAt(int X, int Y) const;

  bool GetEmpty() override { return false; }

  // Draws line, shadow and signs into Rect of Canvas (what Paint does inside the bevel).
  void PaintIt(vcl::TCanvas* Canvas, const vcl::TRect& Rect);


 protected:
  void Paint() override;
  void WMLButtonDown(vcl::TWMMouse& Message);
  void WMLButtonUp(vcl::TWMMouse& Message);

 private:
  // Records the drawing twice in path brackets: the closed figures' interiors, then the area
  // the pen covers, joined into ShapeRegion.
  void BuildShapeRegion(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  void FreeShapeRegion();

  TZYLTechnicalLineTypes FLineType = lsStraightLeftToRight;
  TZYLLineEndings FLineEndingsign = leClosedArrowRight;
  TZYLLineEndings FLineStartSign = leNothing;
  TZYLOwned<vcl::TPen> FLineSettings;
  bool FArrowed = false;
  int32_t FShadowDepth = 6;
  int32_t FSignSize = 40;
  TZYLSignPlaces FSignPlaces = spEnd;
  vcl::TColor FShadowColor = vcl::clBtnShadow;
  vcl::TColor FFillColor = vcl::clNone;
  bool FShapeOnly = false;
  bool FShadowVisible = false;
  win::HRGN FShapeRegion = nullptr;
};

inline constexpr vcl::TUnitEntry ZYLTechnicalLineUnit =
    vcl::ClassesUnit<TZYLTechnicalLine>("ZYLTechnicalLine");

}  // namespace zyl
