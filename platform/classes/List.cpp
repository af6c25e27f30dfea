#include "platform/classes/List.h"

#include <string>

#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

ZYL_CLASS_IMPL(TList) {}

namespace {

[[noreturn]] void Error(const char* what, int value) { throw EListError(Format(what, {value})); }

constexpr int kMaxListSize = 0x7FFFFFF;

}  // namespace

TList::~TList() { Clear(); }

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) Error(SListIndexError, index);
}

void TList::SetCapacity(int newCapacity) {
  if (newCapacity < Count() || newCapacity > kMaxListSize) Error(SListCapacityError, newCapacity);
  capacity_ = newCapacity;
  items_.reserve(static_cast<size_t>(newCapacity));
}

void TList::SetCount(int newCount) {
  if (newCount < 0 || newCount > kMaxListSize) Error(SListCountError, newCount);
  if (newCount > capacity_) SetCapacity(newCount);
  if (newCount > Count()) {
    items_.resize(static_cast<size_t>(newCount), nullptr);
  } else {
    for (int i = Count() - 1; i >= newCount; --i) Delete(i);
  }
}

void* TList::Items(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  void* old = items_[static_cast<size_t>(index)];
  if (old == item) return;
  items_[static_cast<size_t>(index)] = item;
  if (old) Notify(old, lnDeleted);
  if (item) Notify(item, lnAdded);
}

TList* TList::Expand() {
  if (Count() == capacity_) {
    // The framework's growth: 4, 8, then by a quarter.
    int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
    SetCapacity(capacity_ + delta);
  }
  return this;
}

int TList::Add(void* item) {
  const int index = Count();
  Expand();
  items_.push_back(item);
  if (item) Notify(item, lnAdded);
  return index;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) Error(SListIndexError, index);
  Expand();
  items_.insert(items_.begin() + index, item);
  if (item) Notify(item, lnAdded);
}

void TList::Delete(int index) {
  CheckIndex(index);
  void* item = items_[static_cast<size_t>(index)];
  items_.erase(items_.begin() + index);
  if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* item) {
  int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  int index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

int TList::IndexOf(void* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == item) return static_cast<int>(i);
  return -1;
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  void* item = items_[static_cast<size_t>(curIndex)];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void QuickSortPointers(void** items, int left, int right, TListSortCompare compare) {
  int i;
  do {
    i = left;
    int j = right;
    void* pivot = items[(left + right) >> 1];
    do {
      // The bounds only matter for inconsistent comparisons, which must not run off the list.
      while (i < right && compare(items[i], pivot) < 0) ++i;
      while (j > left && compare(items[j], pivot) > 0) --j;
      if (i <= j) {
        std::swap(items[i], items[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    if (left < j) QuickSortPointers(items, left, j, compare);
    left = i;
  } while (i < right);
}

void TList::Sort(TListSortCompare compare) {
  if (compare && Count() > 1) QuickSortPointers(items_.data(), 0, Count() - 1, compare);
}

void TList::Pack() {
  for (int i = Count() - 1; i >= 0; --i)
    if (!items_[static_cast<size_t>(i)]) items_.erase(items_.begin() + i);
}

void TList::Clear() {
  SetCount(0);
  capacity_ = 0;
  items_.shrink_to_fit();
}

void TList::Notify(void*, TListNotification) {}

}  // namespace vcl
