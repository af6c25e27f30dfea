// The example form of the labels reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <cstdlib>

#include "buttons/ZYLStatusBar.h"
#include "display/ZYLDockLabel.h"
#include "display/ZYLGlyphLabel.h"
#include "display/ZYLInformationLabel.h"
#include "display/ZYLLabel.h"
#include "display/ZYLLabelFill.h"
#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Registry.h"
#include "tests/display/ExampleForm.h"
#include "tests/display/LabelTestSupport.h"

namespace zyl {
namespace {

TEST(LabelsExampleTest, EveryKindIsCreatedWithItsSettingsAndPaints) {
  labeltest::THost host;
  const vcl::TClass classes[] = {TZYLLabel::StaticClass(),      TZYLSimpleLabel::StaticClass(),
                                 TZYLDockLabel::StaticClass(),  TZYLLabelFill::StaticClass(),
                                 TZYLGlyphLabel::StaticClass(), TZYLInformationLabel::StaticClass(),
                                 TZYLStatusBar::StaticClass()};
  for (vcl::TClass c : classes) vcl::RegisterClass(c);
  auto form = exampletest::ReadExample("labels.txt");
  for (vcl::TClass c : classes) vcl::UnRegisterClass(c);
  const auto counts = exampletest::ClassCounts(form.get());
  EXPECT_EQ(counts.at("TZYLLabel"), 4);
  EXPECT_EQ(counts.at("TZYLSimpleLabel"), 2);
  EXPECT_EQ(counts.at("TZYLInformationLabel"), 3);

  auto* turned = dynamic_cast<TZYLLabel*>(form->FindComponent("TurnedLabel"));
  ASSERT_NE(turned, nullptr);
  EXPECT_EQ(turned->FontFX()->Angle(), 90);
  EXPECT_GT(turned->Height(), turned->Width());
  auto* link = dynamic_cast<TZYLSimpleLabel*>(form->FindComponent("LinkLabel"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->JumpMode(), jmInternet);
  EXPECT_EQ(link->Cursor(), vcl::crHandPoint);
  auto* dock = dynamic_cast<TZYLDockLabel*>(form->FindComponent("NameDock"));
  auto* edit = dynamic_cast<vcl::TWinControl*>(form->FindComponent("NameEdit"));
  ASSERT_NE(dock, nullptr);
  EXPECT_EQ(dock->FocusControl(), edit);
  auto* fill = dynamic_cast<TZYLLabelFill*>(form->FindComponent("FillLabel"));
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill->FillObject()->Style(), sfGradient);
  auto* barLabel = dynamic_cast<TZYLLabel*>(form->FindComponent("BarLabel"));
  ASSERT_NE(barLabel, nullptr);
  EXPECT_EQ(barLabel->Width(), labeltest::TextSize(barLabel->Font(), "On the status bar").X + 6);

  form->SetLeft(0);
  form->SetTop(0);
  form->Show();
  labeltest::THost::Idle();
  // The docked label stands left of its edit.
  EXPECT_EQ(dock->Left() + dock->Width() + 4, edit->Left());
  EXPECT_EQ(dock->Height(), edit->Height());
  const auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  if (const char* out = std::getenv("ZYL_EXAMPLE_PNG")) win::testkit::WritePng(cap, out);
  for (const char* name : {"PlainLabel", "TurnedLabel", "ShadowLabel", "GlyphLabel"}) {
    auto* l = dynamic_cast<vcl::TControl*>(form->FindComponent(name));
    ASSERT_NE(l, nullptr) << name;
    const int ink =
        l->Width() * l->Height() - labeltest::InkCount(cap, l->BoundsRect(), vcl::clBtnFace);
    EXPECT_GT(ink, 20) << name;
  }
  // The gradient shows through the letters.
  EXPECT_GT(
      fill->Width() * fill->Height() - labeltest::InkCount(cap, fill->BoundsRect(), vcl::clBtnFace),
      200);
}

}  // namespace
}  // namespace zyl
