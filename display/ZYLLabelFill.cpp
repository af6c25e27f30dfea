#include "display/ZYLLabelFill.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLLabelFill) {
  b.Publish({"About", "Align", "Alignment", "AutoSize", "Bevel", "Caption", "Color", "Font",
             "FontFX", "MultiLine", "Options", "ShowAccelChar", "Transparent", "FocusControl",
             "Enabled", "Visible", "ParentColor", "ParentFont"})
      // A new fill label has a font of its own, so the parent's font is what a stream mentions.
      .Default(false)
      .Publish({"ParentShowHint", "ShowHint",     "PopupMenu",   "DragCursor",     "DragMode",
                "DragKind",       "Anchors",      "BiDiMode",    "ParentBiDiMode", "Constraints",
                "ImageList",      "ImageIndex",   "ListIndex",   "BrushBackColor", "FillObject",
                "OnClick",        "OnDblClick",   "OnDragDrop",  "OnDragOver",     "OnEndDrag",
                "OnStartDrag",    "OnEndDock",    "OnStartDock", "OnMouseDown",    "OnMouseMove",
                "OnMouseUp",      "OnMouseEnter", "OnMouseExit"});
}

}  // namespace zyl
