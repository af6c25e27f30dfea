#include "platform/controls/StdCtrls.h"

#include <algorithm>
#include <cctype>

#include "platform/base/Finally.h"
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
ZYL_CLASS_IMPL(TCustomLabel) { b.IgnoresInsertNotification(); }

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

TRect TButton::PaintFace(TCanvas* c) {
  TRect r = GetClientRect();
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
  return r;
}

void TButton::Paint() {
  TCanvas* c = canvas_;
  const TRect r = PaintFace(c);
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
  b.Publish("Action");
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

// ---------------------------------------------------------------------------------------------
// Shared by the controls built on the window system's own classes

namespace {

// Makes the control's window class a subclass of a system class: the system's procedure
// answers what the control leaves to its default handling.
void CreateSubClass(TCreateParams& Params, const char* SystemClass) {
  WNDCLASSA wc;
  if (!GetClassInfoA(nullptr, SystemClass, &wc))
    throw EOutOfResources(std::string("Cannot find window class ") + SystemClass);
  Params.WindowClass.lpfnWndProc = wc.lpfnWndProc;
  Params.WindowClass.style = wc.style & ~(CS_OWNDC | CS_CLASSDC | CS_PARENTDC);
}

// The height of a line of the control's font.
int FontHeight(TFont* Font) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font->Handle());
  TEXTMETRICA tm;
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  DeleteDC(dc);
  return tm.tmHeight;
}

// Answers a CN_CTLCOLOR message with the control's font colour and brush.
void AnswerCtlColor(TMessage& Message, TFont* Font, TBrush* Brush) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Brush->Color())));
  Message.Result = reinterpret_cast<LRESULT>(Brush->Handle());
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  width_ = 121;
  height_ = 25;
  tabStop_ = true;
  parentColor_ = false;
  SetColor(clWindow);
  AdjustHeight();
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  static const DWORD cases[] = {0, ES_UPPERCASE, ES_LOWERCASE};
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "EDIT");
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL | cases[charCase_];
  if (passwordChar_) Params.Style |= ES_PASSWORD;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
  if (oemConvert_) Params.Style |= ES_OEMCONVERT;
  if (borderStyle_ == bsSingle) {
    if (ctl3D_)
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

void TCustomEdit::CreateWnd() {
  creating_ = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
  HWND h = handle_;
  SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 0);
  SendMessageA(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (passwordChar_)
    SendMessageA(h, EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_), 0);
  SendMessageA(h, EM_SETMODIFY, modified_ ? 1 : 0, 0);
  SendMessageA(h, EM_SETSEL, static_cast<WPARAM>(selStart_),
               static_cast<LPARAM>(selStart_ + selLength_));
}

void TCustomEdit::DestroyWnd() {
  if (handle_) {
    GetText();  // the copy outlives the window
    modified_ = SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0;
    selStart_ = SelStart();
    selLength_ = SelLength();
  }
  TWinControl::DestroyWnd();
}

void TCustomEdit::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value)
    controlStyle_ += csFixedHeight;
  else
    controlStyle_ -= csFixedHeight;
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!autoSize_ || borderStyle_ != bsSingle || ComponentState().contains(csLoading)) return;
  // A line of text with a little room, inside the border.
  const int extra = ctl3D_ ? 8 : 6;
  SetHeight(FontHeight(font_) + extra);
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle)
    throw EInvalidOperation("Edit borders are bsNone or bsSingle");
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  AdjustHeight();
  RecreateWnd();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  RecreateWnd();
  // The text is converted at once, as typing would.
  std::string t = GetText();
  for (char& c : t) {
    if (Value == ecUpperCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (Value == ecLowerCase) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  SetText(t);
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (hideSelection_ == Value) return;
  hideSelection_ = Value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int32_t Value) {
  if (Value < 0) throw ERangeError("MaxLength cannot be negative");
  maxLength_ = Value;
  if (handle_) SendMessageA(handle_, EM_LIMITTEXT, static_cast<WPARAM>(Value), 0);
}

bool TCustomEdit::Modified() {
  return handle_ ? SendMessageA(handle_, EM_GETMODIFY, 0, 0) != 0 : modified_;
}

void TCustomEdit::SetModified(bool Value) {
  modified_ = Value;
  if (handle_) SendMessageA(handle_, EM_SETMODIFY, Value ? 1 : 0, 0);
}

void TCustomEdit::SetOEMConvert(bool Value) {
  if (oemConvert_ == Value) return;
  oemConvert_ = Value;
  RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char Value) {
  if (passwordChar_ == Value) return;
  passwordChar_ = Value;
  if (handle_) {
    SendMessageA(handle_, EM_SETPASSWORDCHAR, static_cast<unsigned char>(Value), 0);
    Invalidate();
  }
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (readOnly_ == Value) return;
  readOnly_ = Value;
  if (handle_) SendMessageA(handle_, EM_SETREADONLY, Value ? 1 : 0, 0);
}

int TCustomEdit::SelStart() {
  if (!handle_) return selStart_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(a);
}

void TCustomEdit::SetSelStart(int Value) {
  Value = std::clamp(Value, 0, static_cast<int>(GetText().size()));
  selStart_ = Value;
  selLength_ = 0;
  if (handle_)
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(Value), static_cast<LPARAM>(Value));
}

int TCustomEdit::SelLength() {
  if (!handle_) return selLength_;
  DWORD a = 0, b = 0;
  SendMessageA(handle_, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  return static_cast<int>(b - a);
}

void TCustomEdit::SetSelLength(int Value) {
  const int start = SelStart();
  const int end = std::clamp(start + Value, 0, static_cast<int>(GetText().size()));
  selLength_ = end - start;
  if (handle_)
    SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

std::string TCustomEdit::SelText() {
  const int a = SelStart(), n = SelLength();
  return GetText().substr(static_cast<size_t>(a), static_cast<size_t>(n));
}

void TCustomEdit::SetSelText(const std::string& Value) {
  SendMessageA(Handle(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

bool TCustomEdit::CanUndo() { return handle_ && SendMessageA(handle_, EM_CANUNDO, 0, 0) != 0; }
void TCustomEdit::Clear() { SetText(""); }
void TCustomEdit::ClearSelection() { SendMessageA(Handle(), WM_CLEAR, 0, 0); }
void TCustomEdit::ClearUndo() { SendMessageA(Handle(), EM_EMPTYUNDOBUFFER, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageA(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::CutToClipboard() { SendMessageA(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageA(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageA(Handle(), WM_UNDO, 0, 0); }
void TCustomEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, static_cast<LPARAM>(-1)); }

void TCustomEdit::Change() {
  if (onChange_) onChange_(this);
}

void TCustomEdit::CNCommand(TWMCommand& Message) {
  if (Message.NotifyCode() == EN_CHANGE && !creating_) {
    // The window holds the text; the control's copy follows when it is read.
    textStale_ = true;
    Change();
  }
}

TCaption TCustomEdit::GetText() {
  if (textStale_ && handle_) {
    // Asked of the window procedure itself: the control's own handling answers from its copy.
    const auto n = static_cast<int>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXTLENGTH, 0, 0));
    std::string t(static_cast<size_t>(n) + 1, '\0');
    t.resize(static_cast<size_t>(CallWindowProcA(defWndProc_, handle_, WM_GETTEXT,
                                                 static_cast<WPARAM>(n + 1),
                                                 reinterpret_cast<LPARAM>(t.data()))));
    TWinControl::StoreText(t);
    textStale_ = false;
  }
  return text_;
}

void TCustomEdit::StoreText(const TCaption& Value) {
  textStale_ = false;
  TWinControl::StoreText(Value);
}

// The text asked of the control: from the window while the control's copy is behind it.
void TCustomEdit::WMGetText(TMessage& Message) {
  if (textStale_ && handle_)
    Message.Result =
        CallWindowProcA(defWndProc_, handle_, Message.Msg, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

void TCustomEdit::CNCtlColor(TMessage& Message) { AnswerCtlColor(Message, font_, brush_); }

void TCustomEdit::CMEnter(TMessage& Message) {
  if (autoSelect_ && !(GetKeyState(VK_LBUTTON) < 0) &&
      !(GetWindowLongA(handle_, GWL_STYLE) & ES_MULTILINE))
    SelectAll();
  ZYL_INHERITED(Message);
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 1);
  AdjustHeight();
}

void TCustomEdit::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) { DefaultHandler(&Message); }

ZYL_MESSAGE_MAP(TCustomEdit) {
  m.On(CN_COMMAND, &TCustomEdit::CNCommand)
      .On(CN_CTLCOLOREDIT, &TCustomEdit::CNCtlColor)
      .On(CN_CTLCOLORSTATIC, &TCustomEdit::CNCtlColor)
      .On(CM_ENTER, &TCustomEdit::CMEnter)
      .On(CM_FONTCHANGED, &TCustomEdit::CMFontChanged)
      .On(CM_TEXTCHANGED, &TCustomEdit::CMTextChanged)
      .On(WM_GETTEXT, &TCustomEdit::WMGetText)
      .On(WM_GETTEXTLENGTH, &TCustomEdit::WMGetText)
      .On(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode);
}
ZYL_CLASS_IMPL(TCustomEdit) {}

// Properties every windowed standard control publishes.
#define ZYL_WIN_COMMON(T)                                                      \
  .Prop("Anchors", &T::Anchors, &T::SetAnchors)                                \
      .Default(TAnchors{akLeft, akTop})                                        \
      .Stored(&T::IsAnchorsStored)                                             \
      .Prop("BiDiMode", &T::BiDiMode, &T::SetBiDiMode)                         \
      .Stored(&T::IsBiDiModeStored)                                            \
      .Prop("Constraints", &T::Constraints, &T::SetConstraints)                \
      .Prop("DragCursor", &T::DragCursor, &T::SetDragCursor, CursorTypeInfo()) \
      .Default(crDrag)                                                         \
      .Prop("DragKind", &T::DragKind, &T::SetDragKind)                         \
      .Default(dkDrag)                                                         \
      .Prop("DragMode", &T::DragMode, &T::SetDragMode)                         \
      .Default(dmManual)                                                       \
      .Prop("Enabled", &T::Enabled, &T::SetEnabled)                            \
      .Default(true)                                                           \
      .Prop("Font", &T::Font, &T::SetFont)                                     \
      .Stored(&T::IsFontStored)                                                \
      .Prop("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode)       \
      .Default(true)                                                           \
      .Prop("ParentFont", &T::ParentFont, &T::SetParentFont)                   \
      .Default(true)                                                           \
      .Prop("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint)       \
      .Default(true)                                                           \
      .Prop("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)                      \
      .Prop("ShowHint", &T::ShowHint, &T::SetShowHint)                         \
      .Stored(&T::IsShowHintStored)                                            \
      .Prop("TabOrder", &T::TabOrder, &T::SetTabOrder)                         \
      .Prop("Visible", &T::Visible, &T::SetVisible)                            \
      .Default(true)                                                           \
      .Prop("OnClick", &T::GetOnClick, &T::SetOnClick)                         \
      .Prop("OnDragDrop", &T::GetOnDragDrop, &T::SetOnDragDrop)                \
      .Prop("OnDragOver", &T::GetOnDragOver, &T::SetOnDragOver)                \
      .Prop("OnEndDock", &T::GetOnEndDock, &T::SetOnEndDock)                   \
      .Prop("OnEndDrag", &T::GetOnEndDrag, &T::SetOnEndDrag)                   \
      .Prop("OnEnter", &T::GetOnEnter, &T::SetOnEnter)                         \
      .Prop("OnExit", &T::GetOnExit, &T::SetOnExit)                            \
      .Prop("OnKeyDown", &T::GetOnKeyDown, &T::SetOnKeyDown)                   \
      .Prop("OnKeyPress", &T::GetOnKeyPress, &T::SetOnKeyPress)                \
      .Prop("OnKeyUp", &T::GetOnKeyUp, &T::SetOnKeyUp)                         \
      .Prop("OnMouseDown", &T::GetOnMouseDown, &T::SetOnMouseDown)             \
      .Prop("OnMouseMove", &T::GetOnMouseMove, &T::SetOnMouseMove)             \
      .Prop("OnMouseUp", &T::GetOnMouseUp, &T::SetOnMouseUp)                   \
      .Prop("OnStartDock", &T::GetOnStartDock, &T::SetOnStartDock)             \
      .Prop("OnStartDrag", &T::GetOnStartDrag, &T::SetOnStartDrag)

#define ZYL_EDIT_COMMON(T)                                            \
  .Prop("BorderStyle", &T::BorderStyle, &T::SetBorderStyle)           \
      .Default(bsSingle)                                              \
      .Prop("Color", &T::Color, &T::SetColor, ColorTypeInfo())        \
      .Stored(&T::IsColorStored)                                      \
      .Prop("Ctl3D", &T::Ctl3D, &T::SetCtl3D)                         \
      .Stored(&T::IsCtl3DStored)                                      \
      .Prop("HideSelection", &T::HideSelection, &T::SetHideSelection) \
      .Default(true)                                                  \
      .Prop("MaxLength", &T::MaxLength, &T::SetMaxLength)             \
      .Default(0)                                                     \
      .Prop("OEMConvert", &T::OEMConvert, &T::SetOEMConvert)          \
      .Default(false)                                                 \
      .Prop("ParentColor", &T::ParentColor, &T::SetParentColor)       \
      .Default(false)                                                 \
      .Prop("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D)       \
      .Default(true)                                                  \
      .Prop("ReadOnly", &T::ReadOnly, &T::SetReadOnly)                \
      .Default(false)                                                 \
      .Prop("TabStop", &T::TabStop, &T::SetTabStop)                   \
      .Default(true)                                                  \
      .Prop("OnChange", &T::GetOnChange, &T::SetOnChange)             \
      .Prop("OnDblClick", &T::GetOnDblClick, &T::SetOnDblClick)

ZYL_CLASS_IMPL(TEdit) {
  b.Prop("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect)
      .Default(true)
      .Prop("AutoSize", &TEdit::AutoSize, &TEdit::SetAutoSize)
      .Default(true)
      .Prop("CharCase", &TEdit::CharCase, &TEdit::SetCharCase)
      .Default(ecNormal)
      .Prop("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar)
      .Default('\0')
      .Prop("Text", &TEdit::Text, &TEdit::SetText) ZYL_EDIT_COMMON(TEdit) ZYL_WIN_COMMON(TEdit);
}

// ---------------------------------------------------------------------------------------------
// TMemoStrings

std::vector<std::string> TMemoStrings::Split() const {
  if (updating_) return pending_;
  std::vector<std::string> lines;
  const std::string t = memo_->Text();
  size_t pos = 0;
  while (pos < t.size()) {
    const size_t brk = t.find("\r\n", pos);
    if (brk == std::string::npos) {
      lines.push_back(t.substr(pos));
      break;
    }
    lines.push_back(t.substr(pos, brk - pos));
    pos = brk + 2;
  }
  return lines;
}

void TMemoStrings::Join(const std::vector<std::string>& Lines) {
  if (updating_) {
    pending_ = Lines;
    return;
  }
  std::string t;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i) t += "\r\n";
    t += Lines[i];
  }
  memo_->SetText(t);
}

std::string TMemoStrings::Get(int Index) const {
  const auto lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  return lines[static_cast<size_t>(Index)];
}

void TMemoStrings::Count() const {
  if (breaks_ >= 0) return;
  const std::string t = memo_->Text();
  breaks_ = 0;
  size_t tail = 0;
  for (size_t p = t.find("\r\n"); p != std::string::npos; p = t.find("\r\n", p + 2)) {
    ++breaks_;
    tail = p + 2;
  }
  tailNonEmpty_ = tail < t.size();
}

int TMemoStrings::GetCount() const {
  if (updating_) return static_cast<int>(pending_.size());
  Count();
  return breaks_ + (tailNonEmpty_ ? 1 : 0);
}

void TMemoStrings::Put(int Index, const std::string& S) {
  auto lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines[static_cast<size_t>(Index)] = S;
  Join(lines);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
  if (updating_) {
    if (Index < 0 || Index > static_cast<int>(pending_.size()))
      Error("List index out of bounds (%d)", Index);
    pending_.insert(pending_.begin() + Index, S);
    return;
  }
  if (Index == GetCount()) {
    // A line after the last one goes in at the end of the text, without taking the text apart.
    const bool empty = breaks_ == 0 && !tailNonEmpty_;
    const bool lead = !empty && tailNonEmpty_;
    size_t tail = 0;
    int breaks = lead ? 1 : 0;
    for (size_t p = S.find("\r\n"); p != std::string::npos; p = S.find("\r\n", p + 2)) {
      ++breaks;
      tail = p + 2;
    }
    const int before = breaks_;
    appending_ = true;
    TFinally done([this] { appending_ = false; });
    memo_->AppendText(lead ? "\r\n" + S : S);
    breaks_ = before + breaks;
    tailNonEmpty_ = tail < S.size();
    return;
  }
  auto lines = Split();
  if (Index < 0 || Index > static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines.insert(lines.begin() + Index, S);
  Join(lines);
}

void TMemoStrings::Delete(int Index) {
  auto lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size()))
    Error("List index out of bounds (%d)", Index);
  lines.erase(lines.begin() + Index);
  Join(lines);
}

void TMemoStrings::Clear() { Join({}); }

std::string TMemoStrings::Text() const {
  if (updating_) return TStrings::Text();
  return memo_->Text();
}

void TMemoStrings::SetText(const std::string& Value) {
  if (updating_) {
    TStrings::SetText(Value);
    return;
  }
  memo_->SetText(Value);
}

void TMemoStrings::SetUpdateState(bool Updating) {
  if (Updating) {
    pending_ = Split();
    updating_ = true;
  } else {
    updating_ = false;
    std::vector<std::string> lines;
    lines.swap(pending_);
    Join(lines);
  }
}

ZYL_CLASS_IMPL(TMemoStrings) {}

// ---------------------------------------------------------------------------------------------
// TCustomMemo

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  width_ = 185;
  height_ = 89;
  autoSize_ = false;
  controlStyle_ -= csFixedHeight;
  lines_ = new TMemoStrings(this);
}

TCustomMemo::~TCustomMemo() { delete lines_; }

void TCustomMemo::CreateParams(TCreateParams& Params) {
  static const DWORD bars[] = {0, WS_HSCROLL, WS_VSCROLL, WS_HSCROLL | WS_VSCROLL};
  static const DWORD aligns[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | bars[scrollBars_] | aligns[alignment_];
  // Word wrap leaves out sideways scrolling (unless there is a horizontal scroll bar).
  if (wordWrap_ && scrollBars_ != ssHorizontal && scrollBars_ != ssBoth)
    Params.Style &= ~ES_AUTOHSCROLL;
}

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
}

void TCustomMemo::SetLines(TStrings* Value) { lines_->Assign(Value); }

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RecreateWnd();
}

TPoint TCustomMemo::CaretPos() {
  HWND h = Handle();
  DWORD a = 0, b = 0;
  SendMessageA(h, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
  const LRESULT line = SendMessageA(h, EM_LINEFROMCHAR, b, 0);
  const LRESULT start = SendMessageA(h, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  return TPoint{static_cast<int32_t>(b - start), static_cast<int32_t>(line)};
}

void TCustomMemo::AppendText(const std::string& Piece) {
  if (!handle_) {
    text_ += Piece;
    return;
  }
  const auto n = CallWindowProcA(defWndProc_, handle_, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(handle_, EM_SETSEL, static_cast<WPARAM>(n), static_cast<LPARAM>(n));
  SendMessageA(handle_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Piece.c_str()));
}

// Any change but a line added by the lines object leaves their count to be taken again.
void TCustomMemo::Change() {
  auto* lines = static_cast<TMemoStrings*>(lines_);
  if (!lines->appending_) lines->breaks_ = -1;
  TCustomEdit::Change();
}

void TCustomMemo::StoreText(const TCaption& Value) {
  auto* lines = static_cast<TMemoStrings*>(lines_);
  if (!lines->appending_) lines->breaks_ = -1;
  TCustomEdit::StoreText(Value);
}

void TCustomMemo::KeyPress(char& Key) {
  TCustomEdit::KeyPress(Key);
  if ((Key == '\r' && !wantReturns_) || (Key == '\t' && !wantTabs_)) Key = 0;
}

void TCustomMemo::WMGetDlgCode(TMessage& Message) {
  DefaultHandler(&Message);
  if (wantTabs_)
    Message.Result |= DLGC_WANTTAB;
  else
    Message.Result &= ~DLGC_WANTTAB;
  if (!wantReturns_) Message.Result &= ~DLGC_WANTALLKEYS;
}

ZYL_MESSAGE_MAP(TCustomMemo) { m.On(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode); }
ZYL_CLASS_IMPL(TCustomMemo) {}

ZYL_CLASS_IMPL(TMemo) {
  b.Prop("Align", &TMemo::Align, &TMemo::SetAlign)
      .Default(alNone)
      .Prop("Alignment", &TMemo::Alignment, &TMemo::SetAlignment)
      .Default(taLeftJustify)
      .Prop("Lines", &TMemo::Lines, &TMemo::SetLines)
      .Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars)
      .Default(ssNone)
      .Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns)
      .Default(true)
      .Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs)
      .Default(false)
      .Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap)
      .Default(true) ZYL_EDIT_COMMON(TMemo) ZYL_WIN_COMMON(TMemo);
}

// ---------------------------------------------------------------------------------------------
// TButtonControl, TCustomCheckBox, TRadioButton

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // The window's BN_CLICKED clicks these controls, not the mouse handling of the framework.
  controlStyle_ = {csSetCaption, csDoubleClicks};
  tabStop_ = true;
}

void TButtonControl::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 0);
}

void TButtonControl::CNCtlColor(TMessage& Message) {
  AnswerCtlColor(Message, font_, brush_);
  SetBkMode(reinterpret_cast<HDC>(Message.WParam), TRANSPARENT);
}

void TButtonControl::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), 1);
}

void TButtonControl::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TButtonControl::WMEraseBkgnd(TWMEraseBkgnd& Message) { Message.Result = 1; }

ZYL_MESSAGE_MAP(TButtonControl) {
  m.On(CN_CTLCOLORSTATIC, &TButtonControl::CNCtlColor)
      .On(CN_CTLCOLORBTN, &TButtonControl::CNCtlColor)
      .On(CM_FONTCHANGED, &TButtonControl::CMFontChanged)
      .On(CM_TEXTCHANGED, &TButtonControl::CMTextChanged)
      .On(WM_ERASEBKGND, &TButtonControl::WMEraseBkgnd);
}
ZYL_CLASS_IMPL(TButtonControl) {}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  width_ = 97;
  height_ = 17;
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  // The control keeps the state itself and tells the window.
  Params.Style |= BS_3STATE;
  if (alignment_ == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetAlignment(TLeftRight Value) {
  if (Value == taCenter) throw ERangeError("A check box is aligned left or right");
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (state_ == Value) return;
  state_ = Value;
  if (handle_) SendMessageA(handle_, BM_SETCHECK, static_cast<WPARAM>(Value), 0);
  if (!clicksDisabled_) Click();
}

void TCustomCheckBox::SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
  }
}

void TCustomCheckBox::CNCommand(TWMCommand& Message) {
  if (Message.NotifyCode() == BN_CLICKED) Toggle();
}

void TCustomCheckBox::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    SetFocus();
    if (Focused()) Toggle();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomCheckBox) {
  m.On(CN_COMMAND, &TCustomCheckBox::CNCommand).On(CM_DIALOGCHAR, &TCustomCheckBox::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomCheckBox) {}

#define ZYL_BUTTONCONTROL_COMMON(T)                             \
  .Prop("Caption", &T::Caption, &T::SetCaption)                 \
      .Prop("Color", &T::Color, &T::SetColor, ColorTypeInfo())  \
      .Stored(&T::IsColorStored)                                \
      .Prop("Ctl3D", &T::Ctl3D, &T::SetCtl3D)                   \
      .Stored(&T::IsCtl3DStored)                                \
      .Prop("ParentColor", &T::ParentColor, &T::SetParentColor) \
      .Default(true)                                            \
      .Prop("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D) \
      .Default(true)                                            \
      .Prop("TabStop", &T::TabStop, &T::SetTabStop)             \
      .Default(true)

ZYL_CLASS_IMPL(TCheckBox) {
  b.Publish("Action");
  b.Prop("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment)
      .Default(taRightJustify)
      .Prop("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
      .Default(false)
      .Prop("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
      .Stored(false)
      .Prop("State", &TCheckBox::State, &TCheckBox::SetState)
      .Default(cbUnchecked) ZYL_BUTTONCONTROL_COMMON(TCheckBox) ZYL_WIN_COMMON(TCheckBox);
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  width_ = 113;
  height_ = 17;
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  Params.Style |= BS_RADIOBUTTON;
  if (alignment_ == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TLeftRight Value) {
  if (Value == taCenter) throw ERangeError("A radio button is aligned left or right");
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
}

void TRadioButton::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  SetTabStop(Value);
  if (handle_) SendMessageA(handle_, BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (Value) {
    if (parent_) {
      for (int i = 0; i < parent_->ControlCount(); ++i)
        if (auto* r = dynamic_cast<TRadioButton*>(parent_->Controls(i)); r && r != this)
          r->SetChecked(false);
    }
    if (!clicksDisabled_) Click();
  }
}

void TRadioButton::CNCommand(TWMCommand& Message) {
  if (Message.NotifyCode() == BN_CLICKED)
    SetChecked(true);
  else if (Message.NotifyCode() == BN_DOUBLECLICKED)
    DblClick();
}

void TRadioButton::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    SetFocus();
    if (Focused()) SetChecked(true);
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TRadioButton) {
  m.On(CN_COMMAND, &TRadioButton::CNCommand).On(CM_DIALOGCHAR, &TRadioButton::CMDialogChar);
}

ZYL_CLASS_IMPL(TRadioButton) {
  b.Publish("Action");
  b.Prop("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment)
      .Default(taRightJustify)
      .Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
      .Default(false) ZYL_BUTTONCONTROL_COMMON(TRadioButton) ZYL_WIN_COMMON(TRadioButton)
      .Prop("OnDblClick", &TRadioButton::GetOnDblClick, &TRadioButton::SetOnDblClick);
}

// ---------------------------------------------------------------------------------------------
// TCustomGroupBox

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents,
                   csSetCaption,      csDoubleClicks, csReplicatable};
  width_ = 185;
  height_ = 105;
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  Rect.Top += FontHeight(font_);
  InflateRect(&Rect, -1, -1);
  if (ctl3D_) InflateRect(&Rect, -1, -1);
}

void TCustomGroupBox::Paint() {
  TCanvas* c = canvas_;
  c->Font()->Assign(font_);
  const int h = FontHeight(font_);
  c->Brush()->SetColor(color_);
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(GetClientRect());
  TRect r{0, h / 2 - 1, width_, height_};
  if (ctl3D_) {
    // An etched frame: a light line with a dark one above and left of it.
    r.Left += 1;
    r.Top += 1;
    c->Brush()->SetColor(clBtnHighlight);
    c->FrameRect(r);
    OffsetRect(&r, -1, -1);
    c->Brush()->SetColor(clBtnShadow);
  } else {
    c->Brush()->SetColor(clWindowFrame);
  }
  c->FrameRect(r);
  if (!text_.empty()) {
    c->RequiredState({csHandleValid, csFontValid});
    RECT calc{0, 0, 0, 0};
    DrawTextA(c->Handle(), text_.c_str(), static_cast<int>(text_.size()), &calc,
              DT_SINGLELINE | DT_CALCRECT);
    TRect t{8, 0, 8 + calc.Right - calc.Left, h};
    c->Brush()->SetColor(color_);
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(t);
    SetBkMode(c->Handle(), TRANSPARENT);
    if (!enabled_) {
      TRect o = t;
      OffsetRect(&o, 1, 1);
      SetTextColor(c->Handle(), static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
      DrawTextA(c->Handle(), text_.c_str(), static_cast<int>(text_.size()), &o,
                DT_SINGLELINE | DT_LEFT);
      SetTextColor(c->Handle(), static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    } else {
      SetTextColor(c->Handle(), static_cast<COLORREF>(ColorToRGB(font_->Color())));
    }
    DrawTextA(c->Handle(), text_.c_str(), static_cast<int>(text_.size()), &t,
              DT_SINGLELINE | DT_LEFT);
  }
}

void TCustomGroupBox::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
  Realign();
}

void TCustomGroupBox::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    // The accelerator moves the focus to the first control inside that takes it.
    for (int i = 0; i < ControlCount(); ++i)
      if (auto* w = dynamic_cast<TWinControl*>(Controls(i)); w && w->CanFocus()) {
        w->SetFocus();
        break;
      }
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomGroupBox) {
  m.On(CM_TEXTCHANGED, &TCustomGroupBox::CMTextChanged)
      .On(CM_DIALOGCHAR, &TCustomGroupBox::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomGroupBox) {}

ZYL_CLASS_IMPL(TGroupBox) {
  b.Prop("Align", &TGroupBox::Align, &TGroupBox::SetAlign)
      .Default(alNone)
      .Prop("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption)
      .Prop("Color", &TGroupBox::Color, &TGroupBox::SetColor, ColorTypeInfo())
      .Stored(&TGroupBox::IsColorStored)
      .Prop("Ctl3D", &TGroupBox::Ctl3D, &TGroupBox::SetCtl3D)
      .Stored(&TGroupBox::IsCtl3DStored)
      .Prop("ParentColor", &TGroupBox::ParentColor, &TGroupBox::SetParentColor)
      .Default(true)
      .Prop("ParentCtl3D", &TGroupBox::ParentCtl3D, &TGroupBox::SetParentCtl3D)
      .Default(true)
      .Prop("TabStop", &TGroupBox::TabStop, &TGroupBox::SetTabStop)
      .Default(false) ZYL_WIN_COMMON(TGroupBox)
      .Prop("OnDblClick", &TGroupBox::GetOnDblClick, &TGroupBox::SetOnDblClick);
}

// ---------------------------------------------------------------------------------------------
// TCustomStaticText

TCustomStaticText::TCustomStaticText(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csClickEvents,  csSetCaption,
                   csOpaque,       csReplicatable, csDoubleClicks};
  width_ = 65;
  height_ = 17;
}

void TCustomStaticText::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (borderStyle_ == sbsSingle)
    Params.Style |= WS_BORDER;
  else if (borderStyle_ == sbsSunken)
    Params.ExStyle |= WS_EX_STATICEDGE;
}

void TCustomStaticText::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomStaticText::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  AdjustBounds();
}

void TCustomStaticText::SetBorderStyle(TStaticBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  AdjustBounds();
}

void TCustomStaticText::SetFocusControl(TWinControl* Value) {
  focusControl_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TCustomStaticText::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  Invalidate();
  AdjustBounds();
}

void TCustomStaticText::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TCustomStaticText::Loaded() {
  TCustomControl::Loaded();
  AdjustBounds();
}

void TCustomStaticText::AdjustBounds() {
  if (!autoSize_ || ComponentState().contains(csLoading) || ComponentState().contains(csReading))
    return;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font_->Handle());
  std::string t = text_.empty() ? " " : text_;
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, t.c_str(), static_cast<int>(t.size()), &r,
            DT_SINGLELINE | DT_CALCRECT | (showAccelChar_ ? 0 : DT_NOPREFIX));
  SelectObject(dc, old);
  DeleteDC(dc);
  const int border = borderStyle_ == sbsNone ? 0 : borderStyle_ == sbsSingle ? 2 : 2;
  SetBounds(left_, top_, r.Right + border, r.Bottom + border);
}

void TCustomStaticText::Paint() {
  static const uint32_t alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  TRect r = GetClientRect();
  canvas_->Brush()->SetColor(color_);
  canvas_->Brush()->SetStyle(bsSolid);
  canvas_->FillRect(r);
  canvas_->Font()->Assign(font_);
  canvas_->RequiredState({csHandleValid, csFontValid});
  HDC dc = canvas_->Handle();
  SetBkMode(dc, TRANSPARENT);
  const uint32_t flags =
      DT_SINGLELINE | alignments[alignment_] | (showAccelChar_ ? 0 : DT_NOPREFIX);
  if (!enabled_) {
    TRect o = r;
    OffsetRect(&o, 1, 1);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &o, flags);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  } else {
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(font_->Color())));
  }
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, flags);
}

void TCustomStaticText::CMTextChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
  AdjustBounds();
}

void TCustomStaticText::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  AdjustBounds();
}

void TCustomStaticText::CMDialogChar(TCMDialogChar& Message) {
  if (focusControl_ && enabled_ && showAccelChar_ && IsAccel(Message.CharCode(), text_) &&
      focusControl_->CanFocus()) {
    focusControl_->SetFocus();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomStaticText) {
  m.On(CM_TEXTCHANGED, &TCustomStaticText::CMTextChanged)
      .On(CM_FONTCHANGED, &TCustomStaticText::CMFontChanged)
      .On(CM_DIALOGCHAR, &TCustomStaticText::CMDialogChar);
}
ZYL_CLASS_IMPL(TCustomStaticText) {}

ZYL_CLASS_IMPL(TStaticText) {
  b.Prop("Align", &TStaticText::Align, &TStaticText::SetAlign)
      .Default(alNone)
      .Prop("Alignment", &TStaticText::Alignment, &TStaticText::SetAlignment)
      .Default(taLeftJustify)
      .Prop("AutoSize", &TStaticText::AutoSize, &TStaticText::SetAutoSize)
      .Default(true)
      .Prop("BorderStyle", &TStaticText::BorderStyle, &TStaticText::SetBorderStyle)
      .Default(sbsNone)
      .Prop("Caption", &TStaticText::Caption, &TStaticText::SetCaption)
      .Prop("Color", &TStaticText::Color, &TStaticText::SetColor, ColorTypeInfo())
      .Stored(&TStaticText::IsColorStored)
      .Prop("FocusControl", &TStaticText::FocusControl, &TStaticText::SetFocusControl)
      .Prop("ParentColor", &TStaticText::ParentColor, &TStaticText::SetParentColor)
      .Default(true)
      .Prop("ShowAccelChar", &TStaticText::ShowAccelChar, &TStaticText::SetShowAccelChar)
      .Default(true)
      .Prop("TabStop", &TStaticText::TabStop, &TStaticText::SetTabStop)
      .Default(false) ZYL_WIN_COMMON(TStaticText)
      .Prop("OnDblClick", &TStaticText::GetOnDblClick, &TStaticText::SetOnDblClick);
}

void RegisterStandardControls() {
  RegisterClasses(
      {TLabel::StaticClass(),       TButton::StaticClass(),   TPanel::StaticClass(),
       TTimer::StaticClass(),       TForm::StaticClass(),     TListBox::StaticClass(),
       TEdit::StaticClass(),        TMemo::StaticClass(),     TCheckBox::StaticClass(),
       TRadioButton::StaticClass(), TGroupBox::StaticClass(), TStaticText::StaticClass(),
       TRadioGroup::StaticClass(),  TBevel::StaticClass(),    TShape::StaticClass(),
       TImage::StaticClass(),       TPaintBox::StaticClass(), TComboBox::StaticClass(),
       TScrollBar::StaticClass(),   TScrollBox::StaticClass()});
}

namespace {
struct TRegisterStd {
  TRegisterStd() { RegisterStandardControls(); }
} registerStd;
}  // namespace

}  // namespace vcl
