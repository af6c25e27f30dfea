#include "edits/ZYLListComboBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLListComboBox) {
  b.Publish({"DropDownCount", "Style", "Items", "DropDownWidth"});
}

ZYL_CLASS_IMPL(TZYLLabeledListComboBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledListComboBox::TZYLLabeledListComboBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
