// TZYLCustomDockLabel: a light label that docks beside a windowed control, its FocusControl.
// It keeps a side and a distance of the control, follows the control's moves, size changes,
// showing, hiding and enabling through a hook in the control's window procedure, focuses the
// control when clicked, and can move the control when it is moved itself. One dock component
// per control: a control already hooked answers CM_ZYLDOCKQUERY with its dock component.
#pragma once

#include "display/ZYLCustomSimpleLabel.h"
#include "platform/controls/ControlTypes.h"

namespace zyl {

class TZYLCustomDockLabel : public TZYLCustomSimpleLabel {
  ZYL_CLASS(TZYLCustomDockLabel, TZYLCustomSimpleLabel)
  explicit TZYLCustomDockLabel(vcl::TComponent* AOwner);
  ~TZYLCustomDockLabel() override;

  enum TBooleanProp : int { bpAdjustDockedSize = 0, bpDocked = 1, bpReflectOwnChanges = 2 };

  // Docks to the control. A control that another dock label or dock button holds is refused
  // with the dock error, and the label stays without control.
  void SetControl(vcl::TWinControl* Value) override;
  bool GetBoolean(int Index) const;
  // 0 AdjustDockedSize (re-places), 1 Docked (docks or lets go), 2 ReflectOwnChanges (moves
  // the control to the label when switched on).
  void SetBoolean(int Index, bool Value);
  bool AdjustDockedSize() const { return FAdjustDockedSize; }
  bool Docked() const { return FDocked; }
  bool ReflectOwnChanges() const { return FReflectOwnChanges; }
  int32_t Margin() const { return FMargin; }
  void SetMargin(int32_t Value);
  TZYLDockPosition Position() const { return FPosition; }
  void SetPosition(TZYLDockPosition Value);

  // Docked and a control set.
  bool HasControl() const { return FDocked && FFocusControl != nullptr; }
  // Whether the control's window procedure runs through this label.
  bool Hooked() const { return FHooked != nullptr; }
  // Places the label beside the control.
  void AdjustToControl();
  // Places the control beside the label.
  void AdjustToLabel();

  void CorrectBounds() override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;
  void DockControl();
  void InitWndProc();
  void RestoreWndProc();
  // The control's window procedure while docked.
  void OwnWndProc(vcl::TMessage& Message);

  bool FAdjustDockedSize = false;
  bool FAdjusting = false;
  bool FDocked = true;
  bool FRestoring = false;
  bool FReflectOwnChanges = false;
  TZYLDockPosition FPosition = dpLeft;
  int32_t FMargin = 1;
  vcl::TWinControl* FHooked = nullptr;  // the control whose procedure runs through this label
  vcl::TWndMethod FPrevWndProc;
};

}  // namespace zyl
