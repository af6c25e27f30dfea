// The example form of the picture controls reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "display/ZYLAniCtrl.h"
#include "display/ZYLLImage.h"
#include "display/ZYLNImage.h"
#include "foundation/ZYLBitmapEffect.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLTimer.h"
#include "platform/classes/Registry.h"
#include "platform/classes/Streams.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/ImageTestSupport.h"

namespace zyl {
namespace {

TEST(ImagesExampleTest, EveryControlIsCreatedWithItsSettingsAndPaints) {
  filltest::THostSession host;
  // The form carries its own image list ("Pictures": eight 16 x 16 frames in entry 0, one
  // 32 x 24 picture in entry 1) in its "Bitmap" property.
  vcl::RegisterClass(TZYLImageList::StaticClass());
  ZYLNImageUnit.Init();
  ZYLLImageUnit.Init();
  ZYLAniCtrlUnit.Init();
  auto form = exampletest::ReadExample("images.txt");
  ZYLAniCtrlUnit.FInit();
  ZYLLImageUnit.FInit();
  ZYLNImageUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLNImage"], 12);
  EXPECT_EQ(count["TZYLLImage"], 3);
  EXPECT_EQ(count["TZYLAniCtrl"], 3);

  auto find = [&](const char* name) { return form->FindComponent(name); };
  auto* plain = dynamic_cast<TZYLNImage*>(find("SunPlain"));
  auto* stretch = dynamic_cast<TZYLNImage*>(find("SunStretch"));
  auto* restore = dynamic_cast<TZYLNImage*>(find("SunRestoreBack"));
  auto* gray = dynamic_cast<TZYLNImage*>(find("ArrowGray"));
  auto* autosize = dynamic_cast<TZYLLImage*>(find("ListAutosize"));
  auto* loop = dynamic_cast<TZYLAniCtrl*>(find("AniLoop"));
  auto* bounce = dynamic_cast<TZYLAniCtrl*>(find("AniBounce"));
  auto* over = dynamic_cast<TZYLAniCtrl*>(find("AniOverParent"));
  ASSERT_TRUE(plain && stretch && restore && gray && autosize && loop && bounce && over);
  EXPECT_EQ(plain->Bitmap()->Width(), 32);
  EXPECT_EQ(plain->Bitmap()->Height(), 24);
  EXPECT_EQ(stretch->Control(), plain);
  EXPECT_EQ(stretch->Style(), sbStretch);
  EXPECT_EQ(restore->TransparentStyle()->Mode(), tpRestoreBack);
  EXPECT_TRUE(gray->BackFX()->GrayScale());
  auto* pictures = dynamic_cast<TZYLImageList*>(find("Pictures"));
  ASSERT_NE(pictures, nullptr);
  ASSERT_EQ(pictures->GetCount(), 2);
  EXPECT_EQ(pictures->ItemCount(0), 8);
  EXPECT_EQ(autosize->ImageList(), pictures);
  EXPECT_EQ(autosize->ListIndex(), 1);
  EXPECT_EQ(loop->StopFrame(), 7);
  EXPECT_TRUE(loop->Animate());
  EXPECT_EQ(bounce->AnimationStyle(), asLoopReverse);
  EXPECT_EQ(bounce->TimerMode(), tmGlobalTimer);
  ASSERT_NE(bounce->Timer(), nullptr);
  EXPECT_TRUE(bounce->Timer()->Global());
  EXPECT_EQ(bounce->StartFrame(), 2);
  EXPECT_EQ(bounce->StopFrame(), 5);
  EXPECT_TRUE(over->Transparent());
  EXPECT_EQ(over->GetCurrentFrame(), 7);  // reversed: starts at the stop frame

  form->Show();
  filltest::THostSession::Idle();
  EXPECT_EQ(autosize->Width(), 38);
  EXPECT_EQ(autosize->Height(), 30);
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  auto at = [&](vcl::TControl* c, int x, int y) { return filltest::At(cap, c->Left() + x, c->Top() + y); };
  EXPECT_EQ(at(plain, 1, 1), vcl::clFuchsia);           // the picture's background
  EXPECT_EQ(at(restore, 1, 1), vcl::ColorToRGB(vcl::clBtnFace));  // see-through to the form
  EXPECT_EQ(at(autosize, 10, 10), vcl::clTeal);
  EXPECT_EQ(at(loop, 40, 30), imagetest::FrameColor(0));
  EXPECT_GT(exampletest::ColourCount(cap), 12u);
  form.reset();
  vcl::UnRegisterClass(TZYLImageList::StaticClass());
}

}  // namespace
}  // namespace zyl
