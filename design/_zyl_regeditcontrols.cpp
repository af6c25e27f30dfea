#include "design/_zyl_regeditcontrols.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regeditcontrols {

void Register() { ZYLRegisterUnit("_zyl_regeditcontrols"); }

}  // namespace zyl::_zyl_regeditcontrols
