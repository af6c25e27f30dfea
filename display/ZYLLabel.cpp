#include "display/ZYLLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLLabel) {
  b.Publish({"About",        "Align",        "Alignment",      "AutoSize",
             "Bevel",        "Caption",      "Color",          "Font",
             "FontFX",       "MultiLine",    "Options",        "ShowAccelChar",
             "Transparent",  "Twinkle",      "TwinkleVisible", "TwinkleInVisible",
             "TwinkleColor", "FocusControl", "Enabled",        "Visible",
             "ParentColor",  "ParentFont",   "ParentShowHint", "ShowHint",
             "PopupMenu",    "DragCursor",   "DragMode",       "DragKind",
             "Anchors",      "BiDiMode",     "ParentBiDiMode", "Constraints",
             "OnClick",      "OnDblClick",   "OnDragDrop",     "OnDragOver",
             "OnEndDrag",    "OnStartDrag",  "OnEndDock",      "OnStartDock",
             "OnMouseDown",  "OnMouseMove",  "OnMouseUp",      "OnMouseEnter",
             "OnMouseExit"});
}

}  // namespace zyl
