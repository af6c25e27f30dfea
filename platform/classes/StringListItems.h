// The item container of TStringList: strings with their objects, kept in blocks of a hundred or
// two so that inserting or deleting in the middle of a long list moves one block's tail and a
// few starts of blocks, not the whole tail of the list.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace vcl {

class TObject;

class TStringListItems {
 public:
  struct TItem {
    std::string S;
    TObject* Obj;
  };

  int Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  // Index must lie in [0, Size()).
  TItem& At(int Index);
  const TItem& At(int Index) const;
  // Index must lie in [0, Size()].
  void Insert(int Index, TItem Item);
  void Erase(int Index);
  void Clear();
  // Gathers the items in one block, so that a sort reaches each by its index directly; Spread
  // cuts them into blocks again afterwards.
  void Gather();
  void Spread();

  // The first index whose item is not `Less` (the items being ordered by it), and that item
  // (null at the end), found block by block: first the block, by its last item, then the place
  // in it, so that no item is looked up by its index.
  template <class Less>
  int LowerBound(Less less, const TItem*& Item) const;

 private:
  // The block holding Index (the last block in [First, Last] whose start is at or before it).
  int BlockOf(int Index) const;
  int BlockIn(int Index, int First, int Last) const;
  // The index of a block's first item.
  int Start(int Block) const {
    const size_t b = static_cast<size_t>(Block);
    return groupStarts_[b / kGroup] + offsets_[b];
  }
  // Counts Delta more (or fewer) items in Block, moving the starts of the blocks after it.
  void Resize(int Block, int Delta);
  // Computes the starts of all blocks from their sizes.
  void Reindex();
  void SplitBlock(int Block);
  // Blocks are indexed in groups: a block's start is its group's start plus its offset in the
  // group, so that an insert moves the offsets of one group and the starts of the groups after
  // it, not the starts of all blocks after it.
  static constexpr size_t kGroup = 32;
  std::vector<std::vector<TItem>> blocks_;
  std::vector<int> groupStarts_;
  std::vector<int> offsets_;
  int size_ = 0;
  // The block a search ended in last: a sorted insert goes into it.
  mutable int recent_ = 0;
};

template <class Less>
int TStringListItems::LowerBound(Less less, const TItem*& Item) const {
  size_t lo = 0, hi = blocks_.size();
  while (lo < hi) {
    const size_t mid = (lo + hi) / 2;
    if (less(blocks_[mid].back())) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  if (lo == blocks_.size()) {
    Item = nullptr;
    return size_;
  }
  const std::vector<TItem>& block = blocks_[lo];
  const auto it = std::partition_point(block.begin(), block.end(), less);
  Item = &*it;  // the block's last item is not less, so the place lies inside it
  recent_ = static_cast<int>(lo);
  return Start(static_cast<int>(lo)) + static_cast<int>(it - block.begin());
}

}  // namespace vcl
