// The mask edits as they stand on the palette: TZYLMaskEdit publishes the typed edit's
// properties, TZYLLabeledMaskEdit is the same with its caption label.
#pragma once

#include "edits/ZYLCustomMaskEdit.h"

namespace zyl {

class TZYLMaskEdit : public TZYLCustomMaskEdit {
  ZYL_CLASS(TZYLMaskEdit, TZYLCustomMaskEdit)
  explicit TZYLMaskEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledMaskEdit : public TZYLMaskEdit {
  ZYL_CLASS(TZYLLabeledMaskEdit, TZYLMaskEdit)
  explicit TZYLLabeledMaskEdit(vcl::TComponent* AOwner);
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLMaskEditInit();
void ZYLMaskEditDone();

}  // namespace zyl
