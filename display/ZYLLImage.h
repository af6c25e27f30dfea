// TZYLLImage: the published image-list image.
#pragma once

#include "display/ZYLCustomLImage.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLLImage : public TZYLCustomLImage {
  ZYL_CLASS(TZYLLImage, TZYLCustomLImage)
  explicit TZYLLImage(vcl::TComponent* AOwner) : inherited(AOwner) {}

 protected:
  // Background, bevel, then the image inside the bevel; over the parent's background through
  // a working bitmap when moving silently.
  void Paint() override;
};

inline constexpr vcl::TUnitEntry ZYLLImageUnit = vcl::ClassesUnit<TZYLLImage>("ZYLLImage");

}  // namespace zyl
