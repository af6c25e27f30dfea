#include "buttons/ZYLRadioButton.h"

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLRadioButton) {
  using C = TZYLRadioButton;
  b.Prop("Checked", &C::Checked, &C::SetChecked).Default(false);
}

void TZYLRadioButton::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  Invalidate();
  if (!Value || !Parent()) return;
  vcl::TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TZYLRadioButton*>(parent->Controls(i)); other && other != this)
      other->SetChecked(false);
}

vcl::TCheckBoxState TZYLRadioButton::MarkState() const {
  return FChecked ? vcl::cbChecked : vcl::cbUnchecked;
}

uint32_t TZYLRadioButton::MarkKind(vcl::TCheckBoxState) const { return win::DFCS_BUTTONRADIO; }

void ZYLRadioButtonInit() { vcl::RegisterClasses({TZYLRadioButton::StaticClass()}); }
void ZYLRadioButtonDone() { vcl::UnRegisterClasses({TZYLRadioButton::StaticClass()}); }

}  // namespace zyl
