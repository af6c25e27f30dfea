// Menus: the items (TMenuItem) in a tree under a menu (TMainMenu for a form's menu bar,
// TPopupMenu for context menus), keyboard shortcuts and their text.
//
// Each item with children has a window-system menu handle (a popup menu), built the first time
// it is asked for and kept in step with the items afterwards: a change to an item rebuilds the
// entries of its parent's handle. Items own their children; they belong (as components) to the
// form, and a form stream holds them as nested objects of the menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"

namespace vcl {

class TCustomImageList;

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// Key's low byte with the modifiers of Shift (ssShift, ssCtrl, ssAlt); 0 when Key has bits
// above the low byte.
TShortCut ShortCut(uint16_t Key, TShiftState Shift);
// The key (low byte) and the modifiers of a shortcut.
void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift);
// "Ctrl+Shift+F5"; "" for scNone and for keys without a name.
std::string ShortCutToText(TShortCut ShortCut);
// The other way (modifier names and the key name compare without regard to case); 0 when the
// text is not a shortcut.
TShortCut TextToShortCut(const std::string& Text);

ZYL_ENUM(TMenuBreak, mbNone, mbBreak, mbBarBreak)
ZYL_ENUM(TMenuItemAutoFlag, maAutomatic, maManual, maParent)
using TMenuAutoFlag = TMenuItemAutoFlag;
ZYL_ENUM(TPopupAlignment, paLeft, paRight, paCenter)
ZYL_ENUM(TTrackButton, tbRightButton, tbLeftButton)
ZYL_ENUM(TMenuAnimations, maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone)
using TMenuAnimation = TSet<TMenuAnimations>;
ZYL_ENUM(TFindItemKind, fkCommand, fkHandle, fkShortCut)

class TMenu;
class TMenuItem;
class TBasicAction;
class TMenuActionLink;

using TMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;
using TAdvancedMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, TOwnerDrawState State)>;
using TMenuMeasureItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuChangeEvent = TEvent<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

class TMenuItem : public TComponent {
  ZYL_CLASS(TMenuItem, TComponent)
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // ---- The tree ----
  int Count() const { return static_cast<int>(items_.size()); }
  // EMenuError "Menu index out of range" outside 0..Count-1.
  TMenuItem* Items(int Index) const;
  void Add(TMenuItem* Item);
  // EMenuError for an index outside 0..Count and for an item that already has a parent
  // ("Menu inserted twice").
  void Insert(int Index, TMenuItem* Item);
  // Takes the item out (it is not freed).
  void Delete(int Index);
  // EMenuError "Sub-menu is not in menu" when Item is not a child.
  void Remove(TMenuItem* Item);
  // Frees every child.
  void Clear();
  int IndexOf(const TMenuItem* Item) const;
  // The child whose caption (without '&') equals ACaption, ignoring case; null when none.
  TMenuItem* Find(const std::string& ACaption) const;
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  void SetMenuIndex(int Value);
  // The menu the tree belongs to (null while the item is loose).
  TMenu* GetParentMenu() const;
  bool IsLine() const { return caption_ == "-"; }

  // The popup menu of the children (made on first request); null for an item of the bar
  // that has no children yet and for an item whose children are all hidden.
  win::HMENU Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  // The command sent when the item is chosen (unique while the item lives).
  uint16_t Command() const { return command_; }

  // Runs the item: toggles Checked when AutoCheck (without an action), then OnClick, or the
  // action when the item has no handler of its own.
  virtual void Click();

  // ---- Action (MenusActions.cpp) ----
  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TMenuActionLink* ActionLink() const { return actionLink_; }
  // Takes the action's properties (with CheckDefaults only those still at their defaults).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void InitiateAction();
  // Updates the children's actions (before the submenu opens).
  void InitiateActions();
  bool IsCaptionStored() const;
  bool IsCheckedStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsImageIndexStored() const;
  bool IsShortCutStored() const;
  bool IsVisibleStored() const;
  bool IsOnClickStored() const;

  // ---- Properties ----
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool Value);
  uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(uint8_t Value);
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool Value) { autoCheck_ = Value; }
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t Value) { helpContext_ = Value; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t Value);
  TComponent* SubMenuImages() const { return subMenuImages_; }
  void SetSubMenuImages(TComponent* Value);
  TMenuItemAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuItemAutoFlag Value) { autoHotkeys_ = Value; }
  TMenuItemAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuItemAutoFlag Value) { autoLineReduction_ = Value; }
  bool IsBitmapStored() const { return bitmap_ && !bitmap_->Empty(); }

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  void SetOnClick(const TNotifyEvent& E) { OnClick = E; }
  void SetOnDrawItem(const TMenuDrawItemEvent& E) { OnDrawItem = E; }
  void SetOnAdvancedDrawItem(const TAdvancedMenuDrawItemEvent& E) { OnAdvancedDrawItem = E; }
  void SetOnMeasureItem(const TMenuMeasureItemEvent& E) { OnMeasureItem = E; }

  // Owner drawing: the size of the item and its picture (the standard look unless the events
  // draw it).
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State,
                                bool TopLevel);
  // Whether the item is drawn by the framework (menu OwnerDraw, a picture or a draw event).
  bool IsOwnerDraw() const;
  // The image list the item draws its ImageIndex from: the SubMenuImages of the nearest parent
  // that has them, else its menu's Images (null when that is no image list).
  TCustomImageList* GetImageList() const;
  // Whether the item shows an image of its list.
  bool HasImage() const;

  // ---- Streaming ----
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void ReadState(TReader* Reader) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // The text an entry shows: the caption, a tab and the shortcut text.
  std::string EntryText() const;

 protected:
  // Called when the item's look or children change: rebuilds the parent's entries.
  void MenuChanged(bool Rebuild);

 private:
  friend class TMenu;
  void RebuildHandle();
  void DestroyHandle();
  void UncheckSiblings();
  // The levels of items below this one (0 for an item without children), counted no further
  // than Limit + 1.
  int LevelsBelow(int Limit) const;
  void SetMenu(TMenu* Value);
  void BitmapChanged(TObject*);

  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item of a menu
  std::vector<TMenuItem*> items_;
  win::HMENU handle_ = nullptr;
  uint16_t command_ = 0;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  bool default_ = false;
  bool radioItem_ = false;
  bool autoCheck_ = false;
  uint8_t groupIndex_ = 0;
  TMenuBreak break_ = mbNone;
  std::string hint_;
  int32_t helpContext_ = 0;
  TShortCut shortCut_ = 0;
  TBitmap* bitmap_ = nullptr;
  int32_t imageIndex_ = -1;
  TComponent* subMenuImages_ = nullptr;
  TMenuItemAutoFlag autoHotkeys_ = maParent;
  TMenuItemAutoFlag autoLineReduction_ = maParent;
  int updating_ = 0;
  TMenuActionLink* actionLink_ = nullptr;
};

class TMenu : public TComponent {
  ZYL_CLASS(TMenu, TComponent)
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  // The window-system menu of the root item (a bar menu for TMainMenu, a popup otherwise).
  win::HMENU Handle() { return items_->Handle(); }
  // The menu's image list (its pictures are not drawn yet: Bitmap pictures are).
  TComponent* Images() const { return images_; }
  void SetImages(TComponent* Value);
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool Value);
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag Value) { autoHotkeys_ = Value; }
  TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuAutoFlag Value) { autoLineReduction_ = Value; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode Value) { biDiMode_ = Value; }
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool Value) { parentBiDiMode_ = Value; }
  TMenuChangeEvent OnChange;
  void SetOnChange(const TMenuChangeEvent& E) { OnChange = E; }

  // The item of a command, of a submenu handle or of a shortcut; null when none.
  TMenuItem* FindItem(uintptr_t Value, TFindItemKind Kind) const;
  // Runs the item of a command (answers whether there is one).
  bool DispatchCommand(uint16_t ACommand);
  // Tells the item whose submenu is about to open (its OnClick runs); false when none.
  bool DispatchPopup(win::HMENU AMenu);
  // Runs the enabled, visible item whose shortcut the key message gives.
  bool IsShortCut(TWMKey& Message);
  // WM_MEASUREITEM / WM_DRAWITEM for the items of this menu; false when not ours.
  bool MeasureItem(win::MEASUREITEMSTRUCT* Info);
  bool DrawItem(win::DRAWITEMSTRUCT* Info);
  // The hint of a highlighted command (WM_MENUSELECT) shown as the application's hint.
  void MenuSelect(win::WPARAM WParam, win::LPARAM LParam);

  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Whether the root's handle is a bar (TMainMenu) rather than a popup.
  virtual bool IsBarMenu() const { return false; }
  // Called when an item changes (Source null: the whole menu).
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);

 protected:
  TMenuItem* items_;

 private:
  TComponent* images_ = nullptr;
  bool ownerDraw_ = false;
  TMenuAutoFlag autoHotkeys_ = maAutomatic;
  TMenuAutoFlag autoLineReduction_ = maAutomatic;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
};

class TMainMenu : public TMenu {
  ZYL_CLASS(TMainMenu, TMenu)
  explicit TMainMenu(TComponent* AOwner);
  bool IsBarMenu() const override { return true; }
  bool AutoMerge() const { return autoMerge_; }
  void SetAutoMerge(bool Value) { autoMerge_ = Value; }
  void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) override;
  // The form showing this menu (its window gets DrawMenuBar after changes).
  void SetWindowHandle(win::HWND Value) { window_ = Value; }
  win::HWND WindowHandle() const { return window_; }

 private:
  bool autoMerge_ = false;
  win::HWND window_ = nullptr;
};

class TPopupMenu : public TMenu {
  ZYL_CLASS(TPopupMenu, TMenu)
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // Shows the menu at a screen point and tracks it until it closes; the chosen item's OnClick
  // runs from the message that follows (as the window system posts it).
  virtual void Popup(int X, int Y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* Value);
  TPoint PopupPoint() const { return popupPoint_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool Value) { autoPopup_ = Value; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment Value) { alignment_ = Value; }
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton Value) { trackButton_ = Value; }
  TMenuAnimation MenuAnimation() const { return menuAnimation_; }
  void SetMenuAnimation(TMenuAnimation Value) { menuAnimation_ = Value; }
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t Value) { helpContext_ = Value; }
  TNotifyEvent OnPopup;
  void SetOnPopup(const TNotifyEvent& E) { OnPopup = E; }
  void Notification(TComponent* AComponent, TOperation Operation) override;

 protected:
  virtual void DoPopup(TObject* Sender);

 private:
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_{-1, -1};
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = paLeft;
  TTrackButton trackButton_ = tbRightButton;
  TMenuAnimation menuAnimation_;
  int32_t helpContext_ = 0;
};

// The window that receives the messages of every popup menu on screen (commands, highlights,
// owner drawing); made on first use.
win::HWND PopupListWindow();
// Forgets the popup window and the menus' global state (a fresh window system).
void ResetMenuGlobals();

// Builders of menu trees in code.
TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   const TNotifyEvent& AOnClick, int32_t hCtx, const std::string& AName);
TMenuItem* NewLine();
TMenuItem* NewSubMenu(const std::string& ACaption, int32_t hCtx, const std::string& AName,
                      const std::vector<TMenuItem*>& Items, bool AEnabled = true);
TMainMenu* NewMenu(TComponent* Owner, const std::string& AName,
                   const std::vector<TMenuItem*>& Items);
TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, const std::vector<TMenuItem*>& Items);

// The caption without its '&' marks ("&&" stays one '&').
std::string StripHotkey(const std::string& Text);

}  // namespace vcl
