#include "edits/ZYLComboBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLComboBox) {
  // Style comes first and Items last: the items are read into the list of the right style.
  b.Publish({"Style",          "About",         "Anchors",        "BiDiMode",       "Color",
             "Constraints",    "Ctl3D",         "DragCursor",     "DragKind",       "DragMode",
             "DropDownCount",  "DropDownWidth", "Enabled",        "Flat",           "FocusControl",
             "Font",           "ImeMode",       "ImeName",        "Interval",       "ItemHeight",
             "MaxLength",      "MRUList",       "MRUMax",         "ParentBiDiMode", "ParentColor",
             "ParentCtl3D",    "ParentFont",    "ParentShowHint", "PopupMenu",      "Search",
             "ShowHint",       "Sorted",        "TabOrder",       "TabStop",        "Text",
             "UseGlobalTimer", "Visible",       "OnChange",       "OnClick",        "OnDblClick",
             "OnDragDrop",     "OnDragOver",    "OnDrawItem",     "OnDropDown",     "OnEditClick",
             "OnEndDock",      "OnEndDrag",     "OnEnter",        "OnExit",         "OnKeyDown",
             "OnKeyPress",     "OnKeyUp",       "OnMeasureItem",  "OnMouseDown",    "OnMouseMove",
             "OnMouseUp",      "OnSelect",      "OnStartDock",    "OnStartDrag",    "Items"});
}

}  // namespace zyl
