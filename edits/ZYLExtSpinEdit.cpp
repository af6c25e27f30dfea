#include "edits/ZYLExtSpinEdit.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLExtSpinEdit) {
  b.Publish({"SpinBtnWidth", "InfiniteMax", "InfiniteMin", "EditorEnabled", "EditType", "Value",
             "FractionStep", "LargeStep", "Step", "OnSpinBtnUpClick", "OnSpinBtnDownClick",
             "Interval", "SpinBtnColor", "SpinBtnHotColor", "SpinBtnDiag", "Decimals", "MinValue"})
      // A spin edit starts at most 100: an upper bound of zero is written too.
      .Publish("MaxValue")
      .EmptyStored()
      .Publish({"Suffix", "AutoSize", "CustomButtons", "CustomButtonsStyle", "CustomButtonWidth",
                "CustomButtonParentCtlXP", "Font", "Font3D", "ParentFont"});
}

ZYL_CLASS_IMPL(TZYLLabeledExtSpinEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledExtSpinEdit::TZYLLabeledExtSpinEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
