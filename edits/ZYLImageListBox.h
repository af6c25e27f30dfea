// The image list box as it stands on the palette (TZYLImageListBox) and its twin with a caption
// label (TZYLLabeledImageListBox).
#pragma once

#include "edits/ZYLCustomImageListBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLImageListBox : public TZYLCustomImageListBox {
  ZYL_CLASS(TZYLImageListBox, TZYLCustomImageListBox)
  explicit TZYLImageListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledImageListBox : public TZYLImageListBox {
  ZYL_CLASS(TZYLLabeledImageListBox, TZYLImageListBox)
  explicit TZYLLabeledImageListBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLImageListBoxUnit =
    vcl::ClassesUnit<TZYLImageListBox, TZYLLabeledImageListBox>("ZYLImageListBox");

}  // namespace zyl
