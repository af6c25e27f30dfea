#include "display/ZYLGlyphLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLGlyphLabel) {
  using C = TZYLGlyphLabel;
  b.Publish({"About", "Align"})
      .Prop("Alignment", &C::GlyphLayout, &C::SetGlyphLayout)
      .Publish("AutoSize")
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish({"Caption", "Color", "Cursor", "Hint", "Font"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Publish({"ImageList",   "ImageIndex",     "ListIndex",    "MultiLine",   "ShowAccelChar",
                "Transparent", "FocusControl",   "Enabled",      "Visible",     "ParentColor",
                "ParentFont",  "ParentShowHint", "ShowHint",     "PopupMenu",   "DragCursor",
                "DragMode",    "DragKind",       "Anchors",      "BiDiMode",    "ParentBiDiMode",
                "Constraints", "OnClick",        "OnDblClick",   "OnDragDrop",  "OnDragOver",
                "OnEndDrag",   "OnStartDrag",    "OnEndDock",    "OnStartDock", "OnMouseDown",
                "OnMouseMove", "OnMouseUp",      "OnMouseEnter", "OnMouseExit"});
}

}  // namespace zyl
