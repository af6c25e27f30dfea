// TZYLMRUList: keeps the names of recently used files (index 0 the most recent), shows them as
// numbered menu items after or before a menu item, in its sub-menu, or in the drop-down menu
// of a library button, reports a click on one of them and moves it to the top, offers a
// "Clear List..." item, and keeps the list in the settings storage between runs.
//
// The list tracks every item it creates (TZYLMRUItem) with a free notification and frees them
// when the menu is rebuilt and when the list goes away, so no item outlives the list or keeps
// its click handler. Captions double '&' in file names so that a name never shows as an
// accelerator.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/ZYLClass.h"
#include "foundation/ZYLIniCtrl.h"
#include "foundation/ZYLOwnedComponent.h"
#include "platform/controls/Menus.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TStrings;
class TStringList;
}  // namespace vcl

namespace zyl {

class TZYLBaseGraphicButton;

ZYL_ENUM(TZYLMRUListOption, moFileNameOnly, moShowAccel, moSubIfEmpty, moSubClearOption)
using TZYLMRUListOptions = vcl::TSet<TZYLMRUListOption>;
ZYL_ENUM(TZYLMRUDisplay, mdFileName, mdDefault)
ZYL_ENUM(TZYLMRUListStyle, msAfterItem, msBeforeItem, msCreateSubMenu)

// Remove is false on entry; set it to take the name out of the list instead of moving it up.
using TZYLMRUClickEvent =
    vcl::TEvent<void(vcl::TObject* Sender, const std::string& FileName, bool& Remove)>;

// Every item the list puts into a menu: entries, separators, the clear and the empty item.
class TZYLMRUItem : public vcl::TMenuItem {
  ZYL_CLASS(TZYLMRUItem, vcl::TMenuItem)
  explicit TZYLMRUItem(vcl::TComponent* AOwner) : inherited(AOwner) {}
};

class TZYLMRUList : public TZYLCustomIniComponent {
  ZYL_CLASS(TZYLMRUList, TZYLCustomIniComponent)
  // The Tag of the clear item.
  static constexpr int ClearItemTag = 65535;

  explicit TZYLMRUList(vcl::TComponent* AOwner);
  ~TZYLMRUList() override;

  uint8_t MaxEntries() const { return FMaxEntries; }
  void SetMaxEntries(uint8_t Value);
  uint8_t MaxLength() const { return FMaxLength; }
  void SetMaxLength(uint8_t Value);
  vcl::TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(vcl::TMenuItem* Value);
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  TZYLMRUListOptions Options() const { return FOptions; }
  void SetOptions(TZYLMRUListOptions Value);
  TZYLMRUListStyle Style() const { return FStyle; }
  void SetStyle(TZYLMRUListStyle Value);
  bool Shared() const { return FShared; }
  void SetShared(bool Value) { FShared = Value; }
  TZYLBaseGraphicButton* Button() const { return FButton; }
  void SetButton(TZYLBaseGraphicButton* Value);
  TZYLMRUDisplay Display() const { return FDisplay; }
  void SetDisplay(TZYLMRUDisplay Value);
  // The names, index 0 the most recent.
  vcl::TStrings* Entries() const;
  // The drop-down menu made for Button (null until there is one).
  vcl::TPopupMenu* DropDownMenu() const { return FPopup; }

  void Add(const std::string& FileName);
  void AddItems(vcl::TStrings* Strings);
  void Remove(const std::string& FileName);
  void RemoveAll();
  void ShareList(vcl::TStrings* Strings);
  void CheckSharedFile(const std::string& FileName);
  void CheckClearList(vcl::TObject* Sender);
  void BeginUpdate() { FUpdating = true; }
  void EndUpdate() { FUpdating = false; }
  void ReadData() { RestoreState(); }
  void WriteData() { SaveState(); }
  void RestoreState() override;
  void SaveState() override;
  void UpdateMenu();
  // The text an entry shows (before the accelerator), at most MaxLength characters.
  std::string ShownText(const std::string& FileName) const;

  const TZYLMRUClickEvent& GetOnClick() const { return FOnClick; }
  void SetOnClick(const TZYLMRUClickEvent& Value) { FOnClick = Value; }
  // OnChange is the component base's: it fires (unless updating) after the menu or the
  // button's drop-down was rebuilt.
  const vcl::TNotifyEvent& GetOnClearListClick() const { return FOnClearListClick; }
  void SetOnClearListClick(const vcl::TNotifyEvent& Value) { FOnClearListClick = Value; }

  void Notification(vcl::TComponent* AComponent, vcl::TOperation Operation) override;

 protected:
  void CreateSectionDefault(std::string& Section) override;

 private:
  void HandleMenuClick(vcl::TObject* Sender);
  void ClearMenu();
  TZYLMRUItem* NewItem(vcl::TMenuItem* Parent, int Index, const std::string& Caption, int Tag);
  void InsertSeparator(vcl::TMenuItem* Parent, int& Index);
  void InsertEntries(vcl::TMenuItem* Parent, int& Index, bool AllowClear);
  void InsertEmptyItem(vcl::TMenuItem* Parent, int Index);
  void FillMenuItem();
  void FillDropDown();
  std::string ShortenedPath(const std::string& FileName) const;

  uint8_t FMaxEntries = 4;
  uint8_t FMaxLength = 255;
  vcl::TMenuItem* FMenuItem = nullptr;
  int32_t FHelpContext = 0;
  std::string FHint;
  std::unique_ptr<vcl::TStringList> FEntries;
  TZYLMRUListOptions FOptions{moShowAccel, moSubIfEmpty};
  TZYLMRUListStyle FStyle = msAfterItem;
  bool FUpdating = false;
  bool FShared = false;
  TZYLBaseGraphicButton* FButton = nullptr;
  // Made with the list as owner; whoever frees it first, it is freed once.
  TZYLOwnedComponent<vcl::TPopupMenu> FPopup;
  TZYLMRUDisplay FDisplay = mdFileName;
  std::vector<TZYLMRUItem*> FItems;

 protected:
  TZYLMRUClickEvent FOnClick;
  vcl::TNotifyEvent FOnClearListClick;
};

inline constexpr vcl::TUnitEntry ZYLMRUListUnit = vcl::ClassesUnit<TZYLMRUList>("ZYLMRUList");

}  // namespace zyl
