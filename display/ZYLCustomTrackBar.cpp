#include "display/ZYLCustomTrackBar.h"

#include <algorithm>
#include <utility>

#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLTimer.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/WinUser.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

namespace {
bool Inside(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
}  // namespace

ZYL_MESSAGE_MAP(TZYLCustomTrackBar) {
  m.On(win::WM_GETDLGCODE, &TZYLCustomTrackBar::WMGetDlgCode)
      .On(vcl::CM_ENABLEDCHANGED, &TZYLCustomTrackBar::CMEnabledChanged)
      .On(vcl::CM_SYSCOLORCHANGE, &TZYLCustomTrackBar::CMSysColorChange)
      .On(win::WM_SETFOCUS, &TZYLCustomTrackBar::WMSetFocusBar)
      .On(win::WM_KILLFOCUS, &TZYLCustomTrackBar::WMKillFocusBar);
}

ZYL_CLASS_IMPL(TZYLCustomTrackBar) {
  using C = TZYLCustomTrackBar;
  const vcl::TTypeInfo* color = vcl::ColorTypeInfo();
  const auto setColor = static_cast<void (C::*)(int, vcl::TColor)>(&C::SetColor);
  b.Prop("FocusColor", &C::GetColor, setColor, color)
      .Index(C::ciFocusColor)
      .Default(0x808080)
      .Prop("FocusStyle", &C::FocusStyle, &C::SetFocusStyle)
      .Default(tbFocus)
      .Prop("UseFocusColor", &C::UseFocusColor, &C::SetUseFocusColor)
      .Default(false)
      .Prop("MaxValue", &C::GetInteger, &C::SetInteger)
      .Index(C::iiMaxValue)
      .Default(10)
      .Prop("MinValue", &C::GetInteger, &C::SetInteger)
      .Index(C::iiMinValue)
      .Default(0)
      .Prop("Margin", &C::GetInteger, &C::SetInteger)
      .Index(C::iiMargin)
      .Default(1)
      .Prop("LineSize", &C::GetInteger, &C::SetInteger)
      .Index(C::iiLineSize)
      .Default(1)
      .Prop("PageSize", &C::GetInteger, &C::SetInteger)
      .Index(C::iiPageSize)
      .Default(2)
      .Prop("Orientation", &C::Orientation, &C::SetOrientation)
      .Default(toHorizontal)
      .Prop("Thumb", &C::GetThumb, &C::SetThumb)
      .Stored(&C::IsCustom)
      .Prop("ThumbColor", &C::GetColor, setColor, color)
      .Index(C::ciThumbColor)
      .Default(vcl::clBtnFace)
      .Prop("ThumbStyle", &C::ThumbStyle, &C::SetThumbStyle)
      .Default(tsStandard)
      .Prop("TickColor", &C::GetColor, setColor, color)
      .Index(C::ciTickColor)
      .Default(0)
      .Prop("TickGap", &C::GetInteger, &C::SetInteger)
      .Index(C::iiTickGap)
      .Default(-1)
      .Prop("TickLength", &C::GetInteger, &C::SetInteger)
      .Index(C::iiTickLength)
      .Default(6)
      .Prop("TickMarks", &C::TickMarks, &C::SetTickMarks)
      .Default(tmBottomRight)
      .Prop("TickStyle", &C::TickStyle, &C::SetTickStyle)
      .Default(tsAuto)
      .Prop("TrackBorderStyle", &C::TrackBorderStyle, &C::SetTrackBorderStyle)
      .Default(lsLoweredExt)
      .Prop("TrackBorder", &C::GetInteger, &C::SetInteger)
      .Index(C::iiTrackBorder)
      .Default(0)
      .Prop("TrackColor", &C::GetColor, setColor, color)
      .Index(C::ciTrackColor)
      .Default(0xFFFFFF)
      .Prop("TrackWidth", &C::GetInteger, &C::SetInteger)
      .Index(C::iiTrackWidth)
      .Default(10)
      .Prop("TrackFillObject", &C::TrackFillObject, &C::SetFillObject)
      .Prop("TrackTransparent", &C::TrackTransparent, &C::SetTrackTransparent)
      .Default(false)
      .Prop("OnChange", &C::GetOnChange, &C::SetOnChange)
      .Prop("OnDrawTick", &C::GetOnDrawTick, &C::SetOnDrawTick)
      .Prop("OnTrack", &C::GetOnTrack, &C::SetOnTrack)
      .Prop("UseGlobalTimer", &C::UseGlobalTimer, &C::SetUseGlobalTimer)
      .Default(false)
      .Publish({"About", "Align"})
      .Publish("Color")
      .Default(vcl::clBtnFace)
      .Publish("CtlXP")
      .Default(false)
      .Publish(
          {"DragCursor", "DragMode", "Enabled", "Font", "ImageList", "ImageIndex", "ListIndex"})
      .Publish("ParentColor")
      .Default(false)
      .Publish({"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"})
      .Publish("TabStop")
      .Default(true)
      .Publish({"Transparent", "Visible", "Anchors", "DragKind", "Constraints", "OnClick",
                "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnMouseDown", "OnMouseMove",
                "OnMouseUp"})
      .Publish({"OnMouseWheel", "OnStartDrag", "OnEndDock", "OnStartDock", "OnMouseWheelDown",
                "OnMouseWheelUp"});
}

TZYLCustomTrackBar::TZYLCustomTrackBar(vcl::TComponent* AOwner)
    : inherited(AOwner), FThumbColor(vcl::clBtnFace) {
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csAcceptsControls);
  SetControlStyle(s);
  FCtlXP = false;
  SetTabStop(true);
  SetBounds(Left(), Top(), 220, 35);
  FPageTimer = std::make_unique<TZYLTimer>(
      300, vcl::TNotifyEvent(this, &TZYLCustomTrackBar::TimerExpired), false, false);
  FThumb.reset(new vcl::TBitmap(), vcl::TNotifyEvent(this, &TZYLCustomTrackBar::GetChange));
  FTrackFillObject.reset(new TZYLFillObject(),
                         vcl::TNotifyEvent(this, &TZYLCustomTrackBar::GetChange));
  // A control made by code has a thumb without calling Init; loading rebuilds it in Loaded.
  CreateThumb();
}

TZYLCustomTrackBar::~TZYLCustomTrackBar() {
  FTrackFillObject.reset();
  FPageTimer.reset();
}

void TZYLCustomTrackBar::Init() { CreateThumb(); }

bool TZYLCustomTrackBar::PageTimerEnabled() const { return FPageTimer->Enabled(); }

// ---- Value ----

int TZYLCustomTrackBar::Track(vcl::TScrollCode Code, int Value) {
  int v = Value;
  if (FOnTrack) FOnTrack(this, Code, v);
  return v;
}

void TZYLCustomTrackBar::SetPosition(int Value) {
  const int v = std::clamp(Value, FMinValue, FMaxValue);
  if (v == FPosition) return;
  // The ends are reported with their own values; what a handler does to them is not applied.
  if (v == FMaxValue) Track(vcl::scBottom, FMaxValue);
  if (v == FMinValue) Track(vcl::scTop, FMinValue);
  FPosition = v;
  if (ComponentState().contains(vcl::csDesigning)) {
    Invalidate();
    return;
  }
  if (CanDrawNow() && FThumbBack) {
    RestoreThumbBack();
    DrawThumb(FPosition);
  } else {
    Invalidate();
  }
  Change();
}

int TZYLCustomTrackBar::Clamped(int64_t Value) const {
  return static_cast<int>(std::clamp<int64_t>(Value, FMinValue, FMaxValue));
}

void TZYLCustomTrackBar::Change() {
  if (FOnChange) FOnChange(this);
}

int TZYLCustomTrackBar::GetInteger(int Index) const {
  switch (Index) {
    case iiMaxValue: return FMaxValue;
    case iiMinValue: return FMinValue;
    case iiLineSize: return FLineSize;
    case iiPageSize: return FPageSize;
    case iiTrackBorder: return FTrackBorder;
    case iiTrackWidth: return FTrackWidth;
    case iiTickLength: return FTickLength;
    case iiMargin: return FMargin;
    case iiTickGap: return FTickGap;
    default: return 0;
  }
}

void TZYLCustomTrackBar::SetInteger(int Index, int Value) {
  switch (Index) {
    case iiLineSize: FLineSize = Value; return;
    case iiPageSize: FPageSize = Value; return;
    default: break;
  }
  if (GetInteger(Index) == Value) return;
  switch (Index) {
    case iiMaxValue:
      if (Value <= FMinValue) return;
      FMaxValue = Value;
      if (Value < FPosition) SetPosition(Value);
      break;
    case iiMinValue:
      if (Value >= FMaxValue) return;
      FMinValue = Value;
      if (Value > FPosition) SetPosition(Value);
      break;
    case iiTrackBorder: FTrackBorder = Value; break;
    case iiTrackWidth: {
      if (Value < 3) return;
      const int was = FTrackWidth;
      FTrackWidth = Value;
      if (FThumbStyle == tsCustom) break;
      try {
        CreateThumb();
      } catch (const vcl::EOutOfResources&) {
        // No thumb can be that wide: the width is out of range like one below 3, and the bar
        // keeps its width and its thumb.
        FTrackWidth = was;
        CreateThumb();
        return;
      }
      break;
    }
    case iiTickLength: FTickLength = Value; break;
    case iiMargin:
      if (Value < 1) return;
      FMargin = Value;
      break;
    case iiTickGap:
      if (Value < -1) return;
      FTickGap = Value;
      break;
    default: return;
  }
  Invalidate();
}

// ---- Look ----

vcl::TColor TZYLCustomTrackBar::GetColor(int Index) const {
  switch (Index) {
    case ciThumbColor: return FThumbColor;
    case ciTrackColor: return FTrackColor;
    case ciTickColor: return FTickColor;
    default: return FFocusColor;
  }
}

void TZYLCustomTrackBar::SetColor(int Index, vcl::TColor Value) {
  if (GetColor(Index) == Value) return;
  switch (Index) {
    case ciThumbColor:
      FThumbColor = Value;
      if (FThumbStyle != tsCustom) CreateThumb();
      break;
    case ciTrackColor: FTrackColor = Value; break;
    case ciTickColor: FTickColor = Value; break;
    default: FFocusColor = Value; break;
  }
  Invalidate();
}

void TZYLCustomTrackBar::CMSysColorChange(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  if (FThumbStyle != tsCustom) CreateThumb();
  Invalidate();
}

void TZYLCustomTrackBar::SetOrientation(TZYLOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (FThumbStyle != tsCustom) CreateThumb();
  Invalidate();
}

void TZYLCustomTrackBar::SetTickMarks(TZYLTickMarks Value) {
  if (FTickMarks == Value) return;
  FTickMarks = Value;
  if (FThumbStyle == tsStandard) CreateThumb();
  Invalidate();
}

void TZYLCustomTrackBar::SetTickStyle(TZYLTickStyle Value) {
  if (FTickStyle == Value) return;
  FTickStyle = Value;
  Invalidate();
}

void TZYLCustomTrackBar::SetTrackBorderStyle(TZYLBorderStyle Value) {
  if (FTrackBorderStyle == Value) return;
  FTrackBorderStyle = Value;
  Invalidate();
}

void TZYLCustomTrackBar::SetUseFocusColor(bool Value) {
  if (FUseFocusColor == Value) return;
  FUseFocusColor = Value;
  Invalidate();
}

void TZYLCustomTrackBar::SetTrackTransparent(bool Value) {
  if (FTrackTransparent == Value) return;
  FTrackTransparent = Value;
  GetChange(nullptr);
}

void TZYLCustomTrackBar::SetThumbStyle(TZYLThumbStyle Value) {
  if (FThumbStyle == Value) return;
  FThumbStyle = Value;
  if (Value == tsStandard) {
    FThumbFromList = false;
    CreateThumb();
  } else if (!ComponentState().contains(vcl::csLoading)) {
    EmptyThumb();
  }
  Invalidate();
}

void TZYLCustomTrackBar::EmptyThumb() {
  FThumb.reset(new vcl::TBitmap(), vcl::TNotifyEvent(this, &TZYLCustomTrackBar::GetChange));
  FThumbCross = FThumbLength = FThumbHalf = 0;
}

vcl::TBitmap* TZYLCustomTrackBar::GetThumb() {
  if (ComponentState().contains(vcl::csLoading)) return FThumb.get();
  return FThumbStyle == tsCustom && !FImageList ? FThumb.get() : nullptr;
}

void TZYLCustomTrackBar::SetThumb(vcl::TBitmap* Value) {
  if (Value)
    FThumb->Assign(Value);
  else
    FThumb->SetSize(0, 0);
}

void TZYLCustomTrackBar::SetFillObject(TZYLFillObject* Value) {
  if (Value) FTrackFillObject->Assign(Value);
}

void TZYLCustomTrackBar::SetUseGlobalTimer(bool Value) {
  FUseGlobalTimer = Value;
  FPageTimer->SetGlobal(Value);
}

// ---- Thumb changes ----

void TZYLCustomTrackBar::TakeCustomSizes() {
  FThumbCross = FThumb->Height();
  FThumbLength = FThumb->Width() / 2;
  FThumbHalf = FThumbLength / 2;
}

bool TZYLCustomTrackBar::ThumbFromList() {
  if (IMLEmpty()) return false;
  FThumb.Link({});
  vcl::TFinally back(
      [this] { FThumb.Link(vcl::TNotifyEvent(this, &TZYLCustomTrackBar::GetChange)); });
  FImageList->GetBitmapItem(FListIndex, FImageIndex, FThumb.get());
  FThumbStyle = tsCustom;
  FThumbFromList = true;
  TakeCustomSizes();
  return true;
}

void TZYLCustomTrackBar::GetChange(vcl::TObject* Sender) {
  // While loading the thumb and its style arrive one after the other: Loaded decides.
  if (Sender && Sender == FThumb.get() && ComponentState().contains(vcl::csLoading))
    FThumbRead = true;
  if (Sender && Sender == FThumb.get() && !ComponentState().contains(vcl::csLoading)) {
    if (FThumb->Empty()) {
      FThumbStyle = tsCustom;
      SetThumbStyle(tsStandard);
    } else if (!ThumbFromList()) {
      FThumbStyle = tsCustom;
      FThumbFromList = false;
      TakeCustomSizes();
    }
  }
  inherited::GetChange(Sender);
}

void TZYLCustomTrackBar::GetIMLChange(vcl::TObject* Sender) {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (!ThumbFromList() && FThumbFromList) SetThumbStyle(tsStandard);
  inherited::GetIMLChange(Sender);
}

// ---- Life ----

void TZYLCustomTrackBar::Loaded() {
  inherited::Loaded();
  if (FThumbStyle != tsCustom) {
    CreateThumb();
  } else if (!ThumbFromList()) {
    // Without a picture from the file the thumb still holds the standard one it was made with.
    if (!FThumbRead)
      EmptyThumb();
    else if (!FThumb->Empty())
      TakeCustomSizes();
  }
  FThumbRead = false;
  if (FFocusStyle == tbNoFocus) SetTabStop(false);
}

void TZYLCustomTrackBar::Assign(vcl::TPersistent* Source) {
  if (Source == this) return;
  auto* src = dynamic_cast<TZYLCustomTrackBar*>(Source);
  if (!src) {
    inherited::Assign(Source);
    return;
  }
  FTrackFillObject->Assign(src->FTrackFillObject);
  FTrackTransparent = src->FTrackTransparent;
  FThumbStyle = src->FThumbStyle;
  FFocusColor = src->FFocusColor;
  FFocusStyle = src->FFocusStyle;
  FPageSize = src->FPageSize;
  FTickLength = src->FTickLength;
  FThumbColor = src->FThumbColor;
  FMinValue = src->FMinValue;
  FMaxValue = src->FMaxValue;
  FTrackWidth = src->FTrackWidth;
  FLineSize = src->FLineSize;
  FOrientation = src->FOrientation;
  FPosition = src->FPosition;
  FTickColor = src->FTickColor;
  FTickMarks = src->FTickMarks;
  FTickStyle = src->FTickStyle;
  // The thumb last: a standard one is built for the copied look.
  if (vcl::TBitmap* t = src->GetThumb())
    SetThumb(t);
  else if (FThumbStyle == tsStandard)
    CreateThumb();
  SetInteger(iiTrackBorder, src->FTrackBorder);
  SetUseFocusColor(src->FUseFocusColor);
  SetTransparent(src->FTransparent);
  FBackFX->Assign(src->FBackFX);
  SetCursor(src->Cursor());
  SetEnabled(src->Enabled());
  Font()->Assign(src->Font());
  vcl::TControl::SetColor(src->Color());
  Invalidate();
}

// ---- Input ----

int TZYLCustomTrackBar::ThumbOffset() {
  const int64_t range = Range();
  if (FOrientation == toHorizontal) {
    const long double scale = static_cast<long double>(FTrackLengthX - FThumbLength) / range;
    return static_cast<int>((int64_t{FPosition} - FMinValue) * scale) + FTickArea.Left;
  }
  const long double scale = static_cast<long double>(FTrackLengthY - FThumbLength) / range;
  return static_cast<int>((int64_t{FMaxValue} - FPosition) * scale) + FTickArea.Top;
}

void TZYLCustomTrackBar::KeyDown(uint16_t& Key, vcl::TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  int v = 0;
  vcl::TScrollCode code = vcl::scLineUp;
  switch (Key) {
    case win::VK_UP:
    case win::VK_RIGHT: v = Clamped(int64_t{FPosition} + FLineSize), code = vcl::scLineUp; break;
    case win::VK_DOWN:
    case win::VK_LEFT: v = Clamped(int64_t{FPosition} - FLineSize), code = vcl::scLineDown; break;
    case win::VK_PRIOR: v = Clamped(int64_t{FPosition} + FPageSize), code = vcl::scPageUp; break;
    case win::VK_NEXT: v = Clamped(int64_t{FPosition} - FPageSize), code = vcl::scPageDown; break;
    case win::VK_HOME: SetPosition(FMinValue); return;
    case win::VK_END: SetPosition(FMaxValue); return;
    default: return;
  }
  SetPosition(Track(code, v));
  Track(vcl::scEndScroll, FPosition);
}

bool TZYLCustomTrackBar::DoMouseWheelDown(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  inherited::DoMouseWheelDown(Shift, MousePos);
  uint16_t key = win::VK_DOWN;
  KeyDown(key, vcl::TShiftState{});
  return true;
}

bool TZYLCustomTrackBar::DoMouseWheelUp(vcl::TShiftState Shift, vcl::TPoint MousePos) {
  inherited::DoMouseWheelUp(Shift, MousePos);
  uint16_t key = win::VK_UP;
  KeyDown(key, vcl::TShiftState{});
  return true;
}

void TZYLCustomTrackBar::PageStep(int Direction) {
  // Direction 2: toward the left or the top end; 1: toward the other.
  const bool up = FOrientation == toHorizontal ? Direction == 1 : Direction == 2;
  const int v = Clamped(up ? int64_t{FPosition} + FPageSize : int64_t{FPosition} - FPageSize);
  SetPosition(Track(up ? vcl::scPageUp : vcl::scPageDown, v));
}

void TZYLCustomTrackBar::MouseDown(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (FFocusStyle != tbNoFocus && CanFocus()) SetFocus();
  FMousePoint = TPoint{X, Y};
  if (Button != vcl::mbLeft) return;
  const TPoint p{X, Y};
  if (Inside(FThumbRect, p)) {
    FThumbDragging = true;
    if (CanDrawNow() && FThumbBack) {
      RestoreThumbBack();
      DrawThumb(FPosition);
    } else {
      Invalidate();
    }
    return;
  }
  if (!Inside(FChannelRect, p)) return;
  FPageTimer->SetEnabled(true);
  const int t = ThumbOffset();
  FPageDirection = t > (FOrientation == toHorizontal ? X : Y) ? 2 : 1;
  PageStep(FPageDirection);
}

void TZYLCustomTrackBar::MouseMove(vcl::TShiftState Shift, int X, int Y) {
  inherited::MouseMove(Shift, X, Y);
  FMousePoint = TPoint{X, Y};
  if (!FThumbDragging) return;
  // The thumb's centre follows the pointer along the track it travels.
  const int64_t range = Range();
  long double f;
  if (FOrientation == toHorizontal) {
    const int travel = std::max(1, FTrackLengthX - FThumbLength);
    f = static_cast<long double>(X - FTickArea.Left - FThumbHalf) / travel;
  } else {
    const int travel = std::max(1, FTrackLengthY - FThumbLength);
    f = static_cast<long double>(FTickArea.Top + FTrackLengthY - FThumbHalf - Y) / travel;
  }
  f = std::clamp<long double>(f, -1, 2);  // far outside only pins the thumb to an end
  const int v = Clamped(vcl::Round(static_cast<double>(f * range + FMinValue)));
  SetPosition(Track(vcl::scTrack, v));
}

void TZYLCustomTrackBar::MouseUp(vcl::TMouseButton Button, vcl::TShiftState Shift, int X, int Y) {
  // The gesture ends however the user's OnMouseUp leaves (its end is then not reported).
  const vcl::TOnFailure ended([this, Button] {
    FPageTimer->SetEnabled(false);
    if (Button == vcl::mbLeft && std::exchange(FThumbDragging, false)) Invalidate();
  });
  inherited::MouseUp(Button, Shift, X, Y);
  FPageTimer->SetEnabled(false);
  if (Button == vcl::mbLeft) {
    if (FThumbDragging) Track(vcl::scPosition, FPosition);
    const bool was = FThumbDragging;
    FThumbDragging = false;
    if (was) {
      if (CanDrawNow() && FThumbBack) {
        RestoreThumbBack();
        DrawThumb(FPosition);
      } else {
        Invalidate();
      }
    }
  }
  Track(vcl::scEndScroll, FPosition);
}

void TZYLCustomTrackBar::TimerExpired(vcl::TObject* /*Sender*/) {
  if (!Inside(FChannelRect, FMousePoint)) return;
  {
    const vcl::TOnFailure stop([this] { FPageTimer->SetEnabled(false); });
    const int t = ThumbOffset();
    const int m = FOrientation == toHorizontal ? FMousePoint.X : FMousePoint.Y;
    const bool horizontal = FOrientation == toHorizontal;
    if (t > m) {
      if (FPageDirection == 2)
        SetPosition(
            Clamped(int64_t{FPosition} + (horizontal ? -int64_t{FPageSize} : int64_t{FPageSize})));
      else
        FPageTimer->SetEnabled(false);
    } else {
      // The thumb has reached the pointer from below: a step toward it would pass it.
      if (FPageDirection == 1 && t + FThumbLength <= m)
        SetPosition(
            Clamped(int64_t{FPosition} + (horizontal ? int64_t{FPageSize} : -int64_t{FPageSize})));
      else
        FPageTimer->SetEnabled(false);
    }
  }
}

void TZYLCustomTrackBar::WMGetDlgCode(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Message.Result = win::DLGC_WANTARROWS;
}

void TZYLCustomTrackBar::CMEnabledChanged(vcl::TMessage& Message) {
  ZYL_INHERITED(Message);
  Invalidate();
}

void TZYLCustomTrackBar::WMSetFocusBar(vcl::TWMSetFocus& Message) {
  ZYL_INHERITED(Message);
  Repaint();
}

void TZYLCustomTrackBar::WMKillFocusBar(vcl::TWMKillFocus& Message) {
  ZYL_INHERITED(Message);
  Repaint();
}

bool TZYLCustomTrackBar::CanDrawNow() {
  return HandleAllocated() && Showing() && !ComponentState().contains(vcl::csLoading);
}

}  // namespace zyl
