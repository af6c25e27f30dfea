#include "display/ZYLGrlf.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "foundation/ZYL3DCaption.h"
#include "platform/base/Numbers.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/text/Text.h"

namespace zyl {

using namespace ZYLGrlf;
using vcl::Round;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kPiF = static_cast<float>(kPi);
constexpr win::UINT kTextAlignBaseline = 24;
// More perspective copies than this cannot be told apart from a solid block on any canvas;
// the cap keeps an absurd depth from stalling the drawing.
constexpr int32_t kMaxPerspectiveCopies = 4096;

// Saturating conversion: layouts of extreme factors stay defined instead of overflowing.
int32_t Sat(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}
int32_t RoundI(double v) {
  if (!std::isfinite(v)) return 0;
  if (v > 2.0e9) return std::numeric_limits<int32_t>::max();
  if (v < -2.0e9) return std::numeric_limits<int32_t>::min();
  return Sat(Round(v));
}
int32_t AbsI(int32_t v) {
  return v == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max()
                                                  : std::abs(v);
}

bool IsArchUp(TZYLTransLabelTypes t) {
  return t == tmHalfcircle || t == tmEnterprise || t == tmLNoseDown || t == tmRNoseDown;
}
bool IsArchDown(TZYLTransLabelTypes t) {
  return t == tmHalfmoon || t == tmLNoseUp || t == tmRNoseUp;
}
bool IsSpeakerGroup(TZYLTransLabelTypes t) {
  return t == tmSpeaker || t == tmInvSpeaker || t == tmFly || t == tmCube;
}
bool HasSizeRule(TZYLTransLabelTypes t) {
  switch (t) {
    case tmEnterprise: case tmHalfmoon: case tmInvSpeaker: case tmInvStairs: case tmLNoseUp:
    case tmLNoseDown: case tmSpeaker: case tmStairs: case tmRNoseUp: case tmRNoseDown:
    case tmChair: case tmBuckled: case tmFly: case tmCube:
      return true;
    default:
      return false;
  }
}
bool UsesEqualLetters(TZYLTransLabelAttr a, TZYLTransLabelTypes t) {
  return a.contains(taEqualLetters) && (t == tmWave || t == ZYLGrlf::tmNone);
}

// The curve parameter of the arch outlines. A single letter has no curve: it sits at t = 0.
float CurveParam(int32_t N, int32_t i) {
  if (N <= 1) return 0.0f;
  return kPiF / static_cast<float>(N - 1) * static_cast<float>(i - 1);
}

int32_t Max4(int32_t a, int32_t b, int32_t c, int32_t d) { return std::max({a, b, c, d}); }
int32_t Min4(int32_t a, int32_t b, int32_t c, int32_t d) { return std::min({a, b, c, d}); }

// Moves (X, Y) by v along an angle given in radians.
void MoveAlong(int32_t& X, int32_t& Y, float Angle, double v) {
  X = Sat(int64_t(X) + RoundI(std::cos(double(Angle)) * v));
  Y = Sat(int64_t(Y) + RoundI(std::sin(double(Angle)) * v));
}

float DegToRadF(double Degrees) { return static_cast<float>(Degrees * kPi / 180.0); }

// The largest single-letter width and height of Text in the canvas's current font.
vcl::TSize EqualLetterSize(vcl::TCanvas* Canvas, const std::string& Text) {
  vcl::TSize s{0, 0};
  for (char ch : Text) {
    const vcl::TSize e = Canvas->TextExtent(std::string(1, ch));
    s.cx = std::max(s.cx, e.cx);
    s.cy = std::max(s.cy, e.cy);
  }
  return s;
}

void ReadLogFont(vcl::TCanvas* Canvas, win::LOGFONTA& LogFont) {
  win::GetObjectA(Canvas->Font()->Handle(), sizeof LogFont, &LogFont);
}

// Base font, baseline alignment and the caption's character spacing.
void PrepareCanvas(vcl::TCanvas* Canvas, vcl::TFont* Font, TZYLFxCaption* FxCaption) {
  Canvas->Font()->Assign(Font);
  win::HDC dc = Canvas->Handle();
  win::SetTextAlign(dc, kTextAlignBaseline);
  win::SetTextCharacterExtra(dc, FxCaption ? FxCaption->Tracing() : 0);
}

// Draws the letter in Color with the canvas's current font.
void LetterOut(vcl::TCanvas* Canvas, char Letter, int32_t X, int32_t Y, vcl::TColor Color) {
  Canvas->Font()->SetColor(Color);
  Canvas->RequiredState({vcl::csHandleValid, vcl::csFontValid, vcl::csBrushValid});
  win::ExtTextOutA(Canvas->Handle(), X, Y, 0, nullptr, &Letter, 1, nullptr);
}

// The 3D layers of the letter, in screen offsets, before the letter itself.
void EffectOut(vcl::TCanvas* Canvas, char Letter, int32_t X, int32_t Y, TZYLFxCaption* Fx) {
  if (!Fx) return;
  const int32_t LD = Fx->LightDepth();
  const int32_t SD = Fx->ShadowDepth();
  switch (Fx->Style()) {
    case tdSunken:
      LetterOut(Canvas, Letter, X + LD, Y + LD, Fx->LightColor());
      break;
    case tdRaised:
      LetterOut(Canvas, Letter, X - LD, Y - LD, Fx->LightColor());
      break;
    case tdSunkenShadow:
    case tdPColorSunken:
      LetterOut(Canvas, Letter, X - SD - LD, Y - SD - LD, Fx->ShadowColor());
      LetterOut(Canvas, Letter, X + LD, Y + LD, Fx->LightColor());
      break;
    case tdRaisedShadow:
    case tdPColorRaised:
      LetterOut(Canvas, Letter, X + SD - LD, Y + SD - LD, Fx->ShadowColor());
      LetterOut(Canvas, Letter, X - LD, Y - LD, Fx->LightColor());
      break;
    case tdShadow:
      LetterOut(Canvas, Letter, X + SD, Y + SD, Fx->ShadowColor());
      break;
    default:
      break;
  }
}

// The pen advances by Advance pixels along the baseline of the up direction Theta.
void Advance(int32_t& X, int32_t& Y, float Theta, int32_t Advance) {
  const double a = -(double(Theta) - kPi / 2);
  X = Sat(int64_t(X) + RoundI(std::cos(a) * Advance));
  Y = Sat(int64_t(Y) + RoundI(std::sin(a) * Advance));
}

}  // namespace

int32_t ZYLTransLetterSize(TZYLTransLabelTypes Transform, int32_t Size, int32_t MinSize,
                           int32_t Count, int32_t Index) {
  if (Count <= 0 || !HasSizeRule(Transform)) return Size;
  const double S = Size, Min = MinSize, N = Count, i = Index;
  const bool first = Index <= Count / 2;
  switch (Transform) {
    case tmEnterprise:
    case tmHalfmoon:
      return first ? RoundI(S / N * 2 * i) : RoundI(S / N * (N - i) * 2);
    case tmInvSpeaker:
    case tmInvStairs:
    case tmLNoseUp:
    case tmLNoseDown:
      return RoundI((S - Min) / N * i + Min);
    case tmSpeaker:
    case tmStairs:
    case tmRNoseUp:
    case tmRNoseDown:
      return RoundI((S - Min) / N * (N + 1 - i) + Min);
    case tmChair:
      return Sat(2 * int64_t(first ? RoundI((S - Min) / (2 * N) * (N + 1 - i) + Min)
                                   : RoundI((S - Min) / (2 * N) * i + Min)));
    case tmBuckled:
      return Sat(2 * int64_t(first ? RoundI((S - Min) / (2 * N) * i + Min)
                                   : RoundI((S - Min) / (2 * N) * (N + 1 - i) + Min)));
    case tmFly:
      return std::max(MinSize, Sat(int64_t(Size) - (first ? RoundI(S / N * (i - 1))
                                                          : RoundI(S / N * (N - i)))));
    case tmCube:
      return Sat(int64_t(Size / 3) + (first ? RoundI((S - S / 3) / (N / 2) * (i - 1))
                                           : RoundI((S - S / 3) / (N / 2) * (N - i))));
    default:
      return Size;
  }
}

void CalcPosAndSize(int32_t X0, int32_t Y0, int32_t Index, int32_t Factor, int32_t MinSize,
                    TZYLToggle Toggle, int32_t Depth, vcl::TFont* Font,
                    TZYLTransLabelAttr Attributes, TZYLTransLabelTypes Transform, float Theta,
                    const std::string& Text, vcl::TCanvas* Canvas, win::LOGFONTA& LogFont,
                    TZYLFxCaption* FxCaption, vcl::TSize& Size, int32_t& NewX, int32_t& NewY) {
  const int32_t N = static_cast<int32_t>(std::min<size_t>(Text.size(), 0x7FFFFFF));
  const int32_t i = Index;
  const int32_t alpha = FxCaption ? FxCaption->Angle() : 0;
  const double F = Factor;
  const double th = Theta;

  // 1. The base font.
  Canvas->Font()->Assign(Font);
  int64_t e = 0;
  const int32_t S = Font->Size();
  int32_t s = S;

  // 2. The outline's size.
  if (HasSizeRule(Transform)) {
    s = ZYLTransLetterSize(Transform, S, MinSize, N, i);
    Canvas->Font()->SetSize(s);
    ReadLogFont(Canvas, LogFont);
  }

  // 3. Escapement.
  const float t = CurveParam(N, i);
  if (Attributes.contains(taAutoToggled)) {
    if (Transform == tmWave)
      e = RoundI(std::cos(double(i)) * F) + 10 * int64_t(alpha);
    else if (IsArchUp(Transform) || IsArchDown(Transform))
      e = RoundI(100 * std::cos(double(t))) + 10 * int64_t(alpha);
    else
      e = 10 * int64_t(alpha);
  }
  if (Attributes.contains(taToggled)) e += 10 * int64_t(Toggle);

  // 4. Position.
  int32_t X = X0, Y = Y0;
  if (Transform == tmWave) {
    X = Sat(int64_t(X0) + RoundI(std::cos(th) * std::sin(double(i)) * (F / 10)));
    Y = Sat(int64_t(Y0) - RoundI(std::sin(th) * std::sin(double(i)) * (F / 10)));
  } else if (IsArchUp(Transform)) {
    X = Sat(int64_t(X0) + RoundI(std::cos(th) * std::sin(double(t)) * F / 10));
    Y = Sat(int64_t(Y0) - RoundI(std::sin(th) * std::sin(double(t)) * F / 10));
  } else if (IsArchDown(Transform)) {
    X = Sat(int64_t(X0) - RoundI(std::cos(th) * std::sin(double(t)) * F / 10));
    Y = Sat(int64_t(Y0) + RoundI(std::sin(th) * std::sin(double(t)) * F / 10));
  } else if (Transform == tmArrow) {
    const bool rising = i != 0 && double(N) / double(i) > 2;
    Y = Sat(int64_t(Y0) - (rising ? int64_t(i) : int64_t(N) - i) * Factor);
  } else if (IsSpeakerGroup(Transform)) {
    const int32_t c = Sat((int64_t(S) - s) / 2);
    X = Sat(int64_t(X0) - RoundI(std::cos(th) * c));
    Y = Sat(int64_t(Y0) - RoundI(std::sin(th) * c));
  }

  // 5. The letter's own font.
  LogFont.lfEscapement = Sat(e);
  Canvas->Font()->SetHandle(win::CreateFontIndirectA(&LogFont));

  // 6. The letter's size.
  if (!UsesEqualLetters(Attributes, Transform)) {
    const std::string letter(1, (i >= 1 && i <= N) ? Text[i - 1] : ' ');
    Size = Canvas->TextExtent(letter);
    if (Attributes.contains(taPerspective)) Size.cx = Sat(int64_t(Size.cx) + Depth);
  }

  // 7. A letter turned away from the baseline moves forward along it.
  const int64_t delta = e - 10 * int64_t(alpha);
  if (delta != 0) {
    const float a = static_cast<float>(double(delta) / 10 * kPi / 180 + kPi / 2);
    const int32_t d = AbsI(RoundI(std::cos(double(a)) * Size.cy / 2.5));
    const double b = -(th - kPi / 2);
    X = Sat(int64_t(X) + RoundI(std::cos(b) * d));
    Y = Sat(int64_t(Y) + RoundI(std::sin(b) * d));
  }
  NewX = X;
  NewY = Y;
}

void SpecialTextOut(vcl::TCanvas* Canvas, vcl::TRect& Rect, vcl::TFont* Font,
                    TZYLFxCaption* FxCaption, const std::string& Text,
                    TZYLTransLabelTypes Transform, TZYLToggle Toggle, int32_t Factor,
                    bool InvertCaption, TZYLPerspective Perspective, int32_t PerspectiveDepth,
                    TZYLTransLabelAttr Attributes) {
  if (!Canvas || !Font || Text.size() <= 1) return;
  const int32_t Min = Font->Size() / 4;
  const std::string work = InvertCaption ? std::string(Text.rbegin(), Text.rend()) : Text;
  const int32_t N = static_cast<int32_t>(std::min<size_t>(work.size(), 0x7FFFFFF));
  const int32_t D = PerspectiveDepth;
  const int32_t alpha = FxCaption ? FxCaption->Angle() : 0;
  const TZYLThreeDStyle style = FxCaption ? FxCaption->Style() : tdNone;
  const int32_t SD = FxCaption ? FxCaption->ShadowDepth() : 0;

  PrepareCanvas(Canvas, Font, FxCaption);

  // Band round the text: height H, baseline lift L.
  const int32_t TH = Canvas->TextHeight(work);
  int64_t H = TH, L = 0;
  switch (Transform) {
    case tmWave:
      H = TH + RoundI(Factor / 5.0);
      L = Factor / 10;
      break;
    case tmHalfcircle: case tmEnterprise: case tmLNoseDown: case tmRNoseDown: case tmArrow:
      H = TH + RoundI(Factor / 10.0);
      break;
    case tmHalfmoon: case tmLNoseUp: case tmRNoseUp:
      H = TH + RoundI(Factor / 10.0);
      L = Factor / 10;
      break;
    default:
      break;
  }
  L += TH / 4;
  if (Attributes.contains(taPerspective)) {
    H += D;
    if (Perspective == tpBird) L += D;
  }

  int32_t X = Rect.Left, Y = Rect.Bottom;
  const float beta = static_cast<float>(-double(alpha) * kPi / 180);

  if (style == tdSunkenShadow || style == tdRaisedShadow || style == tdShadow) {
    H += SD;
    if (style == tdShadow)
      L += SD;
    else
      MoveAlong(X, Y, beta, SD);
  }

  win::LOGFONTA LogFont;
  ReadLogFont(Canvas, LogFont);
  const vcl::TSize equal = EqualLetterSize(Canvas, work);

  // Total width of the text.
  int64_t W = 0;
  {
    vcl::TSize size = equal;
    int32_t nx = 0, ny = 0;
    for (int32_t i = 1; i <= N; ++i) {
      CalcPosAndSize(Sat(W), 0, i, Factor, Min, Toggle, D, Font, Attributes, Transform, beta, work,
                     Canvas, LogFont, FxCaption, size, nx, ny);
      W += size.cx;
    }
  }

  // The box round the band, corner by corner.
  int32_t px = X, py = Y;
  MoveAlong(px, py, beta, double(W));
  const int32_t x1 = px, y1 = py;
  MoveAlong(px, py, DegToRadF(-double(alpha) - 90), double(H));
  const int32_t x2 = px, y2 = py;
  MoveAlong(px, py, DegToRadF(-double(alpha) - 180), double(W));
  const int32_t x3 = px, y3 = py;
  MoveAlong(px, py, DegToRadF(-double(alpha) - 270), double(H));
  const int32_t x4 = px, y4 = py;

  // The pen starts at the fourth corner, lifted by L.
  X = x4;
  Y = y4;
  MoveAlong(X, Y, beta - kPiF / 2, double(L));

  const int32_t left = Min4(x1, x2, x3, x4);
  if (left < Rect.Left) X = Sat(int64_t(X) + Rect.Left - left);

  const float theta = static_cast<float>(double(alpha) * kPi / 180 + kPi / 2);
  const double alphaRad = double(alpha) * kPi / 180;

  if (style == tdSunkenShadow || style == tdRaisedShadow) {
    if (double(Rect.Left) > double(X) - std::cos(alphaRad) * SD)
      X = Sat(int64_t(X) + RoundI(std::cos(alphaRad) * SD));
  }

  // The band's lowest corner lands on Rect.Bottom.
  const int64_t M = Max4(y1, y2, y3, y4);
  const int64_t gap = std::llabs(M - Rect.Bottom);
  if (std::llabs(M) > Rect.Bottom)
    Y = Sat(int64_t(Y) - gap);
  else
    Y = Sat(int64_t(Y) + gap);

  Canvas->Brush()->SetStyle(vcl::bsClear);

  const int32_t copies = std::min(D, kMaxPerspectiveCopies);
  vcl::TSize size = equal;
  for (int32_t i = 1; i <= N; ++i) {
    int32_t LX = 0, LY = 0;
    CalcPosAndSize(X, Y, i, Factor, Min, Toggle, D, Font, Attributes, Transform, theta, work,
                   Canvas, LogFont, FxCaption, size, LX, LY);
    const char letter = work[i - 1];
    if (Attributes.contains(taPerspective)) {
      for (int32_t k = 1; k <= copies; ++k)
        LetterOut(Canvas, letter, LX, Perspective == tpBird ? LY + k : LY - k, 0);
    }
    EffectOut(Canvas, letter, LX, LY, FxCaption);
    LetterOut(Canvas, letter, LX, LY, Font->Color());
    Advance(X, Y, theta, size.cx);
  }
}

void CalcSize(vcl::TCanvas* Canvas, vcl::TRect& Rect, vcl::TFont* Font, TZYLFxCaption* FxCaption,
              const std::string& Text, TZYLTransLabelTypes Transform, TZYLToggle Toggle,
              int32_t Factor, bool /*InvertCaption*/, TZYLPerspective /*Perspective*/,
              int32_t PerspectiveDepth, TZYLTransLabelAttr Attributes) {
  Rect = vcl::TRect{0, 0, 0, 0};
  if (!Canvas || !Font || Text.empty()) return;
  const int32_t Min = Font->Size() / 4;
  const int32_t N = static_cast<int32_t>(std::min<size_t>(Text.size(), 0x7FFFFFF));
  const int32_t alpha = FxCaption ? FxCaption->Angle() : 0;

  PrepareCanvas(Canvas, Font, FxCaption);
  win::LOGFONTA LogFont;
  ReadLogFont(Canvas, LogFont);
  const vcl::TSize equal = EqualLetterSize(Canvas, Text);

  const float theta = static_cast<float>(double(alpha) * kPi / 180 + kPi / 2);
  int32_t X = 0, Y = 0;
  int32_t dev = 0, tall = 0;
  vcl::TSize size = equal;
  for (int32_t i = 1; i <= N; ++i) {
    int32_t LX = 0, LY = 0;
    CalcPosAndSize(X, Y, i, Factor, Min, Toggle, PerspectiveDepth, Font, Attributes, Transform,
                   theta, Text, Canvas, LogFont, FxCaption, size, LX, LY);
    Advance(X, Y, theta, size.cx);
    dev = std::max(dev, AbsI(LY));
    tall = std::max(tall, size.cy);
  }
  int64_t W = X == 0 ? tall : X;
  const int64_t H = dev;
  if (UsesEqualLetters(Attributes, Transform)) W = int64_t(N) * equal.cx;

  const float a = static_cast<float>((double(alpha) + 90) * kPi / 180);
  Rect.Right = Sat(std::llabs(W) + AbsI(RoundI(std::cos(double(a)) * tall)));
  Rect.Bottom = Sat(std::llabs(H) + AbsI(RoundI(std::sin(double(a)) * tall)));
}

}  // namespace zyl
