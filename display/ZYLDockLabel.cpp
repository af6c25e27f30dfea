#include "display/ZYLDockLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLDockLabel) {
  b.Publish({"About", "Action", "Align", "Alignment", "AutoSize"})
      .Default(false)
      .Publish({"Caption",        "Font",           "Font3D",         "FontSmoothing",
                "MultiLine",      "Options",        "ShowAccelChar",  "Transparent",
                "Twinkle",        "TwinkleColor",   "TwinkleVisible", "TwinkleInVisible",
                "UseGlobalTimer", "Jump",           "ActiveColor",    "InActiveColor",
                "JumpUnderline",  "JumpMode",       "FocusControl",   "AdjustDockedSize",
                "Docked",         "Margin",         "Position",       "ReflectOwnChanges",
                "Color",          "Enabled",        "Visible",        "ParentColor",
                "ParentFont",     "ParentShowHint", "ShowHint",       "PopupMenu",
                "DragCursor",     "DragMode",       "DragKind",       "Anchors",
                "BiDiMode",       "ParentBiDiMode", "Constraints",    "OnClick",
                "OnDblClick",     "OnDragDrop",     "OnDragOver",     "OnEndDrag",
                "OnStartDrag",    "OnEndDock",      "OnStartDock",    "OnMouseDown",
                "OnMouseMove",    "OnMouseUp",      "OnMouseEnter",   "OnMouseExit"});
}

}  // namespace zyl
