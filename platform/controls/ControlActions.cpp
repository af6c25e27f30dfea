// TControl: the action a control follows (its link, the properties it takes over, the stored
// rules of those properties).
#include "platform/controls/ActnList.h"
#include "platform/controls/Control.h"

namespace vcl {

TBasicAction* TControl::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    delete actionLink_;
    actionLink_ = nullptr;
    controlStyle_ -= csActionClient;
    return;
  }
  if (!actionLink_) actionLink_ = CreateActionLink();
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->ComponentState().contains(csLoading));
  controlStyle_ += csActionClient;
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
  if (!CheckDefaults || enabled_) SetEnabled(action->Enabled());
  if (!CheckDefaults || hint_.empty()) SetHint(action->Hint());
  if (!CheckDefaults || visible_) SetVisible(action->Visible());
  if (!CheckDefaults || !OnClick) OnClick = action->OnExecute();
  if (!CheckDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
}

TControlActionLink* TControl::CreateActionLink() { return new TControlActionLink(this); }

void TControl::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

bool TControl::IsCaptionStored() const { return !actionLink_ || !actionLink_->IsCaptionLinked(); }
bool TControl::IsEnabledStored() const { return !actionLink_ || !actionLink_->IsEnabledLinked(); }
bool TControl::IsHelpContextStored() const {
  return !actionLink_ || !actionLink_->IsHelpContextLinked();
}
bool TControl::IsHintStored() const { return !actionLink_ || !actionLink_->IsHintLinked(); }
bool TControl::IsVisibleStored() const { return !actionLink_ || !actionLink_->IsVisibleLinked(); }
bool TControl::IsOnClickStored() const { return !actionLink_ || !actionLink_->IsOnExecuteLinked(); }

}  // namespace vcl
