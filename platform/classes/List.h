// TList: a list of untyped pointers.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/classes/Object.h"

namespace vcl {

enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Negative when a sorts before b, as the framework's sort callbacks.
using TListSortCompare = int (*)(void* Item1, void* Item2);

class TList : public TObject {
  ZYL_CLASS(TList, TObject)
  TList() = default;
  ~TList() override;

  // Index errors raise EListError "List index out of bounds (%d)"; capacity and count errors
  // "List capacity out of bounds (%d)" / "List count out of bounds (%d)".
  int Count() const { return static_cast<int>(items_.size()); }
  void SetCount(int newCount);
  int Capacity() const { return capacity_; }
  void SetCapacity(int newCapacity);
  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* operator[](int index) const { return Items(index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  // Direct access to the items, as the framework's List property.
  void* const* List() const { return items_.data(); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence; returns its former index or -1.
  int Remove(void* item);
  // Removes without the lnDeleted notice; returns the item or nullptr when absent.
  void* Extract(void* item);
  int IndexOf(void* item) const;
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  // Quick sort in the framework's order (unstable: equal items may change places).
  void Sort(TListSortCompare compare);
  // Removes the nil items.
  void Pack();
  virtual void Clear();
  TList* Expand();

 protected:
  // Called after an item is added and after one is removed (deleted or extracted).
  virtual void Notify(void* item, TListNotification action);

 private:
  void CheckIndex(int index) const;
  std::vector<void*> items_;
  int capacity_ = 0;
};

// The framework's quick sort over a range of pointers (exposed for lists built on TList).
void QuickSortPointers(void** items, int left, int right, TListSortCompare compare);

}  // namespace vcl
