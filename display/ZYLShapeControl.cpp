#include "display/ZYLShapeControl.h"

#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

// ImageList, ImageIndex and ListIndex are published by TZYLBaseControl already.
ZYL_CLASS_IMPL(TZYLShapeControl) {
  b.Prop("Mode", &TZYLShapeControl::Mode, &TZYLShapeControl::SetMode)
      .Default(scmShapeFast)
      .Prop("Teeth", &TZYLShapeControl::Teeth, &TZYLShapeControl::SetTeeth)
      .Publish({"ImageList", "ImageIndex", "ListIndex"});
}

}  // namespace zyl
