#include "system/ZYLTrayIcon.h"

#include <algorithm>
#include <cstring>

#include "foundation/ZYLBaseController.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLReference.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/controls/UtilWindow.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/sys/ShellApi.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLTrayIcon) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLTrayIcon;
  b.Publish("About")
      .Prop("Active", &T::Active, &T::SetActive)
      .Default(true)
      .Prop("Hint", &T::Hint, &T::SetHint)
      .Prop("Icon", &T::Icon, &T::SetIcon)
      .Prop("NoClose", &T::NoClose, &T::SetNoClose)
      .Default(false)
      .Prop("ShowMinimizedIcon", &T::ShowMinimizedIcon, &T::SetShowMinimizedIcon)
      .Default(false)
      .Prop("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
      .Prop("ImageList", &T::ImageList, &T::SetImageList)
      .Stored(&T::IsImageListStored)
      .Prop("ListIndex", &T::ListIndex, &T::SetListIndex)
      .Default(0)
      .Prop("TimerMode", &T::TimerMode, &T::SetTimerMode)
      .Default(tmNormal)
      .Prop("ThreadPriority", &T::ThreadPriority, &T::SetThreadPriority)
      .Default(vcl::tpNormal)
      .Prop("Interval", &T::Interval, &T::SetInterval)
      .Default(200)
      .Prop("Animated", &T::Animated, &T::SetAnimated)
      .Default(false)
      .Prop("OnClick", &T::GetOnClick, &T::SetOnClick)
      .Prop("OnDblClick", &T::GetOnDblClick, &T::SetOnDblClick)
      .Prop("OnPopUp", &T::GetOnPopUp, &T::SetOnPopUp)
      .Prop("OnMouseDown", &T::GetOnMouseDown, &T::SetOnMouseDown)
      .Prop("OnMouseUp", &T::GetOnMouseUp, &T::SetOnMouseUp)
      .Prop("OnMouseMove", &T::GetOnMouseMove, &T::SetOnMouseMove)
      .Prop("OnNoClose", &T::GetOnNoClose, &T::SetOnNoClose);
}

namespace {

win::UINT g_taskbarCreated = 0;

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

win::HWND AppWindow() { return vcl::Application ? vcl::Application->Handle() : nullptr; }

}  // namespace

win::UINT ZYLTaskbarCreatedMessage() { return g_taskbarCreated; }

TZYLTrayIcon::TZYLTrayIcon(vcl::TComponent* AOwner)
    : inherited(AOwner), TZYLImageListClient(this), FIcon(this, &TZYLTrayIcon::IconChanged) {
  FChangeLink.reset(new TZYLChangeLink(), vcl::TNotifyEvent(this, &TZYLTrayIcon::GetIMLChange));
  FWindow = vcl::AllocateHWnd(vcl::TWndMethod(this, &TZYLTrayIcon::TrayWndProc));
  // Only the field: the icon goes into the tray when the component is loaded or, made in code,
  // when it is switched on.
  FActive = true;
}

TZYLTrayIcon::~TZYLTrayIcon() {
  FTimers.Free();
  ReleaseImageList();
  RestoreState();
  FHint.clear();
  NotifyIcon(win::NIM_DELETE);
  vcl::DeallocateHWnd(FWindow);
  FWindow = nullptr;
  FIcon.reset();
}

void TZYLTrayIcon::Loaded() {
  inherited::Loaded();
  if (!FActive) return;
  FActive = false;
  SetActive(true);
}

void TZYLTrayIcon::NotifyIcon(win::DWORD Message, win::HICON IconHandle) {
  if (Designing(this)) return;
  win::NOTIFYICONDATAA data;
  data.cbSize = 88;
  data.hWnd = FWindow;
  data.uID = 0;
  data.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
  data.uCallbackMessage = CallbackMessage;
  data.hIcon = IconHandle ? IconHandle : FIcon->Handle();
  const size_t tip = std::min(FHint.size(), MaxTipLength);
  std::memcpy(data.szTip, FHint.data(), tip);
  data.szTip[tip] = '\0';
  win::Shell_NotifyIconA(Message, &data);
}

void TZYLTrayIcon::SetActive(bool Value) {
  // One made in code reads active from the start, but its icon waits for loading, which never
  // comes: switching it on puts the icon in the tray.
  const bool waiting = Value && FActive && !FInTray && !Designing(this) &&
                       !ComponentState().contains(vcl::csLoading);
  if (!vcl::NewStyleControls || (Value == FActive && !waiting)) return;
  FActive = Value;
  FInTray = Value && !Designing(this);
  if (Designing(this)) return;
  // The form hook follows Active; Enabled stays the user's switch of the hook (and keeps its
  // stored value).
  if (Value) {
    Init();
    if (vcl::Application) vcl::Application->SetShowMainForm(false);
    win::ShowWindow(AppWindow(), win::SW_HIDE);
    if (vcl::Application) vcl::Application->ProcessMessages();
    ActivateTimer();
    NotifyIcon(win::NIM_ADD);
    EnableTimer(true);
  } else {
    RestoreState();
    if (vcl::Application) vcl::Application->SetShowMainForm(true);
    win::ShowWindow(AppWindow(), win::SW_SHOWNORMAL);
    NotifyIcon(win::NIM_DELETE);
    DeActivateTimer();
  }
}

void TZYLTrayIcon::SetHint(const std::string& Value) {
  if (Value == FHint && !ComponentState().contains(vcl::csLoading)) return;
  FHint = Value;
  if (FActive) NotifyIcon(win::NIM_MODIFY);
}

void TZYLTrayIcon::SetIcon(vcl::TIcon* Value) { FIcon->Assign(Value); }

void TZYLTrayIcon::IconChanged(vcl::TObject*) {
  if (!Designing(this) && FActive) NotifyIcon(win::NIM_MODIFY);
}

void TZYLTrayIcon::SetPopupMenu(vcl::TPopupMenu* Value) {
  ZYLSetReference(this, FPopupMenu, Value);
}

void TZYLTrayIcon::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  ZYLDefineGlobalIdent(Filer, FImageList, [this](TZYLCustomImageList* L) { SetImageList(L); });
}

void TZYLTrayIcon::GetIMLChange(vcl::TObject*) {
  // A list that shrank below the frame shown starts the animation over.
  if (FImageList && FFrame >= FImageList->ItemCount(FListIndex)) FFrame = 0;
}

void TZYLTrayIcon::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (ForgetRemovedList(AComponent, Operation)) GetIMLChange(nullptr);
}

void TZYLTrayIcon::SetAnimated(bool Value) {
  if (Value == FAnimated) return;
  FAnimated = Value;
  if (Value) {
    ActivateTimer();
    EnableTimer(true);
  } else {
    DeActivateTimer();
  }
}

void TZYLTrayIcon::SetTimerMode(TZYLTimerMode Value) {
  if (Value == FTimerMode) return;
  if (ComponentState().contains(vcl::csLoading)) {
    FTimerMode = Value;
    return;
  }
  DeActivateTimer();
  FTimerMode = Value;
  ActivateTimer();
}

void TZYLTrayIcon::ActivateTimer() {
  if (FAnimated && !FTimers.Timer() && !FTimers.HiTimer())
    FTimers.Create(FTimerMode, FInterval, vcl::TNotifyEvent(this, &TZYLTrayIcon::GetTimer));
}

void TZYLTrayIcon::DeActivateTimer() { FTimers.Free(); }

void TZYLTrayIcon::EnableTimer(bool Enable) {
  if (!FAnimated) return;
  FFrame = 0;
  FTimers.Enable(Enable, FInterval, FThreadPriority);
}

void TZYLTrayIcon::GetTimer(vcl::TObject*) {
  if (!FImageList || Designing(this)) return;
  const int count = FImageList->ItemCount(FListIndex);
  if (count <= 0) return;
  if (FFrame >= count) FFrame = 0;
  vcl::TBitmap bitmap;
  bitmap.SetWidth(FrameSize);
  bitmap.SetHeight(FrameSize);
  FImageList->GetBitmapItem(FListIndex, FFrame, &bitmap);
  win::HICON icon = nullptr;
  ZYLBitmap2Icon(&bitmap, icon, FrameSize, FrameSize);
  NotifyIcon(win::NIM_MODIFY, icon);
  if (icon) win::DestroyIcon(icon);
  if (++FFrame >= count) FFrame = 0;
}

void TZYLTrayIcon::TrayWndProc(vcl::TMessage& Message) {
  if (Message.Msg != CallbackMessage) {
    Message.Result = win::DefWindowProcA(FWindow, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  win::POINT at;
  win::GetCursorPos(&at);
  const vcl::TShiftState shift = vcl::KeysToShiftState(win::LOWORD(Message.WParam));
  vcl::TShiftState twice = shift;
  twice.Include(vcl::ssDouble);
  auto down = [&](vcl::TMouseButton button, vcl::TShiftState s) {
    if (FOnMouseDown) FOnMouseDown(this, button, s, at.X, at.Y);
  };
  auto up = [&](vcl::TMouseButton button) {
    if (FOnClick) FOnClick(this);
    if (FOnMouseUp) FOnMouseUp(this, button, shift, at.X, at.Y);
  };
  auto doubleClick = [&](vcl::TMouseButton button) {
    if (FOnDblClick) FOnDblClick(this);
    down(button, twice);
  };
  switch (static_cast<win::UINT>(Message.LParam)) {
    case win::WM_MOUSEMOVE:
      if (FOnMouseMove) FOnMouseMove(this, shift, at.X, at.Y);
      break;
    case win::WM_LBUTTONDOWN: down(vcl::mbLeft, shift); break;
    case win::WM_LBUTTONUP: up(vcl::mbLeft); break;
    case win::WM_LBUTTONDBLCLK: doubleClick(vcl::mbLeft); break;
    case win::WM_RBUTTONDOWN:
      down(vcl::mbRight, shift);
      if (FPopupMenu) {
        if (FOnPopUp) FOnPopUp(this);
        win::SetForegroundWindow(AppWindow());
        if (vcl::Application) vcl::Application->ProcessMessages();
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(at.X, at.Y);
      }
      break;
    case win::WM_RBUTTONUP: up(vcl::mbRight); break;
    case win::WM_RBUTTONDBLCLK: doubleClick(vcl::mbRight); break;
    case win::WM_MBUTTONDOWN: down(vcl::mbMiddle, shift); break;
    case win::WM_MBUTTONUP: up(vcl::mbMiddle); break;
    case win::WM_MBUTTONDBLCLK: doubleClick(vcl::mbMiddle); break;
    default: break;
  }
}

void TZYLTrayIcon::HideApplication() { win::ShowWindow(AppWindow(), win::SW_HIDE); }

void TZYLTrayIcon::HideForm() {
  if (auto* form = dynamic_cast<vcl::TCustomForm*>(Owner())) form->SetVisible(false);
}

void TZYLTrayIcon::WndProc(vcl::TMessage& Message) {
  if (Suspended()) return;
  if (g_taskbarCreated != 0 && Message.Msg == g_taskbarCreated && FActive) {
    // The taskbar was made anew: put the icon in again.
    FActive = false;
    RestoreState();
    win::ShowWindow(AppWindow(), win::SW_SHOWNORMAL);
    DeActivateTimer();
    SetActive(true);
    return;
  }
  if (Message.Msg == win::WM_SHOWWINDOW && Message.WParam != 0 && FActive) {
    win::ShowWindow(AppWindow(), FShowMinimizedIcon ? win::SW_SHOW : win::SW_HIDE);
  } else if (Message.Msg == win::WM_SYSCOMMAND && (Message.WParam & 0xFFF0) == win::SC_MINIMIZE) {
    inherited::WndProc(Message);
    if (!FShowMinimizedIcon) {
      HideApplication();
      HideForm();
    }
    return;
  } else if (Message.Msg == win::WM_SYSCOMMAND && (Message.WParam & 0xFFF0) == win::SC_CLOSE &&
             FNoClose && FActive) {
    HideApplication();
    HideForm();
    if (FOnNoClose) FOnNoClose(Owner());
    return;
  }
  inherited::WndProc(Message);
}

void ZYLTrayIconInit() {
  g_taskbarCreated = win::RegisterWindowMessageA("TaskbarCreated");
  vcl::RegisterClasses({TZYLTrayIcon::StaticClass()});
}

void ZYLTrayIconDone() { vcl::UnRegisterClasses({TZYLTrayIcon::StaticClass()}); }

}  // namespace zyl
