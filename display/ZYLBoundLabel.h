// TZYLBoundLabel: the caption label a labeled edit, memo, list box or combo box creates for
// itself. Its place belongs to the owning control: Left, Top, Anchors and Constraints are
// published read-only, and changes of its size are reported to the owner with
// CM_ZYLBOUNDLABELCHANGE so that the owner can place it again.
#pragma once

#include "display/ZYLCustomSimpleLabel.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLBoundLabel : public TZYLCustomSimpleLabel {
  ZYL_CLASS(TZYLBoundLabel, TZYLCustomSimpleLabel)
  // Named "SubLabel", aligned agCenterLeft, captioned with the owner's name (empty without).
  explicit TZYLBoundLabel(vcl::TComponent* AOwner);

  int GetLeft() const { return Left(); }
  int GetTop() const { return Top(); }
  vcl::TAnchors GetAnchors() const { return Anchors(); }
  vcl::TSizeConstraints* GetConstraints() const { return Constraints(); }
  // The size setters report every call to a windowed owner while AutoSize is off (not while
  // loading or reading).
  void SetWidth(int Value);
  void SetHeight(int Value);
  // FocusControl is written only when it is not the owner.
  bool IsNotParent() const { return FocusControl() != Owner(); }

  // Sizes the label; a size it changes is reported to a windowed owner whose window exists.
  void CorrectBounds() override;

 protected:
  // Sends CM_ZYLBOUNDLABELCHANGE to the owner when it is a windowed control (its window is
  // created on demand unless OnlyAllocated).
  void NotifyOwner(bool OnlyAllocated);
};

// The caption label of a labeled control (an edit, a list box): made and freed on demand,
// owned by and bound to the control, standing on the control's parent beside it, following its
// visibility, enabled state and reading order, renamed with it at design time, and written to
// form streams whole as the property "SubLabel" while it exists.
class TZYLLabelBinding {
 public:
  explicit TZYLLabelBinding(vcl::TWinControl* Owner) : FOwner(Owner) {}
  TZYLLabelBinding(const TZYLLabelBinding&) = delete;
  TZYLLabelBinding& operator=(const TZYLLabelBinding&) = delete;

  TZYLBoundLabel* Label() const { return FLabel; }
  bool HasLabel() const { return FHasLabel; }
  // True makes the label (when there is none); false frees it.
  void SetHasLabel(bool Value);
  vcl::TLabelPosition Position() const { return FPosition; }
  void SetPosition(vcl::TLabelPosition Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  // With Sync a label above or below takes the owner's width, one left or right its height;
  // switching it on turns the label's AutoSize off.
  bool Sync() const { return FSync; }
  void SetSync(bool Value);

  // Places the label beside its owner, Spacing pixels away (not while the owner loads, reads
  // or is destroyed). Positions at the integer limits are brought back into range.
  void Place();
  // The owner's parent, visibility, enabled state or reading order changed.
  void ParentChanged();
  void VisibleChanged();
  void EnabledChanged();
  void BiDiModeChanged();
  // At design time a label captioned with the owner's old name (or nothing) takes the new one.
  void Renamed(const std::string& OldName, const std::string& NewName);
  // The owner's Notification: a freed label is forgotten.
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation);
  // Defines "SubLabel" on the owner's filer.
  void DefineProperties(vcl::TFiler* Filer);

 private:
  vcl::TWinControl* FOwner;
  TZYLBoundLabel* FLabel = nullptr;
  bool FHasLabel = false;
  vcl::TLabelPosition FPosition = vcl::lpAbove;
  int FSpacing = 3;
  bool FSync = false;
};

inline constexpr vcl::TUnitEntry ZYLBoundLabelUnit =
    vcl::ClassesUnit<TZYLBoundLabel>("ZYLBoundLabel");

}  // namespace zyl
