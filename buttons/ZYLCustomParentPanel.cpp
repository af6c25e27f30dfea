#include "buttons/ZYLCustomParentPanel.h"

#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLCustomParentPanel) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
}

TZYLCustomParentPanel::TZYLCustomParentPanel(vcl::TComponent* AOwner) : inherited(AOwner) {}

void TZYLCustomParentPanel::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  const bool wasList = Operation == vcl::opRemove && AComponent && FImageList &&
                       static_cast<vcl::TComponent*>(FImageList) == AComponent;
  inherited::Notification(AComponent, Operation);
  if (!wasList) return;
  FImageListRemoved = true;
  FImageList = nullptr;
}

}  // namespace zyl
