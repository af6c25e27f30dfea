// A sequence with indexed access whose free room (the gap) stands where the last insertion or
// removal was. A change next to the previous one moves nothing, so a list filled in order - or
// in reverse order, as a sorted list fed descending items is - costs linear time overall; a
// change elsewhere moves the elements between the gap and it, as a vector would move the tail.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace win {

template <class T>
class GapVector {
 public:
  size_t size() const { return slots_.size() - gap_; }
  bool empty() const { return size() == 0; }
  size_t capacity() const { return slots_.size(); }
  T& operator[](size_t i) { return slots_[i < start_ ? i : i + gap_]; }
  const T& operator[](size_t i) const { return slots_[i < start_ ? i : i + gap_]; }

  // Puts value before the element at index `at` (at == size() appends).
  void insert(size_t at, T value) {
    if (gap_ == 0) Grow(size() + 1);
    MoveGap(at);
    slots_[start_++] = std::move(value);
    --gap_;
  }
  void erase(size_t at) {
    MoveGap(at);
    slots_[start_ + gap_] = T();  // the slot joins the gap empty
    ++gap_;
  }
  void clear() {
    slots_.clear();
    start_ = gap_ = 0;
  }
  void reserve(size_t n) {
    if (n > slots_.size()) Grow(n);
  }

 private:
  // With no gap nothing moves (moving an element onto itself would empty it).
  void MoveGap(size_t at) {
    if (gap_ != 0 && at < start_)
      std::move_backward(slots_.begin() + static_cast<std::ptrdiff_t>(at),
                         slots_.begin() + static_cast<std::ptrdiff_t>(start_),
                         slots_.begin() + static_cast<std::ptrdiff_t>(start_ + gap_));
    else if (gap_ != 0 && at > start_)
      std::move(slots_.begin() + static_cast<std::ptrdiff_t>(start_ + gap_),
                slots_.begin() + static_cast<std::ptrdiff_t>(at + gap_),
                slots_.begin() + static_cast<std::ptrdiff_t>(start_));
    start_ = at;
  }
  // Room for at least n elements (doubling), the gap at the end.
  void Grow(size_t n) {
    const size_t count = size();
    MoveGap(count);
    slots_.resize(std::max({n, slots_.size() * 2, size_t(16)}));
    gap_ = slots_.size() - count;
  }

  std::vector<T> slots_;  // the elements in [0, start_) and [start_ + gap_, end)
  size_t start_ = 0;      // where the gap begins
  size_t gap_ = 0;        // its length
};

}  // namespace win
