// The library's plain combo box as it stands on the palette: the combo box base with its
// properties published and no code of its own.
#pragma once

#include "edits/ZYLCustomComboBox.h"

namespace zyl {

class TZYLComboBox : public TZYLCustomComboBox {
  ZYL_CLASS(TZYLComboBox, TZYLCustomComboBox)
  explicit TZYLComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

// Registers / unregisters the unit's component class for streaming.
void ZYLComboBoxInit();
void ZYLComboBoxDone();

}  // namespace zyl
