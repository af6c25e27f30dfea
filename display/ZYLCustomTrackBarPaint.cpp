// The painting of TZYLCustomTrackBar: layout, channel, ticks, the thumb bitmaps and the thumb
// drawn over its saved background, and the focus frame.
#include <algorithm>
#include <cmath>
#include <vector>

#include "display/ZYLCustomTrackBar.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGraph.h"
#include "foundation/ZYLXPStyles.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TPoint;
using vcl::TRect;

namespace {

// The theme parts of the track bar.
constexpr int TKP_TRACK = 1, TKP_TRACKVERT = 2, TKP_THUMB = 3, TKP_THUMBBOTTOM = 4,
              TKP_THUMBTOP = 5, TKP_THUMBLEFT = 7, TKP_THUMBRIGHT = 8;
// The see-through colour of the standard pointed thumb.
constexpr vcl::TColor kThumbKey = 0x008080;

}  // namespace

bool TZYLCustomTrackBar::Themed() {
  if (!UseXP()) return false;
  if (!FTheme) CreateXPThemeHandles();
  return FTheme != nullptr;
}

void TZYLCustomTrackBar::Paint() {
  PaintPos(FPosition);
  if (Focused()) DrawFocus(ClientRect());
}

void TZYLCustomTrackBar::PaintPos(int APos) {
  vcl::TCanvas* c = Canvas();
  // A control made before its thumb could be built (or reset) gets it now.
  if (FThumbStyle == tsStandard && FThumb->Empty()) CreateThumb();
  FillControl();
  // In 64 bits: margin, track width and border may sit at int's limits.
  using vcl::ClampToInt;
  const TRect cr = ClientRect();
  const int64_t m = FMargin;
  FTickArea = TRect{ClampToInt(cr.Left + m), ClampToInt(cr.Top + m), ClampToInt(cr.Right - m),
                    ClampToInt(cr.Bottom - m)};
  FTrackLengthX = FTickArea.Width();
  FTrackLengthY = FTickArea.Height();
  const int64_t W = FTrackWidth, h = FThumbHalf, LX = FTrackLengthX, LY = FTrackLengthY;
  const TRect& A = FTickArea;
  const TZYLTickMarks side = FTickStyle == tsNone ? tmBottomRight : FTickMarks;
  if (FOrientation == toHorizontal) {
    const int64_t top = side == tmBottomRight ? A.Top + W / 2 + 1
                        : side == tmTopLeft   ? A.Top + LY - W - W / 2
                                              : A.Top + (LY - W) / 2;
    FChannelRect =
        win::Bounds(ClampToInt(A.Left + h), ClampToInt(top), ClampToInt(LX - 2 * h), ClampToInt(W));
  } else {
    const int64_t left = side == tmBottomRight ? A.Left + W / 2
                         : side == tmTopLeft   ? A.Left + LX - W - W / 2
                                               : A.Left + (LX - W) / 2;
    FChannelRect =
        win::Bounds(ClampToInt(left), ClampToInt(A.Top + h), ClampToInt(W), ClampToInt(LY - 2 * h));
  }
  const bool themed = Themed();
  TRect r = FChannelRect;
  if (!themed) {
    ZYLDrawStdFrame(c, r, FTrackBorderStyle, 0);
    const int64_t b = FTrackBorder;
    r = TRect{ClampToInt(r.Left + b), ClampToInt(r.Top + b), ClampToInt(r.Right - b),
              ClampToInt(r.Bottom - b)};
  } else {
    const int part = FOrientation == toHorizontal ? TKP_TRACK : TKP_TRACKVERT;
    DrawThemeBackground(FTheme, c->Handle(), part, 1, &r, nullptr);
    GetThemeBackgroundContentRect(FTheme, c->Handle(), part, 1, &r, &r);
  }
  if (r.Right > r.Left && r.Bottom > r.Top) {
    if (!FTrackTransparent) {
      if (FTrackFillObject->Style() == sfNone && !themed) {
        c->Brush()->SetStyle(vcl::bsSolid);
        c->Brush()->SetColor(FTrackColor);
        c->FillRect(r);
      } else {
        FTrackFillObject->FillCanvas(c, r, Color());
      }
    } else if (!(FTransparent && !themed)) {
      BackDrawArea(c, r, r.TopLeft(), 0);
    }
  }
  c->Brush()->SetColor(Color());
  if (FTickStyle != tsNone) DrawTicks();
  DrawThumb(APos);
}

void TZYLCustomTrackBar::DoDrawTick(vcl::TCanvas* Canvas, int Value, const TPoint& Pos) {
  if (FOnDrawTick) FOnDrawTick(this, Canvas, Value, Pos);
}

void TZYLCustomTrackBar::DrawTicks() {
  vcl::TCanvas* c = Canvas();
  c->SetFont(Font());
  c->Pen()->SetStyle(vcl::psSolid);
  c->Pen()->SetWidth(1);
  c->Pen()->SetColor(FTickColor);
  int64_t step = FTickGap < 2 ? 1 : FTickGap;
  const bool first = FTickMarks == tmBoth || FTickMarks == tmTopLeft;
  const bool second = FTickMarks == tmBoth || FTickMarks == tmBottomRight;
  const TRect& A = FTickArea;
  const int64_t range = Range();
  const bool horizontal = FOrientation == toHorizontal;
  const int travel =
      vcl::ClampToInt(int64_t{horizontal ? FTrackLengthX : FTrackLengthY} - FThumbLength);
  const long double scale = static_cast<long double>(travel) / range;
  // More ticks than pixels would only cover each other: at most one per pixel of travel.
  const int64_t pixels = std::max(1, travel);
  // Tick ends and places in 64 bits, brought back to int's range.
  auto fit = [](int64_t v) { return vcl::ClampToInt(v); };
  const int tick = FTickLength;
  if (range / step > pixels) step = (range + pixels - 1) / pixels;
  // Only the ticks that fall in the paint's clip (along the track) are drawn or handed to the
  // owner, whose drawing round its point may reach as far as the bar is thick.
  int64_t kFrom = 0, kTo = range / step;
  if (scale > 0) {
    const TRect clip = c->ClipRect();
    const int64_t reach = FTickStyle == tsOwnerDraw ? (horizontal ? A.Height() : A.Width()) : 0;
    const int64_t base = int64_t{horizontal ? A.Left : A.Top} + FThumbHalf;
    const int64_t lo = int64_t{horizontal ? clip.Left : clip.Top} - reach - base;
    const int64_t hi = int64_t{horizontal ? clip.Right : clip.Bottom} + reach - base;
    // Offsets from the start of the track (v - MinValue across, MaxValue - v down) that
    // land between lo and hi, a step to spare on each side.
    const long double from = std::floor(lo / scale / step) - 1,
                      to = std::ceil(hi / scale / step) + 1;
    const long double steps = static_cast<long double>(kTo);
    auto index = [&](long double k) { return static_cast<int64_t>(std::clamp(k, 0.0L, steps)); };
    if (horizontal) {
      kFrom = index(from);
      kTo = index(to);
    } else {
      kFrom = index(steps - to);
      kTo = index(steps - from);
    }
  }
  for (int64_t k = kFrom; k <= kTo; ++k) {
    const int64_t v = FMinValue + k * step;
    const int value = static_cast<int>(v);
    if (horizontal) {
      const int x = fit(static_cast<int64_t>((v - FMinValue) * scale) + A.Left + FThumbHalf);
      if (FTickStyle == tsOwnerDraw) {
        if (first) DoDrawTick(c, value, TPoint{x, A.Top});
        if (second) DoDrawTick(c, value, TPoint{x, fit(int64_t{A.Bottom} - tick)});
        continue;
      }
      if (first) c->MoveTo(x, A.Top), c->LineTo(x, fit(int64_t{A.Top} + tick));
      if (second) c->MoveTo(x, fit(int64_t{A.Bottom} - tick)), c->LineTo(x, A.Bottom);
    } else {
      // Laid like the thumb: the maximum at the top, so a tick stands where the thumb of its
      // value stands.
      const int y = fit(static_cast<int64_t>((FMaxValue - v) * scale) + A.Top + FThumbHalf);
      if (FTickStyle == tsOwnerDraw) {
        if (first) DoDrawTick(c, value, TPoint{A.Left, y});
        if (second) DoDrawTick(c, value, TPoint{fit(int64_t{A.Right} - tick), y});
        continue;
      }
      if (first) c->MoveTo(A.Left, y), c->LineTo(fit(int64_t{A.Left} + tick), y);
      if (second) c->MoveTo(fit(int64_t{A.Right} - tick), y), c->LineTo(A.Right, y);
    }
  }
}

void TZYLCustomTrackBar::CreateThumb() {
  if (ComponentState().contains(vcl::csLoading)) return;
  FThumb.Link({});
  const bool horizontal = FOrientation == toHorizontal;
  // A thumb as wide as the track, within int's range.
  const int tw = std::min(FTrackWidth, INT32_MAX - 16);
  TRect R = horizontal ? TRect{0, 0, tw, tw + 8} : TRect{0, 0, tw + 8, tw};
  vcl::TBitmap F;
  const bool themed = Themed();
  if (FTickMarks == tmBoth) {
    F.SetSize(R.Right, R.Bottom);
    FThumb->SetSize(2 * F.Width(), F.Height());
    const TRect frame{0, 0, F.Width(), F.Height()};
    for (int k = 0; k < 2; ++k) {
      vcl::TCanvas* fc = F.Canvas();
      if (themed) {
        DrawThemeBackground(FTheme, fc->Handle(), TKP_THUMB, k + 1, &frame, nullptr);
      } else {
        if (k == 0) {
          fc->Brush()->SetBitmap(nullptr);
          fc->Brush()->SetStyle(vcl::bsSolid);
          fc->Brush()->SetColor(FThumbColor);
        } else {
          fc->Brush()->SetBitmap(ZYLApplication() ? ZYLApplication()->GetBrushBitmap(FThumbColor)
                                                  : nullptr);
        }
        fc->FillRect(frame);
        fc->Brush()->SetBitmap(nullptr);
        TRect fr = R;
        ZYLDrawStdFrame(fc, fr, lsRaisedExt, 0);
      }
      const int x = k * F.Width();
      FThumb->Canvas()->CopyRect(TRect{x, 0, x + F.Width(), F.Height()}, fc, frame);
    }
  } else {
    if (R.Right % 2 == 0) ++R.Right;
    if (R.Bottom % 2 == 0) ++R.Bottom;
    F.SetSize(R.Right, R.Bottom + 1);
    FThumb->SetSize(2 * F.Width(), F.Height());
    const TRect frame{0, 0, F.Width(), F.Height()};
    for (int k = 0; k < 2; ++k) {
      PaintPointedThumb(&F, R.Right, R.Bottom, k == 1);
      const int x = k * F.Width();
      FThumb->Canvas()->CopyRect(TRect{x, 0, x + F.Width(), F.Height()}, F.Canvas(), frame);
    }
  }
  if (horizontal) {
    FThumbCross = FThumb->Height();
    FThumbLength = FThumb->Width() / 2;
  } else {
    FThumbCross = FThumb->Width() / 2;
    FThumbLength = FThumb->Height();
  }
  FThumbHalf = FThumbLength / 2;
  FThumbBack.reset();  // its size follows the new frame
  FThumb.Link(vcl::TNotifyEvent(this, &TZYLCustomTrackBar::GetChange));
}

void TZYLCustomTrackBar::PaintPointedThumb(vcl::TBitmap* F, int W, int H, bool Second) {
  vcl::TCanvas* c = F->Canvas();
  const bool horizontal = FOrientation == toHorizontal;
  const int m = static_cast<uint8_t>(horizontal ? W / 2 : H / 2);
  c->Brush()->SetBitmap(nullptr);
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(kThumbKey);
  c->FillRect(TRect{0, 0, F->Width(), F->Height()});
  if (Parent() && Themed()) {
    const int part = horizontal ? (FTickMarks == tmBottomRight ? TKP_THUMBBOTTOM : TKP_THUMBTOP)
                                : (FTickMarks == tmBottomRight ? TKP_THUMBRIGHT : TKP_THUMBLEFT);
    const TRect frame{0, 0, F->Width(), F->Height()};
    DrawThemeBackground(FTheme, c->Handle(), part, Second ? 2 : 1, &frame, nullptr);
    return;
  }
  if (Second) {
    c->Brush()->SetBitmap(ZYLApplication() ? ZYLApplication()->GetBrushBitmap(FThumbColor)
                                           : nullptr);
  } else {
    c->Brush()->SetColor(FThumbColor);
  }
  vcl::TPen* pen = c->Pen();
  pen->SetStyle(vcl::psSolid);
  pen->SetWidth(1);
  using P = std::vector<TPoint>;
  const auto white = [&] { pen->SetColor(0xFFFFFF); };
  const auto black = [&] { pen->SetColor(0x000000); };
  const auto grey = [&] { pen->SetColor(0x808080); };
  const auto line = [&](P pts) { c->Polyline(pts); };
  if (horizontal && FTickMarks == tmTopLeft) {
    white();
    c->Polygon(P{{0, H - 2}, {0, m}, {m, 0}, {W - 1, m}, {W - 1, H - 2}});
    line({{0, m}, {m, 0}});
    black();
    line({{0, H - 2}, {W - 1, H - 2}, {W - 1, m}, {m, 0}});
    c->SetPixels(m, 0, 0);
    grey();
    line({{1, H - 3}, {W - 2, H - 3}, {W - 2, m}, {m, 1}});
  } else if (horizontal) {
    white();
    c->Polygon(P{{0, 2}, {0, H - m}, {m, H}, {W - 1, H - m}, {W - 1, 2}});
    line({{0, H - m}, {m + 1, H + 1}});
    black();
    line({{W - 1, 2}, {W - 1, H - m}, {m, H}});
    c->SetPixels(m, H, 0);
    grey();
    line({{W - 2, 3}, {W - 2, H - m}, {m, H - 1}});
  } else if (FTickMarks == tmTopLeft) {
    white();
    c->Polygon(P{{W - 2, 0}, {W - 2, H - 1}, {m, H - 1}, {0, m}, {m, 0}});
    line({{0, m - 1}, {m - 1, 0}, {m, 0}});
    black();
    line({{W - 2, 0}, {W - 2, H - 1}, {m, H - 1}, {0, m}});
    c->SetPixels(0, m, 0);
    grey();
    line({{W - 3, 1}, {W - 3, H - 2}, {m, H - 2}, {1, m}});
  } else {
    white();
    c->Polygon(P{{2, 0}, {2, H - 1}, {W - m, H - 1}, {W, m}, {W - m, 0}, {2, 0}});
    black();
    line({{2, H - 1}, {W - m, H - 1}, {W, m}});
    c->SetPixels(W, m, 0);
    grey();
    line({{3, H - 2}, {W - m, H - 2}, {W - 1, m}});
  }
  c->Brush()->SetBitmap(nullptr);
}

void TZYLCustomTrackBar::DrawThumb(int Pos) {
  vcl::TCanvas* c = Canvas();
  const bool horizontal = FOrientation == toHorizontal;
  using vcl::ClampToInt;
  const int64_t L = horizontal ? FTrackLengthX : FTrackLengthY;
  // The product needs more than 64 bits when the range and the track are both at the limits.
  const int64_t off = static_cast<int64_t>(static_cast<__int128>(int64_t{Pos} - FMinValue) *
                                           (L - FThumbLength) / Range());
  const int64_t across = (int64_t{FThumbCross} - FTrackWidth) / 2;
  if (horizontal) {
    FThumbRect = win::Bounds(ClampToInt(FTickArea.Left + off),
                             ClampToInt(FChannelRect.Top - across), FThumbLength, FThumbCross);
  } else {
    FThumbRect = win::Bounds(ClampToInt(FChannelRect.Left - across),
                             ClampToInt(FTickArea.Top + (FTrackLengthY - off) - FThumbLength),
                             FThumbCross, FThumbLength);
  }
  const int fw = FThumb->Width() / 2, fh = FThumb->Height();
  if (fw <= 0 || fh <= 0) return;  // an empty custom thumb draws nothing
  const TRect S{0, 0, fw, fh};
  const bool second = !Enabled() || FThumbDragging;
  const TRect frame = second ? TRect{fw, 0, 2 * fw, fh} : S;
  if (!FThumbBack || FThumbBack->Width() != fw || FThumbBack->Height() != fh) {
    FThumbBack = std::make_unique<vcl::TBitmap>();
    FThumbBack->SetSize(fw, fh);
  }
  FThumbBack->Canvas()->CopyRect(S, c, FThumbRect);
  if (FThumbStyle == tsStandard && FTickMarks == tmBoth) {
    c->CopyRect(FThumbRect, FThumb->Canvas(), frame);
    return;
  }
  vcl::TBitmap tmp;
  tmp.SetSize(fw, fh);
  ZYLBmpDraw(tmp.Canvas(), S, FThumbBack.get(), 0, vcl::clNone);
  const vcl::TColor key = FThumbStyle == tsStandard ? kThumbKey : FThumb->TransparentColor();
  ZYLBmpDrawExt(tmp.Canvas(), S, FThumb->Canvas(), frame, dsfTransparent, key);
  c->CopyRect(FThumbRect, tmp.Canvas(), S);
}

void TZYLCustomTrackBar::RestoreThumbBack() {
  if (!FThumbBack) return;
  Canvas()->CopyRect(FThumbRect, FThumbBack->Canvas(),
                     TRect{0, 0, FThumbBack->Width(), FThumbBack->Height()});
}

void TZYLCustomTrackBar::DrawFocus(const TRect& R) {
  if (FFocusStyle != tbFocus) return;
  vcl::TCanvas* c = Canvas();
  if (FUseFocusColor) {
    c->Brush()->SetStyle(vcl::bsClear);
    c->Pen()->SetStyle(vcl::psDot);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(FFocusColor);
    c->Rectangle(R);
    c->Pen()->SetStyle(vcl::psSolid);
    c->Brush()->SetStyle(vcl::bsSolid);
  } else {
    c->DrawFocusRect(R);
  }
}

void TZYLCustomTrackBar::DoThemeChanged() {
  inherited::DoThemeChanged();
  if (CanDrawNow()) RestoreThumbBack();
  if (FThumbStyle != tsCustom) CreateThumb();
}

}  // namespace zyl
