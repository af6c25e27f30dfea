// TZYLGlyphLabel: the glyph label with its properties published.
#pragma once

#include "display/ZYLCustomGlyphLabel.h"

namespace zyl {

class TZYLGlyphLabel : public TZYLCustomGlyphLabel {
  ZYL_CLASS(TZYLGlyphLabel, TZYLCustomGlyphLabel)
  explicit TZYLGlyphLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLGlyphLabelInit();
void ZYLGlyphLabelDone();

}  // namespace zyl
