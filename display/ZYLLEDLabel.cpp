#include "display/ZYLLEDLabel.h"

#include "display/ZYLLED.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLLEDLabel) {
  using C = TZYLLEDLabel;
  b.Publish("About")
      .Publish("Align")
      .Prop("AutoSize", &C::AutoSize, &C::SetAutosize)
      .Default(false)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish("Caption")
      .Publish("Color").Default(0).Stored(true)
      .Prop("Digits", &C::Digits, &C::SetDigits)
      .Default(2)
      .Publish("Enabled")
      .Prop("LED", &C::LED, &C::SetLED)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(lsString)
      .Publish("Transparent").Default(false)
      .Prop("Value", &C::Value, &C::SetValue)
      .Default(0)
      .Publish({"Visible", "DragCursor", "DragMode", "DragKind", "ParentShowHint", "PopupMenu",
                "ShowHint", "Anchors", "Constraints", "OnClick", "OnDblClick", "OnDragDrop",
                "OnDragOver", "OnEndDrag", "OnStartDrag", "OnEndDock", "OnStartDock", "OnMouseDown",
                "OnMouseMove", "OnMouseUp"});
}

void ZYLLEDLabelInit() {
  ZYLLEDInit();
  vcl::RegisterClasses({TZYLLEDLabel::StaticClass()});
}

void ZYLLEDLabelDone() { vcl::UnRegisterClasses({TZYLLEDLabel::StaticClass()}); }

}  // namespace zyl
