#include "platform/classes/StringListItems.h"

#include <algorithm>
#include <iterator>

namespace vcl {

namespace {

// A block is cut in two when it grows past this many items; Spread fills blocks to half of it.
constexpr size_t kMaxBlock = 256;
constexpr size_t kSpreadBlock = kMaxBlock / 2;

}  // namespace

int TStringListItems::BlockIn(int Index, int First, int Last) const {
  // Halves the blocks without a branch on the comparison, which a processor cannot guess.
  int base = First;
  for (int n = Last - First + 1; n > 1;) {
    const int half = n / 2;
    base = Start(base + half) <= Index ? base + half : base;
    n -= half;
  }
  return base;
}

int TStringListItems::BlockOf(int Index) const {
  const int last = static_cast<int>(blocks_.size()) - 1;
  if (recent_ <= last && Start(recent_) <= Index && (recent_ == last || Start(recent_ + 1) > Index))
    return recent_;
  return BlockIn(Index, 0, last);
}

TStringListItems::TItem& TStringListItems::At(int Index) {
  const int b = BlockOf(Index);
  return blocks_[static_cast<size_t>(b)][static_cast<size_t>(Index - Start(b))];
}

const TStringListItems::TItem& TStringListItems::At(int Index) const {
  const int b = BlockOf(Index);
  return blocks_[static_cast<size_t>(b)][static_cast<size_t>(Index - Start(b))];
}

void TStringListItems::Resize(int Block, int Delta) {
  size_ += Delta;
  const size_t b = static_cast<size_t>(Block);
  const size_t groupEnd = std::min(offsets_.size(), (b / kGroup + 1) * kGroup);
  for (size_t k = b + 1; k < groupEnd; ++k) offsets_[k] += Delta;
  for (size_t g = b / kGroup + 1; g < groupStarts_.size(); ++g) groupStarts_[g] += Delta;
}

void TStringListItems::Reindex() {
  groupStarts_.clear();
  offsets_.resize(blocks_.size());
  int start = 0;
  for (size_t b = 0; b < blocks_.size(); ++b) {
    if (b % kGroup == 0) groupStarts_.push_back(start);
    offsets_[b] = start - groupStarts_.back();
    start += static_cast<int>(blocks_[b].size());
  }
}

void TStringListItems::Insert(int Index, TItem Item) {
  if (blocks_.empty()) {
    blocks_.emplace_back();
    Reindex();
  }
  // An index past the last item goes to the end of the last block.
  const int b = Index == size_ ? static_cast<int>(blocks_.size()) - 1 : BlockOf(Index);
  std::vector<TItem>& block = blocks_[static_cast<size_t>(b)];
  block.insert(block.begin() + (Index - Start(b)), std::move(Item));
  Resize(b, 1);
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
  blocks_.insert(blocks_.begin() + Block + 1, std::move(tail));
  Reindex();
}

void TStringListItems::Erase(int Index) {
  const int b = BlockOf(Index);
  std::vector<TItem>& block = blocks_[static_cast<size_t>(b)];
  block.erase(block.begin() + (Index - Start(b)));
  Resize(b, -1);
  if (block.empty()) {
    blocks_.erase(blocks_.begin() + b);
    Reindex();
  }
}

void TStringListItems::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  groupStarts_.clear();
  groupStarts_.shrink_to_fit();
  offsets_.clear();
  offsets_.shrink_to_fit();
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
  Reindex();
}

void TStringListItems::Spread() {
  if (blocks_.size() != 1 || blocks_[0].size() <= kMaxBlock) return;
  std::vector<TItem> all = std::move(blocks_[0]);
  blocks_.clear();
  for (size_t at = 0; at < all.size(); at += kSpreadBlock) {
    const size_t end = std::min(all.size(), at + kSpreadBlock);
    std::vector<TItem> block;
    block.reserve(kMaxBlock + 1);
    std::move(all.begin() + static_cast<ptrdiff_t>(at), all.begin() + static_cast<ptrdiff_t>(end),
              std::back_inserter(block));
    blocks_.push_back(std::move(block));
  }
  Reindex();
}

}  // namespace vcl
