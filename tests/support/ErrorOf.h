// One-line expectations on raised errors.
#pragma once

#include <functional>
#include <string>

namespace testsupport {

// The message of the `E` that `f` raises, or "<no error>" when it returns; an exception of
// another class passes through (and fails the test).
template <class E>
std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return "<no error>";
}

}  // namespace testsupport
