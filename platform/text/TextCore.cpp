#include "platform/text/TextCore.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace win::textcore {

using fontengine::TFontMetrics;
using fontengine::TGlyph;
using fontengine::TRealizedFont;

fontengine::TFontRequest RequestOf(const LOGFONTA& lf) {
  fontengine::TFontRequest r;
  r.FaceName.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  r.Height = lf.lfHeight;
  r.Width = lf.lfWidth < 0 ? (lf.lfWidth < -16384 ? 16384 : -lf.lfWidth) : lf.lfWidth;
  r.Escapement = lf.lfEscapement;
  r.Weight = lf.lfWeight;
  r.Italic = lf.lfItalic != 0;
  r.Underline = lf.lfUnderline != 0;
  r.StrikeOut = lf.lfStrikeOut != 0;
  r.CharSet = lf.lfCharSet;
  r.Quality = lf.lfQuality;
  r.PitchAndFamily = lf.lfPitchAndFamily;
  return r;
}

TRealizedFont& FontOf(gdi::DCObj& dc) {
  gdi::FontObj* font = dc.S.Font.get();
  if (!font) {
    static std::shared_ptr<TRealizedFont> fallback;
    if (!fallback) {
      fontengine::TFontRequest r;
      r.FaceName = "System";
      fallback = fontengine::RealizeFont(r);
    }
    return *fallback;
  }
  if (!font->Realized) {
    // Logical fonts never change after creation, so the realisation can live with them.
    font->Realized = std::static_pointer_cast<void>(fontengine::RealizeFont(RequestOf(font->Log)));
  }
  return *static_cast<TRealizedFont*>(font->Realized.get());
}

int32_t Clamped(int64_t v) {
  constexpr int64_t kLimit = int64_t(1) << 30;
  return static_cast<int32_t>(std::clamp(v, -kLimit, kLimit));
}

int32_t SurfaceX(const gdi::DCObj& dc, int64_t x) {
  return Clamped(x - dc.S.WindowOrg.X + dc.S.ViewportOrg.X + dc.SurfaceOrigin.X);
}
int32_t SurfaceY(const gdi::DCObj& dc, int64_t y) {
  return Clamped(y - dc.S.WindowOrg.Y + dc.S.ViewportOrg.Y + dc.SurfaceOrigin.Y);
}
TRect SurfaceRect(const gdi::DCObj& dc, const TRect& r) {
  return {SurfaceX(dc, r.Left), SurfaceY(dc, r.Top), SurfaceX(dc, r.Right), SurfaceY(dc, r.Bottom)};
}

int32_t RunWidth(TRealizedFont& font, const char* text, int count, int charExtra) {
  int64_t w = 0;
  for (int i = 0; i < count; ++i) w += int64_t(font.Advance(static_cast<uint8_t>(text[i]))) + charExtra;
  return Clamped(w);
}

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
  if (r.Left >= r.Right || r.Top >= r.Bottom) return {0, 0, 0, 0};
  return r;
}

namespace {

void FillRect(gdi::DCObj& dc, TRect r, const TRect* clip, COLORREF color) {
  if (clip) r = Intersect(r, *clip);
  if (r.Left >= r.Right || r.Top >= r.Bottom) return;
  gdi::FillSurfaceRect(dc, r, color);
}

void PaintGlyph(gdi::DCObj& dc, const TGlyph& g, int x, int y, const TRect* clip, COLORREF color) {
  if (g.Width <= 0 || g.Height <= 0) return;
  TRect box{x, y, x + g.Width, y + g.Height};
  TRect r = clip ? Intersect(box, *clip) : box;
  if (r.Left >= r.Right || r.Top >= r.Bottom) return;
  const uint8_t* mask = g.Coverage.data() + size_t(r.Top - y) * g.Width + size_t(r.Left - x);
  gdi::PaintCoverage(dc, r.Left, r.Top, mask, r.Width(), r.Height(), g.Width, color);
}

// Fills a convex quadrilateral (corners in order) at pixel centres.
void PaintQuad(gdi::DCObj& dc, const double (&px)[4], const double (&py)[4], const TRect* clip,
               COLORREF color) {
  double minx = px[0], maxx = px[0], miny = py[0], maxy = py[0];
  for (int i = 1; i < 4; ++i) {
    minx = std::min(minx, px[i]);
    maxx = std::max(maxx, px[i]);
    miny = std::min(miny, py[i]);
    maxy = std::max(maxy, py[i]);
  }
  TRect box{static_cast<int>(std::floor(minx)), static_cast<int>(std::floor(miny)),
            static_cast<int>(std::ceil(maxx)) + 1, static_cast<int>(std::ceil(maxy)) + 1};
  box = Intersect(box, dc.ClipRegion().Bounds());
  if (clip) box = Intersect(box, *clip);
  if (box.Left >= box.Right || box.Top >= box.Bottom) return;
  int w = box.Width(), h = box.Height();
  std::vector<uint8_t> mask(size_t(w) * h, 0);
  // Orientation of the corners decides the inside sign.
  double area = 0;
  for (int i = 0; i < 4; ++i) area += px[i] * py[(i + 1) % 4] - px[(i + 1) % 4] * py[i];
  double sign = area >= 0 ? 1.0 : -1.0;
  bool any = false;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double cx = box.Left + x + 0.5, cy = box.Top + y + 0.5;
      bool inside = true;
      for (int i = 0; i < 4 && inside; ++i) {
        int j = (i + 1) % 4;
        double cross = (px[j] - px[i]) * (cy - py[i]) - (py[j] - py[i]) * (cx - px[i]);
        if (cross * sign < 0) inside = false;
      }
      if (inside) {
        mask[size_t(y) * w + x] = 255;
        any = true;
      }
    }
  if (any) gdi::PaintCoverage(dc, box.Left, box.Top, mask.data(), w, h, w, color);
}

// A band along the baseline, from `from` to `to` along the text direction and from `top` to
// `bottom` across it (positive = below the baseline).
void PaintBand(gdi::DCObj& dc, double bx, double by, double cs, double sn, double from, double to,
               double top, double bottom, const TRect* clip, COLORREF color) {
  // direction (cs, -sn), down (sn, cs)
  double px[4], py[4];
  const double along[4] = {from, to, to, from};
  const double across[4] = {top, top, bottom, bottom};
  for (int i = 0; i < 4; ++i) {
    px[i] = bx + along[i] * cs + across[i] * sn;
    py[i] = by - along[i] * sn + across[i] * cs;
  }
  PaintQuad(dc, px, py, clip, color);
}

}  // namespace

int PaintRun(gdi::DCObj& dc, TRealizedFont& font, const TRunPaint& run) {
  const TFontMetrics& m = font.Metrics();
  int n = std::max(0, run.Count);
  // Offsets along the baseline; positions are kept within +-2^30 so that no sum overflows.
  std::vector<int> off(size_t(n) + 1, 0);
  int64_t x = 0, reach = 0;
  for (int i = 0; i < n; ++i) {
    x += run.Dx ? int64_t(run.Dx[i]) : int64_t(font.Advance(static_cast<uint8_t>(run.Text[i]))) + run.CharExtra;
    off[size_t(i) + 1] = Clamped(x);
    reach = std::max(reach, std::abs(int64_t(off[size_t(i) + 1])));
  }
  int total = off[size_t(n)];
  COLORREF textColor = gdi::ResolveColor(&dc, run.TextColor);
  COLORREF bkColor = gdi::ResolveColor(&dc, run.BkColor);
  int bx = Clamped(run.BaselineX), by = Clamped(run.BaselineY);
  if (std::abs(int64_t(bx)) + reach >= (int64_t(1) << 30) ||
      std::abs(int64_t(by)) >= (int64_t(1) << 29))
    return total;  // far outside any surface
  int esc = font.Escapement();
  // Nothing to do when the run lies wholly outside the clip (cheap rejection for long
  // documents drawn line by line).
  TRect clipBounds = dc.ClipRegion().Bounds();
  if (run.Clip) clipBounds = Intersect(clipBounds, *run.Clip);
  if (clipBounds.Left >= clipBounds.Right) return total;

  if (esc == 0) {
    int lo = std::min(0, total), hi = std::max(0, total);
    int margin = m.MaxCharWidth + m.Height;
    TRect cell{bx + lo - margin, by - m.Ascent - margin, bx + hi + margin, by + m.Descent + margin};
    TRect seen = Intersect(cell, clipBounds);
    if (seen.Left >= seen.Right) return total;
    if (run.Opaque) FillRect(dc, {bx + lo, by - m.Ascent, bx + hi, by + m.Descent}, run.Clip, bkColor);
    if (!run.PrefixOnly) {
      for (int i = 0; i < n; ++i) {
        uint8_t ch = static_cast<uint8_t>(run.Text[i]);
        if (run.SkipTabs && ch == '\t') continue;
        int gx = bx + off[size_t(i)];
        if (gx - margin > clipBounds.Right || gx + margin < clipBounds.Left) continue;
        const TGlyph& g = font.Glyph(ch);
        PaintGlyph(dc, g, gx + g.Left, by + g.Top, run.Clip, textColor);
      }
      if (m.Underlined)
        FillRect(dc, {bx + lo, by + m.UnderlinePos, bx + hi, by + m.UnderlinePos + m.UnderlineSize}, run.Clip,
                 textColor);
      if (m.StruckOut)
        FillRect(dc, {bx + lo, by + m.StrikeOutPos, bx + hi, by + m.StrikeOutPos + m.StrikeOutSize}, run.Clip,
                 textColor);
    }
    if (run.PrefixIndex >= 0 && run.PrefixIndex < n) {
      int x0 = bx + off[size_t(run.PrefixIndex)];
      int w = font.Advance(static_cast<uint8_t>(run.Text[run.PrefixIndex]));
      FillRect(dc, {x0, by + m.UnderlinePos, x0 + w, by + m.UnderlinePos + m.UnderlineSize}, run.Clip, textColor);
    }
    return total;
  }

  double a = esc * std::numbers::pi / 1800.0;
  double cs = std::cos(a), sn = std::sin(a);
  if (run.Opaque)
    PaintBand(dc, bx, by, cs, sn, std::min(0, total), std::max(0, total), -m.Ascent, m.Descent, run.Clip, bkColor);
  if (!run.PrefixOnly) {
    for (int i = 0; i < n; ++i) {
      uint8_t ch = static_cast<uint8_t>(run.Text[i]);
      if (run.SkipTabs && ch == '\t') continue;
      int penX = static_cast<int>(std::lround(bx + off[size_t(i)] * cs));
      int penY = static_cast<int>(std::lround(by - off[size_t(i)] * sn));
      const TGlyph& g = font.Glyph(ch);
      PaintGlyph(dc, g, penX + g.Left, penY + g.Top, run.Clip, textColor);
    }
    if (m.Underlined)
      PaintBand(dc, bx, by, cs, sn, std::min(0, total), std::max(0, total), m.UnderlinePos,
                m.UnderlinePos + m.UnderlineSize, run.Clip, textColor);
    if (m.StruckOut)
      PaintBand(dc, bx, by, cs, sn, std::min(0, total), std::max(0, total), m.StrikeOutPos,
                m.StrikeOutPos + m.StrikeOutSize, run.Clip, textColor);
  }
  if (run.PrefixIndex >= 0 && run.PrefixIndex < n) {
    int w = font.Advance(static_cast<uint8_t>(run.Text[run.PrefixIndex]));
    double from = off[size_t(run.PrefixIndex)];
    PaintBand(dc, bx, by, cs, sn, from, from + w, m.UnderlinePos, m.UnderlinePos + m.UnderlineSize, run.Clip,
              textColor);
  }
  return total;
}

}  // namespace win::textcore
