// TZYLProgressFill: the filled progress bar component; publishes Step, Position and
// UserValue on top of its custom class.
#pragma once

#include "display/ZYLCustomProgressFill.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLProgressFill : public TZYLCustomProgressFill {
  ZYL_CLASS(TZYLProgressFill, TZYLCustomProgressFill)
  explicit TZYLProgressFill(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLProgressFillUnit =
    vcl::ClassesUnit<TZYLProgressFill>("ZYLProgressFill");

}  // namespace zyl
