#include "edits/ZYLImageListBox.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLImageListBox) {
  using C = TZYLImageListBox;
  b.Publish({"ImageList", "ListIndex", "GlyphNumber", "GlyphColumn", "Layout", "ImagesOnly"})
      .Publish("Items")
      .Stored(&C::StoreItems)
      .Publish({"ItemIndex", "MultiLine", "Margin", "Columns", "LargeTextOptions",
                "VerticalScrollBar", "HorzGridColor", "HorzGridStyle", "HorzGridLine",
                "EditOptions", "OnEditShow", "OnEditMeasure", "OnEditChange", "OnEditHide"});
}

ZYL_CLASS_IMPL(TZYLLabeledImageListBox) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledImageListBox::TZYLLabeledImageListBox(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetHasLabel(true);
}

}  // namespace zyl
