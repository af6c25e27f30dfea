#include "edits/ZYLExtListBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLExtListBox) {
  b.Publish({"Items", "Columns", "MultiLine", "ItemAutoHeight", "EditOptions", "LargeTextOptions",
             "OnEditShow", "OnEditMeasure", "OnEditChange", "OnEditHide"});
}

ZYL_CLASS_IMPL(TZYLLabeledExtListBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledExtListBox::TZYLLabeledExtListBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
