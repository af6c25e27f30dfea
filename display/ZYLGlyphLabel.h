// TZYLGlyphLabel: the glyph label with its properties published.
#pragma once

#include "display/ZYLCustomGlyphLabel.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLGlyphLabel : public TZYLCustomGlyphLabel {
  ZYL_CLASS(TZYLGlyphLabel, TZYLCustomGlyphLabel)
  explicit TZYLGlyphLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLGlyphLabelUnit =
    vcl::ClassesUnit<TZYLGlyphLabel>("ZYLGlyphLabel");

}  // namespace zyl
