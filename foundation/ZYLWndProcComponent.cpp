#include "foundation/ZYLWndProcComponent.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Messages.h"
#include "platform/user/WinUser.h"

namespace zyl {

using namespace vcl;

namespace {

// The hooks installed on each control, oldest first. Each hook calls the method it replaced;
// when a hook in the middle of a chain goes, the one installed after it takes over what it
// had replaced, so that no hook keeps calling a freed one.
std::map<TWinControl*, std::vector<TZYLWndProcComponent*>>& HookChains() {
  static std::map<TWinControl*, std::vector<TZYLWndProcComponent*>> chains;
  return chains;
}

}  // namespace

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
  if (FHandleApp && Application && !FAppHooked) {
    Application->HookMainWindow(TWindowHook(this, &TZYLWndProcComponent::AppWndProc));
    FHookedApp = Application;
    FAppHooked = true;
  }
  // The hook always replaces the WindowProc method (there is no MDI client window to
  // subclass).
  FPrevWindowProc = ctl->WindowProc();
  ctl->SetWindowProc(FOwnWindowProc);
  FHookedControl = ctl;
  FHooked = true;
  HookChains()[ctl].push_back(this);
}

void TZYLWndProcComponent::RestoreWndProc() {
  // A form frees its components while it is still whole, so its WindowProc can be put back
  // even while it is being destroyed; other controls free them after their control part is
  // gone, and are left alone then.
  const bool ownerWhole =
      FHookedControl && (dynamic_cast<TCustomForm*>(FHookedControl) ||
                         !FHookedControl->ComponentState().contains(csDestroying));
  if (!FSilentRemove && FHooked && ownerWhole) {
    // Only put the previous method back when ours is still the one in place; otherwise the
    // chain below takes this hook out.
    if (FHookedControl->WindowProc() == FOwnWindowProc)
      FHookedControl->SetWindowProc(FPrevWindowProc);
  }
  if (FHooked && FHookedControl) {
    auto& chains = HookChains();
    auto it = chains.find(FHookedControl);
    if (it != chains.end()) {
      auto& chain = it->second;
      auto self = std::find(chain.begin(), chain.end(), this);
      if (self != chain.end()) {
        // The hook installed after this one now calls what this one replaced.
        if (self + 1 != chain.end()) (*(self + 1))->FPrevWindowProc = FPrevWindowProc;
        chain.erase(self);
      }
      if (chain.empty()) chains.erase(it);
    }
  }
  if (FAppHooked) {
    // Only the application hooked into is asked; one that replaced it never knew this hook.
    if (Application && Application == FHookedApp)
      Application->UnhookMainWindow(TWindowHook(this, &TZYLWndProcComponent::AppWndProc));
    FAppHooked = false;
    FHookedApp = nullptr;
  }
  FHooked = false;
  FHookedControl = nullptr;
  FPrevWindowProc = nullptr;
  FSilentRemove = false;
  FSuspended = false;
}

void TZYLWndProcComponent::RestoreState() { RestoreWndProc(); }

void TZYLWndProcComponent::CallPrevWndProc(TMessage& Message) {
  if (FPrevWindowProc) FPrevWindowProc(Message);
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
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  b.Prop("Enabled", &TZYLWndProcComponent::Enabled, &TZYLWndProcComponent::SetEnabled)
      .Default(true)
      .Declare("HandleApp", &TZYLWndProcComponent::HandleApp, &TZYLWndProcComponent::SetHandleApp)
      .Default(false);
}

int ZYLHookedControlCount() { return static_cast<int>(HookChains().size()); }

}  // namespace zyl
