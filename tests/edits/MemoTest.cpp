// Typing into a memo and its rows: Enter and CR LF pairs, word wrap at delimiters and on
// resize, tabs, the row count kept by every edit (checked against a memo that lays the same
// text out from scratch), the lines of the text and the multi-line edit messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "display/ZYLSBar.h"
#include "foundation/ZYLFillObject.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/StdCtrls.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include "platform/user/EditButtonConsts.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/MemoFixture.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempDir.h"

namespace zyl {
namespace {

using edittest::THost;
using memotest::MemoFixture;
namespace tk = win::testkit;
using Strings = std::vector<std::string>;

class MemoTest : public MemoFixture {};

TEST_F(MemoTest, EnterBreaksTheLineAndTheRowsFollowTheTyping) {
  int counted = 0;
  struct TCounter : vcl::TObject {
    int* N = nullptr;
    void Count(vcl::TObject*) { ++*N; }
  } counter;
  counter.N = &counted;
  memo_->SetOnRowCountChanged(vcl::TNotifyEvent(&counter, &TCounter::Count));
  tk::TypeText("ab");
  tk::KeyPress(win::VK_RETURN);
  tk::TypeText("cd");
  EXPECT_EQ(State(memo_), "ab\r\ncd|7|7+0");
  EXPECT_EQ(Rows(memo_), (Strings{"ab", "cd"}));
  EXPECT_EQ(Where(memo_), "2:3");
  EXPECT_EQ(counted, 1);
  // Enter at the end opens an empty last row that holds the caret.
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(Rows(memo_), (Strings{"ab", "cd", ""}));
  EXPECT_EQ(Where(memo_), "3:1");
  // Backspace takes the CR LF pair away whole.
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(State(memo_), "ab\r\ncd|7|7+0");
  EXPECT_EQ(memo_->GetRowCount(), 2);
  EXPECT_EQ(counted, 3);
}

TEST_F(MemoTest, LoneLineBreaksBecomeCrLfPairs) {
  memo_->SetText("a\nb\rc\r\nd");
  EXPECT_EQ(memo_->RawText(), "a\r\nb\r\nc\r\nd");
  EXPECT_EQ(memo_->GetRowCount(), 4);
  memo_->SetCaretPos(3);  // after the "a", before its CR LF
  edittest::TRecorder& rec = host_.Events();
  rec.Take();
  // Pasted text is normalised the same way; Left and Right step over a pair.
  memo_->SetSelText("x\ny");
  EXPECT_EQ(memo_->RawText(), "ax\r\ny\r\nb\r\nc\r\nd");
  EXPECT_EQ(memo_->GetRowCount(), 5);
  tk::KeyPress(win::VK_RIGHT);
  EXPECT_EQ(memo_->CaretPos(), 8);
  tk::KeyPress(win::VK_LEFT);
  EXPECT_EQ(memo_->CaretPos(), 6);
}

TEST_F(MemoTest, EnterWithTabOnEnterBreaksTheLineOnlyWithCtrl) {
  memo_->SetTabOnEnter(true);
  memo_->SetText("ab");
  memo_->SetCaretPos(2);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_EQ(memo_->RawText(), "ab");
  EXPECT_TRUE(other_->Focused());
  THost::Focus(memo_);
  memo_->SetCaretPos(2);
  THost::Chord(win::VK_RETURN, false, true);
  EXPECT_EQ(memo_->RawText(), "a\r\nb");
}

TEST_F(MemoTest, AMemoWithoutAWindowTakesItsSettingsAndLaysOutOnceShown) {
  auto* loose = new TZYLMemo(host_.Form());
  loose->SetScrollBars(ZYLCustomMemo::skBoth);
  loose->SetText("one two three four five six seven eight nine ten");
  loose->Lines()->Add("last");
  EXPECT_EQ(loose->Lines()->Count(), 2);
  EXPECT_EQ(loose->GetRowCount(), 2);  // nothing measured yet: no wrapping
  loose->SetBounds(10, 140, 80, 60);
  loose->SetParent(host_.Form());
  THost::Idle();
  EXPECT_GT(loose->GetRowCount(), 3);
  EXPECT_GT(loose->RowHeight(""), 1);
  ASSERT_NE(loose->VertBar(), nullptr);
  EXPECT_EQ(loose->VertBar()->Max(), loose->GetRowCount() - loose->PageRows());
}

// ---------------------------------------------------------------------------------------------
// Word wrap

TEST_F(MemoTest, WrapsAfterTheLastDelimiterThatFitsOrAtTheLastCharacterThatFits) {
  Fit(memo_, memo_->RowWidth("aaaa bbbb "), 6);
  memo_->SetText("aaaa bbbb cccc, dddd\r\nxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx");
  const Strings rows = Rows(memo_);
  ASSERT_GE(rows.size(), 4u);
  EXPECT_EQ(rows[0], "aaaa bbbb ");
  EXPECT_EQ(rows[1], "cccc, dddd");
  // The word without delimiters is cut where the width runs out.
  const int width = memo_->TextRect().Right - memo_->TextRect().Left;
  std::string joined;
  for (size_t i = 2; i < rows.size(); ++i) {
    EXPECT_LE(memo_->RowWidth(rows[i]), width) << i;
    if (i + 1 < rows.size()) {
      EXPECT_GT(memo_->RowWidth(rows[i] + "x"), width) << i;
    }
    joined += rows[i];
  }
  EXPECT_EQ(joined, std::string(33, 'x'));
  // Lines are paragraphs whatever the wrapping.
  EXPECT_EQ(memo_->Lines()->Count(), 2);
  EXPECT_EQ(memo_->Lines()->Get(1), std::string(33, 'x'));
}

TEST_F(MemoTest, ResizingAndSwitchingWrapOffLaysTheRowsOutAgain) {
  const std::string text = "one two three four five six seven eight nine ten";
  Fit(memo_, memo_->RowWidth("one two three "), 8);
  memo_->SetText(text);
  const int narrow = memo_->GetRowCount();
  EXPECT_GT(narrow, 3);
  Fit(memo_, memo_->RowWidth(text) + 4, 8);
  EXPECT_EQ(Rows(memo_), Strings{text});
  Fit(memo_, memo_->RowWidth("one two three "), 8);
  EXPECT_EQ(memo_->GetRowCount(), narrow);
  memo_->SetWordWrap(false);
  EXPECT_EQ(memo_->GetRowCount(), 1);
  // Any alignment but left wraps even with WordWrap off.
  memo_->SetAlignment(vcl::taCenter);
  EXPECT_EQ(memo_->GetRowCount(), narrow);
}

TEST_F(MemoTest, EditsKeepTheRowsAsALayoutFromScratchGivesThem) {
  // A second memo of the same size lays out each text anew; the first only re-lays the part
  // every edit touched.
  auto* fresh = new TZYLMemo(host_.Form());
  fresh->SetBounds(10, 140, memo_->Width(), memo_->Height());
  fresh->SetParent(host_.Form());
  Fit(memo_, memo_->RowWidth("wwww wwww "), 5);
  Fit(fresh, fresh->RowWidth("wwww wwww "), 5);
  std::mt19937 rng(7);
  const std::vector<std::string> pieces = {"a",  "bb ",        "word ", "\r\n",     "x, y",
                                           "\t", "longerword", " ",     "\r\n\r\n", "q"};
  for (int step = 0; step < 300; ++step) {
    const int len = memo_->GetLength();
    const int at = std::uniform_int_distribution<int>(1, len + 1)(rng);
    const int cut = std::uniform_int_distribution<int>(0, 4)(rng);
    memo_->Select(at, step % 3 == 0 ? cut : 0);
    memo_->SetSelText(pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(rng)]);
    fresh->SetText(memo_->RawText());
    ASSERT_EQ(Rows(memo_), Rows(fresh)) << "step " << step;
  }
  // Undo runs through the same path.
  while (memo_->CanUndo()) memo_->Undo();
  fresh->SetText(memo_->RawText());
  EXPECT_EQ(Rows(memo_), Rows(fresh));
  EXPECT_EQ(memo_->RawText(), "");
}

TEST_F(MemoTest, AnotherFontMeasuresAndWrapsAgain) {
  const std::string text = "one two three four five six seven eight nine ten";
  Fit(memo_, memo_->RowWidth("one two three four "), 8);
  memo_->SetText(text);
  const int rows = memo_->GetRowCount(), height = memo_->RowHeight("");
  memo_->Font()->SetHeight(memo_->Font()->Height() * 2);
  THost::Idle();
  EXPECT_GT(memo_->RowHeight(""), height);
  EXPECT_GT(memo_->GetRowCount(), rows);
  EXPECT_LT(Rows(memo_).front().size(), std::string("one two three four ").size());
}

TEST_F(MemoTest, AReadOnlyMemoMovesButDoesNotChange) {
  memo_->SetWantTabs(true);
  memo_->SetText("ab\r\ncd");
  memo_->SetReadOnly(true);
  memo_->SetCaretPos(2);
  for (const win::BYTE k : {win::VK_RETURN, win::VK_TAB, win::VK_BACK, win::VK_DELETE})
    tk::KeyPress(k);
  tk::TypeText("x");
  tk::KeyPress(win::VK_DOWN);
  EXPECT_EQ(State(memo_), "ab\r\ncd|6|6+0");
}

// ---------------------------------------------------------------------------------------------
// Tabs

TEST_F(MemoTest, TabsAdvanceToTheNextStopOfTabCharsDigits) {
  const int digit = memo_->RowWidth("0");
  EXPECT_EQ(memo_->RowWidth("\t"), 8 * digit);
  EXPECT_EQ(memo_->RowWidth("00\t"), 8 * digit);
  EXPECT_EQ(memo_->RowWidth("\t\t0"), 17 * digit);
  memo_->SetTabChars(4);
  EXPECT_EQ(memo_->RowWidth("00000\t"), 8 * digit);
  for (const int bad : {0, 129, -3}) {
    memo_->SetTabChars(bad);
    EXPECT_EQ(memo_->TabChars(), 4) << bad;
  }
}

TEST_F(MemoTest, TabIsTypedOnlyWhenWanted) {
  memo_->SetText("ab");
  memo_->SetCaretPos(2);
  tk::KeyPress(win::VK_TAB);
  EXPECT_EQ(memo_->RawText(), "ab");
  EXPECT_TRUE(other_->Focused());
  EXPECT_EQ(memo_->Perform(win::WM_GETDLGCODE, 0, 0) & win::DLGC_WANTTAB, 0);
  memo_->SetWantTabs(true);
  EXPECT_NE(memo_->Perform(win::WM_GETDLGCODE, 0, 0) & win::DLGC_WANTTAB, 0);
  THost::Focus(memo_);
  memo_->SetCaretPos(2);
  tk::KeyPress(win::VK_TAB);
  EXPECT_EQ(memo_->RawText(), "a\tb");
  EXPECT_TRUE(memo_->Focused());
}

struct ReturnCase {
  bool WantReturns;
  win::BYTE Key;
  const char* Text;     // after the key, typed between "a" and "b"
  const char* Clicked;  // the default button's clicks, then the cancel button's
};

class MemoReturns : public MemoFixture, public ::testing::WithParamInterface<ReturnCase> {};

// On a form with a default and a cancel button, Enter breaks the line of a memo that wants
// returns and clicks the default button of one that does not; Escape goes to the cancel button.
TEST_P(MemoReturns, EnterStaysInAMemoThatWantsReturns) {
  const ReturnCase& c = GetParam();
  edittest::TRecorder okClicks, cancelClicks;
  auto* ok = new vcl::TButton(host_.Form());
  ok->SetBounds(10, 240, 75, 25);
  ok->SetParent(host_.Form());
  ok->SetDefault(true);
  ok->OnClick = vcl::TNotifyEvent(&okClicks, &edittest::TRecorder::Event);
  auto* cancel = new vcl::TButton(host_.Form());
  cancel->SetBounds(100, 240, 75, 25);
  cancel->SetParent(host_.Form());
  cancel->SetCancel(true);
  cancel->OnClick = vcl::TNotifyEvent(&cancelClicks, &edittest::TRecorder::Event);
  vcl::SetOrdProp(memo_, "WantReturns", c.WantReturns);
  memo_->SetText("ab");
  THost::Focus(memo_);
  memo_->SetCaretPos(2);
  tk::KeyPress(c.Key);
  EXPECT_EQ(memo_->RawText(), c.Text);
  EXPECT_EQ(okClicks.Take() + "|" + cancelClicks.Take(), c.Clicked);
  EXPECT_TRUE(memo_->Focused());
}

INSTANTIATE_TEST_SUITE_P(Keys, MemoReturns,
                         ::testing::Values(ReturnCase{true, win::VK_RETURN, "a\r\nb", "|"},
                                           ReturnCase{false, win::VK_RETURN, "ab", "event|"},
                                           ReturnCase{true, win::VK_ESCAPE, "ab", "|event"},
                                           ReturnCase{false, win::VK_ESCAPE, "ab", "|event"}));

// ---------------------------------------------------------------------------------------------
// Lines

TEST_F(MemoTest, LinesAddInsertAndDeleteParagraphs) {
  TZYLMemoStrings* lines = memo_->Lines();
  EXPECT_EQ(lines->Count(), 0);
  EXPECT_EQ(memo_->GetRowCount(), 1);
  int start = -1, len = -1;
  EXPECT_FALSE(memo_->GetLineParas(0, start, len));
  EXPECT_EQ(start, 0);
  EXPECT_EQ(len, 0);
  // Add answers the count after the insertion.
  EXPECT_EQ(lines->Add("one"), 1);
  EXPECT_EQ(lines->Add("three"), 2);
  lines->Insert(1, "two");
  lines->Insert(0, "zero");
  EXPECT_EQ(memo_->RawText(), "zero\r\none\r\ntwo\r\nthree");
  EXPECT_EQ(Rows(memo_), (Strings{"zero", "one", "two", "three"}));
  // The last line goes with the line break before it, leaving no empty line behind.
  lines->Delete(3);
  EXPECT_EQ(memo_->RawText(), "zero\r\none\r\ntwo");
  lines->Delete(0);
  EXPECT_EQ(memo_->RawText(), "one\r\ntwo");
  lines->Put(1, "TWO");
  EXPECT_EQ(lines->Get(1), "TWO");
  // A text ending in a line break: the next Add fills the empty last line.
  memo_->SetText("a\r\n");
  EXPECT_EQ(lines->Count(), 1);
  EXPECT_EQ(lines->Add("b"), 2);
  EXPECT_EQ(memo_->RawText(), "a\r\nb");
}

TEST_F(MemoTest, LinesMoveAndExchangeKeepEveryLine) {
  TZYLMemoStrings* lines = memo_->Lines();
  lines->SetTextStr("a\r\nb\r\nc");
  lines->Move(2, 0);
  EXPECT_EQ(memo_->RawText(), "c\r\na\r\nb");
  lines->Move(0, 2);
  EXPECT_EQ(memo_->RawText(), "a\r\nb\r\nc");
  lines->Exchange(0, 2);
  EXPECT_EQ(memo_->RawText(), "c\r\nb\r\na");
  lines->Exchange(1, 0);
  EXPECT_EQ(memo_->RawText(), "b\r\nc\r\na");
}

// A line list made on its own (as the class registry makes one) belongs to no memo: every call
// raises the framework's error instead of reaching for a memo that is not there.
TEST_F(MemoTest, LinesOfNoMemoRaiseOnEveryCall) {
  vcl::TObject* made = TZYLMemoStrings::StaticClass()->CreateInstance();
  std::unique_ptr<TZYLMemoStrings> lines(dynamic_cast<TZYLMemoStrings*>(made));
  ASSERT_NE(lines, nullptr);
  vcl::TStringList other;
  const std::function<void()> calls[] = {
      [&] { lines->Count(); },       [&] { lines->Get(0); },
      [&] { lines->Add("a"); },      [&] { lines->SetTextStr("a"); },
      [&] { lines->GetTextStr(); },  [&] { lines->Clear(); },
      [&] { lines->Delete(0); },     [&] { lines->Assign(&other); },
      [&] { lines->BeginUpdate(); }, [&] { lines->GetAsStrings(&other); },
  };
  for (const auto& call : calls)
    EXPECT_EQ(testsupport::ErrorOf<vcl::EInvalidOperation>(call),
              "The line list belongs to no memo");
}

TEST_F(MemoTest, LinesOutsideTheListRaise) {
  TZYLMemoStrings* lines = memo_->Lines();
  lines->SetTextStr("a\r\nb");
  for (const int bad : {-1, 2}) {
    EXPECT_EQ(testsupport::ErrorOf<vcl::EStringListError>([&] { lines->Get(bad); }),
              vcl::Format(vcl::SListIndexError, {bad}));
    EXPECT_THROW(lines->Delete(bad), vcl::EStringListError);
    EXPECT_THROW(lines->Put(bad, "x"), vcl::EStringListError);
    EXPECT_THROW(lines->Move(0, bad), vcl::EStringListError);
    EXPECT_THROW(lines->Exchange(bad, 0), vcl::EStringListError);
  }
  EXPECT_THROW(lines->Insert(3, "x"), vcl::EStringListError);
  EXPECT_EQ(memo_->RawText(), "a\r\nb");
}

// Clearing the lines clears the memo's text; lines added then are the only ones.
TEST_F(MemoTest, ClearingTheLinesEmptiesTheMemo) {
  TZYLMemoStrings* lines = memo_->Lines();
  lines->SetTextStr("first\r\nsecond\r\nthird");
  ASSERT_EQ(lines->Count(), 3);
  lines->Clear();
  EXPECT_EQ(memo_->RawText(), "");
  EXPECT_EQ(lines->Count(), 0);
  lines->Add("only");
  EXPECT_EQ(lines->Count(), 1);
  EXPECT_EQ(lines->Get(0), "only");
}

TEST_F(MemoTest, LinesTravelThroughStreamsAndStringLists) {
  TZYLMemoStrings* lines = memo_->Lines();
  lines->SetTextStr("first\r\nsecond");
  vcl::TMemoryStream stream;
  lines->SaveToStream(&stream);
  memo_->Clear();
  EXPECT_EQ(lines->Count(), 0);
  stream.SetPosition(0);
  lines->LoadFromStream(&stream);
  EXPECT_EQ(memo_->RawText(), "first\r\nsecond");
  stream.SetPosition(0);
  lines->SetAppendOnLoad(true);
  lines->LoadFromStream(&stream);
  EXPECT_EQ(memo_->RawText(), "first\r\nsecondfirst\r\nsecond");
  vcl::TStringList list;
  list.SetText("x\r\ny\r\n");
  lines->Assign(&list);
  EXPECT_EQ(memo_->RawText(), "x\r\ny\r\n");
  lines->AddStrings(&list);
  EXPECT_EQ(memo_->RawText(), "x\r\ny\r\nx\r\ny");
  vcl::TStringList out;
  lines->GetAsStrings(&out);
  EXPECT_EQ(out.Count(), 4);
  EXPECT_EQ(out.Get(3), "y");
  // A file keeps the text byte for byte; a missing file raises and keeps the text.
  const testsupport::TempDir dir;
  const std::string file = dir.File("memo_lines.txt");
  memo_->SaveToFile(file);
  memo_->Clear();
  memo_->LoadFromFile(file);
  EXPECT_EQ(memo_->RawText(), "x\r\ny\r\nx\r\ny");
  EXPECT_THROW(memo_->LoadFromFile(file + ".missing"), vcl::Exception);
  EXPECT_EQ(memo_->RawText(), "x\r\ny\r\nx\r\ny");
}

// ---------------------------------------------------------------------------------------------
// Messages

TEST_F(MemoTest, EditMessagesCountRowsAndCharactersFromZero) {
  Fit(memo_, memo_->RowWidth("aaaa bbbb "), 3);
  memo_->SetText("aaaa bbbb cccc\r\nxy\r\nz\r\nlast");
  const Strings rows = Rows(memo_);
  ASSERT_EQ(rows, (Strings{"aaaa bbbb ", "cccc", "xy", "z", "last"}));
  EXPECT_EQ(memo_->Perform(win::EM_GETLINECOUNT, 0, 0), 5);
  EXPECT_EQ(memo_->Perform(win::EM_LINEINDEX, 1, 0), 10);
  EXPECT_EQ(memo_->Perform(win::EM_LINEINDEX, 2, 0), 16);
  EXPECT_EQ(memo_->Perform(win::EM_LINEINDEX, 9, 0), -1);
  EXPECT_EQ(memo_->Perform(win::EM_LINEFROMCHAR, 17, 0), 2);
  EXPECT_EQ(memo_->Perform(win::EM_LINELENGTH, 11, 0), 4);
  // EM_GETLINE copies at most what the size word at the buffer's start allows.
  char buffer[8] = {};
  buffer[0] = 3;
  EXPECT_EQ(memo_->Perform(win::EM_GETLINE, 0, reinterpret_cast<win::LPARAM>(buffer)), 3);
  EXPECT_EQ(std::string(buffer, 3), "aaa");
  buffer[0] = 8;
  buffer[1] = 0;
  EXPECT_EQ(memo_->Perform(win::EM_GETLINE, 4, reinterpret_cast<win::LPARAM>(buffer)), 4);
  EXPECT_EQ(std::string(buffer, 4), "last");
  EXPECT_EQ(memo_->Perform(win::EM_GETLINE, 4, 0), 0);
  EXPECT_EQ(memo_->Perform(win::EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  memo_->Perform(win::EM_SCROLL, win::SB_LINEDOWN, 0);
  EXPECT_EQ(memo_->Perform(win::EM_GETFIRSTVISIBLELINE, 0, 0), 1);
  memo_->Perform(win::EM_LINESCROLL, 0, 5);
  EXPECT_EQ(memo_->Perform(win::EM_GETFIRSTVISIBLELINE, 0, 0), 2);  // the last page
  // The point of a character and the character at a point answer each other.
  vcl::TPoint p{};
  memo_->Perform(win::EM_POSFROMCHAR, reinterpret_cast<win::WPARAM>(&p), 17);
  EXPECT_EQ(p.Y, memo_->TextRect().Top);
  const win::LRESULT hit = memo_->Perform(win::EM_CHARFROMPOS, 0, ((p.Y + 2) << 16) | (p.X + 1));
  EXPECT_EQ(hit & 0xFFFF, 17);
  EXPECT_EQ(hit >> 16, 2);
}

TEST_F(MemoTest, ARowsStartNumberAndLengthFollowThePositionAndTheCaret) {
  memo_->SetText("ab\r\ncde");
  int row = -1;
  struct {
    int Pos, Start, Row;
  } const cases[] = {{1, 1, 1}, {2, 1, 1}, {5, 5, 2}, {7, 5, 2}, {99, 5, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(memo_->CalcCharRowStart(c.Pos, row), c.Start) << c.Pos;
    EXPECT_EQ(row, c.Row) << c.Pos;
    // Counted from 0 for a position inside the text; 0 beyond its end.
    EXPECT_EQ(memo_->CalcRowFromChar(c.Pos), c.Pos <= memo_->GetLength() + 1 ? c.Row - 1 : 0)
        << c.Pos;
  }
  // The edit message asks the same, by a position counted from 0 or the selection's start.
  struct {
    win::WPARAM At;
    win::LRESULT Row;
  } const asked[] = {{0, 0}, {4, 1}, {7, 1}, {8, 0}, {98, 0}, {0x7FFFFFFF, 0}};
  for (const auto& a : asked)
    EXPECT_EQ(memo_->Perform(win::EM_LINEFROMCHAR, a.At, 0), a.Row) << a.At;
  memo_->SetCaretPos(8);
  EXPECT_EQ(memo_->Perform(win::EM_LINEFROMCHAR, static_cast<win::WPARAM>(-1), 0), 1);
  // The caret's row length counts its line break.
  memo_->SetCaretPos(2);
  EXPECT_EQ(memo_->GetColumns(), 4);
  memo_->SetCaretPos(6);
  EXPECT_EQ(memo_->GetColumns(), 3);
}

TEST_F(MemoTest, EmScrollMovesARowOrFiveRows) {
  Fit(memo_, 0, 4);
  std::string text;
  for (int i = 1; i <= 20; ++i) text += (i > 1 ? "\r\n" : "") + std::to_string(i);
  memo_->SetText(text);
  ASSERT_EQ(memo_->PageRows(), 4);
  struct {
    win::WPARAM Code;
    int Top;    // the first visible row afterwards, from 1
    int Moved;  // the rows scrolled, in the answer's low word
  } const steps[] = {
      {win::SB_PAGEDOWN, 6, 5},  {win::SB_PAGEDOWN, 11, 5}, {win::SB_LINEDOWN, 12, 1},
      {win::SB_PAGEDOWN, 17, 5}, {win::SB_PAGEDOWN, 17, 0}, {win::SB_LINEDOWN, 17, 0},
      {win::SB_PAGEUP, 12, 5},   {win::SB_LINEUP, 11, 1},   {win::SB_PAGEUP, 6, 5},
      {win::SB_PAGEUP, 1, 5},    {win::SB_PAGEUP, 1, 0}};
  int n = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE("step " + std::to_string(n++));
    const win::LRESULT r = memo_->Perform(win::EM_SCROLL, step.Code, 0);
    EXPECT_EQ(memo_->TopRow(), step.Top);
    EXPECT_EQ(r, (win::LRESULT{1} << 16) | step.Moved);
  }
}

// The memo's theme switch reaches both of its scroll bars, both ways.
TEST_F(MemoTest, TheThemeSwitchReachesTheScrollBars) {
  memo_->SetScrollBars(ZYLCustomMemo::skBoth);
  THost::Idle();
  ASSERT_NE(memo_->VertBar(), nullptr);
  ASSERT_NE(memo_->HorzBar(), nullptr);
  for (bool on : {false, true}) {
    memo_->SetCtlXP(on);
    EXPECT_EQ(memo_->VertBar()->GetCtlXP(), on);
    EXPECT_EQ(memo_->HorzBar()->GetCtlXP(), on);
  }
}

// The memo's owned settings objects set as a whole, as the form designer and code set them: the
// owned object takes the values and stays the memo's own.
TEST_F(MemoTest, AMarginSetAsAWholeIsCopiedAndNarrowsTheText) {
  auto textWidth = [&] { return memo_->TextRect().Right - memo_->TextRect().Left; };
  const int wide = textWidth();
  TZYLMarginObject source;
  source.SetWidth(30);
  source.SetAlignment(maRight);
  source.FillObject()->SetFillStyle(sfBitmap);
  source.FillObject()->Brush()->SetColor(vcl::clYellow);
  memo_->SetMargin(&source);
  TZYLMarginObject* m = memo_->Margin();
  ASSERT_NE(m, &source);
  EXPECT_EQ(m->Width(), 30);
  EXPECT_EQ(m->Alignment(), maRight);
  EXPECT_EQ(m->FillObject()->Style(), sfBitmap);
  EXPECT_EQ(m->FillObject()->Brush()->Color(), vcl::clYellow);
  // The changed margin lays the text out again beside the strip.
  EXPECT_EQ(textWidth(), wide - 30);
  // Later changes of the source stay with the source.
  source.SetWidth(4);
  EXPECT_EQ(m->Width(), 30);
  // Nothing to copy from: the margin keeps its values.
  memo_->SetMargin(nullptr);
  EXPECT_EQ(m->Width(), 30);
  // The margin's fill set as a whole is copied into its own fill.
  TZYLFillObject fill;
  fill.SetFillStyle(sfGradient);
  m->SetFillObject(&fill);
  ASSERT_NE(m->FillObject(), &fill);
  EXPECT_EQ(m->FillObject()->Style(), sfGradient);
}

// A margin object copies only from another margin object.
TEST_F(MemoTest, AMarginTakesNoOtherKindOfObject) {
  vcl::TPen pen;
  memo_->Margin()->SetWidth(12);
  EXPECT_THROW(memo_->Margin()->Assign(&pen), vcl::EConvertError);
  EXPECT_EQ(memo_->Margin()->Width(), 12);
}

TEST_F(MemoTest, ALineStyleSetAsAWholeRulesTheRows) {
  memo_->SetLined(true);
  const int thin = memo_->RowHeight("");
  vcl::TPen pen;
  pen.SetColor(vcl::clRed);
  pen.SetWidth(3);
  memo_->SetLineStyle(&pen);
  ASSERT_NE(memo_->LineStyle(), &pen);
  EXPECT_EQ(memo_->LineStyle()->Color(), vcl::clRed);
  EXPECT_EQ(memo_->LineStyle()->Width(), 3);
  // A lined row is the character height plus the pen's width.
  EXPECT_EQ(memo_->RowHeight(""), thin + 2);
}

struct ScrollObjCase {
  const char* Name;
  int Index;
  ZYLCustomMemo::TZYLScrollBarKind Bars;
};

class MemoScrollObj : public MemoTest, public ::testing::WithParamInterface<ScrollObjCase> {};

// A scroll-bar settings object set as a whole is copied, but for its cursor, and reaches the
// bar the memo shows on that side.
TEST_P(MemoScrollObj, IsCopiedOntoTheBarOfItsSide) {
  const ScrollObjCase& c = GetParam();
  memo_->SetScrollBars(c.Bars);
  THost::Idle();
  TZYLScrollBar* bar =
      c.Index == TZYLCustomMemo::soHorizontal ? memo_->HorzBar() : memo_->VertBar();
  ASSERT_NE(bar, nullptr);
  TZYLScrollBarObject source;
  source.SetColor(TZYLScrollBarObject::cpColor, vcl::clRed);
  source.SetColor(TZYLScrollBarObject::cpThumbColor, vcl::clLime);
  source.SetInteger(TZYLScrollBarObject::ipButtonWidth, 21);
  source.SetInteger(TZYLScrollBarObject::ipSmallChange, 3);
  source.SetInteger(TZYLScrollBarObject::ipLargeChange, 17);
  source.SetAllowMousePos(false);
  source.SetBackStyle(bsUser);
  source.SetCursor(vcl::crHandPoint);
  source.Back()->Brush()->SetColor(vcl::clNavy);
  memo_->SetScrollObj(c.Index, &source);
  TZYLScrollBarObject* own = memo_->GetScrollObj(c.Index);
  ASSERT_NE(own, &source);
  EXPECT_EQ(own->GetColor(TZYLScrollBarObject::cpColor), vcl::clRed);
  EXPECT_EQ(own->GetInteger(TZYLScrollBarObject::ipButtonWidth), 21);
  EXPECT_EQ(own->Back()->Brush()->Color(), vcl::clNavy);
  EXPECT_EQ(own->Cursor(), vcl::crDefault);
  EXPECT_EQ(bar->Color(), vcl::clRed);
  EXPECT_EQ(bar->ThumbColor(), vcl::clLime);
  EXPECT_EQ(bar->ButtonWidth(), 21);
  EXPECT_EQ(bar->SmallChange(), 3);
  EXPECT_EQ(bar->LargeChange(), 17);
  EXPECT_FALSE(bar->AllowMousePos());
  EXPECT_EQ(bar->BackStyle(), bsUser);
  EXPECT_EQ(bar->Back()->Brush()->Color(), vcl::clNavy);
  // The other side's settings are untouched.
  const int other = 1 - c.Index;
  EXPECT_EQ(memo_->GetScrollObj(other)->GetColor(TZYLScrollBarObject::cpColor), vcl::clBtnFace);
  EXPECT_EQ(memo_->GetScrollObj(other)->GetInteger(TZYLScrollBarObject::ipButtonWidth), 16);
}

INSTANTIATE_TEST_SUITE_P(Sides, MemoScrollObj,
                         ::testing::Values(ScrollObjCase{"Horizontal", TZYLCustomMemo::soHorizontal,
                                                         ZYLCustomMemo::skBoth},
                                           ScrollObjCase{"Vertical", TZYLCustomMemo::soVertical,
                                                         ZYLCustomMemo::skVertical}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

// Settings set while the memo shows no bar are kept and given to the bar it makes later.
TEST_F(MemoTest, ScrollBarSettingsWaitForTheBar) {
  TZYLScrollBarObject source;
  source.SetInteger(TZYLScrollBarObject::ipButtonWidth, 19);
  memo_->SetScrollObj(TZYLCustomMemo::soVertical, &source);
  EXPECT_EQ(memo_->VertBar(), nullptr);
  memo_->SetScrollBars(ZYLCustomMemo::skVertical);
  THost::Idle();
  ASSERT_NE(memo_->VertBar(), nullptr);
  EXPECT_EQ(memo_->VertBar()->ButtonWidth(), 19);
}

// Lines set as a whole: the memo takes the other lines' text and starts again at its top with
// the caret on the first character and nothing selected.
TEST_F(MemoTest, LinesSetAsAWholeStartTheMemoAtItsTop) {
  Fit(memo_, 0, 2);
  for (const bool same : {false, true}) {
    SCOPED_TRACE(same ? "same text" : "other text");
    memo_->SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6");
    memo_->Select(memo_->GetLength() - 1, 2);
    THost::Idle();
    ASSERT_GT(memo_->TopRow(), 1);
    auto* source = new TZYLMemo(host_.Form());
    source->SetText(same ? memo_->RawText() : "a\r\nb");
    memo_->SetStrings(source->Lines());
    EXPECT_EQ(memo_->RawText(), source->RawText());
    EXPECT_EQ(memo_->CaretPos(), 1);
    EXPECT_EQ(memo_->SelLength(), 0);
    EXPECT_EQ(memo_->TopRow(), 1);
    delete source;
  }
}

// A handler of the memo's own events that sets the memo's whole text while the memo is in the
// middle of a change: the memo goes on from the text the handler left, with the caret and the
// selection inside it.
class TTextSetter : public vcl::TObject {
 public:
  void Set(vcl::TObject* Sender) {
    ++Calls;
    if (Calls > 8) return;  // a handler told without end: the test fails on Calls
    static_cast<TZYLCustomMemo*>(Sender)->SetText("12");
  }
  int Calls = 0;
};

struct TRowEventCase {
  const char* Name;
  std::function<void(TZYLCustomMemo*, const vcl::TNotifyEvent&)> Bind;
  std::function<void(TZYLCustomMemo*)> Input;
};

TEST_F(MemoTest, AHandlerSettingTheTextInTheMiddleOfAChangeLeavesTheCaretInIt) {
  const TRowEventCase cases[] = {
      {"OnCurrentRowChanged on Enter",
       [](TZYLCustomMemo* m, const vcl::TNotifyEvent& e) { m->SetOnCurrentRowChanged(e); },
       [](TZYLCustomMemo*) { tk::KeyPress(win::VK_RETURN); }},
      {"OnRowCountChanged on Enter",
       [](TZYLCustomMemo* m, const vcl::TNotifyEvent& e) { m->SetOnRowCountChanged(e); },
       [](TZYLCustomMemo*) { tk::KeyPress(win::VK_RETURN); }},
      {"OnChange on a typed character",
       [](TZYLCustomMemo* m, const vcl::TNotifyEvent& e) { m->SetOnChange(e); },
       [](TZYLCustomMemo*) { tk::TypeText("x"); }},
      {"OnCurrentRowChanged on a paste of two lines",
       [](TZYLCustomMemo* m, const vcl::TNotifyEvent& e) { m->SetOnCurrentRowChanged(e); },
       [](TZYLCustomMemo* m) { m->SetSelText("first\r\nsecond"); }},
  };
  for (const TRowEventCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTextSetter setter;
    memo_->SetOnChange(vcl::TNotifyEvent());
    memo_->SetOnCurrentRowChanged(vcl::TNotifyEvent());
    memo_->SetOnRowCountChanged(vcl::TNotifyEvent());
    memo_->SetText("abcd");
    memo_->Select(5, 0);
    THost::Idle();
    c.Bind(memo_, vcl::TNotifyEvent(&setter, &TTextSetter::Set));
    c.Input(memo_);
    THost::Idle();
    EXPECT_GE(setter.Calls, 1);
    EXPECT_LE(setter.Calls, 2);
    EXPECT_EQ(memo_->RawText(), "12");
    EXPECT_GE(memo_->CaretPos(), 1);
    EXPECT_LE(memo_->CaretPos(), 3);
    EXPECT_GE(memo_->SelStart(), 1);
    EXPECT_LE(memo_->SelStart() + memo_->SelLength(), 3);
    EXPECT_EQ(memo_->GetRowCount(), 1);
  }
  memo_->SetOnCurrentRowChanged(vcl::TNotifyEvent());
  memo_->SetOnRowCountChanged(vcl::TNotifyEvent());
  memo_->SetOnChange(vcl::TNotifyEvent());
}

// A margin row painter that selects the whole text of its memo, counting how deep it is entered
// inside itself.
class TSelectingPainter : public vcl::TObject {
 public:
  void Paint(vcl::TObject* Sender, vcl::TCanvas*, vcl::TRect, int, int) {
    if (Depth >= 4) {  // an endless recursion: stop it, the test fails on Deepest
      Deepest = Depth + 1;
      return;
    }
    ++Depth;
    Deepest = std::max(Deepest, Depth);
    auto* m = static_cast<TZYLCustomMemo*>(Sender);
    m->Select(1, m->GetLength());
    --Depth;
  }
  int Depth = 0, Deepest = 0;
};

// The memo draws its rows, and the margin painter selects the whole text, which draws the rows
// again once; selecting what is already selected draws nothing more.
TEST_F(MemoTest, AMarginPainterSelectingTheWholeTextIsNotCalledInsideItselfWithoutEnd) {
  struct TDraw {
    const char* Name;
    std::function<void(TZYLCustomMemo*)> Draw;
  };
  const TDraw draws[] = {
      {"a character typed", [](TZYLCustomMemo*) { tk::TypeText("x"); }},
      {"repainted", [](TZYLCustomMemo* m) { m->Repaint(); }},
      {"double-clicked",
       [](TZYLCustomMemo* m) {
         const win::POINT p = AtChar(m, 2);
         tk::DoubleClick(p.X, p.Y);
       }},
  };
  for (const TDraw& d : draws) {
    SCOPED_TRACE(d.Name);
    TSelectingPainter painter;
    memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint());
    memo_->SetText("ab cd\r\nef");
    memo_->Select(3, 0);
    THost::Idle();
    memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint(&painter, &TSelectingPainter::Paint));
    d.Draw(memo_);
    THost::Idle();
    EXPECT_GE(painter.Deepest, 1);
    EXPECT_LE(painter.Deepest, 2);
    EXPECT_EQ(memo_->SelStart(), 1);
    EXPECT_EQ(memo_->SelLength(), memo_->GetLength());
  }
  memo_->SetOnMarginRowPaint(TZYLOnMarginRowPaint());
}

}  // namespace
}  // namespace zyl
