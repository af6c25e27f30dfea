// TZYLNImage: the published N-image (Bitmap and Control).
#pragma once

#include "display/ZYLCustomNImage.h"

namespace zyl {

class TZYLNImage : public TZYLCustomNImage {
  ZYL_CLASS(TZYLNImage, TZYLCustomNImage)
  explicit TZYLNImage(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLNImageInit();
void ZYLNImageDone();

}  // namespace zyl
