// The graphic label: defaults, repaints per change (and none where a setting is not in use),
// AutoSize from the measured layout, Assign, painting with and without a fill, streaming.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/ZYLGraphicLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/TypeInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using namespace ZYLGrlf;
using filltest::At;
using filltest::TPicturePanel;
using vcl::TRect;

class TCountingLabel : public TZYLGraphicLabel {
  ZYL_CLASS(TCountingLabel, TZYLGraphicLabel)
  explicit TCountingLabel(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingLabel) {}

class GraphicLabelTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  TCountingLabel* MakeLabel(vcl::TForm* form, TPicturePanel* panel) {
    auto* l = new TCountingLabel(form);
    l->SetBounds(10, 10, 200, 80);
    l->SetParent(panel);
    form->Show();
    Idle();
    return l;
  }
  static win::testkit::TCapture Shot(TPicturePanel* panel) {
    Idle();
    return filltest::THostSession::Capture(panel);
  }
  static int Count(const win::testkit::TCapture& cap, const TRect& r, vcl::TColor c) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(cap, x, y) == c;
    return n;
  }
};

TEST_F(GraphicLabelTest, OneRepaintPerChangeAndNoneForUnusedSettings) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 240, 120));
  auto* l = MakeLabel(form.get(), panel);
  l->SetCaption("Wave");
  Idle();
  auto repaints = [&](const std::function<void()>& change) {
    Idle();
    const int before = l->Paints;
    change();
    Idle();
    return l->Paints - before;
  };
  EXPECT_EQ(repaints([&] { l->SetToggle(30); }), 0);           // taToggled is off
  EXPECT_EQ(repaints([&] { l->SetPerspectiveDepth(8); }), 0);  // taPerspective is off
  EXPECT_EQ(repaints([&] { l->SetTransAttr({taToggled, taPerspective}); }), 1);
  EXPECT_EQ(repaints([&] { l->SetToggle(45); }), 1);
  EXPECT_EQ(repaints([&] { l->SetToggle(45); }), 0);  // unchanged
  EXPECT_EQ(repaints([&] { l->SetPerspectiveDepth(3); }), 1);
  EXPECT_EQ(repaints([&] { l->SetFactor(20); }), 1);
  EXPECT_EQ(repaints([&] { l->SetTransform(tmArrow); }), 1);
  EXPECT_EQ(repaints([&] { l->SetPerspective(tpFrog); }), 1);
  EXPECT_EQ(repaints([&] { l->SetInvertCaption(true); }), 1);
  EXPECT_EQ(repaints([&] { l->SetBrushBack(vcl::clRed); }), 1);
  EXPECT_EQ(repaints([&] { l->FontFX()->SetAngle(10); }), 1);
  EXPECT_EQ(repaints([&] { l->FillObject()->SetFillStyle(sfBrush); }), 1);
  EXPECT_EQ(repaints([&] { l->Font()->SetColor(vcl::clBlue); }), 1);
  EXPECT_EQ(repaints([&] { l->SetCaption("Arrow"); }), 1);
  EXPECT_EQ(l->Toggle(), 45);
  EXPECT_EQ(l->PerspectiveDepth(), 3);
}

TEST_F(GraphicLabelTest, AutoSizeTakesTheMeasuredLayoutPlusTheBevel) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 400, 200));
  auto* l = MakeLabel(form.get(), panel);
  l->Bevel()->SetBorderWidth(3);
  ASSERT_EQ(l->BevelExt(), 3);
  l->SetTransform(tmArrow);
  l->SetFactor(4);
  l->SetAutoSize(true);
  l->SetCaption("Arrow!");
  auto measure = [&] {
    vcl::TBitmap b;
    b.SetSize(1, 1);
    TRect r;
    CalcSize(b.Canvas(), r, l->Font(), l->FontFX(), l->Caption(), l->Transform(), l->Toggle(),
             l->Factor(), false, l->Perspective(), l->PerspectiveDepth(), l->Attributes());
    return r;
  };
  TRect r = measure();
  ASSERT_GT(r.Right, 0);
  EXPECT_EQ(l->Width(), r.Right + 6);
  EXPECT_EQ(l->Height(), r.Bottom + 6);
  EXPECT_EQ(l->Left(), 10);
  const int wide = l->Width();
  l->SetCaption("Ar");
  r = measure();
  EXPECT_EQ(l->Width(), r.Right + 6);
  EXPECT_LT(l->Width(), wide);
  // A font change measures again.
  l->Font()->SetSize(40);
  r = measure();
  EXPECT_EQ(l->Height(), r.Bottom + 6);
}

TEST_F(GraphicLabelTest, NoAutoSizeWithoutParent) {
  TZYLGraphicLabel l(nullptr);
  l.SetBounds(0, 0, 7, 9);
  l.SetAutoSize(true);
  l.SetCaption("Hello");
  EXPECT_EQ(l.Width(), 7);
  EXPECT_EQ(l.Height(), 9);
}

TEST_F(GraphicLabelTest, AssignCopiesTheLayoutAndAppliesAutoSizeLast) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 400, 200));
  TZYLGraphicLabel src(nullptr);
  src.SetTransform(tmHalfmoon);
  src.SetTransAttr({taToggled, taEqualLetters});
  src.SetPerspective(tpFrog);
  src.SetPerspectiveDepth(9);
  src.SetToggle(-20);
  src.SetFactor(33);
  src.SetInvertCaption(true);
  src.SetBrushBack(vcl::clRed);
  src.SetAutoSize(true);
  src.FontFX()->SetAngle(15);
  src.FillObject()->SetFillStyle(sfGradient);
  src.Font()->SetSize(30);
  auto* dst = MakeLabel(form.get(), panel);
  dst->SetCaption("Copy");
  dst->Assign(&src);
  EXPECT_EQ(dst->Attributes(), (TZYLTransLabelAttr{taToggled, taEqualLetters}));
  // The inversion and the brush background are the control's own, not part of the layout.
  EXPECT_EQ((std::vector<int>{dst->Transform(), dst->Perspective(), dst->PerspectiveDepth(),
                              dst->Toggle(), dst->Factor(), dst->InvertCaption(),
                              dst->BrushBackColor(), dst->AutoSize(), dst->FontFX()->Angle(),
                              dst->FillObject()->Style(), dst->Font()->Size()}),
            (std::vector<int>{tmHalfmoon, tpFrog, 9, -20, 33, false, vcl::clBtnFace, true, 15,
                              sfGradient, 30}));
  EXPECT_EQ(dst->Caption(), "Copy");
  // AutoSize came last: the size fits the copied layout.
  vcl::TBitmap b;
  b.SetSize(1, 1);
  TRect r;
  CalcSize(b.Canvas(), r, dst->Font(), dst->FontFX(), "Copy", tmHalfmoon, -20, 33, true, tpFrog, 9,
           {taToggled, taEqualLetters});
  EXPECT_EQ(dst->Width(), r.Right + dst->DblBevelExt());
  EXPECT_EQ(dst->Height(), r.Bottom + dst->DblBevelExt());
}

TEST_F(GraphicLabelTest, PaintsLettersInFontColourOrThroughTheFill) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 240, 120));
  auto* l = MakeLabel(form.get(), panel);
  l->SetColor(vcl::clWhite);
  l->Font()->SetColor(vcl::clRed);
  l->SetTransform(ZYLGrlf::tmNone);
  l->SetCaption("HHH");
  const TRect area{10, 10, 210, 90};
  auto cap = Shot(panel);
  EXPECT_GT(Count(cap, area, vcl::clRed), 20);
  EXPECT_EQ(At(cap, 12, 12), vcl::clWhite);  // opaque background

  l->FillObject()->SetFillStyle(sfBrush);
  l->FillObject()->Brush()->SetColor(vcl::clLime);
  cap = Shot(panel);
  EXPECT_GT(Count(cap, area, vcl::clLime), 20);
  EXPECT_EQ(Count(cap, area, vcl::clRed), 0);
  EXPECT_EQ(At(cap, 12, 12), vcl::clWhite);

  // A one-letter caption leaves only the background.
  l->SetCaption("H");
  cap = Shot(panel);
  EXPECT_EQ(Count(cap, area, vcl::clWhite), 200 * 80);
}

TEST_F(GraphicLabelTest, ImageListItemFillsTheLetters) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel, 240, 120));
  auto* list = new TZYLImageList(form.get());
  auto* item = list->GetArrayItem(list->Add());
  item->SetInteger(TZYLImageListItem::iiWidth, 4);
  item->SetInteger(TZYLImageListItem::iiHeight, 4);
  auto lime = filltest::Plain(4, 4, vcl::clLime), blue = filltest::Plain(4, 4, vcl::clBlue);
  item->Add(lime.get(), nullptr);
  item->Add(blue.get(), nullptr);
  auto* l = MakeLabel(form.get(), panel);
  l->SetColor(vcl::clWhite);
  l->Font()->SetColor(vcl::clRed);
  l->SetTransform(ZYLGrlf::tmNone);
  l->SetCaption("HHH");
  l->FillObject()->SetFillStyle(sfBitmapList);
  l->SetImageList(list);
  ASSERT_FALSE(l->FillObject()->GetEmpty());
  const TRect area{10, 10, 210, 90};
  auto cap = Shot(panel);
  EXPECT_GT(Count(cap, area, vcl::clLime), 20);
  EXPECT_EQ(Count(cap, area, vcl::clRed), 0);

  const int before = l->Paints;
  l->SetIndex(0, 1);
  Idle();
  EXPECT_EQ(l->Paints, before + 1);
  cap = filltest::THostSession::Capture(panel);
  EXPECT_GT(Count(cap, area, vcl::clBlue), 20);
  EXPECT_EQ(Count(cap, area, vcl::clLime), 0);
  // No such image: the list bitmap is cleared and the letters take the font colour again.
  l->SetIndex(0, 9);
  Idle();
  EXPECT_TRUE(l->FillObject()->GetEmpty());
  cap = filltest::THostSession::Capture(panel);
  EXPECT_GT(Count(cap, area, vcl::clRed), 20);
}

}  // namespace
}  // namespace zyl
