#include "platform/controls/StdCtrls.h"

#include <algorithm>
#include <cctype>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/StrUtils.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

bool IsAccel(uint16_t Key, const std::string& Str) {
  for (size_t i = 0; i + 1 < Str.size(); ++i) {
    if (Str[i] != '&') continue;
    if (Str[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(Str[i + 1])) == std::toupper(Key & 0xFF);
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// TCustomLabel

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ += TControlStyle{csOpaque, csReplicatable};
  width_ = 65;
  height_ = 17;
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value) controlStyle_ -= csOpaque;
  else controlStyle_ += csOpaque;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
  std::string text = text_;
  if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) Flags |= DT_NOPREFIX;
  canvas_->Font()->Assign(font_);
  HDC dc = canvas_->Handle();
  canvas_->RequiredState({csHandleValid, csFontValid});
  SetBkMode(dc, TRANSPARENT);
  if (!enabled_) {
    OffsetRect(&Rect, 1, 1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &Rect, Flags);
    OffsetRect(&Rect, -1, -1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  } else {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_->Color())));
  }
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &Rect, Flags);
}

void TCustomLabel::Paint() {
  static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  if (!Transparent()) {
    canvas_->Brush()->SetColor(color_);
    canvas_->Brush()->SetStyle(bsSolid);
    canvas_->FillRect(GetClientRect());
  }
  canvas_->Brush()->SetStyle(bsClear);
  TRect r = GetClientRect();
  uint32_t flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | alignments[alignment_];
  if (layout_ != tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | DT_CALCRECT);
    if (layout_ == tlBottom) OffsetRect(&r, 0, height_ - calc.Bottom);
    else OffsetRect(&r, 0, (height_ - calc.Bottom) / 2);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ComponentState().contains(csReading) || ComponentState().contains(csLoading) || !autoSize_)
    return;
  TRect r = GetClientRect();
  {
    TMemoryDC dc;
    TSelectedObject font(dc, font_->Handle());
    std::string text = text_;
    if (text.empty() || (showAccelChar_ && text == "&")) text += ' ';
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0) |
                  (showAccelChar_ ? 0 : DT_NOPREFIX));
  }
  int x = left_;
  if (alignment_ == taRightJustify) x += width_ - r.Right;
  SetBounds(x, top_, r.Right, r.Bottom);
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  AdjustBounds();
}

void TCustomLabel::CMDialogChar(TCMDialogChar& Message) {
  if (focusControl_ && enabled_ && showAccelChar_ && IsAccel(Message.CharCode(), text_) &&
      focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    Message.Result = 1;
  }
}

ZYL_MESSAGE_MAP(TCustomLabel) {
  m.On(CM_TEXTCHANGED, &TCustomLabel::CMTextChanged)
      .On(CM_FONTCHANGED, &TCustomLabel::CMFontChanged)
      .On(CM_DIALOGCHAR, &TCustomLabel::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomLabel) {}

ZYL_CLASS_IMPL(TLabel) {
  b.Publish("Align")
      .Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify)
      .Publish("Anchors")
      .Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true)
      .Publish({"BiDiMode", "Caption"})
      .Publish("Color").NoDefault()
      .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
      .Publish({"Font", "ParentBiDiMode"})
      .Prop("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop)
      .Publish({"ParentColor", "ParentFont", "ParentShowHint"})
      .Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true)
      .Publish("ShowHint")
      .Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false)
      .Publish("Visible")
      .Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false)
      .Publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TButton

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csSetCaption, csDoubleClicks, csCaptureMouse, csClickEvents};
  width_ = 75;
  height_ = 25;
  tabStop_ = true;
  SetColor(clBtnFace);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm()) {
    if (modalResult_ != mrNone) form->SetModalResult(modalResult_);
  }
  TCustomControl::Click();
}

void TButton::SetDefault(bool Value) {
  if (default_ == Value) return;
  default_ = Value;
  if (handle_) {
    TCustomForm* form = GetParentForm();
    if (form) active_ = form->ActiveControl() ? form->ActiveControl() == this ||
                                                    (Value && !dynamic_cast<TButton*>(form->ActiveControl()))
                                              : Value;
  } else {
    active_ = Value;
  }
  Invalidate();
}

void TButton::Paint() {
  TRect r = GetClientRect();
  TCanvas* c = canvas_;
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  if (active_) {
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(r);
    InflateRect(&r, -1, -1);
  }
  if (down_) {
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(r);
  } else {
    RECT e = r;
    DrawEdge(c->Handle(), &e, EDGE_RAISED, BF_RECT);
  }
  TRect tr = r;
  if (down_) OffsetRect(&tr, 1, 1);
  c->Font()->Assign(font_);
  c->Brush()->SetStyle(bsClear);
  c->RequiredState({csHandleValid, csFontValid});
  SetBkMode(c->Handle(), TRANSPARENT);
  SetTextColor(c->Handle(), static_cast<COLORREF>(ColorToRGB(enabled_ ? font_->Color() : clGrayText)));
  DrawTextA(c->Handle(), text_.c_str(), static_cast<int>(text_.size()), &tr,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (Focused()) {
    TRect f = r;
    InflateRect(&f, -3, -3);
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(f);
  }
}

void TButton::KeyPress(char& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == ' ') {
    Key = 0;
    Click();
  }
}

void TButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && enabled_) {
    if (CanFocus() && !Focused()) SetFocus();
    down_ = true;
    Invalidate();
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && down_) {
    down_ = false;
    Invalidate();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButton::CMDialogKey(TCMDialogKey& Message) {
  const uint16_t key = Message.CharCode();
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) &&
      KeyDataToShiftState(Message.KeyData()).empty() && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TButton::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    Click();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TButton::CMFocusChanged(TCMFocusChanged& Message) {
  const bool old = active_;
  if (dynamic_cast<TButton*>(Message.Sender())) active_ = Message.Sender() == this;
  else active_ = default_;
  if (old != active_) Invalidate();
  ZYL_INHERITED(Message);
}

void TButton::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TButton::CMEnter(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TButton::CMExit(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

ZYL_MESSAGE_MAP(TButton) {
  m.On(CM_DIALOGKEY, &TButton::CMDialogKey)
      .On(CM_DIALOGCHAR, &TButton::CMDialogChar)
      .On(CM_FOCUSCHANGED, &TButton::CMFocusChanged)
      .On(CM_TEXTCHANGED, &TButton::CMTextChanged)
      .On(CM_ENTER, &TButton::CMEnter)
      .On(CM_EXIT, &TButton::CMExit);
}

ZYL_CLASS_IMPL(TButton) {
  b.Prop("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false)
      .Publish({"Anchors", "BiDiMode", "Caption", "Constraints"})
      .Prop("Default", &TButton::Default, &TButton::SetDefault).Default(false)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0)
      .Publish({"ParentBiDiMode", "ParentFont", "ParentShowHint", "ShowHint", "TabOrder"})
      .Publish("TabStop").Default(true)
      .Publish({"Visible", "OnClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag",
                "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TListBoxStrings

namespace {

const char* ItemText(const std::string& S) { return S.c_str(); }

std::string FormatIndexError(int Index) {
  return "List index out of bounds (" + std::to_string(Index) + ")";
}

void CheckIndex(int Index, int Count) {
  if (Index < 0 || Index >= Count) throw EListError(FormatIndexError(Index));
}

}  // namespace

std::string TListBoxStrings::Get(int Index) const {
  if (!listBox_->HandleAllocated()) return listBox_->saved_->Get(Index);
  HWND h = listBox_->Handle();
  const LRESULT n = SendMessageA(h, LB_GETTEXTLEN, static_cast<WPARAM>(Index), 0);
  if (n < 0) throw EListError(FormatIndexError(Index));
  std::string s(static_cast<size_t>(n) + 1, '\0');
  SendMessageA(h, LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<size_t>(n));
  return s;
}

int TListBoxStrings::GetCount() const {
  if (!listBox_->HandleAllocated()) return listBox_->saved_->Count();
  return static_cast<int>(SendMessageA(listBox_->Handle(), LB_GETCOUNT, 0, 0));
}

TObject* TListBoxStrings::GetObject(int Index) const {
  if (!listBox_->HandleAllocated()) return listBox_->saved_->Objects(Index);
  const LRESULT d = SendMessageA(listBox_->Handle(), LB_GETITEMDATA, static_cast<WPARAM>(Index), 0);
  if (d == LB_ERR) throw EListError(FormatIndexError(Index));
  return reinterpret_cast<TObject*>(d);
}

void TListBoxStrings::PutObject(int Index, TObject* AObject) {
  if (!listBox_->HandleAllocated()) {
    listBox_->saved_->PutObject(Index, AObject);
    return;
  }
  if (SendMessageA(listBox_->Handle(), LB_SETITEMDATA, static_cast<WPARAM>(Index),
                   reinterpret_cast<LPARAM>(AObject)) == LB_ERR)
    throw EListError(FormatIndexError(Index));
}

int TListBoxStrings::Add(const std::string& S) {
  if (!listBox_->HandleAllocated()) {
    if (!listBox_->sorted_) return listBox_->saved_->Add(S);
    int i = 0;
    while (i < listBox_->saved_->Count() && AnsiCompareText(listBox_->saved_->Get(i), S) <= 0) ++i;
    listBox_->saved_->Insert(i, S);
    return i;
  }
  const LRESULT r =
      SendMessageA(listBox_->Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ItemText(S)));
  if (r < 0) throw EOutOfResources("List box is out of space");
  return static_cast<int>(r);
}

void TListBoxStrings::Insert(int Index, const std::string& S) {
  if (Index < 0 || Index > GetCount()) throw EListError(FormatIndexError(Index));
  if (!listBox_->HandleAllocated()) {
    listBox_->saved_->Insert(Index, S);
    return;
  }
  if (SendMessageA(listBox_->Handle(), LB_INSERTSTRING, static_cast<WPARAM>(Index),
                   reinterpret_cast<LPARAM>(ItemText(S))) < 0)
    throw EOutOfResources("List box is out of space");
}

void TListBoxStrings::Delete(int Index) {
  CheckIndex(Index, GetCount());
  if (!listBox_->HandleAllocated()) {
    listBox_->saved_->Delete(Index);
    return;
  }
  SendMessageA(listBox_->Handle(), LB_DELETESTRING, static_cast<WPARAM>(Index), 0);
}

void TListBoxStrings::Clear() {
  if (!listBox_->HandleAllocated()) {
    listBox_->saved_->Clear();
    return;
  }
  SendMessageA(listBox_->Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBoxStrings::IndexOf(const std::string& S) const {
  if (!listBox_->HandleAllocated()) return listBox_->saved_->IndexOf(S);
  const LRESULT r = SendMessageA(listBox_->Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(ItemText(S)));
  return r < 0 ? -1 : static_cast<int>(r);
}

void TListBoxStrings::SetUpdateState(bool Updating) {
  if (!listBox_->HandleAllocated()) return;
  SendMessageA(listBox_->Handle(), WM_SETREDRAW, Updating ? 0 : 1, 0);
  if (!Updating) listBox_->Invalidate();
}

ZYL_CLASS_IMPL(TListBoxStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomListBox

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks};
  width_ = 121;
  height_ = 97;
  tabStop_ = true;
  parentColor_ = false;
  color_ = clWindow;
  saved_ = new TStringList();
  items_ = new TListBoxStrings(this);
  auto* c = new TControlCanvas();
  c->SetControl(this);
  canvas_ = c;
}

TCustomListBox::~TCustomListBox() {
  if (HandleAllocated()) DestroyWindowHandle();
  delete canvas_;
  canvas_ = nullptr;
  delete items_;
  items_ = nullptr;
  delete saved_;
  saved_ = nullptr;
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  WNDCLASSA system;
  if (!GetClassInfoA(nullptr, "ListBox", &system)) throw EOutOfResources("No list box class");
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
  if (saved_->Count() > 0) {
    SendMessageA(h, LB_INITSTORAGE, static_cast<WPARAM>(saved_->Count()), 0);
    for (int i = 0; i < saved_->Count(); ++i) {
      const std::string s = saved_->Get(i);
      const LRESULT k =
          SendMessageA(h, sorted_ ? LB_ADDSTRING : LB_INSERTSTRING,
                       static_cast<WPARAM>(sorted_ ? 0 : i), reinterpret_cast<LPARAM>(s.c_str()));
      if (k >= 0)
        SendMessageA(h, LB_SETITEMDATA, static_cast<WPARAM>(k),
                     reinterpret_cast<LPARAM>(saved_->Objects(i)));
    }
    for (size_t i = 0; i < savedSel_.size(); ++i)
      if (savedSel_[i]) SendMessageA(h, LB_SETSEL, 1, static_cast<LPARAM>(i));
    saved_->Clear();
  }
  savedSel_.clear();
  if (savedIndex_ >= 0) SetItemIndex(savedIndex_);
  if (savedTop_ > 0) SendMessageA(h, LB_SETTOPINDEX, static_cast<WPARAM>(savedTop_), 0);
  savedIndex_ = -1;
  savedTop_ = 0;
}

void TCustomListBox::DestroyWnd() {
  if (handle_ && !ComponentState().contains(csDestroying)) {
    const int n = items_->Count();
    saved_->Clear();
    savedSel_.assign(static_cast<size_t>(n), false);
    for (int i = 0; i < n; ++i) {
      saved_->AddObject(items_->Get(i), items_->Objects(i));
      if (multiSelect_)
        savedSel_[static_cast<size_t>(i)] =
            SendMessageA(handle_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    }
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

void TCustomListBox::SetSorted(bool Value) {
  if (sorted_ == Value) return;
  sorted_ = Value;
  if (Value && !HandleAllocated()) {
    TStringList* s = saved_;
    std::vector<std::pair<std::string, TObject*>> all;
    for (int i = 0; i < s->Count(); ++i) all.emplace_back(s->Get(i), s->Objects(i));
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
      return AnsiCompareText(a.first, b.first) < 0;
    });
    s->Clear();
    for (auto& [t, o] : all) s->AddObject(t, o);
  }
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

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  canvas_->FillRect(Rect);
  if (Index >= 0 && Index < items_->Count())
    canvas_->TextOut(Rect.Left + 2, Rect.Top, items_->Get(Index));
}

void TCustomListBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

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

void TCustomListBox::CNDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  TOwnerDrawState state;
  if (dis->itemState & ODS_SELECTED) state += odSelected;
  if (dis->itemState & ODS_GRAYED) state += odGrayed;
  if (dis->itemState & ODS_DISABLED) state += odDisabled;
  if (dis->itemState & ODS_CHECKED) state += odChecked;
  if (dis->itemState & ODS_FOCUS) state += odFocused;
  if (dis->itemState & ODS_DEFAULT) state += odDefault;
  canvas_->SetHandle(dis->hDC);
  canvas_->SetFont(Font());
  canvas_->SetBrush(Brush());
  if (state.contains(odSelected)) {
    canvas_->Brush()->SetColor(clHighlight);
    canvas_->Font()->SetColor(clHighlightText);
  }
  const TRect r = dis->rcItem;
  if (static_cast<int>(dis->itemID) >= 0)
    DrawItem(static_cast<int>(dis->itemID), r, state);
  else
    canvas_->FillRect(r);
  if (state.contains(odFocused)) DrawFocusRect(dis->hDC, &dis->rcItem);
  canvas_->SetHandle(nullptr);
  Message.Result = 1;
}

void TCustomListBox::CNMeasureItem(TMessage& Message) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  int h = static_cast<int>(mis->itemHeight ? mis->itemHeight : static_cast<UINT>(itemHeight_));
  if (style_ == lbOwnerDrawVariable) h = itemHeight_;
  MeasureItem(static_cast<int>(mis->itemID), h);
  mis->itemHeight = static_cast<UINT>(std::max(h, 1));
  Message.Result = 1;
}

// The list's window answers which keys it keeps (the arrows and characters).
void TCustomListBox::WMGetDlgCode(TMessage& Message) { DefaultHandler(&Message); }

ZYL_MESSAGE_MAP(TCustomListBox) {
  m.On(CN_COMMAND, &TCustomListBox::CNCommand)
      .On(CN_DRAWITEM, &TCustomListBox::CNDrawItem)
      .On(CN_MEASUREITEM, &TCustomListBox::CNMeasureItem)
      .On(WM_GETDLGCODE, &TCustomListBox::WMGetDlgCode);
}

ZYL_CLASS_IMPL(TCustomListBox) {}

ZYL_CLASS_IMPL(TListBox) {
  b.Prop("Align", &TListBox::Align, &TListBox::SetAlign)
      .Default(alNone)
      .Prop("Anchors", &TListBox::Anchors, &TListBox::SetAnchors)
      .Default(TAnchors{akLeft, akTop})
      .Stored(&TListBox::IsAnchorsStored)
      .Prop("BiDiMode", &TListBox::BiDiMode, &TListBox::SetBiDiMode)
      .Stored(&TListBox::IsBiDiModeStored)
      .Prop("BorderStyle", &TListBox::BorderStyle, &TListBox::SetBorderStyle)
      .Default(bsSingle)
      .Prop("Color", &TListBox::Color, &TListBox::SetColor, ColorTypeInfo())
      .Stored(&TListBox::IsColorStored)
      .Prop("Columns", &TListBox::Columns, &TListBox::SetColumns)
      .Default(0)
      .Prop("Constraints", &TListBox::Constraints, &TListBox::SetConstraints)
      .Prop("Ctl3D", &TListBox::Ctl3D, &TListBox::SetCtl3D)
      .Stored(&TListBox::IsCtl3DStored)
      .Prop("DragCursor", &TListBox::DragCursor, &TListBox::SetDragCursor, CursorTypeInfo())
      .Default(crDrag)
      .Prop("DragKind", &TListBox::DragKind, &TListBox::SetDragKind)
      .Default(dkDrag)
      .Prop("DragMode", &TListBox::DragMode, &TListBox::SetDragMode)
      .Default(dmManual)
      .Prop("Enabled", &TListBox::Enabled, &TListBox::SetEnabled)
      .Default(true)
      .Prop("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect)
      .Default(true)
      .Prop("Font", &TListBox::Font, &TListBox::SetFont)
      .Stored(&TListBox::IsFontStored)
      .Prop("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight)
      .Default(false)
      .Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight)
      .Default(16)
      .Prop("Items", &TListBox::Items, &TListBox::SetItems)
      .Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect)
      .Default(false)
      .Prop("ParentBiDiMode", &TListBox::ParentBiDiMode, &TListBox::SetParentBiDiMode)
      .Default(true)
      .Prop("ParentColor", &TListBox::ParentColor, &TListBox::SetParentColor)
      .Default(false)
      .Prop("ParentCtl3D", &TListBox::ParentCtl3D, &TListBox::SetParentCtl3D)
      .Default(true)
      .Prop("ParentFont", &TListBox::ParentFont, &TListBox::SetParentFont)
      .Default(true)
      .Prop("ParentShowHint", &TListBox::ParentShowHint, &TListBox::SetParentShowHint)
      .Default(true)
      .Prop("PopupMenu", &TListBox::PopupMenu, &TListBox::SetPopupMenu)
      .Prop("ShowHint", &TListBox::ShowHint, &TListBox::SetShowHint)
      .Stored(&TListBox::IsShowHintStored)
      .Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted)
      .Default(false)
      .Prop("Style", &TListBox::Style, &TListBox::SetStyle)
      .Default(lbStandard)
      .Prop("TabOrder", &TListBox::TabOrder, &TListBox::SetTabOrder)
      .Prop("TabStop", &TListBox::TabStop, &TListBox::SetTabStop)
      .Default(true)
      .Prop("Visible", &TListBox::Visible, &TListBox::SetVisible)
      .Default(true)
      .Prop("OnClick", &TListBox::GetOnClick, &TListBox::SetOnClick)
      .Prop("OnDblClick", &TListBox::GetOnDblClick, &TListBox::SetOnDblClick)
      .Prop("OnDragDrop", &TListBox::GetOnDragDrop, &TListBox::SetOnDragDrop)
      .Prop("OnDragOver", &TListBox::GetOnDragOver, &TListBox::SetOnDragOver)
      .Prop("OnDrawItem", &TListBox::GetOnDrawItem, &TListBox::SetOnDrawItem)
      .Prop("OnEndDock", &TListBox::GetOnEndDock, &TListBox::SetOnEndDock)
      .Prop("OnEndDrag", &TListBox::GetOnEndDrag, &TListBox::SetOnEndDrag)
      .Prop("OnEnter", &TListBox::GetOnEnter, &TListBox::SetOnEnter)
      .Prop("OnExit", &TListBox::GetOnExit, &TListBox::SetOnExit)
      .Prop("OnKeyDown", &TListBox::GetOnKeyDown, &TListBox::SetOnKeyDown)
      .Prop("OnKeyPress", &TListBox::GetOnKeyPress, &TListBox::SetOnKeyPress)
      .Prop("OnKeyUp", &TListBox::GetOnKeyUp, &TListBox::SetOnKeyUp)
      .Prop("OnMeasureItem", &TListBox::GetOnMeasureItem, &TListBox::SetOnMeasureItem)
      .Prop("OnMouseDown", &TListBox::GetOnMouseDown, &TListBox::SetOnMouseDown)
      .Prop("OnMouseMove", &TListBox::GetOnMouseMove, &TListBox::SetOnMouseMove)
      .Prop("OnMouseUp", &TListBox::GetOnMouseUp, &TListBox::SetOnMouseUp)
      .Prop("OnStartDock", &TListBox::GetOnStartDock, &TListBox::SetOnStartDock)
      .Prop("OnStartDrag", &TListBox::GetOnStartDrag, &TListBox::SetOnStartDrag);
}

void RegisterStandardControls() {
  RegisterClasses({TLabel::StaticClass(), TButton::StaticClass(), TPanel::StaticClass(),
                   TTimer::StaticClass(), TForm::StaticClass(), TListBox::StaticClass()});
}

namespace {
struct TRegisterStd {
  TRegisterStd() { RegisterStandardControls(); }
} registerStd;
}  // namespace

}  // namespace vcl
