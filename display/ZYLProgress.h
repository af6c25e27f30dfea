// TZYLProgress: the progress bar component; publishes Step, Position and UserValue on top of
// its custom class.
#pragma once

#include "display/ZYLCustomProgress.h"

namespace zyl {

class TZYLProgress : public TZYLCustomProgress {
  ZYL_CLASS(TZYLProgress, TZYLCustomProgress)
  explicit TZYLProgress(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLProgressInit();
void ZYLProgressDone();

}  // namespace zyl
