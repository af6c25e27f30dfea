// The history edit: a list combo box under its own name, for the entries a user made before.
#pragma once

#include "edits/ZYLListComboBox.h"

namespace zyl {

class TZYLHistoryEdit : public TZYLListComboBox {
  ZYL_CLASS(TZYLHistoryEdit, TZYLListComboBox)
  explicit TZYLHistoryEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component class for streaming.
void ZYLHistoryEditInit();
void ZYLHistoryEditDone();

}  // namespace zyl
