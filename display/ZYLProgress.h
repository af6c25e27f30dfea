// TZYLProgress: the progress bar component; publishes Step, Position and UserValue on top of
// its custom class.
#pragma once

#include "display/ZYLCustomProgress.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLProgress : public TZYLCustomProgress {
  ZYL_CLASS(TZYLProgress, TZYLCustomProgress)
  explicit TZYLProgress(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLProgressUnit = vcl::ClassesUnit<TZYLProgress>("ZYLProgress");

}  // namespace zyl
