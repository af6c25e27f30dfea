// The unit table of the library's run-time package, in initialization order: the theme
// binding, the application object (with the timer pool and its ini control), the global
// container with its four lists, then the units that register classes for streaming. The
// package unit (zyl70se_B5.cpp) puts the other subsystems' units after these.
#pragma once

#include "platform/sys/Packages.h"

namespace zyl {

const vcl::TPackageUnitTable& ZYLPackageUnitTable();

}  // namespace zyl
