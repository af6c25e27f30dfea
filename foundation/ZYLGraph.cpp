#include "foundation/ZYLGraph.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "foundation/ZYLConst.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiGuards.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Icon.h"
#include "platform/user/DCGuards.h"
#include "platform/user/WinUser.h"

namespace zyl {

using win::TPoint;
using win::TRect;

namespace {

win::COLORREF Rgb(vcl::TColor c) {
  return static_cast<win::COLORREF>(vcl::ColorToRGB(c)) & 0x00FFFFFF;
}

// a * b / c rounded to the nearest (c > 0).
int MulDivRound(int a, int b, int c) {
  const int64_t p = int64_t(a) * b;
  return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

TRect Normalized(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}

std::vector<win::COLORREF> ReadPixels(win::HDC dc, const TRect& r);
void WritePixels(win::HDC dc, const TRect& r, const std::vector<win::COLORREF>& px);

// Draws Source of sdc into Dest of dc through a mask covering the source (mask pixels at the
// source's coordinates; white = keep the destination). Equal sizes go through MaskBlt; scaled
// pieces, and masks MaskBlt refuses (not monochrome), are composed pixel by pixel.
void MaskedPiece(win::HDC dc, const TRect& d, win::HDC sdc, const TRect& s, win::HBITMAP mask) {
  const win::DWORD rop = win::MAKEROP4(0x00AA0029, win::SRCCOPY);
  if (d.Width() == s.Width() && d.Height() == s.Height() &&
      win::MaskBlt(dc, d.Left, d.Top, d.Width(), d.Height(), sdc, s.Left, s.Top, mask, s.Left,
                   s.Top, rop))
    return;
  std::vector<win::COLORREF> maskPx;
  {
    win::TMemoryDC maskDC(dc);
    win::TSelectedObject selected(maskDC, mask);
    maskPx = ReadPixels(maskDC, s);
  }
  const auto srcPx = ReadPixels(sdc, s);
  auto dstPx = ReadPixels(dc, d);
  if (maskPx.empty() || srcPx.empty() || dstPx.empty()) return;
  const int dw = d.Width(), dh = d.Height(), sw = s.Width(), sh = s.Height();
  for (int y = 0; y < dh; ++y) {
    const int sy = int(int64_t(y) * sh / dh);
    for (int x = 0; x < dw; ++x) {
      const int sx = int(int64_t(x) * sw / dw);
      const size_t si = size_t(sy) * sw + sx;
      if (maskPx[si] != win::RGB(255, 255, 255)) dstPx[size_t(y) * dw + x] = srcPx[si];
    }
  }
  WritePixels(dc, d, dstPx);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Drawing-style word and bitmaps

win::TPoint ZYLUnpackOffset(int32_t Offset) {
  const uint32_t u = static_cast<uint32_t>(Offset);
  return {static_cast<int16_t>(u & 0xFFFF), static_cast<int16_t>((u >> 16) & 0xFFFF)};
}

int32_t ZYLPackOffset(int X, int Y) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(Y)) << 16) |
                              static_cast<uint16_t>(X));
}

TZYLDrawStyleFlags ZYLTileMode2DSF(TZYLTileMode TileMode) {
  switch (TileMode) {
    case tmCenter: return dsfCenter;
    case tmStretch: return dsfStretch;
    case tmTile: return dsfTile;
    default: return 0;
  }
}

std::vector<TZYLBmpPiece> ZYLBmpPlacement(const TRect& DestRect, int SourceWidth,
                                          int SourceHeight, TZYLDrawStyleFlags Flags,
                                          const TRect* Visible) {
  std::vector<TZYLBmpPiece> pieces;
  const TRect d = Normalized(DestRect);
  const int dw = d.Width(), dh = d.Height();
  const int sw = SourceWidth, sh = SourceHeight;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return pieces;
  const TRect full{0, 0, sw, sh};
  if (Flags & dsfTile) {
    // Whole tiles from the top-left corner; the last row and column are cut at the edges.
    int64_t c0 = 0, c1 = (int64_t(dw) + sw - 1) / sw, r0 = 0, r1 = (int64_t(dh) + sh - 1) / sh;
    if (Visible) {
      c0 = std::max<int64_t>(c0, (int64_t(Visible->Left) - d.Left) / sw);
      c1 = std::min<int64_t>(c1, (int64_t(Visible->Right) - d.Left + sw - 1) / sw);
      r0 = std::max<int64_t>(r0, (int64_t(Visible->Top) - d.Top) / sh);
      r1 = std::min<int64_t>(r1, (int64_t(Visible->Bottom) - d.Top + sh - 1) / sh);
    }
    if (c1 <= c0 || r1 <= r0) return pieces;
    if ((c1 - c0) * (r1 - r0) > (int64_t(1) << 20))
      throw vcl::EInvalidGraphicOperation(SZYLTooManyTiles);
    pieces.reserve(static_cast<size_t>((c1 - c0) * (r1 - r0)));
    for (int64_t row = r0; row < r1; ++row) {
      const int y = d.Top + static_cast<int>(row * sh);
      for (int64_t col = c0; col < c1; ++col) {
        const int x = d.Left + static_cast<int>(col * sw);
        const int w = std::min(sw, d.Right - x), h = std::min(sh, d.Bottom - y);
        pieces.push_back({{x, y, x + w, y + h}, {0, 0, w, h}});
      }
    }
    return pieces;
  }
  if (Flags & dsfKeepAspect) {
    int w, h;
    const bool both = (Flags & dsfKeepAspect) == dsfKeepAspect;
    bool byWidth = (Flags & dsfScaleWidth) != 0;
    if (both) byWidth = int64_t(dw) * sh <= int64_t(dh) * sw;
    if (byWidth) {
      w = dw;
      h = std::max(1, MulDivRound(sh, dw, sw));
    } else {
      h = dh;
      w = std::max(1, MulDivRound(sw, dh, sh));
    }
    int x = d.Left, y = d.Top;
    if (both) {
      x += (dw - w) / 2;
      y += (dh - h) / 2;
    }
    pieces.push_back({{x, y, x + w, y + h}, full});
    return pieces;
  }
  if (Flags & dsfStretch) {
    pieces.push_back({d, full});
    return pieces;
  }
  if (Flags & dsfCenter) {
    const int x = d.Left + (dw - sw) / 2, y = d.Top + (dh - sh) / 2;
    pieces.push_back({{x, y, x + sw, y + sh}, full});
    return pieces;
  }
  pieces.push_back({{d.Left, d.Top, d.Left + sw, d.Top + sh}, full});
  return pieces;
}

TRect ZYLBmpDrawExt(vcl::TCanvas* Canvas, const TRect& DestRect, vcl::TCanvas* SourceCanvas,
                    const TRect& SourceRect, TZYLDrawStyleFlags Flags,
                    vcl::TColor TransparentColor, win::HBITMAP MaskHandle, vcl::TObject*) {
  if (!Canvas || !SourceCanvas) return {};
  TRect src = Normalized(SourceRect);
  if (src.Width() <= 0 || src.Height() <= 0) return {};
  Canvas->RequiredState({vcl::csHandleValid, vcl::csBrushValid});
  const win::HDC dc = Canvas->Handle();
  win::HDC sdc = SourceCanvas->Handle();
  // Tiles are drawn only where the canvas can show them; a small tile is first repeated into
  // a larger one so that wide areas take few copies.
  TRect visible;
  const bool hasVisible = win::GetClipBox(dc, &visible) != win::ERROR;
  std::unique_ptr<vcl::TBitmap> bigTile;
  if ((Flags & dsfTile) && !(Flags & dsfMaskHandle) && (src.Width() < 64 || src.Height() < 64)) {
    const int kx = (63 + src.Width()) / src.Width(), ky = (63 + src.Height()) / src.Height();
    bigTile = std::make_unique<vcl::TBitmap>();
    bigTile->SetPixelFormat(vcl::pf32bit);
    bigTile->SetSize(src.Width() * kx, src.Height() * ky);
    const win::HDC tdc = bigTile->Canvas()->Handle();
    for (int j = 0; j < ky; ++j)
      for (int i = 0; i < kx; ++i)
        win::BitBlt(tdc, i * src.Width(), j * src.Height(), src.Width(), src.Height(), sdc,
                    src.Left, src.Top, win::SRCCOPY);
    sdc = tdc;
    src = {0, 0, src.Width() * kx, src.Height() * ky};
  }
  const auto pieces =
      ZYLBmpPlacement(DestRect, src.Width(), src.Height(), Flags, hasVisible ? &visible : nullptr);
  if (pieces.empty()) return {};
  const win::COLORREF key = Rgb(TransparentColor & ~vcl::TransparentColorFlag);
  const int oldMode = win::SetStretchBltMode(dc, win::COLORONCOLOR);
  TRect painted{};
  bool first = true;
  for (const auto& p : pieces) {
    const TRect& d = p.Dest;
    TRect s = p.Source;
    win::OffsetRect(&s, src.Left, src.Top);
    if ((Flags & dsfMaskHandle) && MaskHandle) {
      MaskedPiece(dc, d, sdc, s, MaskHandle);
    } else if (Flags & (dsfTransparent | dsfBrushCopy)) {
      if (Flags & dsfBrushCopy) win::FillRect(dc, &d, Canvas->Brush()->Handle());
      win::TransparentBlt(dc, d.Left, d.Top, d.Width(), d.Height(), sdc, s.Left, s.Top,
                          s.Width(), s.Height(), key);
    } else if (d.Width() == s.Width() && d.Height() == s.Height()) {
      win::BitBlt(dc, d.Left, d.Top, d.Width(), d.Height(), sdc, s.Left, s.Top, win::SRCCOPY);
    } else {
      win::StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), sdc, s.Left, s.Top, s.Width(),
                      s.Height(), win::SRCCOPY);
    }
    if (first) {
      painted = d;
      first = false;
    } else {
      win::UnionRect(&painted, &painted, &d);
    }
  }
  win::SetStretchBltMode(dc, oldMode);
  return painted;
}

TRect ZYLBmpDraw(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TBitmap* Bitmap,
                 TZYLDrawStyleFlags Flags, vcl::TColor TransparentColor) {
  if (!Canvas || !Bitmap || Bitmap->Empty()) return {};
  return ZYLBmpDrawExt(Canvas, Rect, Bitmap->Canvas(), {0, 0, Bitmap->Width(), Bitmap->Height()},
                       Flags, TransparentColor,
                       (Flags & dsfMaskHandle) ? Bitmap->MaskHandle() : nullptr, nullptr);
}

TRect ZYLBmpClipDrawExt(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TCanvas* SourceCanvas,
                        const TRect& SourceRect, TZYLDrawStyleFlags Flags, int32_t Offset,
                        vcl::TColor TransparentColor, win::HBITMAP MaskHandle) {
  if (!Canvas || !SourceCanvas) return {};
  const auto flags = static_cast<TZYLDrawStyleFlags>(Flags & ~dsfClip);
  if (!(Flags & dsfClip))
    return ZYLBmpDrawExt(Canvas, Rect, SourceCanvas, SourceRect, flags, TransparentColor,
                         MaskHandle, nullptr);
  const win::HDC dc = Canvas->Handle();
  TRect clip = Normalized(Rect);
  const TPoint o = ZYLUnpackOffset(Offset);
  win::OffsetRect(&clip, o.X, o.Y);
  win::TSavedClip saver(dc);
  saver.Intersect(win::TOwnedObject<win::HRGN>(win::CreateRectRgnIndirect(&clip)));
  return ZYLBmpDrawExt(Canvas, Rect, SourceCanvas, SourceRect, flags, TransparentColor,
                       MaskHandle, nullptr);
}

void ZYLBmpClipDraw(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TBitmap* Bitmap,
                    TZYLDrawStyleFlags Flags, int32_t Offset, vcl::TColor TransparentColor) {
  if (!Canvas || !Bitmap || Bitmap->Empty()) return;
  ZYLBmpClipDrawExt(Canvas, Rect, Bitmap->Canvas(), {0, 0, Bitmap->Width(), Bitmap->Height()},
                    Flags, Offset, TransparentColor,
                    (Flags & dsfMaskHandle) ? Bitmap->MaskHandle() : nullptr);
}

void ZYLBmpCreateFromRect(vcl::TBitmap* Bitmap, const TRect& Rect, vcl::TColor Color) {
  const TRect r = Normalized(Rect);
  if (!Bitmap || r.Width() <= 0 || r.Height() <= 0) return;
  Bitmap->SetSize(r.Width(), r.Height());
  vcl::TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetColor(Color);
  c->Brush()->SetStyle(vcl::bsSolid);
  c->FillRect({0, 0, r.Width(), r.Height()});
}

void ZYLBmpCreateMasksExt(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TBitmap* Mask,
                          vcl::TBitmap* Picture, vcl::TColor TransparentColor) {
  if (!Mask || !Picture || !Canvas) return;
  const TRect r = Normalized(Rect);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  const TRect whole{0, 0, r.Width(), r.Height()};
  Picture->SetSize(r.Width(), r.Height());
  Picture->Canvas()->CopyRect(whole, Canvas, r);
  Mask->SetSize(r.Width(), r.Height());
  Mask->Canvas()->CopyRect(whole, Canvas, r);
  Mask->Mask(TransparentColor);
}

void ZYLBmpFromDesktop(vcl::TBitmap* Bitmap, const TRect& ScreenRect) {
  const TRect r = Normalized(ScreenRect);
  if (!Bitmap || r.Width() <= 0 || r.Height() <= 0) return;
  Bitmap->SetSize(r.Width(), r.Height());
  {
    win::TWindowDC screen(nullptr);
    if (!screen) return;
    win::BitBlt(Bitmap->Canvas()->Handle(), 0, 0, r.Width(), r.Height(), screen, r.Left, r.Top,
                win::SRCCOPY);
  }
  Bitmap->Canvas()->Refresh();
}

namespace {

// The pixels of a rectangle of a DC as 0x00BBGGRR values, row by row.
std::vector<win::COLORREF> ReadPixels(win::HDC dc, const TRect& r) {
  std::vector<win::COLORREF> px;
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return px;
  vcl::TBitmap tmp;
  tmp.SetPixelFormat(vcl::pf32bit);
  tmp.SetSize(w, h);
  win::BitBlt(tmp.Canvas()->Handle(), 0, 0, w, h, dc, r.Left, r.Top, win::SRCCOPY);
  px.resize(size_t(w) * h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(tmp.ScanLine(y));
    for (int x = 0; x < w; ++x)
      px[size_t(y) * w + x] = win::RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
  }
  return px;
}

void WritePixels(win::HDC dc, const TRect& r, const std::vector<win::COLORREF>& px) {
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0 || px.size() != size_t(w) * h) return;
  vcl::TBitmap tmp;
  tmp.SetPixelFormat(vcl::pf32bit);
  tmp.SetSize(w, h);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = static_cast<uint8_t*>(tmp.ScanLine(y));
    for (int x = 0; x < w; ++x) {
      const win::COLORREF c = px[size_t(y) * w + x];
      row[x * 4] = win::GetBValue(c);
      row[x * 4 + 1] = win::GetGValue(c);
      row[x * 4 + 2] = win::GetRValue(c);
      row[x * 4 + 3] = 0;
    }
  }
  win::BitBlt(dc, r.Left, r.Top, w, h, tmp.Canvas()->Handle(), 0, 0, win::SRCCOPY);
}

}  // namespace

void ZYLMaskBmpDraw(vcl::TCanvas* Canvas, const TRect& Rect, vcl::TBitmap* MaskBitmap,
                    vcl::TBitmap* FillBitmap, vcl::TColor Color1, vcl::TColor Color2) {
  if (!Canvas || !MaskBitmap || !FillBitmap || MaskBitmap->Empty() || FillBitmap->Empty())
    return;
  const TRect r = Normalized(Rect);
  const int w = std::min(r.Width(), MaskBitmap->Width());
  const int h = std::min(r.Height(), MaskBitmap->Height());
  if (w <= 0 || h <= 0) return;
  const TRect area{r.Left, r.Top, r.Left + w, r.Top + h};
  const win::HDC dc = Canvas->Handle();
  auto dest = ReadPixels(dc, area);
  const auto mask = ReadPixels(MaskBitmap->Canvas()->Handle(), {0, 0, w, h});
  const int fw = FillBitmap->Width(), fh = FillBitmap->Height();
  const auto fill = ReadPixels(FillBitmap->Canvas()->Handle(), {0, 0, fw, fh});
  const win::COLORREF see = Rgb(Color1), off = Rgb(Color2);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (mask[size_t(y) * w + x] == off) continue;
      const win::COLORREF f = fill[size_t(y % fh) * fw + (x % fw)];
      if (f == see) continue;
      dest[size_t(y) * w + x] = f;
    }
  }
  WritePixels(dc, area, dest);
}

void ZYLFillPattern(win::HDC DC, const TRect& Rect, vcl::TBitmap* Bitmap) {
  if (!DC || !Bitmap || Bitmap->Empty()) return;
  const TRect r = Normalized(Rect);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  win::TOwnedObject<win::HBRUSH> brush(win::CreatePatternBrush(Bitmap->Handle()));
  if (!brush) return;
  win::TSelectedObject selectedBrush(DC, brush);
  win::TSelectedObject selectedPen(DC, win::GetStockObject(win::NULL_PEN));
  win::PatBlt(DC, r.Left, r.Top, r.Width(), r.Height(), 0x00A000C9);
}

// ---------------------------------------------------------------------------------------------
// Frames

namespace {

struct TFrameCall {
  win::UINT Edge;
  win::UINT Flags;
};
struct TFrameDef {
  int Count;
  TFrameCall Calls[2];
};

// The DrawEdge calls of each border style, outermost first.
const TFrameDef& FrameDef(TZYLBorderStyle Style) {
  using namespace win;
  static const TFrameDef defs[] = {
      {0, {}},                                                         // lsNone
      {1, {{BDR_SUNKENOUTER, BF_MONO}}},                               // lsSingle
      {1, {{BDR_SUNKENOUTER, 0}}},                                     // lsLowered
      {1, {{BDR_RAISEDINNER, 0}}},                                     // lsRaised
      {1, {{EDGE_RAISED, BF_SOFT}}},                                   // lsRaisedspb
      {1, {{EDGE_SUNKEN, BF_SOFT}}},                                   // lsLoweredspb
      {1, {{EDGE_RAISED, 0}}},                                         // lsRaisedExt
      {1, {{EDGE_SUNKEN, 0}}},                                         // lsLoweredExt
      {1, {{EDGE_ETCHED, 0}}},                                         // lsFrameInset
      {1, {{EDGE_BUMP, 0}}},                                           // lsFrameOffset
      {2, {{BDR_SUNKENOUTER, BF_MONO}, {EDGE_SUNKEN, 0}}},             // lsWindowBorder
      {2, {{BDR_SUNKENOUTER, BF_MONO}, {BDR_RAISEDINNER, 0}}},         // lsSingleRaised
      {2, {{BDR_SUNKENOUTER, BF_MONO}, {BDR_SUNKENOUTER, 0}}},         // lsSingleLowered
      {2, {{EDGE_RAISED, 0}, {EDGE_RAISED, BF_SOFT}}},                 // lsDoubleRaised
      {2, {{EDGE_SUNKEN, 0}, {EDGE_SUNKEN, BF_SOFT}}},                 // lsDoubleLowered
  };
  const int i = static_cast<int>(Style);
  return defs[(i >= 0 && i <= lsDoubleLowered) ? i : 0];
}

int EdgeWidth(win::UINT edge) {
  return ((edge & win::BDR_OUTER) ? 1 : 0) + ((edge & win::BDR_INNER) ? 1 : 0);
}

}  // namespace

bool ZYLDrawStdFrame(vcl::TCanvas* Canvas, TRect& Rect, TZYLBorderStyle Style, uint16_t Flags) {
  const TFrameDef& def = FrameDef(Style);
  if (!Canvas || def.Count == 0) return true;
  const win::HDC dc = Canvas->Handle();
  for (int i = 0; i < def.Count; ++i) {
    win::DrawEdge(dc, &Rect, def.Calls[i].Edge,
                  win::BF_RECT | win::BF_ADJUST | def.Calls[i].Flags | Flags);
  }
  return true;
}

int ZYLStdFrameWidth(TZYLBorderStyle Style) {
  const TFrameDef& def = FrameDef(Style);
  int w = 0;
  for (int i = 0; i < def.Count; ++i) w += EdgeWidth(def.Calls[i].Edge);
  return w;
}

uint8_t ZYLGetCtrlBorderWidth(bool Ctl3D, uint8_t BorderStyle, bool Themed) {
  if (BorderStyle != ZYLFormBorderSingle) return 0;
  return (!Ctl3D || Themed) ? 1 : 2;
}

void ZYLAlignRect(TZYLAlignment Alignment, const TRect& SourceRect, const TRect& TargetRect,
                  TRect& Result) {
  const int w = SourceRect.Width(), h = SourceRect.Height();
  const int col = static_cast<int>(Alignment) % 3, row = static_cast<int>(Alignment) / 3;
  int x = TargetRect.Left, y = TargetRect.Top;
  if (col == 1) x += (TargetRect.Width() - w) / 2;
  if (col == 2) x = TargetRect.Right - w;
  if (row == 1) y += (TargetRect.Height() - h) / 2;
  if (row == 2) y = TargetRect.Bottom - h;
  Result = {x, y, x + w, y + h};
}

TRect ZYLAlignRect(TZYLAlignment Alignment, const TRect& SourceRect, const TRect& TargetRect) {
  TRect r;
  ZYLAlignRect(Alignment, SourceRect, TargetRect, r);
  return r;
}

void ZYLInvalidateRect(win::HWND Handle, const TRect& Rect, int Erase) {
  win::InvalidateRect(Handle, &Rect, Erase != 0 ? win::TRUE : win::FALSE);
}

// ---------------------------------------------------------------------------------------------
// Shapes

namespace {

bool TeethActive(const TZYLShapeParams& p, int& depth) {
  depth = 0;
  if (!p.HasTeeth) return false;
  depth = (p.TeethDirection == tdRight || p.TeethDirection == tdLeft) ? p.TeethWidth
                                                                       : p.TeethHeight;
  return depth > 0;
}

struct TUV {
  double U, V;
};

std::vector<TPoint> MapUnit(const TRect& r, const std::vector<TUV>& uv) {
  std::vector<TPoint> pts;
  pts.reserve(uv.size());
  const double w = r.Width() - 1, h = r.Height() - 1;
  for (const auto& p : uv)
    pts.push_back({r.Left + static_cast<int>(std::lround(p.U * w)),
                   r.Top + static_cast<int>(std::lround(p.V * h))});
  // Drop repeated neighbours (tiny rectangles).
  std::vector<TPoint> out;
  for (const auto& p : pts)
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  while (out.size() > 1 && out.front() == out.back()) out.pop_back();
  return out;
}

std::vector<TPoint> ShapeInRect(const TRect& r, const TZYLShapeParams& p) {
  const double kPi = 3.14159265358979323846;
  std::vector<TUV> uv;
  auto arrowUp = std::vector<TUV>{{0.5, 0},    {1, 0.5}, {0.75, 0.5}, {0.75, 1},
                                  {0.25, 1},   {0.25, 0.5}, {0, 0.5}};
  switch (p.ShapeType) {
    case stEllipse: {
      const int n =
          static_cast<int>(std::clamp<int64_t>((int64_t{r.Width()} + r.Height()) / 2, 16, 256));
      for (int i = 0; i < n; ++i) {
        const double t = 2 * kPi * i / n;
        uv.push_back({0.5 + 0.5 * std::cos(t), 0.5 + 0.5 * std::sin(t)});
      }
      break;
    }
    case stRoundRect: {
      const int pc = std::clamp(p.RoundPercent, 0, 100);
      const int rad = std::min(r.Width(), r.Height()) * pc / 200;
      if (rad < 1) {
        uv = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        break;
      }
      std::vector<TPoint> pts;
      const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
      const struct {
        int cx, cy;
        double a0;
      } corners[] = {{rr - rad, t + rad, -kPi / 2}, {rr - rad, b - rad, 0},
                     {l + rad, b - rad, kPi / 2}, {l + rad, t + rad, kPi}};
      const int seg = std::clamp(rad, 2, 16);
      for (const auto& c : corners) {
        for (int i = 0; i <= seg; ++i) {
          const double a = c.a0 + (kPi / 2) * i / seg;
          TPoint q{c.cx + static_cast<int>(std::lround(rad * std::cos(a))),
                   c.cy + static_cast<int>(std::lround(rad * std::sin(a)))};
          if (pts.empty() || !(pts.back() == q)) pts.push_back(q);
        }
      }
      while (pts.size() > 1 && pts.front() == pts.back()) pts.pop_back();
      return pts;
    }
    case stDirectUp: uv = arrowUp; break;
    case stDirectDown:
      for (auto q : arrowUp) uv.push_back({q.U, 1 - q.V});
      break;
    case stDirectRight:
      for (auto q : arrowUp) uv.push_back({1 - q.V, q.U});
      break;
    case stDirectLeft:
      for (auto q : arrowUp) uv.push_back({q.V, q.U});
      break;
    case stDiamond: uv = {{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}; break;
    case stComb: uv = {{0.25, 0}, {0.75, 0}, {1, 0.5}, {0.75, 1}, {0.25, 1}, {0, 0.5}}; break;
    case stOctagon: {
      const double c = 1.0 / (2.0 + std::sqrt(2.0));
      uv = {{c, 0}, {1 - c, 0}, {1, c}, {1, 1 - c}, {1 - c, 1}, {c, 1}, {0, 1 - c}, {0, c}};
      break;
    }
    case stStar: {
      // Five outer points, stretched so that they touch all four sides.
      double umin = 1e9, umax = -1e9, vmin = 1e9, vmax = -1e9;
      for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + kPi * i / 5;
        const double rad = (i % 2 == 0) ? 0.5 : 0.5 * 0.381966;
        uv.push_back({0.5 + rad * std::cos(a), 0.5 + rad * std::sin(a)});
        umin = std::min(umin, uv.back().U);
        umax = std::max(umax, uv.back().U);
        vmin = std::min(vmin, uv.back().V);
        vmax = std::max(vmax, uv.back().V);
      }
      for (auto& q : uv) {
        q.U = (q.U - umin) / (umax - umin);
        q.V = (q.V - vmin) / (vmax - vmin);
      }
      break;
    }
    case stRectangle:
    default: uv = {{0, 0}, {1, 0}, {1, 1}, {0, 1}}; break;
  }
  return MapUnit(r, uv);
}

// The shape rectangle with a zig-zag edge whose tips reach Depth beyond its teeth side.
std::vector<TPoint> TeethInRect(const TRect& r, const TZYLShapeParams& p, int depth) {
  const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
  const bool vertical = p.TeethDirection == tdRight || p.TeethDirection == tdLeft;
  const int from = vertical ? t : l, to = vertical ? b : rr;
  const int len = to - from;
  const int n = std::clamp(p.TeethCount, 1, std::max(1, len / 2));
  // Along the edge: base, tip, base, ... as (along, across) with across 0 = base, 1 = tip.
  std::vector<std::pair<int, int>> zig;
  for (int i = 0; i < n; ++i) {
    const int a0 = from + int(int64_t(len) * i / n), a1 = from + int(int64_t(len) * (i + 1) / n);
    zig.push_back({a0, 0});
    zig.push_back({(a0 + a1) / 2, 1});
  }
  zig.push_back({to, 0});
  std::vector<TPoint> pts;
  switch (p.TeethDirection) {
    case tdRight:
      pts.push_back({l, t});
      for (auto [a, c] : zig) pts.push_back({rr + c * depth, a});
      pts.push_back({l, b});
      break;
    case tdLeft:
      pts.push_back({rr, b});
      for (auto it = zig.rbegin(); it != zig.rend(); ++it) pts.push_back({l - it->second * depth, it->first});
      pts.push_back({rr, t});
      break;
    case tdDown:
      pts.push_back({rr, t});
      for (auto it = zig.rbegin(); it != zig.rend(); ++it) pts.push_back({it->first, b + it->second * depth});
      pts.push_back({l, t});
      break;
    case tdUp:
    default:
      pts.push_back({l, b});
      for (auto [a, c] : zig) pts.push_back({a, t - c * depth});
      pts.push_back({rr, b});
      break;
  }
  std::vector<TPoint> out;
  for (const auto& q : pts)
    if (out.empty() || !(out.back() == q)) out.push_back(q);
  while (out.size() > 1 && out.front() == out.back()) out.pop_back();
  return out;
}

std::vector<TPoint> OutlineOf(const TRect& shapeRect, const TZYLShapeParams& p) {
  if (shapeRect.Width() <= 0 || shapeRect.Height() <= 0) return {};
  int depth;
  if (TeethActive(p, depth)) return TeethInRect(shapeRect, p, depth);
  return ShapeInRect(shapeRect, p);
}

void FillOutline(win::HDC dc, const std::vector<TPoint>& pts, win::COLORREF c) {
  win::TOwnedObject<win::HPEN> pen(win::CreatePen(win::PS_SOLID, 1, c));
  win::TOwnedObject<win::HBRUSH> brush(win::CreateSolidBrush(c));
  win::TSelectedObject selectedPen(dc, pen);
  win::TSelectedObject selectedBrush(dc, brush);
  win::Polygon(dc, pts.data(), static_cast<int>(pts.size()));
}

TRect BoundsOf(const std::vector<TPoint>& pts) {
  TRect b{pts[0].X, pts[0].Y, pts[0].X + 1, pts[0].Y + 1};
  for (const auto& q : pts) {
    b.Left = std::min(b.Left, q.X);
    b.Top = std::min(b.Top, q.Y);
    b.Right = std::max(b.Right, q.X + 1);
    b.Bottom = std::max(b.Bottom, q.Y + 1);
  }
  return b;
}

}  // namespace

win::HRGN ZYLOutlineRegion(const std::vector<TPoint>& pts) {
  win::HRGN rgn = win::CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), win::WINDING);
  // The polygon region leaves out the right and bottom boundary: add the shape moved by one
  // pixel to the right, down and diagonally, then cut the union to the outline's bounds.
  for (const auto& d : {TPoint{1, 0}, TPoint{0, 1}, TPoint{1, 1}}) {
    std::vector<TPoint> moved = pts;
    for (auto& q : moved) {
      q.X += d.X;
      q.Y += d.Y;
    }
    win::TOwnedObject<win::HRGN> r2(
        win::CreatePolygonRgn(moved.data(), static_cast<int>(moved.size()), win::WINDING));
    win::CombineRgn(rgn, rgn, r2, win::RGN_OR);
  }
  const TRect b = BoundsOf(pts);
  win::CombineRgn(rgn, rgn, win::TOwnedObject<win::HRGN>(win::CreateRectRgnIndirect(&b)),
                  win::RGN_AND);
  return rgn;
}

TRect ZYLShapeRect(const TRect& Rect, const TZYLShapeParams& Params) {
  TRect r = Normalized(Rect);
  if (Params.Square) {
    const int s = std::min(r.Width(), r.Height());
    const int x = r.Left + (r.Width() - s) / 2, y = r.Top + (r.Height() - s) / 2;
    r = {x, y, x + s, y + s};
  }
  if (Params.ShadowStyle != hssNone && Params.ShadowDepth > 0) {
    r.Right -= Params.ShadowDepth;
    r.Bottom -= Params.ShadowDepth;
  }
  int depth;
  if (TeethActive(Params, depth)) {
    switch (Params.TeethDirection) {
      case tdRight: r.Right -= depth; break;
      case tdLeft: r.Left += depth; break;
      case tdDown: r.Bottom -= depth; break;
      case tdUp: r.Top += depth; break;
    }
  }
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

std::vector<TPoint> ZYLShapeOutline(const TRect& Rect, const TZYLShapeParams& Params) {
  return OutlineOf(ZYLShapeRect(Rect, Params), Params);
}

void ZYLShapePaint(const TRect& Rect, vcl::TCanvas* Canvas, const TZYLShapeParams& Params,
                   const std::vector<TPoint>& Outline, vcl::TBrush* Brush, vcl::TBitmap* Bitmap,
                   vcl::TColor Color, vcl::TColor BackColor, TZYLDrawStyleFlags Flags) {
  if (!Canvas) return;
  const TRect shapeRect = ZYLShapeRect(Rect, Params);
  const std::vector<TPoint> outline = Outline.empty() ? OutlineOf(shapeRect, Params) : Outline;
  if (outline.size() < 2) return;
  Canvas->RequiredState({vcl::csHandleValid});
  const win::HDC dc = Canvas->Handle();
  const int n = static_cast<int>(outline.size());

  // 1. The shadow, the outline moved by the depth.
  if (Params.ShadowStyle != hssNone && Params.ShadowDepth > 0) {
    std::vector<TPoint> sh = outline;
    for (auto& q : sh) {
      q.X += Params.ShadowDepth;
      q.Y += Params.ShadowDepth;
    }
    if (Params.ShadowStyle == hssSolid) {
      FillOutline(dc, sh, Rgb(Params.ShadowColor));
    } else {
      // Tracing: every other pixel of the shadow area takes the shadow colour (AND).
      vcl::TBitmap pattern;
      pattern.SetSize(8, 8);
      const vcl::TColor c = Params.ShadowColor;
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) pattern.Canvas()->SetPixels(x, y, ((x + y) & 1) ? vcl::clWhite : c);
      win::TOwnedObject<win::HRGN> rgn(ZYLOutlineRegion(sh));
      win::TSavedClip saver(dc);
      saver.IntersectLogical(rgn);
      ZYLFillPattern(dc, BoundsOf(sh), &pattern);
    }
  }

  // 2. The fill.
  if (Bitmap && !Bitmap->Empty()) {
    win::TOwnedObject<win::HRGN> rgn(ZYLOutlineRegion(outline));
    win::TSavedClip saver(dc);
    saver.IntersectLogical(rgn);
    ZYLBmpDraw(Canvas, BoundsOf(outline), Bitmap, static_cast<TZYLDrawStyleFlags>(Flags & ~dsfClip),
               Bitmap->TransparentColor());
  } else if (!Brush) {
    FillOutline(dc, outline, Rgb(Color));
  } else if (Brush->Style() != vcl::bsClear || Brush->Bitmap()) {
    const bool solid = Brush->Style() == vcl::bsSolid && !Brush->Bitmap();
    const int oldMode = win::SetBkMode(dc, BackColor == vcl::clNone ? win::TRANSPARENT : win::OPAQUE);
    const win::COLORREF oldBk = win::SetBkColor(dc, BackColor == vcl::clNone ? 0 : Rgb(BackColor));
    {
      win::TSelectedObject brush(dc, Brush->Handle());
      if (solid) {
        win::TOwnedObject<win::HPEN> pen(win::CreatePen(win::PS_SOLID, 1, Rgb(Brush->Color())));
        win::TSelectedObject selectedPen(dc, pen);
        win::Polygon(dc, outline.data(), n);
      } else {
        win::TSelectedObject pen(dc, win::GetStockObject(win::NULL_PEN));
        win::FillRgn(dc, win::TOwnedObject<win::HRGN>(ZYLOutlineRegion(outline)), Brush->Handle());
      }
    }
    win::SetBkColor(dc, oldBk);
    win::SetBkMode(dc, oldMode);
  }

  // 3. The bevel: rings of one pixel, each the outline of the shape rectangle shrunk by one.
  for (int k = 0; k < Params.BevelWidth; ++k) {
    TRect rr = shapeRect;
    win::InflateRect(&rr, -k, -k);
    const std::vector<TPoint> ring = (k == 0 && !Outline.empty()) ? Outline : OutlineOf(rr, Params);
    const int m = static_cast<int>(ring.size());
    if (m < 2) break;
    int64_t area = 0;
    for (int i = 0; i < m; ++i) {
      const TPoint& a = ring[i];
      const TPoint& b = ring[(i + 1) % m];
      area += int64_t(a.X) * b.Y - int64_t(b.X) * a.Y;
    }
    for (int i = 0; i < m; ++i) {
      const TPoint& a = ring[i];
      const TPoint& b = ring[(i + 1) % m];
      const int dx = b.X - a.X, dy = b.Y - a.Y;
      const int nx = area >= 0 ? dy : -dy, ny = area >= 0 ? -dx : dx;
      const bool upperLeft = (nx + ny < 0) || (nx + ny == 0 && ny < 0);
      vcl::TColor c = Params.BevelColor;
      if (Params.BevelStyle == sbInset) c = upperLeft ? Params.BevelShadowColor : Params.BevelLightColor;
      if (Params.BevelStyle == sbOffset) c = upperLeft ? Params.BevelLightColor : Params.BevelShadowColor;
      const win::COLORREF cr = Rgb(c);
      win::TOwnedObject<win::HPEN> pen(win::CreatePen(win::PS_SOLID, 1, cr));
      win::TSelectedObject selectedPen(dc, pen);
      win::MoveToEx(dc, a.X, a.Y, nullptr);
      win::LineTo(dc, b.X, b.Y);
      win::SetPixelV(dc, b.X, b.Y, cr);
    }
  }
}

TZYLShapeParams ZYLShapeParams(TZYLShapeType ShapeType, TZYLTeeth* Teeth, bool Square,
                               int RoundPercent, TZYLSimpleBevel* SimpleBevel,
                               TZYLShadow* Shadow) {
  TZYLShapeParams p;
  p.ShapeType = ShapeType;
  p.Square = Square;
  p.RoundPercent = std::clamp(RoundPercent, 0, 100);
  if (Teeth) {
    p.HasTeeth = true;
    p.TeethDirection = Teeth->Direction();
    p.TeethWidth = std::max(0, static_cast<int>(Teeth->Width()));
    p.TeethHeight = std::max(0, static_cast<int>(Teeth->Height()));
    p.TeethCount = std::max(1, static_cast<int>(Teeth->Count()));
  }
  if (SimpleBevel) {
    p.BevelWidth = SimpleBevel->Width();
    p.BevelStyle = SimpleBevel->Style();
    p.BevelColor = SimpleBevel->Color();
    p.BevelLightColor = SimpleBevel->LightColor();
    p.BevelShadowColor = SimpleBevel->ShadowColor();
  }
  if (Shadow) {
    p.ShadowStyle = Shadow->Style();
    p.ShadowDepth = Shadow->Depth();
    p.ShadowColor = Shadow->Color();
  }
  return p;
}

void ZYLShapeCalc(const TRect& Rect, TZYLShapeType ShapeType, TZYLTeeth* Teeth, bool Square,
                  vcl::TBrush*, int8_t RoundPercent, TZYLSimpleBevel* SimpleBevel,
                  TZYLShadow* Shadow, TZYLPointList* PointList) {
  if (!PointList) return;
  const auto pts = ZYLShapeOutline(
      Rect, ZYLShapeParams(ShapeType, Teeth, Square, RoundPercent, SimpleBevel, Shadow));
  PointList->BeginUpdate();
  PointList->Clear();
  for (const auto& q : pts) PointList->AddPoint(q);
  PointList->EndUpdate(true);
}

void ZYLShapeDraw(const TRect& Rect, vcl::TCanvas* Canvas, TZYLShapeType ShapeType,
                  TZYLTeeth* Teeth, TZYLPointList* PointList, bool Square, vcl::TBrush* Brush,
                  int8_t RoundPercent, TZYLSimpleBevel* SimpleBevel, TZYLShadow* Shadow,
                  vcl::TBitmap* Bitmap, vcl::TColor Color, vcl::TColor BackColor,
                  TZYLDrawStyleFlags Flags) {
  std::vector<TPoint> outline;
  if (PointList) {
    for (int i = 0; i < PointList->Count(); ++i) {
      TPoint q;
      if (PointList->GetPoint(i, q)) outline.push_back(q);
    }
  }
  ZYLShapePaint(Rect, Canvas,
                ZYLShapeParams(ShapeType, Teeth, Square, RoundPercent, SimpleBevel, Shadow),
                outline, Brush, Bitmap, Color, BackColor, Flags);
}

void ZYLBitmap2Icon(vcl::TBitmap* Bitmap, win::HICON& Icon, int Width, int Height) {
  Icon = nullptr;
  if (!Bitmap || Bitmap->Empty() || Width < 1 || Height < 1) return;
  vcl::TBitmap colour;
  colour.SetPixelFormat(vcl::pf24bit);
  colour.SetSize(Width, Height);
  colour.Canvas()->StretchDraw(win::TRect{0, 0, Width, Height}, Bitmap);
  vcl::TBitmap mask;
  mask.Assign(&colour);
  mask.Mask(Bitmap->TransparentColor() & 0xFFFFFF);
  // The icon shows the colour image where the mask is black and the screen where it is white:
  // the see-through pixels of the colour image become black so they add nothing.
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      if (mask.Canvas()->Pixels(x, y) != vcl::clBlack) colour.Canvas()->SetPixels(x, y, vcl::clBlack);
  // The engine reads the bitmaps unselected from any device context.
  colour.FreeContext();
  mask.FreeContext();
  win::ICONINFO info;
  info.fIcon = win::TRUE;
  info.hbmMask = mask.Handle();
  info.hbmColor = colour.Handle();
  Icon = win::CreateIconIndirect(&info);
}

void ZYLIcon2Bitmap(vcl::TBitmap* Bitmap, vcl::TIcon* Icon, vcl::TColor Color) {
  if (!Bitmap || !Icon) return;
  Bitmap->SetSize(Icon->Width(), Icon->Height());
  vcl::TCanvas* c = Bitmap->Canvas();
  c->Brush()->SetStyle(vcl::bsSolid);
  c->Brush()->SetColor(Color);
  c->FillRect(win::TRect{0, 0, Bitmap->Width(), Bitmap->Height()});
  c->Draw(0, 0, Icon);
}

}  // namespace zyl
