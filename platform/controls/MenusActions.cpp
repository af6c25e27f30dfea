// TMenuItem: the action an item follows (its link, the properties it takes over, the stored
// rules of those properties).
#include "platform/controls/ActnList.h"
#include "platform/controls/Menus.h"

namespace vcl {

TBasicAction* TMenuItem::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* Value) {
  if (!Value) {
    delete actionLink_;
    actionLink_ = nullptr;
    return;
  }
  if (!actionLink_) actionLink_ = new TMenuActionLink(this);
  actionLink_->SetAction(Value);
  ActionChange(Value, Value->ComponentState().contains(csLoading));
}

void TMenuItem::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || caption_.empty()) SetCaption(action->Caption());
  if (!CheckDefaults || !checked_) SetChecked(action->Checked());
  if (!CheckDefaults || enabled_) SetEnabled(action->Enabled());
  if (!CheckDefaults || helpContext_ == 0) SetHelpContext(action->HelpContext());
  if (!CheckDefaults || hint_.empty()) SetHint(action->Hint());
  if (!CheckDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!CheckDefaults || shortCut_ == scNone) SetShortCut(action->ShortCut());
  if (!CheckDefaults || visible_) SetVisible(action->Visible());
  if (!CheckDefaults || !OnClick) OnClick = action->OnExecute();
}

void TMenuItem::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

void TMenuItem::InitiateActions() {
  for (TMenuItem* item : std::vector<TMenuItem*>(items_)) item->InitiateAction();
}

bool TMenuItem::IsCaptionStored() const { return !actionLink_ || !actionLink_->IsCaptionLinked(); }
bool TMenuItem::IsCheckedStored() const { return !actionLink_ || !actionLink_->IsCheckedLinked(); }
bool TMenuItem::IsEnabledStored() const { return !actionLink_ || !actionLink_->IsEnabledLinked(); }
bool TMenuItem::IsHelpContextStored() const {
  return !actionLink_ || !actionLink_->IsHelpContextLinked();
}
bool TMenuItem::IsHintStored() const { return !actionLink_ || !actionLink_->IsHintLinked(); }
bool TMenuItem::IsImageIndexStored() const {
  return !actionLink_ || !actionLink_->IsImageIndexLinked();
}
bool TMenuItem::IsShortCutStored() const {
  return !actionLink_ || !actionLink_->IsShortCutLinked();
}
bool TMenuItem::IsVisibleStored() const { return !actionLink_ || !actionLink_->IsVisibleLinked(); }
bool TMenuItem::IsOnClickStored() const {
  return !actionLink_ || !actionLink_->IsOnExecuteLinked();
}

}  // namespace vcl
