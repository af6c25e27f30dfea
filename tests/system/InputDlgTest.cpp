// The input dialog: the form it builds (button row, edit, hints), the answer it reads back, and
// its two calling shapes, answered through the test kit as a user would.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "edits/ZYLEdit.h"
#include "foundation/ZYLApplication.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "system/ZYLInputDlg.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

TZYLButton* Button(vcl::TCustomForm* form, const char* name) {
  return dynamic_cast<TZYLButton*>(vt::DialogControl(form, name));
}
TZYLEdit* Edit(vcl::TCustomForm* form) {
  return dynamic_cast<TZYLEdit*>(vt::DialogControl(form, "Edit"));
}

// What the form held as it came up.
struct TLook {
  std::string Caption, Prompt, Text;
  int Width = 0, Height = 0, ClientHeight = 0;
  std::vector<int> Lefts, Widths, Tops;
  bool CustomShown = false;
  int SelStart = 0, SelLength = 0;
  char PasswordChar = 0;
  bool EditFocused = false;
  std::vector<std::string> Hints;  // OK, Cancel, edit, custom
  bool FormHints = false;
};

TLook Look(vcl::TCustomForm* form) {
  TLook l;
  l.Caption = form->Caption();
  l.Width = form->Width();
  l.Height = form->Height();
  l.ClientHeight = form->ClientHeight();
  for (const char* name : {"OK", "Cancel", "Custom"}) {
    TZYLButton* b = Button(form, name);
    l.Lefts.push_back(b->Left());
    l.Widths.push_back(b->Width());
    l.Tops.push_back(b->Top());
    l.Hints.push_back(b->Hint());
  }
  l.CustomShown = Button(form, "Custom")->Visible();
  TZYLEdit* edit = Edit(form);
  l.Hints.insert(l.Hints.begin() + 2, edit->Hint());
  l.Prompt = dynamic_cast<vcl::TControl*>(vt::DialogControl(form, "Prompt"))->Caption();
  l.Text = edit->Text();
  l.SelStart = edit->SelStart();
  l.SelLength = edit->SelLength();
  l.PasswordChar = edit->PasswordChar();
  l.EditFocused = form->ActiveControl() == edit;
  l.FormHints = form->ShowHint();
  return l;
}

class InputDlg : public ::testing::Test {
 protected:
  // The edit reads Shift from the application object's edit mode.
  InputDlg() {
    ZYLApplicationInit();
    dialog_ = std::make_unique<TZYLInputDlg>(nullptr);
  }
  ~InputDlg() override {
    dialog_.reset();
    ZYLApplicationDone();
  }
  // Looks at the form, then types `text` (unless null) and clicks `button`.
  void Answer(const char* text, const char* button) {
    script_.Do([this, text, button](vcl::TCustomForm* form) {
      look_ = Look(form);
      if (text) vt::TypeInto(Edit(form), text);
      vt::ClickControl(Button(form, button));
    });
  }
  void Escape() {
    script_.Do([this](vcl::TCustomForm* form) { look_ = Look(form); });
    script_.PressKey(win::VK_ESCAPE);
  }

  vt::TControlsSession session_;
  std::unique_ptr<TZYLInputDlg> dialog_;
  vt::TDialogScript script_;
  TLook look_;
};

TEST_F(InputDlg, OKAnswersTheTypedTextAndCancelAnEmptyOne) {
  dialog_->SetPrompt("Your name:");
  dialog_->SetDefaultValue("Ann");
  Answer("Bob", "OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "Bob");
  testsupport::ExpectCases({{look_.Prompt, "Your name:"},
                            {look_.Text, "Ann"},
                            {look_.Caption, "Input..."},
                            {look_.EditFocused ? "edit" : "other", "edit"}});
  Answer("Carl", "Cancel");
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "");
  Escape();
  EXPECT_FALSE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "");
  EXPECT_EQ(script_.Pending(), 0u);
}

TEST_F(InputDlg, TheCaptionIsTheTitleElseTheCallersElseInput) {
  Answer(nullptr, "OK");
  dialog_->InputBox("Rename", "", "");
  EXPECT_EQ(look_.Caption, "Rename");
  dialog_->SetCaptionTitle("Own");
  Answer(nullptr, "OK");
  dialog_->Execute();
  EXPECT_EQ(look_.Caption, "Own");
}

TEST_F(InputDlg, InputQueryOffersTheValueAndKeepsItOnCancel) {
  std::string value = "kept";
  Answer("changed", "Cancel");
  EXPECT_FALSE(dialog_->InputQuery("Q", "Value:", value));
  EXPECT_EQ(look_.Text, "kept");
  EXPECT_EQ(value, "kept");
  Escape();
  EXPECT_FALSE(dialog_->InputQuery("Q", "Value:", value));
  EXPECT_EQ(value, "kept");
  Answer("new", "OK");
  EXPECT_TRUE(dialog_->InputQuery("Q", "Value:", value));
  EXPECT_EQ(value, "new");
  Answer("", "OK");
  EXPECT_TRUE(dialog_->InputQuery("Q", "Value:", value));
  EXPECT_EQ(value, "");
}

TEST_F(InputDlg, InputBoxAnswersItsDefaultUnlessConfirmed) {
  Escape();
  EXPECT_EQ(dialog_->InputBox("B", "P", "fallback"), "fallback");
  EXPECT_EQ(look_.Text, "fallback");
  Answer("typed", "Cancel");
  EXPECT_EQ(dialog_->InputBox("B", "P", "fallback"), "fallback");
  Answer("typed", "OK");
  EXPECT_EQ(dialog_->InputBox("B", "P", "fallback"), "typed");
}

// The button row by Width and the custom button's caption.
struct TRowCase {
  const char* Name;
  int Width;
  const char* Custom;
  bool Widened;  // buttons wider than 80
};

class InputDlgRow : public InputDlg, public ::testing::WithParamInterface<TRowCase> {};

TEST_P(InputDlgRow, ButtonsShareOneWidthAreCentredAndTheFormFitsThem) {
  const TRowCase& c = GetParam();
  dialog_->SetWidth(c.Width);
  dialog_->SetCustomButton(c.Custom);
  Answer(nullptr, "OK");
  dialog_->Execute();
  const bool custom = *c.Custom != 0;
  const int b = look_.Widths[0];
  const int row = (custom ? 3 : 2) * (b + 5);
  const int asked = c.Width == -1 ? 300 : c.Width;
  EXPECT_EQ(look_.Width, row > asked ? row + 10 : asked);
  EXPECT_EQ(look_.Widths, std::vector<int>(3, b));
  EXPECT_EQ(b > 80, c.Widened);
  EXPECT_EQ(look_.Lefts[0], (look_.Width - row) / 2);
  EXPECT_EQ(look_.Lefts[1], look_.Lefts[0] + b + 5);
  EXPECT_EQ(look_.Lefts[2], look_.Lefts[1] + b + 5);
  EXPECT_EQ(look_.CustomShown, custom);
  EXPECT_EQ(look_.Height, 130);
  EXPECT_EQ(look_.Tops, std::vector<int>(3, look_.ClientHeight - 30));
}

INSTANTIATE_TEST_SUITE_P(Cases, InputDlgRow,
                         ::testing::Values(TRowCase{"DefaultWidthTwoButtons", -1, "", false},
                                           TRowCase{"DefaultWidthShortCustom", -1, "More", false},
                                           TRowCase{"WideCustomWidensAllThree", -1,
                                                    "A much longer caption than fits", true},
                                           TRowCase{"NarrowFormGrows", 100, "", false},
                                           TRowCase{"ZeroWidthGrows", 0, "More", false},
                                           TRowCase{"WideForm", 640, "More", false}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Hints by position, only as far as the list reaches.
struct THintCase {
  const char* Name;
  std::vector<std::string> Hints;
  bool Show;
  std::vector<std::string> Given;  // OK, Cancel, edit, custom
};

class InputDlgHints : public InputDlg, public ::testing::WithParamInterface<THintCase> {};

TEST_P(InputDlgHints, GoToTheirControlsByPosition) {
  const THintCase& c = GetParam();
  vcl::TStringList hints;
  for (const std::string& h : c.Hints) hints.Add(h);
  dialog_->SetHints(&hints);
  dialog_->SetShowHints(c.Show);
  dialog_->SetCustomButton("More");
  Answer(nullptr, "OK");
  dialog_->Execute();
  EXPECT_EQ(look_.Hints, c.Given);
  EXPECT_EQ(look_.FormHints, c.Show && !c.Hints.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputDlgHints,
    ::testing::Values(THintCase{"None", {}, true, {"", "", "", ""}},
                      THintCase{
                          "TwoReachOKAndCancel", {"ok", "cancel"}, true, {"ok", "cancel", "", ""}},
                      THintCase{"FourReachAll",
                                {"ok", "cancel", "edit", "more"},
                                true,
                                {"ok", "cancel", "edit", "more"}},
                      THintCase{"ExtraEntriesAreIgnored",
                                {"ok", "cancel", "edit", "more", "spare"},
                                true,
                                {"ok", "cancel", "edit", "more"}},
                      THintCase{"HintsOff", {"ok", "cancel"}, false, {"", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(InputDlg, DefaultSelectedSelectsTheWholeTextWithTheCaretAfterIt) {
  dialog_->SetDefaultValue("abcdef");
  Answer(nullptr, "OK");
  dialog_->Execute();
  EXPECT_EQ(look_.SelLength, 0);
  dialog_->SetDefaultSelected(true);
  Answer(nullptr, "OK");
  dialog_->Execute();
  EXPECT_EQ(look_.SelStart, 1);
  EXPECT_EQ(look_.SelLength, 6);
  // Typing replaces the selected text.
  script_.Do([](vcl::TCustomForm* form) {
    win::testkit::TypeText("x");
    vt::ClickControl(Button(form, "OK"));
  });
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "x");
}

TEST_F(InputDlg, MaxLengthCutsTheAnswerAndPasswordCharHidesIt) {
  dialog_->SetMaxLength(4);
  dialog_->SetPasswordChar('*');
  Answer("secret", "OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "secr");
  EXPECT_EQ(look_.PasswordChar, '*');
  // A negative limit is no limit.
  dialog_->SetMaxLength(-5);
  Answer("secret", "OK");
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "secret");
}

TEST_F(InputDlg, ReturnConfirmsThroughTheDefaultButton) {
  script_.Do([](vcl::TCustomForm* form) { vt::TypeInto(Edit(form), "entered"); });
  script_.PressKey(win::VK_RETURN);
  EXPECT_TRUE(dialog_->Execute());
  EXPECT_EQ(dialog_->Answer(), "entered");
}

}  // namespace
}  // namespace zyl
