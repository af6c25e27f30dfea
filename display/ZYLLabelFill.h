// TZYLLabelFill: the fill label with its properties published.
#pragma once

#include "display/ZYLCustomLabelFill.h"

namespace zyl {

class TZYLLabelFill : public TZYLCustomLabelFill {
  ZYL_CLASS(TZYLLabelFill, TZYLCustomLabelFill)
  explicit TZYLLabelFill(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLLabelFillInit();
void ZYLLabelFillDone();

}  // namespace zyl
