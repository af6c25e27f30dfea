// The memo's row-wise keys and its mouse: Up, Down, Page Up, Page Down, Home and End across
// wrapped rows, empty rows and the text's ends, with and without Shift and Ctrl; clicks, drags
// across rows, a drag held below the rows, and the wheel.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user/WinUserConsts.h"
#include "tests/edits/MemoFixture.h"

namespace zyl {
namespace {

using edittest::THost;
using memotest::MemoFixture;
namespace tk = win::testkit;
using Strings = std::vector<std::string>;

// Eight rows, four to a page: two wrapped paragraphs, short lines and an empty one.
//   row 0 starts at 1 "aaaa aaaa ", 1 at 11 "aaaa aaaa", 2 at 22 "ee", 3 at 26 "",
//   4 at 28 "aaaa aaaa ", 5 at 38 "aaaa", 6 at 44 "ii", 7 at 48 "jj" (the text ends at 49).
const char* const kText = "aaaa aaaa aaaa aaaa\r\nee\r\n\r\naaaa aaaa aaaa\r\nii\r\njj";

class MemoRows : public MemoFixture {
 protected:
  MemoRows() {
    Fit(memo_, memo_->RowWidth("aaaa aaaa "), 4);
    memo_->SetText(kText);
  }
  void CheckLayout() {
    ASSERT_EQ(Rows(memo_),
              (Strings{"aaaa aaaa ", "aaaa aaaa", "ee", "", "aaaa aaaa ", "aaaa", "ii", "jj"}));
    ASSERT_EQ(memo_->PageRows(), 4);
  }
};

struct KeyCase {
  int Caret;         // before the keys
  const char* Keys;  // U D P N H E = Up Down PgUp PgDn Home End; lower case with Shift; ^ Ctrl
  int WantCaret;
  int WantTop;       // the first visible row, from 1
  int WantSelStart;  // 0: no selection
  int WantSelLength;
};

class MemoKeys : public MemoRows, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MemoKeys, MoveByRows) {
  CheckLayout();
  const KeyCase& c = GetParam();
  memo_->SetCaretPos(c.Caret);
  bool ctrl = false;
  for (const char* k = c.Keys; *k; ++k) {
    if (*k == '^') {
      ctrl = true;
      continue;
    }
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(*k)));
    const win::BYTE vk = up == 'U'   ? win::VK_UP
                         : up == 'D' ? win::VK_DOWN
                         : up == 'P' ? win::VK_PRIOR
                         : up == 'N' ? win::VK_NEXT
                         : up == 'H' ? win::VK_HOME
                                     : win::VK_END;
    THost::Chord(vk, *k != up, ctrl);
    ctrl = false;
  }
  EXPECT_EQ(memo_->CaretPos(), c.WantCaret);
  EXPECT_EQ(memo_->TopRow(), c.WantTop);
  EXPECT_EQ(memo_->SelLength(), c.WantSelLength);
  if (c.WantSelLength > 0) {
    EXPECT_EQ(memo_->SelStart(), c.WantSelStart);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoKeys,
    ::testing::Values(
        // Down and Up keep the column, at most to the row's last place.
        KeyCase{3, "D", 13, 1, 0, 0}, KeyCase{13, "D", 24, 1, 0, 0}, KeyCase{24, "D", 26, 1, 0, 0},
        KeyCase{26, "U", 22, 1, 0, 0}, KeyCase{20, "U", 10, 1, 0, 0}, KeyCase{18, "U", 8, 1, 0, 0},
        KeyCase{3, "DDDDD", 38, 3, 0, 0},
        // On the first row Up does nothing; on the last row Down neither.
        KeyCase{3, "U", 3, 1, 0, 0}, KeyCase{50, "D", 50, 5, 0, 0}, KeyCase{49, "D", 49, 5, 0, 0},
        // Home and End go to the start and the end of the paragraph, across its wrapped rows;
        // Ctrl+Home and Ctrl+End to the text's ends.
        KeyCase{15, "H", 1, 1, 0, 0}, KeyCase{13, "E", 20, 1, 0, 0}, KeyCase{3, "E", 20, 1, 0, 0},
        KeyCase{40, "H", 28, 3, 0, 0}, KeyCase{30, "E", 42, 3, 0, 0}, KeyCase{26, "H", 26, 1, 0, 0},
        KeyCase{26, "E", 26, 1, 0, 0}, KeyCase{28, "H", 28, 2, 0, 0}, KeyCase{48, "E", 50, 5, 0, 0},
        KeyCase{40, "^H", 1, 1, 0, 0}, KeyCase{1, "^E", 50, 5, 0, 0},
        // A page is the page's rows less two; at the ends the text's ends.
        KeyCase{3, "N", 24, 3, 0, 0}, KeyCase{3, "NN", 30, 5, 0, 0}, KeyCase{49, "N", 50, 5, 0, 0},
        KeyCase{50, "P", 40, 3, 0, 0}, KeyCase{3, "P", 1, 1, 0, 0},
        // With Shift the keys select across rows.
        KeyCase{3, "d", 13, 1, 3, 10}, KeyCase{13, "u", 3, 1, 3, 10}, KeyCase{1, "e", 20, 1, 1, 19},
        KeyCase{15, "h", 1, 1, 1, 14}, KeyCase{3, "dd", 24, 1, 3, 21}));

// ---------------------------------------------------------------------------------------------
// Row routines

struct RowStepCase {
  int Pos;
  int NextLimit;  // GetNextLine goes no further
  int Next;       // the start of the row after Pos's row
  int PrevLimit;  // GetPrevLine goes no further back
  int Prev;       // the last row start before Pos
};

class MemoRowSteps : public MemoRows, public ::testing::WithParamInterface<RowStepCase> {};

TEST_P(MemoRowSteps, StepFromRowToRow) {
  CheckLayout();
  const RowStepCase& c = GetParam();
  int next = c.Pos, prev = c.Pos;
  memo_->GetNextLine(next, c.NextLimit);
  memo_->GetPrevLine(prev, c.PrevLimit);
  EXPECT_EQ(next, c.Next);
  EXPECT_EQ(prev, c.Prev);
}

// Rows start at 1, 11, 22, 26, 28, 38, 44 and 48; the text ends at 49. A line break is stepped
// over whole; stepping on from the last row reaches the text's end.
INSTANTIATE_TEST_SUITE_P(
    Table, MemoRowSteps,
    ::testing::Values(RowStepCase{1, 50, 11, 1, 1}, RowStepCase{0, 50, 11, 1, 1},
                      RowStepCase{11, 50, 22, 1, 1}, RowStepCase{15, 50, 22, 1, 11},
                      RowStepCase{22, 50, 26, 1, 11}, RowStepCase{26, 50, 28, 1, 22},
                      RowStepCase{28, 50, 38, 1, 26}, RowStepCase{38, 50, 44, 1, 28},
                      RowStepCase{44, 50, 48, 1, 38}, RowStepCase{48, 50, 50, 1, 44},
                      RowStepCase{50, 50, 50, 1, 48}, RowStepCase{1, 5, 5, 1, 1},
                      RowStepCase{28, 33, 33, 27, 27}, RowStepCase{38, 30, 38, 30, 30},
                      RowStepCase{22, 15, 22, 15, 15}, RowStepCase{15, 50, 22, 0, 11}));

TEST_F(MemoRows, RowRoutinesAnswerFromTheRowsShown) {
  CheckLayout();
  // Row breaks of the memo's own text and of another text laid out at the memo's width.
  std::string own = memo_->RawText();
  EXPECT_EQ(memo_->CountRows(own), 7);
  EXPECT_EQ(memo_->CountRows(own), memo_->GetRowCount() - 1);
  std::string lone = "a\nb";
  EXPECT_EQ(memo_->CountRows(lone), 1);
  EXPECT_EQ(lone, "a\r\nb");
  std::string wrapped = "aaaa aaaa aaaa aaaa aaaa";
  EXPECT_EQ(memo_->CountRows(wrapped), 2);
  std::string none;
  EXPECT_EQ(memo_->CountRows(none), 0);
  // The row walk puts the row it reaches at the top.
  EXPECT_EQ(memo_->CalcRowNr(3), 3);
  EXPECT_EQ(memo_->TopRow(), 3);
  EXPECT_EQ(memo_->Perform(win::EM_GETFIRSTVISIBLELINE, 0, 0), 2);
  // The row of a position counts from the first visible row.
  struct {
    int Pos;
    int Row;
  } const shown[] = {{22, 0}, {25, 0}, {26, 1}, {30, 2}, {40, 3}, {11, -1}, {1, -2}};
  for (const auto& c : shown) EXPECT_EQ(memo_->getRow(c.Pos), c.Row) << c.Pos;
  // A walk beyond the text walks its rows; the last page stays full.
  EXPECT_EQ(memo_->CalcRowNr(100), 8);
  EXPECT_EQ(memo_->TopRow(), 5);
  EXPECT_EQ(memo_->getRow(48), 3);
  EXPECT_EQ(memo_->getRow(50), 3);
  EXPECT_EQ(memo_->CalcRowNr(1), 1);
  EXPECT_EQ(memo_->TopRow(), 1);
  // After a final line break the end of the text is the next row.
  memo_->SetText("ab\r\n");
  EXPECT_EQ(memo_->getRow(5), 1);
}

TEST_F(MemoRows, TheCaretRowIsReportedWhenItChanges) {
  CheckLayout();
  std::vector<int> seen;
  struct TSeen : vcl::TObject {
    std::vector<int>* Rows = nullptr;
    TZYLMemo* Memo = nullptr;
    void Changed(vcl::TObject*) { Rows->push_back(Memo->GetRowNr()); }
  } watcher;
  watcher.Rows = &seen;
  watcher.Memo = memo_;
  memo_->SetOnCurrentRowChanged(vcl::TNotifyEvent(&watcher, &TSeen::Changed));
  memo_->SetCaretPos(1);
  for (const win::BYTE k : {win::VK_DOWN, win::VK_RIGHT, win::VK_DOWN, win::VK_UP}) tk::KeyPress(k);
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 2}));
}

TEST_F(MemoFixture, APageOfHundredsOfRowsScrollsAndFindsItsRows) {
  Fit(memo_, 0, 180);
  std::string text;
  for (int i = 0; i < 400; ++i) text += (i ? "\r\n" : "") + std::to_string(i);
  memo_->SetText(text);
  ASSERT_EQ(memo_->PageRows(), 180);
  THost::Chord(win::VK_END, false, true);
  EXPECT_EQ(memo_->TopRow(), 400 - 180 + 1);
  tk::KeyPress(win::VK_PRIOR);
  EXPECT_EQ(memo_->TopRow(), 400 - 180 + 1 - 178);
  EXPECT_EQ(memo_->GetRowNr(), 400 - 178);
  EXPECT_EQ(memo_->Perform(win::EM_LINEFROMCHAR, static_cast<win::WPARAM>(text.size()), 0), 399);
}

// ---------------------------------------------------------------------------------------------
// Mouse

TEST_F(MemoRows, ClicksAndDragsSelectAcrossRows) {
  CheckLayout();
  const win::POINT c13 = AtChar(memo_, 13);
  tk::Click(c13.X, c13.Y);
  THost::Idle();
  EXPECT_EQ(memo_->CaretPos(), 13);
  EXPECT_EQ(Where(memo_), "2:3");
  // Right of a row's end the caret goes to its last place.
  const win::POINT farRight = At(memo_, memo_->TextRect().Right - 2, c13.Y - 3 - 0);
  const win::POINT ee = {farRight.X, AtChar(memo_, 22).Y};
  tk::Click(ee.X, ee.Y);
  THost::Idle();
  EXPECT_EQ(memo_->CaretPos(), 24);
  tk::Drag(AtChar(memo_, 3), AtChar(memo_, 23));
  THost::Idle();
  EXPECT_EQ(memo_->SelStart(), 3);
  EXPECT_EQ(memo_->SelLength(), 20);
  // Dragging backwards selects from the press back.
  tk::Drag(AtChar(memo_, 23), AtChar(memo_, 12));
  THost::Idle();
  EXPECT_EQ(memo_->SelStart(), 12);
  EXPECT_EQ(memo_->SelLength(), 11);
}

TEST_F(MemoRows, AMouseHeldBelowTheRowsScrollsDownRowByRow) {
  CheckLayout();
  const win::POINT start = AtChar(memo_, 3);
  tk::MouseDown(start.X, start.Y);
  const win::POINT below = At(memo_, 20, memo_->Height() + 10);
  tk::MouseMove(below.X, below.Y);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 2);
  tk::AdvanceClock(250);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 3);
  tk::MouseUp(below.X, below.Y);
  THost::Idle();
  // The selection runs from the press to the last visible row.
  EXPECT_EQ(memo_->SelStart(), 3);
  EXPECT_EQ(memo_->GetRowNr(), 6);
  const int top = memo_->TopRow();
  tk::AdvanceClock(1000);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), top);
}

TEST_F(MemoRows, TheWheelScrollsOneRowAndLeavesTheCaret) {
  CheckLayout();
  memo_->SetCaretPos(3);
  const win::POINT in = At(memo_, 30, 20);
  tk::MouseMove(in.X, in.Y);
  tk::Wheel(-120);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 2);
  EXPECT_EQ(memo_->CaretPos(), 3);
  for (int i = 0; i < 10; ++i) tk::Wheel(-120);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 5);  // the last page
  tk::Wheel(120);
  THost::Idle();
  EXPECT_EQ(memo_->TopRow(), 4);
  // A key brings the caret's row back into view.
  tk::KeyPress(win::VK_RIGHT);
  EXPECT_EQ(memo_->TopRow(), 1);
}

}  // namespace
}  // namespace zyl

namespace zyl {
namespace {

// Enter in a memo one character short of MaxLength adds no half line break; undone and redone
// the text stays within MaxLength.
TEST_F(MemoFixture, EnterInANearlyFullMemoAddsNoHalfLineBreak) {
  memo_->SetText("ab\r\ncd");
  memo_->SetMaxLength(7);
  memo_->SetCaretPos(3);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(memo_->RawText(), "ab\r\ncd");
  memo_->SetMaxLength(8);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(memo_->RawText(), "ab\r\n\r\ncd");
  memo_->Undo();
  EXPECT_EQ(memo_->RawText(), "ab\r\ncd");
  memo_->Redo();
  EXPECT_EQ(memo_->RawText(), "ab\r\n\r\ncd");
}

}  // namespace
}  // namespace zyl
