#include "display/ZYLCustomProgress.h"

#include <algorithm>

#include "display/ZYLSmallBar.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLGraph.h"
#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TRect;

namespace {

bool IsSegmentStyle(TZYLProgressStyle S) { return S == pgSmallBar || S == pgSmallBarColor; }
bool IsVertical(TZYLMeterDirection D) { return D == mdVertical || D == mdVerticalReverse; }
bool IsEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }

}  // namespace

ZYL_CLASS_IMPL(TZYLCustomProgress) {
  using C = TZYLCustomProgress;
  b.Publish({"About", "Align", "Alignment", "Anchors", "Bar3D"})
      .Prop("BarColor", &C::BarColor, &C::SetBarColor, vcl::ColorTypeInfo())
      .Default(0x800000)
      .Publish({"BiDiMode", "Caption", "Color", "Constraints", "CtlXP"})
      .Publish({"Delta", "Direction"})
      .Publish({"DragCursor", "DragKind", "DragMode", "Enabled", "Font"})
      .Publish({"Font3D", "MaxValue", "MinValue", "OptionsText"})
      .Publish({"ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                "ShowHint"})
      .Prop("SmallBar", &C::SmallBar, &C::SetSmallBar)
      .Prop("Style", &C::Style, &C::SetStyle)
      .Default(pgSmallBar)
      .Publish("UseFontColor")
      .Publish({"Visible", "OnClick", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                "OnEndDrag"})
      .Prop("OnGetColor", &C::GetOnGetColor, &C::SetOnGetColor)
      .Publish("OnMouseDown")
      .Publish({"OnMouseEnter", "OnMouseExit"})
      .Publish({"OnMouseMove", "OnMouseUp"})
      .Prop("OnPaint", &C::GetOnPaint, &C::SetOnPaint)
      .Publish({"OnStartDock", "OnStartDrag"});
}

TZYLCustomProgress::TZYLCustomProgress(vcl::TComponent* AOwner) : inherited(AOwner) {
  FSmallBar.reset(new TZYLSmallBar(), vcl::TNotifyEvent(this, &TZYLCustomProgress::GetChange));
  SetDelta(1);
}

TZYLCustomProgress::~TZYLCustomProgress() { FSmallBar.reset(); }

void TZYLCustomProgress::SetBarColor(vcl::TColor Value) {
  if (ZYLStoreValue(FBarColor, Value) && FStyle == pgBar) InvalidateControl();
}

void TZYLCustomProgress::SetSmBarOptions(TZYLSmallBar* Value) {
  if (Value) FSmallBar->Assign(Value);
}

void TZYLCustomProgress::SetStyle(TZYLProgressStyle Value) {
  if (!ZYLStoreValue(FStyle, Value)) return;
  if (!ComponentState().contains(vcl::csLoading) && IsSegmentStyle(Value))
    SetDelta(static_cast<uint8_t>((100 / FSmallBar->BarCount()) / 2));
  InvalidateControl();
}

void TZYLCustomProgress::GetChange(vcl::TObject* Sender) { inherited::GetChange(Sender); }

void TZYLCustomProgress::Loaded() {
  inherited::Loaded();
  CreateXPThemeHandles();
}

namespace {

// Whether Size is already a whole number of segments: (L + Space) * Count + Space + Frame
// for some L >= 0.
bool IsWholeSegmentSize(int32_t Size, int32_t Count, int32_t Space, int32_t Frame) {
  const int32_t rest = Size - Frame - Space;
  return rest >= 0 && rest % Count == 0 && rest / Count >= Space;
}

// The size of Count segments and their spaces that Size is corrected to.
int32_t SegmentSize(int32_t L, int32_t Count, int32_t Space, int32_t Frame) {
  // Segments no longer than 0: the smallest bar that holds the spaces.
  return (std::max(0, L) + Space) * Count + Space + Frame;
}

}  // namespace

bool TZYLCustomProgress::CorrectBounds() {
  if (FBoundsCorrected) return false;
  bool result = false;
  if (IsSegmentStyle(FStyle) && Align() == vcl::alNone && FSmallBar->AutoSize()) {
    const int32_t dbl = DblBevelExt();
    const int32_t l = FSmallBar->GetBarExtend(Direction(), Width() - dbl, Height() - dbl);
    const int32_t n = FSmallBar->BarCount();
    // A size that already holds whole segments stays: when the spaces are as wide as the
    // segment count, the length measured on such a size is longer again and each paint
    // would otherwise grow the bar once more.
    if (IsVertical(Direction())) {
      const int32_t vs = FSmallBar->VSpace();
      const int32_t h = SegmentSize(l, n, vs, dbl);
      if (h != Height() && !IsWholeSegmentSize(Height(), n, vs, dbl)) {
        FBoundsCorrected = true;  // a paint the resize itself causes changes nothing more
        SetBounds(Left(), Top(), Width(), h);
        result = true;
      }
    } else {
      const int32_t hs = FSmallBar->HSpace();
      const int32_t w = SegmentSize(l, n, hs, dbl);
      if (w != Width() && !IsWholeSegmentSize(Width(), n, hs, dbl)) {
        FBoundsCorrected = true;
        SetBounds(Left(), Top(), w, Height());
        result = true;
      }
    }
  }
  FBoundsCorrected = result;
  return result;
}

void TZYLCustomProgress::DrawSegments(vcl::TCanvas* Canvas, const TRect& Dest,
                                      const TRect& ARect, bool PerSegmentColor) {
  const int32_t hs = FSmallBar->HSpace(), vs = FSmallBar->VSpace();
  const int32_t count = FSmallBar->BarCount();
  const int32_t l =
      FSmallBar->GetBarExtend(Direction(), ARect.Right - ARect.Left, ARect.Bottom - ARect.Top);
  // The share of the segments, exact for halves (Round takes them to the even neighbour).
  const int32_t n = static_cast<int32_t>(vcl::Round(GetDrawValue() * count / 100.0));
  Canvas->Brush()->SetColor(FSmallBar->BarColor());
  Canvas->Brush()->SetStyle(vcl::bsSolid);
  if (l <= 0) {
    // No room for separate segments: one block.
    const TRect block{Dest.Left + hs, Dest.Top + vs, Dest.Right - hs, Dest.Bottom - vs};
    if (!IsEmpty(block)) Canvas->FillRect(block);
    return;
  }
  const bool vertical = IsVertical(Direction());
  const int32_t p = (vertical ? vs : hs) + l;
  for (int32_t i = 0; i < n; ++i) {
    if (PerSegmentColor && FOnGetColor) {
      vcl::TColor color = FSmallBar->BarColor();
      FOnGetColor(this, static_cast<uint8_t>(i), color);
      Canvas->Brush()->SetColor(color);
    }
    TRect r;
    switch (Direction()) {
      case mdHorizontal:
        r = TRect{ARect.Left + i * p + hs, Dest.Top + vs, ARect.Left + (i + 1) * p,
                  ARect.Bottom - vs};
        break;
      case mdHorizontalReverse: {
        const int32_t k = count - i;
        r = TRect{ARect.Left + (k - 1) * p + hs, Dest.Top + vs, ARect.Left + k * p,
                  ARect.Bottom - vs};
        break;
      }
      case mdVertical:
        r = TRect{ARect.Left + hs, ARect.Top + i * p + vs, ARect.Right - hs,
                  ARect.Top + (i + 1) * p};
        break;
      case mdVerticalReverse: {
        const int32_t k = count - i;
        r = TRect{ARect.Left + hs, ARect.Top + (k - 1) * p + vs, ARect.Right - hs,
                  ARect.Top + k * p};
        break;
      }
    }
    if (!IsEmpty(r)) Canvas->FillRect(r);
  }
}

void TZYLCustomProgress::DrawBar(vcl::TCanvas* Canvas, const TRect& Dest, const TRect& NotDest,
                                 const TRect& ARect) {
  TZYLProgressStyle style = UseXP() ? pgXPBar : FStyle;
  if (style == pgXPBar) {
    TZYLApplication* app = ZYLApplication();
    if (!app || !app->GetUseXPThemes()) {
      style = pgSmallBar;
    } else {
      if (!ThemeHandle()) CreateXPThemeHandles();
      if (!ThemeHandle()) style = pgSmallBar;  // no theme to draw the chunk with
    }
  }
  switch (style) {
    case pgBar:
      Canvas->Brush()->SetColor(FBarColor);
      Canvas->Brush()->SetStyle(vcl::bsSolid);
      if (!IsEmpty(Dest)) Canvas->FillRect(Dest);
      DrawBarFrame(Canvas, Dest);
      DrawCaption(Canvas, Dest, NotDest, ARect, true, FBarColor);
      break;
    case pgSmallBar:
    case pgSmallBarColor:
      DrawSegments(Canvas, Dest, ARect, style == pgSmallBarColor);
      DrawCaption(Canvas, Dest, NotDest, ARect, true, FSmallBar->BarColor());
      break;
    case pgOwnerDraw:
      if (FOnPaint) FOnPaint(this, Canvas, Dest, NotDest, ARect);
      break;
    case pgXPBar:
      if (!IsEmpty(Dest))
        DrawThemeBackground(ThemeHandle(), Canvas->Handle(), IsVertical(Direction()) ? 4 : 3, 0,
                            &Dest, nullptr);
      break;
  }
}

}  // namespace zyl
