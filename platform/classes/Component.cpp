#include "platform/classes/Component.h"

#include <algorithm>
#include <typeinfo>
#include <unordered_map>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

namespace vcl {

ZYL_CLASS_IMPL(TComponent) {
  b.Prop("Name", &TComponent::Name, &TComponent::SetName).Stored(false)
   .Prop("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

namespace {

[[noreturn]] void ListIndexError(int index) { throw EListError(Format(SListIndexError, {index})); }

}  // namespace

// Owned components by lower-case name, so that name checks stay constant-time for large forms.
struct TComponent::TNameIndex {
  std::unordered_multimap<std::string, TComponent*> Map;
};

bool IsValidIdent(const std::string& ident) {
  if (ident.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(ident[0])) return false;
  for (char c : ident)
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // References of a stream that still wait for another root must not outlive this one.
  if (state_.contains(csFixups)) RemoveFixups(this);
  Destroying();
  // Everyone linked to this component hears of its end; their link back is dropped first so
  // that a Notification override that forgets `inherited` leaves nothing dangling.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->RemoveNotification(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) ListIndexError(index);
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  auto& list = owner_->components_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetComponentIndex(int value) {
  if (!owner_) return;
  auto& list = owner_->components_;
  int cur = ComponentIndex();
  if (cur < 0) return;
  const int count = static_cast<int>(list.size());
  if (value < 0) value = 0;
  if (value >= count) value = count - 1;
  if (value == cur) return;
  list.erase(list.begin() + cur);
  list.insert(list.begin() + value, this);
  owner_->kept_.clear();
  owner_->RebuildNotifyList();
}

void TComponent::KeepOfComponents(const void* Key, void* Value) {
  for (auto& k : kept_)
    if (k.first == Key) {
      k.second = Value;
      return;
    }
  kept_.emplace_back(Key, Value);
}

bool TComponent::RecallOfComponents(const void* Key, void*& Value) const {
  for (const auto& k : kept_)
    if (k.first == Key) {
      Value = k.second;
      return true;
    }
  return false;
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty() || !names_) return nullptr;
  auto range = names_->Map.equal_range(LowerCase(AName));
  if (range.first == range.second) return nullptr;
  // With several (possible while renaming) the first in list order wins.
  TComponent* best = range.first->second;
  if (std::next(range.first) == range.second) return best;
  for (auto it = std::next(range.first); it != range.second; ++it)
    if (std::find(components_.begin(), components_.end(), it->second) <
        std::find(components_.begin(), components_.end(), best))
      best = it->second;
  return best;
}

void TComponent::IndexName(TComponent* AComponent, bool add) {
  if (AComponent->name_.empty()) return;
  const std::string key = LowerCase(AComponent->name_);
  if (add) {
    if (!names_) names_ = std::make_unique<TNameIndex>();
    names_->Map.emplace(key, AComponent);
  } else if (names_) {
    auto range = names_->Map.equal_range(key);
    for (auto it = range.first; it != range.second; ++it)
      if (it->second == AComponent) {
        names_->Map.erase(it);
        ++namesFreed_;
        break;
      }
  }
}

void TComponent::SetName(const std::string& NewName) {
  if (name_ == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(Format(SInvalidName, {NewName}));
  if (owner_) owner_->ValidateRename(this, name_, NewName);
  else ValidateRename(nullptr, name_, NewName);
  const std::string oldName = name_;
  SetReference(false);
  ChangeName(NewName);
  // The owner's field of that name may hold another class: then the old name stays.
  const TOnFailure keepOldName([&] {
    ChangeName(oldName);
    SetReference(true);
  });
  SetReference(true);
}

void TComponent::ChangeName(const std::string& NewName) {
  if (owner_) owner_->IndexName(this, false);
  name_ = NewName;
  if (owner_) owner_->IndexName(this, true);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
  if (AComponent && !SameText(CurName, NewName) && FindComponent(NewName))
    throw EComponentError(Format(SDuplicateName, {NewName}));
}

void TComponent::ValidateContainer(TComponent* AContainer) { AContainer->ValidateInsert(this); }


void TComponent::ValidateInsert(TComponent*) {}

void TComponent::SetReference(bool Enable) {
  if (owner_ && !name_.empty()) owner_->SetFieldValue(name_, Enable ? this : nullptr);
}

void TComponent::Insert(TComponent* AComponent) {
  // The previous newcomer is built by now (see Notification in the header): classifying it
  // here keeps every later broadcast from reaching it when it need not hear.
  if (pending_ && !pending_->classified_) pending_->Classify();
  pending_ = AComponent;
  kept_.clear();
  const bool first = components_.empty();
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  IndexName(AComponent, true);
  AComponent->listed_ = AComponent->NeedsBroadcast();
  if (AComponent->listed_) notifyList_.push_back(AComponent);
  AComponent->insertListed_ = AComponent->HearsInserts();
  if (AComponent->insertListed_) insertList_.push_back(AComponent);
  if (first) EnsureListed();
  if (AComponent->insertListed_) InsertListGrew();
}

void TComponent::InsertListGrew() {
  if (!owner_ || insertListed_ || !WantsInserts()) return;
  if (listed_ && owner_->components_.back() == this) {
    // The newest of its owner's components: its place is at the end.
    owner_->insertList_.push_back(this);
    insertListed_ = true;
    owner_->InsertListGrew();
  } else {
    owner_->RebuildNotifyList();
  }
}

void TComponent::InsertListShrank() {
  if (!owner_ || !insertListed_ || WantsInserts()) return;
  owner_->Unlist(owner_->insertList_, this);
  insertListed_ = false;
  owner_->InsertListShrank();
}

void TComponent::RebuildNotifyList() {
  notifyList_.clear();
  insertList_.clear();
  for (TComponent* c : components_) {
    c->listed_ = c->NeedsBroadcast();
    if (c->listed_) notifyList_.push_back(c);
    c->insertListed_ = c->HearsInserts();
    if (c->insertListed_) insertList_.push_back(c);
  }
  if (insertList_.empty())
    InsertListShrank();
  else
    InsertListGrew();
}

void TComponent::EnsureListed() {
  if (owner_ && !listed_ && NeedsBroadcast()) owner_->RebuildNotifyList();
}

// Components leave lists mostly from the end (after construction, DestroyComponents).
void TComponent::Unlist(std::vector<TComponent*>& list, TComponent* AComponent) {
  for (size_t i = list.size(); i-- > 0;)
    if (list[i] == AComponent) {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
}

void TComponent::HearInserts(bool Value) {
  if (insertsMuted_ == !Value) return;
  insertsMuted_ = !Value;
  if (Value)
    InsertListGrew();
  else
    InsertListShrank();
}

void TComponent::AfterConstruction() {
  inherited::AfterConstruction();
  Classify();
}

void TComponent::Classify() {
  classified_ = true;
  // What it made of its own while being built is built too.
  if (pending_ && !pending_->classified_) pending_->Classify();
  // Only the exact class the information was built for is known to keep the base
  // Notification; a subclass that does not declare itself might override it.
  TClass cls = ClassType();
  const bool exact = cls->CppType() && typeid(*this) == *cls->CppType();
  quiet_ = exact && !cls->OverridesNotification();
  ignoresInsert_ = exact && cls->IgnoresInsertNotification();
  if (owner_ && listed_ && !NeedsBroadcast()) {
    owner_->Unlist(owner_->notifyList_, this);
    listed_ = false;
  }
  if (owner_ && insertListed_ && !HearsInserts()) {
    owner_->Unlist(owner_->insertList_, this);
    insertListed_ = false;
    owner_->InsertListShrank();
  }
}

void TComponent::Remove(TComponent* AComponent) {
  if (pending_ == AComponent) pending_ = nullptr;
  kept_.clear();
  IndexName(AComponent, false);
  // Components leave mostly from the end (DestroyComponents), so search backwards.
  for (size_t i = components_.size(); i-- > 0;)
    if (components_[i] == AComponent) {
      components_.erase(components_.begin() + static_cast<std::ptrdiff_t>(i));
      break;
    }
  if (AComponent->listed_) {
    Unlist(notifyList_, AComponent);
    AComponent->listed_ = false;
  }
  if (AComponent->insertListed_) {
    Unlist(insertList_, AComponent);
    AComponent->insertListed_ = false;
    InsertListShrank();
  }
  AComponent->owner_ = nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent) return;
  AComponent->ValidateContainer(this);
  ValidateRename(AComponent, std::string(), AComponent->name_);
  if (AComponent->owner_) AComponent->owner_->RemoveComponent(AComponent);
  Insert(AComponent);
  AComponent->SetReference(true);
  if (state_.contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->owner_ != this) return;
  Notification(AComponent, opRemove);
  AComponent->SetReference(false);
  Remove(AComponent);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* instance = components_.back();
    // A component others asked to hear of (FreeNotification) goes with the owner's broadcast,
    // as when it is freed alone, so that siblings holding it let go before it is freed.
    if (instance->state_.contains(csFreeNotification))
      RemoveComponent(instance);
    else
      Remove(instance);
    delete instance;
  }
}

void TComponent::Destroying() {
  if (state_.contains(csDestroying)) return;
  state_ += csDestroying;
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent);
  if (it != freeNotifies_.end()) freeNotifies_.erase(it);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (!owner_ || AComponent->owner_ != owner_) {
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
      freeNotifies_.push_back(AComponent);
      if (freeNotifies_.size() == 1) EnsureListed();
      AComponent->FreeNotification(this);
    }
  }
  state_ += csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Index loop: a handler may free components while the broadcast runs.
  const auto& list = Operation == opInsert ? insertList_ : notifyList_;
  for (size_t i = 0; i < list.size(); ++i) list[i]->Notification(AComponent, Operation);
}

void TComponent::Loaded() { state_ -= csLoading; }

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  if (Value) state_ += csDesigning;
  else state_ -= csDesigning;
  if (SetChildren)
    for (TComponent* c : components_) c->SetDesigning(Value, true);
}

void TComponent::SetAncestor(bool Value) {
  if (Value) state_ += csAncestor;
  else state_ -= csAncestor;
  for (TComponent* c : components_) c->SetAncestor(Value);
}

void TComponent::SetInline(bool Value) {
  if (Value) state_ += csInline;
  else state_ -= csInline;
}

void TComponent::Updating() { state_ += csUpdating; }
void TComponent::Updated() { state_ -= csUpdating; }

void TComponent::SetComponentStateFlag(TComponentStateItem item, bool on) {
  if (on) state_ += item;
  else state_ -= item;
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}
TComponent* TComponent::GetChildOwner() { return nullptr; }
TComponent* TComponent::GetChildParent() { return this; }
void TComponent::SetChildOrder(TComponent*, int) {}
bool TComponent::HasParent() const { return false; }
TComponent* TComponent::GetParentComponent() const { return nullptr; }
void TComponent::SetParentComponent(TComponent*) {}

std::string TComponent::GetNamePath() { return name_; }
TPersistent* TComponent::GetOwner() { return owner_; }

namespace {
uint16_t LoWord(int32_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
uint16_t HiWord(int32_t v) { return static_cast<uint16_t>((static_cast<uint32_t>(v) >> 16) & 0xFFFF); }
int32_t MakeLong(uint16_t lo, uint16_t hi) {
  return static_cast<int32_t>(static_cast<uint32_t>(lo) | (static_cast<uint32_t>(hi) << 16));
}
}  // namespace

void TComponent::DefineProperties(TFiler* Filer) {
  int32_t info = 0;
  if (auto* ancestor = dynamic_cast<TComponent*>(Filer->Ancestor())) info = ancestor->designInfo_;
  Filer->DefineProperty(
      "Left",
      [this](TReader* r) {
        designInfo_ = MakeLong(static_cast<uint16_t>(r->ReadInteger()), HiWord(designInfo_));
      },
      [this](TWriter* w) { w->WriteInteger(LoWord(designInfo_)); },
      LoWord(designInfo_) != LoWord(info));
  Filer->DefineProperty(
      "Top",
      [this](TReader* r) {
        designInfo_ = MakeLong(LoWord(designInfo_), static_cast<uint16_t>(r->ReadInteger()));
      },
      [this](TWriter* w) { w->WriteInteger(HiWord(designInfo_)); },
      HiWord(designInfo_) != HiWord(info));
}

// ReadState and WriteState are defined with the form streams (Filer.cpp).

}  // namespace vcl
