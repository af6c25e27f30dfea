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
  b.Prop("About", &C::About, &C::SetAbout)
      .Stored(false)
      .Prop("Align", &C::Align, &C::SetAlign)
      .Default(vcl::alNone)
      .Prop("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(vcl::taCenter)
      .Prop("Anchors", &C::Anchors, &C::SetAnchors)
      .Default(vcl::TAnchors{vcl::akLeft, vcl::akTop})
      .Stored(&C::IsAnchorsStored)
      .Prop("Bar3D", &C::Bar3D, &C::SetBar3D)
      .Default(lsNone)
      .Prop("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
      .Stored(&C::IsBiDiModeStored)
      .Prop("BrushBackColor", &C::BrushBackColor, &C::SetBrushBackColor, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("Color", &C::Color, &C::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clWindow)
      .Stored(&C::IsColorStored)
      .Prop("Constraints", &C::Constraints, &C::SetConstraints)
      .Prop("Delta", &C::Delta, &C::SetDelta)
      .Default(1)
      .Prop("Direction", &C::Direction, &C::SetDirection)
      .Default(mdHorizontal)
      .Prop("DragCursor", &C::DragCursor, &C::SetDragCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDrag)
      .Prop("DragKind", &C::DragKind, &C::SetDragKind)
      .Default(vcl::dkDrag)
      .Prop("DragMode", &C::DragMode, &C::SetDragMode)
      .Default(vcl::dmManual)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("FillObject", &C::FillObject, &C::SetFillObject)
      .Prop("Font", &C::Font, &C::SetFont)
      .Stored(&C::IsFontStored)
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Prop("MaxValue", &C::MaxValue, &C::SetMaxValue)
      .Default(100)
      .Prop("MinValue", &C::MinValue, &C::SetMinValue)
      .Default(0)
      .Prop("OptionsText", &C::OptionsText, &C::SetOptionsText)
      .Default(toNoText)
      .Prop("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode)
      .Default(true)
      .Prop("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(true)
      .Prop("ParentFont", &C::ParentFont, &C::SetParentFont)
      .Default(true)
      .Prop("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint)
      .Default(true)
      .Prop("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
      .Prop("ShowHint", &C::ShowHint, &C::SetShowHint)
      .Stored(&C::IsShowHintStored)
      .Prop("UseFontColor", &C::UseFontColor, &C::SetUseFontColor)
      .Default(false)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true)
      .Prop("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Prop("OnDblClick", &C::GetOnDblClick, &C::SetOnDblClick)
      .Prop("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop)
      .Prop("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver)
      .Prop("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock)
      .Prop("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag)
      .Prop("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Prop("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove)
      .Prop("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp)
      .Prop("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock)
      .Prop("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag);
}

TZYLCustomProgressFill::TZYLCustomProgressFill(vcl::TComponent* AOwner)
    : inherited(AOwner), FBrushBackColor(vcl::clBtnFace) {
  FFillObject = new TZYLFillObject();
  FFillObject->SetOnChange(vcl::TNotifyEvent(this, &TZYLCustomProgressFill::GetChange));
}

TZYLCustomProgressFill::~TZYLCustomProgressFill() {
  FFillObject->SetOnChange(nullptr);
  delete FFillObject;
  FFillObject = nullptr;
}

void TZYLCustomProgressFill::SetBar3D(TZYLBorderStyle Value) {
  if (ZYLStoreValue(FBar3D, Value)) InvalidateControl();
}

void TZYLCustomProgressFill::SetBack(vcl::TColor Value) {
  if (ZYLStoreValue(FBrushBackColor, Value)) InvalidateControl();
}

void TZYLCustomProgressFill::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

void TZYLCustomProgressFill::GetIMLChange(vcl::TObject* Sender) {
  if (FFillObject) {
    vcl::TBitmap item;
    const bool found = FImageList && FImageList->GetBitmapItem(FListIndex, FImageIndex, &item);
    // The list bitmap changes quietly: the inherited step below repaints once.
    FFillObject->BeginUpdate();
    FFillObject->SetListBitmap(found ? &item : nullptr);
    FFillObject->EndUpdate(false);
  }
  inherited::GetIMLChange(Sender);
}

void TZYLCustomProgressFill::DrawBar(vcl::TCanvas* Canvas, const TRect& Dest,
                                     const TRect& NotDest, const TRect& ARect) {
  const bool hasBar = Dest.Right > Dest.Left && Dest.Bottom > Dest.Top;
  if (hasBar) FFillObject->ClipFill(Canvas, Dest, FBrushBackColor, 0);
  if (Position() > 0 && hasBar) {
    TRect frame = Dest;
    ZYLDrawStdFrame(Canvas, frame, FBar3D, 0);
  }
  // Over the empty part the text takes the brush's colour when the fill is a plain brush
  // (or none), the font's colour over pictures and gradients.
  const TZYLFillStyle fs = FFillObject->Style();
  const bool useColor = fs == sfNone || fs == sfBrush;
  DrawCaption(Canvas, Dest, NotDest, ARect, useColor, FFillObject->Brush()->Color());
}

}  // namespace zyl
