// The extended list box as it stands on the palette: TZYLExtListBox publishes the list box's
// properties with its items, columns, multi-line items, in-place editing and wide-text modes;
// TZYLLabeledExtListBox is the same with its caption label.
#pragma once

#include "edits/ZYLCustomListBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLExtListBox : public TZYLCustomListBox {
  ZYL_CLASS(TZYLExtListBox, TZYLCustomListBox)
  explicit TZYLExtListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledExtListBox : public TZYLExtListBox {
  ZYL_CLASS(TZYLLabeledExtListBox, TZYLExtListBox)
  explicit TZYLLabeledExtListBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLExtListBoxUnit =
    vcl::ClassesUnit<TZYLExtListBox, TZYLLabeledExtListBox>("ZYLExtListBox");

}  // namespace zyl
