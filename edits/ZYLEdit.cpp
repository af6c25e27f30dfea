#include "edits/ZYLEdit.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLEdit) {
  b.Publish({"AutoComplete",
             "AutoSelect",
             "AutoSize",
             "Alignment",
             "CharCase",
             "CustomButtons",
             "CustomButtonsStyle",
             "CustomButtonWidth",
             "CustomButtonParentCtlXP",
             "Font",
             "Font3D",
             "HideSelection",
             "MaxLength",
             "OEMConvert",
             "Options",
             "ParentFont",
             "PasswordChar",
             "ReadOnly",
             "TabOnEnter",
             "Text",
             "OnBtnClick"});
}

ZYL_CLASS_IMPL(TZYLLabeledEdit) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledEdit::TZYLLabeledEdit(vcl::TComponent* AOwner) : inherited(AOwner) { SetHasLabel(true); }

}  // namespace zyl
