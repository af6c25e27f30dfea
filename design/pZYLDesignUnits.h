// The design-time package's own units in start-up order: the editor forms, each registering its
// form class and layout when it starts. A host starts them after the library's units (the forms
// are made of the library's controls) and stops them in reverse order.
#pragma once

#include "platform/sys/Packages.h"

namespace zyl {

const vcl::TPackageUnitTable& ZYLDesignUnitTable();

}  // namespace zyl
