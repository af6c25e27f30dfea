#include "system/ZYLHookComponent.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ObjectInstance.h"

namespace zyl {

namespace {

// The hooks subclassing each window, oldest first. Each hook calls the procedure it replaced;
// when one that others were installed after goes, the next one takes over what it had
// replaced, so that no hook calls the procedure of a freed one.
std::map<win::HWND, std::vector<TZYLCustomHookComponent*>>& Subclassings() {
  static std::map<win::HWND, std::vector<TZYLCustomHookComponent*>> chains;
  return chains;
}

}  // namespace

ZYL_CLASS_IMPL(TZYLCustomHookComponent) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLCustomHookComponent;
  b.Declare("Control", &T::Control, &T::SetControl)
      .Stored(&T::IsControlStored)
      .Declare("Enabled", &T::Enabled, &T::SetEnabled)
      .Default(true);
}

ZYL_CLASS_IMPL(TZYLHookComponent) {
  b.Publish({"About", "Control", "Enabled"})
      .Prop("OnMessage", &TZYLHookComponent::GetOnMessage, &TZYLHookComponent::SetOnMessage);
}

TZYLCustomHookComponent::TZYLCustomHookComponent(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FHookProc(vcl::MakeObjectInstance(vcl::TWndMethod(this, &TZYLCustomHookComponent::WndProc))) {
}

TZYLCustomHookComponent::~TZYLCustomHookComponent() {
  RestoreWndProc();
  SetControl(nullptr);
  vcl::FreeObjectInstance(FHookProc);
}

void TZYLCustomHookComponent::SetControl(vcl::TWinControl* Value) {
  if (Value == FControl) return;
  if (FControl) {
    RestoreState();
    FControl->RemoveFreeNotification(this);
  }
  FControl = Value;
  if (!FControl) return;
  FControl->FreeNotification(this);
  if (FControl->HandleAllocated()) Init();
}

void TZYLCustomHookComponent::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  if (ComponentState().contains(vcl::csDesigning)) return;
  if (Value)
    Init();
  else
    RestoreState();
}

void TZYLCustomHookComponent::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == vcl::opRemove && AComponent == FControl) SetControl(nullptr);
}

void TZYLCustomHookComponent::Loaded() {
  inherited::Loaded();
  if (!ComponentState().contains(vcl::csDesigning)) Init();
}

void TZYLCustomHookComponent::Init() {
  if (FEnabled && FHookProc) NewWndProc();
}

void TZYLCustomHookComponent::RestoreState() { RestoreWndProc(); }

bool TZYLCustomHookComponent::NewWndProc() {
  if (!FControl || FPrevWndProc || ComponentState().contains(vcl::csDesigning)) return false;
  FSuspended = false;
  FHookedWnd = FControl->Handle();
  FPrevWndProc =
      reinterpret_cast<win::WNDPROC>(win::GetWindowLongPtrA(FHookedWnd, win::GWLP_WNDPROC));
  win::SetWindowLongPtrA(FHookedWnd, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(FHookProc));
  Subclassings()[FHookedWnd].push_back(this);
  return true;
}

std::vector<TZYLCustomHookComponent*> TZYLCustomHookComponent::HooksOfWindow() const {
  auto it = Subclassings().find(FHookedWnd);
  return FHookedWnd && it != Subclassings().end() ? it->second
                                                  : std::vector<TZYLCustomHookComponent*>{};
}

TZYLCustomHookComponent* TZYLCustomHookComponent::Unchain() {
  auto& chains = Subclassings();
  auto it = chains.find(FHookedWnd);
  if (it == chains.end()) return nullptr;
  std::vector<TZYLCustomHookComponent*>& chain = it->second;
  TZYLCustomHookComponent* next = nullptr;
  if (auto self = std::find(chain.begin(), chain.end(), this); self != chain.end()) {
    if (self + 1 != chain.end()) next = *(self + 1);
    chain.erase(self);
  }
  if (chain.empty()) chains.erase(it);
  return next;
}

void TZYLCustomHookComponent::RestoreWndProc() {
  // Messages that arrive while the old procedure is put back are dropped.
  FSuspended = true;
  if (FPrevWndProc && FHookedWnd) {
    if (TZYLCustomHookComponent* next = Unchain())
      next->FPrevWndProc = FPrevWndProc;
    else if (win::IsWindow(FHookedWnd))
      win::SetWindowLongPtrA(FHookedWnd, win::GWLP_WNDPROC,
                             reinterpret_cast<win::LONG_PTR>(FPrevWndProc));
  }
  FPrevWndProc = nullptr;
  FHookedWnd = nullptr;
  FSuspended = false;
}

void TZYLCustomHookComponent::WndProc(vcl::TMessage& Message) {
  if (FSuspended) return;
  const win::WNDPROC previous = FPrevWndProc;
  const win::HWND wnd = FHookedWnd;
  if (Message.Msg == win::WM_DESTROY) {
    RestoreWndProc();
    if (ComponentState().contains(vcl::csDestroying))
      FSuspended = true;
    else
      SetControl(nullptr);
  }
  // Every message, WM_DESTROY too, reaches the control's own procedure.
  if (previous)
    Message.Result =
        win::CallWindowProcA(previous, wnd, Message.Msg, Message.WParam, Message.LParam);
}

void TZYLHookComponent::WndProc(vcl::TMessage& Message) {
  if (FOnMessage) {
    bool handled = false;
    FOnMessage(this, Message, handled);
    if (handled && Message.Msg != win::WM_DESTROY) return;
  }
  inherited::WndProc(Message);
}

}  // namespace zyl
