// TZYLCustomLabelFill: a standard label whose letters are filled with a pattern: the fill
// object (brush, bitmap, image-list bitmap or gradient) shows through the shapes of the text
// while the rest of the label keeps its background.
#pragma once

#include "display/ZYLCustomLabel.h"
#include "foundation/ZYLOwned.h"

namespace zyl {

class TZYLFillObject;

class TZYLCustomLabelFill : public TZYLCustomLabel {
  ZYL_CLASS(TZYLCustomLabelFill, TZYLCustomLabel)
  ZYL_MESSAGES(TZYLCustomLabelFill)
  explicit TZYLCustomLabelFill(vcl::TComponent* AOwner);
  ~TZYLCustomLabelFill() override;

  // The background colour of the text work bitmap; pixels of it count as background.
  vcl::TColor BrushBackColor() const { return FBrushBackColor; }
  void SetBrushBack(vcl::TColor Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  // Assigns into the owned fill.
  void SetFillObject(TZYLFillObject* Value);

  // Nothing while loading; otherwise re-size and repaint.
  void GetChange(vcl::TObject* Sender) override;

 protected:
  void Paint() override;
  // The image list's item goes into the fill's list bitmap (cleared without one).
  void GetIMLChange(vcl::TObject* Sender) override;
  // A freed image list takes its item out of the fill too.
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void CMEnabledChanged(vcl::TMessage& Message);

  vcl::TColor FBrushBackColor = vcl::clBtnFace;
  TZYLOwned<TZYLFillObject> FFillObject;
};

}  // namespace zyl
