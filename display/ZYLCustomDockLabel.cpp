#include "display/ZYLCustomDockLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/WinControl.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomDockLabel) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using C = TZYLCustomDockLabel;
  b.Declare("FocusControl", &C::FocusControl, &C::SetControl)
      .Declare("AdjustDockedSize", &C::GetBoolean, &C::SetBoolean)
      .Index(bpAdjustDockedSize)
      .Default(false)
      .Declare("Docked", &C::GetBoolean, &C::SetBoolean)
      .Index(bpDocked)
      .Default(true)
      .Declare("Margin", &C::Margin, &C::SetMargin)
      .Default(1)
      .Declare("Position", &C::Position, &C::SetPosition)
      .Default(dpLeft)
      .Declare("ReflectOwnChanges", &C::GetBoolean, &C::SetBoolean)
      .Index(bpReflectOwnChanges)
      .Default(false);
}

TZYLCustomDockLabel::TZYLCustomDockLabel(vcl::TComponent* AOwner)
    : inherited(AOwner), FLink(std::make_unique<TZYLDockLink>(this)) {
  FAutoSize = false;
  FLink->SetOnControlLost([this] { inherited::SetControl(nullptr); });
}

TZYLCustomDockLabel::~TZYLCustomDockLabel() {
  FLink->RestoreWndProc();
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = nullptr;
}

void TZYLCustomDockLabel::SetControl(vcl::TWinControl* Value) {
  if (Value == FFocusControl) return;
  inherited::SetControl(nullptr);
  FLink->SetControl(Value);
  inherited::SetControl(Value);
}

bool TZYLCustomDockLabel::GetBoolean(int Index) const {
  switch (Index) {
    case bpAdjustDockedSize: return FLink->AdjustDockedSize();
    case bpDocked: return FLink->Docked();
    case bpReflectOwnChanges: return FLink->ReflectOwnChanges();
    default: return false;
  }
}

void TZYLCustomDockLabel::SetBoolean(int Index, bool Value) {
  switch (Index) {
    case bpAdjustDockedSize: FLink->SetAdjustDockedSize(Value); break;
    case bpDocked: FLink->SetDocked(Value); break;
    case bpReflectOwnChanges: FLink->SetReflectOwnChanges(Value); break;
    default: break;
  }
}

void TZYLCustomDockLabel::CorrectBounds() {
  if (!HasControl()) {
    inherited::CorrectBounds();
    return;
  }
  if (Align() != vcl::alNone || !FAutoSize || ComponentState().contains(vcl::csLoading)) return;
  const vcl::TRect r = MeasureText(GetLabelText(), FFont3D, 0, DrawTextBiDiModeFlags(0));
  int w = r.Right, h = r.Bottom;
  if (AdjustDockedSize()) {
    if (Position() == dpLeft || Position() == dpRight)
      h = Height();
    else
      w = Width();
  }
  SetBounds(Left(), Top(), w, h);
}

void TZYLCustomDockLabel::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  // The name of older forms: read, never written.
  Filer->DefineProperty(
      "AdjustSize", [this](vcl::TReader* r) { FLink->SetAdjustDockedSize(r->ReadBoolean()); },
      nullptr, false);
}

void TZYLCustomDockLabel::Loaded() {
  inherited::Loaded();
  FLink->DockControl();
}

void TZYLCustomDockLabel::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  if (Operation == vcl::opRemove) FLink->ControlRemoved(AComponent);
  inherited::Notification(AComponent, Operation);
}

void TZYLCustomDockLabel::BoundsChange(TZYLBoundsChangeStates State) {
  inherited::BoundsChange(State);
  FLink->DockMoved();
}

void TZYLCustomDockLabel::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X,
                                    int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (!HasControl() || !FFocusControl->Visible()) return;
  try {
    FFocusControl->SetFocus();
  } catch (const vcl::Exception&) {
    // A control that cannot take the focus now is left as it is, without a message.
  }
}

}  // namespace zyl
