#include "platform/controls/RangeCtrls.h"

#include <algorithm>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"

namespace vcl {

using namespace win;

namespace {
constexpr int kBlockGap = 2;     // between the blocks of a progress bar
constexpr int kTrackEdge = 8;    // the channel's distance from the ends of a track bar
constexpr int kThumbWidth = 11;  // the thumb's size along the channel
constexpr int kTickLength = 3;
constexpr UINT kRepeatDelay = 400;  // before a held arrow button starts repeating
constexpr UINT kRepeatRate = 100;
constexpr UINT_PTR kRepeatTimer = 1;

void FillSolid(TCanvas* c, const TRect& r, TColor color) {
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->FillRect(r);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// TRangeControl

void TRangeControl::CheckRange(int32_t AMin, int32_t AMax) const {
  if (AMin > AMax && !ComponentState().contains(csLoading))
    throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
}

void TRangeControl::RangeChanged() {
  if (!ComponentState().contains(csLoading)) position_ = std::clamp(position_, min_, max_);
  Invalidate();
}

void TRangeControl::SetMin(int32_t Value) {
  CheckRange(Value, max_);
  min_ = Value;
  RangeChanged();
}

void TRangeControl::SetMax(int32_t Value) {
  CheckRange(min_, Value);
  max_ = Value;
  RangeChanged();
}

void TRangeControl::Loaded() {
  TCustomControl::Loaded();
  if (min_ > max_) {
    max_ = min_;
    throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  }
  const int32_t kept = std::clamp(position_, min_, max_);
  if (kept == position_) return;
  position_ = kept;
  Invalidate();
}

// ---------------------------------------------------------------------------------------------
// TProgressBar

TProgressBar::TProgressBar(TComponent* AOwner) : TRangeControl(AOwner, 100) {
  controlStyle_ = {csOpaque};
  width_ = 150;
  height_ = 16;
  SetColor(clBtnFace);
}

void TProgressBar::SetPosition(int32_t Value) {
  if (!ComponentState().contains(csLoading) && min_ <= max_) Value = std::clamp(Value, min_, max_);
  if (Value == position_) return;
  position_ = Value;
  Invalidate();
}

void TProgressBar::SetSmooth(bool Value) {
  smooth_ = Value;
  Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  if (!ComponentState().contains(csLoading)) SetBounds(left_, top_, height_, width_);
  Invalidate();
}

void TProgressBar::StepIt() {
  int64_t next = static_cast<int64_t>(position_) + step_;
  const int64_t range = static_cast<int64_t>(max_) - min_;
  if (range > 0 && next > max_) next = min_ + (next - min_) % range;
  if (range > 0 && next < min_) next = max_ - (max_ - next) % range;
  SetPosition(static_cast<int32_t>(next));
}

TRect TProgressBar::BarRect() {
  TRect r{2, 2, width_ - 2, height_ - 2};
  const int64_t range = static_cast<int64_t>(max_) - min_;
  const int64_t done = static_cast<int64_t>(position_) - min_;
  if (orientation_ == pbHorizontal) {
    const int full = std::max(0, r.Width());
    r.Right = r.Left + (range > 0 ? static_cast<int>(done * full / range) : 0);
  } else {
    const int full = std::max(0, r.Height());
    r.Top = r.Bottom - (range > 0 ? static_cast<int>(done * full / range) : 0);
  }
  return r;
}

void TProgressBar::Paint() {
  TCanvas* c = canvas_;
  TRect client{0, 0, width_, height_};
  FillSolid(c, client, color_);
  RECT e = client;
  DrawEdge(c->Handle(), &e, BDR_SUNKENOUTER, BF_RECT);
  const TRect bar = BarRect();
  const TColor fill = enabled_ ? clHighlight : clBtnShadow;
  if (smooth_) {
    FillSolid(c, bar, fill);
    return;
  }
  // Blocks two thirds as long as the bar is thick, the last one cut at the bar's end.
  const bool across = orientation_ == pbHorizontal;
  const int block = std::max(2, (across ? height_ - 4 : width_ - 4) * 2 / 3);
  if (across) {
    for (int x = bar.Left; x < bar.Right; x += block + kBlockGap)
      FillSolid(c, TRect{x, bar.Top, std::min(x + block, bar.Right), bar.Bottom}, fill);
  } else {
    for (int y = bar.Bottom; y > bar.Top; y -= block + kBlockGap)
      FillSolid(c, TRect{bar.Left, std::max(y - block, bar.Top), bar.Right, y}, fill);
  }
}

ZYL_CLASS_IMPL(TProgressBar) {
  using C = TProgressBar;
  b.Publish({"Align", "Anchors"})
      .Prop("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Publish({"Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("Min", &C::Min, &C::SetMin)
      .Default(0)
      .Prop("Max", &C::Max, &C::SetMax)
      .Default(100)
      .Prop("Orientation", &C::Orientation, &C::SetOrientation)
      .Default(pbHorizontal)
      .Publish({"ParentShowHint", "PopupMenu"})
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Prop("Smooth", &C::Smooth, &C::SetSmooth)
      .Default(false)
      .Prop("Step", &C::Step, &C::SetStep)
      .Default(10)
      .Publish({"ShowHint", "TabOrder", "TabStop", "Visible", "OnDragDrop", "OnDragOver",
                "OnEndDock", "OnEndDrag", "OnEnter", "OnExit", "OnMouseDown", "OnMouseMove",
                "OnMouseUp", "OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TTrackBar

TTrackBar::TTrackBar(TComponent* AOwner) : TRangeControl(AOwner, 10) {
  controlStyle_ = {csCaptureMouse, csOpaque};
  width_ = 150;
  height_ = 45;
  tabStop_ = true;
}

void TTrackBar::SetPosition(int32_t Value) {
  if (!ComponentState().contains(csLoading)) Value = std::clamp(Value, min_, max_);
  if (Value == position_) return;
  position_ = Value;
  Invalidate();
  if (!ComponentState().contains(csLoading) && OnChange) OnChange(this);
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  tickMarks_ = Value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  tickStyle_ = Value;
  Invalidate();
}

void TTrackBar::SetSelStart(int32_t Value) {
  selStart_ = Value;
  Invalidate();
}

void TTrackBar::SetSelEnd(int32_t Value) {
  selEnd_ = Value;
  Invalidate();
}

void TTrackBar::SetSliderVisible(bool Value) {
  sliderVisible_ = Value;
  Invalidate();
}

void TTrackBar::SetFrequency(int32_t Value) {
  if (Value < 1) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  frequency_ = Value;
  Invalidate();
}

void TTrackBar::SetThumbLength(int32_t Value) {
  if (Value < 1) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  thumbLength_ = Value;
  Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  if (!ComponentState().contains(csLoading)) SetBounds(left_, top_, height_, width_);
  Invalidate();
}

void TTrackBar::SetTick(int Value) {
  ticks_.push_back(Value);
  Invalidate();
}

TRect TTrackBar::ThumbRect() {
  const int across = (tickMarks_ == tmTopLeft || tickMarks_ == tmBoth) ? 10 : 4;
  const int at = PixelOf(position_) - kThumbWidth / 2;
  // A thumb far longer than any control ends at half of int's range, so that the ticks laid
  // beside it stay within int's range too.
  const int beyond =
      static_cast<int>(std::min<int64_t>(int64_t{across} + thumbLength_, INT32_MAX / 2));
  if (Horizontal()) return TRect{at, across, at + kThumbWidth, beyond};
  return TRect{across, at, beyond, at + kThumbWidth};
}

TRect TTrackBar::ChannelRect() {
  const int across = (tickMarks_ == tmTopLeft || tickMarks_ == tmBoth) ? 10 : 4;
  const int mid = across + thumbLength_ / 2;
  // A selection needs room inside the groove to show.
  const int half = selEnd_ > selStart_ ? 4 : 2;
  if (Horizontal())
    return TRect{kTrackEdge, mid - half, ClampToInt(int64_t{width_} - kTrackEdge), mid + half};
  return TRect{mid - half, kTrackEdge, mid + half, ClampToInt(int64_t{height_} - kTrackEdge)};
}

int TTrackBar::PixelOf(int32_t Value) {
  const int start = kTrackEdge + kThumbWidth / 2;
  const int span = TrackSpan();
  const int64_t range = static_cast<int64_t>(max_) - min_;
  if (range <= 0 || span <= 0) return start;
  return start + static_cast<int>((static_cast<int64_t>(Value) - min_) * span / range);
}

int TTrackBar::TrackSpan() const {
  return ClampToInt(int64_t{Horizontal() ? width_ : height_} - 2 * kTrackEdge - kThumbWidth);
}

int32_t TTrackBar::ValueAt(int Pixel) {
  const int start = kTrackEdge + kThumbWidth / 2;
  const int span = TrackSpan();
  const int64_t range = static_cast<int64_t>(max_) - min_;
  if (range <= 0 || span <= 0) return min_;
  const double v = min_ + (static_cast<double>(Pixel) - start) * range / span;
  return static_cast<int32_t>(std::clamp<int64_t>(Round(v), min_, max_));
}

void TTrackBar::DrawTicks(bool Before) {
  TCanvas* c = canvas_;
  const TRect thumb = ThumbRect();
  const int base = Before ? (Horizontal() ? thumb.Top : thumb.Left) - 2 - kTickLength
                          : (Horizontal() ? thumb.Bottom : thumb.Right) + 2;
  c->Pen()->SetColor(clBlack);
  auto tick = [&](int32_t v) {
    const int p = PixelOf(v);
    // The ends have longer ticks.
    const int len = (v == min_ || v == max_) ? kTickLength + 1 : kTickLength;
    const int from = Before ? base + kTickLength - len : base;
    if (Horizontal()) {
      c->MoveTo(p, from);
      c->LineTo(p, from + len);
    } else {
      c->MoveTo(from, p);
      c->LineTo(from + len, p);
    }
    return p;
  };
  tick(min_);
  tick(max_);
  if (tickStyle_ != tsAuto) {
    for (int v : ticks_)
      if (v > min_ && v < max_) tick(v);
    return;
  }
  // Every Frequency-th value has a tick, but a pixel shows one tick however many fall on it,
  // and only the pixels the canvas shows are drawn: each tick drawn leads to the first tick of
  // the next pixel.
  const int64_t start = kTrackEdge + kThumbWidth / 2;
  const int64_t span = int64_t(Horizontal() ? width_ : height_) - 2 * kTrackEdge - kThumbWidth;
  const int64_t range = int64_t(max_) - min_;
  const int64_t firstTick = int64_t(min_) + frequency_;
  if (firstTick >= max_) return;
  if (span <= 0) {  // every tick stands at the start
    tick(static_cast<int32_t>(firstTick));
    return;
  }
  RECT box{};
  if (GetClipBox(c->Handle(), &box) == NULLREGION) return;
  const int64_t shownFrom = Horizontal() ? box.Left : box.Top;
  const int64_t shownTo = Horizontal() ? box.Right : box.Bottom;
  // The least tick whose pixel is at or after `pixel` (PixelOf rounds down).
  auto tickFrom = [&](int64_t pixel) {
    const int64_t offset = (std::clamp(pixel, start, start + span) - start) * range;
    const int64_t value = (offset + span - 1) / span;
    return int64_t(min_) + std::max<int64_t>(1, (value + frequency_ - 1) / frequency_) * frequency_;
  };
  for (int64_t v = tickFrom(shownFrom); v < max_;) {
    const int p = tick(static_cast<int32_t>(v));
    if (p >= shownTo) break;
    v = tickFrom(int64_t(p) + 1);
  }
}

void TTrackBar::Paint() {
  TCanvas* c = canvas_;
  FillSolid(c, TRect{0, 0, width_, height_}, color_);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  TRect channel = ChannelRect();
  RECT e = channel;
  DrawEdge(c->Handle(), &e, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillSolid(c, e, clWindow);
  if (selEnd_ > selStart_) {
    TRect sel = e;
    if (Horizontal()) {
      sel.Left = std::max<int>(e.Left, PixelOf(std::max(selStart_, min_)));
      sel.Right = std::min<int>(e.Right, PixelOf(std::min(selEnd_, max_)) + 1);
    } else {
      sel.Top = std::max<int>(e.Top, PixelOf(std::max(selStart_, min_)));
      sel.Bottom = std::min<int>(e.Bottom, PixelOf(std::min(selEnd_, max_)) + 1);
    }
    FillSolid(c, sel, clHighlight);
  }
  if (tickStyle_ != tsNone) {
    if (tickMarks_ != tmTopLeft) DrawTicks(false);
    if (tickMarks_ != tmBottomRight) DrawTicks(true);
  }
  if (sliderVisible_) {
    RECT t = ThumbRect();
    if (tickMarks_ == tmBoth || tickStyle_ == tsNone)
      DrawEdge(c->Handle(), &t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    else
      DrawPointedThumb(t);
    if (!enabled_) {
      // A disabled thumb is hatched with the highlight colour.
      const auto light = static_cast<COLORREF>(ColorToRGB(clBtnHighlight));
      for (int y = t.Top + 2; y < t.Bottom - 2; ++y)
        for (int x = t.Left + 2 + (y & 1); x < t.Right - 2; x += 2)
          SetPixel(c->Handle(), x, y, light);
    }
  }
  if (Focused()) c->DrawFocusRect(TRect{0, 0, width_, height_});
}

void TTrackBar::DrawPointedThumb(const TRect& Thumb) {
  // Worked out for a horizontal bar with the point down (ticks below); other placements
  // mirror and transpose the points. u runs along the channel, v across it.
  TCanvas* c = canvas_;
  const bool horz = Horizontal();
  const bool pointFar = tickMarks_ == tmBottomRight;
  const int len = horz ? Thumb.Width() : Thumb.Height();
  const int depth = horz ? Thumb.Height() : Thumb.Width();
  const int half = len / 2;
  auto at = [&](int u, int v) {
    if (!pointFar) v = depth - 1 - v;
    return horz ? TPoint{Thumb.Left + u, Thumb.Top + v} : TPoint{Thumb.Left + v, Thumb.Top + u};
  };
  const int body = depth - 1 - half;  // where the point begins
  std::vector<TPoint> shape{at(0, 0), at(len - 1, 0), at(len - 1, body), at(half, depth - 1),
                            at(0, body)};
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->Pen()->SetColor(clBtnFace);
  c->Polygon(shape);
  auto line = [c](TColor color, TPoint a, TPoint b) {
    c->Pen()->SetColor(color);
    c->MoveTo(a.X, a.Y);
    c->LineTo(b.X, b.Y);
  };
  // Light on the sides facing up and left, darkest (with a shadow inside) on the others.
  line(clBtnHighlight, at(0, body), at(0, 0));
  line(pointFar ? clBtnHighlight : cl3DDkShadow, at(0, 0), at(len - 1, 0));
  line(cl3DDkShadow, at(len - 1, 0), at(len - 1, body));
  line(clBtnShadow, at(len - 2, 1), at(len - 2, body));
  line(cl3DDkShadow, at(len - 1, body), at(half, depth - 1));
  line(clBtnHighlight, at(0, body), at(half, depth - 1));
  const TPoint tip = at(half, depth - 1);  // lines leave out their last pixel
  c->SetPixels(tip.X, tip.Y, cl3DDkShadow);
}

void TTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  int32_t target = position_;
  switch (Key) {
    case VK_LEFT:
    case VK_UP: target = ClampToInt(int64_t{position_} - lineSize_); break;
    case VK_RIGHT:
    case VK_DOWN: target = ClampToInt(int64_t{position_} + lineSize_); break;
    case VK_PRIOR: target = ClampToInt(int64_t{position_} - pageSize_); break;
    case VK_NEXT: target = ClampToInt(int64_t{position_} + pageSize_); break;
    case VK_HOME: target = min_; break;
    case VK_END: target = max_; break;
    default: return;
  }
  Key = 0;
  SetPosition(target);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !enabled_) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TRect thumb = ThumbRect();
  const int along = Horizontal() ? X : Y;
  if (sliderVisible_ && PtInRect(&thumb, TPoint{X, Y})) {
    dragging_ = true;
    dragOffset_ = along - PixelOf(position_);
  } else if (along < PixelOf(position_)) {
    SetPosition(ClampToInt(int64_t{position_} - pageSize_));
  } else {
    SetPosition(ClampToInt(int64_t{position_} + pageSize_));
  }
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (dragging_) SetPosition(ValueAt((Horizontal() ? X : Y) - dragOffset_));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) dragging_ = false;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::WMGetDlgCode(TMessage& Message) { Message.Result = DLGC_WANTARROWS; }
void TTrackBar::CMFocusChanged(TCMFocusChanged& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}
void TTrackBar::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

ZYL_MESSAGE_MAP(TTrackBar) {
  m.On(WM_GETDLGCODE, &TTrackBar::WMGetDlgCode)
      .On(CM_FOCUSCHANGED, &TTrackBar::CMFocusChanged)
      .On(CM_ENABLEDCHANGED, &TTrackBar::CMEnabledChanged);
}

ZYL_CLASS_IMPL(TTrackBar) {
  using C = TTrackBar;
  b.Publish({"Align", "Anchors"})
      .Prop("BorderWidth", &C::BorderWidth, &C::SetBorderWidth)
      .Default(0)
      .Publish({"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled"})
      .Prop("Frequency", &C::Frequency, &C::SetFrequency)
      .Default(1)
      .Prop("LineSize", &C::LineSize, &C::SetLineSize)
      .Default(1)
      .Prop("Max", &C::Max, &C::SetMax)
      .Default(10)
      .Prop("Min", &C::Min, &C::SetMin)
      .Default(0)
      .Prop("Orientation", &C::Orientation, &C::SetOrientation)
      .Default(trHorizontal)
      .Publish({"ParentCtl3D", "ParentShowHint"})
      .Prop("PageSize", &C::PageSize, &C::SetPageSize)
      .Default(2)
      .Publish("PopupMenu")
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Prop("SelEnd", &C::SelEnd, &C::SetSelEnd)
      .Default(0)
      .Prop("SelStart", &C::SelStart, &C::SetSelStart)
      .Default(0)
      .Publish("ShowHint")
      .Prop("SliderVisible", &C::SliderVisible, &C::SetSliderVisible)
      .Default(true)
      .Publish({"TabOrder"})
      .Publish("TabStop")
      .Default(true)
      .Prop("ThumbLength", &C::ThumbLength, &C::SetThumbLength)
      .Default(20)
      .Prop("TickMarks", &C::TickMarks, &C::SetTickMarks)
      .Default(tmBottomRight)
      .Prop("TickStyle", &C::TickStyle, &C::SetTickStyle)
      .Default(tsAuto)
      .Publish("Visible")
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Publish({"OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnStartDock", "OnStartDrag"});
}

// ---------------------------------------------------------------------------------------------
// TUpDown

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = {csCaptureMouse, csOpaque};
  width_ = GetSystemMetrics(SM_CXVSCROLL);
  height_ = GetSystemMetrics(SM_CYVSCROLL) * 3 / 2;
}

TUpDown::~TUpDown() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  Unhook();
}

void TUpDown::Unhook() {
  if (!associate_) return;
  if (associate_->WindowProc() == TWndMethod(this, &TUpDown::AssociateProc))
    associate_->SetWindowProc(oldAssociateProc_);
  associate_->RemoveFreeNotification(this);
  associate_ = nullptr;
}

void TUpDown::SetAssociate(TWinControl* Value) {
  if (Value == associate_) return;
  if (Value == this) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  Unhook();
  associate_ = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  oldAssociateProc_ = Value->WindowProc();
  Value->SetWindowProc(TWndMethod(this, &TUpDown::AssociateProc));
  if (!ComponentState().contains(csLoading)) {
    PlaceBesideAssociate();
    UpdateAssociate();
  }
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == associate_) associate_ = nullptr;
}

void TUpDown::Loaded() {
  TCustomControl::Loaded();
  position_ = std::clamp(position_, std::min(min_, max_), std::max(min_, max_));
  PlaceBesideAssociate();
  UpdateAssociate();
}

void TUpDown::PlaceBesideAssociate() {
  if (!associate_ || associate_->Parent() != parent_) return;
  const TRect b = associate_->BoundsRect();
  const int x = alignButton_ == udRight ? b.Right : b.Left - width_;
  SetBounds(x, b.Top, width_, b.Height());
}

void TUpDown::UpdateAssociate() {
  if (!associate_ || ComponentState().contains(csLoading)) return;
  std::string digits = std::to_string(position_ < 0 ? -position_ : position_);
  if (thousands_)
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  associate_->SetText((position_ < 0 ? "-" : "") + digits);
}

void TUpDown::AssociateProc(TMessage& Message) {
  if (arrowKeys_ && enabled_ && Message.Msg == WM_KEYDOWN &&
      (Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
    Step(Message.WParam == VK_UP ? btNext : btPrev);
    Message.Result = 0;
    return;
  }
  oldAssociateProc_(Message);
}

void TUpDown::SetAlignButton(TUDAlignButton Value) {
  alignButton_ = Value;
  if (!ComponentState().contains(csLoading)) PlaceBesideAssociate();
}

void TUpDown::SetMin(int16_t Value) {
  min_ = Value;
  if (!ComponentState().contains(csLoading)) SetPosition(position_);
}
void TUpDown::SetMax(int16_t Value) {
  max_ = Value;
  if (!ComponentState().contains(csLoading)) SetPosition(position_);
}

void TUpDown::SetPosition(int16_t Value) {
  if (!ComponentState().contains(csLoading))
    Value = std::clamp(Value, std::min(min_, max_), std::max(min_, max_));
  position_ = Value;
  UpdateAssociate();
}

void TUpDown::SetThousands(bool Value) {
  thousands_ = Value;
  UpdateAssociate();
}

void TUpDown::SetOrientation(TUDOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  if (!ComponentState().contains(csLoading)) SetBounds(left_, top_, height_, width_);
  Invalidate();
}

void TUpDown::Step(TUDBtnType Button) {
  const int lo = std::min(min_, max_), hi = std::max(min_, max_);
  const int dir = (Button == btNext ? 1 : -1) * (max_ >= min_ ? 1 : -1);
  int next = ClampToInt(position_ + int64_t{dir} * increment_);
  if (next > hi) next = wrap_ ? lo : hi;
  if (next < lo) next = wrap_ ? hi : lo;
  if (next != position_) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    position_ = static_cast<int16_t>(next);
    UpdateAssociate();
  }
  if (OnClick) OnClick(this, Button);
}

TRect TUpDown::ButtonRect(TUDBtnType Button) {
  if (orientation_ == udVertical) {
    const int mid = height_ / 2;
    return Button == btNext ? TRect{0, 0, width_, mid} : TRect{0, mid, width_, height_};
  }
  const int mid = width_ / 2;
  return Button == btNext ? TRect{mid, 0, width_, height_} : TRect{0, 0, mid, height_};
}

TUDBtnType TUpDown::ButtonAt(int X, int Y) {
  const TRect next = ButtonRect(btNext);
  return PtInRect(&next, TPoint{X, Y}) ? btNext : btPrev;
}

void TUpDown::Paint() {
  for (TUDBtnType b : {btNext, btPrev}) {
    RECT r = ButtonRect(b);
    UINT kind = orientation_ == udVertical ? (b == btNext ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                           : (b == btNext ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
    if (pressed_ == b) kind |= DFCS_PUSHED;
    if (!enabled_) kind |= DFCS_INACTIVE;
    DrawFrameControl(canvas_->Handle(), &r, DFC_SCROLL, kind);
  }
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !enabled_) return;
  if (associate_ && associate_->CanFocus()) associate_->SetFocus();
  pressed_ = ButtonAt(X, Y);
  repeating_ = false;
  Invalidate();
  Step(static_cast<TUDBtnType>(pressed_));
  SetTimer(Handle(), kRepeatTimer, kRepeatDelay, nullptr);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && pressed_ >= 0) {
    KillTimer(Handle(), kRepeatTimer);
    pressed_ = -1;
    Invalidate();
  }
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TUpDown::WMTimer(TMessage& Message) {
  if (Message.WParam != kRepeatTimer || pressed_ < 0) return;
  if (!repeating_) {
    repeating_ = true;
    SetTimer(Handle(), kRepeatTimer, kRepeatRate, nullptr);
  }
  // Held outside its button, the button waits until the mouse comes back.
  POINT p;
  GetCursorPos(&p);
  const TPoint local = ScreenToClient(p);
  const TRect r = ButtonRect(static_cast<TUDBtnType>(pressed_));
  if (PtInRect(&r, local)) Step(static_cast<TUDBtnType>(pressed_));
}

void TUpDown::CMEnabledChanged(TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

ZYL_MESSAGE_MAP(TUpDown) {
  m.On(WM_TIMER, &TUpDown::WMTimer).On(CM_ENABLEDCHANGED, &TUpDown::CMEnabledChanged);
}

ZYL_CLASS_IMPL(TUpDown) {
  using C = TUpDown;
  b.Prop("AlignButton", &C::AlignButton, &C::SetAlignButton)
      .Default(udRight)
      .Publish("Anchors")
      .Prop("Associate", &C::Associate, &C::SetAssociate)
      .Prop("ArrowKeys", &C::ArrowKeys, &C::SetArrowKeys)
      .Default(true)
      .Publish("Enabled")
      .Prop("Increment", &C::Increment, &C::SetIncrement)
      .Default(1)
      .Publish("Constraints")
      .Prop("Max", &C::Max, &C::SetMax)
      .Default(100)
      .Prop("Min", &C::Min, &C::SetMin)
      .Default(0)
      .Prop("Orientation", &C::Orientation, &C::SetOrientation)
      .Default(udVertical)
      .Publish({"ParentShowHint", "PopupMenu"})
      .Prop("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Publish({"ShowHint", "TabOrder", "TabStop"})
      .Prop("Thousands", &C::Thousands, &C::SetThousands)
      .Default(true)
      .Publish("Visible")
      .Prop("Wrap", &C::Wrap, &C::SetWrap)
      .Default(false)
      .Prop("OnChanging", &C::GetOnChanging, &C::SetOnChanging)
      .Prop("OnClick", &C::GetOnClick, &C::SetOnClick)
      .Publish({"OnEnter", "OnExit", "OnMouseDown", "OnMouseMove", "OnMouseUp"});
}

}  // namespace vcl
