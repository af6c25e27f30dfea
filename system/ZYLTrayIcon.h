// TZYLTrayIcon: puts an icon for the application into the taskbar's notification area, hides
// the application's taskbar button while it is there, turns mouse actions on the icon into
// events and a popup menu, can animate the icon through an image-list entry, adds the icon
// again when the taskbar is re-created, and changes what minimizing and closing the owner form
// do. It hooks the owner form; a hidden window of its own hears the icon's messages.
#pragma once

#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLImageListClient.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLTimer.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TIcon;
class TPopupMenu;
}  // namespace vcl

namespace zyl {

// The message the taskbar sends when it is re-created (0 when it cannot be had).
win::UINT ZYLTaskbarCreatedMessage();

// The animation's frames are the images of entry ListIndex of its image list (TZYLImageListClient;
// ImageIndex is not used).
class TZYLTrayIcon : public TZYLWndProcComponent, public TZYLImageListClient {
  ZYL_CLASS(TZYLTrayIcon, TZYLWndProcComponent)
  // The icon's message to the hidden window, and the longest tip.
  static constexpr win::UINT CallbackMessage = win::WM_USER + 101;
  static constexpr size_t MaxTipLength = 63;
  // The size of an animation frame.
  static constexpr int FrameSize = 16;

  explicit TZYLTrayIcon(vcl::TComponent* AOwner);
  ~TZYLTrayIcon() override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  vcl::TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(vcl::TIcon* Value);
  bool NoClose() const { return FNoClose; }
  void SetNoClose(bool Value) { FNoClose = Value; }
  bool ShowMinimizedIcon() const { return FShowMinimizedIcon; }
  void SetShowMinimizedIcon(bool Value) { FShowMinimizedIcon = Value; }
  vcl::TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(vcl::TPopupMenu* Value);
  // Only stored: the next frame shown reads it.
  void SetListIndex(int Value) { FListIndex = Value; }
  TZYLTimerMode TimerMode() const { return FTimerMode; }
  void SetTimerMode(TZYLTimerMode Value);
  vcl::TThreadPriority ThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(vcl::TThreadPriority Value) { FThreadPriority = Value; }
  TZYLTimerInterval Interval() const { return FInterval; }
  void SetInterval(TZYLTimerInterval Value) { FInterval = Value; }
  bool Animated() const { return FAnimated; }
  void SetAnimated(bool Value);

  // The hidden window the icon's messages go to, and the frame shown next.
  win::HWND WindowHandle() const { return FWindow; }
  int Frame() const { return FFrame; }
  // The timer of the animation (null while there is none).
  const TZYLModeTimer& Timers() const { return FTimers; }

  const vcl::TNotifyEvent& GetOnClick() const { return FOnClick; }
  void SetOnClick(const vcl::TNotifyEvent& Value) { FOnClick = Value; }
  const vcl::TNotifyEvent& GetOnDblClick() const { return FOnDblClick; }
  void SetOnDblClick(const vcl::TNotifyEvent& Value) { FOnDblClick = Value; }
  const vcl::TNotifyEvent& GetOnPopUp() const { return FOnPopUp; }
  void SetOnPopUp(const vcl::TNotifyEvent& Value) { FOnPopUp = Value; }
  const vcl::TNotifyEvent& GetOnNoClose() const { return FOnNoClose; }
  void SetOnNoClose(const vcl::TNotifyEvent& Value) { FOnNoClose = Value; }
  const vcl::TMouseEvent& GetOnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(const vcl::TMouseEvent& Value) { FOnMouseDown = Value; }
  const vcl::TMouseEvent& GetOnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(const vcl::TMouseEvent& Value) { FOnMouseUp = Value; }
  const vcl::TMouseMoveEvent& GetOnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(const vcl::TMouseMoveEvent& Value) { FOnMouseMove = Value; }

  void Loaded() override;
  void DefineProperties(vcl::TFiler* Filer) override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void WndProc(vcl::TMessage& Message) override;

 protected:
  vcl::TNotifyEvent FOnClick, FOnDblClick, FOnPopUp, FOnNoClose;
  vcl::TMouseEvent FOnMouseDown, FOnMouseUp;
  vcl::TMouseMoveEvent FOnMouseMove;

 private:
  void NotifyIcon(win::DWORD Message, win::HICON IconHandle = nullptr);
  void IconChanged(vcl::TObject* Sender);
  void GetIMLChange(vcl::TObject* Sender) override;
  void GetTimer(vcl::TObject* Sender);
  void TrayWndProc(vcl::TMessage& Message);
  void ActivateTimer();
  void DeActivateTimer();
  void EnableTimer(bool Enable);
  void HideApplication();
  void HideForm();

  bool FActive = false;
  // Whether switching on put the icon in the tray (and switching off has not taken it out).
  bool FInTray = false;
  std::string FHint;
  TZYLOwned<vcl::TIcon> FIcon;
  bool FNoClose = false;
  bool FShowMinimizedIcon = false;
  vcl::TPopupMenu* FPopupMenu = nullptr;
  TZYLTimerMode FTimerMode = tmNormal;
  vcl::TThreadPriority FThreadPriority = vcl::tpNormal;
  TZYLTimerInterval FInterval = 200;
  bool FAnimated = false;
  TZYLModeTimer FTimers;
  int FFrame = 0;
  win::HWND FWindow = nullptr;
};

void ZYLTrayIconInit();
void ZYLTrayIconDone();
inline constexpr vcl::TUnitEntry ZYLTrayIconUnit{"ZYLTrayIcon", &ZYLTrayIconInit, &ZYLTrayIconDone};

}  // namespace zyl
