// The shadow fill: its pattern and colour rule, what the pattern does to the pixels under it
// in each style, repaints and streaming.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/ZYLShadowFill.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;
namespace sf = ZYLShadowFill;

class TCountingShadow : public TZYLShadowFill {
  ZYL_CLASS(TCountingShadow, TZYLShadowFill)
  explicit TCountingShadow(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingShadow) {}

class ShadowFillTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }

  // Over Area (panel coordinates), each captured pixel must be Under(x, y) or Under AND Color,
  // the darkened ones on one colour of a checkerboard; answers how many are darkened (-1: a
  // pixel of another colour, or darkened pixels on both colours).
  template <class F>
  static int Shadowed(const win::testkit::TCapture& cap, const TRect& Area, vcl::TColor Color,
                      F Under) {
    int parity = -1, dark = 0;
    for (int y = Area.Top; y < Area.Bottom; ++y)
      for (int x = Area.Left; x < Area.Right; ++x) {
        const vcl::TColor under = filltest::RGBOf(Under(x, y)), got = At(cap, x, y);
        const vcl::TColor darkened = under & filltest::RGBOf(Color);
        if (got != under && got != darkened) return -1;
        if (under == darkened || got != darkened) continue;
        const int p = (x + y) & 1;
        if (parity >= 0 && p != parity) return -1;
        parity = p;
        ++dark;
      }
    return dark;
  }
};

TEST_F(ShadowFillTest, PatternIsAnOwnCopyAndWhiteBecomesBlack) {
  TZYLShadowFill s(nullptr);
  EXPECT_EQ(s.ShadowColor(), 0);
  EXPECT_EQ(s.Style(), sf::sfShadow);
  EXPECT_TRUE(s.Transparent());
  vcl::TBitmap* p = s.Pattern();
  ASSERT_EQ(p->Width(), 8);
  ASSERT_EQ(p->Height(), 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(p->Canvas()->Pixels(x, y), (x + y) % 2 ? vcl::clWhite : vcl::clBlack);
  s.SetShadowColor(vcl::clRed);
  EXPECT_EQ(p->Canvas()->Pixels(0, 0), vcl::clRed);
  ZYLApplication()->GetBrushBitmap(vcl::clBlue);  // the shared cache moves on, the copy stays
  EXPECT_EQ(p->Canvas()->Pixels(0, 0), vcl::clRed);
  EXPECT_EQ(p->Canvas()->Pixels(1, 0), vcl::clWhite);
  s.SetShadowColor(0xFFFFFF);
  EXPECT_EQ(s.ShadowColor(), 0);
  EXPECT_EQ(s.Pattern()->Canvas()->Pixels(0, 0), vcl::clBlack);
}

TEST_F(ShadowFillTest, EachStyleDarkensItsArea) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* s = new TZYLShadowFill(form.get());
  s->SetBounds(20, 10, 60, 40);
  s->SetShadowColor(vcl::clRed);
  s->Bevel()->SetBevelStyleOuter(bvRaised);
  s->Bevel()->SetBevelWidthOuter(2);
  s->SetParent(panel);
  form->Show();
  Idle();
  // The bevel as it looks over the parent's picture.
  vcl::TBitmap ref;
  ref.SetSize(160, 120);
  ref.Canvas()->CopyRect(TRect{0, 0, 160, 120}, panel->Back->Canvas(), TRect{0, 0, 160, 120});
  TZYLBevel bevel;
  bevel.Assign(s->Bevel());
  bevel.PaintBevel(ref.Canvas(), TRect{20, 10, 80, 50}, true);
  auto withBevel = [&](int x, int y) { return ref.Canvas()->Pixels(x, y); };
  const TRect whole{0, 0, 160, 120}, control{20, 10, 80, 50}, inner{22, 12, 78, 48};

  // sfShadow: inside the bevel only (every other pixel darkened), nothing elsewhere.
  auto cap = filltest::THostSession::Capture(panel);
  EXPECT_GT(Shadowed(cap, inner, vcl::clRed, withBevel), 56 * 36 / 2 - 60);
  int darkOutsideInner = Shadowed(cap, whole, vcl::clRed, withBevel) -
                         Shadowed(cap, inner, vcl::clRed, withBevel);
  EXPECT_EQ(darkOutsideInner, 0);
  // sfFullShadow: the bevel is darkened as well.
  s->SetShadowMode(sf::sfFullShadow);
  Idle();
  cap = filltest::THostSession::Capture(panel);
  EXPECT_GT(Shadowed(cap, control, vcl::clRed, withBevel) - Shadowed(cap, inner, vcl::clRed, withBevel), 80);
  EXPECT_EQ(Shadowed(cap, whole, vcl::clRed, withBevel), Shadowed(cap, control, vcl::clRed, withBevel));
  // sfNone: only the bevel; without it the control is empty and paints nothing.
  s->SetShadowMode(sf::sfNone);
  Idle();
  EXPECT_EQ(Shadowed(filltest::THostSession::Capture(panel), whole, vcl::clRed, withBevel), 0);
  s->Bevel()->SetBevelStyleOuter(bvNone);
  EXPECT_TRUE(s->GetEmpty());
  Idle();
  EXPECT_EQ(Shadowed(filltest::THostSession::Capture(panel), whole, vcl::clRed,
                     [&](int x, int y) { return panel->Back->Canvas()->Pixels(x, y); }),
            0);
}

TEST_F(ShadowFillTest, OddSizedBlackShadowCoversExactlyTheControl) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* s = new TZYLShadowFill(form.get());
  s->SetBounds(5, 7, 21, 13);
  s->SetParent(panel);
  form->Show();
  Idle();
  auto cap = filltest::THostSession::Capture(panel);
  auto back = [&](int x, int y) { return panel->Back->Canvas()->Pixels(x, y); };
  const int dark = Shadowed(cap, TRect{5, 7, 26, 20}, vcl::clBlack, back);
  EXPECT_TRUE(dark == 136 || dark == 137) << dark;  // half of 21 x 13
  EXPECT_EQ(Shadowed(cap, TRect{0, 0, 160, 120}, vcl::clBlack, back), dark);
}

TEST_F(ShadowFillTest, OneRepaintPerChange) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* s = new TCountingShadow(form.get());
  s->SetParent(panel);
  form->Show();
  Idle();
  auto paints = [&](auto change) {
    const int before = s->Paints;
    change();
    Idle();
    return s->Paints - before;
  };
  EXPECT_EQ(paints([&] { s->SetShadowColor(0xFFFFFF); }), 0);  // white is black: unchanged
  EXPECT_EQ(paints([&] { s->SetShadowColor(vcl::clNavy); }), 1);
  EXPECT_EQ(paints([&] { s->SetShadowColor(vcl::clNavy); }), 0);
  EXPECT_EQ(paints([&] { s->SetShadowMode(sf::sfFullShadow); }), 1);
  EXPECT_EQ(paints([&] { s->SetShadowMode(sf::sfFullShadow); }), 0);
  EXPECT_EQ(paints([&] { s->Bevel()->SetBorderWidth(2); }), 1);
}

}  // namespace
}  // namespace zyl
