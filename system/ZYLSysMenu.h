// TZYLSysMenu: adds the application's own entries to the owner form's system menu (and, with
// HandleApp, to the application window's), removes unwanted standard entries, and turns the
// WM_SYSCOMMAND of its entries into OnClick or into the Click of a popup menu's item. One per
// form.
#pragma once

#include <memory>
#include <string>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLOwned.h"
#include "foundation/ZYLWndProcComponent.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TMenuItem;
class TPopupMenu;
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

ZYL_ENUM(TZYLSysMenuMode, mmItems, mmMenu)

using TZYLSysMenuClickEvent =
    vcl::TEvent<void(vcl::TObject* Sender, int Index, const std::string& aCaption)>;

class TZYLSysMenu : public TZYLWndProcComponent {
  ZYL_CLASS(TZYLSysMenu, TZYLWndProcComponent)
  // Entry texts are cut to this many characters.
  static constexpr size_t MaxTextLength = 255;
  // InsertFrom takes -1 (append) or a position up to this one.
  static constexpr int MaxInsertFrom = 15;

  explicit TZYLSysMenu(vcl::TComponent* AOwner);
  ~TZYLSysMenu() override;

  vcl::TStrings* Items() const;
  void SetItems(vcl::TStrings* Value);
  int InsertFrom() const { return FInsertFrom; }
  // A value below -1 or above 15 is stored as -1.
  void SetInsertFrom(int Value);
  vcl::TPopupMenu* Menu() const { return FMenu; }
  void SetMenu(vcl::TPopupMenu* Value);
  TZYLSysMenuMode Mode() const { return FMode; }
  // Changed only while designing or loading.
  void SetMode(TZYLSysMenuMode Value);
  TZYLSysMenuEntries ShowEntries() const { return FShowEntries; }
  void SetShowEntries(TZYLSysMenuEntries Value) { FShowEntries = Value; }
  const TZYLSysMenuClickEvent& GetOnClick() const { return FOnClick; }
  void SetOnClick(const TZYLSysMenuClickEvent& Value) { FOnClick = Value; }

  // Whether the own entries are in the system menu.
  bool Active() const { return FActive; }
  // Builds the entries again (items) or brings the popup menu's checks and states over.
  void UpdateMenu();
  // Rebuilds the entries of the popup menu.
  void ForceUpdate();
  win::HMENU GetSystemMenuHandle() const;
  // The check and enabled states of the own entry Index (items mode); nothing, or false, while
  // inactive or for an index outside the entries.
  void SetChecked(int Index, bool Value);
  using TZYLWndProcComponent::SetEnabled;
  void SetEnabled(int Index, bool Value);
  bool GetChecked(int Index) const;
  bool GetEnabled(int Index) const;
  std::string MenuString(int Index) const;
  int GetItemsCount() const;

  void Init() override;
  void RestoreState() override;
  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;
  void WndProc(vcl::TMessage& Message) override;
  bool AppWndProc(vcl::TMessage& Message) override;

 private:
  void ItemsChanged(vcl::TObject* Sender);
  void ActivateMenu(bool Redraw);
  void ActivatePopUpMenu();
  void UpdatePopUpMenu();
  void DeActivateMenu(bool Redraw);
  // The menus the entries go into: the form's system menu and, with HandleApp, the
  // application window's (null when there is none).
  win::HMENU FormMenu() const;
  win::HMENU AppMenu() const;
  // Removes the standard entries ShowEntries leaves out (nothing when it keeps them all).
  void TrimStandardEntries(win::HMENU FormMenu, win::HMENU AppMenu) const;
  // Runs the command of a WM_SYSCOMMAND; true when an entry took it.
  bool HandleCommand(vcl::TMessage& Message);
  bool ValidIndex(int Index) const;

  TZYLOwned<vcl::TStringList> FItems;
  std::unique_ptr<vcl::TStringList> FWorking;
  int FInsertFrom = -1;
  vcl::TPopupMenu* FMenu = nullptr;
  TZYLSysMenuMode FMode = mmItems;
  TZYLSysMenuEntries FShowEntries{smRestore,  smMove,  smSize,  smMinimize,
                                  smMaximize, smClose, smSwitch};
  bool FActive = false;
  vcl::TMenuItem* FFoundItem = nullptr;
  TZYLSysMenuClickEvent FOnClick;
};

inline constexpr vcl::TUnitEntry ZYLSysMenuUnit = vcl::ClassesUnit<TZYLSysMenu>("ZYLSysMenu");

}  // namespace zyl
