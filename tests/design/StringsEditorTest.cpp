// The strings editor form through its real controls: the caret indicator, find and replace
// through the modeless dialogs, loading, saving, printing and the ways of leaving it.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "buttons/ZYLButton.h"
#include "buttons/ZYLSpeedButton.h"
#include "design/pZYLStringsEditorDlg.h"
#include "display/ZYLGlyphLabel.h"
#include "foundation/ZYLCont.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Printers.h"
#include "tests/design/StringsTestSupport.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

// Types into an edit of a modeless dialog's form.
void TypeIn(vcl::TCustomForm* dialog, const std::string& edit, const std::string& text) {
  vt::TypeInto(designtest::On<vcl::TWinControl>(dialog, edit), text);
}

// Presses a button of a modeless dialog's form, a while after the last click (so that two
// presses are not taken as a double click).
void Press(vcl::TCustomForm* dialog, const std::string& button) {
  wt::AdvanceClock(1000);
  vt::ClickControl(designtest::On<vcl::TControl>(dialog, button));
}

// Opens the find or the replace dialog with its button, at the top left of the screen, clear of
// the editor (which comes to the front when its memo takes the focus), and answers its form.
vcl::TCustomForm* OpenSearch(TZYLFrmStringEditor* f, TZYLSpeedButton* button) {
  f->FindDialog->SetPosition({0, 0});
  f->ReplaceDialog->SetPosition({0, 0});
  vt::ClickControl(button);
  vcl::TCustomForm* dialog =
      button == f->SearchBtn ? f->FindDialog->Form() : f->ReplaceDialog->Form();
  if (!dialog) throw vt::EDialogScript("The search dialog did not open");
  return dialog;
}

class StringsEditor : public ::testing::Test {
 protected:
  // Opens the editor on `text` with one scripted answer; answers the modal result and keeps
  // the memo's text at the end in text_.
  // `more` scripts the answers to the dialogs the steps bring up.
  int Run(const std::string& text, const std::function<void(TZYLFrmStringEditor*)>& steps,
          TEnding ending = TEnding::Ok,
          const std::function<void(vt::TDialogScript&)>& more = nullptr) {
    designtest::AnswerStringsEditor(script_, steps, ending);
    if (more) more(script_);
    auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
    form->StrList->SetText(text);
    const int result = form->ShowModal();
    text_ = form->StrList->Text();
    return result;
  }
  // The messages shown, in order.
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& d : script_.Shown())
      if (!d.Text.empty()) texts.push_back(d.Text);
    return texts;
  }

  vt::TControlsSession session_;
  designtest::TStringsUnits units_;
  vt::TDialogScript script_;
  std::string text_;
};

TEST_F(StringsEditor, TheIndicatorFollowsTheCaretFromLineOneColumnOne) {
  std::vector<std::string> seen;
  Run("", [&](TZYLFrmStringEditor* f) {
    seen.push_back(f->PosInfo->Caption());
    f->StrList->SetFocus();
    wt::TypeText("ab");
    seen.push_back(f->PosInfo->Caption());
    wt::KeyPress(win::VK_RETURN);
    wt::TypeText("c");
    seen.push_back(f->PosInfo->Caption());
    vt::ClickControl(f->StrList);
    wt::KeyPress(win::VK_HOME);
    seen.push_back(f->PosInfo->Caption());
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"Line:   1   Col:   1", "Line:   1   Col:   3",
                                            "Line:   2   Col:   2", "Line:   2   Col:   1"}));
  EXPECT_EQ(text_, "ab\r\nc");
}

TEST_F(StringsEditor, OKKeepsTheEditCancelEscapeAndCodeAnswerTheirResults) {
  struct Case {
    TEnding ending;
    int result;
  };
  for (const Case& c : {Case{TEnding::Ok, vcl::mrOk}, Case{TEnding::Cancel, vcl::mrCancel},
                        Case{TEnding::Escape, vcl::mrCancel}}) {
    const int result = Run(
        "abc",
        [](TZYLFrmStringEditor* f) {
          f->StrList->SetFocus();
          wt::KeyPress(win::VK_END);
          wt::TypeText("d");
        },
        c.ending);
    EXPECT_EQ(result, c.result) << designtest::EndingName(c.ending);
  }
  EXPECT_EQ(Run(
                "abc", [](TZYLFrmStringEditor* f) { vt::ClickControl(f->ZYLButton2); },
                TEnding::Unanswered),
            vcl::mrYes);
}

TEST_F(StringsEditor, FindNextSelectsEachMatchInTurnThroughTheFindDialog) {
  std::vector<std::pair<int, int>> selections;
  Run("the cat sat\r\nconcat cat", [&](TZYLFrmStringEditor* f) {
    vcl::TCustomForm* find = OpenSearch(f, f->SearchBtn);
    TypeIn(find, "FindText", "CAT");
    for (int i = 0; i < 4; ++i) {
      Press(find, "FindNext");
      selections.emplace_back(f->StrList->SelStart(), f->StrList->SelLength());
    }
    EXPECT_EQ(f->FindPlace().FindLine, 2);
    EXPECT_EQ(f->FindPlace().FindCol, 1);
  });
  // The fourth search finds nothing and leaves the third match selected.
  EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{4, 3}, {16, 3}, {20, 3}, {20, 3}}));
}

TEST_F(StringsEditor, FindUpFindsAMatchEndingAtTheLineEndAndThenTheOnesLeftOfIt) {
  std::vector<std::pair<int, int>> selections;
  Run("ab xab", [&](TZYLFrmStringEditor* f) {
    vcl::TCustomForm* find = OpenSearch(f, f->SearchBtn);
    TypeIn(find, "FindText", "ab");
    Press(find, "Up");
    for (int i = 0; i < 3; ++i) {
      Press(find, "FindNext");
      selections.emplace_back(f->StrList->SelStart(), f->StrList->SelLength());
    }
  });
  EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{4, 2}, {0, 2}, {0, 2}}));
}

TEST_F(StringsEditor, TheReplaceDialogFindsWithTheFindDialogsOptionsAndReplacesTheSelection) {
  Run(
      "one two\r\ntwo",
      [&](TZYLFrmStringEditor* f) {
        vcl::TCustomForm* replace = OpenSearch(f, f->ReplaceBtn);
        TypeIn(replace, "FindText", "two");
        TypeIn(replace, "ReplaceText", "2");
        Press(replace, "Replace");  // nothing selected yet
        Press(replace, "FindNext");
        EXPECT_EQ(f->FindDialog->FindText(), "two");
        Press(replace, "Replace");
      },
      TEnding::Ok, [](vt::TDialogScript& s) { s.Press("OK"); });
  EXPECT_EQ(text_, "one 2\r\ntwo");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"No text selected!"}));
}

TEST_F(StringsEditor, ReplaceAllReplacesEverySpellingAndEndsWhenTheReplacementHoldsTheText) {
  int caret = -1;
  Run("Abc x ABC\r\nabc", [&](TZYLFrmStringEditor* f) {
    vcl::TCustomForm* replace = OpenSearch(f, f->ReplaceBtn);
    TypeIn(replace, "FindText", "abc");
    TypeIn(replace, "ReplaceText", "[abc]");
    Press(replace, "ReplaceAll");
    caret = f->StrList->SelStart();
  });
  EXPECT_EQ(text_, "[abc] x [abc]\r\n[abc]");
  EXPECT_EQ(caret, static_cast<int>(text_.size()));
}

TEST_F(StringsEditor, LoadingAsksBeforeReplacingTextAndCancelKeepsIt) {
  testsupport::TempDir dir;
  const std::string file = dir.File("lines.txt");
  std::ofstream(file) << "first\r\nsecond\r\n";
  struct Case {
    std::string before, answer, after;
    size_t questions;
  };
  for (const Case& c : {Case{"", "", "first\r\nsecond", 0}, Case{"old", "Cancel", "old", 1},
                        Case{"old", "OK", "first\r\nsecond", 1}}) {
    vt::TDialogScript script;
    designtest::AnswerStringsEditor(
        script, [](TZYLFrmStringEditor* f) { vt::ClickControl(f->OpenBtn); }, TEnding::Ok);
    script.ChooseFiles({file});
    if (!c.answer.empty()) script.Press(c.answer);
    auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
    form->StrList->SetText(c.before);
    ASSERT_EQ(form->ShowModal(), vcl::mrOk);
    EXPECT_EQ(form->StrList->Text(), c.after) << c.before << " " << c.answer;
    size_t questions = 0;
    for (const auto& d : script.Shown()) questions += d.Text == "Current text will be deleted!";
    EXPECT_EQ(questions, c.questions) << c.before << " " << c.answer;
  }
}

TEST_F(StringsEditor, SavingWritesTheLinesToTheChosenFile) {
  testsupport::TempDir dir;
  const std::string file = dir.File("saved.txt");
  designtest::AnswerStringsEditor(
      script_, [](TZYLFrmStringEditor* f) { vt::ClickControl(f->SaveBtn); }, TEnding::Ok);
  script_.ChooseFiles({file});
  auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
  form->StrList->SetText("alpha\r\nbeta");
  ASSERT_EQ(form->ShowModal(), vcl::mrOk);
  vcl::TStringList read;
  read.LoadFromFile(file);
  EXPECT_EQ(read.Text(), "alpha\r\nbeta\r\n");
}

TEST_F(StringsEditor, EachPrintedCopyIsAJobOfItsOwnWithTheMemosFontAndLines) {
  vcl::ClearPrintedDocuments();
  designtest::AnswerStringsEditor(
      script_, [](TZYLFrmStringEditor* f) { vt::ClickControl(f->PrintBtn); }, TEnding::Ok);
  script_.Do([](vcl::TCustomForm* print) {
    TypeIn(print, "Copies", "3");
    Press(print, "OK");
  });
  auto form = ZYLCreateEditorForm<TZYLFrmStringEditor>(nullptr);
  form->StrList->SetText("one\r\n\ttwo\r\n");
  form->StrList->Font()->SetName("Courier New");
  ASSERT_EQ(form->ShowModal(), vcl::mrOk);
  const auto& jobs = vcl::PrintedDocuments();
  ASSERT_EQ(jobs.size(), 3u);
  for (size_t i = 0; i < jobs.size(); ++i) {
    EXPECT_EQ(jobs[i].Title, "StringList #" + std::to_string(i + 1));
    EXPECT_EQ(jobs[i].FontName, "Courier New");
    EXPECT_EQ(jobs[i].Lines, (std::vector<std::string>{"one", "\ttwo"}));
  }
}

TEST_F(StringsEditor, TheClipboardButtonsCutCopyAndPasteTheSelection) {
  Run("abc def", [](TZYLFrmStringEditor* f) {
    f->StrList->SetSelStart(0);
    f->StrList->SetSelLength(4);
    vt::ClickControl(f->CutBtn);
    f->StrList->SetSelStart(3);
    vt::ClickControl(f->PasteBtn);
    vt::ClickControl(f->SelectBtn);
    EXPECT_EQ(f->StrList->SelLength(), 7);
    vt::ClickControl(f->CopyBtn);
    f->StrList->SetSelStart(7);
    vt::ClickControl(f->PasteBtn);
  });
  EXPECT_EQ(text_, "defabc defabc ");
}

TEST_F(StringsEditor, TheFormLooksLikeAClassicDialog) {
  Run("first line\r\nsecond line", [](TZYLFrmStringEditor* f) {
    const wt::TCapture shot = wt::RenderWindow(f->Handle());
    EXPECT_GT(shot.Width, 400);
    // The tool buttons show the glyphs of the form's image list, one each, in order.
    ASSERT_EQ(f->ZYLImageList2->ItemCount(0), 9);
    EXPECT_EQ(f->ZYLImageList2->Dimensions(0, true), 16);
    int index = 0;
    for (TZYLSpeedButton* b : {f->OpenBtn, f->SaveBtn, f->PrintBtn, f->CutBtn, f->CopyBtn,
                               f->PasteBtn, f->SelectBtn, f->SearchBtn, f->ReplaceBtn}) {
      EXPECT_EQ(b->ImageList(), f->ZYLImageList2);
      EXPECT_EQ(b->ImageIndex(), index++);
    }
    EXPECT_TRUE(wt::WritePng(shot, "/tmp/strings-editor.png"));
  });
}

}  // namespace
}  // namespace zyl
