#include "buttons/ZYLButtonPanel.h"

#include "buttons/ZYLSimplePanel.h"
#include "platform/classes/Registry.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLButtonPanel) { ZYLPublishPanel(b); }

TZYLButtonPanel::TZYLButtonPanel(vcl::TComponent* AOwner) : inherited(AOwner) {
  SetBounds(0, 0, 185, 41);
}

}  // namespace zyl
