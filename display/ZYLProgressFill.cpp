#include "display/ZYLProgressFill.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLProgressFill) { b.Publish({"Step", "Position", "UserValue"}); }

}  // namespace zyl
