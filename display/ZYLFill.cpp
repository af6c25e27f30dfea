#include "display/ZYLFill.h"

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLFill) {
  b.Publish("About")
      .Publish({"Align", "Anchors", "BiDiMode"})
      .Prop("Caption", &TZYLFill::Caption, &TZYLFill::SetCaption)
      .Publish({"Color", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("FillObject", &TZYLFill::FillObject, &TZYLFill::SetFillObject)
      .Publish({"ImageList", "ImageIndex", "ListIndex"})
      .Publish({"ParentBiDiMode", "ParentColor", "ParentShowHint", "PopupMenu", "ShowHint",
                "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown"})
      .Publish({"OnMouseEnter", "OnMouseExit"})
      .Publish({"OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

TZYLFill::TZYLFill(vcl::TComponent* AOwner) : inherited(AOwner) {
  FCaption.reset(new TZYLCaption(), vcl::TNotifyEvent(this, &TZYLFill::GetChange));
  FFillObject.reset(new TZYLFillObject(), vcl::TNotifyEvent(this, &TZYLFill::GetChange));
  // The new fill (sfNone) leaves everything visible: the control starts transparent.
  if (FFillObject->GetTransparent() != Transparent()) SetTransparent(FFillObject->GetTransparent());
}

TZYLFill::~TZYLFill() {
  FCaption.reset();
  FFillObject.reset();
}

void TZYLFill::SetCaption(TZYLCaption* Value) {
  if (Value) FCaption->Assign(Value);
}

void TZYLFill::SetFillObject(TZYLFillObject* Value) {
  if (Value) FFillObject->Assign(Value);
}

bool TZYLFill::GetEmpty() {
  return FFillObject->GetEmpty() && BevelExt() == 0 && FCaption->Caption().empty();
}

void TZYLFill::GetChange(vcl::TObject* Sender) {
  if (Sender && Sender == FFillObject) {
    const bool t = FFillObject->GetTransparent();
    if (t != Transparent()) {
      // The transparency message repaints the control; a second paint is not needed.
      SetTransparent(t);
      return;
    }
  }
  InvalidateControl();
}

win::HPALETTE TZYLFill::GetPalette() {
  return Transparent() ? nullptr : FFillObject->GetPalette();
}

void TZYLFill::GetIMLChange(vcl::TObject* Sender) {
  // The list bitmap changes quietly: the inherited step below repaints once.
  if (FFillObject) FFillObject->TakeListItem(FImageList, FListIndex, FImageIndex);
  inherited::GetIMLChange(Sender);
}

void TZYLFill::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (GetEmpty()) {
    inherited::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  try {
    const TRect r = FBevel->PaintBevel(c, ClientRect(), Transparent());
    const int32_t offset = ZYLPackOffset(Left(), Top());
    FFillObject->ClipFill(c, r, Color(), offset);
    if (!FCaption->Caption().empty()) {
      TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled, dtClip};
      FCaption->DrawCaption(c, FCaption->Caption(), r, styles, c->Brush()->Color(), offset);
    }
  } catch (const vcl::Exception&) {
    // A fill or caption that cannot be drawn leaves the control as far as it got.
  }
}

}  // namespace zyl
