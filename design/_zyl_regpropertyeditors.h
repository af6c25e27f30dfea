// Registration unit _zyl_regpropertyeditors: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regpropertyeditors {

void Register();

}  // namespace zyl::_zyl_regpropertyeditors
