// TZYLPanelFill: the published fill panel: a container with a fill, a bevel and an effect
// caption, whose background shows through its transparent children.
#pragma once

#include "buttons/ZYLCustomPanelFill.h"

namespace zyl {

class TZYLPanelFill : public TZYLCustomPanelFill {
  ZYL_CLASS(TZYLPanelFill, TZYLCustomPanelFill)
  explicit TZYLPanelFill(vcl::TComponent* AOwner);
};

void ZYLPanelFillInit();
void ZYLPanelFillDone();

}  // namespace zyl
