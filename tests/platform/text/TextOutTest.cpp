// Text metrics through a DC, TextOut and ExtTextOut.
#include <gtest/gtest.h>

#include <climits>

#include "TextTestUtil.h"

namespace {

using namespace win;
using texttest::Canvas;

struct TFontCase {
  const char* Face;
  int Height;
  int Weight;
  bool Underline;
  bool StrikeOut;
};

TEST(TextMetrics, DcReportsTheSelectedFont) {
  Canvas c(50, 50);
  ASSERT_TRUE(c.Valid());
  // The default font of a new DC is the system font.
  char name[LF_FACESIZE];
  EXPECT_EQ(GetTextFaceA(c.DC(), LF_FACESIZE, name), 7);
  EXPECT_STREQ(name, "System");
  c.SelectFont("MS Sans Serif", -11);
  TEXTMETRICA tm = c.Metrics();
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmAveCharWidth, 5);
  EXPECT_EQ(tm.tmWeight, 400);
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  EXPECT_EQ(tm.tmCharSet, ANSI_CHARSET);
  c.SelectFont("Arial", -11, FW_BOLD, true, true, true);
  tm = c.Metrics();
  EXPECT_NE(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  EXPECT_EQ(tm.tmWeight, 700);
  EXPECT_EQ(tm.tmItalic, 1);
  EXPECT_EQ(tm.tmUnderlined, 1);
  EXPECT_EQ(tm.tmStruckOut, 1);
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
}

TEST(TextMetrics, FaceNamesAfterSubstitution) {
  Canvas c(10, 10);
  char name[LF_FACESIZE];
  c.SelectFont("Helv", -11);
  GetTextFaceA(c.DC(), LF_FACESIZE, name);
  EXPECT_STREQ(name, "MS Sans Serif");
  c.SelectFont("Some Host Font That Does Not Exist", -11);
  GetTextFaceA(c.DC(), LF_FACESIZE, name);
  EXPECT_STREQ(name, "Arial");
  // Null buffer: the size needed; short buffer: truncated and terminated.
  EXPECT_EQ(GetTextFaceA(c.DC(), 0, nullptr), 6);
  char small[4];
  EXPECT_EQ(GetTextFaceA(c.DC(), 4, small), 4);
  EXPECT_STREQ(small, "Ari");
}

TEST(TextMetrics, ExtentsWidthsAndCharacterExtra) {
  Canvas c(10, 10);
  c.SelectFont("Arial", -13);
  SIZE plain = c.Extent("Hello, World");
  TEXTMETRICA tm = c.Metrics();
  EXPECT_EQ(plain.cy, tm.tmHeight);
  int widths[256];
  ASSERT_TRUE(GetCharWidthA(c.DC(), 0, 255, widths));
  int sum = 0;
  for (char ch : std::string("Hello, World")) sum += widths[static_cast<uint8_t>(ch)];
  EXPECT_EQ(plain.cx, sum);
  // Character extra comes after every character.
  SetTextCharacterExtra(c.DC(), 3);
  EXPECT_EQ(c.Extent("Hello, World").cx, plain.cx + 12 * 3);
  SetTextCharacterExtra(c.DC(), 0);
  // Zero characters: no width, still the cell height.
  EXPECT_EQ(c.Extent("").cx, 0);
  EXPECT_EQ(c.Extent("").cy, tm.tmHeight);
  // ABC widths add up to the advance for an outline font, and are refused for raster fonts.
  ABC abc[26];
  ASSERT_TRUE(GetCharABCWidthsA(c.DC(), 'a', 'z', abc));
  for (int i = 0; i < 26; ++i)
    EXPECT_EQ(abc[i].abcA + static_cast<int>(abc[i].abcB) + abc[i].abcC, widths['a' + i]);
  c.SelectFont("MS Sans Serif", -11);
  EXPECT_FALSE(GetCharABCWidthsA(c.DC(), 'a', 'z', abc));
  // Bad ranges and arguments fail cleanly.
  EXPECT_FALSE(GetCharWidthA(c.DC(), 10, 5, widths));
  EXPECT_FALSE(GetCharWidthA(c.DC(), 0, 256, widths));
  SIZE sz;
  EXPECT_FALSE(GetTextExtentPoint32A(c.DC(), "abc", -1, &sz));
  EXPECT_FALSE(GetTextExtentPoint32A(c.DC(), nullptr, 3, &sz));
  EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "abc", 3, &sz));
  EXPECT_FALSE(GetTextMetricsA(nullptr, nullptr));
}

TEST(TextMetrics, ExtentExReportsFitAndRunningWidths) {
  Canvas c(10, 10);
  c.SelectFont("Courier New", -13);  // fixed pitch keeps the arithmetic plain
  int w = c.Extent("x").cx;
  int fit = -1;
  int dx[6];
  SIZE sz;
  ASSERT_TRUE(GetTextExtentExPointA(c.DC(), "abcdef", 6, w * 3 + 1, &fit, dx, &sz));
  EXPECT_EQ(fit, 3);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(dx[i], w * (i + 1));
  EXPECT_EQ(sz.cx, w * 6);
  ASSERT_TRUE(GetTextExtentExPointA(c.DC(), "abcdef", 6, 0, &fit, nullptr, &sz));
  EXPECT_EQ(fit, 0);
}

TEST(TextOut, InkLiesWithinTheMeasuredExtent) {
  const TFontCase cases[] = {
      {"MS Sans Serif", -11, 400, false, false}, {"MS Sans Serif", -11, 700, false, false},
      {"MS Sans Serif", -13, 400, true, false},   {"Small Fonts", -9, 400, false, false},
      {"Arial", -11, 400, false, false},         {"Arial", -16, 700, false, false},
      {"Arial", -13, 400, true, true},           {"Times New Roman", -16, 400, false, false},
      {"Courier New", -13, 400, false, false},   {"Tahoma", -11, 400, false, false},
      {"Tahoma", -20, 700, false, false},        {"Courier", -13, 400, false, false},
  };
  for (const TFontCase& fc : cases) {
    for (int extra : {0, 2}) {
      Canvas c(400, 80);
      ASSERT_TRUE(c.Valid());
      c.SelectFont(fc.Face, fc.Height, fc.Weight, false, fc.Underline, fc.StrikeOut);
      SetTextCharacterExtra(c.DC(), extra);
      const std::string text = "Hello World 0123 AWMV";
      SIZE sz = c.Extent(text);
      ASSERT_TRUE(TextOutA(c.DC(), 20, 20, text.data(), static_cast<int>(text.size())));
      RECT ink = c.InkBox();
      SCOPED_TRACE(std::string(fc.Face) + " " + std::to_string(fc.Height) + " w" + std::to_string(fc.Weight) +
                   " extra " + std::to_string(extra));
      ASSERT_GT(ink.Right, ink.Left);
      EXPECT_GE(ink.Left, 20);
      EXPECT_GE(ink.Top, 20);
      EXPECT_LE(ink.Right, 20 + sz.cx);
      EXPECT_LE(ink.Bottom, 20 + sz.cy);
      // And the text really uses the extent (no large unpainted tail).
      EXPECT_GE(ink.Right, 20 + sz.cx - 2 * c.Metrics().tmMaxCharWidth);
    }
  }
}

TEST(TextOut, SyntheticItalicSpillsOnlyByTheOverhang) {
  Canvas c(300, 40);
  c.SelectFont("MS Sans Serif", -11, FW_NORMAL, true);
  TEXTMETRICA tm = c.Metrics();
  EXPECT_GT(tm.tmOverhang, 0);
  const std::string text = "Italic HIJ";
  SIZE sz = c.Extent(text);
  TextOutA(c.DC(), 10, 10, text.data(), static_cast<int>(text.size()));
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + sz.cx + tm.tmOverhang);
  EXPECT_LE(ink.Bottom, 10 + sz.cy);
}

TEST(TextOut, UnderlineAndStrikeOutAreLinesAcrossTheText) {
  Canvas c(200, 40);
  c.SelectFont("Arial", -16, FW_NORMAL, false, true);
  TEXTMETRICA tm = c.Metrics();
  SIZE sz = c.Extent("a b");
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
  bool strikeRow = false;
  for (int y = 5; y < 5 + tm.tmAscent; ++y) strikeRow = strikeRow || c.Inked(10 + sz.cx / 2, y);
  EXPECT_TRUE(strikeRow);  // the blank in the middle is struck through
}

TEST(TextOut, AlignmentLeftCenterRightAndBaseline) {
  Canvas c(300, 100);
  c.SelectFont("Arial", -20);
  TEXTMETRICA tm = c.Metrics();
  const char* text = "HHHH";
  SIZE sz = c.Extent(text);

  SetTextAlign(c.DC(), TA_RIGHT | TA_TOP);
  TextOutA(c.DC(), 200, 10, text, 4);
  RECT ink = c.InkBox();
  EXPECT_LE(ink.Right, 200);
  EXPECT_GE(ink.Left, 200 - sz.cx);
  EXPECT_GE(ink.Right, 200 - 3);

  c.Clear();
  SetTextAlign(c.DC(), TA_CENTER | TA_TOP);
  TextOutA(c.DC(), 150, 10, text, 4);
  ink = c.InkBox();
  EXPECT_GE(ink.Left, 150 - sz.cx / 2);
  EXPECT_LE(ink.Right, 150 - sz.cx / 2 + sz.cx);
  EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 150.0, 2.0);

  // "H" sits on the baseline: its lowest row is the one just above y.
  c.Clear();
  SetTextAlign(c.DC(), TA_LEFT | TA_BASELINE);
  TextOutA(c.DC(), 10, 60, text, 4);
  ink = c.InkBox();
  EXPECT_EQ(ink.Bottom, 60);
  EXPECT_GE(ink.Top, 60 - tm.tmAscent);

  c.Clear();
  SetTextAlign(c.DC(), TA_LEFT | TA_BOTTOM);
  TextOutA(c.DC(), 10, 60, text, 4);
  ink = c.InkBox();
  EXPECT_EQ(ink.Bottom, 60 - tm.tmDescent);

  c.Clear();
  SetTextAlign(c.DC(), TA_LEFT | TA_TOP);
  TextOutA(c.DC(), 10, 60, text, 4);
  ink = c.InkBox();
  EXPECT_EQ(ink.Bottom, 60 + tm.tmAscent);
}

TEST(TextOut, UpdateCpAdvancesTheCurrentPosition) {
  Canvas c(300, 60);
  c.SelectFont("Arial", -13);
  SIZE sz = c.Extent("abc");
  MoveToEx(c.DC(), 5, 10, nullptr);
  SetTextAlign(c.DC(), TA_UPDATECP);
  TextOutA(c.DC(), 100, 100, "abc", 3);  // x and y are ignored
  TextOutA(c.DC(), 100, 100, "abc", 3);
  POINT p;
  GetCurrentPositionEx(c.DC(), &p);
  EXPECT_EQ(p.X, 5 + 2 * sz.cx);
  EXPECT_EQ(p.Y, 10);
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, 5);
  EXPECT_LE(ink.Right, 5 + 2 * sz.cx);
  EXPECT_LT(ink.Bottom, 10 + sz.cy + 1);
}

TEST(TextOut, RotatedTextRunsUpwards) {
  Canvas c(120, 300);
  c.SelectFont("Arial", -16, FW_NORMAL, false, false, false, 900);
  const char* text = "Rotated text";
  SIZE sz = c.Extent(text);
  TEXTMETRICA tm = c.Metrics();
  SetTextAlign(c.DC(), TA_LEFT | TA_BASELINE);
  TextOutA(c.DC(), 60, 250, text, 12);
  RECT ink = c.InkBox();
  ASSERT_GT(ink.Bottom, ink.Top);
  EXPECT_GT(ink.Height(), ink.Width());  // 90 degrees: taller than wide
  EXPECT_LE(ink.Bottom, 250 + 1);
  EXPECT_GE(ink.Top, 250 - sz.cx - 1);
  // The ascent side of the letters faces left.
  EXPECT_GE(ink.Left, 60 - tm.tmAscent - 1);
  EXPECT_LE(ink.Right, 60 + tm.tmDescent + 1);

  // 180 degrees: upside down, running to the left.
  Canvas d(300, 100);
  d.SelectFont("Arial", -16, FW_NORMAL, false, false, false, 1800);
  SetTextAlign(d.DC(), TA_LEFT | TA_BASELINE);
  TextOutA(d.DC(), 250, 50, text, 12);
  ink = d.InkBox();
  EXPECT_GT(ink.Width(), ink.Height());
  EXPECT_LE(ink.Right, 250 + 1);
  EXPECT_GE(ink.Left, 250 - sz.cx - 1);
  EXPECT_GE(ink.Top, 50 - tm.tmDescent - 1);
}

TEST(TextOut, RotatedDrawTextTurnsAboutTheTopLeft) {
  Canvas c(120, 300);
  c.SelectFont("Arial", -16, FW_NORMAL, false, false, false, 900);
  TEXTMETRICA tm = c.Metrics();
  RECT r{50, 250, 120, 300};
  DrawTextA(c.DC(), "Upwards", -1, &r, DT_NOCLIP | DT_SINGLELINE);
  RECT ink = c.InkBox();
  ASSERT_GT(ink.Bottom, ink.Top);
  EXPECT_GT(ink.Height(), ink.Width());
  // Turned about (50, 250): the letters stand right of x = 50 and rise above y = 250.
  EXPECT_GE(ink.Left, 50 - 1);
  EXPECT_LE(ink.Right, 50 + tm.tmHeight + 1);
  EXPECT_LE(ink.Bottom, 250 + 1);
}

TEST(TextOut, ClipRegionsAndClippedRectangles) {
  Canvas c(300, 60);
  c.SelectFont("Arial", -20);
  const char* text = "WWWWWWWWWWWWWWWW";
  IntersectClipRect(c.DC(), 30, 10, 90, 25);
  TextOutA(c.DC(), 5, 5, text, 16);
  RECT ink = c.InkBox();
  ASSERT_GT(ink.Right, ink.Left);
  EXPECT_GE(ink.Left, 30);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Right, 90);
  EXPECT_LE(ink.Bottom, 25);
  SelectClipRgn(c.DC(), nullptr);

  // ETO_CLIPPED limits the text to the rectangle; ETO_OPAQUE fills it with the bk colour.
  c.Clear();
  RECT r{40, 0, 100, 60};
  SetBkColor(c.DC(), RGB(255, 0, 0));
  ExtTextOutA(c.DC(), 5, 5, ETO_CLIPPED | ETO_OPAQUE, &r, text, 16, nullptr);
  ink = c.InkBox();
  EXPECT_EQ(ink, r);
  EXPECT_EQ(c.Pixel(41, 59), 0xFF0000u);
  // Without ETO_CLIPPED the text runs beyond the rectangle.
  c.Clear();
  ExtTextOutA(c.DC(), 5, 5, ETO_OPAQUE, &r, text, 16, nullptr);
  EXPECT_LT(c.InkBox().Left, 40);
  EXPECT_GT(c.InkBox().Right, 100);
}

TEST(TextOut, OpaqueModeFillsTheTextCell) {
  Canvas c(200, 40);
  c.SelectFont("MS Sans Serif", -11);
  SetBkMode(c.DC(), OPAQUE);
  SetBkColor(c.DC(), RGB(0, 0, 255));
  SIZE sz = c.Extent("Hi there");
  TextOutA(c.DC(), 10, 10, "Hi there", 8);
  EXPECT_EQ(c.InkBox(), (RECT{10, 10, 10 + sz.cx, 10 + sz.cy}));
  int blue = 0;
  for (int y = 10; y < 10 + sz.cy; ++y)
    for (int x = 10; x < 10 + sz.cx; ++x) blue += c.Pixel(x, y) == 0x0000FFu;
  EXPECT_GT(blue, sz.cx * sz.cy / 2);
}

TEST(TextOut, DxArraySpacesTheCharacters) {
  Canvas c(200, 40);
  c.SelectFont("Arial", -13);
  const INT dx[3] = {30, 30, 30};
  ExtTextOutA(c.DC(), 10, 5, 0, nullptr, "lll", 3, dx);
  // Three separate strokes 30 pixels apart.
  std::vector<int> columns;
  for (int x = 0; x < 200; ++x) {
    bool any = false;
    for (int y = 0; y < 40; ++y) any = any || c.Inked(x, y);
    if (any && (columns.empty() || x > columns.back() + 5)) columns.push_back(x);
  }
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[1] - columns[0], 30);
  EXPECT_EQ(columns[2] - columns[1], 30);
}

TEST(TextOut, WindowOriginMovesTheText) {
  Canvas c(200, 40);
  c.SelectFont("Arial", -13);
  TextOutA(c.DC(), 20, 5, "Origin", 6);
  RECT a = c.InkBox();
  c.Clear();
  SetWindowOrgEx(c.DC(), 15, -3, nullptr);
  TextOutA(c.DC(), 20, 5, "Origin", 6);
  RECT b = c.InkBox();
  EXPECT_EQ(b.Left, a.Left - 15);
  EXPECT_EQ(b.Top, a.Top + 3);
}

TEST(TextOut, MonochromeBitmapsGetCrispText) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP mono = CreateBitmap(120, 30, 1, 1, nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, mono);
  PatBlt(dc, 0, 0, 120, 30, WHITENESS);
  LOGFONTA lf;
  lf.lfHeight = -16;
  std::memcpy(lf.lfFaceName, "Arial", 6);  // antialiased on colour surfaces
  HFONT font = CreateFontIndirectA(&lf);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 2, 2, "Mono", 4);
  auto surface = gdi::BitmapSurface(mono);
  ASSERT_TRUE(surface);
  int black = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) {
      uint32_t p = surface->Row(y)[x] & 0xFFFFFF;
      EXPECT_TRUE(p == 0 || p == 0xFFFFFF);
      black += p == 0;
    }
  EXPECT_GT(black, 20);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(mono);
  DeleteDC(dc);
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
  EXPECT_TRUE(TextOutA(c.DC(), INT32_MAX, INT32_MIN, "abc", 3));
  const INT wide[3] = {INT32_MAX, INT32_MAX, INT32_MIN};
  EXPECT_TRUE(ExtTextOutA(c.DC(), 0, 0, 0, nullptr, "abc", 3, wide));
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
