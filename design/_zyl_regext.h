// Registration unit _zyl_regext: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regext {

void Register();

}  // namespace zyl::_zyl_regext
