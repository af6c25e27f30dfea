// TZYLShapeControl: the shape control of the palette. It is TZYLBaseShape with its mode, its
// teeth and the image list that supplies the list bitmap of the fill published.
#pragma once

#include "display/ZYLBaseShape.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLShapeControl : public TZYLBaseShape {
  ZYL_CLASS(TZYLShapeControl, TZYLBaseShape)
  explicit TZYLShapeControl(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLShapeControlUnit =
    vcl::ClassesUnit<TZYLShapeControl>("ZYLShapeControl");

}  // namespace zyl
