#include "display/ZYLCustomLImage.h"

#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomLImage) {
  b.Publish({"Align", "Anchors", "Color", "Constraints", "DragCursor", "DragKind", "DragMode",
            "ParentColor", "ParentShowHint", "PopupMenu"})
      .Prop("QuickDraw", &TZYLCustomLImage::QuickDraw, &TZYLCustomLImage::SetQuickDraw)
      .Default(true)
      .Publish({"ShowHint", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
}

TZYLCustomLImage::TZYLCustomLImage(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLCustomLImage::SetBool(int Index, bool Value) {
  bool& field = Index == bpForceTransparent ? FForceTransparent : FSilentMove;
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
