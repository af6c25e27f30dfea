// The technical line: defaults, where each line type puts its line and signs, the arrow turns of
// Arrowed, the sign shapes, shadow and fill, repaints per setter, clicks restricted to the
// shape, streaming and the example form.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "display/ZYLTechnicalLine.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLObject.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using filltest::ExpectPixels;
using vcl::TRect;

class TCountingLine : public TZYLTechnicalLine {
  ZYL_CLASS(TCountingLine, TZYLTechnicalLine)
  explicit TCountingLine(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingLine) {}

// A white bitmap of the given size.
std::unique_ptr<vcl::TBitmap> White(int w, int h) { return filltest::Plain(w, h, vcl::clWhite); }

vcl::TColor Px(vcl::TBitmap* b, int x, int y) { return b->Canvas()->Pixels(x, y); }

// Paints the line's drawing (no bevel, no background) onto a white bitmap of its size.
std::unique_ptr<vcl::TBitmap> Render(TZYLTechnicalLine& l) {
  auto b = White(l.Width(), l.Height());
  l.PaintIt(b->Canvas(), TRect{0, 0, l.Width(), l.Height()});
  return b;
}

int CountSigns(const std::vector<TZYLTechLineStep>& steps, TZYLTechLineStepKind kind) {
  int n = 0;
  for (const auto& s : steps) n += s.Kind == kind;
  return n;
}

// ---- Model ----

TEST(TechnicalLineModel, DefaultLayoutMatchesTheWorkingRectangle) {
  // 130 x 45 less one pixel on every side: the line to the arrow box at the right end.
  const auto steps = ZYLTechLineLayout(lsStraightLeftToRight, spEnd, {128, 43, 0, 0, 40});
  ASSERT_EQ(steps.size(), 2u);
  EXPECT_EQ(steps[0].Kind, tskLine);
  EXPECT_EQ((std::vector<int>(steps[0].Coords, steps[0].Coords + 4)),
            (std::vector<int>{0, 21, 88, 21}));
  EXPECT_EQ(steps[1].Kind, tskEndSign);
  EXPECT_EQ((std::vector<int>(steps[1].Coords, steps[1].Coords + 4)),
            (std::vector<int>{88, 1, 128, 41}));

  // A start sign comes before the line in some types and after it in others.
  const TZYLTechLineMetrics m{128, 43, 0, 0, 40};
  EXPECT_EQ(ZYLTechLineLayout(lsStraightLeftToRight, spStart, m).front().Kind, tskStartSign);
  EXPECT_EQ(ZYLTechLineLayout(lsTopLeftEdge, spStart, m).back().Kind, tskStartSign);
  EXPECT_EQ(ZYLTechLineLayout(lsBottomLeftEdge, spEnd, m).front().Kind, tskEndSign);
  EXPECT_EQ(ZYLTechLineLayout(lsTopRightCurve, spEnd, m).back().Kind, tskEndSign);
}

TEST(TechnicalLineModel, EveryLayoutCarriesTheSignsOfItsPlaces) {
  const TZYLTechLineMetrics m{200, 150, 1, 6, 30};
  const int S = 36;
  for (int t = lsStraightLeftToRight; t <= lsBottomRightCurve; ++t) {
    const auto type = static_cast<TZYLTechnicalLineTypes>(t);
    const bool straight = type == lsStraightLeftToRight || type == lsStraightTopToBottom;
    for (int p = spEnd; p <= spNoWhere; ++p) {
      const auto places = static_cast<TZYLSignPlaces>(p);
      const auto steps = ZYLTechLineLayout(type, places, m);
      SCOPED_TRACE(ZYLEnumName(type) + " " + ZYLEnumName(places));
      EXPECT_EQ(CountSigns(steps, tskStartSign), places == spStart || places == spBoth);
      EXPECT_EQ(CountSigns(steps, tskEndSign), places == spEnd || places == spBoth);
      const bool curve = type >= lsTopLeftCurve;
      EXPECT_EQ(CountSigns(steps, tskArc), curve ? 1 : 0);
      for (const auto& s : steps) {
        if (s.Kind != tskStartSign && s.Kind != tskEndSign) continue;
        // Boxes are S by S (2 * (S div 2) across a straight line) and lie in the area.
        EXPECT_EQ(s.Coords[2] - s.Coords[0],
                  straight && type == lsStraightTopToBottom ? 2 * (S / 2) : S);
        EXPECT_EQ(s.Coords[3] - s.Coords[1],
                  straight && type == lsStraightLeftToRight ? 2 * (S / 2) : S);
        EXPECT_GE(s.Coords[0], 0);
        EXPECT_GE(s.Coords[1], 0);
        EXPECT_LE(s.Coords[2], m.Width);
        EXPECT_LE(s.Coords[3], m.Height);
      }
      if (places == spNoWhere && !curve) {
        // Without signs the line and its shadow stay inside the area.
        for (const auto& s : steps)
          for (int i = 0; i < 4; ++i) {
            EXPECT_GE(s.Coords[i], 0);
            EXPECT_LE(s.Coords[i] + m.ShadowDepth + (straight ? m.HalfPen : 0),
                      i % 2 ? m.Height : m.Width);
          }
      }
    }
  }
}

TEST(TechnicalLineModel, ArrowedTurnsArrowSignsWithTheLineType) {
  TZYLTechnicalLine l(nullptr);
  l.SetLineStart(leOpenArrowLeft);
  l.SetArrowed(true);
  l.SetTechnicalLineType(lsStraightTopToBottom);
  EXPECT_EQ(l.LineEndingsign(), leClosedArrowDown);
  EXPECT_EQ(l.LineStartSign(), leOpenArrowUp);
  l.SetLineStart(leCircle);
  l.SetTechnicalLineType(lsBottomRightCurve);
  EXPECT_EQ(l.LineStartSign(), leCircle);  // not an arrow: left alone
  EXPECT_EQ(l.LineEndingsign(), leClosedArrowLeft);

  // Without Arrowed the signs stay as they are.
  l.SetArrowed(false);
  l.SetTechnicalLineType(lsTopLeftEdge);
  EXPECT_EQ(l.LineEndingsign(), leClosedArrowLeft);

  // The whole direction table, for open and closed arrows.
  const struct {
    TZYLTechnicalLineTypes Type;
    TZYLLineEndings OpenStart, ClosedEnd;
  } table[] = {{lsStraightLeftToRight, leOpenArrowLeft, leClosedArrowRight},
               {lsTopLeftToBottomRight, leOpenArrowLeft, leClosedArrowRight},
               {lsBottomLeftToTopRight, leOpenArrowLeft, leClosedArrowRight},
               {lsStraightTopToBottom, leOpenArrowUp, leClosedArrowDown},
               {lsTopLeftEdge, leOpenArrowDown, leClosedArrowRight},
               {lsTopLeftCurve, leOpenArrowDown, leClosedArrowRight},
               {lsBottomLeftEdge, leOpenArrowRight, leClosedArrowUp},
               {lsBottomLeftCurve, leOpenArrowRight, leClosedArrowUp},
               {lsTopRightEdge, leOpenArrowLeft, leClosedArrowDown},
               {lsTopRightCurve, leOpenArrowLeft, leClosedArrowDown},
               {lsBottomRightEdge, leOpenArrowUp, leClosedArrowLeft},
               {lsBottomRightCurve, leOpenArrowUp, leClosedArrowLeft}};
  for (const auto& r : table) {
    EXPECT_EQ(ZYLTurnStartArrow(r.Type, leOpenArrowDown), r.OpenStart) << ZYLEnumName(r.Type);
    EXPECT_EQ(ZYLTurnEndArrow(r.Type, leClosedArrowUp), r.ClosedEnd) << ZYLEnumName(r.Type);
    EXPECT_EQ(ZYLTurnEndArrow(r.Type, leDiamond), leDiamond);
    EXPECT_EQ(ZYLTurnStartArrow(r.Type, leNothing), leNothing);
  }
}

// ---- Drawing ----

TEST(TechnicalLineDrawing, DefaultLineAndHollowArrow) {
  TZYLTechnicalLine l(nullptr);
  auto b = Render(l);
  // The line from (1, 22) to (89, 22), the arrow's back edge at x = 89; without a fill colour
  // the arrow is an outline.
  const filltest::TPoints want = {{1, 22, vcl::clBlack},  {60, 22, vcl::clBlack},
                                  {0, 22, vcl::clWhite},  {60, 21, vcl::clWhite},
                                  {89, 10, vcl::clBlack}, {89, 35, vcl::clBlack},
                                  {100, 22, vcl::clWhite}};
  ExpectPixels(b.get(), want);

  l.SetFillColor(vcl::clRed);
  // Filled, the outline in the pen, nothing beside the arrow.
  ExpectPixels(Render(l).get(),
               {{100, 22, vcl::clRed}, {89, 22, vcl::clBlack}, {100, 4, vcl::clWhite}});

  // spNoWhere: the line reaches the right end less the (absent) shadow.
  l.SetSignPlaces(spNoWhere);
  ExpectPixels(Render(l).get(), {{127, 22, vcl::clBlack}, {100, 30, vcl::clWhite}});
}

TEST(TechnicalLineDrawing, ShadowLiesRightAndBelowInShadowColour) {
  TZYLTechnicalLine l(nullptr);
  l.SetShadowVisible(true);
  l.SetShadowColor(vcl::clBlue);
  l.SetFillColor(vcl::clRed);
  // S = 46, hd = 3: the line at y 1 + 18, its shadow 6 below. The shadow triangle (89, 5)-
  // (129, 25)-(89, 45) is filled in the shadow colour where the sign (83, -1)-(123, 19)-(83, 39)
  // does not cover it.
  const filltest::TPoints want = {{41, 19, vcl::clBlack}, {41, 25, vcl::clBlue},
                                  {41, 22, vcl::clWhite}, {101, 37, vcl::clBlue},
                                  {91, 16, vcl::clRed},   {126, 8, vcl::clWhite}};
  ExpectPixels(Render(l).get(), want);
  // Without a fill colour both are outlines.
  l.SetFillColor(vcl::clNone);
  ExpectPixels(Render(l).get(), {{101, 37, vcl::clWhite}, {91, 16, vcl::clWhite}});
}

TEST(TechnicalLineDrawing, SignShapesFillTheirOwnPartOfTheBox) {
  const TRect box{10, 10, 50, 50};  // mx = my = 30
  auto draw = [&](TZYLLineEndings sign) {
    auto b = White(60, 60);
    vcl::TCanvas* c = b->Canvas();
    c->Pen()->SetColor(vcl::clBlack);
    c->Brush()->SetColor(vcl::clRed);
    ZYLDrawLineSign(c, sign, box);
    return b;
  };
  // Filled shapes cover the centre; open arrows and nothing do not.
  for (int s = leClosedArrowUp; s <= leHalfCircleDown; ++s) {
    auto b = draw(static_cast<TZYLLineEndings>(s));
    // The centre lies on the flat edge of a half circle: look a little inside it.
    const int x = 30 + (s == leHalfCircleLeft ? -4 : s == leHalfCircleRight ? 4 : 0);
    const int y = 30 + (s == leHalfCircleUp ? 4 : s == leHalfCircleDown ? -4 : 0);
    EXPECT_EQ(Px(b.get(), x, y), vcl::clRed) << ZYLEnumName(static_cast<TZYLLineEndings>(s));
  }
  for (int s = leNothing; s <= leOpenArrowLeft; ++s) {
    auto b = draw(static_cast<TZYLLineEndings>(s));
    EXPECT_EQ(Px(b.get(), 30, 30), vcl::clWhite) << s;
  }
  // Halves lie on their own side (Up: the flat edge at the top); arrows point their way: a
  // filled point and an empty one for each.
  const struct {
    TZYLLineEndings Sign;
    int FilledX, FilledY, EmptyX, EmptyY;
  } sides[] = {{leHalfCircleLeft, 16, 30, 44, 30},  {leHalfCircleRight, 44, 30, 16, 30},
               {leHalfCircleUp, 30, 44, 30, 16},    {leHalfCircleDown, 30, 16, 30, 44},
               {leClosedArrowUp, 14, 46, 14, 14},   {leClosedArrowDown, 14, 14, 14, 46},
               {leClosedArrowLeft, 46, 14, 14, 14}, {leClosedArrowRight, 14, 14, 46, 14}};
  for (const auto& c : sides) {
    auto b = draw(c.Sign);
    EXPECT_EQ(Px(b.get(), c.FilledX, c.FilledY), vcl::clRed) << ZYLEnumName(c.Sign);
    EXPECT_EQ(Px(b.get(), c.EmptyX, c.EmptyY), vcl::clWhite) << ZYLEnumName(c.Sign);
  }
  ExpectPixels(draw(leOpenArrowUp).get(), {{30, 10, vcl::clBlack}});  // the tip
  // Corners: the parallelogram leaves the top left and bottom right, the comb all four.
  ExpectPixels(draw(leParallelogramm).get(),
               {{13, 12, vcl::clWhite}, {46, 47, vcl::clWhite}, {46, 13, vcl::clRed}});
  const filltest::TPoints want = {{12, 12, vcl::clWhite},
                                  {47, 12, vcl::clWhite},
                                  {12, 47, vcl::clWhite},
                                  {47, 47, vcl::clWhite}};
  ExpectPixels(draw(leComb).get(), want);
  ExpectPixels(draw(leRectangle).get(), {{11, 11, vcl::clRed}});
  ExpectPixels(draw(leRoundRect).get(), {{10, 10, vcl::clWhite}});
}

TEST(TechnicalLineDrawing, WidePenShrinksTheSignBox) {
  auto b = White(60, 60);
  vcl::TCanvas* c = b->Canvas();
  c->Pen()->SetWidth(5);
  c->Brush()->SetStyle(vcl::bsClear);
  ZYLDrawLineSign(c, leRectangle, TRect{10, 10, 50, 50});
  // The outline centred on x = 12 covers 10 .. 14: inside the box, nothing left of it.
  ExpectPixels(b.get(), {{10, 30, vcl::clBlack}, {9, 30, vcl::clWhite}, {30, 30, vcl::clWhite}});
}

TEST(TechnicalLineDrawing, CurvesAreDrawnOnTheSideOfTheirCorner) {
  // The quarter between the ends bulges past the straight line joining them, toward the
  // corner the name gives; nothing is drawn on the other side of that line.
  const struct {
    TZYLTechnicalLineTypes Type;
    bool Left, Top;
  } cases[] = {{lsTopLeftCurve, true, true},
               {lsBottomLeftCurve, true, false},
               {lsTopRightCurve, false, true},
               {lsBottomRightCurve, false, false}};
  for (const auto& c : cases) {
    TZYLTechnicalLine l(nullptr);
    l.SetBounds(0, 0, 102, 62);  // working area 100 x 60 from (1, 1)
    l.SetSignPlaces(spNoWhere);
    l.SetTechnicalLineType(c.Type);
    auto b = Render(l);
    int corner = 0, opposite = 0;
    for (int y = 1; y < 61; ++y)
      for (int x = 1; x < 101; ++x) {
        if (Px(b.get(), x, y) != vcl::clBlack) continue;
        const double u = (c.Left ? x - 1 : 101 - x) / 100.0, v = (c.Top ? y - 1 : 61 - y) / 60.0;
        if (u + v < 0.9) ++corner;
        if (u + v > 1.1) ++opposite;
      }
    EXPECT_GT(corner, 60) << ZYLEnumName(c.Type);
    EXPECT_EQ(opposite, 0) << ZYLEnumName(c.Type);
  }
}

TEST(TechnicalLineDrawing, EveryTypeAndPlaceDrawsInsideItsArea) {
  // Odd sizes, zero and negative signs: something is drawn, nothing crashes.
  const int32_t kMax = std::numeric_limits<int32_t>::max(),
                kMin = std::numeric_limits<int32_t>::min();
  for (int sign : {0, -5, 12, 300, kMax, kMin}) {
    TZYLTechnicalLine l(nullptr);
    l.SetBounds(0, 0, 91, 67);
    l.SetSignSize(sign);
    l.SetShadowVisible(true);
    l.SetShadowDepth(sign > 1000 ? kMin : sign < -1000 ? kMax : 6);
    l.SetFillColor(vcl::clLime);
    l.SetLineStart(leComb);
    for (int t = lsStraightLeftToRight; t <= lsBottomRightCurve; ++t)
      for (int p = spEnd; p <= spNoWhere; ++p) {
        l.SetTechnicalLineType(static_cast<TZYLTechnicalLineTypes>(t));
        l.SetSignPlaces(static_cast<TZYLSignPlaces>(p));
        auto b = Render(l);
        int dark = 0;
        for (int y = 0; y < 67; ++y)
          for (int x = 0; x < 91; ++x) dark += Px(b.get(), x, y) != vcl::clWhite;
        // A sign larger than the area lies mostly outside it (clipped away).
        if (sign >= -5 && sign < 100) {
          EXPECT_GT(dark, 10) << t << "/" << p << " sign " << sign;
        }
      }
  }
  // An area too small for the pen draws nothing, not even outside itself.
  TZYLTechnicalLine l(nullptr);
  l.SetBounds(0, 0, 0, 0);
  auto b = White(4, 4);
  l.PaintIt(b->Canvas(), TRect{0, 0, 0, 0});
  EXPECT_EQ(Px(b.get(), 0, 0), vcl::clWhite);
}

// ---- In a window ----

class TechnicalLineWindowTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
};

TEST_F(TechnicalLineWindowTest, OneRepaintPerChangeAndNoneForAHiddenEnd) {
  filltest::TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TCountingLine(form.get());
  l->SetBounds(10, 10, 130, 45);
  l->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(l->Paints, 1);
  auto repaints = [&](const std::function<void()>& change) {
    const int before = l->Paints;
    change();
    Idle();
    return l->Paints - before;
  };
  // Each change in turn and the repaints it causes. The start carries no sign at spEnd: stored
  // without a repaint, shown with the places; ShapeOnly is stored only.
  const std::pair<std::function<void()>, int> changes[] = {
      {[&] { l->SetSignSize(30); }, 1},
      {[&] { l->SetSignSize(30); }, 0},
      {[&] { l->SetFillColor(vcl::clRed); }, 1},
      {[&] { l->SetShadowColor(vcl::clGreen); }, 1},
      {[&] { l->SetShadowVisible(true); }, 1},
      {[&] { l->SetShadowDepth(3); }, 1},
      {[&] { l->SetArrowed(true); }, 1},
      {[&] { l->SetTechnicalLineType(lsTopLeftCurve); }, 1},
      {[&] { l->LineSettings()->SetWidth(3); }, 1},
      {[&] { l->SetLineEnding(leDiamond); }, 1},
      {[&] { l->SetLineStart(leCircle); }, 0},
      {[&] { l->SetSignPlaces(spStart); }, 1},
      {[&] { l->SetLineEnding(leRectangle); }, 0},
      {[&] { l->SetLineStart(leComb); }, 1},
      {[&] { l->SetShapeOnly(true); }, 0}};
  for (size_t i = 0; i < std::size(changes); ++i)
    EXPECT_EQ(repaints(changes[i].first), changes[i].second) << "change " << i;
  EXPECT_EQ(l->LineStartSign(), leComb);
}

TEST_F(TechnicalLineWindowTest, OpaqueControlFillsAndBevelMovesTheLine) {
  filltest::TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* l = new TZYLTechnicalLine(form.get());
  l->SetBounds(10, 10, 130, 45);
  l->SetTransparent(false);
  l->SetColor(vcl::clYellow);
  l->SetSignPlaces(spNoWhere);
  l->Bevel()->SetBorderWidth(2);
  l->Bevel()->SetColor(0, vcl::clBlue);
  l->SetParent(panel);
  form->Show();
  Idle();
  auto cap = filltest::THostSession::Capture(panel);
  // The border; inside it the working rectangle is (3, 3, 127, 42) of the control: the line runs
  // at y = 3 + 39 div 2 = 22 from x = 3.
  const filltest::TPoints want = {{0, 20, vcl::clBlue},  {4, 4, vcl::clYellow},
                                  {3, 22, vcl::clBlack}, {2, 22, vcl::clYellow},
                                  {1, 22, vcl::clBlue},  {60, 21, vcl::clYellow}};
  ExpectPixels(cap, want, 10, 10);
}

TEST_F(TechnicalLineWindowTest, ShapeOnlyAcceptsClicksOnTheShapeOnly) {
  filltest::TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 300, 200));
  auto* l = new TZYLTechnicalLine(form.get());
  l->SetBounds(20, 30, 130, 45);
  l->LineSettings()->SetWidth(3);
  int clicks = 0, downs = 0;
  struct TSink : vcl::TObject {
    int* C;
    int* D;
    void Click(vcl::TObject*) { ++*C; }
    void Down(vcl::TObject*, vcl::TMouseButton, vcl::TShiftState, int, int) { ++*D; }
  } sink;
  sink.C = &clicks;
  sink.D = &downs;
  l->SetOnClick(vcl::TNotifyEvent(&sink, &TSink::Click));
  l->SetOnMouseDown(vcl::TMouseEvent(&sink, &TSink::Down));
  l->SetParent(panel);
  form->Show();
  Idle();
  auto click = [&](int x, int y) {
    const auto p = win::testkit::ScreenPoint(panel->Handle(), 20 + x, 30 + y);
    win::testkit::Click(p.X, p.Y);
    Idle();
    win::testkit::AdvanceClock(2000);  // the next click is not a double click
  };
  // Not shape-only: a click in the empty part counts.
  click(40, 5);
  EXPECT_EQ(clicks, 1);

  l->SetShapeOnly(true);
  l->Invalidate();
  Idle();
  ASSERT_NE(l->ShapeRegion(), nullptr);
  // p = 1: the working rectangle is (2, 2, 128, 43), the line at y 2 + 20 up to x 2 + 86,
  // the closed arrow in (88, 2, 128, 42) of the control.
  // The empty part, on the line, within the pen's width, inside the hollow arrow, beside the
  // arrow's slope.
  for (auto [x, y, hit] : {std::tuple{40, 5, false},
                           {40, 22, true},
                           {40, 23, true},
                           {100, 22, true},
                           {125, 6, false}}) {
    const int before = clicks;
    click(x, y);
    EXPECT_EQ(clicks, before + hit) << x << "," << y;
  }
  EXPECT_EQ(downs, 4);  // presses beside the shape are filtered too

  // Pressed on the line, released beside it: no click, and the control is not left pressed.
  const auto on = win::testkit::ScreenPoint(panel->Handle(), 20 + 40, 30 + 22);
  const auto off = win::testkit::ScreenPoint(panel->Handle(), 20 + 40, 30 + 5);
  win::testkit::MouseDown(on.X, on.Y);
  Idle();
  win::testkit::MouseMove(off.X, off.Y);
  win::testkit::MouseUp(off.X, off.Y);
  Idle();
  win::testkit::AdvanceClock(2000);
  EXPECT_EQ(clicks, 4);
  EXPECT_FALSE(l->ControlState().contains(vcl::csClicked));
  EXPECT_FALSE(l->MouseCapture());
  click(40, 22);
  EXPECT_EQ(clicks, 5);
}

TEST_F(TechnicalLineWindowTest, ShapeRegionIsKeptInControlCoordinates) {
  // Painted on a bitmap far from the control's place, the region still fits the control.
  TZYLTechnicalLine l(nullptr);
  l.SetBounds(200, 100, 130, 45);
  l.SetShapeOnly(true);
  l.SetSignPlaces(spNoWhere);
  l.SetTechnicalLineType(lsStraightTopToBottom);
  filltest::TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 400, 200));
  l.SetParent(panel);
  form->Show();
  Idle();
  ASSERT_NE(l.ShapeRegion(), nullptr);
  // The vertical line at x = 1 + 64.
  EXPECT_TRUE(l.AcceptsClickAt(65, 20));
  EXPECT_FALSE(l.AcceptsClickAt(60, 20));
  EXPECT_FALSE(l.AcceptsClickAt(265, 120));
  l.SetShapeOnly(false);  // the region stays but no longer filters
  EXPECT_TRUE(l.AcceptsClickAt(60, 20));
  l.SetParent(nullptr);
}

// ---- Streaming ----

TEST(TechnicalLineExample, EveryLineOfTheExampleFormIsCreatedAndPaints) {
  filltest::THostSession host;
  ZYLTechnicalLineUnit.Init();
  auto form = exampletest::ReadExample("techlines.txt");
  ZYLTechnicalLineUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLTechnicalLine"], 24);
  std::map<int, int> types, places;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* l = dynamic_cast<TZYLTechnicalLine*>(form->Components(i))) {
      ++types[l->LineType()];
      ++places[l->SignPlaces()];
    }
  EXPECT_EQ(types.size(), 12u);  // every line type
  EXPECT_EQ(places.size(), 4u);  // every place
  auto* shadow = dynamic_cast<TZYLTechnicalLine*>(form->FindComponent("ShadowFilled"));
  ASSERT_NE(shadow, nullptr);
  EXPECT_TRUE(shadow->ShadowVisible());
  EXPECT_EQ(shadow->LineSettings()->Width(), 2);
  form->Show();
  filltest::THostSession::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_GT(exampletest::ColourCount(cap), 5u);
  form.reset();
}

}  // namespace
}  // namespace zyl
