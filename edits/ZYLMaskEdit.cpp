#include "edits/ZYLMaskEdit.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMaskEdit) {
  b.Publish({"BlankChar", "CurrencySettings", "CustomButtons", "CustomButtonsStyle",
             "CustomButtonWidth", "CustomButtonParentCtlXP", "DateSettings", "Decimals", "Font",
             "Font3D", "Mask", "MaskType", "NumberBase", "Options", "ParentFont", "Suffix",
             "TabOnEnter"})
      .Publish("Text")
      .Stored(&TZYLCustomMaskEdit::NoDateTime)
      .Publish({"OnBtnClick", "OnUserRule", "OnValidationError"});
}

ZYL_CLASS_IMPL(TZYLLabeledMaskEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledMaskEdit::TZYLLabeledMaskEdit(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
