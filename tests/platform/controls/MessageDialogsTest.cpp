// Message boxes and input boxes, shown as forms and answered through their controls.
#include <gtest/gtest.h>

#include "platform/base/LastError.h"
#include "platform/controls/Dialogs.h"
#include "platform/rtl/WinError.h"
#include "platform/testkit/DialogScript.h"
#include "tests/platform/controls/ControlsTestSupport.h"
#include "tests/support/PixelCheck.h"

namespace vcl::testing {
namespace {

using testkit::EDialogScript;
using testkit::TDialogScript;
namespace wt = win::testkit;

class MessageDialogsTest : public ControlsTest {};

// An answer given through the keyboard or the mouse and the modal result it must bring.
struct TAnswerCase {
  const char* Name;
  TMsgDlgButtons Buttons;
  void (*Answer)(TDialogScript&);
  TModalResult Result;
};

class MessageDlgAnswerTest : public MessageDialogsTest,
                             public ::testing::WithParamInterface<TAnswerCase> {};

TEST_P(MessageDlgAnswerTest, TheUsersInputGivesTheResult) {
  TDialogScript script;
  GetParam().Answer(script);
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, GetParam().Buttons, 0), GetParam().Result);
  EXPECT_EQ(script.Pending(), 0u);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Text, "Go on?");
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MessageDlgAnswerTest,
    ::testing::Values(
        TAnswerCase{"ClickNo", {mbYes, mbNo}, [](TDialogScript& s) { s.Press("No"); }, mrNo},
        TAnswerCase{"ReturnIsYes",
                    {mbYes, mbNo},
                    [](TDialogScript& s) { s.PressKey(win::VK_RETURN); },
                    mrYes},
        TAnswerCase{"EscapeIsNoWithoutCancel",
                    {mbYes, mbNo},
                    [](TDialogScript& s) { s.PressKey(win::VK_ESCAPE); },
                    mrNo},
        TAnswerCase{"EscapeIsCancel",
                    {mbYes, mbNo, mbCancel},
                    [](TDialogScript& s) { s.PressKey(win::VK_ESCAPE); },
                    mrCancel},
        TAnswerCase{"ReturnIsOkBeforeYes",
                    {mbYes, mbOK},
                    [](TDialogScript& s) { s.PressKey(win::VK_RETURN); },
                    mrOk},
        TAnswerCase{"EscapeWithOkAlone",
                    {mbOK},
                    [](TDialogScript& s) { s.PressKey(win::VK_ESCAPE); },
                    mrOk},
        TAnswerCase{"Accelerator",
                    {mbAbort, mbRetry, mbIgnore},
                    [](TDialogScript& s) { s.PressKey('R'); },
                    mrRetry},
        TAnswerCase{"TabMovesTheFocus",
                    {mbYes, mbNo, mbCancel},
                    [](TDialogScript& s) {
                      s.Do([](TCustomForm*) {
                        win::testkit::KeyPress(win::VK_TAB);
                        win::testkit::KeyPress(win::VK_RETURN);
                      });
                    },
                    mrNo},
        TAnswerCase{"YesToAll",
                    {mbYes, mbNo, mbYesToAll},
                    [](TDialogScript& s) { s.Press("Yes to All"); },
                    mrYesToAll},
        TAnswerCase{"NoToAllByName",
                    {mbYes, mbNoToAll},
                    [](TDialogScript& s) { s.Press("NoToAll"); },
                    mrNoToAll}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TTypeCase {
  TMsgDlgType Type;
  const char* Caption;
  bool Icon;
};

class MessageDlgTypeTest : public MessageDialogsTest,
                           public ::testing::WithParamInterface<TTypeCase> {};

TEST_P(MessageDlgTypeTest, TheTypeGivesCaptionAndIcon) {
  Application->SetTitle("Ledger");
  TDialogScript script;
  bool icon = false;
  script.Do([&](TCustomForm* f) {
    icon = f->FindComponent("Image") != nullptr;
    win::testkit::KeyPress(win::VK_RETURN);
  });
  MessageDlg("Text", GetParam().Type, {mbOK, mbHelp}, 0);
  ASSERT_EQ(script.Shown().size(), 1u);
  const testkit::TShownDialog& d = script.Shown()[0];
  EXPECT_EQ(d.Caption, GetParam().Caption);
  EXPECT_EQ(d.Buttons, (TLines{"OK", "Help"}));
  EXPECT_EQ(d.DefaultButton, "OK");
  EXPECT_EQ(icon, GetParam().Icon);
}

INSTANTIATE_TEST_SUITE_P(Types, MessageDlgTypeTest,
                         ::testing::Values(TTypeCase{mtWarning, "Warning", true},
                                           TTypeCase{mtError, "Error", true},
                                           TTypeCase{mtInformation, "Information", true},
                                           TTypeCase{mtConfirmation, "Confirm", true},
                                           TTypeCase{mtCustom, "Ledger", false}));

TEST_F(MessageDialogsTest, LongTextWrapsAtHalfTheScreenAndTheButtonsAreCentred) {
  std::string text;
  for (int i = 0; i < 60; ++i) text += "word ";
  std::unique_ptr<TForm> f(CreateMessageDialog(text, mtWarning, {mbYes, mbNo, mbCancel}));
  auto* label = Find<TLabel>(f.get(), "Message");
  ASSERT_NE(label, nullptr);
  EXPECT_LE(label->Width(), Screen->Width() / 2);
  EXPECT_GT(label->Height(), 2 * f->Canvas()->TextHeight("W"));
  // The text starts right of the icon and ends inside the form.
  auto* icon = Find<TControl>(f.get(), "Image");
  ASSERT_NE(icon, nullptr);
  EXPECT_GT(label->Left(), icon->Left() + icon->Width());
  EXPECT_LE(label->Left() + label->Width(), f->ClientWidth());
  const TButton* yes = Find<TButton>(f.get(), "Yes");
  const TButton* cancel = Find<TButton>(f.get(), "Cancel");
  ASSERT_TRUE(yes && cancel);
  EXPECT_NEAR(yes->Left(), f->ClientWidth() - (cancel->Left() + cancel->Width()), 1);
  EXPECT_GE(yes->Top(), label->Top() + label->Height());
  EXPECT_LE(yes->Top() + yes->Height(), f->ClientHeight());
}

TEST_F(MessageDialogsTest, PositionedDialogsAppearWhereAsked) {
  TDialogScript script;
  TPoint at{-1, -1};
  script.Do([&](TCustomForm* f) {
    at = {f->Left(), f->Top()};
    win::testkit::KeyPress(win::VK_RETURN);
  });
  EXPECT_EQ(MessageDlgPos("Here", mtInformation, {mbOK}, 0, 40, 30), mrOk);
  EXPECT_EQ(at, (TPoint{40, 30}));
}

TEST_F(MessageDialogsTest, ShowMessageFormatsAndShowsOk) {
  Application->SetTitle("App");
  TDialogScript script;
  script.Press("OK");
  ShowMessageFmt("%d files in %s", {3, "C:\\"});
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Text, "3 files in C:\\");
  EXPECT_EQ(script.Shown()[0].Caption, "App");
  EXPECT_EQ(script.Shown()[0].Buttons, (TLines{"OK"}));
}

TEST_F(MessageDialogsTest, TheIconIsDrawnOnTheDialogFace) {
  TDialogScript script;
  script.Do([](TCustomForm* f) {
    auto* icon = Find<TControl>(f, "Image");
    ASSERT_NE(icon, nullptr);
    const win::testkit::TCapture cap = win::testkit::RenderWindow(f->Handle(), false);
    const TRect r = icon->BoundsRect();
    int iconPixels = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) iconPixels += cap.Color(x, y) != Rgb(clBtnFace);
    EXPECT_GT(iconPixels, 100);
    // The margin above the icon is plain face colour.
    EXPECT_TRUE(win::testkit::PixelsMatch(cap, [](int, int) { return Rgb(clBtnFace); },
                                          "message_margin", {0, 0, cap.Width, r.Top}));
    win::testkit::KeyPress(win::VK_RETURN);
  });
  MessageDlg("Stop", mtError, {mbOK}, 0);
  EXPECT_EQ(script.Pending(), 0u);
}

TEST_F(MessageDialogsTest, TheAnswerHandlerAnswersWithoutShowingAndEverythingIsLogged) {
  ClearMessageDlgLog();
  TDialogScript script;  // not asked: the handler answers
  auto old = SetMessageDlgHandler(
      [](const TMessageDlgRecord& d) { return d.Buttons.contains(mbCancel) ? mrCancel : mrOk; });
  EXPECT_EQ(MessageDlg("Stop?", mtWarning, {mbOK, mbCancel}, 7), mrCancel);
  EXPECT_EQ(MessageDlg("Note", mtInformation, {mbOK}, 0), mrOk);
  SetMessageDlgHandler(old);
  EXPECT_TRUE(script.Shown().empty());
  script.Press("Yes");
  EXPECT_EQ(MessageDlg("Sure?", mtConfirmation, {mbNo, mbYes}, 0), mrYes);
  ASSERT_EQ(MessageDlgLog().size(), 3u);
  EXPECT_EQ(MessageDlgLog()[0].Msg, "Stop?");
  EXPECT_EQ(MessageDlgLog()[0].DlgType, mtWarning);
  EXPECT_EQ(MessageDlgLog()[0].HelpCtx, 7);
  EXPECT_EQ(MessageDlgLog()[2].Buttons, (TMsgDlgButtons{mbYes, mbNo}));
  ClearMessageDlgLog();
  EXPECT_TRUE(MessageDlgLog().empty());
}

TEST_F(MessageDialogsTest, AnswersThatDoNotFitAreTestErrors) {
  {
    TDialogScript script;
    script.Press("Maybe");
    EXPECT_THROW(MessageDlg("Q", mtConfirmation, {mbYes, mbNo}, 0), EDialogScript);
  }
  {
    TDialogScript script;  // nothing scripted
    EXPECT_THROW(ShowMessage("Hello"), EDialogScript);
  }
  {
    // An answer that leaves the dialog open (Tab only moves the focus).
    TDialogScript script;
    script.PressKey(win::VK_TAB);
    EXPECT_THROW(MessageDlg("Q", mtConfirmation, {mbYes, mbNo}, 0), EDialogScript);
  }
  // No form is left behind.
  for (int i = 0; i < Screen->FormCount(); ++i) EXPECT_FALSE(Screen->Forms(i)->Visible());
}

// ---- The window system's message box ----

struct TBoxCase {
  const char* Name;
  UINT Type;
  std::vector<std::string> Buttons;
  uint8_t Key;  // pressed to answer
  int Result;
};

class MessageBoxTest : public MessageDialogsTest, public ::testing::WithParamInterface<TBoxCase> {};

TEST_P(MessageBoxTest, ButtonsAndKeys) {
  TDialogScript script;
  script.PressKey(GetParam().Key);
  EXPECT_EQ(win::MessageBoxA(nullptr, "Text", "Title", GetParam().Type), GetParam().Result);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Title");
  EXPECT_EQ(script.Shown()[0].Buttons, GetParam().Buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Types, MessageBoxTest,
    ::testing::Values(
        TBoxCase{"OkEscape", win::MB_OK, {"OK"}, win::VK_ESCAPE, win::IDOK},
        TBoxCase{
            "OkCancelEscape", win::MB_OKCANCEL, {"OK", "Cancel"}, win::VK_ESCAPE, win::IDCANCEL},
        TBoxCase{"AbortRetryIgnore",
                 win::MB_ABORTRETRYIGNORE,
                 {"Abort", "Retry", "Ignore"},
                 'I',
                 win::IDIGNORE},
        TBoxCase{"YesNoCancelDefault3",
                 win::MB_YESNOCANCEL | win::MB_DEFBUTTON3,
                 {"Yes", "No", "Cancel"},
                 win::VK_RETURN,
                 win::IDCANCEL},
        TBoxCase{"YesNoDefault2",
                 win::MB_YESNO | win::MB_DEFBUTTON2 | win::MB_ICONQUESTION,
                 {"Yes", "No"},
                 win::VK_RETURN,
                 win::IDNO},
        TBoxCase{"RetryCancelHelp",
                 win::MB_RETRYCANCEL | win::MB_HELP,
                 {"Retry", "Cancel", "Help"},
                 win::VK_RETURN,
                 win::IDRETRY},
        // A default button past the last one falls back to the first.
        TBoxCase{"DefaultOutOfRange",
                 win::MB_OK | win::MB_DEFBUTTON4,
                 {"OK"},
                 win::VK_RETURN,
                 win::IDOK}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MessageDialogsTest, MessageBoxWithoutCancelIgnoresEscape) {
  TDialogScript script;
  script.PressKey(win::VK_ESCAPE).Press("No");
  EXPECT_EQ(win::MessageBoxA(nullptr, "Text", nullptr, win::MB_YESNO), win::IDNO);
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Error");  // a null caption
}

// A word wider than the screen breaks at the edge of the text, as the window system's box
// breaks it: the box stays on the screen with its button in reach, and the text shows on every
// line it takes.
TEST_F(MessageDialogsTest, AWordWiderThanTheScreenBreaksAndTheBoxStaysOnIt) {
  const std::string word(2000, 'W');
  TDialogScript script;
  TRect box, okBounds, textBounds;
  int rows = 0, lineHeight = 0;
  bool lastLineInked = false;
  script.Do([&](TCustomForm* f) {
    box = f->BoundsRect();
    auto* ok = Find<TButton>(f, "OK");
    auto* text = Find<TLabel>(f, "Message");
    if (ok && text) {
      okBounds = ok->BoundsRect();
      textBounds = text->BoundsRect();
      lineHeight = f->Canvas()->TextHeight("W");
      rows = textBounds.Height() / std::max(1, lineHeight);
      const wt::TCapture cap = wt::CaptureWindow(f->Handle(), false);
      const int y = textBounds.Bottom - lineHeight / 2;
      for (int x = textBounds.Left; x < textBounds.Left + 8; ++x)
        lastLineInked = lastLineInked || cap.Color(x, y) != Rgb(clBtnFace);
    }
    wt::KeyPress(win::VK_RETURN);
  });
  EXPECT_EQ(win::MessageBoxA(nullptr, word.c_str(), "Long", win::MB_OK), win::IDOK);
  EXPECT_GE(box.Left, 0);
  EXPECT_LE(box.Right, Screen->Width());
  EXPECT_LE(textBounds.Width(), Screen->Width() / 2);
  EXPECT_GT(rows, 2);
  EXPECT_LE(okBounds.Right, box.Width());
  EXPECT_TRUE(lastLineInked);
}

TEST_F(MessageDialogsTest, ApplicationMessageBoxOwnsTheActiveForm) {
  TForm main(nullptr);
  ShowNow(&main);
  TDialogScript script;
  bool mainEnabled = true;
  script.Do([&](TCustomForm*) {
    mainEnabled = win::IsWindowEnabled(main.Handle());
    wt::KeyPress('N');  // the accelerator of No
  });
  EXPECT_EQ(Application->MessageBox("Delete it?", "Files", win::MB_YESNO | win::MB_ICONQUESTION),
            win::IDNO);
  EXPECT_FALSE(mainEnabled);
  EXPECT_TRUE(win::IsWindowEnabled(main.Handle()));
  EXPECT_EQ(script.Shown()[0].Buttons, (TLines{"Yes", "No"}));
  EXPECT_EQ(script.Shown()[0].Text, "Delete it?");
}

TEST_F(MessageDialogsTest, MessageBoxRefusesBadTypes) {
  TDialogScript script;
  win::SetLastError(0);
  EXPECT_EQ(win::MessageBoxA(nullptr, "Text", "T", 6), 0);
  EXPECT_EQ(win::GetLastError(), static_cast<win::DWORD>(win::ERROR_INVALID_PARAMETER));
  EXPECT_EQ(win::MessageBoxA(nullptr, "Text", "T", 0x50), 0);  // no such icon
  EXPECT_TRUE(script.Shown().empty());
}

TEST_F(MessageDialogsTest, MessageBoxModalityDisablesOwnerOrTaskWindows) {
  win::HWND owner = win::CreateWindowExA(0, "BUTTON", "owner", win::WS_OVERLAPPED | win::WS_VISIBLE,
                                         0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  win::HWND other = win::CreateWindowExA(0, "BUTTON", "other", win::WS_OVERLAPPED | win::WS_VISIBLE,
                                         200, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner && other);
  TDialogScript script;
  bool ownerOn = true, otherOn = true;
  auto look = [&](TCustomForm*) {
    ownerOn = win::IsWindowEnabled(owner);
    otherOn = win::IsWindowEnabled(other);
    win::testkit::KeyPress(win::VK_RETURN);
  };
  script.Do(look);
  win::MessageBoxA(owner, "Text", "T", win::MB_OK | win::MB_APPLMODAL);
  EXPECT_FALSE(ownerOn);
  EXPECT_TRUE(otherOn);
  EXPECT_TRUE(win::IsWindowEnabled(owner));
  script.Do(look);
  win::MessageBoxA(nullptr, "Text", "T", win::MB_OK | win::MB_TASKMODAL);
  EXPECT_FALSE(ownerOn);
  EXPECT_FALSE(otherOn);
  EXPECT_TRUE(win::IsWindowEnabled(owner) && win::IsWindowEnabled(other));
  win::DestroyWindow(owner);
  win::DestroyWindow(other);
}

// ---- Input boxes ----

TEST_F(MessageDialogsTest, InputQueryTakesTheTypedText) {
  TDialogScript script;
  script.Type("New folder");
  std::string value = "old";
  EXPECT_TRUE(InputQuery("Create", "Folder &name:", value));
  EXPECT_EQ(value, "New folder");
  ASSERT_EQ(script.Shown().size(), 1u);
  EXPECT_EQ(script.Shown()[0].Caption, "Create");
  EXPECT_EQ(script.Shown()[0].Text, "Folder &name:");
  EXPECT_EQ(script.Shown()[0].Values.at("Value"), "old");
  EXPECT_EQ(script.Shown()[0].Buttons, (TLines{"OK", "Cancel"}));
}

TEST_F(MessageDialogsTest, CancelledInputLeavesTheValue) {
  TDialogScript script;
  script.Type("typed", "Cancel").Do([](TCustomForm*) {
    win::testkit::TypeText("xyz");
    win::testkit::KeyPress(win::VK_ESCAPE);
  });
  std::string value = "kept";
  EXPECT_FALSE(InputQuery("C", "P", value));
  EXPECT_EQ(value, "kept");
  EXPECT_EQ(InputBox("C", "P", "default"), "default");
}

TEST_F(MessageDialogsTest, InputBoxReturnsTheTextOnReturn) {
  TDialogScript script;
  // Typing alone leaves the box open; the next answer presses Return.
  script.Type("42", "").PressKey(win::VK_RETURN);
  EXPECT_EQ(InputBox("C", "P", ""), "42");
  EXPECT_EQ(script.Pending(), 0u);
}

}  // namespace
}  // namespace vcl::testing
