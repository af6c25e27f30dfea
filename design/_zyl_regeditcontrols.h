// Registration unit _zyl_regeditcontrols: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regeditcontrols {

void Register();

}  // namespace zyl::_zyl_regeditcontrols
