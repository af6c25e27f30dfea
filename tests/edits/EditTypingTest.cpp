// Typing into a single-line edit through the real input path: characters, the editing keys
// and their selections, word and line movement over CR LF pairs, the shared insert and
// overwrite mode, the mouse (clicks, drags, double clicks), the clipboard keys and the
// built-in context menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "foundation/ZYLApplication.h"
#include "platform/controls/Clipbrd.h"
#include "platform/controls/Menus.h"
#include "platform/user/WinUserConsts.h"
#include "tests/edits/EditTestHost.h"
#include "tests/support/RaisingHandler.h"

namespace zyl {
namespace {

using edittest::THost;
namespace tk = win::testkit;

// Text, caret and selection as one line: "text|caret|start+length".
std::string State(TZYLBaseEdit* E) {
  return E->RawText() + "|" + std::to_string(E->CaretPos()) + "|" + std::to_string(E->SelStart()) +
         "+" + std::to_string(E->SelLength());
}

class EditTypingTest : public ::testing::Test {
 protected:
  EditTypingTest() {
    edit_ = host_.Edit("Edit1", 10, 10, 200);
    other_ = host_.Edit("Edit2", 10, 60, 200);
    THost::Focus(edit_);
  }
  THost host_;
  TZYLEdit* edit_ = nullptr;
  TZYLEdit* other_ = nullptr;
};

// Without a selection Backspace and Delete act at the caret, also where a text operation left
// the selection start elsewhere (Replace keeps it); at the start Backspace deletes nothing.
TEST_F(EditTypingTest, BackspaceAndDeleteWithoutASelectionActAtTheCaret) {
  struct {
    int Caret, SelStart;
    win::BYTE Key;
    const char* Expected;
  } const cases[] = {
      {1, 3, win::VK_BACK, "abcd"},  {1, 1, win::VK_BACK, "abcd"},   {3, 1, win::VK_BACK, "acd"},
      {2, 4, win::VK_DELETE, "acd"}, {5, 2, win::VK_DELETE, "abcd"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Caret) + " " + std::to_string(c.SelStart));
    edit_->SetText("abcd");
    edit_->SetCaretPos(c.Caret);
    edit_->SetSelStart(c.SelStart);
    tk::KeyPress(c.Key);
    EXPECT_EQ(edit_->RawText(), c.Expected);
  }
}

TEST_F(EditTypingTest, TypedCharactersAreInsertedAtTheCaretAndReported) {
  edit_->SetOnModified(vcl::TNotifyEvent(&host_.Events(), &edittest::TRecorder::Modified));
  edit_->SetOnTextChangedAt(TZYLTextChangeEvent(&host_.Events(), &edittest::TRecorder::ChangedAt));
  tk::TypeText("ab");
  EXPECT_EQ(host_.Events().Take(), "modified at1 change at2 change");
  EXPECT_EQ(State(edit_), "ab|3|3+0");
  tk::KeyPress(win::VK_LEFT);
  tk::TypeText("X");
  EXPECT_EQ(State(edit_), "aXb|3|3+0");
  EXPECT_TRUE(edit_->Modified());
  // Control characters are not inserted; OnKeyPress may swallow a character.
  tk::KeyPress(win::VK_TAB);
  EXPECT_EQ(edit_->RawText(), "aXb");
}

// A key typed at the start of a long text measures the characters in view, not the whole
// text, and the edit shows what an edit holding only what is in view shows.
TEST_F(EditTypingTest, AKeyAtTheStartOfALongTextMeasuresWhatIsInView) {
  auto* shortEdit = host_.Edit("Edit3", 10, 110, 200);
  shortEdit->SetText("b" + std::string(99, 'a'));
  edit_->SetText(std::string(100'000, 'a'));
  edit_->SetCaretPos(1);
  tk::TypeText("b");
  EXPECT_EQ(edit_->GetLength(), 100'001);
  EXPECT_EQ(edit_->RawText().substr(0, 3), "baa");
  EXPECT_GT(edit_->MeasuredChars(), 0);
  EXPECT_LT(edit_->MeasuredChars(), 1'000);
  THost::Focus(other_);
  EXPECT_TRUE(tk::SamePixels(host_.Shot(edit_), host_.Shot(shortEdit), "long_edit_view"));
  // Where the whole text counts, it is measured: the end of the text is reached.
  edit_->SetCaretPos(100'002);
  THost::Focus(edit_);
  EXPECT_EQ(edit_->MeasuredChars(), 100'001);
}

TEST_F(EditTypingTest, CharCaseTurnsTypedLetters) {
  edit_->SetCharCase(vcl::ecUpperCase);
  tk::TypeText("ab");
  edit_->SetCharCase(vcl::ecLowerCase);
  tk::TypeText("CD");
  EXPECT_EQ(edit_->RawText(), "ABcd");
}

struct KeyStep {
  const char* Text;
  int Caret;         // before the keys
  const char* Keys;  // L R H E = Left Right Home End, lower case with Shift, ^ before: with Ctrl
  const char* Expected;  // State after
};

class EditKeys : public EditTypingTest, public ::testing::WithParamInterface<KeyStep> {};

TEST_P(EditKeys, MoveAndSelect) {
  const KeyStep& c = GetParam();
  edit_->SetText(c.Text);
  edit_->SetCaretPos(c.Caret);
  bool ctrl = false;
  for (const char* k = c.Keys; *k; ++k) {
    if (*k == '^') {
      ctrl = true;
      continue;
    }
    const bool shift = std::islower(static_cast<unsigned char>(*k)) != 0;
    win::BYTE vk = 0;
    switch (std::toupper(static_cast<unsigned char>(*k))) {
      case 'L': vk = win::VK_LEFT; break;
      case 'R': vk = win::VK_RIGHT; break;
      case 'H': vk = win::VK_HOME; break;
      case 'E': vk = win::VK_END; break;
      case 'U': vk = win::VK_UP; break;
      case 'D': vk = win::VK_DOWN; break;
      case 'X': vk = win::VK_ESCAPE; break;
    }
    THost::Chord(vk, shift, ctrl);
    ctrl = false;
  }
  EXPECT_EQ(State(edit_), c.Expected) << c.Keys;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditKeys,
    ::testing::Values(
        KeyStep{"hello world", 12, "lll", "hello world|9|9+3"},
        KeyStep{"hello world", 12, "lllR", "hello world|10|10+0"},
        KeyStep{"hello world", 1, "rrr", "hello world|4|1+3"},
        KeyStep{"hello world", 1, "rrrl", "hello world|3|1+2"},
        KeyStep{"hello world", 1, "rrX", "hello world|3|3+0"},
        KeyStep{"hello world", 4, "e", "hello world|12|4+8"},
        KeyStep{"hello world", 4, "h", "hello world|1|1+3"},
        KeyStep{"hello world", 12, "^R", "hello world|12|12+0"},
        // Right at the end clears a selection without Shift, keeps it with.
        KeyStep{"abc", 2, "eR", "abc|4|4+0"}, KeyStep{"abc", 2, "er", "abc|4|2+2"},
        // Up and Down act as Left and Right.
        KeyStep{"abc", 2, "D", "abc|3|3+0"}, KeyStep{"abc", 2, "U", "abc|1|1+0"},
        // Word steps: Ctrl+Right and Ctrl+Left stop before the delimiter that ends a word.
        KeyStep{"one two three", 1, "^R", "one two three|4|4+0"},
        KeyStep{"one two three", 4, "^R", "one two three|8|8+0"},
        KeyStep{"one two three", 14, "^L", "one two three|8|8+0"},
        KeyStep{"one two three", 9, "^l", "one two three|4|4+5"},
        // A CR LF pair is crossed at once; Home and End stop at the line.
        KeyStep{"ab\r\ncd", 5, "L", "ab\r\ncd|3|3+0"},
        KeyStep{"ab\r\ncd", 3, "R", "ab\r\ncd|5|5+0"},
        KeyStep{"ab\r\ncd", 6, "H", "ab\r\ncd|5|5+0"},
        KeyStep{"ab\r\ncd", 2, "E", "ab\r\ncd|3|3+0"},
        KeyStep{"ab\r\ncd", 6, "^H", "ab\r\ncd|1|1+0"}));

TEST_F(EditTypingTest, BackspaceAndDeleteRemoveCharactersAndCrLfPairsWhole) {
  edit_->SetText("ab\r\ncd");
  edit_->SetCaretPos(5);  // after the LF
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(State(edit_), "abcd|3|3+0");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "ab\r\ncd");
  edit_->SetCaretPos(3);  // before the CR
  tk::KeyPress(win::VK_DELETE);
  EXPECT_EQ(State(edit_), "abcd|3|3+0");
  // At the start Backspace does nothing, at the end Delete does nothing.
  edit_->SetCaretPos(1);
  tk::KeyPress(win::VK_BACK);
  edit_->SetCaretPos(5);
  tk::KeyPress(win::VK_DELETE);
  EXPECT_EQ(edit_->RawText(), "abcd");
}

TEST_F(EditTypingTest, TypingOverASelectedCarriageReturnReplacesTheWholeLineBreak) {
  edit_->SetText("ab\r\ncd");
  edit_->Select(3, 1);
  tk::TypeText("-");
  EXPECT_EQ(edit_->RawText(), "ab-cd");
  edit_->Undo();
  EXPECT_EQ(edit_->RawText(), "ab\r\ncd");
}

TEST_F(EditTypingTest, InsertKeySwitchesEveryEditToOverwriteTyping) {
  edit_->SetText("abc");
  edit_->SetCaretPos(2);
  tk::KeyPress(win::VK_INSERT);
  EXPECT_FALSE(ZYLApplication()->EditMode().contains(emInsert));
  tk::TypeText("x");
  EXPECT_EQ(State(edit_), "axc|3|3+0");
  // At the end a typed character is appended; the other edit overwrites too.
  edit_->SetCaretPos(4);
  tk::TypeText("d");
  EXPECT_EQ(edit_->RawText(), "axcd");
  THost::Focus(other_);
  other_->SetText("123");
  tk::TypeText("9");
  EXPECT_EQ(other_->RawText(), "923");
  // Undo of an overwritten character gives it back.
  other_->Undo();
  EXPECT_EQ(other_->RawText(), "123");
  tk::KeyPress(win::VK_INSERT);
  tk::TypeText("9");
  EXPECT_EQ(other_->RawText(), "9123");
}

TEST_F(EditTypingTest, OverwriteModeLeavesPastesAndDeletionsAlone) {
  edit_->SetText("abc");
  edit_->SetCaretPos(2);
  tk::KeyPress(win::VK_INSERT);  // overwrite
  vcl::Clipboard()->SetAsText("XY");
  THost::Chord('V', false, true);
  EXPECT_EQ(edit_->RawText(), "aXYbc");
  edit_->SetCaretPos(2);
  edit_->Perform(win::WM_CLEAR, 0, 0);  // nothing selected: nothing removed
  EXPECT_EQ(edit_->RawText(), "aXYbc");
  edit_->Cut(2, 2);
  edit_->Undo();  // the removed text comes back in front of the rest
  EXPECT_EQ(edit_->RawText(), "aXYbc");
  tk::KeyPress(win::VK_INSERT);
}

TEST_F(EditTypingTest, ClipboardKeysCopyCutAndPaste) {
  edit_->SetText("hello world");
  edit_->Select(1, 5);
  THost::Chord('C', false, true);
  EXPECT_EQ(vcl::Clipboard()->AsText(), "hello");
  edit_->SetCaretPos(12);
  THost::Chord(win::VK_INSERT, true);  // Shift+Insert pastes
  EXPECT_EQ(edit_->RawText(), "hello worldhello");
  edit_->Select(6, 6);
  THost::Chord(win::VK_DELETE, true);  // Shift+Delete cuts
  EXPECT_EQ(edit_->RawText(), "hellohello");
  EXPECT_EQ(vcl::Clipboard()->AsText(), " world");
  edit_->Select(1, 5);
  THost::Chord(win::VK_INSERT, false, true);  // Ctrl+Insert copies
  THost::Chord('X', false, true);
  EXPECT_EQ(edit_->RawText(), "hello");
  THost::Chord('A', false, true);
  EXPECT_EQ(State(edit_), "hello|6|1+5");
  // Read-only: nothing changes, but cutting still fills the clipboard.
  edit_->SetReadOnly(true);
  edit_->Select(1, 2);
  THost::Chord('X', false, true);
  THost::Chord('V', false, true);
  tk::TypeText("z");
  tk::KeyPress(win::VK_BACK);
  EXPECT_EQ(edit_->RawText(), "hello");
  EXPECT_EQ(vcl::Clipboard()->AsText(), "he");
  edit_->SetText("set");  // the Text property still works
  EXPECT_EQ(edit_->RawText(), "set");
}

TEST_F(EditTypingTest, MouseClicksPlaceTheCaretByCharacterHalves) {
  edit_->SetText("iiii wwww");
  const int x0 = edit_->TextOrigin();
  const int w = edit_->PrefixWidth(9) - edit_->PrefixWidth(8);  // the last 'w'
  const int mid = x0 + edit_->PrefixWidth(8);
  tk::Click(THost::At(edit_, mid + w / 2 + 1, 8).X, THost::At(edit_, 0, 8).Y);
  EXPECT_EQ(edit_->CaretPos(), 10);
  tk::AdvanceClock(1000);
  tk::Click(THost::At(edit_, mid + w / 2 - 1, 8).X, THost::At(edit_, 0, 8).Y);
  EXPECT_EQ(edit_->CaretPos(), 9);
  tk::AdvanceClock(1000);
  tk::Click(THost::At(edit_, 1, 8).X, THost::At(edit_, 0, 8).Y);
  EXPECT_EQ(edit_->CaretPos(), 1);
}

TEST_F(EditTypingTest, DraggingSelectsAndDoubleClickSelectsAWord) {
  edit_->SetText("one two three");
  const int x0 = edit_->TextOrigin();
  const win::POINT from = THost::At(edit_, x0 + edit_->PrefixWidth(4) + 1, 8);
  const win::POINT to = THost::At(edit_, x0 + edit_->PrefixWidth(7) + 1, 8);
  tk::Drag(from, to);
  EXPECT_EQ(edit_->GetSelText(), "two");
  tk::AdvanceClock(1000);
  const win::POINT word = THost::At(edit_, x0 + edit_->PrefixWidth(10), 8);
  tk::DoubleClick(word.X, word.Y);
  EXPECT_EQ(edit_->GetSelText(), "three");
}

TEST_F(EditTypingTest, DraggingASelectionMovesTheText) {
  edit_->SetText("one two three");
  edit_->Select(5, 4);  // "two "
  const int x0 = edit_->TextOrigin();
  const win::POINT inside = THost::At(edit_, x0 + edit_->PrefixWidth(6), 8);
  const win::POINT end = THost::At(edit_, x0 + edit_->PrefixWidth(13) + 3, 8);
  tk::Drag(inside, end);
  EXPECT_EQ(edit_->RawText(), "one threetwo ");
}

// A handler of the mouse's release that raises ends the gesture all the same: the error
// arrives at the application once, the edit's scrolling timer stops, the caret stays where
// the click put it when the mouse then moves, and a dragged selection's cursor comes back.
struct TRaisingRelease {
  const char* Event;   // the handler that raises
  bool DragSelection;  // the gesture drags the selected "two " to the end, not a click
};

class EditRaisingRelease : public EditTypingTest,
                           public ::testing::WithParamInterface<TRaisingRelease> {};

TEST_P(EditRaisingRelease, EndsTheGesture) {
  testsupport::TRaisingHandler raising;
  if (std::string(GetParam().Event) == "OnClick")
    edit_->SetOnClick(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  else
    edit_->OnMouseUp = vcl::TMouseEvent(&raising, &testsupport::TRaisingHandler::Mouse);
  edit_->SetText("one two three");
  THost::Idle();
  const size_t timers = tk::LiveResources().Timers;
  const int x0 = edit_->TextOrigin();
  const win::POINT at = THost::At(edit_, x0 + edit_->PrefixWidth(6), 8);
  const win::POINT end = THost::At(edit_, x0 + edit_->PrefixWidth(13) + 3, 8);
  if (GetParam().DragSelection) {
    edit_->Select(4, 4);
    tk::Drag(at, end);
  } else {
    tk::Click(at.X, at.Y);
  }
  THost::Idle();
  EXPECT_EQ(raising.Arrived, std::vector<std::string>{"The file was not found"});
  EXPECT_EQ(tk::LiveResources().Timers, timers);
  EXPECT_EQ(vcl::Screen->Cursor(), vcl::crDefault);
  const std::string after = State(edit_);
  // The button is up: moving the mouse selects nothing and leaves the caret.
  tk::MouseMove(end.X, end.Y);
  tk::AdvanceClock(1000);
  EXPECT_EQ(State(edit_), after);
  // The next click places the caret as ever.
  raising.Armed = false;
  tk::Click(end.X, end.Y);
  EXPECT_EQ(edit_->CaretPos(), 14);  // after the last of 13 characters, counted from 1
  EXPECT_EQ(raising.Arrived.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Handlers, EditRaisingRelease,
                         ::testing::Values(TRaisingRelease{"OnClick", false},
                                           TRaisingRelease{"OnMouseUp", false},
                                           TRaisingRelease{"OnMouseUp", true}),
                         [](const auto& info) {
                           return std::string(info.param.Event) +
                                  (info.param.DragSelection ? "_Drag" : "_Click");
                         });

// A handler of the caret's move that raises while a typed character goes in leaves the edit
// drawing: the character stands, and the next one is drawn after it.
TEST_F(EditTypingTest, ACaretMoveHandlerRaisingWhileTypingLeavesTheEditDrawing) {
  testsupport::TRaisingHandler raising;
  edit_->SetOnCursorPosChanged(vcl::TNotifyEvent(&raising, &testsupport::TRaisingHandler::Notify));
  edit_->SetFocus();
  THost::Idle();
  tk::TypeText("a");
  THost::Idle();
  EXPECT_FALSE(raising.Arrived.empty());
  EXPECT_EQ(edit_->Text(), "a");
  EXPECT_FALSE(edit_->IsUpdating());
  raising.Armed = false;
  tk::TypeText("b");
  EXPECT_EQ(edit_->Text(), "ab");
  EXPECT_EQ(edit_->CaretPos(), 3);
  EXPECT_FALSE(edit_->IsUpdating());
}

TEST_F(EditTypingTest, FocusByTabSelectsAllWithAutoSelectButAClickDoesNot) {
  other_->SetAutoSelect(true);
  other_->SetText("abc");
  tk::KeyPress(win::VK_TAB);
  EXPECT_TRUE(other_->Focused());
  EXPECT_EQ(other_->SelLength(), 3);
  THost::Focus(edit_);
  tk::Click(THost::At(other_, 5, 8).X, THost::At(other_, 5, 8).Y);
  EXPECT_TRUE(other_->Focused());
  EXPECT_EQ(other_->SelLength(), 0);
}

TEST_F(EditTypingTest, EnterWithTabOnEnterMovesTheFocusOn) {
  edit_->SetTabOnEnter(true);
  tk::KeyPress(win::VK_RETURN);
  EXPECT_TRUE(other_->Focused());
  tk::KeyPress(win::VK_RETURN);  // the other edit keeps the key for itself
  EXPECT_TRUE(other_->Focused());
}

TEST_F(EditTypingTest, ContextMenuOffersWhatTheStateAllows) {
  edit_->SetText("abc def");
  edit_->Select(1, 3);
  vcl::Clipboard()->Clear();
  EXPECT_EQ(THost::RightClickMenu(edit_, "Cut"), "&Cut;&Copy;&Delete;Select all;");
  EXPECT_EQ(edit_->RawText(), " def");
  EXPECT_EQ(THost::RightClickMenu(edit_, "Undo"), "&Undo;&Paste;Select all;");
  EXPECT_EQ(edit_->RawText(), "abc def");
  // Read-only: cut, paste and delete are grey (and the undone step is gone from Undo).
  edit_->SetReadOnly(true);
  edit_->Select(1, 2);
  EXPECT_EQ(THost::RightClickMenu(edit_, "Select all"), "&Copy;Select all;");
  EXPECT_EQ(edit_->SelLength(), 7);
  // An assigned PopupMenu comes instead of the built-in one.
  auto* own = new vcl::TPopupMenu(host_.Form());
  auto* item = new vcl::TMenuItem(own);
  item->SetCaption("Mine");
  own->Items()->Add(item);
  edit_->SetPopupMenu(own);
  EXPECT_EQ(THost::RightClickMenu(edit_, ""), "Mine;");
  // OnContextPopup may take the click; eoSuppressDefaultMenu shows no menu at all.
  host_.Events().Take();
  edit_->OnContextPopup = vcl::TContextPopupEvent(&host_.Events(), &edittest::TRecorder::TakePopup);
  EXPECT_EQ(THost::RightClickMenu(edit_, ""), "no menu");
  EXPECT_EQ(host_.Events().Take(), "popup20,8");
  edit_->OnContextPopup = nullptr;
  edit_->SetPopupMenu(nullptr);
  edit_->SetOptions(TZYLEditOptions{eoSuppressDefaultMenu});
  EXPECT_EQ(THost::RightClickMenu(edit_, ""), "no menu");
}

TEST_F(EditTypingTest, TheMouseAboveTakesTheFocusWhenAsked) {
  tk::MouseMove(THost::At(other_, 5, 5).X, THost::At(other_, 5, 5).Y);
  EXPECT_TRUE(edit_->Focused());  // not asked: the focus stays
  tk::MouseMove(THost::At(edit_, 5, 5).X, THost::At(edit_, 5, 5).Y);
  other_->SetFocusOnMouseAbove(true);
  tk::MouseMove(THost::At(other_, 5, 5).X, THost::At(other_, 5, 5).Y);
  EXPECT_TRUE(other_->Focused());
}

TEST_F(EditTypingTest, OemConversionDropsWhatTheOemPageLacks) {
  edit_->SetOEMConvert(true);
  vcl::Clipboard()->SetAsText("caf\xE9 \x80");
  THost::Chord('V', false, true);
  EXPECT_EQ(edit_->RawText(), "caf\xE9 ?");  // the euro sign is not in the OEM page
}

TEST_F(EditTypingTest, NarrowHeightDropsTheTextsVerticalInset) {
  const int top = edit_->TextRect().Top;
  edit_->SetOptions(TZYLEditOptions{eoNarrowHeight});
  EXPECT_EQ(edit_->TextRect().Top, top - 1);
  EXPECT_EQ(edit_->TextRect().Top, edit_->PaintRect().Top);
}

// ---------------------------------------------------------------------------------------------
// Handlers that move the caret of the edit that told them

// A handler that selects the whole text of its edit each time it is called, and counts how deep
// it was entered inside itself.
class TSelectAllHandler : public vcl::TObject {
 public:
  void Select(vcl::TObject* Sender) {
    ++Calls;
    if (Depth >= 4) return;  // an endless recursion: stop it, the test fails on Deepest
    ++Depth;
    Deepest = std::max(Deepest, Depth);
    auto* e = static_cast<TZYLBaseEdit*>(Sender);
    e->Select(1, e->GetLength());
    --Depth;
  }
  int Calls = 0, Depth = 0, Deepest = 0;
};

struct TCaretMove {
  const char* Name;
  std::function<void(TZYLEdit*)> Move;
  const char* Expected = "abcd|5|1+4";
};

// The caret moved by a click, a key, code and a change of the text: OnCursorPosChanged tells of
// the move, and a handler that selects the whole text in it is told once more of that
// selection, and not again when selecting what is already selected. The whole text stays
// selected, but for a change of the text, which collapses the selection at the caret after
// telling of the move.
TEST_F(EditTypingTest, AHandlerSelectingAllOnACaretMoveIsNotToldOfItsOwnSelectionAgain) {
  const TCaretMove moves[] = {
      {"clicked", [](TZYLEdit* e) { tk::Click(THost::At(e, 20, 8).X, THost::At(e, 20, 8).Y); }},
      {"Home pressed", [](TZYLEdit*) { tk::KeyPress(win::VK_HOME); }},
      {"the caret set in code", [](TZYLEdit* e) { e->SetCaretPos(2); }},
      {"a part selected in code", [](TZYLEdit* e) { e->Select(2, 1); }},
      {"a character typed", [](TZYLEdit*) { tk::TypeText("x"); }, "abcdx|6|6+0"},
      {"Backspace pressed", [](TZYLEdit*) { tk::KeyPress(win::VK_BACK); }, "abc|4|4+0"},
  };
  for (const TCaretMove& move : moves) {
    SCOPED_TRACE(move.Name);
    TSelectAllHandler handler;
    edit_->SetOnCursorPosChanged(vcl::TNotifyEvent());
    edit_->SetText("abcd");
    edit_->Select(5, 0);
    THost::Idle();
    edit_->SetOnCursorPosChanged(vcl::TNotifyEvent(&handler, &TSelectAllHandler::Select));
    move.Move(edit_);
    THost::Idle();
    EXPECT_LE(handler.Deepest, 2);
    EXPECT_EQ(handler.Calls, 2);
    EXPECT_EQ(State(edit_), move.Expected);
  }
  edit_->SetOnCursorPosChanged(vcl::TNotifyEvent());
}

}  // namespace
}  // namespace zyl
