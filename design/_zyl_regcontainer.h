// Registration unit _zyl_regcontainer: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regcontainer {

void Register();

}  // namespace zyl::_zyl_regcontainer
