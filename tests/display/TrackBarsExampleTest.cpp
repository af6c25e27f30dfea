// The example form of the track bars reads with its settings and shows each thumb where its
// position puts it.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "display/ZYLTrackBar.h"
#include "tests/buttons/PanelTestSupport.h"
#include "tests/display/ExampleForm.h"

namespace zyl {
namespace {

TEST(TrackBarsExampleTest, ReadsEveryBarWithItsLook) {
  paneltest::THost host;
  ZYLTrackBarUnit.Init();
  auto form = exampletest::ReadExample("trackbars.txt");
  ZYLTrackBarUnit.FInit();
  EXPECT_EQ(exampletest::ClassCounts(form.get())["TZYLTrackBar"], 10);
  auto bar = [&](const char* name) {
    return dynamic_cast<TZYLTrackBar*>(form->FindComponent(name));
  };
  ASSERT_NE(bar("VerticalBoth"), nullptr);
  EXPECT_EQ(bar("VerticalBoth")->Position(), 75);
  EXPECT_EQ(bar("VerticalBoth")->TickMarks(), tmBoth);
  EXPECT_EQ(bar("VerticalWide")->MinValue(), -5);
  EXPECT_FALSE(bar("Disabled")->Enabled());
  form->Show();
  paneltest::THost::Idle();
  // Where the thumbs stand: 3 of 10 on a 207-pixel travel, 7 of 10, 12 of 20 on 208 pixels
  // (the rectangular thumb is a pixel shorter), each from the margin.
  for (auto [name, left] : {std::pair{"TicksBelow", 63}, {"TicksAbove", 145}, {"TicksBoth", 125}}) {
    ASSERT_NE(bar(name), nullptr) << name;
    EXPECT_EQ(bar(name)->ThumbRect().Left, left) << name;
  }
  // Vertical: 0 of -5..5 puts the thumb's centre half way down (an 18-pixel thumb).
  EXPECT_EQ(bar("VerticalWide")->ThumbRect().Top, 116);
  EXPECT_EQ(bar("VerticalWide")->ThumbLength(), 18);
}

}  // namespace
}  // namespace zyl
