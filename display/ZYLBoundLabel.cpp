#include "display/ZYLBoundLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/rtl/SysUtils.h"
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

// ---------------------------------------------------------------------------------------------
// TZYLLabelBinding

void TZYLLabelBinding::SetHasLabel(bool Value) {
  if (Value) {
    FHasLabel = true;
    if (FLabel) return;
    FLabel = new TZYLBoundLabel(FOwner);
    FLabel->FreeNotification(FOwner);
    FLabel->SetControl(FOwner);
    if (FOwner->Parent()) {
      FLabel->SetParent(FOwner->Parent());
      Place();
    }
    return;
  }
  FHasLabel = false;
  TZYLBoundLabel* l = FLabel;
  FLabel = nullptr;
  delete l;
}

void TZYLLabelBinding::SetPosition(vcl::TLabelPosition Value) {
  FPosition = Value;
  Place();
}

void TZYLLabelBinding::SetSpacing(int Value) {
  FSpacing = Value;
  Place();
}

void TZYLLabelBinding::SetSync(bool Value) {
  if (Value == FSync) return;
  FSync = Value;
  if (Value && FLabel) FLabel->SetAutoSize(false);
  Place();
}

void TZYLLabelBinding::Place() {
  const vcl::TComponentState st = FOwner->ComponentState();
  if (!FLabel || st.contains(vcl::csLoading) || st.contains(vcl::csReading) ||
      st.contains(vcl::csDestroying))
    return;
  const vcl::TControl* o = FOwner;
  int x = o->Left(), y = o->Top(), w = FLabel->Width(), h = FLabel->Height();
  if (FSync) {
    if (FPosition == vcl::lpAbove || FPosition == vcl::lpBelow)
      w = o->Width();
    else
      h = o->Height();
  }
  switch (FPosition) {
    case vcl::lpAbove: y = vcl::ClampToInt(int64_t{o->Top()} - h - FSpacing); break;
    case vcl::lpBelow: y = vcl::ClampToInt(int64_t{o->Top()} + o->Height() + FSpacing); break;
    case vcl::lpLeft: x = vcl::ClampToInt(int64_t{o->Left()} - w - FSpacing); break;
    case vcl::lpRight: x = vcl::ClampToInt(int64_t{o->Left()} + o->Width() + FSpacing); break;
  }
  FLabel->SetBounds(x, y, w, h);
}

void TZYLLabelBinding::ParentChanged() {
  if (!FLabel) return;
  FLabel->SetParent(FOwner->Parent());
  FLabel->SetVisible(FOwner->Visible());
  Place();
}

void TZYLLabelBinding::VisibleChanged() {
  if (FLabel) FLabel->SetVisible(FOwner->Visible());
}

void TZYLLabelBinding::EnabledChanged() {
  if (FLabel) FLabel->SetEnabled(FOwner->Enabled());
}

void TZYLLabelBinding::BiDiModeChanged() {
  if (FLabel) FLabel->SetBiDiMode(FOwner->BiDiMode());
}

void TZYLLabelBinding::Renamed(const std::string& OldName, const std::string& NewName) {
  if (!FLabel || !FOwner->ComponentState().contains(vcl::csDesigning)) return;
  const std::string caption = FLabel->Caption();
  if (caption.empty() || vcl::CompareText(caption, OldName) == 0) FLabel->SetCaption(NewName);
}

void TZYLLabelBinding::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  if (Operation == vcl::opRemove && AComponent == FLabel) {
    FLabel = nullptr;
    FHasLabel = false;
  }
}

void TZYLLabelBinding::DefineProperties(vcl::TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "SubLabel",
      [this](vcl::TStream* s) {
        if (!FLabel) SetHasLabel(true);
        s->ReadComponent(FLabel);
      },
      [this](vcl::TStream* s) { s->WriteComponent(FLabel); }, FHasLabel && FLabel);
}

}  // namespace zyl
