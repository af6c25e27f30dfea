#include "platform/controls/ActnList.h"

#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

// ---------------------------------------------------------------------------------------------
// TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // The clients let go of the action (their links go with it).
  while (!clients_.empty()) {
    TBasicActionLink* link = clients_.back();
    UnRegisterChanges(link);
    link->ActionFreed();
  }
}

bool TBasicAction::Execute() {
  if (!onExecute_) return false;
  onExecute_(this);
  return true;
}

bool TBasicAction::Update() {
  if (!onUpdate_) return false;
  onUpdate_(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  if (std::find(clients_.begin(), clients_.end(), Value) != clients_.end()) return;
  Value->action_ = this;
  clients_.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  auto it = std::find(clients_.begin(), clients_.end(), Value);
  if (it == clients_.end()) return;
  clients_.erase(it);
  Value->action_ = nullptr;
}

void TBasicAction::SetOnExecute(const TNotifyEvent& Value) {
  if (Value == onExecute_) return;
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_)) link->SetOnExecute(Value);
  onExecute_ = Value;
  Change();
}

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
}

ZYL_CLASS_IMPL(TBasicAction) {}

// ---------------------------------------------------------------------------------------------
// TContainedAction

TContainedAction::TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TContainedAction::~TContainedAction() { SetActionList(nullptr); }

bool TContainedAction::Execute() {
  if (actionList_ && actionList_->ExecuteAction(this)) return true;
  bool handled = false;
  if (Application && Application->OnActionExecute) Application->OnActionExecute(this, handled);
  return handled || TBasicAction::Execute();
}

bool TContainedAction::Update() {
  if (actionList_ && actionList_->UpdateAction(this)) return true;
  bool handled = false;
  if (Application && Application->OnActionUpdate) Application->OnActionUpdate(this, handled);
  return handled || TBasicAction::Update();
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == actionList_) return;
  if (actionList_) actionList_->RemoveAction(this);
  if (Value) Value->AddAction(this);
}

void TContainedAction::SetCategory(const std::string& Value) {
  if (Value == category_) return;
  category_ = Value;
  if (actionList_) actionList_->Change();
}

int TContainedAction::Index() const { return actionList_ ? actionList_->IndexOf(this) : -1; }

void TContainedAction::SetIndex(int Value) {
  if (actionList_) actionList_->MoveAction(this, Value);
}

TComponent* TContainedAction::GetParentComponent() const { return actionList_; }

void TContainedAction::SetParentComponent(TComponent* Value) {
  if (auto* list = dynamic_cast<TCustomActionList*>(Value)) SetActionList(list);
}

void TContainedAction::ReadState(TReader* Reader) {
  // An action read inside a list's object joins that list.
  if (auto* list = dynamic_cast<TCustomActionList*>(Reader->Parent())) SetActionList(list);
  TBasicAction::ReadState(Reader);
}

ZYL_CLASS_IMPL(TContainedAction) {
  b.Prop("Category", &TContainedAction::Category, &TContainedAction::SetCategory);
}

// ---------------------------------------------------------------------------------------------
// TCustomAction

TCustomAction::TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

bool TCustomAction::Execute() {
  Update();
  if (enabled_ && autoCheck_ && (!checked_ || groupIndex_ == 0)) SetChecked(!checked_);
  return enabled_ && TContainedAction::Execute();
}

bool TCustomAction::Update() {
  const bool handled = TContainedAction::Update();
  if (!handled && enabled_ && disableIfNoHandler_) SetEnabled(OnExecute().Assigned());
  return handled;
}

template <class F>
void TCustomAction::ForEachLink(F Set) {
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_))
    if (auto* l = dynamic_cast<TActionLink*>(link)) Set(l);
}

void TCustomAction::SetCaption(const std::string& Value) {
  if (Value == caption_) return;
  ForEachLink([&](TActionLink* l) { l->SetCaption(Value); });
  caption_ = Value;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  if (Value == checked_) return;
  ForEachLink([&](TActionLink* l) { l->SetChecked(Value); });
  checked_ = Value;
  if (Value) UncheckGroup();
  Change();
}

void TCustomAction::UncheckGroup() {
  if (groupIndex_ <= 0 || !ActionList()) return;
  for (int i = 0; i < ActionList()->ActionCount(); ++i) {
    auto* other = dynamic_cast<TCustomAction*>(ActionList()->Actions(i));
    if (other && other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
  }
}

void TCustomAction::SetEnabled(bool Value) {
  if (Value == enabled_) return;
  ForEachLink([&](TActionLink* l) { l->SetEnabled(Value); });
  enabled_ = Value;
  Change();
}

void TCustomAction::SetHelpContext(int32_t Value) {
  if (Value == helpContext_) return;
  ForEachLink([&](TActionLink* l) { l->SetHelpContext(Value); });
  helpContext_ = Value;
  Change();
}

void TCustomAction::SetHint(const std::string& Value) {
  if (Value == hint_) return;
  ForEachLink([&](TActionLink* l) { l->SetHint(Value); });
  hint_ = Value;
  Change();
}

void TCustomAction::SetImageIndex(int32_t Value) {
  if (Value == imageIndex_) return;
  ForEachLink([&](TActionLink* l) { l->SetImageIndex(Value); });
  imageIndex_ = Value;
  Change();
}

void TCustomAction::SetShortCut(TShortCut Value) {
  if (Value == shortCut_) return;
  ForEachLink([&](TActionLink* l) { l->SetShortCut(Value); });
  shortCut_ = Value;
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (Value == visible_) return;
  ForEachLink([&](TActionLink* l) { l->SetVisible(Value); });
  visible_ = Value;
  Change();
}

void TCustomAction::SetGroupIndex(int32_t Value) {
  if (Value == groupIndex_) return;
  groupIndex_ = Value;
  // A checked action joining a group unchecks the others of the group.
  if (checked_) UncheckGroup();
  Change();
}

ZYL_CLASS_IMPL(TCustomAction) {}

TAction::TAction(TComponent* AOwner) : TCustomAction(AOwner) {}

ZYL_CLASS_IMPL(TAction) {
  using C = TAction;
  b.Prop("AutoCheck", &C::AutoCheck, &C::SetAutoCheck)
      .Default(false)
      .Prop("Caption", &C::Caption, &C::SetCaption)
      .Prop("Checked", &C::Checked, &C::SetChecked)
      .Default(false)
      .Prop("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Prop("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
      .Default(0)
      .Prop("HelpContext", &C::HelpContext, &C::SetHelpContext)
      .Default(0)
      .Prop("Hint", &C::Hint, &C::SetHint)
      .Prop("ImageIndex", &C::ImageIndex, &C::SetImageIndex)
      .Default(-1)
      .Prop("ShortCut", &C::ShortCut, &C::SetShortCut)
      .Default(0)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true)
      .Prop("OnExecute", &C::OnExecute, &C::SetOnExecute)
      .Prop("OnHint", &C::OnHint, &C::SetOnHint)
      .Prop("OnUpdate", &C::OnUpdate, &C::SetOnUpdate);
}

// ---------------------------------------------------------------------------------------------
// TCustomActionList

TCustomActionList::TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomActionList::~TCustomActionList() {
  while (!actions_.empty()) delete actions_.back();
}

TContainedAction* TCustomActionList::Actions(int Index) const {
  if (Index < 0 || Index >= ActionCount()) throw EListError(Format(SListIndexError, {Index}));
  return actions_[static_cast<size_t>(Index)];
}

int TCustomActionList::IndexOf(const TContainedAction* Action) const {
  auto it = std::find(actions_.begin(), actions_.end(), Action);
  return it == actions_.end() ? -1 : static_cast<int>(it - actions_.begin());
}

bool TCustomActionList::ExecuteAction(TBasicAction* Action) {
  bool handled = false;
  if (OnExecute) OnExecute(Action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* Action) {
  bool handled = false;
  if (OnUpdate) OnUpdate(Action, handled);
  return handled;
}

bool TCustomActionList::IsShortCut(TWMKey& Message) {
  const TShortCut sc = ShortCut(Message.CharCode(), KeyDataToShiftState(Message.KeyData()));
  if (sc == scNone) return false;
  for (TContainedAction* a : std::vector<TContainedAction*>(actions_)) {
    // The first action with the shortcut answers (a disabled one leaves the key to others).
    if (auto* action = dynamic_cast<TCustomAction*>(a); action && action->ShortCut() == sc)
      return action->Execute();
  }
  return false;
}

void TCustomActionList::SetImages(TComponent* Value) {
  if (Value == images_) return;
  if (images_) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_) images_->FreeNotification(this);
  Change();
}

void TCustomActionList::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (TContainedAction* a : actions_)
    if (a->Owner() == Root) Proc(a);
}

void TCustomActionList::SetChildOrder(TComponent* Child, int Order) {
  if (auto* a = dynamic_cast<TContainedAction*>(Child); a && a->ActionList() == this)
    MoveAction(a, Order);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  if (AComponent == images_) images_ = nullptr;
}

void TCustomActionList::Change() {
  if (OnChange) OnChange(this);
}

void TCustomActionList::AddAction(TContainedAction* Action) {
  actions_.push_back(Action);
  Action->actionList_ = this;
  Change();
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  auto it = std::find(actions_.begin(), actions_.end(), Action);
  if (it == actions_.end()) return;
  actions_.erase(it);
  Action->actionList_ = nullptr;
  Change();
}

void TCustomActionList::MoveAction(TContainedAction* Action, int Index) {
  const int from = IndexOf(Action);
  if (from < 0) return;
  Index = std::clamp(Index, 0, ActionCount() - 1);
  if (Index == from) return;
  actions_.erase(actions_.begin() + from);
  actions_.insert(actions_.begin() + Index, Action);
  Change();
}

ZYL_CLASS_IMPL(TCustomActionList) {}

ZYL_CLASS_IMPL(TActionList) {
  using C = TActionList;
  b.Prop("Images", &C::Images, &C::SetImages)
      .Prop("OnChange", &C::OnChange, &C::SetOnChange)
      .Prop("OnExecute", &C::OnExecute, &C::SetOnExecute)
      .Prop("OnUpdate", &C::OnUpdate, &C::SetOnUpdate);
}

// ---------------------------------------------------------------------------------------------
// The links

TBasicActionLink::~TBasicActionLink() {
  if (action_) action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == action_) return;
  if (action_) action_->UnRegisterChanges(this);
  if (Value) Value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!action_) return false;
  TBasicAction* action = action_;
  action->SetActionComponent(AComponent);
  TFinally done([action] { action->SetActionComponent(nullptr); });
  return action->Execute();
}

bool TBasicActionLink::Update() { return action_ && action_->Update(); }

ZYL_CLASS_IMPL(TBasicActionLink) {}
ZYL_CLASS_IMPL(TActionLink) {}

bool TControlActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TControlActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TControlActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() &&
         client_->HelpContext() == CustomAction()->HelpContext();
}
bool TControlActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TControlActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
bool TControlActionLink::IsOnExecuteLinked() {
  return Action() && client_->OnClick == Action()->OnExecute();
}
void TControlActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}
void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}
void TControlActionLink::SetHelpContext(int32_t Value) {
  if (IsHelpContextLinked()) client_->SetHelpContext(Value);
}
void TControlActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}
void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}
void TControlActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}
void TControlActionLink::ActionFreed() { client_->SetAction(nullptr); }
ZYL_CLASS_IMPL(TControlActionLink) {}

bool TButtonActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && client_->GetChecked() == CustomAction()->Checked();
}
void TButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) client_->SetCheckedQuietly(Value);
}
ZYL_CLASS_IMPL(TButtonActionLink) {}

bool TMenuActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TMenuActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && client_->Checked() == CustomAction()->Checked();
}
bool TMenuActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TMenuActionLink::IsHelpContextLinked() {
  return TActionLink::IsHelpContextLinked() &&
         client_->HelpContext() == CustomAction()->HelpContext();
}
bool TMenuActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TMenuActionLink::IsImageIndexLinked() {
  return TActionLink::IsImageIndexLinked() && client_->ImageIndex() == CustomAction()->ImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() {
  return TActionLink::IsShortCutLinked() && client_->ShortCut() == CustomAction()->ShortCut();
}
bool TMenuActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
bool TMenuActionLink::IsOnExecuteLinked() {
  return Action() && client_->OnClick == Action()->OnExecute();
}
void TMenuActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) client_->SetCaption(Value);
}
void TMenuActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) client_->SetChecked(Value);
}
void TMenuActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) client_->SetEnabled(Value);
}
void TMenuActionLink::SetHelpContext(int32_t Value) {
  if (IsHelpContextLinked()) client_->SetHelpContext(Value);
}
void TMenuActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) client_->SetHint(Value);
}
void TMenuActionLink::SetImageIndex(int32_t Value) {
  if (IsImageIndexLinked()) client_->SetImageIndex(Value);
}
void TMenuActionLink::SetShortCut(TShortCut Value) {
  if (IsShortCutLinked()) client_->SetShortCut(Value);
}
void TMenuActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) client_->SetVisible(Value);
}
void TMenuActionLink::SetOnExecute(const TNotifyEvent& Value) {
  if (IsOnExecuteLinked()) client_->OnClick = Value;
}
void TMenuActionLink::ActionFreed() { client_->SetAction(nullptr); }
ZYL_CLASS_IMPL(TMenuActionLink) {}

void ClickActionClient(TComponent* Client, const TNotifyEvent& OnClick, TBasicActionLink* Link) {
  TBasicAction* action = Link ? Link->Action() : nullptr;
  if (OnClick && action && OnClick != action->OnExecute())
    OnClick(Client);
  else if (action && !Client->ComponentState().contains(csDesigning))
    Link->Execute(Client);
  else if (OnClick)
    OnClick(Client);
}

void RegisterActions() { RegisterClasses({TActionList::StaticClass(), TAction::StaticClass()}); }

namespace {
struct TRegisterActions {
  TRegisterActions() { RegisterActions(); }
} registerActions;
}  // namespace

}  // namespace vcl
