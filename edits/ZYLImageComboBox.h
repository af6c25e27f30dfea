// The image combo box as it stands on the palette: the image combo base with its properties
// published and no code of its own.
#pragma once

#include "edits/ZYLCustomImageComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLImageComboBox : public TZYLCustomImageComboBox {
  ZYL_CLASS(TZYLImageComboBox, TZYLCustomImageComboBox)
  explicit TZYLImageComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLImageComboBoxUnit =
    vcl::ClassesUnit<TZYLImageComboBox>("ZYLImageComboBox");

}  // namespace zyl
