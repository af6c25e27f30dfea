#include "system/ZYLShapeHint.h"

#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLOwnedComponent.h"
#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/user/WinUser.h"
#include "system/ZYLShapeHintWindow.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLShapeHint) {
  b.Publish("Enabled");
}

TZYLShapeHint::TZYLShapeHint(vcl::TComponent* AOwner) : inherited(AOwner) {
  FHintWindowClass = TZYLShapeHintWindow::StaticClass();
  if (ComponentState().contains(vcl::csDesigning) &&
      ZYLCheckForSameClass(AOwner, ClassType(), false))
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okSecondInstance);
}

TZYLShapeHint::~TZYLShapeHint() {
  if (ShapeHintControl == this) ShapeHintControl = nullptr;
}

void TZYLShapeHint::SetEnabled(bool Value) { SetEnabledAsCurrent(Value, ShapeHintControl); }

void TZYLShapeHint::ShowHint(const std::string& Text, int32_t X, int32_t Y, uint16_t Time) {
  // The wait serves messages: the balloon's owner (this component, or its form) may be freed
  // meanwhile, and the balloon with it. Only a balloon still there is freed afterwards, and
  // nothing of this component is touched after the wait.
  auto* w = new TZYLShapeHintWindow(this);
  TZYLFreeWatch watch;
  watch.Watch(w);
  const vcl::TFinally free([w, &watch] {
    if (watch.Watched()) delete w;
  });
  w->ActivateHint(vcl::TRect{X, Y, -1, -1}, Text);
  ZYLWait(Time);
}

void TZYLShapeHint::ShowControlHint(const std::string& Text, vcl::TControl* Control,
                                    uint16_t Time) {
  if (!Control || !Control->Visible() || !Control->Parent()) return;
  const vcl::TPoint p = ZYLControlCentre(Control);
  ShowHint(Text.empty() ? Control->Hint() : Text, p.X, p.Y, Time);
}


vcl::TPoint ZYLControlCentre(vcl::TControl* Control) {
  const vcl::TPoint tl = Control->Parent()->ClientToScreen({Control->Left(), Control->Top()});
  return {tl.X + Control->Width() / 2, tl.Y + Control->Height() / 2};
}

void ZYLShapeHintRelease() { ZYLReleaseHintWindowClass(TZYLShapeHintWindow::StaticClass()); }

}  // namespace zyl
