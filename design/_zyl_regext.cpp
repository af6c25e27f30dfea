#include "design/_zyl_regext.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regext {

void Register() { ZYLRegisterUnit("_zyl_regext"); }

}  // namespace zyl::_zyl_regext
