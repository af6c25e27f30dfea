#include "display/ZYLProgressFill.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLProgressFill) {
  using C = TZYLProgressFill;
  b.Prop("Step", &C::Step, &C::SetStep)
      .Default(10)
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Prop("UserValue", &C::UserValue, &C::SetUserValue)
      .Default(0);
}

}  // namespace zyl
