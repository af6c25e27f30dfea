#pragma once
// Runs a piece of clean-up code when a scope is left, normally or by an exception: the
// framework's try/finally. The clean-up code may throw on the normal way out (its exception
// then leaves the scope, as a finally block's would); while an exception is already on its
// way, an exception from the clean-up is dropped so that the first one arrives. TOnFailure runs
// its code only on the way out by an exception.

#include <exception>
#include <utility>

namespace vcl {

// Runs clean-up code for a scope that an exception is leaving (or in a destructor), dropping
// what the clean-up raises.
template <class F>
void RunDroppingErrors(F&& f) noexcept {
  try {
    f();
  } catch (...) {  // a second exception on its way would end the program: the first one wins
  }
}

template <class F>
class TFinally {
 public:
  explicit TFinally(F f) : f_(std::move(f)), pending_(std::uncaught_exceptions()) {}
  ~TFinally() noexcept(false) {
    if (std::uncaught_exceptions() == pending_) {
      f_();
      return;
    }
    RunDroppingErrors(f_);
  }
  TFinally(const TFinally&) = delete;
  TFinally& operator=(const TFinally&) = delete;

 private:
  F f_;
  int pending_;
};

// Runs a piece of undo code only when the scope is left by an exception; the normal way out
// keeps the work (the framework's try/except that undoes and raises again). What the undo code
// raises is dropped, so that the exception that left the scope arrives.
template <class F>
class TOnFailure {
 public:
  explicit TOnFailure(F f) : f_(std::move(f)), pending_(std::uncaught_exceptions()) {}
  ~TOnFailure() {
    if (std::uncaught_exceptions() > pending_) RunDroppingErrors(f_);
  }
  TOnFailure(const TOnFailure&) = delete;
  TOnFailure& operator=(const TOnFailure&) = delete;

 private:
  F f_;
  int pending_;
};

}  // namespace vcl
