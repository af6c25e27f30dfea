// Registration unit _zyl_regshell: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regshell {

void Register();

}  // namespace zyl::_zyl_regshell
