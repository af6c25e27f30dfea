// Controls and menus: the context menu of a control (right click, Shift+F10, the menu key)
// and the shortcuts of popup menus and the form, taken before the focused control's keys.
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

using namespace win;

namespace vcl {

void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0 || ComponentState().contains(csDesigning)) return;
  // lParam -1: from the keyboard, with no point.
  const bool fromKeys = Message.LParam == -1;
  TPoint at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  const TPoint local = fromKeys || (!parent_ && !dynamic_cast<TWinControl*>(this))
                           ? TPoint{-1, -1}
                           : ScreenToClient(at);
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, local, handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  auto* menu = dynamic_cast<TPopupMenu*>(popupMenu_);
  if (menu && menu->AutoPopup()) {
    if (fromKeys) at = ClientToScreen({0, 0});
    menu->SetPopupComponent(this);
    menu->Popup(at.X, at.Y);
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TWinControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  if (Message.LParam != -1) {
    const TPoint at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (TControl* c = ControlAtPos(ScreenToClient(at), false, false)) {
      Message.Result = c->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
      if (Message.Result != 0) return;
    }
  }
  TControl::WMContextMenu(Message);
}

bool TWinControl::IsMenuKey(TWMKey& Message) {
  for (TControl* c = this; c; c = c->Parent())
    if (auto* menu = dynamic_cast<TPopupMenu*>(c->PopupMenu()); menu && menu->IsShortCut(Message))
      return true;
  TCustomForm* form = vcl::GetParentForm(this);
  return form && form->IsShortCut(Message);
}

}  // namespace vcl
