#include "edits/ZYLColorListBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLColorListBox) {
  b.Publish({"CustomColors", "CustomMode", "DlgOptions", "DlgHelpContext", "DisplayStyle",
             "Options", "OnBeforeDialogShow", "OnAfterDialogShow"});
}

ZYL_CLASS_IMPL(TZYLLabeledColorListBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledColorListBox::TZYLLabeledColorListBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
