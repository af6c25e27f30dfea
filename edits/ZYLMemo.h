// The memos as they stand on the palette: TZYLMemo publishes the memo's properties,
// TZYLLabeledMemo is the same with its caption label (a bound label it owns, written to form
// files as "SubLabel").
#pragma once

#include "edits/ZYLCustomMemo.h"
#include "platform/sys/Packages.h"

namespace zyl {

class TZYLMemo : public TZYLCustomMemo {
  ZYL_CLASS(TZYLMemo, TZYLCustomMemo)
  explicit TZYLMemo(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledMemo : public TZYLMemo {
  ZYL_CLASS(TZYLLabeledMemo, TZYLMemo)
  explicit TZYLLabeledMemo(vcl::TComponent* AOwner);
};

inline constexpr vcl::TUnitEntry ZYLMemoUnit =
    vcl::ClassesUnit<TZYLMemo, TZYLLabeledMemo>("ZYLMemo");

}  // namespace zyl
