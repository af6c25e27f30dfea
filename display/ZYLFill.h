// TZYLFill: a graphic control that covers its area with a fill object (brush, pattern,
// bitmap, image-list bitmap or gradient) inside its bevel and writes a caption over it. The
// control is transparent exactly when its fill leaves background visible.
#pragma once

#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLControl.h"
#include "foundation/ZYLOwned.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLCaption;
class TZYLFillObject;

class TZYLFill : public TZYLGraphicControl {
  ZYL_CLASS(TZYLFill, TZYLGraphicControl)
  explicit TZYLFill(vcl::TComponent* AOwner);
  ~TZYLFill() override;

  // The owned caption and fill; the setters assign into them.
  TZYLCaption* Caption() const { return FCaption.get(); }
  void SetCaption(TZYLCaption* Value);
  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);

  // Empty: no fill, no bevel and no caption text.
  bool GetEmpty() override;
  // A change of the fill makes the control as transparent as the fill; then repaints.
  void GetChange(vcl::TObject* Sender) override;
  // The fill's palette when the control is opaque.
  virtual win::HPALETTE GetPalette();


 protected:
  void Paint() override;
  // Copies the image-list item at ListIndex / ImageIndex into the fill's list bitmap (clears
  // it when there is none), then repaints.
  void GetIMLChange(vcl::TObject* Sender) override;

 private:
  TZYLOwned<TZYLCaption> FCaption;
  TZYLOwned<TZYLFillObject> FFillObject;
};

inline constexpr vcl::TUnitEntry ZYLFillUnit = vcl::ClassesUnit<TZYLFill>("ZYLFill");

}  // namespace zyl
