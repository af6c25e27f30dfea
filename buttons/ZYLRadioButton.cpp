#include "buttons/ZYLRadioButton.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLRadioButton) { m.On(win::WM_GETDLGCODE, &TZYLRadioButton::WMGetDlgCode); }

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

void TZYLRadioButton::KeyDown(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  const bool back = Key == win::VK_UP || Key == win::VK_LEFT;
  if ((!back && Key != win::VK_DOWN && Key != win::VK_RIGHT) || !Parent()) return;
  Key = 0;
  // The radio buttons of the parent a user can reach, in tab order.
  std::vector<TZYLRadioButton*> group;
  vcl::TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* r = dynamic_cast<TZYLRadioButton*>(parent->Controls(i));
        r && (r == this || (r->Enabled() && r->Visible())))
      group.push_back(r);
  std::stable_sort(group.begin(), group.end(), [](TZYLRadioButton* a, TZYLRadioButton* b) {
    return a->TabOrder() < b->TabOrder();
  });
  const auto at = std::find(group.begin(), group.end(), this) - group.begin();
  const auto next = back ? at - 1 : at + 1;
  if (next < 0 || next >= static_cast<std::ptrdiff_t>(group.size())) return;
  TZYLRadioButton* target = group[static_cast<size_t>(next)];
  target->SetFocus();
  target->Click();  // checks it and fires OnClick
}

void TZYLRadioButton::WMGetDlgCode(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= win::DLGC_WANTARROWS;
}

vcl::TCheckBoxState TZYLRadioButton::MarkState() const {
  return FChecked ? vcl::cbChecked : vcl::cbUnchecked;
}

uint32_t TZYLRadioButton::MarkKind(vcl::TCheckBoxState) const { return win::DFCS_BUTTONRADIO; }

}  // namespace zyl
