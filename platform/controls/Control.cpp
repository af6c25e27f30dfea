#include "platform/controls/Control.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;
using namespace controls_internal;

namespace {

// The one drag under way: its source, whether it has started (an immediate drag at once, else
// once the mouse moved past the threshold), the control last asked and its answer.
struct TDrag {
  TControl* Source = nullptr;
  bool Started = false;
  // The source's own mouse gesture (a button held down, a selection) was ended.
  bool GestureEnded = false;
  // The drag itself moves the mouse's capture (a loss then ends no drag).
  bool Recapturing = false;
  // The drag is ending: its last control is told, the mouse is let go.
  bool Ending = false;
  TPoint Origin;
  int Threshold = 0;
  TControl* Target = nullptr;
  bool Accepted = false;
  TPoint Pos;
};

TDrag g_drag;

// A control that goes is no longer the drag's source or target.
void ForgetDrag(TControl* c) {
  if (g_drag.Target == c) {
    g_drag.Target = nullptr;
    g_drag.Accepted = false;
  }
  if (g_drag.Source != c) return;
  g_drag = TDrag{};
  if (GetCaptureControl() == c) SetCaptureControl(nullptr);
}

}  // namespace

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  font_ = new TFont;
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  constraints_ = new TSizeConstraints(this);
  constraints_->SetOnChange(TNotifyEvent(this, &TControl::DoConstraintsChange));
  windowProc_ = TWndMethod(this, &TControl::WndProc);
}

TControl::~TControl() {
  ForgetDrag(this);
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (g_captureControl == this) g_captureControl = nullptr;
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
  SetAction(nullptr);
  constraints_->SetOnChange(TNotifyEvent());
  delete constraints_;
  delete font_;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (windowProc_)
    windowProc_(m);
  else
    WndProc(m);
  return m.Result;
}

void TControl::Dispatch(void* Message) {
  auto* m = static_cast<TMessage*>(Message);
  if (!DispatchMessageMap(this, ClassType(), *m)) DefaultHandler(Message);
}

void TControl::DefaultHandler(void* Message) {
  auto* m = static_cast<TMessage*>(Message);
  switch (m->Msg) {
    case WM_GETTEXT: {
      if (m->WParam == 0 || !m->LParam) {
        m->Result = 0;
        break;
      }
      const size_t n = std::min<size_t>(text_.size(), m->WParam - 1);
      std::memcpy(reinterpret_cast<char*>(m->LParam), text_.data(), n);
      reinterpret_cast<char*>(m->LParam)[n] = 0;
      m->Result = static_cast<LRESULT>(n);
      break;
    }
    case WM_GETTEXTLENGTH: m->Result = static_cast<LRESULT>(text_.size()); break;
    case WM_SETTEXT:
      StoreText(m->LParam ? reinterpret_cast<const char*>(m->LParam) : "");
      m->Result = 1;
      break;
    default: break;
  }
}

void TControl::StoreText(const TCaption& Value) { text_ = Value; }

TCaption TControl::GetText() { return text_; }

void TControl::SetText(const TCaption& Value) {
  if (GetText() == Value) return;
  Perform(WM_SETTEXT, 0, PtrToLParam(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const std::string& NewName) {
  bool changeText = controlStyle_.contains(csSetCaption) && !ComponentState().contains(csLoading) &&
                    Name() == text_ &&
                    (!Owner() || !dynamic_cast<TControl*>(Owner()) ||
                     !Owner()->ComponentState().contains(csLoading));
  inherited::SetName(NewName);
  if (changeText) SetText(NewName);
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation(SControlParentSetToSelf);
  if (parent_) parent_->RemoveControl(this);
  if (AParent) {
    AParent->InsertControl(this);
    UpdateAnchorRules();
  }
}

bool TControl::HasParent() const { return true; }
TComponent* TControl::GetParentComponent() const { return parent_; }
void TControl::SetParentComponent(TComponent* Value) {
  if (auto* w = dynamic_cast<TWinControl*>(Value)) SetParent(w);
}

void TControl::ReadState(TReader* Reader) {
  controlState_ += csReadingState;
  if (auto* p = dynamic_cast<TWinControl*>(Reader->Parent())) SetParent(p);
  inherited::ReadState(Reader);
  controlState_ -= csReadingState;
  if (parent_) {
    Perform(CM_PARENTCOLORCHANGED, 0, 0);
    Perform(CM_PARENTFONTCHANGED, 0, 0);
    Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  }
}

void TControl::Loaded() {
  inherited::Loaded();
  // What was read while loading is settled now: the size limits, then the anchor rules.
  int w = width_, h = height_;
  DoConstrainedResize(w, h);
  if (w != width_ || h != height_) SetBounds(left_, top_, w, h);
  UpdateAnchorRules();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupMenu_) popupMenu_ = nullptr;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  DoConstrainedResize(AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  if (!CanResize(AWidth, AHeight)) return;
  DoConstrainedResize(AWidth, AHeight);
  InvalidateControl(visible_, false);
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  UpdateAnchorRules();
  Invalidate();
  Perform(WM_WINDOWPOSCHANGED, 0, 0);
  RequestAlign();
  if (!ComponentState().contains(csLoading)) Resize();
}

void TControl::ConstrainedResize(int& MinWidth, int& MinHeight, int& MaxWidth, int& MaxHeight) {
  MinWidth = constraints_->MinWidth();
  MinHeight = constraints_->MinHeight();
  MaxWidth = constraints_->MaxWidth();
  MaxHeight = constraints_->MaxHeight();
}

void TControl::DoConstrainedResize(int& NewWidth, int& NewHeight) {
  int minW = 0, minH = 0, maxW = 0, maxH = 0;
  ConstrainedResize(minW, minH, maxW, maxH);
  if (maxW > 0 && NewWidth > maxW)
    NewWidth = maxW;
  else if (minW > 0 && NewWidth < minW)
    NewWidth = minW;
  if (maxH > 0 && NewHeight > maxH)
    NewHeight = maxH;
  else if (minH > 0 && NewHeight < minH)
    NewHeight = minH;
}

void TControl::DoConstraintsChange(TObject*) {
  if (!ComponentState().contains(csLoading)) SetBounds(left_, top_, width_, height_);
}

void TControl::SetAnchors(TAnchors Value) {
  if (anchors_ == Value) return;
  const bool worked = NeedsAlignWork();
  anchors_ = Value;
  if (parent_) parent_->AlignWorkChanged(this, worked);
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (anchorMove_ || ComponentState().contains(csLoading)) return;
  // Only controls without alignment follow their anchors (SetAlign resets them anyway).
  if (anchors_ == TAnchors{akLeft, akTop} || align_ != alNone) {
    originalParentSize_ = {0, 0};
    return;
  }
  if (anchors_.contains(akRight))
    anchorRules_.X = anchors_.contains(akLeft) ? width_ : left_;
  else
    anchorRules_.X = ClampToInt(int64_t{left_} + width_ / 2);
  if (anchors_.contains(akBottom))
    anchorRules_.Y = anchors_.contains(akTop) ? height_ : top_;
  else
    anchorRules_.Y = ClampToInt(int64_t{top_} + height_ / 2);
  if (parent_) {
    const TRect r = parent_->GetClientRect();
    originalParentSize_ = {r.Right, r.Bottom};
  }
}

void TControl::UpdateBoundsRect(const TRect& R) {
  left_ = R.Left;
  top_ = R.Top;
  width_ = R.Width();
  height_ = R.Height();
}

// A width or height below 0 leaves no client area.
TRect TControl::GetClientRect() { return Rect(0, 0, std::max(0, width_), std::max(0, height_)); }

void TControl::SetClientWidth(int Value) {
  SetWidth(ClampToInt(int64_t{width_} - ClientWidth() + Value));
}
void TControl::SetClientHeight(int Value) {
  SetHeight(ClampToInt(int64_t{height_} - ClientHeight() + Value));
}

TPoint TControl::ClientOrigin() {
  if (!parent_) throw EInvalidOperation(FormatName(SParentRequired, Name()));
  TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(const TPoint& P) {
  TPoint o = ClientOrigin();
  return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(const TPoint& P) {
  TPoint o = ClientOrigin();
  return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetAlign(TAlign Value) {
  if (align_ == Value) return;
  TAlign old = align_;
  const bool worked = NeedsAlignWork();
  align_ = Value;
  if (parent_) parent_->AlignWorkChanged(this, worked);
  SetAnchors(AnchorAlign(Value));
  if (!ComponentState().contains(csLoading) && parent_) {
    const bool oldHorz = old == alTop || old == alBottom;
    const bool newVert = Value == alLeft || Value == alRight;
    if (oldHorz == newVert && old != alNone && old != alClient && Value != alNone &&
        Value != alClient)
      SetBounds(left_, top_, height_, width_);
  }
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControl(this);
}

void TControl::BringToFront() { SetZOrder(true); }

void TControl::SetZOrder(bool TopMost) {
  if (!parent_) return;
  parent_->SetZOrderPosition(this, TopMost ? INT32_MAX : 0);
}

bool TControl::IsVisibleOnScreen() {
  for (TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetVisible(bool Value) {
  if (visible_ == Value) return;
  VisibleChanging();
  visible_ = Value;
  Perform(CM_VISIBLECHANGED, Value, 0);
  RequestAlign();
}

void TControl::Show() {
  if (parent_) parent_->Show();
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

void TControl::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (color_ == Value) {
    // A colour read from a form was written because the control kept a colour of its own: it
    // stops following its parent even when its colour is the one it had before the parent's.
    if (ComponentState().contains(csReading)) parentColor_ = false;
    return;
  }
  color_ = Value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (parent_ && !ComponentState().contains(csReading)) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (parentFont_ == Value) return;
  parentFont_ = Value;
  if (parent_ && !ComponentState().contains(csReading)) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetShowHint(bool Value) {
  // The value the control follows, set again, leaves it following its parent.
  if (showHint_ == Value) return;
  showHint_ = Value;
  parentShowHint_ = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (parentShowHint_ == Value) return;
  parentShowHint_ = Value;
  if (parent_ && !ComponentState().contains(csReading)) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (biDiMode_ == Value) return;
  biDiMode_ = Value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (parentBiDiMode_ == Value) return;
  parentBiDiMode_ = Value;
  if (parent_ && !ComponentState().contains(csReading)) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

uint32_t TControl::DrawTextBiDiModeFlags(uint32_t Flags) const {
  uint32_t result = Flags;
  // Centred text stays centred.
  if (UseRightToLeftAlignment()) {
    if ((result & DT_RIGHT) == DT_RIGHT)
      result &= ~DT_RIGHT;
    else if ((result & DT_CENTER) != DT_CENTER)
      result |= DT_RIGHT;
  }
  return result | DrawTextBiDiModeFlagsReadingOnly();
}

uint32_t TControl::DrawTextBiDiModeFlagsReadingOnly() const {
  return UseRightToLeftReading() ? DT_RTLREADING : 0;
}

void TControl::SetPopupMenu(TComponent* Value) {
  popupMenu_ = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

bool TControl::MouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::InvalidateControl(bool IsVisible, bool IsOpaque) {
  if ((IsVisible || ComponentState().contains(csDesigning)) && parent_ &&
      parent_->HandleAllocated()) {
    TRect r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r,
                   !(IsOpaque || parent_->ControlStyle().contains(csOpaque)));
  }
}

void TControl::Invalidate() { InvalidateControl(visible_, controlStyle_.contains(csOpaque)); }

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

TCustomForm* TControl::GetParentForm() const { return vcl::GetParentForm(this); }

void TControl::ChangeScale(int M, int D) {
  if (M == D) return;
  const int l = MulDiv(left_, M, D);
  const int t = MulDiv(top_, M, D);
  const TRect r = Bounds(left_, top_, width_, height_);
  const int w = controlStyle_.contains(csFixedWidth)
                    ? width_
                    : ClampToInt(int64_t{MulDiv(r.Right, M, D)} - l);
  const int h = controlStyle_.contains(csFixedHeight)
                    ? height_
                    : ClampToInt(int64_t{MulDiv(r.Bottom, M, D)} - t);
  // The limits first, so that they do not hold the new size at the old ones.
  ScaleConstraints(M, D);
  SetBounds(l, t, w, h);
  if (!parentFont_) font_->SetSize(MulDiv(font_->Size(), M, D));
}

void TControl::ScaleConstraints(int M, int D) {
  // Scaled on the side so that no limit pushes another on the way; applied in one change.
  TSizeConstraints scaled;
  scaled.SetMaxWidth(MulDiv(constraints_->MaxWidth(), M, D));
  scaled.SetMaxHeight(MulDiv(constraints_->MaxHeight(), M, D));
  scaled.SetMinWidth(MulDiv(constraints_->MinWidth(), M, D));
  scaled.SetMinHeight(MulDiv(constraints_->MinHeight(), M, D));
  constraints_->Assign(&scaled);
}

// ---- Dragging ----

namespace {

TPoint CursorPoint() {
  POINT p;
  GetCursorPos(&p);
  return p;
}

// Asks the control whether it takes the source at a screen point.
bool AskDragOver(TControl* target, TControl* source, const TPoint& pos, TDragState state) {
  const TPoint p = target->ScreenToClient(pos);
  bool accept = false;
  if (target->OnDragOver) target->OnDragOver(target, source, p.X, p.Y, state, accept);
  return accept;
}

void ShowDragCursor(TControl* source, bool accepted) {
  if (Screen) win::SetCursor(Screen->Cursors(accepted ? source->DragCursor() : crNoDrop));
}

}  // namespace

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (g_drag.Source) return;
  g_drag = TDrag{};
  g_drag.Source = this;
  g_drag.Origin = CursorPoint();
  g_drag.Pos = g_drag.Origin;
  g_drag.Threshold = Threshold < 0 ? GetSystemMetrics(SM_CXDRAG) : Threshold;
  win::SetTrackingFilter(&TControl::DragTrackedInput);
  TObject* dragObject = nullptr;
  if (OnStartDrag) OnStartDrag(this, dragObject);
  if (g_drag.Source != this) return;  // the handler ended it
  Recapture();
  if (Immediate) StartDrag();
}

void TControl::StartDrag() {
  g_drag.Started = true;
  DragTo(CursorPoint());
}

void TControl::EndSourceGesture() {
  if (g_drag.GestureEnded) return;
  g_drag.GestureEnded = true;
  // The source's own tracking of the press (the window's, or a pressed look kept until the
  // button comes up) ends; the drag keeps the mouse.
  controlState_ -= csLButtonDown;
  {
    g_drag.Recapturing = true;
    Perform(WM_CANCELMODE, 0, 0);
    g_drag.Recapturing = false;
  }
  if (g_drag.Source == this) Recapture();
}

void TControl::Recapture() {
  g_drag.Recapturing = true;
  SetMouseCapture(true);
  g_drag.Recapturing = false;
}

void TControl::DragCaptureChanged() {
  // Another window took the mouse from the drag: it ends with no target.
  if (g_drag.Recapturing || g_drag.Ending || !g_drag.Source) return;
  if (g_drag.Source != this && g_drag.Source->Parent() != this) return;
  // A source on its way out tells nothing more.
  if (g_drag.Source->ComponentState().contains(csDestroying) ||
      ComponentState().contains(csDestroying)) {
    g_drag = TDrag{};
    return;
  }
  // The release, if it comes, comes to the window that took the mouse.
  g_drag.Source->controlState_ -= csLButtonDown;
  g_drag.Source->EndDrag(false);
}

void TControl::DragTo(const TPoint& Pos) {
  g_drag.Pos = Pos;
  TControl* target = FindDragTarget(Pos, false);
  if (target && target->ComponentState().contains(csDesigning)) target = nullptr;
  if (target != g_drag.Target) {
    if (g_drag.Target) AskDragOver(g_drag.Target, this, Pos, dsDragLeave);
    g_drag.Target = target;
    g_drag.Accepted = target && AskDragOver(target, this, Pos, dsDragEnter);
  } else if (target) {
    g_drag.Accepted = AskDragOver(target, this, Pos, dsDragMove);
  }
  if (g_drag.Source == this) ShowDragCursor(this, g_drag.Accepted);
}

void TControl::DragMouseMove(const TPoint& Pos) {
  if (!g_drag.Started) {
    if (std::abs(Pos.X - g_drag.Origin.X) <= g_drag.Threshold &&
        std::abs(Pos.Y - g_drag.Origin.Y) <= g_drag.Threshold)
      return;
    g_drag.Started = true;
  }
  EndSourceGesture();
  if (g_drag.Source == this) DragTo(Pos);
}

bool TControl::DragTrackedInput(const win::MSG& Message) {
  TControl* source = g_drag.Source;
  if (Message.message != WM_MOUSEMOVE || !source || g_drag.Started) return false;
  auto* window = dynamic_cast<TWinControl*>(source);
  if (!window || !window->HandleAllocated() || window->Handle() != Message.hwnd) return false;
  HandlingExceptions(source, [&] { source->DragMouseMove(Message.pt); });
  return g_drag.Started || g_drag.Source != source;
}

void TControl::EndDrag(bool Drop) {
  if (g_drag.Source != this || g_drag.Ending) return;
  if (g_drag.Started) EndSourceGesture();
  const bool started = g_drag.Started;
  const TPoint pos = CursorPoint();
  if (started && Drop && pos != g_drag.Pos) DragTo(pos);
  if (g_drag.Source != this) return;  // a handler freed the source
  g_drag.Ending = true;
  const bool accepted = started && Drop && g_drag.Accepted;
  if (MouseCapture()) SetMouseCapture(false);
  if (Screen)
    win::SetCursor(Screen->Cursors(Screen->Cursor() == crDefault ? crArrow : Screen->Cursor()));
  // The last control asked hears the drag leave; one its handler frees is forgotten.
  if (g_drag.Target) AskDragOver(g_drag.Target, this, pos, dsDragLeave);
  if (g_drag.Source != this) return;
  TControl* target = accepted ? g_drag.Target : nullptr;
  g_drag = TDrag{};
  TPoint at{0, 0};
  if (target) {
    at = target->ScreenToClient(pos);
    target->DragDrop(this, at.X, at.Y);
  }
  if (OnEndDrag) OnEndDrag(this, target, at.X, at.Y);
}

void CancelDrag() {
  if (g_drag.Source) g_drag.Source->EndDrag(false);
}

bool DragUnderWay() { return g_drag.Source != nullptr; }

bool TControl::Dragging() const { return g_drag.Source == this; }

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

// ---- Window procedure and mouse ----

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_CAPTURECHANGED && g_drag.Source) DragCaptureChanged();
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    if (!controlStyle_.contains(csDoubleClicks)) {
      switch (Message.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN; break;
        default: break;
      }
    }
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        if (Application) Application->HintMouseMessage(this, Message);
        if (g_drag.Source == this) {
          DragMouseMove(CursorPoint());
          return;
        }
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (dragMode_ == dmAutomatic) {
          BeginDrag(true);
          return;
        }
        controlState_ += csLButtonDown;
        Dispatch(&Message);
        // A drag begun at once by the press takes the mouse from the press's own tracking
        // once the press is handled.
        if (g_drag.Source == this && g_drag.Started) EndSourceGesture();
        return;
      case WM_LBUTTONUP:
        if (g_drag.Source == this) {
          // A press that never moved past the threshold stays the source's click.
          const bool started = g_drag.Started;
          EndDrag(started);
          if (started) return;
        }
        controlState_ -= csLButtonDown;
        break;
      default: break;
    }
  }
  Dispatch(&Message);
}

void TControl::Click() { ClickActionClient(this, OnClick, actionLink_); }
void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}
void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (handled) return true;
  wheelAccumulator_ += WheelDelta;
  while (wheelAccumulator_ >= WHEEL_DELTA || wheelAccumulator_ <= -WHEEL_DELTA) {
    const bool down = wheelAccumulator_ < 0;
    wheelAccumulator_ += down ? WHEEL_DELTA : -WHEEL_DELTA;
    handled = down ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
  }
  return handled;
}
bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}
bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}
void TControl::Resize() {
  if (OnResize) OnResize(this);
}
void TControl::Changed() { Perform(CM_CHANGED, 0, PtrToLParam(this)); }

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift) {
  if (controlStyle_.contains(csNoStdEvents)) return;
  MouseDown(Button, KeysToShiftState(Message.Keys()) + Shift, Message.XPos(), Message.YPos());
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button) {
  if (controlStyle_.contains(csNoStdEvents)) return;
  MouseUp(Button, KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

namespace {
void SendCancelMode(TControl* Sender) {
  if (TCustomForm* f = GetParentForm(Sender)) f->Perform(CM_CANCELMODE, 0, PtrToLParam(Sender));
}
}  // namespace

void TControl::WMLButtonDown(TWMMouse& Message) {
  SendCancelMode(this);
  ZYL_INHERITED(Message);
  if (controlStyle_.contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.contains(csClickEvents)) controlState_ += csClicked;
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse& Message) {
  SendCancelMode(this);
  ZYL_INHERITED(Message);
  if (controlStyle_.contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMRButtonDown(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseDown(Message, mbRight, {});
}
void TControl::WMRButtonDblClk(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseDown(Message, mbRight, {ssDouble});
}
void TControl::WMMButtonDown(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseDown(Message, mbMiddle, {});
}
void TControl::WMMButtonDblClk(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseDown(Message, mbMiddle, {ssDouble});
}

void TControl::WMMouseMove(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  if (!controlStyle_.contains(csNoStdEvents))
    MouseMove(KeysToShiftState(Message.Keys()), Message.XPos(), Message.YPos());
}

void TControl::WMLButtonUp(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  // Letting the mouse go ends the press, so whether it clicks is taken first.
  const bool clicked = controlState_.contains(csClicked);
  controlState_ -= csClicked;
  if (controlStyle_.contains(csCaptureMouse)) SetMouseCapture(false);
  if (clicked) {
    TRect r = GetClientRect();
    POINT p = Message.Pos();
    if (PtInRect(&r, p)) Click();
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonUp(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseUp(Message, mbRight);
}
void TControl::WMMButtonUp(TWMMouse& Message) {
  ZYL_INHERITED(Message);
  DoMouseUp(Message, mbMiddle);
}

void TControl::WMMouseWheel(TWMMouseWheel& Message) {
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::CMMouseWheel(TWMMouseWheel& Message) {
  if (DoMouseWheel(KeysToShiftState(Message.Keys()), Message.WheelDelta(),
                   {Message.XPos(), Message.YPos()})) {
    Message.Result = 1;
  } else if (parent_) {
    Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
  }
}

void TControl::CMVisibleChanged(TMessage&) {
  if (!visible_) CancelPress();
  InvalidateControl(true, visible_ && controlStyle_.contains(csOpaque));
}
void TControl::CMEnabledChanged(TMessage&) {
  if (!enabled_) CancelPress();
  Invalidate();
}

void TControl::WMCancelMode(TMessage& Message) {
  CancelPress();
  ZYL_INHERITED(Message);
}

void TControl::CancelPress() {
  controlState_ -= csClicked;
  if (MouseCapture()) SetMouseCapture(false);
}
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  if (Message.WParam != 0)
    SetColor(static_cast<TColor>(Message.LParam));
  else if (parent_)
    SetColor(parent_->color_);
  parentColor_ = true;
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  if (Message.WParam != 0)
    SetFont(reinterpret_cast<TFont*>(Message.LParam));
  else if (parent_)
    SetFont(parent_->font_);
  parentFont_ = true;
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!parentShowHint_ || !parent_) return;
  SetShowHint(parent_->showHint_);
  parentShowHint_ = true;
}

void TControl::CMBiDiModeChanged(TMessage& Message) {
  if (Message.WParam == 0) Invalidate();
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!parentBiDiMode_ || !parent_) return;
  SetBiDiMode(parent_->biDiMode_);
  parentBiDiMode_ = true;
}

void TControl::CMHitTest(TCMHitTest& Message) { Message.Result = HTCLIENT; }

// The parent hears of the mouse entering or leaving a child: LParam names the child.
void TControl::CMMouseEnter(TMessage& Message) {
  if (parent_)
    parent_->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : PtrToLParam(this));
}
void TControl::CMMouseLeave(TMessage& Message) {
  if (parent_)
    parent_->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : PtrToLParam(this));
}

void TControl::CMHintShow(TCMHintShow&) {}
void TControl::CMEnter(TMessage&) {}

ZYL_MESSAGE_MAP(TControl) {
  m.On(WM_LBUTTONDOWN, &TControl::WMLButtonDown)
      .On(WM_LBUTTONDBLCLK, &TControl::WMLButtonDblClk)
      .On(WM_RBUTTONDOWN, &TControl::WMRButtonDown)
      .On(WM_RBUTTONDBLCLK, &TControl::WMRButtonDblClk)
      .On(WM_MBUTTONDOWN, &TControl::WMMButtonDown)
      .On(WM_MBUTTONDBLCLK, &TControl::WMMButtonDblClk)
      .On(WM_MOUSEMOVE, &TControl::WMMouseMove)
      .On(WM_LBUTTONUP, &TControl::WMLButtonUp)
      .On(WM_RBUTTONUP, &TControl::WMRButtonUp)
      .On(WM_CONTEXTMENU, &TControl::WMContextMenu)
      .On(WM_MBUTTONUP, &TControl::WMMButtonUp)
      .On(WM_MOUSEWHEEL, &TControl::WMMouseWheel)
      .On(CM_MOUSEWHEEL, &TControl::CMMouseWheel)
      .On(CM_VISIBLECHANGED, &TControl::CMVisibleChanged)
      .On(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged)
      .On(WM_CANCELMODE, &TControl::WMCancelMode)
      .On(CM_FONTCHANGED, &TControl::CMFontChanged)
      .On(CM_COLORCHANGED, &TControl::CMColorChanged)
      .On(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged)
      .On(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged)
      .On(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged)
      .On(CM_BIDIMODECHANGED, &TControl::CMBiDiModeChanged)
      .On(CM_PARENTBIDIMODECHANGED, &TControl::CMParentBiDiModeChanged)
      .On(CM_HITTEST, &TControl::CMHitTest)
      .On(CM_MOUSEENTER, &TControl::CMMouseEnter)
      .On(CM_MOUSELEAVE, &TControl::CMMouseLeave)
      .On(CM_HINTSHOW, &TControl::CMHintShow);
}

const TTypeInfo* CaptionTypeInfo() {
  static const TTypeInfo* const info = MakeStringTypeInfo("TCaption");
  return info;
}

const TTypeInfo* ImeNameTypeInfo() {
  static const TTypeInfo* const info = MakeStringTypeInfo("TImeName");
  return info;
}

ZYL_CLASS_IMPL(TControl) {
  b.IgnoresInsertNotification();  // only removals of its popup menu concern it
  b.Prop("Left", &TControl::Left, &TControl::SetLeft)
      .Prop("Top", &TControl::Top, &TControl::SetTop)
      .Prop("Width", &TControl::Width, &TControl::SetWidth)
      .Prop("Height", &TControl::Height, &TControl::SetHeight)
      .Prop("Cursor", &TControl::Cursor, &TControl::SetCursor, CursorTypeInfo())
      .Default(crDefault)
      .Prop("Hint", &TControl::Hint, &TControl::SetHint)
      .Stored(&TControl::IsHintStored)
      .Prop("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext)
      .Default(0)
      .Stored(&TControl::IsHelpContextStored);
  // The standard properties and events, published by name where a descendant shows them.
  using C = TControl;
  b.Declare("Action", &C::Action, &C::SetAction)
      .Declare("Align", &C::Align, &C::SetAlign)
      .Default(alNone)
      .Declare("Anchors", &C::Anchors, &C::SetAnchors)
      .Default(TAnchors{akLeft, akTop})
      .Stored(&C::IsAnchorsStored)
      .Declare("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
      .Stored(&C::IsBiDiModeStored)
      .Declare("Caption", &C::Caption, &C::SetCaption, CaptionTypeInfo())
      .Stored(&C::IsCaptionStored)
      .Declare("Color", &C::Color, &C::SetColor, ColorTypeInfo())
      .Default(clWindow)
      .Stored(&C::IsColorStored)
      .Declare("Constraints", &C::Constraints, &C::SetConstraints)
      .Declare("DragCursor", &C::DragCursor, &C::SetDragCursor, CursorTypeInfo())
      .Default(crDrag)
      .Declare("DragKind", &C::DragKind, &C::SetDragKind)
      .Default(dkDrag)
      .Declare("DragMode", &C::DragMode, &C::SetDragMode)
      .Default(dmManual)
      .Declare("Enabled", &C::Enabled, &C::SetEnabled)
      .Default(true)
      .Stored(&C::IsEnabledStored)
      .Declare("Font", &C::Font, &C::SetFont)
      .Stored(&C::IsFontStored)
      .Declare("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode)
      .Default(true)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(true)
      .Declare("ParentFont", &C::ParentFont, &C::SetParentFont)
      .Default(true)
      .Declare("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint)
      .Default(true)
      .Declare("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
      .Declare("ShowHint", &C::ShowHint, &C::SetShowHint)
      .Stored(&C::IsShowHintStored)
      .Declare("Text", &C::Text, &C::SetText, CaptionTypeInfo())
      .Declare("Visible", &C::Visible, &C::SetVisible)
      .Default(true)
      .Stored(&C::IsVisibleStored)
      .Declare("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Stored(&C::IsOnClickStored)
      .Declare("OnDblClick", &C::GetOnDblClick, &C::SetOnDblClick)
      .Declare("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop)
      .Declare("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver)
      .Declare("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock)
      .Declare("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag)
      .Declare("OnContextPopup", &C::GetOnContextPopup, &C::SetOnContextPopup)
      .Declare("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Declare("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove)
      .Declare("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp)
      .Declare("OnMouseWheel", &C::GetOnMouseWheel, &C::SetOnMouseWheel)
      .Declare("OnMouseWheelDown", &C::GetOnMouseWheelDown, &C::SetOnMouseWheelDown)
      .Declare("OnMouseWheelUp", &C::GetOnMouseWheelUp, &C::SetOnMouseWheelUp)
      .Declare("OnResize", &C::GetOnResize, &C::SetOnResize)
      .Declare("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock)
      .Declare("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag);
}

}  // namespace vcl
