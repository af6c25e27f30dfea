// The single-line edits as they stand on the palette: TZYLEdit publishes the edit's properties,
// TZYLLabeledEdit is the same with its caption label (a bound label it owns, written to form
// files as "SubLabel").
#pragma once

#include "edits/ZYLCustomEdit.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLEdit : public TZYLCustomEdit {
  ZYL_CLASS(TZYLEdit, TZYLCustomEdit)
  explicit TZYLEdit(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledEdit : public TZYLEdit {
  ZYL_CLASS(TZYLLabeledEdit, TZYLEdit)
  explicit TZYLLabeledEdit(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLEditUnit =
    vcl::ClassesUnit<TZYLEdit, TZYLLabeledEdit>("ZYLEdit");

}  // namespace zyl
