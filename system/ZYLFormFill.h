// TZYLFormFill: fills its owner form's client area from an owned fill object (brush, bitmap,
// image-list bitmap or gradient), through a buffer bitmap that transparent controls on the
// form take their background from. One per form.
#pragma once

#include "platform/sys/Packages.h"
#include "system/ZYLCustomFormFill.h"

namespace zyl {

class TZYLFillObject;

class TZYLFormFill : public TZYLCustomFormFill {
  ZYL_CLASS(TZYLFormFill, TZYLCustomFormFill)
  explicit TZYLFormFill(vcl::TComponent* AOwner);
  ~TZYLFormFill() override;

  TZYLFillObject* FillObject() const { return FFillObject.get(); }
  void SetFillObject(TZYLFillObject* Value);

  void Loaded() override;

 protected:
  // Copies the chosen image into the fill object's list bitmap (or clears it).
  void GetIMLChange(vcl::TObject* Sender) override;
  bool PaintClientArea(win::HDC DC) override;
  void GetChange(vcl::TObject* Sender) override;

 private:
  // Whether a resize must erase: always for owner drawing, for a fill that depends on the
  // size of the area otherwise.
  void UpdateEraseFlag();

  TZYLOwned<TZYLFillObject> FFillObject;
};

inline constexpr vcl::TUnitEntry ZYLFormFillUnit = vcl::ClassesUnit<TZYLFormFill>("ZYLFormFill");

}  // namespace zyl
