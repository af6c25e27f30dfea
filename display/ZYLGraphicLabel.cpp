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
  b.Prop("About", &C::About, &C::SetAbout)
      .Stored(false)
      .Prop("Align", &C::Align, &C::SetAlign)
      .Default(vcl::alNone)
      .Prop("Anchors", &C::Anchors, &C::SetAnchors)
      .Default(vcl::TAnchors{vcl::akLeft, vcl::akTop})
      .Stored(&C::IsAnchorsStored)
      .Prop("Attributes", &C::Attributes, &C::SetTransAttr)
      .Default(TZYLTransLabelAttr{ZYLGrlf::taAutoToggled})
      .Prop("AutoSize", &C::GetBoolean, &C::SetBoolean)
      .Index(1)
      .Default(false)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Prop("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
      .Stored(&C::IsBiDiModeStored)
      .Prop("BrushBackColor", &C::BrushBackColor, &C::SetBrushBack, vcl::ColorTypeInfo())
      .Default(vcl::clBtnFace)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("Color", &C::Color, &C::SetColor, vcl::ColorTypeInfo())
      .Stored(&C::IsColorStored)
      .Prop("Constraints", &C::Constraints, &C::SetConstraints)
      .Prop("DragCursor", &C::DragCursor, &C::SetDragCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDrag)
      .Prop("DragKind", &C::DragKind, &C::SetDragKind)
      .Default(vcl::dkDrag)
      .Prop("DragMode", &C::DragMode, &C::SetDragMode)
      .Default(vcl::dmManual)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("Factor", &C::GetInteger, &C::SetInteger)
      .Index(2)
      .Default(5)
      .Prop("FillObject", &C::FillObject, &C::SetFillObject)
      .Prop("Font", &C::Font, &C::SetFont)
      .Stored(&C::IsFontStored)
      .Prop("FontFX", &C::FontFX, &C::SetFontFX)
      .Prop("ImageList", &C::ImageList, &C::SetImageList)
      .Stored(&C::IsImageListStored)
      .Prop("ImageIndex", &C::GetIndex, &C::SetIndex)
      .Index(0)
      .Default(0)
      .Prop("InvertCaption", &C::GetBoolean, &C::SetBoolean)
      .Index(2)
      .Default(false)
      .Prop("ListIndex", &C::GetIndex, &C::SetIndex)
      .Index(1)
      .Default(0)
      .Prop("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode)
      .Default(true)
      .Prop("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(true)
      .Prop("ParentFont", &C::ParentFont, &C::SetParentFont)
      .Default(true)
      .Prop("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint)
      .Default(true)
      .Prop("Perspective", &C::Perspective, &C::SetPerspective)
      .Default(ZYLGrlf::tpBird)
      .Prop("PerspectiveDepth", &C::GetInteger, &C::SetInteger)
      .Index(4)
      .Default(5)
      .Prop("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
      .Prop("ShowHint", &C::ShowHint, &C::SetShowHint)
      .Stored(&C::IsShowHintStored)
      .Prop("Toggle", &C::Toggle, &C::SetToggle)
      .Default(0)
      .Prop("Transform", &C::Transform, &C::SetTransform)
      .Default(ZYLGrlf::tmWave)
      .Prop("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(false)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true)
      .Prop("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Prop("OnDblClick", &C::GetOnDblClick, &C::SetOnDblClick)
      .Prop("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop)
      .Prop("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver)
      .Prop("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock)
      .Prop("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag)
      .Prop("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Prop("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove)
      .Prop("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp)
      .Prop("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock)
      .Prop("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag);
}

void ZYLGraphicLabelInit() { vcl::RegisterClasses({TZYLGraphicLabel::StaticClass()}); }
void ZYLGraphicLabelDone() { vcl::UnRegisterClasses({TZYLGraphicLabel::StaticClass()}); }

}  // namespace zyl
