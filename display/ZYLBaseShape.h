// TZYLBaseShape: a graphic control that draws one geometric shape (TZYLShapeType) with a simple
// bevel, a drop shadow, an optional toothed edge, a brush or a fill (bitmap, image-list bitmap,
// gradient) and a caption. The computed outline is kept between paints; the fill modes render
// the fill into a cached off-screen bitmap.
#pragma once

#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/base/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TBitmap;
class TBrush;
class TCanvas;
}  // namespace vcl

namespace zyl {

class TZYLCaption;
class TZYLPointList;
class TZYLShadow;
class TZYLShapeFill;
class TZYLSimpleBevel;
class TZYLTeeth;

// Fast modes draw the shape with the brush straight onto the canvas; fill modes draw it with
// the fill of ShapeFill through an off-screen bitmap. The teeth modes give the shape its
// toothed edge.
ZYL_ENUM(TZYLShapeControlMode, scmShapeFast, scmShapeFill, scmTeethFast, scmTeethFill)

class TZYLBaseShape : public TZYLBaseGraphicControl {
  ZYL_CLASS(TZYLBaseShape, TZYLBaseGraphicControl)
  explicit TZYLBaseShape(vcl::TComponent* AOwner);
  ~TZYLBaseShape() override;

  // ---- Settings (object setters assign into the owned object) ----
  TZYLSimpleBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TZYLSimpleBevel* Value);
  vcl::TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(vcl::TBrush* Value);
  vcl::TColor BrushBackColor() const { return FBrushBackColor; }
  void SetBrushBackColor(vcl::TColor Value);
  TZYLCaption* Caption() const { return FCaption.get(); }
  void SetCaption(TZYLCaption* Value);
  bool CaptionClip() const { return FCaptionClip; }
  void SetCaptionClip(bool Value);
  // 0 .. 100; values outside are limited to the range.
  TZYLPercent RoundPercent() const { return FRoundPercent; }
  void SetRoundPercent(TZYLPercent Value);
  TZYLShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TZYLShadow* Value);
  TZYLShapeType Shape() const { return FShape; }
  void SetShape(TZYLShapeType Value);
  bool Square() const { return FSquare; }
  void SetSquare(bool Value);
  TZYLTeeth* Teeth() const { return FTeeth.get(); }
  void SetTeeth(TZYLTeeth* Value);
  TZYLShapeControlMode Mode() const { return FMode; }
  void SetMode(TZYLShapeControlMode Value);
  TZYLShapeFill* ShapeFill() const { return FShapeFill.get(); }
  void SetShapeFill(TZYLShapeFill* Value);

  // Teeth in the teeth modes, otherwise null.
  TZYLTeeth* ActiveTeeth() const { return FActiveTeeth; }
  bool IsFillMode() const { return FMode == scmShapeFill || FMode == scmTeethFill; }
  // The outline the last calculation produced.
  TZYLPointList* Outline() const { return FPointList.get(); }
  bool OutlineStale() const { return FOutlineStale; }
  // The cached rendering of the fill (null in the fast modes and before the first render).
  vcl::TBitmap* FillBitmap() const { return FFillBitmap.get(); }

  // The change handler of the owned objects: recomputes the outline (not for a caption
  // change), drops the cached fill and repaints.
  void GetChange(vcl::TObject* Sender) override;
  // Frees the cached fill; the fill modes get a new, empty one.
  void GetShapeChange();
  // The fill's palette in the fill modes, else 0.
  virtual win::HPALETTE GetPalette();
  // Paints the whole control onto Canvas (the control's own canvas, or a bitmap's).
  void PaintToCanvas(vcl::TCanvas* Canvas);
  // Paints the control into a bitmap of its size and saves it as a bitmap file.
  void SaveToFile(const std::string& FileName);

 protected:
  // Draws the caption text into Rect less the bevel (every side) and the shadow (right and
  // bottom).
  virtual void DrawCaption(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  // The area a fill is rendered for: the client rectangle.
  virtual vcl::TRect GetGradientRect();
  // The caption object's text.
  virtual std::string GetLabelText();

  void Paint() override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void GetIMLChange(vcl::TObject* Sender) override;

  // Renders the fill into the fill bitmap, for GetGradientRect.
  void OffscreenPaint();
  // Rect shrunk on the teeth side by the teeth (in scmTeethFill only).
  vcl::TRect TeethShrunk(const vcl::TRect& Rect) const;
  // Fills Rect of Canvas with the control's colour.
  void FillBack(vcl::TCanvas* Canvas, const vcl::TRect& Rect);
  // Whether painting is suppressed (loading or reading).
  bool PaintSuppressed() const;
  void UpdateActiveTeeth();
  void FreeFillBitmap();

  TZYLOwned<TZYLSimpleBevel> FBevel;
  TZYLOwned<vcl::TBrush> FBrush;
  vcl::TColor FBrushBackColor = vcl::clBtnFace;
  TZYLOwned<TZYLCaption> FCaption;
  bool FCaptionClip = false;
  std::unique_ptr<TZYLPointList> FPointList;
  TZYLPercent FRoundPercent = 33;
  TZYLOwned<TZYLShadow> FShadow;
  TZYLShapeType FShape = stRectangle;
  bool FSquare = false;
  TZYLOwned<TZYLTeeth> FTeeth;
  TZYLTeeth* FActiveTeeth = nullptr;
  TZYLShapeControlMode FMode = scmShapeFast;
  bool FOutlineStale = true;
  TZYLOwned<TZYLShapeFill> FShapeFill;
  std::unique_ptr<vcl::TBitmap> FFillBitmap;
};

inline constexpr vcl::TUnitEntry ZYLBaseShapeUnit = vcl::ClassesUnit<TZYLBaseShape>("ZYLBaseShape");

}  // namespace zyl
