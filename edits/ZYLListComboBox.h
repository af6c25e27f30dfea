// The list combo box as it stands on the palette: TZYLListComboBox publishes it,
// TZYLLabeledListComboBox is the same with its caption label.
#pragma once

#include "edits/ZYLCustomListComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLListComboBox : public TZYLCustomListComboBox {
  ZYL_CLASS(TZYLListComboBox, TZYLCustomListComboBox)
  explicit TZYLListComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledListComboBox : public TZYLListComboBox {
  ZYL_CLASS(TZYLLabeledListComboBox, TZYLListComboBox)
  explicit TZYLLabeledListComboBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLListComboBoxUnit =
    vcl::ClassesUnit<TZYLListComboBox, TZYLLabeledListComboBox>("ZYLListComboBox");

}  // namespace zyl
