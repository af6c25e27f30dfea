#include "foundation/ZYLPackage.h"

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFaceController.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLXPStyles.h"

namespace zyl {

namespace {
const vcl::TUnitEntry units[] = {
    ZYLXPStylesUnit,    ZYLTimerUnit, ZYLIniCtrlUnit,
    ZYLApplicationUnit, ZYLContUnit,  ZYLFaceControllerUnit,
};
const vcl::TPackageUnitTable table = {static_cast<int>(sizeof units / sizeof units[0]), units};
}  // namespace

const vcl::TPackageUnitTable& ZYLPackageUnitTable() { return table; }

}  // namespace zyl
