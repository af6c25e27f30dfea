// Registration unit _zyl_regform: the IDE calls its Register when it loads the package.
#pragma once

namespace zyl::_zyl_regform {

void Register();

}  // namespace zyl::_zyl_regform
