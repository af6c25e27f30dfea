// Registration unit _zyl_regdialogs: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regdialogs {

void Register();

}  // namespace zyl::_zyl_regdialogs
