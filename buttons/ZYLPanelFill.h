// TZYLPanelFill: the published fill panel: a container with a fill, a bevel and an effect
// caption, whose background shows through its transparent children.
#pragma once

#include "buttons/ZYLCustomPanelFill.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLPanelFill : public TZYLCustomPanelFill {
  ZYL_CLASS(TZYLPanelFill, TZYLCustomPanelFill)
  explicit TZYLPanelFill(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLPanelFillUnit = vcl::ClassesUnit<TZYLPanelFill>("ZYLPanelFill");

}  // namespace zyl
