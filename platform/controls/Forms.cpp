#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/CanvasGuards.h"
#include "platform/graphics/Icon.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Environment.h"
#include "platform/rtl/Format.h"
#include "platform/text/Text.h"
#include "platform/user/DCGuards.h"

namespace vcl {

using namespace win;

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

const char* const SCannotFocus = "Cannot focus a disabled or invisible window";
const char* const SCannotShowModal = "Cannot make a visible window modal";

TModalFormHandler& ModalHandler() {
  static TModalFormHandler h;
  return h;
}

// Sends a focus message; false when the focus moved again while it was handled.
int g_focusCount = 0;

bool SendFocusMessage(int& focusCount, HWND window, UINT msg) {
  const int count = focusCount;
  SendMessageA(window, msg, 0, 0);
  return focusCount == count;
}

}  // namespace

TModalFormHandler SetModalFormHandler(TModalFormHandler Handler) {
  TModalFormHandler old = ModalHandler();
  ModalHandler() = std::move(Handler);
  return old;
}

// ---------------------------------------------------------------------------------------------
// TCustomForm

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  width_ = 320;
  height_ = 240;
  visible_ = false;
  parentColor_ = false;
  parentFont_ = false;
  parentCtl3D_ = false;
  SetColor(clBtnFace);
  canvas_ = new TControlCanvas;
  canvas_->SetControl(this);
  icon_ = new TIcon;
  icon_->OnChange = TNotifyEvent(this, &TCustomForm::IconChanged);
  if (Screen) pixelsPerInch_ = Screen->PixelsPerInch();
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
    }
  }
  if (Screen) Screen->RemoveForm(this);
  if (Application) Application->FormDestroyed(this);
  // Owned components go first, while the form is whole and hears of each of them.
  Destroying();
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
  DestroyComponents();
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
  delete canvas_;
  canvas_ = nullptr;
  icon_->OnChange = TNotifyEvent();
  delete icon_;
  icon_ = nullptr;
}

bool TCustomForm::InitFromResources() {
  const bool found = InitInheritedComponent(this, TForm::StaticClass());
  DoCreate();
  return found;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  if (!parent_ && !parentWindow_) {
    Params.WndParent = Application && !paramsForMetrics_ ? Application->Handle() : nullptr;
    Params.Style &= ~(WS_CHILD | WS_GROUP | WS_TABSTOP);
  }
  Params.WindowClass.style = CS_DBLCLKS;
  TFormBorderStyle bs = borderStyle_;
  TBorderIcons icons = borderIcons_;
  if (parent_ || parentWindow_) {
    // An embedded form is a plain child window.
  } else {
    switch (bs) {
      case bsNone: Params.Style |= WS_POPUP; icons = {}; break;
      case bsSingle:
      case bsToolWindow: Params.Style |= WS_CAPTION | WS_BORDER; break;
      case bsSizeable:
      case bsSizeToolWin: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
      case bsDialog:
        Params.Style |= WS_POPUP | WS_CAPTION;
        Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        icons -= TBorderIcons{biMinimize, biMaximize};
        break;
    }
    if (bs == bsToolWindow || bs == bsSizeToolWin) {
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      icons -= TBorderIcons{biMinimize, biMaximize};
    }
    if (icons.contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
    if (icons.contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
    if (icons.contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    if (formStyle_ == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    if (position_ == poDefault || position_ == poDefaultPosOnly) {
      Params.X = CW_USEDEFAULT;
      Params.Y = CW_USEDEFAULT;
    }
  }
}

// The window state is applied when the form is shown (CMShowingChanged).
void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  AttachMenu();
  UpdateWindowIcon();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  if (!ComponentState().contains(csLoading)) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (borderIcons_ == Value) return;
  borderIcons_ = Value;
  if (!ComponentState().contains(csLoading)) RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (formStyle_ == Value) return;
  formStyle_ = Value;
  if (handle_ && !ComponentState().contains(csLoading))
    SetWindowPos(handle_, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (windowState_ == Value) return;
  windowState_ = Value;
  if (!ComponentState().contains(csLoading) && showing_) UpdateWindowState();
}

void TCustomForm::UpdateWindowState() {
  if (!handle_) return;
  static const int cmds[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
  ShowWindow(handle_, cmds[windowState_]);
}

void TCustomForm::SetClientWidthProp(int32_t Value) { SetClientWidth(Value); }
void TCustomForm::SetClientHeightProp(int32_t Value) {
  if (ComponentState().contains(csReading)) streamClientHeight_ = Value;
  SetClientHeight(Value);
}

void TCustomForm::ScaleBy(int M, int D) {
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(M, D);
  font_->SetSize(MulDiv(font_->Size(), M, D));
  SetClientWidth(MulDiv(ClientWidth(), M, D));
  SetClientHeight(MulDiv(ClientHeight(), M, D));
  EnableAlign();
}

void TCustomForm::ReadState(TReader* Reader) {
  DisableAlign();
  TFinally enable([this] { EnableAlign(); });
  TWinControl::ReadState(Reader);
  if (scaled_ && Screen && pixelsPerInch_ > 0 && pixelsPerInch_ != Screen->PixelsPerInch()) {
    ScaleBy(Screen->PixelsPerInch(), pixelsPerInch_);
    pixelsPerInch_ = Screen->PixelsPerInch();
  }
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  streamClientHeight_ = -1;
  if (formState_.contains(fsVisible)) {
    formState_ -= fsVisible;
    SetVisible(true);
  }
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove) {
    if (AComponent == activeControl_) activeControl_ = nullptr;
    if (AComponent == focusedControl_) focusedControl_ = nullptr;
    if (AComponent == static_cast<TComponent*>(menu_)) {
      menu_ = nullptr;
      if (handle_) ::win::SetMenu(handle_, nullptr);
    }
  }
}

void TCustomForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TWinControl::GetChildren(Proc, Root);
  if (Root == this)
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent()) Proc(Components(i));
}

void TCustomForm::SetVisible(bool Value) {
  if (ComponentState().contains(csReading) || ComponentState().contains(csLoading)) {
    // Shown once the whole stream is read.
    if (Value) formState_ += fsVisible;
    else formState_ -= fsVisible;
    return;
  }
  TControl::SetVisible(Value);
}

void TCustomForm::Show() {
  SetVisible(true);
  if (handle_) BringWindowToTop(handle_);
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::CMVisibleChanged(TMessage& Message) { ZYL_INHERITED(Message); }

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}
void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (!handle_) return;
  if (showing_) {
    DoShow();
    if (int x = 0, y = 0; PositionedOrigin(x, y))
      SetWindowPos(handle_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (parent_ || parentWindow_) {
      SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    } else {
      static const int cmds[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
      ShowWindow(handle_, cmds[windowState_]);
      if (formStyle_ == fsStayOnTop)
        SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  } else {
    DoHide();
    if (Screen && Screen->FocusedForm() == this) Screen->SetFocusedForm(nullptr);
    ShowWindow(handle_, SW_HIDE);
    active_ = false;
  }
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (formState_.contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = formStyle_ == fsMDIChild
                            ? (borderIcons_.contains(biMinimize) ? caMinimize : caNone)
                            : caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) Application->Terminate();
  else if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else Release();
}

void TCustomForm::Release() {
  if (handle_) PostMessageA(handle_, CM_RELEASE, 0, 0);
  else delete this;
}

void TCustomForm::CMRelease(TMessage&) { delete this; }

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  switch (action) {
    case caNone: modalResult_ = mrNone; break;
    case caFree: Release(); break;
    default: break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (visible_ || !enabled_ || formState_.contains(fsModal) || formStyle_ == fsMDIChild)
    throw EInvalidOperation(SCannotShowModal);
  if (GetCapture()) SendMessageA(GetCapture(), WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  formState_ += fsModal;
  HWND activeWindow = GetActiveWindow();
  // The other forms are disabled while this one is modal.
  std::vector<HWND> disabled;
  if (Screen) {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* f = Screen->Forms(i);
      if (f != this && f->handle_ && IsWindowVisible(f->handle_) && IsWindowEnabled(f->handle_)) {
        EnableWindow(f->handle_, FALSE);
        disabled.push_back(f->handle_);
      }
    }
  }
  auto restore = [&] {
    for (HWND h : disabled)
      if (IsWindow(h)) EnableWindow(h, TRUE);
    formState_ -= fsModal;
    if (activeWindow && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
  };
  TFinally restored(restore);
  TModalResult result = mrNone;
  try {
    Show();
    SendMessageA(Handle(), CM_ACTIVATE, 0, 0);
    modalResult_ = mrNone;
    bool handlerCalled = false;
    const bool virtualClock = CurrentClock().IsVirtual();
    for (;;) {
      if (!handlerCalled && ModalHandler()) {
        handlerCalled = true;
        ModalHandler()(this);
      }
      if (modalResult_ == mrNone) {
        MSG msg;
        if (Application && Application->ProcessMessage(msg)) {
        } else if (virtualClock) {
          // Nothing to do: let the handler answer again, then give up after a long idle wait
          // (timers still fire on the way).
          if (ModalHandler()) ModalHandler()(this);
          if (modalResult_ == mrNone &&
              MsgWaitForMultipleObjects(0, nullptr, FALSE, 60000, QS_ALLINPUT) == WAIT_TIMEOUT &&
              modalResult_ == mrNone) {
            throw EInvalidOperation("Modal form " + Name() + " was left without an answer");
          }
        } else if (Application) {
          Application->Idle(msg);
        }
        if (Application && Application->Terminated()) modalResult_ = mrCancel;
      }
      if (modalResult_ != mrNone) {
        CloseModal();
        if (modalResult_ != mrNone) break;
      }
    }
    result = modalResult_;
    if (handle_) SendMessageA(handle_, CM_DEACTIVATE, 0, 0);
    Hide();
  } catch (...) {
    try {
      Hide();
    } catch (...) {
    }
    throw;
  }
  return result;
}

void TCustomForm::SetActive(bool Value) {
  active_ = Value;
  if (Value) {
    if (!activeControl_ && !ComponentState().contains(csDesigning))
      activeControl_ = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
  }
}

void TCustomForm::SetWindowFocus() {
  HWND focus = activeControl_ ? activeControl_->Handle() : Handle();
  if (focus) win::SetFocus(focus);
}

void TCustomForm::SetFocus() {
  if (!active_) {
    if (!(visible_ && enabled_)) throw EInvalidOperation(SCannotFocus);
    SetWindowFocus();
  }
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (activeControl_ == Control) return;
  if (!(Control == nullptr ||
        (Control != this && vcl::GetParentForm(Control) == this &&
         (ComponentState().contains(csLoading) || Control->CanFocus()))))
    throw EInvalidOperation(SCannotFocus);
  activeControl_ = Control;
  if (!ComponentState().contains(csLoading) && !ComponentState().contains(csDestroying)) {
    if (active_) SetWindowFocus();
  }
}

void TCustomForm::FocusControl(TWinControl* Control) {
  const bool wasActive = active_;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Control->ContainsControl(focusedControl_)) focusedControl_ = Control->Parent();
  if (Control->ContainsControl(activeControl_)) {
    if (ComponentState().contains(csDestroying)) activeControl_ = nullptr;
    else SetActiveControl(nullptr);
  }
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  // Every focus change counts, so a change made while a focus message is handled is noticed
  // by the one that was under way, which then stops.
  ++g_focusCount;
  // A form on its way out has left the screen's lists: the focus a dying window is handed
  // must not make it the screen's active or focused form again.
  if (ComponentState().contains(csDestroying)) return false;
  activeControl_ = Control != this ? Control : nullptr;
  if (Screen) Screen->UpdateActive(this, Control);
  if (Control->ControlState().contains(csFocusing)) return false;
  Control->controlState_ += csFocusing;
  struct TClear {
    TWinControl* c;
    ~TClear() { c->controlState_ -= csFocusing; }
  } clear{Control};
  if (Screen && Screen->FocusedForm() != this) {
    if (TCustomForm* old = Screen->FocusedForm()) {
      Screen->SetFocusedForm(nullptr);
      if (old->handle_ && !SendFocusMessage(g_focusCount, old->handle_, CM_DEACTIVATE)) return false;
    }
    Screen->SetFocusedForm(this);
    if (!SendFocusMessage(g_focusCount, Handle(), CM_ACTIVATE)) return false;
  }
  if (!focusedControl_) focusedControl_ = this;
  if (focusedControl_ != Control) {
    while (focusedControl_ && !focusedControl_->ContainsControl(Control)) {
      HWND h = focusedControl_->Handle();
      focusedControl_ = focusedControl_->Parent();
      if (!SendFocusMessage(g_focusCount, h, CM_EXIT)) return false;
    }
    while (focusedControl_ != Control) {
      TWinControl* temp = Control;
      while (temp->Parent() != focusedControl_) temp = temp->Parent();
      focusedControl_ = temp;
      if (!SendFocusMessage(g_focusCount, temp->Handle(), CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, PtrToLParam(Control));
  }
  return true;
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}
void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::CMActivate(TMessage&) {
  formState_ += fsActivated;
  Activate();
}
void TCustomForm::CMDeactivate(TMessage&) { Deactivate(); }

void TCustomForm::WMActivate(TWMActivate& Message) {
  SetActive(Message.Active() != WA_INACTIVE);
}

void TCustomForm::WMSetFocus(TWMSetFocus& Message) { ZYL_INHERITED(Message); }

void TCustomForm::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  if (handle_) {
    if (IsIconic(handle_)) windowState_ = wsMinimized;
    else if (IsZoomed(handle_)) windowState_ = wsMaximized;
    else windowState_ = wsNormal;
  }
}

void TCustomForm::CMDialogKey(TCMDialogKey& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.CharCode()) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
          activeControl_->Parent()->SelectNext(
              activeControl_, Message.CharCode() == VK_RIGHT || Message.CharCode() == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  ZYL_INHERITED(Message);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::PaintWindow(HDC DC) {
  TSavedDC saved(DC);
  TCanvasLock lock(canvas_);
  canvas_->FreeHandle();
  TCanvasBinding bound(canvas_, DC);
  Paint();
}

void TCustomForm::WMPaint(TWMPaint& Message) {
  controlState_ += csCustomPaint;
  TFinally done([this] { controlState_ -= csCustomPaint; });
  ZYL_INHERITED(Message);
}

ZYL_MESSAGE_MAP(TCustomForm) {
  m.On(WM_PAINT, &TCustomForm::WMPaint)
      .On(WM_ACTIVATE, &TCustomForm::WMActivate)
      .On(WM_CLOSE, &TCustomForm::WMClose)
      .On(WM_SIZE, &TCustomForm::WMSize)
      .On(WM_SETFOCUS, &TCustomForm::WMSetFocus)
      .On(CM_ACTIVATE, &TCustomForm::CMActivate)
      .On(CM_DEACTIVATE, &TCustomForm::CMDeactivate)
      .On(CM_DIALOGKEY, &TCustomForm::CMDialogKey)
      .On(CM_SHOWINGCHANGED, &TCustomForm::CMShowingChanged)
      .On(CM_RELEASE, &TCustomForm::CMRelease)
      .On(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged)
      .On(WM_COMMAND, &TCustomForm::WMCommand)
      .On(WM_NEXTDLGCTL, &TCustomForm::WMNextDlgCtl)
      .On(WM_INITMENUPOPUP, &TCustomForm::WMMenuMessage)
      .On(WM_MENUSELECT, &TCustomForm::WMMenuMessage)
      .On(WM_MEASUREITEM, &TCustomForm::WMMenuMessage)
      .On(WM_DRAWITEM, &TCustomForm::WMMenuMessage);
}

ZYL_CLASS_IMPL(TCustomForm) { b.IgnoresInsertNotification(); }

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

ZYL_CLASS_IMPL(TForm) {
  b.Publish({"Caption", "BiDiMode"})
      .Prop("ClientHeight", &TForm::ClientHeightProp, &TForm::SetClientHeightProp)
      .Stored(false)
      .Prop("ClientWidth", &TForm::ClientWidthProp, &TForm::SetClientWidthProp)
      .Stored(false)
      .Publish("Color")
      .Default(clBtnFace)
      .Stored(true)
      .Publish("Constraints")
      .Publish("Ctl3D")
      .Default(true)
      .Stored(true)
      .Publish({"DragKind", "DragMode"})
      .Publish("Font")
      .Stored(true)
      .Publish({"Enabled", "ParentBiDiMode"})
      .Publish("ParentFont")
      .Default(false)
      .Prop("ShowHint", &TForm::ShowHint, &TForm::SetShowHint)
      .Default(false)
      .Publish("Visible")
      .Default(false)
      .Prop("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle)
      .Default(bsSizeable)
      .Prop("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
      .Prop("BorderWidth", &TForm::BorderWidth, &TForm::SetBorderWidth)
      .Default(0)
      .Prop("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle)
      .Default(fsNormal)
      .Prop("Position", &TForm::Position, &TForm::SetPosition)
      .Default(poDesigned)
      .Prop("PrintScale", &TForm::PrintScale, &TForm::SetPrintScale)
      .Default(poProportional)
      .Prop("DefaultMonitor", &TForm::DefaultMonitor, &TForm::SetDefaultMonitor)
      .Default(dmActiveForm)
      .Prop("Icon", &TForm::Icon, &TForm::SetIcon)
      .Stored(&TForm::IsIconStored)
      .Prop("Menu", &TForm::Menu, &TForm::SetMenu)
      .Publish("PopupMenu")
      .Prop("WindowState", &TForm::WindowState, &TForm::SetWindowState)
      .Default(wsNormal)
      .Prop("KeyPreview", &TForm::KeyPreview, &TForm::SetKeyPreview)
      .Default(false)
      .Prop("Scaled", &TForm::Scaled, &TForm::SetScaled)
      .Default(true)
      .Prop("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch)
      .Prop("OldCreateOrder", &TForm::OldCreateOrder, &TForm::SetOldCreateOrder)
      .Prop("TextHeight", &TForm::TextHeight, &TForm::SetTextHeight)
      .Prop("ActiveControl", &TForm::ActiveControl, &TForm::SetActiveControl)
      .Prop("OnActivate", &TForm::OnActivate, &TForm::SetOnActivate)
      .Prop("OnClose", &TForm::OnClose, &TForm::SetOnClose)
      .Prop("OnCloseQuery", &TForm::OnCloseQuery, &TForm::SetOnCloseQuery)
      .Prop("OnCreate", &TForm::OnCreate, &TForm::SetOnCreate)
      .Prop("OnDeactivate", &TForm::OnDeactivate, &TForm::SetOnDeactivate)
      .Prop("OnDestroy", &TForm::OnDestroy, &TForm::SetOnDestroy)
      .Prop("OnHide", &TForm::OnHide, &TForm::SetOnHide)
      .Prop("OnPaint", &TForm::OnPaint, &TForm::SetOnPaint)
      .Prop("OnShow", &TForm::OnShow, &TForm::SetOnShow)
      .Publish({"OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnMouseDown",
                "OnMouseMove", "OnMouseUp", "OnStartDock", "OnResize", "OnKeyDown", "OnKeyPress",
                "OnKeyUp"});
}

// ---------------------------------------------------------------------------------------------
// Reading forms

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
  std::vector<TClass> chain;
  for (TClass c = Instance->ClassType(); c && c != RootAncestor && c != TComponent::StaticClass();
       c = c->ClassParent())
    chain.push_back(c);
  bool found = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const void* data = nullptr;
    size_t size = 0;
    if (!FindResourceData(HInstance, RT_RCDATA, (*it)->ClassName(), data, size)) continue;
    std::string bytes(static_cast<const char*>(data), size);
    if (TestStreamFormatString(bytes) == sofText) bytes = ObjectTextToBinaryString(bytes);
    TStringStream stream(bytes);
    TReader reader(&stream, 4096);
    reader.ReadRootComponent(Instance);
    found = true;
  }
  return found;
}

void ReadForm(TStream* Stream, TCustomForm* Instance, bool IgnoreMissingMethods) {
  std::unique_ptr<TStringStream> converted;
  TStream* source = Stream;
  if (TestStreamFormat(Stream) == sofText) {
    converted = std::make_unique<TStringStream>(std::string());
    ObjectTextToBinary(Stream, converted.get());
    converted->SetPosition(0);
    source = converted.get();
  }
  {
    TReader reader(source, 4096);
    if (IgnoreMissingMethods) {
      reader.OnFindMethod = [](TReader*, const std::string&, const TMethodCode*& Address, bool& Error) {
        if (!Address) Error = false;
      };
    }
    reader.ReadRootComponent(Instance);
  }
  Instance->DoCreate();
}

// ---------------------------------------------------------------------------------------------
// THintWindow

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  visible_ = false;
  SetColor(clInfoBk);
  if (Screen) font_->Assign(Screen->HintFont());
  canvas_->Font()->Assign(font_);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.ExStyle |= WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  text_ = AHint;
  if (handle_) SetWindowTextA(handle_, AHint.c_str());
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  if (Rect.Right > sw) OffsetRect(&Rect, sw - Rect.Right, 0);
  if (Rect.Left < 0) OffsetRect(&Rect, -Rect.Left, 0);
  left_ = Rect.Left;
  top_ = Rect.Top;
  width_ = Rect.Width();
  height_ = Rect.Height();
  SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  visible_ = true;
  Invalidate();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void*) {
  TRect r = Rect(0, 0, MaxWidth, 0);
  TMemoryDC dc;
  {
    TSelectedObject font(dc, font_->Handle());
    DrawTextA(dc, AHint.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

bool THintWindow::IsHintMsg(const MSG& Msg) {
  const UINT m = Msg.message;
  return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || m == CM_ACTIVATE || m == CM_DEACTIVATE ||
         m == CM_APPKEYDOWN || m == CM_APPSYSCOMMAND || m == WM_COMMAND ||
         (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) || m == WM_NCMOUSEMOVE;
}

void THintWindow::ReleaseHandle() {
  visible_ = false;
  DestroyHandle();
}

void THintWindow::Paint() {
  TRect r = GetClientRect();
  r.Left += 2;
  r.Top += 2;
  canvas_->Brush()->SetColor(color_);
  canvas_->FillRect(GetClientRect());
  canvas_->Font()->Assign(font_);
  canvas_->Font()->SetColor(clInfoText);
  SetBkMode(canvas_->Handle(), TRANSPARENT);
  canvas_->RequiredState({csHandleValid, csFontValid});
  DrawTextA(canvas_->Handle(), text_.c_str(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

ZYL_CLASS_IMPL(THintWindow) {}

TClass TApplication::HintWindowClass = nullptr;

// ---------------------------------------------------------------------------------------------
// TApplication

namespace {
constexpr UINT_PTR HintTimerId = 0x4854;
enum { htmNone, htmShow, htmHide };

std::string GetShortHint(const std::string& hint) {
  auto p = hint.find('|');
  return p == std::string::npos ? hint : hint.substr(0, p);
}
std::string GetLongHint(const std::string& hint) {
  auto p = hint.find('|');
  return p == std::string::npos ? hint : hint.substr(p + 1);
}
TControl* GetHintControl(TControl* c) {
  while (c && !c->ShowHint()) c = c->Parent();
  if (c && c->ComponentState().contains(csDesigning)) c = nullptr;
  return c;
}
}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  icon_ = new TIcon;
  icon_->OnChange = TNotifyEvent(this, &TApplication::IconChanged);
}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();
  delete hintWindow_;
  icon_->OnChange = TNotifyEvent();
  delete icon_;
  if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);
}

void TApplication::Dispatch(void* Message) {
  auto* m = static_cast<TMessage*>(Message);
  if (!DispatchMessageMap(this, ClassType(), *m)) DefaultHandler(Message);
}

LRESULT TApplication::AppWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!Application || Application->handle_ != hwnd) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    Application->WndProc(m);
  } catch (Exception&) {
    Application->HandleException(Application);
  }
  return m.Result;
}

void TApplication::CreateHandle() {
  WNDCLASSA existing;
  if (!GetClassInfoA(nullptr, "TApplication", &existing) || existing.lpfnWndProc != &AppWndProc) {
    if (existing.lpfnWndProc) UnregisterClassA("TApplication", nullptr);
    WNDCLASSA wc;
    wc.lpfnWndProc = &AppWndProc;
    wc.lpszClassName = "TApplication";
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
    RegisterClassA(&wc);
  }
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  handle_ = CreateWindowExA(0, "TApplication", title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            sw / 2, sh / 2, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

HWND TApplication::Handle() {
  if (!handle_) CreateHandle();
  return handle_;
}

void TApplication::HookMainWindow(const TWindowHook& Hook) {
  if (Hook) windowHooks_.insert(windowHooks_.begin(), Hook);
}

void TApplication::UnhookMainWindow(const TWindowHook& Hook) {
  auto it = std::find(windowHooks_.begin(), windowHooks_.end(), Hook);
  if (it != windowHooks_.end()) windowHooks_.erase(it);
}

void TApplication::ResetHandle() {
  handle_ = nullptr;
  // The hooks' owners belonged to the window system that went away.
  windowHooks_.clear();
  if (hintWindow_) {
    hintWindow_->handle_ = nullptr;
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
  hintControl_ = nullptr;
  hintActive_ = false;
  hintTimerKind_ = htmNone;
  mainForm_ = nullptr;
  terminated_ = false;
  running_ = false;
  active_ = false;
  minimizedDisabled_.clear();
  // The handlers belonged to objects of the session that went away.
  OnActivate = OnDeactivate = OnMinimize = OnRestore = OnHint = {};
  OnIdle = {};
  OnMessage = {};
  OnException = {};
  OnShowHint = {};
  OnHelp = {};
  OnActionExecute = OnActionUpdate = {};
}

void TApplication::SetTitle(const std::string& Value) {
  title_ = Value;
  if (handle_) SetWindowTextA(handle_, Value.c_str());
}

std::string TApplication::ExeName() const { return ParamStr(0); }

TCustomForm* TApplication::CreateForm(TClass InstanceClass) {
  TComponent* c = InstanceClass->Create(this);
  auto* form = dynamic_cast<TCustomForm*>(c);
  if (!form) {
    delete c;
    throw EInvalidCast("Invalid class typecast");
  }
  std::unique_ptr<TCustomForm> made(form);
  form->InitFromResources();
  made.release();
  if (!mainForm_) {
    form->HandleNeeded();
    mainForm_ = form;
  }
  return form;
}

void TApplication::Run() {
  running_ = true;
  TFinally stopped([this] { running_ = false; });
  if (mainForm_ && showMainForm_) {
    if (mainForm_->WindowState() == wsMinimized)
      Minimize();
    else
      mainForm_->SetVisible(true);
  }
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (Exception&) {
      HandleException(this);
    }
  }
}

bool TApplication::ProcessMessage(MSG& Msg) {
  if (!PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  if (hintWindow_ && hintWindow_->Visible() && hintWindow_->IsHintMsg(Msg)) CancelHint();
  if (!handled) {
    TranslateMessage(&Msg);
    DispatchMessageA(&Msg);
  }
  return true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::Idle(const MSG&) {
  UpdateMouseControl();
  TControl* control = MouseControl();
  if (showHint_ && !control) CancelHint();
  SetHint(control ? GetLongHint(control->Hint()) : std::string());
  bool done = true;
  if (OnIdle) OnIdle(this, done);
  if (done) DoActionIdle();
  if (done && !terminated_) {
    // A virtual clock has nothing to wait for unless a timer is due; a real one waits.
    if (CurrentClock().IsVirtual()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
    else WaitMessage();
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle(msg);
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender) {
  if (!std::current_exception()) return;
  try {
    throw;
  } catch (EAbort&) {
  } catch (Exception& e) {
    if (OnException) OnException(Sender, e);
    else ShowException(e);
  } catch (...) {
    throw;
  }
}

void TApplication::ShowException(Exception& E) {
  std::string msg = E.Message();
  if (!msg.empty() && msg.back() > '.') msg += '.';
  shownExceptions_.push_back(msg);
}

void TApplication::Minimize() {
  if (!Screen) return;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* f = Screen->Forms(i);
    if (f->handle_ && IsWindowVisible(f->handle_)) {
      ShowWindow(f->handle_, SW_HIDE);
      minimizedDisabled_.push_back(f);
    }
  }
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  for (TCustomForm* f : minimizedDisabled_) {
    bool alive = false;
    for (int i = 0; Screen && i < Screen->FormCount(); ++i) alive = alive || Screen->Forms(i) == f;
    if (alive && f->handle_) ShowWindow(f->handle_, SW_SHOWNA);
  }
  minimizedDisabled_.clear();
  if (OnRestore) OnRestore(this);
}

void TApplication::BringToFront() {
  if (mainForm_ && mainForm_->handle_) {
    BringWindowToTop(mainForm_->handle_);
    SetActiveWindow(mainForm_->handle_);
  }
}

bool TApplication::HelpContext(int32_t Context) { return HelpCommand(1 /*HELP_CONTEXT*/, Context); }

bool TApplication::HelpCommand(uint16_t Command, int32_t Data) {
  bool callHelp = true;
  bool result = false;
  if (OnHelp) result = OnHelp(Command, Data, callHelp);
  if (callHelp) {
    lastHelpCommand_ = Command;
    lastHelpData_ = Data;
    result = !helpFile_.empty();
  }
  return result;
}

void TApplication::SetShowHint(bool Value) {
  if (showHint_ == Value) return;
  showHint_ = Value;
  if (hintWindow_) {
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
  if (Value) {
    TClass cls = HintWindowClass ? HintWindowClass : THintWindow::StaticClass();
    hintWindow_ = dynamic_cast<THintWindow*>(cls->Create(nullptr));
    if (hintWindow_) hintWindow_->SetColor(hintColor_);
  } else {
    CancelHint();
  }
}

void TApplication::SetHintColor(TColor Value) {
  hintColor_ = Value;
  if (hintWindow_) hintWindow_->SetColor(Value);
}

void TApplication::SetHint(const std::string& Value) {
  if (hint_ == Value) return;
  hint_ = Value;
  if (OnHint) OnHint(this);
}

void TApplication::StartHintTimer(int Value, int Kind) {
  StopHintTimer();
  if (SetTimer(Handle(), HintTimerId, static_cast<UINT>(std::max(Value, 1)), nullptr))
    hintTimerKind_ = Kind;
  else
    HintTimerExpired();
}

void TApplication::StopHintTimer() {
  if (hintTimerKind_ != htmNone) {
    KillTimer(handle_, HintTimerId);
    hintTimerKind_ = htmNone;
  }
}

void TApplication::CancelHint() {
  if (hintControl_) {
    if (hintWindow_ && hintWindow_->HandleAllocated()) hintWindow_->ReleaseHandle();
    hintControl_ = nullptr;
    hintActive_ = false;
  }
  StopHintTimer();
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
  if (!showHint_) return;
  TPoint screen = Control->ClientToScreen({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
  TControl* newControl = GetHintControl(FindDragTarget(screen, true));
  if (!newControl || !newControl->ShowHint()) {
    CancelHint();
    return;
  }
  if (newControl != hintControl_) {
    if (hintWindow_ && hintWindow_->HandleAllocated()) hintWindow_->ReleaseHandle();
    const int pause = hintActive_ ? hintShortPause_ : hintPause_;
    hintControl_ = newControl;
    StartHintTimer(pause, htmShow);
  }
}

void TApplication::HintTimerExpired() {
  const int kind = hintTimerKind_;
  StopHintTimer();
  if (kind == htmShow && hintControl_) {
    POINT p;
    GetCursorPos(&p);
    ActivateHint(p);
  } else {
    CancelHint();
  }
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  if (!hintControl_) return;
  if (!hintWindow_) {
    TClass cls = HintWindowClass ? HintWindowClass : THintWindow::StaticClass();
    hintWindow_ = dynamic_cast<THintWindow*>(cls->Create(nullptr));
    if (!hintWindow_) return;
  }
  THintInfo info;
  info.HintControl = hintControl_;
  info.HintPos = {CursorPos.X, CursorPos.Y + 20};
  info.HintMaxWidth = Screen ? Screen->Width() : 1024;
  info.HintColor = hintColor_;
  TRect cr = hintControl_->BoundsRect();
  if (hintControl_->Parent()) {
    TPoint tl = hintControl_->Parent()->ClientToScreen(cr.TopLeft());
    cr = Bounds(tl.X, tl.Y, cr.Width(), cr.Height());
  }
  info.CursorRect = cr;
  info.CursorPos = hintControl_->ScreenToClient(CursorPos);
  info.HideTimeout = hintHidePause_;
  info.HintStr = GetShortHint(hintControl_->Hint());
  bool canShow = hintControl_->Perform(CM_HINTSHOW, 0, PtrToLParam(&info)) == 0;
  if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
  hintActive_ = canShow;
  if (canShow && !info.HintStr.empty()) {
    TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, nullptr);
    OffsetRect(&r, info.HintPos.X, info.HintPos.Y);
    hintWindow_->SetColor(info.HintColor);
    hintWindow_->ActivateHint(r, info.HintStr);
    StartHintTimer(info.HideTimeout, htmHide);
  }
}

void TApplication::WndProc(TMessage& Message) {
  Message.Result = 0;
  if (!windowHooks_.empty()) {
    // A hook may unhook itself or others while it runs: walk a copy and skip the removed ones.
    const std::vector<TWindowHook> hooks = windowHooks_;
    for (const TWindowHook& hook : hooks) {
      if (std::find(windowHooks_.begin(), windowHooks_.end(), hook) == windowHooks_.end())
        continue;
      if (hook(Message)) return;
    }
  }
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == HintTimerId) {
        HintTimerExpired();
        return;
      }
      break;
    case WM_ACTIVATEAPP:
      active_ = Message.WParam != 0;
      if (active_) {
        if (OnActivate) OnActivate(this);
      } else {
        CancelHint();
        if (OnDeactivate) OnDeactivate(this);
      }
      break;
    case WM_SYSCOMMAND:
      if ((Message.WParam & 0xFFF0) == SC_MINIMIZE) {
        Minimize();
        return;
      }
      if ((Message.WParam & 0xFFF0) == SC_RESTORE) {
        Restore();
        return;
      }
      break;
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return;
    default:
      break;
  }
  if (!DispatchMessageMap(this, ClassType(), Message))
    Message.Result = DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
}

ZYL_MESSAGE_MAP(TApplication) {}
ZYL_CLASS_IMPL(TApplication) {}

// ---------------------------------------------------------------------------------------------
// TScreen

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  hintFont_ = new TFont;
  menuFont_ = new TFont;
  iconFont_ = new TFont;
}

TScreen::~TScreen() {
  delete hintFont_;
  delete menuFont_;
  delete iconFont_;
}

void TScreen::UpdateSystemFonts() {
  NONCLIENTMETRICSA ncm;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    if (ncm.lfStatusFont.lfFaceName[0]) hintFont_->SetHandle(CreateFontIndirectA(&ncm.lfStatusFont));
    if (ncm.lfMenuFont.lfFaceName[0]) menuFont_->SetHandle(CreateFontIndirectA(&ncm.lfMenuFont));
  }
  LOGFONTA lf;
  if (SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0) && lf.lfFaceName[0])
    iconFont_->SetHandle(CreateFontIndirectA(&lf));
}

int TScreen::Width() { return GetSystemMetrics(SM_CXSCREEN); }
int TScreen::Height() { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() {
  RECT r{0, 0, Width(), Height()};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount()) throw EListError(Format(SListIndexError, {Index}));
  return forms_[Index];
}

void TScreen::AddForm(TCustomForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), Form), forms_.end());
  if (focusedForm_ == Form) focusedForm_ = nullptr;
  if (activeForm_ == Form) {
    activeForm_ = nullptr;
    activeControl_ = nullptr;
    if (OnActiveFormChange) OnActiveFormChange(this);
  }
}

void TScreen::UpdateActive(TCustomForm* Form, TWinControl* Control) {
  const bool formChanged = activeForm_ != Form;
  const bool controlChanged = activeControl_ != Control;
  activeForm_ = Form;
  activeControl_ = Control;
  if (controlChanged && OnActiveControlChange) OnActiveControlChange(this);
  if (formChanged && OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  POINT p;
  GetCursorPos(&p);
  win::SetCursor(Cursors(Value == crDefault ? crArrow : Value));
}

HCURSOR TScreen::Cursors(int Index) {
  for (auto& [i, h] : cursors_)
    if (i == Index) return h;
  uintptr_t id = IDC_ARROW;
  switch (Index) {
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crHourGlass:
    case crSQLWait: id = IDC_WAIT; break;
    case crNo:
    case crNoDrop: id = IDC_NO; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

void TScreen::SetCursors(int Index, HCURSOR Handle) {
  for (auto& [i, h] : cursors_)
    if (i == Index) {
      h = Handle;
      return;
    }
  cursors_.emplace_back(Index, Handle);
}

namespace {
int CALLBACK_AddFont(const LOGFONTA* lf, const TEXTMETRICA*, DWORD, LPARAM data) {
  auto* list = reinterpret_cast<std::vector<std::string>*>(data);
  std::string name = lf->lfFaceName;
  if (!name.empty() && name[0] != '@' && std::find(list->begin(), list->end(), name) == list->end())
    list->push_back(name);
  return 1;
}
}  // namespace

const std::vector<std::string>& TScreen::Fonts() {
  if (!fontsLoaded_) {
    {
      TWindowDC dc(nullptr);
      EnumFontFamiliesA(dc, nullptr, &CALLBACK_AddFont, reinterpret_cast<LPARAM>(&fonts_));
    }
    std::sort(fonts_.begin(), fonts_.end());
    fontsLoaded_ = true;
  }
  return fonts_;
}

ZYL_CLASS_IMPL(TScreen) {}

namespace {
struct TGlobals {
  TGlobals() {
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
  }
} globals;
}  // namespace

}  // namespace vcl
