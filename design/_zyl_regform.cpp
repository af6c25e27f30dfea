#include "design/_zyl_regform.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regform {

void Register() { ZYLRegisterUnit("_zyl_regform"); }

}  // namespace zyl::_zyl_regform
