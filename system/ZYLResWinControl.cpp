#include "system/ZYLResWinControl.h"

#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLResWinControl) {}

void TZYLResWinControl::FreeResources(vcl::TWinControl* Control) {
  // The member is named through this class, which may reach it, and called on any control.
  if (Control && Control->HandleAllocated()) (Control->*(&TZYLResWinControl::DestroyHandle))();
}

void ZYLFreeResources(vcl::TControl* Control) {
  TZYLResWinControl::FreeResources(dynamic_cast<vcl::TWinControl*>(Control));
}

}  // namespace zyl
