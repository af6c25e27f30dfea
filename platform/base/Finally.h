#pragma once
// Runs a piece of clean-up code when a scope is left, normally or by an exception: the
// framework's try/finally. The clean-up code may throw on the normal way out (its exception
// then leaves the scope, as a finally block's would); while an exception is already on its
// way, an exception from the clean-up is dropped so that the first one arrives.

#include <exception>
#include <utility>

namespace vcl {

template <class F>
class TFinally {
 public:
  explicit TFinally(F f) : f_(std::move(f)), pending_(std::uncaught_exceptions()) {}
  ~TFinally() noexcept(false) {
    if (std::uncaught_exceptions() == pending_) {
      f_();
      return;
    }
    try {
      f_();
    } catch (...) {
    }
  }
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;

 private:
  F f_;
  int pending_;
};

}  // namespace vcl
