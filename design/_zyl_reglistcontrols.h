// Registration unit _zyl_reglistcontrols: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_reglistcontrols {

void Register();

}  // namespace zyl::_zyl_reglistcontrols
