// Registration unit _zyl_regstd: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regstd {

void Register();

}  // namespace zyl::_zyl_regstd
