// The example form of the scroll bars reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include "display/ZYLSBar.h"
#include "foundation/ZYLBevel.h"
#include "platform/graphics/Colors.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

TEST(ScrollBarsExampleTest, EveryBarIsCreatedWithItsSettingsAndPaints) {
  filltest::THostSession host;
  ZYLSBarUnit.Init();
  auto form = exampletest::ReadExample("scrollbars.txt");
  ZYLSBarUnit.FInit();
  EXPECT_EQ(exampletest::ClassCounts(form.get())["TZYLScrollBar"], 7);
  auto find = [&](const char* name) {
    return dynamic_cast<TZYLScrollBar*>(form->FindComponent(name));
  };
  // Max, Min and Position are read in that order: a Min below the default one stays.
  TZYLScrollBar* automatic = find("HorzAuto");
  ASSERT_NE(automatic, nullptr);
  EXPECT_EQ(automatic->Min(), -20);
  EXPECT_EQ(automatic->Max(), 200);
  EXPECT_EQ(automatic->Position(), 100);
  EXPECT_EQ(automatic->ThumbMode(), tmAuto);
  EXPECT_EQ(automatic->Thumb()->Width(), 44);  // a track of 264 pixels less the range of 220
  EXPECT_EQ(find("HorzWide")->ThumbBevel()->StyleOuter(), bvFrameRaised);
  EXPECT_EQ(find("VertPlain")->Kind(), skVertical);
  EXPECT_FALSE(find("VertDisabled")->Thumb()->Visible());
  form->Show();
  filltest::THostSession::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  // The user's fill on the automatic bar's track, the yellow thumb of the wide one.
  TZYLScrollBar* wide = find("HorzWide");
  EXPECT_EQ(filltest::At(cap, automatic->Left() + 30, automatic->Top() + 8), vcl::clTeal);
  EXPECT_EQ(filltest::At(cap, wide->Left() + wide->Thumb()->Left() + wide->Thumb()->Width() / 2,
                         wide->Top() + wide->Height() / 2),
            vcl::clYellow);
  EXPECT_GT(exampletest::ColourCount(cap), 5u);
  form.reset();
}

}  // namespace
}  // namespace zyl
