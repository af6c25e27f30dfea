// TZYLSimplePanel: a bevel panel whose bevel lies in the window's non-client area, so the whole
// client area belongs to the children.
#pragma once

#include "buttons/ZYLCustomBevelPanel.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Colors.h"
#include "platform/sys/Packages.h"

namespace zyl {

// Publishes what the library's bevel panels publish.
template <class C>
void ZYLPublishPanel(vcl::TClassBuilder<C>& b, bool Transparent = false) {
  b.Publish("About")
      .Publish({"Align", "Anchors", "Bevel"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish({"Constraints", "Ctl3D", "Cursor", "DragCursor", "DragKind", "DragMode", "Enabled",
                "Font"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder",
                "TabStop"});
  if (Transparent) b.Publish("Transparent");
  b.Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
             "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp",
             "OnResize", "OnStartDock", "OnStartDrag"});
}

class TZYLSimplePanel : public TZYLCustomBevelPanel {
  ZYL_CLASS(TZYLSimplePanel, TZYLCustomBevelPanel)
  ZYL_MESSAGES(TZYLSimplePanel)
  explicit TZYLSimplePanel(vcl::TComponent* AOwner);

  // The children use the whole client area: the bevel is outside it.
  void AlignControls(vcl::TControl* AControl, vcl::TRect& Rect) override;
  // Before the window exists, the client area is the bounds less the frame's bevel.
  vcl::TRect GetClientRect() override;

 protected:
  void Paint() override;
  void RestoreBorderFront() override;
  void RestoreBorderBack() override {}
  void WMNCCalcSize(vcl::TMessage& Message);
  void WMNCPaint(vcl::TMessage& Message);
  void WMPrint(vcl::TMessage& Message);
  // Paints the bevel into the window's frame (into `DC` when given, as ZYLPaintWindowFrame).
  void PaintFrame(win::HDC DC = nullptr);
};

inline constexpr vcl::TUnitEntry ZYLSimplePanelUnit =
    vcl::ClassesUnit<TZYLSimplePanel>("ZYLSimplePanel");

}  // namespace zyl
