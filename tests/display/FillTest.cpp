// The fill control: transparency that follows the fill, what it paints (bevel, fill lined up
// with the parent, clipped caption), the image-list bitmap, repaints and streaming.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "display/ZYLFill.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ImageTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using imagetest::Mismatches;
using vcl::TRect;

class TCountingFill : public TZYLFill {
  ZYL_CLASS(TCountingFill, TZYLFill)
  explicit TCountingFill(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingFill) {}

// Colours from F as the pixel check reads them.
template <class F>
std::function<win::COLORREF(int, int)> AsColorRef(F f) {
  return [f](int x, int y) { return static_cast<win::COLORREF>(filltest::RGBOf(f(x, y))); };
}
std::function<win::COLORREF(int, int)> Back(TPicturePanel* p) {
  return AsColorRef([p](int x, int y) { return p->Back->Canvas()->Pixels(x, y); });
}

class FillTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  static win::testkit::TCapture Capture(TPicturePanel* p) {
    return filltest::THostSession::Capture(p);
  }
};

TEST_F(FillTest, EmptinessAndTransparencyFollowTheParts) {
  TZYLFill f(nullptr);
  EXPECT_TRUE(f.Transparent());
  EXPECT_TRUE(f.GetEmpty());
  f.Caption()->SetCaption("x");
  EXPECT_FALSE(f.GetEmpty());
  f.Caption()->SetCaption("");
  f.Bevel()->SetBorderWidth(1);
  EXPECT_FALSE(f.GetEmpty());
  f.Bevel()->SetBorderWidth(0);
  f.FillObject()->SetFillStyle(sfBitmap);  // no picture: still empty
  EXPECT_TRUE(f.GetEmpty());

  f.FillObject()->SetFillStyle(sfBrush);  // the fill's own brush is solid
  EXPECT_FALSE(f.Transparent());
  EXPECT_TRUE(f.ControlStyle().contains(vcl::csOpaque));
  f.FillObject()->Brush()->SetStyle(vcl::bsHorizontal);  // hatched, the back filled
  EXPECT_FALSE(f.Transparent());
  f.FillObject()->SetOptions({});  // hatched over the parent
  EXPECT_TRUE(f.Transparent());
  EXPECT_FALSE(f.ControlStyle().contains(vcl::csOpaque));
  TZYLFillObject gradient;
  gradient.SetFillStyle(sfGradient);
  gradient.Gradient()->SetPaletteRealize(true);
  f.SetFillObject(&gradient);
  EXPECT_FALSE(f.Transparent());
  EXPECT_NE(f.GetPalette(), nullptr);  // the fill's palette while opaque
  EXPECT_EQ(f.GetPalette(), f.FillObject()->GetPalette());
  f.Bevel()->SetBevelStyleOuter(bvRaised);  // other parts leave transparency alone
  EXPECT_FALSE(f.Transparent());
  f.FillObject()->SetFillStyle(sfNone);
  EXPECT_TRUE(f.Transparent());
  EXPECT_EQ(f.GetPalette(), nullptr);
}

TEST_F(FillTest, EmptyFillLeavesTheParentAlone) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* f = new TCountingFill(form.get());
  f->SetBounds(30, 20, 50, 40);
  f->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(f->Paints, 1);
  EXPECT_TRUE(win::testkit::PixelsMatch(Capture(panel), Back(panel), "fill_empty"));
}

TEST_F(FillTest, FillInsideTheBevelAndACaptionClippedToIt) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* f = new TZYLFill(form.get());
  f->SetBounds(20, 10, 80, 50);
  f->FillObject()->SetFillStyle(sfBrush);
  f->FillObject()->Brush()->SetColor(vcl::clRed);
  f->Bevel()->SetBevelStyleOuter(bvRaised);
  f->Bevel()->SetBevelWidthOuter(2);
  f->SetParent(panel);
  form->Show();
  Idle();
  // The reference: the same bevel over the parent's picture, red inside it.
  vcl::TBitmap ref;
  ref.SetSize(80, 50);
  ref.Canvas()->CopyRect(TRect{0, 0, 80, 50}, panel->Back->Canvas(), TRect{20, 10, 100, 60});
  TZYLBevel bevel;
  bevel.Assign(f->Bevel());
  ASSERT_EQ(bevel.PaintBevel(ref.Canvas(), TRect{0, 0, 80, 50}, false), (TRect{2, 2, 78, 48}));
  ref.Canvas()->Brush()->SetColor(vcl::clRed);
  ref.Canvas()->FillRect(TRect{2, 2, 78, 48});
  auto fromRef = [&](int x, int y) { return ref.Canvas()->Pixels(x - 20, y - 10); };
  EXPECT_TRUE(win::testkit::PixelsMatch(Capture(panel), AsColorRef(fromRef), "fill_bevel",
                                        {20, 10, 100, 60}));

  // A caption too wide for the area: in its font's colour, never over the bevel.
  f->Caption()->Font()->SetColor(vcl::clBlue);
  f->Caption()->Font()->SetSize(16);
  f->Caption()->SetCaption("WWWWWWWWWWWWWWWWWWWW");
  Idle();
  auto cap = Capture(panel);
  const TRect inner{22, 12, 98, 58};
  const int area = inner.Width() * inner.Height();
  EXPECT_GT(area - Mismatches(cap, inner, [](int, int) { return vcl::clBlue; }), 50);
  EXPECT_EQ(Mismatches(cap, TRect{20, 10, 100, 60}, fromRef),
            Mismatches(cap, inner, fromRef));  // nothing over the bevel

  // Disabled: the disabled look instead of the font colour.
  f->SetEnabled(false);
  f->Invalidate();
  Idle();
  cap = Capture(panel);
  EXPECT_EQ(Mismatches(cap, inner, [](int, int) { return vcl::clBlue; }), area);
  EXPECT_GT(Mismatches(cap, inner, [](int, int) { return vcl::clRed; }), 50);
}

TEST_F(FillTest, TiledBitmapLinesUpWithTheParent) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto tile = filltest::Pattern(13, 7);
  const TRect bounds[] = {{10, 10, 40, 30}, {37, 22, 90, 61}};
  for (const TRect& b : bounds) {
    auto* f = new TZYLFill(form.get());
    f->SetBounds(b.Left, b.Top, b.Width(), b.Height());
    f->FillObject()->SetFillStyle(sfBitmap);
    f->FillObject()->SetBitmap(tile.get());
    f->SetParent(panel);
  }
  form->Show();
  Idle();
  auto cap = Capture(panel);
  auto tiled = [&](int x, int y) { return tile->Canvas()->Pixels(x % 13, y % 7); };
  for (const TRect& b : bounds)
    EXPECT_TRUE(win::testkit::PixelsMatch(cap, AsColorRef(tiled), "fill_tiled",
                                          {b.Left, b.Top, b.Right, b.Bottom}));
}

TEST_F(FillTest, ImageListItemBecomesTheListBitmap) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* list = imagetest::MakeFrames(form.get(), 2);  // red, lime
  auto* f = new TCountingFill(form.get());
  f->SetBounds(10, 10, 30, 30);
  f->FillObject()->SetFillStyle(sfBitmapList);
  f->SetParent(panel);
  f->SetImageList(list);
  ASSERT_FALSE(f->FillObject()->GetEmpty());
  EXPECT_EQ(f->FillObject()->ListBitmap()->Width(), 4);
  form->Show();
  Idle();
  EXPECT_EQ(At(Capture(panel), 20, 20), vcl::clRed);

  // Another image: one repaint (opaque, so at once).
  const int before = f->Paints;
  f->SetIndex(0, 1);
  Idle();
  EXPECT_EQ(f->Paints, before + 1);
  EXPECT_EQ(At(Capture(panel), 20, 20), vcl::clLime);
  // No such image, or no list: the list bitmap is cleared.
  f->SetIndex(0, 7);
  EXPECT_TRUE(f->FillObject()->GetEmpty());
  f->SetIndex(0, 0);
  EXPECT_FALSE(f->FillObject()->GetEmpty());
  delete list;
  EXPECT_EQ(f->ImageList(), nullptr);
  f->SetIndex(0, 1);
  EXPECT_TRUE(f->FillObject()->GetEmpty());
}

TEST_F(FillTest, OneRepaintPerSettingsChange) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* f = new TCountingFill(form.get());
  f->SetBounds(10, 10, 60, 40);
  f->SetParent(panel);
  form->Show();
  Idle();
  auto paints = [&](auto change) {
    const int before = f->Paints;
    change();
    Idle();
    return f->Paints - before;
  };
  EXPECT_EQ(paints([&] { f->Caption()->SetCaption("A"); }), 1);
  EXPECT_EQ(paints([&] { f->Caption()->SetCaption("A"); }), 0);
  EXPECT_EQ(paints([&] { f->Caption()->FontFX()->SetStyle(tdRaised); }), 1);
  EXPECT_EQ(paints([&] { f->Bevel()->SetBevelStyleOuter(bvLowered); }), 1);
  EXPECT_EQ(paints([&] { f->FillObject()->SetFillStyle(sfGradient); }), 1);  // becomes opaque
  EXPECT_EQ(paints([&] { f->FillObject()->Gradient()->SetStyle(gstElliptic); }), 1);
  EXPECT_EQ(paints([&] {
              f->BeginUpdate();
              f->Caption()->SetCaption("B");
              f->Bevel()->SetBevelWidthOuter(3);
              Idle();
              f->EndUpdate(true);
            }),
            1);
}

}  // namespace
}  // namespace zyl
