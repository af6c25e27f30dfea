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
    {"ZYLXPStyles", &ZYLXPStylesInit, &ZYLXPStylesDone},
    {"ZYLTimer", &ZYLTimerInit, &ZYLTimerDone},
    {"ZYLIniCtrl", &ZYLIniCtrlInit, &ZYLIniCtrlDone},
    {"ZYLApplication", &ZYLApplicationInit, &ZYLApplicationDone},
    {"ZYLCont", &ZYLContainerInit, &ZYLContainerDone},
    {"ZYLFaceController", &ZYLFaceControllerInit, &ZYLFaceControllerDone},
};
const vcl::TPackageUnitTable table = {static_cast<int>(sizeof units / sizeof units[0]), units};
}  // namespace

const vcl::TPackageUnitTable& ZYLPackageUnitTable() { return table; }

}  // namespace zyl
