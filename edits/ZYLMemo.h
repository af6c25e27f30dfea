// The memos as they stand on the palette: TZYLMemo publishes the memo's properties,
// TZYLLabeledMemo is the same with its caption label (a bound label it owns, written to form
// files as "SubLabel").
#pragma once

#include "edits/ZYLCustomMemo.h"

namespace zyl {

class TZYLMemo : public TZYLCustomMemo {
  ZYL_CLASS(TZYLMemo, TZYLCustomMemo)
  explicit TZYLMemo(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLLabeledMemo : public TZYLMemo {
  ZYL_CLASS(TZYLLabeledMemo, TZYLMemo)
  explicit TZYLLabeledMemo(vcl::TComponent* AOwner);
};

// Registers / unregisters the unit's component classes for streaming.
void ZYLMemoInit();
void ZYLMemoDone();

}  // namespace zyl
