#include "platform/controls/StdCtrls.h"

#include <cctype>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
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

void RegisterStandardControls() {
  RegisterClasses({TLabel::StaticClass(), TButton::StaticClass(), TPanel::StaticClass(),
                   TTimer::StaticClass(), TForm::StaticClass()});
}

namespace {
struct TRegisterStd {
  TRegisterStd() { RegisterStandardControls(); }
} registerStd;
}  // namespace

}  // namespace vcl
