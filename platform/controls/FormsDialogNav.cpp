// WM_NEXTDLGCTL on a form, as the dialog manager answers it: with lParam 0 the focus moves to
// the next (wParam 0) or the previous (wParam not 0) tab stop after the active control; with
// lParam not 0, wParam is the window to focus.
#include "platform/controls/Forms.h"
#include "platform/user/WinUserConsts.h"

namespace vcl {

void TCustomForm::WMNextDlgCtl(TMessage& Message) {
  Message.Result = 0;
  if (Message.LParam != 0) {
    TWinControl* target = FindControl(reinterpret_cast<win::HWND>(Message.WParam));
    if (target && target->CanFocus()) target->SetFocus();
    return;
  }
  SelectNext(ActiveControl(), Message.WParam == 0, true);
}

}  // namespace vcl
