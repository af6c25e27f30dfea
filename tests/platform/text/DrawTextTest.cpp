// DrawText: alignment, line breaking, prefixes, tabs, ellipses, DT_CALCRECT.
#include <gtest/gtest.h>

#include <climits>

#include "TextTestUtil.h"

namespace {

using namespace win;
using texttest::Canvas;

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : c(400, 200) {
    c.SelectFont("MS Sans Serif", -11);
    tm = c.Metrics();
  }
  int Width(const std::string& s) { return c.Extent(s).cx; }
  // DT_CALCRECT from a rectangle of the given width at (10, 10).
  RECT Calc(const std::string& s, int width, UINT flags, int* height = nullptr) {
    RECT r{10, 10, 10 + width, 10};
    int h = DrawTextA(c.DC(), s.c_str(), -1, &r, flags | DT_CALCRECT);
    if (height) *height = h;
    return r;
  }
  int Lines(const std::string& s, int width, UINT flags) {
    RECT r = Calc(s, width, flags);
    return r.Height() / tm.tmHeight;
  }
  Canvas c;
  TEXTMETRICA tm;
};

TEST_F(DrawTextTest, CalcRectSingleLine) {
  int h = 0;
  RECT r = Calc("Hello", 300, DT_SINGLELINE, &h);
  EXPECT_EQ(r, (RECT{10, 10, 10 + Width("Hello"), 10 + tm.tmHeight}));
  EXPECT_EQ(h, tm.tmHeight);
  // Nothing is painted in DT_CALCRECT mode.
  EXPECT_EQ(c.InkCount(), 0);
  // Empty text: an empty rectangle and no height.
  r = Calc("", 300, 0, &h);
  EXPECT_EQ(h, 0);
  EXPECT_EQ(r, (RECT{10, 10, 10, 10}));
}

TEST_F(DrawTextTest, CalcRectWrapsAtTheRightEdge) {
  const std::string text = "The quick brown fox jumps over the lazy dog";
  int width = Width("The quick brown") + 2;
  int h = 0;
  RECT r = Calc(text, width, DT_WORDBREAK, &h);
  // Lines: "The quick brown" / "fox jumps over" / "the lazy dog"
  EXPECT_EQ(h, 3 * tm.tmHeight);
  EXPECT_EQ(r.Bottom, 10 + 3 * tm.tmHeight);
  int widest = std::max({Width("The quick brown"), Width("fox jumps over"), Width("the lazy dog")});
  EXPECT_EQ(r.Right, 10 + widest);
  // Without DT_WORDBREAK the text is one line.
  EXPECT_EQ(Lines(text, width, 0), 1);
  // External leading is added to each line when asked.
  c.SelectFont("Arial", -16);
  TEXTMETRICA atm = c.Metrics();
  ASSERT_GT(atm.tmExternalLeading, 0);
  RECT e{0, 0, 40, 0};
  DrawTextA(c.DC(), "aa bb cc", -1, &e, DT_WORDBREAK | DT_CALCRECT | DT_EXTERNALLEADING);
  RECT n{0, 0, 40, 0};
  DrawTextA(c.DC(), "aa bb cc", -1, &n, DT_WORDBREAK | DT_CALCRECT);
  int lines = n.Bottom / atm.tmHeight;
  EXPECT_EQ(e.Bottom, lines * (atm.tmHeight + atm.tmExternalLeading));
}

TEST_F(DrawTextTest, LineBreaksAtCrLfLfAndCr) {
  EXPECT_EQ(Lines("one\r\ntwo\nthree\rfour", 300, 0), 4);
  EXPECT_EQ(Lines("one\r\n", 300, 0), 1);          // a final break adds no line
  EXPECT_EQ(Lines("one\r\n\r\ntwo", 300, 0), 3);   // an empty line in between counts
  EXPECT_EQ(Lines("one\r\ntwo", 300, DT_SINGLELINE), 1);
  EXPECT_EQ(Lines("one two\r\nthree four", Width("three") + 1, DT_WORDBREAK), 4);
}

TEST_F(DrawTextTest, LongWordsStayWholeUnlessEditControl) {
  const std::string text = "a Supercalifragilistic b";
  int width = Width("Super");
  // Kept whole on its own line (and clipped when drawn).
  EXPECT_EQ(Lines(text, width, DT_WORDBREAK), 3);
  RECT r = Calc(text, width, DT_WORDBREAK);
  EXPECT_EQ(r.Right, 10 + Width("Supercalifragilistic"));  // the rectangle grows for it
  // With DT_EDITCONTROL the word is broken at the rectangle edge.
  int lines = Lines(text, width, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_GT(lines, 3);
  RECT e = Calc(text, width, DT_WORDBREAK | DT_EDITCONTROL);
  EXPECT_LE(e.Right, 10 + width);
}

TEST_F(DrawTextTest, CalcRectMatchesDrawing) {
  const std::string text = "Measure me, then draw me across a few lines please";
  RECT calc = Calc(text, 120, DT_WORDBREAK);
  RECT draw{10, 10, 130, 200};
  int h = DrawTextA(c.DC(), text.c_str(), -1, &draw, DT_WORDBREAK);
  EXPECT_EQ(h, calc.Height());
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, calc.Left);
  EXPECT_GE(ink.Top, calc.Top);
  EXPECT_LE(ink.Right, calc.Right);
  EXPECT_LE(ink.Bottom, calc.Bottom);
  EXPECT_GT(ink.Bottom, calc.Bottom - tm.tmHeight);  // the last line is drawn
}

TEST_F(DrawTextTest, HorizontalAlignment) {
  RECT r{10, 10, 210, 40};
  int w = Width("Text");
  DrawTextA(c.DC(), "Text", -1, &r, DT_LEFT | DT_SINGLELINE);
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + w);
  c.Clear();
  DrawTextA(c.DC(), "Text", -1, &r, DT_RIGHT | DT_SINGLELINE);
  ink = c.InkBox();
  EXPECT_LE(ink.Right, 210);
  EXPECT_GE(ink.Left, 210 - w);
  c.Clear();
  DrawTextA(c.DC(), "Text", -1, &r, DT_CENTER | DT_SINGLELINE);
  ink = c.InkBox();
  int x0 = (10 + 210 - w) / 2;
  EXPECT_GE(ink.Left, x0);
  EXPECT_LE(ink.Right, x0 + w);
}

TEST_F(DrawTextTest, VerticalAlignmentOnlyForSingleLines) {
  RECT r{10, 10, 210, 110};
  int h = DrawTextA(c.DC(), "Mid", -1, &r, DT_VCENTER | DT_SINGLELINE);
  int y0 = 10 + (100 - tm.tmHeight) / 2;
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Top, y0);
  EXPECT_LE(ink.Bottom, y0 + tm.tmHeight);
  EXPECT_EQ(h, (y0 - 10) + tm.tmHeight);  // the offset height
  c.Clear();
  h = DrawTextA(c.DC(), "Low", -1, &r, DT_BOTTOM | DT_SINGLELINE);
  ink = c.InkBox();
  EXPECT_GE(ink.Top, 110 - tm.tmHeight);
  EXPECT_LE(ink.Bottom, 110);
  EXPECT_EQ(h, 100);
  // Without DT_SINGLELINE the text stays at the top.
  c.Clear();
  h = DrawTextA(c.DC(), "Top", -1, &r, DT_VCENTER | DT_BOTTOM);
  ink = c.InkBox();
  EXPECT_LE(ink.Bottom, 10 + tm.tmHeight);
  EXPECT_EQ(h, tm.tmHeight);
}

TEST_F(DrawTextTest, PrefixCharacters) {
  // "&" has no width, "&&" is one "&".
  RECT a = Calc("&File", 300, DT_SINGLELINE);
  EXPECT_EQ(a.Width(), Width("File"));
  RECT b = Calc("Save && Exit", 300, DT_SINGLELINE);
  EXPECT_EQ(b.Width(), Width("Save & Exit"));
  RECT n = Calc("&File", 300, DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(n.Width(), Width("&File"));

  // The prefixed character is underlined below the baseline.
  RECT r{10, 10, 300, 40};
  DrawTextA(c.DC(), "&File", -1, &r, DT_SINGLELINE);
  int underlineY = -1;
  for (int y = 10 + tm.tmAscent; y < 10 + tm.tmHeight; ++y)
    if (c.RowInked(y, 10, 10 + Width("F"))) underlineY = y;
  ASSERT_GE(underlineY, 0);
  // ... only under the "F".
  EXPECT_FALSE(c.RowInked(underlineY, 10 + Width("F") + 1, 10 + Width("File")));
  int withUnderline = c.InkCount();

  c.Clear();
  DrawTextA(c.DC(), "&File", -1, &r, DT_SINGLELINE | DT_HIDEPREFIX);
  EXPECT_FALSE(c.RowInked(underlineY, 10, 10 + Width("F")));
  EXPECT_LT(c.InkCount(), withUnderline);

  // DT_PREFIXONLY draws the underline alone.
  c.Clear();
  DrawTextA(c.DC(), "&File", -1, &r, DT_SINGLELINE | DT_PREFIXONLY);
  RECT ink = c.InkBox();
  EXPECT_EQ(ink.Top, underlineY);
  EXPECT_EQ(ink.Left, 10);
  EXPECT_EQ(ink.Right, 10 + Width("F"));
}

TEST_F(DrawTextTest, ExpandTabs) {
  int tab = 8 * tm.tmAveCharWidth;
  RECT r = Calc("a\tb", 300, DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_EQ(r.Width(), tab + Width("b"));
  r = Calc("\t\t", 300, DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_EQ(r.Width(), 2 * tab);
  // DT_TABSTOP: the tab length in characters sits in bits 8-15 (which therefore cannot
  // carry DT_CALCRECT and its neighbours at the same time).
  RECT t{10, 10, 300, 40};
  DrawTextA(c.DC(), "\tX", -1, &t, DT_SINGLELINE | DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
  RECT tabInk = c.InkBox();
  EXPECT_GE(tabInk.Left, 10 + 4 * tm.tmAveCharWidth);
  EXPECT_LE(tabInk.Right, 10 + 4 * tm.tmAveCharWidth + Width("X"));
  c.Clear();
  // DrawTextEx takes the tab length from its parameters.
  DRAWTEXTPARAMS p;
  p.iTabLength = 2;
  std::string s = "a\tb";
  RECT e{0, 0, 300, 0};
  DrawTextExA(c.DC(), s.data(), -1, &e, DT_SINGLELINE | DT_EXPANDTABS | DT_CALCRECT, &p);
  EXPECT_EQ(e.Width(), 2 * tm.tmAveCharWidth + Width("b"));
  EXPECT_EQ(p.uiLengthDrawn, 3u);
  // The text after a tab is drawn at the tab stop.
  RECT d{10, 10, 300, 40};
  DrawTextA(c.DC(), "\tX", -1, &d, DT_SINGLELINE | DT_EXPANDTABS);
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, 10 + tab);
  EXPECT_LE(ink.Right, 10 + tab + Width("X"));
}

TEST_F(DrawTextTest, DrawTextExMarginsNarrowTheLayout) {
  DRAWTEXTPARAMS p;
  p.iLeftMargin = 7;
  p.iRightMargin = 5;
  std::string s = "Margin";
  RECT r{10, 10, 300, 0};
  DrawTextExA(c.DC(), s.data(), -1, &r, DT_SINGLELINE | DT_CALCRECT, &p);
  EXPECT_EQ(r.Width(), 7 + Width("Margin") + 5);
  RECT d{10, 10, 200, 40};
  DrawTextExA(c.DC(), s.data(), -1, &d, DT_SINGLELINE, &p);
  EXPECT_GE(c.InkBox().Left, 17);
  c.Clear();
  DrawTextExA(c.DC(), s.data(), -1, &d, DT_SINGLELINE | DT_RIGHT, &p);
  EXPECT_LE(c.InkBox().Right, 195);
  EXPECT_GE(c.InkBox().Right, 195 - 2);
  // The wrap width is the rectangle less the margins.
  std::string words = "aaa bbb ccc";
  int w = Width("aaa bbb");
  RECT wrap{0, 0, w + 12, 0};
  DrawTextExA(c.DC(), words.data(), -1, &wrap, DT_WORDBREAK | DT_CALCRECT, &p);
  EXPECT_EQ(wrap.Height(), 2 * tm.tmHeight);
  p.iLeftMargin = p.iRightMargin = 0;
  RECT nowrap{0, 0, w + 1, 0};
  DrawTextExA(c.DC(), words.data(), -1, &nowrap, DT_WORDBREAK | DT_CALCRECT, &p);
  EXPECT_EQ(nowrap.Height(), 2 * tm.tmHeight);
  RECT narrow{0, 0, w - 1, 0};
  DrawTextExA(c.DC(), words.data(), -1, &narrow, DT_WORDBREAK | DT_CALCRECT, &p);
  EXPECT_EQ(narrow.Height(), 3 * tm.tmHeight);
}

TEST_F(DrawTextTest, EllipsesShortenToTheRectangle) {
  const std::string text = "This text is far too long for the box";
  int width = Width("This text is far");
  for (UINT flag : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS}) {
    RECT r = Calc(text, width, DT_SINGLELINE | flag);
    EXPECT_LE(r.Width(), width) << flag;
    EXPECT_GT(r.Width(), 0) << flag;
  }
  // The end ellipsis keeps as many characters as fit.
  std::string buf = text;
  buf.resize(text.size() + 4);
  RECT m{0, 0, width, 20};
  DrawTextExA(c.DC(), buf.data(), static_cast<int>(text.size()), &m,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT, nullptr);
  std::string shortened = buf.c_str();
  ASSERT_GE(shortened.size(), 4u);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
  EXPECT_EQ(text.rfind(shortened.substr(0, shortened.size() - 3), 0), 0u);
  EXPECT_LE(Width(shortened), width);
  std::string longer = text.substr(0, shortened.size() - 2) + "...";
  EXPECT_GT(Width(longer), width);  // one more character would not fit

  // The word ellipsis cuts at a blank.
  buf = text;
  buf.resize(text.size() + 4);
  m = {0, 0, width, 20};
  DrawTextExA(c.DC(), buf.data(), static_cast<int>(text.size()), &m,
              DT_SINGLELINE | DT_WORD_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  shortened = buf.c_str();
  EXPECT_EQ(shortened, "This text is...");

  // The path ellipsis keeps the last part of a path.
  const std::string path = "C:\\Program Files\\Some Vendor\\Application\\file.txt";
  int pw = Width("C:\\Program\\...\\file.txt");
  buf = path;
  buf.resize(path.size() + 4);
  m = {0, 0, pw, 20};
  DrawTextExA(c.DC(), buf.data(), static_cast<int>(path.size()), &m,
              DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  shortened = buf.c_str();
  EXPECT_EQ(shortened.substr(shortened.size() - 12), "...\\file.txt");
  EXPECT_EQ(shortened.substr(0, 3), "C:\\");
  EXPECT_LE(Width(shortened), pw);

  // Across lines the end ellipsis shortens only the line that ends the text.
  const std::string two = "Averyveryverylongword\nAnotherveryverylongword";
  RECT t = Calc(two, Width("Averyvery"), DT_END_ELLIPSIS);
  EXPECT_EQ(t.Width(), Width("Averyveryverylongword"));  // the first line stays whole
  RECT u = Calc("short\n" + two.substr(22), Width("Averyvery"), DT_END_ELLIPSIS);
  EXPECT_LE(u.Width(), Width("Averyvery"));

  // Text that fits is left alone.
  RECT f = Calc("Short", 300, DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(f.Width(), Width("Short"));
}

TEST_F(DrawTextTest, LongLinesShortenInOnePass) {
  // Shortening works from running widths, so even a very long line is quick.
  std::string text(200000, 'a');
  text[1000] = ' ';
  text[150000] = '\\';
  // (A path whose last part alone is too wide needs the end ellipsis as well.)
  for (UINT flag : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS | DT_END_ELLIPSIS}) {
    RECT r{0, 0, 100, 0};
    DrawTextA(c.DC(), text.data(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT | flag);
    EXPECT_LE(r.Width(), 100) << flag;
    EXPECT_GT(r.Width(), 50) << flag;
  }
  // Beyond the accepted length the call is refused.
  std::string huge((1 << 20) + 1, 'a');
  RECT r{0, 0, 100, 0};
  EXPECT_EQ(DrawTextA(c.DC(), huge.data(), static_cast<int>(huge.size()), &r, DT_CALCRECT), 0);
}

TEST_F(DrawTextTest, ClippingAndNoClip) {
  RECT r{10, 10, 40, 20};
  DrawTextA(c.DC(), "A long line of text", -1, &r, DT_SINGLELINE);
  RECT ink = c.InkBox();
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 10);
  EXPECT_LE(ink.Right, 40);
  EXPECT_LE(ink.Bottom, 20);
  c.Clear();
  DrawTextA(c.DC(), "A long line of text", -1, &r, DT_SINGLELINE | DT_NOCLIP);
  ink = c.InkBox();
  EXPECT_GT(ink.Right, 40);
  EXPECT_GT(ink.Bottom, 20);
}

TEST_F(DrawTextTest, EditControlDropsAPartlyVisibleLastLine) {
  RECT r{10, 10, 300, 10 + tm.tmHeight * 2 - 3};  // the second line would show partly
  DrawTextA(c.DC(), "First\nSecond", -1, &r, 0);
  RECT ink = c.InkBox();
  EXPECT_GT(ink.Bottom, 10 + tm.tmHeight);
  c.Clear();
  DrawTextA(c.DC(), "First\nSecond", -1, &r, DT_EDITCONTROL);
  ink = c.InkBox();
  EXPECT_LE(ink.Bottom, 10 + tm.tmHeight);
  EXPECT_GT(ink.Bottom, 10);
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsEachLineCell) {
  SetBkMode(c.DC(), OPAQUE);
  SetBkColor(c.DC(), RGB(0, 255, 0));
  RECT r{10, 10, 300, 100};
  DrawTextA(c.DC(), "ab\nabcd", -1, &r, 0);
  EXPECT_EQ(c.InkBox(), (RECT{10, 10, 10 + Width("abcd"), 10 + 2 * tm.tmHeight}));
  EXPECT_EQ(c.Pixel(10 + Width("ab") + 1, 12), 0xFFFFFFu);  // beyond the short line's cell
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
  // A count shorter than the string limits it.
  RECT a{0, 0, 300, 0};
  DrawTextA(c.DC(), "abcdef", 3, &a, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(a.Width(), Width("abc"));
  // Extreme rectangles and margins neither overflow nor paint outside the bitmap.
  RECT huge{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_GT(DrawTextA(c.DC(), "abc def", -1, &huge, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
  RECT calcHuge{0, 0, INT32_MAX, 0};
  DrawTextA(c.DC(), "abc def", -1, &calcHuge, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(calcHuge.Width(), Width("abc def"));
  DRAWTEXTPARAMS margins;
  margins.iLeftMargin = INT32_MAX;
  margins.iRightMargin = INT32_MIN;
  RECT m{0, 0, 100, 100};
  DrawTextExA(c.DC(), s.data(), -1, &m, DT_WORDBREAK, &margins);
  SetTextCharacterExtra(c.DC(), INT32_MAX);
  DRAWTEXTPARAMS tabs;
  tabs.iTabLength = INT32_MAX;
  RECT x{0, 0, 100, 100};
  std::string t = "a\tb c d e&f";
  EXPECT_GT(DrawTextExA(c.DC(), t.data(), -1, &x, DT_WORDBREAK | DT_EXPANDTABS | DT_END_ELLIPSIS, &tabs), 0);
  SetTextCharacterExtra(c.DC(), 0);
  // A rectangle of no width still terminates, one word per line.
  EXPECT_EQ(Lines("one two three", 0, DT_WORDBREAK), 3);
  EXPECT_GT(Lines("abc", 0, DT_WORDBREAK | DT_EDITCONTROL), 1);
}

}  // namespace
