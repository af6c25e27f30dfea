// The unit table of the library's run-time package, in initialization order: the theme
// binding, the application object (with the timer pool and its ini control), the global
// container with its four lists. The package's Initialize / Finalize hand it to the loader.
#pragma once

#include "platform/sys/Packages.h"

namespace zyl {

const vcl::TPackageUnitTable& ZYLPackageUnitTable();

}  // namespace zyl
