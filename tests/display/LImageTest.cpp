// The image-list image: emptiness, sizing to the image, what it paints (opaque, transparent,
// clipped to the bevel), one repaint per change and streaming.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "display/ZYLLImage.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/TypeInfo.h"
#include "tests/display/ImageTestSupport.h"

namespace zyl {
namespace {

using filltest::At;
using filltest::TPicturePanel;
using imagetest::FrameColor;
using imagetest::MakeFrames;
using vcl::TRect;

class TCountingLImage : public TZYLLImage {
  ZYL_CLASS(TCountingLImage, TZYLLImage)
  explicit TCountingLImage(vcl::TComponent* AOwner) : inherited(AOwner) {}
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    inherited::Paint();
  }
};
ZYL_CLASS_IMPL(TCountingLImage) {}

// A list of one 10 x 10 lime frame (lime: its see-through colour) with a red middle.
TZYLImageList* LimeFrame(vcl::TComponent* Owner) {
  auto* list = imagetest::MakeFrames(Owner, 0, 10, 10);
  auto frame = filltest::Plain(10, 10, vcl::clLime);
  frame->Canvas()->Brush()->SetColor(vcl::clRed);
  frame->Canvas()->FillRect(TRect{3, 3, 7, 7});
  list->GetArrayItem(0)->Add(frame.get(), nullptr);
  return list;
}

class LImageTest : public ::testing::Test {
 protected:
  filltest::THostSession host_;
  static void Idle() { filltest::THostSession::Idle(); }
  static win::testkit::TCapture Capture(TPicturePanel* p) {
    return filltest::THostSession::Capture(p);
  }
};

TEST_F(LImageTest, EmptinessFollowsListAndIndexes) {
  std::unique_ptr<vcl::TComponent> owner(new vcl::TComponent(nullptr));
  TZYLLImage img(nullptr);
  EXPECT_TRUE(img.GetEmpty());
  EXPECT_EQ(img.GetPalette(), nullptr);
  auto* list = MakeFrames(owner.get(), 3);
  img.SetImageList(list);
  EXPECT_FALSE(img.GetEmpty());
  img.SetIndex(0, 2);
  EXPECT_FALSE(img.GetEmpty());
  img.SetIndex(0, 3);  // beyond the entry's images
  EXPECT_TRUE(img.GetEmpty());
  img.SetIndex(0, -1);
  EXPECT_TRUE(img.GetEmpty());
  img.SetIndex(0, 0);
  img.SetIndex(1, 1);  // no such entry
  EXPECT_TRUE(img.GetEmpty());
  img.SetIndex(1, 0);
  EXPECT_FALSE(img.GetEmpty());
  delete list;  // the free notification forgets it
  EXPECT_EQ(img.ImageList(), nullptr);
  EXPECT_TRUE(img.GetEmpty());
}

TEST_F(LImageTest, AutosizeTakesImageSizePlusBevel) {
  std::unique_ptr<vcl::TComponent> owner(new vcl::TComponent(nullptr));
  TZYLLImage img(nullptr);
  img.SetBounds(5, 7, 50, 50);
  img.Bevel()->SetBorderWidth(2);
  ASSERT_EQ(img.BevelExt(), 2);
  EXPECT_FALSE(img.CorrectBounds());  // sbNone never sizes
  img.SetStyle(sbAutosize);
  EXPECT_TRUE(img.CorrectBounds());  // no list: 20 + 2 * 2
  EXPECT_EQ(img.Width(), 24);
  EXPECT_EQ(img.Height(), 24);
  EXPECT_EQ(img.Left(), 5);
  EXPECT_EQ(img.Top(), 7);
  EXPECT_FALSE(img.CorrectBounds());  // already right
  img.SetImageList(MakeFrames(owner.get(), 2, 32, 24));
  EXPECT_TRUE(img.CorrectBounds());
  EXPECT_EQ(img.Width(), 36);
  EXPECT_EQ(img.Height(), 28);
  EXPECT_EQ(img.Left(), 5);
  img.Bevel()->SetBorderWidth(0);
  EXPECT_TRUE(img.CorrectBounds());
  EXPECT_EQ(img.Width(), 32);
  EXPECT_EQ(img.Height(), 24);
  img.SetImageList(nullptr);
}

TEST_F(LImageTest, OpaqueImageInsideTheBevel) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* img = new TZYLLImage(form.get());
  img->SetBounds(20, 10, 40, 30);
  img->SetTransparent(false);
  img->SetParentColor(false);
  img->SetColor(vcl::clWhite);
  img->Bevel()->SetBorderWidth(3);
  img->Bevel()->SetColor(0, vcl::clBlack);
  img->SetImageList(MakeFrames(form.get(), 3));
  img->SetIndex(0, 2);
  img->SetStyle(sbStretch);
  img->SetParent(panel);
  form->Show();
  Idle();
  auto cap = Capture(panel);
  // The blue frame fills the inside of the bevel, no more.
  EXPECT_EQ(
      imagetest::Mismatches(cap, TRect{23, 13, 57, 37}, [](int, int) { return FrameColor(2); }), 0);
  EXPECT_NE(At(cap, 21, 11), vcl::clBlue);
  EXPECT_NE(At(cap, 58, 38), vcl::clBlue);

  // No such image: the colour inside the bevel and nothing else.
  img->SetIndex(0, 9);
  Idle();
  cap = Capture(panel);
  EXPECT_EQ(
      imagetest::Mismatches(cap, TRect{23, 13, 57, 37}, [](int, int) { return vcl::clWhite; }), 0);
}

TEST_F(LImageTest, TransparentImageShowsTheParentThroughItsTransparentColour) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  // A frame whose bottom-left pixel (the see-through colour) is lime, with a red square inside.
  auto* list = LimeFrame(form.get());
  auto* img = new TZYLLImage(form.get());
  img->SetBounds(40, 20, 10, 10);
  img->SetImageList(list);
  img->SetBool(0, true);  // ForceTransparent
  img->SetParent(panel);
  form->Show();
  Idle();
  auto cap = Capture(panel);
  EXPECT_EQ(At(cap, 45, 25), vcl::clRed);
  EXPECT_EQ(At(cap, 41, 21), filltest::RGBOf(panel->Back->Canvas()->Pixels(41, 21)));
  EXPECT_EQ(At(cap, 48, 28), filltest::RGBOf(panel->Back->Canvas()->Pixels(48, 28)));

  // Without ForceTransparent the whole frame is copied.
  img->SetBool(0, false);
  Idle();
  cap = Capture(panel);
  EXPECT_EQ(At(cap, 41, 21), vcl::clLime);
}

TEST_F(LImageTest, SilentMoveDrawsOverTheSuppliedBackground) {
  imagetest::TBackPanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(imagetest::MakeBackHost(panel));
  // A lime frame with a red middle; lime is its see-through colour.
  auto* list = LimeFrame(form.get());
  auto* img = new TCountingLImage(form.get());
  img->SetBounds(40, 20, 10, 10);
  img->SetTransparent(false);
  img->SetParentColor(false);
  img->SetColor(vcl::clBlack);
  img->SetImageList(list);
  img->SetBool(0, true);
  img->SetBool(1, true);
  img->SetParent(panel);
  EXPECT_TRUE(img->CheckOptimized());
  form->Show();
  Idle();
  auto back = [&](int x, int y) { return filltest::RGBOf(panel->Bmp->Canvas()->Pixels(x, y)); };
  auto cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_EQ(At(cap, 45, 25), vcl::clRed);
  EXPECT_EQ(At(cap, 41, 21), back(41, 21));  // the supplied background, not the colour
  EXPECT_EQ(At(cap, 49, 29), back(49, 29));
  // Moved: the background under the new place.
  img->SetBounds(70, 50, 10, 10);
  Idle();
  cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_EQ(At(cap, 75, 55), vcl::clRed);
  EXPECT_EQ(At(cap, 71, 51), back(71, 51));
  EXPECT_EQ(At(cap, 41, 21), back(41, 21));
  // Without SilentMove the opaque control shows its colour there.
  img->SetBool(1, false);
  EXPECT_FALSE(img->CheckOptimized());
  Idle();
  cap = win::testkit::CaptureWindow(panel->Handle(), false);
  EXPECT_EQ(At(cap, 71, 51), vcl::clBlack);
}

TEST_F(LImageTest, EmptyTransparentImageLeavesTheParentAlone) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* img = new TCountingLImage(form.get());
  img->SetBounds(30, 20, 50, 40);
  img->SetParent(panel);
  form->Show();
  Idle();
  ASSERT_GE(img->Paints, 1);
  EXPECT_EQ(
      imagetest::Mismatches(Capture(panel), TRect{0, 0, 160, 120},
                            [&](int x, int y) { return panel->Back->Canvas()->Pixels(x, y); }),
      0);
}

TEST_F(LImageTest, OneRepaintPerChange) {
  TPicturePanel* panel = nullptr;
  std::unique_ptr<vcl::TForm> form(host_.MakeHost(panel));
  auto* img = new TCountingLImage(form.get());
  img->SetBounds(10, 10, 30, 30);
  img->SetTransparent(false);
  img->SetImageList(MakeFrames(form.get(), 2));
  img->SetParent(panel);
  form->Show();
  Idle();
  // Each change and the repaints it causes (none when set again unchanged). A plain frame is
  // all see-through colour: forced transparency would hide it.
  const std::pair<std::function<void()>, int> changes[] = {
      {[&] { img->SetStyle(sbCenter); }, 1},         {[&] { img->SetStyle(sbCenter); }, 0},
      {[&] { img->SetQuickDraw(false); }, 1},        {[&] { img->SetQuickDraw(false); }, 0},
      {[&] { img->SetBool(0, true); }, 1},           {[&] { img->SetBool(0, true); }, 0},
      {[&] { img->SetBool(1, true); }, 1},           {[&] { img->SetIndex(0, 1); }, 1},
      {[&] { img->Bevel()->SetBorderWidth(1); }, 1}, {[&] { img->SetBool(0, false); }, 1}};
  for (size_t i = 0; i < std::size(changes); ++i) {
    const int before = img->Paints;
    changes[i].first();
    Idle();
    EXPECT_EQ(img->Paints, before + changes[i].second) << "change " << i;
  }
  // With QuickDraw off the palette step runs and the image still shows.
  EXPECT_EQ(At(Capture(panel), 25, 25), FrameColor(1));
}

}  // namespace
}  // namespace zyl
