// The colour list box as it stands on the palette (TZYLColorListBox) and its twin with a caption
// label (TZYLLabeledColorListBox).
#pragma once

#include "edits/ZYLCustomColorListBox.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLColorListBox : public TZYLCustomColorListBox {
  ZYL_CLASS(TZYLColorListBox, TZYLCustomColorListBox)
  explicit TZYLColorListBox(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledColorListBox : public TZYLColorListBox {
  ZYL_CLASS(TZYLLabeledColorListBox, TZYLColorListBox)
  explicit TZYLLabeledColorListBox(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLColorListBoxUnit =
    vcl::ClassesUnit<TZYLColorListBox, TZYLLabeledColorListBox>("ZYLColorListBox");

}  // namespace zyl
