// The library's plain combo box as it stands on the palette: the combo box base with its
// properties published and no code of its own.
#pragma once

#include "edits/ZYLCustomComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLComboBox, TZYLCustomComboBox)
  explicit TZYLComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLComboBoxUnit = vcl::ClassesUnit<TZYLComboBox>("ZYLComboBox");

}  // namespace zyl
