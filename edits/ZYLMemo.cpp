#include "edits/ZYLMemo.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMemo) {
  b.Publish({"Align",
             "Alignment",
             "Font",
             "Font3D",
             "HideSelection",
             "ParentFont",
             "ReadOnly",
             "Text",
             "Lines",
             "WordWrap",
             "WantTabs",
             "WantReturns",
             "Lined",
             "LineStyle",
             "Margin",
             "ScrollBars",
             "TabChars",
             "HorizScrollBar",
             "VertScrollBar",
             "OnCurrentRowChanged",
             "OnMarginRowPaint",
             "OnRowCountChanged"});
}

ZYL_CLASS_IMPL(TZYLLabeledMemo) {
  b.Publish({"LabelPosition", "LabelSpacing", "LabelSync", "EditLabel"});
}

TZYLLabeledMemo::TZYLLabeledMemo(vcl::TComponent* AOwner) : inherited(AOwner) { SetHasLabel(true); }

}  // namespace zyl
