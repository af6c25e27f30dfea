// Components that subclass the window procedure of one windowed control (not the owner form):
// TZYLCustomHookComponent holds the control, puts its own window procedure in front of the
// control's and takes it out again, and follows the control's end; TZYLHookComponent hands
// every message of the control to OnMessage, which may consume it.
#pragma once

#include <vector>

#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Controls.h"
#include "platform/sys/Packages.h"

namespace zyl {

using TZYLMessageEvent =
    vcl::TEvent<void(vcl::TObject* Sender, vcl::TMessage& Message, bool& Handled)>;

class TZYLCustomHookComponent : public TZYLCustomComponent {
  ZYL_CLASS(TZYLCustomHookComponent, TZYLCustomComponent)
  explicit TZYLCustomHookComponent(vcl::TComponent* AOwner);
  ~TZYLCustomHookComponent() override;

  vcl::TWinControl* Control() const { return FControl; }
  // Unhooks the old control, then hooks the new one at once when its window exists (else in
  // Loaded or when Enabled is switched on).
  void SetControl(vcl::TWinControl* Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool HasControl() const { return FControl != nullptr; }
  // Whether the control's window procedure is the hook's.
  bool Hooked() const { return FPrevWndProc != nullptr; }

  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

  // Hooks the control when enabled.
  virtual void Init();
  // Unhooks it.
  virtual void RestoreState();
  // The control's messages: nothing while suspended; WM_DESTROY unhooks (the control is
  // released unless the component itself is going) and then reaches the control's own
  // procedure like every other message.
  virtual void WndProc(vcl::TMessage& Message);

 protected:
  bool NewWndProc();
  void RestoreWndProc();
  // Whether another hook of the kind T subclasses the window this one hooks.
  template <class T>
  bool AnotherHooks() const {
    for (TZYLCustomHookComponent* h : HooksOfWindow())
      if (h != this && dynamic_cast<T*>(h)) return true;
    return false;
  }
  bool IsControlStored() const { return FControl != nullptr; }

 private:
  // The hooks subclassing the window this one hooks, oldest first (none when not hooked).
  std::vector<TZYLCustomHookComponent*> HooksOfWindow() const;
  // Takes this hook out of its window's chain of hooks; the one installed after it, if any.
  TZYLCustomHookComponent* Unchain();

  vcl::TWinControl* FControl = nullptr;
  bool FSuspended = false;
  bool FEnabled = true;
  win::WNDPROC FHookProc = nullptr;
  win::WNDPROC FPrevWndProc = nullptr;
  win::HWND FHookedWnd = nullptr;
};

class TZYLHookComponent : public TZYLCustomHookComponent {
  ZYL_CLASS(TZYLHookComponent, TZYLCustomHookComponent)
  using TZYLCustomHookComponent::TZYLCustomHookComponent;

  const TZYLMessageEvent& GetOnMessage() const { return FOnMessage; }
  void SetOnMessage(const TZYLMessageEvent& Value) { FOnMessage = Value; }

  // OnMessage first; a message it handles (other than WM_DESTROY) ends there.
  void WndProc(vcl::TMessage& Message) override;

 private:
  TZYLMessageEvent FOnMessage;
};

inline constexpr vcl::TUnitEntry ZYLHookComponentUnit =
    vcl::ClassesUnit<TZYLHookComponent>("ZYLHookComponent");

}  // namespace zyl
