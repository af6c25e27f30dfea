// What the memo paints (ruled lines, the margin strip and its separator, the selection across
// rows and over an empty row, only whole rows, the margin's row event) and its scroll bars
// (created as ScrollBars asks, shown by need with skAuto, clicked to scroll, kept in step with
// the keys).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "buttons/ZYLSpinButton.h"
#include "display/ZYLSBar.h"
#include "foundation/ZYLCaret.h"
#include "foundation/ZYLFillObject.h"
#include "platform/base/Finally.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/user/WinUser.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/MemoFixture.h"
#include "tests/support/PixelCheck.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using edittest::THost;
using memotest::MemoFixture;
namespace tk = win::testkit;
namespace mk = ZYLCustomMemo;

win::COLORREF Rgb(vcl::TColor C) { return static_cast<win::COLORREF>(vcl::ColorToRGB(C)); }

class MemoPaint : public MemoFixture {
 protected:
  // The text rectangle as a capture area.
  win::RECT TextArea() const {
    const vcl::TRect& r = memo_->TextRect();
    return {r.Left, r.Top, r.Right, r.Bottom};
  }
};

TEST_F(MemoPaint, RuledLinesRunUnderEveryRowBand) {
  memo_->LineStyle()->SetColor(vcl::clRed);
  memo_->SetLined(true);
  Fit(memo_, 0, 4);
  memo_->SetText("first\r\nsecond");
  other_->SetFocus();
  const tk::TCapture shot = host_.Shot(memo_);
  const vcl::TRect& r = memo_->TextRect();
  const int rh = memo_->RowHeight("");
  for (int y = r.Top + rh - 1; y < r.Bottom; y += rh) {
    EXPECT_TRUE(tk::PixelsMatch(shot, [](int, int) { return Rgb(vcl::clRed); },
                                "ruled_" + std::to_string(y), {r.Left, y, r.Right, y + 1}));
    // The band above the line is the memo's ground where no text stands.
    EXPECT_EQ(shot.Color(r.Right - 2, y - 1), Rgb(vcl::clWindow)) << y;
  }
}

// A colour given while the memo is focused reaches its whole ground, the bands above and below
// the text rectangle too.
TEST_F(MemoPaint, AColourGivenWhileFocusedFillsTheWholeGround) {
  memo_->SetText("first");
  memo_->SetFocus();
  tk::RunUntilIdle();
  memo_->SetColor(vcl::clYellow);
  const tk::TCapture shot = host_.Shot(memo_);
  const vcl::TRect& r = memo_->TextRect();
  const auto yellow = [](int, int) { return Rgb(vcl::clYellow); };
  EXPECT_TRUE(
      tk::PixelsMatch(shot, yellow, "memo_ground_above", {r.Left, r.Top - 1, r.Right, r.Top}));
  EXPECT_TRUE(tk::PixelsMatch(shot, yellow, "memo_ground_below",
                              {r.Left, r.Bottom, r.Right, r.Bottom + 1}));
}

// The user picks other system colours: the memo's whole ground, the insets above and below the
// rows included, shows the new window colour, focused or not, as a memo made afterwards does.
TEST_F(MemoPaint, AChangeOfTheSystemColoursRepaintsTheWholeGround) {
  const int element = win::COLOR_WINDOW;
  const win::COLORREF was = win::GetSysColor(element), cream = win::RGB(255, 250, 205);
  const vcl::TFinally restore([&] { win::SetSysColors(1, &element, &was); });
  for (bool focused : {true, false}) {
    SCOPED_TRACE(focused ? "focused" : "not focused");
    win::SetSysColors(1, &element, &was);
    if (focused)
      memo_->SetFocus();
    else
      other_->SetFocus();
    tk::RunUntilIdle();
    win::SetSysColors(1, &element, &cream);
    tk::RunUntilIdle();
    const tk::TCapture shot = host_.Shot(memo_);
    const vcl::TRect& r = memo_->TextRect();
    EXPECT_TRUE(tk::PixelsMatch(shot, [&](int, int) { return cream; }, "memo_syscolour",
                                {r.Left, 0, r.Right, 1}));
    EXPECT_TRUE(tk::PixelsMatch(shot, [&](int, int) { return cream; }, "memo_syscolour_bottom",
                                {r.Left, shot.Height - 1, r.Right, shot.Height}));
  }
}

struct MarginCase {
  TZYLMarginAlignment Side;
};

class MemoMargin : public MemoPaint, public ::testing::WithParamInterface<MarginCase> {};

TEST_P(MemoMargin, TheStripIsFilledAndSeparatedFromTheText) {
  TZYLMarginObject* m = memo_->Margin();
  const vcl::TRect before = memo_->TextRect();
  m->FillObject()->SetFillStyle(sfBrush);
  m->FillObject()->Brush()->SetStyle(vcl::bsSolid);
  m->FillObject()->Brush()->SetColor(vcl::clYellow);
  m->SetAlignment(GetParam().Side);
  m->SetWidth(24);
  memo_->SetText("text");
  other_->SetFocus();
  const tk::TCapture shot = host_.Shot(memo_);
  const vcl::TRect& p = memo_->PaintRect();
  const vcl::TRect& t = memo_->TextRect();
  EXPECT_EQ(t.Right - t.Left, before.Right - before.Left - 24);
  const bool right = GetParam().Side == maRight;
  const int left = right ? p.Right - 24 : p.Left;
  // Left margin: the fill, then white and grey at its right edge; right margin: grey and white
  // at its left edge, then the fill.
  const int white = right ? left + 1 : left + 22, grey = right ? left : left + 23;
  EXPECT_TRUE(tk::PixelsMatch(shot,
                              [&](int x, int) {
                                return x == white  ? Rgb(vcl::clWhite)
                                       : x == grey ? Rgb(static_cast<vcl::TColor>(0x808080))
                                                   : Rgb(vcl::clYellow);
                              },
                              "margin", {left, p.Top, left + 24, p.Bottom}));
  EXPECT_EQ(right ? t.Right : t.Left, right ? left - 1 : left + 25);
}

INSTANTIATE_TEST_SUITE_P(Sides, MemoMargin,
                         ::testing::Values(MarginCase{maLeft}, MarginCase{maRight}));

TEST_F(MemoPaint, ASelectionMarksEveryRowItSpansAndAnEmptyRowByThreePixels) {
  memo_->SetText("ab\r\n\r\ncd");
  memo_->Select(1, memo_->GetLength());
  const tk::TCapture shot = host_.Shot(memo_);
  const vcl::TRect& r = memo_->TextRect();
  const int rh = memo_->RowHeight("");
  const int ab = memo_->RowWidth("ab");
  auto band = [&](int Row, int Width, const char* Name) {
    const int y = r.Top + Row * rh;
    EXPECT_EQ(shot.Color(r.Left + Width + 1, y + 1), Rgb(vcl::clWindow)) << Name;
    return tk::PixelsMatch(shot, [&](int, int) { return Rgb(vcl::clHighlight); }, Name,
                           {r.Left, y, r.Left + Width, y + 1});
  };
  EXPECT_TRUE(band(0, ab, "sel_row0"));
  EXPECT_TRUE(band(1, 3, "sel_empty_row"));
  EXPECT_TRUE(band(2, memo_->RowWidth("cd"), "sel_row2"));
  // Unfocused, the selection hides.
  other_->SetFocus();
  const tk::TCapture after = host_.Shot(memo_);
  EXPECT_EQ(after.Color(r.Left + 1, r.Top + rh + 1), Rgb(vcl::clWindow));
}

TEST_F(MemoPaint, ARowTheTextRectangleCutsIsNotDrawn) {
  Fit(memo_, 0, 2);
  const int rh = memo_->RowHeight("");
  memo_->SetBounds(memo_->Left(), memo_->Top(), memo_->Width(), memo_->Height() + rh / 2 + 1);
  memo_->SetText("WWWW\r\nWWWW\r\nWWWW");
  other_->SetFocus();
  const tk::TCapture shot = host_.Shot(memo_);
  const vcl::TRect& r = memo_->TextRect();
  ASSERT_GT(r.Bottom, r.Top + 2 * rh);
  EXPECT_EQ(memo_->PageRows(), 2);
  EXPECT_TRUE(tk::PixelsMatch(shot, [](int, int) { return Rgb(vcl::clWindow); }, "cut_row",
                              {r.Left, r.Top + 2 * rh, r.Right, r.Bottom}));
  // The rows above it hold ink: blanking the first row's band changes the picture.
  const tk::TCapture blank = tk::MakeCapture(shot.Width, shot.Height, [&](int x, int y) {
    return y >= r.Top && y < r.Top + rh && x >= r.Left && x < r.Right ? Rgb(vcl::clWindow)
                                                                      : shot.Color(x, y);
  });
  EXPECT_GT(tk::CountDifferentPixels(shot, blank, 0), 10);
}

TEST_F(MemoPaint, TheMarginHearsOfEveryDrawnRow) {
  struct TRowLog : vcl::TObject {
    std::vector<std::string> Log;
    void Row(vcl::TObject*, vcl::TCanvas*, vcl::TRect R, int First, int Length) {
      Log.push_back(std::to_string(First) + "+" + std::to_string(Length) + "@" +
                    std::to_string(R.Right - R.Left));
    }
  } log;
  memo_->Margin()->SetWidth(20);
  memo_->SetText("ab\r\ncde\r\n\tx");
  memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint(&log, &TRowLog::Row));
  memo_->Invalidate();
  THost::Idle();
  ASSERT_GE(log.Log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.Log.end() - 3, log.Log.end()),
            (std::vector<std::string>{"1+2@18", "5+3@18", "10+2@18"}));
}

// A margin row handler that raises in the middle of a paint hands its error to the application,
// and the memo's caret goes on blinking after it.
TEST_F(MemoPaint, ARaisingMarginRowHandlerLeavesTheCaretBlinking) {
  struct TRowRaiser : testsupport::TRaisingHandler {
    void Row(vcl::TObject*, vcl::TCanvas*, vcl::TRect, int, int) { Raise(); }
  } raising;
  memo_->Margin()->SetWidth(20);
  memo_->SetText("ab");
  THost::Idle();
  ASSERT_TRUE(memo_->Focused());
  memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint(&raising, &TRowRaiser::Row));
  memo_->Invalidate();
  THost::Idle();
  EXPECT_FALSE(raising.Arrived.empty());
  raising.Armed = false;
  const vcl::TPoint o = memo_->ClientToScreen(vcl::TPoint{0, 0});
  const int x = o.X + memo_->Caret()->GetPos(TZYLCaret::piX);
  const int y = o.Y + memo_->Caret()->GetPos(TZYLCaret::piY) + 3;
  const tk::TCapture shot = tk::CaptureScreen();
  const tk::TCapture later = (tk::AdvanceClock(win::GetCaretBlinkTime()), tk::CaptureScreen());
  EXPECT_EQ(shot.Color(x, y), later.Color(x, y) ^ 0xFFFFFF);
}

// A double click whose drawing raises (the margin's row handler) still puts the caret after the
// word it selected, where a quiet double click puts it.
TEST_F(MemoPaint, ADoubleClickWhoseDrawingRaisesStillMovesTheCaret) {
  struct TRowRaiser : testsupport::TRaisingHandler {
    void Row(vcl::TObject*, vcl::TCanvas*, vcl::TRect, int, int) { Raise(); }
  } raising;
  memo_->Margin()->SetWidth(20);
  memo_->SetText("one two");
  THost::Idle();
  const win::POINT p = AtChar(memo_, 6);
  tk::AdvanceClock(1000);
  tk::DoubleClick(p.X, p.Y);
  const std::string quiet = State(memo_);
  const int quietX = memo_->Caret()->GetPos(TZYLCaret::piX);
  memo_->Select(1, 0);
  THost::Idle();
  ASSERT_NE(memo_->Caret()->GetPos(TZYLCaret::piX), quietX);
  memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint(&raising, &TRowRaiser::Row));
  tk::AdvanceClock(1000);
  tk::DoubleClick(p.X, p.Y);
  raising.Armed = false;
  EXPECT_FALSE(raising.Arrived.empty());
  EXPECT_EQ(State(memo_), quiet);
  EXPECT_EQ(memo_->Caret()->GetPos(TZYLCaret::piX), quietX);
}

// Counts the rows the memo draws (through the margin's row event) and its change events.
struct TDrawCount : vcl::TObject {
  int Rows = 0;
  int Changes = 0;
  void Row(vcl::TObject*, vcl::TCanvas*, vcl::TRect, int, int) { ++Rows; }
  void Changed(vcl::TObject*) { ++Changes; }
};

// Changes through Lines invalidate the memo instead of drawing it: the next paint draws the
// page once, however many lines came. Between Lines.BeginUpdate and the last EndUpdate nothing
// is drawn, not even for a paint that comes meanwhile; every change still reports itself.
TEST_F(MemoPaint, LinesChangesAreDrawnOnceByTheNextPaint) {
  Fit(memo_, 0, 4);
  TDrawCount count;
  memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint(&count, &TDrawCount::Row));
  memo_->SetOnChange(vcl::TNotifyEvent(&count, &TDrawCount::Changed));
  std::string text;
  for (int i = 1; i <= 20; ++i) {
    const std::string line = "line " + std::to_string(i);
    memo_->Lines()->Add(line);
    text += (i > 1 ? "\r\n" : "") + line;
  }
  EXPECT_EQ(count.Rows, 0);
  EXPECT_EQ(count.Changes, 20);
  EXPECT_EQ(memo_->RawText(), text);
  THost::Idle();
  EXPECT_EQ(count.Rows, 4);
  EXPECT_EQ(memo_->TopRow(), 17);  // the caret after the last line keeps the end in view

  count.Rows = count.Changes = 0;
  memo_->Lines()->BeginUpdate();
  memo_->Lines()->Add("line 21");
  memo_->Lines()->BeginUpdate();
  memo_->Lines()->Delete(0);
  memo_->Lines()->EndUpdate();
  memo_->Lines()->Put(19, "last");
  memo_->Invalidate();
  THost::Idle();
  EXPECT_EQ(count.Rows, 0);
  EXPECT_EQ(count.Changes, 3);
  memo_->Lines()->EndUpdate();
  EXPECT_EQ(count.Rows, 0);
  THost::Idle();
  EXPECT_EQ(count.Rows, 4);

  // The paint drew what a whole repaint draws.
  const tk::TCapture drawn = host_.Shot(memo_);
  memo_->Invalidate();
  EXPECT_TRUE(tk::SamePixels(drawn, host_.Shot(memo_), "lines_added_repainted"));
  // The page is the one the same text set in one go and scrolled to its end shows.
  auto* same = new TZYLMemo(host_.Form());
  same->SetParent(host_.Form());
  same->SetBounds(memo_->Left(), memo_->Top() + memo_->Height() + 5, memo_->Width(),
                  memo_->Height());
  same->SetText(memo_->RawText());
  same->SetCaretPos(same->GetLength() + 1);
  EXPECT_EQ(same->TopRow(), memo_->TopRow());
  THost::Focus(other_);
  memo_->Invalidate();
  same->Invalidate();
  EXPECT_TRUE(tk::SamePixels(host_.Shot(memo_), host_.Shot(same), "lines_added"));
}

// ---------------------------------------------------------------------------------------------
// Scroll bars

// Eight rows, four to a page.
const char* const kEight = "r1\r\nr2\r\nr3\r\nr4\r\nr5\r\nr6\r\nr7\r\nr8";

win::POINT Centre(vcl::TControl* C) { return THost::At(C, C->Width() / 2, C->Height() / 2); }

TEST_F(MemoPaint, TheVerticalBarScrollsByLinesAndPagesAndFollowsTheKeys) {
  const int before = memo_->TextRect().Right;
  memo_->SetScrollBars(mk::skVertical);
  THost::Idle();
  TZYLScrollBar* bar = memo_->VertBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(memo_->HorzBar(), nullptr);
  EXPECT_EQ(memo_->TextRect().Right, before - TZYLCustomMemo::BarSize);
  Fit(memo_, 0, 4);
  memo_->SetText(kEight);
  EXPECT_EQ(bar->Max(), 4);
  EXPECT_EQ(bar->Left() + bar->Width(), memo_->InnerRect().Right);
  const win::POINT inc = Centre(bar->IncButton());
  tk::Click(inc.X, inc.Y);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 2);
  EXPECT_EQ(bar->Position(), 1);
  // A click on the track below the thumb pages down the page's rows less two, one above it
  // pages up the page's rows less one; the view stops at the first and the last page.
  struct TPage {
    bool Down;
    int Top;  // the first visible row afterwards
  };
  for (const TPage& page :
       {TPage{true, 4}, TPage{false, 1}, TPage{true, 3}, TPage{true, 5}, TPage{false, 2}}) {
    TZYLScrollBarThumb* thumb = bar->Thumb();
    const int above = bar->DecButton()->Top() + bar->DecButton()->Height();
    const int below = bar->IncButton()->Top();
    const int y =
        page.Down ? (thumb->Top() + thumb->Height() + below) / 2 : (above + thumb->Top()) / 2;
    ASSERT_TRUE(page.Down ? thumb->Top() + thumb->Height() < below : above < thumb->Top());
    const win::POINT track = THost::At(bar, bar->Width() / 2, y);
    tk::Click(track.X, track.Y);
    THost::Idle();
    EXPECT_EQ(memo_->TopRow(), page.Top);
    EXPECT_EQ(bar->Position(), page.Top - 1);
  }
  const win::POINT inc2 = Centre(bar->IncButton());
  tk::Click(inc2.X, inc2.Y);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 3);
  const win::POINT dec = Centre(bar->DecButton());
  tk::Click(dec.X, dec.Y);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 2);
  // The thumb dragged to the track's end shows the last page.
  const win::POINT grip = Centre(bar->Thumb());
  tk::Drag(grip, THost::At(bar, bar->Width() / 2, bar->IncButton()->Top() - 1));
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 5);
  EXPECT_EQ(bar->Position(), 4);
  // The caret stayed where it was; a key brings its row back, and the bar follows.
  EXPECT_EQ(memo_->CaretPos(), 1);
  THost::Focus(memo_);
  tk::KeyPress(win::VK_RIGHT);
  EXPECT_EQ(memo_->TopRow(), 1);
  EXPECT_EQ(bar->Position(), 0);
  THost::Chord(win::VK_END, false, true);
  EXPECT_EQ(bar->Position(), 4);
  memo_->SetScrollBars(mk::skNone);
  EXPECT_EQ(memo_->VertBar(), nullptr);
  EXPECT_EQ(memo_->TextRect().Right, before);
}

TEST_F(MemoPaint, AutoBarsShowWhenTheTextNeedsThem) {
  Fit(memo_, 0, 4);
  memo_->SetScrollBars(mk::skAuto);
  memo_->SetText("r1\r\nr2");
  THost::Idle();
  ASSERT_NE(memo_->VertBar(), nullptr);
  ASSERT_NE(memo_->HorzBar(), nullptr);
  EXPECT_FALSE(memo_->VertBar()->Visible());
  EXPECT_FALSE(memo_->HorzBar()->Visible());
  memo_->SetText(kEight);
  THost::Idle();
  EXPECT_TRUE(memo_->VertBar()->Visible());
  // Unwrapped, a paragraph wider than the text brings the horizontal bar.
  memo_->SetWordWrap(false);
  EXPECT_FALSE(memo_->HorzBar()->Visible());
  memo_->Lines()->Add(std::string(80, 'w'));
  THost::Idle();
  EXPECT_TRUE(memo_->HorzBar()->Visible());
}

TEST_F(MemoPaint, TheHorizontalBarScrollsUnwrappedTextOnly) {
  memo_->SetScrollBars(mk::skBoth);
  THost::Idle();
  TZYLScrollBar* bar = memo_->HorzBar();
  ASSERT_NE(bar, nullptr);
  const std::string line(60, 'w');
  memo_->SetText(line);
  // Wrapped text has nothing to scroll sideways: the bar is off and shows no thumb.
  EXPECT_FALSE(bar->Enabled());
  EXPECT_FALSE(bar->Thumb()->Visible());
  memo_->SetWordWrap(false);
  EXPECT_TRUE(bar->Enabled());
  EXPECT_TRUE(bar->Thumb()->Visible());
  const int textWidth = memo_->TextRect().Right - memo_->TextRect().Left;
  EXPECT_EQ(bar->Max(), memo_->RowWidth(line) - textWidth);
  const win::POINT inc = Centre(bar->IncButton());
  tk::Click(inc.X, inc.Y);
  THost::Idle();
  EXPECT_EQ(memo_->ScrollOffset(), bar->SmallChange());
  // The caret at the end brings the offset along.
  THost::Focus(memo_);
  THost::Chord(win::VK_END, false, true);
  EXPECT_GT(memo_->ScrollOffset(), memo_->RowWidth(line) - textWidth - 4);
  EXPECT_EQ(bar->Position(), memo_->ScrollOffset());
}

}  // namespace
}  // namespace zyl
