// TZYLProgressFill: the filled progress bar component; publishes Step, Position and
// UserValue on top of its custom class.
#pragma once

#include "display/ZYLCustomProgressFill.h"

namespace zyl {

class TZYLProgressFill : public TZYLCustomProgressFill {
  ZYL_CLASS(TZYLProgressFill, TZYLCustomProgressFill)
  explicit TZYLProgressFill(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLProgressFillInit();
void ZYLProgressFillDone();

}  // namespace zyl
