// Scrolling windows: TControlScrollBar, TScrollingWinControl and TScrollBox.
#include <algorithm>

#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/ControlsInternal.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"

namespace vcl {

using namespace win;

// ---------------------------------------------------------------------------------------------
// TControlScrollBar

int32_t TControlScrollBar::ControlSize() const {
  if (!control_) return 0;
  return kind_ == sbHorizontal ? control_->ClientWidth() : control_->ClientHeight();
}

int32_t TControlScrollBar::Range() const {
  if (control_) control_->SettleAutoRange();
  return range_;
}

int32_t TControlScrollBar::LastPosition() const {
  return std::max(0, ClampToInt(int64_t{Range()} - ControlSize()));
}

bool TControlScrollBar::IsScrollBarVisible() const {
  return visible_ && control_ && Range() > ControlSize();
}

bool TControlScrollBar::IsRangeStored() const { return !control_ || !control_->AutoScroll(); }

int32_t TControlScrollBar::PageIncrement() const { return std::max(1, ControlSize() * 9 / 10); }

int32_t TControlScrollBar::LineIncrement() const {
  return smooth_ ? std::max(1, PageIncrement() / 10) : increment_;
}

void TControlScrollBar::Changed() {
  if (!control_) return;
  control_->lookChanged_ = true;
  control_->UpdateScrollBars();
}

bool TControlScrollBar::HasOwnLook() const {
  return style_ != ssRegular || size_ > 0 || buttonSize_ > 0 || thumbSize_ > 0 || !parentColor_;
}

void TControlScrollBar::ApplyLook(HWND Wnd) const {
  const bool horz = kind_ == sbHorizontal;
  const int mode = style_ == ssFlat       ? FSB_FLAT_MODE
                   : style_ == ssHotTrack ? FSB_ENCARTA_MODE
                                          : FSB_REGULAR_MODE;
  FlatSB_SetScrollProp(Wnd, horz ? WSB_PROP_HSTYLE : WSB_PROP_VSTYLE, mode, FALSE);
  FlatSB_SetScrollProp(Wnd, horz ? WSB_PROP_CYHSCROLL : WSB_PROP_CXVSCROLL, size_, FALSE);
  FlatSB_SetScrollProp(Wnd, horz ? WSB_PROP_CXHSCROLL : WSB_PROP_CYVSCROLL, buttonSize_, FALSE);
  FlatSB_SetScrollProp(Wnd, horz ? WSB_PROP_CXHTHUMB : WSB_PROP_CYVTHUMB, thumbSize_, FALSE);
  const TColor back = parentColor_ ? clBtnHighlight : color_;
  FlatSB_SetScrollProp(Wnd, horz ? WSB_PROP_HBKGCOLOR : WSB_PROP_VBKGCOLOR,
                       static_cast<INT_PTR>(ColorToRGB(back)), FALSE);
}

void TControlScrollBar::SetPixels(int32_t& Field, int32_t Value) {
  if (Value < 0 || Value > 32767) throw EInvalidOperation(SScrollBarRange);
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TControlScrollBar::SetButtonSize(int32_t Value) { SetPixels(buttonSize_, Value); }
void TControlScrollBar::SetSize(int32_t Value) { SetPixels(size_, Value); }
void TControlScrollBar::SetThumbSize(int32_t Value) { SetPixels(thumbSize_, Value); }

void TControlScrollBar::SetColor(TColor Value) {
  parentColor_ = false;
  if (color_ == Value) return;
  color_ = Value;
  Changed();
}

// Following the parent again brings back the highlight colour.
void TControlScrollBar::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (Value) color_ = clBtnHighlight;
  Changed();
}

void TControlScrollBar::SetSmooth(bool Value) {
  if (smooth_ == Value) return;
  smooth_ = Value;
  Changed();
}

void TControlScrollBar::SetStyle(TScrollBarStyle Value) {
  if (Value < ssRegular || Value > ssHotTrack) throw EInvalidOperation(SScrollBarRange);
  if (style_ == Value) return;
  style_ = Value;
  Changed();
}

void TControlScrollBar::SetIncrement(int32_t Value) {
  if (Value < 1 || Value > 32767) throw EInvalidOperation(SScrollBarRange);
  increment_ = Value;
}

void TControlScrollBar::SetMargin(int32_t Value) {
  if (Value < 0) throw EInvalidOperation(SScrollBarRange);
  margin_ = Value;
  if (control_) control_->Realign();
}

void TControlScrollBar::SetRange(int32_t Value) {
  if (Value < 0) throw EInvalidOperation(SScrollBarRange);
  // A range set by hand is kept: the children no longer decide it.
  if (control_) {
    control_->SettleAutoRange();  // the other bar keeps the range the children gave it
    control_->autoScroll_ = false;
  }
  range_ = Value;
  if (control_) control_->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
  visible_ = Value;
  if (control_) control_->UpdateScrollBars();
}

// Scrolls the contents to a position within the range.
void TControlScrollBar::SetPosition(int32_t Value) {
  if (control_ && control_->ComponentState().contains(csLoading)) {
    position_ = std::max(0, Value);
    return;
  }
  Value = std::clamp(Value, 0, LastPosition());
  if (Value == position_) return;
  const int delta = position_ - Value;
  position_ = Value;
  if (!control_) return;
  control_->ScrollContents(kind_ == sbHorizontal ? delta : 0, kind_ == sbVertical ? delta : 0);
  if (control_->HandleAllocated() && IsScrollBarVisible())
    SetScrollPos(control_->Handle(), kind_ == sbHorizontal ? SB_HORZ : SB_VERT, position_, TRUE);
}

void TControlScrollBar::ScrollMessage(uint16_t Code) {
  const int32_t page = PageIncrement();
  const int bar = kind_ == sbHorizontal ? SB_HORZ : SB_VERT;
  switch (Code) {
    case SB_LINEUP: SetPosition(position_ - LineIncrement()); break;
    case SB_LINEDOWN: SetPosition(position_ + LineIncrement()); break;
    case SB_PAGEUP: SetPosition(position_ - page); break;
    case SB_PAGEDOWN: SetPosition(position_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      if (Code == SB_THUMBPOSITION || tracking_) {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        if (control_ && GetScrollInfo(control_->Handle(), bar, &si)) SetPosition(si.nTrackPos);
      }
      break;
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(LastPosition()); break;
    default: break;
  }
}

void TControlScrollBar::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TControlScrollBar*>(Source)) {
    buttonSize_ = s->buttonSize_;
    color_ = s->color_;
    increment_ = s->increment_;
    margin_ = s->margin_;
    parentColor_ = s->parentColor_;
    // The copied range stands until the children next change it.
    if (control_) control_->SettleAutoRange();
    range_ = s->Range();
    smooth_ = s->smooth_;
    size_ = s->size_;
    style_ = s->style_;
    thumbSize_ = s->thumbSize_;
    tracking_ = s->tracking_;
    visible_ = s->visible_;
    SetPosition(s->position_);
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

ZYL_CLASS_IMPL(TControlScrollBar) {
  using C = TControlScrollBar;
  b.Prop("ButtonSize", &C::ButtonSize, &C::SetButtonSize)
      .Default(0)
      .Prop("Color", &C::Color, &C::SetColor, ColorTypeInfo())
      .Default(clBtnHighlight)
      .Stored(&C::IsColorStored)
      .Prop("Increment", &C::Increment, &C::SetIncrement)
      .Default(8)
      .Stored(&C::IsIncrementStored)
      .Prop("Margin", &C::Margin, &C::SetMargin)
      .Default(0)
      .Prop("ParentColor", &C::ParentColor, &C::SetParentColor)
      .Default(true)
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Prop("Range", &C::Range, &C::SetRange)
      .Default(0)
      .Stored(&C::IsRangeStored)
      .Prop("Smooth", &C::Smooth, &C::SetSmooth)
      .Default(false)
      .Prop("Size", &C::Size, &C::SetSize)
      .Default(0)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(ssRegular)
      .Prop("ThumbSize", &C::ThumbSize, &C::SetThumbSize)
      .Default(0)
      .Prop("Tracking", &C::Tracking, &C::SetTracking)
      .Default(false)
      .Prop("Visible", &C::Visible, &C::SetVisible)
      .Default(true);
}

// ---------------------------------------------------------------------------------------------
// TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner),
      horz_(new TControlScrollBar(this, sbHorizontal)),
      vert_(new TControlScrollBar(this, sbVertical)) {}

TScrollingWinControl::~TScrollingWinControl() {
  if (HandleAllocated()) DestroyWindowHandle();
  delete horz_;
  horz_ = nullptr;
  delete vert_;
  vert_ = nullptr;
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (autoScroll_ == Value) return;
  autoScroll_ = Value;
  if (Value) {
    CalcAutoRange();
  } else {
    horz_->SetRange(0);
    vert_->SetRange(0);
  }
}

// The ranges reach the right and bottom edges of the children (scrolled back to the origin),
// plus the margin. Only children kept at the near edge count: aligned there, or anchored to it
// and not to the far one (the others move with the client area); children aligned to the far
// edge add their size, as the room they take from the rest.
void TScrollingWinControl::CalcAutoRange() {
  if (!autoScroll_ || autoRangeCount_ > 0 || !horz_ || ComponentState().contains(csLoading)) return;
  autoRangeStale_ = true;
  if (HandleAllocated() && !autoRangePosted_ && win::PostMessageA(Handle(), CM_AUTORANGE, 0, 0))
    autoRangePosted_ = true;
}

void TScrollingWinControl::CMAutoRange(TMessage& /*Message*/) {
  autoRangePosted_ = false;
  SettleAutoRange();
}

void TScrollingWinControl::SettleAutoRange() {
  if (!autoRangeStale_) return;
  autoRangeStale_ = false;
  if (!autoScroll_ || !horz_) return;
  // Children at the integer limits give ranges brought back into range.
  int64_t right = 0, bottom = 0, farWidth = 0, farHeight = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible() && !ComponentState().contains(csDesigning)) continue;
    const TAnchors across = c->Anchors() * TAnchors{akLeft, akRight};
    const TAnchors down = c->Anchors() * TAnchors{akTop, akBottom};
    if (c->Align() == alLeft || (c->Align() == alNone && across == TAnchors{akLeft}))
      right = std::max(right, int64_t{c->Left()} + c->Width() + horz_->position_ + horz_->margin_);
    else if (c->Align() == alRight)
      farWidth += c->Width();
    if (c->Align() == alTop || (c->Align() == alNone && down == TAnchors{akTop}))
      bottom =
          std::max(bottom, int64_t{c->Top()} + c->Height() + vert_->position_ + vert_->margin_);
    else if (c->Align() == alBottom)
      farHeight += c->Height();
  }
  horz_->range_ = ClampToInt(right + farWidth);
  vert_->range_ = ClampToInt(bottom + farHeight);
  UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (updating_ || !horz_ || !vert_ || !HandleAllocated()) return;
  if (autoRangeStale_) {
    SettleAutoRange();  // which comes back here with the ranges
    return;
  }
  updating_ = true;
  TFinally done([this] { updating_ = false; });
  ApplyBarLooks();
  // Showing one bar narrows the client area for the other: settle in two rounds.
  for (int round = 0; round < 2; ++round)
    for (TControlScrollBar* sb : {horz_, vert_}) {
      const int bar = sb->kind_ == sbHorizontal ? SB_HORZ : SB_VERT;
      if (sb->IsScrollBarVisible()) {
        SCROLLINFO si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        // A page one pixel over the client extent: the last position is Range - ControlSize.
        si.nMax = sb->range_;
        si.nPage = static_cast<UINT>(sb->ControlSize() + 1);
        si.nPos = sb->position_;
        ShowScrollBar(Handle(), bar, TRUE);
        SetScrollInfo(Handle(), bar, &si, TRUE);
      } else {
        ShowScrollBar(Handle(), bar, FALSE);
      }
      // A bar that lost range scrolls its contents back.
      if (sb->position_ > sb->LastPosition()) {
        updating_ = false;
        sb->SetPosition(sb->LastPosition());
        updating_ = true;
      }
    }
}

// Bars of the classic look leave the window's bars as the system makes them.
void TScrollingWinControl::ApplyBarLooks() {
  if (!lookChanged_) return;
  lookChanged_ = false;
  if (!horz_->HasOwnLook() && !vert_->HasOwnLook()) {
    UninitializeFlatSB(Handle());
    return;
  }
  InitializeFlatSB(Handle());
  horz_->ApplyLook(Handle());
  vert_->ApplyLook(Handle());
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TScrollingWinControl::ScrollContents(int dx, int dy) {
  if (dx == 0 && dy == 0) return;
  DisableAlign();
  TFinally done([this] { EnableAlign(); });
  ++autoRangeCount_;
  TFinally range([this] { --autoRangeCount_; });
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  if (!AControl || AControl == this || !ContainsControl(AControl)) return;
  // The control's place in this control's client area.
  TPoint at{AControl->Left(), AControl->Top()};
  if (AControl->Parent() != this) {
    if (!HandleAllocated()) return;
    at = ScreenToClient(AControl->Parent()->ClientToScreen(at));
  }
  const int cw = ClientWidth(), ch = ClientHeight();
  auto fit = [](TControlScrollBar* sb, int start, int size, int view) {
    if (start < 0)
      sb->SetPosition(sb->Position() + start);
    else if (start + size > view)
      sb->SetPosition(sb->Position() + std::min(start, start + size - view));
  };
  fit(horz_, at.X - horz_->margin_, AControl->Width() + 2 * horz_->margin_, cw);
  fit(vert_, at.Y - vert_->margin_, AControl->Height() + 2 * vert_->margin_, ch);
}

void TScrollingWinControl::AutoScrollInView(TControl* AControl) {
  if (AControl && !AControl->ComponentState().contains(csLoading) &&
      !ComponentState().contains(csLoading))
    ScrollInView(AControl);
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  CalcAutoRange();
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  autoRangePosted_ = false;  // what was posted went with the old window
  // A new window has the classic bars.
  lookChanged_ = horz_->HasOwnLook() || vert_->HasOwnLook();
  UpdateScrollBars();
}

void TScrollingWinControl::ChangeScale(int M, int D) {
  ScaleScrollBars(M, D);
  TWinControl::ChangeScale(M, D);
}

void TScrollingWinControl::ScaleScrollBars(int M, int D) {
  SettleAutoRange();
  for (TControlScrollBar* sb : {horz_, vert_}) {
    sb->range_ = MulDiv(sb->range_, M, D);
    sb->position_ = MulDiv(sb->position_, M, D);
  }
}

void TScrollingWinControl::WMHScroll(TMessage& Message) {
  if (Message.LParam == 0)
    horz_->ScrollMessage(Message.WParamLo());
  else
    ZYL_INHERITED(Message);
}

void TScrollingWinControl::WMVScroll(TMessage& Message) {
  if (Message.LParam == 0)
    vert_->ScrollMessage(Message.WParamLo());
  else
    ZYL_INHERITED(Message);
}

void TScrollingWinControl::WMSize(TWMSize& Message) {
  ZYL_INHERITED(Message);
  UpdateScrollBars();
}

ZYL_MESSAGE_MAP(TScrollingWinControl) {
  m.On(WM_HSCROLL, &TScrollingWinControl::WMHScroll)
      .On(WM_VSCROLL, &TScrollingWinControl::WMVScroll)
      .On(WM_SIZE, &TScrollingWinControl::WMSize)
      .On(CM_AUTORANGE, &TScrollingWinControl::CMAutoRange);
}

ZYL_CLASS_IMPL(TScrollingWinControl) {
  using C = TScrollingWinControl;
  b.Declare("AutoScroll", &C::AutoScroll, &C::SetAutoScroll)
      .Default(true)
      .Declare("HorzScrollBar", &C::HorzScrollBar, &C::SetHorzScrollBar)
      .Declare("VertScrollBar", &C::VertScrollBar, &C::SetVertScrollBar);
}

// ---------------------------------------------------------------------------------------------
// TCustomScrollBox, TScrollBox

TCustomScrollBox::TCustomScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  width_ = 185;
  height_ = 41;
}

void TCustomScrollBox::SetBorderStyle(TFormBorderStyle Value) {
  if (Value != bsNone && Value != bsSingle) throw EInvalidOperation(SScrollBarRange);
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
}

void TCustomScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  if (borderStyle_ == bsSingle) {
    if (Ctl3D())
      Params.ExStyle |= WS_EX_CLIENTEDGE;
    else
      Params.Style |= WS_BORDER;
  }
}

namespace {
// A scroll box's border takes the first two of the form's styles only: its published type is
// the range bsNone .. bsSingle, so that the other styles are neither offered nor read.
const TTypeInfo* ScrollBoxBorderStyleTypeInfo() {
  static const TTypeInfo* t = MakeEnumTypeInfo("TBorderStyle", "bsNone, bsSingle");
  return t;
}
}  // namespace

ZYL_CLASS_IMPL(TCustomScrollBox) {
  b.Declare("BorderStyle", &TCustomScrollBox::BorderStyle, &TCustomScrollBox::SetBorderStyle,
            ScrollBoxBorderStyleTypeInfo())
      .Default(bsSingle);
}

ZYL_CLASS_IMPL(TScrollBox) {
  // The scroll bars follow the size, where the scrolling control publishes them.
  b.Publish({"HorzScrollBar", "VertScrollBar", "Align", "Anchors", "AutoScroll", "BiDiMode",
             "BorderStyle"})
      .Publish({"Constraints", "DragCursor",  "DragKind",       "DragMode",       "Enabled",
                "Color",       "Ctl3D",       "Font",           "ParentBiDiMode", "ParentColor",
                "ParentCtl3D", "ParentFont",  "ParentShowHint", "PopupMenu",      "ShowHint",
                "TabOrder",    "TabStop",     "Visible",        "OnClick",        "OnDblClick",
                "OnDragDrop",  "OnDragOver",  "OnEndDock",      "OnEndDrag",      "OnEnter",
                "OnExit",      "OnMouseDown", "OnMouseMove",    "OnMouseUp",      "OnResize",
                "OnStartDock", "OnStartDrag"});
}

namespace {
const controls_internal::TStandardClasses registered{&TScrollBox::StaticClass};
}  // namespace

}  // namespace vcl
