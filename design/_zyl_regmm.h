// Registration unit _zyl_regmm: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regmm {

void Register();

}  // namespace zyl::_zyl_regmm
