#include "display/ZYLLED.h"

#include <algorithm>
#include <memory>

#include "platform/base/Numbers.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace zyl {

using vcl::TColor;
using vcl::TPoint;
using vcl::TRect;

namespace {

constexpr uint16_t B(TZYLLEDLights L) { return static_cast<uint16_t>(1u << L); }
constexpr uint16_t Outer =
    B(llTop) | B(llTopLeft) | B(llTopRight) | B(llBottomLeft) | B(llBottomRight) | B(llBottom);
constexpr uint16_t Diagonals =
    B(llInTopLeft) | B(llInTopRight) | B(llInBottomLeft) | B(llInBottomRight);
constexpr uint16_t Middles = B(llInTopMiddle) | B(llInBottomMiddle);

// The shared checker of unlit segments and the colour pair it was last drawn for.
struct TPattern {
  std::unique_ptr<vcl::TBitmap> Bitmap;
  TColor Back = 0;
  TColor InActive = 0;
  bool Drawn = false;
};
TPattern& Pattern() {
  static TPattern p;
  return p;
}

vcl::TBitmap* PatternBitmap(TColor Back, TColor InActive) {
  TPattern& p = Pattern();
  if (!p.Bitmap) {
    p.Bitmap = std::make_unique<vcl::TBitmap>();
    p.Bitmap->SetSize(8, 8);
    p.Drawn = false;
  }
  if (!p.Drawn || p.Back != Back || p.InActive != InActive) {
    vcl::TCanvas* c = p.Bitmap->Canvas();
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) c->SetPixels(x, y, (x + y) % 2 ? Back : InActive);
    p.Back = Back;
    p.InActive = InActive;
    p.Drawn = true;
  }
  return p.Bitmap.get();
}

using TSegment = TZYLLED::TSegment;

TSegment Across(int X, int Y, int L, int s) {
  return {TPoint{X, Y + s},         TPoint{X + s, Y},         TPoint{X + s + L, Y},
          TPoint{X + 2 * s + L, Y + s}, TPoint{X + s + L, Y + 2 * s}, TPoint{X + s, Y + 2 * s}};
}

TSegment Down(int X, int Y, int L, int s) {
  return {TPoint{X + s, Y},         TPoint{X + 2 * s, Y + s}, TPoint{X + 2 * s, Y + s + L},
          TPoint{X + s, Y + 2 * s + L}, TPoint{X, Y + s + L},     TPoint{X, Y + s}};
}

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// A diagonal bar; a zero run in either direction gives an empty (degenerate) polygon.
TSegment Diagonal(int X, int Y, int DX, int DY, int t) {
  if (DX == 0 || DY == 0) {
    TSegment none;
    none.fill(TPoint{X, Y});
    return none;
  }
  const int ex = static_cast<int>(vcl::Round(Sign(DX) * t / 2.0));
  const int ey = static_cast<int>(vcl::Round(Sign(DY) * t / 2.0));
  return {TPoint{X, Y},           TPoint{X + ex, Y},      TPoint{X + DX, Y + DY - ey},
          TPoint{X + DX, Y + DY}, TPoint{X + DX - ex, Y + DY}, TPoint{X, Y + ey}};
}

// A dot of size t: the rectangle (X, Y-1)-(X+t, Y+t-1), its last corner repeated.
TSegment Dot(int X, int Y, int t) {
  return {TPoint{X, Y - 1},         TPoint{X + t, Y - 1},     TPoint{X + t, Y + t - 1},
          TPoint{X, Y + t - 1},     TPoint{X, Y + t - 1},     TPoint{X, Y + t - 1}};
}

}  // namespace

uint16_t ZYLLEDMask(char Ch) {
  switch (Ch) {
    case '"': return B(llTopLeft) | B(llInTopMiddle);
    case '\'': return B(llInTopMiddle);
    case '(': case '<': return B(llInTopRight) | B(llInBottomRight);
    case ')': case '>': return B(llInTopLeft) | B(llInBottomLeft);
    case '*': return Middles | Diagonals;
    case '+': return B(llMiddle) | Middles;
    case '-': return B(llMiddle);
    case '.': return B(llPointBottom);
    case '/': return B(llInTopRight) | B(llInBottomLeft);
    case '0': return Outer | B(llInTopLeft) | B(llInBottomRight);
    case '1': case 'I': case 'i': return Middles;
    case '2': return B(llTop) | B(llTopRight) | B(llMiddle) | B(llBottomLeft) | B(llBottom);
    case '3': return B(llTop) | B(llTopRight) | B(llMiddle) | B(llBottomRight) | B(llBottom);
    case '4': return B(llTopLeft) | B(llTopRight) | B(llMiddle) | B(llBottomRight);
    case '5': case 'S': case 's':
      return B(llTop) | B(llTopLeft) | B(llMiddle) | B(llBottomRight) | B(llBottom);
    case '6': case 'G': case 'g':
      return B(llTop) | B(llTopLeft) | B(llMiddle) | B(llBottomLeft) | B(llBottomRight) |
             B(llBottom);
    case '7': return B(llTop) | B(llTopRight) | B(llBottomRight);
    case '8': return Outer | B(llMiddle);
    case '9':
      return B(llTop) | B(llTopLeft) | B(llTopRight) | B(llMiddle) | B(llBottomRight) |
             B(llBottom);
    case ':': return B(llPointMiddle) | B(llPointBottom);
    case '=': return B(llMiddle) | B(llBottom);
    case 'A': case 'a': return (Outer & ~B(llBottom)) | B(llMiddle);
    case 'B': case 'b':
      return B(llTop) | B(llTopRight) | B(llMiddle) | B(llBottomRight) | B(llBottom) | Middles;
    case 'C': case 'c': case '[': return B(llTop) | B(llTopLeft) | B(llBottomLeft) | B(llBottom);
    case 'D': case 'd':
      return B(llTop) | B(llTopRight) | B(llBottomRight) | B(llBottom) | Middles;
    case 'E': case 'e':
      return B(llTop) | B(llTopLeft) | B(llMiddle) | B(llBottomLeft) | B(llBottom);
    case 'F': case 'f': return B(llTop) | B(llTopLeft) | B(llMiddle) | B(llBottomLeft);
    case 'H': case 'h':
      return B(llTopLeft) | B(llTopRight) | B(llMiddle) | B(llBottomLeft) | B(llBottomRight);
    case 'J': case 'j': return B(llTopRight) | B(llBottomLeft) | B(llBottomRight) | B(llBottom);
    case 'K': case 'k':
      return B(llTopLeft) | B(llMiddle) | B(llBottomLeft) | B(llInTopRight) | B(llInBottomRight);
    case 'L': case 'l': return B(llTopLeft) | B(llBottomLeft) | B(llBottom);
    case 'M': case 'm':
      return (Outer & ~(B(llTop) | B(llBottom))) | B(llInTopLeft) | B(llInTopRight);
    case 'N': case 'n':
      return (Outer & ~(B(llTop) | B(llBottom))) | B(llInTopLeft) | B(llInBottomRight);
    case 'O': case 'o': return Outer;
    case 'P': case 'p':
      return B(llTop) | B(llTopLeft) | B(llTopRight) | B(llMiddle) | B(llBottomLeft);
    case 'Q': case 'q': return Outer | B(llInBottomRight);
    case 'R': case 'r':
      return B(llTop) | B(llTopLeft) | B(llTopRight) | B(llMiddle) | B(llBottomLeft) |
             B(llInBottomRight);
    case 'T': case 't': return B(llTop) | Middles;
    case 'U': case 'u': return Outer & ~B(llTop);
    case 'V': case 'v':
      return B(llTopLeft) | B(llBottomLeft) | B(llInTopRight) | B(llInBottomLeft);
    case 'W': case 'w':
      return (Outer & ~(B(llTop) | B(llBottom))) | B(llInBottomLeft) | B(llInBottomRight);
    case 'X': case 'x': return Diagonals;
    case 'Y': case 'y': return B(llInBottomMiddle) | B(llInTopLeft) | B(llInTopRight);
    case 'Z': case 'z': return B(llTop) | B(llBottom) | B(llInTopRight) | B(llInBottomLeft);
    case '\\': return B(llInTopLeft) | B(llInBottomRight);
    case ']': return B(llTop) | B(llTopRight) | B(llBottomRight) | B(llBottom);
    case '_': return B(llBottom);
    default: return 0;
  }
}

ZYL_CLASS_IMPL(TZYLLED) {
  using C = TZYLLED;
  b.Prop("ActiveColor", &C::GetColor, &C::SetColor, vcl::ColorTypeInfo())
      .Index(ciActiveColor)
      .Default(0x00FF00)
      .Prop("InActiveColor", &C::GetColor, &C::SetColor, vcl::ColorTypeInfo())
      .Index(ciInActiveColor)
      .Default(0x008000)
      .Prop("Thickness", &C::GetByte, &C::SetByte)
      .Index(biThickness)
      .Default(2)
      .Prop("DisabledDigits", &C::DisabledDigits, &C::SetEnabled)
      .Default(true)
      .Prop("Horzsize", &C::GetByte, &C::SetByte)
      .Index(biHorzsize)
      .Default(9)
      .Prop("Vertsize", &C::GetByte, &C::SetByte)
      .Index(biVertsize)
      .Default(7);
}

TZYLLED::TZYLLED() { FBmp.reset(new vcl::TBitmap()); }

TZYLLED::~TZYLLED() { FBmp.reset(); }

void TZYLLED::Assign(vcl::TPersistent* Source) {
  if (auto* s = dynamic_cast<TZYLLED*>(Source)) {
    FHorzsize = s->FHorzsize;
    FVertsize = s->FVertsize;
    FThickness = s->FThickness;
    FDisabledDigits = s->FDisabledDigits;
    FActiveColor = s->FActiveColor;
    FInActiveColor = s->FInActiveColor;
    CreateBmp();
    Change();
    return;
  }
  inherited::Assign(Source);
}

void TZYLLED::BeginFlash() { FFlash = true; }

void TZYLLED::EndFlash() {
  FFlash = false;
  // A later flash starts with a lit paint again.
  FFlashPhase = false;
  Change();
}

uint8_t TZYLLED::GetByte(int Index) const {
  switch (Index) {
    case biHorzsize: return FHorzsize;
    case biThickness: return FThickness;
    default: return FVertsize;  // biVertsize
  }
}

void TZYLLED::SetByte(int Index, uint8_t Value) {
  uint8_t* field = Index == biHorzsize    ? &FHorzsize
                   : Index == biThickness ? &FThickness
                   : Index == biVertsize  ? &FVertsize
                                          : nullptr;
  if (!field || !ZYLStoreValue(*field, Value)) return;
  CreateBmp();
  Change();
}

TColor TZYLLED::GetColor(int Index) const {
  switch (Index) {
    case ciActiveColor: return FActiveColor;
    case ciInActiveColor: return FInActiveColor;
    default: return FBackColor;  // ciBackColor
  }
}

void TZYLLED::SetColor(int Index, TColor Value) {
  TColor* field = Index == ciActiveColor     ? &FActiveColor
                  : Index == ciInActiveColor ? &FInActiveColor
                  : Index == ciBackColor     ? &FBackColor
                                             : nullptr;
  if (!field || !ZYLStoreValue(*field, Value)) return;
  CreateBmp();
  Change();
}

void TZYLLED::SetEnabled(bool Value) {
  if (!ZYLStoreValue(FDisabledDigits, Value)) return;
  Change();
}

int TZYLLED::GetWidth() const { return FHorzsize + 5 * FThickness; }
int TZYLLED::GetHeight() const { return 2 * FVertsize + 7 * FThickness; }

void TZYLLED::CreateBmp() {
  const int t = FThickness, H = FHorzsize, V = FVertsize;
  const int s = t / 2;
  const int c = (4 * t + H) / 2;
  const int r15 = static_cast<int>(vcl::Round(1.5 * t));
  FSegments[llTop] = Across(2 * t, t, H, s);
  FSegments[llTopLeft] = Down(t, 2 * t, V, s);
  FSegments[llTopRight] = Down(3 * t + H, 2 * t, V, s);
  FSegments[llMiddle] = Across(2 * t, 3 * t + V, H, s);
  FSegments[llBottomLeft] = Down(t, 4 * t + V, V, s);
  FSegments[llBottomRight] = Down(3 * t + H, 4 * t + V, V, s);
  FSegments[llBottom] = Across(2 * t, 5 * t + 2 * V, H, s);
  FSegments[llInTopMiddle] = Down(c, 2 * t, V, s);
  FSegments[llInBottomMiddle] = Down(c, 4 * t + V, V, s);
  FSegments[llInTopLeft] = Diagonal(c - s, 2 * t + V, t - H / 2, t - V, t);
  FSegments[llInTopRight] = Diagonal(r15 + c, 2 * t + V, H / 2 - t, t - V, t);
  FSegments[llInBottomLeft] = Diagonal(c - s, 5 * t + V, t - H / 2, V - t, t);
  FSegments[llInBottomRight] = Diagonal(r15 + c, 5 * t + V, H / 2 - t, V - t, t);
  FSegments[llPointMiddle] = Dot(c - 1, 3 * t + V, t);
  FSegments[llPointTop] = Dot(c - 1, t, t);
  FSegments[llPointBottom] = Dot(c - 1, 5 * t + 2 * V, t);

  FBmp->SetSize(GetWidth(), GetHeight());
  if (FBmp->Empty()) return;
  vcl::TCanvas* cv = FBmp->Canvas();
  cv->Brush()->SetBitmap(nullptr);
  cv->Brush()->SetStyle(vcl::bsSolid);
  cv->Brush()->SetColor(FBackColor);
  cv->FillRect(TRect{0, 0, GetWidth(), GetHeight()});
  cv->Pen()->SetStyle(vcl::psClear);
  cv->Brush()->SetBitmap(PatternBitmap(FBackColor, FInActiveColor));
  cv->Brush()->SetColor(FInActiveColor);
  for (const TSegment& seg : FSegments) cv->Polygon(seg.data(), 6);
  cv->Brush()->SetBitmap(nullptr);
}

void TZYLLED::PaintLED(vcl::TCanvas* Canvas, const TRect& Rect, const std::string& Text,
                       bool Paint, bool Enabled) {
  FRows = 1;
  FColumns = 1;
  FDrawnCells = 0;
  FText = Text;
  const int drawn = (FVertsize > 3 && FHorzsize > 3) ? SegmentCount : llBottom + 1;
  const bool lit = !(FDisabledDigits && !Enabled);
  const int w = GetWidth(), h = GetHeight();
  // Only the cells that reach into the canvas's clip are drawn; the others are only counted.
  TRect clip{};
  if (Paint) {
    Canvas->Pen()->SetStyle(vcl::psSolid);
    Canvas->Brush()->SetBitmap(nullptr);
    Canvas->Brush()->SetStyle(vcl::bsSolid);
    Canvas->Brush()->SetColor(FActiveColor);
    Canvas->Pen()->SetColor(FActiveColor);
    clip = Canvas->ClipRect();
  }
  int column = 0;
  int64_t y = Rect.Top;
  for (char ch : Text) {
    const auto code = static_cast<unsigned char>(ch);
    if (code == 13) {
      ++FRows;
      y = Rect.Top + int64_t{FRows - 1} * h;
      column = 0;
      continue;
    }
    if (code < 19 || code > 242) continue;
    const int64_t left = Rect.Left + int64_t{column} * w;
    if (Paint && left < clip.Right && left + w > clip.Left && y < clip.Bottom && y + h > clip.Top) {
      const int x = static_cast<int>(left), top = static_cast<int>(y);
      ++FDrawnCells;
      if (FBmp->Empty()) CreateBmp();
      if (!FBmp->Empty()) Canvas->Draw(x, top, FBmp.get());
      if (lit) {
        const uint16_t mask = (FFlash && FFlashPhase) ? 0 : ZYLLEDMask(ch);
        for (int i = 0; i < drawn; ++i) {
          if (!(mask & (1u << i))) continue;
          TSegment moved = FSegments[i];
          for (TPoint& p : moved) {
            p.X += x;
            p.Y += top;
          }
          Canvas->Polygon(moved.data(), 6);
        }
      }
    }
    ++column;
    FColumns = std::max(FColumns, column);
  }
  // Measuring leaves the phase alone: only painted frames alternate.
  if (Paint && FFlash) FFlashPhase = !FFlashPhase;
}

TRect TZYLLED::CalcBoundsRect(const std::string& Text, int Border) {
  PaintLED(nullptr, TRect{}, Text, false, true);
  return TRect{0, 0, GetWidth() * FColumns + 2 * Border + 1, GetHeight() * FRows + 2 * Border};
}

void ZYLLEDInit() { PatternBitmap(0, 0x008000); }

void ZYLLEDDone() { Pattern().Bitmap.reset(); }

}  // namespace zyl
