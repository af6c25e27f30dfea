#include "platform/controls/WinControl.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

namespace {

// A minimized top-level window: its icon is no place of its control, which stands where the
// window is restored to.
bool IsIconicTopLevel(HWND h) { return IsIconic(h) && !(GetWindowLongA(h, GWL_STYLE) & WS_CHILD); }

// The work area's top-left corner, the origin of the normal places of top-level windows.
POINT WorkAreaOrigin() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return {work.Left, work.Top};
}

// The window's bounds in its parent's client coordinates (on the screen for a top-level
// window); a minimized top-level window's are those it is restored to.
RECT WindowBounds(HWND h) {
  RECT r;
  if (IsIconicTopLevel(h)) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(h, &wp);
    r = wp.rcNormalPosition;
    const POINT origin = WorkAreaOrigin();
    OffsetRect(&r, origin.X, origin.Y);
    return r;
  }
  GetWindowRect(h, &r);
  if (HWND p = GetParent(h); p && (GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A minimized top-level window is given the normal place it is restored to.
void SetNormalPlace(HWND h, const TRect& r) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(h, &wp);
  const POINT origin = WorkAreaOrigin();
  wp.rcNormalPosition = r;
  OffsetRect(&wp.rcNormalPosition, -origin.X, -origin.Y);
  // It stays minimized, and hidden when it is.
  wp.showCmd = IsWindowVisible(h) ? SW_SHOWMINNOACTIVE : SW_HIDE;
  SetWindowPlacement(h, &wp);
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  brush_ = new TBrush;
  brush_->SetColor(color_);
  parentWindow_ = nullptr;
}

TWinControl* TWinControl::CreateParented(TClass cls, HWND ParentWindow) {
  TComponent* c = cls->Create(nullptr);
  auto* w = dynamic_cast<TWinControl*>(c);
  if (!w) {
    delete c;
    throw EInvalidCast(SInvalidCast);
  }
  w->SetParentWindow(ParentWindow);
  return w;
}

TWinControl::~TWinControl() {
  Destroying();
  if (g_mouseControl == this) g_mouseControl = nullptr;
  while (!controls_.empty() || !winControls_.empty()) {
    TControl* c =
        !winControls_.empty() ? static_cast<TControl*>(winControls_.back()) : controls_.back();
    RemoveControl(c);
    delete c;
  }
  if (parent_) parent_->RemoveControl(this);
  if (handle_) DestroyWindowHandle();
  delete brush_;
}

void TWinControl::DefaultHandler(void* Message) {
  auto* m = static_cast<TMessage*>(Message);
  if (m->Msg == WM_SETTEXT) StoreText(m->LParam ? reinterpret_cast<const char*>(m->LParam) : "");
  if (handle_) {
    if (m->Msg == WM_GETTEXT || m->Msg == WM_GETTEXTLENGTH) {
      TControl::DefaultHandler(Message);
      return;
    }
    m->Result = CallWindowProcA(defWndProc_ ? defWndProc_ : DefWindowProcA, handle_, m->Msg,
                                m->WParam, m->LParam);
    return;
  }
  if (m->Msg != WM_SETTEXT)
    TControl::DefaultHandler(Message);
  else
    m->Result = 1;
}

void TWinControl::StoreText(const TCaption& Value) { text_ = Value; }

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND Value) {
  if (parentWindow_ == Value) return;
  if (handle_ && parentWindow_ && Value) {
    parentWindow_ = Value;
    win::SetParent(handle_, Value);
  } else {
    DestroyHandle();
    parentWindow_ = Value;
  }
  UpdateControlState();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams();
  Params.Caption = text_;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_.contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!ComponentState().contains(csDesigning) && !enabled_) Params.Style |= WS_DISABLED;
  if (tabStop_) Params.Style |= WS_TABSTOP;
  Params.X = left_;
  Params.Y = top_;
  Params.Width = width_;
  Params.Height = height_;
  Params.WndParent = parent_ ? (paramsForMetrics_ ? nullptr : parent_->Handle()) : parentWindow_;
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = DefWindowProcA;
  Params.WindowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(IDC_ARROW));
  Params.WindowClass.hbrBackground = nullptr;
  Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (!params.WndParent && (params.Style & WS_CHILD)) {
    auto* ownerWin = dynamic_cast<TWinControl*>(Owner());
    if (ownerWin && Owner()->ComponentState().contains(csReading))
      params.WndParent = ownerWin->Handle();
    else
      throw EInvalidOperation(FormatName(SParentRequired, Name()));
  }
  defWndProc_ = params.WindowClass.lpfnWndProc;
  WNDCLASSA wc = params.WindowClass;
  wc.lpfnWndProc = &ControlWndProc;
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterOwnClass(wc)) throw EOutOfResources(Format(SWindowClass, {params.WinClassName}));
  g_creationControl = this;
  {
    TFinally created([] { g_creationControl = nullptr; });
    CreateWindowHandle(params);
  }
  if (!handle_) throw EOutOfResources(Format(SWindowCreate, {ClassName()}));
  if ((GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) && GetWindowLongA(handle_, GWL_ID) == 0)
    SetWindowLongA(handle_, GWL_ID,
                   static_cast<LONG>(reinterpret_cast<uintptr_t>(handle_) & 0x7FFFFFFF));
  // The window may have been placed elsewhere than asked (default positions of top-level windows).
  UpdateBoundsRect(WindowBounds(handle_));
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  HWND h = CreateWindowExA(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(),
                           Params.Style, Params.X, Params.Y, Params.Width, Params.Height,
                           Params.WndParent, nullptr, nullptr, Params.Param);
  if (h && !handle_) {
    handle_ = h;
    HandleMap()[h] = this;
  }
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  CreateWnd();
  if (parent_) {
    // Keep the windows' z-order in the order of the windowed children: below the next
    // higher sibling that has a window.
    HWND after = HWND_TOP;
    auto it = std::find(parent_->winControls_.begin(), parent_->winControls_.end(), this);
    if (it != parent_->winControls_.end()) {
      for (auto j = it + 1; j != parent_->winControls_.end(); ++j)
        if ((*j)->handle_) {
          after = (*j)->handle_;
          break;
        }
    }
    SetWindowPos(handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  if (showing_)
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TWinControl::DestroyWnd() { DestroyWindowHandle(); }

void TWinControl::DestroyWindowHandle() {
  controlState_ += csDestroyingHandle;
  HWND h = handle_;
  if (h) {
    if (IsWindow(h)) DestroyWindow(h);
    HandleMap().erase(h);
  }
  handle_ = nullptr;
  controlState_ -= csDestroyingHandle;
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* c : winControls_) c->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  // The focus held inside stays with its control: the old windows' going hands it to a parent
  // for a while, which the form does not count as a move of the user's (csRecreating).
  const HWND focus = GetFocus();
  const bool focusInside = focus && (focus == handle_ || IsChild(handle_, focus));
  {
    controlState_ += csRecreating;
    TFinally done([this] { controlState_ -= csRecreating; });
    DestroyHandle();
    UpdateControlState();
  }
  if (!focusInside || !handle_) return;
  TCustomForm* form = vcl::GetParentForm(this);
  TWinControl* to = form && ContainsControl(form->ActiveControl()) ? form->ActiveControl() : this;
  if (to->HandleAllocated()) win::SetFocus(to->Handle());
}

void TWinControl::UpdateShowing() {
  const bool show = (visible_ || (ComponentState().contains(csDesigning) &&
                                  !controlStyle_.contains(csNoDesignVisible))) &&
                    !controlState_.contains(csReadingState);
  if (show) {
    if (!handle_) CreateHandle();
    for (size_t i = 0; i < winControls_.size(); ++i) winControls_[i]->UpdateShowing();
  }
  if (showing_ != show) {
    showing_ = show;
    const TOnFailure undo([this, show] { showing_ = !show; });
    Perform(CM_SHOWINGCHANGED, 0, 0);
  }
}

void TWinControl::UpdateControlState() {
  TWinControl* c = this;
  while (c->parent_) {
    c = c->parent_;
    if (!c->showing_) return;
  }
  if (dynamic_cast<TCustomForm*>(c) || c->parentWindow_) UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (!handle_) return;
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (showing_ ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
  if (!visible_ && parent_) {
    if (TCustomForm* f = vcl::GetParentForm(this)) f->DefocusControl(this, false);
  }
  if (!ComponentState().contains(csDesigning) || !parent_) UpdateControlState();
  (void)Message;
}

void TWinControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (handle_ && AParent != parent_ && !parent_) {
    // A top-level window becoming a child is made again under its new parent.
    DestroyHandle();
  }
  TControl::SetParent(AParent);
}

TControl* TWinControl::Controls(int Index) const {
  const int n = static_cast<int>(controls_.size());
  if (Index < 0 || Index >= ControlCount()) throw EListError(Format(SListIndexError, {Index}));
  return Index < n ? controls_[Index] : winControls_[Index - n];
}

namespace {

// Children leave mostly from the end (a parent freeing its children, the last first), so the
// search runs backwards.
template <class T, class U>
void EraseLast(std::vector<T*>& list, U* item) {
  for (size_t i = list.size(); i-- > 0;)
    if (list[i] == item) {
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
}

// The bit of childKey_ that puts windowed children after the graphic ones.
constexpr uint64_t kWindowedKey = uint64_t{1} << 62;

}  // namespace

void TWinControl::InsertControl(TControl* AControl) {
  Perform(CM_CONTROLLISTCHANGE, PtrToWParam(AControl), 1);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    winControls_.push_back(w);
    tabList_.push_back(w);
  } else {
    controls_.push_back(AControl);
  }
  AControl->parent_ = this;
  // Windowed children come after the graphic ones in Controls(i).
  AControl->childKey_ = ++nextChildKey_ | (dynamic_cast<TWinControl*>(AControl) ? kWindowedKey : 0);
  if (AControl->NeedsAlignWork()) alignWork_.push_back(AControl);
  if (!AControl->ComponentState().contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
      AControl->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
      w->UpdateControlState();
    } else if (handle_) {
      AControl->Invalidate();
    }
    // A hidden control takes no room: it moves nothing (it is placed when it shows), so a
    // parent given many hidden pages does not realign them all once per page.
    if (AControl->visible_ || AControl->ComponentState().contains(csDesigning))
      AlignControl(AControl);
  }
  Perform(CM_CONTROLCHANGE, PtrToWParam(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  Perform(CM_CONTROLCHANGE, PtrToWParam(AControl), 0);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (TCustomForm* f = vcl::GetParentForm(w)) f->DefocusControl(w, true);
    w->DestroyHandle();
    w->showing_ = false;
    EraseLast(winControls_, w);
    EraseLast(tabList_, w);
  } else {
    if (handle_) AControl->InvalidateControl(AControl->visible_, false);
    EraseLast(controls_, AControl);
  }
  if (g_captureControl == AControl) g_captureControl = nullptr;
  if (AControl->NeedsAlignWork()) EraseLast(alignWork_, AControl);
  AControl->parent_ = nullptr;
  // The anchor rules belonged to this parent; the next one takes its own.
  AControl->originalParentSize_ = {0, 0};
  Perform(CM_CONTROLLISTCHANGE, PtrToWParam(AControl), 0);
  if (!ComponentState().contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (TControl* c = Control; c; c = c->parent_)
    if (c == this) return true;
  return false;
}

void TWinControl::AlignWorkChanged(TControl* AControl, bool Worked) {
  const bool works = AControl->NeedsAlignWork();
  if (works && !Worked)
    alignWork_.push_back(AControl);
  else if (!works && Worked) {
    EraseLast(alignWork_, AControl);
    alignWorkLeft_ = true;
  }
}

std::vector<TControl*> TWinControl::AlignWorkInOrder() {
  if (childKeysStale_) {
    childKeysStale_ = false;
    uint64_t key = 0;
    for (TControl* c : controls_) c->childKey_ = ++key;
    for (TControl* c : winControls_) c->childKey_ = ++key | kWindowedKey;
    nextChildKey_ = key;
  }
  std::vector<TControl*> list = alignWork_;
  const auto before = [](const TControl* a, const TControl* b) {
    return a->childKey_ < b->childKey_;
  };
  // Kept in the order the children came, unless their z-order changed since.
  if (!std::is_sorted(list.begin(), list.end(), before))
    std::sort(list.begin(), list.end(), before);
  return list;
}

void TWinControl::SetZOrderPosition(TControl* AControl, int Position) {
  childKeysStale_ = true;
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    auto it = std::find(winControls_.begin(), winControls_.end(), w);
    if (it == winControls_.end()) return;
    winControls_.erase(it);
    const int pos = std::clamp(Position, 0, static_cast<int>(winControls_.size()));
    winControls_.insert(winControls_.begin() + pos, w);
    if (w->handle_) {
      HWND after = HWND_TOP;
      for (size_t j = static_cast<size_t>(pos) + 1; j < winControls_.size(); ++j)
        if (winControls_[j]->handle_) {
          after = winControls_[j]->handle_;
          break;
        }
      SetWindowPos(w->handle_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  } else {
    auto it = std::find(controls_.begin(), controls_.end(), AControl);
    if (it == controls_.end()) return;
    controls_.erase(it);
    const int pos = std::clamp(Position, 0, static_cast<int>(controls_.size()));
    controls_.insert(controls_.begin() + pos, AControl);
    AControl->InvalidateControl(AControl->visible_, true);
  }
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
  auto* c = dynamic_cast<TControl*>(Child);
  if (c && c->parent_ == this) SetZOrderPosition(c, Order);
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->Owner() == Root) Proc(c);
  }
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) {
  auto hit = [&](TControl* c) {
    POINT p{ClampToInt(int64_t{Pos.X} - c->left_), ClampToInt(int64_t{Pos.Y} - c->top_)};
    TRect r = c->GetClientRect();
    if (!PtInRect(&r, p)) return false;
    if (c->ComponentState().contains(csDesigning))
      return c->visible_ || !c->controlStyle_.contains(csNoDesignVisible);
    return c->visible_ && (c->enabled_ || AllowDisabled) &&
           c->Perform(CM_HITTEST, 0, MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y))) !=
               0;
  };
  if (AllowWinControls)
    for (auto it = winControls_.rbegin(); it != winControls_.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (c->windowProc_)
      c->windowProc_(Message);
    else
      c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(UINT Msg) {
  TMessage m{Msg, 0, 0, 0};
  Broadcast(m);
}

// ---- Alignment ----

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0) --alignLevel_;
  if (alignLevel_ == 0 && controlState_.contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::SetBorderWidth(int32_t Value) {
  if (borderWidth_ == Value) return;
  borderWidth_ = Value;
  Realign();
  Invalidate();
}

void TWinControl::AlignControl(TControl* AControl) {
  if (ComponentState().contains(csDestroying)) return;
  if (alignLevel_ != 0) {
    controlState_ += csAlignmentNeeded;
    return;
  }
  DisableAlign();
  TFinally done([this] {
    controlState_ -= csAlignmentNeeded;
    EnableAlign();
  });
  TRect r = GetClientRect();
  AlignControls(AControl, r);
}

void TWinControl::AdjustClientRect(TRect& Rect) {
  const int inset = ClampToInt(-int64_t{borderWidth_});
  InflateRect(&Rect, inset, inset);
}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  // Only aligned or anchored children move; without any the passes below change nothing.
  if (alignWork_.empty()) return;
  // A plain child (not aligned, anchored top left) placed or moved takes no room from the
  // aligned ones and follows no anchors: what the last alignment placed stays where it is.
  if (AControl && AControl->parent_ == this && !AControl->NeedsAlignWork() && !alignWorkLeft_)
    return;
  alignWorkLeft_ = false;
  // Only the children that need it are walked, in the order of Controls(i).
  const std::vector<TControl*> work = AlignWorkInOrder();
  std::vector<TControl*> list;
  // The order the controls of one alignment take from their edge: the control being aligned
  // first, then each other one in Controls(i) order before the first it lies before. For the
  // top and left edges a control lies before those starting after it (ties keep that order);
  // for the bottom and right ones before those ending at or before its end (ties reverse
  // it). One stable sort gives the same order.
  auto order = [&list](TAlign a) {
    const auto sortBy = [&list](auto key, bool fromEnd) {
      if (fromEnd) std::reverse(list.begin(), list.end());
      const auto before = [&](const TControl* c1, const TControl* c2) {
        return fromEnd ? key(c1) > key(c2) : key(c1) < key(c2);
      };
      if (!std::is_sorted(list.begin(), list.end(), before))
        std::stable_sort(list.begin(), list.end(), before);
    };
    switch (a) {
      case alTop: sortBy([](const TControl* c) { return int64_t{c->top_}; }, false); break;
      case alBottom:
        sortBy([](const TControl* c) { return int64_t{c->top_} + c->height_; }, true);
        break;
      case alLeft: sortBy([](const TControl* c) { return int64_t{c->left_}; }, false); break;
      case alRight:
        sortBy([](const TControl* c) { return int64_t{c->left_} + c->width_; }, true);
        break;
      default: break;
    }
  };
  auto shown = [](TControl* c) {
    return c->visible_ || (c->ComponentState().contains(csDesigning) &&
                           !c->controlStyle_.contains(csNoDesignVisible));
  };
  // In 64 bits: a control's size may lie at int's limits; the rest of the area stops at them.
  auto doPosition = [&Rect](TControl* c, TAlign a) {
    int newWidth = ClampToInt(int64_t{Rect.Right} - Rect.Left);
    if (newWidth < 0 || a == alLeft || a == alRight) newWidth = c->width_;
    int newHeight = ClampToInt(int64_t{Rect.Bottom} - Rect.Top);
    if (newHeight < 0 || a == alTop || a == alBottom) newHeight = c->height_;
    int newLeft = Rect.Left, newTop = Rect.Top;
    auto add = [](int& edge, int64_t delta) { edge = ClampToInt(edge + delta); };
    switch (a) {
      case alTop: add(Rect.Top, newHeight); break;
      case alBottom:
        add(Rect.Bottom, -int64_t{newHeight});
        newTop = Rect.Bottom;
        break;
      case alLeft: add(Rect.Left, newWidth); break;
      case alRight:
        add(Rect.Right, -int64_t{newWidth});
        newLeft = Rect.Right;
        break;
      default: break;
    }
    c->SetBounds(newLeft, newTop, newWidth, newHeight);
    if (c->width_ != newWidth || c->height_ != newHeight) {
      const int64_t dw = int64_t{newWidth} - c->width_, dh = int64_t{newHeight} - c->height_;
      switch (a) {
        case alTop: add(Rect.Top, -dh); break;
        case alBottom: add(Rect.Bottom, dh); break;
        case alLeft: add(Rect.Left, -dw); break;
        case alRight: add(Rect.Right, dw); break;
        case alClient:
          add(Rect.Right, dw);
          add(Rect.Bottom, dh);
          break;
        default: break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
    list.clear();
    if (AControl && AControl->parent_ == this && AControl->align_ == a && shown(AControl))
      list.push_back(AControl);
    for (TControl* c : work)
      if (c->align_ == a && shown(c) && c != AControl) list.push_back(c);
    order(a);
    for (TControl* c : list) doPosition(c, a);
  }
  // Controls that are not aligned follow their anchors.
  TPoint parentSize{-1, -1};
  for (TControl* c : work) {
    if (c->align_ != alNone || c->originalParentSize_.X == 0 || c->originalParentSize_.Y == 0 ||
        c->ComponentState().contains(csLoading))
      continue;
    if (parentSize.X < 0) {
      const TRect r = GetClientRect();
      parentSize = {r.Right, r.Bottom};
    }
    const TPoint& ops = c->originalParentSize_;
    const TPoint& rules = c->anchorRules_;
    int newLeft = c->left_, newTop = c->top_, newWidth = c->width_, newHeight = c->height_;
    if (c->anchors_.contains(akRight)) {
      if (c->anchors_.contains(akLeft))
        newWidth = parentSize.X - (ops.X - rules.X);
      else
        newLeft = parentSize.X - (ops.X - rules.X);
    } else if (!c->anchors_.contains(akLeft)) {
      newLeft = MulDiv(rules.X, parentSize.X, ops.X) - newWidth / 2;
    }
    if (c->anchors_.contains(akBottom)) {
      if (c->anchors_.contains(akTop))
        newHeight = parentSize.Y - (ops.Y - rules.Y);
      else
        newTop = parentSize.Y - (ops.Y - rules.Y);
    } else if (!c->anchors_.contains(akTop)) {
      newTop = MulDiv(rules.Y, parentSize.Y, ops.Y) - newHeight / 2;
    }
    c->anchorMove_ = true;
    TFinally moved([c] { c->anchorMove_ = false; });
    c->SetBounds(newLeft, newTop, std::max(0, newWidth), std::max(0, newHeight));
  }
}

// ---- Geometry ----

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  DoConstrainedResize(AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  if (!CanResize(AWidth, AHeight)) return;
  DoConstrainedResize(AWidth, AHeight);
  if (handle_ && !IsIconic(handle_)) {
    SetWindowPos(handle_, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    // The window may refuse or adjust; the bounds follow what it did.
    UpdateBoundsRect(WindowBounds(handle_));
  } else {
    if (handle_ && IsIconicTopLevel(handle_))
      SetNormalPlace(handle_, Bounds(ALeft, ATop, AWidth, AHeight));
    const bool sized = AWidth != width_ || AHeight != height_;
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    UpdateAnchorRules();
    RequestAlign();
    if (sized) {
      Realign();
      if (!ComponentState().contains(csLoading)) Resize();
    }
  }
}

void TWinControl::UpdateBoundsRect(const TRect& R) {
  const bool moved = R.Left != left_ || R.Top != top_;
  const bool sized = R.Width() != width_ || R.Height() != height_;
  if (!moved && !sized) return;
  TControl::UpdateBoundsRect(R);
  UpdateAnchorRules();
  RequestAlign();
  if (sized) {
    Realign();
    if (!ComponentState().contains(csLoading)) Resize();
  }
}

TRect TWinControl::GetClientRect() {
  if (handle_ && IsIconicTopLevel(handle_)) {
    // The client area of the window as restored: its bounds less the frame of its style.
    RECT nc{0, 0, 0, 0};
    AdjustWindowRectEx(&nc, static_cast<DWORD>(GetWindowLongA(handle_, GWL_STYLE)),
                       GetMenu(handle_) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE)));
    return Rect(0, 0, std::max(0, ClampToInt(int64_t{width_} - nc.Width())),
                std::max(0, ClampToInt(int64_t{height_} - nc.Height())));
  }
  if (handle_) {
    RECT r;
    win::GetClientRect(handle_, &r);
    return r;
  }
  TCreateParams p;
  paramsForMetrics_ = true;
  {
    TFinally done([this] { paramsForMetrics_ = false; });
    CreateParams(p);
  }
  RECT nc{0, 0, 0, 0};
  AdjustWindowRectEx(&nc, p.Style, FALSE, p.ExStyle);
  return Rect(0, 0, std::max(0, ClampToInt(int64_t{width_} - nc.Width())),
              std::max(0, ClampToInt(int64_t{height_} - nc.Height())));
}

TPoint TWinControl::ClientOrigin() {
  POINT p{0, 0};
  win::ClientToScreen(Handle(), &p);
  return p;
}

void TWinControl::WMWindowPosChanged(TWMWindowPosMsg& Message) {
  ZYL_INHERITED(Message);
  if (!handle_ || controlState_.contains(csDestroyingHandle)) return;
  UpdateBoundsRect(WindowBounds(handle_));
}

// A client area that changed while the window kept its size (a scroll bar came or went, the
// frame changed) has its controls aligned again; a window that changed its size is aligned as
// its bounds are taken (UpdateBoundsRect).
void TWinControl::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (r.Right - r.Left == width_ && r.Bottom - r.Top == height_) Realign();
}

// ---- State messages ----

void TWinControl::SetEnabled(bool Value) { TControl::SetEnabled(Value); }

void TWinControl::CMEnabledChanged(TMessage&) {
  if (!enabled_ && parent_) {
    if (TCustomForm* f = vcl::GetParentForm(this)) f->DefocusControl(this, false);
  }
  if (handle_ && !ComponentState().contains(csDesigning)) EnableWindow(handle_, enabled_);
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  brush_->SetColor(color_);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::FontChanged(TObject* Sender) { TControl::FontChanged(Sender); }

void TWinControl::CMFontChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::SetCtl3D(bool Value) {
  // The value the control follows, set again, leaves it following its parent.
  if (ctl3D_ == Value) return;
  ctl3D_ = Value;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (parentCtl3D_ == Value) return;
  parentCtl3D_ = Value;
  if (parent_ && !ComponentState().contains(csReading)) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::CMCtl3DChanged(TMessage&) {
  Invalidate();
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage& Message) {
  if (!parentCtl3D_) return;
  if (Message.WParam != 0)
    SetCtl3D(Message.LParam != 0);
  else if (parent_)
    SetCtl3D(parent_->ctl3D_);
  parentCtl3D_ = true;
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }

void TWinControl::CMBiDiModeChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}

// A top-level window resized by the window system keeps to the constraints too.
void TWinControl::WMGetMinMaxInfo(TMessage& Message) {
  ZYL_INHERITED(Message);
  auto* mmi = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  if (!mmi) return;
  if (constraints_->MinWidth() > 0) mmi->ptMinTrackSize.X = constraints_->MinWidth();
  if (constraints_->MinHeight() > 0) mmi->ptMinTrackSize.Y = constraints_->MinHeight();
  if (constraints_->MaxWidth() > 0) mmi->ptMaxTrackSize.X = constraints_->MaxWidth();
  if (constraints_->MaxHeight() > 0) mmi->ptMaxTrackSize.Y = constraints_->MaxHeight();
}

void TWinControl::CMSysColorChange(TMessage&) {
  brush_->SetColor(color_);
  Invalidate();
  NotifyControls(CM_SYSCOLORCHANGE);
}

// A font change also has the screen read its font list again when next asked for.
void TWinControl::WMSystemChange(TMessage& Message) {
  UINT own = CM_TIMECHANGE;
  switch (Message.Msg) {
    case WM_SYSCOLORCHANGE: own = CM_SYSCOLORCHANGE; break;
    case WM_WININICHANGE: own = CM_WININICHANGE; break;
    case WM_FONTCHANGE:
      if (Screen) Screen->ResetFonts();
      own = CM_FONTCHANGE;
      break;
    default: break;
  }
  Perform(own, Message.WParam, Message.LParam);
  Message.Result = 0;
}

// Every child control hears the change, whatever an earlier one answered.
void TWinControl::CMSystemChange(TMessage& Message) {
  for (int i = 0; i < ControlCount(); ++i)
    Controls(i)->Perform(Message.Msg, Message.WParam, Message.LParam);
}

void TWinControl::CMTextChanged(TMessage&) {}

void TWinControl::ReadState(TReader* Reader) {
  {
    DisableAlign();
    TFinally enable([this] { EnableAlign(); });
    TControl::ReadState(Reader);
  }
  FixupTabList();
  if (parent_) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
}

void TWinControl::FixupTabList() {
  const size_t count = tabList_.size();
  std::vector<TWinControl*> placed(count, nullptr);
  for (TWinControl* c : tabList_) {
    const int32_t at = std::exchange(c->pendingTabOrder_, -1);
    if (at >= 0 && static_cast<size_t>(at) < count) placed[static_cast<size_t>(at)] = c;
  }
  for (size_t i = 0; i < count; ++i) {
    if (!placed[i]) continue;
    auto it = std::find(tabList_.begin(), tabList_.end(), placed[i]);
    tabList_.erase(it);
    tabList_.insert(tabList_.begin() + static_cast<std::ptrdiff_t>(i), placed[i]);
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::ChangeScale(int M, int D) {
  if (M == D) return;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->ChangeScale(M, D);
  TControl::ChangeScale(M, D);
  UpdateChildAnchorRules();
  EnableAlign();
}

void TWinControl::UpdateChildAnchorRules() {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->UpdateAnchorRules();
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
}

}  // namespace vcl
