#include "display/ZYLCustomProgressFill.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustomProgressFill) {
  using C = TZYLCustomProgressFill;
  b.Publish({"About", "Align", "Alignment", "Anchors", "Bar3D", "BiDiMode"})
      .Prop("BrushBackColor", &C::BrushBackColor, &C::SetBrushBackColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Publish({"Caption", "Color", "Constraints"})
      .Publish({"Delta", "Direction"})
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("FillObject", &C::FillObject, &C::SetFillObject)
      .Publish("Font")
      .Publish("Font3D")
      .Publish({"ImageIndex", "ImageList", "ListIndex"})
      .Publish({"MaxValue", "MinValue", "OptionsText"})
      .Publish({"ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint"})
      .Publish("UseFontColor")
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown"})
      .Publish({"OnMouseEnter", "OnMouseExit"})
      .Publish({"OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

TZYLCustomProgressFill::TZYLCustomProgressFill(vcl::TComponent* AOwner)
    : inherited(AOwner), FBrushBackColor(vcl::clBtnFace) {
  FFillObject.reset(new TZYLFillObject(),
                    vcl::TNotifyEvent(this, &TZYLCustomProgressFill::GetChange));
}

TZYLCustomProgressFill::~TZYLCustomProgressFill() { FFillObject.reset(); }

void TZYLCustomProgressFill::SetBack(vcl::TColor Value) {
  if (ZYLStoreValue(FBrushBackColor, Value)) InvalidateControl();
}

void TZYLCustomProgressFill::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

void TZYLCustomProgressFill::GetIMLChange(vcl::TObject* Sender) {
  // The list bitmap changes quietly: the inherited step below repaints once.
  if (FFillObject) FFillObject->TakeListItem(FImageList, FListIndex, FImageIndex);
  inherited::GetIMLChange(Sender);
}

void TZYLCustomProgressFill::DrawBar(vcl::TCanvas* Canvas, const TRect& Dest,
                                     const TRect& NotDest, const TRect& ARect) {
  const bool hasBar = Dest.Right > Dest.Left && Dest.Bottom > Dest.Top;
  if (hasBar) FFillObject->ClipFill(Canvas, Dest, FBrushBackColor, 0);
  DrawBarFrame(Canvas, Dest);
  // Over the empty part the text takes the brush's colour when the fill is a plain brush
  // (or none), the font's colour over pictures and gradients.
  const TZYLFillStyle fs = FFillObject->Style();
  const bool useColor = fs == sfNone || fs == sfBrush;
  DrawCaption(Canvas, Dest, NotDest, ARect, useColor, FFillObject->Brush()->Color());
}

}  // namespace zyl
