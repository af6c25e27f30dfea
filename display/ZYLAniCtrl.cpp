#include "display/ZYLAniCtrl.h"

#include <algorithm>
#include <memory>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLObject.h"
#include "foundation/ZYLOwnedComponent.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

namespace {

bool IsLoading(const vcl::TComponent* C) { return C->ComponentState().contains(vcl::csLoading); }

}  // namespace

ZYL_MESSAGE_MAP(TZYLAniCtrl) {
  m.On(CM_ZYLTRANSPARENTCHANGED, &TZYLAniCtrl::CMTransparentChanged);
}

ZYL_CLASS_IMPL(TZYLAniCtrl) {
  b.Prop("Animate", &TZYLAniCtrl::GetAniBool, &TZYLAniCtrl::SetAniBool)
      .Index(abAnimate)
      .Stored(false)
      .Prop("AnimationStyle", &TZYLAniCtrl::AnimationStyle, &TZYLAniCtrl::SetAniStyle)
      .Default(asLoop)
      .Prop("ForceTransparent", &TZYLAniCtrl::GetBool, &TZYLAniCtrl::SetBool)
      .Index(bpForceTransparent)
      .Default(true)
      .Publish("ImageList")
      .Prop("Interval", &TZYLAniCtrl::Interval, &TZYLAniCtrl::SetInterval)
      .Default(200)
      .Publish("ListIndex")
      .Prop("MakeVisible", &TZYLAniCtrl::GetAniBool, &TZYLAniCtrl::SetAniBool)
      .Index(abMakeVisible)
      .Default(true)
      .Prop("Repetitions", &TZYLAniCtrl::Repetitions, &TZYLAniCtrl::SetRepetitions)
      .Default(1)
      .Prop("Reverse", &TZYLAniCtrl::GetAniBool, &TZYLAniCtrl::SetAniBool)
      .Index(abReverse)
      .Default(false)
      .Prop("SilentMove", &TZYLAniCtrl::GetBool, &TZYLAniCtrl::SetBool)
      .Index(bpSilentMove)
      .Default(false)
      .Prop("StartFrame", &TZYLAniCtrl::StartFrame, &TZYLAniCtrl::SetStartFrame)
      .Prop("StopFrame", &TZYLAniCtrl::StopFrame, &TZYLAniCtrl::SetStopFrame)
      .Prop("Style", &TZYLAniCtrl::Style, &TZYLAniCtrl::SetStyle)
      .Default(sbNone)
      .Prop("ThreadPriority", &TZYLAniCtrl::ThreadPriority, &TZYLAniCtrl::SetThreadPriority)
      .Default(vcl::tpNormal)
      .Prop("TimerMode", &TZYLAniCtrl::TimerMode, &TZYLAniCtrl::SetTimerMode)
      .Default(tmNormal)
      .Publish("Transparent").Default(false)
      .Prop("UseBitmap", &TZYLAniCtrl::GetAniBool, &TZYLAniCtrl::SetAniBool)
      .Index(abUseBitmap)
      .Default(true)
      .Prop("OnAnimate", &TZYLAniCtrl::GetOnAnimate, &TZYLAniCtrl::SetOnAnimate)
      .Prop("OnStart", &TZYLAniCtrl::GetOnStart, &TZYLAniCtrl::SetOnStart)
      .Prop("OnStop", &TZYLAniCtrl::GetOnStop, &TZYLAniCtrl::SetOnStop);
}

TZYLAniCtrl::TZYLAniCtrl(vcl::TComponent* AOwner) : inherited(AOwner) {
  DisableTransMode();
  FForceTransparent = true;
  FTimer.Activate();
}

TZYLAniCtrl::~TZYLAniCtrl() {
  // Stopping on the way out shows nothing and raises no event.
  Destroying();
  Stop();
  FTimer.Free();
  FBackBitmap.reset();
}

// ---- Settings ----

bool TZYLAniCtrl::GetAniBool(int Index) const {
  switch (Index) {
    case abAnimate:
      return FAnimate;
    case abMakeVisible:
      return FMakeVisible;
    case abUseBitmap:
      return FUseBitmap;
    default:
      return FReverse;
  }
}

void TZYLAniCtrl::SetAniBool(int Index, bool Value) {
  switch (Index) {
    case abAnimate:
      if (Value == FAnimate) return;
      if (IsLoading(this)) {
        FAnimate = Value;  // Loaded starts it
      } else if (Value) {
        Play();
      } else {
        Stop();
      }
      break;
    case abMakeVisible:
      FMakeVisible = Value;
      break;
    case abUseBitmap:
      if (ZYLStoreValue(FUseBitmap, Value)) GetChange(nullptr);
      break;
    default:
      Stop();
      FReverse = Value;
      break;
  }
}

void TZYLAniCtrl::SetInterval(TZYLTimerInterval Value) {
  FTimer.SetInterval(Value, IsLoading(this));
}

void TZYLAniCtrl::SetRepetitions(uint8_t Value) {
  if (Value == 0 || Value == FRepetitions) return;
  Stop();
  FRepetitions = Value;
}

void TZYLAniCtrl::SetAniStyle(TZYLAnimationStyle Value) {
  if (Value == FAnimationStyle) return;
  Stop();
  FAnimationStyle = Value;
}

bool TZYLAniCtrl::OrderFrames(int32_t Value, int32_t Other) {
  Stop();
  FStartFrame = std::min(Value, Other);
  FStopFrame = std::max(Value, Other);
  return true;
}

void TZYLAniCtrl::SetStartFrame(int32_t Value) {
  if (IsLoading(this)) {
    FStartFrame = Value;
    return;
  }
  if (GetEmpty()) {
    FStartFrame = 0;
  } else if (Value != FStartFrame && Value >= 0 && Value < FImageList->ItemCount(FListIndex)) {
    OrderFrames(Value, FStopFrame);
    Move(Value);
  }
  InvalidateControl();
}

void TZYLAniCtrl::SetStopFrame(int32_t Value) {
  if (IsLoading(this)) {
    FStopFrame = Value;
    return;
  }
  if (GetEmpty()) {
    FStopFrame = 0;
  } else if (Value != FStopFrame && Value >= 0 && Value < FImageList->ItemCount(FListIndex)) {
    OrderFrames(Value, FStartFrame);
    FImageIndex = FStartFrame;
  }
  InvalidateControl();
}

void TZYLAniCtrl::SetTimerMode(TZYLTimerMode Value) { FTimer.SetMode(Value, IsLoading(this)); }

// ---- Running ----

void TZYLAniCtrl::Play() {
  if (IsLoading(this) || GetEmpty()) return;
  if (FAnimate) Stop();
  if (!Visible()) {
    if (!FMakeVisible) return;
    SetVisible(true);
  }
  FForward = !FReverse;
  FPassCount = 0;
  FImageIndex = GetFirstFrame();
  FAnimate = true;
  TZYLFreeWatch life;  // a handler may free the control
  life.Watch(this);
  if (FOnStart) FOnStart(this);
  if (!life.Watched()) return;
  ShowFrame(true);
  if (!life.Watched()) return;
  FTimer.Enable(true);
}

void TZYLAniCtrl::Stop() {
  if (!FAnimate) return;
  FTimer.Enable(false);
  FPassCount = 0;
  FAnimate = false;
  if (ComponentState().contains(vcl::csDestroying)) return;
  switch (FAnimationStyle) {
    case asLoop:
    case asLoopReverse:
    case asRepeatFirst:
      FImageIndex = GetFirstFrame();
      ShowFrame(false);
      break;
    case asLoopHide:
    case asRepeatHide:
      if (!ComponentState().contains(vcl::csDesigning)) SetVisible(false);
      break;
    case asRepeat:
      break;
  }
  if (FOnStop) FOnStop(this);
}

void TZYLAniCtrl::Move(int Index) {
  if (FAnimate || GetEmpty() || Index < FStartFrame || Index > FStopFrame) return;
  FImageIndex = Index;
  ShowFrame(false);
}

void TZYLAniCtrl::First() { Move(GetFirstFrame()); }

void TZYLAniCtrl::Last() {
  if (!GetEmpty()) Move(GetLastFrame());
}

void TZYLAniCtrl::Next() { Move(FImageIndex + (FReverse ? -1 : 1)); }
void TZYLAniCtrl::Prev() { Move(FImageIndex + (FReverse ? 1 : -1)); }

bool TZYLAniCtrl::EndReached() {
  switch (FAnimationStyle) {
    case asLoop:
    case asLoopHide:
      FImageIndex = FForward ? FStartFrame : FStopFrame;
      return true;
    case asLoopReverse:
      FForward = !FForward;
      return true;
    case asRepeat:
      if (FPassCount + 1 >= FRepetitions) {
        Stop();
        return false;
      }
      ++FPassCount;
      FImageIndex = FForward ? FStartFrame : FStopFrame;
      return true;
    case asRepeatFirst:
    case asRepeatHide:
      Stop();
      return false;
  }
  return false;
}

void TZYLAniCtrl::GetTimer(vcl::TObject* /*Sender*/) {
  if (!FAnimate) return;
  if (GetEmpty() || !Visible()) {
    Stop();
    return;
  }
  // A frame outside the range (moved there from outside) counts as having reached the end.
  if (FForward) {
    if (FImageIndex >= FStopFrame) {
      if (!EndReached()) return;
    } else {
      ++FImageIndex;
    }
  } else {
    if (FImageIndex <= FStartFrame) {
      if (!EndReached()) return;
    } else {
      --FImageIndex;
    }
  }
  ShowFrame(true);
}

// ---- State from outside ----

bool TZYLAniCtrl::GetEmpty() {
  return !FImageList || FImageList->ItemCount(FListIndex) <= 0 ||
         !FImageList->IsValidItem(FListIndex, FImageIndex);
}

void TZYLAniCtrl::Invalidate() {
  inherited::Invalidate();
  if (FTransparent) FBackRefresh = true;
}

void TZYLAniCtrl::BoundsChange(TZYLBoundsChangeStates State) {
  inherited::BoundsChange(State);
  if (FTransparent) FBackRefresh = true;
}

void TZYLAniCtrl::BackUpdate() {
  if (FTransparent || FSilentMove) Invalidate();
}

void TZYLAniCtrl::GetIMLChange(vcl::TObject* Sender) {
  // The frames are taken anew when the list or the entry changes, not for another image
  // index or an effect change.
  const bool newFrames =
      (Sender != this && Sender != FBackFX) || FListIndex != FFrameListIndex;
  if (newFrames && !IsLoading(this) && !FInLoaded) {
    FFrameListIndex = FListIndex;
    const int n = FImageList ? FImageList->ItemCount(FListIndex) : 0;
    FStartFrame = 0;
    FStopFrame = n > 0 ? n - 1 : 0;
    FImageIndex = GetFirstFrame();
  }
  inherited::GetIMLChange(Sender);
}

void TZYLAniCtrl::Loaded() {
  // The frames read from the stream stay: the inherited step's list notification must not
  // replace them.
  FInLoaded = true;
  inherited::Loaded();
  FInLoaded = false;
  FFrameListIndex = FListIndex;
  FTimer.Loaded();
  FImageIndex = GetFirstFrame();
  if (FAnimate) {
    FAnimate = false;
    Play();
  }
}

void TZYLAniCtrl::CMTransparentChanged(vcl::TMessage& Message) {
  if (FTransparent) {
    if (!FBackBitmap) FBackBitmap.reset(new vcl::TBitmap());
    FBackRefresh = true;
  } else {
    FBackBitmap.reset();
  }
  ZYL_INHERITED(Message);
}

// ---- Painting ----

void TZYLAniCtrl::ShowFrame(bool FireEvent) {
  const bool needsBack =
      FTransparent && !FSilentMove &&
      (!FUseBitmap || FBackRefresh || !FBackBitmap || FBackBitmap->Empty());
  if (needsBack || !CanDrawNow()) {
    // A full repaint (background first) shows the frame; the event is not lost on the way.
    TZYLFreeWatch life;  // a handler may free the control
    life.Watch(this);
    if (FireEvent && FOnAnimate) FOnAnimate(this);
    if (needsBack && life.Watched()) Invalidate();
    return;
  }
  PaintImage(FireEvent);
}

void TZYLAniCtrl::Paint() {
  if (IsLoading(this) || CorrectBounds()) return;
  if (!FTransparent && !FSilentMove) FillControl();
  if (GetEmpty() && BevelExt() == 0) {
    TZYLGraphicControl::Paint();
    return;
  }
  vcl::TCanvas* c = Canvas();
  if (FTransparent && FBackRefresh) {
    if (!FBackBitmap) FBackBitmap.reset(new vcl::TBitmap());
    if (CheckOptimized()) {
      FBackBitmap->SetSize(Width(), Height());
      BackDrawArea(FBackBitmap->Canvas(), TRect{0, 0, Width(), Height()}, TPoint{0, 0}, 0);
      FBackOrigin = TPoint{0, 0};
    } else {
      FBevel->PaintBevel(c, ClientRect(), true);
      const TRect inner = BeveledRect();
      ZYLBmpFromDesktop(FBackBitmap.get(), GetScreenRect(inner));
      FBackOrigin = TPoint{inner.Left, inner.Top};
    }
    FBackRefresh = false;
  }
  FBevel->PaintBevel(c, ClientRect(), false);
  PaintImage(false);
}

void TZYLAniCtrl::PaintImage(bool FireEvent) {
  if (GetEmpty()) return;
  const TRect r = BeveledRect();
  TZYLDrawStyleFlags flags = FForceTransparent ? dsfTransparent : 0;
  AddStyleFlags(flags);
  if (FireEvent && FOnAnimate) {
    TZYLFreeWatch life;  // a handler may free the control
    life.Watch(this);
    FOnAnimate(this);
    if (!life.Watched()) return;
  }
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  vcl::TCanvas* c = Canvas();
  const TRect whole{0, 0, r.Width(), r.Height()};
  const int32_t offset = ZYLPackOffset(Left(), Top());
  auto fillColor = [this](vcl::TCanvas* Target, const TRect& Area) {
    Target->Brush()->SetStyle(vcl::bsSolid);
    Target->Brush()->SetColor(Color());
    Target->Pen()->SetStyle(vcl::psClear);
    Target->FillRect(Area);
  };
  try {
    const vcl::TColor tc = FImageList->TransparentColor(FListIndex, FImageIndex);
    if (FTransparent && !FSilentMove) {
      if (FUseBitmap) {
        auto tmp = std::make_unique<vcl::TBitmap>();
        tmp->SetSize(r.Width(), r.Height());
        if (FBackBitmap) {
          TRect src = r;
          src.Left -= FBackOrigin.X;
          src.Right -= FBackOrigin.X;
          src.Top -= FBackOrigin.Y;
          src.Bottom -= FBackOrigin.Y;
          tmp->Canvas()->CopyRect(whole, FBackBitmap->Canvas(), src);
        }
        FImageList->ClipDraw(tmp->Canvas(), whole, flags, 0, tc, FListIndex, FImageIndex);
        if (!FQuickDraw) RealizeIn(c, tmp->Palette());
        c->Draw(r.Left, r.Top, tmp.get());
      } else {
        if (!FQuickDraw) RealizeIn(c, FImageList->Palette(FListIndex));
        FImageList->ClipDraw(c, r, flags, offset, tc, FListIndex, FImageIndex);
      }
      return;
    }
    const bool back = FSilentMove && CheckOptimized();
    if (FImageList->Masked(FListIndex) || FForceTransparent) {
      if (FUseBitmap) {
        auto tmp = std::make_unique<vcl::TBitmap>();
        tmp->SetSize(r.Width(), r.Height());
        if (back)
          BackDrawArea(tmp->Canvas(), whole, TPoint{r.Left, r.Top}, 0);
        else
          fillColor(tmp->Canvas(), whole);
        FImageList->ClipDraw(tmp->Canvas(), whole, flags, 0, tc, FListIndex, FImageIndex);
        if (!FQuickDraw) RealizeIn(c, FImageList->Palette(FListIndex));
        c->Draw(r.Left, r.Top, tmp.get());
        return;
      }
      if (back)
        BackDrawArea(c, r, TPoint{r.Left, r.Top}, 0);
      else
        fillColor(c, r);
    } else {
      fillColor(c, r);
    }
    if (!FQuickDraw) RealizeIn(c, FImageList->Palette(FListIndex));
    FImageList->ClipDraw(c, r, flags, offset, tc, FListIndex, FImageIndex);
  } catch (const vcl::Exception&) {
    // A frame that cannot be drawn leaves what was there.
  }
}

}  // namespace zyl
