// The fill label (letters filled with a pattern, plain when the fill is empty or the label is
// disabled, the image list's item as the fill) and the glyph label (auto size for every
// arrangement of glyph and text, where each is painted).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "display/ZYLGlyphLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLLabelFill.h"
#include "foundation/ZYLFillObject.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ImageTestSupport.h"
#include "tests/display/LabelTestSupport.h"

namespace zyl {
namespace {

using labeltest::InkBox;
using labeltest::InkCount;
using vcl::TRect;

class FillLabelTest : public ::testing::Test {
 protected:
  // An opaque white fill label with a black caption at (10, 10).
  TZYLLabelFill* MakeFill() {
    auto* l = new TZYLLabelFill(host_.Form());
    Setup(l);
    return l;
  }
  // A fill label filled from item 1 of List.
  TZYLLabelFill* ListFill(TZYLImageList* List) {
    TZYLLabelFill* l = MakeFill();
    l->FillObject()->SetFillStyle(sfBitmapList);
    l->SetImageList(List);
    l->SetIndex(iiImageIndex, 1);
    return l;
  }
  template <class L>
  void Setup(L* l) {
    l->SetParent(host_.Panel());
    l->SetTransparent(false);
    l->SetColor(vcl::clWhite);
    l->Font()->SetName("Arial");
    l->Font()->SetSize(28);
    l->Font()->SetColor(vcl::clBlack);
    l->SetBounds(10, 10, 20, 20);
    l->SetCaption("Fill");
  }
  win::testkit::TCapture Shot(vcl::TControl* l) {
    host_.Show();
    return labeltest::Cut(host_.Capture(), l->BoundsRect());
  }
  // What a standard label with the same settings paints.
  win::testkit::TCapture Plain(bool Enabled) {
    auto* l = new TZYLLabel(host_.Form());
    Setup(l);
    l->SetEnabled(Enabled);
    auto cap = Shot(l);
    delete l;
    return cap;
  }
  labeltest::THost host_;
};

TEST_F(FillLabelTest, AnEmptyFillOrADisabledLabelPaintsAsAPlainLabel) {
  TZYLLabelFill* l = MakeFill();
  EXPECT_EQ(l->FillObject()->Style(), sfNone);
  const auto fillNone = Shot(l);
  l->FillObject()->SetFillStyle(sfBitmap);  // a bitmap fill without a bitmap is empty too
  const auto noBitmap = Shot(l);
  l->FillObject()->SetFillStyle(sfBrush);
  l->SetEnabled(false);
  const auto disabled = Shot(l);
  delete l;
  EXPECT_TRUE(win::testkit::SamePixels(fillNone, Plain(true), "fill_none"));
  EXPECT_TRUE(win::testkit::SamePixels(noBitmap, Plain(true), "fill_nobitmap"));
  EXPECT_TRUE(win::testkit::SamePixels(disabled, Plain(false), "fill_disabled"));
}

TEST_F(FillLabelTest, TheFillShowsOnlyThroughTheLetters) {
  TZYLLabelFill* l = MakeFill();
  const int area = l->Width() * l->Height();
  // Every pixel the letters touch (edges are smoothed) is not the background.
  const int letters = area - InkCount(Shot(l), TRect{0, 0, l->Width(), l->Height()}, vcl::clWhite);
  ASSERT_GT(letters, 50);
  l->FillObject()->SetFillStyle(sfBrush);
  l->FillObject()->Brush()->SetColor(vcl::clRed);
  const auto cap = Shot(l);
  const TRect all{0, 0, l->Width(), l->Height()};
  EXPECT_EQ(InkCount(cap, all, vcl::clBlack), 0);
  EXPECT_EQ(InkCount(cap, all, vcl::clRed), letters);
  EXPECT_EQ(InkCount(cap, all, vcl::clWhite), area - letters);
}

TEST_F(FillLabelTest, TheImageListsItemFillsTheLettersUntilTheListGoes) {
  TZYLImageList* list = imagetest::MakeFrames(host_.Form(), 3, 8, 8);
  TZYLLabelFill* l = ListFill(list);
  const TRect all{0, 0, l->Width(), l->Height()};
  const int lime = InkCount(Shot(l), all, imagetest::FrameColor(1));
  EXPECT_GT(lime, 50);
  l->SetIndex(iiImageIndex, 2);
  EXPECT_EQ(InkCount(Shot(l), all, imagetest::FrameColor(2)), lime);
  l->SetImageList(nullptr);
  EXPECT_EQ(l->FillObject()->ListBitmap(), nullptr);
  // Plain again: the letters touch as many pixels as the fill covered.
  EXPECT_EQ(l->Width() * l->Height() - InkCount(Shot(l), all, vcl::clWhite), lime);
}

TEST_F(FillLabelTest, FreeingTheImageListClearsTheListBitmapAndRepaintsPlain) {
  TZYLImageList* list = imagetest::MakeFrames(host_.Form(), 3, 8, 8);
  TZYLLabelFill* l = ListFill(list);
  const TRect all{0, 0, l->Width(), l->Height()};
  ASSERT_GT(InkCount(Shot(l), all, imagetest::FrameColor(1)), 50);
  delete list;
  EXPECT_EQ(l->ImageList(), nullptr);
  EXPECT_EQ(l->FillObject()->ListBitmap(), nullptr);
  EXPECT_TRUE(l->FillObject()->GetEmpty());
  const auto freed = Shot(l);
  delete l;
  EXPECT_TRUE(win::testkit::SamePixels(freed, Plain(true), "fill_listfreed"));
}

// ---- Glyph label ----

struct TArrangeCase {
  TZYLTextArrange Arrange;
  bool SideBySide;
  bool TextFirst;  // text left of (or above) the glyph
};

class GlyphLabelArrange : public ::testing::TestWithParam<TArrangeCase> {
 protected:
  labeltest::THost host_;
};

TEST_P(GlyphLabelArrange, SizesToGlyphTextSpacingAndOffsetsAndPaintsBoth) {
  const TArrangeCase c = GetParam();
  TZYLImageList* list = imagetest::MakeFrames(host_.Form(), 2, 16, 12);
  auto* l = new TZYLGlyphLabel(host_.Form());
  l->SetParent(host_.Panel());
  l->SetTransparent(false);
  l->SetColor(vcl::clWhite);
  l->Font()->SetColor(vcl::clBlack);
  l->SetLeft(20);
  l->SetTop(20);
  l->SetCaption("Glyph");
  l->GlyphLayout()->SetAlignText2Glyph(c.Arrange);
  const vcl::TPoint t = labeltest::TextSize(l->Font(), "Glyph");
  const int spacing = l->GlyphLayout()->Spacing();
  // Without a glyph the spacing stays in side-by-side arrangements.
  EXPECT_EQ(l->Width(), c.SideBySide ? t.X + spacing : t.X);
  EXPECT_EQ(l->Height(), c.SideBySide ? t.Y : t.Y + spacing);

  l->SetImageList(list);
  const int w = c.SideBySide ? t.X + 16 + spacing : std::max(t.X, 16);
  const int h = c.SideBySide ? std::max(t.Y, 12) : t.Y + spacing + 12;
  EXPECT_EQ(l->Width(), w);
  EXPECT_EQ(l->Height(), h);
  l->GlyphLayout()->SetOffset(0, 5);
  l->GlyphLayout()->SetOffset(1, 3);
  EXPECT_EQ(l->Width(), w + 5);
  EXPECT_EQ(l->Height(), h + 3);
  l->GlyphLayout()->SetOffset(0, 0);
  l->GlyphLayout()->SetOffset(1, 0);

  host_.Show();
  const auto cap = host_.Capture();
  const TRect glyph = InkBox(cap, l->BoundsRect(), imagetest::FrameColor(0));
  const TRect text = InkBox(cap, l->BoundsRect(), vcl::clBlack);
  EXPECT_EQ(glyph.Right - glyph.Left, 16);
  EXPECT_EQ(glyph.Bottom - glyph.Top, 12);
  ASSERT_GT(text.Right, text.Left);
  if (c.SideBySide)
    EXPECT_TRUE(c.TextFirst ? text.Right <= glyph.Left : glyph.Right <= text.Left);
  else
    EXPECT_TRUE(c.TextFirst ? text.Bottom <= glyph.Top : glyph.Bottom <= text.Top);
}

INSTANTIATE_TEST_SUITE_P(
    Arrangements, GlyphLabelArrange,
    ::testing::Values(TArrangeCase{taLeft, true, true}, TArrangeCase{taLeftTop, true, true},
                      TArrangeCase{taRight, true, false}, TArrangeCase{taRightTop, true, false},
                      TArrangeCase{taTop, false, true}, TArrangeCase{taTopLeft, false, true},
                      TArrangeCase{taBottom, false, false},
                      TArrangeCase{taBottomLeft, false, false}));

}  // namespace
}  // namespace zyl
