// TZYLCustomProgressFill: a progress bar on the meter base whose bar is covered by a fill
// object (brush, brush bitmap, bitmap, image-list bitmap or gradient) over BrushBackColor.
#pragma once

#include "display/ZYLBaseMeter.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLFillObject;

class TZYLCustomProgressFill : public TZYLBaseMeter {
  ZYL_CLASS(TZYLCustomProgressFill, TZYLBaseMeter)
  explicit TZYLCustomProgressFill(vcl::TComponent* AOwner);
  ~TZYLCustomProgressFill() override;

  // The colour behind hatched brushes and untiled pictures of the fill.
  vcl::TColor BrushBackColor() const { return FBrushBackColor; }
  void SetBack(vcl::TColor Value);
  void SetBrushBackColor(vcl::TColor Value) { SetBack(Value); }
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);

 protected:
  // Copies the image-list item at ListIndex / ImageIndex into the fill's list bitmap (clears
  // it when there is none), then repaints.
  void GetIMLChange(vcl::TObject* Sender) override;
  void DrawBar(vcl::TCanvas* Canvas, const vcl::TRect& Dest, const vcl::TRect& NotDest,
               const vcl::TRect& ARect) override;

 private:
  vcl::TColor FBrushBackColor;
  TZYLOwned<TZYLFillObject> FFillObject;
};

}  // namespace zyl
