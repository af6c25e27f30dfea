// The example form of the graphic buttons reads completely, with its settings, and paints.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "buttons/ZYLAssist.h"
#include "buttons/ZYLBaseGraphicButton.h"
#include "buttons/ZYLButton.h"
#include "buttons/ZYLButtonGroup.h"
#include "buttons/ZYLCheckBox.h"
#include "buttons/ZYLDockButton.h"
#include "buttons/ZYLMMButton.h"
#include "buttons/ZYLShapeButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "foundation/ZYLGlyphLayout.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/StringList.h"
#include "platform/graphics/Colors.h"
#include "tests/buttons/ButtonsTestHost.h"
#include "tests/display/ExampleForm.h"

namespace zyl {
namespace {

TEST(ButtonsExampleTest, EveryButtonIsCreatedWithItsSettingsAndPaints) {
  buttontest::THost host;
  ZYLBaseGraphicButtonUnit.Init();
  ZYLSpeedButtonUnit.Init();
  ZYLCheckBoxUnit.Init();
  ZYLButtonUnit.Init();
  ZYLButtonGroupUnit.Init();
  auto form = exampletest::ReadExample("buttons.txt");
  ZYLButtonGroupUnit.FInit();
  ZYLButtonUnit.FInit();
  ZYLCheckBoxUnit.FInit();
  ZYLSpeedButtonUnit.FInit();
  ZYLBaseGraphicButtonUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLSpeedButton"], 19);
  EXPECT_EQ(count["TZYLBaseGraphicButton"], 1);
  EXPECT_EQ(count["TZYLCheckBox"], 3);
  EXPECT_EQ(count["TZYLButton"], 4);
  auto* ok = dynamic_cast<TZYLButton*>(form->FindComponent("PushOk"));
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(ok->ModalResult(), vcl::mrOk);
  auto* checks = dynamic_cast<TZYLCheckGroup*>(form->FindComponent("ChecksGroup"));
  ASSERT_NE(checks, nullptr);
  EXPECT_EQ(checks->Items()->Count(), 5);
  EXPECT_TRUE(checks->Checked(0) && !checks->Checked(1) && checks->Checked(2));
  auto* radios = dynamic_cast<TZYLRadioGroup*>(form->FindComponent("RadiosGroup"));
  ASSERT_NE(radios, nullptr);
  EXPECT_EQ(radios->ItemIndex(), 1);
  auto* grayed = dynamic_cast<TZYLCheckBox*>(form->FindComponent("CheckGrayed"));
  ASSERT_NE(grayed, nullptr);
  EXPECT_EQ(grayed->State(), vcl::cbGrayed);
  EXPECT_TRUE(grayed->AutoSize());
  EXPECT_LT(grayed->Width(), 110);  // sized to its caption once loaded
  auto find = [&](const char* name) {
    return dynamic_cast<TZYLSpeedButton*>(form->FindComponent(name));
  };
  ASSERT_NE(find("StyleOfficeTransp"), nullptr);
  EXPECT_EQ(find("StyleOfficeTransp")->ButtonStyle(), ubsOfficeTransp);
  EXPECT_TRUE(find("StyleExplorer")->SeeThrough());
  EXPECT_TRUE(find("GroupMiddle")->Pressed());
  EXPECT_FALSE(find("GroupLeft")->Pressed());
  // The form stores the layout and the push buttons' styles under their former names, which
  // still read; written again, they take the names the buttons publish.
  EXPECT_TRUE(find("DropButton")->Layout()->Arrow());
  for (const auto& [name, style] : {std::pair{"PushOffice", ubsOffice}, {"PushWin31", ubsWin31}}) {
    auto* push = dynamic_cast<TZYLButton*>(form->FindComponent(name));
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push->ExtStyle(), style);
  }
  const std::string text = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form.get()));
  EXPECT_NE(text.find("ButtonLayout.Arrow = True"), std::string::npos);
  EXPECT_NE(text.find("ButtonStyle = ubsWin31"), std::string::npos);
  EXPECT_EQ(text.find("ExtStyle"), std::string::npos);
  EXPECT_EQ(text.find(" Layout."), std::string::npos);
  EXPECT_TRUE(find("DropButton")->EnterColorChange());
  EXPECT_FALSE(find("DisabledButton")->Enabled());
  form->Show();
  buttontest::THost::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  // Face, light and dark edges, text.
  EXPECT_GE(exampletest::ColourCount(cap), 4u);
  // A raised button shows its edge at the corner, a flat one at rest only the face.
  const auto at = [&](vcl::TControl* c, int dx, int dy) {
    return cap.Color(c->Left() + dx, c->Top() + dy);
  };
  const win::COLORREF face = vcl::ColorToRGB(vcl::clBtnFace);
  EXPECT_NE(at(find("StyleWin40"), 1, 1), face);
  EXPECT_EQ(at(find("StyleFlat"), 1, 1), face);
  EXPECT_NE(at(find("GroupMiddle"), 0, 0), face);  // pressed
  EXPECT_EQ(at(find("GroupLeft"), 0, 0), face);
  form.reset();
}

TEST(ButtonsExampleTest, DockShapeAndMultimediaButtonsAndTheWizardReadAndPaint) {
  buttontest::THost host;
  ZYLDockButtonUnit.Init();
  ZYLShapeButtonUnit.Init();
  ZYLMMButtonUnit.Init();
  ZYLAssistUnit.Init();
  auto form = exampletest::ReadExample("buttons2.txt");
  ZYLAssistUnit.FInit();
  ZYLMMButtonUnit.FInit();
  ZYLShapeButtonUnit.FInit();
  ZYLDockButtonUnit.FInit();
  auto count = exampletest::ClassCounts(form.get());
  EXPECT_EQ(count["TZYLDockButton"], 2);
  EXPECT_EQ(count["TZYLDockSpeedButton"], 2);
  EXPECT_EQ(count["TZYLShapeButton"], 9);
  EXPECT_EQ(count["TZYLMMButton"], 3);
  EXPECT_EQ(count["TZYLAssistPage"], 4);
  // Docked once the form is read: beside their edits, following them.
  auto* folder = dynamic_cast<TZYLDockSpeedButton*>(form->FindComponent("DockFolder"));
  auto* edit = dynamic_cast<vcl::TWinControl*>(form->FindComponent("EditFolder"));
  ASSERT_NE(folder, nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(folder->DockLink()->Hooked());
  EXPECT_EQ(folder->Left(), edit->Left() + edit->Width() + 3);
  edit->SetTop(edit->Top() + 5);
  EXPECT_EQ(folder->Top(), edit->Top());
  auto* wizard = dynamic_cast<TZYLAssist*>(form->FindComponent("Wizard"));
  ASSERT_NE(wizard, nullptr);
  ASSERT_EQ(wizard->GetCount(), 4);
  EXPECT_EQ(wizard->ActivePage()->Name(), "PageOptions");
  EXPECT_EQ(wizard->GetPage(3)->Name(), "PageDone");
  EXPECT_EQ(wizard->NavCaption(TZYLAssist::nbFinish), "&Install");
  wizard->NextPage();  // past the excluded page
  EXPECT_EQ(wizard->ActivePage()->Name(), "PageDone");
  auto* stop = dynamic_cast<TZYLMMButton*>(form->FindComponent("MMStop"));
  ASSERT_NE(stop, nullptr);
  EXPECT_EQ(stop->ButtonState(), bsOptionSet);
  EXPECT_EQ(stop->TransColor(), vcl::clFuchsia);
  form->Show();
  buttontest::THost::Idle();
  auto cap = win::testkit::CaptureWindow(form->Handle(), false);
  EXPECT_GE(exampletest::ColourCount(cap), 10u);
  // The multimedia buttons show the parent through the faces' transparent colour.
  const win::COLORREF face = vcl::ColorToRGB(vcl::clBtnFace);
  EXPECT_EQ(cap.Color(stop->Left() + 1, stop->Top() + 1), face);
  form.reset();
}

}  // namespace
}  // namespace zyl
