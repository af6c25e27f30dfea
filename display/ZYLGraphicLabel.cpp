#include "display/ZYLGraphicLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLGraphicLabel) {
  using C = TZYLGraphicLabel;
  b.Publish("About")
      .Publish({"Align", "Anchors"})
      .Prop("Attributes", &C::Attributes, &C::SetTransAttr)
      .Default(TZYLTransLabelAttr{ZYLGrlf::taAutoToggled})
      .Prop("AutoSize", &C::GetBoolean, &C::SetBoolean)
      .Index(bpAutoSize)
      .Default(false)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish("BiDiMode")
      .Prop("BrushBackColor", &C::BrushBackColor, &C::SetBrushBack, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Publish("Caption")
      .Publish("Color").NoDefault()
      .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("Factor", &C::GetInteger, &C::SetInteger)
      .Index(ipFactor)
      .Default(5)
      .Prop("FillObject", &C::FillObject, &C::SetFillObject)
      .Publish("Font")
      .Prop("FontFX", &C::FontFX, &C::SetFontFX)
      .Publish({"ImageList", "ImageIndex"})
      .Prop("InvertCaption", &C::GetBoolean, &C::SetBoolean)
      .Index(bpInvertCaption)
      .Default(false)
      .Publish({"ListIndex", "ParentBiDiMode", "ParentColor"})
      // A new label has its own font, so the parent's font is what a stream must mention.
      .Publish("ParentFont").Default(false)
      .Publish("ParentShowHint")
      .Prop("Perspective", &C::Perspective, &C::SetPerspective)
      .Default(ZYLGrlf::tpBird)
      .Prop("PerspectiveDepth", &C::GetInteger, &C::SetInteger)
      .Index(ipPerspectiveDepth)
      .Default(5)
      .Publish({"PopupMenu", "ShowHint"})
      .Prop("Toggle", &C::Toggle, &C::SetToggle)
      .Default(0)
      .Prop("Transform", &C::Transform, &C::SetTransform)
      .Default(ZYLGrlf::tmWave)
      .Publish("Transparent").Default(false)
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock",
                "OnStartDrag"});
}

}  // namespace zyl
