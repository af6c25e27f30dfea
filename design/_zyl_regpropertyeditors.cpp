#include "design/_zyl_regpropertyeditors.h"

#include "design/pZYLRegister.h"

namespace zyl::_zyl_regpropertyeditors {

// The option word is read here, once per package load: a changed value counts from the next
// load on.
void Register() { ZYLRegisterUnit("_zyl_regpropertyeditors", ZYLRegisterOptions()); }

}  // namespace zyl::_zyl_regpropertyeditors
