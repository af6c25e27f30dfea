// The colour combo box as it stands on the palette: the colour combo base with its properties
// published and no code of its own.
#pragma once

#include "edits/ZYLCustomColorComboBox.h"

namespace zyl {

class TZYLColorComboBox : public TZYLCustomColorComboBox {
  ZYL_CLASS(TZYLColorComboBox, TZYLCustomColorComboBox)
  explicit TZYLColorComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

void ZYLColorComboBoxInit();
void ZYLColorComboBoxDone();

}  // namespace zyl
