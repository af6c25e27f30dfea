// TZYLGraphicLabel: the graphic label with its properties published.
#pragma once

#include "display/ZYLCustomGraphicLabel.h"

namespace zyl {

class TZYLGraphicLabel : public TZYLCustomGraphicLabel {
  ZYL_CLASS(TZYLGraphicLabel, TZYLCustomGraphicLabel)
  explicit TZYLGraphicLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLGraphicLabelInit();
void ZYLGraphicLabelDone();

}  // namespace zyl
