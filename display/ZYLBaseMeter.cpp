#include "display/ZYLBaseMeter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLProcs.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

using vcl::TRect;

namespace {

int32_t ClampPercent(int64_t V) { return static_cast<int32_t>(std::clamp<int64_t>(V, 0, 100)); }

bool IsVertical(TZYLMeterDirection D) { return D == mdVertical || D == mdVerticalReverse; }

}  // namespace

ZYL_MESSAGE_MAP(TZYLBaseMeter) { m.On(vcl::CM_TEXTCHANGED, &TZYLBaseMeter::CMTextChanged); }

// The meter properties both progress bars publish, described once here.
ZYL_CLASS_IMPL(TZYLBaseMeter) {
  using C = TZYLBaseMeter;
  b.Declare("Alignment", &C::Alignment, &C::SetAlignment)
      .Default(vcl::taCenter)
      .Declare("Bar3D", &C::Bar3D, &C::SetBar3D)
      .Default(lsNone)
      .Declare("Delta", &C::Delta, &C::SetDelta)
      .Default(1)
      .Declare("Direction", &C::Direction, &C::SetDirection)
      .Default(mdHorizontal)
      .Declare("Font3D", &C::Font3D, &C::SetFont3D)
      .Declare("MaxValue", &C::MaxValue, &C::SetMaxValue)
      .Default(100)
      .Declare("MinValue", &C::MinValue, &C::SetMinValue)
      .Default(0)
      .Declare("OptionsText", &C::OptionsText, &C::SetOptionsText)
      .Default(toNoText)
      .Declare("UseFontColor", &C::UseFontColor, &C::SetUseFontColor)
      .Default(false)
      .Declare("Step", &C::Step, &C::SetStep)
      .Default(10)
      .Declare("Position", &C::Position, &C::SetPosition)
      .Default(0)
      .Declare("UserValue", &C::UserValue, &C::SetUserValue)
      .Default(0);
}

TZYLBaseMeter::TZYLBaseMeter(vcl::TComponent* AOwner) : inherited(AOwner) {
  DisableTransMode();
  vcl::TControlStyle s = ControlStyle();
  s.Exclude(vcl::csSetCaption);
  s.Include(vcl::csReplicatable);
  SetControlStyle(s);
  FFont3D.reset(new TZYL3DCaption(), vcl::TNotifyEvent(this, &TZYLBaseMeter::GetChange));
  // The meter's own bevel default, set quietly.
  FBevel->BeginUpdate();
  FBevel->SetDefaultStyleOuter(bvLowered);
  FBevel->EndUpdate(false);
  SetBounds(Left(), Top(), 80, 20);
}

TZYLBaseMeter::~TZYLBaseMeter() {
  FFont3D.reset();
  FreeXPThemeHandles();
}

// ---- Setters ----

void TZYLBaseMeter::SetFont3D(TZYL3DCaption* Value) {
  if (Value) FFont3D->Assign(Value);
}

void TZYLBaseMeter::SetAlignment(vcl::TAlignment Value) {
  if (ZYLStoreValue(FAlignment, Value)) InvalidateControl();
}

void TZYLBaseMeter::SetDirection(TZYLMeterDirection Value) {
  if (ZYLStoreValue(FDirection, Value)) InvalidateControl();
}

void TZYLBaseMeter::SetOptionsText(TZYLMeterTextOptions Value) {
  if (ZYLStoreValue(FOptionsText, Value)) InvalidateControl();
}

void TZYLBaseMeter::SetUseFontColor(bool Value) {
  if (ZYLStoreValue(FUseFontColor, Value)) InvalidateControl();
}

void TZYLBaseMeter::SetBar3D(TZYLBorderStyle Value) {
  if (ZYLStoreValue(FBar3D, Value) && DrawsBarFrame()) InvalidateControl();
}

void TZYLBaseMeter::DrawBarFrame(vcl::TCanvas* Canvas, const vcl::TRect& Dest) {
  if (Position() <= 0 || Dest.Right <= Dest.Left || Dest.Bottom <= Dest.Top) return;
  vcl::TRect frame = Dest;
  ZYLDrawStdFrame(Canvas, frame, FBar3D, 0);
}

void TZYLBaseMeter::SetMaxValue(int32_t Value) {
  if (Value == FMaxValue) return;
  if (ComponentState().contains(vcl::csLoading)) {
    // The ends arrive one by one while a form is read; Loaded puts them in order.
    FMaxValue = Value;
    return;
  }
  if (Value == FMinValue) return;
  const int32_t oldMin = FMinValue;
  FMinValue = std::min(Value, oldMin);
  FMaxValue = std::max(Value, oldMin);
  if (FUserValue < FMinValue || FUserValue > FMaxValue) FUserValue = FMaxValue;
  Synchronize(false);
  InvalidateControl();
}

void TZYLBaseMeter::SetMinValue(int32_t Value) {
  if (Value == FMinValue) return;
  if (ComponentState().contains(vcl::csLoading)) {
    FMinValue = Value;
    return;
  }
  if (Value == FMaxValue) return;
  const int32_t oldMax = FMaxValue;
  FMinValue = std::min(Value, oldMax);
  FMaxValue = std::max(Value, oldMax);
  if (FUserValue < FMinValue || FUserValue > FMaxValue) FUserValue = FMinValue;
  Synchronize(false);
  InvalidateControl();
}

void TZYLBaseMeter::SetUserValue(int32_t Value) {
  if (Value == FUserValue) return;
  FUserValue = std::clamp(Value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
  Synchronize(false);
  Draw();
}

void TZYLBaseMeter::SetPercentValue(int32_t Value) {
  if (Value == FPosition) return;
  FPosition = ClampPercent(Value);
  Synchronize(true);
  Draw();
}

void TZYLBaseMeter::SetStep(int32_t Value) { FStep = ClampPercent(Value); }

void TZYLBaseMeter::SetDelta(uint8_t Value) { FDelta = Value == 0 ? 1 : Value; }

void TZYLBaseMeter::Add(uint8_t N) {
  if (N == 0) return;
  FPosition = ClampPercent(static_cast<int64_t>(FPosition) + N);
  Draw();
}

void TZYLBaseMeter::Sub(uint8_t N) {
  if (N == 0) return;
  FPosition = ClampPercent(static_cast<int64_t>(FPosition) - N);
  Draw();
}

// ---- Values ----

void TZYLBaseMeter::Synchronize(bool FromPercent) {
  if (FromPercent) {
    // Position / 100 of the range, exact for every percentage (no 0.01 representation error).
    const double range = static_cast<double>(FMaxValue) - FMinValue;
    FUserValue = static_cast<int32_t>(vcl::Round(FPosition * range / 100.0) + FMinValue);
  } else {
    FPosition = GetPercentValue(FUserValue);
  }
}

int32_t TZYLBaseMeter::GetPercentValue(int32_t V) const {
  const double range = static_cast<double>(FMaxValue) - FMinValue;
  if (range == 0) return 0;
  return ClampPercent(vcl::Round((static_cast<double>(V) - FMinValue) / range * 100.0));
}

int32_t TZYLBaseMeter::GetExtend(int32_t Value, int32_t Size) {
  // Integer arithmetic: Trunc of Value% of Size without the rounding error of 0.01.
  const int64_t len = static_cast<int64_t>(Value) * Size / 100;
  return static_cast<int32_t>(std::min<int64_t>(Size, len));
}

// ---- Themes ----

void TZYLBaseMeter::CreateXPThemeHandles() {
  FreeXPThemeHandles();
  if (!XPThemesAvailable) return;
  vcl::TWinControl* p = Parent();
  FTheme = OpenThemeData(p && p->HandleAllocated() ? p->Handle() : nullptr, "PROGRESS");
}

void TZYLBaseMeter::FreeXPThemeHandles() {
  // Closed whenever one is open, even when themes went away since it was opened.
  if (FTheme) CloseThemeData(FTheme);
  FTheme = nullptr;
}

void TZYLBaseMeter::DoThemeChanged() {
  inherited::DoThemeChanged();
  FreeXPThemeHandles();
  CreateXPThemeHandles();
  Invalidate();
}

// ---- Painting ----

void TZYLBaseMeter::CMTextChanged(vcl::TMessage& /*Message*/) { InvalidateControl(); }

void TZYLBaseMeter::Loaded() {
  inherited::Loaded();
  // The ends as read: put a reversed range in order and give an empty one an extent; the
  // values follow only when the range had to be mended.
  bool mended = false;
  if (FMaxValue < FMinValue) {
    std::swap(FMinValue, FMaxValue);
    mended = true;
  }
  if (FMaxValue == FMinValue) {
    if (FMaxValue < INT32_MAX)
      ++FMaxValue;
    else
      --FMinValue;
    mended = true;
  }
  if (FUserValue < FMinValue || FUserValue > FMaxValue) {
    FUserValue = std::clamp(FUserValue, FMinValue, FMaxValue);
    mended = true;
  }
  if (mended) Synchronize(false);
}

void TZYLBaseMeter::DrawBar(vcl::TCanvas* /*Canvas*/, const TRect& /*Dest*/,
                            const TRect& /*NotDest*/, const TRect& /*ARect*/) {}

bool TZYLBaseMeter::CanDrawNow() {
  const vcl::TComponentState st = ComponentState();
  if (st.contains(vcl::csLoading) || st.contains(vcl::csDestroying)) return false;
  return Parent() && Parent()->HandleAllocated() && IsVisibleOnScreen();
}

void TZYLBaseMeter::Paint() {
  if (ComponentState().contains(vcl::csLoading)) return;
  if (CorrectBounds()) {
    // The new size brings its own paint.
    FBoundsCorrected = false;
    return;
  }
  Draw(true);
  FBoundsCorrected = false;
}

void TZYLBaseMeter::Draw(bool Full) {
  if (FDrawing) return;
  // A value change while the meter cannot paint waits for the next Paint, which draws all.
  if (!Full && !CanDrawNow()) return;
  const int32_t v = ClampPercent(GetDrawValue());
  if (!Full) {
    const bool moved = std::abs(v - static_cast<int32_t>(FLastValue)) >= FDelta;
    const bool endReached = v != FLastValue && (v == 0 || v == 100);
    if (!moved && !endReached) return;
  }
  FDrawing = true;
  struct TDone {
    TZYLBaseMeter* Self;
    int32_t Value;
    ~TDone() {
      Self->FDrawing = false;
      Self->FLastValue = static_cast<uint8_t>(Value);
    }
  } done{this, v};

  const TRect client = ClientRect();
  if (client.Right <= client.Left || client.Bottom <= client.Top) return;
  vcl::TBitmap bmp;
  ZYLBmpCreateFromRect(&bmp, client, Color());
  vcl::TCanvas* c = bmp.Canvas();
  TRect r = client;
  bool themed = false;
  TZYLApplication* app = ZYLApplication();
  if (UseXP() || (app && app->GetUseXPThemes() && FBevel->Mode() == bmWindows)) {
    if (!FTheme) CreateXPThemeHandles();
    const int part = IsVertical(FDirection) ? 2 : 1;
    themed = FTheme && DrawThemeBackground(FTheme, c->Handle(), part, 0, &client, nullptr) == ZYL_S_OK &&
             GetThemeBackgroundContentRect(FTheme, c->Handle(), part, 0, &client, &r) == ZYL_S_OK;
  }
  // Without a usable theme the bevel frames the meter.
  if (!themed) r = FBevel->PaintBevel(c, client, false);

  const int32_t w = r.Right - r.Left, h = r.Bottom - r.Top;
  TRect dest = r, notDest = r;
  switch (FDirection) {
    case mdHorizontal:
      dest.Right = r.Left + GetExtend(v, w);
      notDest.Left = dest.Right;
      break;
    case mdVertical:
      dest.Bottom = r.Top + GetExtend(v, h);
      notDest.Top = dest.Bottom;
      break;
    case mdHorizontalReverse:
      dest.Left = r.Right - GetExtend(v, w);
      notDest.Right = dest.Left;
      break;
    case mdVerticalReverse:
      dest.Top = r.Bottom - GetExtend(v, h);
      notDest.Bottom = dest.Top;
      break;
  }
  DrawBar(c, dest, notDest, r);
  Canvas()->Draw(0, 0, &bmp);
}

void TZYLBaseMeter::DrawCaption(vcl::TCanvas* Canvas, const TRect& R1, const TRect& R2,
                                const TRect& ARect, bool UseColor, vcl::TColor AColor) {
  if (FOptionsText == toNoText) return;
  Canvas->Font()->Assign(Font());
  Canvas->Brush()->SetColor(Color());
  Canvas->Brush()->SetStyle(vcl::bsClear);
  const std::string text =
      FOptionsText == toCaption ? Caption() : std::to_string(GetDrawValue()) + "%";
  int32_t flags = win::DT_VCENTER | win::DT_SINGLELINE | win::DT_NOPREFIX;
  switch (FAlignment) {
    case vcl::taLeftJustify: flags |= win::DT_LEFT; break;
    case vcl::taRightJustify: flags |= win::DT_RIGHT; break;
    case vcl::taCenter: flags |= win::DT_CENTER; break;
  }
  TZYLDrawTextStyles styles{Enabled() ? dtEnabled : dtDisabled};
  if (FUseFontColor) {
    ZYLDrawTextExt(Canvas, text, FFont3D, ARect, flags, styles);
    return;
  }
  styles += dtClip;
  const vcl::TColor fontColor = Font()->Color();
  // Over the bar in the control's colour, over the empty part in AColor or the font colour;
  // an empty part draws nothing.
  if (R1.Right > R1.Left && R1.Bottom > R1.Top) {
    Canvas->Font()->SetColor(Color());
    ZYLDrawTextExt(Canvas, text, FFont3D, ARect, flags, styles, &R1);
  }
  if (R2.Right > R2.Left && R2.Bottom > R2.Top) {
    Canvas->Font()->SetColor(UseColor ? AColor : fontColor);
    ZYLDrawTextExt(Canvas, text, FFont3D, ARect, flags, styles, &R2);
  }
}

}  // namespace zyl
