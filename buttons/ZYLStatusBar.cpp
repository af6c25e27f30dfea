#include "buttons/ZYLStatusBar.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLGraph.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

ZYL_CLASS_IMPL(TZYLCustomStatusBar) {}

TZYLCustomStatusBar::TZYLCustomStatusBar(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(0, 0, 200, 19);
  SetAlign(vcl::alBottom);
}

ZYL_CLASS_IMPL(TZYLStatusBar) {
  using C = TZYLStatusBar;
  b.Publish("About")
      .Publish("Align")
      .Default(vcl::alBottom)
      .Publish("Alignment")
      .Default(agCenterLeft)
      .Publish({"Anchors", "BackFX", "Bevel", "Caption"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish("Constraints")
      .Prop("ControlGap", &C::ControlGap, &C::SetControlGap)
      .Default(4)
      .Publish({"Cursor", "DragCursor", "DragKind", "DragMode", "Enabled", "FillObject", "Font",
                "FontFX"})
      .Prop("Font3D", &C::Font3D, &C::SetFont3D)
      .Publish({"ImageIndex", "ImageList", "ListIndex"})
      .Prop("OldStyle", &C::GetBoolean, &C::SetBoolean)
      .Index(C::biOldStyle)
      .Default(true)
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"})
      .Prop("SimplePanel", &C::GetBoolean, &C::SetBoolean)
      .Index(C::biSimplePanel)
      .Default(false)
      .Prop("SimpleText", &C::SimpleText, &C::SetSimpleText)
      .Publish({"Transparent", "Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnMouseDown", "OnMouseEnter", "OnMouseExit",
                "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock", "OnStartDrag"});
}

TZYLStatusBar::TZYLStatusBar(vcl::TComponent* AOwner) : inherited(AOwner) {
  FAlignment = agCenterLeft;
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLStatusBar::GetChange));
}

TZYLStatusBar::~TZYLStatusBar() { FFont3D.reset(); }

void TZYLStatusBar::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLStatusBar::SetControlGap(int Value) {
  if (Value < 0 || Value == FControlGap) return;
  FControlGap = Value;
  // Labels measure themselves with the gap: they are asked to size again.
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(vcl::CM_TEXTCHANGED, 0, 0);
  Invalidate();
}

void TZYLStatusBar::SetBoolean(int Index, bool Value) {
  bool& field = Index == biSimplePanel ? FSimplePanel : FOldStyle;
  if (field == Value) return;
  field = Value;
  Invalidate();
}

void TZYLStatusBar::SetSimpleText(const std::string& Value) {
  if (FSimpleText == Value) return;
  FSimpleText = Value;
  if (FSimplePanel) Invalidate();
}

std::string TZYLStatusBar::GetLabelText() { return FSimplePanel ? FSimpleText : Caption(); }

void TZYLStatusBar::Paint() {
  inherited::Paint();
  if (!ComponentState().contains(vcl::csLoading) && !FSimplePanel) PaintChildFrames();
}

void TZYLStatusBar::PaintChildFrames() {
  vcl::TCanvas* c = Canvas();
  const TRect inner = BeveledRect();
  for (int i = 0; i < ControlCount(); ++i) {
    vcl::TControl* ch = Controls(i);
    if (!ch->Visible()) continue;
    const TRect b = ch->BoundsRect();
    if (FOldStyle) {
      TRect f{b.Left - 1, b.Top - 1, b.Right + 1, b.Bottom + 1};
      ZYLDrawStdFrame(c, f, lsLowered, 0);
    } else {
      const int x = b.Right + FControlGap / 2;
      if (x + 2 > inner.Right) continue;
      c->Pen()->SetStyle(vcl::psSolid);
      c->Pen()->SetColor(vcl::clBtnShadow);
      c->MoveTo(x, inner.Top + 1);
      c->LineTo(x, inner.Bottom - 1);
      c->Pen()->SetColor(vcl::clBtnHighlight);
      c->MoveTo(x + 1, inner.Top + 1);
      c->LineTo(x + 1, inner.Bottom - 1);
    }
  }
}

}  // namespace zyl
