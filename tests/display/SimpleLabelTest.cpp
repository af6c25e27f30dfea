// The light label: jump targets through the shell, failed jumps, which modes fire OnClick, the
// link's counter, colours, underline and cursor, the legacy link switch of older forms, and
// its 3D caption's auto size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "display/ZYLSimpleLabel.h"
#include "foundation/ZYL3DCaption.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/ActnList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/sys/ShellApi.h"
#include "tests/display/LabelTestSupport.h"
#include "tests/support/FormText.h"

namespace zyl {
namespace {

// Counts OnClick.
struct TClickCounter : vcl::TObject {
  int Clicks = 0;
  void Clicked(vcl::TObject*) { ++Clicks; }
};

class SimpleLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A document or address goes to an opener that always starts.
    setenv("ZYL_SHELL_OPENER", "/bin/true", 1);
    win::ClearShellExecuteLog();
  }
  void TearDown() override { unsetenv("ZYL_SHELL_OPENER"); }

  TZYLSimpleLabel* Make(const std::string& Caption) {
    auto* l = new TZYLSimpleLabel(host_.Form());
    l->SetParent(host_.Panel());
    l->SetBounds(20, 20, 10, 10);
    l->SetCaption(Caption);
    l->OnClick = vcl::TNotifyEvent(&counter_, &TClickCounter::Clicked);
    return l;
  }
  // A user's click in the label's middle.
  void ClickOn(TZYLSimpleLabel* l) {
    host_.Show();
    win::testkit::AdvanceClock(1000);  // not a double click
    const win::POINT p = win::testkit::ScreenPoint(host_.Panel()->Handle(),
                                                   l->Left() + l->Width() / 2, l->Top() + 3);
    win::testkit::Click(p.X, p.Y);
  }

  labeltest::THost host_;
  TClickCounter counter_;
  int& clicks_ = counter_.Clicks;
};

struct TJumpCase {
  TZYLJumpModes Mode;
  const char* Jump;
  const char* Caption;
  const char* Target;
};

TEST_F(SimpleLabelTest, AClickOpensTheJumpTargetThroughTheShell) {
  const TJumpCase cases[] = {
      {jmInternet, "", "someone@example.org", "mailto:someone@example.org"},
      {jmInternet, "", "http://example.org/page", "http://example.org/page"},
      {jmInternet, "   ", "http://example.org/blank", "http://example.org/blank"},
      {jmInternet, " http://example.org/x ", "Caption", " http://example.org/x "},
      {jmApplication, "", "/bin/true", "/bin/true"},
      {jmApplication, "/bin/true", "me@host", "/bin/true"},
  };
  for (const TJumpCase& c : cases) {
    SCOPED_TRACE(c.Target);
    win::ClearShellExecuteLog();
    TZYLSimpleLabel* l = Make(c.Caption);
    l->SetJump(c.Jump);
    l->SetJumpMode(c.Mode);
    ClickOn(l);
    const auto& log = win::ShellExecuteLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].File, c.Target);
    EXPECT_EQ(log[0].Verb, "");
    EXPECT_EQ(log[0].Parameters, "");
    EXPECT_EQ(log[0].Show, win::SW_SHOWNORMAL);
    EXPECT_EQ(log[0].Wnd, vcl::Application->Handle());
    EXPECT_GT(log[0].Result, 32u);
    // A link that opened stays one, counts the activation and shows the visited colour.
    EXPECT_TRUE(l->Enabled());
    EXPECT_EQ(l->JumpMode(), c.Mode);
    EXPECT_EQ(l->GetCounter(), 1);
    EXPECT_EQ(l->Font()->Color(), l->ActiveColor());
    delete l;
  }
  EXPECT_EQ(clicks_, 0);  // the shell modes never fire OnClick
}

TEST_F(SimpleLabelTest, ATargetTheShellCannotOpenEndsTheInternetLinkOnly) {
  setenv("ZYL_SHELL_OPENER", "/no/such/opener", 1);
  TZYLSimpleLabel* l = Make("http://example.org");
  l->SetJumpMode(jmInternet);
  ClickOn(l);
  ASSERT_EQ(win::ShellExecuteLog().size(), 1u);
  EXPECT_LE(win::ShellExecuteLog()[0].Result, 32u);
  EXPECT_FALSE(l->Enabled());
  EXPECT_EQ(l->JumpMode(), jmNone);
  EXPECT_EQ(l->Cursor(), vcl::crHandPoint);  // only the mode goes
  // Disabled, a further click reaches nothing.
  ClickOn(l);
  EXPECT_EQ(win::ShellExecuteLog().size(), 1u);

  // A program that does not exist leaves an application link as it is.
  TZYLSimpleLabel* app = Make("no-such-program-here");
  app->SetJumpMode(jmApplication);
  ClickOn(app);
  ASSERT_EQ(win::ShellExecuteLog().size(), 2u);
  EXPECT_LE(win::ShellExecuteLog()[1].Result, 32u);
  EXPECT_TRUE(app->Enabled());
  EXPECT_EQ(app->JumpMode(), jmApplication);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(SimpleLabelTest, PlainAndCustomLabelsFireOnClickInsteadOfJumping) {
  for (TZYLJumpModes mode : {jmNone, jmCustom}) {
    clicks_ = 0;
    TZYLSimpleLabel* l = Make("http://example.org");
    l->SetJumpMode(mode);
    ClickOn(l);
    EXPECT_EQ(clicks_, 1) << int(mode);
    EXPECT_TRUE(win::ShellExecuteLog().empty());
    EXPECT_EQ(l->GetCounter(), mode == jmCustom ? 1 : 0);
    l->Execute();
    EXPECT_EQ(clicks_, 2);
    EXPECT_EQ(l->GetCounter(), mode == jmCustom ? 2 : 0);
    delete l;
  }
}

TEST_F(SimpleLabelTest, OnlyACustomLinkTakesItsActionsCaptionButEveryPlainClickRunsIt) {
  struct TRan : vcl::TObject {
    int Runs = 0;
    void Execute(vcl::TObject*) { ++Runs; }
  } ran;
  auto* action = new vcl::TAction(host_.Form());
  action->SetCaption("From the action");
  action->SetOnExecute(vcl::TNotifyEvent(&ran, &TRan::Execute));
  struct TCase {
    TZYLJumpModes Mode;
    const char* Caption;
    int Runs;
  };
  for (const TCase& c : {TCase{jmCustom, "From the action", 1}, TCase{jmNone, "Own", 1},
                         TCase{jmApplication, "Own", 0}}) {
    ran.Runs = 0;
    TZYLSimpleLabel* l = Make("Own");
    l->OnClick = nullptr;
    l->SetJumpMode(c.Mode);
    l->SetAction(action);
    EXPECT_EQ(l->Caption(), c.Caption) << int(c.Mode);
    if (c.Mode != jmApplication) ClickOn(l);
    EXPECT_EQ(ran.Runs, c.Runs) << int(c.Mode);
    delete l;
  }
  EXPECT_EQ(action->ClientCount(), 0);
}

TEST_F(SimpleLabelTest, LinkLookCounterAndCursorFollowTheMode) {
  TZYLSimpleLabel* l = Make("Link");
  EXPECT_EQ(l->Cursor(), vcl::crDefault);
  l->SetJumpMode(jmCustom);
  EXPECT_EQ(l->Cursor(), vcl::crHandPoint);
  EXPECT_EQ(l->Font()->Color(), vcl::TColor(0xFF0000));
  EXPECT_TRUE(l->Font()->Style().contains(vcl::fsUnderline));
  l->Execute();
  l->Execute();
  EXPECT_EQ(l->GetCounter(), 2);
  EXPECT_EQ(l->Font()->Color(), vcl::TColor(0x800080));
  l->ResetCounter();
  EXPECT_EQ(l->GetCounter(), 0);
  EXPECT_EQ(l->Font()->Color(), vcl::TColor(0xFF0000));

  l->SetJumpMode(jmNone);
  EXPECT_EQ(l->Cursor(), vcl::crDefault);
  EXPECT_EQ(l->Font()->Color(), vcl::clBlack);
  EXPECT_FALSE(l->Font()->Style().contains(vcl::fsUnderline));

  // Without JumpUnderline the plain label keeps the underline it has.
  l->SetJumpMode(jmInternet);
  l->SetJumpUnderLine(false);
  l->SetJumpMode(jmNone);
  EXPECT_TRUE(l->Font()->Style().contains(vcl::fsUnderline));
  // At design time the cursor stays.
  l->SetDesigning(true);
  l->SetJumpMode(jmApplication);
  EXPECT_EQ(l->Cursor(), vcl::crDefault);
}

TEST_F(SimpleLabelTest, AnOlderFormsLinkSwitchLoadsAsAnInternetLink) {
  ZYLSimpleLabelUnit.Init();
  std::unique_ptr<vcl::TForm> form = testsupport::FormFromText(
      "object F: TForm\n"
      "  object L: TZYLSimpleLabel\n"
      "    Caption = 'http://example.org'\n"
      "    UseAsJump = True\n"
      "    InActiveColor = clGreen\n"
      "  end\n"
      "end\n");
  ZYLSimpleLabelUnit.FInit();
  auto* l = dynamic_cast<TZYLSimpleLabel*>(form->FindComponent("L"));
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->JumpMode(), jmInternet);
  EXPECT_EQ(l->Cursor(), vcl::crDefault);
  EXPECT_EQ(l->Font()->Color(), vcl::clGreen);  // InActiveColor became the font colour
  // The switch is never written again.
  EXPECT_EQ(vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(form.get())).find("UseAsJump"),
            std::string::npos);
  l->Font()->SetColor(vcl::clRed);
  l->SetParent(form.get());
  form->SetBorderStyle(vcl::bsNone);
  form->Show();
  labeltest::THost::Idle();
  l->Perform(win::WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(l->Font()->Color(), vcl::clGreen);
}

TEST_F(SimpleLabelTest, AutoSizeIncludesThe3DCaption) {
  TZYLSimpleLabel* l = Make("Depth");
  const vcl::TPoint plain = labeltest::TextSize(l->Font(), "Depth");
  EXPECT_EQ(l->Width(), plain.X);
  EXPECT_EQ(l->Height(), plain.Y);
  l->Font3D()->SetStyle(tdRaisedShadow);
  EXPECT_GT(l->Width(), plain.X);
  EXPECT_GT(l->Height(), plain.Y);
}

}  // namespace
}  // namespace zyl
