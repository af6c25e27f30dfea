#include "system/ZYLSysMenu.h"

#include "foundation/ZYLFormUtils.h"
#include "foundation/ZYLReference.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

namespace zyl {

ZYL_CLASS_IMPL(TZYLSysMenu) {
  b.IgnoresInsertNotification();  // its Notification acts on removals only
  using T = TZYLSysMenu;
  b.Publish("About")
      .Publish("Enabled")
      .Prop("Items", &T::Items, &T::SetItems)
      .Prop("InsertFrom", &T::InsertFrom, &T::SetInsertFrom)
      .Default(-1)
      .Publish("HandleApp")
      .Prop("Menu", &T::Menu, &T::SetMenu)
      .Prop("Mode", &T::Mode, &T::SetMode)
      .Default(mmItems)
      .Prop("ShowEntries", &T::ShowEntries, &T::SetShowEntries)
      .Default(
          TZYLSysMenuEntries{smRestore, smMove, smSize, smMinimize, smMaximize, smClose, smSwitch})
      .Prop("OnClick", &T::GetOnClick, &T::SetOnClick)
      .Prop("OnChange", &T::GetOnChange, &T::SetOnChange);
}

namespace {

std::string EntryText(std::string Text) {
  if (Text.size() > TZYLSysMenu::MaxTextLength) Text.resize(TZYLSysMenu::MaxTextLength);
  return Text;
}

// Appends the visible items of a popup menu's level: separators, submenus and commands (with
// their shortcut's text unless the menu is the application window's).
void AppendItems(win::HMENU Menu, const vcl::TMenuItem* Level, bool WithShortCuts) {
  for (int i = 0; i < Level->Count(); ++i) {
    vcl::TMenuItem* item = Level->Items(i);
    if (!item->Visible()) continue;
    if (item->Caption() == "-") {
      win::AppendMenuA(Menu, win::MF_SEPARATOR, 0, nullptr);
    } else if (item->Count() > 0) {
      win::HMENU sub = win::CreateMenu();
      AppendItems(sub, item, WithShortCuts);
      win::AppendMenuA(Menu, win::MF_POPUP, reinterpret_cast<win::UINT_PTR>(sub),
                       EntryText(item->Caption()).c_str());
    } else {
      std::string text = item->Caption();
      if (WithShortCuts) text += '\t' + vcl::ShortCutToText(item->ShortCut());
      win::AppendMenuA(Menu, win::MF_STRING, item->Command(), EntryText(text).c_str());
    }
  }
}

// Brings the check and enabled states of every item over, by command.
void CopyStates(win::HMENU Menu, const vcl::TMenuItem* Level) {
  for (int i = 0; i < Level->Count(); ++i) {
    const vcl::TMenuItem* item = Level->Items(i);
    win::CheckMenuItem(Menu, item->Command(),
                       item->Checked() ? win::MF_CHECKED : win::MF_UNCHECKED);
    win::EnableMenuItem(Menu, item->Command(), item->Enabled() ? win::MF_ENABLED : win::MF_GRAYED);
    CopyStates(Menu, item);
  }
}

}  // namespace

TZYLSysMenu::TZYLSysMenu(vcl::TComponent* AOwner)
    : inherited(AOwner),
      FItems(this, &TZYLSysMenu::ItemsChanged),
      FWorking(new vcl::TStringList()) {
  FForceWindowProc = true;
  if (ComponentState().contains(vcl::csDesigning) &&
      ZYLCheckForSameClass(AOwner, ClassType(), false)) {
    // This class's destructor does not run for a constructor that throws.
    FWorking.reset();
    throw ZYLEOneInstError(ClassName(), ZYLEOneInstError::okInvalidOwner);
  }
}

TZYLSysMenu::~TZYLSysMenu() {
  // A form that stays gets its standard system menu back: the entries go with the component.
  if (FActive) DeActivateMenu(true);
  FWorking.reset();
  FItems.reset();
}

vcl::TStrings* TZYLSysMenu::Items() const { return FItems.get(); }
void TZYLSysMenu::SetItems(vcl::TStrings* Value) { FItems->Assign(Value); }

void TZYLSysMenu::SetInsertFrom(int Value) {
  FInsertFrom = Value < -1 || Value > MaxInsertFrom ? -1 : Value;
}

void TZYLSysMenu::SetMenu(vcl::TPopupMenu* Value) { ZYLSetReference(this, FMenu, Value); }

void TZYLSysMenu::SetMode(TZYLSysMenuMode Value) {
  const vcl::TComponentState state = ComponentState();
  if (state.contains(vcl::csDesigning) || state.contains(vcl::csLoading)) FMode = Value;
}

void TZYLSysMenu::ItemsChanged(vcl::TObject*) {
  if (!ComponentState().contains(vcl::csDesigning) && FActive && FOnChange) FOnChange(this);
}

win::HMENU TZYLSysMenu::FormMenu() const {
  const win::HWND wnd = ValidOwner() ? GetOwnerHandle() : nullptr;
  return wnd ? win::GetSystemMenu(wnd, false) : nullptr;
}

win::HMENU TZYLSysMenu::AppMenu() const {
  if (!HandleApp() || !vcl::Application) return nullptr;
  return win::GetSystemMenu(vcl::Application->Handle(), false);
}

void TZYLSysMenu::Init() {
  inherited::Init();
  if (!Enabled()) return;
  if (FMode == mmMenu)
    ActivatePopUpMenu();
  else
    ActivateMenu(true);
}

void TZYLSysMenu::RestoreState() {
  DeActivateMenu(true);
  inherited::RestoreState();
}

void TZYLSysMenu::Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != vcl::opRemove || AComponent != FMenu) return;
  FMenu = nullptr;
  FFoundItem = nullptr;
  const vcl::TComponentState state = ComponentState();
  if (FMode == mmMenu && !state.contains(vcl::csLoading) && !state.contains(vcl::csDestroying))
    RestoreState();
}

void TZYLSysMenu::TrimStandardEntries(win::HMENU FormMenu, win::HMENU AppMenu) const {
  const TZYLSysMenuEntries all{smRestore,  smMove,  smSize,  smMinimize,
                               smMaximize, smClose, smSwitch};
  if (FShowEntries == all) return;
  ZYLCheckSystemMenu(FShowEntries, FormMenu, false);
  if (AppMenu) ZYLCheckSystemMenu(FShowEntries, AppMenu, true);
}

void TZYLSysMenu::ActivateMenu(bool Redraw) {
  if (FActive) DeActivateMenu(false);
  const win::HMENU sm = FormMenu();
  if (!sm) return;
  const win::HMENU app = AppMenu();
  TrimStandardEntries(sm, app);
  if (FItems->Count() == 0) return;
  FWorking->Assign(FItems);
  win::UINT pos = static_cast<win::UINT>(FInsertFrom);
  for (int i = 0; i < FWorking->Count(); ++i) {
    const std::string line = FWorking->Get(i);
    for (const win::HMENU menu : {sm, app}) {
      if (!menu) continue;
      if (line == "-")
        win::InsertMenuA(menu, pos, win::MF_BYPOSITION | win::MF_SEPARATOR, 0, nullptr);
      else
        win::InsertMenuA(menu, pos, win::MF_BYPOSITION, static_cast<win::UINT_PTR>(i + 1),
                         EntryText(line).c_str());
    }
    if (FInsertFrom != -1) ++pos;
  }
  FActive = true;
  if (!Redraw) return;
  win::DrawMenuBar(GetOwnerHandle());
  if (app) win::DrawMenuBar(vcl::Application->Handle());
}

void TZYLSysMenu::ActivatePopUpMenu() {
  if (FActive) DeActivateMenu(false);
  const win::HMENU sm = FormMenu();
  if (!sm) return;
  const win::HMENU app = AppMenu();
  TrimStandardEntries(sm, app);
  if (!FMenu) return;
  FMenu->SetAutoPopup(false);
  AppendItems(sm, FMenu->Items(), true);
  if (app) AppendItems(app, FMenu->Items(), false);
  FActive = true;
  UpdatePopUpMenu();
  auto* form = dynamic_cast<vcl::TCustomForm*>(Owner());
  if (FMode == mmMenu && form && !form->PopupMenu()) form->SetPopupMenu(FMenu);
}

void TZYLSysMenu::UpdatePopUpMenu() {
  if (!FMenu) return;
  for (const win::HMENU menu : {FormMenu(), AppMenu()})
    if (menu) CopyStates(menu, FMenu->Items());
}

void TZYLSysMenu::DeActivateMenu(bool Redraw) {
  FActive = false;
  FWorking->Clear();
  if (ValidOwner()) {
    win::GetSystemMenu(GetOwnerHandle(), true);
    if (HandleApp() && vcl::Application) win::GetSystemMenu(vcl::Application->Handle(), true);
    if (Redraw) {
      win::DrawMenuBar(GetOwnerHandle());
      if (HandleApp() && vcl::Application) win::DrawMenuBar(vcl::Application->Handle());
    }
  }
  auto* form = dynamic_cast<vcl::TCustomForm*>(Owner());
  if (FMode == mmMenu && form && FMenu && form->PopupMenu() == FMenu) form->SetPopupMenu(nullptr);
}

void TZYLSysMenu::UpdateMenu() {
  if (FMode == mmItems)
    ActivateMenu(true);
  else if (FActive)
    UpdatePopUpMenu();
}

void TZYLSysMenu::ForceUpdate() {
  if (!FActive || FMode != mmMenu) return;
  RestoreState();
  Init();
}

win::HMENU TZYLSysMenu::GetSystemMenuHandle() const { return FActive ? FormMenu() : nullptr; }

bool TZYLSysMenu::ValidIndex(int Index) const {
  return FActive && Index >= 0 && Index < FWorking->Count();
}

void TZYLSysMenu::SetChecked(int Index, bool Value) {
  if (!ValidIndex(Index)) return;
  for (const win::HMENU menu : {FormMenu(), AppMenu()})
    if (menu)
      win::CheckMenuItem(menu, static_cast<win::UINT>(Index + 1),
                         Value ? win::MF_CHECKED : win::MF_UNCHECKED);
}

void TZYLSysMenu::SetEnabled(int Index, bool Value) {
  if (!ValidIndex(Index)) return;
  for (const win::HMENU menu : {FormMenu(), AppMenu()})
    if (menu)
      win::EnableMenuItem(menu, static_cast<win::UINT>(Index + 1),
                          Value ? win::MF_ENABLED : win::MF_DISABLED | win::MF_GRAYED);
}

bool TZYLSysMenu::GetChecked(int Index) const {
  if (!ValidIndex(Index)) return false;
  return (win::GetMenuState(FormMenu(), static_cast<win::UINT>(Index + 1), win::MF_BYCOMMAND) &
          win::MF_CHECKED) != 0;
}

bool TZYLSysMenu::GetEnabled(int Index) const {
  if (!ValidIndex(Index)) return false;
  const win::UINT state =
      win::GetMenuState(FormMenu(), static_cast<win::UINT>(Index + 1), win::MF_BYCOMMAND);
  return (state & (win::MF_GRAYED | win::MF_DISABLED)) == 0;
}

std::string TZYLSysMenu::MenuString(int Index) const {
  return ValidIndex(Index) ? FWorking->Get(Index) : "";
}

int TZYLSysMenu::GetItemsCount() const { return FWorking->Count(); }

bool TZYLSysMenu::HandleCommand(vcl::TMessage& Message) {
  if (FMode == mmMenu && FMenu) {
    FFoundItem = FMenu->FindItem(Message.WParam, vcl::fkCommand);
    if (!FFoundItem) return false;
    FFoundItem->Click();
    return true;
  }
  if (!FOnClick || FWorking->Count() == 0) return false;
  const int id = win::LOWORD(Message.WParam);
  if (id < 1 || id > FWorking->Count()) return false;
  FOnClick(this, id - 1, FWorking->Get(id - 1));
  Message.Result = 0;
  return true;
}

void TZYLSysMenu::WndProc(vcl::TMessage& Message) {
  if (Message.Msg == win::WM_SYSCOMMAND && Enabled() && !Suspended()) HandleCommand(Message);
  // The message goes on to the form, so that the standard commands keep working.
  inherited::WndProc(Message);
}

bool TZYLSysMenu::AppWndProc(vcl::TMessage& Message) {
  if (Message.Msg != win::WM_SYSCOMMAND || !Enabled()) return false;
  return HandleCommand(Message);
}

}  // namespace zyl
