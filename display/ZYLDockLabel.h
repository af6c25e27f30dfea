// TZYLDockLabel: the dock label with its properties published.
#pragma once

#include "display/ZYLCustomDockLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLDockLabel : public TZYLCustomDockLabel {
  ZYL_CLASS(TZYLDockLabel, TZYLCustomDockLabel)
  explicit TZYLDockLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLDockLabelUnit = vcl::ClassesUnit<TZYLDockLabel>("ZYLDockLabel");

}  // namespace zyl
