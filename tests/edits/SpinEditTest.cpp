// The spin edits stepped through the real input path: the keys, the arrows pressed and held
// with the mouse, the wheel; the range and its infinite ends, the fraction step behind the
// separator, the value that follows the text on leaving, the editor switched off, the layout
// of the arrows and the retired border style of older forms.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "buttons/ZYLSpinButton.h"
#include "edits/ZYLExtSpinEdit.h"
#include "edits/ZYLSpinEdit.h"
#include "foundation/ZYLBevel.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/FormText.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

struct StepCase {
  TZYLNumberType Type;
  double Value;
  double Step;
  bool InfiniteMax;
  int Caret;  // 0: where the value leaves it
  std::vector<win::BYTE> Keys;
  const char* Expected;  // the texts after each key, joined by spaces
};

class SpinKeys : public edittest::TFocusedEditTest<TZYLExtSpinEdit, StepCase> {
 protected:
  SpinKeys() : TFocusedEditTest("Spin1", 120) {}
};

TEST_P(SpinKeys, StepWithinTheRange) {
  const StepCase& c = GetParam();
  edit_->SetEditType(c.Type);
  edit_->SetInfiniteMax(c.InfiniteMax);
  edit_->SetMinValue(-10);
  edit_->SetStep(c.Step);
  edit_->SetSpinValue(c.Value);
  if (c.Caret > 0) edit_->SetCaretPos(c.Caret);
  std::string texts;
  for (win::BYTE k : c.Keys) {
    tk::KeyPress(k);
    texts += (texts.empty() ? "" : " ") + edit_->RawText();
  }
  EXPECT_EQ(texts, c.Expected);
}

constexpr win::BYTE Up = win::VK_UP, Down = win::VK_DOWN, PgUp = win::VK_PRIOR, PgDn = win::VK_NEXT;

INSTANTIATE_TEST_SUITE_P(
    Keys, SpinKeys,
    ::testing::Values(StepCase{ntInteger, 99, 5, false, 0, {Up, Up}, "100 100"},
                      StepCase{ntInteger, 99, 5, true, 0, {Up, Up}, "104 109"},
                      StepCase{ntInteger, 5, 1, false, 0, {PgUp, PgUp, PgDn}, "15 25 15"},
                      StepCase{ntInteger, -5, 1, false, 0, {PgDn, Down, Up}, "-10 -10 -9"},
                      StepCase{ntInteger, 3, 1.6, false, 0, {Up, Down}, "5 3"},
                      StepCase{ntFloat, 1.5, 1, false, 4, {Up, Up}, "1.6 1.7"},
                      StepCase{ntFloat, 1.5, 1, false, 1, {Up, Down}, "2.5 1.5"},
                      StepCase{ntFloatFixed, 99.5, 1, false, 1, {Up, Down}, "100.0 99.0"},
                      StepCase{ntCurrency, 2, 1, false, 1, {Up, Down, Down}, "$3.00 $2.00 $1.00"}));

class SpinEditTest : public ::testing::Test {
 protected:
  SpinEditTest() {
    ext_ = host_.Place<TZYLExtSpinEdit>("Ext", 10, 10, 120);
    spin_ = host_.Place<TZYLSpinEdit>("Spin", 10, 60, 120);
    other_ = host_.Edit("Other", 10, 120);
  }
  // A screen point on the given arrow of an edit's spin button.
  static win::POINT Arrow(TZYLCustomExtSpinEdit* E, TZYLSingleSpinButton Part) {
    TZYLSpinButton* b = E->SpinButton();
    for (int y = 0; y < b->Height(); ++y)
      for (int x = 0; x < b->Width(); ++x) {
        TZYLSingleSpinButton p;
        if (b->PartAt(x, y, p) && p == Part && b->PartAt(x + 1, y + 1, p) && p == Part &&
            b->PartAt(x - 1, y - 1, p) && p == Part)
          return THost::At(b, x, y);
      }
    ADD_FAILURE() << "no point on the arrow";
    return {0, 0};
  }
  THost host_;
  TZYLExtSpinEdit* ext_ = nullptr;
  TZYLSpinEdit* spin_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

TEST_F(SpinEditTest, TheValueIsLimitedToTheRange) {
  ext_->SetSpinValue(150);
  EXPECT_EQ(ext_->RawText(), "100");
  EXPECT_EQ(ext_->Value(), 100);
  ext_->SetSpinValue(-3);
  EXPECT_EQ(ext_->RawText(), "0");
  ext_->SetInfiniteMin(true);
  ext_->SetSpinValue(-3);
  EXPECT_EQ(ext_->RawText(), "-3");
  spin_->SetMaxValue(2.9);
  EXPECT_EQ(spin_->IntMaxValue(), 2);
  spin_->SetStep(2.7);
  spin_->SetLargeStep(-4.2);
  EXPECT_EQ(spin_->LineSize(), 2);
  EXPECT_EQ(spin_->PageSize(), -4);
}

TEST_F(SpinEditTest, ArrowsStepAndRepeatWhileHeldAndTheValueFollowsOnLeaving) {
  ext_->SetOnSpinBtnUpClick(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Event));
  ext_->SetOnSpinBtnDownClick(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Modified));
  ext_->SetOnChange(nullptr);
  const win::POINT up = Arrow(ext_, sbUp), down = Arrow(ext_, sbDown);
  tk::Click(up.X, up.Y);
  EXPECT_TRUE(ext_->Focused());
  tk::Click(up.X, up.Y);
  tk::Click(down.X, down.Y);
  EXPECT_EQ(ext_->RawText(), "1");
  EXPECT_EQ(host_.Events().Take(), "event event modified");
  // The stored value follows the text when the focus leaves.
  EXPECT_EQ(ext_->Value(), 0);
  THost::Focus(other_);
  EXPECT_EQ(ext_->Value(), 1);
  // Held: a step at once, the first repeat after the interval and 200 ms, then one per interval.
  tk::MouseDown(up.X, up.Y);
  tk::AdvanceClock(TZYLSpinButton::FirstRepeatDelay + 100 + 3 * 100);
  tk::MouseUp(up.X, up.Y);
  EXPECT_EQ(ext_->RawText(), "6");
  // The whole-number spin edit reads its value from the text at once.
  const win::POINT spinUp = Arrow(spin_, sbUp);
  tk::Click(spinUp.X, spinUp.Y);
  EXPECT_EQ(spin_->IntValue(), 1);
}

// The arrows' hot look goes with the mouse, also when the user's OnMouseExit raises as the
// mouse leaves; the error reaches the application.
TEST_F(SpinEditTest, TheArrowsAreNotLeftHotWhenOnMouseExitRaises) {
  testsupport::TRaisingHandler raising;
  ext_->SetOnMouseExit(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  raising.Armed = false;
  const win::POINT up = Arrow(ext_, sbUp);
  const win::POINT away = THost::At(other_, 20, 8);
  tk::MouseMove(away.X, away.Y);
  tk::MouseMove(up.X, up.Y);
  EXPECT_TRUE(ext_->SpinButton()->IsHot(sbUp));
  raising.Armed = true;
  tk::MouseMove(away.X, away.Y);
  THost::Idle();
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_FALSE(ext_->SpinButton()->IsHot(sbUp));
}

TEST_F(SpinEditTest, TheWheelSteps) {
  THost::Focus(spin_);
  const win::POINT p = THost::At(spin_, 10, 5);
  tk::MouseMove(p.X, p.Y);
  tk::Wheel(120);
  tk::Wheel(120);
  tk::Wheel(-120);
  EXPECT_EQ(spin_->IntValue(), 1);
}

TEST_F(SpinEditTest, WithTheEditorOffOnlySteppingChangesTheText) {
  THost::Focus(ext_);
  ext_->SetEditorEnabled(false);
  tk::TypeText("7");
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(ext_->RawText(), "0");
  tk::KeyPress(win::VK_UP);
  EXPECT_EQ(ext_->RawText(), "1");
  ext_->SetReadOnly(true);
  tk::KeyPress(win::VK_UP);
  EXPECT_EQ(ext_->RawText(), "1");
}

TEST_F(SpinEditTest, TypedTextIsReadAndLimitedOnLeaving) {
  THost::Focus(ext_);
  ext_->SetEditType(ntFloatFixed);
  EXPECT_EQ(ext_->RawText(), "0.0");
  tk::KeyPress(win::VK_HOME);
  tk::TypeText("25");
  EXPECT_EQ(ext_->RawText(), "250.0");
  THost::Focus(other_);
  EXPECT_EQ(ext_->RawText(), "100.0");
  EXPECT_EQ(ext_->Value(), 100);
}

TEST_F(SpinEditTest, TheArrowsStandRightOfTheTextAndOfTheEmbeddedButtons) {
  const vcl::TRect& inner = ext_->InnerRect();
  TZYLSpinButton* b = ext_->SpinButton();
  EXPECT_EQ(b->Width(), inner.Bottom - inner.Top);
  EXPECT_EQ(b->Left() + b->Width(), inner.Right);
  EXPECT_LE(ext_->PaintRect().Right, b->Left());
  ext_->SetSpinBtnWidth(30);
  EXPECT_EQ(b->Width(), 30);
  EXPECT_EQ(b->Left(), inner.Right - 30);
  ext_->SetEnabled(false);
  EXPECT_FALSE(b->Enabled());
}

TEST_F(SpinEditTest, OlderFormsGiveTheirBorderStyleToTheBevel) {
  ZYLSpinEditUnit.Init();
  const std::string form =
      "object F: TForm\n"
      "  object A: TZYLSpinEdit\n"
      "    BorderStyle = bsSingle\n"
      "  end\n"
      "  object B: TZYLSpinEdit\n"
      "    BorderStyle = bsNone\n"
      "    Value = 42\n"
      "    MaxValue = 50\n"
      "  end\n"
      "end\n";
  auto f = testsupport::FormFromText(form);
  ZYLSpinEditUnit.FInit();
  auto* a = dynamic_cast<TZYLSpinEdit*>(f->FindComponent("A"));
  auto* b = dynamic_cast<TZYLSpinEdit*>(f->FindComponent("B"));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->Bevel()->Mode(), bmWindows);
  EXPECT_EQ(b->Bevel()->Mode(), bmStandard);
  EXPECT_EQ(b->Bevel()->StandardStyle(), lsNone);
  // The value read before its range keeps its place in it.
  EXPECT_EQ(b->IntValue(), 42);
}

// The edit's theme switch reaches its spin button, both ways, on either spin edit.
TEST_F(SpinEditTest, TheThemeSwitchReachesTheSpinButton) {
  for (TZYLCustomExtSpinEdit* e :
       {static_cast<TZYLCustomExtSpinEdit*>(ext_), static_cast<TZYLCustomExtSpinEdit*>(spin_)}) {
    for (bool on : {false, true}) {
      e->SetCtlXP(on);
      EXPECT_EQ(e->SpinButton()->GetCtlXP(), on) << e->Name();
    }
  }
}

// A spin edit made in code takes a font of its own before it is put on a form, keeps it, and
// is as high as that font makes it once it is shown where it sizes itself.
TEST_F(SpinEditTest, AFontGivenBeforeTheEditHasAParentIsKept) {
  for (TZYLCustomExtSpinEdit* e :
       {static_cast<TZYLCustomExtSpinEdit*>(new TZYLSpinEdit(host_.Form())),
        static_cast<TZYLCustomExtSpinEdit*>(new TZYLExtSpinEdit(host_.Form()))}) {
    SCOPED_TRACE(e->ClassName());
    EXPECT_NO_THROW(e->Font()->SetSize(15));
    EXPECT_FALSE(e->ParentFont());
    e->SetBounds(10, 150, 120, 21);
    e->SetParent(host_.Form());
    tk::RunUntilIdle();
    EXPECT_EQ(e->Font()->Size(), 15);
    if (!e->AutoSize()) continue;
    const int high = e->Height();
    // The same font given once it is shown measures the same.
    e->SetHeight(60);
    e->Font()->SetSize(16);
    e->Font()->SetSize(15);
    EXPECT_EQ(e->Height(), high);
    EXPECT_LT(high, 60);
  }
}

}  // namespace
}  // namespace zyl
