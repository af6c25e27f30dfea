// Menu items: the tree, their entries in the window-system menus, and keyboard shortcuts.
#include "platform/controls/Menus.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/ImgList.h"
#include "platform/controls/MenusInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/SysUtils.h"

using namespace win;

namespace vcl {

// ---------------------------------------------------------------------------------------------
// Shortcuts

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if (Key & 0xFF00) return 0;
  TShortCut r = Key;
  if (Shift.contains(ssShift)) r |= scShift;
  if (Shift.contains(ssCtrl)) r |= scCtrl;
  if (Shift.contains(ssAlt)) r |= scAlt;
  return r;
}

void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = {};
  if (ShortCut & scShift) Shift = Shift + TShiftState{ssShift};
  if (ShortCut & scCtrl) Shift = Shift + TShiftState{ssCtrl};
  if (ShortCut & scAlt) Shift = Shift + TShiftState{ssAlt};
}

namespace {

struct TKeyName {
  uint8_t Key;
  const char* Name;
};

const TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},      {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyName(uint8_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.Key == key) return k.Name;
  return {};
}

// Removes `prefix` from the front of `text` (ignoring case); answers whether it was there.
bool TakePrefix(std::string& text, const char* prefix) {
  const size_t n = std::char_traits<char>::length(prefix);
  if (text.size() < n || !SameText(text.substr(0, n), prefix)) return false;
  text.erase(0, n);
  return true;
}

}  // namespace

std::string ShortCutToText(TShortCut ShortCut) {
  const std::string name = KeyName(static_cast<uint8_t>(ShortCut & 0xFF));
  if (name.empty()) return {};
  std::string r;
  if (ShortCut & scShift) r += "Shift+";
  if (ShortCut & scCtrl) r += "Ctrl+";
  if (ShortCut & scAlt) r += "Alt+";
  return r + name;
}

TShortCut TextToShortCut(const std::string& Text) {
  std::string rest = Text;
  TShortCut shift = 0;
  for (bool more = true; more;) {
    more = false;
    if (TakePrefix(rest, "Shift+")) shift |= scShift, more = true;
    if (TakePrefix(rest, "Ctrl+")) shift |= scCtrl, more = true;
    if (TakePrefix(rest, "Alt+")) shift |= scAlt, more = true;
  }
  if (rest.empty()) return 0;
  for (int key = 1; key < 256; ++key) {
    const std::string name = KeyName(static_cast<uint8_t>(key));
    if (!name.empty() && SameText(name, rest)) return static_cast<TShortCut>(key | shift);
  }
  return 0;
}

std::string StripHotkey(const std::string& Text) {
  std::string r;
  for (size_t k = 0; k < Text.size(); ++k) {
    // '&' marks the next character ("&&" is an ampersand); a trailing '&' shows nothing.
    if (Text[k] == '&' && ++k == Text.size()) break;
    r += Text[k];
  }
  return r;
}

// ---------------------------------------------------------------------------------------------
// Commands: each item holds a number of its own while it lives.

namespace menus_detail {

namespace {
struct TCommandPool {
  std::unordered_map<uint16_t, TMenuItem*> Items;
  uint16_t Next = 1;
};
TCommandPool& Pool() {
  static TCommandPool p;
  return p;
}
}  // namespace

uint16_t AllocateCommand(TMenuItem* Item) {
  TCommandPool& p = Pool();
  if (p.Items.size() >= 0xFFFE) throw EMenuError(SOutOfResources);
  while (p.Next == 0 || p.Items.count(p.Next)) ++p.Next;
  const uint16_t c = p.Next++;
  p.Items.emplace(c, Item);
  return c;
}

void ReleaseCommand(uint16_t Command) { Pool().Items.erase(Command); }

TMenuItem* ItemOfCommand(uint16_t Command) {
  auto it = Pool().Items.find(Command);
  return it == Pool().Items.end() ? nullptr : it->second;
}

}  // namespace menus_detail

// ---------------------------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
  command_ = menus_detail::AllocateCommand(this);
}

TMenuItem::~TMenuItem() {
  Destroying();
  ++updating_;  // no entries are rebuilt while the tree comes down
  if (parent_) parent_->Remove(this);
  while (!items_.empty()) delete items_.back();
  DestroyHandle();
  if (bitmap_) {
    bitmap_->OnChange = TNotifyEvent();
    delete bitmap_;
  }
  menus_detail::ReleaseCommand(command_);
  SetAction(nullptr);
}

TMenuItem* TMenuItem::Items(int Index) const {
  if (Index < 0 || Index >= Count()) throw EMenuError(SMenuIndexError);
  return items_[static_cast<size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item) throw EMenuError(SMenuNotFound);
  if (Item->parent_ || Item->menu_) throw EMenuError(SMenuReinserted);
  if (Index < 0 || Index > Count()) throw EMenuError(SMenuIndexError);
  // An item cannot hold itself or one of its ancestors.
  int above = 0;
  for (const TMenuItem* p = this; p; p = p->parent_, ++above)
    if (p == Item) throw EMenuError(SMenuReinserted);
  // Submenus nest no deeper than the window system's menus do.
  if (above + Item->LevelsBelow(kMaxMenuNesting) > kMaxMenuNesting)
    throw EMenuError(Format(SMenuTooDeep, {kMaxMenuNesting}));
  items_.insert(items_.begin() + Index, Item);
  Item->parent_ = this;
  const bool first = items_.size() == 1;
  RebuildHandle();
  // The first child turns a command into a submenu: the parent's entry changes kind.
  MenuChanged(first);
}

int TMenuItem::LevelsBelow(int Limit) const {
  // Walked with a list of its own: a tree built before it joins a menu may be deep.
  int levels = 0;
  std::vector<std::pair<const TMenuItem*, int>> pending{{this, 0}};
  while (!pending.empty()) {
    auto [item, level] = pending.back();
    pending.pop_back();
    levels = std::max(levels, level);
    if (levels > Limit) break;
    for (const TMenuItem* c : item->items_) pending.emplace_back(c, level + 1);
  }
  return levels;
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = Items(Index);
  items_.erase(items_.begin() + Index);
  item->parent_ = nullptr;
  RebuildHandle();
  MenuChanged(items_.empty());
}

void TMenuItem::Remove(TMenuItem* Item) {
  const int i = IndexOf(Item);
  if (i < 0) throw EMenuError(SMenuNotFound);
  Delete(i);
}

void TMenuItem::Clear() {
  ++updating_;
  {
    TFinally done([this] { --updating_; });
    while (!items_.empty()) delete items_.back();
  }
  RebuildHandle();
  MenuChanged(true);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(items_.begin(), items_.end(), Item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  const std::string want = StripHotkey(ACaption);
  for (TMenuItem* i : items_)
    if (SameText(StripHotkey(i->caption_), want)) return i;
  return nullptr;
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int Value) {
  if (!parent_) return;
  TMenuItem* p = parent_;
  const int count = p->Count();
  const int to = std::clamp(Value, 0, count - 1);
  const int from = MenuIndex();
  if (to == from) return;
  p->items_.erase(p->items_.begin() + from);
  p->items_.insert(p->items_.begin() + to, this);
  p->RebuildHandle();
  p->MenuChanged(false);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* i = this;
  while (i->parent_) i = i->parent_;
  return i->menu_;
}

void TMenuItem::SetMenu(TMenu* Value) { menu_ = Value; }

bool TMenuItem::IsOwnerDraw() const {
  const TMenu* m = GetParentMenu();
  if (m && m->OwnerDraw()) return true;
  return (bitmap_ && !bitmap_->Empty()) || HasImage() || OnDrawItem || OnAdvancedDrawItem ||
         OnMeasureItem;
}

TCustomImageList* TMenuItem::GetImageList() const {
  for (const TMenuItem* p = parent_; p; p = p->parent_)
    if (p->subMenuImages_) return dynamic_cast<TCustomImageList*>(p->subMenuImages_);
  const TMenu* m = GetParentMenu();
  return m ? dynamic_cast<TCustomImageList*>(m->Images()) : nullptr;
}

bool TMenuItem::HasImage() const {
  const TCustomImageList* list = GetImageList();
  return list && imageIndex_ >= 0 && imageIndex_ < list->Count();
}

std::string TMenuItem::EntryText() const {
  const std::string keys = ShortCutToText(shortCut_);
  return keys.empty() ? caption_ : caption_ + "\t" + keys;
}

HMENU TMenuItem::Handle() {
  if (!handle_) {
    const bool bar = !parent_ && menu_ && menu_->IsBarMenu();
    handle_ = bar ? CreateMenu() : CreatePopupMenu();
    if (!handle_) throw EMenuError(SOutOfResources);
    RebuildHandle();
  }
  return handle_;
}

void TMenuItem::DestroyHandle() {
  if (!handle_) return;
  // The children's menus are theirs: take them out before the menu goes.
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  DestroyMenu(handle_);
  handle_ = nullptr;
}

void TMenuItem::RebuildHandle() {
  if (!handle_ || updating_ > 0) return;
  while (GetMenuItemCount(handle_) > 0) RemoveMenu(handle_, 0, MF_BYPOSITION);
  const bool bar = !parent_ && menu_ && menu_->IsBarMenu();
  for (TMenuItem* c : items_) {
    if (!c->visible_) continue;
    MENUITEMINFOA mii;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    std::string text = c->EntryText();
    mii.dwTypeData = text.data();
    mii.wID = c->command_;
    mii.dwItemData = c->command_;
    if (c->IsLine())
      mii.fType |= MFT_SEPARATOR;
    else if (c->IsOwnerDraw() && !bar)
      mii.fType |= MFT_OWNERDRAW;
    if (c->radioItem_) mii.fType |= MFT_RADIOCHECK;
    if (c->break_ == mbBreak) mii.fType |= MFT_MENUBREAK;
    if (c->break_ == mbBarBreak) mii.fType |= MFT_MENUBARBREAK;
    if (c->checked_) mii.fState |= MFS_CHECKED;
    if (!c->enabled_) mii.fState |= MFS_GRAYED;
    if (c->default_) mii.fState |= MFS_DEFAULT;
    if (!c->items_.empty()) {
      mii.fMask |= MIIM_SUBMENU;
      mii.hSubMenu = c->Handle();
    }
    InsertMenuItemA(handle_, static_cast<UINT>(-1), TRUE, &mii);
  }
}

void TMenuItem::MenuChanged(bool Rebuild) {
  if (updating_ > 0) return;
  if (parent_) parent_->RebuildHandle();
  TMenu* m = GetParentMenu();
  if (m && !m->ComponentState().contains(csDestroying)) m->MenuChanged(this, this, Rebuild);
}

void TMenuItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  MenuChanged(true);
}

void TMenuItem::UncheckSiblings() {
  if (!parent_ || !radioItem_) return;
  for (TMenuItem* s : parent_->items_)
    if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_ && s->checked_) {
      s->checked_ = false;
      s->MenuChanged(false);
    }
}

void TMenuItem::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  if (Value) UncheckSiblings();
  MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
  if (visible_ == Value) return;
  visible_ = Value;
  MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
  if (default_ == Value) return;
  // One default item per menu.
  if (Value && parent_)
    for (TMenuItem* s : parent_->items_) s->default_ = false;
  default_ = Value;
  MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
  if (radioItem_ == Value) return;
  radioItem_ = Value;
  if (checked_) UncheckSiblings();
  MenuChanged(false);
}

void TMenuItem::SetGroupIndex(uint8_t Value) {
  if (groupIndex_ == Value) return;
  groupIndex_ = Value;
  if (checked_) UncheckSiblings();
  MenuChanged(false);
}

void TMenuItem::SetBreak(TMenuBreak Value) {
  if (break_ == Value) return;
  break_ = Value;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (shortCut_ == Value) return;
  shortCut_ = Value;
  MenuChanged(true);
}

TBitmap* TMenuItem::Bitmap() {
  if (!bitmap_) {
    bitmap_ = new TBitmap;
    bitmap_->OnChange = TNotifyEvent(this, &TMenuItem::BitmapChanged);
  }
  return bitmap_;
}

void TMenuItem::SetBitmap(TBitmap* Value) { Bitmap()->Assign(Value); }

void TMenuItem::BitmapChanged(TObject*) { MenuChanged(true); }

void TMenuItem::SetImageIndex(int32_t Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  MenuChanged(true);
}

void TMenuItem::SetSubMenuImages(TComponent* Value) {
  if (subMenuImages_) subMenuImages_->RemoveFreeNotification(this);
  subMenuImages_ = Value;
  if (Value) Value->FreeNotification(this);
  MenuChanged(true);
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == subMenuImages_) subMenuImages_ = nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (autoCheck_ && !Action()) SetChecked(!checked_);
  ClickActionClient(this, OnClick, actionLink_);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ && parent_->menu_) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
  if (parent_) parent_->Remove(this);
  if (!Value) return;
  if (auto* m = dynamic_cast<TMenu*>(Value))
    m->Items()->Add(this);
  else if (auto* i = dynamic_cast<TMenuItem*>(Value))
    i->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& Proc, TComponent*) {
  for (TMenuItem* i : items_) Proc(i);
}

void TMenuItem::SetChildOrder(TComponent* Child, int Order) {
  if (auto* i = dynamic_cast<TMenuItem*>(Child); i && i->parent_ == this) i->SetMenuIndex(Order);
}

void TMenuItem::ReadState(TReader* Reader) {
  // Items read from a stream join the menu or item they are nested in.
  if (Reader->Parent()) SetParentComponent(Reader->Parent());
  TComponent::ReadState(Reader);
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  if (IsLine()) {
    Height = 8;
    Width = 10;
  } else {
    const std::string keys = ShortCutToText(shortCut_);
    Width = ACanvas->TextWidth(StripHotkey(caption_)) + 2 * menus_detail::kGlyphColumn;
    if (!keys.empty()) Width += ACanvas->TextWidth(keys) + menus_detail::kGlyphColumn;
    Height = std::max(ACanvas->TextHeight("Wg") + 6, 19);
    if (bitmap_ && !bitmap_->Empty()) Height = std::max(Height, bitmap_->Height() + 4);
    if (HasImage()) Height = std::max(Height, GetImageList()->Height() + 4);
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State,
                                 bool TopLevel) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(this, ACanvas, ARect, State);
    return;
  }
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, State.contains(odSelected));
    return;
  }
  menus_detail::DrawStandardItem(this, ACanvas, ARect, State, TopLevel);
}

ZYL_CLASS_IMPL(TMenuItem) {
  b.IgnoresInsertNotification();  // only the removal of its submenu images concerns it
  b.Prop("Action", &TMenuItem::Action, &TMenuItem::SetAction)
      .Prop("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
      .Default(false)
      .Prop("AutoHotkeys", &TMenuItem::AutoHotkeys, &TMenuItem::SetAutoHotkeys)
      .Default(maParent)
      .Prop("AutoLineReduction", &TMenuItem::AutoLineReduction, &TMenuItem::SetAutoLineReduction)
      .Default(maParent)
      .Prop("Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap)
      .Stored(&TMenuItem::IsBitmapStored)
      .Prop("Break", &TMenuItem::Break, &TMenuItem::SetBreak)
      .Default(mbNone)
      .Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
      .Stored(&TMenuItem::IsCaptionStored)
      .Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
      .Default(false)
      .Stored(&TMenuItem::IsCheckedStored)
      .Prop("SubMenuImages", &TMenuItem::SubMenuImages, &TMenuItem::SetSubMenuImages)
      .Prop("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
      .Default(false)
      .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
      .Default(true)
      .Stored(&TMenuItem::IsEnabledStored)
      .Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
      .Default(0)
      .Prop("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext)
      .Default(0)
      .Stored(&TMenuItem::IsHelpContextStored)
      .Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
      .Stored(&TMenuItem::IsHintStored)
      .Prop("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
      .Default(-1)
      .Stored(&TMenuItem::IsImageIndexStored)
      .Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
      .Default(false)
      .Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
      .Default(0)
      .Stored(&TMenuItem::IsShortCutStored)
      .Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
      .Default(true)
      .Stored(&TMenuItem::IsVisibleStored)
      .Prop("OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem, &TMenuItem::SetOnAdvancedDrawItem)
      .Prop("OnClick", &TMenuItem::OnClick, &TMenuItem::SetOnClick)
      .Stored(&TMenuItem::IsOnClickStored)
      .Prop("OnDrawItem", &TMenuItem::OnDrawItem, &TMenuItem::SetOnDrawItem)
      .Prop("OnMeasureItem", &TMenuItem::OnMeasureItem, &TMenuItem::SetOnMeasureItem);
}

}  // namespace vcl
