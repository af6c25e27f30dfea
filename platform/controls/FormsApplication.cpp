// THintWindow and TApplication: the hint window and the program's message loop.
#include "platform/controls/Forms.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Resources.h"
#include "platform/classes/Streams.h"
#include "platform/classes/Thread.h"
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
#include "platform/user/ScreenPlace.h"

namespace vcl {

using namespace win;

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
  // Kept within the screen, as the window system keeps its tips.
  Rect = win::user::MoveOntoScreen(Rect);
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

void THintWindow::WMNCHitTest(TWMNCHitTest& Message) { Message.Result = HTTRANSPARENT; }

ZYL_MESSAGE_MAP(THintWindow) { m.On(WM_NCHITTEST, &THintWindow::WMNCHitTest); }

ZYL_CLASS_IMPL(THintWindow) {}

TClass TApplication::HintWindowClass = nullptr;

// ---------------------------------------------------------------------------------------------
// TApplication

std::string GetShortHint(const std::string& Hint) {
  auto p = Hint.find('|');
  return p == std::string::npos ? Hint : Hint.substr(0, p);
}
std::string GetLongHint(const std::string& Hint) {
  auto p = Hint.find('|');
  return p == std::string::npos ? Hint : Hint.substr(p + 1);
}

namespace {
constexpr UINT_PTR HintTimerId = 0x4854;
// The threads' wake hook that was set before the application's (put back when it goes).
std::function<void()> previousWake;
enum { htmNone, htmShow, htmHide };
TControl* GetHintControl(TControl* c) {
  while (c && !c->ShowHint()) c = c->Parent();
  if (c && c->ComponentState().contains(csDesigning)) c = nullptr;
  return c;
}
}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  icon_ = new TIcon;
  icon_->OnChange = TNotifyEvent(this, &TApplication::IconChanged);
  // A worker's Synchronize call wakes the loop of the thread that made the application, whose
  // Idle serves it.
  const DWORD loop = GetCurrentThreadId();
  previousWake = SetWakeMainThread([loop] { WakeMessageLoop(loop); });
}

TApplication::~TApplication() {
  SetWakeMainThread(std::move(previousWake));
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
  if (!Application || Application->handle_ != hwnd)
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    Application->WndProc(m);
  } catch (Exception&) {
    Application->HandleException(Application);
  }
  return m.Result;
}

void TApplication::CreateHandle() {
  WNDCLASSA wc;
  wc.lpfnWndProc = &AppWndProc;
  wc.lpszClassName = "TApplication";
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
  controls_internal::RegisterOwnClass(wc);
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
    throw EInvalidCast(SInvalidCast);
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
  DeliverMessage(Msg);
  return true;
}

void TApplication::DeliverMessage(MSG& Msg) {
  TFinally freeDCs([] { FreeDeviceContexts(); });
  bool handled = false;
  if (OnMessage) OnMessage(Msg, handled);
  if (hintWindow_ && hintWindow_->Visible() && hintWindow_->IsHintMsg(Msg)) CancelHint();
  if (handled || IsKeyMsg(Msg)) return;
  TranslateMessage(&Msg);
  DispatchMessageA(&Msg);
}

bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  // Escape cancels a drag under way, whichever window has the focus.
  if (Msg.message == WM_KEYDOWN && Msg.wParam == VK_ESCAPE && DragUnderWay()) {
    CancelDrag();
    return true;
  }
  // A window of the system's own inside a control (a combo's edit child) belongs to it.
  TWinControl* control = nullptr;
  for (HWND h = Msg.hwnd; h && !control; h = GetParent(h)) control = FindControl(h);
  if (!control || !control->HandleAllocated()) return false;
  return SendMessageA(control->Handle(), CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
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
  // The threads' calls to the main thread run here; after one, the loop looks again at once.
  if (CheckSynchronize()) done = false;
  if (done && !terminated_) {
    // A virtual clock has nothing to wait for unless a timer is due; a real one waits.
    if (CurrentClock().IsVirtual())
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
    else
      WaitMessage();
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
    if (OnException)
      OnException(Sender, e);
    else
      ShowException(e);
  }
}

void TApplication::ShowException(Exception& E) {
  std::string msg = E.Message();
  if (!msg.empty() && msg.back() > '.') msg += '.';
  shownExceptions_.push_back(msg);
}

// The application is minimized while it keeps the forms Minimize hid; it is told once.
void TApplication::Minimize() {
  if (!Screen || !minimizedDisabled_.empty()) return;
  TCustomForm* const active = Screen->ActiveForm();
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* f = Screen->Forms(i);
    if (f != active && f->handle_ && IsWindowVisible(f->handle_)) minimizedDisabled_.push_back(f);
  }
  // The active form goes last and comes back active.
  if (active && active->handle_ && IsWindowVisible(active->handle_))
    minimizedDisabled_.push_back(active);
  for (TCustomForm* f : minimizedDisabled_) ShowWindow(f->handle_, SW_HIDE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  if (minimizedDisabled_.empty()) return;
  std::vector<TCustomForm*> forms;
  forms.swap(minimizedDisabled_);
  TCustomForm* last = nullptr;
  for (TCustomForm* f : forms) {
    bool alive = false;
    for (int i = 0; Screen && i < Screen->FormCount(); ++i) alive = alive || Screen->Forms(i) == f;
    if (alive && f->handle_) {
      ShowWindow(f->handle_, SW_SHOWNA);
      last = f;
    }
  }
  // The form that was active is active again, with the focus where it was.
  if (last && IsWindowVisible(last->handle_) && !IsIconic(last->handle_))
    SetActiveWindow(last->handle_);
  if (OnRestore) OnRestore(this);
}

bool TApplication::BringForward() {
  if (!minimizedDisabled_.empty()) Restore();
  if (!mainForm_ || !mainForm_->handle_ || !IsWindowVisible(mainForm_->handle_)) return false;
  if (IsIconic(mainForm_->handle_)) ShowWindow(mainForm_->handle_, SW_RESTORE);
  BringToFront();
  return GetActiveWindow() == mainForm_->handle_;
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
  TPoint screen =
      Control->ClientToScreen({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
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

namespace {
bool AnyModalForm() {
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (Screen->Forms(i)->FormState().contains(fsModal)) return true;
  return false;
}
}  // namespace

void TApplication::WndProc(TMessage& Message) {
  Message.Result = 0;
  if (!windowHooks_.empty()) {
    // A hook may unhook itself or others while it runs: walk a copy and skip the removed ones.
    const std::vector<TWindowHook> hooks = windowHooks_;
    for (const TWindowHook& hook : hooks) {
      if (std::find(windowHooks_.begin(), windowHooks_.end(), hook) == windowHooks_.end()) continue;
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
    case WM_ACTIVATE:
      // The hidden application window brought forward (another program asked for it, as a
      // second instance of this one does): its forms come back and the main form comes first.
      // The default handling (taking the focus) is skipped once a form is active instead.
      if (LOWORD(Message.WParam) != WA_INACTIVE && handle_ && !IsWindowVisible(handle_) &&
          BringForward())
        return;
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
    case WM_ENDSESSION:
      // The session ends: the program ends here as at its own end, which frees the forms and
      // data modules the application owns (so they store what they keep); the loops stop at
      // their next look (no WM_QUIT: the messages still queued are for the forms that go).
      if (!Message.WParam) return;
      terminated_ = true;
      if (AnyModalForm()) {
        // A modal loop runs further down the stack and its forms cannot go under it: the loops
        // end, the application being terminated, and the program ends once they have.
        PostMessageA(handle_, WM_ENDSESSION, TRUE, 0);
        return;
      }
      mainForm_ = nullptr;
      DestroyComponents();
      return;
    default: break;
  }
  if (!DispatchMessageMap(this, ClassType(), Message))
    Message.Result = DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
}

ZYL_MESSAGE_MAP(TApplication) {}
ZYL_CLASS_IMPL(TApplication) {}

}  // namespace vcl
