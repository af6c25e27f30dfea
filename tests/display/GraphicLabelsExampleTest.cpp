// The example form of the graphic labels reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "display/ZYLGraphicLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/GraphicsObjects.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/FillTestHost.h"

namespace zyl {
namespace {

using namespace ZYLGrlf;

TEST(GraphicLabelsExampleTest, EveryLabelIsCreatedWithItsSettingsAndPaints) {
  filltest::THostSession host;
  ZYLGraphicLabelUnit.Init();
  auto form = exampletest::ReadExample("graphiclabels.txt");
  ZYLGraphicLabelUnit.FInit();
  int labels = 0;
  for (int i = 0; i < form->ComponentCount(); ++i)
    labels += dynamic_cast<TZYLGraphicLabel*>(form->Components(i)) != nullptr;
  EXPECT_EQ(labels, 8);

  auto find = [&](const char* name) {
    return dynamic_cast<TZYLGraphicLabel*>(form->FindComponent(name));
  };
  auto* moon = find("HalfmoonLabel");
  ASSERT_NE(moon, nullptr);
  EXPECT_EQ(moon->Transform(), tmHalfmoon);
  EXPECT_EQ(moon->FillObject()->Style(), sfGradient);
  EXPECT_EQ(moon->BrushBackColor(), vcl::clWhite);
  auto* cube = find("CubeLabel");
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(cube->Perspective(), tpFrog);
  EXPECT_EQ(cube->Attributes(), (TZYLTransLabelAttr{taAutoToggled, taPerspective}));
  auto* stairs = find("StairsLabel");
  ASSERT_NE(stairs, nullptr);
  EXPECT_TRUE(stairs->InvertCaption());
  EXPECT_EQ(stairs->Toggle(), -15);
  auto* angled = find("AngledLabel");
  ASSERT_NE(angled, nullptr);
  EXPECT_EQ(angled->FontFX()->Angle(), 15);
  EXPECT_EQ(angled->Transform(), ZYLGrlf::tmNone);

  form->Show();
  filltest::THostSession::Idle();
  const auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  if (const char* out = std::getenv("ZYL_EXAMPLE_PNG")) win::testkit::WritePng(cap, out);
  // Each label shows letters: pixels of its font colour inside its bounds.
  for (const char* name : {"WaveLabel", "HalfcircleLabel", "ArrowLabel", "SpeakerLabel",
                           "StairsLabel", "AngledLabel", "CubeLabel"}) {
    auto* l = find(name);
    ASSERT_NE(l, nullptr) << name;
    const vcl::TColor ink = vcl::ColorToRGB(l->Font()->Color());
    int n = 0;
    for (int y = l->Top(); y < l->Top() + l->Height(); ++y)
      for (int x = l->Left(); x < l->Left() + l->Width(); ++x)
        n += static_cast<vcl::TColor>(cap.Color(x, y)) == ink;
    EXPECT_GT(n, 30) << name;
  }
}

}  // namespace
}  // namespace zyl
