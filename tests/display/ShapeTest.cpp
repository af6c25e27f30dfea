// The shape control: defaults and published properties, the kept outline and the cached fill,
// drawing in the fast and fill modes (brush, bitmap, gradient, teeth, caption and its
// clipping), repaints per change, the image-list bitmap, saving to a file and form streams.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/ZYLShapeControl.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGradient.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Forms.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/testkit/TestKit.h"
#include "tests/display/FillTestHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using filltest::ExpectPixels;
using vcl::TColor;
using vcl::TPoint;
using vcl::TRect;

// Counts its paints and shows the rectangles DrawCaption is given.
class TProbeShape : public TZYLShapeControl {
  ZYL_CLASS(TProbeShape, TZYLShapeControl)
  explicit TProbeShape(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;
  std::vector<TRect> CaptionRects;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
  void DrawCaption(vcl::TCanvas* Canvas, const TRect& Rect) override {
    CaptionRects.push_back(Rect);
    inherited::DrawCaption(Canvas, Rect);
  }
};
ZYL_CLASS_IMPL(TProbeShape) {}

std::vector<TPoint> Points(TZYLPointList* l) {
  std::vector<TPoint> v;
  for (int i = 0; i < l->Count(); ++i) v.push_back(l->Point(i));
  return v;
}

TColor Px(vcl::TBitmap& b, int x, int y) { return vcl::ColorToRGB(b.Canvas()->Pixels(x, y)); }

std::unique_ptr<vcl::TBitmap> Solid(int w, int h, TColor c) { return filltest::Plain(w, h, c); }

// A plain shape: no bevel, no shadow, a solid brush.
void MakePlain(TZYLBaseShape* s, TColor brush) {
  s->Bevel()->SetWidth(0);
  s->Shadow()->SetStyle(hssNone);
  s->Brush()->SetColor(brush);
}

// Counts the pixels of a rectangle that have none of the given colours (text ink, whatever
// colour the caption is drawn in).
int CountOther(vcl::TBitmap& b, const TRect& r, std::initializer_list<TColor> known) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = Px(b, x, y);
      bool isKnown = false;
      for (TColor k : known) isKnown = isKnown || c == vcl::ColorToRGB(k);
      if (!isKnown) ++n;
    }
  return n;
}

// Counts the pixels of a colour in a rectangle of a bitmap.
int CountColor(vcl::TBitmap& b, const TRect& r, TColor c) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (Px(b, x, y) == c) ++n;
  return n;
}

class ShapeTest : public ::testing::Test {
 protected:
  ShapeTest() : session_(800, 600) {}
  static void Idle() { win::testkit::RunUntilIdle(); }

  // A borderless form of one colour.
  static std::unique_ptr<vcl::TForm> MakeForm(TColor c = vcl::clLime, int w = 200, int h = 150) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBorderStyle(vcl::bsNone);
    form->SetBounds(0, 0, w, h);
    form->SetColor(c);
    return form;
  }
  // The control painted onto a bitmap first filled with Back.
  static std::unique_ptr<vcl::TBitmap> Render(TZYLBaseShape* s, TColor back = vcl::clLime) {
    auto b = Solid(s->Width(), s->Height(), back);
    s->PaintToCanvas(b->Canvas());
    return b;
  }

 private:
  vcl::testkit::TControlsSession session_;
};

// ---- Defaults and published properties ----

TEST_F(ShapeTest, ModeChoosesTheActiveTeethAndTheFillBitmap) {
  TZYLShapeControl s(nullptr);
  s.SetMode(scmTeethFast);
  EXPECT_EQ(s.ActiveTeeth(), s.Teeth());
  EXPECT_EQ(s.FillBitmap(), nullptr);  // fast modes keep no fill
  s.SetMode(scmShapeFill);
  EXPECT_EQ(s.ActiveTeeth(), nullptr);
  ASSERT_NE(s.FillBitmap(), nullptr);
  EXPECT_TRUE(s.FillBitmap()->Empty());  // rendered at the next paint
  s.SetMode(scmTeethFill);
  EXPECT_EQ(s.ActiveTeeth(), s.Teeth());
  EXPECT_EQ(s.GetPalette(), s.ShapeFill()->GetPalette());
  s.SetBounds(0, 0, 30, 30);
  Render(&s);
  ASSERT_NE(s.FillBitmap(), nullptr);
  EXPECT_FALSE(s.FillBitmap()->Empty());
  s.SetMode(scmShapeFast);  // frees the fill; back in a fill mode it is rendered again
  EXPECT_EQ(s.ActiveTeeth(), nullptr);
  EXPECT_EQ(s.FillBitmap(), nullptr);
  Render(&s);
  EXPECT_EQ(s.FillBitmap(), nullptr);
  s.SetMode(scmShapeFill);
  Render(&s);
  ASSERT_NE(s.FillBitmap(), nullptr);
  EXPECT_FALSE(s.FillBitmap()->Empty());
}

// ---- The kept outline ----

TEST_F(ShapeTest, OutlineFollowsSizeButNotPositionOrCaption) {
  auto form = MakeForm();
  auto* s = new TZYLShapeControl(form.get());
  s->SetBounds(10, 10, 60, 40);
  s->SetParent(form.get());
  s->SetShape(stDiamond);  // computes the outline for 60 x 40
  EXPECT_EQ(s->Outline()->Count(), 4);
  const auto first = Points(s->Outline());
  // The diamond spans the shape rectangle: 60 x 40 less the shadow.
  int maxX = 0, maxY = 0;
  for (auto p : first) maxX = std::max(maxX, p.X), maxY = std::max(maxY, p.Y);
  EXPECT_EQ(maxX, 60 - 6 - 1);
  EXPECT_EQ(maxY, 40 - 6 - 1);
  Render(s);
  EXPECT_FALSE(s->OutlineStale());

  s->SetBounds(30, 25, 60, 40);  // moved only
  EXPECT_FALSE(s->OutlineStale());
  s->SetBounds(30, 25, 80, 50);  // resized: recomputed at the next paint
  EXPECT_TRUE(s->OutlineStale());
  EXPECT_EQ(Points(s->Outline()), first);
  s->Caption()->SetCaption("text");  // the caption does not touch the outline
  EXPECT_EQ(Points(s->Outline()), first);
  Render(s);
  EXPECT_FALSE(s->OutlineStale());
  const auto second = Points(s->Outline());
  EXPECT_NE(second, first);
  maxX = 0;
  for (auto p : second) maxX = std::max(maxX, p.X);
  EXPECT_EQ(maxX, 80 - 6 - 1);
  // Any other setting recomputes it at once.
  s->SetSquare(true);
  EXPECT_NE(Points(s->Outline()), second);
}

// ---- Fast modes ----

TEST_F(ShapeTest, FastModeDrawsShapeShadowAndBackground) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 40, 30);
  s.SetColor(vcl::clWhite);
  MakePlain(&s, vcl::clRed);
  s.Shadow()->SetStyle(hssSolid);
  s.Shadow()->SetDepth(5);
  s.Shadow()->SetColor(vcl::clBlue);
  // Transparent: the background stays; the shape is 35 x 25 with its shadow below-right.
  const filltest::TPoints want = {
      {0, 0, vcl::clRed}, {34, 24, vcl::clRed}, {37, 27, vcl::clBlue}, {37, 2, vcl::clLime}};
  ExpectPixels(Render(&s).get(), want);
  s.SetTransparent(false);
  ExpectPixels(Render(&s).get(), {{37, 2, vcl::clWhite}});
  s.SetShape(stEllipse);  // an ellipse leaves its corners to the background
  ExpectPixels(Render(&s).get(), {{0, 0, vcl::clWhite}, {17, 12, vcl::clRed}});
}

TEST_F(ShapeTest, TeethModesGiveAToothedEdge) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 60, 40);
  MakePlain(&s, vcl::clRed);
  s.Teeth()->SetCount(4);
  s.Teeth()->SetInteger(0, 10);
  // Fast mode without teeth: the column near the right edge is all shape.
  auto b = Render(&s);
  EXPECT_EQ(CountColor(*b, TRect{57, 0, 58, 40}, vcl::clRed), 40);
  s.SetMode(scmTeethFast);
  b = Render(&s);
  const int red = CountColor(*b, TRect{57, 0, 58, 40}, vcl::clRed);
  EXPECT_GT(red, 0);   // the tips reach it
  EXPECT_LT(red, 20);  // the gaps between them show the background
  EXPECT_EQ(CountColor(*b, TRect{45, 0, 46, 40}, vcl::clRed), 40);  // the body is whole
}

// ---- Caption ----

TEST_F(ShapeTest, CaptionAvoidsBevelAndShadow) {
  auto form = MakeForm();
  auto* s = new TProbeShape(form.get());
  s->SetBounds(0, 0, 80, 50);
  s->SetColor(vcl::clBlue);
  s->Shadow()->SetDepth(8);
  s->Bevel()->SetWidth(3);
  s->Caption()->SetCaption("WWWW");
  s->Caption()->SetAlignment(agBottomRight);
  s->Caption()->Font()->SetColor(vcl::clRed);
  s->Brush()->SetColor(vcl::clWhite);
  auto b = Render(s);
  ASSERT_EQ(s->CaptionRects.size(), 1u);
  EXPECT_EQ(s->CaptionRects[0], (TRect{0, 0, 80, 50}));
  // The text ends before the bevel and the shadow on the right and bottom.
  const std::initializer_list<TColor> known = {vcl::clWhite, vcl::clLime, vcl::clBlack,
                                               vcl::clBtnShadow};
  EXPECT_GT(CountOther(*b, TRect{0, 0, 80 - 8 - 3, 50 - 8 - 3}, known), 0);
  EXPECT_EQ(CountOther(*b, TRect{80 - 8 - 3, 0, 80, 50}, known), 0);
  EXPECT_EQ(CountOther(*b, TRect{0, 50 - 8 - 3, 80, 50}, known), 0);
  // Fill mode with teeth on the right: the caption area loses the teeth.
  s->CaptionRects.clear();
  s->SetMode(scmTeethFill);
  Render(s);
  ASSERT_EQ(s->CaptionRects.size(), 1u);
  EXPECT_EQ(s->CaptionRects[0], (TRect{0, 0, 70, 50}));
  s->Teeth()->SetDirection(tdDown);
  s->Teeth()->SetInteger(1, 7);
  s->CaptionRects.clear();
  Render(s);
  ASSERT_EQ(s->CaptionRects.size(), 1u);
  EXPECT_EQ(s->CaptionRects[0], (TRect{0, 0, 80, 43}));
  // Teeth on the left: the text keeps clear of them.
  s->Shadow()->SetStyle(hssNone);
  s->Bevel()->SetWidth(0);
  s->Caption()->SetAlignment(agCenterLeft);
  s->Teeth()->SetDirection(tdLeft);
  s->Teeth()->SetInteger(0, 30);
  b = Render(s);
  EXPECT_EQ(CountOther(*b, TRect{0, 0, 30, 50}, known), 0);
  EXPECT_GT(CountOther(*b, TRect{30, 0, 80, 50}, known), 0);
  // Without a caption text nothing but the shape is drawn.
  s->SetMode(scmShapeFast);
  s->Caption()->SetCaption("");
  b = Render(s);
  EXPECT_EQ(CountOther(*b, TRect{0, 0, 80, 50}, known), 0);
}

TEST_F(ShapeTest, ClippedCaptionStaysInsideTheShape) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 90, 60);
  s.SetShape(stEllipse);
  s.SetMode(scmShapeFill);
  s.SetColor(vcl::clBlue);
  MakePlain(&s, vcl::clWhite);
  s.Caption()->SetCaption("MMMMMMMMMM");
  s.Caption()->SetAlignment(agTopLeft);
  s.Caption()->Font()->SetColor(vcl::clRed);
  // Unclipped, the text in the top-left corner lies partly outside the ellipse.
  auto b = Render(&s, vcl::clLime);
  const TRect corner{0, 0, 10, 7};    // wholly outside the ellipse
  const TRect inside{30, 4, 60, 12};  // a strip of the text wholly inside the ellipse
  EXPECT_GT(CountOther(*b, corner, {vcl::clWhite, vcl::clLime}), 0);
  EXPECT_GT(CountOther(*b, inside, {vcl::clWhite}), 0);
  s.SetCaptionClip(true);
  b = Render(&s, vcl::clLime);
  EXPECT_EQ(CountOther(*b, corner, {vcl::clWhite, vcl::clLime}), 0);
  EXPECT_GT(CountOther(*b, inside, {vcl::clWhite}), 0);  // the rest of the text still shows
  // A style that does not draw through the fill bitmap still shows its caption.
  s.ShapeFill()->SetFillStyle(sfNone);
  b = Render(&s, vcl::clLime);
  EXPECT_GT(CountOther(*b, TRect{0, 0, 90, 60}, {vcl::clLime}), 0);
}

// ---- Fill modes ----

TEST_F(ShapeTest, BitmapFillOnlyReachesTheShape) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 50, 40);
  s.SetShape(stEllipse);
  s.SetColor(vcl::clWhite);
  MakePlain(&s, vcl::clRed);
  s.SetMode(scmShapeFill);
  s.ShapeFill()->SetBitmap(Solid(4, 4, vcl::clBlue).get());
  s.ShapeFill()->SetFillStyle(sfBitmap);
  // Transparent: the colour of the control never shows.
  ExpectPixels(Render(&s).get(),
               {{25, 20, vcl::clBlue}, {0, 0, vcl::clLime}, {49, 39, vcl::clLime}});
  ASSERT_NE(s.FillBitmap(), nullptr);
  EXPECT_EQ(s.FillBitmap()->Width(), 50);  // rendered for the client rectangle
  EXPECT_EQ(s.FillBitmap()->Height(), 40);
  // The cache is kept between paints and dropped by a change.
  vcl::TBitmap* cached = s.FillBitmap();
  Render(&s);
  EXPECT_EQ(s.FillBitmap(), cached);
  s.ShapeFill()->SetTileMode(tmStretch);
  ASSERT_NE(s.FillBitmap(), nullptr);
  EXPECT_TRUE(s.FillBitmap()->Empty());
}

TEST_F(ShapeTest, BrushBitmapAndNoneStyles) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 30, 30);
  MakePlain(&s, vcl::clRed);
  s.SetMode(scmShapeFill);
  s.ShapeFill()->SetFillStyle(sfNone);
  ExpectPixels(Render(&s).get(), {{15, 15, vcl::clLime}});  // nothing fills the shape
  s.ShapeFill()->SetFillStyle(sfBrushBitmap);
  ExpectPixels(Render(&s).get(), {{15, 15, vcl::clLime}});  // no picture: nothing, no failure
  s.ShapeFill()->SetBitmap(Solid(8, 8, vcl::clBlue).get());
  ExpectPixels(Render(&s).get(), {{15, 15, vcl::clBlue}});
}

TEST_F(ShapeTest, EmptySizesPaintNothingAndDoNotFail) {
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 0, 0);
  for (auto mode : {scmShapeFast, scmShapeFill, scmTeethFast, scmTeethFill}) {
    s.SetMode(mode);
    for (auto style : {sfNone, sfBrushBitmap, sfBrush, sfBitmap, sfBitmapList, sfGradient}) {
      s.ShapeFill()->SetFillStyle(style);
      vcl::TBitmap b;
      b.SetSize(4, 4);
      EXPECT_NO_THROW(s.PaintToCanvas(b.Canvas()));
    }
  }
  s.SetBounds(0, 0, 3, 2);  // smaller than bevel and shadow
  s.SetMode(scmTeethFill);
  s.Caption()->SetCaption("x");
  vcl::TBitmap b;
  b.SetSize(3, 2);
  EXPECT_NO_THROW(s.PaintToCanvas(b.Canvas()));
}

// A tracing shadow shows wherever the shape stands on its form: its checker is clipped to the
// shadow's outline where the control stands, not where the form's corner is.
TEST_F(ShapeTest, ATracingShadowShowsAwayFromTheFormsCorner) {
  auto form = MakeForm(vcl::clLime, 300, 200);
  auto* s = new TZYLShapeControl(form.get());
  s->SetBounds(101, 51, 40, 30);
  s->SetParent(form.get());
  MakePlain(s, vcl::clRed);
  s->Shadow()->SetStyle(hssTracing);
  s->Shadow()->SetDepth(5);
  s->Shadow()->SetColor(vcl::clBlue);
  form->Show();
  const win::testkit::TCapture screen = win::testkit::RenderWindow(form->Handle(), false);
  // Below the 35 x 25 shape, every other pixel of the shadow's band is darkened by the shadow's
  // colour.
  int shadow = 0;
  for (int y = 51 + 26; y < 51 + 30; ++y)
    for (int x = 101 + 6; x < 101 + 36; ++x)
      shadow += screen.Color(x, y) != vcl::ColorToRGB(vcl::clLime);
  EXPECT_EQ(shadow, 4 * 30 / 2);
}

// ---- Repaints ----

TEST_F(ShapeTest, EachSettingsChangeRepaintsOnce) {
  auto form = MakeForm();
  auto* s = new TProbeShape(form.get());
  s->SetBounds(10, 10, 50, 40);
  s->SetParent(form.get());
  form->Show();
  Idle();
  ASSERT_GE(s->Paints, 1);
  // Each change repaints once; set again unchanged, the shape's own settings do not repaint.
  const std::pair<std::function<void()>, bool> changes[] = {
      {[&] { s->Bevel()->SetWidth(4); }, true},
      {[&] { s->Brush()->SetColor(vcl::clRed); }, false},
      {[&] { s->Caption()->SetCaption("A"); }, false},
      {[&] { s->Shadow()->SetDepth(2); }, false},
      {[&] { s->ShapeFill()->SetFillStyle(sfGradient); }, false},
      {[&] { s->Teeth()->SetCount(3); }, false},
      {[&] { s->SetShape(stStar); }, true},
      {[&] { s->SetSquare(true); }, true},
      {[&] { s->SetRoundPercent(10); }, true},
      {[&] { s->SetBrushBackColor(vcl::clRed); }, false},
      {[&] { s->SetCaptionClip(true); }, false},
      {[&] { s->SetMode(scmTeethFill); }, true}};
  for (size_t i = 0; i < std::size(changes); ++i) {
    const int before = s->Paints;
    changes[i].first();
    Idle();
    EXPECT_EQ(s->Paints, before + 1) << "change " << i;
  }
  const int before = s->Paints;
  for (const auto& [change, again] : changes)
    if (again) change();
  Idle();
  EXPECT_EQ(s->Paints, before);
}

// ---- Image list ----

TEST_F(ShapeTest, ImageListItemBecomesTheListBitmap) {
  auto form = MakeForm();
  auto* list = new TZYLBitmapList(form.get());
  auto* item = list->GetArrayItem(list->Add());
  auto pic = Solid(6, 5, vcl::clBlue);
  pic->Canvas()->SetPixels(1, 2, vcl::clRed);
  item->SetBitmap(pic.get());
  auto* s = new TZYLShapeControl(form.get());
  s->SetBounds(0, 0, 40, 30);
  EXPECT_EQ(s->ShapeFill()->ListBitmap(), nullptr);
  s->SetImageList(list);
  vcl::TBitmap* lb = s->ShapeFill()->ListBitmap();
  ASSERT_NE(lb, nullptr);
  EXPECT_EQ(lb->Width(), 6);
  EXPECT_EQ(lb->Height(), 5);
  ExpectPixels(lb, {{1, 2, vcl::clRed}, {0, 0, vcl::clBlue}});
  // The list bitmap fills the shape in sfBitmapList.
  MakePlain(s, vcl::clWhite);
  s->SetMode(scmShapeFill);
  s->ShapeFill()->SetFillStyle(sfBitmapList);
  s->ShapeFill()->SetTileMode(tmStretch);
  ExpectPixels(Render(s).get(), {{35, 25, vcl::clBlue}});
  // A list index without an image clears it.
  s->SetIndex(1, 3);
  EXPECT_EQ(s->ShapeFill()->ListBitmap(), nullptr);
  s->SetIndex(1, 0);
  EXPECT_NE(s->ShapeFill()->ListBitmap(), nullptr);
  // Freeing the list lets go of it; the copied picture stays usable.
  delete list;
  EXPECT_EQ(s->ImageList(), nullptr);
  EXPECT_NO_THROW(Render(s));
}

// ---- Saving ----

TEST_F(ShapeTest, SaveToFileWritesTheShapeOverAFreshBitmap) {
  testsupport::TempDir dir;
  TZYLShapeControl s(nullptr);
  s.SetBounds(0, 0, 30, 20);
  s.SetShape(stEllipse);
  MakePlain(&s, vcl::clRed);
  const std::string name = dir.File("shape.bmp");
  s.SaveToFile(name);
  vcl::TBitmap back;
  back.LoadFromFile(name);
  ASSERT_EQ(back.Width(), 30);
  ASSERT_EQ(back.Height(), 20);
  EXPECT_EQ(Px(back, 15, 10), vcl::clRed);
  vcl::TBitmap fresh;
  fresh.SetSize(30, 20);
  EXPECT_EQ(Px(back, 0, 0), Px(fresh, 0, 0));  // no parent background behind it
  EXPECT_THROW(s.SaveToFile(dir.File("missing/x.bmp")), vcl::Exception);
}

}  // namespace
}  // namespace zyl
