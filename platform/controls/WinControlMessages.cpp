// TWinControl, continued: focus and tab order, keys, the window procedure and painting.
#include "platform/controls/WinControl.h"

#include <algorithm>
#include <optional>

#include "platform/base/Finally.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/user/DCGuards.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

// ---- Focus and tab order ----

int32_t TWinControl::TabOrder() const {
  if (!parent_) return -1;
  auto& l = parent_->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  return it == l.end() ? -1 : static_cast<int32_t>(it - l.begin());
}

void TWinControl::SetTabOrder(int32_t Value) {
  if (controlState_.contains(csReadingState)) {
    // Applied by the parent once all children are read (see ReadState).
    pendingTabOrder_ = Value;
    return;
  }
  if (!parent_) return;
  auto& l = parent_->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  if (it == l.end()) return;
  const int count = static_cast<int>(l.size());
  int v = Value;
  if (v < 0 || v >= count) v = count - 1;
  l.erase(it);
  l.insert(l.begin() + v, this);
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::SetTabStop(bool Value) {
  if (tabStop_ == Value) return;
  tabStop_ = Value;
  if (handle_) {
    LONG style = GetWindowLongA(handle_, GWL_STYLE);
    SetWindowLongA(handle_, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* c : tabList_) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start = found == list.end() ? -1 : static_cast<int>(found - list.begin());
  if (start < 0) start = GoForward ? count - 1 : 0;
  int i = start;
  do {
    if (GoForward) {
      if (++i == count) i = 0;
    } else {
      if (i == 0) i = count;
      --i;
    }
    TWinControl* c = list[i];
    if (c->CanFocus() && (!CheckTabStop || c->tabStop_) && (!CheckParent || c->parent_ == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
  if (next) next->SetFocus();
}

bool TWinControl::CanFocus() {
  TCustomForm* form = vcl::GetParentForm(this);
  if (!form) return false;
  for (TControl* c = this; c != form; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

bool TWinControl::Focused() { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = vcl::GetParentForm(this)) {
    form->FocusControl(this);
  } else if (parentWindow_) {
    win::SetFocus(Handle());
  } else {
    throw EInvalidOperation(FormatName(SParentRequired, Name()));
  }
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}
void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}
void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::CMFocusChanged(TCMFocusChanged& Message) { Broadcast(Message); }

void TWinControl::WMSetFocus(TWMSetFocus& Message) { ZYL_INHERITED(Message); }
void TWinControl::WMKillFocus(TWMKillFocus& Message) { ZYL_INHERITED(Message); }

// ---- Keys ----

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

namespace {

// A key-down or key-up message: the form sees it first when it previews keys, then the
// control's handler, which may swallow the key by setting it to 0.
bool DoKeyMessage(TWinControl* Control, TWMKey& Message, bool (TWinControl::*Preview)(TWMKey&),
                  void (TWinControl::*Handler)(uint16_t&, TShiftState), bool StdEvents) {
  TCustomForm* form = vcl::GetParentForm(Control);
  if (form && form != Control && form->KeyPreview() && (form->*Preview)(Message)) return true;
  if (StdEvents) {
    uint16_t key = Message.CharCode();
    (Control->*Handler)(key, KeyDataToShiftState(Message.KeyData()));
    Message.SetCharCode(key);
    if (key == 0) return true;
  }
  return false;
}

}  // namespace

bool TWinControl::DoKeyDown(TWMKey& Message) {
  return DoKeyMessage(this, Message, &TWinControl::DoKeyDown, &TWinControl::KeyDown,
                      !controlStyle_.contains(csNoStdEvents));
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
  return DoKeyMessage(this, Message, &TWinControl::DoKeyUp, &TWinControl::KeyUp,
                      !controlStyle_.contains(csNoStdEvents));
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
  TCustomForm* form = vcl::GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
  if (!controlStyle_.contains(csNoStdEvents)) {
    char ch = static_cast<char>(Message.CharCode());
    KeyPress(ch);
    Message.SetCharCode(static_cast<uint8_t>(ch));
    if (ch == 0) return true;
  }
  return false;
}

void TWinControl::WMKeyDown(TWMKey& Message) {
  if (!DoKeyDown(Message)) ZYL_INHERITED(Message);
}
void TWinControl::WMSysKeyDown(TWMKey& Message) {
  if (!DoKeyDown(Message)) ZYL_INHERITED(Message);
}
void TWinControl::WMKeyUp(TWMKey& Message) {
  if (!DoKeyUp(Message)) ZYL_INHERITED(Message);
}
void TWinControl::WMChar(TWMKey& Message) {
  if (!DoKeyPress(Message)) ZYL_INHERITED(Message);
}

void TWinControl::CNKeyDown(TWMKey& Message) {
  Message.Result = 1;
  if (!ComponentState().contains(csDesigning)) {
    if (IsMenuKey(Message)) return;
    if (Perform(CM_CHILDKEY, Message.CharCode(), PtrToLParam(this)) != 0) return;
    uint32_t mask = 0;
    switch (Message.CharCode()) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case VK_EXECUTE:
      case VK_ESCAPE:
      case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.CharCode(), Message.KeyData()) == 0 &&
        (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
      if (TCustomForm* form = vcl::GetParentForm(this))
        if (form->Perform(CM_DIALOGKEY, Message.CharCode(), Message.KeyData()) != 0) return;
    }
  }
  Message.Result = 0;
}

void TWinControl::CNChar(TWMKey& Message) {
  Message.Result = 1;
  if (!ComponentState().contains(csDesigning)) {
    // A letter held with Alt is no character the control types: it is always offered to the
    // form's accelerators, even from a control that wants the characters.
    if (Message.Msg == CN_SYSCHAR || (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
      if (TCustomForm* form = vcl::GetParentForm(this))
        if (form->Perform(CM_DIALOGCHAR, Message.CharCode(), Message.KeyData()) != 0) return;
    }
  }
  Message.Result = 0;
}

void TWinControl::CMChildKey(TMessage& Message) {
  if (parent_) Message.Result = parent_->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

void TWinControl::CMDialogKey(TCMDialogKey& Message) { Broadcast(Message); }
void TWinControl::CMDialogChar(TCMDialogChar& Message) { Broadcast(Message); }

void TWinControl::WMGetDlgCode(TMessage& Message) { Message.Result = 0; }

void TWinControl::WMCommand(TWMCommand& Message) {
  // Notifications of child windows go back to the child that sent them.
  if (TWinControl* c = FindControl(Message.Ctl()); c && Message.Ctl())
    Message.Result = c->Perform(CN_COMMAND, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

void TWinControl::WMCtlColor(TMessage& Message) {
  HWND child = reinterpret_cast<HWND>(Message.LParam);
  if (TWinControl* c = FindControl(child); c && child && c != this)
    Message.Result = c->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

// Scroll notifications of child scroll bars go back to their control (CN_HSCROLL, CN_VSCROLL).
void TWinControl::WMScroll(TMessage& Message) {
  HWND child = reinterpret_cast<HWND>(Message.LParam);
  if (TWinControl* c = child ? FindControl(child) : nullptr; c && c != this)
    Message.Result = c->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

// Owner-drawn child windows draw and measure through their control (CN_DRAWITEM and
// CN_MEASUREITEM); the measuring window is found by its control ID.
void TWinControl::WMDrawItem(TMessage& Message) {
  auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  if (TWinControl* c = dis && dis->CtlType != ODT_MENU ? FindControl(dis->hwndItem) : nullptr;
      c && c != this)
    Message.Result = c->Perform(CN_DRAWITEM, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

void TWinControl::WMMeasureItem(TMessage& Message) {
  auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  TWinControl* c = nullptr;
  if (mis && mis->CtlType != ODT_MENU && mis->CtlID != 0 && handle_)
    c = FindControl(GetDlgItem(handle_, static_cast<int>(mis->CtlID)));
  if (c && c != this)
    Message.Result = c->Perform(CN_MEASUREITEM, Message.WParam, Message.LParam);
  else
    ZYL_INHERITED(Message);
}

// ---- Window procedure ----

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PRINTCLIENT:
      // A picture of the client area taken into the DC given: painted as the screen shows it.
      if (Message.WParam && (!(Message.LParam & PRF_CHECKVISIBLE) || visible_))
        Perform(WM_PAINT, Message.WParam, 0);
      Message.Result = 0;
      return;
    case WM_SETFOCUS: {
      if (TCustomForm* form = vcl::GetParentForm(this)) {
        if (!form->SetFocusedControl(this)) return;
      }
      break;
    }
    case WM_KILLFOCUS: {
      // The focus going to a window outside the control ends its press, even while the focus
      // is still arriving (OnEnter sent it on).
      const HWND to = reinterpret_cast<HWND>(Message.WParam);
      if (!handle_ || !to || (to != handle_ && !IsChild(handle_, to))) CancelPress();
      if (controlState_.contains(csFocusing)) return;
      break;
    }
    case WM_NCHITTEST: {
      TControl::WndProc(Message);
      if (Message.Result == HTTRANSPARENT &&
          ControlAtPos(ScreenToClient({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}),
                       false))
        Message.Result = HTCLIENT;
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      // Dialog keys and accelerators were offered to the form by the message loop
      // (TApplication::IsKeyMsg) before the key was dispatched.
      if (Dragging()) return;
      break;
    case WM_MOUSELEAVE: break;
    case WM_CANCELMODE:
      if (GetCapture() == handle_ && g_captureControl && g_captureControl->parent_ == this)
        g_captureControl->Perform(WM_CANCELMODE, 0, 0);
      break;
    default: break;
  }
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    // Mouse messages over (or captured by) a graphic child go to that child.
    TControl* control = nullptr;
    TPoint pos{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
    if (Message.Msg == WM_MOUSEWHEEL) {
      control = nullptr;
    } else if (handle_ && GetCapture() == handle_) {
      if (g_captureControl && g_captureControl->parent_ == this) control = g_captureControl;
    } else {
      control = ControlAtPos(pos, false, false);
    }
    if (Message.Msg == WM_MOUSEMOVE && handle_) {
      TRACKMOUSEEVENT tme;
      tme.dwFlags = TME_LEAVE;
      tme.hwndTrack = handle_;
      TrackMouseEvent(&tme);
    }
    if (control) {
      TPoint p{pos.X - control->left_, pos.Y - control->top_};
      Message.Result = control->Perform(Message.Msg, Message.WParam,
                                        MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y)));
      if (Message.Msg == WM_MOUSEMOVE) UpdateMouseControl();
      // The window's default handling still turns a right click into WM_CONTEXTMENU.
      if (Message.Msg == WM_RBUTTONUP && Message.Result == 0 && handle_)
        DefWindowProcA(handle_, Message.Msg, Message.WParam, Message.LParam);
      return;
    }
    TControl::WndProc(Message);
    if (Message.Msg == WM_MOUSEMOVE) UpdateMouseControl();
    return;
  }
  TControl::WndProc(Message);
}

void TWinControl::WMMouseLeave(TMessage& Message) {
  ZYL_INHERITED(Message);
  UpdateMouseControl();
}

void TWinControl::WMNCHitTest(TWMNCHitTest& Message) { ZYL_INHERITED(Message); }

void TWinControl::WMSetCursor(TWMSetCursor& Message) {
  TCursor cursor = crDefault;
  if (Message.CursorWnd() == handle_ && Message.HitTest() == HTCLIENT) {
    cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* c = ControlAtPos(ScreenToClient(p), false);
      if (c) cursor = c->cursor_;
      if (cursor == crDefault) cursor = cursor_;
    }
  }
  if (cursor != crDefault && Screen) {
    win::SetCursor(Screen->Cursors(cursor));
    Message.Result = 1;
    return;
  }
  ZYL_INHERITED(Message);
}

void TWinControl::WMNCDestroy(TMessage& Message) {
  ZYL_INHERITED(Message);
  if (handle_) {
    HandleMap().erase(handle_);
    handle_ = nullptr;
  }
}

// ---- Painting ----

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !controlStyle_.contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  size_t i = 0;
  if (First) {
    auto it = std::find(controls_.begin(), controls_.end(), First);
    i = it == controls_.end() ? 0 : static_cast<size_t>(it - controls_.begin());
  }
  for (; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    const bool shown = c->visible_ || (c->ComponentState().contains(csDesigning) &&
                                       !c->controlStyle_.contains(csNoDesignVisible));
    if (!shown) continue;
    // A control without area (a width or height of 0 or less) has nothing to paint.
    TRect r = c->BoundsRect();
    if (IsRectEmpty(&r) || !RectVisible(DC, &r)) continue;
    if (controlState_.contains(csPaintCopy)) c->controlState_ += csPaintCopy;
    TFinally endCopy([c] { c->controlState_ -= csPaintCopy; });
    TSavedDC saved(DC);
    OffsetWindowOrgEx(DC, -c->left_, -c->top_, nullptr);
    IntersectClipRect(DC, 0, 0, c->width_, c->height_);
    c->Perform(WM_PAINT, PtrToWParam(DC), 0);
  }
}

void TWinControl::PaintHandler(TWMPaint& Message) {
  HDC dc = Message.DC();
  std::optional<TPaintDC> paint;
  if (!dc) dc = paint.emplace(Handle()).Get();
  if (controls_.empty()) {
    PaintWindow(dc);
  } else {
    TSavedDC saved(dc);
    int clip = SIMPLEREGION;
    for (TControl* c : controls_) {
      if (c->visible_ && c->controlStyle_.contains(csOpaque)) {
        const TRect r = Bounds(c->left_, c->top_, c->width_, c->height_);
        clip = ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
        if (clip == NULLREGION) break;
      }
    }
    if (clip != NULLREGION) PaintWindow(dc);
  }
  PaintControls(dc, nullptr);
}

void TWinControl::WMPaint(TWMPaint& Message) {
  if (!doubleBuffered_ || Message.DC()) {
    if (!controlState_.contains(csCustomPaint) && controls_.empty())
      ZYL_INHERITED(Message);
    else
      PaintHandler(Message);
    return;
  }
  // Double buffered: paint into a memory bitmap, then copy it in one go.
  TRect cr = GetClientRect();
  TOwnedObject<HBITMAP> bmp([&] {
    TWindowDC screen(nullptr);
    return CreateCompatibleBitmap(screen, std::max(1, cr.Right), std::max(1, cr.Bottom));
  }());
  TMemoryDC mem;
  TSelectedObject selected(mem, bmp);
  TPaintDC dc(handle_);
  Perform(WM_ERASEBKGND, PtrToWParam(mem.Get()), PtrToLParam(mem.Get()));
  Message.WParam = PtrToWParam(mem.Get());
  {
    TFinally done([&Message] { Message.WParam = 0; });
    WMPaint(Message);
  }
  BitBlt(dc, 0, 0, cr.Right, cr.Bottom, mem, 0, 0, SRCCOPY);
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  if (!doubleBuffered_ || static_cast<LPARAM>(Message.WParam) == Message.LParam) {
    TRect r = GetClientRect();
    FillRect(Message.DC(), &r, brush_->Handle());
  }
  Message.Result = 1;
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  if (!DC) throw EInvalidOperation(SNoCanvasHandle);
  TSavedDC saved(DC);
  // X and Y are in the DC's logical units: an origin the caller moved moves the picture too.
  OffsetWindowOrgEx(DC, -X, -Y, nullptr);
  IntersectClipRect(DC, 0, 0, width_, height_);
  AlignBrushOrigin(DC);
  // A control's frame as the window system draws it, then its client area where it stands
  // inside; a form's picture is its client area.
  if (handle_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)) {
    Perform(WM_PRINT, PtrToWParam(DC), PRF_NONCLIENT);
    POINT client{0, 0};
    win::ClientToScreen(handle_, &client);
    RECT whole{}, area{};
    GetWindowRect(handle_, &whole);
    win::GetClientRect(handle_, &area);
    OffsetWindowOrgEx(DC, whole.Left - client.X, whole.Top - client.Y, nullptr);
    IntersectClipRect(DC, 0, 0, area.Right, area.Bottom);
    AlignBrushOrigin(DC);
  }
  Perform(WM_ERASEBKGND, PtrToWParam(DC), PtrToLParam(DC));
  Perform(WM_PAINT, PtrToWParam(DC), 0);
  for (TWinControl* c : winControls_) {
    if (c->visible_) c->PaintTo(DC, c->left_, c->top_);
  }
}

ZYL_MESSAGE_MAP(TWinControl) {
  m.On(WM_PAINT, &TWinControl::WMPaint)
      .On(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd)
      .On(WM_SETFOCUS, &TWinControl::WMSetFocus)
      .On(WM_KILLFOCUS, &TWinControl::WMKillFocus)
      .On(WM_KEYDOWN, &TWinControl::WMKeyDown)
      .On(WM_SYSKEYDOWN, &TWinControl::WMSysKeyDown)
      .On(WM_KEYUP, &TWinControl::WMKeyUp)
      .On(WM_CHAR, &TWinControl::WMChar)
      .On(WM_SIZE, &TWinControl::WMSize)
      .On(WM_WINDOWPOSCHANGED, &TWinControl::WMWindowPosChanged)
      .On(WM_NCHITTEST, &TWinControl::WMNCHitTest)
      .On(WM_SETCURSOR, &TWinControl::WMSetCursor)
      .On(WM_NCDESTROY, &TWinControl::WMNCDestroy)
      .On(WM_MOUSELEAVE, &TWinControl::WMMouseLeave)
      .On(WM_COMMAND, &TWinControl::WMCommand)
      .On(WM_CTLCOLOREDIT, &TWinControl::WMCtlColor)
      .On(WM_CTLCOLORSTATIC, &TWinControl::WMCtlColor)
      .On(WM_CTLCOLORBTN, &TWinControl::WMCtlColor)
      .On(WM_HSCROLL, &TWinControl::WMScroll)
      .On(WM_VSCROLL, &TWinControl::WMScroll)
      .On(WM_DRAWITEM, &TWinControl::WMDrawItem)
      .On(WM_MEASUREITEM, &TWinControl::WMMeasureItem)
      .On(WM_GETDLGCODE, &TWinControl::WMGetDlgCode)
      .On(CM_ENTER, &TWinControl::CMEnter)
      .On(CM_EXIT, &TWinControl::CMExit)
      .On(CM_CHILDKEY, &TWinControl::CMChildKey)
      .On(CM_DIALOGKEY, &TWinControl::CMDialogKey)
      .On(CM_DIALOGCHAR, &TWinControl::CMDialogChar)
      .On(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged)
      .On(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged)
      .On(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged)
      .On(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged)
      .On(CM_COLORCHANGED, &TWinControl::CMColorChanged)
      .On(CM_FONTCHANGED, &TWinControl::CMFontChanged)
      .On(CM_CTL3DCHANGED, &TWinControl::CMCtl3DChanged)
      .On(CM_PARENTCTL3DCHANGED, &TWinControl::CMParentCtl3DChanged)
      .On(CM_SHOWHINTCHANGED, &TWinControl::CMShowHintChanged)
      .On(CM_BIDIMODECHANGED, &TWinControl::CMBiDiModeChanged)
      .On(WM_GETMINMAXINFO, &TWinControl::WMGetMinMaxInfo)
      .On(CM_SYSCOLORCHANGE, &TWinControl::CMSysColorChange)
      .On(WM_SYSCOLORCHANGE, &TWinControl::WMSystemChange)
      .On(WM_WININICHANGE, &TWinControl::WMSystemChange)
      .On(WM_FONTCHANGE, &TWinControl::WMSystemChange)
      .On(WM_TIMECHANGE, &TWinControl::WMSystemChange)
      .On(CM_WININICHANGE, &TWinControl::CMSystemChange)
      .On(CM_FONTCHANGE, &TWinControl::CMSystemChange)
      .On(CM_TIMECHANGE, &TWinControl::CMSystemChange)
      .On(CM_RECREATEWND, &TWinControl::CMRecreateWnd)
      .On(CM_TEXTCHANGED, &TWinControl::CMTextChanged)
      .On(CN_KEYDOWN, &TWinControl::CNKeyDown)
      .On(WM_CONTEXTMENU, &TWinControl::WMContextMenu)
      .On(CN_SYSKEYDOWN, &TWinControl::CNKeyDown)
      .On(CN_CHAR, &TWinControl::CNChar)
      .On(CN_SYSCHAR, &TWinControl::CNChar);
}

ZYL_CLASS_IMPL(TWinControl) {
  b.IgnoresInsertNotification();
  using C = TWinControl;
  b.Declare("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
      .Stored(&C::IsCtl3DStored)
      .Declare("ImeMode", &C::ImeMode, &C::SetImeMode)
      .Default(imDontCare)
      .Declare("ImeName", &C::ImeName, &C::SetImeName, ImeNameTypeInfo())
      .Declare("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D)
      .Default(true)
      .Declare("TabOrder", &C::TabOrder, &C::SetTabOrder)
      .Declare("TabStop", &C::TabStop, &C::SetTabStop)
      .Default(false)
      .Declare("OnEnter", &C::GetOnEnter, &C::SetOnEnter)
      .Declare("OnExit", &C::GetOnExit, &C::SetOnExit)
      .Declare("OnKeyDown", &C::GetOnKeyDown, &C::SetOnKeyDown)
      .Declare("OnKeyPress", &C::GetOnKeyPress, &C::SetOnKeyPress)
      .Declare("OnKeyUp", &C::GetOnKeyUp, &C::SetOnKeyUp);
}

}  // namespace vcl
