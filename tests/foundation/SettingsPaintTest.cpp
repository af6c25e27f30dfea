// Painting of the settings objects: bevels against their extent in every mode, fills in every
// style and tile mode (with the packed offset), gradients in all ten styles, bitmap effects.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "foundation/ZYLBevel.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/support/PixelCheck.h"

using namespace zyl;
using vcl::TColor;
using vcl::TRect;

namespace {

constexpr TColor Sentinel = 0x00FF00FF & 0xFF00FF;  // fuchsia: painted by nothing here

struct TSurface {
  vcl::TBitmap Bmp;
  TSurface(int W, int H) {
    Bmp.SetPixelFormat(vcl::pf24bit);
    Bmp.SetSize(W, H);
    Clear();
  }
  void Clear() {
    Bmp.Canvas()->Brush()->SetStyle(vcl::bsSolid);
    Bmp.Canvas()->Brush()->SetColor(Sentinel);
    Bmp.Canvas()->FillRect(TRect{0, 0, Bmp.Width(), Bmp.Height()});
  }
  TColor At(int X, int Y) { return Bmp.Canvas()->Pixels(X, Y); }
  vcl::TCanvas* Canvas() { return Bmp.Canvas(); }
  // Every pixel is the colour `want` answers for it.
  ::testing::AssertionResult Shows(const std::function<TColor(int, int)>& want,
                                   const std::string& name) {
    auto cap = win::testkit::MakeCapture(Bmp.Width(), Bmp.Height(),
                                         [&](int x, int y) { return win::COLORREF(At(x, y)); });
    return win::testkit::PixelsMatch(
        cap, [&](int x, int y) { return win::COLORREF(want(x, y)); }, name);
  }
  // The number of pixels for which `pred` holds.
  int Count(const std::function<bool(TColor, int, int)>& pred) {
    int n = 0;
    for (int y = 0; y < Bmp.Height(); ++y)
      for (int x = 0; x < Bmp.Width(); ++x) n += pred(At(x, y), x, y);
    return n;
  }
};

bool Inside(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}

// Paints the bevel into Rect of a fresh surface and checks: nothing outside Rect or inside the
// returned rectangle changes; the returned rectangle is Rect less the extent on each side; and
// (when `fullBand`) every pixel of the band between them is painted.
void CheckBevel(TZYLBevel& B, bool FullBand, const std::string& What) {
  SCOPED_TRACE(What);
  TSurface s(40, 30);
  const TRect rect{3, 2, 37, 27};
  const TRect inner = B.PaintBevel(s.Canvas(), rect, false);
  const int e = B.GetBevelExtend();
  EXPECT_EQ(inner, (TRect{rect.Left + e, rect.Top + e, rect.Right - e, rect.Bottom - e}));
  EXPECT_EQ(B.ClientRect(rect), inner);
  auto inBand = [&](int x, int y) { return Inside(rect, x, y) && !Inside(inner, x, y); };
  EXPECT_EQ(s.Count([&](TColor c, int x, int y) { return c != Sentinel && !inBand(x, y); }), 0);
  if (FullBand) {
    EXPECT_EQ(s.Count([&](TColor c, int x, int y) { return c == Sentinel && inBand(x, y); }), 0);
  }
}

}  // namespace

TEST(BevelPaint, EmptyBevelPaintsNothing) {
  TZYLBevel b;
  TSurface s(10, 10);
  const TRect r{1, 1, 9, 9};
  EXPECT_EQ(b.PaintBevel(s.Canvas(), r, false), r);
  EXPECT_TRUE(s.Shows([](int, int) { return Sentinel; }, "empty_bevel"));
}

TEST(BevelPaint, CustomModeEveryStyle) {
  for (int st = bvLowered; st <= bvShadow; ++st)
    for (int w : {1, 3}) {
      TZYLBevel b;
      b.SetColor(1, 0x00EEEEEE);
      b.SetColor(2, 0x00333333);
      b.SetBevelStyleOuter(static_cast<TZYLBevelStyle>(st));
      b.SetBevelWidthOuter(static_cast<uint8_t>(w));
      b.SetBevelStyleInner(bvRaised);
      b.SetBorderWidth(1);
      b.SetColor(0, 0x00112233);
      // The drop shadow leaves its top and left sides as they were.
      CheckBevel(b, st != bvShadow, "style " + std::to_string(st) + " width " + std::to_string(w));
    }
}

TEST(BevelPaint, CustomColoursGoWhereTheStyleSays) {
  TZYLBevel b;
  b.SetColor(1, 0x00EEEEEE);
  b.SetColor(2, 0x00333333);
  b.SetBevelStyleOuter(bvLowered);
  TSurface s(10, 10);
  b.PaintBevel(s.Canvas(), TRect{0, 0, 10, 10}, false);
  EXPECT_EQ(s.At(0, 5), 0x333333);  // lowered: shadow top and left
  EXPECT_EQ(s.At(5, 0), 0x333333);
  EXPECT_EQ(s.At(9, 5), 0xEEEEEE);  // light bottom and right
  EXPECT_EQ(s.At(5, 9), 0xEEEEEE);
  b.SetBevelStyleOuter(bvShadow);
  b.SetBevelWidthOuter(2);
  s.Clear();
  b.PaintBevel(s.Canvas(), TRect{0, 0, 10, 10}, false);
  EXPECT_EQ(s.At(0, 5), Sentinel);
  EXPECT_EQ(s.At(8, 5), 0x333333);
  EXPECT_EQ(s.At(5, 9), 0x333333);
}

TEST(BevelPaint, StandardAndWindowsModesEveryFrame) {
  for (TZYLBevelMode mode : {bmStandard, bmWindows})
    for (int st = lsNone; st <= lsDoubleLowered; ++st) {
      TZYLBevel b;
      b.SetMode(mode);
      b.SetStyle(static_cast<TZYLBorderStyle>(st));
      EXPECT_EQ(b.GetBevelExtend(), TZYLBevel::StdFrameWidth(static_cast<TZYLBorderStyle>(st)));
      if (st != lsNone) {
        EXPECT_GT(b.GetBevelExtend(), 0) << st;
      }
      CheckBevel(b, true, "mode " + std::to_string(mode) + " frame " + std::to_string(st));
    }
}

TEST(BevelPaint, EdgeModeEveryStyleAndSides) {
  for (int st = etRaisedInner; st <= etSunken; ++st) {
    TZYLBevel b;
    b.SetMode(bmEdge);
    b.SetEdgeStyle(static_cast<TZYLEdgeStyle>(st));
    EXPECT_EQ(b.GetBevelExtend(), st >= etBump ? 2 : 1);
    CheckBevel(b, true, "edge " + std::to_string(st));
  }
  // One side only: the band lies on that side.
  TZYLBevel b;
  b.SetMode(bmEdge);
  b.SetEdgeStyle(etSunken);
  b.SetBorderSides(TZYLFrameSides{fsBottom});
  TSurface s(20, 20);
  const TRect inner = b.PaintBevel(s.Canvas(), TRect{0, 0, 20, 20}, false);
  EXPECT_EQ(inner, (TRect{0, 0, 20, 18}));
  for (int x = 0; x < 20; ++x) {
    EXPECT_NE(s.At(x, 19), Sentinel);
    EXPECT_NE(s.At(x, 18), Sentinel);
    EXPECT_EQ(s.At(x, 17), Sentinel);
  }
  EXPECT_EQ(s.At(0, 5), Sentinel);
}

TEST(BevelPaint, BorderAndInnerSpace) {
  TZYLBevel b;
  b.SetBorderWidth(2);
  b.SetBorderSpace(1);
  b.SetColor(0, 0x00123456);
  TSurface s(12, 12);
  const TRect inner = b.PaintBevel(s.Canvas(), TRect{0, 0, 12, 12}, true);
  EXPECT_EQ(inner, (TRect{3, 3, 9, 9}));
  EXPECT_EQ(s.At(0, 0), 0x123456);
  EXPECT_EQ(s.At(1, 6), 0x123456);
  EXPECT_EQ(s.At(2, 6), Sentinel);  // transparent: the space is left alone
  s.Clear();
  b.PaintBevel(s.Canvas(), TRect{0, 0, 12, 12}, false);
  EXPECT_EQ(s.At(2, 6), 0x123456);
  EXPECT_EQ(s.At(3, 6), Sentinel);
}

// ---------------------------------------------------------------------------------------------
// Fills

namespace {

// A 4 x 3 picture whose pixel (x, y) has the colour Pat(x, y).
TColor Pat(int X, int Y) { return 0x000010 * (X + 1) + 0x001000 * (Y + 1); }
void MakePattern(vcl::TBitmap& B) {
  B.SetPixelFormat(vcl::pf24bit);
  B.SetSize(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) B.Canvas()->SetPixels(x, y, Pat(x, y));
}
int Mod(int a, int b) { return ((a % b) + b) % b; }

}  // namespace

TEST(FillPaint, NoneAndBrush) {
  TZYLFillObject f;
  TSurface s(10, 10);
  const TRect r{2, 2, 8, 8};
  EXPECT_FALSE(f.FillCanvas(s.Canvas(), r, vcl::clWhite));
  EXPECT_EQ(s.At(4, 4), Sentinel);
  f.SetFillStyle(sfBrush);
  f.Brush()->SetColor(0x00445566);
  EXPECT_TRUE(f.FillCanvas(s.Canvas(), r, vcl::clWhite));
  EXPECT_TRUE(
      s.Shows([&](int x, int y) { return Inside(r, x, y) ? 0x445566 : Sentinel; }, "brush"));
  // A hatched brush over the background colour (foFillInner): no pixel keeps the sentinel.
  f.Brush()->SetStyle(vcl::bsCross);
  f.Brush()->SetColor(vcl::clBlack);
  s.Clear();
  f.FillCanvas(s.Canvas(), r, vcl::clWhite);
  std::set<TColor> seen;
  for (int y = 2; y < 8; ++y)
    for (int x = 2; x < 8; ++x) seen.insert(s.At(x, y));
  EXPECT_EQ(seen.count(Sentinel), 0u);
  EXPECT_EQ(seen.count(0xFFFFFF), 1u);
}

TEST(FillPaint, BitmapTileModes) {
  vcl::TBitmap pat;
  MakePattern(pat);
  const TRect r{1, 2, 11, 10};
  for (TZYLFillStyle style : {sfBitmap, sfBitmapList, sfBrushBitmap}) {
    TZYLFillObject f;
    f.SetFillStyle(style);
    if (style == sfBitmapList) f.SetListBitmap(&pat);
    else f.SetBitmap(&pat);
    // Tiled (and the brush bitmap): the pattern starts at the rectangle's corner.
    TSurface s(14, 12);
    ASSERT_TRUE(f.FillCanvas(s.Canvas(), r, vcl::clWhite));
    EXPECT_TRUE(s.Shows(
        [&](int x, int y) {
          return Inside(r, x, y) ? Pat(Mod(x - r.Left, 4), Mod(y - r.Top, 3)) : Sentinel;
        },
        "tiled_" + std::to_string(style)));
    if (style == sfBrushBitmap) continue;
    // Centred with the background colour round it.
    f.SetTileMode(tmCenter);
    s.Clear();
    f.FillCanvas(s.Canvas(), r, vcl::clWhite);
    const int cx = r.Left + (10 - 4) / 2, cy = r.Top + (8 - 3) / 2;
    EXPECT_EQ(s.At(cx, cy), Pat(0, 0));
    EXPECT_EQ(s.At(cx + 3, cy + 2), Pat(3, 2));
    EXPECT_EQ(s.At(r.Left, r.Top), 0xFFFFFF);
    EXPECT_EQ(s.At(0, 0), Sentinel);
    // Without foFillInner the area round the picture is left alone.
    f.SetOptions(TZYLFillOptions{});
    s.Clear();
    f.FillCanvas(s.Canvas(), r, vcl::clWhite);
    EXPECT_EQ(s.At(r.Left, r.Top), Sentinel);
    // Placed by alignment and offsets.
    f.SetTileMode(tmNone);
    f.SetAlignment(agBottomRight);
    f.SetOffset(0, -1);
    s.Clear();
    f.FillCanvas(s.Canvas(), r, vcl::clWhite);
    EXPECT_EQ(s.At(r.Right - 1 - 1, r.Bottom - 1), Pat(3, 2));
    EXPECT_EQ(s.At(r.Right - 1, r.Bottom - 1), Sentinel);
    // Stretched over the whole rectangle.
    f.SetTileMode(tmStretch);
    s.Clear();
    f.FillCanvas(s.Canvas(), r, vcl::clWhite);
    EXPECT_EQ(s.At(r.Left, r.Top), Pat(0, 0));
    EXPECT_EQ(s.At(r.Right - 1, r.Bottom - 1), Pat(3, 2));
    EXPECT_EQ(s.At(r.Right, r.Bottom), Sentinel);
  }
}

TEST(FillPaint, ClipFillAlignsPatternsByThePackedOffset) {
  vcl::TBitmap pat;
  MakePattern(pat);
  for (TZYLFillStyle style : {sfBitmap, sfBrushBitmap}) {
    TZYLFillObject f;
    f.SetFillStyle(style);
    f.SetBitmap(&pat);
    const TRect r{2, 1, 12, 9};
    for (auto [offX, offY] : {std::pair{5, 7}, std::pair{-3, 2}, std::pair{0, 0}}) {
      const int ox = offX, oy = offY;  // lambdas capture variables, not bindings
      TSurface s(14, 11);
      const int32_t packed = static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(oy)) << 16) |
                                                  static_cast<uint16_t>(ox));
      ASSERT_TRUE(f.ClipFill(s.Canvas(), r, vcl::clWhite, packed));
      EXPECT_TRUE(s.Shows(
          [&](int x, int y) {
            if (!Inside(r, x, y)) return Sentinel;
            return packed == 0 ? Pat(Mod(x - r.Left, 4), Mod(y - r.Top, 3))
                               : Pat(Mod(x + ox, 4), Mod(y + oy, 3));
          },
          "clipfill_" + std::to_string(style) + "_" + std::to_string(ox)));
    }
  }
}

TEST(FillPaint, GradientStyle) {
  TZYLFillObject f;
  f.SetFillStyle(sfGradient);
  f.Gradient()->SetColor(vcl::clRed);
  f.Gradient()->SetEndColor(vcl::clBlue);
  f.Gradient()->SetStyle(gstHorizontal);
  TSurface s(20, 6);
  ASSERT_TRUE(f.ClipFill(s.Canvas(), TRect{0, 0, 16, 6}, vcl::clWhite, 0));
  EXPECT_EQ(s.At(0, 3), vcl::clRed);
  EXPECT_EQ(s.At(15, 3), vcl::clBlue);
  EXPECT_EQ(s.At(16, 3), Sentinel);
}

// ---------------------------------------------------------------------------------------------
// Gradients

TEST(GradientPaint, AllTenStyles) {
  const TColor c1 = 0x0000FF, c2 = 0xFF0000;
  const auto steps = ZYLGradientSteps(c1, c2, 16);
  const std::set<TColor> stepSet(steps.begin(), steps.end());
  auto index = [&](TColor c) {
    for (size_t i = 0; i < steps.size(); ++i)
      if (steps[i] == c) return static_cast<int>(i);
    return -1;
  };
  struct TCase {
    TZYLGradientStyle Style;
    int X1, Y1, X2, Y2;  // where Color and EndColor lie
  };
  const int n = 63;
  const TCase cases[] = {
      {gstHorizontal, 0, 10, n, 10},     {gstVertical, 10, 0, 10, n},
      {gstSquare, 0, 0, 31, 31},         {gstElliptic, 0, 0, 31, 31},
      {gstTopLeft, 0, 0, n, n},          {gstTopRight, n, 0, 0, n},
      {gstBottomLeft, 0, n, n, 0},       {gstBottomRight, n, n, 0, 0},
      {gstTopLeftDiagonal, 0, 0, n, n},  {gstTopRightDiagonal, n, 0, 0, n},
  };
  for (const TCase& tc : cases) {
    SCOPED_TRACE(static_cast<int>(tc.Style));
    TSurface s(66, 66);
    ZYLGradientPaint(s.Canvas(), TRect{0, 0, 64, 64}, c1, c2, 16, tc.Style, 0, 0);
    EXPECT_EQ(s.At(tc.X1, tc.Y1), c1);
    EXPECT_EQ(s.At(tc.X2, tc.Y2), c2);
    EXPECT_EQ(s.At(64, 64), Sentinel);
    EXPECT_EQ(s.At(64, 10), Sentinel);
    // Every pixel is a step colour, and along the line from the first to the last colour the
    // steps never go back.
    for (int y = 0; y < 64; y += 3)
      for (int x = 0; x < 64; x += 3) ASSERT_EQ(stepSet.count(s.At(x, y)), 1u) << x << "," << y;
    int last = -1;
    for (int i = 0; i <= 32; ++i) {
      const int x = tc.X1 + (tc.X2 - tc.X1) * i / 32, y = tc.Y1 + (tc.Y2 - tc.Y1) * i / 32;
      const int k = index(s.At(x, y));
      ASSERT_GE(k, last) << x << "," << y;
      last = k;
    }
    EXPECT_EQ(last, 15);
  }
}

TEST(GradientPaint, BandsOfEqualWidthAndPalette) {
  TSurface s(32, 4);
  ZYLGradientPaint(s.Canvas(), TRect{0, 0, 32, 4}, vcl::clBlack, vcl::clWhite, 4, gstHorizontal,
                   ZYLGradientUsePalette, 0);
  const TColor want[] = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
  for (int x = 0; x < 32; ++x) EXPECT_EQ(s.At(x, 2), want[x / 8]) << x;
  TZYLGradient g;
  g.SetStyle(gstVertical);
  g.SetTwoColors(false);
  g.SetColorList({vcl::clRed, vcl::clLime});
  TSurface t(3, 10);
  g.PaintGradient(t.Canvas(), TRect{0, 0, 3, 10});
  EXPECT_EQ(t.At(1, 0), vcl::clRed);
  EXPECT_EQ(t.At(1, 4), vcl::clRed);
  EXPECT_EQ(t.At(1, 5), vcl::clLime);
  // An empty rectangle paints nothing.
  t.Clear();
  g.PaintGradient(t.Canvas(), TRect{2, 2, 2, 8});
  EXPECT_EQ(t.At(2, 4), Sentinel);
}

// ---------------------------------------------------------------------------------------------
// Bitmap effects

TEST(BitmapEffects, FlipsGreyInvertBrightnessAlphaAndBuffer) {
  vcl::TBitmap b;
  MakePattern(b);
  TZYLBitmapEffectObject fx;
  fx.Draw(&b);  // nothing active: unchanged
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), Pat(0, 0));
  fx.SetBoolean(0, true);
  fx.SetBoolean(1, true);
  fx.Draw(&b);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), Pat(3, 2));
  EXPECT_EQ(b.Canvas()->Pixels(3, 1), Pat(0, 1));

  TZYLBitmapEffectObject inv;
  inv.SetBoolean(3, true);
  vcl::TBitmap one;
  one.SetPixelFormat(vcl::pf24bit);
  one.SetSize(1, 1);
  one.Canvas()->SetPixels(0, 0, 0x102030);
  inv.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0xEFDFCF);

  TZYLBitmapEffectObject gray;
  gray.SetBoolean(2, true);
  one.Canvas()->SetPixels(0, 0, 0x0000FF);  // red: 0.299 * 255 = 76.2
  gray.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0x4C4C4C);

  TZYLBitmapEffectObject bright;
  bright.SetBrightness(100);
  one.Canvas()->SetPixels(0, 0, 0x000010);
  bright.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0xFFFFFF);

  TZYLBitmapEffectObject alpha;
  alpha.Alpha()->SetActive(true);
  alpha.Alpha()->SetAlpha(0);
  alpha.Alpha()->SetColor(0x00ABCDEF);
  one.Canvas()->SetPixels(0, 0, 0);
  alpha.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0xABCDEF);

  // Buffered: the first result is reused until the buffer is dropped.
  TZYLBitmapEffectObject buf;
  buf.SetBoolean(3, true);
  buf.SetBoolean(4, true);
  one.Canvas()->SetPixels(0, 0, 0x000000);
  buf.Draw(&one);
  EXPECT_TRUE(buf.HasBuffer());
  one.Canvas()->SetPixels(0, 0, 0x0000FF);
  buf.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0xFFFFFF);
  buf.DestroyBuffer();
  one.Canvas()->SetPixels(0, 0, 0x0000FF);
  buf.Draw(&one);
  EXPECT_EQ(one.Canvas()->Pixels(0, 0), 0xFFFF00);
  buf.SetBrightness(1);  // a change drops the buffer as well
  EXPECT_FALSE(buf.HasBuffer());
}

TEST(CaptionPaint, DrawsTextInsideTheRectangle) {
  TZYLCaption c;
  EXPECT_EQ(c.Alignment(), agCenter);
  EXPECT_EQ(c.GetSetStr(), "{''}");
  c.SetCaption("Hi");
  EXPECT_EQ(c.GetSetStr(), "{'Hi'}");
  TSurface s(60, 30);
  c.DrawCaption(s.Canvas(), "WWW", TRect{10, 5, 50, 25}, TZYLDrawTextStyles{dtEnabled, dtClip},
                vcl::clBlack, 0);
  const TRect r{10, 5, 50, 25};
  EXPECT_GT(s.Count([&](TColor c, int x, int y) { return c != Sentinel && Inside(r, x, y); }), 0);
  EXPECT_EQ(s.Count([&](TColor c, int x, int y) { return c != Sentinel && !Inside(r, x, y); }), 0);
}

TEST(CaptionPaint, TextKeepsTheFontColourOverItsGround) {
  // Callers pass the colour of the ground (the control's colour); drawing the text in it
  // would make it vanish.
  TZYLCaption c;
  c.Font()->SetColor(vcl::clRed);
  TSurface s(60, 30);
  c.DrawCaption(s.Canvas(), "WWW", TRect{0, 0, 60, 30}, TZYLDrawTextStyles{dtEnabled},
                vcl::clWhite, 0);
  EXPECT_GT(s.Count([](TColor c, int, int) { return c == 0x0000FF; }), 0);
  EXPECT_EQ(s.Count([](TColor c, int, int) { return c == 0xFFFFFF; }), 0);
}

TEST(FillPaint, ClipFillOffsetMovesOnlyPatterns) {
  // Placed, centred and stretched pictures, brushes and gradients look the same with and
  // without an offset; ClipFill keeps every one of them inside the rectangle.
  vcl::TBitmap pat;
  MakePattern(pat);
  const TRect r{2, 1, 12, 9};
  const int32_t packed = (7 << 16) | 5;
  struct TSetup {
    TZYLFillStyle Style;
    TZYLTileMode Tile;
  };
  for (TSetup st : {TSetup{sfBitmap, tmNone}, TSetup{sfBitmap, tmCenter}, TSetup{sfBitmap, tmStretch},
                    TSetup{sfBitmapList, tmCenter}, TSetup{sfBrush, tmTile},
                    TSetup{sfGradient, tmTile}}) {
    TZYLFillObject f;
    f.SetFillStyle(st.Style);
    f.SetTileMode(st.Tile);
    f.SetBitmap(&pat);
    f.SetListBitmap(&pat);
    f.SetOffset(0, 8);  // a placed picture partly beyond the rectangle: clipped
    f.Brush()->SetColor(0x00224466);
    TSurface a(14, 11), b(14, 11);
    ASSERT_TRUE(f.FillCanvas(a.Canvas(), r, vcl::clWhite));
    ASSERT_TRUE(f.ClipFill(b.Canvas(), r, vcl::clWhite, packed));
    const std::string name = "offset_" + std::to_string(st.Style) + "_" + std::to_string(st.Tile);
    EXPECT_TRUE(
        b.Shows([&](int x, int y) { return Inside(r, x, y) ? a.At(x, y) : Sentinel; }, name));
    EXPECT_EQ(a.Count([&](TColor c, int x, int y) { return c != Sentinel && !Inside(r, x, y); }),
              0);
  }
}
