// TZYLLEDLabel: the LED label with its properties published.
#pragma once

#include "display/ZYLLEDCustomLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLLEDLabel : public TZYLLEDCustomLabel {
  ZYL_CLASS(TZYLLEDLabel, TZYLLEDCustomLabel)
  explicit TZYLLEDLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLLEDLabelInit();
void ZYLLEDLabelDone();
inline constexpr vcl::TUnitEntry ZYLLEDLabelUnit{"ZYLLEDLabel", &ZYLLEDLabelInit, &ZYLLEDLabelDone};

}  // namespace zyl
