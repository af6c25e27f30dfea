// The example form of the edits reads completely, with its settings, and paints: the focused
// edit shows its selection and the caret, the others their text in their styles.
#include <gtest/gtest.h>

#include <memory>

#include "buttons/ZYLSpecialButtons.h"
#include "display/ZYLBoundLabel.h"
#include "edits/ZYLExtSpinEdit.h"
#include "edits/ZYLMaskEdit.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLCaret.h"
#include "platform/base/Finally.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Colors.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

namespace tk = win::testkit;

TEST(EditsExampleTest, EveryEditIsReadWithItsSettingsAndTheFocusedOneShowsSelectionAndCaret) {
  edittest::THost host;
  ZYLEditUnit.Init();
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/edits.txt", vcl::fmOpenRead);
    vcl::ReadForm(&stream, form.get());
  }
  ZYLEditUnit.FInit();
  auto find = [&](const char* Name) { return dynamic_cast<TZYLEdit*>(form->FindComponent(Name)); };
  TZYLEdit* selected = find("EditSelected");
  ASSERT_NE(selected, nullptr);
  EXPECT_EQ(find("EditPassword")->ShownText(), "******");
  EXPECT_EQ(find("EditButtons")->CustomButtons()->Count(), 2);
  EXPECT_EQ(find("EditRight")->Alignment(), vcl::taRightJustify);
  auto* labeled = dynamic_cast<TZYLLabeledEdit*>(form->FindComponent("LabeledEdit"));
  ASSERT_NE(labeled, nullptr);
  EXPECT_EQ(labeled->EditLabel()->Caption(), "Labeled edit:");
  EXPECT_EQ(labeled->EditLabel()->Top(), labeled->Top() - labeled->EditLabel()->Height() - 3);
  form->Show();
  edittest::THost::Idle();
  EXPECT_TRUE(selected->Focused());
  EXPECT_EQ(selected->SelLength(), selected->GetLength());
  // The highlight fills the selected text's ground; the caret inverts a column after it.
  const tk::TCapture shot = tk::CaptureScreen();
  const vcl::TPoint o = selected->ClientToScreen(vcl::TPoint{0, 0});
  const int x0 = selected->TextOrigin();
  const vcl::TRect& r = selected->TextRect();
  EXPECT_EQ(shot.Color(o.X + x0 + 1, o.Y + r.Top + 1), vcl::ColorToRGB(vcl::clHighlight));
  // The caret blinks at the end of the text: one blink later its column has turned over.
  const int caretX = o.X + selected->Caret()->GetPos(TZYLCaret::piX);
  EXPECT_GT(caretX, o.X + x0 + selected->PrefixWidth(selected->GetLength()) - 3);
  const tk::TCapture later = (tk::AdvanceClock(win::GetCaretBlinkTime()), tk::CaptureScreen());
  EXPECT_EQ(shot.Color(caretX, o.Y + r.Top + 3), later.Color(caretX, o.Y + r.Top + 3) ^ 0xFFFFFF);
  form.reset();
}

TEST(EditsExampleTest, TheMaskEditsAreReadWithTheirValuesAndTheDateShowsItsDayField) {
  edittest::THost host;
  ZYLMaskEditUnit.Init();
  ZYLExtSpinEditUnit.Init();
  ZYLSpinEditUnit.Init();
  vcl::TFinally done([] {
    ZYLSpinEditUnit.FInit();
    ZYLExtSpinEditUnit.FInit();
    ZYLMaskEditUnit.FInit();
  });
  auto form = std::make_unique<vcl::TForm>(nullptr);
  {
    vcl::TFileStream stream(testsupport::SourceDir() + "/examples/maskedits.txt", vcl::fmOpenRead);
    vcl::ReadForm(&stream, form.get());
  }
  auto mask = [&](const char* Name) {
    return dynamic_cast<TZYLMaskEdit*>(form->FindComponent(Name));
  };
  ASSERT_TRUE(mask("MaskPhone") && mask("MaskHex") && mask("MaskWeight") && mask("MaskDate"));
  EXPECT_EQ(mask("MaskPhone")->RawText(), "(555) 123-4___");
  EXPECT_EQ(mask("MaskPhone")->NeededEntered(mask("MaskPhone")->RawText()), 0);
  EXPECT_EQ(mask("MaskHex")->AsInteger(), -0x7FF0);
  EXPECT_EQ(mask("MaskWeight")->AsFloat(), 1234.5);
  EXPECT_EQ(mask("MaskAmount")->AsCurrency(), vcl::Currency(-1042.75));
  EXPECT_EQ(mask("MaskDate")->AsDate(), vcl::EncodeDate(2024, 1, 1));
  EXPECT_EQ(mask("MaskTime")->RawText(), "2:30:00 PM");
  auto* count = dynamic_cast<TZYLSpinEdit*>(form->FindComponent("SpinCount"));
  auto* factor = dynamic_cast<TZYLExtSpinEdit*>(form->FindComponent("SpinFactor"));
  ASSERT_TRUE(count && factor);
  EXPECT_EQ(count->IntValue(), 42);
  EXPECT_EQ(factor->RawText(), "2.50");
  form->Show();
  edittest::THost::Idle();
  TZYLMaskEdit* date = mask("MaskDate");
  EXPECT_TRUE(date->Focused());
  EXPECT_EQ(date->SelStart(), 1);
  EXPECT_EQ(date->SelLength(), 2);
  const tk::TCapture shot = tk::CaptureScreen();
  const vcl::TPoint o = date->ClientToScreen(vcl::TPoint{0, 0});
  EXPECT_EQ(shot.Color(o.X + date->TextOrigin() + 1, o.Y + date->TextRect().Top + 1),
            vcl::ColorToRGB(vcl::clHighlight));
  form.reset();
}

}  // namespace
}  // namespace zyl
