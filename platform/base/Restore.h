#pragma once
// Changes a variable for the rest of a scope and puts its old value back however the scope is
// left (a flag raised while a window is being made, a depth counter).

#include <utility>

namespace vcl {

template <class T>
class TRestore {
 public:
  TRestore(T& variable, T value)
      : variable_(variable), old_(std::exchange(variable, std::move(value))) {}
  ~TRestore() { variable_ = std::move(old_); }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& variable_;
  T old_;
};

}  // namespace vcl
