#include "design/_zyl_regshell.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regshell {

void Register() { ZYLRegisterUnit("_zyl_regshell"); }

}  // namespace zyl::_zyl_regshell
