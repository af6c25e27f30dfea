// The repeated shape: its grid (cells per count or of a fixed size, with gaps), the cell the
// fill is rendered for, opaque copying and transparent tiling of the cell, limits of the
// settings, repaints, streams; and the example form of the shape controls.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "display/ZYLRepeatedShape.h"
#include "display/ZYLShapeControl.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLShapeObjects.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Streams.h"
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
using filltest::TPoints;
using vcl::TColor;
using vcl::TRect;

class TCountingRepeated : public TZYLRepeatedShape {
  ZYL_CLASS(TCountingRepeated, TZYLRepeatedShape)
  explicit TCountingRepeated(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingRepeated) {}

class RepeatedShapeTest : public ::testing::Test {
 protected:
  RepeatedShapeTest() : session_(800, 600) {}
  static void Idle() { win::testkit::RunUntilIdle(); }

  static std::unique_ptr<vcl::TForm> MakeForm(TColor c = vcl::clLime, int w = 240, int h = 160) {
    auto form = std::make_unique<vcl::TForm>(nullptr);
    form->SetBorderStyle(vcl::bsNone);
    form->SetBounds(0, 0, w, h);
    form->SetColor(c);
    return form;
  }
  // A plain red rectangle shape at (0, 0) on a lime form, painted and captured.
  TZYLRepeatedShape* Place(vcl::TForm* form, int w, int h) {
    auto* s = new TZYLRepeatedShape(form);
    s->SetBounds(0, 0, w, h);
    s->Bevel()->SetWidth(0);
    s->Shadow()->SetStyle(hssNone);
    s->Brush()->SetColor(vcl::clRed);
    s->SetColor(vcl::clWhite);
    s->SetParent(form);
    return s;
  }
  static win::testkit::TCapture Show(vcl::TForm* form) {
    form->Show();
    Idle();
    return win::testkit::CaptureWindow(form->Handle(), false);
  }
  static TColor At(const win::testkit::TCapture& c, int x, int y) {
    return static_cast<TColor>(c.Color(x, y));
  }

 private:
  vcl::testkit::TControlsSession session_;
};

TEST_F(RepeatedShapeTest, IndexedSettersAndLimits) {
  TZYLRepeatedShape s(nullptr);
  for (int i = 0; i < 6; ++i) s.SetInteger(i, 7 + i);
  EXPECT_EQ((std::vector<int>{s.ShapeWidth(), s.ShapeHeight(), s.HorOffset(), s.VerOffset(),
                              s.HorCount(), s.VerCount()}),
            (std::vector<int>{7, 8, 9, 10, 11, 12}));
  // Counts divide the control: never below one; sizes never negative; negative gaps overlap.
  s.SetInteger(TZYLRepeatedShape::ipHorCount, 0);
  EXPECT_EQ(s.HorCount(), 1);
  s.SetInteger(TZYLRepeatedShape::ipVerCount, -3);
  EXPECT_EQ(s.VerCount(), 1);
  s.SetInteger(TZYLRepeatedShape::ipShapeWidth, -5);
  EXPECT_EQ(s.ShapeWidth(), 0);
  s.SetInteger(TZYLRepeatedShape::ipHorOffset, -1);
  EXPECT_EQ(s.HorOffset(), -1);
  s.SetInteger(TZYLRepeatedShape::ipVerOffset, -(1 << 30));
  EXPECT_EQ(s.VerOffset(), -TZYLRepeatedShape::MaxExtent);
  s.SetInteger(TZYLRepeatedShape::ipShapeHeight, 1 << 30);
  EXPECT_EQ(s.ShapeHeight(), TZYLRepeatedShape::MaxExtent);
  s.SetInteger(9, 4);  // unknown index: nothing
  EXPECT_EQ(s.GetInteger(9), 0);
}

TEST_F(RepeatedShapeTest, CellsPerCount) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 100, 50);
  Show(form.get());
  EXPECT_EQ(s->ShapeWidth(), 20);
  EXPECT_EQ(s->ShapeHeight(), 10);
  auto g = s->PaintGrid();
  EXPECT_EQ(g.CellWidth, 20);
  EXPECT_EQ(g.Columns, 5);
  EXPECT_EQ(g.Rows, 5);

  // Width 103 with gaps of 2: both the paint (Trunc) and the fill (Round) take 19.
  s->SetBounds(0, 0, 103, 50);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 2);
  Idle();
  EXPECT_EQ(s->PaintGrid().CellWidth, 19);
  ASSERT_NE(s->FillBitmap(), nullptr);
  EXPECT_EQ(s->FillBitmap()->Width(), 19);

  // Width 104, no gaps: cells of Trunc(20.8) = 20 and a fill of Round(20.8) = 21.
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 0);
  s->SetBounds(0, 0, 104, 50);
  Idle();
  EXPECT_EQ(s->PaintGrid().CellWidth, 20);
  EXPECT_EQ(s->ShapeWidth(), 20);
  ASSERT_NE(s->FillBitmap(), nullptr);
  EXPECT_EQ(s->FillBitmap()->Width(), 21);
}

TEST_F(RepeatedShapeTest, OpaqueGridKeepsTheGapsInTheBackground) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 104, 50);
  s->SetTransparent(false);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 2);  // HorOffset
  s->SetInteger(TZYLRepeatedShape::ipVerOffset, 1);  // VerOffset
  auto cap = Show(form.get());
  // Cells of Trunc((104 - 8) / 5) = 19 x Trunc((50 - 4) / 5) = 9, every 21 x 10 pixels.
  ASSERT_EQ(s->PaintGrid().CellWidth, 19);
  ASSERT_EQ(s->PaintGrid().CellHeight, 9);
  for (int col = 0; col < 5; ++col) {
    const int x = col * 21;
    EXPECT_EQ(At(cap, x, 0), vcl::clRed) << col;
    EXPECT_EQ(At(cap, x + 18, 8), vcl::clRed) << col;
    EXPECT_EQ(At(cap, x + 19, 4), vcl::clWhite) << col;  // the gap
    if (col < 4) {
      EXPECT_EQ(At(cap, x + 20, 4), vcl::clWhite) << col;
    }
  }
  // The row gap, the second row, below the fifth row (ends at 49), beyond the fifth column
  // (ends at 103), the form beside the control.
  const TPoints want = {{10, 9, vcl::clWhite},
                        {10, 10, vcl::clRed},
                        {10, 49, vcl::clWhite},
                        {103, 10, vcl::clWhite},
                        {110, 10, vcl::clLime}};
  ExpectPixels(cap, want, 0, 0, "repeated_opaque");
}

TEST_F(RepeatedShapeTest, NegativeOffsetsOverlapTheCells) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 100, 50);
  s->SetTransparent(false);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, -27);
  auto cap = Show(form.get());
  // Cells of Trunc((100 + 4 * 27) / 5) = 41 pixels every 14: the last ends at 56 + 41 = 97.
  EXPECT_EQ(s->PaintGrid().CellWidth, 41);
  ExpectPixels(cap, {{96, 20, vcl::clRed}, {98, 20, vcl::clWhite}}, 0, 0, "repeated_overlap");
  // An ellipse: each cell shows its left part up to the next; the last one whole. The second
  // cell's corner lies over the first; the last cell shows beyond the fourth.
  s->SetShape(stEllipse);
  ExpectPixels(Show(form.get()), {{14, 2, vcl::clWhite}, {76, 5, vcl::clRed}}, 0, 0,
               "repeated_overlap_ellipse");
  // Many cells that overlap almost entirely step on by one pixel, and the paint ends.
  s->SetShape(stRectangle);
  s->SetInteger(TZYLRepeatedShape::ipHorCount, 3000);
  s->SetInteger(TZYLRepeatedShape::ipVerCount, 3000);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, -TZYLRepeatedShape::MaxExtent);
  s->SetInteger(TZYLRepeatedShape::ipVerOffset, -TZYLRepeatedShape::MaxExtent);
  cap = Show(form.get());
  EXPECT_EQ(At(cap, 50, 49), vcl::clRed);
}

TEST_F(RepeatedShapeTest, TransparentPerCountTilesOnlyTheGrid) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 104, 50);
  // Five 20-pixel cells cover 100 pixels; the last 4 show the form.
  const TPoints rect = {{0, 0, vcl::clRed}, {99, 49, vcl::clRed}, {101, 20, vcl::clLime}};
  ExpectPixels(Show(form.get()), rect, 0, 0, "repeated_transparent");
  // An ellipse lets the form show at each cell's corners.
  s->SetShape(stEllipse);
  const TPoints ellipse = {{20, 0, vcl::clLime}, {30, 5, vcl::clRed}, {50, 25, vcl::clRed}};
  ExpectPixels(Show(form.get()), ellipse, 0, 0, "repeated_transparent_ellipse");
}

TEST_F(RepeatedShapeTest, FixedCellSize) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 100, 40);
  s->SetSetPerCount(false);
  s->SetInteger(TZYLRepeatedShape::ipShapeWidth, 30);
  s->SetInteger(TZYLRepeatedShape::ipShapeHeight, 15);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 5);
  s->SetTransparent(false);
  auto g = s->PaintGrid();
  EXPECT_EQ(g.Columns, 4);  // 100 div 30, one more when opaque
  EXPECT_EQ(g.Rows, 3);
  // The gap at 30..34, the second column at 35, the third at 70 cut at the edge, rows every 15
  // (no vertical gap).
  const TPoints opaque = {{0, 0, vcl::clRed},  {31, 5, vcl::clWhite}, {35, 5, vcl::clRed},
                          {70, 5, vcl::clRed}, {99, 5, vcl::clRed},   {5, 15, vcl::clRed}};
  ExpectPixels(Show(form.get()), opaque, 0, 0, "repeated_fixed");
  EXPECT_EQ(s->ShapeWidth(), 30);  // a fixed size is kept
  // Transparent: tiled over the whole control with the gaps see-through.
  s->SetTransparent(true);
  EXPECT_EQ(s->PaintGrid().Columns, 3);
  const TPoints tiled = {{31, 5, vcl::clLime}, {35, 5, vcl::clRed}, {99, 35, vcl::clRed}};
  ExpectPixels(Show(form.get()), tiled, 0, 0, "repeated_fixed_tiled");
  // Small cells (3 x 2 every 4 x 3) keep their period over the whole control.
  s->SetBounds(0, 0, 230, 150);
  s->SetInteger(TZYLRepeatedShape::ipShapeWidth, 3);
  s->SetInteger(TZYLRepeatedShape::ipShapeHeight, 2);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 1);
  s->SetInteger(TZYLRepeatedShape::ipVerOffset, 1);
  auto cap = Show(form.get());
  const TPoints small = {{0, 0, vcl::clRed},
                         {2, 1, vcl::clRed},
                         {3, 0, vcl::clLime},
                         {0, 2, vcl::clLime},
                         {28, 27, vcl::clRed}};
  ExpectPixels(cap, small, 4 * 50, 3 * 40, "repeated_small");
  // No cell size: nothing to repeat, and no failure.
  s->SetInteger(TZYLRepeatedShape::ipShapeWidth, 0);
  EXPECT_EQ(s->PaintGrid().Columns, 0);
  EXPECT_EQ(At(Show(form.get()), 5, 5), vcl::clLime);
}

TEST_F(RepeatedShapeTest, BitmapFillIsRenderedOncePerCell) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 100, 40);
  s->SetTransparent(false);
  s->SetInteger(TZYLRepeatedShape::ipHorCount, 2);
  s->SetInteger(TZYLRepeatedShape::ipVerCount, 1);
  // A picture half blue, half yellow, stretched over one 50 x 40 cell.
  auto pic = filltest::Plain(2, 1, vcl::clBlue);
  pic->Canvas()->SetPixels(1, 0, vcl::clYellow);
  s->ShapeFill()->SetBitmap(pic.get());
  s->ShapeFill()->SetTileMode(tmStretch);
  s->ShapeFill()->SetFillStyle(sfBitmap);
  // The second cell starts the picture again.
  const TPoints want = {{10, 20, vcl::clBlue},
                        {40, 20, vcl::clYellow},
                        {60, 20, vcl::clBlue},
                        {90, 20, vcl::clYellow}};
  ExpectPixels(Show(form.get()), want, 0, 0, "repeated_bitmap");
}

TEST_F(RepeatedShapeTest, HugeSettingsStayBounded) {
  auto form = MakeForm();
  auto* s = Place(form.get(), 60, 40);
  s->SetSetPerCount(false);
  s->SetInteger(TZYLRepeatedShape::ipShapeWidth, 1 << 30);
  s->SetInteger(TZYLRepeatedShape::ipShapeHeight, 1 << 30);
  s->SetInteger(TZYLRepeatedShape::ipHorOffset, 1 << 30);
  s->ShapeFill()->SetFillStyle(sfGradient);
  auto cap = Show(form.get());
  ASSERT_NE(s->FillBitmap(), nullptr);
  EXPECT_LE(s->FillBitmap()->Width(), 60);  // no larger than the control shows
  EXPECT_NE(At(cap, 5, 5), vcl::clLime);    // one giant cell covers the control
  s->SetSetPerCount(true);
  s->SetInteger(TZYLRepeatedShape::ipHorCount, 1 << 30);  // far more columns than pixels
  EXPECT_NO_THROW(Show(form.get()));
}

TEST_F(RepeatedShapeTest, EachSettingChangeRepaintsOnce) {
  auto form = MakeForm();
  auto* s = new TCountingRepeated(form.get());
  s->SetBounds(0, 0, 80, 60);
  s->SetParent(form.get());
  Show(form.get());
  for (int i = 0; i < 6; ++i) {
    const int before = s->Paints;
    s->SetInteger(i, s->GetInteger(i) + 1);
    Idle();
    EXPECT_EQ(s->Paints, before + 1) << i;
    s->SetInteger(i, s->GetInteger(i));  // unchanged
    Idle();
    EXPECT_EQ(s->Paints, before + 1) << i;
  }
  const int before = s->Paints;
  s->SetSetPerCount(false);
  Idle();
  EXPECT_EQ(s->Paints, before + 1);
}

// ---- The example form ----

TEST_F(RepeatedShapeTest, ExampleFormCreatesEveryComponentAndPaints) {
  ZYLBaseShapeUnit.Init();
  ZYLShapeControlUnit.Init();
  ZYLRepeatedShapeUnit.Init();
  std::ifstream in(testsupport::SourceDir() + "/examples/shapes.txt", std::ios::binary);
  ASSERT_TRUE(in) << "examples/shapes.txt";
  std::stringstream ss;
  ss << in.rdbuf();
  const std::string text = ss.str();
  int declared = 0;
  for (size_t at = text.find("object "); at != std::string::npos; at = text.find("object ", at + 1))
    ++declared;
  auto form = std::make_unique<vcl::TForm>(nullptr);
  vcl::TStringStream stream(vcl::ObjectTextToBinaryString(text));
  vcl::ReadForm(&stream, form.get());
  EXPECT_EQ(form->ComponentCount(), declared - 1);  // every object but the form itself
  int shapes = 0, repeated = 0;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    vcl::TComponent* c = form->Components(i);
    if (dynamic_cast<TZYLRepeatedShape*>(c))
      ++repeated;
    else if (dynamic_cast<TZYLShapeControl*>(c))
      ++shapes;
  }
  EXPECT_GE(shapes, 8);
  EXPECT_GE(repeated, 2);
  EXPECT_GE(form->Width(), 400);
  EXPECT_LE(form->Width(), 700);
  form->Show();
  EXPECT_NO_THROW(Idle());
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  if (const char* out = std::getenv("ZYL_SHAPES_PNG")) win::testkit::WritePng(cap, out);
  form.reset();
  ZYLRepeatedShapeUnit.FInit();
  ZYLShapeControlUnit.FInit();
  ZYLBaseShapeUnit.FInit();
}

}  // namespace
}  // namespace zyl
