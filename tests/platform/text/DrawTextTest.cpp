// DrawText: alignment, line breaking, prefixes, tabs, ellipses, DT_CALCRECT.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "TextTestUtil.h"

namespace {

using namespace win;
using texttest::Canvas;
using texttest::InkWithin;

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : c(400, 200) {
    c.SelectFont("MS Sans Serif", -11);
    tm = c.Metrics();
  }
  int Width(const std::string& s) { return c.Width(s); }
  // DT_CALCRECT from a rectangle of the given width at (10, 10).
  RECT Calc(const std::string& s, int width, UINT flags, int* height = nullptr) {
    RECT r{10, 10, 10 + width, 10};
    int h = DrawTextA(c.DC(), s.c_str(), -1, &r, flags | DT_CALCRECT);
    if (height) *height = h;
    return r;
  }
  int Lines(const std::string& s, int width, UINT flags) {
    return Calc(s, width, flags).Height() / tm.tmHeight;
  }
  // Draws into `r` after clearing the canvas; answers DrawText's height.
  int Draw(const std::string& s, RECT r, UINT flags) {
    c.Clear();
    return DrawTextA(c.DC(), s.c_str(), -1, &r, flags);
  }
  // DrawTextEx into `r` (after clearing the canvas); answers the rectangle it leaves.
  RECT Ex(std::string s, RECT r, UINT flags, DRAWTEXTPARAMS* p) {
    c.Clear();
    DrawTextExA(c.DC(), s.data(), -1, &r, flags, p);
    return r;
  }
  // DrawTextEx with DT_MODIFYSTRING into a `width`-wide rectangle: the shortened text.
  std::string Shorten(const std::string& text, int width, UINT flags) {
    std::string buf = text + std::string(4, '\0');
    RECT m{0, 0, width, 20};
    DrawTextExA(c.DC(), buf.data(), static_cast<int>(text.size()), &m,
                DT_SINGLELINE | DT_MODIFYSTRING | flags, nullptr);
    return buf.c_str();
  }
  Canvas c;
  TEXTMETRICA tm;
};

TEST_F(DrawTextTest, CalcRectSingleLine) {
  int h = 0;
  EXPECT_EQ(Calc("Hello", 300, DT_SINGLELINE, &h),
            (RECT{10, 10, 10 + Width("Hello"), 10 + tm.tmHeight}));
  EXPECT_EQ(h, tm.tmHeight);
  EXPECT_EQ(c.InkCount(), 0);  // nothing is painted in DT_CALCRECT mode
  EXPECT_EQ(Calc("", 300, 0, &h), (RECT{10, 10, 10, 10}));  // empty text: no height
  EXPECT_EQ(h, 0);
}

TEST_F(DrawTextTest, CalcRectWrapsAtTheRightEdge) {
  const std::string text = "The quick brown fox jumps over the lazy dog";
  int width = Width("The quick brown") + 2, h = 0;
  RECT r = Calc(text, width, DT_WORDBREAK, &h);
  // Lines: "The quick brown" / "fox jumps over" / "the lazy dog"
  EXPECT_EQ(h, 3 * tm.tmHeight);
  EXPECT_EQ(r.Bottom, 10 + 3 * tm.tmHeight);
  EXPECT_EQ(r.Right, 10 + std::max({Width("The quick brown"), Width("fox jumps over"),
                                    Width("the lazy dog")}));
  EXPECT_EQ(Lines(text, width, 0), 1);  // without DT_WORDBREAK: one line
  // External leading is added to each line when asked.
  c.SelectFont("Arial", -16);
  TEXTMETRICA atm = c.Metrics();
  ASSERT_GT(atm.tmExternalLeading, 0);
  RECT e{0, 0, 40, 0}, n{0, 0, 40, 0};
  DrawTextA(c.DC(), "aa bb cc", -1, &e, DT_WORDBREAK | DT_CALCRECT | DT_EXTERNALLEADING);
  DrawTextA(c.DC(), "aa bb cc", -1, &n, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(e.Bottom, n.Bottom / atm.tmHeight * (atm.tmHeight + atm.tmExternalLeading));
}

TEST_F(DrawTextTest, LineCounts) {
  const int wide = 300, three = Width("three") + 1, super = Width("Super");
  const struct {
    const char* Text;
    int Width;
    UINT Flags;
    int Lines;
  } cases[] = {
      {"one\r\ntwo\nthree\rfour", wide, 0, 4},  // CR LF, LF and CR all break
      {"one\r\n", wide, 0, 1},                  // a final break adds no line
      {"one\r\n\r\ntwo", wide, 0, 3},           // an empty line in between counts
      {"one\r\ntwo", wide, DT_SINGLELINE, 1},
      {"one two\r\nthree four", three, DT_WORDBREAK, 4},
      {"a Supercalifragilistic b", super, DT_WORDBREAK, 3},  // a long word stays whole
      {"one two three", 0, DT_WORDBREAK, 3},                 // no width at all: one word per line
  };
  for (const auto& k : cases) EXPECT_EQ(Lines(k.Text, k.Width, k.Flags), k.Lines) << k.Text;
}

TEST_F(DrawTextTest, LongWordsBreakOnlyForEditControls) {
  const std::string text = "a Supercalifragilistic b";
  int width = Width("Super");
  // Kept whole, the rectangle grows for it; with DT_EDITCONTROL it breaks at the edge.
  EXPECT_EQ(Calc(text, width, DT_WORDBREAK).Right, 10 + Width("Supercalifragilistic"));
  EXPECT_GT(Lines(text, width, DT_WORDBREAK | DT_EDITCONTROL), 3);
  EXPECT_LE(Calc(text, width, DT_WORDBREAK | DT_EDITCONTROL).Right, 10 + width);
  EXPECT_GT(Lines("abc", 0, DT_WORDBREAK | DT_EDITCONTROL), 1);
}

TEST_F(DrawTextTest, CalcRectMatchesDrawing) {
  const std::string text = "Measure me, then draw me across a few lines please";
  RECT calc = Calc(text, 120, DT_WORDBREAK);
  EXPECT_EQ(Draw(text, {10, 10, 130, 200}, DT_WORDBREAK), calc.Height());
  EXPECT_TRUE(InkWithin(c, calc));
  EXPECT_GT(c.InkBox().Bottom, calc.Bottom - tm.tmHeight);  // the last line is drawn
}

TEST_F(DrawTextTest, Alignment) {
  const int w = Width("Text"), x0 = (10 + 210 - w) / 2, y0 = 10 + (100 - tm.tmHeight) / 2;
  const struct {
    UINT Flags;
    RECT Ink;  // where the ink must lie
    int Height;
  } cases[] = {
      {DT_LEFT | DT_SINGLELINE, {10, 10, 10 + w, 10 + tm.tmHeight}, tm.tmHeight},
      {DT_RIGHT | DT_SINGLELINE, {210 - w, 10, 210, 10 + tm.tmHeight}, tm.tmHeight},
      {DT_CENTER | DT_SINGLELINE, {x0, 10, x0 + w, 10 + tm.tmHeight}, tm.tmHeight},
      // The height answered is the offset of the text's bottom.
      {DT_VCENTER | DT_SINGLELINE, {10, y0, 10 + w, y0 + tm.tmHeight}, y0 - 10 + tm.tmHeight},
      {DT_BOTTOM | DT_SINGLELINE, {10, 110 - tm.tmHeight, 10 + w, 110}, 100},
      // Vertical alignment only for single lines.
      {DT_VCENTER | DT_BOTTOM, {10, 10, 10 + w, 10 + tm.tmHeight}, tm.tmHeight}};
  for (const auto& k : cases) {
    EXPECT_EQ(Draw("Text", {10, 10, 210, 110}, k.Flags), k.Height) << k.Flags;
    EXPECT_TRUE(InkWithin(c, k.Ink)) << k.Flags;
  }
}

TEST_F(DrawTextTest, PrefixCharacters) {
  // "&" has no width, "&&" is one "&".
  EXPECT_EQ(Calc("&File", 300, DT_SINGLELINE).Width(), Width("File"));
  EXPECT_EQ(Calc("Save && Exit", 300, DT_SINGLELINE).Width(), Width("Save & Exit"));
  EXPECT_EQ(Calc("&File", 300, DT_SINGLELINE | DT_NOPREFIX).Width(), Width("&File"));
  // The prefixed character is underlined below the baseline, only under the "F".
  const RECT r{10, 10, 300, 40};
  Draw("&File", r, DT_SINGLELINE);
  int underlineY = -1;
  for (int y = 10 + tm.tmAscent; y < 10 + tm.tmHeight; ++y)
    if (c.RowInked(y, 10, 10 + Width("F"))) underlineY = y;
  ASSERT_GE(underlineY, 0);
  EXPECT_FALSE(c.RowInked(underlineY, 10 + Width("F") + 1, 10 + Width("File")));
  const int withUnderline = c.InkCount();
  Draw("&File", r, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_FALSE(c.RowInked(underlineY, 10, 10 + Width("F")));
  EXPECT_LT(c.InkCount(), withUnderline);
  Draw("&File", r, DT_SINGLELINE | DT_PREFIXONLY);  // the underline alone
  EXPECT_EQ(c.InkBox(), (RECT{10, underlineY, 10 + Width("F"), c.InkBox().Bottom}));
}

TEST_F(DrawTextTest, ExpandTabs) {
  const int tab = 8 * tm.tmAveCharWidth, ave = tm.tmAveCharWidth;
  EXPECT_EQ(Calc("a\tb", 300, DT_SINGLELINE | DT_EXPANDTABS).Width(), tab + Width("b"));
  EXPECT_EQ(Calc("\t\t", 300, DT_SINGLELINE | DT_EXPANDTABS).Width(), 2 * tab);
  // The text after a tab is drawn at the tab stop.
  Draw("\tX", {10, 10, 300, 40}, DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_TRUE(InkWithin(c, {10 + tab, 0, 10 + tab + Width("X"), 200}));
  // DT_TABSTOP: the tab length in characters sits in bits 8-15 (which therefore cannot carry
  // DT_CALCRECT and its neighbours at the same time).
  Draw("\tX", {10, 10, 300, 40}, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
  EXPECT_TRUE(InkWithin(c, {10 + 4 * ave, 0, 10 + 4 * ave + Width("X"), 200}));
  DRAWTEXTPARAMS p;  // DrawTextEx takes the tab length from its parameters
  p.iTabLength = 2;
  EXPECT_EQ(Ex("a\tb", {0, 0, 300, 0}, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, &p).Width(),
            2 * ave + Width("b"));
  EXPECT_EQ(p.uiLengthDrawn, 3u);
}

TEST_F(DrawTextTest, DrawTextExMarginsNarrowTheLayout) {
  DRAWTEXTPARAMS p;
  p.iLeftMargin = 7;
  p.iRightMargin = 5;
  EXPECT_EQ(Ex("Margin", {10, 10, 300, 0}, DT_SINGLELINE | DT_CALCRECT, &p).Width(),
            7 + Width("Margin") + 5);
  Ex("Margin", {10, 10, 200, 40}, DT_SINGLELINE, &p);
  EXPECT_GE(c.InkBox().Left, 17);
  Ex("Margin", {10, 10, 200, 40}, DT_SINGLELINE | DT_RIGHT, &p);
  EXPECT_LE(c.InkBox().Right, 195);
  EXPECT_GE(c.InkBox().Right, 195 - 2);
  // The wrap width is the rectangle less the margins.
  const int w = Width("aaa bbb");
  for (auto [width, margins, lines] : {std::tuple{w + 12, 6, 2}, {w + 1, 0, 2}, {w - 1, 0, 3}}) {
    p.iLeftMargin = p.iRightMargin = margins;
    EXPECT_EQ(Ex("aaa bbb ccc", {0, 0, width, 0}, DT_WORDBREAK | DT_CALCRECT, &p).Height(),
              lines * tm.tmHeight)
        << width;
  }
}

TEST_F(DrawTextTest, EllipsesShortenToTheRectangle) {
  const std::string text = "This text is far too long for the box";
  const int width = Width("This text is far");
  for (UINT flag : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS}) {
    RECT r = Calc(text, width, DT_SINGLELINE | flag);
    EXPECT_LE(r.Width(), width) << flag;
    EXPECT_GT(r.Width(), 0) << flag;
  }
  // The end ellipsis keeps as many characters as fit.
  std::string shortened = Shorten(text, width, DT_END_ELLIPSIS | DT_CALCRECT);
  ASSERT_GE(shortened.size(), 4u);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
  EXPECT_EQ(text.rfind(shortened.substr(0, shortened.size() - 3), 0), 0u);
  EXPECT_LE(Width(shortened), width);
  EXPECT_GT(Width(text.substr(0, shortened.size() - 2) + "..."), width);  // one more won't fit
  // The word ellipsis cuts at a blank.
  EXPECT_EQ(Shorten(text, width, DT_WORD_ELLIPSIS), "This text is...");
  // The path ellipsis keeps the last part of a path.
  const int pw = Width("C:\\Program\\...\\file.txt");
  shortened =
      Shorten("C:\\Program Files\\Some Vendor\\Application\\file.txt", pw, DT_PATH_ELLIPSIS);
  EXPECT_EQ(shortened.substr(shortened.size() - 12), "...\\file.txt");
  EXPECT_EQ(shortened.substr(0, 3), "C:\\");
  EXPECT_LE(Width(shortened), pw);
  // Across lines the end ellipsis shortens only the line that ends the text.
  const std::string two = "Averyveryverylongword\nAnotherveryverylongword";
  EXPECT_EQ(Calc(two, Width("Averyvery"), DT_END_ELLIPSIS).Width(), Width("Averyveryverylongword"));
  EXPECT_LE(Calc("short\n" + two.substr(22), Width("Averyvery"), DT_END_ELLIPSIS).Width(),
            Width("Averyvery"));
  // Text that fits is left alone.
  EXPECT_EQ(Calc("Short", 300, DT_SINGLELINE | DT_END_ELLIPSIS).Width(), Width("Short"));
}

TEST_F(DrawTextTest, LongLinesShortenAndHugeOnesAreRefused) {
  std::string text(200000, 'a');
  text[1000] = ' ';
  text[150000] = '\\';
  // (A path whose last part alone is too wide needs the end ellipsis as well.)
  for (UINT flag : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS | DT_END_ELLIPSIS}) {
    RECT r{0, 0, 100, 0};
    DrawTextA(c.DC(), text.data(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_CALCRECT | flag);
    EXPECT_LE(r.Width(), 100) << flag;
    EXPECT_GT(r.Width(), 50) << flag;
  }
  std::string huge((1 << 20) + 1, 'a');
  RECT r{0, 0, 100, 0};
  EXPECT_EQ(DrawTextA(c.DC(), huge.data(), static_cast<int>(huge.size()), &r, DT_CALCRECT), 0);
}

TEST_F(DrawTextTest, ClippingEditControlLastLineAndOpaqueCells) {
  Draw("A long line of text", {10, 10, 40, 20}, DT_SINGLELINE);
  EXPECT_TRUE(InkWithin(c, {10, 10, 40, 20}));
  Draw("A long line of text", {10, 10, 40, 20}, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(c.InkBox().Right, 40);
  EXPECT_GT(c.InkBox().Bottom, 20);
  // An edit control drops a partly visible last line.
  const RECT r{10, 10, 300, 10 + tm.tmHeight * 2 - 3};
  Draw("First\nSecond", r, 0);
  EXPECT_GT(c.InkBox().Bottom, 10 + tm.tmHeight);
  Draw("First\nSecond", r, DT_EDITCONTROL);
  EXPECT_TRUE(InkWithin(c, {10, 10, 300, 10 + tm.tmHeight}));
  // An opaque background fills each line's own cell.
  SetBkMode(c.DC(), OPAQUE);
  SetBkColor(c.DC(), RGB(0, 255, 0));
  Draw("ab\nabcd", {10, 10, 300, 100}, 0);
  EXPECT_EQ(c.InkBox(), (RECT{10, 10, 10 + Width("abcd"), 10 + 2 * tm.tmHeight}));
  EXPECT_EQ(c.Pixel(10 + Width("ab") + 1, 12), 0xFFFFFFu);
}

TEST_F(DrawTextTest, CharacterExtraWidensLines) {
  SetTextCharacterExtra(c.DC(), 2);
  RECT r = Calc("abc", 300, DT_SINGLELINE);
  EXPECT_EQ(r.Width(), Width("abc"));  // the extent already includes the extra
  SetTextCharacterExtra(c.DC(), 0);
  EXPECT_EQ(r.Width(), Width("abc") + 6);
}

TEST_F(DrawTextTest, BadArguments) {
  RECT r{0, 0, 100, 100};
  EXPECT_EQ(DrawTextA(nullptr, "abc", -1, &r, 0), 0);
  EXPECT_EQ(DrawTextA(c.DC(), "abc", -1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextA(c.DC(), nullptr, 3, &r, 0), 0);
  EXPECT_EQ(DrawTextA(c.DC(), "abc", -5, &r, 0), 0);
  DRAWTEXTPARAMS p;
  p.cbSize = 3;
  std::string s = "abc";
  EXPECT_EQ(DrawTextExA(c.DC(), s.data(), -1, &r, 0, &p), 0);
  RECT a{0, 0, 300, 0};  // a count shorter than the string limits it
  DrawTextA(c.DC(), "abcdef", 3, &a, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(a.Width(), Width("abc"));
  // Extreme rectangles and margins neither overflow nor paint outside the bitmap.
  RECT huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, calcHuge{0, 0, INT32_MAX, 0};
  EXPECT_GT(DrawTextA(c.DC(), "abc def", -1, &huge, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
  DrawTextA(c.DC(), "abc def", -1, &calcHuge, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(calcHuge.Width(), Width("abc def"));
  DRAWTEXTPARAMS extreme;
  extreme.iLeftMargin = INT32_MAX;
  extreme.iRightMargin = INT32_MIN;
  Ex("abc", {0, 0, 100, 100}, DT_WORDBREAK, &extreme);
  SetTextCharacterExtra(c.DC(), INT32_MAX);
  extreme.iTabLength = INT32_MAX;
  extreme.iLeftMargin = extreme.iRightMargin = 0;
  std::string t = "a\tb c d e&f";
  RECT x{0, 0, 100, 100};
  EXPECT_GT(DrawTextExA(c.DC(), t.data(), -1, &x, DT_WORDBREAK | DT_EXPANDTABS | DT_END_ELLIPSIS,
                        &extreme),
            0);
}

}  // namespace
