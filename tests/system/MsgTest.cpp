// The library's message box: the form it builds (buttons, icon, text, check box, size), what
// it answers, the window system's flags, and the global routines with and without a
// registered box.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLCheckBox.h"
#include "display/ZYLGlyphLabel.h"
#include "foundation/ZYLApplication.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/Filer.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/testkit/ControlsSession.h"
#include "platform/testkit/DialogScript.h"
#include "platform/testkit/TestKit.h"
#include "platform/user/WinUser.h"
#include "system/ZYLMsg.h"
#include "tests/support/Cases.h"
#include "tests/support/ContainerScope.h"
#include "tests/support/ErrorOf.h"

namespace zyl {
namespace {

namespace vt = vcl::testkit;

std::string NoAccel(const std::string& s) {
  std::string r;
  for (char c : s)
    if (c != '&') r += c;
  return r;
}

// What a box showed: its buttons left to right, the default one, the message and the check
// box, and the form's width.
struct TSeen {
  std::vector<std::string> Buttons;
  std::string Default;
  std::string Focused;
  std::string Text;
  std::string Caption;
  bool CheckBox = false;
  int Width = 0;
  std::vector<int> Lefts;
};

std::vector<TZYLButton*> BoxButtons(vcl::TCustomForm* form) {
  std::vector<TZYLButton*> list;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* b = dynamic_cast<TZYLButton*>(form->Components(i))) list.push_back(b);
  return list;
}

TSeen Look(vcl::TCustomForm* form) {
  TSeen s;
  for (TZYLButton* b : BoxButtons(form)) {
    s.Buttons.push_back(NoAccel(b->Caption()));
    s.Lefts.push_back(b->Left());
    if (b->Default()) s.Default = NoAccel(b->Caption());
    if (form->ActiveControl() == b) s.Focused = NoAccel(b->Caption());
  }
  s.Text = dynamic_cast<TZYLGlyphLabel*>(vt::DialogControl(form, "Message"))->Caption();
  s.Caption = form->Caption();
  s.CheckBox = form->FindComponent("ShowAgain") != nullptr;
  s.Width = form->Width();
  return s;
}

// Clicks the box's button shown as `caption`.
void PressBox(vcl::TCustomForm* form, const std::string& caption) {
  for (TZYLButton* b : BoxButtons(form))
    if (NoAccel(b->Caption()) == caption) return vt::ClickControl(b);
  throw vt::EDialogScript("The message box has no button " + caption);
}

class MessageBox : public ::testing::Test {
 protected:
  MessageBox() {
    ZYLApplicationInit();
    box_ = new TZYLMessageBoxDlg(nullptr);
  }
  ~MessageBox() override {
    delete box_;
    ZYLApplicationDone();
  }
  // Looks at the box that comes up, then presses `button` on it.
  void Answer(const std::string& button) {
    script_.Do([this](vcl::TCustomForm* form) { seen_.push_back(Look(form)); })
        .Do([button](vcl::TCustomForm* form) { PressBox(form, button); });
  }

  vt::TControlsSession session_;
  vt::TDialogScript script_;
  TZYLMessageBoxDlg* box_;
  std::vector<TSeen> seen_;
};

// The window system's flags: buttons in creation order, the default one, and the answer.
struct TFlagsCase {
  const char* Name;
  int Flags;
  std::vector<std::string> Buttons;
  std::string Default;
  std::string Press;
  int Answer;
};

class MessageBoxFlags : public MessageBox, public ::testing::WithParamInterface<TFlagsCase> {};

TEST_P(MessageBoxFlags, GiveButtonsDefaultAndAnswer) {
  const TFlagsCase& c = GetParam();
  Answer(c.Press);
  EXPECT_EQ(box_->MessageBox("Go on?", "Question", c.Flags), c.Answer);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].Buttons, c.Buttons);
  EXPECT_EQ(seen_[0].Default, c.Default);
  EXPECT_EQ(seen_[0].Focused, c.Default);
  EXPECT_EQ(seen_[0].Caption, "Question");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxFlags,
    ::testing::Values(
        TFlagsCase{"Ok", 0, {"OK"}, "OK", "OK", win::IDOK},
        TFlagsCase{"OkCancel", 1, {"OK", "Cancel"}, "OK", "Cancel", win::IDCANCEL},
        TFlagsCase{
            "AbortRetryIgnore", 2, {"Abort", "Retry", "Ignore"}, "Abort", "Ignore", win::IDIGNORE},
        TFlagsCase{"YesNoCancel", 3, {"Yes", "No", "Cancel"}, "Yes", "Yes", win::IDYES},
        TFlagsCase{"YesNoSecondDefault", 4 | 0x100, {"Yes", "No"}, "No", "No", win::IDNO},
        TFlagsCase{
            "RetryCancelInTableOrder", 5, {"Cancel", "Retry"}, "Cancel", "Retry", win::IDRETRY},
        TFlagsCase{
            "ThirdDefault", 3 | 0x200, {"Yes", "No", "Cancel"}, "Cancel", "Cancel", win::IDCANCEL}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MessageBox, WithoutButtonsTheBoxHasOneDefaultOk) {
  Answer("OK");
  EXPECT_EQ(box_->Execute("T", "Plain", {}, {}, -1, 0, 0, 0, 0), vcl::mrOk);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].Buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(seen_[0].Default, "OK");
  EXPECT_EQ(seen_[0].Focused, "OK");
  EXPECT_EQ(seen_[0].Text, "Plain");
}

TEST_F(MessageBox, EscapeCancelsEvenWithoutACancelButton) {
  script_.PressKey(win::VK_ESCAPE);
  EXPECT_EQ(box_->MessageDlg("Sure?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0),
            vcl::mrCancel);
}

TEST_F(MessageBox, TheCaptionFallsBackToTheTitleThenTheApplication) {
  vcl::Application->SetTitle("Ledger");
  Answer("OK");
  box_->ShowMessage("a");
  box_->SetCaptionTitle("Own");
  Answer("OK");
  box_->ShowMessage("b");
  Answer("OK");
  box_->Execute("Given", "c", {}, {}, -1, 0, 0, 0, 0);
  testsupport::ExpectCases(
      {{seen_[0].Caption, "Ledger"}, {seen_[1].Caption, "Own"}, {seen_[2].Caption, "Given"}});
}

TEST_F(MessageBox, ArgumentsFormatTheMessageButPlainTextStaysAsItIs) {
  Answer("OK");
  box_->ShowMessageFmt("%d files", {vcl::TVarRec(3)});
  Answer("OK");
  box_->MessageBox("100% done, %d left");
  testsupport::ExpectCases({{seen_[0].Text, "3 files"}, {seen_[1].Text, "100% done, %d left"}});
  // A message that does not fit its arguments shows nothing.
  EXPECT_NE(testsupport::ErrorOf<vcl::EConvertError>(
                [&] { box_->ShowMessageFmt("%s", {vcl::TVarRec(3)}); }),
            "<no error>");
  EXPECT_EQ(script_.Pending(), 0u);
}

TEST_F(MessageBox, TitlesAndSizesOfTheBox) {
  vcl::TStringList titles;
  titles.Add("Sure");
  box_->SetStringList(TZYLMessageBoxDlg::spButtonTitles, &titles);
  Answer("Sure");
  EXPECT_EQ(box_->MessageDlg("x", vcl::mtCustom, {vcl::mbYes, vcl::mbNo}, 0), vcl::mrYes);
  box_->SetInteger(TZYLMessageBoxDlg::ipBoxWidth, 300);
  Answer("No");
  box_->MessageDlg(std::string(200, 'w'), vcl::mtCustom, {vcl::mbYes, vcl::mbNo}, 0);
  box_->SetInteger(TZYLMessageBoxDlg::ipBoxWidth, 0);
  Answer("OK");
  box_->MessageDlg("x", vcl::mtCustom,
                   {vcl::mbYes, vcl::mbNo, vcl::mbOK, vcl::mbCancel, vcl::mbAbort, vcl::mbRetry,
                    vcl::mbIgnore, vcl::mbAll, vcl::mbNoToAll, vcl::mbYesToAll, vcl::mbHelp},
                   0);
  ASSERT_EQ(seen_.size(), 3u);
  EXPECT_EQ(seen_[0].Buttons, (std::vector<std::string>{"Sure", "No"}));
  EXPECT_EQ(seen_[1].Width, 304);
  EXPECT_GE(seen_[2].Width, 906);
  ASSERT_EQ(seen_[2].Lefts.size(), 11u);
  // The buttons stand 80 pixels apart.
  EXPECT_EQ(seen_[2].Lefts[10] - seen_[2].Lefts[0], 800);
}

TEST_F(MessageBox, TheShowAgainBoxNeedsButtonsAndReportsTheAnswer) {
  box_->SetShowAgainBox(true);
  script_.Do([this](vcl::TCustomForm* form) { seen_.push_back(Look(form)); });
  script_.Do([](vcl::TCustomForm* form) {
    vt::ClickControl(dynamic_cast<vcl::TControl*>(form->FindComponent("ShowAgain")));
  });
  script_.Do([](vcl::TCustomForm* form) { PressBox(form, "OK"); });
  box_->ShowMessage("Tip");
  EXPECT_TRUE(seen_[0].CheckBox);
  EXPECT_FALSE(box_->ShowAgain());
  // Without buttons there is no row for the check box.
  script_.Do([&](vcl::TCustomForm* form) { seen_.push_back(Look(form)); });
  script_.PressKey(win::VK_ESCAPE);
  box_->SetButtons({});
  box_->Execute("", "x", {}, {}, -1, 0, 0, 0, 0);
  ASSERT_EQ(seen_.size(), 2u);
  EXPECT_FALSE(seen_[1].CheckBox);
  EXPECT_TRUE(seen_[1].Buttons.empty());
}

TEST_F(MessageBox, HelpCallsItsHandlerAndLeavesTheBoxOpen) {
  struct TListener : vcl::TObject {
    std::vector<std::string> Heard;
    void Help(vcl::TObject* s) {
      Heard.push_back(NoAccel(dynamic_cast<TZYLButton*>(s)->Caption()));
    }
  } listener;
  box_->SetOnHelpClick(vcl::TNotifyEvent(&listener, &TListener::Help));
  script_.Do([](vcl::TCustomForm* form) { PressBox(form, "Help"); });
  script_.Do([](vcl::TCustomForm* form) { PressBox(form, "OK"); });
  EXPECT_EQ(box_->MessageDlg("x", vcl::mtInformation, {vcl::mbOK, vcl::mbHelp}, 0), vcl::mrOk);
  EXPECT_EQ(listener.Heard, std::vector<std::string>{"Help"});
}

TEST_F(MessageBox, PlaysTheChosenWave) {
  TZYLWaveList waves(nullptr);
  TZYLWave wave;
  // The smallest valid wave: RIFF, WAVE and a 16-byte fmt chunk.
  std::vector<uint8_t> data = {'R',  'I',  'F', 'F', 28,   0,    0, 0, 'W', 'A', 'V', 'E',
                               'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,   1,   0,
                               0x44, 0xAC, 0,   0,   0x88, 0x58, 1, 0, 2,   0,   16,  0};
  wave.SetData(data);
  waves.GetArrayItem(waves.Add())->SetWave(&wave);
  box_->SetWaveList(&waves);
  box_->SetBool(TZYLMessageBoxDlg::bpPlayWave, true);
  ZYLClearPlayedWaves();
  script_.PressKey(win::VK_ESCAPE);
  box_->ShowMessage("ding");
  ASSERT_EQ(ZYLPlayedWaves().size(), 1u);
  EXPECT_EQ(ZYLPlayedWaves()[0], data);
  // An index beyond the list plays nothing.
  box_->SetInteger(TZYLMessageBoxDlg::ipWaveIndex, 3);
  script_.PressKey(win::VK_ESCAPE);
  box_->ShowMessage("quiet");
  EXPECT_EQ(ZYLPlayedWaves().size(), 1u);
  box_->SetWaveList(nullptr);
}

TEST_F(MessageBox, TheGlobalRoutinesUseTheLastBoxAndFallBackToTheFramework) {
  auto* second = new TZYLMessageBoxDlg(nullptr);
  second->SetCaptionTitle("Second");
  Answer("OK");
  ZYLShowMessage("one");
  EXPECT_EQ(seen_.back().Caption, "Second");
  // Freeing the older box leaves the newer one registered.
  delete box_;
  box_ = nullptr;
  Answer("Yes");
  EXPECT_EQ(ZYLMessageDlg("two", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0), vcl::mrYes);
  EXPECT_EQ(seen_.back().Caption, "Second");
  delete second;
  // Now the framework's own dialogs answer, and Execute shows nothing.
  script_.Press("OK");
  ZYLShowMessage("three");
  ASSERT_FALSE(script_.Shown().empty());
  EXPECT_EQ(script_.Shown().back().Form, "MessageForm");
  EXPECT_EQ(ZYLExecuteMsg("", "four", {}, {}, -1, 0, 0, 0, 0), 0);
  EXPECT_EQ(script_.Pending(), 0u);
}

TEST_F(MessageBox, TheFormatAndPositionRoutinesGoToTheBoxOrTheFramework) {
  // Through the registered box: the arguments format the text; X and Y leave the box where
  // its Position puts it.
  std::vector<vcl::TPoint> places;
  const auto place = [&] {
    script_.Do([&](vcl::TCustomForm* form) { places.push_back({form->Left(), form->Top()}); });
  };
  place();
  Answer("OK");
  ZYLShowMessageFmt("%d files in %s", {vcl::TVarRec(3), vcl::TVarRec("Temp")});
  place();
  Answer("No");
  EXPECT_EQ(ZYLMessageDlgPos("Save?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0, 5, 7),
            vcl::mrNo);
  place();
  Answer("No");
  ZYLMessageDlg("Save?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0);
  ASSERT_EQ(seen_.size(), 3u);
  testsupport::ExpectCases({{seen_[0].Text, "3 files in Temp"},
                            {seen_[1].Text, "Save?"},
                            {seen_[1].Buttons.at(0) + "," + seen_[1].Buttons.at(1), "Yes,No"},
                            {seen_[1].Default, "Yes"}});
  ASSERT_EQ(places.size(), 3u);
  EXPECT_EQ(places[1], places[2]);
  // Without a box the framework's dialogs show and answer.
  delete box_;
  box_ = nullptr;
  script_.Press("OK");
  ZYLShowMessageFmt("%d files in %s", {vcl::TVarRec(3), vcl::TVarRec("Temp")});
  ASSERT_FALSE(script_.Shown().empty());
  EXPECT_EQ(script_.Shown().back().Form, "MessageForm");
  EXPECT_EQ(script_.Shown().back().Text, "3 files in Temp");
  script_.Press("No");
  EXPECT_EQ(ZYLMessageDlgPos("Save?", vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0, 5, 7),
            vcl::mrNo);
  EXPECT_EQ(script_.Shown().back().Form, "MessageForm");
  EXPECT_EQ(script_.Shown().back().Text, "Save?");
  EXPECT_EQ(script_.Pending(), 0u);
}

// The global message-box routine: through the registered box the Windows flags choose the
// buttons and the default one and the answer is the pressed button's identifier; without a box
// the framework's message box shows the text under the caption.
TEST_F(MessageBox, TheMessageBoxRoutineGoesToTheBoxOrTheFramework) {
  Answer("No");
  EXPECT_EQ(ZYLMessageBox("Delete the file?", "Files", 4 | 0x20 | 0x100), vcl::mrNo);
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].Caption, "Files");
  EXPECT_EQ(seen_[0].Text, "Delete the file?");
  EXPECT_EQ(seen_[0].Buttons, (std::vector<std::string>{"Yes", "No"}));
  EXPECT_EQ(seen_[0].Default, "No");
  delete box_;
  box_ = nullptr;
  script_.Press("OK");
  ZYLMessageBox("Saved.", "Files", 0);
  ASSERT_FALSE(script_.Shown().empty());
  EXPECT_EQ(script_.Shown().back().Form, "MessageBox");
  EXPECT_EQ(script_.Shown().back().Caption, "Files");
  EXPECT_EQ(script_.Shown().back().Text, "Saved.");
  EXPECT_EQ(seen_.size(), 1u);
  EXPECT_EQ(script_.Pending(), 0u);
}

// A box read from an older form file: its ButtonStyle line is read (never written again) and
// sets ButtonsStyle: nbsAutoDetect gives ubsWin40, an old name gives the style of its place in
// the old names' table, any other name leaves the style as the file set it before.
struct TOldStyleCase {
  const char* Name;
  const char* Lines;
  TZYLUserButtonStyle Style;
};

class MessageBoxOldFile : public ::testing::TestWithParam<TOldStyleCase> {};

TEST_P(MessageBoxOldFile, ButtonStyleIsReadAndNotWritten) {
  ZYLMsgUnit.Init();
  const std::string text =
      std::string("object Box: TZYLMessageBoxDlg\n") + GetParam().Lines + "end\n";
  TZYLMessageBoxDlg box(nullptr);
  vcl::ReadComponentFromBytes(vcl::ObjectTextToBinaryString(text), &box);
  EXPECT_EQ(box.ButtonsStyle(), GetParam().Style);
  const std::string written = vcl::ObjectBinaryToTextString(vcl::WriteComponentToBytes(&box));
  EXPECT_EQ(written.find("ButtonStyle "), std::string::npos) << written;
  ZYLMsgUnit.FInit();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageBoxOldFile,
    ::testing::Values(
        TOldStyleCase{"AutoDetect", "  ButtonsStyle = ubsFlat\n  ButtonStyle = nbsAutoDetect\n",
                      ubsWin40},
        TOldStyleCase{"Win31", "  ButtonStyle = nbsWin31\n", ubsWin40},
        TOldStyleCase{"Win40", "  ButtonStyle = nbsWin40\n", ubsVorlix},
        TOldStyleCase{"Unknown", "  ButtonsStyle = ubsFlat\n  ButtonStyle = nbsOther\n", ubsFlat},
        TOldStyleCase{"None", "  ButtonsStyle = ubsOffice\n", ubsOffice}),
    [](const auto& info) { return std::string(info.param.Name); });

// Both of the box's image lists may be the global container's: each is written as an
// "Internal" identifier and each comes back to its own property.
TEST(MessageBoxGlobalLists, EachGlobalListComesBackToItsOwnProperty) {
  vcl::testkit::TControlsSession session;
  testsupport::TContainerScope container;
  ZYLMsgUnit.Init();
  TZYLCustomImageList* bitmaps = ZYLContainer()->BitmapList();
  TZYLCustomImageList* images = ZYLContainer()->ImageList();
  struct {
    TZYLCustomImageList* Back;
    TZYLCustomImageList* Glyphs;
  } const cases[] = {{bitmaps, images}, {images, bitmaps}, {nullptr, images}, {images, nullptr}};
  for (const auto& c : cases) {
    std::string bytes;
    {
      TZYLMessageBoxDlg box(nullptr);
      box.SetImageList(c.Back);
      box.SetCustomGlyphImageList(c.Glyphs);
      bytes = vcl::WriteComponentToBytes(&box);
    }
    const std::string text = vcl::ObjectBinaryToTextString(bytes);
    SCOPED_TRACE(text);
    TZYLMessageBoxDlg back(nullptr);
    vcl::ReadComponentFromBytes(bytes, &back);
    EXPECT_EQ(back.ImageList(), c.Back);
    EXPECT_EQ(back.CustomGlyphImageList(), c.Glyphs);
  }
  ZYLMsgUnit.FInit();
}

}  // namespace
}  // namespace zyl
