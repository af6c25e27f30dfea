// The tip of the day: when it shows at all, the order tips come in and how Next and Previous
// walk them, the check box read back into ShowAtStart, the Help button, and the look of the
// form, answered through the test kit as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "foundation/ZYLApplication.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLTipDlg.h"
#include "tests/support/Cases.h"
#include "tests/support/PixelCheck.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;
namespace wt = win::testkit;

TZYLButton* Button(vcl::TCustomForm* form, const char* name) {
  return dynamic_cast<TZYLButton*>(vt::DialogControl(form, name));
}
std::string TipText(vcl::TCustomForm* form) {
  return dynamic_cast<vcl::TLabel*>(vt::DialogControl(form, "Tip"))->Caption();
}

// The tip on screen and whether Next and Previous could be clicked.
struct TStep {
  std::string Tip;
  bool Next = false, Previous = false;
  friend bool operator==(const TStep&, const TStep&) = default;
};
std::ostream& operator<<(std::ostream& os, const TStep& s) {
  return os << "{" << s.Tip << (s.Next ? " next" : "") << (s.Previous ? " previous" : "") << "}";
}

TStep Step(vcl::TCustomForm* form) {
  return {TipText(form), Button(form, "Next")->Enabled(), Button(form, "Previous")->Enabled()};
}

class TipDlg : public ::testing::Test {
 protected:
  TipDlg() {
    ZYLApplicationInit();
    dialog_ = std::make_unique<TZYLTipDlg>(nullptr);
  }
  ~TipDlg() override {
    dialog_.reset();
    ZYLApplicationDone();
  }
  void SetTips(std::initializer_list<const char*> tips) {
    vcl::TStringList list;
    for (const char* t : tips) list.Add(t);
    dialog_->SetTips(&list);
  }
  // Clicks the named buttons one by one, recording the step before the first and after each,
  // then closes the form with OK.
  std::vector<TStep> Walk(const std::vector<const char*>& clicks) {
    std::vector<TStep> steps;
    script_.Do([&](vcl::TCustomForm* form) {
      steps.push_back(Step(form));
      for (const char* name : clicks) {
        // A pause between clicks, so that two on one button are not a double click.
        wt::AdvanceClock(1000);
        vt::ClickControl(Button(form, name));
        steps.push_back(Step(form));
      }
      vt::ClickControl(Button(form, "OK"));
    });
    EXPECT_FALSE(dialog_->Execute());
    EXPECT_EQ(script_.Pending(), 0u);
    return steps;
  }

  vt::TControlsSession session_;
  std::unique_ptr<TZYLTipDlg> dialog_;
  vt::TDialogScript script_;
};

TEST_F(TipDlg, InOrderFromTheFirstNumberThenBackAndForwardThroughTheHistory) {
  SetTips({"zero", "one", "two"});
  dialog_->SetShowRandom(false);
  dialog_->SetFirstHintNumber(1);
  const std::vector<TStep> steps = Walk({"Next", "Next", "Previous", "Previous", "Next", "Next"});
  const std::vector<TStep> want = {{"one", true, false}, {"zero", true, true}, {"two", false, true},
                                   {"zero", true, true}, {"one", true, false}, {"zero", true, true},
                                   {"two", false, true}};
  EXPECT_EQ(steps, want);
}

TEST_F(TipDlg, AnInvalidFirstNumberStartsAtTheLowestIndex) {
  SetTips({"zero", "one"});
  dialog_->SetShowRandom(false);
  for (int first : {-1, 2, 99}) {
    dialog_->SetFirstHintNumber(first);
    EXPECT_EQ(Walk({"Next"}), (std::vector<TStep>{{"zero", true, false}, {"one", false, true}}))
        << first;
  }
}

TEST_F(TipDlg, RandomTipsShowEachTipOnceEveryExecutionAfresh) {
  SetTips({"a", "b", "c", "d", "e"});
  for (int run = 0; run < 3; ++run) {
    const std::vector<TStep> steps = Walk({"Next", "Next", "Next", "Next"});
    std::vector<std::string> shown;
    for (const TStep& s : steps) shown.push_back(s.Tip);
    EXPECT_FALSE(steps.back().Next);
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  }
}

TEST_F(TipDlg, EmptyLinesAreDroppedAsTheyCome) {
  SetTips({"one", "", "two", ""});
  EXPECT_EQ(dialog_->GetTipsCount(), 2);
  dialog_->Tips()->Add("");
  dialog_->Tips()->Add("three");
  dialog_->SetTipsCount(10);
  EXPECT_EQ(dialog_->GetTipsCount(), 3);
  EXPECT_EQ(dialog_->Tips()->Get(2), "three");
}

TEST_F(TipDlg, NothingToShowWarnsAndStartModeNeedsShowAtStart) {
  script_.Press("OK");
  EXPECT_FALSE(dialog_->Execute());
  ASSERT_EQ(script_.Shown().size(), 1u);
  EXPECT_EQ(script_.Shown()[0].Text, "No Items available - Dialog will not be displayed...");
  SetTips({"tip"});
  // moStart without ShowAtStart shows nothing at all (an unanswered form would raise).
  EXPECT_FALSE(dialog_->ExecuteEnh(nullptr, moStart));
  EXPECT_EQ(script_.Shown().size(), 1u);
  dialog_->SetShowAtStart(true);
  Walk({});
  dialog_->SetMode(moStart);
  dialog_->SetShowAtStart(false);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(script_.Shown().size(), 2u);
}

TEST_F(TipDlg, TheCheckBoxAnswersShowAtStartUnlessHidden) {
  SetTips({"tip"});
  dialog_->SetShowAtStart(true);
  bool checked = false;
  int height = 0;
  script_.Do([&](vcl::TCustomForm* form) {
    auto* box = dynamic_cast<TZYLCheckBox*>(vt::DialogControl(form, "ShowAtStart"));
    checked = box->Checked();
    height = form->ClientHeight();
    vt::ClickControl(box);
  });
  script_.PressKey(win::VK_ESCAPE);
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_TRUE(checked);
  EXPECT_FALSE(dialog_->ShowAtStart());
  EXPECT_GT(height, 202);
  // Hidden, the box neither shows nor changes the answer; the form ends at its top.
  dialog_->SetHideShowAtStart(true);
  dialog_->SetShowAtStart(true);
  bool visible = true;
  script_.Do([&](vcl::TCustomForm* form) {
    auto* box = dynamic_cast<TZYLCheckBox*>(vt::DialogControl(form, "ShowAtStart"));
    visible = box->Visible();
    box->SetChecked(false);
    height = form->ClientHeight();
  });
  script_.PressKey(win::VK_RETURN);
  dialog_->Execute();
  EXPECT_FALSE(visible);
  EXPECT_EQ(height, 202);
  EXPECT_TRUE(dialog_->ShowAtStart());
}

TEST_F(TipDlg, TheHelpButtonShowsWithAHelpContextAndOpensIt) {
  SetTips({"tip"});
  bool visible = true;
  script_.Do([&](vcl::TCustomForm* form) { visible = Button(form, "Help")->Visible(); });
  script_.PressKey(win::VK_RETURN);
  dialog_->Execute();
  EXPECT_FALSE(visible);
  dialog_->SetHelpContext(12);
  std::string caption;
  script_.Do([&](vcl::TCustomForm* form) {
    caption = Button(form, "Help")->Caption();
    vt::ClickControl(Button(form, "Help"));
  });
  script_.PressKey(win::VK_ESCAPE);
  dialog_->Execute();
  EXPECT_EQ(caption, "&Help");
  EXPECT_EQ(vcl::Application->LastHelpData(), 12);
  dialog_->SetCaptionHelp("&More");
  script_.Do([&](vcl::TCustomForm* form) { caption = Button(form, "Help")->Caption(); });
  script_.PressKey(win::VK_RETURN);
  dialog_->Execute();
  EXPECT_EQ(caption, "&More");
}

TEST_F(TipDlg, TheFormHasItsColumnHeadingAndPalePanel) {
  SetTips({"A tip"});
  vcl::TApplication* app = vcl::Application;
  app->SetTitle("Ledger");
  std::string caption, header, focused;
  int clientWidth = 0;
  vcl::TRect panel, ok;
  wt::TCapture client;
  script_.Do([&](vcl::TCustomForm* form) {
    caption = form->Caption();
    header = dynamic_cast<vcl::TLabel*>(vt::DialogControl(form, "Header"))->Caption();
    focused = form->ActiveControl() ? form->ActiveControl()->Name() : "";
    clientWidth = form->ClientWidth();
    panel = dynamic_cast<vcl::TControl*>(vt::DialogControl(form, "TipPanel"))->BoundsRect();
    ok = Button(form, "OK")->BoundsRect();
    client = wt::RenderWindow(form->Handle(), false);
  });
  script_.PressKey(win::VK_RETURN);
  EXPECT_FALSE(dialog_->Execute());
  testsupport::ExpectCases(
      {{caption, "Tips&Tricks Ledger..."}, {header, "Tip..."}, {focused, "OK"}});
  EXPECT_EQ(clientWidth, 424);
  EXPECT_EQ(ok.Right, 417);
  EXPECT_EQ(panel, (vcl::TRect{5, 8, 410 - ok.Width(), 195}));
  // Below the tip's text the panel shows its pale yellow inside the lowered bevel.
  const win::RECT inside{panel.Left + 40, panel.Bottom - 8, panel.Right - 4, panel.Bottom - 3};
  EXPECT_TRUE(wt::PixelsMatch(
      client, [](int, int) { return win::COLORREF(0xDFFFFF); }, "tip_panel", inside));
  dialog_->SetCaptionHeader("Did you know?");
  script_.Do([&](vcl::TCustomForm* form) {
    header = dynamic_cast<vcl::TLabel*>(vt::DialogControl(form, "Header"))->Caption();
  });
  script_.PressKey(win::VK_ESCAPE);
  dialog_->Execute();
  EXPECT_EQ(header, "Did you know?");
}

}  // namespace
}  // namespace zyl
