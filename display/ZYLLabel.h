// TZYLLabel: the standard label with its properties published.
#pragma once

#include "display/ZYLCustomLabel.h"

namespace zyl {

class TZYLLabel : public TZYLCustomLabel {
  ZYL_CLASS(TZYLLabel, TZYLCustomLabel)
  explicit TZYLLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLLabelInit();
void ZYLLabelDone();

}  // namespace zyl
