#include "foundation/ZYLWndProcComponent.h"

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Messages.h"
#include "platform/user/WinUser.h"

namespace zyl {

using namespace vcl;

TZYLWndProcComponent::TZYLWndProcComponent(TComponent* AOwner) : inherited(AOwner) {
  if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) {
    if (form->FormStyle() == fsMDIChild) FFormKind = 1;
    else if (form->FormStyle() == fsMDIForm) FFormKind = 2;
  }
  FOwnWindowProc.Bind(this, &TZYLWndProcComponent::WndProc);
}

TZYLWndProcComponent::~TZYLWndProcComponent() { RestoreWndProc(); }

void TZYLWndProcComponent::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (!ComponentState().contains(csDesigning)) {
    if (Value) Init();
    else RestoreState();
  }
  EnabledChanged();
}

void TZYLWndProcComponent::SetDesignEnabled(bool Value) {
  if (Value == FDesignEnabled) return;
  FDesignEnabled = Value;
  DesignEnabledChanged();
}

void TZYLWndProcComponent::SetHandleApp(bool Value) {
  if (ComponentState().contains(csLoading) || ComponentState().contains(csDesigning))
    FHandleApp = Value;
}

TCustomForm* TZYLWndProcComponent::GetOwnerForm() const {
  return dynamic_cast<TCustomForm*>(Owner());
}

win::HWND TZYLWndProcComponent::GetOwnerHandle() const {
  auto* ctl = dynamic_cast<TWinControl*>(Owner());
  if (!ctl || ctl->ComponentState().contains(csDestroying)) return nullptr;
  return ctl->Handle();
}

bool TZYLWndProcComponent::ValidOwner() const {
  auto* ctl = dynamic_cast<TWinControl*>(Owner());
  return ctl && ctl->HandleAllocated() && !ComponentState().contains(csLoading) &&
         !ComponentState().contains(csDestroying);
}

void TZYLWndProcComponent::Loaded() {
  inherited::Loaded();
  if (!ComponentState().contains(csDesigning) || FDesignEnabled) Init();
}

void TZYLWndProcComponent::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (AComponent == this && Operation == opRemove) RestoreWndProc();
}

void TZYLWndProcComponent::Init() {
  if (FEnabled && !FHooked) NewWndProc();
}

void TZYLWndProcComponent::NewWndProc() {
  auto* ctl = dynamic_cast<TWinControl*>(Owner());
  if (!ctl || ctl->ComponentState().contains(csDestroying)) return;
  if (ComponentState().contains(csDesigning) && !FDesignEnabled) return;
  // The hook needs the owner's window; this creates it when it is not there yet.
  if (!ctl->Handle()) return;
  FSuspended = false;
  // The stand-in application has no separate main-window hook chain; HandleApp descendants
  // receive the application's messages through AppWndProc only where they forward them.
  FPrevWindowProc = ctl->WindowProc();
  ctl->SetWindowProc(FOwnWindowProc);
  FHookedControl = ctl;
  FHooked = true;
}

void TZYLWndProcComponent::RestoreWndProc() {
  if (!FSilentRemove && FHooked && FHookedControl &&
      !FHookedControl->ComponentState().contains(csDestroying)) {
    // Only put the previous method back when ours is still the one in place; a later hook
    // chained over ours keeps calling us, and we then pass straight through.
    if (FHookedControl->WindowProc() == FOwnWindowProc)
      FHookedControl->SetWindowProc(FPrevWindowProc);
    else
      FSuspended = false;
  }
  FHooked = false;
  FHookedControl = nullptr;
  FPrevWindowProc = nullptr;
  FSilentRemove = false;
  FSuspended = false;
}

void TZYLWndProcComponent::RestoreState() { RestoreWndProc(); }

void TZYLWndProcComponent::CallPrevWndProc(TMessage& Message) {
  if (FPrevWindowProc) {
    FPrevWindowProc(Message);
  } else if (auto* ctl = dynamic_cast<TWinControl*>(Owner())) {
    // Unhooked (a later hook still chains through us): the owner's own procedure.
    if (!ctl->ComponentState().contains(csDestroying)) ctl->WndProc(Message);
  }
}

bool TZYLWndProcComponent::AppWndProc(TMessage&) { return false; }

void TZYLWndProcComponent::WndProc(TMessage& Message) {
  if (FSuspended) return;
  switch (Message.Msg) {
    case win::WM_DESTROY:
      if (FFormKind == 1) {
        RestoreWndProc();
        return;
      }
      CallPrevWndProc(Message);
      return;
    case CM_RECREATEWND: {
      CallPrevWndProc(Message);
      // The hook stays on the WindowProc method across the new window; Init re-installs it
      // when a descendant removed it while the window was gone.
      Init();
      return;
    }
    default:
      CallPrevWndProc(Message);
  }
}

ZYL_CLASS_IMPL(TZYLWndProcComponent) {
  b.Prop("Enabled", &TZYLWndProcComponent::Enabled, &TZYLWndProcComponent::SetEnabled)
      .Default(true);
}

}  // namespace zyl
