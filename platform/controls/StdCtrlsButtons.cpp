// TButton, and TButtonControl with its check box and radio button on the window system's
// BUTTON class.
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/StdCtrlsInternal.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/rtl/Consts.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;
using namespace stdctrls_internal;

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
    if (form)
      active_ = form->ActiveControl()
                    ? form->ActiveControl() == this ||
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
  SetTextColor(c->Handle(),
               static_cast<COLORREF>(ColorToRGB(enabled_ ? font_->Color() : clGrayText)));
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
  if (dynamic_cast<TButton*>(Message.Sender()))
    active_ = Message.Sender() == this;
  else
    active_ = default_;
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
  b.Publish({"Action", "Anchors", "BiDiMode"})
      .Prop("Cancel", &TButton::Cancel, &TButton::SetCancel)
      .Default(false)
      .Publish({"Caption", "Constraints"})
      .Prop("Default", &TButton::Default, &TButton::SetDefault)
      .Default(false)
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Prop("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
      .Default(0)
      .Publish(
          {"ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
      .Publish("TabStop")
      .Default(true)
      .Publish({"Visible", "OnClick", "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TButtonControl, TCustomCheckBox, TRadioButton

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // The window's BN_CLICKED clicks these controls, not the mouse handling of the framework.
  controlStyle_ = {csSetCaption, csDoubleClicks};
  tabStop_ = true;
}

void TButtonControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  CreateSubClass(Params, "BUTTON");
  if (alignment_ == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TButtonControl::ChangeAlignment(TLeftRight Value, const char* CenterError) {
  if (Value == taCenter) throw ERangeError(CenterError);
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
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

void TButtonControl::CMDialogChar(TCMDialogChar& Message) {
  if (IsAccel(Message.CharCode(), text_) && CanFocus()) {
    SetFocus();
    if (Focused()) AccelPressed();
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TButtonControl) {
  m.On(CN_CTLCOLORSTATIC, &TButtonControl::CNCtlColor)
      .On(CN_CTLCOLORBTN, &TButtonControl::CNCtlColor)
      .On(CM_FONTCHANGED, &TButtonControl::CMFontChanged)
      .On(CM_TEXTCHANGED, &TButtonControl::CMTextChanged)
      .On(WM_ERASEBKGND, &TButtonControl::WMEraseBkgnd)
      .On(CM_DIALOGCHAR, &TButtonControl::CMDialogChar);
}
ZYL_CLASS_IMPL(TButtonControl) {}

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  width_ = 97;
  height_ = 17;
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  // The control keeps the state itself and tells the window.
  Params.Style |= BS_3STATE;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(handle_, BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::SetAlignment(TLeftRight Value) { ChangeAlignment(Value, SCheckBoxAlignment); }

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

ZYL_MESSAGE_MAP(TCustomCheckBox) { m.On(CN_COMMAND, &TCustomCheckBox::CNCommand); }
ZYL_CLASS_IMPL(TCustomCheckBox) {
  using C = TCustomCheckBox;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(taRightJustify)
      .Declare("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed)
      .Default(false)
      .Declare("Checked", &C::Checked, &C::SetChecked)
      .Default(false)
      .Stored(&C::IsCheckedStored)
      .Declare("State", &C::State, &C::SetState)
      .Default(cbUnchecked)
      // Published already here, as the framework's class does: every descendant that publishes
      // it writes TabStop at this place, right after the bounds, hint and help context.
      .Prop("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(true);
}

ZYL_CLASS_IMPL(TCheckBox) {
  b.Publish({"Action",         "Alignment",   "AllowGrayed",    "Anchors",     "BiDiMode",
             "Caption",        "Checked",     "Color",          "Constraints", "Ctl3D",
             "DragCursor",     "DragKind",    "DragMode",       "Enabled",     "Font",
             "ParentBiDiMode", "ParentColor", "ParentCtl3D",    "ParentFont",  "ParentShowHint",
             "PopupMenu",      "ShowHint",    "State",          "TabOrder",    "TabStop",
             "Visible",        "OnClick",     "OnContextPopup", "OnDragDrop",  "OnDragOver",
             "OnEndDock",      "OnEndDrag",   "OnEnter",        "OnExit",      "OnKeyDown",
             "OnKeyPress",     "OnKeyUp",     "OnMouseDown",    "OnMouseMove", "OnMouseUp",
             "OnStartDock",    "OnStartDrag"});
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  width_ = 113;
  height_ = 17;
  tabStop_ = false;  // checking the button makes it the group's tab stop
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetAlignment(TLeftRight Value) { ChangeAlignment(Value, SRadioButtonAlignment); }

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

ZYL_MESSAGE_MAP(TRadioButton) { m.On(CN_COMMAND, &TRadioButton::CNCommand); }

ZYL_CLASS_IMPL(TRadioButton) {
  // Checking a button makes it a tab stop, so a checked one writes TabStop.
  b.Publish("Action")
      .Prop("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment)
      .Default(taRightJustify)
      .Publish({"Anchors", "BiDiMode", "Caption"})
      .Prop("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
      .Default(false)
      .Publish({"Color",       "Constraints", "Ctl3D",          "DragCursor",     "DragKind",
                "DragMode",    "Enabled",     "Font",           "ParentBiDiMode", "ParentColor",
                "ParentCtl3D", "ParentFont",  "ParentShowHint", "PopupMenu",      "ShowHint",
                "TabOrder",    "TabStop",     "Visible",        "OnClick",        "OnContextPopup",
                "OnDblClick",  "OnDragDrop",  "OnDragOver",     "OnEndDock",      "OnEndDrag",
                "OnEnter",     "OnExit",      "OnKeyDown",      "OnKeyPress",     "OnKeyUp",
                "OnMouseDown", "OnMouseMove", "OnMouseUp",      "OnStartDock",    "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TButton::StaticClass, &TCheckBox::StaticClass,
                                                     &TRadioButton::StaticClass};
}  // namespace

}  // namespace vcl
