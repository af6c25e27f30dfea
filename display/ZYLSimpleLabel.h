// TZYLSimpleLabel: the light label with its properties published.
#pragma once

#include "display/ZYLCustomSimpleLabel.h"

namespace zyl {

class TZYLSimpleLabel : public TZYLCustomSimpleLabel {
  ZYL_CLASS(TZYLSimpleLabel, TZYLCustomSimpleLabel)
  explicit TZYLSimpleLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLSimpleLabelInit();
void ZYLSimpleLabelDone();

}  // namespace zyl
