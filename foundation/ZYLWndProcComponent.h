// TZYLWndProcComponent: the base of the non-visual components that hook their owner form's
// window procedure. The hook replaces the owner control's WindowProc method with the
// component's WndProc and chains to the method it replaced; it is installed in Loaded (or
// when Enabled is switched on), removed when the component goes, and installed again after
// the owner's window was re-created.
#pragma once

#include <cstdint>

#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Controls.h"

namespace vcl {
class TApplication;
class TCustomForm;
}  // namespace vcl

namespace zyl {

class TZYLWndProcComponent : public TZYLCustomComponent {
  ZYL_CLASS(TZYLWndProcComponent, TZYLCustomComponent)
  explicit TZYLWndProcComponent(vcl::TComponent* AOwner);
  ~TZYLWndProcComponent() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool DesignEnabled() const { return FDesignEnabled; }
  void SetDesignEnabled(bool Value);
  bool HandleApp() const { return FHandleApp; }
  // Stored only while loading or designing.
  void SetHandleApp(bool Value);

  // 0 normal, 1 MDI child, 2 MDI frame (the owner form's FormStyle at construction).
  uint8_t FormKind() const { return FFormKind; }
  // Whether the hook is in place.
  bool Hooked() const { return FHooked; }
  // Whether AppWndProc is hooked into the application window (HandleApp).
  bool AppHooked() const { return FAppHooked; }
  // While suspended, WndProc passes nothing on.
  bool Suspended() const { return FSuspended; }
  void SetSuspended(bool Value) { FSuspended = Value; }

  vcl::TCustomForm* GetOwnerForm() const;
  // The owner's window handle, created on demand; null without a windowed owner.
  win::HWND GetOwnerHandle() const;
  // The owner's window exists and the component is neither loading nor being destroyed.
  bool ValidOwner() const;

  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

  // Calls the window procedure the hook replaced.
  void CallPrevWndProc(vcl::TMessage& Message);

  // Installs the hook when enabled and not yet installed.
  virtual void Init();
  // Removes the hook.
  virtual void RestoreState();
  // The hooked window procedure: nothing while suspended; WM_DESTROY of an MDI child removes
  // the hook, CM_RECREATEWND is passed on and the hook installed again on the new window;
  // everything else is passed on.
  virtual void WndProc(vcl::TMessage& Message);
  // With HandleApp the hook also sees every message of the application window first (before
  // the application handles it); true: handled, the application does nothing more with it.
  // The base answers false.
  virtual bool AppWndProc(vcl::TMessage& Message);
  virtual void DesignEnabledChanged() {}
  virtual void EnabledChanged() {}

 protected:
  void NewWndProc();
  void RestoreWndProc();

  // Set by descendants that always hook the WindowProc method, whatever the form style.
  bool FForceWindowProc = false;
  // A removal that must not touch the owner (its window procedure is gone already).
  bool FSilentRemove = false;

 private:
  bool FEnabled = true;
  bool FDesignEnabled = false;
  bool FHandleApp = false;
  bool FHooked = false;
  bool FAppHooked = false;
  vcl::TApplication* FHookedApp = nullptr;  // the application AppWndProc is hooked into
  bool FSuspended = false;
  uint8_t FFormKind = 0;
  vcl::TWinControl* FHookedControl = nullptr;
  vcl::TWndMethod FPrevWindowProc;
  vcl::TWndMethod FOwnWindowProc;
};

// The number of controls whose WindowProc carries hooks of these components now.
int ZYLHookedControlCount();

}  // namespace zyl
