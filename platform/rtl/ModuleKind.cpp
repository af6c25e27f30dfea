#include "platform/rtl/ModuleKind.h"

namespace vcl {

bool IsLibrary = false;

}  // namespace vcl
