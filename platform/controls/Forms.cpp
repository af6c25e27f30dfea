#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
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

// The forms whose modal loops run, outermost first.
std::vector<TCustomForm*>& ModalForms() {
  static std::vector<TCustomForm*> forms;
  return forms;
}

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

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) {
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
  // The designer lets go of the form first; the form's components then go without it.
  if (IDesignerHook* designer = std::exchange(designer_, nullptr))
    designer->Notification(this, opRemove);
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {  // a destructor lets nothing out: the handler's error is reported
      if (Application) RunDroppingErrors([this] { Application->HandleException(this); });
    }
  }
  for (TReleaseHold* hold : holds_) hold->form_ = nullptr;
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
  TScrollingWinControl::CreateParams(Params);
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
  TScrollingWinControl::CreateWnd();
  AttachMenu();
  UpdateWindowIcon();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  if (!(ComponentState().contains(csReading) && autoScrollRead_))
    SetAutoScroll(Value == bsSizeable || Value == bsSizeToolWin);
  if (!ComponentState().contains(csLoading)) RecreateWnd();
}

void TCustomForm::SetAutoScrollProp(bool Value) {
  if (ComponentState().contains(csReading)) autoScrollRead_ = true;
  SetAutoScroll(Value);
}

bool TCustomForm::IsAutoScrollStored() const {
  return AutoScroll() != (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin);
}

bool TCustomForm::IsFormSizeStored() const {
  return AutoScroll() || HorzScrollBar()->Range() != 0 || VertScrollBar()->Range() != 0;
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
  const int clientWidth = MulDiv(ClientWidth(), M, D);
  const int clientHeight = MulDiv(ClientHeight(), M, D);
  DisableAlign();
  ScaleScrollBars(M, D);
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(M, D);
  font_->SetSize(MulDiv(font_->Size(), M, D));
  // The limits first, then both sides at once: neither side is held by the other's old size.
  ScaleConstraints(M, D);
  SetBounds(left_, top_, ClampToInt(int64_t{width_} - ClientWidth() + clientWidth),
            ClampToInt(int64_t{height_} - ClientHeight() + clientHeight));
  UpdateChildAnchorRules();
  EnableAlign();
}

void TCustomForm::ReadState(TReader* Reader) {
  DisableAlign();
  TFinally enable([this] { EnableAlign(); });
  TScrollingWinControl::ReadState(Reader);
  if (scaled_ && Screen && pixelsPerInch_ > 0 && pixelsPerInch_ != Screen->PixelsPerInch()) {
    ScaleBy(Screen->PixelsPerInch(), pixelsPerInch_);
    pixelsPerInch_ = Screen->PixelsPerInch();
    textHeight_ = GetTextHeight();
  }
}

int TCustomForm::GetTextHeight() const {
  const TWindowDC screen(nullptr);
  const TSelectedObject font(screen, font_->Handle());
  SIZE size{};
  GetTextExtentPoint32(screen, "0", 1, &size);
  return size.cy;
}

void TCustomForm::DefineProperties(TFiler* Filer) {
  TScrollingWinControl::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TCustomForm*>(Filer->Ancestor());
  Filer->DefineProperty(
      "PixelsPerInch", [this](TReader* r) { pixelsPerInch_ = r->ReadInteger(); },
      [this](TWriter* w) { w->WriteInteger(pixelsPerInch_); },
      !ancestor || ancestor->pixelsPerInch_ != pixelsPerInch_);
  Filer->DefineProperty(
      "TextHeight", [this](TReader* r) { textHeight_ = r->ReadInteger(); },
      [this](TWriter* w) { w->WriteInteger(GetTextHeight()); },
      !ancestor || ancestor->GetTextHeight() != GetTextHeight());
}

void TCustomForm::Loaded() {
  TScrollingWinControl::Loaded();
  streamClientHeight_ = -1;
  autoScrollRead_ = false;
  if (formState_.contains(fsVisible)) {
    formState_ -= fsVisible;
    SetVisible(true);
  }
}

void TCustomForm::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                 const std::string& NewName) {
  TScrollingWinControl::ValidateRename(AComponent, CurName, NewName);
  if (designer_) designer_->ValidateRename(AComponent, CurName, NewName);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove) {
    if (AComponent == activeControl_) activeControl_ = nullptr;
    if (AComponent == focusedControl_) focusedControl_ = nullptr;
    if (AComponent == static_cast<TComponent*>(menu_)) {
      menu_ = nullptr;
      if (handle_) ::win::SetMenu(handle_, nullptr);
    }
  }
  if (designer_) designer_->Notification(AComponent, Operation);
}

void TCustomForm::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  TScrollingWinControl::GetChildren(Proc, Root);
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

void TCustomForm::CMRelease(TMessage&) {
  if (holds_.empty()) {
    delete this;
    return;
  }
  // A component of the form runs a modal loop further down this stack: the loops begun since
  // the first hold are ended, and the form is released again when the last hold ends.
  releaseHeld_ = true;
  const std::vector<TCustomForm*>& modal = ModalForms();
  for (size_t i = holds_.front()->modalDepth_; i < modal.size(); ++i)
    modal[i]->modalResult_ = mrCancel;
}

TReleaseHold::TReleaseHold(TComponent* Component) : modalDepth_(ModalForms().size()) {
  for (TComponent* c = Component; c && !form_; c = c->Owner())
    form_ = dynamic_cast<TCustomForm*>(c);
  if (form_) form_->holds_.push_back(this);
}

TReleaseHold::~TReleaseHold() {
  if (!form_) return;
  std::erase(form_->holds_, this);
  if (form_->holds_.empty() && std::exchange(form_->releaseHeld_, false))
    PostMessageA(form_->Handle(), CM_RELEASE, 0, 0);
}

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
  // The form released while it waits (from one of its own events, say), or the form that owns
  // it, ends the wait, and is freed once this call has returned.
  const TReleaseHold held(this), ownerHeld(Owner());
  ModalForms().push_back(this);
  const TFinally unlisted([this] { std::erase(ModalForms(), this); });
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
  {
    const TOnFailure hide([this] { Hide(); });
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
            throw EInvalidOperation(Format(SModalNoAnswer, {Name()}));
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
  if (Removing && Control->ContainsControl(focusedControl_)) {
    focusedControl_ = Control->Parent();
    // The controls leaving hear that the focus stays behind: a button that had it is no longer
    // the one Return clicks.
    if (focusedControl_) Control->Perform(CM_FOCUSCHANGED, 0, PtrToLParam(focusedControl_));
  }
  // A control the focus is on its way to goes: the move stops without touching it.
  for (TWinControl*& moving : focusing_) {
    if (!Removing || !moving || !Control->ContainsControl(moving)) continue;
    moving = nullptr;
    ++g_focusCount;
  }
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
  // While a window is made again, its going hands the focus to a parent: the control that
  // held it keeps it, and takes it back once its new window is there.
  if (focusedControl_ && focusedControl_ != Control && Control->ContainsControl(focusedControl_))
    for (TWinControl* c = focusedControl_; c; c = c->Parent())
      if (c->ControlState().contains(csRecreating)) return true;
  activeControl_ = Control != this ? Control : nullptr;
  if (Screen) Screen->UpdateActive(this, Control);
  if (Control->ControlState().contains(csFocusing)) return false;
  Control->controlState_ += csFocusing;
  focusing_.push_back(Control);
  // The move stands in the form's list of moves under way for its whole course.
  struct TClear {
    TCustomForm* form;
    size_t at;
    ~TClear() {
      if (TWinControl* moving = form->focusing_[at]) moving->controlState_ -= csFocusing;
      form->focusing_.resize(at);
    }
  } clear{this, focusing_.size() - 1};
  if (Screen && Screen->FocusedForm() != this) {
    if (TCustomForm* old = Screen->FocusedForm()) {
      Screen->SetFocusedForm(nullptr);
      if (old->handle_ && !SendFocusMessage(g_focusCount, old->handle_, CM_DEACTIVATE)) return false;
    }
    Screen->SetFocusedForm(this);
    if (!SendFocusMessage(g_focusCount, Handle(), CM_ACTIVATE)) return false;
  }
  // A change made while a focus message is handled stops this move, unless it only handed the
  // focus back to the control this move takes it to (a modal form shown from OnExit or OnEnter
  // and closed, whose return to this form met this move under way): the move then goes on. A
  // control re-created on entering (its handler re-created the window) takes the focus anew:
  // the move stops there.
  const auto goesOn = [&](TWinControl* to, HWND window, UINT msg) {
    if (SendFocusMessage(g_focusCount, window, msg)) return true;
    if (to && (!to->HandleAllocated() || to->Handle() != window)) return false;
    TWinControl* moving = focusing_[clear.at];
    if (!moving || !moving->HandleAllocated() || GetFocus() != moving->Handle()) return false;
    if (Screen && Screen->FocusedForm() != this) Screen->SetFocusedForm(this);
    return true;
  };
  if (!focusedControl_) focusedControl_ = this;
  if (focusedControl_ != Control) {
    while (focusedControl_ && !focusedControl_->ContainsControl(Control)) {
      HWND h = focusedControl_->Handle();
      focusedControl_ = focusedControl_->Parent();
      if (!goesOn(nullptr, h, CM_EXIT)) return false;
    }
    while (focusedControl_ != Control) {
      TWinControl* temp = Control;
      while (temp->Parent() != focusedControl_) temp = temp->Parent();
      focusedControl_ = temp;
      if (!goesOn(temp, temp->Handle(), CM_ENTER)) return false;
    }
    for (TWinControl* p = Control->Parent(); p; p = p->Parent())
      if (auto* scrolling = dynamic_cast<TScrollingWinControl*>(p))
        scrolling->AutoScrollInView(Control);
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

void TCustomForm::CMCancelMode(TMessage& Message) {
  if (focusedControl_ && focusedControl_ != this)
    focusedControl_->Perform(CM_CANCELMODE, Message.WParam, Message.LParam);
}

void TCustomForm::WMActivate(TWMActivate& Message) {
  SetActive(Message.Active() != WA_INACTIVE);
}

void TCustomForm::WMSetFocus(TWMSetFocus& Message) { ZYL_INHERITED(Message); }

namespace {

// Whether `c` is a windowed control inside `root`, found by walking down from `root` (so a
// control freed meanwhile is never touched).
bool Holds(TWinControl* root, const TWinControl* c) {
  for (int i = 0; i < root->ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(root->Controls(i)); w && (w == c || Holds(w, c)))
      return true;
  return false;
}

}  // namespace

void TCustomForm::CMRecreateWnd(TMessage& Message) {
  // The old window's going hands the activation to another window, and the new window's
  // taking the focus would forget the control that held it.
  const bool wasActive = handle_ && GetActiveWindow() == handle_;
  TWinControl* const focused = activeControl_;
  ZYL_INHERITED(Message);
  if (!wasActive || !handle_ || !showing_) return;
  if (focused && Holds(this, focused) && focused->CanFocus()) activeControl_ = focused;
  if (GetActiveWindow() != handle_) SetActiveWindow(handle_);
  SetWindowFocus();
}

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
      .On(CM_CANCELMODE, &TCustomForm::CMCancelMode)
      .On(CM_DIALOGKEY, &TCustomForm::CMDialogKey)
      .On(CM_SHOWINGCHANGED, &TCustomForm::CMShowingChanged)
      .On(CM_RECREATEWND, &TCustomForm::CMRecreateWnd)
      .On(CM_RELEASE, &TCustomForm::CMRelease)
      .On(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged)
      .On(WM_COMMAND, &TCustomForm::WMCommand)
      .On(WM_NEXTDLGCTL, &TCustomForm::WMNextDlgCtl)
      .On(WM_INITMENUPOPUP, &TCustomForm::WMMenuMessage)
      .On(WM_MENUSELECT, &TCustomForm::WMMenuMessage)
      .On(WM_MEASUREITEM, &TCustomForm::WMMenuMessage)
      .On(WM_DRAWITEM, &TCustomForm::WMMenuMessage);
}

// The user's session may end only when the form's CloseQuery agrees.
static const TMessageMapRegistration sessionEndQuery(
    &TCustomForm::StaticClass, [](TMessageMapEntries& e) {
      AddMessageHandler(e, WM_QUERYENDSESSION, [](TObject* self, TMessage& message) {
        message.Result = static_cast<TCustomForm*>(self)->CloseQuery() ? 1 : 0;
      });
    });

ZYL_CLASS_IMPL(TCustomForm) {
  b.IgnoresInsertNotification();
  using C = TCustomForm;
  b.Declare("ActiveControl", &C::ActiveControl, &C::SetActiveControl)
      // No default: a form of fixed size that scrolls writes AutoScroll = True, so that the
      // border style read after it does not turn it off.
      .Declare("AutoScroll", &C::AutoScroll, &C::SetAutoScrollProp)
      .Stored(&C::IsAutoScrollStored)
      .Declare("BorderIcons", &C::BorderIcons, &C::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize})
      .Declare("BorderStyle", &C::BorderStyle, &C::SetBorderStyle)
      .Default(bsSizeable)
      .Declare("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Declare("ClientHeight", &C::ClientHeightProp, &C::SetClientHeightProp)
      .Stored(&C::IsClientSizeStored)
      .Declare("ClientWidth", &C::ClientWidthProp, &C::SetClientWidthProp)
      .Stored(&C::IsClientSizeStored)
      .Declare("DefaultMonitor", &C::DefaultMonitor, &C::SetDefaultMonitor)
      .Default(dmActiveForm)
      .Declare("FormStyle", &C::FormStyle, &C::SetFormStyle)
      .Default(fsNormal)
      .Declare("Icon", &C::Icon, &C::SetIcon)
      .Stored(&C::IsIconStored)
      .Declare("KeyPreview", &C::KeyPreview, &C::SetKeyPreview)
      .Default(false)
      .Declare("Menu", &C::Menu, &C::SetMenu)
      .Declare("OldCreateOrder", &C::OldCreateOrder, &C::SetOldCreateOrder)
      .Declare("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch)
      .Stored(false)
      .Declare("Position", &C::Position, &C::SetPosition)
      .Default(poDesigned)
      .Declare("PrintScale", &C::PrintScale, &C::SetPrintScale)
      .Default(poProportional)
      .Declare("Scaled", &C::Scaled, &C::SetScaled)
      .Default(true)
      .Declare("WindowState", &C::WindowState, &C::SetWindowState)
      .Default(wsNormal)
      .Declare("OnActivate", &C::OnActivate, &C::SetOnActivate)
      .Declare("OnClose", &C::OnClose, &C::SetOnClose)
      .Declare("OnCloseQuery", &C::OnCloseQuery, &C::SetOnCloseQuery)
      .Declare("OnCreate", &C::OnCreate, &C::SetOnCreate)
      .Declare("OnDestroy", &C::OnDestroy, &C::SetOnDestroy)
      .Declare("OnDeactivate", &C::OnDeactivate, &C::SetOnDeactivate)
      .Declare("OnHide", &C::OnHide, &C::SetOnHide)
      .Declare("OnPaint", &C::OnPaint, &C::SetOnPaint)
      .Declare("OnShow", &C::OnShow, &C::SetOnShow);
}

TForm::TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

ZYL_CLASS_IMPL(TForm) {
  // A form that neither scrolls nor has a range of its own writes ClientWidth and ClientHeight
  // instead of Width and Height; the scroll bars follow the size, as the scrolling control
  // publishes them; PixelsPerInch and TextHeight come after the events (DefineProperties).
  b.Publish("Width")
      .Stored(&TForm::IsFormSizeStored)
      .Publish("Height")
      .Stored(&TForm::IsFormSizeStored)
      .Publish({"HorzScrollBar", "VertScrollBar", "ActiveControl", "AutoScroll", "BiDiMode",
                "BorderIcons", "BorderStyle", "BorderWidth", "Caption", "ClientHeight",
                "ClientWidth", "Color", "Constraints"})
      .Publish("Ctl3D")
      .Default(true)
      .Stored(true)
      .Publish({"DefaultMonitor", "DragKind", "DragMode", "Enabled"})
      .Publish("ParentFont")
      .Default(false)
      .Publish("Font")
      .Publish({"FormStyle", "Icon", "KeyPreview", "Menu", "OldCreateOrder", "ParentBiDiMode",
                "PixelsPerInch", "PopupMenu", "Position", "PrintScale", "Scaled"})
      .Publish("ShowHint")
      .Default(false)
      .Stored(true)
      .Publish("Visible")
      .Default(false)
      .Publish({"WindowState",      "OnActivate",     "OnClick",     "OnClose",      "OnCloseQuery",
                "OnCreate",         "OnDblClick",     "OnDestroy",   "OnDeactivate", "OnDragDrop",
                "OnDragOver",       "OnEndDock",      "OnHide",      "OnKeyDown",    "OnKeyPress",
                "OnKeyUp",          "OnMouseDown",    "OnMouseMove", "OnMouseUp",    "OnMouseWheel",
                "OnMouseWheelDown", "OnMouseWheelUp", "OnPaint",     "OnResize",     "OnShow",
                "OnStartDock"});
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

void controls_internal::ReadRootStream(TStream* Stream, TComponent* Root,
                                       bool IgnoreMissingMethods) {
  std::unique_ptr<TStringStream> converted;
  TStream* source = Stream;
  TTextLines lines;
  if (TestStreamFormat(Stream) == sofText) {
    converted = std::make_unique<TStringStream>(std::string());
    ObjectTextToBinary(Stream, converted.get(), lines);
    converted->SetPosition(0);
    source = converted.get();
  }
  {
    TReader reader(source, 4096);
    reader.SetTextLines(&lines);
    if (IgnoreMissingMethods) {
      reader.OnFindMethod = [](TReader*, const std::string&, const TMethodCode*& Address, bool& Error) {
        if (!Address) Error = false;
      };
    }
    reader.ReadRootComponent(Root);
  }
}

void ReadForm(TStream* Stream, TCustomForm* Instance, bool IgnoreMissingMethods) {
  controls_internal::ReadRootStream(Stream, Instance, IgnoreMissingMethods);
  Instance->DoCreate();
}

namespace {
const controls_internal::TStandardClasses registered{&TForm::StaticClass};
}  // namespace

}  // namespace vcl
