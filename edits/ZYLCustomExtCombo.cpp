#include "edits/ZYLCustomExtCombo.h"

#include "buttons/ZYLSpecialButtons.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/ScreenPlace.h"
#include "platform/user/WinUserConsts.h"

namespace zyl {

ZYL_MESSAGE_MAP(TZYLCustomExtCombo) {
  using C = TZYLCustomExtCombo;
  m.On(win::WM_GETDLGCODE, &C::WMGetDlgCodeCombo)
      .On(win::WM_KEYDOWN, &C::WMKeyDownCombo)
      .On(win::WM_CHAR, &C::WMCharCombo)
      .On(win::WM_KILLFOCUS, &C::WMKillFocusCombo)
      .On(win::WM_CANCELMODE, &C::WMCancelModeCombo)
      .On(vcl::CM_CANCELMODE, &C::CMCancelModeCombo);
}

ZYL_CLASS_IMPL(TZYLCustomExtCombo) {
  using C = TZYLCustomExtCombo;
  b.Publish("CustomButtonsStyle")
      .Default(ubsCombo)
      .Publish("CustomButtonWidth")
      .Default(16)
      .Publish({"Font", "Font3D", "ParentFont"})
      .Prop("OnAllowDropDown", &C::GetOnAllowDropDown, &C::SetOnAllowDropDown)
      .Prop("OnBeforeDropDown", &C::GetOnBeforeDropDown, &C::SetOnBeforeDropDown)
      .Prop("OnDropDownAccept", &C::GetOnDropDownAccept, &C::SetOnDropDownAccept)
      .Prop("OnDropDownCancel", &C::GetOnDropDownCancel, &C::SetOnDropDownCancel)
      .Prop("OnDropDown", &C::GetOnDropDown, &C::SetOnDropDown)
      .Declare("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth)
      .Default(0);
}

TZYLCustomExtCombo::TZYLCustomExtCombo(vcl::TComponent* AOwner) : inherited(AOwner) {
  TZYLSpecialButton* button = CustomButtons()->Add();
  BeginUpdate();
  SetCustomButtonStyle(ubsCombo);
  EndUpdate(false);
  TZYLCustomSpeedButton* b = button->Button();
  b->SetStyle(ubsCombo);
  button->SetCtlXP(GetCtlXP());
  button->Layout()->SetArrow(true);
  button->Layout()->SetArrowSize(4);
  button->Layout()->SetInteger(TZYLButtonLayout::iiArrowIndent, 0);
  button->SetOnClick(vcl::TNotifyEvent(this, &TZYLCustomExtCombo::DoDropDownClick));
  button->SetOnMouseDown(vcl::TMouseEvent(this, &TZYLCustomExtCombo::DoBtnMouseDown));
}

TZYLCustomExtCombo::~TZYLCustomExtCombo() {
  vcl::TWinControl* control = FControl;
  FControl = nullptr;
  delete control;
}

// The just-closed mark only keeps the button's click that closed the list from opening it
// again; a request from code opens the list whatever closed it before.
void TZYLCustomExtCombo::SetDroppedDown(bool Value) {
  if (Value == FDroppedDown) return;
  if (Value) {
    FJustClosed = false;
    DoDropDownClick();
  } else {
    Close(false);
  }
}

bool TZYLCustomExtCombo::CanDropDown() {
  bool allow = true;
  if (FOnAllowDropDown) FOnAllowDropDown(this, allow);
  return allow;
}

void TZYLCustomExtCombo::BeforeDropDown() {
  if (FOnBeforeDropDown) FOnBeforeDropDown(this);
}
void TZYLCustomExtCombo::Cancel() {
  if (FOnDropDownCancel) FOnDropDownCancel(this);
}
void TZYLCustomExtCombo::Accept() {
  if (FOnDropDownAccept) FOnDropDownAccept(this);
}
void TZYLCustomExtCombo::DropDown() {
  if (FOnDropDown) FOnDropDown(this);
}

void TZYLCustomExtCombo::CreateAndSetup() {
  CreateControl();
  if (!FControl) return;
  FControl->SetVisible(false);
  FControl->SetParent(this);
  FSavedProc = FControl->WindowProc();
  FControl->SetWindowProc(vcl::TWndMethod(this, &TZYLCustomExtCombo::NewControlProc));
  ModifyControl();
}

void TZYLCustomExtCombo::NewControlProc(vcl::TMessage& Message) {
  if (FSavedProc) FSavedProc(Message);
}

void TZYLCustomExtCombo::DoDropDownClick(vcl::TObject* /*Sender*/) {
  if (!CanDropDown()) return;
  if (FJustClosed) {
    FJustClosed = false;
    return;
  }
  if (FDroppedDown) {
    Close(false);
    return;
  }
  if (!Focused() && CanFocus()) {
    SetFocus();
    // Whoever heard of the focus coming may have sent it on, or disabled or hidden the combo:
    // nothing drops then.
    if (!Focused() || !Enabled() || !Visible()) return;
  }
  BeforeDropDown();
  FDroppedDown = true;
  if (FControl)
    ReModifyControl();
  else
    CreateAndSetup();
  if (!FControl) {
    FDroppedDown = false;
    return;
  }
  // Under the edit, or above it when the control would reach past the screen's bottom.
  vcl::TPoint p = ClientToScreen(vcl::TPoint{0, Height() - 2});
  if (FControl->Height() < 5) {
    Canvas()->SetFont(Font());
    FControl->SetHeight(Canvas()->TextHeight("Wq") + 2);
  }
  const int screenHeight =
      vcl::Screen ? vcl::Screen->Height() : win::GetSystemMetrics(win::SM_CYSCREEN);
  if (int64_t{p.Y} + FControl->Height() > screenHeight)
    p.Y = vcl::ClampToInt(int64_t{p.Y} - (Height() - 2) - FControl->Height());
  DropDown();
  // A control wider than the room right of the edit is moved sideways onto the screen.
  p.X =
      win::user::MoveOntoScreen(vcl::Bounds(p.X, p.Y, FControl->Width(), FControl->Height())).Left;
  const win::HWND wnd = FControl->Handle();
  win::SetParent(wnd, win::GetDesktopWindow());
  win::SetWindowLongPtr(wnd, win::GWL_EXSTYLE,
                        win::GetWindowLongPtr(wnd, win::GWL_EXSTYLE) | win::WS_EX_TOOLWINDOW);
  win::SetWindowLongPtr(wnd, win::GWL_STYLE,
                        win::GetWindowLongPtr(wnd, win::GWL_STYLE) | win::WS_BORDER);
  win::SetWindowPos(wnd, win::HWND_TOPMOST, p.X, p.Y, 0, 0,
                    win::SWP_NOSIZE | win::SWP_NOACTIVATE | win::SWP_SHOWWINDOW);
  FControl->SetVisible(true);
  DisplayControl();
}

void TZYLCustomExtCombo::Close(bool Accepting, bool TakeFocus) {
  if (!FDroppedDown) return;
  if (!Accepting) FJustClosed = true;
  if (TakeFocus && !Focused() && CanFocus()) SetFocus();
  if (Accepting)
    Accept();
  else
    Cancel();
  if (FControl) {
    if (FControl->HandleAllocated())
      win::SetWindowPos(FControl->Handle(), nullptr, 0, 0, 0, 0,
                        win::SWP_NOSIZE | win::SWP_NOMOVE | win::SWP_NOZORDER |
                            win::SWP_NOACTIVATE | win::SWP_HIDEWINDOW);
    FControl->SetVisible(false);
  }
  FDroppedDown = false;
  if (HandleAllocated() && win::GetCapture() == Handle()) win::ReleaseCapture();
}

void TZYLCustomExtCombo::CloseAndForget() {
  Close(false, false);
  FJustClosed = false;
}

bool TZYLCustomExtCombo::IsOwnControl(vcl::TControl* Control) {
  if (!Control) return false;
  if (Control == this) return true;
  if (FControl && (Control == FControl || FControl->ContainsControl(Control))) return true;
  return Control == CustomButtons()->GetItem(0)->Button();
}

void TZYLCustomExtCombo::DoBtnMouseDown(vcl::TObject* /*Sender*/, vcl::TMouseButton /*Button*/,
                                        vcl::TShiftState /*Shift*/, int /*X*/, int /*Y*/) {
  // The click that follows only clears the just-closed mark.
  if (FDroppedDown) Close(false);
}

void TZYLCustomExtCombo::DoThemeChanged() {
  inherited::DoThemeChanged();
  CustomButtons()->GetItem(0)->SetCtlXP(GetCtlXP());
}

void TZYLCustomExtCombo::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  CloseAndForget();
  inherited::MouseDown(Button, Shift, X, Y);
}

void TZYLCustomExtCombo::WMGetDlgCodeCombo(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result |= win::DLGC_WANTALLKEYS;
}

void TZYLCustomExtCombo::WMKeyDownCombo(vcl::TMessage& Message) {
  if (FDroppedDown && FControl) {
    FControl->Perform(Message.Msg, Message.WParam, Message.LParam);
  } else if (Message.WParam == win::VK_UP) {
    DoUpKey();
  } else if (Message.WParam == win::VK_DOWN || Message.WParam == win::VK_F4) {
    DoDropDownClick();
  }
  ZYL_INHERITED(Message);
}

void TZYLCustomExtCombo::WMCharCombo(vcl::TMessage& Message) {
  if (FDroppedDown && FControl) {
    FControl->Perform(Message.Msg, Message.WParam, Message.LParam);
    if (Message.WParam == win::VK_RETURN)
      Close(true);
    else if (Message.WParam == win::VK_ESCAPE || Message.WParam == 3)
      CloseAndForget();
  }
  ZYL_INHERITED(Message);
}

void TZYLCustomExtCombo::WMKillFocusCombo(vcl::TMessage& Message) {
  CloseAndForget();
  ZYL_INHERITED(Message);
}

void TZYLCustomExtCombo::WMCancelModeCombo(vcl::TMessage& Message) {
  CloseAndForget();
  ZYL_INHERITED(Message);
}

void TZYLCustomExtCombo::CMCancelModeCombo(vcl::TMessage& Message) {
  if (!IsOwnControl(reinterpret_cast<vcl::TControl*>(Message.LParam))) CloseAndForget();
  ZYL_INHERITED(Message);
}

}  // namespace zyl
