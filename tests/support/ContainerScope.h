// The library's global container (its global image and bitmap lists) for the life of a scope:
// made when none exists, and finished at the end of the scope only then.
#pragma once

#include "foundation/ZYLCont.h"

namespace testsupport {

class TContainerScope {
 public:
  TContainerScope() : owns_(!zyl::ZYLContainer()) { zyl::ZYLContainerInit(); }
  ~TContainerScope() {
    if (owns_) zyl::ZYLContainerDone();
  }
  TContainerScope(const TContainerScope&) = delete;
  TContainerScope& operator=(const TContainerScope&) = delete;

 private:
  bool owns_;
};

}  // namespace testsupport
