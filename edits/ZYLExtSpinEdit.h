// The extended spin edits as they stand on the palette: TZYLExtSpinEdit publishes the spin
// edit's properties, TZYLLabeledExtSpinEdit is the same with its caption label.
#pragma once

#include "edits/ZYLCustomExtSpinEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLExtSpinEdit : public TZYLCustomExtSpinEdit {
  ZYL_CLASS(TZYLExtSpinEdit, TZYLCustomExtSpinEdit)
  explicit TZYLExtSpinEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledExtSpinEdit : public TZYLExtSpinEdit {
  ZYL_CLASS(TZYLLabeledExtSpinEdit, TZYLExtSpinEdit)
  explicit TZYLLabeledExtSpinEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLExtSpinEditUnit =
    vcl::ClassesUnit<TZYLExtSpinEdit, TZYLLabeledExtSpinEdit>("ZYLExtSpinEdit");

}  // namespace zyl
