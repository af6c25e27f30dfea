// The unit table of the library's run-time package, in initialization order: the theme
// binding, the timers and the settings storage (registering their components for streaming),
// the application object (with the timer pool and its ini control), the global container
// with its four lists and its components, then the face controller's setting classes. The
// package unit (zyl70se_B5.cpp) puts the other subsystems' units after these.
#pragma once

#include "platform/sys/Packages.h"

namespace zyl {

const vcl::TPackageUnitTable& ZYLPackageUnitTable();

}  // namespace zyl
