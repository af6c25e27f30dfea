#include "edits/ZYLImageComboBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

using namespace vcl;

ZYL_CLASS_IMPL(TZYLImageComboBox) {
  using C = TZYLImageComboBox;
  b.Publish({"About", "Options", "Delimiter", "Font3D", "ImageList", "ListIndex", "Layout",
             "DefaultItem", "ImagesOnly", "ItemIndex"})
      .Publish("Items")
      .Stored(&C::StoreItems)
      .Publish(
          {"MultiLine",      "Align",         "Color",         "Ctl3D",         "DragCursor",
           "DragMode",       "DropDownCount", "DropDownWidth", "Enabled",       "Flat",
           "FocusControl",   "Font",          "ImeMode",       "ImeName",       "ItemHeight",
           "MaxLength",      "ParentColor",   "ParentCtl3D",   "ParentFont",    "ParentShowHint",
           "PopupMenu",      "ShowHint",      "Sorted",        "TabOrder",      "TabStop",
           "Visible",        "Anchors",       "Constraints",   "DragKind",      "BiDiMode",
           "ParentBiDiMode", "OnSelect",      "OnClick",       "OnDblClick",    "OnDragDrop",
           "OnDragOver",     "OnDrawItem",    "OnEndDrag",     "OnEnter",       "OnExit",
           "OnKeyDown",      "OnKeyPress",    "OnKeyUp",       "OnMeasureItem", "OnMouseDown",
           "OnMouseMove",    "OnMouseUp",     "OnStartDrag",   "OnEndDock",     "OnStartDock"});
}

}  // namespace zyl
