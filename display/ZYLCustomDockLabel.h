// TZYLCustomDockLabel: a light label that docks beside a windowed control, its FocusControl.
// It keeps a side and a distance of the control, follows the control's moves, size changes,
// showing, hiding and enabling through a hook in the control's window procedure (the docking
// the dock buttons share, TZYLDockLink), focuses the control when clicked, and can move the
// control when it is moved itself. One dock component per control: a control already hooked
// answers CM_ZYLDOCKQUERY with its dock component.
#pragma once

#include <memory>

#include "display/ZYLCustomSimpleLabel.h"
#include "foundation/ZYLButtonDock.h"

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
  bool AdjustDockedSize() const { return FLink->AdjustDockedSize(); }
  bool Docked() const { return FLink->Docked(); }
  bool ReflectOwnChanges() const { return FLink->ReflectOwnChanges(); }
  int32_t Margin() const { return FLink->Margin(); }
  void SetMargin(int32_t Value) { FLink->SetMargin(Value); }
  TZYLDockPosition Position() const { return FLink->Position(); }
  void SetPosition(TZYLDockPosition Value) { FLink->SetPosition(Value); }

  // Docked and a control set.
  bool HasControl() const { return FLink->HasControl(); }
  // Whether the control's window procedure runs through this label.
  bool Hooked() const { return FLink->Hooked(); }
  // Places the label beside the control.
  void AdjustToControl() { FLink->AdjustToControl(); }
  // Places the control beside the label.
  void AdjustToLabel() { FLink->AdjustToDock(); }

  void CorrectBounds() override;

 protected:
  void DefineProperties(vcl::TFiler* Filer) override;
  void Loaded() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void BoundsChange(TZYLBoundsChangeStates State) override;
  void MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) override;

  std::unique_ptr<TZYLDockLink> FLink;
};

}  // namespace zyl
