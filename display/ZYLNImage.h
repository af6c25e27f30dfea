// TZYLNImage: the published N-image (Bitmap and Control).
#pragma once

#include "display/ZYLCustomNImage.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLNImage : public TZYLCustomNImage {
  ZYL_CLASS(TZYLNImage, TZYLCustomNImage)
  explicit TZYLNImage(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLNImageUnit = vcl::ClassesUnit<TZYLNImage>("ZYLNImage");

}  // namespace zyl
