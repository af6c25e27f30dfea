// The segment painter: character masks, segment geometry, the unlit cell, lit segments,
// layout in rows and columns, small sizes, disabled owners, flashing and change signals.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "display/ZYLLED.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using vcl::TColor;
using vcl::TPoint;
using vcl::TRect;

constexpr uint16_t Bit(TZYLLEDLights L) { return static_cast<uint16_t>(1u << L); }

struct TChangeCounter : vcl::TObject {
  int Count = 0;
  void Changed(vcl::TObject*) { ++Count; }
};

// A canvas of the given size filled with a colour that the painter never uses.
std::unique_ptr<vcl::TBitmap> Surface(int w, int h) {
  auto b = std::make_unique<vcl::TBitmap>();
  b->SetSize(w, h);
  b->Canvas()->Brush()->SetColor(vcl::clFuchsia);
  b->Canvas()->FillRect(TRect{0, 0, w, h});
  return b;
}

// The pixel at the centre of a segment's bounding box, in the cell at (dx, dy).
TColor SegmentCentre(TZYLLED& L, vcl::TBitmap* B, TZYLLEDLights S, int dx = 0, int dy = 0) {
  const auto& p = L.Segment(S);
  int minX = p[0].X, maxX = p[0].X, minY = p[0].Y, maxY = p[0].Y;
  for (const TPoint& q : p) {
    minX = std::min(minX, q.X);
    maxX = std::max(maxX, q.X);
    minY = std::min(minY, q.Y);
    maxY = std::max(maxY, q.Y);
  }
  return B->Canvas()->Pixels(dx + (minX + maxX) / 2, dy + (minY + maxY) / 2);
}

// W x H pixels of B from (X, Y), for a pixel comparison.
win::testkit::TCapture Cut(vcl::TBitmap* B, int X = 0, int Y = 0, int W = 19, int H = 28) {
  return win::testkit::MakeCapture(W, H, [&](int x, int y) {
    return static_cast<win::COLORREF>(B->Canvas()->Pixels(X + x, Y + y));
  });
}

int CountColour(vcl::TBitmap* B, TColor C) {
  int n = 0;
  for (int y = 0; y < B->Height(); ++y)
    for (int x = 0; x < B->Width(); ++x)
      if (B->Canvas()->Pixels(x, y) == C) ++n;
  return n;
}

TEST(LEDTest, MasksFollowTheCharacterTable) {
  EXPECT_EQ(ZYLLEDMask('1'), Bit(llInTopMiddle) | Bit(llInBottomMiddle));
  EXPECT_EQ(ZYLLEDMask(':'), Bit(llPointMiddle) | Bit(llPointBottom));
  EXPECT_EQ(ZYLLEDMask('8'), 0x7F);  // the seven bars
  EXPECT_EQ(ZYLLEDMask('O'), 0x7F & ~Bit(llMiddle));
  EXPECT_EQ(ZYLLEDMask('0'), ZYLLEDMask('O') | Bit(llInTopLeft) | Bit(llInBottomRight));
  EXPECT_EQ(ZYLLEDMask('X'),
            Bit(llInTopLeft) | Bit(llInTopRight) | Bit(llInBottomLeft) | Bit(llInBottomRight));
  EXPECT_EQ(ZYLLEDMask('*'), ZYLLEDMask('X') | ZYLLEDMask('1'));
  // Letters share their row; 5/S, 6/G and 1/I share patterns; brackets pair with letters.
  for (char c = 'A'; c <= 'Z'; ++c) EXPECT_EQ(ZYLLEDMask(c), ZYLLEDMask(c + 32)) << c;
  EXPECT_EQ(ZYLLEDMask('5'), ZYLLEDMask('S'));
  EXPECT_EQ(ZYLLEDMask('6'), ZYLLEDMask('g'));
  EXPECT_EQ(ZYLLEDMask('C'), ZYLLEDMask('['));
  EXPECT_EQ(ZYLLEDMask('('), ZYLLEDMask('<'));
  EXPECT_EQ(ZYLLEDMask('T'), Bit(llTop) | ZYLLEDMask('1'));
  // Unlisted characters light nothing.
  for (char c : std::string(" !#%&?@^`{|}~\x01\xE9")) EXPECT_EQ(ZYLLEDMask(c), 0) << int(c);
}

TEST(LEDTest, CellSizeAndGeometry) {
  TZYLLED L;
  EXPECT_EQ(L.GetWidth(), 19);
  EXPECT_EQ(L.GetHeight(), 28);
  L.CreateBmp();
  EXPECT_EQ(L.CellBitmap()->Width(), 19);
  EXPECT_EQ(L.CellBitmap()->Height(), 28);
  // t 2, H 9, V 7: s 1, c 8.
  using S = TZYLLED::TSegment;
  EXPECT_EQ(L.Segment(llTop), (S{TPoint{4, 3}, {5, 2}, {14, 2}, {15, 3}, {14, 4}, {5, 4}}));
  EXPECT_EQ(L.Segment(llBottomRight),
            (S{TPoint{16, 15}, {17, 16}, {17, 23}, {16, 24}, {15, 23}, {15, 16}}));
  EXPECT_EQ(L.Segment(llInTopMiddle),
            (S{TPoint{9, 4}, {10, 5}, {10, 12}, {9, 13}, {8, 12}, {8, 5}}));
  // In-top-left from (c - s, 2t + V) = (7, 11) over (t - H div 2, t - V) = (-2, -5).
  EXPECT_EQ(L.Segment(llInTopLeft), (S{TPoint{7, 11}, {6, 11}, {5, 7}, {5, 6}, {6, 6}, {7, 10}}));
  // In-bottom-right from (R(3) + 8, 5t + V) = (11, 17) over (2, 5).
  EXPECT_EQ(L.Segment(llInBottomRight),
            (S{TPoint{11, 17}, {12, 17}, {13, 21}, {13, 22}, {12, 22}, {11, 18}}));
  EXPECT_EQ(L.Segment(llPointBottom)[0], (TPoint{7, 23}));
  EXPECT_EQ(L.Segment(llPointBottom)[2], (TPoint{9, 25}));

  // An odd thickness rounds the diagonal's end pieces and its start to the even neighbour.
  L.SetByte(2, 3);
  EXPECT_EQ(L.GetWidth(), 24);
  EXPECT_EQ(L.GetHeight(), 35);
  // c = (12 + 9) div 2 = 10; R(4.5) = 4; ex = R(1.5) = 2, ey = R(-1.5) = -2.
  EXPECT_EQ(L.Segment(llInTopRight),
            (S{TPoint{14, 13}, {16, 13}, {15, 11}, {15, 9}, {13, 9}, {14, 11}}));
  // A diagonal without run collapses to a point: H div 2 = t.
  L.SetByte(1, 6);
  for (const TPoint& p : L.Segment(llInTopRight)) EXPECT_EQ(p, L.Segment(llInTopRight)[0]);
}

TEST(LEDTest, UnlitCellIsACheckerAndLitSegmentsAreSolid) {
  TZYLLED L;
  L.SetColor(2, vcl::clNavy);
  auto b = Surface(19 * 2, 28);
  L.PaintLED(b->Canvas(), TRect{0, 0, 38, 28}, "1 ", true, true);
  EXPECT_EQ(L.Columns(), 2);
  // The corner of the cell: background; the unlit top bar: checker on x + y.
  EXPECT_EQ(b->Canvas()->Pixels(0, 0), vcl::clNavy);
  EXPECT_EQ(b->Canvas()->Pixels(9, 3), 0x008000);  // x + y even
  EXPECT_EQ(b->Canvas()->Pixels(10, 3), vcl::clNavy);
  // "1" lights the two middle verticals only.
  EXPECT_EQ(SegmentCentre(L, b.get(), llInTopMiddle), 0x00FF00);
  EXPECT_EQ(SegmentCentre(L, b.get(), llInBottomMiddle), 0x00FF00);
  EXPECT_NE(SegmentCentre(L, b.get(), llTopRight), 0x00FF00);
  EXPECT_NE(SegmentCentre(L, b.get(), llMiddle), 0x00FF00);
  // The blank cell is the unlit cell, pixel for pixel, and nothing left the cells.
  EXPECT_TRUE(win::testkit::SamePixels(Cut(b.get(), 19), Cut(L.CellBitmap()), "led_blank"));
  EXPECT_EQ(CountColour(b.get(), vcl::clFuchsia), 0);

  // A colour change redraws the cached cell.
  L.SetColor(1, vcl::clRed);
  EXPECT_EQ(L.CellBitmap()->Canvas()->Pixels(9, 3), vcl::clRed);
}

TEST(LEDTest, TimeTextRowsAndSkippedCharacters) {
  TZYLLED L;
  auto b = Surface(120, 70);
  L.PaintLED(b->Canvas(), TRect{5, 7, 120, 70}, "12:34", true, true);
  EXPECT_EQ(L.Columns(), 5);
  EXPECT_EQ(L.Rows(), 1);
  EXPECT_EQ(L.Text(), "12:34");
  // The colon in the third cell lights the middle and bottom dots, not the top one.
  EXPECT_EQ(SegmentCentre(L, b.get(), llPointMiddle, 5 + 2 * 19, 7), 0x00FF00);
  EXPECT_EQ(SegmentCentre(L, b.get(), llPointBottom, 5 + 2 * 19, 7), 0x00FF00);
  EXPECT_NE(SegmentCentre(L, b.get(), llPointTop, 5 + 2 * 19, 7), 0x00FF00);
  // Five cells from (5, 7), nothing beyond them.
  EXPECT_EQ(b->Canvas()->Pixels(4, 10), vcl::clFuchsia);
  EXPECT_EQ(b->Canvas()->Pixels(5 + 95, 10), vcl::clFuchsia);
  EXPECT_EQ(b->Canvas()->Pixels(20, 7 + 28), vcl::clFuchsia);

  // Carriage returns start rows; control and high characters take no cell.
  EXPECT_EQ(L.CalcBoundsRect("AB\rC", 0), (TRect{0, 0, 2 * 19 + 1, 2 * 28}));
  EXPECT_EQ(L.Rows(), 2);
  EXPECT_EQ(L.CalcBoundsRect("A\r\nBCD\r\n", 3), (TRect{0, 0, 3 * 19 + 7, 3 * 28 + 6}));
  EXPECT_EQ(L.CalcBoundsRect(std::string("\x01X\x12\xF3\xFF"), 0).Right, 19 + 1);
  EXPECT_EQ(L.CalcBoundsRect("", 2), (TRect{0, 0, 19 + 5, 28 + 4}));

  auto two = Surface(40, 60);
  L.PaintLED(two->Canvas(), TRect{0, 0, 40, 60}, "8\r8", true, true);
  EXPECT_EQ(SegmentCentre(L, two.get(), llBottom, 0, 28), 0x00FF00);
  EXPECT_EQ(CountColour(two.get(), vcl::clFuchsia), 40 * 60 - 19 * 56);
}

// A long text on a small canvas: the cells the canvas shows are drawn as a short text there
// draws them, the others not at all (the drawing calls count them), and the whole text is still
// laid out in its rows and columns.
TEST(LEDTest, ALongTextDrawsOnlyTheCellsTheCanvasShows) {
  TZYLLED L;
  const std::string row(100'000, '8');
  auto b = Surface(100, 60);
  TChangeCounter calls;
  b->Canvas()->OnChange = vcl::TNotifyEvent(&calls, &TChangeCounter::Changed);
  // Column 50,000 starts at x 5: columns 49,999 to 50,004 reach into the 100 pixels.
  L.PaintLED(b->Canvas(), TRect{5 - 19 * 50'000, 0, 100, 60}, row + "\r" + row, true, true);
  EXPECT_EQ(L.Columns(), 100'000);
  EXPECT_EQ(L.Rows(), 2);
  EXPECT_EQ(L.DrawnCells(), 2 * 6);
  EXPECT_GT(calls.Count, 0);
  EXPECT_LE(calls.Count, 2 * 6 * (1 + TZYLLED::SegmentCount));
  auto shortText = Surface(100, 60);
  L.PaintLED(shortText->Canvas(), TRect{5 - 19, 0, 100, 60}, "888888\r888888", true, true);
  EXPECT_EQ(L.DrawnCells(), 2 * 6);
  EXPECT_TRUE(win::testkit::SamePixels(Cut(b.get(), 0, 0, 100, 60),
                                       Cut(shortText.get(), 0, 0, 100, 60), "led_long_text"));
}

TEST(LEDTest, SmallSizesShowOnlyTheSevenBars) {
  TZYLLED L;
  L.SetByte(1, 3);  // Horzsize 3
  auto b = Surface(L.GetWidth() * 3, L.GetHeight());
  L.PaintLED(b->Canvas(), TRect{0, 0, b->Width(), b->Height()}, "X1:", true, true);
  EXPECT_EQ(CountColour(b.get(), 0x00FF00), 0);
  L.PaintLED(b->Canvas(), TRect{0, 0, b->Width(), b->Height()}, "8", true, true);
  EXPECT_GT(CountColour(b.get(), 0x00FF00), 0);
  EXPECT_EQ(SegmentCentre(L, b.get(), llMiddle), 0x00FF00);

  // Vertsize 4 and Horzsize 4 bring the inner segments back.
  L.SetByte(1, 4);
  L.SetByte(3, 4);
  auto c = Surface(L.GetWidth(), L.GetHeight());
  L.PaintLED(c->Canvas(), TRect{0, 0, c->Width(), c->Height()}, "1", true, true);
  EXPECT_GT(CountColour(c.get(), 0x00FF00), 0);

  // A zero-sized cell paints nothing and does not fail.
  TZYLLED Z;
  Z.SetByte(1, 0);
  Z.SetByte(2, 0);
  Z.SetByte(3, 0);
  EXPECT_EQ(Z.GetWidth(), 0);
  auto d = Surface(10, 10);
  Z.PaintLED(d->Canvas(), TRect{0, 0, 10, 10}, "88", true, true);
  EXPECT_EQ(CountColour(d.get(), vcl::clFuchsia), 100);
  EXPECT_EQ(Z.CalcBoundsRect("88", 1), (TRect{0, 0, 3, 2}));
}

TEST(LEDTest, DisabledOwnerShowsOnlyTheUnlitPattern) {
  TZYLLED L;
  auto blank = Surface(19, 28), off = Surface(19, 28), on = Surface(19, 28);
  L.PaintLED(blank->Canvas(), TRect{0, 0, 19, 28}, " ", true, true);
  L.PaintLED(off->Canvas(), TRect{0, 0, 19, 28}, "8", true, false);
  EXPECT_TRUE(win::testkit::SamePixels(Cut(off.get()), Cut(blank.get()), "led_disabled"));
  L.SetEnabled(false);  // DisabledDigits off: a disabled owner still lights segments
  L.PaintLED(on->Canvas(), TRect{0, 0, 19, 28}, "8", true, false);
  EXPECT_EQ(SegmentCentre(L, on.get(), llTop), 0x00FF00);
}

TEST(LEDTest, FlashingAlternatesPaintsButNotMeasurements) {
  TZYLLED L;
  TChangeCounter n;
  L.SetOnChange(vcl::TNotifyEvent(&n, &TChangeCounter::Changed));
  auto b = Surface(19, 28);
  auto paint = [&] {
    L.PaintLED(b->Canvas(), TRect{0, 0, 19, 28}, "8", true, true);
    return SegmentCentre(L, b.get(), llTop) == 0x00FF00;
  };
  L.BeginFlash();
  EXPECT_EQ(n.Count, 0);
  EXPECT_TRUE(paint());
  EXPECT_TRUE(L.FlashDark());
  L.CalcBoundsRect("8", 0);
  EXPECT_FALSE(paint());
  EXPECT_TRUE(paint());
  EXPECT_FALSE(paint());
  L.EndFlash();
  EXPECT_EQ(n.Count, 1);
  EXPECT_TRUE(paint());
  EXPECT_TRUE(paint());
  L.BeginFlash();  // a new flash starts lit
  EXPECT_TRUE(paint());
  EXPECT_FALSE(paint());
  L.SetOnChange(nullptr);
}

TEST(LEDTest, SettersSignalOnlyChangesAndAssignCopiesTheLook) {
  TZYLLED L;
  TChangeCounter n;
  L.SetOnChange(vcl::TNotifyEvent(&n, &TChangeCounter::Changed));
  L.SetByte(1, 9);
  L.SetColor(0, 0x00FF00);
  L.SetEnabled(true);
  L.SetByte(7, 1);   // no such index
  L.SetColor(9, 1);  // no such index
  EXPECT_EQ(n.Count, 0);
  L.SetByte(1, 12);
  L.SetByte(2, 1);
  L.SetByte(3, 10);
  L.SetColor(0, vcl::clRed);
  L.SetColor(1, vcl::clMaroon);
  L.SetColor(2, vcl::clGray);
  L.SetEnabled(false);
  EXPECT_EQ(n.Count, 7);
  EXPECT_EQ(L.CellBitmap()->Width(), 12 + 5);  // the cell follows each size change

  TZYLLED M;
  TChangeCounter m;
  M.SetOnChange(vcl::TNotifyEvent(&m, &TChangeCounter::Changed));
  M.Assign(&L);
  EXPECT_EQ(m.Count, 1);
  EXPECT_EQ((std::vector<int>{M.Horzsize(), M.Thickness(), M.Vertsize(), M.ActiveColor(),
                              M.InActiveColor(), M.DisabledDigits()}),
            (std::vector<int>{12, 1, 10, vcl::clRed, vcl::clMaroon, false}));
  EXPECT_EQ(M.BackColor(), 0);  // the background belongs to the owner
  EXPECT_EQ(M.CellBitmap()->Height(), 27);
  vcl::TPersistent other;
  EXPECT_THROW(M.Assign(&other), vcl::Exception);
  M.SetOnChange(nullptr);
  L.SetOnChange(nullptr);
}

}  // namespace
}  // namespace zyl
