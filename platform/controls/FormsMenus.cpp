// Forms: the menu bar, the form's shortcuts, the icon, and where Position places a form.
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/user/ListComboConsts.h"

namespace vcl {

void TCustomForm::SetIcon(TIcon* Value) { icon_->Assign(Value); }

bool TCustomForm::IsIconStored() const { return icon_ && !icon_->Empty(); }

win::HICON TCustomForm::GetIconHandle() {
  if (!icon_->Empty()) return icon_->Handle();
  if (Application && !Application->Icon()->Empty()) return Application->Icon()->Handle();
  return win::LoadIconA(nullptr, win::MAKEINTRESOURCE(win::IDI_APPLICATION));
}

void TCustomForm::UpdateWindowIcon() {
  if (!handle_) return;
  const win::HICON icon = borderStyle_ == bsDialog ? nullptr : GetIconHandle();
  win::SendMessageA(handle_, win::WM_SETICON, win::ICON_BIG, reinterpret_cast<win::LPARAM>(icon));
}

void TCustomForm::IconChanged(TObject*) { UpdateWindowIcon(); }

void TApplication::IconChanged(TObject*) {
  if (!Screen) return;
  for (int i = 0; i < Screen->FormCount(); ++i) Screen->Forms(i)->UpdateWindowIcon();
}

TRect TCustomForm::GetClientRect() {
  TRect r = TScrollingWinControl::GetClientRect();
  // Without a window the bar is taken as one row.
  if (!handle_ && menu_ && !parent_ && !parentWindow_)
    r.Bottom = std::max<int>(0, r.Bottom - win::GetSystemMetrics(win::SM_CYMENU));
  return r;
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (menu_ == Value) return;
  // A form's stream gives the client height below the bar.
  const bool keepClient = ComponentState().contains(csLoading) && streamClientHeight_ >= 0;
  if (menu_) {
    menu_->RemoveFreeNotification(this);
    menu_->SetWindowHandle(nullptr);
  }
  menu_ = Value;
  if (Value) Value->FreeNotification(this);
  if (handle_) {
    if (Value)
      AttachMenu();
    else
      win::SetMenu(handle_, nullptr);
  }
  if (keepClient) SetClientHeight(streamClientHeight_);
}

void TCustomForm::AttachMenu() {
  if (!handle_ || !menu_ || parent_ || parentWindow_) return;
  win::SetMenu(handle_, menu_->Handle());
  menu_->SetWindowHandle(handle_);
}

void TCustomForm::DestroyWindowHandle() {
  // The bar menu belongs to the menu object: take it off before the window goes.
  if (handle_ && menu_) {
    win::SetMenu(handle_, nullptr);
    menu_->SetWindowHandle(nullptr);
  }
  TScrollingWinControl::DestroyWindowHandle();
}

bool TCustomForm::IsShortCut(TWMKey& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  if (!handled && menu_) handled = menu_->IsShortCut(Message);
  if (!handled) handled = IsActionShortCut(Message);
  return handled;
}

void TCustomForm::WMCommand(TMessage& Message) {
  // Commands of the bar's items (no control window, no notification code).
  if (menu_ && Message.LParam == 0 && win::HIWORD(Message.WParam) == 0 &&
      menu_->DispatchCommand(win::LOWORD(Message.WParam)))
    return;
  ZYL_INHERITED(Message);
}

void TCustomForm::WMMenuMessage(TMessage& Message) {
  if (menu_) {
    switch (Message.Msg) {
      case win::WM_INITMENUPOPUP:
        if (menu_->DispatchPopup(reinterpret_cast<win::HMENU>(Message.WParam))) return;
        break;
      case win::WM_MENUSELECT: menu_->MenuSelect(Message.WParam, Message.LParam); break;
      case win::WM_MEASUREITEM:
        if (menu_->MeasureItem(reinterpret_cast<win::MEASUREITEMSTRUCT*>(Message.LParam))) {
          Message.Result = 1;
          return;
        }
        break;
      case win::WM_DRAWITEM:
        if (menu_->DrawItem(reinterpret_cast<win::DRAWITEMSTRUCT*>(Message.LParam))) {
          Message.Result = 1;
          return;
        }
        break;
      default: break;
    }
  }
  ZYL_INHERITED(Message);
}

bool TCustomForm::PositionedOrigin(int& X, int& Y) {
  if (parent_ || parentWindow_) return false;
  const int sw = win::GetSystemMetrics(win::SM_CXSCREEN),
            sh = win::GetSystemMetrics(win::SM_CYSCREEN);
  TCustomForm* over = nullptr;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter: break;
    case poOwnerFormCenter:
      over = dynamic_cast<TCustomForm*>(Owner());
      if (!over && Application) over = Application->MainForm();
      break;
    case poMainFormCenter:
      if (Application) over = Application->MainForm();
      break;
    default: return false;
  }
  if (over == this || (over && !over->HandleAllocated())) over = nullptr;
  if (over) {
    win::RECT r;
    win::GetWindowRect(over->Handle(), &r);
    X = r.Left + (r.Right - r.Left - width_) / 2;
    Y = r.Top + (r.Bottom - r.Top - height_) / 2;
  } else {
    X = (sw - width_) / 2;
    Y = (sh - height_) / 2;
  }
  // Kept on the screen.
  X = std::max(std::min(X, sw - width_), 0);
  Y = std::max(std::min(Y, sh - height_), 0);
  return true;
}

}  // namespace vcl
