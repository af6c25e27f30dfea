#include "display/ZYLCustomLImage.h"

#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomLImage) {
  b.Prop("Align", &TZYLCustomLImage::Align, &TZYLCustomLImage::SetAlign)
      .Default(vcl::alNone)
      .Prop("Anchors", &TZYLCustomLImage::Anchors, &TZYLCustomLImage::SetAnchors)
      .Default(vcl::TAnchors{vcl::akLeft, vcl::akTop})
      .Stored(&TZYLCustomLImage::IsAnchorsStored)
      .Prop("Color", &TZYLCustomLImage::Color, &TZYLCustomLImage::SetColor, vcl::ColorTypeInfo())
      .Default(vcl::clWindow)
      .Stored(&TZYLCustomLImage::IsColorStored)
      .Prop("Constraints", &TZYLCustomLImage::Constraints, &TZYLCustomLImage::SetConstraints)
      .Prop("DragCursor", &TZYLCustomLImage::DragCursor, &TZYLCustomLImage::SetDragCursor,
            vcl::CursorTypeInfo())
      .Default(vcl::crDrag)
      .Prop("DragKind", &TZYLCustomLImage::DragKind, &TZYLCustomLImage::SetDragKind)
      .Default(vcl::dkDrag)
      .Prop("DragMode", &TZYLCustomLImage::DragMode, &TZYLCustomLImage::SetDragMode)
      .Default(vcl::dmManual)
      .Prop("ParentColor", &TZYLCustomLImage::ParentColor, &TZYLCustomLImage::SetParentColor)
      .Default(true)
      .Prop("ParentShowHint", &TZYLCustomLImage::ParentShowHint,
            &TZYLCustomLImage::SetParentShowHint)
      .Default(true)
      .Prop("PopupMenu", &TZYLCustomLImage::PopupMenu, &TZYLCustomLImage::SetPopupMenu)
      .Prop("QuickDraw", &TZYLCustomLImage::QuickDraw, &TZYLCustomLImage::SetQuickDraw)
      .Default(true)
      .Prop("ShowHint", &TZYLCustomLImage::ShowHint, &TZYLCustomLImage::SetShowHint)
      .Stored(&TZYLCustomLImage::IsShowHintStored)
      .Prop("Visible", &TZYLCustomLImage::Visible, &TZYLCustomLImage::SetVisible)
      .Default(true)
      .Prop("OnClick", &TZYLCustomLImage::GetOnClick, &TZYLCustomLImage::SetOnClick)
      .Prop("OnDblClick", &TZYLCustomLImage::GetOnDblClick, &TZYLCustomLImage::SetOnDblClick)
      .Prop("OnDragDrop", &TZYLCustomLImage::GetOnDragDrop, &TZYLCustomLImage::SetOnDragDrop)
      .Prop("OnDragOver", &TZYLCustomLImage::GetOnDragOver, &TZYLCustomLImage::SetOnDragOver)
      .Prop("OnEndDock", &TZYLCustomLImage::GetOnEndDock, &TZYLCustomLImage::SetOnEndDock)
      .Prop("OnEndDrag", &TZYLCustomLImage::GetOnEndDrag, &TZYLCustomLImage::SetOnEndDrag)
      .Prop("OnMouseDown", &TZYLCustomLImage::GetOnMouseDown, &TZYLCustomLImage::SetOnMouseDown)
      .Prop("OnMouseMove", &TZYLCustomLImage::GetOnMouseMove, &TZYLCustomLImage::SetOnMouseMove)
      .Prop("OnMouseUp", &TZYLCustomLImage::GetOnMouseUp, &TZYLCustomLImage::SetOnMouseUp)
      .Prop("OnStartDock", &TZYLCustomLImage::GetOnStartDock, &TZYLCustomLImage::SetOnStartDock)
      .Prop("OnStartDrag", &TZYLCustomLImage::GetOnStartDrag, &TZYLCustomLImage::SetOnStartDrag);
}

TZYLCustomLImage::TZYLCustomLImage(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLCustomLImage::SetBool(int Index, bool Value) {
  bool& field = Index == 0 ? FForceTransparent : FSilentMove;
  if (!ZYLStoreValue(field, Value)) return;
  InvalidateControl();
}

bool TZYLCustomLImage::GetEmpty() { return IMLEmpty(); }

win::HPALETTE TZYLCustomLImage::GetPalette() {
  return GetEmpty() ? nullptr : FImageList->Palette(FListIndex);
}

bool TZYLCustomLImage::isTransparentSet() { return FTransparent || FSilentMove; }

bool TZYLCustomLImage::CheckOptimized() {
  return inherited::CheckOptimized() || (FSilentMove && BackBitmapCheck());
}

bool TZYLCustomLImage::CorrectBounds() {
  if (FStyle != sbAutosize) return false;
  int w = 20, h = 20;
  if (!GetEmpty()) {
    w = FImageList->Dimensions(FListIndex, false);
    h = FImageList->Dimensions(FListIndex, true);
  }
  w += DblBevelExt();
  h += DblBevelExt();
  if (w == Width() && h == Height()) return false;
  SetBounds(Left(), Top(), w, h);
  return true;
}

}  // namespace zyl
