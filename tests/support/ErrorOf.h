// One-line expectations on raised errors.
#pragma once

#include <functional>
#include <string>

namespace testsupport {

// The message of the `E` that `f` raises (its Message(), or what() for a standard exception),
// or "<no error>" when it returns; an exception of another class passes through (and fails the
// test).
template <class E>
std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    if constexpr (requires { e.Message(); })
      return e.Message();
    else
      return e.what();
  }
  return "<no error>";
}

}  // namespace testsupport
