// TZYLMouseBaseCtrl: the base of the components that act on the mouse cursor relative to a
// target rectangle of the owner form (its default button, a control or its client area). It
// hooks the owner form and can act by itself at the form's first activation.
#pragma once

#include "foundation/ZYLWndProcComponent.h"

namespace zyl {

ZYL_ENUM(TZYLMousePosStyle, mpDefaultButton, mpControl, mpClientArea)

class TZYLMouseBaseCtrl : public TZYLWndProcComponent {
  ZYL_CLASS(TZYLMouseBaseCtrl, TZYLWndProcComponent)
  explicit TZYLMouseBaseCtrl(vcl::TComponent* AOwner);
  ~TZYLMouseBaseCtrl() override;

  // Acts on the cursor; true when there was a target.
  virtual bool Execute() = 0;
  // The target rectangle in screen coordinates; false when there is none.
  bool GetTargetRect(vcl::TRect& Rect) const;

  bool AutoActive() const { return FAutoActive; }
  void SetAutoActive(bool Value) { FAutoActive = Value; }
  vcl::TControl* Control() const { return FControl; }
  void SetControl(vcl::TControl* Value);
  TZYLMousePosStyle Style() const { return FStyle; }
  void SetPosStyle(TZYLMousePosStyle Value) { FStyle = Value; }
  // Whether the automatic action has run (it runs once in the component's life).
  bool Done() const { return FDone; }

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  // WM_ACTIVATE with AutoActive runs Execute once, then the base's procedure.
  void WndProc(vcl::TMessage& Message) override;

 private:
  bool IsControlStored() const { return FControl != nullptr; }

  bool FAutoActive = false;
  vcl::TControl* FControl = nullptr;
  TZYLMousePosStyle FStyle = mpDefaultButton;
  bool FDone = false;
};

}  // namespace zyl
