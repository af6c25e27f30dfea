// TZYLGraphicLabel: the graphic label with its properties published.
#pragma once

#include "display/ZYLCustomGraphicLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLGraphicLabel : public TZYLCustomGraphicLabel {
  ZYL_CLASS(TZYLGraphicLabel, TZYLCustomGraphicLabel)
  explicit TZYLGraphicLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLGraphicLabelUnit =
    vcl::ClassesUnit<TZYLGraphicLabel>("ZYLGraphicLabel");

}  // namespace zyl
