// TButtonControl: check boxes and radio buttons take their check from their action.
#include "platform/base/Finally.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/StdCtrls.h"

namespace vcl {

void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  TWinControl::ActionChange(Sender, CheckDefaults);
  if (auto* action = dynamic_cast<TCustomAction*>(Sender);
      action && (!CheckDefaults || !GetChecked()))
    SetCheckedQuietly(action->Checked());
}

void TButtonControl::SetCheckedQuietly(bool Value) {
  const bool was = clicksDisabled_;
  clicksDisabled_ = true;
  TFinally restored([this, was] { clicksDisabled_ = was; });
  SetChecked(Value);
}

TControlActionLink* TButtonControl::CreateActionLink() { return new TButtonActionLink(this); }

}  // namespace vcl
