#include "display/ZYLProgressFill.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLProgressFill) { b.Publish({"Step", "Position", "UserValue"}); }

void ZYLProgressFillInit() { vcl::RegisterClasses({TZYLProgressFill::StaticClass()}); }
void ZYLProgressFillDone() { vcl::UnRegisterClasses({TZYLProgressFill::StaticClass()}); }

}  // namespace zyl
