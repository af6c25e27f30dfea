// Registration unit _zyl_regsys: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regsys {

void Register();

}  // namespace zyl::_zyl_regsys
