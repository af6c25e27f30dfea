// Menus: TMenu and its kinds (the form's bar menu, popup menus), the window that hears the
// popup menus, drawing of owner-drawn items, and builders of menu trees.
#include <algorithm>
#include <memory>

#include "platform/base/Finally.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ImgList.h"
#include "platform/controls/Menus.h"
#include "platform/controls/MenusInternal.h"
#include "platform/controls/UtilWindow.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/text/Text.h"
#include "platform/user/ListComboConsts.h"

using namespace win;

namespace vcl {

namespace {

template <class F>
TMenuItem* Search(TMenuItem* Item, const F& Match) {
  for (int i = 0; i < Item->Count(); ++i) {
    TMenuItem* c = Item->Items(i);
    if (Match(c)) return c;
    if (TMenuItem* found = Search(c, Match)) return found;
  }
  return nullptr;
}

// The item of a command when it belongs to `menu`.
TMenuItem* OwnItem(const TMenu* menu, UINT command) {
  TMenuItem* item = menus_detail::ItemOfCommand(static_cast<uint16_t>(command));
  return item && item->GetParentMenu() == menu ? item : nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
  items_ = new TMenuItem(this);
  items_->SetMenu(this);
}

TMenu::~TMenu() {
  Destroying();
  if (images_) images_->RemoveFreeNotification(this);
  delete items_;
  items_ = nullptr;
}

void TMenu::SetImages(TComponent* Value) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (Value) Value->FreeNotification(this);
  MenuChanged(this, nullptr, true);
}

void TMenu::SetOwnerDraw(bool Value) {
  if (ownerDraw_ == Value) return;
  ownerDraw_ = Value;
  // Every entry changes kind: rebuild the whole tree.
  std::vector<TMenuItem*> stack{items_};
  while (!stack.empty()) {
    TMenuItem* i = stack.back();
    stack.pop_back();
    i->RebuildHandle();
    for (int k = 0; k < i->Count(); ++k) stack.push_back(i->Items(k));
  }
  MenuChanged(this, nullptr, true);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == images_) images_ = nullptr;
}

void TMenu::MenuChanged(TObject*, TMenuItem* Source, bool Rebuild) {
  if (OnChange) OnChange(this, Source, Rebuild);
}

TMenuItem* TMenu::FindItem(uintptr_t Value, TFindItemKind Kind) const {
  if (!items_) return nullptr;
  if (Kind == fkHandle && items_->handle_ && reinterpret_cast<uintptr_t>(items_->handle_) == Value)
    return items_;
  return Search(items_, [&](TMenuItem* i) {
    switch (Kind) {
      case fkCommand: return i->Command() == Value;
      case fkHandle: return i->handle_ && reinterpret_cast<uintptr_t>(i->handle_) == Value;
      case fkShortCut: return i->ShortCut() != 0 && i->ShortCut() == Value;
    }
    return false;
  });
}

bool TMenu::DispatchCommand(uint16_t ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AMenu) {
  TMenuItem* item = FindItem(reinterpret_cast<uintptr_t>(AMenu), fkHandle);
  if (!item) return false;
  item->InitiateActions();
  if (item != items_) item->Click();
  return true;
}

bool TMenu::IsShortCut(TWMKey& Message) {
  const TShortCut sc = ShortCut(Message.CharCode(), KeyDataToShiftState(Message.KeyData()));
  if (sc == scNone) return false;
  TMenuItem* item = FindItem(sc, fkShortCut);
  if (!item) return false;
  // A hidden or disabled item, or one in a hidden or disabled submenu, does not answer.
  for (TMenuItem* p = item; p && p != items_; p = p->Parent())
    if (!p->Enabled() || !p->Visible()) return false;
  item->Click();
  return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT* Info) {
  if (!Info || Info->CtlType != ODT_MENU) return false;
  TMenuItem* item = OwnItem(this, Info->itemID);
  if (!item) return false;
  TMemoryDC dc;
  TCanvas canvas;
  TCanvasBinding bound(&canvas, dc);
  if (Screen) canvas.Font()->Assign(Screen->MenuFont());
  int w = static_cast<int>(Info->itemWidth), h = static_cast<int>(Info->itemHeight);
  item->MeasureItem(&canvas, w, h);
  Info->itemWidth = static_cast<UINT>(std::max(w, 0));
  Info->itemHeight = static_cast<UINT>(std::max(h, 1));
  return true;
}

bool TMenu::DrawItem(DRAWITEMSTRUCT* Info) {
  if (!Info || Info->CtlType != ODT_MENU || !Info->hDC) return false;
  TMenuItem* item = OwnItem(this, Info->itemID);
  if (!item) return false;
  TSavedDC saved(Info->hDC);
  TCanvas canvas;
  TCanvasBinding bound(&canvas, Info->hDC);
  if (Screen) canvas.Font()->Assign(Screen->MenuFont());
  TOwnerDrawState state;
  if (Info->itemState & ODS_SELECTED) state += odSelected;
  if (Info->itemState & ODS_GRAYED) state += odGrayed;
  if (Info->itemState & ODS_DISABLED) state += odDisabled;
  if (Info->itemState & ODS_CHECKED) state += odChecked;
  if (Info->itemState & ODS_DEFAULT) state += odDefault;
  item->AdvancedDrawItem(&canvas, Info->rcItem, state, item->Parent() == items_ && IsBarMenu());
  return true;
}

void TMenu::MenuSelect(WPARAM WParam, LPARAM) {
  if (!Application) return;
  const UINT flags = HIWORD(WParam);
  TMenuItem* item = nullptr;
  if (flags != 0xFFFF && !(flags & MF_POPUP)) item = OwnItem(this, LOWORD(WParam));
  Application->SetHint(item ? item->Hint() : std::string());
}

void TMenu::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  items_->GetChildren(Proc, Root);
}

void TMenu::SetChildOrder(TComponent* Child, int Order) { items_->SetChildOrder(Child, Order); }

ZYL_CLASS_IMPL(TMenu) {
  b.IgnoresInsertNotification();  // only the removal of its images concerns it
  b.Declare("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys)
      .Default(maAutomatic)
      .Declare("AutoLineReduction", &TMenu::AutoLineReduction, &TMenu::SetAutoLineReduction)
      .Default(maAutomatic)
      .Declare("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode)
      .Default(bdLeftToRight)
      .Declare("Images", &TMenu::Images, &TMenu::SetImages)
      .Declare("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
      .Default(false)
      .Declare("ParentBiDiMode", &TMenu::ParentBiDiMode, &TMenu::SetParentBiDiMode)
      .Default(true)
      .Declare("OnChange", &TMenu::OnChange, &TMenu::SetOnChange);
}

// ---------------------------------------------------------------------------------------------
// TMainMenu

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

void TMainMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  if (window_ && IsWindow(window_) && items_ && items_->HandleAllocated()) DrawMenuBar(window_);
  TMenu::MenuChanged(Sender, Source, Rebuild);
}

ZYL_CLASS_IMPL(TMainMenu) {
  b.Publish({"AutoHotkeys", "AutoLineReduction"})
      .Prop("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge)
      .Default(false)
      .Publish({"BiDiMode", "Images", "OwnerDraw", "ParentBiDiMode", "OnChange"});
}

// ---------------------------------------------------------------------------------------------
// The popup list: one hidden window hears every popup menu on screen.

namespace {

struct TPopupList : TObject {
  HWND Window = nullptr;
  std::vector<TPopupMenu*> Menus;
  void WndProc(TMessage& Message);
};

TPopupList& PopupList() {
  static TPopupList p;
  return p;
}

void TPopupList::WndProc(TMessage& Message) {
  const std::vector<TPopupMenu*> menus = Menus;
  auto each = [&](const auto& f) {
    for (TPopupMenu* m : menus)
      if (std::find(Menus.begin(), Menus.end(), m) != Menus.end() && f(m)) return true;
    return false;
  };
  switch (Message.Msg) {
    case WM_COMMAND:
      if (each([&](TPopupMenu* m) { return m->DispatchCommand(LOWORD(Message.WParam)); })) return;
      break;
    case WM_INITMENUPOPUP:
      if (each([&](TPopupMenu* m) {
            return m->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam));
          }))
        return;
      break;
    case WM_MENUSELECT:
      each([&](TPopupMenu* m) {
        m->MenuSelect(Message.WParam, Message.LParam);
        return false;
      });
      break;
    case WM_MEASUREITEM:
      if (each([&](TPopupMenu* m) {
            return m->MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam));
          })) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (each([&](TPopupMenu* m) {
            return m->DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam));
          })) {
        Message.Result = 1;
        return;
      }
      break;
    default: break;
  }
  Message.Result = DefWindowProcA(Window, Message.Msg, Message.WParam, Message.LParam);
}

}  // namespace

HWND PopupListWindow() {
  TPopupList& p = PopupList();
  if (!p.Window || !IsWindow(p.Window))
    p.Window = AllocateHWnd(TWndMethod(&p, &TPopupList::WndProc));
  return p.Window;
}

void ResetMenuGlobals() {
  TPopupList& p = PopupList();
  if (p.Window && IsWindow(p.Window)) DeallocateHWnd(p.Window);
  p.Window = nullptr;
}

// ---------------------------------------------------------------------------------------------
// TPopupMenu

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) { PopupList().Menus.push_back(this); }

TPopupMenu::~TPopupMenu() {
  auto& menus = PopupList().Menus;
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TMenu::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(int X, int Y) {
  popupPoint_ = {X, Y};
  DoPopup(this);
  items_->InitiateActions();
  static const UINT kAlign[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  UINT flags = kAlign[alignment_];
  flags |= trackButton_ == tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
  const HMENU menu = Handle();
  TrackPopupMenu(menu, flags, X, Y, 0, PopupListWindow(), nullptr);
}

ZYL_CLASS_IMPL(TPopupMenu) {
  b.IgnoresInsertNotification();  // only removals concern it
  b.Prop("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment)
      .Default(paLeft)
      .Publish({"AutoHotkeys", "AutoLineReduction"})
      .Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
      .Default(true)
      .Publish("BiDiMode")
      .Prop("HelpContext", &TPopupMenu::HelpContext, &TPopupMenu::SetHelpContext)
      .Default(0)
      .Publish("Images")
      .Prop("MenuAnimation", &TPopupMenu::MenuAnimation, &TPopupMenu::SetMenuAnimation)
      .Default(TMenuAnimation{})
      .Publish({"OwnerDraw", "ParentBiDiMode"})
      .Prop("TrackButton", &TPopupMenu::TrackButton, &TPopupMenu::SetTrackButton)
      .Default(tbRightButton)
      .Publish("OnChange")
      .Prop("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::SetOnPopup);
}

// ---------------------------------------------------------------------------------------------
// Drawing an item in the framework's look

void menus_detail::DrawStandardItem(TMenuItem* Item, TCanvas* ACanvas, const TRect& ARect,
                                    TOwnerDrawState State, bool TopLevel) {
  const bool selected = State.contains(odSelected);
  const bool disabled = State.contains(odDisabled) || State.contains(odGrayed);
  ACanvas->Brush()->SetColor(selected && !TopLevel ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  if (Item->IsLine()) {
    TRect line = ARect;
    line.Top += ARect.Height() / 2 - 1;
    line.Bottom = line.Top + 2;
    RECT r = line;
    DrawEdge(ACanvas->Handle(), &r, EDGE_ETCHED, BF_TOP);
    return;
  }
  TRect text = ARect;
  if (!TopLevel) {
    text.Left += kGlyphColumn + 2;
    TBitmap* picture = Item->IsBitmapStored() ? Item->Bitmap() : nullptr;
    if (!picture && Item->HasImage()) {
      // The item's image in the glyph column; a checked one sits in a sunken frame.
      TCustomImageList* list = Item->GetImageList();
      const int x = ARect.Left + (kGlyphColumn - list->Width()) / 2 + 1;
      const int y = ARect.Top + (ARect.Height() - list->Height()) / 2;
      if (State.contains(odChecked)) {
        RECT frame = Bounds(x - 1, y - 1, list->Width() + 2, list->Height() + 2);
        DrawEdge(ACanvas->Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
      }
      list->Draw(ACanvas, x, y, Item->ImageIndex(), !disabled);
    } else if (picture) {
      const int y = ARect.Top + (ARect.Height() - picture->Height()) / 2;
      ACanvas->Draw(ARect.Left + (kGlyphColumn - picture->Width()) / 2 + 1, y, picture);
    } else if (State.contains(odChecked)) {
      // A check mark: a short and a long stroke.
      const int cx = ARect.Left + kGlyphColumn / 2, cy = ARect.Top + ARect.Height() / 2;
      ACanvas->Pen()->SetColor(selected ? clHighlightText : clMenuText);
      for (int k = 0; k < 3; ++k) {
        ACanvas->MoveTo(cx - 3, cy - 1 + k);
        ACanvas->LineTo(cx - 1, cy + 1 + k);
        ACanvas->LineTo(cx + 4, cy - 4 + k);
      }
    }
  }
  ACanvas->Brush()->SetStyle(bsClear);
  const TColor fore =
      disabled ? clGrayText : (selected && !TopLevel ? clHighlightText : clMenuText);
  ACanvas->Font()->SetColor(fore);
  RECT r = text;
  const std::string caption = Item->Caption();
  DrawTextA(ACanvas->Handle(), caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_SINGLELINE | DT_VCENTER | (TopLevel ? DT_CENTER : DT_LEFT));
  const std::string keys = ShortCutToText(Item->ShortCut());
  if (!keys.empty() && !TopLevel) {
    RECT k = ARect;
    k.Right -= kGlyphColumn;
    DrawTextA(ACanvas->Handle(), keys.c_str(), static_cast<int>(keys.size()), &k,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
}

// ---------------------------------------------------------------------------------------------
// Builders

TMenuItem* NewItem(const std::string& ACaption, TShortCut AShortCut, bool AChecked, bool AEnabled,
                   const TNotifyEvent& AOnClick, int32_t hCtx, const std::string& AName) {
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetName(AName);
  item->SetCaption(ACaption);
  item->SetShortCut(AShortCut);
  item->SetChecked(AChecked);
  item->SetEnabled(AEnabled);
  item->SetOnClick(AOnClick);
  item->SetHelpContext(hCtx);
  return item.release();
}

TMenuItem* NewLine() {
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetCaption("-");
  return item.release();
}

namespace {

// Puts the items under `parent`; on failure the items not yet placed are freed.
void AddAll(TMenuItem* parent, const std::vector<TMenuItem*>& Items) {
  size_t placed = 0;
  const TOnFailure freeRest([&] {
    for (size_t k = placed; k < Items.size(); ++k)
      if (Items[k] && !Items[k]->Parent()) delete Items[k];
  });
  for (; placed < Items.size(); ++placed)
    if (Items[placed]) parent->Add(Items[placed]);
}

// Frees the items meant for a menu when making that menu fails.
auto FreeOnFailure(const std::vector<TMenuItem*>& Items) {
  return TOnFailure([&Items] {
    for (TMenuItem* i : Items) delete i;
  });
}

}  // namespace

TMenuItem* NewSubMenu(const std::string& ACaption, int32_t hCtx, const std::string& AName,
                      const std::vector<TMenuItem*>& Items, bool AEnabled) {
  std::unique_ptr<TMenuItem> item;
  {
    const auto freeItems = FreeOnFailure(Items);
    item = std::make_unique<TMenuItem>(nullptr);
    item->SetName(AName);
    item->SetCaption(ACaption);
    item->SetHelpContext(hCtx);
    item->SetEnabled(AEnabled);
  }
  AddAll(item.get(), Items);
  return item.release();
}

TMainMenu* NewMenu(TComponent* Owner, const std::string& AName,
                   const std::vector<TMenuItem*>& Items) {
  std::unique_ptr<TMainMenu> menu;
  {
    const auto freeItems = FreeOnFailure(Items);
    menu = std::make_unique<TMainMenu>(Owner);
    menu->SetName(AName);
  }
  AddAll(menu->Items(), Items);
  return menu.release();
}

TPopupMenu* NewPopupMenu(TComponent* Owner, const std::string& AName, TPopupAlignment Alignment,
                         bool AutoPopup, const std::vector<TMenuItem*>& Items) {
  std::unique_ptr<TPopupMenu> menu;
  {
    const auto freeItems = FreeOnFailure(Items);
    menu = std::make_unique<TPopupMenu>(Owner);
    menu->SetName(AName);
    menu->SetAlignment(Alignment);
    menu->SetAutoPopup(AutoPopup);
  }
  AddAll(menu->Items(), Items);
  return menu.release();
}

}  // namespace vcl

namespace vcl {
namespace {
// Form files name the menu classes.
struct TRegisterMenus {
  TRegisterMenus() {
    RegisterClasses(
        {TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
  }
} registerMenus;
}  // namespace
}  // namespace vcl
