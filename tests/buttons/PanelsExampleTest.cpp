// The example form of the panels reads with its settings: the see-through child shows the
// gradient of its parent, the simple bar its text, the old-style bar frames its labels.
#include <gtest/gtest.h>

#include "buttons/ZYLBackPanel.h"
#include "buttons/ZYLPanelFill.h"
#include "buttons/ZYLSimplePanel.h"
#include "buttons/ZYLStatusBar.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLFillObject.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "tests/buttons/PanelTestSupport.h"
#include "tests/display/ExampleForm.h"

namespace zyl {
namespace {

TEST(PanelsExampleTest, ReadsAndShowsEveryPanel) {
  paneltest::THost host;
  vcl::RegisterStandardControls();  // the status bar's labels
  ZYLSimplePanelUnit.Init();
  ZYLStatusBarUnit.Init();
  ZYLPanelFillUnit.Init();
  ZYLBackPanelUnit.Init();
  auto form = exampletest::ReadExample("panels.txt");
  ZYLBackPanelUnit.FInit();
  ZYLPanelFillUnit.FInit();
  ZYLStatusBarUnit.FInit();
  ZYLSimplePanelUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLPanelFill"], 3);
  EXPECT_EQ(count["TZYLStatusBar"], 2);
  EXPECT_EQ(count["TZYLSimplePanel"], 1);
  EXPECT_EQ(count["TZYLBackPanel"], 1);

  auto* outer = dynamic_cast<TZYLPanelFill*>(form->FindComponent("GradientPanel"));
  auto* inner = dynamic_cast<TZYLPanelFill*>(form->FindComponent("InnerPanel"));
  auto* bar = dynamic_cast<TZYLStatusBar*>(form->FindComponent("StatusBar"));
  auto* simple = dynamic_cast<TZYLStatusBar*>(form->FindComponent("SimpleBar"));
  ASSERT_TRUE(outer && inner && bar && simple);
  EXPECT_EQ(outer->FillObject()->Style(), sfGradient);
  EXPECT_EQ(outer->Alignment(), agTopCenter);
  EXPECT_TRUE(inner->Transparent());
  EXPECT_TRUE(bar->OldStyle());
  EXPECT_TRUE(simple->SimplePanel());
  EXPECT_EQ(bar->Align(), vcl::alBottom);

  form->Show();
  paneltest::THost::Idle();
  // The child's corner inside its frame shows the parent's gradient where it stands.
  vcl::TBitmap* back = outer->BackBitmap();
  ASSERT_NE(back, nullptr);
  const auto child = paneltest::THost::Client(inner);
  const int e = inner->Bevel()->GetBevelExtend();
  EXPECT_EQ(child.Color(e + 1, e + 1),
            paneltest::Rgb(back->Canvas()->Pixels(inner->Left() + e + 1, inner->Top() + e + 1)));
  // The simple bar shows its text.
  const auto text = paneltest::THost::Client(simple);
  EXPECT_GT(paneltest::InkCount(text, vcl::clBtnFace, win::RECT{2, 2, 150, simple->Height() - 2}),
            20);
}

}  // namespace
}  // namespace zyl
