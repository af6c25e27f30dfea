// TListBoxStrings, TCustomListBox and TListBox: the list box on the window system's LISTBOX
// class.
#include <algorithm>

#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysUtils.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

// ---------------------------------------------------------------------------------------------
// TListBoxStrings

namespace {

const TListMessages ListBoxMessages{
    LB_GETTEXTLEN,  LB_GETTEXT,      LB_GETCOUNT,       LB_GETITEMDATA,  LB_SETITEMDATA,
    LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING,   LB_RESETCONTENT, LB_FINDSTRINGEXACT,
    LB_INITSTORAGE, LB_ERR,          SListBoxOutOfSpace};

void CheckIndex(int Index, int Count) {
  if (Index < 0 || Index >= Count) throw EListError(Format(SListIndexError, {Index}));
}

}  // namespace

TListBoxStrings::TListBoxStrings(TCustomListBox* ListBox)
    : TWindowListStrings(ListBox, ListBoxMessages, ListBox->saved_, ListBox->sorted_) {}

ZYL_CLASS_IMPL(TListBoxStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomListBox

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWindowListControl(AOwner) {
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks};
  width_ = 121;
  height_ = 97;
  items_ = new TListBoxStrings(this);
}

TCustomListBox::~TCustomListBox() {
  if (HandleAllocated()) DestroyWindowHandle();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  WNDCLASSA system;
  if (!GetClassInfoA(nullptr, "ListBox", &system)) throw EOutOfResources(SNoListBoxClass);
  Params.WindowClass.lpfnWndProc = system.lpfnWndProc;
  Params.Style |= WS_VSCROLL | LBS_HASSTRINGS | LBS_NOTIFY;
  if (sorted_) Params.Style |= LBS_SORT;
  if (multiSelect_) Params.Style |= extendedSelect_ ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (style_ == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (style_ == lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE;
  if (!integralHeight_) Params.Style |= LBS_NOINTEGRALHEIGHT;
  if (columns_ > 0) Params.Style |= LBS_MULTICOLUMN;
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND h = handle_;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  if (style_ != lbStandard) SendMessageA(h, LB_SETITEMHEIGHT, 0, itemHeight_);
  if (columns_ > 0) SendMessageA(h, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(Width() / columns_), 0);
  WindowItems()->LoadWindow();
  for (size_t i = 0; i < savedSel_.size(); ++i)
    if (savedSel_[i]) SendMessageA(h, LB_SETSEL, 1, static_cast<LPARAM>(i));
  savedSel_.clear();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
  if (savedTop_ > 0) SendMessageA(h, LB_SETTOPINDEX, static_cast<WPARAM>(savedTop_), 0);
  savedIndex_ = -1;
  savedTop_ = 0;
}

void TCustomListBox::DestroyWnd() {
  if (handle_ && !ComponentState().contains(csDestroying)) {
    const int n = items_->Count();
    WindowItems()->SaveWindow();
    savedSel_.assign(static_cast<size_t>(n), false);
    if (multiSelect_)
      for (int i = 0; i < n; ++i)
        savedSel_[static_cast<size_t>(i)] =
            SendMessageA(handle_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    savedIndex_ = multiSelect_ ? -1 : static_cast<int>(SendMessageA(handle_, LB_GETCURSEL, 0, 0));
    savedTop_ = static_cast<int>(SendMessageA(handle_, LB_GETTOPINDEX, 0, 0));
    // The saved list is read back from here while there is no window.
    TWinControl::DestroyWnd();
    return;
  }
  TWinControl::DestroyWnd();
}

int TCustomListBox::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  if (multiSelect_) return static_cast<int>(SendMessageA(handle_, LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(SendMessageA(handle_, LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int Value) {
  if (!HandleAllocated()) {
    savedIndex_ = Value;
    return;
  }
  if (multiSelect_) {
    if (Value >= 0 && Value < items_->Count())
      SendMessageA(handle_, LB_SETCARETINDEX, static_cast<WPARAM>(Value), 0);
    return;
  }
  SendMessageA(handle_, LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (multiSelect_ == Value) return;
  multiSelect_ = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (extendedSelect_ == Value) return;
  extendedSelect_ = Value;
  RecreateWnd();
}

bool TCustomListBox::Selected(int Index) {
  CheckIndex(Index, items_->Count());
  if (!HandleAllocated())
    return multiSelect_
               ? Index < static_cast<int>(savedSel_.size()) && savedSel_[static_cast<size_t>(Index)]
               : Index == savedIndex_;
  return SendMessageA(handle_, LB_GETSEL, static_cast<WPARAM>(Index), 0) > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  CheckIndex(Index, items_->Count());
  if (!HandleAllocated()) {
    if (multiSelect_) {
      savedSel_.resize(static_cast<size_t>(items_->Count()), false);
      savedSel_[static_cast<size_t>(Index)] = Value;
    } else if (Value) {
      savedIndex_ = Index;
    } else if (savedIndex_ == Index) {
      savedIndex_ = -1;
    }
    return;
  }
  if (multiSelect_)
    SendMessageA(handle_, LB_SETSEL, Value ? 1 : 0, Index);
  else if (Value)
    SetItemIndex(Index);
  else if (ItemIndex() == Index)
    SetItemIndex(-1);
}

int TCustomListBox::SelCount() {
  if (!multiSelect_) return -1;
  if (!HandleAllocated())
    return static_cast<int>(std::count(savedSel_.begin(), savedSel_.end(), true));
  return static_cast<int>(SendMessageA(handle_, LB_GETSELCOUNT, 0, 0));
}

int TCustomListBox::TopIndex() {
  if (!HandleAllocated()) return savedTop_;
  return static_cast<int>(SendMessageA(handle_, LB_GETTOPINDEX, 0, 0));
}

void TCustomListBox::SetTopIndex(int Value) {
  if (!HandleAllocated()) {
    savedTop_ = Value;
    return;
  }
  SendMessageA(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0);
}

int TCustomListBox::ItemHeight() {
  if (HandleAllocated() && style_ == lbStandard)
    return static_cast<int>(SendMessageA(handle_, LB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0 || itemHeight_ == Value) return;
  itemHeight_ = Value;
  if (HandleAllocated() && style_ != lbStandard) RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (integralHeight_ == Value) return;
  integralHeight_ = Value;
  RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
}

void TCustomListBox::SetColumns(int Value) {
  if (Value < 0) Value = 0;
  if (columns_ == Value) return;
  columns_ = Value;
  RecreateWnd();
}

TRect TCustomListBox::ItemRect(int Index) {
  const int count = items_->Count();
  if (Index == 0 || Index < count) {
    RECT r{};
    SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index),
                 reinterpret_cast<LPARAM>(&r));
    return r;
  }
  if (Index == count) {
    // Where a new item would go: below the last one.
    RECT r{};
    SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index - 1),
                 reinterpret_cast<LPARAM>(&r));
    const int h = r.Bottom - r.Top;
    return TRect{r.Left, r.Bottom, r.Right, r.Bottom + h};
  }
  return TRect{0, 0, 0, 0};
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) {
  const int count = items_->Count();
  const TRect client = ClientRect();
  if (PtInRect(&client, Pos)) {
    for (int i = TopIndex(); i < count; ++i) {
      const TRect r = ItemRect(i);
      if (r.Top >= client.Bottom) break;
      if (PtInRect(&r, Pos)) return i;
    }
  }
  return Existing ? -1 : count;
}

void TCustomListBox::Clear() { items_->Clear(); }

void TCustomListBox::CNCommand(TWMCommand& Message) {
  switch (Message.NotifyCode()) {
    case LBN_SELCHANGE:
      Changed();
      Click();
      break;
    case LBN_DBLCLK: DblClick(); break;
    default: break;
  }
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  int h = static_cast<int>(mis->itemHeight ? mis->itemHeight : static_cast<UINT>(itemHeight_));
  if (style_ == lbOwnerDrawVariable) h = itemHeight_;
  MeasureItem(static_cast<int>(mis->itemID), h);
  mis->itemHeight = static_cast<UINT>(std::max(h, 1));
  Message.Result = 1;
}

void TCustomListBox::WMMouseWheel(TWMMouseWheel& Message) {
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  if (!Message.Result) DefaultHandler(&Message);
}

void TCustomListBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 1);
}

ZYL_MESSAGE_MAP(TCustomListBox) {
  m.On(CN_COMMAND, &TCustomListBox::CNCommand)
      .On(CM_FONTCHANGED, &TCustomListBox::CMFontChanged)
      .On(WM_MOUSEWHEEL, &TCustomListBox::WMMouseWheel)
      .On(CN_MEASUREITEM, &TCustomListBox::CNMeasureItem);
}

ZYL_CLASS_IMPL(TCustomListBox) {
  using C = TCustomListBox;
  b.Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(bsSingle)
      .Declare("Columns", &C::Columns, &C::SetColumns)
      .Default(0)
      .Declare("ExtendedSelect", &C::ExtendedSelect, &C::SetExtendedSelect)
      .Default(true)
      .Declare("IntegralHeight", &C::IntegralHeight, &C::SetIntegralHeight)
      .Default(false)
      .Declare("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
      .Default(16)
      .Declare("Items", &C::Items, &C::SetItems)
      .Declare("MultiSelect", &C::MultiSelect, &C::SetMultiSelect)
      .Default(false)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false)
      .Declare("Sorted", &C::Sorted, &C::SetSorted)
      .Default(false)
      .Declare("Style", &C::Style, &C::SetStyle)
      .Default(lbStandard)
      // Published already here, as the framework's class does: every descendant that publishes
      // it writes TabStop at this place, right after the bounds, hint and help context.
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Declare("OnDrawItem", &C::GetOnDrawItem, &C::SetOnDrawItem)
      .Declare("OnMeasureItem", &C::GetOnMeasureItem, &C::SetOnMeasureItem);
}

ZYL_CLASS_IMPL(TListBox) {
  b.Publish(
      {"Align",          "Anchors",        "BiDiMode",       "BorderStyle",    "Color",
       "Columns",        "Constraints",    "Ctl3D",          "DragCursor",     "DragKind",
       "DragMode",       "Enabled",        "ExtendedSelect", "Font",           "ImeMode",
       "ImeName",        "IntegralHeight", "ItemHeight",     "Items",          "MultiSelect",
       "ParentBiDiMode", "ParentColor",    "ParentCtl3D",    "ParentFont",     "ParentShowHint",
       "PopupMenu",      "ShowHint",       "Sorted",         "Style",          "TabOrder",
       "TabStop",        "Visible",        "OnClick",        "OnContextPopup", "OnDblClick",
       "OnDragDrop",     "OnDragOver",     "OnDrawItem",     "OnEndDock",      "OnEndDrag",
       "OnEnter",        "OnExit",         "OnKeyDown",      "OnKeyPress",     "OnKeyUp",
       "OnMeasureItem",  "OnMouseDown",    "OnMouseMove",    "OnMouseUp",      "OnStartDock",
       "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TListBox::StaticClass};
}  // namespace

}  // namespace vcl
