// The mask edits as they stand on the palette: TZYLMaskEdit publishes the typed edit's
// properties, TZYLLabeledMaskEdit is the same with its caption label.
#pragma once

#include "edits/ZYLCustomMaskEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLMaskEdit : public TZYLCustomMaskEdit {
  ZYL_CLASS(TZYLMaskEdit, TZYLCustomMaskEdit)
  explicit TZYLMaskEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledMaskEdit : public TZYLMaskEdit {
  ZYL_CLASS(TZYLLabeledMaskEdit, TZYLMaskEdit)
  explicit TZYLLabeledMaskEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLMaskEditUnit =
    vcl::ClassesUnit<TZYLMaskEdit, TZYLLabeledMaskEdit>("ZYLMaskEdit");

}  // namespace zyl
