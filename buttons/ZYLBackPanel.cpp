#include "buttons/ZYLBackPanel.h"

#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBackPanel) {
  b.Publish({"About", "Align", "Anchors", "BackFX", "Bevel"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Cursor", "DragCursor", "DragKind", "DragMode", "Enabled", "Font",
                "ImageIndex", "ImageList", "ListIndex"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont",  "ParentShowHint", "PopupMenu",   "ShowHint",     "Transparent",
                "Visible",     "OnClick",        "OnDblClick",  "OnDragDrop",   "OnDragOver",
                "OnEndDock",   "OnEndDrag",      "OnMouseDown", "OnMouseEnter", "OnMouseExit",
                "OnMouseMove", "OnMouseUp",      "OnResize",    "OnStartDock",  "OnStartDrag"});
}

TZYLBackPanel::TZYLBackPanel(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(0, 0, 185, 41);
}

TZYLBackPanel::~TZYLBackPanel() = default;

void TZYLBackPanel::PaintBackground(vcl::TCanvas* Canvas, const vcl::TRect& Rect) {
  inherited::PaintBackground(Canvas, Rect);
  if (FPicture && !FTransparent) ZYLBmpDraw(Canvas, Rect, FPicture.get(), dsfTile, vcl::clNone);
}

void TZYLBackPanel::GetIMLChange(vcl::TObject* Sender) {
  auto item = std::make_unique<vcl::TBitmap>();
  if (FImageList && FImageList->GetBitmapItem(FListIndex, FImageIndex, item.get()) &&
      !item->Empty())
    FPicture = std::move(item);
  else
    FPicture.reset();
  BackUpdate();
  inherited::GetIMLChange(Sender);
}

}  // namespace zyl
