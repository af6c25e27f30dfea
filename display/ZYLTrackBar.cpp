#include "display/ZYLTrackBar.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLTrackBar) {
  b.Prop("Position", &TZYLTrackBar::Position, &TZYLTrackBar::SetPosition);
}

TZYLTrackBar::TZYLTrackBar(vcl::TComponent* AOwner) : inherited(AOwner) {}

}  // namespace zyl
