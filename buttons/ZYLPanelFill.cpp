#include "buttons/ZYLPanelFill.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLPanelFill) {
  b.Publish({"About", "Align", "Alignment", "Anchors", "BackFX", "Bevel", "Caption"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Cursor", "DragCursor", "DragKind", "DragMode", "Enabled",
                "FillObject", "Flat", "Font", "FontFX", "ImageIndex", "ImageList", "ListIndex"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu",    "ShowHint",    "TabOrder",
                "TabStop",    "Transparent",    "Visible",      "OnClick",     "OnDblClick",
                "OnDragDrop", "OnDragOver",     "OnEndDock",    "OnEndDrag",   "OnEnter",
                "OnExit",     "OnMouseDown",    "OnMouseEnter", "OnMouseExit", "OnMouseMove",
                "OnMouseUp",  "OnResize",       "OnStartDock",  "OnStartDrag"});
}

TZYLPanelFill::TZYLPanelFill(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(0, 0, 185, 41);
}

}  // namespace zyl
