// TZYLTrackBar: the published track bar, which adds Position to the stream.
#pragma once

#include "display/ZYLCustomTrackBar.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLTrackBar : public TZYLCustomTrackBar {
  ZYL_CLASS(TZYLTrackBar, TZYLCustomTrackBar)
  explicit TZYLTrackBar(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLTrackBarUnit = vcl::ClassesUnit<TZYLTrackBar>("ZYLTrackBar");

}  // namespace zyl
