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
  if (c.WantSelLength > 0) EXPECT_EQ(memo_->SelStart(), c.WantSelStart);
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
        // Home and End go to the ends of the row, not of the paragraph.
        KeyCase{15, "H", 11, 1, 0, 0}, KeyCase{13, "E", 20, 1, 0, 0}, KeyCase{3, "E", 10, 1, 0, 0},
        KeyCase{48, "E", 50, 5, 0, 0}, KeyCase{40, "^H", 1, 1, 0, 0}, KeyCase{1, "^E", 50, 5, 0, 0},
        // A page is the page's rows less one; at the ends the text's ends.
        KeyCase{3, "N", 26, 4, 0, 0}, KeyCase{3, "NN", 44, 5, 0, 0}, KeyCase{49, "N", 50, 5, 0, 0},
        KeyCase{50, "P", 30, 2, 0, 0}, KeyCase{3, "P", 1, 1, 0, 0},
        // With Shift the keys select across rows.
        KeyCase{3, "d", 13, 1, 3, 10}, KeyCase{13, "u", 3, 1, 3, 10}, KeyCase{1, "e", 10, 1, 1, 9},
        KeyCase{3, "dd", 24, 1, 3, 21}));

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
  memo_->OnCurrentRowChanged = vcl::TNotifyEvent(&watcher, &TSeen::Changed);
  memo_->SetCaretPos(1);
  for (const win::BYTE k : {win::VK_DOWN, win::VK_RIGHT, win::VK_DOWN, win::VK_UP}) tk::KeyPress(k);
  EXPECT_EQ(seen, (std::vector<int>{2, 3, 2}));
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
