#include "system/ZYLMessageHint.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "system/ZYLShapeHint.h"
#include "system/ZYLShapeHintWindow.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLMessageHint) {
  using C = TZYLMessageHint;
  b.Prop("SetCapture", &C::SetCapture, &C::SetSetCapture).Default(true);
}

TZYLMessageHint::TZYLMessageHint(vcl::TComponent* AOwner) : inherited(AOwner) {
  FHintWindowClass = TZYLShapeHintWindow::StaticClass();
}

TZYLMessageHint::~TZYLMessageHint() {
  // While the component is whole, so that the close notification finds it.
  HideMessage();
}

void TZYLMessageHint::SetEnabled(bool) {}

void TZYLMessageHint::ShowMessage(const std::string& Text, int32_t X, int32_t Y) {
  HideMessage();
  FMessageWindow = new TZYLShapeHintWindow(this);
  FMessageWindow->ActivateHintExt(vcl::TRect{X, Y, -1, -1}, Text, this);
}

void TZYLMessageHint::ShowControlMessage(const std::string& Text, vcl::TControl* Control) {
  if (!Control || !Control->Visible() || !Control->Parent()) return;
  HideMessage();
  const vcl::TPoint p = ZYLControlCentre(Control);
  ShowMessage(Text.empty() ? Control->Hint() : Text, p.X, p.Y);
}

void TZYLMessageHint::HideMessage() {
  TZYLShapeHintWindow* w = FMessageWindow;
  FMessageWindow = nullptr;
  delete w;
}

bool TZYLMessageHint::GetState() const {
  return FMessageWindow && FMessageWindow->HandleAllocated();
}

}  // namespace zyl
