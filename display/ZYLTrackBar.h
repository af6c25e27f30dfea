// TZYLTrackBar: the published track bar, which adds Position to the stream.
#pragma once

#include "display/ZYLCustomTrackBar.h"

namespace zyl {

class TZYLTrackBar : public TZYLCustomTrackBar {
  ZYL_CLASS(TZYLTrackBar, TZYLCustomTrackBar)
  explicit TZYLTrackBar(vcl::TComponent* AOwner);
};

void ZYLTrackBarInit();
void ZYLTrackBarDone();

}  // namespace zyl
