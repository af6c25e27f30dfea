// The example form of the settings objects reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "display/ZYLDrawEdge.h"
#include "display/ZYLFill.h"
#include "display/ZYLShadowFill.h"
#include "foundation/ZYLBevel.h"
#include "foundation/ZYLCaption.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Streams.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Bitmap.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

TEST(SettingsExampleTest, EveryControlIsCreatedWithItsSettingsAndPaints) {
  filltest::THostSession host;
  vcl::RegisterStandardControls();  // the headings are labels
  ZYLFillUnit.Init();
  ZYLShadowFillUnit.Init();
  ZYLDrawEdgeUnit.Init();
  auto form = exampletest::ReadExample("settings.txt");
  ZYLDrawEdgeUnit.FInit();
  ZYLShadowFillUnit.FInit();
  ZYLFillUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLFill"], 30);
  EXPECT_EQ(count["TZYLDrawEdge"], 10);
  EXPECT_EQ(count["TZYLShadowFill"], 5);
  EXPECT_EQ(count["TLabel"], 6);

  auto find = [&](const char* name) { return form->FindComponent(name); };
  auto* standard = dynamic_cast<TZYLFill*>(find("BevelStandard"));
  ASSERT_NE(standard, nullptr);
  EXPECT_EQ(standard->Bevel()->StandardStyle(), lsDoubleRaised);
  auto* extrude = dynamic_cast<TZYLFill*>(find("CaptionExtrude"));
  ASSERT_NE(extrude, nullptr);
  EXPECT_EQ(extrude->Caption()->FontFX()->Style(), tdExtrudeEnh);
  auto* pattern = dynamic_cast<TZYLFill*>(find("FillPattern"));
  ASSERT_NE(pattern, nullptr);
  EXPECT_EQ(pattern->FillObject()->Bitmap()->Width(), 8);
  auto* open = dynamic_cast<TZYLFill*>(find("FillHatchedOpen"));
  ASSERT_NE(open, nullptr);
  EXPECT_TRUE(open->Transparent());
  auto* edge = dynamic_cast<TZYLDrawEdge*>(find("EdgeDiagonalDown"));
  ASSERT_NE(edge, nullptr);
  EXPECT_EQ(edge->DiagonalStyle(), dsEndBottomRight);
  auto* full = dynamic_cast<TZYLShadowFill*>(find("ShadowFull"));
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(full->Style(), ZYLShadowFill::sfFullShadow);

  form->Show();
  filltest::THostSession::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  auto* solid = dynamic_cast<TZYLFill*>(find("FillSolid"));
  ASSERT_NE(solid, nullptr);
  EXPECT_EQ(filltest::At(cap, solid->Left() + 6, solid->Top() + 6), vcl::clTeal);
  EXPECT_GT(exampletest::ColourCount(cap), 50u);
  form.reset();
}

}  // namespace
}  // namespace zyl
