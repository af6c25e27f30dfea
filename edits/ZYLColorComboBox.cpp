#include "edits/ZYLColorComboBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLColorComboBox) {
  b.Publish({"About",
             "CustomColors",
             "CustomMode",
             "DlgOptions",
             "DlgHelpContext",
             "DisplayStyle",
             "Options",
             "OnBeforeDialogShow",
             "OnAfterDialogShow",
             "Color",
             "Ctl3D",
             "DragMode",
             "DragCursor",
             "DropDownCount",
             "DropDownWidth",
             "Enabled",
             "Flat",
             "FocusControl",
             "Font",
             "ParentColor",
             "ParentCtl3D",
             "ParentFont",
             "ParentShowHint",
             "PopupMenu",
             "ShowHint",
             "Sorted",
             "TabOrder",
             "TabStop",
             "UseGlobalTimer",
             "Visible",
             "Anchors",
             "Constraints",
             "DragKind",
             "BiDiMode",
             "ParentBiDiMode",
             "OnSelect",
             "OnChange",
             "OnClick",
             "OnDblClick",
             "OnDragDrop",
             "OnDragOver",
             "OnDropDown",
             "OnEndDrag",
             "OnEnter",
             "OnExit",
             "OnKeyDown",
             "OnKeyPress",
             "OnKeyUp",
             "OnStartDrag",
             "OnEndDock",
             "OnStartDock"});
}

}  // namespace zyl
