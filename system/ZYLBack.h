// TZYLBack: fills its owner form's client area with one image of an image list, drawn into
// the form's client rectangle. The dialog components put one on the forms they build.
#pragma once

#include "platform/sys/Packages.h"
#include "system/ZYLCustomFormFill.h"

namespace zyl {

class TZYLBack : public TZYLCustomFormFill {
  ZYL_CLASS(TZYLBack, TZYLCustomFormFill)
  using TZYLCustomFormFill::TZYLCustomFormFill;

 protected:
  bool PaintClientArea(win::HDC DC) override;
};

inline constexpr vcl::TUnitEntry ZYLBackUnit = vcl::ClassesUnit<TZYLBack>("ZYLBack");

}  // namespace zyl
