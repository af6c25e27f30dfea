// TCollection and TCollectionItem: a list of items of one class, owned by the collection,
// each with a stable ID.
#pragma once

#include <string>
#include <vector>

#include "platform/classes/Persistent.h"

namespace vcl {

using TCollectionItemClass = TClass;

enum TCollectionNotification : uint8_t { cnAdded, cnExtracting, cnDeleting };

// An item joins its collection in the TCollectionItem constructor, so the collection's Notify
// and Update see it before the derived constructor has run.
class TCollectionItem : public TPersistent {
  ZYL_CLASS(TCollectionItem, TPersistent)
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  // Moves the item to another collection (nullptr: out of any).
  virtual void SetCollection(TCollection* Value);
  // Unique within the collection, from its NextID; never reused.
  int ID() const { return id_; }
  // Position in the collection (-1 without); setting it moves the item.
  int Index() const;
  virtual void SetIndex(int Value);
  // The class name unless overridden.
  virtual std::string DisplayName() const;

  std::string GetNamePath() override;
  TPersistent* GetOwner() override;

 protected:
  // Tells the collection this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

class TCollection : public TPersistent {
  ZYL_CLASS(TCollection, TPersistent)
  explicit TCollection(TCollectionItemClass ItemClass);
  ~TCollection() override;

  TCollectionItemClass ItemClass() const { return itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError "List index out of bounds (%d)".
  TCollectionItem* Items(int Index) const;
  // Assigns Value to the item at Index.
  void SetItems(int Index, TCollectionItem* Value);
  int NextID() const { return nextID_; }

  // Creates an item of ItemClass at the end.
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  // Item-wise copy from another collection (each new item Assigns the source item).
  void Assign(TPersistent* Source) override;

  // Update brackets: Update runs once when the last bracket closes.
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  std::string GetNamePath() override;
  TPersistent* GetOwner() override;
  // The name of the owner's published property holding this collection ("" if none).
  std::string PropName();

 protected:
  // Changes: one item (Item) or all of them (nullptr).
  virtual void Update(TCollectionItem* Item);
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  virtual void SetItemName(TCollectionItem* Item);
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item, bool checkClass);
  void RemoveItem(TCollectionItem* Item);
  TCollectionItemClass itemClass_;
  std::vector<TCollectionItem*> items_;
  int nextID_ = 0;
  int updateCount_ = 0;
};

// A collection with an owner, which is what its name path and the designers follow.
class TOwnedCollection : public TCollection {
  ZYL_CLASS(TOwnedCollection, TCollection)
  TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass);
  TPersistent* GetOwner() override { return owner_; }

 private:
  TPersistent* owner_;
};

}  // namespace vcl
