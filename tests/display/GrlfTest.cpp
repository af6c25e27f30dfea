// The letter layouts: size, turn and position rules of the outlines, the drawing pass (band
// alignment, perspective copies, effect layers, reversed text) and the measuring pass.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "display/ZYLGrlf.h"
#include "foundation/ZYL3DCaption.h"
#include "platform/base/Numbers.h"
#include "platform/gdi/Gdi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/TestKit.h"

namespace zyl {
namespace {

using namespace ZYLGrlf;
using vcl::TRect;

constexpr vcl::TColor kBack = 0xFFFFFF;
constexpr vcl::TColor kInk = 0x0000FF;  // red

class GrlfTest : public ::testing::Test {
 protected:
  GrlfTest() {
    font_.SetName("Arial");
    font_.SetSize(24);
    font_.SetColor(kInk);
  }
  std::unique_ptr<vcl::TBitmap> Blank(int w = 240, int h = 120) {
    auto b = std::make_unique<vcl::TBitmap>();
    b->SetPixelFormat(vcl::pf24bit);
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(kBack);
    b->Canvas()->FillRect(TRect{0, 0, w, h});
    return b;
  }
  // Lays out letter i of Text at (100, 100) and returns its point.
  vcl::TPoint Place(const std::string& Text, int i, TZYLTransLabelTypes t, TZYLTransLabelAttr a,
                    int Factor = 5, int Toggle = 0, int Depth = 5) {
    win::LOGFONTA lf;
    auto b = Blank(8, 8);
    b->Canvas()->Font()->Assign(&font_);
    win::GetObjectA(b->Canvas()->Font()->Handle(), sizeof lf, &lf);
    const float theta = static_cast<float>(fx_.Angle() * M_PI / 180 + M_PI / 2);
    int nx = 0, ny = 0;
    CalcPosAndSize(100, 100, i, Factor, font_.Size() / 4, Toggle, Depth, &font_, a, t, theta, Text,
                   b->Canvas(), lf, &fx_, size_, nx, ny);
    lf_ = lf;
    letterFont_.Assign(b->Canvas()->Font());
    return {nx, ny};
  }
  void Draw(vcl::TBitmap* b, const std::string& Text, TZYLTransLabelTypes t, TZYLTransLabelAttr a,
            bool Invert = false, TZYLPerspective p = tpBird, int D = 5, int Factor = 5,
            TRect r = TRect{10, 0, 230, 100}) {
    SpecialTextOut(b->Canvas(), r, &font_, &fx_, Text, t, 0, Factor, Invert, p, D, a);
  }
  // A pixel of a 24-bit bitmap, read from its rows (blue, green, red bytes).
  static vcl::TColor Px(vcl::TBitmap* b, int x, int y) {
    const auto* row = static_cast<const uint8_t*>(b->ScanLine(y)) + 3 * x;
    return static_cast<vcl::TColor>(row[2] | (row[1] << 8) | (row[0] << 16));
  }
  static int Count(vcl::TBitmap* b, vcl::TColor c) {
    int n = 0;
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) n += Px(b, x, y) == c;
    return n;
  }
  static bool Same(vcl::TBitmap* a, vcl::TBitmap* b, int dx = 0, int dy = 0) {
    for (int y = 0; y < a->Height(); ++y)
      for (int x = 0; x < a->Width(); ++x) {
        const int sx = x - dx, sy = y - dy;
        const vcl::TColor want =
            (sx >= 0 && sy >= 0 && sx < b->Width() && sy < b->Height()) ? Px(b, sx, sy) : kBack;
        if (Px(a, x, y) != want) return false;
      }
    return true;
  }
  // Topmost row holding colour c, or -1.
  static int Top(vcl::TBitmap* b, vcl::TColor c) {
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x)
        if (Px(b, x, y) == c) return y;
    return -1;
  }

  // Leftmost column holding colour c, or -1.
  static int Left(vcl::TBitmap* b, vcl::TColor c) {
    for (int x = 0; x < b->Width(); ++x)
      for (int y = 0; y < b->Height(); ++y)
        if (Px(b, x, y) == c) return x;
    return -1;
  }

  win::testkit::TSession session_{320, 240};
  vcl::TFont font_;
  TZYLFxCaption fx_;
  vcl::TSize size_{0, 0};
  win::LOGFONTA lf_;
  vcl::TFont letterFont_;
};

TEST_F(GrlfTest, SizeRulesOfTheOutlines) {
  const int S = 24, Min = 6;
  // Enterprise and half-moon: size 0 at one end, 24 / 6 * 2 per step, full size in the middle.
  // Cube starts and ends at S div 3 (16 / 2.5 = 6.4 more for the second). Fly keeps S at the
  // edges. Growing and shrinking outlines are mirror images, halves round to even (18 / 4 + 6
  // = 10.5). Chair shrinks to the middle and grows again in even sizes, buckled the other way.
  // Outlines without a rule, and no letters, keep the base size.
  const struct {
    TZYLTransLabelTypes Type;
    int Count, Index, Want;
  } cases[] = {{tmEnterprise, 6, 6, 0},  {tmEnterprise, 6, 1, 8},    {tmEnterprise, 6, 3, 24},
               {tmEnterprise, 6, 4, 16}, {tmHalfmoon, 6, 6, 0},      {tmHalfmoon, 6, 1, 8},
               {tmHalfmoon, 6, 3, 24},   {tmHalfmoon, 6, 4, 16},     {tmCube, 5, 1, 8},
               {tmCube, 5, 5, 8},        {tmCube, 5, 2, 14},         {tmFly, 9, 1, S},
               {tmFly, 9, 9, S},         {tmFly, 2, 2, S},           {tmInvStairs, 4, 1, 10},
               {tmInvStairs, 4, 4, 24},  {tmStairs, 4, 1, 24},       {tmRNoseUp, 4, 4, 10},
               {tmChair, 4, 1, 30},      {tmChair, 4, 4, 30},        {tmBuckled, 4, 1, 16},
               {tmWave, 5, 2, S},        {ZYLGrlf::tmNone, 5, 2, S}, {tmHalfcircle, 5, 2, S},
               {tmArrow, 5, 2, S},       {tmCube, 0, 1, S}};
  for (const auto& c : cases)
    EXPECT_EQ(ZYLTransLetterSize(c.Type, S, Min, c.Count, c.Index), c.Want)
        << int(c.Type) << " " << c.Count << " " << c.Index;
  for (int i = 1; i <= 9; ++i) EXPECT_GE(ZYLTransLetterSize(tmFly, S, Min, 9, i), Min) << i;
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(ZYLTransLetterSize(tmBuckled, S, Min, 4, i) % 2, 0);
}

TEST_F(GrlfTest, ArrowLiftsTowardsTheMiddleWhateverTheAngle) {
  const int F = 7;
  const int lift[] = {F, 2 * F, F, 0};
  for (int angle : {0, 45}) {
    fx_.SetAngle(angle);
    for (int i = 1; i <= 4; ++i) {
      // Letters turned with the angle: no forward correction.
      const auto p = Place("ABCD", i, tmArrow, {taAutoToggled}, F);
      EXPECT_EQ(p.X, 100) << angle << " " << i;
      EXPECT_EQ(p.Y, 100 - lift[i - 1]) << angle << " " << i;
      EXPECT_EQ(lf_.lfEscapement, 10 * angle);
    }
  }
}

TEST_F(GrlfTest, ArchTurnsFromPlusToMinusTenDegrees) {
  const int want[] = {100, 71, 0, -71, -100};
  for (int angle : {0, 30}) {
    fx_.SetAngle(angle);
    for (int i = 1; i <= 5; ++i) {
      Place("ABCDE", i, tmHalfcircle, {taAutoToggled});
      EXPECT_EQ(lf_.lfEscapement, want[i - 1] + 10 * angle) << i;
      EXPECT_EQ(letterFont_.Size(), 24);  // arches keep the size
    }
  }
  // taToggled adds ten times the toggle on top.
  fx_.SetAngle(0);
  Place("ABCDE", 1, tmHalfcircle, {taAutoToggled, taToggled}, 5, -45);
  EXPECT_EQ(lf_.lfEscapement, 100 - 450);
  Place("ABCDE", 1, tmStairs, {taToggled}, 5, 90);
  EXPECT_EQ(lf_.lfEscapement, 900);
}

TEST_F(GrlfTest, ArchesMoveAlongOrAgainstTheUpDirection) {
  // F = 40: at most 4 pixels, at the middle letter; none at the ends.
  const auto up = Place("ABCDE", 3, tmHalfcircle, {}, 40);
  EXPECT_EQ(up.Y, 100 - 4);
  const auto down = Place("ABCDE", 3, tmHalfmoon, {}, 40);
  EXPECT_EQ(down.Y, 100 + 4);
  EXPECT_EQ(Place("ABCDE", 1, tmLNoseUp, {}, 40).Y, 100);
  // The wave: sin i radians times F / 10.
  EXPECT_EQ(Place("ABCDE", 1, tmWave, {}, 100).Y, 100 - 8);   // sin 1 = 0.84
  EXPECT_EQ(Place("ABCDE", 5, tmWave, {}, 100).Y, 100 + 10);  // sin 5 = -0.96
  EXPECT_EQ(Place("ABCDE", 5, tmWave, {}, 100).X, 100);
}

TEST_F(GrlfTest, SpeakerGroupLiftsByHalfTheSizeLoss) {
  const auto p = Place("ABCD", 4, tmSpeaker, {});
  const int s = ZYLTransLetterSize(tmSpeaker, 24, 6, 4, 4);
  EXPECT_LT(s, 24);
  EXPECT_EQ(letterFont_.Size(), s);
  EXPECT_EQ(p.Y, 100 - (24 - s) / 2);
  EXPECT_EQ(p.X, 100);
  // The horizontal part is subtracted too: at 90 degrees the letter moves left.
  fx_.SetAngle(90);
  const auto q = Place("ABCD", 4, tmSpeaker, {taAutoToggled});
  EXPECT_EQ(q.X, 100 + (24 - s) / 2);
  EXPECT_EQ(q.Y, 100);
}

TEST_F(GrlfTest, UprightLettersOnATurnedBaselineMoveForward) {
  fx_.SetAngle(30);
  const auto p = Place("AB", 1, ZYLGrlf::tmNone, {});
  EXPECT_EQ(lf_.lfEscapement, 0);
  // Half the letter height / 2.5 = 7 pixels along the baseline turned by 30 degrees: 6.06
  // across and -3.5 up, where the direction held in single precision rounds the half away.
  EXPECT_EQ(p, (vcl::TPoint{106, 96}));
}

TEST_F(GrlfTest, MeasuredSizesEqualLettersAndPerspective) {
  auto b = Blank(8, 8);
  b->Canvas()->Font()->Assign(&font_);
  const int wI = b->Canvas()->TextWidth("I"), hI = b->Canvas()->TextHeight("I");
  size_ = {0, 0};
  Place("IW", 1, tmHalfcircle, {taEqualLetters});  // no effect on arches
  EXPECT_EQ(size_.cx, wI);
  EXPECT_EQ(size_.cy, hI);
  Place("IW", 1, tmHalfcircle, {taPerspective}, 5, 0, 7);
  EXPECT_EQ(size_.cx, wI + 7);
  size_ = {123, 45};
  Place("IW", 1, tmWave, {taEqualLetters, taPerspective});  // the caller's size stays
  EXPECT_EQ(size_.cx, 123);
  EXPECT_EQ(size_.cy, 45);
}

TEST_F(GrlfTest, CalcSizeMeasures) {
  TRect r{5, 5, 5, 5};
  CalcSize(nullptr, r, &font_, &fx_, "AB", tmWave, 0, 5, false, tpBird, 5, {});
  EXPECT_EQ(r, (TRect{0, 0, 0, 0}));
  auto b = Blank(8, 8);
  r = TRect{5, 5, 5, 5};
  CalcSize(b->Canvas(), r, &font_, &fx_, "", tmWave, 0, 5, false, tpBird, 5, {});
  EXPECT_EQ(r, (TRect{0, 0, 0, 0}));

  b->Canvas()->Font()->Assign(&font_);
  const int wW = b->Canvas()->TextWidth("W"), hW = b->Canvas()->TextHeight("W");
  const int wAll =
      b->Canvas()->TextWidth("A") + b->Canvas()->TextWidth("W") + b->Canvas()->TextWidth("i");
  CalcSize(b->Canvas(), r, &font_, &fx_, "AWi", ZYLGrlf::tmNone, 0, 5, false, tpBird, 5,
           {taAutoToggled});
  EXPECT_EQ(r, (TRect{0, 0, wAll, hW}));
  CalcSize(b->Canvas(), r, &font_, &fx_, "AWi", tmWave, 0, 5, false, tpBird, 5,
           {taAutoToggled, taEqualLetters});
  EXPECT_EQ(r.Right, 3 * wW);
  // Perspective reaches the width through the letters, not the height.
  CalcSize(b->Canvas(), r, &font_, &fx_, "AWi", ZYLGrlf::tmNone, 0, 5, false, tpBird, 4,
           {taAutoToggled, taPerspective});
  EXPECT_EQ(r, (TRect{0, 0, wAll + 12, hW}));
  // Arrow: the height is the largest lift.
  CalcSize(b->Canvas(), r, &font_, &fx_, "AAAA", tmArrow, 0, 9, false, tpBird, 5, {});
  EXPECT_EQ(r.Bottom, 18 + hW);

  // Straight up: no x advance, so the width is twice the tallest letter.
  fx_.SetAngle(90);
  CalcSize(b->Canvas(), r, &font_, &fx_, "AW", ZYLGrlf::tmNone, 0, 5, false, tpBird, 5,
           {taAutoToggled});
  EXPECT_EQ(r.Right, 2 * hW);
  EXPECT_GT(r.Bottom, 0);
}

TEST_F(GrlfTest, CalcSizeIgnoresInvertCaptionSoSizeRulesDiffer) {
  auto b = Blank(8, 8);
  TRect r1, r2;
  CalcSize(b->Canvas(), r1, &font_, &fx_, "WWii", tmStairs, 0, 5, false, tpBird, 5, {});
  CalcSize(b->Canvas(), r2, &font_, &fx_, "WWii", tmStairs, 0, 5, true, tpFrog, 5, {});
  EXPECT_EQ(r1, r2);
  TRect r3;
  CalcSize(b->Canvas(), r3, &font_, &fx_, "iiWW", tmStairs, 0, 5, false, tpBird, 5, {});
  EXPECT_NE(r1.Right, r3.Right);
}

TEST_F(GrlfTest, OneLetterArchesAreMeasurable) {
  auto b = Blank(8, 8);
  for (auto t :
       {tmHalfcircle, tmEnterprise, tmHalfmoon, tmLNoseUp, tmLNoseDown, tmRNoseUp, tmRNoseDown}) {
    TRect r;
    CalcSize(b->Canvas(), r, &font_, &fx_, "A", t, 0, 50, false, tpBird, 5, {taAutoToggled});
    EXPECT_GE(r.Right, 0) << int(t);
    EXPECT_LT(r.Right, 200) << int(t);
    EXPECT_LT(r.Bottom, 200) << int(t);
  }
}

TEST_F(GrlfTest, OneLetterAndEmptyTextsDrawNothing) {
  auto b = Blank();
  Draw(b.get(), "A", ZYLGrlf::tmNone, {});
  Draw(b.get(), "", tmWave, {taPerspective});
  EXPECT_EQ(Count(b.get(), kBack), 240 * 120);
  Draw(b.get(), "AB", ZYLGrlf::tmNone, {});
  EXPECT_GT(Count(b.get(), kInk), 0);
}

TEST_F(GrlfTest, DrawingLeavesRectAndCanvasStateAsDocumented) {
  auto b = Blank();
  fx_.SetTracing(3);
  TRect r{10, 0, 230, 100};
  SpecialTextOut(b->Canvas(), r, &font_, &fx_, "Hello", tmWave, 0, 5, false, tpBird, 5, {});
  EXPECT_EQ(r, (TRect{10, 0, 230, 100}));
  EXPECT_EQ(win::GetTextAlign(b->Canvas()->Handle()), 24u);
  EXPECT_EQ(win::GetTextCharacterExtra(b->Canvas()->Handle()), 3);
  EXPECT_EQ(b->Canvas()->Brush()->Style(), vcl::bsClear);
  EXPECT_EQ(b->Canvas()->Font()->Color(), kInk);
}

TEST_F(GrlfTest, InvertCaptionDrawsTheLettersInReverse) {
  auto a = Blank(), b = Blank();
  Draw(a.get(), "Abc", tmStairs, {taAutoToggled}, true);
  Draw(b.get(), "cbA", tmStairs, {taAutoToggled}, false);
  EXPECT_TRUE(Same(a.get(), b.get()));
  auto c = Blank();
  Draw(c.get(), "Abc", tmStairs, {taAutoToggled}, false);
  EXPECT_FALSE(Same(a.get(), c.get()));
}

TEST_F(GrlfTest, BandFollowsRectLeftAndBottom) {
  auto a = Blank(), b = Blank();
  Draw(a.get(), "Wave", tmWave, {taAutoToggled}, false, tpBird, 5, 30, TRect{10, 0, 200, 70});
  Draw(b.get(), "Wave", tmWave, {taAutoToggled}, false, tpBird, 5, 30, TRect{30, 40, 99, 90});
  EXPECT_GT(Count(a.get(), kInk), 0);
  EXPECT_TRUE(Same(b.get(), a.get(), 20, 20));
  // Nothing reaches below the band's bottom line.
  for (int x = 0; x < 240; ++x)
    for (int y = 71; y < 120; ++y) ASSERT_EQ(Px(a.get(), x, y), kBack) << x << "," << y;
}

TEST_F(GrlfTest, PerspectiveCopiesBelowForBirdAboveForFrog) {
  auto bird = Blank(), frog = Blank();
  Draw(bird.get(), "HH", ZYLGrlf::tmNone, {taPerspective}, false, tpBird, 6);
  Draw(frog.get(), "HH", ZYLGrlf::tmNone, {taPerspective}, false, tpFrog, 6);
  ASSERT_GT(Count(bird.get(), 0), 0);
  ASSERT_GT(Count(frog.get(), 0), 0);
  EXPECT_GT(Top(bird.get(), 0), Top(bird.get(), kInk));
  EXPECT_LT(Top(frog.get(), 0), Top(frog.get(), kInk));
  // The bird's eye raises the baseline by the depth.
  EXPECT_EQ(Top(frog.get(), kInk) - Top(bird.get(), kInk), 6);
  auto flat = Blank();
  Draw(flat.get(), "HH", ZYLGrlf::tmNone, {});
  EXPECT_EQ(Count(flat.get(), 0), 0);
}

TEST_F(GrlfTest, EffectLayersByStyle) {
  fx_.SetColor(0, 0x00FF00);  // light: lime
  fx_.SetColor(1, 0xFF0000);  // shadow: blue
  fx_.SetDepth(0, 2);
  fx_.SetDepth(1, 3);
  auto plain = Blank();
  Draw(plain.get(), "HH", ZYLGrlf::tmNone, {});
  for (auto st : {tdOutline, tdExtrude, tdExtrudeEnh}) {
    fx_.SetStyle(st);
    auto b = Blank();
    Draw(b.get(), "HH", ZYLGrlf::tmNone, {});
    EXPECT_TRUE(Same(b.get(), plain.get())) << int(st);
  }
  fx_.SetStyle(tdRaised);
  auto raised = Blank();
  Draw(raised.get(), "HH", ZYLGrlf::tmNone, {});
  EXPECT_GT(Count(raised.get(), 0x00FF00), 0);
  EXPECT_EQ(Count(raised.get(), 0xFF0000), 0);
  EXPECT_EQ(Top(plain.get(), kInk) - Top(raised.get(), 0x00FF00), 2);
  fx_.SetStyle(tdShadow);
  auto shadow = Blank();
  Draw(shadow.get(), "HH", ZYLGrlf::tmNone, {});
  EXPECT_GT(Count(shadow.get(), 0xFF0000), 0);
  EXPECT_EQ(Top(shadow.get(), 0xFF0000) - Top(shadow.get(), kInk), 3);
}

TEST_F(GrlfTest, WaveAndArrowLiftTheirLetters) {
  auto flat = Blank(), wave = Blank(), arrow = Blank();
  Draw(flat.get(), "HH", ZYLGrlf::tmNone, {}, false, tpBird, 5, 25);
  // Wave at factor 25: the band lifts by 25 div 10 = 2 and each letter by Round(sin i * 2.5).
  Draw(wave.get(), "HH", tmWave, {}, false, tpBird, 5, 25);
  // Arrow: the first of two letters is lifted by the factor, the last stays.
  Draw(arrow.get(), "HH", tmArrow, {}, false, tpBird, 5, 25);
  const int top = Top(flat.get(), kInk);
  ASSERT_GT(top, 30);
  EXPECT_EQ(Top(wave.get(), kInk), top - 4);
  EXPECT_EQ(Left(wave.get(), kInk), Left(flat.get(), kInk));
  EXPECT_EQ(Top(arrow.get(), kInk), top - 25);
}

TEST_F(GrlfTest, SunkenShadowStartsOneShadowDepthFurther) {
  fx_.SetDepth(0, 1);
  fx_.SetDepth(1, 4);
  fx_.SetColor(0, 0x00FF00);
  fx_.SetColor(1, 0xFF0000);
  auto plain = Blank(), sunken = Blank();
  Draw(plain.get(), "HH", ZYLGrlf::tmNone, {});
  fx_.SetStyle(tdSunkenShadow);
  Draw(sunken.get(), "HH", ZYLGrlf::tmNone, {});
  EXPECT_EQ(Left(sunken.get(), kInk), Left(plain.get(), kInk) + 4);
  // The shadow layer sits up and left of the letter by depth plus light depth.
  EXPECT_EQ(Left(sunken.get(), kInk) - Left(sunken.get(), 0xFF0000), 5);
  EXPECT_EQ(Top(sunken.get(), kInk) - Top(sunken.get(), 0xFF0000), 5);
}

TEST_F(GrlfTest, TurnedTextIsKeptRightOfLeftAndAboveBottom) {
  fx_.SetAngle(30);
  auto b = Blank(240, 160);
  Draw(b.get(), "Hello", ZYLGrlf::tmNone, {taAutoToggled}, false, tpBird, 5, 5,
       TRect{40, 0, 50, 140});
  ASSERT_GT(Count(b.get(), kInk), 0);
  // The band's corner that would stick out left is moved onto Rect.Left.
  EXPECT_GE(Left(b.get(), kInk), 40);
  EXPECT_LE(Left(b.get(), kInk), 48);
  int bottom = -1;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 240; ++x)
      if (Px(b.get(), x, y) == kInk) bottom = y;
  EXPECT_LE(bottom, 140);
  EXPECT_GT(bottom, 110);
}

TEST_F(GrlfTest, ExtremeValuesStayBounded) {
  auto b = Blank(64, 64);
  TRect r{0, 0, 64, 64};
  SpecialTextOut(b->Canvas(), r, &font_, &fx_, "ABC", tmArrow, 0, INT_MAX, false, tpBird, INT_MAX,
                 {taPerspective, taAutoToggled});
  SpecialTextOut(b->Canvas(), r, &font_, &fx_, "ABC", tmWave, 0, INT_MIN, true, tpFrog, INT_MIN,
                 {taPerspective, taToggled});
  CalcSize(b->Canvas(), r, &font_, &fx_, "ABCDEF", tmArrow, 0, INT_MAX, false, tpBird, INT_MAX,
           {taPerspective});
  EXPECT_GE(r.Right, 0);
  EXPECT_GE(r.Bottom, 0);
}

}  // namespace
}  // namespace zyl
