#include "display/ZYLLEDLabel.h"

#include "display/ZYLLED.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLLEDLabel) {
  using C = TZYLLEDLabel;
  b.Prop("About", &C::About, &C::SetAbout)
      .Stored(false)
      .Prop("Align", &C::Align, &C::SetAlign)
      .Default(vcl::alNone)
      .Prop("AutoSize", &C::AutoSize, &C::SetAutosize)
      .Default(false)
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("Color", &C::Color, &C::SetColor, vcl::ColorTypeInfo())
      .Default(0)
      .Prop("Digits", &C::Digits, &C::SetDigits)
      .Default(2)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("LED", &C::LED, &C::SetLED)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(lsString)
      .Prop("Transparent", &C::Transparent, &C::SetTransparent)
      .Default(false)
      .Prop("Value", &C::Value, &C::SetValue)
      .Default(0)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true)
      .Prop("DragCursor", &C::DragCursor, &C::SetDragCursor, vcl::CursorTypeInfo())
      .Default(vcl::crDrag)
      .Prop("DragMode", &C::DragMode, &C::SetDragMode)
      .Default(vcl::dmManual)
      .Prop("DragKind", &C::DragKind, &C::SetDragKind)
      .Default(vcl::dkDrag)
      .Prop("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint)
      .Default(true)
      .Prop("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
      .Prop("ShowHint", &C::ShowHint, &C::SetShowHint)
      .Stored(&C::IsShowHintStored)
      .Prop("Anchors", &C::Anchors, &C::SetAnchors)
      .Default(vcl::TAnchors{vcl::akLeft, vcl::akTop})
      .Stored(&C::IsAnchorsStored)
      .Prop("Constraints", &C::Constraints, &C::SetConstraints)
      .Prop("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Prop("OnDblClick", &C::GetOnDblClick, &C::SetOnDblClick)
      .Prop("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop)
      .Prop("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver)
      .Prop("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag)
      .Prop("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag)
      .Prop("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock)
      .Prop("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock)
      .Prop("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Prop("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove)
      .Prop("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp);
}

void ZYLLEDLabelInit() {
  ZYLLEDInit();
  vcl::RegisterClasses({TZYLLEDLabel::StaticClass()});
}

void ZYLLEDLabelDone() { vcl::UnRegisterClasses({TZYLLEDLabel::StaticClass()}); }

}  // namespace zyl
