#include "system/ZYLHint.h"

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLFormUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/GraphicsObjects.h"
#include "system/ZYLHintWindow.h"

namespace zyl {

TZYLHint* HintControl = nullptr;

ZYL_CLASS_IMPL(TZYLHint) {
  using C = TZYLHint;
  b.Publish("About")
      .Prop("Bevel", &C::Bevel, &C::SetBevel)
      .Publish({"Color", "Enabled", "Font", "Font3D", "MaxWidth"});
}

TZYLHint::TZYLHint(vcl::TComponent* AOwner) : inherited(AOwner) {
  FHintWindowClass = TZYLHintWindow::StaticClass();
  FBevel.reset(new TZYLBevel());
  FBevel->SetDefaultStyleOuter(bvLowered);
  if (ComponentState().contains(vcl::csDesigning) &&
      ZYLCheckForSameClass(AOwner, ClassType(), true)) {
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okSecondInstance);
  }
}

TZYLHint::~TZYLHint() {
  if (HintControl == this) HintControl = nullptr;
}

void TZYLHint::SetBevel(TZYLBevel* Value) {
  if (Value) FBevel->Assign(Value);
}

void TZYLHint::SetEnabled(bool Value) { SetEnabledAsCurrent(Value, HintControl); }

void ZYLHintRelease() { ZYLReleaseHintWindowClass(TZYLHintWindow::StaticClass()); }

}  // namespace zyl
