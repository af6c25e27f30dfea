#include "display/ZYLBoundLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/user/WinUser.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLBoundLabel) {
  using C = TZYLBoundLabel;
  b.Prop("Left", &C::GetLeft, nullptr)
      .Stored(false)
      .Prop("Top", &C::GetTop, nullptr)
      .Stored(false)
      .Prop("Width", &C::Width, &C::SetWidth)
      .Prop("Height", &C::Height, &C::SetHeight)
      .Publish({"About", "Align", "Alignment"})
      .Default(agCenterLeft)
      .Publish({"AutoSize",         "Caption",        "Font",         "Font3D",
                "FontSmoothing",    "MultiLine",      "Options",      "ShowAccelChar",
                "Transparent",      "Twinkle",        "TwinkleColor", "TwinkleVisible",
                "TwinkleInVisible", "UseGlobalTimer", "Jump",         "ActiveColor",
                "InActiveColor",    "JumpUnderline",  "JumpMode",     "FocusControl"})
      .Stored(&C::IsNotParent)
      .Publish({"Color", "Enabled", "Visible", "ParentColor", "ParentFont", "ParentShowHint",
                "ShowHint", "PopupMenu", "DragCursor", "DragMode", "DragKind"})
      .Prop("Anchors", &C::GetAnchors, nullptr)
      .Stored(false)
      .Publish({"BiDiMode", "ParentBiDiMode"})
      .Prop("Constraints", &C::GetConstraints, nullptr)
      .Stored(false)
      .Publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag",
                "OnEndDock", "OnStartDock", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                "OnMouseEnter", "OnMouseExit"});
}

TZYLBoundLabel::TZYLBoundLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetName("SubLabel");
  SetAlignment(agCenterLeft);
  SetCaption(AOwner ? AOwner->Name() : std::string());
}

void TZYLBoundLabel::NotifyOwner(bool OnlyAllocated) {
  auto* owner = dynamic_cast<vcl::TWinControl*>(Owner());
  if (!owner || owner->ComponentState().contains(vcl::csDestroying)) return;
  if (OnlyAllocated && !owner->HandleAllocated()) return;
  win::SendMessageA(owner->Handle(), CM_ZYLBOUNDLABELCHANGE, 0, 0);
}

void TZYLBoundLabel::SetWidth(int Value) {
  inherited::SetWidth(Value);
  if (!FAutoSize && !IsLoadingOrReading()) NotifyOwner(false);
}

void TZYLBoundLabel::SetHeight(int Value) {
  inherited::SetHeight(Value);
  if (!FAutoSize && !IsLoadingOrReading()) NotifyOwner(false);
}

void TZYLBoundLabel::CorrectBounds() {
  const int w = Width(), h = Height();
  inherited::CorrectBounds();
  if (IsLoadingOrReading() || Width() != w || Height() != h) NotifyOwner(true);
}

void ZYLBoundLabelInit() { vcl::RegisterClasses({TZYLBoundLabel::StaticClass()}); }
void ZYLBoundLabelDone() { vcl::UnRegisterClasses({TZYLBoundLabel::StaticClass()}); }

}  // namespace zyl
