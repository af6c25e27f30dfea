// Text metrics through a DC, TextOut and ExtTextOut.
#include <gtest/gtest.h>

#include <climits>

#include "TextTestUtil.h"

namespace {

using namespace win;
using texttest::Canvas;
using texttest::InkWithin;

std::string Face(HDC dc, int size = LF_FACESIZE) {
  char name[LF_FACESIZE] = {};
  GetTextFaceA(dc, size, name);
  return name;
}

TEST(TextMetrics, DcReportsTheSelectedFontAfterSubstitution) {
  Canvas c(50, 50);
  ASSERT_TRUE(c.Valid());
  char name[LF_FACESIZE];
  EXPECT_EQ(GetTextFaceA(c.DC(), LF_FACESIZE, name), 7);
  EXPECT_STREQ(name, "System");  // the default font of a new DC
  c.SelectFont("Arial", -11, FW_BOLD, true, true, true);
  TEXTMETRICA tm = c.Metrics();
  EXPECT_NE(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  EXPECT_EQ((std::vector<int>{tm.tmWeight, tm.tmItalic, tm.tmUnderlined, tm.tmStruckOut}),
            (std::vector<int>{700, 1, 1, 1}));
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
  c.SelectFont("Helv", -11);
  EXPECT_EQ(Face(c.DC()), "MS Sans Serif");
  tm = c.Metrics();  // the strike's own metrics
  EXPECT_EQ((std::vector<int>{tm.tmHeight, tm.tmAscent, tm.tmDescent, tm.tmInternalLeading,
                              tm.tmAveCharWidth, tm.tmWeight}),
            (std::vector<int>{13, 11, 2, 2, 5, 400}));
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  c.SelectFont("Some Host Font That Does Not Exist", -11);
  EXPECT_EQ(Face(c.DC()), "Arial");
  // Null buffer: the size needed; short buffer: truncated and terminated.
  EXPECT_EQ(GetTextFaceA(c.DC(), 0, nullptr), 6);
  EXPECT_EQ(GetTextFaceA(c.DC(), 4, std::vector<char>(4).data()), 4);
  EXPECT_EQ(Face(c.DC(), 4), "Ari");
}

TEST(TextMetrics, ExtentsWidthsAndCharacterExtra) {
  Canvas c(10, 10);
  c.SelectFont("Arial", -13);
  const std::string text = "Hello, World";
  SIZE plain = c.Extent(text);
  EXPECT_EQ(plain.cy, c.Metrics().tmHeight);
  int widths[256], sum = 0;
  ASSERT_TRUE(GetCharWidthA(c.DC(), 0, 255, widths));
  for (char ch : text) sum += widths[static_cast<uint8_t>(ch)];
  EXPECT_EQ(plain.cx, sum);
  SetTextCharacterExtra(c.DC(), 3);  // after every character
  EXPECT_EQ(c.Width(text), plain.cx + 12 * 3);
  SetTextCharacterExtra(c.DC(), 0);
  EXPECT_EQ(c.Extent(""), (SIZE{0, plain.cy}));  // no width, still the cell height
  // ABC widths add up to the advance for an outline font, and are refused for raster fonts.
  ABC abc[26];
  ASSERT_TRUE(GetCharABCWidthsA(c.DC(), 'a', 'z', abc));
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(abc[i].abcA + static_cast<int>(abc[i].abcB) + abc[i].abcC, widths['a' + i]);
  c.SelectFont("MS Sans Serif", -11);
  EXPECT_FALSE(GetCharABCWidthsA(c.DC(), 'a', 'z', abc));
  // Bad ranges and arguments fail cleanly.
  SIZE sz;
  EXPECT_FALSE(GetCharWidthA(c.DC(), 10, 5, widths));
  EXPECT_FALSE(GetCharWidthA(c.DC(), 0, 256, widths));
  EXPECT_FALSE(GetTextExtentPoint32A(c.DC(), "abc", -1, &sz));
  EXPECT_FALSE(GetTextExtentPoint32A(c.DC(), nullptr, 3, &sz));
  EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "abc", 3, &sz));
  EXPECT_FALSE(GetTextMetricsA(nullptr, nullptr));
  // The fit and the running widths (fixed pitch keeps the arithmetic plain).
  c.SelectFont("Courier New", -13);
  const int w = c.Width("x");
  int fit = -1, dx[6];
  ASSERT_TRUE(GetTextExtentExPointA(c.DC(), "abcdef", 6, w * 3 + 1, &fit, dx, &sz));
  EXPECT_EQ(fit, 3);
  EXPECT_EQ(std::vector<int>(dx, dx + 6), (std::vector<int>{w, 2 * w, 3 * w, 4 * w, 5 * w, 6 * w}));
  EXPECT_EQ(sz.cx, w * 6);
  ASSERT_TRUE(GetTextExtentExPointA(c.DC(), "abcdef", 6, 0, &fit, nullptr, &sz));
  EXPECT_EQ(fit, 0);
}

TEST(TextOut, InkLiesWithinTheMeasuredExtentAndUsesIt) {
  const struct {
    const char* Face;
    int Height, Weight;
    bool Italic, Underline, StrikeOut;
  } cases[] = {{"MS Sans Serif", -11, 400, 0, 0, 0},   {"MS Sans Serif", -11, 700, 0, 0, 0},
               {"MS Sans Serif", -13, 400, 0, 1, 0},   {"MS Sans Serif", -11, 400, 1, 0, 0},
               {"Small Fonts", -9, 400, 0, 0, 0},      {"Arial", -11, 400, 0, 0, 0},
               {"Arial", -16, 700, 0, 0, 0},           {"Arial", -13, 400, 0, 1, 1},
               {"Times New Roman", -16, 400, 0, 0, 0}, {"Courier New", -13, 400, 0, 0, 0},
               {"Tahoma", -11, 400, 0, 0, 0},          {"Tahoma", -20, 700, 0, 0, 0},
               {"Courier", -13, 400, 0, 0, 0}};
  for (const auto& k : cases) {
    for (int extra : {0, 2}) {
      Canvas c(400, 80);
      c.SelectFont(k.Face, k.Height, k.Weight, k.Italic, k.Underline, k.StrikeOut);
      SetTextCharacterExtra(c.DC(), extra);
      const std::string text = k.Italic ? "Italic HIJ" : "Hello World 0123 AWMV";
      const SIZE sz = c.Extent(text);
      const TEXTMETRICA tm = c.Metrics();
      ASSERT_TRUE(TextOutA(c.DC(), 20, 20, text.data(), static_cast<int>(text.size())));
      SCOPED_TRACE(std::string(k.Face) + " " + std::to_string(k.Height) + " extra " +
                   std::to_string(extra));
      // Synthetic italic spills only by the overhang; no large unpainted tail.
      EXPECT_TRUE(!k.Italic || tm.tmOverhang > 0);
      EXPECT_TRUE(InkWithin(c, {20, 20, 20 + sz.cx + (k.Italic ? tm.tmOverhang : 0), 20 + sz.cy}));
      EXPECT_GE(c.InkBox().Right, 20 + sz.cx - 2 * tm.tmMaxCharWidth);
    }
  }
}

TEST(TextOut, UnderlineAndStrikeOutAreLinesAcrossTheText) {
  Canvas c(200, 40);
  c.SelectFont("Arial", -16, FW_NORMAL, false, true);
  const TEXTMETRICA tm = c.Metrics();
  const SIZE sz = c.Extent("a b");
  TextOutA(c.DC(), 10, 5, "a b", 3);
  // Some row below the baseline is inked along the whole width, including under the blank.
  bool fullRow = false;
  for (int y = 5 + tm.tmAscent; y < 5 + tm.tmHeight; ++y) {
    bool all = true;
    for (int x = 10; x < 10 + sz.cx; ++x) all = all && c.Inked(x, y);
    fullRow = fullRow || all;
  }
  EXPECT_TRUE(fullRow);
  c.Clear();
  c.SelectFont("Arial", -16, FW_NORMAL, false, false, true);
  TextOutA(c.DC(), 10, 5, "a b", 3);
  bool strikeRow = false;  // the blank in the middle is struck through
  for (int y = 5; y < 5 + tm.tmAscent; ++y) strikeRow = strikeRow || c.Inked(10 + sz.cx / 2, y);
  EXPECT_TRUE(strikeRow);
}

TEST(TextOut, AlignmentToTheReferencePoint) {
  Canvas c(300, 100);
  c.SelectFont("Arial", -20);
  const TEXTMETRICA tm = c.Metrics();
  const int w = c.Width("HHHH"), a = tm.tmAscent, d = tm.tmDescent;
  // "H" sits on the baseline: its lowest row is the one just above the baseline.
  const struct {
    UINT Align;
    int X, Y;
    RECT Ink;
    int Bottom;  // exact bottom of the ink, -1: not checked
  } cases[] = {{TA_RIGHT | TA_TOP, 200, 10, {200 - w, 10, 200, 10 + a}, -1},
               {TA_CENTER | TA_TOP, 150, 10, {150 - w / 2, 10, 150 - w / 2 + w, 10 + a}, -1},
               {TA_LEFT | TA_BASELINE, 10, 60, {10, 60 - a, 10 + w, 60}, 60},
               {TA_LEFT | TA_BOTTOM, 10, 60, {10, 60 - a - d, 10 + w, 60 - d}, 60 - d},
               {TA_LEFT | TA_TOP, 10, 60, {10, 60, 10 + w, 60 + a}, 60 + a}};
  for (const auto& k : cases) {
    c.Clear();
    SetTextAlign(c.DC(), k.Align);
    TextOutA(c.DC(), k.X, k.Y, "HHHH", 4);
    EXPECT_TRUE(InkWithin(c, k.Ink)) << k.Align;
    const RECT ink = c.InkBox();
    EXPECT_TRUE(k.Bottom < 0 || ink.Bottom == k.Bottom) << k.Align << ": " << ink.Bottom;
    EXPECT_TRUE((k.Align & TA_CENTER) != TA_RIGHT || ink.Right >= k.X - 3) << ink.Right;
    EXPECT_TRUE((k.Align & TA_CENTER) != TA_CENTER || std::abs(ink.Left + ink.Right - 2 * k.X) <= 4)
        << ink.Left << " " << ink.Right;
  }
}

TEST(TextOut, UpdateCpAdvancesTheCurrentPosition) {
  Canvas c(300, 60);
  c.SelectFont("Arial", -13);
  const SIZE sz = c.Extent("abc");
  MoveToEx(c.DC(), 5, 10, nullptr);
  SetTextAlign(c.DC(), TA_UPDATECP);
  TextOutA(c.DC(), 100, 100, "abc", 3);  // x and y are ignored
  TextOutA(c.DC(), 100, 100, "abc", 3);
  POINT p;
  GetCurrentPositionEx(c.DC(), &p);
  EXPECT_EQ(p, (POINT{5 + 2 * sz.cx, 10}));
  EXPECT_TRUE(InkWithin(c, {5, 10, 5 + 2 * sz.cx, 10 + sz.cy}));
}

TEST(TextOut, RotatedText) {
  const char* text = "Rotated text";
  const struct {
    int Escapement, Width, Height, X, Y;
    bool Tall;
  } cases[] = {{900, 120, 300, 60, 250, true}, {1800, 300, 100, 250, 50, false}};
  for (const auto& k : cases) {
    Canvas c(k.Width, k.Height);
    c.SelectFont("Arial", -16, FW_NORMAL, false, false, false, k.Escapement);
    const SIZE sz = c.Extent(text);
    const TEXTMETRICA tm = c.Metrics();
    SetTextAlign(c.DC(), TA_LEFT | TA_BASELINE);
    TextOutA(c.DC(), k.X, k.Y, text, 12);
    const RECT ink = c.InkBox();
    EXPECT_EQ(ink.Height() > ink.Width(), k.Tall) << k.Escapement;
    // 90 degrees runs upwards, the ascent side facing left; 180 degrees runs to the left,
    // upside down.
    const RECT bounds =
        k.Tall ? RECT{k.X - tm.tmAscent - 1, k.Y - sz.cx - 1, k.X + tm.tmDescent + 1, k.Y + 1}
               : RECT{k.X - sz.cx - 1, k.Y - tm.tmDescent - 1, k.X + 1, k.Height};
    EXPECT_TRUE(InkWithin(c, bounds)) << k.Escapement;
  }
  // DrawText turns about the rectangle's top-left corner: right of x = 50, above y = 250.
  Canvas c(120, 300);
  c.SelectFont("Arial", -16, FW_NORMAL, false, false, false, 900);
  RECT r{50, 250, 120, 300};
  DrawTextA(c.DC(), "Upwards", -1, &r, DT_NOCLIP | DT_SINGLELINE);
  EXPECT_GT(c.InkBox().Height(), c.InkBox().Width());
  EXPECT_TRUE(InkWithin(c, {49, 0, 50 + c.Metrics().tmHeight + 1, 251}));
}

TEST(TextOut, ClipRegionsClippedAndOpaqueRectangles) {
  Canvas c(300, 60);
  c.SelectFont("Arial", -20);
  const char* text = "WWWWWWWWWWWWWWWW";
  IntersectClipRect(c.DC(), 30, 10, 90, 25);
  TextOutA(c.DC(), 5, 5, text, 16);
  EXPECT_TRUE(InkWithin(c, {30, 10, 90, 25}));
  SelectClipRgn(c.DC(), nullptr);
  // ETO_CLIPPED limits the text to the rectangle; ETO_OPAQUE fills it with the bk colour.
  c.Clear();
  const RECT r{40, 0, 100, 60};
  SetBkColor(c.DC(), RGB(255, 0, 0));
  ExtTextOutA(c.DC(), 5, 5, ETO_CLIPPED | ETO_OPAQUE, &r, text, 16, nullptr);
  EXPECT_EQ(c.InkBox(), r);
  EXPECT_EQ(c.Pixel(41, 59), 0xFF0000u);
  c.Clear();  // without ETO_CLIPPED the text runs beyond it
  ExtTextOutA(c.DC(), 5, 5, ETO_OPAQUE, &r, text, 16, nullptr);
  EXPECT_LT(c.InkBox().Left, 40);
  EXPECT_GT(c.InkBox().Right, 100);
  // The opaque mode fills the text's cell.
  c.Clear();
  c.SelectFont("MS Sans Serif", -11);
  SetBkMode(c.DC(), OPAQUE);
  SetBkColor(c.DC(), RGB(0, 0, 255));
  const SIZE sz = c.Extent("Hi there");
  TextOutA(c.DC(), 10, 10, "Hi there", 8);
  EXPECT_EQ(c.InkBox(), (RECT{10, 10, 10 + sz.cx, 10 + sz.cy}));
  int blue = 0;
  for (int y = 10; y < 10 + sz.cy; ++y)
    for (int x = 10; x < 10 + sz.cx; ++x) blue += c.Pixel(x, y) == 0x0000FFu;
  EXPECT_GT(blue, sz.cx * sz.cy / 2);
}

TEST(TextOut, DxArrayAndWindowOriginPlaceTheCharacters) {
  Canvas c(200, 40);
  c.SelectFont("Arial", -13);
  const INT dx[3] = {30, 30, 30};
  ExtTextOutA(c.DC(), 10, 5, 0, nullptr, "lll", 3, dx);
  std::vector<int> strokes;  // three separate strokes 30 pixels apart
  for (int x = 0; x < 200; ++x)
    if (c.ColumnInked(x) && (strokes.empty() || x > strokes.back() + 5)) strokes.push_back(x);
  ASSERT_EQ(strokes.size(), 3u);
  EXPECT_EQ(strokes[1] - strokes[0], 30);
  EXPECT_EQ(strokes[2] - strokes[1], 30);
  c.Clear();
  TextOutA(c.DC(), 20, 5, "Origin", 6);
  const RECT a = c.InkBox();
  c.Clear();
  SetWindowOrgEx(c.DC(), 15, -3, nullptr);
  TextOutA(c.DC(), 20, 5, "Origin", 6);
  EXPECT_EQ(c.InkBox(), (RECT{a.Left - 15, a.Top + 3, a.Right - 15, a.Bottom + 3}));
}

TEST(TextOut, MonochromeBitmapsGetCrispText) {
  Canvas c(120, 30, 1);
  c.SelectFont("Arial", -16);  // antialiased on colour surfaces
  TextOutA(c.DC(), 2, 2, "Mono", 4);
  int black = 0, grey = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) {
      black += c.Pixel(x, y) == 0;
      grey += c.Pixel(x, y) != 0 && c.Pixel(x, y) != 0xFFFFFF;
    }
  EXPECT_EQ(grey, 0);
  EXPECT_GT(black, 20);
}

TEST(TextOut, BadArgumentsFailWithoutPainting) {
  Canvas c(50, 20);
  EXPECT_FALSE(TextOutA(c.DC(), 0, 0, nullptr, 3));
  EXPECT_FALSE(TextOutA(c.DC(), 0, 0, "abc", -1));
  EXPECT_FALSE(TextOutA(nullptr, 0, 0, "abc", 3));
  EXPECT_FALSE(ExtTextOutA(c.DC(), 0, 0, 0, nullptr, "abc", 0x7FFFFFFFu, nullptr));
  EXPECT_TRUE(TextOutA(c.DC(), 0, 0, "", 0));
  // Far outside the bitmap: accepted, nothing painted, nothing allocated for it.
  EXPECT_TRUE(TextOutA(c.DC(), 1000000000, -1000000000, "abc", 3));
  const INT wide[3] = {INT32_MAX, INT32_MAX, INT32_MIN};
  EXPECT_TRUE(ExtTextOutA(c.DC(), 0, 0, 0, nullptr, "abc", 3, wide));
  EXPECT_TRUE(TextOutA(c.DC(), INT32_MAX, INT32_MIN, "abc", 3));
  SetTextCharacterExtra(c.DC(), INT32_MAX);
  SIZE sz;
  EXPECT_TRUE(GetTextExtentPoint32A(c.DC(), "abcd", 4, &sz));
  EXPECT_GT(sz.cx, 0);
  SetTextCharacterExtra(c.DC(), 0);
  c.Clear();
  EXPECT_TRUE(TextOutA(c.DC(), INT32_MAX, INT32_MIN, "abc", 3));
  EXPECT_EQ(c.InkCount(), 0);
}

}  // namespace
