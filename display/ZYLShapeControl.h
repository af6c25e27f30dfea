// TZYLShapeControl: the shape control of the palette. It is TZYLBaseShape with its mode, its
// teeth and the image list that supplies the list bitmap of the fill published.
#pragma once

#include "display/ZYLBaseShape.h"

namespace zyl {

class TZYLShapeControl : public TZYLBaseShape {
  ZYL_CLASS(TZYLShapeControl, TZYLBaseShape)
  explicit TZYLShapeControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLShapeControlInit();
void ZYLShapeControlDone();

}  // namespace zyl
