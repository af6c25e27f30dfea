// Pixel tests of the bitmap, frame and shape routines on bitmap canvases.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "foundation/ZYLGraph.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"

using namespace zyl;
using vcl::TBitmap;
using vcl::TColor;
using win::TRect;

namespace {

std::unique_ptr<TBitmap> NewBmp(int w, int h, TColor fill) {
  auto b = std::make_unique<TBitmap>();
  b->SetPixelFormat(vcl::pf32bit);
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(fill);
  b->Canvas()->FillRect({0, 0, w, h});
  return b;
}

TColor At(TBitmap* b, int x, int y) { return b->Canvas()->Pixels(x, y); }

// The number of pixels of `b` (inside `area` when given) for which `pred` holds.
int Count(TBitmap* b, const std::function<bool(TColor, int, int)>& pred, TRect area = {}) {
  if (area.Right <= area.Left) area = {0, 0, b->Width(), b->Height()};
  int n = 0;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x) n += pred(At(b, x, y), x, y);
  return n;
}
bool Inside(const TRect& r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}
TColor Rgb(TColor c) { return vcl::ColorToRGB(c); }

// A 4 x 3 source whose pixels all differ.
std::unique_ptr<TBitmap> Source43() {
  auto b = NewBmp(4, 3, vcl::clWhite);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) b->Canvas()->SetPixels(x, y, win::RGB(40 * x + 10, 60 * y + 20, 99));
  return b;
}
TColor Src(int x, int y) { return win::RGB(40 * x + 10, 60 * y + 20, 99); }

constexpr TColor kMarker = vcl::clFuchsia;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Frames

TEST(ZYLGraphFrame, EveryStyleFillsExactlyItsWidth) {
  for (int s = lsNone; s <= lsDoubleLowered; ++s) {
    const auto style = static_cast<TZYLBorderStyle>(s);
    auto b = NewBmp(40, 30, kMarker);
    TRect r{3, 4, 37, 27};
    const TRect outer = r;
    EXPECT_TRUE(ZYLDrawStdFrame(b->Canvas(), r, style, 0));
    const int w = ZYLStdFrameWidth(style);
    EXPECT_EQ(r, (TRect{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w}))
        << "style " << s;
    // Painted exactly in the band between the rectangle before and after.
    EXPECT_EQ(Count(b.get(),
                    [&](TColor c, int x, int y) {
                      return (c != kMarker) != (Inside(outer, x, y) && !Inside(r, x, y));
                    }),
              0)
        << "style " << s;
  }
}

TEST(ZYLGraphFrame, WidthsAndStyleDifferences) {
  EXPECT_EQ(ZYLStdFrameWidth(lsNone), 0);
  EXPECT_EQ(ZYLStdFrameWidth(lsSingle), 1);
  EXPECT_EQ(ZYLStdFrameWidth(lsLoweredExt), 2);
  EXPECT_EQ(ZYLStdFrameWidth(lsWindowBorder), 3);
  EXPECT_EQ(ZYLStdFrameWidth(lsDoubleRaised), 4);
  // Raised and lowered frames mirror their colours: the top-left pixel differs.
  auto a = NewBmp(10, 10, kMarker), b = NewBmp(10, 10, kMarker);
  TRect ra{0, 0, 10, 10}, rb{0, 0, 10, 10};
  ZYLDrawStdFrame(a->Canvas(), ra, lsRaisedExt, 0);
  ZYLDrawStdFrame(b->Canvas(), rb, lsLoweredExt, 0);
  EXPECT_NE(At(a.get(), 0, 0), At(b.get(), 0, 0));
  EXPECT_NE(At(a.get(), 9, 9), At(b.get(), 9, 9));
  // Extra flags are passed on: BF_MIDDLE fills the inside.
  auto m = NewBmp(10, 10, kMarker);
  TRect rm{0, 0, 10, 10};
  ZYLDrawStdFrame(m->Canvas(), rm, lsRaised, win::BF_MIDDLE);
  EXPECT_EQ(At(m.get(), 5, 5), Rgb(vcl::clBtnFace));
  // A frame larger than the rectangle does not crash.
  TRect tiny{0, 0, 1, 1};
  EXPECT_TRUE(ZYLDrawStdFrame(m->Canvas(), tiny, lsDoubleLowered, 0));
}

TEST(ZYLGraphFrame, CtrlBorderWidth) {
  EXPECT_EQ(ZYLGetCtrlBorderWidth(true, 0, false), 0);
  EXPECT_EQ(ZYLGetCtrlBorderWidth(true, 2, false), 0);
  EXPECT_EQ(ZYLGetCtrlBorderWidth(true, ZYLFormBorderSingle, false), 2);
  EXPECT_EQ(ZYLGetCtrlBorderWidth(false, ZYLFormBorderSingle, false), 1);
  EXPECT_EQ(ZYLGetCtrlBorderWidth(true, ZYLFormBorderSingle, true), 1);
}

TEST(ZYLGraphAlign, NinePlaces) {
  const TRect src{50, 50, 54, 56};  // 4 x 6
  const TRect tgt{10, 20, 21, 40};  // 11 x 20
  const int xs[3] = {10, 13, 17}, ys[3] = {20, 27, 34};
  for (int a = agTopLeft; a <= agBottomRight; ++a) {
    const TRect r = ZYLAlignRect(static_cast<TZYLAlignment>(a), src, tgt);
    EXPECT_EQ(r, (TRect{xs[a % 3], ys[a / 3], xs[a % 3] + 4, ys[a / 3] + 6})) << a;
  }
}

// ---------------------------------------------------------------------------------------------
// Bitmaps

TEST(ZYLGraphBmp, OffsetsAndTileModes) {
  EXPECT_EQ(ZYLUnpackOffset(ZYLPackOffset(5, 7)), (win::TPoint{5, 7}));
  EXPECT_EQ(ZYLUnpackOffset(ZYLPackOffset(-3, -200)), (win::TPoint{-3, -200}));
  EXPECT_EQ(ZYLPackOffset(1, 2), 0x00020001);
  EXPECT_EQ(ZYLTileMode2DSF(tmNone), 0);
  EXPECT_EQ(ZYLTileMode2DSF(tmCenter), 0x0008);
  EXPECT_EQ(ZYLTileMode2DSF(tmStretch), 0x0010);
  EXPECT_EQ(ZYLTileMode2DSF(tmTile), 0x0020);
}

TEST(ZYLGraphBmp, PlacementGeometry) {
  const TRect d{10, 10, 30, 16};  // 20 x 6
  auto one = [&](uint16_t f) {
    auto p = ZYLBmpPlacement(d, 4, 3, f);
    EXPECT_EQ(p.size(), 1u);
    return p.empty() ? TRect{} : p[0].Dest;
  };
  EXPECT_EQ(one(0), (TRect{10, 10, 14, 13}));
  EXPECT_EQ(one(dsfCenter), (TRect{18, 11, 22, 14}));
  EXPECT_EQ(one(dsfStretch), d);
  EXPECT_EQ(one(dsfStretch | dsfKeepAspect), (TRect{16, 10, 24, 16}));  // 8 x 6, centred
  EXPECT_EQ(one(dsfStretch | dsfScaleWidth), (TRect{10, 10, 30, 25}));  // 20 x 15
  EXPECT_EQ(one(dsfStretch | dsfScaleHeight), (TRect{10, 10, 18, 16}));
  // Tiles: 5 columns x 2 rows, the last row cut to 0 .. 3 lines.
  auto tiles = ZYLBmpPlacement(d, 4, 4, dsfTile);
  ASSERT_EQ(tiles.size(), 10u);
  EXPECT_EQ(tiles.back().Dest, (TRect{26, 14, 30, 16}));
  EXPECT_EQ(tiles.back().Source, (TRect{0, 0, 4, 2}));
  // Only the visible tiles; a huge count raises instead of allocating.
  const TRect vis{14, 10, 19, 13};
  EXPECT_EQ(ZYLBmpPlacement(d, 4, 4, dsfTile, &vis).size(), 2u);
  EXPECT_THROW(ZYLBmpPlacement({0, 0, 100000, 100000}, 1, 1, dsfTile), vcl::EInvalidGraphicOperation);
  const TRect small{0, 0, 10, 10};
  EXPECT_EQ(ZYLBmpPlacement({0, 0, 100000, 100000}, 1, 1, dsfTile, &small).size(), 100u);
  // Empty source or target: nothing.
  EXPECT_TRUE(ZYLBmpPlacement(d, 0, 3, 0).empty());
  EXPECT_TRUE(ZYLBmpPlacement({5, 5, 5, 9}, 4, 3, dsfTile).empty());
}

TEST(ZYLGraphBmp, DrawsEveryPlacement) {
  auto src = Source43();
  {
    auto d = NewBmp(20, 10, vcl::clWhite);
    const TRect r = ZYLBmpDraw(d->Canvas(), {2, 1, 20, 10}, src.get(), 0, vcl::clNone);
    EXPECT_EQ(r, (TRect{2, 1, 6, 4}));
    EXPECT_EQ(At(d.get(), 2, 1), Src(0, 0));
    EXPECT_EQ(At(d.get(), 5, 3), Src(3, 2));
    EXPECT_EQ(At(d.get(), 6, 3), vcl::clWhite);
  }
  {
    auto d = NewBmp(20, 10, vcl::clWhite);
    ZYLBmpDraw(d->Canvas(), {0, 0, 20, 10}, src.get(), dsfCenter, vcl::clNone);
    EXPECT_EQ(At(d.get(), 8, 3), Src(0, 0));
    EXPECT_EQ(At(d.get(), 11, 5), Src(3, 2));
    EXPECT_EQ(At(d.get(), 7, 3), vcl::clWhite);
  }
  {
    auto d = NewBmp(8, 6, vcl::clWhite);
    ZYLBmpDraw(d->Canvas(), {0, 0, 8, 6}, src.get(), dsfStretch, vcl::clNone);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x) ASSERT_EQ(At(d.get(), x, y), Src(x / 2, y / 2)) << x << "," << y;
  }
  {
    auto d = NewBmp(11, 7, vcl::clWhite);
    const TRect r = ZYLBmpDraw(d->Canvas(), {1, 1, 11, 7}, src.get(), dsfTile, vcl::clNone);
    EXPECT_EQ(r, (TRect{1, 1, 11, 7}));
    for (int y = 1; y < 7; ++y)
      for (int x = 1; x < 11; ++x)
        ASSERT_EQ(At(d.get(), x, y), Src((x - 1) % 4, (y - 1) % 3)) << x << "," << y;
    EXPECT_EQ(At(d.get(), 0, 0), vcl::clWhite);
  }
  {
    auto d = NewBmp(20, 6, vcl::clWhite);
    const TRect r =
        ZYLBmpDraw(d->Canvas(), {0, 0, 20, 6}, src.get(), dsfStretch | dsfKeepAspect, vcl::clNone);
    EXPECT_EQ(r, (TRect{6, 0, 14, 6}));
    EXPECT_EQ(At(d.get(), 6, 0), Src(0, 0));
    EXPECT_EQ(At(d.get(), 13, 5), Src(3, 2));
    EXPECT_EQ(At(d.get(), 5, 0), vcl::clWhite);
    EXPECT_EQ(At(d.get(), 14, 5), vcl::clWhite);
  }
  // A one-pixel tile over a huge area paints the visible part.
  {
    auto one = NewBmp(1, 1, vcl::clMaroon);
    auto d = NewBmp(50, 40, vcl::clWhite);
    ZYLBmpDraw(d->Canvas(), {-100000, -100000, 100000, 100000}, one.get(), dsfTile, vcl::clNone);
    EXPECT_EQ(At(d.get(), 0, 0), vcl::clMaroon);
    EXPECT_EQ(At(d.get(), 49, 39), vcl::clMaroon);
    auto t = NewBmp(50, 40, vcl::clWhite);
    ZYLBmpDraw(t->Canvas(), {3, 2, 50, 40}, src.get(), dsfTile | dsfTransparent, Src(1, 1));
    EXPECT_EQ(At(t.get(), 3 + 1 + 4 * 9, 2 + 1 + 3 * 9), vcl::clWhite);
    EXPECT_EQ(At(t.get(), 3 + 2 + 4 * 9, 2 + 1 + 3 * 9), Src(2, 1));
  }
  // Nil and empty bitmaps draw nothing.
  auto d = NewBmp(4, 4, vcl::clWhite);
  TBitmap empty;
  EXPECT_EQ(ZYLBmpDraw(d->Canvas(), {0, 0, 4, 4}, nullptr, 0, 0), TRect{});
  EXPECT_EQ(ZYLBmpDraw(d->Canvas(), {0, 0, 4, 4}, &empty, 0, 0), TRect{});
}

TEST(ZYLGraphBmp, TransparencyFlags) {
  auto src = NewBmp(4, 4, vcl::clRed);
  src->Canvas()->SetPixels(1, 1, vcl::clLime);
  src->Canvas()->SetPixels(2, 3, vcl::clLime);
  for (uint16_t place : {uint16_t(0), dsfStretch, dsfTile}) {
    const TRect target = place == 0 ? TRect{0, 0, 4, 4} : TRect{0, 0, 8, 8};
    auto plain = NewBmp(8, 8, vcl::clBlue);
    ZYLBmpDraw(plain->Canvas(), target, src.get(), place, vcl::clLime);
    const int lx = place == dsfStretch ? 2 : 1;  // where the source's (1, 1) lands
    EXPECT_EQ(At(plain.get(), lx, lx), vcl::clLime);
    auto see = NewBmp(8, 8, vcl::clBlue);
    ZYLBmpDraw(see->Canvas(), target, src.get(), place | dsfTransparent, vcl::clLime);
    auto is = [](TColor want) { return [want](TColor c, int, int) { return c == want; }; };
    EXPECT_EQ(Count(see.get(), is(vcl::clLime), target), 0) << place;
    EXPECT_EQ(Count(see.get(), is(vcl::clBlue), target), place == 0 ? 2 : 8) << place;  // 2 a copy
    EXPECT_EQ(At(see.get(), lx, lx), vcl::clBlue);
    EXPECT_EQ(At(see.get(), 0, 0), vcl::clRed);
  }
  // Brush copy: the transparent colour takes the canvas brush.
  auto bc = NewBmp(4, 4, vcl::clBlue);
  bc->Canvas()->Brush()->SetColor(vcl::clYellow);
  ZYLBmpDraw(bc->Canvas(), {0, 0, 4, 4}, src.get(), dsfBrushCopy, vcl::clLime);
  EXPECT_EQ(At(bc.get(), 1, 1), vcl::clYellow);
  EXPECT_EQ(At(bc.get(), 0, 0), vcl::clRed);
  // A mask: the bitmap's own mask of its transparent colour.
  src->SetTransparentColor(vcl::clLime);
  auto mk = NewBmp(8, 8, vcl::clBlue);
  ZYLBmpDraw(mk->Canvas(), {0, 0, 4, 4}, src.get(), dsfMaskHandle, vcl::clNone);
  EXPECT_EQ(At(mk.get(), 1, 1), vcl::clBlue);
  EXPECT_EQ(At(mk.get(), 2, 3), vcl::clBlue);
  EXPECT_EQ(At(mk.get(), 0, 0), vcl::clRed);
  auto mks = NewBmp(8, 8, vcl::clBlue);
  ZYLBmpDraw(mks->Canvas(), {0, 0, 8, 8}, src.get(), dsfMaskHandle | dsfStretch, vcl::clNone);
  EXPECT_EQ(At(mks.get(), 2, 2), vcl::clBlue);
  EXPECT_EQ(At(mks.get(), 3, 3), vcl::clBlue);
  EXPECT_EQ(At(mks.get(), 0, 0), vcl::clRed);
  EXPECT_EQ(At(mks.get(), 7, 7), vcl::clRed);
}

TEST(ZYLGraphBmp, ClipDrawUsesThePackedOffset) {
  auto src = NewBmp(10, 10, vcl::clRed);
  auto count = [](TBitmap* b) {
    return Count(b, [](TColor c, int, int) { return c == vcl::clRed; });
  };
  auto d = NewBmp(20, 20, vcl::clWhite);
  ZYLBmpClipDraw(d->Canvas(), {0, 0, 10, 10}, src.get(), dsfClip, ZYLPackOffset(5, 0), vcl::clNone);
  EXPECT_EQ(count(d.get()), 50);
  EXPECT_EQ(At(d.get(), 4, 0), vcl::clWhite);
  EXPECT_EQ(At(d.get(), 5, 0), vcl::clRed);
  // The canvas's clip is back afterwards.
  d->Canvas()->Brush()->SetColor(vcl::clBlue);
  d->Canvas()->FillRect({0, 0, 20, 20});
  EXPECT_EQ(At(d.get(), 19, 19), vcl::clBlue);
  // Negative offsets, and the clip bit off draws unclipped.
  auto n = NewBmp(20, 20, vcl::clWhite);
  ZYLBmpClipDraw(n->Canvas(), {4, 4, 14, 14}, src.get(), dsfClip, ZYLPackOffset(-2, -3), vcl::clNone);
  EXPECT_EQ(count(n.get()), 8 * 7);
  // A part of a canvas: an 8 x 8 part, centred, clipped to the left half.
  auto part = NewBmp(20, 20, vcl::clWhite);
  const TRect painted = ZYLBmpClipDrawExt(part->Canvas(), {0, 0, 20, 20}, src->Canvas(),
                                          {1, 1, 9, 9}, dsfClip | dsfCenter,
                                          ZYLPackOffset(-10, 0), vcl::clNone);
  EXPECT_EQ(painted, (TRect{6, 6, 14, 14}));
  EXPECT_EQ(count(part.get()), 32);
  EXPECT_EQ(At(part.get(), 9, 9), vcl::clRed);
  EXPECT_EQ(At(part.get(), 10, 9), vcl::clWhite);
  auto u = NewBmp(20, 20, vcl::clWhite);
  ZYLBmpClipDraw(u->Canvas(), {0, 0, 10, 10}, src.get(), 0, ZYLPackOffset(5, 0), vcl::clNone);
  EXPECT_EQ(count(u.get()), 100);
}

TEST(ZYLGraphBmp, FillPatternAndsThePattern) {
  auto pat = NewBmp(8, 8, vcl::clWhite);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x + y) % 2) pat->Canvas()->SetPixels(x, y, vcl::clBlack);
  auto d = NewBmp(20, 20, vcl::clRed);
  ZYLFillPattern(d->Canvas()->Handle(), {2, 2, 18, 18}, pat.get());
  EXPECT_EQ(
      Count(d.get(),
            [](TColor c, int x, int y) {
              return c != (Inside({2, 2, 18, 18}, x, y) && (x + y) % 2 ? vcl::clBlack : vcl::clRed);
            }),
      0);
  // The pattern follows the brush origin (how packed offsets align patterns across controls).
  auto stripes = NewBmp(8, 8, vcl::clWhite);
  for (int y = 0; y < 8; ++y) stripes->Canvas()->SetPixels(0, y, vcl::clBlack);
  auto o = NewBmp(20, 4, vcl::clRed);
  const win::HDC dc = o->Canvas()->Handle();
  win::SetBrushOrgEx(dc, 3, 0, nullptr);
  ZYLFillPattern(dc, {0, 0, 20, 4}, stripes.get());
  win::SetBrushOrgEx(dc, 0, 0, nullptr);
  for (int x = 0; x < 20; ++x)
    EXPECT_EQ(At(o.get(), x, 2), (x % 8 == 3) ? vcl::clBlack : vcl::clRed) << x;
  ZYLFillPattern(d->Canvas()->Handle(), {0, 0, 5, 5}, nullptr);  // nothing, no crash
  ZYLFillPattern(nullptr, {0, 0, 5, 5}, pat.get());
}

TEST(ZYLGraphBmp, CreateFromRectMasksAndMaskDraw) {
  TBitmap b;
  ZYLBmpCreateFromRect(&b, {5, 5, 12, 9}, vcl::clTeal);
  EXPECT_EQ(b.Width(), 7);
  EXPECT_EQ(b.Height(), 4);
  EXPECT_EQ(b.Canvas()->Pixels(6, 3), vcl::clTeal);
  ZYLBmpCreateFromRect(&b, {5, 5, 5, 9}, vcl::clRed);  // empty: unchanged
  EXPECT_EQ(b.Width(), 7);
  ZYLBmpCreateFromRect(nullptr, {0, 0, 3, 3}, vcl::clRed);

  auto canvasBmp = NewBmp(10, 10, vcl::clWhite);
  canvasBmp->Canvas()->SetPixels(3, 3, vcl::clRed);
  TBitmap mask, pic;
  ZYLBmpCreateMasksExt(canvasBmp->Canvas(), {2, 2, 6, 6}, &mask, &pic, vcl::clWhite);
  EXPECT_EQ(pic.Width(), 4);
  EXPECT_EQ(pic.Canvas()->Pixels(1, 1), vcl::clRed);
  EXPECT_EQ(mask.Canvas()->Pixels(0, 0), vcl::clWhite);  // transparent: white
  EXPECT_EQ(mask.Canvas()->Pixels(1, 1), vcl::clBlack);

  // The mask selects where the fill shows; the fill's Color1 pixels stay see-through.
  auto m = NewBmp(6, 6, vcl::clWhite);
  m->Canvas()->SetPixels(1, 1, vcl::clBlack);
  m->Canvas()->SetPixels(2, 2, vcl::clBlack);
  auto fill = NewBmp(2, 2, vcl::clRed);
  fill->Canvas()->SetPixels(0, 0, vcl::clLime);
  auto dst = NewBmp(10, 10, vcl::clBlue);
  ZYLMaskBmpDraw(dst->Canvas(), {1, 1, 7, 7}, m.get(), fill.get(), vcl::clLime, vcl::clWhite);
  EXPECT_EQ(At(dst.get(), 2, 2), vcl::clRed);   // mask (1,1), fill (1,1)
  EXPECT_EQ(At(dst.get(), 3, 3), vcl::clBlue);  // mask (2,2), fill (0,0) = see-through
  EXPECT_EQ(At(dst.get(), 4, 4), vcl::clBlue);  // mask white
  EXPECT_EQ(At(dst.get(), 1, 1), vcl::clBlue);
}

TEST(ZYLGraphBmp, DesktopCopyHandlesBadInput) {
  TBitmap b;
  ZYLBmpFromDesktop(&b, {0, 0, 0, 10});
  EXPECT_TRUE(b.Empty());
  ZYLBmpFromDesktop(nullptr, {0, 0, 10, 10});
  ZYLBmpFromDesktop(&b, {0, 0, 8, 6});
  EXPECT_EQ(b.Width(), 8);
  EXPECT_EQ(b.Height(), 6);
}

TEST(ZYLGraphBmp, DesktopCopyTakesTheScreensPixels) {
  win::HDC screen = win::GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  win::HBRUSH red = win::CreateSolidBrush(win::RGB(255, 0, 0));
  const TRect area{100, 50, 110, 60};
  win::FillRect(screen, &area, red);
  win::DeleteObject(red);
  win::ReleaseDC(nullptr, screen);
  TBitmap b;
  ZYLBmpFromDesktop(&b, {98, 48, 106, 56});
  ASSERT_EQ(b.Width(), 8);
  EXPECT_EQ(b.Canvas()->Pixels(2, 2), vcl::clRed);
  EXPECT_EQ(b.Canvas()->Pixels(7, 7), vcl::clRed);
  EXPECT_NE(b.Canvas()->Pixels(0, 0), vcl::clRed);
}

// ---------------------------------------------------------------------------------------------
// Shapes

namespace {

struct TShapeShot {
  std::unique_ptr<TBitmap> Bmp;
  TColor At(int x, int y) const { return Bmp->Canvas()->Pixels(x, y); }
};

TShapeShot Paint(const TZYLShapeParams& p, const TRect& r, int w = 40, int h = 30) {
  TShapeShot s{NewBmp(w, h, vcl::clWhite)};
  vcl::TBrush brush;
  brush.SetColor(vcl::clRed);
  ZYLShapePaint(r, s.Bmp->Canvas(), p, {}, &brush, nullptr, vcl::clWhite, vcl::clNone, 0);
  return s;
}

}  // namespace

TEST(ZYLGraphShape, EveryShapeStaysInsideItsRect) {
  const TRect r{4, 3, 36, 27};
  for (int t = stEllipse; t <= stStar; ++t) {
    TZYLShapeParams p;
    p.ShapeType = static_cast<TZYLShapeType>(t);
    p.RoundPercent = 50;
    auto s = Paint(p, r);
    auto red = [](TColor c, int, int) { return c == vcl::clRed; };
    EXPECT_GT(Count(s.Bmp.get(), red), 0) << t;
    EXPECT_EQ(Count(s.Bmp.get(),
                    [&](TColor c, int x, int y) { return c == vcl::clRed && !Inside(r, x, y); }),
              0)
        << t;
    EXPECT_EQ(s.At(20, 15), vcl::clRed) << "centre of shape " << t;
    const bool cornerFilled = t == stRectangle;
    EXPECT_EQ(s.At(r.Left, r.Top) == vcl::clRed, cornerFilled) << t;
    EXPECT_EQ(s.At(r.Right - 1, r.Bottom - 1) == vcl::clRed, cornerFilled) << t;
    // The outline reaches the rectangle's edges for the full-size shapes.
    const auto pts = ZYLShapeOutline(r, p);
    ASSERT_FALSE(pts.empty());
    TRect box{1000, 1000, -1000, -1000};
    for (auto q : pts)
      box = {std::min(box.Left, q.X), std::min(box.Top, q.Y), std::max(box.Right, q.X + 1),
             std::max(box.Bottom, q.Y + 1)};
    EXPECT_EQ(box, r) << t;
  }
}

TEST(ZYLGraphShape, ArrowsPointTheirWay) {
  const TRect r{0, 0, 30, 30};
  TZYLShapeParams p;
  p.ShapeType = stDirectUp;
  auto up = Paint(p, r);
  EXPECT_EQ(up.At(14, 1), vcl::clRed);   // the tip
  EXPECT_EQ(up.At(1, 28), vcl::clWhite);  // beside the shaft
  p.ShapeType = stDirectRight;
  auto right = Paint(p, r);
  EXPECT_EQ(right.At(28, 14), vcl::clRed);
  EXPECT_EQ(right.At(1, 1), vcl::clWhite);
  EXPECT_EQ(right.At(27, 1), vcl::clWhite);
  p.ShapeType = stDirectDown;
  auto down = Paint(p, r);
  EXPECT_EQ(down.At(14, 28), vcl::clRed);
  EXPECT_EQ(down.At(1, 1), vcl::clWhite);
  p.ShapeType = stDirectLeft;
  auto left = Paint(p, r);
  EXPECT_EQ(left.At(1, 14), vcl::clRed);
  EXPECT_EQ(left.At(28, 1), vcl::clWhite);
}

TEST(ZYLGraphShape, RoundPercentAndSquare) {
  const TRect r{0, 0, 40, 30};
  TZYLShapeParams p;
  p.ShapeType = stRoundRect;
  p.RoundPercent = 0;
  EXPECT_EQ(Paint(p, r).At(0, 0), vcl::clRed);
  p.RoundPercent = 40;  // corner radius 6
  auto s40 = Paint(p, r);
  EXPECT_EQ(s40.At(0, 0), vcl::clWhite);
  EXPECT_EQ(s40.At(2, 2), vcl::clRed);
  p.RoundPercent = 100;  // radius 15: the short sides are half circles
  auto s100 = Paint(p, r);
  EXPECT_EQ(s100.At(2, 2), vcl::clWhite);
  EXPECT_EQ(s100.At(0, 15), vcl::clRed);
  p.RoundPercent = 127;  // clamped to 100
  EXPECT_EQ(ZYLShapeOutline(r, p), ZYLShapeOutline(r, [&] { auto q = p; q.RoundPercent = 100; return q; }()));
  p.RoundPercent = -5;  // clamped to 0
  EXPECT_EQ(Paint(p, r).At(0, 0), vcl::clRed);
  // Square: a centred square of the shorter side.
  TZYLShapeParams sq;
  sq.Square = true;
  EXPECT_EQ(ZYLShapeRect(r, sq), (TRect{5, 0, 35, 30}));
  auto s = Paint(sq, r);
  EXPECT_EQ(s.At(4, 10), vcl::clWhite);
  EXPECT_EQ(s.At(5, 10), vcl::clRed);
  EXPECT_EQ(s.At(34, 10), vcl::clRed);
  EXPECT_EQ(s.At(35, 10), vcl::clWhite);
}

TEST(ZYLGraphShape, TeethZigZagOnTheirSide) {
  const TRect r{0, 0, 40, 30};
  TZYLShapeParams p;
  p.HasTeeth = true;
  p.TeethDirection = tdRight;
  p.TeethWidth = 6;
  p.TeethCount = 3;
  EXPECT_EQ(ZYLShapeRect(r, p), (TRect{0, 0, 34, 30}));
  auto s = Paint(p, r);
  // Tips at the middle of each tenth of the height reach column 39; the bases do not.
  EXPECT_EQ(s.At(39, 4), vcl::clRed);
  EXPECT_EQ(s.At(39, 14), vcl::clRed);
  EXPECT_EQ(s.At(38, 9), vcl::clWhite);
  EXPECT_EQ(s.At(33, 9), vcl::clRed);
  // The other sides.
  for (auto dir : {tdLeft, tdDown, tdUp}) {
    TZYLShapeParams q = p;
    q.TeethDirection = dir;
    q.TeethHeight = 5;
    auto t = Paint(q, r);
    const int red = Count(t.Bmp.get(), [](TColor c, int, int) { return c == vcl::clRed; });
    EXPECT_GT(red, 30 * 25) << dir;
    EXPECT_LT(red, 40 * 30) << dir;
  }
  // Height 0 on a vertical direction: no teeth at all.
  TZYLShapeParams none = p;
  none.TeethDirection = tdDown;
  none.TeethHeight = 0;
  EXPECT_EQ(ZYLShapeRect(r, none), r);
  // A huge tooth count is limited by the edge's length.
  TZYLShapeParams many = p;
  many.TeethCount = 1000000;
  EXPECT_LE(ZYLShapeOutline(r, many).size(), 40u);
}

TEST(ZYLGraphShape, ShadowAndBevel) {
  const TRect r{0, 0, 30, 30};
  TZYLShapeParams p;
  p.ShadowStyle = hssSolid;
  p.ShadowDepth = 4;
  p.ShadowColor = vcl::clBlack;
  auto s = Paint(p, r);
  EXPECT_EQ(s.At(25, 25), vcl::clRed);
  EXPECT_EQ(s.At(28, 28), vcl::clBlack);
  EXPECT_EQ(s.At(28, 1), vcl::clWhite);  // above the shadow's top
  EXPECT_EQ(s.At(1, 28), vcl::clWhite);
  p.ShadowStyle = hssTracing;
  auto t = Paint(p, r);
  const TRect band{5, 27, 25, 30};
  EXPECT_EQ(Count(
                t.Bmp.get(), [](TColor c, int, int) { return c == vcl::clBlack; }, band),
            30);
  EXPECT_EQ(Count(
                t.Bmp.get(), [](TColor c, int, int) { return c == vcl::clWhite; }, band),
            30);

  TZYLShapeParams b;
  b.BevelWidth = 2;
  b.BevelStyle = sbInset;
  b.BevelShadowColor = vcl::clNavy;
  b.BevelLightColor = vcl::clYellow;
  auto v = Paint(b, r);
  EXPECT_EQ(v.At(10, 0), vcl::clNavy);
  EXPECT_EQ(v.At(10, 1), vcl::clNavy);
  EXPECT_EQ(v.At(10, 2), vcl::clRed);
  EXPECT_EQ(v.At(10, 29), vcl::clYellow);
  EXPECT_EQ(v.At(29, 10), vcl::clYellow);
  EXPECT_EQ(v.At(0, 10), vcl::clNavy);
  b.BevelStyle = sbOffset;
  auto o = Paint(b, r);
  EXPECT_EQ(o.At(10, 0), vcl::clYellow);
  EXPECT_EQ(o.At(10, 29), vcl::clNavy);
  b.BevelStyle = sbNormal;
  b.BevelColor = vcl::clGreen;
  auto n = Paint(b, r);
  EXPECT_EQ(n.At(10, 0), vcl::clGreen);
  EXPECT_EQ(n.At(10, 29), vcl::clGreen);
}

TEST(ZYLGraphShape, BitmapFillIsClippedToTheShape) {
  const TRect r{0, 0, 30, 30};
  auto fill = NewBmp(4, 4, vcl::clLime);
  auto d = NewBmp(30, 30, vcl::clWhite);
  TZYLShapeParams p;
  p.ShapeType = stDiamond;
  ZYLShapePaint(r, d->Canvas(), p, {}, nullptr, fill.get(), vcl::clRed, vcl::clNone, dsfTile);
  EXPECT_EQ(At(d.get(), 15, 15), vcl::clLime);
  // A polygon region samples pixels at their integer points: the top tip (a single point of
  // the outline) holds no pixel, the row under it does.
  EXPECT_EQ(At(d.get(), 15, 0), vcl::clWhite);
  EXPECT_EQ(At(d.get(), 15, 1), vcl::clLime);
  EXPECT_EQ(At(d.get(), 29, 15), vcl::clLime);  // the right tip
  EXPECT_EQ(At(d.get(), 2, 2), vcl::clWhite);
  EXPECT_EQ(At(d.get(), 27, 27), vcl::clWhite);
}

namespace {
class TChangeCounter : public vcl::TObject {
 public:
  int Count = 0;
  void Changed(vcl::TObject*) { ++Count; }
};
}  // namespace

TEST(ZYLGraphShape, CalcAndDrawThroughTheSettingsObjects) {
  const TRect r{0, 0, 40, 30};
  TZYLTeeth teeth;
  TZYLShadow shadow;
  TZYLSimpleBevel bevel;
  TZYLPointList list;
  TChangeCounter counter;
  list.SetOnChange(vcl::TNotifyEvent(&counter, &TChangeCounter::Changed));
  ZYLShapeCalc(r, stOctagon, nullptr, false, nullptr, 0, &bevel, &shadow, &list);
  EXPECT_EQ(counter.Count, 1);  // one change for the whole outline
  const auto expect = ZYLShapeOutline(
      r, ZYLShapeParams(stOctagon, nullptr, false, 0, &bevel, &shadow));
  ASSERT_EQ(list.Count(), static_cast<int>(expect.size()));
  for (int i = 0; i < list.Count(); ++i) {
    vcl::TPoint q;
    ASSERT_TRUE(list.GetPoint(i, q));
    EXPECT_EQ(q, expect[i]);
  }
  // The default shadow (depth 6) shrinks the shape; teeth default to the right side.
  const TZYLShapeParams p = ZYLShapeParams(stRectangle, &teeth, false, 0, &bevel, &shadow);
  EXPECT_EQ(p.ShadowDepth, 6);
  EXPECT_EQ(p.BevelWidth, 2);
  EXPECT_EQ(ZYLShapeRect(r, p), (TRect{0, 0, 24, 24}));
  // Drawing with the stored outline and with none gives the same picture.
  auto a = NewBmp(40, 30, vcl::clWhite), b = NewBmp(40, 30, vcl::clWhite);
  vcl::TBrush brush;
  brush.SetColor(vcl::clRed);
  ZYLShapeDraw(r, a->Canvas(), stOctagon, nullptr, &list, false, &brush, 0, &bevel, &shadow,
               nullptr, vcl::clWhite, vcl::clNone, 0);
  ZYLShapeDraw(r, b->Canvas(), stOctagon, nullptr, nullptr, false, &brush, 0, &bevel, &shadow,
               nullptr, vcl::clWhite, vcl::clNone, 0);
  EXPECT_EQ(Count(a.get(), [&](TColor c, int x, int y) { return c != At(b.get(), x, y); }), 0);
  // Degenerate rectangles paint nothing and give no outline.
  ZYLShapeCalc({5, 5, 5, 20}, stStar, nullptr, false, nullptr, 0, nullptr, nullptr, &list);
  EXPECT_EQ(list.Count(), 0);
  ZYLShapeDraw({5, 5, 3, 3}, a->Canvas(), stStar, &teeth, nullptr, true, nullptr, -100, &bevel,
               &shadow, nullptr, vcl::clRed, vcl::clNone, 0);
}

TEST(ZYLGraphWindow, InvalidateRectMarksTheWindow) {
  win::WNDCLASSA wc;
  wc.lpfnWndProc = win::DefWindowProcA;
  wc.lpszClassName = "ZYLGraphTestWindow";
  win::RegisterClassA(&wc);
  win::HWND w = win::CreateWindowExA(0, "ZYLGraphTestWindow", "", win::WS_POPUP | win::WS_VISIBLE,
                                     10, 10, 100, 80, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  win::ValidateRect(w, nullptr);
  TRect u{};
  EXPECT_FALSE(win::GetUpdateRect(w, &u, win::FALSE));
  ZYLInvalidateRect(w, {5, 6, 20, 30}, 0);
  EXPECT_TRUE(win::GetUpdateRect(w, &u, win::FALSE));
  EXPECT_EQ(u, (TRect{5, 6, 20, 30}));
  win::DestroyWindow(w);
}
