#include "design/_zyl_reglistcontrols.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_reglistcontrols {

void Register() { ZYLRegisterUnit("_zyl_reglistcontrols"); }

}  // namespace zyl::_zyl_reglistcontrols
