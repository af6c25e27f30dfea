#include "display/ZYLCustomDockLabel.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLButtonDock.h"
#include "foundation/ZYLObject.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinControl.h"
#include "platform/user/WinUser.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomDockLabel) {
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

TZYLCustomDockLabel::TZYLCustomDockLabel(vcl::TComponent* AOwner) : inherited(AOwner) {
  FAutoSize = false;
}

TZYLCustomDockLabel::~TZYLCustomDockLabel() {
  RestoreWndProc();
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = nullptr;
}

void TZYLCustomDockLabel::SetControl(vcl::TWinControl* Value) {
  if (Value == FFocusControl) return;
  RestoreWndProc();
  inherited::SetControl(Value);
  if (!Value) return;
  // Asked whether or not the control has its window yet: the hook does not need one, so a
  // second dock component is refused also while a form is being read.
  vcl::TComponent* other = ZYLDockQuery(Value);
  if (other && other != this) {
    inherited::SetControl(nullptr);
    ZYLRaiseDockError(other, Value);
  }
  DockControl();
}

bool TZYLCustomDockLabel::GetBoolean(int Index) const {
  switch (Index) {
    case bpAdjustDockedSize: return FAdjustDockedSize;
    case bpDocked: return FDocked;
    case bpReflectOwnChanges: return FReflectOwnChanges;
    default: return false;
  }
}

void TZYLCustomDockLabel::SetBoolean(int Index, bool Value) {
  switch (Index) {
    case bpAdjustDockedSize:
      if (ZYLStoreValue(FAdjustDockedSize, Value) && HasControl()) AdjustToControl();
      break;
    case bpDocked:
      if (!ZYLStoreValue(FDocked, Value)) break;
      if (HasControl())
        DockControl();
      else if (FFocusControl)
        RestoreWndProc();
      break;
    case bpReflectOwnChanges:
      if (ZYLStoreValue(FReflectOwnChanges, Value) && Value && HasControl()) AdjustToLabel();
      break;
    default: break;
  }
}

void TZYLCustomDockLabel::SetMargin(int32_t Value) {
  if (ZYLStoreValue(FMargin, Value) && HasControl()) AdjustToControl();
}

void TZYLCustomDockLabel::SetPosition(TZYLDockPosition Value) {
  if (ZYLStoreValue(FPosition, Value) && HasControl()) AdjustToControl();
}

void TZYLCustomDockLabel::DockControl() {
  if (!HasControl() || ComponentState().contains(vcl::csLoading)) return;
  FAdjusting = false;
  InitWndProc();
  AdjustToControl();
}

void TZYLCustomDockLabel::InitWndProc() {
  if (!HasControl() || FHooked) return;
  try {
    vcl::TWinControl* ctl = FFocusControl;
    // Two labels may have been given one control while a form was read: the first to dock
    // keeps it.
    vcl::TComponent* other = ZYLDockQuery(ctl);
    if (other && other != this) {
      inherited::SetControl(nullptr);
      return;
    }
    ctl->HandleNeeded();
    FPrevWndProc = ctl->WindowProc();
    ctl->SetWindowProc(vcl::TWndMethod(this, &TZYLCustomDockLabel::OwnWndProc));
    FHooked = ctl;
  } catch (const vcl::Exception&) {
    // Docking is left undone.
  }
}

void TZYLCustomDockLabel::RestoreWndProc() {
  FRestoring = true;
  vcl::TFinally done([this] { FRestoring = false; });
  if (FHooked && FHooked->WindowProc() == vcl::TWndMethod(this, &TZYLCustomDockLabel::OwnWndProc))
    FHooked->SetWindowProc(FPrevWndProc);
  FHooked = nullptr;
  FPrevWndProc = nullptr;
}

void TZYLCustomDockLabel::OwnWndProc(vcl::TMessage& Message) {
  vcl::TWinControl* ctl = FHooked;
  if (FPrevWndProc) FPrevWndProc(Message);
  if (FRestoring || !ctl) return;
  switch (Message.Msg) {
    case win::WM_MOVE:
    case win::WM_SIZE:
    // The framework takes a window's new bounds only after its WM_MOVE and WM_SIZE; once the
    // change is through, the label follows the bounds the control reports.
    case win::WM_WINDOWPOSCHANGED: AdjustToControl(); break;
    case win::WM_ENABLE: SetEnabled(Message.WParam != 0); break;
    case win::WM_SHOWWINDOW:
    case vcl::CM_SHOWINGCHANGED: {
      // The framework shows and hides windows without WM_SHOWWINDOW; its own message says so.
      if (ComponentState().contains(vcl::csDesigning)) break;
      const bool shown = Message.Msg == win::WM_SHOWWINDOW ? Message.WParam != 0 : ctl->Showing();
      if (!shown) {
        SetVisible(false);
      } else if (!Visible()) {
        AdjustToControl();
        SetVisible(true);
      }
      break;
    }
    case CM_ZYLDOCKQUERY: Message.Result = ZYLDockQueryAnswer(this); break;
    case win::WM_DESTROY:
      // A window that is only re-created keeps its label: the hook is on the control, not on
      // the window, and carries over to the new one.
      if (!ctl->ComponentState().contains(vcl::csDestroying)) break;
      RestoreWndProc();
      if (!ComponentState().contains(vcl::csDestroying)) SetControl(nullptr);
      break;
    default: break;
  }
}

void TZYLCustomDockLabel::AdjustToControl() {
  vcl::TWinControl* ctl = FFocusControl;
  if (FAdjusting || !ctl || !ctl->HandleAllocated() || ctl->Align() != vcl::alNone) return;
  FAdjusting = true;
  vcl::TFinally done([this] { FAdjusting = false; });
  int w = Width(), h = Height();
  if (FPosition == dpLeft || FPosition == dpRight) {
    if (FAdjustDockedSize) h = ctl->Height();
  } else if (FAdjustDockedSize) {
    w = ctl->Width();
  }
  switch (FPosition) {
    case dpBottom: SetBounds(ctl->Left(), ctl->Top() + ctl->Height() + FMargin, w, h); break;
    case dpLeft: SetBounds(ctl->Left() - w - FMargin, ctl->Top(), w, h); break;
    case dpRight: SetBounds(ctl->Left() + ctl->Width() + FMargin, ctl->Top(), w, h); break;
    case dpTop: SetBounds(ctl->Left(), ctl->Top() - h - FMargin, w, h); break;
  }
}

void TZYLCustomDockLabel::AdjustToLabel() {
  vcl::TWinControl* ctl = FFocusControl;
  if (FAdjusting || !ctl || ctl->Align() != vcl::alNone) return;
  FAdjusting = true;
  vcl::TFinally done([this] { FAdjusting = false; });
  const vcl::TRect r = BoundsRect();
  int w = ctl->Width(), h = ctl->Height();
  if (FPosition == dpLeft || FPosition == dpRight) {
    if (FAdjustDockedSize) h = Height();
  } else if (FAdjustDockedSize) {
    w = Width();
  }
  switch (FPosition) {
    case dpBottom: ctl->SetBounds(r.Left, r.Top - h - FMargin, w, h); break;
    case dpLeft: ctl->SetBounds(r.Right + FMargin, r.Top, w, h); break;
    case dpRight: ctl->SetBounds(r.Left - w - FMargin, r.Top, w, h); break;
    case dpTop: ctl->SetBounds(r.Left, r.Bottom + FMargin, w, h); break;
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
  if (FAdjustDockedSize) {
    if (FPosition == dpLeft || FPosition == dpRight)
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
      "AdjustSize", [this](vcl::TReader* r) { FAdjustDockedSize = r->ReadBoolean(); }, nullptr,
      false);
}

void TZYLCustomDockLabel::Loaded() {
  inherited::Loaded();
  DockControl();
}

void TZYLCustomDockLabel::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  // A control being freed is past putting its procedure back.
  if (Operation == vcl::opRemove && AComponent == FHooked) {
    FHooked = nullptr;
    FPrevWndProc = nullptr;
  }
  inherited::Notification(AComponent, Operation);
}

void TZYLCustomDockLabel::BoundsChange(TZYLBoundsChangeStates State) {
  inherited::BoundsChange(State);
  if (FReflectOwnChanges && HasControl()) AdjustToLabel();
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
