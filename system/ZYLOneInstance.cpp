#include "system/ZYLOneInstance.h"

#include <string>

#include "foundation/ZYLApplication.h"
#include "foundation/ZYLFormUtils.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/UtilWindow.h"
#include "platform/rtl/ModuleKind.h"
#include "platform/user/WinUser.h"

namespace zyl {

const char* const SZYLAlreadyStarted = "was already started...";

namespace {

// Counts the TZYLOneInstance components of the program, at design time too.
uint8_t InstanceCounter = 0;

bool Designing(const vcl::TComponent* c) { return c->ComponentState().contains(vcl::csDesigning); }

}  // namespace

int ZYLOneInstanceCount() { return InstanceCounter; }


// ---------------------------------------------------------------------------------------------
// TZYLOneInstance

ZYL_CLASS_IMPL(TZYLOneInstance) {
  b.Publish("About")
      .Prop("Mode", &TZYLOneInstance::Mode, &TZYLOneInstance::SetMode)
      .Default(oiActivateOnly)
      .Prop("Enabled", &TZYLOneInstance::Enabled, &TZYLOneInstance::SetEnabled)
      .Default(true)
      .Prop("OnCustom", &TZYLOneInstance::GetOnCustom, &TZYLOneInstance::SetOnCustom);
}

TZYLOneInstance::TZYLOneInstance(vcl::TComponent* AOwner) : inherited(AOwner) {
  ++InstanceCounter;
  if (InstanceCounter > 1) {
    // The destructor does not run for a constructor that throws: give the count back here.
    --InstanceCounter;
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okSecondInstance);
  }
  FEnabled = true;
  FMode = oiActivateOnly;
}

TZYLOneInstance::~TZYLOneInstance() {
  if (InstanceCounter > 0) --InstanceCounter;
}

void TZYLOneInstance::Loaded() {
  inherited::Loaded();
  TZYLApplication* app = ZYLApplication();
  if (!FEnabled || Designing(this) || vcl::IsLibrary || !app || !app->PrevInstance()) return;
  switch (FMode) {
    case oiActivateOnly:
      ZYLActivatePrevInstance();
      break;
    case oiDefaultMessage: {
      const std::string title = vcl::Application ? vcl::Application->Title() : std::string();
      vcl::MessageDlg("\"" + title + "\" " + SZYLAlreadyStarted, vcl::mtInformation,
                      vcl::TMsgDlgButtons{vcl::mbOK}, 0);
      ZYLActivatePrevInstance();
      break;
    }
    case oiCustom:
      if (FOnCustom)
        FOnCustom(this);
      else
        ZYLActivatePrevInstance();
      break;
  }
  if (vcl::Application) vcl::Application->Terminate();
}

// ---------------------------------------------------------------------------------------------
// TZYLGlobalHotKey

win::UINT ZYLHotKeyModifiers(vcl::TShortCut HotKey) {
  uint16_t key = 0;
  vcl::TShiftState shift;
  vcl::ShortCutToKey(HotKey, key, shift);
  win::UINT mods = 0;
  if (shift.contains(vcl::ssCtrl)) mods |= win::MOD_CONTROL;
  if (shift.contains(vcl::ssAlt)) mods |= win::MOD_ALT;
  if (shift.contains(vcl::ssShift)) mods |= win::MOD_SHIFT;
  return mods;
}

ZYL_CLASS_IMPL(TZYLGlobalHotKey) {
  b.Publish("About")
      .Prop("Active", &TZYLGlobalHotKey::Active, &TZYLGlobalHotKey::SetEnabled)
      .Default(true)
      .Prop("HotKey", &TZYLGlobalHotKey::HotKey, &TZYLGlobalHotKey::SetHotKey)
      .Default(0)
      .Prop("OnKeyDown", &TZYLGlobalHotKey::GetOnKeyDown, &TZYLGlobalHotKey::SetOnKeyDown);
}

TZYLGlobalHotKey::TZYLGlobalHotKey(vcl::TComponent* AOwner) : inherited(AOwner) {
  const std::string name = std::to_string(reinterpret_cast<uintptr_t>(this));
  FIdent = win::GlobalAddAtomA(name.c_str());
  FHandle = vcl::AllocateHWnd(vcl::TWndMethod(this, &TZYLGlobalHotKey::NewWndProc));
  SetEnabled(true);
}

TZYLGlobalHotKey::~TZYLGlobalHotKey() {
  if (FHotKey != 0) SetHotKey(0);
  UnregisterKey();
  if (FIdent) win::GlobalDeleteAtom(FIdent);
  vcl::DeallocateHWnd(FHandle);
  FHandle = nullptr;
}

// Only a real key is registered: an empty shortcut would otherwise claim key code 0 under
// the identifier and make the first real key's registration fail.
void TZYLGlobalHotKey::RegisterKey() {
  if (FRegistered || FHotKey == 0 || !FHandle) return;
  uint16_t key = 0;
  vcl::TShiftState shift;
  vcl::ShortCutToKey(FHotKey, key, shift);
  FRegistered = win::RegisterHotKey(FHandle, FIdent, ZYLHotKeyModifiers(FHotKey), key) != 0;
}

void TZYLGlobalHotKey::UnregisterKey() {
  if (!FRegistered) return;
  if (FHandle) win::UnregisterHotKey(FHandle, FIdent);
  FRegistered = false;
}

void TZYLGlobalHotKey::SetEnabled(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  if (Designing(this)) return;
  if (Value)
    RegisterKey();
  else
    UnregisterKey();
}

void TZYLGlobalHotKey::SetHotKey(vcl::TShortCut Value) {
  if (Value == FHotKey) return;
  const bool live = !Designing(this) && FActive;
  if (live) UnregisterKey();
  FHotKey = Value;
  if (live) RegisterKey();
}

void TZYLGlobalHotKey::NewWndProc(vcl::TMessage& Message) {
  if (Message.Msg == win::WM_HOTKEY) {
    if (FOnKeyDown) {
      // The stored key is reported, not the message's parameters.
      uint16_t key = 0;
      vcl::TShiftState shift;
      vcl::ShortCutToKey(FHotKey, key, shift);
      FOnKeyDown(this, key, shift);
    }
    return;
  }
  Message.Result = win::DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// ---------------------------------------------------------------------------------------------

}  // namespace zyl
