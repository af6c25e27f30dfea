#include "system/ZYLShapeHint.h"

#include <memory>

#include "foundation/ZYLFormUtils.h"
#include "platform/base/Clock.h"
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
  std::unique_ptr<TZYLShapeHintWindow> w(new TZYLShapeHintWindow(this));
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

void ZYLShapeHintInit() { vcl::RegisterClasses({TZYLShapeHint::StaticClass()}); }
void ZYLShapeHintDone() { vcl::UnRegisterClasses({TZYLShapeHint::StaticClass()}); }

}  // namespace zyl
