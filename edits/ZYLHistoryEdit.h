// The history edit: a list combo box under its own name, for the entries a user made before.
#pragma once

#include "edits/ZYLListComboBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLHistoryEdit : public TZYLListComboBox {
  ZYL_CLASS(TZYLHistoryEdit, TZYLListComboBox)
  explicit TZYLHistoryEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

inline constexpr vcl::TUnitEntry ZYLHistoryEditUnit =
    vcl::ClassesUnit<TZYLHistoryEdit>("ZYLHistoryEdit");

}  // namespace zyl
