#include "design/pZYL3DEffectEditorDlg.h"

#include <algorithm>
#include <cmath>

#include "design/pZYLPixelBuffer.h"
#include "display/ZYLProgress.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLClass.h"
#include "foundation/ZYLProcs.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/text/Text.h"

namespace zyl {

namespace {

bool gAbort = false;

// One pass of the generator over a snapshot S of the raised picture. Inner passes draw light
// and shadow, the outline pass the bevel colour, the last pass one more bevel ring on the
// pressed picture.
struct TBevelPass {
  const TZYLPixelBuffer& S;
  const TZYLPixelBuffer& Source;
  TZYLPixelBuffer& Up;
  TZYLPixelBuffer& Down;
  TZYLPixelBuffer& Dis;
  vcl::TColor T, Light, Shadow, Disabled, Semi1, Bevel;
  bool Semi;
  int W, Pass;

  bool IsT(int x, int y) const { return S.Inside(x, y) && S.At(x, y) == T; }
  bool NotT(int x, int y) const { return S.Inside(x, y) && S.At(x, y) != T; }
  bool SemiHole(int x, int y) const {
    return Semi && Source.Inside(x, y) && Source.At(x, y) == Semi1;
  }
  void Raised(int x, int y, vcl::TColor c) {
    Up.Set(x, y, c);
    Dis.Set(x, y, c);
  }

  void Pixel(int x, int y) {
    const bool inner = Pass <= W, last = Pass == W + 2;
    if (!last) {
      const vcl::TColor dark = inner ? Shadow : Bevel;
      if (IsT(x, y + 1) && IsT(x - 1, y + 1)) {
        Raised(x - 1, y + 1, dark);
        if (inner) Down.Set(x, y + 2, Light);
      }
      if (NotT(x - 1, y) && NotT(x, y - 1) && IsT(x + 1, y + 1) && IsT(x, y + 1) && IsT(x + 1, y)) {
        Raised(x + 1, y + 1, dark);
        Raised(x, y + 1, dark);
        Raised(x + 1, y, dark);
        if (inner) {
          Down.Set(x + 2, y + 2, Light);
          Down.Set(x + 1, y + 2, Light);
          Down.Set(x + 2, y + 1, Light);
        }
      }
      if (IsT(x + 1, y) && IsT(x + 1, y - 1)) {
        Raised(x + 1, y - 1, dark);
        if (inner) Down.Set(x + 2, y, Light);
      }
    }
    const vcl::TColor lit = inner ? Light : Bevel, shade = inner ? Shadow : Bevel;
    if (y > 0 && IsT(x, y - 1) && !SemiHole(x - W, y - W - 1)) {
      if (last) {
        Down.Set(x, y, Bevel);
      } else {
        Raised(x, y - 1, lit);
        Down.Set(x + 1, y, shade);
      }
    }
    if (x > 0 && IsT(x - 1, y) && !SemiHole(x - W - 1, y - W)) {
      if (last) {
        Down.Set(x, y, Bevel);
      } else {
        Raised(x - 1, y, lit);
        Down.Set(x, y + 1, shade);
      }
    }
    if (x >= 1 && y >= 1 && NotT(x + 1, y) && NotT(x, y + 1) && IsT(x - 1, y - 1) &&
        IsT(x, y - 1) && IsT(x - 1, y)) {
      if (!last) {
        Raised(x - 1, y - 1, lit);
        Raised(x, y - 1, lit);
        Raised(x - 1, y, lit);
      }
      const vcl::TColor press = inner ? Shadow : Bevel;
      Down.Set(x, y, press);
      Down.Set(x + 1, y, press);
      Down.Set(x, y + 1, press);
    }
    if (Pass == 1 && ((x ^ y) & 1)) Dis.Set(x, y, Disabled);
  }
};

// Key pixels become First where the parities of x and y differ and Second elsewhere.
bool Checker(TZYLPixelBuffer& px, vcl::TColor first, vcl::TColor key, vcl::TColor second) {
  bool changed = false;
  for (int y = 0; y < px.Height(); ++y)
    for (int x = 0; x < px.Width(); ++x)
      if (px.At(x, y) == key) {
        px.Set(x, y, ((x ^ y) & 1) ? first : second);
        changed = true;
      }
  return changed;
}

}  // namespace

void ZYLSet3DEffectAbort(bool Value) { gAbort = Value; }
bool ZYL3DEffectAborted() { return gAbort; }

vcl::TColor ZYL3DEffectTransparentColor(vcl::TBitmap* Source) {
  if (!Source || Source->Empty()) return vcl::clNone;
  return Source->Canvas()->Pixels(0, Source->Height() - 1);
}

void ZYLDrawCaptionFace(TZYLCaption* Caption, vcl::TBitmap* Bitmap) {
  if (!Caption || !Bitmap) return;
  vcl::TCanvas* canvas = Bitmap->Canvas();
  // Multi-line captions wrap only at their own line breaks: the measure gets room enough.
  win::TRect r{0, 0, 0x4000, 0};
  ZYLDrawTextCalcExt(canvas, Caption->Caption(), Caption->FontFX(), r, Caption->Font(),
                     Caption->MultiLine(), true, 0, 0);
  Bitmap->SetSize(std::max<int>(r.Right, 0), std::max<int>(r.Bottom, 0));
  canvas->Brush()->SetColor(vcl::clSilver);
  canvas->FillRect(win::TRect{0, 0, Bitmap->Width(), Bitmap->Height()});
  canvas->Font()->Assign(Caption->Font());
  r = win::TRect{0, 0, r.Right - r.Left, r.Bottom - r.Top};
  const int angle = Caption->FontFX() ? Caption->FontFX()->Angle() : 0;
  int32_t flags =
      int32_t(ZYLAlignmentFlags(Caption->Alignment())) | win::DT_WORDBREAK | win::DT_EXPANDTABS;
  if (!Caption->MultiLine() || angle != 0) flags |= win::DT_SINGLELINE;
  if (angle > 0) flags |= win::DT_NOPREFIX;
  ZYLDrawTextExt(canvas, Caption->Caption(), Caption->FontFX(), r, flags,
                 TZYLDrawTextStyles{dtEnabled, dtClip});
}

bool ZYLMakeBmpSemiTransparent(vcl::TBitmap* Bitmap, vcl::TColor First, vcl::TColor Key,
                               vcl::TColor Second) {
  TZYLPixelBuffer px = TZYLPixelBuffer::FromBitmap(Bitmap);
  if (Checker(px, vcl::ColorToRGB(First), vcl::ColorToRGB(Key), vcl::ColorToRGB(Second)))
    px.ToBitmap(Bitmap);
  return true;
}

void ZYLDrawButton3D(vcl::TBitmap* Source, vcl::TBitmap* Up, vcl::TBitmap* Down,
                     vcl::TBitmap* Disabled, vcl::TColor TransparentColor, vcl::TColor LightColor,
                     vcl::TColor ShadowColor, vcl::TColor DisabledColor, vcl::TColor SemiColor2,
                     vcl::TColor SemiColor1, vcl::TColor BevelColor, bool SemiTransparent,
                     int BevelWidth, TZYLProgress* Progress) {
  // Without a picture there is no shape and no bottom-left pixel to read: nothing to do.
  if (!Source || Source->Empty() || !Up || !Down || !Disabled) return;
  const int w = std::clamp(BevelWidth, 0, 5);
  const vcl::TColor T = vcl::ColorToRGB(TransparentColor);
  const TZYLPixelBuffer source = TZYLPixelBuffer::FromBitmap(Source);
  TZYLPixelBuffer work = source;
  const vcl::TColor semi1 = vcl::ColorToRGB(SemiColor1);
  if (SemiTransparent) Checker(work, T, semi1, vcl::ColorToRGB(SemiColor2));
  TZYLPixelBuffer up(work.Width() + 2 * w, work.Height() + 2 * w, T);
  TZYLPixelBuffer down = up;
  up.Draw(work, w, w);
  down.Draw(work, w + 1, w + 1);
  TZYLPixelBuffer dis = up;
  const int h = up.Height(), passes = w + 2;
  int shown = -1;
  for (int p = 1; p <= passes; ++p) {
    const TZYLPixelBuffer s = up;
    TBevelPass pass{s,
                    source,
                    up,
                    down,
                    dis,
                    T,
                    vcl::ColorToRGB(LightColor),
                    vcl::ColorToRGB(ShadowColor),
                    vcl::ColorToRGB(DisabledColor),
                    semi1,
                    vcl::ColorToRGB(BevelColor),
                    SemiTransparent,
                    w,
                    p};
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < s.Width(); ++x) {
        if (s.At(x, y) != T) pass.Pixel(x, y);
        if (!Progress) continue;
        if (vcl::Application) vcl::Application->ProcessMessages();
        if (gAbort) return;
        const int pct = int(std::lround(double(h * (p - 1) + y) / double(h * passes) * 100.0));
        if (pct != shown) {
          shown = pct;
          Progress->SetPosition(pct);
        }
      }
    }
  }
  up.ToBitmap(Up);
  down.ToBitmap(Down);
  dis.ToBitmap(Disabled);
}

}  // namespace zyl
