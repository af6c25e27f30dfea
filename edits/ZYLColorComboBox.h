// The colour combo box as it stands on the palette: the colour combo base with its properties
// published and no code of its own.
#pragma once

#include "edits/ZYLCustomColorComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLColorComboBox : public TZYLCustomColorComboBox {
  ZYL_CLASS(TZYLColorComboBox, TZYLCustomColorComboBox)
  explicit TZYLColorComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLColorComboBoxUnit =
    vcl::ClassesUnit<TZYLColorComboBox>("ZYLColorComboBox");

}  // namespace zyl
