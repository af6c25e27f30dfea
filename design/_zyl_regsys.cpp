#include "design/_zyl_regsys.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regsys {

void Register() { ZYLRegisterUnit("_zyl_regsys"); }

}  // namespace zyl::_zyl_regsys
