// The item container of TStringList: strings with their objects, kept in blocks of a few hundred
// so that inserting or deleting in the middle of a long list moves one block's tail and the
// starts of the blocks after it, not the whole tail of the list.
#pragma once

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

 private:
  // The block holding Index and Index's place in it.
  int BlockOf(int Index) const;
  void SplitBlock(int Block);
  std::vector<std::vector<TItem>> blocks_;
  // The index of each block's first item.
  std::vector<int> starts_;
  int size_ = 0;
};

}  // namespace vcl
