// The message of the exception of class E that a call raises (a test failure when it raises
// none).
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace classestest {

template <class E, class F>
std::string MessageOf(F&& call) {
  try {
    call();
  } catch (const E& e) {
    return e.Message();
  }
  ADD_FAILURE() << "no exception raised";
  return std::string();
}

}  // namespace classestest
