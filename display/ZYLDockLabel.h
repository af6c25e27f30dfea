// TZYLDockLabel: the dock label with its properties published.
#pragma once

#include "display/ZYLCustomDockLabel.h"

namespace zyl {

class TZYLDockLabel : public TZYLCustomDockLabel {
  ZYL_CLASS(TZYLDockLabel, TZYLCustomDockLabel)
  explicit TZYLDockLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLDockLabelInit();
void ZYLDockLabelDone();

}  // namespace zyl
