// TZYLLabelFill: the fill label with its properties published.
#pragma once

#include "display/ZYLCustomLabelFill.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLLabelFill : public TZYLCustomLabelFill {
  ZYL_CLASS(TZYLLabelFill, TZYLCustomLabelFill)
  explicit TZYLLabelFill(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLLabelFillUnit = vcl::ClassesUnit<TZYLLabelFill>("ZYLLabelFill");

}  // namespace zyl
