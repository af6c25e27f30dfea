#include "display/ZYLNImage.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLNImage) {
  b.Prop("Bitmap", &TZYLNImage::Bitmap, &TZYLNImage::SetBitmap)
      .Prop("Control", &TZYLNImage::Control, &TZYLNImage::SetControl);
}

}  // namespace zyl
