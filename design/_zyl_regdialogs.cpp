#include "design/_zyl_regdialogs.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regdialogs {

void Register() { ZYLRegisterUnit("_zyl_regdialogs"); }

}  // namespace zyl::_zyl_regdialogs
