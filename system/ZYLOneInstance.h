// Application-wide components: TZYLOneInstance keeps a program from running twice (a second
// instance brings the first forward and ends itself); TZYLGlobalHotKey registers one
// system-wide hot key for a hidden window of its own and reports it through OnKeyDown.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/ZYLCustomComponent.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Menus.h"
#include "platform/sys/Packages.h"

namespace zyl {

ZYL_ENUM(TZYLOneInstanceMode, oiActivateOnly, oiDefaultMessage, oiCustom)

// The text a second instance shows after the quoted title in mode oiDefaultMessage.
extern const char* const SZYLAlreadyStarted;

class TZYLOneInstance : public TZYLCustomComponent {
  ZYL_CLASS(TZYLOneInstance, TZYLCustomComponent)
  // Raises ZYLEOneInstError when another TZYLOneInstance exists anywhere in the program.
  explicit TZYLOneInstance(vcl::TComponent* AOwner);
  ~TZYLOneInstance() override;

  TZYLOneInstanceMode Mode() const { return FMode; }
  void SetMode(TZYLOneInstanceMode Value) { FMode = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const vcl::TNotifyEvent& GetOnCustom() const { return FOnCustom; }
  void SetOnCustom(const vcl::TNotifyEvent& Value) { FOnCustom = Value; }

  void Loaded() override;

 private:
  TZYLOneInstanceMode FMode = oiActivateOnly;
  bool FEnabled = true;
  vcl::TNotifyEvent FOnCustom;
};

// The number of TZYLOneInstance components alive in the program.
int ZYLOneInstanceCount();


// The RegisterHotKey modifiers of a shortcut's shift state (MOD_CONTROL, MOD_ALT, MOD_SHIFT).
win::UINT ZYLHotKeyModifiers(vcl::TShortCut HotKey);

class TZYLGlobalHotKey : public TZYLCustomComponent {
  ZYL_CLASS(TZYLGlobalHotKey, TZYLCustomComponent)
  explicit TZYLGlobalHotKey(vcl::TComponent* AOwner);
  ~TZYLGlobalHotKey() override;

  bool Active() const { return FActive; }
  void SetEnabled(bool Value);
  vcl::TShortCut HotKey() const { return FHotKey; }
  void SetHotKey(vcl::TShortCut Value);
  const vcl::TKeyEvent& GetOnKeyDown() const { return FOnKeyDown; }
  void SetOnKeyDown(const vcl::TKeyEvent& Value) { FOnKeyDown = Value; }

  // The hidden window the hot key is registered for, and the key's identifier (a global atom).
  win::HWND Handle() const { return FHandle; }
  win::ATOM Identifier() const { return FIdent; }
  // Whether a key is registered with the system right now.
  bool Registered() const { return FRegistered; }

 protected:
  void NewWndProc(vcl::TMessage& Message);

 private:
  void RegisterKey();
  void UnregisterKey();

  bool FActive = false;
  win::ATOM FIdent = 0;
  vcl::TShortCut FHotKey = 0;
  vcl::TKeyEvent FOnKeyDown;
  win::HWND FHandle = nullptr;
  bool FRegistered = false;
};

inline constexpr vcl::TUnitEntry ZYLOneInstanceUnit =
    vcl::ClassesUnit<TZYLOneInstance, TZYLGlobalHotKey>("ZYLOneInstance");

}  // namespace zyl
