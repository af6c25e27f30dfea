// The edit's history and text operations: undo and redo over several typed steps, the steps a
// change really made (overwrite, CR LF pairs, MaxLength), read-only and cleared histories,
// search with its questions at the ends of the text, replace, and the window and edit-control
// messages answered from the edit's own text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "edits/ZYLEditAutoComplete.h"
#include "platform/controls/Clipbrd.h"
#include "platform/testkit/DialogScript.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/Cases.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

class EditUndoTest : public ::testing::Test {
 protected:
  EditUndoTest() {
    edit_ = host_.Edit("Edit1", 10, 10, 200);
    THost::Focus(edit_);
  }
  std::string Sel() const {
    return std::to_string(edit_->SelStart()) + "+" + std::to_string(edit_->SelLength());
  }
  THost host_;
  TZYLEdit* edit_ = nullptr;
};

TEST_F(EditUndoTest, UndoAndRedoWalkTheTypedStepsBothWays) {
  tk::TypeText("abc");
  edit_->Undo();
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "a");
  EXPECT_EQ(edit_->CaretPos(), 2);
  edit_->Redo();
  EXPECT_EQ(edit_->RawText(), "ab");
  edit_->Redo();
  EXPECT_EQ(edit_->RawText(), "abc");
  EXPECT_FALSE(edit_->CanRedo());
  edit_->Undo();
  edit_->Undo();
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "");
  EXPECT_FALSE(edit_->CanUndo());
  edit_->Undo();  // nothing left: nothing happens
  EXPECT_EQ(edit_->RawText(), "");
  // A new change empties the redo history, also after a redo.
  edit_->Redo();
  tk::TypeText("x");
  EXPECT_FALSE(edit_->CanRedo());
  EXPECT_EQ(edit_->RawText(), "ax");
}

TEST_F(EditUndoTest, UndoRestoresTheSelectionAndCaretOfTheStep) {
  edit_->SetText("hello world");
  edit_->Select(7, 5);
  tk::TypeText("you");
  EXPECT_EQ(edit_->RawText(), "hello you");
  edit_->Undo();
  edit_->Undo();
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "hello world");
  EXPECT_EQ(Sel(), "7+5");
}

TEST_F(EditUndoTest, EveryStepIsRestoredExactly) {
  // Each step is undone and redone, back to where it started.
  struct TStep {
    const char* Text;
    int Caret;
    bool Overwrite;
    const char* Typed;  // "\b" Backspace, "\x7f" Delete
    const char* After;
  };
  const TStep steps[] = {
      {"abc", 2, true, "x", "axc"},           {"abc", 4, true, "x", "abcx"},
      {"ab\r\ncd", 3, true, "x", "abxcd"},    {"ab\r\ncd", 5, false, "\b", "abcd"},
      {"ab\r\ncd", 3, false, "\x7f", "abcd"}, {"abc", 2, false, "\b", "bc"},
  };
  for (const TStep& s : steps) {
    edit_->SetText(s.Text);
    edit_->ClearUndo();
    edit_->SetCaretPos(s.Caret);
    if (s.Overwrite) tk::KeyPress(win::VK_INSERT);
    const std::string typed = s.Typed;
    if (typed == "\b")
      tk::KeyPress(win::VK_BACK);
    else if (typed == "\x7f")
      tk::KeyPress(win::VK_DELETE);
    else
      tk::TypeText(typed);
    if (s.Overwrite) tk::KeyPress(win::VK_INSERT);
    const std::string after = edit_->RawText();
    edit_->Undo();
    const std::string undone = edit_->RawText();
    edit_->Redo();
    testsupport::ExpectCases({{after, s.After}, {undone, s.Text}, {edit_->RawText(), s.After}});
  }
}

TEST_F(EditUndoTest, MaxLengthKeepsWhatFitsAndAFullEditTakesNothing) {
  edit_->SetMaxLength(5);
  edit_->SetText("abcdefgh");  // the Text property cuts
  EXPECT_EQ(edit_->RawText(), "abcde");
  edit_->SetMaxLength(6);
  edit_->SetCaretPos(6);
  vcl::Clipboard()->SetAsText("XYZ");
  THost::Chord('V', false, true);
  EXPECT_EQ(edit_->RawText(), "abcdeX");
  edit_->SetModified(false);
  edit_->SetCaretPos(3);
  tk::TypeText("q");  // full: the text stays, the change still counts
  EXPECT_EQ(edit_->RawText(), "abcdeX");
  EXPECT_TRUE(edit_->Modified());
  EXPECT_EQ(edit_->CaretPos(), 3);
  edit_->Undo();  // the paste, not an empty step
  EXPECT_EQ(edit_->RawText(), "abcde");
}

// The part of a pasted text that fits MaxLength never ends between the CR and the LF of a
// line break: the break is kept whole or left out.
TEST_F(EditUndoTest, MaxLengthNeverSplitsALineBreak) {
  struct {
    const char* Pasted;
    int MaxLength;
    const char* Expected;
  } const cases[] = {
      {"x\r\ny", 3, "abx"}, {"x\r\ny", 4, "abx"}, {"x\r\ny", 5, "abx\r\n"},
      {"\r\n", 3, "ab"},    {"x\ry", 4, "abx\r"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.MaxLength);
    edit_->SetMaxLength(0);
    edit_->SetText("ab");
    edit_->SetMaxLength(c.MaxLength);
    edit_->SetCaretPos(3);
    vcl::Clipboard()->SetAsText(c.Pasted);
    THost::Chord('V', false, true);
    EXPECT_EQ(edit_->RawText(), c.Expected);
  }
}

// What one undo step is and what empties the history, where a user may expect otherwise. Each
// case acts on "one two" (caret at the end, empty history), then undoes once; the text and the
// selection after that undo are what the edit's history rule gives.
TEST_F(EditUndoTest, HistoryRulesAUserMightNotExpect) {
  struct {
    const char* Rule;
    std::function<void(TZYLEdit*)> Act;
    const char* Undone;  // text+selection after one Undo
  } const cases[] = {
      // Every typed character is a step of its own: typing is not grouped into words.
      {"a typed character is one step", [](TZYLEdit*) { tk::TypeText("ab"); }, "one twoa 9+0"},
      // Backspace first selects the character before the caret: undone, it comes back selected.
      {"an undone Backspace selects the character", [](TZYLEdit*) { tk::KeyPress(win::VK_BACK); },
       "one two 7+1"},
      // Ctrl+Z is no key of the edits (undo comes from the context menu, EM_UNDO or code): it
      // types nothing and undoes nothing; the Undo after it takes the typed character back.
      {"Ctrl+Z undoes nothing",
       [](TZYLEdit*) {
         tk::TypeText("x");
         THost::Chord('Z', false, true);
       },
       "one two 8+0"},
      // A selection dragged elsewhere is removed, then inserted: two steps.
      {"a dragged selection is two steps",
       [](TZYLEdit* E) {
         E->Select(1, 4);
         const int x0 = E->TextOrigin();
         tk::Drag(THost::At(E, x0 + E->PrefixWidth(1) + 1, 8),
                  THost::At(E, x0 + E->PrefixWidth(7) + 3, 8));
       },
       "two 4+0"},
      // The Text property (and a kind's own rebuilding of its text) empties both histories.
      {"setting Text empties the history",
       [](TZYLEdit* E) {
         tk::TypeText("x");
         E->SetText("new");
       },
       "new 1+0"},
      // EM_EMPTYUNDOBUFFER empties the undo history only.
      {"the empty-undo message leaves redo",
       [](TZYLEdit* E) {
         tk::TypeText("x");
         E->Undo();
         E->Perform(win::EM_EMPTYUNDOBUFFER, 0, 0);
         E->Redo();
         tk::TypeText("y");
       },
       "one twox 9+0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Rule);
    edit_->SetText("one two");
    edit_->SetCaretPos(8);
    tk::AdvanceClock(1000);
    c.Act(edit_);
    edit_->Undo();
    EXPECT_EQ(edit_->RawText() + " " + Sel(), c.Undone);
  }
}

TEST_F(EditUndoTest, ReadOnlyRefusesUndoAndKeepsTheHistory) {
  tk::TypeText("ab");
  edit_->SetReadOnly(true);
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "ab");
  EXPECT_EQ(edit_->UndoCount(), 2);
  edit_->SetReadOnly(false);
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "a");
}

TEST_F(EditUndoTest, ANewTextTakesTheHistoryOfTheOldOneWithIt) {
  tk::TypeText("abc");
  edit_->SetText("x");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "x");
  EXPECT_FALSE(edit_->CanUndo());
}

TEST_F(EditUndoTest, AClearedHistoryHasNothingToUndoOrRedo) {
  tk::TypeText("ab");
  edit_->Undo();
  edit_->ClearUndo();
  EXPECT_FALSE(edit_->CanUndo());
  EXPECT_FALSE(edit_->CanRedo());
  edit_->Redo();
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "a");
  EXPECT_EQ(edit_->Perform(win::EM_CANUNDO, 0, 0), 0);
  // EM_EMPTYUNDOBUFFER empties the undo history only.
  tk::TypeText("c");
  edit_->Undo();
  tk::TypeText("d");
  edit_->Undo();
  edit_->Perform(win::EM_EMPTYUNDOBUFFER, 0, 0);
  EXPECT_FALSE(edit_->CanUndo());
  EXPECT_TRUE(edit_->CanRedo());
}

TEST_F(EditUndoTest, BackspaceOverACompletedTailTakesTheCharacterBeforeTheSelection) {
  // BackOneMore is what an amText auto-complete asks for; with a selection made by
  // Shift+Right the caret sits at the selection's end, and the character before the
  // selection (not one after it) goes with it.
  auto* ac = new TZYLEditAutoComplete(host_.Form());
  ac->SetMode(TZYLAutoCompleteModes{amText});
  edit_->SetAutoComplete(ac);
  edit_->SetText("abcdef");
  edit_->SetCaretPos(3);
  THost::Chord(win::VK_RIGHT, true);
  THost::Chord(win::VK_RIGHT, true);
  EXPECT_EQ(Sel(), "3+2");
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(edit_->RawText(), "aef");
}

TEST_F(EditUndoTest, TextOperationsWorkOnPositions) {
  edit_->SetText("one two three");
  edit_->Select(1, 3);
  edit_->Replace(5, 3, "2");
  edit_->Upper(1, 3);
  edit_->Insert(1, ">");
  const std::string cut = edit_->Cut(2, 3);
  testsupport::ExpectCases({{edit_->RawText(), "> 2 three"},
                            {cut, "ONE"},
                            {edit_->Copy(5, 5), "three"},
                            {std::to_string(edit_->CountWords()), "2"}});
  edit_->Add(" ");
  EXPECT_EQ(edit_->CountWords(), 3);  // a last word counts once a delimiter follows it
  edit_->SetCaretPos(8);
  EXPECT_EQ(edit_->GetCurrentWord(), "three");
  // Lower case for a range only; the selection stays where it was.
  edit_->SetText("ONE TWO THREE");
  edit_->Select(2, 2);
  edit_->Lower(5, 5);
  EXPECT_EQ(edit_->RawText(), "ONE two tHREE");
  EXPECT_EQ(Sel(), "2+2");
}

struct SearchCase {
  const char* Text;
  const char* Key;
  TZYLSearchStart Start;
  int Caret;
  bool MatchCase, WholeWord;
  TZYLSearchDirection Direction;
  const char* Answer;    // to the question at the end of the text ("" when none comes)
  const char* Expected;  // "start+length caret", or "none"
};

class EditSearch : public EditUndoTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(EditSearch, FindsAndSelectsTheMatch) {
  const SearchCase& c = GetParam();
  vcl::testkit::TDialogScript script;
  if (*c.Answer) script.Press(c.Answer);
  edit_->SetText(c.Text);
  edit_->SetCaretPos(c.Caret);
  const bool found = edit_->Search(c.Key, c.Start, c.MatchCase, c.WholeWord, c.Direction);
  const std::string got =
      found ? Sel() + " " + std::to_string(edit_->CaretPos()) : std::string("none");
  EXPECT_EQ(got, c.Expected);
  EXPECT_EQ(script.Pending(), 0u);
  if (*c.Answer) {
    ASSERT_EQ(script.Shown().size(), 1u);
    EXPECT_EQ(script.Shown()[0].Caption, "Search");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditSearch,
    ::testing::Values(
        SearchCase{"cat dog cat", "cat", stTop, 1, true, false, sdDown, "", "1+3 4"},
        SearchCase{"cat dog cat", "dog", stTop, 1, true, false, sdDown, "", "5+3 8"},
        SearchCase{"a dog", "dog", stTop, 1, true, false, sdDown, "", "3+3 6"},
        SearchCase{"cat dog cat", "cat", stBottom, 1, true, false, sdUp, "", "9+3 8"},
        SearchCase{"cat dog cat", "CAT", stCursor, 2, false, false, sdDown, "", "9+3 12"},
        SearchCase{"cat dog cat", "CAT", stCursor, 2, true, false, sdDown, "No", "none"},
        SearchCase{"cat dog cat", "cat", stCursor, 10, true, false, sdDown, "Yes", "1+3 4"},
        SearchCase{"cat dog cat", "cat", stCursor, 2, true, false, sdUp, "Yes", "9+3 8"},
        SearchCase{"concat cat", "cat", stTop, 1, true, true, sdDown, "", "8+3 11"},
        SearchCase{"cats", "cat", stTop, 1, true, true, sdDown, "No", "none"},
        SearchCase{"cat", "", stTop, 1, true, false, sdDown, "", "none"}));

TEST_F(EditUndoTest, ANoAtTheEndLeavesCaretAndSelectionAlone) {
  vcl::testkit::TDialogScript script;
  script.Press("No");
  edit_->SetText("abc abc");
  edit_->Select(2, 2);
  EXPECT_FALSE(edit_->Search("zz", stCursor, true, false, sdDown));
  EXPECT_EQ(Sel(), "2+2");
  EXPECT_EQ(script.Shown().at(0).Text, "At bottom ... restart from top?");
}

TEST_F(EditUndoTest, ReplaceAllPassesEveryMatchOnceInBothDirections) {
  for (TZYLSearchDirection d : {sdDown, sdUp}) {
    vcl::testkit::TDialogScript atTheEnd;
    atTheEnd.Press("No");  // not again from the other end
    edit_->SetText("a-b-c");
    EXPECT_TRUE(edit_->SearchAndReplace("-", "--", d == sdDown ? stTop : stBottom, true, false, d,
                                        false, true));
    EXPECT_EQ(edit_->RawText(), "a--b--c");
  }
  // With prompts: Yes replaces, No skips, Cancel ends with False.
  vcl::testkit::TDialogScript script;
  script.Press("Yes").Press("No").Press("Yes").Press("No").Press("No");
  edit_->SetText("x x x x");
  EXPECT_TRUE(edit_->SearchAndReplace("x", "y", stTop, true, false, sdDown, true, true));
  EXPECT_EQ(edit_->RawText(), "y x y x");
  EXPECT_EQ(script.Shown().at(0).Text, "Replace?");
  vcl::testkit::TDialogScript cancel;
  cancel.Press("Cancel");
  EXPECT_FALSE(edit_->SearchAndReplace("x", "y", stTop, true, false, sdDown, true, false));
  EXPECT_EQ(edit_->RawText(), "y x y x");
}

// ---------------------------------------------------------------------------------------------
// Messages

TEST_F(EditUndoTest, SetSelTakesPlatformPositionsInEitherOrder) {
  edit_->SetText("abcdef");
  struct {
    win::WPARAM W;
    win::LPARAM L;
  } const cases[] = {{1, 3}, {5, 2}, {0, -1}, {3, -1}, {2, 99}, {static_cast<win::WPARAM>(-1), 0}};
  std::string got;
  for (const auto& c : cases) {
    edit_->Perform(win::EM_SETSEL, c.W, c.L);
    int start = -9, end = -9;
    const auto packed = edit_->Perform(win::EM_GETSEL, reinterpret_cast<win::WPARAM>(&start),
                                       reinterpret_cast<win::LPARAM>(&end));
    got += std::to_string(start) + "-" + std::to_string(end) + "/" +
           std::to_string(packed & 0xFFFF) + " ";
  }
  // The last one only collapses the selection at the caret (after the previous selection).
  EXPECT_EQ(got, "1-3/1 2-5/2 0-6/0 3-6/3 2-6/2 6-6/6 ");
}

TEST_F(EditUndoTest, WordSelectionReachesFromTheCaretToTheWordsEdge) {
  edit_->SetText("one two three");
  edit_->SetCaretPos(6);  // between "t" and "wo"
  edit_->SelectRightWord();
  EXPECT_EQ(edit_->GetSelText(), "wo");
  EXPECT_EQ(Sel(), "6+2");
  edit_->SetCaretPos(6);
  edit_->SelectLeftWord();
  EXPECT_EQ(edit_->GetSelText(), "t");
  EXPECT_EQ(Sel(), "5+1");
  edit_->SetCaretPos(4);  // on the space after "one": nothing to its right before the space
  edit_->SelectRightWord();
  EXPECT_EQ(edit_->GetSelText(), "");
}

TEST_F(EditUndoTest, ATextBufferReplacesTheSelectionAsOneUndoStep) {
  edit_->SetText("abcdef");
  edit_->Perform(win::EM_SETSEL, 1, 3);
  edit_->SetSelTextBuf("XY");
  EXPECT_EQ(edit_->RawText(), "aXYdef");
  edit_->Perform(win::EM_SETSEL, 0, 1);
  edit_->SetSelTextBuf(nullptr);  // no buffer: the selection goes
  EXPECT_EQ(edit_->RawText(), "XYdef");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "aXYdef");
}

TEST_F(EditUndoTest, GetSelTextBufAnswersTheSelectionsLengthCutToTheBuffer) {
  edit_->SetText("Hello world");
  struct {
    win::WPARAM From;
    win::LPARAM To;
    int BufSize;
    int Result;
  } const cases[] = {{6, 11, 16, 5}, {6, 11, 6, 5}, {6, 11, 5, 5},  {6, 11, 3, 3},
                     {0, 11, 4, 4},  {6, 11, 0, 0}, {6, 11, -1, 0}, {4, 4, 16, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.From) + "-" + std::to_string(c.To) + " in " +
                 std::to_string(c.BufSize));
    edit_->Perform(win::EM_SETSEL, c.From, c.To);
    const std::string selected = edit_->GetSelText();
    // Guard bytes around the buffer show any write past its size.
    std::string buffer(32, '#');
    char* start = buffer.data() + 8;
    EXPECT_EQ(edit_->GetSelTextBuf(start, c.BufSize), c.Result);
    const size_t size = static_cast<size_t>(std::max(c.BufSize, 0));
    EXPECT_EQ(buffer.substr(0, 8), std::string(8, '#'));
    EXPECT_EQ(buffer.substr(8 + size), std::string(24 - size, '#'));
    if (size == 0) continue;
    // What was written is the start of the selection, ended by a zero inside the buffer.
    const std::string written(start, strnlen(start, size));
    EXPECT_LT(written.size(), size);
    EXPECT_EQ(selected.compare(0, written.size(), written), 0) << written;
  }
  // Without a buffer only the length is answered.
  edit_->Perform(win::EM_SETSEL, 6, 11);
  EXPECT_EQ(edit_->GetSelTextBuf(nullptr, 16), 5);
  EXPECT_EQ(edit_->RawText(), "Hello world");
}

TEST_F(EditUndoTest, TextMessagesAnswerFromTheEditsText) {
  edit_->Perform(win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>("hello"));
  char buffer[16] = {};
  const auto copied =
      edit_->Perform(win::WM_GETTEXT, sizeof buffer, reinterpret_cast<win::LPARAM>(buffer));
  char line[8] = {};
  line[0] = 3;  // the buffer's size word: three characters
  const auto lineLength = edit_->Perform(win::EM_GETLINE, 0, reinterpret_cast<win::LPARAM>(line));
  edit_->Perform(win::EM_SETSEL, 5, 5);
  edit_->Perform(win::EM_REPLACESEL, 1, reinterpret_cast<win::LPARAM>(" there"));
  const bool canUndo = edit_->Perform(win::EM_CANUNDO, 0, 0) != 0;
  edit_->Perform(win::EM_REPLACESEL, 0, reinterpret_cast<win::LPARAM>("!"));
  const bool canUndoAfter = edit_->Perform(win::EM_CANUNDO, 0, 0) != 0;
  edit_->Perform(win::EM_LIMITTEXT, 20, 0);
  edit_->Perform(win::EM_SETREADONLY, 1, 0);
  edit_->Perform(win::EM_SETMODIFY, 0, 0);
  vcl::TRect rect{};
  edit_->Perform(win::EM_GETRECT, 0, reinterpret_cast<win::LPARAM>(&rect));
  testsupport::ExpectCases(
      {{std::string(buffer) + "/" + std::to_string(copied), "hello/5"},
       {std::string(line, 3) + "/" + std::to_string(lineLength), "hel/3"},
       {edit_->RawText(), "hello there!"},
       {std::to_string(canUndo) + std::to_string(canUndoAfter), "10"},
       {std::to_string(edit_->Perform(win::WM_GETTEXTLENGTH, 0, 0)), "12"},
       {std::to_string(edit_->Perform(win::EM_LINELENGTH, 0, 0)), "12"},
       {std::to_string(edit_->Perform(win::EM_GETLINECOUNT, 0, 0)), "1"},
       {std::to_string(edit_->Perform(win::EM_GETLIMITTEXT, 0, 0)), "20"},
       {std::to_string(edit_->ReadOnly()), "1"},
       {std::to_string(edit_->Perform(win::EM_GETMODIFY, 0, 0)), "0"},
       {std::to_string(rect.Left) + "," + std::to_string(rect.Right),
        std::to_string(edit_->TextRect().Left) + "," + std::to_string(edit_->TextRect().Right)}});
  // WM_CUT, WM_COPY, WM_PASTE and WM_CLEAR act on the selection.
  edit_->SetReadOnly(false);
  edit_->Select(1, 5);
  edit_->Perform(win::WM_COPY, 0, 0);
  edit_->Perform(win::WM_CUT, 0, 0);
  edit_->SetCaretPos(edit_->GetLength() + 1);
  edit_->Perform(win::WM_PASTE, 0, 0);
  edit_->Select(1, 1);
  edit_->Perform(win::WM_CLEAR, 0, 0);
  EXPECT_EQ(edit_->RawText(), "there!hello");
}

}  // namespace
}  // namespace zyl
