#include "platform/classes/Collection.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TCollectionItem) {}
ZYL_CLASS_IMPL(TCollection) {}
ZYL_CLASS_IMPL(TOwnedCollection) {}

// ---------------------------------------------------------------------------------------------
// TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection) {
  // While the base is being built the item cannot show its final class: no class check here
  // (Add creates the collection's item class anyway).
  if (Collection) Collection->InsertItem(this, false);
}

TCollectionItem::~TCollectionItem() {
  if (collection_) collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (collection_ == Value) return;
  if (Value && Value->itemClass_ && !InheritsFrom(Value->itemClass_))
    throw EListError(Format(SItemClassMismatch, {ClassName(), Value->itemClass_->ClassName()}));
  if (collection_) collection_->RemoveItem(this);
  if (Value) Value->InsertItem(this, true);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  auto& items = collection_->items_;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int cur = Index();
  if (cur < 0 || cur == Value) return;
  auto& items = collection_->items_;
  if (Value < 0 || Value >= static_cast<int>(items.size()))
    throw EListError(Format(SListIndexError, {Value}));
  items.erase(items.begin() + cur);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(AllItems ? nullptr : this);
}

std::string TCollectionItem::GetNamePath() {
  if (!collection_) return ClassName();
  return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

TPersistent* TCollectionItem::GetOwner() { return collection_; }

// ---------------------------------------------------------------------------------------------
// TCollection

TCollection::TCollection(TCollectionItemClass ItemClass) : itemClass_(ItemClass) {}

TCollection::~TCollection() {
  updateCount_ = 1;  // no Update calls while dying
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError(Format(SListIndexError, {Index}));
  return items_[static_cast<size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::Add() {
  if (!itemClass_) throw EInvalidOperation(SNoItemClass);
  return itemClass_->CreateItem(this);
}

TCollectionItem* TCollection::Insert(int Index) {
  std::unique_ptr<TCollectionItem> item(Add());
  item->SetIndex(Index);
  return item.release();
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  TFinally endUpdate([&] { EndUpdate(); });
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == ID) return item;
  return nullptr;
}

void TCollection::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TCollection*>(Source)) {
    if (src == this) return;
    BeginUpdate();
    TFinally endUpdate([&] { EndUpdate(); });
    Clear();
    for (TCollectionItem* item : src->items_) Add()->Assign(item);
    return;
  }
  inherited::Assign(Source);
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ <= 0) return;
  --updateCount_;
  Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}
void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}
void TCollection::SetItemName(TCollectionItem*) {}

void TCollection::InsertItem(TCollectionItem* Item, bool checkClass) {
  if (checkClass && itemClass_ && !Item->InheritsFrom(itemClass_))
    throw EListError(Format(SItemClassMismatch, {Item->ClassName(), itemClass_->ClassName()}));
  items_.push_back(Item);
  Item->collection_ = this;
  Item->id_ = nextID_++;
  SetItemName(Item);
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  // Searched from the end: a collection is emptied last item first.
  auto it = std::find(items_.rbegin(), items_.rend(), Item);
  if (it != items_.rend()) items_.erase(std::next(it).base());
  Item->collection_ = nullptr;
  Changed();
}

TPersistent* TCollection::GetOwner() { return nullptr; }

std::string TCollection::PropName() {
  TPersistent* owner = GetOwner();
  if (!owner) return std::string();
  for (const TPropInfo* p : GetPropList(owner->ClassType(), TSet<TTypeKind>{tkClass}))
    if (GetObjectProp(owner, p) == this) return p->Name;
  return std::string();
}

std::string TCollection::GetNamePath() {
  TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  std::string path = owner->GetNamePath();
  if (path.empty()) return path;
  return path + "." + PropName();
}

TOwnedCollection::TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
    : TCollection(ItemClass), owner_(AOwner) {}

}  // namespace vcl
