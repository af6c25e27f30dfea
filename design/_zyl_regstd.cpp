#include "design/_zyl_regstd.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regstd {

void Register() { ZYLRegisterUnit("_zyl_regstd"); }

}  // namespace zyl::_zyl_regstd
