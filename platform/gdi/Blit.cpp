// Block transfers: PatBlt, BitBlt, StretchBlt, MaskBlt, TransparentBlt, AlphaBlend and
// GradientFill.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gdi/GdiPrivate.h"

namespace win::gdi {

namespace {

inline bool UsesS(uint8_t rop) { return ((rop >> 2) & 0x33) != (rop & 0x33); }
inline bool UsesP(uint8_t rop) { return (rop >> 4) != (rop & 0xF); }

thread_local std::vector<uint32_t> tSrc, tPat, tAlt;
thread_local std::vector<int> tXMap;

void Ensure(std::vector<uint32_t>& v, size_t n) {
  if (v.size() < n) v.resize(n);
}

// Converts source pixels for the destination: monochrome -> colour takes the destination's
// text (0 bits) and background (1 bits) colours; colour -> monochrome makes the source DC's
// background colour white and everything else black.
struct Convert {
  int Kind = 0;  // 0 none, 1 mono to colour, 2 colour to mono
  uint32_t Fg = 0, Bg = 0, Key = 0;
  void Apply(uint32_t* row, int n) const {
    if (Kind == 1) {
      for (int i = 0; i < n; ++i) row[i] = (row[i] & 0xFFFFFF) ? Bg : Fg;
    } else if (Kind == 2) {
      for (int i = 0; i < n; ++i) row[i] = (row[i] & 0xFFFFFF) == Key ? 0xFFFFFFu : 0u;
    }
  }
};

Convert MakeConvert(DCObj& dst, const BlitSource* src) {
  Convert c;
  Surface* d = dst.Target();
  if (!src || !src->Surf || !d) return c;
  if (src->Surf->Monochrome && !d->Monochrome) {
    c.Kind = 1;
    c.Fg = SurfacePixel(dst, dst.S.TextColor);
    c.Bg = SurfacePixel(dst, dst.S.BkColor);
  } else if (!src->Surf->Monochrome && d->Monochrome) {
    c.Kind = 2;
    c.Key = ColorToPixel(ResolveColor(nullptr, src->BkColor));
  }
  return c;
}

// Combines a block of source pixels when shrinking (BLACKONWHITE: AND, WHITEONBLACK: OR,
// HALFTONE: average).
uint32_t Reduce(const Surface* s, int x0, int x1, int y0, int y1, int mode) {
  if (mode == HALFTONE) {
    uint64_t r = 0, g = 0, b = 0, a = 0, n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const uint32_t p = s->Row(y)[x];
        a += p >> 24; r += (p >> 16) & 0xFF; g += (p >> 8) & 0xFF; b += p & 0xFF; ++n;
      }
    if (!n) return 0;
    return uint32_t(((a + n / 2) / n) << 24 | ((r + n / 2) / n) << 16 | ((g + n / 2) / n) << 8 |
                    ((b + n / 2) / n));
  }
  uint32_t acc = mode == BLACKONWHITE ? ~0u : 0u;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const uint32_t p = s->Row(y)[x];
      acc = mode == BLACKONWHITE ? (acc & p) : (acc | p);
    }
  return acc;
}

}  // namespace

bool StretchCore(DCObj& dst, int xd, int yd, int wd, int hd, const BlitSource* src, int xs,
                 int ys, int ws, int hs, uint8_t rop3) {
  Surface* d = dst.Target();
  if (!d) return false;
  const bool useS = UsesS(rop3);
  if (useS && (!src || !src->Surf)) return false;
  if (wd == 0 || hd == 0) return true;
  if (useS && (ws == 0 || hs == 0)) return true;
  // Mirroring: negative extents on either side flip the image.
  bool mirrorX = false, mirrorY = false;
  int dx0 = dst.ToSurfaceX(xd), dy0 = dst.ToSurfaceY(yd);
  // A negative extent runs from the given pixel backwards (x + w + 1 .. x).
  // Extents beyond 2^30 are cut (nothing drawable lies that far).
  constexpr int kLim = 1 << 30;
  wd = std::clamp(wd, -kLim, kLim);
  hd = std::clamp(hd, -kLim, kLim);
  ws = std::clamp(ws, -kLim, kLim);
  hs = std::clamp(hs, -kLim, kLim);
  if (wd < 0) { dx0 += wd + 1; wd = -wd; mirrorX = !mirrorX; }
  if (hd < 0) { dy0 += hd + 1; hd = -hd; mirrorY = !mirrorY; }
  if (ws < 0) { xs += ws + 1; ws = -ws; mirrorX = !mirrorX; }
  if (hs < 0) { ys += hs + 1; hs = -hs; mirrorY = !mirrorY; }
  if (!useS) { ws = wd; hs = hd; mirrorX = mirrorY = false; }
  const TRect destRect = ExtentRect(dx0, dy0, wd, hd);
  Region clip = dst.ClipRegion().Intersected(destRect);
  if (clip.IsEmpty()) return true;

  const Surface* sSurf = useS ? src->Surf : nullptr;
  std::shared_ptr<Surface> snapshot;
  if (sSurf) {
    const_cast<Surface*>(sSurf)->SyncIn();
    // Copying within one surface: read from a snapshot of the source area.
    if (sSurf == d) {
      const TRect area{std::max(0, xs), std::max(0, ys), std::min(d->Width, xs + ws),
                       std::min(d->Height, ys + hs)};
      if (area.Left < area.Right && area.Top < area.Bottom) {
        snapshot = Surface::Create(d->Width, d->Height, d->Monochrome);
        if (!snapshot) return false;
        for (int y = area.Top; y < area.Bottom; ++y)
          std::memcpy(snapshot->Row(y) + area.Left, d->Row(y) + area.Left,
                      size_t(area.Right - area.Left) * 4);
        sSurf = snapshot.get();
      }
    }
  }
  const bool scaled = useS && (ws != wd || hs != hd || mirrorX || mirrorY);
  const int mode = dst.S.StretchMode;
  const bool reduce = scaled && (ws > wd || hs > hd) && mode != COLORONCOLOR;
  const Convert conv = MakeConvert(dst, src);
  std::unique_ptr<BrushCache> brush;
  if (UsesP(rop3)) {
    brush = std::make_unique<BrushCache>(dst, dst.S.Brush.get());
    if (brush->Null()) brush.reset();  // a null brush reads as black
  }

  // Source column for each destination column the clip lets through (index x - mapLeft).
  const int mapLeft = clip.Bounds().Left;
  if (scaled) {
    const int cols = clip.Bounds().Right - mapLeft;
    tXMap.resize(size_t(cols));
    for (int c = 0; c < cols; ++c) {
      const int64_t i = int64_t(mapLeft) + c - dx0;
      const int64_t k = mirrorX ? wd - 1 - i : i;
      tXMap[c] = int(std::clamp<int64_t>(xs + ((2 * k + 1) * ws) / (2 * int64_t(wd)), -1, INT32_MAX));
    }
  }
  for (const TRect& q : clip.Rects()) {
    const int n = q.Right - q.Left;
    Ensure(tSrc, size_t(n));
    Ensure(tPat, size_t(n));
    int cachedSy = INT32_MIN;  // enlarged rows repeat: the gathered source row is kept
    for (int y = q.Top; y < q.Bottom; ++y) {
      uint32_t* drow = d->Row(y) + q.Left;
      int x0 = q.Left, x1 = q.Right;  // destination columns with valid source pixels
      const uint32_t* srow = nullptr;
      if (useS) {
        int sy;
        const int ky = mirrorY ? hd - 1 - (y - dy0) : (y - dy0);
        if (!scaled) {
          const int64_t v = int64_t(ys) + (y - int64_t(dy0));
          sy = v < 0 || v >= sSurf->Height ? -1 : int(v);
        }
        else sy = int(std::clamp<int64_t>(ys + ((2 * int64_t(ky) + 1) * hs) / (2 * int64_t(hd)), -1, INT32_MAX));
        if (sy < 0 || sy >= sSurf->Height) continue;
        if (!scaled) {
          // Unscaled: the source row is a straight slice; columns outside the source stay.
          const int64_t sx0 = int64_t(xs) + (x0 - int64_t(dx0));
          if (sx0 < 0) x0 = int(std::min<int64_t>(x1, x0 - sx0));
          const int64_t sx1 = int64_t(xs) + (x1 - int64_t(dx0));
          if (sx1 > sSurf->Width) x1 = int(std::max<int64_t>(x0, x1 - (sx1 - sSurf->Width)));
          if (x0 >= x1) continue;
          srow = sSurf->Row(sy) + (int64_t(xs) + x0 - dx0);
          if (conv.Kind) {
            std::memcpy(tSrc.data(), srow, size_t(x1 - x0) * 4);
            conv.Apply(tSrc.data(), x1 - x0);
            srow = tSrc.data();
          }
        } else if (!reduce) {
          // Enlarged or same-size rows: gather by the column map; repeated rows reuse it.
          if (sy != cachedSy) {
            const uint32_t* row = sSurf->Row(sy);
            const int* map = tXMap.data() + (q.Left - mapLeft);
            const int sw = sSurf->Width;
            for (int i = 0; i < n; ++i) {
              const int sx = map[i];
              tSrc[i] = (sx >= 0 && sx < sw) ? row[sx] : 0u;
            }
            conv.Apply(tSrc.data(), n);
            cachedSy = sy;
          }
          srow = tSrc.data();
        } else {
          // Shrinking with BLACKONWHITE, WHITEONBLACK or HALFTONE: combine each block.
          int sy0 = sy, sy1 = sy + 1;
          if (hs > hd) {
            sy0 = int(std::clamp<int64_t>(ys + int64_t(ky) * hs / hd, 0, sSurf->Height - 1));
            sy1 = int(std::clamp<int64_t>(ys + int64_t(ky + 1) * hs / hd, sy0 + 1, sSurf->Height));
          }
          for (int x = q.Left, m = 0; x < q.Right; ++x, ++m) {
            const int sx = tXMap[x - mapLeft];
            if (sx < 0 || sx >= sSurf->Width) {
              tSrc[m] = 0;
              continue;
            }
            const int kx = mirrorX ? wd - 1 - (x - dx0) : (x - dx0);
            int sx0 = sx, sx1 = sx + 1;
            if (ws > wd) {
              sx0 = int(std::clamp<int64_t>(xs + int64_t(kx) * ws / wd, 0, sSurf->Width - 1));
              sx1 = int(std::clamp<int64_t>(xs + int64_t(kx + 1) * ws / wd, sx0 + 1, sSurf->Width));
            }
            tSrc[m] = Reduce(sSurf, sx0, sx1, sy0, sy1, mode);
          }
          conv.Apply(tSrc.data(), n);
          srow = tSrc.data();
        }
      }
      const int m = x1 - x0;
      drow = d->Row(y) + x0;
      if (brush) {
        if (brush->Solid()) {
          RopRowConst(drow, srow, brush->Pixel(), m, rop3);
        } else {
          brush->Row(x0, y, m, tPat.data(), nullptr);
          RopRow(drow, srow, tPat.data(), m, rop3);
        }
      } else {
        RopRowConst(drow, srow, 0, m, rop3);
      }
    }
    d->Touch(q);
  }
  return true;
}

}  // namespace win::gdi

// =============================================================================================
namespace win {

using namespace gdi;

BOOL PatBlt(HDC dc, int x, int y, int w, int h, DWORD rop) {
  DCObj* d = LookupDC(dc);
  if (!d) return FALSE;
  const uint8_t rop3 = uint8_t(rop >> 16);
  if (UsesS(rop3)) return FALSE;
  int64_t x0 = d->ToSurfaceX(x), y0 = d->ToSurfaceY(y), ww = w, hh = h;
  if (ww < 0) { x0 += ww; ww = -ww; }
  if (hh < 0) { y0 += hh; hh = -hh; }
  DrawScope scope(*d);
  const TRect r = ExtentRect(x0, y0, ww, hh);
  if (UsesP(rop3)) {
    BrushObj* b = d->S.Brush.get();
    if (!b || b->Style == BS_NULL) {
      // A null brush contributes black pattern pixels.
      Surface* s = d->Target();
      if (s) FillRegionPixel(s, d->ClipRegion().Intersected(r), 0, rop3);
      return TRUE;
    }
    // Hatch backgrounds follow the background mode, as in every brush fill.
    FillRegionWithBrush(*d, Region(r), b, rop3);
  } else if (Surface* s = d->Target()) {
    FillRegionPixel(s, d->ClipRegion().Intersected(r), 0, rop3);
  }
  return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int xs, int ys, DWORD rop) {
  const uint8_t rop3 = uint8_t(rop >> 16);
  if (!UsesS(rop3)) return PatBlt(dest, x, y, w, h, rop);
  DCObj* d = LookupDC(dest);
  DCObj* s = LookupDC(src);
  if (!d || !s || !s->Target()) return FALSE;
  if (w < 0 || h < 0) return TRUE;  // nothing to copy
  DrawScope scope(*d);
  BlitSource bs{s->Target(), s->S.BkColor};
  return StretchCore(*d, x, y, w, h, &bs, s->ToSurfaceX(xs), s->ToSurfaceY(ys), w, h, rop3)
             ? TRUE : FALSE;
}

BOOL StretchBlt(HDC dest, int xd, int yd, int wd, int hd, HDC src, int xs, int ys, int ws,
                int hs, DWORD rop) {
  const uint8_t rop3 = uint8_t(rop >> 16);
  if (!UsesS(rop3)) return PatBlt(dest, xd, yd, wd, hd, rop);
  DCObj* d = LookupDC(dest);
  DCObj* s = LookupDC(src);
  if (!d || !s || !s->Target()) return FALSE;
  DrawScope scope(*d);
  BlitSource bs{s->Target(), s->S.BkColor};
  return StretchCore(*d, xd, yd, wd, hd, &bs, s->ToSurfaceX(xs), s->ToSurfaceY(ys), ws, hs,
                     rop3) ? TRUE : FALSE;
}

BOOL MaskBlt(HDC dest, int xd, int yd, int w, int h, HDC src, int xs, int ys, HBITMAP mask,
             int xm, int ym, DWORD rop) {
  const uint8_t fore = uint8_t(rop >> 16), back = uint8_t(rop >> 24);
  if (!mask) return BitBlt(dest, xd, yd, w, h, src, xs, ys, rop & 0x00FFFFFF);
  DCObj* d = LookupDC(dest);
  BitmapObj* m = LookupBitmap(mask);
  // Any one-bit bitmap serves as the mask: a monochrome device bitmap or a 1-bit DIB section
  // (whose bits are read as they are, whatever its colour table says).
  if (!d || !m || !m->Surf || !(m->Surf->Monochrome || m->BitsPixel == 1) || w <= 0 || h <= 0)
    return FALSE;
  NativeDib* maskBits = m->Surf->Native();
  if (maskBits && maskBits->Fmt.BitCount != 1) maskBits = nullptr;
  DCObj* s = src ? LookupDC(src) : nullptr;
  if ((UsesS(fore) || UsesS(back)) && (!s || !s->Target())) return FALSE;
  Surface* ds = d->Target();
  if (!ds) return FALSE;
  DrawScope scope(*d);
  m->Surf->SyncIn();
  // Render both operations into copies of the visible part of the destination area, then
  // pick per mask bit.
  const TRect full = ExtentRect(d->ToSurfaceX(xd), d->ToSurfaceY(yd), w, h);
  TRect area;
  const TRect cb = d->ClipRegion().Bounds();
  if (!IntersectRect(&area, &full, &cb)) return TRUE;
  const int64_t ox = int64_t(area.Left) - full.Left, oy = int64_t(area.Top) - full.Top;
  xs = DCObj::Clamp30(xs + ox);
  ys = DCObj::Clamp30(ys + oy);
  xm = DCObj::Clamp30(xm + ox);
  ym = DCObj::Clamp30(ym + oy);
  w = area.Right - area.Left;
  h = area.Bottom - area.Top;
  auto fg = Surface::Create(w, h, ds->Monochrome);
  auto bg = Surface::Create(w, h, ds->Monochrome);
  if (!fg || !bg) return FALSE;
  for (int y = 0; y < h; ++y) {
    const int sy = area.Top + y;
    for (int x = 0; x < w; ++x) {
      const int sx = area.Left + x;
      const uint32_t p = (sx >= 0 && sy >= 0 && sx < ds->Width && sy < ds->Height)
                             ? ds->Row(sy)[sx] : 0;
      fg->Row(y)[x] = p;
      bg->Row(y)[x] = p;
    }
  }
  // Temporary DCs over the copies share the destination's colours, brush and brush origin.
  for (int pass = 0; pass < 2; ++pass) {
    HDC tmp = CreateSurfaceDC(pass == 0 ? fg : bg, {0, 0}, nullptr);
    DCObj* t = LookupDC(tmp);
    t->S = d->S;
    t->S.HasClip = false;
    t->S.WindowOrg = {0, 0};
    t->S.ViewportOrg = {0, 0};
    t->S.BrushOrg = {d->S.BrushOrg.X + d->SurfaceOrigin.X - area.Left,
                     d->S.BrushOrg.Y + d->SurfaceOrigin.Y - area.Top};
    t->S.Bitmap = nullptr;
    BlitSource bs{s ? s->Target() : nullptr, s ? s->S.BkColor : 0xFFFFFF};
    StretchCore(*t, 0, 0, w, h, s ? &bs : nullptr, s ? s->ToSurfaceX(xs) : 0,
                s ? s->ToSurfaceY(ys) : 0, w, h, pass == 0 ? fore : back);
    DeleteDC(tmp);
  }
  const Region clip = d->ClipRegion().Intersected(area);
  for (const TRect& q : clip.Rects()) {
    for (int y = q.Top; y < q.Bottom; ++y) {
      const int64_t my = int64_t(ym) + (y - area.Top);
      for (int x = q.Left; x < q.Right; ++x) {
        const int64_t mx = int64_t(xm) + (x - area.Left);
        bool bit = mx >= 0 && my >= 0 && mx < m->Surf->Width && my < m->Surf->Height;
        if (bit && maskBits)
          bit = (maskBits->RowPtr(int(my))[mx / 8] >> (7 - mx % 8)) & 1;
        else if (bit)
          bit = (m->Surf->Row(int(my))[mx] & 0xFFFFFF) != 0;
        ds->Row(y)[x] = (bit ? fg : bg)->Row(y - area.Top)[x - area.Left];
      }
    }
    ds->Touch(q);
  }
  return TRUE;
}

namespace {

// A source rectangle (surface coordinates) lies wholly on its surface.
bool SourceInside(const Surface& s, int x0, int y0, int w, int h) {
  return x0 >= 0 && y0 >= 0 && int64_t(x0) + w <= s.Width && int64_t(y0) + h <= s.Height;
}

// Walks the clipped destination dx0,dy0 wd x hd (surface coordinates, extents above 0) of a
// stretch from the source sx0,sy0 ws x hs, calling `pixel(source pixel, destination pixel)` with
// the source pixel nearest each destination pixel's centre, and marks each piece touched.
template <class Pixel>
void StretchPixels(DCObj& d, int dx0, int dy0, int wd, int hd, const Surface& ss, int sx0, int sy0,
                   int ws, int hs, Pixel pixel) {
  Surface* ds = d.Target();
  const Region clip = d.ClipRegion().Intersected(ExtentRect(dx0, dy0, wd, hd));
  for (const TRect& q : clip.Rects()) {
    for (int y = q.Top; y < q.Bottom; ++y) {
      const int sy = sy0 + int((2 * int64_t(y - dy0) + 1) * hs / (2 * int64_t(hd)));
      for (int x = q.Left; x < q.Right; ++x) {
        const int sx = sx0 + int((2 * int64_t(x - dx0) + 1) * ws / (2 * int64_t(wd)));
        pixel(ss.Row(sy)[sx], ds->Row(y)[x]);
      }
    }
    ds->Touch(q);
  }
}

}  // namespace

BOOL TransparentBlt(HDC dest, int xd, int yd, int wd, int hd, HDC src, int xs, int ys, int ws,
                    int hs, UINT transparent) {
  DCObj* d = LookupDC(dest);
  DCObj* s = LookupDC(src);
  if (!d || !s || !s->Target() || !d->Target()) return FALSE;
  if (wd <= 0 || hd <= 0 || ws <= 0 || hs <= 0) return FALSE;
  Surface* ss = s->Target();
  DrawScope scope(*d);
  ss->SyncIn();
  const int sx0 = s->ToSurfaceX(xs), sy0 = s->ToSurfaceY(ys);
  if (!SourceInside(*ss, sx0, sy0, ws, hs)) return FALSE;
  const uint32_t key = ColorToPixel(ResolveColor(s, transparent));
  BlitSource bs{ss, s->S.BkColor};
  const Convert conv = MakeConvert(*d, &bs);
  StretchPixels(*d, d->ToSurfaceX(xd), d->ToSurfaceY(yd), wd, hd, *ss, sx0, sy0, ws, hs,
                [&](uint32_t p, uint32_t& dp) {
                  if ((p & 0xFFFFFF) == key) return;
                  conv.Apply(&p, 1);
                  dp = p;
                });
  return TRUE;
}

BOOL AlphaBlend(HDC dest, int xd, int yd, int wd, int hd, HDC src, int xs, int ys, int ws,
                int hs, BLENDFUNCTION blend) {
  DCObj* d = LookupDC(dest);
  DCObj* s = LookupDC(src);
  if (!d || !s || !s->Target() || !d->Target()) return FALSE;
  if (blend.BlendOp != AC_SRC_OVER || wd < 0 || hd < 0 || ws < 0 || hs < 0) return FALSE;
  Surface* ss = s->Target();
  Surface* ds = d->Target();
  const int sx0 = s->ToSurfaceX(xs), sy0 = s->ToSurfaceY(ys);
  if (!SourceInside(*ss, sx0, sy0, ws, hs)) return FALSE;
  if (wd == 0 || hd == 0 || ws == 0 || hs == 0) return TRUE;
  DrawScope scope(*d);
  ss->SyncIn();
  const uint32_t sca = blend.SourceConstantAlpha;
  const bool perPixel = (blend.AlphaFormat & AC_SRC_ALPHA) != 0;
  auto mul = [](uint32_t a, uint32_t b) { return (a * b + 127) / 255; };
  StretchPixels(*d, d->ToSurfaceX(xd), d->ToSurfaceY(yd), wd, hd, *ss, sx0, sy0, ws, hs,
                [&](uint32_t sp, uint32_t& dp) {
                  uint32_t out = 0;
                  if (perPixel) {
                    // Premultiplied source: every channel scaled by the constant alpha, then
                    // d = s + d * (1 - alpha(s)).
                    const uint32_t sa = mul(sp >> 24, sca);
                    for (int sh = 0; sh < 32; sh += 8) {
                      const uint32_t sc = mul((sp >> sh) & 0xFF, sca);
                      const uint32_t dc = (dp >> sh) & 0xFF;
                      out |= std::min<uint32_t>(255, sc + mul(dc, 255 - sa)) << sh;
                    }
                  } else {
                    for (int sh = 0; sh < 32; sh += 8) {
                      const uint32_t sc = (sp >> sh) & 0xFF, dc = (dp >> sh) & 0xFF;
                      out |= std::min<uint32_t>(255, mul(sc, sca) + mul(dc, 255 - sca)) << sh;
                    }
                  }
                  dp = ds->Monochrome ? MonoPixelOf(out) : out;
                });
  return TRUE;
}

BOOL GradientFill(HDC dc, TRIVERTEX* v, ULONG nv, void* mesh, ULONG nm, ULONG mode) {
  DCObj* d = LookupDC(dc);
  if (!d || !v || !mesh || !d->Target()) return FALSE;
  Surface* s = d->Target();
  DrawScope scope(*d);
  auto chan = [](COLOR16 c) { return uint32_t(c >> 8); };
  auto pix = [&](double r, double g, double b) {
    const uint32_t p = (uint32_t(std::lround(r)) << 16) | (uint32_t(std::lround(g)) << 8) |
                       uint32_t(std::lround(b));
    return s->Monochrome ? MonoPixelOf(p) : p;
  };
  if (mode == GRADIENT_FILL_RECT_H || mode == GRADIENT_FILL_RECT_V) {
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < nm; ++i) {
      if (rects[i].UpperLeft >= nv || rects[i].LowerRight >= nv) return FALSE;
      TRIVERTEX a = v[rects[i].UpperLeft], b = v[rects[i].LowerRight];
      if (a.x > b.x) std::swap(a.x, b.x);
      if (a.y > b.y) std::swap(a.y, b.y);
      const TRect r{d->ToSurfaceX(a.x), d->ToSurfaceY(a.y), d->ToSurfaceX(b.x),
                    d->ToSurfaceY(b.y)};
      const Region clip = d->ClipRegion().Intersected(r);
      const bool h = mode == GRADIENT_FILL_RECT_H;
      const int64_t len = h ? int64_t(r.Right) - r.Left : int64_t(r.Bottom) - r.Top;
      for (const TRect& q : clip.Rects()) {
        for (int y = q.Top; y < q.Bottom; ++y)
          for (int x = q.Left; x < q.Right; ++x) {
            const int64_t k = h ? int64_t(x) - r.Left : int64_t(y) - r.Top;
            const double t = len > 1 ? double(k) / (len - 1) : 0.0;
            const TRIVERTEX& p = v[rects[i].UpperLeft];
            const TRIVERTEX& e = v[rects[i].LowerRight];
            s->Row(y)[x] = pix(chan(p.Red) + (double(chan(e.Red)) - chan(p.Red)) * t,
                               chan(p.Green) + (double(chan(e.Green)) - chan(p.Green)) * t,
                               chan(p.Blue) + (double(chan(e.Blue)) - chan(p.Blue)) * t);
          }
        s->Touch(q);
      }
    }
    return TRUE;
  }
  if (mode == GRADIENT_FILL_TRIANGLE) {
    const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(mesh);
    for (ULONG i = 0; i < nm; ++i) {
      const ULONG idx[3] = {tris[i].Vertex1, tris[i].Vertex2, tris[i].Vertex3};
      if (idx[0] >= nv || idx[1] >= nv || idx[2] >= nv) return FALSE;
      POINT pts[3];
      for (int k = 0; k < 3; ++k) pts[k] = d->ToSurface(POINT{v[idx[k]].x, v[idx[k]].y});
      int three = 3;
      const TRect window = d->ClipRegion().Bounds();
      const Region shape = PolygonRegion(pts, &three, 1, ALTERNATE, &window);
      const Region clip = Region::Combine(shape, d->ClipRegion(), RGN_AND);
      const double x1 = pts[0].X, y1 = pts[0].Y, x2 = pts[1].X, y2 = pts[1].Y, x3 = pts[2].X,
                   y3 = pts[2].Y;
      const double det = (y2 - y3) * (x1 - x3) + (x3 - x2) * (y1 - y3);
      if (det == 0) continue;
      for (const TRect& q : clip.Rects()) {
        for (int y = q.Top; y < q.Bottom; ++y)
          for (int x = q.Left; x < q.Right; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            double l1 = ((y2 - y3) * (px - x3) + (x3 - x2) * (py - y3)) / det;
            double l2 = ((y3 - y1) * (px - x3) + (x1 - x3) * (py - y3)) / det;
            l1 = std::clamp(l1, 0.0, 1.0);
            l2 = std::clamp(l2, 0.0, 1.0 - l1);
            const double l3 = 1 - l1 - l2;
            const TRIVERTEX &a = v[idx[0]], &b = v[idx[1]], &c = v[idx[2]];
            s->Row(y)[x] = pix(l1 * chan(a.Red) + l2 * chan(b.Red) + l3 * chan(c.Red),
                               l1 * chan(a.Green) + l2 * chan(b.Green) + l3 * chan(c.Green),
                               l1 * chan(a.Blue) + l2 * chan(b.Blue) + l3 * chan(c.Blue));
          }
        s->Touch(q);
      }
    }
    return TRUE;
  }
  return FALSE;
}

}  // namespace win
