// TZYLLabel: the standard label with its properties published.
#pragma once

#include "display/ZYLCustomLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLLabel : public TZYLCustomLabel {
  ZYL_CLASS(TZYLLabel, TZYLCustomLabel)
  explicit TZYLLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLLabelUnit = vcl::ClassesUnit<TZYLLabel>("ZYLLabel");

}  // namespace zyl
