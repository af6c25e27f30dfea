#include "platform/controls/Controls.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/text/Text.h"

namespace vcl {

using namespace win;

namespace {

// Windows made for controls, by handle.
std::unordered_map<HWND, TWinControl*>& HandleMap() {
  static auto* m = new std::unordered_map<HWND, TWinControl*>;
  return *m;
}
// The control whose window CreateWindowEx is making (its first messages arrive before the
// handle is known).
TWinControl* g_creationControl = nullptr;
TControl* g_captureControl = nullptr;
TControl* g_mouseControl = nullptr;

const char* const SParentRequired = "Control '%s' has no parent window";

std::string FormatName(const char* fmt, const std::string& name) {
  std::string s = fmt;
  auto pos = s.find("%s");
  if (pos != std::string::npos) s.replace(pos, 2, name);
  return s;
}

}  // namespace

// The window procedure of every framework window class: hands the message to the control's
// WindowProc.
LRESULT ControlWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = nullptr;
  auto& map = HandleMap();
  auto it = map.find(hwnd);
  if (it != map.end()) {
    control = it->second;
  } else if (g_creationControl) {
    control = g_creationControl;
    g_creationControl = nullptr;
    control->handle_ = hwnd;
    map[hwnd] = control;
  }
  if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    if (control->windowProc_) control->windowProc_(m);
    else control->WndProc(m);
  } catch (Exception&) {
    if (Application && Application->HandlesExceptions()) Application->HandleException(control);
    else throw;
  }
  return m.Result;
}

// ---------------------------------------------------------------------------------------------
// Helpers

TShiftState KeysToShiftState(uint32_t Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s += ssShift;
  if (Keys & MK_CONTROL) s += ssCtrl;
  if (Keys & MK_LBUTTON) s += ssLeft;
  if (Keys & MK_RBUTTON) s += ssRight;
  if (Keys & MK_MBUTTON) s += ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(int32_t KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (KeyData & 0x20000000) s += ssAlt;
  return s;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s += ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s += ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s += ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) s += ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s += ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s += ssMiddle;
  return s;
}

TWinControl* FindControl(HWND Handle) { return TWinControl::FindControl(Handle); }

TWinControl* TWinControl::FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  auto& map = HandleMap();
  auto it = map.find(Handle);
  return it == map.end() ? nullptr : it->second;
}

TControl* GetCaptureControl() {
  TControl* result = FindControl(GetCapture());
  if (result && g_captureControl && g_captureControl->Parent() == result) result = g_captureControl;
  return result;
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  g_captureControl = nullptr;
  if (!Control) return;
  if (!dynamic_cast<TWinControl*>(Control)) {
    if (!Control->Parent()) return;
    g_captureControl = Control;
    Control = Control->Parent();
  }
  SetCapture(static_cast<TWinControl*>(Control)->Handle());
}

TCustomForm* GetParentForm(const TControl* Control) {
  if (!Control) return nullptr;
  const TControl* c = Control;
  while (c->Parent()) c = c->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  HWND window = WindowFromPoint(Pos);
  if (!window) return nullptr;
  TWinControl* win = FindControl(window);
  if (!win) return nullptr;
  TControl* control = win->ControlAtPos(win->ScreenToClient(Pos), AllowDisabled);
  return control ? control : win;
}

TControl* MouseControl() { return g_mouseControl; }

void UpdateMouseControl() {
  POINT p;
  GetCursorPos(&p);
  TControl* target = FindDragTarget(p, true);
  if (target && target->ComponentState().contains(csDesigning)) target = nullptr;
  TControl* capture = GetCaptureControl();
  if (g_mouseControl == target) return;
  TControl* old = g_mouseControl;
  if (old && (!capture || old == capture)) old->Perform(CM_MOUSELEAVE, 0, 0);
  g_mouseControl = target;
  if (target && (!capture || target == capture)) target->Perform(CM_MOUSEENTER, 0, 0);
}

void ResetControlsGlobals() {
  HandleMap().clear();
  g_creationControl = nullptr;
  g_captureControl = nullptr;
  g_mouseControl = nullptr;
  if (Application) Application->ResetHandle();
  if (Screen) Screen->UpdateSystemFonts();
}

TAnchors AnchorAlign(TAlign Value) {
  switch (Value) {
    case alTop: return {akLeft, akTop, akRight};
    case alBottom: return {akLeft, akRight, akBottom};
    case alLeft: return {akLeft, akTop, akBottom};
    case alRight: return {akRight, akTop, akBottom};
    case alClient: return {akLeft, akTop, akRight, akBottom};
    default: return {akLeft, akTop};
  }
}

// ---------------------------------------------------------------------------------------------
// TSizeConstraints

void TSizeConstraints::SetConstraints(int Index, int32_t Value) {
  if (Value < 0) throw ERangeError("Size constraint out of range: " + std::to_string(Value));
  switch (Index) {
    case 0:
      if (Value == maxHeight_) return;
      maxHeight_ = Value;
      if (Value > 0 && Value < minHeight_) minHeight_ = Value;
      break;
    case 1:
      if (Value == maxWidth_) return;
      maxWidth_ = Value;
      if (Value > 0 && Value < minWidth_) minWidth_ = Value;
      break;
    case 2:
      if (Value == minHeight_) return;
      minHeight_ = Value;
      if (maxHeight_ > 0 && Value > maxHeight_) maxHeight_ = Value;
      break;
    case 3:
      if (Value == minWidth_) return;
      minWidth_ = Value;
      if (maxWidth_ > 0 && Value > maxWidth_) maxWidth_ = Value;
      break;
    default:
      throw ERangeError("Size constraint index out of range: " + std::to_string(Index));
  }
  Change();
}

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TSizeConstraints*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  minHeight_ = src->minHeight_;
  maxHeight_ = src->maxHeight_;
  minWidth_ = src->minWidth_;
  maxWidth_ = src->maxWidth_;
  Change();
}

void TSizeConstraints::Change() {
  if (OnChange) OnChange(this);
}

ZYL_CLASS_IMPL(TSizeConstraints) {
  using C = TSizeConstraints;
  b.Prop("MaxHeight", &C::MaxHeight, &C::SetConstraints).Index(0).Default(0)
      .Prop("MaxWidth", &C::MaxWidth, &C::SetConstraints).Index(1).Default(0)
      .Prop("MinHeight", &C::MinHeight, &C::SetConstraints).Index(2).Default(0)
      .Prop("MinWidth", &C::MinWidth, &C::SetConstraints).Index(3).Default(0);
}

ZYL_CLASS_IMPL(TDragDockObject) {}

// ---------------------------------------------------------------------------------------------
// TControlCanvas

TControlCanvas::TControlCanvas() = default;

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetControl(TControl* Value) {
  if (control_ == Value) return;
  FreeHandle();
  control_ = Value;
}

void TControlCanvas::FreeHandle() {
  if (dc_) {
    HDC dc = dc_;
    dc_ = nullptr;
    if (Handle() == dc) SetHandle(nullptr);
    if (IsWindow(window_)) ReleaseDC(window_, dc);
    window_ = nullptr;
  }
}

void TControlCanvas::CreateHandle() {
  if (!control_) return;
  HWND wnd = nullptr;
  int dx = 0, dy = 0;
  if (auto* w = dynamic_cast<TWinControl*>(control_)) {
    wnd = w->Handle();
  } else if (control_->Parent()) {
    wnd = control_->Parent()->Handle();
    dx = control_->Left();
    dy = control_->Top();
  }
  if (!wnd) return;
  HDC dc = GetDC(wnd);
  if (!dc) return;
  if (dx || dy) {
    SetWindowOrgEx(dc, -dx, -dy, nullptr);
    IntersectClipRect(dc, 0, 0, control_->Width(), control_->Height());
  }
  dc_ = dc;
  window_ = wnd;
  SetHandle(dc);
}

// ---------------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  font_ = new TFont;
  font_->OnChange = TNotifyEvent(this, &TControl::FontChanged);
  constraints_ = new TSizeConstraints(this);
  constraints_->SetOnChange(TNotifyEvent(this, &TControl::DoConstraintsChange));
  windowProc_ = TWndMethod(this, &TControl::WndProc);
}

TControl::~TControl() {
  if (g_mouseControl == this) g_mouseControl = nullptr;
  if (g_captureControl == this) g_captureControl = nullptr;
  if (parent_) parent_->RemoveControl(this);
  constraints_->SetOnChange(TNotifyEvent());
  delete constraints_;
  delete font_;
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (windowProc_) windowProc_(m);
  else WndProc(m);
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
    case WM_GETTEXTLENGTH:
      m->Result = static_cast<LRESULT>(text_.size());
      break;
    case WM_SETTEXT:
      StoreText(m->LParam ? reinterpret_cast<const char*>(m->LParam) : "");
      m->Result = 1;
      break;
    default:
      break;
  }
}

void TControl::StoreText(const TCaption& Value) { text_ = Value; }

TCaption TControl::GetText() { return text_; }

void TControl::SetText(const TCaption& Value) {
  if (text_ == Value) return;
  Perform(WM_SETTEXT, 0, PtrToLParam(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const std::string& NewName) {
  bool changeText = controlStyle_.contains(csSetCaption) &&
                    !ComponentState().contains(csLoading) && Name() == text_ &&
                    (!Owner() || !dynamic_cast<TControl*>(Owner()) ||
                     !Owner()->ComponentState().contains(csLoading));
  inherited::SetName(NewName);
  if (changeText) SetText(NewName);
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
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
  if (maxW > 0 && NewWidth > maxW) NewWidth = maxW;
  else if (minW > 0 && NewWidth < minW) NewWidth = minW;
  if (maxH > 0 && NewHeight > maxH) NewHeight = maxH;
  else if (minH > 0 && NewHeight < minH) NewHeight = minH;
}

void TControl::DoConstraintsChange(TObject*) {
  if (!ComponentState().contains(csLoading)) SetBounds(left_, top_, width_, height_);
}

void TControl::SetAnchors(TAnchors Value) {
  if (anchors_ == Value) return;
  anchors_ = Value;
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
    anchorRules_.X = left_ + width_ / 2;
  if (anchors_.contains(akBottom))
    anchorRules_.Y = anchors_.contains(akTop) ? height_ : top_;
  else
    anchorRules_.Y = top_ + height_ / 2;
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

TRect TControl::GetClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int Value) { SetWidth(width_ - ClientWidth() + Value); }
void TControl::SetClientHeight(int Value) { SetHeight(height_ - ClientHeight() + Value); }

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
  align_ = Value;
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
void TControl::SendToBack() { SetZOrder(false); }

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
  if (color_ == Value) return;
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
  if (showHint_ != Value) {
    showHint_ = Value;
    parentShowHint_ = false;
    Perform(CM_SHOWHINTCHANGED, 0, 0);
  } else {
    parentShowHint_ = false;
  }
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
    if ((result & DT_RIGHT) == DT_RIGHT) result &= ~DT_RIGHT;
    else if ((result & DT_CENTER) != DT_CENTER) result |= DT_RIGHT;
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
  const int w = controlStyle_.contains(csFixedWidth) ? width_ : MulDiv(left_ + width_, M, D) - l;
  const int h = controlStyle_.contains(csFixedHeight) ? height_ : MulDiv(top_ + height_, M, D) - t;
  SetBounds(l, t, w, h);
  if (!parentFont_) font_->SetSize(MulDiv(font_->Size(), M, D));
}

// ---- Dragging ----

namespace {
TControl* g_dragControl = nullptr;
}

void TControl::BeginDrag(bool, int) {
  if (g_dragControl) return;
  TObject* dragObject = nullptr;
  if (OnStartDrag) OnStartDrag(this, dragObject);
  g_dragControl = this;
  SetMouseCapture(true);
}

void TControl::EndDrag(bool Drop) {
  if (g_dragControl != this) return;
  g_dragControl = nullptr;
  SetMouseCapture(false);
  POINT p;
  GetCursorPos(&p);
  TControl* target = Drop ? FindDragTarget(p, false) : nullptr;
  int x = 0, y = 0;
  if (target && target != this) {
    TPoint c = target->ScreenToClient(p);
    x = c.X;
    y = c.Y;
    bool accept = false;
    if (target->OnDragOver) target->OnDragOver(target, this, x, y, dsDragMove, accept);
    if (accept) target->DragDrop(this, x, y);
    else target = nullptr;
  } else {
    target = nullptr;
  }
  if (OnEndDrag) OnEndDrag(this, target, x, y);
}

bool TControl::Dragging() const { return g_dragControl == this; }

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

// ---- Window procedure and mouse ----

void TControl::WndProc(TMessage& Message) {
  if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
    if (!controlStyle_.contains(csDoubleClicks)) {
      switch (Message.Msg) {
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
          Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
          break;
        default:
          break;
      }
    }
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        if (Application) Application->HintMouseMessage(this, Message);
        if (g_dragControl == this) return;
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (dragMode_ == dmAutomatic) {
          BeginDrag(true);
          return;
        }
        controlState_ += csLButtonDown;
        break;
      case WM_LBUTTONUP:
        controlState_ -= csLButtonDown;
        if (g_dragControl == this) {
          EndDrag(true);
          return;
        }
        break;
      default:
        break;
    }
  }
  Dispatch(&Message);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}
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
  if (controlStyle_.contains(csCaptureMouse)) SetMouseCapture(false);
  if (controlState_.contains(csClicked)) {
    controlState_ -= csClicked;
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
  if (DoMouseWheel(KeysToShiftState(Message.Keys()), Message.WheelDelta(),
                   {Message.XPos(), Message.YPos()})) {
    Message.Result = 1;
  } else if (parent_) {
    Message.Result = parent_->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
  }
}

void TControl::CMVisibleChanged(TMessage&) {
  InvalidateControl(true, visible_ && controlStyle_.contains(csOpaque));
}
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  if (Message.WParam != 0) SetColor(static_cast<TColor>(Message.LParam));
  else if (parent_) SetColor(parent_->color_);
  parentColor_ = true;
}

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  if (Message.WParam != 0) SetFont(reinterpret_cast<TFont*>(Message.LParam));
  else if (parent_) SetFont(parent_->font_);
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
  if (parent_) parent_->Perform(CM_MOUSEENTER, 0, Message.LParam ? Message.LParam : PtrToLParam(this));
}
void TControl::CMMouseLeave(TMessage& Message) {
  if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, Message.LParam ? Message.LParam : PtrToLParam(this));
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
      .On(WM_MBUTTONUP, &TControl::WMMButtonUp)
      .On(WM_MOUSEWHEEL, &TControl::WMMouseWheel)
      .On(CM_VISIBLECHANGED, &TControl::CMVisibleChanged)
      .On(CM_ENABLEDCHANGED, &TControl::CMEnabledChanged)
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

ZYL_CLASS_IMPL(TControl) {
  b.Prop("Left", &TControl::Left, &TControl::SetLeft)
      .Prop("Top", &TControl::Top, &TControl::SetTop)
      .Prop("Width", &TControl::Width, &TControl::SetWidth)
      .Prop("Height", &TControl::Height, &TControl::SetHeight)
      .Prop("Cursor", &TControl::Cursor, &TControl::SetCursor, CursorTypeInfo()).Default(crDefault)
      .Prop("Hint", &TControl::Hint, &TControl::SetHint)
      .Prop("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext).Default(0);
  // The standard properties and events, published by name where a descendant shows them.
  using C = TControl;
  b.Declare("Align", &C::Align, &C::SetAlign).Default(alNone)
      .Declare("Anchors", &C::Anchors, &C::SetAnchors)
          .Default(TAnchors{akLeft, akTop}).Stored(&C::IsAnchorsStored)
      .Declare("BiDiMode", &C::BiDiMode, &C::SetBiDiMode).Stored(&C::IsBiDiModeStored)
      .Declare("Caption", &C::Caption, &C::SetCaption)
      .Declare("Color", &C::Color, &C::SetColor, ColorTypeInfo())
          .Default(clWindow).Stored(&C::IsColorStored)
      .Declare("Constraints", &C::Constraints, &C::SetConstraints)
      .Declare("DragCursor", &C::DragCursor, &C::SetDragCursor, CursorTypeInfo()).Default(crDrag)
      .Declare("DragKind", &C::DragKind, &C::SetDragKind).Default(dkDrag)
      .Declare("DragMode", &C::DragMode, &C::SetDragMode).Default(dmManual)
      .Declare("Enabled", &C::Enabled, &C::SetEnabled).Default(true)
      .Declare("Font", &C::Font, &C::SetFont).Stored(&C::IsFontStored)
      .Declare("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode).Default(true)
      .Declare("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true)
      .Declare("ParentFont", &C::ParentFont, &C::SetParentFont).Default(true)
      .Declare("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint).Default(true)
      .Declare("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
      .Declare("ShowHint", &C::ShowHint, &C::SetShowHint).Stored(&C::IsShowHintStored)
      .Declare("Visible", &C::Visible, &C::SetVisible).Default(true)
      .Declare("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Declare("OnDblClick", &C::GetOnDblClick, &C::SetOnDblClick)
      .Declare("OnDragDrop", &C::GetOnDragDrop, &C::SetOnDragDrop)
      .Declare("OnDragOver", &C::GetOnDragOver, &C::SetOnDragOver)
      .Declare("OnEndDock", &C::GetOnEndDock, &C::SetOnEndDock)
      .Declare("OnEndDrag", &C::GetOnEndDrag, &C::SetOnEndDrag)
      .Declare("OnMouseDown", &C::GetOnMouseDown, &C::SetOnMouseDown)
      .Declare("OnMouseMove", &C::GetOnMouseMove, &C::SetOnMouseMove)
      .Declare("OnMouseUp", &C::GetOnMouseUp, &C::SetOnMouseUp)
      .Declare("OnResize", &C::GetOnResize, &C::SetOnResize)
      .Declare("OnStartDock", &C::GetOnStartDock, &C::SetOnStartDock)
      .Declare("OnStartDrag", &C::GetOnStartDrag, &C::SetOnStartDrag);
}

// ---------------------------------------------------------------------------------------------
// TWinControl

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
    throw EInvalidCast("Invalid class typecast");
  }
  w->SetParentWindow(ParentWindow);
  return w;
}

TWinControl::~TWinControl() {
  Destroying();
  if (g_mouseControl == this) g_mouseControl = nullptr;
  while (!controls_.empty() || !winControls_.empty()) {
    TControl* c = !winControls_.empty() ? static_cast<TControl*>(winControls_.back()) : controls_.back();
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
  if (m->Msg != WM_SETTEXT) TControl::DefaultHandler(Message);
  else m->Result = 1;
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
    if (ownerWin && Owner()->ComponentState().contains(csReading)) params.WndParent = ownerWin->Handle();
    else throw EInvalidOperation(FormatName(SParentRequired, Name()));
  }
  defWndProc_ = params.WindowClass.lpfnWndProc;
  WNDCLASSA existing;
  const bool registered = GetClassInfoA(nullptr, params.WinClassName.c_str(), &existing) != 0;
  if (!registered || existing.lpfnWndProc != &ControlWndProc) {
    if (registered) UnregisterClassA(params.WinClassName.c_str(), nullptr);
    WNDCLASSA wc = params.WindowClass;
    wc.lpfnWndProc = &ControlWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&wc))
      throw EOutOfResources("Cannot register window class " + params.WinClassName);
  }
  g_creationControl = this;
  try {
    CreateWindowHandle(params);
  } catch (...) {
    g_creationControl = nullptr;
    throw;
  }
  g_creationControl = nullptr;
  if (!handle_) throw EOutOfResources("Error creating window for " + ClassName());
  if ((GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD) && GetWindowLongA(handle_, GWL_ID) == 0)
    SetWindowLongA(handle_, GWL_ID, static_cast<LONG>(reinterpret_cast<uintptr_t>(handle_) & 0x7FFFFFFF));
  // The window may have been placed elsewhere than asked (default positions of top-level windows).
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND p = GetParent(handle_); p && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsRect(r);
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
  if (showing_) SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
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
  const bool wasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (wasFocused && handle_) win::SetFocus(handle_);
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
    try {
      Perform(CM_SHOWINGCHANGED, 0, 0);
    } catch (...) {
      showing_ = !show;
      throw;
    }
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
  if (Index < 0 || Index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return Index < n ? controls_[Index] : winControls_[Index - n];
}

void TWinControl::InsertControl(TControl* AControl) {
  Perform(CM_CONTROLLISTCHANGE, PtrToWParam(AControl), 1);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    winControls_.push_back(w);
    tabList_.push_back(w);
  } else {
    controls_.push_back(AControl);
  }
  AControl->parent_ = this;
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
    winControls_.erase(std::remove(winControls_.begin(), winControls_.end(), w), winControls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
  } else {
    if (handle_) AControl->InvalidateControl(AControl->visible_, false);
    controls_.erase(std::remove(controls_.begin(), controls_.end(), AControl), controls_.end());
  }
  if (g_captureControl == AControl) g_captureControl = nullptr;
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

void TWinControl::SetZOrderPosition(TControl* AControl, int Position) {
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
    POINT p{Pos.X - c->left_, Pos.Y - c->top_};
    TRect r = c->GetClientRect();
    if (!PtInRect(&r, p)) return false;
    if (c->ComponentState().contains(csDesigning))
      return c->visible_ || !c->controlStyle_.contains(csNoDesignVisible);
    return c->visible_ && (c->enabled_ || AllowDisabled) &&
           c->Perform(CM_HITTEST, 0, MAKELPARAM(static_cast<WORD>(p.X), static_cast<WORD>(p.Y))) != 0;
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
    if (c->windowProc_) c->windowProc_(Message);
    else c->WndProc(Message);
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
  try {
    TRect r = GetClientRect();
    AlignControls(AControl, r);
  } catch (...) {
    controlState_ -= csAlignmentNeeded;
    EnableAlign();
    throw;
  }
  controlState_ -= csAlignmentNeeded;
  EnableAlign();
}

void TWinControl::AdjustClientRect(TRect& Rect) { InflateRect(&Rect, -borderWidth_, -borderWidth_); }

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  std::vector<TControl*> list;
  auto insertBefore = [](TControl* c1, TControl* c2, TAlign a) {
    switch (a) {
      case alTop: return c1->top_ < c2->top_;
      case alBottom: return c1->top_ + c1->height_ >= c2->top_ + c2->height_;
      case alLeft: return c1->left_ < c2->left_;
      case alRight: return c1->left_ + c1->width_ >= c2->left_ + c2->width_;
      default: return false;
    }
  };
  auto shown = [](TControl* c) {
    return c->visible_ || (c->ComponentState().contains(csDesigning) &&
                           !c->controlStyle_.contains(csNoDesignVisible));
  };
  auto doPosition = [&Rect](TControl* c, TAlign a) {
    int newWidth = Rect.Right - Rect.Left;
    if (newWidth < 0 || a == alLeft || a == alRight) newWidth = c->width_;
    int newHeight = Rect.Bottom - Rect.Top;
    if (newHeight < 0 || a == alTop || a == alBottom) newHeight = c->height_;
    int newLeft = Rect.Left, newTop = Rect.Top;
    switch (a) {
      case alTop: Rect.Top += newHeight; break;
      case alBottom: Rect.Bottom -= newHeight; newTop = Rect.Bottom; break;
      case alLeft: Rect.Left += newWidth; break;
      case alRight: Rect.Right -= newWidth; newLeft = Rect.Right; break;
      default: break;
    }
    c->SetBounds(newLeft, newTop, newWidth, newHeight);
    if (c->width_ != newWidth || c->height_ != newHeight) {
      switch (a) {
        case alTop: Rect.Top -= newHeight - c->height_; break;
        case alBottom: Rect.Bottom += newHeight - c->height_; break;
        case alLeft: Rect.Left -= newWidth - c->width_; break;
        case alRight: Rect.Right += newWidth - c->width_; break;
        case alClient:
          Rect.Right += newWidth - c->width_;
          Rect.Bottom += newHeight - c->height_;
          break;
        default: break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
    list.clear();
    if (AControl && AControl->parent_ == this && AControl->align_ == a && shown(AControl))
      list.push_back(AControl);
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c->align_ != a || !shown(c) || c == AControl) continue;
      size_t j = 0;
      while (j < list.size() && !insertBefore(c, list[j], a)) ++j;
      list.insert(list.begin() + static_cast<long>(j), c);
    }
    for (TControl* c : list) doPosition(c, a);
  }
  // Controls that are not aligned follow their anchors.
  TPoint parentSize{-1, -1};
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
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
      if (c->anchors_.contains(akLeft)) newWidth = parentSize.X - (ops.X - rules.X);
      else newLeft = parentSize.X - (ops.X - rules.X);
    } else if (!c->anchors_.contains(akLeft)) {
      newLeft = MulDiv(rules.X, parentSize.X, ops.X) - newWidth / 2;
    }
    if (c->anchors_.contains(akBottom)) {
      if (c->anchors_.contains(akTop)) newHeight = parentSize.Y - (ops.Y - rules.Y);
      else newTop = parentSize.Y - (ops.Y - rules.Y);
    } else if (!c->anchors_.contains(akTop)) {
      newTop = MulDiv(rules.Y, parentSize.Y, ops.Y) - newHeight / 2;
    }
    c->anchorMove_ = true;
    try {
      c->SetBounds(newLeft, newTop, std::max(0, newWidth), std::max(0, newHeight));
    } catch (...) {
      c->anchorMove_ = false;
      throw;
    }
    c->anchorMove_ = false;
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
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND p = GetParent(handle_); p && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
      MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
    UpdateBoundsRect(r);
  } else {
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
  if (handle_) {
    RECT r;
    win::GetClientRect(handle_, &r);
    return r;
  }
  TCreateParams p;
  paramsForMetrics_ = true;
  try {
    CreateParams(p);
  } catch (...) {
    paramsForMetrics_ = false;
    throw;
  }
  paramsForMetrics_ = false;
  RECT nc{0, 0, 0, 0};
  AdjustWindowRectEx(&nc, p.Style, FALSE, p.ExStyle);
  return Rect(0, 0, std::max(0, width_ - nc.Width()), std::max(0, height_ - nc.Height()));
}

TPoint TWinControl::ClientOrigin() {
  POINT p{0, 0};
  win::ClientToScreen(Handle(), &p);
  return p;
}

void TWinControl::WMWindowPosChanged(TWMWindowPosMsg& Message) {
  ZYL_INHERITED(Message);
  if (!handle_ || controlState_.contains(csDestroyingHandle)) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND p = GetParent(handle_); p && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, p, reinterpret_cast<POINT*>(&r), 2);
  UpdateBoundsRect(r);
}

void TWinControl::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
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
  if (ctl3D_ == Value) {
    parentCtl3D_ = false;
    return;
  }
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
  if (Message.WParam != 0) SetCtl3D(Message.LParam != 0);
  else if (parent_) SetCtl3D(parent_->ctl3D_);
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

void TWinControl::CMTextChanged(TMessage&) {}

void TWinControl::ReadState(TReader* Reader) {
  DisableAlign();
  try {
    TControl::ReadState(Reader);
  } catch (...) {
    EnableAlign();
    throw;
  }
  // Children read their tab order while they were inserted in stream order.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    return a->pendingTabOrder_ < b->pendingTabOrder_;
  });
  for (TWinControl* c : tabList_) c->pendingTabOrder_ = 0;
  EnableAlign();
  if (parent_) Perform(CM_PARENTCTL3DCHANGED, 0, 0);
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
  EnableAlign();
}

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
}

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
    if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
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

// ---- Window procedure ----

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      if (TCustomForm* form = vcl::GetParentForm(this)) {
        if (!form->SetFocusedControl(this)) return;
      }
      break;
    }
    case WM_KILLFOCUS:
      if (controlState_.contains(csFocusing)) return;
      break;
    case WM_NCHITTEST: {
      TControl::WndProc(Message);
      if (Message.Result == HTTRANSPARENT &&
          ControlAtPos(ScreenToClient({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}), false))
        Message.Result = HTCLIENT;
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: {
      if (Dragging()) return;
      // The reflected form first: dialog keys (tab, arrows, return, escape) and accelerator
      // characters are taken by the form before the control sees them.
      if (Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam) != 0) return;
      break;
    }
    case WM_MOUSELEAVE:
      break;
    case WM_CANCELMODE:
      if (GetCapture() == handle_ && g_captureControl && g_captureControl->parent_ == this)
        g_captureControl->Perform(WM_CANCELMODE, 0, 0);
      break;
    default:
      break;
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
    TRect r = c->BoundsRect();
    if (!RectVisible(DC, &r)) continue;
    if (controlState_.contains(csPaintCopy)) c->controlState_ += csPaintCopy;
    const int save = SaveDC(DC);
    OffsetWindowOrgEx(DC, -c->left_, -c->top_, nullptr);
    IntersectClipRect(DC, 0, 0, c->width_, c->height_);
    c->Perform(WM_PAINT, PtrToWParam(DC), 0);
    RestoreDC(DC, save);
    c->controlState_ -= csPaintCopy;
  }
}

void TWinControl::PaintHandler(TWMPaint& Message) {
  PAINTSTRUCT ps;
  HDC dc = Message.DC();
  const bool own = dc == nullptr;
  if (own) dc = BeginPaint(Handle(), &ps);
  try {
    if (controls_.empty()) {
      PaintWindow(dc);
    } else {
      const int save = SaveDC(dc);
      int clip = SIMPLEREGION;
      for (TControl* c : controls_) {
        if (c->visible_ && c->controlStyle_.contains(csOpaque)) {
          clip = ExcludeClipRect(dc, c->left_, c->top_, c->left_ + c->width_, c->top_ + c->height_);
          if (clip == NULLREGION) break;
        }
      }
      if (clip != NULLREGION) PaintWindow(dc);
      RestoreDC(dc, save);
    }
    PaintControls(dc, nullptr);
  } catch (...) {
    if (own) EndPaint(handle_, &ps);
    throw;
  }
  if (own) EndPaint(handle_, &ps);
}

void TWinControl::WMPaint(TWMPaint& Message) {
  if (!doubleBuffered_ || Message.DC()) {
    if (!controlState_.contains(csCustomPaint) && controls_.empty()) ZYL_INHERITED(Message);
    else PaintHandler(Message);
    return;
  }
  // Double buffered: paint into a memory bitmap, then copy it in one go.
  TRect cr = GetClientRect();
  HDC screen = GetDC(nullptr);
  HBITMAP bmp = CreateCompatibleBitmap(screen, std::max(1, cr.Right), std::max(1, cr.Bottom));
  ReleaseDC(nullptr, screen);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bmp);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  Perform(WM_ERASEBKGND, PtrToWParam(mem), PtrToLParam(mem));
  Message.WParam = PtrToWParam(mem);
  try {
    WMPaint(Message);
  } catch (...) {
    Message.WParam = 0;
    EndPaint(handle_, &ps);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    throw;
  }
  Message.WParam = 0;
  BitBlt(dc, 0, 0, cr.Right, cr.Bottom, mem, 0, 0, SRCCOPY);
  EndPaint(handle_, &ps);
  SelectObject(mem, old);
  DeleteDC(mem);
  DeleteObject(bmp);
}

void TWinControl::WMEraseBkgnd(TWMEraseBkgnd& Message) {
  if (!doubleBuffered_ || static_cast<LPARAM>(Message.WParam) == Message.LParam) {
    TRect r = GetClientRect();
    FillRect(Message.DC(), &r, brush_->Handle());
  }
  Message.Result = 1;
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  const int save = SaveDC(DC);
  SetWindowOrgEx(DC, -X, -Y, nullptr);
  IntersectClipRect(DC, 0, 0, width_, height_);
  Perform(WM_ERASEBKGND, PtrToWParam(DC), PtrToLParam(DC));
  Perform(WM_PAINT, PtrToWParam(DC), 0);
  for (TWinControl* c : winControls_) {
    if (c->visible_) c->PaintTo(DC, X + c->left_, Y + c->top_);
  }
  RestoreDC(DC, save);
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
      .On(CM_RECREATEWND, &TWinControl::CMRecreateWnd)
      .On(CM_TEXTCHANGED, &TWinControl::CMTextChanged)
      .On(CN_KEYDOWN, &TWinControl::CNKeyDown)
      .On(CN_SYSKEYDOWN, &TWinControl::CNKeyDown)
      .On(CN_CHAR, &TWinControl::CNChar)
      .On(CN_SYSCHAR, &TWinControl::CNChar);
}

ZYL_CLASS_IMPL(TWinControl) {
  using C = TWinControl;
  b.Declare("Ctl3D", &C::Ctl3D, &C::SetCtl3D).Stored(&C::IsCtl3DStored)
      .Declare("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D).Default(true)
      .Declare("TabOrder", &C::TabOrder, &C::SetTabOrder)
      .Declare("TabStop", &C::TabStop, &C::SetTabStop).Default(false)
      .Declare("OnEnter", &C::GetOnEnter, &C::SetOnEnter)
      .Declare("OnExit", &C::GetOnExit, &C::SetOnExit)
      .Declare("OnKeyDown", &C::GetOnKeyDown, &C::SetOnKeyDown)
      .Declare("OnKeyPress", &C::GetOnKeyPress, &C::SetOnKeyPress)
      .Declare("OnKeyUp", &C::GetOnKeyUp, &C::SetOnKeyUp);
}

// ---------------------------------------------------------------------------------------------
// TGraphicControl and TCustomControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  canvas_ = new TControlCanvas;
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() { delete canvas_; }

void TGraphicControl::WMPaint(TWMPaint& Message) {
  if (!Message.DC()) return;
  canvas_->Lock();
  canvas_->FreeHandle();
  canvas_->SetHandle(Message.DC());
  try {
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
    throw;
  }
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}

ZYL_MESSAGE_MAP(TGraphicControl) { m.On(WM_PAINT, &TGraphicControl::WMPaint); }
ZYL_CLASS_IMPL(TGraphicControl) {}

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  canvas_ = new TControlCanvas;
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() {
  delete canvas_;
  canvas_ = nullptr;
}

void TCustomControl::PaintWindow(HDC DC) {
  canvas_->Lock();
  canvas_->FreeHandle();
  canvas_->SetHandle(DC);
  try {
    canvas_->UpdateTextFlags();
    Paint();
  } catch (...) {
    canvas_->SetHandle(nullptr);
    canvas_->Unlock();
    throw;
  }
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}

void TCustomControl::WMPaint(TWMPaint& Message) {
  controlState_ += csCustomPaint;
  try {
    ZYL_INHERITED(Message);
  } catch (...) {
    controlState_ -= csCustomPaint;
    throw;
  }
  controlState_ -= csCustomPaint;
}

ZYL_MESSAGE_MAP(TCustomControl) { m.On(WM_PAINT, &TCustomControl::WMPaint); }
ZYL_CLASS_IMPL(TCustomControl) {}
ZYL_CLASS_IMPL(TControlCanvas) {}

}  // namespace vcl
