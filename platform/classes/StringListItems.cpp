#include "platform/classes/StringListItems.h"

#include <algorithm>
#include <iterator>

namespace vcl {

namespace {

// A block is cut in two when it grows past this many items; Spread fills blocks to half of it.
constexpr size_t kMaxBlock = 256;
constexpr size_t kSpreadBlock = kMaxBlock / 2;

}  // namespace

int TStringListItems::BlockOf(int Index) const {
  // The last block whose start is at or before Index.
  const auto it = std::upper_bound(starts_.begin(), starts_.end(), Index);
  return static_cast<int>(std::distance(starts_.begin(), it)) - 1;
}

TStringListItems::TItem& TStringListItems::At(int Index) {
  const int b = BlockOf(Index);
  return blocks_[static_cast<size_t>(b)]
                [static_cast<size_t>(Index - starts_[static_cast<size_t>(b)])];
}

const TStringListItems::TItem& TStringListItems::At(int Index) const {
  const int b = BlockOf(Index);
  return blocks_[static_cast<size_t>(b)]
                [static_cast<size_t>(Index - starts_[static_cast<size_t>(b)])];
}

void TStringListItems::Insert(int Index, TItem Item) {
  if (blocks_.empty()) {
    blocks_.emplace_back();
    starts_.push_back(0);
  }
  // An index past the last item goes to the end of the last block.
  const int b = Index == size_ ? static_cast<int>(blocks_.size()) - 1 : BlockOf(Index);
  const size_t ub = static_cast<size_t>(b);
  std::vector<TItem>& block = blocks_[ub];
  block.insert(block.begin() + (Index - starts_[ub]), std::move(Item));
  ++size_;
  for (size_t k = ub + 1; k < starts_.size(); ++k) ++starts_[k];
  if (block.size() > kMaxBlock) SplitBlock(b);
}

void TStringListItems::SplitBlock(int Block) {
  const size_t ub = static_cast<size_t>(Block);
  std::vector<TItem> tail;
  {
    std::vector<TItem>& block = blocks_[ub];
    const size_t half = block.size() / 2;
    tail.reserve(kMaxBlock + 1);
    std::move(block.begin() + static_cast<ptrdiff_t>(half), block.end(), std::back_inserter(tail));
    block.erase(block.begin() + static_cast<ptrdiff_t>(half), block.end());
  }
  const int start = starts_[ub] + static_cast<int>(blocks_[ub].size());
  blocks_.insert(blocks_.begin() + Block + 1, std::move(tail));
  starts_.insert(starts_.begin() + Block + 1, start);
}

void TStringListItems::Erase(int Index) {
  const int b = BlockOf(Index);
  const size_t ub = static_cast<size_t>(b);
  std::vector<TItem>& block = blocks_[ub];
  block.erase(block.begin() + (Index - starts_[ub]));
  --size_;
  for (size_t k = ub + 1; k < starts_.size(); ++k) --starts_[k];
  if (block.empty()) {
    blocks_.erase(blocks_.begin() + b);
    starts_.erase(starts_.begin() + b);
  }
}

void TStringListItems::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  starts_.clear();
  starts_.shrink_to_fit();
  size_ = 0;
}

void TStringListItems::Gather() {
  if (blocks_.size() <= 1) return;
  std::vector<TItem> all;
  all.reserve(static_cast<size_t>(size_));
  for (std::vector<TItem>& block : blocks_)
    std::move(block.begin(), block.end(), std::back_inserter(all));
  blocks_.clear();
  blocks_.push_back(std::move(all));
  starts_.assign(1, 0);
}

void TStringListItems::Spread() {
  if (blocks_.size() != 1 || blocks_[0].size() <= kMaxBlock) return;
  std::vector<TItem> all = std::move(blocks_[0]);
  blocks_.clear();
  starts_.clear();
  for (size_t at = 0; at < all.size(); at += kSpreadBlock) {
    const size_t end = std::min(all.size(), at + kSpreadBlock);
    std::vector<TItem> block;
    block.reserve(kMaxBlock + 1);
    std::move(all.begin() + static_cast<ptrdiff_t>(at), all.begin() + static_cast<ptrdiff_t>(end),
              std::back_inserter(block));
    blocks_.push_back(std::move(block));
    starts_.push_back(static_cast<int>(at));
  }
}

}  // namespace vcl
