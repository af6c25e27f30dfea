// TZYLBoundLabel: the caption label a labeled edit, memo, list box or combo box creates for
// itself. Its place belongs to the owning control: Left, Top, Anchors and Constraints are
// published read-only, and changes of its size are reported to the owner with
// CM_ZYLBOUNDLABELCHANGE so that the owner can place it again.
#pragma once

#include "display/ZYLCustomSimpleLabel.h"

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

// Registers / unregisters the unit's component classes for streaming.
void ZYLBoundLabelInit();
void ZYLBoundLabelDone();

}  // namespace zyl
