#include "platform/controls/Splitter.h"

#include <algorithm>

#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/user/DCGuards.h"

namespace vcl {

using namespace win;

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ = {csCaptureMouse};
  width_ = 3;
  height_ = 100;
  align_ = alLeft;
  cursor_ = crHSplit;
}

void TSplitter::SetBeveled(bool Value) {
  beveled_ = Value;
  Invalidate();
}

void TSplitter::SetMinSize(int32_t Value) {
  if (Value < 1) throw EInvalidOperation(Format(SPropertyOutOfRange, {ClassName()}));
  minSize_ = Value;
}

TControl* TSplitter::FindNeighbour() {
  if (!parent_ || align_ == alNone || align_ == alClient) return nullptr;
  for (int i = 0; i < parent_->ControlCount(); ++i) {
    TControl* c = parent_->Controls(i);
    if (c == this || !c->Visible() || c->Align() != align_) continue;
    const TRect b = c->BoundsRect();
    const bool touches =
        (align_ == alLeft && b.Right == left_) || (align_ == alRight && b.Left == left_ + width_) ||
        (align_ == alTop && b.Bottom == top_) || (align_ == alBottom && b.Top == top_ + height_);
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::SizeFor(int Pos, bool& Accept) {
  const int delta = (align_ == alLeft || align_ == alTop) ? Pos - downPos_ : downPos_ - Pos;
  int size = std::min(oldSize_ + delta, maxSize_);
  if (size < minSize_) size = autoSnap_ && size < minSize_ / 2 ? 0 : minSize_;
  Accept = true;
  if (OnCanResize) OnCanResize(this, size, Accept);
  return std::max(0, size);
}

void TSplitter::Apply(int Size) {
  if (!control_) return;
  if (Across())
    control_->SetWidth(Size);
  else
    control_->SetHeight(Size);
  if (parent_) parent_->Update();
}

void TSplitter::DrawBar(int Size) {
  if (!parent_ || !parent_->HandleAllocated() || !control_) return;
  const TRect c = control_->BoundsRect();
  TRect bar;
  switch (align_) {
    case alLeft: bar = TRect{c.Left + Size, top_, c.Left + Size + width_, top_ + height_}; break;
    case alRight: bar = TRect{c.Right - Size - width_, top_, c.Right - Size, top_ + height_}; break;
    case alTop: bar = TRect{left_, c.Top + Size, left_ + width_, c.Top + Size + height_}; break;
    default: bar = TRect{left_, c.Bottom - Size - height_, left_ + width_, c.Bottom - Size}; break;
  }
  TWindowDC dc(parent_->Handle());
  PatBlt(dc.Get(), bar.Left, bar.Top, bar.Width(), bar.Height(), DSTINVERT);
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  control_ = FindNeighbour();
  if (!control_) return;
  const TPoint p = ClientToScreen(TPoint{X, Y});
  downPos_ = Across() ? p.X : p.Y;
  oldSize_ = Across() ? control_->Width() : control_->Height();
  newSize_ = oldSize_;
  // The room: the parent's client size less every other control aligned along the same axis
  // and MinSize for the control on the other side.
  int room = Across() ? parent_->ClientWidth() : parent_->ClientHeight();
  for (int i = 0; i < parent_->ControlCount(); ++i) {
    TControl* c = parent_->Controls(i);
    if (c == control_ || !c->Visible()) continue;
    const TAlign a = c->Align();
    if (Across() && (a == alLeft || a == alRight)) room -= c->Width();
    if (!Across() && (a == alTop || a == alBottom)) room -= c->Height();
  }
  maxSize_ = std::max(0, room - minSize_);
  if (resizeStyle_ == rsLine || resizeStyle_ == rsPattern) {
    DrawBar(newSize_);
    barDrawn_ = newSize_;
  }
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!control_) return;
  const TPoint p = ClientToScreen(TPoint{X, Y});
  bool accept = true;
  const int size = SizeFor(Across() ? p.X : p.Y, accept);
  if (!accept || size == newSize_) return;
  newSize_ = size;
  if (resizeStyle_ == rsUpdate) {
    Apply(size);
  } else if (barDrawn_ >= 0) {
    DrawBar(barDrawn_);
    DrawBar(size);
    barDrawn_ = size;
  }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && control_) {
    if (barDrawn_ >= 0) DrawBar(barDrawn_);
    barDrawn_ = -1;
    const bool changed = newSize_ != (Across() ? control_->Width() : control_->Height());
    Apply(newSize_);
    control_ = nullptr;
    if (changed || newSize_ != oldSize_) {
      if (OnMoved) OnMoved(this);
    }
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSplitter::Paint() {
  TCanvas* c = canvas_;
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color_);
  c->FillRect(TRect{0, 0, width_, height_});
  if (beveled_) {
    RECT r{0, 0, width_, height_};
    if (Across())
      r = RECT{0, 0, std::min(width_, 2), height_};
    else
      r = RECT{0, 0, width_, std::min(height_, 2)};
    DrawEdge(c->Handle(), &r, BDR_RAISEDINNER,
             Across() ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
  }
  if (OnPaint) OnPaint(this);
}

ZYL_CLASS_IMPL(TSplitter) {
  using C = TSplitter;
  b.Publish("Align")
      .Default(alLeft)
      .Prop("AutoSnap", &C::AutoSnap, &C::SetAutoSnap)
      .Default(true)
      .Prop("Beveled", &C::Beveled, &C::SetBeveled)
      .Default(false)
      .Publish("Color")
      .Publish("Cursor")
      .Default(crHSplit)
      .Publish("Constraints")
      .Prop("MinSize", &C::MinSize, &C::SetMinSize)
      .Default(30)
      .Publish("ParentColor")
      .Prop("ResizeStyle", &C::ResizeStyle, &C::SetResizeStyle)
      .Default(rsPattern)
      .Publish("Visible")
      .Publish("Width")
      .Prop("OnCanResize", &C::GetOnCanResize, &C::SetOnCanResize)
      .Prop("OnMoved", &C::GetOnMoved, &C::SetOnMoved)
      .Prop("OnPaint", &C::GetOnPaint, &C::SetOnPaint);
}

void RegisterSplitter() { RegisterClasses({TSplitter::StaticClass()}); }

namespace {
struct TRegisterSplitter {
  TRegisterSplitter() { RegisterSplitter(); }
} registerSplitter;
}  // namespace

}  // namespace vcl
