// TZYLSimpleLabel: the light label with its properties published.
#pragma once

#include "display/ZYLCustomSimpleLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLSimpleLabel : public TZYLCustomSimpleLabel {
  ZYL_CLASS(TZYLSimpleLabel, TZYLCustomSimpleLabel)
  explicit TZYLSimpleLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLSimpleLabelUnit =
    vcl::ClassesUnit<TZYLSimpleLabel>("ZYLSimpleLabel");

}  // namespace zyl
