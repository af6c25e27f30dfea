#include "design/_zyl_regmm.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regmm {

void Register() { ZYLRegisterUnit("_zyl_regmm"); }

}  // namespace zyl::_zyl_regmm
