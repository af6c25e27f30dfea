#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiInternal.h"
#include "tests/platform/gdi/GdiTestUtil.h"

using namespace win;
using namespace gditest;

namespace {
// The truth-table definition of a ternary operation, bit by bit.
uint32_t Reference(uint32_t p, uint32_t s, uint32_t d, uint8_t rop) {
  uint32_t r = 0;
  for (int bit = 0; bit < 32; ++bit) {
    const int idx = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
    r |= uint32_t((rop >> idx) & 1) << bit;
  }
  return r;
}
}  // namespace

TEST(TernaryRops, EveryCodeMatchesItsTruthTable) {
  std::mt19937 rng(7);
  constexpr int n = 67;  // odd length exercises any unrolled tails
  std::vector<uint32_t> p(n), s(n), d(n), out(n);
  for (int rop = 0; rop < 256; ++rop) {
    for (int i = 0; i < n; ++i) { p[i] = rng(); s[i] = rng(); d[i] = rng(); }
    out = d;
    gdi::RopRow(out.data(), s.data(), p.data(), n, uint8_t(rop));
    for (int i = 0; i < n; ++i) {
      ASSERT_EQ(out[i], Reference(p[i], s[i], d[i], uint8_t(rop))) << "rop " << rop;
      ASSERT_EQ(gdi::RopPixel(p[i], s[i], d[i], uint8_t(rop)), out[i]) << "rop " << rop;
    }
  }
}

TEST(TernaryRops, BitBltAppliesEachCodeWithBrushAndSource) {
  std::mt19937 rng(11);
  Canvas src(9, 3), dst(9, 3);
  for (int rop = 0; rop < 256; ++rop) {
    std::vector<uint32_t> before(27);
    for (int i = 0; i < 27; ++i) {
      src.bits()[i] = rng() & 0xFFFFFF;
      dst.bits()[i] = before[i] = rng() & 0xFFFFFF;
    }
    const COLORREF brush = rng() & 0xFFFFFF;
    HBRUSH b = CreateSolidBrush(brush);
    HGDIOBJ old = SelectObject(dst.dc(), b);
    const DWORD code = DWORD(rop) << 16;
    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 9, 3, src.dc(), 0, 0, code));
    const uint32_t pp = gdi::ColorToPixel(brush);
    for (int i = 0; i < 27; ++i)
      ASSERT_EQ(dst.bits()[i], Reference(pp, src.bits()[i], before[i], uint8_t(rop))) << rop;
    SelectObject(dst.dc(), old);
    DeleteObject(b);
  }
}

TEST(TernaryRops, PatAndDarkensThroughAPatternBrush) {
  // The 8x8 checker (white and grey cells) ANDed onto a coloured area: white cells keep the
  // destination, grey cells darken it.
  Canvas c(8, 8, RGB(200, 100, 50));
  BITMAPINFO bi{};
  bi.bmiHeader.biWidth = 8;
  bi.bmiHeader.biHeight = 8;
  bi.bmiHeader.biBitCount = 32;
  void* bits;
  HBITMAP pat = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  for (int i = 0; i < 64; ++i)
    static_cast<uint32_t*>(bits)[i] = ((i / 8 + i % 8) % 2) ? 0xFFFFFF : 0x808080;
  HBRUSH b = CreatePatternBrush(pat);
  SelectObject(c.dc(), b);
  PatBlt(c.dc(), 0, 0, 8, 8, 0x00A000C9);
  int kept = 0, dark = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      if (c.At(x, y) == RGB(200, 100, 50)) ++kept;
      if (c.At(x, y) == RGB(200 & 128, 100 & 128, 50 & 128)) ++dark;
    }
  EXPECT_EQ(kept, 32);
  EXPECT_EQ(dark, 32);
  SelectObject(c.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(b);
  DeleteObject(pat);
}

TEST(MonoBlits, MonochromeSourceTakesTextAndBackgroundColours) {
  const BYTE rows[4] = {0xF0, 0, 0x0F, 0};  // rows padded to 16 bits; 1 bits = white
  MemDC mem(CreateBitmap(8, 2, 1, 1, rows));
  Canvas c(8, 2);
  SetTextColor(c.dc(), kRed);
  SetBkColor(c.dc(), kBlue);
  BitBlt(c.dc(), 0, 0, 8, 2, mem.dc, 0, 0, SRCCOPY);
  EXPECT_EQ(c.Map({{kRed, 'r'}, {kBlue, 'b'}}), Rows({"bbbbrrrr", "rrrrbbbb"}));
}

TEST(MonoBlits, ColourToMonochromeMakesTheBackgroundColourWhite) {
  Canvas c(4, 1);
  c.bits()[0] = 0x00FF00;  // green
  c.bits()[1] = 0xFF0000;  // red
  c.bits()[2] = 0x00FF00;
  c.bits()[3] = 0xFFFFFF;
  SetBkColor(c.dc(), kGreen);
  HBITMAP mono = CreateBitmap(4, 1, 1, 1, nullptr);
  MemDC mem(mono);
  EXPECT_EQ(GetDeviceCaps(mem.dc, BITSPIXEL), 1);
  BitBlt(mem.dc, 0, 0, 4, 1, c.dc(), 0, 0, SRCCOPY);
  // White is not the background colour: black.
  const COLORREF want[] = {kWhite, kBlack, kWhite, kBlack};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(GetPixel(mem.dc, x, 0), want[x]) << x;
  // Drawing colours onto a monochrome bitmap picks black or white by brightness.
  EXPECT_EQ(SetPixel(mem.dc, 0, 0, RGB(200, 200, 200)), kWhite);
  EXPECT_EQ(SetPixel(mem.dc, 1, 0, RGB(40, 40, 40)), kBlack);
  BYTE bits[2] = {0, 0};
  EXPECT_EQ(GetBitmapBits(mono, 2, bits), 2);
  EXPECT_EQ(bits[0], 0xA0);  // 1010 0000: pixels 0 and 2 white
}

TEST(Blits, OverlappingCopyWithinOneSurface) {
  Canvas c(6, 1);
  for (int i = 0; i < 6; ++i) c.bits()[i] = uint32_t(i + 1);
  BitBlt(c.dc(), 1, 0, 5, 1, c.dc(), 0, 0, SRCCOPY);
  for (int i = 1; i < 6; ++i) EXPECT_EQ(c.bits()[i], uint32_t(i));
  BitBlt(c.dc(), 0, 0, 5, 1, c.dc(), 1, 0, SRCCOPY);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(c.bits()[i], uint32_t(i + 1));
}

TEST(Blits, StretchModesWhenShrinking) {
  Canvas src(4, 1), dst(2, 1);
  src.bits()[0] = 0x000000; src.bits()[1] = 0xFFFFFF;
  src.bits()[2] = 0x404040; src.bits()[3] = 0x808080;
  SetStretchBltMode(dst.dc(), BLACKONWHITE);
  StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.bits()[0], 0x000000u);  // AND keeps black
  EXPECT_EQ(dst.bits()[1], 0x000000u);  // 0x40 & 0x80
  SetStretchBltMode(dst.dc(), WHITEONBLACK);
  StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.bits()[0], 0xFFFFFFu);
  EXPECT_EQ(dst.bits()[1], 0xC0C0C0u);
  SetStretchBltMode(dst.dc(), HALFTONE);
  StretchBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(dst.bits()[0], 0x808080u);
  EXPECT_EQ(dst.bits()[1], 0x606060u);
  // Enlarging repeats pixels; a negative width mirrors.
  Canvas big(8, 1);
  StretchBlt(big.dc(), 0, 0, 8, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(big.bits()[0], big.bits()[1]);
  EXPECT_EQ(big.bits()[6], 0x808080u);
  StretchBlt(big.dc(), 7, 0, -8, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(big.bits()[0], 0x808080u);
  EXPECT_EQ(big.bits()[7], 0x000000u);
}

TEST(Blits, ClipLimitsTheCopy) {
  Canvas src(4, 4, kRed), dst(4, 4);
  HRGN clip = CreateRectRgn(1, 1, 3, 3);
  SelectClipRgn(dst.dc(), clip);
  BitBlt(dst.dc(), 0, 0, 4, 4, src.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(dst.Count(kRed), 4);
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(0, 0), kWhite);
  DeleteObject(clip);
}

TEST(Blits, TransparentBltSkipsTheKeyColour) {
  Canvas src(3, 1), dst(6, 2, kBlue);
  src.bits()[0] = 0xFF0000;  // red
  src.bits()[1] = 0x00FF00;  // green = key
  src.bits()[2] = 0xFF0000;
  ASSERT_TRUE(TransparentBlt(dst.dc(), 0, 0, 6, 2, src.dc(), 0, 0, 3, 1, kGreen));
  EXPECT_EQ(dst.Map({{kRed, 'r'}, {kBlue, 'b'}}), Rows({"rrbbrr", "rrbbrr"}));
  EXPECT_FALSE(TransparentBlt(dst.dc(), 0, 0, 6, 2, src.dc(), 0, 0, 4, 1, kGreen));
}

TEST(Blits, AlphaBlendConstantAndPerPixel) {
  Canvas src(2, 1), dst(2, 1);
  dst.bits()[0] = dst.bits()[1] = 0x000000;
  src.bits()[0] = 0xFFFFFF;
  src.bits()[1] = 0xFFFFFF;
  BLENDFUNCTION bf{AC_SRC_OVER, 0, 128, 0};
  ASSERT_TRUE(AlphaBlend(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 2, 1, bf));
  EXPECT_EQ(dst.At(0, 0), RGB(128, 128, 128));
  // Premultiplied: a half-transparent grey over white.
  dst.bits()[0] = 0xFFFFFF;
  src.bits()[0] = 0x80404040;  // alpha 128, colour premultiplied
  bf = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ASSERT_TRUE(AlphaBlend(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, 1, 1, bf));
  EXPECT_EQ(dst.At(0, 0), RGB(64 + 127, 64 + 127, 64 + 127));
  // Source rectangles outside the source fail.
  EXPECT_FALSE(AlphaBlend(dst.dc(), 0, 0, 1, 1, src.dc(), 1, 0, 2, 1, bf));
}

TEST(Blits, GradientFillRectanglesAndTriangles) {
  Canvas c(5, 3);
  TRIVERTEX v[2] = {{0, 0, 0, 0, 0, 0}, {5, 3, 0xFF00, 0, 0, 0}};
  GRADIENT_RECT gr{0, 1};
  ASSERT_TRUE(GradientFill(c.dc(), v, 2, &gr, 1, GRADIENT_FILL_RECT_H));
  EXPECT_EQ(c.At(0, 1), RGB(0, 0, 0));
  EXPECT_EQ(c.At(4, 1), RGB(255, 0, 0));
  EXPECT_LT(GetRValue(c.At(1, 0)), GetRValue(c.At(2, 0)));
  EXPECT_EQ(c.At(2, 0), c.At(2, 2));
  Canvas t(20, 20);
  TRIVERTEX tv[3] = {{0, 0, 0xFF00, 0, 0, 0}, {20, 0, 0, 0xFF00, 0, 0}, {0, 20, 0, 0, 0xFF00, 0}};
  GRADIENT_TRIANGLE tri{0, 1, 2};
  ASSERT_TRUE(GradientFill(t.dc(), tv, 3, &tri, 1, GRADIENT_FILL_TRIANGLE));
  EXPECT_GT(GetRValue(t.At(1, 1)), 200);
  EXPECT_EQ(t.At(18, 18), kWhite);  // outside the triangle
  EXPECT_FALSE(GradientFill(t.dc(), tv, 2, &tri, 1, GRADIENT_FILL_TRIANGLE));
}

// MaskBlt picks the foreground operation where the mask is set, from a device bitmap or a 1-bit
// DIB section alike.
TEST(Blits, MaskBltTakesOneBitDibSectionsAsMasks) {
  // The same mask (1010) as a device bitmap and as a 1-bit DIB section with a colour table
  // whose entries are not black and white.
  const BYTE ddbBits[2] = {0xA0, 0};
  HBITMAP ddb = CreateBitmap(4, 1, 1, 1, ddbBits);
  struct {
    BITMAPINFOHEADER h;
    RGBQUAD colors[2];
  } info{};
  info.h.biWidth = 4;
  info.h.biHeight = 1;
  info.h.biBitCount = 1;
  info.colors[0] = {0, 0, 255, 0};
  info.colors[1] = {255, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                 &bits, nullptr, 0);
  ASSERT_NE(dib, nullptr);
  static_cast<BYTE*>(bits)[0] = 0xA0;
  Canvas src(4, 1, kRed), a(4, 1, kBlue), b(4, 1, kBlue);
  ASSERT_TRUE(MaskBlt(a.dc(), 0, 0, 4, 1, src.dc(), 0, 0, ddb, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  ASSERT_TRUE(MaskBlt(b.dc(), 0, 0, 4, 1, src.dc(), 0, 0, dib, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  EXPECT_EQ(a.Map({{kRed, 'r'}, {kBlue, 'b'}}), Rows({"rbrb"}));
  EXPECT_EQ(b.Map({{kRed, 'r'}, {kBlue, 'b'}}), a.Map({{kRed, 'r'}, {kBlue, 'b'}}));
  // A colour bitmap is no mask.
  HBITMAP colour = CreateCompatibleBitmap(nullptr, 4, 1);
  EXPECT_FALSE(MaskBlt(a.dc(), 0, 0, 4, 1, src.dc(), 0, 0, colour, 0, 0, MAKEROP4(SRCCOPY, 0x00AA0029)));
  DeleteObject(colour);
  DeleteObject(ddb);
  DeleteObject(dib);
}

// Antialiased text blends its colour over each pixel by the glyph's coverage: every channel
// becomes (colour * a + pixel * (255 - a)) / 255 rounded to nearest; no coverage leaves the pixel
// untouched and full coverage puts the colour itself.
TEST(CoverageBlend, EveryCoverageOverEveryKindOfPixel) {
  std::mt19937 rng(5);
  constexpr int w = 263, h = 4;  // rows longer than every coverage value, odd tails
  Canvas canvas(w, h);
  std::vector<uint8_t> mask(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t a;
      if (y == 0)
        a = uint8_t(x);  // every coverage value in turn
      else if (y == 1)
        a = (x / 4) % 3 == 0 ? 0 : (x / 4) % 3 == 1 ? 255 : uint8_t(rng());
      else
        a = uint8_t(rng() % 3 == 0 ? 0 : rng());
      mask[size_t(y) * w + x] = a;
    }
  for (int i = 0; i < w * h; ++i) canvas.bits()[i] = rng();  // top bytes set too
  const std::vector<uint32_t> before(canvas.bits(), canvas.bits() + w * h);
  const COLORREF color = RGB(200, 17, 99);
  const uint32_t c = (200u << 16) | (17u << 8) | 99u;
  gdi::DCObj* dc = gdi::LookupDC(canvas.dc());
  ASSERT_NE(dc, nullptr);
  gdi::PaintCoverage(*dc, 0, 0, mask.data(), w, h, w, color);
  for (int i = 0; i < w * h; ++i) {
    const uint32_t a = mask[size_t(i)], o = before[size_t(i)], got = canvas.bits()[i];
    if (a == 0) {
      ASSERT_EQ(got, o) << i;
      continue;
    }
    if (a == 255) {
      ASSERT_EQ(got & 0xFFFFFFu, c) << i;
      continue;
    }
    for (int shift : {0, 8, 16}) {
      const uint32_t cc = (c >> shift) & 0xFF, oc = (o >> shift) & 0xFF;
      ASSERT_EQ((got >> shift) & 0xFF, (cc * a + oc * (255 - a) + 127) / 255)
          << "pixel " << i << " coverage " << a << " channel " << shift;
    }
  }
  // Drawn partly off the surface, only the part on it changes, by the same rule.
  const std::vector<uint32_t> again(canvas.bits(), canvas.bits() + w * h);
  gdi::PaintCoverage(*dc, -5, 2, mask.data(), w, h, w, color);
  for (int x = 0; x < w; ++x) ASSERT_EQ(canvas.bits()[x], again[size_t(x)]) << x;
  for (int x = 0; x < w - 5; ++x) {
    const uint32_t a = mask[size_t(x + 5)], o = again[size_t(2 * w + x)];
    const uint32_t got = canvas.bits()[2 * w + x];
    const uint32_t g = (got >> 8) & 0xFF, og = (o >> 8) & 0xFF;
    ASSERT_EQ(g, (((c >> 8) & 0xFF) * a + og * (255 - a) + 127) / 255) << x;
  }
}

// Solid fills of long rows (in every alignment) put the brush's colour on exactly the rectangle.
TEST(SolidFills, LongRowsInEveryAlignmentFillExactlyTheRectangle) {
  Canvas canvas(600, 3, RGB(1, 2, 3));
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  for (int left : {0, 1, 2, 3}) {
    for (int width : {255, 256, 257, 511, 596 - left}) {
      canvas.Fill(RGB(1, 2, 3));
      const RECT r{left, 1, left + width, 2};
      ASSERT_NE(FillRect(canvas.dc(), &r, brush), 0);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 600; ++x) {
          const bool inside = y == 1 && x >= left && x < left + width;
          ASSERT_EQ(canvas.At(x, y), inside ? RGB(10, 20, 30) : RGB(1, 2, 3))
              << "left " << left << " width " << width << " at " << x << "," << y;
        }
    }
  }
  DeleteObject(brush);
}

// Fills of whole rows, on top-down and bottom-up surfaces, through no clip and through a clip
// of two bands, in a colour of four equal bytes and in one of different bytes: exactly the
// rows asked for, the rest untouched.
TEST(SolidFills, WholeRowsOfTopDownAndBottomUpSurfacesFillExactlyTheRows) {
  constexpr int w = 300, h = 8;
  const COLORREF before = RGB(1, 2, 3);
  for (bool topDown : {true, false}) {
    for (COLORREF colour : {RGB(10, 20, 30), RGB(0x5A, 0x5A, 0x5A)}) {
      for (bool clipped : {false, true}) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = topDown ? -h : h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HBITMAP bm = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bm, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bm);
        HBRUSH back = CreateSolidBrush(before), brush = CreateSolidBrush(colour);
        const RECT all{0, 0, w, h};
        FillRect(dc, &all, back);
        // The clip: rows 1-2 and rows 5-7.
        HRGN clip = CreateRectRgn(0, 1, w, 3);
        HRGN lower = CreateRectRgn(0, 5, w, h);
        CombineRgn(clip, clip, lower, RGN_OR);
        if (clipped) SelectClipRgn(dc, clip);
        const RECT rows{0, 2, w, 7};
        ASSERT_NE(FillRect(dc, &rows, brush), 0);
        SelectClipRgn(dc, nullptr);  // GetPixel answers inside the clip only
        for (int y = 0; y < h; ++y) {
          const bool inRows = y >= 2 && y < 7;
          const bool inClip = !clipped || (y >= 1 && y < 3) || y >= 5;
          const COLORREF want = inRows && inClip ? colour : before;
          for (int x : {0, 1, w / 2, w - 2, w - 1})
            ASSERT_EQ(GetPixel(dc, x, y) & 0xFFFFFF, want)
                << "top-down " << topDown << " clipped " << clipped << " at " << x << "," << y;
        }
        DeleteObject(clip);
        DeleteObject(lower);
        DeleteObject(brush);
        DeleteObject(back);
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bm);
      }
    }
  }
}
