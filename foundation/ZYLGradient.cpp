#include "foundation/ZYLGradient.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "foundation/ZYLConst.h"
#include "platform/base/Finally.h"
#include "platform/base/Numbers.h"
#include "platform/classes/Filer.h"
#include "platform/classes/TypeInfo.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Canvas.h"

namespace zyl {

using vcl::TColor;
using vcl::TRect;

namespace {

constexpr int32_t MaxSteps = 256;

// The step (0 .. n-1) of the pixel (x, y) of a w x h rectangle (coordinates relative to it).
int StepAt(TZYLGradientStyle Style, int x, int y, int w, int h, int n) {
  double t = 0;
  const double fx = (x + 0.5) / w, fy = (y + 0.5) / h;
  switch (Style) {
    case gstHorizontal:
      return static_cast<int>(int64_t(x) * n / w);
    case gstVertical:
      return static_cast<int>(int64_t(y) * n / h);
    case gstSquare: {
      const int d = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
      const int maxd = (std::min(w, h) - 1) / 2;
      return std::min(n - 1, static_cast<int>(int64_t(d) * n / (maxd + 1)));
    }
    case gstElliptic: {
      const double dx = (fx - 0.5) * 2, dy = (fy - 0.5) * 2;
      t = 1.0 - std::min(1.0, std::sqrt(dx * dx + dy * dy));
      break;
    }
    case gstTopLeft:
      t = std::max(fx, fy);
      break;
    case gstTopRight:
      t = std::max(1.0 - fx, fy);
      break;
    case gstBottomLeft:
      t = std::max(fx, 1.0 - fy);
      break;
    case gstBottomRight:
      t = std::max(1.0 - fx, 1.0 - fy);
      break;
    case gstTopLeftDiagonal:
      t = (fx + fy) / 2;
      break;
    case gstTopRightDiagonal:
      t = (1.0 - fx + fy) / 2;
      break;
  }
  return std::clamp(static_cast<int>(t * n), 0, n - 1);
}

win::HPALETTE MakePalette(const std::vector<TColor>& Steps) {
  if (Steps.empty()) return nullptr;
  const size_t n = std::min<size_t>(Steps.size(), MaxSteps);
  std::vector<unsigned char> buf(sizeof(win::LOGPALETTE) + n * sizeof(win::PALETTEENTRY));
  auto* lp = reinterpret_cast<win::LOGPALETTE*>(buf.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = static_cast<win::WORD>(n);
  for (size_t i = 0; i < n; ++i) {
    const win::COLORREF c = static_cast<win::COLORREF>(vcl::ColorToRGB(Steps[i]));
    lp->palPalEntry[i].peRed = win::GetRValue(c);
    lp->palPalEntry[i].peGreen = win::GetGValue(c);
    lp->palPalEntry[i].peBlue = win::GetBValue(c);
    lp->palPalEntry[i].peFlags = 0;
  }
  return win::CreatePalette(lp);
}

}  // namespace

std::vector<TColor> ZYLGradientSteps(TColor Color1, TColor Color2, int32_t Count) {
  Count = std::clamp<int32_t>(Count, 2, MaxSteps);
  const win::COLORREF a = static_cast<win::COLORREF>(vcl::ColorToRGB(Color1));
  const win::COLORREF b = static_cast<win::COLORREF>(vcl::ColorToRGB(Color2));
  std::vector<TColor> steps(Count);
  auto mix = [&](int ca, int cb, int i) {
    return static_cast<win::BYTE>(vcl::Round(ca + double(cb - ca) * i / (Count - 1)));
  };
  for (int i = 0; i < Count; ++i)
    steps[i] = static_cast<TColor>(win::RGB(mix(win::GetRValue(a), win::GetRValue(b), i),
                                            mix(win::GetGValue(a), win::GetGValue(b), i),
                                            mix(win::GetBValue(a), win::GetBValue(b), i)));
  return steps;
}

void ZYLGradientPaintSteps(vcl::TCanvas* Canvas, const TRect& Rect,
                           const std::vector<TColor>& Steps, TZYLGradientStyle Style) {
  const int w = Rect.Width(), h = Rect.Height();
  const int n = static_cast<int>(Steps.size());
  if (!Canvas || w <= 0 || h <= 0 || n == 0) return;
  vcl::TBrush* brush = Canvas->Brush();
  const TColor oldColor = brush->Color();
  const vcl::TBrushStyle oldStyle = brush->Style();
  brush->SetStyle(vcl::bsSolid);
  auto fill = [&](int step, const TRect& r) {
    brush->SetColor(Steps[step]);
    Canvas->FillRect(r);
  };
  if (Style == gstHorizontal || Style == gstVertical) {
    const int len = Style == gstHorizontal ? w : h;
    int start = 0;
    while (start < len) {
      const int step = static_cast<int>(int64_t(start) * n / len);
      int end = start + 1;
      while (end < len && static_cast<int>(int64_t(end) * n / len) == step) ++end;
      if (Style == gstHorizontal) fill(step, TRect{Rect.Left + start, Rect.Top, Rect.Left + end, Rect.Bottom});
      else fill(step, TRect{Rect.Left, Rect.Top + start, Rect.Right, Rect.Top + end});
      start = end;
    }
  } else {
    // Runs of equal steps along each row.
    for (int y = 0; y < h; ++y) {
      int x = 0;
      while (x < w) {
        const int step = StepAt(Style, x, y, w, h, n);
        int end = x + 1;
        while (end < w && StepAt(Style, end, y, w, h, n) == step) ++end;
        fill(step, TRect{Rect.Left + x, Rect.Top + y, Rect.Left + end, Rect.Top + y + 1});
        x = end;
      }
    }
  }
  brush->SetColor(oldColor);
  brush->SetStyle(oldStyle);
}

void ZYLGradientPaint(vcl::TCanvas* Canvas, const TRect& Rect, TColor Color1, TColor Color2,
                      int32_t Colors, TZYLGradientStyle Style, uint32_t Flags, int32_t /*Extra*/) {
  if (!Canvas) return;
  const std::vector<TColor> steps = ZYLGradientSteps(Color1, Color2, Colors);
  win::TOwnedObject<win::HPALETTE> pal(Flags & ZYLGradientUsePalette ? MakePalette(steps)
                                                                     : nullptr);
  win::HPALETTE old = nullptr;
  if (pal) {
    old = win::SelectPalette(Canvas->Handle(), pal, false);
    win::RealizePalette(Canvas->Handle());
  }
  vcl::TFinally restore([&] {
    if (pal) win::SelectPalette(Canvas->Handle(), old, false);
  });
  ZYLGradientPaintSteps(Canvas, Rect, steps, Style);
}

// ---------------------------------------------------------------------------------------------

ZYL_CLASS_IMPL(TZYLGradient) {
  b.Prop("Color", &TZYLGradient::Color, &TZYLGradient::SetColor, vcl::ColorTypeInfo())
      .Default(0xFF0000)
      .Prop("ColorCount", &TZYLGradient::ColorCount, &TZYLGradient::SetColorCount)
      .Default(16)
      .Prop("EndColor", &TZYLGradient::EndColor, &TZYLGradient::SetEndColor, vcl::ColorTypeInfo())
      .Default(vcl::clBlack)
      .Prop("PaletteRealize", &TZYLGradient::PaletteRealize, &TZYLGradient::SetPaletteRealize)
      .Default(false)
      .Prop("Style", &TZYLGradient::Style, &TZYLGradient::SetStyle)
      .Default(gstVertical)
      .Prop("TwoColors", &TZYLGradient::TwoColors, &TZYLGradient::SetTwoColors)
      .Default(true);
}

TZYLGradient::TZYLGradient() { InitPalette(); }

TZYLGradient::~TZYLGradient() { FreePalette(); }

void TZYLGradient::FreePalette() {
  if (FPalette) win::DeleteObject(FPalette);
  FPalette = nullptr;
}

void TZYLGradient::InitPalette() {
  if (FTwoColors || FColorList.empty()) FSteps = ZYLGradientSteps(FColor, FEndColor, FColorCount);
  else FSteps.assign(FColorList.begin(), FColorList.begin() + std::min<size_t>(FColorList.size(), MaxSteps));
  FreePalette();
  if (FPaletteRealize) FPalette = MakePalette(FSteps);
}

void TZYLGradient::Rebuild() {
  InitPalette();
  Change();
}

void TZYLGradient::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLGradient*>(Source)) {
    FColor = s->FColor;
    FEndColor = s->FEndColor;
    FColorCount = s->FColorCount;
    FStyle = s->FStyle;
    FPaletteRealize = s->FPaletteRealize;
    FTwoColors = s->FTwoColors;
    FColorList = s->FColorList;
    Rebuild();
    return;
  }
  inherited::Assign(Source);
}

std::string TZYLGradient::GetSetStr() {
  std::string s = "{" + vcl::GetEnumName(vcl::TypeInfoOf<TZYLGradientStyle>(), FStyle) + ", ";
  if (FTwoColors) s += std::to_string(FColorCount);
  else s += "list of " + std::to_string(FColorList.size());
  return s + "}";
}

void TZYLGradient::DefineProperties(vcl::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty(
      "ColorList",
      [this](vcl::TReader* r) {
        std::vector<TColor> list;
        r->ReadListBegin();
        while (!r->EndOfList()) {
          if (list.size() >= MaxSteps) throw vcl::EReadError(SZYLGradientListTooLong);
          list.push_back(r->ReadInteger());
        }
        r->ReadListEnd();
        FColorList = std::move(list);
        InitPalette();
      },
      [this](vcl::TWriter* w) {
        w->WriteListBegin();
        for (TColor c : FColorList) w->WriteInteger(c);
        w->WriteListEnd();
      },
      !FColorList.empty());
}

void TZYLGradient::PaintGradient(vcl::TCanvas* Canvas, const TRect& Rect) {
  if (!Canvas) return;
  win::HPALETTE old = nullptr;
  if (FPaletteRealize && FPalette) {
    old = win::SelectPalette(Canvas->Handle(), FPalette, false);
    win::RealizePalette(Canvas->Handle());
  }
  ZYLGradientPaintSteps(Canvas, Rect, FSteps, FStyle);
  if (old) win::SelectPalette(Canvas->Handle(), old, false);
}

void TZYLGradient::SetRealPalette(vcl::TCanvas* Canvas) {
  if (!Canvas || !FPaletteRealize || !FPalette) return;
  win::SelectPalette(Canvas->Handle(), FPalette, false);
  win::RealizePalette(Canvas->Handle());
}

void TZYLGradient::SetColorList(const std::vector<TColor>& Value) {
  if (FColorList == Value) return;
  FColorList = Value;
  if (FColorList.size() > MaxSteps) FColorList.resize(MaxSteps);
  Rebuild();
}

void TZYLGradient::SetColor(TColor Value) {
  if (ZYLStoreValue(FColor, Value)) Rebuild();
}

void TZYLGradient::SetEndColor(TColor Value) {
  if (ZYLStoreValue(FEndColor, Value)) Rebuild();
}

void TZYLGradient::SetColorCount(int32_t Value) {
  if (ZYLStoreValue(FColorCount, std::clamp<int32_t>(Value, 2, MaxSteps))) Rebuild();
}

void TZYLGradient::SetStyle(TZYLGradientStyle Value) {
  if (ZYLStoreValue(FStyle, Value)) Rebuild();
}

void TZYLGradient::SetPaletteRealize(bool Value) {
  if (ZYLStoreValue(FPaletteRealize, Value)) Rebuild();
}

void TZYLGradient::SetTwoColors(bool Value) {
  if (ZYLStoreValue(FTwoColors, Value)) Rebuild();
}

}  // namespace zyl
