// TComboBoxStrings, TCustomComboBox and TComboBox: the combo box of the standard controls, on
// the window system's COMBOBOX class.
#include <algorithm>
#include <unordered_map>

#include "platform/base/Numbers.h"
#include "platform/base/Restore.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Controls.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysUtils.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {

// The edit children of the combos, for their subclass procedure.
std::unordered_map<HWND, TCustomComboBox*>& EditOwners() {
  static auto* m = new std::unordered_map<HWND, TCustomComboBox*>;
  return *m;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TComboBoxStrings

namespace {
const TListMessages ComboBoxMessages{
    CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETCOUNT,        CB_GETITEMDATA,  CB_SETITEMDATA,
    CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,    CB_RESETCONTENT, CB_FINDSTRINGEXACT,
    CB_INITSTORAGE,  CB_ERR,          SComboBoxOutOfSpace};
}  // namespace

TComboBoxStrings::TComboBoxStrings(TCustomComboBox* ComboBox)
    : TWindowListStrings(ComboBox, ComboBoxMessages, ComboBox->saved_, ComboBox->sorted_),
      comboBox_(ComboBox) {}

void TComboBoxStrings::SavedDeleted(int Index) {
  int& chosen = comboBox_->savedIndex_;
  if (chosen == Index)
    chosen = -1;
  else if (chosen > Index)
    --chosen;
}

void TComboBoxStrings::SavedCleared() {
  // A stream sets the chosen item before it reads the items.
  if (!comboBox_->ComponentState().contains(csLoading)) comboBox_->savedIndex_ = -1;
}

void TComboBoxStrings::ClearWindow() {
  // The edit keeps its text; a drop-down list shows nothing chosen.
  const std::string text = comboBox_->editHandle_ ? comboBox_->GetText() : std::string();
  HWND h = comboBox_->Handle();
  SendMessageA(h, CB_RESETCONTENT, 0, 0);
  if (comboBox_->editHandle_)
    CallWindowProcA(comboBox_->defWndProc_, h, WM_SETTEXT, 0,
                    reinterpret_cast<LPARAM>(text.c_str()));
  comboBox_->StoreText(text);
}

ZYL_CLASS_IMPL(TComboBoxStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomComboBox

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TWindowListControl(AOwner) {
  // The window tracks the mouse itself (its dropped list holds the capture).
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
  width_ = 145;
  height_ = 25;
  items_ = new TComboBoxStrings(this);
  AdjustHeight();
}

TCustomComboBox::~TCustomComboBox() {
  if (HandleAllocated()) DestroyWindowHandle();
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  static const DWORD styles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                 CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                                 CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE};
  static const DWORD cases[] = {0, CBS_UPPERCASE, CBS_LOWERCASE};
  TWinControl::CreateParams(Params);
  WNDCLASSA system;
  if (!GetClassInfoA(nullptr, "ComboBox", &system)) throw EOutOfResources(SNoComboBoxClass);
  Params.WindowClass.lpfnWndProc = system.lpfnWndProc;
  Params.WindowClass.style = system.style & ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC);
  Params.Style |= WS_VSCROLL | CBS_HASSTRINGS | CBS_AUTOHSCROLL | styles[style_] | cases[charCase_];
  if (sorted_) Params.Style |= CBS_SORT;
}

void TCustomComboBox::CreateWnd() {
  {
    const TRestore creating(creating_, true);
    TWinControl::CreateWnd();
  }
  HWND h = handle_;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) {
    // The field was measured while the window was being made, before it reached the control.
    SendMessageA(h, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    if (style_ == csOwnerDrawFixed) SendMessageA(h, CB_SETITEMHEIGHT, 0, itemHeight_);
  }
  COMBOBOXINFO info;
  if (GetComboBoxInfo(h, &info)) {
    editHandle_ = info.hwndItem;
    listHandle_ = info.hwndList;
  }
  if (editHandle_) {
    SendMessageA(h, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    EditOwners()[editHandle_] = this;
    SetWindowLongPtrA(
        editHandle_, GWLP_USERDATA,
        SetWindowLongPtrA(editHandle_, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(&TCustomComboBox::EditSubclass)));
  }
  WindowItems()->LoadWindow();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
  savedIndex_ = -1;
  if (editHandle_) {
    // Through the combo's own procedure: putting its text back is no change of the user's.
    CallWindowProcA(defWndProc_, h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
    SendMessageA(h, CB_SETEDITSEL, 0, MAKELPARAM(selStart_, selStart_ + selLength_));
  }
}

void TCustomComboBox::DestroyWnd() {
  if (handle_) {
    if (editHandle_) {
      selStart_ = SelStart();
      selLength_ = SelLength();
      EditOwners().erase(editHandle_);
    }
    if (!ComponentState().contains(csDestroying)) {
      WindowItems()->SaveWindow();
      savedIndex_ = static_cast<int>(SendMessageA(handle_, CB_GETCURSEL, 0, 0));
    }
  }
  editHandle_ = listHandle_ = nullptr;
  TWinControl::DestroyWnd();
}

void TCustomComboBox::Loaded() {
  // Streams write the chosen item before the items: it takes effect once they are there.
  TWinControl::Loaded();
  const int index = savedIndex_;
  WindowItems()->Settle();
  if (!HandleAllocated() && index >= 0 && index < saved_->Count() && style_ != csDropDown &&
      style_ != csSimple)
    StoreText(saved_->Get(index));
  AdjustHeight();
}

int TCustomComboBox::ItemIndex() {
  if (!HandleAllocated()) return savedIndex_;
  return static_cast<int>(SendMessageA(handle_, CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (!HandleAllocated()) {
    savedIndex_ = Value;
    WindowItems()->Settle();
    if (!ComponentState().contains(csLoading) && Value >= 0 && Value < saved_->Count())
      StoreText(saved_->Get(Value));
    return;
  }
  if (ItemIndex() == Value) return;
  SendMessageA(handle_, CB_SETCURSEL, static_cast<WPARAM>(Value), 0);
  // The window shows the item's text (or none): the control's copy follows it.
  TakeWindowText();
}

void TCustomComboBox::TakeWindowText() {
  const auto n = static_cast<int>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXTLENGTH, 0, 0));
  std::string t(static_cast<size_t>(n) + 1, '\0');
  t.resize(static_cast<size_t>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXT,
                                               static_cast<WPARAM>(n + 1),
                                               reinterpret_cast<LPARAM>(t.data()))));
  StoreText(t);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  if (Value == csSimple)
    controlStyle_ -= csFixedHeight;
  else
    controlStyle_ += csFixedHeight;
  RecreateWnd();
  AdjustHeight();
}

void TCustomComboBox::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  RecreateWnd();
}

bool TCustomComboBox::DroppedDown() {
  return HandleAllocated() && SendMessageA(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  SendMessageA(Handle(), CB_SHOWDROPDOWN, Value ? 1 : 0, 0);
}

int TCustomComboBox::ItemHeight() {
  if (HandleAllocated() && (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable))
    return itemHeight_;
  if (HandleAllocated()) return static_cast<int>(SendMessageA(handle_, CB_GETITEMHEIGHT, 0, 0));
  return itemHeight_;
}

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0 || itemHeight_ == Value) return;
  itemHeight_ = Value;
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int32_t Value) {
  if (Value < 0) Value = 0;
  maxLength_ = Value;
  if (HandleAllocated()) SendMessageA(handle_, CB_LIMITTEXT, static_cast<WPARAM>(Value), 0);
}

int TCustomComboBox::SelStart() {
  if (!HandleAllocated() || !editHandle_) return selStart_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(a);
}

void TCustomComboBox::SetSelStart(int Value) {
  selStart_ = Value;
  selLength_ = 0;
  if (HandleAllocated() && editHandle_)
    SendMessageA(handle_, CB_SETEDITSEL, 0, MAKELPARAM(Value, Value));
}

int TCustomComboBox::SelLength() {
  if (!HandleAllocated() || !editHandle_) return selLength_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(b - a);
}

void TCustomComboBox::SetSelLength(int Value) {
  const int start = SelStart();
  selLength_ = Value;
  if (HandleAllocated() && editHandle_)
    SendMessageA(handle_, CB_SETEDITSEL, 0, MAKELPARAM(start, start + Value));
}

std::string TCustomComboBox::SelText() {
  const std::string t = GetText();
  const int a = std::clamp(SelStart(), 0, static_cast<int>(t.size()));
  const int n = std::clamp(SelLength(), 0, static_cast<int>(t.size()) - a);
  return t.substr(static_cast<size_t>(a), static_cast<size_t>(n));
}

void TCustomComboBox::SetSelText(const std::string& Value) {
  if (!editHandle_ && HandleAllocated()) return;
  SendMessageA(EditHandleNeeded(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

HWND TCustomComboBox::EditHandleNeeded() {
  HandleNeeded();
  return editHandle_;
}

void TCustomComboBox::Clear() {
  items_->Clear();
  SetText("");
}

void TCustomComboBox::SelectAll() {
  if (HandleAllocated() && editHandle_) SendMessageA(handle_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool TCustomComboBox::Focused() {
  const HWND f = GetFocus();
  return f && (f == handle_ || f == editHandle_);
}

void TCustomComboBox::AdjustHeight() {
  if (style_ == csSimple || ComponentState().contains(csLoading)) return;
  // The field of the window system's combo: a line of text (or the owner's item) inside the
  // sunken border.
  const int field = (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable)
                        ? itemHeight_
                        : stdctrls_internal::FontHeight(font_) + 2;
  SetHeight(ClampToInt(int64_t{field} + 6));
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::CNCommand(TWMCommand& Message) {
  switch (Message.NotifyCode()) {
    case CBN_DBLCLK: DblClick(); break;
    case CBN_EDITCHANGE:
      if (creating_) break;
      TakeWindowText();
      Change();
      break;
    case CBN_DROPDOWN: {
      // The list shows DropDownCount items.
      const int rows = std::max(1, std::min(dropDownCount_, std::max(items_->Count(), 1)));
      SetWindowPos(handle_, nullptr, 0, 0, Width(),
                   ClampToInt(int64_t{Height()} + int64_t{rows} * ItemHeight() + 2),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
      DropDown();
      break;
    }
    case CBN_SELCHANGE:
      TakeWindowText();
      Click();
      Select();
      break;
    case CBN_CLOSEUP: CloseUp(); break;
    case CBN_SETFOCUS:
      // The focus came to the edit child: the form hears of it as the combo's.
      if (TCustomForm* form = vcl::GetParentForm(this); form && !controlState_.contains(csFocusing))
        form->SetFocusedControl(this);
      break;
    default: break;
  }
}

void TCustomComboBox::CNMeasureItem(TMessage& Message) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  int h = itemHeight_;
  if (style_ == csOwnerDrawVariable && static_cast<int>(mis->itemID) >= 0)
    MeasureItem(static_cast<int>(mis->itemID), h);
  mis->itemHeight = static_cast<UINT>(std::max(h, 1));
  Message.Result = 1;
}

// The children ask their colours of the combo: they take the control's font colour and brush.
void TCustomComboBox::WMCtlColor(TMessage& Message) {
  const HWND child = reinterpret_cast<HWND>(Message.LParam);
  if (child != editHandle_ && child != listHandle_ && child != handle_) {
    ZYL_INHERITED(Message);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Brush()->Color())));
  Message.Result = reinterpret_cast<LRESULT>(Brush()->Handle());
}

void TCustomComboBox::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 1);
  AdjustHeight();
}

void TCustomComboBox::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

// The edit child's messages: keys pass the combo's key handling, focus reaches the form.
LRESULT TCustomComboBox::EditWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    EditOwners().erase(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
  }
  TMessage message;
  message.Msg = msg;
  message.WParam = wp;
  message.LParam = lp;
  HandlingExceptions(this, [&] { ComboWndProc(message, hwnd, old); });
  return message.Result;
}

void TCustomComboBox::ComboWndProc(TMessage& Message, HWND ComboWnd, WNDPROC ComboProc) {
  const UINT msg = Message.Msg;
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: {
      TWMKey key;
      key.Msg = msg;
      key.WParam = Message.WParam;
      key.LParam = Message.LParam;
      Message.Result = 0;
      bool done = false;
      if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) done = DoKeyDown(key);
      if (msg == WM_KEYUP) done = DoKeyUp(key);
      if (msg == WM_CHAR) done = DoKeyPress(key);
      if (done) return;
      Message.Result = CallWindowProcA(ComboProc, ComboWnd, msg, key.WParam, Message.LParam);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A combo that drags of itself drags from its text field too; the press is the drag's.
      if (ComboWnd == editHandle_ && DragMode() == dmAutomatic) {
        BeginDrag(true);
        Message.Result = 0;
        return;
      }
      Message.Result = CallWindowProcA(ComboProc, ComboWnd, msg, Message.WParam, Message.LParam);
      return;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      Message.Result = CallWindowProcA(ComboProc, ComboWnd, msg, Message.WParam, Message.LParam);
      // The edit child is part of the combo: the mouse entering or leaving it enters or leaves
      // the combo (CM_MOUSEENTER, CM_MOUSELEAVE), as over the combo's own window.
      if (ComboWnd == editHandle_ && msg == WM_MOUSEMOVE) {
        TRACKMOUSEEVENT tme;
        tme.dwFlags = TME_LEAVE;
        tme.hwndTrack = ComboWnd;
        TrackMouseEvent(&tme);
      }
      UpdateMouseControl();
      return;
    default:
      Message.Result = CallWindowProcA(ComboProc, ComboWnd, msg, Message.WParam, Message.LParam);
  }
}

// The edit child's keys go through the combo's key handling first (OnKeyDown, OnKeyPress), as
// keys of the combo itself do; the message loop offered them to the form as the combo's.
LRESULT TCustomComboBox::EditSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = EditOwners().find(hwnd);
  if (it == EditOwners().end()) {
    const auto old = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    return old ? CallWindowProcA(old, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
  }
  return it->second->EditWndProc(hwnd, msg, wp, lp);
}

ZYL_MESSAGE_MAP(TCustomComboBox) {
  m.On(CN_COMMAND, &TCustomComboBox::CNCommand)
      .On(CN_MEASUREITEM, &TCustomComboBox::CNMeasureItem)
      .On(WM_CTLCOLOREDIT, &TCustomComboBox::WMCtlColor)
      .On(WM_CTLCOLORLISTBOX, &TCustomComboBox::WMCtlColor)
      .On(CM_FONTCHANGED, &TCustomComboBox::CMFontChanged)
      .On(CM_TEXTCHANGED, &TCustomComboBox::CMTextChanged);
}

ZYL_CLASS_IMPL(TCustomComboBox) {
  using C = TCustomComboBox;
  b.Declare("Style", &C::Style, &C::SetStyle)
      .Default(csDropDown)
      .Declare("CharCase", &C::CharCase, &C::SetCharCase)
      .Default(ecNormal)
      .Declare("DropDownCount", &C::DropDownCount, &C::SetDropDownCount)
      .Default(8)
      .Declare("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
      .Declare("ItemIndex", &C::ItemIndex, &C::SetItemIndex)
      .Default(-1)
      .Declare("Items", &C::Items, &C::SetItems)
      .Declare("MaxLength", &C::MaxLength, &C::SetMaxLength)
      .Default(0)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(false)
      .Declare("Sorted", &C::Sorted, &C::SetSorted)
      .Default(false)
      // Published already here, as the framework's class does: every descendant that publishes
      // it writes TabStop at this place, right after the bounds, hint and help context.
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true)
      .Declare("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Declare("OnCloseUp", &C::GetOnCloseUp, &C::SetOnCloseUp)
      .Declare("OnDrawItem", &C::GetOnDrawItem, &C::SetOnDrawItem)
      .Declare("OnDropDown", &C::GetOnDropDown, &C::SetOnDropDown)
      .Declare("OnMeasureItem", &C::GetOnMeasureItem, &C::SetOnMeasureItem)
      .Declare("OnSelect", &C::GetOnSelect, &C::SetOnSelect);
}

ZYL_CLASS_IMPL(TComboBox) {
  // Style comes first and Items last: the items are read into the list of the right style.
  b.Publish({"Style",         "Anchors",       "BiDiMode",       "CharCase",       "Color",
             "Constraints",   "Ctl3D",         "DragCursor",     "DragKind",       "DragMode",
             "DropDownCount", "Enabled",       "Font",           "ImeMode",        "ImeName",
             "ItemHeight",    "ItemIndex",     "MaxLength",      "ParentBiDiMode", "ParentColor",
             "ParentCtl3D",   "ParentFont",    "ParentShowHint", "PopupMenu",      "ShowHint",
             "Sorted",        "TabOrder",      "TabStop",        "Text",           "Visible",
             "OnChange",      "OnClick",       "OnCloseUp",      "OnContextPopup", "OnDblClick",
             "OnDragDrop",    "OnDragOver",    "OnDrawItem",     "OnDropDown",     "OnEndDock",
             "OnEndDrag",     "OnEnter",       "OnExit",         "OnKeyDown",      "OnKeyPress",
             "OnKeyUp",       "OnMeasureItem", "OnSelect",       "OnStartDock",    "OnStartDrag",
             "Items"});
}

namespace {
const controls_internal::TStandardClasses registered{&TComboBox::StaticClass};
}  // namespace

}  // namespace vcl
