#pragma once
// Helpers the files of the standard controls share; not for users of the framework.

#include "platform/controls/StdCtrls.h"

namespace vcl::stdctrls_internal {

// Makes the control's window class a subclass of a system class: the system's procedure
// answers what the control leaves to its default handling.
void CreateSubClass(TCreateParams& Params, const char* SystemClass);
// The height of a line of the control's font.
int FontHeight(TFont* Font);
// Answers a CN_CTLCOLOR message with the control's font colour and brush.
void AnswerCtlColor(TMessage& Message, TFont* Font, TBrush* Brush);

}  // namespace vcl::stdctrls_internal

// Properties every windowed standard control publishes.
#define ZYL_WIN_COMMON(T)                                                      \
  .Prop("Anchors", &T::Anchors, &T::SetAnchors)                                \
      .Default(TAnchors{akLeft, akTop})                                        \
      .Stored(&T::IsAnchorsStored)                                             \
      .Prop("BiDiMode", &T::BiDiMode, &T::SetBiDiMode)                         \
      .Stored(&T::IsBiDiModeStored)                                            \
      .Prop("Constraints", &T::Constraints, &T::SetConstraints)                \
      .Prop("DragCursor", &T::DragCursor, &T::SetDragCursor, CursorTypeInfo()) \
      .Default(crDrag)                                                         \
      .Prop("DragKind", &T::DragKind, &T::SetDragKind)                         \
      .Default(dkDrag)                                                         \
      .Prop("DragMode", &T::DragMode, &T::SetDragMode)                         \
      .Default(dmManual)                                                       \
      .Prop("Enabled", &T::Enabled, &T::SetEnabled)                            \
      .Default(true)                                                           \
      .Prop("Font", &T::Font, &T::SetFont)                                     \
      .Stored(&T::IsFontStored)                                                \
      .Prop("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode)       \
      .Default(true)                                                           \
      .Prop("ParentFont", &T::ParentFont, &T::SetParentFont)                   \
      .Default(true)                                                           \
      .Prop("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint)       \
      .Default(true)                                                           \
      .Prop("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)                      \
      .Prop("ShowHint", &T::ShowHint, &T::SetShowHint)                         \
      .Stored(&T::IsShowHintStored)                                            \
      .Prop("TabOrder", &T::TabOrder, &T::SetTabOrder)                         \
      .Prop("Visible", &T::Visible, &T::SetVisible)                            \
      .Default(true)                                                           \
      .Prop("OnClick", &T::GetOnClick, &T::SetOnClick)                         \
      .Prop("OnDragDrop", &T::GetOnDragDrop, &T::SetOnDragDrop)                \
      .Prop("OnDragOver", &T::GetOnDragOver, &T::SetOnDragOver)                \
      .Prop("OnEndDock", &T::GetOnEndDock, &T::SetOnEndDock)                   \
      .Prop("OnEndDrag", &T::GetOnEndDrag, &T::SetOnEndDrag)                   \
      .Prop("OnEnter", &T::GetOnEnter, &T::SetOnEnter)                         \
      .Prop("OnExit", &T::GetOnExit, &T::SetOnExit)                            \
      .Prop("OnKeyDown", &T::GetOnKeyDown, &T::SetOnKeyDown)                   \
      .Prop("OnKeyPress", &T::GetOnKeyPress, &T::SetOnKeyPress)                \
      .Prop("OnKeyUp", &T::GetOnKeyUp, &T::SetOnKeyUp)                         \
      .Prop("OnMouseDown", &T::GetOnMouseDown, &T::SetOnMouseDown)             \
      .Prop("OnMouseMove", &T::GetOnMouseMove, &T::SetOnMouseMove)             \
      .Prop("OnMouseUp", &T::GetOnMouseUp, &T::SetOnMouseUp)                   \
      .Prop("OnStartDock", &T::GetOnStartDock, &T::SetOnStartDock)             \
      .Prop("OnStartDrag", &T::GetOnStartDrag, &T::SetOnStartDrag)

#define ZYL_EDIT_COMMON(T)                                            \
  .Prop("BorderStyle", &T::BorderStyle, &T::SetBorderStyle)           \
      .Default(bsSingle)                                              \
      .Prop("Color", &T::Color, &T::SetColor, ColorTypeInfo())        \
      .Stored(&T::IsColorStored)                                      \
      .Prop("Ctl3D", &T::Ctl3D, &T::SetCtl3D)                         \
      .Stored(&T::IsCtl3DStored)                                      \
      .Prop("HideSelection", &T::HideSelection, &T::SetHideSelection) \
      .Default(true)                                                  \
      .Prop("MaxLength", &T::MaxLength, &T::SetMaxLength)             \
      .Default(0)                                                     \
      .Prop("OEMConvert", &T::OEMConvert, &T::SetOEMConvert)          \
      .Default(false)                                                 \
      .Prop("ParentColor", &T::ParentColor, &T::SetParentColor)       \
      .Default(false)                                                 \
      .Prop("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D)       \
      .Default(true)                                                  \
      .Prop("ReadOnly", &T::ReadOnly, &T::SetReadOnly)                \
      .Default(false)                                                 \
      .Prop("TabStop", &T::TabStop, &T::SetTabStop)                   \
      .Default(true)                                                  \
      .Prop("OnChange", &T::GetOnChange, &T::SetOnChange)             \
      .Prop("OnDblClick", &T::GetOnDblClick, &T::SetOnDblClick)

#define ZYL_BUTTONCONTROL_COMMON(T)                             \
  .Prop("Caption", &T::Caption, &T::SetCaption)                 \
      .Prop("Color", &T::Color, &T::SetColor, ColorTypeInfo())  \
      .Stored(&T::IsColorStored)                                \
      .Prop("Ctl3D", &T::Ctl3D, &T::SetCtl3D)                   \
      .Stored(&T::IsCtl3DStored)                                \
      .Prop("ParentColor", &T::ParentColor, &T::SetParentColor) \
      .Default(true)                                            \
      .Prop("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D) \
      .Default(true)                                            \
      .Prop("TabStop", &T::TabStop, &T::SetTabStop)             \
      .Default(true)
