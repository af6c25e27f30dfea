#include "design/_zyl_regcontainer.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regcontainer {

void Register() { ZYLRegisterUnit("_zyl_regcontainer"); }

}  // namespace zyl::_zyl_regcontainer
